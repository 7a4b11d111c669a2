#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>

// Decisions the recorder takes on its half-second policy tick, kept free of timers and
// files so that they can be checked with made-up times and sizes.
class RecordingPolicy
{
public:
    static constexpr qint64 kMegabyte = 1048576;
    static constexpr qint64 kMinuteMs = 60000;

    // One limit, as the auto-stop and auto-split settings hold it.
    struct Limit
    {
        bool enabled = false;
        int mode = 0; // 0 by duration, 1 by size
        int minutes = 10;
        int megabytes = 500;
    };

    // What the recorder knows at one tick. A timer that is not running reads -1.
    struct Snapshot
    {
        bool active = false;
        bool paused = false;
        bool endPending = false; // a segment end has already been asked for
        bool encoderRunning = false;
        qint64 recordingMs = -1; // since the first media, pauses included
        qint64 segmentMs = -1;   // since the launch of the running segment
        qint64 totalBytes = 0;   // every kept segment plus the running one
        qint64 segmentBytes = 0; // the running segment only
    };

    enum class Action { None, Stop, Split };

    // True when the tick may act at all (and report statistics).
    static bool tickApplies(const Snapshot &s);

    // Auto-stop is looked at first: when both are due at the same tick, the recording stops.
    static Action decide(const Limit &autoStop, const Limit &autoSplit, const Snapshot &s);

    // The size shown to the user. Audio files grow in bursts (and WAV or FLAC headers are
    // written at the end), so audio-only recordings show at least what the bit rate implies.
    static qint64 estimatedDisplayBytes(qint64 actualBytes, bool audioOnly, const QString &audioFormat,
                                        int audioBitrateKbps, qint64 finishedSegmentsMs,
                                        qint64 runningSegmentMs);

    // A live switch ends the running segment only while a segment is really recording.
    static bool liveSwitchRestarts(const Snapshot &s);

    // The capture size the resolution downgrade falls back to.
    static QSize downgradedCaptureSize(const QSize &pipeFrameSize);
};
