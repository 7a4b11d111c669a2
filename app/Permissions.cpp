#include "app/Permissions.h"

#include <QTimer>

namespace {
std::optional<PermissionOverride> &overrideAnswers()
{
    static std::optional<PermissionOverride> answers;
    return answers;
}
} // namespace

bool preflightScreenCaptureAccess()
{
    return overrideAnswers() ? overrideAnswers()->screenGranted : true;
}

void requestScreenCaptureAccess() {}

int microphonePermissionStatus()
{
    return overrideAnswers() ? overrideAnswers()->microphoneStatus : 0;
}

void requestMicrophonePermission(QObject *context, std::function<void(bool)> callback)
{
    const bool granted = overrideAnswers() ? overrideAnswers()->microphoneRequestGrants : true;
    QTimer::singleShot(0, context, [callback = std::move(callback), granted] { callback(granted); });
}

void setPermissionOverride(std::optional<PermissionOverride> answers)
{
    overrideAnswers() = answers;
}
