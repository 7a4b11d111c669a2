// Automatic stop after one minute, withdrawn on its countdown panel with a real click:
// the recording goes on past the minute, the stored setting stays, and the next
// recording gets the limit and the panel again. A limit changed during the recording
// from the recording toolbar: the panel counts down to the new one and the recording
// stops there; by size, the panel goes. Both limits are switched off from the
// preparation toolbar that can switch them on. Records audio only, which costs little.

#include "../support/MainWindowDriver.h"
#include "../support/OverlayE2eSupport.h"
#include "../support/ServerWindowPosition.h"

#include "app/BottomBar.h"
#include "dialogs/AutoSplitDialog.h"
#include "dialogs/AutoStopDialog.h"
#include "overlays/SetupRecordingToolbar.h"

#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

void storeAutoStop(bool enabled, int mode, int minutes)
{
    QSettings settings;
    settings.setValue(QStringLiteral("autoStop/enabled"), enabled);
    settings.setValue(QStringLiteral("autoStop/mode"), mode);
    settings.setValue(QStringLiteral("autoStop/durationMin"), minutes);
    settings.setValue(QStringLiteral("autoStop/sizeMB"), 1000);
}

template <typename T>
QWidget *visibleConfigDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<T *>(widget); dialog && dialog->isVisible()) {
            if constexpr (std::is_same_v<T, AutoStopDialog>)
                if (dialog->isCountdownMode())
                    continue;
            return dialog;
        }
    return nullptr;
}

// The recording toolbar's timer button (its one tool button that does not toggle).
QPushButton *timerButton(MainWindow &window)
{
    for (QPushButton *button : window.floatingToolbar()->findChildren<QPushButton *>(QStringLiteral("ToolIcon")))
        if (!button->isCheckable() && button->isVisible())
            return button;
    return nullptr;
}

// Clicks `opener` and, in the option dialog of type T it opens, runs `act` (which clicks
// the dialog's buttons). True once the dialog was handled and has closed.
template <typename T>
bool inOptionDialog(QWidget *opener, std::function<void(QWidget *)> act)
{
    bool closed = false;
    WhenShown handled([] { return visibleConfigDialog<T>(); },
                      [&](QWidget *shown) {
                          // Exposed and placed (a window manager may still move it).
                          QPointer<QWidget> dialog = shown;
                          if (QTest::qWaitForWindowExposed(dialog)) {
                              for (QRect placed; dialog && dialog->geometry() != placed;) {
                                  placed = dialog->geometry();
                                  QTest::qWait(200);
                              }
                              act(dialog);
                          }
                          closed = QTest::qWaitFor([&] { return !dialog || !dialog->isVisible(); }, 5000);
                          if (!closed && dialog)
                              qobject_cast<QDialog *>(dialog.data())->reject(); // the test goes on to fail
                      });
    if (!opener || !click(centreOf(opener)))
        return false;
    return QTest::qWaitFor([&] { return handled.done(); }, 10000) && closed;
}

} // namespace

class TestMainWindowAutoStopE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cancelledAutoStopKeepsRecording();
    void countdownRunsThroughPause();
    void limitChangedDuringRecording();
    void switchedOffFromPreparationToolbar();
    // On two displays (VISTRELLE_TEST_MONITORS).
    void dialogOnRecordingToolbarsDisplay();

private:
    QTemporaryDir m_saveDir;
};

void TestMainWindowAutoStopE2E::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_saveDir.isValid());
    setUpProgramSettings(m_saveDir.path());
    storeAutoStop(true, 0, 1);
}

void TestMainWindowAutoStopE2E::cancelledAutoStopKeepsRecording()
{
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QVERIFY(startRecordingFrom(window, QStringLiteral("AudioOnly")));
    QElapsedTimer clock;
    clock.start();

    QPointer<AutoStopDialog> panel = window.bottomBar()->countdownWindow();
    QVERIFY(panel);
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(panel->countText(), QStringLiteral("01:00"));
    QTest::qWait(5000 - int(clock.elapsed()));
    screenshot(QStringLiteral("autostop-panel"));
    auto *cancel = panel->findChild<QPushButton *>(QStringLiteral("AutoStopSecondary"));
    QVERIFY(cancel);
    QVERIFY(click(centreOf(cancel)));
    QTRY_VERIFY(!panel || !panel->isVisible());

    // Past the minute the recording still runs.
    QTest::qWait(70000 - int(clock.elapsed()));
    QVERIFY(window.recorder()->isRecording());
    QCOMPARE(stopped.size(), 0);
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("autoStop/enabled")).toBool(), true);
    QCOMPARE(settings.value(QStringLiteral("autoStop/durationMin")).toInt(), 1);
    QVERIFY(stopWith(window, QStringLiteral("StopDiscardButton")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 20000);

    // The next recording has the limit again, with its panel.
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5000);
    QVERIFY(startRecordingFrom(window, QStringLiteral("AudioOnly")));
    QTRY_VERIFY(window.bottomBar()->countdownWindow() && window.bottomBar()->countdownWindow()->isVisible());
    QVERIFY(stopWith(window, QStringLiteral("StopDiscardButton")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 2, 20000);
    QTRY_VERIFY(!window.bottomBar()->countdownWindow());
}

// A stop by duration comes by wall time, pauses included: a minute with a 10 s pause
// stops at the minute, and the panel reads 00:00 as it comes, not the paused seconds.
void TestMainWindowAutoStopE2E::countdownRunsThroughPause()
{
    storeAutoStop(true, 0, 1);
    MainWindow window;
    QVERIFY(showSettled(window));
    QVERIFY(startRecordingFrom(window, QStringLiteral("AudioOnly")));
    QElapsedTimer clock;
    clock.start();
    QPointer<AutoStopDialog> panel = window.bottomBar()->countdownWindow();
    QVERIFY(panel);
    auto *pause = window.floatingToolbar()->findChild<QPushButton *>(QStringLiteral("PauseButton"));
    QTest::qWait(5000);
    QVERIFY(click(centreOf(pause)));
    QTRY_VERIFY_WITH_TIMEOUT(window.recorder()->isPaused(), 10000);
    QTest::qWait(10000);
    QVERIFY(click(centreOf(pause)));
    QTRY_VERIFY_WITH_TIMEOUT(!window.recorder()->isPaused(), 10000);

    // Watch the panel and the recorder together until the recording has ended.
    qint64 readZeroAt = -1, stoppedAt = -1;
    QString shownAtStop;
    QVERIFY(QTest::qWaitFor([&] {
        const QString shown = panel ? panel->countText() : QString();
        if (readZeroAt < 0 && shown == QLatin1String("00:00"))
            readZeroAt = clock.elapsed();
        if (!window.recorder()->isRecording()) {
            stoppedAt = clock.elapsed();
            shownAtStop = shown;
            return true;
        }
        return false;
    }, 90000));
    QVERIFY2(stoppedAt >= 58000 && stoppedAt < 64000, qPrintable(QString::number(stoppedAt)));
    QVERIFY2(readZeroAt >= 0 && stoppedAt - readZeroAt <= 1000,
             qPrintable(QStringLiteral("stopped at %1 ms showing \"%2\", 00:00 read at %3 ms")
                            .arg(stoppedAt).arg(shownAtStop).arg(readZeroAt)));
    QTRY_VERIFY_WITH_TIMEOUT(!window.bottomBar()->countdownWindow(), 30000);
}

void TestMainWindowAutoStopE2E::limitChangedDuringRecording()
{
    storeAutoStop(true, 0, 30);
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QVERIFY(startRecordingFrom(window, QStringLiteral("AudioOnly")));
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY(window.bottomBar()->countdownWindow() && window.bottomBar()->countdownWindow()->isVisible());
    QCOMPARE(window.bottomBar()->countdownWindow()->countText(), QStringLiteral("30:00"));
    QPoint firstPlace;
    QVERIFY(QTest::qWaitFor([&] { // placed, and the window manager done with it
        const QPoint now = window.bottomBar()->countdownWindow()->frameGeometry().topLeft();
        const bool settled = now == firstPlace;
        firstPlace = now;
        QTest::qWait(200);
        return settled;
    }, 5000));

    // From 30 minutes to 1 a few seconds in: the panel counts what is left of the minute.
    // (The panel is put aside first: where it shows, it may cover the dialog.)
    const auto putPanelAside = [&window] {
        AutoStopDialog *panel = window.bottomBar()->countdownWindow();
        if (!panel || !QTest::qWaitForWindowExposed(panel))
            return false;
        const QPoint aside(0, 1080 - panel->frameGeometry().height());
        return QTest::qWaitFor([&] {
            if (panel->frameGeometry().topLeft() == aside)
                return true;
            panel->move(aside);
            QTest::qWait(200);
            return false;
        }, 5000);
    };
    QVERIFY(putPanelAside());
    QTest::qWait(4000);
    QVERIFY(inOptionDialog<AutoStopDialog>(timerButton(window), [](QWidget *dialog) {
        // Typed once the click has given the box the keyboard (the window manager hands
        // the focus over after the click; keys sent sooner go to another window).
        QSpinBox *minutes = dialog->findChildren<QSpinBox *>().first();
        for (int attempt = 0; attempt < 3 && minutes->value() != 1; ++attempt) {
            click(centreOf(minutes));
            if (!QTest::qWaitFor([minutes] { return minutes->hasFocus() && minutes->window()->isActiveWindow(); }, 3000))
                continue;
            key(QStringLiteral("ctrl+a"));
            key(QStringLiteral("1"));
            (void)QTest::qWaitFor([minutes] { return minutes->value() == 1; }, 2000);
        }
        click(centreOf(dialog->findChild<QPushButton *>(QStringLiteral("AutoStopPrimary"))));
    }));
    const int atChange = int(clock.elapsed() / 1000);
    QPointer<AutoStopDialog> panel;
    QTRY_VERIFY((panel = window.bottomBar()->countdownWindow()) && panel->isVisible());
    QVERIFY2(panel->remainingSeconds() <= 60 - atChange + 2 && panel->remainingSeconds() >= 60 - atChange - 6,
             qPrintable(panel->countText()));
    // It stands where the first one stood, beside the recording toolbar, not over the
    // picture.
    QTRY_COMPARE(panel->frameGeometry().topLeft(), firstPlace);
    screenshot(QStringLiteral("autostop-changed"));

    // The recording stops by itself at the minute, as the panel showed.
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 90000);
    QVERIFY2(clock.elapsed() >= 58000 && clock.elapsed() < 75000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!stopped.first().first().toString().isEmpty());
    QTRY_VERIFY(!window.bottomBar()->countdownWindow());

    // By size: no countdown to a stop that is not coming.
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 10000);
    QVERIFY(startRecordingFrom(window, QStringLiteral("AudioOnly")));
    QTRY_VERIFY(window.bottomBar()->countdownWindow() && window.bottomBar()->countdownWindow()->isVisible());
    QVERIFY(putPanelAside());
    QVERIFY(inOptionDialog<AutoStopDialog>(timerButton(window), [](QWidget *dialog) {
        click(centreOf(dialog->findChildren<QRadioButton *>().last()));
        click(centreOf(dialog->findChild<QPushButton *>(QStringLiteral("AutoStopPrimary"))));
    }));
    QTRY_VERIFY(!window.bottomBar()->countdownWindow() || !window.bottomBar()->countdownWindow()->isVisible());
    QCOMPARE(QSettings().value(QStringLiteral("autoStop/mode")).toInt(), 1);

    // And off from the same button.
    QVERIFY(inOptionDialog<AutoStopDialog>(timerButton(window), [](QWidget *dialog) {
        click(centreOf(dialog->findChild<QPushButton *>(QStringLiteral("AutoStopOff"))));
    }));
    QCOMPARE(QSettings().value(QStringLiteral("autoStop/enabled")).toBool(), false);
    QVERIFY(stopWith(window, QStringLiteral("StopDiscardButton")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 2, 20000);
}

void TestMainWindowAutoStopE2E::switchedOffFromPreparationToolbar()
{
    storeAutoStop(true, 0, 5);
    QSettings().setValue(QStringLiteral("autoSplit/enabled"), true);
    MainWindow window;
    QVERIFY(showSettled(window));
    auto *card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_AudioOnly"));
    QVERIFY(card && click(centreOf(card)));
    QTRY_VERIFY_WITH_TIMEOUT(window.setupToolbar()->isVisible(), 5000);
    QTest::qWait(200);
    // The items say whether each limit is on.
    const auto stateOf = [&window](const QString &item) {
        return toolbarItem(window.setupToolbar(), item)->text().section(QLatin1Char('\n'), 1);
    };
    QCOMPARE(stateOf(QStringLiteral("Auto Stop")), SetupRecordingToolbar::tr("On"));
    QCOMPARE(stateOf(QStringLiteral("Auto Split")), SetupRecordingToolbar::tr("On"));
    screenshot(QStringLiteral("preparation-toolbar-limits-on"));

    QVERIFY(inOptionDialog<AutoStopDialog>(toolbarItem(window.setupToolbar(), QStringLiteral("Auto Stop")),
                                           [](QWidget *dialog) {
                                               screenshot(QStringLiteral("autostop-dialog-on"));
                                               click(centreOf(dialog->findChild<QPushButton *>(QStringLiteral("AutoStopOff"))));
                                           }));
    QCOMPARE(QSettings().value(QStringLiteral("autoStop/enabled")).toBool(), false);
    QVERIFY(!window.bottomBar()->autoStopConfig().enabled);
    QCOMPARE(window.bottomBar()->autoStopConfig().durationMin, 5);
    QCOMPARE(stateOf(QStringLiteral("Auto Stop")), SetupRecordingToolbar::tr("Off"));

    QVERIFY(inOptionDialog<AutoSplitDialog>(toolbarItem(window.setupToolbar(), QStringLiteral("Auto Split")),
                                            [](QWidget *dialog) {
                                                screenshot(QStringLiteral("autosplit-dialog-on"));
                                                click(centreOf(dialog->findChild<QPushButton *>(QStringLiteral("SplitOff"))));
                                            }));
    QCOMPARE(QSettings().value(QStringLiteral("autoSplit/enabled")).toBool(), false);
    QCOMPARE(stateOf(QStringLiteral("Auto Split")), SetupRecordingToolbar::tr("Off"));
    screenshot(QStringLiteral("preparation-toolbar-limits-off"));

    // Off, the dialog offers no switch-off, and its Cancel leaves it off.
    bool offered = true;
    QVERIFY(inOptionDialog<AutoStopDialog>(toolbarItem(window.setupToolbar(), QStringLiteral("Auto Stop")),
                                           [&offered](QWidget *dialog) {
                                               offered = dialog->findChild<QPushButton *>(QStringLiteral("AutoStopOff"))->isVisible();
                                               click(centreOf(dialog->findChild<QPushButton *>(QStringLiteral("AutoStopSecondary"))));
                                           }));
    QVERIFY(!offered);
    QCOMPARE(QSettings().value(QStringLiteral("autoStop/enabled")).toBool(), false);
    QVERIFY(click(centreOf(toolbarItem(window.setupToolbar(), QStringLiteral("Exit")))));
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5000);
}

void TestMainWindowAutoStopE2E::dialogOnRecordingToolbarsDisplay()
{
    if (QGuiApplication::screens().size() < 2)
        QSKIP("needs two displays (VISTRELLE_TEST_MONITORS)");
    QScreen *second = QGuiApplication::screens().at(1);
    storeAutoStop(false, 0, 30);
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy started(window.recorder(), &Recorder::started);
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QVERIFY(prepareDisplay(window, 2));
    QPushButton *rec = buttonByAccessibleName(window.setupToolbar(), QStringLiteral("REC"));
    QVERIFY(rec && click(centreOf(rec)));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 20000);
    QTRY_VERIFY(QGuiApplication::screenAt(window.floatingToolbar()->frameGeometry().center()) == second);

    // The dialog the recording toolbar opens stands on that display beside the toolbar (where
    // the X server has both), its buttons uncovered.
    bool onSecond = false;
    bool reachable = false;
    QString overToolbar;
    QVERIFY(inOptionDialog<AutoStopDialog>(timerButton(window), [&](QWidget *dialog) {
        screenshot(QStringLiteral("autostop-dialog-display-2"));
        onSecond = QGuiApplication::screenAt(dialog->frameGeometry().center()) == second;
        const QRect shown(windowPositionOnServer(dialog).value_or(QPoint()), dialog->size());
        QWidget *toolbar = window.floatingToolbar();
        const QRect bar(windowPositionOnServer(toolbar).value_or(QPoint()), toolbar->size());
        if (shown.intersects(bar))
            overToolbar = QStringLiteral("dialog %1,%2 %3x%4 over toolbar %5,%6 %7x%8")
                              .arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())
                              .arg(bar.x()).arg(bar.y()).arg(bar.width()).arg(bar.height());
        QWidget *cancel = dialog->findChild<QPushButton *>(QStringLiteral("AutoStopSecondary"));
        reachable = pointerTo(centreOf(cancel)) && pointerIsOn(dialog);
        click(centreOf(cancel));
    }));
    QVERIFY(onSecond);
    QVERIFY2(overToolbar.isEmpty(), qPrintable(overToolbar));
    QVERIFY(reachable);
    QVERIFY(stopWith(window, QStringLiteral("StopDiscardButton")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 20000);
}

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the test then skips
    QApplication app(argc, argv);
    TestMainWindowAutoStopE2E test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwin_autostop_e2e.moc"
