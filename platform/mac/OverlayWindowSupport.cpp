#include "platform/mac/OverlayWindowSupport.h"
#include "platform/mac/DisplayGeometry.h"

#include "platform/mac/X11Connection.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformwindow.h>

#include <xcb/xfixes.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// The index of the connection's screen among the server's screens.
int screenIndex(X11Connection &connection)
{
    int index = 0;
    for (xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
         it.rem; xcb_screen_next(&it), ++index) {
        if (it.data && it.data->root == connection.root())
            return index;
    }
    return 0;
}

bool hasXFixes(X11Connection &connection)
{
    // Asked once per connection: overlays reshape their input on every press.
    static xcb_connection_t *askedOn = nullptr;
    static bool answer = false;
    if (askedOn == connection.get())
        return answer;
    askedOn = connection.get();
    answer = false;
    if (!connection.hasExtension(&xcb_xfixes_id))
        return false;
    // Regions need XFixes 2; asking for the version also enables the extension on
    // a connection that has not used it yet.
    xcb_generic_error_t *error = nullptr;
    xcb_xfixes_query_version_reply_t *reply = xcb_xfixes_query_version_reply(
        connection.get(), xcb_xfixes_query_version(connection.get(), 5, 0), &error);
    answer = reply && reply->major_version >= 2;
    std::free(reply);
    std::free(error);
    return answer;
}

// Moves a window by the pointer's delta until the left button is released. Lives as
// an application-wide event filter so that it sees the moves whichever widget holds
// the implicit pointer grab.
class ManualWindowDrag : public QObject
{
public:
    ManualWindowDrag(QWidget *window, const QPoint &globalPress)
        : QObject(qApp)
        , m_window(window)
        , m_press(globalPress)
        , m_start(window->pos())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        Q_UNUSED(watched);
        if (!m_window) {
            finish();
            return false;
        }
        switch (event->type()) {
        case QEvent::MouseMove: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (!(mouse->buttons() & Qt::LeftButton)) {
                finish();
                break;
            }
            const QPoint target = m_start + (mouse->globalPosition().toPoint() - m_press);
            if (m_window->pos() != target)
                m_window->move(target);
            break;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                finish();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void finish()
    {
        qApp->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> m_window;
    QPoint m_press;
    QPoint m_start;
};

// Watches a top-level window's exposures and corrects Qt's idea of its position.
class PositionKeeper : public QObject
{
public:
    explicit PositionKeeper(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QString::fromLatin1(objectNameOfKind));
    }
    static constexpr const char *objectNameOfKind = "PositionKeeper";

    // Follows the window's current native window (changing the window flags makes a new one).
    void watch(QWindow *handle)
    {
        if (handle == m_handle)
            return;
        if (m_handle)
            m_handle->removeEventFilter(this);
        m_handle = handle;
        if (handle)
            handle->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window && m_window->windowHandle() == watched
            && m_window->windowHandle()->isExposed()) {
            m_cornerChecks = 0;
            ++m_exposure;
            QMetaObject::invokeMethod(this, &PositionKeeper::check, Qt::QueuedConnection);
        } else if (event->type() == QEvent::Hide || event->type() == QEvent::Move) {
            ++m_exposure; // a later look would read a place the window has left
        }
        return false;
    }

private:
    void check()
    {
        if (!m_window || !m_window->isVisible())
            return;
        const std::optional<QRect> server = serverWindowGeometry(m_window);
        QScreen *screen = m_window->screen();
        QWindow *handle = m_window->windowHandle();
        if (!server || !screen || !handle || !handle->handle())
            return;
        const QRect native = *server;
        const QPoint onScreen = DisplayGeometry::toLogical(DisplayGeometry::applicationDisplays(), native.topLeft());
        const QPoint corner = screen->geometry().topLeft();
        // The widget's own geometry: the native window's record in Qt can lag behind it (a
        // notice of an earlier geometry that arrived late).
        const QPoint believed = m_window->geometry().topLeft();
        const qreal ratio = std::max<qreal>(m_window->devicePixelRatioF(), 1.0);
        const QSize wanted = (QSizeF(m_window->size()) * ratio).toSize();
        const bool oldSize = qAbs(native.width() - wanted.width()) > 2 || qAbs(native.height() - wanted.height()) > 2;
        if (!oldSize && (onScreen - believed).manhattanLength() <= 1) {
            // On screen as the widget has it. Menus are placed and the pointer is read through
            // Qt's record of the native window: it is brought in step too.
            if (handle->handle()->geometry() != native)
                handle->handle()->setGeometry(native);
            return;
        }
        // A window shown again can be exposed before the window manager has put it where it
        // asked to be: the server has it at the screen's corner for a moment, or where and as
        // large as it was before it was hidden. Taking that place would move the window back
        // there; it is looked at again a little later.
        if ((onScreen == corner || oldSize) && m_cornerChecks < kCornerChecks) {
            // openbox that unmanages a hidden window after it was given a new geometry can give
            // it the old one back when it manages it again: the widget's geometry is asked for
            // again.
            if (oldSize && m_cornerChecks >= kChecksBeforeAskingAgain)
                handle->handle()->setGeometry(QRect(
                    DisplayGeometry::toDevice(DisplayGeometry::applicationDisplays(), QPointF(believed)), wanted));
            ++m_cornerChecks;
            QTimer::singleShot(50, this, [this, exposure = m_exposure] {
                if (exposure == m_exposure)
                    check();
            });
            return;
        }
        if (oldSize)
            return; // the window manager keeps to another size: its place is no answer either
        qInfo() << "[Window] Position of" << m_window->metaObject()->className() << "taken from the server:"
                << onScreen << "not" << believed;
        m_window->move(m_window->pos() + (onScreen - believed));
    }

    static constexpr int kCornerChecks = 10;
    static constexpr int kChecksBeforeAskingAgain = 3;
    QPointer<QWidget> m_window;
    QPointer<QWindow> m_handle;
    int m_cornerChecks = 0;
    int m_exposure = 0;
};

} // namespace

bool hasCompositingManager()
{
    if (!onX11())
        return false;
    const std::unique_ptr<X11Connection> connection = X11Connection::forGuiThread();
    if (!connection->isValid())
        return false;
    // The selection's atom does not change while the connection lives.
    static xcb_connection_t *internedOn = nullptr;
    static xcb_atom_t selection = XCB_ATOM_NONE;
    if (internedOn != connection->get()) {
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screenIndex(*connection));
        selection = connection->atom(name.constData());
        internedOn = connection->get();
    }
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_generic_error_t *error = nullptr;
    xcb_get_selection_owner_reply_t *reply = xcb_get_selection_owner_reply(
        connection->get(), xcb_get_selection_owner(connection->get(), selection), &error);
    const bool owned = reply && reply->owner != XCB_NONE;
    std::free(reply);
    std::free(error);
    return owned;
}

bool setWindowInputRegion(QWidget *widget, const QRegion &region)
{
    if (!widget || !onX11())
        return false;
    QWidget *window = widget->window();
    const WId id = window->winId(); // creates the native window when needed
    if (!id)
        return false;
    const std::unique_ptr<X11Connection> connection = X11Connection::forGuiThread();
    if (!connection->isValid() || !hasXFixes(*connection))
        return false;

    // From the widget's logical coordinates to the window's device pixels, rounding
    // outwards so that no hit area shrinks.
    const QPoint offset = widget == window ? QPoint() : widget->mapTo(window, QPoint());
    const qreal dpr = window->devicePixelRatioF();
    std::vector<xcb_rectangle_t> rectangles;
    for (const QRect &rect : region.translated(offset)) {
        const int left = int(std::floor(rect.left() * dpr));
        const int top = int(std::floor(rect.top() * dpr));
        const int right = int(std::ceil((rect.right() + 1) * dpr));
        const int bottom = int(std::ceil((rect.bottom() + 1) * dpr));
        rectangles.push_back({int16_t(qBound(-32768, left, 32767)),
                              int16_t(qBound(-32768, top, 32767)),
                              uint16_t(qBound(0, right - left, 65535)),
                              uint16_t(qBound(0, bottom - top, 65535))});
    }
    xcb_connection_t *c = connection->get();
    const xcb_xfixes_region_t shape = xcb_generate_id(c);
    xcb_xfixes_create_region(c, shape, uint32_t(rectangles.size()), rectangles.data());
    // 2 is ShapeInput of the SHAPE extension.
    const xcb_void_cookie_t cookie =
        xcb_xfixes_set_window_shape_region_checked(c, xcb_window_t(id), 2, 0, 0, shape);
    xcb_generic_error_t *error = xcb_request_check(c, cookie);
    xcb_xfixes_destroy_region(c, shape);
    connection->flush();
    const bool ok = error == nullptr;
    std::free(error);
    return ok;
}

std::optional<QRect> serverWindowGeometry(QWidget *widget)
{
    if (!widget || !onX11())
        return std::nullopt;
    QWidget *window = widget->window();
    if (!window->windowHandle())
        return std::nullopt;
    const std::unique_ptr<X11Connection> connection = X11Connection::forGuiThread();
    if (!connection->isValid())
        return std::nullopt;
    return connection->rootGeometry(xcb_window_t(window->winId()));
}

std::optional<QMargins> serverFrameExtents(QWidget *widget)
{
    if (!widget || !onX11() || !widget->window()->windowHandle())
        return std::nullopt;
    const std::unique_ptr<X11Connection> connection = X11Connection::forGuiThread();
    if (!connection->isValid())
        return std::nullopt;
    // left, right, top, bottom
    const QList<quint32> extents =
        connection->cardinalList(xcb_window_t(widget->window()->winId()), "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
    if (extents.size() < 4)
        return std::nullopt;
    return QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
}

std::optional<QPoint> windowPositionFromServer(QWidget *widget)
{
    const std::optional<QRect> native = serverWindowGeometry(widget);
    if (!native)
        return std::nullopt;
    return DisplayGeometry::toLogical(DisplayGeometry::applicationDisplays(), native->topLeft());
}

QPoint deviceWindowOrigin(QWidget *widget)
{
    QWidget *window = widget->window();
    // A hidden widget given a new geometry keeps it to itself until it shows.
    QWindow *handle = window->windowHandle();
    if (handle && handle->handle() && handle->geometry() == window->geometry())
        return handle->handle()->geometry().topLeft();
    return DisplayGeometry::toDevice(DisplayGeometry::applicationDisplays(), QPointF(window->pos()));
}

QPoint devicePointerPosition()
{
    if (onX11()) {
        if (const std::optional<QPoint> at = X11Connection::forGuiThread()->pointer())
            return *at;
    }
    return DisplayGeometry::toDevice(DisplayGeometry::applicationDisplays(), QPointF(QCursor::pos()));
}

QPoint refinedPointer(const QPoint &coarse, qreal ratio)
{
    if (ratio <= 1.0 || !onX11())
        return coarse;
    const QPoint fine = devicePointerPosition();
    const QPoint d = fine - coarse;
    return std::abs(d.x()) < ratio && std::abs(d.y()) < ratio ? fine : coarse;
}

void setDeviceGeometry(QWidget *window, const QRect &device)
{
    window = window->window();
    const QList<DisplayGeometry::Display> displays = DisplayGeometry::applicationDisplays();
    const QList<QScreen *> screens = QGuiApplication::screens();
    window->winId(); // the native window, whose place is read back below
    QWindow *handle = window->windowHandle();
    const int first = DisplayGeometry::displayAtDevice(displays, device.center());
    if (first < 0 || !handle || !handle->handle()) {
        window->setGeometry(device);
        return;
    }
    // Qt places a window through one display's coordinates, continued beyond its edges
    // (which display depends on where the window is and goes): each display's version of
    // `device` is tried, the one holding its middle first, until the native window lands
    // there. A size that does not divide by the ratio is rounded up, so the window covers
    // at least `device`.
    QList<int> order{first};
    for (int i = 0; i < displays.size(); ++i)
        if (i != first)
            order << i;
    for (const int i : order) {
        const QRectF logical = DisplayGeometry::inDisplay(displays.at(i), device);
        const QPoint topLeft(int(std::floor(logical.left() + 1e-6)), int(std::floor(logical.top() + 1e-6)));
        const QPoint bottomRight(int(std::ceil(logical.right() - 1e-6)), int(std::ceil(logical.bottom() - 1e-6)));
        const QRect rect(topLeft, bottomRight - QPoint(1, 1));
        if (QScreen *screen = screens.value(i))
            handle->setScreen(screen);
        // The native window moves at once, shown or not; the widget keeps the same record.
        handle->setGeometry(rect);
        const QRect placed = handle->handle()->geometry();
        if ((placed.topLeft() - device.topLeft()).manhattanLength() <= 2 || i == order.last()) {
            window->setGeometry(rect);
            return;
        }
    }
}

void keepPositionInStep(QWidget *widget)
{
    if (!widget || !onX11())
        return;
    QWidget *window = widget->window();
    window->winId(); // creates the native window and its handle
    // (The keeper has no meta-object of its own: it is found by its name.)
    auto *keeper = static_cast<PositionKeeper *>(
        window->findChild<QObject *>(QString::fromLatin1(PositionKeeper::objectNameOfKind), Qt::FindDirectChildrenOnly));
    if (!keeper)
        keeper = new PositionKeeper(window);
    keeper->watch(window->windowHandle());
}

void keepAboveWindow(QWidget *window, QWidget *below)
{
    if (!window || !onX11())
        return;
    window = window->window();
    const xcb_window_t id = xcb_window_t(window->winId());
    const std::unique_ptr<X11Connection> connection = X11Connection::forGuiThread();
    if (!id || !connection->isValid())
        return;
    // The value Qt gave the window is kept on the widget, to be put back.
    static const char *const kept = "_vistrelle_transient_for";
    const xcb_atom_t transientFor = XCB_ATOM_WM_TRANSIENT_FOR;
    if (!window->property(kept).isValid()) {
        const std::optional<QByteArray> value = connection->property(id, transientFor, XCB_ATOM_WINDOW);
        window->setProperty(kept, value && value->size() == 4 ? *reinterpret_cast<const quint32 *>(value->constData())
                                                               : quint32(XCB_NONE));
    }
    quint32 target = window->property(kept).toUInt();
    if (below)
        target = quint32(below->window()->winId());
    if (target != XCB_NONE)
        xcb_change_property(connection->get(), XCB_PROP_MODE_REPLACE, id, transientFor, XCB_ATOM_WINDOW, 32, 1,
                            &target);
    else
        xcb_delete_property(connection->get(), id, transientFor);
    connection->flush();
}

bool startWindowMove(QWidget *window, const QPoint &globalPress)
{
    if (!window)
        return false;
    window = window->window();
    window->winId();
    QWindow *handle = window->windowHandle();
    if (!handle)
        return false;
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton))
        return false;
    if (handle->startSystemMove())
        return true;
    // No window manager to ask: follow the pointer ourselves.
    new ManualWindowDrag(window, globalPress);
    return true;
}

bool followPointer(QWidget *window, const QPoint &globalPress)
{
    if (!window || !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        return false;
    new ManualWindowDrag(window->window(), globalPress);
    return true;
}
