#pragma once

#include "platform/win/WasapiCapture.h"

// Records a microphone through WASAPI. Only Windows has it: here every start fails
// at once with a fixed message and no signal is emitted (the encoder opens the
// microphone itself).
class WasapiMicrophoneCapture : public WasapiCapture
{
    Q_OBJECT
public:
    enum Mode { ModeNone = 0, ModeRaw = 1, ModeShared = 2 };

    explicit WasapiMicrophoneCapture(QObject *parent = nullptr);

    bool startPipe(const QString &deviceId, const QString &pipePath);

    int mode() const { return m_mode; }
    QString modeName() const;
    QString endpointName() const { return m_endpointName; }

signals:
    void levelMeasured(float peak, float rms, bool silent, unsigned long long capturedFrames);
    void captureError(const QString &message);

private:
    int m_mode = ModeNone;
    QString m_endpointName;
};
