#include "preparation/AudioDeviceWatcher.h"

#include <QFutureWatcher>
#include <QTimer>
#include <QtConcurrent>

AudioDeviceWatcher::AudioDeviceWatcher(QObject *parent)
    : QObject(parent), m_poll(new QTimer(this)), m_devices(PulseDeviceList::query())
{
    m_poll->setInterval(PollIntervalMs);
    connect(m_poll, &QTimer::timeout, this, &AudioDeviceWatcher::poll);
    m_poll->start();
}

void AudioDeviceWatcher::update()
{
    ++m_asked;
    take(PulseDeviceList::query());
}

void AudioDeviceWatcher::poll()
{
    if (m_polling)
        return;
    m_polling = true;
    const int asked = ++m_asked;
    auto *watcher = new QFutureWatcher<PulseDevices>(this);
    connect(watcher, &QFutureWatcher<PulseDevices>::finished, this, [this, watcher, asked] {
        watcher->deleteLater();
        m_polling = false;
        if (asked == m_asked && watcher->future().resultCount() > 0)
            take(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run([] { return PulseDeviceList::query(); }));
}

void AudioDeviceWatcher::take(PulseDevices now)
{
    if (now == m_devices)
        return;
    m_devices = std::move(now);
    emit devicesChanged();
}
