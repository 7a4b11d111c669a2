// The end of a quitting program: once its deadline is armed, a process whose end hangs leaves
// within the limit with the code it was given, telling so on standard error, and the child
// processes it started end with it.

#include "app/ExitDeadline.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <cstdio>

#include <unistd.h>

namespace {

// Gone, or a zombie that nobody has collected yet.
bool ended(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
}

// The program under test: a child of its own, the deadline armed, then an end that never comes.
[[noreturn]] void hangAfterArming()
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::execlp("sleep", "sleep", "60", nullptr);
        ::_exit(127);
    }
    std::printf("%d\n", int(child));
    std::fflush(stdout);
    ExitDeadline::arm(500, 3);
    for (;;)
        ::pause();
}

} // namespace

class TestShellExit : public QObject
{
    Q_OBJECT

private slots:
    void hungEndLeavesInTime();
};

void TestShellExit::hungEndLeavesInTime()
{
    QProcess program;
    program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hang-after-arming")});
    QVERIFY(program.waitForStarted(5000));
    QVERIFY(program.waitForReadyRead(5000));
    const qint64 child = program.readLine().trimmed().toLongLong();
    QVERIFY(child > 0);
    QElapsedTimer clock;
    clock.start();
    QVERIFY2(program.waitForFinished(10000), "the program still runs 10 s after its deadline was armed");
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 3);
    QVERIFY(program.readAllStandardError().contains("took longer than 500 ms"));
    QTRY_VERIFY_WITH_TIMEOUT(ended(child), 5000);
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--hang-after-arming") == 0)
        hangAfterArming();
    QCoreApplication app(argc, argv);
    TestShellExit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell_exit.moc"
