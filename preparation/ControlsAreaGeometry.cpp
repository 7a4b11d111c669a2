#include "preparation/ControlsAreaGeometry.h"

#include <algorithm>

namespace ControlsAreaGeometry {

QRect presetRegion(const QSize &devicePixels, const DisplayGeometry::Display &display)
{
    const QRect &screenGeometry = display.geometry;
    const QSize logical = display.logicalSize(devicePixels);
    const auto clamped = [](int value, int limit) { return std::min(std::max(value, 2), std::max(limit, 2)); };
    const int width = clamped(logical.width(), screenGeometry.width());
    const int height = clamped(logical.height(), screenGeometry.height());
    return QRect(screenGeometry.left() + (screenGeometry.width() - width) / 2,
                 screenGeometry.top() + (screenGeometry.height() - height) / 2, width, height);
}

QRect evenRegion(const QRect &picked)
{
    return QRect(picked.topLeft(), QSize(picked.width() / 2 * 2, picked.height() / 2 * 2));
}

} // namespace ControlsAreaGeometry
