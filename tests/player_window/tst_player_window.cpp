// The stand-alone player window plays a real file (a Chinese name included), follows and
// seeks with its keys, and saves screenshots without ever replacing an earlier one.

#include "../support/LibraryTestMedia.h"
#include "recording/ScreenshotWriter.h"
#include "library/PlayerWindow.h"
#include "library/VideoPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QtTest>

class TestPlayerWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void timeText();
    // Before anything of this test shows video through a graphics context (the full-screen
    // view of playsSeeksAndShoots may).
    void picturesWithoutGraphicsDriver_data();
    void picturesWithoutGraphicsDriver();
    void playsSeeksAndShoots();
    void matroskaLength();
};

// The screenshots go to the Pictures folder: the test works in a home of its own, made in
// main() before anything reads the folders, and refuses to run anywhere else.
static QTemporaryDir *testHome()
{
    static QTemporaryDir home;
    return &home;
}

void TestPlayerWindow::initTestCase()
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QVERIFY(testHome()->isValid());
    if (!QFileInfo(pictures).absoluteFilePath().startsWith(testHome()->path() + QLatin1Char('/')))
        QFAIL(qPrintable(QStringLiteral("refusing to run: the Pictures folder %1 is not the test's own").arg(pictures)));
}

void TestPlayerWindow::timeText()
{
    QCOMPARE(PlayerWindow::fmtTime(0), QStringLiteral("00:00"));
    QCOMPARE(PlayerWindow::fmtTime(3599.9), QStringLiteral("59:59"));
    QCOMPARE(PlayerWindow::fmtTime(3600), QStringLiteral("1:00:00"));
    QCOMPARE(PlayerWindow::fmtTime(36061), QStringLiteral("10:01:01"));
}

// The graphics driver's library mapped into this process (Mesa's DRI driver, llvmpipe here),
// empty while none is.
static QString graphicsDriverLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return QStringLiteral("/proc/self/maps unreadable");
    for (const QByteArray &line : maps.readAll().split('\n')) {
        if (line.contains("_dri.so") || line.contains("libgallium"))
            return QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
    }
    return {};
}

void TestPlayerWindow::picturesWithoutGraphicsDriver_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("encoding");
    // What the library plays: recordings, trims and conversions (H.264 4:2:0 in MP4 and
    // Matroska, 4:4:4 from a picture source), the editor's H.265, a converted GIF.
    const QStringList h264{"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"};
    QTest::newRow("recording mp4") << "a.mp4" << h264;
    QTest::newRow("recording mkv") << "a.mkv" << h264;
    QTest::newRow("H.264 4:4:4") << "b.mp4" << QStringList{"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv444p"};
    QTest::newRow("H.265") << "c.mp4" << QStringList{"-c:v", "libx265", "-preset", "ultrafast", "-pix_fmt", "yuv420p"};
    QTest::newRow("GIF") << "d.gif" << QStringList{"-vf", "fps=15"};
}

// Every picture the player hands out is made on the CPU (imageOfVideoFrame): Qt's own
// conversion, QVideoFrame::toImage(), draws through an OpenGL context of the converting thread,
// which loads the graphics driver, and crashed in it while the program quit.
void TestPlayerWindow::picturesWithoutGraphicsDriver()
{
    QFETCH(QString, name);
    QFETCH(QStringList, encoding);
    QVERIFY2(graphicsDriverLoaded().isEmpty(), qPrintable(graphicsDriverLoaded()));
    QTemporaryDir dir;
    const QString clip = dir.filePath(name);
    QVERIFY(TestMedia::runFfmpeg(QStringList{"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                             "testsrc2=size=320x240:rate=30", "-t", "2"}
                                 + encoding + QStringList{clip}));
    VideoPlayer player;
    QImage picture;
    connect(&player, &VideoPlayer::frameReady, &player, [&picture](const QImage &frame) { picture = frame; });
    QVERIFY(player.open(clip));
    player.play();
    // A machine building beside the test has taken more than 10 s for the first picture.
    QTRY_VERIFY_WITH_TIMEOUT(!picture.isNull(), 30000);
    QCOMPARE(picture.size(), QSize(320, 240));
    player.close();
    QVERIFY2(graphicsDriverLoaded().isEmpty(), qPrintable(graphicsDriverLoaded()));
}

void TestPlayerWindow::playsSeeksAndShoots()
{
    QTemporaryDir dir;
    const QString clip = dir.filePath(QStringLiteral("播放 测试.mp4"));
    QVERIFY(LibraryMedia::makeClip(clip, 12));
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QVERIFY(!QDir(pictures).exists() || QDir(pictures).isEmpty());

    PlayerWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The player plays at the level its volume slider shows (the second slider).
    QCOMPARE(window.findChildren<QSlider *>().size(), 2);
    QCOMPARE(window.player()->volume(), float(window.findChildren<QSlider *>().last()->value()) / 100.0f);
    QVERIFY(window.player()->volume() < 1.0f);
    // Nothing open: skipping forward stays at 0 and a screenshot writes nothing.
    QTest::keyClick(&window, Qt::Key_Right);
    QCOMPARE(window.player()->position(), 0.0);
    window.onScreenshot();
    QVERIFY(ScreenshotWriter::waitForDone(5000));
    QVERIFY(!QDir(pictures).exists() || QDir(pictures).isEmpty());

    QVERIFY(!window.openFile(dir.filePath(QStringLiteral("missing.mp4"))));
    QVERIFY(window.openFile(clip));
    auto *picture = window.findChildren<QLabel *>().first();
    QTRY_VERIFY_WITH_TIMEOUT(!picture->pixmap().isNull(), 10000);
    auto *time = window.findChildren<QLabel *>().at(1);
    QTRY_VERIFY_WITH_TIMEOUT(time->text().endsWith(QStringLiteral(" / 00:12")), 10000);
    LibraryMedia::snapshot(QStringLiteral("player-window"));

    // Space pauses; Right skips 5 s from where it stands; the slider follows the position.
    QTest::keyClick(&window, Qt::Key_Space);
    QTRY_VERIFY(window.player()->isPaused());
    const double before = window.player()->position();
    QTest::keyClick(&window, Qt::Key_Right);
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(window.player()->position() - (before + 5)) < 0.6, 5000);
    auto *seek = window.findChild<QSlider *>();
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(seek->value() - int(window.player()->position() / 12 * 10000)) < 800, 5000);

    // Full screen through the real keys (which reach the focused widget, not the window):
    // while paused, Left seeks and the picture shows the new place.
    window.activateWindow();
    QTRY_VERIFY(window.isActiveWindow());
    QVERIFY(LibraryMedia::xdotool({"key", "f"}));
    QTRY_VERIFY_WITH_TIMEOUT(window.isFullScreen() && window.geometry() == window.screen()->geometry(), 5000);
    QTRY_VERIFY(window.isActiveWindow());
    QTest::qWait(500); // the paused picture has settled
    QVERIFY(window.player()->isPaused());
    const QImage shown = picture->pixmap().toImage();
    const double from = window.player()->position();
    QVERIFY(LibraryMedia::xdotool({"key", "Left"}));
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(window.player()->position() - (from - 5)) < 0.6, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(picture->pixmap().toImage() != shown, 5000);
    QVERIFY(window.player()->isPaused());
    LibraryMedia::snapshot(QStringLiteral("player-window-full-screen"));
    QVERIFY(LibraryMedia::xdotool({"key", "Escape"}));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isFullScreen(), 5000);

    // Two screenshots in one second: two files, both real pictures of the video's size.
    window.onScreenshot();
    window.onScreenshot();
    QVERIFY(ScreenshotWriter::waitForDone(10000));
    const QStringList shots = QDir(pictures).entryList({QStringLiteral("Vistrelle_shot_*.png")}, QDir::Files);
    QCOMPARE(shots.size(), 2);
    for (const QString &shot : shots)
        QCOMPARE(QImage(QDir(pictures).filePath(shot)).size(), QSize(640, 360));
}

// A Matroska file, whose player names no length: the window shows the container's, the
// slider follows, and at the end the time and the slider stand at the end under the last picture.
void TestPlayerWindow::matroskaLength()
{
    QTemporaryDir dir;
    const QString clip = dir.filePath(QStringLiteral("end.mkv"));
    QVERIFY(LibraryMedia::makeClip(clip, 3));
    PlayerWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy finished(window.player(), &VideoPlayer::playbackFinished);
    QVERIFY(window.openFile(clip));
    auto *time = window.findChildren<QLabel *>().at(1);
    QTRY_VERIFY_WITH_TIMEOUT(time->text().endsWith(QStringLiteral(" / 00:03")), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
    QTest::qWait(300); // what the player says after its end
    QCOMPARE(time->text(), QStringLiteral("00:03 / 00:03"));
    QCOMPARE(window.findChild<QSlider *>()->value(), 10000);
    QVERIFY(!window.findChildren<QLabel *>().first()->pixmap().isNull());
}

int main(int argc, char **argv)
{
    // Before the application reads any folder: a private home whose Pictures starts empty.
    if (!testHome()->isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(testHome()->path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(testHome()->filePath(QStringLiteral(".config"))));
    qunsetenv("XDG_PICTURES_DIR");
    QApplication app(argc, argv);
    TestPlayerWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_player_window.moc"
