// Failure handling of the segment chain, with a fake encoder standing in for ffmpeg
// (tests/road/fake-ffmpeg) and, where a segment must really record, the real one.
#include "../support/RoadTestSupport.h"
#include "recording/FramePipe.h"

#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>

using namespace road;

namespace {

} // namespace

class TestSegmentFailures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void missingEncoderFailsCleanlyAndLeavesNoFiles();
    void silentEncoderIsEndedByTheWatchdog();
    void silentPipedEncoderHasItsInputClosedNotFedQ();
    void quietEncoderWithDataIsAcceptedThenKilledAfterIgnoringTheStop();
    void stuckEncoderIsEndedSoonAndItsSegmentSaved_data();
    void stuckEncoderIsEndedSoonAndItsSegmentSaved();
    void errorMessageQuotesTheLastErrorLine();
    void errorLineIsCutTo300Characters();
    void sigkillWithoutErrorLineIsNamed();
    void encoderEndingByItselfKeepsItsSegments();
    void hardwareEncoderFallsBackOnceAndReopensTheFrameSource();
    void stopAfterResumeEndsTheResumedEncoder();
    void discardAfterResumeEndsTheResumedEncoder();
    void earlierKillTimerNeverKillsALaterSegment();
    void earlierRecordingsKillTimerNeverKillsTheNextRecording();
    void pauseBeforeFirstMediaWaitsForItAndAResumeFollows();
    void stopBeforeFirstMediaSavesNothingAndSaysSo_data();
    void stopBeforeFirstMediaSavesNothingAndSaysSo();
    void resizedFramesKeepTheFirstSegmentSize();
    void startChecksRefuseBeforeAnySegment();
    void keptSegmentsOfTheSameNameAreNeverOverwritten_data();
    void keptSegmentsOfTheSameNameAreNeverOverwritten();
    void realEncoderFailureOutputGivesItsLastErrorLine_data();
    void realEncoderFailureOutputGivesItsLastErrorLine();
    void destroyedWhilePausedLeavesTheSegmentsInPlace_data();
    void destroyedWhilePausedLeavesTheSegmentsInPlace();
    void destroyedWhileRecordingEndsItsSegmentProperly();
    void nextSegmentThatCannotLaunchFinishesWhatWasRecorded_data();
    void nextSegmentThatCannotLaunchFinishesWhatWasRecorded();
    void resumeWithoutSoundServerGoesOnWithSilence();

private:
    Recorder* makeWebcamRecorder();
    Recorder* makeAudioRecorder();

    QTemporaryDir* m_dir = nullptr;
    FrameFeed m_feed;
};

void TestSegmentFailures::initTestCase()
{
    // Most of its recordings are of the microphone, which only a sound server provides.
    if (qEnvironmentVariableIsEmpty("VISTRELLE_TEST_ENV"))
        QSKIP("needs the private test desktop's sound server (scripts/test-env.sh)");
}

void TestSegmentFailures::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    useSaveFolder(m_dir->path());
    qunsetenv("FAKE_FFMPEG_LOG");
    qunsetenv("FAKE_FFMPEG_ERROR");
    qunsetenv("FAKE_FFMPEG_STDIN");
    qunsetenv("FAKE_FFPROBE_DELAY");
    m_feed = FrameFeed();
}

void TestSegmentFailures::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
}

Recorder* TestSegmentFailures::makeWebcamRecorder()
{
    auto* recorder = new Recorder(this);
    recorder->setCaptureBackend(Recorder::FramesBackend);
    recorder->setFps(30);
    recorder->setEncoder(QStringLiteral("libx264"));
    recorder->setMouseEffectsEnabled(false);
    recorder->cameraFrameSource = [this] { return m_feed.next(); };
    return recorder;
}

Recorder* TestSegmentFailures::makeAudioRecorder()
{
    auto* recorder = new Recorder(this);
    recorder->setAudioOnly(true);
    recorder->setMicEnabled(true);
    recorder->setMicAudioDevice(QStringLiteral("default"));
    recorder->setAudioFormat(QStringLiteral("mp3"));
    return recorder;
}

void TestSegmentFailures::missingEncoderFailsCleanlyAndLeavesNoFiles()
{
    QTemporaryDir emptyBin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyBin.path().toLocal8Bit());
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.errors.size(), 1, 10000);
    qputenv("PATH", path);
    QVERIFY2(spies.lastError().startsWith(QStringLiteral("FFmpeg 启动失败")), qPrintable(spies.lastError()));
    QTest::qWait(200);
    QVERIFY(!recorder->isRecording());
    QVERIFY(!recorder->isPreparingStart());
    QCOMPARE(spies.started.size(), 0);
    QCOMPARE(spies.errors.size(), 1);
    QCOMPARE(filesBelow(m_dir->path()), QStringList());
}

void TestSegmentFailures::silentEncoderIsEndedByTheWatchdog()
{
    useFakeEncoder("silent");
    std::unique_ptr<Recorder> recorder(makeAudioRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->isRecording(), 10000);
    QTest::qWait(14000);
    QCOMPARE(spies.stopped.size(), 0);
    // At 15 s the encoder is asked to quit, and killed 1.5 s later as it ignores that.
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 6000);
    QCOMPARE(spies.started.size(), 0);
    QCOMPARE(spies.errors.size(), 1);
    QVERIFY2(spies.lastError().contains(QStringLiteral("录制分段异常")), qPrintable(spies.lastError()));
    QVERIFY(spies.lastError().contains(QStringLiteral("SIGKILL")));
    QVERIFY(!recorder->isRecording());
}

void TestSegmentFailures::silentPipedEncoderHasItsInputClosedNotFedQ()
{
    useFakeEncoder("drain");
    const QString stdinCopy = m_dir->filePath(QStringLiteral("stdin.raw"));
    qputenv("FAKE_FFMPEG_STDIN", stdinCopy.toLocal8Bit());
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 25000);
    // The watchdog closed the frame input; nothing but whole frames went in.
    const qint64 bytes = QFileInfo(stdinCopy).size();
    QVERIFY(bytes > 0);
    QProcess packets;
    packets.start(QStringLiteral("/usr/bin/ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"),
                                                       QStringLiteral("-show_entries"), QStringLiteral("packet=pos,size"),
                                                       QStringLiteral("-of"), QStringLiteral("csv=p=0"), stdinCopy});
    QVERIFY(packets.waitForFinished(30000));
    // The last frame (its size, then where it starts) whole, and nothing after it.
    const QList<QByteArray> last = packets.readAllStandardOutput().trimmed().split('\n').last().split(',');
    QCOMPARE(last.value(0).toLongLong(), FrameConversion::frameBytes(QSize(320, 240), FramePipe::Layout::I420));
    QCOMPARE(last.value(1).toLongLong() + last.value(0).toLongLong(), bytes);
    QFile file(stdinCopy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    file.seek(bytes - 2);
    QVERIFY(file.read(2) != QByteArray("q\n"));
    QCOMPARE(spies.started.size(), 0);
    QVERIFY(spies.lastError().contains(QStringLiteral("录制分段异常，退出码=0")));
    QVERIFY(!recorder->isRecording());
}

void TestSegmentFailures::quietEncoderWithDataIsAcceptedThenKilledAfterIgnoringTheStop()
{
    useFakeEncoder("silent-data");
    std::unique_ptr<Recorder> recorder(makeAudioRecorder());
    Spies spies(recorder.get());
    recorder->start();
    // No progress at all, but 5000 bytes in the segment: ready at the 15 s mark.
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
    QElapsedTimer clock;
    clock.start();
    recorder->stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 26000);
    // Silent and its file not growing after the stop, it is stuck: ended after 6 s.
    QVERIFY2(clock.elapsed() >= 5500 && clock.elapsed() < 19500, qPrintable(QString::number(clock.elapsed())));
    // The killed segment holds no media: no file is finished and the folder stays.
    QCOMPARE(spies.stopped.first().first().toString(), QString());
    QVERIFY(spies.lastError().contains(QStringLiteral("录制分段异常")));
    QVERIFY(!recorder->isRecording());
}

// An encoder that hangs once its input has ended (it prints nothing more and its file stops
// growing) is ended a few seconds later, not after the 20 s of one that ignores the end but
// works on; what it wrote plays, and becomes the recording even when ffprobe, on a busy
// machine, takes seconds to say so. Blanks that end a progress line are no progress.
void TestSegmentFailures::stuckEncoderIsEndedSoonAndItsSegmentSaved_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::newRow("silent") << QByteArray("stuck");
    QTest::newRow("printing blanks") << QByteArray("stuck-blanks");
}

void TestSegmentFailures::stuckEncoderIsEndedSoonAndItsSegmentSaved()
{
    QFETCH(QByteArray, mode);
    useFakeEncoder(mode, 2);
    qputenv("FAKE_FFPROBE_DELAY", "4"); // longer than the 3 s the check used to wait
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    Spies spies(recorder.get());
    m_feed.setSize(QSize(320, 240));
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
    QTest::qWait(3000); // the 2 s of video are written
    QElapsedTimer clock;
    clock.start();
    recorder->stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
    const qint64 stopMs = clock.elapsed();
    const QString path = spies.stopped.first().first().toString();
    QVERIFY2(!path.isEmpty(), qPrintable(spies.lastError()));
    QVERIFY2(stopMs < 16000, qPrintable(QString::number(stopMs)));
    const MediaInfo info = probe(path);
    QVERIFY(info.ok);
    QVERIFY2(qAbs(info.duration - 2.0) < 0.3, qPrintable(QString::number(info.duration)));
}

void TestSegmentFailures::errorMessageQuotesTheLastErrorLine()
{
    useFakeEncoder("fail");
    std::unique_ptr<Recorder> recorder(makeAudioRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 10000);
    const QString message = spies.lastError();
    // The first segment failed before it recorded anything: no folder is named, none is left.
    QVERIFY2(message.startsWith(QStringLiteral("录制分段异常，退出码=1。没有录下任何内容。\n")), qPrintable(message));
    QVERIFY(message.endsWith(QStringLiteral("\n[h264_fake @ 0x1] Something went badly here: invalid argument for the test")));
    QCOMPARE(filesBelow(m_dir->path()), QStringList());
}

void TestSegmentFailures::errorLineIsCutTo300Characters()
{
    useFakeEncoder("fail");
    const QString longLine = QStringLiteral("Error: ") + QString(493, QLatin1Char('x'));
    qputenv("FAKE_FFMPEG_ERROR", longLine.toLocal8Bit());
    std::unique_ptr<Recorder> recorder(makeAudioRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 10000);
    // Its start and its end (where a cause follows a long path) stay.
    const QString kept = spies.lastError().section(QLatin1Char('\n'), -1);
    QCOMPARE(kept.size(), 300);
    QVERIFY2(kept.startsWith(longLine.left(99)) && kept.endsWith(longLine.right(199)), qPrintable(kept));
}

void TestSegmentFailures::sigkillWithoutErrorLineIsNamed()
{
    useFakeEncoder("crash", 1);
    std::unique_ptr<Recorder> recorder(makeAudioRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 10000);
    QVERIFY2(spies.lastError().endsWith(QStringLiteral("FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。")),
             qPrintable(spies.lastError()));
}

void TestSegmentFailures::encoderEndingByItselfKeepsItsSegments()
{
    useFakeEncoder("exit0", 1);
    std::unique_ptr<Recorder> recorder(makeAudioRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 10000);
    QCOMPARE(spies.started.size(), 1);
    QVERIFY(spies.lastError().startsWith(QStringLiteral("录制进程意外结束。分段已保留在：\n")));
    const QString folder = spies.lastError().section(QLatin1Char('\n'), 1);
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/segment_0001.mp3")));

    // One that wrote nothing points to no folder, and leaves none.
    useFakeEncoder("exit0-empty", 1);
    std::unique_ptr<Recorder> empty(makeAudioRecorder());
    Spies emptySpies(empty.get());
    empty->start();
    QTRY_COMPARE_WITH_TIMEOUT(emptySpies.stopped.size(), 1, 10000);
    QCOMPARE(emptySpies.lastError(), QStringLiteral("录制进程意外结束，没有录下任何内容。"));
    QCOMPARE(QDir(m_dir->path()).entryList({QStringLiteral("*.vistrelle-parts")}, QDir::Dirs).size(), 1);
}

void TestSegmentFailures::hardwareEncoderFallsBackOnceAndReopensTheFrameSource()
{
    useFakeEncoder("hwfail");
    const QString log = m_dir->filePath(QStringLiteral("launches.log"));
    qputenv("FAKE_FFMPEG_LOG", log.toLocal8Bit());
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    recorder->setEncoder(QStringLiteral("h264_nvenc"));
    int frameSourceCalls = 0;
    recorder->cameraFrameSource = [&] {
        ++frameSourceCalls;
        return m_feed.next();
    };
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 15000);
    QCOMPARE(spies.warnings.size(), 1);
    QCOMPARE(spies.warnings.first().first().toString(),
             QStringLiteral("硬件编码器 h264_nvenc 无法处理当前采集规格，已自动切换到 CPU 编码。"));
    QTest::qWait(1500);
    recorder->stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 15000);
    QCOMPARE(spies.errors.size(), 0);
    const QString output = spies.stopped.first().first().toString();
    const MediaInfo info = probe(output);
    QVERIFY2(info.ok, qPrintable(output));
    QCOMPARE(info.videoCodec, QStringLiteral("h264"));
    QCOMPARE(info.videoSize, QSize(320, 240));
    QVERIFY(info.duration > 1.0);
    QFile launches(log);
    QVERIFY(launches.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = launches.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).contains("-c:v h264_nvenc"));
    QVERIFY(lines.at(1).contains("-c:v libx264"));
    // Both launches wrote the same first segment number.
    QVERIFY(lines.at(0).endsWith("segment_0001.mp4") && lines.at(1).endsWith("segment_0001.mp4"));
}

void TestSegmentFailures::stopAfterResumeEndsTheResumedEncoder()
{
    useFakeEncoder("");
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 15000);
    QTest::qWait(1000);
    QVERIFY(recorder->pause());
    QTRY_COMPARE_WITH_TIMEOUT(spies.paused.size(), 1, 15000);
    // The resumed encoder shows its first media only after 2 s.
    useFakeEncoder("slow", 2);
    recorder->resume();
    recorder->stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
    QVERIFY(!recorder->isRecording());
    QVERIFY(!recorder->isPaused());
    QCOMPARE(spies.errors.size(), 0);
    // Nothing runs any more: a new recording can start.
    useFakeEncoder("");
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 2, 15000);
    recorder->stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 2, 15000);
}

void TestSegmentFailures::discardAfterResumeEndsTheResumedEncoder()
{
    useFakeEncoder("");
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 15000);
    QTest::qWait(800);
    QVERIFY(recorder->pause());
    QTRY_COMPARE_WITH_TIMEOUT(spies.paused.size(), 1, 15000);
    useFakeEncoder("slow", 2);
    recorder->resume();
    recorder->discard();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
    QCOMPARE(spies.stopped.first().first().toString(), QString());
    QVERIFY(!recorder->isRecording());
    QTRY_COMPARE_WITH_TIMEOUT(filesBelow(m_dir->path()), QStringList(), 3000);
    useFakeEncoder("");
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 2, 15000);
    recorder->discard();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 2, 15000);
}

void TestSegmentFailures::earlierKillTimerNeverKillsALaterSegment()
{
    useFakeEncoder("");
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 15000);
    QTest::qWait(500);
    QElapsedTimer sinceFirstEnd;
    sinceFirstEnd.start();
    QVERIFY(recorder->pause());
    QTRY_COMPARE_WITH_TIMEOUT(spies.paused.size(), 1, 15000);
    // The second encoder ignores every request to end.
    useFakeEncoder("ignore-q");
    recorder->resume();
    QTRY_COMPARE_WITH_TIMEOUT(spies.resumed.size(), 1, 10000);
    QTest::qWait(int(qMax<qint64>(0, 19000 - sinceFirstEnd.elapsed())));
    recorder->stop(); // its own kill comes 20 s from now
    QTest::qWait(5000); // the first segment's kill timer has fired meanwhile
    QVERIFY(recorder->isRecording());
    QCOMPARE(spies.stopped.size(), 0);
    QSignalSpy warnings(recorder.get(), &Recorder::finalizationWarning);
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 20000);
    // The killed, unusable last segment is left out; the first is the recording.
    const QString output = spies.stopped.first().first().toString();
    QVERIFY2(!output.isEmpty(), qPrintable(spies.lastError()));
    QVERIFY(probe(output).videoCodec == QStringLiteral("h264"));
    // What the killed encoder wrote is still there, and the user is told where.
    const QString unreadable =
        QDir(Recorder::partsFolderFor(output)).filePath(QStringLiteral("segment_0002.mp4"));
    QCOMPARE(QFileInfo(unreadable).size(), qint64(8000));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().first().toString().endsWith(QDir::toNativeSeparators(unreadable)),
             qPrintable(warnings.first().first().toString()));
}

// A recording started soon after another one ended: when the first one's kill timer is due,
// the new encoder waits to be paused (before its first media) but was never asked to end.
void TestSegmentFailures::earlierRecordingsKillTimerNeverKillsTheNextRecording()
{
    useFakeEncoder("");
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 15000);
    QTest::qWait(500);
    QElapsedTimer sinceFirstStop;
    sinceFirstStop.start();
    recorder->stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 15000);
    QVERIFY2(!spies.stopped.first().first().toString().isEmpty(), qPrintable(spies.lastError()));

    // The next encoder shows its first media 4 s after its launch; the pause waits for it
    // across the moment the first recording's timer fires.
    useFakeEncoder("slow", 4);
    QTest::qWait(int(qMax<qint64>(0, 19000 - sinceFirstStop.elapsed())));
    recorder->start();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->isRecording(), 10000);
    QVERIFY(recorder->pause());
    QTRY_COMPARE_WITH_TIMEOUT(spies.paused.size(), 1, 15000);
    QVERIFY2(sinceFirstStop.elapsed() > 20500, "the pause ended before the first recording's timer was due");
    recorder->stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 2, 15000);
    QVERIFY2(!spies.stopped.last().first().toString().isEmpty(), qPrintable(spies.lastError()));
}

void TestSegmentFailures::pauseBeforeFirstMediaWaitsForItAndAResumeFollows()
{
    // The encoder shows its first media only 2 s after its launch.
    useFakeEncoder("slow", 2);
    const QString log = m_dir->filePath(QStringLiteral("launches.log"));
    qputenv("FAKE_FFMPEG_LOG", log.toLocal8Bit());
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->isRecording(), 10000);
    QVERIFY(recorder->pause());
    QVERIFY(recorder->pause()); // a second pause changes nothing
    QTest::qWait(300);
    QCOMPARE(spies.paused.size(), 0); // the segment waits for its first media
    recorder->resume();             // asked before the pause has taken effect
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(spies.paused.size(), 1, 10000);
    // The pending resume launches the next segment without being asked again.
    QTRY_COMPARE_WITH_TIMEOUT(spies.resumed.size(), 1, 15000);
    QVERIFY(!recorder->isPaused());
    QFile launches(log);
    QVERIFY(launches.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = launches.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(1).endsWith("segment_0002.mp4"));
    recorder->discard();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 15000);
    QCOMPARE(spies.errors.size(), 0);
}

void TestSegmentFailures::stopBeforeFirstMediaSavesNothingAndSaysSo_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("hot key") << false;
    // The Stop button pauses while the user confirms, then Save stops.
    QTest::newRow("Stop, then Save") << true;
}

// A stop while the encoder is still starting (it takes 4 s on a busy machine): nothing has
// reached a file, so nothing is saved (no file of one held picture, no parts folder) and the
// user is told that nothing was recorded.
void TestSegmentFailures::stopBeforeFirstMediaSavesNothingAndSaysSo()
{
    QFETCH(bool, confirmed);
    useFakeEncoder("slow", 4);
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->isRecording(), 10000);
    if (confirmed) {
        QVERIFY(recorder->pause());
        QTest::qWait(300);
    }
    recorder->stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 15000);
    QCOMPARE(spies.stopped.first().first().toString(), QString());
    QCOMPARE(spies.started.size(), 0);
    QCOMPARE(spies.errors.size(), 1);
    QCOMPARE(spies.lastError(), Recorder::tr("没有录下任何内容：录制在开始之前就已停止。"));
    QTRY_COMPARE_WITH_TIMEOUT(filesBelow(m_dir->path()), QStringList(), 3000);
    QVERIFY(!recorder->isRecording());
}

void TestSegmentFailures::resizedFramesKeepTheFirstSegmentSize()
{
    // Odd sides, which the encoder refuses, lose their last column and row; a segment
    // after a resize keeps the first one's size.
    useFakeEncoder("");
    const QString log = m_dir->filePath(QStringLiteral("launches.log"));
    qputenv("FAKE_FFMPEG_LOG", log.toLocal8Bit());
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    m_feed.setSize(QSize(641, 481));
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 15000);
    QTest::qWait(1000);
    QVERIFY(recorder->pause());
    QTRY_COMPARE_WITH_TIMEOUT(spies.paused.size(), 1, 15000);
    m_feed.setSize(QSize(322, 180));
    recorder->resume();
    QTRY_COMPARE_WITH_TIMEOUT(spies.resumed.size(), 1, 15000);
    QTest::qWait(1000);
    QVERIFY2(spies.errors.isEmpty(), qPrintable(spies.lastError()));
    QFile launches(log);
    QVERIFY(launches.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = launches.readAll().split('\n');
    QVERIFY(lines.size() >= 2);
    // The frames' size is in the stream the encoder reads; its files tell.
    for (int segment : {0, 1}) {
        const QString file = QString::fromLocal8Bit(lines.at(segment).mid(lines.at(segment).lastIndexOf(' ') + 1));
        QCOMPARE(probe(file).videoSize, QSize(640, 480));
    }
    recorder->discard();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 15000);
}

void TestSegmentFailures::startChecksRefuseBeforeAnySegment()
{
    useFakeEncoder("");
    {
        std::unique_ptr<Recorder> recorder(makeAudioRecorder());
        recorder->setMicEnabled(false);
        Spies spies(recorder.get());
        recorder->start();
        QTRY_COMPARE_WITH_TIMEOUT(spies.errors.size(), 1, 10000);
        QCOMPARE(spies.lastError(), QStringLiteral("请至少开启系统声音或麦克风。"));
        QVERIFY(!recorder->isPreparingStart());
        QCOMPARE(spies.stopped.size(), 0);
    }
    {
        std::unique_ptr<Recorder> recorder(makeAudioRecorder());
        recorder->setMicAudioDevice(QString());
        Spies spies(recorder.get());
        recorder->start();
        QTRY_COMPARE_WITH_TIMEOUT(spies.errors.size(), 1, 10000);
        QCOMPARE(spies.lastError(), QStringLiteral("没有找到所选麦克风，请重新选择输入设备。"));
    }
    {
        QSettings settings;
        settings.setValue(QStringLiteral("save/diskWarning"), true);
        settings.setValue(QStringLiteral("save/diskThresholdGB"), 999999);
        std::unique_ptr<Recorder> recorder(makeAudioRecorder());
        Spies spies(recorder.get());
        recorder->start();
        QTRY_COMPARE_WITH_TIMEOUT(spies.errors.size(), 1, 10000);
        QCOMPARE(spies.lastError(), QStringLiteral("保存磁盘剩余空间不足 999999 GB，请清理空间或更换保存目录。"));
        QCOMPARE(filesBelow(m_dir->path()), QStringList());
        QVERIFY(!recorder->isRecording());
    }
    {
        // Under Wayland the screen cannot be recorded: no black recording, a clear refusal.
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        const auto unset = qScopeGuard([] { qunsetenv("WAYLAND_DISPLAY"); });
        Recorder recorder;
        Spies spies(&recorder);
        recorder.start();
        QTRY_COMPARE_WITH_TIMEOUT(spies.errors.size(), 1, 10000);
        QCOMPARE(spies.lastError(), QStringLiteral("屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。"));
        QCOMPARE(filesBelow(m_dir->path()), QStringList());
        QVERIFY(!recorder.isRecording());
        QVERIFY(!recorder.isPreparingStart());
    }
    {
        // A prepared start that is cancelled before its preflight returns does nothing.
        std::unique_ptr<Recorder> recorder(makeAudioRecorder());
        Spies spies(recorder.get());
        recorder->prepareStart();
        QVERIFY(recorder->isPreparingStart());
        recorder->cancelStartPreparation();
        recorder->start();
        QVERIFY(recorder->isPreparingStart()); // a fresh start
        recorder->stop();
        QCOMPARE(spies.stopped.size(), 1);
        QTest::qWait(1500);
        QVERIFY(!recorder->isRecording());
        QCOMPARE(spies.started.size(), 0);
    }
}

QTEST_MAIN(TestSegmentFailures)

void TestSegmentFailures::keptSegmentsOfTheSameNameAreNeverOverwritten_data()
{
    // What a failed finish of an earlier recording into Clip.mp3 may have left.
    QTest::addColumn<QString>("leftover");
    QTest::newRow("segment") << QStringLiteral("Clip.vistrelle-parts/segment_0001.mp3");
    QTest::newRow("joined file") << QStringLiteral("Clip.mp3.merging.mp3");
    QTest::newRow("watermarked file") << QStringLiteral("Clip.mp3.watermarking.mp3");
}

void TestSegmentFailures::keptSegmentsOfTheSameNameAreNeverOverwritten()
{
    QFETCH(QString, leftover);
    useFakeEncoder("exit0", 5);
    const QString log = m_dir->filePath(QStringLiteral("launches.log"));
    qputenv("FAKE_FFMPEG_LOG", log.toLocal8Bit());
    const QString output = m_dir->filePath(QStringLiteral("Clip.mp3"));
    const QString parts = Recorder::partsFolderFor(output);
    QVERIFY(QDir().mkpath(parts));
    const QString kept = m_dir->filePath(leftover);
    {
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the only copy of an earlier recording");
    }

    std::unique_ptr<Recorder> recorder(makeAudioRecorder());
    recorder->setOutputPath(output);
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.errors.size(), 1, 10000);
    const QString named = leftover.contains(QLatin1Char('/')) ? parts : kept;
    QVERIFY2(spies.lastError().contains(QDir::toNativeSeparators(named)), qPrintable(spies.lastError()));
    QTest::qWait(300);
    QCOMPARE(spies.stopped.size(), 0);
    QVERIFY(!recorder->isRecording());
    QVERIFY(!recorder->isPreparingStart());
    QVERIFY(!QFileInfo::exists(log)); // no encoder was launched
    QFile file(kept);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("the only copy of an earlier recording"));
    file.close();

    // An empty folder of that name holds nothing to lose and is used.
    QVERIFY(QFile::remove(kept));
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 10000);
    QVERIFY(QFileInfo::exists(log));
    recorder->discard();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 10000);
}

void TestSegmentFailures::realEncoderFailureOutputGivesItsLastErrorLine_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("detail");
    // What ffmpeg 5.1 printed: the last error line before the closing "Conversion failed!",
    // and a system error text over every other line.
    QTest::newRow("encoder cannot open")
        << QStringLiteral("ffmpeg51-encoder-fail.txt")
        << QStringLiteral("Error initializing output stream 0:0 -- Error while opening encoder for output stream #0:0 - "
                          "maybe incorrect parameters such as bit_rate, rate, width or height");
    QTest::newRow("disk full") << QStringLiteral("ffmpeg51-disk-full.txt")
                               << QStringLiteral("Could not write header for output file #0 (incorrect codec parameters "
                                                 "?): No space left on device");
    // Progress lines after the last error line are skipped, even when split by carriage returns.
    QTest::newRow("progress after the error") << QStringLiteral("ffmpeg51-piped-video.txt") << QString();
}

void TestSegmentFailures::realEncoderFailureOutputGivesItsLastErrorLine()
{
    QFETCH(QString, saved);
    QFETCH(QString, detail);
    const QString source = QStringLiteral(VISTRELLE_SOURCE_DIR "/tests/road/data/") + saved;
    QString replay = source;
    if (detail.isEmpty()) {
        // A real progress run with one real error line put before its last progress lines.
        QFile in(source);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray text = in.readAll();
        const int lastProgress = text.lastIndexOf("frame=");
        QVERIFY(lastProgress > 0);
        detail = QStringLiteral("[aist#0:0/pcm_f32le @ 0x55d1] Error while decoding stream #0:0: Invalid data found "
                                "when processing input");
        text.insert(lastProgress, detail.toUtf8() + '\n');
        replay = m_dir->filePath(QStringLiteral("replay.txt"));
        QFile out(replay);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text);
    }
    useFakeEncoder("replay");
    qputenv("FAKE_FFMPEG_REPLAY", replay.toLocal8Bit());
    std::unique_ptr<Recorder> recorder(makeAudioRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 10000);
    QCOMPARE(spies.errors.size(), 1);
    // A full save disk is named first.
    QVERIFY2(spies.lastError().startsWith(detail.contains(QLatin1String("No space left")) ? QStringLiteral("保存磁盘")
                                                                                          : QStringLiteral("录制分段异常，退出码=1。")),
             qPrintable(spies.lastError()));
    // The disk's own message needs none of the encoder's words.
    if (detail.contains(QLatin1String("No space left")))
        QVERIFY2(!spies.lastError().contains(detail), qPrintable(spies.lastError()));
    else
        QCOMPARE(spies.lastError().section(QLatin1Char('\n'), -1), detail);
}

void TestSegmentFailures::destroyedWhilePausedLeavesTheSegmentsInPlace_data()
{
    QTest::addColumn<int>("segments");
    QTest::addColumn<QString>("watermark");
    // One segment with a watermark pass to come, and two segments to be joined.
    QTest::newRow("one segment, watermark") << 1 << QStringLiteral("drawbox=x=0:y=0:w=40:h=40:color=red:t=fill");
    QTest::newRow("two segments") << 2 << QString();
}

void TestSegmentFailures::destroyedWhilePausedLeavesTheSegmentsInPlace()
{
    QFETCH(int, segments);
    QFETCH(QString, watermark);
    useFakeEncoder("");
    const QString output = m_dir->filePath(QStringLiteral("Clip.mp4"));
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    recorder->setOutputPath(output);
    recorder->setWatermarkFilter(watermark);
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 15000);
    for (int i = 0; i < segments; ++i) {
        if (i > 0) {
            recorder->resume();
            QTRY_COMPARE_WITH_TIMEOUT(spies.resumed.size(), i, 15000);
        }
        QTest::qWait(800);
        QVERIFY(recorder->pause());
        QTRY_COMPARE_WITH_TIMEOUT(spies.paused.size(), i + 1, 15000);
    }
    recorder.reset();

    QStringList expected;
    for (int i = 1; i <= segments; ++i)
        expected << QStringLiteral("Clip.vistrelle-parts/segment_%1.mp4").arg(i, 4, 10, QLatin1Char('0'));
    for (const QString& segment : std::as_const(expected)) {
        const MediaInfo info = probe(m_dir->filePath(segment));
        QVERIFY2(info.ok && info.videoCodec == QLatin1String("h264"), qPrintable(segment));
    }
    expected << QStringLiteral("Clip.vistrelle-parts/");
    QStringList files = filesBelow(m_dir->path());
    files.sort();
    expected.sort();
    QCOMPARE(files, expected);
}

void TestSegmentFailures::destroyedWhileRecordingEndsItsSegmentProperly()
{
    useFakeEncoder("");
    const QString output = m_dir->filePath(QStringLiteral("Clip.mp4"));
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    recorder->setOutputPath(output);
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 15000);
    QTest::qWait(2000);
    spies.markEnd();
    recorder.reset();
    const QString segment = QDir(Recorder::partsFolderFor(output)).filePath(QStringLiteral("segment_0001.mp4"));
    QCOMPARE(filesBelow(m_dir->path()),
             QStringList({QStringLiteral("Clip.vistrelle-parts/segment_0001.mp4"), QStringLiteral("Clip.vistrelle-parts/")}));
    const MediaInfo info = probe(segment);
    QVERIFY(info.ok);
    QVERIFY2(lastsAsLaunched(info.duration, spies), durationText(info.duration, spies.recordedSeconds()));
}

void TestSegmentFailures::nextSegmentThatCannotLaunchFinishesWhatWasRecorded_data()
{
    QTest::addColumn<bool>("byResume");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("webcam switched on") << false << false;
    QTest::newRow("resume") << true << false;
    QTest::newRow("full disk at the split's next encoder") << false << true;
}

void TestSegmentFailures::nextSegmentThatCannotLaunchFinishesWhatWasRecorded()
{
    QFETCH(bool, byResume);
    QFETCH(bool, diskFull);
    useFakeEncoder(diskFull ? "full-next" : "");
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 15000);
    QTest::qWait(1500);
    if (byResume) {
        spies.markEnd();
        QVERIFY(recorder->pause());
        QTRY_COMPARE_WITH_TIMEOUT(spies.paused.size(), 1, 15000);
    }

    // The encoder is gone (or the disk full) when the next segment is due.
    QTemporaryDir emptyBin;
    const QByteArray path = qgetenv("PATH");
    if (!diskFull)
        qputenv("PATH", emptyBin.path().toLocal8Bit());
    if (byResume) {
        recorder->resume();
    } else {
        spies.markEnd();
        recorder->switchWebcamDuringRecording(true);
    }
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 20000);
    qputenv("PATH", path);

    QVERIFY2(spies.lastError().startsWith(diskFull ? QStringLiteral("保存磁盘") : QStringLiteral("FFmpeg 启动失败")),
             qPrintable(spies.lastError()));
    const QString file = spies.stopped.first().first().toString();
    QVERIFY2(!file.isEmpty(), "the kept segment was not finished");
    const MediaInfo info = probe(file);
    QVERIFY(info.ok);
    QVERIFY2(lastsAsLaunched(info.duration, spies), durationText(info.duration, spies.recordedSeconds()));
    QCOMPARE(filesBelow(m_dir->path()), QStringList{QFileInfo(file).fileName()});
    QVERIFY(!recorder->isRecording());
    QVERIFY(!recorder->isPaused());
}

void TestSegmentFailures::resumeWithoutSoundServerGoesOnWithSilence()
{
    if (qEnvironmentVariableIsEmpty("VISTRELLE_TEST_ENV"))
        QSKIP("needs the private test desktop's sound server (scripts/test-env.sh)");
    useFakeEncoder("");
    std::unique_ptr<Recorder> recorder(makeWebcamRecorder());
    recorder->setSystemAudioEnabled(true);
    Spies spies(recorder.get());
    recorder->start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 15000);
    QTest::qWait(1000);
    spies.markEnd();
    QVERIFY(recorder->pause());
    QTRY_COMPARE_WITH_TIMEOUT(spies.paused.size(), 1, 15000);

    // The sound server cannot be reached when the recording resumes: it goes on, with silence
    // until the server answers again.
    const QByteArray server = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:/nonexistent/vistrelle-test");
    recorder->resume();
    qputenv("PULSE_SERVER", server);
    QTRY_COMPARE_WITH_TIMEOUT(spies.resumed.size(), 1, 15000);
    QVERIFY2(spies.errors.isEmpty(), qPrintable(spies.lastError()));
    QTest::qWait(1000);
    spies.markEnd();
    recorder->stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
    const QString file = spies.stopped.first().first().toString();
    QVERIFY2(!file.isEmpty(), qPrintable(spies.lastError()));
    const MediaInfo info = probe(file);
    QVERIFY(info.ok);
    QCOMPARE(info.audioStreams, 1);
    QVERIFY2(lastsAsLaunched(info.duration, spies), durationText(info.duration, spies.recordedSeconds()));
}

#include "tst_segment_failures.moc"
