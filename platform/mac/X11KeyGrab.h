#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QVector>

#include <xcb/xcb.h>

// Passive grabs of keys on the root window, on Qt's own X connection: a press of a grabbed
// key is reported to this program on the root window, whichever window has the keyboard
// focus. The functions serve the global hot keys; RootKeyGrab holds one plain key for as
// long as it lives.
namespace x11keygrab {

// The key code that produces `keysym` on this keyboard, 0 for none.
quint8 keycodeForKeysym(xcb_connection_t *connection, quint32 keysym);
// Grabs `keycode` with `modifiers` in every state of CapsLock and NumLock, so that it fires
// whatever those locks are. Returns the modifier masks grabbed; when another client holds the
// key (BadAccess) nothing stays grabbed and `errorCode` gets the X error code.
QVector<quint16> grab(xcb_connection_t *connection, xcb_window_t root, quint8 keycode, quint16 modifiers,
                      int *errorCode);
void ungrab(xcb_connection_t *connection, xcb_window_t root, quint8 keycode, const QVector<quint16> &masks);
// The key press or release (the two share one layout) that a native event filter was given;
// null for any other event.
const xcb_key_press_event_t *keyEvent(const QByteArray &eventType, void *message);
// The application's X connection and its primary screen's root window; null where the
// platform is not X11.
xcb_connection_t *applicationConnection(xcb_window_t *root);

} // namespace x11keygrab

class RootKeyGrab : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // Grabs the key of `keysym` without modifiers; nothing where the platform is not X11 or
    // another client holds the key.
    explicit RootKeyGrab(quint32 keysym, QObject *parent = nullptr);
    ~RootKeyGrab() override;

    bool isGrabbed() const { return !m_masks.isEmpty(); }
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void pressed();

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
    quint8 m_keycode = 0;
    QVector<quint16> m_masks;
};
