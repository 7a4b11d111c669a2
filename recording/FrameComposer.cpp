#include "recording/FrameComposer.h"

#include "platform/mac/OverlayWindowSupport.h"
#include "recording/CaptureGeometry.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

FrameComposer::FrameComposer()
{
    m_cursorLocator = [this](const QSize& size) {
        return systemCursorInImage(m_settings.effectsTargetRect, size);
    };
}

QPointF FrameComposer::systemCursorInImage(const QRect& targetRect, const QSize& imageSize)
{
    if (!targetRect.isValid())
        return CaptureGeometry::cursorInImage(QPoint(), targetRect, imageSize);
    return CaptureGeometry::cursorInImage(devicePointerPosition(), targetRect, imageSize);
}

QImage FrameComposer::compose(const QImage& source, bool held) const
{
    if (source.isNull())
        return QImage();
    QImage image = source;
    const QRect& crop = m_settings.cropRect;
    if (m_settings.screenSource && crop.left() <= crop.right() && crop.top() <= crop.bottom()
        && crop != image.rect()) {
        image = image.copy(crop.intersected(image.rect()));
    }
    if (m_settings.pipeFrameSize.isValid() && image.size() != m_settings.pipeFrameSize)
        image = image.scaled(m_settings.pipeFrameSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const bool effects = !held && !(m_settings.screenSource && !m_settings.mouseEffectsEnabled);
    const QImage strokes = !held && m_settings.annotationProvider && !m_settings.cameraSource
        ? m_settings.annotationProvider(m_settings.effectsTargetRect, image.size())
        : QImage();
    const bool untouched = !effects && strokes.isNull();
    if (image.format() != QImage::Format_ARGB32
        && !(untouched && m_settings.padByteUnread && image.format() == QImage::Format_RGB32))
        image = image.convertToFormat(QImage::Format_ARGB32);
    if (effects)
        applyFrameEffects(image);
    if (!strokes.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, strokes);
    }
    return image;
}

void FrameComposer::applyFrameEffects(QImage& image) const
{
    if (image.isNull() || (m_settings.screenSource && !m_settings.mouseEffectsEnabled))
        return;
    const QPointF at = m_cursorLocator ? m_cursorLocator(image.size())
                                       : QPointF(image.width() / 2, image.height() / 2);
    const double k = image.width() / 1920.0;
    const double s = std::clamp(k, 0.75, 1.75);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);

    if (!m_settings.screenSource) {
        static const QPointF arrow[] = {{0, 0}, {0, 24}, {6, 18}, {11, 28}, {15, 26}, {10, 16}, {19, 16}};
        QPolygonF polygon;
        for (const QPointF& p : arrow)
            polygon << QPointF(at.x() + p.x() * s, at.y() + p.y() * s);
        painter.setBrush(Qt::white);
        painter.setPen(QPen(Qt::black, std::max(1.5 * s, 1.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolygon(polygon, Qt::OddEvenFill);
    }

    if (m_settings.mouseEffectsEnabled) {
        const double radius = std::clamp(k * m_settings.mouseSize / 2.0, 10.0, 60.0);
        const double opacity = m_settings.mouseOpacity * 255.0 / 100.0;
        QColor fill = m_settings.cursorColor;
        fill.setAlpha(int(std::round(opacity * 0.38)));
        QColor outline = m_settings.cursorColor;
        outline.setAlpha(int(std::round(opacity)));
        painter.setBrush(fill);
        painter.setPen(QPen(outline, std::max(2.5 * k, 2.0), Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.drawEllipse(at, radius, radius);
    }
}

qint64 FrameComposer::frameBytes(const QSize& size)
{
    return size.isValid() ? qint64(size.width()) * size.height() * 4 : 0;
}

bool FrameComposer::backlogExceeded(qint64 pendingBytes, const QSize& pipeFrameSize)
{
    return backlogExceeded(pendingBytes, frameBytes(pipeFrameSize));
}

bool FrameComposer::backlogExceeded(qint64 pendingBytes, qint64 frameBytes)
{
    return pendingBytes > frameBytes * 2;
}
