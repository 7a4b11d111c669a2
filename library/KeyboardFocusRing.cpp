#include "library/KeyboardFocusRing.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>

namespace {

constexpr int kGap = 3; // between the control and the ring

} // namespace

KeyboardFocusRing::KeyboardFocusRing(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("KeyboardFocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    qApp->installEventFilter(this);
}

bool KeyboardFocusRing::eventFilter(QObject *object, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut && type != QEvent::Move && type != QEvent::Resize
        && type != QEvent::Hide && type != QEvent::MouseButtonPress)
        return false;
    if (!object->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(object);
    if (widget == this || widget->window() != parentWidget())
        return false;
    switch (type) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool byKeys = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                            || reason == Qt::ShortcutFocusReason;
        // Back from a message box or a menu: the ring comes back where it was.
        const bool back = (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
                          && widget == m_target;
        if (byKeys || back) {
            m_target = widget;
            place();
        } else {
            m_target = nullptr;
            hide();
        }
        break;
    }
    case QEvent::MouseButtonPress:
        // The pointer is where the user looks now, also when the focus stays where it was.
        m_target = nullptr;
        hide();
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        if (widget == m_target)
            hide();
        break;
    default:
        // The control, or something that holds it, moved or changed its size.
        if (isVisible() && m_target && (widget == m_target || widget->isAncestorOf(m_target)))
            place();
        break;
    }
    return false;
}

void KeyboardFocusRing::place()
{
    if (!m_target || !m_target->isVisible()) {
        hide();
        return;
    }
    const QRect around(m_target->mapTo(parentWidget(), QPoint(0, 0)), m_target->size());
    setGeometry(around.adjusted(-kGap, -kGap, kGap, kGap));
    show();
    raise();
    update();
}

void KeyboardFocusRing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(QStringLiteral("#8fc1ff")), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
}
