#include "app/SingleInstanceLock.h"

#include <QDir>

#include <unistd.h>

namespace {
SingleInstanceLock *g_current = nullptr;
}

QString SingleInstanceLock::lockPath()
{
    const QString name = QStringLiteral("com.vistrelle.app.%1.lock").arg(getuid());
    // With a TMPDIR that does not exist the toolkit's temporary path is empty, which
    // would put the lock in the working folder or "/".
    const QString temp = QDir::tempPath();
    return temp.isEmpty() ? QString() : QDir(temp).filePath(name);
}

SingleInstanceLock::Result SingleInstanceLock::acquire(int timeoutMs, QString *error)
{
    const QString path = lockPath();
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("no temporary folder (TMPDIR=%1)").arg(qEnvironmentVariable("TMPDIR"));
        return Result::Unavailable;
    }
    m_lock = std::make_unique<QLockFile>(path);
    if (m_lock->tryLock(timeoutMs))
        return Result::Acquired;
    const QLockFile::LockError lockError = m_lock->error();
    m_lock.reset();
    if (lockError == QLockFile::LockFailedError)
        return Result::AlreadyRunning;
    if (error)
        *error = QStringLiteral("%1 cannot be created (%2)")
                     .arg(path, lockError == QLockFile::PermissionError ? QStringLiteral("permission denied")
                                                                       : QStringLiteral("unknown error"));
    return Result::Unavailable;
}

void SingleInstanceLock::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

bool SingleInstanceLock::isHeld() const
{
    return m_lock && m_lock->isLocked();
}

SingleInstanceLock *SingleInstanceLock::current()
{
    return g_current;
}

void SingleInstanceLock::setCurrent(SingleInstanceLock *lock)
{
    g_current = lock;
}
