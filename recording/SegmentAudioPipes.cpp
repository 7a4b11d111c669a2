#include "recording/SegmentAudioPipes.h"

#include "platform/mac/MacSystemAudioCapture.h"
#include "platform/mac/RecordingClock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <utility>

SegmentAudioPipes::SegmentAudioPipes() = default;

SegmentAudioPipes::~SegmentAudioPipes()
{
    clear();
}

QString SegmentAudioPipes::newPipePath(const QString &folder, Source source)
{
    // Named by the time, as the parts folder's pipes always are; the microphone's beside it.
    // A split made within the same millisecond as the pipe still in use gets a name of its own.
    const QString stem = (source == System ? QStringLiteral("system_audio_%1") : QStringLiteral("microphone_%1"))
                             .arg(QDateTime::currentMSecsSinceEpoch());
    const QDir dir(folder);
    QString path = dir.filePath(stem + QStringLiteral(".fifo"));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = dir.filePath(QStringLiteral("%1_%2.fifo").arg(stem).arg(n));
    return path;
}

MacSystemAudioCapture *SegmentAudioPipes::makeCapture(Source source, const QByteArray &pulseSource) const
{
    auto *capture = new MacSystemAudioCapture;
    capture->setSourceName(pulseSource);
    capture->setFallbackSourceName(source == System ? QByteArrayLiteral("@DEFAULT_MONITOR@")
                                                    : QByteArrayLiteral("@DEFAULT_SOURCE@"));
    capture->setLogName(source == System ? "[System audio]" : "[Microphone input]");
    return capture;
}

bool SegmentAudioPipes::start(const QString &folder, const Wanted &wanted, Source *failed, QString *error,
                              bool silenceWithoutServer, qint64 originNs)
{
    clear();
    if (originNs == -1)
        originNs = RecordingClock::steadyNs();
    m_originNs = originNs >= 0 ? originNs : -1;
    for (Source source : {System, Microphone}) {
        const QByteArray name = wanted.of(source);
        if (name.isEmpty())
            continue;
        Pipe &pipe = m_pipes[source];
        pipe.capture = makeCapture(source, name);
        pipe.path = newPipePath(folder, source);
        if (!pipe.capture->start(pipe.path, error, silenceWithoutServer, originNs)) {
            if (failed)
                *failed = source;
            clear();
            return false;
        }
    }
    return true;
}

bool SegmentAudioPipes::prepareSplit(const QString &folder, const Wanted &wanted, bool primed, Source *failed,
                                     QString *error)
{
    // Without a primer every stream goes on in the next segment from this instant.
    const qint64 now = RecordingClock::steadyNs();
    m_previousOriginNs = m_originNs;
    m_originNs = primed ? -1 : now;
    for (Source source : {System, Microphone}) {
        Pipe &pipe = m_pipes[source];
        const QByteArray name = wanted.of(source);
        pipe.previousPath = pipe.path;
        if (pipe.capture && !name.isEmpty()) {
            const QString next = newPipePath(folder, source);
            if (!pipe.capture->prepareNextPipe(next, primed, error)) {
                if (failed)
                    *failed = source;
                cancelSplit();
                return false;
            }
            if (!primed)
                pipe.capture->switchToNextPipe(now);
            pipe.path = next;
            pipe.handsOn = true;
        } else if (pipe.capture) {
            // The next segment goes without: the segment before keeps the capture to its end.
            pipe.previous = std::exchange(pipe.capture, nullptr);
            pipe.path.clear();
        } else if (!name.isEmpty()) {
            pipe.capture = makeCapture(source, name);
            pipe.path = newPipePath(folder, source);
            pipe.started = true;
            const bool ok = primed ? pipe.capture->startHeld(pipe.path, error)
                                    : pipe.capture->start(pipe.path, error, false, now);
            if (!ok) {
                if (failed)
                    *failed = source;
                cancelSplit();
                return false;
            }
        }
    }
    return true;
}

void SegmentAudioPipes::completeSplit(qint64 atNs)
{
    if (atNs < 0)
        atNs = RecordingClock::steadyNs();
    if (m_originNs < 0)
        m_originNs = atNs;
    for (Pipe &pipe : m_pipes) {
        if (pipe.handsOn && pipe.capture)
            pipe.capture->switchToNextPipe(atNs);
        if (pipe.started && pipe.capture)
            pipe.capture->setOrigin(atNs);
        delete std::exchange(pipe.previous, nullptr);
        pipe.previousPath.clear();
        pipe.handsOn = false;
        pipe.started = false;
    }
}

void SegmentAudioPipes::cancelSplit()
{
    m_originNs = m_previousOriginNs;
    for (Pipe &pipe : m_pipes) {
        if (pipe.handsOn && pipe.capture) {
            pipe.capture->dropNextPipe();
            pipe.path = pipe.previousPath;
        } else if (pipe.started) {
            delete std::exchange(pipe.capture, nullptr);
            pipe.path.clear();
        } else if (pipe.previous) {
            pipe.capture = std::exchange(pipe.previous, nullptr);
            pipe.path = pipe.previousPath;
        }
        pipe.previousPath.clear();
        pipe.handsOn = false;
        pipe.started = false;
    }
}

void SegmentAudioPipes::awaitOrigin()
{
    for (Pipe &pipe : m_pipes) {
        if (pipe.capture)
            pipe.capture->awaitOrigin();
    }
    m_awaitingOrigin = true;
}

void SegmentAudioPipes::settleOrigin(qint64 atNs)
{
    if (!m_awaitingOrigin || atNs < 0)
        return;
    m_awaitingOrigin = false;
    m_originNs = atNs;
    // A capture that the segment before keeps to its end during a split awaits it too.
    for (Pipe &pipe : m_pipes) {
        for (MacSystemAudioCapture *capture : {pipe.capture, pipe.previous}) {
            if (capture)
                capture->settleOrigin(atNs);
        }
    }
}

bool SegmentAudioPipes::has(Source source) const
{
    return m_pipes[source].capture != nullptr;
}

bool SegmentAudioPipes::soundServerLost() const
{
    for (const Pipe &pipe : m_pipes) {
        for (const MacSystemAudioCapture *capture : {pipe.capture, pipe.previous})
            if (capture && capture->soundServerLost())
                return true;
    }
    return false;
}

bool SegmentAudioPipes::sourceReplaced(Source source) const
{
    const Pipe &pipe = m_pipes[source];
    return (pipe.capture && pipe.capture->sourceReplaced()) || (pipe.previous && pipe.previous->sourceReplaced());
}

QString SegmentAudioPipes::path(Source source) const
{
    return m_pipes[source].capture ? m_pipes[source].path : QString();
}

void SegmentAudioPipes::stop()
{
    for (Pipe &pipe : m_pipes) {
        if (pipe.capture)
            pipe.capture->stop();
        if (pipe.previous)
            pipe.previous->stop();
    }
}

void SegmentAudioPipes::clear()
{
    for (Pipe &pipe : m_pipes) {
        delete std::exchange(pipe.capture, nullptr);
        delete std::exchange(pipe.previous, nullptr);
        pipe = Pipe();
    }
    m_awaitingOrigin = false;
    m_originNs = -1;
}
