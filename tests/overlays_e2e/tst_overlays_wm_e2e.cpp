// The overlays and toolbars on a user's desktop: a window manager (the test desktop's
// openbox, or one of the test's own) and a compositor. The passive overlays stay out of
// the window manager's hands while the toolbars above them take clicks and keys; a whole
// recording is made by clicks alone through the main window built as main() builds it,
// with the default settings (pointer highlight on).
#include "../support/EventCounter.h"
#include "../support/OverlayE2eSupport.h"
#include "../support/MainWindowDriver.h"

#include "app/MainWindow.h"
#include "dialogs/AutoStopDialog.h"
#include "dialogs/SettingsDialog.h"
#include "overlays/AnnotationOverlay.h"
#include "overlays/CameraOverlay.h"
#include "overlays/CountdownOverlay.h"
#include "overlays/FloatingToolbar.h"
#include "overlays/KeyDisplayOverlay.h"
#include "overlays/MouseHighlighter.h"
#include "overlays/SetupRecordingToolbar.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "preparation/RegionOverlay.h"
#include "recording/MediaProbe.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QLineF>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QTemporaryDir>
#include <QtTest>

#include <qpa/qplatformwindow.h>

#include <cstring>
#include <functional>
#include <memory>

namespace {

// The pointer highlight's yellow (its outline, or its fill over a dark backdrop).
bool isHighlightYellow(QRgb p)
{
    return qRed(p) > 60 && qGreen(p) > 45 && qBlue(p) < qGreen(p) / 2 && qRed(p) > qBlue(p) + 40;
}

int yellowPixelsAround(const QImage &image, const QPoint &centre, int radius)
{
    int count = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y)
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x)
            count += image.rect().contains(x, y) && isHighlightYellow(image.pixel(x, y));
    return count;
}

QPointF centreOnScreen(const QWidget *widget)
{
    return QRectF(widget->mapToGlobal(QPoint(0, 0)), widget->size()).center();
}

QString describe(const ManagedState &state)
{
    return QStringLiteral("framed %1, override-redirect %2, listed %3")
        .arg(state.framed).arg(state.overrideRedirect).arg(state.listed);
}

// Sends `window` an event as another client would (an exposure the X server did not make).
void sendToWindow(xcb_window_t window, uint32_t mask, const void *event, size_t size)
{
    char wire[32] = {};
    std::memcpy(wire, event, std::min(size, sizeof wire));
    xcb_send_event(x11Connection(), 0, window, mask, wire);
    xcb_flush(x11Connection());
}

} // namespace

class TestOverlaysUnderWindowManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void passiveOverlaysStayOutOfTheWay();
    void recordingByClicksAlone();
    void preparationToolbarPlacement();
    void questionsOfARecording();
    void autoStopCountdown();
    void toolbarKeepsItsPlaceAgainstALateNotice();

private:
    WindowManager m_windowManager;
    QTemporaryDir m_dir;
};

void TestOverlaysUnderWindowManager::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_dir.isValid());
    QVERIFY2(m_windowManager.ensure(), "no window manager could be started");
    setUpProgramSettings(m_dir.filePath(QStringLiteral("Movies")));
    QDir().mkpath(m_dir.filePath(QStringLiteral("Movies")));
}

void TestOverlaysUnderWindowManager::passiveOverlaysStayOutOfTheWay()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    FloatingToolbar toolbar;
    toolbar.resetTime();
    const QRect place(QPoint(screen.center().x() - toolbar.width() / 2, screen.top() + 40), toolbar.size());
    toolbar.move(place.topLeft());
    toolbar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&toolbar));

    // Every passive overlay at once, each over the toolbar's place.
    MouseHighlighter highlighter;
    highlighter.setEnabled(true);
    RegionOverlay region;
    region.setRegion(screen);
    region.setRecordingMode(true);
    KeyDisplayOverlay keys;
    keys.setEnabled(true);
    keys.addKey(QStringLiteral("Ctrl"));
    CameraOverlay bubble;
    bubble.setGeometry(place.adjusted(-40, -20, -place.width() / 2, 20)); // over the pause button
    bubble.show();
    QPointer<CountdownOverlay> countdown = new CountdownOverlay(60);
    QSignalSpy canceled(countdown.data(), &CountdownOverlay::canceled);
    countdown->setTargetRect(screen);
    countdown->start();

    const QList<QPointer<QWidget>> passive{&highlighter, &region, &keys, &bubble, countdown.data()};
    for (QWidget *overlay : passive)
        QVERIFY(QTest::qWaitForWindowExposed(overlay));
    // Give the window manager the time it would take to frame them.
    QTRY_VERIFY_WITH_TIMEOUT(managedState(toolbar.winId()).listed, 5000);
    QTest::qWait(500);
    screenshot(QStringLiteral("wm-passive-overlays"));
    for (QWidget *overlay : passive) {
        const ManagedState state = managedState(overlay->winId());
        QVERIFY2(!state.framed && state.overrideRedirect && !state.listed,
                 qPrintable(QStringLiteral("%1: %2").arg(QString::fromLatin1(overlay->metaObject()->className()),
                                                         describe(state))));
    }
    QVERIFY(!managedState(toolbar.winId()).overrideRedirect);

    // The countdown, shown over the others, still hears Esc.
    QVERIFY(key(QStringLiteral("Escape")));
    QTRY_COMPARE(canceled.size(), 1);
    QTRY_VERIFY(countdown.isNull());

    // The pointer over the toolbar's buttons is on the toolbar, and clicks reach it.
    QSignalSpy pause(&toolbar, &FloatingToolbar::pauseRequested);
    QPushButton *pauseButton = toolbar.findChild<QPushButton *>(QStringLiteral("PauseButton"));
    QVERIFY(pointerTo(nativePoint(centreOnScreen(pauseButton))));
    QVERIFY(pointerIsOn(&toolbar));
    QVERIFY(clickAt(centreOnScreen(pauseButton)));
    QTRY_COMPARE(pause.size(), 1);
    // Taps (press and release at one instant, as a touchpad sends them) on the time and
    // then on Pause press Pause and leave the toolbar where it is; collapsed, a tap on the
    // time and one on the expand button expand it.
    const auto tapTwice = [](const QPointF &first, const QPointF &second) {
        const QPoint a = nativePoint(first);
        const QPoint b = nativePoint(second);
        return xdotool({"mousemove", QString::number(a.x()), QString::number(a.y()), "click", "1", "mousemove",
                        QString::number(b.x()), QString::number(b.y()), "click", "1"});
    };
    const QPoint before = toolbar.frameGeometry().topLeft();
    QLabel *time = toolbar.findChild<QLabel *>(QStringLiteral("TimerText"));
    QVERIFY(tapTwice(centreOnScreen(time), centreOnScreen(pauseButton)));
    QTRY_COMPARE(pause.size(), 2);
    QTest::qWait(300);
    QCOMPARE(toolbar.frameGeometry().topLeft(), before);
    QPushButton *collapse = toolbar.findChild<QPushButton *>(QStringLiteral("CollapseButton"));
    QVERIFY(clickAt(centreOnScreen(collapse)));
    QTRY_VERIFY(toolbar.isCollapsed());
    QTest::qWait(300);
    QVERIFY(tapTwice(centreOnScreen(toolbar.findChild<QLabel *>(QStringLiteral("CompactTime"))),
                     centreOnScreen(collapse)));
    QTRY_VERIFY(!toolbar.isCollapsed());
    QTest::qWait(300);
    QCOMPARE(toolbar.frameGeometry().topLeft(), before);
    // A press that moves still drags the toolbar along, by the pointer's whole distance from
    // the press.
    const QPointF grip = centreOnScreen(time);
    QVERIFY(pointerTo(nativePoint(grip)));
    QVERIFY(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
    for (int i = 1; i <= 8; ++i)
        QVERIFY(pointerTo(nativePoint(grip + QPointF(0, 15 * i))));
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTRY_VERIFY2(qAbs(toolbar.frameGeometry().top() - before.y() - 120) <= 3,
                 qPrintable(QStringLiteral("from %1 to %2").arg(before.y()).arg(toolbar.frameGeometry().top())));

    QSignalSpy asked(&toolbar, &FloatingToolbar::stopConfirmationRequested);
    QVERIFY(clickAt(centreOnScreen(toolbar.stopButton())));
    QTRY_COMPARE(asked.size(), 1);

    // The annotation row opens by a click; its layer takes the pointer for drawing and
    // the toolbar stays clickable above it: the row's exit button closes it again.
    QVERIFY(clickAt(centreOnScreen(toolbar.annotationButton())));
    AnnotationOverlay *layer = toolbar.annotationLayer();
    QTRY_VERIFY(layer->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(layer));
    QTest::qWait(300);
    QPushButton *exit = nullptr, *rectangle = nullptr;
    for (QPushButton *button : toolbar.findChildren<QPushButton *>()) {
        if (button->isVisible() && button->text() == QStringLiteral("退出"))
            exit = button;
        if (button->isVisible() && button->text() == QStringLiteral("▭"))
            rectangle = button;
    }
    QVERIFY(exit && rectangle);
    // Esc ends annotation, also after a click on the toolbar took the keyboard.
    for (QPushButton *clicked : {rectangle, pauseButton}) {
        QVERIFY(clickAt(centreOnScreen(clicked)));
        QTest::qWait(300);
        QVERIFY(key(QStringLiteral("Escape")));
        QTRY_VERIFY(!layer->isVisible());
        QVERIFY(!toolbar.annotationButton()->isChecked());
        QVERIFY(clickAt(centreOnScreen(toolbar.annotationButton())));
        QTRY_VERIFY(layer->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(layer));
        QTest::qWait(300);
    }
    QVERIFY(exit);
    screenshot(QStringLiteral("wm-toolbar-annotating"));
    QVERIFY(pointerTo(nativePoint(centreOnScreen(exit))));
    QVERIFY(pointerIsOn(&toolbar));
    QVERIFY(clickAt(centreOnScreen(exit)));
    QTRY_VERIFY(!layer->isVisible());
    QVERIFY(!toolbar.annotationButton()->isChecked());
}

void TestOverlaysUnderWindowManager::recordingByClicksAlone()
{
    QSettings settings;
    settings.setValue(SettingsDialog::generalKey("closeBehavior"), 1);
    settings.setValue(QStringLiteral("effects/mouseEnabled"), true); // the default
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300); // the deferred size fit and placement
    Recorder *recorder = window.recorder();
    QSignalSpy stopped(recorder, &Recorder::stopped);
    QSignalSpy errors(recorder, &Recorder::errorOccurred);

    // Full screen by the home page's card and the preparation toolbar's REC.
    auto *card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_FullScreen"));
    QVERIFY(card);
    QVERIFY(click(centreOf(card)));
    QTRY_VERIFY_WITH_TIMEOUT(window.setupToolbar()->isVisible(), 5000);
    QTest::qWait(300);
    QPushButton *rec = buttonByAccessibleName(window.setupToolbar(), QStringLiteral("REC"));
    QVERIFY(rec);
    const QPoint recAt = centreOf(rec);
    QSignalSpy started(recorder, &Recorder::started);
    QVERIFY(click(recAt));
    QTRY_VERIFY_WITH_TIMEOUT(started.size() == 1 || !errors.isEmpty(), 20000);
    QVERIFY2(errors.isEmpty(), errors.isEmpty() ? "" : qPrintable(errors.first().first().toString()));

    FloatingToolbar *toolbar = window.floatingToolbar();
    QVERIFY(toolbar->isVisible());
    auto *highlighter = visibleTopLevel<MouseHighlighter>();
    QVERIFY2(highlighter, "the pointer highlight is on by default");

    // The pointer leaves REC's place: the highlight goes with it, nothing stays behind.
    const QPoint away(recAt.x() - 400, recAt.y() - 300);
    QVERIFY(pointerTo(away));
    QTest::qWait(800);
    const QImage afterStart = rootGrab();
    screenshot(QStringLiteral("wm-recording-started"));
    QVERIFY2(yellowPixelsAround(afterStart, recAt, 60) == 0,
             qPrintable(QStringLiteral("%1 yellow pixels where REC was clicked")
                            .arg(yellowPixelsAround(afterStart, recAt, 60))));
    QVERIFY(yellowPixelsAround(afterStart, away, 30) > 20);

    // Pause and resume by the toolbar's button.
    QPushButton *pause = toolbar->findChild<QPushButton *>(QStringLiteral("PauseButton"));
    QVERIFY(pointerTo(centreOf(pause)));
    QVERIFY(pointerIsOn(toolbar));
    QVERIFY(click(centreOf(pause)));
    QTRY_VERIFY_WITH_TIMEOUT(recorder->isPaused(), 10000);
    QTest::qWait(700);
    QVERIFY(click(centreOf(pause)));
    QTRY_VERIFY_WITH_TIMEOUT(!recorder->isPaused(), 10000);
    QTest::qWait(1000);

    // Annotation on, and an L drawn below the toolbar.
    QVERIFY(click(centreOf(toolbar->annotationButton())));
    AnnotationOverlay *layer = toolbar->annotationLayer();
    QTRY_VERIFY(layer->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(layer));
    QTest::qWait(300);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint a(screen.width() / 4, screen.height() / 2);
    const QPoint b(a.x() + screen.width() / 3, a.y());
    const QPoint c(b.x(), b.y() + screen.height() / 4);
    QVERIFY(pointerTo(a));
    QVERIFY(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
    for (const auto &[from, to] : {std::pair{a, b}, std::pair{b, c}})
        for (int i = 1; i <= 8; ++i)
            QVERIFY(pointerTo(from + (to - from) * i / 8));
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTRY_COMPARE(layer->strokes().size(), 1);
    QVERIFY(pointerTo(QPoint(screen.width() - 200, screen.height() - 150)));
    QTest::qWait(2000);
    screenshot(QStringLiteral("wm-recording-stroke"));

    // Stop, and Save in the question.
    QVERIFY(stopWith(window, QStringLiteral("StopSaveButton")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 60000);
    const QString file = stopped.first().first().toString();
    QVERIFY2(QFileInfo::exists(file), qPrintable(file));
    QVERIFY(QFileInfo(file).absolutePath().startsWith(m_dir.path()));

    const MediaInfo info = MediaProbe::probe(file);
    QVERIFY2(info.ok, qPrintable(info.error));
    QVERIFY(info.hasVideo());
    QVERIFY(info.hasAudio());
    QVERIFY2(info.durationMs >= 3000, qPrintable(QString::number(info.durationMs)));

    // Frames four times a second: the stroke shows in the last ones, not in the first;
    // no highlight stays where REC was clicked.
    const QStringList frames = framesOf(file, m_dir.filePath(QStringLiteral("frames")), Recorder::ffmpegExecutable());
    QVERIFY2(frames.size() >= 12, qPrintable(QString::number(frames.size())));
    const QImage first = QImage(frames.first()).convertToFormat(QImage::Format_RGB32);
    const double scale = double(first.width()) / screen.width();
    const QList<QPointF> path{QPointF(a) * scale, QPointF(b) * scale, QPointF(c) * scale};
    QVERIFY(redShareAlong(first, path) < 0.2);
    int withStroke = 0;
    int ringsAtRec = 0;
    for (int i = 0; i < frames.size(); ++i) {
        const QImage frame = QImage(frames.at(i)).convertToFormat(QImage::Format_RGB32);
        withStroke += redShareAlong(frame, path) >= 0.9;
        if (i >= 4)
            ringsAtRec += yellowPixelsAround(frame, (QPointF(recAt) * scale).toPoint(), 40) > 0;
    }
    QVERIFY2(withStroke >= 3, qPrintable(QString::number(withStroke)));
    QCOMPARE(ringsAtRec, 0);
}

// The toolbar's hot key while the stop question is open leaves the question answerable;
// the annotation text question closes when the recording ends by its hot key.
void TestOverlaysUnderWindowManager::questionsOfARecording()
{
    QSettings().setValue(QStringLiteral("effects/mouseEnabled"), true);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    QVERIFY(startRecordingFrom(window, QStringLiteral("FullScreen")));
    Recorder *recorder = window.recorder();
    FloatingToolbar *toolbar = window.floatingToolbar();
    QSignalSpy stopped(recorder, &Recorder::stopped);

    bool outlivedToolbar = false;
    bool continued = false;
    WhenShown answer([] { return visibleDialog(QStringLiteral("Stop Recording")); },
                     [&](QWidget *question) {
                         QTest::qWait(300);
                         screenshot(QStringLiteral("wm-stop-question"));
                         if (!key(QStringLiteral("ctrl+alt+d"))
                             || !QTest::qWaitFor([&] { return !toolbar->isVisible(); }, 5000))
                             return;
                         QTest::qWait(700);
                         outlivedToolbar = question->isVisible() && recorder->isPaused();
                         if (auto *button = question->findChild<QPushButton *>(QStringLiteral("StopContinueButton")))
                             continued = click(centreOf(button));
                     });
    QVERIFY(click(centreOf(toolbar->stopButton())));
    QTRY_VERIFY_WITH_TIMEOUT(answer.done(), 10000);
    QVERIFY2(outlivedToolbar, "the stop question went with the toolbar");
    QVERIFY(continued);
    QTRY_VERIFY_WITH_TIMEOUT(!recorder->isPaused(), 10000);
    QVERIFY(recorder->isRecording());
    QVERIFY(key(QStringLiteral("ctrl+alt+d")));
    QTRY_VERIFY(toolbar->isVisible());
    QTest::qWait(500);

    // Text annotation: the question asked on a click on the layer goes when the start/stop
    // hot key ends the recording.
    QVERIFY(click(centreOf(toolbar->annotationButton())));
    AnnotationOverlay *layer = toolbar->annotationLayer();
    QTRY_VERIFY(layer->isVisible());
    QPushButton *textTool = nullptr;
    for (QPushButton *button : toolbar->findChildren<QPushButton *>())
        if (button->isVisible() && button->text() == QStringLiteral("T"))
            textTool = button;
    QVERIFY(textTool);
    QVERIFY(click(centreOf(textTool)));
    QTest::qWait(300);
    bool asked = false;
    bool closedWithRecording = false;
    const auto textQuestion = [] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QInputDialog *>(widget); dialog && dialog->isVisible())
                return static_cast<QWidget *>(dialog);
        return static_cast<QWidget *>(nullptr);
    };
    WhenShown stop(textQuestion, [&](QWidget *question) {
        asked = true;
        QTest::qWait(300);
        if (!key(QStringLiteral("ctrl+alt+r")))
            return;
        closedWithRecording = QTest::qWaitFor([&] { return !question->isVisible(); }, 15000);
        if (!closedWithRecording)
            static_cast<QDialog *>(question)->reject(); // the test goes on to report it
    });
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(click(QPoint(screen.width() / 3, screen.height() / 2)));
    QTRY_VERIFY_WITH_TIMEOUT(stop.done(), 10000);
    QVERIFY(asked);
    QVERIFY2(closedWithRecording, "the text question stayed after the recording ended");
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 60000);
    QVERIFY(!textQuestion());
    QVERIFY(layer->strokes().isEmpty());
}

// The auto-stop countdown stands beside the toolbar at the screen's top edge, away from
// the middle of the recorded picture, and stands still while the recording is paused.
void TestOverlaysUnderWindowManager::autoStopCountdown()
{
    QSettings settings;
    settings.setValue(QStringLiteral("autoStop/enabled"), true);
    settings.setValue(QStringLiteral("autoStop/mode"), 0);
    settings.setValue(QStringLiteral("autoStop/durationMin"), 1);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    QVERIFY(startRecordingFrom(window, QStringLiteral("FullScreen")));
    settings.setValue(QStringLiteral("autoStop/enabled"), false); // for the cases that follow
    AutoStopDialog *countdown = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((countdown = visibleTopLevel<AutoStopDialog>()) != nullptr, 5000);
    QVERIFY(QTest::qWaitForWindowExposed(countdown));
    QTest::qWait(500);
    screenshot(QStringLiteral("wm-autostop-countdown"));

    FloatingToolbar *toolbar = window.floatingToolbar();
    // The toolbar's visible panel (the window has a margin for its shadow).
    const QWidget *container = toolbar->findChild<QWidget *>(QStringLiteral("FloatingContainer"));
    QVERIFY(container);
    const QRect panel(container->mapToGlobal(QPoint(0, 0)), container->size());
    const QRect count = countdown->frameGeometry();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY2(!count.contains(screen.center()) && !count.intersects(panel),
             qPrintable(QStringLiteral("countdown at %1,%2 %3x%4").arg(count.x()).arg(count.y())
                            .arg(count.width()).arg(count.height())));
    QVERIFY2(qAbs(count.top() - panel.top()) <= 20 && count.bottom() < screen.height() / 3,
             qPrintable(QStringLiteral("countdown at %1,%2").arg(count.x()).arg(count.y())));
    QVERIFY(count.left() - panel.right() <= 40 || panel.left() - count.right() <= 40);
    QVERIFY(screen.contains(count));

    // The stop by duration comes by wall time: paused, the count runs on.
    QVERIFY(click(centreOf(toolbar->findChild<QPushButton *>(QStringLiteral("PauseButton")))));
    QTRY_VERIFY_WITH_TIMEOUT(window.recorder()->isPaused(), 10000);
    const int paused = countdown->remainingSeconds();
    QTRY_VERIFY_WITH_TIMEOUT(countdown->remainingSeconds() <= paused - 2, 5000);
    QVERIFY(window.recorder()->isPaused());
    QVERIFY(click(centreOf(toolbar->findChild<QPushButton *>(QStringLiteral("PauseButton")))));
    QTRY_VERIFY_WITH_TIMEOUT(!window.recorder()->isPaused(), 10000);

    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 60000);
}

// The preparation toolbar fits its items and stands centred over what is recorded: the
// screen for Audio Only (not the last custom area), and the screen again after Audio Only.
void TestOverlaysUnderWindowManager::preparationToolbarPlacement()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    SetupRecordingToolbar *toolbar = window.setupToolbar();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const auto enter = [&](const QString &card) {
        auto *button = window.findChild<QPushButton *>(QStringLiteral("ModeCard_") + card);
        return button && click(centreOf(button));
    };
    const auto leave = [&] {
        QToolButton *exit = nullptr;
        for (QToolButton *item : toolbar->findChildren<QToolButton *>())
            if (item->isVisible() && item->property("title").toString() == QStringLiteral("Exit"))
                exit = item;
        return exit && click(centreOf(exit)) && QTest::qWaitFor([&] { return window.isVisible(); }, 5000);
    };
    // The width each mode's toolbar has when it is built in that mode alone.
    const auto freshWidth = [](int mode) {
        SetupRecordingToolbar fresh(nullptr);
        fresh.setMode(HomeMode(mode), mode == 4 ? QStringLiteral("Audio only") : QStringLiteral("Display 1"));
        fresh.show();
        const bool shown = QTest::qWaitForWindowExposed(&fresh);
        QTest::qWait(100);
        return shown ? fresh.width() : -1;
    };
    const int audioWidth = freshWidth(4);
    const int screenWidth = freshWidth(0);
    QVERIFY(audioWidth < screenWidth);

    // A custom area away from the centre first.
    QVERIFY(enter(QStringLiteral("CustomArea")));
    QTest::qWait(500);
    QVERIFY(drag({201, 201}, {641, 521}, 6));
    QTRY_VERIFY_WITH_TIMEOUT(toolbar->isVisible(), 5000);
    QVERIFY(leave());

    QVERIFY(enter(QStringLiteral("AudioOnly")));
    QTRY_VERIFY_WITH_TIMEOUT(toolbar->isVisible(), 5000);
    QTest::qWait(500); // whatever layout pass was still due has run
    screenshot(QStringLiteral("wm-prep-audio-only"));
    QRect frame = toolbar->frameGeometry();
    QCOMPARE(frame.width(), audioWidth);
    QVERIFY2(qAbs(frame.center().x() - screen.center().x()) <= 2,
             qPrintable(QStringLiteral("audio only toolbar at %1,%2").arg(frame.x()).arg(frame.y())));
    QVERIFY(frame.bottom() > screen.center().y());
    QVERIFY(leave());

    QVERIFY(enter(QStringLiteral("FullScreen")));
    QTRY_VERIFY_WITH_TIMEOUT(toolbar->isVisible(), 5000);
    QTest::qWait(500);
    screenshot(QStringLiteral("wm-prep-full-screen"));
    frame = toolbar->frameGeometry();
    QCOMPARE(frame.width(), screenWidth);
    QVERIFY2(qAbs(frame.center().x() - screen.center().x()) <= 2,
             qPrintable(QStringLiteral("full screen toolbar at %1,%2").arg(frame.x()).arg(frame.y())));
    QVERIFY(leave());
}

// A late notice of a place the toolbar has left (the window manager's, handled after the
// toolbar was moved on, with none after it): Qt's record of the native window holds the old
// place while the widget and the X server have the new one. When the toolbar is exposed
// next, its position keeper must go by the widget's geometry: going by Qt's record it would
// move the toolbar away by the distance between the two places. The race is made on purpose:
// Qt's record is given what the late notice leaves in it. (A synthetic ConfigureNotify sent
// for it crosses openbox's own notice of the move: in 4 runs of 5 openbox's came last.)
void TestOverlaysUnderWindowManager::toolbarKeepsItsPlaceAgainstALateNotice()
{
    FloatingToolbar toolbar;
    toolbar.adjustSize();
    const QPoint stale(300, 300);
    const QPoint place(700, 450);
    toolbar.move(place);
    toolbar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&toolbar));
    const auto serverAtPlace = [&toolbar, place] {
        return QTest::qWaitFor([&] { return serverWindowGeometry(&toolbar).value_or(QRect()).topLeft() == place; }, 5000);
    };
    QVERIFY(serverAtPlace());
    QWindow *handle = toolbar.windowHandle();
    QTRY_COMPARE_WITH_TIMEOUT(handle->position(), place, 5000);
    // The exposures of the first show are over (the keeper looks after each): 300 ms without one.
    QElapsedTimer sinceExposed;
    sinceExposed.start();
    EventCounter exposures(handle, QEvent::Expose, [&sinceExposed] { sinceExposed.restart(); });
    QTRY_VERIFY_WITH_TIMEOUT(sinceExposed.elapsed() > 300, 5000);

    handle->handle()->QPlatformWindow::setGeometry(QRect(stale, handle->handle()->geometry().size()));
    QCOMPARE(toolbar.mapToGlobal(QPoint(0, 0)), stale);
    QCOMPARE(toolbar.geometry().topLeft(), place);

    const auto window = xcb_window_t(toolbar.winId());
    xcb_expose_event_t expose{};
    expose.response_type = XCB_EXPOSE;
    expose.window = window;
    expose.width = uint16_t(toolbar.width());
    expose.height = uint16_t(toolbar.height());
    sendToWindow(window, XCB_EVENT_MASK_EXPOSURE, &expose, sizeof expose);
    // The keeper looks once the exposure has been handled, and then either brings Qt's record
    // in step with the server or moves the toolbar.
    QTRY_VERIFY_WITH_TIMEOUT(handle->position() != stale, 5000);
    QCOMPARE(toolbar.geometry().topLeft(), place);
    QVERIFY(serverAtPlace());
}

int main(int argc, char *argv[])
{
    // As the program does: the library's player uses Qt Multimedia's FFmpeg back end.
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the test then skips
    QApplication app(argc, argv);
    TestOverlaysUnderWindowManager test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_overlays_wm_e2e.moc"
