#pragma once

#include <QList>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

class QScreen;

// Where the displays are, in Qt's logical pixels and in the X server's device pixels, and
// the one conversion between the two. Pure functions but for applicationDisplays(), so
// that any layout can be checked without its screens.
class DisplayGeometry
{
public:
    // One display as Qt places it and as the X server shows it. Qt keeps each display's
    // top-left corner at its device-pixel corner and divides its size by the pixel ratio,
    // so at a ratio above 1 the logical desktop has gaps between displays and one logical
    // x means a different device x on each display.
    struct Display
    {
        QRect geometry;              // logical pixels
        qreal devicePixelRatio = 1.0;
        QRect nativeGeometry;        // device pixels on the X display

        // The pixel ratio to convert with: 1 for a display that reports none.
        qreal ratio() const { return devicePixelRatio > 0 ? devicePixelRatio : 1.0; }

        // A size or a distance, which has no place: device pixels divided by the ratio, or
        // logical ones multiplied by it, each side rounded half away from zero.
        QSize logicalSize(const QSize& device) const;
        QSize deviceSize(const QSize& logical) const;
    };

    // A display known by its logical geometry and ratio only: its device corner is its
    // logical one (as Qt keeps it) and its size the logical size times the ratio.
    static Display described(const QRect& geometry, qreal ratio);

    // The application's displays, in QGuiApplication::screens() order.
    static QList<Display> applicationDisplays();

    // The display a screen stands for (described() without its platform screen).
    static Display of(const QScreen* screen);

    // The display that holds a device pixel / a logical point, else the nearest one;
    // -1 without displays.
    static int displayAtDevice(const QList<Display>& displays, const QPoint& device);
    static int displayAtLogical(const QList<Display>& displays, const QPointF& logical);

    // A point between logical and device pixels, through the display that holds it:
    // device = device origin + (logical - logical origin) x ratio, rounded half away from
    // zero. Without displays the point is returned as it is.
    static QPoint toDevice(const QList<Display>& displays, const QPointF& logical);
    static QPoint toLogical(const QList<Display>& displays, const QPoint& device);
    // A rectangle by its corners (the top-left pixel and the one past the bottom-right),
    // each through the display that holds its pixel: an area across displays keeps its
    // device pixels on each of them.
    static QRect toDevice(const QList<Display>& displays, const QRect& logical);
    static QRect toLogical(const QList<Display>& displays, const QRect& device);
    // A device rectangle in the logical coordinates of one display, continued beyond its
    // edges: what a window placed through that display covers.
    static QRectF inDisplay(const Display& display, const QRect& device);
    // A device rectangle in the logical coordinates of the display that shows its middle
    // (or the nearest one), continued beyond its edges; as it is without displays.
    static QRectF inDisplayShowing(const QList<Display>& displays, const QRect& device);
    // The reverse: a logical rectangle through one display, continued beyond its edges.
    static QRect fromDisplay(const Display& display, const QRect& logical);

    // The device rectangle of the size of `device`, nearest to it, that a logical
    // rectangle stands for: toDevice(toLogical(result)) gives it back. At a ratio above 1
    // there are fewer logical points than device pixels, so an area dragged in device
    // pixels may move by a pixel or two (at most the ratio) to keep its size. One that
    // cannot, with its corners on their displays, comes back as toDevice(toLogical(device)).
    static QRect keptThroughLogical(const QList<Display>& displays, const QRect& device);

    // Every display's device pixels together (their bounding rectangle); the pixel at the
    // origin without displays.
    static QRect deviceDesktop(const QList<Display>& displays);
    // The display that shows the middle of a logical area, which may lie across displays
    // with its logical middle in none of them; -1 for an empty area or without displays.
    static int displayShowing(const QList<Display>& displays, const QRect& logical);

    // A window's own pixels: local logical points from its top-left corner, device pixels
    // from its device origin, at the window's pixel ratio (whichever displays it covers).
    class Window
    {
    public:
        Window() = default;
        Window(const QPoint& deviceOrigin, qreal ratio);
        QPoint deviceOrigin() const { return m_origin; }
        qreal ratio() const { return m_ratio; }
        // Rounded half away from zero.
        QPoint toDevice(const QPointF& local) const;
        // A rectangle by its corners (the top-left pixel and the one past the bottom-right).
        QRect toDevice(const QRect& local) const;
        QPointF toLocal(const QPoint& device) const;
        QRectF toLocal(const QRect& device) const;
        // toLocal() with its corners rounded: where a device rectangle's pixels start and end.
        QRect toLocalPixels(const QRect& device) const;

    private:
        QPoint m_origin;
        qreal m_ratio = 1.0;
    };
};
