#pragma once
// Helpers of the main window's end-to-end tests: widgets found in the window built in
// the test's own process, and answers given from inside modal dialogs.
#include "XdotoolDriver.h"
#include "WindowClose.h"

#include "app/MainWindow.h"
#include "overlays/FloatingToolbar.h"
#include "overlays/SetupRecordingToolbar.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "platform/mac/X11Connection.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QScreen>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

namespace {

// The application set up as main() sets it up, saving its recordings into `saveDir`.
// The check for 5 GB free before a start is off: a shared test machine often has less,
// and the tests of that check switch it on themselves.
inline void setUpProgramSettings(const QString &saveDir)
{
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    QCoreApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QSettings().setValue(QStringLiteral("save/directory"), saveDir);
    QSettings().setValue(QStringLiteral("save/diskWarning"), false);
}

// Shows a window and lets its first layout and the window manager's placing settle.
inline bool showSettled(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(300);
    return true;
}

// A one-off scheduled recording of capture mode `mode` (the mode bar's index) at `startAt`.
inline void storeOneOffSchedule(const QDateTime &startAt, int mode)
{
    QSettings s;
    s.setValue(QStringLiteral("schedule/enabled"), true);
    s.setValue(QStringLiteral("schedule/recurrence"), 0);
    s.setValue(QStringLiteral("schedule/startAt"), startAt);
    s.setValue(QStringLiteral("schedule/captureMode"), mode);
}

// Where a widget's centre is on the screen, as the X server has its window: Qt's own
// idea of a window a window manager has just mapped can be stale for a moment (a click
// aimed by it then lands beside the widget).
inline QPoint centreOf(const QWidget *widget)
{
    const QWidget *top = widget->window();
    if (top->windowHandle() && QGuiApplication::platformName() == QLatin1String("xcb")) {
        const std::unique_ptr<X11Connection> x = X11Connection::forGuiThread();
        if (const std::optional<QRect> real = x && x->isValid() ? x->rootGeometry(xcb_window_t(top->winId()))
                                                                 : std::nullopt) {
            const qreal ratio = std::max<qreal>(top->devicePixelRatioF(), 1.0);
            const QPoint origin(qRound(real->x() / ratio), qRound(real->y() / ratio));
            return origin + widget->mapTo(top, widget->rect().center());
        }
    }
    return widget->mapToGlobal(widget->rect().center());
}

// The same in device pixels, the X server's, which xdotool takes: at a scale above 1 each
// display keeps its corner in Qt's coordinates and only the offset from it shrinks.
inline QPoint deviceCentreOf(const QWidget *widget)
{
    const QWidget *top = widget->window();
    if (const std::optional<QRect> real = serverWindowGeometry(const_cast<QWidget *>(top))) {
        const QPointF local = QPointF(widget->mapTo(top, widget->rect().center())) * top->devicePixelRatioF();
        return real->topLeft() + local.toPoint();
    }
    return widget->mapToGlobal(widget->rect().center());
}

inline QDialog *visibleDialog(const QString &title)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<QDialog *>(widget))
            if (dialog->isVisible() && dialog->windowTitle() == title)
                return dialog;
    return nullptr;
}

// Modal dialogs run their own event loop inside the handler of the click that opened
// them: what the test does in them has to run from inside that loop, so it is armed
// before the click.
class WhenShown : public QObject
{
public:
    WhenShown(std::function<QWidget *()> find, std::function<void(QWidget *)> act)
        : m_find(std::move(find)), m_act(std::move(act))
    {
        m_timer.setInterval(100);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *widget = m_find();
            if (!widget || m_done)
                return;
            m_done = true;
            m_timer.stop();
            m_act(widget);
        });
        m_timer.start();
    }
    bool done() const { return m_done; }

private:
    std::function<QWidget *()> m_find;
    std::function<void(QWidget *)> m_act;
    QTimer m_timer;
    bool m_done = false;
};

inline QPushButton *buttonByAccessibleName(QWidget *root, const QString &name)
{
    for (QPushButton *button : root->findChildren<QPushButton *>())
        if (button->accessibleName() == name && button->isVisible())
            return button;
    return nullptr;
}

// An item of the preparation toolbar by its title ("Exit", "Auto Stop").
inline QToolButton *toolbarItem(QWidget *toolbar, const QString &title)
{
    for (QToolButton *button : toolbar->findChildren<QToolButton *>())
        if (button->property("title").toString() == title && button->isVisible())
            return button;
    return nullptr;
}

// Closes a window as its window manager's close button does. A request sent just after
// the window was mapped has been seen to go unanswered now and then under openbox (no
// modal window, the program idle): it is made again. True once the window is hidden.
inline bool closeByWindowManager(QWidget *window)
{
    QPointer<QWidget> guard = window;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!guard || !requestWindowClose(guard->winId()))
            return false;
        if (QTest::qWaitFor([&] { return !guard || !guard->isVisible(); }, 10000))
            return true;
        qWarning() << "close request" << attempt + 1 << "not taken by" << guard->windowTitle();
    }
    return false;
}

// From the home page to a start: a mode card ("FullScreen", "AudioOnly"), then the
// preparation toolbar's REC. True once REC was clicked.
inline bool pressRecFrom(MainWindow &window, const QString &cardName)
{
    auto *card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_") + cardName);
    if (!card || !click(centreOf(card)))
        return false;
    if (!QTest::qWaitFor([&] { return window.setupToolbar()->isVisible(); }, 5000))
        return false;
    QTest::qWait(200);
    QPushButton *rec = buttonByAccessibleName(window.setupToolbar(), QStringLiteral("REC"));
    return rec && click(centreOf(rec));
}

// From the home page up to a running recording: pressRecFrom, then the countdown. True
// once the recorder has started.
inline bool startRecordingFrom(MainWindow &window, const QString &cardName)
{
    QSignalSpy started(window.recorder(), &Recorder::started);
    return pressRecFrom(window, cardName) && QTest::qWaitFor([&] { return started.size() == 1; }, 20000);
}

// From the home page to the preparation of display `number` (1, 2...): the Full Screen
// card, then that display from the preparation toolbar's mode menu. True once the
// toolbar stands on that display.
inline bool prepareDisplay(MainWindow &window, int number)
{
    auto *card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_FullScreen"));
    if (!card || !click(deviceCentreOf(card)) || !QTest::qWaitFor([&] { return window.setupToolbar()->isVisible(); }, 5000))
        return false;
    QTest::qWait(200);
    QToolButton *mode = toolbarItem(window.setupToolbar(), QStringLiteral("Full Screen"));
    // The menu runs its own event loop: its entry is clicked from a timer inside it.
    QTimer::singleShot(600, &window, [number] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (QAction *action : menu ? menu->actions() : QList<QAction *>())
            if (action->text() == QStringLiteral("Full Screen · Display %1").arg(number)) {
                // In the server's pixels: the menu's place there and the item's place in it.
                const std::optional<QRect> real = serverWindowGeometry(menu);
                const QPoint at = real ? real->topLeft()
                                             + (QPointF(menu->actionGeometry(action).center()) * menu->devicePixelRatioF()).toPoint()
                                       : menu->mapToGlobal(menu->actionGeometry(action).center());
                QProcess::startDetached(QStringLiteral("sh"), {QStringLiteral("-c"),
                                                               QStringLiteral("xdotool mousemove %1 %2 sleep 0.2 click 1")
                                                                   .arg(at.x()).arg(at.y())});
            }
    });
    QScreen *screen = QGuiApplication::screens().value(number - 1);
    return mode && screen && click(deviceCentreOf(mode)) && QTest::qWaitFor([&] {
        QWidget *toolbar = window.setupToolbar();
        return toolbar->isVisible() && QGuiApplication::screenAt(toolbar->frameGeometry().center()) == screen;
    }, 8000);
}

// Presses the floating toolbar's stop button and answers the stop question with the
// button of that object name. True when the answer was clicked.
inline bool stopWith(MainWindow &window, const QString &answerButton)
{
    bool answered = false;
    WhenShown answer([] { return visibleDialog(QStringLiteral("Stop Recording")); },
                     [&](QWidget *question) {
                         QTest::qWait(200);
                         if (auto *button = question->findChild<QPushButton *>(answerButton))
                             answered = click(deviceCentreOf(button));
                     });
    auto *stop = window.floatingToolbar()->findChild<QPushButton *>(QStringLiteral("StopButton"));
    if (!stop || !click(deviceCentreOf(stop)))
        return false;
    return QTest::qWaitFor([&] { return answer.done(); }, 5000) && answered;
}

} // namespace
