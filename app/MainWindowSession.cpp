// The recording session: start, stop, pause, the countdown and the recorder's signals.
#include "app/MainWindow.h"

#include "app/BottomBar.h"
#include "app/HomePage.h"
#include "app/Permissions.h"
#include "widgets/DialogPlacement.h"
#include "dialogs/MicrophonePermissionDialog.h"
#include "library/MediaLibraryFiles.h"
#include "overlays/CameraOverlay.h"
#include "overlays/CountdownOverlay.h"
#include "overlays/FloatingToolbar.h"
#include "overlays/MouseHighlighter.h"
#include "overlays/SetupRecordingToolbar.h"
#include "overlays/WatermarkProgressDialog.h"
#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/InputEventTime.h"
#include "preparation/AreaPicker.h"
#include "preparation/CameraRecordingPage.h"
#include "preparation/ControlsArea.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cstdio>
#include <utility>

namespace {
bool isBusy(const Recorder *recorder)
{
    return recorder->isRecording() || recorder->isPreparingStart() || recorder->isFinalizing();
}
} // namespace

void MainWindow::onStartRecording()
{
    if (startPending || isBusy(m_recorder))
        return;
    // A pause or stop click then ends the recording where it was made.
    InputEventTime::watchInput();
    // A start from a hot key or the tray while the area is still being chosen would record
    // the whole screen under the picker: the area comes first.
    if (QWidget *picker = m_controls->areaPicker(); picker && picker->isVisible()) {
        qInfo() << "[Session] Start ignored: an area is being chosen";
        picker->raise();
        picker->activateWindow();
        return;
    }
    if (homeMode == HomeMode::Webcam && !m_cameraPage->ready()) {
        QMessageBox::warning(this, tr("Camera Recording"), tr("Wait for a live camera preview before recording."));
        return;
    }
    if (m_controls->captureMode() != CaptureMode::AudioOnly && !preflightScreenCaptureAccess()) {
        requestScreenCaptureAccess();
        MicrophonePermissionDialog(this, MicrophonePermissionDialog::ScreenRecording).exec();
        return;
    }
    if (m_controls->isMicrophoneEnabled()) {
        const int status = microphonePermissionStatus();
        if (status == 2) {
            QPointer<MainWindow> self = this;
            requestMicrophonePermission(this, [self](bool granted) {
                if (!self)
                    return;
                if (granted)
                    QTimer::singleShot(0, self, &MainWindow::onStartRecording);
                else
                    MicrophonePermissionDialog(self, MicrophonePermissionDialog::Microphone).exec();
            });
            return;
        }
        if (status != 0) {
            MicrophonePermissionDialog(this, MicrophonePermissionDialog::Microphone).exec();
            return;
        }
    }
    // Sound that cannot be recorded is refused before the countdown, as the device checks
    // refuse, saying what the user can do.
    const QString noSound =
        Recorder::soundServerRefusal(m_controls->isSystemAudioEnabled(), m_controls->isMicrophoneEnabled(),
                                     m_controls->captureMode() == CaptureMode::AudioOnly);
    if (!noSound.isEmpty()) {
        qWarning().noquote() << "[Recording error]" << noSound;
        recordingMessageBox(noSound)->open();
        return;
    }
    m_controls->refreshAudioDevices();
    recordingMicrophone = m_controls->microphoneForRecording();
    // A chosen microphone that is gone is asked for all the same: the recording takes the
    // default input in its place and says so, as when it goes during a recording.
    if (recordingMicrophone.isEmpty())
        recordingMicrophone = QString::fromUtf8(m_controls->microphoneDeviceId());
    beginRecordingSession();
}

void MainWindow::beginRecordingSession()
{
    if (isBusy(m_recorder))
        return;
    ++recordingSerial;
    finalizationBegun = false;
    startPending = true;
    elapsedSeconds = 0;
    sessionFromPreparation = inPreparation;
    sessionRecorded = false;
    sessionOpen = true;
    inPreparation = false;
    m_setupToolbar->hide();

    QRect rect = m_controls->captureRect();
    const QRect deviceRect = m_controls->captureDeviceRect();
    const CaptureMode mode = m_controls->captureMode();
    const bool audioOnly = mode == CaptureMode::AudioOnly;
    const bool webcamMode = homeMode == HomeMode::Webcam && m_pages->currentWidget() == m_cameraPage;
    if (webcamMode) {
        QPointer<CameraRecordingPage> page = m_cameraPage;
        m_recorder->cameraFrameSource = [page] { return page ? page->recordingFrame() : QImage(); };
    } else {
        m_recorder->cameraFrameSource = {};
    }
    recordingCaptureMode = mode;
    recordingSuffix = audioOnly ? m_controls->audioFormat() : m_controls->videoContainer();
    const CapturableWindow target = chosenTarget();

    m_recorder->setCaptureRect(rect, deviceRect);
    m_recorder->setFps(m_controls->fps());
    m_recorder->setVideoBitrate(m_controls->videoBitrate());
    m_recorder->setEncoder(m_controls->encoder());
    m_recorder->setVideoContainer(m_controls->videoContainer());
    m_recorder->setFrameRateMode(m_controls->frameRateMode());
    m_recorder->setKeyframeInterval(m_controls->keyframeInterval());
    m_recorder->setAudioOnly(audioOnly);
    m_recorder->setAudioFormat(m_controls->audioFormat());
    m_recorder->setAudioBitrate(m_controls->audioBitrate());
    m_recorder->setCaptureWindow(NativeWindowHandle());
    m_recorder->setDesktopOutputIndex(0);

    const QList<QScreen *> screens = QGuiApplication::screens();
    if (webcamMode) {
        m_recorder->setCaptureBackend(Recorder::FramesBackend);
        m_recorder->setFps(30);
    } else if (mode == CaptureMode::Window || mode == CaptureMode::Game) {
        m_recorder->setCaptureBackend(Recorder::FramesBackend);
        m_recorder->setCaptureWindow(target.window);
    } else if (mode == CaptureMode::Screen) {
        QList<QRect> geometries;
        for (QScreen *screen : screens)
            geometries.append(screen->geometry());
        const auto [backend, index] = screenBackendFor(rect, geometries);
        m_recorder->setCaptureBackend(Recorder::CaptureBackend(backend));
        if (backend != Recorder::DesktopBackend)
            m_recorder->setDesktopOutputIndex(index);
    } else if (mode == CaptureMode::HighPerformance) {
        m_recorder->setCaptureBackend(Recorder::DesktopDuplicationBackend);
        m_recorder->setDesktopOutputIndex(target.screenIndex);
        QRect shifted = target.frame;
        if (target.screenIndex >= 0 && target.screenIndex < screens.size())
            shifted.translate(-DisplayGeometry::of(screens.at(target.screenIndex)).nativeGeometry.topLeft());
        m_recorder->setCaptureRect(shifted);
        rect = target.frame;
    } else {
        m_recorder->setCaptureBackend(Recorder::DesktopBackend);
    }

    QRect effects = target.frame;
    QRect annotationRect;
    if (mode == CaptureMode::Screen) {
        // In device pixels, each corner through its display: an area across displays at a
        // scale above 1 may have its logical middle in no display.
        if (!rect.isEmpty())
            effects = deviceRect;
        else if (QGuiApplication::primaryScreen())
            effects = DisplayGeometry::toDevice(DisplayGeometry::applicationDisplays(),
                                                QGuiApplication::primaryScreen()->geometry());
        else
            effects = rect;
        annotationRect = rect;
    }
    m_recorder->setEffectsTargetRect(effects);

    m_recorder->setMouseEffectsEnabled(webcamMode ? false : mouseEffectsOn);
    m_recorder->setOutputPath(QString());
    m_recorder->setSystemAudioEnabled(m_controls->isSystemAudioEnabled());
    m_recorder->setMicEnabled(m_controls->isMicrophoneEnabled());
    m_recorder->setSystemAudioDevice(m_controls->systemAudioDeviceId());
    m_recorder->setMicAudioDevice(recordingMicrophone);
    m_recorder->setAudioProcessing(m_controls->systemVolume(), m_controls->microphoneVolume(),
                                   m_controls->noiseReduction(), m_controls->mono(), m_controls->microphoneDelayMs());
    m_recorder->setWebcamEnabled(webcamMode || mode == CaptureMode::Screen || audioOnly ? false
                                                                                     : m_controls->isWebcamEnabled());
    m_recorder->setWebcamSettings(m_controls->webcamDeviceName(), m_controls->webcamResolution(),
                                  m_controls->webcamFps(), m_controls->webcamShape(), m_controls->webcamPosition(),
                                  m_controls->webcamSize(), m_controls->webcamMirrored());
    // The stored auto-stop limit applies again, also after it was withdrawn from the
    // previous recording's countdown panel.
    const AutoStopConfig stop = m_bottomBar->autoStopConfig();
    m_recorder->setAutoStop(stop.enabled, stop.mode, stop.durationMin, stop.sizeMB);

    if (!audioOnly)
        m_controls->prepareCameraForRecording();
    if (!webcamMode && mode == CaptureMode::Screen && m_controls->isWebcamEnabled())
        m_cameraOverlay->startCamera(m_controls->webcamDeviceId(), m_controls->webcamResolution(),
                                     m_controls->webcamFps(), m_controls->webcamShape(), m_controls->webcamPosition(),
                                     m_controls->webcamSize(), m_controls->webcamMirrored(), rect);
    else
        m_cameraOverlay->stopCamera();
    recordingCaptureRect = rect;
    recordingCaptureDeviceRect = mode == CaptureMode::Screen ? deviceRect : QRect();
    cameraOn = audioOnly ? false : m_controls->isWebcamEnabled();
    m_controls->setRecording(true);

    if (webcamMode) {
        m_cameraPage->setBusy(true, false);
        m_floatingToolbar->hide();
        startPending = false;
        m_recorder->start();
        return;
    }

    hide();
    m_floatingToolbar->resetTime();
    m_floatingToolbar->setAnnotationCaptureRect(annotationRect, annotationRect.isValid() ? deviceRect : QRect());
    m_floatingToolbar->setRecordingInitializing(false);
    m_floatingToolbar->setCameraEnabled(cameraOn, !audioOnly);
    QRect available(0, 0, 1920, 1080);
    if (QScreen *screen = QGuiApplication::screenAt(QCursor::pos()))
        available = screen->availableGeometry();
    else if (QScreen *primary = QGuiApplication::primaryScreen())
        available = primary->availableGeometry();
    m_floatingToolbar->adjustSize();
    m_floatingToolbar->fitToWidth(available.width() - 12);
    m_floatingToolbar->move(floatingToolbarPosition(available, m_floatingToolbar->width()));

    auto *countdown = new CountdownOverlay(3, nullptr);
    countdown->setWindowTitle(tr("Vistrelle countdown"));
    if (!audioOnly && !rect.isEmpty())
        countdown->setTargetRect(rect);
    const int serial = recordingSerial;
    connect(countdown, &CountdownOverlay::canceled, this, [this, serial] { onCountdownCanceled(serial); });
    connect(countdown, &CountdownOverlay::finished, this,
            [this, serial, audioOnly] { onCountdownFinished(serial, audioOnly); });
    m_countdown = countdown;
    m_recorder->prepareStart();
    countdown->start();
}

void MainWindow::onStopRecording()
{
    stopRecordingAt(-1);
}

void MainWindow::stopRecordingAt(qint64 atNs)
{
    if (stopping)
        return;
    if (startPending && !isBusy(m_recorder)) {
        restoreAfterRecording(true);
        return;
    }
    startPending = false;
    if (!isBusy(m_recorder))
        return;
    stopping = true;
    recordTimer.stop();
    m_recorder->stop(atNs);
    // The last encoder may take a while to end (a stuck one is ended after some seconds):
    // the toolbar tells that the stop was taken.
    if (m_recorder->isRecording())
        m_floatingToolbar->setSaving(true);
}

void MainWindow::onPauseRecording()
{
    if (m_recorder->isPaused())
        m_recorder->resume();
    else
        m_recorder->pause(InputEventTime::latestInputSteadyNs()); // a click, or its key
}

void MainWindow::onRecordTick()
{
    // The file's own time, read often enough that a pause shows its last second.
    const int seconds = int(m_recorder->recordedMs() / 1000);
    if (seconds == elapsedSeconds)
        return;
    elapsedSeconds = seconds;
    m_floatingToolbar->setTime(elapsedSeconds);
}

void MainWindow::restoreAfterRecording(bool showWindow)
{
    ++recordingSerial;
    sessionOpen = false;
    // A countdown still running belongs to this session: it must not finish later and
    // start the next one early.
    if (m_countdown)
        m_countdown->close();
    m_countdown = nullptr;
    m_recorder->cancelStartPreparation();
    startPending = false;
    stopping = false;
    recordTimer.stop();
    startWaitTimer.stop();
    m_cameraOverlay->stopCamera();
    cameraOn = false;
    recordingCaptureRect = QRect();
    recordingCaptureDeviceRect = QRect();
    m_floatingToolbar->setCameraEnabled(false, false);
    m_mouseHighlighter->setEnabled(false);
    m_floatingToolbar->resetTime();
    m_floatingToolbar->setRecordingInitializing(false);
    m_floatingToolbar->hide();
    m_controls->setRecording(false);
    elapsedSeconds = 0;
    returnHome(showWindow);
}

void MainWindow::onCountdownCanceled(int serial)
{
    m_countdown = nullptr;
    if (serial != recordingSerial || !startPending)
        return;
    m_recorder->cancelStartPreparation();
    restoreAfterRecording(true);
}

void MainWindow::onCountdownFinished(int serial, bool audioOnly)
{
    m_countdown = nullptr;
    if (serial != recordingSerial || !startPending)
        return;
    m_floatingToolbar->setRecordingInitializing(true);
    m_recorder->excludedWindowId = m_floatingToolbar->winId();
    m_mouseHighlighter->setEnabled(audioOnly ? false : mouseEffectsOn);
    QTimer::singleShot(80, this, [this, serial] {
        if (serial != recordingSerial || !startPending)
            return;
        startPending = false;
        m_recorder->start();
        // A start refused at once has ended the session already: its message comes alone,
        // without a toolbar flashing up and going again before it.
        if (serial != recordingSerial)
            return;
        m_floatingToolbar->show();
        m_floatingToolbar->raise();
        m_floatingToolbar->excludeFromCapture();
        startWaitTimer.start();
    });
}

void MainWindow::onRecorderStarted()
{
    sessionRecorded = true;
    m_floatingToolbar->setRecordingInitializing(false);
    startWaitTimer.stop();
    m_floatingToolbar->setStartWait(QString());
    // The auto-stop countdown the strip has just shown stands beside the toolbar, at
    // the screen's edge, not over the middle of the recorded picture.
    if (QWidget *countdown = m_bottomBar->countdownWindow(); countdown && m_floatingToolbar->isVisible())
        m_floatingToolbar->placeBeside(countdown);
    if (!recordTimer.isActive())
        recordTimer.start();
}

void MainWindow::onRecorderPaused()
{
    onRecordTick();
    m_floatingToolbar->setPaused(true);
}

void MainWindow::onRecorderResumed()
{
    m_floatingToolbar->setPaused(false);
}

void MainWindow::onFrameRateReduced(int previousFps, int currentFps, const QString &reason)
{
    m_controls->applyAutomaticRecordingFps(currentFps);
    showTrayNotice(tr("录制性能已自动调整"),
                   tr("%1 FPS 已自动降为 %2 FPS。%3").arg(previousFps).arg(currentFps).arg(reason),
                   QSystemTrayIcon::Warning, 6000);
}

void MainWindow::onPerformanceWarning(const QString &message)
{
    showTrayNotice(tr("录制性能提示"), message, QSystemTrayIcon::Warning, 6000);
}

void MainWindow::onWindowCaptureLost(const QString &message)
{
    showTrayNotice(tr("录制的窗口已关闭"), message, QSystemTrayIcon::Warning, 6000);
}

void MainWindow::onFourKDecision(int width, int height, int fps)
{
    const int choice = askFourKChoice(m_floatingToolbar, width, height, fps);
    m_recorder->resolveFourKSoftwareEncoding(Recorder::FourKSoftwareAction(choice));
}

int MainWindow::askFourKChoice(QWidget *parent, int width, int height, int fps)
{
    int choice = 3;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FourKChoiceDialog"));
    dialog.setWindowTitle(tr("4K 录制性能"));
    dialog.setMinimumWidth(470);
    dialog.setStyleSheet(QStringLiteral(
        "QDialog#FourKChoiceDialog{background:#0b1626;color:#eef4ff;}"
        "QDialog#FourKChoiceDialog QLabel{color:#eef4ff;background:transparent;}"
        "QDialog#FourKChoiceDialog QPushButton{min-height:44px;text-align:left;padding:0 14px;"
        "background:#132338;border:1px solid #36516f;border-radius:6px;color:#eef4ff;}"
        "QDialog#FourKChoiceDialog QPushButton:hover{background:#1b304c;border-color:#4a72a5;}"
        "QDialog#FourKChoiceDialog QPushButton#recommendedChoice{background:#173c5d;border-color:#1d91b7;}"
        "QDialog#FourKChoiceDialog QPushButton#recommendedChoice:hover{background:#205175;}"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(10);
    auto *heading = new QLabel(tr("没有可用的硬件 H.264 编码器"), &dialog);
    QFont font = heading->font();
    font.setWeight(QFont::Bold);
    font.setPointSizeF(font.pointSizeF() + 2);
    heading->setFont(font);
    heading->setWordWrap(true);
    auto *line = new QLabel(
        tr("%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。").arg(width).arg(height).arg(fps), &dialog);
    line->setWordWrap(true);
    layout->addWidget(heading);
    layout->addWidget(line);
    layout->addSpacing(8);
    const QString texts[4] = {tr("保持 4K，15 FPS（推荐）"), tr("1080p，30 FPS"), tr("强制 4K，30 FPS"),
                              tr("取消")};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(texts[i], &dialog);
        layout->addWidget(button);
        if (i == 0) {
            button->setObjectName(QStringLiteral("recommendedChoice"));
            button->setDefault(true);
        }
        if (i < 3)
            connect(button, &QPushButton::clicked, &dialog, [&dialog, &choice, i] {
                choice = i;
                dialog.accept();
            });
        else
            connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
    }
    // Over a recording the question stands beside the toolbar, not over Pause and Stop;
    // before the toolbar shows (the question comes as the recording starts), it stands by
    // the pointer, on the pointer's display, where the user has just pressed REC.
    if (auto *toolbar = qobject_cast<FloatingToolbar *>(parent)) {
        dialog.adjustSize();
        if (toolbar->isVisible()) {
            toolbar->placeBeside(&dialog);
        } else {
            const QPoint pointer = QCursor::pos();
            QScreen *screen = QGuiApplication::screenAt(pointer);
            if (!screen)
                screen = QGuiApplication::primaryScreen();
            if (screen)
                dialog.move(positionBy(dialog.size(), QRect(pointer, QSize(1, 1)), screen->availableGeometry()));
        }
    }
    dialog.exec();
    return choice;
}

void MainWindow::onFinalizingChanged(bool active)
{
    const int generation = ++finalizationGeneration;
    if (active) {
        finalizationBegun = true;
        // The countdown to the automatic stop has nothing left to count; it would stand
        // over the library while the file is saved.
        m_bottomBar->closeCountdown();
        // The saved file comes to the media library, or, for audio saved as MP3 or WAV, to
        // the main window: the one it comes to is shown, and the saving mask covers it.
        const bool home = BottomBar::returnsHomeAfter(recordingSuffix);
        const QWidget *library = m_bottomBar->mediaLibraryWindow();
        libraryOpenedForSave = !home && !(library && library->isVisible());
        restoreAfterRecording(home);
        if (!home)
            m_bottomBar->showMediaLibrary();
        finalizationStatus = FinalizationStatus();
        QTimer::singleShot(500, this, [this, generation] { createFinalizationMask(generation); });
    } else {
        removeFinalizationMask();
    }
}

void MainWindow::createFinalizationMask(int generation)
{
    if (generation != finalizationGeneration || finalizationDialog)
        return;
    QWidget *parent = m_bottomBar->mediaLibraryWindow();
    if (!parent || !parent->isVisible())
        parent = this;
    auto *mask = new QWidget(parent);
    mask->setObjectName(QStringLiteral("FinalizationMask"));
    mask->setAttribute(Qt::WA_StyledBackground);
    mask->setStyleSheet(QStringLiteral("#FinalizationMask{background:rgba(2,9,20,188);border-radius:18px;}"));
    mask->setGeometry(0, 0, parent->width(), parent->height());
    parent->installEventFilter(this);
    mask->show();
    mask->raise();
    finalizationMask = mask;
    auto *dialog = new WatermarkProgressDialog(false, parent);
    connect(dialog, &WatermarkProgressDialog::cancelRequested, m_recorder, &Recorder::cancelFinalization);
    dialog->setStatusText(finalizationStatus.message);
    dialog->setProgress(finalizationStatus.percent, finalizationStatus.currentFile, finalizationStatus.totalFiles,
                        finalizationStatus.remainingSeconds, finalizationStatus.cancellable);
    dialog->show();
    dialog->raise();
    finalizationDialog = dialog;
}

void MainWindow::removeFinalizationMask()
{
    if (finalizationDialog) {
        finalizationDialog->hide();
        finalizationDialog->deleteLater();
    }
    finalizationDialog = nullptr;
    if (finalizationMask) {
        finalizationMask->hide();
        finalizationMask->deleteLater();
    }
    finalizationMask = nullptr;
}

void MainWindow::onFinalizingMessage(const QString &message)
{
    finalizationStatus.message = message;
    if (auto *dialog = qobject_cast<WatermarkProgressDialog *>(finalizationDialog.data()))
        dialog->setStatusText(message);
}

void MainWindow::onFinalizationProgress(int percent, int currentFile, int totalFiles, qint64 remainingSeconds,
                                        bool cancellable)
{
    finalizationStatus.percent = percent;
    finalizationStatus.currentFile = currentFile;
    finalizationStatus.totalFiles = totalFiles;
    finalizationStatus.remainingSeconds = remainingSeconds;
    finalizationStatus.cancellable = cancellable;
    if (auto *dialog = qobject_cast<WatermarkProgressDialog *>(finalizationDialog.data()))
        dialog->setProgress(percent, currentFile, totalFiles, remainingSeconds, cancellable);
}

void MainWindow::onFinalizationWarning(const QString &message)
{
    showTrayNotice(tr("录制后处理提示"), message, QSystemTrayIcon::Warning, 8000);
}

void MainWindow::onRecorderStopped(const QString &path)
{
    qInfo().noquote() << "[Session] Recording ended:" << (path.isEmpty() ? QStringLiteral("no file") : path);
    stopping = false;
    // A session that its error has already ended (a refused or failed start, given back to
    // where it began, with its message in front) is not ended again.
    if (!finalizationBegun && sessionOpen)
        restoreAfterRecording(true);
    if (path.isEmpty() && finalizationBegun && libraryOpenedForSave) {
        // The save failed: the library has no new file to show, and its other recordings
        // would stand behind the message as if one of them were this one.
        if (QWidget *library = m_bottomBar->mediaLibraryWindow(); library && library->isVisible())
            library->close(); // brings the main window back
    }
    finalizationBegun = false;
    libraryOpenedForSave = false;
    if (!path.isEmpty()) {
        lastRecordingPath = path;
        // Every saved recording stays in the library when the save folder changes, sound
        // recordings too (they never pass through the library's look at the save folder).
        rememberRecordedFile(path);
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == QLatin1String("mp3") || suffix == QLatin1String("m4a") || suffix == QLatin1String("wav")
            || suffix == QLatin1String("flac"))
            showTrayNotice(tr("录音完成"), tr("音频已保存到：%1").arg(path), QSystemTrayIcon::Information, 10000);
    }
    // Also for a discarded or failed recording: the strip closes the auto-stop
    // countdown of the recording that ended.
    m_bottomBar->onRecordingStopped(path);
    if (path.isEmpty()) {
        keepReachable();
        return;
    }
    if (isVisible())
        m_homePage->refreshRecent(); // shown while it was saved: the new file joins the row
    // Checked once the strip has shown the window the file comes to (it does so on its
    // next turn of the event loop).
    QTimer::singleShot(0, this, [this, path] {
        if (!quitRequested)
            keepReachable(path);
    });
}

void MainWindow::keepReachable(const QString &savedPath)
{
    if (startPending || inPreparation || isBusy(m_recorder))
        return;
    const QWidget *library = m_bottomBar->mediaLibraryWindow();
    if ((library && library->isVisible()) || isVisible())
        return;
    if (!savedPath.isEmpty() && !BottomBar::returnsHomeAfter(QFileInfo(savedPath).suffix())) {
        qInfo() << "[Window] Nothing of the program on screen after the recording was saved: the media library opens";
        m_bottomBar->showMediaLibrary();
        return;
    }
    qInfo() << "[Window] Nothing of the program on screen after the recording ended: the main window comes back";
    m_homePage->setMediaLibraryActive(false);
    showMainWindow();
}

void MainWindow::onRecorderError(const QString &message)
{
    if (!isBusy(m_recorder) && !finalizationBegun) {
        // A refused start ends its session and gives back where it began.
        const bool backToPreparation = sessionFromPreparation && !sessionRecorded;
        const HomeMode mode = homeMode;
        restoreAfterRecording(!backToPreparation);
        if (backToPreparation)
            resumePreparation(mode, preparationScreenIndex);
    } else {
        keepReachable(); // a failed save: its own window may have been closed meanwhile
    }
    qWarning().noquote() << "[Recording error]" << message;
    // Never a nested event loop here: the Recorder goes on (stopping, saving) while the
    // message waits for its answer.
    QMessageBox *box = recordingMessageBox(message);
    if (finalizationBegun && !isBusy(m_recorder)) {
        // The end of a save: its `stopped` comes next and settles which window stays (the
        // library with the new file, or the main window after a failure); the box opens
        // over that one.
        QTimer::singleShot(0, box, [box] { box->open(); });
        return;
    }
    box->open();
}

QMessageBox *MainWindow::recordingMessageBox(const QString &message)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("录制提示"), message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    recordingMessage = box;
    return box;
}

void MainWindow::onDiscardRequested()
{
    if (!isBusy(m_recorder))
        return;
    stopping = true;
    recordTimer.stop();
    m_recorder->discard();
}

void MainWindow::onStopConfirmationRequested()
{
    if (!isBusy(m_recorder)) {
        m_floatingToolbar->clearStopConfirmationPending();
        return;
    }
    if (m_recorder->isPaused()) {
        m_floatingToolbar->showStopConfirmation(false);
        return;
    }
    // The recording ends where the Stop button was clicked.
    if (m_recorder->pause(InputEventTime::latestInputSteadyNs())) {
        onRecordTick(); // the question shows the time recorded up to the pause
        m_floatingToolbar->showStopConfirmation(true);
    }
    else
        m_floatingToolbar->clearStopConfirmationPending();
}

void MainWindow::onMouseEffectsToggled(bool on)
{
    mouseEffectsOn = on;
    QSettings().setValue(QStringLiteral("effects/mouseEnabled"), on);
    m_recorder->setMouseEffectsEnabled(on);
    if (isBusy(m_recorder))
        m_mouseHighlighter->setEnabled(on);
}

void MainWindow::onAutoStopWithdrawn()
{
    // Only the running recording loses its limit; the stored record comes back at the
    // next start (restoreAfterRecording hands it to the recorder again).
    const AutoStopConfig stop = m_bottomBar->autoStopConfig();
    m_recorder->setAutoStop(false, stop.mode, stop.durationMin, stop.sizeMB);
}

void MainWindow::requestOrderlyQuit(int waitMilliseconds)
{
    auto leaveKeepingSegments = [this](const char *why) {
        const QString folder =
            currentOutputPath.isEmpty() ? QString() : Recorder::partsFolderFor(currentOutputPath);
        qWarning().noquote() << "[Quit]" << why << "- the recorded segments stay in" << folder;
        fprintf(stderr, "Vistrelle: %s; the recorded segments stay in %s\n", why, qPrintable(folder));
        QCoreApplication::exit(0);
    };
    if (orderlyQuitPending) {
        if (isBusy(m_recorder))
            leaveKeepingSegments("a second termination request came before the recording was saved");
        else
            QCoreApplication::exit(0);
        return;
    }
    orderlyQuitPending = true;
    quitRequested = true;
    if (!isBusy(m_recorder)) {
        if (startPending)
            restoreAfterRecording(false);
        QCoreApplication::exit(0);
        return;
    }
    connect(m_recorder, &Recorder::stopped, this, [](const QString &path) {
        if (path.isEmpty()) {
            qInfo() << "[Quit] No recording to save";
        } else {
            qInfo().noquote() << "[Quit] Recording saved:" << path;
            fprintf(stderr, "Vistrelle: recording saved to %s\n", qPrintable(path));
        }
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(waitMilliseconds, this,
                       [leaveKeepingSegments] { leaveKeepingSegments("the recording was not saved in time"); });
    if (m_recorder->isFinalizing())
        return;
    // A start whose encoder has delivered nothing yet leaves nothing behind: no file of the wait.
    const bool wasStopping = std::exchange(stopping, true);
    startPending = false;
    recordTimer.stop();
    if (m_recorder->abandonBeforeFirstMedia()) {
        const QString notice = tr("Nothing was recorded: the program quit before the recording began.");
        qInfo().noquote() << "[Quit] Termination requested before the recording's first media: nothing was recorded";
        fprintf(stderr, "Vistrelle: %s\n", qPrintable(notice));
        return;
    }
    qInfo() << "[Quit] Termination requested during a recording: saving it first";
    stopping = wasStopping;
    onStopRecording();
}
