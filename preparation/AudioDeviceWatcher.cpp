#include "preparation/AudioDeviceWatcher.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTimer>

AudioDeviceWatcher::AudioDeviceWatcher(QObject *parent)
    : QObject(parent), m_devices(new QMediaDevices(this)), m_poll(new QTimer(this)),
      m_snapshot(deviceSnapshot())
{
    const auto changed = [this] {
        m_snapshot = deviceSnapshot();
        emit devicesChanged();
    };
    connect(m_devices, &QMediaDevices::audioInputsChanged, this, changed);
    connect(m_devices, &QMediaDevices::audioOutputsChanged, this, changed);
    m_poll->setInterval(PollIntervalMs);
    connect(m_poll, &QTimer::timeout, this, &AudioDeviceWatcher::compare);
    m_poll->start();
}

QStringList AudioDeviceWatcher::deviceSnapshot()
{
    QStringList snapshot;
    const auto add = [&snapshot](const char *kind, const QList<QAudioDevice> &devices) {
        for (const QAudioDevice &device : devices) {
            snapshot.append(QStringLiteral("%1\n%2\n%3\n%4")
                                .arg(QLatin1String(kind), QString::fromUtf8(device.id()),
                                     device.description(), device.isDefault() ? "1" : "0"));
        }
    };
    add("in", QMediaDevices::audioInputs());
    add("out", QMediaDevices::audioOutputs());
    return snapshot;
}

void AudioDeviceWatcher::compare()
{
    QStringList now = deviceSnapshot();
    if (now == m_snapshot)
        return;
    m_snapshot = std::move(now);
    emit devicesChanged();
}
