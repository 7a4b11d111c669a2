// What the five global hot keys do, the screenshot of the capture area, and switching
// the webcam on or off while a recording runs.
#include "app/MainWindow.h"

#include "recording/ScreenshotWriter.h"
#include "app/ScreenshotWithoutOwnWindows.h"
#include "app/GlobalHotkey.h"
#include "overlays/CameraOverlay.h"
#include "overlays/FloatingToolbar.h"
#include "overlays/SetupRecordingToolbar.h"
#include "platform/mac/RecordingClock.h"
#include "platform/mac/InputEventTime.h"
#include "platform/mac/MacCameraPermission.h"
#include "platform/mac/MacWindowHelpers.h"
#include "preparation/ControlsArea.h"
#include "preparation/RegionOverlay.h"
#include "recording/Recorder.h"
#include "recording/SaveFolder.h"

#include <QApplication>
#include <QDebug>
#include <QDateTime>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace {

bool recorderBusy(const Recorder *recorder)
{
    return recorder->isRecording() || recorder->isPreparingStart() || recorder->isFinalizing();
}

// A dialog of the program that is open and blocks all its other windows (the toolbars of
// a recording too, which could then not be used until it closed).
QWidget *blockingDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowModality() == Qt::ApplicationModal)
            return w;
    return nullptr;
}

} // namespace

void MainWindow::onHotkeyTriggered(int action)
{
    const qint64 atNs =
        InputEventTime::steadyNsOfServerTime(m_hotkeys->lastTriggerTime(), RecordingClock::steadyNs());
    // For tests: the program takes up its hot keys this much later, as on a machine so busy
    // that its GUI thread stands still for a while.
    const int lateMs = qEnvironmentVariableIntValue("VISTRELLE_TEST_HOTKEY_DELAY_MS");
    if (lateMs > 0) {
        QTimer::singleShot(lateMs, this,
                           [this, action, atNs] { handleHotkey(GlobalHotkey::Action(action), atNs); });
        return;
    }
    handleHotkey(GlobalHotkey::Action(action), atNs);
}

void MainWindow::handleHotkey(GlobalHotkey::Action action, qint64 atNs)
{
    const bool busy = recorderBusy(m_recorder);
    switch (action) {
    case GlobalHotkey::Action::StartStop:
        // A double press would stop and at once start again (or start and cancel): the
        // second press comes while the first one's start or stop is still settling.
        if (stopping
            || (startStopHotkeyClock.isValid() && startStopHotkeyClock.elapsed() < kStartStopSettleMs)) {
            qInfo() << "[Hotkey] Start/stop ignored: the last start or stop is still settling";
            break;
        }
        if (busy || startPending) {
            stopRecordingAt(atNs);
        } else if (hotkeyStartWait.isActive()) {
            // Pressed again while the start waits: the start is withdrawn.
            hotkeyStartWait.stop();
            qInfo() << "[Session] The start waiting for a dialog was withdrawn";
        } else if (recordingMessage && recordingMessage->isVisible()) {
            // What the last start or recording came to is answered first: the message comes
            // forward, and no second one joins it.
            qInfo() << "[Session] Start ignored: the recording's message is open";
            recordingMessage->raise();
            recordingMessage->activateWindow();
        } else if (QWidget *dialog = blockingDialog()) {
            // What the open dialog is doing (settings being changed, a question) comes
            // first, and the recording starts with what it settles: the start waits until
            // the dialog closes, and the dialog comes forward so that the user sees why.
            qInfo().noquote() << "[Session] The start waits until this dialog closes:" << dialog->windowTitle();
            dialog->raise();
            dialog->activateWindow();
            hotkeyStartWait.start();
        } else {
            onStartRecording();
        }
        // Settling from when the handling is done: a stop may take the GUI thread a moment on a
        // busy machine, and the second press of a double press is handled after it.
        startStopHotkeyClock.start();
        break;
    case GlobalHotkey::Action::PauseResume:
        if (busy) {
            if (m_recorder->isPaused())
                m_recorder->resume();
            else
                m_recorder->pause(atNs);
        }
        break;
    case GlobalHotkey::Action::Screenshot:
        captureScreenshot();
        break;
    case GlobalHotkey::Action::ToggleToolbar:
        if (busy) {
            if (m_floatingToolbar->isVisible())
                m_floatingToolbar->hide();
            else if (!m_recorder->isFinalizing()) // it has nothing to offer while saving
                m_floatingToolbar->show();
        }
        break;
    case GlobalHotkey::Action::ToggleAnnotation:
        if (busy) {
            annotationToolsShown = !annotationToolsShown;
            m_floatingToolbar->setAnnotationToolsVisible(annotationToolsShown);
        }
        break;
    default:
        break;
    }
}

void MainWindow::startAfterDialog()
{
    if (blockingDialog())
        return;
    hotkeyStartWait.stop();
    onStartRecording();
}

void MainWindow::captureScreenshot()
{
    const QString folder = SaveFolder::current();
    // During a recording the key takes what is being recorded: its window in Window and Game
    // mode (its own pixels, as the window picker's screenshot), else its area.
    const bool recording = m_recorder->isRecording();
    if (recording && (recordingCaptureMode == CaptureMode::Window || recordingCaptureMode == CaptureMode::Game)) {
        const QDateTime now = QDateTime::currentDateTime();
        captureMacWindowPicture(chosenTarget().window.windowId(), [folder, now](const QImage &picture) {
            if (!picture.isNull())
                ScreenshotWriter::saveAsync(picture, folder, now);
        });
        return;
    }
    // The picture is taken here; the PNG is written on the screenshot worker, so the
    // encoder's frames keep coming while it is encoded.
    grabCaptureArea([folder](const QImage &picture) {
        if (!picture.isNull())
            ScreenshotWriter::saveAsync(picture, folder, QDateTime::currentDateTime());
    });
}

void MainWindow::grabCaptureArea(std::function<void(const QImage &)> done)
{
    // The picture is of the recording's area while one runs, else of the prepared one. The
    // preparation's own windows (its toolbar, the frame over the display or the area) stay
    // out of the picture; they come back unless the preparation has ended meanwhile.
    QList<QWidget *> own{m_setupToolbar};
    for (QWidget *window : QApplication::topLevelWidgets())
        if (qobject_cast<RegionOverlay *>(window))
            own << window;
    const int generation = preparationGeneration;
    const int serial = recordingSerial;
    const bool recording = m_recorder->isRecording();
    ScreenshotWithoutOwnWindows::take(
        recording ? recordingCaptureRect : m_controls->captureRect(),
        recording ? recordingCaptureDeviceRect : m_controls->captureDeviceRect(), own, this,
        [this, generation, serial] { return generation == preparationGeneration && serial == recordingSerial; },
        std::move(done));
}

void MainWindow::setRecordingCameraEnabled(bool on, int retries)
{
    if (!recorderBusy(m_recorder) || stopping || recordingCaptureMode == CaptureMode::AudioOnly) {
        m_floatingToolbar->setCameraEnabled(false, false);
        return;
    }
    if (on) {
        const int status = macCameraPermissionStatus();
        if (status == 2) {
            m_floatingToolbar->setCameraEnabled(false, false);
            QPointer<MainWindow> self(this);
            const int serial = recordingSerial;
            requestMacCameraPermission([self, serial](bool granted) {
                if (!self || self->recordingSerial != serial || !recorderBusy(self->m_recorder) || self->stopping)
                    return;
                if (granted) {
                    self->setRecordingCameraEnabled(true, 5);
                } else {
                    self->m_floatingToolbar->setCameraEnabled(false, true);
                    self->showRecordingCameraPermissionHelp();
                }
            });
            return;
        }
        if (status == 1) {
            m_floatingToolbar->setCameraEnabled(false, true);
            showRecordingCameraPermissionHelp();
            return;
        }
        if (m_controls->webcamDeviceId().isEmpty()) {
            // The camera list may still be filling: look again a few times.
            if (retries >= 1) {
                m_floatingToolbar->setCameraEnabled(false, false);
                const int serial = recordingSerial;
                QTimer::singleShot(200, this, [this, serial, retries] {
                    if (recordingSerial == serial)
                        setRecordingCameraEnabled(true, retries - 1);
                });
            } else {
                m_floatingToolbar->setCameraEnabled(false, true);
                QMessageBox::warning(m_floatingToolbar, tr("摄像头"), tr("没有检测到可用摄像头。"));
            }
            return;
        }
    }

    m_controls->prepareCameraForRecording();
    if (recordingCaptureMode == CaptureMode::Screen) {
        if (on) {
            if (!m_cameraOverlay->startCamera(m_controls->webcamDeviceId(), m_controls->webcamResolution(),
                                              m_controls->webcamFps(), m_controls->webcamShape(),
                                              m_controls->webcamPosition(), m_controls->webcamSize(),
                                              m_controls->webcamMirrored(), recordingCaptureRect)) {
                m_floatingToolbar->setCameraEnabled(false, true);
                QMessageBox::warning(m_floatingToolbar, tr("摄像头"), tr("摄像头无法启动，请检查权限或设备占用情况。"));
                return;
            }
        } else {
            m_cameraOverlay->stopCamera();
        }
    } else {
        m_recorder->switchWebcamDuringRecording(on);
    }
    cameraOn = on;
    m_floatingToolbar->setCameraEnabled(on, true);
}

void MainWindow::showRecordingCameraPermissionHelp()
{
    QMessageBox box(QMessageBox::Warning, tr("Camera Permission"),
                    tr("Camera access is off. Allow Vistrelle in System Settings > Privacy & Security > Camera."),
                    QMessageBox::NoButton, m_floatingToolbar);
#if defined(Q_OS_MACOS)
    QPushButton *openSettings = box.addButton(tr("Open Settings"), QMessageBox::ActionRole);
#else
    // There is no camera privacy page to open here.
    QPushButton *openSettings = nullptr;
#endif
    box.addButton(tr("Close"), QMessageBox::RejectRole);
    box.exec();
    if (openSettings && box.clickedButton() == openSettings) {
        cameraRetrySerial = recordingSerial;
        cameraRetryOnActivate = true;
        QDesktopServices::openUrl(
            QUrl(QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_Camera")));
    }
}

void MainWindow::onApplicationStateChanged(Qt::ApplicationState state)
{
    if (state != Qt::ApplicationActive || !cameraRetryOnActivate)
        return;
    if (cameraRetrySerial == recordingSerial && recorderBusy(m_recorder) && !stopping) {
        if (macCameraPermissionStatus() == 0) {
            cameraRetryOnActivate = false;
            QTimer::singleShot(0, this, [this] { setRecordingCameraEnabled(true, 5); });
        }
        return;
    }
    cameraRetryOnActivate = false;
}
