#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class CameraFeed;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

// The page of the main window for webcam-only recordings: camera choice, live
// preview with mirror, portrait and fit/fill framing, the audio switches, REC and
// Stop with the elapsed time, snapshots and the option actions. The page never
// records by itself: every request leaves as a signal and the main window answers
// with setBusy, setTime and setAudioStates. The Recorder pulls recordingFrame().
class CameraRecordingPage : public QWidget
{
    Q_OBJECT
public:
    explicit CameraRecordingPage(QWidget *parent = nullptr);
    ~CameraRecordingPage() override;

    // Starts (or restarts) the camera preview, asking for camera access first.
    void startPreview();
    // Stops the camera and drops the last picture.
    void stopPreview();
    // Shows "Starting camera…" with REC disabled until the first picture.
    void showStartingState();
    // A camera picture younger than 5000 ms exists.
    bool ready() const;
    // The picture to encode: 1280x720 (720x1280 in portrait), ARGB32, mirror and
    // framing applied on a black canvas; a null image when not ready.
    QImage recordingFrame() const;
    // Asks for a file name and saves recordingFrame() there.
    void saveSnapshot();

    void setBusy(bool recording, bool paused);
    void setAudioStates(bool system, bool microphone);
    void setTime(int seconds);
    void updateDeviceStates();

    // Time source for the picture's age in milliseconds (tests move it by hand).
    using Clock = std::function<qint64()>;
    void setClock(Clock clock);
    // Where saveSnapshot asks for a file name (tests answer without a dialog).
    using SnapshotPathProvider = std::function<QString(const QString &proposedPath)>;
    void setSnapshotPathProvider(SnapshotPathProvider provider);

    static constexpr qint64 FreshnessLimitMs = 5000;

signals:
    void recordRequested();
    void stopRequested();
    void pauseRequested();
    void backRequested();
    void settingsRequested();
    void autoStopRequested();
    void autoSplitRequested();
    void systemToggled(bool on);
    void microphoneToggled(bool on);
    void systemMenuRequested(QWidget *anchor);
    void microphoneMenuRequested(QWidget *anchor);
    void captureFailed(const QString &message);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildUi();
    void selectCamera();
    void updatePreview();
    void positionFloatingTools();
    void showCameraPermissionHelp();
    void showPreviewText(const QString &text);
    void onFrame(const QImage &image);
    void onCameraError(const QString &message);
    void onWatchdogTick();
    void onApplicationStateChanged(Qt::ApplicationState state);
    void reportFailureLater(const QString &message);
    void invalidateFrame();
    void invalidateComposition() { m_composedValid = false; }
    bool fresh() const;
    qint64 now() const;

    // Camera side.
    CameraFeed *m_feed = nullptr;
    QImage m_lastFrame;
    qint64 m_frameStamp = -1; // clock time of the last picture; -1 when there is none
    bool m_busy = false;
    bool m_previewActive = false;
    bool m_cameraStarting = false; // a camera was started and has not delivered or failed yet
    bool m_failureReported = false;
    bool m_helpPending = false;
    bool m_waitingForSettings = false;
    int m_cameraGeneration = 0; // counts camera starts; the picture check compares it
    QTimer *m_watchdog = nullptr;
    Clock m_clock;
    SnapshotPathProvider m_snapshotPathProvider;
    // The composed recording picture, reused until the picture or the framing changes.
    mutable QImage m_composed;
    mutable bool m_composedValid = false;

    // Widgets.
    QComboBox *m_cameraCombo = nullptr;
    QLabel *m_preview = nullptr;
    QWidget *m_floatingTools = nullptr;
    QPushButton *m_mirrorButton = nullptr;
    QPushButton *m_portraitButton = nullptr;
    QPushButton *m_fitButton = nullptr;
    QLabel *m_cameraStatus = nullptr;
    QLabel *m_systemStatus = nullptr;
    QLabel *m_microphoneStatus = nullptr;
    QPushButton *m_systemToggle = nullptr;
    QPushButton *m_microphoneToggle = nullptr;
    QPushButton *m_systemIcon = nullptr;
    QPushButton *m_microphoneIcon = nullptr;
    QPushButton *m_systemMenu = nullptr;
    QPushButton *m_microphoneMenu = nullptr;
    QPushButton *m_recButton = nullptr;
    QLabel *m_timer = nullptr;
    QPushButton *m_stopButton = nullptr;
    QToolButton *m_snapshotButton = nullptr;
    QToolButton *m_autoStopButton = nullptr;
    QToolButton *m_autoSplitButton = nullptr;
    QToolButton *m_settingsButton = nullptr;
    QList<QWidget *> m_recordingLocked;
};
