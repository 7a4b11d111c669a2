#pragma once

#include <QList>
#include <QRect>
#include <QRectF>

// One screen as the annotation layer sees it: logical geometry and pixel ratio.
struct AnnotationScreen
{
    QRect geometry;
    qreal ratio = 1.0;
};

// Maps a capture rectangle in native screen pixels back to global logical coordinates.
// In native coordinates a point lies at its offset from its screen's logical top-left
// corner times that screen's pixel ratio, plus that corner. The screen is the one whose
// native rectangle holds the centre of `native`, else the one whose logical geometry
// holds it, else the screen at `primaryIndex`; without a usable screen the rectangle is
// returned unchanged.
QRectF annotationLogicalRect(const QRect &native, const QList<AnnotationScreen> &screens, int primaryIndex);

// The screens of the running application, primary screen first.
QList<AnnotationScreen> annotationApplicationScreens();
