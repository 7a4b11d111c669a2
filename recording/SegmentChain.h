#pragma once

#include "recording/FramePipe.h"
#include "recording/SegmentAudioPipes.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

class DrainingSegment;

// The chain of segments of one recording: the parts folder and the segment files kept in it,
// the running segment's encoder with its frame pipe and its sound pipes, and the hand-over of
// a split. A split starts the next segment's encoder while the one before records on; once the
// next one reads its inputs (handOver), every later frame and sound sample goes to it and the
// one before finishes what it holds on its own (a draining segment). The recording is joined
// only after every draining segment has ended.
class SegmentChain : public QObject
{
    Q_OBJECT
public:
    explicit SegmentChain(QObject *parent = nullptr);
    // Draining encoders are given a few seconds to write out what they hold.
    ~SegmentChain() override;

    // The parts folder and the segment files kept in it, in recording order.
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder) { m_folder = folder; }
    const QStringList &kept() const { return m_kept; }
    void keep(const QString &path);
    void clearKept()
    {
        m_kept.clear();
        m_numbersUsed = 0;
    }
    // The folder was removed with the kept segments in it: those that are gone are
    // forgotten, and the segments that follow keep numbers after theirs.
    void forgetRemovedSegments();
    // The time recorded by the segments that a split ended and that are still writing out.
    qint64 drainingMs() const;
    // The next segment file: numbered in recording order after the kept, draining and
    // handed-over ones; a file left in place (an unreadable segment) is never reused.
    QString nextSegmentPath(const QString &extension) const;

    // The running segment's encoder, the pipe of its frames and its sound.
    QProcess *encoder() const { return m_encoder; }
    FramePipe *pipe() const { return m_pipe.get(); }
    SegmentAudioPipes &audio() { return m_audio; }
    // The running encoder has opened its inputs and reads them.
    bool encoderReading() const { return m_reading; }
    void setEncoderReading(bool reading) { m_reading = reading; }

    // A split: the running encoder records on as the segment before (`path`, recorded for
    // `recordedMs` by `clock`; `piped` when it reads our frames) and a new, idle encoder and
    // frame pipe take its place for the next segment.
    void beginSplit(const QString &path, qint64 recordedMs, const QElapsedTimer &clock, bool piped,
                    bool endsWithItsInput);
    // The segment before a split that still takes the frames, null once the next one has taken over.
    DrainingSegment *handingOver() const { return m_handoff; }
    // Every later frame and sample goes to the next segment; the one before finishes its queue.
    // The next segment's sound starts with the sound of `firstPictureNs` (steady clock), the
    // instant of its first picture, which may be earlier than now (-1: from now on).
    void handOver(qint64 firstPictureNs = -1);
    // What the segment before a split given up had (it runs on as the current segment).
    struct Resumed
    {
        QString path;
        qint64 recordedMs = 0;
        QElapsedTimer clock;
        QString output;
    };
    // The next encoder goes (killed, its empty file removed) and the segment before is the
    // running one again.
    Resumed giveUpSplit();

    bool isDraining() const { return !m_draining.isEmpty(); }
    QStringList drainingPaths() const;
    // Kills every draining encoder without waiting for it (a discard).
    void abandonDraining();

signals:
    // Of the running encoder.
    void encoderOutputReady();
    void encoderFinished(int exitCode, QProcess::ExitStatus status);
    void encoderErrorOccurred(QProcess::ProcessError error);
    // A draining segment's encoder ended; `keep` when its file was kept. Sent after
    // handingOver() is null when it was still the one handing over.
    void segmentDrained(const QString &path, qint64 recordedMs, bool keep);

private:
    QProcess *makeEncoder();
    void connectEncoder(QProcess *encoder);
    void onDrained(DrainingSegment *segment, bool keep);

    QString m_folder;
    QStringList m_kept;
    // Segment numbers taken by segments forgotten since.
    qsizetype m_numbersUsed = 0;
    QProcess *m_encoder = nullptr;
    std::unique_ptr<FramePipe> m_pipe;
    SegmentAudioPipes m_audio;
    bool m_reading = false;
    DrainingSegment *m_handoff = nullptr;
    QList<DrainingSegment *> m_draining;
};
