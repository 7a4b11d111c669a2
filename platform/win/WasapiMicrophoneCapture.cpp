#include "platform/win/WasapiMicrophoneCapture.h"

WasapiMicrophoneCapture::WasapiMicrophoneCapture(QObject *parent)
    : WasapiCapture(parent)
{
}

bool WasapiMicrophoneCapture::startPipe(const QString &, const QString &)
{
    return refuseStart(tr("WASAPI microphone capture is only supported on Windows."));
}

QString WasapiMicrophoneCapture::modeName() const
{
    switch (m_mode) {
    case ModeRaw:
        return QStringLiteral("WASAPI-RAW");
    case ModeShared:
        return QStringLiteral("WASAPI-shared");
    default:
        return QStringLiteral("none");
    }
}
