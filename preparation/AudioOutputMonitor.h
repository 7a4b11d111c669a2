#pragma once

#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class PulseMonitorStream;

// Listens to what a playback device (a PulseAudio sink) plays, through the sink's
// monitor source, and reports its peak level for the speaker test. Levels are
// measured on the sound server's thread and posted to the owner's thread, at most
// one per LevelIntervalMs.
class AudioOutputMonitor : public QObject
{
    Q_OBJECT
public:
    static constexpr int LevelIntervalMs = 20;

    explicit AudioOutputMonitor(QObject *parent = nullptr);
    ~AudioOutputMonitor() override;

    // Starts listening to the sink with this id (empty: the default output).
    // False with errorString() when there is no sound server or no such device.
    bool startMonitor(const QString &deviceId);
    bool isRunning() const { return m_running; }
    void stop();
    QString errorString() const { return m_error; }

    // The PulseAudio source that carries what the sink with this id plays.
    static QByteArray monitorSourceFor(const QString &deviceId);

signals:
    void levelChanged(float level);

private:
    void takeSamples(const float *samples, size_t count);

    std::unique_ptr<PulseMonitorStream> m_stream;
    bool m_running = false;
    QString m_error;
    std::atomic<quint64> m_generation{0}; // counts starts and stops; stale levels are dropped

    // Touched on the sound server's thread.
    QMutex m_levelLock;
    float m_pendingPeak = 0.0f;
    QElapsedTimer m_sincePost;
};
