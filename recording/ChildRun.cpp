#include "recording/ChildRun.h"

#include "recording/BoundedOutput.h"
#include "recording/ChildProcessLifetime.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <optional>

#include <signal.h>

ChildRun::ChildRun(QProcess::ProcessChannelMode channels, BoundedOutput *output, BoundedOutput *errors)
{
    m_process.setProcessChannelMode(channels);
    makeChildEndWithProgram(m_process, SIGKILL);
    readBounded(m_process, output, errors, [this] {
        if (m_afterOutput)
            m_afterOutput();
    });
}

ChildRun::~ChildRun()
{
    stop();
}

void ChildRun::setAfterOutput(std::function<void()> afterOutput)
{
    m_afterOutput = std::move(afterOutput);
}

bool ChildRun::start(const QString &program, const QStringList &arguments, QIODevice::OpenMode mode,
                     const QDeadlineTimer &deadline)
{
    m_process.start(program, arguments, mode);
    if (m_process.waitForStarted(deadline.isForever() ? -1 : int(std::max<qint64>(0, deadline.remainingTime()))))
        return true;
    stop();
    return false;
}

bool ChildRun::waitForEnd(const QDeadlineTimer &deadline, const std::function<bool()> &keepWaiting, int sliceMs)
{
    // Waited for in slices, so that a caller that gives up need not wait out the deadline.
    bool ended = !isRunning();
    while (!ended && (!keepWaiting || keepWaiting()) && !deadline.hasExpired()) {
        const qint64 slice =
            deadline.isForever() ? sliceMs : std::clamp<qint64>(deadline.remainingTime(), 1, sliceMs);
        ended = m_process.waitForFinished(int(slice)) || !isRunning();
    }
    return ended;
}

ChildRun::Wait ChildRun::waitHandlingEvents(const QDeadlineTimer &deadline,
                                            const std::function<bool()> &keepWaiting, int sliceMs)
{
    std::optional<Wait> why;
    QEventLoop loop;
    const auto wakeUp = [&](Wait reason) {
        if (!why)
            why = reason;
        loop.exit(1);
    };
    m_wakeUp = [&] { wakeUp(Wait::GivenUp); };
    QObject::connect(&m_process, &QProcess::finished, &loop, [&] { wakeUp(Wait::Ended); });
    QTimer tick;
    tick.setInterval(std::max(sliceMs, 10));
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (keepWaiting && !keepWaiting())
            wakeUp(Wait::GivenUp);
        else if (deadline.hasExpired())
            wakeUp(Wait::TimedOut);
    });
    tick.start();
    Wait result = Wait::Ended;
    while (isRunning() && !why) {
        // exec() returns at once without 1 when the application is leaving its event loop.
        if (loop.exec() != 1 && !why) {
            result = Wait::Quitting;
            break;
        }
    }
    m_wakeUp = nullptr;
    return why.value_or(result);
}

void ChildRun::giveUp()
{
    if (m_wakeUp)
        m_wakeUp();
}

void ChildRun::stop(int graceMs)
{
    if (!isRunning())
        return;
    if (graceMs > 0) {
        m_process.terminate();
        if (m_process.waitForFinished(graceMs))
            return;
    }
    m_process.kill();
    m_process.waitForFinished(m_killWaitMs);
}
