#include "platform/mac/X11KeyGrab.h"

#include <QGuiApplication>
#include <QScreen>
#include <qpa/qplatformnativeinterface.h>

#include <xcb/xcb_keysyms.h>

#include <cstdlib>

namespace {

const quint32 kKeysymNumLock = 0xff7f;

quint16 numLockMask(xcb_connection_t *connection)
{
    const quint8 numLock = x11keygrab::keycodeForKeysym(connection, kKeysymNumLock);
    if (numLock == 0)
        return 0;
    xcb_get_modifier_mapping_reply_t *reply =
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
    if (!reply)
        return 0;
    quint16 mask = 0;
    const xcb_keycode_t *codes = xcb_get_modifier_mapping_keycodes(reply);
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8 && mask == 0; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            if (codes[modifier * perModifier + i] == numLock) {
                mask = quint16(1u << modifier);
                break;
            }
        }
    }
    std::free(reply);
    return mask;
}

} // namespace

namespace x11keygrab {

quint8 keycodeForKeysym(xcb_connection_t *connection, quint32 keysym)
{
    if (!connection || keysym == 0)
        return 0;
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(connection);
    if (!symbols)
        return 0;
    quint8 keycode = 0;
    if (xcb_keycode_t *codes = xcb_key_symbols_get_keycode(symbols, keysym)) {
        keycode = codes[0] == XCB_NO_SYMBOL ? 0 : codes[0];
        std::free(codes);
    }
    xcb_key_symbols_free(symbols);
    return keycode;
}

QVector<quint16> grab(xcb_connection_t *connection, xcb_window_t root, quint8 keycode, quint16 modifiers,
                      int *errorCode)
{
    *errorCode = 0;
    const quint16 numLock = numLockMask(connection);
    QVector<quint16> variants{modifiers, quint16(modifiers | XCB_MOD_MASK_LOCK)};
    if (numLock != 0)
        variants << quint16(modifiers | numLock) << quint16(modifiers | numLock | XCB_MOD_MASK_LOCK);

    // Not owner events: a press is always reported on the root window, also while one of
    // this program's own windows has the keyboard focus.
    QVector<xcb_void_cookie_t> cookies;
    for (quint16 mask : variants)
        cookies << xcb_grab_key_checked(connection, 0, root, mask, keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    QVector<quint16> grabbed;
    for (int i = 0; i < cookies.size(); ++i) {
        if (xcb_generic_error_t *error = xcb_request_check(connection, cookies.at(i))) {
            if (*errorCode == 0)
                *errorCode = error->error_code;
            std::free(error);
        } else {
            grabbed << variants.at(i);
        }
    }
    if (*errorCode != 0) {
        ungrab(connection, root, keycode, grabbed);
        grabbed.clear();
    }
    return grabbed;
}

void ungrab(xcb_connection_t *connection, xcb_window_t root, quint8 keycode, const QVector<quint16> &masks)
{
    if (!connection || !qGuiApp) // the connection ends with the application object
        return;
    for (quint16 mask : masks)
        xcb_ungrab_key(connection, keycode, root, mask);
    xcb_flush(connection);
}

const xcb_key_press_event_t *keyEvent(const QByteArray &eventType, void *message)
{
    if (eventType != "xcb_generic_event_t")
        return nullptr;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const quint8 type = event->response_type & 0x7f;
    return type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE ? reinterpret_cast<const xcb_key_press_event_t *>(event)
                                                            : nullptr;
}

xcb_connection_t *applicationConnection(xcb_window_t *root)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    *root = XCB_NONE;
    if (QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface())
        *root = xcb_window_t(
            reinterpret_cast<quintptr>(native->nativeResourceForScreen("rootwindow", QGuiApplication::primaryScreen())));
    if (*root == XCB_NONE)
        *root = xcb_setup_roots_iterator(xcb_get_setup(x11->connection())).data->root;
    return x11->connection();
}

} // namespace x11keygrab

RootKeyGrab::RootKeyGrab(quint32 keysym, QObject *parent)
    : QObject(parent)
{
    m_connection = x11keygrab::applicationConnection(&m_root);
    m_keycode = x11keygrab::keycodeForKeysym(m_connection, keysym);
    if (m_keycode == 0)
        return;
    int error = 0;
    m_masks = x11keygrab::grab(m_connection, m_root, m_keycode, 0, &error);
    if (m_masks.isEmpty())
        return;
    qGuiApp->installNativeEventFilter(this);
}

RootKeyGrab::~RootKeyGrab()
{
    if (m_masks.isEmpty())
        return;
    x11keygrab::ungrab(m_connection, m_root, m_keycode, m_masks);
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

bool RootKeyGrab::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    const xcb_key_press_event_t *key = x11keygrab::keyEvent(eventType, message);
    if (!key || key->event != m_root || key->detail != m_keycode)
        return false;
    // Reported on the root window, the plain key is this grab's (and its release too).
    const quint16 modifiers = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
    if ((key->response_type & 0x7f) == XCB_KEY_PRESS && (key->state & modifiers) == 0)
        emit pressed();
    return true;
}
