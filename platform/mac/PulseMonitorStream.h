#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

// Records the default output's monitor ("what the computer plays") from the
// PulseAudio server as interleaved stereo 32-bit float at 48000 Hz, in small
// fragments, on PulseAudio's own thread. Each fragment goes to the sample callback; a hole
// (sound the server lost) comes as null samples with its length.
class PulseMonitorStream
{
public:
    using SampleCallback = std::function<void(const float *samples, size_t count)>;

    PulseMonitorStream();
    ~PulseMonitorStream();
    PulseMonitorStream(const PulseMonitorStream &) = delete;
    PulseMonitorStream &operator=(const PulseMonitorStream &) = delete;

    static constexpr int SampleRate = 48000;
    static constexpr int Channels = 2;
    static constexpr unsigned FragmentBytes = 3840;

    // Connects and starts recording; waits at most timeoutMs for each of the two
    // steps, and gives up as soon as keepTrying (when given) turns false. False with a
    // reason when there is no server or the stream fails.
    bool start(const SampleCallback &callback, int timeoutMs, QString *error,
               const std::atomic_bool *keepTrying = nullptr);
    // The PulseAudio source recorded by the next start(); empty: the default
    // output's monitor.
    void setSourceName(const QByteArray &sourceName) { m_sourceName = sourceName; }
    // The source recorded instead when the chosen one does not exist at start(); the stream
    // then counts as replaced. Empty: such a start fails.
    void setFallbackSourceName(const QByteArray &sourceName) { m_fallbackName = sourceName; }
    void stop();
    // The server went away after start(): no sample comes any more until the next
    // start(). Set on PulseAudio's thread.
    bool lost() const { return m_lost.load(); }
    // The named source went away and the server moved the stream to another one (its
    // fallback source). Set on PulseAudio's thread.
    bool sourceReplaced() const { return m_sourceReplaced.load(); }

    // Whether a sound server accepts a connection within timeoutMs (never starts one).
    static bool serverReachable(int timeoutMs);

private:
    static void onRead(pa_stream *stream, size_t bytes, void *self);
    static void onStateChanged(pa_stream *stream, void *self);
    static void onMoved(pa_stream *stream, void *self);
    static void onContextStateChanged(pa_context *context, void *self);
    QString contextError() const;
    // Connects a new stream to `source` (the loop unlocked) and waits for its outcome; a
    // failure's reason goes to *reason. Returns the stream's pa_stream_state_t.
    int connectStream(const QByteArray &source, int timeoutMs, const std::atomic_bool *keepTrying,
                           QString *reason);

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    SampleCallback m_callback;
    QByteArray m_sourceName;
    QByteArray m_fallbackName;
    bool m_missingSource = false; // the last connectStream() failed for want of its source
    bool m_running = false; // guarded by the loop's lock
    std::atomic_bool m_lost{false};
    std::atomic_bool m_sourceReplaced{false};
};
