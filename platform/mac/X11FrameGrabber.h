#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <xcb/xcb.h>

// Reads pixels of a window or pixmap of the X server into ARGB32 images. Uses a
// MIT-SHM segment when the server accepts one and plain GetImage otherwise. Every
// image it returns has its alpha byte forced to 0xFF (X leaves the pad byte of
// 24-bit visuals undefined). Not thread-safe: one grabber per thread and connection.
class X11FrameGrabber
{
public:
    explicit X11FrameGrabber(xcb_connection_t *connection);
    ~X11FrameGrabber();
    X11FrameGrabber(const X11FrameGrabber &) = delete;
    X11FrameGrabber &operator=(const X11FrameGrabber &) = delete;

    // The rectangle of the drawable (in its own coordinates), or a null image with
    // the reason when the drawable is gone or its format cannot be read.
    QImage grab(xcb_drawable_t drawable, const QRect &rect, QString *error = nullptr);

    bool usesSharedMemory() const { return m_shmSegment != 0; }

    // Draws the current pointer image (XFixes) into a frame that shows the root
    // rectangle starting at rootOrigin. Returns false when the cursor image is unknown.
    bool drawCursor(QImage &frame, const QPoint &rootOrigin);

    // Sets the alpha byte of every pixel to 0xFF.
    static void forceOpaque(QImage &image);
    // Blends a premultiplied ARGB cursor image over the frame with its top-left corner at pos.
    static void blendPremultiplied(QImage &frame, const quint32 *pixels, int width, int height,
                                   const QPoint &pos);
    // Scales to exactly `size`; whole-number reductions average each block of source
    // pixels (fast path), any other ratio uses smooth scaling.
    static QImage scaled(const QImage &image, const QSize &size);

private:
    bool ensureSharedMemory(size_t bytes);
    void releaseSharedMemory();
    QImage grabShared(xcb_drawable_t drawable, const QRect &rect, QString *error, bool *refused);
    QImage grabPlain(xcb_drawable_t drawable, const QRect &rect, QString *error);
    bool depthIsSupported(uint8_t depth) const;
    // A frame from 32-bit pixel rows as the server sent them, alpha forced opaque.
    QImage toFrame(const QSize &size, uint8_t depth, const uchar *pixels, size_t available,
                   QString *error) const;

    xcb_connection_t *m_connection = nullptr;
    bool m_sharedMemoryAllowed = false;
    bool m_xfixes = false;
    uint32_t m_shmSegment = 0;
    int m_shmId = -1;
    void *m_shmAddress = nullptr;
    size_t m_shmSize = 0;
};
