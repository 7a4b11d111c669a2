#pragma once
// Sound and picture together, measured on a recording of a known source: a player window
// shows, once a second, a white box for 100 ms while a 1 kHz beep (left channel; 3 kHz on
// the right; 100 ms on even seconds, 50 ms on odd ones) starts on the same sample; a bar crosses the window once a second and ten
// blocks count the seconds in binary, so that every recorded frame tells the player time it
// shows. From a recorded file this finds the segments (where the player time jumps against
// the file's time: a pause), and per segment the offset beep - flash (positive: sound
// late), the drift of that offset, the microphone against the system sound (the microphone
// fed only the right channel mixes 3 kHz into the left one), and the frame slots the file
// misses or fills twice. Shared by the end-to-end tests and bench/sync.

#include <QList>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>

#include <cmath>
#include <limits>

namespace avsync {

// Where the source is on the screen while recorded, and what it is made of.
struct Layout {
    QSize screen{1920, 1080};
    QRect window{560, 400, 800, 240};
    int sourceFps = 120;
};

// Writes the flash-and-beep source (H.264 and PCM in Matroska) lasting `seconds`. Blocks.
bool makeSource(const QString &path, int seconds, int fps, QString *error);

// The source played in a borderless window on top of the others at the layout's place,
// its sound to the default sink. Ends with the program that started it.
class Player
{
public:
    ~Player();
    bool start(const QString &source, const Layout &layout = Layout());
    // True once the window shows on the screen.
    bool waitShown(int timeoutMs);
    void stop();
    qint64 processId() const { return m_process.processId(); }
    // The player's X window, once waitShown() has seen it; 0 before.
    quint32 windowId() const { return m_windowId; }

private:
    QProcess m_process;
    quint32 m_windowId = 0;
};

// A direct capture of the player window and the sink's monitor by ffmpeg (x11grab and pulse,
// stamps kept), the reference a recording's offset is measured against: the player's own
// sound latency, which a busy machine changes, is in both. analyse() it with layout().
class ReferenceCapture
{
public:
    ~ReferenceCapture();
    bool start(const QString &file, const Layout &layout, int fps);
    // Ends the capture with its file written.
    bool stop();
    // The layout of the reference's file: the window alone.
    Layout layout() const;

private:
    QProcess m_process;
    Layout m_layout;
};

struct Analysis;

// The source shown by a player and captured directly beside a recording of it: the scene a
// sync check records, and the capture it compares the recording with.
class PlayedSource
{
public:
    // Makes a source of `seconds` (at the layout's rate) in `folder`, shows it and starts the
    // direct capture at `fps`.
    bool start(const QString &folder, int seconds, const Layout &layout, int fps, QString *error);
    // Ends the direct capture with its file written, then the player.
    bool stop();
    const Player &player() const { return m_player; }
    // The direct capture's file, analysed at `fps`; it holds the player's window alone.
    Analysis analyseDirect(int fps) const;
    Layout directLayout() const { return m_reference.layout(); }

private:
    Player m_player;
    ReferenceCapture m_reference;
    QString m_directFile;
};

struct Frame {
    double ts = 0;     // seconds in the file
    double player = 0; // player time it shows
    bool flash = false;
};

struct Beep {
    double ts = 0;     // seconds in the file
    double player = 0; // player time at which it is heard (from the frames around it)
    double offsetMs = 0; // against the nearest flash; positive: sound late
    int oddSecond = -1;  // 1: a short beep, of an odd second; 0: a long one; -1: not known
};

// Player-time span of one segment of the file.
struct Span {
    double playerStart = 0;
    double playerEnd = 0;
    double fileStart = 0;
    double fileEnd = 0;
};

struct Analysis {
    bool ok = false;
    QString error;
    double fileSeconds = 0;
    QList<Frame> frames;     // frames showing the player, in file order
    QList<Beep> system;      // 1 kHz onsets on the left channel
    QList<Beep> microphone;  // 3 kHz onsets on the left channel
    QList<Span> segments;
};

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

struct SegmentStats {
    int frames = 0;
    int repeated = 0;   // frames showing the same source picture as the one before
    int missing = 0;    // slots of the span that hold no new picture
    double longestGapMs = 0;
    double distinctPerSecond = 0;
    int beeps = 0;
    double offsetMs = kNone;      // median
    double firstOffsetMs = kNone;
    double minOffsetMs = kNone;
    double maxOffsetMs = kNone;
    double driftMsPerMinute = kNone; // slope over the span; NaN under 10 s
    int microphoneBeeps = 0;
    double microphoneMinusSystemMs = kNone; // median
    double microphoneDriftMsPerMinute = kNone;
};

// Decodes `file` (its picture cropped to the layout's window) and its sound. `fps` is the
// rate the file should hold. Runs an event loop until done.
Analysis analyse(const QString &file, int fps, const Layout &layout = Layout(), int timeoutMs = 600000);

// Figures over the player-time span [playerStart, playerEnd] (frames of one segment of
// this analysis, or of another file over the same moments).
SegmentStats stats(const Analysis &analysis, double playerStart, double playerEnd, int fps);

// One line of figures, for logs and the benchmark.
QString describe(const SegmentStats &s);

// A recording against a direct capture over the player-time span of one of its segments.
struct Against {
    SegmentStats ours;
    SegmentStats direct;
    double offsetMs = kNone; // sound minus picture, the recording's less the direct capture's
    int lacking = 0;         // frame slots missing or repeated beyond the direct capture's
    QString describe() const;
};
Against against(const Analysis &ours, const Analysis &direct, const Span &span, int fps);

// ---- pure parts, exposed for their own checks ----

// Player time shown by one frame of the window scaled to kCellsWide x kCellsHigh grey
// bytes; NaN when the frame does not show the player. `flash` tells the white box.
constexpr int kCellsWide = 400;
constexpr int kCellsHigh = 24;
double playerTimeOf(const unsigned char *cells, bool *flash);

// Onsets of a tone from its level every `hop` seconds over windows of `window` seconds: a
// rise through half the tone's steady level after 300 ms below it, and how long it stays up.
struct Onset {
    double at = 0;
    double seconds = 0; // 0 when it does not end
};
QList<Onset> onsets(const QList<float> &levels, double hop, double window);

// Segments of a recording: a new one wherever player time minus file time rises by more than
// `jumpSeconds` from one frame to the next, unless it comes back to the highest it had in the
// segment.
QList<Span> segmentsOf(const QList<Frame> &frames, double jumpSeconds = 0.5);

} // namespace avsync
