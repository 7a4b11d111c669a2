// Records the full screen through the Recorder and, at the same moment, with ffmpeg's own
// x11grab, while a small player window shows a bar that steps once per picture 120 times a
// second, and prints for each file the frame slots it misses (time stamps more than one frame
// time apart), the frames that repeat the picture before, the different pictures per second
// and the length; for the Recorder also the dropped-frame figure it reported.
// Run inside the private desktop:  scripts/test-env.sh build/bench/frames/bench_frames
//   --fps N       frame rate of both recordings (30)
//   --seconds N   length of both recordings (30)
//   --busy N      N busy loops run during the recordings (0)
//   --effects     the Recorder paints the cursor highlight on every frame
#include "recording/Recorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

void runLoop(int ms, const std::function<bool()>& done = [] { return false; })
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= ms)
            loop.quit();
    });
    check.start(5);
    loop.exec();
}

QByteArray output(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(600000);
    return p.readAllStandardOutput();
}

struct Facts {
    qint64 frames = 0;
    qint64 missing = 0;  // slots without a frame between the first and the last
    qint64 repeats = 0;  // frames showing the bar where the frame before showed it
    qint64 longestGapMs = 0;
    double seconds = 0;
};

// The bar's step (0 to 119) in each frame, in presentation order, from the band at `band`.
std::vector<int> barSteps(const QString& file, const QRect& band)
{
    const QByteArray raw = output(QStringLiteral("ffmpeg"),
                                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), file,
                                   QStringLiteral("-map"), QStringLiteral("0:v:0"), QStringLiteral("-fps_mode"),
                                   QStringLiteral("passthrough"), QStringLiteral("-vf"),
                                   QStringLiteral("crop=%1:%2:%3:%4,scale=120:1:flags=area,format=gray")
                                       .arg(band.width()).arg(band.height()).arg(band.x()).arg(band.y()),
                                   QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("-")});
    std::vector<int> steps;
    for (qsizetype at = 0; at + 120 <= raw.size(); at += 120) {
        const auto* row = reinterpret_cast<const uchar*>(raw.constData() + at);
        steps.push_back(int(std::max_element(row, row + 120) - row));
    }
    return steps;
}

Facts facts(const QString& file, int fps, const QRect& band)
{
    Facts f;
    std::vector<double> times;
    for (const QByteArray& line : output(QStringLiteral("ffprobe"),
                                         {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                                          QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                                          QStringLiteral("packet=pts_time"), QStringLiteral("-of"),
                                          QStringLiteral("csv=p=0"), file})
                                      .split('\n')) {
        bool ok = false;
        const double t = line.trimmed().toDouble(&ok);
        if (ok)
            times.push_back(t);
    }
    std::sort(times.begin(), times.end());
    f.frames = qint64(times.size());
    if (times.size() < 2)
        return f;
    for (size_t i = 1; i < times.size(); ++i) {
        const qint64 gap = std::llround((times[i] - times[i - 1]) * fps);
        f.missing += std::max<qint64>(0, gap - 1);
        f.longestGapMs = std::max<qint64>(f.longestGapMs, std::llround((times[i] - times[i - 1]) * 1000));
    }
    f.seconds = times.back() - times.front() + 1.0 / fps;
    const std::vector<int> steps = barSteps(file, band);
    for (size_t i = 1; i < steps.size(); ++i)
        f.repeats += steps[i] == steps[i - 1];
    return f;
}

void print(const char* name, const Facts& f)
{
    std::printf("  %-9s %6lld frames in %.2f s: %5lld slots missing (%.1f %%), longest gap %lld ms, %5lld repeats, "
                "%.1f different pictures per second\n",
                name, static_cast<long long>(f.frames), f.seconds, static_cast<long long>(f.missing),
                100.0 * f.missing / std::max<double>(1, f.frames + f.missing), static_cast<long long>(f.longestGapMs),
                static_cast<long long>(f.repeats), (f.frames - f.repeats) / std::max(0.001, f.seconds));
}

int option(const QStringList& args, const QString& name, int fallback)
{
    const qsizetype at = args.indexOf(name);
    return at > 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int fps = option(args, QStringLiteral("--fps"), 30);
    const int seconds = option(args, QStringLiteral("--seconds"), 30);
    const int busy = option(args, QStringLiteral("--busy"), 0);
    QTemporaryDir dir;
    QStandardPaths::setTestModeEnabled(true);
    {
        QSettings settings;
        settings.setValue(QStringLiteral("save/directory"), dir.path());
        settings.setValue(QStringLiteral("save/diskWarning"), false);
    }

    const QRect band(200, 300, 600, 40);
    QProcess ticker;
    ticker.start(QStringLiteral("ffplay"),
                 {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-noborder"),
                  QStringLiteral("-left"), QString::number(band.x()), QStringLiteral("-top"), QString::number(band.y()),
                  QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("color=black:s=600x40:r=120[bg];color=white:s=5x40:r=120[bar];"
                                 "[bg][bar]overlay=x='mod(n,120)*5':y=0:eval=frame[out0]")});
    QWidget toolbar;
    toolbar.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    toolbar.setGeometry(1780, 40, 120, 40);
    toolbar.show();
    runLoop(2000);

    std::vector<std::unique_ptr<QProcess>> loops;
    for (int i = 0; i < busy; ++i) {
        loops.push_back(std::make_unique<QProcess>());
        loops.back()->setStandardOutputFile(QProcess::nullDevice());
        loops.back()->start(QStringLiteral("yes"), QStringList());
    }

    Recorder recorder;
    recorder.excludedWindowId = toolbar.winId();
    recorder.setFps(fps);
    recorder.setEncoder(QStringLiteral("libx264"));
    recorder.setMouseEffectsEnabled(args.contains(QStringLiteral("--effects")));
    bool started = false;
    bool stopped = false;
    QString file;
    qint64 reportedDrops = 0;
    QObject::connect(&recorder, &Recorder::started, [&] { started = true; });
    QObject::connect(&recorder, &Recorder::stopped, [&](const QString& path) {
        file = path;
        stopped = true;
    });
    QObject::connect(&recorder, &Recorder::performanceUpdated,
                     [&](double, qint64 dropped, const QString&, int, bool) { reportedDrops = dropped; });
    recorder.prepareStart();
    runLoop(3000);
    recorder.start();
    runLoop(20000, [&] { return started || stopped; });
    if (!started) {
        std::fprintf(stderr, "the recording did not start\n");
        return 1;
    }
    const QString reference = dir.filePath(QStringLiteral("x11grab.mp4"));
    QProcess grab;
    grab.setProcessChannelMode(QProcess::MergedChannels);
    grab.start(QStringLiteral("ffmpeg"),
               {QStringLiteral("-hide_banner"), QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("x11grab"),
                QStringLiteral("-framerate"), QString::number(fps), QStringLiteral("-video_size"),
                QStringLiteral("1920x1080"), QStringLiteral("-i"), QString::fromLocal8Bit(qgetenv("DISPLAY")),
                QStringLiteral("-t"), QString::number(seconds), QStringLiteral("-c:v"), QStringLiteral("libx264"),
                QStringLiteral("-preset"), QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"),
                QStringLiteral("yuv420p"), QStringLiteral("-fps_mode"), QStringLiteral("vfr"), reference});
    QElapsedTimer recorded;
    recorded.start();
    runLoop(seconds * 1000);
    recorder.stop();
    const double recordedSeconds = recorded.elapsed() / 1000.0;
    runLoop(120000, [&] { return stopped; });
    grab.waitForFinished(60000);
    for (auto& loop : loops) {
        loop->kill();
        loop->waitForFinished();
    }
    ticker.kill();
    ticker.waitForFinished();
    if (file.isEmpty()) {
        std::fprintf(stderr, "the recording failed\n");
        return 1;
    }
    std::printf("Full screen at %d fps, libx264 veryfast, %d busy loops, %.1f s recorded, %d s of x11grab beside it\n",
                fps, busy, recordedSeconds, seconds);
    const Facts ours = facts(file, fps, band);
    const Facts direct = facts(reference, fps, band);
    print("Recorder", ours);
    print("x11grab", direct);
    std::printf("  Recorder reported %lld dropped frames; missing slots Recorder / x11grab %.2f\n",
                static_cast<long long>(reportedDrops), double(ours.missing) / std::max<qint64>(1, direct.missing));
    return 0;
}
