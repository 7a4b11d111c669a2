#include "dialogs/AutoStopDialog.h"

#include "recording/NumberText.h"
#include "widgets/DialogPlacement.h"
#include "widgets/KeptSpinValue.h"
#include "widgets/TintedIcon.h"

#include <algorithm>

#include <QApplication>
#include "platform/mac/OverlayWindowSupport.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QPainter>
#include <QSpinBox>
#include <QStyleOption>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char *kStyle =
    "QDialog{background:#0d192b;border:1px solid #354860;border-radius:12px;color:#edf3ff;}"
    "QLabel{background:transparent;color:#edf3ff;}"
    "QLabel#AutoStopTitle{color:#f4f7fd;font-size:18px;font-weight:700;}"
    "QLabel#AutoStopDescription{color:#8d9bb1;font-size:12px;}"
    "QGroupBox#StopConditions{background:#101c2e;border:1px solid #33445d;border-radius:10px;margin-top:14px;"
    "padding:15px;}"
    "QGroupBox#StopConditions::title{subcontrol-origin:margin;left:14px;color:#8d9bb1;font-size:11px;}"
    "QRadioButton{color:#dce5f3;font-size:13px;}"
    "QRadioButton::indicator{width:14px;height:14px;border-radius:7px;border:1px solid #65758e;}"
    "QRadioButton::indicator:hover{border-color:#80a7ff;}"
    "QRadioButton::indicator:checked{border:5px solid #3b82f6;background:white;width:6px;height:6px;}"
    "QSpinBox{background:#17243a;border:1px solid #3a4c67;border-radius:7px;font-size:13px;color:#edf3ff;}"
    "QSpinBox:hover{border-color:#5276a8;}QSpinBox:focus{border-color:#4387ff;}"
    "QSpinBox:disabled{background:#111b2c;border-color:#28364a;color:#536077;}"
    "QSpinBox::up-button,QSpinBox::down-button{width:17px;height:17px;background:#213049;border:none;}"
    "QSpinBox::up-button:hover,QSpinBox::down-button:hover{background:#2d4262;}"
    "QSpinBox::up-button:pressed,QSpinBox::down-button:pressed{background:#36557f;}"
    "QSpinBox::up-arrow{image:url(:/icons/icons/spin_up.svg);width:8px;height:5px;}"
    "QSpinBox::down-arrow{image:url(:/icons/icons/spin_down.svg);width:8px;height:5px;}"
    "QLabel#StopUnit{color:#aeb9ca;font-size:12px;}QLabel#StopUnit:disabled{color:#536077;}"
    "QLabel#AutoStopHint{color:#69a1ff;background:#142440;border:1px solid #29476f;border-radius:7px;"
    "font-size:12px;padding:0 10px;}"
    "QPushButton#AutoStopClose{background:transparent;border:none;border-radius:6px;}"
    "QPushButton#AutoStopClose:hover{background:#24344c;}"
    "QPushButton#AutoStopSecondary,QPushButton#AutoStopOff{background:#111d30;border:1px solid #3a4c67;"
    "border-radius:7px;color:#dce4f1;font-size:13px;}"
    "QPushButton#AutoStopSecondary:hover,QPushButton#AutoStopOff:hover{background:#192a43;border-color:#536986;}"
    "QPushButton#AutoStopOff{padding:0 14px;}"
    "QPushButton#AutoStopPrimary{background:#3478f6;border:1px solid #5891ff;border-radius:7px;color:white;"
    "font-size:13px;font-weight:600;}QPushButton#AutoStopPrimary:hover{background:#4285fb;}";

QFrame *line(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFixedHeight(1);
    frame->setStyleSheet(QStringLiteral("background:#293950;border:none;"));
    return frame;
}

void clearLayout(QLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QLayout *nested = item->layout())
            clearLayout(nested);
        delete item->widget();
        delete item;
    }
}

} // namespace

AutoStopDialog::AutoStopDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("自动停止设置"));
    // Frameless: the dialog draws its own title bar and moves through it.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // Outside its rounded border the window shows what lies behind it, not dark corners.
    setAttribute(Qt::WA_TranslucentBackground);
    keepDialogPositionTrue(this);
    setFixedSize(500, 370);
    setStyleSheet(QString::fromLatin1(kStyle));
    m_timer = new QTimer(this);
    m_timer->setInterval(200);
    connect(m_timer, &QTimer::timeout, this, &AutoStopDialog::onInternalTick);
    QWidget *conditions = buildConfigUi();
    // 500 x 370, wider where the title needs it (German), smaller on a smaller display (the
    // conditions then scroll between the title and the buttons).
    fitToDisplay(this, QSize(500, 370).expandedTo(minimumSizeHint()), conditions);
}

void AutoStopDialog::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

QWidget *AutoStopDialog::buildTitleBar(const QString &titleText)
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("AutoStopTitleBar"));
    bar->setFixedHeight(56);
    bar->installEventFilter(this);
    auto *layout = new QHBoxLayout(bar);
    // The close button's side keeps 12 px in either direction.
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    layout->setContentsMargins(rightToLeft ? 12 : 76, 0, rightToLeft ? 76 : 12, 0);
    auto *icon = new QLabel(bar);
    icon->setFixedSize(28, 28);
    icon->setPixmap(tintedPixmap(QStringLiteral(":/icons/icons/timer.svg"), QSize(25, 25), QColor("#5790ff"), qApp->devicePixelRatio()));
    icon->installEventFilter(this);
    auto *title = new QLabel(titleText, bar);
    title->setObjectName(QStringLiteral("AutoStopTitle"));
    title->installEventFilter(this);
    auto *close = new QPushButton(bar);
    close->setObjectName(QStringLiteral("AutoStopClose"));
    close->setFixedSize(34, 34);
    close->setIcon(QIcon(QStringLiteral(":/icons/icons/close.svg")));
    close->setIconSize(QSize(17, 17));
    close->setCursor(Qt::PointingHandCursor);
    layout->addWidget(icon);
    layout->addSpacing(9);
    layout->addWidget(title);
    layout->addStretch();
    layout->addWidget(close);
    if (m_countdownMode) {
        close->hide();
        connect(close, &QPushButton::clicked, this, &AutoStopDialog::cancelCountdown);
    } else {
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
    }
    m_titleBar = bar;
    return bar;
}

QWidget *AutoStopDialog::buildConfigUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTitleBar(tr("自动停止设置")));
    layout->addWidget(line(this));

    auto *body = new QWidget(this);
    auto *bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(20, 13, 20, 12);
    bodyLayout->setSpacing(10);
    auto *description = new QLabel(tr("录制达到指定条件时自动停止并保存文件。"), body);
    description->setObjectName(QStringLiteral("AutoStopDescription"));
    description->setWordWrap(true);
    bodyLayout->addWidget(description);

    auto *box = new QGroupBox(tr("停止条件"), body);
    box->setObjectName(QStringLiteral("StopConditions"));
    box->setFixedHeight(148);
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->setSpacing(10);
    auto *group = new QButtonGroup(this);
    auto makeRow = [&](const QString &text, int id, int min, int max, int value, const QString &unitText,
                       QRadioButton *&radio, QSpinBox *&spin) {
        auto *row = new QHBoxLayout;
        radio = new QRadioButton(text, box);
        group->addButton(radio, id);
        spin = new QSpinBox(box);
        spin->setRange(min, max);
        spin->setValue(value);
        spin->setFixedSize(96, 38);
        KeptSpinValue::attach(spin);
        auto *unit = new QLabel(unitText, box);
        unit->setObjectName(QStringLiteral("StopUnit"));
        row->addWidget(radio);
        row->addStretch();
        row->addWidget(spin);
        row->addWidget(unit);
        boxLayout->addLayout(row);
    };
    makeRow(tr("按录制时长"), 0, 1, 480, 30, tr("分钟"), m_durationRadio, m_durationSpin);
    makeRow(tr("按文件大小"), 1, 100, 10240, 1000, NumberText::byteUnit(NumberText::ByteUnit::MB), m_sizeRadio, m_sizeSpin);
    m_durationRadio->setChecked(true);
    m_sizeSpin->setEnabled(false);
    bodyLayout->addWidget(box);

    m_hint = new QLabel(tr("录制 %n 分钟后自动停止", nullptr, 30), body);
    m_hint->setObjectName(QStringLiteral("AutoStopHint"));
    m_hint->setFixedHeight(36);
    bodyLayout->addWidget(m_hint);
    bodyLayout->addStretch();
    layout->addWidget(body, 1);
    layout->addWidget(line(this));

    auto *footer = new QWidget(this);
    footer->setObjectName(QStringLiteral("AutoStopFooter"));
    footer->setFixedHeight(58);
    auto *footerLayout = new QHBoxLayout(footer);
    footerLayout->setContentsMargins(20, 0, 20, 0);
    auto *cancel = new QPushButton(tr("取消"), footer);
    cancel->setObjectName(QStringLiteral("AutoStopSecondary"));
    cancel->setFixedSize(108, 40);
    cancel->setCursor(Qt::PointingHandCursor);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *ok = new QPushButton(tr("确定"), footer);
    ok->setObjectName(QStringLiteral("AutoStopPrimary"));
    ok->setFixedSize(118, 40);
    ok->setCursor(Qt::PointingHandCursor);
    ok->setDefault(true);
    // A click leaves the focus in a field being typed in, so that OK sees its text as typed.
    ok->setFocusPolicy(Qt::TabFocus);
    connect(ok, &QPushButton::clicked, this, &AutoStopDialog::onApply);
    // Shown for a limit that is on: the one way to turn it off from wherever the dialog
    // was opened (the preparation toolbar, the webcam page, the recording toolbar).
    m_offButton = new QPushButton(tr("关闭自动停止"), footer);
    m_offButton->setObjectName(QStringLiteral("AutoStopOff"));
    m_offButton->setMinimumSize(108, 40);
    m_offButton->setCursor(Qt::PointingHandCursor);
    m_offButton->hide();
    connect(m_offButton, &QPushButton::clicked, this, [this] {
        m_config.enabled = false;
        emit configChanged(m_config);
        accept();
    });
    footerLayout->addWidget(m_offButton);
    footerLayout->addStretch();
    footerLayout->addWidget(cancel);
    footerLayout->addWidget(ok);
    layout->addWidget(footer);

    connect(m_durationRadio, &QRadioButton::toggled, this, &AutoStopDialog::updateHint);
    connect(m_durationSpin, &QSpinBox::valueChanged, this, &AutoStopDialog::updateHint);
    connect(m_sizeSpin, &QSpinBox::valueChanged, this, &AutoStopDialog::updateHint);
    return body;
}

void AutoStopDialog::setConfig(const AutoStopConfig &config)
{
    m_config = config;
    if (m_countdownMode)
        return;
    m_offButton->setVisible(config.enabled);
    m_durationSpin->setValue(config.durationMin);
    m_sizeSpin->setValue(config.sizeMB);
    (config.mode != 0 ? m_sizeRadio : m_durationRadio)->setChecked(true);
    updateHint();
}

void AutoStopDialog::updateHint()
{
    if (m_countdownMode)
        return;
    const bool byDuration = m_durationRadio->isChecked();
    m_durationSpin->setEnabled(byDuration);
    m_sizeSpin->setEnabled(!byDuration);
    m_hint->setText(byDuration ? tr("录制 %n 分钟后自动停止", nullptr, m_durationSpin->value())
                               : tr("文件达到 %1 MB 后自动停止").arg(m_sizeSpin->value()));
}

void AutoStopDialog::onApply()
{
    // A field still holding a value outside its range shows the value it keeps first; the
    // next OK applies it.
    if (KeptSpinValue::showKeptValue(m_durationSpin) | KeptSpinValue::showKeptValue(m_sizeSpin))
        return;
    m_config = AutoStopConfig{true, m_durationRadio->isChecked() ? 0 : 1, m_durationSpin->value(),
                              m_sizeSpin->value()};
    emit configChanged(m_config);
    accept();
}

void AutoStopDialog::setCountdownMode(qint64 remainingMs)
{
    m_countdownMode = true;
    m_totalMs = std::max<qint64>(0, remainingMs);
    m_total = m_remaining = int((m_totalMs + 999) / 1000);
    m_clock.start();

    clearLayout(layout());
    delete layout();
    m_titleBar = nullptr;
    m_durationRadio = m_sizeRadio = nullptr;
    m_durationSpin = m_sizeSpin = nullptr;
    m_hint = nullptr;

    setWindowTitle(tr("自动停止倒计时"));
    // A small panel: it stands at the screen's edge beside the recording toolbar and,
    // where the platform cannot leave it out of a full-screen recording, is recorded.
    setFixedWidth(300);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTitleBar(tr("自动停止倒计时")));
    layout->addWidget(line(this));
    auto *body = new QWidget(this);
    auto *bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(16, 8, 16, 12);
    bodyLayout->setSpacing(8);
    m_countLabel = new QLabel(body);
    m_countLabel->setObjectName(QStringLiteral("AutoStopCount"));
    m_countLabel->setAlignment(Qt::AlignCenter);
    m_countLabel->setStyleSheet(QStringLiteral(
        "font-size:30px;font-weight:700;color:#ef4444;font-family:'Segoe UI','Courier New',monospace;"));
    m_progress = new QProgressBar(body);
    m_progress->setRange(0, m_total);
    m_progress->setValue(m_total);
    m_progress->setFixedHeight(6);
    m_progress->setTextVisible(false);
    m_progress->setStyleSheet(QStringLiteral(
        "QProgressBar{background:#252830;border-radius:3px;border:none;}"
        "QProgressBar::chunk{background:#ef4444;border-radius:3px;}"));
    m_note = new QLabel(tr("录制将在以上时间后自动停止"), body);
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setWordWrap(true);
    m_note->setStyleSheet(QStringLiteral("font-size:11.5px;color:#6a7080;"));
    m_cancelButton = new QPushButton(tr("取消自动停止"), body);
    m_cancelButton->setObjectName(QStringLiteral("AutoStopSecondary"));
    m_cancelButton->setFixedHeight(32);
    m_cancelButton->setMinimumWidth(140);
    m_cancelButton->setCursor(Qt::PointingHandCursor);
    connect(m_cancelButton, &QPushButton::clicked, this, &AutoStopDialog::cancelCountdown);
    bodyLayout->addWidget(m_countLabel);
    bodyLayout->addWidget(m_progress);
    bodyLayout->addWidget(m_note);
    bodyLayout->addWidget(m_cancelButton, 0, Qt::AlignHCenter);
    layout->addWidget(body, 1);
    setFixedHeight(layout->totalHeightForWidth(300));

    // Wider where the title or the button needs it (German).
    setFixedWidth(std::max(440, minimumSizeHint().width()));
    // The panel's own size from now on, not the settings' one, kept within the display.
    fitToDisplay(this, size(), nullptr);
    updateCountLabel();
    m_timer->start();
}

QString AutoStopDialog::formatCountdown(int r)
{
    r = std::max(0, r);
    const int h = r / 3600, m = (r - 3600 * h) / 60, s = r % 60;
    auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (r < 3600)
        return QStringLiteral("%1:%2").arg(two(m), two(s));
    return QStringLiteral("%1:%2:%3").arg(two(h), two(m), two(s));
}

QString AutoStopDialog::countText() const
{
    return m_countLabel ? m_countLabel->text() : QString();
}

void AutoStopDialog::updateCountLabel()
{
    if (!m_countLabel)
        return;
    // Whole seconds left, rounded up: 00:00 once the stop is due.
    const qint64 leftMs = std::max<qint64>(0, m_totalMs - m_clock.elapsed());
    m_remaining = int((leftMs + 999) / 1000);
    m_countLabel->setText(formatCountdown(m_remaining));
    m_progress->setValue(m_remaining);
}

void AutoStopDialog::tick()
{
    onInternalTick();
}

void AutoStopDialog::onInternalTick()
{
    updateCountLabel();
    if (m_remaining < 1) {
        // The panel stays at 00:00 until the recording's stop closes it.
        m_timer->stop();
        emit countdownFinished();
    }
}

void AutoStopDialog::cancelCountdown()
{
    m_timer->stop();
    emit countdownCanceled();
    close();
}

bool AutoStopDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && m_titleBar) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && widget
            && (widget == m_titleBar || (widget->parentWidget() == m_titleBar && !qobject_cast<QPushButton *>(widget)))) {
            startWindowMove(this, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AutoStopDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
}
