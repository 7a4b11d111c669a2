#include "overlays/AnnotationGeometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

QRect nativeScreenRect(const AnnotationScreen &screen)
{
    const QRect &g = screen.geometry;
    return QRect(g.topLeft(), QSize(qRound(g.width() * screen.ratio), qRound(g.height() * screen.ratio)));
}

} // namespace

QRectF annotationLogicalRect(const QRect &native, const QList<AnnotationScreen> &screens, int primaryIndex)
{
    QRectF logical(native);
    const QPoint centre((native.left() + native.right()) / 2, (native.top() + native.bottom()) / 2);

    const AnnotationScreen *found = nullptr;
    for (const AnnotationScreen &screen : screens) {
        if (screen.ratio > 0 && nativeScreenRect(screen).contains(centre)) {
            found = &screen;
            break;
        }
    }
    if (!found) {
        for (const AnnotationScreen &screen : screens) {
            if (screen.geometry.contains(centre)) {
                found = &screen;
                break;
            }
        }
    }
    if (!found && primaryIndex >= 0 && primaryIndex < screens.size())
        found = &screens.at(primaryIndex);
    if (!found || found->ratio <= 0)
        return logical;

    const qreal r = found->ratio;
    const QPointF g = found->geometry.topLeft();
    logical.setX((native.x() - g.x()) / r + g.x());
    logical.setY((native.y() - g.y()) / r + g.y());
    logical.setWidth(native.width() / r);
    logical.setHeight(native.height() / r);
    return logical;
}

QList<AnnotationScreen> annotationApplicationScreens()
{
    QList<AnnotationScreen> result;
    QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        result.append({primary->geometry(), primary->devicePixelRatio()});
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen != primary)
            result.append({screen->geometry(), screen->devicePixelRatio()});
    }
    return result;
}
