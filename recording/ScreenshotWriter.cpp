#include "recording/ScreenshotWriter.h"

#include "recording/ScreenshotComposer.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPointer>
#include <QThreadPool>

#include <atomic>

namespace {

QThreadPool &writerPool()
{
    static QThreadPool pool;
    static const bool configured = [] {
        pool.setMaxThreadCount(1);
        pool.setObjectName(QStringLiteral("ScreenshotWriter"));
        return true;
    }();
    Q_UNUSED(configured);
    return pool;
}

std::atomic<int> g_waiting{0};

} // namespace

QString ScreenshotWriter::save(const QImage &image, const QString &folder, const QDateTime &time)
{
    return saveAs(image, folder, screenshotFileName(time));
}

QString ScreenshotWriter::saveAs(const QImage &image, const QString &folder, const QString &name)
{
    if (image.isNull() || !QDir().mkpath(folder)) {
        qWarning() << "[Screenshot] Failed: no picture or no folder" << folder;
        return QString();
    }
    QString path = QDir(folder).filePath(name);
    for (int n = 1; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QFileInfo(name).completeBaseName() + QStringLiteral("_%1.png").arg(n));
    QImageWriter writer(path, "png");
    if (!writer.write(image)) {
        qWarning() << "[Screenshot] Failed to write" << path << writer.errorString();
        return QString();
    }
    qInfo() << "[Screenshot] Saved" << path << image.size();
    return path;
}

bool ScreenshotWriter::saveAsAsync(const QImage &image, const QString &folder, const QString &fileName,
                                   QObject *context, std::function<void(const QString &)> done)
{
    if (g_waiting.fetch_add(1) >= kMaxWaiting) {
        g_waiting.fetch_sub(1);
        qWarning() << "[Screenshot] Dropped: the earlier screenshots are still being written";
        return false;
    }
    QPointer<QObject> guard(context);
    writerPool().start([image, folder, fileName, guard, done = std::move(done)] {
        const QString written = saveAs(image, folder, fileName);
        g_waiting.fetch_sub(1);
        if (guard)
            QMetaObject::invokeMethod(guard.data(), [guard, done, written] {
                if (guard)
                    done(written);
            }, Qt::QueuedConnection);
    });
    return true;
}

bool ScreenshotWriter::saveAsync(const QImage &image, const QString &folder, const QDateTime &time)
{
    if (g_waiting.fetch_add(1) >= kMaxWaiting) {
        g_waiting.fetch_sub(1);
        qWarning() << "[Screenshot] Dropped: the earlier screenshots are still being written";
        return false;
    }
    writerPool().start([image, folder, time] {
        save(image, folder, time);
        g_waiting.fetch_sub(1);
    });
    return true;
}

bool ScreenshotWriter::waitForDone(int milliseconds)
{
    return writerPool().waitForDone(milliseconds);
}

QImage ScreenshotWriter::grabArea(const QRect &area, const QRect &deviceArea)
{
    int primary = 0;
    const QList<ScreenshotScreen> screens = applicationScreens(&primary);
    return composeScreenshot(area, screens, primary, deviceArea);
}

bool ScreenshotWriter::captureArea(const QRect &area, const QString &folder)
{
    const QImage picture = grabArea(area);
    if (picture.isNull())
        return false;
    return saveAsync(picture, folder, QDateTime::currentDateTime());
}
