// The main window's pure rules: when a schedule starts and what its firing does, and how
// a screenshot is put together from the screens it covers.

#include "dialogs/SettingsDialog.h"
#include "app/MainWindow.h"
#include "app/RecordingSchedule.h"
#include "recording/ScreenshotComposer.h"
#include "recording/ScreenshotWriter.h"
#include "dialogs/CloseBehaviorDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>

using namespace RecordingSchedule;

class TestPrefsShell : public QObject
{
    Q_OBJECT

private slots:
    void scheduleNextStart();
    void scheduleFirings();
    void screenshotComposition();
    void screenshotWriting();
    void closeMatrix();
};

namespace {

// Closes the window from the application's own event loop and reports whether that
// quit the program (quit() is ignored unless the application's loop runs).
bool closeQuits(QWidget *window, const std::function<void()> &answer = {})
{
    QTimer::singleShot(0, window, [window] { window->close(); });
    QTimer watcher;
    if (answer) {
        QObject::connect(&watcher, &QTimer::timeout, answer);
        watcher.start(20);
    }
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    timeout.start(1500);
    return QCoreApplication::exec() == 0;
}

template <typename T>
T *openModal()
{
    return qobject_cast<T *>(QApplication::activeModalWidget());
}

} // namespace

void TestPrefsShell::scheduleNextStart()
{
    const QDateTime now(QDate(2026, 6, 10), QTime(12, 0)); // a Wednesday
    QCOMPARE(now.date().dayOfWeek(), 3);
    const QDateTime at9(QDate(2020, 1, 1), QTime(9, 0));
    const QDateTime at15(QDate(2020, 1, 1), QTime(15, 0));

    // Daily: later today, or tomorrow once the time has passed (or is now).
    QCOMPARE(nextStart(1, at15, 1, now), QDateTime(QDate(2026, 6, 10), QTime(15, 0)));
    QCOMPARE(nextStart(1, at9, 1, now), QDateTime(QDate(2026, 6, 11), QTime(9, 0)));
    QCOMPARE(nextStart(1, QDateTime(QDate(2020, 1, 1), QTime(12, 0)), 1, now),
             QDateTime(QDate(2026, 6, 11), QTime(12, 0)));

    // Weekly: today past its time is in seven days; weekday 0 is Monday, 9 Sunday.
    QCOMPARE(nextStart(2, at9, 3, now), QDateTime(QDate(2026, 6, 17), QTime(9, 0)));
    QCOMPARE(nextStart(2, at15, 3, now), QDateTime(QDate(2026, 6, 10), QTime(15, 0)));
    QCOMPARE(nextStart(2, at9, 0, now), QDateTime(QDate(2026, 6, 15), QTime(9, 0)));
    QCOMPARE(nextStart(2, at9, 9, now), QDateTime(QDate(2026, 6, 14), QTime(9, 0)));
    QCOMPARE(nextStart(7, at9, 5, now), QDateTime(QDate(2026, 6, 12), QTime(9, 0)));

    // Once: the time itself, or none when it is past.
    const QDateTime later = now.addDays(30);
    QCOMPARE(nextStart(0, later, 1, now), later);
    QVERIFY(!nextStart(0, now.addSecs(-1), 1, now).isValid());
    QVERIFY(!nextStart(0, QDateTime(), 1, now).isValid());

    // 02:30 does not exist on the last Sunday of March in Berlin: the next day that has it.
    const QDateTime saturday(QDate(2026, 3, 28), QTime(12, 0));
    const QDateTime at230(QDate(2020, 1, 1), QTime(2, 30));
    QVERIFY(!QDateTime(QDate(2026, 3, 29), QTime(2, 30)).isValid());
    QCOMPARE(nextStart(1, at230, 1, saturday), QDateTime(QDate(2026, 3, 30), QTime(2, 30)));
    QCOMPARE(nextStart(2, at230, 7, saturday), QDateTime(QDate(2026, 4, 5), QTime(2, 30)));

    QCOMPARE(clampedCaptureMode(-3), CaptureMode::Screen);
    QCOMPARE(clampedCaptureMode(2), CaptureMode::Game);
    QCOMPARE(clampedCaptureMode(11), CaptureMode::AudioOnly);
}

void TestPrefsShell::scheduleFirings()
{
    const QDateTime now(QDate(2026, 6, 10), QTime(12, 0));

    // A one-off 30 days ahead: the capped timer fires after about 24.8 days, early.
    const QDateTime farAway = now.addDays(30);
    const QDateTime capFired = now.addMSecs(kMaxTimerMs);
    Firing firing = decide(true, 0, farAway, capFired, false, false, false);
    QCOMPARE(firing.action, FiringAction::ArmAgain);
    QVERIFY(!firing.switchOff);
    QCOMPARE(nextStart(0, farAway, 1, capFired), farAway);

    // On time: records, then a one-off is switched off.
    firing = decide(true, 0, farAway, farAway.addMSecs(3), false, false, false);
    QCOMPARE(firing.action, FiringAction::Record);
    QVERIFY(firing.switchOff);
    QVERIFY(!firing.armNext);

    // A daily or weekly timer that fires early never records twice for one start:
    // far too early it only arms again; a little early it records, and the next start
    // is found after the due time, not after "now".
    for (int recurrence : {1, 2}) {
        const QDateTime due(QDate(2026, 6, 10), QTime(15, 0));
        firing = decide(true, recurrence, due, due.addSecs(-30), false, false, false);
        QCOMPARE(firing.action, FiringAction::ArmAgain);
        QCOMPARE(nextStart(recurrence, due, 3, due.addSecs(-30)), due);

        const QDateTime slightlyEarly = due.addMSecs(-1500);
        firing = decide(true, recurrence, due, slightlyEarly, false, false, false);
        QCOMPARE(firing.action, FiringAction::Record);
        QVERIFY(firing.armNext);
        const QDateTime rearmAfter = std::max(slightlyEarly.addSecs(1), due);
        QCOMPARE(nextStart(recurrence, due, 3, rearmAfter), due.addDays(recurrence == 1 ? 1 : 7));
    }

    // Busy: skipped, and a daily schedule goes on with its next start.
    firing = decide(true, 1, now, now, true, false, false);
    QCOMPARE(firing.action, FiringAction::SkipBusy);
    QVERIFY(firing.armNext);
    // A window recording without a target shows the window; a one-off is then off.
    firing = decide(true, 0, now, now, false, true, false);
    QCOMPARE(firing.action, FiringAction::ChooseTarget);
    QVERIFY(firing.switchOff);
    QCOMPARE(decide(true, 0, now, now, false, true, true).action, FiringAction::Record);
    QCOMPARE(decide(false, 1, now, now, false, false, false).action, FiringAction::Ignore);
}

void TestPrefsShell::screenshotComposition()
{
    // Two screens side by side; the right one at twice the pixel density.
    const auto filled = [](QSize size, QColor color) {
        return [size, color] {
            QImage image(size, QImage::Format_ARGB32);
            image.fill(color);
            // A marker in the top-left native pixel of the screen.
            image.setPixel(0, 0, qRgb(1, 2, 3));
            return image;
        };
    };
    int grabs = 0;
    QList<ScreenshotScreen> screens = {
        {{QRect(0, 0, 800, 600), 1.0, QRect(0, 0, 800, 600)},
         [&, f = filled(QSize(800, 600), Qt::red)] { ++grabs; return f(); }},
        {{QRect(800, 0, 400, 300), 2.0, QRect(800, 0, 800, 600)},
         [&, f = filled(QSize(800, 600), Qt::blue)] { ++grabs; return f(); }},
    };

    // Over both: the area's device pixels, each screen's part unscaled in place (the area
    // ends 100 logical pixels into the second screen, 200 of its device pixels).
    QImage both = composeScreenshot(QRect(700, 100, 200, 100), screens, 0);
    QCOMPARE(both.size(), QSize(300, 300));
    QCOMPARE(grabs, 2);
    QCOMPARE(both.pixelColor(99, 299), QColor(Qt::red));
    QCOMPARE(both.pixelColor(100, 0), QColor(Qt::blue));
    QCOMPARE(both.pixelColor(299, 299), QColor(Qt::blue));

    // Inside one screen: cut in its native pixels.
    grabs = 0;
    QImage right = composeScreenshot(QRect(800, 0, 100, 50), screens, 0);
    QCOMPARE(grabs, 1);
    QCOMPARE(right.size(), QSize(200, 100));
    QCOMPARE(right.pixel(0, 0), qRgb(1, 2, 3));
    QCOMPARE(right.pixelColor(199, 99), QColor(Qt::blue));

    // Empty area: the whole primary screen; no screens: nothing.
    QImage whole = composeScreenshot(QRect(), screens, 1);
    QCOMPARE(whole.size(), QSize(800, 600));
    QCOMPARE(whole.pixelColor(10, 10), QColor(Qt::blue));
    QVERIFY(composeScreenshot(QRect(0, 0, 10, 10), {}, 0).isNull());
    // An area whose centre lies on no screen falls back to the primary one.
    QCOMPARE(composeScreenshot(QRect(2000, 2000, 10, 10), screens, 0).size(), QSize(10, 10));
    // At 1.5 the area's device pixels as the recording takes them: corner to corner, not
    // its logical size times the ratio (335 x 1.5 would give a row more).
    const QList<ScreenshotScreen> scaled = {
        {{QRect(0, 0, 1280, 720), 1.5, QRect(0, 0, 1920, 1080)}, filled(QSize(1920, 1080), Qt::red)}};
    QCOMPARE(composeScreenshot(QRect(200, 101, 600, 335), scaled, 0).size(), QSize(900, 502));

    // Two displays at 1.5, an area dragged from device pixel (2302, 301), which has no logical
    // point of its own: the picture starts exactly there with the size dragged, as the
    // recording's cut does, wherever the logical corners fall.
    const auto coordinates = [](QSize size) {
        return [size] {
            QImage image(size, QImage::Format_RGB32);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    image.setPixel(x, y, qRgb(x % 256, x / 256, y % 256));
            return image;
        };
    };
    const QList<ScreenshotScreen> twoScaled = {
        {{QRect(0, 0, 1280, 720), 1.5, QRect(0, 0, 1920, 1080)}, coordinates(QSize(1920, 1080))},
        {{QRect(1920, 0, 1280, 720), 1.5, QRect(1920, 0, 1920, 1080)}, coordinates(QSize(1920, 1080))}};
    const QRect dragged(2302, 301, 600, 400);
    const QRect logical(2175, 201, 400, 266); // its corners through the second display
    const QImage cut = composeScreenshot(logical, twoScaled, 0, dragged);
    QCOMPARE(cut.size(), dragged.size());
    QCOMPARE(cut.pixel(0, 0), qRgb((2302 - 1920) % 256, (2302 - 1920) / 256, 301 % 256));
}

void TestPrefsShell::screenshotWriting()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("shots/new"));
    QImage image(64, 32, QImage::Format_ARGB32);
    image.fill(Qt::green);
    const QDateTime time(QDate(2026, 6, 10), QTime(14, 30, 22, 45));
    QCOMPARE(screenshotFileName(time), QStringLiteral("Vistrelle_Screenshot_20260610_143022_045.png"));

    QVERIFY(ScreenshotWriter::saveAsync(image, folder, time));
    QVERIFY(ScreenshotWriter::saveAsync(image, folder, time)); // same name: a second file
    QVERIFY(ScreenshotWriter::waitForDone(10000));
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, QStringList({QStringLiteral("Vistrelle_Screenshot_20260610_143022_045.png"),
                                 QStringLiteral("Vistrelle_Screenshot_20260610_143022_045_1.png")}));
    QImage read(QDir(folder).filePath(files.first()));
    QCOMPARE(read.size(), QSize(64, 32));
    QCOMPARE(read.pixelColor(3, 3), QColor(Qt::green));

    // A folder that cannot be made: nothing written, nothing thrown.
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("\\[Screenshot\\] Failed")));
    QVERIFY(ScreenshotWriter::save(image, blocker.fileName() + QStringLiteral("/x"), time).isEmpty());
}

void TestPrefsShell::closeMatrix()
{
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QApplication::setQuitOnLastWindowClosed(false);
    QSettings settings;
    settings.setValue(QStringLiteral("save/directory"), config.path());
    settings.setValue(SettingsDialog::generalKey("closeBehavior"), 0);
    // A one-off recording an hour from now is armed.
    settings.setValue(QStringLiteral("schedule/enabled"), true);
    settings.setValue(QStringLiteral("schedule/recurrence"), 0);
    settings.setValue(QStringLiteral("schedule/startAt"), QDateTime::currentDateTime().addSecs(3600));
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable()); // no tray host here

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.hasArmedScheduledRecording());
    QString question;
    const auto answerQuestion = [&question](QMessageBox::StandardButton button) {
        return [&question, button] {
            if (auto *box = openModal<QMessageBox>()) {
                question = box->text();
                box->button(button)->click();
            }
        };
    };

    // 0 without a tray host: minimised, not hidden, still running.
    QVERIFY(!closeQuits(&window));
    QTRY_VERIFY(window.isMinimized());
    QVERIFY(window.isVisible());
    window.showNormal();
    QTRY_VERIFY(!window.isMinimized());

    // 1 with the schedule armed: asked first; No keeps the program.
    settings.setValue(SettingsDialog::generalKey("closeBehavior"), 1);
    QVERIFY(!closeQuits(&window, answerQuestion(QMessageBox::No)));
    QCOMPARE(question, QStringLiteral("退出后计划录制将不会执行。\n\n确定要退出 Vistrelle 吗？"));
    QVERIFY(window.isVisible());

    // 2: the question; cancelled, nothing happens; "remember" + quit writes 1 and quits.
    settings.setValue(SettingsDialog::generalKey("closeBehavior"), 7);
    int asked = 0;
    QVERIFY(!closeQuits(&window, [&] {
        if (auto *dialog = openModal<vc::CloseBehaviorDialog>()) {
            ++asked;
            dialog->reject();
        }
    }));
    QCOMPARE(asked, 1);
    QVERIFY(window.isVisible() && !window.isMinimized());
    QCOMPARE(settings.value(SettingsDialog::generalKey("closeBehavior")).toInt(), 7);
    question.clear();
    QVERIFY(closeQuits(&window, [&] {
        if (auto *dialog = openModal<vc::CloseBehaviorDialog>()) {
            dialog->findChildren<QRadioButton *>()[1]->click();
            dialog->findChild<QCheckBox *>()->setChecked(true);
            dialog->accept();
        } else {
            answerQuestion(QMessageBox::Yes)();
        }
    }));
    QVERIFY(!question.isEmpty()); // the armed schedule still asks
    QCOMPARE(QSettings().value(SettingsDialog::generalKey("closeBehavior")).toInt(), 1);
}

int main(int argc, char **argv)
{
    // The daylight-saving case needs a zone with a spring gap.
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QApplication app(argc, argv);
    TestPrefsShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_prefs_shell.moc"
