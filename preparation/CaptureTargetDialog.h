#pragma once

#include "platform/mac/DisplayGeometry.h"
#include "preparation/CapturableWindow.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QSize>

class QLabel;
class QListWidget;
class SetupRecordingToolbar;

// The modal window picker: a grid of cards, one per recordable window of another
// program, each with a still picture, the title and the owning application, and the
// embedded preparation toolbar at its foot to switch devices or record at once.
class CaptureTargetDialog : public QDialog
{
    Q_OBJECT

public:
    CaptureTargetDialog(bool gameMode, QWidget *parent);
    ~CaptureTargetDialog() override;
    // Its preparation toolbar: the items that are not about the target (limits, schedule,
    // settings) do what they do on the other modes' toolbars; its screenshot takes the
    // chosen window, without the picker over it.
    SetupRecordingToolbar *toolbar() const { return m_toolbar; }

    void refreshTargets();
    CapturableWindow selectedTarget() const;
    void accept() override;
    bool recordPressed() const { return m_recordPressed; }
    void setDeviceStates(bool webcam, bool speaker, bool microphone);
    void startNextPreview();
    void updateGridMetrics();

    // Card grid for a viewport `viewportWidth` wide: the grid cell and the picture size.
    struct GridMetrics
    {
        QSize gridSize;
        QSize iconSize;
    };
    static GridMetrics gridMetricsFor(int viewportWidth);
    // The dialog's size on a screen whose available area is `available`.
    static QSize dialogSizeFor(const QSize &available);
    // Index of the display whose device pixels hold the centre of `frame` (device
    // pixels, as the X server gives a window's place); 0 when none does.
    static int screenIndexFor(const QRect &frame, const QList<DisplayGeometry::Display> &displays);
    // Whether the window behind a handle is still there to be recorded.
    static bool windowStillExists(const NativeWindowHandle &window);

    // Item data roles of the grid's rows.
    enum Role {
        PreviewRole = 266,
        SubtitleRole = 267,
        AppIconRole = 268,
        StatusRole = 269,
        WindowNumberRole = 270,
    };

signals:
    void webcamToggled(bool enabled);
    void speakerToggled(bool enabled);
    void microphoneToggled(bool enabled);
    void webcamMenuRequested(QWidget *anchor);
    void speakerMenuRequested(QWidget *anchor);
    void microphoneMenuRequested(QWidget *anchor);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void finishPreview(QObject *guard, int row, const QImage &picture, const QString &status);
    void takeScreenshot();
    void fitContentsTo(int dialogWidth);

    QPointer<QObject> m_previewGuard;
    int m_nextPreviewRow = 0;
    bool m_gameMode = false;
    QList<CapturableWindow> m_entries;
    QListWidget *m_grid = nullptr;
    QLabel *m_status = nullptr;
    int m_statusWidth = 0; // the status line's width on one line
    int m_fittedWidth = 0; // the dialog width the contents were fitted to
    SetupRecordingToolbar *m_toolbar = nullptr;
    bool m_recordPressed = false;
};
