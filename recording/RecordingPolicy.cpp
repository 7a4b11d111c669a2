#include "recording/RecordingPolicy.h"

#include <algorithm>

bool RecordingPolicy::tickApplies(const Snapshot &s)
{
    return s.active && !s.paused && !s.endPending && s.encoderRunning;
}

RecordingPolicy::Action RecordingPolicy::decide(const Limit &autoStop, const Limit &autoSplit,
                                                const Snapshot &s)
{
    if (!tickApplies(s))
        return Action::None;

    if (autoStop.enabled) {
        if (autoStop.mode == 0) {
            if (s.recordingMs >= 0 && s.recordingMs >= qint64(autoStop.minutes) * kMinuteMs)
                return Action::Stop;
        } else if (s.totalBytes >= qint64(autoStop.megabytes) * kMegabyte) {
            return Action::Stop;
        }
    }

    if (autoSplit.enabled) {
        if (autoSplit.mode == 0) {
            if (s.segmentMs >= 0 && s.segmentMs >= qint64(autoSplit.minutes) * kMinuteMs)
                return Action::Split;
        } else if (s.segmentBytes >= qint64(autoSplit.megabytes) * kMegabyte) {
            return Action::Split;
        }
    }
    return Action::None;
}

qint64 RecordingPolicy::estimatedDisplayBytes(qint64 actualBytes, bool audioOnly,
                                              const QString &audioFormat, int audioBitrateKbps,
                                              qint64 finishedSegmentsMs, qint64 runningSegmentMs)
{
    if (!audioOnly)
        return actualBytes;
    const qint64 ms = finishedSegmentsMs + std::max<qint64>(0, runningSegmentMs);
    if (ms < 1)
        return actualBytes;
    qint64 kbps;
    if (audioFormat == QLatin1String("flac"))
        kbps = 900;
    else if (audioFormat == QLatin1String("wav"))
        kbps = 1536;
    else
        kbps = std::max(1, audioBitrateKbps);
    return std::max(ms * kbps / 8, actualBytes);
}

bool RecordingPolicy::liveSwitchRestarts(const Snapshot &s)
{
    return tickApplies(s);
}

QSize RecordingPolicy::downgradedCaptureSize(const QSize &pipeFrameSize)
{
    return pipeFrameSize.height() <= 1080 ? QSize(1280, 720) : QSize(1920, 1080);
}
