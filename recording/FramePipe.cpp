#include "recording/FramePipe.h"

#include "platform/mac/CaptureWorkerThread.h"
#include "recording/NutStream.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <libyuv/convert_from_argb.h>

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

qint64 FramePipe::frameBytes(const QSize& size, Layout layout)
{
    if (!size.isValid())
        return 0;
    const qint64 pixels = qint64(size.width()) * size.height();
    return layout == Layout::Bgra ? pixels * 4 : pixels + 2 * (qint64(size.width() / 2) * (size.height() / 2));
}

QByteArray FramePipe::fourcc(Layout layout)
{
    switch (layout) {
    case Layout::I420:
        return QByteArrayLiteral("I420");
    case Layout::Nv12:
        return QByteArrayLiteral("NV12");
    case Layout::Bgra:
        break;
    }
    return QByteArrayLiteral("BGRA");
}

FramePipe::FramePipe() = default;

FramePipe::~FramePipe()
{
    abort();
}

bool FramePipe::open(QString* error, Layout layout)
{
    abort();
    m_layout = layout;
    m_spare.clear();
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        if (error)
            *error = QStringLiteral("Cannot create the frame pipe: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_readFd = fds[0];
    m_writeFd = fds[1];
    // A larger pipe lets the encoder take a good part of a frame per read.
    ::fcntl(m_writeFd, F_SETPIPE_SZ, kPipeBytes);
    ::fcntl(m_writeFd, F_SETFL, ::fcntl(m_writeFd, F_GETFL) | O_NONBLOCK);
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0) {
        if (error)
            *error = QStringLiteral("Cannot create the frame pipe: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        abort();
        return false;
    }
    m_finishing = false;
    m_aborting = false;
    m_broken = false;
    m_pending = 0;
    m_written = 0;
    m_readerStarted = false;
    m_firstFrameSteadyNs = -1;
    m_lastStampSeenUs = -1;
    m_phaseSamples.clear();
    m_phaseUs = 0;
    m_phaseCount = 0;
    m_taken = 0;
    m_inPipe.clear();
    m_bytesIntoPipe = 0;
    m_splice = true;
    m_headerWritten = false;
    m_lastStampUs = -1;
    m_primed = false;
    m_slots.reset(m_fps, m_originUs);
    m_missedSlots = 0;
    m_thread = std::thread([this] { run(); });
    return true;
}

void FramePipe::closeReadEnd()
{
    if (m_readFd >= 0) {
        ::close(m_readFd);
        m_readFd = -1;
    }
}

bool FramePipe::write(const QImage& frame, qint64 stampUs)
{
    return enqueue({frame, stampUs, true});
}

bool FramePipe::writePrimer(const QImage& frame)
{
    return enqueue({frame, -1, false});
}

bool FramePipe::enqueue(Queued frame)
{
    if (frame.image.isNull())
        return false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_thread.joinable() || m_finishing || m_aborting || m_broken)
            return false;
        // A frame without its time would be stamped when the encoder reads it, in a burst with
        // the first: left out. One with its time waits for the encoder and keeps its slot, so
        // that the first moments of a segment are not one stale picture.
        if (m_taken > 0 && !m_readerStarted.load() && frame.stampUs < 0)
            return true;
        m_pending += frameBytes(frame.image.size(), m_layout);
        m_queue.push_back(std::move(frame));
    }
    m_wake.notify_one();
    return true;
}

qint64 FramePipe::stampOnBeat(qint64 atUs, qint64 beatUs, int fps)
{
    if (fps <= 0 || beatUs < 0)
        return atUs;
    const qint64 frameUs = 1000000 / fps;
    const qint64 anchorUs = beatUs + frameUs * kGrabLeadPercent / 100;
    const qint64 past = ((atUs - anchorUs) % frameUs + frameUs) % frameUs;
    return atUs - past;
}

qint64 FramePipe::firstFrameSteadyNs() const
{
    const qint64 first = m_firstFrameSteadyNs.load();
    if (first < 0)
        return -1;
    if (m_phaseCount.load() < kPhaseFrames) {
        if (CaptureWorkerThread::steadyNowNs() - first < kPhaseWaitNs)
            return -1;
    }
    return first + m_phaseUs.load() * 1000;
}

bool FramePipe::isOpen()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_thread.joinable() && !m_finishing && !m_aborting && !m_broken;
}

bool FramePipe::isDrained()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_queue.empty() || m_pending.load() > 0 || m_writeFd < 0)
        return false;
    int unread = 0;
    if (::ioctl(m_writeFd, FIONREAD, &unread) != 0 || unread != 0)
        return false;
    if (m_taken > 0)
        m_readerStarted = true; // before the writer thread may have looked
    return true;
}

void FramePipe::finish()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_finishing = true;
    }
    m_wake.notify_one();
}

void FramePipe::abort()
{
    if (m_thread.joinable()) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_aborting = true;
        }
        const quint64 one = 1;
        [[maybe_unused]] const auto ignored = ::write(m_wakeFd, &one, sizeof one);
        m_wake.notify_one();
        m_thread.join();
    }
    for (int* fd : {&m_readFd, &m_writeFd, &m_wakeFd}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
    m_queue.clear();
    m_inPipe.clear();
    m_pending = 0;
}

bool FramePipe::waitUntilRead()
{
    for (;;) {
        int unread = 0;
        if (::ioctl(m_writeFd, FIONREAD, &unread) != 0)
            return false;
        if (unread == 0)
            return true;
        pollfd fds[2] = {{m_writeFd, 0, 0}, {m_wakeFd, POLLIN, 0}};
        if (::poll(fds, 2, 2) < 0 && errno != EINTR)
            return false;
        if (fds[1].revents || (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)))
            return false;
    }
}

bool FramePipe::writeAll(const uchar* data, qint64 bytes, bool frameData)
{
    qint64 done = 0;
    while (done < bytes) {
        pollfd fds[2] = {{m_writeFd, POLLOUT, 0}, {m_wakeFd, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (fds[1].revents)
            return false; // aborted
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))
            return false;
        ssize_t n;
        if (m_splice && frameData) {
            iovec chunk{const_cast<uchar*>(data + done), size_t(bytes - done)};
            n = ::vmsplice(m_writeFd, &chunk, 1, SPLICE_F_NONBLOCK);
            if (n < 0 && (errno == EINVAL || errno == ENOSYS)) {
                m_splice = false; // a kernel or file that cannot splice: plain copies
                continue;
            }
        } else {
            n = ::write(m_writeFd, data + done, size_t(bytes - done));
        }
        if (n > 0) {
            done += n;
            if (frameData)
                m_pending -= n;
            m_bytesIntoPipe += n;
            releaseConsumed();
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        }
    }
    return true;
}

void FramePipe::releaseConsumed()
{
    if (m_inPipe.empty())
        return;
    int unread = 0;
    if (::ioctl(m_writeFd, FIONREAD, &unread) != 0)
        return;
    const qint64 taken = m_bytesIntoPipe - unread;
    if (m_inPipe.front().second <= taken)
        m_readerStarted = true;
    while (!m_inPipe.empty() && m_inPipe.front().second <= taken) {
        // The planes of a frame the reader has taken hold the next one.
        if (!m_inPipe.front().first.planes.isEmpty() && m_spare.size() < 4)
            m_spare.push_back(std::move(m_inPipe.front().first.planes));
        m_inPipe.pop_front();
    }
}

FramePipe::Frame FramePipe::convert(const QImage& image)
{
    if (m_layout == Layout::Bgra)
        return {image, {}};
    const QImage source = image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32
        ? image
        : image.convertToFormat(QImage::Format_ARGB32);
    const qint64 bytes = frameBytes(source.size(), m_layout);
    QByteArray planes;
    while (!m_spare.empty() && planes.isEmpty()) {
        if (m_spare.back().size() == bytes)
            planes = std::move(m_spare.back());
        m_spare.pop_back();
    }
    if (planes.isEmpty())
        planes = QByteArray(bytes, Qt::Uninitialized);
    convertInto(source, m_layout, reinterpret_cast<uchar*>(planes.data()));
    return {QImage(), planes};
}

namespace {

// The chroma of one pair of rows from the average of each two by two pixels, with BT.601's
// limited-range coefficients to 15 bits (libyuv's own chroma is a level off at times, which
// decodes to three levels in blue). `step` is 1 for separate planes and 2 for NV12's pairs.
void chromaRowPlain(const uint8_t* a, const uint8_t* b, int pairs, uint8_t* u, uint8_t* v, int step)
{
    for (int x = 0; x < pairs; ++x) {
        const int r = a[8 * x + 2] + a[8 * x + 6] + b[8 * x + 2] + b[8 * x + 6];
        const int g = a[8 * x + 1] + a[8 * x + 5] + b[8 * x + 1] + b[8 * x + 5];
        const int bl = a[8 * x] + a[8 * x + 4] + b[8 * x] + b[8 * x + 4];
        u[x * step] = uint8_t((-4857 * r - 9535 * g + 14392 * bl + (128 << 17) + (1 << 16)) >> 17);
        v[x * step] = uint8_t((14392 * r - 12052 * g - 2340 * bl + (128 << 17) + (1 << 16)) >> 17);
    }
}

#if defined(__SSE2__)
// The sums over both rows of pixels 0+1 and 2+3 of 16 bytes: B, G, R, A, B, G, R, A in 16 bits.
inline __m128i pairSums(const uint8_t* a, const uint8_t* b)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i ra = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
    const __m128i rb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
    const __m128i lo = _mm_add_epi16(_mm_unpacklo_epi8(ra, zero), _mm_unpacklo_epi8(rb, zero));
    const __m128i hi = _mm_add_epi16(_mm_unpackhi_epi8(ra, zero), _mm_unpackhi_epi8(rb, zero));
    return _mm_add_epi16(_mm_unpacklo_epi64(lo, hi), _mm_unpackhi_epi64(lo, hi));
}

// Four chroma values in 32 bits from two vectors of pair sums and the weights (b, g, r, 0):
// the same integer sums as chromaRowPlain.
inline __m128i weigh(__m128i first, __m128i second, __m128i weights)
{
    const __m128i bias = _mm_set1_epi32((128 << 17) + (1 << 16));
    __m128i m0 = _mm_madd_epi16(first, weights);
    __m128i m1 = _mm_madd_epi16(second, weights);
    m0 = _mm_shuffle_epi32(_mm_add_epi32(m0, _mm_srli_epi64(m0, 32)), _MM_SHUFFLE(3, 1, 2, 0));
    m1 = _mm_shuffle_epi32(_mm_add_epi32(m1, _mm_srli_epi64(m1, 32)), _MM_SHUFFLE(3, 1, 2, 0));
    return _mm_srai_epi32(_mm_add_epi32(_mm_unpacklo_epi64(m0, m1), bias), 17);
}
#endif

// chromaRowPlain, eight pairs at a time where the processor allows.
void chromaRow(const uint8_t* a, const uint8_t* b, int pairs, uint8_t* u, uint8_t* v, int step)
{
    int x = 0;
#if defined(__SSE2__)
    const __m128i weightsU = _mm_setr_epi16(14392, -9535, -4857, 0, 14392, -9535, -4857, 0);
    const __m128i weightsV = _mm_setr_epi16(-2340, -12052, 14392, 0, -2340, -12052, 14392, 0);
    for (; x + 8 <= pairs; x += 8) {
        const uint8_t* ra = a + 8 * x;
        const uint8_t* rb = b + 8 * x;
        const __m128i s0 = pairSums(ra, rb);
        const __m128i s1 = pairSums(ra + 16, rb + 16);
        const __m128i s2 = pairSums(ra + 32, rb + 32);
        const __m128i s3 = pairSums(ra + 48, rb + 48);
        const __m128i u16 = _mm_packs_epi32(weigh(s0, s1, weightsU), weigh(s2, s3, weightsU));
        const __m128i v16 = _mm_packs_epi32(weigh(s0, s1, weightsV), weigh(s2, s3, weightsV));
        const __m128i both = _mm_packus_epi16(u16, v16); // eight of u, then eight of v
        if (step == 1) {
            _mm_storel_epi64(reinterpret_cast<__m128i*>(u + x), both);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(v + x), _mm_srli_si128(both, 8));
        } else {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(u + 2 * x), _mm_unpacklo_epi8(both, _mm_srli_si128(both, 8)));
        }
    }
#endif
    chromaRowPlain(a + 8 * x, b + 8 * x, pairs - x, u + x * step, v + x * step, step);
}

} // namespace

void FramePipe::convertInto(const QImage& source, Layout layout, uchar* out)
{
    const int w = source.width();
    const int h = source.height();
    if (layout == Layout::Bgra) {
        for (int row = 0; row < h; ++row)
            std::memcpy(out + qint64(row) * w * 4, source.constScanLine(row), size_t(w) * 4);
        return;
    }
    // Luma with libyuv, chroma at a quarter of the pixels with full precision, two rows at a
    // time: each pair of rows is read from memory once for both.
    uint8_t* y = out;
    uint8_t* chroma = y + qint64(w) * h;
    const qint64 quarter = qint64(w / 2) * (h / 2);
    for (int row = 0; row + 1 < h; row += 2) {
        const uint8_t* a = source.constScanLine(row);
        const uint8_t* b = source.constScanLine(row + 1);
        libyuv::ARGBToI400(a, int(source.bytesPerLine()), y + qint64(row) * w, w, w, 2);
        if (layout == Layout::I420) {
            uint8_t* u = chroma + qint64(row / 2) * (w / 2);
            chromaRow(a, b, w / 2, u, u + quarter, 1);
        } else {
            uint8_t* uv = chroma + qint64(row / 2) * w;
            chromaRow(a, b, w / 2, uv, uv + 1, 2);
        }
    }
    if (h % 2)
        libyuv::ARGBToI400(source.constScanLine(h - 1), int(source.bytesPerLine()), y + qint64(h - 1) * w, w, w, 1);
}

void FramePipe::run()
{
    // A reader that went away gives EPIPE here rather than a signal for the process.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
    for (;;) {
        Queued frame;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            const auto ready = [this] { return !m_queue.empty() || m_finishing || m_aborting; };
            // Frames still in the pipe are let go as soon as the encoder has read them,
            // so that their memory can take new pictures.
            while (!m_inPipe.empty() && !ready()) {
                releaseConsumed();
                m_wake.wait_for(lock, std::chrono::milliseconds(4));
            }
            m_wake.wait(lock, ready);
            if (m_aborting)
                return;
            if (m_queue.empty()) {
                // Finished and drained: the encoder sees the end of its input.
                ::close(m_writeFd);
                m_writeFd = -1;
                return;
            }
            // Taken off the queue at once: its bytes stay counted as pending until written.
            frame = std::move(m_queue.front());
            m_queue.pop_front();
            ++m_taken;
        }
        const qint64 bytes = frameBytes(frame.image.size(), m_layout);
        bool ok = true;
        if (!m_headerWritten) {
            // The encoder opens its input on the header; the first frame is stamped once it has.
            const QByteArray header = NutStream::header(frame.image.size(), fourcc(m_layout));
            ok = writeAll(reinterpret_cast<const uchar*>(header.constData()), header.size(), false) && waitUntilRead();
            m_headerWritten = true;
        }
        if (ok && m_lastStampUs < 0 && frame.counted && frame.stampUs >= 0 && m_originUs < 0
            && frame.stampUs < CaptureWorkerThread::wallClockUs() - kStaleFirstFrameUs) {
            // Taken long before a slow encoder could read it: the file begins with the grabs of
            // the moment it starts instead of this picture standing for the wait.
            m_pending -= bytes;
            continue;
        }
        if (ok && frame.stampUs >= 0 && frame.stampUs <= m_lastStampUs) {
            // Not taken after the frame before: the encoder would drop it.
            m_pending -= bytes;
            continue;
        }
        Frame piped = ok ? convert(frame.image) : Frame{};
        frame.image = QImage(); // a converted picture is not needed any more
        // A frame stamped here comes after the one before, however quickly they follow.
        qint64 stampUs =
            frame.stampUs >= 0 ? frame.stampUs : std::max(CaptureWorkerThread::wallClockUs(), m_lastStampUs + 1);
        const qint64 leadUs = qint64(m_fps > 0 ? 1000000 / m_fps : 0) * kGrabLeadPercent / 100;
        if (m_lastStampUs < 0 && frame.stampUs < 0 && frame.counted && m_beatUs >= 0 && m_originUs < 0) {
            // The file's first frame sets the slots of the grabs after it.
            stampUs = stampOnBeat(stampUs, m_beatUs, m_fps);
        } else if ((m_primed || m_lastStampUs < 0) && frame.counted && m_slots.lastSlot() < 0 && frame.stampUs >= 0
                   && m_originUs < 0) {
            // The first grab of the file (or the first after a primer the encoder leaves out)
            // sets the slots, and stands a little later so that the grabs after it sit early
            // in theirs.
            stampUs += leadUs;
        }
        if (ok) {
            if (m_lastStampUs < 0) {
                m_primed = !frame.counted;
                m_firstFrameSteadyNs = CaptureWorkerThread::steadyNsOf(stampUs);
            }
            m_lastStampUs = stampUs;
            m_lastStampSeenUs = stampUs;
            if (frame.counted) {
                const bool first = m_slots.lastSlot() < 0;
                if (m_slots.add(stampUs) && !first && m_phaseSamples.size() < size_t(kPhaseFrames)) {
                    m_phaseSamples.push_back(stampUs - m_slots.slotUs(m_slots.lastSlot()));
                    std::vector<qint64> sorted = m_phaseSamples;
                    std::nth_element(sorted.begin(), sorted.begin() + qsizetype(sorted.size() / 2), sorted.end());
                    m_phaseUs = sorted.at(sorted.size() / 2);
                    m_phaseCount = int(m_phaseSamples.size());
                }
                m_missedSlots = m_slots.missing();
            }
            const QByteArray header = NutStream::frameHeader(stampUs, bytes);
            ok = writeAll(reinterpret_cast<const uchar*>(header.constData()), header.size(), false)
                && writeAll(piped.data(), bytes);
        }
        if (ok)
            m_inPipe.emplace_back(std::move(piped), m_bytesIntoPipe);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!ok) {
                m_broken = true;
                m_queue.clear();
                m_pending = 0;
                if (m_writeFd >= 0) {
                    ::close(m_writeFd);
                    m_writeFd = -1;
                }
                return;
            }
        }
        ++m_written;
    }
}
