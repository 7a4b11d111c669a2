#include "library/LibraryIcons.h"

#include "widgets/TintedIcon.h"

#include <QGuiApplication>

namespace {

QString iconPath(const QString &name)
{
    return QStringLiteral(":/icons/icons/") + name + QStringLiteral(".svg");
}

qreal applicationPixelRatio()
{
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

} // namespace

QIcon libraryIcon(const QString &name)
{
    return QIcon(iconPath(name));
}

QIcon tintedLibraryIcon(const QString &name, int size, const QColor &colour)
{
    return tintedIcon(iconPath(name), QSize(size, size), colour, applicationPixelRatio());
}

QPixmap tintedLibraryPixmap(const QString &name, int size, const QColor &colour)
{
    return tintedPixmap(iconPath(name), QSize(size, size), colour, applicationPixelRatio());
}
