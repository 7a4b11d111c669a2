// The main window's session state with the real Recorder, offscreen: the countdown of
// a stopped start never starts a later session, the finalisation mask only for a
// finalisation that lasts, the 4K question's answers, and errors after a finalisation.

#include "app/BottomBar.h"
#include "app/MainWindow.h"
#include "overlays/CountdownOverlay.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestMainWindowSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stopDuringCountdownLeavesNoCountdown();
    void finalisationMaskOnlyAfterHalfASecond();
    void fourKQuestion();
    void errorAfterFinalisationDoesNotRestore();

private:
    QTemporaryDir m_dir;
};

namespace {

// Runs `action` on the next modal dialog (from inside its own event loop).
void onNextModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

} // namespace

void TestMainWindowSession::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("VistrelleTest"));
    QCoreApplication::setApplicationName(QStringLiteral("MainWindowSession"));
    QSettings().setValue(QStringLiteral("save/directory"), m_dir.path());
    QSettings().setValue(QStringLiteral("save/diskWarning"), false);
}

void TestMainWindowSession::stopDuringCountdownLeavesNoCountdown()
{
    MainWindow window;
    window.enterPreparation(HomeMode::FullScreen, -1);
    QVERIFY(window.isInPreparation());
    window.onStartRecording();
    QVERIFY(window.isStartPending());
    QPointer<QWidget> first = window.countdownOverlay();
    QVERIFY(first);
    QTest::qWait(1500);

    // Stopping during the countdown: the prepared start is cancelled and the countdown
    // goes with it.
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    window.onStopRecording();
    QTRY_COMPARE(stopped.size(), 1);
    QCOMPARE(stopped.first().first().toString(), QString());
    QVERIFY(!window.isStartPending());
    QTRY_VERIFY_WITH_TIMEOUT(!first, 500);

    // A session begun at once keeps its own three seconds: the first countdown's end,
    // due half-way through them, starts nothing.
    window.enterPreparation(HomeMode::FullScreen, -1);
    window.onStartRecording();
    QVERIFY(window.isStartPending());
    auto *second = qobject_cast<CountdownOverlay *>(window.countdownOverlay());
    QVERIFY(second);
    QTest::qWait(2000);
    QVERIFY(window.isStartPending());
    QVERIFY(!window.recorder()->isRecording());
    window.onStopRecording();
    QTRY_VERIFY(!window.isStartPending() && !window.recorder()->isPreparingStart());
}

void TestMainWindowSession::finalisationMaskOnlyAfterHalfASecond()
{
    MainWindow window;
    Recorder *recorder = window.recorder();
    emit recorder->finalizingChanged(true);
    QTest::qWait(200);
    emit recorder->finalizingChanged(false);
    QTest::qWait(600);
    QVERIFY(!window.finalizationMaskWidget());
    QVERIFY(!window.finalizationProgressDialog());

    emit recorder->finalizingChanged(true);
    emit recorder->finalizationProgressChanged(40, 2, 3, 12, true);
    QTRY_VERIFY(window.finalizationMaskWidget());
    QWidget *mask = window.finalizationMaskWidget();
    QWidget *parent = mask->parentWidget();
    QVERIFY(parent);
    QCOMPARE(parent, static_cast<QWidget *>(window.bottomBar()->mediaLibraryWindow()));
    QVERIFY(window.finalizationProgressDialog()->isVisible());
    // The mask follows its parent's size.
    parent->resize(parent->width() + 40, parent->height() + 30);
    QTRY_COMPARE(mask->size(), parent->size());
    QPointer<QWidget> dialog = window.finalizationProgressDialog();
    emit recorder->finalizingChanged(false);
    QTRY_VERIFY(!dialog);
    QVERIFY(!window.finalizationMaskWidget());
}

void TestMainWindowSession::fourKQuestion()
{
    onNextModal([](QWidget *dialog) { dialog->close(); });
    QCOMPARE(MainWindow::askFourKChoice(nullptr, 3840, 2160, 30), 3);
    onNextModal([](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("FourKChoiceDialog"));
        QTest::keyClick(dialog, Qt::Key_Return); // the recommended choice is the default
    });
    QCOMPARE(MainWindow::askFourKChoice(nullptr, 3840, 2160, 30), 0);
    onNextModal([](QWidget *dialog) {
        const auto buttons = dialog->findChildren<QPushButton *>();
        buttons.at(2)->click();
    });
    QCOMPARE(MainWindow::askFourKChoice(nullptr, 3840, 2160, 60), 2);
}

void TestMainWindowSession::errorAfterFinalisationDoesNotRestore()
{
    MainWindow window;
    Recorder *recorder = window.recorder();
    window.hide();
    emit recorder->finalizingChanged(true); // restores once, with the window hidden
    QVERIFY(!window.isVisible());
    QString shown;
    onNextModal([&shown](QWidget *box) {
        if (auto *message = qobject_cast<QMessageBox *>(box))
            shown = message->text();
        box->close();
    });
    emit recorder->errorOccurred(QStringLiteral("merge failed"));
    // The message does not hold the recorder: the signal returns before it is answered.
    QVERIFY(shown.isEmpty());
    QTRY_COMPARE(shown, QStringLiteral("merge failed"));
    QVERIFY(!window.isVisible()); // the finalisation took over: no second restore
    QVERIFY(window.bottomBar()->mediaLibraryWindow()->isVisible()); // opened for the file being saved
    emit recorder->finalizingChanged(false);
    emit recorder->stopped(QString());
    // The save failed: the library, which has only other recordings to show, closes again
    // and the main window is back.
    QVERIFY(!window.bottomBar()->mediaLibraryWindow()->isVisible());
    QVERIFY(window.isVisible());

    // An error of a start that never began restores the home page.
    window.hide();
    onNextModal([](QWidget *box) { box->close(); });
    emit recorder->errorOccurred(QStringLiteral("no screen"));
    QVERIFY(window.isVisible());
}

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    TestMainWindowSession test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwin_session.moc"
