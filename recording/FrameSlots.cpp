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

qint64 FrameSlots::slotFor(qint64 stampUs) const
{
    const double at = m_originUs < 0 ? 0.0 : double(stampUs - m_originUs) * m_fps / 1e6;
    const double early = double(m_nextSlot) - at;
    if (early >= kKeepWithinFrames)
        return -1;
    return -early > kKeepWithinFrames ? std::llrint(at) : m_nextSlot;
}

bool FrameSlots::add(qint64 stampUs)
{
    if (m_originUs < 0)
        m_originUs = stampUs;
    const qint64 slot = slotFor(stampUs);
    if (slot < 0) {
        ++m_dropped;
        return false;
    }
    if (m_started)
        m_missing += slot - m_nextSlot; // the file starts with its first frame
    m_started = true;
    m_nextSlot = slot + 1;
    return true;
}
