#include "recording/AudioDeviceChoice.h"

#include "platform/mac/PulseDeviceList.h"

#include <QtDebug>

namespace {

bool isDefault(const QString &chosen)
{
    return chosen.isEmpty() || chosen == QLatin1String("default");
}

// The id of the device whose id or description is `chosen`; empty when none is.
QByteArray findDevice(const QList<PulseDevice> &devices, const QString &chosen)
{
    for (const PulseDevice &device : devices) {
        if (QString::fromUtf8(device.id) == chosen)
            return device.id;
    }
    for (const PulseDevice &device : devices) {
        if (device.description == chosen)
            return device.id;
    }
    return {};
}

} // namespace

QString AudioDeviceChoice::microphoneSource(const QString &chosen)
{
    if (isDefault(chosen))
        return {};
    const QByteArray id = findDevice(PulseDeviceList::query().inputs, chosen);
    if (!id.isEmpty())
        return QString::fromUtf8(id);
    // Asked for all the same: the capture then records the default input in its place and
    // reports it as replaced, which the recording tells the user once.
    qWarning().noquote() << "[Recorder] the chosen microphone" << chosen << "is not listed by the sound server";
    return chosen;
}

QByteArray AudioDeviceChoice::speakerMonitor(const QString &chosen)
{
    if (isDefault(chosen))
        return {};
    const QByteArray id = findDevice(PulseDeviceList::query().outputs, chosen);
    if (id.isEmpty()) {
        qWarning().noquote() << "[Recorder] the chosen speaker" << chosen << "is gone; recording the default one";
        return {};
    }
    return id + ".monitor";
}
