// The main window's pure rules (window size, placement, capture backend, native
// rectangles, recent recordings) and the option records of the bottom strip with
// their dialogs, run offscreen with a private settings file.

#include "app/BottomBar.h"
#include "app/HomePage.h"
#include "app/MainWindow.h"
#include "app/RecentCard.h"
#include "dialogs/AutoSplitDialog.h"
#include "dialogs/AutoStopDialog.h"
#include "dialogs/ScheduledRecordingDialog.h"
#include "library/VideoListDialog.h"
#include "platform/mac/DisplayGeometry.h"
#include "../support/TestMedia.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <utime.h>

class TestMainWindowRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void windowSizeAndPlacement();
    void backendAndNativeRectangles();
    void recentRecordings();
    void recentCardLengths();
    void watermarkRecordAtStart();
    void oneClickOffAndRejectedDialog();
    void autoSplitDialogClampsOnApply();
    void autoSplitTypedValueShownAsKept();
    void autoStopTypedValueShownAsKept();
    void autoStopPanel();
    void scheduleDialogRoundTrip();

private:
    QTemporaryDir m_settingsDir;
};

namespace {

// Runs `action` on the next modal dialog that opens.
void onNextModal(std::function<void(QDialog *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}

void touch(const QString &path, qint64 secondsAgo)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    const time_t when = time(nullptr) - secondsAgo;
    utimbuf times{when, when};
    QCOMPARE(utime(QFile::encodeName(path).constData(), &times), 0);
}

} // namespace

void TestMainWindowRules::initTestCase()
{
    QVERIFY(m_settingsDir.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("VistrelleTest"));
    QCoreApplication::setApplicationName(QStringLiteral("MainWindowRules"));
}

void TestMainWindowRules::init()
{
    QSettings().clear();
}

void TestMainWindowRules::windowSizeAndPlacement()
{
    auto sizes = MainWindow::fitWindowSize(QRect(0, 0, 1280, 800));
    QCOMPARE(sizes.size, QSize(948, 560));
    QCOMPARE(sizes.minimum, QSize(900, 560));
    sizes = MainWindow::fitWindowSize(QRect(0, 0, 1000, 600));
    QCOMPARE(sizes.size, QSize(934, 552));
    QCOMPARE(sizes.minimum, QSize(900, 552));
    sizes = MainWindow::fitWindowSize(QRect(0, 0, 1920, 1080));
    QCOMPARE(sizes.size, QSize(1100, 650)); // never above the design size
    sizes = MainWindow::fitWindowSize(QRect());
    QCOMPARE(sizes.size, QSize(1100, 650)); // no screen at all

    const QRect screen(0, 0, 1920, 1080);
    // A frame never placed whose centre lies inside the work area is only pushed in.
    QCOMPARE(MainWindow::placeFrame(QRect(0, 0, 1100, 650), screen, false), QPoint(24, 24));
    // Centred on request; too wide a frame is narrowed to the work area first.
    QCOMPARE(MainWindow::placeFrame(QRect(500, 500, 1100, 650), screen, true), QPoint(410, 215));
    QCOMPARE(MainWindow::placeFrame(QRect(100, 100, 3000, 650), screen, false), QPoint(24, 100));
    // Off the right and bottom edge: pulled back inside.
    QCOMPARE(MainWindow::placeFrame(QRect(1500, 900, 1100, 650), screen, false), QPoint(796, 406));
    // Taller than the margins leave (1920x1080 at scale 2 under a top panel): in the middle of
    // the available area, its top never over the panel.
    const QRect underPanel(0, 14, 960, 526);
    for (const QPoint at : {QPoint(62, 300), QPoint(62, 0), QPoint(0, 0)})
        QCOMPARE(MainWindow::placeFrame(QRect(at, QSize(835, 505)), underPanel, false).y(), 24);
    QCOMPARE(MainWindow::placeFrame(QRect(62, 300, 835, 600), underPanel, false).y(), 14);
    // The floating toolbar: centred at the top of the area, never left of it.
    QCOMPARE(MainWindow::floatingToolbarPosition(QRect(0, 0, 1920, 1040), 600), QPoint(659, 8));
    QCOMPARE(MainWindow::floatingToolbarPosition(QRect(100, 30, 300, 400), 600), QPoint(100, 38));
}

void TestMainWindowRules::backendAndNativeRectangles()
{
    const QList<QRect> one{QRect(0, 0, 1920, 1080)};
    const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    QCOMPARE(MainWindow::screenBackendFor(QRect(100, 100, 800, 600), one), qMakePair(3, 0));
    QCOMPARE(MainWindow::screenBackendFor(QRect(2000, 100, 800, 600), two), qMakePair(3, 1));
    QCOMPARE(MainWindow::screenBackendFor(QRect(1800, 100, 800, 600), two), qMakePair(0, 0));
    // Ratio 2 on a screen placed at (1920, 0): offsets inside the screen double.
    const auto nativeRectOn = [](const QRect &rect, const QRect &screen, qreal ratio) {
        return DisplayGeometry::fromDisplay(DisplayGeometry::described(screen, ratio), rect);
    };
    QCOMPARE(nativeRectOn(QRect(2020, 50, 301, 201), QRect(1920, 0, 1280, 1024), 2.0), QRect(2120, 100, 602, 402));
    QCOMPARE(nativeRectOn(QRect(10, 10, 100, 100), QRect(0, 0, 1920, 1080), 1.5), QRect(15, 15, 150, 150));
}

void TestMainWindowRules::recentRecordings()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir dir(folder.path());
    // Five matching files: the three newest are taken, newest first.
    touch(dir.filePath("Vistrelle_1.mp4"), 500);
    touch(dir.filePath("vistrelle_clip.mp4"), 400);
    touch(dir.filePath("2025-01-31_235959_123_edit.mkv"), 300);
    touch(dir.filePath("Recording_2024.mp3"), 200);
    touch(dir.filePath("2025-01-31_235959_124.wav"), 100);
    // Not named by the program, intermediate files, other types: passed over.
    touch(dir.filePath("holiday.mp4"), 10);
    touch(dir.filePath("Recording_123.mp4"), 20);
    touch(dir.filePath("Vistrelle_2.merging.mp4"), 5);
    touch(dir.filePath("Vistrelle_3.watermarking.mkv"), 6);
    touch(dir.filePath("Vistrelle_4.txt"), 1);

    QFileInfoList files = HomePage::recentRecordings(folder.path(), {}, 3);
    QStringList names;
    for (const QFileInfo &file : files)
        names << file.fileName();
    QCOMPARE(names, QStringList({"2025-01-31_235959_124.wav", "Recording_2024.mp3", "2025-01-31_235959_123_edit.mkv"}));

    // A listed file counts whatever its name (compared ignoring case); intermediate never.
    files = HomePage::recentRecordings(
        folder.path(), {dir.filePath("RECORDING_123.mp4"), dir.filePath("Vistrelle_2.merging.mp4")}, 2);
    names.clear();
    for (const QFileInfo &file : files)
        names << file.fileName();
    QCOMPARE(names, QStringList({"Recording_123.mp4", "2025-01-31_235959_124.wav"}));

    // The same files give the same signature; a touched file changes it.
    const QString before = HomePage::recentSignature(folder.path(), HomePage::recentRecordings(folder.path(), {}, 3));
    QCOMPARE(HomePage::recentSignature(folder.path(), HomePage::recentRecordings(folder.path(), {}, 3)), before);
    touch(dir.filePath("Recording_2024.mp3"), 150);
    QVERIFY(HomePage::recentSignature(folder.path(), HomePage::recentRecordings(folder.path(), {}, 3)) != before);

    // The page keeps its cards while the signature holds, and rebuilds them after a change.
    QSettings().setValue(QStringLiteral("save/directory"), folder.path());
    HomePage page;
    page.refreshRecent();
    const QList<QPushButton *> cards = page.recentCards();
    QCOMPARE(cards.size(), 3);
    QPointer<QPushButton> first = cards.first();
    page.refreshRecent();
    QVERIFY(first);
    QCOMPARE(page.recentCards().first(), first.data());
    touch(dir.filePath("Vistrelle_1.mp4"), 0);
    page.refreshRecent();
    QTRY_VERIFY(!first);
    QCOMPARE(page.recentCards().first()->toolTip(), QStringLiteral("Vistrelle_1.mp4"));
}

// The cards show the length the library finds: a killed recording's from its packets, and
// one that nothing tells in words.
void TestMainWindowRules::recentCardLengths()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir dir(folder.path());
    const QStringList clip{"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                           "testsrc2=size=320x180:rate=30", "-t", "8", "-c:v", "libx264", "-preset", "ultrafast"};
    // Written as a live stream, it holds what a killed writer leaves: clusters, no length, no index.
    QVERIFY(TestMedia::runFfmpeg(clip + QStringList{"-live", "1", dir.filePath("Vistrelle_killed.mkv")}));
    // A plain MP4 writes its index last.
    const QString cut = dir.filePath("Vistrelle_cut.mp4");
    QVERIFY(TestMedia::runFfmpeg(clip + QStringList{cut}));
    QVERIFY(QFile::resize(cut, QFileInfo(cut).size() / 2));

    QSettings().setValue(QStringLiteral("save/directory"), folder.path());
    HomePage page;
    page.refreshRecent();
    const auto card = [&page](const QString &name) -> RecentCard * {
        for (QPushButton *button : page.recentCards())
            if (button->toolTip() == name)
                return qobject_cast<RecentCard *>(button);
        return nullptr;
    };
    RecentCard *killed = card(QStringLiteral("Vistrelle_killed.mkv"));
    RecentCard *unknown = card(QStringLiteral("Vistrelle_cut.mp4"));
    QVERIFY(killed && unknown);
    const QStringList eightSeconds{"00:07", "00:08", "00:09"};
    QTRY_VERIFY2_WITH_TIMEOUT(eightSeconds.contains(killed->lengthText()), qPrintable(killed->lengthText()), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(unknown->lengthText(), VideoListDialog::tr("时长未知"), 30000);
}

void TestMainWindowRules::watermarkRecordAtStart()
{
    QSettings s;
    s.setValue("watermark/enabled", true);
    s.setValue("watermark/text", "Hello");
    s.setValue("watermark/color", "#ff0000");
    s.setValue("watermark/fontSize", 31);
    s.setValue("watermark/position", 4);
    s.setValue("autoSplit/enabled", true);
    s.sync();
    BottomBar bar;
    QCOMPARE(QSettings().value("watermark/enabled").toBool(), false);
    QCOMPARE(QSettings().value("watermark/text").toString(), QStringLiteral("Hello"));
    QCOMPARE(QSettings().value("watermark/fontSize").toInt(), 31);
    QCOMPARE(bar.watermarkConfig().enabled, false);
    QCOMPARE(bar.watermarkConfig().color, QColor("#ff0000"));
    QCOMPARE(bar.watermarkConfig().position, 4);
    QVERIFY(bar.autoSplitButton()->isChecked());
    QVERIFY(!bar.autoStopButton()->isChecked());
}

void TestMainWindowRules::oneClickOffAndRejectedDialog()
{
    QSettings s;
    s.setValue("autoStop/enabled", true);
    s.setValue("autoStop/mode", 0);
    s.setValue("autoStop/durationMin", 45);
    s.sync();
    BottomBar bar;
    QSignalSpy stopChanged(&bar, &BottomBar::autoStopChanged);
    QVERIFY(bar.autoStopButton()->isChecked());
    // One click turns it off: no dialog, only the enabled key is written.
    s.remove("autoStop/durationMin");
    s.sync();
    bar.autoStopButton()->click();
    QCOMPARE(stopChanged.size(), 1);
    QVERIFY(!QSettings().value("autoStop/enabled").toBool());
    QVERIFY(!QSettings().contains("autoStop/durationMin"));
    QCOMPARE(bar.autoStopConfig().durationMin, 45);

    // Turning auto split on and rejecting the dialog leaves the button off and nothing written.
    QSignalSpy splitChanged(&bar, &BottomBar::autoSplitChanged);
    onNextModal([](QDialog *dialog) { dialog->reject(); });
    bar.autoSplitButton()->click();
    QVERIFY(!bar.autoSplitButton()->isChecked());
    QCOMPARE(splitChanged.size(), 0);
    QVERIFY(!QSettings().contains("autoSplit/mode"));

    // Accepting it writes the four keys and announces the record.
    onNextModal([](QDialog *dialog) { QMetaObject::invokeMethod(dialog, "onApply"); });
    bar.autoSplitButton()->click();
    QVERIFY(bar.autoSplitButton()->isChecked());
    QCOMPARE(splitChanged.size(), 1);
    QCOMPARE(QSettings().value("autoSplit/durationMin").toInt(), 10);
    QCOMPARE(QSettings().value("autoSplit/enabled").toBool(), true);
}

void TestMainWindowRules::autoSplitDialogClampsOnApply()
{
    AutoSplitDialog dialog;
    dialog.setConfig(AutoSplitConfig{true, 1, 200, 50});
    // Shown clamped, returned as given until OK.
    QCOMPARE(dialog.config(), (AutoSplitConfig{true, 1, 200, 50}));
    dialog.onApply();
    QCOMPARE(dialog.config(), (AutoSplitConfig{true, 1, 120, 100}));

    // A record by size opens on the size choice: its spin box live, the duration's not,
    // and the hint naming the size.
    AutoStopDialog stop;
    stop.setConfig(AutoStopConfig{false, 1, 30, 1000});
    const QList<QRadioButton *> radios = stop.findChildren<QRadioButton *>();
    const QList<QSpinBox *> spins = stop.findChildren<QSpinBox *>();
    QCOMPARE(radios.size(), 2);
    QCOMPARE(spins.size(), 2);
    QVERIFY(!radios[0]->isChecked() && radios[1]->isChecked());
    QVERIFY(!spins[0]->isEnabled() && spins[1]->isEnabled());
    QCOMPARE(spins[1]->value(), 1000);
    QCOMPARE(stop.findChild<QLabel *>(QStringLiteral("AutoStopHint"))->text(), QStringLiteral("文件达到 1000 MB 后自动停止"));
}

// A size typed below the least one allowed ("2" MB): the field shows the value that will be
// kept before anything is applied, whether OK is clicked, Return pressed or the field left.
void TestMainWindowRules::autoSplitTypedValueShownAsKept()
{
    AutoSplitDialog dialog;
    dialog.setConfig(AutoSplitConfig{false, 1, 10, 500});
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QList<QSpinBox *> spins = dialog.findChildren<QSpinBox *>(QStringLiteral("StepValue"));
    QCOMPARE(spins.size(), 2);
    QSpinBox *size = spins.at(1);
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("Primary"));
    auto *summary = dialog.findChild<QLabel *>(QStringLiteral("SummaryText"));
    const auto type = [size](const QString &text) {
        size->setFocus();
        size->selectAll();
        QTest::keyClicks(size, text);
        return size->text() == text;
    };
    const auto showsKept = [&](const QString &value) {
        return dialog.isVisible() && size->text() == value && summary->text().contains(value);
    };

    // OK with "2" typed: the dialog stays and shows 100 MB; the next OK keeps that.
    QVERIFY(type(QStringLiteral("2")));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY2(showsKept(QStringLiteral("100")), qPrintable(size->text() + QLatin1Char('/') + summary->text()));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.config(), (AutoSplitConfig{true, 1, 10, 100}));

    // Return with "3" typed: the same.
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(type(QStringLiteral("3")));
    QTest::keyClick(size, Qt::Key_Return);
    QVERIFY2(showsKept(QStringLiteral("100")), qPrintable(size->text() + QLatin1Char('/') + summary->text()));

    // Leaving the field with "7" typed shows 100 at once, not the earlier value.
    QVERIFY(type(QStringLiteral("7")));
    QTest::keyClick(size, Qt::Key_Tab);
    QVERIFY2(showsKept(QStringLiteral("100")), qPrintable(size->text() + QLatin1Char('/') + summary->text()));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.config().sizeMB, 100);
}

// The auto-stop limit's fields do the same: "5" MB typed (100 to 10240) shows 100 before OK
// applies it, and the dialog keeps 100, not the earlier 1000.
void TestMainWindowRules::autoStopTypedValueShownAsKept()
{
    AutoStopDialog dialog;
    dialog.setConfig(AutoStopConfig{false, 1, 30, 1000});
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QList<QSpinBox *> spins = dialog.findChildren<QSpinBox *>();
    QCOMPARE(spins.size(), 2);
    QSpinBox *size = spins.at(1);
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("AutoStopPrimary"));
    auto *hint = dialog.findChild<QLabel *>(QStringLiteral("AutoStopHint"));
    size->setFocus();
    size->selectAll();
    QTest::keyClicks(size, QStringLiteral("5"));
    QCOMPARE(size->text(), QStringLiteral("5"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY2(dialog.isVisible() && size->text() == QStringLiteral("100") && hint->text().contains(QStringLiteral("100")),
             qPrintable(size->text() + QLatin1Char('/') + hint->text()));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.config().sizeMB, 100);
    QCOMPARE(dialog.config().mode, 1);
}

void TestMainWindowRules::autoStopPanel()
{
    QCOMPARE(AutoStopDialog::formatCountdown(1800), QStringLiteral("30:00"));
    QCOMPARE(AutoStopDialog::formatCountdown(5400), QStringLiteral("01:30:00"));
    QCOMPARE(AutoStopDialog::formatCountdown(3599), QStringLiteral("59:59"));

    QSettings s;
    s.setValue("autoStop/enabled", true);
    s.setValue("autoStop/mode", 0);
    s.setValue("autoStop/durationMin", 0); // the recorder stops after a minute at least
    s.sync();
    {
        BottomBar bar;
        bar.onRecordingStarted();
        QVERIFY(bar.countdownWindow());
        QCOMPARE(bar.countdownWindow()->countText(), QStringLiteral("01:00"));
        QSignalSpy withdrawn(&bar, &BottomBar::autoStopWithdrawn);
        QPointer<AutoStopDialog> panel = bar.countdownWindow();
        bar.countdownWindow()->findChild<QPushButton *>("AutoStopSecondary")->click();
        QCOMPARE(withdrawn.size(), 1);
        QVERIFY(!panel->isVisible());
        // The stored limit stays for the next recording.
        QVERIFY(QSettings().value("autoStop/enabled").toBool());
        bar.onRecordingStopped(QString());
        QTRY_VERIFY(!panel);
    }
    s.setValue("autoStop/mode", 2); // any mode above 0 stops by size: no countdown
    s.sync();
    BottomBar bySize;
    bySize.onRecordingStarted();
    QVERIFY(!bySize.countdownWindow());
}

void TestMainWindowRules::scheduleDialogRoundTrip()
{
    ScheduledRecordingDialog dialog;
    ScheduledRecordingConfig config;
    config.enabled = true;
    config.recurrence = 1;
    config.startAt = QDateTime(QDate(2020, 5, 6), QTime(8, 30));
    config.weekDay = 9;
    config.captureMode = 4;
    dialog.setConfig(config);
    const ScheduledRecordingConfig back = dialog.config();
    QCOMPARE(back.recurrence, 1);
    QCOMPARE(back.startAt, QDateTime(QDate::currentDate(), QTime(8, 30)));
    QCOMPARE(back.weekDay, 7);
    QCOMPARE(back.captureMode, 4);

    // Daily and weekly too: at the minute shown, seconds zero, whatever the stored second.
    for (int recurrence : {1, 2}) {
        config.recurrence = recurrence;
        config.startAt = QDateTime(QDate(2020, 5, 6), QTime(8, 30, 47, 512));
        dialog.setConfig(config);
        QCOMPARE(dialog.config().startAt, QDateTime(QDate::currentDate(), QTime(8, 30)));
    }

    // Once: at the minute shown, seconds zero; a passed time is refused in the dialog.
    config.recurrence = 0;
    config.startAt = QDateTime::currentDateTime().addSecs(-120);
    dialog.setConfig(config);
    QCOMPARE(dialog.config().startAt.time().second(), 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *problem = dialog.findChild<QLabel *>(QStringLiteral("ScheduleProblem"));
    auto *save = dialog.findChild<QPushButton *>(QStringLiteral("Primary"));
    save->click();
    QVERIFY(dialog.isVisible() && problem->isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(problem->text(), ScheduledRecordingDialog::tr("这个时间已经过去，请选择一个将来的时间。"));
    config.startAt = QDateTime::currentDateTime().addSecs(600);
    dialog.setConfig(config);
    QVERIFY(!problem->isVisible());
    save->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 1);
}

QTEST_MAIN(TestMainWindowRules)
#include "tst_mainwin_rules.moc"
