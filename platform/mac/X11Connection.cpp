#include "platform/mac/X11Connection.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdlib>
#include <memory>
#include <cstring>

namespace {

template<typename T>
struct FreeDeleter
{
    void operator()(T *p) const { std::free(p); }
};

template<typename T>
using Reply = std::unique_ptr<T, FreeDeleter<T>>;

} // namespace

X11Connection::X11Connection(const QByteArray &displayName)
{
    int screenNumber = 0;
    xcb_connection_t *connection =
        xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), &screenNumber);
    if (!connection || xcb_connection_has_error(connection)) {
        if (connection)
            xcb_disconnect(connection);
        const QByteArray shown = displayName.isEmpty() ? qgetenv("DISPLAY") : displayName;
        m_error = shown.isEmpty() ? QStringLiteral("No X11 display is set")
                                  : QStringLiteral("Cannot connect to the X11 display %1")
                                        .arg(QString::fromLocal8Bit(shown));
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; it.rem && i < screenNumber; ++i)
        xcb_screen_next(&it);
    if (!it.rem || !it.data) {
        xcb_disconnect(connection);
        m_error = QStringLiteral("The X11 display has no screen");
        return;
    }
    m_connection = connection;
    m_screen = it.data;
}

X11Connection::X11Connection(xcb_connection_t *connection, Borrowed)
    : m_connection(connection)
    , m_owned(false)
{
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    m_screen = it.rem ? it.data : nullptr;
    if (!m_screen) {
        m_connection = nullptr;
        m_error = QStringLiteral("The X11 display has no screen");
    }
}

std::unique_ptr<X11Connection> X11Connection::forGuiThread()
{
    if (auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (xcb_connection_t *connection = x11->connection())
            return std::unique_ptr<X11Connection>(new X11Connection(connection, Borrowed{}));
    }
    return std::make_unique<X11Connection>();
}

X11Connection::~X11Connection()
{
    if (m_connection && m_owned)
        xcb_disconnect(m_connection);
}

QSize X11Connection::rootSize() const
{
    return m_screen ? QSize(m_screen->width_in_pixels, m_screen->height_in_pixels) : QSize();
}

xcb_atom_t X11Connection::atom(const char *name)
{
    const QByteArray key(name);
    auto found = m_atoms.constFind(key);
    if (found != m_atoms.constEnd())
        return *found;
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, uint16_t(key.size()), key.constData()),
        nullptr));
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    m_atoms.insert(key, value);
    return value;
}

std::optional<QByteArray> X11Connection::property(xcb_window_t window, xcb_atom_t property,
                                                  xcb_atom_t type)
{
    if (property == XCB_ATOM_NONE)
        return std::nullopt;
    xcb_generic_error_t *error = nullptr;
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, property, type, 0, 1 << 20),
        &error));
    std::free(error);
    if (!reply || reply->type == XCB_ATOM_NONE)
        return std::nullopt;
    const int length = xcb_get_property_value_length(reply.get());
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())), length);
}

QList<quint32> X11Connection::cardinalList(xcb_window_t window, const char *name, xcb_atom_t type)
{
    QList<quint32> values;
    const auto data = property(window, atom(name), type);
    if (!data)
        return values;
    const int count = int(data->size() / 4);
    values.resize(count);
    std::memcpy(values.data(), data->constData(), size_t(count) * 4);
    return values;
}

std::optional<quint32> X11Connection::cardinal(xcb_window_t window, const char *name,
                                               xcb_atom_t type)
{
    const QList<quint32> values = cardinalList(window, name, type);
    if (values.isEmpty())
        return std::nullopt;
    return values.first();
}

QString X11Connection::windowTitle(xcb_window_t window)
{
    if (const auto name = property(window, atom("_NET_WM_NAME"), atom("UTF8_STRING")))
        return QString::fromUtf8(*name);
    if (const auto name = property(window, XCB_ATOM_WM_NAME)) {
        // WM_NAME is Latin-1 by the book but many clients put UTF-8 there.
        const QString utf8 = QString::fromUtf8(*name);
        return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(*name) : utf8;
    }
    return QString();
}

QStringList X11Connection::windowClass(xcb_window_t window)
{
    const auto data = property(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
    if (!data)
        return {};
    QStringList parts;
    for (const QByteArray &part : data->split('\0')) {
        if (!part.isEmpty())
            parts.append(QString::fromLocal8Bit(part));
    }
    return parts;
}

std::optional<X11Connection::WindowAttributes> X11Connection::attributes(xcb_window_t window)
{
    xcb_generic_error_t *error = nullptr;
    Reply<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, window), &error));
    std::free(error);
    if (!reply)
        return std::nullopt;
    WindowAttributes attrs;
    attrs.viewable = reply->map_state == XCB_MAP_STATE_VIEWABLE;
    attrs.overrideRedirect = reply->override_redirect != 0;
    attrs.visual = reply->visual;
    return attrs;
}

std::optional<QPoint> X11Connection::pointer()
{
    if (!m_connection || !m_screen)
        return std::nullopt;
    xcb_generic_error_t *error = nullptr;
    Reply<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(m_connection, xcb_query_pointer(m_connection, root()), &error));
    std::free(error);
    if (!reply)
        return std::nullopt;
    return QPoint(reply->root_x, reply->root_y);
}

std::optional<QRect> X11Connection::rootGeometry(xcb_window_t window)
{
    xcb_generic_error_t *error = nullptr;
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), &error));
    std::free(error);
    if (!geometry)
        return std::nullopt;
    Reply<xcb_translate_coordinates_reply_t> translated(xcb_translate_coordinates_reply(
        m_connection, xcb_translate_coordinates(m_connection, window, root(), 0, 0), &error));
    std::free(error);
    if (!translated)
        return std::nullopt;
    return QRect(translated->dst_x, translated->dst_y, geometry->width, geometry->height);
}

std::optional<QList<xcb_window_t>> X11Connection::children(xcb_window_t window)
{
    xcb_generic_error_t *error = nullptr;
    Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), &error));
    std::free(error);
    if (!tree)
        return std::nullopt;
    const xcb_window_t *ids = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    return QList<xcb_window_t>(ids, ids + count);
}

bool X11Connection::windowExists(xcb_window_t window)
{
    return window != XCB_NONE && attributes(window).has_value();
}

bool X11Connection::hasLiveWindowManager()
{
    const auto check = cardinal(root(), "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW);
    if (!check || *check == XCB_NONE)
        return false;
    // A window manager that has exited leaves the root property behind; its check
    // window is gone then, or no longer points at itself.
    const auto self = cardinal(*check, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW);
    return self && *self == *check;
}

void X11Connection::sendRootMessage(xcb_window_t window, xcb_atom_t type, const quint32 (&data)[5])
{
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    for (int i = 0; i < 5; ++i)
        event.data.data32[i] = data[i];
    xcb_send_event(m_connection, 0, root(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
}

bool X11Connection::hasExtension(xcb_extension_t *extension) const
{
    const xcb_query_extension_reply_t *data = xcb_get_extension_data(m_connection, extension);
    return data && data->present;
}

void X11Connection::flush()
{
    xcb_flush(m_connection);
}
