#include "library/TimelineRangeWidget.h"

#include "library/LibraryIcons.h"
#include "library/MediaPreview.h"
#include "library/VideoListDialog.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

TimelineRangeWidget::TimelineRangeWidget(QWidget *parent)
    : QWidget(parent)
{
    setMinimumHeight(84);
    setMouseTracking(true);
}

TimelineRangeWidget::~TimelineRangeWidget() = default;

double TimelineRangeWidget::xForTime(double t, int width, double duration)
{
    const double d = std::max(duration, 0.1);
    return 10.0 + t * std::max(width - 20, 0) / d;
}

// A bar of 20 pixels or less has no track: every x maps to 0.
double TimelineRangeWidget::timeForX(double x, int width, double duration)
{
    const double d = std::max(duration, 0.1);
    if (width <= 20)
        return 0.0;
    return std::clamp(d * (x - 10.0) / double(width - 20), 0.0, d);
}

double TimelineRangeWidget::rulerStep(int width, double duration)
{
    const double labelSlots = std::max((width - 20) / 90.0, 2.0);
    const double raw = std::max(duration / labelSlots, 0.1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double r = raw / magnitude;
    const double factor = r <= 1 ? 1 : r <= 2 ? 2 : r <= 5 ? 5 : 10;
    return magnitude * factor;
}

QString TimelineRangeWidget::timeLabel(double t, double step)
{
    if (step < 1.0) {
        const int whole = std::max(0, int(t));
        const int tenths = std::clamp(int(std::lround((t - whole) * 10.0)), 0, 9);
        return QStringLiteral("%1.%2").arg(VideoListDialog::formatDuration(whole)).arg(tenths);
    }
    return VideoListDialog::timeText(t);
}

void TimelineRangeWidget::setPreview(const QPixmap &strip, bool isAudio, double length, const QImage &mask)
{
    stripPixmap = strip;
    audio = isAudio;
    waveMask = !isAudio ? QImage() : !mask.isNull() ? mask : waveformAlphaMask(strip.toImage());
    waveCache = QPixmap();
    waveCacheWidth = waveCacheHeight = -1;
    duration = std::max(length, 0.1);
    rangeStart = 0.0;
    rangeEnd = duration;
    marker = 0.0;
    update();
    notifyRange();
}

void TimelineRangeWidget::notifyRange()
{
    if (onRangeChanged)
        onRangeChanged(rangeStart, rangeEnd, marker);
}

bool TimelineRangeWidget::nearMarkerCap(const QPointF &p, double reach) const
{
    return std::abs(p.x() - x(marker)) <= reach && p.y() <= 18;
}

void TimelineRangeWidget::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = event->position();
    if ((std::abs(p.x() - x(marker)) < 14 && p.y() <= 18) || splitMode || rangeHidden)
        dragHandle = 3;
    else if (std::abs(p.x() - x(rangeStart)) < 14)
        dragHandle = 1;
    else if (std::abs(p.x() - x(rangeEnd)) < 14)
        dragHandle = 2;
    else
        dragHandle = 3;
    if (dragHandle == 3) {
        setCursor(Qt::ClosedHandCursor);
        if (onScrubStarted)
            onScrubStarted(t(p.x()));
    }
    dragTo(p.x());
}

void TimelineRangeWidget::dragTo(double px)
{
    const double time = t(px);
    if (dragHandle == 2)
        rangeEnd = std::min(std::max(time, rangeStart + 0.1), duration);
    else if (dragHandle == 1)
        rangeStart = std::max(std::min(time, rangeEnd - 0.1), 0.0);
    else
        marker = time;
    update();
    notifyRange();
    if (dragHandle == 3 && onScrubbed)
        onScrubbed(marker);
}

void TimelineRangeWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = event->position();
    if (dragHandle != 0) {
        dragTo(p.x());
        return;
    }
    if (nearMarkerCap(p, 14))
        setCursor(Qt::OpenHandCursor);
    else if (!splitMode && !rangeHidden && (std::abs(p.x() - x(rangeStart)) <= 10 || std::abs(p.x() - x(rangeEnd)) <= 10))
        setCursor(Qt::SizeHorCursor);
    else
        unsetCursor();
}

void TimelineRangeWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasMarker = dragHandle == 3;
    dragHandle = 0;
    if (wasMarker && onScrubFinished)
        onScrubFinished(marker);
    if (nearMarkerCap(event->position(), 14))
        setCursor(Qt::OpenHandCursor);
    else
        unsetCursor();
}

void TimelineRangeWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = width();
    const QRectF track(10, 12, std::max(w - 20, 0), 48);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#101d31"));
    p.drawRoundedRect(track, 6, 6);

    if (!stripPixmap.isNull()) {
        if (!audio) {
            for (int tx = 10; tx < w - 10; tx += 88) {
                const int tileWidth = std::min(88, w - 10 - tx);
                p.drawPixmap(QRect(tx, 12, tileWidth, 48), stripPixmap);
            }
        } else {
            const QSize size = track.size().toSize();
            if (size.width() != waveCacheWidth || size.height() != waveCacheHeight) {
                waveCache = renderWaveformPixmap(waveMask, size, true);
                waveCacheWidth = size.width();
                waveCacheHeight = size.height();
            }
            if (!waveCache.isNull())
                p.drawPixmap(track.topLeft(), waveCache);
            QColor line("#89bef4");
            line.setAlpha(175);
            p.setPen(QPen(line, 1));
            p.drawLine(QPointF(track.left(), track.center().y()), QPointF(track.right(), track.center().y()));
            p.setPen(Qt::NoPen);
        }
        QColor veil("#040c19");
        veil.setAlpha(70);
        p.fillRect(track, veil);
    }

    const double xs = x(rangeStart);
    const double xe = x(rangeEnd);
    if (muteMode) {
        const QRectF band(xs, 12, xe - xs, 48);
        p.save();
        p.setClipRect(band);
        QColor red("#ff4655");
        red.setAlpha(31);
        p.setBrush(red);
        p.setPen(QPen(QColor("#3986ff"), 2));
        p.drawRoundedRect(band, 6, 6);
        const QString text = VideoListDialog::tr("移除声音");
        const QFontMetrics metrics(font());
        const double pillWidth = metrics.horizontalAdvance(text) + 44;
        const QRectF pill(band.center().x() - pillWidth / 2, track.center().y() - 15, pillWidth, 30);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(24, 31, 47, 220));
        p.drawRoundedRect(pill, 5, 5);
        p.drawPixmap(QPointF(pill.left() + 8, pill.top() + 6), tintedLibraryPixmap(QStringLiteral("audio_off"), 18, QColor("#ffd5d9")));
        p.setPen(QColor("#ffd5d9"));
        p.drawText(QRectF(pill.left() + 32, pill.top(), pill.width() - 32, pill.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
        p.restore();
    }

    if (!splitMode && !rangeHidden) {
        const QRectF selection(xs, 10, xe - xs, 52);
        QColor fill("#2c77f7");
        fill.setAlpha(65);
        p.setBrush(muteMode ? QBrush(Qt::NoBrush) : QBrush(fill));
        p.setPen(QPen(QColor("#3986ff"), 2));
        p.drawRoundedRect(selection, 6, 6);
        for (double hx : {xs, xe}) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor("#3986ff"));
            p.drawRoundedRect(QRectF(hx - 6, 9, 12, 54), 5, 5);
            p.setPen(QPen(Qt::white, 2));
            p.drawLine(QPointF(hx, 26), QPointF(hx, 44));
        }
    }

    const double xm = x(marker);
    const QColor yellow("#d3a42f");
    p.setPen(QPen(yellow, 2));
    p.drawLine(QPointF(xm, 9), QPointF(xm, 67));
    p.setPen(Qt::NoPen);
    p.setBrush(yellow);
    const QPointF cap[] = {{xm - 7, 0}, {xm + 7, 0}, {xm + 7, 4}, {xm, 11}, {xm - 7, 4}};
    p.drawPolygon(cap, 5);

    p.setPen(QPen(QColor("#405775"), 1));
    p.drawLine(QPointF(10, 66), QPointF(w - 10, 66));
    const double step = rulerStep(w, duration);
    if (duration > 0.11) {
        const double minor = step / 5.0;
        for (long i = 0; double(i) * minor <= duration + step / 20.0; ++i) {
            const double time = double(i) * minor;
            const bool major = i % 5 == 0;
            const double tx = x(std::min(time, duration));
            p.setPen(QPen(QColor(major ? "#71849f" : "#405775"), 1));
            p.drawLine(QPointF(tx, major ? 62 : 64), QPointF(tx, 68));
            if (major && std::abs(time - marker) >= 0.4 * step) {
                p.setPen(QColor("#8fa4c3"));
                // Centred on its tick, but kept inside the bar: the first and last labels
                // were cut at the edges.
                const double left = std::clamp(tx - 34, 0.0, std::max(0.0, w - 68.0));
                p.drawText(QRectF(left, 69, 68, 18), Qt::AlignHCenter | Qt::AlignTop, timeLabel(time, step));
            }
        }
    }
    p.setPen(yellow);
    const double labelLeft = std::clamp(xm - 34, 10.0, std::max(10.0, w - 78.0));
    p.drawText(QRectF(labelLeft, 69, 68, 18), Qt::AlignHCenter | Qt::AlignTop, timeLabel(marker, step));
}
