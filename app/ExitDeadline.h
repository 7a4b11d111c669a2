#pragma once

// The end of a program that has left its event loop. What is left to do then (destructors,
// and the thread pools the application waits for at its end: a probe, a thumbnail, a file
// being read) must not keep a quitting program alive: once armed, the process is given
// `limitMs` to end by itself; after that its child processes are asked to end (SIGINT, on
// which an encoder still finishes its file) and the process leaves with `exitCode`. Its
// single-instance lock stays held to that moment; the lock file it leaves names a process
// that no longer runs, which the next start takes over.
namespace ExitDeadline {
void arm(int limitMs, int exitCode);
}
