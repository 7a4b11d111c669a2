// The Recorder's half-second policy tick (statistics, auto-stop, auto-split, free space)
// and the live switches of audio sources and the webcam.
#include "recording/Recorder.h"
#include "recording/SegmentChain.h"

#include "recording/NumberText.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QtDebug>

#include <algorithm>
#include <utility>

// ---------------------------------------------------------------------------
// Policies and live switches
// ---------------------------------------------------------------------------

RecordingPolicy::Snapshot Recorder::policySnapshot() const
{
    RecordingPolicy::Snapshot s;
    s.active = recordingActive;
    s.paused = recordingPaused;
    s.endPending = pendingReason != SegmentEndReason::None;
    s.encoderRunning = chain->encoder()->state() == QProcess::Running;
    s.recordingMs = recordingTimer.isValid() ? recordingTimer.elapsed() : -1;
    s.segmentMs = segmentTimer.isValid() ? segmentTimer.elapsed() : -1;
    return s;
}

qint64 Recorder::estimatedDisplayBytes(qint64 actualBytes) const
{
    return RecordingPolicy::estimatedDisplayBytes(actualBytes, audioOnly, audioFormat, audioBitrate,
                                                  finishedSegmentsMs,
                                                  segmentTimer.isValid() ? segmentTimer.elapsed() : -1);
}

void Recorder::checkRecordingPolicies()
{
    RecordingPolicy::Snapshot s = policySnapshot();
    if (!RecordingPolicy::tickApplies(s))
        return;
    s.segmentBytes = currentSegmentBytes();
    s.totalBytes = totalRecordedBytes();
    emit recordingStatsUpdated(estimatedDisplayBytes(s.totalBytes), outputPath);

    watchSoundServer();
    if (partsFolderRemoved()) {
        // Recorded from now on into the folder made again, or stopped when it cannot be.
        if (remakeRemovedFolder()) {
            requestRestart();
        } else {
            pendingReason = SegmentEndReason::Stop;
            stopCurrentSegment();
        }
        return;
    }
    if (stopForLowSpace(s))
        return;
    const RecordingPolicy::Limit stopLimit{autoStopEnabled, autoStopMode, autoStopMinutes, autoStopMegabytes};
    const RecordingPolicy::Limit splitLimit{autoSplitEnabled, autoSplitMode, autoSplitMinutes, autoSplitMegabytes};
    switch (RecordingPolicy::decide(stopLimit, splitLimit, s)) {
    case RecordingPolicy::Action::Stop:
        qInfo().noquote() << "[Recorder] automatic stop";
        pendingReason = SegmentEndReason::Stop;
        stopCurrentSegment();
        break;
    case RecordingPolicy::Action::Split:
        qInfo().noquote() << "[Recorder] automatic split after" << s.segmentMs << "ms," << s.segmentBytes << "bytes";
        requestRestart();
        break;
    case RecordingPolicy::Action::None:
        break;
    }
}

bool Recorder::stopForLowSpace(const RecordingPolicy::Snapshot &snapshot)
{
    if (lowSpaceStopBytes <= 0 || snapshot.endPending || partsFolder().isEmpty())
        return false;
    const QStorageInfo saveDisk(partsFolder());
    if (!saveDisk.isValid() || saveDisk.bytesAvailable() >= lowSpaceStopBytes)
        return false;
    qWarning().noquote() << "[Recorder] stopping: only" << saveDisk.bytesAvailable() << "bytes free on the save disk";
    // Stopped first, told once the recording has ended: a message must not hold the
    // encoder while the disk fills.
    noteSaveDiskStop();
    pendingReason = SegmentEndReason::Stop;
    stopCurrentSegment();
    return true;
}

bool Recorder::saveDiskFull() const
{
    if (encoderOutput.contains(QLatin1String("No space left on device")))
        return true;
    const QStorageInfo saveDisk(partsFolder());
    return lowSpaceStopBytes > 0 && saveDisk.isValid() && saveDisk.bytesAvailable() < lowSpaceStopBytes;
}

qint64 Recorder::keptSegmentBytes() const
{
    qint64 bytes = 0;
    for (const QString &segment : segmentFiles())
        bytes += QFileInfo(segment).size();
    return bytes;
}

void Recorder::noteSaveDiskStop()
{
    const QStorageInfo saveDisk(partsFolder());
    saveDiskStopRoot = QDir::toNativeSeparators(saveDisk.rootPath());
    saveDiskStopFull = encoderOutput.contains(QLatin1String("No space left on device"))
                       || (saveDisk.isValid() && saveDisk.bytesAvailable() < (1 << 20));
    saveDiskStopParts = QDir::toNativeSeparators(partsFolder());
}

void Recorder::tellSaveDiskStop(const QString &path)
{
    if (saveDiskStopRoot.isEmpty())
        return;
    const QString root = std::exchange(saveDiskStopRoot, QString());
    const QStringList segments = segmentFiles();
    if (path.isEmpty() && segments.size() > 1) {
        // The join writes a file as large as the segments together on the same disk.
        const qint64 joined = keptSegmentBytes();
        const QStorageInfo disk(saveDiskStopParts);
        emit errorOccurred((saveDiskStopFull ? tr("保存磁盘 %1 已满，录制已停止。录像保留为 %2 个分段，位于：\n%3\n"
                                                  "把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。"
                                                  "腾出空间后，可以手动合并这些分段。")
                                               : tr("保存磁盘 %1 已快满，录制已停止。录像保留为 %2 个分段，位于：\n%3\n"
                                                  "把它们合并成一个文件还需要约 %4 的可用空间（现在可用 %5）。"
                                                  "腾出空间后，可以手动合并这些分段。"))
                               .arg(root)
                               .arg(segments.size())
                               .arg(saveDiskStopParts, NumberText::size(joined),
                                    NumberText::size(disk.isValid() ? disk.bytesAvailable() : 0)));
    } else if (path.isEmpty()) {
        emit errorOccurred((saveDiskStopFull ? tr("保存磁盘 %1 已满，录制已停止。已录下的分段保留在：\n%2")
                                             : tr("保存磁盘 %1 已快满，录制已停止。已录下的分段保留在：\n%2"))
                               .arg(root, saveDiskStopParts));
    } else {
        emit errorOccurred((saveDiskStopFull ? tr("保存磁盘 %1 已满，录制已停止并已保存为：\n%2")
                                             : tr("保存磁盘 %1 已快满，录制已停止并已保存为：\n%2"))
                               .arg(root, QDir::toNativeSeparators(path)));
    }
}

void Recorder::switchSystemAudioDuringRecording(bool on)
{
    switchAudioSourceDuringRecording(systemAudioEnabled, on);
}

void Recorder::switchMicrophoneDuringRecording(bool on)
{
    switchAudioSourceDuringRecording(micEnabled, on);
}

// An audio source switched on or off changes the streams of the next segment:
// close the running one and mark the chain as mixed so that the merge re-encodes.
void Recorder::switchAudioSourceDuringRecording(bool &source, bool on)
{
    if (on == source)
        return;
    source = on;
    if (!RecordingPolicy::liveSwitchRestarts(policySnapshot()))
        return;
    segmentsDiffer = true;
    requestRestart();
}

void Recorder::switchWebcamDuringRecording(bool on)
{
    if (on == webcamEnabled)
        return;
    webcamEnabled = on;
    if (audioOnly || !RecordingPolicy::liveSwitchRestarts(policySnapshot()))
        return;
    requestRestart();
}
