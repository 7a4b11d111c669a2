#pragma once

#include <QProcess>
#include <QSize>
#include <QString>

// Why the running segment is being ended.
enum class SegmentEndReason : int { None = 0, Pause = 1, Restart = 2, Stop = 3, Discard = 4 };

// How a segment's encoder ended, and whether its file holds media (looked at only when the
// end was abnormal and the file may still be of use).
struct EncoderExit
{
    int code = 0;
    QProcess::ExitStatus status = QProcess::NormalExit;
    // The reason pending when the encoder ended.
    SegmentEndReason reason = SegmentEndReason::None;
    bool timedOut = false;
    bool wasStopping = false;
    bool holdsMedia = false;
    // How long its file plays, -1 when not looked at.
    qint64 playableMs = -1;
    bool abnormal() const { return status == QProcess::CrashExit || code != 0 || timedOut; }
};

// What comes after a segment's encoder has ended, from how it ended and what the recording
// holds. Free of the Recorder, which carries the answer out.
class SegmentEndDecision
{
public:
    enum class Next {
        Discard,              // everything recorded goes
        RetryInSoftware,      // a hardware encoder failed at its start: the segment again with libx264
        RetryInSoftwareAsked, // the same at 4K and 30 fps or more: the user chooses how first
        RetryWithScreenGrab,  // the duplication capture failed at its start: the segment again with the plain grab
        SaveOnFullDisk,       // the save disk filled: the recording ends with what it holds
        NothingOnFullDisk,    // the save disk filled before anything playable was written
        Finalize,             // the segment is kept and the recording saved (a stop)
        NextSegment,          // the segment is kept and the next one starts (a split or a switch)
        Paused,               // the segment is kept and the recording pauses
        EndedByItself,        // the segment is kept; the encoder ended without being asked
        FinalizeWithoutLast,  // a stop whose last segment does not play: saved without it
        Fail,                 // the recording ends with the encoder's error
    };

    struct Facts
    {
        EncoderExit exit;
        // Pending now: a stop or discard asked while the ended segment was looked at counts.
        SegmentEndReason reason = SegmentEndReason::None;
        bool audioOnly = false;
        QString encoder;         // the video encoder of the recording
        QString encoderOutput;   // what the encoder printed last
        bool hardwareFallbackDone = false;
        bool captureFallbackDone = false;
        bool duplicationCapture = false; // the backend that may fall back to the plain grab
        bool segmentsKept = false;       // earlier segments kept
        bool segmentsDraining = false;   // earlier segments that a split ended still writing out
        qint64 segmentMs = -1;           // since the segment's launch; -1: not launched
        bool saveDiskFull = false;
        bool segmentFileHasBytes = false;
        QSize nativeSize;
        int fps = 30;
    };

    // An abnormal end asked for whose file still holds media counts as a normal one.
    static bool usable(const EncoderExit &exit);
    static Next decide(const Facts &facts);
};
