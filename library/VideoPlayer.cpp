#include "library/VideoPlayer.h"

#include "library/MediaLibraryFiles.h"
#include "library/VideoFrameImage.h"
#include "platform/mac/ProcessMemory.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>

#include <algorithm>
#include <cstring>

namespace {

bool isPlainAscii(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// A video frame holding a copy of the picture (Qt 6.4 has no QVideoFrame from a QImage).
QVideoFrame videoFrameOf(const QImage &picture)
{
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    QVideoFrame frame(QVideoFrameFormat(rgba.size(), QVideoFrameFormat::Format_RGBA8888));
    if (!frame.map(QVideoFrame::WriteOnly))
        return {};
    const int rowBytes = std::min<int>(rgba.bytesPerLine(), frame.bytesPerLine(0));
    for (int y = 0; y < rgba.height(); ++y)
        std::memcpy(frame.bits(0) + qsizetype(y) * frame.bytesPerLine(0), rgba.constScanLine(y), size_t(rowBytes));
    frame.unmap();
    return frame;
}

} // namespace

VideoPlayer::VideoPlayer(QObject *parent)
    : QObject(parent)
    , m_player(new QMediaPlayer(this))
    , m_audioOutput(new QAudioOutput(this))
    , m_videoSink(new QVideoSink(this))
    , m_devices(new QMediaDevices(this))
{
    m_player->setVideoSink(m_videoSink);
    m_audioOutput->setVolume(1.0f);
    m_player->setPlaybackRate(1.0);
    updateAudioOutput();

    connect(m_player, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
        m_duration = double(ms) / 1000.0;
        emit durationChanged(m_duration);
    });
    connect(m_player, &QMediaPlayer::positionChanged, this,
            [this](qint64 ms) { emit positionChanged(double(ms) / 1000.0); });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            emit playbackFinished();
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error, const QString &text) {
        if (error == QMediaPlayer::NoError)
            return;
        m_sourceFailed = true;
        emit errorOccurred(errorMessage(error, text));
    });
    // The sink reports frames on the player's rendering thread: taken there, so that no frame
    // ever waits in the GUI thread's queue.
    connect(m_videoSink, &QVideoSink::videoFrameChanged, this, &VideoPlayer::onVideoFrameChanged,
            Qt::DirectConnection);
    connect(m_devices, &QMediaDevices::audioOutputsChanged, this, &VideoPlayer::updateAudioOutput);
    // A player whose window outlives the event loop stops with it: its decoding and converting
    // threads end while the application is still whole.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &VideoPlayer::close);
}

QString VideoPlayer::errorMessage(QMediaPlayer::Error error, const QString &playerText)
{
    // Qt Multimedia's own text for a file its back end could not open (not translated).
    if (playerText != QLatin1String("Could not open file"))
        return playerText.isEmpty() ? QObject::tr("播放失败") : playerText;
    QString cause;
    switch (error) {
    case QMediaPlayer::FormatError:
        cause = QObject::tr("格式无效或不受支持");
        break;
    case QMediaPlayer::AccessDeniedError:
        cause = QObject::tr("没有读取权限");
        break;
    default:
        cause = QObject::tr("文件无法读取或已损坏");
        break;
    }
    return QObject::tr("无法打开文件：%1").arg(cause);
}

VideoPlayer::~VideoPlayer()
{
    disconnect(m_videoSink, nullptr, this, nullptr);
    close();
}

// The FFmpeg back end crashes in play() when an audio output is attached and the system has
// no audio device at all, so the output is attached only while one is listed. Qt does not
// always report device changes, so this is checked again before each open and play.
void VideoPlayer::updateAudioOutput()
{
    const bool haveDevice = !QMediaDevices::audioOutputs().isEmpty();
    if (haveDevice && !m_player->audioOutput()) {
        m_audioOutput->setDevice(QMediaDevices::defaultAudioOutput());
        m_player->setAudioOutput(m_audioOutput);
    } else if (!haveDevice && m_player->audioOutput()) {
        m_player->setAudioOutput(nullptr);
    }
}

// The player cannot open local paths with characters outside Latin-1 by URL; such a file is
// opened through a link with a plain name in a private folder. Messages keep the real path.
void VideoPlayer::setSourceForFile()
{
    QString openPath = m_filePath;
    if (!isPlainAscii(m_filePath)) {
        if (!m_linkFolder || !m_linkFolder->isValid())
            m_linkFolder = std::make_unique<QTemporaryDir>();
        if (m_linkFolder->isValid()) {
            const QString suffix = QFileInfo(m_filePath).suffix();
            const QString link = m_linkFolder->filePath(
                QStringLiteral("media_%1%2").arg(++m_linkSerial).arg(suffix.isEmpty() || !isPlainAscii(suffix)
                                                                          ? QString()
                                                                          : QLatin1Char('.') + suffix));
            QFile::remove(link);
            if (QFile::link(m_filePath, link))
                openPath = link;
        }
    }
    // Qt 6.4's FFmpeg back end divides by the video stream's frame rate for each picture it
    // renders; the cover picture of an mp3 or m4a has none (0/0) and the process dies of it.
    // An audio file's picture is never shown, so its player has no video sink at all.
    m_player->setVideoSink(isAudioFile(m_filePath) ? nullptr : m_videoSink);
    m_sourceFailed = false;
    m_player->setSource(QUrl::fromLocalFile(openPath));
}

bool VideoPlayer::open(const QString &path)
{
    close();
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        emit errorOccurred(QObject::tr("文件不存在：%1").arg(path));
        return false;
    }
    updateAudioOutput();
    m_filePath = info.absoluteFilePath();
    m_frames.start();
    setSourceForFile();
    m_player->setPlaybackRate(m_speed);
    m_audioOutput->setVolume(m_volume);
    return true;
}

void VideoPlayer::close()
{
    m_muted = false;
    m_audioOutput->setMuted(false);
    m_player->stop();
    m_player->setSource(QUrl());
    m_filePath.clear();
    m_duration = 0.0;
    m_videoSize = QSize(-1, -1);
    // A conversion running is finished (tens of milliseconds for a 4K picture); one only asked
    // for is dropped.
    m_frames.stop();
    dropFrames();
    if (m_linkFolder) {
        // The links of earlier files are no longer needed.
        m_linkFolder.reset();
    }
}

void VideoPlayer::play()
{
    if (m_filePath.isEmpty()) {
        emit errorOccurred(QObject::tr("没有打开可播放文件"));
        return;
    }
    updateAudioOutput();
    // The player keeps the error of an earlier source (an empty one after close() is
    // one): only this file's own failure counts, else a place sought while paused is lost.
    const bool failed = m_sourceFailed || m_player->mediaStatus() == QMediaPlayer::InvalidMedia;
    // After the end the player stops again at once unless the file is loaded afresh.
    const bool ended = m_player->mediaStatus() == QMediaPlayer::EndOfMedia;
    if (failed || ended) {
        m_player->setSource(QUrl());
        setSourceForFile();
        m_player->setPlaybackRate(m_speed);
    }
    m_player->play();
}

void VideoPlayer::pause()
{
    if (m_player->playbackState() != QMediaPlayer::StoppedState)
        m_player->pause();
}

void VideoPlayer::stop()
{
    m_player->stop();
}

// The pictures of a closed file are given back at once (a 4K picture is 33 MB, the decoded
// frame behind it 12 MB).
void VideoPlayer::dropFrames()
{
    m_frames.drop();
    // Freed pictures would otherwise stay in the heap; what the player's own threads free
    // while they end is given back a moment later.
    releaseFreedMemory();
    QTimer::singleShot(1000, this, [] { releaseFreedMemory(); });
}

qint64 VideoPlayer::seekTargetMs(double seconds, double duration)
{
    double target = seconds;
    if (duration > 0)
        target = std::min(duration, seconds);
    return target > 0 ? qint64(target * 1000.0) : 0;
}

void VideoPlayer::seek(double seconds)
{
    if (m_filePath.isEmpty())
        return;
    // A stopped player shows no frame for a new position: pause first so the frame arrives.
    if (m_player->playbackState() == QMediaPlayer::StoppedState) {
        if (m_player->mediaStatus() == QMediaPlayer::EndOfMedia) {
            m_player->setSource(QUrl());
            setSourceForFile();
            m_player->setPlaybackRate(m_speed);
        }
        m_player->pause();
    }
    m_player->setPosition(seekTargetMs(seconds, m_duration));
}

void VideoPlayer::setVolume(float volume)
{
    m_volume = std::clamp(volume, 0.0f, 1.0f);
    m_audioOutput->setVolume(m_volume);
}

void VideoPlayer::setSpeed(float speed)
{
    m_speed = std::clamp(speed, 0.25f, 4.0f);
    m_player->setPlaybackRate(m_speed);
}

void VideoPlayer::setMuted(bool muted)
{
    m_muted = muted;
    m_audioOutput->setMuted(muted);
}

// The player keeps delivering into its own sink: the FFmpeg back end of Qt 6.4 does not move
// a playing stream to another sink (the viewer stayed black until the file was played again),
// so each picture is handed on to the viewer's sink instead.
void VideoPlayer::setVideoWidget(QVideoWidget *widget)
{
    if (!widget)
        return;
    m_videoWidget = widget;
    m_toWidget.store(true);
    showNewestInWidget();
}

// Back from the viewer: the newest frame, seen there and perhaps never converted (a seek in
// full screen), becomes the picture of frameReady and of the snapshot.
void VideoPlayer::restoreVideoSink()
{
    m_toWidget.store(false);
    if (m_videoWidget)
        m_videoWidget->videoSink()->setVideoFrame(QVideoFrame());
    m_videoWidget.clear();
    m_frames.request();
}

double VideoPlayer::position() const
{
    return double(m_player->position()) / 1000.0;
}

QMediaPlayer::PlaybackState VideoPlayer::playbackState() const
{
    return m_player->playbackState();
}

// The picture of the newest decoded frame, converted first when it has not been (shown full
// screen, or its conversion still running), so that a still is of the frame on the screen.
QImage VideoPlayer::currentFrameSnapshot()
{
    if (!m_frames.pictureIsCurrent() && m_frames.request())
        m_frames.waitIdle(std::chrono::seconds(3));
    return m_frames.newestPicture().copy();
}

void VideoPlayer::onVideoFrameChanged(const QVideoFrame &frame)
{
    if (!frame.isValid())
        return;
    m_frames.post(frame);
    if (m_toWidget.load()) {
        if (!m_widgetQueued.exchange(true))
            QMetaObject::invokeMethod(this, &VideoPlayer::showNewestInWidget, Qt::QueuedConnection);
        return;
    }
    m_frames.request();
}

// Converting thread: one conversion at a time, of whatever frame is newest when it starts.
void VideoPlayer::runConverter()
{
    while (std::optional<LatestFrameSlot::Frame> taken = m_frames.take()) {
        // Formats the CPU conversion does not cover go through Qt's own, on this thread too,
        // whose graphics state ends with it.
        QImage image = imageOfVideoFrame(taken->frame);
        if (image.isNull())
            image = taken->frame.toImage();
        const double pts = taken->frame.startTime() >= 0 ? double(taken->frame.startTime()) / 1e6 : -1.0;
        taken->frame = QVideoFrame();
        if (m_frames.finish(taken->serial, image, pts, m_toWidget.load()) && !m_deliveryQueued.exchange(true))
            QMetaObject::invokeMethod(this, &VideoPlayer::deliverFrame, Qt::QueuedConnection);
    }
}

// GUI thread: the newest picture (one at most waits), with the time of its own frame.
void VideoPlayer::deliverFrame()
{
    m_deliveryQueued.store(false);
    const std::optional<LatestFrameSlot::Picture> picture = m_frames.takePicture();
    if (!picture)
        return;
    m_videoSize = picture->image.size();
    emit frameReady(picture->image, picture->pts >= 0 ? picture->pts : position());
}

void VideoPlayer::showNewestInWidget()
{
    m_widgetQueued.store(false);
    if (!m_videoWidget)
        return;
    // The decoded frame is let go once converted: a player standing still (paused, or at the
    // end) shows its last picture instead.
    QVideoFrame frame = m_frames.newestFrame();
    if (!frame.isValid()) {
        const QImage picture = m_frames.newestPicture();
        if (!picture.isNull())
            frame = videoFrameOf(picture);
    }
    if (frame.isValid())
        m_videoWidget->videoSink()->setVideoFrame(frame);
}
