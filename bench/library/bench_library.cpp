// Media library scan of 200 clips of mixed containers: the floor (the 200 ffprobe queries
// alone, 8 at a time), the library's own scan until its last metadata result, how late a
// 10 ms GUI timer runs meanwhile (beside the same timer with the library idle, and the longest
// event the GUI thread handled), thumbnails, a second list build, cache memory and quitting
// mid-scan; then a shown window opening 500 and 2000 files (alone with "--large"), the first
// fast scroll through 512 and 2,500 files ("--scroll") and a save in a library of 2,500 files
// ("--save"). Prints its
// figures; run it inside scripts/test-env.sh. Without arguments it also runs itself under
// "taskset -c 0,1" for the two-core figures of the 200 files.

#include "library/MediaLibraryFiles.h"
#include "library/MediaPreview.h"
#include "library/ThumbnailCache.h"
#include "library/VideoListDialog.h"
#include "BenchWindows.h"
#include "recording/MediaProbe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent>

#include <algorithm>
#include <functional>
#include <memory>
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

// `count` clips in `folder`, made the save folder, with no file remembered yet.
QStringList useClipFolder(const QString &folder, int count)
{
    const QStringList files = makeClips(folder, count);
    QSettings().setValue(QStringLiteral("save/directory"), folder);
    QSettings().remove(QStringLiteral("media/recordedFiles"));
    return files;
}

// Until the list's first row has its card (at most 30 s after `t` started).
void waitForFirstCard(QListWidget *list, const QElapsedTimer &t)
{
    while (!(list->count() > 0 && list->itemWidget(list->item(0))) && t.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
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
    useClipFolder(dir.path(), count);
    VideoListDialog window;
    window.show();
    QCoreApplication::processEvents();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("List"));
    app.longestEventMs = 0;
    app.measuring = true;
    QElapsedTimer t;
    t.start();
    window.loadFromDisk();
    waitForFirstCard(list, t);
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


// The rows in the list's view.
QList<QListWidgetItem *> rowsInView(QListWidget *list)
{
    QList<QListWidgetItem *> rows;
    const int first = std::max(0, list->indexAt(QPoint(1, 1)).row());
    for (int row = first; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        const QRect rect = list->visualItemRect(item);
        if (rect.top() >= list->viewport()->height())
            break;
        if (rect.intersects(list->viewport()->rect()))
            rows << item;
    }
    return rows;
}

bool viewHasCards(QListWidget *list)
{
    const QList<QListWidgetItem *> rows = rowsInView(list);
    for (QListWidgetItem *item : rows) {
        const QWidget *card = list->itemWidget(item);
        // A card is drawn where its row is.
        if (!card || !card->isVisible() || card->geometry() != list->visualItemRect(item))
            return false;
    }
    return !rows.isEmpty();
}

bool viewHasDetails(const VideoListDialog &window, QListWidget *list)
{
    const QList<QListWidgetItem *> rows = rowsInView(list);
    for (QListWidgetItem *item : rows) {
        if (window.recordList().value(item->data(Qt::UserRole).toInt()).duration <= 0)
            return false;
    }
    return !rows.isEmpty();
}

// A shown window on `count` files, its cards up: the first fast scroll to the end of the list
// with the wheel (xdotool). Prints how long rows in view had no card during the
// scroll, and the time from the end of the scroll until the cards in view are there, have
// their pictures and their details; or, when the wheel did not take the list to its end, that
// it did not, and no figures.
void fastScroll(int count)
{
    QTemporaryDir dir;
    useClipFolder(dir.path(), count);
    VideoListDialog window;
    window.show();
    QCoreApplication::processEvents();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("List"));
    window.loadFromDisk();
    QElapsedTimer t;
    t.start();
    waitForFirstCard(list, t);
    QScrollBar *bar = list->verticalScrollBar();
    const QPoint corner = settledCorner(&window);
    // Real wheel events through the window system, about 140 a second, over the middle of the
    // list: as many as the list's length needs (a step scrolls wheelScrollLines() single steps)
    // and a tenth more.
    const int perStep = std::max(1, QApplication::wheelScrollLines() * bar->singleStep());
    const int steps = (bar->maximum() - bar->minimum()) / perStep * 11 / 10 + 10;
    const QPoint centre = onScreen(list->viewport(), list->viewport()->rect().center(), corner);
    QProcess::execute(QStringLiteral("xdotool"),
                      {"mousemove", QString::number(centre.x()), QString::number(centre.y())});
    QProcess wheel;
    wheel.start(QStringLiteral("xdotool"), {"click", "--repeat", QString::number(steps), "--delay", "7", "5"});
    double blankMs = 0;
    double longestBlankMs = 0;
    double blankSince = -1;
    // What the screen shows: sampled at every paint of the list.
    auto watch = std::make_unique<EventWatch>(list->viewport(), [&](QEvent *event) {
        if (event->type() != QEvent::Paint)
            return;
        const double now = double(t.nsecsElapsed()) / 1e6;
        const bool blank = !viewHasCards(list);
        if (blank && blankSince < 0)
            blankSince = now;
        if (!blank && blankSince >= 0) {
            blankMs += now - blankSince;
            longestBlankMs = std::max(longestBlankMs, now - blankSince);
            blankSince = -1;
        }
    });
    t.restart();
    const int timeoutMs = 60000 + steps * 20;
    while ((bar->value() < bar->maximum() || wheel.state() != QProcess::NotRunning) && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 3);
    watch.reset();
    const double scrollS = t.elapsed() / 1000.0;
    if (bar->value() < bar->maximum()) {
        printf("  %d files, fast scroll: %d wheel steps in %.1f s left the list at %d of %d: nothing measured\n",
               count, steps, scrollS, bar->value(), bar->maximum());
        wheel.kill();
        wheel.waitForFinished(2000);
        return;
    }
    t.restart();
    double cards = -1;
    double pictures = -1;
    double details = -1;
    while ((cards < 0 || pictures < 0 || details < 0) && t.elapsed() < 180000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (cards < 0 && viewHasCards(list))
            cards = t.elapsed() / 1000.0;
        if (pictures < 0 && visibleHavePictures(window))
            pictures = t.elapsed() / 1000.0;
        if (details < 0 && viewHasDetails(window, list))
            details = t.elapsed() / 1000.0;
    }
    if (blankSince >= 0) { // blank until the cards came after the scroll
        const double blank = scrollS * 1000 - blankSince + (cards >= 0 ? cards * 1000 : double(t.elapsed()));
        blankMs += blank;
        longestBlankMs = std::max(longestBlankMs, blank);
    }
    printf("  %d files, fast scroll to the end (%d wheel steps, %.1f s)\n", count, steps, scrollS);
    printf("    list painted without the cards in view %.1f s in all, longest %.1f s\n", blankMs / 1000,
           longestBlankMs / 1000);
    printf("    after the scroll: cards in view   %.2f s%s\n", cards, cards < 0 ? " (not within 180 s)" : "");
    printf("    after the scroll: their pictures  %.2f s\n", pictures);
    printf("    after the scroll: their details   %.2f s\n", details);
    picturePool()->clear();
    picturePool()->waitForDone();
}

// A save in a library of `count` files while its first scan still runs (3 s after the cards
// showed): the saved file is listed and selected (as a split selects its first part), then a
// file near the end of the list is chosen. Prints the time until each has its details, and how
// many probes the reload ran until the whole list had its details again.
void saveInLargeLibrary(int count)
{
    QTemporaryDir dir;
    const QStringList files = useClipFolder(dir.path(), count);
    VideoListDialog window;
    window.show();
    QCoreApplication::processEvents();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("List"));
    int merged = 0;
    QObject::connect(&window, &VideoListDialog::metadataUpdated, [&] { ++merged; });
    window.loadFromDisk();
    QElapsedTimer t;
    t.start();
    waitForFirstCard(list, t);
    t.restart();
    while (t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const int beforeSave = merged;
    const QString saved = dir.path() + QStringLiteral("/Vistrelle_bench_split_1.mp4");
    QFile::copy(files.first(), saved);
    const auto detailsOf = [&window](const QString &path) {
        for (const VideoRecord &r : window.recordList())
            if (r.path == path)
                return r.duration > 0;
        return false;
    };
    t.restart();
    merged = 0;
    window.reloadAndSelect(saved);
    const double reload = t.elapsed() / 1000.0;
    const int row = list->count() - 3;
    const QString chosen = window.recordList().value(list->item(row)->data(Qt::UserRole).toInt()).path;
    list->setCurrentRow(row);
    double savedDetails = -1;
    double chosenDetails = -1;
    while ((savedDetails < 0 || chosenDetails < 0) && t.elapsed() < 300000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (savedDetails < 0 && detailsOf(saved))
            savedDetails = t.elapsed() / 1000.0;
        if (chosenDetails < 0 && detailsOf(chosen))
            chosenDetails = t.elapsed() / 1000.0;
    }
    const auto allKnown = [&window] {
        for (const VideoRecord &r : window.recordList())
            if (r.duration <= 0)
                return false;
        return true;
    };
    while (!allKnown() && t.elapsed() < 300000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    printf("  %d files, a save 3 s into the first scan (%d probes merged by then)\n", count + 1, beforeSave);
    printf("    reload (synchronous part)                      %.2f s\n", reload);
    printf("    saved file selected: its details after         %.2f s\n", savedDetails);
    printf("    file near the end chosen: its details after    %.2f s\n", chosenDetails);
    printf("    whole list known again after                   %.2f s (%d probes merged since the save)\n",
           t.elapsed() / 1000.0, merged);
    // A second save, every other file read by now: only the new one needs a probe.
    const QString second = dir.path() + QStringLiteral("/Vistrelle_bench_split_2.mp4");
    QFile::copy(files.first(), second);
    merged = 0;
    t.restart();
    window.reloadAndSelect(second);
    while (!detailsOf(second) && t.elapsed() < 300000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const double secondDetails = t.elapsed() / 1000.0;
    while (t.elapsed() < secondDetails * 1000 + 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    printf("  a second save with the whole list read: its details after %.2f s, probes in the next 3 s %d\n",
           secondDetails, merged);
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
    if (argc > 1 && QByteArray(argv[1]) == "--scroll") { // the fast-scroll figures alone
        fastScroll(512);
        fastScroll(2500);
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "--save") { // the save-in-a-large-library figures alone
        saveInLargeLibrary(2500);
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
        fastScroll(512);
        fastScroll(2500);
        saveInLargeLibrary(2500);
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
