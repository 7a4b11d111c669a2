#include "recording/ChildProcessLifetime.h"

#include <QProcess>

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

void endChildWithProgram(pid_t program, int signal)
{
    ::prctl(PR_SET_PDEATHSIG, signal);
    if (::getppid() != program)
        ::raise(signal); // the program died before the line above
}

void makeChildEndWithProgram(QProcess &process, int signal)
{
    const pid_t program = ::getpid();
    process.setChildProcessModifier([program, signal] { endChildWithProgram(program, signal); });
}
