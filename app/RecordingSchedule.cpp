#include "app/RecordingSchedule.h"

#include <algorithm>

namespace RecordingSchedule {

QDateTime nextStart(int recurrence, const QDateTime &startAt, int weekDay, const QDateTime &after)
{
    if (recurrence == 0)
        return (startAt.isValid() && startAt > after) ? startAt : QDateTime();

    const QTime time = startAt.time();
    if (!time.isValid())
        return QDateTime();
    const QDate today = after.date();
    QDate day = today;
    int step = 1;
    if (recurrence != 1) {
        const int wanted = std::clamp(weekDay, 1, 7);
        day = today.addDays((wanted - today.dayOfWeek() + 7) % 7);
        step = 7;
    }
    // Enough steps to pass "today" and a day whose time falls into a gap.
    for (int i = 0; i < 4; ++i, day = day.addDays(step)) {
        const QDateTime candidate(day, time); // local time
        if (candidate.isValid() && candidate > after)
            return candidate;
    }
    return QDateTime();
}

CaptureMode clampedCaptureMode(int mode)
{
    return CaptureMode(std::clamp(mode, int(CaptureMode::Screen), int(CaptureMode::AudioOnly)));
}

Firing decide(bool enabled, int recurrence, const QDateTime &due, const QDateTime &now, bool busy,
              bool needsTarget, bool hasTarget)
{
    Firing firing;
    if (!enabled)
        return firing;
    if (due.isValid() && now.msecsTo(due) >= kEarlyToleranceMs) {
        firing.action = FiringAction::ArmAgain;
        return firing;
    }
    if (busy)
        firing.action = FiringAction::SkipBusy;
    else if (needsTarget && !hasTarget)
        firing.action = FiringAction::ChooseTarget;
    else
        firing.action = FiringAction::Record;
    firing.armNext = recurrence != 0;
    firing.switchOff = recurrence == 0;
    return firing;
}

} // namespace RecordingSchedule
