#include "recording/FramePipe.h"

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

namespace {

qint64 imageBytes(const QImage& frame)
{
    return qint64(frame.width()) * frame.height() * 4;
}

} // namespace

FramePipe::FramePipe() = default;

FramePipe::~FramePipe()
{
    abort();
}

bool FramePipe::open(QString* error)
{
    abort();
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
    m_inPipe.clear();
    m_bytesIntoPipe = 0;
    m_splice = true;
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

bool FramePipe::write(const QImage& frame)
{
    if (frame.isNull())
        return false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_thread.joinable() || m_finishing || m_aborting || m_broken)
            return false;
        m_queue.push_back(frame);
        m_pending += imageBytes(frame);
    }
    m_wake.notify_one();
    return true;
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
    return ::ioctl(m_writeFd, FIONREAD, &unread) == 0 && unread == 0;
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

bool FramePipe::writeAll(const uchar* data, qint64 bytes)
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
        if (m_splice) {
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
    while (!m_inPipe.empty() && m_inPipe.front().second <= taken)
        m_inPipe.pop_front();
}

void FramePipe::run()
{
    // A reader that went away gives EPIPE here rather than a signal for the process.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
    for (;;) {
        QImage frame;
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
            frame = m_queue.front();
        }
        const qint64 bytes = imageBytes(frame);
        const bool ok = writeAll(frame.constBits(), bytes);
        if (ok)
            m_inPipe.emplace_back(frame, m_bytesIntoPipe);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_queue.empty())
                m_queue.pop_front();
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
