// The Recorder's frame path: window, webcam and screen frames composed and piped to the
// encoder, and what the encoder prints about them.
#include "recording/Recorder.h"
#include "recording/SegmentChain.h"

#include "platform/mac/RecordingClock.h"
#include "platform/mac/MacScreenCapture.h"
#include "platform/mac/WindowFrameSource.h"
#include "recording/CaptureGeometry.h"
#include "recording/DrainingSegment.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>

// ---------------------------------------------------------------------------
// Frame path
// ---------------------------------------------------------------------------

namespace {
// A screen capture that delivers no frame for this long has stalled.
constexpr qint64 kScreenStallUs = 250000;
} // namespace

QSize Recorder::nativeDesktopCaptureSize() const
{
    if (audioOnly || captureBackend == FramesBackend)
        return QSize(-1, -1);
    const QList<QScreen*> screens = QGuiApplication::screens();
    const QScreen* screen = desktopOutputIndex < screens.size() ? screens.at(desktopOutputIndex)
                                                                 : QGuiApplication::primaryScreen();
    if (captureBackend == DesktopDuplicationBackend && captureRect.isValid())
        return QSize(captureRect.width() & ~1, captureRect.height() & ~1);
    if (captureDeviceRect.isValid())
        return CaptureGeometry::nativeSize(captureDeviceRect, 1.0);
    if (!screen)
        return QSize(-1, -1);
    return CaptureGeometry::nativeSize(screen->geometry(), screen->devicePixelRatio());
}

bool Recorder::prepareWindowCapture()
{
    cleanupWindowCapture();
    if (cameraFrameSource) {
        heldFrame = cameraFrameSource();
        // The encoder takes even sides only: an odd column or row is left out, as for windows.
        const QSize even(heldFrame.width() & ~1, heldFrame.height() & ~1);
        if (heldFrame.isNull() || even.width() < 2 || even.height() < 2) {
            reportError(tr("Camera preview is not ready."));
            return false;
        }
        if (even != heldFrame.size())
            heldFrame = heldFrame.copy(QRect(QPoint(0, 0), even));
        pipeFrameSize = even;
        keepRecordingFrameSize();
        return true;
    }
    if (!captureWindow.isValid()) {
        reportError(tr("没有有效的窗口录制目标。"));
        return false;
    }

    windowCapture = new WindowFrameSource(this);
    QString error;
    if (!windowCapture->start(captureWindow, fps, &error)) {
        cleanupWindowCapture();
        reportError(tr("窗口捕获启动失败：%1").arg(error));
        return false;
    }

    // Wait for a first frame of at least 2x2 pixels, keeping the event loop alive.
    const int commands = commandGeneration;
    QEventLoop loop;
    QTimer timeout;
    timeout.setTimerType(Qt::PreciseTimer); // a coarse timer may end the wait up to 5 % early
    timeout.setSingleShot(true);
    timeout.setTimerType(Qt::PreciseTimer);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QString lostReason;
    const QMetaObject::Connection firstFrame =
        connect(windowCapture, &WindowFrameSource::frameAvailable, this, [this, &loop](const QImage& frame) {
            if (frame.isNull())
                return;
            const QImage image = frame.convertToFormat(QImage::Format_ARGB32);
            const int w = image.width() & ~1;
            const int h = image.height() & ~1;
            if (w < 2 || h < 2)
                return;
            heldFrame = image.copy(0, 0, w, h);
            pipeFrameSize = QSize(w, h);
            loop.quit();
        });
    const QMetaObject::Connection lost =
        connect(windowCapture, &WindowFrameSource::errorOccurred, this, [&loop, &lostReason](const QString& reason) {
            lostReason = reason;
            loop.quit();
        });
    waitingForWindowFrame = true;
    windowWait = &loop;
    timeout.start(4500);
    loop.exec();
    windowWait = nullptr;
    waitingForWindowFrame = false;
    disconnect(firstFrame);
    disconnect(lost);

    if (commands != commandGeneration) {
        // Stopped or discarded during the wait: the caller ends quietly.
        cleanupWindowCapture();
        return false;
    }
    if (heldFrame.isNull()) {
        cleanupWindowCapture();
        if (!lostReason.isEmpty())
            reportError(tr("窗口捕获启动失败：%1").arg(lostReason));
        else
            reportError(tr("窗口捕获启动失败或目标窗口没有产生画面。"));
        return false;
    }
    keepRecordingFrameSize();
    return true;
}

void Recorder::endWindowWait()
{
    if (windowWait)
        windowWait->quit();
}

void Recorder::connectWindowFrames()
{
    if (!windowCapture)
        return;
    connect(windowCapture, &WindowFrameSource::frameAvailable, this, [this](const QImage& frame) {
        if (frame.isNull())
            return;
        windowImage = frame.format() == QImage::Format_ARGB32 ? frame : frame.convertToFormat(QImage::Format_ARGB32);
        windowFrames.append({windowImage, windowCapture->latestStampUs()});
        if (windowFrames.size() > kWindowFramesKept)
            windowFrames.removeFirst();
    });
    // A window closed during the recording: its last picture stays, and the user learns why.
    connect(windowCapture, &WindowFrameSource::errorOccurred, this, [this](const QString& reason) {
        qWarning().noquote() << "[Recorder] window capture lost:" << reason;
        emit windowCaptureLost(tr("录制的窗口已不可用，画面停留在最后一帧：%1").arg(reason));
    });
}

void Recorder::deactivateWindowFrames()
{
    if (windowCapture)
        windowCapture->stop();
}

void Recorder::cleanupWindowCapture()
{
    chain->pipe()->abort();
    if (screenCapture) {
        screenCapture->stop();
        delete screenCapture;
        screenCapture = nullptr;
    }
    if (frameTimer) {
        frameTimer->stop();
        delete frameTimer;
        frameTimer = nullptr;
    }
    if (windowCapture) {
        windowCapture->stop();
        delete windowCapture;
        windowCapture = nullptr;
    }
    heldFrame = QImage();
    windowImage = QImage();
    windowFrames.clear();
    pipeFrameSize = QSize(-1, -1);
    cropRect = QRect();
}

void Recorder::keepRecordingFrameSize()
{
    // Segments of one recording keep the size of its first segment: a window resized
    // meanwhile is scaled to it, so the segments can be joined as they are.
    if (recordingFrameSize.isValid())
        pipeFrameSize = recordingFrameSize;
    else
        recordingFrameSize = pipeFrameSize;
}

void Recorder::configureFrameComposer()
{
    FrameComposer::Settings& s = frameComposer.settings();
    s.pipeFrameSize = pipeFrameSize;
    s.cropRect = cropRect;
    s.screenSource = screenCapture != nullptr;
    s.cameraSource = bool(cameraFrameSource);
    s.mouseEffectsEnabled = mouseEffectsEnabled;
    s.cursorColor = cursorColor;
    s.mouseSize = mouseSize;
    s.mouseOpacity = mouseOpacity;
    s.effectsTargetRect = effectsTargetRect;
    s.annotationProvider = annotationFrameProvider;
    s.padByteUnread = chain->pipe()->layout() != FramePipe::Layout::Bgra;
}

void Recorder::onFrameTimerTick()
{
    // The sound starts at the file's time 0 once the frames have shown where it lies.
    chain->audio().settleOrigin(chain->pipe()->firstFrameSteadyNs());
    if (frameTimer)
        frameTimer->setInterval(frameClock.nextIntervalMs());
    if (screenCapture && !holdFrameUntilReady) {
        // Every frame the capture took since the last tick, each at the moment it was taken:
        // a late tick loses none, and none is written twice. Those the encoder has no room
        // for yet wait in the capture for the next tick.
        bool any = false;
        while (!frameBacklogFull()) {
            const MacScreenCapture::StampedFrame frame = screenCapture->takeOldestFrame();
            if (frame.image.isNull())
                break;
            writeWindowFrame(frame.image, frame.stampUs);
            lastScreenFrameUs = frame.stampUs;
            any = true;
        }
        // A capture that stalls (a busy X server) has the file go on with the last picture,
        // so that it keeps its length; each repeat is a moment the file lacks.
        const qint64 now = RecordingClock::wallUs();
        if (!any && !frameBacklogFull() && lastScreenFrameUs >= 0 && now - lastScreenFrameUs > kScreenStallUs) {
            writeWindowFrame(screenCapture->latestFrame(), now);
            ++repeatedScreenFrames;
        }
        return;
    }
    if (windowCapture && !cameraFrameSource && !holdFrameUntilReady) {
        // Each of the window's frames keeps the moment it was grabbed, and goes in once; a
        // window capture that stalls has the file go on with its last picture.
        bool any = false;
        while (!windowFrames.isEmpty() && !frameBacklogFull()) {
            const StampedWindowFrame frame = windowFrames.takeFirst();
            if (frame.stampUs <= lastScreenFrameUs)
                continue;
            writeWindowFrame(frame.image, frame.stampUs);
            lastScreenFrameUs = frame.stampUs;
            any = true;
        }
        const qint64 now = RecordingClock::wallUs();
        if (!any && !frameBacklogFull() && lastScreenFrameUs >= 0 && now - lastScreenFrameUs > kScreenStallUs)
            writeWindowFrame(windowImage, now);
        return;
    }
    writeWindowFrame(currentSourceFrame(), RecordingClock::wallUs());
}

QImage Recorder::currentSourceFrame() const
{
    if (holdFrameUntilReady)
        return heldFrame;
    if (screenCapture)
        return screenCapture->latestFrame();
    if (cameraFrameSource)
        return cameraFrameSource();
    return windowImage;
}

void Recorder::writeWindowFrame(const QImage& frame, qint64 stampUs)
{
    // While the next segment of a split launches, the segment before gets the frames.
    if (!recordingActive || (recordingPaused && !resuming) || frame.isNull()
        || (chain->encoder()->state() != QProcess::Running && !chain->handingOver())) {
        return;
    }
    // Until the next segment of a split takes over, the segment before gets the frames. The
    // next one takes over with a frame taken after the one it was primed with (an earlier one
    // would not go in), and its sound starts with that frame.
    if (chain->handingOver() && chain->encoderReading() && chain->pipe()->isDrained()) {
        if (stampUs < 0)
            completeSplit();
        else if (stampUs > chain->pipe()->lastStampUs())
            completeSplit(RecordingClock::steadyNsOfWall(stampUs));
    }
    DrainingSegment *previous =
        chain->handingOver() && !chain->handingOver()->isFinishing() ? chain->handingOver() : nullptr;
    if (!previous && !chain->pipe()->isOpen())
        return;
    if (frameBacklogFull())
        return; // the slot it leaves empty is counted by the pipe
    // The annotation provider may be replaced during a recording.
    frameComposer.settings().annotationProvider = annotationFrameProvider;
    // The cursor, its highlight and the strokes go where the recorded window is now.
    if (windowCapture && !cameraFrameSource) {
        if (const QRect placed = windowCapture->latestWindowRect(); placed.isValid())
            frameComposer.settings().effectsTargetRect = placed;
    }
    const QImage composed = frameComposer.compose(frame, holdFrameUntilReady);
    if (previous)
        previous->writeFrame(composed, stampUs);
    else
        chain->pipe()->write(composed, stampUs);
}

bool Recorder::frameBacklogFull() const
{
    const DrainingSegment* previous =
        chain->handingOver() && !chain->handingOver()->isFinishing() ? chain->handingOver() : nullptr;
    return FrameComposer::backlogExceeded(previous ? previous->pendingBytes() : chain->pipe()->pendingBytes(),
                                          FrameConversion::frameBytes(pipeFrameSize, chain->pipe()->layout()));
}

void Recorder::onEncoderOutput()
{
    const QString chunk = QString::fromLocal8Bit(chain->encoder()->readAll());
    EncoderOutputMonitor::Context context;
    context.audioOnly = audioOnly;
    context.targetFps = fps;
    context.recordingActive = recordingActive;
    context.recordingPaused = recordingPaused;
    context.segmentAgeMs = segmentTimer.isValid() ? segmentTimer.elapsed() : -1;
    context.screenCaptureSegment = screenCapture != nullptr;
    context.pipeFrameHeight = pipeFrameSize.height();
    context.encoder = selectedEncoder;
    if (isPipedVideo())
        outputMonitor.noteMissedFrames(chain->pipe()->missedSlots() + repeatedScreenFrames);
    outputMonitor.setAwaitingFirstMedia(awaitingFirstMedia);
    outputMonitor.setDowngradePending(downgradePending);
    const EncoderOutputMonitor::Result result = outputMonitor.feed(chunk, context);
    encoderOutput = outputMonitor.output();
    downgradePending = outputMonitor.downgradePending();

    settleMediaLead();
    if (!result.trimmedChunk.isEmpty()) {
        qInfo().noquote() << "[FFmpeg output]" << result.trimmedChunk;
        endingWatch->noteProgress(); // a sign of progress (the rest of a line is none)
    }
    // The next segment of a split has opened its inputs and reads them from now on. An
    // encoder of our frames takes over once it has read the frame it was primed with.
    if (!chain->encoderReading() && chunk.contains(QLatin1String("Stream mapping:"))) {
        chain->setEncoderReading(true);
        // The file's time runs from here (a split's next segment continues it).
        if (!mediaClock.isValid() && recordingActive && (!recordingPaused || resuming)
            && pendingReason != SegmentEndReason::Pause) {
            mediaClock.start();
            mediaClockStartNs = RecordingClock::steadyNs();
            mediaLeadPending = isPipedVideo() || audioOnly;
        }
    }
    if (chain->handingOver() && chain->encoderReading() && !isPipedVideo())
        completeSplit();
    for (int seconds : result.ticks)
        emit recordTick(seconds);
    if (result.firstMedia)
        markSegmentReady();
    if (result.performance.valid) {
        emit performanceUpdated(result.performance.fps, result.performance.droppedFrames, selectedEncoder,
                                videoBitrate, result.performance.hardwareEncoding);
        qInfo().noquote() << result.performance.logLine;
    }
    switch (result.action) {
    case EncoderOutputMonitor::Action::ResolutionDowngrade:
        QTimer::singleShot(0, this, [this] { downgradeCaptureSize(); });
        break;
    case EncoderOutputMonitor::Action::FrameRateDowngrade: {
        const QString reason = tr("实际编码速度或有效帧率持续低于 120 FPS 要求");
        QTimer::singleShot(0, this, [this, reason] { downgradeFrameRate(reason); });
        break;
    }
    case EncoderOutputMonitor::Action::Warn60Fps:
        emit recordingPerformanceWarning(tr("设备持续无法稳定达到 60 FPS，建议下次使用 30 FPS 或硬件编码。"));
        break;
    case EncoderOutputMonitor::Action::Warn30Fps:
        emit recordingPerformanceWarning(tr("屏幕采集持续低于 30 FPS 要求，建议关闭高负载程序或改用 720p 录制。"));
        break;
    case EncoderOutputMonitor::Action::None:
        break;
    }
}

void Recorder::downgradeCaptureSize()
{
    if (!recordingActive || recordingPaused || pendingReason != SegmentEndReason::None) {
        downgradePending = false;
        return;
    }
    const bool to720 = pipeFrameSize.height() <= 1080;
    captureStreamSize = to720 ? QSize(1280, 720) : QSize(1920, 1080);
    segmentsDiffer = true;
    emit recordingPerformanceWarning(to720 ? tr("Screen capture is still dropping frames. Switched to 720p for smoother recording.")
                                           : tr("屏幕采集持续掉帧，已自动切换到 1080p 以保持录制流畅。"));
    pendingReason = SegmentEndReason::Restart;
    stopCurrentSegment();
}

void Recorder::downgradeFrameRate(const QString& reason)
{
    if (!recordingActive || recordingPaused || pendingReason != SegmentEndReason::None) {
        downgradePending = false;
        return;
    }
    const int previous = fps;
    fps = 60;
    segmentsDiffer = true;
    emit frameRateAutomaticallyReduced(previous, 60, reason);
    pendingReason = SegmentEndReason::Restart;
    stopCurrentSegment();
}
