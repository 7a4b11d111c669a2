#pragma once

#include <QRect>
#include <QSize>

// Geometry rules of the controls panel, kept free of screens so they can be checked
// with any screen layout.
namespace ControlsAreaGeometry {

// A preset size in device pixels turned into a region in logical coordinates,
// centred on the screen: each side divided by the pixel ratio (rounded), at least
// 2 and at most the screen's side.
QRect presetRegion(const QSize &devicePixels, const QRect &screenGeometry, qreal devicePixelRatio);

// A picked area with its width and height rounded down to even numbers, keeping
// its top-left corner.
QRect evenRegion(const QRect &picked);

} // namespace ControlsAreaGeometry
