// The main window on a user's desktop with a window manager and a tray (the test
// desktop's openbox and trayer, or ones of the test's own): "退出" in the tray menu and in
// the title bar's menu quits at once, and the tray's notices are readable.
#include "../support/OverlayE2eSupport.h"
#include "../support/MainWindowDriver.h"

#include "app/MainWindow.h"
#include "dialogs/SettingsDialog.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <cmath>

namespace {

// A tray host for the test: the test desktop's trayer, or one of the test's own.
class TrayHost
{
public:
    bool ensure()
    {
        if (QSystemTrayIcon::isSystemTrayAvailable())
            return true;
        m_trayer.start(QStringLiteral("trayer"),
                       {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                        QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                        QStringLiteral("--width"), QStringLiteral("64"), QStringLiteral("--heighttype"),
                        QStringLiteral("pixel"), QStringLiteral("--height"), QStringLiteral("28"),
                        QStringLiteral("--SetDockType"), QStringLiteral("true"), QStringLiteral("--SetPartialStrut"),
                        QStringLiteral("true"), QStringLiteral("--transparent"), QStringLiteral("false"),
                        QStringLiteral("--tint"), QStringLiteral("0x303030")});
        return m_trayer.waitForStarted(5000)
               && QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000);
    }
    ~TrayHost()
    {
        if (m_trayer.state() == QProcess::NotRunning)
            return;
        m_trayer.terminate();
        if (!m_trayer.waitForFinished(3000))
            m_trayer.kill();
        m_trayer.waitForFinished(2000);
    }

private:
    QProcess m_trayer;
};

double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

// The contrast ratio between the most common colour of `image` (its background) and the
// colour farthest from it in luminance among the ones that cover a fair share (its text).
double textContrast(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            most = it.value(), background = it.key();
    const double lb = luminance(background);
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() < 12)
            continue; // stray antialiasing shades
        const double l = luminance(it.key());
        best = std::max(best, (std::max(l, lb) + 0.05) / (std::min(l, lb) + 0.05));
    }
    return best;
}

// Runs the application's event loop until the program quits or `ms` pass; true when it
// quit by itself. A question shown meanwhile (what closing should do, or whether to quit
// with a schedule armed) is answered with Cancel or No and noted.
bool quitsWithoutAsking(int ms, bool *asked)
{
    WhenShown question([] { return qobject_cast<QDialog *>(QApplication::activeModalWidget()); },
                       [asked](QWidget *dialog) {
                           *asked = true;
                           static_cast<QDialog *>(dialog)->reject();
                       });
    QTimer::singleShot(ms, qApp, [] { QCoreApplication::exit(7); });
    return QCoreApplication::exec() == 0;
}

QPoint centreOfAction(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions())
        if (action->text() == text && action->isVisible())
            return menu->mapToGlobal(menu->actionGeometry(action).center());
    return QPoint();
}

// Clicks "退出" in a menu that has just opened.
std::function<void(QWidget *)> chooseQuit(bool *chosen)
{
    return [chosen](QWidget *menu) {
        QTest::qWait(200);
        const QPoint at = centreOfAction(static_cast<QMenu *>(menu), QStringLiteral("退出"));
        *chosen = !at.isNull() && click(at);
    };
}

QMenu *visibleMenu()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *menu = qobject_cast<QMenu *>(widget); menu && menu->isVisible())
            return menu;
    return nullptr;
}

} // namespace

class TestTray : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void noticeIsReadable();
    void quitFromTitleBarMenu();
    void quitFromTrayMenu();

private:
    WindowManager m_windowManager;
    TrayHost m_tray;
    QTemporaryDir m_dir;
};

void TestTray::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_dir.isValid());
    QVERIFY2(m_windowManager.ensure(), "no window manager could be started");
    QVERIFY2(m_tray.ensure(), "no tray host could be started");
    setUpProgramSettings(m_dir.path());
    // The program's look, as main() sets it.
    QFile styleSheet(QStringLiteral(":/styles/styles/dark.qss"));
    QVERIFY(styleSheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
}

// Closing to the tray says so in a notice: whole on the screen, its text readable.
void TestTray::noticeIsReadable()
{
    QSettings().setValue(SettingsDialog::generalKey("closeBehavior"), 0);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(500);
    QTRY_VERIFY_WITH_TIMEOUT(window.trayIcon()->geometry().isValid(), 10000);
    QTimer::singleShot(0, &window, &QWidget::close);
    QTRY_VERIFY(!window.isVisible());
    QWidget *notice = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((notice = [] {
                                 for (QWidget *widget : QApplication::topLevelWidgets())
                                     if (widget->isVisible() && widget->inherits("QBalloonTip"))
                                         return widget;
                                 return static_cast<QWidget *>(nullptr);
                             }()) != nullptr,
                             10000);
    QVERIFY(QTest::qWaitForWindowExposed(notice));
    QTest::qWait(500);
    screenshot(QStringLiteral("tray-notice"));
    const QRect screen = notice->screen()->geometry();
    QVERIFY2(screen.contains(notice->frameGeometry()),
             qPrintable(QStringLiteral("notice at %1,%2 %3x%4").arg(notice->x()).arg(notice->y())
                            .arg(notice->width()).arg(notice->height())));
    // Each text: whole inside the notice, and readable on what is below it there.
    const QImage shot = rootGrab();
    int texts = 0;
    for (QLabel *label : notice->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || !label->isVisible())
            continue;
        ++texts;
        const QRect area(label->mapTo(notice, QPoint(0, 0)), label->size());
        QVERIFY2(notice->rect().contains(area) && label->fontMetrics().horizontalAdvance(label->text()) <= area.width(),
                 qPrintable(QStringLiteral("\"%1\" is cut").arg(label->text())));
        const QImage picture = shot.copy(QRect(nativePoint(label->mapToGlobal(QPoint(0, 0))),
                                               label->size() * qGuiApp->devicePixelRatio()));
        const double contrast = textContrast(picture);
        QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("\"%1\": contrast %2").arg(label->text()).arg(contrast)));
    }
    QCOMPARE(texts, 2);
    notice->close();
}

void TestTray::quitFromTitleBarMenu()
{
    QSettings settings;
    settings.remove(SettingsDialog::generalKey("closeBehavior")); // ask: the default
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(500);
    auto *menuButton = window.findChild<QToolButton *>(QStringLiteral("TitleMenuButton"));
    QVERIFY(menuButton);
    bool chosen = false;
    WhenShown quit(visibleMenu, chooseQuit(&chosen));
    QTimer::singleShot(0, qApp, [&] { click(centreOf(menuButton)); });
    bool asked = false;
    QVERIFY2(quitsWithoutAsking(15000, &asked), "the program did not quit");
    QVERIFY(chosen);
    QVERIFY2(!asked, "quitting asked what closing should do");
}

void TestTray::quitFromTrayMenu()
{
    QSettings settings;
    settings.setValue(SettingsDialog::generalKey("closeBehavior"), 1);
    // An armed schedule: the close button would ask about it, the tray's quit does not.
    settings.setValue(QStringLiteral("schedule/enabled"), true);
    settings.setValue(QStringLiteral("schedule/recurrence"), 0);
    settings.setValue(QStringLiteral("schedule/startAt"), QDateTime::currentDateTime().addSecs(3600));
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(500);
    QRect icon;
    QTRY_VERIFY_WITH_TIMEOUT((icon = window.trayIcon()->geometry()).isValid(), 10000);
    bool chosen = false;
    WhenShown quit(visibleMenu, chooseQuit(&chosen));
    QTimer::singleShot(0, qApp, [&] {
        pointerTo(icon.center()) && xdotool({QStringLiteral("click"), QStringLiteral("3")});
    });
    bool asked = false;
    QVERIFY2(quitsWithoutAsking(15000, &asked), "the program did not quit");
    QVERIFY(chosen);
    QVERIFY2(!asked, "quitting asked what closing should do");
    settings.setValue(QStringLiteral("schedule/enabled"), false);
}

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the test then skips
    QApplication app(argc, argv);
    TestTray test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tray_e2e.moc"
