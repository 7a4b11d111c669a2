// The detail panel: the current record, its summary and preview picture, playback, full
// screen and stills.

#include "library/VideoListDialog.h"
#include "recording/NumberText.h"

#include "library/LibraryIcons.h"
#include "library/MediaLibraryFiles.h"
#include "library/MediaPreview.h"
#include "library/MetadataQueue.h"
#include "library/PlayerFoundLengths.h"
#include "library/RecordCard.h"
#include "widgets/MessageBoxes.h"
#include "library/TimelineRangeWidget.h"
#include "library/VideoPlayer.h"
#include "library/WaveformPreviewLabel.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QThreadPool>
#include <QVideoWidget>
#include <QtConcurrent>

#include <cmath>
#include <utility>

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
        return NumberText::bytes(double(bytes) / 1024.0, NumberText::ByteUnit::KB, 0);
    if (bytes >= (qint64(1) << 30))
        return NumberText::bytes(double(bytes) / double(qint64(1) << 30), NumberText::ByteUnit::GB, 2);
    return NumberText::bytes(double(bytes) / 1048576.0, NumberText::ByteUnit::MB, 1);
}

// Every time the library shows is rounded this one way, half away from zero (3.5 s reads
// 00:04): the player's label, the split, range and ruler texts, and the cards' lengths.
QString VideoListDialog::timeText(double seconds)
{
    return formatDuration(std::max(0, int(std::lround(seconds))));
}

bool VideoListDialog::currentIsAudio() const
{
    return currentIndex >= 0 && currentIndex < records.size() && records.at(currentIndex).isAudio;
}

bool VideoListDialog::currentIsEmptyFile() const
{
    return currentIndex >= 0 && currentIndex < records.size() && records.at(currentIndex).size == 0;
}

void VideoListDialog::setDetailButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {playButton, folderButton, deleteButton, fullscreenButton, trimButton, splitButton,
                                screenshotButton, muteButton, watermarkButton, undoButton, moreButton,
                                primaryActionButton})
        button->setEnabled(enabled);
}

void VideoListDialog::openRecord(int index, bool autoplay)
{
    if (index < 0 || index >= records.size())
        return;
    ++selectionSerial;
    currentIndex = index;
    if (dropGoneCurrentFile())
        return;
    playbackWanted = autoplay;
    transformPreview.clear();
    muteSelectionActive = false;
    player->close();
    preview->clear();
    frameImage = QImage();
    displayedImage = QImage();
    stillSeconds = -1;
    stillHeld = false;
    playFromSeconds = -1;
    const VideoRecord record = records.at(index);
    updateDetail(record);
    setEditMode(QStringLiteral("trim"));
    updatePlaybackUi(false);
    if (record.size == 0) {
        // Nothing to play: updateDetail said so, and a Play asked for (a double click, the
        // card's menu) is answered as the Play button answers it.
        if (autoplay)
            showLibraryWarning(this, tr("播放失败"), tr("文件为空"));
        return;
    }
    if (player->open(record.path) && autoplay) {
        player->play();
        updatePlaybackUi(true);
    }
}

// A long name is shortened in its middle to the header's room beside its buttons; the tool
// tip holds all of it.
void VideoListDialog::elideFileTitle()
{
    const QString name = titleLabel->toolTip();
    if (!name.isEmpty())
        titleLabel->setText(
            titleLabel->fontMetrics().elidedText(name, Qt::ElideMiddle, std::max(1, titleLabel->contentsRect().width())));
}

void VideoListDialog::updateDetail(const VideoRecord &record)
{
    titleLabel->setToolTip(record.fileName);
    elideFileTitle();
    const QString format = QFileInfo(record.path).suffix().toUpper();
    const QString date = NumberText::isolated(record.created.toString(QStringLiteral("yyyy/MM/dd HH:mm")));
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
        // A file ffprobe could not read says so, as File Information does, not "0 channels".
        const QString channels = record.channels < 1    ? tr("声道未知")
                                 : record.channels == 1 ? tr("单声道")
                                 : record.channels == 2 ? tr("双声道")
                                                        : tr("%1 声道").arg(record.channels);
        const QString bitrate = record.bitrateKbps >= 1 ? QStringLiteral("%1 kbps").arg(record.bitrateKbps) : QString();
        // Each part in an isolate of its own: right to left, an Arabic channel word would
        // otherwise draw the numbers beside it into its run ("320 ستيريو kbps").
        const QStringList parts{format, NumberText::isolated(rate), NumberText::isolatedName(channels),
                                NumberText::isolated(bitrate), NumberText::isolated(size), date};
        infoLabel->setText(QStringLiteral("♪  ") + parts.join(gap));
    } else {
        // A file whose picture size is unknown (not probed yet, or unreadable) shows no size.
        QStringList parts;
        if (record.resolution.width() > 0 && record.resolution.height() > 0)
            parts << NumberText::resolution(record.resolution.width(), record.resolution.height());
        parts << format << size << date;
        infoLabel->setText(QStringLiteral("▣  ") + parts.join(gap));
    }
    // A file that ffprobe could not measure keeps the length its player has found.
    durationSeconds = record.duration > 0 ? record.duration : std::max(player->duration(), 0.0);
    rangeBar->setPreview(QPixmap(), record.isAudio, durationSeconds);
    // Details that come while the file plays, or after it ended (a Matroska file's length read
    // from its packets takes a while), keep the time where playback stands.
    showPlaybackTime(player->position());

    // The picture (and an audio file's 1600 x 420 waveform mask) is grabbed and decoded on a
    // pool thread: even starting ffmpeg costs the GUI thread tens of milliseconds on a busy
    // machine. A newer selection ends the grab through `wanted`.
    stopPreviewJob();
    const int serial = selectionSerial;
    const QString path = record.path;
    const bool audio = record.isAudio;
    const double at = std::max(record.duration / 4.0, 0.1);
    auto wanted = std::make_shared<QAtomicInt>(1);
    previewWanted = wanted;
    using Decoded = std::pair<QImage, QImage>;
    auto *watcher = new QFutureWatcher<Decoded>(this);
    previewJob = watcher;
    connect(watcher, &QFutureWatcher<Decoded>::finished, this, [this, watcher, serial, path, audio, at] {
        watcher->deleteLater();
        if (previewJob != watcher)
            return;
        previewJob = nullptr;
        if (watcher->future().resultCount() == 0 || serial != selectionSerial || currentIndex < 0
            || currentIndex >= records.size() || QFileInfo(records.at(currentIndex).path) != QFileInfo(path))
            return;
        const auto [picture, mask] = watcher->result();
        if (picture.isNull())
            return;
        rangeBar->setPreview(QPixmap::fromImage(picture), audio, durationSeconds, mask);
        // A frame the player delivered meanwhile is newer than the still; a still taken before
        // the file's length was known (at its start) gives way to this one.
        if (frameImage.isNull() || audio || (stillSeconds >= 0 && !stillHeld)) {
            frameImage = picture;
            if (audio) {
                preview->waveform = mask;
                waveformSource = picture.cacheKey();
            } else if (player->position() < 0.05) {
                // Only while the player stands at the start: a place the user has sought to
                // keeps its time.
                stillSeconds = at;
            }
            renderPreviewFrame();
        }
        // The new strip put its marker at the start: it goes back where the label and the
        // picture are.
        showPlaybackTime(player->position());
    });
    watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [path, at, audio, wanted] {
        const QImage picture = grabPlayerStill(path, at, [wanted] { return wanted->loadRelaxed() != 0; });
        return Decoded(picture, audio ? waveformAlphaMask(picture) : QImage());
    }));

    setDetailButtonsEnabled(true);
    updateMediaSpecificUi();
    // An empty file: it can be shown in its folder, renamed or deleted, nothing more; Play
    // stays to say why it does not play, and the tools switched off say it in their tips.
    const bool empty = record.size == 0;
    for (QPushButton *button : {fullscreenButton, trimButton, splitButton, screenshotButton, watermarkButton,
                                undoButton, primaryActionButton}) {
        const char *ownTip = "enabledToolTip";
        if (!button->property(ownTip).isValid())
            button->setProperty(ownTip, button->toolTip());
        button->setToolTip(empty ? tr("文件为空") : button->property(ownTip).toString());
        if (empty)
            button->setEnabled(false);
    }
    if (empty) {
        muteButton->setEnabled(false);
        infoLabel->setText(tr("文件为空"));
    }
}

void VideoListDialog::updateMediaSpecificUi()
{
    const bool hasRecord = currentIndex >= 0 && currentIndex < records.size();
    const bool audio = hasRecord && records.at(currentIndex).isAudio;
    const bool hasSound = hasRecord && !records.at(currentIndex).audioCodec.isEmpty();
    watermarkButton->setVisible(!audio);
    screenshotButton->setVisible(!audio);
    fullscreenButton->setVisible(!audio);
    muteButton->setEnabled(hasSound);
    const QColor iconColour("#dce7f7");
    if (!audio) {
        const bool muting = editMode == QLatin1String("mute");
        muteButton->setCheckable(true);
        muteButton->setChecked(muting);
        muteButton->setText(muting ? tr("已设为无声") : tr("移除声音"));
        muteButton->setIcon(tintedLibraryIcon(muting ? QStringLiteral("audio_off") : QStringLiteral("audio"), 19, iconColour));
        muteButton->setToolTip(muting ? tr("点击恢复原声") : tr("Mute audio in the selected range"));
    } else {
        muteButton->setChecked(false);
        muteButton->setCheckable(false);
        muteButton->setText(tr("音量"));
        muteButton->setIcon(tintedLibraryIcon(QStringLiteral("audio"), 19, iconColour));
        muteButton->setToolTip(tr("调整音频音量"));
    }
    // Switched off, it says why.
    if (hasRecord && !hasSound)
        muteButton->setToolTip(noSoundReason());
    if (preview->waveformMode != audio) {
        preview->waveformMode = audio;
        preview->progress = 0;
        if (audio) {
            preview->clear();
            preview->waveform = QImage();
            preview->rebuildPixmaps();
        }
        preview->update();
    }
    preview->setStyleSheet(audio ? QStringLiteral("background:#071222;border-radius:9px 9px 0 0;")
                                 : QStringLiteral("background:#02060b;border-radius:9px 9px 0 0;"));
}

// A newer selection ends the running preview-picture job: its ffmpeg is killed on its pool
// thread and its result, if any, is dropped.
void VideoListDialog::stopPreviewJob()
{
    if (previewWanted)
        previewWanted->storeRelaxed(0);
    previewWanted.reset();
    previewJob = nullptr;
}

namespace {

double playedFraction(double position, double duration)
{
    return duration > 0 ? std::clamp(position / duration, 0.0, 1.0) : 0.0;
}

} // namespace

void VideoListDialog::renderPreviewFrame()
{
    if (frameImage.isNull() || !preview)
        return;
    if (currentIsAudio()) {
        if (frameImage.cacheKey() != waveformSource) {
            preview->waveform = waveformAlphaMask(frameImage);
            waveformSource = frameImage.cacheKey();
        }
        preview->rebuildPixmaps();
        const double fraction = playedFraction(player->position(), durationSeconds);
        if (std::abs(fraction - preview->progress) >= 0.0005)
            preview->progress = fraction;
        preview->update();
        displayedImage = frameImage;
        return;
    }
    displayedImage = transformedPreview(frameImage);
    const Qt::TransformationMode mode = player->isPlaying() ? Qt::FastTransformation : Qt::SmoothTransformation;
    preview->setPixmap(QPixmap::fromImage(displayedImage.scaled(preview->size(), Qt::KeepAspectRatio, mode)));
}

void VideoListDialog::onFrameReady(const QImage &image, double seconds)
{
    if (image.isNull() || (stillHeld && !player->isPlaying()))
        return;
    stillHeld = false;
    frameImage = image;
    stillSeconds = -1;
    renderPreviewFrame();
    if (playFromSeconds >= 0 && std::abs(seconds - playFromSeconds) < 1.0)
        startPendingPlay();
}

void VideoListDialog::onPositionChanged(double seconds)
{
    player->setMuted(muteSelectionActive && rangeBar->rangeStart <= seconds && seconds < rangeBar->rangeEnd);
    if (currentIsAudio()) {
        const double fraction = playedFraction(seconds, durationSeconds);
        if (std::abs(fraction - preview->progress) >= 0.0005) {
            preview->progress = fraction;
            preview->update();
        }
    }
    showPlaybackTime(seconds);
}

// The seek bar, the time label and the strip's marker: at the player's position, or at the
// still's time while the still is what the preview shows.
void VideoListDialog::showPlaybackTime(double seconds)
{
    const double shown = stillSeconds >= 0 ? stillSeconds : seconds;
    const double marker = std::clamp(shown, 0.0, rangeBar->duration);
    if (marker != rangeBar->marker) {
        rangeBar->marker = marker;
        rangeBar->update();
    }
    if (!sliderDragging && durationSeconds > 0)
        seekSlider->setValue(int(std::lround(shown / durationSeconds * 10000.0)));
    timeLabel->setText(timeText(shown) + QStringLiteral(" / ") + timeText(durationSeconds));
}

double VideoListDialog::playheadSeconds() const
{
    return stillSeconds >= 0 ? stillSeconds : player->position();
}

void VideoListDialog::seekOrShowStill(double seconds)
{
    if (!player->canSeek()) {
        showStillAt(seconds);
        return;
    }
    stillSeconds = -1;
    stillHeld = false;
    player->seek(seconds);
}

// The picture of a place the player cannot go to comes from ffmpeg, as the first still does:
// one grab at a time, and the newest place once it ends.
void VideoListDialog::showStillAt(double seconds)
{
    if (currentIndex < 0 || currentIndex >= records.size())
        return;
    stillSeconds = std::clamp(seconds, 0.0, std::max(durationSeconds, 0.0));
    stillHeld = true;
    showPlaybackTime(player->position());
    if (stillGrabRunning || currentIsAudio())
        return;
    stillGrabRunning = true;
    const int serial = selectionSerial;
    const QString path = records.at(currentIndex).path;
    const double at = stillSeconds;
    grabPicture([path, at] { return grabPlayerStill(path, at); },
                [this, serial, at](const QImage &picture) {
                    stillGrabRunning = false;
                    if (serial != selectionSerial || !stillHeld)
                        return;
                    if (!picture.isNull()) {
                        frameImage = picture;
                        renderPreviewFrame();
                    }
                    if (stillSeconds != at)
                        showStillAt(stillSeconds);
                });
}

void VideoListDialog::onDurationChanged(double seconds)
{
    // Matroska files report 0 here: the probed duration stays.
    if (seconds <= 0)
        return;
    if (seconds > 0.1 && rangeBar->rangeEnd <= 0.11)
        rangeBar->setPreview(QPixmap::fromImage(frameImage), currentIsAudio(), seconds,
                             frameImage.cacheKey() == waveformSource ? preview->waveform : QImage());
    durationSeconds = seconds;
    showPlaybackTime(player->position());
    // A file ffprobe could not measure: its card (and File Information) show the length the
    // player found rather than 00:00.
    if (currentIndex >= 0 && currentIndex < records.size() && records.at(currentIndex).duration <= 0) {
        const VideoRecord &record = records.at(currentIndex);
        PlayerFoundLengths::instance()->keep(record.path, record.size, seconds);
        const int row = rowOfRecord(currentIndex);
        if (auto *card = row >= 0 ? dynamic_cast<RecordCard *>(listWidget->itemWidget(listWidget->item(row))) : nullptr)
            card->updateRecord(shownRecord(currentIndex));
    }
}

QString VideoListDialog::noSoundReason() const
{
    if (currentIndex < 0 || currentIndex >= records.size())
        return QString();
    const VideoRecord &record = records.at(currentIndex);
    if (record.size == 0)
        return tr("文件为空");
    if (metadataQueue->isPending(record.path))
        return tr("正在读取文件信息…");
    if (!hasProbedDetails(record))
        return tr("无法读取此文件的信息");
    return tr("此文件没有声音");
}

void VideoListDialog::onPlayClicked()
{
    if (currentIndex < 0 || currentIndex >= records.size() || dropGoneCurrentFile())
        return;
    if (currentIsEmptyFile()) {
        showLibraryWarning(this, tr("播放失败"), tr("文件为空"));
        return;
    }
    if (player->isPlaying()) {
        player->pause();
        updatePlaybackUi(false);
    } else {
        playbackWanted = true;
        if (stillSeconds > 0 && !stillHeld && playFromSeconds < 0 && player->canSeek()) {
            // Playing starts where the still stands, not at the start the player is still at.
            // Played at once after the seek, the player would begin at 0 all the same: it
            // plays once it has shown that place (or after a while, from wherever it is).
            playFromSeconds = stillSeconds;
            player->seek(stillSeconds);
            updatePlaybackUi(true);
            const int serial = selectionSerial;
            QTimer::singleShot(2000, this, [this, serial] {
                if (serial == selectionSerial)
                    startPendingPlay();
            });
            return;
        }
        stillHeld = false;
        playFromSeconds = -1;
        player->play();
        updatePlaybackUi(true);
    }
}

void VideoListDialog::startPendingPlay()
{
    if (playFromSeconds < 0)
        return;
    playFromSeconds = -1;
    stillHeld = false;
    player->play();
    updatePlaybackUi(true);
}

void VideoListDialog::updatePlaybackUi(bool playing)
{
    if (!playButton || !bigPlayButton)
        return;
    playButton->setIcon(tintedLibraryIcon(playing ? QStringLiteral("pause") : QStringLiteral("play"), 18, Qt::white));
    playButton->setToolTip(playing ? tr("暂停") : tr("播放"));
    playButton->setAccessibleName(playing ? tr("暂停媒体") : tr("播放媒体"));
    bigPlayButton->setIcon(tintedLibraryIcon(QStringLiteral("play"), 25, Qt::white));
    bigPlayButton->setVisible(!playing && !currentIsAudio() && !currentIsEmptyFile());
}

void VideoListDialog::clearCurrentSelection()
{
    ++selectionSerial;
    currentIndex = -1;
    playbackWanted = false;
    durationSeconds = 0;
    frameImage = QImage();
    displayedImage = QImage();
    stillSeconds = -1;
    stillHeld = false;
    playFromSeconds = -1;
    player->close();
    stopPreviewJob();
    preview->clear();
    preview->waveform = QImage();
    preview->rebuildPixmaps();
    preview->update();
    titleLabel->setText(tr("请选择一个媒体文件"));
    titleLabel->setToolTip(QString());
    infoLabel->clear();
    timeLabel->setText(QStringLiteral("00:00 / 00:00"));
    rangeBar->setPreview(QPixmap(), false, 0);
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

void VideoListDialog::enterFullscreenPlayback()
{
    if (currentIndex < 0 || currentIndex >= records.size() || currentIsAudio() || !player || dropGoneCurrentFile())
        return;
    if (!fullscreenView) {
        fullscreenView = new QVideoWidget;
        fullscreenView->setObjectName(QStringLiteral("FullscreenView"));
        fullscreenView->setWindowTitle(tr("Vistrelle 全屏播放"));
        fullscreenView->setWindowFlag(Qt::Window);
        fullscreenView->setStyleSheet(QStringLiteral("background:#000000;"));
        fullscreenView->setAspectRatioMode(Qt::KeepAspectRatio);
        fullscreenView->setFocusPolicy(Qt::StrongFocus);
        fullscreenView->installEventFilter(this);
    }
    if (fullscreenView->isVisible())
        return;
    player->setVideoWidget(fullscreenView);
    // The screen of the library window; without a window manager nobody else gives a
    // full-screen window the screen's size.
    if (QScreen *screen = this->screen())
        fullscreenView->setGeometry(screen->geometry());
    fullscreenView->showFullScreen();
    fullscreenView->raise();
    fullscreenView->activateWindow();
    fullscreenView->setFocus();
}

void VideoListDialog::toggleFullscreenPlayback()
{
    if (!fullscreenView || !fullscreenView->isVisible())
        enterFullscreenPlayback();
    else
        exitFullscreenPlayback();
}

void VideoListDialog::onScreenshotClicked()
{
    if (currentIndex < 0 || currentIndex >= records.size() || dropGoneCurrentFile())
        return;
    const VideoRecord record = records.at(currentIndex);
    // While a still is what the preview shows, the picture is grabbed at its time below.
    const QImage still = stillSeconds >= 0 ? QImage() : player->currentFrameSnapshot();
    if (!still.isNull()) {
        saveScreenshot(record.path, still);
        return;
    }
    // Before playback the preview shows a cropped still (or nothing yet): the saved picture is
    // a full frame of the same moment, grabbed by ffmpeg on a pool thread. A file it cannot read
    // is said so.
    const int serial = selectionSerial;
    const QString path = record.path;
    const double end = durationSeconds > 0.1 ? durationSeconds - 0.05 : player->position();
    const double moment = stillSeconds >= 0 ? stillSeconds : player->position();
    screenshotButton->setEnabled(false);
    grabPicture([path, at = std::clamp(moment, 0.0, std::max(end, 0.0))] { return grabFullFrame(path, at); },
                [this, serial, path](const QImage &frame) {
                    screenshotButton->setEnabled(currentIndex >= 0);
                    if (serial != selectionSerial)
                        return;
                    if (frame.isNull())
                        showLibraryWarning(this, tr("截图失败"),
                                           QObject::tr("无法打开文件：%1").arg(QObject::tr("文件无法读取或已损坏")));
                    else
                        saveScreenshot(path, frame);
                });
}

void VideoListDialog::saveScreenshot(const QString &path, const QImage &frame)
{
    const QImage still = transformedPreview(frame);
    if (still.isNull()) {
        showLibraryInformation(this, tr("截图不可用"), tr("视频画面尚未就绪，请先播放或移动到需要截图的位置。"));
        return;
    }
    const QFileInfo source(path);
    const QString file = source.dir().filePath(source.completeBaseName() + QLatin1Char('_')
                                               + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"))
                                               + QStringLiteral(".png"));
    if (still.save(file, "PNG"))
        showOpenFolderMessage(this, tr("截图完成"), tr("截图已保存到：\n%1").arg(file), file);
    else
        showLibraryWarning(this, tr("截图失败"), tr("无法保存截图：\n%1\n请检查文件夹的写入权限。").arg(file));
}

void VideoListDialog::grabPicture(const std::function<QImage()> &grab, const std::function<void(const QImage &)> &done)
{
    // The watcher belongs to the window: a result that comes after it is gone is dropped.
    auto *watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [watcher, done] {
        watcher->deleteLater();
        done(watcher->future().resultCount() > 0 ? watcher->result() : QImage());
    });
    watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), grab));
}
