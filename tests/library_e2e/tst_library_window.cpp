// The media library window as the main window makes it, driven by real X events: listing
// a save folder of awkward names, searching, metadata, playing with sound.

#include "../support/FakeTool.h"
#include "../support/LibraryTestMedia.h"

#include "library/MediaLibraryFiles.h"
#include "library/PlayerWindow.h"
#include "library/RecordCard.h"
#include "library/TimelineRangeWidget.h"
#include "library/VideoListDialog.h"
#include "library/VideoPlayer.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>
#include <bit>

#include <functional>
#include <memory>

using namespace LibraryMedia;


class LibraryWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listing();
    void playback();
    void previewWithoutPlaying();
    void deleteWhileProbing();
    void noSoundServer();
    void cardTexts();
    void fullScreenPlayback();
    void pictureAgreesWithTime();
    void clickToSeek();
    void unmeasuredFileKeepsThePlayersLength();
    void goneBehindItsBack();
    void listColumnWidth();
    void keyboard();
    void cleanupTestCase();

private:
    VideoListDialog *openLibrary();
    QString clip(const QString &name) const { return m_folder + QLatin1Char('/') + name; }
    int rowOf(VideoListDialog *w, const QString &fileName) const;
    bool waitForMetadata(VideoListDialog *w, int timeoutMs = 30000);
    void checkScreenshotTime(VideoListDialog *w, const QLabel *time);

    QTemporaryDir m_root;
    QString m_folder;
    QPointer<VideoListDialog> m_window;
    MessageBoxCatcher *m_boxes = nullptr;
};

void LibraryWindowTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QCoreApplication::setOrganizationName(QStringLiteral("VistrelleLibraryWindowTest"));
    QSettings().clear();
    QApplication::setQuitOnLastWindowClosed(false);
    m_boxes = new MessageBoxCatcher(this);

    m_folder = m_root.filePath(TestMedia::awkwardName());
    QVERIFY(QDir().mkpath(m_folder));
    QSettings().setValue(QStringLiteral("save/directory"), m_folder);

    QVERIFY(makeClip(clip("Vistrelle_it's, [a]: one.mp4"), 5));
    QVERIFY(makeClip(clip("Vistrelle_中文 录制.mp4"), 5));
    QVERIFY(makeClip(clip("Vistrelle_long.mkv"), 5.4));
    QVERIFY(makeClip(clip("Vistrelle_silent.mp4"), 5, false));
    QVERIFY(makeMp3WithCover(clip("Vistrelle_cover.mp3"), 5));
    QVERIFY(makeWav(clip("Vistrelle_tone.wav"), 5));
    QVERIFY(makeClip(clip("clip.mp4"), 1));
    QVERIFY(makeClip(clip("Vistrelle_x.merging.mp4"), 1));
    QByteArray junk(200000, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919) % 251);
    QVERIFY(writeBytes(clip("Vistrelle_broken.mp4"), junk));
}

void LibraryWindowTest::cleanupTestCase()
{
    delete m_window;
}

// As the main window does it: create, show, and rescan 50 ms later.
VideoListDialog *LibraryWindowTest::openLibrary()
{
    if (!m_window) {
        m_window = createVideoListDialog(nullptr);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        QTimer::singleShot(50, m_window, [w = m_window] { w->loadFromDisk(); });
        QTest::qWait(150);
    }
    return m_window;
}

// The shown button of the window with that text.
static QPushButton *shownButton(QWidget *window, const QString &text)
{
    for (QPushButton *b : window->findChildren<QPushButton *>())
        if (b->text() == text && b->isVisible())
            return b;
    return nullptr;
}

int LibraryWindowTest::rowOf(VideoListDialog *w, const QString &fileName) const
{
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    for (int row = 0; row < list->count(); ++row) {
        const int index = list->item(row)->data(Qt::UserRole).toInt();
        if (w->recordList().value(index).fileName == fileName)
            return row;
    }
    return -1;
}

bool LibraryWindowTest::waitForMetadata(VideoListDialog *w, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        bool all = !w->recordList().isEmpty();
        for (const VideoRecord &r : w->recordList()) {
            if (r.fileName != QLatin1String("Vistrelle_broken.mp4") && r.duration == 0)
                all = false;
        }
        if (all)
            return true;
        QTest::qWait(50);
    }
    return false;
}

void LibraryWindowTest::listing()
{
    VideoListDialog *w = openLibrary();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QVERIFY(waitForMetadata(w));
    auto *count = w->findChild<QLabel *>(QStringLiteral("Count"));
    QCOMPARE(count->text(), QStringLiteral("7 个文件"));
    QTest::qWait(1500);
    snapshot("listing");
    QCOMPARE(rowOf(w, "clip.mp4"), -1);
    QCOMPARE(rowOf(w, "Vistrelle_x.merging.mp4"), -1);

    QHash<QString, VideoRecord> byName;
    for (const VideoRecord &r : w->recordList())
        byName.insert(r.fileName, r);
    QCOMPARE(byName.value("Vistrelle_long.mkv").duration, 5);
    QCOMPARE(byName.value("Vistrelle_中文 录制.mp4").resolution, QSize(640, 360));
    QCOMPARE(byName.value("Vistrelle_中文 录制.mp4").fps, 30);
    QCOMPARE(byName.value("Vistrelle_silent.mp4").audioCodec, QString());
    QVERIFY(byName.value("Vistrelle_cover.mp3").isAudio);
    QCOMPARE(byName.value("Vistrelle_cover.mp3").audioCodec, QStringLiteral("MP3"));
    QVERIFY(byName.value("Vistrelle_tone.wav").isAudio);
    QCOMPARE(byName.value("Vistrelle_tone.wav").sampleRate, 48000);
    QCOMPARE(byName.value("Vistrelle_broken.mp4").duration, -1); // unknown
    QCOMPARE(byName.value("Vistrelle_broken.mp4").resolution, QSize(-1, -1));

    // The tabs and the search box, through real clicks and typing.
    const QList<QPushButton *> tabs = w->findChildren<QPushButton *>();
    QPushButton *audioTab = nullptr;
    QPushButton *allTab = nullptr;
    for (QPushButton *b : tabs) {
        if (b->text() == QStringLiteral("音频"))
            audioTab = b;
        if (b->text() == QStringLiteral("全部"))
            allTab = b;
    }
    QVERIFY(audioTab && allTab);
    QVERIFY(clickWidget(audioTab));
    QTRY_COMPARE(count->text(), QStringLiteral("2 个文件"));
    QVERIFY(clickWidget(allTab));
    QTRY_COMPARE(count->text(), QStringLiteral("7 个文件"));

    auto *search = w->findChild<QLineEdit *>(QStringLiteral("Search"));
    QVERIFY(clickWidget(search));
    QTRY_VERIFY(search->hasFocus());
    QVERIFY(xdotool({"type", "--delay", "40", "SILENT"}));
    QTRY_COMPARE(count->text(), QStringLiteral("1 个文件"));
    // Return in the search box presses no button of the window.
    m_boxes->titles.clear();
    QVERIFY(xdotool({"key", "Return"}));
    QTest::qWait(300);
    QVERIFY(m_boxes->titles.isEmpty());
    QVERIFY(w->isVisible());
    search->clear();
    QTRY_COMPARE(count->text(), QStringLiteral("7 个文件"));

    // The corrupt file's card has no picture, and its details no picture size.
    auto *cardList = w->findChild<QListWidget *>(QStringLiteral("List"));
    auto *brokenCard =
        dynamic_cast<RecordCard *>(cardList->itemWidget(cardList->item(rowOf(w, "Vistrelle_broken.mp4"))));
    QVERIFY(brokenCard);
    QTRY_COMPARE_WITH_TIMEOUT(brokenCard->placeholderLabel()->text(), QStringLiteral("无法加载缩略图"), 15000);
    m_boxes->titles.clear();
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    list->setFocus();
    QSignalSpy playerErrors(w->videoPlayer(), &VideoPlayer::errorOccurred);
    list->setCurrentRow(rowOf(w, "Vistrelle_broken.mp4"));
    auto *info = w->findChild<QLabel *>(QStringLiteral("Info"));
    QTRY_VERIFY(info->text().contains(QStringLiteral("MP4")));
    QVERIFY(!info->text().contains(QStringLiteral("-1")));
    // Only selected, the unreadable file shows no box, though the player has given up on it.
    QTRY_VERIFY_WITH_TIMEOUT(playerErrors.count() > 0, 10000);
    QTest::qWait(300);
    QVERIFY2(m_boxes->titles.isEmpty(), qPrintable(m_boxes->titles.join(QLatin1Char(','))));
    // Playing it fails with a warning, and the window goes on.
    QVERIFY(xdotool({"key", "space"}));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(QStringLiteral("播放失败")), 10000);
    // It says why in the interface's language.
    QCOMPARE(m_boxes->texts.value(m_boxes->titles.indexOf(QStringLiteral("播放失败"))),
             QStringLiteral("无法打开文件：文件无法读取或已损坏"));
    QVERIFY(w->isVisible());
    // Screenshot of it says the same, not that the picture is not ready yet.
    m_boxes->titles.clear();
    m_boxes->texts.clear();
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("ScreenshotButton"))));
    QTRY_VERIFY_WITH_TIMEOUT(!m_boxes->titles.isEmpty(), 10000);
    QCOMPARE(m_boxes->texts, QStringList{QStringLiteral("无法打开文件：文件无法读取或已损坏")});

    // The test desktop has no folder opener: "Open Folder" says so and names the folder.
    m_boxes->titles.clear();
    m_boxes->texts.clear();
    QVERIFY(clickWidget(shownButton(w, QStringLiteral("打开文件夹"))));
    QTRY_VERIFY_WITH_TIMEOUT(!m_boxes->titles.isEmpty(), 10000);
    QCOMPARE(m_boxes->titles, QStringList{QStringLiteral("Open Folder")});
    QVERIFY2(m_boxes->texts.value(0).contains(QDir::toNativeSeparators(m_folder)), qPrintable(m_boxes->texts.value(0)));

    // An empty file: its card and its details say so, nothing edits it, and playing it says why.
    const QString empty = QStringLiteral("Vistrelle_empty.mp4");
    QVERIFY(writeBytes(clip(empty), QByteArray()));
    w->loadFromDisk();
    QTRY_VERIFY_WITH_TIMEOUT(rowOf(w, empty) >= 0, 10000);
    auto *emptyCard = dynamic_cast<RecordCard *>(cardList->itemWidget(cardList->item(rowOf(w, empty))));
    QVERIFY(emptyCard);
    QTRY_COMPARE_WITH_TIMEOUT(emptyCard->placeholderLabel()->text(), QStringLiteral("文件为空"), 15000);
    list->setCurrentRow(rowOf(w, empty));
    QTRY_COMPARE(info->text(), QStringLiteral("文件为空"));
    QVERIFY(!w->findChild<QPushButton *>(QStringLiteral("TrimButton"))->isEnabled());
    QVERIFY(!w->findChild<QPushButton *>(QStringLiteral("PrimaryAction"))->isEnabled());
    m_boxes->titles.clear();
    m_boxes->texts.clear();
    list->setFocus();
    QVERIFY(xdotool({"key", "space"}));
    QTRY_VERIFY_WITH_TIMEOUT(!m_boxes->titles.isEmpty(), 10000);
    QCOMPARE(m_boxes->texts, QStringList{QStringLiteral("文件为空")});
    m_boxes->texts.clear();
    QVERIFY(clickWidget(emptyCard, QPoint(-1, -1), 2)); // a double click plays too: it says why not
    QTRY_COMPARE_WITH_TIMEOUT(m_boxes->texts, QStringList{QStringLiteral("文件为空")}, 10000);
    m_boxes->texts.clear();
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("PlayButton")))); // and so does Play
    QTRY_COMPARE_WITH_TIMEOUT(m_boxes->texts, QStringList{QStringLiteral("文件为空")}, 10000);
    QVERIFY2(m_boxes->cramped.isEmpty(), qPrintable(m_boxes->cramped.join(", ")));
    // Its More menu offers only what works on no data: renaming and its facts. The menu waits
    // in its own loop: it is read and closed from a timer.
    QStringList offered;
    QTimer menuReader;
    connect(&menuReader, &QTimer::timeout, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        for (QAction *action : menu->actions())
            if (action->isEnabled() && !action->isSeparator())
                offered << action->text();
        menu->close();
    });
    menuReader.start(50);
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("MoreButton"))));
    QTRY_VERIFY_WITH_TIMEOUT(!offered.isEmpty(), 10000);
    menuReader.stop();
    QCOMPARE(offered, (QStringList{QStringLiteral("重命名文件"), QStringLiteral("查看文件信息")}));
    QVERIFY(QFile::remove(clip(empty)));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
}

// How steadily the player's pictures advance, as the user sees them: after the start (the
// player may skip some pictures of its first half second while the sound starts), no picture
// is more than four frame times after the one before it, pictures that skip one are few, and
// no picture stays on screen longer than a third of a second; the last one is the file's end.
class PictureSteps : public QObject
{
public:
    explicit PictureSteps(VideoPlayer *player)
    {
        connect(player, &VideoPlayer::frameReady, this, [this](const QImage &, double pts) {
            const qint64 now = m_clock.elapsed();
            if (m_count++ == 0) {
                m_first = pts;
            } else {
                if (pts > StartSeconds)
                    m_longestStep = std::max(m_longestStep, pts - m_last);
                m_skips += pts - m_last > 1.5 * FrameTime;
                m_longestWaitMs = std::max(m_longestWaitMs, now - m_lastAtMs);
            }
            m_last = pts;
            m_lastAtMs = now;
        });
        m_clock.start();
    }
    bool steady(double duration) const
    {
        return m_count > 1 && m_first <= StartSeconds && m_last >= duration - 2 * FrameTime
               && m_longestStep <= 4 * FrameTime + 0.001 && m_skips * 10 <= m_count && m_longestWaitMs <= 333;
    }
    QString said() const
    {
        return QStringLiteral("%1 pictures from %2 s to %3 s, %4 skipping one; longest step %5 s, "
                              "longest time on screen %6 ms")
            .arg(m_count).arg(m_first).arg(m_last).arg(m_skips).arg(m_longestStep).arg(m_longestWaitMs);
    }

private:
    static constexpr double FrameTime = 1.0 / 30; // the test clips' frame rate
    static constexpr double StartSeconds = 0.5;
    QElapsedTimer m_clock;
    int m_count = 0;
    int m_skips = 0;
    double m_first = -1;
    double m_last = -1;
    double m_longestStep = 0;
    qint64 m_lastAtMs = 0;
    qint64 m_longestWaitMs = 0;
};

void LibraryWindowTest::playback()
{
    VideoListDialog *w = openLibrary();
    QVERIFY(waitForMetadata(w));
    m_boxes->titles.clear();
    VideoPlayer *player = w->videoPlayer();
    auto frames = std::make_unique<PictureSteps>(player);
    QSignalSpy finished(player, &VideoPlayer::playbackFinished);

    // The Chinese name opens and plays from showAndPlay, at the slider's volume. The picture
    // advances steadily from start to end (a late picture is dropped on a busy machine, but
    // never many in a row).
    const QString chinese = clip("Vistrelle_中文 录制.mp4");
    w->showAndPlay(chinese, true);
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1, 15000);
    qInfo().noquote() << frames->said();
    QVERIFY2(frames->steady(5.0), qPrintable(frames->said()));
    QVERIFY2(m_boxes->titles.isEmpty(), qPrintable(m_boxes->titles.join(QLatin1Char(',')) + QLatin1Char(' ') + m_boxes->texts.join(QLatin1Char(','))));
    QCOMPARE(w->recordList().value(w->currentRecordIndex()).path, chinese);
    QCOMPARE(player->volume(), 0.8f);
    QVERIFY(player->hasAudioOutput());

    // Space replays after the end.
    frames = std::make_unique<PictureSteps>(player);
    QVERIFY(xdotool({"key", "space"}));
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 2, 15000);
    qInfo().noquote() << frames->said();
    QVERIFY2(frames->steady(5.0), qPrintable(frames->said()));

    // An mp3 with a cover picture plays to its end (its picture once took the process down),
    // and a video played after it shows its pictures again.
    w->showAndPlay(clip("Vistrelle_cover.mp3"), true);
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 3, 15000);
    QVERIFY2(m_boxes->titles.isEmpty(), qPrintable(m_boxes->texts.join(QLatin1Char(','))));
    frames = std::make_unique<PictureSteps>(player);
    w->showAndPlay(chinese, true);
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 4, 15000);
    qInfo().noquote() << frames->said();
    QVERIFY2(frames->steady(5.0), qPrintable(frames->said()));
}

// Run as a child without a sound server: plays a file to its end and reports the frames.
static int playWithoutSoundServer(const QString &path)
{
    VideoPlayer player;
    int frames = 0;
    QObject::connect(&player, &VideoPlayer::frameReady, [&] { ++frames; });
    QObject::connect(&player, &VideoPlayer::playbackFinished, [] { QCoreApplication::exit(0); });
    QObject::connect(&player, &VideoPlayer::errorOccurred, [](const QString &m) {
        fprintf(stderr, "error: %s\n", qPrintable(m));
        QCoreApplication::exit(2);
    });
    if (!player.open(path))
        return 3;
    player.play();
    QTimer::singleShot(20000, [] { QCoreApplication::exit(4); });
    const int code = QCoreApplication::exec();
    printf("frames=%d audio=%d\n", frames, player.hasAudioOutput() ? 1 : 0);
    return code;
}

void LibraryWindowTest::previewWithoutPlaying()
{
    VideoListDialog *w = openLibrary();
    QVERIFY(waitForMetadata(w));
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    auto *time = w->findChild<QLabel *>(QStringLiteral("Time"));
    auto *bar = w->findChild<TimelineRangeWidget *>(QStringLiteral("RangeBar"));

    // The Matroska file reports no duration to the player: the probed one stays.
    list->setCurrentRow(rowOf(w, "Vistrelle_long.mkv"));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, QStringLiteral("Vistrelle_long.mkv"));
    QTRY_VERIFY_WITH_TIMEOUT(!bar->stripPixmap.isNull(), 10000);
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("PlayButton"))));
    QTest::qWait(1500);
    QVERIFY2(time->text().endsWith(QStringLiteral("/ 00:05")), qPrintable(time->text()));
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("PlayButton"))));
    QTRY_VERIFY(!w->videoPlayer()->isPlaying());

    // A scrub on a file that was never played shows its frame.
    list->setCurrentRow(rowOf(w, "Vistrelle_silent.mp4"));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, QStringLiteral("Vistrelle_silent.mp4"));
    QTRY_VERIFY_WITH_TIMEOUT(!bar->stripPixmap.isNull(), 10000);
    QTest::qWait(300);
    QSignalSpy frames(w->videoPlayer(), &VideoPlayer::frameReady);
    const QPoint at(qRound(TimelineRangeWidget::xForTime(2.5, bar->width(), bar->duration)), 36);
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("SplitButton"))));
    QVERIFY(clickWidget(bar, at));
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 0, 5000);
    QTest::qWait(500);
    QVERIFY(!w->videoPlayer()->isPlaying());

    // A still before playing is a full frame, not the cropped preview picture.
    list->setCurrentRow(rowOf(w, "Vistrelle_it's, [a]: one.mp4"));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, QStringLiteral("Vistrelle_it's, [a]: one.mp4"));
    QTRY_VERIFY_WITH_TIMEOUT(!bar->stripPixmap.isNull(), 10000);
    m_boxes->titles.clear();
    const QStringList before = QDir(m_folder).entryList({"*.png"});
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("ScreenshotButton"))));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(QStringLiteral("截图完成")), 10000);
    const QStringList after = QDir(m_folder).entryList({"*.png"});
    QCOMPARE(after.size(), before.size() + 1);
    QString still;
    for (const QString &name : after)
        if (!before.contains(name))
            still = name;
    QVERIFY(still.startsWith(QStringLiteral("Vistrelle_it's, [a]: one_")));
    QCOMPARE(QImage(clip(still)).size(), QSize(640, 360));
    QFile::remove(clip(still));

    // A portrait clip's still before playing shows the whole upright frame, as playback does.
    const QString portrait = QStringLiteral("Vistrelle_portrait.mp4");
    QVERIFY(makeClip(clip(portrait), 1, false, QSize(360, 640)));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
    list->setCurrentRow(rowOf(w, portrait));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, portrait);
    auto *surface = w->findChild<QLabel *>(QStringLiteral("Preview"));
    QVERIFY(surface);
    QTRY_VERIFY_WITH_TIMEOUT(!surface->pixmap().isNull(), 10000);
    const QSize shown = surface->pixmap().deviceIndependentSize().toSize();
    snapshot("portrait-still");
    QVERIFY2(qAbs(shown.width() * 640 - shown.height() * 360) <= 2 * 640, qPrintable(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height())));
    QVERIFY(QFile::remove(clip(portrait)));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
}

// A card deleted while the probes are slow: the other cards still get their durations.
void LibraryWindowTest::deleteWhileProbing()
{
    VideoListDialog *w = openLibrary();
    QVERIFY(waitForMetadata(w));
    QTemporaryDir bin;
    QFile slow(bin.filePath("ffprobe"));
    QVERIFY(slow.open(QIODevice::WriteOnly));
    slow.write("#!/bin/sh\nsleep 1.5\nexec " + QFile::encodeName(QStandardPaths::findExecutable("ffprobe"))
               + " \"$@\"\n");
    slow.close();
    QVERIFY(slow.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + savedPath);

    const QString doomed = clip("Vistrelle_doomed.mp4");
    QVERIFY(makeClip(doomed, 1, false));
    w->loadFromDisk();
    // The newest file is the first row; delete it through its card's own button.
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    QCOMPARE(w->recordList().value(list->item(0)->data(Qt::UserRole).toInt()).path, doomed);
    QWidget *card = list->itemWidget(list->item(0));
    const QList<QPushButton *> buttons = card->findChildren<QPushButton *>();
    QVERIFY(!buttons.isEmpty());
    // Return alone in the question keeps the file. The key is sent from a timer: the
    // question waits in its own loop.
    m_boxes->answer(MessageBoxCatcher::kLeaveOpen);
    bool answered = false;
    QTimer returner;
    connect(&returner, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (answered || !box || !box->isVisible() || !box->isActiveWindow())
            return;
        answered = true;
        xdotool({"key", "Return"});
    });
    returner.start(50);
    QVERIFY(clickWidget(buttons.last()));
    QTRY_VERIFY_WITH_TIMEOUT(answered && !QApplication::activeModalWidget(), 20000);
    returner.stop();
    QVERIFY(QFileInfo::exists(doomed));
    m_boxes->answer(QMessageBox::Yes);
    QVERIFY(clickWidget(buttons.last()));
    QTRY_VERIFY(!QFileInfo::exists(doomed));
    m_boxes->answer(QMessageBox::Ok);
    QVERIFY(waitForMetadata(w, 20000));
    qputenv("PATH", savedPath);
    for (const VideoRecord &r : w->recordList()) {
        if (r.fileName != QLatin1String("Vistrelle_broken.mp4"))
            QVERIFY2(r.duration == 5, qPrintable(r.fileName));
        if (r.fileName == QLatin1String("Vistrelle_long.mkv"))
            QCOMPARE(r.resolution, QSize(640, 360));
    }
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Count"))->text(), QStringLiteral("7 个文件"));
}

// Without a sound server Qt lists no output: the player plays without sound and does not crash.
void LibraryWindowTest::noSoundServer()
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PULSE_SERVER", "unix:/nonexistent/pulse/native");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--play-without-sound", clip("Vistrelle_silent.mp4")});
    QVERIFY(child.waitForFinished(30000));
    const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, qPrintable(out + child.readAllStandardError()));
    QVERIFY2(out.contains("audio=0"), qPrintable(out));
    const int frames = out.section("frames=", 1).section(' ', 0, 0).toInt();
    QVERIFY2(frames >= 140, qPrintable(out));
}

// A card shows its name as far as the column allows (a whole default recording name in a
// maximised window) and its whole date line.
void LibraryWindowTest::cardTexts()
{
    VideoListDialog *w = openLibrary();
    QVERIFY(waitForMetadata(w));
    const QString name = QStringLiteral("Vistrelle_2026-12-07_120000_123.mp4");
    QVERIFY(makeClip(clip(name), 1, false));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    const auto card = [&] { return dynamic_cast<RecordCard *>(list->itemWidget(list->item(rowOf(w, name)))); };
    QVERIFY(card());
    const auto checkTexts = [&](int minimumTitleWidth) {
        QLabel *title = card()->titleLabel();
        QLabel *detail = card()->detailLabel();
        QVERIFY2(title->width() >= minimumTitleWidth, qPrintable(QString::number(title->width())));
        QCOMPARE(title->text(), title->fontMetrics().elidedText(name, Qt::ElideMiddle, title->contentsRect().width()));
        QVERIFY2(detail->contentsRect().width() >= detail->fontMetrics().horizontalAdvance(detail->text()),
                 qPrintable(detail->text() + QLatin1Char(' ') + QString::number(detail->width())));
        QVERIFY(detail->text().contains(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"))));
        // Neither runs over the thumbnail nor under the delete button.
        const QRect titleArea(title->mapTo(card(), QPoint(0, 0)), title->size());
        QVERIFY(titleArea.left() >= 12 + 132);
        QVERIFY(titleArea.right() < card()->width() - 10 - 30);
    };
    checkTexts(RecordCard::kMinimumTextWidth);
    QVERIFY2(card()->titleLabel()->text().size() >= 20, qPrintable(card()->titleLabel()->text()));
    snapshot("cards");
    // A rescan (as after a save) keeps the known duration while the file is probed again.
    QVERIFY(card()->detailLabel()->text().startsWith(QStringLiteral("00:01")));
    w->loadFromDisk();
    QVERIFY2(card()->detailLabel()->text().startsWith(QStringLiteral("00:01")), qPrintable(card()->detailLabel()->text()));
    QVERIFY(waitForMetadata(w));

    // A Matroska header claiming 10 hours (its Duration element rewritten) for 3 s of streams
    // shows the 3 s on its card and beside the preview, as it plays.
    const QString claims = QStringLiteral("Vistrelle_claims.mkv");
    QVERIFY(makeClip(clip(claims), 3));
    QFile mkv(clip(claims));
    QVERIFY(mkv.open(QIODevice::ReadWrite));
    const qsizetype at = mkv.read(4096).indexOf(QByteArray("\x44\x89\x88", 3));
    QVERIFY(at > 0 && mkv.seek(at + 3));
    const quint64 bits = qToBigEndian(std::bit_cast<quint64>(36000000.0)); // milliseconds
    QVERIFY(mkv.write(reinterpret_cast<const char *>(&bits), 8) == 8);
    mkv.close();
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
    const auto claimsCard = dynamic_cast<RecordCard *>(list->itemWidget(list->item(rowOf(w, claims))));
    QVERIFY2(claimsCard->detailLabel()->text().startsWith(QStringLiteral("00:03")), qPrintable(claimsCard->detailLabel()->text()));
    list->setCurrentRow(rowOf(w, claims));
    QTRY_VERIFY(w->findChild<QLabel *>(QStringLiteral("Time"))->text().endsWith(QStringLiteral("/ 00:03")));
    snapshot("header-claims-10-hours");
    QVERIFY(QFile::remove(clip(claims)));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));

    // At the window's narrowest the column's floor decides its width (two fifths would leave
    // less): a name's column keeps 150 px, and the date line stays whole.
    const QSize opened = w->size();
    w->resize(w->minimumWidth(), opened.height());
    QTRY_COMPARE(w->width(), w->minimumWidth());
    QWidget *column = w->findChild<QWidget *>(QStringLiteral("Left"));
    QTRY_VERIFY(card()->width() <= list->viewport()->width());
    QTRY_COMPARE(column->width(), column->minimumWidth());
    checkTexts(150);
    // There a long name in the details header is shortened in its middle beside its buttons.
    const QString longName = QStringLiteral("Vistrelle_%1.mp4").arg(QString(70, QLatin1Char('w')));
    QVERIFY(makeClip(clip(longName), 1, false));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
    list->setCurrentRow(rowOf(w, longName));
    auto *header = w->findChild<QLabel *>(QStringLiteral("FileTitle"));
    QTRY_COMPARE(header->toolTip(), longName);
    QTRY_COMPARE(header->text(), header->fontMetrics().elidedText(longName, Qt::ElideMiddle,
                                                                  header->contentsRect().width()));
    QVERIFY2(header->text().contains(QChar(0x2026)), qPrintable(header->text()));
    snapshot("narrowest");
    QVERIFY(QFile::remove(clip(longName)));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
    w->resize(opened);
    QTRY_COMPARE(w->size(), opened);

    // Maximised, the column is wide enough for the whole name.
    const QSize normal = w->size();
    if (qgetenv("VISTRELLE_TEST_WM") == "1")
        w->showMaximized();
    else
        w->resize(w->screen()->availableGeometry().size());
    QTRY_VERIFY(w->width() >= w->screen()->availableGeometry().width() - 20);
    QTRY_COMPARE(card()->titleLabel()->text(), name);
    checkTexts(RecordCard::kMinimumTextWidth);
    snapshot("cards-maximised");
    w->showNormal();
    w->resize(normal);
    QTRY_COMPARE(w->size(), normal);

    QVERIFY(QFile::remove(clip(name)));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
}

static QWidget *visibleTopLevel(const QString &objectName)
{
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t->objectName() == objectName && t->isVisible())
            return t;
    return nullptr;
}

// Share of the screen's pixels that are about the clip's yellow.
static double yellowShare(const QImage &screen)
{
    const QImage image = screen.convertToFormat(QImage::Format_RGB32);
    int yellow = 0;
    int total = 0;
    for (int y = 0; y < image.height(); y += 8) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); x += 8) {
            ++total;
            if (qRed(line[x]) > 180 && qGreen(line[x]) > 160 && qBlue(line[x]) < 110)
                ++yellow;
        }
    }
    return total ? double(yellow) / total : 0.0;
}

// Full-screen playback shows the playing picture over the whole screen, under a window
// manager too, entered with the button or F and left with Escape, while it plays.
void LibraryWindowTest::fullScreenPlayback()
{
    VideoListDialog *w = openLibrary();
    QVERIFY(waitForMetadata(w));
    const QString name = QStringLiteral("Vistrelle_yellow.mp4");
    QVERIFY(TestMedia::runFfmpeg({"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                  "color=c=0xF0E020:size=640x360:rate=30", "-f", "lavfi", "-i",
                                  "sine=frequency=500:sample_rate=48000", "-t", "20", "-c:v", "libx264", "-preset",
                                  "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac", clip(name)}));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    list->setCurrentRow(rowOf(w, name));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, name);
    QScreen *screen = w->screen();
    for (int round = 0; round < 2; ++round) {
        QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("PlayButton"))));
        QTRY_VERIFY_WITH_TIMEOUT(w->videoPlayer()->isPlaying() && w->videoPlayer()->position() > 0.3, 10000);
        if (round == 0)
            QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("FullscreenButton"))));
        else
            QVERIFY(xdotool({"key", "f"}));
        QWidget *view = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((view = visibleTopLevel(QStringLiteral("FullscreenView"))), 5000);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QTRY_VERIFY_WITH_TIMEOUT(view->geometry() == screen->geometry(), 5000);
        // The picture is there while it plays: most of the screen is the clip's yellow.
        double share = 0;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 8000 && (share = yellowShare(screen->grabWindow(0).toImage())) < 0.6)
            QTest::qWait(100);
        snapshot(QStringLiteral("fullscreen-%1").arg(round));
        QVERIFY2(share >= 0.6, qPrintable(QString::number(share)));
        QVERIFY(w->videoPlayer()->isPlaying());
        QVERIFY(xdotool({"key", "Escape"}));
        QTRY_VERIFY(!view->isVisible());
        // Back in the window, the preview follows the playing picture again.
        QSignalSpy frames(w->videoPlayer(), &VideoPlayer::frameReady);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 5, 5000);
        QTRY_VERIFY(w->isActiveWindow());
        QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("PlayButton"))));
        QTRY_VERIFY(!w->videoPlayer()->isPlaying());
    }
    w->videoPlayer()->close();
    QVERIFY(QFile::remove(clip(name)));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
}

// Waits until the player stands within half a second of `seconds` (or, playing, at most as far
// past it as the time the wait took).
static bool positionNear(VideoPlayer *player, double seconds, bool playing)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 8000) {
        const double at = player->position();
        if (at >= seconds - 0.5 && at <= seconds + 0.5 + (playing ? t.elapsed() / 1000.0 : 0.0))
            return true;
        QTest::qWait(20);
    }
    qWarning() << "position" << player->position() << "wanted" << seconds;
    return false;
}

// The time a picture of the ramp clip shows: its grey level is 8 per second (limited range).
static double rampSeconds(const QImage &image)
{
    return image.isNull() ? -100 : (qGreen(image.pixel(image.width() / 2, image.height() / 2)) * 219.0 / 255.0 + 16) / 8;
}

// The seconds of the "mm:ss / mm:ss" label.
static double labelSeconds(const QLabel *time)
{
    const QStringList parts = time->text().section(QLatin1Char('/'), 0, 0).trimmed().split(QLatin1Char(':'));
    return parts.size() == 2 ? parts.at(0).toInt() * 60 + parts.at(1).toInt() : -100;
}

// A Screenshot of the ramp clip saves the time the label reads.
void LibraryWindowTest::checkScreenshotTime(VideoListDialog *w, const QLabel *time)
{
    m_boxes->titles.clear();
    const QStringList before = QDir(m_folder).entryList({"*.png"});
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("ScreenshotButton"))));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(QStringLiteral("截图完成")), 10000);
    int saved = 0;
    for (const QString &still : QDir(m_folder).entryList({"*.png"})) {
        if (before.contains(still))
            continue;
        ++saved;
        const double shown = rampSeconds(QImage(clip(still)));
        QVERIFY(QFile::remove(clip(still)));
        QVERIFY2(qAbs(shown - labelSeconds(time)) <= 1.0, qPrintable(QStringLiteral("still %1 s, label %2").arg(shown).arg(time->text())));
    }
    QCOMPARE(saved, 1);
}

// Selected and never played, then played to the end and sought back twice in full screen: the
// picture and a Screenshot show the time the window reads.
void LibraryWindowTest::pictureAgreesWithTime()
{
    VideoListDialog *w = openLibrary();
    QVERIFY(waitForMetadata(w));
    const QString name = QStringLiteral("Vistrelle_ramp.mp4");
    QVERIFY(TestMedia::runFfmpeg({"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                  "nullsrc=size=320x180:rate=30,geq=lum='T*8':cb=128:cr=128", "-t", "30", "-c:v",
                                  "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "30", clip(name)}));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    list->setCurrentRow(rowOf(w, name));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, name);
    auto *bar = w->findChild<QSlider *>(QStringLiteral("Seek"));
    auto *time = w->findChild<QLabel *>(QStringLiteral("Time"));
    auto *surface = w->findChild<QLabel *>(QStringLiteral("Preview"));
    VideoPlayer *player = w->videoPlayer();
    // Never played: the still, the time beside it and a Screenshot are of one moment.
    QTRY_VERIFY_WITH_TIMEOUT(rampSeconds(surface->pixmap().toImage()) > 5, 10000); // the still of 7.5 s
    QVERIFY2(qAbs(rampSeconds(surface->pixmap().toImage()) - labelSeconds(time)) <= 1.0,
             qPrintable(QStringLiteral("still %1 s, label %2").arg(rampSeconds(surface->pixmap().toImage())).arg(time->text())));
    checkScreenshotTime(w, time);
    // Play starts there, not at 0:00.
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("PlayButton"))));
    QTRY_VERIFY_WITH_TIMEOUT(player->isPlaying(), 10000);
    QTRY_VERIFY2_WITH_TIMEOUT(player->position() > 7.0 && rampSeconds(surface->pixmap().toImage()) > 6.5,
                              qPrintable(QStringLiteral("playing at %1 s").arg(player->position())), 4000);
    QVERIFY(clickWidget(bar, QPoint(qRound(bar->width() * 0.85), bar->height() / 2)));
    QVERIFY(positionNear(player, 25.5, true));
    QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 15000);
    QVERIFY(xdotool({"key", "f"}));
    QWidget *view = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((view = visibleTopLevel(QStringLiteral("FullscreenView"))), 5000);
    QTRY_VERIFY(view->hasFocus());
    // Entered at the end, it shows the last picture (the ramp's near white), not black.
    const auto screenMiddle = [w] {
        const QImage screen = w->screen()->grabWindow(0).toImage();
        return qGray(screen.pixel(screen.width() / 2, screen.height() / 2));
    };
    QTRY_VERIFY2_WITH_TIMEOUT(screenMiddle() > 150, qPrintable(QString::number(screenMiddle())), 5000);
    QVERIFY(xdotool({"key", "Left"}));
    QVERIFY(positionNear(player, 25.0, false));
    QVERIFY(xdotool({"key", "Left"}));
    QVERIFY(positionNear(player, 20.0, false));
    QVERIFY(xdotool({"key", "Escape"}));
    QTRY_VERIFY(!view->isVisible());
    QTRY_VERIFY2_WITH_TIMEOUT(qAbs(rampSeconds(surface->pixmap().toImage()) - labelSeconds(time)) <= 1.0,
                              qPrintable(QStringLiteral("picture %1 s, label %2")
                                             .arg(rampSeconds(surface->pixmap().toImage()))
                                             .arg(time->text())),
                              5000);
    checkScreenshotTime(w, time);
    player->close();

    // A Matroska copy, which the player cannot seek in: Split starts at the still's time, and
    // the split marker taken elsewhere shows that place, as the label and a Screenshot do.
    const QString mkv = QStringLiteral("Vistrelle_ramp.mkv");
    QVERIFY(TestMedia::runFfmpeg({"-hide_banner", "-loglevel", "error", "-y", "-i", clip(name), "-c", "copy", clip(mkv)}));
    QVERIFY(QFile::remove(clip(name)));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
    list->setCurrentRow(rowOf(w, mkv));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, mkv);
    QTRY_VERIFY_WITH_TIMEOUT(rampSeconds(surface->pixmap().toImage()) > 5, 10000);
    auto *range = w->findChild<TimelineRangeWidget *>(QStringLiteral("RangeBar"));
    auto *split = w->findChild<QPushButton *>(QStringLiteral("SplitButton"));
    QVERIFY(clickWidget(split));
    QTRY_VERIFY(split->isChecked());
    QVERIFY2(qAbs(range->marker - 7.5) < 0.5, qPrintable(QString::number(range->marker)));
    QVERIFY(clickWidget(range, QPoint(qRound(TimelineRangeWidget::xForTime(20.0, range->width(), range->duration)), 36)));
    QTRY_VERIFY2_WITH_TIMEOUT(qAbs(rampSeconds(surface->pixmap().toImage()) - 20.0) <= 1.0,
                              qPrintable(QString::number(rampSeconds(surface->pixmap().toImage()))), 10000);
    QTest::qWait(500); // a picture of the player's own place would have come by now
    QVERIFY2(qAbs(rampSeconds(surface->pixmap().toImage()) - labelSeconds(time)) <= 1.0, qPrintable(time->text()));
    checkScreenshotTime(w, time);
    player->close();
    QVERIFY(QFile::remove(clip(mkv)));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
}

// A click on a seek bar seeks to the clicked place, paused or playing: the library's bar and the
// player window's, in a window and full screen. On a 20 s clip three quarters are 15 s.
void LibraryWindowTest::clickToSeek()
{
    VideoListDialog *w = openLibrary();
    QVERIFY(waitForMetadata(w));
    const QString name = QStringLiteral("Vistrelle_twenty.mp4");
    QVERIFY(makeClip(clip(name), 20));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
    // The still of the selection (from a quarter of the file) comes two seconds late.
    QTemporaryDir bin;
    QVERIFY(writeScript(bin.filePath("ffmpeg"),
                        "sleep 2\nexec " + QFile::encodeName(QStandardPaths::findExecutable("ffmpeg")) + " \"$@\"\n"));
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + savedPath);
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    list->setCurrentRow(rowOf(w, name));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, name);
    const auto clickAt = [](QSlider *bar, double fraction) {
        return clickWidget(bar, QPoint(qRound(bar->width() * fraction), bar->height() / 2));
    };
    VideoPlayer *player = w->videoPlayer();
    auto *bar = w->findChild<QSlider *>(QStringLiteral("Seek"));
    QVERIFY(bar);
    auto *strip = w->findChild<TimelineRangeWidget *>(QStringLiteral("RangeBar"));
    QVERIFY(strip);
    // Before playing, then playing. The click comes before the still, which keeps the place.
    QVERIFY(clickAt(bar, 0.75));
    QVERIFY(strip->stripPixmap.isNull());
    QVERIFY(positionNear(player, 15.0, false));
    QTRY_VERIFY_WITH_TIMEOUT(!strip->stripPixmap.isNull(), 15000);
    qputenv("PATH", savedPath);
    QVERIFY2(qAbs(bar->value() - 7500) <= 250, qPrintable(QString::number(bar->value())));
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("PlayButton"))));
    QTRY_VERIFY_WITH_TIMEOUT(player->isPlaying(), 10000);
    QVERIFY(clickAt(bar, 0.25));
    QVERIFY(positionNear(player, 5.0, true));
    QVERIFY(clickWidget(w->findChild<QPushButton *>(QStringLiteral("PlayButton"))));
    QTRY_VERIFY(!player->isPlaying());

    // The player window plays at once; full screen, paused.
    PlayerWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.openFile(clip(name)));
    QTRY_VERIFY_WITH_TIMEOUT(window.player()->isPlaying() && window.player()->position() > 0.2, 10000);
    auto *windowBar = window.findChild<QSlider *>(QStringLiteral("Seek"));
    QVERIFY(windowBar);
    QTest::qWait(300); // the window manager's placement settles
    QVERIFY(clickAt(windowBar, 0.75));
    QVERIFY(positionNear(window.player(), 15.0, true));
    window.onToggleFullscreen();
    QTRY_VERIFY_WITH_TIMEOUT(window.geometry() == window.screen()->geometry(), 5000);
    window.onPlayPause();
    QTRY_VERIFY(!window.player()->isPlaying());
    QTest::qWait(300);
    QVERIFY(clickAt(windowBar, 0.25));
    QVERIFY(positionNear(window.player(), 5.0, false));
    window.close();

    QVERIFY(QFile::remove(clip(name)));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
}

// A file that ffprobe cannot measure (here a tool that fails after a while, when the player
// has found the length already) keeps the player's length in the editor.
void LibraryWindowTest::unmeasuredFileKeepsThePlayersLength()
{
    VideoListDialog *w = openLibrary();
    QVERIFY(waitForMetadata(w));
    const QString name = QStringLiteral("Vistrelle_unmeasured.mp4");
    QVERIFY(makeClip(clip(name), 6));
    QTemporaryDir bin;
    QVERIFY(writeScript(bin.filePath("ffprobe"), "sleep 2\nexit 1\n"));
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + savedPath);
    auto restorePath = qScopeGuard([&] { qputenv("PATH", savedPath); });
    QSignalSpy measured(w, &VideoListDialog::metadataUpdated);
    w->loadFromDisk();
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    list->setCurrentRow(rowOf(w, name));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).fileName, name);
    QTRY_VERIFY_WITH_TIMEOUT(w->videoPlayer()->duration() > 5, 10000);
    const int index = w->currentRecordIndex();
    QTRY_VERIFY_WITH_TIMEOUT(measured.contains(QVariantList{index}), 20000);
    QCOMPARE(w->recordList().value(index).duration, -1); // unknown
    auto *strip = w->findChild<TimelineRangeWidget *>(QStringLiteral("RangeBar"));
    QVERIFY2(qAbs(strip->rangeEnd - w->videoPlayer()->duration()) < 0.1, qPrintable(QString::number(strip->rangeEnd)));

    restorePath.dismiss();
    qputenv("PATH", savedPath);
    QVERIFY(QFile::remove(clip(name)));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
}

// Files removed by another program while listed: selecting one, playing one that was open,
// deleting one, each says it is no longer there and takes it off the list; the other files
// stay listed and the next one is selected.
void LibraryWindowTest::goneBehindItsBack()
{
    VideoListDialog *w = openLibrary();
    QVERIFY(waitForMetadata(w));
    const QStringList names{"Vistrelle_gone 1.mp4", "Vistrelle_gone 2.mp4", "Vistrelle_gone 3.mp4",
                            "Vistrelle_gone 4.mp4"};
    for (const QString &name : names)
        QVERIFY(makeClip(clip(name), 1, false));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w));
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    auto *count = w->findChild<QLabel *>(QStringLiteral("Count"));
    const auto current = [w] { return w->recordList().value(w->currentRecordIndex()).fileName; };
    const auto clickRow = [w, list, this](const QString &name) {
        list->scrollToItem(list->item(rowOf(w, name)));
        QWidget *card = list->itemWidget(list->item(rowOf(w, name)));
        return clickWidget(card, QPoint(card->width() / 2, 20));
    };
    // Does `act`, then wants one box saying that `name` is gone, and its row gone.
    const auto toldGone = [&](const QString &name, const std::function<bool()> &act) {
        m_boxes->titles.clear();
        m_boxes->texts.clear();
        QVERIFY(act());
        QTRY_VERIFY_WITH_TIMEOUT(!m_boxes->titles.isEmpty(), 10000);
        QTest::qWait(300);
        QCOMPARE(m_boxes->titles, QStringList{QStringLiteral("文件不存在")});
        QVERIFY2(m_boxes->texts.value(0).contains(name), qPrintable(m_boxes->texts.value(0)));
        QCOMPARE(rowOf(w, name), -1);
    };

    // Selected after it went: the row below takes its place.
    QVERIFY(QFile::remove(clip(names[0])));
    const int row = rowOf(w, names[0]);
    toldGone(names[0], [&] { return clickRow(names[0]); });
    QCOMPARE(count->text(), QStringLiteral("10 个文件"));
    QTRY_COMPARE(list->currentRow(), row);
    QTRY_VERIFY(!current().isEmpty() && current() != names[0]);

    // Open in the player when it went, then played (it said "no playable file is open").
    QVERIFY(clickRow(names[1]));
    QTRY_COMPARE(current(), names[1]);
    QVERIFY(QFile::remove(clip(names[1])));
    toldGone(names[1], [w] { return clickWidget(w->findChild<QPushButton *>(QStringLiteral("PlayButton"))); });
    QVERIFY(!w->videoPlayer()->isPlaying());

    // Two gone, one of them deleted from the window (it said "in use"): both leave at once.
    QVERIFY(clickRow(names[2]));
    QTRY_COMPARE(current(), names[2]);
    QVERIFY(QFile::remove(clip(names[2])) && QFile::remove(clip(names[3])));
    toldGone(names[2], [w] { return clickWidget(shownButton(w, QStringLiteral("删除"))); });
    QCOMPARE(rowOf(w, names[3]), -1);
    QCOMPARE(count->text(), QStringLiteral("7 个文件"));
    QCOMPARE(w->recordList().size(), 7);
}

// The list column has one width for one window size, whatever the details show: in English
// an unreadable file's empty details (the newest file, selected at the start) took it down
// from 474 to 403 pixels.
void LibraryWindowTest::listColumnWidth()
{
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/translations/Vistrelle_en.qm")));
    QCoreApplication::installTranslator(&english);
    std::unique_ptr<VideoListDialog> w(createVideoListDialog(nullptr));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->loadFromDisk();
    QVERIFY(waitForMetadata(w.get()));
    QWidget *column = w->findChild<QWidget *>(QStringLiteral("Left"));
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    QSet<int> widths;
    for (int row = 0; row < list->count(); ++row) {
        list->setCurrentRow(row);
        QTRY_COMPARE(w->currentRecordIndex(), list->item(row)->data(Qt::UserRole).toInt());
        QTest::qWait(200);
        widths << column->width();
    }
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(widths, QSet<int>{VideoListDialog::listColumnWidthFor(w->width())});
}

// With the keys: Tab shows the control it reaches with a ring on the screen (the style
// draws no focus frame), a click takes the ring away; Delete in the list asks as the card's
// delete button does, and deletes the selected file only when told Yes.
void LibraryWindowTest::keyboard()
{
    const QString doomed = clip("Vistrelle_keys.mp4");
    QVERIFY(makeClip(doomed, 1, false));
    VideoListDialog *w = openLibrary();
    w->loadFromDisk();
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    const int row = rowOf(w, "Vistrelle_keys.mp4");
    QVERIFY(row >= 0);
    QVERIFY(clickWidget(list->viewport(), list->visualItemRect(list->item(row)).center()));
    QTRY_COMPARE(w->recordList().value(w->currentRecordIndex()).path, doomed);
    QTRY_COMPARE(QApplication::focusWidget(), list);
    auto *ring = w->findChild<QWidget *>(QStringLiteral("KeyboardFocusRing"));
    QVERIFY(ring && !ring->isVisible());

    // The ring as the screen shows it: pixels of its colour all round the focused control.
    const auto ringOnScreen = [w](QWidget *control) {
        const QRect around(control->mapToGlobal(QPoint(-3, -3)), control->size() + QSize(6, 6));
        const QImage shot = w->screen()->grabWindow(0, around.x(), around.y(), around.width(), around.height()).toImage();
        const auto ringColour = [&shot](int x, int y) {
            const QColor c = shot.pixelColor(std::clamp(x, 0, shot.width() - 1), std::clamp(y, 0, shot.height() - 1));
            return qAbs(c.red() - 0x8f) < 40 && qAbs(c.green() - 0xc1) < 40 && qAbs(c.blue() - 0xff) < 40;
        };
        const int cx = shot.width() / 2, cy = shot.height() / 2;
        const auto anyIn = [&](int x0, int y0, int dx, int dy) {
            for (int i = 0; i < 3; ++i)
                if (ringColour(x0 + i * dx, y0 + i * dy))
                    return true;
            return false;
        };
        return anyIn(cx, 0, 0, 1) && anyIn(cx, shot.height() - 1, 0, -1) && anyIn(0, cy, 1, 0)
               && anyIn(shot.width() - 1, cy, -1, 0);
    };
    QVERIFY(xdotool({"key", "Tab"}));
    QTRY_VERIFY(QApplication::focusWidget() != list);
    QWidget *next = QApplication::focusWidget();
    QTRY_VERIFY_WITH_TIMEOUT(ringOnScreen(next), 5000);
    QVERIFY(xdotool({"key", "shift+Tab"}));
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QTRY_VERIFY_WITH_TIMEOUT(ringOnScreen(list), 5000);
    snapshot("library-keyboard-focus");

    // Delete, answered No: the file stays; answered Yes: it goes, from the disk and the list.
    m_boxes->answer(QMessageBox::No);
    m_boxes->titles.clear();
    QVERIFY(xdotool({"key", "Delete"}));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(QStringLiteral("删除视频")), 10000);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(QFileInfo::exists(doomed));
    QTRY_COMPARE(QApplication::focusWidget(), list);
    m_boxes->answer(QMessageBox::Yes);
    QVERIFY(xdotool({"key", "Delete"}));
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(doomed), 10000);
    m_boxes->answer(QMessageBox::Ok);
    QCOMPARE(rowOf(w, "Vistrelle_keys.mp4"), -1);
    // A click takes the ring away, also one that leaves the focus where it is. The keys bring
    // it back round the list first (after the box it may be there again or not, as the window
    // manager gave the focus back). Right after
    // the box the window manager may still hold the pointer or show the box's frame, and a
    // click never reaches the window (as a user's would not): clicked again until one does.
    QTRY_VERIFY(w->isActiveWindow());
    QVERIFY(xdotool({"key", "Tab"}));
    QTRY_VERIFY(QApplication::focusWidget() != list);
    QVERIFY(xdotool({"key", "shift+Tab"}));
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QTRY_VERIFY_WITH_TIMEOUT(ring->isVisible(), 5000);
    QElapsedTimer clicking;
    clicking.start();
    int clicks = 0;
    while (ring->isVisible() && clicking.elapsed() < 15000) {
        QVERIFY(clickWidget(list->viewport(), list->visualItemRect(list->item(0)).center()));
        ++clicks;
        (void)QTest::qWaitFor([&] { return !ring->isVisible(); }, 1500);
    }
    QVERIFY2(!ring->isVisible(), qPrintable(QStringLiteral("%1 clicks").arg(clicks)));
}

int main(int argc, char *argv[])
{
    // As the program does: the GStreamer back end cannot decode MP4 here.
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--play-without-sound")
        return playWithoutSoundServer(QString::fromLocal8Bit(argv[2]));
    LibraryWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_library_window.moc"
