// Cost of screen capture on X11: per grabbed frame (grab with the alpha byte forced,
// pointer drawn in, scaling to the stream size) at 1920x1080 and 3840x2160, and the
// CPU share of a 30 fps capture running for 10 s. Starts its own Xvfb servers, so
// it needs no display of its own:
//   bench_capture            all figures
//   bench_capture --cpu :N WIDTHxHEIGHT   (internal) CPU share on display :N
#include "platform/mac/MacScreenCapture.h"
#include "platform/mac/X11Connection.h"
#include "platform/mac/X11FrameGrabber.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {

struct Xvfb
{
    QProcess process;
    QByteArray display;

    bool start(const QSize &size)
    {
        process.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"),
                       QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!process.waitForStarted(5000))
            return false;
        QElapsedTimer timer;
        timer.start();
        QByteArray out;
        while (!out.contains('\n') && timer.elapsed() < 10000) {
            process.waitForReadyRead(100);
            out += process.readAllStandardOutput();
        }
        display = ":" + out.trimmed();
        return out.contains('\n');
    }

    ~Xvfb()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(3000))
                process.kill();
            process.waitForFinished(1000);
        }
    }
};

struct Figures
{
    std::vector<double> ms;
    void add(qint64 ns) { ms.push_back(ns / 1e6); }
    double mean() const
    {
        double sum = 0;
        for (double v : ms)
            sum += v;
        return ms.empty() ? 0 : sum / double(ms.size());
    }
    double median()
    {
        if (ms.empty())
            return 0;
        std::sort(ms.begin(), ms.end());
        return ms[ms.size() / 2];
    }
};

double cpuSeconds()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void perFrame(const QSize &screen, const QSize &stream)
{
    Xvfb server;
    if (!server.start(screen)) {
        std::printf("  %dx%d: Xvfb did not start\n", screen.width(), screen.height());
        return;
    }
    X11Connection connection(server.display);
    if (!connection.isValid()) {
        std::printf("  %dx%d: %s\n", screen.width(), screen.height(),
                    qPrintable(connection.errorString()));
        return;
    }
    X11FrameGrabber grabber(connection.get());
    const QRect rect(QPoint(0, 0), screen);
    // Each step is fused into one pass over the pixels, so the steps are measured as
    // growing pipelines: grab with alpha; then with the pointer; then scaled too.
    auto measure = [&](const QSize &size, bool cursor, Figures &figures) {
        QElapsedTimer timer;
        for (int i = 0; i < 220; ++i) {
            timer.start();
            const QImage out = grabber.grabFrame(connection.root(), rect, size, cursor);
            const qint64 elapsed = timer.nsecsElapsed();
            if (out.size() != size)
                return false;
            if (i >= 20) // after a warm-up
                figures.add(elapsed);
        }
        return true;
    };
    Figures grab, cursor, full;
    if (!measure(screen, false, grab) || !measure(screen, true, cursor) || !measure(stream, true, full)) {
        std::printf("  grab failed\n");
        return;
    }
    std::printf("  %4dx%-4d -> %4dx%-4d (%s): grab+alpha %.3f ms, +cursor %.3f ms, +scale: "
                "mean %.3f ms, median %.3f ms per frame\n",
                screen.width(), screen.height(), stream.width(), stream.height(),
                grabber.usesSharedMemory() ? "MIT-SHM" : "plain GetImage", grab.mean(), cursor.mean(),
                full.mean(), full.median());
}

void cpuShare(const QSize &screen)
{
    Xvfb server;
    if (!server.start(screen)) {
        std::printf("  %dx%d: Xvfb did not start\n", screen.width(), screen.height());
        return;
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(server.display));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--cpu"),
                 QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height())});
    child.waitForFinished(60000);
}

int runCpuShare(int argc, char **argv, const QSize &screen)
{
    QGuiApplication app(argc, argv);
    QWindow toolbar;
    toolbar.setFlags(Qt::Tool | Qt::FramelessWindowHint);
    toolbar.setGeometry(10, 10, 100, 30);
    toolbar.show();
    QCoreApplication::processEvents();

    MacScreenCapture capture;
    QString error;
    const QSize stream = MacScreenCapture::streamSize(screen, QSize(1920, 1080));
    if (!capture.start(0, toolbar.winId(), 30, stream, &error)) {
        std::printf("  capture did not start: %s\n", qPrintable(error));
        return 1;
    }
    const double before = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QThread::sleep(10);
    const double used = cpuSeconds() - before;
    const double seconds = wall.elapsed() / 1000.0;
    capture.stop();
    std::printf("  %4dx%-4d at 30 fps -> %dx%d for %.1f s: %.3f CPU-seconds per second (%.1f%% of "
                "one core)\n",
                screen.width(), screen.height(), stream.width(), stream.height(), seconds,
                used / seconds, 100.0 * used / seconds);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--cpu") == 0) {
        const QList<QByteArray> parts = QByteArray(argv[2]).split('x');
        return runCpuShare(argc, argv, QSize(parts.value(0).toInt(), parts.value(1).toInt()));
    }
    QCoreApplication app(argc, argv);
    std::printf("Per grabbed frame (200 frames after 20 warm-up):\n");
    perFrame({1920, 1080}, {1920, 1080});
    perFrame({1920, 1080}, {1280, 720});
    perFrame({3840, 2160}, {1920, 1080});
    perFrame({3840, 2160}, {3840, 2160});
    perFrame({2560, 1440}, {1920, 1080});
    std::printf("CPU share of a capture process (its threads, not the X server's copy):\n");
    std::fflush(stdout);
    cpuShare({1920, 1080});
    cpuShare({3840, 2160});
    return 0;
}
