#include "platform/win/AudioCaptureWorker.h"

AudioCaptureWorker::~AudioCaptureWorker()
{
    stop();
}

void AudioCaptureWorker::stop()
{
    m_stopRequested.store(true);
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    m_running.store(false);
    m_stopRequested.store(false);
}

QString AudioCaptureWorker::errorString() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_error;
}

void AudioCaptureWorker::setErrorString(const QString &text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_error = text;
}
