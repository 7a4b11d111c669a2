#include "dialogs/RecordingSettingsDialog.h"

#include "recording/NumberText.h"
#include "dialogs/EncoderChoices.h"
#include "recording/EncoderProbe.h"
#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct Preset
{
    int fps;
    int quality;
};
const Preset kPresets[4] = {{30, 1}, {30, 2}, {60, 2}, {120, 2}};

RecordingSettingsDialog::FrameRateProbes &probeOverrides()
{
    static RecordingSettingsDialog::FrameRateProbes probes;
    return probes;
}

double screensHighestRefreshRate()
{
    double highest = 0.0;
    for (QScreen *screen : QGuiApplication::screens())
        highest = std::max(highest, screen->refreshRate());
    return highest;
}

void selectData(QComboBox *combo, const QVariant &value, int fallbackIndex)
{
    const int index = combo->findData(value);
    combo->setCurrentIndex(index >= 0 ? index : fallbackIndex);
}

const char *const kStyleSheet = R"(
QDialog { background: #111927; color: #e7edf8; }
QLabel { background: transparent; color: #aeb9cd; font-size: 12px; }
QLabel#Heading { color: #f4f7ff; font-size: 19px; font-weight: 700; }
QLabel#Subheading { color: #8291aa; font-size: 12px; }
QLabel#Section { color: #dce5f5; font-size: 13px; font-weight: 600; }
QLabel#Summary { background: #172235; border: 1px solid #263650; border-radius: 9px;
    padding: 8px 11px; color: #9eb0ca; }
QFrame#AdvancedPanel { background: #131e2f; border: 1px solid #283852; border-radius: 9px; }
QComboBox { min-height: 30px; background: #172235; border: 1px solid #2d3a50; border-radius: 7px;
    padding: 0 12px; color: #e7edf8; }
QComboBox:hover { border-color: #456188; }
QComboBox::drop-down { width: 30px; border: none; }
QComboBox QAbstractItemView { background: #172235; selection-background-color: #2758a0; }
QPushButton { min-height: 34px; border-radius: 7px; background: #1b2940; border: 1px solid #34445f;
    color: #dbe4f4; }
QPushButton:hover { border-color: #4b78c8; background: #1d2d48; }
QPushButton#Preset { min-height: 44px; text-align: left; padding: 0 14px; font-size: 13px; }
QPushButton#Preset:checked { background: #1c3d73; border-color: #4b87ff; color: white; }
QPushButton#AdvancedToggle { background: transparent; border: none; color: #4b8cff; text-align: left;
    min-height: 24px; }
QPushButton#AdvancedToggle:hover { color: #75a7ff; }
QPushButton#Primary { min-width: 112px; background: #3478f6; border-color: #4a8aff; color: white;
    font-weight: 600; }
QPushButton#Secondary { min-width: 112px; background: transparent; }
)";

} // namespace

void RecordingSettingsDialog::setFrameRateProbes(const FrameRateProbes &probes)
{
    probeOverrides() = probes;
}

RecordingSettingsDialog::RecordingSettingsDialog(int fps, int quality, const QString &encoder,
                                                 const QString &container,
                                                 const QString &frameRateMode,
                                                 int keyframeInterval, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("录制性能设置"));
    setModal(true);
    setFixedWidth(470);
    setStyleSheet(QString::fromLatin1(kStyleSheet));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 12, 22, 10);
    layout->setSpacing(5);

    const auto label = [](const QString &text, const char *name) {
        auto *l = new QLabel(text);
        if (name)
            l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    layout->addWidget(label(tr("录制性能"), "Heading"));
    layout->addWidget(label(tr("选择用途，自动匹配参数"), "Subheading"));
    layout->addWidget(label(tr("预设"), "Section"));

    auto *presetGrid = new QGridLayout;
    presetGrid->setHorizontalSpacing(9);
    presetGrid->setVerticalSpacing(7);
    const QString presetTexts[4] = {tr("办公\n文档、会议"), tr("课程\n文字清晰"), tr("游戏\n流畅优先"),
                                    tr("高画质\n细节优先")};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(presetTexts[i], this);
        button->setObjectName(QStringLiteral("Preset"));
        button->setCheckable(true);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, [this, i] { applyPreset(i); });
        presetGrid->addWidget(button, i / 2, i % 2);
        m_presetButtons[i] = button;
    }
    layout->addLayout(presetGrid);

    m_summary = label(QString(), "Summary");
    m_summary->setWordWrap(true);
    m_summary->setMinimumHeight(40);
    layout->addWidget(m_summary);

    m_advancedToggle = new QPushButton(tr("高级设置  ▾"), this);
    m_advancedToggle->setObjectName(QStringLiteral("AdvancedToggle"));
    m_advancedToggle->setCheckable(true);
    m_advancedToggle->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_advancedToggle);

    m_advancedPanel = new QFrame(this);
    m_advancedPanel->setObjectName(QStringLiteral("AdvancedPanel"));
    auto *grid = new QGridLayout(m_advancedPanel);
    grid->setContentsMargins(12, 7, 12, 7);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(5);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    const auto field = [&](const QString &caption, int row, int column) {
        auto *box = new QWidget(m_advancedPanel);
        auto *boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(0, 0, 0, 0);
        boxLayout->setSpacing(2);
        auto *captionLabel = new QLabel(caption, box);
        captionLabel->setStyleSheet(QStringLiteral("color:#aeb9cd;font-size:11px;"));
        auto *combo = new QComboBox(box);
        combo->setMinimumWidth(0);
        boxLayout->addWidget(captionLabel);
        boxLayout->addWidget(combo);
        grid->addWidget(box, row, column);
        return combo;
    };
    m_fpsCombo = field(tr("帧率"), 0, 0);
    m_containerCombo = field(tr("格式"), 0, 1);
    m_qualityCombo = field(tr("画质"), 1, 0);
    m_frameModeCombo = field(tr("帧率类型"), 1, 1);
    m_encoderCombo = field(tr("编码器"), 2, 0);
    m_keyframeCombo = field(tr("关键帧"), 2, 1);
    layout->addWidget(m_advancedPanel);

    m_fpsCombo->addItem(tr("30 FPS（推荐）"), 30);
    m_fpsCombo->addItem(NumberText::isolated(QStringLiteral("60 FPS")), 60);
    m_fpsCombo->addItem(NumberText::isolated(QStringLiteral("120 FPS")), 120);
    m_qualityCombo->addItem(tr("标准"), 0);
    m_qualityCombo->addItem(tr("高清（推荐）"), 1);
    m_qualityCombo->addItem(tr("超清"), 2);
    m_encoderCombo->addItem(tr("自动（推荐）"), QStringLiteral("auto"));
    m_encoderCombo->addItem(tr("CPU（H.264）"), QStringLiteral("libx264"));
    m_encoderCombo->addItem(tr("NVIDIA（NVENC）"), QStringLiteral("h264_nvenc"));
    m_encoderCombo->addItem(tr("Intel（Quick Sync）"), QStringLiteral("h264_qsv"));
    m_encoderCombo->addItem(tr("AMD（AMF）"), QStringLiteral("h264_amf"));
    markUnavailableEncoders(m_encoderCombo);
    m_containerCombo->addItem(tr("MP4（兼容）"), QStringLiteral("mp4"));
    m_containerCombo->addItem(tr("MKV（易恢复）"), QStringLiteral("mkv"));
    m_frameModeCombo->addItem(tr("恒定（推荐）"), QStringLiteral("cfr"));
    m_frameModeCombo->addItem(tr("可变（省空间）"), QStringLiteral("vfr"));
    m_keyframeCombo->addItem(tr("1 秒"), 1);
    m_keyframeCombo->addItem(tr("2 秒（推荐）"), 2);
    m_keyframeCombo->addItem(tr("5 秒"), 5);

    selectData(m_fpsCombo, fps, 0);
    m_qualityCombo->setCurrentIndex(std::clamp(quality, 0, 2));
    selectData(m_encoderCombo, encoder, 0);
    selectData(m_containerCombo, container, 0);
    selectData(m_frameModeCombo, frameRateMode, 0);
    selectData(m_keyframeCombo, keyframeInterval, 1);

    auto *footer = new QHBoxLayout;
    footer->setSpacing(10);
    footer->addStretch();
    auto *cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("Secondary"));
    auto *done = new QPushButton(tr("完成"), this);
    done->setObjectName(QStringLiteral("Primary"));
    footer->addWidget(cancel);
    footer->addWidget(done);
    layout->addLayout(footer);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(done, &QPushButton::clicked, this, [this] {
        if (validateFrameRateBeforeAccept())
            accept();
    });

    for (QComboBox *combo : {m_fpsCombo, m_qualityCombo, m_encoderCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_applyingPreset)
                syncPresetSelection();
            updateSummary();
        });
    for (QComboBox *combo : {m_containerCombo, m_frameModeCombo, m_keyframeCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &RecordingSettingsDialog::updateSummary);
    connect(m_advancedToggle, &QPushButton::toggled, this, &RecordingSettingsDialog::setAdvancedVisible);

    syncPresetSelection();
    updateSummary();
    setAdvancedVisible(false);
}

int RecordingSettingsDialog::fps() const { return m_fpsCombo->currentData().toInt(); }
int RecordingSettingsDialog::quality() const { return m_qualityCombo->currentData().toInt(); }
QString RecordingSettingsDialog::encoder() const { return m_encoderCombo->currentData().toString(); }
QString RecordingSettingsDialog::container() const { return m_containerCombo->currentData().toString(); }
QString RecordingSettingsDialog::frameRateMode() const { return m_frameModeCombo->currentData().toString(); }
int RecordingSettingsDialog::keyframeInterval() const { return m_keyframeCombo->currentData().toInt(); }

int RecordingSettingsDialog::bitrateKbps() const
{
    static const int rates[3] = {4000, 8000, 16000};
    return rates[std::clamp(quality(), 0, 2)];
}

void RecordingSettingsDialog::setAdvancedVisible(bool visible)
{
    m_advancedPanel->setVisible(visible);
    {
        const QSignalBlocker blocker(m_advancedToggle);
        m_advancedToggle->setChecked(visible);
    }
    m_advancedToggle->setText(visible ? tr("收起高级设置  ▴") : tr("高级设置  ▾"));
    setFixedHeight(visible ? 610 : 374);
}

void RecordingSettingsDialog::applyPreset(int index)
{
    if (index < 0 || index > 3)
        return;
    m_applyingPreset = true;
    selectData(m_fpsCombo, kPresets[index].fps, m_fpsCombo->currentIndex());
    selectData(m_qualityCombo, kPresets[index].quality, m_qualityCombo->currentIndex());
    selectData(m_encoderCombo, QStringLiteral("auto"), m_encoderCombo->currentIndex());
    m_applyingPreset = false;
    syncPresetSelection();
    updateSummary();
}

void RecordingSettingsDialog::syncPresetSelection()
{
    int match = -1;
    if (encoder() == QLatin1String("auto")) {
        for (int i = 0; i < 4 && match < 0; ++i)
            if (kPresets[i].fps == fps() && kPresets[i].quality == quality())
                match = i;
    }
    for (int i = 0; i < 4; ++i)
        m_presetButtons[i]->setChecked(i == match);
}

void RecordingSettingsDialog::updateSummary()
{
    const int rate = fps();
    const QString qualityText = quality() == 0 ? tr("标准") : quality() == 2 ? tr("超清") : tr("高清");
    const QString encoderText = encoder() == QLatin1String("libx264") ? tr("CPU 编码")
                                : encoder() == QLatin1String("auto")  ? tr("自动编码")
                                                                      : tr("GPU 编码");
    const QString usage = rate >= 120 ? tr("高性能模式") : rate < 60 ? tr("适合办公与课程") : tr("适合游戏");
    const QString details = tr("%1 · %2 · 关键帧 %3 秒")
                                .arg(container().toUpper(),
                                     frameRateMode() == QLatin1String("vfr") ? tr("可变") : tr("恒定"))
                                .arg(keyframeInterval());
    m_summary->setText(tr("%1 FPS · %2 · %3\n%4 · %5")
                           .arg(QString::number(rate), qualityText, encoderText, usage, details));
}

bool RecordingSettingsDialog::validateFrameRateBeforeAccept()
{
    if (fps() < 120)
        return true;

    const FrameRateProbes &probes = probeOverrides();
    QStringList reasons;
    const double refresh = probes.highestRefreshRate ? probes.highestRefreshRate()
                                                     : screensHighestRefreshRate();
    if (refresh < 119.0)
        reasons << tr("当前显示器最高刷新率约为 %1 Hz").arg(refresh, 0, 'f', 0);

    QString hardware;
    const QString chosen = encoder();
    if (chosen == QLatin1String("auto")) {
        hardware = probes.availableHardwareEncoder ? probes.availableHardwareEncoder()
                                                   : EncoderProbe::shared().availableHardwareEncoder();
    } else if (chosen != QLatin1String("libx264")) {
        const bool works = probes.isVideoEncoderAvailable ? probes.isVideoEncoderAvailable(chosen)
                                                          : EncoderProbe::shared().works(chosen);
        if (works)
            hardware = chosen;
    }
    if (hardware.isEmpty())
        reasons << tr("没有检测到可用的 H.264 GPU 硬件编码器");

    if (reasons.isEmpty())
        return true;

    // Over the window the user sees: Settings runs this check without showing this dialog,
    // which would put the question over the place where it was made, the display's corner.
    QWidget *over = isVisible() || !parentWidget() ? this : parentWidget()->window();
    QMessageBox box(QMessageBox::Warning, tr("120 FPS 性能检查"),
                    tr("当前设备可能无法稳定录制 120 FPS：\n\n• %1\n\n建议自动调整为 60 FPS。录制期间仍会继续监测实际性能。")
                        .arg(reasons.join(QStringLiteral("\n• "))),
                    QMessageBox::NoButton, over);
    QPushButton *toSixty = box.addButton(tr("自动改为 60 FPS"), QMessageBox::AcceptRole);
    QPushButton *keep = box.addButton(tr("仍然使用 120 FPS"), QMessageBox::DestructiveRole);
    QPushButton *back = box.addButton(tr("返回设置"), QMessageBox::RejectRole);
    box.setDefaultButton(toSixty);
    box.setEscapeButton(back);
    stackButtonsWhenNarrow(box);
    box.exec();
    if (box.clickedButton() == toSixty) {
        selectData(m_fpsCombo, 60, m_fpsCombo->currentIndex());
        return true;
    }
    return box.clickedButton() == keep;
}
