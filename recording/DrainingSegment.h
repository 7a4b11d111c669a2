#pragma once

#include "recording/BoundedOutput.h"
#include "recording/FramePipe.h"
#include "recording/ProgressWatch.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>

#include <memory>

// The encoder of a segment that a split has ended. It goes on taking frames while the
// next segment's encoder starts (so that no moment goes unrecorded), then is told to
// finish: its input ends and it writes out what it still holds while the next one
// records. It reports once its process has ended whether its file is worth keeping.
class DrainingSegment : public QObject
{
    Q_OBJECT
public:
    // Takes over a running encoder and its frame pipe (null for an encoder that reads
    // no frames from us, which is ended with "q"). `recordedMs` is the time the segment
    // has recorded so far, `clock` its segment clock.
    DrainingSegment(QProcess *process, std::unique_ptr<FramePipe> pipe, const QString &path, qint64 recordedMs,
                    const QElapsedTimer &clock, QObject *parent);
    // Kills an encoder that is still running.
    ~DrainingSegment() override;

    // Hands the encoder back (a split that is given up before it took effect); the
    // object is then empty and only to be deleted.
    QProcess *takeProcess();
    std::unique_ptr<FramePipe> takePipe();

    // Queues a frame taken at `stampUs` (FramePipe::write) while the segment still records.
    // False once it was told to finish.
    bool writeFrame(const QImage &frame, qint64 stampUs = -1);
    qint64 pendingBytes() const;

    // How long an encoder has after a split to write out the rest before it is killed.
    static constexpr int kEndLimitMs = 20000;
    // Ends the encoder's input and gives it `limitMs` to write out the rest before it is killed.
    // `pictureUntilUs`: where the next segment's first picture was grabbed (wall clock, µs),
    // until which this one's last picture stands (FramePipe::finish); below 0: not known.
    void finish(int limitMs = kEndLimitMs, qint64 pictureUntilUs = -1);
    // An encoder whose only input is a pipe that the split closes ends by itself after
    // the last sample: "q" would make it leave what is still in the pipe unread.
    void setEndsWithItsInput(bool ends) { m_endsWithInput = ends; }
    // Ends the encoder at once.
    void kill();
    // Finishes the encoder and waits up to `limitMs` for it to end, then kills it.
    void waitForEnd(int limitMs);

    bool isFinishing() const { return m_finishing; }
    bool hasEnded() const { return m_ended; }
    QString path() const { return m_path; }
    qint64 recordedMs() const { return m_recordedMs; }
    const QElapsedTimer &clock() const { return m_clock; }
    // What the encoder printed after the split.
    QString output() const { return QString::fromLocal8Bit(m_output.tail()); }

signals:
    // The encoder has ended; `keep` when its file holds playable media.
    void ended(DrainingSegment *segment, bool keep);

private:
    void onFinished(int exitCode, QProcess::ExitStatus status);

    QProcess *m_process = nullptr;
    std::unique_ptr<FramePipe> m_pipe;
    QString m_path;
    qint64 m_recordedMs = 0;
    QElapsedTimer m_clock;
    BoundedOutput m_output{0, 8000};
    ProgressWatch *m_endWatch = nullptr;
    bool m_finishing = false;
    bool m_ended = false;
    bool m_endsWithInput = false;
};
