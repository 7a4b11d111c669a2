#pragma once

#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QObject;

// Writes screenshots as PNG files on a worker thread of its own, so that encoding a
// full-screen picture never holds up the thread that feeds the encoder. At most a few
// pictures wait; a further one is dropped (and logged). Every result is logged as a
// "[Screenshot]" line; nothing else is reported.
class ScreenshotWriter
{
public:
    static constexpr int kMaxWaiting = 3;

    // Queues `image` for "<folder>/Vistrelle_Screenshot_<time>.png" (the folder is
    // created; an existing file of that name is never replaced). False when dropped.
    static bool saveAsync(const QImage &image, const QString &folder, const QDateTime &time);

    // Waits until every queued picture is written (tests, benchmarks, exit).
    static bool waitForDone(int milliseconds = -1);

    // Writes at once on the calling thread; the path written, or an empty string.
    static QString save(const QImage &image, const QString &folder, const QDateTime &time);

    // Writes `image` as "<folder>/<fileName>" (a free name made from it when that file
    // exists); the path written, or an empty string.
    static QString saveAs(const QImage &image, const QString &folder, const QString &fileName);

    // Queues saveAs() on the writer thread; `done` then runs on `context`'s thread with the
    // path written (empty on failure). False when dropped because too many are waiting.
    static bool saveAsAsync(const QImage &image, const QString &folder, const QString &fileName,
                            QObject *context, std::function<void(const QString &written)> done);

    // The picture of `area` of the screens (see composeScreenshot, also for `deviceArea`);
    // null when there is nothing to grab.
    static QImage grabArea(const QRect &area, const QRect &deviceArea = QRect());

    // Grabs `area` of the screens and queues it for `folder`, named after the current
    // local time. False when there was nothing to grab or the picture was dropped.
    static bool captureArea(const QRect &area, const QString &folder);

private:
    ScreenshotWriter() = delete;
};
