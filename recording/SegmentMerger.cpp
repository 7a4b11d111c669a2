#include "recording/SegmentMerger.h"

#include "recording/ChildProcessLifetime.h"
#include "recording/EncoderOutputMonitor.h"
#include "recording/FfmpegEscape.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

constexpr int kDetailChars = 1200;

QString seconds(qint64 ms)
{
    return QString::number(double(ms) / 1000.0, 'f', 3);
}

int even(int v)
{
    return std::max(2, v & ~1);
}

} // namespace

SegmentMerger::SegmentMerger(QObject *parent)
    : QObject(parent)
    , m_stallWatch(new ProgressWatch(QStringLiteral("[Recorder merge] ffmpeg"), this))
{
}

SegmentMerger::~SegmentMerger()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(5000);
    }
}

QString SegmentMerger::audioCodecFor(const QString &audioFormat)
{
    if (audioFormat == QLatin1String("wav"))
        return QStringLiteral("pcm_s16le");
    if (audioFormat == QLatin1String("flac"))
        return QStringLiteral("flac");
    if (audioFormat == QLatin1String("m4a"))
        return QStringLiteral("aac");
    return QStringLiteral("libmp3lame");
}

QStringList SegmentMerger::copyArguments(const QString &listPath, const QString &target,
                                         const MergeSettings &s, bool withSound)
{
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-y"), QStringLiteral("-f"),
                     QStringLiteral("concat"), QStringLiteral("-safe"), QStringLiteral("0"),
                     QStringLiteral("-i"), listPath, QStringLiteral("-c"), QStringLiteral("copy")};
    if (withSound && !s.audioOnly) {
        // Samples that overlap the segment before are left out and a hole is filled with
        // silence, by their time stamps, so that each segment's sound keeps to its picture.
        args << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-b:a") << QStringLiteral("192k")
             << QStringLiteral("-af") << QStringLiteral("aresample=async=1:min_hard_comp=0.001:first_pts=0");
    }
    if (!s.audioOnly && s.videoContainer == QLatin1String("mp4"))
        args << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    args << target;
    return args;
}

SegmentMerger::StreamLeads SegmentMerger::streamLeads(const MediaInfo &info)
{
    double video = -1;
    double audio = -1;
    for (const MediaStreamInfo &stream : info.streams) {
        if (stream.type == QLatin1String("video") && video < 0 && stream.startSeconds >= 0)
            video = stream.startSeconds;
        else if (stream.type == QLatin1String("audio") && audio < 0 && stream.startSeconds >= 0)
            audio = stream.startSeconds;
    }
    StreamLeads leads;
    // Only where both starts are known, and never by more than a second: a larger distance is
    // no reordering delay but a broken file, which joins as before.
    if (video < 0 || audio < 0 || std::abs(video - audio) > 1.0)
        return leads;
    (video > audio ? leads.videoSeconds : leads.audioSeconds) = std::abs(video - audio) >= 0.0005 ? std::abs(video - audio) : 0;
    return leads;
}

QStringList SegmentMerger::reencodeArguments(const QStringList &segments, const QList<MediaInfo> &infos,
                                             const QString &target, const MergeSettings &s,
                                             QString *error)
{
    if (segments.isEmpty() || infos.size() != segments.size()) {
        if (error)
            *error = QStringLiteral("No segment information to join.");
        return {};
    }
    for (int i = 0; i < infos.size(); ++i) {
        if (!infos[i].ok) {
            if (error)
                *error = QStringLiteral("Cannot read segment %1: %2").arg(segments[i], infos[i].error);
            return {};
        }
    }

    const bool withVideo = !s.audioOnly;
    bool withAudio = s.audioOnly;
    // Without a size given, the last segment's frame size: after a resolution downgrade that is
    // the smaller one, and it keeps the picture's own shape for area and window recordings.
    QSize size = s.frameSize;
    const bool sizeGiven = size.width() > 0 && size.height() > 0;
    for (const MediaInfo &info : infos) {
        withAudio = withAudio || info.hasAudio();
        if (withVideo && !sizeGiven && info.videoSize().width() > 0 && info.videoSize().height() > 0)
            size = info.videoSize();
    }
    if (withVideo && !(size.width() > 0 && size.height() > 0)) {
        if (error)
            *error = QStringLiteral("No segment holds a video stream.");
        return {};
    }
    const int w = even(size.width());
    const int h = even(size.height());
    const QString fps = QString::number(std::max(1, s.fps));

    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-y")};
    for (const QString &seg : segments)
        args << QStringLiteral("-i") << QFileInfo(seg).absoluteFilePath();

    QStringList graph;
    QString concatInputs;
    for (int i = 0; i < infos.size(); ++i) {
        const MediaInfo &info = infos[i];
        // A segment whose duration is unknown but which has streams still joins; its filler
        // (silence or black) then has the length of 0, which only happens for broken files.
        const QString dur = seconds(std::max<qint64>(0, info.durationMs));
        // Each stream starts at 0 for the join, but a segment's picture and sound keep their
        // distance: the one that starts later in the segment (the picture behind the encoder's
        // frame reordering, 67 ms) is held back by as much, its first picture or silence.
        const StreamLeads leads = streamLeads(info);
        if (withVideo) {
            if (info.hasVideo()) {
                const QString hold = leads.videoSeconds > 0
                    ? QStringLiteral("tpad=start_duration=%1:start_mode=clone,").arg(leads.videoSeconds, 0, 'f', 3)
                    : QString();
                graph << QStringLiteral("[%1:v:0]setpts=PTS-STARTPTS,%5"
                                        "scale=%2:%3:force_original_aspect_ratio=decrease,"
                                        "pad=%2:%3:(ow-iw)/2:(oh-ih)/2,setsar=1,fps=%4,format=yuv420p[v%1]")
                             .arg(i).arg(w).arg(h).arg(fps, hold);
            } else {
                graph << QStringLiteral("color=c=black:s=%2x%3:r=%4:d=%5,format=yuv420p[v%1]")
                             .arg(i).arg(w).arg(h).arg(fps, dur);
            }
            concatInputs += QStringLiteral("[v%1]").arg(i);
        }
        if (withAudio) {
            if (info.hasAudio()) {
                const qint64 holdMs = std::llround(leads.audioSeconds * 1000.0);
                graph << QStringLiteral("[%1:a:0]asetpts=PTS-STARTPTS,aresample=48000,"
                                        "aformat=sample_rates=48000:channel_layouts=stereo%2[a%1]")
                             .arg(i)
                             .arg(holdMs > 0 ? QStringLiteral(",adelay=%1|%1").arg(holdMs) : QString());
            } else {
                graph << QStringLiteral("anullsrc=r=48000:cl=stereo,atrim=duration=%2[a%1]").arg(i).arg(dur);
            }
            concatInputs += QStringLiteral("[a%1]").arg(i);
        }
    }
    graph << QStringLiteral("%1concat=n=%2:v=%3:a=%4%5%6")
                 .arg(concatInputs)
                 .arg(infos.size())
                 .arg(withVideo ? 1 : 0)
                 .arg(withAudio ? 1 : 0)
                 .arg(withVideo ? QStringLiteral("[v]") : QString(),
                      withAudio ? QStringLiteral("[a]") : QString());
    args << QStringLiteral("-filter_complex") << graph.join(QLatin1Char(';'));
    if (withVideo)
        args << QStringLiteral("-map") << QStringLiteral("[v]");
    if (withAudio)
        args << QStringLiteral("-map") << QStringLiteral("[a]");

    if (s.audioOnly) {
        args << QStringLiteral("-c:a") << audioCodecFor(s.audioFormat);
        if (s.audioFormat == QLatin1String("mp3") || s.audioFormat == QLatin1String("m4a"))
            args << QStringLiteral("-b:a") << QStringLiteral("%1k").arg(s.audioBitrate);
    } else {
        args << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset")
             << QStringLiteral("veryfast") << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p")
             << QStringLiteral("-b:v") << QStringLiteral("%1k").arg(s.videoBitrate) << QStringLiteral("-r")
             << fps << QStringLiteral("-fps_mode") << QStringLiteral("cfr");
        if (withAudio)
            args << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-b:a")
                 << QStringLiteral("192k");
        if (s.videoContainer == QLatin1String("mp4"))
            args << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    }
    args << target;
    return args;
}

void SegmentMerger::start(const QStringList &segments, const QString &listPath, const QString &target,
                          bool reencode, const MergeSettings &settings)
{
    if (m_running)
        return;
    m_segments = segments;
    m_listPath = listPath;
    m_target = target;
    m_settings = settings;
    m_forceReencode = reencode;
    m_reencode = false;
    m_infos.clear();
    m_probed = false;
    m_copyEnded = false;
    m_copyOk = false;
    m_copyDetail.clear();
    m_running = true;

    // Probing runs on the pool, several segments at once: one ffprobe per segment, and for a
    // segment with sound a second one that finds where its picture ends. The copy follows when
    // the segments match, reading each one's picture from where it starts to where it ends.
    delete m_probeWatcher;
    m_probeWatcher = new QFutureWatcher<MediaInfo>(this);
    connect(m_probeWatcher, &QFutureWatcher<MediaInfo>::finished, this, &SegmentMerger::onProbed);
    const QString ffprobe = settings.ffprobeProgram;
    m_probeWatcher->setFuture(QtConcurrent::mapped(m_segments, [ffprobe](const QString &seg) {
        MediaInfo info = MediaProbe::probe(seg, 15000, ffprobe);
        // A copy with sound reads each segment's picture to where its last frame ends.
        if (info.hasAudio()) {
            for (MediaStreamInfo &stream : info.streams) {
                if (stream.type == QLatin1String("video")) {
                    stream.endSeconds = MediaProbe::videoEndSeconds(seg, 60000, ffprobe);
                    break;
                }
            }
        }
        return info;
    }));
}

bool SegmentMerger::sameLayout(const QList<MediaInfo> &infos)
{
    for (const MediaInfo &info : infos) {
        if (!info.ok || info.signature() != infos.first().signature())
            return false;
    }
    return !infos.isEmpty();
}

void SegmentMerger::onProbed()
{
    if (!m_running || !m_probeWatcher)
        return;
    m_infos = m_probeWatcher->future().results();
    m_probeWatcher->deleteLater();
    m_probeWatcher = nullptr;
    m_probed = true;

    if (m_forceReencode) {
        runReencode();
        return;
    }
    if (!sameLayout(m_infos)) {
        // A copy would exit 0 with the first segment's header: drop it, whatever state it is in.
        qInfo().noquote() << "[Recorder merge] segments differ in their streams; re-encoding";
        abandonProcess();
        QFile::remove(m_target);
        runReencode();
        return;
    }
    runCopy();
}

void SegmentMerger::runCopy()
{
    QString error;
    m_reencode = false;
    // The picture of a segment with sound starts a little after its first audio packet (the
    // encoder's delay): each segment is read from where its picture starts and counts as long
    // as its picture, so the next one's picture follows without a gap. Its picture lasts to
    // where its last frame ends: the stream's duration can end before that frame does (frames
    // reordered at uneven spacing), and the next segment's first frame would repeat its time.
    QList<FfmpegEscape::Span> spans;
    for (const MediaInfo &info : std::as_const(m_infos)) {
        FfmpegEscape::Span span;
        for (const MediaStreamInfo &stream : info.streams) {
            if (stream.type == QLatin1String("video") && info.hasAudio()) {
                span.start = stream.startSeconds;
                span.length = std::max(stream.durationSeconds, stream.endSeconds - stream.startSeconds);
                break;
            }
        }
        spans << span;
    }
    if (!FfmpegEscape::writeConcatList(m_listPath, m_segments, spans, &error)) {
        qWarning().noquote() << "[Recorder merge] concat list not written:" << error;
        m_copyEnded = true;
        m_copyDetail = error;
        if (m_probed)
            concludeCopy();
        return;
    }
    emit stepStarted(false);
    const bool withSound = std::any_of(m_infos.cbegin(), m_infos.cend(), [](const MediaInfo &info) { return info.hasAudio(); });
    launch(copyArguments(m_listPath, m_target, m_settings, withSound));
}

void SegmentMerger::concludeCopy()
{
    if (!m_copyOk) {
        QFile::remove(m_target);
        if (ranOutOfSpace(m_copyDetail)) {
            // A re-encode needs the same room.
            finish(false, m_copyDetail);
            return;
        }
        qWarning().noquote() << "[Recorder merge] stream copy failed; re-encoding:" << m_copyDetail.right(400);
        runReencode();
        return;
    }
    if (!m_settings.audioOnly) {
        finish(true, QString());
        return;
    }
    // Audio muxers may keep the first segment's header (FLAC does): check the copy's length
    // off the GUI thread before trusting it.
    delete m_checkWatcher;
    m_checkWatcher = new QFutureWatcher<MediaInfo>(this);
    connect(m_checkWatcher, &QFutureWatcher<MediaInfo>::finished, this, &SegmentMerger::onCopyChecked);
    const QString target = m_target;
    const QString ffprobe = m_settings.ffprobeProgram;
    m_checkWatcher->setFuture(QtConcurrent::run([target, ffprobe] { return MediaProbe::probe(target, 15000, ffprobe); }));
}

void SegmentMerger::abandonProcess()
{
    if (!m_process)
        return;
    QProcess *process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    if (process->state() == QProcess::NotRunning)
        process->deleteLater();
    else
        process->kill();
}

void SegmentMerger::runReencode()
{
    QString error;
    const QStringList args = reencodeArguments(m_segments, m_infos, m_target, m_settings, &error);
    if (args.isEmpty()) {
        finish(false, error);
        return;
    }
    m_reencode = true;
    emit stepStarted(true);
    launch(args);
}

void SegmentMerger::launch(const QStringList &args)
{
    QFile::remove(m_target);
    auto *process = new QProcess(this);
    process->setProcessChannelMode(QProcess::MergedChannels);
    makeChildEndWithProgram(*process, SIGKILL); // nothing would take its output
    m_process = process;
    m_output.clear();
    m_progress.reset(m_settings.durationMs);
    m_stepClock.start();
    connect(process, &QProcess::readyRead, this, [this, process] {
        if (process != m_process)
            return;
        m_stallWatch->noteProgress(); // any output
        const QByteArray chunk = process->readAll();
        m_output.append(chunk);
        if (const auto update = m_progress.feed(chunk, m_stepClock.elapsed()))
            emit progressChanged(update->percent, update->remainingSeconds);
    });
    connect(process, &QProcess::finished, this, [this, process](int code, QProcess::ExitStatus status) {
        onProcessEnded(process, code == 0 && status == QProcess::NormalExit);
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            onProcessEnded(process, false);
    });
    qInfo().noquote() << "[Recorder merge]" << m_settings.ffmpegProgram << args.join(QLatin1Char(' '));
    ProgressWatch::Limits limits;
    limits.checkEveryMs = 500;
    limits.withoutProgressMs = kStallMs;
    m_stallWatch->start(process, m_target, limits);
    process->start(m_settings.ffmpegProgram, args, QIODevice::ReadOnly);
}

void SegmentMerger::onProcessEnded(QProcess *process, bool ok)
{
    if (process != m_process)
        return;
    m_stallWatch->stop();
    m_output.append(process->readAll());
    const QString output = QString::fromLocal8Bit(m_output.tail());
    m_output.clear();
    // The line that names the cause ("No space left on device") rather than the summary.
    QString detail = EncoderOutputMonitor::mostSpecificErrorLine(output);
    if (detail.isEmpty())
        detail = output.right(kDetailChars);
    if (process->error() == QProcess::FailedToStart)
        detail = QStringLiteral("%1: %2").arg(m_settings.ffmpegProgram, process->errorString());
    const QFileInfo out(m_target);
    ok = ok && out.exists() && out.size() > 0;
    m_process = nullptr;
    process->deleteLater();

    if (m_stallWatch->hasEnded()) {
        // Another step would wait on the same disk or tool.
        finish(false, tr("FFmpeg 停止了响应，分段没有合并。"));
        return;
    }
    if (!m_reencode) {
        m_copyEnded = true;
        m_copyOk = ok;
        m_copyDetail = detail;
        if (m_probed)
            concludeCopy(); // else the probes decide first
    } else if (ok) {
        finish(true, QString());
    } else {
        finish(false, detail);
    }
}

void SegmentMerger::onCopyChecked()
{
    if (!m_running || !m_checkWatcher)
        return;
    const MediaInfo out = m_checkWatcher->result();
    m_checkWatcher->deleteLater();
    m_checkWatcher = nullptr;

    qint64 expected = 0;
    for (const MediaInfo &info : std::as_const(m_infos)) {
        if (info.durationMs < 0) {
            expected = -1;
            break;
        }
        expected += info.durationMs;
    }
    const qint64 tolerance = std::max<qint64>(1000, expected / 50);
    if (out.ok && (expected < 0 || qAbs(out.durationMs - expected) <= tolerance)) {
        finish(true, QString());
        return;
    }
    qWarning().noquote() << QStringLiteral("[Recorder merge] stream copy lasts %1 ms instead of %2 ms; re-encoding")
                                .arg(out.durationMs)
                                .arg(expected);
    QFile::remove(m_target);
    runReencode();
}

bool SegmentMerger::ranOutOfSpace(const QString &detail)
{
    return detail.endsWith(QString::fromLocal8Bit(std::strerror(ENOSPC)))
        || detail.endsWith(QLatin1String("No space left on device"));
}

void SegmentMerger::finish(bool ok, const QString &detail)
{
    m_running = false;
    emit finished(ok, detail);
}
