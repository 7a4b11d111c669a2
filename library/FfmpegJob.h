#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "recording/MediaProbe.h"

#include <functional>

// One ffmpeg (or other tool) run waited for on the GUI thread: a local event loop runs until
// the process ends, reading its output into a bounded log as it arrives, so the interface
// stays alive and the thread never blocks on the process. Every editing job of the media
// library runs through it. When the application quits while a run waits, the run is stopped
// at once and counts as cancelled.
struct FfmpegJobSettings
{
    QString program;
    QStringList arguments;
    bool mergeChannels = true;     // standard error into the log; else kept apart in errorLog
    int startTimeoutMs = 3000;
    int waitSliceMs = 100;         // how often cancelRequested and the time limit are looked at
    qint64 capMs = 0;              // the run is killed after this long (0: no limit)
    bool terminateOnCancel = true; // a cancel asks politely first (1.2 s), then kills
    // The file the job writes. When it does not exist yet and is one of the arguments, the tool
    // writes a hidden temporary file beside it instead (savingPathFor), which becomes the file
    // only once the run has succeeded; a failed, cancelled or abandoned run removes it. So no
    // partial file ever stands under a result's name, not even after the program was killed.
    QString outputPath;
    std::function<bool()> cancelRequested;       // polled every pass
    std::function<void(const QString &)> onLog;  // called after each pass that read output
    // The owner of the run (a window, an editor). When it is destroyed by an event processed
    // inside the loop, the run is abandoned: the process is killed and nothing of the owner is
    // touched again.
    QPointer<QObject> guard;
    // Run after a clean exit (code 0): the run fails when the output is missing or ffprobe
    // finds no stream in it (probed off the GUI thread). An output ffprobe cannot look at is
    // kept, and the result says why it was not checked.
    bool checkOutput = true;
};

struct FfmpegJobResult
{
    enum Outcome { Finished, NotStarted, Cancelled, TimedOut, Abandoned };
    Outcome outcome = NotStarted;
    int exitCode = -1;
    bool crashed = false;
    // The last kLogBytes of the merged output, or of standard output when the channels are apart.
    static constexpr qsizetype kLogBytes = 12000;
    QString log;
    QString errorLog; // the last kLogBytes of standard error when the channels are apart
    bool quitting = false;      // cancelled because the application quits
    bool outputUnusable = false; // exited 0, but its output is missing or holds no stream
    QString outputUnchecked;     // a kept output that ffprobe could not check: why (translated)
    // Where a successful run's output stands: the output path, or the next free name after it
    // when another file took that name while the job ran.
    QString savedPath;

    bool exitedCleanly() const { return outcome == Finished && !crashed && exitCode == 0; }
    bool succeeded() const { return exitedCleanly() && !outputUnusable; }
};

FfmpegJobResult runFfmpegJob(const FfmpegJobSettings &settings);

// The path itself when no file is there; else the first free "<base>_<n>.<suffix>" (n from 2
// to 9999) in the same folder, else one with the date and time after the base name.
QString uniqueOutputPath(const QString &wanted);

// A fresh hidden name beside `finalPath` for a job's output while it is written: a dot, the
// final complete base name, ".saving-" and six random characters, and the final suffix (so the
// tool picks the same format).
QString savingPathFor(const QString &finalPath);

// True for the names that savingPathFor gives.
bool isSavingFile(const QString &fileName);

// Removes the hidden files of saves that a run of the program left in `folder` when it was
// killed mid-save (the program runs as one instance, so they belong to no running job),
// once per folder in the life of the process; files this process is writing stay. Nothing
// but names that savingPathFor gives, and the hidden folders of watermark copies, is touched.
// Returns the removed paths.
QStringList removeAbandonedSaves(const QString &folder);

// True when the file exists, is not empty and ffprobe lists a stream in it. The probe runs on
// a pool thread; the calling thread keeps handling events meanwhile. A non-empty file counts
// as usable when the application quits before the probe ends.
bool outputIsUsable(const QString &path);
// The same question, with the answer that ffprobe could not look at the file told apart.
UsabilityCheck checkOutput(const QString &path);

// Runs `work` on a pool thread and handles events until it returns (the caller's thread never
// blocks on it). Returns false, without its result, when the application quits meanwhile;
// `work` then still finishes on its own, so it must own everything it touches.
bool runOffGuiThread(const std::function<void()> &work);

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
