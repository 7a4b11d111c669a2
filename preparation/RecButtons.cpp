#include "preparation/RecButtons.h"

#include <QEasingCurve>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include <cmath>

namespace {

QRectF circle(const QWidget *widget, qreal radius)
{
    const qreal cx = widget->width() / 2.0;
    const qreal cy = widget->height() / 2.0;
    return QRectF(cx - radius, cy - radius, 2 * radius, 2 * radius);
}

QPen ringPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

AnimatedRecButton::AnimatedRecButton(QWidget *parent)
    : QPushButton(parent)
    , m_animation(new QVariantAnimation(this))
{
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_halo = value.toReal();
        update();
    });
}

AnimatedRecButton::~AnimatedRecButton()
{
    m_animation->stop();
}

void AnimatedRecButton::enterEvent(QEnterEvent *event)
{
    m_animation->stop();
    m_animation->setDuration(1050);
    m_animation->setLoopCount(-1);
    m_animation->setKeyValues({});
    m_animation->setStartValue(m_halo);
    m_animation->setKeyValueAt(0.5, 1.0);
    m_animation->setEndValue(0.0);
    m_animation->setEasingCurve(QEasingCurve::InOutSine);
    m_animation->start();
    QPushButton::enterEvent(event);
}

void AnimatedRecButton::leaveEvent(QEvent *event)
{
    const qreal h = m_halo;
    m_animation->stop();
    m_animation->setDuration(180);
    m_animation->setLoopCount(1);
    m_animation->setKeyValues({});
    m_animation->setStartValue(h);
    m_animation->setKeyValueAt(0.5, h * 0.25);
    m_animation->setEndValue(0.0);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
    m_animation->start();
    QPushButton::leaveEvent(event);
}

void AnimatedRecButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal h = m_halo;
    const bool recording = property("recording").toBool();

    QColor haloPen(255, 89, 96, int(std::lround(38 * h)) + 70);
    QColor haloBrush(114, 54, 61, int(std::lround(30 * h)) + 155);
    painter.setPen(ringPen(haloPen, 1.5 + h));
    painter.setBrush(haloBrush);
    painter.drawEllipse(circle(this, 58 + 3 * h));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(recording ? "#713139" : "#833940"));
    painter.drawEllipse(circle(this, 51 + 1.5 * h));

    painter.setPen(ringPen(QColor(recording ? "#f25b61" : "#ff676c"), 1.2));
    painter.setBrush(QColor(recording ? "#df343b" : "#ff4148"));
    painter.drawEllipse(circle(this, (isDown() ? 41 : 43) + h));

    QFont font = this->font();
    font.setPixelSize(recording ? 19 : 23);
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, width(), height()), Qt::AlignCenter, text());
}

DeviceButton::DeviceButton(const QString &iconPath, const QString &label, bool active,
                           QWidget *parent)
    : QWidget(parent)
    , m_iconPath(iconPath)
    , m_label(label)
{
    setFixedWidth(90);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->setAlignment(Qt::AlignHCenter);

    m_iconBox = new QWidget(this);
    m_iconBox->setFixedSize(50, 50);
    m_iconBox->setStyleSheet(
        QStringLiteral("border-radius:10px; background:#252830; border:1px solid #2e3240;"));
    auto *icon = new QLabel(m_iconBox);
    icon->setGeometry(0, 0, 50, 50);
    icon->setAlignment(Qt::AlignCenter);
    QPixmap pixmap(26, 26);
    pixmap.fill(Qt::transparent);
    {
        QSvgRenderer renderer(iconPath);
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, 26, 26));
    }
    icon->setPixmap(pixmap);
    m_statusDot = new QLabel(m_iconBox);
    m_statusDot->setGeometry(38, -2, 12, 12);

    m_labelWidget = new QLabel(label, this);
    m_labelWidget->setAlignment(Qt::AlignCenter);
    m_labelWidget->setStyleSheet(QStringLiteral("font-size:11px; color:#7a8090;"));

    layout->addStretch();
    layout->addWidget(m_iconBox, 0, Qt::AlignHCenter);
    layout->addWidget(m_labelWidget, 0, Qt::AlignHCenter);
    layout->addStretch();

    m_active = active;
    updateStyle();
}

void DeviceButton::setActive(bool active)
{
    m_active = active;
    updateStyle();
    emit activeChanged(m_active);
}

void DeviceButton::updateStyle()
{
    if (m_active) {
        m_iconBox->setStyleSheet(QStringLiteral(
            "border-radius:10px;background:rgba(224,92,58,0.12);border:1px solid rgba(224,92,58,0.4);"));
        m_labelWidget->setStyleSheet(QStringLiteral("font-size:11px; color:#c0c6d8;"));
        m_statusDot->setStyleSheet(
            QStringLiteral("background:#22c55e; border-radius:5px;border:1.5px solid #1e2128;"));
        m_statusDot->setText(QString());
    } else {
        m_iconBox->setStyleSheet(
            QStringLiteral("border-radius:10px; background:#252830; border:1px solid #2e3240;"));
        m_labelWidget->setStyleSheet(QStringLiteral("font-size:11px; color:#7a8090;"));
        m_statusDot->setStyleSheet(QStringLiteral(
            "background:#e05c3a; border-radius:7px;border:1.5px solid #1e2128;font-size:8px; "
            "color:white; font-weight:bold;"));
        m_statusDot->setText(QStringLiteral("✕"));
        m_statusDot->setAlignment(Qt::AlignCenter);
    }
}

void DeviceButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setActive(!m_active);
    QWidget::mousePressEvent(event);
}

void DeviceButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QWidget::enterEvent(event);
}

void DeviceButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QWidget::leaveEvent(event);
}

void DeviceButton::paintEvent(QPaintEvent *)
{
    if (!m_hovered)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 13));
    painter.drawRoundedRect(QRect(0, 0, width(), height()), 6, 6);
}
