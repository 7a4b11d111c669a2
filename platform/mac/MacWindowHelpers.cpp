#include "platform/mac/MacWindowHelpers.h"

#include "platform/mac/X11Connection.h"
#include "platform/mac/X11FrameGrabber.h"
#include "platform/mac/X11WindowPixmap.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <qpa/qplatformwindow.h>
#include <QScreen>
#include <QThread>
#include <QThreadPool>

#include <cmath>

namespace {

int roundHalfAway(qreal value)
{
    return int(std::lround(value));
}

// Window types that a capture picker never offers (panels, menus, pop-ups...).
bool isNormalWindowType(X11Connection &connection, xcb_window_t window)
{
    const QList<quint32> types =
        connection.cardinalList(window, "_NET_WM_WINDOW_TYPE", XCB_ATOM_ATOM);
    if (types.isEmpty())
        return true;
    static const char *const excluded[] = {
        "_NET_WM_WINDOW_TYPE_DESKTOP",       "_NET_WM_WINDOW_TYPE_DOCK",
        "_NET_WM_WINDOW_TYPE_MENU",          "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU",
        "_NET_WM_WINDOW_TYPE_POPUP_MENU",    "_NET_WM_WINDOW_TYPE_TOOLTIP",
        "_NET_WM_WINDOW_TYPE_NOTIFICATION",  "_NET_WM_WINDOW_TYPE_COMBO",
        "_NET_WM_WINDOW_TYPE_DND",           "_NET_WM_WINDOW_TYPE_SPLASH",
    };
    for (const char *name : excluded) {
        if (types.first() == connection.atom(name))
            return false;
    }
    return true;
}

QString processName(qint32 pid)
{
    if (pid <= 0)
        return QString();
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

// The client window inside a frame: the descendant that carries WM_STATE.
xcb_window_t findClient(X11Connection &connection, xcb_window_t window, int depth)
{
    if (connection.property(window, connection.atom("WM_STATE")))
        return window;
    if (depth <= 0)
        return XCB_NONE;
    const auto kids = connection.children(window);
    if (!kids)
        return XCB_NONE;
    for (auto it = kids->crbegin(); it != kids->crend(); ++it) {
        if (const xcb_window_t client = findClient(connection, *it, depth - 1))
            return client;
    }
    return XCB_NONE;
}

// The windows a user would call top-level windows, front first.
QList<xcb_window_t> topLevelClients(X11Connection &connection)
{
    QList<xcb_window_t> clients;
    if (connection.hasLiveWindowManager()) {
        QList<quint32> list =
            connection.cardinalList(connection.root(), "_NET_CLIENT_LIST_STACKING", XCB_ATOM_WINDOW);
        if (list.isEmpty())
            list = connection.cardinalList(connection.root(), "_NET_CLIENT_LIST", XCB_ATOM_WINDOW);
        else
            std::reverse(list.begin(), list.end());
        for (quint32 id : list) {
            const auto attributes = connection.attributes(id);
            if (attributes && attributes->viewable)
                clients.append(id);
        }
        return clients;
    }
    const auto kids = connection.children(connection.root());
    if (!kids)
        return clients;
    for (auto it = kids->crbegin(); it != kids->crend(); ++it) {
        const auto attributes = connection.attributes(*it);
        if (!attributes || !attributes->viewable || attributes->overrideRedirect)
            continue;
        const xcb_window_t client = findClient(connection, *it, 3);
        clients.append(client != XCB_NONE ? client : *it);
    }
    return clients;
}

MacWindowCandidate describeWindow(X11Connection &connection, xcb_window_t window)
{
    MacWindowCandidate candidate;
    candidate.windowNumber = window;
    candidate.ownerPid = qint32(connection.cardinal(window, "_NET_WM_PID", XCB_ATOM_CARDINAL).value_or(0));
    candidate.title = connection.windowTitle(window);
    const QStringList windowClass = connection.windowClass(window);
    candidate.ownerName = windowClass.size() >= 2 ? windowClass.at(1)
                          : !windowClass.isEmpty() ? windowClass.first()
                                                   : processName(candidate.ownerPid);
    if (const auto bounds = connection.rootGeometry(window))
        candidate.bounds = QRectF(*bounds);
    candidate.normalType = isNormalWindowType(connection, window);
    if (const auto opacity = connection.cardinal(window, "_NET_WM_WINDOW_OPACITY", XCB_ATOM_CARDINAL))
        candidate.opacity = qreal(*opacity) / qreal(0xFFFFFFFFu);
    return candidate;
}

void deliverOnGuiThread(const std::function<void(QImage)> &callback, const QImage &image)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(app, [callback, image] { callback(image); }, Qt::QueuedConnection);
}

QImage previewOf(const QImage &picture)
{
    if (picture.isNull())
        return QImage();
    return picture.scaled(macWindowPreviewSize(picture.size()), Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation);
}

// Adds _NET_WM_STATE atoms: through the window manager for a mapped window, in the
// property for one the window manager will read when it is mapped.
void addWindowStates(X11Connection &connection, xcb_window_t window,
                     std::initializer_list<const char *> names)
{
    const xcb_atom_t netWmState = connection.atom("_NET_WM_STATE");
    const auto attributes = connection.attributes(window);
    if (attributes && attributes->viewable) {
        for (const char *name : names) {
            const quint32 data[5] = {1 /* add */, connection.atom(name), 0, 1, 0};
            connection.sendRootMessage(window, netWmState, data);
        }
        return;
    }
    QList<quint32> states = connection.cardinalList(window, "_NET_WM_STATE", XCB_ATOM_ATOM);
    for (const char *name : names) {
        const quint32 atom = connection.atom(name);
        if (!states.contains(atom))
            states.append(atom);
    }
    xcb_change_property(connection.get(), XCB_PROP_MODE_REPLACE, window, netWmState,
                        XCB_ATOM_ATOM, 32, uint32_t(states.size()), states.constData());
}

void raiseWindow(X11Connection &connection, xcb_window_t window)
{
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(connection.get(), window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
}

} // namespace

QList<MacWindowInfo> filterCapturableWindows(const QList<MacWindowCandidate> &candidates,
                                             qint32 ownPid)
{
    QList<MacWindowInfo> windows;
    for (const MacWindowCandidate &candidate : candidates) {
        if (!candidate.normalType || candidate.opacity <= 0.0 || candidate.ownerPid == ownPid)
            continue;
        if (!candidate.bounds.isValid() || candidate.bounds.width() < 200
            || candidate.bounds.height() < 120)
            continue;
        const QString title = candidate.title.trimmed();
        if (title.isEmpty())
            continue;
        MacWindowInfo info;
        info.windowNumber = candidate.windowNumber;
        info.ownerPid = candidate.ownerPid;
        info.title = title;
        info.ownerName = candidate.ownerName;
        info.bounds = QRect(roundHalfAway(candidate.bounds.left()), roundHalfAway(candidate.bounds.top()),
                            roundHalfAway(candidate.bounds.width()),
                            roundHalfAway(candidate.bounds.height()));
        windows.append(info);
    }
    return windows;
}

QSize macWindowPreviewSize(const QSize &windowSize)
{
    const double ratio = double(windowSize.height()) / double(qMax(windowSize.width(), 1));
    const int height = int(ratio * 640.0) & ~1;
    return QSize(640, qMax(2, height));
}

QList<MacWindowInfo> macCapturableWindows()
{
    X11Connection connection;
    if (!connection.isValid())
        return {};
    QList<MacWindowCandidate> candidates;
    for (xcb_window_t window : topLevelClients(connection))
        candidates.append(describeWindow(connection, window));
    return filterCapturableWindows(candidates, qint32(QCoreApplication::applicationPid()));
}

namespace {

// Takes the window's picture on a pool thread and calls `callback` with `finish` of it on
// the GUI thread (see captureMacWindowPreview).
void captureWindowPicture(quint64 windowNumber, QImage (*finish)(const QImage &),
                          std::function<void(QImage)> callback)
{
    if (!callback)
        return;
    QThreadPool::globalInstance()->start([windowNumber, finish, callback] {
        X11Connection connection;
        const xcb_window_t window = xcb_window_t(windowNumber);
        if (!connection.isValid() || windowNumber == 0 || windowNumber > 0xFFFFFFFFu
            || !connection.windowExists(window)) {
            deliverOnGuiThread(callback, QImage());
            return;
        }
        if (X11WindowPixmap::isSupported(connection)) {
            X11FrameGrabber grabber(connection.get());
            X11WindowPixmap source(connection, window);
            X11WindowPixmap::Status status = X11WindowPixmap::Status::Failed;
            QImage picture = source.grab(grabber, &status);
            if (status == X11WindowPixmap::Status::Frame && source.redirectedByLastGrab()) {
                // No compositor kept the window's pixels: give it a moment to repaint
                // what was covered, then take the picture again.
                QThread::msleep(150);
                picture = source.grab(grabber, &status);
            }
            if (status != X11WindowPixmap::Status::Failed) {
                deliverOnGuiThread(callback, finish(picture));
                return;
            }
        }
        // No XComposite, or it could not read the window: what the screen shows there.
        QCoreApplication *app = QCoreApplication::instance();
        if (!app)
            return;
        QMetaObject::invokeMethod(
            app,
            [window, finish, callback] {
                QScreen *screen = QGuiApplication::primaryScreen();
                QImage picture = screen ? screen->grabWindow(window).toImage() : QImage();
                if (!picture.isNull()) {
                    picture = picture.convertToFormat(QImage::Format_ARGB32);
                    X11FrameGrabber::forceOpaque(picture);
                }
                callback(finish(picture));
            },
            Qt::QueuedConnection);
    });
}

QImage wholePicture(const QImage &picture)
{
    return picture;
}

} // namespace

void captureMacWindowPreview(quint64 windowNumber, std::function<void(QImage)> callback)
{
    captureWindowPicture(windowNumber, &previewOf, std::move(callback));
}

void captureMacWindowPicture(quint64 windowNumber, std::function<void(QImage)> callback)
{
    captureWindowPicture(windowNumber, &wholePicture, std::move(callback));
}

bool keepMacRecordingToolbarVisible(WId window)
{
    const std::unique_ptr<X11Connection> connection = X11Connection::forGuiThread();
    const xcb_window_t id = xcb_window_t(window);
    if (!connection->isValid() || !connection->windowExists(id))
        return false;
    if (connection->hasLiveWindowManager()) {
        addWindowStates(*connection, id, {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_STICKY"});
        const quint32 allDesktops = 0xFFFFFFFFu;
        const auto attributes = connection->attributes(id);
        if (attributes && attributes->viewable) {
            const quint32 data[5] = {allDesktops, 1, 0, 0, 0};
            connection->sendRootMessage(id, connection->atom("_NET_WM_DESKTOP"), data);
        } else {
            xcb_change_property(connection->get(), XCB_PROP_MODE_REPLACE, id,
                                connection->atom("_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL, 32, 1,
                                &allDesktops);
        }
    } else {
        raiseWindow(*connection, id);
    }
    connection->flush();
    return true;
}

bool reassertMacWindowGeometry(QWindow *window)
{
    if (!window || !window->handle() || !window->isVisible())
        return false;
    const std::unique_ptr<X11Connection> connection = X11Connection::forGuiThread();
    const xcb_window_t id = xcb_window_t(window->winId());
    if (!connection->isValid())
        return false;
    const std::optional<X11Connection::WindowAttributes> attributes = connection->attributes(id);
    if (!attributes)
        return false;
    if (!attributes->viewable) {
        xcb_map_window(connection->get(), id);
        connection->flush();
        return true;
    }
    const QRect wanted = window->handle()->geometry(); // device pixels
    const std::optional<QRect> now = connection->rootGeometry(id);
    const auto near = [](int a, int b) { return qAbs(a - b) <= 1; };
    if (!now || wanted.isEmpty()
        || (near(now->x(), wanted.x()) && near(now->y(), wanted.y()) && near(now->width(), wanted.width())
            && near(now->height(), wanted.height())))
        return false;
    const uint32_t values[4] = {uint32_t(wanted.x()), uint32_t(wanted.y()), uint32_t(wanted.width()),
                                uint32_t(wanted.height())};
    xcb_configure_window(connection->get(), id,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH
                             | XCB_CONFIG_WINDOW_HEIGHT,
                         values);
    connection->flush();
    return true;
}

bool macWindowExists(quint64 windowNumber)
{
    const std::unique_ptr<X11Connection> connection = X11Connection::forGuiThread();
    return windowNumber != 0 && connection->isValid() && connection->windowExists(xcb_window_t(windowNumber));
}

bool excludeMacWindowFromLegacyCapture(WId window)
{
    Q_UNUSED(window);
    return false;
}

void configureMacAnnotationWindowLevels(WId layerWindow, WId toolbarWindow)
{
    const std::unique_ptr<X11Connection> connection = X11Connection::forGuiThread();
    const xcb_window_t layer = xcb_window_t(layerWindow);
    const xcb_window_t toolbar = xcb_window_t(toolbarWindow);
    if (!connection->isValid() || !connection->windowExists(layer)
        || !connection->windowExists(toolbar))
        return;
    if (connection->hasLiveWindowManager()) {
        addWindowStates(*connection, layer, {"_NET_WM_STATE_ABOVE"});
        addWindowStates(*connection, toolbar, {"_NET_WM_STATE_ABOVE"});
        const quint32 data[5] = {2, layer, XCB_STACK_MODE_ABOVE, 0, 0};
        connection->sendRootMessage(toolbar, connection->atom("_NET_RESTACK_WINDOW"), data);
    } else {
        raiseWindow(*connection, layer);
        raiseWindow(*connection, toolbar);
    }
    connection->flush();
}

void configureMacMediaLibraryWindow(WId window)
{
    const std::unique_ptr<X11Connection> connection = X11Connection::forGuiThread();
    const xcb_window_t id = xcb_window_t(window);
    if (!connection->isValid() || !connection->windowExists(id))
        return;
    // Motif hints: functions given (flag 1) as resize, move, maximise and close,
    // which leaves out minimise.
    const quint32 hints[5] = {1, 2 | 4 | 16 | 32, 0, 0, 0};
    const xcb_atom_t atom = connection->atom("_MOTIF_WM_HINTS");
    xcb_change_property(connection->get(), XCB_PROP_MODE_REPLACE, id, atom, atom, 32, 5, hints);
    connection->flush();
}
