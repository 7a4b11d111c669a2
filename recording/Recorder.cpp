#include "recording/Recorder.h"

#include "platform/mac/DisplayGeometry.h"
#include "platform/win/WasapiLoopbackCapture.h"
#include "platform/win/WasapiMicrophoneCapture.h"
#include "platform/mac/MacScreenCapture.h"
#include "platform/mac/MacSystemAudioCapture.h"
#include "platform/mac/WindowFrameSource.h"
#include "recording/AudioDeviceChoice.h"
#include "recording/CaptureGeometry.h"
#include "recording/SegmentChain.h"
#include "recording/EncoderProbe.h"
#include "recording/FragmentedMp4.h"
#include "recording/MediaProbe.h"
#include "recording/RecordingFinalizer.h"
#include "recording/SaveFolder.h"
#include "recording/ToolLookup.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFutureWatcher>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QThreadPool>
#include <QtConcurrent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QThreadPool>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Frame threads of the software encoders when they would take more by themselves.
constexpr int kSoftwareEncoderThreads = 4;

} // namespace

Recorder::Recorder(QObject *parent)
    : QObject(parent)
{
    chain = new SegmentChain(this);
    connect(chain, &SegmentChain::encoderOutputReady, this, &Recorder::onEncoderOutput);
    connect(chain, &SegmentChain::encoderFinished, this, &Recorder::onEncoderFinished);
    connect(chain, &SegmentChain::encoderErrorOccurred, this, &Recorder::onEncoderError);
    connect(chain, &SegmentChain::segmentDrained, this,
            [this](const QString &path, qint64 recordedMs, bool keep) { onSegmentDrained(path, keep, recordedMs); });
    loopbackCapture = new WasapiLoopbackCapture(this);
    microphoneCapture = new WasapiMicrophoneCapture(this);

    policyTimer = new QTimer(this);
    policyTimer->setInterval(500);
    endingWatch = new ProgressWatch(QStringLiteral("[Recorder] the ending encoder"), this);
    connect(endingWatch, &ProgressWatch::stalled, this, [this] { stalledEncoderKilled = true; });
    startWatchdog = new QTimer(this);
    startWatchdog->setSingleShot(true);
    startWatchdog->setInterval(15000);

    // The time-outs of a segment are exact: a coarse timer may fire 5 % early.
    startWatchdog->setTimerType(Qt::PreciseTimer);
    connect(startWatchdog, &QTimer::timeout, this, &Recorder::onStartWatchdogTimeout);
    connect(microphoneCapture, &WasapiMicrophoneCapture::levelMeasured, this,
            [this](float peak, float rms, bool silent, unsigned long long frames) {
                qInfo().noquote() << EncoderOutputMonitor::microphoneLevelLine(
                    microphoneCapture->modeName(), microphoneCapture->endpointName(), frames, peak, rms, silent);
            });
    connect(policyTimer, &QTimer::timeout, this, &Recorder::checkRecordingPolicies);

    finalizer = new RecordingFinalizer(this);
    connect(finalizer, &RecordingFinalizer::finalizingChanged, this, [this](bool active) {
        finalizing = active;
        emit finalizingChanged(active);
    });
    connect(finalizer, &RecordingFinalizer::finalizingMessageChanged, this, &Recorder::finalizingMessageChanged);
    connect(finalizer, &RecordingFinalizer::finalizationProgressChanged, this,
            &Recorder::finalizationProgressChanged);
    connect(finalizer, &RecordingFinalizer::finalizationWarning, this, &Recorder::finalizationWarning);
    connect(finalizer, &RecordingFinalizer::errorOccurred, this, [this](const QString &message) {
        // A recording that the save disk stopped is told about once, with what joining it
        // needs (tellSaveDiskStop): the join failed for the same want of space.
        if (!saveDiskStopRoot.isEmpty()) {
            qWarning().noquote() << "[Recorder] the segments of a recording stopped by the save disk were not joined:"
                                 << message;
            return;
        }
        emit errorOccurred(message);
    });
    connect(finalizer, &RecordingFinalizer::stopped, this, &Recorder::onFinalizationStopped);

    // Learn once, off the GUI thread, which optional encoder flags the local
    // ffmpeg knows, so that building a segment's command line never waits for it.
    static std::atomic<bool> optionsQueried{false};
    if (!optionsQueried.exchange(true))
        QThreadPool::globalInstance()->start([] { EncoderProbe::shared().supportsShortestBufDuration(); });
}

Recorder::~Recorder()
{
    // Going away in the middle of a recording finishes nothing half-way: the running
    // encoder is asked to end its segment, a finalisation under way is undone, and
    // every segment stays in the parts folder.
    ++commandGeneration;
    ++startGeneration;
    policyTimer->stop();
    startWatchdog->stop();
    cancelSplit();
    // The chain's draining encoders write out what they hold when it goes, after this.
    disconnect(chain, nullptr, this, nullptr);
    if (chain->encoder()->state() != QProcess::NotRunning) {
        stopAudioCaptures();
        askEncoderToEnd();
        if (!chain->encoder()->waitForFinished(5000)) {
            qWarning() << "[Recorder] encoder still running at shutdown, killing it";
            chain->encoder()->kill();
            chain->encoder()->waitForFinished(3000);
        }
    }
    finalizer->abandon();
    cleanupWindowCapture();
    chain->audio().clear();
}

// ---------------------------------------------------------------------------
// Configuration

void Recorder::setCaptureRect(const QRect &rect, const QRect &deviceRect)
{
    captureRect = rect.normalized();
    if (deviceRect.isValid())
        captureDeviceRect = deviceRect.normalized();
    else if (captureRect.isValid())
        captureDeviceRect = DisplayGeometry::toDevice(DisplayGeometry::applicationDisplays(), captureRect);
    else
        captureDeviceRect = QRect();
}

void Recorder::setOutputPath(const QString &path)
{
    outputPath = path;
    outputPathExplicit = !path.trimmed().isEmpty();
}

void Recorder::setFps(int value)
{
    fps = std::clamp(value, 1, 240);
}

void Recorder::setVideoBitrate(int kbps)
{
    videoBitrate = std::max(500, kbps);
}

void Recorder::setAnnotationFrameProvider(AnnotationFrameProvider provider)
{
    annotationFrameProvider = std::move(provider);
}

void Recorder::setEncoder(const QString &encoder)
{
    const QString name = encoder.trimmed();
    requestedEncoder = name.isEmpty() ? EncoderProbe::softwareEncoder() : name;
}

void Recorder::setVideoContainer(const QString &container)
{
    videoContainer = container.compare(QLatin1String("mkv"), Qt::CaseInsensitive) == 0 ? QStringLiteral("mkv")
                                                                                        : QStringLiteral("mp4");
}

void Recorder::setFrameRateMode(const QString &mode)
{
    frameRateMode = mode.compare(QLatin1String("vfr"), Qt::CaseInsensitive) == 0 ? QStringLiteral("vfr")
                                                                                   : QStringLiteral("cfr");
}

void Recorder::setKeyframeInterval(int seconds)
{
    keyframeInterval = std::clamp(seconds, 1, 10);
}

void Recorder::setCaptureBackend(CaptureBackend backend)
{
    captureBackend = backend;
}

void Recorder::setCaptureWindow(const NativeWindowHandle &window)
{
    captureWindow = window;
}

void Recorder::setDesktopOutputIndex(int index)
{
    desktopOutputIndex = std::max(0, index);
}

void Recorder::setSystemAudioEnabled(bool enabled)
{
    systemAudioEnabled = enabled;
}

void Recorder::setMicEnabled(bool enabled)
{
    micEnabled = enabled;
}

void Recorder::setAudioOnly(bool value)
{
    audioOnly = value;
}

void Recorder::setAudioFormat(const QString &format)
{
    static const QStringList known{QStringLiteral("mp3"), QStringLiteral("m4a"), QStringLiteral("wav"),
                                   QStringLiteral("flac")};
    const QString name = format.trimmed().toLower();
    audioFormat = known.contains(name) ? name : QStringLiteral("mp3");
}

void Recorder::setAudioBitrate(int kbps)
{
    audioBitrate = std::clamp(kbps, 64, 320);
}

void Recorder::setSystemAudioDevice(const QString &device)
{
    systemAudioDevice = device.trimmed();
}

void Recorder::setMicAudioDevice(const QString &device)
{
    micAudioDevice = device.trimmed();
}

void Recorder::setAudioDevice(const QString &device)
{
    audioDevice = device.trimmed();
}

void Recorder::setAudioProcessing(int systemVolumePercent, int micVolumePercent, bool noiseReduction, bool mono,
                                  int delayMs)
{
    systemVolume = std::clamp(systemVolumePercent, 0, 200);
    micVolume = std::clamp(micVolumePercent, 0, 200);
    micNoiseReduction = noiseReduction;
    monoAudio = mono;
    micDelayMs = std::clamp(delayMs, 0, 3000);
}

void Recorder::setWebcamEnabled(bool enabled)
{
    webcamEnabled = enabled;
}

void Recorder::setWebcamSettings(const QString &deviceName, int resolution, int cameraFps, int shape, int position,
                                 int size, bool mirrored)
{
    webcamDeviceName = deviceName.trimmed();
    webcamResolution = resolution;
    webcamFps = cameraFps;
    webcamShape = shape;
    webcamPosition = position;
    webcamSize = size;
    webcamMirrored = mirrored;
}

void Recorder::setEffectsTargetRect(const QRect &rect)
{
    effectsTargetRect = rect.normalized();
}

void Recorder::setMouseEffectsEnabled(bool enabled)
{
    mouseEffectsEnabled = enabled;
}

void Recorder::setMouseEffectStyle(const QColor &cursor, int size, int opacityPercent, bool animateClicks,
                                   const QColor &leftClick, const QColor &rightClick)
{
    cursorColor = cursor;
    mouseSize = std::clamp(size, 20, 120);
    mouseOpacity = std::clamp(opacityPercent, 10, 100);
    clickAnimation = animateClicks;
    leftClickColor = leftClick;
    rightClickColor = rightClick;
}

void Recorder::setWatermarkFilter(const QString &filter)
{
    watermarkFilter = filter.trimmed();
}

void Recorder::setAutoSplit(bool enabled, int mode, int minutes, int megabytes)
{
    autoSplitEnabled = enabled;
    autoSplitMode = mode > 0 ? 1 : 0;
    autoSplitMinutes = std::max(1, minutes);
    autoSplitMegabytes = std::max(1, megabytes);
}

void Recorder::setAutoStop(bool enabled, int mode, int minutes, int megabytes)
{
    autoStopEnabled = enabled;
    autoStopMode = mode > 0 ? 1 : 0;
    autoStopMinutes = std::max(1, minutes);
    autoStopMegabytes = std::max(1, megabytes);
}

// ---------------------------------------------------------------------------
// Programs, files and devices

QString Recorder::ffmpegExecutable()
{
    return ToolLookup::ffmpeg();
}

QString Recorder::partsFolderFor(const QString &outputPath)
{
    const QFileInfo info(outputPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".vistrelle-parts"));
}

QString Recorder::leftoverOfEarlierRecording(const QString &outputPath) const
{
    const QString parts = partsFolderFor(outputPath);
    if (QFileInfo(parts).isDir() && !QDir(parts).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return parts;
    FinalizationJob job;
    job.outputPath = outputPath;
    job.merge.audioOnly = audioOnly;
    job.merge.audioFormat = audioFormat;
    job.merge.videoContainer = videoContainer;
    for (const QString &file : {RecordingFinalizer::mergeTargetPath(job), RecordingFinalizer::watermarkTargetPath(job)}) {
        if (QFileInfo::exists(file) || QFileInfo(file).isSymLink())
            return file;
    }
    return {};
}

bool Recorder::createFolder(const QString &path, QString *errorText)
{
    if (!path.isEmpty() && QDir().mkpath(path) && QFileInfo(path).isDir() && QFileInfo(path).isWritable())
        return true;
    // A folder that is there (or whose nearest existing parent is there) but refuses
    // writing is named as such: "cannot be created" would send the user looking elsewhere.
    QFileInfo existing(path);
    while (!existing.exists() && !existing.isRoot() && existing.absolutePath() != existing.absoluteFilePath())
        existing = QFileInfo(existing.absolutePath());
    if (errorText) {
        const QString folder = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        if (!existing.isDir() || existing.isWritable())
            *errorText = tr("无法创建文件夹：%1").arg(folder);
        else if (existing.absoluteFilePath() == QFileInfo(path).absoluteFilePath())
            *errorText = tr("保存文件夹不可写入：%1").arg(folder);
        else // a missing folder on a read-only disk: the folder asked for is the one to name
            *errorText = tr("保存文件夹不存在，也无法创建：%1\n%2 不可写入。")
                             .arg(folder, QDir::toNativeSeparators(existing.absoluteFilePath()));
    }
    return false;
}

QString Recorder::makeDefaultOutputPath(QString *errorText) const
{
    QSettings settings;
    const QString folder = SaveFolder::current();
    if (!createFolder(folder, errorText)) {
        qWarning() << "[Recorder] cannot use the save folder" << folder;
        return {};
    }
    const QDir dir(folder);
    const QString naming = settings.value(QStringLiteral("save/naming"), QStringLiteral("vistrelle_datetime")).toString();
    const QString extension = audioOnly ? audioFormat : videoContainer;

    // Taken when the recording's file or the segments of an earlier recording of
    // that name (kept after a failed finish) are there.
    auto taken = [this](const QString &path) {
        return QFileInfo::exists(path) || QFileInfo::exists(partsFolderFor(path))
            || !leftoverOfEarlierRecording(path).isEmpty();
    };

    if (naming == QLatin1String("sequence")) {
        for (qint64 n = 1;; ++n) {
            const QString candidate =
                dir.filePath(QStringLiteral("Recording_%1.%2").arg(n, 4, 10, QLatin1Char('0')).arg(extension));
            if (!taken(candidate))
                return candidate;
        }
    }

    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HHmmss_zzz"));
    const QString base = naming == QLatin1String("datetime") ? stamp : QStringLiteral("Vistrelle_%1").arg(stamp);
    QString candidate = dir.filePath(base + QLatin1Char('.') + extension);
    for (int k = 2; taken(candidate); ++k)
        candidate = dir.filePath(QStringLiteral("%1_%2.%3").arg(base).arg(k).arg(extension));
    return candidate;
}

QStringList Recorder::listAudioDevices()
{
    return {};
}

namespace {

QString firstDeviceContaining(const QStringList &hints)
{
    const QStringList devices = Recorder::listAudioDevices();
    for (const QString &hint : hints) {
        for (const QString &device : devices) {
            if (device.contains(hint, Qt::CaseInsensitive))
                return device;
        }
    }
    return {};
}

} // namespace

QString Recorder::suggestedSystemAudioDevice()
{
    return firstDeviceContaining({QStringLiteral("stereo mix"), QStringLiteral("立体声混音"),
                                  QStringLiteral("what u hear"), QStringLiteral("loopback"),
                                  QStringLiteral("cable output"), QStringLiteral("wave out")});
}

QString Recorder::suggestedMicrophoneDevice()
{
    return firstDeviceContaining({QStringLiteral("microphone"), QStringLiteral("麦克风"), QStringLiteral("mic ")});
}

// ---------------------------------------------------------------------------
// Encoders

bool Recorder::encoderWorks(const QString &encoder)
{
    return EncoderProbe::shared().works(encoder);
}

bool Recorder::encoderWorksAtSize(const QString &encoder, const QSize &size, int frameRate)
{
    return EncoderProbe::shared().worksAtSize(encoder, size, frameRate);
}

bool Recorder::isVideoEncoderAvailable(const QString &encoder)
{
    return encoderWorks(encoder);
}

QString Recorder::availableHardwareEncoder()
{
    return EncoderProbe::shared().availableHardwareEncoder();
}

QString Recorder::resolvedEncoder() const
{
    return EncoderProbe::shared().resolve(requestedEncoder);
}

// ---------------------------------------------------------------------------
// Command line

SegmentAudioPipes::Wanted Recorder::wantedAudio() const
{
    SegmentAudioPipes::Wanted wanted;
    if (systemAudioEnabled) {
        wanted.system = AudioDeviceChoice::speakerMonitor(systemAudioDevice);
        if (wanted.system.isEmpty())
            wanted.system = QByteArrayLiteral("@DEFAULT_MONITOR@");
    }
    if (micEnabled) {
        const QString source = AudioDeviceChoice::microphoneSource(micAudioDevice.isEmpty() ? audioDevice : micAudioDevice);
        wanted.microphone = source.isEmpty() ? QByteArrayLiteral("@DEFAULT_SOURCE@") : source.toUtf8();
    }
    return wanted;
}

QString Recorder::audioCaptureError(SegmentAudioPipes::Source source, const QString &reason) const
{
    // The sound server's own words go to the log: the user is told which sound failed.
    qWarning().noquote() << "[Recorder]" << (source == SegmentAudioPipes::Microphone ? "microphone" : "system audio")
                         << "capture did not start:" << reason;
    if (source == SegmentAudioPipes::Microphone)
        return tr("无法录制麦克风：声音服务器没有开始录音。请检查输入设备后重试。");
    return tr("无法捕获系统声音：声音服务器没有开始录音。请检查输出设备后重试。");
}

EncoderCommandLine::Inputs Recorder::commandLineInputs() const
{
    EncoderCommandLine::Inputs in;
    in.audioOnly = audioOnly;
    in.micEnabled = micEnabled;
    if (micEnabled)
        in.micSource = AudioDeviceChoice::microphoneSource(micAudioDevice.isEmpty() ? audioDevice : micAudioDevice);
    in.captureBackend = captureBackend;
    in.desktopOutputIndex = desktopOutputIndex;
    in.fps = fps;
    in.videoBitrate = videoBitrate;
    in.keyframeInterval = keyframeInterval;
    in.frameRateMode = frameRateMode;
    in.videoContainer = videoContainer;
    in.audioFormat = audioFormat;
    in.audioBitrate = audioBitrate;
    in.systemVolume = systemVolume;
    in.micVolume = micVolume;
    in.micNoiseReduction = micNoiseReduction;
    in.monoAudio = monoAudio;
    in.micDelayMs = micDelayMs;
    in.captureRect = captureRect;
    in.captureDeviceRect = captureDeviceRect;
    in.outputPath = outputPath;
    in.softwarePresetForced = softwarePresetForced;
    in.pipeFrameSize = pipeFrameSize;
    in.cropRect = cropRect;
    in.outputSize = switchedFrameSize.isValid() ? switchedFrameSize : outputSize;
    in.currentSegmentPath = currentSegmentPath;
    in.systemAudioPipePath = chain->audio().path(SegmentAudioPipes::System);
    in.micPipePath = chain->audio().path(SegmentAudioPipes::Microphone);
    in.hasScreenCapture = screenCapture != nullptr;
    in.hasSystemAudioCapture = chain->audio().has(SegmentAudioPipes::System);
    in.primedInputs = launch.split;
    // x264 holds back a frame per frame thread, 12 on eight cores: with its look-ahead 0.8 s
    // that a program killed together with its encoder loses. Four keep up with 1080p at 30
    // frames per second for no more processor time and a third less memory.
    if (QThread::idealThreadCount() * 3 / 2 > kSoftwareEncoderThreads)
        in.encoderThreads = kSoftwareEncoderThreads;

    in.screens = DisplayGeometry::applicationDisplays();
    in.primaryScreen = QGuiApplication::screens().indexOf(QGuiApplication::primaryScreen());
    in.inputForm = DeviceInputArguments::form();
    in.display = DeviceInputArguments::currentDisplay();

    // Only piped video with audio uses the buffer option; do not ask ffmpeg otherwise.
    const bool pipedWithAudio = EncoderCommandLine::isPipedVideo(in)
        && (micEnabled || in.hasSystemAudioCapture);
    in.shortestBufDuration = pipedWithAudio && EncoderProbe::shared().supportsShortestBufDuration();
    if (!audioOnly)
        in.encoder = selectedEncoder.isEmpty() ? resolvedEncoder() : selectedEncoder;
    return in;
}

QStringList Recorder::buildArgs() const
{
    return EncoderCommandLine::build(commandLineInputs());
}

bool Recorder::abandonBeforeFirstMedia()
{
    if (finalizing || !segmentFiles().isEmpty() || chain->isDraining())
        return false;
    // Its first segment is launching: nothing is in its file yet. Once launched, it goes
    // as it would have then.
    if (deferUntilLaunched([this] {
            if (!abandonBeforeFirstMedia())
                stop();
        }))
        return true;
    if (recordingActive && !nothingRecordedYet())
        return false;
    qInfo() << "[Recorder] ended before the encoder delivered any media: nothing was recorded";
    if (!recordingActive || chain->encoder()->state() == QProcess::NotRunning) {
        discard();
        return true;
    }
    endWithoutMedia();
    return true;
}

bool Recorder::nothingRecordedYet() const
{
    if (!recordingActive || finalizing || !segmentFiles().isEmpty() || chain->isDraining())
        return false;
    // The encoder may have written media it has not reported yet: a file that holds more
    // than its header is kept as after a stop.
    const qint64 bytes = currentSegmentBytes();
    return !startedEmitted && awaitingFirstMedia && (bytes <= 0 || FragmentedMp4::isHeaderOnly(currentSegmentPath));
}

void Recorder::endWithoutMedia()
{
    // Nothing to write out: the encoder goes at once, and its end discards the segment.
    ++commandGeneration;
    policyTimer->stop();
    cancelSplit();
    pendingReason = SegmentEndReason::Discard;
    segmentStopping = true;
    startWatchdog->stop();
    stopAudioCaptures();
    chain->encoder()->kill();
}
