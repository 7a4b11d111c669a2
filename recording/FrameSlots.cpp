#include "recording/FrameSlots.h"

#include <algorithm>
#include <cmath>

void FrameSlots::reset(int fps)
{
    m_fps = std::max(1, fps);
    m_firstUs = 0;
    m_nextSlot = -1;
    m_missing = 0;
    m_dropped = 0;
}

bool FrameSlots::add(qint64 stampUs)
{
    if (m_nextSlot < 0) {
        m_firstUs = stampUs;
        m_nextSlot = 1;
        return true;
    }
    const double at = double(stampUs - m_firstUs) * m_fps / 1e6;
    const double early = double(m_nextSlot) - at;
    if (early >= 0.6) {
        ++m_dropped;
        return false;
    }
    qint64 slot = m_nextSlot;
    if (-early > 0.6)
        slot = std::llrint(at);
    m_missing += slot - m_nextSlot;
    m_nextSlot = slot + 1;
    return true;
}
