#include "recording/ChildProcessLifetime.h"

#include <QDir>
#include <QFile>
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
