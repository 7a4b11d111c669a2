#pragma once

#include "platform/mac/CameraHub.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <QVideoSink>

#include <cstring>

namespace webcamtest {

// A camera picture as the camera back end delivers it (BGRA bytes).
inline QVideoFrame videoFrameOf(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QVideoFrame frame(QVideoFrameFormat(argb.size(), QVideoFrameFormat::Format_BGRA8888));
    if (!frame.map(QVideoFrame::WriteOnly))
        return {};
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(frame.bits(0) + y * frame.bytesPerLine(0), argb.constScanLine(y), size_t(argb.width()) * 4);
    frame.unmap();
    return frame;
}

// Left half one colour, right half another.
inline QImage splitPicture(QSize size = QSize(1280, 720), QColor left = Qt::red, QColor right = Qt::blue)
{
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, size.width() / 2, size.height()), left);
    painter.fillRect(QRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height()), right);
    return image;
}

inline QList<CameraDeviceInfo> fakeCameras(int count = 1)
{
    QList<CameraDeviceInfo> list;
    for (int i = 0; i < count; ++i) {
        CameraDeviceInfo info;
        info.id = QByteArray("/dev/video") + QByteArray::number(i);
        info.description = QStringLiteral("Test Camera %1").arg(i + 1);
        info.formats = {{QSize(640, 480), 15, 30}, {QSize(1280, 720), 30, 30}, {QSize(1920, 1080), 5, 30}};
        list.append(info);
    }
    return list;
}

// Feeds one picture into a running camera; false when nobody uses that camera.
inline bool feed(const QByteArray &deviceId, const QImage &image)
{
    QVideoSink *sink = CameraHub::instance().sinkFor(deviceId);
    if (!sink)
        return false;
    sink->setVideoFrame(videoFrameOf(image));
    return true;
}

// Feeds one picture into a stand-in camera 30 times a second while it exists.
class CameraFeeder
{
public:
    CameraFeeder(QByteArray deviceId, QImage picture)
        : m_deviceId(std::move(deviceId))
        , m_picture(std::move(picture))
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this]() { feed(m_deviceId, m_picture); });
        m_timer.start(33);
    }
    void stop() { m_timer.stop(); }

private:
    QByteArray m_deviceId;
    QImage m_picture;
    QTimer m_timer;
};

inline bool isColor(QRgb pixel, QColor expected, int tolerance = 40)
{
    return qAbs(qRed(pixel) - expected.red()) <= tolerance && qAbs(qGreen(pixel) - expected.green()) <= tolerance &&
           qAbs(qBlue(pixel) - expected.blue()) <= tolerance;
}

} // namespace webcamtest
