#pragma once

#include "platform/win/PlaybackDevice.h"
#include "platform/win/WasapiCapture.h"

// Records what the speakers play through WASAPI loopback. Only Windows has it:
// here every start fails at once with a fixed message and no signal is emitted.
class WasapiLoopbackCapture : public WasapiCapture
{
    Q_OBJECT
public:
    explicit WasapiLoopbackCapture(QObject *parent = nullptr);

    bool startPipe(const QString &deviceId, const QString &pipePath);
    bool startInternal(const QString &deviceId, const QString &pipePath, bool monitorOnly);
    bool startMonitor(const QString &deviceId);

    static PlaybackDeviceList playbackDevices();

signals:
    void levelChanged(float level);
    void captureError(const QString &message);
};
