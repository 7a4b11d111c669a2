#include "preparation/ControlsAreaGeometry.h"

#include <algorithm>
#include <cmath>

namespace ControlsAreaGeometry {

QRect presetRegion(const QSize &devicePixels, const DisplayGeometry::Display &display)
{
    const qreal ratio = display.ratio();
    const QRect &screenGeometry = display.geometry;
    const auto logical = [ratio](int pixels, int limit) {
        const int value = int(std::lround(pixels / ratio));
        return std::min(std::max(value, 2), std::max(limit, 2));
    };
    const int width = logical(devicePixels.width(), screenGeometry.width());
    const int height = logical(devicePixels.height(), screenGeometry.height());
    return QRect(screenGeometry.left() + (screenGeometry.width() - width) / 2,
                 screenGeometry.top() + (screenGeometry.height() - height) / 2, width, height);
}

QRect evenRegion(const QRect &picked)
{
    return QRect(picked.topLeft(), QSize(picked.width() / 2 * 2, picked.height() / 2 * 2));
}

} // namespace ControlsAreaGeometry
