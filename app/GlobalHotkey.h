#pragma once

#include <QAbstractNativeEventFilter>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QVector>

struct xcb_connection_t;

// The five system-wide keyboard shortcuts. On X11 each combination is a passive key grab
// on the root window, made on Qt's own connection, whose key events arrive through a
// native event filter; they work whichever application is in front. Where the platform
// is not X11 (offscreen, Wayland) nothing can be grabbed and every registration fails.
class GlobalHotkey : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    enum class Action : int {
        StartStop = 1,
        PauseResume = 2,
        Screenshot = 3,
        ToggleToolbar = 4,
        ToggleAnnotation = 5,
    };
    Q_ENUM(Action)

    explicit GlobalHotkey(QObject *parent = nullptr);
    ~GlobalHotkey() override;

    // Registers all five hot keys again from the settings hotkeys/0..4 and returns the
    // ones that failed, in action order (empty when all succeeded or were left empty).
    QStringList reloadFromSettings();

    // Registers one hot key: keyCodePlusOne is the X key code plus one (0 means no key),
    // modifiers an X modifier mask of Control, Shift, Mod1 and Mod4.
    bool registerHotkey(Action action, int keyCodePlusOne, int modifiers);
    void unregisterAll();

    // Whether key grabs can be made at all (an X11 connection was found).
    bool isAvailable() const { return m_connection != nullptr; }

    // The X keysym of a toolkit key (letters, digits, F1 to F20), 0 for any other key.
    static quint32 keysymForKey(int qtKey);
    // The X modifier mask of toolkit modifiers: Ctrl to Control, Shift to Shift, Alt to
    // Mod1, Meta to Mod4; other bits are dropped.
    static quint16 modifierMaskFor(Qt::KeyboardModifiers modifiers);
    // The settings default of an action ("Ctrl+Alt+R" for StartStop, ...).
    static QString defaultSequence(Action action);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    // The X server's time of the press that fired the latest hotkeyTriggered().
    quint32 lastTriggerTime() const { return m_triggerTime; }

signals:
    void hotkeyTriggered(int action);

private:
    struct Registration {
        quint8 keycode = 0;
        quint16 modifiers = 0;
        QVector<quint16> grabbedMasks; // every variant actually grabbed
        bool held = false;             // the key is down (auto-repeat fires nothing)
        quint32 releaseTime = 0;       // time of the last release, to spot auto-repeat pairs
    };

    quint8 keycodeForKeysym(quint32 keysym) const;
    void ungrab(const Registration &registration);

    xcb_connection_t *m_connection = nullptr;
    quint32 m_root = 0;
    QMap<Action, Registration> m_registered;
    quint32 m_triggerTime = 0;
};
