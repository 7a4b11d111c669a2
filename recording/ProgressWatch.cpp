#include "recording/ProgressWatch.h"

#include "recording/ChildProcessLifetime.h"

#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QtDebug>

ProgressWatch::ProgressWatch(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_timer(new QTimer(this))
    , m_deadline(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &ProgressWatch::check);
    m_deadline->setSingleShot(true);
    m_deadline->setTimerType(Qt::PreciseTimer);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        if (stillRuns())
            end("has not ended after", m_sinceStart.elapsed());
    });
}

void ProgressWatch::start(QProcess *process, const QString &file, const Limits &limits)
{
    m_process = process;
    m_pid = process ? process->processId() : 0;
    m_file = file;
    m_limits = limits;
    m_fileBytes = file.isEmpty() ? -1 : QFileInfo(file).size();
    m_ended = false;
    m_sinceStart.start();
    m_sinceProgress.start();
    m_timer->stop();
    m_deadline->stop();
    if (limits.withoutProgressMs > 0)
        m_timer->start(limits.checkEveryMs);
    if (limits.totalMs > 0)
        m_deadline->start(limits.totalMs);
}

void ProgressWatch::stop()
{
    m_timer->stop();
    m_deadline->stop();
    m_process = nullptr;
}

void ProgressWatch::noteProgress()
{
    if (isWatching())
        m_sinceProgress.start();
}

bool ProgressWatch::isWatching() const
{
    return m_timer->isActive() || m_deadline->isActive();
}

bool ProgressWatch::stillRuns()
{
    // Its run has ended, or the object runs another program now.
    if (!m_process || m_process->state() == QProcess::NotRunning
        || (m_pid != 0 && m_process->processId() != m_pid)) {
        stop();
        return false;
    }
    if (m_pid == 0)
        m_pid = m_process->processId();
    return true;
}

void ProgressWatch::check()
{
    if (!stillRuns())
        return;
    if (!m_file.isEmpty()) {
        const qint64 bytes = QFileInfo(m_file).size();
        if (bytes != m_fileBytes) {
            m_fileBytes = bytes;
            m_sinceProgress.start();
        }
    }
    if (m_sinceProgress.elapsed() >= m_limits.withoutProgressMs)
        end("shows no progress for", m_sinceProgress.elapsed());
}

void ProgressWatch::end(const char *why, qint64 ms)
{
    QProcess *process = m_process;
    stop();
    m_ended = true;
    qWarning().noquote() << m_name << why << ms << "ms; ending it. Its threads wait in:"
                         << childThreadWaits(process->processId());
    process->kill();
    emit stalled();
}
