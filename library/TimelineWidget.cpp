#include "library/TimelineWidget.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kHeaderWidth = 72;
constexpr int kRulerHeight = 18;
constexpr int kTrackHeight = 26;
constexpr int kTrackCount = 4;
constexpr int kTrimGrip = 8;
constexpr double kMinimumClip = 0.1;

QFont uiFont(bool bold = false)
{
    QFont font(QStringLiteral("Segoe UI"));
    font.setPointSize(9);
    font.setBold(bold);
    return font;
}

} // namespace

TimelineWidget::TimelineWidget(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumHeight(126);
}

TimelineWidget::~TimelineWidget() = default;

QSize TimelineWidget::sizeHint() const
{
    return {800, 130};
}

void TimelineWidget::setDuration(double seconds)
{
    m_duration = seconds;
    // A widget no wider than its track headers still gets a usable scale (the zoom's floor):
    // a scale of 0 or below would put every time at the headers or divide by zero.
    m_pixelsPerSecond = std::max(4.0, (width() - kHeaderWidth) / (seconds > 0 ? seconds : 60.0));
    update();
}

void TimelineWidget::addClip(const TimelineClip &clip)
{
    m_clips.append(clip);
    update();
}

void TimelineWidget::addCutPoint(double seconds)
{
    m_cutPoints.append(seconds);
    emit cutAdded(seconds);
    update();
}

void TimelineWidget::clearAll()
{
    m_clips.clear();
    m_cutPoints.clear();
    m_dragClip = -1; // a drag cannot go on over clips that are gone
    update();
}

void TimelineWidget::setPlayhead(double seconds)
{
    m_playhead = seconds;
    update();
}

void TimelineWidget::removeSelectedClip()
{
    if (m_selectedClip < 0 || m_selectedClip >= m_clips.size())
        return;
    m_clips.removeAt(m_selectedClip);
    m_selectedClip = -1;
    m_dragClip = -1;
    update();
}

double TimelineWidget::xToSec(int x) const
{
    return (x - kHeaderWidth) / m_pixelsPerSecond + m_scrollOffset;
}

int TimelineWidget::secToX(double seconds) const
{
    return int(std::trunc((seconds - m_scrollOffset) * m_pixelsPerSecond)) + kHeaderWidth;
}

QRect TimelineWidget::trackRect(int track) const
{
    return QRect(QPoint(kHeaderWidth, kRulerHeight + kTrackHeight * track),
                 QPoint(width() - 1, kRulerHeight + 25 + kTrackHeight * track));
}

QRect TimelineWidget::clipRect(const TimelineClip &clip) const
{
    return QRect(QPoint(secToX(clip.start), 20 + kTrackHeight * clip.track),
                 QPoint(secToX(clip.end) - 1, 41 + kTrackHeight * clip.track));
}

double TimelineWidget::clampToDuration(double seconds) const
{
    return std::clamp(seconds, 0.0, std::max(0.0, m_duration));
}

void TimelineWidget::movePlayheadTo(double seconds)
{
    m_playhead = clampToDuration(seconds);
    update();
    emit seekRequested(m_playhead);
}

void TimelineWidget::mousePressEvent(QMouseEvent *event)
{
    setFocus();
    const QPoint pos = event->position().toPoint();
    const double t = xToSec(pos.x());
    if (event->button() == Qt::LeftButton) {
        if (pos.y() < kRulerHeight) {
            m_draggingPlayhead = true;
            movePlayheadTo(t);
            return;
        }
        m_dragClip = -1;
        for (int i = int(m_clips.size()) - 1; i >= 0; --i) {
            const QRect r = clipRect(m_clips[i]);
            if (!r.contains(pos))
                continue;
            m_selectedClip = m_dragClip = i;
            m_grabOffset = t - m_clips[i].start;
            m_trimmingLeft = pos.x() - r.left() < kTrimGrip;
            m_trimmingRight = r.right() - pos.x() < kTrimGrip;
            m_movingClip = !m_trimmingLeft && !m_trimmingRight;
            emit selectionChanged(i);
            update();
            return;
        }
        m_selectedClip = -1;
        emit selectionChanged(-1);
        movePlayheadTo(t);
    } else if (event->button() == Qt::RightButton) {
        const double cut = clampToDuration(t);
        m_cutPoints.append(cut);
        emit cutAdded(cut);
        update();
    }
}

void TimelineWidget::mouseMoveEvent(QMouseEvent *event)
{
    const double t = xToSec(event->position().toPoint().x());
    if (m_draggingPlayhead) {
        movePlayheadTo(t);
        return;
    }
    if (m_dragClip < 0 || m_dragClip >= m_clips.size())
        return;
    TimelineClip &clip = m_clips[m_dragClip];
    if (m_trimmingLeft) {
        clip.start = std::clamp(t, 0.0, std::max(0.0, clip.end - kMinimumClip));
        emit clipTrimmed(m_dragClip, clip.start, clip.end);
    } else if (m_trimmingRight) {
        clip.end = std::max(std::min(t, m_duration), clip.start + kMinimumClip);
        emit clipTrimmed(m_dragClip, clip.start, clip.end);
    } else if (m_movingClip) {
        const double length = clip.end - clip.start;
        const double start = std::clamp(t - m_grabOffset, 0.0, std::max(0.0, m_duration - length));
        clip.start = start;
        clip.end = start + length;
        emit clipMoved(m_dragClip, start);
    }
    update();
}

void TimelineWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_movingClip = m_trimmingLeft = m_trimmingRight = m_draggingPlayhead = false;
    m_dragClip = -1;
}

void TimelineWidget::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (event->modifiers() & Qt::ControlModifier) {
        m_pixelsPerSecond = std::clamp(m_pixelsPerSecond * (delta < 1 ? 0.87 : 1.15), 4.0, 600.0);
    } else {
        const double visible = (width() - kHeaderWidth) / m_pixelsPerSecond;
        m_scrollOffset = std::clamp(m_scrollOffset - delta / m_pixelsPerSecond * 0.5, 0.0,
                                    std::max(m_duration - visible, 0.0));
    }
    update();
}

void TimelineWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_S)
        addCutPoint(m_playhead);
    else if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        removeSelectedClip();
}

void TimelineWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(QStringLiteral("#13161e")));
    paintRuler(painter);

    static const char *const trackColours[kTrackCount] = {"#16192a", "#14191e", "#16161e", "#181614"};
    const QString names[kTrackCount] = {tr("🎬 视频"), tr("🔊 系统音"), tr("🎵 背景乐"), tr("📝 字幕")};
    for (int i = 0; i < kTrackCount; ++i) {
        const int top = kRulerHeight + kTrackHeight * i;
        painter.fillRect(trackRect(i), QColor(QLatin1String(trackColours[i])));
        painter.fillRect(QRect(QPoint(0, top), QPoint(kHeaderWidth - 1, top + 25)), QColor(QStringLiteral("#16181f")));
        painter.setPen(QColor(QStringLiteral("#4a5068")));
        painter.setFont(uiFont());
        painter.drawText(QRect(QPoint(0, top), QPoint(69, top + 25)), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("  ") + names[i]);
        painter.setPen(QColor(QStringLiteral("#0d0f14")));
        painter.drawLine(0, top + 25, width(), top + 25);
    }

    for (int i = 0; i < m_clips.size(); ++i)
        paintClip(painter, m_clips[i], i == m_selectedClip);

    QColor cutColour(QStringLiteral("#ef4444"));
    cutColour.setAlpha(150);
    painter.setFont(uiFont());
    for (double cut : m_cutPoints) {
        const int x = int(std::trunc((cut - m_scrollOffset) * m_pixelsPerSecond));
        if (x < 0 || x + kHeaderWidth > width())
            continue;
        painter.setPen(QPen(cutColour, 1.5));
        painter.drawLine(QPointF(x + kHeaderWidth, kRulerHeight), QPointF(x + kHeaderWidth, height()));
        QColor mark(QStringLiteral("#ef4444"));
        mark.setAlpha(200);
        painter.setPen(mark);
        painter.drawText(QPoint(x + 74, 30), QStringLiteral("✂"));
    }
    paintPlayhead(painter);
}

void TimelineWidget::paintRuler(QPainter &painter)
{
    painter.fillRect(QRect(QPoint(kHeaderWidth, 0), QPoint(width() - 1, 17)), QColor(QStringLiteral("#16181f")));
    painter.fillRect(QRect(QPoint(0, 0), QPoint(kHeaderWidth - 1, 17)), QColor(QStringLiteral("#13161e")));
    painter.setPen(QColor(QStringLiteral("#0d0f14")));
    painter.drawLine(0, 17, width(), 17);

    // Labels are 50 px wide: take the finest step whose labels do not run into each other.
    const double secondsPerPixel = 1.0 / m_pixelsPerSecond;
    double step = secondsPerPixel > 30 ? 60 : secondsPerPixel > 10 ? 30 : secondsPerPixel > 2 ? 10
                : secondsPerPixel > 0.5 ? 5 : 1;
    static const double steps[] = {1, 5, 10, 30, 60, 300, 600, 1800, 3600};
    for (double candidate : steps) {
        if (candidate >= step && candidate * m_pixelsPerSecond >= 50) {
            step = candidate;
            break;
        }
    }
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(8);
    painter.setFont(font);
    for (double t = step * std::floor(m_scrollOffset / step); t <= m_duration + step; t += step) {
        const int x = int(std::trunc((t - m_scrollOffset) * m_pixelsPerSecond));
        if (x < 0 || x + kHeaderWidth > width())
            continue;
        painter.setPen(QColor(QStringLiteral("#2a2f42")));
        painter.drawLine(x + kHeaderWidth, 12, x + kHeaderWidth, 18);
        const int whole = int(std::trunc(t));
        painter.setPen(QColor(QStringLiteral("#4a5068")));
        painter.drawText(QRect(QPoint(x + 74, 0), QPoint(x + 123, 15)), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1:%2").arg(whole / 60, 2, 10, QLatin1Char('0'))
                             .arg(whole % 60, 2, 10, QLatin1Char('0')));
    }
}

void TimelineWidget::paintClip(QPainter &painter, const TimelineClip &clip, bool selected)
{
    const QRect r = clipRect(clip);
    if (r.right() < kHeaderWidth || r.left() > width())
        return;
    QColor fill = clip.color;
    fill.setAlpha(selected ? 220 : 160);
    painter.fillRect(r, fill);
    painter.setPen(selected ? QPen(Qt::white, 1.5) : QPen(clip.color.lighter(160), 1));
    painter.drawRect(r);
    const QFont font = uiFont(selected);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QString text = QFontMetrics(font).elidedText(clip.label, Qt::ElideRight, r.width() - 7);
    painter.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    if (selected) {
        painter.fillRect(QRect(r.left(), r.top() + 2, 4, r.height() - 4), Qt::white);
        painter.fillRect(QRect(r.right() - 3, r.top() + 2, 4, r.height() - 4), Qt::white);
    }
}

void TimelineWidget::paintPlayhead(QPainter &painter)
{
    const int x = int(std::trunc((m_playhead - m_scrollOffset) * m_pixelsPerSecond));
    if (x < 0 || x + kHeaderWidth > width())
        return;
    const QColor red(QStringLiteral("#ef4444"));
    painter.setPen(QPen(red, 1.5));
    painter.drawLine(QPointF(x + kHeaderWidth, 0), QPointF(x + kHeaderWidth, height()));
    QPainterPath triangle;
    triangle.moveTo(x + 66, 0);
    triangle.lineTo(x + 78, 0);
    triangle.lineTo(x + 72, 8);
    triangle.closeSubpath();
    painter.fillPath(triangle, red);
}
