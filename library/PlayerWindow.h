#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;
class VideoPlayer;

// A stand-alone player window: the picture, a seek slider and a control bar (skip back,
// play/pause, skip forward, time, speeds, screenshot, volume, full screen).
class PlayerWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PlayerWindow(QWidget *parent = nullptr);

    // Closes what was open and plays `path`; false (and nothing else changes) when it
    // cannot be opened.
    bool openFile(const QString &path);

    static QString fmtTime(double seconds);

    VideoPlayer *player() const { return m_player; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

public slots:
    void onScreenshot();
    void onToggleFullscreen();
    void onFrameReady(const QImage &image, double seconds);
    void onPositionChanged(double seconds);
    void onDurationChanged(double seconds);
    void onPlayPause();
    void onVolumeChanged(int value);
    void onSeek(int value);
    void onSpeedClicked(float speed);

private:
    void updateTimeLabel();
    void seekBy(double seconds);

    VideoPlayer *m_player = nullptr;
    QLabel *m_videoLabel = nullptr;
    QSlider *m_seekSlider = nullptr;
    QSlider *m_volumeSlider = nullptr;
    QLabel *m_timeLabel = nullptr;
    QPushButton *m_playButton = nullptr;
    double m_duration = 0.0;
    bool m_seeking = false;
    bool m_fullScreen = false;
    bool m_atEnd = false; // played to the end; cleared by a play, a seek or another file
};
