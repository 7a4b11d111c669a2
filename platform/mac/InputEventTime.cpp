#include "platform/mac/InputEventTime.h"

#include "platform/mac/RecordingClock.h"

#include <QEvent>
#include <QGuiApplication>
#include <QInputEvent>
#include <QPointer>
#include <QScreen>
#include <qpa/qplatformnativeinterface.h>

namespace InputEventTime {

namespace {
constexpr qint64 kOldestEventMs = 60 * 1000;
constexpr qint64 kNsPerMs = 1000 * 1000;

// Notes the X time of each key and button event as it is delivered. Events are queued between
// the X connection and their delivery, so the connection's own latest time may be that of a
// later event (a movement after the click).
class InputWatch : public QObject
{
public:
    using QObject::QObject;
    quint32 latest = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            latest = quint32(static_cast<QInputEvent *>(event)->timestamp());
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

QPointer<InputWatch> watch;
} // namespace

void watchInput()
{
    if (watch || !qGuiApp)
        return;
    watch = new InputWatch(qGuiApp);
    qGuiApp->installEventFilter(watch);
}

qint64 steadyNsOfServerTime(quint32 serverMs, qint64 nowNs)
{
    if (serverMs == 0)
        return nowNs;
    // The difference of the low 32 bits is the event's age also across a wrap.
    const quint32 nowMs = quint32(quint64(nowNs / kNsPerMs));
    const qint32 ageMs = qint32(nowMs - serverMs);
    if (ageMs < 0 || ageMs > kOldestEventMs)
        return nowNs;
    return (nowNs / kNsPerMs - ageMs) * kNsPerMs;
}

qint64 latestInputSteadyNs()
{
    const qint64 now = RecordingClock::steadyNs();
    if (!qGuiApp || !qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return now;
    if (watch && watch->latest != 0)
        return steadyNsOfServerTime(watch->latest, now);
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    if (!native)
        return now;
    // The time of the last event that carried one (a key, a button, a crossing), kept by the
    // toolkit's X connection.
    const auto serverMs = quint32(reinterpret_cast<quintptr>(
        native->nativeResourceForScreen("apptime", QGuiApplication::primaryScreen())));
    return steadyNsOfServerTime(serverMs, now);
}

} // namespace InputEventTime
