#pragma once

#include "recording/WatermarkProgress.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QStringList>

struct WatermarkJob
{
    QString source;       // the joined recording
    QString output;       // the ".watermarking." file written next to it
    QString filter;       // a complete ffmpeg video filter description, used unchanged
    QString encoder = QStringLiteral("libx264");
    int fps = 30;
    int keyframeInterval = 2; // seconds
    int videoBitrate = 8000;  // kbps
    QString videoContainer = QStringLiteral("mp4");
    qint64 durationMs = 0;    // of the source, for the percentage
    QString ffmpegProgram = QStringLiteral("ffmpeg");
};

// Burns a watermark filter into a finished recording with one more ffmpeg run.
// A hardware encoder that fails is replaced once by libx264. Whatever happens, the source file
// is left alone: on failure or cancel the caller publishes it unwatermarked.
class WatermarkPass : public QObject
{
    Q_OBJECT
public:
    enum class Outcome {
        Watermarked,   // output holds the watermarked file
        Failed,        // output removed; the source is the result
        Cancelled,     // output removed; the source is the result
        MissingSource, // nothing to watermark
    };
    Q_ENUM(Outcome)

    explicit WatermarkPass(QObject *parent = nullptr);
    ~WatermarkPass() override;

    void start(const WatermarkJob &job);
    // Kills a running pass. Harmless when none runs or when called again.
    void cancel();
    bool isRunning() const { return m_running; }
    bool retried() const { return m_retried; }
    int lastPercent() const { return m_progress.lastPercent(); }

    static QStringList arguments(const WatermarkJob &job, const QString &encoder);
    static QStringList encoderOptions(const QString &encoder, int videoBitrateKbps);

signals:
    // A run began; retry is true for the run with the compatible encoder.
    void runStarted(bool retry);
    void progressChanged(int percent, qint64 remainingSeconds, bool cancelable);
    void finished(WatermarkPass::Outcome outcome, const QString &detail);

private:
    void run(const QString &encoder);
    void onReadyRead(QProcess *process);
    void onEnded(QProcess *process, bool ok);

    WatermarkJob m_job;
    QString m_encoder;
    bool m_retried = false;
    bool m_running = false;
    bool m_cancelled = false;
    QPointer<QProcess> m_process;
    QElapsedTimer m_timer;
    WatermarkProgress m_progress;
};
