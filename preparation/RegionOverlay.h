#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include "platform/mac/DisplayGeometry.h"

// A borderless, always-on-top window that frames the capture region on the desktop.
// Before a recording the region can be adjusted with eight grips and moved with a
// round centre handle while clicks elsewhere reach the programs below; during a
// recording only a crawling frame just outside the region shows and every click
// passes through. It can also let the user draw a new region.
class RegionOverlay : public QWidget
{
    Q_OBJECT

public:
    enum Handle {
        None = 0,
        Move = 1,
        TopLeft = 2,
        Top = 3,
        TopRight = 4,
        Right = 5,
        BottomRight = 6,
        Bottom = 7,
        BottomLeft = 8,
        Left = 9,
    };

    explicit RegionOverlay(QWidget *parent = nullptr);

    // Shows the overlay around `region` (global coordinates); where the region was chosen
    // in device pixels, `chosen` holds them and the frame is drawn at exactly those.
    void setRegion(const QRect &region, const QRect &chosen = QRect());
    // The region in global coordinates, and the device pixels it frames.
    QRect currentRegion() const;
    QRect currentDeviceRegion() const;
    // The size in pixels a recording of the region will have, as its labels show it.
    QString sizeText() const;
    void hideOverlay();
    // Lets the user draw a new region confined to `bounds` (global coordinates).
    void beginInteractiveSelection(const QRect &bounds);
    void setRecordingMode(bool recording);
    void setPreparationPreview(bool preview, bool locked);
    void setInputPassthrough(bool passthrough);
    // A window of the program over the frame (the preparation toolbar, global
    // coordinates; null for none): its clicks are its own, the grips and bands under
    // it take none. The overlay stays above every window the window manager stacks.
    void setInputExclusion(const QRect &globalRect);
    void updateInputTransparency();

    Handle hitTest(const QPoint &p) const;
    void updateCursor(Handle handle);
    QRect handleRect(Handle handle) const;
    QRect moveHandleRect() const;

    // The area that takes mouse input in an adjustable frame: the move handle, the
    // grips grown by 4 pixels and the 8-pixel edge bands (window coordinates).
    QRegion hitRegion() const;

    // A drag of `handle` by `delta` from the rectangle `start`: a move is kept inside
    // `bounds`; a resize is normalised and kept at least 40 x 40 with even sides.
    static QRect adjustedRect(Handle handle, const QRect &start, const QPoint &delta,
                              const QRect &bounds);

signals:
    void regionChanged(QRect newRegion);
    void selectionCanceled();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void dashStep();
    bool compositing() const;
    QRect frameRect() const;
    qreal framePenWidth() const;
    QRegion frameBand() const;
    QRect sizeLabelRect() const;
    QRect lockedLabelRect() const;
    QRect coordinateLabelRect() const;
    QRect moveBounds() const;
    void updateMask();
    QPoint clampToSelectionBounds(const QPoint &p) const;
    // The window over `device` (device pixels); then where its pixels are.
    void placeOver(const QRect &device);

    // The region in device pixels where it was given so, else in the window's pixels.
    void setDeviceRegion(const QRect &device);
    void setLocalRegion(const QRect &local);
    QRect deviceRegion() const;
    // The region's device pixels in the window's logical coordinates, unrounded.
    QRectF recordedArea() const;

    // Window-local logical pixels; where it came from device pixels, those too (the
    // window's pixels are coarser than the device's at a scale above 1).
    QRect m_region;
    QRect m_deviceRegion;
    // Where the window's pixels are on every display it covers.
    DisplayGeometry::Window m_pixels;
    QTimer m_animationTimer;
    QTimer m_repaintTimer;
    int m_dashPhase = 0;
    Handle m_activeHandle = None;
    // Compact: the pointer and the region in device pixels, and the display whose logical
    // pixels the drag is measured in; otherwise window-local.
    QPoint m_dragStartPoint;
    QRect m_dragStartRect;
    int m_dragDisplay = -1;
    bool m_inputPassthrough = false;
    // Hidden while a dialog of the program is open, to come back when it closes.
    bool m_hiddenForDialog = false;
    QRect m_inputExclusion;
    bool m_recordingMode = false;
    bool m_preparationPreview = false;
    bool m_previewLocked = false;
    bool m_selecting = false;
    bool m_selectionDragging = false;
    bool m_compact = false;
    QPoint m_selectionStart;
    QPoint m_selectionCurrent;
    QRect m_selectionBounds;
    // Whether translucent windows are blended; checked when the overlay shows.
    bool m_compositing = true;
};
