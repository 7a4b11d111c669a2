// Where the main window's dialogs open, through the real main window under the window manager
// with real X events, at the screen, scale and language the CTest entry names: the schedule
// from the home page, Settings, About and the language question from the title bar's menu, the
// close question from the frame's close button, the 120 FPS question from Settings' OK, and
// Settings, Auto Stop and Auto Split from the webcam page each open centred over the window
// they come from, and are moved only as far as keeps them on the display. Positions are read
// from the X server. Right to left, their texts read right to left.

#include "../support/MainWindowDriver.h"
#include "../support/OverlayE2eSupport.h"
#include "../support/ServerWindowPosition.h"

#include "app/InterfaceTranslations.h"
#include "app/LinkManager.h"
#include "app/TitleBar.h"
#include "dialogs/AutoSplitDialog.h"
#include "dialogs/AutoStopDialog.h"
#include "dialogs/CloseBehaviorDialog.h"
#include "dialogs/ScheduledRecordingDialog.h"
#include "dialogs/SettingsDialog.h"
#include "widgets/ProgramStyle.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>

namespace {

// Qt's own placement sits up to 10 px left and 40 px above the centre (it allows for a frame).
constexpr int Slack = 48;

QString translated(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

// A top-level window's rectangle as the X server has it, in Qt's coordinates.
QRect onServer(QWidget *window)
{
    const std::optional<QRect> device = serverWindowGeometry(window);
    if (!device)
        return window->geometry();
    const qreal ratio = window->devicePixelRatioF();
    return QRect((QPointF(device->topLeft()) / ratio).toPoint(), (QSizeF(device->size()) / ratio).toSize());
}

// Inside a page that scrolls: it can be scrolled into view.
bool insideScrolledPage(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (p->objectName() == QLatin1String("qt_scrollarea_viewport"))
            return true;
    return false;
}

// Whether `dialog` stands where it should over `parent`: centred over it, or as near that as
// the display's available area lets it be, its frame and every button of it on the display
// (but those of a page that scrolls). Says where it is otherwise.
QString misplaced(QWidget *dialog, QWidget *parent)
{
    const QRect at = onServer(dialog), over = onServer(parent), frame = frameOnServer(dialog).value_or(at);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QRect wanted(over.center() - QPoint(at.width() / 2, at.height() / 2), at.size());
    wanted.moveLeft(std::clamp(wanted.left(), available.left(), std::max(available.left(), available.right() + 1 - at.width())));
    wanted.moveTop(std::clamp(wanted.top(), available.top(), std::max(available.top(), available.bottom() + 1 - at.height())));
    const QPoint off = at.topLeft() - wanted.topLeft();
    QStringList offScreen;
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        if (button->isVisible() && !insideScrolledPage(button) && !available.contains(QRect(at.topLeft() + button->mapTo(dialog, QPoint(0, 0)), button->size())))
            offScreen << button->text();
    if (std::abs(off.x()) <= Slack && std::abs(off.y()) <= Slack && available.contains(frame) && offScreen.isEmpty())
        return {};
    return QStringLiteral("%1 %2x%3 at %4,%5 (framed %6x%7 at %8,%9) over %10x%11 at %12,%13 (wanted about %14,%15; "
                          "available %16,%17 %18x%19; buttons off it: %20)")
        .arg(dialog->windowTitle()).arg(at.width()).arg(at.height()).arg(at.x()).arg(at.y()).arg(frame.width())
        .arg(frame.height()).arg(frame.x()).arg(frame.y()).arg(over.width()).arg(over.height()).arg(over.x())
        .arg(over.y()).arg(wanted.x()).arg(wanted.y()).arg(available.x()).arg(available.y()).arg(available.width())
        .arg(available.height()).arg(offScreen.join(QStringLiteral(", ")));
}

// Right to left, the texts of `dialog` with Arabic words that a label or button would lay out
// left to right: they take their direction from their first letter, and one that starts with a
// Latin name ("Vistrelle ...") puts the name after the sentence it begins.
QStringList readLeftToRight(QWidget *dialog)
{
    QStringList wrong;
    if (!QGuiApplication::isRightToLeft())
        return wrong;
    QStringList texts;
    for (QLabel *label : dialog->findChildren<QLabel *>())
        if (label->isVisible() && label->textFormat() != Qt::RichText && !Qt::mightBeRichText(label->text()))
            texts << label->text();
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        if (button->isVisible())
            texts << button->text();
    for (const QString &text : std::as_const(texts)) {
        const bool arabic = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.script() == QChar::Script_Arabic; });
        if (arabic && !text.isRightToLeft())
            wrong << text;
    }
    return wrong;
}

// Waits until a window just shown has been placed by the window manager and stays put.
bool settled(QWidget *window)
{
    if (!QTest::qWaitForWindowExposed(window, 10000))
        return false;
    QRect last;
    for (int same = 0, round = 0; same < 3 && round < 50; ++round) {
        QTest::qWait(100);
        const QRect now = onServer(window);
        same = now == last ? same + 1 : 0;
        last = now;
    }
    return true;
}

// Chooses the entries `path` (texts, a submenu first) of the title bar's menu with the pointer.
// The menu runs its own event loop: each entry is clicked from a timer inside it.
bool chooseFromMenu(MainWindow &window, const QStringList &path)
{
    auto *button = window.titleBar()->findChild<QToolButton *>(QStringLiteral("TitleMenuButton"));
    if (!button)
        return false;
    auto *chooser = new QTimer(&window);
    auto step = std::make_shared<int>(0);
    QObject::connect(chooser, &QTimer::timeout, chooser, [chooser, step, path] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        for (QAction *action : menu->actions()) {
            if (action->text() != path.value(*step))
                continue;
            const std::optional<QRect> real = serverWindowGeometry(menu);
            if (!real)
                return;
            const QPoint at = real->topLeft()
                + (QPointF(menu->actionGeometry(action).center()) * menu->devicePixelRatioF()).toPoint();
            if (++*step == path.size())
                chooser->deleteLater();
            QProcess::startDetached(QStringLiteral("sh"), {QStringLiteral("-c"),
                                                          QStringLiteral("xdotool mousemove %1 %2 sleep 0.3 click 1")
                                                              .arg(at.x()).arg(at.y())});
            return;
        }
    });
    chooser->start(400);
    return click(deviceCentreOf(button));
}

// Runs `open`, waits for a visible window `find` gives, lets it settle, and hands it to
// `inside`, which closes it.
bool whenOpened(const std::function<bool()> &open, const std::function<QWidget *()> &find,
                const std::function<void(QWidget *)> &inside)
{
    bool seen = false;
    WhenShown shown(find, [&](QWidget *w) {
        QPointer<QWidget> guard = w;
        seen = settled(w);
        if (guard)
            inside(guard);
    });
    return open() && QTest::qWaitFor([&] { return shown.done(); }, 15000) && seen;
}

template<typename T>
std::function<QWidget *()> shownOf()
{
    return [] { return visibleTopLevel<T>(); };
}

// Saves the whole test desktop as NAME.png into $VISTRELLE_SHOTS when that is set.
void grabScreen(const QString &name)
{
    const QString folder = qEnvironmentVariable("VISTRELLE_SHOTS");
    if (!folder.isEmpty())
        rootGrab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QMessageBox *shownMessage()
{
    return visibleTopLevel<QMessageBox>();
}

} // namespace

class TestMainWindowDialogsE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dialogsOpenOverTheirWindow();
    void cleanupTestCase();

private:
    QTemporaryDir m_saveDir;
    QString m_language;
};

void TestMainWindowDialogsE2E::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    if (!windowManagerRunning())
        QSKIP("is about where the window manager shows dialogs (scripts/test-env.sh runs openbox)");
    QVERIFY(m_saveDir.isValid());
    setUpProgramSettings(m_saveDir.path());
    // The program's style and style sheet, which size its dialogs.
    QApplication::setStyle(createProgramStyle());
    QFile styleSheet(QStringLiteral(":/styles/styles/dark.qss"));
    QVERIFY(styleSheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
    m_language = qEnvironmentVariable("VISTRELLE_TEST_LANGUAGE", QStringLiteral("en"));
    QSettings().setValue(QStringLiteral("ui/language"), m_language);
    // Asked at every close, whatever an earlier test of the run left in the settings.
    QSettings().setValue(SettingsDialog::generalKey("closeBehavior"), 2);
    QVERIFY(InterfaceTranslations::install(m_language));
}

void TestMainWindowDialogsE2E::cleanupTestCase()
{
    QSettings settings;
    for (const char *key : {"ui/language", "recording/fps"})
        settings.remove(QLatin1String(key));
    settings.remove(SettingsDialog::generalKey("closeBehavior"));
}

void TestMainWindowDialogsE2E::dialogsOpenOverTheirWindow()
{
    MainWindow window;
    QVERIFY(showSettled(window));
    QVERIFY(settled(&window));
    QStringList wrong;
    const auto check = [&wrong](const QString &way, QWidget *dialog, QWidget *parent) {
        grabScreen(QStringLiteral("dialog-%1").arg(way));
        const QString where = misplaced(dialog, parent);
        qInfo().noquote() << way << onServer(dialog) << "framed" << frameOnServer(dialog).value_or(QRect()) << "over" << onServer(parent);
        if (!where.isEmpty())
            wrong << way + QStringLiteral(": ") + where;
        for (const QString &text : readLeftToRight(dialog))
            wrong << way + QStringLiteral(": \"%1\" reads left to right").arg(text);
    };
    const auto reject = [](QWidget *w) {
        if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
    };

    QVERIFY(whenOpened([&] { return click(deviceCentreOf(window.findChild<QPushButton *>(QStringLiteral("HomeScheduleButton")))); },
                       shownOf<ScheduledRecordingDialog>(), [&](QWidget *w) {
                           check(QStringLiteral("home-schedule"), w, &window);
                           reject(w);
                       }));
    QVERIFY(whenOpened([&] { return chooseFromMenu(window, {translated("TitleBar", "设置")}); },
                       shownOf<SettingsDialog>(), [&](QWidget *w) {
                           check(QStringLiteral("menu-settings"), w, &window);
                           reject(w);
                       }));
    QVERIFY(whenOpened([&] { return chooseFromMenu(window, {translated("TitleBar", "关于 Vistrelle")}); },
                       [] { return visibleDialog(translated("MainWindow", "About Vistrelle")); }, [&](QWidget *w) {
                           check(QStringLiteral("menu-about"), w, &window);
                           reject(w);
                       }));
    // The close button of the window manager's frame (openbox draws it 10 pixels in from the
    // frame's top right corner, in the display's own pixels).
    QVERIFY(whenOpened([&] {
                           const std::optional<QRect> frame = frameOnServer(&window);
                           const qreal ratio = window.devicePixelRatioF();
                           return frame && click(QPoint(qRound((frame->right() + 1) * ratio) - 10, qRound(frame->top() * ratio) + 10));
                       },
                       shownOf<vc::CloseBehaviorDialog>(), [&](QWidget *w) {
                           check(QStringLiteral("close-question"), w, &window);
                           reject(w);
                       }));
    QVERIFY(window.isVisible());

    // The language question: another language than the one on show, answered No.
    const auto languages = TitleBar::languages();
    const auto other = std::find_if(languages.cbegin(), languages.cend(),
                                    [this](const auto &l) { return l.first != m_language; });
    QVERIFY(other != languages.cend());
    QVERIFY(whenOpened([&] { return chooseFromMenu(window, {translated("TitleBar", "语言"), other->second}); },
                       shownMessage, [&](QWidget *w) {
                           check(QStringLiteral("language-question"), w, &window);
                           if (auto *box = qobject_cast<QMessageBox *>(w))
                               box->button(QMessageBox::No)->click();
                       }));
    LinkManager::instance()->setLanguage(m_language);

    // The 120 FPS question from Settings' OK, over Settings (this display refreshes at 60 Hz
    // and has no hardware encoder, so the question comes).
    QVERIFY(whenOpened([&] { return chooseFromMenu(window, {translated("TitleBar", "设置")}); },
                       shownOf<SettingsDialog>(), [&](QWidget *w) {
                           auto *settings = qobject_cast<SettingsDialog *>(w);
                           settings->setCurrentPage(4);
                           for (QComboBox *combo : settings->findChildren<QComboBox *>())
                               if (const int at = combo->findData(120); at >= 0)
                                   combo->setCurrentIndex(at);
                           const bool asked = whenOpened(
                               [&] { return click(deviceCentreOf(settings->findChild<QPushButton *>(QStringLiteral("Primary")))); },
                               shownMessage, [&](QWidget *box) {
                                   check(QStringLiteral("fps-question"), box, settings);
                                   qobject_cast<QMessageBox *>(box)->escapeButton()->click();
                               });
                           if (!asked)
                               wrong << QStringLiteral("no 120 FPS question");
                           if (settings)
                               settings->reject();
                       }));

    // From the webcam page: Settings, Auto Stop and Auto Split, over the main window.
    QVERIFY(click(deviceCentreOf(window.findChild<QPushButton *>(QStringLiteral("ModeCard_Webcam")))));
    QTRY_VERIFY_WITH_TIMEOUT(window.cameraPageActive(), 10000);
    QVERIFY(settled(&window));
    const auto cameraAction = [&window](const char *text) -> QToolButton * {
        for (QToolButton *b : window.findChildren<QToolButton *>(QStringLiteral("CameraActionButton")))
            if (b->isVisible() && b->text() == translated("CameraRecordingPage", text))
                return b;
        return nullptr;
    };
    const QList<std::tuple<const char *, std::function<QWidget *()>, QString>> pageDialogs = {
        {"Settings", shownOf<SettingsDialog>(), QStringLiteral("webcam-settings")},
        {"Auto Stop", shownOf<AutoStopDialog>(), QStringLiteral("webcam-auto-stop")},
        {"Auto Split", shownOf<AutoSplitDialog>(), QStringLiteral("webcam-auto-split")},
    };
    for (const auto &[text, find, way] : pageDialogs) {
        QToolButton *action = cameraAction(text);
        QVERIFY2(action, text);
        QVERIFY2(whenOpened([&] { return click(deviceCentreOf(action)); }, find, [&](QWidget *w) {
                     check(way, w, &window);
                     reject(w);
                 }),
                 text);
    }
    window.closeCameraPage();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the test then skips
    QApplication app(argc, argv);
    TestMainWindowDialogsE2E test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwin_dialogs_e2e.moc"
