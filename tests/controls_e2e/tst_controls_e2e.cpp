// The controls panel on the test desktop, hosted in a window and driven with real X
// events: level tests fed by real sound through the private PulseAudio server, the
// device lists following the server, the REC checks and the settings a second run
// finds. Modal boxes are read and closed from a timer.
//
// The same executable also runs as a child (CONTROLS_E2E_ROLE set) for what needs a
// fresh process: a sound server that is not there, and a second start.
#include "dialogs/AudioSettingsDialog.h"
#include "overlays/AudioLevelWidget.h"
#include "preparation/ControlsArea.h"

#include "../support/XdotoolDriver.h"
#include "SoundServer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const char *const RoleVariable = "CONTROLS_E2E_ROLE";

// The panel in a plain window at a fixed place of the screen.
class Host
{
public:
    Host()
    {
        window.setWindowTitle(QStringLiteral("Controls host"));
        window.setObjectName(QStringLiteral("ControlsHost"));
        window.setStyleSheet(QStringLiteral("QWidget#ControlsHost{background:#0b1320;}"));
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(10, 10, 10, 10);
        panel = new ControlsArea(&window);
        layout->addWidget(panel);
        window.setGeometry(60, 80, 1180, 210);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QTest::qWait(150);
    }
    QWidget window;
    ControlsArea *panel = nullptr;

    template<typename T = QPushButton>
    T *part(const char *name) const
    {
        return panel->findChild<T *>(QString::fromLatin1(name));
    }
    QComboBox *deviceBox(const char *toggleName) const
    {
        return part(toggleName)->parentWidget()->findChild<QComboBox *>();
    }
};

QPoint centreOf(const QWidget *widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

bool clickOn(const QWidget *widget)
{
    return widget && click(centreOf(widget));
}

QPushButton *buttonWithText(QWidget *root, const QString &text)
{
    for (QPushButton *button : root->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QFrame *visiblePopup()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("AudioTestPopup") && widget->isVisible())
            return qobject_cast<QFrame *>(widget);
    }
    return nullptr;
}

QString hintOf(QFrame *popup)
{
    auto *hint = popup ? popup->findChild<QLabel *>(QStringLiteral("SignalHint")) : nullptr;
    return hint ? hint->text() : QString();
}

// Streams this process records from the sound server (a running level test holds one).
// Other programs' streams are left out: tests running beside this one record too.
int recordStreams()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("source-outputs")});
    if (!pactl.waitForFinished(5000))
        return -1;
    const QByteArray ours = "application.process.id = \"" + QByteArray::number(QCoreApplication::applicationPid()) + '"';
    return pactl.readAllStandardOutput().count(ours);
}

// Reads and closes every message box that comes up while it lives.
class BoxCloser : public QObject
{
public:
    BoxCloser()
    {
        m_timer.setInterval(50);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts << box->text();
            titles << box->windowTitle();
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
        });
        m_timer.start();
    }
    QStringList texts;
    QStringList titles;

private:
    QTimer m_timer;
};

bool makeTone(const QString &path, double volume, int seconds)
{
    return QProcess::execute(QStringLiteral("sox"),
                             {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"),
                              QStringLiteral("-c"), QStringLiteral("2"), path, QStringLiteral("synth"),
                              QString::number(seconds), QStringLiteral("sine"), QStringLiteral("1000"),
                              QStringLiteral("vol"), QString::number(volume)})
        == 0;
}

// Clicks the menu entry with this text in the open pop-up menu.
bool chooseMenuEntry(const QString &text)
{
    QMenu *menu = nullptr;
    if (!QTest::qWaitFor([&] { return (menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())); },
                         3000))
        return false;
    QTest::qWait(150);
    for (QAction *action : menu->actions()) {
        if (action->text() == text && !action->isSeparator())
            return click(menu->mapToGlobal(menu->actionGeometry(action).center()));
    }
    return false;
}

// A click that opens a menu or a dialog returns only when it closes again: what is to
// be done in it runs from a timer started before the click, once the menu or dialog is
// open (on a busy machine the click may come long after the timer started; run before,
// it would wait inside the menu it is meant to close).
bool clickAndThen(const QWidget *widget, const std::function<void()> &whileOpen)
{
    bool ran = false;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!QApplication::activePopupWidget() && !QApplication::activeModalWidget())
            return;
        poll.stop();
        whileOpen();
        ran = true;
    });
    poll.start();
    return clickOn(widget) && QTest::qWaitFor([&] { return ran; }, 10000);
}

int menuEntries()
{
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu)
        return -1;
    int entries = 0;
    for (QAction *action : menu->actions())
        entries += qobject_cast<QWidgetAction *>(action) ? 0 : 1; // the heading is no entry
    return entries;
}

bool meterNear(QFrame *popup, float expected, int withinMs)
{
    auto *meter = popup ? popup->findChild<AudioLevelWidget *>() : nullptr;
    return meter && QTest::qWaitFor([&] { return std::abs(meter->level() - expected) < 0.03f; }, withinMs);
}

} // namespace

class TestControlsE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void speakerTest();
    void microphoneTest();
    void deviceListsFollowTheServer();
    void recChecks();
    void customAreaPick();
    void withoutSoundServer();
    void secondStartKeepsChoices();
    void cleanupTestCase();

private:
    bool runChild(const QString &role);

    QTemporaryDir m_dir;
    QString m_loudTone;  // 1 kHz at 0.5
    QString m_quietTone; // 1 kHz at 0.25
};

void TestControlsE2E::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QSettings().clear();
    m_loudTone = m_dir.filePath(QStringLiteral("loud.wav"));
    m_quietTone = m_dir.filePath(QStringLiteral("quiet.wav"));
    QVERIFY(makeTone(m_loudTone, 0.5, 4));
    QVERIFY(makeTone(m_quietTone, 0.25, 4));
    QVERIFY2(pactl({QStringLiteral("info")}).contains(QStringLiteral("vsink")), "run under scripts/test-env.sh");
}

void TestControlsE2E::cleanupTestCase()
{
    QSettings().clear();
}

void TestControlsE2E::speakerTest()
{
    Host host;
    QPushButton *test = host.part(ControlsArea::SpeakerTestName);
    QVERIFY(test);
    const int streamsBefore = recordStreams();

    // Silence first: the hint asks for sound after three seconds.
    QVERIFY(clickOn(test));
    QTRY_VERIFY_WITH_TIMEOUT(visiblePopup(), 3000);
    QFrame *popup = visiblePopup();
    QCOMPARE(test->text(), QStringLiteral("停止"));
    QCOMPARE(recordStreams(), streamsBefore + 1);
    QCOMPARE(hintOf(popup), QStringLiteral("正在监听，请播放一段声音"));
    QTRY_COMPARE_WITH_TIMEOUT(hintOf(popup), QStringLiteral("未检测到声音，请先播放一段音频"), 4000);

    {
        Tone tone(m_loudTone, QStringLiteral("vsink"));
        QVERIFY2(meterNear(popup, 0.5f, 1000), "the meter did not read the tone's level within a second");
        QCOMPARE(hintOf(popup), QStringLiteral("已检测到系统播放声音"));
    }

    // A click elsewhere closes the popup and ends the test.
    QVERIFY(click(host.window.mapToGlobal(QPoint(host.window.width() - 30, host.window.height() - 8))));
    QTRY_VERIFY_WITH_TIMEOUT(!visiblePopup(), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(test->text(), QStringLiteral("试音"), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(recordStreams(), streamsBefore, 2000);
    QCOMPARE(popup->findChild<AudioLevelWidget *>()->level(), 0.0f);

    // A click on the test button while its popup is open: the test stops and stays stopped.
    QVERIFY(clickOn(test));
    QTRY_VERIFY_WITH_TIMEOUT(visiblePopup(), 3000);
    QVERIFY(clickOn(test));
    QTest::qWait(700);
    QVERIFY(!visiblePopup());
    QCOMPARE(test->text(), QStringLiteral("试音"));
    QCOMPARE(recordStreams(), streamsBefore);

    // Where the press that closed the popup is handed on to the button beneath (not so
    // on X11), that click stops the test and it stays stopped.
    QVERIFY(clickOn(test));
    QTRY_VERIFY_WITH_TIMEOUT(visiblePopup(), 3000);
    visiblePopup()->hide();
    QTest::mouseClick(test, Qt::LeftButton);
    QTest::qWait(300);
    QCOMPARE(test->text(), QStringLiteral("试音"));
    QCOMPARE(recordStreams(), streamsBefore);

    // The popup's own stop button ends it as well.
    QVERIFY(clickOn(test));
    QTRY_VERIFY_WITH_TIMEOUT(visiblePopup(), 3000);
    QVERIFY(clickOn(visiblePopup()->findChild<QPushButton *>(QStringLiteral("StopTest"))));
    QTRY_VERIFY_WITH_TIMEOUT(!visiblePopup(), 2000);
    QTest::qWait(300);
    QCOMPARE(test->text(), QStringLiteral("试音"));
    QCOMPARE(recordStreams(), streamsBefore);
}

void TestControlsE2E::microphoneTest()
{
    Host host;
    QPushButton *test = host.part(ControlsArea::MicrophoneTestName);
    const int streamsBefore = recordStreams();
    QVERIFY(clickOn(test));
    QTRY_VERIFY_WITH_TIMEOUT(visiblePopup(), 3000);
    QFrame *popup = visiblePopup();
    QCOMPARE(hintOf(popup), QStringLiteral("正在监听，请对麦克风说话"));
    QTRY_COMPARE_WITH_TIMEOUT(hintOf(popup), QStringLiteral("未检测到声音，请检查麦克风或权限"), 4000);
    {
        // vmic carries what vsink plays.
        Tone tone(m_quietTone, QStringLiteral("vsink"));
        QVERIFY2(meterNear(popup, 0.25f, 1500), "the meter did not read the tone's level");
        QCOMPARE(hintOf(popup), QStringLiteral("已检测到麦克风声音"));
    }
    QVERIFY(clickOn(test));
    QTest::qWait(700);
    QVERIFY(!visiblePopup());
    QCOMPARE(test->text(), QStringLiteral("试音"));
    QTRY_COMPARE_WITH_TIMEOUT(recordStreams(), streamsBefore, 2000);
}

void TestControlsE2E::deviceListsFollowTheServer()
{
    QSettings().remove(QStringLiteral("audio/systemDeviceId"));
    Host host;
    QComboBox *box = host.deviceBox(ControlsArea::SpeakerToggleName);
    QVERIFY(box);
    QCOMPARE(box->count(), 2); // the default item and vsink

    const QStringList loadSecond{QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                                 QStringLiteral("sink_name=vsink2"),
                                 QStringLiteral("sink_properties=device.description=Second")};
    QString module = pactl(loadSecond);
    QVERIFY(!module.isEmpty());
    bool unloaded = false;
    const auto unload = qScopeGuard([&] {
        if (!unloaded)
            pactl({QStringLiteral("unload-module"), module});
    });
    QTRY_COMPARE_WITH_TIMEOUT(box->count(), 3, 2000);
    QVERIFY(box->findData(QStringLiteral("vsink2")) > 0);

    // Menu: three items, a separator and the advanced settings.
    QSignalSpy picks(box, &QComboBox::currentIndexChanged);
    int entries = 0;
    bool chosen = false;
    QVERIFY(clickAndThen(host.part(ControlsArea::SpeakerMenuName), [&] {
        entries = menuEntries();
        chosen = chooseMenuEntry(box->itemText(0)); // the current item
    }));
    QCOMPARE(entries, 5);
    QVERIFY(chosen);
    QTest::qWait(200);
    QCOMPARE(picks.count(), 0);
    QCOMPARE(box->currentIndex(), 0);

    QVERIFY(clickAndThen(host.part(ControlsArea::SpeakerMenuName),
                         [&] { chosen = chooseMenuEntry(QStringLiteral("Second")); }));
    QVERIFY(chosen);
    QTRY_COMPARE(QSettings().value(QStringLiteral("audio/systemDeviceId")).toString(), QStringLiteral("vsink2"));
    QCOMPARE(host.panel->systemAudioDeviceId(), QStringLiteral("vsink2"));

    // The speaker test now listens to the chosen sink only.
    QVERIFY(clickOn(host.part(ControlsArea::SpeakerTestName)));
    QTRY_VERIFY_WITH_TIMEOUT(visiblePopup(), 3000);
    QFrame *popup = visiblePopup();
    auto *meter = popup->findChild<AudioLevelWidget *>();
    {
        Tone elsewhere(m_loudTone, QStringLiteral("vsink"));
        QTest::qWait(1000);
        QVERIFY2(meter->peak() < 0.01f, "the test heard a sink that was not chosen");
    }
    {
        Tone chosen(m_loudTone, QStringLiteral("vsink2"));
        QVERIFY(meterNear(popup, 0.5f, 1000));
    }
    host.panel->toggleSpeakerTest();
    QVERIFY(!visiblePopup());

    // The device goes away: the choice stays, shown as unavailable, and REC says so.
    pactl({QStringLiteral("unload-module"), module});
    unloaded = true;
    QTRY_COMPARE_WITH_TIMEOUT(box->currentText(), QStringLiteral("Second · 不可用"), 2500);
    QCOMPARE(box->count(), 3);
    QCOMPARE(QSettings().value(QStringLiteral("audio/systemDeviceId")).toString(), QStringLiteral("vsink2"));
    QCOMPARE(host.panel->systemAudioDeviceId(), QStringLiteral("vsink2"));
    {
        BoxCloser boxes;
        QSignalSpy starts(host.panel, &ControlsArea::startRequested);
        QVERIFY(clickOn(host.part(ControlsArea::RecButtonName)));
        QTRY_COMPARE(boxes.texts, QStringList{QStringLiteral("没有可用的扬声器设备，无法录制系统声音。")});
        QCOMPARE(starts.count(), 0);
    }

    // Back again: chosen as before, without a word from the user.
    module = pactl(loadSecond);
    QVERIFY(!module.isEmpty());
    unloaded = false;
    QTRY_COMPARE_WITH_TIMEOUT(box->currentText(), QStringLiteral("Second"), 2500);
    QCOMPARE(box->count(), 3);

    // Only a pick of another device ends the choice.
    QVERIFY(clickAndThen(host.part(ControlsArea::SpeakerMenuName),
                         [&] { chosen = chooseMenuEntry(box->itemText(0)); }));
    QVERIFY(chosen);
    QTRY_COMPARE(QSettings().value(QStringLiteral("audio/systemDeviceId")).toString(), QString());
    pactl({QStringLiteral("unload-module"), module});
    unloaded = true;
    QTRY_COMPARE_WITH_TIMEOUT(box->count(), 2, 2500);
    QCOMPARE(host.panel->systemAudioDeviceId(), QString());
}

void TestControlsE2E::recChecks()
{
    Host host;
    QSignalSpy starts(host.panel, &ControlsArea::startRequested);
    QPushButton *rec = host.part(ControlsArea::RecButtonName);
    QVERIFY(rec);

    host.panel->setCaptureMode(CaptureMode::AudioOnly);
    host.panel->setSystemAudioEnabled(false);
    host.panel->setMicrophoneEnabled(false);
    {
        BoxCloser boxes;
        QVERIFY(clickOn(rec));
        QTRY_COMPARE(boxes.texts, QStringList{QStringLiteral("请至少开启扬声器或麦克风。")});
        QCOMPARE(boxes.titles.first(), QStringLiteral("录音检查"));
    }
    QCOMPARE(starts.count(), 0);

    // Both sources on and both tests running: one start, both tests stopped.
    host.panel->setSystemAudioEnabled(true);
    host.panel->setMicrophoneEnabled(true);
    host.panel->toggleSpeakerTest();
    host.panel->toggleMicrophoneTest();
    QTRY_COMPARE(host.part(ControlsArea::SpeakerTestName)->text(), QStringLiteral("停止"));
    QCOMPARE(host.part(ControlsArea::MicrophoneTestName)->text(), QStringLiteral("停止"));
    const int streams = recordStreams();
    QVERIFY(streams >= 2);
    rec->click(); // a pointer click would first close the open popups
    QCOMPARE(starts.count(), 1);
    QCOMPARE(host.part(ControlsArea::SpeakerTestName)->text(), QStringLiteral("试音"));
    QCOMPARE(host.part(ControlsArea::MicrophoneTestName)->text(), QStringLiteral("试音"));
    QTRY_COMPARE_WITH_TIMEOUT(recordStreams(), streams - 2, 2000);

    // A recording disables the tests and shows STOP; REC does nothing then.
    host.panel->setRecording(true);
    QCOMPARE(rec->text(), QStringLiteral("STOP"));
    QVERIFY(!host.part(ControlsArea::SpeakerTestName)->isEnabled());
    QVERIFY(clickOn(rec));
    QTest::qWait(200);
    QCOMPARE(starts.count(), 1);
    host.panel->setRecording(false);
    QCOMPARE(rec->text(), QStringLiteral("REC"));

    // In video mode the same checks pass with the server's devices.
    host.panel->setCaptureMode(CaptureMode::Screen);
    QVERIFY(clickOn(rec));
    QTRY_COMPARE(starts.count(), 2);
}

void TestControlsE2E::customAreaPick()
{
    Host host;
    QSignalSpy regions(host.panel, &ControlsArea::preparationRegionChanged);
    QSignalSpy canceled(host.panel, &ControlsArea::preparationSelectionCanceled);
    QVERIFY(host.panel->prepareHomeMode(HomeMode::Area, -1));
    QCOMPARE(host.panel->captureMode(), CaptureMode::Screen);
    QWidget *picker = nullptr;
    QVERIFY(QTest::qWaitFor(
        [&] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (widget->inherits("AreaPicker") && widget->isVisible())
                    picker = widget;
            }
            return picker != nullptr;
        },
        3000));
    QVERIFY(QTest::qWaitForWindowExposed(picker));
    QTest::qWait(200);
    QVERIFY(drag(QPoint(200, 150), QPoint(500, 350)));
    QTRY_COMPARE(regions.count(), 1);
    QCOMPARE(regions.first().first().toRect(), QRect(200, 150, 300, 200));
    QCOMPARE(host.panel->captureRect(), QRect(200, 150, 300, 200));
    QCOMPARE(canceled.count(), 0);
    host.panel->hidePreparationOverlay();

    // Picking by hand with an odd size keeps the corner and evens the size.
    QVERIFY(host.panel->prepareHomeMode(HomeMode::Area, -1));
    QTest::qWait(400);
    QVERIFY(drag(QPoint(300, 300), QPoint(600, 498))); // 301 x 199 pixels
    QTRY_COMPARE(regions.count(), 2);
    QCOMPARE(regions.last().first().toRect(), QRect(300, 300, 300, 198));
    host.panel->hidePreparationOverlay();
}

// The longest a child run may take before it ends itself.
constexpr int kChildRunMs = 150000;

bool TestControlsE2E::runChild(const QString &role)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(RoleVariable), role);
    if (role == QLatin1String("dead-server"))
        environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + m_dir.filePath("no-server"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    // Every wait in a child is on a condition: a busy machine only makes it slower. It ends
    // itself when one of its checks hangs; this run waits for that end.
    environment.insert(QStringLiteral("QTEST_FUNCTION_TIMEOUT"), QString::number(kChildRunMs));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForStarted(5000))
        return false;
    if (!QTest::qWaitFor([&] { return child.state() == QProcess::NotRunning; }, kChildRunMs + 10000)) {
        child.kill();
        child.waitForFinished(3000);
        return false;
    }
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

void TestControlsE2E::withoutSoundServer()
{
    QVERIFY2(runChild(QStringLiteral("dead-server")), "the checks without a sound server failed (see above)");
}

void TestControlsE2E::secondStartKeepsChoices()
{
    const QString module = pactl({QStringLiteral("load-module"), QStringLiteral("module-remap-source"),
                                  QStringLiteral("master=vsink.monitor"), QStringLiteral("source_name=vmic2"),
                                  QStringLiteral("source_properties=device.description=Headset")});
    QVERIFY(!module.isEmpty());
    const auto unload = qScopeGuard([&] { pactl({QStringLiteral("unload-module"), module}); });
    QVERIFY2(runChild(QStringLiteral("first-start")), "the first run failed (see above)");
    QVERIFY2(runChild(QStringLiteral("second-start")), "the second run failed (see above)");
}

// ---- Child runs ------------------------------------------------------------------------------

// PULSE_SERVER points at a socket nobody listens on.
class DeadServerChecks : public QObject
{
    Q_OBJECT
private slots:
    void checks()
    {
        // Devices chosen while the server was there.
        {
            QSettings settings;
            settings.setValue(QStringLiteral("audio/systemDeviceId"), QStringLiteral("usb_speaker"));
            settings.setValue(QStringLiteral("audio/systemDeviceName"), QStringLiteral("USB Speaker"));
            settings.setValue(QStringLiteral("audio/microphoneDeviceId"), QByteArray("usb_mic"));
            settings.remove(QStringLiteral("audio/microphoneDeviceName"));
        }
        Host host;
        // The choices stay, shown as unavailable (by name, or by id without one).
        QCOMPARE(host.deviceBox(ControlsArea::SpeakerToggleName)->count(), 2);
        QCOMPARE(host.deviceBox(ControlsArea::SpeakerToggleName)->currentText(), QStringLiteral("USB Speaker · 不可用"));
        QCOMPARE(host.deviceBox(ControlsArea::MicrophoneToggleName)->count(), 2);
        QCOMPARE(host.deviceBox(ControlsArea::MicrophoneToggleName)->currentText(), QStringLiteral("usb_mic · 不可用"));
        host.panel->refreshAudioDevices();
        QTest::qWait(1500); // the once-a-second device check
        QCOMPARE(host.panel->systemAudioDeviceId(), QStringLiteral("usb_speaker"));
        QCOMPARE(host.panel->microphoneDeviceId(), QByteArray("usb_mic"));
        QVERIFY(host.panel->microphoneForRecording().isEmpty());
        {
            QSettings settings;
            QCOMPARE(settings.value(QStringLiteral("audio/systemDeviceId")).toString(), QStringLiteral("usb_speaker"));
            QCOMPARE(settings.value(QStringLiteral("audio/microphoneDeviceId")).toByteArray(), QByteArray("usb_mic"));
        }
        QSignalSpy starts(host.panel, &ControlsArea::startRequested);
        QPushButton *rec = host.part(ControlsArea::RecButtonName);
        BoxCloser boxes;
        QVERIFY(host.panel->isSystemAudioEnabled());
        QVERIFY(clickOn(rec));
        QTRY_COMPARE(boxes.texts.size(), 1);
        QCOMPARE(boxes.texts.last(), QStringLiteral("没有可用的扬声器设备，无法录制系统声音。"));

        host.panel->setSystemAudioEnabled(false);
        host.panel->setMicrophoneEnabled(true);
        QVERIFY(clickOn(rec));
        QTRY_COMPARE(boxes.texts.size(), 2);
        QCOMPARE(boxes.texts.last(), QStringLiteral("没有可用的麦克风，请重新连接或选择输入设备。"));
        QCOMPARE(starts.count(), 0);

        // The speaker test says why it cannot listen; the microphone test says there is no device.
        QVERIFY(clickOn(host.part(ControlsArea::SpeakerTestName)));
        QTRY_COMPARE(boxes.texts.size(), 3);
        QVERIFY2(boxes.texts.last().startsWith(QStringLiteral("无法监听所选扬声器：")), qPrintable(boxes.texts.last()));
        QVERIFY(boxes.texts.last().size() > QStringLiteral("无法监听所选扬声器：").size());
        QCOMPARE(boxes.titles.last(), QStringLiteral("系统声音"));
        QCOMPARE(host.part(ControlsArea::SpeakerTestName)->text(), QStringLiteral("试音"));
        QVERIFY(clickOn(host.part(ControlsArea::MicrophoneTestName)));
        QTRY_COMPARE(host.part(ControlsArea::MicrophoneTestName)->text(), QStringLiteral("无设备"));
        QVERIFY(!visiblePopup());
    }
};

// First start: FLAC, a chosen microphone and the advanced values, all by pointer and keys.
class FirstStart : public QObject
{
    Q_OBJECT
private slots:
    void choose()
    {
        QSettings().clear();
        Host host;
        // 320 kbps in MP3 first, then FLAC.
        host.panel->setCaptureMode(CaptureMode::AudioOnly);
        QTest::qWait(100);
        QComboBox *rate = nullptr;
        for (QComboBox *box : host.panel->findChildren<QComboBox *>()) {
            if (box->isVisible())
                rate = box;
        }
        QVERIFY(rate);
        QVERIFY(clickOn(rate));
        QTest::qWait(300);
        QVERIFY(key(QStringLiteral("Down")));
        QVERIFY(key(QStringLiteral("Return")));
        QTRY_COMPARE(host.panel->audioBitrate(), 320);
        QVERIFY(clickOn(buttonWithText(host.panel, QStringLiteral("FLAC"))));
        QTRY_COMPARE(host.panel->audioFormat(), QStringLiteral("flac"));

        host.panel->setMicrophoneEnabled(true);
        bool chosen = false;
        QVERIFY(clickAndThen(host.part(ControlsArea::MicrophoneMenuName),
                             [&] { chosen = chooseMenuEntry(QStringLiteral("Headset")); }));
        QVERIFY(chosen);
        QTRY_COMPARE(host.panel->microphoneDeviceName(), QStringLiteral("Headset"));

        // The advanced settings from the same menu, set by pointer and keys.
        bool edited = false;
        // Polls without waiting, so that it runs inside the dialog's own event loop.
        QTimer poll;
        poll.setInterval(100);
        const auto editDialog = [&] {
            auto *dialog = qobject_cast<AudioSettingsDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QTest::qWait(200);
            const QList<QSlider *> sliders = dialog->findChildren<QSlider *>();
            QCOMPARE(sliders.size(), 2);
            QVERIFY(clickOn(sliders.at(0)) && key(QStringLiteral("End")));
            for (int i = 0; i < 5; ++i)
                QVERIFY(key(QStringLiteral("Page_Down")));
            QVERIFY(clickOn(sliders.at(1)) && key(QStringLiteral("Home")));
            for (int i = 0; i < 6; ++i)
                QVERIFY(key(QStringLiteral("Page_Up")));
            auto *delay = dialog->findChild<QSpinBox *>();
            QVERIFY(clickOn(delay) && key(QStringLiteral("ctrl+a")));
            QVERIFY(xdotool({QStringLiteral("type"), QStringLiteral("120")}));
            for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
                QVERIFY(click(box->mapToGlobal(QPoint(9, box->height() / 2)))); // on the indicator
            QTRY_COMPARE(dialog->systemVolume(), 150);
            QCOMPARE(dialog->microphoneVolume(), 60);
            QCOMPARE(dialog->microphoneDelayMs(), 120);
            edited = true;
            QVERIFY(clickOn(buttonWithText(dialog, QStringLiteral("完成"))));
        };
        connect(&poll, &QTimer::timeout, editDialog);
        poll.start();
        QVERIFY(clickAndThen(host.part(ControlsArea::MicrophoneMenuName),
                             [&] { chosen = chooseMenuEntry(QStringLiteral("音频高级设置…")); }));
        QTRY_VERIFY_WITH_TIMEOUT(edited, 10000);
        QTRY_COMPARE(host.panel->systemVolume(), 150);
        QCOMPARE(host.panel->microphoneVolume(), 60);
        QVERIFY(host.panel->noiseReduction());
        QVERIFY(host.panel->mono());
        QCOMPARE(host.panel->microphoneDelayMs(), 120);
    }
};

class SecondStart : public QObject
{
    Q_OBJECT
private slots:
    void finds()
    {
        Host host;
        QCOMPARE(host.panel->audioFormat(), QStringLiteral("flac"));
        QVERIFY(buttonWithText(host.panel, QStringLiteral("FLAC"))->isChecked());
        QComboBox *rate = nullptr;
        for (QComboBox *box : host.panel->findChildren<QComboBox *>()) {
            if (box->findData(320) >= 0)
                rate = box;
        }
        QVERIFY(rate);
        QVERIFY(!rate->isEnabled());
        QCOMPARE(rate->currentData().toInt(), 0);
        host.panel->setCaptureMode(CaptureMode::AudioOnly);
        QTest::qWait(100);
        QVERIFY(clickOn(buttonWithText(host.panel, QStringLiteral("MP3"))));
        QTRY_VERIFY(rate->isEnabled());
        QCOMPARE(rate->currentData().toInt(), 320);
        QCOMPARE(host.panel->audioBitrate(), 320);

        QCOMPARE(host.panel->systemVolume(), 150);
        QCOMPARE(host.panel->microphoneVolume(), 60);
        QVERIFY(host.panel->noiseReduction());
        QVERIFY(host.panel->mono());
        QCOMPARE(host.panel->microphoneDelayMs(), 120);
        QCOMPARE(host.panel->microphoneDeviceName(), QStringLiteral("Headset"));
        QCOMPARE(host.deviceBox(ControlsArea::MicrophoneToggleName)->currentText(), QStringLiteral("Headset"));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    QCoreApplication::setApplicationName(QStringLiteral("Vistrelle"));
    const QString role = qEnvironmentVariable(RoleVariable);
    std::unique_ptr<QObject> tests;
    if (role == QLatin1String("dead-server"))
        tests = std::make_unique<DeadServerChecks>();
    else if (role == QLatin1String("first-start"))
        tests = std::make_unique<FirstStart>();
    else if (role == QLatin1String("second-start"))
        tests = std::make_unique<SecondStart>();
    else
        tests = std::make_unique<TestControlsE2E>();
    return QTest::qExec(tests.get(), role.isEmpty() ? argc : 1, argv);
}

#include "tst_controls_e2e.moc"
