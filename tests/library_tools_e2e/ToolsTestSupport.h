#pragma once
// Driving the media library's tools with real X events. The tools run modal dialogs and menus
// in nested event loops, so a test writes its clicks as a Script of steps that timers run from
// whatever loop is current, each as soon as its widget is on screen.

#include "../support/LibraryTestMedia.h"

#include "library/VideoListDialog.h"
#include "library/VideoPlayer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace ToolsTest {

using LibraryMedia::clickWidget;
using LibraryMedia::xdotool;

// Whether the window is on the screen: a window manager maps a new window some time after
// Qt shows it, and a click aimed at it before then lands on whatever is below.
inline bool isPlaced(QWidget *w)
{
    return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed();
}

// A visible top-level widget of that object name (the newest when several are).
inline QWidget *visibleWindow(const QString &objectName)
{
    QWidget *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == objectName)
            found = w;
    }
    return found;
}

// The window of that name once it stands in its place.
inline QWidget *placedWindow(const QString &objectName)
{
    QWidget *w = visibleWindow(objectName);
    return isPlaced(w) ? w : nullptr;
}

// The window of that name once it is in its place and has the focus, so that keys reach it.
inline QWidget *focusedWindow(const QString &objectName)
{
    QWidget *w = placedWindow(objectName);
    return w && w->isActiveWindow() ? w : nullptr;
}

inline QMenu *openMenu()
{
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

inline bool clickMenuEntry(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return clickWidget(menu, menu->actionGeometry(action).center());
    }
    qWarning() << "no menu entry" << text;
    return false;
}

// Steps run in order, each once and as soon as its condition holds, from a 40 ms timer.
// A step that waits longer than the stall limit gives up: the script closes the open popups
// and modal dialogs, so that the test fails where it stood instead of hanging in their loops.
class Script : public QObject
{
public:
    explicit Script(QObject *parent = nullptr)
        : QObject(parent)
    {
        m_waiting.start();
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_running || m_next >= m_steps.size())
                return;
            const Step step = m_steps.at(m_next);
            if (!step.ready()) {
                if (m_waiting.elapsed() > kStallMs)
                    giveUp(step.name);
                return;
            }
            m_running = true;
            ++m_next;
            qInfo().noquote() << "[script]" << step.name;
            step.action();
            m_running = false;
            m_waiting.restart();
        });
        m_timer.start(40);
    }

    static constexpr qint64 kStallMs = 30000;

    Script &then(const QString &name, std::function<bool()> ready, std::function<void()> action)
    {
        m_steps.append({name, std::move(ready), std::move(action)});
        return *this;
    }

    // Click the named entry of the menu that opens.
    Script &menuEntry(const QString &text)
    {
        return then(QStringLiteral("menu entry ") + text, [] { return isPlaced(openMenu()); },
                    [text] { clickMenuEntry(openMenu(), text); });
    }

    // In the visible window of that name: open the combo box and pick an item with the keys.
    Script &chooseItem(const QString &window, const QString &combo, int index)
    {
        auto box = std::make_shared<QComboBox *>(nullptr);
        auto from = std::make_shared<int>(0);
        then(QStringLiteral("open ") + combo,
             [window] { return !QApplication::activePopupWidget() && placedWindow(window) != nullptr; },
             [window, combo, box, from] {
                 *box = visibleWindow(window)->findChild<QComboBox *>(combo);
                 *from = (*box)->currentIndex();
                 clickWidget(*box);
             });
        return then(QStringLiteral("pick in ") + combo,
                    [box] { return *box && (*box)->view()->window()->isVisible(); },
                    [box, from, index] {
                        const int steps = index - *from;
                        if (steps != 0)
                            xdotool({"key", "--delay", "60", "--repeat", QString::number(std::abs(steps)),
                                     steps > 0 ? "Down" : "Up"});
                        xdotool({"key", "Return"});
                    });
    }

    // Click a button (by object name) of the visible window of that name.
    Script &clickButton(const QString &window, const QString &button)
    {
        return then(QStringLiteral("click ") + button,
                    [window, button] {
                        if (QApplication::activePopupWidget())
                            return false;
                        QWidget *w = placedWindow(window);
                        auto *b = w ? w->findChild<QPushButton *>(button) : nullptr;
                        return b && b->isVisible() && b->isEnabled();
                    },
                    [window, button] {
                        QWidget *w = visibleWindow(window);
                        LibraryMedia::snapshot(QStringLiteral("tool %1 %2")
                                                   .arg(w->windowTitle(), button)
                                                   .replace(QLatin1Char('/'), QLatin1Char('-')));
                        clickWidget(w->findChild<QPushButton *>(button));
                    });
    }

    bool finished() const { return m_next >= m_steps.size(); }
    bool stalled() const { return m_stalled; }
    QString pending() const { return finished() ? QString() : m_steps.at(m_next).name; }

private:
    void giveUp(const QString &name)
    {
        qWarning().noquote() << "[script] stalled at" << name;
        LibraryMedia::snapshot(QStringLiteral("stalled"));
        m_stalled = true;
        m_next = m_steps.size();
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        while (QWidget *modal = QApplication::activeModalWidget()) {
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
            if (QApplication::activeModalWidget() == modal)
                break;
        }
    }

    struct Step
    {
        QString name;
        std::function<bool()> ready;
        std::function<void()> action;
    };
    QList<Step> m_steps;
    int m_next = 0;
    bool m_running = false;
    bool m_stalled = false;
    QElapsedTimer m_waiting;
    QTimer m_timer;
};

// Clicks the list row of that file and waits until it is the current record with its metadata
// (the tools read its audio codec) and, when asked, until the player knows its length.
inline bool selectRecord(VideoListDialog *window, const QString &fileName, bool playerReady = false)
{
    auto *list = window->findChild<QListWidget *>(QStringLiteral("List"));
    for (int row = 0; row < list->count(); ++row) {
        const int index = list->item(row)->data(Qt::UserRole).toInt();
        if (window->recordList().value(index).fileName != fileName)
            continue;
        list->scrollToItem(list->item(row));
        if (!clickWidget(list->viewport(), list->visualItemRect(list->item(row)).center()))
            return false;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 20000) {
            if (window->currentRecordIndex() == index && window->recordList().value(index).duration > 0
                && (!playerReady || window->videoPlayer()->duration() > 0))
                return true;
            QTest::qWait(50);
        }
        return false;
    }
    qWarning() << "not listed:" << fileName;
    return false;
}

// The md5 of a file's first video stream, packets copied as they are.
inline QString videoPacketsMd5(const QString &path)
{
    QString out;
    TestMedia::runFfmpeg({"-hide_banner", "-loglevel", "error", "-i", path, "-map", "0:v:0", "-c", "copy", "-f",
                          "md5", "-"},
                         &out);
    return out.trimmed();
}

inline QString codecOf(const QString &path, const QString &kind)
{
    for (const MediaStreamInfo &s : TestMedia::probe(path).streams) {
        if (s.type == kind)
            return s.codec;
    }
    return QString();
}

} // namespace ToolsTest
