#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <xcb/xcb.h>

#include <array>

// Reads pixels of a window or pixmap of the X server into ARGB32 frames. Uses a
// MIT-SHM segment when the server accepts one and plain GetImage otherwise. Every
// frame it returns has its alpha byte forced to 0xFF (X leaves the pad byte of
// 24-bit visuals undefined), unless the pad byte is kept (setKeepPadByte). The pointer and the scaling are applied to the pixels
// as the server delivered them, so a frame costs one pass over the source.
// Not thread-safe: one grabber per thread and connection.
class X11FrameGrabber
{
public:
    explicit X11FrameGrabber(xcb_connection_t *connection);
    ~X11FrameGrabber();
    X11FrameGrabber(const X11FrameGrabber &) = delete;
    X11FrameGrabber &operator=(const X11FrameGrabber &) = delete;

    // The rectangle of the drawable (in its own coordinates) as a frame of
    // `outputSize` (the rectangle's size when empty), with the pointer drawn in when
    // `withCursor` (the rectangle then being in root coordinates). A null image with
    // the reason when the drawable is gone or its format cannot be read.
    QImage grabFrame(xcb_drawable_t drawable, const QRect &rect, const QSize &outputSize,
                     bool withCursor, QString *error = nullptr);
    QImage grab(xcb_drawable_t drawable, const QRect &rect, QString *error = nullptr)
    {
        return grabFrame(drawable, rect, QSize(), false, error);
    }

    bool usesSharedMemory() const { return m_sharedMemoryAllowed; }
    // Frames that need no scaling are handed out as the server wrote them, as RGB32 with
    // the pad byte undefined, for a reader that never looks at it: a pass over every pixel
    // less per frame.
    void setKeepPadByte(bool keep) { m_keepPadByte = keep; }

    // Sets the alpha byte of every pixel to 0xFF.
    static void forceOpaque(QImage &image);
    // Blends a premultiplied ARGB cursor image over the frame with its top-left corner at pos.
    static void blendPremultiplied(QImage &frame, const quint32 *pixels, int width, int height,
                                   const QPoint &pos);
    // Scales to exactly `size` with an opaque result; whole-number reductions average
    // each block of source pixels (fast path), any other ratio uses smooth scaling.
    static QImage scaled(const QImage &image, const QSize &size);

private:
    // Rows of 32-bit pixels as the server sent them (in shared memory or in `reply`),
    // writable; null with the reason on failure.
    uchar *fetch(xcb_drawable_t drawable, const QRect &rect, void **reply, QString *error);
    uchar *fetchShared(xcb_drawable_t drawable, const QRect &rect, uint32_t segment, uchar *address,
                       QString *error, bool *refused);
    uchar *fetchPlain(xcb_drawable_t drawable, const QRect &rect, void **reply, QString *error);
    struct SharedFrame
    {
        uint32_t segment = 0;
        QImage image; // over the segment's memory
    };
    void *attachSegment(size_t bytes, uint32_t *segment);
    SharedFrame *acquireSharedFrame(const QSize &size);
    void releaseSharedFrame(SharedFrame &slot);
    bool ensureSharedMemory(size_t bytes);
    void releaseSharedMemory();
    bool depthIsSupported(uint8_t depth) const;
    bool checkFormat(uint8_t depth, size_t available, const QRect &rect, QString *error) const;
    void drawCursor(QImage &pixels, const QPoint &rootOrigin);
    QImage takeBuffer(const QSize &size);
    void keepBuffer(const QImage &frame);

    xcb_connection_t *m_connection = nullptr;
    bool m_sharedMemoryAllowed = false;
    bool m_xfixes = false;
    bool m_keepPadByte = false;
    uint32_t m_shmSegment = 0;
    void *m_shmAddress = nullptr;
    size_t m_shmSize = 0;
    // Frames in shared memory that the server fills directly, when no scaling is needed.
    std::array<SharedFrame, 3> m_sharedFrames;
    std::array<QImage, 3> m_buffers; // frames handed out, reused once nobody else holds them
};
