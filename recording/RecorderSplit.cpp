// Splits without a gap: the segment chain's hand-over from one encoder to the next.
#include "recording/Recorder.h"

#include "platform/mac/MacSystemAudioCapture.h"
#include "recording/DrainingSegment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <utility>

QProcess *Recorder::makeEncoderProcess()
{
    auto *encoder = new QProcess(this);
    encoder->setProcessChannelMode(QProcess::MergedChannels);
    connectEncoder(encoder);
    return encoder;
}

void Recorder::connectEncoder(QProcess *encoder)
{
    connect(encoder, &QProcess::readyRead, this, &Recorder::onEncoderOutput);
    connect(encoder, &QProcess::finished, this, &Recorder::onEncoderFinished);
    connect(encoder, &QProcess::errorOccurred, this, &Recorder::onEncoderError);
}

void Recorder::requestRestart()
{
    if (beginSplit())
        return;
    pendingReason = SegmentEndReason::Restart;
    stopCurrentSegment();
}

bool Recorder::beginSplit()
{
    if (!recordingActive || recordingPaused || resuming || handoff || segmentStopping || awaitingFirstMedia
        || pendingReason != SegmentEndReason::None || process->state() != QProcess::Running)
        return false;
    const bool piped = isPipedVideo();
    if (piped && (!frameTimer || !framePipe->isOpen()))
        return false;

    // The running encoder records on as the segment before; a new one starts at once.
    const qint64 recordedMs = segmentTimer.isValid() ? segmentTimer.elapsed() : 0;
    qInfo().noquote() << "[Recorder] split:" << currentSegmentPath << "records on while the next segment starts";
    disconnect(process, nullptr, this, nullptr);
    handoff = new DrainingSegment(process, piped ? std::move(framePipe) : nullptr, currentSegmentPath, recordedMs,
                                  segmentTimer, this);
    connect(handoff, &DrainingSegment::ended, this, &Recorder::onDrainingSegmentEnded);
    // Sound alone goes to the next encoder at once: the one before ends at the end of its pipes.
    handoff->setEndsWithItsInput(audioOnly);
    finishedSegmentsMs += recordedMs;
    process = makeEncoderProcess();
    framePipe = std::make_unique<FramePipe>();
    const int generation = ++handoffGeneration;

    splitLaunch = true;
    const bool launched = startSegment();
    splitLaunch = false;
    if (!launched) {
        // The error is reported; the segment before ends and the recording is joined.
        audioPipes.stop();
        completeSplit();
        endAfterFailedLaunch();
        return true;
    }
    if (piped) {
        // The encoder reads one frame while it opens its input, before it says it is ready.
        const QImage frame = currentSourceFrame();
        if (!frame.isNull())
            framePipe->write(frameComposer.compose(frame, false));
    }
    // An encoder that never says it reads still gets the frames after a while.
    QTimer::singleShot(5000, this, [this, generation] {
        if (handoff && generation == handoffGeneration) {
            qWarning() << "[Recorder] split: the next encoder did not report its inputs, switching anyway";
            completeSplit();
        }
    });
    return true;
}

void Recorder::completeSplit()
{
    if (!handoff)
        return;
    DrainingSegment *previous = std::exchange(handoff, nullptr);
    ++handoffGeneration;
    drainingSegments.append(previous);
    previous->finish();
    audioPipes.completeSplit();
    qInfo().noquote() << "[Recorder] split: the next segment takes over" << segmentTimer.elapsed()
                      << "ms after its launch";
}

void Recorder::cancelSplit()
{
    if (!handoff)
        return;
    if (audioOnly) {
        // The sound went to the next encoder at once: it is the running one already.
        completeSplit();
        return;
    }
    // The next encoder has not taken a frame yet: it goes, and the segment before stays
    // the running one.
    qInfo().noquote() << "[Recorder] split given up before it took effect:" << currentSegmentPath;
    ++handoffGeneration;
    disconnect(process, nullptr, this, nullptr);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(2000);
    }
    process->deleteLater();
    framePipe->abort();
    const QFileInfo unused(currentSegmentPath);
    if (unused.exists() && unused.size() == 0)
        QFile::remove(currentSegmentPath);
    audioPipes.cancelSplit();

    DrainingSegment *previous = std::exchange(handoff, nullptr);
    process = previous->takeProcess();
    process->setParent(this);
    connectEncoder(process);
    framePipe = previous->takePipe();
    if (!framePipe)
        framePipe = std::make_unique<FramePipe>();
    currentSegmentPath = previous->path();
    finishedSegmentsMs -= previous->recordedMs();
    segmentTimer = previous->clock();
    encoderOutput = previous->output();
    startWatchdog->stop();
    awaitingFirstMedia = false;
    outputMonitor.setAwaitingFirstMedia(false);
    delete previous;
}

void Recorder::onDrainingSegmentEnded(DrainingSegment *segment, bool keep)
{
    // An encoder before a split that ended before the next one took over (its only input,
    // the sound, went to the next one at once; or it failed): the next one takes over now.
    if (segment == handoff)
        completeSplit();
    drainingSegments.removeOne(segment);
    segment->deleteLater();
    const QString path = segment->path();
    if (keep) {
        keepSegmentFile(path);
    } else {
        finishedSegmentsMs -= segment->recordedMs();
        if (QFileInfo(path).size() > 0) {
            qWarning().noquote() << "[Recorder] segment unreadable after its split, kept outside the recording:" << path;
        } else {
            QFile::remove(path);
        }
    }
    if (finalizeWhenDrained && drainingSegments.isEmpty())
        finalizeSegments();
}

void Recorder::abandonDrainingSegments()
{
    cancelSplit();
    finalizeWhenDrained = false;
    for (DrainingSegment *segment : std::exchange(drainingSegments, {})) {
        disconnect(segment, nullptr, this, nullptr);
        delete segment; // kills its encoder
    }
}

void Recorder::keepSegmentFile(const QString &path)
{
    // Names carry the recording order; an encoder that a split ended may finish after
    // the one that took over.
    const QString name = QFileInfo(path).fileName();
    auto at = std::find_if(segmentFiles.begin(), segmentFiles.end(),
                           [&name](const QString &kept) { return QFileInfo(kept).fileName() > name; });
    segmentFiles.insert(at, path);
}
