// Close and tray behaviour, title-bar actions, the schedule, hot keys, screenshots and
// the webcam during a recording. These bodies are the least form: closing quits when
// nothing records, the tray shows the window, hot key 1 starts or stops and hot key 2
// pauses or resumes; the schedule, screenshots and the in-recording webcam switch do
// nothing yet.
#include "app/MainWindow.h"

#include "app/FileLogger.h"
#include "app/LinkManager.h"
#include "app/TitleBar.h"
#include "recording/Recorder.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QStackedWidget>

void MainWindow::handleCloseRequest()
{
    if (quitRequested || programmaticQuitAllowed) {
        QCoreApplication::quit();
        return;
    }
    if (cameraPageActive()) {
        closeCameraPage();
        return;
    }
    if (recordingUiActive()) {
        hide();
        presentRecordingControls();
        return;
    }
    quitRequested = true;
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    handleCloseRequest();
}

void MainWindow::minimizeToTray()
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        showMinimized();
}

void MainWindow::requestApplicationQuit()
{
    if (quitRequested) {
        QCoreApplication::quit();
        return;
    }
    if (cameraPageActive()) {
        closeCameraPage();
        return;
    }
    if (recordingUiActive()) {
        hide();
        presentRecordingControls();
        return;
    }
    QCoreApplication::quit();
}

void MainWindow::updateTrayMenu()
{
    const bool idle = !m_recorder->isRecording() && !m_recorder->isPreparingStart() && !m_recorder->isFinalizing();
    m_trayRecordAction->setText(idle ? tr("Start Recording") : tr("Stop Recording"));
    m_trayRecordAction->setEnabled(!startPending);
}

void MainWindow::onTrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        presentRecordingControls();
}

void MainWindow::openHelp()
{
    LinkManager::instance()->openLink(QStringLiteral("support"), QStringLiteral("tutorial"), this);
}

void MainWindow::openSupport()
{
    LinkManager::instance()->openLink(QStringLiteral("support"), QStringLiteral("contact"), this);
}

void MainWindow::openLogFolder()
{
    if (!FileLogger::openLogDirectory())
        QMessageBox::warning(this, tr("日志文件夹"), tr("无法打开日志文件夹。"));
}

void MainWindow::showAbout() {}

void MainWindow::changeLanguage(const QString &code)
{
    if (code != LinkManager::instance()->currentLanguage())
        LinkManager::instance()->setLanguage(code);
}

void MainWindow::minimizeFromTitleBar()
{
    if (cameraPageActive() || !recordingUiActive()) {
        showMinimized();
        return;
    }
    hide();
    presentRecordingControls();
}

void MainWindow::toggleMaximized()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
    m_titleBar->setMaximized(isMaximized());
}

void MainWindow::armScheduledRecording()
{
    scheduleTimer.stop();
}

void MainWindow::startScheduledRecording() {}

bool MainWindow::hasArmedScheduledRecording() const
{
    return false;
}

bool MainWindow::confirmQuitWithArmedSchedule()
{
    return true;
}

void MainWindow::onHotkeyTriggered(int action)
{
    const bool busy = m_recorder->isRecording() || m_recorder->isPreparingStart() || m_recorder->isFinalizing();
    if (action == 1) {
        if (busy)
            onStopRecording();
        else
            onStartRecording();
    } else if (action == 2 && busy) {
        onPauseRecording();
    }
}

void MainWindow::captureScreenshot() {}

void MainWindow::setRecordingCameraEnabled(bool, int) {}

void MainWindow::showRecordingCameraPermissionHelp() {}

void MainWindow::onApplicationStateChanged(Qt::ApplicationState) {}
