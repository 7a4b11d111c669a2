// The media library's watermark tool: styles a text watermark over the current frame and
// writes a watermarked MP4 copy beside the source with one ffmpeg run followed by signals.
#include "library/VideoListDialog.h"

#include "library/FfmpegJob.h"
#include "library/MediaLibraryFiles.h"
#include "library/VideoPlayer.h"
#include "library/WatermarkConfig.h"
#include "library/WatermarkCopyJob.h"
#include "library/WatermarkDialog.h"
#include "widgets/MessageBoxes.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressDialog>
#include <QSettings>

void VideoListDialog::showWatermarkDialog()
{
    if (watermarkJob || currentIndex < 0 || currentIndex >= records.size() || records.at(currentIndex).isAudio
        || dropGoneCurrentFile())
        return;
    const VideoRecord record = records.at(currentIndex);
    const double duration = durationSeconds;
    const bool wasPlaying = player->isPlaying();
    player->pause();
    updatePlaybackUi(false);

    QSettings settings;
    WatermarkConfig config;
    config.text = settings.value(QStringLiteral("watermark/text"), QStringLiteral("Vistrelle")).toString();
    const QColor colour =
        QColor::fromString(settings.value(QStringLiteral("watermark/color"), QStringLiteral("#FFFFFF")).toString());
    config.color = colour.isValid() ? colour : QColor(Qt::white);
    config.fontSize = settings.value(QStringLiteral("watermark/fontSize"), 24).toInt();
    config.opacity = settings.value(QStringLiteral("watermark/opacity"), 50).toInt();
    config.position = settings.value(QStringLiteral("watermark/position"), 0).toInt();
    config.marginX = settings.value(QStringLiteral("watermark/marginX"), 20).toInt();
    config.marginY = settings.value(QStringLiteral("watermark/marginY"), 20).toInt();

    WatermarkDialog dialog(this);
    dialog.setConfig(config);
    QImage frame = player->currentFrameSnapshot();
    if (frame.isNull())
        frame = frameImage;
    dialog.setPreviewFrame(frame, record.resolution);
    if (dialog.exec() != QDialog::Accepted) {
        if (wasPlaying) {
            player->play();
            updatePlaybackUi(true);
        }
        return;
    }
    const WatermarkConfig accepted = dialog.config();
    if (accepted.text.trimmed().isEmpty())
        return;
    settings.setValue(QStringLiteral("watermark/enabled"), false);
    settings.setValue(QStringLiteral("watermark/text"), accepted.text);
    settings.setValue(QStringLiteral("watermark/color"), accepted.color.name().toLower());
    settings.setValue(QStringLiteral("watermark/fontSize"), accepted.fontSize);
    settings.setValue(QStringLiteral("watermark/opacity"), accepted.opacity);
    settings.setValue(QStringLiteral("watermark/position"), accepted.position);
    settings.setValue(QStringLiteral("watermark/marginX"), accepted.marginX);
    settings.setValue(QStringLiteral("watermark/marginY"), accepted.marginY);
    settings.sync();
    // The file may have gone while the dialog was open: said so, and its card goes, as for the
    // other tools.
    if (dropGoneCurrentFile())
        return;

    const QFileInfo source(record.path);
    const QString target = source.dir().filePath(source.completeBaseName() + QStringLiteral("_watermarked.mp4"));
    auto *job = new WatermarkCopyJob(this);
    switch (job->prepare(source.absolutePath(), accepted.text)) {
    case WatermarkCopyJob::PrepareError::Folder:
        delete job;
        showLibraryWarning(this, tr("处理失败"), tr("无法在视频目录创建临时文件，请检查写入权限。"));
        return;
    case WatermarkCopyJob::PrepareError::TextFile:
        delete job;
        showLibraryWarning(this, tr("处理失败"), tr("无法写入水印文字。"));
        return;
    case WatermarkCopyJob::PrepareError::None:
        break;
    }
    watermarkJob = job;

    beginSaveProgress(duration > 0);
    QPointer<QProgressDialog> progress = saveProgress;
    if (progress) {
        progress->setLabelText(tr("正在添加水印，原视频保持不变…"));
        connect(progress, &QProgressDialog::canceled, job, &WatermarkCopyJob::cancel);
        connect(job, &WatermarkCopyJob::progressChanged, progress, &QProgressDialog::setValue);
    }
    connect(job, &WatermarkCopyJob::ended, this, [this, job, target, progress](bool success, const QString &error) {
        if (watermarkJob != job)
            return;
        watermarkJob = nullptr;
        QString result;
        const QString temporary = job->temporaryOutput();
        // ffmpeg's words name the hidden file it wrote: the user asked for `target`.
        QString errorText = error;
        errorText.replace(temporary, target);
        // A clean exit counts only with a copy that ffprobe can read (probed off this thread).
        QPointer<VideoListDialog> self(this);
        const bool usable = success && !job->wasCancelled() && outputIsUsable(temporary);
        if (!self)
            return;
        if (success && !job->wasCancelled() && !usable)
            errorText = unusableOutputText(target);
        if (usable) {
            result = uniqueOutputPath(target);
            if (!QFile::rename(temporary, result)) {
                result.clear();
                errorText = tr("无法保存水印副本，原视频未修改。");
            }
        }
        const bool cancelled = job->wasCancelled();
        job->removeFolder();
        job->deleteLater();
        if (progress) {
            progress->disconnect(job);
            if (saveProgress == progress)
                endSaveProgress();
            else
                progress->deleteLater();
        }
        QCoreApplication::processEvents();
        if (cancelled) {
            tellCancelled();
            return;
        }
        if (!result.isEmpty()) {
            if (searchBox)
                searchBox->clear();
            filterTab = 0;
            if (filterGroup && filterGroup->button(0))
                filterGroup->button(0)->setChecked(true);
            finishEdit(result, false);
            return;
        }
        showLibraryWarning(this, tr("处理失败"),
                           errorText.isEmpty() ? tr("无法生成水印副本，原视频未修改。") : errorText);
    });
    job->start(resolveToolPath(QStringLiteral("ffmpeg")), record.path,
               accepted.toFFmpegFilter(QStringLiteral("watermark.txt")), duration);
}
