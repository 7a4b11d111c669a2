// Where the program stands after each road through the real main window, with real X
// events and the real ffmpeg: a schedule that fires after the panel was left in another
// mode records the schedule's mode.

#include "MainWindowDriver.h"

#include "app/BottomBar.h"
#include "app/ModeBar.h"
#include "preparation/ControlsArea.h"
#include "recording/MediaProbe.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

QToolButton *toolbarItem(QWidget *toolbar, const QString &title)
{
    for (QToolButton *button : toolbar->findChildren<QToolButton *>())
        if (button->property("title").toString() == title && button->isVisible())
            return button;
    return nullptr;
}

} // namespace

class TestMainWindowHomeE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scheduleAfterAudioOnlyRecordsItsMode();

private:
    QTemporaryDir m_saveDir;
};

void TestMainWindowHomeE2E::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_saveDir.isValid());
    setUpProgramSettings(m_saveDir.path());
    QSettings().setValue(QStringLiteral("effects/mouseEnabled"), false);
}

void TestMainWindowHomeE2E::scheduleAfterAudioOnlyRecordsItsMode()
{
    // A one-off full-screen schedule an hour ahead; the window's clock is moved to just
    // before it once the panel has been left in the audio-only mode.
    {
        QSettings s;
        s.setValue(QStringLiteral("schedule/enabled"), true);
        s.setValue(QStringLiteral("schedule/recurrence"), 0);
        s.setValue(QStringLiteral("schedule/startAt"), QDateTime::currentDateTime().addSecs(3600));
        s.setValue(QStringLiteral("schedule/captureMode"), 0);
    }
    MainWindow window;
    qint64 shift = 0;
    window.scheduleClock = [&shift] { return QDateTime::currentDateTime().addSecs(shift); };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    QVERIFY(window.hasArmedScheduledRecording());

    // Audio Only from its card, then back home with the preparation toolbar's Exit.
    auto *card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_AudioOnly"));
    QVERIFY(card && click(centreOf(card)));
    QTRY_VERIFY_WITH_TIMEOUT(window.setupToolbar()->isVisible(), 5000);
    QTest::qWait(200);
    QToolButton *exit = toolbarItem(window.setupToolbar(), QStringLiteral("Exit"));
    QVERIFY(exit && click(centreOf(exit)));
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible() && !window.setupToolbar()->isVisible(), 5000);
    QCOMPARE(int(window.controlsArea()->captureMode()), int(CaptureModeAudioOnly));

    QSignalSpy started(window.recorder(), &Recorder::started);
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    shift = 3600 - 2;
    window.armScheduledRecording();
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 30000);
    QCOMPARE(window.modeBar()->captureMode(), 0);
    QCOMPARE(int(window.controlsArea()->captureMode()), int(CaptureModeScreen));
    QVERIFY(!QSettings().value(QStringLiteral("schedule/enabled")).toBool());
    QTest::qWait(2000);
    QVERIFY(stopWith(window, QStringLiteral("StopSaveButton")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    const MediaInfo info = MediaProbe::probe(stopped.first().first().toString());
    QVERIFY2(info.ok && info.hasVideo(), qPrintable(stopped.first().first().toString() + info.error));
    QCOMPARE(info.videoSize(), QSize(1920, 1080));
}

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the test then skips
    QApplication app(argc, argv);
    TestMainWindowHomeE2E test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwin_home_e2e.moc"
