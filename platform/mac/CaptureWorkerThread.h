#pragma once

#include <QImage>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Base of the capture threads: a std::thread that runs `run()`, reports how far its
// start got, hands frames to a sink that can be cut off at any time, and can be
// stopped with a time limit. The thread holds a reference to the worker, so a thread
// that does not finish in time is left to end on its own without touching its owner.
class CaptureWorkerThread : public std::enable_shared_from_this<CaptureWorkerThread>
{
public:
    enum class Phase { Starting, Listed, Running };

    virtual ~CaptureWorkerThread();

    // Frames go to `sink`; `lossSink` hears once that the source went away.
    void setSink(std::function<void(QImage)> sink, std::function<void(QString)> lossSink = {});
    void launch();
    // Waits until the start reached `phase`; false on a failure (its text in
    // *failure) or when the time runs out (*failure empty).
    bool waitForPhase(Phase phase, int timeoutMs, QString *failure);
    // Cuts off the sink (no frame is delivered after this returns), asks the thread
    // to end and waits for it at most `timeoutMs`.
    void shutdown(int timeoutMs);
    bool isFinished() const;

protected:
    virtual void run() = 0;
    bool isRunning() const { return m_running.load(); }
    void enterPhase(Phase phase);
    void fail(const QString &error);
    void deliver(QImage frame);
    void reportLoss(const QString &reason);
    // Sleeps until the time point or until shutdown() is called.
    void waitUntil(std::chrono::steady_clock::time_point when);
    // When the grab after the one due at `due` is due, on the beat of `interval`: a beat on,
    // or, once that lies more than a beat in the past at `now`, the latest beat gone by. Grabs
    // missed are skipped rather than made in a burst, and the beat never moves: the encoder's
    // frame grid and the sound's start follow the beat of the first grabs.
    static std::chrono::steady_clock::time_point nextBeat(std::chrono::steady_clock::time_point due,
                                                          std::chrono::microseconds interval,
                                                          std::chrono::steady_clock::time_point now);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::mutex m_sinkMutex;
    std::function<void(QImage)> m_sink;
    std::function<void(QString)> m_lossSink;
    std::atomic_bool m_running{true};
    Phase m_phase = Phase::Starting;
    bool m_failed = false;
    bool m_finished = false;
    QString m_error;
    std::thread m_thread;
};
