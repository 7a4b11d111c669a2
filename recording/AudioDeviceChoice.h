#pragma once

#include <QByteArray>
#include <QString>

// The sound server's names of the devices the user chose. A choice is the device's id
// or its description, as the controls keep them; a device that is no longer there falls
// back to the default one, with a log line.
namespace AudioDeviceChoice {

// The PulseAudio source that records the chosen microphone; empty for the default one.
QString microphoneSource(const QString &chosen);

// The PulseAudio source that records what the chosen speaker plays (its monitor);
// empty for the default output's monitor.
QByteArray speakerMonitor(const QString &chosen);

} // namespace AudioDeviceChoice
