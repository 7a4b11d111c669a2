#pragma once

#include <QObject>

#include <functional>
#include <optional>

// Screen-recording and microphone access. This platform has no permission system for
// either: both answer "granted". Tests replace the answers to drive the refused paths.

// Whether the screen may be recorded; no prompt.
bool preflightScreenCaptureAccess();
// Asks the system for screen-recording access (shows its prompt where there is one).
void requestScreenCaptureAccess();

// Microphone access: 0 granted, 1 denied, 2 not yet determined.
int microphonePermissionStatus();
// Asks for microphone access; callback(granted) runs once on the GUI thread, after this
// function returned, unless `context` is gone by then.
void requestMicrophonePermission(QObject *context, std::function<void(bool)> callback);

struct PermissionOverride
{
    bool screenGranted = true;
    int microphoneStatus = 0;
    bool microphoneRequestGrants = true;
};
void setPermissionOverride(std::optional<PermissionOverride> answers);
