#include "recording/FrameClock.h"

#include <algorithm>

void FrameClock::start(int fps)
{
    m_fps = std::max(1, fps);
    m_periodNs = 1000000000 / m_fps;
    m_frame = 0;
    m_clock.start();
}

int FrameClock::nextIntervalMs()
{
    return nextIntervalMs(m_clock.isValid() ? m_clock.nsecsElapsed() : 0);
}

int FrameClock::nextIntervalMs(qint64 elapsedNs)
{
    // Due time of frame n, exact to the nanosecond over any length of recording.
    const auto dueNs = [this](qint64 n) { return n * 1000000000 / m_fps; };
    ++m_frame;
    // A tick so late that the next frame would follow within half a period (a busy
    // event loop) does not start a burst: the schedule moves on to a later slot.
    const qint64 earliestNs = elapsedNs + m_periodNs / 2;
    if (dueNs(m_frame) < earliestNs)
        m_frame = earliestNs * m_fps / 1000000000 + 1;
    const qint64 leftNs = dueNs(m_frame) - elapsedNs;
    return int(std::max<qint64>(1, (leftNs + 500000) / 1000000));
}
