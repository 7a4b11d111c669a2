#pragma once

#include <QColor>
#include <QFont>
#include <QPen>

// Pens and fonts that the area picker and the region overlay draw with.

// A solid pen with square caps and bevel joins.
inline QPen overlayPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// "Segoe UI" (or what the system puts in its place) at `points`.
inline QFont overlayFont(int points)
{
    QFont font(QStringLiteral("Segoe UI"));
    font.setPointSize(points);
    return font;
}
