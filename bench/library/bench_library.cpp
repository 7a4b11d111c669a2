// Media library scan of 200 clips of mixed containers: the floor (the 200 ffprobe queries
// alone, 8 at a time), the library's own scan until its last metadata result, how late a
// 10 ms GUI timer runs meanwhile (beside the same timer with the library idle, and the longest
// event the GUI thread handled), thumbnails, a second list build, cache memory and quitting
// mid-scan; then a shown window opening 500 and 2000 files (alone with "--large"). Prints its
// figures; run it inside scripts/test-env.sh. Without arguments it also runs itself under
// "taskset -c 0,1" for the two-core figures of the 200 files.

#include "library/MediaLibraryFiles.h"
#include "library/MediaPreview.h"
#include "library/ThumbnailCache.h"
#include "library/VideoListDialog.h"
#include "recording/MediaProbe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent>

#include <algorithm>
#include <ctime>
#include <cstdio>

namespace {

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Times every event the GUI thread handles while `measuring` is set: the longest one is the
// library's own share of a late timer (the rest is the machine's load).
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool measuring = false;
    double longestEventMs = 0;
    QString longestEvent;
    double longestEventCpuMs = 0; // the GUI thread's own processor time in one event

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (!measuring || depth > 0 || QThread::currentThread() != thread())
            return QApplication::notify(receiver, event);
        ++depth;
        QElapsedTimer t;
        t.start();
        const double cpuBefore = threadCpuMs();
        const int type = int(event->type());
        const QString what = QString::fromLatin1(receiver->metaObject()->className());
        const bool handled = QApplication::notify(receiver, event);
        --depth;
        const double ms = double(t.nsecsElapsed()) / 1e6;
        longestEventCpuMs = std::max(longestEventCpuMs, threadCpuMs() - cpuBefore);
        if (ms > longestEventMs) {
            longestEventMs = ms;
            longestEvent = QStringLiteral("%1, event type %2").arg(what).arg(type);
        }
        return handled;
    }

private:
    int depth = 0;
};

// The worst lateness of a 10 ms timer over `ms` with nothing else to do.
double idleLatenessMs(int ms)
{
    double worst = 0;
    QElapsedTimer ticker;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        worst = std::max(worst, double(ticker.nsecsElapsed()) / 1e6 - 10.0);
        ticker.restart();
    });
    QElapsedTimer t;
    t.start();
    ticker.start();
    timer.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return worst;
}

bool ffmpeg(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), QStringList{"-hide_banner", "-loglevel", "error", "-y"} + args);
    return p.waitForFinished(60000) && p.exitCode() == 0;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

// Four small clips, each copied `count` / 4 times under recording names.
QStringList makeClips(const QString &folder, int count = 200)
{
    const QString base = folder + "/base";
    QDir().mkpath(base);
    ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=30", "-f", "lavfi", "-i", "sine", "-t", "2", "-c:v",
            "libx264", "-preset", "ultrafast", "-c:a", "aac", base + "/a.mp4"});
    ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=30", "-f", "lavfi", "-i", "sine", "-t", "2", "-c:v",
            "libx264", "-preset", "ultrafast", "-c:a", "libopus", base + "/a.mkv"});
    ffmpeg({"-f", "lavfi", "-i", "sine", "-t", "2", "-c:a", "libmp3lame", base + "/a.mp3"});
    ffmpeg({"-f", "lavfi", "-i", "sine", "-t", "2", "-c:a", "pcm_s16le", base + "/a.wav"});
    QStringList files;
    const QStringList kinds{"mp4", "mkv", "mp3", "wav"};
    for (int i = 0; i < count; ++i) {
        const QString kind = kinds.at(i % 4);
        const QString file = QStringLiteral("%1/Vistrelle_bench_%2.%3").arg(folder).arg(i, 4, 10, QLatin1Char('0')).arg(kind);
        QFile::copy(base + "/a." + kind, file);
        files << file;
    }
    return files;
}

double floorSeconds(const QStringList &files)
{
    QThreadPool pool;
    pool.setMaxThreadCount(8);
    QElapsedTimer t;
    t.start();
    QList<QFuture<QByteArray>> jobs;
    for (const QString &f : files)
        jobs << QtConcurrent::run(&pool, [f] { return MediaProbe::libraryMetadataJson(f); });
    for (auto &j : jobs)
        j.waitForFinished();
    return t.elapsed() / 1000.0;
}

struct ScanFigures
{
    double scan = 0;      // loadFromDisk until the last metadata result
    double listBuild = 0; // the synchronous part (folder listing and cards)
    double worstLateMs = 0;
};

ScanFigures scanOnce(int expected)
{
    ScanFigures f;
    VideoListDialog window;
    int results = 0;
    QObject::connect(&window, &VideoListDialog::metadataUpdated, [&] { ++results; });
    QElapsedTimer ticker;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        f.worstLateMs = std::max(f.worstLateMs, double(ticker.nsecsElapsed()) / 1e6 - 10.0);
        ticker.restart();
    });
    QElapsedTimer t;
    t.start();
    window.loadFromDisk();
    f.listBuild = t.elapsed() / 1000.0;
    ticker.start();
    timer.start();
    while (results < expected && t.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    f.scan = t.elapsed() / 1000.0;
    timer.stop();
    return f;
}

// Whether every video card in the list's view has its picture in the cache.
bool visibleHavePictures(const VideoListDialog &window)
{
    const auto *list = window.findChild<QListWidget *>(QStringLiteral("List"));
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        if (!list->visualItemRect(item).intersects(list->viewport()->rect()))
            continue;
        const VideoRecord r = window.recordList().value(item->data(Qt::UserRole).toInt());
        if (!r.isAudio && ThumbnailCache::instance()->cached(ThumbnailCache::keyFor(r.path, r.size)).isNull())
            return false;
    }
    return list->count() > 0;
}

// A shown window opening a folder of `count` recordings: the time until its list shows
// cards, the longest GUI-thread event over the next 5 s, and the time until the cards on
// screen have their pictures.
void openLarge(TimedApplication &app, int count)
{
    QTemporaryDir dir;
    makeClips(dir.path(), count);
    QSettings().setValue(QStringLiteral("save/directory"), dir.path());
    QSettings().remove(QStringLiteral("media/recordedFiles"));
    VideoListDialog window;
    window.show();
    QCoreApplication::processEvents();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("List"));
    app.longestEventMs = 0;
    app.measuring = true;
    QElapsedTimer t;
    t.start();
    window.loadFromDisk();
    while (!(list->count() > 0 && list->itemWidget(list->item(0))) && t.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double cards = t.elapsed() / 1000.0;
    double pictures = 0;
    while (t.elapsed() < cards * 1000 + 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (pictures == 0 && visibleHavePictures(window))
            pictures = t.elapsed() / 1000.0;
    }
    const double longest = app.longestEventMs;
    const QString longestWhat = app.longestEvent;
    app.measuring = false;
    while (pictures == 0 && !visibleHavePictures(window) && t.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    if (pictures == 0)
        pictures = t.elapsed() / 1000.0;
    printf("  %d files: cards shown after                %.2f s\n", count, cards);
    printf("  %d files: longest GUI-thread event (5 s)  %.1f ms (%s)\n", count, longest, qPrintable(longestWhat));
    printf("  %d files: pictures of the cards on screen %.2f s\n", count, pictures);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg"); // the GStreamer back end cannot open these files
    setvbuf(stdout, nullptr, _IOLBF, 0); // figures show as they come
    TimedApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("VistrelleLibraryBench"));
    const bool child = argc > 1 && QByteArray(argv[1]) == "--child";
    if (argc > 1 && QByteArray(argv[1]) == "--large") { // the 500 and 2000 file figures alone
        openLarge(app, 500);
        openLarge(app, 2000);
        return 0;
    }
    QTemporaryDir dir;
    const QStringList files = makeClips(dir.path());
    QSettings().setValue(QStringLiteral("save/directory"), dir.path());
    QSettings().remove(QStringLiteral("media/recordedFiles"));

    QList<double> floors;
    QList<double> scans;
    QList<double> builds;
    double worstLate = 0;
    const double idleLate = idleLatenessMs(5000);
    for (int run = 0; run < 3; ++run) {
        floors << floorSeconds(files);
        app.measuring = true;
        const ScanFigures s = scanOnce(files.size());
        app.measuring = false;
        scans << s.scan;
        builds << s.listBuild;
        worstLate = std::max(worstLate, s.worstLateMs);
    }
    printf("%s (%d threads)\n", child ? "taskset -c 0,1" : "all cores", QThread::idealThreadCount());
    printf("  floor: 200 ffprobe queries, 8 at a time   median %.2f s\n", median(floors));
    printf("  loadFromDisk to last metadata result      median %.2f s (%.0f %% of the floor)\n", median(scans),
           100.0 * median(scans) / median(floors));
    printf("  list build (folder listing and 200 cards) median %.3f s\n", median(builds));
    printf("  worst lateness of a 10 ms GUI timer       %.1f ms\n", worstLate);
    printf("  the same with the library idle (5 s)      %.1f ms (the machine's own share)\n", idleLate);
    printf("  longest GUI-thread event during the scans %.1f ms (%s)\n", app.longestEventMs,
           qPrintable(app.longestEvent));
    printf("  most processor time in one such event     %.1f ms\n", app.longestEventCpuMs);

    // Thumbnails: the cards of the last scans asked for them; wait until all are there.
    ThumbnailCache *cache = ThumbnailCache::instance();
    {
        QElapsedTimer t;
        t.start();
        VideoListDialog window;
        window.show();
        window.loadFromDisk();
        while (!visibleHavePictures(window) && t.elapsed() < 120000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        printf("  pictures of the cards on screen           %.2f s after the scan began (cached: %d)\n",
               t.elapsed() / 1000.0, cache->cachedCount());
        const int before = cache->grabsStarted();
        window.refreshList(QString());
        printf("  grabs on a second list build              %d\n", cache->grabsStarted() - before);
        printf("  thumbnail cache memory                    %.2f MB\n", cache->cachedBytes() / 1048576.0);
    }

    // Quitting mid-scan: the window waits for the probes that already run.
    {
        QSettings().remove(QStringLiteral("media/recordedFiles"));
        auto *window = new VideoListDialog;
        window->loadFromDisk();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QElapsedTimer t;
        t.start();
        delete window;
        picturePool()->clear();
        picturePool()->waitForDone();
        printf("  quit mid-scan                             %.2f s\n", t.elapsed() / 1000.0);
    }

    if (!child) {
        openLarge(app, 500);
        openLarge(app, 2000);
    }

    if (!child) {
        QProcess twoCores;
        twoCores.setProcessChannelMode(QProcess::ForwardedChannels);
        twoCores.start(QStringLiteral("taskset"),
                       {"-c", "0,1", QCoreApplication::applicationFilePath(), QStringLiteral("--child")});
        twoCores.waitForFinished(-1);
    }
    return 0;
}
