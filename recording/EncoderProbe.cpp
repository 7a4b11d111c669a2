#include "recording/EncoderProbe.h"

#include "recording/BoundedOutput.h"
#include "recording/ChildRun.h"
#include "recording/ToolLookup.h"

#include <QDebug>
#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <csignal>

EncoderProbe::EncoderProbe(ProgramLookup program, int timeLimitMs, int killWaitMs)
    : m_program(std::move(program))
    , m_timeLimitMs(timeLimitMs)
    , m_killWaitMs(killWaitMs)
{
}

EncoderProbe &EncoderProbe::shared()
{
    static EncoderProbe probe([] { return ToolLookup::ffmpeg(); });
    return probe;
}

const QStringList &EncoderProbe::hardwareCandidates()
{
    static const QStringList candidates{QStringLiteral("h264_videotoolbox"), QStringLiteral("h264_nvenc"),
                                        QStringLiteral("h264_qsv"), QStringLiteral("h264_amf"),
                                        QStringLiteral("h264_mf")};
    return candidates;
}

EncoderProbe::Run EncoderProbe::runFfmpeg(const QStringList &args,
                                          const std::function<void(const QByteArray &)> &lines)
{
    Run run;
    if (isAbandoned()) {
        run.outcome = Outcome::Abandoned;
        return run;
    }
    BoundedOutput output;
    if (lines)
        output.setLineReader(lines);
    ChildRun process(QProcess::MergedChannels, &output, nullptr);
    process.setKillWait(m_killWaitMs);
    // One limit for starting and running together.
    const QDeadlineTimer deadline(m_timeLimitMs);
    if (!process.start(m_program(), args, QIODevice::ReadWrite, deadline)) {
        run.outcome = process.failedToStart() ? Outcome::NotStarted : Outcome::TimedOut;
        return run;
    }
    m_processesStarted.fetch_add(1);
    process.closeInput();
    // Waited for in short steps, so that abandon() ends the wait at once.
    if (!process.waitForEnd(deadline, [this] { return !isAbandoned(); }, 50)) {
        process.stop();
        run.output = output.tail();
        run.outcome = isAbandoned() ? Outcome::Abandoned : Outcome::TimedOut;
        return run;
    }
    output.finishLines();
    run.output = output.tail();
    run.outcome = process.exitedCleanly() ? Outcome::Passed : Outcome::Failed;
    return run;
}

std::optional<bool> EncoderProbe::plainTest(const QString &encoder)
{
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_plain.constFind(encoder);
        if (it != m_plain.constEnd())
            return it.value();
    }
    if (encoder == softwareEncoder())
        return true;

    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                     QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("color=c=black:s=1280x720:r=30"), QStringLiteral("-frames:v"), QStringLiteral("1"),
                     QStringLiteral("-c:v"), encoder};
    if (encoder.contains(QLatin1String("_mf"), Qt::CaseInsensitive)) {
        args << QStringLiteral("-hw_encoding") << QStringLiteral("1") << QStringLiteral("-pix_fmt")
             << QStringLiteral("nv12") << QStringLiteral("-b:v") << QStringLiteral("4000k");
    }
    args << QStringLiteral("-f") << QStringLiteral("null") << QStringLiteral("-");

    const Run run = runFfmpeg(args);
    switch (run.outcome) {
    case Outcome::Passed:
    case Outcome::Failed: {
        const bool ok = run.outcome == Outcome::Passed;
        QMutexLocker lock(&m_mutex);
        m_plain.insert(encoder, ok);
        return ok;
    }
    case Outcome::TimedOut:
        qWarning() << "[Recorder] encoder probe timed out:" << encoder;
        return std::nullopt;
    case Outcome::NotStarted:
        qWarning() << "[Recorder] encoder probe could not start ffmpeg:" << encoder;
        return std::nullopt;
    case Outcome::Abandoned:
        return std::nullopt;
    }
    return std::nullopt;
}

bool EncoderProbe::works(const QString &encoder)
{
    return plainTest(encoder).value_or(false);
}

bool EncoderProbe::worksAtSize(const QString &encoder, const QSize &size, int fps)
{
    if (encoder == softwareEncoder() || size.width() < 0 || size.height() < 0
        || (size.width() <= 1920 && size.height() <= 1080)) {
        return works(encoder);
    }
    const QString key = QStringLiteral("%1:%2x%3:%4").arg(encoder).arg(size.width()).arg(size.height()).arg(fps);
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_sized.constFind(key);
        if (it != m_sized.constEnd())
            return it.value();
    }
    const std::optional<bool> plain = plainTest(encoder);
    if (!plain.has_value())
        return false; // unanswered: ask again next time
    if (!*plain) {
        QMutexLocker lock(&m_mutex);
        m_sized.insert(key, false);
        return false;
    }

    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                     QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("color=c=black:s=%1x%2:r=%3")
                         .arg(size.width())
                         .arg(size.height())
                         .arg(std::clamp(fps, 1, 60)),
                     QStringLiteral("-frames:v"), QStringLiteral("2"), QStringLiteral("-c:v"), encoder};
    if (encoder.contains(QLatin1String("_mf"), Qt::CaseInsensitive)) {
        args << QStringLiteral("-hw_encoding") << QStringLiteral("1") << QStringLiteral("-rate_control")
             << QStringLiteral("cbr") << QStringLiteral("-scenario") << QStringLiteral("display_remoting")
             << QStringLiteral("-pix_fmt") << QStringLiteral("nv12") << QStringLiteral("-b:v")
             << QStringLiteral("8000k");
    }
    args << QStringLiteral("-f") << QStringLiteral("null") << QStringLiteral("-");

    const Run run = runFfmpeg(args);
    if (run.outcome == Outcome::Abandoned)
        return false;
    const bool ok = run.outcome == Outcome::Passed;
    if (!ok) {
        qWarning() << "[Recorder] encoder rejected or stalled at capture size" << encoder << size << fps
                   << QString::fromLocal8Bit(run.output.right(500));
    }
    if (run.outcome == Outcome::Passed || run.outcome == Outcome::Failed) {
        QMutexLocker lock(&m_mutex);
        m_sized.insert(key, ok);
    }
    return ok;
}

QString EncoderProbe::availableHardwareEncoder()
{
    for (const QString &candidate : hardwareCandidates()) {
        if (works(candidate))
            return candidate;
    }
    return {};
}

QString EncoderProbe::resolve(const QString &requested)
{
    const QString name = requested.trimmed();
    if (!name.isEmpty() && name != QLatin1String("auto"))
        return works(name) ? name : softwareEncoder();
    const QString hardware = availableHardwareEncoder();
    return hardware.isEmpty() ? softwareEncoder() : hardware;
}

bool EncoderProbe::supportsShortestBufDuration()
{
    QMutexLocker optionLock(&m_optionMutex);
    {
        QMutexLocker lock(&m_mutex);
        if (m_shortestBufDuration.has_value())
            return *m_shortestBufDuration;
    }
    // The listing is a megabyte of lines: each is looked at as it comes.
    static const QRegularExpression option(QStringLiteral("^\\s*-shortest_buf_duration\\b"));
    bool supported = false;
    const Run run = runFfmpeg({QStringLiteral("-hide_banner"), QStringLiteral("-h"), QStringLiteral("full")},
                              [&supported](const QByteArray &line) {
                                  supported = supported || option.match(QString::fromUtf8(line)).hasMatch();
                              });
    if (run.outcome == Outcome::Abandoned)
        return false;
    if (run.outcome != Outcome::Passed) {
        qWarning() << "[Recorder] could not list the options of ffmpeg";
        // An ffmpeg that ran and failed (or hung) is not asked again for every segment;
        // a missing one costs nothing to look for again.
        if (run.outcome != Outcome::NotStarted) {
            QMutexLocker lock(&m_mutex);
            m_shortestBufDuration = false;
        }
        return false;
    }
    QMutexLocker lock(&m_mutex);
    m_shortestBufDuration = supported;
    return supported;
}
