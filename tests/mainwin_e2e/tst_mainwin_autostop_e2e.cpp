// Automatic stop after one minute, withdrawn on its countdown panel with a real click:
// the recording goes on past the minute, the stored setting stays, and the next
// recording gets the limit and the panel again. Records audio only, which costs little.

#include "MainWindowDriver.h"

#include "app/BottomBar.h"
#include "dialogs/AutoStopDialog.h"

#include <QSettings>
#include <QTemporaryDir>

class TestMainWindowAutoStopE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cancelledAutoStopKeepsRecording();

private:
    QTemporaryDir m_saveDir;
};

void TestMainWindowAutoStopE2E::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_saveDir.isValid());
    setUpProgramSettings(m_saveDir.path());
    QSettings settings;
    settings.setValue(QStringLiteral("autoStop/enabled"), true);
    settings.setValue(QStringLiteral("autoStop/mode"), 0);
    settings.setValue(QStringLiteral("autoStop/durationMin"), 1);
    settings.setValue(QStringLiteral("autoStop/sizeMB"), 1000);
}

void TestMainWindowAutoStopE2E::cancelledAutoStopKeepsRecording()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
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
