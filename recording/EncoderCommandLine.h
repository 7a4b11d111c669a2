#pragma once

#include "platform/mac/DeviceInputArguments.h"
#include "platform/mac/DisplayGeometry.h"
#include "recording/CaptureBackend.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// Builds the argument list of the ffmpeg process that records one segment: its
// inputs (piped BGRA frames, the encoder's own screen or microphone input, the
// system-audio pipe), the filter graph, the mapping, the encoders and the
// container flags. A pure function of its inputs, so every case can be checked
// without a display or an encoder.
class EncoderCommandLine
{
public:
    // One display as the application sees it.
    using Screen = DisplayGeometry::Display;

    struct Inputs
    {
        bool audioOnly = false;
        bool micEnabled = false;
        QString micSource;            // PulseAudio source of the microphone; empty: the default
        QString micPipePath;          // not empty: the microphone arrives through this pipe
        CaptureBackend captureBackend = DesktopBackend;
        int desktopOutputIndex = 0;
        int fps = 30;
        int videoBitrate = 4000;      // kbps
        int keyframeInterval = 2;     // seconds
        QString frameRateMode = QStringLiteral("cfr");
        QString videoContainer = QStringLiteral("mp4");
        QString audioFormat = QStringLiteral("mp3");
        int audioBitrate = 192;       // kbps, audio only
        int systemVolume = 100;       // percent
        int micVolume = 100;          // percent
        bool micNoiseReduction = false;
        bool monoAudio = false;
        int micDelayMs = 0;
        QRect captureRect;            // global logical coordinates
        // The same area's device pixels, as the user chose them (at a scale above 1 they need
        // not be where captureRect's corners fall); empty: those of captureRect.
        QRect captureDeviceRect;
        QString outputPath;
        bool softwarePresetForced = false;
        QSize pipeFrameSize{-1, -1};
        QRect cropRect;               // valid: frames arrive already cut
        QSize outputSize{-1, -1};     // valid: the encoder scales to it
        QString currentSegmentPath;
        QString systemAudioPipePath;
        QString encoder = QStringLiteral("libx264");
        bool hasScreenCapture = false;       // a frame capture feeds the encoder's input
        bool hasSystemAudioCapture = false;  // a capture writes into systemAudioPipePath
        // The segment starts while the one before still records (a split): its piped
        // inputs begin with a primer that lets the encoder open them (one frame, one read
        // of silence) and that a segment with sound leaves out, so that it begins where the
        // one before ends.
        bool primedInputs = false;
        // Frame threads of a software encoder; 0 leaves the choice to it (one and a half per
        // core). Every frame thread holds a frame back.
        int encoderThreads = 0;

        QList<Screen> screens;
        int primaryScreen = 0;        // index into screens, -1 when there is none
        DeviceInputArguments::Form inputForm = DeviceInputArguments::platformForm();
        QString display = QStringLiteral(":0");
        bool shortestBufDuration = true;  // the local ffmpeg knows -shortest_buf_duration
    };

    static QStringList build(const Inputs &in);

    // The planar format an encoder takes its pictures in, by its options below: "nv12" or
    // "yuv420p".
    static QString planarPixelFormat(const QString &encoder);

    // The colour description of every recorded picture, as ffmpeg options: the screen's
    // RGB (sRGB primaries and transfer) turned into limited-range YCbCr with the BT.601
    // matrix, which both the frame pipe and ffmpeg's own conversion use. Written into the
    // file, it makes players that take untagged HD for BT.709 (Qt Multimedia among them)
    // show the colours of the screen. Given before an input instead, the options describe
    // a file that carries no description of its own and give way to one it carries.
    static QStringList colourDescription();
    // "-i" and `path` after colourDescription(): a video that is decoded and encoded again
    // keeps the description it carries, and one without gets that of a recording.
    static QStringList describedInput(const QString &path);

    // True when the video reaches the encoder as raw frames on its standard input.
    static bool isPipedVideo(const Inputs &in);

    // The device pixels the recording shows: captureDeviceRect, else captureRect's.
    static QRect deviceArea(const Inputs &in);

    // The part of the X screen the encoder crops from and a capture takes: the screen
    // desktopOutputIndex when it exists, else the primary one, widened to every
    // screen the area (device pixels) crosses when it reaches past the chosen one (all
    // displays are parts of the one root window, so an area over two is grabbed whole).
    // Empty when there is no screen.
    static std::optional<Screen> captureSurface(const QList<Screen> &screens, int chosen, int primary,
                                                const QRect &deviceArea);
    static std::optional<Screen> captureSurface(const Inputs &in);
};
