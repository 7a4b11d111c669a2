// Runs the segment command lines the Recorder builds with the real ffmpeg of this
// machine: piped frames, the PulseAudio microphone, a system-audio pipe, the
// encoder's own screen grab, every audio-only format, MP4 and Matroska. Each
// run must end with exit code 0 and leave the expected streams.
#include "platform/mac/CaptureWorkerThread.h"
#include "platform/mac/MacSystemAudioCapture.h"
#include "platform/mac/RecordingClock.h"
#include "recording/EncoderOutputMonitor.h"
#include "recording/EncoderProbe.h"
#include "recording/FramePipe.h"
#include "recording/NutStream.h"
#include "platform/mac/RecordingClock.h"
#include "recording/Recorder.h"

#include <QtTest>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <atomic>
#include <functional>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Gives the test the command-line inputs the Recorder would use.
class SegmentRecorder : public Recorder
{
public:
    using Recorder::currentSegmentPath;
    using Recorder::outputSize;
    using Recorder::pipeFrameSize;
    using Recorder::selectedEncoder;

    EncoderCommandLine::Inputs inputs() const { return commandLineInputs(); }
};

struct Stream
{
    QString type;
    QString codec;
    int width = 0;
    int height = 0;
};

struct Probe
{
    QList<Stream> streams;
    double duration = 0;

    const Stream *first(const QString &type) const
    {
        for (const Stream &s : streams) {
            if (s.type == type)
                return &s;
        }
        return nullptr;
    }
};

Probe probeFile(const QString &path)
{
    Probe result;
    QProcess p;
    p.start(QStringLiteral("ffprobe"),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
             QStringLiteral("stream=codec_type,codec_name,width,height:format=duration"), QStringLiteral("-of"),
             QStringLiteral("json"), path});
    if (!p.waitForFinished(15000))
        return result;
    const QJsonObject root = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    for (const QJsonValue &v : root.value(QStringLiteral("streams")).toArray()) {
        const QJsonObject o = v.toObject();
        result.streams << Stream{o.value(QStringLiteral("codec_type")).toString(),
                                 o.value(QStringLiteral("codec_name")).toString(),
                                 o.value(QStringLiteral("width")).toInt(), o.value(QStringLiteral("height")).toInt()};
    }
    result.duration = root.value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
    return result;
}

// The value of sample `n` (of 48000 a second) of a pipe's sound: by default a 440 Hz tone.
using SoundOf = std::function<float(qint64 n)>;

// Writes 32-bit float stereo at 48000 Hz into a named pipe at the pace of a live
// capture, then closes it; `primed`, after the capture's primer of silence.
class PipeFeeder
{
public:
    PipeFeeder(const QString &path, int durationMs, const SoundOf &sound = {}, bool primed = false)
        : m_path(path.toLocal8Bit())
        , m_durationMs(durationMs)
        , m_sound(sound ? sound : [](qint64 n) { return 0.3f * float(std::sin(2.0 * M_PI * 440.0 * double(n) / 48000.0)); })
        , m_primed(primed)
    {
        m_thread = std::thread([this] { run(); });
    }
    ~PipeFeeder()
    {
        m_cancel = true;
        m_thread.join();
    }
    bool opened() const { return m_opened; }

private:
    void run()
    {
        int fd = -1;
        // No reader yet gives ENXIO: wait for the encoder to open its end.
        for (int i = 0; i < 1000 && !m_cancel && fd < 0; ++i) {
            fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd < 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (fd < 0)
            return;
        m_opened = true;
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        if (m_primed) {
            const std::vector<float> silence(MacSystemAudioCapture::PrimerFrames * 2, 0.0f);
            if (::write(fd, silence.data(), silence.size() * sizeof(float)) < 0)
                m_cancel = true;
        }
        const int frames = 480; // 10 ms
        std::vector<float> chunk(frames * 2);
        qint64 written = 0;
        for (int block = 0; block < m_durationMs / 10 && !m_cancel; ++block) {
            for (int i = 0; i < frames; ++i)
                chunk[2 * i] = chunk[2 * i + 1] = m_sound(written + i);
            written += frames;
            if (::write(fd, chunk.data(), chunk.size() * sizeof(float)) < 0)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::close(fd);
    }

    QByteArray m_path;
    int m_durationMs;
    SoundOf m_sound;
    bool m_primed;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_opened{false};
    std::thread m_thread;
};

// Frame `n` of 30 a second as the piped input of `args` takes it, in the encoder's planar
// format, the first one after the stream's header.
QByteArray onThePipe(const QImage &frame, int n, const QStringList &args)
{
    const QString encoder = args.value(args.indexOf(QStringLiteral("-c:v")) + 1);
    const FramePipe::Layout layout = EncoderCommandLine::planarPixelFormat(encoder) == QLatin1String("nv12")
        ? FramePipe::Layout::Nv12
        : FramePipe::Layout::I420;
    const qint64 size = FrameConversion::frameBytes(frame.size(), layout);
    QByteArray bytes = n == 0 ? NutStream::header(frame.size(), FrameConversion::fourcc(layout)) : QByteArray();
    bytes += NutStream::frameHeader(n * 1000000LL / 30, size);
    const qsizetype at = bytes.size();
    bytes.resize(at + size);
    FrameConversion::convertInto(frame, layout, reinterpret_cast<uchar *>(bytes.data() + at));
    return bytes;
}

// "time,value" of every frame of a lavfi graph run by ffprobe: its time and its tag `tag`.
QStringList lavfiFrames(const QString &graph, const QString &tag)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"), QStringLiteral("lavfi"),
                   QStringLiteral("-i"), graph, QStringLiteral("-show_entries"),
                   QStringLiteral("frame=pts_time:frame_tags=") + tag, QStringLiteral("-of"), QStringLiteral("csv=p=0")});
    if (!ffprobe.waitForFinished(60000))
        return {};
    return QString::fromLocal8Bit(ffprobe.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Decodes raw frames of `format` to packed RGB with ffmpeg.
QByteArray toRgb(const QByteArray &raw, const QString &format, const QSize &size)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
                                            QStringLiteral("rawvideo"), QStringLiteral("-pixel_format"), format,
                                            QStringLiteral("-video_size"),
                                            QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
                                            QStringLiteral("-i"), QStringLiteral("-"), QStringLiteral("-f"),
                                            QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), QStringLiteral("rgb24"),
                                            QStringLiteral("-")});
    ffmpeg.waitForStarted();
    ffmpeg.write(raw);
    ffmpeg.closeWriteChannel();
    ffmpeg.waitForFinished(30000);
    return ffmpeg.readAllStandardOutput();
}

// The encoder's own conversion of 32-bit frames into `format`, as the encoder got them before.
QByteArray convertedByTheEncoder(const QImage &frame, const QString &format)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
                                            QStringLiteral("rawvideo"), QStringLiteral("-pixel_format"),
                                            QStringLiteral("bgra"), QStringLiteral("-video_size"),
                                            QStringLiteral("%1x%2").arg(frame.width()).arg(frame.height()),
                                            QStringLiteral("-i"), QStringLiteral("-"), QStringLiteral("-f"),
                                            QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), format,
                                            QStringLiteral("-")});
    ffmpeg.waitForStarted();
    ffmpeg.write(reinterpret_cast<const char *>(frame.constBits()), frame.sizeInBytes());
    ffmpeg.closeWriteChannel();
    ffmpeg.waitForFinished(30000);
    return ffmpeg.readAllStandardOutput();
}

QImage testFrame(const QSize &size, int n)
{
    QImage frame(size, QImage::Format_ARGB32);
    frame.fill(QColor::fromHsv((n * 7) % 360, 200, 220));
    QPainter p(&frame);
    p.fillRect(QRect(QPoint((n * 5) % size.width(), 10), QSize(20, 20)), Qt::black);
    return frame;
}

} // namespace

class TestEncoderRun : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    const int runMs = 1500;

    // How a run is fed and ended.
    struct Feed
    {
        QSize frameSize;        // piped frames, ended by closing the input
        QString audioPipe;      // a system-audio pipe the test fills
        bool stopWithQ = false; // the encoder captures by itself: ends on "q"
        std::function<QImage(int n)> picture = {}; // frame n; by default testFrame()
        SoundOf sound = {};
        bool primedPipe = false; // the pipe opens with the capture's primer
    };

    void runEncoder(const QStringList &args, const Feed &feed)
    {
        std::unique_ptr<PipeFeeder> feeder;
        if (!feed.audioPipe.isEmpty()) {
            QVERIFY(::mkfifo(feed.audioPipe.toLocal8Bit().constData(), 0600) == 0);
            feeder = std::make_unique<PipeFeeder>(feed.audioPipe, runMs, feed.sound, feed.primedPipe);
        }
        QProcess encoder;
        encoder.setProcessChannelMode(QProcess::MergedChannels);
        encoder.start(Recorder::ffmpegExecutable(), args, QIODevice::ReadWrite);
        QVERIFY2(encoder.waitForStarted(5000), qPrintable(encoder.errorString()));

        QElapsedTimer clock;
        clock.start();
        if (feed.frameSize.isValid()) {
            const int frames = runMs * 30 / 1000;
            for (int n = 0; n < frames && encoder.state() == QProcess::Running; ++n) {
                const QImage frame = feed.picture ? feed.picture(n) : testFrame(feed.frameSize, n);
                encoder.write(onThePipe(frame, n, args));
                encoder.waitForBytesWritten(2000);
                const qint64 due = (n + 1) * 1000 / 30;
                if (clock.elapsed() < due)
                    QTest::qWait(int(due - clock.elapsed()));
            }
            encoder.closeWriteChannel();
        } else {
            QTest::qWait(runMs);
            if (feed.stopWithQ)
                encoder.write("q\n");
        }
        const bool finished = encoder.waitForFinished(20000);
        if (!finished)
            encoder.kill();
        const QString output = QString::fromLocal8Bit(encoder.readAll());
        QVERIFY2(finished, qPrintable(QStringLiteral("ffmpeg did not end:\n") + output.right(2000)));
        QVERIFY2(encoder.exitStatus() == QProcess::NormalExit && encoder.exitCode() == 0,
                 qPrintable(args.join(QLatin1Char(' ')) + QStringLiteral("\n") + output.right(2000)));
        if (feeder)
            QVERIFY(feeder->opened());
    }

    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY2(qEnvironmentVariableIsSet("VISTRELLE_TEST_ENV"), "run through scripts/test-env.sh");
        QCOMPARE(DeviceInputArguments::form(), DeviceInputArguments::Form::Linux);
    }

    void pipedFramesWithMicrophoneAndSystemAudio_data()
    {
        QTest::addColumn<QString>("container");
        QTest::newRow("mp4 segment") << QStringLiteral("mp4");
        QTest::newRow("mkv segment") << QStringLiteral("mkv");
    }

    void pipedFramesWithMicrophoneAndSystemAudio()
    {
        QFETCH(QString, container);
        SegmentRecorder r;
        r.setCaptureBackend(Recorder::FramesBackend);
        r.setVideoContainer(container);
        r.setMicEnabled(true);
        r.setAudioProcessing(80, 120, true, false, 200);
        r.pipeFrameSize = QSize(320, 240);
        r.currentSegmentPath = path(QStringLiteral("piped_av.") + container);
        EncoderCommandLine::Inputs in = r.inputs();
        QCOMPARE(in.encoder, QStringLiteral("libx264"));
        // The system-audio pipe of the segment, as the capture would provide it.
        in.hasSystemAudioCapture = true;
        in.systemAudioPipePath = path(QStringLiteral("system_audio_%1.fifo").arg(container));
        const QStringList args = EncoderCommandLine::build(in);
        QVERIFY(args.contains(QStringLiteral("-shortest")));
        QCOMPARE(args.contains(QStringLiteral("-shortest_buf_duration")),
                 EncoderProbe::shared().supportsShortestBufDuration());

        runEncoder(args, Feed{QSize(320, 240), in.systemAudioPipePath, false});
        const Probe probe = probeFile(r.currentSegmentPath);
        QVERIFY(probe.first(QStringLiteral("video")));
        QCOMPARE(probe.first(QStringLiteral("video"))->codec, QStringLiteral("h264"));
        QCOMPARE(probe.first(QStringLiteral("video"))->width, 320);
        QVERIFY(probe.first(QStringLiteral("audio")));
        QCOMPARE(probe.first(QStringLiteral("audio"))->codec, QStringLiteral("aac"));
    }

    // The sound of a primed pipe starts with the first picture in the file: a frame shown
    // half a second in and a click half a second into the sound (after the primer) play
    // together, to the millisecond.
    void primedSoundStartsWithTheFirstPicture()
    {
        SegmentRecorder r;
        r.setCaptureBackend(Recorder::FramesBackend);
        r.pipeFrameSize = QSize(320, 240);
        r.currentSegmentPath = path(QStringLiteral("primed.mp4"));
        EncoderCommandLine::Inputs in = r.inputs();
        in.hasSystemAudioCapture = true;
        in.systemAudioPipePath = path(QStringLiteral("system_audio_primed.fifo"));
        Feed feed{QSize(320, 240), in.systemAudioPipePath, false};
        feed.picture = [](int n) {
            QImage frame(QSize(320, 240), QImage::Format_ARGB32);
            frame.fill(n == 15 ? Qt::white : Qt::black);
            return frame;
        };
        feed.sound = [](qint64 n) { return n >= 24000 && n < 24480 ? 0.5f : 0.0f; };
        feed.primedPipe = true;
        runEncoder(EncoderCommandLine::build(in), feed);

        const QStringList flash = lavfiFrames(QStringLiteral("movie=%1,signalstats").arg(r.currentSegmentPath),
                                              QStringLiteral("lavfi.signalstats.YAVG"));
        double flashAt = -1;
        for (const QString &line : flash)
            if (flashAt < 0 && line.section(QLatin1Char(','), 1).toDouble() > 128)
                flashAt = line.section(QLatin1Char(','), 0, 0).toDouble();
        const QStringList sound =
            lavfiFrames(QStringLiteral("amovie=%1,asetnsamples=n=48,astats=metadata=1:reset=1").arg(r.currentSegmentPath),
                        QStringLiteral("lavfi.astats.Overall.Peak_level"));
        double clickAt = -1;
        for (const QString &line : sound)
            if (clickAt < 0 && line.section(QLatin1Char(','), 1).toDouble() > -20)
                clickAt = line.section(QLatin1Char(','), 0, 0).toDouble();
        QVERIFY2(flashAt > 0 && clickAt > 0, qPrintable(QStringLiteral("flash %1 s, click %2 s").arg(flashAt).arg(clickAt)));
        QVERIFY2(std::abs(clickAt - flashAt) <= 0.002,
                 qPrintable(QStringLiteral("the click at %1 s, the flash at %2 s").arg(clickAt).arg(flashAt)));
    }

    void pipedFramesScaledWithoutAudio()
    {
        SegmentRecorder r;
        r.setCaptureBackend(Recorder::FramesBackend);
        r.setFrameRateMode(QStringLiteral("vfr"));
        r.pipeFrameSize = QSize(640, 360);
        r.outputSize = QSize(320, 180);
        r.setOutputPath(path(QStringLiteral("scaled.mp4")));
        const QStringList args = r.buildArgs();
        QVERIFY(args.contains(QStringLiteral("+faststart")));
        runEncoder(args, Feed{QSize(640, 360), QString(), false});
        const Probe probe = probeFile(path(QStringLiteral("scaled.mp4")));
        QCOMPARE(probe.streams.size(), 1);
        QCOMPARE(probe.streams.first().width, 320);
        QCOMPARE(probe.streams.first().height, 180);
        QVERIFY(probe.duration > 0.5);
    }

    // A frame capture of the whole screen at a reduced size, cut by the encoder.
    void screenFramesCroppedByTheEncoder()
    {
        SegmentRecorder r;
        r.setCaptureRect(QRect(480, 270, 960, 540));
        r.pipeFrameSize = QSize(640, 360);
        r.currentSegmentPath = path(QStringLiteral("cropped.mp4"));
        EncoderCommandLine::Inputs in = r.inputs();
        in.hasScreenCapture = true;
        const QStringList args = EncoderCommandLine::build(in);
        QVERIFY(args.contains(QStringLiteral("[0:v]crop=320:180:160:90[vcrop]")));
        runEncoder(args, Feed{QSize(640, 360), QString(), false});
        const Probe probe = probeFile(r.currentSegmentPath);
        QVERIFY(probe.first(QStringLiteral("video")));
        QCOMPARE(probe.first(QStringLiteral("video"))->width, 320);
        QCOMPARE(probe.first(QStringLiteral("video"))->height, 180);
    }

    // Frames that reach the encoder in a burst, as from a busy program, keep the times they
    // were taken at: none is dropped or moved to another slot, and a gap stays a gap.
    void framesKeepTheTimesTheyWereTakenAt()
    {
        SegmentRecorder r;
        r.setCaptureBackend(Recorder::FramesBackend);
        r.pipeFrameSize = QSize(320, 240);
        r.currentSegmentPath = path(QStringLiteral("stamped.mp4"));
        FramePipe pipe;
        QString error;
        QVERIFY2(pipe.open(&error, FramePipe::Layout::I420), qPrintable(error));
        const int readEnd = pipe.readEnd();
        QProcess encoder;
        encoder.setChildProcessModifier([readEnd] { ::dup2(readEnd, STDIN_FILENO); });
        encoder.setProcessChannelMode(QProcess::MergedChannels);
        encoder.start(Recorder::ffmpegExecutable(), r.buildArgs());
        QVERIFY(encoder.waitForStarted(5000));
        pipe.closeReadEnd();
        const qint64 start = RecordingClock::wallUs();
        QVERIFY(pipe.write(testFrame(r.pipeFrameSize, 0), start));
        QTRY_VERIFY_WITH_TIMEOUT(pipe.readerStarted(), 10000);
        QTest::qWait(1000);
        QList<int> expected{0};
        for (int n = 1; n < 30; ++n) {
            if (n == 10 || n == 11)
                continue;
            QVERIFY(pipe.write(testFrame(r.pipeFrameSize, n), start + n * 1000000LL / 30));
            expected << n;
        }
        pipe.finish();
        QVERIFY(encoder.waitForFinished(20000));
        QList<int> placed;
        QProcess probe;
        probe.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"),
                                                QStringLiteral("-show_entries"), QStringLiteral("packet=pts_time"),
                                                QStringLiteral("-of"), QStringLiteral("csv=p=0"), r.currentSegmentPath});
        QVERIFY(probe.waitForFinished(20000));
        for (const QByteArray &line : probe.readAllStandardOutput().split('\n')) {
            if (!line.trimmed().isEmpty())
                placed << int(std::lround(line.trimmed().toDouble() * 30));
        }
        std::sort(placed.begin(), placed.end());
        const int first = placed.value(0); // the file may start later by the encoder's delay
        for (int &slot : placed)
            slot -= first;
        QCOMPARE(placed, expected);
    }

    void encoderGrabsTheScreenWithMicrophone_data()
    {
        QTest::addColumn<int>("backend");
        QTest::addColumn<QString>("container");
        QTest::newRow("backend 0, mp4") << 0 << QStringLiteral("mp4");
        QTest::newRow("backend 3, mkv") << 3 << QStringLiteral("mkv");
    }

    void encoderGrabsTheScreenWithMicrophone()
    {
        QFETCH(int, backend);
        QFETCH(QString, container);
        SegmentRecorder r;
        r.setCaptureBackend(Recorder::CaptureBackend(backend));
        r.setVideoContainer(container);
        r.setFps(15);
        r.setMicEnabled(true);
        r.setCaptureRect(QRect(100, 100, 640, 480));
        r.currentSegmentPath = path(QStringLiteral("grab_%1.%2").arg(backend).arg(container));
        const QStringList args = r.buildArgs();
        QVERIFY(args.contains(QStringLiteral("x11grab")));
        QVERIFY(args.contains(QStringLiteral("pulse")));
        const QString graph = args.value(args.indexOf(QStringLiteral("-filter_complex")) + 1);
        QVERIFY2(graph.startsWith(QLatin1String("[0:v]crop=640:480:100:100[vcrop];[1:a]")), qPrintable(graph));
        runEncoder(args, Feed{QSize(), QString(), true});
        const Probe probe = probeFile(r.currentSegmentPath);
        QVERIFY(probe.first(QStringLiteral("video")));
        QCOMPARE(probe.first(QStringLiteral("video"))->width, 640);
        QCOMPARE(probe.first(QStringLiteral("video"))->height, 480);
        QVERIFY(probe.first(QStringLiteral("audio")));
    }

    // The encoder's own screen grab reports when it took its first picture (the segment's time
    // 0, where a late key cuts it): a patch shown at a measured instant is in the file at that
    // instant's distance from it, however late the report is read.
    void screenGrabStartPlacesThePictures()
    {
        SegmentRecorder r;
        r.setCaptureBackend(Recorder::CaptureBackend(0));
        r.setVideoContainer(QStringLiteral("mp4"));
        r.setFps(30);
        r.setCaptureRect(QRect(0, 0, 640, 480));
        r.currentSegmentPath = path(QStringLiteral("grab_start.mp4"));
        const QStringList args = r.buildArgs();
        QVERIFY(args.contains(QStringLiteral("x11grab")));
        QProcess encoder;
        encoder.setProcessChannelMode(QProcess::MergedChannels);
        encoder.start(Recorder::ffmpegExecutable(), args, QIODevice::ReadWrite);
        QVERIFY2(encoder.waitForStarted(5000), qPrintable(encoder.errorString()));
        // The report reaches the monitor a second after the encoder printed it, as it reaches a
        // GUI thread held up by a busy machine: what it says, not when it is read, places the file.
        QByteArray report;
        QVERIFY(QTest::qWaitFor([&] {
            report += encoder.readAll();
            return EncoderOutputMonitor::screenGrabStartUs(QString::fromLocal8Bit(report)) >= 0;
        }, 10000));
        QTest::qWait(1000);
        EncoderOutputMonitor monitor;
        monitor.feed(QString::fromLocal8Bit(report + encoder.readAll()), {});
        QVERIFY(monitor.screenGrabStartUs() >= 0);

        QWidget patch(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        patch.setGeometry(100, 100, 200, 200);
        patch.setStyleSheet(QStringLiteral("background: #ff0000"));
        // The patch is on the screen between the last grab of ours without it and the first with it.
        qint64 missedNs = RecordingClock::steadyNs();
        qint64 shownNs = -1;
        patch.show();
        QElapsedTimer waited;
        waited.start();
        while (shownNs < 0 && waited.elapsed() < 5000) {
            QCoreApplication::processEvents();
            const qint64 before = RecordingClock::steadyNs();
            const QImage grab = QGuiApplication::primaryScreen()->grabWindow(0, 200, 200, 1, 1).toImage();
            if (grab.pixel(0, 0) == 0xFFFF0000u)
                shownNs = RecordingClock::steadyNs();
            else
                missedNs = before;
        }
        QVERIFY(shownNs > 0);
        QTest::qWait(700);
        encoder.write("q\n");
        QVERIFY(encoder.waitForFinished(20000));

        QProcess decode;
        decode.setProcessChannelMode(QProcess::MergedChannels);
        decode.start(Recorder::ffmpegExecutable(),
                     {QStringLiteral("-hide_banner"), QStringLiteral("-i"), r.currentSegmentPath, QStringLiteral("-vf"),
                      QStringLiteral("crop=2:2:200:200,showinfo"), QStringLiteral("-f"), QStringLiteral("null"),
                      QStringLiteral("-")});
        QVERIFY(decode.waitForFinished(30000));
        // Red is far from grey on the V plane.
        static const QRegularExpression frame(QStringLiteral(R"(pts_time:(\S+) .* mean:\[\d+ \d+ (\d+)\])"));
        double redAt = -1;
        for (auto it = frame.globalMatch(QString::fromLocal8Bit(decode.readAll())); it.hasNext() && redAt < 0;) {
            const QRegularExpressionMatch m = it.next();
            if (m.captured(2).toInt() > 200)
                redAt = m.captured(1).toDouble();
        }
        QVERIFY(redAt > 0);
        const qint64 placedNs = RecordingClock::steadyNsOfWall(monitor.screenGrabStartUs()) + qint64(redAt * 1e9);
        const double earlyMs = double(missedNs - placedNs) / 1e6;
        const double lateMs = double(placedNs - shownNs) / 1e6;
        qInfo().noquote() << QStringLiteral("the patch is in the file %1 ms after it was surely shown, %2 ms after "
                                            "the last grab without it")
                                 .arg(lateMs, 0, 'f', 1).arg(-earlyMs, 0, 'f', 1);
        // The grab that shows it first comes up to a frame's time later, and the file puts it on
        // its frame grid; a busy machine holds the encoder's grab thread up to some 0.1 s more
        // (96 ms measured beside four busy loops), and the grab is stamped when it is taken. The
        // encoder's launch lies 0.1 s and more before its first picture, the report's reading a
        // second after it.
        QVERIFY2(earlyMs <= 20 && lateMs <= 2000.0 / 30 + 130, qPrintable(QString::number(lateMs)));
    }

    void audioOnly_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("mic");
        QTest::addColumn<bool>("system");
        QTest::addColumn<QString>("codec");
        QTest::newRow("mp3 from the microphone") << "mp3" << true << false << "mp3";
        QTest::newRow("m4a from system audio") << "m4a" << false << true << "aac";
        QTest::newRow("wav from both, mono") << "wav" << true << true << "pcm_s16le";
        QTest::newRow("flac from system audio") << "flac" << false << true << "flac";
    }

    // The planar frames the encoder gets now, converted in our process, decode to the same
    // colours as 32-bit frames that the encoder converted itself.
    void planarFramesKeepTheColours_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("layout");
        QTest::newRow("I420") << QStringLiteral("yuv420p") << int(FramePipe::Layout::I420);
        QTest::newRow("NV12") << QStringLiteral("nv12") << int(FramePipe::Layout::Nv12);
    }

    void planarFramesKeepTheColours()
    {
        QFETCH(QString, format);
        QFETCH(int, layout);
        // A chart of 48 patches: primaries, secondaries, greys from black to white, skin
        // tones, and saturated and pale mixes.
        const QSize size(640, 480);
        QImage chart(size, QImage::Format_ARGB32);
        QPainter painter(&chart);
        for (int i = 0; i < 48; ++i) {
            const int hue = (i * 47) % 360;
            QColor colour = i < 8 ? QColor::fromRgb((i & 1) * 255, (i >> 1 & 1) * 255, (i >> 2 & 1) * 255)
                : i < 16          ? QColor::fromRgb((i - 8) * 36, (i - 8) * 36, (i - 8) * 36)
                : i < 24          ? QColor::fromHsv(20 + (i - 16) * 3, 60 + (i - 16) * 15, 120 + (i - 16) * 15)
                                  : QColor::fromHsv(hue, i % 2 ? 255 : 90, i % 3 ? 230 : 140);
            painter.fillRect(QRect((i % 8) * 80, (i / 8) * 80, 80, 80), colour);
        }
        painter.end();

        // Through the real frame pipe, as the encoder reads it.
        FramePipe pipe;
        QString error;
        QVERIFY2(pipe.open(&error, FramePipe::Layout(layout)), qPrintable(error));
        const int readEnd = pipe.readEnd();
        QByteArray planes;
        std::thread reader([&planes, readEnd] {
            char buffer[65536];
            for (ssize_t n; (n = ::read(readEnd, buffer, sizeof buffer)) > 0;)
                planes.append(buffer, n);
        });
        QVERIFY(pipe.write(chart));
        pipe.finish();
        reader.join();
        // The frame ends the stream, after the stream's and its own header.
        const qint64 frameBytes = FrameConversion::frameBytes(size, FramePipe::Layout(layout));
        QVERIFY(planes.size() > frameBytes);
        planes = planes.right(frameBytes);

        const QByteArray ours = toRgb(planes, format, size);
        const QByteArray before = toRgb(convertedByTheEncoder(chart, format), format, size);
        QCOMPARE(ours.size(), qsizetype(size.width() * size.height() * 3));
        QCOMPARE(before.size(), ours.size());
        // Inside each patch (chroma is shared by two by two pixels, so edges are left out).
        int worst = 0;
        for (int i = 0; i < 48; ++i) {
            for (int y = (i / 8) * 80 + 8; y < (i / 8) * 80 + 72; ++y) {
                for (int x = (i % 8) * 80 + 8; x < (i % 8) * 80 + 72; ++x) {
                    for (int c = 0; c < 3; ++c) {
                        const qsizetype at = (qsizetype(y) * size.width() + x) * 3 + c;
                        worst = std::max(worst, std::abs(int(uchar(ours[at])) - int(uchar(before[at]))));
                    }
                }
            }
        }
        qInfo("largest difference: %d levels", worst);
        QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
    }

    void audioOnly()
    {
        QFETCH(QString, format);
        QFETCH(bool, mic);
        QFETCH(bool, system);
        QFETCH(QString, codec);
        SegmentRecorder r;
        r.setAudioOnly(true);
        r.setAudioFormat(format);
        r.setMicEnabled(mic);
        r.setAudioProcessing(100, 100, false, mic && system, 0);
        r.currentSegmentPath = path(QStringLiteral("audio.") + format);
        EncoderCommandLine::Inputs in = r.inputs();
        if (system) {
            in.hasSystemAudioCapture = true;
            in.systemAudioPipePath = path(QStringLiteral("audio_%1.fifo").arg(format));
        }
        const QStringList args = EncoderCommandLine::build(in);
        // With the microphone the encoder records until told to stop; a pipe
        // alone ends with the pipe.
        runEncoder(args, Feed{QSize(), in.systemAudioPipePath, mic});
        const Probe probe = probeFile(r.currentSegmentPath);
        QCOMPARE(probe.streams.size(), 1);
        QCOMPARE(probe.streams.first().codec, codec);
        QVERIFY2(probe.duration > 0.5, qPrintable(QString::number(probe.duration)));
    }
};

QTEST_MAIN(TestEncoderRun)
#include "tst_encoder_run.moc"
