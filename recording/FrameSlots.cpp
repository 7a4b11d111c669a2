#include "recording/FrameSlots.h"

#include <algorithm>
#include <cmath>

void FrameSlots::reset(int fps, qint64 originUs)
{
    m_fps = std::max(1, fps);
    m_originUs = originUs;
    m_nextSlot = 0;
    m_started = false;
    m_missing = 0;
    m_dropped = 0;
}

bool FrameSlots::add(qint64 stampUs)
{
    if (m_originUs < 0)
        m_originUs = stampUs;
    const double at = double(stampUs - m_originUs) * m_fps / 1e6;
    const double early = double(m_nextSlot) - at;
    if (early >= kKeepWithinFrames) {
        ++m_dropped;
        return false;
    }
    qint64 slot = m_nextSlot;
    if (-early > kKeepWithinFrames)
        slot = std::llrint(at);
    if (m_started)
        m_missing += slot - m_nextSlot; // the file starts with its first frame
    m_started = true;
    m_nextSlot = slot + 1;
    return true;
}
