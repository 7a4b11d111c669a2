#include "recording/FrameClock.h"

#include <QtTest>

class TestFrameClock : public QObject
{
    Q_OBJECT

private slots:
    void periodsAverageTheExactFrameRate();
    void lateTicksSkipToALaterSlotInsteadOfBursting();
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

QTEST_APPLESS_MAIN(TestFrameClock)
#include "tst_frame_clock.moc"
