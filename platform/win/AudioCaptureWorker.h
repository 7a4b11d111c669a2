#pragma once

#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// State shared by the WASAPI capture classes: the worker thread with its stop
// handshake, the last error and the sample format the worker would deliver.
// On this platform no worker is ever started; stop() still honours the contract.
class AudioCaptureWorker
{
public:
    AudioCaptureWorker() = default;
    ~AudioCaptureWorker();

    AudioCaptureWorker(const AudioCaptureWorker &) = delete;
    AudioCaptureWorker &operator=(const AudioCaptureWorker &) = delete;

    void stop();
    bool isRunning() const { return m_running.load(); }

    QString errorString() const;
    void setErrorString(const QString &text);

    QString sampleFormat() const { return QStringLiteral("f32le"); }
    int sampleRate() const { return 48000; }
    int channelCount() const { return 2; }

private:
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::atomic<bool> m_stopRequested{false};
    std::atomic<bool> m_running{false};
    QString m_error;
};
