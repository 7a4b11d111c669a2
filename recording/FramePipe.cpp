#include "recording/FramePipe.h"

#include "recording/NutStream.h"
#include "platform/mac/RecordingClock.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/uio.h>
#include <unistd.h>

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
    m_pictureUntilUs = -1;
    m_aborting = false;
    m_broken = false;
    m_pending = 0;
    m_written = 0;
    m_readerStarted = false;
    m_firstFrameSteadyNs = -1;
    m_lastStampSeenUs = -1;
    m_phaseUs = 0;
    m_phaseCount = 0;
    m_taken = 0;
    m_inPipe.clear();
    m_bytesIntoPipe = 0;
    m_splice = true;
    m_headerWritten = false;
    m_stamper.reset(m_fps, m_originUs, m_beatUs);
    m_previous = Frame{};
    m_previousBytes = 0;
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
        m_pending += FrameConversion::frameBytes(frame.image.size(), m_layout);
        m_queue.push_back(std::move(frame));
    }
    m_wake.notify_one();
    return true;
}

qint64 FramePipe::firstFrameSteadyNs() const
{
    return FrameStamper::originNs(m_firstFrameSteadyNs.load(), m_phaseUs.load(), m_phaseCount.load(),
                                  RecordingClock::steadyNs());
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

void FramePipe::finish(qint64 pictureUntilUs)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_finishing)
            m_pictureUntilUs = pictureUntilUs;
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
    m_previous = Frame{};
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
    const qint64 bytes = FrameConversion::frameBytes(source.size(), m_layout);
    QByteArray planes;
    while (!m_spare.empty() && planes.isEmpty()) {
        // The frame before may be asked for again: its planes stay as they are.
        if (m_spare.back().size() == bytes && !m_spare.back().isSharedWith(m_previous.planes))
            planes = std::move(m_spare.back());
        m_spare.pop_back();
    }
    if (planes.isEmpty())
        planes = QByteArray(bytes, Qt::Uninitialized);
    FrameConversion::convertInto(source, m_layout, reinterpret_cast<uchar*>(planes.data()));
    return {QImage(), planes};
}

bool FramePipe::writeClosingRepeat(qint64 untilUs)
{
    if (!m_headerWritten || m_previousBytes <= 0)
        return true;
    const qint64 stampUs = m_stamper.closeAt(untilUs);
    if (stampUs < 0)
        return true;
    // A copy, not spliced: the frame may be gone from the pipe already.
    const QByteArray header = NutStream::frameHeader(stampUs, m_previousBytes);
    if (!writeAll(reinterpret_cast<const uchar*>(header.constData()), header.size(), false)
        || !writeAll(m_previous.data(), m_previousBytes, false))
        return false;
    m_lastStampSeenUs = stampUs;
    m_missedSlots = m_stamper.missedSlots();
    ++m_written;
    return true;
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
            if (m_queue.empty() && m_pictureUntilUs >= 0) {
                const qint64 untilUs = std::exchange(m_pictureUntilUs, -1);
                lock.unlock();
                if (!writeClosingRepeat(untilUs)) {
                    lock.lock();
                    m_broken = true;
                    ::close(m_writeFd);
                    m_writeFd = -1;
                    return;
                }
                continue;
            }
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
        const qint64 bytes = FrameConversion::frameBytes(frame.image.size(), m_layout);
        bool ok = true;
        if (!m_headerWritten) {
            // The encoder opens its input on the header; the first frame is stamped once it has.
            const QByteArray header = NutStream::header(frame.image.size(), FrameConversion::fourcc(m_layout));
            ok = writeAll(reinterpret_cast<const uchar*>(header.constData()), header.size(), false) && waitUntilRead();
            m_headerWritten = true;
        }
        if (ok && !m_stamper.admits(frame.stampUs, frame.counted, RecordingClock::wallUs())) {
            m_pending -= bytes;
            continue;
        }
        Frame piped = ok ? convert(frame.image) : Frame{};
        frame.image = QImage(); // a converted picture is not needed any more
        if (ok) {
            const bool first = m_stamper.lastStampUs() < 0;
            const qint64 stampUs = m_stamper.place(frame.stampUs, frame.counted, RecordingClock::wallUs());
            if (first)
                m_firstFrameSteadyNs = RecordingClock::steadyNsOfWall(stampUs);
            m_lastStampSeenUs = stampUs;
            m_phaseUs = m_stamper.phaseUs();
            m_phaseCount = m_stamper.phaseFrames();
            m_missedSlots = m_stamper.missedSlots();
            // Copies, not spliced: the frame before may be gone from the pipe already.
            for (const qint64 repeatUs : m_stamper.repeats()) {
                if (!ok || m_previousBytes != bytes)
                    break;
                const QByteArray repeat = NutStream::frameHeader(repeatUs, bytes);
                ok = writeAll(reinterpret_cast<const uchar*>(repeat.constData()), repeat.size(), false)
                    && writeAll(m_previous.data(), bytes, false);
                if (ok)
                    ++m_written;
            }
            const QByteArray header = NutStream::frameHeader(stampUs, bytes);
            ok = ok && writeAll(reinterpret_cast<const uchar*>(header.constData()), header.size(), false)
                && writeAll(piped.data(), bytes);
            // Planes are the pipe's own and kept for the end as well; a caller's image is let go
            // once read after the opening, so that its memory can take new pictures.
            if (frame.counted && (m_layout != Layout::Bgra || (frame.stampUs >= 0 && m_stamper.opening()))) {
                m_previous = piped;
                m_previousBytes = bytes;
            } else if (frame.counted) {
                m_previous = Frame{};
            }
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
