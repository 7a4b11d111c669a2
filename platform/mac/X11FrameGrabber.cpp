#include "platform/mac/X11FrameGrabber.h"

#include <xcb/shm.h>
#include <xcb/xfixes.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <QSemaphore>
#include <QThreadPool>
#include <QVarLengthArray>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// Output pixels written by one pass over the source: `rows` of `out`, from source
// rows of 32-bit pixels whose fourth byte is undefined.
struct PixelJob
{
    const uchar *source;
    qsizetype sourceStride;
    uchar *out;
    qsizetype outStride;
    int width; // output pixels per row
    int factor; // 1 copies, n >= 2 averages n x n blocks
};

// out[i] = in[i] with the alpha byte 0xFF, for n pixels; in and out may be the same.
// This runs over every pixel of every frame, so it goes 16 pixels at a time, and a
// row that is already opaque in place is only read, not written back.
void setAlpha(const quint32 *in, quint32 *out, int n)
{
    int x = 0;
#ifdef __SSE2__
    const __m128i alpha = _mm_set1_epi32(int(0xFF000000u));
    if (in == out) {
        __m128i all = alpha;
        for (; x + 16 <= n; x += 16) {
            const __m128i *from = reinterpret_cast<const __m128i *>(in + x);
            all = _mm_and_si128(all, _mm_and_si128(_mm_and_si128(_mm_loadu_si128(from),
                                                                 _mm_loadu_si128(from + 1)),
                                                   _mm_and_si128(_mm_loadu_si128(from + 2),
                                                                 _mm_loadu_si128(from + 3))));
        }
        quint32 rest = 0xFF000000u;
        for (int i = x; i < n; ++i)
            rest &= in[i];
        const __m128i opaque = _mm_cmpeq_epi32(_mm_and_si128(all, alpha), alpha);
        if (_mm_movemask_epi8(opaque) == 0xFFFF && rest == 0xFF000000u)
            return;
        x = 0;
    }
    for (; x + 16 <= n; x += 16) {
        const __m128i *from = reinterpret_cast<const __m128i *>(in + x);
        __m128i *to = reinterpret_cast<__m128i *>(out + x);
        const __m128i a = _mm_loadu_si128(from);
        const __m128i b = _mm_loadu_si128(from + 1);
        const __m128i c = _mm_loadu_si128(from + 2);
        const __m128i d = _mm_loadu_si128(from + 3);
        _mm_storeu_si128(to, _mm_or_si128(a, alpha));
        _mm_storeu_si128(to + 1, _mm_or_si128(b, alpha));
        _mm_storeu_si128(to + 2, _mm_or_si128(c, alpha));
        _mm_storeu_si128(to + 3, _mm_or_si128(d, alpha));
    }
#endif
    for (; x < n; ++x)
        out[x] = in[x] | 0xFF000000u;
}

// Copies rows and sets the alpha byte on the way.
void copyOpaque(const PixelJob &job, int from, int to)
{
    for (int y = from; y < to; ++y) {
        const quint32 *in = reinterpret_cast<const quint32 *>(job.source + y * job.sourceStride);
        quint32 *out = reinterpret_cast<quint32 *>(job.out + y * job.outStride);
        setAlpha(in, out, job.width);
    }
}

// Each output pixel the rounded mean of a 2x2 block. Works on two channels at once:
// blue and red, then green and the pad byte, each in 16-bit lanes.
void halve(const PixelJob &job, int from, int to)
{
    constexpr quint32 Lanes = 0x00FF00FFu;
    constexpr quint32 Half = 0x00020002u;
    for (int y = from; y < to; ++y) {
        const quint32 *top = reinterpret_cast<const quint32 *>(job.source + 2 * y * job.sourceStride);
        const quint32 *bottom =
            reinterpret_cast<const quint32 *>(job.source + (2 * y + 1) * job.sourceStride);
        quint32 *out = reinterpret_cast<quint32 *>(job.out + y * job.outStride);
        for (int x = 0; x < job.width; ++x) {
            const quint32 a = top[2 * x], b = top[2 * x + 1], c = bottom[2 * x], d = bottom[2 * x + 1];
            const quint32 rb = (a & Lanes) + (b & Lanes) + (c & Lanes) + (d & Lanes) + Half;
            const quint32 ga = ((a >> 8) & Lanes) + ((b >> 8) & Lanes) + ((c >> 8) & Lanes)
                + ((d >> 8) & Lanes) + Half;
            out[x] = ((rb >> 2) & Lanes) | (((ga >> 2) & Lanes) << 8) | 0xFF000000u;
        }
    }
}

// Averages each n x n block, n >= 3.
void reduce(const PixelJob &job, int from, int to)
{
    const int n = job.factor;
    const quint32 count = quint32(n * n);
    QVarLengthArray<quint32, 4096> sums(qsizetype(job.width) * 3);
    for (int y = from; y < to; ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int row = 0; row < n; ++row) {
            const uchar *in = job.source + (qsizetype(y) * n + row) * job.sourceStride;
            for (int x = 0; x < job.width; ++x) {
                quint32 *sum = sums.data() + x * 3;
                const uchar *p = in + qsizetype(x) * n * 4;
                for (int k = 0; k < n; ++k, p += 4) {
                    sum[0] += p[0];
                    sum[1] += p[1];
                    sum[2] += p[2];
                }
            }
        }
        quint32 *out = reinterpret_cast<quint32 *>(job.out + y * job.outStride);
        for (int x = 0; x < job.width; ++x) {
            const quint32 *sum = sums.data() + x * 3;
            out[x] = 0xFF000000u | (((sum[2] + count / 2) / count) << 16)
                | (((sum[1] + count / 2) / count) << 8) | ((sum[0] + count / 2) / count);
        }
    }
}

// Large frames are split into bands of rows worked on side by side: one core alone
// cannot move tens of megabytes per frame through memory fast enough.
void runInBands(const PixelJob &job, int rows, void (*pass)(const PixelJob &, int, int))
{
    constexpr qint64 PixelsPerBand = 1 << 19;
    const qint64 sourcePixels = qint64(rows) * job.width * job.factor * job.factor;
    const int bands = int(std::clamp<qint64>(sourcePixels / PixelsPerBand, 1, 4));
    if (bands == 1) {
        pass(job, 0, rows);
        return;
    }
    static QThreadPool pool;
    static const bool sized = [] {
        pool.setMaxThreadCount(3);
        return true;
    }();
    Q_UNUSED(sized);
    QSemaphore done;
    for (int band = 1; band < bands; ++band) {
        const int from = rows * band / bands, to = rows * (band + 1) / bands;
        pool.start([&job, pass, from, to, &done] {
            pass(job, from, to);
            done.release();
        });
    }
    pass(job, 0, rows / bands);
    done.acquire(bands - 1);
}

// Fills `image` (ARGB32 of the target size, or null to have one made) with the
// opaque picture of rows of 32-bit pixels of `size` whose fourth byte is undefined.
QImage scalePixels(const uchar *source, qsizetype stride, const QSize &size, const QSize &target,
                   QImage image = QImage())
{
    const int n = target.width() > 0 ? size.width() / target.width() : 0;
    const bool whole = n >= 2 && size.width() == n * target.width()
        && size.height() == n * target.height();
    if (target != size && !whole) {
        const QImage view(source, size.width(), size.height(), stride, QImage::Format_RGB32);
        image = view.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_ARGB32);
        X11FrameGrabber::forceOpaque(image);
        return image;
    }
    if (image.size() != target || image.format() != QImage::Format_ARGB32)
        image = QImage(target, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const PixelJob job{source, stride, image.bits(), image.bytesPerLine(), target.width(),
                       target == size ? 1 : n};
    runInBands(job, target.height(), job.factor == 1 ? copyOpaque : job.factor == 2 ? halve : reduce);
    return image;
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
    for (SharedFrame &slot : m_sharedFrames)
        releaseSharedFrame(slot);
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

void *X11FrameGrabber::attachSegment(size_t bytes, uint32_t *segment)
{
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0)
        return nullptr;
    void *address = shmat(id, nullptr, 0);
    if (address == reinterpret_cast<void *>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return nullptr;
    }
    *segment = xcb_generate_id(m_connection);
    Reply<xcb_generic_error_t> error(
        xcb_request_check(m_connection, xcb_shm_attach_checked(m_connection, *segment, id, 0)));
    // Marked for removal at once: it goes away when both sides have detached,
    // even if this process dies.
    shmctl(id, IPC_RMID, nullptr);
    if (error) {
        shmdt(address);
        return nullptr;
    }
    return address;
}

bool X11FrameGrabber::ensureSharedMemory(size_t bytes)
{
    if (m_shmSegment && m_shmSize >= bytes)
        return true;
    releaseSharedMemory();
    m_shmAddress = attachSegment(bytes, &m_shmSegment);
    if (!m_shmAddress) {
        m_shmSegment = 0;
        return false;
    }
    m_shmSize = bytes;
    return true;
}

X11FrameGrabber::SharedFrame *X11FrameGrabber::acquireSharedFrame(const QSize &size)
{
    for (SharedFrame &slot : m_sharedFrames) {
        if (!slot.image.isNull() && slot.image.size() == size && slot.image.isDetached())
            return &slot;
    }
    for (SharedFrame &slot : m_sharedFrames) {
        if (!slot.image.isNull() && !slot.image.isDetached())
            continue; // someone still holds that frame
        releaseSharedFrame(slot);
        const size_t bytes = size_t(size.width()) * size_t(size.height()) * 4;
        void *address = attachSegment(bytes, &slot.segment);
        if (!address) {
            slot.segment = 0;
            return nullptr;
        }
        // The memory stays mapped until the last copy of the image is gone, which
        // may be after this grabber.
        slot.image = QImage(static_cast<uchar *>(address), size.width(), size.height(),
                            qsizetype(size.width()) * 4, QImage::Format_ARGB32,
                            [](void *memory) { shmdt(memory); }, address);
        return &slot;
    }
    return nullptr;
}

void X11FrameGrabber::releaseSharedFrame(SharedFrame &slot)
{
    if (slot.segment) {
        xcb_shm_detach(m_connection, slot.segment);
        xcb_flush(m_connection);
        slot.segment = 0;
    }
    slot.image = QImage();
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
    m_shmSize = 0;
}

bool X11FrameGrabber::checkFormat(uint8_t depth, size_t available, const QRect &rect,
                                  QString *error) const
{
    if (depthIsSupported(depth) && available >= size_t(rect.width()) * size_t(rect.height()) * 4)
        return true;
    if (error)
        *error = QStringLiteral("Unsupported pixel format (depth %1)").arg(depth);
    return false;
}

QImage X11FrameGrabber::grabFrame(xcb_drawable_t drawable, const QRect &rect,
                                  const QSize &outputSize, bool withCursor, QString *error)
{
    if (rect.isEmpty() || rect.width() > 32767 || rect.height() > 32767) {
        if (error)
            *error = QStringLiteral("The capture area is empty");
        return QImage();
    }
    const QSize target = outputSize.isEmpty() ? rect.size() : outputSize;
    if (m_sharedMemoryAllowed && target == rect.size()) {
        // The server writes straight into the frame that is handed out.
        if (SharedFrame *slot = acquireSharedFrame(target)) {
            bool refused = false;
            uchar *pixels = fetchShared(drawable, rect, slot->segment,
                                        const_cast<uchar *>(slot->image.constBits()), error, &refused);
            if (pixels) {
                QImage view(pixels, rect.width(), rect.height(), qsizetype(rect.width()) * 4,
                            QImage::Format_RGB32);
                if (withCursor)
                    drawCursor(view, rect.topLeft());
                // Nobody else holds the slot's image here: its format changes in place.
                if (m_keepPadByte) {
                    slot->image.reinterpretAsFormat(QImage::Format_RGB32);
                    return slot->image;
                }
                slot->image.reinterpretAsFormat(QImage::Format_ARGB32);
                const PixelJob job{pixels, view.bytesPerLine(), pixels, view.bytesPerLine(),
                                   rect.width(), 1};
                runInBands(job, rect.height(), copyOpaque);
                return slot->image;
            }
            if (!refused)
                return QImage();
            m_sharedMemoryAllowed = false;
            releaseSharedMemory();
        }
    }
    void *reply = nullptr;
    uchar *pixels = fetch(drawable, rect, &reply, error);
    QImage frame;
    if (pixels) {
        if (withCursor) {
            QImage view(pixels, rect.width(), rect.height(), qsizetype(rect.width()) * 4,
                        QImage::Format_RGB32);
            drawCursor(view, rect.topLeft());
        }
        frame = scalePixels(pixels, qsizetype(rect.width()) * 4, rect.size(), target,
                            takeBuffer(target));
        keepBuffer(frame);
        if (frame.isNull() && error)
            *error = QStringLiteral("Out of memory for a frame");
    }
    std::free(reply);
    return frame;
}

uchar *X11FrameGrabber::fetch(xcb_drawable_t drawable, const QRect &rect, void **reply,
                              QString *error)
{
    if (m_sharedMemoryAllowed) {
        bool refused = !ensureSharedMemory(size_t(rect.width()) * size_t(rect.height()) * 4);
        uchar *pixels = refused ? nullptr
                                : fetchShared(drawable, rect, m_shmSegment,
                                              static_cast<uchar *>(m_shmAddress), error, &refused);
        if (!refused)
            return pixels;
        // The server does not share memory with us (another host or IPC namespace):
        // every later frame goes through the wire.
        m_sharedMemoryAllowed = false;
        releaseSharedMemory();
    }
    return fetchPlain(drawable, rect, reply, error);
}

uchar *X11FrameGrabber::fetchShared(xcb_drawable_t drawable, const QRect &rect, uint32_t segment,
                                    uchar *address, QString *error, bool *refused)
{
    xcb_generic_error_t *rawError = nullptr;
    Reply<xcb_shm_get_image_reply_t> reply(xcb_shm_get_image_reply(
        m_connection,
        xcb_shm_get_image(m_connection, drawable, int16_t(rect.x()), int16_t(rect.y()),
                          uint16_t(rect.width()), uint16_t(rect.height()), ~0u,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, segment, 0),
        &rawError));
    Reply<xcb_generic_error_t> failure(rawError);
    if (!reply) {
        if (failure && failure->error_code != XCB_DRAWABLE && failure->error_code != XCB_WINDOW
            && failure->error_code != XCB_MATCH) {
            *refused = true; // the segment itself was refused
            return nullptr;
        }
        if (error)
            *error = describeError(failure.get());
        return nullptr;
    }
    if (!checkFormat(reply->depth, reply->size, rect, error))
        return nullptr;
    return address;
}

uchar *X11FrameGrabber::fetchPlain(xcb_drawable_t drawable, const QRect &rect, void **reply,
                                   QString *error)
{
    xcb_generic_error_t *rawError = nullptr;
    xcb_get_image_reply_t *image = xcb_get_image_reply(
        m_connection,
        xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, int16_t(rect.x()),
                      int16_t(rect.y()), uint16_t(rect.width()), uint16_t(rect.height()), ~0u),
        &rawError);
    Reply<xcb_generic_error_t> failure(rawError);
    *reply = image;
    if (!image) {
        if (error)
            *error = describeError(failure.get());
        return nullptr;
    }
    if (!checkFormat(image->depth, size_t(xcb_get_image_data_length(image)), rect, error))
        return nullptr;
    return xcb_get_image_data(image);
}

QImage X11FrameGrabber::takeBuffer(const QSize &size)
{
    // A frame whose every other holder has let go can be written again: this spares
    // allocating (and the kernel zeroing) tens of megabytes per frame.
    for (QImage &buffer : m_buffers) {
        if (!buffer.isNull() && buffer.size() == size && buffer.isDetached())
            return std::exchange(buffer, QImage());
    }
    return QImage();
}

void X11FrameGrabber::keepBuffer(const QImage &frame)
{
    if (frame.isNull())
        return;
    for (QImage &buffer : m_buffers) {
        if (buffer.isNull() || buffer.size() != frame.size() || buffer.isDetached()) {
            buffer = frame;
            return;
        }
    }
}

void X11FrameGrabber::drawCursor(QImage &pixels, const QPoint &rootOrigin)
{
    if (!m_xfixes)
        return;
    Reply<xcb_xfixes_get_cursor_image_reply_t> cursor(xcb_xfixes_get_cursor_image_reply(
        m_connection, xcb_xfixes_get_cursor_image(m_connection), nullptr));
    if (!cursor)
        return;
    const int width = cursor->width;
    const int height = cursor->height;
    if (xcb_xfixes_get_cursor_image_cursor_image_length(cursor.get()) < width * height)
        return;
    const QPoint topLeft(cursor->x - cursor->xhot - rootOrigin.x(),
                         cursor->y - cursor->yhot - rootOrigin.y());
    blendPremultiplied(pixels, xcb_xfixes_get_cursor_image_cursor_image(cursor.get()), width,
                       height, topLeft);
}

void X11FrameGrabber::forceOpaque(QImage &image)
{
    if (image.depth() != 32)
        return;
    for (int y = 0; y < image.height(); ++y) {
        quint32 *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        setAlpha(line, line, image.width());
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
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32)
        return scaled(image.convertToFormat(QImage::Format_ARGB32), size);
    return scalePixels(image.constBits(), image.bytesPerLine(), image.size(), size);
}
