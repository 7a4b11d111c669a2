#pragma once

#include <QObject>
#include <QString>

#include <memory>

class AudioCaptureWorker;

// What the WASAPI loopback and microphone captures share: the worker with its
// stop handshake, the last error and the sample format they deliver.
class WasapiCapture : public QObject
{
    Q_OBJECT
public:
    ~WasapiCapture() override;

    void stop();
    bool isRunning() const;
    QString sampleFormat() const;
    int sampleRate() const;
    int channelCount() const;
    QString errorString() const;

protected:
    explicit WasapiCapture(QObject *parent);
    // Stops whatever runs and records why a start failed; returns false.
    bool refuseStart(const QString &errorText);

private:
    std::unique_ptr<AudioCaptureWorker> d;
};
