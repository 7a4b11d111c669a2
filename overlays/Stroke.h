#pragma once

#include "overlays/AnnotationToolbar.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

// One drawn annotation item. Points are in the annotation layer's own logical pixels;
// shapes keep at most two (start and end).
struct Stroke
{
    AnnotationToolbar::Tool tool = AnnotationToolbar::Pen;
    QList<QPointF> points;
    QColor color = QColor(QStringLiteral("#ef4444"));
    float width = 3.0f;
    QString text;
};
