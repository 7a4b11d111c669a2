// Which window is on top, through the real main window under the window manager, with
// real X events and the real ffmpeg, in the language VISTRELLE_TEST_LANGUAGE names and at
// the scale and screen the test runs on. Settings opened from the preparation toolbar is
// whole above the toolbar; a start by the hot key while it is open waits until it closes
// (Settings goes on answering clicks meanwhile); the start that follows is refused (less
// free space than the warning's threshold), and its message is the window under the
// pointer at its centre and has the keyboard; OK closes it, and Settings, opened again
// from the toolbar that came back, answers clicks.

#include "../support/FakeTool.h"
#include "../support/MainWindowDriver.h"
#include "../support/OverlayE2eSupport.h"

#include "app/InterfaceTranslations.h"
#include "dialogs/SettingsDialog.h"
#include "preparation/AreaPicker.h"
#include "preparation/RegionOverlay.h"

#include <QMessageBox>
#include <QScopeGuard>
#include <QTemporaryDir>

namespace {

QString translated(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

QMessageBox *visibleMessage()
{
    return visibleTopLevel<QMessageBox>();
}

// Waits until a window just shown is on screen and the window manager has placed it.
bool settled(QWidget *window)
{
    if (!QTest::qWaitForWindowExposed(window, 10000))
        return false;
    QRect last;
    for (int same = 0, round = 0; same < 3 && round < 40; ++round) {
        QTest::qWait(100);
        const QRect now = window->frameGeometry();
        same = now == last ? same + 1 : 0;
        last = now;
    }
    return true;
}

// Clicks, and moves the pointer to, a widget's centre (xdotool counts in pixels of the
// screen, at any scale).
bool clickOn(const QWidget *widget)
{
    return widget && click(nativePoint(centreOf(widget)));
}

bool pointerOn(const QWidget *widget)
{
    return widget && pointerTo(nativePoint(centreOf(widget)));
}

// Whether the X server gives the keyboard to `window` (or to a window inside its frame).
bool keyboardIsOn(const QWidget *window)
{
    xcb_connection_t *c = x11Connection();
    xcb_get_input_focus_reply_t *focus = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
    const xcb_window_t focused = focus ? focus->focus : xcb_window_t(XCB_NONE);
    std::free(focus);
    const bool on = focused > XCB_INPUT_FOCUS_POINTER_ROOT && topLevelOf(WId(focused)) == topLevelOf(window->winId());
    if (!on)
        qWarning("the keyboard is on window 0x%x, not on 0x%llx", focused, quint64(window->winId()));
    return on;
}

// Whether a click at the centre of each of these buttons reaches `window`.
bool buttonsReach(const QWidget *window, const QList<QAbstractButton *> &buttons)
{
    for (QAbstractButton *button : buttons)
        if (!pointerOn(button) || !pointerIsOn(window))
            return false;
    return true;
}

// Settings answers a click: a page of its sidebar not shown yet is clicked and shown.
bool answersClicks(SettingsDialog *settings)
{
    const int before = settings->currentPage();
    for (QPushButton *page : settings->findChildren<QPushButton *>(QStringLiteral("Nav")))
        if (page->isVisible() && !page->isChecked())
            return clickOn(page) && QTest::qWaitFor([&] { return settings->currentPage() != before; }, 3000);
    return false;
}

} // namespace

class TestMainWindowStackingE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hotkeyStartWaitsForSettings();
    void failedStartMessageIsInFront();
    void cleanupTestCase();

private:
    // Clicks the preparation toolbar's Settings item and runs `inside` in the dialog.
    bool inSettings(MainWindow &window, const std::function<void(SettingsDialog *)> &inside);

    QTemporaryDir m_saveDir;
};

void TestMainWindowStackingE2E::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    if (!windowManagerRunning())
        QSKIP("is about the window manager's stacking (scripts/test-env.sh runs openbox)");
    QVERIFY(m_saveDir.isValid());
    setUpProgramSettings(m_saveDir.path());
    const QString language = qEnvironmentVariable("VISTRELLE_TEST_LANGUAGE", QStringLiteral("en"));
    QSettings settings;
    settings.setValue(QStringLiteral("ui/language"), language);
    settings.setValue(QStringLiteral("effects/mouseEnabled"), false);
    // More free space wanted than any disk has: the start is refused.
    settings.setValue(QStringLiteral("save/diskWarning"), true);
    settings.setValue(QStringLiteral("save/diskThresholdGB"), 1000000);
    QVERIFY(InterfaceTranslations::install(language));
}

// The shared desktop's later tests use the same settings file: what this one set goes.
void TestMainWindowStackingE2E::cleanupTestCase()
{
    QSettings settings;
    for (const char *key : {"ui/language", "effects/mouseEnabled", "save/diskWarning", "save/diskThresholdGB"})
        settings.remove(QLatin1String(key));
}

bool TestMainWindowStackingE2E::inSettings(MainWindow &window, const std::function<void(SettingsDialog *)> &inside)
{
    bool closed = false;
    WhenShown shown([] { return visibleTopLevel<SettingsDialog>(); },
                    [&](QWidget *dialog) {
                        QPointer<SettingsDialog> settings = qobject_cast<SettingsDialog *>(dialog);
                        if (settled(settings))
                            inside(settings);
                        closed = QTest::qWaitFor([&] { return !settings || !settings->isVisible(); }, 5000);
                        if (!closed && settings)
                            settings->reject(); // the test goes on to fail
                    });
    QToolButton *item = toolbarItem(window.setupToolbar(), translated("SetupRecordingToolbar", "Settings"));
    return clickOn(item) && QTest::qWaitFor([&] { return shown.done(); }, 10000) && closed;
}

void TestMainWindowStackingE2E::hotkeyStartWaitsForSettings()
{
    MainWindow window;
    QVERIFY(showSettled(window));
    // A custom area above the middle of the screen: its toolbar, below it, runs across
    // the middle, where dialogs and messages open.
    QVERIFY(clickOn(window.findChild<QPushButton *>(QStringLiteral("ModeCard_CustomArea"))));
    QWidget *picker = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((picker = visibleTopLevel<AreaPicker>()) != nullptr, 5000);
    QVERIFY(settled(picker));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint middle = screen.center();
    QVERIFY(drag(nativePoint(middle - QPoint(screen.width() / 5, screen.height() / 3)),
                 nativePoint(middle + QPoint(screen.width() / 5, -screen.height() / 20))));
    QTRY_VERIFY_WITH_TIMEOUT(window.setupToolbar()->isVisible(), 5000);
    QVERIFY(settled(window.setupToolbar()));
    QVERIFY2(window.setupToolbar()->frameGeometry().contains(middle),
             qPrintable(QStringLiteral("the toolbar stands at %1,%2").arg(window.setupToolbar()->y()).arg(window.setupToolbar()->height())));

    QVERIFY(visibleTopLevel<RegionOverlay>());
    bool whole = false, waited = false, startedMeanwhile = true, answered = false, frameAside = false;
    QVERIFY(inSettings(window, [&](SettingsDialog *settings) {
        screenshot(QStringLiteral("stacking-settings"));
        // The area's frame stays above every managed window: it steps aside meanwhile.
        frameAside = !visibleTopLevel<RegionOverlay>();
        whole = buttonsReach(settings, settings->findChildren<QAbstractButton *>(QStringLiteral("Secondary"))
                                           + settings->findChildren<QAbstractButton *>(QStringLiteral("Primary"))
                                           + settings->findChildren<QAbstractButton *>(QStringLiteral("Reset")));
        if (!key(QStringLiteral("ctrl+alt+r")))
            return;
        waited = QTest::qWaitFor([&] { return window.isStartWaitingForDialog(); }, 5000);
        // Nothing starts while Settings is open (a start would show its countdown at once).
        startedMeanwhile = QTest::qWaitFor([&] { return window.isStartPending() || window.countdownOverlay(); }, 1500);
        answered = answersClicks(settings);
        clickOn(settings->findChild<QPushButton *>(QStringLiteral("Secondary")));
    }));
    QVERIFY2(frameAside, "the area's frame stayed over Settings");
    QVERIFY2(whole, "a click on a button of Settings reaches another window");
    QVERIFY2(waited && !startedMeanwhile, "the start did not wait for Settings to close");
    QVERIFY2(answered, "Settings did not answer a click while the start waited");

    // Settings closed: the start goes on, and is refused.
    QMessageBox *box = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((box = visibleMessage()) != nullptr, 30000);
    QVERIFY2(box->text().contains(QStringLiteral("1000000")), qPrintable(box->text()));
    QVERIFY(settled(box));
    QTRY_VERIFY_WITH_TIMEOUT(window.setupToolbar()->isVisible(), 5000);
    screenshot(QStringLiteral("stacking-refused"));
    QVERIFY(pointerOn(box));
    QVERIFY2(pointerIsOn(box), "the message is not the window under the pointer at its centre");
    QTRY_VERIFY2_WITH_TIMEOUT(keyboardIsOn(box), "the message does not have the keyboard", 5000);
    QVERIFY(clickOn(box->button(QMessageBox::Ok)));
    QTRY_VERIFY_WITH_TIMEOUT(!visibleMessage(), 5000);

    // Back at the preparation toolbar: its Settings answers clicks.
    QVERIFY(window.isInPreparation() && window.setupToolbar()->isVisible());
    answered = false;
    QVERIFY(inSettings(window, [&](SettingsDialog *settings) {
        answered = answersClicks(settings);
        clickOn(settings->findChild<QPushButton *>(QStringLiteral("Secondary")));
    }));
    QVERIFY2(answered, "Settings did not answer a click after the message");
    QTRY_VERIFY2(visibleTopLevel<RegionOverlay>(), "the area's frame did not come back after Settings closed");
    QVERIFY(!window.isStartPending() && !window.recorder()->isRecording());
    window.returnHome(false);
}

// An encoder that fails at once, REC pressed on the preparation toolbar: the preparation
// comes back (the start ended there) with the message in front, the window under the pointer
// at its centre; the recording's end brings no other window over it. The start key pressed
// meanwhile brings that message forward and stacks no second one.
void TestMainWindowStackingE2E::failedStartMessageIsInFront()
{
    QTemporaryDir tools;
    QVERIFY(writeScript(tools.filePath(QStringLiteral("ffmpeg")),
                        "case \"$*\" in *vistrelle-parts*) exit 1;; esac\nexec /usr/bin/ffmpeg \"$@\"\n"));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(tools.path()) + ':' + path);
    auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });
    QSettings().setValue(QStringLiteral("save/diskWarning"), false);
    auto restoreWarning = qScopeGuard([] { QSettings().setValue(QStringLiteral("save/diskWarning"), true); });

    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy errors(window.recorder(), &Recorder::errorOccurred);
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QVERIFY(clickOn(window.findChild<QPushButton *>(QStringLiteral("ModeCard_FullScreen"))));
    QTRY_VERIFY_WITH_TIMEOUT(window.setupToolbar()->isVisible(), 5000);
    QVERIFY(settled(window.setupToolbar()));
    QVERIFY(clickOn(buttonByAccessibleName(window.setupToolbar(), QStringLiteral("REC"))));
    QMessageBox *box = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((box = visibleMessage()) != nullptr, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 10000);
    QVERIFY(settled(box));
    QTRY_VERIFY_WITH_TIMEOUT(window.isInPreparation() && window.setupToolbar()->isVisible(), 5000);
    QTest::qWait(500);
    screenshot(QStringLiteral("stacking-failed-start"));
    QVERIFY(pointerOn(box));
    QVERIFY2(pointerIsOn(box), "the message is not the window under the pointer at its centre");

    QTest::qWait(1000); // past the start key's settling time
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTest::qWait(6000); // longer than a countdown and a failed start
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.cbegin(), windows.cend(),
                           [](QWidget *w) { return qobject_cast<QMessageBox *>(w) && w->isVisible(); }),
             1);
    QVERIFY2(pointerIsOn(box), "the message is not in front after the start key");
    QVERIFY(clickOn(box->button(QMessageBox::Ok)));
    QTRY_VERIFY_WITH_TIMEOUT(!visibleMessage(), 5000);
    QCOMPARE(errors.size(), 1);
    window.returnHome(false);
}

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the test then skips
    QApplication app(argc, argv);
    TestMainWindowStackingE2E test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwin_stacking_e2e.moc"
