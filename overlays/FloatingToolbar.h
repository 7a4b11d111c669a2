#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

class AnnotationOverlay;
class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class QVBoxLayout;
class StopRecordingDialog;

// The small dark window that floats above everything while a recording runs: live
// state and time, file size against free space, pause, stop (after a confirmation),
// webcam, auto-stop timer, mouse effects and the annotation row with its drawing layer.
// It can be collapsed to a compact time display and dragged anywhere.
class FloatingToolbar : public QWidget
{
    Q_OBJECT
public:
    explicit FloatingToolbar(QWidget *parent = nullptr);
    ~FloatingToolbar() override;

    void resetTime();
    void setTime(int seconds);
    void setPaused(bool paused);
    // From the stop on: the recording is being saved; pause and stop take no more presses.
    void setSaving(bool saving);
    void setRecordingStats(qint64 bytes, const QString &outputPath);
    void setRecordingInitializing(bool initializing);
    // What a start still waits for, in place of the recording state; empty: the state again.
    void setStartWait(const QString &waitingFor);
    // Drops the waiting text and the initialising placeholder and repaints at once, before the
    // screen is captured with them.
    void endStartWaitNow();
    void setCameraEnabled(bool on, bool available);
    void setMouseEffectsEnabled(bool on);
    void setAnnotationToolsVisible(bool on);
    void setAnnotationCaptureRect(const QRect &rect, const QRect &deviceRect = QRect());
    void showStopConfirmation(bool resumeOnCancel);
    // Keeps the window above others on every desktop. X11 cannot leave one window out
    // of a screen grab, so this always answers false: the toolbar stays in the picture.
    bool excludeFromCapture();
    // The annotation strokes for a capture rectangle (native pixels) at an output frame
    // size; null when annotation is off or empty. Called for every recorded frame.
    QImage renderAnnotations(const QRect &nativeRect, const QSize &frameSize);

    // Set while a stop click is being answered; further stop clicks are ignored. The
    // main window clears it when it decides not to ask.
    bool isStopConfirmationPending() const { return m_stopConfirmationPending; }
    void clearStopConfirmationPending() { m_stopConfirmationPending = false; }

    bool isCollapsed() const { return m_collapsed; }
    bool isPaused() const { return m_paused; }
    AnnotationOverlay *annotationLayer() const { return m_layer; }
    QPushButton *annotationButton() const { return m_annotationButton; }
    QPushButton *stopButton() const { return m_stopButton; }

    // "hh:mm:ss"; hours may grow beyond two digits.
    static QString formatTime(int seconds);
    // The size read-out: free space < 0 means unknown.
    static QString storageSummary(qint64 fileBytes, qint64 freeBytes, bool initializing);
    // Puts `window` (the auto-stop countdown) beside the toolbar's panel, top edges level:
    // right of it when the screen has room there, else left of it, else under or above it,
    // inside the screen.
    void placeBeside(QWidget *window) const;
    // Where `size` goes beside `panel` (global coordinates) inside `area`, `gap` apart.
    static QPoint besidePlacement(const QRect &panel, const QSize &size, const QRect &area, int gap = 10);
    // Where the free space is looked up; tests replace it.
    void setFreeSpaceQuery(std::function<qint64(const QString &folder)> query);

public slots:
    void toggleCollapse();
    void fitToContents();
    // Keeps the toolbar within `width` (0: no limit), in its narrow form where needed.
    void fitToWidth(int width);
    void updateDiskInfo();
    void toggleAnnoRow(bool on);
    void pickAnnotationColor();

signals:
    void stopRequested();
    void discardRequested();
    void pauseRequested();
    void stopConfirmationRequested();
    void resumeRequested();
    void mouseEffectsToggled(bool on);
    void cameraToggled(bool on);
    void timerRequested();
    // The toolbar took another size (the annotation row opened or closed, collapse, expand):
    // windows placed beside it are placed again.
    void resizedToContents();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Esc ends annotation also when a click on the toolbar (a tool, pause) took the keyboard.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildAnnotationRow(QVBoxLayout *containerLayout);
    void setNarrow(bool narrow);
    void onStopClicked();
    void onCameraToggled(bool on);
    void onAnnotationLayerClosed();
    void chooseAnnotationTool(int tool);
    void setCameraIcon(bool on);
    void abandonStopConfirmation();
    void applyCompositorRules();

    bool m_paused = false;
    bool m_stopConfirmationPending = false;
    bool m_collapsed = false;
    bool m_dragging = false;
    bool m_pressed = false; // the left button went down on the toolbar and has not moved yet
    QPoint m_pressPoint;    // global
    int m_elapsedSeconds = 0;
    qint64 m_fileBytes = 0;
    QString m_outputPath;
    bool m_initializing = false;
    bool m_startWaitShown = false;
    QColor m_annotationColor = QColor(QStringLiteral("#ef4444"));
    std::function<qint64(const QString &)> m_freeSpaceQuery;

    QPointer<StopRecordingDialog> m_stopDialog;
    bool m_stopDialogAbandoned = false;

    QWidget *m_root = nullptr;
    QWidget *m_container = nullptr;
    QPushButton *m_collapseButton = nullptr;
    QWidget *m_fullView = nullptr;
    QWidget *m_compactView = nullptr;
    QPushButton *m_pauseButton = nullptr;
    QPushButton *m_stopButton = nullptr;
    QLabel *m_recText = nullptr;
    QLabel *m_timeLabel = nullptr;
    QLabel *m_compactTimeLabel = nullptr;
    QLabel *m_storageLabel = nullptr;
    QPushButton *m_cameraButton = nullptr;
    QPushButton *m_timerButton = nullptr;
    QPushButton *m_mouseButton = nullptr;
    QPushButton *m_annotationButton = nullptr;
    QTimer *m_diskTimer = nullptr;

    // Annotation row.
    QWidget *m_annoRow = nullptr;
    QWidget *m_annoActions = nullptr;
    QHBoxLayout *m_annoLine = nullptr;
    QVBoxLayout *m_annoColumn = nullptr;
    QWidget *m_storageSeparator = nullptr;
    QButtonGroup *m_toolGroup = nullptr;
    QPushButton *m_colorButton = nullptr;
    QSlider *m_widthSlider = nullptr;
    QLabel *m_hintLabel = nullptr;
    AnnotationOverlay *m_layer = nullptr;
};
