// The preferences dialog, its 120 FPS check, the close-behaviour dialog and the
// permission guide, driven through their widgets against a private settings store.

#include "dialogs/CloseBehaviorDialog.h"
#include "dialogs/EncoderChoices.h"
#include "dialogs/MicrophonePermissionDialog.h"
#include "dialogs/RecordingSettingsDialog.h"
#include "dialogs/SettingsDialog.h"
#include "recording/Recorder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>

namespace {

struct SeenBox
{
    QString title;
    QString text;
    QStringList buttons;
    int count = 0;
};

// Answers every message box that opens while the watcher lives: with the button of that
// text, with Esc for "Esc", or with the first button for "*".
class BoxAnswerer
{
public:
    explicit BoxAnswerer(const QString &answer)
        : m_answer(answer)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.buttons.clear();
            for (QAbstractButton *button : box->buttons())
                seen.buttons << button->text();
            ++seen.count;
            if (m_answer == QLatin1String("Esc")) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton *button : box->buttons()) {
                if (m_answer == QLatin1String("*") || button->text() == m_answer) {
                    button->click();
                    return;
                }
            }
        });
        m_timer.start();
    }
    SeenBox seen;

private:
    QString m_answer;
    QTimer m_timer;
};

template <typename T>
T *child(QWidget *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

QPushButton *buttonWithText(QWidget *parent, const QString &text)
{
    for (QPushButton *button : parent->findChildren<QPushButton *>())
        if (button->text() == text)
            return button;
    return nullptr;
}

QString settingsFile()
{
    return QSettings().fileName();
}

} // namespace

class TestPrefsDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadFallbacksAndSaveEveryKey();
    void unreadableColoursAndRelativeFolders();
    void homeFolderAndStartAtLogin();
    void unavailableEncodersGreyed();
    void hotkeyChecksInPageOrder();
    void presetsAndPageDefaults();
    void frameRateCheck();
    void frameRateCheckFromPreferences();
    void unwritableStoreKeepsDialogOpen();
    void closeBehaviorDialog();
    void permissionGuide();

private:
    QTemporaryDir m_home;
};

void TestPrefsDialogs::initTestCase()
{
    QApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    QApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QVERIFY(m_home.isValid());
    QStandardPaths::setTestModeEnabled(true);
    // The start-at-login entry goes to the test's own folder.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("xdg"))));
    cleanup();
}

void TestPrefsDialogs::cleanup()
{
    // Probes that answer at once: no display of 120 Hz and no hardware encoder.
    RecordingSettingsDialog::setFrameRateProbes({[] { return 60.0; }, [] { return QString(); },
                                                 [](const QString &) { return false; }});
    MicrophonePermissionDialog::setServices({});
    setEncoderListProbe([](const QString &) { return false; });
}

void TestPrefsDialogs::init()
{
    const QString configDir = m_home.filePath(QStringLiteral("config"));
    QDir(configDir).removeRecursively();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configDir);
    QSettings().clear();
}

void TestPrefsDialogs::loadFallbacksAndSaveEveryKey()
{
    {
        QSettings settings;
        settings.setValue(SettingsDialog::generalKey("closeBehavior"), 7);
        settings.setValue(QStringLiteral("recording/fps"), 25);
        settings.setValue(QStringLiteral("recording/encoder"), QStringLiteral("h264_unknown"));
        settings.setValue(QStringLiteral("effects/mouseSize"), 200);
        settings.setValue(QStringLiteral("effects/mouseColor"), QStringLiteral("#FACD15"));
        settings.setValue(QStringLiteral("save/naming"), QStringLiteral("whatever"));
        for (const char *key : {"effects/zoomEnabled", "effects/zoomFactor", "effects/followSpeed",
                                "effects/smoothing", "effects/lensSize", "effects/borderStyle",
                                "hotkeys/5"})
            settings.setValue(QString::fromLatin1(key), 1);
    }

    SettingsDialog dialog;
    QCOMPARE(dialog.currentPage(), 0);
    dialog.setCurrentPage(7);
    QCOMPARE(dialog.currentPage(), 0);
    dialog.setCurrentPage(-1);
    QCOMPARE(dialog.currentPage(), 0);

    QVERIFY(child<QRadioButton>(&dialog, QStringLiteral("CloseBehavior2"))->isChecked());
    QCOMPARE(child<QComboBox>(&dialog, QStringLiteral("RecordingFps"))->currentData().toInt(), 30);
    QCOMPARE(child<QComboBox>(&dialog, QStringLiteral("RecordingEncoder"))->currentData().toString(),
             QStringLiteral("auto"));
    QCOMPARE(child<QComboBox>(&dialog, QStringLiteral("SaveNaming"))->currentData().toString(),
             QStringLiteral("datetime"));
    QCOMPARE(child<QSlider>(&dialog, QStringLiteral("MouseSize"))->value(), 120);
    // Colours compare by value: the stored upper-case text checks the third swatch.
    QList<QPushButton *> swatches;
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        if (button->property("color").isValid())
            swatches << button;
    QCOMPARE(swatches.size(), 8);
    QVERIFY(swatches[2]->isChecked());
    QCOMPARE(std::count_if(swatches.begin(), swatches.end(), [](QPushButton *b) { return b->isChecked(); }), 1);
    // The second sidebar button is the recording page.
    QList<QPushButton *> nav;
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        if (button->objectName() == QLatin1String("Nav"))
            nav << button;
    QCOMPARE(nav.size(), 5);
    const QString folder = m_home.filePath(QStringLiteral("videos/with blank/new"));
    child<QLineEdit>(&dialog, QStringLiteral("SaveFolder"))
        ->setText(QStringLiteral("  ") + QDir::toNativeSeparators(folder) + QStringLiteral("  "));
    child<QKeySequenceEdit>(&dialog, QStringLiteral("Hotkey2"))->setKeySequence(QKeySequence());

    QVERIFY(dialog.saveSettings());
    QVERIFY(QFileInfo(folder).isDir());

    QSettings settings;
    QCOMPARE(settings.value(SettingsDialog::generalKey("closeBehavior")).toInt(), 2);
    QCOMPARE(settings.value(QStringLiteral("recording/fps")).toInt(), 30);
    QCOMPARE(settings.value(QStringLiteral("effects/mouseSize")).toInt(), 120);
    QCOMPARE(settings.value(QStringLiteral("effects/mouseColor")).toString(), QStringLiteral("#facd15"));
    QCOMPARE(settings.value(QStringLiteral("save/naming")).toString(), QStringLiteral("datetime"));
    QCOMPARE(settings.value(QStringLiteral("save/directory")).toString(), folder);
    QCOMPARE(settings.value(QStringLiteral("hotkeys/0")).toString(), QStringLiteral("Ctrl+Alt+R"));
    QVERIFY(settings.contains(QStringLiteral("hotkeys/2")));
    QCOMPARE(settings.value(QStringLiteral("hotkeys/2")).toString(), QString());
    QCOMPARE(settings.value(QStringLiteral("hotkeys/4")).toString(), QStringLiteral("Ctrl+Alt+T"));
    for (const char *key : {"effects/zoomEnabled", "effects/zoomFactor", "effects/followSpeed",
                            "effects/smoothing", "effects/lensSize", "effects/borderStyle", "hotkeys/5"})
        QVERIFY2(!settings.contains(QString::fromLatin1(key)), key);
    // Every key of the five pages, with numbers and flags written as such.
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const char *line : {"startWithWindows=false", "startMinimized=false", "closeBehavior=2",
                             "verboseLogging=false", "diskWarning=true", "diskThresholdGB=5",
                             "mouseEnabled=true", "mouseOpacity=60", "clickAnimation=true",
                             "leftClickColor=#ef3d3d", "rightClickColor=#3478f6", "container=mp4",
                             "quality=1", "encoder=auto", "frameRateMode=cfr", "keyframeInterval=2"})
        QVERIFY2(text.contains(QString::fromLatin1(line)), line);
}

void TestPrefsDialogs::unreadableColoursAndRelativeFolders()
{
    {
        QSettings settings;
        settings.setValue(QStringLiteral("effects/mouseColor"), QStringLiteral("yellowish"));
        settings.setValue(QStringLiteral("effects/leftClickColor"), QStringLiteral("#12"));
        settings.setValue(QStringLiteral("effects/rightClickColor"), QStringLiteral("#ED57A1"));
    }
    const QString home = QDir::homePath();
    QCOMPARE(SettingsDialog::resolveSaveFolder(QStringLiteral(" ~ ")), home);
    QCOMPARE(SettingsDialog::resolveSaveFolder(QStringLiteral("~/Clips/")), home + QStringLiteral("/Clips"));
    QCOMPARE(SettingsDialog::resolveSaveFolder(QStringLiteral("Clips/../Films")), home + QStringLiteral("/Films"));
    QCOMPARE(SettingsDialog::resolveSaveFolder(QStringLiteral("/srv/~/x")), QStringLiteral("/srv/~/x"));
    QCOMPARE(SettingsDialog::resolveSaveFolder(QStringLiteral("  ")), QString());

    SettingsDialog dialog;
    // The unreadable colours show the defaults that the mouse effects use instead.
    QCOMPARE(child<QPushButton>(&dialog, QStringLiteral("ColorChoice"))->text(), QStringLiteral("#EF3D3D"));
    child<QLineEdit>(&dialog, QStringLiteral("SaveFolder"))->setText(m_home.path());
    QVERIFY(dialog.saveSettings());
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("effects/mouseColor")).toString(), QStringLiteral("#facd15"));
    QCOMPARE(settings.value(QStringLiteral("effects/leftClickColor")).toString(), QStringLiteral("#ef3d3d"));
    QCOMPARE(settings.value(QStringLiteral("effects/rightClickColor")).toString(), QStringLiteral("#ed57a1"));
}

// A stored "~/Videos" is the home folder's Videos, never a "~" folder where the program
// runs; the start-at-login box writes the autostart entry and removes it again.
void TestPrefsDialogs::homeFolderAndStartAtLogin()
{
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QSettings().setValue(QStringLiteral("save/directory"), QStringLiteral("~/Videos"));
    const QString output = Recorder().makeDefaultOutputPath();
    qputenv("HOME", realHome);
    QVERIFY2(output.startsWith(m_home.filePath(QStringLiteral("Videos/"))), qPrintable(output));

    const QString entry = m_home.filePath(QStringLiteral("xdg/autostart/vistrelle.desktop"));
    SettingsDialog dialog;
    // The Save page's naming example follows the naming chosen.
    auto *naming = child<QComboBox>(&dialog, QStringLiteral("SaveNaming"));
    auto *example = child<QLabel>(&dialog, QStringLiteral("NamingExample"));
    naming->setCurrentIndex(naming->findData(QStringLiteral("sequence")));
    QVERIFY2(example->text().endsWith(QLatin1String("Recording_0001.mp4")),
             qPrintable(example->text()));
    naming->setCurrentIndex(naming->findData(QStringLiteral("vistrelle_datetime")));
    QVERIFY2(example->text().contains(QLatin1String("Vistrelle_2026")), qPrintable(example->text()));
    child<QLineEdit>(&dialog, QStringLiteral("SaveFolder"))->setText(m_home.path());
    QCheckBox *atLogin = nullptr;
    for (QCheckBox *box : dialog.findChildren<QCheckBox *>())
        if (box->text() == SettingsDialog::tr("开机时自动启动 Vistrelle"))
            atLogin = box;
    QVERIFY(atLogin);
    atLogin->setChecked(true);
    QVERIFY(dialog.saveSettings());
    QFile file(entry);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(entry));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.startsWith(QLatin1String("[Desktop Entry]\n")));
    QVERIFY2(text.contains(QStringLiteral("\nExec=\"%1\"\n").arg(QCoreApplication::applicationFilePath())), qPrintable(text));
    atLogin->setChecked(false);
    QVERIFY(dialog.saveSettings());
    QVERIFY(!QFile::exists(entry));
}

// Encoders whose test encode fails here are greyed out in both encoder lists, and they look
// it; until the test encodes answer, no hardware encoder is a choice.
void TestPrefsDialogs::unavailableEncodersGreyed()
{
    // The test encodes answer only once `answer` is set (on leaving too, so that none waits on).
    const auto answer = std::make_shared<std::atomic<bool>>(false);
    setEncoderListProbe([answer](const QString &name) {
        while (!answer->load())
            QThread::msleep(5);
        return name == QLatin1String("h264_qsv");
    });
    const auto answerAll = qScopeGuard([answer] {
        *answer = true;
        QThreadPool::globalInstance()->waitForDone();
    });
    QFile styleSheet(QStringLiteral(":/styles/styles/dark.qss"));
    QVERIFY(styleSheet.open(QIODevice::ReadOnly));
    SettingsDialog settings;
    settings.setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
    RecordingSettingsDialog options(30, 1, QStringLiteral("auto"), QStringLiteral("mp4"), QStringLiteral("cfr"), 2);
    QList<QComboBox *> lists;
    for (QComboBox *list : settings.findChildren<QComboBox *>() + options.findChildren<QComboBox *>())
        if (list->findData(QStringLiteral("h264_nvenc")) > 0)
            lists << list;
    QCOMPARE(lists.size(), 2);
    const auto enabled = [](QComboBox *list, const char *name) {
        auto *model = qobject_cast<QStandardItemModel *>(list->model());
        return model->item(list->findData(QLatin1String(name)))->isEnabled();
    };
    for (QComboBox *list : lists) {
        QVERIFY(!enabled(list, "h264_nvenc") && !enabled(list, "h264_qsv") && !enabled(list, "h264_amf"));
        QVERIFY(enabled(list, "libx264") && enabled(list, "auto"));
    }
    *answer = true;
    for (QComboBox *list : lists) {
        QTRY_VERIFY(enabled(list, "h264_qsv"));
        QVERIFY(!enabled(list, "h264_nvenc") && !enabled(list, "h264_amf"));
        QVERIFY(enabled(list, "libx264") && enabled(list, "auto"));
    }

    // In the open list, a greyed-out entry's text is darker than a choice's.
    QComboBox *list = lists.first();
    settings.show();
    QVERIFY(QTest::qWaitForWindowExposed(&settings));
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    const QImage picture = view->viewport()->grab().toImage();
    const auto brightestText = [&](const char *name) {
        const QRect row = view->visualRect(list->model()->index(list->findData(QLatin1String(name)), 0));
        const qreal ratio = picture.devicePixelRatio();
        int brightest = 0;
        for (int y = int(row.top() * ratio); y < int(row.bottom() * ratio) && y < picture.height(); ++y)
            for (int x = int(row.left() * ratio); x < int(row.right() * ratio) && x < picture.width(); ++x)
                brightest = std::max(brightest, qGray(picture.pixel(x, y)));
        return brightest;
    };
    const int choice = brightestText("libx264");
    const int unavailable = brightestText("h264_nvenc");
    list->hidePopup();
    QVERIFY2(unavailable < choice * 3 / 4,
             qPrintable(QStringLiteral("text of an unavailable encoder %1, of a choice %2").arg(unavailable).arg(choice)));
}

void TestPrefsDialogs::hotkeyChecksInPageOrder()
{
    SettingsDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QKeySequenceEdit *editors[5];
    for (int i = 0; i < 5; ++i)
        editors[i] = child<QKeySequenceEdit>(&dialog, QStringLiteral("Hotkey%1").arg(i));
    editors[0]->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Alt+A, Ctrl+Alt+B")));
    editors[2]->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Alt+R")));
    editors[3]->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Alt+R")));

    {
        BoxAnswerer answerer(QStringLiteral("*"));
        QVERIFY(!dialog.saveSettings());
        QCOMPARE(answerer.seen.title, QStringLiteral("快捷键设置"));
        QCOMPARE(answerer.seen.text, QStringLiteral("每个全局快捷键只能包含一个组合，请重新设置。"));
    }
    QCOMPARE(dialog.currentPage(), 3);
    QCOMPARE(dialog.focusWidget(), editors[0]);

    editors[0]->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Alt+F5")));
    dialog.setCurrentPage(0);
    {
        BoxAnswerer answerer(QStringLiteral("*"));
        QVERIFY(!dialog.saveSettings());
        QVERIFY(answerer.seen.text.contains(
            QKeySequence(QStringLiteral("Ctrl+Alt+R")).toString(QKeySequence::NativeText)));
        QVERIFY(answerer.seen.text.startsWith(QStringLiteral("快捷键 ")));
    }
    QCOMPARE(dialog.currentPage(), 3);
    QCOMPARE(dialog.focusWidget(), editors[3]);
    QVERIFY(!QSettings().contains(QStringLiteral("hotkeys/0")));

    // An empty folder is refused before the hot keys are looked at.
    editors[3]->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Alt+D")));
    child<QLineEdit>(&dialog, QStringLiteral("SaveFolder"))->setText(QStringLiteral("   "));
    {
        BoxAnswerer answerer(QStringLiteral("*"));
        QVERIFY(!dialog.saveSettings());
        QCOMPARE(answerer.seen.title, QStringLiteral("保存设置"));
    }
    QCOMPARE(dialog.currentPage(), 1);
    QCOMPARE(dialog.focusWidget(), child<QLineEdit>(&dialog, QStringLiteral("SaveFolder")));
}

void TestPrefsDialogs::presetsAndPageDefaults()
{
    QSettings().setValue(QStringLiteral("save/directory"), m_home.filePath(QStringLiteral("elsewhere")));
    SettingsDialog dialog;
    auto *preset = child<QComboBox>(&dialog, QStringLiteral("RecordingPreset"));
    auto *fps = child<QComboBox>(&dialog, QStringLiteral("RecordingFps"));
    auto *quality = child<QComboBox>(&dialog, QStringLiteral("RecordingQuality"));
    auto *container = child<QComboBox>(&dialog, QStringLiteral("RecordingFormat"));
    QCOMPARE(preset->currentIndex(), 0);

    container->setCurrentIndex(1);
    QCOMPARE(preset->currentIndex(), 3);
    emit preset->activated(2); // the user picks "游戏"
    QCOMPARE(container->currentData().toString(), QStringLiteral("mp4"));
    QCOMPARE(fps->currentData().toInt(), 60);
    QCOMPARE(quality->currentData().toInt(), 2);
    QCOMPARE(preset->currentIndex(), 2);
    fps->setCurrentIndex(fps->findData(120));
    QCOMPARE(preset->currentIndex(), 3);
    fps->setCurrentIndex(fps->findData(60));
    QCOMPARE(preset->currentIndex(), 2);
    emit preset->activated(3); // "自定义" changes nothing
    QCOMPARE(fps->currentData().toInt(), 60);
    fps->setCurrentIndex(fps->findData(24));
    quality->setCurrentIndex(1);
    QCOMPARE(preset->currentIndex(), 3);

    // Restore defaults touches only the page on show.
    auto *hotkey = child<QKeySequenceEdit>(&dialog, QStringLiteral("Hotkey1"));
    hotkey->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Alt+F9")));
    dialog.setCurrentPage(3);
    QPushButton *reset = buttonWithText(&dialog, QStringLiteral("恢复默认设置"));
    QVERIFY(reset);
    reset->click();
    QCOMPARE(hotkey->keySequence().toString(QKeySequence::PortableText), QStringLiteral("Ctrl+Alt+P"));
    QCOMPARE(fps->currentData().toInt(), 24);
    dialog.setCurrentPage(1);
    reset->click();
    QCOMPARE(child<QLineEdit>(&dialog, QStringLiteral("SaveFolder"))->text(),
             QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::MoviesLocation)));
    QCOMPARE(QSettings().value(QStringLiteral("save/directory")).toString(),
             m_home.filePath(QStringLiteral("elsewhere")));
    dialog.setCurrentPage(4);
    reset->click();
    QCOMPARE(fps->currentData().toInt(), 30);
    QCOMPARE(preset->currentIndex(), 0);
}

void TestPrefsDialogs::frameRateCheck()
{
    int refreshAsked = 0;
    int probes = 0;
    double refresh = 60.0;
    QString hardware;
    RecordingSettingsDialog::setFrameRateProbes({
        [&] { ++refreshAsked; return refresh; },
        [&] { ++probes; return hardware; },
        [&](const QString &name) { ++probes; return name == hardware; },
    });
    const auto check = [](int fps, const QString &encoder) {
        return new RecordingSettingsDialog(fps, 2, encoder, QStringLiteral("mp4"), QStringLiteral("cfr"), 2);
    };

    {   // 60 FPS: nothing asked.
        std::unique_ptr<RecordingSettingsDialog> dialog(check(60, QStringLiteral("auto")));
        QVERIFY(dialog->validateFrameRateBeforeAccept());
        QCOMPARE(refreshAsked + probes, 0);
    }
    {   // libx264 at 120 on a 144 Hz display: the encoder reason alone, no probe; Esc is "back".
        refresh = 144.0;
        std::unique_ptr<RecordingSettingsDialog> dialog(check(120, QStringLiteral("libx264")));
        BoxAnswerer answerer(QStringLiteral("Esc"));
        QVERIFY(!dialog->validateFrameRateBeforeAccept());
        QCOMPARE(probes, 0);
        QCOMPARE(answerer.seen.title, QStringLiteral("120 FPS 性能检查"));
        QCOMPARE(answerer.seen.text,
                 QStringLiteral("当前设备可能无法稳定录制 120 FPS：\n\n• 没有检测到可用的 H.264 GPU 硬件编码器"
                                "\n\n建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。"));
        answerer.seen.buttons.sort();
        QStringList expected({QStringLiteral("自动改为 60 FPS"), QStringLiteral("仍然使用 120 FPS"),
                              QStringLiteral("返回设置")});
        expected.sort();
        QCOMPARE(answerer.seen.buttons, expected);
        QCOMPARE(dialog->fps(), 120);
    }
    {   // 119.0 Hz and a working encoder: no question.
        refresh = 119.0;
        hardware = QStringLiteral("h264_nvenc");
        std::unique_ptr<RecordingSettingsDialog> dialog(check(120, QStringLiteral("auto")));
        BoxAnswerer answerer(QStringLiteral("*"));
        QVERIFY(dialog->validateFrameRateBeforeAccept());
        QCOMPARE(answerer.seen.count, 0);
        std::unique_ptr<RecordingSettingsDialog> named(check(120, QStringLiteral("h264_nvenc")));
        QVERIFY(named->validateFrameRateBeforeAccept());
        QCOMPARE(answerer.seen.count, 0);
    }
    {   // 118.6 Hz reads 119 Hz; both reasons in order; "keep" keeps 120.
        refresh = 118.6;
        hardware.clear();
        std::unique_ptr<RecordingSettingsDialog> dialog(check(120, QStringLiteral("h264_qsv")));
        BoxAnswerer answerer(QStringLiteral("仍然使用 120 FPS"));
        QVERIFY(dialog->validateFrameRateBeforeAccept());
        QVERIFY(answerer.seen.text.contains(QStringLiteral(
            "• 当前显示器最高刷新率约为 119 Hz\n• 没有检测到可用的 H.264 GPU 硬件编码器")));
        QCOMPARE(dialog->fps(), 120);
    }
    {   // "Switch to 60" changes the frame rate.
        std::unique_ptr<RecordingSettingsDialog> dialog(check(120, QStringLiteral("auto")));
        BoxAnswerer answerer(QStringLiteral("自动改为 60 FPS"));
        QVERIFY(dialog->validateFrameRateBeforeAccept());
        QCOMPARE(dialog->fps(), 60);
        QCOMPARE(dialog->bitrateKbps(), 16000);
    }
    {   // Out-of-range arguments and presets.
        RecordingSettingsDialog dialog(120, 7, QStringLiteral("h264_videotoolbox"), QStringLiteral("avi"),
                                       QStringLiteral("vfr"), 3);
        QCOMPARE(dialog.quality(), 2);
        QCOMPARE(dialog.encoder(), QStringLiteral("auto"));
        QCOMPARE(dialog.container(), QStringLiteral("mp4"));
        QCOMPARE(dialog.keyframeInterval(), 2);
        dialog.applyPreset(0);
        QCOMPARE(dialog.fps(), 30);
        QCOMPARE(dialog.bitrateKbps(), 8000);
        QCOMPARE(dialog.frameRateMode(), QStringLiteral("vfr"));
    }
}

void TestPrefsDialogs::frameRateCheckFromPreferences()
{
    SettingsDialog dialog;
    auto *fps = child<QComboBox>(&dialog, QStringLiteral("RecordingFps"));
    fps->setCurrentIndex(fps->findData(120));
    {
        BoxAnswerer answerer(QStringLiteral("返回设置"));
        QVERIFY(!dialog.saveSettings());
        QVERIFY(answerer.seen.text.contains(QStringLiteral("约为 60 Hz")));
    }
    QCOMPARE(dialog.currentPage(), 4);
    QVERIFY(!QSettings().contains(QStringLiteral("recording/fps")));
    {
        BoxAnswerer answerer(QStringLiteral("自动改为 60 FPS"));
        QVERIFY(dialog.saveSettings());
    }
    QCOMPARE(fps->currentData().toInt(), 60);
    QCOMPARE(QSettings().value(QStringLiteral("recording/fps")).toInt(), 60);
}

void TestPrefsDialogs::unwritableStoreKeepsDialogOpen()
{
    // A configuration folder below a regular file cannot be created, even by root.
    QFile blocker(m_home.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName() + QStringLiteral("/config"));

    SettingsDialog dialog;
    child<QLineEdit>(&dialog, QStringLiteral("SaveFolder"))->setText(m_home.path());
    QSignalSpy applied(&dialog, &SettingsDialog::settingsApplied);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    BoxAnswerer answerer(QStringLiteral("*"));
    QPushButton *ok = buttonWithText(&dialog, QStringLiteral("确定"));
    QVERIFY(ok);
    ok->click();
    QCOMPARE(answerer.seen.title, QStringLiteral("设置"));
    QCOMPARE(answerer.seen.text, QStringLiteral("设置写入失败，请检查当前用户的配置权限。"));
    QCOMPARE(applied.count(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);

    // The same dialog saves once the store works again, and reports it.
    init();
    ok->click();
    QCOMPARE(applied.count(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestPrefsDialogs::closeBehaviorDialog()
{
    {   // OK untouched: tray, not remembered.
        vc::CloseBehaviorDialog dialog(false);
        QTimer::singleShot(0, &dialog, [&] { buttonWithText(&dialog, QStringLiteral("确定"))->click(); });
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(dialog.choice(), vc::MinimizeToTray);
        QVERIFY(!dialog.rememberChoice());
    }
    {   // Quit then tray again is tray; the remember box is read.
        vc::CloseBehaviorDialog dialog(true);
        auto radios = dialog.findChildren<QRadioButton *>();
        QCOMPARE(radios.size(), 2);
        radios[1]->click();
        QCOMPARE(dialog.choice(), vc::Quit);
        radios[0]->click();
        QCOMPARE(dialog.choice(), vc::MinimizeToTray);
        radios[1]->click();
        dialog.findChild<QCheckBox *>()->click();
        QTimer::singleShot(0, &dialog, [&] { buttonWithText(&dialog, QStringLiteral("确定"))->click(); });
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(dialog.choice(), vc::Quit);
        QVERIFY(dialog.rememberChoice());
    }
    {   // Esc and the close button cancel whatever was chosen.
        vc::CloseBehaviorDialog dialog(false);
        dialog.findChildren<QRadioButton *>()[1]->click();
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(dialog.exec(), 0);
        QTimer::singleShot(0, &dialog, [&] { buttonWithText(&dialog, QStringLiteral("✕"))->click(); });
        QCOMPARE(dialog.exec(), 0);
    }
    {   // The top band drags the window; a press lower down does not.
        vc::CloseBehaviorDialog dialog(false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.move(300, 200);
        const QPoint start = dialog.pos();
        QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(120, 30));
        QMouseEvent move(QEvent::MouseMove, QPointF(150, 70), dialog.mapToGlobal(QPointF(150, 70)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&dialog, &move);
        QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(150, 70));
        QCOMPARE(dialog.pos(), start + QPoint(30, 40));
        const QPoint moved = dialog.pos();
        QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(120, 150));
        QMouseEvent lower(QEvent::MouseMove, QPointF(160, 190), dialog.mapToGlobal(QPointF(160, 190)),
                          Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&dialog, &lower);
        QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(160, 190));
        QCOMPARE(dialog.pos(), moved);
    }
}

void TestPrefsDialogs::permissionGuide()
{
    QStringList opened;
    bool openerWorks = true;
    MicrophonePermissionDialog::setServices({
        [](MicrophonePermissionDialog::Permission kind) {
            return kind == MicrophonePermissionDialog::ScreenRecording ? QStringLiteral("test:screen")
                                                                      : QStringLiteral("test:microphone");
        },
        [&](const QUrl &url) { opened << url.toString(); return openerWorks; },
    });
    const QString openText = QStringLiteral("Open Settings ↗");
    {
        MicrophonePermissionDialog dialog(nullptr, MicrophonePermissionDialog::ScreenRecording);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Enable Screen Recording"));
        QTimer::singleShot(0, &dialog, [&] { buttonWithText(&dialog, openText)->click(); });
        QCOMPARE(dialog.exec(), 1);
    }
    for (int kind : {0, 7}) {
        MicrophonePermissionDialog dialog(nullptr, MicrophonePermissionDialog::Permission(kind));
        QVERIFY(buttonWithText(&dialog, openText)->isDefault());
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
        QCOMPARE(dialog.exec(), 1);
    }
    QCOMPARE(opened, QStringList({QStringLiteral("test:screen"), QStringLiteral("test:microphone"),
                                  QStringLiteral("test:microphone")}));
    {   // A link that does not open: the warning, and the guide stays until "Not now".
        openerWorks = false;
        MicrophonePermissionDialog dialog(nullptr, MicrophonePermissionDialog::Microphone);
        BoxAnswerer answerer(QStringLiteral("*"));
        bool stayed = false;
        QTimer::singleShot(0, &dialog, [&] {
            buttonWithText(&dialog, openText)->click();
            stayed = dialog.isVisible();
            buttonWithText(&dialog, QStringLiteral("Not now"))->click();
        });
        QCOMPARE(dialog.exec(), 0);
        QVERIFY(stayed);
        QCOMPARE(answerer.seen.title, QStringLiteral("Enable Microphone Access"));
        QCOMPARE(answerer.seen.text, QStringLiteral(
            "Open System Settings > Privacy & Security > Microphone and allow Vistrelle."));
    }
    {   // This platform's own table has no page: no button, and Enter means "Not now".
        MicrophonePermissionDialog::setServices({{}, [&](const QUrl &url) { opened << url.toString(); return true; }});
        QVERIFY(MicrophonePermissionDialog::platformSettingsLink(MicrophonePermissionDialog::Microphone).isEmpty());
        MicrophonePermissionDialog dialog(nullptr, MicrophonePermissionDialog::ScreenRecording);
        QVERIFY(!buttonWithText(&dialog, openText));
        QVERIFY(buttonWithText(&dialog, QStringLiteral("Not now"))->isDefault());
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
        QCOMPARE(dialog.exec(), 0);
        QCOMPARE(opened.size(), 4);
    }
}

QTEST_MAIN(TestPrefsDialogs)
#include "tst_prefs_dialogs.moc"
