#include "app/FileLoggerOutputBudget.h"

namespace {

const QLatin1String kOutputSuffix(" output]");

} // namespace

LogOutputBudget::LogOutputBudget() : LogOutputBudget(Limits()) {}

LogOutputBudget::LogOutputBudget(Limits limits) : m_limits(limits) {}

QString LogOutputBudget::outputTag(const QString &message)
{
    if (!message.startsWith(QLatin1Char('[')))
        return QString();
    const qsizetype end = message.indexOf(QLatin1Char(']'));
    if (end < 0 || end > 64)
        return QString();
    const QString tag = message.left(end + 1);
    return tag.endsWith(kOutputSuffix) ? tag.mid(1, tag.size() - 2) : QString();
}

QString LogOutputBudget::note(const QString &tag, const Interval &interval)
{
    return QStringLiteral("[%1] %2 more lines (%3 bytes) left out of the log")
        .arg(tag)
        .arg(interval.droppedLines)
        .arg(interval.droppedBytes);
}

bool LogOutputBudget::admit(const QString &message, qint64 nowMs, QStringList *notes)
{
    const QString tag = outputTag(message);
    if (tag.isEmpty())
        return true;
    if (notes)
        *notes << due(nowMs);
    auto it = m_intervals.find(tag);
    if (it == m_intervals.end()) {
        it = m_intervals.insert(tag, Interval());
        it->startMs = nowMs;
    }
    const int lines = int(message.count(QLatin1Char('\n'))) + 1;
    if (it->lines + lines <= m_limits.lines && it->bytes + message.size() <= m_limits.bytes) {
        it->lines += lines;
        it->bytes += message.size();
        return true;
    }
    // Once the budget is spent, nothing more of the interval gets in (no small line slips
    // in after a big one was left out), so what is kept is the interval's first part.
    it->lines = m_limits.lines;
    it->droppedLines += lines;
    it->droppedBytes += message.size();
    return false;
}

QStringList LogOutputBudget::due(qint64 nowMs, bool all)
{
    QStringList notes;
    for (auto it = m_intervals.begin(); it != m_intervals.end();) {
        if (!all && nowMs - it->startMs < m_limits.intervalMs) {
            ++it;
            continue;
        }
        if (it->droppedLines > 0)
            notes << note(it.key(), *it);
        it = m_intervals.erase(it);
    }
    return notes;
}
