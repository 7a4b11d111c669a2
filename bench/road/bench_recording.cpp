// Records 20 s of a moving 1920x1080 picture at 30 fps with libx264 veryfast through the
// Recorder, then the same screen with ffmpeg's own x11grab and the same encoder settings in
// the same run, and prints for each: CPU seconds per recorded second of the whole process
// tree, the peak memory of the tree (sum of resident sizes), frames written, dropped and
// distinct (decoded frames whose content differs from the one before), and the CPU ratio.
// This is done on all cores, then once more with the benchmark re-run under
// `taskset -c 0,1` (the picture, the Recorder, x11grab and their encoders all pinned alike).
// The all-cores run also measures the start latency and the audio/picture offset of a
// flash and a beep made at the same moment.
// Run inside the private desktop:  scripts/test-env.sh build/bench/road/bench_recording
//   --pinned     measure only this run, as it is (used for the taskset re-run)
//   --rounds N   compare N times in a row and print the median ratios as well
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

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <sched.h>
#include <dirent.h>
#include <fstream>
#include <thread>
#include <vector>
#include <sys/resource.h>
#include <unistd.h>

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


// Resident size of one process in kB, 0 when it is gone.
qint64 residentKb(pid_t pid)
{
    std::ifstream statm("/proc/" + std::to_string(pid) + "/statm");
    long long size = 0, resident = 0;
    if (!(statm >> size >> resident))
        return 0;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Direct children of a process, collected over all its threads.
std::vector<pid_t> childrenOf(pid_t pid)
{
    std::vector<pid_t> out;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return out;
    while (dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.')
            continue;
        std::ifstream children(tasks + "/" + e->d_name + "/children");
        pid_t child = 0;
        while (children >> child)
            out.push_back(child);
    }
    closedir(dir);
    return out;
}

// Samples the summed resident size of a process and all its descendants every 20 ms on a
// thread of its own, leaving out the subtree of `skip`; keeps the peak.
class TreeMemory
{
public:
    TreeMemory(pid_t root, pid_t skip)
        : m_thread([this, root, skip] {
            while (!m_stop) {
                qint64 sum = 0;
                std::vector<pid_t> todo{root};
                while (!todo.empty()) {
                    const pid_t pid = todo.back();
                    todo.pop_back();
                    if (pid == skip)
                        continue;
                    const qint64 kb = residentKb(pid);
                    sum += kb;
                    if (pid == root)
                        m_rootPeakKb = std::max<qint64>(m_rootPeakKb, kb);
                    for (pid_t child : childrenOf(pid))
                        todo.push_back(child);
                }
                m_peakKb = std::max<qint64>(m_peakKb, sum);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            timespec t{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
            m_ownCpu = t.tv_sec + t.tv_nsec / 1e9;
        })
    {
    }
    ~TreeMemory() { stop(); }
    void stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    double peakMb() const { return m_peakKb / 1024.0; }
    // The root process alone (the Recorder's own, without its encoder).
    double rootPeakMb() const { return m_rootPeakKb / 1024.0; }
    // CPU the sampling itself used in this process, to be left out of the Recorder's figure.
    double ownCpuSeconds() const { return m_ownCpu; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_peakKb{0};
    std::atomic<qint64> m_rootPeakKb{0};
    double m_ownCpu = 0;
    std::thread m_thread;
};

// Decoded frames, and how many of them differ from the frame before (the first counts).
struct Distinct {
    qint64 decoded = 0;
    qint64 distinct = 0;
};

Distinct distinctFrames(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), file,
                                        QStringLiteral("-map"), QStringLiteral("0:v:0"), QStringLiteral("-fps_mode"),
                                        QStringLiteral("passthrough"), QStringLiteral("-f"), QStringLiteral("framemd5"),
                                        QStringLiteral("-")});
    p.waitForFinished(300000);
    Distinct d;
    QByteArray previous;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QByteArray md5 = line.mid(line.lastIndexOf(',') + 1).trimmed();
        ++d.decoded;
        if (md5 != previous)
            ++d.distinct;
        previous = md5;
    }
    return d;
}

struct Recording {
    QString file;
    qint64 latencyMs = -1;
    qint64 dropped = 0;
    Cpu before, after;
    double recordedSeconds = 0;
    double peakMb = 0;
    double selfPeakMb = 0;
    double samplerCpu = 0;
};

// One recording through the Recorder: prepared, started after the preflight, kept for
// `seconds`, then stopped. `during` runs once, `atMs` after the start.
Recording recordWithRecorder(WId toolbar, bool systemAudio, int seconds, pid_t notOurs, int atMs = -1,
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
    TreeMemory memory(getpid(), notOurs);
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
    memory.stop();
    r.after = Cpu::now();
    r.peakMb = memory.peakMb();
    r.selfPeakMb = memory.rootPeakMb();
    r.samplerCpu = memory.ownCpuSeconds();
    r.file = stoppedPath;
    return r;
}


struct Side {
    double cpuPerSecond = 0;
    // The Recorder's process and its encoder apart (the Recorder's side only).
    double selfCpuPerSecond = -1;
    double encoderCpuPerSecond = -1;
    double peakMb = 0;
    double selfPeakMb = -1; // the Recorder's process alone
    qint64 written = 0;
    qint64 dropped = 0;
    Distinct frames;
    double fileSeconds = 0;
};

void printSide(const char* name, const Side& s)
{
    std::printf("  %-9s CPU s per recorded s %.3f | peak tree memory %.0f MB | frames written %lld "
                "(%.2f s of file), dropped %lld, distinct %lld of %lld decoded\n",
                name, s.cpuPerSecond, s.peakMb, static_cast<long long>(s.written), s.fileSeconds,
                static_cast<long long>(s.dropped), static_cast<long long>(s.frames.distinct),
                static_cast<long long>(s.frames.decoded));
    if (s.selfCpuPerSecond >= 0)
        std::printf("            of which the program %.3f and its encoder %.3f CPU s per recorded s; "
                    "the program's own peak memory %.0f MB\n",
                    s.selfCpuPerSecond, s.encoderCpuPerSecond, s.selfPeakMb);
}

struct Comparison {
    qint64 latencyMs = -1; // of the Recorder's start; -1 when it failed
    double cpuRatio = 0;
    double memoryRatio = 0;
};

// The Recorder, then x11grab with the same settings; prints both and the ratio.
Comparison compareWithX11grab(WId toolbar, pid_t picture, const QString& dir, const char* cores)
{
    const Recording ours = recordWithRecorder(toolbar, false, kSeconds, picture);
    if (ours.file.isEmpty()) {
        std::fprintf(stderr, "the recording failed\n");
        return {};
    }
    Side engine;
    const double cpu = (ours.after.self - ours.before.self - ours.samplerCpu) + (ours.after.children - ours.before.children);
    engine.cpuPerSecond = cpu / ours.recordedSeconds;
    engine.selfCpuPerSecond = (ours.after.self - ours.before.self - ours.samplerCpu) / ours.recordedSeconds;
    engine.encoderCpuPerSecond = (ours.after.children - ours.before.children) / ours.recordedSeconds;
    engine.peakMb = ours.peakMb;
    engine.selfPeakMb = ours.selfPeakMb;
    const FileFacts oursFile = facts(ours.file);
    engine.written = oursFile.frames;
    engine.fileSeconds = oursFile.duration;
    engine.dropped = ours.dropped;
    engine.frames = distinctFrames(ours.file);

    // The same screen captured by ffmpeg itself.
    const QString grabFile = QDir(dir).filePath(QStringLiteral("x11grab-%1.mp4").arg(QString::fromLatin1(cores)));
    const Cpu grabBefore = Cpu::now();
    QProcess grab;
    grab.setProcessChannelMode(QProcess::MergedChannels);
    grab.start(QStringLiteral("ffmpeg"),
            {QStringLiteral("-hide_banner"), QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("x11grab"),
             QStringLiteral("-framerate"), QStringLiteral("30"), QStringLiteral("-video_size"), QStringLiteral("1920x1080"),
             QStringLiteral("-i"), QString::fromLocal8Bit(qgetenv("DISPLAY")), QStringLiteral("-t"),
             QString::number(kSeconds), QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
             QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-b:v"),
             QStringLiteral("4000k"), QStringLiteral("-profile:v"), QStringLiteral("high"), QStringLiteral("-g"),
             QStringLiteral("60"), QStringLiteral("-fps_mode"), QStringLiteral("vfr"), QStringLiteral("-an"),
             QStringLiteral("-movflags"), QStringLiteral("+frag_keyframe+empty_moov+default_base_moof"), grabFile});
    if (!grab.waitForStarted()) {
        std::fprintf(stderr, "ffmpeg did not start\n");
        return {};
    }
    TreeMemory grabMemory(static_cast<pid_t>(grab.processId()), 0);
    grab.waitForFinished(120000);
    grabMemory.stop();
    const Cpu grabAfter = Cpu::now();
    const QString log = QString::fromLocal8Bit(grab.readAll());
    Side x11;
    x11.cpuPerSecond = (grabAfter.children - grabBefore.children) / kSeconds;
    x11.peakMb = grabMemory.peakMb();
    const FileFacts grabFacts = facts(grabFile);
    x11.written = grabFacts.frames;
    x11.fileSeconds = grabFacts.duration;
    // ffmpeg names its dropped frames on the last progress line only when there are any.
    QRegularExpressionMatch drop;
    for (auto it = QRegularExpression(QStringLiteral("drop=\\s*(\\d+)")).globalMatch(log); it.hasNext();)
        drop = it.next();
    x11.dropped = drop.hasMatch() ? drop.captured(1).toLongLong() : 0;
    x11.frames = distinctFrames(grabFile);

    std::printf("%s: 1920x1080 moving picture at 30 fps, libx264 veryfast, %d s (%d frames expected)\n", cores, kSeconds,
                kSeconds * 30);
    printSide("Recorder", engine);
    printSide("x11grab", x11);
    std::printf("  CPU ratio Recorder / x11grab %.3f, memory ratio %.3f\n", engine.cpuPerSecond / x11.cpuPerSecond,
                engine.peakMb / x11.peakMb);
    // A loaded machine makes x11grab drop frames, which it then need not encode.
    if (engine.written > 0 && x11.written > 0)
        std::printf("  CPU ratio per frame written %.3f\n",
                    (engine.cpuPerSecond / engine.written) / (x11.cpuPerSecond / x11.written));
    std::fflush(stdout);
    return {ours.latencyMs, engine.cpuPerSecond / x11.cpuPerSecond, engine.peakMb / x11.peakMb};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const bool pinnedOnly = arguments.contains(QStringLiteral("--pinned"));
    const qsizetype roundsAt = arguments.indexOf(QStringLiteral("--rounds"));
    const int rounds = roundsAt > 0 && roundsAt + 1 < arguments.size()
                           ? std::max(1, arguments.at(roundsAt + 1).toInt())
                           : 1;
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
    const auto picturePid = static_cast<pid_t>(picture.processId());
    QWidget toolbar;
    toolbar.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    toolbar.setGeometry(1780, 10, 120, 40);
    toolbar.show();
    pause(1000);

    const QString cores = pinnedOnly ? QStringLiteral("pinned to cores %1 (taskset)")
                                     : QStringLiteral("all %1 cores");
    cpu_set_t affinity;
    CPU_ZERO(&affinity);
    sched_getaffinity(0, sizeof affinity, &affinity);
    QString coreList;
    for (int c = 0; c < CPU_SETSIZE; ++c)
        if (CPU_ISSET(c, &affinity))
            coreList += (coreList.isEmpty() ? QString() : QStringLiteral(",")) + QString::number(c);
    const QString label = pinnedOnly ? cores.arg(coreList) : cores.arg(CPU_COUNT(&affinity));
    // On a shared machine a single comparison moves by a tenth from run to run; the
    // rounds alternate the two sides and the median of their ratios is the figure.
    std::vector<double> cpuRatios;
    std::vector<double> memoryRatios;
    qint64 latency = -1;
    for (int round = 0; round < rounds; ++round) {
        const Comparison c = compareWithX11grab(toolbar.winId(), picturePid, dir.path(), qPrintable(label));
        if (c.latencyMs < 0)
            return 1;
        latency = round == 0 ? c.latencyMs : latency;
        cpuRatios.push_back(c.cpuRatio);
        memoryRatios.push_back(c.memoryRatio);
    }
    if (rounds > 1) {
        std::printf("%s, %d rounds: CPU ratio median %.3f (%.3f to %.3f), memory ratio median %.3f (%.3f to %.3f)\n",
                    qPrintable(label), rounds, median(cpuRatios), *std::min_element(cpuRatios.begin(), cpuRatios.end()),
                    *std::max_element(cpuRatios.begin(), cpuRatios.end()), median(memoryRatios),
                    *std::min_element(memoryRatios.begin(), memoryRatios.end()),
                    *std::max_element(memoryRatios.begin(), memoryRatios.end()));
        std::fflush(stdout);
    }
    if (pinnedOnly) {
        picture.kill();
        picture.waitForFinished();
        return 0;
    }

    // A flash and a beep at the same moment, with system audio.
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
    const Recording sync = recordWithRecorder(toolbar.winId(), true, 5, picturePid, 2500, [&] {
        picture.write("flash\n");
        beep.write(tone);
    });
    beep.closeWriteChannel();
    beep.waitForFinished(3000);
    const double flashAt = sync.file.isEmpty() ? -1 : firstBrightFrame(sync.file);
    const double beepAt = sync.file.isEmpty() ? -1 : firstSound(sync.file);

    picture.kill();
    picture.waitForFinished();
    toolbar.hide();

    std::printf("start latency, start() to started with the preflight done: %lld ms (sync run: %lld ms)\n",
                static_cast<long long>(latency), static_cast<long long>(sync.latencyMs));
    std::printf("flash at %.3f s, beep at %.3f s in the file: audio - picture = %+.0f ms\n", flashAt, beepAt,
                (beepAt - flashAt) * 1000.0);
    std::fflush(stdout);

    // Once more with everything pinned to two cores alike.
    QProcess pinned;
    pinned.setProcessChannelMode(QProcess::ForwardedChannels);
    pinned.start(QStringLiteral("taskset"),
                 {QStringLiteral("-c"), QStringLiteral("0,1"), QCoreApplication::applicationFilePath(),
                  QStringLiteral("--pinned"), QStringLiteral("--rounds"), QString::number(rounds)});
    if (!pinned.waitForStarted() || !pinned.waitForFinished(rounds * 300000) || pinned.exitCode() != 0) {
        std::fprintf(stderr, "the run pinned to two cores failed\n");
        return 1;
    }
    return 0;
}
