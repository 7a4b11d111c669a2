#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

// Pixel geometry of a capture, kept free of any screen lookup so that it can be
// computed for screens that are not attached to this machine.
class CaptureGeometry
{
public:
    // Scaled to fit within 1920x1080 keeping the aspect ratio, each side rounded down
    // to an even number and at least 2. A size that already fits is not enlarged.
    static QSize fitWithin1080p(const QSize& size);

    // True when the size is valid and larger than 1920x1080 in some direction.
    static bool exceeds1080p(const QSize& size);

    // Device-pixel size of a desktop capture of `area` (logical pixels) at `ratio`:
    // each side rounded half away from zero, then made even. (-1, -1) for an empty area.
    static QSize nativeSize(const QRect& area, qreal ratio);

    // Each side with its lowest bit cleared (the encoder takes even sides only).
    static QSize evenSize(const QSize& size);

    // Size to ask of the screen stream so that it is no larger than needed for
    // `outputSize`: the screen's pixel size scaled by the smaller axis factor of
    // outputSize / native, rounded, made even and at least 2.
    static QSize captureStreamSize(const QSize& outputSize, const QSize& native, const QRect& screenGeometry,
                                   qreal ratio);

    // Part of a frame of `frameSize` pixels grabbed from `screenGeometry` that shows
    // `deviceRect` (both in device pixels): from the area's first pixel (rounded, not made
    // even), its sides made even; null when the result would be empty.
    static QRect screenCropRect(const QRect& deviceRect, const QRect& screenGeometry, const QSize& frameSize);

    // Where the cursor at `deviceCursor` lies in an image of `imageSize` that shows
    // `targetRect` (both in device pixels). The image centre when `targetRect` is not valid.
    static QPointF cursorInImage(const QPoint& deviceCursor, const QRect& targetRect, const QSize& imageSize);

    // Rounds half away from zero and clears the lowest bit.
    static int roundEven(double value);
};
