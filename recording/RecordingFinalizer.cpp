#include "recording/RecordingFinalizer.h"

#include "recording/MediaProbe.h"
#include "recording/NumberText.h"

#include <algorithm>

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

RecordingFinalizer::RecordingFinalizer(QObject *parent)
    : QObject(parent)
    , m_rename([](const QString &from, const QString &to) { return QFile::rename(from, to); })
{
    createSteps();
}

void RecordingFinalizer::createSteps()
{
    m_merger = new SegmentMerger(this);
    m_watermark = new WatermarkPass(this);
    connect(m_merger, &SegmentMerger::finished, this, &RecordingFinalizer::onMergeFinished);
    connect(m_merger, &SegmentMerger::progressChanged, this, [this](int percent, qint64 remaining) {
        if (!m_cancelled)
            emit finalizationProgressChanged(percent, 1, 1, remaining, false);
    });
    connect(m_watermark, &WatermarkPass::finished, this, &RecordingFinalizer::onWatermarkFinished);
    connect(m_watermark, &WatermarkPass::runStarted, this, [this](bool retry) {
        emit finalizingMessageChanged(retry ? tr("正在使用兼容编码器重新添加水印…") : tr("正在添加水印…"));
    });
    connect(m_watermark, &WatermarkPass::progressChanged, this,
            [this](int percent, qint64 remaining, bool cancelable) {
                if (!m_cancelled)
                    emit finalizationProgressChanged(percent, 1, 1, remaining, cancelable);
            });
}

RecordingFinalizer::~RecordingFinalizer()
{
    abandon();
}

void RecordingFinalizer::abandon()
{
    if (!m_active)
        return;
    m_active = false;
    // The children end their processes when they go; they go first so that nothing
    // still writes the files below.
    delete m_merger;
    delete m_watermark;
    createSteps();
    if (!m_watermarkOutput.isEmpty())
        QFile::remove(m_watermarkOutput);
    if (!m_movedSegment.isEmpty()) {
        if (!QFileInfo::exists(m_movedSegment) && m_rename(m_mergeTarget, m_movedSegment))
            m_job.segmentFiles[0] = m_movedSegment;
    } else {
        // A joined file is only a copy while every segment is still there.
        const bool segmentsIntact = std::all_of(m_job.segmentFiles.cbegin(), m_job.segmentFiles.cend(),
                                                [](const QString &seg) { return QFileInfo::exists(seg); });
        if (segmentsIntact)
            QFile::remove(m_mergeTarget);
    }
    qInfo().noquote() << "[Recorder] finalisation abandoned; segments left in" << m_job.partsFolder;
}

void RecordingFinalizer::setRenameFunction(RenameFunction rename)
{
    m_rename = std::move(rename);
}

QString RecordingFinalizer::extensionFor(const FinalizationJob &job)
{
    const QString suffix = QFileInfo(job.outputPath).suffix();
    if (!suffix.isEmpty())
        return suffix;
    return job.merge.audioOnly ? job.merge.audioFormat : job.merge.videoContainer;
}

QString RecordingFinalizer::mergeTargetPath(const FinalizationJob &job)
{
    return job.outputPath + QStringLiteral(".merging.") + extensionFor(job);
}

QString RecordingFinalizer::watermarkTargetPath(const FinalizationJob &job)
{
    const QString suffix = QFileInfo(job.outputPath).suffix();
    return job.outputPath + QStringLiteral(".watermarking.")
        + (suffix.isEmpty() ? job.merge.videoContainer : suffix);
}

QString RecordingFinalizer::uniqueBackupPath(const QString &outputPath)
{
    // An earlier backup may be the only copy left by a swap that failed half-way: never reuse it.
    const QString base = outputPath + QStringLiteral(".vistrelle-backup");
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = QStringLiteral("%1.%2").arg(base).arg(n);
    return candidate;
}

void RecordingFinalizer::start(const FinalizationJob &job)
{
    if (m_active)
        return;
    if (job.segmentFiles.isEmpty()) {
        emit errorOccurred(tr("没有可保存的录制分段。"));
        emit stopped(QString());
        return;
    }
    m_job = job;
    m_mergeTarget = mergeTargetPath(job);
    QFile::remove(m_mergeTarget);
    m_finalSource = m_mergeTarget;
    m_watermarkOutput.clear();
    m_movedSegment.clear();
    m_cancelled = false;
    m_active = true;

    const bool single = job.segmentFiles.size() == 1;
    emit finalizingChanged(true);
    emit finalizationProgressChanged(0, 1, 1, -1, !job.merge.audioOnly && !job.watermarkFilter.isEmpty());
    emit finalizingMessageChanged(single ? tr("正在准备录制文件…") : tr("正在安全合并录制分段…"));

    if (single) {
        if (m_rename(job.segmentFiles.first(), m_mergeTarget)) {
            m_movedSegment = job.segmentFiles.first();
            m_job.segmentFiles[0] = m_mergeTarget;
            continueAfterMerge();
            return;
        }
        qWarning().noquote() << "[Recorder] could not move the only segment; copying it instead";
    }
    MergeSettings merge = job.merge;
    if (merge.durationMs <= 0)
        merge.durationMs = job.recordedMs;
    m_merger->start(m_job.segmentFiles, QDir(job.partsFolder).filePath(QStringLiteral("concat.txt")),
                    m_mergeTarget, single ? false : job.segmentsDiffer, merge);
}

void RecordingFinalizer::onMergeFinished(bool ok, const QString &detail)
{
    if (!m_active)
        return;
    if (ok) {
        continueAfterMerge();
        return;
    }
    if (!SegmentMerger::ranOutOfSpace(detail)) {
        complete(false, detail);
        return;
    }
    // The encoder's own words name no disk and no way out.
    qint64 joined = 0;
    for (const QString &segment : std::as_const(m_job.segmentFiles))
        joined += QFileInfo(segment).size();
    const QString disk = QStorageInfo(QFileInfo(m_mergeTarget).absolutePath()).rootPath();
    qWarning().noquote() << "[Recorder] the join ran out of space:" << detail;
    complete(false, tr("保存磁盘 %1 已满，分段没有合并成一个文件。腾出约 %2 的可用空间后，可以手动合并这些分段。")
                        .arg(QDir::toNativeSeparators(disk), NumberText::size(joined)));
}

void RecordingFinalizer::continueAfterMerge()
{
    if (m_cancelled) {
        emit finalizationWarning(tr("已取消添加水印，已保留无水印原视频。"));
        complete(true, QString());
        return;
    }
    if (!m_job.merge.audioOnly && !m_job.watermarkFilter.isEmpty()) {
        WatermarkJob w;
        w.source = m_finalSource;
        w.output = m_watermarkOutput = watermarkTargetPath(m_job);
        w.filter = m_job.watermarkFilter;
        w.encoder = m_job.watermarkEncoder;
        w.fps = m_job.merge.fps;
        w.keyframeInterval = m_job.keyframeInterval;
        w.videoBitrate = m_job.merge.videoBitrate;
        w.videoContainer = m_job.merge.videoContainer;
        w.durationMs = m_job.recordedMs;
        w.ffmpegProgram = m_job.merge.ffmpegProgram;
        m_watermark->start(w);
        return;
    }
    complete(true, QString());
}

void RecordingFinalizer::onWatermarkFinished(WatermarkPass::Outcome outcome, const QString &)
{
    if (!m_active)
        return;
    switch (outcome) {
    case WatermarkPass::Outcome::Watermarked:
        m_finalSource = m_watermarkOutput;
        complete(true, QString());
        break;
    case WatermarkPass::Outcome::Cancelled:
        emit finalizationWarning(tr("已取消添加水印，已保留无水印原视频。"));
        complete(true, QString());
        break;
    case WatermarkPass::Outcome::Failed:
        emit finalizationWarning(tr("水印处理失败，已保留并保存无水印原视频，录制内容没有丢失。"));
        complete(true, QString());
        break;
    case WatermarkPass::Outcome::MissingSource:
        complete(false, tr("找不到等待添加水印的录制文件。"));
        break;
    }
}

void RecordingFinalizer::cancel()
{
    if (!m_active || m_cancelled)
        return;
    m_cancelled = true;
    emit finalizingMessageChanged(tr("正在安全取消水印处理…"));
    emit finalizationProgressChanged(std::max(0, m_watermark->lastPercent()), 1, 1, -1, false);
    m_watermark->cancel();
}

void RecordingFinalizer::complete(bool success, const QString &detail)
{
    const QString source = m_finalSource.isEmpty() ? m_mergeTarget : m_finalSource;
    const QString output = m_job.outputPath;
    QString error = detail;
    QString backup;

    if (success) {
        if (QFileInfo::exists(output) || QFileInfo(output).isSymLink()) {
            backup = uniqueBackupPath(output);
            if (!m_rename(output, backup)) {
                error = tr("目标文件已存在且无法安全备份；合并结果仍保留在临时文件中。");
                backup.clear();
                success = false;
            }
        }
        if (success && !m_rename(source, output)) {
            error = tr("录制后处理已完成，但无法写入最终文件；结果仍保留在临时文件中。");
            if (!backup.isEmpty() && !m_rename(backup, output))
                qWarning().noquote() << "[Recorder] could not move the earlier file back from" << backup;
            success = false;
        }
    }

    m_active = false;
    if (success) {
        cleanUp(source);
        if (!backup.isEmpty()) {
            qInfo().noquote() << "[Recorder] earlier file of the same name kept as" << backup;
            emit finalizationWarning(tr("同名的原有文件没有被覆盖，已保留为：\n%1")
                                         .arg(QDir::toNativeSeparators(backup)));
        }
        emit finalizingChanged(false);
        emit stopped(output);
        return;
    }

    qWarning().noquote() << "[Recorder] finalisation failed; segments kept in" << m_job.partsFolder
                         << ":" << error.right(400);
    // A partial intermediate (a merge cut short by a full disk) is no copy of anything:
    // it goes unless it plays. The merge target that is the moved only segment always stays.
    if (source == m_mergeTarget && m_movedSegment.isEmpty() && QFileInfo::exists(source)
        && !MediaProbe::isUsableSegment(source, 3000, m_job.merge.ffprobeProgram)) {
        qWarning().noquote() << "[Recorder] unusable partial file removed:" << source;
        QFile::remove(source);
    }
    const QString recoverable = QFileInfo::exists(source)
        ? tr("\n可恢复的后处理文件：%1").arg(QDir::toNativeSeparators(source))
        : QString();
    emit finalizingChanged(false);
    emit errorOccurred(tr("录制后处理失败。为避免录像丢失，原始分段或可恢复文件已保留在：\n%1%2\n\n%3")
                           .arg(QDir::toNativeSeparators(m_job.partsFolder), recoverable, error));
    emit stopped(QString());
}

void RecordingFinalizer::cleanUp(const QString &source)
{
    for (const QString &seg : std::as_const(m_job.segmentFiles)) {
        if (seg != source)
            QFile::remove(seg);
    }
    if (m_mergeTarget != source)
        QFile::remove(m_mergeTarget);
    if (!m_watermarkOutput.isEmpty() && m_watermarkOutput != source)
        QFile::remove(m_watermarkOutput);
    if (!m_job.partsFolder.isEmpty()) {
        QDir parts(m_job.partsFolder);
        parts.remove(QStringLiteral("concat.txt"));
        QDir().rmdir(m_job.partsFolder);
    }
    m_finalSource.clear();
    m_watermarkOutput.clear();
}
