#include "app/LogWriter.h"

#include <QFile>

#include <chrono>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

thread_local bool t_writerThread = false;

// The bookkeeping of one queued line besides its bytes.
constexpr qsizetype kEntryOverhead = 64;

qsizetype entryBytes(const QByteArray &line, const QString &message)
{
    return line.size() + message.size() * qsizetype(sizeof(QChar)) + kEntryOverhead;
}

} // namespace

LogWriter::LogWriter(const QString &path) : LogWriter(path, Limits()) {}

LogWriter::LogWriter(const QString &path, Limits limits) : m_path(path), m_limits(limits) {}

LogWriter::~LogWriter()
{
    stop(-1);
    if (m_fd >= 0)
        ::close(m_fd);
}

bool LogWriter::onWriterThread()
{
    return t_writerThread;
}

bool LogWriter::open()
{
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0)
        return false;
    m_size = ::lseek(m_fd, 0, SEEK_END);
    m_thread = std::thread([this] { run(); });
    return true;
}

bool LogWriter::post(QByteArray line, QtMsgType type, const QString &message)
{
    std::unique_lock lock(m_queueMutex);
    if (m_stopped) {
        lock.unlock();
        std::deque<Entry> one;
        one.push_back({std::move(line), type, message});
        writeEntries(one, 0, false, false);
        return true;
    }
    const qsizetype bytes = entryBytes(line, message);
    if (qsizetype(m_queue.size()) >= m_limits.queueLines || m_queuedBytes + bytes > m_limits.queueBytes) {
        ++m_dropped;
        ++m_droppedTotal;
        return false;
    }
    m_queue.push_back({std::move(line), type, message});
    m_queuedBytes += bytes;
    ++m_posted;
    lock.unlock();
    m_wake.notify_one();
    return true;
}

bool LogWriter::flush(int timeoutMs)
{
    std::unique_lock lock(m_queueMutex);
    if (m_stopped || t_writerThread)
        return true;
    const quint64 target = m_posted;
    return m_written.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_done >= target || m_finished; });
}

void LogWriter::stop(int timeoutMs)
{
    {
        std::unique_lock lock(m_queueMutex);
        if (m_stopped || !m_thread.joinable())
            return;
        m_stopping = true;
        m_held = false;
        m_wake.notify_all();
        const auto finished = [this] { return m_finished; };
        if (timeoutMs < 0)
            m_written.wait(lock, finished);
        else
            m_written.wait_for(lock, std::chrono::milliseconds(timeoutMs), finished);
        m_stopped = true;
    }
    // A writer still stuck in the disk after the wait is left to finish on its own; the late
    // lines written from the callers' threads share the file lock with it.
    std::unique_lock lock(m_queueMutex);
    if (m_finished) {
        lock.unlock();
        m_thread.join();
    } else {
        m_thread.detach();
    }
}

void LogWriter::holdBack(bool held)
{
    std::lock_guard lock(m_queueMutex);
    m_held = held;
    m_wake.notify_all();
}

qint64 LogWriter::droppedLines() const
{
    std::lock_guard lock(m_queueMutex);
    return m_droppedTotal;
}

void LogWriter::run()
{
    t_writerThread = true;
    std::unique_lock lock(m_queueMutex);
    for (;;) {
        const bool woken = m_wake.wait_for(lock, std::chrono::seconds(1), [this] {
            return m_stopping || !m_queue.empty() || m_dropped > 0;
        });
        std::deque<Entry> entries;
        entries.swap(m_queue);
        const qint64 dropped = m_dropped;
        const quint64 taken = m_posted;
        const bool final = m_stopping;
        m_queuedBytes = 0;
        m_dropped = 0;
        lock.unlock();
        writeEntries(entries, dropped, !woken, final);
        lock.lock();
        m_done = taken;
        m_written.notify_all();
        if (final && m_queue.empty() && m_dropped == 0)
            break;
    }
    m_finished = true;
    m_written.notify_all();
}

void LogWriter::writeEntries(std::deque<Entry> &entries, qint64 dropped, bool timedOut, bool final)
{
    std::lock_guard lock(m_fileMutex);
    {
        std::unique_lock held(m_queueMutex);
        m_wake.wait(held, [this] { return !m_held; });
    }
    if (dropped > 0) {
        writeLine(noteLine(QStringLiteral("[Log] %1 lines dropped: the log writer could not keep up").arg(dropped)));
    }
    for (const Entry &entry : entries) {
        writeLine(entry.line);
        if (m_echo && !entry.message.isNull())
            m_echo(entry.type, entry.message);
    }
    if ((timedOut || final) && m_idleNotes) {
        for (const QByteArray &note : m_idleNotes(final))
            writeLine(note);
    }
}

void LogWriter::writeLine(const QByteArray &line)
{
    if (m_fd < 0)
        return;
    // A line longer than a whole file keeps its start.
    const QByteArray bytes = line.size() <= m_limits.fileBytes / 2 ? line : line.left(m_limits.fileBytes / 2) + '\n';
    if (m_size + bytes.size() > m_limits.fileBytes)
        rotate();
    if (writeAll(bytes))
        m_size += bytes.size();
}

void LogWriter::rotate()
{
    const QByteArray path = QFile::encodeName(m_path);
    const QByteArray previous = path + ".1";
    ::close(m_fd);
    ::rename(path.constData(), previous.constData());
    m_fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    m_size = 0;
    const QByteArray note = noteLine(QStringLiteral("[Log] Continued from ") + m_path + QStringLiteral(".1"));
    if (m_fd >= 0 && writeAll(note))
        m_size += note.size();
}

QByteArray LogWriter::noteLine(const QString &text) const
{
    return m_format ? m_format(text) : text.toUtf8() + '\n';
}

bool LogWriter::writeAll(const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        left -= n;
    }
    return true;
}
