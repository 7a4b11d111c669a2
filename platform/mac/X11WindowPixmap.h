#pragma once

#include <QImage>
#include <QString>

#include <xcb/xcb.h>

class X11Connection;
class X11FrameGrabber;

// Reads one window's own pixels through XComposite, so that windows covering it do
// not show. Redirects the window (automatic mode, so it still shows on screen) for
// as long as this object lives, unless the window already was.
class X11WindowPixmap
{
public:
    X11WindowPixmap(X11Connection &connection, xcb_window_t window);
    ~X11WindowPixmap();
    X11WindowPixmap(const X11WindowPixmap &) = delete;
    X11WindowPixmap &operator=(const X11WindowPixmap &) = delete;

    // Composite 0.2 or later (named window pixmaps) on this connection.
    static bool isSupported(X11Connection &connection);

    enum class Status { Frame, NotViewable, Gone, Failed };
    // The window's current picture without its border. NotViewable (unmapped or
    // minimised) and Failed give a null image; Gone means the window was destroyed.
    // `readUs` gets the moment (RecordingClock::wallUs()) the server was asked for the
    // pixels, after the questions about the window that come first.
    QImage grab(X11FrameGrabber &grabber, Status *status, QString *error = nullptr, qint64 *readUs = nullptr);
    // Whether the last grab was the first after this object redirected the window:
    // parts that were covered until then hold no picture until the window repaints.
    bool redirectedByLastGrab() const { return m_freshRedirect; }

private:
    X11Connection &m_connection;
    xcb_window_t m_window;
    bool m_redirected = false;
    bool m_freshRedirect = false;
};
