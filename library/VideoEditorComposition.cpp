#include "library/VideoEditorComposition.h"

#include "library/VideoEditor.h"
#include "recording/EncoderCommandLine.h"
#include "recording/FfmpegEscape.h"
#include "recording/MediaProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString fixed3(double value)
{
    return QString::number(value, 'f', 3);
}

} // namespace

namespace Composition {

QList<MosaicRegion> usableMosaicRegions(const QList<MosaicRegion> &regions, QSize frame)
{
    QList<MosaicRegion> usable;
    for (const MosaicRegion &region : regions) {
        QRect rect = region.rect.normalized();
        // Past the frame's edge the blurred patch would be laid elsewhere, and a crop wider
        // than the frame fails the job: only the part inside the frame counts.
        if (frame.isValid())
            rect = rect.intersected(QRect(QPoint(0, 0), frame));
        if (rect.width() < 1 || rect.height() < 1)
            continue;
        usable.append({rect, std::clamp(region.strength, 2, 80)});
    }
    return usable;
}

QString mosaicGraph(const QList<MosaicRegion> &regions)
{
    if (regions.isEmpty())
        return QString();
    QString graph;
    QString label = QStringLiteral("[0:v]");
    for (int k = 0; k < regions.size(); ++k) {
        const QRect rect = regions.at(k).rect;
        const QString strength = QString::number(regions.at(k).strength);
        const QString base = QStringLiteral("[base%1]").arg(k);
        const QString crop = QStringLiteral("[crop%1]").arg(k);
        const QString blur = QStringLiteral("[blur%1]").arg(k);
        graph += QStringLiteral("%1split=2%2%3;%3crop=%4:%5:%6:%7,"
                                "boxblur=luma_radius='min(%8,min(w,h)/2)':luma_power=1:"
                                "chroma_radius='min(%8,min(cw,ch)/2)':chroma_power=1%9;"
                                "%2%9overlay=%6:%7[v%10];")
                     .arg(label, base, crop, QString::number(rect.width()), QString::number(rect.height()),
                          QString::number(rect.left()), QString::number(rect.top()), strength, blur)
                     .arg(k);
        label = QStringLiteral("[v%1]").arg(k);
    }
    return graph + label + QStringLiteral("format=yuv420p[vout]");
}

bool isValidTransitionName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z0-9]+$"));
    return pattern.match(name).hasMatch();
}

QString transitionGraph(const QList<double> &durations, const QString &transition, double t)
{
    QString graph;
    for (int i = 0; i < durations.size(); ++i)
        graph += QStringLiteral("[%1:v]setpts=PTS-STARTPTS,format=yuv420p[v%1];[%1:a]asetpts=PTS-STARTPTS[a%1];")
                     .arg(i);
    QString video = QStringLiteral("[v0]");
    QString audio = QStringLiteral("[a0]");
    double elapsed = durations.value(0);
    const int last = int(durations.size()) - 1;
    for (int i = 1; i <= last; ++i) {
        const QString nextVideo = QStringLiteral("[vx%1]").arg(i);
        // The last cross-fade writes the audio output itself: exactly one "[aout]".
        const QString nextAudio = i == last ? QStringLiteral("[aout]") : QStringLiteral("[ax%1]").arg(i);
        graph += QStringLiteral("%1[v%2]xfade=transition=%3:duration=%4:offset=%5%6;")
                     .arg(video, QString::number(i), transition, fixed3(t), fixed3(std::max(elapsed - t, 0.0)),
                          nextVideo);
        graph += QStringLiteral("%1[a%2]acrossfade=d=%3%4;").arg(audio, QString::number(i), fixed3(t), nextAudio);
        video = nextVideo;
        audio = nextAudio;
        elapsed += durations.at(i) - t;
    }
    return graph + video + QStringLiteral("format=yuv420p[vout]");
}

QString backgroundMusicGraph(double musicVolume)
{
    return QStringLiteral("[0:a]volume=1.0[main];[1:a]volume=%1,aloop=loop=-1:size=2147483647[bgmloop];"
                          "[main][bgmloop]amix=inputs=2:duration=first:dropout_transition=2[aout]")
        .arg(QString::number(std::clamp(musicVolume, 0.0, 2.0), 'f', 2));
}

QString subtitleFilter(const QString &subtitlePath)
{
    return QStringLiteral("subtitles=%1:force_style='FontName=Arial,FontSize=20,PrimaryColour=&HFFFFFF&,Outline=1'")
        .arg(FfmpegEscape::filterGraphPath(subtitlePath));
}

QString audioDenoiseFilter(const QString &modelPath)
{
    return QStringLiteral("arnndn=m=%1").arg(FfmpegEscape::filterGraphPath(modelPath));
}

} // namespace Composition

void VideoEditor::applyMosaic(const QString &input, const QList<MosaicRegion> &regions, const QString &output,
                              const ProgressCallback &callback)
{
    QList<MosaicRegion> usable;
    if (!regions.isEmpty())
        usable = Composition::usableMosaicRegions(regions, MediaProbe::probe(input).videoSize());
    if (usable.isEmpty()) {
        exportVideo(input, output, QStringLiteral("libx264"), 4000, 192, true, callback);
        return;
    }
    const QStringList args = QStringList{QStringLiteral("-n")} + EncoderCommandLine::describedInput(input)
                             + QStringList{QStringLiteral("-filter_complex"), Composition::mosaicGraph(usable), QStringLiteral("-map"), QStringLiteral("[vout]"),
                                           QStringLiteral("-map"), QStringLiteral("0:a?"), QStringLiteral("-c:v"),
                                           QStringLiteral("libx264"), QStringLiteral("-preset"),
                                           QStringLiteral("veryfast"), QStringLiteral("-crf"), QStringLiteral("20"),
                                           QStringLiteral("-c:a"), QStringLiteral("copy"), output};
    QPointer<VideoEditor> self(this);
    double seconds = 0.0;
    if (!probeWhileAlive(input, &seconds))
        return;
    if (runFFmpeg(args, seconds, callback, output) && self)
        emit finished(output);
}

void VideoEditor::concatWithTransition(const QStringList &inputs, const TransitionConfig &config,
                                       const QString &output, const ProgressCallback &callback)
{
    if (inputs.size() < 2) {
        concat(inputs, output, callback);
        return;
    }
    if (!Composition::isValidTransitionName(config.transition)) {
        emit errorOccurred(QObject::tr("转场效果无效：%1").arg(config.transition));
        return;
    }
    const double t = std::max(config.duration, 0.05);
    QList<double> durations;
    for (const QString &input : inputs) {
        double d = 0.0;
        if (!probeWhileAlive(input, &d))
            return;
        if (d <= t + 0.05) {
            emit errorOccurred(QObject::tr("转场失败：至少有一个视频时长小于转场时长"));
            return;
        }
        durations.append(d);
    }
    QStringList args{QStringLiteral("-n")};
    for (const QString &input : inputs)
        args << EncoderCommandLine::describedInput(input);
    args << QStringLiteral("-filter_complex") << Composition::transitionGraph(durations, config.transition, t)
         << QStringLiteral("-map") << QStringLiteral("[vout]") << QStringLiteral("-map") << QStringLiteral("[aout]")
         << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset")
         << QStringLiteral("veryfast") << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-b:a")
         << QStringLiteral("192k") << output;
    double total = 0.0;
    for (double d : durations)
        total += d;
    total -= double(inputs.size() - 1) * t;
    QPointer<VideoEditor> self(this);
    if (runFFmpeg(args, total, callback, output) && self)
        emit finished(output);
}

void VideoEditor::addBGM(const QString &video, const QString &music, float musicVolume, const QString &output,
                         const ProgressCallback &callback)
{
    const QStringList args{QStringLiteral("-n"), QStringLiteral("-i"), video, QStringLiteral("-i"), music,
                           QStringLiteral("-filter_complex"), Composition::backgroundMusicGraph(musicVolume),
                           QStringLiteral("-map"), QStringLiteral("0:v?"), QStringLiteral("-map"),
                           QStringLiteral("[aout]"), QStringLiteral("-c:v"), QStringLiteral("copy"),
                           QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-b:a"),
                           QStringLiteral("192k"), QStringLiteral("-shortest"), output};
    QPointer<VideoEditor> self(this);
    double seconds = 0.0;
    if (!probeWhileAlive(video, &seconds))
        return;
    if (runFFmpeg(args, seconds, callback, output) && self)
        emit finished(output);
}

void VideoEditor::denoise(const QString &input, bool video, bool audio, const QString &output,
                          const ProgressCallback &callback)
{
    QStringList videoFilters;
    QStringList audioFilters;
    if (video)
        videoFilters << QStringLiteral("hqdn3d=3:3:6:6");
    if (audio) {
        const QString model = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("sh.rnnn"));
        if (!QFileInfo::exists(model)) {
            emit errorOccurred(
                QObject::tr("音频降噪需要 sh.rnnn 模型文件，请放到程序目录，或先关闭音频降噪。"));
            return;
        }
        audioFilters << Composition::audioDenoiseFilter(model);
    }
    QStringList args{QStringLiteral("-n")};
    args << (video ? EncoderCommandLine::describedInput(input) : QStringList{QStringLiteral("-i"), input});
    if (!videoFilters.isEmpty())
        args << QStringLiteral("-vf") << videoFilters.join(QLatin1Char(','));
    if (!audioFilters.isEmpty())
        args << QStringLiteral("-af") << audioFilters.join(QLatin1Char(','));
    if (video)
        args << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset")
             << QStringLiteral("veryfast");
    else
        args << QStringLiteral("-c:v") << QStringLiteral("copy");
    args << QStringLiteral("-c:a") << (audio ? QStringLiteral("aac") : QStringLiteral("copy")) << output;
    QPointer<VideoEditor> self(this);
    double seconds = 0.0;
    if (!probeWhileAlive(input, &seconds))
        return;
    if (runFFmpeg(args, seconds, callback, output) && self)
        emit finished(output);
}

void VideoEditor::addIntroOutro(const QString &intro, const QString &video, const QString &outro,
                                const QString &output, const ProgressCallback &callback)
{
    QStringList parts;
    for (const QString &path : {intro, video, outro}) {
        if (!path.isEmpty())
            parts << path;
    }
    concat(parts, output, callback);
}

void VideoEditor::addSubtitle(const QString &video, const QString &subtitleFile, const QString &output,
                              const ProgressCallback &callback)
{
    if (!QFileInfo::exists(subtitleFile)) {
        emit errorOccurred(QObject::tr("字幕文件不存在：%1").arg(subtitleFile));
        return;
    }
    const QStringList args = QStringList{QStringLiteral("-n")} + EncoderCommandLine::describedInput(video)
                             + QStringList{QStringLiteral("-vf"), Composition::subtitleFilter(subtitleFile),
                                           QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                                           QStringLiteral("veryfast"), QStringLiteral("-c:a"), QStringLiteral("copy"),
                                           output};
    QPointer<VideoEditor> self(this);
    double seconds = 0.0;
    if (!probeWhileAlive(video, &seconds))
        return;
    if (runFFmpeg(args, seconds, callback, output) && self)
        emit finished(output);
}

void VideoEditor::addWatermark(const QString &input, const QString &filter, const QString &output,
                               const ProgressCallback &callback)
{
    if (filter.trimmed().isEmpty()) {
        exportVideo(input, output, QStringLiteral("libx264"), 4000, 192, true, callback);
        return;
    }
    const QStringList args = QStringList{QStringLiteral("-n")} + EncoderCommandLine::describedInput(input)
                             + QStringList{QStringLiteral("-vf"), filter, QStringLiteral("-c:v"),
                                           QStringLiteral("libx264"), QStringLiteral("-preset"),
                                           QStringLiteral("veryfast"), QStringLiteral("-c:a"), QStringLiteral("copy"),
                                           output};
    QPointer<VideoEditor> self(this);
    double seconds = 0.0;
    if (!probeWhileAlive(input, &seconds))
        return;
    if (runFFmpeg(args, seconds, callback, output) && self)
        emit finished(output);
}
