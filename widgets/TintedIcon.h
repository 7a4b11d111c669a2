#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// One-colour SVG icons: the SVG is rendered into a transparent pixmap of the logical size
// times the device pixel ratio (at least 1), then filled with one colour so that the icon
// takes that colour and keeps its alpha. Every toolbar, bar and dialog colours its icons here.

// A null pixmap when the SVG cannot be read or the size is empty.
QPixmap tintedPixmap(const QString &svgPath, const QSize &logicalSize, const QColor &color,
                     qreal devicePixelRatio = 1.0);

// The same as an icon (one pixmap of that size).
QIcon tintedIcon(const QString &svgPath, const QSize &logicalSize, const QColor &color,
                 qreal devicePixelRatio = 1.0);
