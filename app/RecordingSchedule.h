#pragma once

#include "preparation/CaptureMode.h"

#include <QDateTime>

// The rules of the recording schedule (once, daily or weekly), as pure functions over an
// injected clock, so that the main window only arms its timer and acts on the answers.
namespace RecordingSchedule {

// The longest single-shot timer interval; a start further away fires early and is armed
// again.
constexpr qint64 kMaxTimerMs = 2147483647;
// A firing this much or more before its due time is early: nothing records, the timer is
// armed again.
constexpr qint64 kEarlyToleranceMs = 2000;

// The next start strictly later than `after`:
// - once (0): startAt, when valid and later; otherwise none;
// - daily (1): the first day from `after`'s date on whose startAt time of day is later;
// - weekly (other): the same on weekDay (clamped to 1 Monday .. 7 Sunday).
// A time of day that does not exist on a day (a daylight-saving gap) moves on to the next
// day (daily) or week (weekly) where it does. None is an invalid QDateTime.
QDateTime nextStart(int recurrence, const QDateTime &startAt, int weekDay, const QDateTime &after);

template <typename Config>
QDateTime nextStart(const Config &config, const QDateTime &after)
{
    return nextStart(config.recurrence, config.startAt, config.weekDay, after);
}

// The stored capture mode as one the recorder knows (0..4).
CaptureMode clampedCaptureMode(int mode);

enum class FiringAction {
    Ignore,      // the schedule is off
    ArmAgain,    // fired early: arm again for the same start, record nothing
    Record,      // start the recording
    ChooseTarget,// a window or game recording without a target: show the window instead
    SkipBusy,    // something records already: skip this start
};

struct Firing
{
    FiringAction action = FiringAction::Ignore;
    bool armNext = false;   // daily and weekly: arm the next start after this one
    bool switchOff = false; // once: the schedule is done
};

// What a firing of the timer armed for `due` does at `now`.
Firing decide(bool enabled, int recurrence, const QDateTime &due, const QDateTime &now, bool busy,
              bool needsTarget, bool hasTarget);

} // namespace RecordingSchedule
