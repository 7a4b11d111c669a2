#include "recording/SegmentEndDecision.h"

bool SegmentEndDecision::usable(const EncoderExit &exit)
{
    return exit.reason != SegmentEndReason::None && exit.abnormal() && exit.wasStopping && exit.holdsMedia;
}

SegmentEndDecision::Next SegmentEndDecision::decide(const Facts &f)
{
    const EncoderExit &exit = f.exit;
    if (f.reason == SegmentEndReason::Discard)
        return Next::Discard;
    const bool abnormal = exit.abnormal();
    const bool keep = !abnormal || usable(exit);
    const bool unasked = abnormal && f.reason == SegmentEndReason::None;
    const auto said = [&f](const char *text) { return f.encoderOutput.contains(QLatin1String(text)); };

    // A fallback is tried once per recording, and only before anything of it was kept.
    if (unasked && !f.audioOnly && !f.encoder.isEmpty() && !f.encoder.contains(QLatin1String("libx"))
        && (exit.timedOut || said("Error while opening encoder") || said("Could not open encoder before EOF"))
        && !f.hardwareFallbackDone && !f.segmentsKept && f.segmentMs >= 0 && (exit.timedOut || f.segmentMs < 12000)) {
        const bool fourK = f.nativeSize.width() >= 3000 && f.nativeSize.height() >= 2000 && f.fps >= 30;
        return fourK ? Next::RetryInSoftwareAsked : Next::RetryInSoftware;
    }
    if (unasked && f.duplicationCapture && !f.captureFallbackDone && !f.segmentsKept
        && (said("Parsed_ddagrab") || said("DXGI") || said("D3D11") || said("No such filter: 'ddagrab'"))
        && f.segmentMs >= 0 && f.segmentMs < 8000) {
        return Next::RetryWithScreenGrab;
    }

    // An encoder cut short by a full disk leaves a segment readable up to its last whole
    // fragment: that ends the recording, saved as after a stop. So does what was kept before.
    if (!keep && exit.reason != SegmentEndReason::Stop && f.saveDiskFull
        && (exit.holdsMedia || f.segmentsKept || f.segmentsDraining)) {
        return Next::SaveOnFullDisk;
    }
    if (!keep && f.saveDiskFull && !f.segmentsKept && !f.segmentsDraining && f.segmentFileHasBytes)
        return Next::NothingOnFullDisk;

    if (keep) {
        switch (f.reason) {
        case SegmentEndReason::Stop:
            return Next::Finalize;
        case SegmentEndReason::Restart:
            return Next::NextSegment;
        case SegmentEndReason::Pause:
            return Next::Paused;
        default:
            return Next::EndedByItself;
        }
    }
    if (f.reason == SegmentEndReason::Stop && f.segmentsKept)
        return Next::FinalizeWithoutLast;
    return Next::Fail;
}
