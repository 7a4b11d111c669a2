// The webcam side of the recording-controls panel: the camera-permission step before
// the webcam card switches on, the re-check when the user returns from the privacy
// settings, the webcam settings dialog and the webcam getters.

#include "preparation/ControlsArea.h"

#include "dialogs/CameraSettingsDialog.h"
#include "platform/mac/MacCameraPermission.h"
#include "platform/mac/CameraHub.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace {

const char *const PrivacyCameraUrl = "x-apple.systempreferences:com.apple.preference.security?Privacy_Camera";

} // namespace

QString ControlsArea::webcamDeviceName() const
{
    if (!m_cameraSettings.deviceName.isEmpty())
        return m_cameraSettings.deviceName;
    const QList<CameraDeviceInfo> inputs = CameraHub::devices();
    return inputs.isEmpty() ? QString() : inputs.first().description;
}

QString ControlsArea::webcamDeviceId() const
{
    if (!m_cameraSettings.deviceId.isEmpty())
        return m_cameraSettings.deviceId;
    const QList<CameraDeviceInfo> inputs = CameraHub::devices();
    return inputs.isEmpty() ? QString() : inputs.first().idText();
}

void ControlsArea::prepareCameraForRecording()
{
    if (m_cameraDialog)
        m_cameraDialog->stopPreview();
}

bool ControlsArea::webcamPermissionStep()
{
    const int status = macCameraPermissionStatus();
    if (status == 0)
        return true;
    if (status == 2) {
        if (m_cameraRequestPending)
            return false;
        m_cameraRequestPending = true;
        QPointer<ControlsArea> panel(this);
        requestMacCameraPermission([panel](bool granted) {
            if (!panel)
                return;
            panel->m_cameraRequestPending = false;
            if (granted) {
                if (panel->m_webcamToggle)
                    panel->m_webcamToggle->click();
            } else {
                panel->showCameraPermissionBox();
            }
        });
        return false;
    }
    showCameraPermissionBox();
    return false;
}

bool ControlsArea::webcamCameraStep()
{
    if (!CameraHub::devices().isEmpty())
        return true;
    QMessageBox::warning(QApplication::activeWindow(), tr("摄像头"), tr("没有检测到可用摄像头。"));
    return false;
}

void ControlsArea::showCameraPermissionBox()
{
    QMessageBox box(QMessageBox::Warning, tr("Camera Permission"),
                    tr("Camera access is off. Allow Vistrelle in System Settings > Privacy & Security > Camera."),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *open = box.addButton(tr("Open Settings"), QMessageBox::ActionRole);
    box.addButton(tr("Close"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == open) {
        m_cameraSettingsOpened = true;
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(PrivacyCameraUrl)));
    }
}

void ControlsArea::onApplicationStateChanged(Qt::ApplicationState state)
{
    if (state != Qt::ApplicationActive || !m_cameraSettingsOpened || macCameraPermissionStatus() != 0)
        return;
    m_cameraSettingsOpened = false;
    if (!m_webcamOn && m_webcamToggle && m_captureMode != CaptureMode::AudioOnly) {
        QPointer<QPushButton> toggle(m_webcamToggle);
        QTimer::singleShot(0, this, [this, toggle]() {
            if (toggle && !m_webcamOn)
                toggle->click();
        });
    }
}

void ControlsArea::showWebcamSettings()
{
    if (!m_webcamToggle || !m_webcamCard)
        return;
    // The card's settings button: the first push button of the card that is not
    // its toggle.
    QPushButton *settingsButton = nullptr;
    const QList<QPushButton *> buttons = m_webcamCard->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button != m_webcamToggle) {
            settingsButton = button;
            break;
        }
    }
    if (!settingsButton)
        return;
    // The button itself leads here: its click opens the dialog, any other caller
    // clicks it.
    if (sender() == settingsButton)
        openWebcamSettingsDialog();
    else
        settingsButton->click();
}

void ControlsArea::openWebcamSettingsDialog()
{
    QWidget *panelWindow = window();
    if (m_cameraDialog) {
        m_cameraDialog->setSettings(m_cameraSettings);
    } else {
        m_cameraDialog = new CameraSettingsDialog(m_webcamOn, panelWindow);
        connect(m_cameraDialog, &CameraSettingsDialog::previewSettingsChanged, this,
                [this](const CameraSettings &s) {
                    emit preparationWebcamPresentationChanged(s.shape, s.position, s.size, s.mirrored);
                });
        m_cameraDialog->setSettings(m_cameraSettings);
    }

    // It opens above the window picker or toolbar it was asked from (widgets/DialogStacking.h).
    QPointer<CameraSettingsDialog> dialog(m_cameraDialog);
    const int result = dialog->exec();
    if (!dialog)
        return;
    if (result == QDialog::Accepted)
        m_cameraSettings = dialog->settings();
    emit preparationWebcamPresentationChanged(m_cameraSettings.shape, m_cameraSettings.position,
                                              m_cameraSettings.size, m_cameraSettings.mirrored);
}
