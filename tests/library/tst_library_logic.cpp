// Rules of the media library that need no window: names, registry, metadata parsing,
// formatting, seeking.

#include "../support/FakeTool.h"
#include "../support/LibraryTestMedia.h"

#include "library/FfmpegJob.h"
#include "library/LatestFrameSlot.h"
#include "library/LibraryToolArguments.h"
#include "library/MediaLibraryFiles.h"
#include "library/MediaPreview.h"
#include "library/MetadataQueue.h"
#include "library/PlayerFoundLengths.h"
#include "widgets/MessageBoxes.h"
#include "library/RecordCard.h"
#include "library/ThumbnailCache.h"
#include "library/TimelineRangeWidget.h"
#include "library/VideoFrameImage.h"
#include "library/VideoEditor.h"
#include "library/VideoListDialog.h"
#include "library/VideoPlayer.h"
#include "recording/EncoderProbe.h"
#include "recording/MediaProbe.h"

#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QSemaphore>
#include <QThreadPool>
#include <QThread>
#include <QVideoFrame>
#include <QSettings>
#include <QTranslator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

using namespace LibraryMedia;

namespace {
QByteArray md5Of(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

// A field of /proc/self/status in kB ("VmHWM", "VmRSS", "VmSize").
qint64 statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(QByteArray(field) + ':'))
            return line.mid(qstrlen(field) + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// A converter for a frame slot that notes the serial of each frame it takes and holds each
// conversion until the gate lets it end. Its picture's time is the frame's start time.
struct HeldConverter
{
    QSemaphore gate;
    std::mutex mutex;
    QList<quint64> taken;
    LatestFrameSlot slot{[this] {
        while (const std::optional<LatestFrameSlot::Frame> frame = slot.take()) {
            {
                std::lock_guard lock(mutex);
                taken << frame->serial;
            }
            gate.acquire();
            slot.finish(frame->serial, QImage(2, 2, QImage::Format_RGB32), double(frame->frame.startTime()), true);
        }
    }};

    ~HeldConverter()
    {
        gate.release(1000);
        slot.stop();
    }
    QList<quint64> takenSerials()
    {
        std::lock_guard lock(mutex);
        return taken;
    }
    void postAndRequest(int startTime)
    {
        QVideoFrame frame(QVideoFrameFormat(QSize(4, 4), QVideoFrameFormat::Format_BGRA8888));
        frame.setStartTime(startTime);
        slot.post(frame);
        slot.request();
    }
    // Stops the slot on a thread of its own (a deadlock fails the test instead of hanging it).
    std::unique_ptr<QThread> stopping()
    {
        std::unique_ptr<QThread> stopper(QThread::create([this] { slot.stop(); }));
        stopper->start();
        return stopper;
    }
};

// A tool that writes progress lines for ever: on standard output when FLOOD_STDOUT is set,
// else on standard error.
const char *kFloodingTool = R"(line='frame=  100 fps= 30 q=28.0 size=    1024kB time=00:00:03.33 bitrate=2516.6kbits/s speed=   1x'
[ -n "$FLOOD_STDOUT" ] && exec yes "$line"
exec yes "$line" >&2
)";
} // namespace

class LibraryLogicTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("VistrelleLibraryLogicTest"));
        QSettings().clear();
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("listed");
        QTest::newRow("product") << "Vistrelle_2024-01-01.mp4" << true;
        QTest::newRow("product lower case") << "vistrelle_x.mkv" << true;
        QTest::newRow("recording upper suffix") << "recording_2024.MP4" << true;
        QTest::newRow("recording tail") << "Recording_2024_b.wav" << true;
        QTest::newRow("recording too short") << "Recording_24.wav" << false;
        QTest::newRow("time stamp") << "2024-01-02_030405_006.mkv" << true;
        QTest::newRow("time stamp without ms") << "2024-01-02_030405.mkv" << false;
        QTest::newRow("time stamp case") << "2024-01-02_030405_006_A.mkv" << true;
        QTest::newRow("other") << "clip.mp4" << false;
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, listed);
        QCOMPARE(isRecordingName(QFileInfo(name).completeBaseName()), listed);
    }

    // File Information of an empty file says so first, and gives no picture size of 0 × 0.
    void emptyFileInformation()
    {
        VideoRecord empty;
        empty.path = QStringLiteral("/videos/Vistrelle_empty.mp4");
        empty.resolution = QSize(0, 0);
        const QStringList lines = LibraryTools::fileInformationText(empty).split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QStringLiteral("文件为空"));
        QVERIFY2(lines.contains(QStringLiteral("分辨率：未知")), qPrintable(lines.join(QLatin1Char('|'))));
    }

    // An audio file ffprobe could not read shows its rate, channels and bit rate as unknown,
    // not "0 Hz / 0 / 0 kbps"; a readable one keeps its numbers with their units.
    void unreadAudioInformation()
    {
        VideoRecord audio;
        audio.path = QStringLiteral("/music/broken.m4a");
        audio.isAudio = true;
        audio.size = 1000;
        const QString unread = LibraryTools::fileInformationText(audio);
        for (const char *line : {"采样率：未知", "声道：未知", "码率：未知"})
            QVERIFY2(unread.split(QLatin1Char('\n')).contains(QString::fromUtf8(line)), qPrintable(unread));
        audio.sampleRate = 44100;
        audio.channels = 2;
        audio.bitrateKbps = 128;
        const QString read = LibraryTools::fileInformationText(audio);
        QVERIFY2(read.contains(QStringLiteral("44100 Hz")) && read.contains(QStringLiteral("128 kbps"))
                     && read.contains(QStringLiteral("声道：2")),
                 qPrintable(read));
    }

    // A length the player found holds for the file at the size it was found for, whatever
    // form its path is written in; a file rewritten since has none. Telling it again is no news.
    void playerFoundLengthsHoldForTheirSize()
    {
        PlayerFoundLengths *lengths = PlayerFoundLengths::instance();
        QSignalSpy found(lengths, &PlayerFoundLengths::found);
        lengths->keep(QStringLiteral("/videos/unread.mp4"), 1000, 6.2);
        lengths->keep(QStringLiteral("/videos/./unread.mp4"), 1000, 6.2);
        QCOMPARE(found.size(), 1);
        QCOMPARE(lengths->lengthOf(QStringLiteral("/videos//unread.mp4"), 1000), 6.2);
        QVERIFY(lengths->lengthOf(QStringLiteral("/videos/unread.mp4"), 2000) < 0);
        QVERIFY(lengths->lengthOf(QStringLiteral("/videos/other.mp4"), 1000) < 0);
    }

    // A save that a killed run left half written goes at the first look at its folder; nothing
    // else does, not even names that only look alike, nor what a later look finds.
    void abandonedSavesOnly()
    {
        QTemporaryDir dir;
        const auto touch = [&dir](const QString &name) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        };
        const QString leftover = savingPathFor(dir.filePath("Vistrelle_a [1], it's.mp4"));
        QVERIFY(isSavingFile(QFileInfo(leftover).fileName()));
        touch(QFileInfo(leftover).fileName());
        const QStringList kept{"Vistrelle_a [1], it's.mp4", ".Vistrelle_a.saving-abc.mp4",
                               "Vistrelle_b.saving-abcdef.mp4", ".notes.txt", ".Vistrelle_c.saving-ABCDEF.mp4"};
        for (const QString &name : kept)
            touch(name);
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        const QString below = savingPathFor(dir.filePath("sub/Vistrelle_d.mkv"));
        touch("sub/" + QFileInfo(below).fileName());
        // A killed watermark copy's hidden folder, with its partial copy.
        QVERIFY(QDir(dir.path()).mkdir(".Vistrelle-watermark-Ab12cD"));
        touch(".Vistrelle-watermark-Ab12cD/watermark.txt");

        QCOMPARE(removeAbandonedSaves(dir.path()),
                 (QStringList{QDir::cleanPath(leftover), dir.filePath(".Vistrelle-watermark-Ab12cD")}));
        QVERIFY(!QFileInfo::exists(leftover));
        for (const QString &name : kept)
            QVERIFY2(QFileInfo::exists(dir.filePath(name)), qPrintable(name));
        QVERIFY(QFileInfo::exists(below));
        // Found later in the same run, a hidden save is a running job's.
        const QString later = savingPathFor(dir.filePath("Vistrelle_e.mp4"));
        touch(QFileInfo(later).fileName());
        QVERIFY(removeAbandonedSaves(dir.path()).isEmpty());
        QVERIFY(QFileInfo::exists(later));
    }

    // The scan: patterns adopt files into the registry, registry entries in any spelling
    // list other files, intermediate files never show, nor do remembered files of another folder.
    void scanAndRegistry()
    {
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        const auto touch = [](const QString &path) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        };
        touch(dir.filePath("Vistrelle_a.mp4"));
        touch(dir.filePath("clip.mp4"));
        touch(dir.filePath("mine.mov"));
        touch(dir.filePath("Vistrelle_d.wav"));
        touch(dir.filePath("Vistrelle_a.MERGING.mp4"));
        touch(dir.filePath("Vistrelle_b.watermarking.mkv"));
        touch(dir.filePath("Vistrelle_c.txt"));
        touch(elsewhere.filePath("outside.wav"));
        setRecordedFiles({dir.path() + "/.//mine.mov", dir.filePath("Vistrelle_b.watermarking.mkv")});
        rememberRecordedFile(elsewhere.filePath("outside.wav"));
        rememberRecordedFile(elsewhere.path() + "//outside.wav"); // same entry
        QCOMPARE(recordedFiles().size(), 3);

        QStringList registry = recordedFiles();
        bool changed = false;
        const QList<VideoRecord> records = scanMediaFolder(dir.path(), &registry, &changed);
        QStringList names;
        for (const VideoRecord &r : records)
            names << r.fileName;
        names.sort();
        QCOMPARE(names, QStringList({"Vistrelle_a.mp4", "Vistrelle_d.wav", "mine.mov"}));
        QVERIFY(changed);
        QCOMPARE(registry.size(), 5);
        for (const VideoRecord &r : records) {
            QCOMPARE(r.isAudio, r.fileName.endsWith(".wav"));
            QCOMPARE(r.resolution, QSize(-1, -1));
            QCOMPARE(r.size, 1);
        }
        forgetRecordedFile(dir.filePath("./mine.mov"));
        QCOMPARE(recordedFiles().size(), 2);
    }

    void metadata_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("duration");
        QTest::addColumn<QSize>("resolution");
        QTest::addColumn<int>("fps");
        QTest::addColumn<bool>("isAudio");
        QTest::addColumn<QString>("codec");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("kbps");

        QTest::newRow("ntsc video with audio")
            << "a.mp4"
            << QByteArray(R"({"streams":[{"codec_type":"video","width":1280,"height":720,"avg_frame_rate":"30000/1001",
                "disposition":{"attached_pic":0}},{"codec_type":"audio","codec_name":"aac","sample_rate":"44100",
                "channels":2,"bit_rate":"128000","disposition":{"attached_pic":0}}],
                "format":{"duration":"5.500000","bit_rate":"900000"}})")
            << 6 << QSize(1280, 720) << 30 << false << "AAC" << 44100 << 128;
        // A recording of 30 frames per second whose frames came late averages 28.9 (13 on a
        // busy machine): the stream's own rate is shown; a varying one that names its time
        // base shows its average.
        QTest::newRow("late frames")
            << "g.mp4"
            << QByteArray(R"({"streams":[{"codec_type":"video","width":1920,"height":1080,"r_frame_rate":"30/1",
                "avg_frame_rate":"2890/100"}],"format":{"duration":"10.0"}})")
            << 10 << QSize(1920, 1080) << 30 << false << "" << 0 << 0;
        QTest::newRow("busy machine")
            << "i.mp4"
            << QByteArray(R"({"streams":[{"codec_type":"video","width":800,"height":500,"r_frame_rate":"30/1",
                "avg_frame_rate":"1300/100"}],"format":{"duration":"10.0"}})")
            << 10 << QSize(800, 500) << 30 << false << "" << 0 << 0;
        QTest::newRow("time base as rate")
            << "h.mp4"
            << QByteArray(R"({"streams":[{"codec_type":"video","width":1280,"height":720,"r_frame_rate":"90000/1",
                "avg_frame_rate":"2990/100"}],"format":{"duration":"10.0"}})")
            << 10 << QSize(1280, 720) << 30 << false << "" << 0 << 0;
        QTest::newRow("0/0 frame rate, audio bit rate missing")
            << "b.mkv"
            << QByteArray(R"({"streams":[{"codec_type":"video","width":640,"height":360,"avg_frame_rate":"0/0"},
                {"codec_type":"audio","codec_name":"opus","sample_rate":"48000","channels":1}],
                "format":{"duration":"5.4","bit_rate":"250400"}})")
            << 5 << QSize(640, 360) << 0 << false << "OPUS" << 48000 << 250;
        QTest::newRow("mp3 with cover art")
            << "c.mp3"
            << QByteArray(R"({"streams":[{"codec_type":"audio","codec_name":"mp3","sample_rate":"44100","channels":2,
                "bit_rate":"192000","disposition":{"attached_pic":0}},{"codec_type":"video","codec_name":"png",
                "width":300,"height":300,"avg_frame_rate":"0/0","disposition":{"attached_pic":1}}],
                "format":{"duration":"3.0","bit_rate":"200000"}})")
            << 3 << QSize(-1, -1) << 0 << true << "MP3" << 44100 << 192;
        // A header claiming 10 hours for 8 seconds of streams: the streams' length counts (an
        // MP4's stream durations, a Matroska file's DURATION tags); a second of slack is kept.
        QTest::newRow("header claims 10 hours, mp4")
            << "j.mp4"
            << QByteArray(R"({"streams":[{"codec_type":"video","width":320,"height":240,"r_frame_rate":"30/1",
                "duration":"7.999688"},{"codec_type":"audio","codec_name":"aac","duration":"8.033673"}],
                "format":{"duration":"36000.000000"}})")
            << 8 << QSize(320, 240) << 30 << false << "AAC" << 0 << 0;
        QTest::newRow("header claims 10 hours, mkv")
            << "k.mkv"
            << QByteArray(R"({"streams":[{"codec_type":"video","width":320,"height":240,"r_frame_rate":"30/1",
                "tags":{"DURATION":"00:00:08.023000000"}}],"format":{"duration":"36000.000000"}})")
            << 8 << QSize(320, 240) << 30 << false << "" << 0 << 0;
        QTest::newRow("container slightly longer than its stream")
            << "l.mp4"
            << QByteArray(R"({"streams":[{"codec_type":"video","width":320,"height":240,"r_frame_rate":"30/1",
                "duration":"4.0"}],"format":{"duration":"4.9"}})")
            << 5 << QSize(320, 240) << 30 << false << "" << 0 << 0;
        QTest::newRow("no streams, video suffix")
            << "d.mp4" << QByteArray(R"({"format":{"duration":"2.5"}})") << 3 << QSize(-1, -1) << 0 << false << ""
            << 0 << 0;
        QTest::newRow("no streams, audio suffix")
            << "d.flac" << QByteArray(R"({})") << -1 << QSize(-1, -1) << 0 << true << "" << 0 << 0;
        QTest::newRow("failed query") << "e.mp4" << QByteArray() << -1 << QSize(-1, -1) << 0 << false << "" << 0 << 0;
        // A length nowhere (a Matroska file whose writer was killed) is unknown, not 0; a
        // stream's own length stands in for the container's.
        QTest::newRow("no length anywhere")
            << "m.mkv"
            << QByteArray(R"({"streams":[{"codec_type":"video","width":320,"height":240,"r_frame_rate":"30/1"}],
                "format":{}})")
            << -1 << QSize(320, 240) << 30 << false << "" << 0 << 0;
        QTest::newRow("length in a stream only")
            << "n.mkv"
            << QByteArray(R"({"streams":[{"codec_type":"audio","codec_name":"opus","tags":{"DURATION":"00:00:04.600000000"}}],
                "format":{}})")
            << 5 << QSize(-1, -1) << 0 << true << "OPUS" << 0 << 0;
        QTest::newRow("wav with video suffix rules")
            << "f.mp4"
            << QByteArray(R"({"streams":[{"codec_type":"audio","codec_name":"pcm_s16le","sample_rate":"x","channels":6}],
                "format":{"duration":"1.49"}})")
            << 1 << QSize(-1, -1) << 0 << true << "PCM_S16LE" << 0 << 0;
    }
    void metadata()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, json);
        VideoRecord before;
        before.path = "/tmp/" + file;
        before.fileName = file;
        before.size = 1234;
        before.duration = 99;
        before.fps = 9;
        const VideoRecord r = parseMediaMetadata(before, json);
        QCOMPARE(r.path, before.path);
        QCOMPARE(r.size, qint64(1234));
        QTEST(r.duration, "duration");
        QTEST(r.resolution, "resolution");
        QTEST(r.fps, "fps");
        QTEST(r.isAudio, "isAudio");
        QTEST(r.audioCodec, "codec");
        QTEST(r.sampleRate, "rate");
        QTEST(r.bitrateKbps, "kbps");
    }

    void formatting()
    {
        QCOMPARE(VideoListDialog::formatDuration(0), QString("00:00"));
        QCOMPARE(VideoListDialog::formatDuration(59), QString("00:59"));
        QCOMPARE(VideoListDialog::formatDuration(65), QString("01:05"));
        QCOMPARE(VideoListDialog::formatDuration(3599), QString("59:59"));
        QCOMPARE(VideoListDialog::formatDuration(3600), QString("01:00:00"));
        QCOMPARE(VideoListDialog::formatDuration(3725), QString("01:02:05"));
        QCOMPARE(VideoListDialog::formatDuration(360000), QString("100:00:00"));
        QCOMPARE(VideoListDialog::formatSize(1048575), QString("1024 KB"));
        QCOMPARE(VideoListDialog::formatSize(1048576), QString("1.0 MB"));
        QCOMPARE(VideoListDialog::formatSize(qint64(1) << 30), QString("1.00 GB"));
        QCOMPARE(VideoListDialog::timeText(-3), QString("00:00"));
        // Rounded as the split, range and card texts are.
        QCOMPARE(VideoListDialog::timeText(3.5), QString("00:04"));
        QCOMPARE(VideoListDialog::timeText(4.0), QString("00:04"));
    }

    // The runner's log keeps the last of a tool's output on both channels; progress is
    // measured on every time stamp and never reaches 100 before the end.
    void progressAndLog()
    {
        FfmpegJobSettings chatty;
        chatty.program = QStringLiteral("sh");
        chatty.arguments = {QStringLiteral("-c"), QStringLiteral("head -c 50000 /dev/zero | tr '\\0' a; echo bc; "
                                                                 "head -c 50000 /dev/zero | tr '\\0' e >&2; echo f >&2")};
        chatty.mergeChannels = false;
        const FfmpegJobResult ran = runFfmpegJob(chatty);
        QCOMPARE(ran.log.size(), FfmpegJobResult::kLogBytes);
        QVERIFY(ran.log.endsWith(QLatin1String("abc\n")));
        QCOMPARE(ran.errorLog.size(), FfmpegJobResult::kLogBytes);
        QVERIFY(ran.errorLog.endsWith(QLatin1String("ef\n")));
        QCOMPARE(logTail(QString(1200, QLatin1Char('x')), 1200).size(), 1200);
        QCOMPARE(logTail(QString(1300, QLatin1Char('x')), 1200).size(), 1200);

        const QString out = QStringLiteral("frame=1 time=00:00:01.00 bitrate\rframe=2 time=00:00:05.50 x\r"
                                           "time=00:01:00.00 time=N/A time=01:00:00.00");
        QCOMPARE(progressPercents(out, 10.0), QList<int>({10, 55, 99, 99}));
        QCOMPARE(progressPercents(out, 0.0), QList<int>());
        QCOMPARE(progressPercents(out, -1.0), QList<int>());
    }

    // Every reader of a tool's output keeps a bounded part of it: probes, the option listing,
    // picture grabs and jobs, with a tool that writes for ever on either channel. The process
    // runs under an address-space limit meanwhile, so a reader that keeps everything fails
    // here instead of taking the machine's memory.
    void floodingToolsStayBounded()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char *name : {"ffmpeg", "ffprobe"}) {
            QVERIFY(writeScript(dir.filePath(QLatin1String(name)), kFloodingTool));
        }
        const QString ffmpeg = dir.filePath(QStringLiteral("ffmpeg"));
        const QString ffprobe = dir.filePath(QStringLiteral("ffprobe"));
        const QString media = dir.filePath(QStringLiteral("in.mp4"));
        QFile(media).open(QIODevice::WriteOnly);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toLocal8Bit() + ':' + path);
        rlimit before{};
        QVERIFY(getrlimit(RLIMIT_AS, &before) == 0);
        rlimit limited = before;
        limited.rlim_cur = rlim_t(statusKb("VmSize") + 1500 * 1024) * 1024;
        QVERIFY(setrlimit(RLIMIT_AS, &limited) == 0);
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5"); // restarts the peak
        clear.close();
        const qint64 startKb = statusKb("VmRSS");

        EncoderProbe probe([ffmpeg] { return ffmpeg; }, 1500, 3000);
        QVERIFY(!probe.works(QStringLiteral("h264_nvenc")));
        QVERIFY(!probe.supportsShortestBufDuration());
        QVERIFY(!MediaProbe::probe(media, 1500, ffprobe).ok);
        QCOMPARE(MediaProbe::videoEndSeconds(media, 1500, ffprobe), -1.0);
        FfmpegJobSettings job;
        job.program = ffmpeg;
        job.capMs = 1500;
        QCOMPARE(runFfmpegJob(job).outcome, FfmpegJobResult::TimedOut);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(grabPlayerStill(media, 0, [&clock] { return clock.elapsed() < 1500; }).isNull());
        qputenv("FLOOD_STDOUT", "1");
        QVERIFY(grabFullFrame(media, 0).isNull()); // cut off at the largest picture
        // A grab's time limit is 12 s; cut off at its picture's size (16 MB) it ends long before,
        // however busy the machine (the full frame's 141 MB may take that long on a busy one).
        clock.restart();
        QVERIFY(grabMediaPreview(media, 0).isNull());
        QVERIFY2(clock.elapsed() < 9000, qPrintable(QString::number(clock.elapsed())));
        qunsetenv("FLOOD_STDOUT");

        qputenv("PATH", path);
        QVERIFY(setrlimit(RLIMIT_AS, &before) == 0);
        const qint64 grownKb = statusKb("VmHWM") - startKb;
        qInfo() << "peak growth while tools flooded:" << grownKb / 1024 << "MB";
        QVERIFY2(grownKb < 400 * 1024, qPrintable(QString::number(grownKb)));
    }

    // A closing program does not wait out a probe that hangs (a long packet read of a huge
    // file): the run ends at once, and none starts after.
    void probesEndWithTheProgram()
    {
        QTemporaryDir dir;
        const QString ffprobe = dir.filePath(QStringLiteral("ffprobe"));
        QVERIFY(writeScript(ffprobe, "exec sleep 60\n"));
        QElapsedTimer clock;
        clock.start();
        double span = 0;
        QThread *probe = QThread::create([&] { span = MediaProbe::packetSpanSeconds(ffprobe, 30000, ffprobe); });
        probe->start();
        QTest::qWait(300);
        MediaProbe::abandonRuns();
        QVERIFY(probe->wait(5000));
        delete probe;
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(span, -1.0);
        QCOMPARE(MediaProbe::containerDurationSeconds(ffprobe, 30000, ffprobe), 0.0);
        QVERIFY(clock.elapsed() < 5000);
        MediaProbe::abandonRuns(false);
    }

    // A failed run is told by its cause: the encoder's own line where ffmpeg closes with a
    // generic one, never the banner (real runs of the real ffmpeg).
    void failureCause()
    {
        QString log;
        QVERIFY(!TestMedia::runFfmpeg({"-f", "lavfi", "-i", "sine", "-t", "1", "-c:a", "libmp3lame", "-ar", "96000",
                                       "-f", "null", "-"},
                                      &log));
        QVERIFY(log.contains(QLatin1String("configuration:")));
        QCOMPARE(ffmpegFailureCause(log), QStringLiteral("libmp3lame: Specified sample rate 96000 is not supported"));
        QVERIFY(!TestMedia::runFfmpeg({"-hide_banner", "-i", "/nonexistent/in.mp4", "-f", "null", "-"}, &log));
        QCOMPARE(ffmpegFailureCause(log), QStringLiteral("/nonexistent/in.mp4: No such file or directory"));
        QCOMPARE(ffmpegFailureCause(QStringLiteral("only line\n")), QStringLiteral("only line"));

        // A name of 250 bytes is saved (its hidden name while written fits the file system too).
        QTemporaryDir dir;
        const QString longName = dir.filePath(QString(246, QLatin1Char('n')) + QStringLiteral(".mp4"));
        FfmpegJobSettings job;
        job.program = QStringLiteral("ffmpeg");
        job.arguments = QStringList{"-f", "lavfi", "-i", "color=s=64x64:d=0.2", "-c:v", "libx264", longName};
        job.outputPath = longName;
        const FfmpegJobResult saved = runFfmpegJob(job);
        QVERIFY2(saved.succeeded() && QFileInfo::exists(longName), qPrintable(saved.log.right(400)));
        // A long path keeps the cause at its end; a tool that says nothing still gets one.
        const QString cause = ffmpegFailureCause(QLatin1Char('/') + QString(400, QLatin1Char('p'))
                                                 + QStringLiteral(": File name too long\n"));
        QVERIFY2(cause.size() <= 300 && cause.startsWith(QLatin1Char('/'))
                     && cause.endsWith(QLatin1String("pp: File name too long")),
                 qPrintable(cause));
        job.program = QStringLiteral("false");
        job.arguments.clear();
        job.outputPath.clear();
        const FfmpegJobResult silent = runFfmpegJob(job);
        QVERIFY(!silent.succeeded());
        QVERIFY2(ffmpegFailureCause(silent.log).contains(QLatin1String("1")), qPrintable(silent.log));
    }

    void editorHelpers()
    {
        VideoEditor editor;
        QCOMPARE(editor.atempoChain(1.5), QString("atempo=1.5000"));
        QCOMPARE(editor.atempoChain(4), QString("atempo=2.0,atempo=2.0000"));
        QCOMPARE(editor.atempoChain(0.25), QString("atempo=0.5,atempo=0.5000"));
        // Every factor stays within 0.5..2 (their product is the speed).
        QCOMPARE(editor.atempoChain(0.1), QString("atempo=0.5,atempo=0.5,atempo=0.5,atempo=0.8000"));
        QCOMPARE(editor.atempoChain(qQNaN()), QString("atempo=1.0000"));
        QCOMPARE(editor.atempoChain(-2), QString("atempo=1.0000"));
        QCOMPARE(editor.escapeFilterPath("/a\\b'c,d[e]"), QString("/a\\\\b\\'c\\,d\\[e\\]"));
        QVERIFY(VideoEditor::supportsFastStart("/x/A.MP4"));
        QVERIFY(!VideoEditor::supportsFastStart("/x/a.mkv"));
        const QString a = editor.uniqueTempPath("p", ".txt");
        QVERIFY(a != editor.uniqueTempPath("p", ".txt"));
        QVERIFY(QFileInfo(a).fileName().startsWith("p_"));

        const QString list = editor.writeConcatList({"/tmp/it's.mp4", "/tmp/b.mp4"});
        QFile file(list);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QString("file '/tmp/it'\\''s.mp4'\nfile '/tmp/b.mp4'\n"));
        file.remove();
    }

    void arguments()
    {
        // A video trim re-encodes to H.264/AAC; only MP4 and MOV get fast start.
        QCOMPARE(VideoEditor::trimArguments("/in.mp4", 1.5, 4, "/out.mkv"),
                 QStringList({"-n", "-ss", "1.500", "-colorspace", "smpte170m", "-color_primaries", "bt709", "-color_trc",
                              "iec61966-2-1", "-color_range", "tv", "-i", "/in.mp4", "-t", "2.500", "-map", "0:v:0", "-map", "0:a?",
                              "-fps_mode", "vfr", "-enc_time_base:v", "-1", "-c:v", "libx264", "-preset", "veryfast", "-crf", "19",
                              "-c:a", "aac", "-b:a", "192k", "/out.mkv"}));
        QVERIFY(VideoEditor::trimArguments("/in.mp4", 0, 1, "/out.mov").contains("+faststart"));
        // To the end: a far end, not the rounded duration.
        const QStringList toEnd = VideoEditor::trimArguments("/in.mkv", 2, VideoEditor::kToEnd, "/out.mkv");
        QVERIFY(toEnd.at(toEnd.indexOf("-t") + 1).toDouble() > 1.0e6);
        // Audio: by the output's suffix.
        QCOMPARE(VideoEditor::trimArguments("/in.MP3", 0, 2, "/out.wav").mid(7),
                 QStringList({"-map", "0:a:0", "-vn", "-c:a", "pcm_s16le", "/out.wav"}));
        QCOMPARE(VideoEditor::trimArguments("/in.m4a", 0, 2, "/out.m4a").mid(7),
                 QStringList({"-map", "0:a:0", "-vn", "-c:a", "aac", "-b:a", "192k", "/out.m4a"}));
        QCOMPARE(VideoEditor::trimArguments("/in.flac", 0, 2, "/out.ogg").mid(7),
                 QStringList({"-map", "0:a:0", "-vn", "-c:a", "libmp3lame", "-b:a", "192k", "/out.ogg"}));

        const QStringList nvenc = VideoEditor::exportVideoArguments("/i", "/o.mp4", "H264_NVENC", 100, 1000, true);
        QVERIFY(nvenc.join(' ').contains("-preset p5 -b:v 500k"));
        QVERIFY(nvenc.join(' ').contains("-b:a 512k -movflags +faststart"));
        QVERIFY(VideoEditor::exportVideoArguments("/i", "/o.mkv", "copy", 4000, 192, true).join(' ').contains(
            "-c:v copy -c:a aac -b:a 192k /o.mkv"));
        const QStringList speed = VideoEditor::changeSpeedArguments("/i", 2.0f, "/o", "atempo=2.0000");
        QCOMPARE(speed.at(speed.indexOf("-vf") + 1), QString("setpts=0.500000*PTS"));
        QVERIFY(!VideoEditor::exportAudioArguments("/i", "/o", "AAC").contains("-b:a"));

        // Range mute: the times with six decimals; a long file may run twice its length.
        QCOMPARE(VideoListDialog::muteArguments("/s.mp4", 1.5, 3.25, "/o.mp4"),
                 QStringList({"-n", "-i", "/s.mp4", "-map", "0:v:0", "-map", "0:a?", "-c:v", "copy", "-af",
                              "volume=0:enable='gte(t,1.500000)*lt(t,3.250000)'", "-c:a", "aac", "-b:a", "192k",
                              "/o.mp4"}));
        QCOMPARE(VideoListDialog::muteTimeLimitMs(30), qint64(120000));
        QCOMPARE(VideoListDialog::muteTimeLimitMs(3 * 3600), qint64(6 * 3600 * 1000));

        QCOMPARE(mediaPreviewArguments("/v.mp4", 0.3).mid(3, 2), QStringList({"-ss", "0.30"}));
        QCOMPARE(mediaPreviewArguments("/a.wav", 0.3).size(), 16);
    }

    void uniqueNames()
    {
        QTemporaryDir dir;
        const auto touch = [&](const QString &name) { QVERIFY(writeBytes(dir.filePath(name), "x")); };
        QCOMPARE(VideoListDialog::uniqueOutputPath(dir.filePath("clip.mp4")), dir.filePath("clip.mp4"));
        touch("clip.mp4");
        touch("clip_2.mp4");
        QCOMPARE(VideoListDialog::uniqueOutputPath(dir.filePath("clip.mp4")), dir.filePath("clip_3.mp4"));
        touch("noext");
        QCOMPARE(VideoListDialog::uniqueOutputPath(dir.filePath("noext")), dir.filePath("noext_2"));
        touch("a.b.mkv");
        QCOMPARE(VideoListDialog::uniqueOutputPath(dir.filePath("a.b.mkv")), dir.filePath("a.b_2.mkv"));
        // Names are not patterns.
        touch("a%1b%2.mp4");
        QCOMPARE(VideoListDialog::uniqueOutputPath(dir.filePath("a%1b%2.mp4")), dir.filePath("a%1b%2_2.mp4"));
        touch("%3.m%1");
        QCOMPARE(VideoListDialog::uniqueOutputPath(dir.filePath("%3.m%1")), dir.filePath("%3_2.m%1"));
    }

    void rangeBar()
    {
        // Narrow bars have no track: no division by zero or a negative width.
        for (int width : {0, 10, 20}) {
            QCOMPARE(TimelineRangeWidget::timeForX(15, width, 60), 0.0);
            QVERIFY(std::isfinite(TimelineRangeWidget::xForTime(30, width, 60)));
        }
        QCOMPARE(TimelineRangeWidget::timeForX(410, 820, 60), 30.0);
        QCOMPARE(TimelineRangeWidget::timeForX(5000, 820, 60), 60.0);
        QCOMPARE(TimelineRangeWidget::rulerStep(800, 600), 100.0);
        QCOMPARE(TimelineRangeWidget::rulerStep(800, 2), 0.5);
        QCOMPARE(TimelineRangeWidget::timeLabel(1.5, 0.5), QString("00:01.5"));
        QCOMPARE(TimelineRangeWidget::timeLabel(100, 100), QString("01:40"));

        TimelineRangeWidget bar;
        bar.resize(20, 84);
        bar.setPreview(QPixmap(), false, 0);
        QCOMPARE(bar.duration, 0.1);
        QCOMPARE(bar.rangeEnd, 0.1);
        QImage image = bar.grab().toImage(); // paints without a track
        QVERIFY(!image.isNull());

        // The ruler's first and last labels ("00:00" and "00:05" at the track's ends) stay
        // whole inside the bar: no label ink in the outermost columns of the label row.
        TimelineRangeWidget ruler;
        ruler.resize(600, 90);
        ruler.setPreview(QPixmap(), false, 5.0);
        ruler.marker = 2.5;
        const QImage face = ruler.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto labelInk = [&face](int x) {
            for (int y = 70; y < 88 && y < face.height(); ++y) {
                const QColor c = face.pixelColor(x, y);
                if (c.blue() > 90 && c.blue() > c.red() + 20) // the grey-blue label text
                    return true;
            }
            return false;
        };
        int inkColumns = 0;
        for (int x = 0; x < face.width(); ++x)
            inkColumns += labelInk(x) ? 1 : 0;
        QVERIFY(inkColumns > 40); // the labels are there
        for (int x : {0, 1, 2, 3, face.width() - 4, face.width() - 3, face.width() - 2, face.width() - 1})
            QVERIFY2(!labelInk(x), qPrintable(QString::number(x)));
    }

    void waveformMask()
    {
        QImage in(4, 1, QImage::Format_RGB32);
        in.setPixel(0, 0, qRgb(5, 0, 0));
        in.setPixel(1, 0, qRgb(0, 6, 0));
        in.setPixel(2, 0, qRgb(0, 0, 132));
        in.setPixel(3, 0, qRgb(133, 0, 0));
        const QImage mask = waveformAlphaMask(in);
        QCOMPARE(qAlpha(mask.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(mask.pixel(1, 0)), 2);
        QCOMPARE(qAlpha(mask.pixel(2, 0)), 254);
        QCOMPARE(qAlpha(mask.pixel(3, 0)), 255);
        QCOMPARE(mask.pixel(3, 0), qRgba(255, 255, 255, 255));
        QVERIFY(waveformAlphaMask(QImage()).isNull());
    }

    // Replacing the original keeps any earlier "<source>.bak" of the user's.
    void replaceKeepsBackups()
    {
        QTemporaryDir dir;
        QSettings().setValue("save/directory", dir.path());
        const QString source = dir.filePath("Vistrelle_a.mp4");
        QVERIFY(writeBytes(source, "original"));
        QVERIFY(writeBytes(source + ".bak", "users own backup"));
        const QString edited = dir.filePath("Vistrelle_a_已编辑.mp4");
        QVERIFY(writeBytes(edited, "edited"));

        MessageBoxCatcher boxes;
        VideoListDialog window;
        window.loadFromDisk();
        int index = -1;
        for (int i = 0; i < window.recordList().size(); ++i)
            if (window.recordList().at(i).path == source)
                index = i;
        QVERIFY(index >= 0);
        window.openRecord(index, false);
        window.finishEdit(edited, true);
        QCOMPARE(md5(source), md5Of("edited"));
        QCOMPARE(md5(source + ".bak"), md5Of("users own backup"));
        QVERIFY(!QFileInfo::exists(edited));
        QVERIFY(boxes.titles.contains(QStringLiteral("保存完成")));
    }

    // A card's picture texts ("loading", "no picture") fit its thumbnail in every language.
    void cardPlaceholders()
    {
        QTemporaryDir dir;
        QStringList faults;
        for (const char *language : {"zh_CN", "zh_TW", "en", "ja", "ko", "ar", "de", "fr", "es", "it", "pt", "nl", "tr"}) {
            QTranslator translator;
            QVERIFY(translator.load(QStringLiteral(":/translations/Vistrelle_%1.qm").arg(QLatin1String(language))));
            QCoreApplication::installTranslator(&translator);
            for (bool audio : {false, true}) {
                VideoRecord record;
                record.fileName = QStringLiteral("%1 %2.mp4").arg(QLatin1String(language)).arg(audio);
                record.path = dir.filePath(record.fileName); // never written: its picture fails
                record.size = 1;
                record.duration = 5;
                record.isAudio = audio;
                RecordCard card(record, [] {}, [](QPoint) {});
                card.resize(460, 104);
                card.show();
                const QString loading = card.placeholderLabel()->text();
                for (const textfit::Problem &p : textfit::check(&card))
                    faults << QLatin1String(language) + QLatin1Char(' ') + p.text + QLatin1Char(' ') + p.what;
                QTRY_VERIFY_WITH_TIMEOUT(card.placeholderLabel()->text() != loading, 15000);
                for (const textfit::Problem &p : textfit::check(&card))
                    faults << QLatin1String(language) + QLatin1Char(' ') + p.text + QLatin1Char(' ') + p.what;
            }
            QCoreApplication::removeTranslator(&translator);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // On a screen too short for the usual layout the player gives
    // up height: the tool row stays below it and the editor's button below the range bar.
    void shortScreen()
    {
        if (qEnvironmentVariableIsEmpty("VISTRELLE_SHORT_SCREEN")) {
            // Again in a child with a screen of 960 x 540 (a 1920 x 1080 screen at a scale
            // factor of 2).
            QTemporaryDir dir;
            QVERIFY(writeBytes(dir.filePath("screen.json"),
                               R"({"screens":[{"name":"short","x":0,"y":0,"width":960,"height":540,)"
                               R"("logicalDpi":96,"dpr":1}]})"));
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("VISTRELLE_SHORT_SCREEN", "1");
            env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + dir.filePath("screen.json"));
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {"shortScreen"});
            QVERIFY(child.waitForFinished(60000));
            QVERIFY2(child.exitCode() == 0, child.readAll().constData());
            return;
        }
        VideoListDialog window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.screen()->availableGeometry().height(), 540);
        window.resize(window.minimumSize());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const auto rect = [&window](const char *name) {
            auto *w = window.findChild<QWidget *>(QLatin1String(name));
            return w ? QRect(w->mapTo(&window, QPoint(0, 0)), w->size()) : QRect();
        };
        QVERIFY(window.height() <= window.screen()->availableGeometry().height());
        QVERIFY2(rect("Player").bottom() < rect("TrimButton").top(),
                 qPrintable(QStringLiteral("%1 %2").arg(rect("Player").bottom()).arg(rect("TrimButton").top())));
        QVERIFY2(rect("RangeBar").bottom() < rect("PrimaryAction").top(),
                 qPrintable(QStringLiteral("%1 %2").arg(rect("RangeBar").bottom()).arg(rect("PrimaryAction").top())));
        QVERIFY(rect("PrimaryAction").bottom() < window.height());
    }

    void seekTargets()
    {
        QCOMPARE(VideoPlayer::seekTargetMs(-5, 10), qint64(0));
        QCOMPARE(VideoPlayer::seekTargetMs(12.3456, 20), qint64(12345));
        QCOMPARE(VideoPlayer::seekTargetMs(30, 20), qint64(20000));
        // A Matroska file reports no duration: the seek is not pinned to 0.
        QCOMPARE(VideoPlayer::seekTargetMs(3.5, 0), qint64(3500));
    }

    // Shown before its first look at the save folder ends, the list says it is loading; no
    // count, never "0 files".
    void loadingBeforeTheFirstScan()
    {
        VideoListDialog window;
        window.show();
        auto *state = window.findChild<QLabel *>(QStringLiteral("ListState"));
        QVERIFY(state && state->isVisible());
        QCOMPARE(state->text(), QStringLiteral("正在加载媒体文件…"));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Count"))->text(), QString());
    }

    // A reload probes only the files that changed; the files the window wants (the chosen one,
    // the rows in view) are read before the rest of the list.
    void metadataOrder()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < 20; ++i) {
            paths << dir.filePath(QStringLiteral("Vistrelle_%1.mp4").arg(i));
            QVERIFY(writeBytes(paths.last(), QByteArray(10 + i, 'x')));
        }
        const auto scan = [&paths] {
            QList<VideoRecord> records;
            for (const QString &path : std::as_const(paths))
                records << unprobedRecord(path);
            return records;
        };
        QThreadPool pool;
        pool.setMaxThreadCount(1);
        MetadataQueue queue(&pool, 1, [](const VideoRecord &r) {
            VideoRecord probed = r;
            probed.duration = 7;
            return probed;
        });
        QStringList order;
        connect(&queue, &MetadataQueue::probed, this,
                [&order](int, int, const QString &path, const VideoRecord &) { order << path; });
        queue.setWanted([&paths] { return QStringList{paths.at(17), paths.at(18)}; });
        QList<VideoRecord> records = queue.restart(1, scan());
        queue.startWaiting();
        QTRY_COMPARE(order.size(), 20);
        QCOMPARE(order.mid(0, 2), (QStringList{paths.at(17), paths.at(18)}));

        QVERIFY(writeBytes(paths.at(5), "rewritten, longer"));
        order.clear();
        records = queue.restart(2, scan());
        QCOMPARE(records.at(3).duration, 7); // known at once
        QCOMPARE(records.at(5).duration, 0);
        queue.startWaiting();
        QTRY_COMPARE(order, QStringList{paths.at(5)});
        QTest::qWait(200);
        QCOMPARE(order, QStringList{paths.at(5)});
    }

    // Card pictures: those of widgets on screen start before requests of widgets off screen,
    // newer ones too, and only the newest requests wait (a card scrolled past asks again when
    // painted).
    void pictureOrder()
    {
        QTemporaryDir dir; // the files do not exist: each grab fails at once
        ThumbnailCache *cache = ThumbnailCache::instance();
        QWidget offScreen;
        int offDone = 0;
        int offDoneBeforeShown = -1;
        int shownDone = 0;
        int offAsked = 0;
        const auto askOffScreen = [&](int count) {
            for (int i = 0; i < count; ++i, ++offAsked)
                cache->request(dir.filePath(QStringLiteral("off%1.mp4").arg(offAsked)), 1, QSize(10, 10), &offScreen,
                               [&offDone](const QImage &) { ++offDone; });
        };
        // Every grab slot taken; the shown cards ask next, then more cards off screen than run.
        askOffScreen(ThumbnailCache::kMaxRunning);
        QLabel shown[2];
        for (int i = 0; i < 2; ++i) {
            shown[i].resize(50, 50);
            shown[i].show();
            cache->request(dir.filePath(QStringLiteral("shown%1.mp4").arg(i)), 1, QSize(10, 10), &shown[i],
                           [&](const QImage &) {
                               if (++shownDone == 2)
                                   offDoneBeforeShown = offDone;
                           });
        }
        askOffScreen(ThumbnailCache::kMaxWaiting - 2);
        QCOMPARE(cache->waitingCount(), ThumbnailCache::kMaxWaiting);
        QTRY_VERIFY_WITH_TIMEOUT(shownDone == 2, 30000);
        // The grabs that had started, and at most one more round beside the shown ones.
        QVERIFY2(offDoneBeforeShown <= 2 * ThumbnailCache::kMaxRunning, qPrintable(QString::number(offDoneBeforeShown)));
        // Only the newest wait: the oldest request gives way.
        askOffScreen(ThumbnailCache::kMaxWaiting + 5);
        QCOMPARE(cache->waitingCount(), ThumbnailCache::kMaxWaiting);
    }

    // The cards in view are built first, the rest only as they come near the view: after a
    // jump to the end the last rows have theirs, while rows in between never got one.
    void cardsNearTheView()
    {
        QTemporaryDir dir;
        for (int i = 0; i < 60; ++i)
            QVERIFY(writeBytes(dir.filePath(QStringLiteral("Vistrelle_%1.mp4").arg(i, 3, 10, QLatin1Char('0'))), "junk"));
        QSettings().setValue(QStringLiteral("save/directory"), dir.path());
        VideoListDialog window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *list = window.findChild<QListWidget *>(QStringLiteral("List"));
        window.loadFromDisk();
        QCOMPARE(list->count(), 60);
        QVERIFY(list->itemWidget(list->item(0)));
        QVERIFY(!list->itemWidget(list->item(59)));
        QTest::qWait(500);
        QVERIFY(!list->itemWidget(list->item(59)));
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        QTRY_VERIFY(list->itemWidget(list->item(59)) && list->itemWidget(list->item(55)));
        QVERIFY(!list->itemWidget(list->item(30)));
        QSettings().remove(QStringLiteral("save/directory"));
    }

    // Frames decoded faster than the GUI thread takes them (a 4K file on a busy machine) do not
    // queue up: only the newest is delivered, with its own time, and the snapshot is that frame.
    void lateFramesDropped()
    {
        VideoPlayer player;
        QList<double> delivered;
        connect(&player, &VideoPlayer::frameReady, this, [&](const QImage &, double pts) { delivered << pts; });
        std::unique_ptr<QThread> decoder(QThread::create([&player] {
            for (int i = 0; i < 60; ++i) {
                QVideoFrame frame(QVideoFrameFormat(QSize(64, 36), QVideoFrameFormat::Format_BGRA8888));
                frame.map(QVideoFrame::WriteOnly);
                memset(frame.bits(0), i * 4, size_t(frame.mappedBytes(0)));
                frame.unmap();
                frame.setStartTime(qint64(i) * 100000);
                player.onVideoFrameChanged(frame);
            }
        }));
        decoder->start();
        QVERIFY(decoder->wait(10000)); // the GUI thread is busy meanwhile
        QTRY_VERIFY(!delivered.isEmpty() && delivered.last() == 5.9);
        QTest::qWait(100);
        QVERIFY2(delivered.size() <= 2, qPrintable(QString::number(delivered.size())));
        QCOMPARE(qBlue(player.currentFrameSnapshot().pixel(0, 0)), 59 * 4);
    }

    // Frames posted while the converter is busy wait as one, the newest; a request with no
    // new frame takes nothing; the GUI thread gets the newest picture once.
    void frameSlotNewestWins()
    {
        HeldConverter converter;
        converter.postAndRequest(1);
        QTRY_COMPARE(converter.takenSerials(), QList<quint64>{1});
        for (int i = 2; i <= 5; ++i)
            converter.postAndRequest(i);
        converter.gate.release(10);
        QTRY_COMPARE(converter.takenSerials(), (QList<quint64>{1, 5}));
        QVERIFY(converter.slot.request());
        converter.slot.waitIdle(std::chrono::seconds(10));
        QCOMPARE(converter.takenSerials().size(), 2);
        const std::optional<LatestFrameSlot::Picture> picture = converter.slot.takePicture();
        QVERIFY(picture && picture->pts == 5);
        QVERIFY(!converter.slot.takePicture());
    }

    // A converter waiting for frames wakes on a new one and on stop; stopped, it is asked no more.
    void frameSlotWakes()
    {
        HeldConverter converter;
        converter.gate.release(10);
        converter.postAndRequest(1);
        QTRY_COMPARE(converter.takenSerials().size(), 1);
        converter.slot.waitIdle(std::chrono::seconds(10));
        converter.postAndRequest(2);
        QTRY_COMPARE(converter.takenSerials().size(), 2);
        QVERIFY(converter.stopping()->wait(10000));
        QVERIFY(!converter.slot.request());
    }

    // Stopping while a conversion runs waits for it to finish (close() in the middle of a 4K
    // picture): its picture is kept and nothing deadlocks.
    void frameSlotStopsDuringConversion()
    {
        HeldConverter converter;
        converter.postAndRequest(1);
        QTRY_COMPARE(converter.takenSerials().size(), 1);
        const std::unique_ptr<QThread> stopper = converter.stopping();
        converter.gate.release();
        QVERIFY(stopper->wait(10000));
        QVERIFY(converter.slot.pictureIsCurrent());
    }

    // A 200-character name with no break point wraps in a message box: all of it shows.
    void longNameInMessage()
    {
        const QString text = QStringLiteral("截图已保存到：\n/videos/") + QString(200, QLatin1Char('n')) + ".png";
        QMessageBox box(QMessageBox::Information, QStringLiteral("截图完成"), text);
        widenMessageBox(box);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(box.width() <= box.screen()->availableGeometry().width());
        QVERIFY2(label->minimumSizeHint().width() <= label->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(label->minimumSizeHint().width()).arg(label->width())));
        QCOMPARE(label->text().remove(QChar(0x200B)), text);
    }

    // Decoded frames become pictures on the CPU, with their planes in the right order: a red
    // left half and a blue right half come out so in each layout, and an RGB frame is copied.
    void framePictures_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("I420") << int(QVideoFrameFormat::Format_YUV420P);
        QTest::newRow("YV12") << int(QVideoFrameFormat::Format_YV12);
        QTest::newRow("NV12") << int(QVideoFrameFormat::Format_NV12);
        QTest::newRow("BGRA") << int(QVideoFrameFormat::Format_BGRA8888);
    }
    void framePictures()
    {
        QFETCH(int, format);
        const auto pixelFormat = QVideoFrameFormat::PixelFormat(format);
        QVideoFrameFormat layout(QSize(16, 8), pixelFormat);
        layout.setColorSpace(QVideoFrameFormat::ColorSpace_BT601);
        layout.setColorRange(QVideoFrameFormat::ColorRange_Video);
        QVideoFrame frame(layout);
        QVERIFY(frame.map(QVideoFrame::WriteOnly));
        // BT.601 video range: red is Y 81, U 90, V 240; blue is Y 41, U 240, V 110.
        const auto fill = [&frame](int plane, int x, int y, uchar value) {
            frame.bits(plane)[y * frame.bytesPerLine(plane) + x] = value;
        };
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 16; ++x) {
                const bool left = x < 8;
                if (pixelFormat == QVideoFrameFormat::Format_BGRA8888) {
                    const uchar bgra[4] = {uchar(left ? 0 : 255), 0, uchar(left ? 255 : 0), 255};
                    for (int c = 0; c < 4; ++c)
                        fill(0, x * 4 + c, y, bgra[c]);
                    continue;
                }
                fill(0, x, y, left ? 81 : 41);
                if (x % 2 || y % 2)
                    continue;
                const uchar u = left ? 90 : 240, v = left ? 240 : 110;
                if (pixelFormat == QVideoFrameFormat::Format_NV12) {
                    fill(1, x, y / 2, u);
                    fill(1, x + 1, y / 2, v);
                } else {
                    const bool vFirst = pixelFormat == QVideoFrameFormat::Format_YV12;
                    fill(vFirst ? 2 : 1, x / 2, y / 2, u);
                    fill(vFirst ? 1 : 2, x / 2, y / 2, v);
                }
            }
        }
        frame.unmap();
        const QImage picture = imageOfVideoFrame(frame);
        QCOMPARE(picture.size(), QSize(16, 8));
        const QColor red = picture.pixelColor(2, 4), blue = picture.pixelColor(13, 4);
        QVERIFY2(red.red() > 235 && red.green() < 20 && red.blue() < 20, qPrintable(red.name()));
        QVERIFY2(blue.blue() > 235 && blue.red() < 20 && blue.green() < 20, qPrintable(blue.name()));
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    LibraryLogicTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_library_logic.moc"
