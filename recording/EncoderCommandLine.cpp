#include "recording/EncoderCommandLine.h"

#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/MacSystemAudioCapture.h"
#include "recording/CaptureGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

QString num(qint64 v)
{
    return QString::number(v);
}

QString twoDecimals(int percent)
{
    return QString::number(percent / 100.0, 'f', 2);
}

// Frames the video encoder's first decoding time lies before its first picture (x264's
// B-frame pyramid); the sound's rate, and the AAC encoder's priming before its first sample.
constexpr int kSoundLeadFrames = 2;
constexpr int kSoundRate = 48000;
constexpr int kAacPrimingSamples = 1024;

// The crop chain of an encoder that receives the whole screen, or an empty string.
QString cropChain(const EncoderCommandLine::Inputs &in, const QString &label)
{
    const QRect area = EncoderCommandLine::deviceArea(in);
    if (in.cropRect.isValid() || in.captureBackend == FramesBackend || !area.isValid())
        return {};
    const std::optional<EncoderCommandLine::Screen> screen = EncoderCommandLine::captureSurface(in);
    if (!screen)
        return {};
    // In device pixels: an area across displays keeps each display's part of it. The cut
    // starts at the area's own first pixel, odd or not (the grabbed pictures are RGB), as
    // the frame path's and a screenshot's do; only its sides are made even.
    const QRect g = screen->nativeGeometry;
    const bool scaledPipe = in.hasScreenCapture && in.pipeFrameSize.width() >= 0 && in.pipeFrameSize.height() >= 0;
    const QRect crop = CaptureGeometry::screenCropRect(area, g,
                                                       scaledPipe ? in.pipeFrameSize : g.size());
    if (!crop.isValid())
        return {};
    return QStringLiteral("%1crop=%2:%3:%4:%5[vcrop]")
        .arg(label)
        .arg(crop.width())
        .arg(crop.height())
        .arg(crop.x())
        .arg(crop.y());
}

// A named pipe of 32-bit float stereo samples at 48000 Hz, read as soon as it delivers.
QStringList sampleInput(const QString &path)
{
    return {QStringLiteral("-thread_queue_size"), QStringLiteral("2048"), QStringLiteral("-analyzeduration"),
            QStringLiteral("0"), QStringLiteral("-probesize"), QStringLiteral("32"), QStringLiteral("-f"),
            QStringLiteral("f32le"), QStringLiteral("-ar"), QStringLiteral("48000"), QStringLiteral("-ac"),
            QStringLiteral("2"), QStringLiteral("-i"), path};
}

QStringList microphoneInput(const EncoderCommandLine::Inputs &in)
{
    if (!in.micPipePath.isEmpty())
        return sampleInput(in.micPipePath);
    QStringList args;
    if (!in.audioOnly)
        args << QStringLiteral("-thread_queue_size") << QStringLiteral("2048");
    return args << DeviceInputArguments::microphone(in.inputForm, in.micSource);
}

QStringList videoEncoderOptions(const QString &encoder, const EncoderCommandLine::Inputs &in)
{
    const QString bitrate = QStringLiteral("%1k").arg(in.videoBitrate);
    auto has = [&](const char *part) { return encoder.contains(QLatin1String(part), Qt::CaseInsensitive); };
    if (has("libx264") || has("libx265")) {
        QStringList opts{QStringLiteral("-preset"),
                         in.softwarePresetForced ? QStringLiteral("ultrafast") : QStringLiteral("veryfast"),
                         QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-b:v"), bitrate};
        if (has("libx264")) {
            // x264's look-ahead thread keeps a queue of its own (four frames at this preset):
            // without it the stream is bit for bit the same, for 15-30 MB less memory and
            // 130 ms less held in the encoder when it is killed. A look-ahead of three frames
            // instead of ten holds 230 ms less for the same picture (PSNR within 0.01 dB).
            opts << QStringLiteral("-profile:v") << QStringLiteral("high") << QStringLiteral("-x264-params")
                 << QStringLiteral("sync-lookahead=0:rc-lookahead=3");
        }
        return opts;
    }
    if (has("nvenc"))
        return {QStringLiteral("-preset"), QStringLiteral("p4"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                QStringLiteral("-b:v"), bitrate};
    if (has("qsv"))
        return {QStringLiteral("-preset"), QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"), QStringLiteral("nv12"),
                QStringLiteral("-b:v"), bitrate};
    if (has("amf"))
        return {QStringLiteral("-quality"), QStringLiteral("balanced"), QStringLiteral("-pix_fmt"), QStringLiteral("nv12"),
                QStringLiteral("-b:v"), bitrate};
    if (has("_mf"))
        return {QStringLiteral("-hw_encoding"), QStringLiteral("1"), QStringLiteral("-rate_control"), QStringLiteral("cbr"),
                QStringLiteral("-scenario"), QStringLiteral("display_remoting"), QStringLiteral("-pix_fmt"),
                QStringLiteral("nv12"), QStringLiteral("-b:v"), bitrate};
    if (has("videotoolbox"))
        return {QStringLiteral("-pix_fmt"), QStringLiteral("nv12"), QStringLiteral("-b:v"), bitrate};
    return {QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-b:v"), bitrate};
}

} // namespace

QString EncoderCommandLine::planarPixelFormat(const QString &encoder)
{
    const QStringList options = videoEncoderOptions(encoder, Inputs());
    return options.value(options.indexOf(QStringLiteral("-pix_fmt")) + 1, QStringLiteral("yuv420p"));
}

QStringList EncoderCommandLine::colourDescription()
{
    return {QStringLiteral("-colorspace"), QStringLiteral("smpte170m"),    QStringLiteral("-color_primaries"),
            QStringLiteral("bt709"),       QStringLiteral("-color_trc"),   QStringLiteral("iec61966-2-1"),
            QStringLiteral("-color_range"), QStringLiteral("tv")};
}

QStringList EncoderCommandLine::describedInput(const QString &path)
{
    return colourDescription() << QStringLiteral("-i") << path;
}

bool EncoderCommandLine::isPipedVideo(const Inputs &in)
{
    return !in.audioOnly && (in.hasScreenCapture || in.captureBackend == FramesBackend);
}

std::optional<EncoderCommandLine::Screen> EncoderCommandLine::captureSurface(const QList<Screen> &screens,
                                                                            int chosen, int primary,
                                                                            const QRect &deviceArea)
{
    const int index = chosen >= 0 && chosen < screens.size() ? chosen : primary;
    if (index < 0 || index >= screens.size())
        return std::nullopt;
    Screen surface = screens.at(index);
    if (!deviceArea.isValid() || surface.nativeGeometry.contains(deviceArea))
        return surface;
    for (const Screen &screen : screens) {
        if (screen.nativeGeometry.intersects(deviceArea)) {
            surface.geometry |= screen.geometry;
            surface.nativeGeometry |= screen.nativeGeometry;
        }
    }
    return surface;
}

std::optional<EncoderCommandLine::Screen> EncoderCommandLine::captureSurface(const Inputs &in)
{
    return captureSurface(in.screens, in.desktopOutputIndex, in.primaryScreen, deviceArea(in));
}

QRect EncoderCommandLine::deviceArea(const Inputs &in)
{
    if (in.captureDeviceRect.isValid())
        return in.captureDeviceRect;
    return in.captureRect.isValid() ? DisplayGeometry::toDevice(in.screens, in.captureRect) : QRect();
}

QStringList EncoderCommandLine::build(const Inputs &in)
{
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-y")};
    const bool piped = isPipedVideo(in);
    const bool hasVideo = !in.audioOnly;
    const bool hasSystemAudio = in.hasSystemAudioCapture && !in.systemAudioPipePath.isEmpty();

    // Inputs. The video input, when there is one, is always input 0.
    int nextInput = 0;
    int micInput = -1;
    int systemInput = -1;
    if (in.audioOnly && in.micEnabled) {
        args << microphoneInput(in);
        micInput = nextInput++;
    }
    if (hasVideo) {
        if (piped) {
            // A NUT stream of raw frames, each stamped with the wall-clock time it was taken
            // (FramePipe): the stream's header names the size and format, and nothing needs
            // to be probed before the first frame is read.
            args << QStringLiteral("-thread_queue_size") << QStringLiteral("32") << QStringLiteral("-probesize")
                 << QStringLiteral("32") << QStringLiteral("-analyzeduration") << QStringLiteral("0")
                 << QStringLiteral("-f") << QStringLiteral("nut") << QStringLiteral("-i") << QStringLiteral("pipe:0");
        } else {
            const std::optional<Screen> screen = captureSurface(in);
            args << DeviceInputArguments::screen(in.inputForm, in.desktopOutputIndex, in.fps,
                                                 screen ? screen->nativeGeometry : QRect(), in.display);
        }
        nextInput++;
        if (in.micEnabled) {
            args << microphoneInput(in);
            micInput = nextInput++;
        }
    }
    if (hasSystemAudio) {
        args << sampleInput(in.systemAudioPipePath);
        systemInput = nextInput++;
    }

    // Filter graph: crop, scale, system audio, microphone, mix.
    QStringList chains;
    QString videoMap = QStringLiteral("0:v:0");
    if (hasVideo) {
        QString label = QStringLiteral("[0:v]");
        // With sound the primer frame goes, so that picture and sound start together. Without,
        // it stays: the encoder starts up on it before the hand-over, and frames that came
        // while it started up would be read in a burst.
        if (piped && in.primedInputs && (systemInput >= 0 || micInput >= 0)) {
            chains << QStringLiteral("[0:v]trim=start_frame=1,setpts=PTS-STARTPTS[vnext]");
            label = QStringLiteral("[vnext]");
            videoMap = label;
        }
        const QString crop = cropChain(in, label);
        if (!crop.isEmpty()) {
            chains << crop;
            label = QStringLiteral("[vcrop]");
            videoMap = label;
        }
        if (in.outputSize.isValid()) {
            chains << QStringLiteral("%1scale=%2:%3:flags=fast_bilinear[vout]")
                          .arg(label)
                          .arg(in.outputSize.width())
                          .arg(in.outputSize.height());
            videoMap = QStringLiteral("[vout]");
        }
    }
    // A sound pipe keeps time by its sample count: its capture starts it with the sound of
    // the instant the segment's first picture was taken and keeps it on the clock (after a
    // split's primer, from the hand-over, as the pictures). Beside our frames a pipe opens
    // with the primer's silence (the encoder reads it before the first picture's time is
    // known), which is left out again. The encoder's own microphone input follows its
    // wall-clock stamps, gaps filled.
    const bool primedPipes = hasVideo && (in.primedInputs || piped);
    const QString primerTrim = QStringLiteral("atrim=start_sample=%1,asetpts=PTS-STARTPTS,")
                                   .arg(MacSystemAudioCapture::PrimerFrames);
    QStringList audioLabels;
    if (systemInput >= 0) {
        QString chain = QStringLiteral("volume=%1").arg(twoDecimals(in.systemVolume));
        if (primedPipes)
            chain.prepend(primerTrim);
        if (in.monoAudio)
            chain += QStringLiteral(",aformat=channel_layouts=mono");
        chains << QStringLiteral("[%1:a]%2[asys]").arg(systemInput).arg(chain);
        audioLabels << QStringLiteral("[asys]");
    }
    if (micInput >= 0) {
        QString chain = QStringLiteral("volume=%1").arg(twoDecimals(in.micVolume));
        if (in.micPipePath.isEmpty())
            chain.prepend(QStringLiteral("aresample=async=1000:first_pts=0,"));
        else if (primedPipes)
            chain.prepend(primerTrim);
        if (in.micNoiseReduction)
            chain += QStringLiteral(",afftdn=nf=-25");
        if (in.micDelayMs >= 1)
            chain += QStringLiteral(",adelay=delays=%1:all=1").arg(in.micDelayMs);
        if (in.monoAudio)
            chain += QStringLiteral(",aformat=channel_layouts=mono");
        chains << QStringLiteral("[%1:a]%2[amic]").arg(micInput).arg(chain);
        audioLabels << QStringLiteral("[amic]");
    }
    QString mixed;
    if (audioLabels.size() == 2) {
        mixed = QStringLiteral("%1amix=inputs=2:duration=longest:dropout_transition=0:normalize=0")
                    .arg(audioLabels.join(QString()));
    } else if (audioLabels.size() == 1) {
        mixed = QStringLiteral("%1anull").arg(audioLabels.first());
    }
    if (!mixed.isEmpty()) {
        // The muxer moves every stream by the video encoder's delay (the B-frames' two frames
        // at 30 fps: 67 ms), the sound's first packet (the AAC encoder's 1024 samples of
        // priming) only by less: MP4 segments start that packet at 0 and the next one 45 ms
        // later. With silence before its first sample, at times before the first picture, the
        // sound's first packet lies as early as the first picture's decoding: the packets
        // follow each other from 0 and every sample keeps its time.
        if (hasVideo) {
            const int lead = kSoundLeadFrames * kSoundRate / std::max(1, in.fps) - kAacPrimingSamples;
            if (lead > 0)
                mixed += QStringLiteral(",adelay=delays=%1S:all=1,asetpts=PTS-%1/SR/TB").arg(lead);
        }
        chains << mixed + QStringLiteral("[aout]");
    }
    if (!chains.isEmpty())
        args << QStringLiteral("-filter_complex") << chains.join(QLatin1Char(';'));

    const bool hasAudio = !audioLabels.isEmpty();
    const QString output = in.currentSegmentPath.isEmpty() ? in.outputPath : in.currentSegmentPath;

    if (in.audioOnly) {
        if (hasAudio)
            args << QStringLiteral("-map") << QStringLiteral("[aout]");
        args << QStringLiteral("-vn");
        const QString bitrate = QStringLiteral("%1k").arg(in.audioBitrate);
        if (in.audioFormat == QLatin1String("wav"))
            args << QStringLiteral("-c:a") << QStringLiteral("pcm_s16le");
        else if (in.audioFormat == QLatin1String("flac"))
            args << QStringLiteral("-c:a") << QStringLiteral("flac");
        else if (in.audioFormat == QLatin1String("m4a"))
            args << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-b:a") << bitrate;
        else
            args << QStringLiteral("-c:a") << QStringLiteral("libmp3lame") << QStringLiteral("-b:a") << bitrate;
        if (!in.currentSegmentPath.isEmpty()) {
            // Written as it is recorded, so that a program killed with its encoder keeps
            // all but its last quarter second and the frames still inside the encoder.
            if (in.audioFormat == QLatin1String("m4a"))
                args << QStringLiteral("-movflags") << QStringLiteral("+frag_keyframe+empty_moov+default_base_moof")
                     << QStringLiteral("-frag_duration") << QStringLiteral("250000");
            args << QStringLiteral("-flush_packets") << QStringLiteral("1");
        }
        args << output;
        return args;
    }

    args << QStringLiteral("-map") << videoMap;
    if (hasAudio)
        args << QStringLiteral("-map") << QStringLiteral("[aout]");
    args << QStringLiteral("-c:v") << in.encoder << videoEncoderOptions(in.encoder, in);
    if (in.encoderThreads > 0 && in.encoder.contains(QLatin1String("libx"), Qt::CaseInsensitive))
        args << QStringLiteral("-threads") << num(in.encoderThreads);

    args << QStringLiteral("-g") << num(std::max(1, in.fps * in.keyframeInterval));
    if (piped) {
        // The frames' own times placed on the file's frame grid; the stream names no rate.
        args << QStringLiteral("-r") << num(in.fps) << QStringLiteral("-fps_mode") << QStringLiteral("vfr");
    } else if (in.captureBackend == DesktopDuplicationBackend || in.captureBackend == DesktopDuplicationWithFallbackBackend) {
        args << QStringLiteral("-fps_mode") << QStringLiteral("vfr");
    } else {
        args << QStringLiteral("-r") << num(in.fps) << QStringLiteral("-fps_mode")
             << (in.frameRateMode == QLatin1String("vfr") ? QStringLiteral("vfr") : QStringLiteral("cfr"));
    }

    if (hasAudio) {
        args << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-b:a") << QStringLiteral("192k");
        if (piped) {
            args << QStringLiteral("-shortest");
            if (in.shortestBufDuration)
                args << QStringLiteral("-shortest_buf_duration") << QStringLiteral("1");
        }
    } else {
        args << QStringLiteral("-an");
    }

    args << colourDescription();

    // A segment reaches the disk in pieces of at most a tenth of a second whatever the key-frame
    // interval, so that a killed encoder loses only that and the frames still inside it.
    const bool segment = !in.currentSegmentPath.isEmpty();
    if (in.videoContainer == QLatin1String("mp4")) {
        args << QStringLiteral("-movflags")
             << (segment ? QStringLiteral("+frag_keyframe+empty_moov+default_base_moof") : QStringLiteral("+faststart"));
        if (segment)
            args << QStringLiteral("-frag_duration") << QStringLiteral("100000") << QStringLiteral("-flush_packets")
                 << QStringLiteral("1");
    } else if (segment) {
        args << QStringLiteral("-cluster_time_limit") << QStringLiteral("100") << QStringLiteral("-flush_packets")
             << QStringLiteral("1");
    }
    args << output;
    return args;
}
