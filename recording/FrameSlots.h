#pragma once

#include <QtGlobal>

// Follows where the recording encoder puts frames that carry the time they were taken
// (variable frame timing at a set rate of `fps` slots a second) and counts the slots of the
// file that stay without a frame. The encoder keeps a frame in the next free slot unless it
// comes kKeepWithinFrames of a frame time or more before that slot (it is dropped), and moves
// on to the frame's own slot, rounded, when it comes more than that after. An empty slot is a moment the file lacks, whatever the cause: a frame
// taken late, skipped on its way, or dropped by the encoder.
class FrameSlots
{
public:
    // How far from its slot, in frame times, a frame may come and keep it.
    static constexpr double kKeepWithinFrames = 0.6;

    explicit FrameSlots(int fps = 30) { reset(fps); }
    // Slot 0 of the grid lies at `originUs` (an encoder that keeps its inputs' times), or at
    // the first frame when it is below 0 (one that starts each input at 0).
    void reset(int fps, qint64 originUs = -1);

    // A frame taken at `stampUs` (microseconds on any clock); false when the encoder drops it.
    bool add(qint64 stampUs);
    // The slot the encoder would put a frame taken at `stampUs` in (-1: dropped), without it.
    qint64 slotFor(qint64 stampUs) const;

    // Where the encoder puts the last frame add() kept: its slot, and that slot's time on the
    // frames' clock.
    qint64 lastSlot() const { return m_nextSlot - 1; }
    qint64 slotUs(qint64 slot) const { return m_originUs + slot * 1000000 / m_fps; }

    qint64 missing() const { return m_missing; }
    qint64 dropped() const { return m_dropped; }

private:
    int m_fps = 30;
    qint64 m_originUs = -1;
    qint64 m_nextSlot = 0;
    bool m_started = false;
    qint64 m_missing = 0;
    qint64 m_dropped = 0;
};
