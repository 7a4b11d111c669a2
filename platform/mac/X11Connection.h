#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

#include <xcb/xcb.h>

// One private connection to the X server, owned by whoever made it (a capture
// thread, a window-list query). Keeps its own atom cache and offers the few checked
// requests the capture layer needs; a window that vanishes gives an empty result,
// never an X error that ends the process.
class X11Connection
{
public:
    explicit X11Connection(const QByteArray &displayName = QByteArray());
    // The application's own connection when Qt runs on xcb (not owned; use on the GUI
    // thread only), else a private one. Windows Qt has just created are known to
    // the server through Qt's connection before they are through any other.
    static std::unique_ptr<X11Connection> forGuiThread();
    ~X11Connection();
    X11Connection(const X11Connection &) = delete;
    X11Connection &operator=(const X11Connection &) = delete;

    bool isValid() const { return m_connection != nullptr; }
    QString errorString() const { return m_error; }
    xcb_connection_t *get() const { return m_connection; }
    xcb_screen_t *screen() const { return m_screen; }
    xcb_window_t root() const { return m_screen ? m_screen->root : XCB_NONE; }
    QSize rootSize() const;

    xcb_atom_t atom(const char *name);

    // Raw property value (format 8 or 32 data), nullopt when the window is gone or
    // the property is absent.
    std::optional<QByteArray> property(xcb_window_t window, xcb_atom_t property,
                                       xcb_atom_t type = XCB_ATOM_ANY);
    QList<quint32> cardinalList(xcb_window_t window, const char *name, xcb_atom_t type);
    std::optional<quint32> cardinal(xcb_window_t window, const char *name, xcb_atom_t type);
    // _NET_WM_NAME (UTF-8), else WM_NAME (Latin-1 or UTF-8).
    QString windowTitle(xcb_window_t window);
    // WM_CLASS: instance and class names.
    QStringList windowClass(xcb_window_t window);

    struct WindowAttributes
    {
        bool viewable = false;
        bool overrideRedirect = false;
        xcb_visualid_t visual = 0;
    };
    std::optional<WindowAttributes> attributes(xcb_window_t window);
    // The window's rectangle in root coordinates (without its border).
    std::optional<QRect> rootGeometry(xcb_window_t window);
    // The pointer's place on the root window.
    std::optional<QPoint> pointer();
    std::optional<QList<xcb_window_t>> children(xcb_window_t window);
    bool windowExists(xcb_window_t window);

    // The window manager, when one runs: _NET_SUPPORTING_WM_CHECK on the root names
    // a window that exists and carries the same property pointing at itself.
    bool hasLiveWindowManager();

    // Sends a _NET_WM_STATE-style client message to the root window.
    void sendRootMessage(xcb_window_t window, xcb_atom_t type, const quint32 (&data)[5]);

    bool hasExtension(xcb_extension_t *extension) const;
    void flush();

private:
    struct Borrowed {};
    X11Connection(xcb_connection_t *connection, Borrowed);

    xcb_connection_t *m_connection = nullptr;
    bool m_owned = true;
    xcb_screen_t *m_screen = nullptr;
    QString m_error;
    QHash<QByteArray, xcb_atom_t> m_atoms;
};
