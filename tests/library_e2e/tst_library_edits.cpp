// Saving edits from the media library through its own controls: real drags on the range bar,
// real clicks, the real ffmpeg, results checked with ffprobe. The source is never touched.

#include "../support/FakeTool.h"
#include "../support/LibraryTestMedia.h"
#include "../support/OwnProcesses.h"

#include "library/TimelineRangeWidget.h"
#include "library/VideoListDialog.h"
#include "library/VideoPlayer.h"
#include "library/WatermarkDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVideoWidget>
#include <QtTest>

#include <memory>

using namespace LibraryMedia;

// Receives the folders that "Open Folder" hands to the desktop.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void openUrl(const QUrl &url) { urls << url; }
};

// The test desktop's window manager when one runs; else one started here (returned, to be
// stopped by the caller).
QProcess *ensureWindowManager()
{
    const auto running = [] {
        QProcess query;
        query.start(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"});
        query.waitForFinished(5000);
        const QString out = QString::fromLatin1(query.readAllStandardOutput());
        const int at = int(out.indexOf(QLatin1String("# ")));
        if (at < 0)
            return false;
        // A window manager that exited leaves the property behind: its window must be alive.
        QProcess check;
        check.start(QStringLiteral("xprop"), {"-id", out.mid(at + 2).trimmed(), "WM_NAME"});
        return check.waitForFinished(5000) && check.exitCode() == 0;
    };
    if (running())
        return nullptr;
    auto *openbox = new QProcess;
    openbox->start(QStringLiteral("openbox"), {"--sm-disable"});
    if (!openbox->waitForStarted(5000) || !QTest::qWaitFor(running, 10000)) {
        delete openbox;
        return nullptr;
    }
    return openbox;
}

// The test's own processes whose command line names `text`.
int toolsNaming(const QString &text)
{
    return int(OwnProcesses::mentioning(text).size());
}

class LibraryEditsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void trimMuteRotate();
    void splitMatroska();
    void failures();
    void minimiseKeepsTheSave();
    void fullScreen();
    void editorHeader();
    // Last: it quits the event loop, and after a quit the program grabs no more pictures.
    void quitEndsEveryJob();
    void cleanupTestCase();

private:
    VideoListDialog *openLibrary();
    void select(VideoListDialog *w, const QString &fileName);
    TimelineRangeWidget *bar(VideoListDialog *w) { return w->findChild<TimelineRangeWidget *>("RangeBar"); }
    QPushButton *button(VideoListDialog *w, const char *name) { return w->findChild<QPushButton *>(name); }
    // Drags on the range bar; the events are handled while waiting afterwards.
    void drag(TimelineRangeWidget *b, double from, double to)
    {
        QVERIFY(dragWidget(b, barPoint(b, from), barPoint(b, to)));
        QTest::qWait(400);
    }
    QPoint barPoint(TimelineRangeWidget *b, double t) const
    {
        return QPoint(qRound(TimelineRangeWidget::xForTime(t, b->width(), b->duration)), 36);
    }
    QString clip(const QString &name) const { return m_folder + QLatin1Char('/') + name; }

    QTemporaryDir m_root;
    QString m_folder;
    QPointer<VideoListDialog> m_window;
    MessageBoxCatcher *m_boxes = nullptr;
    UrlRecorder m_urls;
    QByteArray m_sourceMd5;
    QByteArray m_existingMd5;
};

void LibraryEditsTest::initTestCase()
{
    xdotool({"version"});
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QCoreApplication::setOrganizationName(QStringLiteral("VistrelleLibraryEditsTest"));
    QSettings().clear();
    QApplication::setQuitOnLastWindowClosed(false);
    m_boxes = new MessageBoxCatcher(this);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "openUrl");

    m_folder = m_root.filePath(TestMedia::awkwardName());
    QVERIFY(QDir().mkpath(m_folder));
    QSettings().setValue(QStringLiteral("save/directory"), m_folder);
    QVERIFY(makeClip(clip("Vistrelle_edit [1], it's.mp4"), 5));
    QVERIFY(makeClip(clip("Vistrelle_long.mkv"), 5.4));
    // An earlier edit of the user's that a new save must not replace.
    QVERIFY(writeBytes(clip("Vistrelle_edit [1], it's_已编辑.mp4"), QByteArray(5000, 'e')));
    // A long 1080p clip whose trim runs long enough to be cancelled.
    // Two seconds of noise, which is slow to encode, repeated by stream copy. Its rate is
    // capped so that the clip takes 50 MB, not 2 GB, of a shared test machine's disk.
    const QString noise = m_root.filePath("noise.mp4");
    QVERIFY(TestMedia::runFfmpeg({"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                  "color=c=gray:size=1920x1080:rate=30,noise=alls=100:allf=t+u", "-f", "lavfi", "-i",
                                  "anoisesrc=a=0.3", "-t", "2", "-c:v", "libx264", "-preset", "ultrafast", "-b:v", "6M",
                                  "-maxrate", "6M", "-bufsize", "6M", "-g", "30", "-c:a", "aac", noise}));
    QVERIFY(TestMedia::runFfmpeg({"-hide_banner", "-loglevel", "error", "-y", "-stream_loop", "29", "-i", noise,
                                  "-c", "copy", clip("Vistrelle_big.mp4")}));
    m_sourceMd5 = md5(clip("Vistrelle_edit [1], it's.mp4"));
    m_existingMd5 = md5(clip("Vistrelle_edit [1], it's_已编辑.mp4"));
}

void LibraryEditsTest::cleanupTestCase()
{
    delete m_window;
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

VideoListDialog *LibraryEditsTest::openLibrary()
{
    if (!m_window) {
        m_window = createVideoListDialog(nullptr);
        m_window->show();
        QTimer::singleShot(50, m_window, [w = m_window] { w->loadFromDisk(); });
        if (!QTest::qWaitForWindowExposed(m_window))
            qWarning("library window not exposed");
    }
    QTest::qWait(200);
    return m_window;
}

// Clicks the file's card and waits until its preview strip is on the range bar.
void LibraryEditsTest::select(VideoListDialog *w, const QString &fileName)
{
    auto *list = w->findChild<QListWidget *>("List");
    int row = -1;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (int r = 0; r < list->count(); ++r) {
                const VideoRecord rec = w->recordList().value(list->item(r)->data(Qt::UserRole).toInt());
                if (rec.fileName == fileName && rec.duration > 0)
                    row = r;
            }
            return row >= 0;
        }(),
        20000);
    list->scrollToItem(list->item(row));
    // Cards are built as the list shows them.
    QTRY_VERIFY_WITH_TIMEOUT(list->itemWidget(list->item(row)), 10000);
    QWidget *card = list->itemWidget(list->item(row));
    QVERIFY(clickWidget(card, QPoint(card->width() / 2, 20)));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, fileName);
    QTRY_VERIFY_WITH_TIMEOUT(!bar(w)->stripPixmap.isNull(), 10000);
    QTest::qWait(300);
}

void LibraryEditsTest::trimMuteRotate()
{
    VideoListDialog *w = openLibrary();
    const QString source = clip("Vistrelle_edit [1], it's.mp4");
    select(w, QFileInfo(source).fileName());
    TimelineRangeWidget *b = bar(w);

    // Trim 1..4 s by dragging both handles.
    drag(b, 0, 1.0);
    drag(b, b->duration, 4.0);
    const double start = b->rangeStart;
    const double end = b->rangeEnd;
    QVERIFY2(start > 0.7 && start < 1.3 && end > 3.7 && end < 4.3, qPrintable(QStringLiteral("%1 %2").arg(start).arg(end)));
    m_boxes->titles.clear();
    QVERIFY(clickWidget(button(w, "PrimaryAction")));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(QStringLiteral("保存完成")), 60000);
    const QString trimmed = clip("Vistrelle_edit [1], it's_已编辑_2.mp4");
    QVERIFY(QFileInfo::exists(trimmed));
    QVERIFY2(qAbs(TestMedia::durationSeconds(trimmed) - (end - start)) <= 0.1,
             qPrintable(QString::number(TestMedia::durationSeconds(trimmed))));
    // The new copy is the current file and plays.
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).path, trimmed);
    QSignalSpy frames(w->videoPlayer(), &VideoPlayer::frameReady);
    QTest::qWait(300);
    QVERIFY(clickWidget(button(w, "PlayButton")));
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 20, 10000);
    QVERIFY(clickWidget(button(w, "PlayButton")));

    // Mute 1.5..3.25 s.
    select(w, QFileInfo(source).fileName());
    QVERIFY(clickWidget(button(w, "MuteButton")));
    QTRY_COMPARE(w->currentEditMode(), QStringLiteral("mute"));
    drag(b, 0, 1.5);
    drag(b, b->duration, 3.25);
    snapshot("mute-mode");
    const double muteStart = b->rangeStart;
    const double muteEnd = b->rangeEnd;
    QVERIFY(muteEnd - muteStart > 1.2);
    m_boxes->titles.clear();
    QCOMPARE(button(w, "PrimaryAction")->text(), QStringLiteral("Save Muted Copy"));
    QVERIFY(clickWidget(button(w, "PrimaryAction")));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(QStringLiteral("保存完成")), 60000);
    const QString muted = clip("Vistrelle_edit [1], it's_已编辑_3.mp4");
    QVERIFY(QFileInfo::exists(muted));
    const double inside = TestMedia::meanVolume(muted, muteStart + 0.2, muteEnd - muteStart - 0.4);
    const double before = TestMedia::meanVolume(muted, 0.2, muteStart - 0.4);
    const double sourceLevel = TestMedia::meanVolume(source, 0.2, muteStart - 0.4);
    QVERIFY2(inside <= -80, qPrintable(QString::number(inside)));
    QVERIFY2(qAbs(before - sourceLevel) < 1.5, qPrintable(QStringLiteral("%1 %2").arg(before).arg(sourceLevel)));

    // Rotate through the More menu, then save.
    select(w, QFileInfo(source).fileName());
    // The menu runs its own loop: the keys come from a process started before it opens.
    QVERIFY(QProcess::startDetached("sh", {"-c", "sleep 1.5; xdotool key Down; sleep 0.3; xdotool key Return"}));
    QVERIFY(clickWidget(button(w, "MoreButton")));
    QTRY_COMPARE(w->currentEditMode(), QStringLiteral("rotate90"));
    snapshot("rotate-preview");
    m_boxes->titles.clear();
    QVERIFY(clickWidget(button(w, "PrimaryAction")));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(QStringLiteral("保存完成")), 60000);
    const QString rotated = clip("Vistrelle_edit [1], it's_已编辑_4.mp4");
    QCOMPARE(TestMedia::probe(rotated).videoSize(), QSize(360, 640));
    // The source's top-left corner is now the top-right one.
    const QByteArray a = TestMedia::frameRgb(source, 1.0);
    const QByteArray r = TestMedia::frameRgb(rotated, 1.0);
    QCOMPARE(a.size(), 640 * 360 * 3);
    QCOMPARE(r.size(), 360 * 640 * 3);
    double worst = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            const int rx = 359 - y;
            const int ry = x;
            for (int c = 0; c < 3; ++c)
                worst = std::max(worst, double(std::abs(int(uchar(a[(y * 640 + x) * 3 + c]))
                                                        - int(uchar(r[(ry * 360 + rx) * 3 + c])))));
        }
    }
    QVERIFY2(worst < 60, qPrintable(QString::number(worst)));

    QCOMPARE(md5(source), m_sourceMd5);
    QCOMPARE(md5(clip("Vistrelle_edit [1], it's_已编辑.mp4")), m_existingMd5);
}

void LibraryEditsTest::splitMatroska()
{
    VideoListDialog *w = openLibrary();
    const QByteArray before = md5(clip("Vistrelle_long.mkv"));
    select(w, "Vistrelle_long.mkv");
    TimelineRangeWidget *b = bar(w);
    QVERIFY(clickWidget(button(w, "SplitButton")));
    QTRY_COMPARE(w->currentEditMode(), QStringLiteral("split"));
    QVERIFY(clickWidget(b, barPoint(b, 2.0)));
    QTRY_VERIFY(b->marker > 1.5 && b->marker < 2.5);
    QCOMPARE(button(w, "PrimaryAction")->text(), QStringLiteral("开始分割"));
    QTest::qWait(500); // the seek's position reports have come
    b->marker = 2.004; // between the frames at 1.974 and 2.007 s, nearer the frame grid's 2.0

    // The completion dialog: Open Folder, then OK.
    bool sawCompletion = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("CompletionDialog") && top->isVisible()) {
                sawCompletion = true;
                snapshot("completion");
                top->findChild<QPushButton *>("CompletionSecondary")->click();
                top->findChild<QPushButton *>("CompletionPrimary")->click();
            }
        }
    });
    poll.start(50);
    m_urls.urls.clear();
    QVERIFY(clickWidget(button(w, "PrimaryAction")));
    QTRY_VERIFY_WITH_TIMEOUT(sawCompletion, 60000);
    poll.stop();
    const QString part1 = clip("Vistrelle_long_片段1.mkv");
    const QString part2 = clip("Vistrelle_long_片段2.mkv");
    const double total = TestMedia::durationSeconds(part1) + TestMedia::durationSeconds(part2);
    QVERIFY2(qAbs(total - 5.4) <= 0.1, qPrintable(QString::number(total)));
    const int mkvFrames1 = countFrames(part1);
    QVERIFY2(mkvFrames1 == 60 && mkvFrames1 + countFrames(part2) == countFrames(clip("Vistrelle_long.mkv")),
             qPrintable(QStringLiteral("%1 + %2").arg(mkvFrames1).arg(countFrames(part2))));
    QCOMPARE(m_urls.urls.size(), 1);
    QCOMPARE(QDir::cleanPath(m_urls.urls.first().toLocalFile()), QDir::cleanPath(m_folder));
    QCOMPARE(md5(clip("Vistrelle_long.mkv")), before);
    // Both parts are listed after the rescan.
    QStringList names;
    for (const VideoRecord &r : w->recordList())
        names << r.fileName;
    QVERIFY(names.contains("Vistrelle_long_片段1.mkv") && names.contains("Vistrelle_long_片段2.mkv"));

    // An MP4 split between two frames: the parts hold the source's frames, none twice.
    const QString mp4 = clip("Vistrelle_edit [1], it's.mp4");
    select(w, QFileInfo(mp4).fileName());
    QVERIFY(clickWidget(button(w, "SplitButton")));
    QVERIFY(clickWidget(b, barPoint(b, 2.0)));
    QTRY_VERIFY(b->marker > 1.5 && b->marker < 2.5);
    QTest::qWait(500); // the seek's position reports have come
    b->marker = 2.05;  // half way between the frames at 2.033 and 2.067 s
    sawCompletion = false;
    poll.start(50);
    QVERIFY(clickWidget(button(w, "PrimaryAction")));
    QTRY_VERIFY_WITH_TIMEOUT(sawCompletion, 60000);
    poll.stop();
    const QString mp4Part1 = clip("Vistrelle_edit [1], it's_片段1.mp4");
    const QString mp4Part2 = clip("Vistrelle_edit [1], it's_片段2.mp4");
    const int frames1 = countFrames(mp4Part1);
    const int frames2 = countFrames(mp4Part2);
    QCOMPARE(frames1, 62);
    QVERIFY2(frames1 + frames2 == countFrames(mp4), qPrintable(QStringLiteral("%1 + %2").arg(frames1).arg(frames2)));
    QVERIFY(QFile::remove(mp4Part1) && QFile::remove(mp4Part2));
}

void LibraryEditsTest::failures()
{
    VideoListDialog *w = openLibrary();
    const QString big = clip("Vistrelle_big.mp4");

    // Cancelling a trim through the progress dialog. The job runs inside the click's event
    // handling, so the cancel button is pressed from a timer.
    select(w, "Vistrelle_big.mp4");
    m_boxes->titles.clear();
    m_boxes->texts.clear();
    const QString output = clip("Vistrelle_big_已编辑.mp4");
    bool pressedCancel = false;
    QTimer canceller;
    connect(&canceller, &QTimer::timeout, this, [&] {
        auto *progress = w->findChild<QProgressDialog *>("SaveProgress");
        if (pressedCancel || !progress || !progress->isVisible() || !beingWritten(output))
            return;
        pressedCancel = true;
        clickWidget(progress->findChild<QPushButton *>());
    });
    canceller.start(100);
    QVERIFY(clickWidget(button(w, "PrimaryAction")));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->texts.contains(QStringLiteral("操作已取消")), 30000);
    canceller.stop();
    QVERIFY(pressedCancel);
    // Told as a cancel, not as a failed edit.
    QCOMPARE(m_boxes->titles, QStringList{QStringLiteral("媒体库")});
    QVERIFY(!QFileInfo::exists(output));
    QVERIFY(!beingWritten(output));
    w->loadFromDisk();
    for (const VideoRecord &r : w->recordList())
        QVERIFY(r.fileName != QFileInfo(output).fileName());

    // A window that deletes itself on close, closed during a save.
    {
        QPointer<VideoListDialog> other = createVideoListDialog(nullptr);
        other->setAttribute(Qt::WA_DeleteOnClose);
        other->showAndPlay(big, false);
        QTRY_COMPARE_WITH_TIMEOUT(other->recordList().value(other->currentRecordIndex()).path, big, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!other->findChild<TimelineRangeWidget *>("RangeBar")->stripPixmap.isNull(), 10000);
        QTimer::singleShot(1500, other, [other] { other->close(); });
        m_boxes->titles.clear();
        QVERIFY(clickWidget(other->findChild<QPushButton *>("PrimaryAction")));
        QTRY_VERIFY_WITH_TIMEOUT(other.isNull(), 20000);
        QTest::qWait(300);
        QVERIFY(!QFileInfo::exists(output));
        QVERIFY(!beingWritten(output));
        QVERIFY(m_boxes->titles.isEmpty());
    }

    // A split cancelled while it writes its second part keeps neither part.
    {
        select(w, "Vistrelle_big.mp4");
        QVERIFY(clickWidget(button(w, "SplitButton")));
        TimelineRangeWidget *b = bar(w);
        QVERIFY(clickWidget(b, barPoint(b, 1.5)));
        QTRY_VERIFY(b->marker > 0.5 && b->marker < 3);
        const QString part1 = clip("Vistrelle_big_片段1.mp4");
        const QString part2 = clip("Vistrelle_big_片段2.mp4");
        bool cancelled = false;
        QTimer partCanceller;
        connect(&partCanceller, &QTimer::timeout, this, [&] {
            auto *progress = w->findChild<QProgressDialog *>("SaveProgress");
            if (cancelled || !progress || !progress->isVisible() || !beingWritten(part2))
                return;
            cancelled = true;
            QVERIFY(QFileInfo::exists(part1));
            clickWidget(progress->findChild<QPushButton *>());
        });
        partCanceller.start(50);
        m_boxes->titles.clear();
        m_boxes->texts.clear();
        QVERIFY(clickWidget(button(w, "PrimaryAction")));
        QTRY_VERIFY_WITH_TIMEOUT(!m_boxes->titles.isEmpty(), 60000);
        partCanceller.stop();
        QVERIFY(cancelled);
        QCOMPARE(m_boxes->texts, QStringList{QStringLiteral("操作已取消")});
        QCOMPARE(m_boxes->titles, QStringList{QStringLiteral("媒体库")});
        QVERIFY(!QFileInfo::exists(part1));
        QVERIFY(!QFileInfo::exists(part2));
        QVERIFY(!beingWritten(part1));
        QVERIFY(!beingWritten(part2));
    }

    const QByteArray savedPath = qgetenv("PATH");
    QTemporaryDir bin;
    // An ffmpeg that exits 0 after writing something no player can read: the save fails and
    // its file goes.
    QVERIFY(writeScript(bin.filePath("ffmpeg"), "for a; do last=$a; done\nprintf 'not a video' > \"$last\"\nexit 0\n"));
    select(w, "Vistrelle_edit [1], it's.mp4");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + savedPath);
    m_boxes->titles.clear();
    m_boxes->texts.clear();
    const QStringList filesBefore = QDir(m_folder).entryList(QDir::Files);
    const QString unusable = VideoListDialog::copyOutputPath(clip("Vistrelle_edit [1], it's.mp4"), "_已编辑");
    QVERIFY(clickWidget(button(w, "PrimaryAction")));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(QStringLiteral("编辑失败")), 20000);
    QVERIFY(!beingWritten(unusable));
    QVERIFY2(m_boxes->texts.last().contains(QStringLiteral("没有写出可用的文件")), qPrintable(m_boxes->texts.last()));
    QVERIFY(!m_boxes->titles.contains(QStringLiteral("保存完成")));
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), filesBefore);
    qputenv("PATH", savedPath);
    // An ffmpeg that "succeeds" without writing anything: the split says so.
    QVERIFY(QFile::remove(bin.filePath("ffmpeg")));
    QVERIFY(writeScript(bin.filePath("ffmpeg"), "exit 0\n"));
    select(w, "Vistrelle_long.mkv");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + savedPath);
    QVERIFY(clickWidget(button(w, "SplitButton")));
    TimelineRangeWidget *b = bar(w);
    QVERIFY(clickWidget(b, barPoint(b, 2.5)));
    m_boxes->titles.clear();
    QVERIFY(clickWidget(button(w, "PrimaryAction")));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(QStringLiteral("分割失败")), 20000);
    QTRY_VERIFY(!w->findChild<QProgressDialog *>("SaveProgress") || !w->findChild<QProgressDialog *>("SaveProgress")->isVisible());

    // No ffmpeg at all: the job fails at once and names the program.
    qputenv("PATH", QFile::encodeName(bin.path() + "/none"));
    QVERIFY(clickWidget(button(w, "TrimButton")));
    m_boxes->texts.clear();
    QElapsedTimer clock;
    clock.start();
    QVERIFY(clickWidget(button(w, "PrimaryAction")));
    QTRY_VERIFY_WITH_TIMEOUT(!m_boxes->texts.isEmpty(), 10000);
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(m_boxes->texts.first().contains(QStringLiteral("ffmpeg")), qPrintable(m_boxes->texts.first()));
    qputenv("PATH", savedPath);
}

// Minimising the window during a save lets it finish.
void LibraryEditsTest::minimiseKeepsTheSave()
{
    VideoListDialog *w = openLibrary();
    std::unique_ptr<QProcess> openbox(ensureWindowManager());
    if (openbox) {
        // A window manager that has just started frames the windows already there: clicks
        // wait until the library window is in its frame.
        QTRY_VERIFY_WITH_TIMEOUT(
            [w] {
                QProcess query;
                query.start(QStringLiteral("xprop"), {"-id", QString::number(w->winId()), "_NET_FRAME_EXTENTS"});
                return query.waitForFinished(5000) && query.readAllStandardOutput().contains('=');
            }(),
            10000);
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    select(w, "Vistrelle_big.mp4");
    QVERIFY(clickWidget(button(w, "TrimButton")));
    TimelineRangeWidget *b = bar(w);
    drag(b, b->duration, 4.0);
    QVERIFY(b->rangeEnd < 5);
    const QString output = clip("Vistrelle_big_已编辑.mp4");
    QVERIFY(!QFileInfo::exists(output));
    bool minimised = false;
    QTimer minimiser;
    connect(&minimiser, &QTimer::timeout, this, [&] {
        auto *progress = w->findChild<QProgressDialog *>("SaveProgress");
        if (minimised || !progress || !progress->isVisible() || !beingWritten(output))
            return;
        minimised = true;
        xdotool({"windowminimize", QString::number(w->winId())});
    });
    minimiser.start(50);
    m_boxes->titles.clear();
    m_boxes->texts.clear();
    QVERIFY(clickWidget(button(w, "PrimaryAction")));
    QTRY_VERIFY_WITH_TIMEOUT(minimised, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(w->isMinimized() || !m_boxes->titles.isEmpty(), 10000);
    // A cancelled save removes its output: then there is nothing more to wait for.
    QTRY_VERIFY_WITH_TIMEOUT(!m_boxes->titles.isEmpty() || !beingWritten(output), 120000);
    QTest::qWait(500);
    minimiser.stop();
    QVERIFY2(m_boxes->titles.contains(QStringLiteral("保存完成")), qPrintable(m_boxes->texts.join(" | ")));
    QVERIFY2(qAbs(TestMedia::durationSeconds(output) - b->rangeEnd) < 0.3 || b->rangeEnd > 59,
             qPrintable(QString::number(TestMedia::durationSeconds(output))));
    w->showNormal();
    w->activateWindow();
    QTRY_VERIFY(!w->isMinimized());
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QVERIFY(QFile::remove(output));
    if (openbox) {
        openbox->terminate();
        openbox->waitForFinished(3000);
    }
}

// The application quitting while jobs run (its event loop ends; the window is never
// destroyed): a save stops at once and removes its partial file, a watermark copy ends its
// ffmpeg and removes its temporary folder.
void LibraryEditsTest::quitEndsEveryJob()
{
    VideoListDialog *w = openLibrary();
    const QString output = clip("Vistrelle_big_已编辑.mp4");
    select(w, "Vistrelle_big.mp4");
    QVERIFY(clickWidget(button(w, "TrimButton")));
    QTimer quitter;
    QElapsedTimer sinceQuit;
    connect(&quitter, &QTimer::timeout, this, [&] {
        auto *progress = w->findChild<QProgressDialog *>("SaveProgress");
        if (sinceQuit.isValid() || !progress || !progress->isVisible() || !beingWritten(output))
            return;
        sinceQuit.start();
        QCoreApplication::exit(0);
    });
    quitter.start(50);
    QTimer::singleShot(0, this, [&] { QVERIFY(clickWidget(button(w, "PrimaryAction"))); });
    // A step that never comes fails the test instead of hanging it.
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
    deadline.start(60000);
    QApplication::exec();
    deadline.stop();
    quitter.stop();
    QVERIFY(sinceQuit.isValid());
    QVERIFY2(sinceQuit.elapsed() < 5000, qPrintable(QString::number(sinceQuit.elapsed())));
    QVERIFY(!QFileInfo::exists(output));
    QVERIFY(!beingWritten(output));
    QCOMPARE(toolsNaming(output), 0);

    // The watermark copy.
    const auto leftovers = [this] {
        return QDir(m_folder).entryList({".Vistrelle-watermark-*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const QStringList files = QDir(m_folder).entryList(QDir::Files);
    bool saved = false;
    QElapsedTimer sinceClick;
    connect(&quitter, &QTimer::timeout, this, [&] {
        // Clicked once the window manager has placed the dialog and given it the focus, and
        // again while it stays open (a click before then lands on whatever was below).
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (qobject_cast<WatermarkDialog *>(top) && top->isVisible() && top->windowHandle()
                && top->windowHandle()->isExposed() && top->isActiveWindow()
                && (!sinceClick.isValid() || sinceClick.elapsed() > 2000)) {
                saved = true;
                sinceClick.start();
                clickWidget(top->findChild<QPushButton *>("Primary"));
            }
        }
        auto *progress = w->findChild<QProgressDialog *>("SaveProgress");
        if (sinceQuit.isValid() || !progress || !progress->isVisible() || progress->value() < 1)
            return;
        QVERIFY(leftovers().size() == 1);
        sinceQuit.start();
        QCoreApplication::exit(0);
    });
    sinceQuit.invalidate();
    quitter.start(50);
    QTimer::singleShot(0, this, [&] { QVERIFY(clickWidget(button(w, "WatermarkButton"))); });
    deadline.start(60000);
    QApplication::exec();
    deadline.stop();
    quitter.stop();
    QVERIFY(saved && sinceQuit.isValid());
    QVERIFY2(leftovers().isEmpty(), qPrintable(leftovers().join(' ')));
    QCOMPARE(toolsNaming(QStringLiteral(".Vistrelle-watermark-")), 0);
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), files);
}

void LibraryEditsTest::fullScreen()
{
    VideoListDialog *w = openLibrary();
    // Under a window manager; the test desktop may run one already.
    QProcess openbox;
    if (!X11Connection::forGuiThread()->hasLiveWindowManager()) {
        openbox.start(QStringLiteral("openbox"), {});
        if (!openbox.waitForStarted(5000))
            QSKIP("openbox is not installed");
        QTRY_VERIFY_WITH_TIMEOUT(X11Connection::forGuiThread()->hasLiveWindowManager(), 10000);
    }
    select(w, "Vistrelle_edit [1], it's.mp4");
    QWidget *preview = w->findChild<QWidget *>("Preview");
    QVERIFY(clickWidget(preview, QPoint(30, 30), 2));
    QVideoWidget *view = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((view = [] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *v = qobject_cast<QVideoWidget *>(top); v && v->isVisible())
                return v;
        return static_cast<QVideoWidget *>(nullptr);
    }()),
                             5000);
    QTRY_COMPARE_WITH_TIMEOUT(view->frameGeometry().size(), QSize(1920, 1080), 5000);
    snapshot("fullscreen");
    // At once, as a quick user would: the focus may not have reached the view yet, and
    // Escape must not close the library.
    QVERIFY(xdotool({"key", "Escape"}));
    QTRY_VERIFY(!view->isVisible());
    QVERIFY(w->isVisible());
    QTRY_VERIFY(w->isActiveWindow());
    if (openbox.state() != QProcess::NotRunning) {
        openbox.terminate();
        openbox.waitForFinished(3000);
    }
}

// Changing the editor's mode back and forth leaves its header, and the preview above it, as
// they were: the title does not grow and the hint stays on one line.
void LibraryEditsTest::editorHeader()
{
    VideoListDialog *w = openLibrary();
    select(w, "Vistrelle_edit [1], it's.mp4");
    auto *title = w->findChild<QLabel *>("EditorTitle");
    auto *hint = w->findChild<QLabel *>("EditorHint");
    QWidget *preview = w->findChild<QWidget *>("Preview");
    const auto lines = [](QLabel *label) {
        const QRect text = label->fontMetrics().boundingRect(QRect(0, 0, label->contentsRect().width(), 1000),
                                                             Qt::TextWordWrap, label->text());
        return qRound(double(text.height()) / label->fontMetrics().lineSpacing());
    };
    QVERIFY(clickWidget(button(w, "TrimButton")));
    QTRY_COMPARE(w->currentEditMode(), QStringLiteral("trim"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int titleWidth = title->width();
    const int previewHeight = preview->height();
    QCOMPARE(lines(hint), 1);
    for (int i = 0; i < 12; ++i) {
        QVERIFY(clickWidget(button(w, i % 2 ? "TrimButton" : "SplitButton")));
        QTRY_COMPARE(w->currentEditMode(), i % 2 ? QStringLiteral("trim") : QStringLiteral("split"));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QTest::qWait(100);
    snapshot("editor-header");
    QCOMPARE(title->width(), titleWidth);
    QCOMPARE(preview->height(), previewHeight);
    QCOMPARE(lines(hint), 1);
}

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    LibraryEditsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_library_edits.moc"
