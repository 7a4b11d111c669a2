// ChildRun: a child waited for in place ends by its deadline or its caller's word, what it
// writes stays bounded, and it never outlives the program.
#include "recording/BoundedOutput.h"
#include "recording/ChildProcessLifetime.h"
#include "recording/ChildRun.h"

#include <QScopeGuard>
#include <QtTest>

#include <cstdio>
#include <signal.h>

namespace {

// Alive, and still a `sleep` (a dead child nobody reaped yet counts as gone).
bool sleepAlive(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid)), stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != "sleep" || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray fields = stat.readAll();
    return fields.at(fields.lastIndexOf(')') + 2) != 'Z';
}

QDeadlineTimer ms(qint64 limit) { return QDeadlineTimer(limit); }

} // namespace

class TestChildRun : public QObject
{
    Q_OBJECT

private slots:
    void endsByDeadlineOrWord()
    {
        QElapsedTimer clock;
        clock.start();
        ChildRun sleeper(QProcess::SeparateChannels, nullptr, nullptr);
        QVERIFY(sleeper.start(QStringLiteral("sleep"), {QStringLiteral("30")}, QIODevice::ReadOnly, ms(5000)));
        QVERIFY(!sleeper.waitForEnd(ms(300)));
        QTimer::singleShot(100, this, [&sleeper] { sleeper.giveUp(); }); // an event ends the wait at once
        QCOMPARE(sleeper.waitHandlingEvents(ms(60000), {}, 60000), ChildRun::Wait::GivenUp);

        // The caller gives up long before the deadline; a child that ignores SIGTERM is killed.
        ChildRun stubborn(QProcess::SeparateChannels, nullptr, nullptr);
        QVERIFY(stubborn.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("trap '' TERM; while :; do sleep 0.1; done")},
                               QIODevice::ReadOnly, ms(5000)));
        int asked = 0;
        QVERIFY(!stubborn.waitForEnd(ms(60000), [&] { return ++asked < 3; }, 50));
        stubborn.stop(200);
        QVERIFY(!stubborn.isRunning() && stubborn.crashed());
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    }

    void outputStaysBounded()
    {
        // Megabytes on standard output, a line on standard error: the head and tail are kept.
        BoundedOutput out(100, 64), err;
        int reads = 0;
        ChildRun run(QProcess::SeparateChannels, &out, &err);
        run.setAfterOutput([&] { ++reads; });
        QVERIFY(run.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("head -c 3000000 /dev/zero; echo last; echo oops >&2; exit 3")},
                          QIODevice::ReadOnly, ms(10000)));
        QVERIFY(run.waitForEnd(ms(30000)));
        QCOMPARE(run.exitCode(), 3);
        QCOMPARE(out.head().size(), 100);
        QCOMPARE(out.total(), qint64(3000005));
        QVERIFY(out.tail().endsWith("last\n") && reads > 0);
        QCOMPARE(err.text(), QByteArray("oops\n"));
    }

    void childEndsWithTheProgram()
    {
        // A program holding a child through a run is killed outright: the child goes with it.
        QProcess holder;
        makeChildEndWithProgram(holder, SIGKILL);
        holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-child")});
        QVERIFY(holder.waitForReadyRead(20000));
        const qint64 pid = holder.readLine().trimmed().toLongLong();
        const auto cleanUp = qScopeGuard([pid] { if (sleepAlive(pid)) ::kill(pid_t(pid), SIGKILL); });
        QVERIFY(sleepAlive(pid));
        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QTRY_VERIFY_WITH_TIMEOUT(!sleepAlive(pid), 10000);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--hold-child") == 0) { // the program of childEndsWithTheProgram
        ChildRun run(QProcess::SeparateChannels, nullptr, nullptr);
        if (!run.start(QStringLiteral("sleep"), {QStringLiteral("300")}, QIODevice::ReadOnly, ms(10000)))
            return 2;
        std::printf("%lld\n", run.processId());
        std::fflush(stdout);
        run.waitForEnd(QDeadlineTimer(QDeadlineTimer::Forever));
        return 0;
    }
    TestChildRun test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_childrun.moc"
