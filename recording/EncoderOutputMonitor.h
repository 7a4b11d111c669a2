#pragma once

#include <QList>
#include <QString>

// Reads what a recording encoder prints (standard output and error merged) and turns
// it into the recorded-time tick, the first-media detection of a segment, performance
// figures and the overload detector. It owns the per-segment counters; the Recorder
// feeds it every chunk together with a snapshot of its own state and acts on the result.
class EncoderOutputMonitor
{
public:
    // What the Recorder knows about the running segment when a chunk arrives.
    struct Context {
        bool audioOnly = false;
        int targetFps = 30;
        bool recordingActive = false;
        bool recordingPaused = false;
        qint64 segmentAgeMs = -1;        // -1 while the segment clock is not running
        bool screenCaptureSegment = false; // frames come from our own screen capture
        int pipeFrameHeight = -1;
        QString encoder;                  // the encoder chosen for this recording
    };

    enum class Action {
        None,
        ResolutionDowngrade,
        FrameRateDowngrade,
        Warn60Fps,
        Warn30Fps,
    };

    struct Performance {
        bool valid = false;
        double fps = 0.0;
        qint64 droppedFrames = 0;
        bool hardwareEncoding = false;
        QString logLine;
    };

    struct Result {
        QList<int> ticks;       // recordTick values to emit, in order
        bool firstMedia = false; // the segment has shown its first encoded media
        Performance performance;
        Action action = Action::None;
        QString trimmedChunk;   // the chunk without surrounding blanks, for the log
    };

    // Called by the segment start: clears everything that belongs to one segment.
    void resetSegment();
    // Called by the start of a recording: clears the recording-wide counters as well.
    void resetRecording();

    Result feed(const QString& chunk, const Context& context);

    // The frame slots of the segment's file that no frame reached so far (however they were
    // lost: taken late, skipped on the way, dropped by the encoder); the dropped-frame
    // figure is at least this.
    void noteMissedFrames(qint64 total) { m_droppedFrames = qMax(m_droppedFrames, total); }

    const QString& output() const { return m_output; }
    qint64 droppedFrames() const { return m_droppedFrames; }
    int overloadStrikes() const { return m_overloadStrikes; }
    bool awaitingFirstMedia() const { return m_awaitingFirstMedia; }
    void setAwaitingFirstMedia(bool awaiting) { m_awaitingFirstMedia = awaiting; }
    bool downgradePending() const { return m_downgradePending; }
    // A posted downgrade that found nothing to do gives way to the next one.
    void setDowngradePending(bool pending) { m_downgradePending = pending; }
    int lastTickSeconds() const { return m_lastTickSeconds; }
    // When the encoder grabs the screen itself: the wall-clock time (microseconds) its first
    // picture was taken, which is the segment's time 0; -1 until its input is reported.
    qint64 screenGrabStartUs() const { return m_screenGrabStartUs; }

    // The start an encoder reports for its own screen grab (input 0, x11grab), which stamps
    // its pictures with the wall clock, in microseconds; -1 when `output` reports none.
    static qint64 screenGrabStartUs(const QString& output);

    static bool isHardwareEncoder(const QString& encoder);

    // The line of an encoder's output that best names why it failed, shortened to 300
    // characters; empty when no line reports a failure. A line that ends in a system
    // error text ("No space left on device", "Permission denied", ...) wins over the
    // error lines around it, and the closing "Conversion failed!" summary is taken only
    // when nothing more specific was printed.
    static QString mostSpecificErrorLine(const QString& output);

    // The last thing an encoder said in its own words, shortened to 300 characters: its last
    // line that is not progress and not its report of what it reads and writes (the indented
    // stream lists, "Input #", "Output #", "Stream mapping:", "Press [q]"). Empty when it said
    // nothing else.
    static QString lastStatementLine(const QString& output);

    // A line cut to `limit` characters in its middle, so that both its start and its end (the
    // cause ffmpeg names after a long path) stay: "start…end".
    static QString shortenedLine(const QString& line, int limit);

    // The log line of one microphone level report; levels as dBFS with one decimal,
    // -120.0 for a level of 0 or below.
    static QString microphoneLevelLine(const QString& mode, const QString& endpoint, quint64 frames, float peak,
                                       float rms, bool digitalSilence);

    // Lines kept in the log beyond this length are cut to the last kOutputKeep characters.
    static constexpr int kOutputLimit = 6000;
    static constexpr int kOutputKeep = 1000;

private:
    bool detectFirstMedia(bool audioOnly) const;
    // The encoder's speed as the overload detector judges it: ffmpeg's own figure
    // (`cumulative`) counts from the encoder's start, so a start slowed by a busy moment keeps
    // it below real time long after the encoder keeps up. The speed over the last few seconds
    // (the media time written against the segment's age) is taken where it is higher.
    double recentSpeed(double mediaSeconds, qint64 ageMs, double cumulative);
    Action runOverloadDetector(const Context& context, double fps, bool speedMatched,
                               double speed, bool dupMatched, qint64 dup);

    QString m_output;
    int m_lastTickSeconds = -1;
    qint64 m_screenGrabStartUs = -1;
    bool m_inputsReported = false;
    bool m_awaitingFirstMedia = true;
    qint64 m_droppedFrames = 0;
    qint64 m_dropBaseline = 0;
    qint64 m_duplicateBaseline = 0;
    int m_overloadStrikes = 0;
    bool m_downgradePending = false;
    bool m_performanceWarningGiven = false;
    struct ProgressSample {
        double mediaSeconds = 0;
        qint64 ageMs = 0;
    };
    QList<ProgressSample> m_progress; // the reports of the last few seconds
};
