#include "platform/mac/CaptureWorkerThread.h"

#include <chrono>

CaptureWorkerThread::~CaptureWorkerThread()
{
    // Only reached once the thread let go of its reference: either it was joined,
    // or it was detached and has finished.
    if (m_thread.joinable())
        m_thread.detach();
}

void CaptureWorkerThread::setSink(std::function<void(QImage)> sink,
                                  std::function<void(QString)> lossSink)
{
    std::lock_guard lock(m_sinkMutex);
    m_sink = std::move(sink);
    m_lossSink = std::move(lossSink);
}

void CaptureWorkerThread::launch()
{
    std::shared_ptr<CaptureWorkerThread> self = shared_from_this();
    m_thread = std::thread([self] {
        self->run();
        std::lock_guard lock(self->m_mutex);
        self->m_finished = true;
        self->m_changed.notify_all();
    });
}

bool CaptureWorkerThread::waitForPhase(Phase phase, int timeoutMs, QString *failure)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                       [&] { return m_failed || m_finished || m_phase >= phase; });
    if (m_failed) {
        if (failure)
            *failure = m_error;
        return false;
    }
    if (failure)
        failure->clear();
    return m_phase >= phase;
}

void CaptureWorkerThread::shutdown(int timeoutMs)
{
    setSink({});
    m_running = false;
    bool finished = false;
    {
        std::unique_lock lock(m_mutex);
        m_changed.notify_all();
        finished = m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                      [this] { return m_finished; });
    }
    if (!m_thread.joinable())
        return;
    if (finished && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
    else
        m_thread.detach(); // stuck in the X server; it keeps its own reference
}

bool CaptureWorkerThread::isFinished() const
{
    std::lock_guard lock(m_mutex);
    return m_finished;
}

void CaptureWorkerThread::enterPhase(Phase phase)
{
    std::lock_guard lock(m_mutex);
    m_phase = phase;
    m_changed.notify_all();
}

void CaptureWorkerThread::fail(const QString &error)
{
    std::lock_guard lock(m_mutex);
    m_failed = true;
    m_error = error;
    m_changed.notify_all();
}

void CaptureWorkerThread::deliver(QImage frame)
{
    std::lock_guard lock(m_sinkMutex);
    if (m_sink)
        m_sink(std::move(frame));
}

void CaptureWorkerThread::reportLoss(const QString &reason)
{
    std::lock_guard lock(m_sinkMutex);
    if (m_lossSink)
        m_lossSink(reason);
    m_lossSink = nullptr;
}

void CaptureWorkerThread::waitUntil(std::chrono::steady_clock::time_point when)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_until(lock, when, [this] { return !m_running.load(); });
}

std::chrono::steady_clock::time_point CaptureWorkerThread::nextBeat(std::chrono::steady_clock::time_point due,
                                                                    std::chrono::microseconds interval,
                                                                    std::chrono::steady_clock::time_point now)
{
    due += interval;
    if (due < now - interval)
        due += ((now - due) / interval) * interval;
    return due;
}
