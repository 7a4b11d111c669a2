#pragma once
// Shared by the overlay end-to-end tests: X stacking order and screen colours.
#include "../prep_e2e/XdotoolDriver.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// Position of `window` among the root's children, bottom first; -1 when absent.
inline int stackingIndex(WId window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return -1;
    xcb_connection_t *c = x11->connection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(c, xcb_query_tree(c, screen->root), nullptr);
    if (!tree)
        return -1;
    const xcb_window_t *children = xcb_query_tree_children(tree);
    int index = -1;
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        if (children[i] == window)
            index = i;
    }
    std::free(tree);
    return index;
}

// Native pixel of a global logical point (one screen at the origin).
inline QPoint nativePoint(const QPointF &logical)
{
    return (logical * qGuiApp->devicePixelRatio()).toPoint();
}

inline bool clickAt(const QPointF &logical)
{
    return click(nativePoint(logical));
}

// The whole screen as X holds it, in native pixels.
inline QImage rootGrab()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

inline bool near(QRgb a, QColor b, int tolerance = 24)
{
    return qAbs(qRed(a) - b.red()) <= tolerance && qAbs(qGreen(a) - b.green()) <= tolerance
        && qAbs(qBlue(a) - b.blue()) <= tolerance;
}

} // namespace
