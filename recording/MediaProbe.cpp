#include "recording/MediaProbe.h"

#include "recording/BoundedOutput.h"
#include "recording/ChildRun.h"
#include "recording/ToolLookup.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <functional>

#include <algorithm>
#include <atomic>
#include <limits>

namespace {

struct RunResult
{
    // How a run that did not answer ended: only Failed is ffprobe's own verdict on the file.
    enum Failure { None, NotStarted, TimedOut, Crashed, Failed, Flooded };
    bool ok = false;
    Failure failure = None;
    QByteArray out;
    QString error;
    QString startError; // the system's words when it did not start
};

// ffprobe's answers are small (a JSON text of a few streams); a tool that writes more than
// this is not answering the question.
constexpr qsizetype kAnswerLimit = 4 * 1024 * 1024;
std::atomic_bool runsAbandoned{false};

// `lines`, when given, reads standard output line by line instead of keeping it.
RunResult runTool(const QString &program, const QStringList &args, int timeoutMs, bool mergeChannels,
                  const std::function<void(const QByteArray &)> &lines = {})
{
    RunResult r;
    BoundedOutput out(lines ? 0 : kAnswerLimit);
    BoundedOutput err;
    if (lines)
        out.setLineReader(lines);
    // One limit for starting and running together.
    const QDeadlineTimer deadline(timeoutMs);
    if (runsAbandoned) {
        r.failure = RunResult::TimedOut;
        r.error = QStringLiteral("%1 was not run: the program is closing").arg(program);
        return r;
    }
    ChildRun run(mergeChannels ? QProcess::MergedChannels : QProcess::SeparateChannels, &out, &err);
    if (!run.start(program, args, QIODevice::ReadOnly, deadline)) {
        r.failure = RunResult::NotStarted;
        r.startError = run.errorString();
        r.error = QStringLiteral("%1 could not be started: %2").arg(program, r.startError);
        return r;
    }
    // A closing program need not wait out the time-out.
    if (!run.waitForEnd(deadline, [] { return !runsAbandoned; })) {
        run.stop();
        r.failure = RunResult::TimedOut;
        r.error = QStringLiteral("%1 did not answer within %2 ms").arg(program).arg(timeoutMs);
        return r;
    }
    out.finishLines();
    if (!run.exitedCleanly()) {
        r.failure = run.crashed() ? RunResult::Crashed : RunResult::Failed;
        const QString text = QString::fromLocal8Bit(mergeChannels ? out.tail() : err.tail()).trimmed();
        r.error = QStringLiteral("%1 failed (exit code %2): %3")
                      .arg(program)
                      .arg(run.exitCode())
                      .arg(text.right(400));
        return r;
    }
    if (!lines && !out.complete()) {
        r.failure = RunResult::Flooded;
        r.error = QStringLiteral("%1 wrote more than %2 bytes").arg(program).arg(kAnswerLimit);
        return r;
    }
    r.out = out.head();
    r.ok = true;
    return r;
}

// The first time stamp and the end of the last packet (its time stamp plus its duration) of
// the streams `select` names (all when empty), in presentation order. `last` stays -1 when
// ffprobe gives none.
void packetSpan(const QString &program, const QString &file, const QString &select, int timeoutMs,
                double *first, double *last)
{
    QStringList args{QStringLiteral("-v"), QStringLiteral("error")};
    if (!select.isEmpty())
        args << QStringLiteral("-select_streams") << select;
    args << QStringLiteral("-show_entries") << QStringLiteral("packet=pts_time,duration_time")
         << QStringLiteral("-of") << QStringLiteral("csv=p=0") << file;
    // An hour of packets is megabytes of lines: each is read as it comes.
    double from = *first;
    double to = *last;
    const RunResult pk = runTool(program, args, timeoutMs, false, [&from, &to](const QByteArray &line) {
        const QList<QByteArray> f = line.trimmed().split(',');
        bool okPts = false;
        const double pts = f.value(0).toDouble(&okPts);
        if (!okPts)
            return;
        bool okDur = false;
        const double dur = f.value(1).toDouble(&okDur);
        from = std::min(from, pts);
        to = std::max(to, pts + (okDur ? dur : 0.0));
    });
    if (!pk.ok)
        return;
    *first = from;
    *last = to;
}

QString value(const QJsonObject &o, const char *key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isDouble())
        return QString::number(v.toInteger());
    return v.toString();
}

qint64 secondsTextToMs(const QString &text, bool *ok)
{
    const double s = text.toDouble(ok);
    if (!*ok || s < 0)
        return -1;
    return qint64(s * 1000.0 + 0.5);
}

} // namespace

bool MediaInfo::hasVideo() const
{
    return std::any_of(streams.begin(), streams.end(),
                       [](const MediaStreamInfo &s) { return s.type == QLatin1String("video"); });
}

bool MediaInfo::hasAudio() const
{
    return std::any_of(streams.begin(), streams.end(),
                       [](const MediaStreamInfo &s) { return s.type == QLatin1String("audio"); });
}

QSize MediaInfo::videoSize() const
{
    for (const MediaStreamInfo &s : streams) {
        if (s.type == QLatin1String("video"))
            return s.size;
    }
    return QSize();
}

QString MediaInfo::signature() const
{
    QStringList parts;
    for (const MediaStreamInfo &s : streams)
        parts << s.signature;
    return parts.join(QLatin1Char('|'));
}

QString MediaProbe::ffprobeExecutable()
{
    return ToolLookup::ffprobe();
}

bool MediaProbe::isUsableSegment(const QString &path, int timeoutMs, const QString &ffprobe)
{
    return checkUsable(path, timeoutMs, ffprobe).verdict == UsabilityCheck::Usable;
}

UsabilityCheck MediaProbe::checkUsable(const QString &path, int timeoutMs, const QString &ffprobe)
{
    UsabilityCheck check;
    const QFileInfo fi(path);
    if (!fi.exists() || fi.size() <= 0) {
        check.verdict = UsabilityCheck::Unusable;
        return check;
    }
    const QString program = ffprobe.isEmpty() ? ffprobeExecutable() : ffprobe;
    const RunResult r = runTool(program,
                                {QStringLiteral("-v"), QStringLiteral("error"),
                                 QStringLiteral("-show_entries"), QStringLiteral("stream=codec_type"),
                                 QStringLiteral("-of"), QStringLiteral("csv=p=0"), fi.absoluteFilePath()},
                                timeoutMs, true);
    switch (r.failure) {
    case RunResult::None: {
        const QString out = QString::fromLocal8Bit(r.out).trimmed();
        check.verdict = out.contains(QLatin1String("video")) || out.contains(QLatin1String("audio"))
                            ? UsabilityCheck::Usable
                            : UsabilityCheck::Unusable;
        return check;
    }
    case RunResult::Failed:
        check.verdict = UsabilityCheck::Unusable;
        return check;
    case RunResult::NotStarted:
        check.why = QCoreApplication::translate("MediaProbe", "无法启动 ffprobe（%1）。").arg(r.startError);
        break;
    case RunResult::TimedOut:
        check.why = QCoreApplication::translate("MediaProbe", "ffprobe 没有在 %1 秒内结束。").arg((timeoutMs + 999) / 1000);
        break;
    case RunResult::Crashed:
    case RunResult::Flooded:
        check.why = QCoreApplication::translate("MediaProbe", "ffprobe 没有给出可读的回答。");
        break;
    }
    qWarning().noquote() << "[Probe] could not check" << path << ":" << r.error;
    return check;
}

MediaInfo MediaProbe::probe(const QString &path, int timeoutMs, const QString &ffprobe)
{
    MediaInfo info;
    const QString program = ffprobe.isEmpty() ? ffprobeExecutable() : ffprobe;
    const QFileInfo fi(path);
    if (!fi.exists()) {
        info.error = QStringLiteral("%1 does not exist").arg(path);
        return info;
    }
    const QString file = fi.absoluteFilePath();
    const RunResult r = runTool(
        program,
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_data_hash"), QStringLiteral("md5"),
         QStringLiteral("-show_entries"),
         QStringLiteral("stream=codec_type,codec_name,profile,width,height,pix_fmt,sample_fmt,"
                        "sample_rate,channels,channel_layout,extradata_hash,start_time,duration:format=duration"),
         QStringLiteral("-of"), QStringLiteral("json"), file},
        timeoutMs, false);
    if (!r.ok) {
        info.error = r.error;
        return info;
    }
    const QJsonObject root = QJsonDocument::fromJson(r.out).object();
    for (const QJsonValue &v : root.value(QLatin1String("streams")).toArray()) {
        const QJsonObject o = v.toObject();
        MediaStreamInfo s;
        s.type = value(o, "codec_type");
        s.codec = value(o, "codec_name");
        if (s.type == QLatin1String("video"))
            s.size = QSize(o.value(QLatin1String("width")).toInt(), o.value(QLatin1String("height")).toInt());
        QStringList sig;
        for (const char *key : {"codec_type", "codec_name", "profile", "width", "height", "pix_fmt",
                                "sample_fmt", "sample_rate", "channels", "channel_layout",
                                "extradata_hash"})
            sig << value(o, key);
        s.signature = sig.join(QLatin1Char(','));
        bool startOk = false;
        bool durationOk = false;
        const double start = value(o, "start_time").toDouble(&startOk);
        const double duration = value(o, "duration").toDouble(&durationOk);
        if (startOk && durationOk && start >= 0 && duration > 0) {
            s.startSeconds = start;
            s.durationSeconds = duration;
        }
        info.streams << s;
    }
    if (info.streams.isEmpty()) {
        info.error = QStringLiteral("%1 holds no readable stream").arg(path);
        return info;
    }

    bool ok = false;
    info.durationMs = secondsTextToMs(
        root.value(QLatin1String("format")).toObject().value(QLatin1String("duration")).toString(), &ok);
    if (info.durationMs < 0) {
        // No duration in the container: take it from the packets' time stamps.
        const double span = packetSpanSeconds(file, timeoutMs, program);
        if (span >= 0)
            info.durationMs = qint64(span * 1000.0 + 0.5);
    }
    info.ok = true;
    return info;
}

QByteArray MediaProbe::libraryMetadataJson(const QString &path, int timeoutMs, const QString &ffprobe)
{
    const RunResult r = runTool(
        ffprobe.isEmpty() ? ffprobeExecutable() : ffprobe,
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
         QStringLiteral("stream=codec_type,codec_name,width,height,r_frame_rate,avg_frame_rate,sample_rate,channels,"
                        "bit_rate,duration:stream_tags=DURATION:stream_disposition=attached_pic:format=duration,bit_rate"),
         QStringLiteral("-of"), QStringLiteral("json"), path},
        timeoutMs, false);
    return r.ok ? r.out : QByteArray();
}

double MediaProbe::containerDurationSeconds(const QString &path, int timeoutMs, const QString &ffprobe)
{
    const RunResult r = runTool(ffprobe.isEmpty() ? ffprobeExecutable() : ffprobe,
                                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                                 QStringLiteral("format=duration"), QStringLiteral("-of"),
                                 QStringLiteral("default=noprint_wrappers=1:nokey=1"), path},
                                timeoutMs, false);
    if (!r.ok)
        return 0.0;
    bool ok = false;
    const double seconds = QString::fromLatin1(r.out).trimmed().toDouble(&ok);
    return ok && seconds > 0 ? seconds : 0.0;
}

double MediaProbe::packetSpanSeconds(const QString &path, int timeoutMs, const QString &ffprobe)
{
    double first = std::numeric_limits<double>::max();
    double last = -1;
    packetSpan(ffprobe.isEmpty() ? ffprobeExecutable() : ffprobe, QFileInfo(path).absoluteFilePath(), QString(),
               timeoutMs, &first, &last);
    return last >= 0 && last >= first ? last - first : -1.0;
}

double MediaProbe::videoEndSeconds(const QString &path, int timeoutMs, const QString &ffprobe)
{
    double first = std::numeric_limits<double>::max();
    double last = -1;
    packetSpan(ffprobe.isEmpty() ? ffprobeExecutable() : ffprobe, QFileInfo(path).absoluteFilePath(),
               QStringLiteral("v:0"), timeoutMs, &first, &last);
    return last;
}

void MediaProbe::abandonRuns(bool abandon)
{
    runsAbandoned = abandon;
}
