#include "recording/FrameClock.h"
#include "recording/FramePipe.h"
#include "recording/FrameSlots.h"
#include "recording/FrameStamper.h"
#include "platform/mac/RecordingClock.h"

#include <cmath>
#include <functional>
#include <thread>
#include <unistd.h>

#include <QtTest>

class TestFrameClock : public QObject
{
    Q_OBJECT

private slots:
    void periodsAverageTheExactFrameRate();
    void lateTicksSkipToALaterSlotInsteadOfBursting();
    void emptySlotsOfTheFileAreCounted();
    void soundStartsWhereTheEncoderPutsThePictures();
    void lateGrabsKeepTheirSlots();
};

void TestFrameClock::periodsAverageTheExactFrameRate()
{
    // Ticks that fire exactly when asked: 30 fps gives 33, 33, 34 ms and 300 frames
    // take exactly 10 s; 24 fps gives 42, 42, 41 ms.
    for (const int fps : {30, 24, 60, 1}) {
        FrameClock clock;
        clock.start(fps);
        qint64 nowMs = 0;
        QList<int> intervals;
        for (int i = 0; i < fps * 10; ++i) {
            const int interval = clock.nextIntervalMs(nowMs * 1000000);
            intervals << interval;
            nowMs += interval;
        }
        QCOMPARE(nowMs, 10000);
        for (const int interval : intervals)
            QVERIFY(std::abs(interval * fps - 1000) <= fps);
    }
    FrameClock clock;
    clock.start(30);
    QCOMPARE(clock.nextIntervalMs(0), 33);
    QCOMPARE(clock.nextIntervalMs(33000000), 34);  // frame 2 due at 66.67 ms
    QCOMPARE(clock.nextIntervalMs(67000000), 33);  // frame 3 due at 100 ms

    // A tick that fires a little late shortens the next period to stay on time.
    clock.start(30);
    QCOMPARE(clock.nextIntervalMs(0), 33);
    QCOMPARE(clock.nextIntervalMs(40000000), 27);
}

void TestFrameClock::lateTicksSkipToALaterSlotInsteadOfBursting()
{
    FrameClock clock;
    clock.start(30);
    QCOMPARE(clock.nextIntervalMs(0), 33);
    // The event loop was blocked for 200 ms: frame 2 (66.7 ms) and the slots up to
    // 200 ms are gone; frame 7 (233.3 ms) is the next one.
    QCOMPARE(clock.nextIntervalMs(200000000), 33);
    // Late by 20 ms of a 33 ms period: the slot 13 ms away is skipped too.
    QCOMPARE(clock.nextIntervalMs(253333333), 47); // frame 9 at 300 ms
    // Never less than a millisecond.
    clock.start(1000);
    QCOMPARE(clock.nextIntervalMs(0), 1);
    QCOMPARE(clock.nextIntervalMs(1400000), 1);
}

// Writes `count` small frames through `pipe` (30 slots a second) to a reader that takes
// everything, the first one alone until the reader has it; each frame's time is asked for
// just before it goes. False when the pipe cannot open.
static bool pipeThrough(FramePipe &pipe, qsizetype count, const std::function<qint64(qsizetype)> &stampOf)
{
    pipe.setFrameGrid(30);
    QString error;
    if (!pipe.open(&error))
        return false;
    const int readEnd = pipe.readEnd();
    std::thread reader([readEnd] {
        char buffer[65536];
        while (::read(readEnd, buffer, sizeof buffer) > 0) {
        }
    });
    QImage frame(16, 8, QImage::Format_ARGB32);
    frame.fill(Qt::gray);
    for (qsizetype i = 0; i < count; ++i) {
        pipe.write(frame, stampOf(i));
        for (int waited = 0; i == 0 && !pipe.readerStarted() && waited < 5000; waited += 5)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    pipe.finish();
    reader.join();
    return true;
}

static bool pipeThrough(FramePipe &pipe, const QList<qint64> &stamps)
{
    return pipeThrough(pipe, stamps.size(), [&](qsizetype i) { return stamps.at(i); });
}

void TestFrameClock::emptySlotsOfTheFileAreCounted()
{
    // Frame times in ms and where ffmpeg 5.1 (-r 30 -fps_mode vfr) put them, as measured:
    // a frame 0.7 of a slot late moves on to the next slot and the one after it comes too
    // early and is dropped; one 0.55 late keeps its slot.
    FrameSlots grid(30);
    for (const qint64 ms : {0, 33, 90, 100, 133})
        grid.add(ms * 1000);
    QCOMPARE(grid.missing(), 1); // slot 2
    QCOMPARE(grid.dropped(), 1);
    grid.reset(30);
    for (const qint64 ms : {0, 33, 85, 100, 133, 160, 167, 300})
        grid.add(ms * 1000);
    QCOMPARE(grid.missing(), 3); // slots 6 to 8
    QCOMPARE(grid.dropped(), 1);
    // A grid of its own (inputs that keep their times): 25 ms after slot 0 is slot 1 already,
    // so the third frame comes too early for slot 3.
    grid.reset(30, 1000000);
    for (const qint64 ms : {1025, 1058, 1075})
        grid.add(ms * 1000);
    QCOMPARE(grid.missing(), 0);
    QCOMPARE(grid.dropped(), 1);

    // The frame pipe counts the slots its frames leave empty, whatever kept the frames away.
    // Grabs of now: an old first grab would not open the file.
    FramePipe pipe;
    QList<qint64> stamps;
    const qint64 nowUs = RecordingClock::wallUs();
    for (const qint64 ms : {0, 33, 67, 200, 233})
        stamps << nowUs + ms * 1000;
    QVERIFY(pipeThrough(pipe, stamps));
    QCOMPARE(pipe.missedSlots(), 3);
    pipe.abort();
}

// The first frame of a segment is a grab that stands a little after its time; the encoder keeps
// the frames after it in the slots of that first frame's grid, all of them that phase away from
// their times. The segment's sound starts where its pictures are put.
void TestFrameClock::soundStartsWhereTheEncoderPutsThePictures()
{
    const double leadMs = 1000.0 / 30 * FrameStamper::kGrabLeadPercent / 100;
    for (const qint64 phaseUs : {12000, 32000}) {
        FramePipe pipe;
        const qint64 firstUs = RecordingClock::wallUs();
        QList<qint64> stamps{firstUs};
        for (int k = 1; k <= FrameStamper::kPhaseFrames; ++k)
            stamps << firstUs + phaseUs + k * 1000000 / 30;
        QVERIFY(pipeThrough(pipe, stamps));
        // 12 ms keeps each frame in its slot: the pictures stand 12 ms early. 32 ms (over the
        // encoder's bound after the first frame's place) moves them to the slot after: 1.3 ms late.
        const bool sameSlot = phaseUs / 1000.0 - leadMs < FrameSlots::kKeepWithinFrames * 1000.0 / 30;
        const double expectedMs = sameSlot ? phaseUs / 1000.0 : phaseUs / 1000.0 - 1000.0 / 30;
        const double ms = (pipe.firstFrameSteadyNs() - RecordingClock::steadyNsOfWall(firstUs)) / 1e6;
        QVERIFY2(std::abs(ms - expectedMs) < 1.0, qPrintable(QStringLiteral("%1 ms, not %2 ms").arg(ms).arg(expectedMs)));
        pipe.abort();
    }
}

// A busy machine wakes the capture late: grabs that begin up to 0.8 of a frame time after
// their beat keep their slots, whatever the moment the encoder came up.
void TestFrameClock::lateGrabsKeepTheirSlots()
{
    for (int round = 0; round < 3; ++round) {
        FramePipe pipe;
        const qint64 frameUs = 1000000 / 30;
        const qint64 beatUs = RecordingClock::wallUs() + round * frameUs / 3;
        pipe.setBeat(beatUs);
        // The held frame that opens the file, stamped as it goes in; then grabs on the beat
        // from the first one after it, each third one 0.8 of a frame late, the next one 0.5.
        qint64 firstUs = -1, k = 0;
        QVERIFY(pipeThrough(pipe, 31, [&](qsizetype n) -> qint64 {
            if (n == 0)
                return -1;
            if (n == 1) {
                firstUs = pipe.lastStampUs();
                k = qint64(std::floor(double(firstUs - beatUs) / frameUs)) + 1;
            }
            const qint64 lateUs = n % 3 == 1 ? frameUs * 8 / 10 : (n % 3 == 2 ? frameUs / 2 : 0);
            return beatUs + (k + n - 1) * frameUs + lateUs;
        }));
        QVERIFY2(pipe.missedSlots() == 0, qPrintable(QStringLiteral("%1 slots missed (held frame %2 us from the beat)")
                                                         .arg(pipe.missedSlots())
                                                         .arg(firstUs - beatUs)));
        pipe.abort();
    }
}

QTEST_APPLESS_MAIN(TestFrameClock)
#include "tst_frame_clock.moc"
