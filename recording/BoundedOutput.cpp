#include "recording/BoundedOutput.h"

#include <QProcess>

#include <algorithm>

BoundedOutput::BoundedOutput(qsizetype headLimit, qsizetype tailLimit)
    : m_headLimit(std::max<qsizetype>(0, headLimit))
    , m_tailLimit(std::max<qsizetype>(1, tailLimit))
{
}

void BoundedOutput::setLineReader(std::function<void(const QByteArray &)> reader)
{
    m_lineReader = std::move(reader);
}

void BoundedOutput::append(const QByteArray &chunk)
{
    if (chunk.isEmpty())
        return;
    m_total += chunk.size();
    const qsizetype toHead = std::min(chunk.size(), m_headLimit - m_head.size());
    if (toHead > 0) {
        // Grows by doubling up to the limit, never past it.
        const qsizetype needed = m_head.size() + toHead;
        if (needed > m_head.capacity())
            m_head.reserve(std::min(m_headLimit, std::max(needed, 2 * m_head.capacity())));
        m_head.append(chunk.constData(), toHead);
    }
    if (toHead < chunk.size()) {
        m_tail.append(chunk.constData() + toHead, chunk.size() - toHead);
        // Trimmed in steps, so a flood of small reads costs no copy per read.
        if (m_tail.size() > 2 * m_tailLimit)
            m_tail = m_tail.right(m_tailLimit);
    }
    if (!m_lineReader)
        return;
    // A line keeps its start, up to the tail limit.
    const auto addToLine = [this, &chunk](qsizetype from, qsizetype to) {
        m_line.append(chunk.constData() + from, std::min(to - from, m_tailLimit - m_line.size()));
    };
    // "\r\n" is one line break, also when a read ends between the two.
    qsizetype from = 0;
    for (qsizetype i = 0; i < chunk.size(); ++i) {
        const char c = chunk.at(i);
        const bool afterCarriageReturn = m_afterCarriageReturn;
        m_afterCarriageReturn = c == '\r';
        if (c != '\n' && c != '\r')
            continue;
        addToLine(from, i);
        from = i + 1;
        if (c == '\n' && afterCarriageReturn)
            continue;
        m_lineReader(m_line);
        m_line.clear();
    }
    addToLine(from, chunk.size());
}

void BoundedOutput::finishLines()
{
    if (m_lineReader && !m_line.isEmpty())
        m_lineReader(m_line);
    m_line.clear();
}

void BoundedOutput::clear()
{
    m_head.clear();
    m_tail.clear();
    m_line.clear();
    m_afterCarriageReturn = false;
    m_total = 0;
}

QByteArray BoundedOutput::tail() const
{
    if (m_tail.size() >= m_tailLimit)
        return m_tail.right(m_tailLimit);
    const qsizetype fromHead = std::min(m_head.size(), m_tailLimit - m_tail.size());
    return m_head.right(fromHead) + m_tail;
}

QByteArray BoundedOutput::text() const
{
    if (m_head.size() + m_tail.size() == m_total)
        return m_head + m_tail;
    return m_head + QByteArrayLiteral("\n[...]\n") + m_tail.right(m_tailLimit);
}

void readBounded(QProcess &process, BoundedOutput *out, BoundedOutput *err,
                 const std::function<void()> &afterOutput)
{
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &process, [&process, out, afterOutput] {
        const QByteArray chunk = process.readAllStandardOutput();
        if (out)
            out->append(chunk);
        if (afterOutput && !chunk.isEmpty())
            afterOutput();
    });
    QObject::connect(&process, &QProcess::readyReadStandardError, &process, [&process, err] {
        const QByteArray chunk = process.readAllStandardError();
        if (err)
            err->append(chunk);
    });
}
