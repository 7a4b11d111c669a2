#include "platform/mac/X11FrameGrabber.h"

#include <xcb/shm.h>
#include <xcb/xfixes.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <QVarLengthArray>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct Free
{
    void operator()(void *p) const { std::free(p); }
};

template<typename T>
using Reply = std::unique_ptr<T, Free>;

QString describeError(const xcb_generic_error_t *error)
{
    if (!error)
        return QStringLiteral("The X server sent no image");
    switch (error->error_code) {
    case XCB_WINDOW:
    case XCB_DRAWABLE:
        return QStringLiteral("The window no longer exists");
    case XCB_MATCH:
        return QStringLiteral("The window is not visible or lies outside the screen");
    default:
        return QStringLiteral("The X server refused the image request (error %1)")
            .arg(error->error_code);
    }
}

// Copies rows of 32-bit pixels and sets the alpha byte on the way.
void copyOpaque(QImage &image, const uchar *source, int sourceStride)
{
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const quint32 *in = reinterpret_cast<const quint32 *>(source + qsizetype(y) * sourceStride);
        quint32 *out = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = in[x] | 0xFF000000u;
    }
}

} // namespace

X11FrameGrabber::X11FrameGrabber(xcb_connection_t *connection)
    : m_connection(connection)
{
    const xcb_query_extension_reply_t *shm = xcb_get_extension_data(connection, &xcb_shm_id);
    if (shm && shm->present) {
        Reply<xcb_shm_query_version_reply_t> version(
            xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection), nullptr));
        m_sharedMemoryAllowed = version != nullptr;
    }
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (xfixes && xfixes->present) {
        Reply<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
            connection, xcb_xfixes_query_version(connection, 4, 0), nullptr));
        m_xfixes = version != nullptr;
    }
}

X11FrameGrabber::~X11FrameGrabber()
{
    releaseSharedMemory();
}

bool X11FrameGrabber::depthIsSupported(uint8_t depth) const
{
    const xcb_setup_t *setup = xcb_get_setup(m_connection);
    for (xcb_format_iterator_t it = xcb_setup_pixmap_formats_iterator(setup); it.rem;
         xcb_format_next(&it)) {
        if (it.data->depth == depth)
            return it.data->bits_per_pixel == 32 && (depth == 24 || depth == 32);
    }
    return false;
}

bool X11FrameGrabber::ensureSharedMemory(size_t bytes)
{
    if (m_shmSegment && m_shmSize >= bytes)
        return true;
    releaseSharedMemory();
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0)
        return false;
    void *address = shmat(id, nullptr, 0);
    if (address == reinterpret_cast<void *>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return false;
    }
    const uint32_t segment = xcb_generate_id(m_connection);
    Reply<xcb_generic_error_t> error(
        xcb_request_check(m_connection, xcb_shm_attach_checked(m_connection, segment, id, 0)));
    // Marked for removal at once: it goes away when both sides have detached,
    // even if this process dies.
    shmctl(id, IPC_RMID, nullptr);
    if (error) {
        shmdt(address);
        return false;
    }
    m_shmSegment = segment;
    m_shmId = id;
    m_shmAddress = address;
    m_shmSize = bytes;
    return true;
}

void X11FrameGrabber::releaseSharedMemory()
{
    if (m_shmSegment) {
        xcb_shm_detach(m_connection, m_shmSegment);
        xcb_flush(m_connection);
        m_shmSegment = 0;
    }
    if (m_shmAddress) {
        shmdt(m_shmAddress);
        m_shmAddress = nullptr;
    }
    m_shmId = -1;
    m_shmSize = 0;
}

QImage X11FrameGrabber::grab(xcb_drawable_t drawable, const QRect &rect, QString *error)
{
    if (rect.isEmpty() || rect.width() > 32767 || rect.height() > 32767) {
        if (error)
            *error = QStringLiteral("The capture area is empty");
        return QImage();
    }
    if (m_sharedMemoryAllowed) {
        bool refused = false;
        QImage image = grabShared(drawable, rect, error, &refused);
        if (!refused)
            return image;
        // The server does not share memory with us (another host or IPC namespace):
        // every later frame goes through the wire.
        m_sharedMemoryAllowed = false;
        releaseSharedMemory();
    }
    return grabPlain(drawable, rect, error);
}

QImage X11FrameGrabber::grabShared(xcb_drawable_t drawable, const QRect &rect, QString *error,
                                   bool *refused)
{
    const size_t bytes = size_t(rect.width()) * size_t(rect.height()) * 4;
    if (!ensureSharedMemory(bytes)) {
        *refused = true;
        return QImage();
    }
    xcb_generic_error_t *rawError = nullptr;
    Reply<xcb_shm_get_image_reply_t> reply(xcb_shm_get_image_reply(
        m_connection,
        xcb_shm_get_image(m_connection, drawable, int16_t(rect.x()), int16_t(rect.y()),
                          uint16_t(rect.width()), uint16_t(rect.height()), ~0u,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, m_shmSegment, 0),
        &rawError));
    Reply<xcb_generic_error_t> failure(rawError);
    if (!reply) {
        if (failure && failure->error_code != XCB_DRAWABLE && failure->error_code != XCB_WINDOW
            && failure->error_code != XCB_MATCH) {
            *refused = true; // the segment itself was refused
            return QImage();
        }
        if (error)
            *error = describeError(failure.get());
        return QImage();
    }
    return toFrame(rect.size(), reply->depth, static_cast<const uchar *>(m_shmAddress),
                   reply->size, error);
}

QImage X11FrameGrabber::grabPlain(xcb_drawable_t drawable, const QRect &rect, QString *error)
{
    xcb_generic_error_t *rawError = nullptr;
    Reply<xcb_get_image_reply_t> reply(xcb_get_image_reply(
        m_connection,
        xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, int16_t(rect.x()),
                      int16_t(rect.y()), uint16_t(rect.width()), uint16_t(rect.height()), ~0u),
        &rawError));
    Reply<xcb_generic_error_t> failure(rawError);
    if (!reply) {
        if (error)
            *error = describeError(failure.get());
        return QImage();
    }
    return toFrame(rect.size(), reply->depth, xcb_get_image_data(reply.get()),
                   size_t(xcb_get_image_data_length(reply.get())), error);
}

QImage X11FrameGrabber::toFrame(const QSize &size, uint8_t depth, const uchar *pixels,
                                size_t available, QString *error) const
{
    const size_t bytes = size_t(size.width()) * size_t(size.height()) * 4;
    if (!depthIsSupported(depth) || available < bytes) {
        if (error)
            *error = QStringLiteral("Unsupported pixel format (depth %1)").arg(depth);
        return QImage();
    }
    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("Out of memory for a frame");
        return QImage();
    }
    copyOpaque(image, pixels, size.width() * 4);
    return image;
}

bool X11FrameGrabber::drawCursor(QImage &frame, const QPoint &rootOrigin)
{
    if (!m_xfixes || frame.isNull())
        return false;
    Reply<xcb_xfixes_get_cursor_image_reply_t> cursor(xcb_xfixes_get_cursor_image_reply(
        m_connection, xcb_xfixes_get_cursor_image(m_connection), nullptr));
    if (!cursor)
        return false;
    const int width = cursor->width;
    const int height = cursor->height;
    if (xcb_xfixes_get_cursor_image_cursor_image_length(cursor.get()) < width * height)
        return false;
    const QPoint topLeft(cursor->x - cursor->xhot - rootOrigin.x(),
                         cursor->y - cursor->yhot - rootOrigin.y());
    blendPremultiplied(frame, xcb_xfixes_get_cursor_image_cursor_image(cursor.get()), width, height,
                       topLeft);
    return true;
}

void X11FrameGrabber::forceOpaque(QImage &image)
{
    if (image.depth() != 32)
        return;
    for (int y = 0; y < image.height(); ++y) {
        quint32 *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= 0xFF000000u;
    }
}

void X11FrameGrabber::blendPremultiplied(QImage &frame, const quint32 *pixels, int width,
                                         int height, const QPoint &pos)
{
    const QRect area = QRect(pos, QSize(width, height)).intersected(frame.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        quint32 *out = reinterpret_cast<quint32 *>(frame.scanLine(y));
        const quint32 *in = pixels + qsizetype(y - pos.y()) * width;
        for (int x = area.left(); x <= area.right(); ++x) {
            const quint32 s = in[x - pos.x()];
            const quint32 alpha = s >> 24;
            if (alpha == 0)
                continue;
            if (alpha == 255) {
                out[x] = s;
                continue;
            }
            const quint32 d = out[x];
            const quint32 inverse = 255 - alpha;
            quint32 result = 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const quint32 sc = (s >> shift) & 0xFF;
                const quint32 dc = (d >> shift) & 0xFF;
                const quint32 c = qMin<quint32>(255, sc + (dc * inverse + 127) / 255);
                result |= c << shift;
            }
            out[x] = result;
        }
    }
}

QImage X11FrameGrabber::scaled(const QImage &image, const QSize &size)
{
    if (image.isNull() || size.isEmpty() || image.size() == size)
        return image;
    const int n = image.width() / size.width();
    const bool wholeFactor = n >= 2 && image.width() == n * size.width()
        && image.height() == n * size.height() && image.format() == QImage::Format_ARGB32;
    if (!wholeFactor)
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    QImage out(size, QImage::Format_ARGB32);
    if (out.isNull())
        return out;
    const quint32 count = quint32(n * n);
    QVarLengthArray<quint32, 4096> sums(qsizetype(size.width()) * 4);
    for (int y = 0; y < size.height(); ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int row = 0; row < n; ++row) {
            const uchar *in = image.constScanLine(y * n + row);
            for (int x = 0; x < size.width(); ++x) {
                quint32 *sum = sums.data() + x * 4;
                const uchar *p = in + qsizetype(x) * n * 4;
                for (int k = 0; k < n; ++k, p += 4) {
                    sum[0] += p[0];
                    sum[1] += p[1];
                    sum[2] += p[2];
                    sum[3] += p[3];
                }
            }
        }
        uchar *line = out.scanLine(y);
        for (int i = 0; i < size.width() * 4; ++i)
            line[i] = uchar((sums[i] + count / 2) / count);
    }
    return out;
}
