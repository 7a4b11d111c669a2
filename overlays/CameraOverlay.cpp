#include "overlays/CameraOverlay.h"

#include "platform/mac/CameraHub.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

CameraOverlay::CameraOverlay(QWidget *parent)
    : QWidget(parent, passiveOverlayFlags | Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Vistrelle webcam"));
    m_feed = new CameraFeed(this);
    connect(m_feed, &CameraFeed::frameReady, this, &CameraOverlay::onFrame);
    connect(m_feed, &CameraFeed::errorOccurred, this, &CameraOverlay::onCameraError);
    hide();
}

CameraOverlay::~CameraOverlay()
{
    detachCamera();
}

bool CameraOverlay::startCamera(const QString &deviceId, int resolution, int fps, int shape, int position, int size,
                                bool mirrored, const QRect &captureRect)
{
    const QList<CameraDeviceInfo> inputs = CameraHub::devices();
    if (inputs.isEmpty())
        return false;
    CameraDeviceInfo chosen = inputs.first();
    for (const CameraDeviceInfo &input : inputs) {
        if (input.idText() == deviceId) {
            chosen = input;
            break;
        }
    }
    m_shape = std::clamp(shape, 0, 2);
    m_position = std::clamp(position, 0, 8);
    m_size = std::clamp(size, 0, 100);
    m_mirrored = mirrored;
    m_captureRect = captureRect;
    m_resolution = resolution;
    m_fps = fps;
    updateOverlayGeometry(captureRect);

    m_deviceId = chosen.idText();
    m_lastFrame = QImage();
    show();
    raise();
    if (!m_feed->start(chosen.id, CameraFormatWish::scored(resolution, fps)))
        qWarning().noquote() << QStringLiteral("[Camera] bubble could not open %1").arg(chosen.description);
    update();
    return true;
}

void CameraOverlay::stopCamera()
{
    m_feed->stop();
    m_lastFrame = QImage();
    hide();
}

void CameraOverlay::updatePresentation(int shape, int position, int size, bool mirrored)
{
    m_shape = std::clamp(shape, 0, 2);
    m_position = std::clamp(position, 0, 8);
    m_size = std::clamp(size, 0, 100);
    m_mirrored = mirrored;
    updateOverlayGeometry(m_captureRect);
    update();
    if (isVisible())
        raise();
}

void CameraOverlay::detachCamera()
{
    if (m_feed)
        m_feed->stop();
}

QRect CameraOverlay::bubbleGeometry(const QRect &captureRect, int shape, int position, int size)
{
    QRect r = captureRect.normalized();
    if (!r.isValid()) {
        if (QScreen *screen = QGuiApplication::primaryScreen())
            r = screen->geometry();
    }
    shape = std::clamp(shape, 0, 2);
    position = std::clamp(position, 0, 8);
    size = std::clamp(size, 0, 100);
    const int W = r.width();
    const int H = r.height();
    const double f = size <= 50 ? 0.10 + 0.14 * size / 50.0 : 0.24 + 0.06 * (size - 50) / 50.0;
    const int w = std::max(96, std::min(int(std::lround(f * W)), 520));
    const int h = shape == 0 ? w : int(std::lround(w * 9.0 / 16.0));
    const int m = std::max(int(std::lround(W * 0.012)), 12);

    // Column and row of each placement code: 0 top left, 1 top right, 2 bottom left,
    // 3 bottom right, 4 top centre, 5 middle left, 6 centre, 7 middle right, 8 bottom centre.
    static const int columns[9] = {0, 2, 0, 2, 1, 0, 1, 2, 1};
    static const int rows[9] = {0, 0, 2, 2, 0, 1, 1, 1, 2};
    int x = 0;
    switch (columns[position]) {
    case 0: x = r.left() + m; break;
    case 1: x = r.left() + (W - w) / 2; break;
    default: x = r.right() - m - w + 1; break;
    }
    int y = 0;
    switch (rows[position]) {
    case 0: y = r.top() + m; break;
    case 1: y = r.top() + (H - h) / 2; break;
    default: y = r.bottom() - m - h + 1; break;
    }
    return QRect(x, y, w, h);
}

QPainterPath CameraOverlay::shapePath(const QSize &size, int shape)
{
    const QRectF frame(1, 1, size.width() - 2, size.height() - 2);
    QPainterPath path;
    if (shape == 0)
        path.addEllipse(frame);
    else if (shape == 1)
        path.addRoundedRect(frame, 14, 14);
    else
        path.addRect(frame);
    return path;
}

QRect CameraOverlay::deviceBubbleGeometry(const QList<DisplayGeometry::Display> &displays, const QRect &captureRect,
                                          int shape, int position, int size)
{
    QRect area = captureRect.normalized();
    if (!area.isValid()) {
        if (QScreen *screen = QGuiApplication::primaryScreen())
            area = screen->geometry();
    }
    const int at = DisplayGeometry::displayShowing(displays, area);
    if (at < 0)
        return bubbleGeometry(area, shape, position, size);
    const qreal ratio = displays.at(at).ratio();
    const QRect device = DisplayGeometry::toDevice(displays, area);
    const DisplayGeometry::Window pixels(device.topLeft(), ratio);
    const QSize points = displays.at(at).logicalSize(device.size());
    return pixels.toDevice(bubbleGeometry(QRect(QPoint(0, 0), points), shape, position, size));
}

void CameraOverlay::updateOverlayGeometry(const QRect &captureRect)
{
    setDeviceGeometry(this, deviceBubbleGeometry(DisplayGeometry::applicationDisplays(), captureRect, m_shape,
                                                 m_position, m_size));
    const QRect geometry = this->geometry();
    // Without a compositor the translucent corners would show black, and a screen
    // grab records the window: keep the window itself to the shape (a pixel of slack
    // for the antialiased outline).
    const QPainterPath outline = shapePath(geometry.size(), m_shape);
    QPainterPath grown;
    const QRectF bounds = outline.boundingRect().adjusted(-1, -1, 1, 1);
    if (m_shape == 0)
        grown.addEllipse(bounds);
    else if (m_shape == 1)
        grown.addRoundedRect(bounds, 15, 15);
    else
        grown.addRect(bounds);
    setMask(QRegion(grown.toFillPolygon().toPolygon()));
}

void CameraOverlay::onFrame(const QImage &image)
{
    if (image.isNull())
        return;
    m_lastFrame = image; // implicitly shared with the other users of the camera; never written
    update();
}

void CameraOverlay::onCameraError(const QString &message)
{
    qWarning().noquote() << QStringLiteral("[Camera] webcam bubble: %1")
                                .arg(message.isEmpty() ? QStringLiteral("camera error") : message);
}

void CameraOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = shapePath(size(), m_shape);
    painter.setClipPath(path);
    painter.fillPath(path, QColor(QStringLiteral("#080d15")));
    if (!m_lastFrame.isNull()) {
        // Mirroring the scaled picture costs less than mirroring the camera's.
        QImage scaled = m_lastFrame.scaled(size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        if (m_mirrored)
            scaled = std::move(scaled).mirrored(true, false);
        const QRect sourceRect((scaled.width() - width()) / 2, (scaled.height() - height()) / 2, width(), height());
        painter.drawImage(QRect(0, 0, width(), height()), scaled, sourceRect);
    }
    painter.setClipping(false);
    painter.setPen(QPen(QColor(220, 230, 246, 150), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}
