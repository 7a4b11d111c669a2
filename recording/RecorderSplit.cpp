// Splits without a gap: the Recorder's side of the segment chain's hand-over.
#include "recording/Recorder.h"

#include "recording/DrainingSegment.h"
#include "recording/FragmentedMp4.h"
#include "recording/SegmentChain.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

void Recorder::requestRestart()
{
    if (deferUntilLaunched([this] { requestRestart(); }))
        return;
    if (beginSplit())
        return;
    pendingReason = SegmentEndReason::Restart;
    stopCurrentSegment();
}

bool Recorder::beginSplit()
{
    if (!recordingActive || recordingPaused || resuming || chain->handingOver() || segmentStopping
        || awaitingFirstMedia || pendingReason != SegmentEndReason::None
        || chain->encoder()->state() != QProcess::Running)
        return false;
    const bool piped = isPipedVideo();
    if (piped && (!frameTimer || !chain->pipe()->isOpen()))
        return false;

    // The running encoder records on as the segment before; a new one starts at once.
    const qint64 recordedMs = segmentTimer.isValid() ? segmentTimer.elapsed() : 0;
    qInfo().noquote() << "[Recorder] split:" << currentSegmentPath << "records on while the next segment starts";
    // Sound alone goes to the next encoder at once: the one before ends at the end of its pipes.
    handedOver = {currentSegmentPath, segmentOriginNs()};
    chain->beginSplit(currentSegmentPath, recordedMs, segmentTimer, piped, audioOnly);
    finishedSegmentsMs += recordedMs;
    const int generation = ++handoffGeneration;

    startSegment([this, piped, generation](bool launched) {
        if (!launched) {
            // The error is reported; the segment before ends and the recording is joined.
            chain->audio().stop();
            completeSplit();
            endAfterFailedLaunch();
            return;
        }
        if (piped) {
            // The encoder reads one frame while it opens its input, before it says it is ready.
            const QImage frame = currentSourceFrame();
            if (!frame.isNull())
                chain->pipe()->writePrimer(frameComposer.compose(frame, false));
        }
        // An encoder that never says it reads still gets the frames after a while.
        QTimer::singleShot(5000, this, [this, generation] {
            if (chain->handingOver() && generation == handoffGeneration) {
                qWarning() << "[Recorder] split: the next encoder did not report its inputs, switching anyway";
                completeSplit();
            }
        });
    }, true);
    return true;
}

void Recorder::completeSplit(qint64 firstPictureNs)
{
    if (!chain->handingOver())
        return;
    ++handoffGeneration;
    chain->handOver(firstPictureNs);
    segmentTookOver = true;
    qInfo().noquote() << "[Recorder] split: the next segment takes over" << segmentTimer.elapsed()
                      << "ms after its launch";
}

void Recorder::cancelSplit()
{
    if (!chain->handingOver())
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
    handedOver = {};
    const QString unusedPath = currentSegmentPath;
    const SegmentChain::Resumed previous = chain->giveUpSplit();
    const QFileInfo unused(unusedPath);
    // Its header may be written already: that alone holds nothing recorded.
    if (unused.exists() && (unused.size() == 0 || FragmentedMp4::isHeaderOnly(unusedPath)))
        QFile::remove(unusedPath);
    currentSegmentPath = previous.path;
    finishedSegmentsMs -= previous.recordedMs;
    segmentTimer = previous.clock;
    encoderOutput = previous.output;
    startWatchdog->stop();
    awaitingFirstMedia = false;
    outputMonitor.setAwaitingFirstMedia(false);
}

void Recorder::onSegmentDrained(const QString &path, bool keep, qint64 recordedMs)
{
    if (!keep)
        finishedSegmentsMs -= recordedMs;
    if (keep && path == drainedCut.path)
        cutDrainedSegment();
    else if (path == drainedCut.path)
        drainedCut = {};
    if (finalizeWhenDrained && !chain->isDraining() && drainedCutsRunning == 0)
        finalizeSegments();
}


void Recorder::abandonDrainingSegments()
{
    cancelSplit();
    finalizeWhenDrained = false;
    drainedCut = {};
    chain->abandonDraining();
}
