#pragma once

#include <QRect>
#include <QSize>

#include "platform/mac/DisplayGeometry.h"

// Geometry rules of the controls panel, kept free of screens so they can be checked
// with any screen layout.
namespace ControlsAreaGeometry {

// A preset size in device pixels turned into a region in logical coordinates,
// centred on the display: each side divided by its pixel ratio (rounded), at least
// 2 and at most the display's side.
QRect presetRegion(const QSize &devicePixels, const DisplayGeometry::Display &display);

// A picked area with its width and height rounded down to even numbers, keeping
// its top-left corner.
QRect evenRegion(const QRect &picked);

} // namespace ControlsAreaGeometry
