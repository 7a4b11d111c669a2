#include "platform/mac/MacSystemAudioCapture.h"

#include <QDebug>
#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

MacSystemAudioCapture::MacSystemAudioCapture() = default;

MacSystemAudioCapture::~MacSystemAudioCapture()
{
    stop();
}

bool MacSystemAudioCapture::isAvailable()
{
    return PulseMonitorStream::serverReachable(500);
}

void MacSystemAudioCapture::resetStatistics()
{
    std::lock_guard lock(m_queueMutex);
    m_receivedSamples = 0;
    m_audibleSamples = 0;
    m_discardedSamples = 0;
    m_peak = 0.0f;
    m_writtenSamples = 0;
    m_callbacks = 0;
}

bool MacSystemAudioCapture::start(const QString &fifoPath, QString *error)
{
    stop();
    resetStatistics();
    auto failWith = [this, error](const QString &text) {
        if (error)
            *error = text;
        stop();
        return false;
    };

    // The path exactly as Qt hands it to the file system, so that the encoder, which
    // gets the same QString, opens the same file.
    const QByteArray nativePath = QFile::encodeName(fifoPath);
    if (nativePath.isEmpty())
        return failWith(systemError(ENOENT));
    if (::mkfifo(nativePath.constData(), 0600) != 0)
        return failWith(systemError(errno));
    m_fifoPath = fifoPath;

    // The read end first: a non-blocking open for writing needs a reader. The capture
    // never reads, but keeping it open means writes never fail for want of a reader,
    // before or after the encoder opens the pipe.
    m_readFd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_readFd < 0)
        return failWith(systemError(errno));
    m_writeFd = ::open(nativePath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_writeFd < 0)
        return failWith(systemError(errno));

    QString streamError;
    if (!m_stream.start(
            [this](const float *samples, size_t count) {
                ++m_callbacks;
                appendSamples(samples, count);
            },
            ServerTimeoutMs, &streamError))
        return failWith(streamError);
    m_streamStarted = true;

    m_running = true;
    m_writer = std::thread([this] { writerLoop(); });
    return true;
}

void MacSystemAudioCapture::stop()
{
    m_running = false;
    if (m_writer.joinable())
        m_writer.join();
    if (m_streamStarted) {
        m_stream.stop(); // no sample callback runs after this returns
        m_streamStarted = false;
    }
    if (m_writeFd >= 0) {
        ::close(m_writeFd);
        m_writeFd = -1;
    }
    if (m_readFd >= 0) {
        ::close(m_readFd);
        m_readFd = -1;
    }
    if (!m_fifoPath.isEmpty()) {
        const Statistics stats = statistics();
        qInfo() << "[System audio] callbacks=" << stats.callbacks
                << "received samples=" << stats.receivedSamples
                << "written samples=" << stats.writtenSamples
                << "discarded samples=" << stats.discardedSamples
                << "audible samples=" << stats.audibleSamples << "peak=" << double(stats.peak);
        // Only the pipe this capture made: a file put there since is left alone.
        const QByteArray nativePath = QFile::encodeName(m_fifoPath);
        struct stat info;
        if (::lstat(nativePath.constData(), &info) == 0 && S_ISFIFO(info.st_mode))
            ::unlink(nativePath.constData());
        m_fifoPath.clear();
    }
    std::lock_guard lock(m_queueMutex);
    m_queue.clear();
}

void MacSystemAudioCapture::appendSamples(const float *samples, size_t count)
{
    std::lock_guard lock(m_queueMutex);
    m_receivedSamples += count;
    for (size_t i = 0; i < count; ++i) {
        const float magnitude = std::fabs(samples[i]);
        if (magnitude > 0.0001f)
            ++m_audibleSamples;
        m_peak = std::max(m_peak, magnitude);
    }
    m_queue.insert(m_queue.end(), samples, samples + count);
    if (m_queue.size() > MaxQueuedSamples) {
        const size_t excess = m_queue.size() - MaxQueuedSamples;
        m_queue.erase(m_queue.begin(), m_queue.begin() + std::ptrdiff_t(excess));
        m_discardedSamples += excess;
    }
}

MacSystemAudioCapture::Statistics MacSystemAudioCapture::statistics() const
{
    Statistics stats;
    {
        std::lock_guard lock(m_queueMutex);
        stats.receivedSamples = m_receivedSamples;
        stats.audibleSamples = m_audibleSamples;
        stats.discardedSamples = m_discardedSamples;
        stats.peak = m_peak;
        stats.queuedSamples = m_queue.size();
    }
    stats.writtenSamples = m_writtenSamples.load();
    stats.callbacks = m_callbacks.load();
    return stats;
}

void MacSystemAudioCapture::writerLoop()
{
    using Clock = std::chrono::steady_clock;
    std::array<float, ChunkSamples> chunk{};
    auto schedule = Clock::now();
    size_t written = ChunkBytes; // an empty chunk counts as fully written

    while (m_running.load()) {
        if (written == ChunkBytes) {
            std::lock_guard lock(m_queueMutex);
            const size_t take = std::min(ChunkSamples, m_queue.size());
            std::copy_n(m_queue.begin(), take, chunk.begin());
            std::fill(chunk.begin() + std::ptrdiff_t(take), chunk.end(), 0.0f);
            m_queue.erase(m_queue.begin(), m_queue.begin() + std::ptrdiff_t(take));
            written = 0;
        }
        const auto *bytes = reinterpret_cast<const char *>(chunk.data());
        const ssize_t n = ::write(m_writeFd, bytes + written, ChunkBytes - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                // The encoder is not reading and the pipe is full: try the same bytes again.
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                continue;
            }
            qWarning() << "[System audio] Writing to the pipe failed:" << systemError(errno);
            return;
        }
        if (n == 0)
            return;
        written += size_t(n);
        m_writtenSamples += quint64(n) / sizeof(float);
        if (written == ChunkBytes) {
            schedule += std::chrono::milliseconds(ChunkIntervalMs);
            // Sleep in short steps so that stop() is never kept waiting long.
            while (m_running.load() && Clock::now() < schedule)
                std::this_thread::sleep_for(std::min<Clock::duration>(
                    schedule - Clock::now(), std::chrono::milliseconds(5)));
        }
    }
}
