// Sound and picture of a full-screen recording made by the real program, against a direct
// capture of the same screen and sound made beside it. A player window shows a flash and
// plays a beep once a second at the same instant (tests/support/AvSync.h); the program,
// started with its own settings, records the whole screen with system sound and is driven
// by its hot keys only (start, pauses, stop); ffmpeg captures the screen (x11grab) and the
// sink's monitor (pulse) at the same time, with -copyts, as the reference. Printed per
// segment of the saved file(s): the offset beep - flash of the program and of the reference
// over the same moments and their difference, the drift per minute, microphone - system
// when the microphone is recorded, and missing and repeated frame slots of both; from the
// program's log, the longest time each segment launch and each stop of its sound captures
// kept the GUI thread from its events.
// Run inside the private desktop:  scripts/test-env.sh build/bench/sync/bench_av_sync [options]
//   --seconds S        time recorded, pauses left out (default 30)
//   --pauses N         pauses of --pause-seconds (default 2.5) spread evenly (default 0)
//   --split SECONDS    the program's automatic split, in whole minutes (rounded up); it counts the
//                      time of one segment, so a pause starts it again
//   --fps N            the program's frame rate, and the reference's (default 30)
//   --busy N           N busy loops running from before the start to the end (default 0)
//   --mic              also the microphone, fed the sink's right channel (3 kHz) alone: switched
//                      on by clicks on the Full Screen card and the preparation toolbar's
//                      Microphone, where they are on the test desktop in English
//   --keep DIR         copy the files into DIR
//   --analyse FILE     only print the figures of a file recorded before (with --reference REF)
//   --windows S        also print program - reference for every S seconds of each segment (the
//                      steps a split or a resume may leave inside a segment of the file)
//   --window           record the player's window instead (the Window card, then the player's card
//                      in the window picker, clicked where they are on the test desktop); the
//                      reference captures the same area of the screen
//   --late-keys MS     the program takes up its hot keys MS later (VISTRELLE_TEST_HOTKEY_DELAY_MS),
//                      as a GUI thread held by a busy machine does; printed per segment: where
//                      its picture ends against its pause or stop key, in the player's time
//   --overload-after MS  the program's performance watch finds the machine overloaded MS into the
//                      recording (VISTRELLE_TEST_OVERLOAD_AFTER_MS) and switches it to 720p

#include "../../tests/support/AvSync.h"

#include "recording/ChildProcessLifetime.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Where the Window card of the home page and the first card of the window picker are on the
// test desktop, in English.
const QPoint WindowCard(1350, 409);
const QPoint FirstPickerCard(485, 343);

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs, int stepMs = 50)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        wait(stepMs);
    }
    return true;
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(20000);
    return QString::fromLocal8Bit(p.readAll()).trimmed();
}

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2)
                                       : QStringLiteral("?");
}

// Whether an ffmpeg child of `parent` writes into `folder` (a segment being recorded).
bool encoderRunning(qint64 parent, const QString &folder)
{
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray s = stat.readAll();
        const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 2 || fields.at(1).toLongLong() != parent)
            continue;
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (cmdline.open(QIODevice::ReadOnly)) {
            const QByteArray line = cmdline.readAll();
            if (line.contains("ffmpeg") && line.contains(folder.toUtf8()))
                return true;
        }
    }
    return false;
}

QStringList savedFiles(const QString &folder)
{
    QStringList files;
    for (const QFileInfo &info :
         QDir(folder).entryInfoList({QStringLiteral("*.mp4"), QStringLiteral("*.mkv"), QStringLiteral("*.mov")},
                                    QDir::Files, QDir::Name))
        if (!info.fileName().contains(QLatin1String(".merging.")))
            files << info.filePath();
    return files;
}

bool key(const QString &combination)
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("key"), combination}).isEmpty();
}

struct Options {
    int seconds = 30;
    int pauses = 0;
    double pauseSeconds = 2.5;
    int splitSeconds = 0;
    int fps = 30;
    int busy = 0;
    bool mic = false;
    QString keep;
    QString analyse;
    QString reference;
    double windowSeconds = 0;
    int lateKeysMs = 0;
    int overloadAfterMs = -1;
    bool window = false;
};

Options parse(const QStringList &a)
{
    Options o;
    for (qsizetype i = 1; i < a.size(); ++i) {
        const QString next = i + 1 < a.size() ? a.at(i + 1) : QString();
        if (a.at(i) == QLatin1String("--seconds"))
            o.seconds = next.toInt(), ++i;
        else if (a.at(i) == QLatin1String("--pauses"))
            o.pauses = next.toInt(), ++i;
        else if (a.at(i) == QLatin1String("--pause-seconds"))
            o.pauseSeconds = next.toDouble(), ++i;
        else if (a.at(i) == QLatin1String("--split"))
            o.splitSeconds = next.toInt(), ++i;
        else if (a.at(i) == QLatin1String("--fps"))
            o.fps = next.toInt(), ++i;
        else if (a.at(i) == QLatin1String("--busy"))
            o.busy = next.toInt(), ++i;
        else if (a.at(i) == QLatin1String("--mic"))
            o.mic = true;
        else if (a.at(i) == QLatin1String("--keep"))
            o.keep = next, ++i;
        else if (a.at(i) == QLatin1String("--analyse"))
            o.analyse = next, ++i;
        else if (a.at(i) == QLatin1String("--reference"))
            o.reference = next, ++i;
        else if (a.at(i) == QLatin1String("--windows"))
            o.windowSeconds = next.toDouble(), ++i;
        else if (a.at(i) == QLatin1String("--window"))
            o.window = true;
        else if (a.at(i) == QLatin1String("--late-keys"))
            o.lateKeysMs = next.toInt(), ++i;
        else if (a.at(i) == QLatin1String("--overload-after"))
            o.overloadAfterMs = next.toInt(), ++i;
    }
    return o;
}

// Where the player shows. In window mode it stays clear of the home page's cards and of the
// window picker's first card.
avsync::Layout playerLayout(const Options &o)
{
    avsync::Layout layout;
    if (o.window)
        layout.window.moveTo(560, 780);
    return layout;
}

// Where the player is in the recorded files: a window recording holds the player's window
// alone, and its reference that area of the screen, so both are a screen the window fills.
avsync::Layout recordedLayout(const Options &o)
{
    const avsync::Layout layout = playerLayout(o);
    return o.window ? avsync::Layout{layout.window.size(), QRect(QPoint(0, 0), layout.window.size()), layout.sourceFps}
                    : layout;
}

// A source of the sink's right channel alone, made the default input while it lives.
class RightChannelMicrophone
{
public:
    bool start()
    {
        m_previous = run(QStringLiteral("pactl"), {QStringLiteral("get-default-source")});
        const QString sink = run(QStringLiteral("pactl"), {QStringLiteral("get-default-sink")});
        m_module = run(QStringLiteral("pactl"),
                       {QStringLiteral("load-module"), QStringLiteral("module-remap-source"),
                        QStringLiteral("source_name=avsync_right"), QStringLiteral("master=%1.monitor").arg(sink),
                        QStringLiteral("channels=1"), QStringLiteral("master_channel_map=front-right"),
                        QStringLiteral("channel_map=mono")});
        if (m_module.toInt() <= 0)
            return false;
        run(QStringLiteral("pactl"), {QStringLiteral("set-default-source"), QStringLiteral("avsync_right")});
        return true;
    }
    ~RightChannelMicrophone()
    {
        if (m_module.toInt() <= 0)
            return;
        run(QStringLiteral("pactl"), {QStringLiteral("set-default-source"), m_previous});
        run(QStringLiteral("pactl"), {QStringLiteral("unload-module"), m_module});
    }

private:
    QString m_previous;
    QString m_module;
};

void printComparison(const avsync::Analysis &ours, const avsync::Analysis *reference, int fps, double windowSeconds)
{
    int oursMissing = 0, referenceMissing = 0, oursRepeated = 0, referenceRepeated = 0;
    double oursPictures = 0, referencePictures = 0, seconds = 0;
    for (qsizetype i = 0; i < ours.segments.size(); ++i) {
        const avsync::Span &span = ours.segments.at(i);
        const avsync::SegmentStats s = avsync::stats(ours, span.playerStart, span.playerEnd, fps);
        std::printf("  segment %lld: file %.2f-%.2f s, player %.2f-%.2f s\n", static_cast<long long>(i + 1),
                    span.fileStart, span.fileEnd, span.playerStart, span.playerEnd);
        std::printf("    program   %s\n", qPrintable(avsync::describe(s)));
        // Where the pictures jump by two frames or more, and by how much: the program's at
        // their file time, the reference's at the player's (a jump in both is the player's).
        const auto jumps = [&span, fps](const avsync::Analysis &analysis, bool playerTime) {
            QString gaps;
            const avsync::Frame *previous = nullptr;
            for (const avsync::Frame &frame : analysis.frames) {
                if (frame.player < span.playerStart || frame.player > span.playerEnd)
                    continue;
                if (previous && (frame.player - previous->player) * fps > 1.9)
                    gaps += QString::asprintf(" %.2f s (+%.0f ms)", playerTime ? frame.player : frame.ts,
                                              (frame.player - previous->player) * 1000);
                previous = &frame;
            }
            return gaps;
        };
        if (const QString gaps = jumps(ours, false); !gaps.isEmpty())
            std::printf("    program   pictures jump at%s\n", qPrintable(gaps));
        oursMissing += s.missing;
        oursRepeated += s.repeated;
        const double length = span.playerEnd - span.playerStart;
        oursPictures += s.distinctPerSecond * length;
        seconds += length;
        if (reference) {
            const avsync::SegmentStats r = avsync::stats(*reference, span.playerStart, span.playerEnd, fps);
            std::printf("    reference %s\n", qPrintable(avsync::describe(r)));
            if (const QString gaps = jumps(*reference, true); !gaps.isEmpty())
                std::printf("    reference pictures jump at player%s\n", qPrintable(gaps));
            std::printf("    program - reference: offset %+.0f ms, first beep %+.0f ms\n", s.offsetMs - r.offsetMs,
                        s.firstOffsetMs - r.offsetMs);
            if (windowSeconds > 0) {
                std::printf("    program - reference every %.0f s:", windowSeconds);
                for (double from = span.playerStart; from + windowSeconds / 2 < span.playerEnd; from += windowSeconds) {
                    const double to = std::min(span.playerEnd, from + windowSeconds);
                    std::printf(" %+.0f", avsync::stats(ours, from, to, fps).offsetMs
                                              - avsync::stats(*reference, from, to, fps).offsetMs);
                }
                std::printf(" ms\n");
            }
            referenceMissing += r.missing;
            referenceRepeated += r.repeated;
            referencePictures += r.distinctPerSecond * length;
        }
    }
    std::printf("  all segments: program missing %d, repeated %d, %.1f different pictures/s", oursMissing,
                oursRepeated, seconds > 0 ? oursPictures / seconds : 0.0);
    if (reference)
        std::printf("; reference missing %d, repeated %d, %.1f different pictures/s", referenceMissing,
                    referenceRepeated, seconds > 0 ? referencePictures / seconds : 0.0);
    std::printf("\n");
    std::fflush(stdout);
}

// Where each segment's picture ends against the key that ended it, both in the player's time:
// the reference keeps x11grab's wall-clock stamps, which place a key pressed at a wall-clock
// instant on the player's time. Positive: the segment goes on after its key.
void printEndsAgainstKeys(const avsync::Analysis &ours, const avsync::Analysis &reference, const QString &referenceFile,
                          const std::vector<double> &keyTimes)
{
    bool ok = false;
    const double start = run(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"),
                                                         QStringLiteral("-show_entries"), QStringLiteral("format=start_time"),
                                                         QStringLiteral("-of"), QStringLiteral("csv=p=0"), referenceFile})
                             .toDouble(&ok);
    if (!ok || reference.frames.isEmpty())
        return;
    const double fileStart = reference.frames.first().ts > 1e8 ? 0.0 : start; // stamps kept as they are
    std::printf("  segment ends against their keys (player time):");
    for (size_t i = 0; i < keyTimes.size() && qsizetype(i) < ours.segments.size(); ++i) {
        const double at = keyTimes[i] - fileStart;
        const avsync::Frame *nearest = &reference.frames.first();
        for (const avsync::Frame &frame : reference.frames)
            if (std::abs(frame.ts - at) < std::abs(nearest->ts - at))
                nearest = &frame;
        const double keyPlayer = nearest->player + (at - nearest->ts);
        std::printf(" %+.0f ms", (ours.segments.at(qsizetype(i)).playerEnd - keyPlayer) * 1000);
    }
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());
    if (!o.analyse.isEmpty()) {
        const avsync::Analysis ours = avsync::analyse(o.analyse, o.fps, recordedLayout(o));
        const avsync::Analysis ref
            = o.reference.isEmpty() ? avsync::Analysis() : avsync::analyse(o.reference, o.fps, recordedLayout(o));
        if (!ours.ok || (!o.reference.isEmpty() && !ref.ok)) {
            std::fprintf(stderr, "%s%s\n", qPrintable(ours.error), qPrintable(ref.error));
            return 1;
        }
        printComparison(ours, ref.ok ? &ref : nullptr, o.fps, o.windowSeconds);
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "run it inside the test desktop: scripts/test-env.sh %s\n", argv[0]);
        return 2;
    }
    QTemporaryDir root;
    const QString saveDir = root.filePath(QStringLiteral("videos"));
    QDir().mkpath(saveDir);
    {
        QSettings s(root.filePath(QStringLiteral("config/Vistrelle/Vistrelle.conf")), QSettings::IniFormat);
        s.setValue(QStringLiteral("save/directory"), saveDir);
        s.setValue(QStringLiteral("save/diskWarning"), false);
        s.setValue(QStringLiteral("effects/mouseEnabled"), false);
        s.setValue(QStringLiteral("recording/fps"), o.fps);
        if (o.splitSeconds > 0) {
            s.setValue(QStringLiteral("autoSplit/enabled"), true);
            s.setValue(QStringLiteral("autoSplit/mode"), 0);
            s.setValue(QStringLiteral("autoSplit/durationMin"), std::max(1, (o.splitSeconds + 59) / 60));
        }
    }
    std::printf("bench_av_sync: %s, %d s recorded, %d pauses of %.1f s, split %s, %d fps, %d busy loops%s; "
                "load average %s\n",
                o.window ? "the player's window" : "full screen", o.seconds, o.pauses, o.pauseSeconds,
                o.splitSeconds > 0 ? qPrintable(QStringLiteral("every %1 min").arg(std::max(1, (o.splitSeconds + 59) / 60)))
                                   : "off",
                o.fps, o.busy, o.mic ? ", microphone" : "", qPrintable(loadAverage()));
    std::fflush(stdout);

    const avsync::Layout layout = playerLayout(o);
    const avsync::Layout fileLayout = recordedLayout(o);
    const QString source = root.filePath(QStringLiteral("source.mkv"));
    QString error;
    const int sourceSeconds = o.seconds + int(std::ceil(o.pauses * o.pauseSeconds)) + 60;
    if (!avsync::makeSource(source, sourceSeconds, layout.sourceFps, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::unique_ptr<RightChannelMicrophone> microphone;
    if (o.mic) {
        microphone = std::make_unique<RightChannelMicrophone>();
        if (!microphone->start()) {
            std::fprintf(stderr, "the right-channel microphone was not made\n");
            return 1;
        }
    }

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
    if (o.lateKeysMs > 0)
        env.insert(QStringLiteral("VISTRELLE_TEST_HOTKEY_DELAY_MS"), QString::number(o.lateKeysMs));
    if (o.overloadAfterMs >= 0)
        env.insert(QStringLiteral("VISTRELLE_TEST_OVERLOAD_AFTER_MS"), QString::number(o.overloadAfterMs));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.setStandardOutputFile(root.filePath(QStringLiteral("program.log")));
    makeChildEndWithProgram(program, SIGTERM);
    program.start(QStringLiteral(VISTRELLE_PROGRAM), {});
    if (!program.waitForStarted(5000)
        || !waitUntil([] { return !run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                                   QStringLiteral("--name"), QStringLiteral("^Vistrelle$")})
                                        .isEmpty(); },
                      30000)) {
        std::fprintf(stderr, "the program did not show its window\n");
        return 1;
    }
    wait(2000);
    const auto click = [](int x, int y, const QString &repeat = QStringLiteral("1")) {
        run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(x), QString::number(y),
                                        QStringLiteral("click"), QStringLiteral("--repeat"), repeat,
                                        QStringLiteral("1")});
        wait(2000);
    };
    if (o.mic) {
        click(767, 409);  // the Full Screen card
        click(855, 1022); // Microphone on the preparation toolbar
    }
    // The player comes after those clicks, above the place of the card; a window to record
    // comes before the window picker that lists it.
    avsync::Player player;
    if (!player.start(source, layout) || !player.waitShown(30000)) {
        std::fprintf(stderr, "the player did not show\n");
        return 1;
    }
    if (o.window) {
        click(WindowCard.x(), WindowCard.y());
        click(FirstPickerCard.x(), FirstPickerCard.y(), QStringLiteral("2")); // a double click accepts it
    }
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("4"), QStringLiteral("1076")});

    std::vector<std::unique_ptr<QProcess>> loops;
    for (int i = 0; i < o.busy; ++i) {
        auto loop = std::make_unique<QProcess>();
        makeChildEndWithProgram(*loop, SIGKILL);
        loop->start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
        loops.push_back(std::move(loop));
    }

    const QString referenceFile = root.filePath(QStringLiteral("reference.mkv"));
    QProcess reference;
    reference.setProcessChannelMode(QProcess::MergedChannels);
    reference.setStandardOutputFile(root.filePath(QStringLiteral("reference.log")));
    makeChildEndWithProgram(reference, SIGINT);
    reference.start(QStringLiteral("ffmpeg"),
                    {QStringLiteral("-hide_banner"), QStringLiteral("-nostats"), QStringLiteral("-y"),
                     QStringLiteral("-thread_queue_size"), QStringLiteral("512"), QStringLiteral("-f"),
                     QStringLiteral("x11grab"), QStringLiteral("-framerate"), QString::number(o.fps),
                     QStringLiteral("-video_size"),
                     QStringLiteral("%1x%2").arg(fileLayout.screen.width()).arg(fileLayout.screen.height()),
                     QStringLiteral("-i"),
                     QString::fromLocal8Bit(qgetenv("DISPLAY"))
                         + (o.window ? QStringLiteral("+%1,%2").arg(layout.window.x()).arg(layout.window.y()) : QString()),
                     QStringLiteral("-thread_queue_size"),
                     QStringLiteral("2048"), QStringLiteral("-f"), QStringLiteral("pulse"), QStringLiteral("-i"),
                     QStringLiteral("@DEFAULT_MONITOR@"), QStringLiteral("-copyts"), QStringLiteral("-c:v"),
                     QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("veryfast"),
                     QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-fps_mode"),
                     QStringLiteral("passthrough"), QStringLiteral("-c:a"), QStringLiteral("pcm_s16le"), referenceFile});
    if (!reference.waitForStarted(5000)) {
        std::fprintf(stderr, "the reference capture did not start\n");
        return 1;
    }
    wait(1500);

    // Start, pauses, stop: each segment lasts its share of --seconds from the moment its
    // encoder runs.
    const QString loadBefore = loadAverage();
    const int segments = o.pauses + 1;
    const int segmentMs = o.seconds * 1000 / segments;
    // When each pause and the stop key were pressed (seconds of the wall clock, as x11grab's).
    std::vector<double> keyTimes;
    const auto endKey = [&keyTimes](const QString &combination) {
        keyTimes.push_back(double(QDateTime::currentMSecsSinceEpoch()) / 1000.0);
        return key(combination);
    };
    bool driven = key(QStringLiteral("ctrl+alt+r"));
    for (int i = 0; driven && i < segments; ++i) {
        driven = waitUntil([&] { return encoderRunning(program.processId(), saveDir); }, 30000);
        if (!driven)
            break;
        wait(segmentMs);
        if (i + 1 == segments)
            break;
        QElapsedTimer paused;
        paused.start();
        endKey(QStringLiteral("ctrl+alt+p"));
        driven = waitUntil([&] { return !encoderRunning(program.processId(), saveDir); }, 20000);
        wait(std::max(0, int(o.pauseSeconds * 1000) - int(paused.elapsed())));
        key(QStringLiteral("ctrl+alt+p"));
    }
    endKey(QStringLiteral("ctrl+alt+r"));
    // Saved: a file in the folder and no encoder or join for two seconds.
    QElapsedTimer idle;
    idle.start();
    waitUntil(
        [&] {
            bool busy = false;
            for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
                QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
                if (stat.open(QIODevice::ReadOnly)) {
                    const QByteArray s = stat.readAll();
                    const QList<QByteArray> f = s.mid(s.lastIndexOf(')') + 2).split(' ');
                    busy = busy || (f.size() > 1 && f.at(1).toLongLong() == program.processId());
                }
            }
            if (busy || savedFiles(saveDir).isEmpty())
                idle.restart();
            return idle.elapsed() > 2000;
        },
        300000, 200);
    const QString loadAfter = loadAverage();
    reference.write("q");
    if (!reference.waitForFinished(60000))
        reference.terminate();
    reference.waitForFinished(10000);
    for (auto &loop : loops) {
        loop->kill();
        loop->waitForFinished(5000);
    }
    loops.clear();
    player.stop();
    program.terminate();
    if (!program.waitForFinished(20000))
        program.kill();

    std::printf("load average at the start %s, at the end %s\n", qPrintable(loadBefore), qPrintable(loadAfter));
    if (!driven)
        std::printf("the program's segments did not come as driven: the figures below may miss some\n");
    const avsync::Analysis ref = avsync::analyse(referenceFile, o.fps, fileLayout);
    if (!ref.ok)
        std::printf("reference: %s\n", qPrintable(ref.error));
    else
        std::printf("reference (ffmpeg x11grab + pulse, -copyts): %.1f s, %lld beeps\n", ref.fileSeconds,
                    static_cast<long long>(ref.system.size()));
    // Encoders launched, and the frames each said it dropped in its last performance figure.
    int launches = 0;
    QStringList drops;
    // The longest time each segment launch kept the GUI thread from its events.
    QList<int> holds;
    QList<int> soundStops;
    {
        QFile log(root.filePath(QStringLiteral("program.log")));
        QString last;
        const QRegularExpression drop(QStringLiteral("\\[Recorder performance\\].* drop=(\\d+)"));
        if (!log.open(QIODevice::ReadOnly))
            std::printf("no log of the program\n");
        while (!log.atEnd()) {
            const QByteArray line = log.readLine();
            if (line.contains("[Recorder config]")) {
                ++launches;
                if (!last.isEmpty())
                    drops << last;
                last = QStringLiteral("0");
            }
            static const QRegularExpression held(QStringLiteral("held the GUI thread (\\d+) ms at most"));
            if (const auto h = held.match(QString::fromUtf8(line)); h.hasMatch())
                holds << h.captured(1).toInt();
            static const QRegularExpression soundStop(
                QStringLiteral("stopping the sound captures held the GUI thread (\\d+) ms"));
            if (const auto h = soundStop.match(QString::fromUtf8(line)); h.hasMatch())
                soundStops << h.captured(1).toInt();
            const auto m = drop.match(QString::fromUtf8(line));
            if (m.hasMatch())
                last = m.captured(1);
        }
        if (!last.isEmpty())
            drops << last;
    }
    std::printf("the program's performance figures: drop=%s (the last of each encoder)\n",
                qPrintable(drops.join(QLatin1Char('+'))));
    if (!holds.isEmpty()) {
        QStringList each;
        for (const int ms : holds)
            each << QString::number(ms);
        std::printf("GUI thread held by segment launches (start, resumes, splits): longest %d ms; each %s ms\n",
                    *std::max_element(holds.begin(), holds.end()), qPrintable(each.join(QLatin1Char(' '))));
    }
    if (!soundStops.isEmpty())
        std::printf("GUI thread held by stopping the sound captures (pauses, stop): longest %d ms over %lld stops\n",
                    *std::max_element(soundStops.begin(), soundStops.end()), static_cast<long long>(soundStops.size()));
    const QStringList files = savedFiles(saveDir);
    if (files.isEmpty()) {
        std::printf("the program saved no file\n");
        return 1;
    }
    for (const QString &file : files) {
        const avsync::Analysis ours = avsync::analyse(file, o.fps, fileLayout);
        std::printf("%s: ", qPrintable(QFileInfo(file).fileName()));
        if (!ours.ok) {
            std::printf("%s\n", qPrintable(ours.error));
            continue;
        }
        std::printf("%.1f s, %lld segments (a jump of the picture against the file's time: a pause, or a picture "
                    "lost); the program launched %d encoders (start, resumes, splits)\n",
                    ours.fileSeconds, static_cast<long long>(ours.segments.size()), launches);
        printComparison(ours, ref.ok ? &ref : nullptr, o.fps, o.windowSeconds);
        if (ref.ok && files.size() == 1)
            printEndsAgainstKeys(ours, ref, referenceFile, keyTimes);
    }
    if (!o.keep.isEmpty()) {
        QDir().mkpath(o.keep);
        for (const QString &file : files + QStringList{referenceFile, root.filePath(QStringLiteral("program.log")),
                                                      root.filePath(QStringLiteral("reference.log"))})
            QFile::copy(file, QDir(o.keep).filePath(QFileInfo(file).fileName()));
    }
    return 0;
}
