#include "platform/mac/MacSystemAudioCapture.h"
#include "platform/mac/RecordingClock.h"

#include <QDebug>
#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Removes the pipe at `path` if it still is one: a file put there since is left alone.
void removePipe(const QString &path)
{
    const QByteArray nativePath = QFile::encodeName(path);
    struct stat info;
    if (!path.isEmpty() && ::lstat(nativePath.constData(), &info) == 0 && S_ISFIFO(info.st_mode))
        ::unlink(nativePath.constData());
}

void closeDescriptor(int *fd)
{
    if (*fd >= 0) {
        ::close(*fd);
        *fd = -1;
    }
}

// Makes the named pipe and opens both its ends, without blocking.
bool makePipe(const QString &fifoPath, int *readFd, int *writeFd, QString *error)
{
    // The path exactly as Qt hands it to the file system, so that the encoder, which
    // gets the same QString, opens the same file.
    const QByteArray nativePath = QFile::encodeName(fifoPath);
    int failure = nativePath.isEmpty() ? ENOENT : 0;
    if (!failure && ::mkfifo(nativePath.constData(), 0600) != 0)
        failure = errno;
    // The read end first: a non-blocking open for writing needs a reader. The capture
    // never reads, but keeping it open means writes never fail for want of a reader,
    // before or after the encoder opens the pipe.
    if (!failure && (*readFd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) < 0)
        failure = errno;
    if (!failure && (*writeFd = ::open(nativePath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) < 0)
        failure = errno;
    if (!failure) {
        // Room for the sound up to a stop that a late delivery left to silence (up to
        // AlignedSampleQueue::StallNs of it), written without waiting for the encoder.
        ::fcntl(*writeFd, F_SETPIPE_SZ, 1 << 20);
        return true;
    }
    closeDescriptor(readFd);
    closeDescriptor(writeFd);
    if (failure != EEXIST)
        removePipe(fifoPath);
    if (error)
        *error = systemError(failure);
    return false;
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
    m_queue = AlignedSampleQueue();
    m_receivedSamples = 0;
    m_audibleSamples = 0;
    m_peak = 0.0f;
    m_switchPosition = -1;
    m_writtenSamples = 0;
    m_callbacks = 0;
}

bool MacSystemAudioCapture::startHeld(const QString &fifoPath, QString *error)
{
    return begin(fifoPath, true, error, false, -1);
}

bool MacSystemAudioCapture::start(const QString &fifoPath, QString *error, bool silenceWithoutServer,
                                  qint64 originNs)
{
    return begin(fifoPath, false, error, silenceWithoutServer, originNs == -1 ? RecordingClock::steadyNs() : originNs);
}

void MacSystemAudioCapture::setOrigin(qint64 atNs)
{
    std::lock_guard lock(m_queueMutex);
    m_awaitingOrigin = false;
    m_queue.setOrigin(atNs);
}

void MacSystemAudioCapture::awaitOrigin()
{
    std::lock_guard lock(m_queueMutex);
    m_awaitingOrigin = !m_queue.hasOrigin();
}

void MacSystemAudioCapture::settleOrigin(qint64 atNs)
{
    std::lock_guard lock(m_queueMutex);
    if (!m_awaitingOrigin || atNs < 0)
        return;
    m_awaitingOrigin = false;
    m_queue.setOrigin(atNs);
}

bool MacSystemAudioCapture::begin(const QString &fifoPath, bool held, QString *error, bool silenceWithoutServer,
                                  qint64 originNs)
{
    stop();
    resetStatistics();
    auto failWith = [this, error](const QString &text) {
        if (error)
            *error = text;
        stop();
        return false;
    };

    if (!makePipe(fifoPath, &m_readFd, &m_writeFd, error)) {
        stop();
        return false;
    }
    m_fifoPath = fifoPath;

    QString streamError;
    if (!startStream(&streamError)) {
        if (!silenceWithoutServer || isAvailable())
            return failWith(streamError);
        // The keeper connects once the server is back; the writer pads the pipe meanwhile.
        qWarning().noquote() << m_logName << "No sound server; recording silence until it is back:" << streamError;
        m_serverLost = true;
    }

    if (!held && originNs >= 0) {
        std::lock_guard lock(m_queueMutex);
        m_queue.setOrigin(originNs);
    } else {
        const std::array<float, PrimerFrames * 2> silence{};
        [[maybe_unused]] const ssize_t primed = ::write(m_writeFd, silence.data(), sizeof silence);
    }
    m_running = true;
    m_writer = std::thread([this] { writerLoop(); });
    m_keeper = std::thread([this] { keepConnected(); });
    return true;
}

bool MacSystemAudioCapture::startStream(QString *error)
{
    {
        // A new stream counts its samples from 0 again.
        std::lock_guard lock(m_queueMutex);
        m_queue.restartStream();
    }
    m_streamStarted = m_stream.start(
        [this](const float *samples, size_t count) {
            ++m_callbacks;
            appendSamples(samples, count);
        },
        // Once running (a reconnection), a stop ends the wait.
        ServerTimeoutMs, error, m_running.load() ? &m_running : nullptr);
    return m_streamStarted;
}

void MacSystemAudioCapture::keepConnected()
{
    using namespace std::chrono;
    auto sleepWhileRunning = [this](milliseconds span) {
        std::unique_lock lock(m_wakeMutex);
        m_wake.wait_for(lock, span, [this] { return !m_running.load(); });
    };
    while (m_running.load()) {
        if (m_streamStarted && !m_stream.lost()) {
            sleepWhileRunning(10ms);
            continue;
        }
        // The writer pads the pipe with silence meanwhile.
        if (!m_serverLost.exchange(true))
            qWarning().noquote() << m_logName << "The sound server went away; recording silence until it is back";
        QString error;
        if (startStream(&error)) {
            m_serverLost = false;
            qInfo().noquote() << m_logName << "The sound server is back; recording sound again";
        } else {
            sleepWhileRunning(milliseconds(ReconnectIntervalMs));
        }
    }
}

void MacSystemAudioCapture::stop()
{
    {
        std::lock_guard lock(m_wakeMutex);
        m_running = false;
    }
    m_wake.notify_all();
    if (m_writer.joinable())
        m_writer.join();
    if (m_keeper.joinable())
        m_keeper.join();
    m_serverLost = false;
    if (m_streamStarted) {
        m_stream.stop(); // no sample callback runs after this returns
        m_streamStarted = false;
    }
    closeDescriptor(&m_writeFd);
    closeDescriptor(&m_readFd);
    m_switchRequested = false;
    dropNextPipe();
    if (!m_fifoPath.isEmpty()) {
        const Statistics stats = statistics();
        qInfo().noquote() << m_logName << "callbacks=" << stats.callbacks
                << "received samples=" << stats.receivedSamples
                << "written samples=" << stats.writtenSamples
                << "discarded samples=" << stats.discardedSamples
                << "audible samples=" << stats.audibleSamples << "peak=" << double(stats.peak);
        removePipe(m_fifoPath);
        m_fifoPath.clear();
    }
    std::lock_guard lock(m_queueMutex);
    m_queue.clear();
    m_awaitingOrigin = false;
}

bool MacSystemAudioCapture::prepareNextPipe(const QString &fifoPath, bool prime, QString *error)
{
    dropNextPipe();
    std::lock_guard lock(m_pipeMutex);
    if (!m_running.load()) {
        if (error)
            *error = systemError(EPIPE);
        return false;
    }
    if (!makePipe(fifoPath, &m_nextReadFd, &m_nextWriteFd, error))
        return false;
    m_nextFifoPath = fifoPath;
    if (prime) {
        // The silence that lets the encoder open the pipe while the samples still go to
        // the encoder before it: it reads one whole packet of samples before it goes on.
        const std::array<float, PrimerFrames * 2> silence{};
        [[maybe_unused]] const ssize_t primed = ::write(m_nextWriteFd, silence.data(), sizeof silence);
    }
    return true;
}

void MacSystemAudioCapture::switchToNextPipe(qint64 atNs)
{
    std::lock_guard lock(m_pipeMutex);
    if (m_nextWriteFd < 0)
        return;
    {
        std::lock_guard queueLock(m_queueMutex);
        const qint64 at = atNs < 0 ? m_queue.position() : m_queue.positionAt(atNs);
        m_switchPosition = std::max(m_queue.position(), at);
        m_switchFrom = std::min(m_switchPosition, at);
    }
    m_switchRequested = true;
}

void MacSystemAudioCapture::dropNextPipe()
{
    std::lock_guard lock(m_pipeMutex);
    if (m_switchRequested.load())
        return; // the writer takes it over
    closeDescriptor(&m_nextWriteFd);
    closeDescriptor(&m_nextReadFd);
    removePipe(m_nextFifoPath);
    m_nextFifoPath.clear();
}

// On the writer thread, between two chunks: later chunks go to the next pipe.
void MacSystemAudioCapture::takeNextPipe()
{
    std::lock_guard lock(m_pipeMutex);
    closeDescriptor(&m_writeFd);
    closeDescriptor(&m_readFd);
    removePipe(m_fifoPath);
    m_writeFd = std::exchange(m_nextWriteFd, -1);
    m_readFd = std::exchange(m_nextReadFd, -1);
    m_fifoPath = std::exchange(m_nextFifoPath, QString());
    m_switchRequested = false;
}

void MacSystemAudioCapture::appendSamples(const float *samples, size_t count, qint64 capturedNs)
{
    // The queue takes the instant by which the last sample was captured.
    const qint64 capturedEndNs = capturedNs < 0 ? RecordingClock::steadyNs()
                                                : capturedNs + qint64(count / 2) * 1000000000 / AlignedSampleQueue::Rate;
    std::lock_guard lock(m_queueMutex);
    m_receivedSamples += count;
    for (size_t i = 0; samples && i < count; ++i) {
        const float magnitude = std::fabs(samples[i]);
        if (magnitude > 0.0001f)
            ++m_audibleSamples;
        m_peak = std::max(m_peak, magnitude);
    }
    m_queue.append(samples, count / 2, capturedEndNs);
}

MacSystemAudioCapture::Statistics MacSystemAudioCapture::statistics() const
{
    Statistics stats;
    {
        std::lock_guard lock(m_queueMutex);
        stats.receivedSamples = m_receivedSamples;
        stats.audibleSamples = m_audibleSamples;
        stats.discardedSamples = m_queue.droppedFrames() * 2;
        stats.peak = m_peak;
        stats.queuedSamples = m_queue.queuedFrames() * 2;
    }
    stats.writtenSamples = m_writtenSamples.load();
    stats.callbacks = m_callbacks.load();
    return stats;
}

std::vector<float> MacSystemAudioCapture::recentBetween(qint64 from, qint64 to) const
{
    const qint64 first = m_recentEnd - qint64(m_recent.size() / 2);
    from = std::max(from, first);
    to = std::min(to, m_recentEnd);
    if (from >= to)
        return {};
    return std::vector<float>(m_recent.begin() + (from - first) * 2, m_recent.begin() + (to - first) * 2);
}

void MacSystemAudioCapture::writerLoop()
{
    std::array<float, ChunkSamples> chunk{};
    // What goes into the pipe next: a chunk, or what a switch sends again followed by one.
    std::vector<float> out;
    out.reserve(ReplayFrames * 2 + ChunkSamples);
    size_t written = 0; // an empty chunk counts as fully written
    m_recent.clear();
    m_recentEnd = 0;
    // Sends the sound from `from` on, which the pipe before was given already, to the pipe
    // just taken over, ahead of `pendingFrames` frames of `out` not written anywhere yet.
    const auto replayFrom = [&](qint64 from, size_t pendingFrames) {
        const std::vector<float> again = recentBetween(from, m_recentEnd - qint64(pendingFrames));
        if (again.empty())
            return;
        out.insert(out.begin() + qsizetype(written / sizeof(float)), again.begin(), again.end());
    };

    while (m_running.load()) {
        const size_t outBytes = out.size() * sizeof(float);
        if (written == outBytes) {
            size_t frames = 0;
            bool switchNow = false;
            qint64 switchFrom = -1;
            {
                std::lock_guard lock(m_queueMutex);
                size_t most = ChunkSamples / 2;
                // The stream reaches the next pipe exactly at the switch's position.
                if (m_switchRequested.load()) {
                    const qint64 left = m_switchPosition - m_queue.position();
                    switchNow = left <= 0;
                    switchFrom = m_switchFrom;
                    most = std::min<size_t>(most, size_t(std::max<qint64>(left, 1)));
                }
                if (!switchNow) {
                    frames = m_queue.produce(chunk.data(), most, RecordingClock::steadyNs());
                    if (frames > 0) {
                        if (m_queue.position() - qint64(frames) != m_recentEnd)
                            m_recent.clear(); // a new origin: what came before is another stream
                        m_recent.insert(m_recent.end(), chunk.begin(), chunk.begin() + qsizetype(frames * 2));
                        if (m_recent.size() > ReplayFrames * 2)
                            m_recent.erase(m_recent.begin(), m_recent.end() - qsizetype(ReplayFrames * 2));
                        m_recentEnd = m_queue.position();
                    }
                }
            }
            if (switchNow) {
                takeNextPipe();
                out.clear();
                written = 0;
                replayFrom(switchFrom, 0);
                continue;
            }
            if (frames == 0) {
                // Nothing due yet: the sound is on its way.
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                continue;
            }
            out.assign(chunk.begin(), chunk.begin() + qsizetype(frames * 2));
            written = 0;
        }
        const auto *bytes = reinterpret_cast<const char *>(out.data());
        const ssize_t n = ::write(m_writeFd, bytes + written, out.size() * sizeof(float) - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                if (written == 0 && m_switchRequested.load()) {
                    qint64 switchFrom = -1;
                    {
                        std::lock_guard lock(m_queueMutex);
                        switchFrom = m_switchFrom;
                    }
                    takeNextPipe(); // the chunk goes to the encoder that takes over
                    replayFrom(switchFrom, out.size() / 2);
                    continue;
                }
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
    }

    // Stopped: the stream reaches the stop's instant, with silence for sound that a late
    // delivery has not brought yet (the encoder ends its file with the shorter of sound and
    // picture), as far as the pipe takes it without waiting. A switch under way ends here.
    if (m_switchRequested.load())
        return;
    const qint64 stopNs = RecordingClock::steadyNs();
    for (;;) {
        if (written == out.size() * sizeof(float)) {
            size_t frames = 0;
            {
                std::lock_guard lock(m_queueMutex);
                frames = m_queue.produceUntil(chunk.data(), ChunkSamples / 2, stopNs);
            }
            if (frames == 0)
                return;
            out.assign(chunk.begin(), chunk.begin() + qsizetype(frames * 2));
            written = 0;
        }
        const ssize_t n =
            ::write(m_writeFd, reinterpret_cast<const char *>(out.data()) + written, out.size() * sizeof(float) - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        written += size_t(n);
        m_writtenSamples += quint64(n) / sizeof(float);
    }
}
