#include "platform/mac/AlignedSampleQueue.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double NsPerFrame = 1e9 / AlignedSampleQueue::Rate;

} // namespace

void AlignedSampleQueue::append(const float *samples, size_t frames, qint64 capturedEndNs)
{
    if (frames == 0)
        return;
    m_nextIndex += qint64(frames);
    const double start = double(capturedEndNs) - double(m_nextIndex) * NsPerFrame;
    while (!m_arrivals.empty() && m_arrivals.back().second >= start)
        m_arrivals.pop_back();
    m_arrivals.emplace_back(capturedEndNs, start);
    while (m_arrivals.front().first < capturedEndNs - WindowNs)
        m_arrivals.pop_front();

    if (samples)
        m_queue.insert(m_queue.end(), samples, samples + frames * Channels);
    else
        m_queue.insert(m_queue.end(), frames * Channels, 0.0f);
    if (queuedFrames() > MaxQueuedFrames)
        drop(queuedFrames() - MaxQueuedFrames);
}

void AlignedSampleQueue::restartStream()
{
    clear();
    m_arrivals.clear();
    m_headIndex = 0;
    m_nextIndex = 0;
    m_placed = false;
    m_step = 1.0;
}

void AlignedSampleQueue::setOrigin(qint64 originNs)
{
    m_originNs = originNs;
    m_hasOrigin = true;
    m_placed = false;
    m_position = 0;
    m_step = 1.0;
}

qint64 AlignedSampleQueue::positionAt(qint64 ns) const
{
    return std::llround(double(ns - m_originNs) / NsPerFrame);
}

double AlignedSampleQueue::misplacement() const
{
    const double start = m_arrivals.front().second;
    return (start - double(m_originNs)) / NsPerFrame + double(m_headIndex) + m_fraction - double(m_position);
}

void AlignedSampleQueue::drop(size_t frames)
{
    frames = std::min(frames, queuedFrames());
    m_queue.erase(m_queue.begin(), m_queue.begin() + std::ptrdiff_t(frames * Channels));
    m_headIndex += qint64(frames);
    m_dropped += frames;
    m_fraction = 0.0;
}

void AlignedSampleQueue::clear()
{
    m_queue.clear();
    m_headIndex = m_nextIndex;
    m_fraction = 0.0;
}

size_t AlignedSampleQueue::produce(float *out, size_t maxFrames, qint64 nowNs)
{
    return produceUntil(out, maxFrames, nowNs - (hasStart() ? StallNs : FirstSoundWaitNs));
}

size_t AlignedSampleQueue::produceUntil(float *out, size_t maxFrames, qint64 silentUntilNs)
{
    if (!m_hasOrigin)
        return 0;
    size_t done = 0;
    auto silence = [&](size_t frames) {
        std::fill_n(out + done * Channels, frames * Channels, 0.0f);
        done += frames;
        m_position += qint64(frames);
    };
    while (done < maxFrames) {
        if (hasStart() && queuedFrames() >= 2) {
            const double off = misplacement();
            if (std::abs(off) > JumpFrames)
                m_placed = false; // put in place all at once, not just below the jump
            if (!m_placed) {
                if (off <= -1.0) { // captured before its place: left out
                    drop(size_t(-off));
                    continue;
                }
                if (off >= 1.0) { // captured after its place: silence until then
                    silence(std::min(maxFrames - done, size_t(off)));
                    continue;
                }
                m_placed = true;
                m_step = 1.0;
            }
            // A small misplacement is taken up by reading the sound a little faster or
            // slower until it is gone.
            if (std::abs(off) > ToleranceFrames)
                m_step = off > 0 ? 1.0 - Slew : 1.0 + Slew;
            else if ((m_step < 1.0 && off <= 0) || (m_step > 1.0 && off >= 0))
                m_step = 1.0;
            while (done < maxFrames && queuedFrames() >= 2) {
                const double f = m_fraction;
                for (int c = 0; c < Channels; ++c)
                    out[done * Channels + c] = float(m_queue[c] * (1.0 - f) + m_queue[Channels + c] * f);
                ++done;
                ++m_position;
                m_fraction += m_step;
                while (m_fraction >= 1.0) {
                    m_queue.erase(m_queue.begin(), m_queue.begin() + Channels);
                    ++m_headIndex;
                    m_fraction -= 1.0;
                }
            }
            continue;
        }
        // Nothing to place here yet: silence once the sound is late beyond waiting for.
        const qint64 due = positionAt(silentUntilNs);
        if (due <= m_position)
            break;
        silence(std::min(maxFrames - done, size_t(due - m_position)));
    }
    return done;
}
