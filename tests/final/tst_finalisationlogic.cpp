// Decisions and text work of finalisation and the recording policies, without running ffmpeg.
#include "recording/FfmpegEscape.h"
#include "recording/RecordingFinalizer.h"
#include "recording/RecordingPolicy.h"
#include "recording/SegmentMerger.h"
#include "recording/WatermarkPass.h"
#include "recording/WatermarkProgress.h"

#include <QtTest>

using Action = RecordingPolicy::Action;

class TestFinalisationLogic : public QObject
{
    Q_OBJECT

    static RecordingPolicy::Snapshot running()
    {
        RecordingPolicy::Snapshot s;
        s.active = true;
        s.encoderRunning = true;
        s.recordingMs = 0;
        s.segmentMs = 0;
        return s;
    }

private slots:
    void policyDecisions()
    {
        RecordingPolicy::Limit stopByTime{true, 0, 1, 1000};
        RecordingPolicy::Limit none;
        auto s = running();
        s.recordingMs = 59999;
        QCOMPARE(RecordingPolicy::decide(stopByTime, none, s), Action::None);
        // The recording timer runs on through pauses: one minute of wall time stops it.
        s.recordingMs = 60000;
        QCOMPARE(RecordingPolicy::decide(stopByTime, none, s), Action::Stop);
        // A timer that never started does not stop anything.
        s.recordingMs = -1;
        QCOMPARE(RecordingPolicy::decide(stopByTime, none, s), Action::None);

        // Split at exactly the size limit of the running segment, not of the whole recording.
        RecordingPolicy::Limit splitBySize{true, 1, 10, 500};
        s = running();
        s.totalBytes = 2000LL * RecordingPolicy::kMegabyte;
        s.segmentBytes = 524288000 - 1;
        QCOMPARE(RecordingPolicy::decide(none, splitBySize, s), Action::None);
        s.segmentBytes = 524288000;
        QCOMPARE(RecordingPolicy::decide(none, splitBySize, s), Action::Split);

        // Stop wins over split at the same tick.
        RecordingPolicy::Limit stopBySize{true, 1, 30, 500};
        s.totalBytes = 524288000;
        QCOMPARE(RecordingPolicy::decide(stopBySize, splitBySize, s), Action::Stop);

        RecordingPolicy::Limit splitByTime{true, 0, 2, 500};
        s = running();
        s.recordingMs = 10 * 60000; // long recording, but a fresh segment
        s.segmentMs = 119999;
        QCOMPARE(RecordingPolicy::decide(none, splitByTime, s), Action::None);
        s.segmentMs = 120000;
        QCOMPARE(RecordingPolicy::decide(none, splitByTime, s), Action::Split);

        // Nothing while paused, with an end pending, or without a running encoder.
        for (int i = 0; i < 3; ++i) {
            auto q = s;
            q.totalBytes = q.segmentBytes = 1LL << 40;
            q.paused = i == 0;
            q.endPending = i == 1;
            q.encoderRunning = i != 2;
            QCOMPARE(RecordingPolicy::decide(stopBySize, splitBySize, q), Action::None);
            QVERIFY(!RecordingPolicy::liveSwitchRestarts(q));
        }
        QVERIFY(RecordingPolicy::liveSwitchRestarts(s));
        QCOMPARE(RecordingPolicy::downgradedCaptureSize(QSize(1920, 1080)), QSize(1280, 720));
        QCOMPARE(RecordingPolicy::downgradedCaptureSize(QSize(3840, 2160)), QSize(1920, 1080));
    }

    void audioOnlySizeEstimate()
    {
        // 10 s of MP3 at 192 kbps is shown as at least 240000 bytes.
        QCOMPARE(RecordingPolicy::estimatedDisplayBytes(1000, true, "mp3", 192, 4000, 6000), 240000);
        QCOMPARE(RecordingPolicy::estimatedDisplayBytes(999999, true, "mp3", 192, 10000, -1), 999999);
        QCOMPARE(RecordingPolicy::estimatedDisplayBytes(0, true, "wav", 192, 1000, -1), 192000);
        QCOMPARE(RecordingPolicy::estimatedDisplayBytes(0, true, "flac", 192, 1000, -1), 112500);
        QCOMPARE(RecordingPolicy::estimatedDisplayBytes(5, true, "mp3", 0, 8, -1), 5); // 8 ms x 1 kbps
        QCOMPARE(RecordingPolicy::estimatedDisplayBytes(77, true, "mp3", 192, 0, -1), 77);
        QCOMPARE(RecordingPolicy::estimatedDisplayBytes(77, false, "mp3", 192, 100000, 100), 77);
    }

    void watermarkProgressBothKeysAndCap()
    {
        WatermarkProgress p(60000);
        auto u = p.feed("frame=10\nout_time_us=30000000\n", 1000);
        QVERIFY(u);
        QCOMPARE(u->percent, 50);
        QCOMPARE(u->remainingSeconds, 1);

        WatermarkProgress q(60000);
        u = q.feed("out_time_ms=30000000\n", -1);
        QVERIFY(u);
        QCOMPARE(u->percent, 50);
        QCOMPARE(u->remainingSeconds, -1); // no clock

        // The same percent once only; a number cut by a read is not taken early.
        QVERIFY(!q.feed("out_time_us=30000001\nout_time_ms=30000001\n", 5000));
        QVERIFY(!q.feed("out_time_us=4", 5000));
        u = q.feed("5000000\n", 5000);
        QVERIFY(u);
        QCOMPARE(u->percent, 75);
        QCOMPARE(u->remainingSeconds, 2); // 5000 * 25 / 75 ms, rounded up

        // Never 100 from progress alone, even past the end.
        u = q.feed("out_time_us=90000000\n", 6000);
        QVERIFY(u);
        QCOMPARE(u->percent, 99);
        QVERIFY(!q.feed("out_time_us=95000000\n", 6000));

        // Unknown duration: no percentages.
        WatermarkProgress zero(0);
        QVERIFY(!zero.feed("out_time_us=1000000\n", 100));

        // The buffer stays bounded and still finds the newest value.
        WatermarkProgress big(100000);
        QByteArray noise(40000, 'x');
        big.feed(noise, 10);
        QVERIFY(big.buffer().size() <= WatermarkProgress::kKeepBytes);
        u = big.feed("\nout_time_us=10000000\n", 10);
        QVERIFY(u);
        QCOMPARE(u->percent, 10);
    }

    void escaping()
    {
        QCOMPARE(FfmpegEscape::concatListLine("/a/it's here.mp4"), QString("file '/a/it'\\''s here.mp4'\n"));
        QCOMPARE(FfmpegEscape::filterGraphPath("/x/a'b:c d"), QString("/x/a\\\\\\'b\\\\:c\\ d"));
        QCOMPARE(FfmpegEscape::filterGraphText("[a],b;c"), QString("\\[a\\]\\,b\\;c"));

        QTemporaryDir dir;
        QString error;
        const QString list = dir.filePath("concat.txt");
        QVERIFY(FfmpegEscape::writeConcatList(list, {"/p/中文 é.mp4"}, &error));
        QFile f(list);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), QString("file '/p/中文 é.mp4'\n"));
        QVERIFY(!FfmpegEscape::writeConcatList(list, {"/p/a\nb.mp4"}, &error));
        QVERIFY(error.contains("line break"));
        QVERIFY(!FfmpegEscape::writeConcatList(dir.filePath("no/such/dir/c.txt"), {"/a"}, &error));
    }

    void names()
    {
        FinalizationJob job;
        job.outputPath = "/m/rec";
        job.merge.videoContainer = "mkv";
        QCOMPARE(RecordingFinalizer::mergeTargetPath(job), QString("/m/rec.merging.mkv"));
        QCOMPARE(RecordingFinalizer::watermarkTargetPath(job), QString("/m/rec.watermarking.mkv"));
        job.merge.audioOnly = true;
        job.merge.audioFormat = "flac";
        QCOMPARE(RecordingFinalizer::mergeTargetPath(job), QString("/m/rec.merging.flac"));
        job.outputPath = "/m/rec.mp4";
        QCOMPARE(RecordingFinalizer::mergeTargetPath(job), QString("/m/rec.mp4.merging.mp4"));

        // A backup name is never one that is taken already.
        QTemporaryDir dir;
        const QString out = dir.filePath("a.mp4");
        QCOMPARE(RecordingFinalizer::uniqueBackupPath(out), out + ".vistrelle-backup");
        QFile(out + ".vistrelle-backup").open(QIODevice::WriteOnly);
        QFile(out + ".vistrelle-backup.2").open(QIODevice::WriteOnly);
        QCOMPARE(RecordingFinalizer::uniqueBackupPath(out), out + ".vistrelle-backup.3");
    }

    void mergeArguments()
    {
        MergeSettings s;
        s.audioOnly = true;
        s.audioFormat = "wav";
        MediaInfo audio;
        audio.ok = true;
        audio.durationMs = 2000;
        audio.streams << MediaStreamInfo{"audio", "pcm_s16le", {}, "a"};
        QString error;
        QStringList args = SegmentMerger::reencodeArguments({"/a.wav", "/b.wav"}, {audio, audio}, "/o.wav", s,
                                                            &error);
        QVERIFY2(!args.isEmpty(), qPrintable(error));
        QVERIFY(!args.contains("-b:a")); // no bit rate for WAV
        QVERIFY(args.contains("pcm_s16le"));
        QVERIFY(args.join(' ').contains("concat=n=2:v=0:a=1[a]"));

        // A video recording whose first segment has no audio still gets audio: silence of the
        // first segment's length, then the second one's sound.
        s = MergeSettings();
        s.videoContainer = "mkv";
        s.fps = 25;
        MediaInfo silent;
        silent.ok = true;
        silent.durationMs = 1500;
        silent.streams << MediaStreamInfo{"video", "h264", QSize(641, 481), "v"};
        MediaInfo loud = silent;
        loud.streams << MediaStreamInfo{"audio", "aac", {}, "a"};
        args = SegmentMerger::reencodeArguments({"/a.mkv", "/b.mkv"}, {silent, loud}, "/o.mkv", s, &error);
        const QString graph = args.value(args.indexOf("-filter_complex") + 1);
        QVERIFY(graph.contains("anullsrc=r=48000:cl=stereo,atrim=duration=1.500[a0]"));
        QVERIFY(graph.contains("scale=640:480")); // fitted into an even size
        QVERIFY(graph.contains("[v0][a0][v1][a1]concat=n=2:v=1:a=1[v][a]"));
        QVERIFY(!args.contains("+faststart"));
        QCOMPARE(args.last(), QString("/o.mkv"));

        // A segment that could not be read stops the re-encode with its reason.
        MediaInfo broken;
        broken.error = "bad data";
        QVERIFY(SegmentMerger::reencodeArguments({"/a", "/b"}, {silent, broken}, "/o", s, &error).isEmpty());
        QVERIFY(error.contains("bad data"));

        QCOMPARE(SegmentMerger::copyArguments("/l.txt", "/o.mp4", MergeSettings()).join(' '),
                 QString("-hide_banner -y -f concat -safe 0 -i /l.txt -c copy -movflags +faststart /o.mp4"));
        // Sound with a picture is placed by its time stamps, not packet after packet.
        QVERIFY(SegmentMerger::copyArguments("/l.txt", "/o.mp4", MergeSettings(), true)
                    .join(' ')
                    .contains("-c copy -c:a aac -b:a 192k -af aresample=async=1:min_hard_comp=0.001:first_pts=0"));
    }

    void watermarkArguments()
    {
        WatermarkJob job;
        job.source = "/in.mp4";
        job.output = "/out.mp4";
        job.filter = "drawbox=x=0:y=0:w=10:h=10";
        job.fps = 30;
        job.keyframeInterval = 0;
        job.videoBitrate = 6000;
        const QStringList args = WatermarkPass::arguments(job, "h264_videotoolbox");
        const QString line = args.join(' ');
        QVERIFY(line.contains("-vf drawbox=x=0:y=0:w=10:h=10 -c:v h264_videotoolbox -pix_fmt yuv420p -b:v 6000k"));
        QVERIFY(line.contains("-g 1 -fps_mode vfr -c:a copy -movflags +faststart /out.mp4"));
        QCOMPARE(WatermarkPass::encoderOptions("H264_NVENC", 1).value(1), QString("p4"));
        QCOMPARE(WatermarkPass::encoderOptions("h264_mf", 1).first(), QString("-hw_encoding"));
        QVERIFY(WatermarkPass::encoderOptions("libx264", 1).contains("high"));
    }

    void cancelTwiceAndWithoutWork()
    {
        // Cancelling an idle finalizer or pass does nothing and emits nothing.
        RecordingFinalizer f;
        QSignalSpy messages(&f, &RecordingFinalizer::finalizingMessageChanged);
        f.cancel();
        f.cancel();
        QCOMPARE(messages.count(), 0);
        WatermarkPass pass;
        pass.cancel();
        QVERIFY(!pass.isRunning());

        // No segment: the error and an empty stop, without the finalising signal.
        QSignalSpy finalizing(&f, &RecordingFinalizer::finalizingChanged);
        QSignalSpy errors(&f, &RecordingFinalizer::errorOccurred);
        QSignalSpy stopped(&f, &RecordingFinalizer::stopped);
        f.start(FinalizationJob());
        QCOMPARE(finalizing.count(), 0);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(stopped.first().first().toString(), QString());
    }
};

QTEST_GUILESS_MAIN(TestFinalisationLogic)
#include "tst_finalisationlogic.moc"
