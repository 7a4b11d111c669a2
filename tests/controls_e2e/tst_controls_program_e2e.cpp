// The recording controls as the program uses them: the main window built as main()
// builds it, driven with real X events on the test desktop (with its window manager
// when VISTRELLE_TEST_WM=1), recording with the real ffmpeg through the private
// sound server.
//
// - The microphone a recording opens is the one chosen in the menu, also when two
//   microphones carry one name and when the chosen one was unplugged while the
//   program started (the choice waits for it, shown as unavailable).
// - The save folder typed in the preferences as "~/..." is the home folder's, and
//   recordings land there; a folder that cannot be made is refused with a message.
// - Without a camera the webcam switches say so and stay off, and the webcam page does
//   not claim to be starting one; with a stand-in camera that fails during a webcam
//   recording, the recording is saved and the failure is told once, also when the
//   encoder takes longer to end than the camera watchdog's second (an ffmpeg whose
//   recording runs end late).
// - The window picker shows another program's window title as it is, never as markup,
//   and its REC looks as disabled as it is until a window is chosen.
// - The preferences, a frameless dialog, know where the window manager put them (Qt
//   kept (0, 0) in about one opening of four, and their pop-ups opened in the corner).
#include "../support/TestMedia.h"
#include "../support/MainWindowDriver.h"
#include "../support/TestWindowProcess.h"
#include "../support/WebcamTestSupport.h"
#include "../support/ServerWindowPosition.h"
#include "SoundServer.h"

#include "app/HomePage.h"
#include "dialogs/SettingsDialog.h"
#include "preparation/CameraRecordingPage.h"
#include "preparation/CaptureTargetDialog.h"
#include "preparation/ControlsArea.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QTextDocument>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

// Sound server modules loaded for one test and unloaded when it ends.
class Modules
{
public:
    ~Modules()
    {
        for (auto it = m_ids.crbegin(); it != m_ids.crend(); ++it)
            pactl({QStringLiteral("unload-module"), *it});
    }
    QString load(const QStringList &arguments)
    {
        const QString id = pactl(QStringList{QStringLiteral("load-module")} + arguments);
        if (!id.isEmpty())
            m_ids.append(id);
        return id;
    }
    void unload(const QString &id)
    {
        if (m_ids.removeAll(id) > 0)
            pactl({QStringLiteral("unload-module"), id});
    }

private:
    QStringList m_ids;
};

// A microphone of the sound server: a source carrying what is played into its own sink.
QString loadMicrophone(Modules &modules, const QString &name, const QString &description)
{
    modules.load({QStringLiteral("module-null-sink"), QStringLiteral("sink_name=") + name + QStringLiteral("_in"),
                  QStringLiteral("rate=48000"), QStringLiteral("channels=2")});
    return modules.load({QStringLiteral("module-remap-source"),
                         QStringLiteral("master=") + name + QStringLiteral("_in.monitor"),
                         QStringLiteral("source_name=") + name,
                         QStringLiteral("source_properties=device.description=") + description});
}

// The open pop-up menu's checked entry, read while the menu is open; the menu is
// then closed with Escape.
QString checkedEntryOfMenuOpenedBy(const std::function<bool()> &open, QStringList *entries)
{
    QString checked;
    bool read = false;
    WhenShown reader([] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); },
                     [&](QWidget *widget) {
                         for (QAction *action : static_cast<QMenu *>(widget)->actions()) {
                             if (!action->text().isEmpty())
                                 entries->append(action->text());
                             if (action->isChecked())
                                 checked = action->text();
                         }
                         screenshot(QStringLiteral("controls-microphone-menu"));
                         read = true;
                         key(QStringLiteral("Escape"));
                     });
    if (!open() || !QTest::qWaitFor([&] { return read; }, 10000))
        return QStringLiteral("(no menu)");
    QTest::qWait(200);
    return checked;
}

// Opens the preferences as a user does: the title bar's menu, then its Settings entry.
// The menu and the preferences run modally inside the clicks: what is to be done in the
// preferences is armed before. True once the entry was clicked and everything closed.
bool preferencesFromTitleMenu(MainWindow &window)
{
    auto *menuButton = window.findChild<QToolButton *>(QStringLiteral("TitleMenuButton"));
    bool chosen = false;
    WhenShown settingsEntry([] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); },
                            [&](QWidget *widget) {
                                auto *menu = static_cast<QMenu *>(widget);
                                QTest::qWait(200);
                                for (QAction *action : menu->actions())
                                    if (action->text() == QStringLiteral("设置"))
                                        chosen = click(menu->mapToGlobal(menu->actionGeometry(action).center()));
                            });
    return menuButton && click(centreOf(menuButton)) && QTest::qWaitFor([&] { return settingsEntry.done(); }, 5000)
           && chosen;
}

// On the preferences' Save page: OK with a folder that cannot be made (refused with a
// box, read into `boxes`), then OK with `good`. Empty, or what went wrong.
QString fillInSaveFolder(SettingsDialog *dialog, const QString &bad, const QString &good, QStringList *boxes)
{
    QTest::qWait(300);
    QPushButton *savePage = nullptr;
    QPushButton *ok = nullptr;
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->objectName() == QLatin1String("Nav") && button->text() == QStringLiteral("保存"))
            savePage = button;
        if (button->objectName() == QLatin1String("Primary"))
            ok = button;
    }
    auto *folder = dialog->findChild<QLineEdit *>(QStringLiteral("SaveFolder"));
    if (!savePage || !ok || !folder)
        return QStringLiteral("no Save page, folder field or OK button");
    if (!QTest::qWaitForWindowExposed(dialog))
        return QStringLiteral("the preferences were not shown");
    if (centreOnScreen(savePage) != centreOf(savePage))
        qInfo().noquote() << "[test] Qt places the preferences elsewhere than the X server:" << centreOf(savePage)
                          << centreOnScreen(savePage);
    // A click that reached the dialog before the window manager had placed it is lost:
    // try again.
    for (int attempt = 0; attempt < 3 && !folder->isVisible(); ++attempt) {
        if (!click(centreOnScreen(savePage)))
            return QStringLiteral("no click");
        (void)QTest::qWaitFor([&] { return folder->isVisible(); }, 2000);
    }
    if (!folder->isVisible()) {
        screenshot(QStringLiteral("controls-save-page-missing"));
        const QWidget *under = QApplication::widgetAt(QCursor::pos());
        return QStringLiteral("the Save page did not show (button at %1,%2, pointer at %3,%4 over %5, popup %6)")
            .arg(centreOnScreen(savePage).x()).arg(centreOnScreen(savePage).y()).arg(QCursor::pos().x()).arg(QCursor::pos().y())
            .arg(under ? QString::fromLatin1(under->metaObject()->className()) + QLatin1Char(' ') + under->objectName()
                       : QStringLiteral("nothing"))
            .arg(QApplication::activePopupWidget() ? QStringLiteral("open") : QStringLiteral("none"));
    }
    const auto typeFolder = [&](const QString &text) {
        return click(centreOnScreen(folder)) && key(QStringLiteral("ctrl+a")) && key(QStringLiteral("BackSpace"))
               && xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("15"), text}, 30000)
               && QTest::qWaitFor([&] { return folder->text() == text; }, 5000);
    };
    WhenShown refusal([] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); },
                      [&](QWidget *box) {
                          boxes->append(static_cast<QMessageBox *>(box)->text());
                          screenshot(QStringLiteral("controls-save-folder-refused"));
                          static_cast<QMessageBox *>(box)->accept();
                      });
    if (!typeFolder(bad))
        return QStringLiteral("could not type the folder: ") + folder->text();
    if (!click(centreOnScreen(ok)) || !QTest::qWaitFor([&] { return refusal.done(); }, 5000))
        return QStringLiteral("no box for a folder that cannot be made");
    QTest::qWait(300);
    if (!dialog->isVisible())
        return QStringLiteral("the preferences closed on a folder that cannot be made");
    if (!typeFolder(good))
        return QStringLiteral("could not type the folder: ") + folder->text();
    screenshot(QStringLiteral("controls-save-folder"));
    if (!click(centreOnScreen(ok)))
        return QStringLiteral("OK could not be clicked");
    return QString();
}

// The text a label shows, as its reader sees it.
QString shownText(const QLabel *label)
{
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

QLabel *visibleToolTip()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return qobject_cast<QLabel *>(widget);
    return nullptr;
}

// How red the middle of a widget is on screen (the REC button's red core): the mean of
// red minus the other two, over a square around its centre.
double middleRedness(QWidget *widget)
{
    const QPoint centre = centreOf(widget);
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(0, centre.x() - 12, centre.y() - 12, 24, 24)
                             .toImage();
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            sum += qRed(pixel) - (qGreen(pixel) + qBlue(pixel)) / 2.0;
        }
    return image.isNull() ? 0 : sum / (image.width() * image.height());
}

} // namespace

class TestControlsProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chosenMicrophoneIsRecorded();
    void saveFolderFromPreferences();
    void preferencesKnowWhereTheyAre();
    void webcamWithoutCamera();
    void cameraFailureDuringWebcamRecording();
    void windowPickerTitlesAndRec();

private:
    // From the home page's Audio Only card to a saved recording of about `seconds`.
    QString recordAudioOnly(MainWindow &window, int seconds, bool microphone);

    QTemporaryDir m_dir;
    QString m_tone;
};

void TestControlsProgram::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY2(pactl({QStringLiteral("info")}).contains(QStringLiteral("vsink")), "run under scripts/test-env.sh");
    QVERIFY(m_dir.isValid());
    setUpProgramSettings(m_dir.filePath(QStringLiteral("videos")));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("videos"))));
    QSettings settings;
    settings.setValue(SettingsDialog::generalKey("closeBehavior"), 1);
    settings.setValue(QStringLiteral("effects/mouseEnabled"), false);
    settings.setValue(QStringLiteral("save/diskWarning"), false);
    m_tone = m_dir.filePath(QStringLiteral("tone.wav"));
    QCOMPARE(QProcess::execute(QStringLiteral("sox"),
                               {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"),
                                QStringLiteral("-c"), QStringLiteral("2"), m_tone, QStringLiteral("synth"),
                                QStringLiteral("60"), QStringLiteral("sine"), QStringLiteral("1000"),
                                QStringLiteral("vol"), QStringLiteral("0.5")}),
             0);
}

QString TestControlsProgram::recordAudioOnly(MainWindow &window, int seconds, bool microphone)
{
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    auto *card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_AudioOnly"));
    if (!card || !click(centreOf(card)))
        return QStringLiteral("(no card)");
    SetupRecordingToolbar *toolbar = window.setupToolbar();
    if (!QTest::qWaitFor([&] { return toolbar->isVisible(); }, 5000))
        return QStringLiteral("(no toolbar)");
    QTest::qWait(300);
    if (microphone != window.controlsArea()->isMicrophoneEnabled()) {
        QToolButton *item = toolbarItem(toolbar, QStringLiteral("Microphone"));
        if (!item || !click(centreOf(item))
            || !QTest::qWaitFor([&] { return window.controlsArea()->isMicrophoneEnabled() == microphone; }, 3000))
            return QStringLiteral("(microphone not switched)");
    }
    QPushButton *rec = buttonByAccessibleName(toolbar, QStringLiteral("REC"));
    QSignalSpy started(window.recorder(), &Recorder::started);
    if (!rec || !click(centreOf(rec)) || !QTest::qWaitFor([&] { return started.size() == 1; }, 20000))
        return QStringLiteral("(not started)");
    QTest::qWait(seconds * 1000);
    if (!stopWith(window, QStringLiteral("StopSaveButton"))
        || !QTest::qWaitFor([&] { return stopped.size() == 1; }, 30000))
        return QStringLiteral("(not stopped)");
    (void)QTest::qWaitFor([&] { return window.isVisible(); }, 5000); // an mp3 brings the window back
    return stopped.first().first().toString();
}

void TestControlsProgram::chosenMicrophoneIsRecorded()
{
    // Two microphones of one name; the second was chosen and is unplugged at the start.
    Modules modules;
    QVERIFY(!loadMicrophone(modules, QStringLiteral("twin_a"), QStringLiteral("Twin-Mic")).isEmpty());
    {
        QSettings settings;
        settings.setValue(QStringLiteral("audio/microphoneDeviceId"), QByteArray("twin_b"));
        settings.setValue(QStringLiteral("audio/microphoneDeviceName"), QStringLiteral("Twin-Mic"));
    }

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(1500); // past the first of the once-a-second device checks
    ControlsArea *controls = window.controlsArea();
    QCOMPARE(controls->microphoneDeviceId(), QByteArray("twin_b"));
    QVERIFY(controls->microphoneForRecording().isEmpty());

    // The preparation toolbar's microphone menu shows the choice as unavailable.
    auto *card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_AudioOnly"));
    QVERIFY(card && click(centreOf(card)));
    QTRY_VERIFY_WITH_TIMEOUT(window.setupToolbar()->isVisible(), 5000);
    QTest::qWait(300);
    QToolButton *microphone = toolbarItem(window.setupToolbar(), QStringLiteral("Microphone"));
    QVERIFY(microphone);
    QStringList entries;
    const QString checked = checkedEntryOfMenuOpenedBy(
        [&] {
            return pointerTo(centreOf(microphone)) && xdotool({QStringLiteral("click"), QStringLiteral("3")});
        },
        &entries);
    QCOMPARE(checked, QStringLiteral("Twin-Mic · 不可用"));
    QVERIFY2(entries.contains(QStringLiteral("Twin-Mic")), qPrintable(entries.join(QLatin1Char('|'))));
    QCOMPARE(QSettings().value(QStringLiteral("audio/microphoneDeviceId")).toByteArray(), QByteArray("twin_b"));
    QVERIFY(click(centreOf(toolbarItem(window.setupToolbar(), QStringLiteral("Exit")))));
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible() && !window.setupToolbar()->isVisible(), 5000);

    // Plugged in: chosen again without a word from the user, and recorded, although
    // the first microphone of that name is there too.
    QVERIFY(!loadMicrophone(modules, QStringLiteral("twin_b"), QStringLiteral("Twin-Mic")).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(controls->microphoneForRecording(), QStringLiteral("twin_b"), 5000);
    QCOMPARE(controls->microphoneDeviceName(), QStringLiteral("Twin-Mic"));
    Tone tone(m_tone, QStringLiteral("twin_b_in"));
    const QString path = recordAudioOnly(window, 3, true);
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    const double volume = TestMedia::meanVolume(path, 0.5, 1.5);
    // Measured -18 to -19 dB with the tone (down to -21 on a busy machine); a microphone that
    // is not recorded gives silence, below -80 dB.
    qInfo("the chosen microphone's tone: %.1f dB", volume);
    QVERIFY2(volume > -35.0, qPrintable(QStringLiteral("the chosen microphone's tone is missing: %1 dB").arg(volume)));
}

void TestControlsProgram::saveFolderFromPreferences()
{
    const QString home = QDir::homePath();
    // scripts/test-env.sh makes the home and the temporary folder side by side.
    QVERIFY2(QFileInfo(home).absolutePath() == QFileInfo(QDir::tempPath()).absolutePath(),
             qPrintable(QStringLiteral("not the test desktop's own home: ") + home));
    const QString clips = home + QStringLiteral("/Clips ") + QString::number(QCoreApplication::applicationPid());
    const QString typed = QStringLiteral("~/") + QFileInfo(clips).fileName();
    QDir(clips).removeRecursively();
    const auto removeClips = qScopeGuard([&] { QDir(clips).removeRecursively(); });
    // A plain file where a folder would have to be made.
    const QString blocker = m_dir.filePath(QStringLiteral("a file"));
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);

    // Preferences from the title bar's menu: first a folder inside a file, then "~/...".
    QStringList boxes;
    QString failure = QStringLiteral("the preferences did not open");
    WhenShown preferences([] { return qobject_cast<SettingsDialog *>(QApplication::activeModalWidget()); },
                          [&](QWidget *widget) {
                              auto *dialog = static_cast<SettingsDialog *>(widget);
                              failure = fillInSaveFolder(dialog, blocker + QStringLiteral("/Clips"), typed, &boxes);
                              if (!failure.isEmpty())
                                  dialog->reject();
                          });
    QVERIFY(preferencesFromTitleMenu(window));
    QTRY_VERIFY_WITH_TIMEOUT(preferences.done(), 10000);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(boxes, QStringList{QStringLiteral("保存目录无效或无法创建，请重新选择。")});
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 5000);

    QCOMPARE(QSettings().value(QStringLiteral("save/directory")).toString(), clips);
    QVERIFY(QFileInfo(clips).isDir());
    QVERIFY(!QFileInfo::exists(QDir::current().filePath(QStringLiteral("~"))));

    const QString path = recordAudioOnly(window, 2, false);
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    QCOMPARE(QFileInfo(path).absolutePath(), clips);
}

void TestControlsProgram::preferencesKnowWhereTheyAre()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    QStringList wrong;
    for (int opening = 0; opening < 8; ++opening) {
        WhenShown preferences([] { return qobject_cast<SettingsDialog *>(QApplication::activeModalWidget()); },
                              [&](QWidget *dialog) {
                                  // Where Qt maps the middle of the dialog, and where it is on screen.
                                  const auto qtAndX = [dialog] {
                                      return qMakePair(dialog->mapToGlobal(dialog->rect().center()), centreOnScreen(dialog));
                                  };
                                  if (!QTest::qWaitForWindowExposed(dialog)
                                      || !QTest::qWaitFor([&] { return qtAndX().first == qtAndX().second; }, 5000)) {
                                      const auto [qt, x] = qtAndX();
                                      wrong << QStringLiteral("opening %1: Qt %2,%3, the X server %4,%5")
                                                   .arg(opening).arg(qt.x()).arg(qt.y()).arg(x.x()).arg(x.y());
                                  }
                                  static_cast<QDialog *>(dialog)->reject();
                              });
        QVERIFY(preferencesFromTitleMenu(window));
        QTRY_VERIFY_WITH_TIMEOUT(preferences.done(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 5000);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestControlsProgram::webcamWithoutCamera()
{
    QVERIFY2(CameraHub::devices().isEmpty(), "this machine has a camera");
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);

    // The preparation toolbar's Webcam item: a box, and the webcam stays off.
    auto *card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_FullScreen"));
    QVERIFY(card && click(centreOf(card)));
    QTRY_VERIFY_WITH_TIMEOUT(window.setupToolbar()->isVisible(), 5000);
    QTest::qWait(300);
    QToolButton *webcam = toolbarItem(window.setupToolbar(), QStringLiteral("Webcam"));
    QVERIFY(webcam);
    QString said;
    WhenShown box([] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); },
                  [&](QWidget *widget) {
                      auto *message = static_cast<QMessageBox *>(widget);
                      said = message->text();
                      screenshot(QStringLiteral("controls-no-camera"));
                      // Its button clicked where the box is on screen (with the main
                      // window hidden, the window manager need not give the box the keyboard).
                      QAbstractButton *ok = message->buttons().value(0);
                      if (!QTest::qWaitForWindowExposed(message) || !ok || !click(centreOnScreen(ok))
                          || !QTest::qWaitFor([message] { return !message->isVisible(); }, 3000)) {
                          said += QStringLiteral(" (a click did not close the box)");
                          message->reject();
                      }
                  });
    QVERIFY(click(centreOf(webcam)));
    QTRY_VERIFY_WITH_TIMEOUT(box.done(), 5000);
    QCOMPARE(said, QStringLiteral("没有检测到可用摄像头。"));
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 3000);
    QVERIFY(!window.controlsArea()->isWebcamEnabled());
    QVERIFY(webcam->text().endsWith(QStringLiteral("\nOff")));
    QVERIFY(click(centreOf(toolbarItem(window.setupToolbar(), QStringLiteral("Exit")))));
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible() && !window.setupToolbar()->isVisible(), 5000);

    // The webcam page: no camera found, and the camera tile says Off, not Starting.
    card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_Webcam"));
    QVERIFY(card && click(centreOf(card)));
    QTRY_VERIFY(window.cameraPageActive());
    auto *preview = window.cameraPage()->findChild<QLabel *>(QStringLiteral("CameraPreview"));
    QTRY_COMPARE_WITH_TIMEOUT(preview->text(),
                              QStringLiteral("No camera found. Connect a camera and return to this page."), 5000);
    QStringList states;
    for (QLabel *label : window.cameraPage()->findChildren<QLabel *>(QStringLiteral("CameraStatusOn")))
        states << label->text();
    screenshot(QStringLiteral("controls-webcam-page-no-camera"));
    QCOMPARE(states.value(0), QStringLiteral("●  Off"));
    // The control bar's names show whole (an action may give up its name for its icon),
    // also where the window changed its size while another page was shown.
    const auto cutNames = [&window] {
        QStringList cut;
        for (QAbstractButton *button : window.cameraPage()->findChild<QFrame *>(QStringLiteral("CameraControlBar"))
                                           ->findChildren<QAbstractButton *>()) {
            auto *tool = qobject_cast<QToolButton *>(button);
            if (button->isVisible() && !button->text().isEmpty()
                && !(tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                && button->sizeHint().width() > button->width())
                cut << QStringLiteral("%1 (%2 of %3 px)").arg(button->text()).arg(button->width()).arg(button->sizeHint().width());
        }
        return cut.join(QStringLiteral(", "));
    };
    QCOMPARE(cutNames(), QString());
    const int usualWidth = window.width();
    for (const int width : {usualWidth + 400, usualWidth}) {
        window.closeCameraPage();
        QTRY_VERIFY(!window.cameraPageActive());
        window.resize(width, window.height());
        QTRY_COMPARE_WITH_TIMEOUT(window.width(), width, 5000);
        QVERIFY(click(centreOf(card)));
        QTRY_VERIFY(window.cameraPageActive());
        QTRY_COMPARE_WITH_TIMEOUT(cutNames(), QString(), 2000);
    }
}

void TestControlsProgram::cameraFailureDuringWebcamRecording()
{
    CameraHub::setTestDevices(webcamtest::fakeCameras(1));
    const auto systemCameras = qScopeGuard([] { CameraHub::setTestDevices(std::nullopt); });
    webcamtest::CameraFeeder feeder("/dev/video0", webcamtest::splitPicture());

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    QSignalSpy started(window.recorder(), &Recorder::started);
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    auto *card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_Webcam"));
    QVERIFY(card && click(centreOf(card)));
    QTRY_VERIFY_WITH_TIMEOUT(window.cameraPage()->ready(), 5000);
    auto *record = window.cameraPage()->findChild<QPushButton *>(QStringLiteral("CameraRecordButton"));
    QTRY_VERIFY(record->isEnabled());
    QVERIFY(click(centreOf(record)));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 20000);
    QTest::qWait(1500);

    // Every message box that comes up is counted and answered.
    QStringList boxes;
    QTimer answer;
    answer.setInterval(100);
    connect(&answer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box->property("counted").toBool())
            return;
        box->setProperty("counted", true);
        boxes << box->text();
        screenshot(QStringLiteral("controls-camera-failed"));
        box->accept();
    });
    answer.start();
    QSignalSpy failures(window.cameraPage(), &CameraRecordingPage::captureFailed);
    feeder.stop();
    CameraHub::instance().raiseError("/dev/video0", QStringLiteral("Device unplugged"));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    QTest::qWait(2500); // longer than the page's watchdog period
    QCOMPARE(failures.size(), 1); // a later report would show its box while the file is saved
    QCOMPARE(boxes, QStringList{QStringLiteral("Device unplugged")});
    const QString path = stopped.first().first().toString();
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    QVERIFY(TestMedia::probe(path).hasVideo());
}

void TestControlsProgram::windowPickerTitlesAndRec()
{
    // A title with markup in it, and a picture it would load as rich text.
    const QString picture = m_dir.filePath(QStringLiteral("red.png"));
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(picture));
    const QString title = QStringLiteral("<b>Notes</b> & <img src=\"%1\">").arg(picture);
    TestWindowProcess other;
    QVERIFY(other.open(title, QStringLiteral("#2060c0"), QRect(1200, 150, 500, 300)));

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);

    QStringList failures;
    const auto expect = [&failures](bool condition, const QString &what) {
        if (!condition)
            failures << what;
    };
    QString tip;
    bool recLooksDisabled = false;
    WhenShown picker([] { return qobject_cast<CaptureTargetDialog *>(QApplication::activeModalWidget()); },
                     [&](QWidget *widget) {
                         auto *dialog = static_cast<CaptureTargetDialog *>(widget);
                         auto *grid = dialog->findChild<QListWidget *>();
                         QPushButton *rec = buttonByAccessibleName(dialog, QStringLiteral("REC"));
                         QListWidgetItem *item = nullptr;
                         const bool listed = QTest::qWaitForWindowExposed(dialog) && QTest::qWaitFor([&] {
                             const auto found = grid->findItems(title, Qt::MatchExactly);
                             item = found.isEmpty() ? nullptr : found.first();
                             return item != nullptr;
                         }, 5000);
                         expect(listed && rec, QStringLiteral("the window is not listed"));
                         if (!listed || !rec) {
                             dialog->reject();
                             return;
                         }
                         QTest::qWait(500);
                         // Nothing chosen: REC is disabled, looks it, and a click on it does nothing.
                         expect(grid->currentRow() < 0, QStringLiteral("a window is chosen from the start"));
                         expect(!rec->isEnabled(), QStringLiteral("REC enabled before a choice"));
                         const double before = middleRedness(rec);
                         expect(click(centreOf(rec)), QStringLiteral("no click"));
                         QTest::qWait(300);
                         expect(dialog->isVisible(), QStringLiteral("REC closed the picker without a window"));
                         screenshot(QStringLiteral("controls-picker-nothing-chosen"));

                         // The card's tool tip: the title as it is.
                         const QPoint card = grid->viewport()->mapToGlobal(grid->visualItemRect(item).center());
                         expect(pointerTo(card + QPoint(0, 40)) && pointerTo(card + QPoint(2, 42)),
                                QStringLiteral("no pointer move"));
                         QLabel *tipLabel = nullptr;
                         (void)QTest::qWaitFor([&] { return (tipLabel = visibleToolTip()) != nullptr; }, 5000);
                         tip = tipLabel ? shownText(tipLabel) : QStringLiteral("(no tool tip)");
                         screenshot(QStringLiteral("controls-picker-tool-tip"));

                         // Chosen: REC lights up.
                         expect(click(card), QStringLiteral("no click on the card"));
                         expect(QTest::qWaitFor([&] { return rec->isEnabled(); }, 3000),
                                QStringLiteral("REC stays disabled after a choice"));
                         pointerTo(QPoint(5, 600));
                         QTest::qWait(300);
                         const double after = middleRedness(rec);
                         recLooksDisabled = before < after * 0.6;
                         expect(recLooksDisabled, QStringLiteral("REC looks the same disabled (%1) and enabled (%2)")
                                                      .arg(before).arg(after));
                         dialog->reject();
                     });
    auto *card = window.findChild<QPushButton *>(QStringLiteral("ModeCard_Window"));
    QVERIFY(card && click(centreOf(card)));
    QTRY_VERIFY_WITH_TIMEOUT(picker.done(), 10000);
    QCOMPARE(tip, title);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 5000);
}

int main(int argc, char *argv[])
{
    qputenv("PATH", QByteArray(SLOW_STOP_DIR) + ':' + qgetenv("PATH"));
    // As the program does: the library's player uses Qt Multimedia's FFmpeg back end.
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the test then skips
    QApplication app(argc, argv);
    QFile style(QStringLiteral(":/styles/styles/dark.qss"));
    if (style.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(style.readAll()));
    TestControlsProgram test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_controls_program_e2e.moc"
