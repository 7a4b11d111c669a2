#pragma once

#include "platform/mac/PulseDeviceList.h"

#include <QObject>

class QTimer;

// Tells when the sound server's input or output devices change, and keeps their lists as
// the server gave them last. The lists are asked of the server itself once per
// PollIntervalMs: Qt 6.4 never emits its change signals under PulseAudio and, once the server
// has restarted, no longer updates its own lists either. Each query may wait up to 500 ms, so
// the polls run on a worker, one at a time, and are compared on the GUI thread.
class AudioDeviceWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr int PollIntervalMs = 1000;

    explicit AudioDeviceWatcher(QObject *parent = nullptr);

    const PulseDevices &devices() const { return m_devices; }
    // Asks the server again now and waits for its answer; emits devicesChanged when the lists
    // changed.
    void update();

signals:
    void devicesChanged();

private:
    void poll();
    void take(PulseDevices now);

    QTimer *m_poll = nullptr;
    PulseDevices m_devices;
    bool m_polling = false;
    int m_asked = 0; // queries asked so far: a poll's answer older than an update's is dropped
};
