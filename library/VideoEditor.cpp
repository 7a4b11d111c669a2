#include "library/VideoEditor.h"

#include "library/FfmpegJob.h"
#include "library/MediaLibraryFiles.h"
#include "recording/EncoderCommandLine.h"
#include "recording/FfmpegEscape.h"
#include "recording/MediaProbe.h"
#include "recording/SegmentMerger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QUuid>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

QString seconds3(double value)
{
    return QString::number(value, 'f', 3);
}

} // namespace

VideoEditor::VideoEditor(QObject *parent)
    : QObject(parent)
{
}

// A running job belongs to the call that runs it; it notices its editor is gone, stops the
// tool and removes the unfinished output.
VideoEditor::~VideoEditor()
{
    m_cancel = true;
}

void VideoEditor::cancel()
{
    if (m_running)
        m_cancel = true;
}

QString VideoEditor::ffmpegProgram() const
{
    return resolveToolPath(QStringLiteral("ffmpeg"));
}

QString VideoEditor::ffprobeProgram() const
{
    return resolveToolPath(QStringLiteral("ffprobe"));
}

QString VideoEditor::uniqueTempPath(const QString &prefix, const QString &suffix) const
{
    return QDir(QDir::tempPath())
        .filePath(prefix + QLatin1Char('_') + QUuid::createUuid().toString(QUuid::WithoutBraces) + suffix);
}

QString VideoEditor::escapeConcatPath(QString path) const
{
    return QDir::toNativeSeparators(path).replace(QLatin1String("'"), QLatin1String("'\\''"));
}

// Kept for callers that put a path in single quotes inside a filter; graphs are built with
// FfmpegEscape::filterGraphPath.
QString VideoEditor::escapeFilterPath(QString path) const
{
    path = QDir::fromNativeSeparators(path);
    path.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    path.replace(QLatin1String("'"), QLatin1String("\\'"));
    path.replace(QLatin1String(","), QLatin1String("\\,"));
    path.replace(QLatin1String("["), QLatin1String("\\["));
    path.replace(QLatin1String("]"), QLatin1String("\\]"));
    return path;
}

QString VideoEditor::writeConcatList(const QStringList &files) const
{
    const QString path = uniqueTempPath(QStringLiteral("vistrelle_concat"), QStringLiteral(".txt"));
    QStringList absolute;
    for (const QString &file : files)
        absolute << QFileInfo(file).absoluteFilePath();
    QString error;
    return FfmpegEscape::writeConcatList(path, absolute, &error) ? path : QString();
}

bool VideoEditor::probeWhileAlive(const QString &path, double *seconds)
{
    QPointer<VideoEditor> self(this);
    const double probed = probeDuration(path);
    if (!self)
        return false;
    *seconds = probed;
    return true;
}

// The probe runs on a pool thread while this thread goes on handling events.
double VideoEditor::probeDuration(const QString &path) const
{
    auto seconds = std::make_shared<double>(0.0);
    const QString program = ffprobeProgram();
    if (!runOffGuiThread([seconds, path, program] {
            *seconds = MediaProbe::containerDurationSeconds(path, 5000, program);
        }))
        return 0.0;
    return *seconds;
}

QString VideoEditor::atempoChain(double speed) const
{
    double s = std::isfinite(speed) && speed > 0 ? speed : 1.0;
    QStringList parts;
    while (s < 0.5) {
        parts << QStringLiteral("atempo=0.5");
        s *= 2.0;
    }
    while (s > 2.0) {
        parts << QStringLiteral("atempo=2.0");
        s /= 2.0;
    }
    parts << QStringLiteral("atempo=%1").arg(s, 0, 'f', 4);
    return parts.join(QLatin1Char(','));
}

bool VideoEditor::supportsFastStart(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("mp4") || suffix == QLatin1String("mov");
}

bool VideoEditor::runFFmpeg(const QStringList &args, double duration, const ProgressCallback &callback,
                            const QString &outputPath)
{
    if (m_running) {
        emit errorOccurred(QObject::tr("已有 FFmpeg 任务正在执行"));
        return false;
    }
    m_cancel = false;
    m_running = true;
    m_lastCancelled = false;
    QPointer<VideoEditor> self(this);
    int lastPercent = -1;

    FfmpegJobSettings job;
    job.program = ffmpegProgram();
    job.arguments = args;
    job.outputPath = outputPath.isEmpty() && !args.isEmpty() ? args.last() : outputPath;
    job.guard = this;
    job.cancelRequested = [this] { return m_cancel; };
    job.onLog = [this, duration, &callback, &lastPercent](const QString &log) {
        // The newest stamp counts; older ones in the retained log are not reported again.
        const QList<int> percents = progressPercents(log, duration);
        if (percents.isEmpty() || percents.last() == lastPercent)
            return;
        lastPercent = percents.last();
        if (callback)
            callback(lastPercent);
        emit progress(lastPercent);
    };
    const FfmpegJobResult result = runFfmpegJob(job);
    if (!self)
        return false;
    m_running = false;
    const bool cancelled = m_cancel || result.outcome == FfmpegJobResult::Cancelled;
    m_cancel = false;
    m_lastCancelled = cancelled && result.outcome != FfmpegJobResult::NotStarted;

    if (result.outcome == FfmpegJobResult::NotStarted) {
        emit errorOccurred(QObject::tr("FFmpeg 未找到或无法启动：%1").arg(job.program));
        return false;
    }
    if (cancelled) {
        emit errorOccurred(QObject::tr("操作已取消"));
        return false;
    }
    if (result.outputUnusable) {
        emit errorOccurred(QObject::tr("FFmpeg 报告完成，但没有写出可用的文件：\n%1").arg(job.outputPath));
        return false;
    }
    if (!result.succeeded()) {
        emit errorOccurred(QObject::tr("FFmpeg 出错：\n%1").arg(ffmpegFailureCause(result.log)));
        return false;
    }
    if (callback)
        callback(100);
    emit progress(100);
    return true;
}

QStringList VideoEditor::trimArguments(const QString &input, double start, double end, const QString &output)
{
    const bool audio = isAudioFile(input);
    QStringList args{QStringLiteral("-n"), QStringLiteral("-ss"), seconds3(start)};
    args << (audio ? QStringList{QStringLiteral("-i"), input} : EncoderCommandLine::describedInput(input))
         << QStringLiteral("-t") << seconds3(end - start);
    if (!audio) {
        // Frames keep their own times, so each frame of the source lands in exactly one part
        // of a split: a constant-rate output (MP4's default) would fill the gap between a cut
        // that falls between two frames and the next frame with a copy of that frame. The
        // encoder counts in the source's time base, not in frame periods: Matroska's frames
        // stand a few milliseconds off the frame grid, and rounded to it a frame next to a cut
        // could cross it.
        args << QStringLiteral("-map") << QStringLiteral("0:v:0") << QStringLiteral("-map") << QStringLiteral("0:a?")
             << QStringLiteral("-fps_mode") << QStringLiteral("vfr") << QStringLiteral("-enc_time_base:v")
             << QStringLiteral("-1") << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset")
             << QStringLiteral("veryfast") << QStringLiteral("-crf") << QStringLiteral("19") << QStringLiteral("-c:a")
             << QStringLiteral("aac") << QStringLiteral("-b:a") << QStringLiteral("192k");
        if (supportsFastStart(output))
            args << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    } else {
        const QString codec = SegmentMerger::audioCodecFor(QFileInfo(output).suffix().toLower());
        args << QStringLiteral("-map") << QStringLiteral("0:a:0") << QStringLiteral("-vn") << QStringLiteral("-c:a")
             << codec;
        if (codec == QLatin1String("aac") || codec == QLatin1String("libmp3lame"))
            args << QStringLiteral("-b:a") << QStringLiteral("192k");
    }
    args << output;
    return args;
}

void VideoEditor::trim(const QString &input, double start, double end, const QString &output,
                       const ProgressCallback &callback)
{
    if (input.isEmpty() || output.isEmpty() || !(end > start)) {
        emit errorOccurred(QObject::tr("裁剪参数无效"));
        return;
    }
    // To the end of the file: the progress is measured against what is really left.
    double length = end - start;
    if (end >= kToEnd) {
        double probed = 0.0;
        if (!probeWhileAlive(input, &probed))
            return;
        length = probed > start ? probed - start : -1.0;
    }
    if (runFFmpeg(trimArguments(input, start, end, output), length, callback))
        emit finished(output);
}

void VideoEditor::concat(const QStringList &inputs, const QString &output, const ProgressCallback &callback)
{
    if (inputs.isEmpty() || output.isEmpty()) {
        emit errorOccurred(QObject::tr("合并参数无效"));
        return;
    }
    if (inputs.size() == 1) {
        // The whole file, also when its duration cannot be probed.
        trim(inputs.first(), 0.0, kToEnd, output, callback);
        return;
    }
    const QString list = writeConcatList(inputs);
    if (list.isEmpty()) {
        emit errorOccurred(QObject::tr("无法创建合并列表文件"));
        return;
    }
    const QStringList args{QStringLiteral("-n"), QStringLiteral("-f"), QStringLiteral("concat"),
                           QStringLiteral("-safe"), QStringLiteral("0"), QStringLiteral("-i"), list,
                           QStringLiteral("-map"), QStringLiteral("0"), QStringLiteral("-c"), QStringLiteral("copy"),
                           output};
    QPointer<VideoEditor> self(this);
    const bool ok = runFFmpeg(args, -1, callback);
    QFile::remove(list);
    if (ok && self)
        emit finished(output);
}

QStringList VideoEditor::exportVideoArguments(const QString &input, const QString &output, const QString &videoCodec,
                                              int videoKbps, int audioKbps, bool fastStart)
{
    QString codec = videoCodec.trimmed();
    if (codec.isEmpty())
        codec = QStringLiteral("libx264");
    const QString videoRate = QStringLiteral("%1k").arg(std::clamp(videoKbps, 500, 100000));
    const QString audioRate = QStringLiteral("%1k").arg(std::clamp(audioKbps, 64, 512));
    const bool copy = codec.contains(QLatin1String("copy"), Qt::CaseInsensitive);
    QStringList args{QStringLiteral("-n")};
    args << (copy ? QStringList{QStringLiteral("-i"), input} : EncoderCommandLine::describedInput(input))
         << QStringLiteral("-map") << QStringLiteral("0:v?") << QStringLiteral("-map") << QStringLiteral("0:a?")
         << QStringLiteral("-c:v") << codec;
    if (codec.contains(QLatin1String("nvenc"), Qt::CaseInsensitive))
        args << QStringLiteral("-preset") << QStringLiteral("p5") << QStringLiteral("-b:v") << videoRate;
    else if (codec.contains(QLatin1String("libx265"), Qt::CaseInsensitive))
        args << QStringLiteral("-preset") << QStringLiteral("medium") << QStringLiteral("-b:v") << videoRate;
    else if (!copy)
        args << QStringLiteral("-preset") << QStringLiteral("veryfast") << QStringLiteral("-b:v") << videoRate;
    args << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-b:a") << audioRate;
    if (fastStart && supportsFastStart(output))
        args << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    args << output;
    return args;
}

void VideoEditor::exportVideo(const QString &input, const QString &output, const QString &videoCodec, int videoKbps,
                              int audioKbps, bool fastStart, const ProgressCallback &callback)
{
    double seconds = 0.0;
    if (!probeWhileAlive(input, &seconds))
        return;
    if (runFFmpeg(exportVideoArguments(input, output, videoCodec, videoKbps, audioKbps, fastStart), seconds,
                  callback))
        emit finished(output);
}

QStringList VideoEditor::changeSpeedArguments(const QString &input, float speed, const QString &output,
                                              const QString &tempoChain)
{
    return QStringList{QStringLiteral("-n")} + EncoderCommandLine::describedInput(input)
           + QStringList{QStringLiteral("-vf"),
                         QStringLiteral("setpts=%1*PTS").arg(1.0 / double(speed), 0, 'f', 6),
                         QStringLiteral("-af"),
                         tempoChain,
                         QStringLiteral("-c:v"),
                         QStringLiteral("libx264"),
                         QStringLiteral("-preset"),
                         QStringLiteral("veryfast"),
                         QStringLiteral("-c:a"),
                         QStringLiteral("aac"),
                         QStringLiteral("-b:a"),
                         QStringLiteral("192k"),
                         output};
}

void VideoEditor::changeSpeed(const QString &input, float speed, const QString &output,
                              const ProgressCallback &callback)
{
    if (!std::isfinite(speed) || !(speed > 0)) {
        emit errorOccurred(QObject::tr("变速参数无效"));
        return;
    }
    double seconds = 0.0;
    if (!probeWhileAlive(input, &seconds))
        return;
    if (runFFmpeg(changeSpeedArguments(input, speed, output, atempoChain(speed)), seconds / speed, callback))
        emit finished(output);
}

QStringList VideoEditor::exportAudioArguments(const QString &input, const QString &output, const QString &audioCodec)
{
    QString codec = audioCodec.trimmed();
    if (codec.isEmpty())
        codec = QStringLiteral("aac");
    QStringList args{QStringLiteral("-n"), QStringLiteral("-i"), input, QStringLiteral("-vn"),
                     QStringLiteral("-c:a"), codec};
    if (codec == QLatin1String("aac"))
        args << QStringLiteral("-b:a") << QStringLiteral("192k");
    args << output;
    return args;
}

void VideoEditor::exportAudio(const QString &input, const QString &output, const QString &audioCodec,
                              const ProgressCallback &callback)
{
    double seconds = 0.0;
    if (!probeWhileAlive(input, &seconds))
        return;
    if (runFFmpeg(exportAudioArguments(input, output, audioCodec), seconds, callback))
        emit finished(output);
}

void VideoEditor::exportGif(const QString &input, int fps, int width, const QString &output,
                            const ProgressCallback &callback)
{
    const int rate = std::clamp(fps, 1, 60);
    const int w = std::clamp(width, 120, 4096);
    const QString palette = uniqueTempPath(QStringLiteral("vistrelle_palette"), QStringLiteral(".png"));
    QPointer<VideoEditor> self(this);
    const bool paletteOk =
        runFFmpeg({QStringLiteral("-y"), QStringLiteral("-i"), input, QStringLiteral("-vf"),
                   QStringLiteral("fps=%1,scale=%2:-1:flags=lanczos,palettegen").arg(rate).arg(w), palette},
                  -1, {});
    double seconds = 0.0;
    if (!paletteOk || !self || !probeWhileAlive(input, &seconds)) {
        QFile::remove(palette);
        return;
    }
    const bool ok = runFFmpeg({QStringLiteral("-n"), QStringLiteral("-i"), input, QStringLiteral("-i"), palette,
                               QStringLiteral("-lavfi"),
                               QStringLiteral("fps=%1,scale=%2:-1:flags=lanczos[x];[x][1:v]paletteuse").arg(rate).arg(w),
                               output},
                              seconds, callback);
    QFile::remove(palette);
    if (ok && self)
        emit finished(output);
}
