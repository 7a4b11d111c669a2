#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The sound server's devices as it lists them at the moment of asking. Qt 6.4 keeps the
// lists of its first connection: after the server restarts they never change again, and
// a device removed since stays listed.
struct PulseDevice
{
    QByteArray id; // the PulseAudio name
    QString description;
    bool isDefault = false;
    bool operator==(const PulseDevice &) const = default;
};

struct PulseDevices
{
    bool reachable = false;    // the server answered
    QList<PulseDevice> inputs;  // sources that are not monitors of an output
    QList<PulseDevice> outputs; // sinks
    bool operator==(const PulseDevices &) const = default;

    // The default input, or a null one (empty id) when the server names none.
    PulseDevice defaultInput() const;
};

namespace PulseDeviceList {

// Asks the server for its sources and sinks; waits at most timeoutMs (an empty answer
// without a server, which is noticed at once).
PulseDevices query(int timeoutMs = 500);

} // namespace PulseDeviceList
