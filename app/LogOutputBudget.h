#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// Bounds what child processes add to the log. A message whose text starts with a tag that
// ends in " output]" ("[FFmpeg output] ...", "[Watermark output] ...") carries what a child
// process printed; per tag and per interval the first lines and bytes are kept, the rest is
// counted, and a note with the count follows once the interval is over. Other messages pass.
// Not thread-safe: the logger calls it under its own lock.
class LogOutputBudget
{
public:
    struct Limits {
        int lines = 100;           // per tag and interval
        qsizetype bytes = 32 * 1024;
        qint64 intervalMs = 10000;
    };

    LogOutputBudget();
    explicit LogOutputBudget(Limits limits);

    // The tag of a child-output message ("FFmpeg output"), empty for any other message.
    static QString outputTag(const QString &message);

    // True when the message goes to the log, cut to its first lines when only they fit.
    // `notes` gets the count notes of intervals that ended before `nowMs` (to be logged
    // before the message).
    bool admit(QString *message, qint64 nowMs, QStringList *notes);
    // The count notes of every interval over at `nowMs`, or of all that left something out
    // when `all` (at exit).
    QStringList due(qint64 nowMs, bool all = false);

private:
    struct Interval {
        qint64 startMs = 0;
        int lines = 0;
        qsizetype bytes = 0;
        qint64 droppedLines = 0;
        qint64 droppedBytes = 0;
    };
    static QString note(const QString &tag, const Interval &interval);

    Limits m_limits;
    QHash<QString, Interval> m_intervals;
};
