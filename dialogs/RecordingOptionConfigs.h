#pragma once

#include <QDateTime>
#include <QMetaType>

// The records that the bottom tool strip keeps in the settings and hands to the
// option dialogs and the recorder. Plain values, copied freely.

// Close the current file and go on in a new one after a duration or a size.
struct AutoSplitConfig
{
    bool enabled = false;
    int mode = 0; // 0 by recording duration, 1 by file size
    int durationMin = 10;
    int sizeMB = 500; // megabytes of 1,048,576 bytes

    bool operator==(const AutoSplitConfig &) const = default;
};

// Stop the recording after a duration or when the file reaches a size.
struct AutoStopConfig
{
    bool enabled = false;
    int mode = 0; // 0 by recording duration, 1 by file size
    int durationMin = 30;
    int sizeMB = 1000;

    bool operator==(const AutoStopConfig &) const = default;
};

// The one recording schedule: once at startAt, daily at its time, or weekly on weekDay
// at its time, recording with captureMode.
struct ScheduledRecordingConfig
{
    bool enabled = false;
    int recurrence = 0; // 0 once, 1 daily, 2 weekly
    QDateTime startAt = QDateTime::currentDateTime().addSecs(300);
    int weekDay = 1; // 1 Monday .. 7 Sunday
    int captureMode = 0;

    bool operator==(const ScheduledRecordingConfig &) const = default;
};

Q_DECLARE_METATYPE(AutoSplitConfig)
Q_DECLARE_METATYPE(AutoStopConfig)
Q_DECLARE_METATYPE(ScheduledRecordingConfig)
