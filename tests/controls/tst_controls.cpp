// The controls panel's settings, mode switching and level arithmetic, the level meter
// and the advanced audio dialog, offscreen with settings in a temporary folder.
#include "dialogs/AudioSettingsDialog.h"
#include "overlays/AudioLevelWidget.h"
#include "preparation/AudioLevelReader.h"
#include "platform/mac/CameraHub.h"
#include "preparation/ControlsArea.h"
#include "preparation/ControlsAreaGeometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

template<typename T>
QByteArray samples(std::initializer_list<T> values)
{
    QByteArray bytes;
    for (T value : values)
        bytes.append(reinterpret_cast<const char *>(&value), sizeof(T));
    return bytes;
}

QPushButton *buttonWithText(QWidget *root, const QString &text)
{
    for (QPushButton *button : root->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void constructorFallbacks_data();
    void constructorFallbacks();
    void reloadAndAutomaticFps();
    void audioFormatButtons();
    void captureModeAndWebcamCard();
    void presetAndPickedRegions();
    void levelReader();
    void meterLevelsAndPeak();
    void meterReadout();
    void audioSettingsDialog();

private:
    QTemporaryDir m_config;
};

void TestControls::initTestCase()
{
    QVERIFY(m_config.isValid());
    QCoreApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    QCoreApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
}

void TestControls::init()
{
    QSettings().clear();
}

void TestControls::constructorFallbacks_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("getter");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("fps low") << "recording/fps" << QVariant(10) << "fps" << QVariant(24);
    QTest::newRow("fps high") << "recording/fps" << QVariant(240) << "fps" << QVariant(120);
    QTest::newRow("quality high") << "recording/quality" << QVariant(7) << "videoBitrate" << QVariant(16000);
    QTest::newRow("quality low") << "recording/quality" << QVariant(-3) << "videoBitrate" << QVariant(4000);
    QTest::newRow("container case") << "recording/container" << QVariant("MKV") << "videoContainer"
                                    << QVariant("mp4");
    QTest::newRow("container mkv") << "recording/container" << QVariant("mkv") << "videoContainer"
                                   << QVariant("mkv");
    QTest::newRow("frame-rate mode") << "recording/frameRateMode" << QVariant("VFR") << "frameRateMode"
                                     << QVariant("cfr");
    QTest::newRow("key frames") << "recording/keyframeInterval" << QVariant(9) << "keyframeInterval"
                                << QVariant(5);
    QTest::newRow("format case") << "recording/audioFormat" << QVariant("FLAC") << "audioFormat"
                                 << QVariant("flac");
    QTest::newRow("format unknown") << "recording/audioFormat" << QVariant("ogg") << "audioFormat"
                                    << QVariant("mp3");
    QTest::newRow("audio rate") << "recording/audioBitrate" << QVariant(256) << "audioBitrate" << QVariant(192);
    QTest::newRow("volume kept") << "audio/systemVolume" << QVariant(180) << "systemVolume" << QVariant(180);
}

void TestControls::constructorFallbacks()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QString, getter);
    QFETCH(QVariant, expected);
    QSettings().setValue(key, stored);
    ControlsArea panel;
    const QHash<QString, QVariant> values{
        {"fps", panel.fps()},
        {"videoBitrate", panel.videoBitrate()},
        {"videoContainer", panel.videoContainer()},
        {"frameRateMode", panel.frameRateMode()},
        {"keyframeInterval", panel.keyframeInterval()},
        {"audioFormat", panel.audioFormat()},
        {"audioBitrate", panel.audioBitrate()},
        {"systemVolume", panel.systemVolume()},
    };
    QCOMPARE(values.value(getter).toString(), expected.toString());
    // Construction writes nothing back.
    QCOMPARE(QSettings().value(key), stored);
}

void TestControls::reloadAndAutomaticFps()
{
    QSettings settings;
    settings.setValue("recording/container", "MKV");
    settings.setValue("recording/keyframeInterval", 9);
    ControlsArea panel;
    QCOMPARE(panel.videoContainer(), QString("mp4"));
    QCOMPARE(panel.keyframeInterval(), 5);
    settings.setValue("recording/quality", 0);
    panel.reloadRecordingSettings();
    QCOMPARE(panel.videoContainer(), QString("MKV"));
    QCOMPARE(panel.keyframeInterval(), 9);
    QCOMPARE(panel.videoBitrate(), 4000);

    panel.applyAutomaticRecordingFps(25);
    QCOMPARE(panel.fps(), 30);
    QCOMPARE(QSettings().value("recording/fps").toInt(), 30);
}

void TestControls::audioFormatButtons()
{
    QSettings().setValue("recording/audioBitrate", 320);
    ControlsArea panel;
    QComboBox *rateBox = nullptr;
    for (QComboBox *candidate : panel.findChildren<QComboBox *>()) {
        if (candidate->findData(0) >= 0 && candidate->findData(320) >= 0)
            rateBox = candidate;
    }
    QVERIFY(rateBox);
    QCOMPARE(rateBox->currentData().toInt(), 320);
    QVERIFY(rateBox->isEnabled());

    QPushButton *wav = buttonWithText(&panel, "WAV");
    QPushButton *mp3 = buttonWithText(&panel, "MP3");
    QVERIFY(wav && mp3);
    wav->click();
    QCOMPARE(panel.audioFormat(), QString("wav"));
    QCOMPARE(QSettings().value("recording/audioFormat").toString(), QString("wav"));
    QCOMPARE(rateBox->currentData().toInt(), 0);
    QVERIFY(!rateBox->isEnabled());
    QVERIFY(wav->isChecked() && !mp3->isChecked());
    QCOMPARE(panel.audioBitrate(), 320);

    mp3->click();
    QVERIFY(rateBox->isEnabled());
    QCOMPARE(rateBox->currentData().toInt(), 320);

    // Choosing a rate by hand stores it; choosing the lossless item by hand stores nothing.
    rateBox->setCurrentIndex(rateBox->findData(128));
    QCOMPARE(panel.audioBitrate(), 128);
    QCOMPARE(QSettings().value("recording/audioBitrate").toInt(), 128);
    rateBox->setCurrentIndex(rateBox->findData(0));
    QCOMPARE(panel.audioBitrate(), 128);
    QCOMPARE(QSettings().value("recording/audioBitrate").toInt(), 128);

    // A stored lossless format shows the lossless item from the start.
    QSettings().setValue("recording/audioFormat", "FLAC");
    ControlsArea second;
    for (QComboBox *candidate : second.findChildren<QComboBox *>()) {
        if (candidate->findData(0) >= 0 && candidate->findData(320) >= 0) {
            QCOMPARE(candidate->currentData().toInt(), 0);
            QVERIFY(!candidate->isEnabled());
        }
    }
    QVERIFY(buttonWithText(&second, "FLAC")->isChecked());
}

void TestControls::captureModeAndWebcamCard()
{
    CameraHub::setTestDevices(QList<CameraDeviceInfo>{{QByteArray("/dev/video0"), QStringLiteral("Camera"), {}}});
    const auto systemCameras = qScopeGuard([] { CameraHub::setTestDevices(std::nullopt); });
    ControlsArea panel;
    auto *stack = panel.findChild<QStackedWidget *>();
    auto *webcamToggle = panel.findChild<QPushButton *>(ControlsArea::WebcamToggleName);
    QVERIFY(stack && webcamToggle);
    QSignalSpy preview(&panel, &ControlsArea::preparationWebcamPreviewChanged);

    panel.setWebcamEnabled(true);
    QVERIFY(panel.isWebcamEnabled());
    QCOMPARE(preview.count(), 1);
    QCOMPARE(preview.last().at(0).toBool(), true);

    panel.setCaptureMode(CaptureMode::AudioOnly);
    QCOMPARE(panel.captureMode(), CaptureMode::AudioOnly);
    QCOMPARE(stack->currentIndex(), 2);
    QVERIFY(!panel.isWebcamEnabled());
    QCOMPARE(preview.count(), 2);
    QCOMPARE(preview.last().at(0).toBool(), false);
    QWidget *card = webcamToggle->parentWidget();
    QVERIFY(!card->isEnabled());
    QVERIFY(!card->toolTip().isEmpty());

    // The same mode again changes nothing but the card's state.
    stack->setCurrentIndex(0);
    panel.setCaptureMode(CaptureMode::AudioOnly);
    QCOMPARE(stack->currentIndex(), 0);
    QCOMPARE(preview.count(), 2);
    QVERIFY(!card->isEnabled());

    panel.setCaptureMode(CaptureMode::HighPerformance);
    QCOMPARE(stack->currentIndex(), 1);
    QVERIFY(card->isEnabled());
    QVERIFY(card->toolTip().isEmpty());
    QVERIFY(buttonWithText(&panel, "选择游戏"));

    // Switching a card on twice takes one path only.
    panel.setMicrophoneEnabled(true);
    QVERIFY(panel.isMicrophoneEnabled());
    QCOMPARE(panel.findChild<QPushButton *>(ControlsArea::MicrophoneToggleName)->text(), QString("开启"));
    panel.setMicrophoneEnabled(true);
    QVERIFY(panel.isMicrophoneEnabled());
}

void TestControls::presetAndPickedRegions()
{
    using namespace ControlsAreaGeometry;
    QCOMPARE(presetRegion(QSize(1920, 1080), DisplayGeometry::described(QRect(0, 0, 1512, 982), 2.0)), QRect(276, 221, 960, 540));
    QCOMPARE(presetRegion(QSize(1, 1), DisplayGeometry::described(QRect(0, 0, 1920, 1080), 1.0)).size(), QSize(2, 2));
    QCOMPARE(presetRegion(QSize(4000, 3000), DisplayGeometry::described(QRect(100, 50, 1920, 1080), 1.0)), QRect(100, 50, 1920, 1080));
    QCOMPARE(evenRegion(QRect(10, 20, 301, 199)), QRect(10, 20, 300, 198));
}

void TestControls::levelReader()
{
    QCOMPARE(AudioLevelReader::peakOf(samples<std::int16_t>({100, -16384, 2000}), QAudioFormat::Int16), 0.5f);
    QCOMPARE(AudioLevelReader::peakOf(samples<std::uint8_t>({128, 128, 128}), QAudioFormat::UInt8), 0.0f);
    QCOMPARE(AudioLevelReader::peakOf(samples<std::uint8_t>({128, 0}), QAudioFormat::UInt8), 1.0f);
    QCOMPARE(AudioLevelReader::peakOf(samples<std::int32_t>({-1073741824, 5}), QAudioFormat::Int32), 0.5f);
    QCOMPARE(AudioLevelReader::peakOf(samples<float>({0.25f, -0.75f}), QAudioFormat::Float), 0.75f);
    QCOMPARE(AudioLevelReader::peakOf(samples<float>({3.0f}), QAudioFormat::Float), 1.0f);
    QCOMPARE(AudioLevelReader::peakOf(samples<float>({std::numeric_limits<float>::quiet_NaN()}),
                                      QAudioFormat::Float),
             0.0f);
    QCOMPARE(AudioLevelReader::peakOf(QByteArray(), QAudioFormat::Int16), 0.0f);

    // A 16-bit stream of 16384s cut after an odd number of bytes: every block still
    // reads 0.5, where a reader that dropped the odd byte would read 64 / 32768 after it.
    const QByteArray stream = samples<std::int16_t>({16384, 16384, 16384, 16384, 16384});
    AudioLevelReader reader(QAudioFormat::Int16);
    QCOMPARE(reader.read(QByteArrayView(stream).first(3)), 0.5f);
    QCOMPARE(reader.read(QByteArrayView(stream).sliced(3, 4)), 0.5f);
    QCOMPARE(reader.read(QByteArrayView(stream).sliced(7)), 0.5f);
    // Float samples split in three.
    const QByteArray floats = samples<float>({0.125f, -0.5f});
    AudioLevelReader floatReader(QAudioFormat::Float);
    QCOMPARE(floatReader.read(QByteArrayView(floats).first(2)), 0.0f);
    QCOMPARE(floatReader.read(QByteArrayView(floats).sliced(2, 4)), 0.125f);
    QCOMPARE(floatReader.read(QByteArrayView(floats).sliced(6)), 0.5f);
}

void TestControls::meterLevelsAndPeak()
{
    AudioLevelWidget meter(QStringLiteral("输出"));
    QCOMPARE(meter.history().size(), AudioLevelWidget::HistoryLength);
    meter.setLevel(std::numeric_limits<float>::quiet_NaN());
    QCOMPARE(meter.level(), 0.0f);
    meter.setLevel(std::numeric_limits<float>::infinity());
    QCOMPARE(meter.level(), 0.0f);
    meter.setLevel(-0.5f);
    QCOMPARE(meter.level(), 0.0f);
    meter.setLevel(3.0f);
    QCOMPARE(meter.level(), 1.0f);
    QCOMPARE(meter.history().last(), 1.0f);
    QCOMPARE(meter.history().size(), AudioLevelWidget::HistoryLength);

    AudioLevelWidget held(QStringLiteral("输入"));
    held.setLevel(0.5f);
    QCOMPARE(held.peak(), 0.5f);
    for (int i = 0; i < 40; ++i)
        held.setLevel(0.1f);
    QCOMPARE(held.peak(), 0.5f);
    held.setLevel(0.1f);
    QVERIFY(std::abs(held.peak() - 0.49f) < 1e-6f);
    held.setLevel(0.1f);
    QVERIFY(std::abs(held.peak() - 0.48f) < 1e-6f);

    // Painting at sizes below the least one draws clipped, without failing.
    held.resize(80, 10);
    QImage image(held.size(), QImage::Format_ARGB32);
    held.render(&image);
    QCOMPARE(image.pixelColor(0, 0), QColor("#0d0f14"));
}

void TestControls::meterReadout()
{
    const auto readout = [](float level) { return AudioLevelWidget::readoutFor(level); };
    const QColor red("#ef4444");
    const QColor blue("#60a5fa");
    QCOMPARE(readout(0.5f).text, QString("-6 dB"));
    QCOMPARE(readout(0.5f).color, blue);
    QCOMPARE(readout(0.9f).text, QString("0 dB"));
    QCOMPARE(readout(0.9f).color, red);
    QCOMPARE(readout(0.0005f).text, QString("-∞"));
    QCOMPARE(readout(0.0005f).color, blue);
    QCOMPARE(readout(0.000001f).text, QString("-∞"));
    QCOMPARE(readout(0.000001f).color, blue);
    QCOMPARE(readout(0.01f).text, QString("-40 dB"));
}

void TestControls::audioSettingsDialog()
{
    {
        AudioSettingsDialog dialog(250, 100, true, false, 15, nullptr);
        QCOMPARE(dialog.systemVolume(), 200);
        QCOMPARE(dialog.microphoneVolume(), 100);
        QVERIFY(dialog.noiseReduction());
        QVERIFY(!dialog.mono());
        QCOMPARE(dialog.microphoneDelayMs(), 15);
        QStringList percents;
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            if (label->text().endsWith('%'))
                percents << label->text();
        }
        QCOMPARE(percents, QStringList({"200%", "100%"}));
        const QList<QSlider *> sliders = dialog.findChildren<QSlider *>();
        QCOMPARE(sliders.size(), 2);
        sliders.first()->setValue(0);
        QVERIFY(buttonWithText(&dialog, "完成"));
        bool zeroShown = false;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            zeroShown = zeroShown || label->text() == "0%";
        QVERIFY(zeroShown);
        auto *delay = dialog.findChild<QSpinBox *>();
        delay->stepBy(1);
        QCOMPARE(dialog.microphoneDelayMs(), 25);
        delay->setValue(5000);
        QCOMPARE(dialog.microphoneDelayMs(), 3000);
    }

    // Through the panel: Cancel leaves the panel's values and the settings alone;
    // Done takes all five and writes them.
    QSettings().setValue("audio/microphoneVolume", 60);
    ControlsArea panel;
    const auto editThen = [](const QString &button) {
        QTimer::singleShot(0, [button] {
            auto *dialog = qobject_cast<AudioSettingsDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (QSlider *slider : dialog->findChildren<QSlider *>())
                slider->setValue(150);
            dialog->findChild<QSpinBox *>()->setValue(120);
            for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
                box->setChecked(true);
            buttonWithText(dialog, button)->click();
        });
    };
    editThen("取消");
    panel.showAudioSettings();
    QCOMPARE(panel.systemVolume(), 100);
    QCOMPARE(panel.microphoneVolume(), 60);
    QVERIFY(!panel.noiseReduction() && !panel.mono());
    QCOMPARE(panel.microphoneDelayMs(), 0);
    QVERIFY(!QSettings().contains("audio/systemVolume"));

    editThen("完成");
    panel.showAudioSettings();
    QCOMPARE(panel.systemVolume(), 150);
    QCOMPARE(panel.microphoneVolume(), 150);
    QVERIFY(panel.noiseReduction() && panel.mono());
    QCOMPARE(panel.microphoneDelayMs(), 120);
    QSettings settings;
    QCOMPARE(settings.value("audio/systemVolume").toInt(), 150);
    QCOMPARE(settings.value("audio/mono").toBool(), true);
    QCOMPARE(settings.value("audio/microphoneDelayMs").toInt(), 120);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
