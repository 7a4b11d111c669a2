#include "recording/DrainingSegment.h"

#include "recording/FragmentedMp4.h"
#include "recording/MediaProbe.h"

#include <QFileInfo>
#include <QtDebug>

DrainingSegment::DrainingSegment(QProcess *process, std::unique_ptr<FramePipe> pipe, const QString &path,
                                 qint64 recordedMs, const QElapsedTimer &clock, QObject *parent)
    : QObject(parent)
    , m_process(process)
    , m_pipe(std::move(pipe))
    , m_path(path)
    , m_recordedMs(recordedMs)
    , m_clock(clock)
{
    m_process->setParent(this);
    connect(m_process, &QProcess::readyRead, this, [this] {
        m_output.append(m_process->readAll());
    });
    connect(m_process, &QProcess::finished, this, &DrainingSegment::onFinished);
    m_endWatch = new ProgressWatch(QStringLiteral("[Recorder] the encoder of %1 after its split").arg(m_path), this);
    connect(m_endWatch, &ProgressWatch::stalled, this, &DrainingSegment::kill);
}

DrainingSegment::~DrainingSegment()
{
    if (m_pipe)
        m_pipe->abort();
    if (m_process && m_process->state() != QProcess::NotRunning) {
        disconnect(m_process, nullptr, this, nullptr);
        m_process->kill();
        m_process->waitForFinished(2000);
    }
}

QProcess *DrainingSegment::takeProcess()
{
    QProcess *process = m_process;
    m_process = nullptr;
    if (process) {
        disconnect(process, nullptr, this, nullptr);
        process->setParent(nullptr);
    }
    m_endWatch->stop();
    return process;
}

std::unique_ptr<FramePipe> DrainingSegment::takePipe()
{
    return std::move(m_pipe);
}

bool DrainingSegment::writeFrame(const QImage &frame, qint64 stampUs)
{
    return !m_finishing && m_pipe && m_pipe->write(frame, stampUs);
}

qint64 DrainingSegment::pendingBytes() const
{
    return m_pipe ? m_pipe->pendingBytes() : 0;
}

void DrainingSegment::finish(int limitMs, qint64 pictureUntilUs)
{
    if (m_finishing || !m_process || m_ended) {
        m_finishing = true;
        return;
    }
    m_finishing = true;
    if (m_pipe) {
        // The encoder reads raw frames from its input: it ends when they end.
        m_pipe->finish(pictureUntilUs);
        m_process->closeWriteChannel();
    } else if (!m_endsWithInput) {
        m_process->write("q\n");
    }
    ProgressWatch::Limits limits;
    limits.totalMs = limitMs;
    m_endWatch->start(m_process, QString(), limits);
}

void DrainingSegment::kill()
{
    m_finishing = true;
    if (m_pipe)
        m_pipe->abort();
    if (m_process && m_process->state() != QProcess::NotRunning)
        m_process->kill();
}

void DrainingSegment::waitForEnd(int limitMs)
{
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    finish(limitMs);
    if (!m_process->waitForFinished(limitMs)) {
        kill();
        m_process->waitForFinished(2000);
    }
}

void DrainingSegment::onFinished(int exitCode, QProcess::ExitStatus status)
{
    m_endWatch->stop();
    m_ended = true;
    if (m_pipe)
        m_pipe->abort();
    const QFileInfo file(m_path);
    bool keep = file.exists() && file.size() > 0 && !FragmentedMp4::isHeaderOnly(m_path);
    if (keep && (status != QProcess::NormalExit || exitCode != 0)) {
        qWarning().noquote() << "[Recorder] the encoder of" << m_path << "ended with" << exitCode << "after its split:"
                             << output().right(600).trimmed();
        keep = MediaProbe::isUsableSegment(m_path, 3000);
    }
    emit ended(this, keep);
}
