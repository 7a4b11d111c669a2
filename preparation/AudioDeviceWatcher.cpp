#include "preparation/AudioDeviceWatcher.h"

#include <QTimer>

AudioDeviceWatcher::AudioDeviceWatcher(QObject *parent)
    : QObject(parent), m_poll(new QTimer(this)), m_devices(PulseDeviceList::query())
{
    m_poll->setInterval(PollIntervalMs);
    connect(m_poll, &QTimer::timeout, this, &AudioDeviceWatcher::update);
    m_poll->start();
}

void AudioDeviceWatcher::update()
{
    PulseDevices now = PulseDeviceList::query();
    if (now == m_devices)
        return;
    m_devices = std::move(now);
    emit devicesChanged();
}
