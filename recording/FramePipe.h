#pragma once

#include <QImage>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// The pipe that carries raw frames to the encoder's standard input. A writer thread
// copies queued frames into it with few, large writes, so the GUI thread only hands
// over an implicitly shared image per frame and never wakes up for a partly drained
// pipe. The read end is given to the encoder (as its descriptor 0) when it starts.
class FramePipe
{
public:
    FramePipe();
    ~FramePipe();
    FramePipe(const FramePipe&) = delete;
    FramePipe& operator=(const FramePipe&) = delete;

    static constexpr int kPipeBytes = 1 << 20;

    // A new pipe (1 MiB) and its writer; any earlier one is aborted first.
    bool open(QString* error);
    // The end the encoder reads; -1 when no pipe is open.
    int readEnd() const { return m_readFd; }
    // Called once the encoder has its copy of the read end.
    void closeReadEnd();

    // Queues one frame: width x height x 4 bytes from its first pixel. False when the
    // pipe is not open, finished, or broken because the encoder went away.
    bool write(const QImage& frame);
    // Bytes queued or still being written.
    qint64 pendingBytes() const { return m_pending.load(); }
    qint64 framesWritten() const { return m_written.load(); }
    bool isOpen();

    // The encoder's input ends after the frames already queued.
    void finish();
    // Stops at once, dropping what is queued, and closes everything.
    void abort();

private:
    void run();
    bool writeAll(const uchar* data, qint64 bytes);

    int m_readFd = -1;
    int m_writeFd = -1;
    int m_wakeFd = -1;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<QImage> m_queue;
    bool m_finishing = false;
    bool m_aborting = false;
    std::atomic<bool> m_broken{false};
    std::atomic<qint64> m_pending{0};
    std::atomic<qint64> m_written{0};
};
