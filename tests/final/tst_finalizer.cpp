// Finalisation of a finished segment chain with the real ffmpeg: move or merge, the watermark
// pass and its fallbacks, the swap with an existing file, and failures that must keep every
// recorded byte.
#include "../support/FakeTool.h"
#include "../support/TestMedia.h"
#include "recording/FfmpegEscape.h"
#include "recording/RecordingFinalizer.h"

#include <QScopeGuard>
#include <QtTest>

#include <unistd.h>

class TestFinalizer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    int m_case = 0;

    struct Run
    {
        QStringList messages;
        QStringList warnings;
        QStringList errors;
        QList<int> percents;
        QList<bool> finalizing;
        QString stopped = QStringLiteral("<none>");
    };

    // A recording's layout: <dir>/<name>.mp4 and its parts folder with the segments.
    struct Recording
    {
        QString dir;
        QString output;
        QString parts;
        QStringList segments;
    };

    Recording makeRecording(int segments, const QString &kind = QStringLiteral("mp4"), double seconds = 1.5,
                            bool audio = true, QSize size = QSize(320, 240))
    {
        Recording r;
        r.dir = QDir(m_tmp.path()).filePath(QStringLiteral("%1 %2").arg(TestMedia::awkwardName()).arg(++m_case));
        QDir().mkpath(r.dir);
        r.output = QDir(r.dir).filePath(QStringLiteral("Vistrelle 录制 'one'.%1").arg(kind));
        r.parts = QDir(r.dir).filePath(QStringLiteral("Vistrelle 录制 'one'.vistrelle-parts"));
        QDir().mkpath(r.parts);
        for (int i = 1; i <= segments; ++i) {
            const QString seg = QDir(r.parts).filePath(QStringLiteral("segment_%1.%2").arg(i, 4, 10, QLatin1Char('0')).arg(kind));
            if (!TestMedia::makeSegment(seg, seconds, size, audio, kind, 500 + 200 * i))
                qWarning() << "could not make" << seg;
            r.segments << seg;
        }
        return r;
    }

    static FinalizationJob jobFor(const Recording &r, const QString &kind = QStringLiteral("mp4"))
    {
        FinalizationJob job;
        job.outputPath = r.output;
        job.partsFolder = r.parts;
        job.segmentFiles = r.segments;
        job.merge.audioOnly = kind != "mp4" && kind != "mkv";
        job.merge.audioFormat = kind;
        job.merge.videoContainer = job.merge.audioOnly ? QStringLiteral("mp4") : kind;
        job.merge.videoBitrate = 2000;
        for (const QString &s : r.segments)
            job.recordedMs += TestMedia::probe(s).durationMs;
        return job;
    }

    static Run finalize(RecordingFinalizer &f, const FinalizationJob &job,
                        const std::function<void(RecordingFinalizer &, Run &)> &during = {})
    {
        Run run;
        QObject ctx;
        QObject::connect(&f, &RecordingFinalizer::finalizingMessageChanged, &ctx, [&](const QString &m) { run.messages << m; });
        QObject::connect(&f, &RecordingFinalizer::finalizationWarning, &ctx, [&](const QString &m) { run.warnings << m; });
        QObject::connect(&f, &RecordingFinalizer::errorOccurred, &ctx, [&](const QString &m) { run.errors << m; });
        QObject::connect(&f, &RecordingFinalizer::finalizingChanged, &ctx, [&](bool a) { run.finalizing << a; });
        QObject::connect(&f, &RecordingFinalizer::finalizationProgressChanged, &ctx,
                         [&](int p, int, int, qint64, bool) {
                             run.percents << p;
                             if (during)
                                 during(f, run);
                         });
        QSignalSpy stopped(&f, &RecordingFinalizer::stopped);
        f.start(job);
        if (stopped.isEmpty() && !stopped.wait(240000))
            return run;
        run.stopped = stopped.first().first().toString();
        return run;
    }

    static QStringList leftovers(const QString &dir)
    {
        QStringList found;
        QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            if (f.contains(".merging.") || f.contains(".watermarking."))
                found << f;
        }
        return found;
    }

private slots:
    void initTestCase() { QVERIFY(m_tmp.isValid()); }

    void singleSegmentIsMoved()
    {
        const Recording r = makeRecording(1);
        const qint64 size = QFileInfo(r.segments.first()).size();
        RecordingFinalizer f;
        const Run run = finalize(f, jobFor(r));
        QCOMPARE(run.stopped, r.output);
        QCOMPARE(run.messages.first(), QString("正在准备录制文件…"));
        QCOMPARE(run.finalizing, (QList<bool>{true, false}));
        QCOMPARE(QFileInfo(r.output).size(), size); // moved, not re-encoded
        QVERIFY(!QFileInfo::exists(r.parts));
        QVERIFY(run.errors.isEmpty() && run.warnings.isEmpty());
    }

    void severalSegmentsAreMergedAndCleanedUp_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("mp4") << "mp4";
        QTest::newRow("mkv") << "mkv";
        QTest::newRow("wav") << "wav";
        QTest::newRow("mp3") << "mp3";
    }

    void severalSegmentsAreMergedAndCleanedUp()
    {
        QFETCH(QString, kind);
        const Recording r = makeRecording(3, kind);
        FinalizationJob job = jobFor(r, kind);
        job.watermarkFilter = "drawbox=x=0:y=0:w=20:h=20:color=red:t=fill"; // ignored for audio only
        RecordingFinalizer f;
        const Run run = finalize(f, job);
        QCOMPARE(run.stopped, r.output);
        QCOMPARE(run.messages.first(), QString("正在安全合并录制分段…"));
        const MediaInfo info = TestMedia::probe(r.output);
        QVERIFY(qAbs(info.durationMs - 4500) <= 300);
        QVERIFY(!QFileInfo::exists(r.parts));
        QVERIFY(leftovers(r.dir).isEmpty());
        if (job.merge.audioOnly)
            QVERIFY(!run.messages.contains("正在添加水印…"));
    }

    void failedMergeKeepsEverySegment()
    {
        const Recording r = makeRecording(2);
        FinalizationJob job = jobFor(r);
        QVERIFY(QDir().mkpath(RecordingFinalizer::mergeTargetPath(job))); // the merge cannot write
        RecordingFinalizer f;
        const Run run = finalize(f, job);
        QCOMPARE(run.stopped, QString());
        QCOMPARE(run.errors.size(), 1);
        QVERIFY2(run.errors.first().contains(r.parts), qPrintable(run.errors.first()));
        QCOMPARE(run.finalizing, (QList<bool>{true, false}));
        for (const QString &s : r.segments)
            QVERIFY(TestMedia::probe(s).ok);
        QVERIFY(!QFileInfo::exists(r.output));
    }

    void joinWithoutRoomNamesTheFullDisk()
    {
        // The output's folder on a disk too small for the joined file.
        if (::geteuid() != 0)
            QSKIP("mounting a small disk for the test needs root");
        const Recording r = makeRecording(2);
        const QString disk = QDir(r.dir).filePath("disk");
        QVERIFY(QDir().mkpath(disk));
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "tmpfs", disk}) != 0)
            QSKIP("this machine does not let the test mount a small disk (tmpfs)");
        const auto unmount = qScopeGuard([&disk] { QProcess::execute("umount", {"-l", disk}); });
        FinalizationJob job = jobFor(r);
        job.outputPath = QDir(disk).filePath("joined.mp4");
        RecordingFinalizer f;
        const Run run = finalize(f, job);
        QCOMPARE(run.stopped, QString());
        QCOMPARE(run.errors.size(), 1);
        // Said as the disk being full, not in the encoder's words.
        const QString told = run.errors.first();
        QVERIFY2(told.contains(QStringLiteral("保存磁盘 %1 已满，分段没有合并成一个文件。").arg(disk))
                     && !told.contains("No space left"),
                 qPrintable(told));
        for (const QString &s : r.segments)
            QVERIFY(TestMedia::probe(s).ok);
    }

    void existingOutputIsNeverLost()
    {
        const Recording r = makeRecording(2);
        {
            QFile old(r.output);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("earlier recording");
        }
        // A backup left by an earlier failed swap must survive as well.
        {
            QFile stale(r.output + ".vistrelle-backup");
            QVERIFY(stale.open(QIODevice::WriteOnly));
            stale.write("only copy");
        }
        RecordingFinalizer f;
        const Run run = finalize(f, jobFor(r));
        QCOMPARE(run.stopped, r.output);
        QVERIFY(TestMedia::probe(r.output).hasVideo());
        QCOMPARE(run.warnings.size(), 1);
        const QString backup = r.output + ".vistrelle-backup.2";
        QVERIFY(run.warnings.first().contains(backup));
        QFile kept(backup);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("earlier recording"));
        QFile stale(r.output + ".vistrelle-backup");
        QVERIFY(stale.open(QIODevice::ReadOnly));
        QCOMPARE(stale.readAll(), QByteArray("only copy"));
    }

    void failedSwapPutsTheOldFileBack()
    {
        const Recording r = makeRecording(2);
        {
            QFile old(r.output);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("earlier recording");
        }
        RecordingFinalizer f;
        const QString target = RecordingFinalizer::mergeTargetPath(jobFor(r));
        f.setRenameFunction([&](const QString &from, const QString &to) {
            if (from == target && to == r.output)
                return false; // the new file cannot be moved in
            return QFile::rename(from, to);
        });
        const Run run = finalize(f, jobFor(r));
        QCOMPARE(run.stopped, QString());
        QCOMPARE(run.errors.size(), 1);
        QVERIFY(run.errors.first().contains(r.parts));
        QVERIFY(run.errors.first().contains(target)); // the finished result, to recover by hand
        QFile old(r.output);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("earlier recording"));
        QVERIFY(TestMedia::probe(target).hasVideo());
        for (const QString &s : r.segments)
            QVERIFY(QFileInfo::exists(s));

        // The backup itself cannot be made: the old file is not touched at all.
        RecordingFinalizer g;
        g.setRenameFunction([&](const QString &from, const QString &to) {
            return from == r.output ? false : QFile::rename(from, to);
        });
        const Run run2 = finalize(g, jobFor(r));
        QCOMPARE(run2.stopped, QString());
        QVERIFY(run2.errors.first().contains("目标文件已存在且无法安全备份"));
        QVERIFY(old.seek(0));
        QCOMPARE(old.readAll(), QByteArray("earlier recording"));
    }

    void watermarkIsBurnedIn()
    {
        const Recording r = makeRecording(2, "mp4", 1.5, true, QSize(320, 240));
        const QString reference = QDir(r.dir).filePath("reference.mp4");
        QVERIFY(QFile::copy(r.segments.first(), reference));
        // The text comes from a file whose path needs both levels of filter escaping.
        const QString textFile = QDir(r.dir).filePath("mark 'a:b' [c],d;e 中.txt");
        {
            QFile t(textFile);
            QVERIFY(t.open(QIODevice::WriteOnly));
            t.write("WM");
        }
        FinalizationJob job = jobFor(r);
        job.watermarkFilter = "drawbox=x=0:y=0:w=64:h=48:color=red:t=fill,drawtext=textfile="
            + FfmpegEscape::filterGraphPath(textFile) + ":x=200:y=200:fontsize=24:fontcolor=white";
        RecordingFinalizer f;
        const Run run = finalize(f, job);
        QCOMPARE(run.stopped, r.output);
        QVERIFY2(run.warnings.isEmpty(), qPrintable(run.warnings.join('\n')));
        QVERIFY(run.messages.contains("正在添加水印…"));
        QCOMPARE(run.percents.last(), 100);
        QVERIFY(TestMedia::probe(r.output).hasAudio());
        const QByteArray marked = TestMedia::frameRgb(r.output, 0.5);
        const QByteArray plain = TestMedia::frameRgb(reference, 0.5);
        QCOMPARE(marked.size(), 320 * 240 * 3);
        // The corner is red now and was not before; the rest of the picture is the same.
        const QColor corner = TestMedia::averageColor(marked, 320, 4, 4, 56, 40);
        QVERIFY2(corner.red() > 200 && corner.green() < 60 && corner.blue() < 60, qPrintable(corner.name()));
        const QColor before = TestMedia::averageColor(plain, 320, 4, 4, 56, 40);
        QVERIFY2(!(before.red() > 200 && before.green() < 60 && before.blue() < 60), qPrintable(before.name()));
        QVERIFY(TestMedia::regionDifference(marked, plain, 320, 4, 4, 56, 40) > 40);
        QVERIFY(TestMedia::regionDifference(marked, plain, 320, 100, 60, 60, 60) < 30);
        QVERIFY(leftovers(r.dir).isEmpty());
        QVERIFY(!QFileInfo::exists(r.parts));
    }

    void brokenWatermarkPublishesThePlainFile()
    {
        const Recording r = makeRecording(2);
        FinalizationJob job = jobFor(r);
        job.watermarkFilter = "nosuchfilter=1";
        RecordingFinalizer f;
        const Run run = finalize(f, job);
        QCOMPARE(run.stopped, r.output);
        QCOMPARE(run.warnings, QStringList{"水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。"});
        QVERIFY(qAbs(TestMedia::probe(r.output).durationMs - 3000) <= 300);
        QVERIFY(leftovers(r.dir).isEmpty());
        QVERIFY(!run.messages.contains("正在使用兼容编码器重新添加水印…")); // libx264 is not retried
    }

    void hardwareEncoderFallsBackOnce()
    {
        const Recording r = makeRecording(1);
        FinalizationJob job = jobFor(r);
        job.watermarkFilter = "drawbox=x=0:y=0:w=64:h=48:color=red:t=fill";
        job.watermarkEncoder = "h264_nvenc"; // no such hardware here
        RecordingFinalizer f;
        const Run run = finalize(f, job);
        QCOMPARE(run.stopped, r.output);
        QCOMPARE(run.messages.count("正在使用兼容编码器重新添加水印…"), 1);
        QVERIFY(run.warnings.isEmpty());
        const MediaInfo info = TestMedia::probe(r.output);
        QCOMPARE(info.streams.first().codec, QString("h264"));

        // When the compatible run fails too, the plain file is published with the warning.
        const Recording r2 = makeRecording(1);
        FinalizationJob job2 = jobFor(r2);
        job2.watermarkFilter = "nosuchfilter";
        job2.watermarkEncoder = "h264_videotoolbox";
        RecordingFinalizer g;
        const Run run2 = finalize(g, job2);
        QCOMPARE(run2.stopped, r2.output);
        QCOMPARE(run2.messages.count("正在使用兼容编码器重新添加水印…"), 1);
        QCOMPARE(run2.warnings.size(), 1);
    }

    void cancelDuringWatermark()
    {
        const Recording r = makeRecording(2, "mp4", 6, true, QSize(1280, 720));
        FinalizationJob job = jobFor(r);
        job.watermarkFilter = "drawbox=x=0:y=0:w=64:h=48:color=red:t=fill";
        RecordingFinalizer f;
        int cancels = 0;
        const Run run = finalize(f, job, [&](RecordingFinalizer &fin, Run &current) {
            if (current.messages.contains("正在添加水印…") && current.percents.last() >= 1 && cancels == 0) {
                ++cancels;
                fin.cancel();
                fin.cancel(); // a second cancel changes nothing
            }
        });
        QCOMPARE(cancels, 1);
        QCOMPARE(run.stopped, r.output);
        QCOMPARE(run.messages.count("正在安全取消水印处理…"), 1);
        QCOMPARE(run.warnings, QStringList{"已取消添加水印，已保留无水印原视频。"});
        QVERIFY(qAbs(TestMedia::probe(r.output).durationMs - 12000) <= 400);
        QVERIFY(leftovers(r.dir).isEmpty());
    }

    // The program going away during finalisation: the running step stops and the segments are
    // left in the parts folder as the recording left them, never half-way renamed.
    void abandonedFinalisationPutsTheSegmentsBack_data()
    {
        QTest::addColumn<int>("segments");
        QTest::addColumn<QString>("watermark");
        QTest::newRow("moved segment, watermark running") << 1 << QStringLiteral("drawbox=x=0:y=0:w=20:h=20:color=red:t=fill");
        QTest::newRow("merge running") << 3 << QString();
    }

    void abandonedFinalisationPutsTheSegmentsBack()
    {
        QFETCH(int, segments);
        QFETCH(QString, watermark);
        const Recording r = makeRecording(segments, QStringLiteral("mp4"), 4.0);
        QList<qint64> sizes;
        for (const QString &seg : r.segments)
            sizes << QFileInfo(seg).size();
        FinalizationJob job = jobFor(r);
        job.watermarkFilter = watermark;
        // An encoder that takes its time, so that the step is still running when abandoned.
        const QString slow = QDir(r.dir).filePath(QStringLiteral("slow-ffmpeg"));
        QVERIFY(writeScript(slow, "sleep 3\nexec ffmpeg \"$@\"\n"));
        job.merge.ffmpegProgram = slow;
        {
            RecordingFinalizer f;
            QSignalSpy finished(&f, &RecordingFinalizer::stopped);
            QSignalSpy errors(&f, &RecordingFinalizer::errorOccurred);
            f.start(job);
            QVERIFY(f.isActive());
            QTest::qWait(300); // the step's ffmpeg is running
            f.abandon();
            QVERIFY(!f.isActive());
            QTest::qWait(300);
            QCOMPARE(finished.size(), 0);
            QCOMPARE(errors.size(), 0);
        }
        for (int i = 0; i < segments; ++i)
            QCOMPARE(QFileInfo(r.segments.at(i)).size(), sizes.at(i));
        QCOMPARE(leftovers(r.dir), QStringList());
        QVERIFY(!QFileInfo::exists(r.output));

        // Nothing was lost: the same job still finishes afterwards.
        QFile::remove(slow);
        job.merge.ffmpegProgram = QStringLiteral("ffmpeg");
        RecordingFinalizer again;
        const Run run = finalize(again, job);
        QCOMPARE(run.stopped, r.output);
    }
};

QTEST_GUILESS_MAIN(TestFinalizer)
#include "tst_finalizer.moc"
