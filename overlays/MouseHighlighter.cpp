#include "overlays/MouseHighlighter.h"

#include "overlays/Translucency.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>

#include <cmath>

MouseHighlighter::MouseHighlighter(QWidget *parent)
    : QWidget(parent, passiveOverlayFlags | Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_NoSystemBackground);
    updateVirtualGeometry();
    m_pollTimer = new QTimer(this);
    m_pollTimer->setInterval(16);
    connect(m_pollTimer, &QTimer::timeout, this, &MouseHighlighter::updatePosition);
    m_ringTimer = new QTimer(this);
    m_ringTimer->setInterval(30);
    connect(m_ringTimer, &QTimer::timeout, this, &MouseHighlighter::ringStep);
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

MouseHighlighter::~MouseHighlighter()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
    m_pollTimer->stop();
    m_ringTimer->stop();
}

void MouseHighlighter::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    if (on) {
        updateVirtualGeometry();
        m_pointer = pointerInWindow();
        // The whole window is painted afresh; from now on only the halo's last place
        // and its new one are, so the first place must count as painted.
        m_lastPainted = paintedArea(m_pointer);
        update();
        if (overlaysCanBeTranslucent()) {
            show();
            m_pollTimer->start();
        } else {
            // A translucent window over the whole desktop would turn every screen grab
            // black. The recorder paints its own pointer highlight into the frames.
            static bool logged = false;
            if (!logged) {
                logged = true;
                qWarning() << "[MouseHighlighter] No compositing manager: the on-screen highlight stays hidden";
            }
        }
    } else {
        // A ring belongs to its click: one cut short here must not come back frozen
        // with the next recording.
        m_pollTimer->stop();
        m_ringTimer->stop();
        m_flash = 0;
        hide();
    }
}

void MouseHighlighter::setHaloColor(const QColor &color)
{
    m_haloColor = color;
    update();
}

void MouseHighlighter::setHaloRadius(int radius)
{
    m_haloRadius = radius;
    update();
}

void MouseHighlighter::setClickAnimationEnabled(bool on)
{
    m_clickAnimation = on;
    update();
}

void MouseHighlighter::setLeftClickColor(const QColor &color)
{
    m_leftClickColor = color;
    update();
}

void MouseHighlighter::setRightClickColor(const QColor &color)
{
    m_rightClickColor = color;
    update();
}

void MouseHighlighter::updateVirtualGeometry()
{
    // Placed in device pixels: at a scale above 1 the logical desktop has gaps between
    // displays, and a window given it through one display's coordinates would stand
    // beside the others' pixels.
    setDeviceGeometry(this, DisplayGeometry::deviceDesktop(DisplayGeometry::applicationDisplays()));
    m_pixels = DisplayGeometry::Window(deviceWindowOrigin(this), devicePixelRatioF());
}

QPoint MouseHighlighter::pointerInWindow() const
{
    return m_pixels.toLocal(devicePointerPosition()).toPoint();
}

QRect MouseHighlighter::paintedArea(const QPoint &pointer) const
{
    // The halo, and while it shows the ring, which grows to the halo radius plus 34;
    // pens are 2.5 wide and antialiased.
    const int reach = m_haloRadius + (m_flash > 0 ? 34 : 0) + 4;
    return QRect(pointer.x() - reach, pointer.y() - reach, 2 * reach + 1, 2 * reach + 1);
}

void MouseHighlighter::repaintChanged()
{
    // The area painted last time (the halo or ring there must go) and the one now.
    const QRect now = paintedArea(m_pointer);
    update(QRegion(m_lastPainted) + now);
    m_lastPainted = now;
}

void MouseHighlighter::updatePosition()
{
    const QPoint previous = m_pointer;
    m_pointer = pointerInWindow();
    if (m_pointer != previous || m_ringTimer->isActive())
        repaintChanged();
}

void MouseHighlighter::onClickFlash(bool right)
{
    startRing(right);
}

void MouseHighlighter::startRing(bool right)
{
    m_flash = 1;
    m_rightRing = right;
    m_ringTimer->start();
    m_pointer = pointerInWindow();
    repaintChanged();
}

void MouseHighlighter::ringStep()
{
    m_flash -= 0.06;
    if (m_flash <= 0) {
        m_flash = 0;
        m_ringTimer->stop();
    }
    repaintChanged();
}

bool MouseHighlighter::eventFilter(QObject *watched, QEvent *event)
{
    if (m_enabled && m_clickAnimation
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        && watched->isWidgetType())
        startRing(false);
    return QWidget::eventFilter(watched, event);
}

void MouseHighlighter::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(event->rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!m_enabled)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const int x = m_pointer.x();
    const int y = m_pointer.y();
    const int r0 = m_haloRadius;

    QColor fill = m_haloColor;
    fill.setAlpha(static_cast<int>(std::lround(m_haloColor.alpha() * 0.22)));
    painter.setPen(QPen(m_haloColor, 2.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(fill);
    painter.drawEllipse(QRect(x - r0, y - r0, 2 * r0, 2 * r0));

    if (m_flash > 0) {
        QColor ring = m_rightRing ? m_rightClickColor : m_leftClickColor;
        ring.setAlpha(static_cast<int>(m_flash * 210));
        painter.setPen(QPen(ring, 2.5));
        painter.setBrush(Qt::NoBrush);
        const int r = static_cast<int>(r0 + (1 - m_flash) * 34);
        painter.drawEllipse(QRect(x - r, y - r, 2 * r, 2 * r));
    }
}
