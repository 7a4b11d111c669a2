#include "library/LibraryIcons.h"

#include <QGuiApplication>
#include <QPainter>

#include <cmath>

QIcon libraryIcon(const QString &name)
{
    return QIcon(QStringLiteral(":/icons/icons/") + name + QStringLiteral(".svg"));
}

QPixmap tintedIcon(const QString &name, int size, const QColor &colour)
{
    const qreal ratio = qApp ? std::max<qreal>(1.0, qApp->devicePixelRatio()) : 1.0;
    const int pixels = std::max(int(std::ceil(ratio * size)), size);
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.drawPixmap(QRect(0, 0, size, size), libraryIcon(name).pixmap(QSize(size, size), ratio));
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRect(0, 0, size, size), colour);
    return pixmap;
}
