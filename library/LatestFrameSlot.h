#pragma once

#include <QImage>
#include <QVideoFrame>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// The hand-over of a player's decoded frames to the one thread that converts them into
// pictures, and of those pictures to the GUI thread. Only the newest of each waits: a frame
// posted before the previous one was taken replaces it, and so does a picture not yet taken.
// The converter runs on a thread of the slot's own, started by the first request; it takes a
// frame only when asked, and never the same frame twice. stop() wakes a waiting converter and
// ends its thread (a conversion in progress is finished first); requests are then refused
// until start().
class LatestFrameSlot
{
public:
    struct Frame
    {
        QVideoFrame frame;
        quint64 serial = 0;
    };
    struct Picture
    {
        QImage image;
        double pts = -1;
    };

    // `converter` runs on the slot's thread: it takes frames and finishes their conversions
    // until take() gives none.
    explicit LatestFrameSlot(std::function<void()> converter);
    ~LatestFrameSlot();
    LatestFrameSlot(const LatestFrameSlot &) = delete;
    LatestFrameSlot &operator=(const LatestFrameSlot &) = delete;

    // Any thread (the decoder's): keeps `frame` as the newest.
    void post(const QVideoFrame &frame);
    // Any thread: asks the converter for the newest frame; false while stopped.
    bool request();
    // Converter: waits until asked, then gives the newest frame not taken yet and counts as
    // converting until finish(); gives nothing once stopped.
    std::optional<Frame> take();
    // Converter: ends the conversion of the frame `serial`. Its picture (unless null) becomes
    // the newest unless a newer one or drop() came meanwhile; returns whether it did. The
    // frame itself is let go then, unless `keepFrame` (a viewer still shows frames).
    bool finish(quint64 serial, const QImage &picture, double pts, bool keepFrame);
    // GUI thread: the newest picture, once.
    std::optional<Picture> takePicture();

    // The newest frame (none once converted and let go), the newest picture, and whether the
    // picture is of that frame.
    QVideoFrame newestFrame() const;
    QImage newestPicture() const;
    bool pictureIsCurrent() const;
    // Waits at most `timeout` for no conversion to be asked for or running.
    void waitIdle(std::chrono::milliseconds timeout);

    void start();
    void stop();
    // Forgets the frame and the picture (a conversion still running for them is not kept).
    void drop();

private:
    const std::function<void()> m_converter;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::thread m_thread;
    bool m_wanted = false;
    bool m_converting = false;
    bool m_stopped = false;
    QVideoFrame m_frame;
    quint64 m_frameSerial = 0;
    quint64 m_takenSerial = 0;
    QImage m_picture;
    double m_picturePts = -1;
    quint64 m_pictureSerial = 0;
    quint64 m_deliveredSerial = 0;
};
