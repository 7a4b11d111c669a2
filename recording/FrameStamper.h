#pragma once

#include "recording/FrameSlots.h"

#include <QtGlobal>

#include <vector>

// The times the frames of one encoder's input carry, and where its file's time 0 lies: the
// rules the frame pipe follows, without the pipe. Times are microseconds of the wall clock
// (RecordingClock::wallUs()); the caller passes "now", so the rules can be tried with any time.
//
// The encoder keeps each frame in a slot of its rate (FrameSlots). The first frame's time sets
// the slots: it stands kGrabLeadPercent of a frame time after its grab (or, without a time, as
// long after a grab on the beat), so that the grabs after it fall that far before their slots
// and a grab can begin 0.9 of a frame time late and keep its slot. Frames taken at a steady
// phase to the first one stand that much earlier (or later) all through: the file's time 0 is
// the first frame's instant moved by the median of that phase over the next kPhaseFrames.
class FrameStamper
{
public:
    static constexpr int kGrabLeadPercent = 30;
    // A grab older than this when the encoder has opened its input does not open the file: an
    // encoder that took long to start would show it for the whole wait. The grabs made while an
    // encoder starts in its usual time (a few hundred milliseconds) keep their slots.
    static constexpr qint64 kStaleFirstFrameUs = 500'000;
    static constexpr int kPhaseFrames = 5;
    // The encoder's B-frames take the file's decoding delay from the spacing of its first
    // frames, and the sound's lead is set for frames one slot apart: a slot left empty among
    // these would move the sound's first packet away from the rest. Before a grab that came
    // late they are filled with the picture before (what was on screen until then); frames
    // stamped as they go in are not grabs and fill nothing.
    static constexpr int kOpeningSlots = 3;
    static constexpr qint64 kPhaseWaitNs = 300'000'000;

    // A new input at `fps`, whose slot 0 lies at `originUs` (below 0: at its first frame) and
    // whose grabs come one frame time apart from `beatUs` (below 0: no beat).
    void reset(int fps, qint64 originUs = -1, qint64 beatUs = -1);

    // Whether a frame taken at `takenUs` (below 0: no time, stamped as it goes in) goes in at
    // `nowUs`: not a grab that is stale at the file's start, nor one not taken after the frame
    // before (the encoder would drop it). `counted`: false for the primer the encoder opens
    // its input with and leaves out.
    bool admits(qint64 takenUs, bool counted, qint64 nowUs) const;
    // The time the frame admitted carries into the stream, going in at `nowUs`; notes it.
    qint64 place(qint64 takenUs, bool counted, qint64 nowUs);
    // The times at which the counted frame before goes in again ahead of the grab just
    // placed, to fill the file's opening slots (kOpeningSlots); already noted.
    const std::vector<qint64>& repeats() const { return m_repeats; }
    // The time at which the counted frame before goes in once more as the input ends, so that
    // the file's picture lasts until `endUs` (where the next segment's first picture was
    // grabbed): the slot just before the one a frame taken at `endUs` would have, when the
    // frames placed leave it empty. -1 when none is needed (or `endUs` is below 0). Noted.
    qint64 closeAt(qint64 endUs);
    // Whether the opening slots are not all taken yet: the frame placed last may be repeated.
    bool opening() const { return m_firstSlot < 0 || m_slots.lastSlot() < m_firstSlot + kOpeningSlots - 1; }

    // The latest time at or before `atUs` that lies kGrabLeadPercent of a frame time after a
    // grab on the beat of `beatUs` at `fps`.
    static qint64 stampOnBeat(qint64 atUs, qint64 beatUs, int fps);
    // The file's time 0 on the steady clock, from its first frame's instant `firstNs`, the phase
    // `phaseUs` taken over `phaseFrames` frames, at `nowNs`: -1 while it is not known yet (fewer
    // than kPhaseFrames frames, and less than kPhaseWaitNs after the first).
    static qint64 originNs(qint64 firstNs, qint64 phaseUs, int phaseFrames, qint64 nowNs);

    // The time of the newest frame (-1 before the first).
    qint64 lastStampUs() const { return m_lastStampUs; }
    // Frame time minus slot time, the median over the counted frames after the first, and
    // how many frames it was taken over.
    qint64 phaseUs() const { return m_phaseUs; }
    int phaseFrames() const { return int(m_phaseSamples.size()); }
    // Slots of the file that the frames placed so far leave empty.
    qint64 missedSlots() const { return m_slots.missing(); }

private:
    int m_fps = 30;
    qint64 m_originUs = -1;
    qint64 m_beatUs = -1;
    FrameSlots m_slots;
    qint64 m_lastStampUs = -1;
    bool m_primed = false; // the first frame was a primer the encoder leaves out
    qint64 m_firstSlot = -1;
    std::vector<qint64> m_repeats;
    std::vector<qint64> m_phaseSamples;
    qint64 m_phaseUs = 0;
};
