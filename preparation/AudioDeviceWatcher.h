#pragma once

#include <QObject>
#include <QStringList>

class QMediaDevices;
class QTimer;

// Tells when the sound server's input or output devices change. Qt 6.4 updates
// its device lists under PulseAudio but never emits its change signals there, so
// besides those signals the lists are compared once per PollIntervalMs.
class AudioDeviceWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr int PollIntervalMs = 1000;

    explicit AudioDeviceWatcher(QObject *parent = nullptr);

    // Ids, names and default marks of every input and output, in list order.
    static QStringList deviceSnapshot();

signals:
    void devicesChanged();

private:
    void compare();

    QMediaDevices *m_devices = nullptr;
    QTimer *m_poll = nullptr;
    QStringList m_snapshot;
};
