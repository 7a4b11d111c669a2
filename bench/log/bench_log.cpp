// How long a thread that logs waits per line, once with each line written and flushed on
// the logging thread (as the log did before) and once queued for the log's writer thread:
// - while another writer fills the same disk (768 MB, as builds and encoders do), both
//   through the installed message handler;
// - into a file held up as dirty-page throttling holds one (a pipe read 4 KB every 200 ms
//   stands in for it: its writer waits whenever the pipe is full);
// then how much of a child's flood of output (the "[FFmpeg output]" lines of 23 MB) reaches
// the log file.
// Run from a folder on a real disk (not tmpfs):  build/bench/log/bench_log [folder] 2>/dev/null
#include "app/FileLogger.h"
#include "app/LogWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int kLines = 4000;
const int kLinesPerSecond = 400;

// Writes `megabytes` of data to a file in `folder` in 1 MB pieces until stopped.
class DiskPressure
{
public:
    DiskPressure(const QString &folder, int megabytes) : m_path(QDir(folder).filePath(QStringLiteral("pressure.bin")))
    {
        m_thread = QThread::create([this, megabytes] {
            QFile file(m_path);
            if (!file.open(QIODevice::WriteOnly))
                return;
            const QByteArray piece(1024 * 1024, 'p');
            for (int i = 0; i < megabytes && !m_stop; ++i)
                file.write(piece);
        });
        m_thread->start();
    }
    ~DiskPressure()
    {
        m_stop = true;
        m_thread->wait();
        delete m_thread;
        QFile::remove(m_path);
    }

private:
    QString m_path;
    std::atomic<bool> m_stop{false};
    QThread *m_thread = nullptr;
};

// A pipe that is read 4 KB every 200 ms until it is closed.
class HeldUpSink
{
public:
    explicit HeldUpSink(const QString &folder) : m_path(QDir(folder).filePath(QStringLiteral("held-up.fifo")))
    {
        ::mkfifo(QFile::encodeName(m_path).constData(), 0600);
        m_thread = QThread::create([this] {
            const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY);
            char buffer[4096];
            while (fd >= 0 && ::read(fd, buffer, sizeof buffer) > 0)
                QThread::msleep(200);
            if (fd >= 0)
                ::close(fd);
        });
        m_thread->start();
    }
    ~HeldUpSink()
    {
        m_thread->wait();
        delete m_thread;
    }
    QString path() const { return m_path; }

private:
    QString m_path;
    QThread *m_thread = nullptr;
};

QtMessageHandler g_logHandler = nullptr;
QFile *g_direct = nullptr;

// The log's handler before it had a writer thread: the line written and flushed under a mutex.
void writeOnCaller(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static QMutex mutex;
    const QByteArray line = FileLogger::formatLine(type, context, message).toUtf8();
    QMutexLocker locker(&mutex);
    g_direct->write(line);
    g_direct->flush();
}

// Logs kLines lines at kLinesPerSecond with `log` and prints the waits per line.
void measure(const char *name, const std::function<void(const QString &)> &log)
{
    std::vector<qint64> waits;
    waits.reserve(kLines);
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer one;
    for (int i = 0; i < kLines; ++i) {
        const qint64 due = qint64(i) * 1000 / kLinesPerSecond;
        if (clock.elapsed() < due)
            QThread::msleep(ulong(due - clock.elapsed()));
        one.start();
        log(QStringLiteral("[Recorder performance] target_fps=30 actual_fps=29.97 drop=0 line %1").arg(i));
        waits.push_back(one.nsecsElapsed() / 1000);
    }
    std::sort(waits.begin(), waits.end());
    qint64 total = 0;
    for (qint64 w : waits)
        total += w;
    std::printf("%-28s lines=%d  mean=%lld us  p99=%lld us  max=%lld us  total=%lld ms\n", name, kLines,
                total / kLines, waits[size_t(kLines * 99 / 100)], waits.back(), total / 1000);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QTemporaryDir dir(QDir(base).filePath(QStringLiteral("bench_log_XXXXXX")));
    if (!dir.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    QCoreApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vistrelle"));

    const auto logLine = [](const QString &text) { qInfo().noquote() << text; };
    const QString path = FileLogger::initialize();
    QFile direct(dir.filePath(QStringLiteral("direct.log")));
    if (path.isEmpty() || !direct.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return 1;
    g_direct = &direct;
    g_logHandler = qInstallMessageHandler(writeOnCaller);
    {
        DiskPressure pressure(dir.path(), 768);
        measure("disk pressure, on the caller", logLine);
    }
    qInstallMessageHandler(g_logHandler);
    {
        DiskPressure pressure(dir.path(), 768);
        measure("disk pressure, queued", logLine);
        FileLogger::flush(30000);
    }

    {
        HeldUpSink sink(dir.path());
        QFile file(sink.path());
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        measure("held-up file, on the caller", [&](const QString &text) {
            file.write(FileLogger::formatLine(QtInfoMsg, QMessageLogContext(), text).toUtf8());
            file.flush();
        });
    }
    {
        HeldUpSink sink(dir.path());
        LogWriter writer(sink.path());
        if (!writer.open())
            return 1;
        measure("held-up file, queued", [&](const QString &text) {
            writer.post(FileLogger::formatLine(QtInfoMsg, QMessageLogContext(), text).toUtf8());
        });
        std::printf("%-28s dropped=%lld lines\n", "held-up file, queued", writer.droppedLines());
        writer.stop(-1);
    }

    const qint64 before = QFileInfo(path).size();
    const QString flood = QStringLiteral("[libx264 @ 0x1] a warning the encoder repeats and repeats");
    qint64 printed = 0;
    for (int i = 0; i < 400000; ++i) {
        qInfo().noquote() << "[FFmpeg output]" << flood;
        printed += flood.size() + 1;
    }
    FileLogger::shutdown();
    std::printf("flood: printed=%lld bytes  added to the log=%lld bytes\n", printed, QFileInfo(path).size() - before);
    return 0;
}
