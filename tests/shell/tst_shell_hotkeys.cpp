// Hot keys without an X server: key and modifier translation, the settings read by
// reloadFromSettings(), and the failure list when nothing can be grabbed (offscreen).

#include "app/GlobalHotkey.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <xcb/xproto.h>

class TestGlobalHotkeyUnit : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("hotkeys")); }
    void translatesSupportedKeys_data();
    void translatesSupportedKeys();
    void translatesModifiers();
    void reportsEveryHotkeyWithoutX11();
    void readsSettingsInPortableText();
    void refusesMissingKeyCode();
};

void TestGlobalHotkeyUnit::translatesSupportedKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<quint32>("keysym");
    QTest::newRow("A") << int(Qt::Key_A) << quint32(0x61);
    QTest::newRow("R") << int(Qt::Key_R) << quint32(0x72);
    QTest::newRow("Z") << int(Qt::Key_Z) << quint32(0x7a);
    QTest::newRow("0") << int(Qt::Key_0) << quint32(0x30);
    QTest::newRow("9") << int(Qt::Key_9) << quint32(0x39);
    QTest::newRow("F1") << int(Qt::Key_F1) << quint32(0xffbe);
    QTest::newRow("F13") << int(Qt::Key_F13) << quint32(0xffca);
    QTest::newRow("F20") << int(Qt::Key_F20) << quint32(0xffd1);
    QTest::newRow("F21") << int(Qt::Key_F21) << quint32(0);
    QTest::newRow("Home") << int(Qt::Key_Home) << quint32(0);
    QTest::newRow("Space") << int(Qt::Key_Space) << quint32(0);
    QTest::newRow("Up") << int(Qt::Key_Up) << quint32(0);
    QTest::newRow("Minus") << int(Qt::Key_Minus) << quint32(0);
    QTest::newRow("Eacute") << int(Qt::Key_Eacute) << quint32(0);
    QTest::newRow("Control alone") << int(Qt::Key_Control) << quint32(0);
}

void TestGlobalHotkeyUnit::translatesSupportedKeys()
{
    QFETCH(int, key);
    QFETCH(quint32, keysym);
    QCOMPARE(GlobalHotkey::keysymForKey(key), keysym);
}

void TestGlobalHotkeyUnit::translatesModifiers()
{
    QCOMPARE(GlobalHotkey::modifierMaskFor(Qt::ControlModifier | Qt::AltModifier),
             quint16(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
    QCOMPARE(GlobalHotkey::modifierMaskFor(Qt::ShiftModifier | Qt::MetaModifier),
             quint16(XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_4));
    QCOMPARE(GlobalHotkey::modifierMaskFor(Qt::KeypadModifier | Qt::GroupSwitchModifier), quint16(0));
    QCOMPARE(GlobalHotkey::modifierMaskFor(Qt::NoModifier), quint16(0));
}

void TestGlobalHotkeyUnit::reportsEveryHotkeyWithoutX11()
{
    GlobalHotkey hotkeys;
    QVERIFY(!hotkeys.isAvailable());
    QCOMPARE(hotkeys.reloadFromSettings(),
             QStringList({"Ctrl+Alt+R", "Ctrl+Alt+P", "Ctrl+Alt+S", "Ctrl+Alt+D", "Ctrl+Alt+T"}));
    QVERIFY(!hotkeys.registerHotkey(GlobalHotkey::Action::StartStop, 28, XCB_MOD_MASK_CONTROL));
    QVERIFY(!hotkeys.registerHotkey(GlobalHotkey::Action::StartStop, 0, XCB_MOD_MASK_CONTROL));
}

void TestGlobalHotkeyUnit::readsSettingsInPortableText()
{
    QSettings settings;
    settings.setValue(QStringLiteral("hotkeys/0"), QString());                       // cleared
    settings.setValue(QStringLiteral("hotkeys/1"), QStringLiteral("Ctrl+Alt+Home")); // unsupported key
    settings.setValue(QStringLiteral("hotkeys/2"), QStringLiteral("F5"));            // no modifier
    settings.setValue(QStringLiteral("hotkeys/3"), QStringLiteral("Meta+Shift+Space"));
    settings.setValue(QStringLiteral("hotkeys/4"), QStringLiteral("Ctrl+Alt+F13, Ctrl+B"));
    GlobalHotkey hotkeys;
    QCOMPARE(hotkeys.reloadFromSettings(),
             QStringList({QStringLiteral("Ctrl+Alt+Home（不支持的按键）"), QStringLiteral("F5"),
                          QStringLiteral("Meta+Shift+Space（不支持的按键）"), QStringLiteral("Ctrl+Alt+F13, Ctrl+B")}));
}

void TestGlobalHotkeyUnit::refusesMissingKeyCode()
{
    GlobalHotkey hotkeys;
    QVERIFY(!hotkeys.registerHotkey(GlobalHotkey::Action::Screenshot, -5, 0));
}

int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    TestGlobalHotkeyUnit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell_hotkeys.moc"
