#pragma once

#include <QtGlobal>

#include <chrono>
#include <ctime>

// The recording's clock, which every input of a recording keeps time with. Pictures carry the
// wall clock in microseconds into the encoder, which stamps its own time with the same clock;
// sound, key presses and clicks (the X server's time is CLOCK_MONOTONIC, see InputEventTime)
// and the file's time 0 lie on the steady clock in nanoseconds.
namespace RecordingClock {

// Now on the wall clock, in microseconds: the time a picture is stamped with.
inline qint64 wallUs()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

// Now on the steady clock, in nanoseconds.
inline qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The instant `wallUs` (wallUs()) on the steady clock, in nanoseconds.
inline qint64 steadyNsOfWall(qint64 atWallUs)
{
    return steadyNs() - (wallUs() - atWallUs) * 1000;
}

// The instant `atSteadyNs` (steadyNs()) on the wall clock, in microseconds.
inline qint64 wallUsOfSteady(qint64 atSteadyNs)
{
    return wallUs() - (steadyNs() - atSteadyNs) / 1000;
}

} // namespace RecordingClock
