#include "app/LogOutputBudget.h"

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

bool LogOutputBudget::admit(QString *message, qint64 nowMs, QStringList *notes)
{
    const QString tag = outputTag(*message);
    if (tag.isEmpty())
        return true;
    if (notes)
        *notes << due(nowMs);
    auto it = m_intervals.find(tag);
    if (it == m_intervals.end()) {
        it = m_intervals.insert(tag, Interval());
        it->startMs = nowMs;
    }
    const int lines = int(message->count(QLatin1Char('\n'))) + 1;
    if (it->lines + lines <= m_limits.lines && it->bytes + message->size() <= m_limits.bytes) {
        it->lines += lines;
        it->bytes += message->size();
        return true;
    }
    // The message keeps the first lines that fit; once the budget is spent nothing more of
    // the interval gets in (no small line slips in after a big one was left out).
    qsizetype keep = 0;
    int kept = 0;
    const qsizetype room = m_limits.bytes - it->bytes;
    while (kept < m_limits.lines - it->lines) {
        const qsizetype end = message->indexOf(QLatin1Char('\n'), keep);
        const qsizetype next = end < 0 ? message->size() : end;
        if (next > room)
            break;
        keep = next;
        ++kept;
        if (end < 0)
            break;
        ++keep; // past the line feed
    }
    if (keep > 0 && message->at(keep - 1) == QLatin1Char('\n'))
        --keep;
    it->lines = m_limits.lines;
    it->bytes = m_limits.bytes;
    it->droppedLines += lines - kept;
    it->droppedBytes += message->size() - keep;
    if (kept == 0)
        return false;
    message->truncate(keep);
    return true;
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
