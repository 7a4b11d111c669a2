#include "dialogs/DialogPlacement.h"

#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QDebug>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace {

// When, after a show, the positions are compared (ms): the manager places its frame
// late on a busy machine.
const int CheckTimesMs[] = {300, 800, 1800, 3500};

class PositionKeeper : public QObject
{
public:
    explicit PositionKeeper(QWidget *dialog) : QObject(dialog), m_dialog(dialog)
    {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // ShowToParent comes once the dialog has placed itself (QDialog does so in its
        // show event) and its window is mapped, before any answer of the window manager.
        if (watched == m_dialog && event->type() == QEvent::ShowToParent) {
            m_requested = m_dialog->windowHandle() ? m_dialog->windowHandle()->geometry().topLeft()
                                                   : m_dialog->geometry().topLeft();
            for (const int ms : CheckTimesMs)
                QTimer::singleShot(ms, this, [this] { check(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Only the one known fault is mended: the X server has the window where Qt asked
    // for it while Qt believes it is elsewhere. Wherever else the window manager (or
    // the user) puts the dialog is left alone.
    void check()
    {
        if (!m_dialog || !m_dialog->isVisible() || !m_dialog->windowHandle())
            return;
        QWindow *window = m_dialog->windowHandle();
        const QPoint believed = window->geometry().topLeft();
        if (believed == m_requested)
            return;
        // Asked for where it is: nothing moves on screen, and Qt learns the position.
        if (windowPositionFromServer(m_dialog) == m_requested)
            window->setPosition(m_requested);
    }

    QPointer<QWidget> m_dialog;
    QPoint m_requested;
};

// A dialog moved onto its owner's display as it was shown. At a raised scale with displays
// of their own origins, the window manager's late notice of where the window was created
// (over the primary display, before the move) can reach Qt after the move: Qt then takes
// that place, changes the window's display and asks for the primary's corner, which the
// manager grants. Such a dialog is taken back, once, to where it was put; a dialog the user
// has dragged onto another display is left there after that.
class DisplayKeeper : public QObject
{
public:
    DisplayKeeper(QWidget *dialog, const QPoint &devicePlace) : QObject(dialog), m_dialog(dialog), m_place(devicePlace)
    {
        // Soon enough that a drag of the user's has hardly begun.
        for (const int ms : {300, 800, 1800})
            QTimer::singleShot(ms, this, [this] { check(); });
        QTimer::singleShot(1900, this, [this] { deleteLater(); });
    }

private:
    void check()
    {
        if (m_done || !m_dialog || !m_dialog->isVisible())
            return;
        const std::optional<QRect> server = serverWindowGeometry(m_dialog);
        if (!server)
            return;
        const QList<DisplayGeometry::Display> displays = DisplayGeometry::applicationDisplays();
        const int wanted = DisplayGeometry::displayAtDevice(displays, m_place);
        if (wanted < 0 || DisplayGeometry::displayAtDevice(displays, server->center()) == wanted)
            return;
        m_done = true;
        qInfo() << "[Dialogs] Taken back to its owner's display:" << m_dialog->windowTitle();
        m_dialog->move(DisplayGeometry::toLogical(displays, m_place));
    }

    QPointer<QWidget> m_dialog;
    QPoint m_place;
    bool m_done = false;
};

} // namespace

void keepDialogPositionTrue(QWidget *dialog)
{
    if (dialog && QGuiApplication::platformName() == QLatin1String("xcb"))
        new PositionKeeper(dialog);
}

QRect availableAreaFor(const QWidget *widget)
{
    QScreen *screen = nullptr;
    if (widget && widget->parentWidget() && widget->parentWidget()->window()->windowHandle())
        screen = widget->parentWidget()->window()->windowHandle()->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint positionBy(const QSize &dialogSize, const QRect &owner, const QRect &available)
{
    // Below the window where it has room, else above it, else over it; centred across it.
    constexpr int gap = 8;
    QPoint p(owner.center().x() - dialogSize.width() / 2, owner.bottom() + 1 + gap);
    if (available.isEmpty())
        return p;
    if (p.y() + dialogSize.height() > available.bottom() + 1)
        p.setY(owner.top() - gap - dialogSize.height() >= available.top() ? owner.top() - gap - dialogSize.height()
                                                                          : owner.center().y() - dialogSize.height() / 2);
    p.setX(std::max(available.left(), std::min(p.x(), available.right() + 1 - dialogSize.width())));
    p.setY(std::max(available.top(), std::min(p.y(), available.bottom() + 1 - dialogSize.height())));
    return p;
}

void moveOntoOwnersDisplay(QWidget *dialog, const QWidget *owner)
{
    if (!dialog || !owner || !owner->isVisible())
        return;
    // Where the owner really is: a frameless toolbar shown again a moment ago may still be
    // believed at the screen's corner (see keepPositionInStep) until it is exposed.
    QRect ownerFrame = owner->frameGeometry();
    if (owner->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        if (const std::optional<QPoint> real = windowPositionFromServer(const_cast<QWidget *>(owner)))
            ownerFrame.moveTopLeft(*real);
    }
    QScreen *ownerScreen = QGuiApplication::screenAt(ownerFrame.center());
    // Where Qt opens it unless told: over its parent's window (for the toolbars' dialogs the
    // hidden main window), placed as it is shown, after this.
    const QWidget *parent = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    const QRect opening = parent && !dialog->testAttribute(Qt::WA_Moved) ? parent->frameGeometry()
                                                                         : dialog->frameGeometry();
    // A dialog of a window on screen (the media library) stays by that window, unless it
    // would cover the toolbar it comes from (Qt centres a dialog over its parent).
    // A dialog with room neither below nor above the toolbar stays where Qt opens it.
    const QRect available = ownerScreen ? ownerScreen->availableGeometry() : QRect();
    const int height = dialog->frameGeometry().height();
    const bool roomBeside = ownerFrame.bottom() + 9 + height <= available.bottom() + 1
        || ownerFrame.top() - 8 - height >= available.top();
    const bool overItsToolbar = parent == owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint)
        && opening.intersects(ownerFrame) && roomBeside;
    if (!ownerScreen
        || (!overItsToolbar && (QGuiApplication::screenAt(opening.center()) == ownerScreen
                                || (parent && parent != owner && parent->isVisible()))))
        return;
    const QPoint place = positionBy(dialog->frameGeometry().size(), ownerFrame, ownerScreen->availableGeometry());
    dialog->move(place);
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        new DisplayKeeper(dialog, DisplayGeometry::toDevice(DisplayGeometry::applicationDisplays(), QPointF(place)));
}

void keepDialogsOnDisplays(const QList<QWidget *> &dialogs, const std::function<QWidget *(QWidget *)> &ownerOf)
{
    for (QWidget *dialog : dialogs) {
        if (!dialog || !dialog->isVisible() || QGuiApplication::screenAt(dialog->frameGeometry().center()))
            continue;
        // By its owner where that is on a display, else in the middle of the primary one.
        const QWidget *owner = ownerOf ? ownerOf(dialog) : nullptr;
        QScreen *screen = owner && owner->isVisible() ? QGuiApplication::screenAt(owner->frameGeometry().center())
                                                      : nullptr;
        const QRect available = screen ? screen->availableGeometry()
                                : QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                                   : QRect();
        if (available.isEmpty())
            continue;
        const QRect by = screen ? owner->frameGeometry() : QRect(available.center(), QSize(1, 1));
        qInfo() << "[Dialogs] Brought onto a display:" << dialog->windowTitle();
        dialog->move(positionBy(dialog->frameGeometry().size(), by, available));
    }
}

QSize sizeWithin(const QSize &wanted, const QRect &available)
{
    if (available.isEmpty())
        return wanted;
    return wanted.boundedTo(available.size());
}

QScrollArea *scrollingBody(QWidget *body)
{
    auto *area = new QScrollArea;
    area->setObjectName(QStringLiteral("ScrollingBody"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setStyleSheet(QStringLiteral("QScrollArea#ScrollingBody,QScrollArea#ScrollingBody>QWidget#qt_scrollarea_viewport"
                                       "{background:transparent;border:0;}"));
    area->setWidget(body);
    // The scroll area fills the body with the palette's light grey: the dialog's own
    // background shows through instead.
    body->setAutoFillBackground(false);
    return area;
}
