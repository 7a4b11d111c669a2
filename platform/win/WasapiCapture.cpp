#include "platform/win/WasapiCapture.h"

#include "platform/win/AudioCaptureWorker.h"

WasapiCapture::WasapiCapture(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<AudioCaptureWorker>())
{
}

WasapiCapture::~WasapiCapture() = default;

void WasapiCapture::stop()
{
    d->stop();
}

bool WasapiCapture::isRunning() const
{
    return d->isRunning();
}

QString WasapiCapture::sampleFormat() const
{
    return d->sampleFormat();
}

int WasapiCapture::sampleRate() const
{
    return d->sampleRate();
}

int WasapiCapture::channelCount() const
{
    return d->channelCount();
}

QString WasapiCapture::errorString() const
{
    return d->errorString();
}

bool WasapiCapture::refuseStart(const QString &errorText)
{
    stop();
    d->setErrorString(errorText);
    return false;
}
