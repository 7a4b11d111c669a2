#include "app/FileLogger.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QUrl>

namespace {

// The file and its mutex live until the process is gone: threads and static destructors
// may still log while the process exits, after ordinary statics have been destroyed.
QFile &logFile()
{
    static QFile *const file = new QFile;
    return *file;
}

QMutex &writeMutex()
{
    static QMutex *const mutex = new QMutex;
    return *mutex;
}

// Written once by initialize() before the handler is installed, read-only afterwards.
bool g_verbose = false;
QtMessageHandler g_previousHandler = nullptr;

// True while this thread is inside the handler: a message raised from within the
// handler (for example by the file class during the write) is dropped.
thread_local bool t_insideHandler = false;

const int kEarlierLogsKept = 4;

void removeOldLogs(const QString &directory)
{
    QDir dir(directory);
    const QFileInfoList logs = dir.entryInfoList({QStringLiteral("Vistrelle_*.log")},
                                                 QDir::Files | QDir::Hidden, QDir::Time);
    for (int i = kEarlierLogsKept; i < logs.size(); ++i)
        QFile::remove(logs.at(i).absoluteFilePath());
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
    QFile &file = logFile();
    if (file.isOpen())
        return file.fileName();

    g_verbose = QSettings().value(QStringLiteral("diagnostics/verboseLogging"), false).toBool();

    const QString directory = logDirectory();
    removeOldLogs(directory);

    const QString name = QStringLiteral("Vistrelle_%1_pid%2.log")
                             .arg(QDateTime::currentDateTime().toString(
                                      QStringLiteral("yyyyMMdd_HHmmss_zzz")))
                             .arg(QCoreApplication::applicationPid());
    file.setFileName(QDir(directory).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return QString();

    g_previousHandler = qInstallMessageHandler(logMessageHandler);
    const QString path = QFileInfo(file).absoluteFilePath();
    writeHeader(path);
    return path;
}

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg && !g_verbose)
        return;
    if (t_insideHandler)
        return;
    t_insideHandler = true;

    const QByteArray line = FileLogger::formatLine(type, context, message).toUtf8();
    {
        QMutexLocker locker(&writeMutex());
        QFile &file = logFile();
        if (file.isOpen()) {
            file.write(line);
            file.flush();
        }
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);

    t_insideHandler = false;
}
