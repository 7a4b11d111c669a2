#include "recording/WatermarkProgress.h"

#include <algorithm>

WatermarkProgress::WatermarkProgress(qint64 totalMs)
    // Only complete lines count: a number cut in two by a read would otherwise read short.
    : m_totalMs(totalMs)
    , m_timeKey(QStringLiteral("out_time_(?:us|ms)=(\\d+)[\\r\\n]|\\btime=(\\d+):(\\d+):(\\d+(?:\\.\\d+)?)\\s"))
{
}

void WatermarkProgress::reset(qint64 totalMs)
{
    m_totalMs = totalMs;
    m_lastPercent = -1;
    m_output.clear();
}

std::optional<WatermarkProgress::Update> WatermarkProgress::feed(const QByteArray &chunk,
                                                                qint64 elapsedMs)
{
    m_output.append(chunk);

    // ffmpeg prints out_time_ms in microseconds too, so both keys are read the same way.
    qint64 last = -1;
    auto it = m_timeKey.globalMatch(QString::fromLatin1(m_output.tail()));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        last = m.hasCaptured(1) ? m.captured(1).toLongLong()
                                : qint64((m.captured(2).toLongLong() * 3600 + m.captured(3).toLongLong() * 60
                                          + m.captured(4).toDouble())
                                         * 1e6);
    }
    if (last < 0 || m_totalMs < 1)
        return std::nullopt;

    const qint64 raw = qint64(double(last) / 1000.0 * 100.0 / double(m_totalMs));
    const int percent = int(std::clamp<qint64>(raw, 0, 99));
    if (percent == m_lastPercent)
        return std::nullopt;
    m_lastPercent = percent;

    Update u;
    u.percent = percent;
    if (raw >= 1 && percent >= 1 && elapsedMs >= 0)
        u.remainingSeconds = std::max<qint64>(0, (elapsedMs * (100 - percent) / percent + 999) / 1000);
    return u;
}
