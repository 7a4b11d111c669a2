#pragma once

#include "platform/mac/NativeWindowHandle.h"
#include "recording/CaptureBackend.h"
#include "recording/EncoderCommandLine.h"
#include "recording/EncoderOutputMonitor.h"
#include "recording/FrameClock.h"
#include "recording/FrameComposer.h"
#include "recording/FramePipe.h"
#include "recording/ProgressWatch.h"
#include "recording/RecordingPolicy.h"
#include "recording/SegmentEndDecision.h"
#include "recording/SegmentAudioPipes.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <qwindowdefs.h>

#include <functional>
#include <memory>
#include <vector>

class SegmentChain;
class QTimer;
class RecordingFinalizer;
class WasapiLoopbackCapture;
class WasapiMicrophoneCapture;
class MacScreenCapture;
class MacSystemAudioCapture;
class WindowFrameSource;

// The recording engine. Lives on the GUI thread; the main window configures it
// through the setters before every recording (the setters only store: nothing
// acts on a running recording) and follows it through its signals. Every
// recording is a chain of ffmpeg processes, one per segment, that are joined into
// the output file at the end.
class Recorder : public QObject
{
    Q_OBJECT
public:
    // Where video frames come from (recording/CaptureBackend.h).
    using CaptureBackend = ::CaptureBackend;
    using enum ::CaptureBackend;

    // The answer to a 4K start without a working hardware encoder.
    enum FourKSoftwareAction : int {
        FourKReduceFrameRate = 0,   // keep 4K, drop to 15 frames per second
        FourKScaleTo1080p = 1,      // scale to fit 1920x1080 at 30
        FourKSoftware4K = 2,        // encode 4K on the processor at 30
        FourKCancel = 3,
    };
    Q_ENUM(FourKSoftwareAction)

    // Why the running segment is being ended (recording/SegmentEndDecision.h).
    using SegmentEndReason = ::SegmentEndReason;

    // Returns the annotation strokes for a capture rectangle (native pixels) at an
    // output frame size, or a null image when there is nothing to draw.
    using AnnotationFrameProvider = std::function<QImage(const QRect &, const QSize &)>;

    explicit Recorder(QObject *parent = nullptr);
    ~Recorder() override;

    // Configuration.
    // The area to record in global logical coordinates and, where the user chose it in
    // device pixels, those pixels (at a scale above 1 they need not be where the logical
    // corners fall). Without them the area's device pixels are the logical corners'.
    void setCaptureRect(const QRect &rect, const QRect &deviceRect = QRect());
    void setOutputPath(const QString &path);
    void setFps(int fps);
    void setVideoBitrate(int kbps);
    void setAnnotationFrameProvider(AnnotationFrameProvider provider);
    void setEncoder(const QString &encoder);
    void setVideoContainer(const QString &container);
    void setFrameRateMode(const QString &mode);
    void setKeyframeInterval(int seconds);
    void setCaptureBackend(CaptureBackend backend);
    void setCaptureWindow(const NativeWindowHandle &window);
    void setDesktopOutputIndex(int index);
    void setSystemAudioEnabled(bool enabled);
    void setMicEnabled(bool enabled);
    void setAudioOnly(bool audioOnly);
    void setAudioFormat(const QString &format);
    void setAudioBitrate(int kbps);
    void setSystemAudioDevice(const QString &device);
    void setMicAudioDevice(const QString &device);
    void setAudioDevice(const QString &device);
    void setAudioProcessing(int systemVolume, int micVolume, bool micNoiseReduction, bool mono, int micDelayMs);
    void setWebcamEnabled(bool enabled);
    void setWebcamSettings(const QString &deviceName, int resolution, int fps, int shape, int position, int size,
                           bool mirrored);
    void setEffectsTargetRect(const QRect &rect);
    void setMouseEffectsEnabled(bool enabled);
    void setMouseEffectStyle(const QColor &cursorColor, int size, int opacityPercent, bool clickAnimation,
                             const QColor &leftClickColor, const QColor &rightClickColor);
    void setWatermarkFilter(const QString &filter);
    void setAutoSplit(bool enabled, int mode, int minutes, int megabytes);
    void setAutoStop(bool enabled, int mode, int minutes, int megabytes);

    // State, as the main window reads it.
    bool isRecording() const { return recordingActive; }
    bool isPaused() const { return recordingPaused; }
    bool isPreparingStart() const { return preparing; }
    bool isFinalizing() const { return finalizing; }
    // What a start that has not recorded yet waits for, told to the user: the encoder tests
    // or the encoder's first media. Empty when it waits for nothing (or for the user).
    QString startWaitReason() const;
    // Wall time since the recording's first media, pauses included: the clock a stop
    // by duration goes by. 0 before the first media.
    qint64 runningMs() const { return recordingTimer.isValid() ? recordingTimer.elapsed() : 0; }
    // The length of the recording's file so far: the time its segments have taken in
    // media, without pauses and the gaps between segments.
    qint64 recordedMs() const { return heldMediaMs + (mediaClock.isValid() ? mediaClock.elapsed() : 0); }

    // The ffmpeg program: the one beside the application when present, else
    // "ffmpeg" from the search path (ToolLookup::ffmpeg).
    static QString ffmpegExecutable();

    // A free output file name in the save folder by the save/naming setting.
    // A name is free only when neither the file nor its parts folder nor an
    // intermediate file exists, so that what a failed recording kept is never reused. Returns an
    // empty string, with errorText set, when the save folder cannot be created.
    QString makeDefaultOutputPath(QString *errorText = nullptr) const;

    // The folder that holds the segments of a recording into outputPath.
    static QString partsFolderFor(const QString &outputPath);

    // What an earlier recording into outputPath left behind after a failed finish and a
    // new one would overwrite: its parts folder when not empty, or its intermediate
    // ".merging." or ".watermarking." file. Empty when there is nothing.
    QString leftoverOfEarlierRecording(const QString &outputPath) const;

    // Creates a folder with all its parents; on failure errorText gets a
    // translated message naming the folder.
    static bool createFolder(const QString &path, QString *errorText = nullptr);

    // Why a recording with system audio or the microphone on cannot start, and what the user
    // can do about it: the sound server cannot be reached. Empty when it can, or with both off.
    static QString soundServerRefusal(bool systemAudio, bool microphone, bool audioOnly);

    static QStringList listAudioDevices();
    static QString suggestedSystemAudioDevice();
    static QString suggestedMicrophoneDevice();

    // Encoder probing (thread-safe; see EncoderProbe).
    static bool encoderWorks(const QString &encoder);
    static bool encoderWorksAtSize(const QString &encoder, const QSize &size, int fps);
    static bool isVideoEncoderAvailable(const QString &encoder);
    static QString availableHardwareEncoder();
    QString resolvedEncoder() const;

    // The complete ffmpeg argument list of the segment about to start.
    QStringList buildArgs() const;

    // Starting: prepareStart() runs the encoder preflight while the countdown
    // runs, start() launches (or, after prepareStart, releases the held start).
    void prepareStart();
    void start();
    void cancelStartPreparation();
    void resolveFourKSoftwareEncoding(Recorder::FourKSoftwareAction action);

    // The user's commands on a running recording. `atNs`: the instant of the key or click that
    // gave the command (steady clock, InputEventTime), where the segment's picture and sound
    // end even when the command is taken up later; -1: now.
    bool pause(qint64 atNs = -1);
    void resume();
    // Ends a recording none of whose media has reached its file (a quit during a slow start):
    // nothing of it is kept and `stopped` comes without a path. False, doing nothing, once
    // any media may be in a file: that recording is stopped and saved as usual.
    bool abandonBeforeFirstMedia();
    void stop(qint64 atNs = -1);
    void discard();

    // Device switches during a recording: the running segment ends and the next one
    // records with the new value. While paused the value is only stored.
    void switchSystemAudioDuringRecording(bool on);
    void switchMicrophoneDuringRecording(bool on);
    void switchWebcamDuringRecording(bool on);

    // Cancels the watermark pass of a running finalisation; the recording is then
    // published without watermark.
    void cancelFinalization();

    qint64 currentSegmentBytes() const;
    qint64 totalRecordedBytes() const;

    // Device-pixel size of the desktop capture, (-1, -1) when there is none.
    QSize nativeDesktopCaptureSize() const;

    // Written by the main window right before a start.
    WId excludedWindowId = 0;
    std::function<QImage()> cameraFrameSource;

signals:
    // A segment is about to start its capture and encoder: what the screen shows from here on
    // may be in the recording.
    void segmentLaunching();
    void started();
    void stopped(const QString &outputPath);
    void paused();
    void resumed();
    void recordTick(int elapsedSeconds);
    void recordingStatsUpdated(qint64 recordedBytes, const QString &outputPath);
    void performanceUpdated(double fps, qint64 droppedFrames, const QString &encoder, int bitrateKbps,
                            bool hardwareEncoding);
    void frameRateAutomaticallyReduced(int previousFps, int currentFps, const QString &reason);
    void recordingPerformanceWarning(const QString &message);
    // The recorded window went away: the recording goes on with its last picture.
    void windowCaptureLost(const QString &message);
    // The recording goes on but lost something on the way (its sound server went away, its
    // folder was removed): what happened and how it goes on, told once per event.
    void recordingInterrupted(const QString &message);
    void fourKSoftwareEncodingDecisionRequired(int width, int height, int requestedFps);
    void finalizingChanged(bool active);
    void finalizingMessageChanged(const QString &message);
    void finalizationProgressChanged(int percent, int currentFile, int totalFiles, qint64 remainingSeconds,
                                     bool cancelable);
    void finalizationWarning(const QString &message);
    void errorOccurred(const QString &message);

protected:
    // Configuration.
    QRect captureRect;
    QRect captureDeviceRect; // what is cut from the screen
    QString outputPath;
    bool outputPathExplicit = false;
    int fps = 30;
    int videoBitrate = 4000;
    AnnotationFrameProvider annotationFrameProvider;
    QString requestedEncoder = QStringLiteral("libx264");
    QString videoContainer = QStringLiteral("mp4");
    QString frameRateMode = QStringLiteral("cfr");
    int keyframeInterval = 2;
    CaptureBackend captureBackend = DesktopBackend;
    NativeWindowHandle captureWindow;
    int desktopOutputIndex = 0;
    bool systemAudioEnabled = false;
    bool micEnabled = false;
    bool audioOnly = false;
    QString audioFormat = QStringLiteral("mp3");
    int audioBitrate = 192;
    QString systemAudioDevice;
    QString micAudioDevice;
    QString audioDevice;
    int systemVolume = 100;
    int micVolume = 100;
    bool micNoiseReduction = false;
    bool monoAudio = false;
    int micDelayMs = 0;
    bool webcamEnabled = false;
    QString webcamDeviceName;
    int webcamResolution = 0;
    int webcamFps = 30;
    int webcamShape = 1;
    int webcamPosition = 1;
    int webcamSize = 50;
    bool webcamMirrored = true;
    QRect effectsTargetRect;
    bool mouseEffectsEnabled = true;
    QColor cursorColor = QColor(QStringLiteral("#facd15"));
    int mouseSize = 40;
    int mouseOpacity = 60;
    bool clickAnimation = true;
    QColor leftClickColor = QColor(QStringLiteral("#ef3d3d"));
    QColor rightClickColor = QColor(QStringLiteral("#3478f6"));
    QString watermarkFilter;
    bool autoSplitEnabled = false;
    int autoSplitMode = 0;
    int autoSplitMinutes = 10;
    int autoSplitMegabytes = 500;
    bool autoStopEnabled = false;
    int autoStopMode = 0;
    int autoStopMinutes = 30;
    int autoStopMegabytes = 1000;

    // Run-time state.
    bool recordingActive = false;
    bool recordingPaused = false;
    bool finalizing = false;
    bool preparing = false;
    bool prepareOnly = false;
    bool prepared = false;
    int startGeneration = 0;
    bool awaitingFourKDecision = false;
    bool fourKDecisionMidRecording = false;
    bool softwarePresetForced = false;
    QString selectedEncoder;
    QSize outputSize{-1, -1};
    QSize captureStreamSize{-1, -1};
    QSize pipeFrameSize{-1, -1};
    QRect cropRect;
    QImage heldFrame;
    SegmentEndReason pendingReason = SegmentEndReason::None;
    bool segmentStopping = false;
    bool awaitingFirstMedia = false;
    bool startTimedOut = false;
    bool startedEmitted = false;
    bool resuming = false;
    bool resumePending = false;
    bool holdFrameUntilReady = false;
    bool hardwareFallbackDone = false;
    bool captureFallbackDone = false;
    bool segmentsDiffer = false;
    bool downgradePending = false;
    QString currentSegmentPath;
    QString encoderOutput;
    qint64 finishedSegmentsMs = 0;
    // recordedMs(): the media time of the segments before, and the clock of the running
    // one from its encoder's first read to the end of its frames and sound.
    qint64 heldMediaMs = 0;
    QElapsedTimer mediaClock;
    // A segment of our frames begins with its first picture, one of sound alone with the sound
    // of its launch, both before its encoder reported its streams and the clock began: that
    // lead is added to the clock once the instant is known.
    qint64 mediaClockStartNs = -1;
    bool mediaLeadPending = false;
    void settleMediaLead();
    // Time of the newest screen frame piped in this segment, and the frames repeated because
    // the screen capture delivered none for a while (slots the file lacks a picture for).
    qint64 lastScreenFrameUs = -1;
    qint64 repeatedScreenFrames = 0;
    QElapsedTimer recordingTimer;
    QElapsedTimer segmentTimer;

    // Owned helpers, children of the Recorder.
    // The segments: the parts folder and the kept files, the running encoder with its frame
    // and sound pipes, and the hand-over of a split.
    SegmentChain *chain = nullptr;
    WasapiLoopbackCapture *loopbackCapture = nullptr;
    WasapiMicrophoneCapture *microphoneCapture = nullptr;
    QTimer *policyTimer = nullptr;
    QTimer *startWatchdog = nullptr;

    // Per segment: present only while the segment's frame capture runs.
    MacScreenCapture *screenCapture = nullptr;
    // What the next segment records; empty names for the sources it goes without.
    SegmentAudioPipes::Wanted wantedAudio() const;
    // The message of a capture of `source` that could not start.
    QString audioCaptureError(SegmentAudioPipes::Source source, const QString &reason) const;

    // What the command line depends on: the members above, the screens, the
    // device-input form and what the local ffmpeg supports.
    EncoderCommandLine::Inputs commandLineInputs() const;

    // Start road.
    void onPreflightFinished(const QString &encoder, int generation, const QString &requested,
                             const QSize &native);
    void activatePreparedStart();
    void startPrepared();
    void reportError(const QString &message);
    // False when the start failed at once; true when its segment launches.
    bool launchFirstSegment(int generation);
    void abandonPreparedStart();
    // A stop or discard before the recording began ends the start; true when it did.
    bool endUnstartedRecording();
    // The running recording has put no media in any file yet: its first encoder is still
    // starting (ending it leaves nothing to save).
    bool nothingRecordedYet() const;
    // Ends such a recording: its encoder goes at once, and its end discards the segment.
    void endWithoutMedia();
    // Told just before the `stopped` of a recording ended with nothing recorded.
    QString nothingRecordedNotice;
    void abandonRetryWaitingForWindow();
    // The rest of the start once the window source (if any) is ready.
    bool launchPreparedSegment();
    void removeEmptyPartsFolder();

    // Segment chain.
    // A segment launches in steps that return to the event loop in between: a window's first
    // frame (before the launch proper), its screen capture's first frame, then its encoder's
    // start. `done` hears whether it runs (the error reported when not). The commands given
    // meanwhile are taken up after it; those given while a window's first frame is awaited
    // act at once (a stop, discard or cancel ends the wait).
    using LaunchDone = std::function<void(bool launched)>;
    struct SegmentLaunch
    {
        enum class Stage {
            None,
            WindowFrame,  // the window or webcam source waits for its first frame
            Setup,        // the segment's state, sound pipes and screen capture are set up
            ScreenFrame,  // the screen capture waits for its first frame
            Encoder,      // the encoder has been started and not yet answered
        };
        Stage stage = Stage::None;
        // The next segment of a split: the one before records on meanwhile.
        bool split = false;
        LaunchDone done;
        // Raised at the end of every launch and window wait: later answers of theirs go unheard.
        int generation = 0;
        // The window wait's answer, and what ends it when no frame comes.
        std::function<void(bool ready)> windowReady;
        QTimer *windowTimeout = nullptr;
        QMetaObject::Connection windowFrame;
        QMetaObject::Connection windowLost;
        QString windowLostReason;
        int windowCommands = 0; // commandGeneration when the wait began
        bool inFlight() const { return stage != Stage::None && stage != Stage::WindowFrame; }
    };
    SegmentLaunch launch;
    void startSegment(LaunchDone done, bool split = false);
    bool startScreenCapture();
    void launchSegmentEncoder();
    void onSegmentEncoderLaunched(bool launched);
    void endLaunch(bool launched);
    // True, keeping `command` for the end of the launch, while a launch is under way.
    bool deferUntilLaunched(std::function<void()> command);
    // The step of the launch that ends here took this long on the GUI thread.
    void noteLaunchStep();
    void announceSegmentEncoder();
    void logSegmentSettings();
    std::vector<std::function<void()>> commandsAfterLaunch;
    QElapsedTimer launchClock;
    QElapsedTimer launchStep;
    qint64 launchLongestStepMs = 0;
    QString launchPipeError;
    QMetaObject::Connection launchStarted;
    QMetaObject::Connection launchFailed;
    static constexpr int kEncoderLaunchMs = 10000;
    QString makeSegmentPath() const;
    // The folder and kept files of the recording's segments.
    QString partsFolder() const;
    const QStringList &segmentFiles() const;
    bool isPipedVideo() const;
    void markSegmentReady();
    void onStartWatchdogTimeout();
    void askEncoderToEnd();
    void holdMediaClock();
    void stopCurrentSegment();
    // The running segment ends at the user's key or click of `atNs`. One taken up more than
    // kLateCommandMs after it is cut there once its encoder has ended: what it recorded after
    // the command is left out (segmentCutMs, its time in the segment; -1: no cut).
    void noteCommandInstant(qint64 atNs);
    // The instant (steady clock, ns) of the running segment's time 0: its first picture, the
    // first sound of a recording of sound alone; -1 while it is not known.
    qint64 segmentOriginNs() const;
    static constexpr int kLateCommandMs = 60;
    qint64 segmentCutMs = -1;
    qint64 commandLateMs = 0;
    // A late command whose key came before the running segment took over from a split: the
    // segment before is cut at the key (once its encoder has written it out), and the running
    // one, all of it after the key, is left out when it ends (segmentCutMs 0).
    struct HandedOver {
        QString path;        // the segment before the split
        qint64 originNs = -1; // its time 0
    };
    HandedOver handedOver;
    struct DrainedCut {
        QString path;
        qint64 endMs = -1;
    };
    DrainedCut drainedCut;
    int drainedCutsRunning = 0;
    bool noteCommandBeforeTakeOver(qint64 atNs, qint64 lateMs);
    void cutDrainedSegment();
    // An encoder whose inputs are closed and that shows no progress (no output, its file not
    // growing) for this long is stuck: it is ended, and its segment kept as far as it plays.
    static constexpr int kStuckEncoderMs = 6000;
    // One that works on but has not ended this long after its inputs were closed is ended too.
    static constexpr int kEndingEncoderMs = 20000;
    // The ending encoder was killed for want of progress (it stopped responding): its file
    // may end before what was recorded. recordedMs() at the launch of the running segment;
    // where the recording's first gap begins once a segment is short by more than a second
    // (-1 otherwise) and what the short segments lack by their own probes. The saved file is
    // probed, and what it holds and lacks told with it.
    bool stalledEncoderKilled = false;
    qint64 segmentMediaStartMs = 0;
    qint64 stallGapAtMs = -1;
    qint64 stallMissingMs = 0;
    void tellStalledEncoder(const QString &path, qint64 fileMs);
    void concludeFinalization(const QString &path, qint64 fileMs);
    ProgressWatch *endingWatch = nullptr;
    void stopAudioCaptures();
    void resumeNextSegment();
    void launchResumedSegment();
    void launchNextSegment(LaunchDone done);
    void launchNextSegmentNow(LaunchDone done);
    void endAfterFailedLaunch();
    void relaunchAfterFallback();

    // Segment end handling.
    void onEncoderFinished(int exitCode, QProcess::ExitStatus exitStatus);
    // How a segment's encoder ended (recording/SegmentEndDecision.h).
    using EncoderExit = ::EncoderExit;
    // Carries out what SegmentEndDecision says comes after the ended segment.
    void concludeEncoderExit(const EncoderExit &ended);
    // A hardware encoder that failed at its start: the segment again with libx264, after the
    // user's answer at 4K (`askFirst`).
    void retryInSoftware(const QString &encoderTail, bool askFirst);
    // The pause segment has ended: paused, and a resume asked meanwhile follows.
    void enterPause();
    void endRecordingIdle();
    void finalizeWithoutLastSegment();
    void failAfterEncoderExit(const EncoderExit &ended, const QString &encoderTail);
    void noteStalledSegment(const EncoderExit &ended);
    // Cuts the ended segment at segmentCutMs (off the GUI thread), then concludes its end.
    void cutLateSegment(const EncoderExit &ended);
    // Cuts `segment` at `endMs` on a pool thread; `done` gets the error, empty when it was cut.
    void cutSegmentFile(const QString &segment, qint64 endMs, std::function<void(const QString &)> done);
    // The ended segment is removed instead of kept (it was recorded after a late command's key).
    bool leaveOutEndedSegment = false;
    // The file of an encoder that ended abnormally is being looked at (off the GUI thread).
    bool checkingEndedSegment = false;
    void onEncoderError(QProcess::ProcessError error);
    void finishSegment(bool keep);
    void finishDiscard();
    void discardFailedSegmentFile();
    QString lastEncoderErrorLine(int exitCode, QProcess::ExitStatus status) const;
    // Turns the kept segments into the output file once the last encoder has ended.
    void finalizeSegments();
    void onFinalizationStopped(const QString &path);

    // The half-second policy tick: statistics, auto-stop and auto-split.
    void checkRecordingPolicies();
    qint64 estimatedDisplayBytes(qint64 actualBytes) const;
    RecordingPolicy::Snapshot policySnapshot() const;
    void switchAudioSourceDuringRecording(bool &source, bool on);
    RecordingFinalizer *finalizer = nullptr;

    // Encoder output and the downgrades it may ask for.
    void onEncoderOutput();
    // A switch to a smaller capture size splits the recording: the segment before records on
    // until the next one takes over, and the running capture goes on, its frames scaled by the
    // encoders to this size (invalid: not scaled) until a segment starts a capture of its own.
    QSize switchedFrameSize{-1, -1};
    // The size of the running segment's pictures in its file.
    QSize encodedFrameSize() const { return switchedFrameSize.isValid() ? switchedFrameSize : pipeFrameSize; }
    // Tests have the performance watch find an overload this long into the recording's first
    // segment (VISTRELLE_TEST_OVERLOAD_AFTER_MS); -1: never.
    qint64 forcedOverloadMs = -1;
    void downgradeCaptureSize();
    void downgradeFrameRate(const QString &reason);

    // Frame path.
    // Starts the window or webcam source and calls `ready` once it has shown a usable first
    // frame, or failed (the error reported), or the wait was ended by a command.
    void prepareWindowCapture(std::function<void(bool ready)> ready);
    void endWindowWait();
    // A stop, discard or cancel ends the wait for a window's first frame at once; true when
    // one was under way.
    bool abandonWindowWait();
    void cleanupWindowCapture();
    void keepRecordingFrameSize();
    void configureFrameComposer();
    void connectWindowFrames();
    void deactivateWindowFrames();
    void onFrameTimerTick();
    // The newest picture of the frame source.
    QImage currentSourceFrame() const;
    // Composes a source frame taken at `stampUs` (FramePipe::write) and pipes it to the encoder;
    // `pastBacklog`: also when the encoder has more than two frames still to take.
    void writeWindowFrame(const QImage &frame, qint64 stampUs = -1, bool pastBacklog = false);
    // The segment's picture ends here: the frames its source took and the frame ticks have not
    // written yet (those the encoder had no room for) go in, so that it ends with its sound.
    void writeTakenFrames();
    // The encoder has more than two frames still to take: the next one would be dropped.
    bool frameBacklogFull() const;

    EncoderOutputMonitor outputMonitor;
    FrameComposer frameComposer;
    FrameClock frameClock;
    QTimer *frameTimer = nullptr;
    WindowFrameSource *windowCapture = nullptr;
    QImage windowImage;
    // The window's frames not yet written, each with the moment its grab began; the frame
    // timer writes them all, so that a late tick loses none (at most kWindowFramesKept).
    struct StampedWindowFrame
    {
        QImage image;
        qint64 stampUs = -1;
    };
    QList<StampedWindowFrame> windowFrames;
    static constexpr int kWindowFramesKept = 8;
    // Frame size of the first segment of a window or webcam recording.
    QSize recordingFrameSize{-1, -1};
    // Raised by every stop and discard, so that a wait for a window frame can tell
    // that the recording was ended meanwhile.
    int commandGeneration = 0;
    bool waitingForWindowFrame() const { return launch.stage == SegmentLaunch::Stage::WindowFrame; }
    // A pause asked while no segment ran, taken up before the next one launches.
    bool pauseBetweenSegments = false;

    // Splits without a gap (the hand-over itself is the chain's): the next segment's encoder
    // starts at once while the one before records on.
    // Ends the running segment and goes on in a new one (a split or a live switch).
    void requestRestart();
    bool beginSplit();
    // `firstPictureNs`: the steady-clock instant of the next segment's first picture, where
    // its sound starts (-1: from now on).
    void completeSplit(qint64 firstPictureNs = -1);
    void cancelSplit();
    void onSegmentDrained(const QString &path, bool keep, qint64 recordedMs);
    void abandonDrainingSegments();
    int handoffGeneration = 0;
    // The running segment took over from the one before a split: its frames and sound are
    // recorded, although its encoder may not have reported its first media yet.
    bool segmentTookOver = false;
    bool finalizeWhenDrained = false;

    // Below this much free space on the save disk a recording stops, so that its last
    // segment closes whole instead of being cut off by a full disk.
    qint64 lowSpaceStopBytes = 0;
    bool stopForLowSpace(const RecordingPolicy::Snapshot &snapshot);
    // The save disk filled up (the encoder says so, or less than the stop margin is left).
    bool saveDiskFull() const;
    // The save disk ended the recording: noted when it stops, told once it is saved (just
    // before `stopped`), naming the disk and the saved file or the kept segments.
    // A disk the encoder found full (or with less than a megabyte left) is told as full;
    // one stopped at the margin, as almost full.
    void noteSaveDiskStop();
    void tellSaveDiskStop(const QString &path);
    qint64 keptSegmentBytes() const;
    QString saveDiskStopRoot;
    QString saveDiskStopParts;
    bool saveDiskStopFull = false;

    // A capture lost its sound server: told once while it is away.
    void watchSoundServer();
    bool soundServerLossTold = false;
    bool micReplacementTold = false;
    // The recording's folder (or the save folder holding it) was removed while it recorded,
    // and the segments in it with it.
    bool partsFolderRemoved() const;
    // Makes the removed folders again, forgets the segments removed with them and tells the
    // user; false, with the reason in folderLossText, when they cannot be made again.
    bool remakeRemovedFolder();
    // Why a recording whose folder was removed had to stop: told when it has ended.
    QString folderLossText;
};
