#include "dialogs/AudioSettingsDialog.h"

#include "widgets/DialogPlacement.h"
#include "widgets/LeftToRight.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char *const DialogStyle =
    "QDialog{background:#111927;color:#e7edf8;}"
    "QLabel{background:transparent;color:#aeb9cd;font-size:12px;}"
    "QLabel#Heading{color:#f4f7ff;font-size:19px;font-weight:700;}"
    "QLabel#Hint{color:#8291aa;font-size:11px;}"
    "QCheckBox{color:#dce5f5;spacing:9px;}"
    "QCheckBox::indicator{width:17px;height:17px;border:1px solid #50627e;border-radius:4px;"
    "background:#101b2b;}"
    "QCheckBox::indicator:checked{background:#3478f6;border-color:#5b95ff;}"
    "QSlider::groove:horizontal{height:5px;background:#2a3850;border-radius:2px;}"
    "QSlider::sub-page:horizontal{background:#3478f6;border-radius:2px;}"
    "QSlider::handle:horizontal{width:15px;height:15px;margin:-5px 0;background:#e8f0ff;"
    "border:2px solid #4b86ff;border-radius:7px;}"
    "QSpinBox{min-height:34px;background:#172235;border:1px solid #30425f;border-radius:7px;"
    "color:#e7edf8;padding:0 8px;}"
    "QPushButton{min-height:38px;min-width:110px;border-radius:7px;background:#1b2940;"
    "border:1px solid #34445f;color:#dbe4f4;}"
    "QPushButton:hover{border-color:#4b78c8;background:#1d2d48;}"
    "QPushButton#Primary{background:#3478f6;border-color:#4a8aff;color:white;font-weight:600;}";

// A volume slider with its "%" read-out beside it.
QWidget *volumeRow(QSlider *&slider, int value, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    slider = new QSlider(Qt::Horizontal, row);
    slider->setRange(0, 200);
    slider->setValue(value);
    keepLeftToRight(slider); // filled from its least end, as in every language
    auto *label = new QLabel(row);
    label->setFixedWidth(46);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const auto show = [label](int percent) { label->setText(QStringLiteral("%1%").arg(percent)); };
    show(slider->value());
    QObject::connect(slider, &QSlider::valueChanged, label, show);
    layout->addWidget(slider, 1);
    layout->addWidget(label);
    return row;
}

} // namespace

AudioSettingsDialog::AudioSettingsDialog(int systemVolume, int microphoneVolume, bool noiseReduction,
                                         bool mono, int microphoneDelayMs, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("音频高级设置"));
    setModal(true);
    setStyleSheet(QString::fromLatin1(DialogStyle));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 18);
    layout->setSpacing(12);

    auto *heading = new QLabel(tr("音频高级设置"), this);
    heading->setObjectName(QStringLiteral("Heading"));
    layout->addWidget(heading);
    // Between the heading and the buttons: it scrolls on a display lower than the dialog.
    auto *page = new QWidget(this);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(12);
    auto *hint = new QLabel(tr("系统声与麦克风会分别处理，再混合写入录制文件。"), page);
    hint->setObjectName(QStringLiteral("Hint"));
    hint->setWordWrap(true);
    pageLayout->addWidget(hint);

    auto *form = new QFormLayout;
    form->setHorizontalSpacing(18);
    form->setVerticalSpacing(14);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->addRow(tr("系统声音音量"), volumeRow(m_systemVolume, systemVolume, page));
    form->addRow(tr("麦克风音量"), volumeRow(m_microphoneVolume, microphoneVolume, page));
    m_microphoneDelay = new QSpinBox(page);
    m_microphoneDelay->setRange(0, 3000);
    m_microphoneDelay->setSingleStep(10);
    m_microphoneDelay->setSuffix(tr(" ms"));
    m_microphoneDelay->setValue(microphoneDelayMs);
    form->addRow(tr("麦克风延迟"), m_microphoneDelay);
    pageLayout->addLayout(form);

    m_noiseReduction = new QCheckBox(tr("麦克风降噪（降低持续环境噪声）"), page);
    m_noiseReduction->setChecked(noiseReduction);
    m_mono = new QCheckBox(tr("单声道输出（适合语音录制）"), page);
    m_mono->setChecked(mono);
    pageLayout->addWidget(m_noiseReduction);
    pageLayout->addWidget(m_mono);
    pageLayout->addStretch();
    layout->addWidget(page, 1);

    auto *footer = new QHBoxLayout;
    footer->addStretch();
    auto *cancel = new QPushButton(tr("取消"), this);
    auto *done = new QPushButton(tr("完成"), this);
    done->setObjectName(QStringLiteral("Primary"));
    done->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    footer->addWidget(cancel);
    footer->addWidget(done);
    layout->addLayout(footer);
    // 470 x 390, wider where a check box's text needs it (German), smaller on a smaller
    // display, its window manager's frame included.
    fitToDisplay(this, QSize(std::max(470, minimumSizeHint().width()), 390), page);
}

int AudioSettingsDialog::systemVolume() const { return m_systemVolume->value(); }
int AudioSettingsDialog::microphoneVolume() const { return m_microphoneVolume->value(); }
bool AudioSettingsDialog::noiseReduction() const { return m_noiseReduction->isChecked(); }
bool AudioSettingsDialog::mono() const { return m_mono->isChecked(); }
int AudioSettingsDialog::microphoneDelayMs() const { return m_microphoneDelay->value(); }
