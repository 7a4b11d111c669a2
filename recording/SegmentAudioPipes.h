#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>

class MacSystemAudioCapture;

// The sound a segment's encoder reads from named pipes in the parts folder: what the computer
// plays and the microphone, each recorded by a capture of its own, as 32-bit float stereo at
// 48000 Hz. At a split the captures hand their stream from the pipes of the segment before to
// those of the next one between two chunks, so that no sample is lost or repeated, and a
// source that only the next segment records starts at the hand-over.
class SegmentAudioPipes
{
public:
    enum Source { System = 0, Microphone = 1 };

    SegmentAudioPipes();
    ~SegmentAudioPipes();
    SegmentAudioPipes(const SegmentAudioPipes &) = delete;
    SegmentAudioPipes &operator=(const SegmentAudioPipes &) = delete;

    // What the next segment records: the PulseAudio source of each wanted one (an empty
    // name is not wanted).
    struct Wanted
    {
        QByteArray system;
        QByteArray microphone;
        QByteArray of(Source source) const { return source == System ? system : microphone; }
    };

    // Starts the captures of a segment that follows none (the first one, or after a pause);
    // earlier captures are deleted first. Every pipe starts with the sound of the instant
    // `originNs` (RecordingClock::steadyNs(); -1: now; MacSystemAudioCapture::OriginLater:
    // the one setOrigin() gives). On failure, `failed` names the source and nothing runs.
    // With `silenceWithoutServer` (a recording that goes on), a sound server that is away
    // gives silence until it is back instead of a failure.
    bool start(const QString &folder, const Wanted &wanted, Source *failed, QString *error,
               bool silenceWithoutServer = false, qint64 originNs = -1);

    // A split: the pipes of the next segment are made while the samples still go to the
    // segment before. With `primed`, each new pipe gets the silence that lets the encoder open
    // it and the samples follow at completeSplit(); without (recordings of sound alone), they
    // go to the next segment at once. On failure nothing changes.
    bool prepareSplit(const QString &folder, const Wanted &wanted, bool primed, Source *failed, QString *error);
    // The sound from the instant `atNs` on (negative: every later sample) goes to the next
    // segment; the pipes of the one before end.
    void completeSplit(qint64 atNs = -1);
    // The split is given up: the segment before keeps its pipes.
    void cancelSplit();

    // The pipes of a start() with a later origin begin with the sound of the instant the next
    // settleOrigin() gives (steady clock, ns); below 0: not known yet, they go on waiting.
    void awaitOrigin();
    void settleOrigin(qint64 atNs);

    // The instant (steady clock, ns) whose sound the current segment's pipes start with, which
    // is the time 0 of a segment of sound alone; -1 while it is not known.
    qint64 originNs() const { return m_originNs; }

    bool has(Source source) const;
    // A capture lost its sound server and records silence until the server is back.
    bool soundServerLost() const;
    // The capture of `source` records another source than the one chosen, which was removed.
    bool sourceReplaced(Source source) const;
    QString path(Source source) const;

    // Stops every capture: the encoders that read them see their input end.
    void stop();
    // Deletes every capture and removes the pipes.
    void clear();

private:
    struct Pipe
    {
        MacSystemAudioCapture *capture = nullptr;
        QString path;
        // During a split: the capture and pipe of the segment before when the next one has
        // another (or none), and whether the capture hands its own stream on.
        MacSystemAudioCapture *previous = nullptr;
        QString previousPath;
        bool handsOn = false;
        bool started = false;
    };
    MacSystemAudioCapture *makeCapture(Source source, const QByteArray &pulseSource) const;
    static QString newPipePath(const QString &folder, Source source);
    std::array<Pipe, 2> m_pipes;
    bool m_awaitingOrigin = false;
    qint64 m_originNs = -1;
    qint64 m_previousOriginNs = -1; // the segment before's, while a split may still be given up
};
