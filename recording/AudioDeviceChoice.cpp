#include "recording/AudioDeviceChoice.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QtDebug>

namespace {

bool isDefault(const QString &chosen)
{
    return chosen.isEmpty() || chosen == QLatin1String("default");
}

// The id of the device whose id or description is `chosen`; empty when none is.
QByteArray findDevice(const QList<QAudioDevice> &devices, const QString &chosen)
{
    for (const QAudioDevice &device : devices) {
        if (QString::fromUtf8(device.id()) == chosen)
            return device.id();
    }
    for (const QAudioDevice &device : devices) {
        if (device.description() == chosen)
            return device.id();
    }
    return {};
}

} // namespace

QString AudioDeviceChoice::microphoneSource(const QString &chosen)
{
    if (isDefault(chosen))
        return {};
    const QByteArray id = findDevice(QMediaDevices::audioInputs(), chosen);
    if (id.isEmpty())
        qWarning().noquote() << "[Recorder] the chosen microphone" << chosen << "is gone; recording the default one";
    return QString::fromUtf8(id);
}

QByteArray AudioDeviceChoice::speakerMonitor(const QString &chosen)
{
    if (isDefault(chosen))
        return {};
    const QByteArray id = findDevice(QMediaDevices::audioOutputs(), chosen);
    if (id.isEmpty()) {
        qWarning().noquote() << "[Recorder] the chosen speaker" << chosen << "is gone; recording the default one";
        return {};
    }
    return id + ".monitor";
}
