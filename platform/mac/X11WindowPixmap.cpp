#include "platform/mac/X11WindowPixmap.h"

#include "platform/mac/RecordingClock.h"
#include "platform/mac/X11Connection.h"
#include "platform/mac/X11FrameGrabber.h"

#include <xcb/composite.h>

#include <cstdlib>
#include <memory>

namespace {

struct Free
{
    void operator()(void *p) const { std::free(p); }
};

} // namespace

X11WindowPixmap::X11WindowPixmap(X11Connection &connection, xcb_window_t window)
    : m_connection(connection)
    , m_window(window)
{
}

X11WindowPixmap::~X11WindowPixmap()
{
    if (m_redirected) {
        xcb_composite_unredirect_window(m_connection.get(), m_window,
                                        XCB_COMPOSITE_REDIRECT_AUTOMATIC);
        m_connection.flush();
    }
}

bool X11WindowPixmap::isSupported(X11Connection &connection)
{
    if (!connection.isValid() || !connection.hasExtension(&xcb_composite_id))
        return false;
    std::unique_ptr<xcb_composite_query_version_reply_t, Free> version(
        xcb_composite_query_version_reply(
            connection.get(), xcb_composite_query_version(connection.get(), 0, 4), nullptr));
    return version && (version->major_version > 0 || version->minor_version >= 2);
}

QImage X11WindowPixmap::grab(X11FrameGrabber &grabber, Status *status, QString *error, qint64 *readUs)
{
    xcb_connection_t *c = m_connection.get();
    const auto attributes = m_connection.attributes(m_window);
    if (!attributes) {
        *status = Status::Gone;
        if (error)
            *error = QStringLiteral("The window no longer exists");
        return QImage();
    }
    if (!attributes->viewable) {
        *status = Status::NotViewable;
        return QImage();
    }
    std::unique_ptr<xcb_get_geometry_reply_t, Free> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, m_window), nullptr));
    if (!geometry) {
        *status = Status::Gone;
        if (error)
            *error = QStringLiteral("The window no longer exists");
        return QImage();
    }
    m_freshRedirect = false;
    if (!m_redirected) {
        std::unique_ptr<xcb_generic_error_t, Free> refused(xcb_request_check(
            c, xcb_composite_redirect_window_checked(c, m_window,
                                                     XCB_COMPOSITE_REDIRECT_AUTOMATIC)));
        m_redirected = !refused;
        m_freshRedirect = m_redirected;
    }
    // Named afresh for every picture: a resize or a new mapping gives the window
    // new storage, and an old name would keep showing the old picture.
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    std::unique_ptr<xcb_generic_error_t, Free> nameError(
        xcb_request_check(c, xcb_composite_name_window_pixmap_checked(c, m_window, pixmap)));
    if (nameError) {
        *status = m_connection.windowExists(m_window) ? Status::Failed : Status::Gone;
        if (error)
            *error = QStringLiteral("The window's picture cannot be read");
        return QImage();
    }
    const int border = geometry->border_width;
    if (readUs)
        *readUs = RecordingClock::wallUs();
    QImage image = grabber.grab(pixmap, QRect(border, border, geometry->width, geometry->height),
                                error);
    xcb_free_pixmap(c, pixmap);
    xcb_flush(c);
    *status = image.isNull() ? Status::Failed : Status::Frame;
    return image;
}
