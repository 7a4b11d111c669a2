// How long a thread that logs waits per line while another program writes a lot to the same
// disk (a background writer of 768 MB here, as builds and encoders do), once with each line
// written and flushed on the logging thread (as the log did before) and once through the
// installed logger (queued for its writer thread); then how much of a child's flood of
// output (the "[FFmpeg output]" lines of 25 MB) reaches the log file.
// Run from a folder on a real disk (not tmpfs):  build/bench/log/bench_log [folder] 2>/dev/null
#include "app/FileLogger.h"

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

    {
        QFile file(dir.filePath(QStringLiteral("direct.log")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return 1;
        QMutex mutex;
        DiskPressure pressure(dir.path(), 768);
        measure("written on the caller", [&](const QString &text) {
            const QByteArray line = FileLogger::formatLine(QtInfoMsg, QMessageLogContext(), text).toUtf8();
            QMutexLocker locker(&mutex);
            file.write(line);
            file.flush();
        });
    }

    const QString path = FileLogger::initialize();
    if (path.isEmpty())
        return 1;
    {
        DiskPressure pressure(dir.path(), 768);
        measure("queued for the writer", [](const QString &text) { qInfo().noquote() << text; });
        FileLogger::flush(30000);
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
