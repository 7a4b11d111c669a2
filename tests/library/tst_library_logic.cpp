// Rules of the media library that need no window: names, registry, metadata parsing,
// formatting, seeking.

#include "library/MediaLibraryFiles.h"
#include "library/VideoListDialog.h"
#include "library/VideoPlayer.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

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

    // The scan: patterns adopt files into the registry, registry entries in any spelling
    // list other files, intermediate files never show, remembered files elsewhere do.
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
        QCOMPARE(names, QStringList({"Vistrelle_a.mp4", "mine.mov", "outside.wav"}));
        QVERIFY(changed);
        QCOMPARE(registry.size(), 4);
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
        QTest::newRow("no streams, video suffix")
            << "d.mp4" << QByteArray(R"({"format":{"duration":"2.5"}})") << 3 << QSize(-1, -1) << 0 << false << ""
            << 0 << 0;
        QTest::newRow("no streams, audio suffix")
            << "d.flac" << QByteArray(R"({})") << 0 << QSize(-1, -1) << 0 << true << "" << 0 << 0;
        QTest::newRow("failed query") << "e.mp4" << QByteArray() << 0 << QSize(-1, -1) << 0 << false << "" << 0 << 0;
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
        QCOMPARE(VideoListDialog::timeText(2.5), QString("00:03"));
    }

    void seekTargets()
    {
        QCOMPARE(VideoPlayer::seekTargetMs(-5, 10), qint64(0));
        QCOMPARE(VideoPlayer::seekTargetMs(12.3456, 20), qint64(12345));
        QCOMPARE(VideoPlayer::seekTargetMs(30, 20), qint64(20000));
        // A Matroska file reports no duration: the seek is not pinned to 0.
        QCOMPARE(VideoPlayer::seekTargetMs(3.5, 0), qint64(3500));
    }
};

QTEST_MAIN(LibraryLogicTest)
#include "tst_library_logic.moc"
