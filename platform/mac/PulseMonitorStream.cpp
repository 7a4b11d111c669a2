#include "platform/mac/PulseMonitorStream.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QThread>

#include <pulse/pulseaudio.h>

#include <atomic>

namespace {

const char *const ApplicationName = "Vistrelle";

// Polls a state with the loop unlocked in between, so that PulseAudio's thread can
// move it on; returns the last state seen. Gives up early once keepTrying turns false.
template<typename Read>
auto waitForState(pa_threaded_mainloop *loop, int timeoutMs, const std::atomic_bool *keepTrying, Read read,
                  std::initializer_list<decltype(read())> finalStates)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        pa_threaded_mainloop_lock(loop);
        const auto state = read();
        pa_threaded_mainloop_unlock(loop);
        for (auto final : finalStates) {
            if (state == final)
                return state;
        }
        if (timer.elapsed() >= timeoutMs || (keepTrying && !keepTrying->load()))
            return state;
        QThread::msleep(2);
    }
}

} // namespace

PulseMonitorStream::PulseMonitorStream() = default;

PulseMonitorStream::~PulseMonitorStream()
{
    stop();
}

QString PulseMonitorStream::contextError() const
{
    return QString::fromLocal8Bit(pa_strerror(m_context ? pa_context_errno(m_context) : PA_ERR_UNKNOWN));
}

bool PulseMonitorStream::start(const SampleCallback &callback, int timeoutMs, QString *error,
                               const std::atomic_bool *keepTrying)
{
    stop();
    m_lost = false;
    m_sourceReplaced = false;
    auto failWith = [this, error](const QString &text) {
        if (error)
            *error = text;
        stop();
        return false;
    };
    m_callback = callback;
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop)
        return failWith(QStringLiteral("Cannot create the sound server connection"));
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), ApplicationName);
    if (!m_context)
        return failWith(QStringLiteral("Cannot create the sound server connection"));
    pa_context_set_state_callback(m_context, &PulseMonitorStream::onContextStateChanged, this);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return failWith(QStringLiteral("Cannot connect to the sound server: %1").arg(contextError()));
    if (pa_threaded_mainloop_start(m_loop) < 0)
        return failWith(QStringLiteral("Cannot start the sound server connection"));

    const pa_context_state_t contextState = waitForState(
        m_loop, timeoutMs, keepTrying, [this] { return pa_context_get_state(m_context); },
        {PA_CONTEXT_READY, PA_CONTEXT_FAILED, PA_CONTEXT_TERMINATED});
    if (contextState != PA_CONTEXT_READY) {
        pa_threaded_mainloop_lock(m_loop);
        const QString reason = contextState == PA_CONTEXT_FAILED ? contextError()
                                                                  : QStringLiteral("timed out");
        pa_threaded_mainloop_unlock(m_loop);
        return failWith(QStringLiteral("Cannot connect to the sound server: %1").arg(reason));
    }

    const QByteArray chosen = m_sourceName.isEmpty() ? QByteArrayLiteral("@DEFAULT_MONITOR@") : m_sourceName;
    QString reason;
    int streamState = connectStream(chosen, timeoutMs, keepTrying, &reason);
    if (streamState == PA_STREAM_FAILED && m_missingSource && !m_fallbackName.isEmpty() && m_fallbackName != chosen) {
        // The chosen source is gone (a device unplugged while no stream was recording it):
        // the fallback records in its place, as the server does for a running stream.
        qWarning().noquote() << "[Sound server] The source" << chosen << "does not exist; recording" << m_fallbackName;
        streamState = connectStream(m_fallbackName, timeoutMs, keepTrying, &reason);
        if (streamState == PA_STREAM_READY)
            m_sourceReplaced = true;
    }
    if (streamState != PA_STREAM_READY)
        return failWith(reason.isEmpty() ? QStringLiteral("Recording from the sound server did not start")
                                         : QStringLiteral("Recording from the sound server did not start: %1").arg(reason));
    pa_threaded_mainloop_lock(m_loop);
    m_running = true;
    // A server that went away since the stream became ready is not seen by the callbacks.
    if (pa_context_get_state(m_context) != PA_CONTEXT_READY)
        m_lost = true;
    pa_threaded_mainloop_unlock(m_loop);
    return true;
}

int PulseMonitorStream::connectStream(const QByteArray &source, int timeoutMs,
                                       const std::atomic_bool *keepTrying, QString *reason)
{
    m_missingSource = false;
    pa_sample_spec spec;
    spec.format = PA_SAMPLE_FLOAT32LE;
    spec.rate = SampleRate;
    spec.channels = Channels;
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(-1);
    attr.tlength = uint32_t(-1);
    attr.prebuf = uint32_t(-1);
    attr.minreq = uint32_t(-1);
    attr.fragsize = FragmentBytes;

    pa_threaded_mainloop_lock(m_loop);
    if (m_stream) { // the attempt before, on another source
        pa_stream_set_read_callback(m_stream, nullptr, nullptr);
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_moved_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
    }
    m_stream = pa_stream_new(m_context, "System audio", &spec, nullptr);
    int connected = -1;
    if (m_stream) {
        pa_stream_set_read_callback(m_stream, &PulseMonitorStream::onRead, this);
        pa_stream_set_state_callback(m_stream, &PulseMonitorStream::onStateChanged, this);
        pa_stream_set_moved_callback(m_stream, &PulseMonitorStream::onMoved, this);
        connected = pa_stream_connect_record(m_stream, source.constData(), &attr, PA_STREAM_ADJUST_LATENCY);
    }
    if (connected < 0) {
        *reason = contextError();
        m_missingSource = pa_context_errno(m_context) == PA_ERR_NOENTITY;
    }
    pa_threaded_mainloop_unlock(m_loop);
    if (connected < 0)
        return PA_STREAM_FAILED;

    const pa_stream_state_t state = waitForState(
        m_loop, timeoutMs, keepTrying, [this] { return pa_stream_get_state(m_stream); },
        {PA_STREAM_READY, PA_STREAM_FAILED, PA_STREAM_TERMINATED});
    if (state == PA_STREAM_FAILED) {
        pa_threaded_mainloop_lock(m_loop);
        *reason = contextError();
        m_missingSource = m_context && pa_context_errno(m_context) == PA_ERR_NOENTITY;
        pa_threaded_mainloop_unlock(m_loop);
    }
    return state;
}

void PulseMonitorStream::stop()
{
    if (m_loop)
        pa_threaded_mainloop_lock(m_loop);
    m_running = false;
    if (m_stream) {
        pa_stream_set_read_callback(m_stream, nullptr, nullptr);
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_moved_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    if (m_loop) {
        pa_threaded_mainloop_unlock(m_loop);
        pa_threaded_mainloop_stop(m_loop);
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
    m_callback = nullptr;
}

void PulseMonitorStream::onStateChanged(pa_stream *stream, void *self)
{
    // Once running, a failure of the stream alone (its device was removed) only leaves the
    // pipe to silence: say why in the log. A lost server is the context's.
    auto *capture = static_cast<PulseMonitorStream *>(self);
    if (pa_stream_get_state(stream) == PA_STREAM_FAILED && capture->m_running)
        qWarning().noquote() << "[System audio] The sound server stream failed:" << capture->contextError();
}

void PulseMonitorStream::onMoved(pa_stream *stream, void *self)
{
    auto *capture = static_cast<PulseMonitorStream *>(self);
    const char *device = pa_stream_get_device_name(stream);
    if (!capture->m_running || capture->m_sourceName.isEmpty() || !device || capture->m_sourceName == device)
        return;
    qWarning().noquote() << "[System audio] The source" << capture->m_sourceName << "went away; now recording"
                         << device;
    capture->m_sourceReplaced = true;
}

void PulseMonitorStream::onContextStateChanged(pa_context *context, void *self)
{
    auto *capture = static_cast<PulseMonitorStream *>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if ((state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED) && capture->m_running)
        capture->m_lost = true;
}

void PulseMonitorStream::onRead(pa_stream *stream, size_t, void *self)
{
    auto *capture = static_cast<PulseMonitorStream *>(self);
    static std::atomic_bool formatLogged{false};
    for (;;) {
        const void *data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            return;
        if (!data) {
            // A hole: sound the server lost. Its length keeps the stream's count in time.
            if (capture->m_callback)
                capture->m_callback(nullptr, bytes / sizeof(float));
        } else {
            const pa_sample_spec *spec = pa_stream_get_sample_spec(stream);
            if (!formatLogged.exchange(true)) {
                qInfo().noquote() << "[System audio format] valid=1"
                                  << "frames=" << bytes / (sizeof(float) * Channels)
                                  << "format=" << unsigned(spec ? spec->format : 0)
                                  << "flags=" << 0u << "bits=" << 32u
                                  << "channels=" << unsigned(spec ? spec->channels : 0)
                                  << "rate=" << double(spec ? spec->rate : 0);
            }
            if (capture->m_callback)
                capture->m_callback(static_cast<const float *>(data), bytes / sizeof(float));
        }
        pa_stream_drop(stream);
    }
}

bool PulseMonitorStream::serverReachable(int timeoutMs)
{
    pa_mainloop *loop = pa_mainloop_new();
    if (!loop)
        return false;
    pa_context *context = pa_context_new(pa_mainloop_get_api(loop), ApplicationName);
    bool ready = false;
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (state == PA_CONTEXT_READY) {
                ready = true;
                break;
            }
            if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED
                || timer.elapsed() >= timeoutMs)
                break;
            if (pa_mainloop_iterate(loop, 0, nullptr) < 0)
                break;
            QThread::msleep(1);
        }
        pa_context_disconnect(context);
    }
    if (context)
        pa_context_unref(context);
    pa_mainloop_free(loop);
    return ready;
}
