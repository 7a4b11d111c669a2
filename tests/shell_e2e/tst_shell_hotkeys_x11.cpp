// Hot keys on a real X server (the private test desktop): key presses made with xdotool
// reach the right action once, whatever the lock keys and however long the key is held;
// a combination another client holds fails and leaves nothing grabbed behind.

#include "app/GlobalHotkey.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

namespace {

bool xdotool(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

// Counts the raw key presses of one key code that reach the root window, to show that
// the X server really repeats a held key.
class PressCounter : public QAbstractNativeEventFilter
{
public:
    quint8 keycode = 0;
    int presses = 0;
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type == "xcb_generic_event_t") {
            auto *event = static_cast<xcb_generic_event_t *>(message);
            if ((event->response_type & 0x7f) == XCB_KEY_PRESS
                && reinterpret_cast<xcb_key_press_event_t *>(event)->detail == keycode)
                ++presses;
        }
        return false;
    }
};

// Another X client, with its own connection.
class OtherClient
{
public:
    OtherClient()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    }
    ~OtherClient() { xcb_disconnect(m_connection); }
    quint8 keycode(quint32 keysym)
    {
        xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(m_connection);
        xcb_keycode_t *codes = xcb_key_symbols_get_keycode(symbols, keysym);
        const quint8 code = codes ? codes[0] : 0;
        std::free(codes);
        xcb_key_symbols_free(symbols);
        return code;
    }
    bool grab(quint8 keycode, quint16 modifiers)
    {
        xcb_generic_error_t *error = xcb_request_check(
            m_connection, xcb_grab_key_checked(m_connection, 1, m_root, modifiers, keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return error == nullptr;
    }
    void ungrab(quint8 keycode, quint16 modifiers)
    {
        xcb_ungrab_key(m_connection, keycode, m_root, modifiers);
        xcb_flush(m_connection);
    }

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
};

// Presses a lock key and presses it again when the scope ends, also when a check fails,
// so that the next tests start with the locks off.
class LockKey
{
public:
    explicit LockKey(const QString &name) : m_name(name) { m_on = xdotool({QStringLiteral("key"), m_name}); }
    ~LockKey() { release(); }
    void release()
    {
        if (m_on)
            xdotool({QStringLiteral("key"), m_name});
        m_on = false;
    }

private:
    QString m_name;
    bool m_on = false;
};

const quint16 kCtrlAlt = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;

} // namespace

class TestGlobalHotkeyX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QSettings().remove(QStringLiteral("hotkeys")); }
    void firesOncePerPress();
    void firesWithLockKeysOn();
    void functionKeysAndDigits();
    void firesWhileOwnWindowHasFocus();
    void heldKeyFiresOnce();
    void releaseInsideAKeyboardGrab();
    void combinationHeldElsewhereFails();
    void duplicateIsReportedForTheSecond();
    void unregisteredKeysAreReleased();
};

void TestGlobalHotkeyX11::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY2(xdotool({QStringLiteral("version")}), "xdotool is missing");
}

void TestGlobalHotkeyX11::firesOncePerPress()
{
    GlobalHotkey hotkeys;
    QVERIFY(hotkeys.isAvailable());
    QCOMPARE(hotkeys.reloadFromSettings(), QStringList());
    QSignalSpy spy(&hotkeys, &GlobalHotkey::hotkeyTriggered);

    QVERIFY(xdotool({"key", "ctrl+alt+s"}));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), int(GlobalHotkey::Action::Screenshot));

    QVERIFY(xdotool({"key", "ctrl+alt+r"}));
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), int(GlobalHotkey::Action::StartStop));

    // Other modifiers than the registered ones do not fire.
    QVERIFY(xdotool({"key", "ctrl+shift+alt+s", "ctrl+s", "s"}));
    QTest::qWait(300);
    QCOMPARE(spy.count(), 2);
}

void TestGlobalHotkeyX11::firesWithLockKeysOn()
{
    GlobalHotkey hotkeys;
    QCOMPARE(hotkeys.reloadFromSettings(), QStringList());
    QSignalSpy spy(&hotkeys, &GlobalHotkey::hotkeyTriggered);

    LockKey numLock(QStringLiteral("Num_Lock"));
    QVERIFY(xdotool({"key", "ctrl+alt+s"}));
    QTRY_COMPARE(spy.count(), 1);
    LockKey capsLock(QStringLiteral("Caps_Lock"));
    QVERIFY(xdotool({"key", "ctrl+alt+d"}));
    QTRY_COMPARE(spy.count(), 2);
    numLock.release();
    QVERIFY(xdotool({"key", "ctrl+alt+t"}));
    QTRY_COMPARE(spy.count(), 3);

    QCOMPARE(spy.at(0).at(0).toInt(), int(GlobalHotkey::Action::Screenshot));
    QCOMPARE(spy.at(1).at(0).toInt(), int(GlobalHotkey::Action::ToggleToolbar));
    QCOMPARE(spy.at(2).at(0).toInt(), int(GlobalHotkey::Action::ToggleAnnotation));
}

void TestGlobalHotkeyX11::functionKeysAndDigits()
{
    QSettings settings;
    settings.setValue(QStringLiteral("hotkeys/3"), QStringLiteral("Ctrl+Shift+F12"));
    settings.setValue(QStringLiteral("hotkeys/4"), QStringLiteral("Shift+7"));
    settings.setValue(QStringLiteral("hotkeys/0"), QStringLiteral("F5"));
    GlobalHotkey hotkeys;
    QCOMPARE(hotkeys.reloadFromSettings(), QStringList());
    QSignalSpy spy(&hotkeys, &GlobalHotkey::hotkeyTriggered);

    QVERIFY(xdotool({"key", "ctrl+shift+F12"}));
    QTRY_COMPARE(spy.count(), 1);
    QVERIFY(xdotool({"key", "shift+7"}));
    QTRY_COMPARE(spy.count(), 2);
    QVERIFY(xdotool({"key", "F5"}));
    QTRY_COMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0).at(0).toInt(), int(GlobalHotkey::Action::ToggleToolbar));
    QCOMPARE(spy.at(1).at(0).toInt(), int(GlobalHotkey::Action::ToggleAnnotation));
    QCOMPARE(spy.at(2).at(0).toInt(), int(GlobalHotkey::Action::StartStop));
}

void TestGlobalHotkeyX11::firesWhileOwnWindowHasFocus()
{
    GlobalHotkey hotkeys;
    QCOMPARE(hotkeys.reloadFromSettings(), QStringList());
    QSignalSpy spy(&hotkeys, &GlobalHotkey::hotkeyTriggered);
    QLineEdit window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QVERIFY(xdotool({"key", "ctrl+alt+d"}));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), int(GlobalHotkey::Action::ToggleToolbar));
    QVERIFY(xdotool({"key", "x"})); // other keys still reach the window
    QTRY_COMPARE(window.text(), QStringLiteral("x"));
}

void TestGlobalHotkeyX11::heldKeyFiresOnce()
{
    GlobalHotkey hotkeys;
    QCOMPARE(hotkeys.reloadFromSettings(), QStringList());
    QSignalSpy spy(&hotkeys, &GlobalHotkey::hotkeyTriggered);
    PressCounter counter;
    counter.keycode = OtherClient().keycode('s');
    qApp->installNativeEventFilter(&counter);

    QVERIFY(xdotool({"keydown", "ctrl+alt+s"}));
    QTest::qWait(1500);
    QVERIFY(xdotool({"keyup", "ctrl+alt+s"}));
    QTest::qWait(300);
    qApp->removeNativeEventFilter(&counter);

    QVERIFY2(counter.presses > 1, "the X server did not repeat the held key");
    QCOMPARE(spy.count(), 1);

    // After the release a new press fires again.
    QVERIFY(xdotool({"key", "ctrl+alt+s"}));
    QTRY_COMPARE(spy.count(), 2);
}

// The action of a hot key may open a menu, which grabs the keyboard: the key's release
// then goes to the menu's window, not to the root, and must not swallow the next press.
void TestGlobalHotkeyX11::releaseInsideAKeyboardGrab()
{
    GlobalHotkey hotkeys;
    QCOMPARE(hotkeys.reloadFromSettings(), QStringList());
    QSignalSpy spy(&hotkeys, &GlobalHotkey::hotkeyTriggered);
    QMenu menu;
    menu.addAction(QStringLiteral("Entry"));
    connect(&hotkeys, &GlobalHotkey::hotkeyTriggered, &menu, [&menu] { menu.popup(QPoint(200, 200)); });

    QVERIFY(xdotool({"keydown", "ctrl+alt+s"}));
    QTRY_COMPARE(spy.count(), 1);
    QTRY_VERIFY(menu.isVisible());
    QTest::qWait(200); // the menu holds the keyboard now
    QVERIFY(xdotool({"keyup", "ctrl+alt+s"}));
    QTest::qWait(200);
    menu.hide();
    QTest::qWait(200);
    QVERIFY(xdotool({"key", "ctrl+alt+s"}));
    QTRY_COMPARE(spy.count(), 2);
    menu.hide();
}

void TestGlobalHotkeyX11::combinationHeldElsewhereFails()
{
    OtherClient other;
    const quint8 p = other.keycode('p');
    QVERIFY(p != 0);
    QVERIFY(other.grab(p, kCtrlAlt));

    GlobalHotkey hotkeys;
    QCOMPARE(hotkeys.reloadFromSettings(), QStringList{QStringLiteral("Ctrl+Alt+P")});

    // The variants with CapsLock that did succeed were given back: the other client can
    // take them now.
    other.ungrab(p, kCtrlAlt);
    QVERIFY(other.grab(p, kCtrlAlt | XCB_MOD_MASK_LOCK));
    other.ungrab(p, kCtrlAlt | XCB_MOD_MASK_LOCK);

    // The others still work.
    QSignalSpy spy(&hotkeys, &GlobalHotkey::hotkeyTriggered);
    QVERIFY(xdotool({"key", "ctrl+alt+r"}));
    QTRY_COMPARE(spy.count(), 1);
}

void TestGlobalHotkeyX11::duplicateIsReportedForTheSecond()
{
    QSettings().setValue(QStringLiteral("hotkeys/1"), QStringLiteral("Ctrl+Alt+S"));
    GlobalHotkey hotkeys;
    QCOMPARE(hotkeys.reloadFromSettings(), QStringList{QStringLiteral("Ctrl+Alt+S")});
    QSignalSpy spy(&hotkeys, &GlobalHotkey::hotkeyTriggered);
    QVERIFY(xdotool({"key", "ctrl+alt+s"}));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), int(GlobalHotkey::Action::PauseResume));
}

void TestGlobalHotkeyX11::unregisteredKeysAreReleased()
{
    OtherClient other;
    const quint8 r = other.keycode('r');
    {
        GlobalHotkey hotkeys;
        QCOMPARE(hotkeys.reloadFromSettings(), QStringList());
        QVERIFY(!other.grab(r, kCtrlAlt));
        hotkeys.unregisterAll();
        QVERIFY(other.grab(r, kCtrlAlt));
        other.ungrab(r, kCtrlAlt);
        QCOMPARE(hotkeys.reloadFromSettings(), QStringList());
    }
    // The destructor gives every grab back, with all lock variants.
    QVERIFY(other.grab(r, kCtrlAlt | XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2));
    other.ungrab(r, kCtrlAlt | XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2);
}

int main(int argc, char **argv)
{
    // The test rewrites the hotkeys/ settings: keep them away from the user's own.
    QTemporaryDir settingsHome;
    if (!settingsHome.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsHome.path()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    TestGlobalHotkeyX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell_hotkeys_x11.moc"
