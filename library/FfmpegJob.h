#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

// One ffmpeg (or other tool) run waited for on the GUI thread: the loop waits a short slice
// for the process, reads its output into a bounded log and lets the event loop run, so the
// interface stays alive. Every editing job of the media library runs through it.
struct FfmpegJobSettings
{
    QString program;
    QStringList arguments;
    bool mergeChannels = true;     // standard error into the log; else kept apart in errorLog
    int startTimeoutMs = 3000;
    int waitSliceMs = 100;         // per pass: wait this long for the process
    int eventSliceMs = 30;         // per pass: process events for at most this long (0: no limit)
    qint64 capMs = 0;              // the run is killed after this long (0: no limit)
    bool terminateOnCancel = true; // a cancel asks politely first (1.2 s), then kills
    // The file the job writes. When it did not exist before, a failed, cancelled or abandoned
    // run removes what the tool left there, so that no partial file is ever listed.
    QString outputPath;
    std::function<bool()> cancelRequested;       // polled every pass
    std::function<void(const QString &)> onLog;  // called after each pass that read output
    // The owner of the run (a window, an editor). When it is destroyed by an event processed
    // inside the loop, the run is abandoned: the process is killed and nothing of the owner is
    // touched again.
    QPointer<QObject> guard;
};

struct FfmpegJobResult
{
    enum Outcome { Finished, NotStarted, Cancelled, TimedOut, Abandoned };
    Outcome outcome = NotStarted;
    int exitCode = -1;
    bool crashed = false;
    QString log;      // merged output, or standard output when the channels are apart
    QString errorLog; // standard error when the channels are apart

    bool succeeded() const { return outcome == Finished && !crashed && exitCode == 0; }
};

FfmpegJobResult runFfmpegJob(const FfmpegJobSettings &settings);

// Appends to a log that never holds more than 12000 characters: once it reaches 12001 it
// keeps its last 8000.
void appendBoundedLog(QString &log, const QString &text);

// The last `count` characters of a log (all of it when shorter).
QString logTail(const QString &log, int count);

// The line of a failed run's output that says why, for a message box: the encoder output's
// most specific error line (a system error first), but where that is only a generic closing
// line ("Conversion failed!", "Error initializing output stream ...") the line of the part
// of ffmpeg that gave up (an encoder, a muxer, a demuxer); else the last line that is not
// progress. "[libx264 @ 0x55...] text" reads "libx264: text". The banner and the stream
// lists stay in the diagnostic log, where runFfmpegJob writes every failed run's output.
QString ffmpegFailureCause(const QString &log);

// Every "time=h:m:s" stamp of an ffmpeg log as a percentage of `duration`, in log order,
// each truncated and clamped to 0..99. Empty when the duration is not above 0.
QList<int> progressPercents(const QString &log, double duration);
