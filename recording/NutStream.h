#pragma once

#include <QByteArray>
#include <QSize>
#include <QtGlobal>

// The pieces of a NUT stream that carries one raw video stream to the encoder, each frame
// with the time it was taken: the encoder then keeps each picture at its own moment however
// late it reads it. Times are in microseconds.
class NutStream
{
public:
    // The file's start: its identification, main header and the header of the one video
    // stream of `size` pictures in the raw format `fourcc` ("I420", "NV12", "BGRA").
    static QByteArray header(const QSize &size, const QByteArray &fourcc);
    // What goes before the `bytes` bytes of one frame taken at `stampUs` (at least 0): a
    // synchronisation point (a frame is far larger than the distance allowed between two) and
    // the frame's header.
    static QByteArray frameHeader(qint64 stampUs, qint64 bytes);
};
