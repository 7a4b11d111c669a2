#include "app/GlobalHotkey.h"

#include "platform/mac/X11KeyGrab.h"

#include <QDebug>
#include <QGuiApplication>
#include <QKeySequence>
#include <QSettings>

#include <xcb/xcb.h>

namespace {

const quint32 kKeysymF1 = 0xffbe;
// The modifiers a hot key can use; every other state bit (CapsLock, NumLock, mouse
// buttons) is ignored when a press is matched.
const quint16 kHotkeyModifiers =
    XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

} // namespace

GlobalHotkey::GlobalHotkey(QObject *parent)
    : QObject(parent)
{
    xcb_window_t root = XCB_NONE;
    m_connection = x11keygrab::applicationConnection(&root);
    if (m_connection) {
        m_root = root;
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
    return x11keygrab::keycodeForKeysym(m_connection, keysym);
}

void GlobalHotkey::ungrab(const Registration &registration)
{
    x11keygrab::ungrab(m_connection, m_root, registration.keycode, registration.grabbedMasks);
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

    int errorCode = 0;
    registration.grabbedMasks = x11keygrab::grab(m_connection, m_root, registration.keycode, registration.modifiers,
                                                 &errorCode);
    if (errorCode != 0) {
        // Another client holds the combination (BadAccess).
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
    const xcb_key_press_event_t *key = m_registered.isEmpty() ? nullptr : x11keygrab::keyEvent(eventType, message);
    if (!key)
        return false;
    if ((key->response_type & 0x7f) == XCB_KEY_RELEASE) {
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
