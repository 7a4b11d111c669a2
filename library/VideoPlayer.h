#pragma once

#include "library/LatestFrameSlot.h"

#include <QImage>
#include <QMediaPlayer>
#include <QObject>
#include <QSize>
#include <QPointer>
#include <QString>
#include <QVideoFrame>

#include <atomic>
#include <memory>

class QAudioOutput;
class QMediaDevices;
class QTemporaryDir;
class QVideoSink;
class QVideoWidget;

// Plays one local file at a time and hands the decoded pictures to its users as QImages with
// their time in seconds. Pictures are converted on the CPU by one worker thread of the player's
// own, and only the newest one waits: when conversion or painting cannot keep up (a 4K file on
// a busy machine) the late ones are dropped, so memory stays bounded and Pause and seeks are
// not queued behind them. The worker starts with the first picture and ends on close(): a
// conversion running then is finished, one waiting is dropped, and nothing of the player runs
// on once it is closed, destroyed or the application quits.
// Full-screen viewers can take the pictures into a QVideoWidget for a while and give the sink
// back afterwards.
class VideoPlayer : public QObject
{
    Q_OBJECT
public:
    explicit VideoPlayer(QObject *parent = nullptr);
    ~VideoPlayer() override;

    bool open(const QString &path);
    void close();
    void play();
    void pause();
    void stop();
    void seek(double seconds);
    void setVolume(float volume);
    void setSpeed(float speed);
    void setMuted(bool muted);
    void setVideoWidget(QVideoWidget *widget);
    void restoreVideoSink();

    double duration() const { return m_duration; }
    double position() const;
    QMediaPlayer::PlaybackState playbackState() const;
    bool isPlaying() const { return playbackState() == QMediaPlayer::PlayingState; }
    bool isPaused() const { return playbackState() == QMediaPlayer::PausedState; }
    QSize videoSize() const { return m_videoSize; }
    QString filePath() const { return m_filePath; }
    float volume() const { return m_volume; }
    float speed() const { return m_speed; }
    bool hasAudioOutput() const { return m_player->audioOutput() != nullptr; }
    // Whether a seek goes where it asks: not before the player knows the file's length, and
    // never in a Matroska file (Qt Multimedia 6.4 reports none and plays from the start).
    bool canSeek() const { return m_duration > 0; }
    QImage currentFrameSnapshot();

    // The position a seek to `seconds` goes to: within 0..duration once the duration is
    // known; while it is 0 (a Matroska file reports none) the request is not clamped above.
    static qint64 seekTargetMs(double seconds, double duration);

    // The message of a player error: a file that cannot be opened is said so in the
    // interface's language with the cause the player's error code tells; other errors keep the
    // player's own text ("播放失败" when it has none).
    static QString errorMessage(QMediaPlayer::Error error, const QString &playerText);

signals:
    void frameReady(QImage frame, double pts);
    void positionChanged(double seconds);
    void durationChanged(double seconds);
    void playbackFinished();
    void errorOccurred(const QString &msg);

public slots:
    // Called on the thread that decoded the frame: keeps it as the newest and returns.
    void onVideoFrameChanged(const QVideoFrame &frame);

private:
    void setSourceForFile();
    void updateAudioOutput();
    void runConverter();
    void deliverFrame();
    void showNewestInWidget();
    void dropFrames();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audioOutput = nullptr;
    QVideoSink *m_videoSink = nullptr;
    QMediaDevices *m_devices = nullptr;
    std::unique_ptr<QTemporaryDir> m_linkFolder; // ASCII names for paths the player cannot open
    int m_linkSerial = 0;
    QString m_filePath;
    double m_duration = 0.0;
    // The current source could not be opened or played (the player itself keeps older errors).
    bool m_sourceFailed = false;
    QSize m_videoSize{-1, -1};
    // The full-screen viewer the pictures go to instead of frameReady, and the newest picture
    // (shown at once when a viewer takes over a paused player).
    QPointer<QVideoWidget> m_videoWidget;
    std::atomic<bool> m_toWidget{false};
    float m_volume = 1.0f;
    float m_speed = 1.0f;
    bool m_muted = false;
    // Decoded frames on their way to the converting thread, and its pictures to frameReady.
    LatestFrameSlot m_frames{[this] { runConverter(); }};
    std::atomic<bool> m_deliveryQueued{false};
    std::atomic<bool> m_widgetQueued{false};
};
