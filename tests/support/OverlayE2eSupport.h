#pragma once
// Shared by the overlay end-to-end tests: X stacking order, screen colours and the
// window manager.
#include "XdotoolDriver.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// The child of the root that holds `window`: the window itself, or the frame a window
// manager put around it.
inline xcb_window_t topLevelOf(WId window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return XCB_NONE;
    xcb_connection_t *c = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_window_t topLevel = xcb_window_t(window);
    for (int depth = 0; depth < 8 && topLevel != XCB_NONE; ++depth) {
        xcb_query_tree_reply_t *up = xcb_query_tree_reply(c, xcb_query_tree(c, topLevel), nullptr);
        const xcb_window_t parent = up ? up->parent : xcb_window_t(XCB_NONE);
        std::free(up);
        if (parent == XCB_NONE)
            return XCB_NONE;
        if (parent == root)
            break;
        topLevel = parent;
    }
    return topLevel;
}

// Position of `window` among the root's children, bottom first; -1 when absent. A
// window framed by the window manager counts at its frame's place.
inline int stackingIndex(WId window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return -1;
    xcb_connection_t *c = x11->connection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t topLevel = topLevelOf(window);
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(c, xcb_query_tree(c, screen->root), nullptr);
    if (!tree)
        return -1;
    const xcb_window_t *children = xcb_query_tree_children(tree);
    int index = -1;
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        if (children[i] == topLevel)
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

// The test's own X connection and root window.
inline xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

inline xcb_window_t rootWindow()
{
    return xcb_setup_roots_iterator(xcb_get_setup(x11Connection())).data->root;
}

inline xcb_atom_t x11Atom(const char *name)
{
    xcb_connection_t *c = x11Connection();
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The 32-bit values of a property (windows, cardinals); empty when it is absent.
inline QList<quint32> x11Property(xcb_window_t window, const char *name)
{
    xcb_connection_t *c = x11Connection();
    QList<quint32> values;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, x11Atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 4096), nullptr);
    if (reply && reply->format == 32) {
        const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
            values.append(data[i]);
    }
    std::free(reply);
    return values;
}

inline bool windowExists(xcb_window_t window)
{
    xcb_connection_t *c = x11Connection();
    xcb_get_window_attributes_reply_t *reply =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
    const bool exists = reply != nullptr;
    std::free(reply);
    return exists;
}

// A window manager runs when the root's _NET_SUPPORTING_WM_CHECK names a live window
// (one that exited leaves the property behind).
inline bool windowManagerRunning()
{
    const QList<quint32> check = x11Property(rootWindow(), "_NET_SUPPORTING_WM_CHECK");
    return !check.isEmpty() && check.first() != 0 && windowExists(check.first());
}

// The test desktop's window manager, or else an openbox of the test's own for as long
// as this object lives.
class WindowManager
{
public:
    bool ensure()
    {
        if (windowManagerRunning())
            return true;
        m_openbox.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!m_openbox.waitForStarted(5000))
            return false;
        return QTest::qWaitFor([] { return windowManagerRunning(); }, 10000);
    }
    ~WindowManager()
    {
        if (m_openbox.state() == QProcess::NotRunning)
            return;
        m_openbox.terminate();
        if (!m_openbox.waitForFinished(3000))
            m_openbox.kill();
        m_openbox.waitForFinished(2000);
    }

private:
    QProcess m_openbox;
};

// What the window manager sees of one of our windows: whether it was reparented into
// a frame, is override-redirect, and is listed among the managed windows.
struct ManagedState {
    bool framed = false;
    bool overrideRedirect = false;
    bool listed = false;
};

inline ManagedState managedState(WId id)
{
    xcb_connection_t *c = x11Connection();
    ManagedState state;
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(c, xcb_query_tree(c, xcb_window_t(id)), nullptr);
    state.framed = tree && tree->parent != rootWindow();
    std::free(tree);
    xcb_get_window_attributes_reply_t *attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, xcb_window_t(id)), nullptr);
    state.overrideRedirect = attributes && attributes->override_redirect;
    std::free(attributes);
    state.listed = x11Property(rootWindow(), "_NET_CLIENT_LIST").contains(quint32(id));
    return state;
}

// The window xdotool names under the pointer (a client window, or the frame a window
// manager put around one); 0 when it names none.
inline quint64 windowUnderPointer()
{
    QProcess xdo;
    xdo.start(QStringLiteral("xdotool"), {QStringLiteral("getmouselocation"), QStringLiteral("--shell")});
    if (!QTest::qWaitFor([&] { return xdo.state() == QProcess::NotRunning; }, 10000))
        return 0;
    for (const QByteArray &line : xdo.readAllStandardOutput().split('\n')) {
        if (line.startsWith("WINDOW="))
            return line.mid(7).trimmed().toULongLong();
    }
    return 0;
}

// Whether the pointer is over `window` (or over its frame) and over nothing above it.
inline bool pointerIsOn(const QWidget *window)
{
    const quint64 under = windowUnderPointer();
    const bool on = under != 0 && topLevelOf(WId(under)) == topLevelOf(window->winId());
    if (!on)
        qWarning("the pointer is on window 0x%llx (in 0x%x), not on 0x%llx (in 0x%x)", under,
                 topLevelOf(WId(under)), quint64(window->winId()), topLevelOf(window->winId()));
    return on;
}

// The frames of a recording, four a second, as PNG files in `folder` (made when absent),
// in order; empty when ffmpeg fails.
inline QStringList framesOf(const QString &file, const QString &folder, const QString &ffmpeg)
{
    QDir().mkpath(folder);
    QProcess process;
    process.start(ffmpeg, {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), file,
                           QStringLiteral("-vf"), QStringLiteral("fps=4"), folder + QStringLiteral("/f_%03d.png")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QStringList paths;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("f_*.png")}, QDir::Files, QDir::Name))
        paths.append(QDir(folder).filePath(name));
    return paths;
}

// The annotation pen's default red.
inline bool isRed(QRgb p)
{
    return qRed(p) > 150 && qGreen(p) < 130 && qBlue(p) < 130 && qRed(p) - qGreen(p) > 80;
}

// Share of the points along the polyline `path` that are red in `frame`.
inline double redShareAlong(const QImage &frame, const QList<QPointF> &path)
{
    int samples = 0, red = 0;
    for (qsizetype i = 0; i + 1 < path.size(); ++i) {
        for (int k = 1; k < 10; ++k) {
            const QPoint p = (path.at(i) + (path.at(i + 1) - path.at(i)) * (k / 10.0)).toPoint();
            ++samples;
            red += frame.rect().contains(p) && isRed(frame.pixel(p));
        }
    }
    return samples ? double(red) / samples : 0;
}

inline bool near(QRgb a, QColor b, int tolerance = 24)
{
    return qAbs(qRed(a) - b.red()) <= tolerance && qAbs(qGreen(a) - b.green()) <= tolerance
        && qAbs(qBlue(a) - b.blue()) <= tolerance;
}

} // namespace
