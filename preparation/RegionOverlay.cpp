#include "preparation/RegionOverlay.h"

#include "recording/NumberText.h"
#include "widgets/DialogStacking.h"
#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "preparation/OverlayPaint.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <cmath>
#include <utility>

namespace {

constexpr int Margin = 64;       // compact window: the region plus this on every side
constexpr int MinimumSide = 40;

// The compact window's margin in a display's device pixels.
int deviceMargin(const DisplayGeometry::Display &display)
{
    return display.deviceSize(QSize(Margin, Margin)).width();
}

// Large enough to cover any overlay window, for "take every click".
const QRegion &wholeWindow()
{
    static const QRegion region(0, 0, 30000, 30000);
    return region;
}

} // namespace

RegionOverlay::RegionOverlay(QWidget *parent)
    : QWidget(parent, passiveOverlayFlags | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    m_animationTimer.setInterval(80);
    connect(&m_animationTimer, &QTimer::timeout, this, &RegionOverlay::dashStep);
    m_repaintTimer.setInterval(30);
    m_repaintTimer.setSingleShot(true);
    connect(&m_repaintTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    // The overlay stays above every window the window manager stacks, dialogs and
    // message boxes included: while one is open the frame steps aside, so that it neither
    // covers it nor takes the clicks meant for its controls.
    watchOpenDialogs(this, [this](bool open) {
        if (open && isVisible()) {
            m_hiddenForDialog = true;
            hide();
        } else if (!open && std::exchange(m_hiddenForDialog, false)) {
            show();
            raise();
        }
    });
}

bool RegionOverlay::compositing() const
{
    return m_compositing;
}

void RegionOverlay::placeOver(const QRect &device)
{
    setDeviceGeometry(this, device);
    m_pixels = DisplayGeometry::Window(deviceWindowOrigin(this), devicePixelRatioF());
}

void RegionOverlay::setRegion(const QRect &region, const QRect &chosen)
{
    QRect r = region.normalized();
    if (!r.isValid()) {
        QScreen *screen = QGuiApplication::primaryScreen();
        r = screen ? screen->geometry() : QRect(QPoint(0, 0), QPoint(0, 0));
    }
    m_compositing = hasCompositingManager() || QGuiApplication::platformName() != QLatin1String("xcb");
    // The window is placed in device pixels and the region drawn at its device pixels: at
    // a scale above 1 an area across displays has no logical place of its own.
    const QList<DisplayGeometry::Display> displays = DisplayGeometry::applicationDisplays();
    const QRect device = chosen.isValid() ? chosen.normalized() : DisplayGeometry::toDevice(displays, r);
    if (m_preparationPreview && !m_previewLocked) {
        m_compact = true;
        const int at = DisplayGeometry::displayShowing(displays, r);
        const int margin = at < 0 ? Margin : deviceMargin(displays.at(at));
        placeOver(device.adjusted(-margin, -margin, margin, margin));
        setDeviceRegion(device);
    } else {
        m_compact = false;
        placeOver(DisplayGeometry::deviceDesktop(displays));
        setDeviceRegion(device & DisplayGeometry::deviceDesktop(displays));
    }
    show();
    raise();
    m_animationTimer.start();
    updateInputTransparency();
    update();
}

QRect RegionOverlay::currentRegion() const
{
    return DisplayGeometry::toLogical(DisplayGeometry::applicationDisplays(), deviceRegion());
}

QRect RegionOverlay::currentDeviceRegion() const
{
    // The pixels the frame shows are the ones recorded, whether or not the region's
    // logical corners fall on them.
    return deviceRegion();
}

QRectF RegionOverlay::recordedArea() const
{
    return m_pixels.toLocal(deviceRegion());
}

QRect RegionOverlay::deviceRegion() const
{
    return m_deviceRegion.isValid() ? m_deviceRegion : m_pixels.toDevice(m_region);
}

void RegionOverlay::setDeviceRegion(const QRect &device)
{
    m_deviceRegion = device;
    m_region = m_pixels.toLocalPixels(device);
}

void RegionOverlay::setLocalRegion(const QRect &local)
{
    m_deviceRegion = QRect();
    m_region = local;
}

void RegionOverlay::hideOverlay()
{
    m_hiddenForDialog = false;
    m_animationTimer.stop();
    m_repaintTimer.stop();
    m_selecting = false;
    m_selectionDragging = false;
    m_activeHandle = None;
    unsetCursor();
    hide();
}

void RegionOverlay::beginInteractiveSelection(const QRect &bounds)
{
    m_compositing = hasCompositingManager() || QGuiApplication::platformName() != QLatin1String("xcb");
    const QList<DisplayGeometry::Display> displays = DisplayGeometry::applicationDisplays();
    placeOver(DisplayGeometry::deviceDesktop(displays));
    const QRect local = m_pixels.toLocalPixels(DisplayGeometry::toDevice(displays, bounds)) & rect();
    m_selectionBounds = local.isValid() ? local : rect();
    setLocalRegion(QRect());
    m_selecting = true;
    m_selectionDragging = false;
    m_compact = false;
    m_recordingMode = false;
    m_preparationPreview = true;
    m_previewLocked = false;
    m_inputPassthrough = false;
    m_selectionCurrent = clampToSelectionBounds(mapFromGlobal(QCursor::pos()));
    setCursor(Qt::CrossCursor);
    show();
    raise();
    m_animationTimer.stop();
    updateInputTransparency();
    update();
}

void RegionOverlay::setRecordingMode(bool recording)
{
    m_recordingMode = recording;
    m_inputPassthrough = recording;
    updateInputTransparency();
    update();
}

void RegionOverlay::setPreparationPreview(bool preview, bool locked)
{
    m_preparationPreview = preview;
    m_previewLocked = locked;
    m_inputPassthrough = preview && locked;
    updateInputTransparency();
    update();
}

void RegionOverlay::setInputPassthrough(bool passthrough)
{
    m_inputPassthrough = passthrough;
    updateInputTransparency();
}

void RegionOverlay::setInputExclusion(const QRect &globalRect)
{
    if (globalRect == m_inputExclusion)
        return;
    m_inputExclusion = globalRect;
    updateInputTransparency();
}

void RegionOverlay::updateInputTransparency()
{
    updateMask();
    // Where the window takes the mouse: everywhere while a region is drawn or dragged,
    // nowhere with passthrough, else only over the grips, bands and centre handle.
    QRegion input;
    if (m_selecting || (!m_inputPassthrough && m_activeHandle != None))
        input = wholeWindow();
    else if (!m_inputPassthrough)
        input = hitRegion().subtracted(QRegion(m_pixels.toLocalPixels(
            DisplayGeometry::toDevice(DisplayGeometry::applicationDisplays(), m_inputExclusion))));
    if (setWindowInputRegion(this, input))
        return;
    // Without X11 input shapes at least stop delivering the clicks to ourselves.
    bool transparent = false;
    if (!m_selecting) {
        if (m_inputPassthrough)
            transparent = true;
        else if (m_activeHandle == None)
            transparent = hitTest(mapFromGlobal(QCursor::pos())) == None;
    }
    setAttribute(Qt::WA_TransparentForMouseEvents, transparent);
}

QRect RegionOverlay::handleRect(Handle handle) const
{
    const int x1 = m_region.left();
    const int y1 = m_region.top();
    const int x2 = m_region.right();
    const int y2 = m_region.bottom();
    const int cx = int((qint64(x1) + x2) / 2);
    const int cy = int((qint64(y1) + y2) / 2);
    QPoint p;
    switch (handle) {
    case TopLeft: p = {x1, y1}; break;
    case Top: p = {cx, y1}; break;
    case TopRight: p = {x2, y1}; break;
    case Right: p = {x2, cy}; break;
    case BottomRight: p = {x2, y2}; break;
    case Bottom: p = {cx, y2}; break;
    case BottomLeft: p = {x1, y2}; break;
    case Left: p = {x1, cy}; break;
    default: return QRect();
    }
    return QRect(QPoint(p.x() - 5, p.y() - 5), QPoint(p.x() + 4, p.y() + 4));
}

QRect RegionOverlay::moveHandleRect() const
{
    const int cx = int((qint64(m_region.left()) + m_region.right()) / 2);
    const int cy = int((qint64(m_region.top()) + m_region.bottom()) / 2);
    return QRect(QPoint(cx - 34, cy - 34), QPoint(cx + 33, cy + 33));
}

RegionOverlay::Handle RegionOverlay::hitTest(const QPoint &p) const
{
    if (m_selecting || !m_region.isValid())
        return None;
    if (moveHandleRect().contains(p))
        return Move;
    for (Handle h : {TopLeft, TopRight, BottomRight, BottomLeft, Top, Right, Bottom, Left}) {
        if (handleRect(h).adjusted(-4, -4, 4, 4).contains(p))
            return h;
    }
    const int x1 = m_region.left();
    const int y1 = m_region.top();
    const int x2 = m_region.right();
    const int y2 = m_region.bottom();
    const bool inRows = p.y() >= y1 && p.y() <= y2;
    const bool inColumns = p.x() >= x1 && p.x() <= x2;
    if (inRows && p.x() >= x1 && p.x() <= x1 + 7)
        return Left;
    if (inRows && p.x() >= x2 - 8 && p.x() <= x2 - 1)
        return Right;
    if (inColumns && p.y() >= y1 && p.y() <= y1 + 7)
        return Top;
    if (inColumns && p.y() >= y2 - 8 && p.y() <= y2 - 1)
        return Bottom;
    return None;
}

QRegion RegionOverlay::hitRegion() const
{
    if (m_selecting || !m_region.isValid())
        return QRegion();
    const int x1 = m_region.left();
    const int y1 = m_region.top();
    const int x2 = m_region.right();
    const int y2 = m_region.bottom();
    QRegion region(moveHandleRect());
    for (Handle h : {TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left})
        region += handleRect(h).adjusted(-4, -4, 4, 4);
    region += QRect(QPoint(x1, y1), QPoint(x1 + 7, y2));
    region += QRect(QPoint(x2 - 8, y1), QPoint(x2 - 1, y2));
    region += QRect(QPoint(x1, y1), QPoint(x2, y1 + 7));
    region += QRect(QPoint(x1, y2 - 8), QPoint(x2, y2 - 1));
    return region;
}

void RegionOverlay::updateCursor(Handle handle)
{
    switch (handle) {
    case Move: setCursor(Qt::SizeAllCursor); break;
    case TopLeft:
    case BottomRight: setCursor(Qt::SizeFDiagCursor); break;
    case Top:
    case Bottom: setCursor(Qt::SizeVerCursor); break;
    case TopRight:
    case BottomLeft: setCursor(Qt::SizeBDiagCursor); break;
    case Right:
    case Left: setCursor(Qt::SizeHorCursor); break;
    default: setCursor(Qt::ArrowCursor); break;
    }
}

QRect RegionOverlay::adjustedRect(Handle handle, const QRect &start, const QPoint &delta,
                                  const QRect &bounds)
{
    const int dx = delta.x();
    const int dy = delta.y();
    QRect r = start;
    switch (handle) {
    case Move: {
        const int left = qMax(bounds.left(), qMin(start.left() + dx, bounds.right() - start.width()));
        const int top = qMax(bounds.top(), qMin(start.top() + dy, bounds.bottom() - start.height()));
        r = QRect(QPoint(left, top), start.size());
        break;
    }
    case TopLeft: r.setLeft(start.left() + dx); r.setTop(start.top() + dy); break;
    case Top: r.setTop(start.top() + dy); break;
    case TopRight: r.setTop(start.top() + dy); r.setRight(start.right() + dx); break;
    case Right: r.setRight(start.right() + dx); break;
    case BottomRight: r.setRight(start.right() + dx); r.setBottom(start.bottom() + dy); break;
    case Bottom: r.setBottom(start.bottom() + dy); break;
    case BottomLeft: r.setLeft(start.left() + dx); r.setBottom(start.bottom() + dy); break;
    case Left: r.setLeft(start.left() + dx); break;
    default: return start;
    }
    r = r.normalized();
    if (r.width() < MinimumSide)
        r.setRight(r.left() + MinimumSide);
    if (r.height() < MinimumSide)
        r.setBottom(r.top() + MinimumSide);
    r.setRight(r.left() + (r.width() & ~1) - 1);
    r.setBottom(r.top() + (r.height() & ~1) - 1);
    return r;
}

QRect RegionOverlay::moveBounds() const
{
    if (m_preparationPreview && !m_previewLocked && m_selectionBounds.isValid())
        return m_selectionBounds;
    return rect();
}

QPoint RegionOverlay::clampToSelectionBounds(const QPoint &p) const
{
    const QRect &b = m_selectionBounds;
    return QPoint(qBound(b.left(), p.x(), qMax(b.left(), b.right())),
                  qBound(b.top(), p.y(), qMax(b.top(), b.bottom())));
}

void RegionOverlay::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_selecting) {
        if (event->button() == Qt::LeftButton) {
            const QPoint p = clampToSelectionBounds(pos);
            m_selectionStart = m_selectionCurrent = p;
            setLocalRegion(QRect(p, QSize(1, 1)));
            m_selectionDragging = true;
            m_repaintTimer.stop();
            updateMask();
            update();
        } else if (event->button() == Qt::RightButton) {
            emit selectionCanceled();
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_activeHandle = hitTest(pos);
    if (m_compact) {
        // The window moves with the drag: the pointer is followed in device pixels (Qt
        // gives global positions through the display under the pointer).
        const QList<DisplayGeometry::Display> displays = DisplayGeometry::applicationDisplays();
        m_dragStartPoint = DisplayGeometry::toDevice(displays, event->globalPosition());
        m_dragStartRect = deviceRegion();
        m_dragDisplay = DisplayGeometry::displayAtDevice(displays, m_dragStartRect.center());
    } else {
        m_dragStartPoint = pos;
        m_dragStartRect = m_region;
    }
    updateInputTransparency();
}

void RegionOverlay::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_selecting) {
        m_selectionCurrent = clampToSelectionBounds(pos);
        if (m_selectionDragging && (event->buttons() & Qt::LeftButton)) {
            setLocalRegion(QRect(m_selectionStart, m_selectionCurrent).normalized() & m_selectionBounds);
            updateMask();
        } else if (!m_compositing) {
            updateMask(); // the crosshair follows the pointer
        }
        if (!m_repaintTimer.isActive())
            m_repaintTimer.start();
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        updateCursor(hitTest(pos));
        return;
    }
    if (m_activeHandle == None)
        return;
    const QList<DisplayGeometry::Display> displays = DisplayGeometry::applicationDisplays();
    if (m_compact && m_dragDisplay >= 0 && m_dragDisplay < displays.size()) {
        // Measured in the logical pixels of the display the drag began on, continued
        // beyond its edges, and kept on the displays' device pixels.
        const DisplayGeometry::Display &frame = displays.at(m_dragDisplay);
        const QPoint deviceMove = DisplayGeometry::toDevice(displays, event->globalPosition()) - m_dragStartPoint;
        const QSize moved = frame.logicalSize(QSize(deviceMove.x(), deviceMove.y()));
        const QRect start = DisplayGeometry::inDisplay(frame, m_dragStartRect).toRect();
        const QRect bounds = DisplayGeometry::inDisplay(frame, DisplayGeometry::deviceDesktop(displays)).toRect();
        const QRect r = adjustedRect(m_activeHandle, start, QPoint(moved.width(), moved.height()), bounds);
        const QRect device = DisplayGeometry::fromDisplay(frame, r);
        const int margin = deviceMargin(frame);
        placeOver(device.adjusted(-margin, -margin, margin, margin));
        setDeviceRegion(device);
    } else {
        const QPoint delta = pos - m_dragStartPoint;
        setLocalRegion(adjustedRect(m_activeHandle, m_dragStartRect, delta, moveBounds()));
    }
    updateMask();
    update();
}

void RegionOverlay::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_selecting) {
        if (event->button() != Qt::LeftButton || !m_selectionDragging)
            return;
        m_selectionDragging = false;
        const QRect r = m_region.normalized() & m_selectionBounds;
        if (r.width() >= MinimumSide && r.height() >= MinimumSide) {
            setLocalRegion(QRect(r.topLeft(), QSize(r.width() & ~1, r.height() & ~1)));
            m_selecting = false;
            m_repaintTimer.stop();
            m_animationTimer.start();
            setCursor(Qt::ArrowCursor);
            emit regionChanged(currentRegion());
            updateInputTransparency();
        } else {
            setLocalRegion(QRect());
            m_repaintTimer.stop();
            updateMask();
        }
        update();
        return;
    }
    if (event->button() != Qt::LeftButton || m_activeHandle == None)
        return;
    m_activeHandle = None;
    emit regionChanged(currentRegion());
    updateInputTransparency();
    update();
}

void RegionOverlay::dashStep()
{
    m_dashPhase = (m_dashPhase + 1) % 12;
    // Only the frame crawls: repaint its band, not the whole window.
    update(frameBand());
}

qreal RegionOverlay::framePenWidth() const
{
    return m_preparationPreview ? 3 : 2;
}

QRect RegionOverlay::frameRect() const
{
    const int x1 = m_region.left();
    const int y1 = m_region.top();
    const int x2 = m_region.right();
    const int y2 = m_region.bottom();
    if (m_recordingMode)
        return QRect(QPoint(x1 - 2, y1 - 2), QPoint(x2 + 1, y2 + 1));
    return QRect(QPoint(x1 + 1, y1 + 1), QPoint(x2 - 1, y2 - 1));
}

QRegion RegionOverlay::frameBand() const
{
    if (!m_region.isValid())
        return QRegion();
    const QRect frame = frameRect();
    const int reach = int(std::ceil(framePenWidth())) + 1;
    QRegion band = QRegion(frame.adjusted(-reach, -reach, reach, reach))
                   - QRegion(frame.adjusted(reach, reach, -reach, -reach));
    if (m_recordingMode)
        band -= QRegion(recordedArea().toAlignedRect()); // every window pixel that shows a recorded one
    return band;
}

QRect RegionOverlay::sizeLabelRect() const
{
    const QFontMetrics fm(overlayFont(10));
    const QString text = sizeText();
    const int h = fm.height() + 10;
    const int w = fm.horizontalAdvance(text) + 16;
    int y = m_region.top() - h - 4;
    if (y < 0)
        y = m_region.top() + 4;
    return QRect(m_region.left() + 2, y, w, h);
}

QString RegionOverlay::sizeText() const
{
    return NumberText::deviceResolution(deviceRegion());
}

QRect RegionOverlay::lockedLabelRect() const
{
    const QFontMetrics fm(overlayFont(11));
    const int x1 = m_region.left();
    const int y1 = m_region.top();
    return QRect(QPoint(x1 + 10, y1 + 9),
                 QPoint(x1 + fm.horizontalAdvance(sizeText()) + 37, y1 + fm.height() + 22));
}

QRect RegionOverlay::coordinateLabelRect() const
{
    const QFontMetrics fm(overlayFont(9));
    const QPoint global = mapToGlobal(m_selectionCurrent);
    const QString text = QStringLiteral("%1, %2").arg(global.x()).arg(global.y());
    const int x = m_selectionCurrent.x();
    const int y = m_selectionCurrent.y();
    QRect box(QPoint(x + 14, y + 14), QPoint(x + fm.horizontalAdvance(text) + 31, y + fm.height() + 23));
    if (box.right() > m_selectionBounds.right())
        box.moveRight(x - 14);
    if (box.bottom() > m_selectionBounds.bottom())
        box.moveBottom(y - 14);
    return box;
}

void RegionOverlay::updateMask()
{
    // With a compositor the transparent parts are see-through. Without one they
    // would show black, on the screen and in recordings: the window then keeps only
    // what it paints.
    if (m_compositing) {
        if (!mask().isEmpty())
            clearMask();
        return;
    }
    QRegion shown;
    if (m_selecting && !m_selectionDragging && !m_region.isValid()) {
        const QRect &b = m_selectionBounds;
        shown += QRect(b.left(), m_selectionCurrent.y(), b.width(), 1);
        shown += QRect(m_selectionCurrent.x(), b.top(), 1, b.height());
        shown += coordinateLabelRect();
    } else if (m_region.isValid()) {
        shown += frameBand();
        if (!m_recordingMode) {
            if (m_preparationPreview && m_previewLocked) {
                shown += lockedLabelRect();
            } else {
                if (!m_selecting) {
                    for (Handle h : {TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left})
                        shown += handleRect(h).adjusted(-1, -1, 1, 1);
                    shown += QRegion(moveHandleRect().adjusted(-1, -1, 1, 1), QRegion::Ellipse);
                }
                shown += sizeLabelRect();
            }
        }
    }
    if (shown.isEmpty())
        shown = QRegion(0, 0, 1, 1); // an empty mask would mean "no mask"
    setMask(shown);
}

void RegionOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing, false);

    if (m_selecting && !m_selectionDragging && !m_region.isValid()) {
        const QRect &b = m_selectionBounds;
        const QPoint p = m_selectionCurrent;
        painter.setPen(overlayPen(QColor(155, 124, 255, 185), 1));
        painter.drawLine(b.left(), p.y(), b.right(), p.y());
        painter.drawLine(p.x(), b.top(), p.x(), b.bottom());
        const QPoint global = mapToGlobal(p);
        painter.setFont(overlayFont(9));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(5, 16, 31, 232));
        const QRect box = coordinateLabelRect();
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter,
                         NumberText::isolated(QStringLiteral("%1, %2").arg(global.x()).arg(global.y())));
        return;
    }
    if (!m_region.isValid())
        return;

    if (!m_recordingMode && !m_preparationPreview && m_compositing) {
        painter.setClipRegion(QRegion(rect()) - QRegion(m_region));
        painter.fillRect(rect(), QColor(0, 0, 0, 80));
        painter.setClipping(false);
    }

    const QColor frameColour = !m_preparationPreview ? QColor(255, 100, 20)
                               : m_previewLocked     ? QColor(QStringLiteral("#35c8ff"))
                                                     : QColor(QStringLiteral("#9b7cff"));
    QPen pen = overlayPen(frameColour, framePenWidth());
    if (!(m_preparationPreview && m_previewLocked)) {
        pen.setDashPattern({6, 4});
        pen.setDashOffset(m_dashPhase);
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (m_recordingMode) {
        // Never paint over the recorded pixels. They start where the user chose them, at a
        // scale above 1 perhaps between two logical points: the frame goes round their device
        // pixels, just outside them (an aliased clip keeps the pixels whose centres it holds).
        const QRectF recorded = recordedArea();
        const qreal reach = framePenWidth();
        QPainterPath ring; // odd-even fill: the band between the two
        ring.addRect(recorded.adjusted(-reach, -reach, reach, reach));
        ring.addRect(recorded);
        painter.setClipPath(ring);
        painter.drawRect(recorded.adjusted(-reach / 2, -reach / 2, reach / 2, reach / 2));
        return;
    }
    painter.drawRect(frameRect());

    if (m_preparationPreview && m_previewLocked) {
        const QRect box = lockedLabelRect();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(5, 16, 31, 230));
        painter.drawRoundedRect(box, 6, 6);
        painter.setFont(overlayFont(11));
        painter.setPen(QColor(QStringLiteral("#eef7ff")));
        painter.drawText(box, Qt::AlignCenter, sizeText());
        return;
    }

    if (!m_selecting) {
        const QColor gripColour = m_preparationPreview ? QColor(QStringLiteral("#9b7cff"))
                                                       : QColor(255, 100, 20);
        painter.setPen(overlayPen(gripColour, 1.5));
        painter.setBrush(Qt::white);
        for (Handle h : {TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left})
            painter.drawRoundedRect(handleRect(h), 2, 2);

        painter.setRenderHint(QPainter::Antialiasing, true);
        const QRect handle = moveHandleRect();
        painter.setPen(overlayPen(QColor(255, 255, 255, 220), 2));
        painter.setBrush(QColor(76, 86, 111, 185));
        painter.drawEllipse(handle);
        const int x = handle.center().x();
        const int y = handle.center().y();
        painter.drawLine(x - 16, y, x + 16, y);
        painter.drawLine(x, y - 16, x, y + 16);
        painter.drawLine(x - 16, y, x - 9, y - 7);
        painter.drawLine(x - 16, y, x - 9, y + 7);
        painter.drawLine(x + 16, y, x + 9, y - 7);
        painter.drawLine(x + 16, y, x + 9, y + 7);
        painter.drawLine(x, y - 16, x - 7, y - 9);
        painter.drawLine(x, y - 16, x + 7, y - 9);
        painter.drawLine(x, y + 16, x - 7, y + 9);
        painter.drawLine(x, y + 16, x + 7, y + 9);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    const QRect label = sizeLabelRect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_preparationPreview || m_selecting ? QColor(5, 16, 31, 232)
                                                         : QColor(255, 100, 20, 220));
    painter.drawRoundedRect(label, 3, 3);
    painter.setFont(overlayFont(10));
    painter.setPen(Qt::white);
    painter.drawText(label, Qt::AlignCenter, sizeText());
}
