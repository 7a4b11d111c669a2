#pragma once
// Where the X server has a window, read on a connection of the test's own and turned into
// Qt's coordinates here, so that a test measures positions without the program's own
// reading of them. Qt's idea of a window that a window manager has just placed can lag.
#include <QGuiApplication>
#include <QPoint>
#include <QScreen>
#include <QWidget>

#include <cstdlib>
#include <optional>

#include <xcb/xcb.h>

// The top left corner of X window `window` on its root window, in device pixels.
inline std::optional<QPoint> rootCornerOnServer(quintptr window)
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    std::optional<QPoint> corner;
    if (!xcb_connection_has_error(c)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const xcb_translate_coordinates_cookie_t cookie =
            xcb_translate_coordinates(c, xcb_window_t(window), root, 0, 0);
        if (xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(c, cookie, nullptr)) {
            corner = QPoint(reply->dst_x, reply->dst_y);
            std::free(reply);
        }
    }
    xcb_disconnect(c);
    return corner;
}

// The position of the window of `widget` as the X server has it, in Qt's coordinates: a
// display's device pixels start at its logical corner and run its pixel ratio times as far.
inline std::optional<QPoint> windowPositionOnServer(const QWidget *widget)
{
    if (!widget || QGuiApplication::platformName() != QLatin1String("xcb") || !widget->window()->windowHandle())
        return std::nullopt;
    const std::optional<QPoint> native = rootCornerOnServer(widget->window()->winId());
    if (!native)
        return std::nullopt;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect logical = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        if (QRect(logical.topLeft(), logical.size() * ratio).contains(*native))
            return logical.topLeft() + (QPointF(*native - logical.topLeft()) / ratio).toPoint();
    }
    return native;
}

// A widget's centre on the screen, from where the X server has its window. Under the window
// manager Qt has been seen to keep (0, 0) as the position of a dialog that the window manager
// placed elsewhere, so positions from mapToGlobal would miss it.
inline QPoint centreOnScreen(QWidget *widget)
{
    const QPoint window = rootCornerOnServer(widget->window()->winId()).value_or(QPoint());
    return window + widget->mapTo(widget->window(), widget->rect().center());
}

// The window manager's frame round the window of `widget` (title bar and borders) as the X
// server has it, in Qt's coordinates; nothing while the window is not inside a frame. Qt's
// own frameGeometry() can miss the frame: a dialog that the window manager frames without
// moving it keeps the frame margins Qt read before the frame came (none).
inline std::optional<QRect> frameOnServer(const QWidget *widget)
{
    if (!widget || QGuiApplication::platformName() != QLatin1String("xcb") || !widget->window()->windowHandle())
        return std::nullopt;
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    std::optional<QRect> frame;
    if (!xcb_connection_has_error(c)) {
        // Up from the window to the child of the root that holds it.
        xcb_window_t window = xcb_window_t(widget->window()->winId()), holder = window, root = XCB_NONE;
        for (int depth = 0; depth < 8; ++depth) {
            xcb_query_tree_reply_t *tree = xcb_query_tree_reply(c, xcb_query_tree(c, holder), nullptr);
            if (!tree)
                break;
            root = tree->root;
            const xcb_window_t parent = tree->parent;
            std::free(tree);
            if (parent == root || parent == XCB_NONE)
                break;
            holder = parent;
        }
        xcb_get_geometry_reply_t *g = holder != window && root != XCB_NONE
            ? xcb_get_geometry_reply(c, xcb_get_geometry(c, holder), nullptr)
            : nullptr;
        if (g) {
            const QRect native(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width);
            std::free(g);
            frame = native;
            for (const QScreen *screen : QGuiApplication::screens()) {
                const QRect logical = screen->geometry();
                const qreal ratio = screen->devicePixelRatio();
                if (QRect(logical.topLeft(), logical.size() * ratio).contains(native.center())) {
                    frame = QRect(logical.topLeft() + (QPointF(native.topLeft() - logical.topLeft()) / ratio).toPoint(),
                                  (QSizeF(native.size()) / ratio).toSize());
                    break;
                }
            }
        }
    }
    xcb_disconnect(c);
    return frame;
}
