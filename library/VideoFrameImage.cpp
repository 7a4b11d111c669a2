#include "library/VideoFrameImage.h"

#include <QVideoFrame>
#include <QVideoFrameFormat>

#include <libyuv/convert_argb.h>

#include <cstring>

namespace {

// The conversion matrix for the frame's colour space and range. Frames that name no space
// take BT.709 from HD sizes up and BT.601 below, as players commonly do.
const libyuv::YuvConstants *yuvConstants(const QVideoFrameFormat &format)
{
    const bool full = format.colorRange() == QVideoFrameFormat::ColorRange_Full;
    switch (format.colorSpace()) {
    case QVideoFrameFormat::ColorSpace_BT709:
        return full ? &libyuv::kYuvF709Constants : &libyuv::kYuvH709Constants;
    case QVideoFrameFormat::ColorSpace_BT2020:
        return full ? &libyuv::kYuvV2020Constants : &libyuv::kYuv2020Constants;
    case QVideoFrameFormat::ColorSpace_BT601:
        break;
    default:
        if (format.frameHeight() >= 720)
            return full ? &libyuv::kYuvF709Constants : &libyuv::kYuvH709Constants;
        break;
    }
    return full ? &libyuv::kYuvJPEGConstants : &libyuv::kYuvI601Constants;
}

// Rows of an RGB frame copied into a picture of the matching QImage format.
QImage copiedRgb(const QVideoFrame &frame, QImage::Format imageFormat)
{
    QImage image(frame.width(), frame.height(), imageFormat);
    if (image.isNull())
        return {};
    const size_t rowBytes = size_t(std::min<qsizetype>(image.bytesPerLine(), frame.bytesPerLine(0)));
    for (int y = 0; y < frame.height(); ++y)
        std::memcpy(image.scanLine(y), frame.bits(0) + qsizetype(y) * frame.bytesPerLine(0), rowBytes);
    return image;
}

QImage converted(const QVideoFrame &frame)
{
    const QVideoFrameFormat format = frame.surfaceFormat();
    const int width = frame.width();
    const int height = frame.height();
    const auto *matrix = yuvConstants(format);
    const auto *y = frame.bits(0);
    const int yStride = frame.bytesPerLine(0);
    const auto plane16 = [&frame](int plane) { return reinterpret_cast<const uint16_t *>(frame.bits(plane)); };
    const auto stride16 = [&frame](int plane) { return frame.bytesPerLine(plane) / 2; };

    QImage image(width, height, QImage::Format_RGB32); // libyuv's ARGB: B, G, R, A in memory
    if (image.isNull())
        return {};
    uint8_t *out = image.bits();
    const int outStride = int(image.bytesPerLine());
    int result = -1;
    switch (format.pixelFormat()) {
    case QVideoFrameFormat::Format_YUV420P:
        result = libyuv::I420ToARGBMatrix(y, yStride, frame.bits(1), frame.bytesPerLine(1), frame.bits(2),
                                          frame.bytesPerLine(2), out, outStride, matrix, width, height);
        break;
    case QVideoFrameFormat::Format_YV12: // V before U
        result = libyuv::I420ToARGBMatrix(y, yStride, frame.bits(2), frame.bytesPerLine(2), frame.bits(1),
                                          frame.bytesPerLine(1), out, outStride, matrix, width, height);
        break;
    case QVideoFrameFormat::Format_YUV422P:
        result = libyuv::I422ToARGBMatrix(y, yStride, frame.bits(1), frame.bytesPerLine(1), frame.bits(2),
                                          frame.bytesPerLine(2), out, outStride, matrix, width, height);
        break;
    case QVideoFrameFormat::Format_NV12:
        result = libyuv::NV12ToARGBMatrix(y, yStride, frame.bits(1), frame.bytesPerLine(1), out, outStride, matrix,
                                          width, height);
        break;
    case QVideoFrameFormat::Format_NV21:
        result = libyuv::NV21ToARGBMatrix(y, yStride, frame.bits(1), frame.bytesPerLine(1), out, outStride, matrix,
                                          width, height);
        break;
    case QVideoFrameFormat::Format_YUYV: // packed formats are BT.601 here
        result = libyuv::YUY2ToARGB(y, yStride, out, outStride, width, height);
        break;
    case QVideoFrameFormat::Format_UYVY:
        result = libyuv::UYVYToARGB(y, yStride, out, outStride, width, height);
        break;
    case QVideoFrameFormat::Format_YUV420P10:
        result = libyuv::I010ToARGBMatrix(plane16(0), stride16(0), plane16(1), stride16(1), plane16(2), stride16(2),
                                          out, outStride, matrix, width, height);
        break;
    case QVideoFrameFormat::Format_P010:
    case QVideoFrameFormat::Format_P016:
        result = libyuv::P010ToARGBMatrix(plane16(0), stride16(0), plane16(1), stride16(1), out, outStride, matrix,
                                          width, height);
        break;
    case QVideoFrameFormat::Format_Y8:
        result = libyuv::I400ToARGBMatrix(y, yStride, out, outStride, matrix, width, height);
        break;
    default: {
        const QImage::Format rgb = QVideoFrameFormat::imageFormatFromPixelFormat(format.pixelFormat());
        return rgb == QImage::Format_Invalid ? QImage() : copiedRgb(frame, rgb);
    }
    }
    return result == 0 ? image : QImage();
}

} // namespace

QImage imageOfVideoFrame(const QVideoFrame &frame)
{
    if (!frame.isValid() || frame.width() < 1 || frame.height() < 1)
        return {};
    QVideoFrame mapped = frame;
    if (!mapped.map(QVideoFrame::ReadOnly))
        return {};
    QImage image = converted(mapped);
    mapped.unmap();
    return image;
}
