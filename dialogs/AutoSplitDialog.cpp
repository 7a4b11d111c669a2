#include "dialogs/AutoSplitDialog.h"

#include "recording/NumberText.h"
#include "widgets/DialogPlacement.h"
#include "widgets/KeptSpinValue.h"
#include "widgets/TintedIcon.h"

#include <QApplication>
#include "platform/mac/OverlayWindowSupport.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace {

class CircleRadioButton : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF square((width() - 18) / 2, (height() - 18) / 2, 18, 18);
        const bool enabled = isEnabled();
        if (isChecked()) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(enabled ? "#3f80f7" : "#415675"));
            p.drawEllipse(square);
            p.setBrush(QColor(enabled ? "#ffffff" : "#9aa8bc"));
            p.drawEllipse(QRectF(square.center().x() - 4, square.center().y() - 4, 8, 8));
        } else {
            p.setPen(QPen(QColor(enabled ? "#718098" : "#465269"), 2));
            p.setBrush(QColor("#0d1829"));
            p.drawEllipse(square.adjusted(1, 1, -1, -1));
        }
    }
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

const char *kStyle =
    "QDialog{background:#0d192b;border:1px solid #33445e;border-radius:12px;color:#edf3ff;}"
    "QWidget#AutoSplitSurface{background:#0d192b;border:1px solid #33445e;border-radius:12px;}"
    "QLabel{color:#edf3ff;background:transparent;}"
    "QLabel#Title{font-size:18px;font-weight:700;color:#f5f8ff;}"
    "QLabel#Lead{font-size:12px;font-weight:400;color:#d5deeb;}"
    "QFrame#ModeCard{background:#111d30;border:1px solid #334158;border-radius:10px;}"
    "QFrame#ModeCard:hover{background:#14223a;border-color:#48617f;}"
    "QFrame#ModeCard[selected=\"true\"]{background:#172b50;border:2px solid #4a82ff;}"
    "QLabel#CardTitle{font-size:14px;font-weight:600;color:#eef3fb;}"
    "QLabel#CardHelp{font-size:11px;color:#8796ad;}"
    "QFrame#StepBox{background:#0d1829;border:1px solid #35445c;border-radius:7px;}"
    "QPushButton#StepButton{background:transparent;border:none;color:#aeb9ca;font-size:21px;}"
    "QPushButton#StepButton:hover{background:#1b2d49;color:white;}"
    "QPushButton#StepButton:disabled{color:#475368;}"
    "QSpinBox#StepValue{background:transparent;border:none;color:#f6f8fc;font-size:19px;font-weight:500;"
    "selection-background-color:#315fca;}"
    "QSpinBox#StepValue:disabled{color:#4f5b70;}"
    "QSpinBox#StepValue::up-button,QSpinBox#StepValue::down-button{width:0;border:none;}"
    "QLabel#Unit{font-size:14px;color:#d5dcea;}QLabel#Unit:disabled{color:#566176;}"
    "QFrame#Summary{background:#14223a;border:1px solid #2f4059;border-radius:8px;}"
    "QLabel#SummaryText{font-size:13px;color:#cbd5e6;}QLabel#Seamless{font-size:12px;color:#b8c6dc;}"
    "QPushButton#Close{background:#ff6259;border:1px solid #df514a;border-radius:7px;min-height:0;min-width:0;"
    "padding:0;}"
    "QPushButton#Close:hover{background:#ff817a;}"
    "QPushButton#Secondary,QPushButton#SplitOff{background:transparent;border:1px solid #3a4c67;border-radius:7px;"
    "color:#d8e0ed;font-size:13px;}QPushButton#Secondary:hover,QPushButton#SplitOff:hover{background:#182841;}"
    "QPushButton#SplitOff{padding:0 14px;}"
    "QPushButton#Primary{background:#3478f6;border:1px solid #5891ff;border-radius:7px;color:white;font-size:13px;"
    "font-weight:600;}QPushButton#Primary:hover{background:#4284fb;}";

QFrame *line(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFixedHeight(1);
    frame->setStyleSheet(QStringLiteral("background:#293950;"));
    return frame;
}

} // namespace

AutoSplitDialog::AutoSplitDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("自动分割设置"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    keepDialogPositionTrue(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setStyleSheet(QString::fromLatin1(kStyle));

    // The translucent dialog draws its rounded surface through this one child.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("AutoSplitSurface"));
    surface->setAttribute(Qt::WA_StyledBackground);
    outer->addWidget(surface);
    auto *main = new QVBoxLayout(surface);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);

    m_titleBar = new QWidget(surface);
    m_titleBar->setObjectName(QStringLiteral("TitleBar"));
    m_titleBar->setFixedHeight(58);
    auto *titleLayout = new QHBoxLayout(m_titleBar);
    titleLayout->setContentsMargins(18, 0, 14, 0);
    titleLayout->setSpacing(0);
    auto *close = new QPushButton(m_titleBar);
    close->setObjectName(QStringLiteral("Close"));
    close->setFixedSize(14, 14);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *icon = new QLabel(m_titleBar);
    icon->setPixmap(tintedPixmap(QStringLiteral(":/icons/icons/split.svg"), QSize(26, 26), QColor("#527dff"), qApp->devicePixelRatio()));
    auto *title = new QLabel(tr("自动分割设置"), m_titleBar);
    title->setObjectName(QStringLiteral("Title"));
    titleLayout->addWidget(close);
    titleLayout->addSpacing(14);
    titleLayout->addWidget(icon);
    titleLayout->addSpacing(12);
    titleLayout->addWidget(title);
    titleLayout->addStretch();
    m_titleBar->installEventFilter(this);
    icon->installEventFilter(this);
    title->installEventFilter(this);
    main->addWidget(m_titleBar);
    main->addWidget(line(surface));

    auto *content = new QWidget(surface);
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(20, 14, 20, 12);
    contentLayout->setSpacing(9);
    auto *lead = new QLabel(tr("录制时按指定条件自动切分为多个文件"), content);
    lead->setObjectName(QStringLiteral("Lead"));
    lead->setWordWrap(true);
    contentLayout->addWidget(lead);

    auto *cardsRow = new QHBoxLayout;
    cardsRow->setSpacing(12);
    auto *group = new QButtonGroup(this);
    group->setExclusive(true);
    auto makeCard = [&](const QString &titleText, const QString &help, const QString &iconPath, int min, int max,
                        int step, int value, const QString &unitText, QRadioButton *&radio, QSpinBox *&spin,
                        QFrame *&stepBox) {
        auto *card = new QFrame(content);
        card->setObjectName(QStringLiteral("ModeCard"));
        card->setFixedHeight(150);
        card->setCursor(Qt::PointingHandCursor);
        card->installEventFilter(this);
        auto *cardLayout = new QVBoxLayout(card);
        cardLayout->setContentsMargins(14, 12, 14, 12);
        cardLayout->setSpacing(4);
        auto *row = new QHBoxLayout;
        radio = new CircleRadioButton(card);
        radio->setFixedSize(24, 24);
        radio->setCursor(Qt::PointingHandCursor);
        group->addButton(radio);
        auto *cardIcon = new QLabel(card);
        cardIcon->setPixmap(tintedPixmap(iconPath, QSize(28, 28), QColor("#527dff"), qApp->devicePixelRatio()));
        auto *texts = new QVBoxLayout;
        texts->setSpacing(3);
        auto *cardTitle = new QLabel(titleText, card);
        cardTitle->setObjectName(QStringLiteral("CardTitle"));
        auto *cardHelp = new QLabel(help, card);
        cardHelp->setObjectName(QStringLiteral("CardHelp"));
        cardHelp->setWordWrap(true);
        texts->addWidget(cardTitle);
        texts->addWidget(cardHelp);
        row->addWidget(radio);
        row->addSpacing(8);
        row->addWidget(cardIcon);
        row->addSpacing(5);
        row->addLayout(texts);
        row->addStretch();
        cardLayout->addLayout(row);
        cardLayout->addStretch();

        stepBox = new QFrame(card);
        stepBox->setObjectName(QStringLiteral("StepBox"));
        stepBox->setFixedHeight(42);
        auto *stepLayout = new QHBoxLayout(stepBox);
        stepLayout->setContentsMargins(0, 0, 10, 0);
        stepLayout->setSpacing(0);
        auto *minus = new QPushButton(QStringLiteral("−"), stepBox);
        minus->setObjectName(QStringLiteral("StepButton"));
        minus->setFixedWidth(46);
        spin = new QSpinBox(stepBox);
        spin->setObjectName(QStringLiteral("StepValue"));
        spin->setRange(min, max);
        spin->setSingleStep(step);
        spin->setValue(value);
        spin->setAlignment(Qt::AlignCenter);
        spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
        spin->setFixedWidth(104);
        KeptSpinValue::attach(spin);
        auto *plus = new QPushButton(QStringLiteral("+"), stepBox);
        plus->setObjectName(QStringLiteral("StepButton"));
        plus->setFixedWidth(46);
        auto *unit = new QLabel(unitText, stepBox);
        unit->setObjectName(QStringLiteral("Unit"));
        unit->setFixedWidth(42);
        unit->setAlignment(Qt::AlignCenter);
        QSpinBox *spinBox = spin;
        connect(minus, &QPushButton::clicked, spinBox, &QSpinBox::stepDown);
        connect(plus, &QPushButton::clicked, spinBox, &QSpinBox::stepUp);
        stepLayout->addWidget(minus);
        stepLayout->addWidget(spin);
        stepLayout->addWidget(plus);
        stepLayout->addWidget(unit);
        cardLayout->addWidget(stepBox, 0, Qt::AlignHCenter);
        connect(radio, &QRadioButton::toggled, this, &AutoSplitDialog::updateState);
        connect(spin, &QSpinBox::valueChanged, this, &AutoSplitDialog::updateState);
        cardsRow->addWidget(card);
        return card;
    };
    m_durationCard = makeCard(tr("按录制时长"), tr("适合会议、课程等长时间录制"), QStringLiteral(":/icons/icons/timer.svg"),
                              1, 120, 1, 10, tr("分钟"), m_durationRadio, m_durationSpin, m_durationStep);
    m_sizeCard = makeCard(tr("按文件大小"), tr("便于上传、传输或分段保存"), QStringLiteral(":/icons/icons/list.svg"), 100,
                          4096, 100, 500, NumberText::byteUnit(NumberText::ByteUnit::MB), m_sizeRadio, m_sizeSpin,
                          m_sizeStep);
    contentLayout->addLayout(cardsRow);

    auto *summary = new QFrame(content);
    summary->setObjectName(QStringLiteral("Summary"));
    summary->setFixedHeight(48);
    auto *summaryLayout = new QHBoxLayout(summary);
    summaryLayout->setContentsMargins(14, 0, 14, 0);
    auto *info = new QLabel(QStringLiteral("ⓘ"), summary);
    info->setStyleSheet(QStringLiteral("font-size:22px;color:#4f89ff;"));
    m_summary = new QLabel(summary);
    m_summary->setObjectName(QStringLiteral("SummaryText"));
    auto *seamless = new QLabel(tr("✓  无缝切分"), summary);
    seamless->setObjectName(QStringLiteral("Seamless"));
    summaryLayout->addWidget(info);
    summaryLayout->addSpacing(8);
    summaryLayout->addWidget(m_summary);
    summaryLayout->addStretch();
    summaryLayout->addWidget(seamless);
    contentLayout->addWidget(summary);
    main->addWidget(content, 1);
    main->addWidget(line(surface));

    auto *footer = new QWidget(surface);
    footer->setObjectName(QStringLiteral("Footer"));
    footer->setFixedHeight(60);
    auto *footerLayout = new QHBoxLayout(footer);
    footerLayout->setContentsMargins(20, 0, 20, 0);
    footerLayout->setSpacing(10);
    auto *cancel = new QPushButton(tr("取消"), footer);
    cancel->setObjectName(QStringLiteral("Secondary"));
    cancel->setFixedSize(108, 40);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *ok = new QPushButton(tr("确定"), footer);
    ok->setObjectName(QStringLiteral("Primary"));
    ok->setFixedSize(118, 40);
    ok->setDefault(true);
    // A click leaves the focus in a field being typed in, so that OK sees its text as typed.
    ok->setFocusPolicy(Qt::TabFocus);
    connect(ok, &QPushButton::clicked, this, &AutoSplitDialog::onApply);
    // Shown for splitting that is on: the one way to turn it off from wherever the dialog
    // was opened (the preparation toolbar, the webcam page).
    m_offButton = new QPushButton(tr("关闭自动分割"), footer);
    m_offButton->setObjectName(QStringLiteral("SplitOff"));
    m_offButton->setMinimumSize(108, 40);
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
    main->addWidget(footer);
    // 680 x 430, smaller on a smaller display: the content scrolls between the title and
    // the buttons.
    fitToDisplay(this, QSize(680, 430), content);

    m_durationRadio->setChecked(true);
    updateState();
}

void AutoSplitDialog::setConfig(const AutoSplitConfig &config)
{
    m_config = config;
    m_offButton->setVisible(config.enabled);
    if (config.mode != 0)
        m_sizeRadio->setChecked(true);
    else
        m_durationRadio->setChecked(true);
    m_durationSpin->setValue(config.durationMin);
    m_sizeSpin->setValue(config.sizeMB);
    updateState();
}

void AutoSplitDialog::onApply()
{
    // A field still holding a value outside its range shows the value it keeps first; the
    // next OK applies it.
    if (KeptSpinValue::showKeptValue(m_durationSpin) | KeptSpinValue::showKeptValue(m_sizeSpin))
        return;
    m_config = AutoSplitConfig{true, m_durationRadio->isChecked() ? 0 : 1, m_durationSpin->value(),
                               m_sizeSpin->value()};
    emit configChanged(m_config);
    accept();
}

void AutoSplitDialog::updateState()
{
    const bool byDuration = m_durationRadio->isChecked();
    m_durationStep->setEnabled(byDuration);
    m_sizeStep->setEnabled(!byDuration);
    for (auto [card, selected] : {std::pair{m_durationCard, byDuration}, std::pair{m_sizeCard, !byDuration}}) {
        card->setProperty("selected", selected);
        card->style()->unpolish(card);
        card->style()->polish(card);
    }
    m_summary->setText(byDuration ? tr("将每 %n 分钟自动保存为一个新文件", nullptr, m_durationSpin->value())
                                  : tr("文件达到 %1 MB 时自动切分并保存").arg(m_sizeSpin->value()));
}

bool AutoSplitDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_durationCard || watched == m_sizeCard) {
            (watched == m_durationCard ? m_durationRadio : m_sizeRadio)->setChecked(true);
            return true;
        }
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && (widget == m_titleBar || widget->parentWidget() == m_titleBar)) {
            startWindowMove(this, static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AutoSplitDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
}
