#include "library/LatestFrameSlot.h"

LatestFrameSlot::LatestFrameSlot(std::function<void()> converter)
    : m_converter(std::move(converter))
{
}

LatestFrameSlot::~LatestFrameSlot()
{
    stop();
}

void LatestFrameSlot::post(const QVideoFrame &frame)
{
    std::lock_guard lock(m_mutex);
    m_frame = frame;
    ++m_frameSerial;
}

bool LatestFrameSlot::request()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_stopped)
            return false;
        if (m_wanted)
            return true;
        m_wanted = true;
        if (!m_thread.joinable())
            m_thread = std::thread(m_converter);
    }
    m_wake.notify_one();
    return true;
}

std::optional<LatestFrameSlot::Frame> LatestFrameSlot::take()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopped || m_wanted; });
        if (m_stopped)
            return std::nullopt;
        m_wanted = false;
        if (m_frame.isValid() && m_frameSerial > m_takenSerial) {
            m_takenSerial = m_frameSerial;
            m_converting = true;
            return Frame{m_frame, m_frameSerial};
        }
        m_idle.notify_all();
    }
}

bool LatestFrameSlot::finish(quint64 serial, const QImage &picture, double pts, bool keepFrame)
{
    bool kept = false;
    {
        std::lock_guard lock(m_mutex);
        m_converting = false;
        if (!picture.isNull() && serial > m_pictureSerial) {
            // The decoded frame keeps a copy of its picture: neither is needed any more.
            if (m_frameSerial == serial && !keepFrame)
                m_frame = QVideoFrame();
            m_picture = picture;
            m_pictureSerial = serial;
            m_picturePts = pts;
            kept = true;
        }
    }
    m_idle.notify_all();
    return kept;
}

std::optional<LatestFrameSlot::Picture> LatestFrameSlot::takePicture()
{
    std::lock_guard lock(m_mutex);
    if (m_picture.isNull() || m_deliveredSerial == m_pictureSerial)
        return std::nullopt;
    m_deliveredSerial = m_pictureSerial;
    return Picture{m_picture, m_picturePts};
}

QVideoFrame LatestFrameSlot::newestFrame() const
{
    std::lock_guard lock(m_mutex);
    return m_frame;
}

QImage LatestFrameSlot::newestPicture() const
{
    std::lock_guard lock(m_mutex);
    return m_picture;
}

bool LatestFrameSlot::pictureIsCurrent() const
{
    std::lock_guard lock(m_mutex);
    return m_pictureSerial == m_frameSerial;
}

void LatestFrameSlot::waitIdle(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    m_idle.wait_for(lock, timeout, [this] { return !m_thread.joinable() || (!m_wanted && !m_converting); });
}

void LatestFrameSlot::start()
{
    std::lock_guard lock(m_mutex);
    m_stopped = false;
}

// The lock is not held while the thread ends: a conversion in progress finishes through it.
void LatestFrameSlot::stop()
{
    std::thread thread;
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_wanted = false;
        thread = std::move(m_thread);
    }
    m_wake.notify_all();
    if (thread.joinable())
        thread.join();
    m_idle.notify_all();
}

void LatestFrameSlot::drop()
{
    QVideoFrame frame;
    QImage picture;
    std::lock_guard lock(m_mutex);
    std::swap(frame, m_frame);
    std::swap(picture, m_picture);
    m_picturePts = -1;
    m_takenSerial = m_pictureSerial = m_deliveredSerial = m_frameSerial;
}
