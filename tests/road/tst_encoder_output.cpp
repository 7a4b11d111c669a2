#include "recording/EncoderOutputMonitor.h"

#include <QFile>
#include <QtTest>

namespace {

QString loadCapture(const QString& name)
{
    QFile file(QStringLiteral(VISTRELLE_SOURCE_DIR "/tests/road/data/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readAll());
}

// Feeds a captured output in chunks of `chunkSize` characters, the way a pipe delivers it.
struct Replay {
    QList<int> ticks;
    int firstMediaAtChunk = -1;
    int performanceLines = 0;
    qint64 lastDropped = 0;
};

Replay replay(EncoderOutputMonitor& monitor, const QString& text, int chunkSize,
              const EncoderOutputMonitor::Context& context)
{
    Replay r;
    int chunkIndex = 0;
    for (int pos = 0; pos < text.size(); pos += chunkSize, ++chunkIndex) {
        const auto result = monitor.feed(text.mid(pos, chunkSize), context);
        r.ticks += result.ticks;
        if (result.firstMedia && r.firstMediaAtChunk < 0) {
            r.firstMediaAtChunk = chunkIndex;
            monitor.setAwaitingFirstMedia(false);
        }
        if (result.performance.valid) {
            ++r.performanceLines;
            r.lastDropped = result.performance.droppedFrames;
        }
    }
    return r;
}

EncoderOutputMonitor::Context videoContext()
{
    EncoderOutputMonitor::Context c;
    c.targetFps = 30;
    c.recordingActive = true;
    c.segmentAgeMs = 20000;
    c.encoder = QStringLiteral("libx264");
    return c;
}

QString progress(int frame, double fps, qint64 drop, qint64 dup, double speed, const QString& time = "00:00:10.00")
{
    return QStringLiteral("frame=%1 fps=%2 q=20.0 size=100kB time=%3 bitrate=1000kbits/s dup=%4 drop=%5 speed=%6x    \r")
        .arg(frame).arg(fps).arg(time).arg(dup).arg(drop).arg(speed);
}

} // namespace

class TestEncoderOutput : public QObject
{
    Q_OBJECT

private slots:
    void pipedVideoCaptureIsReadyOnItsOutputHeader();
    void audioOnlyCaptureTicksEverySecond();
    void firstMediaRules();
    void ticksGrowWithinASegmentAndRestartInTheNext();
    void encoderDropCountsRaiseTheDroppedFigure();
    void outputIsBoundedAndCutToItsTail();
    void lossesAboveTheLimitAreStrikes();
    void slowEncodingStrikesAndTheLowFrameRateRule();
    void overloadActions();
    void slowStartIsNoOverload();
    void hardwareFlagFollowsTheChosenEncoder();
    void microphoneLevelsInDecibels();
};

void TestEncoderOutput::pipedVideoCaptureIsReadyOnItsOutputHeader()
{
    const QString text = loadCapture(QStringLiteral("ffmpeg51-piped-video.txt"));
    QVERIFY(!text.isEmpty());
    // A pipe:0 input never prints the prompt to press q: the header must be enough.
    QVERIFY(!text.contains(QLatin1String("Press [q]")));
    for (int chunkSize : {7, 64, 1000, int(text.size())}) {
        EncoderOutputMonitor monitor;
        const Replay r = replay(monitor, text, chunkSize, videoContext());
        QVERIFY2(r.firstMediaAtChunk >= 0, qPrintable(QString::number(chunkSize)));
        const int headerAt = text.indexOf(QLatin1String("Output #0,"));
        QCOMPARE(r.firstMediaAtChunk, (headerAt + int(qstrlen("Output #0,")) - 1) / chunkSize);
        // Time 3.20 in the last progress line: 0, 1, 2, 3 each once.
        QCOMPARE(r.ticks, (QList<int>{0, 1, 2, 3}));
        QCOMPARE(r.performanceLines > 0, true);
    }
}

void TestEncoderOutput::audioOnlyCaptureTicksEverySecond()
{
    const QString text = loadCapture(QStringLiteral("ffmpeg51-audio-only.txt"));
    QVERIFY(!text.isEmpty());
    EncoderOutputMonitor monitor;
    EncoderOutputMonitor::Context context;
    context.audioOnly = true;
    context.recordingActive = true;
    context.segmentAgeMs = 10000;
    context.encoder = QStringLiteral("MP3");
    const Replay r = replay(monitor, text, 50, context);
    QVERIFY(r.firstMediaAtChunk >= 0);
    QCOMPARE(r.ticks.first(), 0);
    QCOMPARE(r.ticks.last(), 3); // the last line reads 00:00:03.00
    QCOMPARE(r.ticks.size(), 4);
    QCOMPARE(r.performanceLines, 0); // audio progress carries no fps
}

void TestEncoderOutput::firstMediaRules()
{
    const auto ready = [](const QString& text, bool audioOnly) {
        EncoderOutputMonitor monitor;
        auto c = videoContext();
        c.audioOnly = audioOnly;
        return monitor.feed(text, c).firstMedia;
    };
    // Frame counts: zero is not media, twelve followed by a blank is.
    QVERIFY(!ready("frame=    0 fps=0.0 q=0.0 size=0kB time=00:00:00.00 bitrate=N/A speed=0x\r", false));
    QVERIFY(ready("frame=   12 fps=0.0 q=0.0 size=0kB time=00:00:00.00 bitrate=N/A speed=0x\r", false));
    QVERIFY(!ready("frame=12", false)); // not yet followed by white space
    // Audio only: a time of zero is not media, one hundredth of a second is.
    QVERIFY(!ready("size=       1kB time=00:00:00.00 bitrate=N/A speed=N/A    \r", true));
    QVERIFY(ready("size=       1kB time=00:00:00.01 bitrate=N/A speed=N/A    \r", true));
    QVERIFY(!ready("frame=   12 fps=0.0 q=0.0 size=0kB time=00:00:00.00 bitrate=N/A\r", true));
    // The output header counts at the very start or after a line feed, not after a lone \r.
    QVERIFY(ready("Output #0, mp4, to 'x.mp4':\n", false));
    QVERIFY(ready("Stream mapping:\nOutput #0, mp4, to 'x.mp4':\n", true));
    QVERIFY(!ready("frame=    0 fps=0.0 q=0.0\rOutput #0, mp4, to 'x.mp4':\n", false));
    QVERIFY(ready("junk Press [q] to stop, [?] for help\n", true));

    // Once the Recorder has taken the first media, later chunks never report it again.
    EncoderOutputMonitor monitor;
    QVERIFY(monitor.feed("Output #0, mkv\n", videoContext()).firstMedia);
    monitor.setAwaitingFirstMedia(false);
    QVERIFY(!monitor.feed("frame=  3 fps=0.0 \r", videoContext()).firstMedia);
}

void TestEncoderOutput::ticksGrowWithinASegmentAndRestartInTheNext()
{
    EncoderOutputMonitor monitor;
    const auto c = videoContext();
    QCOMPARE(monitor.feed(progress(30, 30, 0, 0, 1.0, "00:00:01.50"), c).ticks, QList<int>{1});
    QCOMPARE(monitor.feed(progress(31, 30, 0, 0, 1.0, "00:00:01.90"), c).ticks, QList<int>{});
    QCOMPARE(monitor.feed(progress(32, 30, 0, 0, 1.0, "01:02:03.99"), c).ticks, QList<int>{3723});
    // An hours field beyond 32 bits counts as 0 and never lowers the tick.
    QCOMPARE(monitor.feed(progress(32, 30, 0, 0, 1.0, "99999999999:00:05.00"), c).ticks, QList<int>{});
    monitor.resetSegment();
    QCOMPARE(monitor.feed(progress(1, 0, 0, 0, 0, "00:00:00.00"), c).ticks, QList<int>{0});
}

void TestEncoderOutput::encoderDropCountsRaiseTheDroppedFigure()
{
    const QString text = loadCapture(QStringLiteral("ffmpeg51-x11grab-cfr.txt"));
    QVERIFY(text.contains(QLatin1String("drop=")));
    EncoderOutputMonitor monitor;
    monitor.noteMissedFrames(1); // one frame slot left empty on our side first
    const Replay r = replay(monitor, text, 128, videoContext());
    // The last progress line of the capture carries the encoder's final drop count.
    const int lastDrop = text.lastIndexOf(QLatin1String("drop="));
    const qint64 expected = text.mid(lastDrop + 5).section(QLatin1Char(' '), 0, 0).toLongLong();
    QVERIFY(expected > 1);
    QCOMPARE(monitor.droppedFrames(), expected);
    QVERIFY(r.lastDropped > 1);
    // The negative time at the start of that capture is no tick.
    QVERIFY(!r.ticks.contains(-1));

    // Delivered one progress line per read, each performance figure carries its own line's count.
    EncoderOutputMonitor lineWise;
    qint64 lastReported = -1;
    for (const QString& line : text.split(QLatin1Char('\r'))) {
        const auto result = lineWise.feed(line + QLatin1Char('\r'), videoContext());
        if (result.performance.valid)
            lastReported = result.performance.droppedFrames;
    }
    QCOMPARE(lastReported, expected);
}

void TestEncoderOutput::outputIsBoundedAndCutToItsTail()
{
    EncoderOutputMonitor monitor;
    QString text;
    for (int i = 0; text.size() <= EncoderOutputMonitor::kOutputLimit; ++i)
        text += QStringLiteral("line %1 of encoder chatter\n").arg(i);
    monitor.feed(text, videoContext());
    QCOMPARE(monitor.output().size(), EncoderOutputMonitor::kOutputKeep);
    QCOMPARE(monitor.output(), text.right(EncoderOutputMonitor::kOutputKeep));
    // A tick that survives the cut is not emitted twice.
    EncoderOutputMonitor ticking;
    ticking.feed(progress(1, 30, 0, 0, 1, "00:00:07.00"), videoContext());
    QCOMPARE(ticking.feed(QString(7000, QLatin1Char('x')), videoContext()).ticks, QList<int>{});
}

void TestEncoderOutput::lossesAboveTheLimitAreStrikes()
{
    EncoderOutputMonitor monitor;
    const auto c = videoContext();
    monitor.feed(progress(1, 30, 10, 0, 1.0), c); // 10 new losses: strike
    QCOMPARE(monitor.overloadStrikes(), 1);
    monitor.feed(progress(2, 30, 12, 0, 1.0), c); // 2: no strike
    QCOMPARE(monitor.overloadStrikes(), 0);
    monitor.feed(progress(3, 30, 15, 0, 1.0), c); // 3 is the limit at 30 fps
    QCOMPARE(monitor.overloadStrikes(), 0);
    monitor.feed(progress(4, 30, 19, 0, 1.0), c); // 4: strike
    QCOMPARE(monitor.overloadStrikes(), 1);
    monitor.feed(progress(5, 30, 19, 2, 1.0), c); // duplicates count too: 2
    QCOMPARE(monitor.overloadStrikes(), 0);
    monitor.feed(progress(6, 30, 21, 4, 1.0), c); // 2 + 2
    QCOMPARE(monitor.overloadStrikes(), 1);

    // At 60 fps the limit is 7.
    EncoderOutputMonitor sixty;
    auto c60 = c;
    c60.targetFps = 60;
    sixty.feed(progress(1, 60, 7, 0, 1.0), c60);
    QCOMPARE(sixty.overloadStrikes(), 0);
    sixty.feed(progress(1, 60, 15, 0, 1.0), c60);
    QCOMPARE(sixty.overloadStrikes(), 1);
}

void TestEncoderOutput::slowEncodingStrikesAndTheLowFrameRateRule()
{
    auto c = videoContext();
    c.segmentAgeMs = 5000;
    EncoderOutputMonitor monitor;
    monitor.feed(progress(1, 30, 0, 0, 0.84), c);
    QCOMPARE(monitor.overloadStrikes(), 1);
    monitor.feed(progress(1, 20, 0, 0, 1.0), c); // 20 fps counts only from 15 s
    QCOMPARE(monitor.overloadStrikes(), 0);
    c.segmentAgeMs = 15000;
    monitor.feed(progress(1, 20, 0, 0, 1.0), c);
    QCOMPARE(monitor.overloadStrikes(), 1);
    monitor.feed(progress(1, 0, 0, 0, 1.0), c); // fps 0 never counts
    QCOMPARE(monitor.overloadStrikes(), 0);

    // Young segments, paused or inactive recordings, audio only and targets below 30 run no detector.
    for (int variant = 0; variant < 5; ++variant) {
        auto quiet = videoContext();
        switch (variant) {
        case 0: quiet.segmentAgeMs = 4999; break;
        case 1: quiet.recordingPaused = true; break;
        case 2: quiet.recordingActive = false; break;
        case 3: quiet.audioOnly = true; break;
        case 4: quiet.targetFps = 29; break;
        }
        EncoderOutputMonitor m;
        m.feed(progress(1, 30, 0, 0, 0.1), quiet);
        QCOMPARE(m.overloadStrikes(), 0);
    }
}

void TestEncoderOutput::overloadActions()
{
    using Action = EncoderOutputMonitor::Action;
    const auto strikeUntil = [](EncoderOutputMonitor& m, const EncoderOutputMonitor::Context& c, int lines) {
        QList<Action> actions;
        for (int i = 0; i < lines; ++i)
            actions << m.feed(progress(i, c.targetFps, 0, 0, 0.5), c).action;
        return actions;
    };

    // 120 fps: the frame-rate downgrade after six strikes, once while it is pending.
    auto c120 = videoContext();
    c120.targetFps = 120;
    EncoderOutputMonitor m120;
    auto actions = strikeUntil(m120, c120, 10);
    QCOMPARE(actions.indexOf(Action::FrameRateDowngrade), 5);
    QCOMPARE(actions.count(Action::FrameRateDowngrade), 1);
    m120.setDowngradePending(false); // the downgrade found nothing to do
    QCOMPARE(m120.feed(progress(1, 10, 0, 0, 0.5), c120).action, Action::FrameRateDowngrade);

    // 60 fps, screen capture at 1080 lines: the resolution downgrade after eight.
    auto screen = videoContext();
    screen.targetFps = 60;
    screen.screenCaptureSegment = true;
    screen.pipeFrameHeight = 1080;
    EncoderOutputMonitor mScreen;
    actions = strikeUntil(mScreen, screen, 12);
    QCOMPARE(actions.indexOf(Action::ResolutionDowngrade), 7);
    QCOMPARE(actions.count(Action::ResolutionDowngrade), 1);

    // 60 fps at 720 lines: the warning, once per recording even across segments.
    screen.pipeFrameHeight = 720;
    EncoderOutputMonitor m720;
    actions = strikeUntil(m720, screen, 12);
    QCOMPARE(actions.indexOf(Action::Warn60Fps), 7);
    QCOMPARE(actions.count(Action::Warn60Fps), 1);
    m720.resetSegment();
    QVERIFY(!strikeUntil(m720, screen, 12).contains(Action::Warn60Fps));
    m720.resetRecording();
    QVERIFY(strikeUntil(m720, screen, 12).contains(Action::Warn60Fps));

    // 30 to 59 fps: the 30 fps warning.
    auto c45 = videoContext();
    c45.targetFps = 45;
    EncoderOutputMonitor m45;
    QVERIFY(strikeUntil(m45, c45, 8).contains(Action::Warn30Fps));
}

// An encoder that started 2 s late under a busy moment and then keeps up: ffmpeg's speed,
// counted from its start, stays below 0.85 for many reports, but the machine is not
// overloaded and the recording keeps its size. One that stays at 0.7 of real time is.
void TestEncoderOutput::slowStartIsNoOverload()
{
    using Action = EncoderOutputMonitor::Action;
    const auto run = [](double rate, qint64 lateMs) {
        auto c = videoContext();
        c.screenCaptureSegment = true;
        c.pipeFrameHeight = 1080;
        EncoderOutputMonitor m;
        QList<Action> actions;
        for (qint64 age = 500; age <= 30000; age += 500) {
            c.segmentAgeMs = age;
            const double media = std::max(0.0, (age - lateMs) / 1000.0 * rate);
            const QString time = QStringLiteral("00:00:%1").arg(media, 5, 'f', 2, QLatin1Char('0'));
            const double speed = std::round(media / (age / 1000.0) * 1000.0) / 1000.0;
            actions << m.feed(progress(int(media * 30), 30, 0, 0, speed, time), c).action;
        }
        return actions;
    };
    QVERIFY(!run(1.0, 2000).contains(Action::ResolutionDowngrade));
    QVERIFY(run(0.7, 0).contains(Action::ResolutionDowngrade));
}

void TestEncoderOutput::hardwareFlagFollowsTheChosenEncoder()
{
    QVERIFY(!EncoderOutputMonitor::isHardwareEncoder(QStringLiteral("LIBX264")));
    QVERIFY(!EncoderOutputMonitor::isHardwareEncoder(QString()));
    QVERIFY(EncoderOutputMonitor::isHardwareEncoder(QStringLiteral("h264_nvenc")));
    EncoderOutputMonitor monitor;
    auto c = videoContext();
    c.encoder = QStringLiteral("h264_vaapi");
    const auto result = monitor.feed(progress(10, 29.5, 3, 1, 0.99), c);
    QVERIFY(result.performance.valid);
    QVERIFY(result.performance.hardwareEncoding);
    QCOMPARE(result.performance.fps, 29.5);
    QCOMPARE(result.performance.logLine,
             QStringLiteral("[Recorder performance] target_fps=30 actual_fps=29.50 drop=3 dup=1 speed=0.99 encoder=h264_vaapi"));
}

void TestEncoderOutput::microphoneLevelsInDecibels()
{
    QCOMPARE(EncoderOutputMonitor::microphoneLevelLine(QStringLiteral("shared"), QStringLiteral("Mic"), 480, 0.5f, 0.0f,
                                                       false),
             QStringLiteral("[Microphone input] backend=shared endpoint=\"Mic\" frames=480 peak_dbfs=-6.0 "
                            "rms_dbfs=-120.0 digital_silence=no"));
    QVERIFY(EncoderOutputMonitor::microphoneLevelLine({}, {}, 0, -1.0f, 1.0f, true)
                .endsWith(QStringLiteral("peak_dbfs=-120.0 rms_dbfs=0.0 digital_silence=yes")));
}

QTEST_GUILESS_MAIN(TestEncoderOutput)
#include "tst_encoder_output.moc"
