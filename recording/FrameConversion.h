#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// What a frame becomes on its way to the encoder: the 32-bit frame as it is (bytes B, G, R, A),
// or 8-bit 4:2:0 planes, Y then U then V (I420), or Y then interleaved U and V (NV12).
enum class FrameLayout { Bgra, I420, Nv12 };

namespace FrameConversion {

// Bytes of one frame of `size` in `layout`.
qint64 frameBytes(const QSize& size, FrameLayout layout);
// The raw format of `layout` as the encoder's input stream names it.
QByteArray fourcc(FrameLayout layout);
// Writes a 32-bit frame (ARGB32 or RGB32, even sides for the planar layouts) in `layout` into
// `out`, which holds frameBytes(source.size(), layout) bytes: luma with libyuv, chroma from the
// average of each two by two pixels with BT.601's limited-range coefficients.
void convertInto(const QImage& source, FrameLayout layout, uchar* out);

} // namespace FrameConversion
