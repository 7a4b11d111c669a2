// Linked into every end-to-end test. A check that fails inside a callback (a timer's, or one
// run from inside a modal dialog's or a menu's own event loop) returns from that callback
// only: the dialog it ran in stays open, the click that opened it never returns, and the
// test would wait there until the watchdog ends the whole run. Once the current test has
// failed, whatever modal window or popup is open is closed, so the test function's own code
// runs on at once and ends with the failure's reason.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

namespace {

void closeWhatAFailedCheckLeftOpen()
{
    if (!QTest::currentTestFailed())
        return;
    QWidget *open = QApplication::activePopupWidget();
    if (!open)
        open = QApplication::activeModalWidget();
    if (!open)
        return;
    qWarning().noquote() << "The test has failed: closing" << open->metaObject()->className()
                         << open->windowTitle() << "that it left open";
    if (auto *dialog = qobject_cast<QDialog *>(open))
        dialog->reject();
    else
        open->close();
}

void watchForFailedChecks()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    auto *timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(100);
    QObject::connect(timer, &QTimer::timeout, closeWhatAFailedCheckLeftOpen);
    timer->start();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFailedChecks)
