#include "dialogs/DialogStacking.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

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

class DialogStacking : public QObject
{
public:
    using QObject::QObject;
    static constexpr const char *Name = "vistrelle_dialog_stacking";

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Show comes before the window is mapped: the window manager reads the
        // transient setting as it takes the window in.
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *w = static_cast<QWidget *>(watched);
            if (isDialog(w))
                standAboveOwner(w);
        }
        return QObject::eventFilter(watched, event);
    }

private:
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
        }
    }
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
    for (QWidget *w : QApplication::topLevelWidgets())
        if (isManagedWindow(w) && !belongsTo(w, dialog) && !isDialog(w))
            return w;
    return nullptr;
}

void keepDialogsAboveTheirOwners()
{
    if (!qApp || QGuiApplication::platformName() != QLatin1String("xcb")
        || qApp->findChild<QObject *>(QLatin1String(DialogStacking::Name), Qt::FindDirectChildrenOnly))
        return;
    auto *stacking = new DialogStacking(qApp);
    stacking->setObjectName(QLatin1String(DialogStacking::Name));
    qApp->installEventFilter(stacking);
}
