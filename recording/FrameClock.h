#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Paces the frame timer on an exact schedule of `fps` frames per second. A timer
// period of whole milliseconds runs fast or slow (33 ms is 30.3 frames per second),
// and an encoder that stamps frames with its clock then drops one every few
// seconds. After each tick the timer gets the whole milliseconds left until the
// next frame is due, so the periods alternate (33, 33, 34 ms at 30 fps) around the
// exact one and the error never adds up.
class FrameClock
{
public:
    // Starts the schedule now: frame n is due n / fps seconds from here.
    void start(int fps);
    // Milliseconds from now to the next frame due, at least 1; a slot that is less
    // than half a period away is skipped.
    int nextIntervalMs();
    // The same, for a schedule `elapsedNs` nanoseconds old.
    int nextIntervalMs(qint64 elapsedNs);

    qint64 periodNs() const { return m_periodNs; }

private:
    QElapsedTimer m_clock;
    qint64 m_periodNs = 1000000000 / 30;
    int m_fps = 30;
    qint64 m_frame = 0; // index of the frame last due
};
