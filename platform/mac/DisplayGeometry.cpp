#include "platform/mac/DisplayGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <qpa/qplatformscreen.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

double distanceSquared(const QRectF& rect, const QPointF& p)
{
    const double dx = p.x() < rect.left() ? rect.left() - p.x() : (p.x() > rect.right() ? p.x() - rect.right() : 0);
    const double dy = p.y() < rect.top() ? rect.top() - p.y() : (p.y() > rect.bottom() ? p.y() - rect.bottom() : 0);
    return dx * dx + dy * dy;
}

template<typename Area>
int displayAt(const QList<DisplayGeometry::Display>& displays, const QPointF& p, Area area)
{
    int nearest = -1;
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < displays.size(); ++i) {
        // Pixel rows and columns: a point belongs to the pixel it falls in.
        const QRect r = area(displays.at(i));
        const double d = distanceSquared(QRectF(r.topLeft(), QSizeF(r.width() - 1e-9, r.height() - 1e-9)), p);
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}

QPoint deviceThrough(const DisplayGeometry::Display& display, const QPointF& logical)
{
    const QPointF offset = (logical - QPointF(display.geometry.topLeft())) * display.ratio();
    return display.nativeGeometry.topLeft() + QPoint(int(std::round(offset.x())), int(std::round(offset.y())));
}

QPointF logicalThrough(const DisplayGeometry::Display& display, const QPointF& device)
{
    return QPointF(display.geometry.topLeft()) + (device - QPointF(display.nativeGeometry.topLeft())) / display.ratio();
}

QPoint rounded(const QPointF& p)
{
    return QPoint(int(std::round(p.x())), int(std::round(p.y())));
}

} // namespace

QSize DisplayGeometry::Display::logicalSize(const QSize& device) const
{
    return (QSizeF(device) / ratio()).toSize();
}

QSize DisplayGeometry::Display::deviceSize(const QSize& logical) const
{
    return (QSizeF(logical) * ratio()).toSize();
}

DisplayGeometry::Display DisplayGeometry::described(const QRect& geometry, qreal ratio)
{
    Display d;
    d.geometry = geometry;
    d.devicePixelRatio = ratio;
    d.nativeGeometry = QRect(geometry.topLeft(), geometry.size() * d.ratio());
    return d;
}

DisplayGeometry::Display DisplayGeometry::of(const QScreen* screen)
{
    Display d = described(screen->geometry(), screen->devicePixelRatio());
    if (screen->handle())
        d.nativeGeometry = screen->handle()->geometry();
    return d;
}

QList<DisplayGeometry::Display> DisplayGeometry::applicationDisplays()
{
    QList<Display> list;
    for (QScreen* screen : QGuiApplication::screens())
        list << of(screen);
    return list;
}

int DisplayGeometry::displayAtDevice(const QList<Display>& displays, const QPoint& device)
{
    return displayAt(displays, device, [](const Display& d) { return d.nativeGeometry; });
}

int DisplayGeometry::displayAtLogical(const QList<Display>& displays, const QPointF& logical)
{
    return displayAt(displays, logical, [](const Display& d) { return d.geometry; });
}

QPoint DisplayGeometry::toDevice(const QList<Display>& displays, const QPointF& logical)
{
    const int i = displayAtLogical(displays, logical);
    return i < 0 ? rounded(logical) : deviceThrough(displays.at(i), logical);
}

QPoint DisplayGeometry::toLogical(const QList<Display>& displays, const QPoint& device)
{
    const int i = displayAtDevice(displays, device);
    return i < 0 ? device : rounded(logicalThrough(displays.at(i), device));
}

QRect DisplayGeometry::toDevice(const QList<Display>& displays, const QRect& logical)
{
    if (!logical.isValid() || displays.isEmpty())
        return logical;
    const int first = displayAtLogical(displays, logical.topLeft());
    const int last = displayAtLogical(displays, logical.bottomRight());
    return QRect(deviceThrough(displays.at(first), logical.topLeft()),
                 deviceThrough(displays.at(last), logical.bottomRight() + QPoint(1, 1)) - QPoint(1, 1));
}

QRect DisplayGeometry::toLogical(const QList<Display>& displays, const QRect& device)
{
    if (!device.isValid() || displays.isEmpty())
        return device;
    const int first = displayAtDevice(displays, device.topLeft());
    const int last = displayAtDevice(displays, device.bottomRight());
    return QRect(rounded(logicalThrough(displays.at(first), device.topLeft())),
                 rounded(logicalThrough(displays.at(last), device.bottomRight() + QPoint(1, 1))) - QPoint(1, 1));
}

QRectF DisplayGeometry::inDisplay(const Display& display, const QRect& device)
{
    return QRectF(logicalThrough(display, device.topLeft()), QSizeF(device.size()) / display.ratio());
}

QRectF DisplayGeometry::inDisplayShowing(const QList<Display>& displays, const QRect& device)
{
    const int i = displayAtDevice(displays, QPoint((device.left() + device.right()) / 2,
                                                   (device.top() + device.bottom()) / 2));
    return i < 0 ? QRectF(device) : inDisplay(displays.at(i), device);
}

QRect DisplayGeometry::fromDisplay(const Display& display, const QRect& logical)
{
    return QRect(deviceThrough(display, logical.topLeft()),
                 deviceThrough(display, logical.bottomRight() + QPoint(1, 1)) - QPoint(1, 1));
}

QRect DisplayGeometry::keptThroughLogical(const QList<Display>& displays, const QRect& device)
{
    if (!device.isValid() || displays.isEmpty())
        return device;
    const auto kept = [&displays](const QRect& r) { return toDevice(displays, toLogical(displays, r)) == r; };
    if (kept(device))
        return device;
    // Each corner stays on the display that holds it.
    const QRect first = displays.at(displayAtDevice(displays, device.topLeft())).nativeGeometry;
    const QRect last = displays.at(displayAtDevice(displays, device.bottomRight())).nativeGeometry;
    const auto onTheirDisplays = [&](const QRect& r) {
        return (!first.contains(device.topLeft()) || first.contains(r.topLeft()))
            && (!last.contains(device.bottomRight()) || last.contains(r.bottomRight()));
    };
    qreal most = 1.0;
    for (const Display& display : displays)
        most = std::max(most, display.ratio());
    const int reach = int(std::ceil(most));
    QRect best;
    int bestDistance = std::numeric_limits<int>::max();
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const int distance = std::abs(dx) + std::abs(dy);
            const QRect candidate = device.translated(dx, dy);
            if (distance < bestDistance && onTheirDisplays(candidate) && kept(candidate)) {
                best = candidate;
                bestDistance = distance;
            }
        }
    }
    return best.isValid() ? best : toDevice(displays, toLogical(displays, device));
}

QRect DisplayGeometry::deviceDesktop(const QList<Display>& displays)
{
    QRect desktop;
    for (const Display& display : displays)
        desktop |= display.nativeGeometry;
    return desktop.isValid() ? desktop : QRect(QPoint(0, 0), QPoint(0, 0));
}

int DisplayGeometry::displayShowing(const QList<Display>& displays, const QRect& logical)
{
    if (logical.isEmpty())
        return -1;
    return displayAtDevice(displays, toDevice(displays, logical).center());
}

DisplayGeometry::Window::Window(const QPoint& deviceOrigin, qreal ratio)
    : m_origin(deviceOrigin)
    , m_ratio(ratio > 0 ? ratio : 1.0)
{
}

QPoint DisplayGeometry::Window::toDevice(const QPointF& local) const
{
    return m_origin + rounded(local * m_ratio);
}

QRect DisplayGeometry::Window::toDevice(const QRect& local) const
{
    return QRect(toDevice(QPointF(local.topLeft())), toDevice(QPointF(local.bottomRight() + QPoint(1, 1))) - QPoint(1, 1));
}

QPointF DisplayGeometry::Window::toLocal(const QPoint& device) const
{
    return QPointF(device - m_origin) / m_ratio;
}

QRectF DisplayGeometry::Window::toLocal(const QRect& device) const
{
    return QRectF(toLocal(device.topLeft()), QSizeF(device.size()) / m_ratio);
}

QRect DisplayGeometry::Window::toLocalPixels(const QRect& device) const
{
    return QRect(rounded(toLocal(device.topLeft())), rounded(toLocal(device.bottomRight() + QPoint(1, 1))) - QPoint(1, 1));
}
