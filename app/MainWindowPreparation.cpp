// Preparation of a recording (the preparation toolbar over the chosen screen, area or
// window) and the webcam page.
#include "app/MainWindow.h"

#include "app/HomePage.h"
#include "platform/mac/DisplayGeometry.h"
#include "recording/NumberText.h"
#include "app/ModeBar.h"
#include "widgets/DialogPlacement.h"
#include "widgets/DialogStacking.h"
#include "overlays/CameraOverlay.h"
#include "overlays/FloatingToolbar.h"
#include "overlays/SetupRecordingToolbar.h"
#include "platform/mac/MacCameraPermission.h"
#include "preparation/AreaPicker.h"
#include "preparation/CameraRecordingPage.h"
#include "preparation/ControlsArea.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QDebug>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

namespace {
bool isBusy(const Recorder *recorder)
{
    return recorder->isRecording() || recorder->isPreparingStart() || recorder->isFinalizing();
}
} // namespace

bool MainWindow::recordingUiActive() const
{
    return inPreparation || startPending || isBusy(m_recorder);
}

CapturableWindow MainWindow::chosenTarget() const
{
    return m_controls->captureTarget();
}

bool MainWindow::cameraPageActive() const
{
    return m_pages->currentWidget() == m_cameraPage;
}

void MainWindow::restoreFromMinimized()
{
    // Shown and raised, a minimised (iconic) window would stay minimised: it comes back in
    // the state it had, maximised or normal.
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
}

void MainWindow::showMainWindow()
{
    restoreFromMinimized();
    show();
    placeOnScreen(false);
    raise();
    activateWindow();
}

void MainWindow::enterPreparation(HomeMode mode, int screenIndex)
{
    if (startPending || isBusy(m_recorder))
        return;
    if (mode == HomeMode::Webcam) {
        homeMode = HomeMode::Webcam;
        inPreparation = true;
        m_setupToolbar->hide();
        m_cameraOverlay->stopCamera();
        m_controls->hidePreparationOverlay();
        m_controls->setCaptureMode(CaptureMode::Screen);
        m_modeBar->setCaptureMode(CaptureMode::Screen);
        m_cameraPage->setAudioStates(m_controls->isSystemAudioEnabled(), m_controls->isMicrophoneEnabled());
        m_cameraPage->setBusy(false, false);
        m_cameraPage->setTime(0);
        m_cameraPage->showStartingState();
        m_pages->setCurrentWidget(m_cameraPage);
        show();
        const int generation = ++preparationGeneration;
        QTimer::singleShot(50, this, [this, generation] {
            if (generation != preparationGeneration || !cameraPageActive() || !inPreparation || homeMode != HomeMode::Webcam)
                return;
            m_controls->refreshAudioDevices();
            m_controls->prepareCameraForRecording();
            m_cameraPage->startPreview();
        });
        return;
    }

    m_cameraPage->stopPreview();
    const bool toolbarWasVisible = m_setupToolbar->isVisible();
    if (toolbarWasVisible)
        m_setupToolbar->hide();
    if (!m_controls->prepareHomeMode(mode, screenIndex)) {
        // The toolbar's mode menu asked for a window or game and none was chosen: the panel
        // is in that mode now, and the toolbar says that nothing is chosen.
        if (toolbarWasVisible && (mode == HomeMode::Window || mode == HomeMode::Game)) {
            showPreparation(mode, screenIndex, true);
            return;
        }
        if (toolbarWasVisible) {
            m_setupToolbar->show();
            m_setupToolbar->raise();
        }
        return;
    }
    showPreparation(mode, screenIndex, mode != HomeMode::Area);
}

// The preparation toolbar of a mode whose capture is already set on the panel; the toolbar
// of a custom area waits for the area unless `showToolbar`.
void MainWindow::showPreparation(HomeMode mode, int screenIndex, bool showToolbar)
{
    homeMode = homeModeFromIndex(int(mode));
    // The mode bar shows the panel's mode (the cards set the panel directly).
    m_modeBar->setCaptureMode(m_controls->captureMode());

    const QList<QScreen *> screens = QGuiApplication::screens();
    int index = -1;
    if (screenIndex >= 0 && screenIndex < screens.size()) {
        index = screenIndex;
    } else {
        QScreen *screen = nullptr;
        const QRect rect = m_controls->captureRect();
        if (!rect.isEmpty()) {
            // The display showing the middle of the area, which may lie across two.
            screen = screens.value(DisplayGeometry::displayShowing(DisplayGeometry::applicationDisplays(), rect));
        }
        if (!screen)
            screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        index = int(screens.indexOf(screen));
    }
    preparationScreenIndex = std::max(0, index);

    QString subtitle;
    const QRect rect = m_controls->captureRect();
    switch (homeMode) {
    case HomeMode::FullScreen: subtitle = tr("Display %1").arg(preparationScreenIndex + 1); break;
    case HomeMode::Area: subtitle = NumberText::deviceResolution(m_controls->captureDeviceRect()); break;
    case HomeMode::Window:
    case HomeMode::Game: subtitle = m_controls->captureTargetText(); break;
    case HomeMode::AudioOnly: subtitle = tr("Audio only"); break;
    default: subtitle = tr("Camera preview"); break;
    }
    // Audio only records no picture: the toolbar stands on the screen, not on the area
    // the panel still remembers from an earlier custom area.
    QRect area = homeMode == HomeMode::AudioOnly ? QRect() : rect;
    if (area.isEmpty()) {
        if (preparationScreenIndex < screens.size())
            area = screens.at(preparationScreenIndex)->geometry();
        else if (QGuiApplication::primaryScreen())
            area = QGuiApplication::primaryScreen()->geometry();
    }

    inPreparation = true;
    m_setupToolbar->setMode(homeMode, subtitle);
    m_setupToolbar->setRecordEnabled((homeMode != HomeMode::Window && homeMode != HomeMode::Game) || ControlsArea::isTargetUsable(chosenTarget()));
    m_setupToolbar->setDisplay(preparationScreenIndex);
    refreshPreparationToolbar();
    m_setupToolbar->placeForRect(area);
    hide();
    if (showToolbar) {
        m_setupToolbar->show();
        m_setupToolbar->raise();
        m_setupToolbar->activateWindow();
        m_setupToolbar->excludeFromCapture();
    }
}

void MainWindow::refreshPreparationToolbar()
{
    if (m_controls->isWebcamEnabled() && macCameraPermissionStatus() != 0)
        m_controls->setWebcamEnabled(false);
    if (homeMode == HomeMode::Webcam) {
        m_cameraPage->setAudioStates(m_controls->isSystemAudioEnabled(), m_controls->isMicrophoneEnabled());
        return;
    }
    m_setupToolbar->setDeviceStates(m_controls->isWebcamEnabled(), m_controls->isSystemAudioEnabled(),
                                    m_controls->isMicrophoneEnabled());
    if (inPreparation && homeMode != HomeMode::AudioOnly) {
        if (m_controls->isWebcamEnabled() && !m_controls->webcamDeviceId().isEmpty()) {
            m_controls->prepareCameraForRecording();
            m_cameraOverlay->startCamera(m_controls->webcamDeviceId(), m_controls->webcamResolution(),
                                         m_controls->webcamFps(), m_controls->webcamShape(),
                                         m_controls->webcamPosition(), m_controls->webcamSize(),
                                         m_controls->webcamMirrored(), m_controls->captureRect());
        } else {
            m_cameraOverlay->stopCamera();
        }
    }
}

void MainWindow::onPreparationRegionChanged(const QRect &rect)
{
    if (!inPreparation || homeMode != HomeMode::Area)
        return;
    m_setupToolbar->setMode(HomeMode::Area, NumberText::deviceResolution(m_controls->captureDeviceRect()));
    m_setupToolbar->placeForRect(rect);
    if (!m_setupToolbar->isVisible()) {
        m_setupToolbar->show();
        m_setupToolbar->raise();
        m_setupToolbar->activateWindow();
        m_setupToolbar->excludeFromCapture();
    }
}

void MainWindow::onScreenRemoved(QScreen *gone)
{
    // Qt has taken the display out of its list already; its geometry is still known.
    const QRect lost = gone->geometry();
    // A dialog open on it (modal, holding the toolbars' clicks) comes onto a display that
    // stays, by its owner once the preparation has moved too.
    QTimer::singleShot(0, this, [] {
        QList<QWidget *> dialogs;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog *>(window))
                dialogs << window;
        keepDialogsOnDisplays(dialogs, [](QWidget *dialog) { return dialogOwner(dialog); });
    });
    if (startPending || isBusy(m_recorder)) {
        if (recordingCaptureMode == CaptureMode::Screen && recordingCaptureRect.intersects(lost)) {
            qInfo().noquote() << "[Session] The recorded display went away:" << gone->name() << "; stopping";
            onStopRecording();
        }
        return;
    }
    if (!inPreparation || (homeMode != HomeMode::FullScreen && homeMode != HomeMode::Area) || !m_controls->captureRect().intersects(lost))
        return;
    qInfo().noquote() << "[Session] The prepared display went away:" << gone->name();
    if (homeMode == HomeMode::FullScreen) {
        enterPreparation(HomeMode::FullScreen, int(QGuiApplication::screens().indexOf(QGuiApplication::primaryScreen())));
        return;
    }
    returnHome(true);
    // Said once Qt has finished taking the display away (not from inside its signal).
    QTimer::singleShot(0, this, [this] {
        QMessageBox::information(this, tr("Custom Area"),
                                 tr("The display of the chosen area is no longer connected. Choose the area again."));
    });
}

void MainWindow::onPreparationWebcamPreviewChanged(bool on)
{
    refreshPreparationToolbar();
    if (homeMode == HomeMode::Webcam)
        return;
    if (on && m_controls->isWebcamEnabled() && !m_controls->webcamDeviceId().isEmpty()) {
        QRect rect = m_controls->captureRect();
        if (rect.isEmpty() && QGuiApplication::primaryScreen())
            rect = QGuiApplication::primaryScreen()->geometry();
        m_controls->prepareCameraForRecording();
        m_cameraOverlay->startCamera(m_controls->webcamDeviceId(), m_controls->webcamResolution(),
                                     m_controls->webcamFps(), m_controls->webcamShape(), m_controls->webcamPosition(),
                                     m_controls->webcamSize(), m_controls->webcamMirrored(), rect);
    } else {
        m_cameraOverlay->stopCamera();
    }
}

void MainWindow::returnHome(bool show)
{
    ++preparationGeneration;
    homeMode = HomeMode::FullScreen;
    m_cameraPage->stopPreview();
    m_cameraPage->setBusy(false, false);
    inPreparation = false;
    m_setupToolbar->hide();
    m_controls->hidePreparationOverlay();
    m_cameraOverlay->stopCamera();
    m_pages->setCurrentWidget(m_homePage);
    if (show)
        showMainWindow();
    else
        hide();
}

void MainWindow::resumePreparation(HomeMode mode, int screenIndex)
{
    if (mode == HomeMode::Webcam || mode == HomeMode::FullScreen || mode == HomeMode::AudioOnly) {
        enterPreparation(mode, screenIndex);
        return;
    }
    m_controls->showPreparationFrame();
    showPreparation(mode, screenIndex, true);
}

void MainWindow::closeCameraPage()
{
    if (!startPending && !isBusy(m_recorder)) {
        returnHome(true);
        return;
    }
    const auto answer = QMessageBox::question(this, tr("Camera Recording"), tr("Stop recording and return to Home?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answer == QMessageBox::Yes && !stopping)
        onStopRecording();
}

void MainWindow::presentRecordingControls()
{
    if (cameraPageActive()) {
        restoreFromMinimized();
        if (!isVisible())
            show();
        raise();
        activateWindow();
        return;
    }
    if (!recordingUiActive()) {
        showMainWindow();
        return;
    }
    if (isVisible())
        hide();
    if (QWidget *picker = m_controls->areaPicker(); inPreparation && picker && picker->isVisible()) {
        picker->raise();
        picker->activateWindow();
        return;
    }
    if (inPreparation) {
        m_setupToolbar->show();
        m_setupToolbar->raise();
        m_setupToolbar->activateWindow();
        m_setupToolbar->excludeFromCapture();
        return;
    }
    // Not while the recording is being saved: nothing would hide the toolbar afterwards. Nor
    // before its start: the countdown stays above everything, and a start that is refused
    // then ends with its message alone.
    if (isBusy(m_recorder) && !startPending && !m_recorder->isFinalizing() && !m_floatingToolbar->isVisible())
        m_floatingToolbar->show();
    if (m_floatingToolbar->isVisible()) {
        m_floatingToolbar->raise();
        m_floatingToolbar->activateWindow();
        m_floatingToolbar->excludeFromCapture();
    }
}

void MainWindow::onCameraCaptureFailed(const QString &message)
{
    if (!cameraPageActive() || homeMode != HomeMode::Webcam)
        return;
    if (!startPending && !isBusy(m_recorder))
        return;
    if (!stopping)
        onStopRecording();
    QMessageBox::warning(this, tr("Camera Recording"), message);
}

void MainWindow::onCameraSystemToggled(bool on)
{
    m_controls->setSystemAudioEnabled(on);
    if (cameraPageActive() && isBusy(m_recorder))
        m_recorder->switchSystemAudioDuringRecording(on);
}

void MainWindow::onCameraMicrophoneToggled(bool on)
{
    m_controls->setMicrophoneEnabled(on);
    if (cameraPageActive() && isBusy(m_recorder))
        m_recorder->switchMicrophoneDuringRecording(on);
}
