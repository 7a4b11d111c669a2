// What a running recording loses on the way and goes on without: its sound server, and the
// folder its segments are written into.
#include "recording/Recorder.h"
#include "recording/SegmentChain.h"

#include <QDir>
#include <QFileInfo>
#include <QtDebug>

void Recorder::watchSoundServer()
{
    // The captures pad their pipes with silence and connect again by themselves: the
    // recording only has to say so, once for each time the server goes away.
    const bool lost = chain->audio().soundServerLost();
    if (lost && !soundServerLossTold) {
        qWarning() << "[Recorder] the sound server went away; the recording goes on with silence";
        emit recordingInterrupted(tr("声音服务器已断开。录制仍在继续，这段时间的声音录为静音；声音服务器恢复后会自动继续录音。"));
    } else if (!lost && soundServerLossTold) {
        qInfo() << "[Recorder] the sound server is back";
    }
    soundServerLossTold = lost;
    // A removed microphone: the server records its fallback source in its place.
    if (!micReplacementTold && chain->audio().sourceReplaced(SegmentAudioPipes::Microphone)) {
        micReplacementTold = true;
        emit recordingInterrupted(tr("所选麦克风已断开，录制改为使用系统默认的输入设备继续录音。"));
    }
}

bool Recorder::partsFolderRemoved() const
{
    return !partsFolder().isEmpty() && !QFileInfo(partsFolder()).isDir();
}

bool Recorder::remakeRemovedFolder()
{
    const QString saveFolder = QFileInfo(outputPath).absolutePath();
    // The outermost folder that went is the one the user removed.
    const QString removed = QDir::toNativeSeparators(QFileInfo(saveFolder).isDir() ? partsFolder() : saveFolder);
    qWarning().noquote() << "[Recorder] the recording's folder was removed while recording:" << removed;
    // What it held is gone; anything still there stays part of the recording.
    chain->forgetRemovedSegments();
    finishedSegmentsMs = chain->drainingMs();
    QString error;
    if (!createFolder(saveFolder, &error) || !createFolder(partsFolder(), &error)) {
        qWarning().noquote() << "[Recorder] the removed folder cannot be made again:" << error;
        folderLossText = tr("录制文件夹在录制中被删除，已录下的内容随文件夹一起被删除：%1\n"
                            "该文件夹无法重新创建，录制已停止。\n%2")
                             .arg(removed, error);
        return false;
    }
    emit recordingInterrupted(tr("录制文件夹在录制中被删除，此前录下的内容已随文件夹一起被删除：%1\n"
                                 "已重新创建该文件夹，录制继续，此后的内容会正常保存。")
                                  .arg(removed));
    return true;
}
