#pragma once

#include <QtGlobal>

#include <cstddef>
#include <deque>
#include <utility>

// Puts captured stereo sound on the steady clock of the program, so that a stream of raw
// samples, whose time is only its sample count, keeps the time at which the sound was
// captured. Output position p holds the sound of the instant origin + p / 48000 s: sound
// captured before the origin is left out, a start, a hole or a stall of the source becomes
// silence in its place, sound that comes too late for its place is dropped, and the small
// difference between the source's sample clock and the steady clock is taken up by
// resampling the sound by a fraction of a percent, so that the stream never drifts.
//
// The capture time of each sample comes from its count in the source's stream and the
// instants its fragments were known to be captured by (their arrival, or what the sound
// server says): a fragment is never known before its last sample was captured, so the
// earliest such instant relative to the count, over the last second, marks the stream's
// start. A late delivery (a busy machine) therefore moves nothing.
//
// Not thread safe: the capture guards it with its own lock.
class AlignedSampleQueue
{
public:
    static constexpr int Rate = 48000;
    static constexpr int Channels = 2;
    // Frames kept while waiting for the writer or the origin (2 s).
    static constexpr size_t MaxQueuedFrames = 96000;
    // How long fragments are looked back on to find the stream's start.
    static constexpr qint64 WindowNs = 1'000'000'000;
    // Sound this late for its place is given up for silence. A busy machine's sound server
    // delivers up to 0.7 s late now and then, every sample of it. (Below WindowNs: the sound
    // after a longer stall still finds its place.)
    static constexpr qint64 StallNs = 750'000'000;
    // A source that has delivered nothing yet (a start, or a stream connected again) is
    // waited for this long: the encoder opens its input only with the first sound.
    static constexpr qint64 FirstSoundWaitNs = 120'000'000;
    // Misplacements up to this size are taken up by resampling, larger ones at once (20 ms).
    static constexpr double JumpFrames = Rate / 50.0;
    // Resampling starts beyond this misplacement (1 ms) and ends near none.
    static constexpr double ToleranceFrames = Rate / 1000.0;
    // The rate change while resampling: 5 ms of sound per second.
    static constexpr double Slew = 0.005;

    // Appends `frames` interleaved stereo frames whose last one was captured by `capturedEndNs`
    // (steady clock); null samples are a hole of that many frames that the source lost.
    void append(const float *samples, size_t frames, qint64 capturedEndNs);
    // The source starts a new stream (after a reconnection): its count starts again.
    void restartStream();
    // Output position 0 is the sound captured at `originNs`; nothing is produced before
    // an origin is set.
    void setOrigin(qint64 originNs);
    bool hasOrigin() const { return m_hasOrigin; }
    // Output frames produced so far.
    qint64 position() const { return m_position; }
    // The output position of the instant `ns` (rounded to a frame).
    qint64 positionAt(qint64 ns) const;
    // Writes up to `maxFrames` frames for the next positions into `out`: what has arrived,
    // or silence for positions whose sound is later than StallNs (FirstSoundWaitNs before the
    // source's first sound) at `nowNs`. Returns the frames written (0: wait for more).
    size_t produce(float *out, size_t maxFrames, qint64 nowNs);
    // The same, with silence for the positions before `silentUntilNs` whose sound has not come.
    size_t produceUntil(float *out, size_t maxFrames, qint64 silentUntilNs);

    size_t queuedFrames() const { return m_queue.size() / Channels; }
    // Frames that were dropped: before the origin, too late, or beyond the queue's bound.
    quint64 droppedFrames() const { return m_dropped; }
    // Empties the queue (the origin and the position stay).
    void clear();

private:
    // Where the sound at the read point belongs minus where the output is, in frames.
    double misplacement() const;
    void drop(size_t frames);
    bool hasStart() const { return !m_arrivals.empty(); }

    std::deque<float> m_queue;         // interleaved, oldest first
    qint64 m_headIndex = 0;            // the stream's count of the queue's first frame
    qint64 m_nextIndex = 0;            // the stream's count of the next frame appended
    // (captured by, that minus the count's duration), the second rising: the front is the
    // earliest start seen over the window.
    std::deque<std::pair<qint64, double>> m_arrivals;
    qint64 m_originNs = 0;
    bool m_hasOrigin = false;
    bool m_placed = false;             // the stream was put in its place once
    qint64 m_position = 0;
    double m_fraction = 0.0;           // read point between the first two queued frames
    double m_step = 1.0;               // input frames per output frame
    quint64 m_dropped = 0;
};
