#pragma once

#include "recording/BoundedOutput.h"

#include <QByteArray>
#include <QRegularExpression>
#include <optional>

// Turns ffmpeg's progress output (the key=value lines of "-progress pipe:1", or the "time="
// of its statistics lines) into whole percentages of a known duration. It never reports
// 100 % by itself, and one percentage is reported once.
class WatermarkProgress
{
public:
    struct Update
    {
        int percent = 0;
        qint64 remainingSeconds = -1; // -1 while unknown
    };

    explicit WatermarkProgress(qint64 totalMs = 0);

    void reset(qint64 totalMs);

    // Adds output. elapsedMs is the time since the pass began, or -1 when not measured.
    // Returns a value only when the percentage changed.
    std::optional<Update> feed(const QByteArray &chunk, qint64 elapsedMs);

    int lastPercent() const { return m_lastPercent; }
    // The last kKeepBytes of the output.
    QByteArray buffer() const { return m_output.tail(); }

    static constexpr int kKeepBytes = 8192;

private:
    qint64 m_totalMs = 0;
    int m_lastPercent = -1;
    BoundedOutput m_output{0, kKeepBytes};
    QRegularExpression m_timeKey;
};
