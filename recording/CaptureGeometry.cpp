#include "recording/CaptureGeometry.h"

#include <cmath>

int CaptureGeometry::roundEven(double value)
{
    return int(std::round(value)) & ~1;
}

QSize CaptureGeometry::fitWithin1080p(const QSize& size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return QSize(2, 2);
    const double scale = std::min({1.0, 1920.0 / size.width(), 1080.0 / size.height()});
    // The small allowance keeps 100000 x 0.0192 at 1920 despite binary fractions.
    const int w = std::max(2, int(std::floor(size.width() * scale + 1e-6)) & ~1);
    const int h = std::max(2, int(std::floor(size.height() * scale + 1e-6)) & ~1);
    return QSize(w, h);
}

bool CaptureGeometry::exceeds1080p(const QSize& size)
{
    return size.isValid() && (size.width() > 1920 || size.height() > 1080);
}

QSize CaptureGeometry::nativeSize(const QRect& area, qreal ratio)
{
    if (!area.isValid())
        return QSize(-1, -1);
    return QSize(roundEven(ratio * area.width()), roundEven(ratio * area.height()));
}

QSize CaptureGeometry::evenSize(const QSize& size)
{
    return QSize(size.width() & ~1, size.height() & ~1);
}

QSize CaptureGeometry::captureStreamSize(const QSize& outputSize, const QSize& native, const QRect& screenGeometry,
                                         qreal ratio)
{
    if (!outputSize.isValid() || native.width() <= 0 || native.height() <= 0 || !screenGeometry.isValid())
        return QSize(-1, -1);
    const double s = std::min(double(outputSize.width()) / native.width(), double(outputSize.height()) / native.height());
    const int w = std::max(2, roundEven(s * ratio * screenGeometry.width()));
    const int h = std::max(2, roundEven(s * ratio * screenGeometry.height()));
    return QSize(w, h);
}

QRect CaptureGeometry::screenCropRect(const QRect& deviceRect, const QRect& screenGeometry, const QSize& frameSize)
{
    if (!deviceRect.isValid() || !screenGeometry.isValid() || frameSize.isEmpty())
        return QRect();
    const QRect visible = deviceRect.intersected(screenGeometry);
    if (visible.isEmpty())
        return QRect();
    const double sx = double(frameSize.width()) / screenGeometry.width();
    const double sy = double(frameSize.height()) / screenGeometry.height();
    // The area's own first pixel, odd or not: the frame is cut from a picture, and a
    // screenshot of the area starts there too. Only the size must be even for the encoder.
    const int x = std::max(0, int(std::round((visible.left() - screenGeometry.left()) * sx)));
    const int y = std::max(0, int(std::round((visible.top() - screenGeometry.top()) * sy)));
    const int w = std::min(int(std::round(visible.width() * sx)), frameSize.width() - x) & ~1;
    const int h = std::min(int(std::round(visible.height() * sy)), frameSize.height() - y) & ~1;
    if (w <= 1 || h <= 1)
        return QRect();
    return QRect(x, y, w, h);
}

QPointF CaptureGeometry::cursorInImage(const QPoint& deviceCursor, const QRect& targetRect, const QSize& imageSize)
{
    if (!targetRect.isValid())
        return QPointF(imageSize.width() / 2, imageSize.height() / 2);
    // Counted inclusively: right - left + 1 is QRect::width().
    return QPointF(qreal(deviceCursor.x() - targetRect.left()) * imageSize.width() / targetRect.width(),
                   qreal(deviceCursor.y() - targetRect.top()) * imageSize.height() / targetRect.height());
}
