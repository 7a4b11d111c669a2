#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <QWidget>

#include "platform/mac/DisplayGeometry.h"

class CameraFeed;

// The webcam bubble: a small frameless window, transparent for input, that shows the
// live picture of one camera inside the capture rectangle, in one of three shapes and
// at one of nine positions. It emits no signals.
class CameraOverlay : public QWidget
{
    Q_OBJECT
public:
    explicit CameraOverlay(QWidget *parent = nullptr);
    ~CameraOverlay() override;

    // Opens the camera with this id (else the first one), places the bubble inside the
    // capture rectangle, shows it and starts the camera. Returns false, changing
    // nothing, when the system lists no camera.
    bool startCamera(const QString &deviceId, int resolution, int fps, int shape, int position, int size,
                     bool mirrored, const QRect &captureRect);
    // Stops the camera and hides the bubble (harmless when not running).
    void stopCamera();
    // Re-lays out the bubble in its stored capture rectangle.
    void updatePresentation(int shape, int position, int size, bool mirrored);
    // Leaves the camera for good (the destructor does the same).
    void detachCamera();

    // Where the bubble goes for a capture rectangle (an invalid rectangle means the
    // primary screen): a width of 10 % (size 0) to 24 % (50) to 30 % (100) of the
    // rectangle, kept within 96..520 px, 16:9 or square for the circle, with a margin
    // of 1.2 % of the width (at least 12 px) at the chosen position.
    static QRect bubbleGeometry(const QRect &captureRect, int shape, int position, int size);
    // The same in device pixels for a capture rectangle over these displays: laid out in the
    // points of the display showing the rectangle's middle, placed in its device pixels (an
    // area across displays at a raised scale has no logical place of its own).
    static QRect deviceBubbleGeometry(const QList<DisplayGeometry::Display> &displays, const QRect &captureRect,
                                      int shape, int position, int size);
    // The outline of a bubble of that size and shape, in widget coordinates.
    static QPainterPath shapePath(const QSize &size, int shape);

    QString deviceId() const { return m_deviceId; }
    int shape() const { return m_shape; }
    int position() const { return m_position; }
    int bubbleSize() const { return m_size; }
    bool mirrored() const { return m_mirrored; }
    bool hasFrame() const { return !m_lastFrame.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateOverlayGeometry(const QRect &captureRect);
    void onFrame(const QImage &image);
    void onCameraError(const QString &message);

    CameraFeed *m_feed = nullptr;
    QImage m_lastFrame;
    QString m_deviceId;
    int m_shape = 1;
    int m_position = 1;
    int m_size = 50;
    bool m_mirrored = true;
    QRect m_captureRect;
    int m_resolution = 0;
    int m_fps = 0;
};
