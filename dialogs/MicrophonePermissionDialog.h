#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

#include <functional>

// Explains how to allow Vistrelle to use the microphone (kind 0) or to record the screen
// (kind 1) in the system's privacy settings, and opens that settings page where the
// platform has one. exec() returns 1 when the page was opened, 0 otherwise. Its texts are
// translated in the context "QDialog".
class MicrophonePermissionDialog : public QDialog
{
public:
    enum Permission { Microphone = 0, ScreenRecording = 1 };

    MicrophonePermissionDialog(QWidget *parent, Permission which);

    // Where the privacy page of a kind lives on this platform (empty: there is none, and
    // the dialog offers no button to open it), and how a link is opened. Tests replace
    // them; empty members fall back to the platform's table and QDesktopServices.
    struct Services
    {
        std::function<QString(Permission)> settingsLink;
        std::function<bool(const QUrl &)> openUrl;
    };
    static void setServices(const Services &services);

    // The platform's privacy-settings link of a kind; empty where there is none.
    static QString platformSettingsLink(Permission which);

private:
    void openSettings(bool screenRecording);
};
