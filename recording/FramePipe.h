#pragma once

#include <QImage>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// The pipe that carries raw frames to the encoder's standard input. A writer thread
// moves queued frames into it with few, large calls, so the GUI thread only hands
// over an implicitly shared image per frame and never wakes up for a partly drained
// pipe. The read end is given to the encoder (as its descriptor 0) when it starts.
//
// The frame memory is spliced into the pipe (the pipe refers to the image's pages
// instead of copying them) and the image is kept referenced until the encoder has
// read its last byte, so nobody can reuse the memory while the kernel still refers
// to it: images are implicitly shared and copied before any change.
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
    // Whether the encoder has read every byte queued so far.
    bool isDrained();

    // The encoder's input ends after the frames already queued.
    void finish();
    // Stops at once, dropping what is queued, and closes everything.
    void abort();

private:
    void run();
    bool writeAll(const uchar* data, qint64 bytes);
    // Lets go of frames whose bytes the reader has taken.
    void releaseConsumed();

    int m_readFd = -1;
    int m_writeFd = -1;
    int m_wakeFd = -1;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<QImage> m_queue;
    // Frames put into the pipe, with the count of bytes put into it up to the end of
    // each; kept (until the reader took them, or the pipe is aborted) because the pipe
    // may still refer to their memory. Only the writer thread touches these while it runs.
    std::deque<std::pair<QImage, qint64>> m_inPipe;
    qint64 m_bytesIntoPipe = 0;
    bool m_splice = true;
    bool m_finishing = false;
    bool m_aborting = false;
    std::atomic<bool> m_broken{false};
    std::atomic<qint64> m_pending{0};
    std::atomic<qint64> m_written{0};
};
