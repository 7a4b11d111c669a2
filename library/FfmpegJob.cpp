#include "library/FfmpegJob.h"

#include "recording/BoundedOutput.h"
#include "recording/ChildRun.h"
#include "recording/EncoderOutputMonitor.h"
#include "recording/MediaProbe.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMutex>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QThreadPool>
#include <QtConcurrent>

#include <memory>
#include <optional>

#include <algorithm>

QString logTail(const QString &log, int count)
{
    return log.size() <= count ? log : log.right(count);
}

QList<int> progressPercents(const QString &log, double duration)
{
    QList<int> percents;
    if (!(duration > 0))
        return percents;
    static const QRegularExpression stamp(QStringLiteral("time=(\\d+):(\\d+):(\\d+(?:\\.\\d+)?)"));
    auto it = stamp.globalMatch(log);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const double seconds = m.captured(1).toInt() * 3600.0 + m.captured(2).toInt() * 60.0 + m.captured(3).toDouble();
        const double percent = seconds / duration * 100.0;
        percents << std::clamp(int(percent), 0, 99);
    }
    return percents;
}

namespace {

// "[libx264 @ 0x55d0c8a3c2c0] text" -> "libx264: text"; other lines stay as they are.
QString withoutComponentAddress(const QString &line)
{
    static const QRegularExpression tagged(QStringLiteral("^\\[([^\\]@]+?) @ 0x[0-9a-fA-F]+\\]\\s*(.*)$"));
    const QRegularExpressionMatch m = tagged.match(line);
    return m.hasMatch() ? m.captured(1).trimmed() + QStringLiteral(": ") + m.captured(2) : line;
}

} // namespace

QString ffmpegFailureCause(const QString &log)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    static const QRegularExpression generic(
        QStringLiteral("^(Conversion failed!|Error initializing output stream|Error while opening encoder|"
                       "Could not write header|Error opening output file|Error while filtering|"
                       "Error while processing the decoded data|Failed to inject frame)"));
    QString lastComponentLine;
    QString lastLine;
    for (const QString &raw : log.split(lineBreaks)) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("frame=")) || line.startsWith(QLatin1String("size=")))
            continue;
        lastLine = line;
        if (line.startsWith(QLatin1Char('[')) && line.contains(QLatin1String(" @ 0x")))
            lastComponentLine = line;
    }
    // A system error, else the last error line; a generic closing line gives way to the
    // line of the part that gave up.
    const QString specific = EncoderOutputMonitor::mostSpecificErrorLine(log);
    if (!lastComponentLine.isEmpty() && (specific.isEmpty() || generic.match(specific).hasMatch()))
        return EncoderOutputMonitor::shortenedLine(withoutComponentAddress(lastComponentLine), 300);
    if (!specific.isEmpty())
        return withoutComponentAddress(specific);
    return EncoderOutputMonitor::shortenedLine(withoutComponentAddress(lastLine), 300);
}

QString uniqueOutputPath(const QString &wanted)
{
    if (!QFileInfo::exists(wanted))
        return wanted;
    const QFileInfo info(wanted);
    const QString ext = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QDir dir = info.dir();
    for (int n = 2; n <= 9999; ++n) {
        // One arg() call: a name holding "%1" must not be filled in again.
        const QString candidate = dir.filePath(info.completeBaseName() + QLatin1Char('_') + QString::number(n) + ext);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
    return dir.filePath(info.completeBaseName() + QLatin1Char('_')
                        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss_zzz")) + ext);
}

QString savingPathFor(const QString &finalPath)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    const QFileInfo info(finalPath);
    const QString ext = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    // The hidden name adds 15 bytes: for a final name near the file system's limit of 255
    // bytes the base is shortened, or the tool could not create the file at all.
    QString base = info.completeBaseName();
    while (!base.isEmpty()
           && QFile::encodeName(QLatin1Char('.') + base + QStringLiteral(".saving-000000") + ext).size() > 255)
        base.chop(base.size() >= 2 && base.back().isLowSurrogate() ? 2 : 1);
    QString candidate;
    do {
        QString random;
        for (int i = 0; i < 6; ++i)
            random += letters.at(int(QRandomGenerator::global()->bounded(letters.size())));
        candidate = info.dir().filePath(QLatin1Char('.') + base + QStringLiteral(".saving-") + random + ext);
    } while (QFileInfo::exists(candidate));
    return candidate;
}

bool isSavingFile(const QString &fileName)
{
    static const QRegularExpression saving(QStringLiteral("^\\..*\\.saving-[a-z0-9]{6}(\\.[^.]*)?$"));
    return saving.match(fileName).hasMatch();
}

namespace {

// The hidden files of this process's running jobs, and the folders already cleared of dead
// runs' leftovers.
QMutex savesMutex;
QSet<QString> savesInProgress;
QSet<QString> clearedFolders;

// Marks a hidden output as this process's own while its job runs.
class SaveInProgress
{
public:
    explicit SaveInProgress(const QString &path)
        : m_path(QDir::cleanPath(QFileInfo(path).absoluteFilePath()))
    {
        const QMutexLocker lock(&savesMutex);
        savesInProgress.insert(m_path);
    }
    ~SaveInProgress()
    {
        const QMutexLocker lock(&savesMutex);
        savesInProgress.remove(m_path);
    }
    SaveInProgress(const SaveInProgress &) = delete;
    SaveInProgress &operator=(const SaveInProgress &) = delete;

private:
    QString m_path;
};

} // namespace

QStringList removeAbandonedSaves(const QString &folder)
{
    QStringList removed;
    const QDir dir(folder);
    const QString key = QDir::cleanPath(dir.absolutePath());
    const QMutexLocker lock(&savesMutex);
    if (folder.isEmpty() || clearedFolders.contains(key))
        return removed;
    clearedFolders.insert(key);
    for (const QFileInfo &file : dir.entryInfoList({QStringLiteral(".*.saving-*")}, QDir::Files | QDir::Hidden)) {
        const QString path = QDir::cleanPath(file.absoluteFilePath());
        if (!isSavingFile(file.fileName()) || savesInProgress.contains(path))
            continue;
        if (QFile::remove(path)) {
            qInfo().noquote() << "[FFmpeg] Removed the unfinished output of an earlier run" << path;
            removed << path;
        }
    }
    // A watermark copy is written in a hidden folder of its own (WatermarkCopyJob): one left
    // by a killed run goes too. Jobs of this process start only in folders looked at already.
    static const QRegularExpression watermarkFolder(QStringLiteral("^\\.Vistrelle-watermark-[A-Za-z0-9]{6}$"));
    for (const QFileInfo &sub : dir.entryInfoList({QStringLiteral(".Vistrelle-watermark-*")},
                                                  QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString path = QDir::cleanPath(sub.absoluteFilePath());
        if (!watermarkFolder.match(sub.fileName()).hasMatch() || sub.isSymLink() || savesInProgress.contains(path))
            continue;
        if (QDir(path).removeRecursively()) {
            qInfo().noquote() << "[FFmpeg] Removed the unfinished watermark copy of an earlier run" << path;
            removed << path;
        }
    }
    return removed;
}

namespace {

// What a run that did not succeed left where it wrote: a file that was not there before.
void removeLeftover(const QString &written, bool existedBefore)
{
    if (written.isEmpty() || existedBefore)
        return;
    if (QFileInfo::exists(written) && QFile::remove(written))
        qInfo().noquote() << "[FFmpeg] Removed the unfinished output" << written;
}

// Gives a finished temporary output its final name, never replacing a file: when another
// file took the name meanwhile, the next free one. Empty when the rename fails.
QString moveToFinalName(const QString &written, const QString &finalPath)
{
    QString target = finalPath;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (QFile::rename(written, target))
            return target;
        if (!QFileInfo::exists(target))
            break;
        target = uniqueOutputPath(finalPath);
    }
    qWarning().noquote() << "[FFmpeg] Could not rename" << written << "to" << finalPath;
    return QString();
}

} // namespace

bool runOffGuiThread(const std::function<void()> &work)
{
    // The finished flag is shared: a wait that ends early for a quitting application leaves
    // the work to finish on its own.
    auto done = std::make_shared<QAtomicInt>(0);
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, [&loop] { loop.exit(1); });
    watcher.setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [work, done] {
        work();
        done->storeRelease(1);
    }));
    while (!done->loadAcquire()) {
        // exec() returns at once without 1 when the application is leaving its event loop.
        if (loop.exec() != 1 && !done->loadAcquire())
            return false;
    }
    return true;
}

bool outputIsUsable(const QString &path)
{
    return checkOutput(path).verdict == UsabilityCheck::Usable;
}

UsabilityCheck checkOutput(const QString &path)
{
    UsabilityCheck check;
    if (path.isEmpty() || QFileInfo(path).size() < 1) {
        check.verdict = UsabilityCheck::Unusable;
        return check;
    }
    auto result = std::make_shared<UsabilityCheck>();
    const QString ffprobe = MediaProbe::ffprobeExecutable();
    // A quitting application cannot wait for the probe: a finished run's file is kept.
    if (!runOffGuiThread([result, path, ffprobe] { *result = MediaProbe::checkUsable(path, 15000, ffprobe); })) {
        check.verdict = UsabilityCheck::Usable;
        return check;
    }
    return *result;
}

FfmpegJobResult runFfmpegJob(const FfmpegJobSettings &settings)
{
    FfmpegJobResult result;
    const bool guarded = !settings.guard.isNull();
    const bool existedBefore = !settings.outputPath.isEmpty() && QFileInfo::exists(settings.outputPath);
    // A new output is written under a hidden name and renamed once it is complete. An existing
    // one is left to the tool, which refuses it ("-n").
    QStringList arguments = settings.arguments;
    const qsizetype outputArgument = settings.outputPath.isEmpty() || existedBefore
                                         ? -1
                                         : arguments.lastIndexOf(settings.outputPath);
    const QString written = outputArgument >= 0 ? savingPathFor(settings.outputPath) : settings.outputPath;
    if (outputArgument >= 0)
        arguments[outputArgument] = written;
    std::optional<SaveInProgress> ownSave;
    if (outputArgument >= 0)
        ownSave.emplace(written);

    BoundedOutput log(0, FfmpegJobResult::kLogBytes);
    BoundedOutput errorLog(0, FfmpegJobResult::kLogBytes);
    // Why the wait ended; None means the application is leaving its event loop.
    enum class Wake { None, Ended, Abandoned, Cancelled, TimedOut };
    Wake wake = Wake::None;
    // Killed outright, the program takes its job with it: the output would be of no use.
    ChildRun process(settings.mergeChannels ? QProcess::MergedChannels : QProcess::SeparateChannels, &log,
                     settings.mergeChannels ? nullptr : &errorLog);
    process.setAfterOutput([&] {
        result.log = QString::fromLocal8Bit(log.tail());
        // Nothing of an owner that is gone is touched again.
        if (settings.onLog && wake != Wake::Abandoned && !(guarded && settings.guard.isNull()))
            settings.onLog(result.log);
    });
    qDebug().noquote() << "[FFmpeg]" << settings.program << arguments.join(QLatin1Char(' '));
    if (!process.start(settings.program, arguments, QIODevice::ReadWrite, QDeadlineTimer(settings.startTimeoutMs))) {
        result.outcome = FfmpegJobResult::NotStarted;
        return result;
    }

    {
        QObject watch; // ends the connection below with the wait
        if (guarded) {
            QObject::connect(settings.guard.data(), &QObject::destroyed, &watch, [&] {
                if (wake == Wake::None)
                    wake = Wake::Abandoned;
                process.giveUp();
            });
        }
        const auto keepWaiting = [&] {
            if (guarded && settings.guard.isNull())
                wake = Wake::Abandoned;
            else if (settings.cancelRequested && settings.cancelRequested())
                wake = Wake::Cancelled;
            return wake == Wake::None;
        };
        const QDeadlineTimer cap = settings.capMs > 0 ? QDeadlineTimer(settings.capMs)
                                                      : QDeadlineTimer(QDeadlineTimer::Forever);
        switch (process.waitHandlingEvents(cap, keepWaiting, settings.waitSliceMs)) {
        case ChildRun::Wait::Ended:
            wake = Wake::Ended;
            break;
        case ChildRun::Wait::TimedOut:
            wake = Wake::TimedOut;
            break;
        case ChildRun::Wait::GivenUp: // `wake` says why
            break;
        case ChildRun::Wait::Quitting:
            result.quitting = true;
            break;
        }
    }

    if (wake == Wake::Abandoned) {
        process.stop();
        removeLeftover(written, existedBefore);
        result.outcome = FfmpegJobResult::Abandoned;
        return result;
    }
    const bool cancelled = wake == Wake::Cancelled || result.quitting;
    if (cancelled)
        process.stop(settings.terminateOnCancel && !result.quitting ? 1200 : 0);
    else if (wake == Wake::TimedOut)
        process.stop();
    result.errorLog = QString::fromLocal8Bit(errorLog.tail());
    result.exitCode = process.exitCode();
    result.crashed = process.crashed();
    result.outcome = cancelled                 ? FfmpegJobResult::Cancelled
                     : wake == Wake::TimedOut ? FfmpegJobResult::TimedOut
                                              : FfmpegJobResult::Finished;
    if (result.exitedCleanly() && settings.checkOutput && !settings.outputPath.isEmpty()) {
        QPointer<QObject> guard = settings.guard;
        const UsabilityCheck check = checkOutput(written);
        result.outputUnusable = check.verdict == UsabilityCheck::Unusable;
        if (check.verdict == UsabilityCheck::Unchecked) {
            result.outputUnchecked = check.why;
            qWarning().noquote() << "[FFmpeg] Kept an output that could not be checked" << written << check.why;
        }
        if (guarded && guard.isNull()) {
            removeLeftover(written, existedBefore);
            result.outcome = FfmpegJobResult::Abandoned;
            return result;
        }
        if (result.outputUnusable)
            qWarning().noquote() << "[FFmpeg] Exited 0 without a usable output" << written;
    }
    if (result.succeeded()) {
        result.savedPath = settings.outputPath;
        if (outputArgument >= 0) {
            result.savedPath = moveToFinalName(written, settings.outputPath);
            result.outputUnusable = result.savedPath.isEmpty();
        }
    }
    if (!result.succeeded())
        removeLeftover(written, existedBefore);
    if (result.outcome == FfmpegJobResult::Finished && !result.exitedCleanly())
        qWarning().noquote() << "[FFmpeg] The run failed (exit code" << result.exitCode
                             << (result.crashed ? "after a crash)" : ")") << "with this output:\n"
                                    + result.log + (result.errorLog.isEmpty() ? QString() : QStringLiteral("\n") + result.errorLog);
    // A failed run always has a cause to tell: how it ended, when the tool said nothing of it.
    const bool failed = (result.outcome == FfmpegJobResult::Finished && !result.exitedCleanly())
                        || result.outcome == FfmpegJobResult::TimedOut;
    QString &told = settings.mergeChannels ? result.log : result.errorLog;
    if (failed && ffmpegFailureCause(told).isEmpty()) {
        const QString ending =
            result.outcome == FfmpegJobResult::TimedOut
                ? QCoreApplication::translate("FfmpegJob", "FFmpeg 没有在 %1 秒内完成。").arg((settings.capMs + 999) / 1000)
            : result.crashed ? QCoreApplication::translate("FfmpegJob", "FFmpeg 意外终止。")
                             : QCoreApplication::translate("FfmpegJob", "FFmpeg 以退出码 %1 结束，没有说明原因。")
                                   .arg(result.exitCode);
        told += QLatin1Char('\n') + ending;
    }
    // What the tool says of its output is said of the file the user asked for: the hidden
    // name is the job's own business.
    if (outputArgument >= 0) {
        result.log.replace(written, settings.outputPath);
        result.errorLog.replace(written, settings.outputPath);
    }
    return result;
}
