// A screenshot taken (as the screenshot hot key does) in the middle of a 1920x1080,
// 30 fps recording: prints the frames the recording dropped and the longest stall of
// the GUI thread, which also feeds the encoder, once with the PNG written on the GUI
// thread and once with the program's own way (written on a worker thread).
// Run inside the private desktop:  scripts/test-env.sh build/bench/shell/bench_shell
#include "recording/ScreenshotComposer.h"
#include "recording/ScreenshotWriter.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>

namespace {

void waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer check;
    check.setTimerType(Qt::PreciseTimer);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= timeoutMs)
            loop.quit();
    });
    check.start(2);
    if (!done())
        loop.exec();
}

struct Result {
    bool ok = false;
    qint64 droppedBefore = 0;
    qint64 droppedAfter = 0;
    qint64 longestStallMs = 0;     // of the whole recording
    qint64 screenshotStallMs = 0;  // of the event-loop turn that took the screenshots
    qint64 screenshotCallMs = 0;   // the screenshot calls themselves
};

// Records 12 s; 4 s in, takes three screenshots one after the other with `shoot`.
Result record(WId toolbar, const std::function<void()> &shoot)
{
    Result r;
    Recorder recorder;
    recorder.excludedWindowId = toolbar;
    recorder.setFps(30);
    recorder.setEncoder(QStringLiteral("libx264"));
    recorder.setMouseEffectsEnabled(false);
    recorder.setSystemAudioEnabled(false);
    bool started = false, stopped = false;
    qint64 dropped = 0;
    QObject::connect(&recorder, &Recorder::started, [&] { started = true; });
    QObject::connect(&recorder, &Recorder::errorOccurred,
                     [](const QString &m) { std::fprintf(stderr, "error: %s\n", qPrintable(m)); });
    QObject::connect(&recorder, &Recorder::stopped, [&](const QString &) { stopped = true; });
    QObject::connect(&recorder, &Recorder::performanceUpdated,
                     [&](double, qint64 d, const QString &, int, bool) { dropped = d; });

    // A 1 ms watchdog on the GUI thread: the longest gap between its runs is the
    // longest time the thread was busy with something else.
    QElapsedTimer beat;
    qint64 last = 0, longest = 0, shotStall = 0;
    bool inShot = false;
    QTimer watchdog;
    watchdog.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        const qint64 now = beat.elapsed();
        longest = std::max(longest, now - last);
        if (inShot) {
            shotStall = std::max(shotStall, now - last);
            inShot = false;
        }
        last = now;
    });

    recorder.prepareStart();
    waitFor([] { return false; }, 2500);
    recorder.start();
    waitFor([&] { return started || stopped; }, 20000);
    if (!started)
        return r;
    waitFor([] { return false; }, 1500); // let the encoder settle
    beat.start();
    watchdog.start(1);
    waitFor([] { return false; }, 2500);
    r.droppedBefore = dropped;
    QElapsedTimer call;
    call.start();
    for (int i = 0; i < 3; ++i)
        shoot();
    r.screenshotCallMs = call.elapsed();
    inShot = true;
    waitFor([] { return false; }, 6000);
    r.droppedAfter = dropped;
    watchdog.stop();
    recorder.stop();
    waitFor([&] { return stopped; }, 60000);
    ScreenshotWriter::waitForDone();
    r.longestStallMs = longest;
    r.screenshotStallMs = shotStall;
    r.ok = true;
    return r;
}

void print(const char *title, const Result &r)
{
    std::printf("%s\n", title);
    if (!r.ok) {
        std::printf("  the recording did not start\n");
        return;
    }
    std::printf("  three screenshots took %lld ms on the GUI thread\n", static_cast<long long>(r.screenshotCallMs));
    std::printf("  longest GUI-thread stall: %lld ms (the screenshots' turn: %lld ms)\n",
                static_cast<long long>(r.longestStallMs), static_cast<long long>(r.screenshotStallMs));
    std::printf("  frames dropped around the screenshots: %lld (before them: %lld)\n",
                static_cast<long long>(r.droppedAfter - r.droppedBefore), static_cast<long long>(r.droppedBefore));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QStandardPaths::setTestModeEnabled(true);
    {
        QSettings settings;
        settings.setValue(QStringLiteral("save/directory"), dir.path());
        settings.setValue(QStringLiteral("save/diskWarning"), false);
    }
    const QString shots = QDir(dir.path()).filePath(QStringLiteral("shots"));

    // The floating toolbar stands in: the recorder leaves one window out of the picture.
    QWidget toolbar;
    toolbar.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    toolbar.setGeometry(1780, 10, 120, 40);
    toolbar.show();
    waitFor([] { return false; }, 500);

    const Result onGui = record(toolbar.winId(), [&] {
        int primary = 0;
        const QImage picture = composeScreenshot(QRect(), applicationScreens(&primary), primary);
        ScreenshotWriter::save(picture, shots, QDateTime::currentDateTime());
    });
    const Result onWorker = record(toolbar.winId(), [&] { ScreenshotWriter::captureArea(QRect(), shots); });

    std::printf("1920x1080 at 30 fps, libx264, three full-screen screenshots 4 s into the recording:\n");
    print("PNG written on the GUI thread:", onGui);
    print("PNG written on the screenshot worker (the program's way):", onWorker);
    std::printf("screenshots written: %lld\n",
                static_cast<long long>(QDir(shots).entryList(QDir::Files).size()));
    return (onGui.ok && onWorker.ok) ? 0 : 1;
}
