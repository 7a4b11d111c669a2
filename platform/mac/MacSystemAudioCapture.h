#pragma once

#include "platform/mac/AlignedSampleQueue.h"
#include "platform/mac/PulseMonitorStream.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// Records what the computer plays (or a microphone) and hands it to the encoder through a
// named pipe as a continuous stream: raw 32-bit float, little-endian, 48000 Hz, stereo
// interleaved, in chunks of at most 10 ms (3840 bytes). The stream keeps time with the
// steady clock (AlignedSampleQueue): its sample p is the sound captured at the origin plus
// p / 48000 s, whatever the sound server delivers late or loses, so that a segment's sound
// and pictures, stamped on the same clock, stay together. A late delivery is waited for, and
// only a source that has stalled is padded with silence; at the stop the stream reaches the
// stop's instant, with silence for sound still on its way.
// When the sound server goes away the pipe carries silence, and the capture connects again as
// soon as the server is back: the stream in the pipe never stops.
class MacSystemAudioCapture
{
public:
    MacSystemAudioCapture();
    ~MacSystemAudioCapture();
    MacSystemAudioCapture(const MacSystemAudioCapture &) = delete;
    MacSystemAudioCapture &operator=(const MacSystemAudioCapture &) = delete;

    static constexpr size_t ChunkBytes = 3840;
    static constexpr size_t ChunkSamples = ChunkBytes / sizeof(float);
    static constexpr size_t MaxQueuedSamples = AlignedSampleQueue::MaxQueuedFrames * 2; // 2 s
    static constexpr int ServerTimeoutMs = 5000;
    // How often a lost sound server is tried again.
    static constexpr int ReconnectIntervalMs = 250;
    // Stereo frames of silence that open the next encoder's pipe at a split: the encoder
    // reads one whole packet (8192 bytes) of a raw-sample input before it opens the next
    // input, and the segment leaves them out again.
    static constexpr size_t PrimerFrames = 1024;
    // The most sound a switch sends again to the next pipe (0.5 s).
    static constexpr size_t ReplayFrames = AlignedSampleQueue::Rate / 2;

    // Quick check that a sound server answers (bounded to a fraction of a second).
    static bool isAvailable();

    // An origin given later, by setOrigin().
    static constexpr qint64 OriginLater = -2;

    // Creates the pipe at fifoPath, starts recording and the writer. On failure
    // returns false with the reason in *error and leaves nothing running or open.
    // The stream in the pipe starts with the sound of `originNs` (steady clock; -1: the
    // start; OriginLater: nothing goes to the pipe before setOrigin()). With
    // `silenceWithoutServer`, a sound server that does not answer is no failure: the pipe
    // carries silence from the start and the capture connects once the server is back.
    bool start(const QString &fifoPath, QString *error, bool silenceWithoutServer = false, qint64 originNs = -1);
    // The same for a segment that a split starts while the one before still records: the
    // pipe gets the primer (PrimerFrames of silence) at once, and the stream follows from
    // setOrigin(), with the sound of the hand-over.
    bool startHeld(const QString &fifoPath, QString *error);
    // The stream in the pipe starts with the sound of the instant `atNs` (steady clock).
    void setOrigin(qint64 atNs);
    // Without an origin yet, the stream waits for the one the next settleOrigin() gives
    // (until setOrigin() or stop()).
    void awaitOrigin();
    // The stream starts with the sound of `atNs` (steady clock) when it awaits its origin.
    void settleOrigin(qint64 atNs);
    // The name of the statistics line that stop() logs.
    void setLogName(const char *name) { m_logName = name; }
    // The PulseAudio source recorded by the next start(); empty: the default output's monitor.
    void setSourceName(const QByteArray &sourceName) { m_stream.setSourceName(sourceName); }
    // The source recorded instead when the chosen one does not exist (see sourceReplaced()).
    void setFallbackSourceName(const QByteArray &sourceName) { m_stream.setFallbackSourceName(sourceName); }
    // Stops everything, logs the statistics and removes the pipe; safe at any time.
    void stop();

    // A split hands the stream on without losing a sample: the pipe of the next encoder is
    // made (and opened, so that the encoder's open does not wait) while the samples still go
    // to the current one, then switchToNextPipe() sends the sound from the instant `atNs` on
    // (negative: from the next sample written) to it and closes the current pipe, whose
    // encoder then sees its audio end. An instant the current pipe has already been given
    // the sound of (the next segment's first picture, taken while the one before still
    // recorded) is sent again from what was written last (up to ReplayFrames), so that the
    // next segment's sound starts with its picture.
    // With `prime`, the next pipe gets PrimerFrames stereo frames of silence at once (the
    // encoder reads that much of the input before it opens the next one); without, it
    // waits for the switch.
    bool prepareNextPipe(const QString &fifoPath, bool prime, QString *error);
    void switchToNextPipe(qint64 atNs = -1);
    // Removes a prepared pipe that will not be used.
    void dropNextPipe();
    // The sound server went away and the pipe carries silence until it is back.
    bool soundServerLost() const { return m_serverLost.load(); }
    // The chosen source was removed, or was missing at the start, and another one is recorded
    // in its place.
    bool sourceReplaced() const { return m_stream.sourceReplaced(); }

    // Appends interleaved stereo samples (called on the sound server's thread) whose first
    // one was captured at `capturedNs` on the steady clock (negative: unknown, taken as
    // just before now); null samples are a hole of `count` samples the source lost.
    void appendSamples(const float *samples, size_t count, qint64 capturedNs = -1);

    struct Statistics
    {
        quint64 callbacks = 0;
        quint64 receivedSamples = 0;
        quint64 audibleSamples = 0;
        quint64 discardedSamples = 0;
        quint64 writtenSamples = 0;
        float peak = 0.0f;
        size_t queuedSamples = 0;
    };
    Statistics statistics() const;

private:
    bool begin(const QString &fifoPath, bool held, QString *error, bool silenceWithoutServer, qint64 originNs);
    void writerLoop();
    bool startStream(QString *error);
    // On its own thread: starts the stream again after its server went away.
    void keepConnected();
    void resetStatistics();

    PulseMonitorStream m_stream;
    bool m_streamStarted = false;
    QString m_fifoPath;
    std::atomic_bool m_running{false};
    const char *m_logName = "[System audio]";
    std::thread m_writer;
    std::thread m_keeper;
    // Wakes the keeper at once when the capture stops, so that the stop need not wait for it.
    std::mutex m_wakeMutex;
    std::condition_variable m_wake;
    std::atomic_bool m_serverLost{false};
    mutable std::mutex m_queueMutex;
    AlignedSampleQueue m_queue;
    bool m_awaitingOrigin = false;
    quint64 m_receivedSamples = 0;
    quint64 m_audibleSamples = 0;
    float m_peak = 0.0f;
    std::atomic<quint64> m_writtenSamples{0};
    std::atomic<quint64> m_callbacks{0};
    int m_readFd = -1;
    int m_writeFd = -1;
    // The prepared pipe of the next encoder, taken over by the writer thread once
    // m_switchRequested is set.
    QString m_nextFifoPath;
    int m_nextReadFd = -1;
    int m_nextWriteFd = -1;
    std::atomic_bool m_switchRequested{false};
    qint64 m_switchPosition = -1; // the stream position the switch happens at (queue mutex)
    qint64 m_switchFrom = -1;     // where the next pipe's sound starts, at or before it (queue mutex)
    // The writer thread's: the last frames it produced (ReplayFrames at most, interleaved)
    // and the stream position just after them.
    std::deque<float> m_recent;
    qint64 m_recentEnd = 0;
    // The frames from `from` up to `to` that m_recent still holds, interleaved.
    std::vector<float> recentBetween(qint64 from, qint64 to) const;
    std::mutex m_pipeMutex;
    void takeNextPipe();
};
