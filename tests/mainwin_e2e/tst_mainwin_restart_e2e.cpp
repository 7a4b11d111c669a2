// A change of the interface language while the webcam page records: the "restart now"
// answer first ends the recording the way a quit does (the file is saved), and only then
// starts the program again. The webcam page records a stand-in camera through the real
// main window and the real ffmpeg; the new process is not started (the window is told how
// to start one), and the program's quit ends this test, so it has a binary of its own.

#include "../support/MainWindowDriver.h"

#include "../support/WebcamTestSupport.h"

#include "app/LinkManager.h"
#include "app/TitleBar.h"
#include "preparation/CameraRecordingPage.h"
#include "recording/MediaProbe.h"

#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>

using namespace webcamtest;

class TestMainWindowRestartE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void languageChangeWhileWebcamRecords();

private:
    QTemporaryDir m_saveDir;
};

void TestMainWindowRestartE2E::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_saveDir.isValid());
    setUpProgramSettings(m_saveDir.path());
    QSettings().setValue(QStringLiteral("ui/language"), QStringLiteral("zh_CN"));
    CameraHub::setTestDevices(fakeCameras(1));
}

void TestMainWindowRestartE2E::languageChangeWhileWebcamRecords()
{
    MainWindow window;
    QString saved;
    bool savedFirst = false;
    int starts = 0;
    connect(window.recorder(), &Recorder::stopped, this, [&saved](const QString &path) { saved = path; });
    window.startAgain = [&] {
        ++starts;
        savedFirst = !saved.isEmpty() && !window.recorder()->isRecording() && !window.recorder()->isFinalizing();
        return true;
    };
    QVERIFY(showSettled(window));

    auto *card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_Webcam"));
    QVERIFY(card && click(centreOf(card)));
    QTRY_VERIFY_WITH_TIMEOUT(window.cameraPageActive(), 5000);
    CameraFeeder feeder("/dev/video0", splitPicture());
    QTRY_VERIFY_WITH_TIMEOUT(window.cameraPage()->ready(), 10000);
    QSignalSpy started(window.recorder(), &Recorder::started);
    auto *record = window.cameraPage()->findChild<QPushButton *>(QStringLiteral("CameraRecordButton"));
    QVERIFY(record && click(centreOf(record)));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 20000);
    QTest::qWait(3000);

    // German from the title bar's menu, and "restart now" answered yes.
    WhenShown question([] { return visibleDialog(QStringLiteral("切换语言")); },
                       [](QWidget *box) {
                           // On a busy desktop the window manager may still be placing the box
                           // when it is first clicked, and the click lands beside it: click
                           // again until the box has taken the answer.
                           const QPointer<QWidget> shown(box);
                           QAbstractButton *yes = qobject_cast<QMessageBox *>(box)->button(QMessageBox::Yes);
                           (void)QTest::qWaitForWindowExposed(box);
                           for (int attempt = 0; attempt < 20 && shown && shown->isVisible(); ++attempt) {
                               QTest::qWait(300);
                               if (shown && shown->isVisible())
                                   click(centreOf(yes));
                           }
                       });
    emit window.titleBar()->languageChangeRequested(QStringLiteral("de"));
    QVERIFY(question.done());
    QCOMPARE(QSettings().value(QStringLiteral("ui/language")).toString(), QStringLiteral("de"));

    QTRY_COMPARE_WITH_TIMEOUT(starts, 1, 40000);
    QVERIFY2(savedFirst, "the program was started again before the recording was saved");
    const MediaInfo info = MediaProbe::probe(saved);
    QVERIFY2(info.ok && info.hasVideo() && info.durationMs > 2000, qPrintable(saved + info.error));
    feeder.stop();
}

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the test then skips
    QApplication app(argc, argv);
    TestMainWindowRestartE2E test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwin_restart_e2e.moc"
