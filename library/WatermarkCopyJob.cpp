#include "library/WatermarkCopyJob.h"

#include "library/FfmpegJob.h"
#include "recording/ChildProcessLifetime.h"
#include "recording/EncoderCommandLine.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <signal.h>

WatermarkCopyJob::WatermarkCopyJob(QObject *parent)
    : QObject(parent)
{
}

WatermarkCopyJob::~WatermarkCopyJob()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(3000);
    }
    // m_dir removes the folder and what is left in it.
}

WatermarkCopyJob::PrepareError WatermarkCopyJob::prepare(const QString &sourceFolder, const QString &text)
{
    m_dir = std::make_unique<QTemporaryDir>(QDir(sourceFolder).filePath(QStringLiteral(".Vistrelle-watermark-XXXXXX")));
    if (!m_dir->isValid()) {
        m_dir.reset();
        return PrepareError::Folder;
    }
    QFile file(m_dir->filePath(QStringLiteral("watermark.txt")));
    const QByteArray bytes = text.toUtf8();
    bool ok = file.open(QIODevice::WriteOnly);
    ok = ok && file.write(bytes) == bytes.size();
    ok = ok && file.flush();
    file.close();
    if (!ok) {
        m_dir.reset();
        return PrepareError::TextFile;
    }
    return PrepareError::None;
}

QStringList WatermarkCopyJob::arguments(const QString &source, const QString &filter, const QString &temporaryOutput)
{
    return QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"), QStringLiteral("-n")}
           + EncoderCommandLine::describedInput(source)
           + QStringList{QStringLiteral("-map"),      QStringLiteral("0:v:0"),    QStringLiteral("-map"),
                         QStringLiteral("0:a?"),      QStringLiteral("-vf"),      filter,
                         QStringLiteral("-c:v"),      QStringLiteral("libx264"),  QStringLiteral("-preset"),
                         QStringLiteral("veryfast"),  QStringLiteral("-crf"),     QStringLiteral("19"),
                         QStringLiteral("-pix_fmt"),  QStringLiteral("yuv420p"),  QStringLiteral("-c:a"),
                         QStringLiteral("aac"),       QStringLiteral("-b:a"),     QStringLiteral("192k"),
                         QStringLiteral("-movflags"), QStringLiteral("+faststart"), QStringLiteral("-progress"),
                         QStringLiteral("pipe:1"),    temporaryOutput};
}

QString WatermarkCopyJob::folder() const
{
    return m_dir ? m_dir->path() : QString();
}

QString WatermarkCopyJob::temporaryOutput() const
{
    return m_dir ? m_dir->filePath(QStringLiteral("output.mp4")) : QString();
}

void WatermarkCopyJob::removeFolder()
{
    m_dir.reset();
}

bool WatermarkCopyJob::isRunning() const
{
    return m_process && !m_done;
}

void WatermarkCopyJob::start(const QString &program, const QString &source, const QString &filter,
                             double durationSeconds)
{
    m_progress.reset(durationSeconds > 0 ? qint64(durationSeconds * 1000.0) : 0);
    auto *process = new QProcess(this);
    m_process = process;
    makeChildEndWithProgram(*process, SIGKILL);
    process->setWorkingDirectory(folder());
    connect(process, &QProcess::readyReadStandardError, this, [this, process] {
        m_errors.append(process->readAllStandardError());
    });
    connect(process, &QProcess::readyReadStandardOutput, this, [this, process] {
        // The progress reader keeps only a bounded tail of what it was given.
        if (const auto update = m_progress.feed(process->readAllStandardOutput(), -1))
            emit progressChanged(update->percent);
    });
    connect(process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        finish(code == 0 && status == QProcess::NormalExit);
    });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(false);
    });
    process->start(program, arguments(source, filter, temporaryOutput()), QIODevice::ReadWrite);
}

void WatermarkCopyJob::cancel()
{
    m_cancelled = true;
    if (m_process)
        m_process->kill();
}

void WatermarkCopyJob::finish(bool success)
{
    if (m_done || !m_process)
        return;
    m_done = true;
    m_errors.append(m_process->readAllStandardError());
    QString errorText = QString::fromUtf8(m_errors.tail());
    if (errorText.size() > 1500)
        errorText = errorText.right(1500);
    if (m_process->error() == QProcess::FailedToStart && errorText.isEmpty())
        errorText = m_process->errorString();
    m_process->deleteLater();
    m_process = nullptr;
    // The box names the cause; the diagnostic log keeps the whole output.
    if (!success && !m_cancelled)
        qWarning().noquote() << "[Watermark] ffmpeg failed with this output:\n" + errorText;
    emit ended(success, success ? errorText : ffmpegFailureCause(errorText));
}
