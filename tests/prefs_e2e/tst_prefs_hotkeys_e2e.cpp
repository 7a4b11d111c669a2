// The five global hot keys on the real main window, pressed as real X key events
// (xdotool) while our windows are not in front: a screenshot while idle, and a whole
// recording started, paused, resumed, with its toolbar hidden and shown and its
// annotation tools opened, and stopped by keys alone; the file is made by the real
// ffmpeg and checked with ffprobe.

#include "../support/FakeTool.h"
#include "dialogs/SettingsDialog.h"
#include "../support/ServerWindowPosition.h"
#include "../support/MainWindowDriver.h"

#include "app/GlobalHotkey.h"
#include "app/MainWindow.h"
#include "app/TitleBar.h"
#include "dialogs/SettingsDialog.h"
#include "overlays/FloatingToolbar.h"
#include "recording/MediaProbe.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QKeySequenceEdit>
#include <QMenu>
#include <QToolButton>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestPrefsHotkeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void screenshotWhileIdle();
    void recordingByKeysAlone();
    void startAndStopWithinTheCountdown();
    void screenshotKeyChangedInPreferences();

private:
    QStringList screenshots() const
    {
        return QDir(m_saveDir.path()).entryList({QStringLiteral("Vistrelle_Screenshot_*.png")}, QDir::Files);
    }
    QTemporaryDir m_saveDir;
    QProcess m_target;
};

void TestPrefsHotkeys::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_saveDir.isValid());
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    QCoreApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QSettings settings;
    settings.setValue(QStringLiteral("save/directory"), m_saveDir.path());
    settings.setValue(QStringLiteral("save/diskWarning"), false);
    settings.setValue(SettingsDialog::generalKey("closeBehavior"), 1);
    settings.setValue(QStringLiteral("effects/mouseEnabled"), false);
    settings.remove(QStringLiteral("hotkeys"));

    // Another program's window, in front, away from the main window.
    m_target.start(QStringLiteral(CAPTURE_TEST_WINDOW),
                   {QStringLiteral("HotkeyTarget"), QStringLiteral("#3cb371"), QStringLiteral("20"),
                    QStringLiteral("20"), QStringLiteral("300"), QStringLiteral("200")});
    QVERIFY(m_target.waitForStarted());
    QTest::qWait(1000);
}

void TestPrefsHotkeys::cleanupTestCase()
{
    m_target.kill();
    m_target.waitForFinished();
}

void TestPrefsHotkeys::screenshotWhileIdle()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(500);
    QVERIFY(!window.frameGeometry().intersects(QRect(20, 20, 300, 200)));

    QVERIFY(key(QStringLiteral("ctrl+alt+s")));
    QTRY_COMPARE_WITH_TIMEOUT(screenshots().size(), 1, 5000);
    QImage picture;
    QTRY_VERIFY_WITH_TIMEOUT(picture.load(QDir(m_saveDir.path()).filePath(screenshots().first())), 5000);
    QCOMPARE(picture.size(), QSize(1920, 1080));
    const QColor centre = picture.pixelColor(170, 120);
    QVERIFY2(qAbs(centre.red() - 0x3c) <= 2 && qAbs(centre.green() - 0xb3) <= 2 && qAbs(centre.blue() - 0x71) <= 2,
             qPrintable(centre.name()));

    // Without a recording, pause, toolbar and annotation keys do nothing.
    QVERIFY(key(QStringLiteral("ctrl+alt+p")));
    QVERIFY(key(QStringLiteral("ctrl+alt+d")));
    QVERIFY(key(QStringLiteral("ctrl+alt+t")));
    QTest::qWait(500);
    QVERIFY(!window.floatingToolbar()->isVisible());
    QVERIFY(!window.recorder()->isRecording());
    QVERIFY(!window.floatingToolbar()->annotationButton()->isChecked());
    QCOMPARE(screenshots().size(), 1);
}

void TestPrefsHotkeys::recordingByKeysAlone()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(500);
    QSignalSpy started(window.recorder(), &Recorder::started);
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    FloatingToolbar *toolbar = window.floatingToolbar();

    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_VERIFY_WITH_TIMEOUT(window.countdownOverlay() && window.countdownOverlay()->isVisible(), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(toolbar->isVisible(), 6000);
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 15000);
    QElapsedTimer wall;
    wall.start();

    QTest::qWait(2000);
    QVERIFY(key(QStringLiteral("ctrl+alt+p")));
    QTRY_VERIFY_WITH_TIMEOUT(window.recorder()->isPaused(), 5000);
    QTest::qWait(3000);
    QVERIFY(key(QStringLiteral("ctrl+alt+p")));
    QTRY_VERIFY_WITH_TIMEOUT(!window.recorder()->isPaused(), 5000);

    QVERIFY(key(QStringLiteral("ctrl+alt+d")));
    QTRY_VERIFY_WITH_TIMEOUT(!toolbar->isVisible(), 3000);
    QVERIFY(key(QStringLiteral("ctrl+alt+d")));
    QTRY_VERIFY_WITH_TIMEOUT(toolbar->isVisible(), 3000);
    QVERIFY(key(QStringLiteral("ctrl+alt+t")));
    QTRY_VERIFY_WITH_TIMEOUT(toolbar->annotationButton()->isChecked(), 3000);
    QVERIFY(key(QStringLiteral("ctrl+alt+t")));
    QTRY_VERIFY_WITH_TIMEOUT(!toolbar->annotationButton()->isChecked(), 3000);
    QTest::qWait(2000);

    // Stop: no question; the two segments are joined (slowly, through the wrapper).
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    const qint64 wallMs = wall.elapsed();
    QTest::qWait(300);
    QVERIFY(!qobject_cast<QDialog *>(QApplication::activeModalWidget()));
    QTRY_VERIFY_WITH_TIMEOUT(window.recorder()->isFinalizing(), 10000);
    // While it saves, the tray's "show" and closing the media library must not bring the
    // recording toolbar back: nothing would hide it afterwards.
    QTest::qWait(800);
    window.presentRecordingControls();
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->inherits("VideoListDialog"))
            top->close();
    QTest::qWait(300);
    QVERIFY(!toolbar->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 60000);
    const QString path = stopped.first().first().toString();
    const MediaInfo info = MediaProbe::probe(path);
    QVERIFY2(info.ok, qPrintable(info.error));
    QVERIFY(info.hasVideo());
    QCOMPARE(info.videoSize(), QSize(1920, 1080));
    // About three seconds of the wall time were paused and are not in the file.
    qInfo() << "recorded" << info.durationMs << "ms of" << wallMs << "ms";
    QVERIFY2(info.durationMs < wallMs - 2000 && info.durationMs > wallMs - 4500,
             qPrintable(QStringLiteral("%1 of %2").arg(info.durationMs).arg(wallMs)));
    QTRY_VERIFY_WITH_TIMEOUT(!window.recorder()->isFinalizing(), 30000);
    QTest::qWait(500);
    QVERIFY(!toolbar->isVisible());
}

void TestPrefsHotkeys::startAndStopWithinTheCountdown()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(500);
    QSignalSpy started(window.recorder(), &Recorder::started);

    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_VERIFY_WITH_TIMEOUT(window.countdownOverlay() && window.countdownOverlay()->isVisible(), 3000);
    QTest::qWait(1000); // a press right after the first would be taken for a double press
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_VERIFY_WITH_TIMEOUT(!window.countdownOverlay() || !window.countdownOverlay()->isVisible(), 3000);
    QTest::qWait(4000); // longer than the countdown
    QCOMPARE(started.size(), 0);
    QVERIFY(!window.recorder()->isRecording());
    QVERIFY(!window.recorder()->isPreparingStart());
    QVERIFY(!window.isStartPending());
    QVERIFY(!window.floatingToolbar()->isVisible());
}

// The title bar's menu, its "设置" entry, the Hotkeys page: the screenshot key becomes
// Ctrl+Alt+K, typed into its editor; OK stores it and the hot keys follow at once.
// (Ctrl+Alt with a function key is a console switch under XKB: no editor receives it.)
void TestPrefsHotkeys::screenshotKeyChangedInPreferences()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(500);
    auto *menuButton = window.findChild<QToolButton *>(QStringLiteral("TitleMenuButton"));
    QVERIFY(menuButton);
    // The dialog runs modally inside the click: drive it from the event loop it runs.
    QString failure = QStringLiteral("the preferences did not open");
    WhenShown preferences([] { return qobject_cast<SettingsDialog *>(QApplication::activeModalWidget()); },
                          [&failure](QWidget *widget) {
        auto *dialog = static_cast<SettingsDialog *>(widget);
        const auto fail = [&](const char *why) {
            failure = QString::fromLatin1(why);
            dialog->reject();
        };
        // Qt must know where the window manager put the dialog (its pop-ups open by it).
        // The clicks aim where the X server has the buttons: a late notice from the
        // window manager can still mislead Qt for a moment before the dialog mends it.
        if (!QTest::qWaitForWindowExposed(dialog)
            || !QTest::qWaitFor([&] { return centreOnScreen(dialog) == centreOf(dialog); }, 5000))
            return fail("Qt does not know where the preferences are");
        QPushButton *hotkeysNav = nullptr;
        QPushButton *ok = nullptr;
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == QStringLiteral("快捷键"))
                hotkeysNav = button;
            if (button->text() == QStringLiteral("确定"))
                ok = button;
        }
        if (!hotkeysNav || !ok)
            return fail("no Hotkeys page or OK button");
        click(centreOnScreen(hotkeysNav));
        if (!QTest::qWaitFor([&] { return dialog->currentPage() == 3; }, 3000))
            return fail("the Hotkeys page did not show");
        // A field's own combination reaches the field (the program's hot keys are let go
        // while a field has the keyboard) and stays; a modifier pressed alone leaves no
        // field empty.
        auto *startStop = dialog->findChild<QKeySequenceEdit *>(QStringLiteral("Hotkey0"));
        auto *pauseKey = dialog->findChild<QKeySequenceEdit *>(QStringLiteral("Hotkey1"));
        click(centreOnScreen(startStop));
        if (!QTest::qWaitFor([&] { return startStop->hasFocus(); }, 3000))
            return fail("the start key editor did not take the focus");
        key(QStringLiteral("ctrl+alt+r"));
        QTest::qWait(1500);
        if (startStop->keySequence().toString(QKeySequence::PortableText) != QStringLiteral("Ctrl+Alt+R"))
            return fail(qPrintable(QStringLiteral("the start key editor holds \"%1\"").arg(startStop->keySequence().toString())));
        click(centreOnScreen(pauseKey));
        if (!QTest::qWaitFor([&] { return pauseKey->hasFocus(); }, 3000))
            return fail("the pause key editor did not take the focus");
        key(QStringLiteral("ctrl"));
        auto *editor = dialog->findChild<QKeySequenceEdit *>(QStringLiteral("Hotkey2"));
        click(centreOnScreen(editor));
        if (!QTest::qWaitFor([&] { return editor->hasFocus(); }, 3000))
            return fail("the key editor did not take the focus");
        key(QStringLiteral("ctrl+alt+k"));
        if (!QTest::qWaitFor([&] { return editor->keySequence().toString(QKeySequence::PortableText)
                                          == QStringLiteral("Ctrl+Alt+K"); }, 3000))
            return fail(qPrintable(QStringLiteral("the editor holds ") + editor->keySequence().toString()
                                   + QStringLiteral(", focus ") + (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString())));
        QTest::qWait(1200); // the editor ends its recording a second after the last key
        failure.clear();
        click(centreOnScreen(ok));
        if (!QTest::qWaitFor([&] { return !dialog->isVisible(); }, 3000)) {
            failure = QStringLiteral("OK did not close the preferences");
            dialog->reject();
        }
    });
    // The menu runs modally inside the click on its button, and the dialog inside the
    // click on the menu's entry.
    QMenu *menu = menuButton->menu();
    WhenShown menuShown([menu]() -> QWidget * { return menu->isVisible() ? menu : nullptr; },
                        [&failure, menu](QWidget *) {
        QTest::qWait(200); // the menu takes no click while it opens
        QAction *settingsEntry = nullptr;
        for (QAction *action : menu->actions())
            if (action->text() == QStringLiteral("设置"))
                settingsEntry = action;
        if (!settingsEntry) {
            failure = QStringLiteral("no settings entry");
            menu->close();
            return;
        }
        click(menu->mapToGlobal(menu->actionGeometry(settingsEntry).center()));
    });
    QSignalSpy hotkeys(window.findChild<GlobalHotkey *>(), &GlobalHotkey::hotkeyTriggered);
    QVERIFY(click(menuButton->mapToGlobal(menuButton->rect().center())));
    QTRY_VERIFY_WITH_TIMEOUT(menuShown.done(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(preferences.done(), 15000);
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget() && !QApplication::activePopupWidget(), 15000);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(hotkeys.size(), 0); // nothing started behind the dialog

    QFile file(QSettings().fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString stored = QString::fromUtf8(file.readAll());
    QVERIFY2(stored.contains(QStringLiteral("0=Ctrl+Alt+R")) && stored.contains(QStringLiteral("1=Ctrl+Alt+P"))
                 && stored.contains(QStringLiteral("2=Ctrl+Alt+K")),
             qPrintable(stored));
    const int before = screenshots().size();
    QVERIFY(key(QStringLiteral("ctrl+alt+k")));
    QTRY_COMPARE_WITH_TIMEOUT(screenshots().size(), before + 1, 5000);
    QVERIFY(key(QStringLiteral("ctrl+alt+s")));
    QTest::qWait(1000);
    QCOMPARE(screenshots().size(), before + 1);

    // The next time the preferences open they show it.
    SettingsDialog again;
    QCOMPARE(again.findChild<QKeySequenceEdit *>(QStringLiteral("Hotkey2"))->keySequence().toString(
                 QKeySequence::PortableText),
             QStringLiteral("Ctrl+Alt+K"));
    QSettings().remove(QStringLiteral("hotkeys"));
}

int main(int argc, char **argv)
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg"); // as the program does: the media library plays through it
    // An ffmpeg that takes four seconds longer to join segments, so that saving lasts.
    QTemporaryDir wrapperDir;
    if (!writeScript(wrapperDir.filePath(QStringLiteral("ffmpeg")),
                     "for a in \"$@\"; do case \"$a\" in *concat*) sleep 4;; esac; done\n"
                     "exec /usr/bin/ffmpeg \"$@\"\n"))
        return 1;
    qputenv("PATH", QFile::encodeName(wrapperDir.path()) + ":" + qgetenv("PATH"));
    QApplication app(argc, argv);
    TestPrefsHotkeys test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_prefs_hotkeys_e2e.moc"
