#include "widgets/TintedIcon.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

QPixmap tintedPixmap(const QString &svgPath, const QSize &logicalSize, const QColor &color,
                     qreal devicePixelRatio)
{
    if (logicalSize.isEmpty())
        return {};
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return {};
    const qreal ratio = std::max<qreal>(1.0, devicePixelRatio);
    QPixmap pixmap(logicalSize * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), color);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon tintedIcon(const QString &svgPath, const QSize &logicalSize, const QColor &color,
                 qreal devicePixelRatio)
{
    const QPixmap pixmap = tintedPixmap(svgPath, logicalSize, color, devicePixelRatio);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}
