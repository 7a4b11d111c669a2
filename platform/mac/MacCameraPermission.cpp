#include "platform/mac/MacCameraPermission.h"

#include <QCoreApplication>
#include <QList>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QtGlobal>

#include <utility>

namespace {

QMutex overrideMutex;
std::optional<MacCameraPermissionOverride> answerOverride;
QList<std::function<void()>> heldAnswers; // guarded by overrideMutex

// The system remembers the user's answer: later status queries report it.
void settleOverride(bool granted)
{
    QMutexLocker lock(&overrideMutex);
    if (answerOverride && answerOverride->status == 2)
        answerOverride->status = granted ? 0 : 1;
}

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
    std::function<void()> answer = [callback = std::move(callback), granted]() {
        settleOverride(granted);
        callback(granted);
    };
    if (answers.holdAnswers) {
        QMutexLocker lock(&overrideMutex);
        heldAnswers.append(std::move(answer));
        return;
    }
    // The answer always arrives later on the GUI thread, like the system's own
    // completion handler posted back to the application object.
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(answer), Qt::QueuedConnection);
}

int releaseMacCameraPermissionAnswers()
{
    QList<std::function<void()>> answers;
    {
        QMutexLocker lock(&overrideMutex);
        answers = std::exchange(heldAnswers, {});
    }
    for (const std::function<void()> &answer : answers)
        QMetaObject::invokeMethod(QCoreApplication::instance(), answer, Qt::QueuedConnection);
    return int(answers.size());
}

void setMacCameraPermissionOverride(std::optional<MacCameraPermissionOverride> answers)
{
    QMutexLocker lock(&overrideMutex);
    answerOverride = answers;
}
