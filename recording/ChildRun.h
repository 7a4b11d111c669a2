#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

class BoundedOutput;

// One run of a child program that its caller waits for in place (a probe, a query, a cut, a
// picture grab, an editing job): started and waited for within a deadline, given up when the
// caller says so, then ended (killed, or asked first) when it has not ended by itself; what it
// writes goes into bounded buffers as it arrives. The child ends with this program however
// that ends (SIGKILL: what it writes is of no use to anyone else), and a run that goes out of
// scope ends a child still running.
class ChildRun
{
public:
    // How a wait that handles events ended.
    enum class Wait { Ended, TimedOut, GivenUp, Quitting };

    // `output` takes standard output, and standard error too when the channels are merged;
    // `errors` takes standard error when they are apart. What goes to a null one is dropped.
    // Both must outlive the run.
    ChildRun(QProcess::ProcessChannelMode channels, BoundedOutput *output, BoundedOutput *errors);
    ~ChildRun();

    ChildRun(const ChildRun &) = delete;
    ChildRun &operator=(const ChildRun &) = delete;

    // How long an ended program is waited for after the kill (30 s unless set).
    void setKillWait(int ms) { m_killWaitMs = ms; }
    // Called after each read of standard output.
    void setAfterOutput(std::function<void()> afterOutput);

    // Starts the program and waits until it runs, at most until `deadline`. False when it did
    // not start (errorString(), failedToStart()); one still starting at the deadline is killed.
    bool start(const QString &program, const QStringList &arguments, QIODevice::OpenMode mode,
               const QDeadlineTimer &deadline);
    // Closes the program's standard input (a run opened for writing).
    void closeInput() { m_process.closeWriteChannel(); }

    // Blocks the calling thread until the program ends (true), or until `deadline` passes or
    // `keepWaiting`, asked every `sliceMs`, says no (false).
    bool waitForEnd(const QDeadlineTimer &deadline, const std::function<bool()> &keepWaiting = {},
                    int sliceMs = 100);
    // The same while the thread's events are handled, so that the GUI thread stays alive: ends
    // when the program does, at the deadline, when `keepWaiting` (asked every `sliceMs`) says
    // no or giveUp() is called from one of the events, and when the thread's event loop is
    // leaving (the application quits).
    Wait waitHandlingEvents(const QDeadlineTimer &deadline, const std::function<bool()> &keepWaiting,
                            int sliceMs);
    void giveUp();

    // Ends a program that still runs: asked to end first (SIGTERM) and given `graceMs` when
    // that is above 0, then killed and waited for.
    void stop(int graceMs = 0);

    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    bool failedToStart() const { return m_process.error() == QProcess::FailedToStart; }
    QString errorString() const { return m_process.errorString(); }
    int exitCode() const { return m_process.exitCode(); }
    bool crashed() const { return m_process.exitStatus() != QProcess::NormalExit; }
    bool exitedCleanly() const { return !crashed() && exitCode() == 0; }
    qint64 processId() const { return m_process.processId(); }

private:
    QProcess m_process;
    int m_killWaitMs = 30000;
    std::function<void()> m_afterOutput;
    std::function<void()> m_wakeUp; // ends the running waitHandlingEvents()
};
