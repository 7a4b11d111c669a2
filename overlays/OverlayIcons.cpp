#include "overlays/OverlayIcons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

QPixmap overlayPixmap(const QString &svgPath, const QSize &size, const QColor &tint)
{
    const qreal ratio = std::max<qreal>(qApp ? qApp->devicePixelRatio() : 1.0, 1.0);
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        QSvgRenderer renderer(svgPath);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
        if (tint.isValid()) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(pixmap.rect(), tint);
        }
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon overlayIcon(const QString &svgPath, const QSize &size, const QColor &tint)
{
    return QIcon(overlayPixmap(svgPath, size, tint));
}
