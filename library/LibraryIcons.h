#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// ":/icons/icons/<name>.svg" as an icon.
QIcon libraryIcon(const QString &name);

// The SVG icon ":/icons/icons/<name>.svg" drawn size x size (times the device pixel ratio)
// in one colour, keeping its alpha.
QPixmap tintedIcon(const QString &name, int size, const QColor &colour);
