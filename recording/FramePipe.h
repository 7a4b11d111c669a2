#pragma once

#include "recording/FrameConversion.h"
#include "recording/FrameStamper.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// The pipe that carries raw frames to the encoder's standard input, as a NUT stream in
// which every frame carries the time it was taken. A writer thread
// converts each queued frame to the encoder's planar input (I420 or NV12, with libyuv) and
// moves it into the pipe with few, large calls, so the GUI thread only hands over an
// implicitly shared image per frame and never wakes up for a partly drained pipe. The read
// end is given to the encoder (as its descriptor 0) when it starts.
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

    // What a frame becomes on the pipe (FrameConversion).
    using Layout = FrameLayout;

    // A new pipe (1 MiB) and its writer; any earlier one is aborted first. Frames of even
    // sides only for the planar layouts.
    bool open(QString* error, Layout layout = Layout::Bgra);
    Layout layout() const { return m_layout; }
    // The end the encoder reads; -1 when no pipe is open.
    int readEnd() const { return m_readFd; }
    // Called once the encoder has its copy of the read end.
    void closeReadEnd();

    // Frame rate of the encoder's file and the time of its slot 0 (FrameSlots::reset), for
    // missedSlots(); set before open().
    void setFrameGrid(int fps, qint64 originUs = -1)
    {
        m_fps = fps;
        m_originUs = originUs;
    }
    // The time of one of the capture's grabs (below 0: none), which come one frame time apart;
    // set before open(). The frames' times follow FrameStamper's rules.
    void setBeat(qint64 grabUs) { m_beatUs = grabUs; }

    // Queues one 32-bit frame (ARGB32 or RGB32) taken at `stampUs` (microseconds of
    // RecordingClock::wallUs()), to be written in the pipe's layout. A frame without a time (below 0)
    // is stamped as it goes into the pipe; the first frame of a pipe goes in only once the
    // encoder has read the stream's header, so that one without a time is stamped when the
    // encoder is up. Frames with their times wait for the encoder and keep them.
    // False when the pipe is not open, finished, or broken because the encoder went away.
    // Frames without a time that come while a starting encoder has not yet read its first
    // one are left out, and so is a frame not taken after the one before (the encoder would
    // drop it).
    bool write(const QImage& frame, qint64 stampUs = -1);
    // The frame a starting encoder opens its input with: not counted in missedSlots().
    bool writePrimer(const QImage& frame);
    // Frame slots of the encoder's file that the frames written so far leave empty.
    qint64 missedSlots() const { return m_missedSlots.load(); }
    // Bytes queued or still being written, in the pipe's layout.
    qint64 pendingBytes() const { return m_pending.load(); }
    qint64 framesWritten() const { return m_written.load(); }
    bool isOpen();
    // Whether the encoder has read a whole frame.
    bool readerStarted() const { return m_readerStarted.load(); }
    // The file's time 0 on the steady clock (ns), where a segment's sound starts; -1 until it
    // is known (FrameStamper::originNs).
    qint64 firstFrameSteadyNs() const;
    // The time of the newest frame in the stream (-1 before the first): a frame queued now
    // goes in only when it was taken after it.
    qint64 lastStampUs() const { return m_lastStampSeenUs.load(); }
    // Whether the encoder has read every byte queued so far.
    bool isDrained();

    // The encoder's input ends after the frames already queued. With `pictureUntilUs` (the
    // time the next segment's first picture was grabbed), the last picture stands until then:
    // grabs lost on the way (a GUI thread held, an encoder behind) would otherwise end the
    // file's picture early, and the encoder would cut its sound there too.
    void finish(qint64 pictureUntilUs = -1);
    // Stops at once, dropping what is queued, and closes everything.
    void abort();

private:
    // A frame on its way: the bytes written are the image's own (Bgra) or the planes made of it.
    struct Frame
    {
        QImage image;
        QByteArray planes;
        const uchar* data() const
        {
            return planes.isEmpty() ? image.constBits() : reinterpret_cast<const uchar*>(planes.constData());
        }
    };
    struct Queued
    {
        QImage image;
        qint64 stampUs = -1;
        bool counted = true;
    };
    bool enqueue(Queued frame);
    void run();
    // Waits until the encoder has read everything in the pipe; false on an abort or a
    // reader that went away.
    bool waitUntilRead();
    // The frame as the pipe carries it; the image itself for Bgra.
    Frame convert(const QImage& image);
    // `frameData`: bytes of a queued frame (counted as pending, and spliced: the caller keeps
    // them unchanged until the reader took them); else a header, copied into the pipe.
    bool writeAll(const uchar* data, qint64 bytes, bool frameData = true);
    // The last picture once more as the input ends, so that it stands until `untilUs`
    // (FrameStamper::closeAt); false when the pipe broke.
    bool writeClosingRepeat(qint64 untilUs);
    // Lets go of frames whose bytes the reader has taken.
    void releaseConsumed();

    int m_readFd = -1;
    int m_writeFd = -1;
    int m_wakeFd = -1;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Queued> m_queue;
    // Frames put into the pipe, with the count of bytes put into it up to the end of
    // each; kept (until the reader took them, or the pipe is aborted) because the pipe
    // may still refer to their memory. Only the writer thread touches these while it runs.
    std::deque<std::pair<Frame, qint64>> m_inPipe;
    // Plane buffers the reader has taken, for the next frames (the writer thread's).
    std::vector<QByteArray> m_spare;
    Layout m_layout = Layout::Bgra;
    qint64 m_bytesIntoPipe = 0;
    bool m_splice = true;
    bool m_finishing = false;
    qint64 m_pictureUntilUs = -1;
    bool m_aborting = false;
    std::atomic<bool> m_broken{false};
    std::atomic<qint64> m_pending{0};
    std::atomic<qint64> m_written{0};
    // Frames the writer has taken off the queue (under the mutex), and whether the encoder
    // has read a whole one yet.
    qint64 m_taken = 0;
    std::atomic<bool> m_readerStarted{false};
    std::atomic<qint64> m_firstFrameSteadyNs{-1};
    std::atomic<qint64> m_lastStampSeenUs{-1};
    // The stamper's phase, for other threads.
    std::atomic<qint64> m_phaseUs{0};
    std::atomic<int> m_phaseCount{0};
    // The writer thread's: the stream's header went in, and the frames' times.
    bool m_headerWritten = false;
    int m_fps = 30;
    qint64 m_originUs = -1;
    qint64 m_beatUs = -1;
    FrameStamper m_stamper;
    // The counted frame before, which the stamper may ask for again at the file's opening and
    // (planar layouts) at its end.
    Frame m_previous;
    qint64 m_previousBytes = 0;
    std::atomic<qint64> m_missedSlots{0};
};
