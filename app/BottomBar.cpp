#include "app/BottomBar.h"

#include "widgets/TintedIcon.h"
#include "dialogs/AutoSplitDialog.h"
#include "dialogs/AutoStopDialog.h"
#include "dialogs/ScheduledRecordingDialog.h"
#include "library/WatermarkDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

BottomBar::BottomBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BottomBar"));
    setFixedHeight(64);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 0, 14, 0);
    layout->setSpacing(0);

    m_libraryButton = makeButton(QStringLiteral(":/icons/icons/list.svg"), tr("媒体库"), false, true);
    m_watermarkButton = makeButton(QStringLiteral(":/icons/icons/watermark.svg"), tr("水印"), true, true);
    m_autoSplitButton = makeButton(QStringLiteral(":/icons/icons/split.svg"), tr("自动分割"), true, true);
    m_autoStopButton = makeButton(QStringLiteral(":/icons/icons/timer.svg"), tr("自动停止"), true, true);
    m_scheduleButton = makeButton(QStringLiteral(":/icons/icons/timer.svg"), tr("计划录制"), true, true);
    m_gpuButton = makeButton(QStringLiteral(":/icons/icons/gpu.svg"), tr("GPU 加速"), true, false);
    m_gpuButton->setObjectName(QStringLiteral("btnGpu"));
    m_gpuButton->setStyleSheet(QStringLiteral(
        "QPushButton { background:transparent; border:none; border-left:1px solid #29364a;  color:#5d82ff; "
        "font-size:15px; padding:0 13px; min-height:46px; }"
        "QPushButton:hover { color:#87a2ff; background:rgba(255,255,255,0.035); }"
        "QPushButton:checked { color:#5d82ff; }"));
    m_gpuButton->setMinimumWidth(m_gpuButton->fontMetrics().horizontalAdvance(m_gpuButton->text().trimmed())
                                 + m_gpuButton->iconSize().width() + 38);
    m_watermarkButton->hide();
    layout->addWidget(m_libraryButton);
    layout->addWidget(m_autoSplitButton);
    layout->addWidget(m_autoStopButton);
    layout->addWidget(m_scheduleButton);
    layout->addStretch();
    layout->addWidget(m_gpuButton);

    connect(m_libraryButton, &QPushButton::clicked, this, &BottomBar::onVideoListClicked);
    connect(m_watermarkButton, &QPushButton::clicked, this, &BottomBar::onWatermarkClicked);
    connect(m_autoSplitButton, &QPushButton::clicked, this, &BottomBar::onAutoSplitClicked);
    connect(m_autoStopButton, &QPushButton::clicked, this, &BottomBar::onAutoStopClicked);
    connect(m_scheduleButton, &QPushButton::clicked, this, &BottomBar::onScheduleClicked);
    connect(m_gpuButton, &QPushButton::clicked, this, &BottomBar::recordingSettingsRequested);

    loadSettings();
}

BottomBar::~BottomBar()
{
    if (m_countdown)
        delete m_countdown.data();
    // The library window has no parent: it goes with the bar, at once, since after the event
    // loop has ended a later deletion would never come and its player would outlive the
    // application.
    if (m_library)
        delete m_library.data();
}

QPushButton *BottomBar::makeButton(const QString &iconPath, const QString &text, bool checkable, bool rightBorder)
{
    auto *button = new QPushButton(QStringLiteral("  ") + text, this);
    button->setIcon(tintedIcon(iconPath, QSize(20, 20), QColor(QStringLiteral("#9aa6b8")), qApp->devicePixelRatio()));
    button->setIconSize(QSize(20, 20));
    button->setCursor(Qt::PointingHandCursor);
    button->setFlat(true);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background:transparent; border:none; %1  color:#a6afbe; font-size:14px; "
                       "padding:0 14px; min-height:46px; border-radius:0; }"
                       "QPushButton:hover { color:#e5eaf2; background:rgba(255,255,255,0.04); }"
                       "QPushButton:checked { color:#5d82ff; }"
                       "QPushButton:disabled { color:#536176; background:transparent; }")
            .arg(rightBorder ? QStringLiteral("border-right:1px solid #29364a;") : QString()));
    button->setCheckable(checkable);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text().trimmed()) + 20 + 42);
    return button;
}

void BottomBar::loadSettings()
{
    QSettings s;
    s.setValue(QStringLiteral("watermark/enabled"), false);
    m_watermark.enabled = false;
    m_watermark.text = s.value(QStringLiteral("watermark/text"), QStringLiteral("Vistrelle")).toString();
    const QColor color =
        QColor::fromString(s.value(QStringLiteral("watermark/color"), QStringLiteral("#FFFFFF")).toString());
    m_watermark.color = color.isValid() ? color : QColor(Qt::white);
    m_watermark.fontSize = s.value(QStringLiteral("watermark/fontSize"), 24).toInt();
    m_watermark.opacity = s.value(QStringLiteral("watermark/opacity"), 50).toInt();
    m_watermark.position = s.value(QStringLiteral("watermark/position"), 0).toInt();
    m_watermark.marginX = s.value(QStringLiteral("watermark/marginX"), 20).toInt();
    m_watermark.marginY = s.value(QStringLiteral("watermark/marginY"), 20).toInt();

    m_autoSplit.enabled = s.value(QStringLiteral("autoSplit/enabled"), false).toBool();
    m_autoSplit.mode = s.value(QStringLiteral("autoSplit/mode"), 0).toInt();
    m_autoSplit.durationMin = s.value(QStringLiteral("autoSplit/durationMin"), 10).toInt();
    m_autoSplit.sizeMB = s.value(QStringLiteral("autoSplit/sizeMB"), 500).toInt();

    m_autoStop.enabled = s.value(QStringLiteral("autoStop/enabled"), false).toBool();
    m_autoStop.mode = s.value(QStringLiteral("autoStop/mode"), 0).toInt();
    m_autoStop.durationMin = s.value(QStringLiteral("autoStop/durationMin"), 30).toInt();
    m_autoStop.sizeMB = s.value(QStringLiteral("autoStop/sizeMB"), 1000).toInt();

    m_schedule.enabled = s.value(QStringLiteral("schedule/enabled"), false).toBool();
    m_schedule.recurrence = s.value(QStringLiteral("schedule/recurrence"), 0).toInt();
    m_schedule.startAt =
        s.value(QStringLiteral("schedule/startAt"), QDateTime::currentDateTime().addSecs(300)).toDateTime();
    m_schedule.weekDay = s.value(QStringLiteral("schedule/weekDay"), 1).toInt();
    m_schedule.captureMode = s.value(QStringLiteral("schedule/captureMode"), 0).toInt();

    m_watermarkButton->setChecked(m_watermark.enabled);
    m_autoSplitButton->setChecked(m_autoSplit.enabled);
    m_autoStopButton->setChecked(m_autoStop.enabled);
    m_scheduleButton->setChecked(m_schedule.enabled);
}

void BottomBar::onWatermarkClicked()
{
    QSettings s;
    if (m_watermark.enabled && !m_watermarkButton->isChecked()) {
        m_watermark.enabled = false;
        s.setValue(QStringLiteral("watermark/enabled"), false);
        emit watermarkChanged(m_watermark);
        return;
    }
    WatermarkDialog dialog(this);
    dialog.setConfig(m_watermark);
    if (dialog.exec() == 1) {
        m_watermark = dialog.config();
        s.setValue(QStringLiteral("watermark/enabled"), m_watermark.enabled);
        s.setValue(QStringLiteral("watermark/text"), m_watermark.text);
        s.setValue(QStringLiteral("watermark/color"), m_watermark.color.name());
        s.setValue(QStringLiteral("watermark/fontSize"), m_watermark.fontSize);
        s.setValue(QStringLiteral("watermark/opacity"), m_watermark.opacity);
        s.setValue(QStringLiteral("watermark/position"), m_watermark.position);
        s.setValue(QStringLiteral("watermark/marginX"), m_watermark.marginX);
        s.setValue(QStringLiteral("watermark/marginY"), m_watermark.marginY);
        m_watermarkButton->setChecked(m_watermark.enabled);
        emit watermarkChanged(m_watermark);
    } else {
        m_watermarkButton->setChecked(m_watermark.enabled);
    }
}

namespace {

// Edits one of the two limit records (auto split, auto stop): a click that turns an
// enabled record off switches it off at once and writes only its enabled key; otherwise
// the dialog runs, and on acceptance the record's four keys are written. True when the
// record changed.
template <typename Dialog, typename Config>
bool editLimitRecord(QWidget *parent, QPushButton *button, Config &record, const QString &group)
{
    if (!button->isEnabled())
        return false;
    QSettings s;
    if (record.enabled && !button->isChecked()) {
        record.enabled = false;
        s.setValue(group + QStringLiteral("/enabled"), false);
        return true;
    }
    Dialog dialog(parent);
    dialog.setConfig(record);
    const bool accepted = dialog.exec() == 1;
    if (accepted) {
        record = dialog.config();
        s.setValue(group + QStringLiteral("/enabled"), record.enabled);
        s.setValue(group + QStringLiteral("/mode"), record.mode);
        s.setValue(group + QStringLiteral("/durationMin"), record.durationMin);
        s.setValue(group + QStringLiteral("/sizeMB"), record.sizeMB);
    }
    button->setChecked(record.enabled);
    return accepted;
}

} // namespace

void BottomBar::onAutoSplitClicked()
{
    if (editLimitRecord<AutoSplitDialog>(this, m_autoSplitButton, m_autoSplit, QStringLiteral("autoSplit")))
        emit autoSplitChanged(m_autoSplit);
}

void BottomBar::onAutoStopClicked()
{
    if (editLimitRecord<AutoStopDialog>(this, m_autoStopButton, m_autoStop, QStringLiteral("autoStop")))
        emit autoStopChanged(m_autoStop);
}

void BottomBar::onScheduleClicked()
{
    if (!m_scheduleButton->isEnabled())
        return;
    ScheduledRecordingDialog dialog(window());
    dialog.setConfig(m_schedule);
    if (dialog.exec() == 1) {
        m_schedule = dialog.config();
        QSettings s;
        s.setValue(QStringLiteral("schedule/enabled"), m_schedule.enabled);
        s.setValue(QStringLiteral("schedule/recurrence"), m_schedule.recurrence);
        s.setValue(QStringLiteral("schedule/startAt"), m_schedule.startAt);
        s.setValue(QStringLiteral("schedule/weekDay"), m_schedule.weekDay);
        s.setValue(QStringLiteral("schedule/captureMode"), m_schedule.captureMode);
        m_scheduleButton->setChecked(m_schedule.enabled);
        emit scheduleChanged(m_schedule);
    } else {
        m_scheduleButton->setChecked(m_schedule.enabled);
    }
}

void BottomBar::showAutoSplitSettings()
{
    onAutoSplitClicked();
}

void BottomBar::showAutoStopSettings()
{
    if (!m_autoStopButton->isEnabled())
        return;
    onAutoStopClicked();
}

void BottomBar::showScheduleSettings()
{
    onScheduleClicked();
}

void BottomBar::setScheduleEnabled(bool on)
{
    m_schedule.enabled = on;
    m_scheduleButton->setChecked(on);
    QSettings().setValue(QStringLiteral("schedule/enabled"), on);
}

void BottomBar::onRecordingStarted()
{
    updateCountdown(0);
}

void BottomBar::updateCountdown(qint64 runningMs)
{
    // The recorder stops by duration when the mode is 0 (a mode above 0 is by size) and
    // never sooner than a minute, by wall time through pauses; the panel shows the same
    // limit, less the time the recording has run.
    if (!m_autoStop.enabled || m_autoStop.mode > 0) {
        closeCountdown();
        return;
    }
    showCountdown(std::max<qint64>(0, std::max(1, m_autoStop.durationMin) * 60000LL - std::max<qint64>(0, runningMs)));
}

void BottomBar::closeCountdown()
{
    if (!m_countdown)
        return;
    m_countdown->close();
    m_countdown->deleteLater();
    m_countdown = nullptr;
}

void BottomBar::showCountdown(qint64 remainingMs)
{
    if (m_countdown)
        m_countdown->deleteLater();
    auto *panel = new AutoStopDialog(nullptr);
    panel->setObjectName(QStringLiteral("AutoStopCountdown"));
    panel->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    panel->setCountdownMode(remainingMs);
    connect(panel, &AutoStopDialog::countdownCanceled, this, &BottomBar::autoStopWithdrawn);
    m_countdown = panel;
    panel->show();
}

