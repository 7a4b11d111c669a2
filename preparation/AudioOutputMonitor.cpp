#include "preparation/AudioOutputMonitor.h"

#include "platform/mac/PulseMonitorStream.h"

#include <QMetaObject>

#include <algorithm>
#include <cmath>

namespace {
const int ConnectTimeoutMs = 2000;
}

AudioOutputMonitor::AudioOutputMonitor(QObject *parent) : QObject(parent) {}

AudioOutputMonitor::~AudioOutputMonitor()
{
    stop();
}

QByteArray AudioOutputMonitor::monitorSourceFor(const QString &deviceId)
{
    if (deviceId.isEmpty())
        return QByteArray();
    return deviceId.toUtf8() + ".monitor";
}

bool AudioOutputMonitor::startMonitor(const QString &deviceId)
{
    stop();
    m_error.clear();
    m_stream = std::make_unique<PulseMonitorStream>();
    m_stream->setSourceName(monitorSourceFor(deviceId));
    {
        QMutexLocker locker(&m_levelLock);
        m_pendingPeak = 0.0f;
        m_sincePost.start();
    }
    ++m_generation;
    m_running = true;
    QString error;
    const bool started = m_stream->start(
        [this](const float *samples, size_t count) {
            if (samples) // a hole the server lost shows nothing
                takeSamples(samples, count);
        },
        ConnectTimeoutMs, &error);
    if (!started) {
        m_running = false;
        m_stream.reset();
        m_error = error;
        return false;
    }
    return true;
}

void AudioOutputMonitor::stop()
{
    ++m_generation;
    m_running = false;
    if (m_stream) {
        m_stream->stop(); // joins the sound server's thread: no sample arrives after this
        m_stream.reset();
    }
}

void AudioOutputMonitor::takeSamples(const float *samples, size_t count)
{
    float peak = 0.0f;
    for (size_t i = 0; i < count; ++i) {
        if (std::isfinite(samples[i]))
            peak = std::max(peak, std::abs(samples[i]));
    }
    QMutexLocker locker(&m_levelLock);
    m_pendingPeak = std::max(m_pendingPeak, std::min(peak, 1.0f));
    if (m_sincePost.elapsed() < LevelIntervalMs)
        return;
    const float level = m_pendingPeak;
    m_pendingPeak = 0.0f;
    m_sincePost.restart();
    locker.unlock();
    // Runs on this object's thread; a level posted before a stop is dropped there.
    QMetaObject::invokeMethod(
        this,
        [this, level, generation = m_generation.load()] {
            if (m_running && generation == m_generation)
                emit levelChanged(level);
        },
        Qt::QueuedConnection);
}
