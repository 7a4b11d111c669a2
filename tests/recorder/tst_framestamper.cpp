#include "recording/FrameSlots.h"
#include "recording/FrameStamper.h"

#include <QtTest>

#include <cmath>
#include <cstdlib>

// The times the frames carry into the encoder, tried without a pipe: times in microseconds
// from an arbitrary start, "now" given with each frame.
class TestFrameStamper : public QObject
{
    Q_OBJECT

private slots:
    // A grab taken long before a slow encoder opened its input does not open the file; one
    // taken while the encoder starts in its usual time does, and so does any grab once the
    // slots are fixed from outside. After the first, a frame not taken after the one before
    // is left out.
    void staleOrOutOfOrderGrabsAreLeftOut()
    {
        const qint64 t0 = 10'000'000;
        FrameStamper stamper;
        stamper.reset(30);
        QVERIFY(!stamper.admits(t0, true, t0 + FrameStamper::kStaleFirstFrameUs + 1));
        QVERIFY(stamper.admits(t0, false, t0 + FrameStamper::kStaleFirstFrameUs + 1)); // a primer
        QVERIFY(stamper.admits(t0, true, t0 + FrameStamper::kStaleFirstFrameUs - 1000));
        stamper.place(t0, true, t0 + 1000);
        const qint64 firstUs = stamper.lastStampUs();
        QVERIFY(!stamper.admits(firstUs, true, firstUs + 2000));
        QVERIFY(stamper.admits(firstUs + 1, true, firstUs + 2000));
        QVERIFY(stamper.admits(-1, true, firstUs + 2000));

        stamper.reset(30, t0);
        QVERIFY(stamper.admits(t0, true, t0 + 10 * FrameStamper::kStaleFirstFrameUs));
    }

    // The first grab after a primer the encoder leaves out sets the slots, as the first grab
    // of a file does: it stands the lead after its time, and grabs one frame time apart after
    // it keep their slots with the median of their phase as the file's time 0.
    void firstGrabAfterAPrimerSetsTheSlots()
    {
        const qint64 frameUs = 1'000'000 / 30;
        const qint64 leadUs = frameUs * FrameStamper::kGrabLeadPercent / 100;
        FrameStamper stamper;
        stamper.reset(30);
        const qint64 primerUs = stamper.place(-1, false, 5'000'000);
        QCOMPARE(primerUs, 5'000'000);
        const qint64 grabUs = primerUs + 2 * frameUs + 7000;
        QCOMPARE(stamper.place(grabUs, true, grabUs + 100), grabUs + leadUs);
        const qint64 phases[] = {-3000, -4000, 9000, -5000, -4500};
        for (int k = 1; k <= FrameStamper::kPhaseFrames; ++k)
            stamper.place(grabUs + leadUs + k * frameUs + phases[k - 1], true, 0);
        QCOMPARE(stamper.missedSlots(), 0);
        QCOMPARE(stamper.phaseFrames(), FrameStamper::kPhaseFrames);
        QVERIFY(std::abs(stamper.phaseUs() + 4000) <= 1);
    }

    // The file's time 0 waits for the phase of a few frames, or for a while without them.
    void originWaitsForThePhase()
    {
        const qint64 firstNs = 1'000'000'000;
        const qint64 soonNs = firstNs + FrameStamper::kPhaseWaitNs / 2;
        QCOMPARE(FrameStamper::originNs(-1, 0, FrameStamper::kPhaseFrames, soonNs), -1);
        QCOMPARE(FrameStamper::originNs(firstNs, -4000, 2, soonNs), -1);
        QCOMPARE(FrameStamper::originNs(firstNs, -4000, FrameStamper::kPhaseFrames, soonNs), firstNs - 4'000'000);
        QCOMPARE(FrameStamper::originNs(firstNs, -4000, 2, firstNs + FrameStamper::kPhaseWaitNs), firstNs - 4'000'000);
    }

    // The encoder's rule, at its bound: a frame that comes kKeepWithinFrames of a frame time
    // before its slot is dropped, one just less keeps it; one that far after moves no slot.
    void encoderKeepsFramesWithinItsBound()
    {
        const qint64 frameUs = 1'000'000 / 30;
        const qint64 boundUs = std::llround(FrameSlots::kKeepWithinFrames * 1e6 / 30);
        FrameSlots grid;
        grid.reset(30, 0);
        QVERIFY(grid.add(0));
        QVERIFY(!grid.add(frameUs - boundUs));
        QVERIFY(grid.add(frameUs - boundUs + 2));
        QVERIFY(grid.add(2 * frameUs + boundUs - 1));
        QCOMPARE(grid.lastSlot(), 2);
        QCOMPARE(grid.missing(), 0);
    }

    // Grabs that came late leave no empty slot among the file's first ones: the frame before
    // goes in again at each, between the two frames. Later slots stay empty and are counted.
    void lateGrabsAtTheOpeningAreFilled()
    {
        const qint64 frameUs = 1'000'000 / 30;
        FrameStamper stamper;
        stamper.reset(30);
        stamper.place(-1, false, 1'000'000); // the primer
        const qint64 firstUs = stamper.place(2'000'000, true, 2'000'100);
        QVERIFY(stamper.repeats().empty());
        QVERIFY(stamper.opening());
        // The next grab three frame times later: slots 1 and 2 are filled, not 3.
        const qint64 lateUs = stamper.place(firstUs + 3 * frameUs + 2000, true, 0);
        QCOMPARE(stamper.repeats().size(), size_t(2));
        QCOMPARE(stamper.repeats().at(0), firstUs + frameUs);
        QCOMPARE(stamper.repeats().at(1), firstUs + 2 * frameUs);
        QVERIFY(stamper.repeats().back() < lateUs);
        QCOMPARE(stamper.missedSlots(), 0);
        QVERIFY(!stamper.opening());
        stamper.place(lateUs + 2 * frameUs, true, 0);
        QVERIFY(stamper.repeats().empty());
        QCOMPARE(stamper.missedSlots(), 1);

        // Frames stamped as they go in fill nothing.
        stamper.reset(30);
        const qint64 inUs = stamper.place(-1, true, 3'000'000);
        stamper.place(-1, true, inUs + 3 * frameUs);
        QVERIFY(stamper.repeats().empty());
        QCOMPARE(stamper.missedSlots(), 2);
    }

    // A segment's picture lasts until the next one's first grab: its last frame goes in once
    // more in the slot before that grab's, when the grabs of the slots before it were lost,
    // and not at all when they were not.
    void theLastPictureStandsUntilTheNextSegment()
    {
        const qint64 frameUs = 1'000'000 / 30;
        FrameStamper stamper;
        stamper.reset(30);
        const qint64 firstUs = stamper.place(2'000'000, true, 2'000'100);
        const qint64 lastUs = stamper.place(firstUs + frameUs, true, 0);
        QCOMPARE(stamper.closeAt(-1), -1);
        QCOMPARE(stamper.closeAt(lastUs + frameUs), -1); // the next grab follows in the next slot
        const qint64 closingUs = stamper.closeAt(lastUs + 10 * frameUs - 3000);
        QCOMPARE(closingUs, firstUs + 10 * 1'000'000 / 30); // slot 10, before the grab's 11
        QCOMPARE(stamper.lastStampUs(), closingUs);
        QCOMPARE(stamper.closeAt(lastUs + 10 * frameUs), -1); // noted
    }
};

QTEST_APPLESS_MAIN(TestFrameStamper)
#include "tst_framestamper.moc"
