#include "recording/WatermarkPass.h"

#include "recording/ChildProcessLifetime.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <csignal>

WatermarkPass::WatermarkPass(QObject *parent)
    : QObject(parent)
{
}

WatermarkPass::~WatermarkPass()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(5000);
    }
}

QStringList WatermarkPass::encoderOptions(const QString &encoder, int kbps)
{
    const QString e = encoder.toLower();
    const QString rate = QStringLiteral("%1k").arg(kbps);
    if (e.contains(QLatin1String("libx264")))
        return {QStringLiteral("-preset"), QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"),
                QStringLiteral("yuv420p"), QStringLiteral("-b:v"), rate, QStringLiteral("-profile:v"),
                QStringLiteral("high")};
    if (e.contains(QLatin1String("libx265")))
        return {QStringLiteral("-preset"), QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"),
                QStringLiteral("yuv420p"), QStringLiteral("-b:v"), rate};
    if (e.contains(QLatin1String("nvenc")))
        return {QStringLiteral("-preset"), QStringLiteral("p4"), QStringLiteral("-pix_fmt"),
                QStringLiteral("yuv420p"), QStringLiteral("-b:v"), rate};
    if (e.contains(QLatin1String("qsv")))
        return {QStringLiteral("-preset"), QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"),
                QStringLiteral("nv12"), QStringLiteral("-b:v"), rate};
    if (e.contains(QLatin1String("amf")))
        return {QStringLiteral("-quality"), QStringLiteral("balanced"), QStringLiteral("-pix_fmt"),
                QStringLiteral("nv12"), QStringLiteral("-b:v"), rate};
    if (e.contains(QLatin1String("_mf")))
        return {QStringLiteral("-hw_encoding"), QStringLiteral("1"), QStringLiteral("-rate_control"),
                QStringLiteral("cbr"), QStringLiteral("-scenario"), QStringLiteral("archive"),
                QStringLiteral("-pix_fmt"), QStringLiteral("nv12"), QStringLiteral("-b:v"), rate};
    return {QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-b:v"), rate};
}

QStringList WatermarkPass::arguments(const WatermarkJob &job, const QString &encoder)
{
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("warning"),
                     QStringLiteral("-nostats"), QStringLiteral("-progress"), QStringLiteral("pipe:1"),
                     QStringLiteral("-stats_period"), QStringLiteral("0.25"), QStringLiteral("-y"),
                     QStringLiteral("-i"), job.source, QStringLiteral("-map"), QStringLiteral("0:v:0"),
                     QStringLiteral("-map"), QStringLiteral("0:a?"), QStringLiteral("-vf"), job.filter,
                     QStringLiteral("-c:v"), encoder};
    args << encoderOptions(encoder, job.videoBitrate);
    args << QStringLiteral("-g") << QString::number(std::max(1, job.fps * job.keyframeInterval))
         << QStringLiteral("-fps_mode") << QStringLiteral("vfr") << QStringLiteral("-c:a")
         << QStringLiteral("copy");
    if (job.videoContainer == QLatin1String("mp4"))
        args << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    args << job.output;
    return args;
}

void WatermarkPass::start(const WatermarkJob &job)
{
    if (m_running)
        return;
    m_job = job;
    m_retried = false;
    m_cancelled = false;
    m_progress.reset(job.durationMs);
    if (job.source.isEmpty() || !QFileInfo::exists(job.source)) {
        emit finished(Outcome::MissingSource, QString());
        return;
    }
    run(job.encoder.isEmpty() ? QStringLiteral("libx264") : job.encoder);
}

void WatermarkPass::cancel()
{
    if (!m_running || m_cancelled)
        return;
    m_cancelled = true;
    if (m_process && m_process->state() != QProcess::NotRunning) {
        qInfo().noquote() << "[Recorder watermark] cancellation requested";
        m_process->kill();
    }
}

void WatermarkPass::run(const QString &encoder)
{
    m_encoder = encoder;
    QFile::remove(m_job.output);
    m_running = true;
    m_progress.reset(m_job.durationMs);
    m_timer.start();
    emit runStarted(m_retried);
    emit progressChanged(0, -1, true);

    const QStringList args = arguments(m_job, encoder);
    qInfo().noquote() << QStringLiteral("[Recorder watermark] source=%1 destination=%2 encoder=%3 filter=%4")
                             .arg(m_job.source, m_job.output, encoder, m_job.filter);
    auto *process = new QProcess(this);
    process->setProcessChannelMode(QProcess::MergedChannels);
    makeChildEndWithProgram(*process, SIGKILL); // nothing would take its output
    m_process = process;
    connect(process, &QProcess::readyRead, this, [this, process] { onReadyRead(process); });
    connect(process, &QProcess::finished, this, [this, process](int code, QProcess::ExitStatus status) {
        onEnded(process, code == 0 && status == QProcess::NormalExit);
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            onEnded(process, false);
    });
    process->start(m_job.ffmpegProgram, args, QIODevice::ReadOnly);
}

void WatermarkPass::onReadyRead(QProcess *process)
{
    if (process != m_process)
        return;
    const QByteArray chunk = process->readAll();
    if (!chunk.trimmed().isEmpty())
        qInfo().noquote() << "[Watermark output]" << QString::fromLocal8Bit(chunk).trimmed();
    const auto update = m_progress.feed(chunk, m_timer.isValid() ? m_timer.elapsed() : -1);
    if (update)
        emit progressChanged(update->percent, update->remainingSeconds, true);
}

void WatermarkPass::onEnded(QProcess *process, bool ok)
{
    if (process != m_process)
        return;
    m_progress.feed(process->readAll(), -1);
    QString detail = QString::fromLocal8Bit(m_progress.buffer()).right(1600);
    if (process->error() == QProcess::FailedToStart)
        detail = QStringLiteral("%1: %2").arg(m_job.ffmpegProgram, process->errorString());
    const QFileInfo out(m_job.output);
    ok = ok && out.exists() && out.size() > 0;
    m_process = nullptr;
    process->deleteLater();
    m_running = false;

    if (m_cancelled) {
        QFile::remove(m_job.output);
        emit finished(Outcome::Cancelled, QString());
    } else if (ok) {
        emit progressChanged(100, 0, false);
        emit finished(Outcome::Watermarked, QString());
    } else if (!m_encoder.contains(QLatin1String("libx"), Qt::CaseInsensitive) && !m_retried) {
        QFile::remove(m_job.output);
        m_retried = true;
        qWarning().noquote() << "[Recorder watermark] hardware pass failed; retrying with libx264:" << detail;
        run(QStringLiteral("libx264"));
    } else {
        QFile::remove(m_job.output);
        qWarning().noquote() << "[Recorder watermark] failed; publishing original recording:" << detail;
        emit finished(Outcome::Failed, detail);
    }
}
