// The main road of a recording, driven with real X events (xdotool) through the main
// window built as main() builds it: home page -> mode card -> preparation toolbar ->
// REC -> countdown -> floating toolbar -> stop -> Save -> media library -> recent card.
// The recording is made by the real ffmpeg and checked with ffprobe.

#include "dialogs/SettingsDialog.h"
#include "../support/TestWindowProcess.h"
#include "../support/XdotoolDriver.h"
#include "../support/MainWindowDriver.h"
#include "../support/OverlayE2eSupport.h"
#include "../support/WebcamTestSupport.h"
#include "../support/ScreenPicture.h"

#include "app/BottomBar.h"
#include "app/HomePage.h"
#include "app/MainWindow.h"
#include "overlays/AnnotationOverlay.h"
#include "overlays/CameraOverlay.h"
#include "overlays/FloatingToolbar.h"
#include "overlays/SetupRecordingToolbar.h"
#include "preparation/CaptureTargetDialog.h"
#include "platform/mac/CameraHub.h"
#include "preparation/CameraRecordingPage.h"
#include "preparation/ControlsArea.h"
#include "recording/MediaProbe.h"
#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "platform/mac/X11Connection.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

const QRect TargetWindow(1180, 140, 640, 360);

// A frame of a recording: `seek` is ffmpeg's ("-ss", "2" or "-sseof", "-0.5").
QImage frameOf(const QString &path, const QStringList &seek)
{
    QProcess ffmpeg;
    ffmpeg.start(Recorder::ffmpegExecutable(),
                 QStringList{QStringLiteral("-v"), QStringLiteral("error")} + seek
                     + QStringList{QStringLiteral("-i"), path, QStringLiteral("-frames:v"), QStringLiteral("1"),
                                   QStringLiteral("-f"), QStringLiteral("image2pipe"), QStringLiteral("-vcodec"),
                                   QStringLiteral("png"), QStringLiteral("pipe:1")});
    if (!ffmpeg.waitForFinished(20000))
        return QImage();
    return QImage::fromData(ffmpeg.readAllStandardOutput(), "PNG");
}

// The colour in the middle of the frame 2 s into a recording.
QColor middleColour(const QString &path)
{
    const QImage frame = frameOf(path, {QStringLiteral("-ss"), QStringLiteral("2")});
    return frame.isNull() ? QColor() : frame.pixelColor(frame.width() / 2, frame.height() / 2);
}

// Declares the second display of VISTRELLE_TEST_MONITORS again, or takes it away (test-env.sh
// names it VM2). True once Qt has as many screens as that leaves.
bool declareSecondDisplay(bool present)
{
    const QString spec = qEnvironmentVariable("VISTRELLE_TEST_MONITORS").section(QLatin1Char(','), 1, 1);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)(\\+\\d+\\+\\d+)$")).match(spec);
    if (!m.hasMatch())
        return false;
    const QStringList args = present
        ? QStringList{QStringLiteral("--setmonitor"), QStringLiteral("VM2"),
                      QStringLiteral("%1/%2x%3/%4%5").arg(m.captured(1)).arg(m.captured(1).toInt() * 254 / 960)
                          .arg(m.captured(2)).arg(m.captured(2).toInt() * 254 / 960).arg(m.captured(3)),
                      QStringLiteral("none")}
        : QStringList{QStringLiteral("--delmonitor"), QStringLiteral("VM2")};
    return QProcess::execute(QStringLiteral("xrandr"), args) == 0
        && QTest::qWaitFor([present] { return QGuiApplication::screens().size() == (present ? 2 : 1); }, 5000);
}

// The top left corner of the white of the cursor the recording paints over a window's frame.
QPoint paintedCursor(const QImage &frame)
{
    QPoint corner(-1, -1);
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (const QColor c = frame.pixelColor(x, y); c.red() > 220 && c.green() > 220 && c.blue() > 220)
                corner = corner.x() < 0 ? QPoint(x, y) : QPoint(std::min(corner.x(), x), std::min(corner.y(), y));
    return corner;
}

// Opens a test window placed in device pixels: its process runs at scale 1.
bool openAtScaleOne(TestWindowProcess &window, const QString &title, const QString &colour, const QRect &device)
{
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCALE_FACTOR");
    const bool opened = window.open(title, colour, device);
    qputenv("QT_SCALE_FACTOR", scale);
    return opened;
}

// Every frame of a recording cut to `crop` (file pixels), as RGB32 images.
QList<QImage> framesOf(const QString &path, const QRect &crop)
{
    QProcess ffmpeg;
    ffmpeg.start(Recorder::ffmpegExecutable(),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path, QStringLiteral("-vf"),
                  QStringLiteral("crop=%1:%2:%3:%4,format=rgb24")
                      .arg(crop.width()).arg(crop.height()).arg(crop.x()).arg(crop.y()),
                  QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("pipe:1")});
    if (!ffmpeg.waitForFinished(30000))
        return {};
    const QByteArray bytes = ffmpeg.readAllStandardOutput();
    const qsizetype frameBytes = qsizetype(crop.width()) * crop.height() * 3;
    QList<QImage> frames;
    for (qsizetype at = 0; at + frameBytes <= bytes.size(); at += frameBytes)
        frames << QImage(reinterpret_cast<const uchar *>(bytes.constData() + at), crop.width(), crop.height(),
                         crop.width() * 3, QImage::Format_RGB888)
                      .convertToFormat(QImage::Format_RGB32);
    return frames;
}

// The most pixels of one frame that `colour` matches.
int mostPixels(const QList<QImage> &frames, const std::function<bool(QRgb)> &colour)
{
    int most = 0;
    for (const QImage &frame : frames) {
        int count = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                count += colour(frame.pixel(x, y)) ? 1 : 0;
        most = std::max(most, count);
    }
    return most;
}

// From the home page to a running recording of the area `dragged` (device pixels) by real X
// events: the custom area card, the drag, REC on the preparation toolbar.
bool recordDraggedArea(MainWindow &window, const QRect &dragged, QSignalSpy &started)
{
    if (!click(deviceCentreOf(window.findChild<QPushButton *>(QStringLiteral("ModeCard_CustomArea")))))
        return false;
    QTest::qWait(500);
    if (!drag(dragged.topLeft(), dragged.topLeft() + QPoint(dragged.width(), dragged.height()), 6)
        || !QTest::qWaitFor([&] { return window.setupToolbar()->isVisible(); }, 5000))
        return false;
    QTest::qWait(300);
    QPushButton *rec = buttonByAccessibleName(window.setupToolbar(), QStringLiteral("REC"));
    return rec && click(deviceCentreOf(rec)) && QTest::qWaitFor([&] { return started.size() == 1; }, 20000);
}

} // namespace

class TestMainWindowRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mainRoad_data();
    void mainRoad();
    void webcamWithoutCamera();
    // On two displays (VISTRELLE_TEST_MONITORS): the first 1920 x 1080, the second on its right.
    void areaAcrossDisplays();
    void screenshotWithoutOwnWindows();
    // The notice of a screenshot taken on the second display opens whole on it, beside the
    // toolbar (a smaller display, lower down, at a raised scale too).
    void screenshotNoticeOnToolbarsDisplay();
    void displayRemoved();
    // The primary display on the right of a smaller one.
    void firstPlaceOnPointersDisplay();
    // Two displays at a raised scale (QT_SCALE_FACTOR).
    void areaAtRaisedScale_data();
    void areaAtRaisedScale();
    void clickRingAcrossDisplays();
    void webcamBubbleAcrossDisplays();
    void toolbarOnNarrowDisplay();

private:
    QTemporaryDir m_saveDir;
    TestWindowProcess m_target;
};

void TestMainWindowRoad::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_saveDir.isValid());
    setUpProgramSettings(m_saveDir.path());
    QSettings settings;
    settings.setValue(SettingsDialog::generalKey("closeBehavior"), 1);
    settings.setValue(QStringLiteral("effects/mouseEnabled"), false);
    QVERIFY(m_target.open(QStringLiteral("VT Road Window"), QStringLiteral("#00c000"), TargetWindow));
}

void TestMainWindowRoad::mainRoad_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<bool>("audioOnly");
    QTest::newRow("full screen") << "FullScreen" << false;
    QTest::newRow("area") << "CustomArea" << false;
    QTest::newRow("window") << "Window" << false;
    QTest::newRow("game") << "Game" << false;
    QTest::newRow("audio only") << "AudioOnly" << true;
}

void TestMainWindowRoad::mainRoad()
{
    QFETCH(QString, card);
    QFETCH(bool, audioOnly);
    // Game mode records a chosen window as Window mode does.
    const bool ofWindow = card == QLatin1String("Window") || card == QLatin1String("Game");

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300); // the deferred size fit and placement
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QSignalSpy started(window.recorder(), &Recorder::started);

    auto *modeCard = window.findChild<QPushButton *>(QStringLiteral("ModeCard_") + card);
    QVERIFY(modeCard);
    bool pickedAndRecorded = false;
    std::unique_ptr<WhenShown> picker;
    if (ofWindow) {
        // The target picker runs modally: its card of the test window, then its REC.
        picker = std::make_unique<WhenShown>(
            [] { return qobject_cast<CaptureTargetDialog *>(QApplication::activeModalWidget()); },
            [&](QWidget *widget) {
                auto *dialog = static_cast<CaptureTargetDialog *>(widget);
                auto *grid = dialog->findChild<QListWidget *>();
                QListWidgetItem *item = nullptr;
                const bool listed = QTest::qWaitFor([&] {
                    const auto found = grid->findItems(QStringLiteral("VT Road Window"), Qt::MatchExactly);
                    item = found.isEmpty() ? nullptr : found.first();
                    return item != nullptr;
                }, 5000);
                if (!listed)
                    return;
                QTest::qWait(500);
                screenshot(QStringLiteral("road-window-picker"));
                if (!click(grid->viewport()->mapToGlobal(grid->visualItemRect(item).center())))
                    return;
                QPushButton *rec = buttonByAccessibleName(dialog, QStringLiteral("REC"));
                pickedAndRecorded = rec && click(centreOf(rec));
            });
    }
    QVERIFY(click(centreOf(modeCard)));

    if (card == QLatin1String("CustomArea")) {
        // The picker covers the desktop; an area is drawn from an odd point.
        QTest::qWait(500);
        screenshot(QStringLiteral("road-area-picker"));
        QVERIFY(drag({301, 201}, {941, 681}, 6));
    }
    SetupRecordingToolbar *toolbar = window.setupToolbar();
    QElapsedTimer clock;
    QRect captureRect;
    if (picker) {
        // REC in the picker starts the recording at once.
        QTRY_VERIFY_WITH_TIMEOUT(picker->done(), 5000);
        QVERIFY(pickedAndRecorded);
        clock.start();
        captureRect = window.controlsArea()->captureTarget().frame;
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(toolbar->isVisible(), 5000);
        QVERIFY(!window.isVisible());
        QTest::qWait(300);
        screenshot(QStringLiteral("road-") + card + QStringLiteral("-prepare"));
        captureRect = window.controlsArea()->captureRect();
        QPushButton *rec = buttonByAccessibleName(toolbar, QStringLiteral("REC"));
        QVERIFY(rec);
        QVERIFY(click(centreOf(rec)));
        clock.start();
    }
    QTRY_VERIFY_WITH_TIMEOUT(window.countdownOverlay() && window.countdownOverlay()->isVisible(), 3000);
    screenshot(QStringLiteral("road-") + card + QStringLiteral("-countdown"));
    QTRY_VERIFY_WITH_TIMEOUT(window.floatingToolbar()->isVisible(), 6000);
    // The encoder starts 80 ms after the toolbar shows; the file counts from its first
    // frame, which may come before the recorder reports the start.
    QElapsedTimer recording;
    recording.start();
    QVERIFY(clock.elapsed() >= 2500);
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 15000);
    // The file begins by its first media at the latest (a slow encoder start leaves out the
    // pictures it could not take in time).
    const qint64 startedMs = recording.elapsed();
    QVERIFY(!toolbar->isVisible());
    QPoint movedBy;
    if (ofWindow) {
        // The recorded window moved 300 px aside, the pointer on its middle: the cursor that the
        // recording paints over its frames follows it there.
        QTest::qWait(std::max<qint64>(0, 2500 - recording.elapsed()));
        const xcb_window_t target = window.controlsArea()->captureTarget().window.windowId();
        const std::unique_ptr<X11Connection> x = X11Connection::forGuiThread();
        const std::optional<QRect> before = x->rootGeometry(target);
        QVERIFY(before && xdotool({QStringLiteral("windowmove"), QString::number(target),
                                   QString::number(before->x() - 300), QString::number(before->y())}));
        std::optional<QRect> after;
        QTRY_VERIFY_WITH_TIMEOUT((after = x->rootGeometry(target)) && after->topLeft() != before->topLeft(), 5000);
        movedBy = after->topLeft() - before->topLeft();
        QVERIFY(pointerTo(after->center()));
        // The screenshot key takes the recorded window, not the area chosen before.
        const auto pictures = [this] { return QDir(m_saveDir.path()).entryList({QStringLiteral("*.png")}, QDir::Files); };
        const QStringList earlier = pictures();
        QVERIFY(key(QStringLiteral("ctrl+alt+s")));
        QStringList shots;
        QTRY_VERIFY_WITH_TIMEOUT((shots = pictures(), shots.size() > earlier.size()), 5000);
        for (const QString &old : earlier)
            shots.removeOne(old);
        QImage shot; // read once it is whole: it is written on a worker
        QTRY_VERIFY_WITH_TIMEOUT(!(shot = QImage(QDir(m_saveDir.path()).filePath(shots.first()))).isNull(), 5000);
        QCOMPARE(shot.size(), TargetWindow.size());
        QCOMPARE(shot.pixelColor(100, 100).name(), QStringLiteral("#00c000"));
    }
    QTest::qWait(std::max<qint64>(0, 5080 - recording.elapsed()));
    screenshot(QStringLiteral("road-") + card + QStringLiteral("-recording"));

    auto *stop = window.floatingToolbar()->findChild<QPushButton *>(QStringLiteral("StopButton"));
    QVERIFY(stop);
    // The stop button pauses the recording when its click arrives: after the click was sent,
    // before the question shows (on a busy machine a second can pass between the two).
    qint64 clickedMs = 0;
    qint64 askedMs = 0;
    bool saveClicked = false;
    WhenShown answer([] { return visibleDialog(QStringLiteral("Stop Recording")); },
                     [&](QWidget *question) {
                         askedMs = recording.elapsed();
                         QTest::qWait(300);
                         screenshot(QStringLiteral("road-") + card + QStringLiteral("-stop"));
                         if (auto *save = question->findChild<QPushButton *>(QStringLiteral("StopSaveButton")))
                             saveClicked = click(centreOf(save));
                     });
    clickedMs = recording.elapsed();
    QVERIFY(click(centreOf(stop)));
    QTRY_VERIFY_WITH_TIMEOUT(answer.done(), 5000);
    QVERIFY(saveClicked);
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    const QString path = stopped.first().first().toString();
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));

    const MediaInfo info = MediaProbe::probe(path);
    QVERIFY2(info.ok, qPrintable(info.error));
    QVERIFY2(info.durationMs >= clickedMs - startedMs - 700 && info.durationMs <= askedMs - 80 + 700,
             qPrintable(QStringLiteral("%1-%2 ms recorded, %3 ms in the file")
                            .arg(clickedMs - startedMs)
                            .arg(askedMs - 80)
                            .arg(info.durationMs)));
    if (audioOnly) {
        QVERIFY(!info.hasVideo());
        QVERIFY(info.hasAudio());
        // An mp3 brings the main window forward.
        QCOMPARE(QFileInfo(path).suffix(), QStringLiteral("mp3"));
        QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5000);
    } else {
        QVERIFY(info.hasVideo());
        QCOMPARE(info.streams.first().codec, QStringLiteral("h264"));
        const QSize expected = card == QLatin1String("FullScreen") ? QSize(1920, 1080) : captureRect.size();
        QCOMPARE(info.videoSize(), expected);
        QVERIFY(expected.width() % 2 == 0 && expected.height() % 2 == 0);
        if (card == QLatin1String("CustomArea")) {
            QVERIFY(qAbs(captureRect.width() - 640) <= 2 && qAbs(captureRect.height() - 480) <= 2);
        } else if (ofWindow) {
            QCOMPARE(expected, TargetWindow.size());
            const QColor middle = middleColour(path);
            QVERIFY2(middle.green() > 150 && middle.red() < 60 && middle.blue() < 60, qPrintable(middle.name()));
            const QImage last = frameOf(path, {QStringLiteral("-sseof"), QStringLiteral("-0.5")});
            const QPoint cursor = paintedCursor(last);
            qInfo() << "window moved by" << movedBy << "; cursor painted at" << cursor << "of" << last.size();
            QVERIFY2((cursor - QPoint(last.width() / 2, last.height() / 2)).manhattanLength() <= 12,
                     qPrintable(QStringLiteral("cursor at %1,%2").arg(cursor.x()).arg(cursor.y())));
        }
        // The library opens; closing it brings the main window back.
        QTRY_VERIFY_WITH_TIMEOUT(window.bottomBar()->mediaLibraryWindow()
                                     && window.bottomBar()->mediaLibraryWindow()->isVisible(),
                                 5000);
        QVERIFY(!window.isVisible());
        QTest::qWait(1500);
        screenshot(QStringLiteral("road-") + card + QStringLiteral("-library"));
        QWidget *library = window.bottomBar()->mediaLibraryWindow();
        QVERIFY(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                         QString::number(library->winId())}));
        QVERIFY(key(QStringLiteral("Escape")));
        QTRY_VERIFY_WITH_TIMEOUT(!library->isVisible(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5000);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!window.homePage()->recentCards().isEmpty(), 5000);
    QCOMPARE(window.homePage()->recentCards().first()->toolTip(), QFileInfo(path).fileName());
    QTest::qWait(800);
    screenshot(QStringLiteral("road-") + card + QStringLiteral("-home"));
    QVERIFY(!window.recorder()->isRecording() && !window.recorder()->isFinalizing());
}

void TestMainWindowRoad::webcamWithoutCamera()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The window places itself after it is shown, and a window manager answers that move
    // later still: click once it has stood still for a moment.
    QPoint last(-1, -1);
    int still = 0;
    QTRY_VERIFY_WITH_TIMEOUT((still = window.mapToGlobal(QPoint()) == last ? still + 1 : 0,
                              last = window.mapToGlobal(QPoint()), still >= 6),
                             10000);
    auto *modeCard = window.findChild<QPushButton *>(QStringLiteral("ModeCard_Webcam"));
    QVERIFY(click(centreOf(modeCard)));
    QTRY_VERIFY(window.cameraPageActive());
    QTest::qWait(500);
    screenshot(QStringLiteral("road-webcam-page"));
    // Without a camera the page's REC button stays disabled; the start hot key asks
    // for a live preview instead of recording.
    auto *record = window.cameraPage()->findChild<QPushButton *>(QStringLiteral("CameraRecordButton"));
    QVERIFY(record);
    QVERIFY(!record->isEnabled());
    QString shownText;
    WhenShown answer([] { return QApplication::activeModalWidget(); },
                     [&](QWidget *box) {
                         if (auto *message = qobject_cast<QMessageBox *>(box))
                             shownText = message->text();
                         screenshot(QStringLiteral("road-webcam-wait"));
                         key(QStringLiteral("Return"));
                     });
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_VERIFY_WITH_TIMEOUT(answer.done(), 5000);
    QCOMPARE(shownText, QStringLiteral("Wait for a live camera preview before recording."));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(!window.recorder()->isPreparingStart() && !window.isStartPending());
}

void TestMainWindowRoad::areaAcrossDisplays()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        QSKIP("needs two displays (VISTRELLE_TEST_MONITORS)");
    const int edge = screens.at(1)->geometry().left();
    // A green window on the first display and a blue one on the second meet at their edge.
    TestWindowProcess left;
    TestWindowProcess right;
    QVERIFY(left.open(QStringLiteral("VT Left"), QStringLiteral("#00c000"), QRect(edge - 500, 250, 500, 400)));
    QVERIFY(right.open(QStringLiteral("VT Right"), QStringLiteral("#0000e0"), QRect(edge, 250, 600, 400)));
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QSignalSpy started(window.recorder(), &Recorder::started);
    QVERIFY(click(centreOf(window.findChild<QPushButton *>(QStringLiteral("ModeCard_CustomArea")))));
    QTest::qWait(500);
    QVERIFY(drag({edge - 420, 300}, {edge + 580, 600}, 6));
    QTRY_VERIFY_WITH_TIMEOUT(window.setupToolbar()->isVisible(), 5000);
    QTest::qWait(300);
    screenshot(QStringLiteral("two-displays-area-prepare"));
    const QRect area = window.controlsArea()->captureRect();
    QVERIFY(qAbs(area.width() - 1000) <= 2 && qAbs(area.height() - 300) <= 2);
    QPushButton *rec = buttonByAccessibleName(window.setupToolbar(), QStringLiteral("REC"));
    QVERIFY(rec && click(centreOf(rec)));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 20000);
    QTest::qWait(3000);
    screenshot(QStringLiteral("two-displays-area-recording"));
    QVERIFY(stopWith(window, QStringLiteral("StopSaveButton")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    const QString path = stopped.first().first().toString();
    const MediaInfo info = MediaProbe::probe(path);
    QVERIFY2(info.ok, qPrintable(info.error));
    // The whole area, with each display's picture in it.
    QCOMPARE(info.videoSize(), QSize(area.width() & ~1, area.height() & ~1));
    const QImage frame = frameOf(path, {QStringLiteral("-ss"), QStringLiteral("2")});
    QVERIFY(!frame.isNull());
    const QColor green = frame.pixelColor(edge - area.left() - 150, 40);
    const QColor blue = frame.pixelColor(edge - area.left() + 150, 40);
    QVERIFY2(green.green() > 150 && green.red() < 60 && green.blue() < 60, qPrintable(green.name()));
    QVERIFY2(blue.blue() > 150 && blue.red() < 60 && blue.green() < 60, qPrintable(blue.name()));
}

void TestMainWindowRoad::screenshotWithoutOwnWindows()
{
    if (QGuiApplication::screens().size() < 2)
        QSKIP("needs two displays (VISTRELLE_TEST_MONITORS)");
    const QRect second = QGuiApplication::screens().at(1)->geometry();
    TestWindowProcess below;
    QVERIFY(below.open(QStringLiteral("VT Below"), QStringLiteral("#0000e0"), second));
    MainWindow window;
    QVERIFY(showSettled(window));
    QVERIFY(prepareDisplay(window, 2));
    QTest::qWait(300);
    screenshot(QStringLiteral("two-displays-screenshot-prepare"));
    const QRect toolbar = window.setupToolbar()->frameGeometry();
    QVERIFY(second.contains(toolbar));
    // The toolbar's screenshot of the display; its notice is answered when it comes.
    // The notice stands beside the toolbar, leaving REC in sight.
    QString text;
    QRect noticeAt;
    WhenShown notice([] { return QApplication::activeModalWidget(); },
                     [&](QWidget *box) {
                         text = qobject_cast<QMessageBox *>(box) ? qobject_cast<QMessageBox *>(box)->text() : QString();
                         noticeAt = box->frameGeometry();
                         qobject_cast<QDialog *>(box)->reject();
                     });
    QVERIFY(click(centreOf(window.setupToolbar()->findChild<QWidget *>(QStringLiteral("ToolbarScreenshotButton")))));
    QTRY_VERIFY_WITH_TIMEOUT(notice.done(), 10000);
    QVERIFY2(!noticeAt.intersects(toolbar) && second.contains(noticeAt),
             qPrintable(QStringLiteral("notice at %1,%2 %3x%4").arg(noticeAt.x()).arg(noticeAt.y())
                            .arg(noticeAt.width()).arg(noticeAt.height())));
    const QStringList shots = QDir(m_saveDir.path()).entryList({QStringLiteral("*.png")});
    QCOMPARE(shots.size(), 1);
    const QImage picture(QDir(m_saveDir.path()).filePath(shots.first()));
    QDir(m_saveDir.path()).remove(shots.first());
    QCOMPARE(picture.size(), second.size());
    // Where the toolbar stood, the window below it; along the display's edge, no frame.
    const QRect under = toolbar.translated(-second.topLeft());
    int other = 0;
    for (int y = under.top(); y <= under.bottom(); ++y)
        for (int x = under.left(); x <= under.right(); ++x)
            other += picture.pixelColor(x, y) != QColor(0, 0, 0xe0);
    for (int x = 0; x < picture.width(); ++x)
        other += picture.pixelColor(x, picture.height() - 1) != QColor(0, 0, 0xe0);
    QCOMPARE(other, 0);
    // And the toolbar is back at its place.
    QTRY_VERIFY(window.setupToolbar()->isVisible());
    QCOMPARE(window.setupToolbar()->frameGeometry(), toolbar);
    QVERIFY(click(centreOf(toolbarItem(window.setupToolbar(), QStringLiteral("Exit")))));
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5000);
}

void TestMainWindowRoad::screenshotNoticeOnToolbarsDisplay()
{
    if (QGuiApplication::screens().size() < 2)
        QSKIP("needs two displays (VISTRELLE_TEST_MONITORS)");
    // In the server's pixels, frames included: at a raised scale Qt can read a window shown on
    // one display through another's coordinates until it moves.
    const QRect second = DisplayGeometry::applicationDisplays().at(1).nativeGeometry;
    const auto shownAt = [](QWidget *widget) {
        return X11Connection::forGuiThread()->rootGeometry(topLevelOf(widget->window()->winId())).value_or(QRect());
    };
    MainWindow window;
    QVERIFY(showSettled(window));
    QVERIFY(prepareDisplay(window, 2));
    QTest::qWait(300);
    const QRect toolbar = shownAt(window.setupToolbar());
    QRect noticeAt;
    WhenShown notice([] { return QApplication::activeModalWidget(); },
                     [&](QWidget *box) {
                         // Where it stays once the window manager has had its say (a late
                         // notice of where the window was made can move it for a moment).
                         QTest::qWait(300);
                         static_cast<void>(QTest::qWaitFor([&] { return second.contains(shownAt(box)); }, 2500));
                         QTest::qWait(300);
                         noticeAt = shownAt(box);
                         screenshot(QStringLiteral("two-displays-screenshot-notice"));
                         qobject_cast<QDialog *>(box)->reject();
                     });
    QVERIFY(click(deviceCentreOf(window.setupToolbar()->findChild<QWidget *>(QStringLiteral("ToolbarScreenshotButton")))));
    QTRY_VERIFY_WITH_TIMEOUT(notice.done(), 10000);
    QVERIFY2(second.contains(noticeAt) && !noticeAt.intersects(toolbar),
             qPrintable(QStringLiteral("notice at %1,%2 %3x%4 on %5,%6 %7x%8 (device pixels)").arg(noticeAt.x()).arg(noticeAt.y())
                            .arg(noticeAt.width()).arg(noticeAt.height()).arg(second.x()).arg(second.y())
                            .arg(second.width()).arg(second.height())));
    // The picture is the display's, pixel for pixel (not a column more at 1.5).
    const QStringList shots = QDir(m_saveDir.path()).entryList({QStringLiteral("*.png")});
    QCOMPARE(shots.size(), 1);
    QCOMPARE(QImage(QDir(m_saveDir.path()).filePath(shots.first())).size(),
             DisplayGeometry::applicationDisplays().at(1).nativeGeometry.size());
    QDir(m_saveDir.path()).remove(shots.first());
    QTRY_VERIFY(window.setupToolbar()->isVisible());
    QVERIFY(click(deviceCentreOf(toolbarItem(window.setupToolbar(), QStringLiteral("Exit")))));
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5000);
}

void TestMainWindowRoad::displayRemoved()
{
    if (QGuiApplication::screens().size() < 2)
        QSKIP("needs two displays (VISTRELLE_TEST_MONITORS)");
    const QRect first = QGuiApplication::primaryScreen()->geometry();
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy started(window.recorder(), &Recorder::started);
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);

    // A preparation of the display that goes moves to the one that stays, and so does the
    // modal dialog open from its toolbar (which would else hold every click unseen).
    QVERIFY(prepareDisplay(window, 2));
    bool dialogCame = false;
    WhenShown autoStop([] { return QApplication::activeModalWidget(); },
                       [&](QWidget *dialog) {
                           QTest::qWait(300);
                           if (declareSecondDisplay(false))
                               dialogCame = QTest::qWaitFor([&] { return first.contains(dialog->frameGeometry()); }, 5000);
                           qobject_cast<QDialog *>(dialog)->reject();
                       });
    QVERIFY(click(centreOf(toolbarItem(window.setupToolbar(), QStringLiteral("Auto Stop")))));
    QTRY_VERIFY_WITH_TIMEOUT(autoStop.done(), 10000);
    QVERIFY(dialogCame);
    QCOMPARE(QGuiApplication::screens().size(), 1);
    QTRY_COMPARE(window.controlsArea()->captureRect(), first);
    QTRY_VERIFY(window.setupToolbar()->isVisible() && first.contains(window.setupToolbar()->frameGeometry()));
    screenshot(QStringLiteral("two-displays-removed-prepare"));
    // Clicked once the window manager has answered the move.
    QWidget *exit = toolbarItem(window.setupToolbar(), QStringLiteral("Exit"));
    QPoint last(-1, -1);
    int still = 0;
    QTRY_VERIFY((still = centreOf(exit) == last ? still + 1 : 0, last = centreOf(exit), still >= 4));
    QVERIFY(click(last));
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5000);

    // An area's preparation on the display that goes returns home and says why.
    QVERIFY(declareSecondDisplay(true));
    const QRect second = QGuiApplication::screens().at(1)->geometry();
    QVERIFY(click(centreOf(window.findChild<QPushButton *>(QStringLiteral("ModeCard_CustomArea")))));
    QTest::qWait(500);
    QVERIFY(drag(second.topLeft() + QPoint(200, 200), second.topLeft() + QPoint(600, 500), 6));
    QTRY_VERIFY_WITH_TIMEOUT(window.setupToolbar()->isVisible(), 5000);
    QString said;
    WhenShown told([] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); },
                   [&](QWidget *box) {
                       said = static_cast<QMessageBox *>(box)->text();
                       static_cast<QMessageBox *>(box)->accept();
                   });
    QVERIFY(declareSecondDisplay(false));
    QTRY_VERIFY_WITH_TIMEOUT(told.done(), 5000);
    QCOMPARE(said, QStringLiteral("The display of the chosen area is no longer connected. Choose the area again."));
    QTRY_VERIFY(window.isVisible() && !window.setupToolbar()->isVisible());

    // A recording of the display that goes ends as a stop does, and keeps what it has.
    QVERIFY(declareSecondDisplay(true));
    QVERIFY(prepareDisplay(window, 2));
    QPushButton *rec = buttonByAccessibleName(window.setupToolbar(), QStringLiteral("REC"));
    QVERIFY(rec && click(centreOf(rec)));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 20000);
    QTest::qWait(2000);
    QVERIFY(declareSecondDisplay(false));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    const MediaInfo info = MediaProbe::probe(stopped.first().first().toString());
    QVERIFY2(info.ok && info.hasVideo(), qPrintable(info.error));
    QVERIFY(info.durationMs >= 1500);
    QVERIFY(declareSecondDisplay(true));
}

void TestMainWindowRoad::firstPlaceOnPointersDisplay()
{
    QScreen *primary = QGuiApplication::primaryScreen();
    if (QGuiApplication::screens().size() < 2 || primary->geometry().left() == 0)
        QSKIP("needs a primary display right of another (VISTRELLE_TEST_MONITORS)");
    QVERIFY(pointerTo(primary->geometry().center()));
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // On the pointer's display, at the size for it.
    QTRY_VERIFY_WITH_TIMEOUT(primary->geometry().contains(QRect(centreOf(&window), QSize(1, 1))), 5000);
    QCOMPARE(window.size(), MainWindow::fitWindowSize(primary->availableGeometry()).size);
    screenshot(QStringLiteral("two-displays-first-place"));
}

void TestMainWindowRoad::areaAtRaisedScale_data()
{
    QTest::addColumn<QRect>("dragged"); // device pixels
    QTest::newRow("across both displays") << QRect(1000, 300, 1800, 500);
    QTest::newRow("inside the primary") << QRect(300, 250, 600, 450);
    // Sizes whose logical width or height is no whole number.
    QTest::newRow("602 x 402 inside the primary") << QRect(302, 251, 602, 402);
    QTest::newRow("800 x 400 inside the second") << QRect(2102, 301, 800, 400);
}

void TestMainWindowRoad::areaAtRaisedScale()
{
    QFETCH(QRect, dragged);
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2 || screens.first()->devicePixelRatio() <= 1.0)
        QSKIP("needs two displays at a raised scale (VISTRELLE_TEST_MONITORS, QT_SCALE_FACTOR)");
    // A pattern over each display.
    TestWindowProcess first;
    TestWindowProcess second;
    QVERIFY(openAtScaleOne(first, QStringLiteral("VT Pattern 1"), QStringLiteral("pattern"), QRect(0, 0, 1920, 1080))
            && openAtScaleOne(second, QStringLiteral("VT Pattern 2"), QStringLiteral("pattern"),
                              QRect(1920, 0, 1920, 1080)));

    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QSignalSpy started(window.recorder(), &Recorder::started);
    QVERIFY(click(deviceCentreOf(window.findChild<QPushButton *>(QStringLiteral("ModeCard_CustomArea")))));
    QTest::qWait(500);
    savePicture(QStringLiteral("scaled-picker ") + QTest::currentDataTag());
    const QPoint end = dragged.topLeft() + QPoint(dragged.width(), dragged.height());
    QVERIFY(pointerTo(dragged.topLeft()) && xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
    QVERIFY(pointerTo((dragged.topLeft() + end) / 2) && pointerTo(end));
    savePicture(QStringLiteral("scaled-picker-drag ") + QTest::currentDataTag());
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTRY_VERIFY_WITH_TIMEOUT(window.setupToolbar()->isVisible(), 5000);
    QTest::qWait(300);
    savePicture(QStringLiteral("scaled-area-prepare ") + QTest::currentDataTag());
    QPushButton *rec = buttonByAccessibleName(window.setupToolbar(), QStringLiteral("REC"));
    QVERIFY(rec && click(deviceCentreOf(rec)));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 20000);
    QTest::qWait(2000);
    const QImage screen = rootPicture();
    QVERIFY(!screen.isNull());
    if (!qEnvironmentVariableIsEmpty("VISTRELLE_SHOTS"))
        screen.save(qEnvironmentVariable("VISTRELLE_SHOTS") + QStringLiteral("/scaled-area-recording ") + QTest::currentDataTag() + QStringLiteral(".png"));
    QVERIFY(stopWith(window, QStringLiteral("StopSaveButton")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    const QString path = stopped.first().first().toString();
    const MediaInfo info = MediaProbe::probe(path);
    QVERIFY2(info.ok, qPrintable(info.error));
    // The dragged size, and in it the dragged pixels: each cell of the pattern the file
    // shows away from the cells' edges is the screen's at the same place.
    const QSize size = info.videoSize();
    QCOMPARE(size, dragged.size());
    const QImage frame =
        frameOf(path, {QStringLiteral("-ss"), QStringLiteral("1.5")}).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!frame.isNull());
    const auto near = [](QRgb a, QRgb b) {
        return qAbs(qRed(a) - qRed(b)) <= 28 && qAbs(qGreen(a) - qGreen(b)) <= 28 && qAbs(qBlue(a) - qBlue(b)) <= 28;
    };
    int looked = 0;
    int same = 0;
    for (int y = 10; y < frame.height() - 10; y += 23) {
        for (int x = 10; x < frame.width() - 10; x += 23) {
            const QPoint at = dragged.topLeft() + QPoint(x, y);
            const QRgb expected = screen.pixel(at);
            bool flat = true;
            for (const QPoint d : {QPoint(-7, -7), QPoint(7, -7), QPoint(-7, 7), QPoint(7, 7)})
                flat = flat && screen.pixel(at + d) == expected;
            if (!flat)
                continue;
            ++looked;
            same += near(frame.pixel(x, y), expected) ? 1 : 0;
        }
    }
    qInfo() << "file" << size << "pixels like the screen's at the dragged place:" << same << "of" << looked;
    QVERIFY(looked >= 100);
    QVERIFY2(same >= looked * 9 / 10, qPrintable(QStringLiteral("%1 of %2").arg(same).arg(looked)));
}

void TestMainWindowRoad::clickRingAcrossDisplays()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2 || screens.first()->devicePixelRatio() <= 1.0)
        QSKIP("needs two displays at a raised scale (VISTRELLE_TEST_MONITORS, QT_SCALE_FACTOR)");
    // A grey desktop over both displays.
    TestWindowProcess grey;
    QVERIFY(openAtScaleOne(grey, QStringLiteral("VT Grey"), QStringLiteral("#606060"), QRect(0, 0, 3840, 1080)));
    // The mouse effects on, as they are by default.
    QSettings().setValue(QStringLiteral("effects/mouseEnabled"), true);
    const auto effectsOff = qScopeGuard([] { QSettings().setValue(QStringLiteral("effects/mouseEnabled"), false); });

    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QSignalSpy started(window.recorder(), &Recorder::started);
    const QRect dragged(1000, 300, 1800, 500); // device pixels, across both displays
    QVERIFY(recordDraggedArea(window, dragged, started));
    // A window of the program's own on the second display, inside the area: a click in it
    // rings (clicks in other programs' windows do not reach the program).
    QWidget own(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    own.setStyleSheet(QStringLiteral("background: #606060;"));
    own.setAttribute(Qt::WA_ShowWithoutActivating);
    setDeviceGeometry(&own, QRect(2300, 450, 400, 300));
    own.show();
    QVERIFY(QTest::qWaitForWindowExposed(&own));
    const QPoint at(2500, 600);
    QVERIFY(pointerTo(at));
    QTest::qWait(1000);
    QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("1")}));
    QTest::qWait(100);
    savePicture(QStringLiteral("scaled-area-click-ring"));

    QTest::qWait(1400);
    own.hide();
    // The drawing layer covers the area's device pixels, no more than the pixel a window
    // placed in logical points needs at 1.5 on each side.
    QVERIFY(click(deviceCentreOf(window.floatingToolbar()->annotationButton())));
    const QRect recorded = window.controlsArea()->captureDeviceRect();
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QRect layer = serverWindowGeometry(window.floatingToolbar()->annotationLayer()).value_or(QRect());
            return layer.contains(recorded) && recorded.adjusted(-1, -1, 1, 1).contains(layer);
        }(),
        5000);
    QVERIFY(click(deviceCentreOf(window.floatingToolbar()->annotationButton())));
    QVERIFY(stopWith(window, QStringLiteral("StopSaveButton")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    const QString path = stopped.first().first().toString();
    const MediaInfo info = MediaProbe::probe(path);
    QVERIFY2(info.ok, qPrintable(info.error));
    // The ring around the click's place in the file (it grows to 54 logical pixels, 81 of
    // the file's), and no highlight at the file's middle, where the pointer never was.
    const QPoint inFile = at - dragged.topLeft();
    const QList<QImage> aroundClick = framesOf(path, QRect(inFile - QPoint(100, 100), QSize(200, 200)));
    const QPoint middle(info.videoSize().width() / 2, info.videoSize().height() / 2);
    const QList<QImage> aroundMiddle = framesOf(path, QRect(middle - QPoint(40, 40), QSize(80, 80)));
    QVERIFY(aroundClick.size() > 30 && aroundMiddle.size() == aroundClick.size());
    const auto red = [](QRgb c) { return qRed(c) > 160 && qGreen(c) < 110 && qBlue(c) < 110; };
    const auto yellow = [](QRgb c) { return qRed(c) > 130 && qGreen(c) > 110 && qBlue(c) < 80; };
    const int ring = mostPixels(aroundClick, red);
    const int dot = mostPixels(aroundMiddle, yellow);
    qInfo() << "ring pixels at the click:" << ring << "highlight pixels at the middle:" << dot;
    QVERIFY2(ring >= 40, qPrintable(QString::number(ring)));
    QVERIFY2(dot == 0, qPrintable(QString::number(dot)));
}

void TestMainWindowRoad::webcamBubbleAcrossDisplays()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2 || screens.first()->devicePixelRatio() <= 1.0)
        QSKIP("needs two displays at a raised scale (VISTRELLE_TEST_MONITORS, QT_SCALE_FACTOR)");
    const qreal ratio = screens.first()->devicePixelRatio();
    CameraHub::setTestDevices(webcamtest::fakeCameras(1));
    const auto systemCameras = qScopeGuard([] { CameraHub::setTestDevices(std::nullopt); });
    webcamtest::CameraFeeder feeder("/dev/video0", webcamtest::splitPicture());

    MainWindow window;
    QVERIFY(showSettled(window));
    window.controlsArea()->setWebcamEnabled(true);
    QVERIFY(window.controlsArea()->isWebcamEnabled());
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QSignalSpy started(window.recorder(), &Recorder::started);
    const QRect dragged(1000, 300, 1800, 500); // device pixels, across both displays
    QVERIFY(recordDraggedArea(window, dragged, started));
    CameraOverlay *bubble = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        bubble = bubble ? bubble : qobject_cast<CameraOverlay *>(top);
    QVERIFY(bubble);
    QTRY_VERIFY_WITH_TIMEOUT(bubble->isVisible(), 5000);
    // Laid out in the area's own points (its device pixels over the ratio) and placed in its
    // device pixels: the area's logical rectangle spans the gap between the displays' points.
    const QRect points = CameraOverlay::bubbleGeometry(
        QRect(0, 0, int(std::lround(dragged.width() / ratio)), int(std::lround(dragged.height() / ratio))),
        bubble->shape(), bubble->position(), bubble->bubbleSize());
    const QRect expected(dragged.topLeft() + QPoint(int(std::lround(points.x() * ratio)), int(std::lround(points.y() * ratio))),
                         QSize(int(std::lround(points.width() * ratio)), int(std::lround(points.height() * ratio))));
    const auto near = [&expected](const QRect &real) {
        return qAbs(real.x() - expected.x()) <= 2 && qAbs(real.y() - expected.y()) <= 2
            && qAbs(real.width() - expected.width()) <= 2 && qAbs(real.height() - expected.height()) <= 2;
    };
    QRect real;
    const bool placed = QTest::qWaitFor([&] { return near(real = serverWindowGeometry(bubble).value_or(QRect())); }, 5000);
    savePicture(QStringLiteral("scaled-area-webcam-bubble"));
    QVERIFY2(placed, qPrintable(QStringLiteral("bubble at %1,%2 %3x%4; expected %5,%6 %7x%8")
                                    .arg(real.x()).arg(real.y()).arg(real.width()).arg(real.height())
                                    .arg(expected.x()).arg(expected.y()).arg(expected.width()).arg(expected.height())));
    QVERIFY(stopWith(window, QStringLiteral("StopSaveButton")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
}

void TestMainWindowRoad::toolbarOnNarrowDisplay()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *narrow = nullptr;
    for (QScreen *screen : screens)
        narrow = screen->availableGeometry().width() < 600 ? screen : narrow;
    if (screens.size() < 2 || !narrow)
        QSKIP("needs a second display narrower than 600 points (VISTRELLE_TEST_MONITORS)");
    const QRect display = narrow->availableGeometry();
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QSignalSpy started(window.recorder(), &Recorder::started);
    // An area on the narrow display: its preparation toolbar, and so the pointer that
    // presses REC, are on that display.
    QVERIFY(recordDraggedArea(window, QRect(display.topLeft() + QPoint(40, 200), QSize(display.width() - 80, 400)),
                              started));
    QVERIFY(display.contains(QCursor::pos()));
    // The recording toolbar stands whole on that display, every button of it inside.
    FloatingToolbar *toolbar = window.floatingToolbar();
    QRect real;
    const bool inside = QTest::qWaitFor(
        [&] { return toolbar->isVisible() && display.contains(real = serverWindowGeometry(toolbar).value_or(QRect())); },
        5000);
    savePicture(QStringLiteral("narrow-display-recording-toolbar"));
    QVERIFY2(inside, qPrintable(QStringLiteral("toolbar at %1,%2 %3x%4 on a display %5 wide from %6")
                                    .arg(real.x()).arg(real.y()).arg(real.width()).arg(real.height())
                                    .arg(display.width()).arg(display.x())));
    for (QAbstractButton *button : toolbar->findChildren<QAbstractButton *>()) {
        if (button->isVisible())
            QVERIFY2(display.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())),
                     qPrintable(button->objectName() + button->toolTip()));
    }
    QVERIFY(stopWith(window, QStringLiteral("StopSaveButton")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
}

int main(int argc, char *argv[])
{
    // As the program does: the library's player uses Qt Multimedia's FFmpeg back end.
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the test then skips
    QApplication app(argc, argv);
    TestMainWindowRoad test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwin_road_e2e.moc"
