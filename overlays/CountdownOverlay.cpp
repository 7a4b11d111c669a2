#include "overlays/CountdownOverlay.h"

#include "overlays/Translucency.h"
#include "platform/mac/MacWindowHelpers.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "platform/mac/X11KeyGrab.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

const char *const kDefaultHotkeys[2] = {"Ctrl+Alt+R", "Ctrl+Alt+P"};
const quint32 kKeysymEscape = 0xff1b;

} // namespace

CountdownOverlay::CountdownOverlay(int seconds, QWidget *parent)
    : QWidget(parent, passiveOverlayFlags)
    , m_initial(std::max(seconds, 1))
    , m_remaining(m_initial)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    updateVirtualGeometry();
    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &CountdownOverlay::tick);
}

void CountdownOverlay::setTargetRect(const QRect &rect)
{
    m_target = rect.normalized();
    updateVirtualGeometry();
}

void CountdownOverlay::start()
{
    m_done = false;
    m_remaining = m_initial;
    show();
    m_timer->start();
    update();
}

void CountdownOverlay::updateVirtualGeometry()
{
    QScreen *screen = nullptr;
    if (m_target.isValid())
        screen = QGuiApplication::screenAt(
            QPoint((m_target.left() + m_target.right()) / 2, (m_target.top() + m_target.bottom()) / 2));
    if (!screen)
        screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect();
    setGeometry(area.isValid() ? area : QRect(0, 0, 1, 1));
    applyCompositorRules();
}

void CountdownOverlay::tick()
{
    if (m_done)
        return;
    --m_remaining;
    update();
    if (m_remaining <= 0) {
        m_done = true;
        m_timer->stop();
        releaseEscape();
        emit finished();
        close();
    }
}

void CountdownOverlay::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    cancel();
}

void CountdownOverlay::cancel()
{
    releaseEscape();
    if (!m_done) {
        m_done = true;
        m_timer->stop();
        emit canceled();
    }
    close();
}

void CountdownOverlay::releaseEscape()
{
    // Later: this may run from the grab's own report of the key.
    if (RootKeyGrab *grab = std::exchange(m_escapeGrab, nullptr)) {
        grab->disconnect(this);
        grab->deleteLater();
    }
}

void CountdownOverlay::showEvent(QShowEvent *event)
{
    updateVirtualGeometry();
    QWidget::showEvent(event);
    // Clicks go through to what lies below; the keyboard still comes here for Esc (a
    // window transparent for input as a whole would take no keyboard focus).
    setWindowInputRegion(this, QRegion());
    keepMacRecordingToolbarVisible(winId());
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    if (!m_escapeGrab && !m_done) {
        m_escapeGrab = new RootKeyGrab(kKeysymEscape, this);
        connect(m_escapeGrab, &RootKeyGrab::pressed, this, &CountdownOverlay::cancel);
    }
}

QPoint CountdownOverlay::clampedCentre(const QPoint &centre, const QSize &size)
{
    return QPoint(std::max(std::min(centre.x(), std::max(size.width(), 324) - 162), 162),
                  std::max(std::min(centre.y(), std::max(size.height(), 296) - 194), 102));
}

QPoint CountdownOverlay::drawingCentre() const
{
    QPoint c;
    if (m_target.isValid())
        c = QPoint((m_target.left() + m_target.right()) / 2, (m_target.top() + m_target.bottom()) / 2)
            - geometry().topLeft();
    else
        c = QPoint((width() - 1) / 2, (height() - 1) / 2);
    return clampedCentre(c, size());
}

QString CountdownOverlay::hotkeyText(int index)
{
    const QString fallback = QString::fromLatin1(kDefaultHotkeys[index == 1 ? 1 : 0]);
    const QString stored = QSettings().value(QStringLiteral("hotkeys/%1").arg(index), fallback).toString();
    const QString text = QKeySequence::fromString(stored, QKeySequence::NativeText).toString(QKeySequence::NativeText);
    return text.isEmpty() ? fallback : text;
}

void CountdownOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const QPoint c = drawingCentre();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 31, 31, 42));
    painter.drawEllipse(QRect(QPoint(c.x() - 93, c.y() - 93), QPoint(c.x() + 92, c.y() + 92)));
    const QRect disc(QPoint(c.x() - 84, c.y() - 84), QPoint(c.x() + 83, c.y() + 83));
    painter.setBrush(QColor(QStringLiteral("#FF1515")));
    painter.setPen(QPen(QColor(QStringLiteral("#FF6262")), 5));
    painter.drawEllipse(disc);

    QFont numberFont(QStringLiteral("Segoe UI"), 74);
    numberFont.setWeight(QFont::Bold);
    painter.setFont(numberFont);
    painter.setPen(QColor(QStringLiteral("#ffffff")));
    painter.drawText(disc, Qt::AlignCenter, QString::number(std::max(m_remaining, 1)));

    const QRect panel(QPoint(c.x() - 150, c.y() + 98), QPoint(c.x() + 149, c.y() + 175));
    painter.setPen(QPen(QColor(QStringLiteral("#3D4148")), 1));
    painter.setBrush(QColor(18, 18, 19));
    painter.drawRoundedRect(panel, 9, 9);

    const QString symbols[2] = {QStringLiteral("■"), QStringLiteral("Ⅱ")};
    const QString labels[2] = {tr("开始/停止"), tr("暂停/恢复")};
    QFont symbolFont(QStringLiteral("Segoe UI Symbol"), 8);
    symbolFont.setWeight(QFont::DemiBold);
    QFont labelFont(QStringLiteral("Microsoft YaHei UI"), 10);
    labelFont.setWeight(QFont::DemiBold);
    QFont keyFont(QStringLiteral("Segoe UI"), 10);
    keyFont.setWeight(QFont::Medium);
    const int left = panel.left();
    const int right = panel.right();
    for (int i = 0; i < 2; ++i) {
        const int top = panel.top() + 34 * i;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(QStringLiteral("#8F9AA9")), 1.5));
        painter.drawEllipse(QRect(QPoint(left + 15, top + 12), QPoint(left + 32, top + 29)));
        painter.setFont(symbolFont);
        painter.setPen(QColor(QStringLiteral("#A9B1BC")));
        painter.drawText(QRect(QPoint(left + 14, top + 11), QPoint(left + 33, top + 30)), Qt::AlignCenter, symbols[i]);
        painter.setFont(labelFont);
        painter.setPen(QColor(QStringLiteral("#A7ADB7")));
        painter.drawText(QRect(QPoint(left + 43, top + 5), QPoint(left + 197, top + 36)),
                         Qt::AlignLeft | Qt::AlignVCenter, labels[i]);
        painter.setFont(keyFont);
        painter.setPen(QColor(QStringLiteral("#F5F5F5")));
        painter.drawText(QRect(QPoint(right - 98, top + 5), QPoint(right - 15, top + 36)),
                         Qt::AlignRight | Qt::AlignVCenter, hotkeyText(i));
    }
}

void CountdownOverlay::applyCompositorRules()
{
    if (overlaysCanBeTranslucent()) {
        clearMask();
        return;
    }
    // Without a compositor the transparent rest of the screen would show black: keep
    // only the glow disc and the hint panel.
    const QPoint c = drawingCentre();
    QRegion shape(QRect(QPoint(c.x() - 94, c.y() - 94), QPoint(c.x() + 93, c.y() + 93)), QRegion::Ellipse);
    shape += QRect(QPoint(c.x() - 150, c.y() + 98), QPoint(c.x() + 149, c.y() + 175));
    setMask(shape);
}
