#pragma once
// The processes a test may look at and signal: those it started and those that descend from
// them. Other programs on the machine (another test's recording, a user's ffmpeg) are never
// found here, whatever their command lines say.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>

#include <sys/prctl.h>

namespace OwnProcesses {

// Makes the test the parent of whatever a program it started leaves behind when it ends
// (the kernel hands orphans to the nearest subreaper), so that they stay in its tree and a
// check that nothing is left still sees them. Call it before starting that program.
inline bool adoptOrphans()
{
    return ::prctl(PR_SET_CHILD_SUBREAPER, 1) == 0;
}

// The live processes below `root` (its children, their children, ...); zombies left.
inline QList<qint64> descendants(qint64 root = QCoreApplication::applicationPid())
{
    QHash<qint64, QList<qint64>> children;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks and parentheses.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 2 || fields.at(0) == "Z" || fields.at(0) == "X")
            continue;
        children[fields.at(1).toLongLong()].append(entry.toLongLong());
    }
    QList<qint64> found;
    QList<qint64> pending{root};
    while (!pending.isEmpty()) {
        const QList<qint64> below = children.value(pending.takeFirst());
        found += below;
        pending += below;
    }
    return found;
}

// The command line of a process, its arguments joined by blanks; empty when it is gone.
inline QString commandLine(qint64 pid)
{
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!cmdline.open(QIODevice::ReadOnly))
        return QString();
    QByteArray line = cmdline.readAll();
    line.replace('\0', ' ');
    return QString::fromLocal8Bit(line).trimmed();
}

// The test's own processes whose command line contains `needle`.
inline QList<qint64> mentioning(const QString &needle)
{
    QList<qint64> pids;
    for (qint64 pid : descendants())
        if (commandLine(pid).contains(needle))
            pids << pid;
    return pids;
}

// The test's own ffmpeg runs (the program or a script standing in for it) whose command line
// contains `needle`.
inline QList<qint64> encodersMentioning(const QString &needle)
{
    QList<qint64> pids;
    for (qint64 pid : descendants()) {
        const QString line = commandLine(pid);
        if ((line.startsWith(QLatin1String("ffmpeg")) || line.contains(QLatin1String("/ffmpeg")))
            && line.contains(needle))
            pids << pid;
    }
    return pids;
}

} // namespace OwnProcesses
