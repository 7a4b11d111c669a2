// What comes after a segment's encoder has ended: one row per way a segment can end.
#include "recording/SegmentEndDecision.h"

#include <QTest>

using Next = SegmentEndDecision::Next;
using Reason = SegmentEndReason;
Q_DECLARE_METATYPE(SegmentEndDecision::Facts)
Q_DECLARE_METATYPE(SegmentEndDecision::Next)

namespace {

// A segment of a video recording with libx264, 5 s after its launch, ended for `reason`
// with exit code `code`; nothing kept before it, the disk not full.
SegmentEndDecision::Facts ended(Reason reason, int code = 0)
{
    SegmentEndDecision::Facts f;
    f.exit.code = code;
    f.exit.reason = reason;
    f.exit.wasStopping = reason != Reason::None;
    f.reason = reason;
    f.encoder = QStringLiteral("libx264");
    f.segmentMs = 5000;
    f.segmentFileHasBytes = true;
    f.nativeSize = QSize(1920, 1080);
    return f;
}

// The same with a hardware encoder that failed to open, `ms` after the launch.
SegmentEndDecision::Facts hardwareFailed(qint64 ms)
{
    SegmentEndDecision::Facts f = ended(Reason::None, 1);
    f.encoder = QStringLiteral("h264_nvenc");
    f.encoderOutput = QStringLiteral("[h264_nvenc @ 0x1] Cannot load the driver\nError while opening encoder for output stream #0:0");
    f.segmentMs = ms;
    return f;
}

template <typename Change>
SegmentEndDecision::Facts with(SegmentEndDecision::Facts f, Change change)
{
    change(f);
    return f;
}

} // namespace

class TestSegmentEndDecision : public QObject
{
    Q_OBJECT

private slots:
    void decide_data()
    {
        QTest::addColumn<SegmentEndDecision::Facts>("facts");
        QTest::addColumn<Next>("next");

        QTest::newRow("discard, whatever the exit") << ended(Reason::Discard, 255) << Next::Discard;
        QTest::newRow("discard asked while the stopped segment was looked at")
            << with(ended(Reason::Stop, 255), [](auto &f) { f.reason = Reason::Discard; }) << Next::Discard;

        QTest::newRow("stop") << ended(Reason::Stop) << Next::Finalize;
        QTest::newRow("split or switch") << ended(Reason::Restart) << Next::NextSegment;
        QTest::newRow("pause") << ended(Reason::Pause) << Next::Paused;
        QTest::newRow("encoder ended by itself") << ended(Reason::None) << Next::EndedByItself;
        QTest::newRow("stop, exit 255, the file plays")
            << with(ended(Reason::Stop, 255), [](auto &f) { f.exit.holdsMedia = true; }) << Next::Finalize;
        QTest::newRow("pause taken over by a stop while looked at, the file plays")
            << with(ended(Reason::Pause, 255), [](auto &f) { f.exit.holdsMedia = true; f.reason = Reason::Stop; })
            << Next::Finalize;
        QTest::newRow("stop, exit 255, unreadable, segments before")
            << with(ended(Reason::Stop, 255), [](auto &f) { f.segmentsKept = true; }) << Next::FinalizeWithoutLast;
        QTest::newRow("stop, exit 255, unreadable, nothing before") << ended(Reason::Stop, 255) << Next::Fail;
        QTest::newRow("split, exit 255, unreadable") << ended(Reason::Restart, 255) << Next::Fail;
        QTest::newRow("killed while asked, not yet stopping")
            << with(ended(Reason::Pause, 9), [](auto &f) { f.exit.status = QProcess::CrashExit; f.exit.wasStopping = false; f.exit.holdsMedia = true; })
            << Next::Fail;
        QTest::newRow("crash without a reason") << with(ended(Reason::None, 9), [](auto &f) { f.exit.status = QProcess::CrashExit; })
                                                << Next::Fail;

        QTest::newRow("hardware encoder fails 2 s in") << hardwareFailed(2000) << Next::RetryInSoftware;
        QTest::newRow("... that never showed media, 15 s in")
            << with(hardwareFailed(15000), [](auto &f) { f.exit.timedOut = true; f.encoderOutput.clear(); })
            << Next::RetryInSoftware;
        QTest::newRow("... at 4K and 30 fps: the user is asked")
            << with(hardwareFailed(2000), [](auto &f) { f.nativeSize = QSize(3840, 2160); }) << Next::RetryInSoftwareAsked;
        QTest::newRow("... at 4K and 25 fps")
            << with(hardwareFailed(2000), [](auto &f) { f.nativeSize = QSize(3840, 2160); f.fps = 25; })
            << Next::RetryInSoftware;
        QTest::newRow("... 13 s in") << hardwareFailed(13000) << Next::Fail;
        QTest::newRow("... after a kept segment") << with(hardwareFailed(2000), [](auto &f) { f.segmentsKept = true; })
                                                  << Next::Fail;
        QTest::newRow("... a second time") << with(hardwareFailed(2000), [](auto &f) { f.hardwareFallbackDone = true; })
                                           << Next::Fail;
        QTest::newRow("... while a stop was asked") << with(hardwareFailed(2000), [](auto &f) { f.reason = Reason::Stop; })
                                                    << Next::Fail;
        QTest::newRow("libx264 fails to open") << with(hardwareFailed(2000), [](auto &f) { f.encoder = QStringLiteral("libx264"); })
                                               << Next::Fail;
        QTest::newRow("sound alone") << with(hardwareFailed(2000), [](auto &f) { f.audioOnly = true; }) << Next::Fail;

        const auto duplicationFailed = with(ended(Reason::None, 1), [](auto &f) {
            f.duplicationCapture = true;
            f.encoderOutput = QStringLiteral("No such filter: 'ddagrab'");
            f.segmentMs = 2000;
        });
        QTest::newRow("duplication capture fails 2 s in") << duplicationFailed << Next::RetryWithScreenGrab;
        QTest::newRow("... 9 s in") << with(duplicationFailed, [](auto &f) { f.segmentMs = 9000; }) << Next::Fail;
        QTest::newRow("... a second time") << with(duplicationFailed, [](auto &f) { f.captureFallbackDone = true; })
                                           << Next::Fail;
        QTest::newRow("... another backend") << with(duplicationFailed, [](auto &f) { f.duplicationCapture = false; })
                                             << Next::Fail;

        const auto diskFilled = with(ended(Reason::None, 1), [](auto &f) { f.saveDiskFull = true; });
        QTest::newRow("disk full, the segment plays up to its last fragment")
            << with(diskFilled, [](auto &f) { f.exit.holdsMedia = true; }) << Next::SaveOnFullDisk;
        QTest::newRow("disk full at a split's next segment, the one before writing out")
            << with(diskFilled, [](auto &f) { f.segmentsDraining = true; f.segmentFileHasBytes = false; })
            << Next::SaveOnFullDisk;
        QTest::newRow("disk full before anything played") << diskFilled << Next::NothingOnFullDisk;
        QTest::newRow("disk full before the file had a byte")
            << with(diskFilled, [](auto &f) { f.segmentFileHasBytes = false; }) << Next::Fail;
        QTest::newRow("disk full at a stop, segments before")
            << with(diskFilled, [](auto &f) { f.exit.reason = f.reason = Reason::Stop; f.segmentsKept = true; })
            << Next::FinalizeWithoutLast;
    }

    void decide()
    {
        QFETCH(SegmentEndDecision::Facts, facts);
        QFETCH(Next, next);
        QCOMPARE(int(SegmentEndDecision::decide(facts)), int(next));
    }
};

QTEST_GUILESS_MAIN(TestSegmentEndDecision)
#include "tst_segmentenddecision.moc"
