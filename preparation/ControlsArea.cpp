#include "preparation/ControlsArea.h"

#include "recording/NumberText.h"
#include "widgets/TintedIcon.h"
#include "dialogs/AudioSettingsDialog.h"
#include "dialogs/SettingsDialog.h"
#include "platform/mac/DisplayGeometry.h"
#include "overlays/AudioLevelWidget.h"
#include "preparation/AreaDropdown.h"
#include "preparation/AreaPicker.h"
#include "preparation/AudioDeviceWatcher.h"
#include "preparation/AudioLevelReader.h"
#include "preparation/AudioOutputMonitor.h"
#include "preparation/CaptureTargetDialog.h"
#include "preparation/ControlsAreaGeometry.h"
#include "preparation/RecButtons.h"
#include "preparation/RegionOverlay.h"

#include <QActionGroup>
#include <QApplication>
#include <QAudioDevice>
#include <QAudioSource>
#include <QComboBox>
#include <QCursor>
#include <QDateTime>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <algorithm>
#include <cmath>

namespace {

const char *const CardStyle =
    "QWidget#DevCard{  background:qlineargradient(x1:0,y1:0,x2:1,y2:1,stop:0 #121e30,stop:1 #0b1626);"
    "  border-radius:11px;  border:1px solid #29384d;}"
    "QWidget#DevCard:disabled{background:#0c1523;border-color:#202d40;}";

const char *const ToggleOnStyle =
    "QPushButton{  background:#3558c8; border:none; border-radius:7px;  color:#f5f8ff; font-size:13px;"
    " font-weight:500;  padding:2px 10px; min-width:50px;}"
    "QPushButton:disabled{background:#283342;color:#77859a;}";
const char *const ToggleOffStyle =
    "QPushButton{  background:#424b58; border:none; border-radius:7px;  color:#d0d6df; font-size:13px;"
    " font-weight:400;  padding:2px 10px; min-width:50px;}"
    "QPushButton:disabled{background:#283342;color:#77859a;}";
const char *const ActionButtonStyle =
    "QPushButton{  background:transparent; border:1px solid #4561c9; border-radius:7px;  color:#e1e7f2;"
    " font-size:13px; padding:3px 10px;}"
    "QPushButton:hover{background:#17284a;border-color:#6b86ff;color:white;}"
    "QPushButton:disabled{background:transparent;border-color:#273852;color:#71809a;}";
const char *const TileOnStyle =
    "QPushButton{background:qlineargradient(x1:0,y1:0,x2:1,y2:1,stop:0 #3149a8,stop:1 #315ed7);"
    "border:1px solid #5d82ff;border-radius:11px;color:white;}QPushButton:hover{background:#365dd0;}";
const char *const TileOffStyle =
    "QPushButton{background:#101b2b;border:1px solid #2a394f;border-radius:11px;color:#b4bfd0;}"
    "QPushButton:hover{background:#1a2d49;border-color:#5879a9;color:#f2f6ff;}"
    "QPushButton:pressed{background:#203657;border-color:#6a8fc5;}";
const char *const FormatOnStyle =
    "QPushButton{background:#254582;border:1px solid #4f83ff;border-radius:7px;color:white;font-weight:600;}";
const char *const FormatOffStyle =
    "QPushButton{background:#101b2b;border:1px solid #304057;border-radius:7px;color:#aebbd0;}";
const char *const BitrateBoxStyle =
    "QComboBox{background:#101b2b;border:1px solid #304057;border-radius:7px;color:#c8d4e6;padding:0 9px;}"
    "QComboBox:disabled{color:#73829a;background:#0d1725;}"
    "QComboBox::drop-down{border:0;width:22px;}"
    "QComboBox QAbstractItemView{background:#132136;color:#dce6f5;selection-background-color:#285fc1;"
    "border:1px solid #344b69;}";
const char *const DeviceMenuStyle =
    "QMenu{background:#142238;color:#dce6f7;border:1px solid #344a69;padding:6px;border-radius:7px;}"
    "QMenu::item{min-width:210px;padding:7px 25px 7px 10px;border-radius:5px;}"
    "QMenu::item:selected{background:#285ba6;color:white;}"
    "QMenu::item:checked{color:#79a8ff;font-weight:600;}"
    "QMenu::separator{height:1px;background:#30445f;margin:5px 8px;}"
    "QMenu::indicator{width:13px;height:13px;}";
const char *const PopupStyle =
    "QFrame#AudioTestPopup{background:#152238;border:1px solid #3a5275;border-radius:10px;}"
    "QLabel{background:transparent;color:#d7e2f3;font-size:11px;}"
    "QLabel#SignalHint{color:#8299ba;}"
    "QPushButton{background:transparent;border:none;color:#67a0ff;font-size:11px;}"
    "QPushButton:hover{color:#91bbff;}";

const float SignalThreshold = 0.006f;
const int SilenceHintDelayMs = 3000;
// A press on a test button this soon after its popup was hidden is the press that
// closed the popup, handed on to the button.
const int ReplayedPressMs = 100;

int videoBitrateForQuality(int quality)
{
    static const int table[] = {4000, 8000, 16000};
    return table[std::clamp(quality, 0, 2)];
}

qreal iconRatio()
{
    return std::max<qreal>(qApp->devicePixelRatio(), 1.0);
}

QPixmap tintedSvgPixmap(const QString &path, const QSize &size, const QColor &color)
{
    return tintedPixmap(path, size, color, iconRatio());
}

QPushButton *makeModeTile(QWidget *parent, const QString &iconPath, const QString &text)
{
    auto *tile = new QPushButton(parent);
    tile->setCheckable(true);
    tile->setCursor(Qt::PointingHandCursor);
    tile->setFixedSize(123, 118);
    tile->setProperty("iconPath", iconPath);
    auto *layout = new QVBoxLayout(tile);
    layout->setContentsMargins(0, 13, 0, 10);
    layout->setSpacing(5);
    auto *icon = new QLabel(tile);
    icon->setObjectName(QStringLiteral("ModeIcon"));
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(tintedSvgPixmap(iconPath, QSize(48, 48), QColor("#dfe6f5")));
    icon->setStyleSheet(QStringLiteral("background:transparent;border:none;"));
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *label = new QLabel(text, tile);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("font-size:15px;background:transparent;border:none;color:#f1f4fa;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(icon);
    layout->addWidget(label);
    return tile;
}

void tintModeTileIcon(QPushButton *tile, bool on)
{
    auto *icon = tile->findChild<QLabel *>(QStringLiteral("ModeIcon"));
    if (!icon)
        return;
    icon->setPixmap(tintedSvgPixmap(tile->property("iconPath").toString(), QSize(48, 48),
                                    QColor(on ? "#f4f7ff" : "#d6deeb")));
}

QRect primaryScreenGeometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
}

QString primaryScreenSizeText()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QStringLiteral("1920 × 1080");
    const QSize pixels = DisplayGeometry::of(screen).nativeGeometry.size();
    return QStringLiteral("%1 × %2").arg(pixels.width()).arg(pixels.height());
}

void fitButtonWidth(QPushButton *button)
{
    if (!button)
        return;
    const int advance = button->fontMetrics().horizontalAdvance(button->text());
    button->setMinimumWidth(std::max(advance, 42) + 30);
}

void setButtonText(QPushButton *button, const QString &text)
{
    if (!button)
        return;
    button->setText(text);
    fitButtonWidth(button);
}

QPixmap deviceIconPixmap(const QString &iconPath, bool on, bool struck, const QSize &size)
{
    QPixmap pixmap = tintedSvgPixmap(iconPath, size, QColor(on ? "#5d82ff" : "#687386"));
    if (on || !struck || pixmap.isNull())
        return pixmap;
    const qreal w = pixmap.width() / pixmap.devicePixelRatio();
    const qreal h = pixmap.height() / pixmap.devicePixelRatio();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor("#ff4b42"), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
    painter.drawLine(QPointF(0.2 * w, 0.8 * h), QPointF(0.8 * w, 0.2 * h));
    return pixmap;
}

// Marks the item that stands for a stored device the sound server does not offer now.
const int UnavailableRole = Qt::UserRole + 1;

// Selects the device item whose id is the stored one (exact), else the default item in
// front. A stored id that is not offered now (the device is unplugged, or the sound
// server cannot be reached) stays the choice until the user picks another device: it
// gets an item of its own, marked unavailable, under the name it was chosen by.
void selectStoredDevice(QComboBox *box, const QVariant &stored, const QString &storedName,
                        const QString &unavailableText)
{
    int index = 0;
    const bool chosen = !stored.toByteArray().isEmpty();
    for (int i = 1; chosen && i < box->count(); ++i) {
        if (box->itemData(i) == stored) {
            index = i;
            break;
        }
    }
    if (chosen && index == 0) {
        const QString name = storedName.isEmpty() ? QString::fromUtf8(stored.toByteArray()) : storedName;
        box->addItem(unavailableText.arg(name), stored);
        index = box->count() - 1;
        box->setItemData(index, true, UnavailableRole);
    }
    box->setCurrentIndex(index);
}

bool isUnavailableChoice(const QComboBox *box)
{
    return box && box->currentData(UnavailableRole).toBool();
}

// The device's name without the unavailable mark, as it is remembered with its id.
QString chosenDeviceName(const QComboBox *box, const QString &stored)
{
    if (!box || box->currentIndex() <= 0)
        return QString();
    return isUnavailableChoice(box) ? stored : box->currentText();
}

void warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

} // namespace

ControlsArea::ControlsArea(QWidget *parent) : QWidget(parent)
{
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { onApplicationStateChanged(state); });

    {
        QSettings settings;
        m_fps = std::clamp(settings.value(QStringLiteral("recording/fps"), 30).toInt(), 24, 120);
        m_quality = std::clamp(settings.value(QStringLiteral("recording/quality"), 1).toInt(), 0, 2);
        m_videoBitrate = videoBitrateForQuality(m_quality);
        m_encoder = settings.value(QStringLiteral("recording/encoder"), QStringLiteral("auto")).toString();
        m_container = settings.value(QStringLiteral("recording/container"), QStringLiteral("mp4")).toString()
                              == QLatin1String("mkv")
                          ? QStringLiteral("mkv")
                          : QStringLiteral("mp4");
        m_frameRateMode =
            settings.value(QStringLiteral("recording/frameRateMode"), QStringLiteral("cfr")).toString()
                    == QLatin1String("vfr")
                ? QStringLiteral("vfr")
                : QStringLiteral("cfr");
        m_keyframeInterval =
            std::clamp(settings.value(QStringLiteral("recording/keyframeInterval"), 2).toInt(), 1, 5);
        const QString format =
            settings.value(QStringLiteral("recording/audioFormat"), QStringLiteral("mp3")).toString().toLower();
        m_audioFormat = QStringList{QStringLiteral("mp3"), QStringLiteral("m4a"), QStringLiteral("wav"),
                                    QStringLiteral("flac")}
                                .contains(format)
                            ? format
                            : QStringLiteral("mp3");
        const int bitrate = settings.value(QStringLiteral("recording/audioBitrate"), 192).toInt();
        m_audioBitrate = (bitrate == 128 || bitrate == 192 || bitrate == 320) ? bitrate : 192;
    }

    setObjectName(QStringLiteral("ControlsArea"));
    setFixedHeight(184);
    setStyleSheet(QStringLiteral("QWidget#ControlsArea{background:transparent;}"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(15, 6, 15, 6);
    row->setSpacing(9);

    // Mode card with its three pages.
    auto *modeCard = new QWidget(this);
    modeCard->setObjectName(QStringLiteral("DevCard"));
    modeCard->setStyleSheet(QString::fromLatin1(CardStyle));
    modeCard->setFixedWidth(274);
    auto *modeCardLayout = new QVBoxLayout(modeCard);
    modeCardLayout->setContentsMargins(0, 0, 0, 0);
    modeCardLayout->setSpacing(0);
    m_modeStack = new QStackedWidget(modeCard);
    m_modeStack->setStyleSheet(QStringLiteral("background:transparent;border:none;"));
    modeCardLayout->addWidget(m_modeStack);

    auto *screenPage = new QWidget(m_modeStack);
    auto *screenLayout = new QVBoxLayout(screenPage);
    screenLayout->setContentsMargins(10, 9, 10, 9);
    screenLayout->setSpacing(7);
    auto *tiles = new QHBoxLayout;
    tiles->setSpacing(8);
    m_fullScreenTile = makeModeTile(screenPage, QStringLiteral(":/icons/icons/monitor.svg"), tr("全屏"));
    m_fullScreenTile->setChecked(true);
    m_areaTile = makeModeTile(screenPage, QStringLiteral(":/icons/icons/region.svg"), tr("自定义"));
    tiles->addWidget(m_fullScreenTile);
    tiles->addWidget(m_areaTile);
    screenLayout->addLayout(tiles);
    m_areaChevron = new QLabel(m_areaTile);
    m_areaChevron->setFixedSize(14, 14);
    m_areaChevron->move(m_areaTile->width() - 22, (m_areaTile->height() - m_areaChevron->height()) / 2);
    m_areaChevron->setAlignment(Qt::AlignCenter);
    m_areaChevron->setPixmap(
        tintedSvgPixmap(QStringLiteral(":/icons/icons/chevron_down.svg"), QSize(11, 11), QColor("#aebbd0")));
    m_areaChevron->setStyleSheet(QStringLiteral("background:transparent;border:none;"));
    m_areaChevron->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_sizeLabel = new QLabel(primaryScreenSizeText(), modeCard);
    m_sizeLabel->setAlignment(Qt::AlignCenter);
    m_sizeLabel->setStyleSheet(QStringLiteral("font-size:13px;color:#7b8ba7;background:transparent;"));
    screenLayout->addWidget(m_sizeLabel);
    setArea(primaryScreenGeometry());
    m_areaPresets = new AreaDropdown(this);
    m_areaPresets->hide();
    connect(m_areaPresets, &AreaDropdown::areaSelected, this, &ControlsArea::onAreaSelected);
    connect(m_areaTile, &QPushButton::clicked, this, &ControlsArea::toggleAreaPresets);
    connect(m_fullScreenTile, &QPushButton::clicked, this, &ControlsArea::selectFullScreen);

    auto *targetPage = new QWidget(m_modeStack);
    auto *targetLayout = new QVBoxLayout(targetPage);
    targetLayout->setContentsMargins(14, 10, 14, 10);
    targetLayout->setSpacing(5);
    m_targetIcon = new QLabel(targetPage);
    m_targetIcon->setAlignment(Qt::AlignCenter);
    m_targetIcon->setPixmap(
        tintedSvgPixmap(QStringLiteral(":/icons/icons/window.svg"), QSize(46, 46), QColor("#71809a")));
    m_targetIcon->setStyleSheet(QStringLiteral("background:transparent;"));
    m_targetTitle = new QLabel(tr("尚未选择窗口"), targetPage);
    m_targetTitle->setAlignment(Qt::AlignCenter);
    m_targetTitle->setWordWrap(true);
    m_targetTitle->setTextFormat(Qt::PlainText); // other programs' window titles
    m_targetTitle->setStyleSheet(QStringLiteral("font-size:13px;color:#eef3ff;background:transparent;"));
    m_targetSubtitle = new QLabel(tr("请选择录制目标"), targetPage);
    m_targetSubtitle->setAlignment(Qt::AlignCenter);
    m_targetSubtitle->setTextFormat(Qt::PlainText);
    m_targetSubtitle->setStyleSheet(QStringLiteral("font-size:10px;color:#7d8ba5;background:transparent;"));
    m_chooseTargetButton = new QPushButton(tr("选择窗口"), targetPage);
    m_chooseTargetButton->setFixedHeight(29);
    m_chooseTargetButton->setCursor(Qt::PointingHandCursor);
    m_chooseTargetButton->setStyleSheet(
        QStringLiteral("QPushButton{background:#253c63;border:1px solid #3f5e91;border-radius:7px;"
                       "color:#dbe5f6;font-size:12px;}QPushButton:hover{background:#304b78;}"));
    connect(m_chooseTargetButton, &QPushButton::clicked, this, &ControlsArea::chooseCaptureTarget);
    targetLayout->addWidget(m_targetIcon);
    targetLayout->addWidget(m_targetTitle, 1);
    targetLayout->addWidget(m_targetSubtitle);
    targetLayout->addWidget(m_chooseTargetButton);

    auto *audioPage = new QWidget(m_modeStack);
    auto *audioLayout = new QVBoxLayout(audioPage);
    audioLayout->setContentsMargins(14, 13, 14, 13);
    audioLayout->setSpacing(8);
    auto *audioIcon = new QLabel(audioPage);
    audioIcon->setAlignment(Qt::AlignCenter);
    audioIcon->setPixmap(
        tintedSvgPixmap(QStringLiteral(":/icons/icons/audio.svg"), QSize(42, 42), QColor("#5d82ff")));
    auto *audioHeading = new QLabel(tr("纯音频录制"), audioPage);
    audioHeading->setAlignment(Qt::AlignCenter);
    audioHeading->setStyleSheet(QStringLiteral("color:#eef3ff;font-size:14px;font-weight:600;"));
    audioLayout->addWidget(audioIcon);
    audioLayout->addWidget(audioHeading);
    auto *formats = new QHBoxLayout;
    formats->setSpacing(6);
    const char *const formatTexts[] = {"MP3", "M4A", "WAV", "FLAC"};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(QString::fromLatin1(formatTexts[i]), audioPage);
        button->setCheckable(true);
        button->setProperty("audioFormat", QString::fromLatin1(formatTexts[i]).toLower());
        button->setFixedHeight(29);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, [this, button] {
            m_audioFormat = button->property("audioFormat").toString();
            QSettings().setValue(QStringLiteral("recording/audioFormat"), m_audioFormat);
            updateAudioFormatButtons();
        });
        m_formatButtons[i] = button;
        formats->addWidget(button);
    }
    audioLayout->addLayout(formats);
    auto *qualityRow = new QHBoxLayout;
    qualityRow->setSpacing(8);
    auto *qualityLabel = new QLabel(tr("音质"), audioPage);
    qualityLabel->setStyleSheet(QStringLiteral("color:#8392aa;font-size:10px;"));
    m_audioBitrateBox = new QComboBox(audioPage);
    m_audioBitrateBox->setFixedHeight(29);
    m_audioBitrateBox->setStyleSheet(QString::fromLatin1(BitrateBoxStyle));
    m_audioBitrateBox->addItem(tr("128 kbps · 较小"), 128);
    m_audioBitrateBox->addItem(tr("192 kbps · 推荐"), 192);
    m_audioBitrateBox->addItem(tr("320 kbps · 高质量"), 320);
    m_audioBitrateBox->addItem(tr("无损 · 由格式决定"), 0);
    connect(m_audioBitrateBox, &QComboBox::currentIndexChanged, this, [this] {
        const int bitrate = m_audioBitrateBox->currentData().toInt();
        if (bitrate < 1)
            return;
        m_audioBitrate = bitrate;
        QSettings().setValue(QStringLiteral("recording/audioBitrate"), bitrate);
    });
    qualityRow->addWidget(qualityLabel, 0);
    qualityRow->addWidget(m_audioBitrateBox, 1);
    audioLayout->addLayout(qualityRow);
    updateAudioFormatButtons();

    m_modeStack->addWidget(screenPage);
    m_modeStack->addWidget(targetPage);
    m_modeStack->addWidget(audioPage);
    updateModeStyle();
    row->addWidget(modeCard);

    // Device cards.
    QPushButton *webcamAction = nullptr;
    m_webcamCard = makeDeviceCard(QStringLiteral(":/icons/icons/webcam.svg"), tr("录摄像头"), &m_webcamOn,
                                  m_webcamToggle, webcamAction, tr("设置"), nullptr, nullptr);
    auto *speakerCard = makeDeviceCard(QStringLiteral(":/icons/icons/audio.svg"), tr("扬声器"), &m_speakerOn,
                                       m_speakerToggle, m_speakerTestButton, tr("试音"), &m_speakerBox,
                                       &m_speakerMenuButton);
    auto *microphoneCard =
        makeDeviceCard(QStringLiteral(":/icons/icons/mic.svg"), tr("麦克风"), &m_microphoneOn, m_microphoneToggle,
                       m_microphoneTestButton, tr("试音"), &m_microphoneBox, &m_microphoneMenuButton);
    m_webcamToggle->setObjectName(QString::fromLatin1(WebcamToggleName));
    m_speakerToggle->setObjectName(QString::fromLatin1(SpeakerToggleName));
    m_microphoneToggle->setObjectName(QString::fromLatin1(MicrophoneToggleName));
    m_speakerTestButton->setObjectName(QString::fromLatin1(SpeakerTestName));
    m_microphoneTestButton->setObjectName(QString::fromLatin1(MicrophoneTestName));
    m_speakerMenuButton->setObjectName(QString::fromLatin1(SpeakerMenuName));
    m_microphoneMenuButton->setObjectName(QString::fromLatin1(MicrophoneMenuName));
    for (const bool system : {true, false}) {
        QPushButton *button = system ? m_speakerTestButton : m_microphoneTestButton;
        // Where the press that closes a popup is handed on to the widget under the
        // pointer, a click on the test button while its popup is open would stop the
        // test (the popup's end) and start it again (the click): that click is left out.
        connect(button, &QPushButton::pressed, this, [button] {
            const QVariant hiddenAt = button->property("popupHiddenAt");
            button->setProperty("popupHiddenAt", QVariant());
            button->setProperty("replayedPress", hiddenAt.isValid()
                                                     && QDateTime::currentMSecsSinceEpoch() - hiddenAt.toLongLong()
                                                            < ReplayedPressMs);
        });
        connect(button, &QPushButton::clicked, this, [this, button, system] {
            if (button->property("replayedPress").toBool()) {
                button->setProperty("replayedPress", false);
                return;
            }
            toggleTest(system);
        });
    }
    connect(m_speakerMenuButton, &QPushButton::clicked, this,
            [this] { showSystemDeviceMenu(m_speakerMenuButton); });
    connect(m_microphoneMenuButton, &QPushButton::clicked, this,
            [this] { showMicrophoneDeviceMenu(m_microphoneMenuButton); });

    {
        QSettings settings;
        m_systemVolume = settings.value(QStringLiteral("audio/systemVolume"), 100).toInt();
        m_microphoneVolume = settings.value(QStringLiteral("audio/microphoneVolume"), 100).toInt();
        m_noiseReduction = settings.value(QStringLiteral("audio/noiseReduction"), false).toBool();
        m_mono = settings.value(QStringLiteral("audio/mono"), false).toBool();
        m_microphoneDelayMs = settings.value(QStringLiteral("audio/microphoneDelayMs"), 0).toInt();
    }
    // A pick from the menu: the id and, to show it while it is unplugged, the name.
    connect(m_speakerBox, &QComboBox::currentIndexChanged, this, [this] {
        QSettings settings;
        const QString key = QStringLiteral("audio/systemDeviceName");
        settings.setValue(key, chosenDeviceName(m_speakerBox, settings.value(key).toString()));
        settings.setValue(QStringLiteral("audio/systemDeviceId"), systemAudioDeviceId());
    });
    connect(m_microphoneBox, &QComboBox::currentIndexChanged, this, [this] {
        QSettings settings;
        const QString key = QStringLiteral("audio/microphoneDeviceName");
        settings.setValue(key, chosenDeviceName(m_microphoneBox, settings.value(key).toString()));
        settings.setValue(QStringLiteral("audio/microphoneDeviceId"), microphoneDeviceId());
    });

    connect(webcamAction, &QPushButton::clicked, this, [this] { showWebcamSettings(); });

    row->addWidget(m_webcamCard, 1);
    row->addWidget(speakerCard, 1);
    row->addWidget(microphoneCard, 1);

    // REC button.
    m_recButton = new AnimatedRecButton(this);
    m_recButton->setObjectName(QString::fromLatin1(RecButtonName));
    m_recButton->setCursor(Qt::PointingHandCursor);
    m_recButton->setFixedSize(132, 132);
    m_recButton->setFlat(true);
    m_recButton->setStyleSheet(QStringLiteral("background:transparent;border:0;"));
    m_recButton->setAccessibleName(tr("开始录制"));
    connect(m_recButton, &QPushButton::clicked, this, &ControlsArea::onRecButtonClicked);
    updateRecButton();
    auto *recColumn = new QVBoxLayout;
    recColumn->setSpacing(6);
    recColumn->setAlignment(Qt::AlignCenter);
    recColumn->addStretch();
    recColumn->addWidget(m_recButton, 0, Qt::AlignHCenter);
    recColumn->addStretch();
    row->addLayout(recColumn);

    // The device lists show the stored choices from the start.
    refreshAudioDevices();
}

ControlsArea::~ControlsArea()
{
    if (m_speakerMonitor)
        m_speakerMonitor->stop();
    if (m_microphoneSource)
        m_microphoneSource->stop();
    delete m_microphoneReader;
    // The popups are top-level windows without a parent.
    for (QFrame *popup : {m_speakerPopup, m_microphonePopup}) {
        if (popup) {
            popup->removeEventFilter(this);
            delete popup;
        }
    }
}

// ---- Settings ------------------------------------------------------------------------------

void ControlsArea::reloadRecordingSettings()
{
    QSettings settings;
    m_fps = std::clamp(settings.value(QStringLiteral("recording/fps"), 30).toInt(), 24, 120);
    m_quality = std::clamp(settings.value(QStringLiteral("recording/quality"), 1).toInt(), 0, 2);
    m_videoBitrate = videoBitrateForQuality(m_quality);
    m_encoder = settings.value(QStringLiteral("recording/encoder"), QStringLiteral("auto")).toString();
    m_container = settings.value(QStringLiteral("recording/container"), QStringLiteral("mp4")).toString();
    m_frameRateMode = settings.value(QStringLiteral("recording/frameRateMode"), QStringLiteral("cfr")).toString();
    m_keyframeInterval = settings.value(QStringLiteral("recording/keyframeInterval"), 2).toInt();
}

void ControlsArea::applyAutomaticRecordingFps(int fps)
{
    m_fps = std::clamp(fps, 30, 120);
    QSettings().setValue(QStringLiteral("recording/fps"), m_fps);
    if (m_recButton)
        m_recButton->setToolTip(QString());
}

void ControlsArea::showRecordingSettings()
{
    auto *dialog = new SettingsDialog(window());
    dialog->setCurrentPage(4);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &SettingsDialog::settingsApplied, this, &ControlsArea::reloadRecordingSettings);
    dialog->open();
}

void ControlsArea::updateAudioFormatButtons()
{
    for (QPushButton *button : m_formatButtons) {
        if (!button)
            continue;
        const bool checked = button->property("audioFormat").toString() == m_audioFormat;
        button->setChecked(checked);
        button->setStyleSheet(QString::fromLatin1(checked ? FormatOnStyle : FormatOffStyle));
    }
    if (!m_audioBitrateBox)
        return;
    const bool lossless = m_audioFormat == QLatin1String("wav") || m_audioFormat == QLatin1String("flac");
    const bool wasBlocked = m_audioBitrateBox->blockSignals(true);
    m_audioBitrateBox->setCurrentIndex(m_audioBitrateBox->findData(lossless ? 0 : m_audioBitrate));
    m_audioBitrateBox->setEnabled(!lossless);
    m_audioBitrateBox->blockSignals(wasBlocked);
}

// ---- Capture mode and region ---------------------------------------------------------------

void ControlsArea::setCaptureMode(CaptureMode mode)
{
    if (mode == CaptureMode::AudioOnly && m_webcamOn && m_webcamToggle) {
        m_webcamCard->setEnabled(true);
        m_webcamToggle->click();
    }
    const auto tipWebcamCard = [this, mode] {
        m_webcamCard->setEnabled(mode != CaptureMode::AudioOnly);
        m_webcamCard->setToolTip(mode == CaptureMode::AudioOnly ? tr("纯音频模式不录制摄像头") : QString());
    };
    if (mode == m_captureMode) {
        tipWebcamCard();
        return;
    }
    m_captureMode = mode;
    m_overlaySuspended = false;
    if (m_regionOverlay)
        m_regionOverlay->hideOverlay();
    if (m_areaPresets)
        m_areaPresets->hide();
    m_modeStack->setCurrentIndex(mode == CaptureMode::Screen ? 0 : mode == CaptureMode::AudioOnly ? 2 : 1);
    tipWebcamCard();
    updateCaptureTargetPanel();
}

bool ControlsArea::isTargetUsable(const CapturableWindow &target)
{
    return target.window.isValid() || target.frame.isValid();
}

void ControlsArea::keepRegionOverlayClearOf(const QRect &globalRect)
{
    m_overlayExclusion = globalRect;
    if (m_regionOverlay)
        m_regionOverlay->setInputExclusion(globalRect);
}

RegionOverlay *ControlsArea::regionOverlay(bool announceChanges)
{
    if (m_regionOverlay)
        return m_regionOverlay;
    m_regionOverlay = new RegionOverlay(nullptr);
    m_regionOverlay->setInputExclusion(m_overlayExclusion);
    // The first user decides what the overlay's changes do for its whole life: when it
    // is a preparation, they are announced to the main window.
    connect(m_regionOverlay, &RegionOverlay::regionChanged, this, [this, announceChanges](QRect region) {
        setArea(region, m_regionOverlay->currentDeviceRegion());
        m_sizeLabel->setText(NumberText::deviceResolution(m_deviceRegion));
        if (announceChanges)
            emit preparationRegionChanged(region);
    });
    if (announceChanges)
        connect(m_regionOverlay, &RegionOverlay::selectionCanceled, this, &ControlsArea::preparationSelectionCanceled);
    return m_regionOverlay;
}

bool ControlsArea::prepareHomeMode(HomeMode homeMode, int screenIndex)
{
    if (homeMode == HomeMode::AudioOnly) {
        setCaptureMode(CaptureMode::AudioOnly);
        hidePreparationOverlay();
        return true;
    }
    if (homeMode == HomeMode::Window || homeMode == HomeMode::Game) {
        setCaptureMode(homeMode == HomeMode::Window ? CaptureMode::Window : CaptureMode::Game);
        chooseCaptureTarget();
        if (!isTargetUsable(m_captureTarget))
            return false;
        hidePreparationOverlay();
        return true;
    }
    setCaptureMode(CaptureMode::Screen);
    if (homeMode == HomeMode::Webcam && !m_webcamOn && m_webcamToggle)
        m_webcamToggle->click();

    const QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *screen = nullptr;
    if (screenIndex >= 0 && screenIndex < screens.size()) {
        screen = screens.at(screenIndex);
        if (!screen)
            return false;
    } else {
        screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
    }
    if (!screen)
        return false;

    RegionOverlay *overlay = regionOverlay(true);
    if (homeMode == HomeMode::Area) {
        setArea(QRect());
        m_fullScreenTile->setChecked(false);
        m_areaTile->setChecked(true);
        updateModeStyle();
        overlay->hideOverlay();
        if (m_areaPicker)
            m_areaPicker->close();
        auto *picker = new AreaPicker(nullptr);
        m_areaPicker = picker;
        // The picker's device pixels: at a scale above 1 the logical corners are rounded.
        connect(picker, &AreaPicker::regionSelected, this,
                [this, picker] { onRegionPicked(picker->deviceSelection()); });
        connect(picker, &AreaPicker::canceled, this, &ControlsArea::preparationSelectionCanceled);
        picker->show();
        return true;
    }
    setArea(screen->geometry());
    m_fullScreenTile->setChecked(true);
    m_areaTile->setChecked(false);
    updateModeStyle();
    if (homeMode == HomeMode::Webcam) {
        overlay->setPreparationPreview(false, false);
        overlay->hideOverlay();
        return true;
    }
    overlay->setRecordingMode(false);
    overlay->setPreparationPreview(true, true);
    overlay->setRegion(m_region, m_deviceRegion);
    return true;
}

void ControlsArea::setArea(const QRect &logical, const QRect &device)
{
    m_region = logical;
    // An area known only logically (the full screen, a preset) has its device pixels
    // derived here once, for the frame, the recording and the screenshot alike.
    m_deviceRegion = device.isValid() || !logical.isValid()
                         ? device
                         : DisplayGeometry::toDevice(DisplayGeometry::applicationDisplays(), logical);
}

void ControlsArea::onRegionPicked(const QRect &picked)
{
    // Even sides in device pixels, which the recording has, from the pixel the drag began
    // at; the logical area (where windows go) has each corner through its display.
    const QRect device = ControlsAreaGeometry::evenRegion(picked);
    setArea(DisplayGeometry::toLogical(DisplayGeometry::applicationDisplays(), device), device);
    m_sizeLabel->setText(NumberText::deviceResolution(m_deviceRegion));
    RegionOverlay *overlay = regionOverlay(true);
    overlay->setRecordingMode(false);
    overlay->setPreparationPreview(true, false);
    overlay->setInputPassthrough(false);
    overlay->setRegion(m_region, m_deviceRegion);
    emit preparationRegionChanged(m_region);
}

void ControlsArea::chooseCaptureTarget()
{
    const bool gameMode = (int(m_captureMode) & ~1) == 2;
    CaptureTargetDialog picker(gameMode, window());
    picker.setDeviceStates(m_webcamOn, m_speakerOn, m_microphoneOn);
    const auto resendStates = [this, &picker] { picker.setDeviceStates(m_webcamOn, m_speakerOn, m_microphoneOn); };
    connect(&picker, &CaptureTargetDialog::webcamToggled, this, [this, resendStates](bool on) {
        if (on != m_webcamOn && m_webcamToggle)
            m_webcamToggle->click();
        resendStates();
        emit preparationWebcamPreviewChanged(m_webcamOn);
    });
    connect(&picker, &CaptureTargetDialog::speakerToggled, this, [this, resendStates](bool on) {
        if (on != m_speakerOn && m_speakerToggle)
            m_speakerToggle->click();
        resendStates();
    });
    connect(&picker, &CaptureTargetDialog::microphoneToggled, this, [this, resendStates](bool on) {
        if (on != m_microphoneOn && m_microphoneToggle)
            m_microphoneToggle->click();
        resendStates();
    });
    connect(&picker, &CaptureTargetDialog::webcamMenuRequested, this, [this] { showWebcamSettings(); });
    connect(&picker, &CaptureTargetDialog::speakerMenuRequested, this, &ControlsArea::showSystemDeviceMenu);
    connect(&picker, &CaptureTargetDialog::microphoneMenuRequested, this, &ControlsArea::showMicrophoneDeviceMenu);

    emit captureTargetPickerOpening(picker.toolbar());
    if (picker.exec() != QDialog::Accepted) {
        emit preparationWebcamPreviewChanged(false);
        // An earlier choice still counts, unless its window has closed since: the
        // preparation would name a window that is gone and offer to record it.
        if (m_captureTarget.window.isValid() && !CaptureTargetDialog::windowStillExists(m_captureTarget.window)) {
            m_captureTarget = CapturableWindow();
            updateCaptureTargetPanel();
        }
        return;
    }
    const CapturableWindow target = picker.selectedTarget();
    if (!isTargetUsable(target))
        return;
    m_captureTarget = target;
    updateCaptureTargetPanel();
    if (picker.recordPressed())
        QTimer::singleShot(0, this, &ControlsArea::startRequested);
}

QString ControlsArea::captureTargetText() const
{
    return m_targetTitle ? m_targetTitle->text() : m_captureTarget.title;
}

void ControlsArea::updateCaptureTargetPanel()
{
    if (!m_modeStack || m_captureMode < CaptureMode::Window || m_captureMode > CaptureMode::HighPerformance)
        return;
    const bool game = m_captureMode != CaptureMode::Window;
    const bool highPerformance = m_captureMode == CaptureMode::HighPerformance;
    m_targetIcon->setPixmap(tintedSvgPixmap(
        game ? QStringLiteral(":/icons/icons/gpu.svg") : QStringLiteral(":/icons/icons/window.svg"), QSize(46, 46),
        QColor(highPerformance ? "#5d82ff" : "#71809a")));
    m_chooseTargetButton->setText(game ? tr("选择游戏") : tr("选择窗口"));
    if (!isTargetUsable(m_captureTarget)) {
        m_targetTitle->setText(game ? tr("尚未选择游戏") : tr("尚未选择窗口"));
        m_targetSubtitle->setText(highPerformance ? tr("高性能屏幕采集模式") : tr("请选择录制目标"));
        return;
    }
    m_targetTitle->setText(m_captureTarget.title);
    QString subtitle = m_captureTarget.subtitle;
    if (highPerformance)
        subtitle = subtitle.isEmpty() ? tr("高性能屏幕采集") : subtitle + tr(" · 高性能屏幕采集");
    m_targetSubtitle->setText(subtitle);
}

void ControlsArea::onAreaSelected(const QString &label, int width, int height, QRect region, QRect deviceRegion)
{
    if (m_areaPresets)
        m_areaPresets->hide();
    if (width == 0 && height == 0 && !region.isValid()) {
        setArea(primaryScreenGeometry());
        m_fullScreenTile->setChecked(true);
        m_areaTile->setChecked(false);
        m_sizeLabel->setText(primaryScreenSizeText());
        if (m_regionOverlay)
            m_regionOverlay->hideOverlay();
        updateModeStyle();
        return;
    }
    m_fullScreenTile->setChecked(false);
    m_areaTile->setChecked(true);
    if (region.isValid()) {
        setArea(region.normalized(), deviceRegion.normalized());
    } else {
        const QScreen *screen = QGuiApplication::primaryScreen();
        setArea(ControlsAreaGeometry::presetRegion(
            QSize(width, height),
            screen ? DisplayGeometry::of(screen) : DisplayGeometry::described(QRect(0, 0, width, height), 1.0)));
    }
    m_sizeLabel->setText(label);
    regionOverlay(false)->setRegion(m_region, m_deviceRegion);
    QTimer::singleShot(0, this, [this] { raisePanelWindow(); });
    updateModeStyle();
}

void ControlsArea::raisePanelWindow()
{
    QWidget *top = window();
    top->show();
    top->raise();
    top->activateWindow();
}

void ControlsArea::selectFullScreen()
{
    setArea(primaryScreenGeometry());
    m_fullScreenTile->setChecked(true);
    m_areaTile->setChecked(false);
    m_overlaySuspended = false;
    updateModeStyle();
    m_sizeLabel->setText(primaryScreenSizeText());
    if (m_regionOverlay)
        m_regionOverlay->hideOverlay();
}

void ControlsArea::toggleAreaPresets()
{
    // The tile's check state follows the chosen area, not its own clicks.
    m_areaTile->setChecked(!m_fullScreenTile->isChecked());
    if (m_areaPresets->isVisible()) {
        m_areaPresets->hide();
        return;
    }
    m_areaPresets->adjustSize();
    const QPoint corner = m_areaTile->mapToGlobal(QPoint(m_areaTile->width(), m_areaTile->height() + 2));
    QPoint position(std::max(corner.x() - m_areaPresets->width(), 0), corner.y());
    const QScreen *screen = QGuiApplication::screenAt(corner);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        position.setX(std::max(std::min(position.x(), available.right() - m_areaPresets->width() - 4 + 1),
                               available.left() + 4));
        position.setY(std::max(std::min(position.y(), available.bottom() - m_areaPresets->height() - 4 + 1),
                               available.top() + 4));
    }
    m_areaPresets->move(position);
    m_areaPresets->show();
    m_areaPresets->raise();
}

void ControlsArea::updateModeStyle()
{
    for (QPushButton *tile : {m_fullScreenTile, m_areaTile}) {
        const bool on = tile->isChecked();
        tile->setStyleSheet(QString::fromLatin1(on ? TileOnStyle : TileOffStyle));
        tintModeTileIcon(tile, on);
    }
    m_areaChevron->setPixmap(tintedSvgPixmap(QStringLiteral(":/icons/icons/chevron_down.svg"), QSize(11, 11),
                                             QColor(m_areaTile->isChecked() ? "#ffffff" : "#aebbd0")));
    m_areaChevron->raise();
}

AreaPicker *ControlsArea::areaPicker() const
{
    return m_areaPicker;
}

void ControlsArea::hidePreparationOverlay()
{
    if (m_areaPicker)
        m_areaPicker->close();
    if (!m_regionOverlay)
        return;
    m_regionOverlay->setPreparationPreview(false, false);
    m_regionOverlay->hideOverlay();
}

void ControlsArea::showPreparationFrame()
{
    if (m_captureMode != CaptureMode::Screen || !m_region.isValid())
        return;
    const bool fullScreen = m_fullScreenTile->isChecked();
    RegionOverlay *overlay = regionOverlay(true);
    overlay->setRecordingMode(false);
    overlay->setPreparationPreview(true, fullScreen);
    if (!fullScreen)
        overlay->setInputPassthrough(false);
    overlay->setRegion(m_region, m_deviceRegion);
}

void ControlsArea::suspendRegionOverlay()
{
    m_overlaySuspended = m_regionOverlay && m_regionOverlay->isVisible();
    if (m_overlaySuspended)
        m_regionOverlay->hideOverlay();
}

void ControlsArea::restoreRegionOverlay()
{
    if (!m_overlaySuspended)
        return;
    m_overlaySuspended = false;
    if (m_captureMode != CaptureMode::Screen || !m_areaTile->isChecked() || !m_region.isValid() || !m_regionOverlay)
        return;
    m_regionOverlay->setRecordingMode(m_recording);
    m_regionOverlay->setRegion(m_region, m_deviceRegion);
    m_regionOverlay->setInputPassthrough(m_recording);
    QTimer::singleShot(0, this, [this] { raisePanelWindow(); });
}

// ---- Device cards ---------------------------------------------------------------------------

QWidget *ControlsArea::makeDeviceCard(const QString &iconPath, const QString &title, bool *state,
                                      QPushButton *&toggle, QPushButton *&action, const QString &actionText,
                                      QComboBox **deviceBox, QPushButton **menuButton)
{
    auto *card = new QWidget(this);
    card->setObjectName(QStringLiteral("DevCard"));
    card->setStyleSheet(QString::fromLatin1(CardStyle));
    card->setMinimumWidth(145);
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(11, 14, 11, 10);
    layout->setSpacing(6);
    layout->setAlignment(Qt::AlignTop);

    const bool struck = title != tr("扬声器");
    auto *icon = new QLabel(card);
    icon->setFixedHeight(58);
    icon->setAlignment(Qt::AlignCenter);
    icon->setStyleSheet(QStringLiteral("background:transparent;border:none;"));
    icon->setPixmap(deviceIconPixmap(iconPath, *state, struck, QSize(48, 48)));
    icon->setProperty("iconPath", iconPath);
    icon->setProperty("struck", struck);
    layout->addWidget(icon);

    auto *titleRow = new QWidget(card);
    titleRow->setFixedHeight(24);
    titleRow->setStyleSheet(QStringLiteral("background:transparent;border:none;"));
    auto *titleLayout = new QHBoxLayout(titleRow);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->setSpacing(3);
    titleLayout->addStretch();
    auto *titleLabel = new QLabel(title, titleRow);
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setStyleSheet(QStringLiteral("font-size:15px;color:#eef2f8;background:transparent;border:none;"));
    titleLayout->addWidget(titleLabel);
    if (menuButton) {
        auto *menu = new QPushButton(titleRow);
        menu->setIcon(tintedIcon(QStringLiteral(":/icons/icons/chevron_down.svg"), QSize(10, 10),
                                 QColor("#9fb0c9"), iconRatio()));
        menu->setIconSize(QSize(10, 10));
        menu->setFixedSize(21, 21);
        menu->setCursor(Qt::PointingHandCursor);
        menu->setAccessibleName(tr("选择%1设备").arg(title));
        menu->setToolTip(tr("选择设备和音频设置"));
        menu->setStyleSheet(QStringLiteral("QPushButton{background:transparent;border:none;border-radius:5px;"
                                           "padding:0;}QPushButton:hover{background:#213451;}"
                                           "QPushButton:pressed{background:#29466f;}"));
        titleLayout->addWidget(menu);
        *menuButton = menu;
    }
    titleLayout->addStretch();
    layout->addWidget(titleRow);

    if (deviceBox) {
        *deviceBox = new QComboBox(card);
        (*deviceBox)->hide();
    }

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    toggle = new QPushButton(card);
    toggle->setCursor(Qt::PointingHandCursor);
    toggle->setFixedHeight(32);
    toggle->setProperty("iconLabel", QVariant::fromValue<QObject *>(icon));
    action = new QPushButton(actionText, card);
    action->setFixedHeight(32);
    action->setCursor(Qt::PointingHandCursor);
    action->setStyleSheet(QString::fromLatin1(ActionButtonStyle));
    fitButtonWidth(action);
    buttons->addWidget(toggle);
    buttons->addWidget(action);
    layout->addLayout(buttons);

    applyDeviceToggleState(toggle, *state);
    connect(toggle, &QPushButton::clicked, this, [this, state] { onDeviceToggleClicked(state); });
    return card;
}

void ControlsArea::applyDeviceToggleState(QPushButton *toggle, bool on)
{
    toggle->setText(on ? tr("开启") : tr("关闭"));
    toggle->setStyleSheet(QString::fromLatin1(on ? ToggleOnStyle : ToggleOffStyle));
    fitButtonWidth(toggle);
    if (auto *icon = qobject_cast<QLabel *>(toggle->property("iconLabel").value<QObject *>())) {
        icon->setPixmap(deviceIconPixmap(icon->property("iconPath").toString(), on,
                                         icon->property("struck").toBool(), QSize(48, 48)));
    }
}

void ControlsArea::onDeviceToggleClicked(bool *state)
{
    const bool webcam = state == &m_webcamOn;
    if (webcam && !m_webcamOn && (!webcamPermissionStep() || !webcamCameraStep()))
        return;
    *state = !*state;
    QPushButton *toggle = webcam ? m_webcamToggle : state == &m_speakerOn ? m_speakerToggle : m_microphoneToggle;
    applyDeviceToggleState(toggle, *state);
    if (webcam)
        emit preparationWebcamPreviewChanged(*state);
}

void ControlsArea::setWebcamEnabled(bool enabled)
{
    if (enabled != m_webcamOn && m_webcamToggle)
        m_webcamToggle->click();
}

void ControlsArea::setSystemAudioEnabled(bool enabled)
{
    if (enabled != m_speakerOn && m_speakerToggle)
        m_speakerToggle->click();
}

void ControlsArea::setMicrophoneEnabled(bool enabled)
{
    if (enabled != m_microphoneOn && m_microphoneToggle)
        m_microphoneToggle->click();
}

// ---- Audio devices --------------------------------------------------------------------------

void ControlsArea::refreshAudioDevices()
{
    if (!m_speakerBox || !m_microphoneBox)
        return;
    if (!m_deviceWatcher) {
        m_deviceWatcher = new AudioDeviceWatcher(this);
        connect(m_deviceWatcher, &AudioDeviceWatcher::devicesChanged, this, &ControlsArea::fillAudioDeviceBoxes);
    } else {
        const QSignalBlocker blocker(m_deviceWatcher);
        m_deviceWatcher->update();
    }
    fillAudioDeviceBoxes();
}

void ControlsArea::fillAudioDeviceBoxes()
{
    QSettings settings;
    const QString storedSpeaker = settings.value(QStringLiteral("audio/systemDeviceId")).toString();
    const QByteArray storedMicrophone = settings.value(QStringLiteral("audio/microphoneDeviceId")).toByteArray();
    const QString speakerName = settings.value(QStringLiteral("audio/systemDeviceName")).toString();
    const QString microphoneName = settings.value(QStringLiteral("audio/microphoneDeviceName")).toString();
    const PulseDevices &devices = m_deviceWatcher->devices();

    const bool speakerBlocked = m_speakerBox->blockSignals(true);
    const bool microphoneBlocked = m_microphoneBox->blockSignals(true);

    m_speakerBox->clear();
    QString defaultOutput;
    for (const PulseDevice &device : devices.outputs) {
        if (device.isDefault) {
            defaultOutput = device.description;
            break;
        }
    }
    m_speakerBox->addItem(defaultOutput.isEmpty() ? tr("默认设备") : tr("默认 · %1").arg(defaultOutput), QString());
    for (const PulseDevice &device : devices.outputs)
        m_speakerBox->addItem(device.description, QString::fromUtf8(device.id));
    selectStoredDevice(m_speakerBox, storedSpeaker, speakerName, tr("%1 · 不可用"));

    m_microphoneBox->clear();
    const PulseDevice defaultInput = devices.defaultInput();
    m_microphoneBox->addItem(defaultInput.id.isEmpty() ? tr("默认设备") : tr("默认 · %1").arg(defaultInput.description),
                             QByteArray());
    for (const PulseDevice &device : devices.inputs)
        m_microphoneBox->addItem(device.description, device.id);
    selectStoredDevice(m_microphoneBox, storedMicrophone, microphoneName, tr("%1 · 不可用"));

    m_speakerBox->blockSignals(speakerBlocked);
    m_microphoneBox->blockSignals(microphoneBlocked);
}

QString ControlsArea::systemAudioDeviceId() const
{
    return m_speakerBox ? m_speakerBox->currentData().toString() : QString();
}

QByteArray ControlsArea::microphoneDeviceId() const
{
    return m_microphoneBox ? m_microphoneBox->currentData().toByteArray() : QByteArray();
}

QString ControlsArea::microphoneForRecording() const
{
    const QByteArray id = microphoneDeviceId();
    if (id.isEmpty())
        return m_deviceWatcher ? QString::fromUtf8(m_deviceWatcher->devices().defaultInput().id) : QString();
    return microphoneDeviceName().isEmpty() ? QString() : QString::fromUtf8(id);
}

bool ControlsArea::isSystemAudioDeviceAvailable() const
{
    return !isUnavailableChoice(m_speakerBox) && m_deviceWatcher && !m_deviceWatcher->devices().outputs.isEmpty();
}

QString ControlsArea::microphoneDeviceName() const
{
    if (!m_deviceWatcher)
        return QString();
    const PulseDevices &devices = m_deviceWatcher->devices();
    const QByteArray id = microphoneDeviceId();
    if (id.isEmpty())
        return devices.defaultInput().description;
    for (const PulseDevice &device : devices.inputs) {
        if (device.id == id)
            return device.description;
    }
    return QString();
}

void ControlsArea::showSystemDeviceMenu(QWidget *anchor)
{
    showAudioDeviceMenu(true, anchor);
}

void ControlsArea::showMicrophoneDeviceMenu(QWidget *anchor)
{
    showAudioDeviceMenu(false, anchor);
}

void ControlsArea::showAudioDeviceMenu(bool system, QWidget *anchor)
{
    QComboBox *box = system ? m_speakerBox : m_microphoneBox;
    if (!anchor || !box)
        return;
    refreshAudioDevices();

    QMenu menu(anchor->window());
    menu.setObjectName(system ? QStringLiteral("SpeakerDeviceMenu") : QStringLiteral("MicrophoneDeviceMenu"));
    menu.setStyleSheet(QString::fromLatin1(DeviceMenuStyle));
    // The heading is a label: the menu's separator style would hide a section's text.
    auto *heading = new QLabel(system ? tr("选择扬声器") : tr("选择麦克风"), &menu);
    heading->setStyleSheet(QStringLiteral("color:#8ea2c2;font-size:11px;font-weight:600;padding:4px 10px 6px 10px;"
                                          "background:transparent;"));
    auto *headingAction = new QWidgetAction(&menu);
    headingAction->setDefaultWidget(heading);
    headingAction->setEnabled(false);
    menu.addAction(headingAction);
    auto *group = new QActionGroup(&menu);
    group->setExclusive(true);
    for (int i = 0; i < box->count(); ++i) {
        QAction *action = menu.addAction(box->itemText(i));
        action->setCheckable(true);
        action->setChecked(i == box->currentIndex());
        action->setData(i);
        group->addAction(action);
    }
    menu.addSeparator();
    QAction *advanced = menu.addAction(tr("音频高级设置…"));

    QAction *chosen = menu.exec(anchor->mapToGlobal(QPoint(0, anchor->height() - 1 + 5)));
    if (!chosen)
        return;
    if (chosen == advanced) {
        showAudioSettings();
        return;
    }
    // A box that was refreshed while the menu was open may hold fewer items.
    const int index = chosen->data().toInt();
    if (index >= 0 && index < box->count())
        box->setCurrentIndex(index);
}

void ControlsArea::showAudioSettings()
{
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = window();
    AudioSettingsDialog dialog(m_systemVolume, m_microphoneVolume, m_noiseReduction, m_mono,
                               m_microphoneDelayMs, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_systemVolume = dialog.systemVolume();
    m_microphoneVolume = dialog.microphoneVolume();
    m_noiseReduction = dialog.noiseReduction();
    m_mono = dialog.mono();
    m_microphoneDelayMs = dialog.microphoneDelayMs();
    QSettings settings;
    settings.setValue(QStringLiteral("audio/systemVolume"), m_systemVolume);
    settings.setValue(QStringLiteral("audio/microphoneVolume"), m_microphoneVolume);
    settings.setValue(QStringLiteral("audio/noiseReduction"), m_noiseReduction);
    settings.setValue(QStringLiteral("audio/mono"), m_mono);
    settings.setValue(QStringLiteral("audio/microphoneDelayMs"), m_microphoneDelayMs);
}

// ---- Level tests ----------------------------------------------------------------------------

bool ControlsArea::isSpeakerTestRunning() const
{
    return m_speakerMonitor && m_speakerMonitor->isRunning();
}

bool ControlsArea::isTestRunning(bool system) const
{
    return system ? isSpeakerTestRunning() : m_microphoneSource != nullptr;
}

void ControlsArea::toggleTest(bool system)
{
    if (system)
        toggleSpeakerTest();
    else
        toggleMicrophoneTest();
}

void ControlsArea::toggleSpeakerTest()
{
    if (isSpeakerTestRunning()) {
        m_speakerMonitor->stop();
        if (m_speakerLevel)
            m_speakerLevel->setLevel(0.0f);
        if (m_speakerPopup)
            m_speakerPopup->hide();
        setButtonText(m_speakerTestButton, tr("试音"));
        return;
    }
    if (!m_speakerMonitor) {
        m_speakerMonitor = new AudioOutputMonitor(this);
        connect(m_speakerMonitor, &AudioOutputMonitor::levelChanged, this, &ControlsArea::onSpeakerLevel);
    }
    m_speakerSignalSeen = false;
    if (!m_speakerMonitor->startMonitor(systemAudioDeviceId())) {
        warn(window(), tr("系统声音"), tr("无法监听所选扬声器：%1").arg(m_speakerMonitor->errorString()));
        return;
    }
    showAudioLevelPopup(true);
    setButtonText(m_speakerTestButton, tr("停止"));
    QTimer::singleShot(SilenceHintDelayMs, Qt::CoarseTimer, this, [this] {
        if (isSpeakerTestRunning() && !m_speakerSignalSeen && m_speakerHint)
            m_speakerHint->setText(tr("未检测到声音，请先播放一段音频"));
    });
}

void ControlsArea::onSpeakerLevel(float level)
{
    if (level > SignalThreshold)
        m_speakerSignalSeen = true;
    if (m_speakerLevel)
        m_speakerLevel->setLevel(level);
    if (m_speakerHint && m_speakerSignalSeen)
        m_speakerHint->setText(tr("已检测到系统播放声音"));
}

void ControlsArea::toggleMicrophoneTest()
{
    if (m_microphoneSource) {
        m_microphoneSource->stop();
        m_microphoneSource->deleteLater();
        m_microphoneSource = nullptr;
        m_microphoneInput = nullptr;
        if (m_microphoneLevel)
            m_microphoneLevel->setLevel(0.0f);
        if (m_microphonePopup)
            m_microphonePopup->hide();
        setButtonText(m_microphoneTestButton, tr("试音"));
        return;
    }
    QAudioDevice device = QMediaDevices::defaultAudioInput();
    const QByteArray id = microphoneDeviceId();
    if (!id.isEmpty()) {
        for (const QAudioDevice &input : QMediaDevices::audioInputs()) {
            if (input.id() == id) {
                device = input;
                break;
            }
        }
    }
    if (device.isNull()) {
        setButtonText(m_microphoneTestButton, tr("无设备"));
        return;
    }
    const QAudioFormat format = device.preferredFormat();
    m_microphoneSource = new QAudioSource(device, format, this);
    m_microphoneInput = m_microphoneSource->start();
    if (!m_microphoneInput) {
        m_microphoneSource->deleteLater();
        m_microphoneSource = nullptr;
        setButtonText(m_microphoneTestButton, tr("不可用"));
        return;
    }
    delete m_microphoneReader;
    m_microphoneReader = new AudioLevelReader(format.sampleFormat());
    m_microphoneSignalSeen = false;
    showAudioLevelPopup(false);
    setButtonText(m_microphoneTestButton, tr("停止"));
    connect(m_microphoneInput, &QIODevice::readyRead, this, &ControlsArea::onMicrophoneData);
    QTimer::singleShot(SilenceHintDelayMs, Qt::CoarseTimer, this, [this] {
        if (m_microphoneSource && !m_microphoneSignalSeen && m_microphoneHint)
            m_microphoneHint->setText(tr("未检测到声音，请检查麦克风或权限"));
    });
}

void ControlsArea::onMicrophoneData()
{
    if (!m_microphoneInput || !m_microphoneReader || sender() != m_microphoneInput)
        return;
    const float peak = m_microphoneReader->read(m_microphoneInput->readAll());
    if (peak > SignalThreshold)
        m_microphoneSignalSeen = true;
    if (m_microphoneLevel)
        m_microphoneLevel->setLevel(peak);
    if (m_microphoneHint && m_microphoneSignalSeen)
        m_microphoneHint->setText(tr("已检测到麦克风声音"));
}

void ControlsArea::showAudioLevelPopup(bool system)
{
    QFrame *&popup = system ? m_speakerPopup : m_microphonePopup;
    AudioLevelWidget *&meter = system ? m_speakerLevel : m_microphoneLevel;
    QLabel *&hint = system ? m_speakerHint : m_microphoneHint;
    if (!popup) {
        popup = new QFrame(nullptr, Qt::Popup | Qt::FramelessWindowHint);
        popup->setObjectName(QStringLiteral("AudioTestPopup"));
        popup->setFixedSize(350, 126);
        popup->setStyleSheet(QString::fromLatin1(PopupStyle));
        popup->installEventFilter(this);
        auto *layout = new QVBoxLayout(popup);
        layout->setContentsMargins(12, 9, 12, 9);
        layout->setSpacing(5);
        auto *header = new QHBoxLayout;
        header->addWidget(new QLabel(system ? tr("系统声音实时电平") : tr("麦克风实时电平"), popup));
        header->addStretch();
        auto *stop = new QPushButton(tr("停止试音"), popup);
        stop->setObjectName(QStringLiteral("StopTest"));
        connect(stop, &QPushButton::clicked, this,
                system ? &ControlsArea::toggleSpeakerTest : &ControlsArea::toggleMicrophoneTest);
        header->addWidget(stop);
        layout->addLayout(header);
        meter = new AudioLevelWidget(system ? tr("输出") : tr("输入"), popup);
        meter->setFixedHeight(48);
        layout->addWidget(meter);
        hint = new QLabel(popup);
        hint->setObjectName(QStringLiteral("SignalHint"));
        layout->addWidget(hint);
    }
    hint->setText(system ? tr("正在监听，请播放一段声音") : tr("正在监听，请对麦克风说话"));

    QPushButton *anchor = system ? m_speakerTestButton : m_microphoneTestButton;
    QPoint position = anchor->mapToGlobal(QPoint(anchor->width() - popup->width(), anchor->height() + 7));
    // The anchor's screen: the popup's own corner may lie off every screen (an anchor near
    // the left edge of a small screen).
    if (const QScreen *screen = anchor->screen()) {
        const QRect available = screen->availableGeometry();
        position.setX(std::max(std::min(position.x(), available.right() - popup->width() - 6),
                               available.left() + 6));
        if (position.y() + popup->height() - 1 > available.bottom())
            position.setY(anchor->mapToGlobal(QPoint(0, 0)).y() - popup->height() - 7);
    }
    popup->move(position);
    popup->show();
    popup->raise();
}

bool ControlsArea::eventFilter(QObject *watched, QEvent *event)
{
    // A popup closed by a click elsewhere ends its test, once the click has been handled
    // (a stop of the test, not a toggle: the click may have stopped it already).
    const bool system = watched == m_speakerPopup;
    if (event->type() == QEvent::Hide && (system || watched == m_microphonePopup) && isTestRunning(system)) {
        QPushButton *button = system ? m_speakerTestButton : m_microphoneTestButton;
        button->setProperty("popupHiddenAt", QDateTime::currentMSecsSinceEpoch());
        QTimer::singleShot(0, this, [this, system] {
            if (isTestRunning(system))
                toggleTest(system);
        });
    }
    return QWidget::eventFilter(watched, event);
}

// ---- REC ------------------------------------------------------------------------------------

void ControlsArea::onRecButtonClicked()
{
    if (m_recording)
        return;
    const auto refuse = [this](const QString &text) { warn(window(), tr("录音检查"), text); };
    const bool targetMode = m_captureMode == CaptureMode::Window || m_captureMode == CaptureMode::Game
        || m_captureMode == CaptureMode::HighPerformance;
    if (targetMode && !isTargetUsable(m_captureTarget)) {
        chooseCaptureTarget();
        if (!isTargetUsable(m_captureTarget))
            return;
    }
    if (m_captureMode == CaptureMode::AudioOnly && !m_speakerOn && !m_microphoneOn) {
        refuse(tr("请至少开启扬声器或麦克风。"));
        return;
    }
    if (m_speakerOn && !isSystemAudioDeviceAvailable()) {
        refuse(tr("没有可用的扬声器设备，无法录制系统声音。"));
        return;
    }
    // A chosen microphone that is gone gives way to the default input: only no input at all
    // stops the start.
    if (m_microphoneOn && microphoneDeviceName().isEmpty()
        && (!m_deviceWatcher || m_deviceWatcher->devices().defaultInput().id.isEmpty())) {
        refuse(tr("没有可用的麦克风，请重新连接或选择输入设备。"));
        return;
    }
    if (isSpeakerTestRunning())
        toggleSpeakerTest();
    if (m_microphoneSource)
        toggleMicrophoneTest();
    emit startRequested();
}

void ControlsArea::updateRecButton()
{
    if (!m_recButton)
        return;
    m_recButton->setProperty("recording", m_recording);
    m_recButton->setText(m_recording ? QStringLiteral("STOP") : QStringLiteral("REC"));
    m_recButton->setAccessibleName(m_recording ? tr("停止录制") : tr("开始录制"));
    m_recButton->setToolTip(QString());
    m_recButton->update();
}

void ControlsArea::setRecording(bool recording)
{
    m_recording = recording;
    if (recording) {
        if (isSpeakerTestRunning())
            toggleSpeakerTest();
        if (m_microphoneSource)
            toggleMicrophoneTest();
    }
    if (m_speakerTestButton)
        m_speakerTestButton->setEnabled(!recording);
    if (m_microphoneTestButton)
        m_microphoneTestButton->setEnabled(!recording);
    if (m_regionOverlay)
        m_regionOverlay->hideOverlay();
    updateRecButton();
}
