#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// An SVG resource drawn at `size` (logical pixels) times the application's pixel ratio,
// filled with `tint` when it is valid so that the icon takes that colour and keeps its
// alpha.
QPixmap overlayPixmap(const QString &svgPath, const QSize &size, const QColor &tint = QColor());
QIcon overlayIcon(const QString &svgPath, const QSize &size, const QColor &tint = QColor());
