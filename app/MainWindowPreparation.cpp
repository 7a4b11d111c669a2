// Preparation of a recording (the preparation toolbar over the chosen screen, area or
// window) and the webcam page.
#include "app/MainWindow.h"

#include "app/HomePage.h"
#include "recording/Recorder.h"

#include <QStackedWidget>

bool MainWindow::recordingUiActive() const
{
    return inPreparation || startPending || m_recorder->isRecording() || m_recorder->isPreparingStart()
           || m_recorder->isFinalizing();
}

bool MainWindow::cameraPageActive() const
{
    return m_cameraPage && m_pages->currentWidget() == reinterpret_cast<QWidget *>(m_cameraPage);
}

void MainWindow::showMainWindow()
{
    show();
    placeOnScreen(false);
    raise();
    activateWindow();
}

void MainWindow::enterPreparation(int mode, int screenIndex)
{
    Q_UNUSED(screenIndex);
    if (startPending || m_recorder->isRecording() || m_recorder->isPreparingStart() || m_recorder->isFinalizing())
        return;
    homeMode = std::clamp(mode, 0, 5);
}

void MainWindow::returnHome(bool show)
{
    ++preparationGeneration;
    homeMode = 0;
    inPreparation = false;
    m_pages->setCurrentWidget(m_homePage);
    if (show)
        showMainWindow();
    else
        hide();
}

void MainWindow::closeCameraPage()
{
    returnHome(true);
}

void MainWindow::presentRecordingControls()
{
    if (!recordingUiActive()) {
        showMainWindow();
        return;
    }
    if (isVisible())
        hide();
}

void MainWindow::refreshPreparationToolbar() {}

void MainWindow::onPreparationRegionChanged(const QRect &) {}

void MainWindow::onPreparationWebcamPreviewChanged(bool) {}

void MainWindow::onCameraCaptureFailed(const QString &) {}

void MainWindow::onCameraSystemToggled(bool) {}

void MainWindow::onCameraMicrophoneToggled(bool) {}
