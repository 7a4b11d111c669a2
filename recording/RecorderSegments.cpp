// The start road and the segment chain of the Recorder: preflight, launching, ending and
// finishing segments.
#include "recording/Recorder.h"
#include "platform/mac/DisplayGeometry.h"
#include "recording/SegmentChain.h"
#include "recording/SegmentCut.h"
#include "platform/mac/RecordingClock.h"

#include "platform/win/WasapiLoopbackCapture.h"
#include "platform/win/WasapiMicrophoneCapture.h"
#include "platform/mac/MacScreenCapture.h"
#include "platform/mac/MacSystemAudioCapture.h"
#include "platform/mac/WindowFrameSource.h"
#include "recording/AudioDeviceChoice.h"
#include "recording/ChildProcessLifetime.h"
#include "recording/CaptureGeometry.h"
#include "recording/DrainingSegment.h"
#include "recording/EncoderProbe.h"
#include "recording/FragmentedMp4.h"
#include "recording/MediaProbe.h"
#include "recording/RecordingFinalizer.h"
#include "recording/ToolLookup.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QThreadPool>
#include <QtConcurrent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QThreadPool>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

// ---------------------------------------------------------------------------
// Start road
// ---------------------------------------------------------------------------

namespace {

QString audioEncoderLabel(const QString& format)
{
    if (format == QLatin1String("wav"))
        return QStringLiteral("PCM");
    if (format == QLatin1String("m4a"))
        return QStringLiteral("AAC");
    if (format == QLatin1String("flac"))
        return QStringLiteral("FLAC");
    return QStringLiteral("MP3");
}

bool isAutomaticEncoder(const QString& requested)
{
    return requested.trimmed().isEmpty() || requested == QLatin1String("auto");
}

// Chooses the video encoder for a start and test-runs it at the capture size. Runs on
// a pool thread and touches nothing but its arguments and the shared probe caches.
QString preflightEncoder(const QString& requested, const QSize& native, int fps)
{
    const QString software = QStringLiteral("libx264");
    if (!isAutomaticEncoder(requested))
        return Recorder::encoderWorksAtSize(requested, native, fps) ? requested : software;
    for (const char* candidate : {"h264_videotoolbox", "h264_nvenc", "h264_qsv", "h264_amf", "h264_mf"}) {
        if (Recorder::encoderWorksAtSize(QLatin1String(candidate), native, fps))
            return QLatin1String(candidate);
    }
    if (!native.isValid() || !CaptureGeometry::exceeds1080p(native)
        || (native.width() >= 3000 && native.height() >= 2000)) {
        return software;
    }
    const QString toolbox = QStringLiteral("h264_videotoolbox");
    return Recorder::encoderWorksAtSize(toolbox, CaptureGeometry::fitWithin1080p(native), fps) ? toolbox : software;
}

QString sizeText(const QSize& size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

} // namespace

void Recorder::prepareStart()
{
    if (recordingActive || preparing || launch.inFlight() || finalizing
        || chain->encoder()->state() != QProcess::NotRunning || chain->isDraining())
        return;
    prepareOnly = true;
    start();
}

void Recorder::start()
{
    // A start during the wait for a window's first frame would take its place.
    if (waitingForWindowFrame())
        return;
    if (preparing) {
        if (prepareOnly) {
            prepareOnly = false;
            if (prepared && !awaitingFourKDecision)
                activatePreparedStart();
        }
        return;
    }
    if (recordingActive || launch.inFlight() || finalizing || chain->encoder()->state() != QProcess::NotRunning
        || chain->isDraining())
        return;
    prepared = false;
    outputSize = QSize(-1, -1);
    captureStreamSize = QSize(-1, -1);
    awaitingFourKDecision = false;
    fourKDecisionMidRecording = false;
    softwarePresetForced = false;
    preparing = true;
    const int generation = ++startGeneration;
    const QString requested = requestedEncoder;
    const QSize native = nativeDesktopCaptureSize();
    const int targetFps = fps;

    auto* watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcher<QString>::finished, this, [this, watcher, generation, requested, native] {
        watcher->deleteLater();
        onPreflightFinished(watcher->result(), generation, requested, native);
    });
    watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [requested, native, targetFps] {
        return preflightEncoder(requested, native, targetFps);
    }));
}

QString Recorder::startWaitReason() const
{
    if (preparing && !prepared && !prepareOnly)
        return tr("正在等待 FFmpeg 检测编码器…");
    // The recording toolbar is in a recorded screen's picture: the first frames the encoder
    // takes would show the wait. A screen recording waits with the toolbar's clock at zero.
    const bool toolbarRecorded = !audioOnly && captureBackend != FramesBackend;
    if (recordingActive && awaitingFirstMedia && !startedEmitted && !toolbarRecorded)
        return tr("正在等待 FFmpeg 开始录制…");
    return QString();
}

void Recorder::onPreflightFinished(const QString& encoder, int generation, const QString& requested,
                                   const QSize& native)
{
    if (!preparing || generation != startGeneration)
        return;
    if (audioOnly) {
        selectedEncoder = audioEncoderLabel(audioFormat);
    } else {
        selectedEncoder = encoder;
        const QString toolbox = QStringLiteral("h264_videotoolbox");
        if (isAutomaticEncoder(requested) && selectedEncoder == toolbox && CaptureGeometry::exceeds1080p(native)
            && !encoderWorksAtSize(toolbox, native, fps)) {
            outputSize = CaptureGeometry::fitWithin1080p(native);
            qInfo() << "[Recorder] VideoToolbox requires scaled capture:" << outputSize;
        }
        qInfo().noquote() << "[Recorder preflight] requested=" + requested << "native_size=" + sizeText(native)
                          << "selected=" + selectedEncoder << "output_size=" + sizeText(outputSize);
    }
    prepared = true;
    if (!prepareOnly)
        activatePreparedStart();
}

void Recorder::cancelStartPreparation()
{
    if (!preparing || recordingActive)
        return;
    abandonWindowWait();
    preparing = false;
    prepareOnly = false;
    prepared = false;
    awaitingFourKDecision = false;
    ++startGeneration;
}

void Recorder::activatePreparedStart()
{
    const QSize native = nativeDesktopCaptureSize();
    if (!audioOnly) {
        if (selectedEncoder.contains(QLatin1String("libx")) && native.width() >= 3000 && native.height() >= 2000
            && fps >= 30) {
            awaitingFourKDecision = true;
            emit fourKSoftwareEncodingDecisionRequired(native.width(), native.height(), fps);
            return;
        }
        if (selectedEncoder == QLatin1String("libx264") && fps >= 30 && CaptureGeometry::exceeds1080p(native)) {
            outputSize = CaptureGeometry::fitWithin1080p(native);
            softwarePresetForced = true;
            qWarning().noquote() << "[Recorder] software encoder limited to real-time capture size" << sizeText(native)
                                 << "->" << sizeText(outputSize);
        }
    }
    startPrepared();
}

void Recorder::resolveFourKSoftwareEncoding(Recorder::FourKSoftwareAction action)
{
    if (!preparing || !awaitingFourKDecision)
        return;
    awaitingFourKDecision = false;
    const bool midRecording = fourKDecisionMidRecording;
    fourKDecisionMidRecording = false;
    const QSize native = nativeDesktopCaptureSize();

    switch (action) {
    case FourKCancel:
        preparing = false;
        ++startGeneration;
        policyTimer->stop();
        removeEmptyPartsFolder();
        emit stopped(QString());
        return;
    case FourKSoftware4K:
        fps = 30;
        softwarePresetForced = true;
        if (videoBitrate <= 16000)
            videoBitrate = 16000;
        emit recordingPerformanceWarning(
            tr("正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 %1 kbps。").arg(videoBitrate));
        break;
    case FourKScaleTo1080p: {
        const QSize scaled = CaptureGeometry::fitWithin1080p(native);
        outputSize = scaled;
        const QList<QScreen*> screens = QGuiApplication::screens();
        const QScreen* screen = desktopOutputIndex < screens.size() ? screens.at(desktopOutputIndex)
                                                                     : QGuiApplication::primaryScreen();
        if (screen && (!captureRect.isValid() || captureRect == screen->geometry()))
            captureStreamSize = scaled;
        if (requestedEncoder == QLatin1String("auto")
            && encoderWorksAtSize(QStringLiteral("h264_videotoolbox"), scaled, 30)) {
            selectedEncoder = QStringLiteral("h264_videotoolbox");
        }
        fps = 30;
        if (selectedEncoder == QLatin1String("libx264")) {
            emit recordingPerformanceWarning(tr("未检测到可用的硬件编码器，已将输出缩放为 %1 × %2、30 FPS。")
                                                 .arg(scaled.width())
                                                 .arg(scaled.height()));
        }
        break;
    }
    case FourKReduceFrameRate: {
        const int previous = fps;
        fps = 15;
        emit frameRateAutomaticallyReduced(previous, 15, tr("4K 当前只能使用 CPU 编码，已采用更容易实时处理的 15 FPS。"));
        break;
    }
    default:
        return;
    }

    if (!midRecording) {
        startPrepared();
        return;
    }
    // The encoder fallback asked during a recording: the frame source was released
    // with the failed segment, so a window or webcam recording needs it again.
    preparing = false;
    relaunchAfterFallback();
}

// A failure is told once the Recorder's state has changed: a start it ends is over
// (idle, no longer preparing) when its message's handler runs.
void Recorder::reportError(const QString &message)
{
    if (preparing && !recordingActive) {
        preparing = false;
        prepareOnly = false;
        prepared = false;
        awaitingFourKDecision = false;
    }
    emit errorOccurred(message);
}

QString Recorder::soundServerRefusal(bool systemAudio, bool microphone, bool audioOnly)
{
    // Without a sound server no input is listed: that, not the choice of device, is the cause.
    if ((!systemAudio && !microphone) || MacSystemAudioCapture::isAvailable())
        return QString();
    const QString cause = systemAudio ? tr("无法录制系统声音，因为声音服务器无法连接。")
                                      : tr("无法录制麦克风，因为声音服务器无法连接。");
    const QString remedy = audioOnly ? tr("请先启动声音服务器（PulseAudio），再开始录制。")
                                     : tr("请先启动声音服务器（PulseAudio），或关闭扬声器和麦克风后录制无声视频。");
    return cause + QLatin1Char('\n') + remedy;
}

void Recorder::startPrepared()
{
    const int generation = startGeneration;
    launchFirstSegment(generation);
    // While a window's first frame is awaited the start is still being prepared.
    if (generation == startGeneration && !waitingForWindowFrame())
        preparing = false;
}

bool Recorder::launchFirstSegment(int generation)
{
    if (recordingActive || finalizing || chain->encoder()->state() != QProcess::NotRunning)
        return false;
    finishedSegmentsMs = 0;
    saveDiskStopRoot.clear();
    folderLossText.clear();
    nothingRecordedNotice.clear();
    soundServerLossTold = false;
    micReplacementTold = false;
    heldMediaMs = 0;
    mediaClock.invalidate();
    mediaLeadPending = false;
    stallGapAtMs = -1;
    stallMissingMs = 0;
    startedEmitted = false;
    pauseBetweenSegments = false;
    hardwareFallbackDone = false;
    captureFallbackDone = false;
    segmentsDiffer = false;
    downgradePending = false;
    switchedFrameSize = QSize(-1, -1);
    forcedOverloadMs = qEnvironmentVariableIsSet("VISTRELLE_TEST_OVERLOAD_AFTER_MS")
        ? qEnvironmentVariableIntValue("VISTRELLE_TEST_OVERLOAD_AFTER_MS")
        : -1;
    recordingFrameSize = QSize(-1, -1);
    outputMonitor.resetRecording();

    if (audioOnly && !systemAudioEnabled && !micEnabled) {
        reportError(tr("请至少开启系统声音或麦克风。"));
        return false;
    }
    // The server may have gone since the checks before the countdown.
    if (const QString refusal = soundServerRefusal(systemAudioEnabled, micEnabled, audioOnly); !refusal.isEmpty()) {
        reportError(refusal);
        return false;
    }
    if (audioOnly && micEnabled && micAudioDevice.isEmpty() && audioDevice.isEmpty()) {
        reportError(tr("没有找到所选麦克风，请重新选择输入设备。"));
        return false;
    }
    // ffmpeg's own screen grab, the fallback of our capture, would record XWayland's black root.
    if (!audioOnly && captureBackend != FramesBackend && MacScreenCapture::isUnavailableSession()) {
        reportError(tr("屏幕录制不可用：屏幕录制需要 X11 会话，在 Wayland 下无法录制屏幕。"));
        return false;
    }
    if (!audioOnly && captureBackend == FramesBackend) {
        prepareWindowCapture([this, generation](bool ready) {
            const auto settled = qScopeGuard([this, generation] {
                if (generation == startGeneration)
                    preparing = false;
            });
            // A stop or discard made while the capture waited for its first frame.
            if (ready && generation != startGeneration)
                cleanupWindowCapture();
            else if (ready)
                launchPreparedSegment();
        });
        return true;
    }
    return launchPreparedSegment();
}

bool Recorder::launchPreparedSegment()
{
    if (!outputPathExplicit || outputPath.trimmed().isEmpty()) {
        QString error;
        const QString path = makeDefaultOutputPath(&error);
        if (path.isEmpty()) {
            cleanupWindowCapture();
            reportError(error);
            return false;
        }
        outputPath = path;
    }

    chain->clearKept();
    chain->setFolder(partsFolderFor(outputPath));
    // Segments or an intermediate file kept after an earlier recording of this name
    // failed to finish are the user's only copy: the new recording would take their names.
    const QString kept = leftoverOfEarlierRecording(outputPath);
    if (!kept.isEmpty()) {
        chain->setFolder(QString());
        cleanupWindowCapture();
        reportError(tr("这个文件名之前的录制分段仍保留在：\n%1\n请先移走这些分段，或换一个文件名后再录制。")
                        .arg(QDir::toNativeSeparators(kept)));
        return false;
    }
    QString folderError;
    if (!createFolder(QFileInfo(outputPath).absolutePath(), &folderError) || !createFolder(partsFolder(), &folderError)) {
        cleanupWindowCapture();
        reportError(folderError);
        return false;
    }

    QSettings settings;
    if (settings.value(QStringLiteral("save/diskWarning"), true).toBool()) {
        const int thresholdGb = settings.value(QStringLiteral("save/diskThresholdGB"), 5).toInt();
        const QStorageInfo volume(QFileInfo(outputPath).absolutePath());
        if (volume.isValid() && volume.bytesAvailable() < qint64(thresholdGb) * 1073741824LL) {
            cleanupWindowCapture();
            removeEmptyPartsFolder();
            reportError(tr("保存磁盘剩余空间不足 %1 GB，请清理空间或更换保存目录。").arg(thresholdGb));
            return false;
        }
    }

    // 200 MB, or a quarter of what is free when less than 800 MB are.
    const QStorageInfo saveDisk(partsFolder());
    lowSpaceStopBytes = saveDisk.isValid() ? std::min<qint64>(200LL << 20, saveDisk.bytesAvailable() / 4) : 0;

    startSegment([this](bool launched) {
        if (!launched)
            removeEmptyPartsFolder();
    });
    return true;
}

void Recorder::abandonRetryWaitingForWindow()
{
    // An encoder fallback retrying a window recording waits for its first frame with
    // no segment kept yet: a stop or discard then ends the recording.
    if (!waitingForWindowFrame())
        return;
    ++commandGeneration;
    removeEmptyPartsFolder();
    emit stopped(QString());
}

void Recorder::removeEmptyPartsFolder()
{
    // Only an empty folder goes: anything recorded stays where the messages say.
    if (!partsFolder().isEmpty() && segmentFiles().isEmpty())
        QDir().rmdir(partsFolder());
}

// ---------------------------------------------------------------------------
// Segment chain
// ---------------------------------------------------------------------------

QString Recorder::makeSegmentPath() const
{
    return chain->nextSegmentPath(audioOnly ? audioFormat : videoContainer);
}

QString Recorder::partsFolder() const
{
    return chain->folder();
}

const QStringList &Recorder::segmentFiles() const
{
    return chain->kept();
}

qint64 Recorder::currentSegmentBytes() const
{
    if (currentSegmentPath.isEmpty())
        return 0;
    const QFileInfo info(currentSegmentPath);
    return info.exists() ? info.size() : 0;
}

qint64 Recorder::totalRecordedBytes() const
{
    qint64 total = currentSegmentBytes();
    for (const QString& file : segmentFiles())
        total += QFileInfo(file).size();
    return total;
}

bool Recorder::isPipedVideo() const
{
    return !audioOnly && (captureBackend == FramesBackend || screenCapture != nullptr);
}

void Recorder::stopAudioCaptures()
{
    QElapsedTimer held;
    held.start();
    loopbackCapture->stop();
    microphoneCapture->stop();
    chain->audio().stop();
    // Tests hold the thread here, as a sound server slow to let go does on a busy machine.
    if (const int slowMs = qEnvironmentVariableIntValue("VISTRELLE_TEST_SOUND_STOP_DELAY_MS"); slowMs > 0)
        QThread::msleep(ulong(slowMs));
    qInfo().noquote() << "[Recorder] stopping the sound captures held the GUI thread" << held.elapsed() << "ms";
}

void Recorder::announceSegmentEncoder()
{
    if (selectedEncoder.isEmpty())
        selectedEncoder = audioOnly ? audioEncoderLabel(audioFormat) : QStringLiteral("libx264");
    if (audioOnly) {
        const int kbps = audioFormat == QLatin1String("flac") ? 900
            : audioFormat == QLatin1String("wav")             ? 1411
                                                              : audioBitrate;
        emit performanceUpdated(0, 0, selectedEncoder, kbps, false);
    } else {
        emit performanceUpdated(fps, 0, selectedEncoder, videoBitrate,
                                !selectedEncoder.contains(QLatin1String("libx")));
    }
}

void Recorder::logSegmentSettings()
{
    const char* backendName = "GDI";
    if (captureBackend == FramesBackend)
        backendName = cameraFrameSource ? "CameraFrames" : "QtWindowCapture";
    else if (captureBackend == DesktopDuplicationBackend)
        backendName = "DXGI";
    else if (captureBackend == DesktopDuplicationWithFallbackBackend)
        backendName = "DXGI-with-GDI-fallback";
    const auto onOff = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    const QSize scaledTo = switchedFrameSize.isValid() ? switchedFrameSize : outputSize;
    qInfo().noquote() << QStringLiteral(
                             "[Recorder config] capture_backend=%1 output_index=%2 rect=%3,%4 %5x%6 target_fps=%7 "
                             "bitrate_kbps=%8 encoder=%9 system_audio=%10 microphone=%11 webcam=%12 "
                             "audio_echo_cancellation=%13 audio_peak_limiter=off output=%14 output_scale=%15 "
                             "software_preset=%16")
                             .arg(QLatin1String(backendName))
                             .arg(desktopOutputIndex)
                             .arg(captureRect.x())
                             .arg(captureRect.y())
                             .arg(captureRect.width())
                             .arg(captureRect.height())
                             .arg(fps)
                             .arg(videoBitrate)
                             .arg(selectedEncoder, onOff(systemAudioEnabled), onOff(micEnabled), onOff(webcamEnabled),
                                  onOff(false), currentSegmentPath,
                                  scaledTo.isValid() ? sizeText(scaledTo) : QStringLiteral("native"),
                                  softwarePresetForced ? QStringLiteral("ultrafast") : QStringLiteral("default"));
}

void Recorder::markSegmentReady()
{
    if (!awaitingFirstMedia)
        return;
    awaitingFirstMedia = false;
    outputMonitor.setAwaitingFirstMedia(false);
    if (holdFrameUntilReady && frameTimer)
        frameTimer->stop();
    holdFrameUntilReady = false;
    startTimedOut = false;
    startWatchdog->stop();
    qInfo().noquote() << "[Recorder] first encoded media received" << currentSegmentPath << "after"
                      << segmentTimer.elapsed() << "ms from process launch";
    if (!startedEmitted) {
        startedEmitted = true;
        recordingTimer.start();
        policyTimer->start();
        emit started();
    }
    if (resuming) {
        resuming = false;
        recordingPaused = false;
        emit resumed();
    }
    if (pendingReason != SegmentEndReason::None) {
        QTimer::singleShot(0, this, [this] {
            if (pendingReason != SegmentEndReason::None && !segmentStopping)
                stopCurrentSegment();
        });
    }
}

void Recorder::onStartWatchdogTimeout()
{
    if (!awaitingFirstMedia || chain->encoder()->state() == QProcess::NotRunning)
        return;
    const qint64 bytes = currentSegmentBytes();
    if (bytes > 4096) {
        qInfo().noquote() << "[Recorder] accepting active segment without FFmpeg progress;"
                          << QStringLiteral("bytes=%1").arg(bytes) << "encoder=" + selectedEncoder;
        markSegmentReady();
        return;
    }
    awaitingFirstMedia = false;
    outputMonitor.setAwaitingFirstMedia(false);
    startTimedOut = true;
    qWarning().noquote() << "[Recorder] encoder produced no first frame within startup timeout;"
                         << "encoder=" + selectedEncoder << "size=" + sizeText(nativeDesktopCaptureSize());
    stopAudioCaptures();
    askEncoderToEnd();
    QTimer::singleShot(1500, Qt::PreciseTimer, this, [this] {
        if (startTimedOut && chain->encoder()->state() != QProcess::NotRunning)
            chain->encoder()->kill();
    });
}

void Recorder::settleMediaLead()
{
    if (!mediaLeadPending || !mediaClock.isValid())
        return;
    // The file starts at its first picture, or with the sound of the instant its pipes were
    // given: before the encoder reported its streams and the clock began.
    const qint64 originNs = segmentOriginNs();
    if (originNs < 0)
        return;
    mediaLeadPending = false;
    heldMediaMs += std::clamp<qint64>((mediaClockStartNs - originNs) / 1000000, 0, 1000);
}

void Recorder::holdMediaClock()
{
    settleMediaLead();
    mediaLeadPending = false;
    if (!mediaClock.isValid())
        return;
    // The last frame of a piece of video lasts one frame's time in the file. A segment cut
    // where its late command came ends that much earlier.
    const qint64 cutOff = segmentCutMs >= 0 ? commandLateMs : 0;
    heldMediaMs += std::max<qint64>(0, mediaClock.elapsed() - cutOff)
        + (isPipedVideo() && fps > 0 ? std::lround(1000.0 / fps) : 0);
    mediaClock.invalidate();
}

void Recorder::askEncoderToEnd()
{
    holdMediaClock();
    if (isPipedVideo()) {
        // The encoder reads raw frames from its input: "q" would be taken for
        // pixels. It ends when the frames end.
        writeTakenFrames();
        if (frameTimer)
            frameTimer->stop();
        deactivateWindowFrames();
        chain->pipe()->finish();
        chain->encoder()->closeWriteChannel();
    } else {
        chain->encoder()->write("q\n");
    }
}

void Recorder::stopCurrentSegment()
{
    // Ended before the next segment took over: the segment before is the one that ends.
    cancelSplit();
    if (chain->encoder()->state() == QProcess::NotRunning || segmentStopping || awaitingFirstMedia)
        return;
    segmentStopping = true;
    startWatchdog->stop();
    // The picture ends at the command, and the sound with it: the frames taken up to now go in
    // before the sound captures stop, which can hold this thread a while on a busy machine;
    // the grabs made meanwhile came after the command.
    writeTakenFrames();
    if (frameTimer)
        frameTimer->stop();
    holdMediaClock();
    stopAudioCaptures();
    askEncoderToEnd();
    // Writing out what it holds, an encoder prints its progress or adds to its file.
    ProgressWatch::Limits limits;
    limits.checkEveryMs = 1000;
    limits.withoutProgressMs = kStuckEncoderMs;
    limits.totalMs = kEndingEncoderMs;
    endingWatch->start(chain->encoder(), currentSegmentPath, limits);
}

qint64 Recorder::segmentOriginNs() const
{
    // Piped pictures start the file, and its sound with them; an encoder that grabs the
    // screen itself reports when its first picture was taken.
    if (isPipedVideo())
        return chain->pipe()->firstFrameSteadyNs();
    if (audioOnly)
        return chain->audio().originNs();
    const qint64 grabbedUs = outputMonitor.screenGrabStartUs();
    return grabbedUs < 0 ? -1 : RecordingClock::steadyNsOfWall(grabbedUs);
}

void Recorder::noteCommandInstant(qint64 atNs)
{
    segmentCutMs = -1;
    commandLateMs = 0;
    if (atNs < 0 || (awaitingFirstMedia && !segmentTookOver))
        return;
    const qint64 originNs = segmentOriginNs();
    const qint64 lateMs = (RecordingClock::steadyNs() - atNs) / 1000000;
    if (lateMs <= kLateCommandMs || originNs < 0)
        return;
    if (atNs <= originNs) {
        if (segmentTookOver)
            noteCommandBeforeTakeOver(atNs, lateMs);
        return;
    }
    segmentCutMs = (atNs - originNs) / 1000000;
    commandLateMs = lateMs;
    qInfo().noquote() << "[Recorder] the command was taken up" << lateMs << "ms after its key or click: the segment"
                      << currentSegmentPath << "ends at" << segmentCutMs << "ms";
}

bool Recorder::noteCommandBeforeTakeOver(qint64 atNs, qint64 lateMs)
{
    const HandedOver before = handedOver;
    if (before.path.isEmpty() || before.originNs < 0 || atNs <= before.originNs)
        return false;
    const bool draining = chain->drainingPaths().contains(before.path);
    if (!draining && !chain->kept().contains(before.path))
        return false;
    // The running segment holds nothing from before the key: it is left out when it ends, and
    // its time goes off the clock with it.
    segmentCutMs = 0;
    commandLateMs = lateMs;
    drainedCut = {before.path, (atNs - before.originNs) / 1000000};
    qInfo().noquote() << "[Recorder] the command was taken up" << lateMs
                      << "ms after its key, which came before the split's next segment took over: the segment"
                      << before.path << "ends at" << drainedCut.endMs << "ms and" << currentSegmentPath
                      << "is left out";
    finishedSegmentsMs -= std::max<qint64>(0, (segmentOriginNs() - atNs) / 1000000);
    if (!draining)
        cutDrainedSegment();
    return true;
}

bool Recorder::pause(qint64 atNs)
{
    if (deferUntilLaunched([this, atNs] { pause(atNs); }))
        return true;
    if (!recordingActive || recordingPaused)
        return false;
    if (pendingReason == SegmentEndReason::Pause)
        return true;
    if (pendingReason == SegmentEndReason::Stop || pendingReason == SegmentEndReason::Discard)
        return false;
    cancelSplit();
    if (chain->encoder()->state() == QProcess::NotRunning) {
        // Between two segments (the next one waits for its window's first frame):
        // the recording pauses there instead of launching it.
        pauseBetweenSegments = true;
        return true;
    }
    pendingReason = SegmentEndReason::Pause;
    // A segment that has not begun yet keeps its first picture until it has; one that took over
    // from a split records from the hand-over on, although its encoder has not said so yet.
    const bool recording = !awaitingFirstMedia || segmentTookOver;
    holdFrameUntilReady = !recording;
    if (recording) {
        // The picture freezes, and the sound ends with it: sound recorded after the last
        // picture would play over the next segment's first one.
        writeTakenFrames();
        if (frameTimer)
            frameTimer->stop();
        stopAudioCaptures();
        if (!segmentStopping)
            noteCommandInstant(atNs);
        holdMediaClock();
    }
    if (segmentStopping)
        return true;
    QTimer::singleShot(100, Qt::PreciseTimer, this, [this] {
        if (pendingReason == SegmentEndReason::Pause && !segmentStopping)
            stopCurrentSegment();
    });
    return true;
}

void Recorder::resume()
{
    if (deferUntilLaunched([this] { resume(); }))
        return;
    if (pauseBetweenSegments) {
        // The pause had not happened yet: the recording simply goes on.
        pauseBetweenSegments = false;
        return;
    }
    if (pendingReason == SegmentEndReason::Pause && !recordingPaused) {
        resumePending = true;
        return;
    }
    if (!recordingActive || !recordingPaused || resuming || waitingForWindowFrame())
        return;
    resumeNextSegment();
}

void Recorder::resumeNextSegment()
{
    if (!audioOnly && captureBackend == FramesBackend) {
        const int commands = commandGeneration;
        prepareWindowCapture([this, commands](bool ready) {
            if (commands != commandGeneration) {
                // Stopped or discarded while the capture waited for a frame.
                cleanupWindowCapture();
            } else if (!ready) {
                stop();
            } else {
                launchResumedSegment();
            }
        });
        return;
    }
    launchResumedSegment();
}

void Recorder::launchResumedSegment()
{
    startSegment([this](bool launched) {
        if (launched) {
            resuming = true;
        } else if (!recordingActive) {
            endAfterFailedLaunch(); // the encoder could not be started
        } else {
            // The capture could not start (the message is out): the recording stays paused
            // with nothing left of the segment that did not begin.
            startWatchdog->stop();
            awaitingFirstMedia = false;
            outputMonitor.setAwaitingFirstMedia(false);
            currentSegmentPath.clear();
            chain->audio().clear();
            cleanupWindowCapture();
        }
    });
}

void Recorder::endAfterFailedLaunch()
{
    // The recording cannot go on: what it has kept becomes its file, as after a stop,
    // instead of staying unannounced in the parts folder.
    recordingPaused = false;
    resuming = false;
    cleanupWindowCapture();
    if (!segmentFiles().isEmpty() || chain->isDraining()) {
        finalizeSegments();
        return;
    }
    recordingActive = false;
    policyTimer->stop();
    removeEmptyPartsFolder();
    emit stopped(QString());
}

bool Recorder::endUnstartedRecording()
{
    if (preparing) {
        abandonPreparedStart();
        return true;
    }
    if (!recordingActive) {
        abandonRetryWaitingForWindow();
        return true;
    }
    return false;
}

void Recorder::stop(qint64 atNs)
{
    if (deferUntilLaunched([this, atNs] { stop(atNs); }))
        return;
    abandonWindowWait();
    resumePending = false;
    if (pendingReason == SegmentEndReason::Stop || pendingReason == SegmentEndReason::Discard || finalizing)
        return;
    if (checkingEndedSegment) {
        // The ended segment is still being looked at: the recording stops once it is.
        ++commandGeneration;
        pendingReason = SegmentEndReason::Stop;
        return;
    }
    if (endUnstartedRecording())
        return;
    if (nothingRecordedYet()) {
        // Stopped while its encoder was still starting (a busy machine): there is nothing to
        // save, neither a file of the wait nor a parts folder, and the user is told so.
        qInfo() << "[Recorder] stopped before the encoder delivered any media: nothing was recorded";
        nothingRecordedNotice = tr("没有录下任何内容：录制在开始之前就已停止。");
        if (chain->encoder()->state() == QProcess::NotRunning)
            discard();
        else
            endWithoutMedia();
        return;
    }
    ++commandGeneration;
    if (chain->encoder()->state() != QProcess::NotRunning) {
        // Also right after a resume, before the new segment has shown media: that
        // segment ends through the normal stop and is finalised with the others.
        if (pendingReason == SegmentEndReason::None && !segmentStopping)
            noteCommandInstant(atNs);
        pendingReason = SegmentEndReason::Stop;
        stopCurrentSegment();
        return;
    }
    policyTimer->stop();
    if (!waitingForWindowFrame())
        cleanupWindowCapture();
    finalizeSegments();
}

void Recorder::discard()
{
    if (deferUntilLaunched([this] { discard(); }))
        return;
    abandonWindowWait();
    resumePending = false;
    if (finalizing || pendingReason == SegmentEndReason::Discard)
        return;
    if (checkingEndedSegment) {
        ++commandGeneration;
        policyTimer->stop();
        pendingReason = SegmentEndReason::Discard;
        return;
    }
    if (endUnstartedRecording())
        return;
    ++commandGeneration;
    policyTimer->stop();
    if (chain->encoder()->state() != QProcess::NotRunning) {
        pendingReason = SegmentEndReason::Discard;
        stopCurrentSegment();
        return;
    }
    if (!waitingForWindowFrame())
        cleanupWindowCapture();
    finishDiscard();
}

void Recorder::abandonPreparedStart()
{
    if (!recordingActive) {
        preparing = false;
        prepareOnly = false;
        prepared = false;
        awaitingFourKDecision = false;
        fourKDecisionMidRecording = false;
        ++startGeneration;
    }
    ++commandGeneration;
    removeEmptyPartsFolder();
    emit stopped(QString());
}

// ---------------------------------------------------------------------------
// Segment end handling
// ---------------------------------------------------------------------------

void Recorder::finishSegment(bool keep)
{
    startWatchdog->stop();
    awaitingFirstMedia = false;
    loopbackCapture->stop();
    microphoneCapture->stop();
    if (currentSegmentPath.isEmpty())
        return;
    const QFileInfo info(currentSegmentPath);
    if (keep && std::exchange(leaveOutEndedSegment, false)) {
        // Recorded after the key of a command taken up late, once the split had taken over.
        qInfo().noquote() << "[Recorder] segment recorded after the command removed:" << currentSegmentPath;
        QFile::remove(currentSegmentPath);
    } else if (keep && FragmentedMp4::isHeaderOnly(currentSegmentPath)) {
        // The encoder ended before it wrote any media: the file is no part of the recording.
        qInfo().noquote() << "[Recorder] segment without media removed:" << currentSegmentPath;
        QFile::remove(currentSegmentPath);
    } else if (keep && info.exists() && info.size() >= 1) {
        if (segmentTimer.isValid())
            finishedSegmentsMs += segmentTimer.elapsed();
        chain->keep(currentSegmentPath);
    }
    segmentTimer.invalidate();
    currentSegmentPath.clear();
}

void Recorder::finishDiscard()
{
    abandonDrainingSegments();
    finishSegment(false);
    recordingActive = false;
    recordingPaused = false;
    resumePending = false;
    pauseBetweenSegments = false;
    resuming = false;
    startedEmitted = false;
    selectedEncoder.clear();
    chain->clearKept();
    const QString folder = chain->folder();
    chain->setFolder(QString());
    if (!folder.isEmpty() && QFileInfo::exists(folder) && !QDir(folder).removeRecursively())
        emit errorOccurred(tr("无法删除已丢弃录制的临时文件：%1").arg(folder));
    if (const QString notice = std::exchange(nothingRecordedNotice, QString()); !notice.isEmpty())
        emit errorOccurred(notice);
    emit stopped(QString());
}

void Recorder::discardFailedSegmentFile()
{
    const QString broken = currentSegmentPath;
    finishSegment(false);
    if (!broken.isEmpty())
        QFile::remove(broken);
}

QString Recorder::lastEncoderErrorLine(int exitCode, QProcess::ExitStatus status) const
{
    const QString detail = EncoderOutputMonitor::mostSpecificErrorLine(encoderOutput);
    if (!detail.isEmpty())
        return detail;
    if (status == QProcess::CrashExit && exitCode == 9)
        return tr("FFmpeg 被 SIGKILL 信号终止；编码进度日志没有说明终止原因。");
    // A line that names no error is still all the encoder said of its end.
    if (const QString said = EncoderOutputMonitor::lastStatementLine(encoderOutput); !said.isEmpty())
        return said;
    return tr("FFmpeg 没有输出具体错误信息。");
}

void Recorder::onEncoderFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    // A next segment that ended before it took over: the segment before ends and is kept.
    completeSplit();
    EncoderExit ended;
    ended.code = exitCode;
    ended.status = exitStatus;
    ended.reason = pendingReason;
    ended.timedOut = startTimedOut;
    ended.wasStopping = segmentStopping;
    startWatchdog->stop();
    awaitingFirstMedia = false;
    outputMonitor.setAwaitingFirstMedia(false);
    loopbackCapture->stop();
    microphoneCapture->stop();
    chain->audio().clear();
    cleanupWindowCapture();

    if (segmentCutMs >= 0 && !ended.abnormal()
        && (ended.reason == SegmentEndReason::Pause || ended.reason == SegmentEndReason::Stop)) {
        cutLateSegment(ended);
        return;
    }

    // A segment whose encoder was killed after it would not end, or was cut short by a full
    // disk, plays up to its last whole fragment: whether it holds media is asked off the GUI
    // thread, with the time a busy machine's ffprobe may take.
    if (ended.abnormal() && ended.reason != SegmentEndReason::Discard && QFileInfo(currentSegmentPath).size() > 0
        && ((ended.reason != SegmentEndReason::None && ended.wasStopping) || saveDiskFull())) {
        checkingEndedSegment = true;
        auto *watcher = new QFutureWatcher<qint64>(this);
        connect(watcher, &QFutureWatcher<qint64>::finished, this, [this, watcher, ended]() mutable {
            watcher->deleteLater();
            checkingEndedSegment = false;
            ended.playableMs = watcher->result();
            ended.holdsMedia = ended.playableMs >= 0;
            qInfo().noquote() << "[Recorder] the segment of the encoder that ended with" << ended.code
                              << (ended.holdsMedia ? "holds media:" : "holds no media:") << currentSegmentPath
                              << currentSegmentBytes() << "bytes," << ended.playableMs << "ms";
            noteStalledSegment(ended);
            concludeEncoderExit(ended);
        });
        const QString segment = currentSegmentPath;
        watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [segment]() -> qint64 {
            // The fragment that the end cut through would not decode: the file keeps the ones before.
            FragmentedMp4::WholePart whole;
            if (!FragmentedMp4::cutToWholePart(segment, &whole))
                qWarning().noquote() << "[Recorder] could not cut the ended segment to its whole fragments:" << segment;
            else if (whole.fragmented)
                qInfo().noquote() << "[Recorder] the ended segment keeps" << whole.fragments << "whole fragments,"
                                  << whole.bytes << "bytes";
            if (whole.fragmented && whole.fragments == 0)
                return -1;
            const MediaInfo info = MediaProbe::probe(segment, 20000);
            return info.ok && (info.hasVideo() || info.hasAudio()) ? std::max<qint64>(info.durationMs, 0) : -1;
        }));
        return;
    }
    concludeEncoderExit(ended);
}

void Recorder::cutSegmentFile(const QString &segment, qint64 endMs, std::function<void(const QString &)> done)
{
    const QString ffmpeg = ffmpegExecutable();
    auto *watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcher<QString>::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [segment, endMs, ffmpeg] {
        QString error;
        SegmentCut::cut(segment, endMs, &error, ffmpeg);
        return error;
    }));
}

void Recorder::cutLateSegment(const EncoderExit &ended)
{
    const QString segment = currentSegmentPath;
    const qint64 endMs = std::exchange(segmentCutMs, -1);
    if (endMs == 0) {
        // All of it came after the key: it is no part of the recording.
        leaveOutEndedSegment = true;
        concludeEncoderExit(ended);
        return;
    }
    // Looked at as an abnormal end is: a stop or discard meanwhile waits for it.
    checkingEndedSegment = true;
    cutSegmentFile(segment, endMs, [this, ended, segment, endMs](const QString &error) {
        checkingEndedSegment = false;
        if (error.isEmpty())
            qInfo().noquote() << "[Recorder] the segment ends at" << endMs << "ms, where its command came:" << segment;
        else
            qWarning().noquote() << "[Recorder] the segment keeps what followed its command:" << segment << error;
        concludeEncoderExit(ended);
    });
}

void Recorder::cutDrainedSegment()
{
    const DrainedCut cut = std::exchange(drainedCut, {});
    ++drainedCutsRunning;
    cutSegmentFile(cut.path, cut.endMs, [this, cut](const QString &error) {
        --drainedCutsRunning;
        if (error.isEmpty())
            qInfo().noquote() << "[Recorder] the segment before the split ends at" << cut.endMs
                              << "ms, where the command came:" << cut.path;
        else
            qWarning().noquote() << "[Recorder] the segment before the split keeps what followed the command:"
                                 << cut.path << error;
        if (finalizeWhenDrained && !chain->isDraining() && drainedCutsRunning == 0)
            finalizeSegments();
    });
}

void Recorder::concludeEncoderExit(const EncoderExit &ended)
{
    SegmentEndDecision::Facts facts;
    facts.exit = ended;
    // A stop or discard asked while the segment was looked at takes the place of the reason.
    facts.reason = pendingReason;
    facts.audioOnly = audioOnly;
    facts.encoder = selectedEncoder;
    facts.encoderOutput = encoderOutput;
    facts.hardwareFallbackDone = hardwareFallbackDone;
    facts.captureFallbackDone = captureFallbackDone;
    facts.duplicationCapture = captureBackend == DesktopDuplicationWithFallbackBackend;
    facts.segmentsKept = !segmentFiles().isEmpty();
    facts.segmentsDraining = chain->isDraining();
    facts.segmentMs = segmentTimer.isValid() ? segmentTimer.elapsed() : -1;
    facts.saveDiskFull = saveDiskFull();
    facts.segmentFileHasBytes = QFileInfo(currentSegmentPath).size() > 0;
    facts.nativeSize = nativeDesktopCaptureSize();
    facts.fps = fps;
    const SegmentEndDecision::Next next = SegmentEndDecision::decide(facts);
    pendingReason = SegmentEndReason::None;
    segmentStopping = false;

    using Next = SegmentEndDecision::Next;
    const QString tail = encoderOutput.right(800).trimmed();
    if (ended.abnormal() && (next == Next::Finalize || next == Next::NextSegment || next == Next::Paused
                             || next == Next::EndedByItself))
        qWarning() << "[Recorder] accepted finalized segment after non-zero FFmpeg exit" << ended.code;
    switch (next) {
    case Next::Discard:
        finishDiscard();
        return;
    case Next::RetryInSoftware:
    case Next::RetryInSoftwareAsked:
        retryInSoftware(tail, next == Next::RetryInSoftwareAsked);
        return;
    case Next::RetryWithScreenGrab:
        qWarning().noquote() << "[Recorder] DXGI capture unavailable; retrying with GDI:" << tail;
        discardFailedSegmentFile();
        captureBackend = DesktopBackend;
        captureFallbackDone = true;
        recordingActive = false;
        emit recordingPerformanceWarning(tr("DXGI 高性能采集不可用，已自动切换到 GDI 兼容模式。"));
        relaunchAfterFallback();
        return;
    case Next::SaveOnFullDisk: {
        qWarning().noquote() << "[Recorder] the save disk is full; the recording ends with what it holds";
        noteSaveDiskStop();
        const QString failed = currentSegmentPath;
        finishSegment(ended.holdsMedia);
        if (!ended.holdsMedia && QFileInfo(failed).size() <= 0)
            QFile::remove(failed);
        policyTimer->stop();
        finalizeSegments();
        return;
    }
    case Next::NothingOnFullDisk:
        // Not even the first fragment was written whole: there is no recording to call saved.
        qWarning().noquote() << "[Recorder] the save disk filled before anything playable was written";
        finishSegment(false);
        endRecordingIdle();
        emit errorOccurred(tr("保存磁盘 %1 已满，录制已停止。录下的内容没有可以播放的部分，没有保存录像；"
                              "未完成的分段保留在：\n%2")
                               .arg(QDir::toNativeSeparators(QStorageInfo(partsFolder()).rootPath()),
                                    QDir::toNativeSeparators(partsFolder())));
        emit stopped(QString());
        return;
    case Next::Finalize:
        finishSegment(true);
        policyTimer->stop();
        finalizeSegments();
        return;
    case Next::NextSegment: {
        finishSegment(true);
        const int commands = commandGeneration;
        launchNextSegment([this, commands](bool launched) {
            if (!launched && commands == commandGeneration)
                endAfterFailedLaunch();
        });
        return;
    }
    case Next::Paused:
        finishSegment(true);
        enterPause();
        return;
    case Next::EndedByItself:
        finishSegment(true);
        recordingActive = false;
        recordingPaused = false;
        policyTimer->stop();
        if (segmentFiles().isEmpty() && !chain->isDraining()) {
            // An encoder that ended without writing anything: no folder to point to.
            removeEmptyPartsFolder();
            emit errorOccurred(tr("录制进程意外结束，没有录下任何内容。"));
        } else {
            emit errorOccurred(tr("录制进程意外结束。分段已保留在：\n%1").arg(partsFolder()));
        }
        emit stopped(QString());
        return;
    case Next::FinalizeWithoutLast:
        finalizeWithoutLastSegment();
        return;
    case Next::Fail:
        failAfterEncoderExit(ended, tail);
        return;
    }
}

void Recorder::retryInSoftware(const QString &encoderTail, bool askFirst)
{
    qWarning().noquote() << "[Recorder] hardware encoder unavailable for the active source; retrying with libx264:"
                         << encoderTail;
    discardFailedSegmentFile();
    const QString failedEncoder = selectedEncoder;
    selectedEncoder = QStringLiteral("libx264");
    hardwareFallbackDone = true;
    recordingActive = false;
    if (askFirst) {
        const QSize native = nativeDesktopCaptureSize();
        preparing = true;
        awaitingFourKDecision = true;
        fourKDecisionMidRecording = true;
        emit fourKSoftwareEncodingDecisionRequired(native.width(), native.height(), fps);
        return;
    }
    emit recordingPerformanceWarning(tr("硬件编码器 %1 无法处理当前采集规格，已自动切换到 CPU 编码。").arg(failedEncoder));
    relaunchAfterFallback();
}

void Recorder::enterPause()
{
    recordingActive = true;
    recordingPaused = true;
    emit paused();
    if (!resumePending)
        return;
    resumePending = false;
    QTimer::singleShot(0, this, [this] {
        if (pendingReason == SegmentEndReason::Pause && !recordingPaused) {
            resumePending = true;
        } else if (recordingActive && recordingPaused && !resuming && !waitingForWindowFrame()) {
            resumeNextSegment();
        }
    });
}

void Recorder::endRecordingIdle()
{
    recordingActive = false;
    recordingPaused = false;
    resuming = false;
    policyTimer->stop();
}

void Recorder::finalizeWithoutLastSegment()
{
    // The unreadable last segment is left out of the file but not deleted: a media
    // query that ran out of time on a busy machine must not cost the user the end of
    // the recording.
    const QString unreadable = currentSegmentPath;
    finishSegment(false);
    policyTimer->stop();
    if (QFileInfo(unreadable).size() > 0 && !FragmentedMp4::isHeaderOnly(unreadable)) {
        qWarning().noquote() << "[Recorder] last segment unreadable, kept outside the recording:" << unreadable;
        emit finalizationWarning(tr("最后一个录制分段无法读取，没有合并进录像，已保留在：\n%1")
                                     .arg(QDir::toNativeSeparators(unreadable)));
    } else {
        QFile::remove(unreadable);
    }
    finalizeSegments();
}

void Recorder::failAfterEncoderExit(const EncoderExit &ended, const QString &encoderTail)
{
    qWarning().noquote() << "[Recorder] FFmpeg error" << ended.code << encoderTail;
    const QString detail = lastEncoderErrorLine(ended.code, ended.status);
    const QString failed = currentSegmentPath;
    finishSegment(false);
    endRecordingIdle();
    if (segmentFiles().isEmpty() && !chain->isDraining() && QFileInfo(failed).size() <= 0) {
        // Nothing was recorded: no empty folder stays behind, and no message points to one.
        const bool diskFull = saveDiskFull();
        QFile::remove(failed);
        removeEmptyPartsFolder();
        if (diskFull) // the encoder's own words ("Could not write header ...") do not say it plainly: left out
            emit errorOccurred(tr("保存磁盘 %1 已满，没有录下任何内容。请清理空间或更换保存目录。")
                                   .arg(QDir::toNativeSeparators(QStorageInfo(QFileInfo(outputPath).absolutePath()).rootPath())));
        else
            emit errorOccurred(tr("录制分段异常，退出码=%1。没有录下任何内容。\n%2").arg(ended.code).arg(detail));
    } else {
        emit errorOccurred(
            tr("录制分段异常，退出码=%1。已生成的分段仍保留在：\n%2\n%3").arg(ended.code).arg(partsFolder(), detail));
    }
    emit stopped(QString());
}

void Recorder::launchNextSegment(LaunchDone done)
{
    if (!audioOnly && captureBackend == FramesBackend) {
        const int commands = commandGeneration;
        prepareWindowCapture([this, commands, done = std::move(done)](bool ready) mutable {
            if (commands != commandGeneration || !ready) {
                cleanupWindowCapture();
                return done(false);
            }
            launchNextSegmentNow(std::move(done));
        });
        return;
    }
    launchNextSegmentNow(std::move(done));
}

void Recorder::launchNextSegmentNow(LaunchDone done)
{
    if (pauseBetweenSegments) {
        pauseBetweenSegments = false;
        cleanupWindowCapture();
        recordingPaused = true;
        emit paused();
        return done(true);
    }
    startSegment(std::move(done));
}

void Recorder::relaunchAfterFallback()
{
    // The failed segment released the frame source: a window or webcam recording
    // prepares it again before the retry.
    const int commands = commandGeneration;
    launchNextSegment([this, commands](bool launched) {
        if (launched || commands != commandGeneration)
            return; // running again, or ended by a stop or discard during the window wait
        recordingActive = false;
        recordingPaused = false;
        policyTimer->stop();
        removeEmptyPartsFolder();
        emit stopped(QString());
    });
}

void Recorder::onEncoderError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart || !recordingActive || launch.stage == SegmentLaunch::Stage::Encoder)
        return;
    policyTimer->stop();
    finishSegment(false);
    cleanupWindowCapture();
    recordingActive = false;
    recordingPaused = false;
    emit errorOccurred(tr("FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。\n%1").arg(chain->encoder()->errorString()));
    emit stopped(QString());
}

void Recorder::finalizeSegments()
{
    recordingActive = false;
    recordingPaused = false;
    pauseBetweenSegments = false;
    resuming = false;
    policyTimer->stop();
    if (chain->isDraining() || drainedCutsRunning > 0) {
        // Joined once the encoders that splits ended have written out their segments.
        finalizeWhenDrained = true;
        return;
    }
    finalizeWhenDrained = false;
    if (!folderLossText.isEmpty() && segmentFiles().isEmpty()) {
        // Nothing is left to join: the message says why instead of "no segments".
        emit errorOccurred(std::exchange(folderLossText, QString()));
        emit stopped(QString());
        return;
    }
    if (!saveDiskStopRoot.isEmpty() && segmentFiles().size() > 1
        && QStorageInfo(partsFolder()).bytesAvailable() <= keptSegmentBytes()) {
        // The join writes a file as large as the segments together on the disk that stopped
        // the recording: it would only fail after a while. The segments stay, told at once.
        qWarning().noquote() << "[Recorder] no room to join the segments of a recording stopped by the save disk:"
                             << keptSegmentBytes() << "bytes";
        concludeFinalization(QString(), -1);
        return;
    }

    FinalizationJob job;
    job.outputPath = outputPath;
    job.partsFolder = partsFolder();
    job.segmentFiles = segmentFiles();
    job.merge.audioOnly = audioOnly;
    job.merge.audioFormat = audioFormat;
    job.merge.audioBitrate = audioBitrate;
    job.merge.videoContainer = videoContainer;
    job.merge.fps = fps;
    job.merge.videoBitrate = videoBitrate;
    // The re-encode fits every segment into the last one's frame size: captureStreamSize is the
    // whole screen's stream and would pad area recordings with black.
    job.merge.ffmpegProgram = ffmpegExecutable();
    job.segmentsDiffer = segmentsDiffer;
    job.keyframeInterval = keyframeInterval;
    job.recordedMs = finishedSegmentsMs;
    if (!audioOnly && !watermarkFilter.isEmpty()) {
        job.watermarkFilter = watermarkFilter;
        job.watermarkEncoder = selectedEncoder.isEmpty() ? resolvedEncoder() : selectedEncoder;
    }
    finalizer->start(job);
}

void Recorder::onFinalizationStopped(const QString &path)
{
    if (path.isEmpty() || stallGapAtMs < 0) {
        concludeFinalization(path, -1);
        return;
    }
    // What the saved file of a recording with a gap holds is read from the file, off the
    // GUI thread; the recording counts as saving until then.
    auto *watcher = new QFutureWatcher<qint64>(this);
    connect(watcher, &QFutureWatcher<qint64>::finished, this, [this, watcher, path] {
        watcher->deleteLater();
        concludeFinalization(path, watcher->result());
    });
    const QString ffprobe = MediaProbe::ffprobeExecutable();
    watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [path, ffprobe]() -> qint64 {
        const MediaInfo info = MediaProbe::probe(path, 20000, ffprobe);
        return info.ok ? info.durationMs : -1;
    }));
}

void Recorder::concludeFinalization(const QString &path, qint64 fileMs)
{
    finalizing = false;
    selectedEncoder.clear();
    segmentsDiffer = false;
    tellSaveDiskStop(path);
    tellStalledEncoder(path, fileMs);
    // After a failure the segments stay on disk, named in the error message.
    chain->clearKept();
    if (!folderLossText.isEmpty())
        emit errorOccurred(std::exchange(folderLossText, QString()));
    emit stopped(path);
}

void Recorder::cancelFinalization()
{
    finalizer->cancel();
}

void Recorder::noteStalledSegment(const EncoderExit &ended)
{
    if (!stalledEncoderKilled || !ended.holdsMedia)
        return;
    // What the segment recorded, from its launch to the end of its frames and sound.
    const qint64 recorded = heldMediaMs - segmentMediaStartMs;
    const qint64 missing = recorded - ended.playableMs;
    qWarning().noquote() << "[Recorder] the stalled encoder's segment plays" << ended.playableMs << "ms of" << recorded
                         << "ms recorded";
    if (missing <= 1000)
        return;
    if (stallGapAtMs < 0)
        stallGapAtMs = segmentMediaStartMs + ended.playableMs;
    stallMissingMs += missing;
}

void Recorder::tellStalledEncoder(const QString &path, qint64 fileMs)
{
    const qint64 gapAtMs = std::exchange(stallGapAtMs, -1);
    const qint64 segmentsMissingMs = std::exchange(stallMissingMs, 0);
    if (path.isEmpty() || gapAtMs < 0)
        return;
    // The file's own length; the segments' measure when it cannot be read.
    const qint64 holdsMs = fileMs >= 0 ? std::min(fileMs, heldMediaMs) : std::max<qint64>(0, heldMediaMs - segmentsMissingMs);
    const qint64 missingMs = heldMediaMs - holdsMs;
    qWarning().noquote() << "[Recorder] the saved file holds" << holdsMs << "ms of" << heldMediaMs << "ms recorded"
                         << (fileMs >= 0 ? "(probed)" : "(from its segments)");
    if (missingMs <= 1000)
        return;
    // Whole seconds, the missing part as their difference: the figures add up as read.
    const auto seconds = [](qint64 ms) { return (ms + 500) / 1000; };
    const auto clock = [](qint64 s) {
        return QStringLiteral("%1:%2").arg(s / 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
    };
    const qint64 holds = seconds(holdsMs);
    const qint64 recorded = std::max(seconds(heldMediaMs), holds + 1);
    emit errorOccurred(tr("编码器停止了响应：文件保存了 %1（共录制了 %2），从 %3 起缺少 %4：\n%5")
                           .arg(clock(holds), clock(recorded), clock(seconds(gapAtMs)), clock(recorded - holds),
                                QDir::toNativeSeparators(path)));
}
