#pragma once

#include <QByteArray>
#include <QString>

// The sound server's names of the devices the user chose. A choice is the device's id
// or its description, as the controls keep them; a speaker that is no longer there falls
// back to the default one, with a log line, and a microphone that is not there is asked
// for by its id all the same (its capture falls back and reports the replacement).
namespace AudioDeviceChoice {

// The PulseAudio source that records the chosen microphone; empty for the default one.
QString microphoneSource(const QString &chosen);

// The PulseAudio source that records what the chosen speaker plays (its monitor);
// empty for the default output's monitor.
QByteArray speakerMonitor(const QString &chosen);

} // namespace AudioDeviceChoice
