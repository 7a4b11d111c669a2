#pragma once

#include <QElapsedTimer>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QWidget>

#include "platform/mac/DisplayGeometry.h"

// A short-lived full-desktop window on which the user drags out one rectangle.
// It dims the desktop, follows the pointer with a crosshair and shows the
// coordinates; the left button's release reports the rectangle in global
// coordinates and closes the window, which then deletes itself. Esc, a right click
// or a rectangle under 5 x 5 pixels cancel it.
// The window covers every display's device pixels, panels included, and keeps the pointer and the
// rectangle in device pixels: at a scale above 1 the logical desktop has gaps between
// displays, and a rectangle across two of them has no logical place of its own.
class AreaPicker : public QWidget
{
    Q_OBJECT

public:
    explicit AreaPicker(QWidget *parent = nullptr);

    void updateVirtualGeometry();
    // The selection in global coordinates: each corner through the display it lies on.
    QRect globalSelection() const;
    // The selection in device pixels.
    QRect deviceSelection() const;
    // The size in pixels a recording of the selection will have, as the information box
    // shows it ("1000 × 500"); empty without a selection.
    QString sizeText() const;
    // The info box's second line: the selection's corner, else the pointer's place.
    QString positionText() const;

    // Where the information box of size `box` goes in a window of `windowSize`: beside
    // the pointer `cursor`, or under (else above) `selection` when that is valid.
    static QPoint infoBoxPosition(const QSize &windowSize, const QPoint &cursor,
                                 const QRect &selection, const QSize &box);

signals:
    void regionSelected(QRect region);
    void canceled();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void grabBackdrop();
    void paintInfoBox(QPainter &painter);
    // The window's device pixels.
    QRect deviceRect() const;
    // The device pixel of a pointer event at `local`.
    QPoint devicePoint(const QPointF &local) const;
    void readDeviceOrigin();

    bool m_selecting = false;
    // Device pixels, like the selection.
    QPoint m_pressPoint;
    QPoint m_currentPoint;
    QRect m_selection;
    // Between the window's logical coordinates and device pixels.
    DisplayGeometry::Window m_pixels;
    // The desktop as it was before the picker showed, painted under the dimming
    // when no compositor blends translucent windows (which would show black).
    QPixmap m_backdrop;
    QPoint m_backdropOrigin; // its device pixel at the top-left
    // Since the picker showed: a click that comes within a double-click's time is the
    // rest of the double click that opened it, not a cancel.
    QElapsedTimer m_shown;
};
