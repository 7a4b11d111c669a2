#pragma once

#include <QString>

#include <sys/types.h>

class QProcess;

// Child programs (ffmpeg) that end with this program however it ends, SIGKILL included: the
// kernel sends the child a signal when the thread that started it exits. Without it an ffmpeg
// child runs on after the program died, until its input or the disk runs out.

// For the child's set-up between fork and exec (QProcess::setChildProcessModifier): asks for
// `signal` when `program` (the parent's process id, read before the fork) dies, and raises it
// at once when the program already died before the request. Async-signal-safe.
void endChildWithProgram(pid_t program, int signal);

// Gives `process` a child set-up that does only that. SIGINT lets ffmpeg close its file;
// SIGKILL ends a job whose output nobody will use.
void makeChildEndWithProgram(QProcess &process, int signal);

// Sends `signal` to every running child process of this program, whoever started it. Uses
// system calls only (no Qt, no allocation by Qt): for a program at its very end.
void endChildrenOfProgram(int signal);

// What each thread of a running child waits in ("ffmpeg:pipe_read in0:pipe_read ..."), for
// the log when it has to be ended: names the cause of a program that hangs.
QString childThreadWaits(qint64 pid);
