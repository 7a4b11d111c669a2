#pragma once

#include <QString>
#include <QtGlobal>

// Writes every diagnostic message of the process into one log file per run
// ("Vistrelle_<start time>_pid<pid>.log" in the Logs folder of the application's local
// data location) and keeps the four newest logs of earlier runs. Installed once as the
// Qt message handler by main(); safe to use from any thread.
class FileLogger
{
public:
    // Opens the log file, installs the message handler and writes the header. Returns
    // the full path of the log file, or an empty string when it cannot be opened (the
    // process then logs to the toolkit's default output). A second call returns the
    // path of the file already open and does nothing else.
    static QString initialize();

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
