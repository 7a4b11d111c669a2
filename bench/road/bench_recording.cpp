// Records 20 s of a moving 1920x1080 picture at 30 fps with libx264 through the
// Recorder, then the same screen with ffmpeg's own x11grab and the same encoder
// settings, and prints frame rates, drops and CPU use; then the start latency and the
// audio/picture offset of a flash and a beep made at the same moment.
// Run inside the private desktop:  scripts/test-env.sh build/bench/road/bench_recording
#include "recording/Recorder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kSeconds = 20;

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Cpu {
    double self = 0;
    double children = 0;
    static Cpu now() { return {cpuSeconds(RUSAGE_SELF), cpuSeconds(RUSAGE_CHILDREN)}; }
};

// Runs the event loop (sleeping between events) until `done` or the time-out.
void waitFor(const std::function<bool()>& done, int timeoutMs)
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

void pause(int ms)
{
    waitFor([] { return false; }, ms);
}

QString runTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(120000);
    return QString::fromLocal8Bit(p.readAll());
}

struct FileFacts {
    qint64 frames = 0;
    double duration = 0;
};

FileFacts facts(const QString& file)
{
    const QString json = runTool(QStringLiteral("ffprobe"),
                                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_packets"),
                                  QStringLiteral("-select_streams"), QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                                  QStringLiteral("stream=nb_read_packets:format=duration"), QStringLiteral("-of"),
                                  QStringLiteral("json"), file});
    const QJsonObject root = QJsonDocument::fromJson(json.toUtf8()).object();
    FileFacts f;
    f.frames = root.value(QStringLiteral("streams")).toArray().first().toObject()
                   .value(QStringLiteral("nb_read_packets")).toString().toLongLong();
    f.duration = root.value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
    return f;
}

// First time in the file at which the picture turns bright, and the sound starts.
double firstBrightFrame(const QString& file)
{
    const QString out = runTool(QStringLiteral("ffmpeg"),
                                {QStringLiteral("-hide_banner"), QStringLiteral("-i"), file, QStringLiteral("-an"),
                                 QStringLiteral("-vf"),
                                 QStringLiteral("signalstats,metadata=print:key=lavfi.signalstats.YAVG"),
                                 QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")});
    const QRegularExpression frame(QStringLiteral("pts_time:([0-9.]+)[^\\n]*\\n[^\\n]*YAVG=([0-9.]+)"));
    auto it = frame.globalMatch(out);
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(2).toDouble() > 200.0)
            return m.captured(1).toDouble();
    }
    return -1;
}

double firstSound(const QString& file)
{
    const QString out = runTool(QStringLiteral("ffmpeg"),
                                {QStringLiteral("-hide_banner"), QStringLiteral("-i"), file, QStringLiteral("-vn"),
                                 QStringLiteral("-af"), QStringLiteral("silencedetect=n=-30dB:d=0.005"),
                                 QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")});
    const auto m = QRegularExpression(QStringLiteral("silence_end: ([0-9.]+)")).match(out);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

struct Recording {
    QString file;
    qint64 latencyMs = -1;
    qint64 dropped = 0;
    Cpu before, after;
    double recordedSeconds = 0;
};

// One recording through the Recorder: prepared, started after the preflight, kept for
// `seconds`, then stopped. `during` runs once, `atMs` after the start.
Recording recordWithRecorder(WId toolbar, bool systemAudio, int seconds, int atMs = -1,
                             const std::function<void()>& during = {})
{
    Recording r;
    Recorder recorder;
    recorder.excludedWindowId = toolbar;
    recorder.setFps(30);
    recorder.setEncoder(QStringLiteral("libx264"));
    recorder.setMouseEffectsEnabled(false);
    recorder.setSystemAudioEnabled(systemAudio);
    bool started = false;
    QString stoppedPath;
    bool stopped = false;
    QObject::connect(&recorder, &Recorder::started, [&] { started = true; });
    QObject::connect(&recorder, &Recorder::stopped, [&](const QString& p) {
        stoppedPath = p;
        stopped = true;
    });
    QObject::connect(&recorder, &Recorder::errorOccurred,
                     [](const QString& m) { std::fprintf(stderr, "error: %s\n", qPrintable(m)); });
    QObject::connect(&recorder, &Recorder::performanceUpdated,
                     [&](double, qint64 dropped, const QString&, int, bool) { r.dropped = dropped; });

    recorder.prepareStart();
    pause(3000); // the countdown: the preflight is done meanwhile
    r.before = Cpu::now();
    QElapsedTimer clock;
    clock.start();
    recorder.start();
    waitFor([&] { return started || stopped; }, 20000);
    r.latencyMs = started ? clock.elapsed() : -1;
    if (!started)
        return r;
    QElapsedTimer recorded;
    recorded.start();
    if (during)
        QTimer::singleShot(atMs, during);
    pause(seconds * 1000);
    recorder.stop();
    r.recordedSeconds = recorded.elapsed() / 1000.0;
    waitFor([&] { return stopped; }, 60000);
    r.after = Cpu::now();
    r.file = stoppedPath;
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QStandardPaths::setTestModeEnabled(true);
    {
        QSettings settings;
        settings.setValue(QStringLiteral("save/directory"), dir.path());
        settings.setValue(QStringLiteral("save/diskWarning"), false);
    }

    QProcess picture;
    picture.start(QStringLiteral(ROAD_WINDOW_HELPER), {QStringLiteral("--fullscreen"), QStringLiteral("--flash")});
    if (!picture.waitForStarted() || !picture.waitForReadyRead(10000)) {
        std::fprintf(stderr, "the moving picture did not start\n");
        return 1;
    }
    picture.readLine();
    QWidget toolbar;
    toolbar.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    toolbar.setGeometry(1780, 10, 120, 40);
    toolbar.show();
    pause(1000);

    // 1. Through the Recorder.
    const Recording ours = recordWithRecorder(toolbar.winId(), false, kSeconds);
    if (ours.file.isEmpty()) {
        std::fprintf(stderr, "the recording failed\n");
        return 1;
    }
    const FileFacts oursFile = facts(ours.file);
    const double oursSelf = ours.after.self - ours.before.self;
    const double oursEncoder = ours.after.children - ours.before.children;

    // 2. The same screen captured by ffmpeg itself.
    const QString grabFile = QDir(dir.path()).filePath(QStringLiteral("x11grab.mp4"));
    const Cpu grabBefore = Cpu::now();
    runTool(QStringLiteral("ffmpeg"),
            {QStringLiteral("-hide_banner"), QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("x11grab"),
             QStringLiteral("-framerate"), QStringLiteral("30"), QStringLiteral("-video_size"), QStringLiteral("1920x1080"),
             QStringLiteral("-i"), QString::fromLocal8Bit(qgetenv("DISPLAY")), QStringLiteral("-t"),
             QString::number(kSeconds), QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
             QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-b:v"),
             QStringLiteral("4000k"), QStringLiteral("-profile:v"), QStringLiteral("high"), QStringLiteral("-g"),
             QStringLiteral("60"), QStringLiteral("-fps_mode"), QStringLiteral("vfr"), QStringLiteral("-an"),
             QStringLiteral("-movflags"), QStringLiteral("+frag_keyframe+empty_moov+default_base_moof"), grabFile});
    const Cpu grabAfter = Cpu::now();
    const FileFacts grab = facts(grabFile);
    const double grabCpu = grabAfter.children - grabBefore.children;

    // 3. A flash and a beep at the same moment, with system audio.
    QProcess beep;
    beep.start(QStringLiteral("pacat"), {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                                         QStringLiteral("--rate=48000"), QStringLiteral("--channels=2"),
                                         QStringLiteral("--latency-msec=10")});
    beep.waitForStarted();
    QByteArray tone;
    for (int i = 0; i < 48000 / 5; ++i) {
        const qint16 v = qint16(12000 * std::sin(2 * M_PI * 1000 * i / 48000.0));
        for (int c = 0; c < 2; ++c)
            tone.append(reinterpret_cast<const char*>(&v), 2);
    }
    pause(500);
    const Recording sync = recordWithRecorder(toolbar.winId(), true, 5, 2500, [&] {
        picture.write("flash\n");
        beep.write(tone);
    });
    beep.closeWriteChannel();
    beep.waitForFinished(3000);
    const double flashAt = sync.file.isEmpty() ? -1 : firstBrightFrame(sync.file);
    const double beepAt = sync.file.isEmpty() ? -1 : firstSound(sync.file);

    picture.kill();
    picture.waitForFinished();

    const double seconds = ours.recordedSeconds;
    const double oursTotal = oursSelf + oursEncoder;
    std::printf("Recorder, 1920x1080 at 30 fps, libx264 veryfast, %d s:\n", kSeconds);
    std::printf("  frames written %lld in %.2f s of file: %.2f fps achieved\n", static_cast<long long>(oursFile.frames),
                oursFile.duration, oursFile.duration > 0 ? oursFile.frames / oursFile.duration : 0.0);
    std::printf("  frames dropped %lld\n", static_cast<long long>(ours.dropped));
    std::printf("  CPU s per recorded s: whole program %.3f (recorder %.3f, encoder %.3f)\n", oursTotal / seconds,
                oursSelf / seconds, oursEncoder / seconds);
    std::printf("ffmpeg x11grab, same settings, %d s:\n", kSeconds);
    std::printf("  frames %lld in %.2f s: %.2f fps; CPU s per recorded s %.3f\n", static_cast<long long>(grab.frames),
                grab.duration, grab.duration > 0 ? grab.frames / grab.duration : 0.0, grabCpu / kSeconds);
    std::printf("CPU ratio (Recorder / x11grab): %.3f\n", (oursTotal / seconds) / (grabCpu / kSeconds));
    std::printf("start latency, start() to started with the preflight done: %lld ms (sync run: %lld ms)\n",
                static_cast<long long>(ours.latencyMs), static_cast<long long>(sync.latencyMs));
    std::printf("flash at %.3f s, beep at %.3f s in the file: audio - picture = %+.0f ms\n", flashAt, beepAt,
                (beepAt - flashAt) * 1000.0);
    return 0;
}
