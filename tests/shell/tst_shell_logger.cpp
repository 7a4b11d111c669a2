// The diagnostic file logger: file place and name, removal of old logs, header, line
// format, levels, the re-entry guard and whole lines under concurrent logging.
// Runs in a private HOME, so the user's own logs are never touched.

#include "app/FileLogger.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <latch>
#include <utime.h>

namespace {

QTemporaryDir *g_home = nullptr;
QMutex g_seenMutex;
QStringList g_seen; // what reached the handler installed before the logger
std::atomic<int> g_reentries{0};

void previousHandler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message == QLatin1String("ask for a nested message")) {
        ++g_reentries;
        qWarning("nested message from inside the handler");
    }
    QMutexLocker locker(&g_seenMutex);
    g_seen << message;
}

const QRegularExpression kLine(QStringLiteral(
    "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} \\[(DEBUG|INFO |WARN |ERROR|FATAL|LOG  )\\] "
    "\\[T([0-9a-f]+)\\]( \\[[^\\]/]+:\\d+\\])? (.*)$"));

QString logsFolder()
{
    return QDir(g_home->path()).filePath(QStringLiteral("data/Vistrelle/Vistrelle/Logs"));
}

void makeOldLog(const QString &name, int ageSeconds)
{
    const QString path = QDir(logsFolder()).filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("earlier run\n");
    file.close();
    const time_t when = time(nullptr) - ageSeconds;
    struct utimbuf times{when, when};
    QCOMPARE(utime(QFile::encodeName(path).constData(), &times), 0);
}

} // namespace

class TestFileLogger : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keepsFourNewestEarlierLogs();
    void writesHeaderAndFormattedLines();
    void filtersDebugAndPassesOthersOn();
    void namesTheSourceFileWhenKnown();
    void dropsMessagesRaisedInsideTheHandler();
    void keepsLinesWholeAcrossThreads();
    void secondInitializeChangesNothing();
    void fallsBackToDocuments();
    void writesDebugLinesWhenVerbose();
    void boundsAChildsFlood();
    void writesTheFatalLine();

private:
    QString readLog() const;
    static QString childLog(const QString &fatal, QProcess::ExitStatus expected);
    QString m_path;
};

QString TestFileLogger::readLog() const
{
    FileLogger::flush(); // lines reach the file from the logger's own thread
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void TestFileLogger::initTestCase()
{
    QSettings().setValue(QStringLiteral("diagnostics/verboseLogging"), false);
    QVERIFY(QDir().mkpath(logsFolder()));
    for (int i = 0; i < 6; ++i)
        makeOldLog(QStringLiteral("Vistrelle_2026010%1_120000_000_pid1%1.log").arg(i), 1000 * (i + 1));
    makeOldLog(QStringLiteral("notes.txt"), 99999);
    makeOldLog(QStringLiteral("Vistrelle_keep.txt"), 99999);

    qInstallMessageHandler(previousHandler);
    m_path = FileLogger::initialize();
    QVERIFY(!m_path.isEmpty());
}

void TestFileLogger::keepsFourNewestEarlierLogs()
{
    const QFileInfo info(m_path);
    QCOMPARE(info.absolutePath(), QFileInfo(logsFolder()).absoluteFilePath());
    QVERIFY2(QRegularExpression(QStringLiteral("^Vistrelle_\\d{8}_\\d{6}_\\d{3}_pid%1\\.log$")
                                    .arg(QCoreApplication::applicationPid()))
                 .match(info.fileName())
                 .hasMatch(),
             qPrintable(info.fileName()));

    QStringList left = QDir(logsFolder()).entryList(QDir::Files, QDir::Name);
    left.removeOne(info.fileName());
    QCOMPARE(left, QStringList({QStringLiteral("Vistrelle_20260100_120000_000_pid10.log"),
                                QStringLiteral("Vistrelle_20260101_120000_000_pid11.log"),
                                QStringLiteral("Vistrelle_20260102_120000_000_pid12.log"),
                                QStringLiteral("Vistrelle_20260103_120000_000_pid13.log"),
                                QStringLiteral("Vistrelle_keep.txt"), QStringLiteral("notes.txt")}));
}

void TestFileLogger::writesHeaderAndFormattedLines()
{
    const QStringList lines = readLog().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 5);
    QStringList texts;
    for (const QString &line : lines) {
        const auto match = kLine.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        texts << match.captured(4);
    }
    QCOMPARE(texts.at(0), QStringLiteral("========== Vistrelle diagnostic session =========="));
    QVERIFY(lines.at(0).contains(QLatin1String("[INFO ]")));
    QCOMPARE(texts.at(1), QStringLiteral("log_file= ") + m_path);
    QCOMPARE(texts.at(2), QStringLiteral("app_version= 7.0 qt_version= " QT_VERSION_STR));
    QVERIFY2(texts.at(3).startsWith(QStringLiteral("os= ") + QSysInfo::prettyProductName() + QStringLiteral(" kernel= ")
                                    + QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion()),
             qPrintable(texts.at(3)));
    QVERIFY(texts.at(3).endsWith(QStringLiteral(" cpu_arch= ") + QSysInfo::currentCpuArchitecture()));
    QVERIFY2(QRegularExpression(QStringLiteral("^screen\\[0\\] name=\\S* geometry=-?\\d+,-?\\d+ \\d+x\\d+ "
                                               "dpr=\\d+\\.\\d\\d refresh=\\d+\\.\\d\\d$"))
                 .match(texts.at(4))
                 .hasMatch(),
             qPrintable(texts.at(4)));
}

void TestFileLogger::filtersDebugAndPassesOthersOn()
{
    g_seen.clear();
    qDebug() << "a debug line";
    qInfo() << "an information line";
    qWarning() << "[Hotkey] a warning line";
    qCritical() << "a critical line";

    const QString log = readLog();
    QVERIFY(!log.contains(QLatin1String("a debug line")));
    QVERIFY(log.contains(QLatin1String("[INFO ] ")));
    QVERIFY(QRegularExpression(QStringLiteral("\\[INFO \\] \\[T[0-9a-f]+\\] an information line\\n")).match(log).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("\\[WARN \\] \\[T[0-9a-f]+\\] \\[Hotkey\\] a warning line\\n")).match(log).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("\\[ERROR\\] \\[T[0-9a-f]+\\] a critical line\\n")).match(log).hasMatch());
    QCOMPARE(g_seen, QStringList({QStringLiteral("an information line"), QStringLiteral("[Hotkey] a warning line"),
                                  QStringLiteral("a critical line")}));
    QCOMPARE(FileLogger::levelLabel(QtFatalMsg), QStringLiteral("FATAL"));
}

void TestFileLogger::namesTheSourceFileWhenKnown()
{
    QMessageLogger("/some/where/deep/Recorder.cpp", 42, "f").warning("with a place");
    QVERIFY(QRegularExpression(QStringLiteral("\\[WARN \\] \\[T[0-9a-f]+\\] \\[Recorder\\.cpp:42\\] with a place\\n"))
                .match(readLog())
                .hasMatch());
}

void TestFileLogger::dropsMessagesRaisedInsideTheHandler()
{
    g_reentries = 0;
    qWarning("ask for a nested message");
    QVERIFY(FileLogger::flush());
    QCOMPARE(g_reentries.load(), 1);
    const QString log = readLog();
    QVERIFY(log.contains(QLatin1String("ask for a nested message")));
    QVERIFY(!log.contains(QLatin1String("nested message from inside")));
}

void TestFileLogger::keepsLinesWholeAcrossThreads()
{
    const int threads = 8;
    const int perThread = 400;
    const QString filler(300, QLatin1Char('x'));
    // Every worker stays alive until all have logged, so that no two of them can
    // share a thread id (an ended thread's id may be given to the next one).
    std::latch allLogged(threads);
    QList<QThread *> workers;
    for (int t = 0; t < threads; ++t) {
        workers << QThread::create([t, perThread, filler, &allLogged] {
            for (int i = 0; i < perThread; ++i)
                qInfo().noquote() << QStringLiteral("worker %1 line %2 %3 end").arg(t).arg(i).arg(filler);
            allLogged.arrive_and_wait();
        });
    }
    for (QThread *w : workers)
        w->start();
    for (QThread *w : workers) {
        QVERIFY(w->wait(30000));
        delete w;
    }

    int counted = 0;
    QSet<QString> threadIds;
    const QRegularExpression workerText(QStringLiteral("^worker \\d+ line \\d+ x{300} end$"));
    for (const QString &line : readLog().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const auto match = kLine.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line.left(200)));
        if (match.captured(4).startsWith(QLatin1String("worker "))) {
            QVERIFY2(workerText.match(match.captured(4)).hasMatch(), qPrintable(line.left(200)));
            threadIds.insert(match.captured(2));
            ++counted;
        }
    }
    QCOMPARE(counted, threads * perThread);
    QCOMPARE(threadIds.size(), threads);
}

void TestFileLogger::secondInitializeChangesNothing()
{
    QCOMPARE(FileLogger::initialize(), m_path);
    QCOMPARE(readLog().count(QLatin1String("Vistrelle diagnostic session")), 1);
}

void TestFileLogger::fallsBackToDocuments()
{
    QCOMPARE(QFileInfo(FileLogger::logDirectory()).absoluteFilePath(), QFileInfo(logsFolder()).absoluteFilePath());

    // A local data location that cannot be created (a file stands in its way).
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    const QString blocker = QDir(g_home->path()).filePath(QStringLiteral("blocked"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_DATA_HOME", QFile::encodeName(blocker));
    const QString fallback = FileLogger::logDirectory();
    qputenv("XDG_DATA_HOME", saved);

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(fallback, QDir(documents).filePath(QStringLiteral("Vistrelle/Logs")));
    QVERIFY(QFileInfo(fallback).isDir());
}

// Runs this program again as the child below (runVerboseChild), in a home of its own, and
// returns the one log it wrote; empty when it did not end as `expected`.
QString TestFileLogger::childLog(const QString &fatal, QProcess::ExitStatus expected)
{
    QTemporaryDir childHome;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VISTRELLE_VERBOSE_CHILD_HOME"), childHome.path());
    if (!fatal.isEmpty())
        env.insert(QStringLiteral("VISTRELLE_FATAL_CHILD"), fatal);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!childHome.isValid() || !child.waitForFinished(30000) || child.exitStatus() != expected
        || (expected == QProcess::NormalExit && child.exitCode() != 0))
        return QString();

    const QDir logs(QDir(childHome.path()).filePath(QStringLiteral("data/Vistrelle/Vistrelle/Logs")));
    const QStringList files = logs.entryList({QStringLiteral("Vistrelle_*.log")}, QDir::Files);
    QFile file(files.size() == 1 ? logs.filePath(files.first()) : QString());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TestFileLogger::writesDebugLinesWhenVerbose()
{
    // The verbose flag is read once per process: a second run of this program does it.
    const QString log = childLog(QString(), QProcess::NormalExit);
    QVERIFY(QRegularExpression(QStringLiteral("\\[DEBUG\\] \\[T[0-9a-f]+\\] a verbose debug line\\n"))
                .match(log)
                .hasMatch());
    QVERIFY2(log.contains(QStringLiteral("a line logged during exit\n")), qPrintable(log.right(300)));
}

void TestFileLogger::boundsAChildsFlood()
{
    g_seen.clear();
    for (int i = 0; i < 5000; ++i)
        qInfo().noquote() << "[FFmpeg output] flood line" << i;
    const QString log = readLog();
    const qsizetype inFile = log.count(QLatin1String("[FFmpeg output] flood line"));
    QVERIFY2(inFile > 0 && inFile <= 100, qPrintable(QString::number(inFile)));
    // The standard error gets the same lines.
    QMutexLocker locker(&g_seenMutex);
    QCOMPARE(g_seen.size(), inFile);
}

void TestFileLogger::writesTheFatalLine()
{
    const QString log = childLog(QStringLiteral("the last words"), QProcess::CrashExit);
    QVERIFY2(QRegularExpression(QStringLiteral("\\[FATAL\\] \\[T[0-9a-f]+\\] the last words\\n$")).match(log).hasMatch(),
             qPrintable(log.right(300)));
}

// Logs from its destructor, which runs among the static destructors at exit.
struct LogsAtExit
{
    ~LogsAtExit() { qWarning() << "a line logged during exit"; }
};

// The second run of writesDebugLinesWhenVerbose: logs one debug line with verbose logging
// on, and one more while the process exits, after the logger's own statics would have
// gone had they been ordinary statics.
static int runVerboseChild(int argc, char **argv, const QByteArray &home)
{
    static LogsAtExit atExit;
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_CONFIG_HOME", home + "/config");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    QSettings().setValue(QStringLiteral("diagnostics/verboseLogging"), true);
    if (FileLogger::initialize().isEmpty())
        return 1;
    qDebug() << "a verbose debug line";
    const QByteArray fatal = qgetenv("VISTRELLE_FATAL_CHILD");
    if (!fatal.isEmpty()) {
        for (int i = 0; i < 2000; ++i)
            qInfo() << "a line before the end" << i;
        qFatal("%s", fatal.constData());
    }
    return 0;
}

int main(int argc, char **argv)
{
    const QByteArray childHome = qgetenv("VISTRELLE_VERBOSE_CHILD_HOME");
    if (!childHome.isEmpty())
        return runVerboseChild(argc, argv, childHome);

    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    g_home = &home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QApplication::setApplicationVersion(QStringLiteral("7.0"));
    QApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    TestFileLogger test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell_logger.moc"
