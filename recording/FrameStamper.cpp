#include "recording/FrameStamper.h"

#include <algorithm>

void FrameStamper::reset(int fps, qint64 originUs, qint64 beatUs)
{
    m_fps = fps;
    m_originUs = originUs;
    m_beatUs = beatUs;
    m_slots.reset(fps, originUs);
    m_lastStampUs = -1;
    m_primed = false;
    m_firstSlot = -1;
    m_repeats.clear();
    m_phaseSamples.clear();
    m_phaseUs = 0;
}

bool FrameStamper::admits(qint64 takenUs, bool counted, qint64 nowUs) const
{
    // Taken long before a slow encoder could read it: the file begins with the grabs of the
    // moment it starts instead of this picture standing for the wait.
    if (m_lastStampUs < 0 && counted && takenUs >= 0 && m_originUs < 0 && takenUs < nowUs - kStaleFirstFrameUs)
        return false;
    return takenUs < 0 || takenUs > m_lastStampUs;
}

qint64 FrameStamper::place(qint64 takenUs, bool counted, qint64 nowUs)
{
    // A frame stamped here comes after the one before, however quickly they follow.
    qint64 stampUs = takenUs >= 0 ? takenUs : std::max(nowUs, m_lastStampUs + 1);
    const qint64 leadUs = qint64(m_fps > 0 ? 1000000 / m_fps : 0) * kGrabLeadPercent / 100;
    if (m_lastStampUs < 0 && takenUs < 0 && counted && m_beatUs >= 0 && m_originUs < 0) {
        // The file's first frame sets the slots of the grabs after it.
        stampUs = stampOnBeat(stampUs, m_beatUs, m_fps);
    } else if ((m_primed || m_lastStampUs < 0) && counted && m_slots.lastSlot() < 0 && takenUs >= 0
               && m_originUs < 0) {
        // The first grab of the file (or the first after a primer the encoder leaves out) sets
        // the slots, and stands a little later so that the grabs after it sit early in theirs.
        stampUs += leadUs;
    }
    if (m_lastStampUs < 0)
        m_primed = !counted;
    m_lastStampUs = stampUs;
    m_repeats.clear();
    if (counted) {
        const bool first = m_slots.lastSlot() < 0;
        if (!first && m_firstSlot >= 0 && takenUs >= 0) {
            const qint64 slot = m_slots.slotFor(stampUs);
            const qint64 lastFill = std::min(slot - 1, m_firstSlot + kOpeningSlots - 1);
            for (qint64 k = m_slots.lastSlot() + 1; slot >= 0 && k <= lastFill; ++k) {
                m_repeats.push_back(m_slots.slotUs(k));
                m_slots.add(m_slots.slotUs(k));
            }
        }
        if (first)
            m_firstSlot = m_slots.slotFor(stampUs);
        if (m_slots.add(stampUs) && !first && m_phaseSamples.size() < size_t(kPhaseFrames)) {
            m_phaseSamples.push_back(stampUs - m_slots.slotUs(m_slots.lastSlot()));
            std::vector<qint64> sorted = m_phaseSamples;
            std::nth_element(sorted.begin(), sorted.begin() + qsizetype(sorted.size() / 2), sorted.end());
            m_phaseUs = sorted.at(sorted.size() / 2);
        }
    }
    return stampUs;
}

qint64 FrameStamper::closeAt(qint64 endUs)
{
    if (endUs < 0 || m_slots.lastSlot() < 0)
        return -1;
    const qint64 endSlot = m_slots.slotFor(endUs);
    if (endSlot - 1 <= m_slots.lastSlot())
        return -1;
    const qint64 stampUs = m_slots.slotUs(endSlot - 1);
    m_slots.add(stampUs);
    m_lastStampUs = std::max(m_lastStampUs, stampUs);
    return stampUs;
}

qint64 FrameStamper::stampOnBeat(qint64 atUs, qint64 beatUs, int fps)
{
    if (fps <= 0 || beatUs < 0)
        return atUs;
    const qint64 frameUs = 1000000 / fps;
    const qint64 anchorUs = beatUs + frameUs * kGrabLeadPercent / 100;
    const qint64 past = ((atUs - anchorUs) % frameUs + frameUs) % frameUs;
    return atUs - past;
}

qint64 FrameStamper::originNs(qint64 firstNs, qint64 phaseUs, int phaseFrames, qint64 nowNs)
{
    if (firstNs < 0)
        return -1;
    if (phaseFrames < kPhaseFrames && nowNs - firstNs < kPhaseWaitNs)
        return -1;
    return firstNs + phaseUs * 1000;
}
