#include "app/GlobalHotkey.h"

#include <QDebug>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QSettings>
#include <qpa/qplatformnativeinterface.h>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

namespace {

const quint32 kKeysymF1 = 0xffbe;
const quint32 kKeysymNumLock = 0xff7f;
// The modifiers a hot key can use; every other state bit (CapsLock, NumLock, mouse
// buttons) is ignored when a press is matched.
const quint16 kHotkeyModifiers =
    XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

} // namespace

GlobalHotkey::GlobalHotkey(QObject *parent)
    : QObject(parent)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection()) {
        m_connection = x11->connection();
        if (QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface()) {
            m_root = quint32(reinterpret_cast<quintptr>(
                native->nativeResourceForScreen("rootwindow", QGuiApplication::primaryScreen())));
        }
        if (m_root == 0) {
            const xcb_setup_t *setup = xcb_get_setup(m_connection);
            m_root = xcb_setup_roots_iterator(setup).data->root;
        }
        qGuiApp->installNativeEventFilter(this);
    } else {
        qWarning() << "[Hotkey] Could not install X11 hotkey handler: the platform"
                   << QGuiApplication::platformName() << "has no X11 connection";
    }
}

GlobalHotkey::~GlobalHotkey()
{
    unregisterAll();
    if (m_connection && qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

QString GlobalHotkey::defaultSequence(Action action)
{
    switch (action) {
    case Action::StartStop:
        return QStringLiteral("Ctrl+Alt+R");
    case Action::PauseResume:
        return QStringLiteral("Ctrl+Alt+P");
    case Action::Screenshot:
        return QStringLiteral("Ctrl+Alt+S");
    case Action::ToggleToolbar:
        return QStringLiteral("Ctrl+Alt+D");
    case Action::ToggleAnnotation:
        return QStringLiteral("Ctrl+Alt+T");
    }
    return QString();
}

quint32 GlobalHotkey::keysymForKey(int qtKey)
{
    // Qt's codes for letters and digits are their upper-case ASCII codes; X keysyms of
    // letters are the lower-case ones.
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return quint32('a' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return quint32('0' + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F20)
        return kKeysymF1 + quint32(qtKey - Qt::Key_F1);
    return 0;
}

quint16 GlobalHotkey::modifierMaskFor(Qt::KeyboardModifiers modifiers)
{
    quint16 mask = 0;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

quint8 GlobalHotkey::keycodeForKeysym(quint32 keysym) const
{
    if (!m_connection || keysym == 0)
        return 0;
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(m_connection);
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

quint16 GlobalHotkey::numLockMask() const
{
    const quint8 numLock = keycodeForKeysym(kKeysymNumLock);
    if (numLock == 0)
        return 0;
    xcb_get_modifier_mapping_reply_t *reply = xcb_get_modifier_mapping_reply(
        m_connection, xcb_get_modifier_mapping(m_connection), nullptr);
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

void GlobalHotkey::ungrab(const Registration &registration)
{
    if (!m_connection || !qGuiApp) // the connection ends with the application object
        return;
    for (quint16 mask : registration.grabbedMasks)
        xcb_ungrab_key(m_connection, registration.keycode, m_root, mask);
    xcb_flush(m_connection);
}

void GlobalHotkey::unregisterAll()
{
    for (const Registration &registration : std::as_const(m_registered))
        ungrab(registration);
    m_registered.clear();
}

bool GlobalHotkey::registerHotkey(Action action, int keyCodePlusOne, int modifiers)
{
    if (keyCodePlusOne < 1)
        return false;
    if (!m_connection)
        return false;
    if (m_registered.contains(action))
        ungrab(m_registered.take(action));

    Registration registration;
    registration.keycode = quint8(keyCodePlusOne - 1);
    registration.modifiers = quint16(modifiers) & kHotkeyModifiers;

    // The X server does not refuse a client that grabs the same combination twice, so a
    // combination already held for another action is refused here.
    for (auto it = m_registered.cbegin(); it != m_registered.cend(); ++it) {
        if (it->keycode == registration.keycode && it->modifiers == registration.modifiers) {
            qWarning() << "[Hotkey] X11 key grab failed" << int(action) << "key"
                       << registration.keycode << "already used by action" << int(it.key());
            return false;
        }
    }

    // Grab the combination with every state of CapsLock and NumLock, so that it fires
    // whatever those locks are.
    const quint16 numLock = numLockMask();
    QVector<quint16> variants{registration.modifiers,
                              quint16(registration.modifiers | XCB_MOD_MASK_LOCK)};
    if (numLock != 0) {
        variants << quint16(registration.modifiers | numLock)
                 << quint16(registration.modifiers | numLock | XCB_MOD_MASK_LOCK);
    }

    // Not owner events: a press is always reported on the root window, also while one of
    // this program's own windows has the keyboard focus.
    QVector<xcb_void_cookie_t> cookies;
    for (quint16 mask : variants) {
        cookies << xcb_grab_key_checked(m_connection, 0, m_root, mask, registration.keycode,
                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    int errorCode = 0;
    for (int i = 0; i < cookies.size(); ++i) {
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookies.at(i))) {
            if (errorCode == 0)
                errorCode = error->error_code;
            std::free(error);
        } else {
            registration.grabbedMasks << variants.at(i);
        }
    }

    if (errorCode != 0) {
        // Another client holds the combination (BadAccess): undo what was grabbed.
        ungrab(registration);
        qWarning() << "[Hotkey] X11 key grab failed" << int(action) << "error" << errorCode;
        return false;
    }

    m_registered.insert(action, registration);
    qInfo() << "[Hotkey] registered on X11" << int(action) << "key" << registration.keycode;
    return true;
}

QStringList GlobalHotkey::reloadFromSettings()
{
    unregisterAll();
    QStringList failures;
    QSettings settings;
    for (Action action : {Action::StartStop, Action::PauseResume, Action::Screenshot, Action::ToggleToolbar,
                          Action::ToggleAnnotation}) {
        const QString text =
            settings.value(QStringLiteral("hotkeys/%1").arg(int(action) - 1), defaultSequence(action)).toString();
        const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
        if (sequence.isEmpty())
            continue;

        // Only the first combination of the sequence counts.
        const QKeyCombination combination = sequence[0];
        const QString shown = sequence.toString(QKeySequence::NativeText);
        const quint32 keysym = keysymForKey(combination.key());
        if (keysym == 0) {
            failures << tr("%1（不支持的按键）").arg(shown);
            continue;
        }
        const quint8 keycode = keycodeForKeysym(keysym);
        if (m_connection && keycode == 0)
            qWarning() << "[Hotkey] No key on this keyboard produces" << shown;
        const int modifiers = modifierMaskFor(combination.keyboardModifiers());
        if (!registerHotkey(action, keycode + (keycode ? 1 : 0), modifiers))
            failures << shown;
    }
    return failures;
}

bool GlobalHotkey::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (m_registered.isEmpty() || eventType != "xcb_generic_event_t")
        return false;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    const quint8 type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;

    // Key press and release events share one layout.
    auto *key = reinterpret_cast<xcb_key_press_event_t *>(event);
    if (type == XCB_KEY_RELEASE) {
        // A release ends the hold wherever it went: while one of our own windows (a
        // menu the action opened) grabs the keyboard it is reported to that window,
        // not to the root, and the next press must fire again. (No other client can
        // take the keyboard while the key is down: the passive grab holds it for us.)
        for (Registration &registration : m_registered) {
            if (registration.keycode == key->detail) {
                registration.held = false;
                registration.releaseTime = key->time;
            }
        }
        return false;
    }
    if (key->event != m_root)
        return false;

    for (auto it = m_registered.begin(); it != m_registered.end(); ++it) {
        Registration &registration = it.value();
        if (registration.keycode != key->detail)
            continue;
        if ((key->state & kHotkeyModifiers) != registration.modifiers)
            continue;
        // A held key repeats: either as further presses, or (without detectable
        // auto-repeat) as release and press pairs carrying the same time.
        const bool repeat = registration.held
            || (registration.releaseTime != 0 && registration.releaseTime == key->time);
        registration.held = true;
        if (!repeat) {
            m_triggerTime = key->time;
            emit hotkeyTriggered(int(it.key()));
        }
        return true;
    }
    return false;
}
