#include "recording/SegmentTimeOrigin.h"

#include "platform/mac/MacSystemAudioCapture.h"

#include <ctime>

SegmentTimeOrigin SegmentTimeOrigin::now(int fps)
{
    // The encoder stamps with the real-time clock; both readings are taken back to back.
    timespec wall{};
    const qint64 steady = MacSystemAudioCapture::nowNs();
    ::clock_gettime(CLOCK_REALTIME, &wall);
    return onFrameGrid(steady, qint64(wall.tv_sec) * 1000000 + wall.tv_nsec / 1000, fps);
}

SegmentTimeOrigin SegmentTimeOrigin::onFrameGrid(qint64 steadyNs, qint64 wallUs, int fps)
{
    if (fps < 1)
        return {steadyNs, wallUs};
    // Frame k of the grid lies at k * 1000000 / fps microseconds, rounded to the nearest one.
    const qint64 frame = wallUs * fps / 1000000;
    qint64 gridUs = (frame * 1000000 + fps / 2) / fps;
    if (gridUs > wallUs)
        gridUs = ((frame - 1) * 1000000 + fps / 2) / fps;
    return {steadyNs - (wallUs - gridUs) * 1000, gridUs};
}
