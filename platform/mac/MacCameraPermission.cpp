#include "platform/mac/MacCameraPermission.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QtGlobal>

namespace {

QMutex overrideMutex;
std::optional<MacCameraPermissionOverride> answerOverride;

MacCameraPermissionOverride currentAnswers()
{
    QMutexLocker lock(&overrideMutex);
    // There is no camera privacy control on Linux: access is always granted.
    return answerOverride.value_or(MacCameraPermissionOverride{});
}

} // namespace

int macCameraPermissionStatus()
{
    const int status = currentAnswers().status;
    return (status >= 0 && status <= 2) ? status : 1;
}

void requestMacCameraPermission(std::function<void(bool)> callback)
{
    Q_ASSERT(callback);
    if (!callback)
        return;
    const MacCameraPermissionOverride answers = currentAnswers();
    bool granted = false;
    switch (answers.status) {
    case 0:
        granted = true;
        break;
    case 2:
        granted = answers.requestGrants;
        break;
    default:
        granted = false;
        break;
    }
    // The answer always arrives later on the GUI thread, like the system's own
    // completion handler posted back to the application object.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [callback = std::move(callback), granted]() { callback(granted); },
        Qt::QueuedConnection);
}

void setMacCameraPermissionOverride(std::optional<MacCameraPermissionOverride> answers)
{
    QMutexLocker lock(&overrideMutex);
    answerOverride = answers;
}
