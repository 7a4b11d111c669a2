#pragma once
// Whether a click on each control of a window reaches that window. The X server is asked
// which window lies under the pointer at the control's centre, as a real click finds it:
// a window of the program over the control (a toolbar that stays on top, a dialog that
// opened below another) is named. Under a window manager the answer is the frame it put
// around the window, which takes the pointer over the whole window it frames.

#include "WindowFit.h"

#include "platform/mac/X11Connection.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

#include <cstdlib>

namespace pointerreach {

using textfit::Problem;

// The child of the root that holds `window`: the window itself, or its frame.
inline xcb_window_t topLevelOf(X11Connection &x, xcb_window_t window)
{
    for (int depth = 0; depth < 8 && window != XCB_NONE; ++depth) {
        xcb_query_tree_reply_t *up = xcb_query_tree_reply(x.get(), xcb_query_tree(x.get(), window), nullptr);
        const xcb_window_t parent = up ? up->parent : xcb_window_t(XCB_NONE);
        std::free(up);
        if (parent == XCB_NONE || parent == x.root())
            return parent == XCB_NONE ? xcb_window_t(XCB_NONE) : window;
        window = parent;
    }
    return XCB_NONE;
}

// The root's child under the pointer once it is at `point` (native pixels).
inline xcb_window_t windowAt(X11Connection &x, const QPoint &point)
{
    xcb_warp_pointer(x.get(), XCB_NONE, x.root(), 0, 0, 0, 0, int16_t(point.x()), int16_t(point.y()));
    xcb_query_pointer_reply_t *reply = xcb_query_pointer_reply(x.get(), xcb_query_pointer(x.get(), x.root()), nullptr);
    const xcb_window_t child = reply ? reply->child : xcb_window_t(XCB_NONE);
    std::free(reply);
    return child;
}

// What the window under the pointer is, for the report: one of ours by its title or class.
inline QString nameOf(X11Connection &x, xcb_window_t topLevel)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->internalWinId() && topLevelOf(x, xcb_window_t(w->internalWinId())) == topLevel)
            return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), w->windowTitle());
    }
    return topLevel == XCB_NONE ? QStringLiteral("no window") : QStringLiteral("window 0x%1").arg(topLevel, 0, 16);
}

// Each control's centre (a menu's entries) where the window's own rectangle shows it, in
// the window's coordinates.
struct Target
{
    QString widget;
    QString text;
    QPoint centre;
};

inline QList<Target> targetsOf(QWidget *window)
{
    QList<Target> targets;
    if (auto *menu = qobject_cast<QMenu *>(window)) {
        for (QAction *action : menu->actions())
            if (action->isVisible() && action->isEnabled() && !action->isSeparator())
                targets.append({QStringLiteral("QMenu entry"), textfit::shownText(action->text()),
                                menu->actionGeometry(action).center()});
        return targets;
    }
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != window || w->width() <= 0 || w->height() <= 0
            || !windowfit::isControl(w) || qobject_cast<QLabel *>(w))
            continue;
        const QPoint centre = w->mapTo(window, w->rect().center());
        // Scrolled out of view or cut off: the other checks answer for it.
        if (windowfit::visibleRect(w, window, false).contains(centre))
            targets.append({textfit::describe(w, window), textfit::shownText(w->property("text").toString()), centre});
    }
    return targets;
}

// Controls of `window` a click does not reach, each with the window it reaches instead.
// The pointer is back where it was afterwards.
inline QList<Problem> check(QWidget *window)
{
    QList<Problem> out;
    const std::unique_ptr<X11Connection> x = X11Connection::forGuiThread();
    if (!window || !window->isVisible() || !x->isValid())
        return out;
    const xcb_window_t id = xcb_window_t(window->winId());
    const qreal ratio = std::max<qreal>(window->devicePixelRatioF(), 1.0);
    // On screen, at the size Qt gave it: a busy machine's window manager maps and
    // places a window shown just now a little later.
    std::optional<QRect> origin;
    const auto settled = [&] {
        const std::optional<X11Connection::WindowAttributes> attributes = x->attributes(id);
        origin = x->rootGeometry(id);
        return attributes && attributes->viewable && origin
               && qAbs(origin->width() - window->width() * ratio) <= 2
               && qAbs(origin->height() - window->height() * ratio) <= 2;
    };
    if (!QTest::qWaitFor(settled, 10000)) {
        const std::optional<X11Connection::WindowAttributes> attributes = x->attributes(id);
        out.append({textfit::describe(window, window), window->windowTitle(),
                    QStringLiteral("not on screen at its size after 10 s (%1, %2x%3 px on the server, %4x%5 points here)")
                        .arg(attributes && attributes->viewable ? QStringLiteral("shown") : QStringLiteral("not shown"))
                        .arg(origin ? origin->width() : 0).arg(origin ? origin->height() : 0)
                        .arg(window->width()).arg(window->height())});
        return out;
    }
    const xcb_window_t own = topLevelOf(*x, id);
    if (own == XCB_NONE)
        return out;
    const QRect root(QPoint(0, 0), x->rootSize());

    xcb_query_pointer_reply_t *was = xcb_query_pointer_reply(x->get(), xcb_query_pointer(x->get(), x->root()), nullptr);
    for (const Target &target : targetsOf(window)) {
        const QPoint point =
            origin->topLeft() + QPoint(qRound(target.centre.x() * ratio), qRound(target.centre.y() * ratio));
        if (!root.contains(point))
            continue; // off the screen: the placement check answers for it
        const xcb_window_t under = windowAt(*x, point);
        if (under != own)
            out.append({target.widget, target.text,
                        QStringLiteral("a click at its centre (%1,%2 px) lands on %3, not on this window")
                            .arg(point.x()).arg(point.y()).arg(nameOf(*x, under))});
    }
    if (was)
        xcb_warp_pointer(x->get(), XCB_NONE, x->root(), 0, 0, 0, 0, was->root_x, was->root_y);
    std::free(was);
    x->flush();
    return out;
}

} // namespace pointerreach
