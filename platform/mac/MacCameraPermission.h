#pragma once

#include <functional>
#include <optional>

// Whether the application may use the camera: 0 granted, 1 denied or restricted,
// 2 not yet determined. No prompt is shown.
int macCameraPermissionStatus();

// Asks for camera access. callback(granted) runs exactly once, on the GUI thread,
// after this function has returned. The callback must not be empty.
void requestMacCameraPermission(std::function<void(bool)> callback);

// Replaces the system's answers (tests, or platforms without a permission
// system): the status reported and what a request grants. Clearing it returns to
// the platform's own answer, which on Linux is "granted".
// As on the real system, an answered request settles the status: 0 after a grant,
// 1 after a refusal. With holdAnswers the answers wait until
// releaseMacCameraPermissionAnswers() delivers them.
struct MacCameraPermissionOverride
{
    int status = 0;
    bool requestGrants = true;
    bool holdAnswers = false;
};
void setMacCameraPermissionOverride(std::optional<MacCameraPermissionOverride> answers);
// Delivers the answers held so far (see holdAnswers); returns how many.
int releaseMacCameraPermissionAnswers();
