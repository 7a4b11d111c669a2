#include "app/FileLogger.h"

#include "app/LogOutputBudget.h"
#include "app/LogWriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QUrl>

#include <cstdlib>
#include <mutex>

namespace {

// The writer and the budget live until the process is gone: threads and static destructors
// may still log while the process exits, after ordinary statics have been destroyed.
LogWriter *g_writer = nullptr;

std::mutex &budgetMutex()
{
    static std::mutex *const mutex = new std::mutex;
    return *mutex;
}

LogOutputBudget &outputBudget()
{
    static LogOutputBudget *const budget = new LogOutputBudget;
    return *budget;
}

QElapsedTimer &logClock()
{
    static QElapsedTimer *const timer = new QElapsedTimer;
    return *timer;
}

// Written once by initialize() before the handler is installed, read-only afterwards.
bool g_verbose = false;
QtMessageHandler g_previousHandler = nullptr;

// True while this thread is inside the handler: a message raised from within the
// handler (for example by the file class during the write) is dropped.
thread_local bool t_insideHandler = false;

// A message longer than this keeps its start (a child's output is cut long before).
const qsizetype kMessageLimit = 64 * 1024;
// How long the last lines may take to reach the file at exit and before a fatal end.
const int kFinalFlushMs = 3000;

QByteArray noteLine(const QString &text)
{
    return FileLogger::formatLine(QtInfoMsg, QMessageLogContext(), text).toUtf8();
}

void echoToPreviousHandler(QtMsgType type, const QString &message)
{
    if (g_previousHandler)
        g_previousHandler(type, QMessageLogContext(nullptr, 0, nullptr, "default"), message);
}

QList<QByteArray> dueNotes(bool final)
{
    QStringList notes;
    {
        std::lock_guard lock(budgetMutex());
        notes = outputBudget().due(logClock().elapsed(), final);
    }
    QList<QByteArray> lines;
    for (const QString &note : notes)
        lines << noteLine(note);
    return lines;
}

void stopWriterAtExit()
{
    FileLogger::shutdown();
}

const int kEarlierLogsKept = 4;

void removeOldLogs(const QString &directory)
{
    QDir dir(directory);
    const QFileInfoList logs = dir.entryInfoList({QStringLiteral("Vistrelle_*.log")},
                                                 QDir::Files | QDir::Hidden, QDir::Time);
    for (int i = kEarlierLogsKept; i < logs.size(); ++i)
        QFile::remove(logs.at(i).absoluteFilePath());
    // A run's previous part goes with its log.
    const QStringList parts = dir.entryList({QStringLiteral("Vistrelle_*.log.1")}, QDir::Files | QDir::Hidden);
    for (const QString &part : parts) {
        if (!dir.exists(part.chopped(2)))
            dir.remove(part);
    }
}

void writeHeader(const QString &path)
{
    qInfo().noquote() << "========== Vistrelle diagnostic session ==========";
    qInfo().noquote() << "log_file=" << path;
    qInfo().noquote() << "app_version=" << QCoreApplication::applicationVersion()
                      << "qt_version=" << QStringLiteral(QT_VERSION_STR);
    qInfo().noquote() << "os=" << QSysInfo::prettyProductName() << "kernel="
                      << QSysInfo::kernelType() << QSysInfo::kernelVersion()
                      << "cpu_arch=" << QSysInfo::currentCpuArchitecture();
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        const QScreen *screen = screens.at(i);
        const QRect g = screen->geometry();
        qInfo().noquote() << QStringLiteral("screen[%1] name=%2 geometry=%3,%4 %5x%6 dpr=%7 refresh=%8")
                                 .arg(i)
                                 .arg(screen->name())
                                 .arg(g.left())
                                 .arg(g.top())
                                 .arg(g.width())
                                 .arg(g.height())
                                 .arg(screen->devicePixelRatio(), 0, 'f', 2)
                                 .arg(screen->refreshRate(), 0, 'f', 2);
    }
}

} // namespace

QString FileLogger::levelLabel(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("DEBUG");
    case QtWarningMsg:
        return QStringLiteral("WARN ");
    case QtCriticalMsg:
        return QStringLiteral("ERROR");
    case QtFatalMsg:
        return QStringLiteral("FATAL");
    case QtInfoMsg:
        return QStringLiteral("INFO ");
    }
    return QStringLiteral("LOG  ");
}

QString FileLogger::formatLine(QtMsgType type, const QMessageLogContext &context,
                               const QString &message)
{
    QString where;
    if (context.file && *context.file) {
        where = QStringLiteral(" [%1:%2]")
                    .arg(QFileInfo(QString::fromUtf8(context.file)).fileName())
                    .arg(context.line);
    }
    const auto threadId = reinterpret_cast<quintptr>(QThread::currentThreadId());
    return QStringLiteral("%1 [%2] [T%3]%4 %5\n")
        .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")),
             levelLabel(type), QString::number(threadId, 16), where, message);
}

QString FileLogger::logDirectory()
{
    const QString local = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (!local.isEmpty()) {
        const QString path = QDir(local).filePath(QStringLiteral("Logs"));
        if (QDir().mkpath(path))
            return path;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString fallback = QDir(documents).filePath(QStringLiteral("Vistrelle/Logs"));
    QDir().mkpath(fallback);
    return fallback;
}

bool FileLogger::openLogDirectory()
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(logDirectory()));
}

QString FileLogger::initialize()
{
    if (g_writer)
        return g_writer->path();

    g_verbose = QSettings().value(QStringLiteral("diagnostics/verboseLogging"), false).toBool();

    const QString directory = logDirectory();
    removeOldLogs(directory);

    const QString name = QStringLiteral("Vistrelle_%1_pid%2.log")
                             .arg(QDateTime::currentDateTime().toString(
                                      QStringLiteral("yyyyMMdd_HHmmss_zzz")))
                             .arg(QCoreApplication::applicationPid());
    auto *writer = new LogWriter(QFileInfo(QDir(directory).filePath(name)).absoluteFilePath());
    if (!writer->open()) {
        delete writer;
        return QString();
    }
    logClock().start();
    writer->setNoteFormat(noteLine);
    writer->setIdleNotes(dueNotes);
    g_previousHandler = qInstallMessageHandler(logMessageHandler);
    writer->setEcho(echoToPreviousHandler);
    g_writer = writer;
    // After the static destructors registered later and before those registered earlier:
    // lines logged after this go to the file at once from the thread that logs them.
    std::atexit(stopWriterAtExit);
    writeHeader(writer->path());
    return writer->path();
}

bool FileLogger::flush(int timeoutMs)
{
    return !g_writer || g_writer->flush(timeoutMs);
}

void FileLogger::shutdown()
{
    if (!g_writer)
        return;
    for (const QByteArray &line : dueNotes(true))
        g_writer->post(line);
    g_writer->stop(kFinalFlushMs);
}

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg && !g_verbose)
        return;
    if (t_insideHandler || LogWriter::onWriterThread())
        return;
    t_insideHandler = true;

    QString text = message;
    QStringList notes;
    bool admitted = true;
    {
        std::lock_guard lock(budgetMutex());
        admitted = outputBudget().admit(&text, logClock().elapsed(), &notes);
    }
    if (text.size() > kMessageLimit)
        text.truncate(kMessageLimit);
    LogWriter *writer = g_writer;
    if (writer) {
        for (const QString &note : notes)
            writer->post(noteLine(note), QtInfoMsg, note);
        if (admitted)
            writer->post(FileLogger::formatLine(type, context, text).toUtf8(), type, text);
        // Qt ends the process when the handler returns.
        if (type == QtFatalMsg)
            writer->flush(kFinalFlushMs);
    } else if (g_previousHandler) {
        g_previousHandler(type, context, message);
    }

    t_insideHandler = false;
}
