#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// The per-user lock that keeps Vistrelle to one running instance: the file
// "com.vistrelle.app.<uid>.lock" in the temporary folder, held from start-up until the
// process ends. A restart releases it before the new process starts.
class SingleInstanceLock
{
public:
    enum class Result {
        Acquired,       // this process is the one instance
        AlreadyRunning, // another live process holds the lock
        Unavailable,    // the lock cannot be made here (folder missing or unwritable): run without it
    };

    static QString lockPath();
    // Takes the lock, waiting at most timeoutMs. `error` describes an Unavailable result.
    Result acquire(int timeoutMs = 100, QString *error = nullptr);
    void release();
    bool isHeld() const;

    // The lock of this process (the one main() acquired), for a restart.
    static SingleInstanceLock *current();
    static void setCurrent(SingleInstanceLock *lock);

private:
    std::unique_ptr<QLockFile> m_lock;
};
