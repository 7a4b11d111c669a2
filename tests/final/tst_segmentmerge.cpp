// Joining real segment files with the real ffmpeg, in a folder whose name needs quoting
// everywhere ffmpeg parses paths itself.
#include "../support/TestMedia.h"
#include "recording/DrainingSegment.h"
#include "recording/FragmentedMp4.h"
#include "recording/SegmentMerger.h"

#include <QtTest>
#include <QtEndian>

class TestSegmentMerge : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_dir;
    int m_case = 0;

    QString folder()
    {
        const QString d = QDir(m_dir).filePath(QStringLiteral("case%1").arg(++m_case));
        QDir().mkpath(d);
        return d;
    }

    struct Result
    {
        bool ok = false;
        QString detail;
        QList<bool> steps;
    };

    static Result merge(const QStringList &segments, const QString &dir, const QString &target, bool reencode,
                        const MergeSettings &settings)
    {
        SegmentMerger merger;
        Result r;
        QSignalSpy finished(&merger, &SegmentMerger::finished);
        QObject::connect(&merger, &SegmentMerger::stepStarted, [&r](bool re) { r.steps << re; });
        merger.start(segments, QDir(dir).filePath("concat.txt"), target, reencode, settings);
        if (!finished.wait(240000))
            return r;
        r.ok = finished.first().at(0).toBool();
        r.detail = finished.first().at(1).toString();
        return r;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        m_dir = QDir(m_tmp.path()).filePath(TestMedia::awkwardName());
        QVERIFY(QDir().mkpath(m_dir));
    }

    // An encoder cut off inside a fragment (a full disk, a kill): the segment keeps the fragments
    // before, which decode without an error; a plain MP4 is left to recovery tools as it is.
    void cutSegmentKeepsItsWholeFragments()
    {
        const QString fragmented = QDir(folder()).filePath(QStringLiteral("cut.mp4"));
        const QString plain = QDir(folder()).filePath(QStringLiteral("plain.mp4"));
        QVERIFY(TestMedia::makeSegment(fragmented, 3, QSize(320, 240), true, QStringLiteral("mp4")));
        QVERIFY(TestMedia::runFfmpeg({QStringLiteral("-y"), QStringLiteral("-i"), fragmented, QStringLiteral("-c"),
                                      QStringLiteral("copy"), QStringLiteral("-movflags"), QStringLiteral("+faststart"),
                                      plain}));
        for (const QString &path : {fragmented, plain})
            QVERIFY(QFile::resize(path, QFileInfo(path).size() * 2 / 3));
        const qint64 plainBytes = QFileInfo(plain).size();
        FragmentedMp4::WholePart whole;
        QVERIFY(FragmentedMp4::cutToWholePart(fragmented, &whole) && FragmentedMp4::cutToWholePart(plain));
        QVERIFY(whole.fragmented && whole.fragments > 1);
        QCOMPARE(QFileInfo(fragmented).size(), whole.bytes);
        QCOMPARE(QFileInfo(plain).size(), plainBytes);
        QString errors;
        TestMedia::runFfmpeg({QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), fragmented,
                              QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")},
                             &errors);
        QVERIFY2(errors.trimmed().isEmpty(), qPrintable(errors));
    }

    // An encoder that ended before its first fragment (a full disk, a stop at its first
    // moments) leaves the header alone: that segment is no part of the recording.
    void segmentWithHeaderAloneIsNotKept()
    {
        const QString whole = QDir(folder()).filePath(QStringLiteral("whole.mp4"));
        const QString empty = QDir(folder()).filePath(QStringLiteral("empty.mp4"));
        QVERIFY(TestMedia::makeSegment(whole, 1, QSize(320, 240), true, QStringLiteral("mp4")));
        QVERIFY(QFile::copy(whole, empty));
        QFile file(empty);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const qint64 ftyp = qFromBigEndian<quint32>(file.read(4).constData());
        QVERIFY(file.seek(ftyp));
        const qint64 header = ftyp + qFromBigEndian<quint32>(file.read(4).constData());
        file.close();
        QVERIFY(QFile::resize(empty, header));

        for (const QString &path : {whole, empty}) {
            auto *encoder = new QProcess;
            DrainingSegment segment(encoder, nullptr, path, 1000, QElapsedTimer(), nullptr);
            QSignalSpy ended(&segment, &DrainingSegment::ended);
            encoder->start(QStringLiteral("true"), QStringList());
            QVERIFY(ended.wait(10000));
            QCOMPARE(ended.first().at(1).toBool(), path == whole);
        }
    }

    void copyWhenSegmentsMatch_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("audio");
        QTest::addColumn<bool>("copyHolds");
        QTest::addColumn<bool>("lateLastFrame");
        QTest::newRow("fragmented mp4 with audio") << "mp4" << true << true << false;
        QTest::newRow("matroska without audio") << "mkv" << false << true << false;
        QTest::newRow("mp3") << "mp3" << true << true << false;
        QTest::newRow("wav") << "wav" << true << true << false;
        // A FLAC stream copy keeps the first segment's header and exits 0 with 1.5 s of 4.5 s:
        // the short result must be caught and re-encoded.
        QTest::newRow("flac") << "flac" << true << false << false;
        QTest::newRow("m4a") << "m4a" << true << true << false;
        // Frames taken from the screen, the last one late (a busy machine) and reordered: the
        // stream's duration ends where that frame begins.
        QTest::newRow("mp4 whose last frame came late") << "mp4" << true << true << true;
    }

    void copyWhenSegmentsMatch()
    {
        QFETCH(QString, kind);
        QFETCH(bool, audio);
        QFETCH(bool, copyHolds);
        QFETCH(bool, lateLastFrame);
        const QString dir = folder();
        QStringList segments;
        for (int i = 1; i <= 3; ++i) {
            const QString seg = QDir(dir).filePath(QStringLiteral("seg'%1: é中.%2").arg(i).arg(kind));
            if (lateLastFrame) {
                QVERIFY(TestMedia::runFfmpeg(
                    {"-y", "-f", "lavfi", "-i", "testsrc2=size=320x240:rate=30", "-f", "lavfi", "-i", "sine", "-t", "1.5",
                     "-vf", "setpts=(N/30+0.05*gte(N\\,43))/TB", "-fps_mode", "vfr", "-c:v", "libx264", "-preset",
                     "veryfast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-movflags", "+frag_keyframe+empty_moov", seg}));
            } else {
                QVERIFY(TestMedia::makeSegment(seg, 1.5, QSize(320, 240), audio, kind));
            }
            segments << seg;
        }
        MergeSettings s;
        s.audioOnly = kind != "mp4" && kind != "mkv";
        s.audioFormat = kind;
        s.videoContainer = kind;
        const QString target = QDir(dir).filePath("out put:'x'.merging." + kind);
        const Result r = merge(segments, dir, target, false, s);
        QVERIFY2(r.ok, qPrintable(r.detail));
        QCOMPARE(r.steps, (copyHolds ? QList<bool>{false} : QList<bool>{false, true}));
        const MediaInfo info = TestMedia::probe(target);
        QVERIFY2(info.ok, qPrintable(info.error));
        QCOMPARE(info.hasVideo(), !s.audioOnly);
        QCOMPARE(info.hasAudio(), audio);
        QVERIFY2(qAbs(info.durationMs - 4500) <= 300, qPrintable(QString::number(info.durationMs)));
        // No join repeats a picture's time stamp.
        QProcess ffprobe;
        ffprobe.start("ffprobe", {"-v", "error", "-select_streams", "v", "-show_entries", "packet=pts", "-of", "csv=p=0", target});
        QVERIFY(ffprobe.waitForFinished(60000));
        QList<QByteArray> stamps = ffprobe.readAllStandardOutput().trimmed().split('\n');
        std::sort(stamps.begin(), stamps.end(), [](const QByteArray &a, const QByteArray &b) { return a.toLongLong() < b.toLongLong(); });
        QVERIFY2(std::adjacent_find(stamps.begin(), stamps.end()) == stamps.end(), qPrintable(stamps.join(' ')));
        for (const QString &seg : segments)
            QVERIFY(QFileInfo::exists(seg)); // only read
    }

    // Each segment's sound runs 0.3 s past its picture (an encoder that stopped its picture
    // first) and beeps 0.5 s after its picture starts. Heard as a player plays it, sample after
    // sample, every beep of the joined file keeps to its own segment's picture: 1.5 s apart, not
    // 1.8 s (the sound before it played to its end).
    void soundOutlastingItsPictureKeepsToTheNextPicture()
    {
        const QString dir = folder();
        QStringList segments;
        for (int i = 1; i <= 3; ++i) {
            const QString seg = QDir(dir).filePath(QStringLiteral("long sound %1.mp4").arg(i));
            QVERIFY(TestMedia::runFfmpeg(
                {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc2=size=320x240:rate=30:d=1.5",
                 "-f", "lavfi", "-i", "sine=frequency=1000:sample_rate=48000:d=0.1,adelay=500:all=1,apad=whole_dur=1.8",
                 "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-ac", "2",
                 "-movflags", "+frag_keyframe+empty_moov+default_base_moof", seg}));
            segments << seg;
        }
        const QString target = QDir(dir).filePath("joined.mp4");
        const Result r = merge(segments, dir, target, false, MergeSettings());
        QVERIFY2(r.ok, qPrintable(r.detail));
        QString out;
        QVERIFY(TestMedia::runFfmpeg({"-hide_banner", "-nostats", "-i", target, "-vn", "-af",
                                      "asetpts=N/SR/TB,silencedetect=noise=-40dB:d=0.05", "-f", "null", "-"},
                                     &out));
        QList<double> beeps;
        auto it = QRegularExpression(QStringLiteral("silence_end: (-?[0-9.]+)")).globalMatch(out);
        while (it.hasNext())
            beeps << it.next().captured(1).toDouble();
        QVERIFY2(beeps.size() >= 3, qPrintable(out.right(800)));
        const double second = beeps[1] - beeps[0];
        const double third = beeps[2] - beeps[0];
        // Within 60 ms: the pictures as probed last 1.52 s (their stream counts the sound's
        // encoder delay); the sound played to its end would put them 1.8 s apart.
        QVERIFY2(qAbs(second - 1.5) < 0.06 && qAbs(third - 3.0) < 0.06,
                 qPrintable(QStringLiteral("beeps %1 s and %2 s after the first, expected 1.5 and 3").arg(second).arg(third)));
    }

    // A segment's picture starts 67 ms after its sound (the encoder's frame reordering): the
    // join holds the picture back by as much instead of starting both at 0, which put the
    // sound 67 ms late against the picture in every re-encoded segment. Unknown or absurd
    // distances join as before.
    void reencodeKeepsEachSegmentsStreamDistance()
    {
        const auto info = [](double videoStart, double audioStart) {
            MediaInfo i;
            i.ok = true;
            MediaStreamInfo v;
            v.type = QStringLiteral("video");
            v.size = QSize(320, 240);
            v.startSeconds = videoStart;
            MediaStreamInfo a;
            a.type = QStringLiteral("audio");
            a.startSeconds = audioStart;
            i.streams = {v, a};
            i.durationMs = 3000;
            return i;
        };
        QCOMPARE(SegmentMerger::streamLeads(info(0.066667, 0)).videoSeconds, 0.066667);
        QCOMPARE(SegmentMerger::streamLeads(info(0.066667, 0)).audioSeconds, 0.0);
        QCOMPARE(SegmentMerger::streamLeads(info(0, 0.04)).audioSeconds, 0.04);
        QCOMPARE(SegmentMerger::streamLeads(info(-1, 0)).videoSeconds, 0.0);
        QCOMPARE(SegmentMerger::streamLeads(info(5, 0)).videoSeconds, 0.0);
        MergeSettings s;
        s.fps = 30;
        const QString graph = SegmentMerger::reencodeArguments({"a.mp4", "b.mp4"}, {info(0.066667, 0), info(0, 0.04)},
                                                                "out.mp4", s, nullptr)
                                  .join(' ');
        QVERIFY2(graph.contains("[0:v:0]setpts=PTS-STARTPTS,tpad=start_duration=0.067:start_mode=clone,"), qPrintable(graph));
        QVERIFY2(graph.contains("channel_layouts=stereo,adelay=40|40[a1]"), qPrintable(graph));
        QVERIFY2(!graph.contains("[1:v:0]setpts=PTS-STARTPTS,tpad") && !graph.contains("stereo,adelay=67"), qPrintable(graph));
    }

    void differentSizesAreReencodedIntoOneSize()
    {
        const QString dir = folder();
        const QString a = QDir(dir).filePath("a.mp4");
        const QString b = QDir(dir).filePath("b.mp4");
        QVERIFY(TestMedia::makeSegment(a, 2, QSize(320, 240), true, "mp4"));
        QVERIFY(TestMedia::makeSegment(b, 2, QSize(640, 360), true, "mp4"));
        const QString target = QDir(dir).filePath("out.mp4");
        MergeSettings s;
        s.fps = 30;
        const Result r = merge({a, b}, dir, target, false, s);
        QVERIFY2(r.ok, qPrintable(r.detail));
        // A copy would have exited 0 with the first segment's header: it must not be kept.
        QCOMPARE(r.steps.last(), true);
        const MediaInfo info = TestMedia::probe(target);
        // The last segment's size (the smaller one after a resolution downgrade).
        QCOMPARE(info.videoSize(), QSize(640, 360));
        QVERIFY(qAbs(info.durationMs - 4000) <= 300);

        // With a size given, everything is fitted into that size.
        s.frameSize = QSize(160, 90);
        const Result r2 = merge({a, b}, dir, target, true, s);
        QVERIFY2(r2.ok, qPrintable(r2.detail));
        QCOMPARE(r2.steps, QList<bool>{true}); // a re-encode asked for never tries a copy first
        QCOMPARE(TestMedia::probe(target).videoSize(), QSize(160, 90));
    }

    void audioThatStartsLaterIsKept_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("mp4") << "mp4";
        QTest::newRow("mkv") << "mkv";
    }

    void audioThatStartsLaterIsKept()
    {
        // The microphone was switched on after the first segment.
        QFETCH(QString, kind);
        const QString dir = folder();
        const QString a = QDir(dir).filePath("silent." + kind);
        const QString b = QDir(dir).filePath("tone." + kind);
        QVERIFY(TestMedia::makeSegment(a, 3, QSize(320, 240), false, kind));
        QVERIFY(TestMedia::makeSegment(b, 3, QSize(320, 240), true, kind));
        const QString target = QDir(dir).filePath("joined 中文." + kind);
        MergeSettings s;
        s.videoContainer = kind;
        const Result r = merge({a, b}, dir, target, false, s);
        QVERIFY2(r.ok, qPrintable(r.detail));
        const MediaInfo info = TestMedia::probe(target);
        QVERIFY(info.hasVideo());
        QVERIFY(info.hasAudio());
        QVERIFY2(qAbs(info.durationMs - 6000) <= 300, qPrintable(QString::number(info.durationMs)));
        QVERIFY(TestMedia::meanVolume(target, 0.2, 2.5) < -80);  // silence first
        QVERIFY(TestMedia::meanVolume(target, 3.3, 2.5) > -30);  // then the tone
    }

    void killedMatroskaSegmentJoins()
    {
        // A Matroska segment whose encoder was killed has no duration in its header.
        const QString dir = folder();
        const QString killed = QDir(dir).filePath("killed.mkv");
        QProcess enc;
        enc.start("ffmpeg", {"-hide_banner", "-loglevel", "error", "-y", "-re", "-f", "lavfi", "-i",
                             "testsrc2=size=320x240:rate=30", "-c:v", "libx264", "-preset", "ultrafast", "-g", "30",
                             "-flush_packets", "1", killed});
        QVERIFY(enc.waitForStarted());
        QTest::qWait(4000);
        enc.kill();
        enc.waitForFinished();
        const MediaInfo k = TestMedia::probe(killed);
        QVERIFY2(k.ok, qPrintable(k.error));
        QVERIFY2(k.durationMs > 1500, qPrintable(QString::number(k.durationMs)));

        const QString withAudio = QDir(dir).filePath("next.mkv");
        QVERIFY(TestMedia::makeSegment(withAudio, 2, QSize(320, 240), true, "mkv"));
        const QString target = QDir(dir).filePath("out.mkv");
        MergeSettings s;
        s.videoContainer = "mkv";
        const Result r = merge({killed, withAudio}, dir, target, false, s);
        QVERIFY2(r.ok, qPrintable(r.detail));
        const MediaInfo info = TestMedia::probe(target);
        QVERIFY(info.hasAudio());
        QVERIFY2(qAbs(info.durationMs - (k.durationMs + 2000)) <= 400, qPrintable(QString::number(info.durationMs)));
    }

    void failureKeepsSegmentsAndSaysWhy()
    {
        const QString dir = folder();
        const QString a = QDir(dir).filePath("a.mp4");
        const QString b = QDir(dir).filePath("b.mp4");
        QVERIFY(TestMedia::makeSegment(a, 1, QSize(320, 240), false, "mp4"));
        QVERIFY(TestMedia::makeSegment(b, 1, QSize(320, 240), false, "mp4"));
        // The target name is taken by a folder: both the copy and the re-encode fail.
        const QString target = QDir(dir).filePath("blocked.mp4");
        QVERIFY(QDir().mkpath(target));
        const Result r = merge({a, b}, dir, target, false, MergeSettings());
        QVERIFY(!r.ok);
        QCOMPARE(r.steps, (QList<bool>{false, true})); // copy, then one re-encode
        QVERIFY(!r.detail.trimmed().isEmpty());
        QVERIFY(QFileInfo(a).size() > 0 && QFileInfo(b).size() > 0);

        // A segment that is not media: no copy of garbage, a clear reason.
        const QString junk = QDir(dir).filePath("junk.mp4");
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 'z'));
        f.close();
        const Result r2 = merge({a, junk}, dir, QDir(dir).filePath("o.mp4"), false, MergeSettings());
        QVERIFY(!r2.ok);
        QVERIFY2(r2.detail.contains(junk), qPrintable(r2.detail));
        QVERIFY(QFileInfo::exists(junk));

        // No ffmpeg at all.
        MergeSettings missing;
        missing.ffmpegProgram = "/nonexistent/ffmpeg";
        const Result r3 = merge({a, b}, dir, QDir(dir).filePath("o2.mp4"), false, missing);
        QVERIFY(!r3.ok);
        QVERIFY(r3.detail.contains("/nonexistent/ffmpeg"));
    }
};

QTEST_GUILESS_MAIN(TestSegmentMerge)
#include "tst_segmentmerge.moc"
