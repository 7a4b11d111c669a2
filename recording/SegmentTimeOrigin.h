#pragma once

#include <QtGlobal>

// The instant a segment's time starts, on the two clocks its inputs are stamped with: the
// steady clock of the sound captures and the wall clock with which the encoder stamps the
// pictures it reads. The wall-clock instant lies on the frame grid (a whole number of frame
// periods since the epoch), because the encoder counts a piped picture's time in frame
// periods and could not move it by anything finer.
struct SegmentTimeOrigin
{
    qint64 steadyNs = -1;
    qint64 wallUs = -1;

    bool isValid() const { return wallUs >= 0; }

    // The last grid instant at or before now (any instant when fps is below 1).
    static SegmentTimeOrigin now(int fps);
    // The last grid instant at or before the instant read as `steadyNs` and `wallUs`.
    static SegmentTimeOrigin onFrameGrid(qint64 steadyNs, qint64 wallUs, int fps);
};
