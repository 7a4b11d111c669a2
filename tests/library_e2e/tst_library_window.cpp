// The media library window as the main window makes it, driven by real X events: listing
// a save folder of awkward names, searching, metadata, playing with sound.

#include "LibraryTestMedia.h"

#include "library/MediaLibraryFiles.h"
#include "library/VideoListDialog.h"
#include "library/VideoPlayer.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

using namespace LibraryMedia;


class LibraryWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listing();
    void playback();
    void cleanupTestCase();

private:
    VideoListDialog *openLibrary();
    QString clip(const QString &name) const { return m_folder + QLatin1Char('/') + name; }
    int rowOf(VideoListDialog *w, const QString &fileName) const;
    bool waitForMetadata(VideoListDialog *w, int timeoutMs = 30000);

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
    QCOMPARE(byName.value("Vistrelle_broken.mp4").duration, 0);
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
    search->clear();
    QTRY_COMPARE(count->text(), QStringLiteral("7 个文件"));

    // The corrupt file's details have no picture size.
    m_boxes->titles.clear();
    auto *list = w->findChild<QListWidget *>(QStringLiteral("List"));
    list->setFocus();
    list->setCurrentRow(rowOf(w, "Vistrelle_broken.mp4"));
    auto *info = w->findChild<QLabel *>(QStringLiteral("Info"));
    QTRY_VERIFY(info->text().contains(QStringLiteral("MP4")));
    QVERIFY(!info->text().contains(QStringLiteral("-1")));
    // Playing it fails with a warning, and the window goes on.
    QVERIFY(xdotool({"key", "space"}));
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes->titles.contains(QStringLiteral("播放失败")), 10000);
    QVERIFY(w->isVisible());
}

void LibraryWindowTest::playback()
{
    VideoListDialog *w = openLibrary();
    QVERIFY(waitForMetadata(w));
    m_boxes->titles.clear();
    VideoPlayer *player = w->videoPlayer();
    QSignalSpy frames(player, &VideoPlayer::frameReady);
    QSignalSpy finished(player, &VideoPlayer::playbackFinished);

    // The Chinese name opens and plays from showAndPlay, at the slider's volume.
    const QString chinese = clip("Vistrelle_中文 录制.mp4");
    w->showAndPlay(chinese, true);
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1, 15000);
    QVERIFY2(frames.count() >= 140, qPrintable(QString::number(frames.count())));
    QVERIFY(m_boxes->titles.isEmpty());
    QCOMPARE(w->recordList().value(w->currentRecordIndex()).path, chinese);
    QCOMPARE(player->volume(), 0.8f);
    QVERIFY(player->hasAudioOutput());

    // Space replays after the end.
    frames.clear();
    QVERIFY(xdotool({"key", "space"}));
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 2, 15000);
    QVERIFY2(frames.count() >= 140, qPrintable(QString::number(frames.count())));
}

int main(int argc, char *argv[])
{
    // As the program does: the GStreamer back end cannot decode MP4 here.
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    LibraryWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_library_window.moc"
