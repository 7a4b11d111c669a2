#include "preparation/AreaPicker.h"

#include "recording/NumberText.h"
#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "preparation/ControlsAreaGeometry.h"
#include "preparation/OverlayPaint.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>
#include <qpa/qplatformwindow.h>

#include <cmath>

AreaPicker::AreaPicker(QWidget *parent)
    // Kept out of the window manager's hands: it would keep the picker out of the rows a
    // panel reserves (a strut), and a drag could not begin there. It still takes the
    // keyboard when it shows (Qt gives an override-redirect window the focus itself).
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    updateVirtualGeometry();
}

void AreaPicker::updateVirtualGeometry()
{
    // Every display's device pixels, no more: a logical size rounded up to whole points
    // would reach a pixel past the desktop's edge (1366 / 1.5 is no whole number).
    const QRect desktop = DisplayGeometry::deviceDesktop(DisplayGeometry::applicationDisplays());
    setDeviceGeometry(this, desktop);
    if (QWindow *handle = windowHandle(); handle && handle->handle() && handle->handle()->geometry() != desktop)
        handle->handle()->setGeometry(desktop);
    readDeviceOrigin();
}

void AreaPicker::readDeviceOrigin()
{
    // The window manager places the picker: where the server has it.
    const std::optional<QRect> placed = serverWindowGeometry(this);
    m_pixels = DisplayGeometry::Window(placed ? placed->topLeft() : deviceWindowOrigin(this), devicePixelRatioF());
}

QPoint AreaPicker::devicePoint(const QPointF &local) const
{
    // Qt places pointer events on whole logical points, which at a scale above 1 skip
    // device pixels: a drag is measured in the pixels the pointer really went over.
    return refinedPointer(m_pixels.toDevice(local), m_pixels.ratio());
}

QRect AreaPicker::deviceRect() const
{
    return m_pixels.toDevice(rect());
}

QRect AreaPicker::deviceSelection() const
{
    return m_selection.normalized();
}

QRect AreaPicker::globalSelection() const
{
    return DisplayGeometry::toLogical(DisplayGeometry::applicationDisplays(), deviceSelection());
}

void AreaPicker::grabBackdrop()
{
    m_backdrop = QPixmap();
    if (hasCompositingManager())
        return;
    // Every screen's picture, placed at its device pixels.
    const QRect desktop = DisplayGeometry::deviceDesktop(DisplayGeometry::applicationDisplays());
    QPixmap backdrop(desktop.size());
    backdrop.fill(Qt::black);
    QPainter painter(&backdrop);
    const QList<DisplayGeometry::Display> displays = DisplayGeometry::applicationDisplays();
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size() && i < displays.size(); ++i) {
        QPixmap shot = screens.at(i)->grabWindow(0);
        if (shot.isNull())
            continue;
        shot.setDevicePixelRatio(1.0);
        painter.drawPixmap(displays.at(i).nativeGeometry.translated(-desktop.topLeft()), shot);
    }
    painter.end();
    m_backdrop = backdrop;
    m_backdropOrigin = desktop.topLeft();
}

void AreaPicker::showEvent(QShowEvent *event)
{
    // The picture must be taken before the picker covers the desktop.
    grabBackdrop();
    updateVirtualGeometry();
    // The pointer's place shows from the start, not only once it moves.
    // (Qt gives the pointer's global place through the display under it.)
    m_currentPoint = devicePointerPosition();
    m_shown.start();
    QWidget::showEvent(event);
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void AreaPicker::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        emit canceled();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AreaPicker::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        // Where the window really is: the window manager may have placed it since.
        readDeviceOrigin();
        m_selecting = true;
        m_pressPoint = m_currentPoint = devicePoint(event->position());
        m_selection = QRect();
        update();
    } else if (event->button() == Qt::RightButton) {
        emit canceled();
        close();
    }
}

void AreaPicker::mouseMoveEvent(QMouseEvent *event)
{
    m_currentPoint = devicePoint(event->position());
    if (m_selecting)
        m_selection = QRect(m_pressPoint, m_currentPoint).normalized() & deviceRect();
    update();
}

void AreaPicker::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_selecting)
        return;
    m_selecting = false;
    m_selection = QRect(m_pressPoint, devicePoint(event->position())).normalized() & deviceRect();
    // At least 5 x 5 of the window's pixels, counted from the first to the last as at
    // scale 1 (the selection holds device pixels).
    const qreal ratio = devicePixelRatioF();
    const auto span = [ratio](int pixels) { return (pixels - 1) / ratio + 1 + 1e-6; };
    if (span(m_selection.width()) >= 5 && span(m_selection.height()) >= 5) {
        emit regionSelected(globalSelection());
    } else if (m_shown.isValid() && m_shown.elapsed() < QApplication::doubleClickInterval()) {
        m_selection = QRect(); // the second click of the double click that opened it
        update();
        return;
    } else {
        emit canceled();
    }
    close();
}

QPoint AreaPicker::infoBoxPosition(const QSize &windowSize, const QPoint &cursor,
                                   const QRect &selection, const QSize &box)
{
    const int w = box.width();
    const int h = box.height();
    if (selection.isValid()) {
        int y = selection.bottom() + 10;
        if (y + h > windowSize.height())
            y = selection.top() - h - 8;
        int x = (selection.left() + selection.right()) / 2 - w / 2;
        x = qMin(x, qMax(windowSize.width() - w, 0));
        x = qMax(x, 0);
        return {x, y};
    }
    int x = cursor.x() + 16;
    if (x + w > windowSize.width())
        x = cursor.x() - w - 8;
    int y = cursor.y() + 16;
    if (y + h > windowSize.height())
        y = cursor.y() - h - 8;
    return {x, y};
}

QString AreaPicker::sizeText() const
{
    if (!m_selection.isValid())
        return {};
    // The size the recording will have: the area as the controls panel takes it (even
    // sides), in the screen's pixels.
    const QRect even = ControlsAreaGeometry::evenRegion(deviceSelection());
    return NumberText::resolution(even.width(), even.height());
}

QString AreaPicker::positionText() const
{
    // In global coordinates, through the display that shows the point.
    const QPoint at = DisplayGeometry::toLogical(DisplayGeometry::applicationDisplays(),
                                                 m_selection.isValid() ? deviceSelection().topLeft() : m_currentPoint);
    return tr("X:%1  Y:%2").arg(at.x()).arg(at.y());
}

void AreaPicker::paintInfoBox(QPainter &painter)
{
    const bool hasSelection = m_selection.isValid();
    const QString line1 = hasSelection ? sizeText() : tr("点击拖拽选择区域");
    const QString line2 = positionText();
    const QFont big = overlayFont(11);
    const QFont small = overlayFont(9);
    const QFontMetrics m11(big);
    const QFontMetrics m9(small);
    const QSize box(qMax(m11.horizontalAdvance(line1), m11.horizontalAdvance(line2)) + 20,
                    2 * m11.height() + 16);
    const QPoint at = infoBoxPosition(size(), m_pixels.toLocal(m_currentPoint).toPoint(),
                                      hasSelection ? m_pixels.toLocal(deviceSelection()).toRect() : QRect(), box);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20, 210));
    painter.drawRoundedRect(QRect(at, box), 6, 6, Qt::AbsoluteSize);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(big);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(at.x() + 10, at.y() + m11.ascent() + 4), line1);
    painter.setFont(small);
    painter.setPen(QColor(210, 210, 210));
    painter.drawText(QPoint(at.x() + 10, at.y() + m11.height() + m9.ascent() + 8), line2);
}

void AreaPicker::paintEvent(QPaintEvent *)
{
    readDeviceOrigin();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!m_backdrop.isNull())
        painter.drawPixmap(m_pixels.toLocal(QRect(m_backdropOrigin, m_backdrop.size())), m_backdrop, QRectF(m_backdrop.rect()));

    // Everything below is placed in device pixels and drawn at the window's place of them.
    const bool hasSelection = m_selection.isValid();
    const QRectF selection = m_pixels.toLocal(deviceSelection());
    if (!hasSelection) {
        painter.fillRect(rect(), QColor(0, 0, 0, 80));
    } else {
        QPainterPath outside;
        outside.addRect(QRectF(rect()));
        outside.addRect(selection);
        painter.setClipPath(outside); // odd-even fill: the window minus the selection
        painter.fillRect(rect(), QColor(0, 0, 0, 100));
        painter.setClipping(false);
    }

    const QPointF c = m_pixels.toLocal(m_currentPoint);
    for (const QPen &pen : {overlayPen(QColor(0, 0, 0, 105), 3), overlayPen(QColor(255, 100, 20, 220), 1)}) {
        painter.setPen(pen);
        painter.drawLine(QLineF(0, c.y(), width(), c.y()));
        painter.drawLine(QLineF(c.x(), 0, c.x(), height()));
    }

    if (hasSelection) {
        const QRect d = deviceSelection();
        const QPointF lt = m_pixels.toLocal(d.topLeft());
        const QPointF rb = m_pixels.toLocal(d.bottomRight());
        const qreal l = lt.x();
        const qreal t = lt.y();
        const qreal r = rb.x();
        const qreal b = rb.y();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(overlayPen(QColor(255, 80, 20), 2));
        painter.drawRect(QRectF(QPointF(l, t), m_pixels.toLocal(d.bottomRight() - QPoint(1, 1))));
        painter.setPen(overlayPen(QColor(255, 80, 20), 3));
        const qreal n = 12;
        painter.drawLine(QLineF(l, t, l + n, t));
        painter.drawLine(QLineF(l, t, l, t + n));
        painter.drawLine(QLineF(r, t, r - n, t));
        painter.drawLine(QLineF(r, t, r, t + n));
        painter.drawLine(QLineF(l, b, l + n, b));
        painter.drawLine(QLineF(l, b, l, b - n));
        painter.drawLine(QLineF(r, b, r - n, b));
        painter.drawLine(QLineF(r, b, r, b - n));
    }
    paintInfoBox(painter);
}
