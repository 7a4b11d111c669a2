// The launch of a segment, in steps that each return to the event loop: the screen capture
// starts and reports its first frame, then the encoder is started and reports that it runs.
// Nothing on the way waits on the GUI thread, which feeds the running segments' frames.
#include "recording/Recorder.h"

#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/MacScreenCapture.h"
#include "platform/mac/MacSystemAudioCapture.h"
#include "platform/mac/WindowFrameSource.h"
#include "recording/CaptureGeometry.h"
#include "recording/ChildProcessLifetime.h"
#include "recording/SegmentChain.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <cmath>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

void Recorder::noteLaunchStep()
{
    launchLongestStepMs = std::max(launchLongestStepMs, launchStep.elapsed());
}

bool Recorder::deferUntilLaunched(std::function<void()> command)
{
    if (!launch.inFlight())
        return false;
    commandsAfterLaunch.push_back(std::move(command));
    return true;
}

void Recorder::endLaunch(bool launched)
{
    noteLaunchStep();
    launch.stage = SegmentLaunch::Stage::None;
    launch.split = false;
    ++launch.generation;
    qInfo().noquote() << "[Recorder startup] the launch held the GUI thread" << launchLongestStepMs
                      << "ms at most at once, over" << launchClock.elapsed() << "ms";
    if (LaunchDone done = std::exchange(launch.done, {}))
        done(launched);
    // The commands given meanwhile, as if given right after the launch.
    const std::vector<std::function<void()>> commands = std::exchange(commandsAfterLaunch, {});
    for (const std::function<void()> &command : commands)
        command();
}

void Recorder::startSegment(LaunchDone done, bool split)
{
    launchClock.start();
    launchStep.start();
    launchLongestStepMs = 0;
    launch.stage = SegmentLaunch::Stage::Setup;
    launch.split = split;
    launch.done = std::move(done);
    // A folder removed while the recording was paused or between segments.
    if (!split && partsFolderRemoved() && !remakeRemovedFolder()) {
        reportError(std::exchange(folderLossText, QString()));
        return endLaunch(false);
    }
    resumePending = false;
    holdFrameUntilReady = false;
    segmentTookOver = false;
    stalledEncoderKilled = false;
    segmentCutMs = -1;
    commandLateMs = 0;
    leaveOutEndedSegment = false;
    if (!split)
        handedOver = {};
    segmentMediaStartMs = recordedMs();
    currentSegmentPath = makeSegmentPath();
    outputMonitor.resetSegment();
    repeatedScreenFrames = 0;
    encoderOutput.clear();
    segmentStopping = false;
    endingWatch->stop();
    pendingReason = SegmentEndReason::None;
    downgradePending = false;
    startTimedOut = false;
    awaitingFirstMedia = true;
    chain->setEncoderReading(false);
    announceSegmentEncoder();

    if (!split)
        emit segmentLaunching();
    if (split) {
        // The segment before records on: its frame source stays, and its sound captures hand
        // their streams on at the switch. Without pictures to keep in step, the sound goes to
        // the next encoder at once, sample for sample; the encoder before ends at the end of
        // its pipes.
        SegmentAudioPipes::Source failedSource = SegmentAudioPipes::System;
        QString audioError;
        if (!chain->audio().prepareSplit(partsFolder(), wantedAudio(), !audioOnly, &failedSource, &audioError)) {
            reportError(audioCaptureError(failedSource, audioError));
            return endLaunch(false);
        }
    } else {
        chain->audio().clear();
        if (!audioOnly && captureBackend != FramesBackend && MacScreenCapture::isAvailable()) {
            if (!startScreenCapture())
                return endLaunch(false);
            noteLaunchStep();
            launch.stage = SegmentLaunch::Stage::ScreenFrame;
            return; // goes on with the capture's first frame
        }
    }
    launchSegmentEncoder();
}

bool Recorder::startScreenCapture()
{
    cleanupWindowCapture();
    switchedFrameSize = QSize(-1, -1); // a capture of its own takes the frames at the size asked
    const QList<QScreen *> screens = QGuiApplication::screens();
    // The chosen display, or every display an area over several touches.
    const std::optional<EncoderCommandLine::Screen> surface = EncoderCommandLine::captureSurface(
        DisplayGeometry::applicationDisplays(), desktopOutputIndex, screens.indexOf(QGuiApplication::primaryScreen()),
        captureDeviceRect);
    if (outputSize.isValid() && !captureStreamSize.isValid()) {
        const QSize native = nativeDesktopCaptureSize();
        if (surface && native.isValid()) {
            captureStreamSize = CaptureGeometry::captureStreamSize(outputSize, native, surface->geometry,
                                                                   surface->devicePixelRatio);
        }
    }
    screenCapture = new MacScreenCapture;
    const int launching = launch.generation;
    const auto failed = [this](const QString &error) {
        cleanupWindowCapture();
        reportError(tr("无法启动不含工具栏的屏幕录制：%1").arg(error));
    };
    const auto firstFrame = [this, launching, failed](const QString &error) {
        if (launching != launch.generation)
            return;
        launchStep.start();
        launch.stage = SegmentLaunch::Stage::Setup;
        if (!error.isEmpty()) {
            failed(error);
            return endLaunch(false);
        }
        heldFrame = screenCapture->latestFrame();
        launchSegmentEncoder();
    };
    QString error;
    if (!screenCapture->startLater(surface ? surface->nativeGeometry : QRect(), excludedWindowId, fps,
                                   captureStreamSize, this, firstFrame, &error)) {
        failed(error);
        return false;
    }
    // The frames' size is the capture's from its geometry, before the first one comes.
    pipeFrameSize = screenCapture->frameSizeToCome();
    if (captureDeviceRect.isValid() && surface) {
        const QRect crop = CaptureGeometry::screenCropRect(captureDeviceRect, surface->nativeGeometry, pipeFrameSize);
        if (crop.isValid()) {
            cropRect = crop;
            pipeFrameSize = crop.size();
            qInfo() << "[Recorder] cropping the captured screen before encoding:" << cropRect;
        }
    }
    return true;
}

void Recorder::launchSegmentEncoder()
{
    if (!launch.split) {
        // A recording that goes on (a resume, the segment after a switch) records silence while
        // its sound server is away, as a running segment does. Piped pictures are stamped from
        // the moment the encoder reads the first one: the sound starts there too.
        const qint64 origin = isPipedVideo() ? MacSystemAudioCapture::OriginLater : -1;
        SegmentAudioPipes::Source failedSource = SegmentAudioPipes::System;
        QString audioError;
        if (!chain->audio().start(partsFolder(), wantedAudio(), &failedSource, &audioError, startedEmitted,
                                  origin)) {
            cleanupWindowCapture();
            reportError(audioCaptureError(failedSource, audioError));
            return endLaunch(false);
        }
    }
    logSegmentSettings();

    const QStringList args = buildArgs();
    qInfo().noquote() << "[Recorder startup] capture and audio prepared in" << launchClock.elapsed() << "ms";
    qDebug().noquote() << "[Recorder segment]" << ffmpegExecutable() << args.join(QLatin1Char(' '));

    // Piped frames go through a pipe of our own that becomes the encoder's standard
    // input; raw 1080p frames need far more than the default 64 KiB pipe to keep up.
    int frameInput = -1;
    launchPipeError.clear();
    if (isPipedVideo()) {
        // The frames go in the encoder's own planar format: converting them here costs far
        // less than the encoder's conversion of 32-bit frames, and the pipe carries less.
        const bool nv12 = EncoderCommandLine::planarPixelFormat(selectedEncoder) == QLatin1String("nv12");
        chain->pipe()->setFrameGrid(fps);
        chain->pipe()->setBeat(screenCapture   ? screenCapture->latestStampUs()
                               : windowCapture ? windowCapture->latestStampUs()
                                               : -1);
        if (chain->pipe()->open(&launchPipeError, nv12 ? FramePipe::Layout::Nv12 : FramePipe::Layout::I420))
            frameInput = chain->pipe()->readEnd();
        else
            qWarning().noquote() << "[Recorder]" << launchPipeError;
    }
    // The encoder ends with the program however it dies. One that reads our frames sees
    // its input end and writes out all it was given; one that records by itself gets
    // SIGINT, on which ffmpeg closes its file properly.
    const pid_t program = ::getpid();
    const bool endsWithProgram = !isPipedVideo();
    QProcess *encoder = chain->encoder();
    encoder->setChildProcessModifier([frameInput, program, endsWithProgram] {
        if (frameInput >= 0)
            ::dup2(frameInput, STDIN_FILENO);
        ::fcntl(STDIN_FILENO, F_SETPIPE_SZ, FramePipe::kPipeBytes);
        if (endsWithProgram)
            endChildWithProgram(program, SIGINT);
    });
    // Whether it runs comes back as a signal; a program that cannot start reports it there,
    // and the error handler leaves that report to us.
    launch.stage = SegmentLaunch::Stage::Encoder;
    const int launching = launch.generation;
    const auto answered = [this, launching, encoder](bool started) {
        if (launching != launch.generation || launch.stage != SegmentLaunch::Stage::Encoder)
            return;
        disconnect(launchStarted);
        disconnect(launchFailed);
        launchStep.start();
        onSegmentEncoderLaunched(started && encoder->state() == QProcess::Running);
    };
    launchStarted = connect(encoder, &QProcess::started, this, [answered] { answered(true); });
    launchFailed = connect(encoder, &QProcess::errorOccurred, this, [answered](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            answered(false);
    });
    if (frameInput >= 0 || !isPipedVideo())
        encoder->start(ffmpegExecutable(), args, QIODevice::ReadWrite);
    if (launching != launch.generation)
        return; // answered while it started
    if (encoder->state() == QProcess::NotRunning)
        return answered(false);
    noteLaunchStep();
    QTimer::singleShot(kEncoderLaunchMs, this, [answered] { answered(false); });
}

void Recorder::onSegmentEncoderLaunched(bool launched)
{
    launch.stage = SegmentLaunch::Stage::Setup;
    chain->pipe()->closeReadEnd();
    if (!launched) {
        chain->pipe()->abort();
        const QString reason = launchPipeError.isEmpty() ? chain->encoder()->errorString() : launchPipeError;
        if (chain->encoder()->state() != QProcess::NotRunning) {
            chain->encoder()->kill();
            chain->encoder()->waitForFinished(2000);
        }
        recordingActive = false;
        recordingPaused = false;
        resuming = false;
        stopAudioCaptures();
        chain->audio().clear();
        cleanupWindowCapture();
        awaitingFirstMedia = false;
        currentSegmentPath.clear();
        reportError(tr("FFmpeg 启动失败。请确认 ffmpeg 已放到程序目录或系统 PATH。\n%1").arg(reason));
        return endLaunch(false);
    }

    recordingActive = true;
    segmentTimer.start();
    startWatchdog->start(15000);
    if (isPipedVideo() && !launch.split) {
        // The frame ticks hand the file's time 0 over once the first frames have shown it.
        chain->audio().awaitOrigin();
    }

    if (isPipedVideo() && !launch.split) {
        if (!pipeFrameSize.isValid() && heldFrame.isNull()) {
            // Nothing to pipe: handled as an encoder that never shows media.
            qWarning() << "[Recorder] no frame source for the piped segment";
        }
        configureFrameComposer();
        frameTimer = new QTimer(this);
        frameTimer->setTimerType(Qt::PreciseTimer);
        frameTimer->setInterval(std::max(1, int(std::lround(1000.0 / fps))));
        connect(frameTimer, &QTimer::timeout, this, &Recorder::onFrameTimerTick);
        connectWindowFrames();
        windowImage = heldFrame;
        windowFrames.clear();
        // The newest grab opens the segment at the moment it was taken, the ones before it go.
        // The grabs made while the encoder opens its input follow it in their own slots.
        // Without one the encoder stamps the picture when it is up.
        qint64 heldStampUs = -1;
        if (screenCapture) {
            std::vector<MacScreenCapture::StampedFrame> fresh = screenCapture->takeNewFrames();
            if (!fresh.empty() && !holdFrameUntilReady) {
                heldFrame = fresh.back().image;
                heldStampUs = fresh.back().stampUs;
            }
        } else if (windowCapture && !cameraFrameSource && !holdFrameUntilReady) {
            // The window has gone on being grabbed since its first frame came: the newest
            // grab opens the segment, not the one the launch waited for.
            const qint64 grabbedUs = windowCapture->latestStampUs();
            const QImage newest = windowCapture->latestFrame();
            if (grabbedUs >= 0 && !newest.isNull()) {
                heldFrame = newest.convertToFormat(QImage::Format_ARGB32);
                windowImage = heldFrame;
                heldStampUs = grabbedUs;
            }
        }
        lastScreenFrameUs = -1;
        frameClock.start(fps);
        writeWindowFrame(heldFrame, heldStampUs);
        frameTimer->setInterval(frameClock.nextIntervalMs());
        frameTimer->start();
    }
    qInfo().noquote() << "[Recorder startup] first frame dispatched in" << launchClock.elapsed() << "ms";
    endLaunch(true);
}
