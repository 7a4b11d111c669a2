#include "dialogs/ScheduledRecordingDialog.h"

#include "widgets/LeftToRight.h"
#include "widgets/DialogPlacement.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTableView>
#include <QTextCharFormat>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

// A switch drawn as a track with a knob; the text beside it toggles it too.
class ToggleSwitch : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;
    ~ToggleSwitch() override = default;

    QSize sizeHint() const override
    {
        return QSize(fontMetrics().horizontalAdvance(text()) + 54, std::max(fontMetrics().height(), 22) + 6);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF track(0.5, (height() - 22) / 2.0, 42, 22);
        const bool on = isChecked();
        p.setPen(QPen(QColor(on ? "#5891ff" : "#536b8c"), 1));
        p.setBrush(QColor(!isEnabled() ? "#25334a" : on ? "#3478f6" : "#26364d"));
        p.drawRoundedRect(track, 11, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(isEnabled() ? "#ffffff" : "#8794a8"));
        p.drawEllipse(QRectF(on ? 23.5 : 3.5, track.top() + 3, 16, 16));
        p.setPen(QColor(isEnabled() ? "#e5ebf5" : "#63728a"));
        p.drawText(QRect(54, 0, width() - 54, height()), Qt::AlignLeft | Qt::AlignVCenter, text());
    }
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

class ScheduleComboBox : public QComboBox
{
public:
    explicit ScheduleComboBox(QWidget *parent) : QComboBox(parent)
    {
        auto *view = new QListView(this);
        view->setFrameShape(QFrame::NoFrame);
        view->setSpacing(0);
        view->setContentsMargins(0, 0, 0, 0);
        view->viewport()->setAutoFillBackground(true);
        QPalette palette = view->palette();
        palette.setColor(QPalette::Base, QColor("#0d192a"));
        palette.setColor(QPalette::Window, QColor("#0d192a"));
        view->setPalette(palette);
        view->setStyleSheet(QStringLiteral(
            "QListView{background:#0d192a;color:#f1f5fb;border:0;border-radius:0;padding:0;outline:0;}"
            "QListView::item{min-height:32px;padding:0 10px;background:#0d192a;}"
            "QListView::item:hover{background:#19304d;}"
            "QListView::item:selected{background:#1b3556;color:#ffffff;}"));
        setView(view);
    }
    ~ScheduleComboBox() override = default;

protected:
    // The chosen item at the field's leading edge, where the open list writes its items, and
    // the arrow at its trailing end, in the drop-down area (left of the text right to left).
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const QString text = option.currentText;
        option.currentText.clear();
        p.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        p.drawItemText(field, int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter)),
                       palette(), isEnabled(), fontMetrics().elidedText(text, Qt::ElideRight, field.width()),
                       QPalette::ButtonText);
        p.setOpacity(isEnabled() ? 1.0 : 0.45);
        QIcon(QStringLiteral(":/icons/icons/chevron_down.svg"))
            .paint(&p, QStyle::visualRect(layoutDirection(), rect(), QRect(width() - 24, (height() - 12) / 2, 12, 12)));
    }
    void showPopup() override
    {
        // Dressed before it opens: the list is sized with its border.
        if (QWidget *popup = view()->window(); popup && popup != window()) {
            QPalette palette = popup->palette();
            palette.setColor(QPalette::Window, QColor("#0d192a"));
            palette.setColor(QPalette::Base, QColor("#0d192a"));
            popup->setPalette(palette);
            popup->setAutoFillBackground(true);
            popup->setStyleSheet(QStringLiteral("background:#0d192a;border:1px solid #40516b;padding:0;margin:0;"));
        }
        QComboBox::showPopup();
    }
};

// The date's calendar in the dialog's colours, every week in view. Qt fills the day names'
// header with the palette's near-white and writes them in the style sheet's white; and it
// sizes the calendar without the frame and the least row height of its table, which cut the
// last week.
void dressCalendar(QCalendarWidget *calendar)
{
    QTextCharFormat header;
    header.setForeground(QColor(QStringLiteral("#9fb0c8")));
    header.setBackground(QColor(QStringLiteral("#14243a")));
    calendar->setHeaderTextFormat(header);
    QTextCharFormat weekend;
    weekend.setForeground(QColor(QStringLiteral("#ff8b8b")));
    calendar->setWeekdayTextFormat(Qt::Saturday, weekend);
    calendar->setWeekdayTextFormat(Qt::Sunday, weekend);
    calendar->ensurePolished();
    auto *view = calendar->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
    auto *navigation = calendar->findChild<QWidget *>(QStringLiteral("qt_calendar_navigationbar"));
    if (!view || !navigation)
        return;
    view->ensurePolished();
    const QAbstractItemView *cells = view;
    const int row = std::max({view->verticalHeader()->minimumSectionSize(), view->verticalHeader()->defaultSectionSize(),
                              cells->sizeHintForRow(1), view->fontMetrics().height() + 2});
    calendar->setMinimumHeight(navigation->sizeHint().height() + 7 * row + 2 * view->frameWidth());
}

const char *kStyle =
    "QWidget#ScheduleSurface{background:#0d192b;border:1px solid #40516b;border-radius:14px;}"
    "QLabel{color:#dfe7f4;font-size:13px;background:transparent;}"
    "QComboBox,QDateTimeEdit,QTimeEdit{background:#14243a;border:1px solid #354966;border-radius:7px;"
    "color:#f1f5fb;padding:7px 10px;min-height:22px;}"
    "QComboBox:disabled,QDateTimeEdit:disabled,QTimeEdit:disabled{background:#101b2b;color:#63728a;}"
    "QComboBox::drop-down{width:36px;border-left:1px solid #293d59;}QComboBox::down-arrow{image:none;}"
    "QDateTimeEdit::drop-down{width:36px;border-left:1px solid #293d59;}"
    "QDateTimeEdit::down-arrow{image:url(:/icons/icons/chevron_down.svg);width:12px;height:12px;}"
    "QTimeEdit::up-button,QTimeEdit::down-button{width:30px;border-left:1px solid #293d59;}"
    "QTimeEdit::up-arrow{image:url(:/icons/icons/spin_up.svg);width:12px;height:7px;}"
    "QTimeEdit::down-arrow{image:url(:/icons/icons/spin_down.svg);width:12px;height:7px;}"
    "QAbstractItemView{background:#0d192a;color:#f1f5fb;border:1px solid #40516b;"
    "selection-background-color:#1b3556;selection-color:#ffffff;}"
    "QPushButton{background:#14243a;border:1px solid #3a506f;border-radius:7px;color:#e7edf7;padding:9px 24px;}"
    "QPushButton:hover{border-color:#6f91c0;}"
    "QPushButton#Primary{background:#3478f6;border:1px solid #5891ff;color:white;font-weight:600;}";

} // namespace

ScheduledRecordingDialog::ScheduledRecordingDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("计划录制"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    keepDialogPositionTrue(this);
    setAttribute(Qt::WA_TranslucentBackground);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 14, 16, 22);
    auto *surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("ScheduleSurface"));
    surface->setAttribute(Qt::WA_StyledBackground);
    surface->setStyleSheet(QString::fromLatin1(kStyle));
    auto *shadow = new QGraphicsDropShadowEffect(surface);
    shadow->setBlurRadius(28);
    shadow->setOffset(0, 6);
    shadow->setColor(QColor(0, 0, 0, 150));
    surface->setGraphicsEffect(shadow);
    outer->addWidget(surface);

    auto *layout = new QVBoxLayout(surface);
    layout->setContentsMargins(24, 18, 24, 20);
    layout->setSpacing(14);
    // The title in the middle of the dialog.
    auto *titleRow = new QHBoxLayout;
    titleRow->addStretch();
    auto *title = new QLabel(tr("计划录制"), surface);
    title->setStyleSheet(QStringLiteral("font-size:20px;font-weight:700;color:white;"));
    titleRow->addWidget(title);
    titleRow->addStretch();
    layout->addLayout(titleRow);
    auto *close = new QPushButton(QStringLiteral("×"), surface);
    close->setFixedSize(32, 32);
    close->setStyleSheet(QStringLiteral("border:none;font-size:23px;color:#aebbd0;padding:0;"));
    close->hide();
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // Between the title and the buttons: what scrolls on a display lower than the dialog.
    auto *page = new QWidget(surface);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(14);
    layout->addWidget(page, 1);
    layout->addSpacing(12);

    auto *note = new QLabel(tr("到达开始时间后，Vistrelle 将按指定模式自动开始录制。"), page);
    note->setStyleSheet(QStringLiteral("color:#8494ad;font-size:12px;"));
    note->setWordWrap(true);
    pageLayout->addWidget(note);

    m_enable = new ToggleSwitch(tr("启用计划录制"), page);
    m_enable->setObjectName(QStringLiteral("ScheduleEnable"));
    m_enable->setCursor(Qt::PointingHandCursor);
    m_enable->setMinimumHeight(28);
    pageLayout->addWidget(m_enable);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setHorizontalSpacing(18);
    form->setVerticalSpacing(12);
    m_recurrence = new ScheduleComboBox(surface);
    m_recurrence->addItems({tr("单次"), tr("每日"), tr("每周")});
    m_dateTime = new QDateTimeEdit(QDateTime::currentDateTime().addSecs(300), surface);
    m_dateTime->setDisplayFormat(QStringLiteral("yyyy-MM-dd  HH:mm"));
    m_dateTime->setCalendarPopup(true);
    dressCalendar(m_dateTime->calendarWidget());
    m_time = new QTimeEdit(QTime::currentTime().addSecs(300), surface);
    m_time->setDisplayFormat(QStringLiteral("HH:mm"));
    keepLeftToRight(m_dateTime);
    keepLeftToRight(m_time);
    m_weekDay = new ScheduleComboBox(surface);
    m_weekDay->addItems({tr("星期一"), tr("星期二"), tr("星期三"), tr("星期四"), tr("星期五"), tr("星期六"), tr("星期日")});
    m_captureMode = new ScheduleComboBox(surface);
    m_captureMode->addItem(tr("录制屏幕"), 0);
    m_captureMode->addItem(tr("录制音频"), 4);
    m_captureMode->addItem(tr("录制窗口"), 1);
    m_captureMode->addItem(tr("游戏录制"), 2);
    m_captureMode->addItem(tr("高性能屏幕录制"), 3);
    form->addRow(tr("重复"), m_recurrence);
    form->addRow(tr("开始日期和时间"), m_dateTime);
    form->addRow(tr("每天开始时间"), m_time);
    form->addRow(tr("每周日期"), m_weekDay);
    form->addRow(tr("指定录制模式"), m_captureMode);
    pageLayout->addLayout(form);
    pageLayout->addStretch();

    auto *buttons = new QHBoxLayout;
    // Beside the buttons, where the form keeps its room: why a schedule was not saved.
    m_problem = new QLabel(surface);
    m_problem->setObjectName(QStringLiteral("ScheduleProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color:#ff6b6b;font-size:12px;"));
    m_problem->hide();
    buttons->addWidget(m_problem, 1);
    buttons->addStretch();
    auto *cancel = new QPushButton(tr("取消"), surface);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *save = new QPushButton(tr("保存计划"), surface);
    save->setObjectName(QStringLiteral("Primary"));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(cancel);
    buttons->addWidget(save);
    layout->addLayout(buttons);

    connect(m_enable, &QCheckBox::toggled, this, &ScheduledRecordingDialog::refreshFields);
    connect(m_dateTime, &QDateTimeEdit::dateTimeChanged, m_problem, &QWidget::hide);
    connect(m_recurrence, &QComboBox::currentIndexChanged, this, &ScheduledRecordingDialog::refreshFields);
    refreshFields();
    // 520 x 450, larger where the language's texts need the room (German), smaller on a
    // smaller display (the page then scrolls).
    ensurePolished();
    fitToDisplay(this, QSize(520, 450).expandedTo(outer->totalMinimumSize()), page);
}

void ScheduledRecordingDialog::setConfig(const ScheduledRecordingConfig &config)
{
    m_enable->setChecked(config.enabled);
    m_recurrence->setCurrentIndex(std::clamp(config.recurrence, 0, 2));
    m_dateTime->setDateTime(config.startAt);
    m_time->setTime(config.startAt.time());
    m_weekDay->setCurrentIndex(std::clamp(config.weekDay, 1, 7) - 1);
    const int modeIndex = m_captureMode->findData(config.captureMode);
    if (modeIndex >= 0)
        m_captureMode->setCurrentIndex(modeIndex);
    refreshFields();
}

ScheduledRecordingConfig ScheduledRecordingDialog::config() const
{
    ScheduledRecordingConfig config;
    config.enabled = m_enable->isChecked();
    config.recurrence = m_recurrence->currentIndex();
    // The start is at the minute shown, at its first second.
    const QTime shown = config.recurrence == 0 ? m_dateTime->time() : m_time->time();
    config.startAt = QDateTime(config.recurrence == 0 ? m_dateTime->date() : QDate::currentDate(),
                               QTime(shown.hour(), shown.minute()));
    config.weekDay = m_weekDay->currentIndex() + 1;
    config.captureMode = m_captureMode->currentData().toInt();
    return config;
}

void ScheduledRecordingDialog::accept()
{
    const ScheduledRecordingConfig chosen = config();
    if (chosen.enabled && chosen.recurrence == 0 && chosen.startAt <= QDateTime::currentDateTime()) {
        m_problem->setText(tr("这个时间已经过去，请选择一个将来的时间。"));
        m_problem->show();
        return;
    }
    QDialog::accept();
}

void ScheduledRecordingDialog::refreshFields()
{
    if (m_problem)
        m_problem->hide();
    const bool e = m_enable->isChecked();
    const int r = m_recurrence->currentIndex();
    m_recurrence->setEnabled(e);
    m_captureMode->setEnabled(e);
    m_dateTime->setEnabled(e && r == 0);
    m_time->setEnabled(e && r != 0);
    m_weekDay->setEnabled(e && r == 2);
}

void ScheduledRecordingDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < 72
        && startWindowMove(this, event->globalPosition().toPoint())) {
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}
