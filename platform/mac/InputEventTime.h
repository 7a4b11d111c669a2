#pragma once

#include <QtGlobal>

// The instants of the user's key presses and clicks on the recording's steady clock
// (RecordingClock::steadyNs()), where sound and the file's time 0 lie. The X server stamps key
// and button events with its time in milliseconds, read from CLOCK_MONOTONIC (32 bits, wrapping
// every 49.7 days), the clock that std::chrono::steady_clock reads on Linux.
namespace InputEventTime {

// The instant (steady clock, ns) of an event the X server stamped `serverMs`, seen at `nowNs`:
// `nowNs` itself when the stamp does not lie within the last minute (no stamp, or another clock).
qint64 steadyNsOfServerTime(quint32 serverMs, qint64 nowNs);

// Starts noting the time of every key and button event the application delivers (once).
void watchInput();
// The instant of the latest key or button event delivered: that of the click whose handling
// asks for it. Before watchInput(), the latest such event the X connection read; now without
// an X11 connection.
qint64 latestInputSteadyNs();

} // namespace InputEventTime
