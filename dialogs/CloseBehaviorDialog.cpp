#include "dialogs/CloseBehaviorDialog.h"

#include "widgets/DialogPlacement.h"

#include <QCheckBox>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vc {

namespace {

// A choice drawn as a round indicator and a line of text.
class CloseChoiceButton : public QRadioButton
{
public:
    CloseChoiceButton(const QString &text, QWidget *parent)
        : QRadioButton(text, parent)
    {
        setCursor(Qt::PointingHandCursor);
        setMinimumHeight(34);
        setStyleSheet(QStringLiteral("QRadioButton{background:transparent;border:0;padding:0;}"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // The circle leads the text: on the right, right to left.
        const QRectF square(isRightToLeft() ? width() - 22 : 0, (height() - 22) / 2.0, 22, 22);
        if (isChecked()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(QStringLiteral("#347df5")));
            painter.drawEllipse(square);
            painter.setBrush(QColor(QStringLiteral("#f8fbff")));
            painter.drawEllipse(QRectF(square.center() - QPointF(4.5, 4.5), QSizeF(9, 9)));
        } else {
            const QColor ring(underMouse() ? QStringLiteral("#93b5e6") : QStringLiteral("#7089a7"));
            painter.setPen(QPen(ring, 2.2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QRectF(square.x() + 1.1, square.y() + 1.1, 19.8, 19.8));
        }
        painter.setFont(font());
        painter.setPen(QColor(isEnabled() ? QStringLiteral("#edf3fc") : QStringLiteral("#718198")));
        painter.drawText(QStyle::visualRect(layoutDirection(), rect(), QRect(36, 0, width() - 36, height())),
                         int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter)), text());
    }
};

const char *const kStyleSheet = R"(
QFrame#CloseBehaviorSurface {
    background: qradialgradient(cx:0.50, cy:0.36, radius:0.94, fx:0.50, fy:0.36,
        stop:0 #213451, stop:0.62 #13243b, stop:1 #0b192c);
    border: 1px solid #3c5372; border-radius: 13px; }
QLabel { background: transparent; border: none; color: #edf4ff;
    font-family: "Segoe UI", "Microsoft YaHei UI"; }
QLabel#CloseBehaviorTitle { font-size: 20px; font-weight: 700; color: #f4f8ff; }
QLabel#CloseBehaviorBody { font-size: 13px; color: #c9d6e8; }
QCheckBox { color: #dbe5f3; font-size: 12px; spacing: 9px; }
QCheckBox::indicator { width: 17px; height: 17px; border: 1px solid #4d6684; border-radius: 4px;
    background: #101b2b; }
QCheckBox::indicator:hover { border-color: #82aefa; }
QCheckBox::indicator:checked { background: #2878f5; border-color: #3989ff;
    image: url(:/icons/icons/check.svg); }
QRadioButton { min-height: 30px; color: #edf3fc; font-size: 13px; font-weight: 400; spacing: 13px;
    padding: 2px 0; }
QRadioButton:hover, QRadioButton:checked { color: #ffffff; }
QPushButton#CloseBehaviorClose { background: transparent; border: none; border-radius: 8px;
    color: #cfdaea; font-size: 20px; font-weight: 200; padding: 0; }
QPushButton#CloseBehaviorClose:hover { background: rgba(255,255,255,28); color: white; }
QPushButton#CloseBehaviorOk { min-width: 84px; min-height: 34px; max-height: 34px; padding: 0 14px;
    border: 1px solid #4f91ff; border-radius: 7px; color: white; font-size: 13px; font-weight: 600;
    background: #2878f5; }
QPushButton#CloseBehaviorOk:hover { background: #3b88ff; }
QPushButton#CloseBehaviorOk:pressed { background: #1f68dc; }
)";

constexpr int kDragBand = 62;

} // namespace

CloseBehaviorDialog::CloseBehaviorDialog(bool scheduleArmed, QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    keepDialogPositionTrue(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setWindowTitle(tr("关闭 Vistrelle"));
    setStyleSheet(QString::fromLatin1(kStyleSheet));
    setFixedWidth(450);
    buildUi(scheduleArmed);
}

void CloseBehaviorDialog::buildUi(bool)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 12);
    auto *surface = new QFrame(this);
    surface->setObjectName(QStringLiteral("CloseBehaviorSurface"));
    surface->setFixedWidth(430);
    auto *shadow = new QGraphicsDropShadowEffect(surface);
    shadow->setBlurRadius(28);
    shadow->setOffset(0, 9);
    shadow->setColor(QColor(0, 0, 0, 150));
    surface->setGraphicsEffect(shadow);
    outer->addWidget(surface);

    auto *layout = new QVBoxLayout(surface);
    layout->setContentsMargins(24, 17, 24, 20);
    layout->setSpacing(9);

    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(8);
    auto *title = new QLabel(tr("关闭 Vistrelle"), surface);
    title->setObjectName(QStringLiteral("CloseBehaviorTitle"));
    auto *close = new QPushButton(QStringLiteral("✕"), surface);
    close->setObjectName(QStringLiteral("CloseBehaviorClose"));
    close->setFixedSize(26, 26);
    close->setCursor(Qt::PointingHandCursor);
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    titleRow->addWidget(title);
    titleRow->addStretch();
    titleRow->addWidget(close);
    layout->addLayout(titleRow);

    auto *body = new QLabel(tr("关闭窗口后要做什么？"), surface);
    body->setObjectName(QStringLiteral("CloseBehaviorBody"));
    layout->addWidget(body);
    layout->addSpacing(5);

    m_trayChoice = new CloseChoiceButton(tr("最小化到托盘"), surface);
    m_trayChoice->setChecked(true);
    m_quitChoice = new CloseChoiceButton(tr("退出 Vistrelle"), surface);
    connect(m_trayChoice, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_choice = MinimizeToTray;
    });
    connect(m_quitChoice, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_choice = Quit;
    });
    layout->addWidget(m_trayChoice);
    layout->addWidget(m_quitChoice);
    layout->addSpacing(5);

    m_remember = new QCheckBox(tr("记住我的选择，下次不再询问"), surface);
    m_remember->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_remember);
    layout->addSpacing(3);

    auto *okRow = new QHBoxLayout;
    okRow->addStretch();
    auto *ok = new QPushButton(tr("确定"), surface);
    ok->setObjectName(QStringLiteral("CloseBehaviorOk"));
    ok->setCursor(Qt::PointingHandCursor);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    okRow->addWidget(ok);
    layout->addLayout(okRow);

    m_trayChoice->setFocus();
}

bool CloseBehaviorDialog::rememberChoice() const
{
    return m_remember && m_remember->isChecked();
}

void CloseBehaviorDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < kDragBand)
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    QDialog::mousePressEvent(event);
}

void CloseBehaviorDialog::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && !m_dragOffset.isNull()) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CloseBehaviorDialog::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragOffset = QPoint();
    QDialog::mouseReleaseEvent(event);
}

} // namespace vc
