#include "overlays/AnnotationToolbar.h"

#include "platform/mac/OverlayWindowSupport.h"

#include <QColorDialog>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

namespace {

const char *const kNormalButtonStyle =
    "QPushButton{background:rgba(255,255,255,0.1);border:none;border-radius:6px;color:white;font-size:13px;"
    "min-width:32px;min-height:32px;padding:0 6px;}QPushButton:hover{background:rgba(255,255,255,0.2);}";
const char *const kSelectedButtonStyle =
    "QPushButton{background:#e05c3a;border:none;border-radius:6px;color:white;font-size:13px;"
    "min-width:32px;min-height:32px;padding:0 6px;}QPushButton:hover{background:#c8512f;}";

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFixedHeight(24);
    line->setStyleSheet(QStringLiteral("color:rgba(255,255,255,0.15);"));
    return line;
}

QPushButton *stripButton(const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setToolTip(tip);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QString::fromLatin1(kNormalButtonStyle));
    return button;
}

} // namespace

AnnotationToolbar::AnnotationToolbar(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedHeight(54);
    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(16);
    shadow->setOffset(0, 3);
    shadow->setColor(QColor(0, 0, 0, 140));
    setGraphicsEffect(shadow);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(4);

    auto *handle = new QLabel(QStringLiteral("⠿"), this);
    handle->setStyleSheet(QStringLiteral("color:rgba(255,255,255,0.4);font-size:16px;padding:0 4px;"));
    handle->setCursor(Qt::SizeAllCursor);
    layout->addWidget(handle);

    const QString glyphs[4] = {QStringLiteral("🖊"), QStringLiteral("➤"), QStringLiteral("▭"), QStringLiteral("T")};
    const QString tips[4] = {tr("画笔"), tr("箭头"), tr("矩形"), tr("文字")};
    for (int i = 0; i < 4; ++i) {
        m_toolButtons[i] = stripButton(glyphs[i], tips[i], this);
        layout->addWidget(m_toolButtons[i]);
        connect(m_toolButtons[i], &QPushButton::clicked, this, [this, i] { selectTool(static_cast<Tool>(i)); });
    }
    layout->addWidget(separator(this));

    m_swatch = new QPushButton(this);
    m_swatch->setFixedSize(28, 28);
    m_swatch->setCursor(Qt::PointingHandCursor);
    m_swatch->setToolTip(tr("选择颜色"));
    styleSwatch();
    layout->addWidget(m_swatch);
    connect(m_swatch, &QPushButton::clicked, this, &AnnotationToolbar::pickColor);
    layout->addWidget(separator(this));

    auto *widthLabel = new QLabel(tr("粗细"), this);
    widthLabel->setStyleSheet(QStringLiteral("color:rgba(255,255,255,0.6);font-size:10px;"));
    layout->addWidget(widthLabel);
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setRange(1, 12);
    slider->setValue(3);
    slider->setFixedWidth(70);
    slider->setStyleSheet(QStringLiteral(
        "QSlider::groove:horizontal{height:4px;background:rgba(255,255,255,0.2);border-radius:2px;}"
        "QSlider::handle:horizontal{width:14px;height:14px;background:#e05c3a;border-radius:7px;margin:-5px 0;}"
        "QSlider::sub-page:horizontal{background:#e05c3a;border-radius:2px;}"));
    layout->addWidget(slider);
    connect(slider, &QSlider::valueChanged, this, &AnnotationToolbar::widthChanged);
    layout->addWidget(separator(this));

    auto *undo = stripButton(QStringLiteral("↩"), tr("撤销  Ctrl+Z"), this);
    auto *clear = stripButton(QStringLiteral("🗑"), tr("清除全部  Del"), this);
    layout->addWidget(undo);
    layout->addWidget(clear);
    connect(undo, &QPushButton::clicked, this, &AnnotationToolbar::undoRequested);
    connect(clear, &QPushButton::clicked, this, &AnnotationToolbar::clearRequested);
    layout->addWidget(separator(this));

    auto *exit = new QPushButton(QStringLiteral("✕ ") + tr("退出注释"), this);
    exit->setCursor(Qt::PointingHandCursor);
    exit->setStyleSheet(QStringLiteral(
        "QPushButton{background:rgba(239,68,68,0.2);border:none;border-radius:6px;color:#fca5a5;font-size:11px;"
        "padding:0 10px;min-height:32px;}QPushButton:hover{background:rgba(239,68,68,0.35);color:white;}"));
    layout->addWidget(exit);
    connect(exit, &QPushButton::clicked, this, &AnnotationToolbar::closeRequested);

    adjustSize();
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move((area.left() + area.right()) / 2 - width() / 2, area.top() + 8);
    }
    selectTool(Pen);
}

void AnnotationToolbar::selectTool(AnnotationToolbar::Tool tool)
{
    m_tool = tool;
    for (int i = 0; i < 4; ++i)
        m_toolButtons[i]->setStyleSheet(QString::fromLatin1(i == tool ? kSelectedButtonStyle : kNormalButtonStyle));
    emit toolChanged(tool);
}

void AnnotationToolbar::pickColor()
{
    const QColor chosen = QColorDialog::getColor(m_color, this, tr("选择注释颜色"));
    if (!chosen.isValid())
        return;
    m_color = chosen;
    styleSwatch();
    emit colorChanged(chosen);
}

void AnnotationToolbar::styleSwatch()
{
    m_swatch->setStyleSheet(QStringLiteral("QPushButton{background:%1;border:2px solid rgba(255,255,255,0.4);"
                                           "border-radius:14px;padding:0px;}"
                                           "QPushButton:hover{border-color:white;}")
                                .arg(m_color.name()));
}

void AnnotationToolbar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = startWindowMove(this, event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void AnnotationToolbar::mouseMoveEvent(QMouseEvent *event)
{
    // A drag in progress is carried by startWindowMove.
    QWidget::mouseMoveEvent(event);
}

void AnnotationToolbar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void AnnotationToolbar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 25), 1));
    painter.setBrush(QColor(22, 24, 31, 230));
    painter.drawRoundedRect(QRect(1, 1, width() - 2, height() - 2), 10, 10);
}
