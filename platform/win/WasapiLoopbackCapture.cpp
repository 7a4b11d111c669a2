#include "platform/win/WasapiLoopbackCapture.h"

WasapiLoopbackCapture::WasapiLoopbackCapture(QObject *parent)
    : WasapiCapture(parent)
{
}

bool WasapiLoopbackCapture::startPipe(const QString &deviceId, const QString &pipePath)
{
    return startInternal(deviceId, pipePath, false);
}

bool WasapiLoopbackCapture::startInternal(const QString &, const QString &, bool)
{
    return refuseStart(tr("WASAPI 回环录音仅支持 Windows。"));
}

bool WasapiLoopbackCapture::startMonitor(const QString &deviceId)
{
    return startInternal(deviceId, QString(), true);
}

PlaybackDeviceList WasapiLoopbackCapture::playbackDevices()
{
    return {};
}
