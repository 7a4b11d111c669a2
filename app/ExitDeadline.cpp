#include "app/ExitDeadline.h"

#include "recording/ChildProcessLifetime.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include <unistd.h>

void ExitDeadline::arm(int limitMs, int exitCode)
{
    // Nothing but system calls on this thread: by the time it wakes, the application and the
    // log may be half torn down.
    std::thread([limitMs, exitCode] {
        std::this_thread::sleep_for(std::chrono::milliseconds(limitMs));
        char line[128];
        const int length = std::snprintf(line, sizeof line,
                                         "Vistrelle: the program's end took longer than %d ms; leaving now\n", limitMs);
        if (length > 0) {
            const ssize_t written = ::write(STDERR_FILENO, line, std::min(size_t(length), sizeof line - 1));
            (void)written;
        }
        endChildrenOfProgram(SIGINT);
        ::_exit(exitCode);
    }).detach();
}
