// The detail panel: the current record, its summary and preview picture, and playback.

#include "library/VideoListDialog.h"

#include "library/LibraryIcons.h"
#include "library/MediaLibraryFiles.h"
#include "library/VideoPlayer.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <cmath>

QString VideoListDialog::formatDuration(int seconds)
{
    const auto two = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    if (seconds > -3600 && seconds < 3600)
        return two(seconds / 60) + QLatin1Char(':') + two(seconds % 60);
    return two(seconds / 3600) + QLatin1Char(':') + two((seconds % 3600) / 60) + QLatin1Char(':') + two(seconds % 60);
}

QString VideoListDialog::formatSize(qint64 bytes)
{
    if (bytes < 1048576)
        return QStringLiteral("%1 KB").arg(double(bytes) / 1024.0, 0, 'f', 0);
    if (bytes >= (qint64(1) << 30))
        return QStringLiteral("%1 GB").arg(double(bytes) / double(qint64(1) << 30), 0, 'f', 2);
    return QStringLiteral("%1 MB").arg(double(bytes) / 1048576.0, 0, 'f', 1);
}

QString VideoListDialog::timeText(double seconds)
{
    return formatDuration(std::max(0, int(std::lround(seconds))));
}

bool VideoListDialog::currentIsAudio() const
{
    return currentIndex >= 0 && currentIndex < records.size() && records.at(currentIndex).isAudio;
}

void VideoListDialog::setDetailButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {playButton, folderButton, deleteButton, fullscreenButton})
        button->setEnabled(enabled);
}

void VideoListDialog::openRecord(int index, bool autoplay)
{
    if (index < 0 || index >= records.size())
        return;
    ++selectionSerial;
    currentIndex = index;
    player->close();
    preview->clear();
    frameImage = QImage();
    displayedImage = QImage();
    const VideoRecord record = records.at(index);
    updateDetail(record);
    updatePlaybackUi(false);
    if (player->open(record.path) && autoplay) {
        player->play();
        updatePlaybackUi(true);
    }
}

void VideoListDialog::updateDetail(const VideoRecord &record)
{
    titleLabel->setText(record.fileName);
    titleLabel->setToolTip(record.fileName);
    const QString format = QFileInfo(record.path).suffix().toUpper();
    const QString date = record.created.toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    const QString size = formatSize(record.size);
    const QString gap = QStringLiteral("      ");
    if (record.isAudio) {
        QString rate;
        if (record.sampleRate < 1)
            rate = tr("采样率未知");
        else if (record.sampleRate % 1000 == 0)
            rate = QStringLiteral("%1 kHz").arg(record.sampleRate / 1000);
        else
            rate = QStringLiteral("%1 kHz").arg(record.sampleRate / 1000.0, 0, 'f', 1);
        const QString channels = record.channels == 1   ? tr("单声道")
                                 : record.channels == 2 ? tr("双声道")
                                                        : tr("%1 声道").arg(record.channels);
        const QString bitrate = record.bitrateKbps >= 1 ? QStringLiteral("%1 kbps").arg(record.bitrateKbps) : QString();
        infoLabel->setText(QStringLiteral("♪  ") + QStringList{format, rate, channels, bitrate, size, date}.join(gap));
    } else {
        // A file whose picture size is unknown (not probed yet, or unreadable) shows no size.
        QStringList parts;
        if (record.resolution.width() > 0 && record.resolution.height() > 0)
            parts << QStringLiteral("%1 × %2").arg(record.resolution.width()).arg(record.resolution.height());
        parts << format << size << date;
        infoLabel->setText(QStringLiteral("▣  ") + parts.join(gap));
    }
    durationSeconds = record.duration;
    timeLabel->setText(QStringLiteral("00:00 / ") + formatDuration(record.duration));

    stopPreviewJob();
    auto *process = new QProcess(this);
    previewProcess = process;
    const int serial = selectionSerial;
    const QString path = record.path;
    const bool audio = record.isAudio;
    connect(process, &QProcess::finished, this, [this, process, serial, path, audio] {
        const QByteArray bytes = process->readAllStandardOutput();
        if (previewProcess == process)
            previewProcess = nullptr;
        process->deleteLater();
        if (serial != selectionSerial || currentIndex < 0 || currentIndex >= records.size()
            || QFileInfo(records.at(currentIndex).path) != QFileInfo(path))
            return;
        const QImage picture = QImage::fromData(bytes, "JPG");
        if (picture.isNull())
            return;
        Q_UNUSED(audio);
        frameImage = picture;
        renderPreviewFrame();
    });
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error")};
    if (isAudioFile(path)) {
        args << QStringLiteral("-i") << path << QStringLiteral("-filter_complex")
             << QStringLiteral("[0:a]aformat=channel_layouts=mono,showwavespic=s=1600x420:colors=0xFFFFFF:"
                               "scale=sqrt:draw=full[wave]")
             << QStringLiteral("-map") << QStringLiteral("[wave]");
    } else {
        args << QStringLiteral("-ss") << QString::number(std::max(record.duration / 4.0, 0.1), 'f', 2)
             << QStringLiteral("-i") << path << QStringLiteral("-vf")
             << QStringLiteral("scale=360:210:force_original_aspect_ratio=increase,crop=360:210");
    }
    args << QStringLiteral("-frames:v") << QStringLiteral("1") << QStringLiteral("-f") << QStringLiteral("image2pipe")
         << QStringLiteral("-vcodec") << QStringLiteral("mjpeg") << QStringLiteral("pipe:1");
    process->start(resolveToolPath(QStringLiteral("ffmpeg")), args);

    setDetailButtonsEnabled(true);
}

// A newer selection ends the running preview-picture job; the process is deleted once it
// has ended.
void VideoListDialog::stopPreviewJob()
{
    if (!previewProcess)
        return;
    QProcess *process = previewProcess;
    previewProcess = nullptr;
    process->disconnect(this);
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->kill();
}

void VideoListDialog::renderPreviewFrame()
{
    if (frameImage.isNull() || !preview)
        return;
    displayedImage = frameImage;
    const Qt::TransformationMode mode = player->isPlaying() ? Qt::FastTransformation : Qt::SmoothTransformation;
    preview->setPixmap(QPixmap::fromImage(displayedImage.scaled(preview->size(), Qt::KeepAspectRatio, mode)));
}

void VideoListDialog::onFrameReady(const QImage &image, double)
{
    if (image.isNull())
        return;
    frameImage = image;
    renderPreviewFrame();
}

void VideoListDialog::onPositionChanged(double seconds)
{
    if (!sliderDragging && durationSeconds > 0)
        seekSlider->setValue(int(std::lround(seconds / durationSeconds * 10000.0)));
    timeLabel->setText(timeText(seconds) + QStringLiteral(" / ") + timeText(durationSeconds));
}

void VideoListDialog::onDurationChanged(double seconds)
{
    // Matroska files report 0 here: the probed duration stays.
    if (seconds <= 0)
        return;
    durationSeconds = seconds;
    timeLabel->setText(timeText(player->position()) + QStringLiteral(" / ") + timeText(durationSeconds));
}

void VideoListDialog::onPlayClicked()
{
    if (currentIndex < 0 || currentIndex >= records.size())
        return;
    if (player->isPlaying()) {
        player->pause();
        updatePlaybackUi(false);
    } else {
        player->play();
        updatePlaybackUi(true);
    }
}

void VideoListDialog::updatePlaybackUi(bool playing)
{
    if (!playButton || !bigPlayButton)
        return;
    playButton->setIcon(tintedLibraryIcon(playing ? QStringLiteral("pause") : QStringLiteral("play"), 18, Qt::white));
    playButton->setToolTip(playing ? tr("暂停") : tr("播放"));
    playButton->setAccessibleName(playing ? tr("暂停媒体") : tr("播放媒体"));
    bigPlayButton->setIcon(tintedLibraryIcon(QStringLiteral("play"), 25, Qt::white));
    bigPlayButton->setVisible(!playing && !currentIsAudio());
}

void VideoListDialog::clearCurrentSelection()
{
    ++selectionSerial;
    currentIndex = -1;
    durationSeconds = 0;
    frameImage = QImage();
    displayedImage = QImage();
    player->close();
    stopPreviewJob();
    preview->clear();
    titleLabel->setText(tr("请选择一个媒体文件"));
    titleLabel->setToolTip(QString());
    infoLabel->clear();
    timeLabel->setText(QStringLiteral("00:00 / 00:00"));
    updatePlaybackUi(false);
    setDetailButtonsEnabled(false);
}

void VideoListDialog::showAndPlay(const QString &path)
{
    showAndPlay(path, true);
}

void VideoListDialog::showAndPlay(const QString &path, bool autoPlay)
{
    rememberRecordedFile(path);
    show();
    raise();
    activateWindow();
    QTimer::singleShot(50, this, [this, path, autoPlay] {
        loadFromDisk();
        const QFileInfo wanted(path);
        for (int row = 0; row < listWidget->count(); ++row) {
            const int index = listWidget->item(row)->data(Qt::UserRole).toInt();
            if (index >= 0 && index < records.size() && QFileInfo(records.at(index).path) == wanted) {
                listWidget->setCurrentRow(row);
                openRecord(index, autoPlay);
                return;
            }
        }
    });
}
