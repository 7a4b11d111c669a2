#include "preparation/AreaPicker.h"

#include "recording/NumberText.h"
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
#include <QScreen>

AreaPicker::AreaPicker(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    updateVirtualGeometry();
}

QRect AreaPicker::virtualDesktopRect()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect();
    return desktop.isValid() ? desktop : QRect(QPoint(0, 0), QPoint(0, 0));
}

void AreaPicker::updateVirtualGeometry()
{
    setGeometry(virtualDesktopRect());
}

QRect AreaPicker::globalSelection() const
{
    return m_selection.normalized().translated(geometry().topLeft());
}

void AreaPicker::grabBackdrop()
{
    m_backdrop = QPixmap();
    if (hasCompositingManager())
        return;
    // Every screen's picture, placed at its spot in the window.
    const QRect desktop = virtualDesktopRect();
    QPixmap backdrop(desktop.size());
    backdrop.fill(Qt::black);
    QPainter painter(&backdrop);
    for (QScreen *screen : QGuiApplication::screens()) {
        const QPixmap shot = screen->grabWindow(0);
        if (shot.isNull())
            continue;
        const QRect target = screen->geometry().translated(-desktop.topLeft());
        painter.drawPixmap(target, shot);
    }
    painter.end();
    m_backdrop = backdrop;
}

void AreaPicker::showEvent(QShowEvent *event)
{
    // The picture must be taken before the picker covers the desktop.
    grabBackdrop();
    updateVirtualGeometry();
    // The pointer's place shows from the start, not only once it moves.
    m_currentPoint = QCursor::pos() - geometry().topLeft();
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
        m_selecting = true;
        m_pressPoint = m_currentPoint = event->position().toPoint();
        m_selection = QRect();
        update();
    } else if (event->button() == Qt::RightButton) {
        emit canceled();
        close();
    }
}

void AreaPicker::mouseMoveEvent(QMouseEvent *event)
{
    m_currentPoint = event->position().toPoint();
    if (m_selecting)
        m_selection = QRect(m_pressPoint, m_currentPoint).normalized() & rect();
    update();
}

void AreaPicker::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_selecting)
        return;
    m_selecting = false;
    m_selection = QRect(m_pressPoint, event->position().toPoint()).normalized() & rect();
    if (m_selection.width() >= 5 && m_selection.height() >= 5) {
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
    return NumberText::captureResolution(ControlsAreaGeometry::evenRegion(globalSelection()));
}

QString AreaPicker::positionText() const
{
    const QPoint at = geometry().topLeft() + (m_selection.isValid() ? m_selection.normalized().topLeft() : m_currentPoint);
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
    const QPoint at = infoBoxPosition(size(), m_currentPoint,
                                      hasSelection ? m_selection.normalized() : QRect(), box);
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
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!m_backdrop.isNull())
        painter.drawPixmap(0, 0, m_backdrop);

    const bool hasSelection = m_selection.isValid();
    if (!hasSelection) {
        painter.fillRect(rect(), QColor(0, 0, 0, 80));
    } else {
        painter.setClipRegion(QRegion(rect()) - QRegion(m_selection));
        painter.fillRect(rect(), QColor(0, 0, 0, 100));
        painter.setClipping(false);
    }

    const int cx = m_currentPoint.x();
    const int cy = m_currentPoint.y();
    for (const QPen &pen : {overlayPen(QColor(0, 0, 0, 105), 3), overlayPen(QColor(255, 100, 20, 220), 1)}) {
        painter.setPen(pen);
        painter.drawLine(0, cy, width(), cy);
        painter.drawLine(cx, 0, cx, height());
    }

    if (hasSelection) {
        const int l = m_selection.left();
        const int t = m_selection.top();
        const int r = m_selection.right();
        const int b = m_selection.bottom();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(overlayPen(QColor(255, 80, 20), 2));
        painter.drawRect(QRect(QPoint(l, t), QPoint(r - 1, b - 1)));
        painter.setPen(overlayPen(QColor(255, 80, 20), 3));
        const int n = 12;
        painter.drawLine(l, t, l + n, t);
        painter.drawLine(l, t, l, t + n);
        painter.drawLine(r, t, r - n, t);
        painter.drawLine(r, t, r, t + n);
        painter.drawLine(l, b, l + n, b);
        painter.drawLine(l, b, l, b - n);
        painter.drawLine(r, b, r - n, b);
        painter.drawLine(r, b, r, b - n);
    }
    paintInfoBox(painter);
}
