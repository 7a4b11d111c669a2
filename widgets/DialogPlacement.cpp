#include "widgets/DialogPlacement.h"

#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformwindow.h>

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

// Sends the wheel over a field without the focus to the page around it.
class WheelToPage : public QObject
{
public:
    explicit WheelToPage(QScrollArea *area) : QObject(area), m_area(area)
    {
        setObjectName(QStringLiteral("WheelToPage"));
        area->installEventFilter(this);
        coverFields();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_area) {
            if (event->type() == QEvent::Show)
                coverFields();
            return false;
        }
        if (event->type() != QEvent::Wheel)
            return false;
        auto *field = qobject_cast<QWidget *>(watched);
        if (!field || field->hasFocus())
            return false;
        // The page's scroll bars take it as the viewport would; a page that does not
        // scroll lets it go by.
        auto *wheel = static_cast<QWheelEvent *>(event);
        QScrollBar *bar = std::abs(wheel->angleDelta().x()) > std::abs(wheel->angleDelta().y())
            ? m_area->horizontalScrollBar()
            : m_area->verticalScrollBar();
        if (bar && bar->maximum() > bar->minimum())
            QCoreApplication::sendEvent(bar, event);
        return true;
    }

private:
    void coverFields()
    {
        const QWidget *page = m_area->widget();
        if (!page)
            return;
        for (QWidget *field : page->findChildren<QWidget *>()) {
            const bool takesWheel = qobject_cast<QComboBox *>(field) || qobject_cast<QAbstractSpinBox *>(field)
                || (qobject_cast<QAbstractSlider *>(field) && !qobject_cast<QScrollBar *>(field));
            if (!takesWheel || m_covered.contains(field))
                continue;
            m_covered.append(field);
            if (field->focusPolicy() == Qt::WheelFocus)
                field->setFocusPolicy(Qt::StrongFocus);
            field->installEventFilter(this);
        }
    }

    QScrollArea *m_area;
    QList<QPointer<QWidget>> m_covered;
};

// The size of a dialog that wants `wanted` inside `available`: where it is lower than it
// wants, its page scrolls, and it is as much wider as the page's scroll bar takes (where the
// display has that room), so that the page does not scroll sideways as well.
QSize fittedSize(const QSize &wanted, const QRect &available, const QScrollArea *page)
{
    QSize size = sizeWithin(wanted, available);
    if (page && !available.isEmpty() && size.height() < wanted.height())
        size.setWidth(std::min(wanted.width() + page->verticalScrollBar()->sizeHint().width(), available.width()));
    return size;
}

// What a window manager's frame takes around a dialog that has one: the manager's own figure
// once it has framed the window, in whole points rounded up (a border of one device pixel at
// scale 2 is half a point, which Qt's margins round either way, and Qt can read its margins
// mid-way through the framing); else Qt's; before the frame comes a typical title bar and
// border.
QMargins frameAround(QWidget *dialog)
{
    if (dialog->windowFlags() & (Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint))
        return {};
    if (const std::optional<QMargins> device = serverFrameExtents(dialog); device && !device->isNull()) {
        const qreal ratio = std::max<qreal>(dialog->devicePixelRatioF(), 1.0);
        const auto points = [ratio](int pixels) { return int(std::ceil(pixels / ratio - 1e-9)); };
        return {points(device->left()), points(device->top()), points(device->right()), points(device->bottom())};
    }
    const QRect frame = dialog->frameGeometry(), client = dialog->geometry();
    if (frame != client)
        return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                frame.bottom() - client.bottom()};
    constexpr int border = 4, titleBar = 32;
    return {border, titleBar, border, border};
}

// Keeps a dialog of a wanted size, with its frame, inside the display it is shown on: as it is
// shown, and once more when its frame turns out other than was allowed for (known only after
// the window manager has framed it).
class DisplayFit : public QObject
{
public:
    DisplayFit(QWidget *dialog, const QSize &wanted, QScrollArea *page)
        : QObject(dialog), m_dialog(dialog), m_wanted(wanted), m_page(page)
    {
        setObjectName(QStringLiteral("DisplayFit"));
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_dialog)
            return false;
        if (event->type() == QEvent::Show) {
            // The dialog places itself as it is shown (QDialog centres it over its parent
            // window, unless it was moved before): that comes first, and only then is it kept
            // on the display, still before it is mapped. Moved here first, it would keep the
            // place it was made at, the display's corner.
            static_cast<QObject *>(m_dialog)->event(event);
            fit();
            // The manager's frame comes with a move of the window, or soon after it is mapped
            // (late on a busy machine); where the server has the window is looked at too, as
            // Qt's record of it can lag.
            // A dialog the user has moved since is left where it was put.
            for (const int ms : {300, 1000, 2500})
                QTimer::singleShot(ms, this, [this] { refitForFrame(m_dialog->geometry().topLeft() == m_placed); });
            return true;
        } else if (event->type() == QEvent::Move) {
            // Not the place: a dialog the user drags partly off the display stays there.
            refitForFrame(false);
        }
        return false;
    }

private:
    void refitForFrame(bool checkPlace)
    {
        if (!m_dialog->isVisible())
            return;
        if (frameAround(m_dialog) != m_margins) {
            fit();
        } else if (checkPlace) {
            if (const std::optional<QPoint> onServer = windowPositionFromServer(m_dialog))
                fit(*onServer);
        }
    }

    // Sizes the dialog for the display it is on and keeps it, with its frame, inside the
    // available area; `client` is where its window is, if known better than Qt's record.
    void fit(std::optional<QPoint> client = std::nullopt)
    {
        const QScreen *screen = QGuiApplication::screenAt(m_dialog->frameGeometry().center());
        if (!screen)
            screen = m_dialog->screen();
        const QRect available = screen ? screen->availableGeometry() : QRect();
        m_margins = frameAround(m_dialog);
        const QSize size = fittedSize(m_wanted, available.marginsRemoved(m_margins), m_page);
        if (size != m_dialog->size())
            m_dialog->setFixedSize(size);
        const QPoint believed = m_dialog->geometry().topLeft();
        m_placed = believed;
        const QRect frame = QRect(client.value_or(believed), size).marginsAdded(m_margins);
        if (available.isEmpty() || available.contains(frame))
            return;
        const QPoint to(std::clamp(frame.x(), available.left(), available.right() + 1 - frame.width()),
                        std::clamp(frame.y(), available.top(), available.bottom() + 1 - frame.height()));
        const QPoint target = to + QPoint(m_margins.left(), m_margins.top());
        m_placed = target;
        if (target != believed) {
            // move() takes the frame's corner where Qt knows the frame, else the window's: by
            // the window's own distance, it puts the window at the target either way.
            m_dialog->move(m_dialog->pos() + target - believed);
        } else if (QWindow *window = m_dialog->windowHandle(); window && window->handle()) {
            // Qt has it there already while the server does not: Qt would not move it.
            window->handle()->setGeometry(
                DisplayGeometry::toDevice(DisplayGeometry::applicationDisplays(), QRect(target, size)));
        }
    }

    QWidget *m_dialog;
    QSize m_wanted;
    QPointer<QScrollArea> m_page;
    QMargins m_margins;
    QPoint m_placed; // where fit() last left the window (Qt's record of it)
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
                                       "{background:transparent;border:0;}"
                                       "QScrollArea#ScrollingBody::corner{background:transparent;}"));
    area->setWidget(body);
    // The scroll area fills the body with the palette's light grey: the dialog's own
    // background shows through instead.
    body->setAutoFillBackground(false);
    wheelScrollsPage(area);
    return area;
}

void wheelScrollsPage(QScrollArea *area)
{
    if (area && !area->findChild<QObject *>(QStringLiteral("WheelToPage"), Qt::FindDirectChildrenOnly))
        new WheelToPage(area);
}

void fitToDisplay(QWidget *dialog, const QSize &wanted, QWidget *page)
{
    if (!dialog)
        return;
    QScrollArea *area = nullptr;
    if (page && page->parentWidget() && page->parentWidget()->layout()) {
        QLayout *layout = page->parentWidget()->layout();
        auto *placeholder = new QWidget;
        // The page leaves its place in the layout to the scroll area that takes it in.
        delete layout->replaceWidget(page, placeholder, Qt::FindChildrenRecursively);
        area = scrollingBody(page);
        delete layout->replaceWidget(placeholder, area, Qt::FindChildrenRecursively);
        delete placeholder;
    }
    dialog->setFixedSize(fittedSize(wanted, availableAreaFor(dialog).marginsRemoved(frameAround(dialog)), area));
    // A dialog that takes another form (and size) fits that one from now on.
    delete dialog->findChild<QObject *>(QStringLiteral("DisplayFit"), Qt::FindDirectChildrenOnly);
    new DisplayFit(dialog, wanted, area);
}
