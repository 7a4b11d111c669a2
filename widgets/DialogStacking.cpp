#include "widgets/DialogStacking.h"

#include "widgets/DialogPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

bool isDialog(const QWidget *w)
{
    return w->isWindow() && (w->windowType() == Qt::Dialog || w->windowType() == Qt::Sheet);
}

// A shown window the window manager stacks (override-redirect overlays are not its to
// stack, popups close on the next click).
bool isManagedWindow(const QWidget *w)
{
    const Qt::WindowType type = w->windowType();
    return w->isWindow() && w->isVisible() && !(w->windowFlags() & Qt::X11BypassWindowManagerHint)
           && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen && type != Qt::Desktop;
}

// One it keeps above ordinary windows.
bool staysOnTop(const QWidget *w)
{
    return isManagedWindow(w) && (w->windowFlags() & Qt::WindowStaysOnTopHint);
}

// True when `w` is `dialog` or one of its own windows (a transient chain back to it).
bool belongsTo(const QWidget *w, const QWidget *dialog)
{
    for (const QWidget *p = w; p; p = p->parentWidget())
        if (p == dialog)
            return true;
    return false;
}

bool anyDialogOpen()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [](const QWidget *w) { return isDialog(w) && w->isVisible(); });
}

class DialogStacking : public QObject
{
public:
    using QObject::QObject;
    static constexpr const char *Name = "vistrelle_dialog_stacking";

    // The one watcher of the application, installed on first use.
    static DialogStacking *instance()
    {
        if (!qApp || QGuiApplication::platformName() != QLatin1String("xcb"))
            return nullptr;
        auto *stacking = static_cast<DialogStacking *>(
            qApp->findChild<QObject *>(QLatin1String(Name), Qt::FindDirectChildrenOnly));
        if (!stacking) {
            stacking = new DialogStacking(qApp);
            stacking->setObjectName(QLatin1String(Name));
            stacking->m_open = anyDialogOpen();
            qApp->installEventFilter(stacking);
        }
        return stacking;
    }

    void addWatch(QObject *context, std::function<void(bool)> onChange)
    {
        m_watches.append({context, std::move(onChange)});
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType()
            && isDialog(static_cast<QWidget *>(watched))) {
            // Show comes before the window is mapped: the window manager reads the
            // transient setting as it takes the window in.
            if (type == QEvent::Show)
                standAboveOwner(static_cast<QWidget *>(watched));
            announce(type == QEvent::Show || anyDialogOpen());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    struct Watch
    {
        QPointer<QObject> context;
        std::function<void(bool)> onChange;
    };

    void announce(bool open)
    {
        if (open == m_open)
            return;
        m_open = open;
        m_watches.removeIf([](const Watch &watch) { return !watch.context; });
        const QList<Watch> watches = m_watches;
        for (const Watch &watch : watches)
            if (watch.context)
                watch.onChange(open);
    }

    static void standAboveOwner(QWidget *dialog)
    {
        QWindow *handle = dialog->windowHandle();
        if (!handle)
            return;
        QWidget *owner = dialogOwner(dialog);
        if (!owner && dialog->parentWidget())
            owner = dialog->parentWidget()->window();
        if (owner) {
            owner->winId();
            handle->setTransientParent(owner->windowHandle());
            moveOntoOwnersDisplay(dialog, owner);
        }
    }

    QList<Watch> m_watches;
    bool m_open = false;
};

} // namespace

QWidget *dialogOwner(const QWidget *dialog)
{
    if (QWidget *modal = QApplication::activeModalWidget();
        modal && modal->isVisible() && !belongsTo(modal, dialog))
        return modal;

    QWidget *parentWindow = dialog && dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    QWidget *active = QApplication::activeWindow();
    QList<QWidget *> onTop;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (staysOnTop(w) && !belongsTo(w, dialog))
            onTop << w;
    for (QWidget *preferred : {parentWindow, active})
        if (preferred && onTop.contains(preferred))
            return preferred;
    if (!onTop.isEmpty())
        return onTop.first();
    // Otherwise the window that has the keyboard, the parent's window, or another window
    // of the program on screen (one that is about to take the keyboard would else be
    // raised over the dialog).
    for (QWidget *preferred : {active, parentWindow})
        if (preferred && isManagedWindow(preferred) && !belongsTo(preferred, dialog))
            return preferred;
    // (A framed main window: the tray icon's frameless window lives inside the panel.)
    for (QWidget *w : QApplication::topLevelWidgets())
        if (isManagedWindow(w) && w->windowType() == Qt::Window && !(w->windowFlags() & Qt::FramelessWindowHint)
            && !belongsTo(w, dialog))
            return w;
    return nullptr;
}

void keepDialogsAboveTheirOwners()
{
    DialogStacking::instance();
}

void watchOpenDialogs(QObject *context, std::function<void(bool open)> onChange)
{
    if (DialogStacking *stacking = DialogStacking::instance())
        stacking->addWatch(context, std::move(onChange));
}
