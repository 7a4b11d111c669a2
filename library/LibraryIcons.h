#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// ":/icons/icons/<name>.svg" as an icon.
QIcon libraryIcon(const QString &name);

// That icon size x size in one colour at the application's pixel ratio (widgets/TintedIcon).
QIcon tintedLibraryIcon(const QString &name, int size, const QColor &colour);
QPixmap tintedLibraryPixmap(const QString &name, int size, const QColor &colour);
