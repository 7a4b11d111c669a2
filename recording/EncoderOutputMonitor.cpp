#include "recording/EncoderOutputMonitor.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include <locale.h>

namespace {

// Compiled once per process; no pattern options, so "^" only matches at the very start.
const QRegularExpression& tickTimePattern()
{
    static const QRegularExpression re(QStringLiteral("time=(\\d+):(\\d+):(\\d+\\.\\d+)"));
    return re;
}
const QRegularExpression& fpsPattern()
{
    static const QRegularExpression re(QStringLiteral("fps=\\s*([0-9.]+)"));
    return re;
}
const QRegularExpression& dropPattern()
{
    static const QRegularExpression re(QStringLiteral("drop(?:_frames)?=\\s*(\\d+)"));
    return re;
}
const QRegularExpression& dupPattern()
{
    static const QRegularExpression re(QStringLiteral("dup=\\s*(\\d+)"));
    return re;
}
const QRegularExpression& speedPattern()
{
    static const QRegularExpression re(QStringLiteral("speed=\\s*([0-9.]+)x"));
    return re;
}
const QRegularExpression& outputStartedPattern()
{
    static const QRegularExpression re(QStringLiteral("(^|\\n)Output #0,|\\bPress \\[q\\] to stop"));
    return re;
}
const QRegularExpression& frameCountPattern()
{
    static const QRegularExpression re(QStringLiteral("\\bframe=\\s*[1-9]\\d*(?=\\s)"));
    return re;
}
const QRegularExpression& positiveTimePattern()
{
    static const QRegularExpression re(QStringLiteral("\\btime=(\\d+):(\\d+):(\\d+\\.\\d+)(?=\\s)"));
    return re;
}

// An hours or minutes field that does not fit a 32-bit integer counts as 0.
int intField(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

qint64 longField(const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? value : 0;
}

double doubleField(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

} // namespace

void EncoderOutputMonitor::resetSegment()
{
    m_output.clear();
    m_lastTickSeconds = -1;
    m_screenGrabStartUs = -1;
    m_inputsReported = false;
    m_awaitingFirstMedia = true;
    m_droppedFrames = 0;
    m_dropBaseline = 0;
    m_duplicateBaseline = 0;
    m_overloadStrikes = 0;
    m_downgradePending = false;
    m_progress.clear();
}

void EncoderOutputMonitor::resetRecording()
{
    resetSegment();
    m_performanceWarningGiven = false;
}

qint64 EncoderOutputMonitor::screenGrabStartUs(const QString& output)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(Input #0, x11grab, from [^\n]*\n\s*Duration: [^,\n]*, start: (\d+)\.(\d{1,6}))"));
    const QRegularExpressionMatch m = pattern.match(output);
    if (!m.hasMatch())
        return -1;
    // Microseconds as printed, without a detour through floating point.
    return m.captured(1).toLongLong() * 1000000 + m.captured(2).leftJustified(6, QLatin1Char('0')).toLongLong();
}

bool EncoderOutputMonitor::isHardwareEncoder(const QString& encoder)
{
    return !encoder.isEmpty() && !encoder.contains(QLatin1String("libx"), Qt::CaseInsensitive);
}

QString EncoderOutputMonitor::microphoneLevelLine(const QString& mode, const QString& endpoint, quint64 frames,
                                                 float peak, float rms, bool digitalSilence)
{
    const auto dbfs = [](float level) { return level > 0.0f ? 20.0 * std::log10(double(level)) : -120.0; };
    return QStringLiteral("[Microphone input] backend=%1 endpoint=\"%2\" frames=%3 peak_dbfs=%4 rms_dbfs=%5 "
                          "digital_silence=%6")
        .arg(mode, endpoint)
        .arg(frames)
        .arg(dbfs(peak), 0, 'f', 1)
        .arg(dbfs(rms), 0, 'f', 1)
        .arg(digitalSilence ? QStringLiteral("yes") : QStringLiteral("no"));
}

bool EncoderOutputMonitor::detectFirstMedia(bool audioOnly) const
{
    if (outputStartedPattern().match(m_output).hasMatch())
        return true;
    if (!audioOnly)
        return frameCountPattern().match(m_output).hasMatch();
    auto it = positiveTimePattern().globalMatch(m_output);
    while (it.hasNext()) {
        const auto m = it.next();
        if (intField(m.captured(1)) > 0 || intField(m.captured(2)) > 0 || doubleField(m.captured(3)) > 0.0)
            return true;
    }
    return false;
}

EncoderOutputMonitor::Result EncoderOutputMonitor::feed(const QString& chunk, const Context& context)
{
    Result result;
    m_output.append(chunk);
    result.trimmedChunk = chunk.trimmed();
    // The inputs are reported once, before the output; the log keeps no more than that.
    if (!m_inputsReported) {
        m_screenGrabStartUs = screenGrabStartUs(m_output);
        m_inputsReported = m_screenGrabStartUs >= 0 || m_output.contains(QLatin1String("Output #0"));
    }

    // Recorded-time tick: only ever grows within a segment.
    auto ticks = tickTimePattern().globalMatch(m_output);
    while (ticks.hasNext()) {
        const auto m = ticks.next();
        const double secondsField = doubleField(m.captured(3));
        const qint64 seconds = qint64(intField(m.captured(1))) * 3600 + qint64(intField(m.captured(2))) * 60
            + qint64(std::trunc(secondsField));
        const int value = int(qMin<qint64>(seconds, std::numeric_limits<int>::max()));
        if (value > m_lastTickSeconds) {
            m_lastTickSeconds = value;
            result.ticks.append(value);
        }
    }

    const auto fpsMatch = fpsPattern().match(chunk);
    const auto dropMatch = dropPattern().match(chunk);
    const auto dupMatch = dupPattern().match(chunk);
    const auto speedMatch = speedPattern().match(chunk);

    if (m_awaitingFirstMedia && detectFirstMedia(context.audioOnly))
        result.firstMedia = true;

    if (dropMatch.hasMatch())
        m_droppedFrames = qMax(m_droppedFrames, longField(dropMatch.captured(1)));

    if (fpsMatch.hasMatch()) {
        const double fps = doubleField(fpsMatch.captured(1));
        Performance& perf = result.performance;
        perf.valid = true;
        perf.fps = fps;
        perf.droppedFrames = m_droppedFrames;
        perf.hardwareEncoding = isHardwareEncoder(context.encoder);
        perf.logLine = QStringLiteral("[Recorder performance] target_fps=%1 actual_fps=%2 drop=%3 dup=%4 speed=%5 encoder=%6")
                           .arg(context.targetFps)
                           .arg(fps, 0, 'f', 2)
                           .arg(m_droppedFrames)
                           .arg(dupMatch.hasMatch() ? dupMatch.captured(1) : QStringLiteral("n/a"))
                           .arg(speedMatch.hasMatch() ? speedMatch.captured(1) : QStringLiteral("n/a"))
                           .arg(context.encoder);

        // The media time of the chunk's last report, the freshest at the chunk's arrival.
        double speed = doubleField(speedMatch.captured(1));
        QRegularExpressionMatch lastTime;
        for (auto times = tickTimePattern().globalMatch(chunk); times.hasNext();)
            lastTime = times.next();
        if (speedMatch.hasMatch() && lastTime.hasMatch()) {
            const double mediaSeconds = intField(lastTime.captured(1)) * 3600.0 + intField(lastTime.captured(2)) * 60.0
                + doubleField(lastTime.captured(3));
            speed = recentSpeed(mediaSeconds, context.segmentAgeMs, speed);
        }
        const bool detectorRuns = !context.audioOnly && context.recordingActive && !context.recordingPaused
            && context.targetFps >= 30 && context.segmentAgeMs >= 5000;
        if (detectorRuns) {
            result.action = runOverloadDetector(context, fps, speedMatch.hasMatch(), speed, dupMatch.hasMatch(),
                                                longField(dupMatch.captured(1)));
        }
    }

    if (m_output.size() > kOutputLimit)
        m_output = m_output.right(kOutputKeep);
    return result;
}

double EncoderOutputMonitor::recentSpeed(double mediaSeconds, qint64 ageMs, double cumulative)
{
    // Long enough that the late arrival of one report (a busy GUI thread reads them) moves
    // the figure by a few per cent only.
    constexpr qint64 kWindowMs = 3000;
    if (ageMs < 0 || mediaSeconds <= 0)
        return cumulative;
    if (!m_progress.isEmpty()
        && (ageMs < m_progress.last().ageMs || mediaSeconds < m_progress.last().mediaSeconds))
        m_progress.clear();
    m_progress.append({mediaSeconds, ageMs});
    if (m_progress.size() > 256)
        m_progress.removeFirst();
    // The oldest report kept is the latest one at least the window old.
    while (m_progress.size() > 2 && ageMs - m_progress.at(1).ageMs >= kWindowMs)
        m_progress.removeFirst();
    const ProgressSample &oldest = m_progress.first();
    if (ageMs - oldest.ageMs < kWindowMs)
        return cumulative;
    // Slow is slow over both spans: a late start alone is no overload.
    return std::max(cumulative, (mediaSeconds - oldest.mediaSeconds) * 1000.0 / double(ageMs - oldest.ageMs));
}

EncoderOutputMonitor::Action EncoderOutputMonitor::runOverloadDetector(const Context& context, double fps,
                                                                      bool speedMatched,
                                                                      double speed, bool dupMatched, qint64 dup)
{
    const int target = context.targetFps;
    const qint64 duplicates = dupMatched ? dup : m_duplicateBaseline;
    bool strike = false;
    if (speedMatched && speed < 0.85) {
        strike = true;
    } else if (context.segmentAgeMs >= 15000 && fps > 0.0 && fps < 0.75 * target) {
        strike = true;
    } else {
        const qint64 losses = qMax<qint64>(0, m_droppedFrames - m_dropBaseline)
            + qMax<qint64>(0, duplicates - m_duplicateBaseline);
        const int limit = qMax(3, target / 8);
        strike = losses > limit;
    }
    m_dropBaseline = m_droppedFrames;
    m_duplicateBaseline = duplicates;
    m_overloadStrikes = strike ? m_overloadStrikes + 1 : qMax(0, m_overloadStrikes - 1);

    if (context.screenCaptureSegment && context.pipeFrameHeight >= 721 && m_overloadStrikes >= 8
        && !m_downgradePending) {
        m_downgradePending = true;
        return Action::ResolutionDowngrade;
    }
    if (target >= 61) {
        if (m_overloadStrikes >= 6 && !m_downgradePending) {
            m_downgradePending = true;
            return Action::FrameRateDowngrade;
        }
        return Action::None;
    }
    if (m_overloadStrikes >= 8 && !m_performanceWarningGiven) {
        m_performanceWarningGiven = true;
        return target == 60 ? Action::Warn60Fps : Action::Warn30Fps;
    }
    return Action::None;
}

namespace {

// The texts the C library gives its error numbers, as ffmpeg prints them (it never
// sets a locale, so they are the untranslated ones).
const QStringList& systemErrorTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t(0));
        for (int code = 1; code < 134 && c; ++code) {
            const QString text = QString::fromLocal8Bit(::strerror_l(code, c));
            if (!text.startsWith(QLatin1String("Unknown error")))
                list << text;
        }
        if (c)
            ::freelocale(c);
        return list;
    }();
    return texts;
}

bool endsWithSystemError(const QString& line)
{
    for (const QString& text : systemErrorTexts()) {
        if (line.endsWith(text) && line.size() > text.size() && line.at(line.size() - text.size() - 1).isSpace())
            return true;
    }
    return false;
}

} // namespace

QString EncoderOutputMonitor::mostSpecificErrorLine(const QString& output)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    QString systemError;
    QString errorLine;
    QString summary;
    for (const QString& raw : output.split(lineBreaks)) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("frame=")) || line.startsWith(QLatin1String("size=")))
            continue;
        if (endsWithSystemError(line)) {
            systemError = line;
        } else if (line == QLatin1String("Conversion failed!")) {
            summary = line;
        } else if (line.contains(QLatin1String("error"), Qt::CaseInsensitive)
                   || line.contains(QLatin1String("failed"), Qt::CaseInsensitive)
                   || line.contains(QLatin1String("invalid"), Qt::CaseInsensitive)) {
            errorLine = line;
        }
    }
    const QString best = !systemError.isEmpty() ? systemError : !errorLine.isEmpty() ? errorLine : summary;
    return shortenedLine(best, 300);
}

QString EncoderOutputMonitor::lastStatementLine(const QString& output)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    static const QRegularExpression report(
        QStringLiteral("^(frame=|size=|Input #|Output #|Stream mapping:|Press \\[q\\])"));
    const QStringList lines = output.split(lineBreaks);
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        const QString line = it->trimmed();
        if (!line.isEmpty() && !it->front().isSpace() && !report.match(line).hasMatch())
            return shortenedLine(line, 300);
    }
    return QString();
}

QString EncoderOutputMonitor::shortenedLine(const QString& line, int limit)
{
    if (line.size() <= limit || limit < 3)
        return line.left(std::max(limit, 0));
    const int head = limit / 3;
    return line.left(head) + QChar(0x2026) + line.right(limit - head - 1);
}
