#include "recording/ChildProcessLifetime.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

void endChildWithProgram(pid_t program, int signal)
{
    ::prctl(PR_SET_PDEATHSIG, signal);
    if (::getppid() != program)
        ::raise(signal); // the program died before the line above
}

void endChildrenOfProgram(int signal)
{
    const pid_t self = ::getpid();
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return;
    while (const dirent *entry = ::readdir(proc)) {
        char *end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0')
            continue;
        char path[64];
        std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
        const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        char stat[512];
        const ssize_t length = ::read(fd, stat, sizeof stat - 1);
        ::close(fd);
        if (length <= 0)
            continue;
        stat[length] = '\0';
        // "pid (name) state ppid ...": the name may hold blanks and parentheses.
        const char *close = std::strrchr(stat, ')');
        char state = 0;
        long parent = 0;
        if (close && std::sscanf(close + 1, " %c %ld", &state, &parent) == 2 && parent == self && state != 'Z')
            ::kill(pid_t(pid), signal);
    }
    ::closedir(proc);
}

QString childThreadWaits(qint64 pid)
{
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    QStringList waits;
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const auto read = [&](const char *name) {
            QFile file(tasks + QLatin1Char('/') + task + QLatin1Char('/') + QLatin1String(name));
            return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).trimmed() : QString();
        };
        waits << read("comm") + QLatin1Char(':') + read("wchan");
    }
    return waits.join(QLatin1Char(' '));
}

void makeChildEndWithProgram(QProcess &process, int signal)
{
    const pid_t program = ::getpid();
    process.setChildProcessModifier([program, signal] { endChildWithProgram(program, signal); });
}
