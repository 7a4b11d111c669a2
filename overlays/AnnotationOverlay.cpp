#include "overlays/AnnotationOverlay.h"

#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <cmath>

AnnotationOverlay::AnnotationOverlay(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_MouseTracking);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    hide();
}

void AnnotationOverlay::setCaptureRect(const QRect &rect, const QRect &deviceRect)
{
    m_captureRect = rect.normalized();
    m_captureDeviceRect = rect.isValid() ? deviceRect.normalized() : QRect();
    if (m_enabled && rect.isValid())
        placeOver();
}

void AnnotationOverlay::placeOver()
{
    // Over the area's device pixels (without an area, every display's): at a raised scale
    // an area across displays has no logical place of its own, and one display's
    // coordinates would stretch the layer beyond it.
    const QList<DisplayGeometry::Display> displays = DisplayGeometry::applicationDisplays();
    if (m_captureDeviceRect.isValid())
        setDeviceGeometry(this, m_captureDeviceRect);
    else
        setDeviceGeometry(this, m_captureRect.isValid() ? DisplayGeometry::toDevice(displays, m_captureRect)
                                                        : DisplayGeometry::deviceDesktop(displays));
}

void AnnotationOverlay::setTool(AnnotationToolbar::Tool tool)
{
    m_tool = tool;
    setCursor(tool == AnnotationToolbar::Eraser ? Qt::PointingHandCursor : Qt::CrossCursor);
}

void AnnotationOverlay::setAnnotationEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    m_drawing = false;
    m_strokes.clear();
    m_current.points.clear();
    strokesRemoved();
    if (!on) {
        // The text question belongs to the mode: it goes with it.
        if (m_textDialog)
            m_textDialog->reject();
        hide();
        emit closed();
        return;
    }
    placeOver();
    setWindowFlag(Qt::WindowTransparentForInput, false);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    show();
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    update();
}

void AnnotationOverlay::clearAll()
{
    m_strokes.clear();
    m_current.points.clear();
    strokesRemoved();
}

void AnnotationOverlay::undoLast()
{
    if (m_strokes.isEmpty())
        return;
    m_strokes.removeLast();
    if (m_tiles.size() > m_strokes.size())
        m_tiles.removeLast();
    strokesRemoved();
}

void AnnotationOverlay::eraseAt(const QPointF &point)
{
    const qreal h = std::max(3.0 * currentWidth, 10.0);
    const QRectF eraser(point.x() - h, point.y() - h, 2 * h, 2 * h);
    bool removed = false;
    for (qsizetype i = m_strokes.size() - 1; i >= 0; --i) {
        const Stroke &stroke = m_strokes.at(i);
        if (stroke.points.isEmpty())
            continue;
        QRectF bounds;
        for (const QPointF &p : stroke.points)
            bounds = bounds.united(QRectF(p, QSizeF(1, 1)));
        const qreal grow = stroke.width + h;
        bounds.adjust(-grow, -grow, grow, grow);
        if (bounds.intersects(eraser)) {
            m_strokes.removeAt(i);
            if (i < m_tiles.size())
                m_tiles.removeAt(i);
            removed = true;
        }
    }
    if (removed)
        strokesRemoved();
    else
        update();
}

void AnnotationOverlay::strokesRemoved()
{
    if (m_strokes.isEmpty())
        m_tiles.clear();
    ++m_revision;
    ++m_removals;
    update();
}

void AnnotationOverlay::strokeAppended(const Stroke &stroke)
{
    m_strokes.append(stroke);
    ++m_revision;
    update();
}

QFont AnnotationOverlay::strokeFont(float width)
{
    QFont font(QStringLiteral("Segoe UI"));
    font.setWeight(QFont::Bold);
    font.setPixelSize(std::max(static_cast<int>(std::lround(5.0 * width)), 16));
    return font;
}

void AnnotationOverlay::drawStroke(QPainter &painter, const Stroke &stroke) const
{
    const QList<QPointF> &pts = stroke.points;
    if (pts.isEmpty() || stroke.tool == AnnotationToolbar::Eraser)
        return;

    QColor color = stroke.color;
    qreal width = stroke.width;
    if (stroke.tool == AnnotationToolbar::Highlighter) {
        color.setAlpha(95);
        width = std::max(4.0 * stroke.width, 12.0);
    }
    painter.save();
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);

    const QPointF first = pts.first();
    const QPointF last = pts.last();
    switch (stroke.tool) {
    case AnnotationToolbar::Pen:
    case AnnotationToolbar::Highlighter:
        if (pts.size() == 1) {
            painter.drawPoint(first);
        } else {
            // One polyline: strokes faster than the same path and overlaps itself
            // without doubling the highlighter's alpha.
            painter.drawPolyline(pts.constData(), int(pts.size()));
        }
        break;
    case AnnotationToolbar::Arrow:
        if (pts.size() >= 2) {
            painter.drawLine(first, last);
            const qreal a = std::atan2(last.y() - first.y(), last.x() - first.x());
            const QPointF wing1 = last - 18.0 * QPointF(std::cos(a - 0.45), std::sin(a - 0.45));
            const QPointF wing2 = last - 18.0 * QPointF(std::cos(a + 0.45), std::sin(a + 0.45));
            QPainterPath head;
            head.setFillRule(Qt::OddEvenFill);
            head.moveTo(last);
            head.lineTo(wing1);
            head.lineTo(wing2);
            head.closeSubpath();
            painter.setBrush(color);
            painter.drawPath(head);
        }
        break;
    case AnnotationToolbar::Rectangle:
        if (pts.size() >= 2)
            painter.drawRect(QRectF(first, last).normalized());
        break;
    case AnnotationToolbar::Text: {
        painter.setFont(strokeFont(stroke.width));
        painter.drawText(first, stroke.text);
        break;
    }
    case AnnotationToolbar::Line:
        if (pts.size() >= 2)
            painter.drawLine(first, last);
        break;
    case AnnotationToolbar::Circle:
        if (pts.size() >= 2)
            painter.drawEllipse(QRectF(first, last).normalized());
        break;
    case AnnotationToolbar::Eraser:
        break;
    }
    painter.restore();
}

AnnotationOverlay::StrokeTile AnnotationOverlay::rasterize(const Stroke &stroke, const QTransform &toFrame,
                                                           const QSize &frameSize) const
{
    if (stroke.points.isEmpty())
        return {};
    // Where the item can paint, in layer coordinates: its points grown by the widest
    // pen, the arrow head, or the text's own box.
    QRectF bounds;
    if (stroke.tool == AnnotationToolbar::Text) {
        bounds = QFontMetricsF(strokeFont(stroke.width)).boundingRect(stroke.text).translated(stroke.points.first());
    } else {
        for (const QPointF &p : stroke.points)
            bounds = bounds.united(QRectF(p, QSizeF(0.01, 0.01)));
    }
    const qreal pen = stroke.tool == AnnotationToolbar::Highlighter ? std::max(4.0 * stroke.width, 12.0)
                                                                    : qreal(stroke.width);
    const qreal margin = pen / 2 + (stroke.tool == AnnotationToolbar::Arrow ? 18 : 0) + 2;
    bounds.adjust(-margin, -margin, margin, margin);
    const QRect area = toFrame.mapRect(bounds).toAlignedRect().intersected(QRect(QPoint(0, 0), frameSize));
    if (area.isEmpty())
        return {};
    StrokeTile tile{QImage(area.size(), QImage::Format_ARGB32_Premultiplied), area.topLeft()};
    tile.image.fill(Qt::transparent);
    QPainter painter(&tile.image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-area.topLeft());
    painter.setTransform(toFrame, true);
    drawStroke(painter, stroke);
    return tile;
}

QImage AnnotationOverlay::renderForNativeRect(const QRect &nativeRect, const QSize &frameSize)
{
    if (!m_enabled || m_strokes.isEmpty() || !nativeRect.isValid() || frameSize.width() < 1
        || frameSize.height() < 1)
        return QImage();

    const QPoint layerPos = geometry().topLeft();
    const bool sameView = m_viewValid && m_viewNativeRect == nativeRect && m_viewFrameSize == frameSize
                          && m_viewLayerPos == layerPos;
    if (sameView && !m_cachedImage.isNull() && m_cachedRevision == m_revision)
        return m_cachedImage;

    if (!sameView) {
        // Another rectangle, frame size or layer position: every item is drawn again.
        const QRectF logical = DisplayGeometry::inDisplayShowing(DisplayGeometry::applicationDisplays(), nativeRect);
        m_viewTransform = QTransform();
        m_viewTransform.scale(frameSize.width() / logical.width(), frameSize.height() / logical.height());
        m_viewTransform.translate(layerPos.x() - logical.x(), layerPos.y() - logical.y());
        m_viewNativeRect = nativeRect;
        m_viewFrameSize = frameSize;
        m_viewLayerPos = layerPos;
        m_viewValid = true;
        m_tiles.clear();
        m_cachedImage = QImage();
    }
    // Each item is kept as its own small picture in frame pixels: an undo or an erased
    // item only recomposes the pictures, a new item is drawn once.
    const qsizetype firstNew = m_tiles.size();
    while (m_tiles.size() < m_strokes.size())
        m_tiles.append(rasterize(m_strokes.at(m_tiles.size()), m_viewTransform, frameSize));

    QImage image;
    qsizetype first = 0;
    if (!m_cachedImage.isNull() && m_cachedRemovals == m_removals) {
        image = std::move(m_cachedImage); // holds the items before firstNew already
        first = firstNew;
    } else {
        image = QImage(frameSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    }
    {
        QPainter painter(&image);
        for (qsizetype i = first; i < m_tiles.size(); ++i) {
            if (!m_tiles.at(i).image.isNull())
                painter.drawImage(m_tiles.at(i).at, m_tiles.at(i).image);
        }
    }
    m_cachedImage = image;
    m_cachedRevision = m_revision;
    m_cachedRemovals = m_removals;
    return image;
}

void AnnotationOverlay::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_enabled) {
        event->ignore();
        return;
    }
    const QPointF pos = event->position();
    if (m_tool == AnnotationToolbar::Text) {
        QInputDialog dialog(this);
        dialog.setWindowTitle(tr("添加文字标注"));
        dialog.setLabelText(tr("输入标注文字："));
        dialog.setTextEchoMode(QLineEdit::Normal);
        // Wide enough that the window manager's title bar shows the whole title (its
        // buttons and margins take about 140 px).
        dialog.setMinimumWidth(std::max(dialog.sizeHint().width(),
                                        dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + 160));
        m_textDialog = &dialog;
        const bool ok = dialog.exec() == QDialog::Accepted;
        m_textDialog = nullptr;
        const QString text = dialog.textValue().trimmed();
        // Annotation mode may have ended while the question was open (it closes it).
        if (ok && m_enabled && !text.isEmpty()) {
            Stroke stroke;
            stroke.tool = AnnotationToolbar::Text;
            stroke.points = {pos};
            stroke.color = currentColor;
            stroke.width = currentWidth;
            stroke.text = text;
            strokeAppended(stroke);
        }
        emit interactionFinished();
        return;
    }
    m_drawing = true;
    if (m_tool == AnnotationToolbar::Eraser) {
        eraseAt(pos);
        return;
    }
    m_current = Stroke{m_tool, {pos}, currentColor, currentWidth, QString()};
    update();
}

void AnnotationOverlay::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_drawing) {
        event->ignore();
        return;
    }
    const QPointF pos = event->position();
    switch (m_tool) {
    case AnnotationToolbar::Pen:
    case AnnotationToolbar::Highlighter:
        m_current.points.append(pos);
        break;
    case AnnotationToolbar::Eraser:
        eraseAt(pos);
        break;
    default:
        if (m_current.points.size() >= 2)
            m_current.points[1] = pos;
        else
            m_current.points.append(pos);
        break;
    }
    update();
}

void AnnotationOverlay::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_drawing || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_drawing = false;
    if (m_tool != AnnotationToolbar::Eraser && !m_current.points.isEmpty())
        strokeAppended(m_current);
    m_current.points.clear();
    update();
    setFocus(Qt::OtherFocusReason);
    emit interactionFinished();
}

void AnnotationOverlay::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Z && (event->modifiers() & Qt::ControlModifier))
        undoLast();
    else if (event->key() == Qt::Key_Escape)
        setAnnotationEnabled(false);
    else if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        clearAll();
}

void AnnotationOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), QColor(0, 0, 0, 1));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    for (const Stroke &stroke : std::as_const(m_strokes))
        drawStroke(painter, stroke);
    if (m_drawing)
        drawStroke(painter, m_current);

    if (m_enabled && m_strokes.isEmpty() && !m_drawing) {
        QFont font(QStringLiteral("Segoe UI"));
        font.setPointSize(12);
        painter.setFont(font);
        painter.setPen(QColor(255, 255, 255, 140));
        painter.drawText(QRect(0, 0, width(), height() - 60), Qt::AlignBottom | Qt::AlignHCenter,
                         tr("左键绘制  Ctrl+Z 撤销  Del 清除  ESC 退出"));
    }
}
