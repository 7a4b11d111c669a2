#pragma once

#include <QString>
#include <QtGlobal>

// Writes every diagnostic message of the process into one log file per run
// ("Vistrelle_<start time>_pid<pid>.log" in the Logs folder of the application's local
// data location) and keeps the four newest logs of earlier runs. Installed once as the
// Qt message handler by main(); safe to use from any thread.
//
// The handler formats the line and queues it; a thread of its own writes the file and passes
// the message on to the handler installed before (the process's standard error), so a thread
// that logs never waits for the disk (see LogWriter: bounded queue, capped file with one
// previous part). What child processes print is bounded per interval (LogOutputBudget)
// before it reaches either output. A fatal message and the process's exit wait (a few
// seconds at most) for the queued lines to be written.
class FileLogger
{
public:
    // Opens the log file, installs the message handler and writes the header. Returns
    // the full path of the log file, or an empty string when it cannot be opened (the
    // process then logs to the toolkit's default output). A second call returns the
    // path of the file already open and does nothing else.
    static QString initialize();

    // Waits until the lines logged so far are written; false on timeout.
    static bool flush(int timeoutMs = 3000);
    // Writes the queued lines and ends the writer thread; messages after it are written on
    // the thread that logs them. Runs at the process's exit (initialize() registers it).
    static void shutdown();

    // The log folder (created on each call): <local data>/Logs, or
    // <Documents>/Vistrelle/Logs when the first cannot be created.
    static QString logDirectory();

    // Asks the desktop to open the log folder; false when that fails.
    static bool openLogDirectory();

    // One log line: "<time> [<level>] [T<thread>]< [file:line]> <text>\n".
    static QString formatLine(QtMsgType type, const QMessageLogContext &context,
                              const QString &message);

    // The five-character level label of a message type.
    static QString levelLabel(QtMsgType type);

private:
    FileLogger() = delete;
};

// The installed Qt message handler.
void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);
