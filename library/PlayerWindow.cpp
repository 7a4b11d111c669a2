#include "library/PlayerWindow.h"

#include "widgets/LeftToRight.h"
#include "recording/ScreenshotWriter.h"
#include "library/SeekSlider.h"
#include "library/VideoListDialog.h"
#include "library/VideoPlayer.h"
#include "recording/MediaProbe.h"
#include "widgets/MessageBoxes.h"

#include <QDateTime>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <algorithm>

namespace {

const char *const kSliderStyle =
    "QSlider::groove:horizontal{height:4px;background:#252830;border-radius:2px;}"
    "QSlider::handle:horizontal{width:14px;height:14px;margin:-5px 0;background:#3b82f6;border-radius:7px;}"
    "QSlider::sub-page:horizontal{background:#3b82f6;border-radius:2px;}";

const char *const kButtonStyle =
    "QPushButton{background:#252830;border:1px solid #2e3240;border-radius:6px;color:#9aa0b8;font-size:12px;}"
    "QPushButton:hover{background:#2e3340;color:#d0d4de;}";

} // namespace

PlayerWindow::PlayerWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Vistrelle — 播放器"));
    resize(900, 580);
    setStyleSheet(QStringLiteral("background:#0d0f14; color:#c0c6d8;"));
    m_player = new VideoPlayer(this);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    m_videoLabel = new QLabel;
    m_videoLabel->setAlignment(Qt::AlignCenter);
    m_videoLabel->setStyleSheet(QStringLiteral("background:#000;"));
    m_videoLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_videoLabel->setMinimumSize(1, 1); // the picture follows the window, never the reverse
    root->addWidget(m_videoLabel, 1);
    m_seekSlider = new SeekSlider;
    m_seekSlider->setObjectName(QStringLiteral("Seek"));
    m_seekSlider->setRange(0, 10000);
    m_seekSlider->setStyleSheet(QLatin1String(kSliderStyle));
    root->addWidget(m_seekSlider);

    auto *bar = new QWidget;
    bar->setFixedHeight(50);
    bar->setStyleSheet(QStringLiteral("background:#16181f; border-top:1px solid #0d0f14;"));
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(12, 0, 12, 0);
    barLayout->setSpacing(6);
    auto button = [&](const QString &text) {
        auto *b = new QPushButton(text);
        b->setFixedSize(32, 32);
        b->setStyleSheet(QLatin1String(kButtonStyle));
        barLayout->addWidget(b);
        return b;
    };
    connect(button(QStringLiteral("⏮")), &QPushButton::clicked, this, [this] { seekBy(-10); });
    m_playButton = button(QStringLiteral("▶"));
    connect(m_playButton, &QPushButton::clicked, this, &PlayerWindow::onPlayPause);
    connect(button(QStringLiteral("⏭")), &QPushButton::clicked, this, [this] { seekBy(10); });
    m_timeLabel = new QLabel(QStringLiteral("00:00 / 00:00"));
    m_timeLabel->setStyleSheet(QStringLiteral("font-size:12px;color:#6a7080;font-family:Courier New;"));
    barLayout->addWidget(m_timeLabel);
    barLayout->addStretch();
    for (float speed : {0.5f, 1.0f, 2.0f}) {
        const QString text = speed == 0.5f ? QStringLiteral("0.5×") : speed == 1.0f ? QStringLiteral("1×")
                                                                                   : QStringLiteral("2×");
        connect(button(text), &QPushButton::clicked, this, [this, speed] { onSpeedClicked(speed); });
    }
    connect(button(QStringLiteral("📷")), &QPushButton::clicked, this, &PlayerWindow::onScreenshot);
    barLayout->addWidget(new QLabel(QStringLiteral("🔊")));
    m_volumeSlider = new QSlider(Qt::Horizontal);
    m_volumeSlider->setRange(0, 100);
    m_volumeSlider->setValue(80);
    m_volumeSlider->setFixedWidth(80);
    m_volumeSlider->setStyleSheet(QLatin1String(kSliderStyle));
    keepLeftToRight(m_volumeSlider);
    barLayout->addWidget(m_volumeSlider);
    connect(m_volumeSlider, &QSlider::valueChanged, this, &PlayerWindow::onVolumeChanged);
    // The player plays at the level the slider shows from the start.
    onVolumeChanged(m_volumeSlider->value());
    connect(button(QStringLiteral("⛶")), &QPushButton::clicked, this, &PlayerWindow::onToggleFullscreen);
    root->addWidget(bar);

    // The keys are the window's (Space, F, Escape, the arrows), in full screen too: no control
    // takes the focus, or the focused slider would eat the arrows and a focused button Space.
    setFocusPolicy(Qt::StrongFocus);
    for (QWidget *control : bar->findChildren<QWidget *>())
        control->setFocusPolicy(Qt::NoFocus);
    m_seekSlider->setFocusPolicy(Qt::NoFocus);

    connect(m_seekSlider, &QSlider::sliderPressed, this, [this] { m_seeking = true; });
    connect(m_seekSlider, &QSlider::sliderReleased, this, [this] {
        m_seeking = false;
        m_atEnd = false;
        if (m_duration > 0)
            m_player->seek(m_duration * m_seekSlider->value() / 10000.0);
    });
    connect(m_player, &VideoPlayer::frameReady, this, &PlayerWindow::onFrameReady, Qt::QueuedConnection);
    connect(m_player, &VideoPlayer::positionChanged, this, &PlayerWindow::onPositionChanged, Qt::QueuedConnection);
    connect(m_player, &VideoPlayer::durationChanged, this, &PlayerWindow::onDurationChanged, Qt::QueuedConnection);
    connect(m_player, &VideoPlayer::playbackFinished, this, [this] {
        m_playButton->setText(QStringLiteral("▶"));
        // The last picture stands for the end: the time and the slider say so (also when the
        // player's last position comes after this).
        m_atEnd = true;
        onPositionChanged(m_player->position());
    });
}

bool PlayerWindow::openFile(const QString &path)
{
    m_player->close();
    if (!m_player->open(path))
        return false;
    m_duration = 0;
    m_atEnd = false;
    updateTimeLabel();
    // Qt Multimedia names no length for a Matroska file: the container's, read by ffprobe on
    // the probe pool, stands in for it until (unless) the player names one.
    const QString opened = m_player->filePath();
    auto *probe = new QFutureWatcher<double>(this);
    connect(probe, &QFutureWatcher<double>::finished, this, [this, probe, opened] {
        probe->deleteLater();
        const double seconds = probe->future().resultCount() > 0 ? probe->result() : 0.0;
        if (m_player->filePath() == opened && m_duration <= 0 && seconds > 0)
            onDurationChanged(seconds);
    });
    probe->setFuture(QtConcurrent::run(metadataThreadPool(), [opened] {
        return MediaProbe::containerDurationSeconds(opened);
    }));
    m_player->play();
    m_playButton->setText(QStringLiteral("⏸"));
    return true;
}

QString PlayerWindow::fmtTime(double seconds)
{
    const int s = std::max(0, int(seconds));
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (s < 3600)
        return QStringLiteral("%1:%2").arg(two(s / 60), two(s % 60));
    return QStringLiteral("%1:%2:%3").arg(QString::number(s / 3600), two(s / 60 % 60), two(s % 60));
}

void PlayerWindow::seekBy(double seconds)
{
    m_atEnd = false;
    m_player->seek(std::clamp(m_player->position() + seconds, 0.0, std::max(0.0, m_duration)));
}

void PlayerWindow::onPlayPause()
{
    if (m_player->isPlaying()) {
        m_player->pause();
        m_playButton->setText(m_player->isPaused() ? QStringLiteral("▶") : QStringLiteral("⏸"));
    } else {
        m_atEnd = false;
        m_player->play();
        m_playButton->setText(QStringLiteral("⏸"));
    }
}

void PlayerWindow::onSeek(int value)
{
    m_atEnd = false;
    if (m_duration > 0)
        m_player->seek(m_duration * value / 10000.0);
}

void PlayerWindow::onSpeedClicked(float speed)
{
    m_player->setSpeed(speed);
}

void PlayerWindow::onVolumeChanged(int value)
{
    m_player->setVolume(value / 100.0f);
}

void PlayerWindow::onFrameReady(const QImage &image, double)
{
    m_videoLabel->setPixmap(QPixmap::fromImage(
        image.scaled(m_videoLabel->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void PlayerWindow::onPositionChanged(double seconds)
{
    if (!m_seeking && m_duration > 0)
        m_seekSlider->setValue(m_atEnd ? 10000 : int(seconds / m_duration * 10000));
    updateTimeLabel();
}

void PlayerWindow::onDurationChanged(double seconds)
{
    // (A Matroska file's player says 0: the probed length stays.)
    if (seconds <= 0 && m_duration > 0)
        return;
    m_duration = seconds;
    updateTimeLabel();
}

void PlayerWindow::updateTimeLabel()
{
    const double shown = m_atEnd && m_duration > 0 ? m_duration : m_player->position();
    m_timeLabel->setText(fmtTime(shown) + QStringLiteral(" / ") + fmtTime(m_duration));
}

void PlayerWindow::onToggleFullscreen()
{
    m_fullScreen = !m_fullScreen;
    if (m_fullScreen)
        showFullScreen();
    else
        showNormal();
}

void PlayerWindow::onScreenshot()
{
    const QImage frame = m_player->currentFrameSnapshot();
    if (frame.isNull())
        return;
    // Encoded on the screenshot writer's thread; a second shot in the same second gets a
    // name of its own instead of replacing the first.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString name = QStringLiteral("Vistrelle_shot_%1.png")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss")));
    ScreenshotWriter::saveAsAsync(frame, folder, name, this, [this, folder](const QString &written) {
        if (written.isEmpty())
            showLibraryWarning(this, tr("截图"), tr("无法保存截图到 %1。").arg(folder));
    });
}

void PlayerWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        onPlayPause();
        break;
    case Qt::Key_F:
        onToggleFullscreen();
        break;
    case Qt::Key_Escape:
        if (m_fullScreen) {
            m_fullScreen = false;
            showNormal();
        }
        break;
    case Qt::Key_Left:
        seekBy(-5);
        break;
    case Qt::Key_Right:
        seekBy(5);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
