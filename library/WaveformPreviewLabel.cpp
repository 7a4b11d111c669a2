#include "library/WaveformPreviewLabel.h"

#include "library/MediaPreview.h"

#include <QPainter>
#include <QStyleOption>

#include <cmath>

WaveformPreviewLabel::WaveformPreviewLabel(QWidget *parent)
    : QLabel(parent)
{
}

WaveformPreviewLabel::~WaveformPreviewLabel() = default;

void WaveformPreviewLabel::rebuildPixmaps()
{
    if (!waveformMode || waveform.isNull()) {
        basePixmap = playedPixmap = QPixmap();
        return;
    }
    const QSize size(width() - 76, height() - 60);
    basePixmap = renderWaveformPixmap(waveform, size, false);
    playedPixmap = renderWaveformPixmap(waveform, size, true);
}

void WaveformPreviewLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (waveformMode && !waveform.isNull())
        rebuildPixmaps();
}

void WaveformPreviewLabel::paintEvent(QPaintEvent *event)
{
    if (!waveformMode) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &p, this);
    const int right = width() - 39;
    const int bottom = height() - 31;
    if (right < 38 || bottom < 30 || basePixmap.isNull())
        return;
    p.setRenderHint(QPainter::Antialiasing);
    const int midY = (height() - 1) / 2;
    p.setPen(QPen(QColor(133, 174, 224, 185), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.drawLine(38, midY, right, midY);
    p.drawPixmap(38, 30, basePixmap);
    const int played = int(std::lround(progress * (width() - 76)));
    if (played >= 1) {
        p.save();
        p.setClipRect(38, 30, played, height() - 60);
        p.drawPixmap(38, 30, playedPixmap);
        p.restore();
    }
    if (progress > 0 && progress < 1) {
        const double x = 38 + progress * (width() - 76);
        p.setPen(QPen(QColor("#9ed6ff"), 2));
        p.drawLine(QPointF(x, 34), QPointF(x, height() - 35));
        p.setPen(QPen(QColor("#dcecff"), 1));
        p.setBrush(QColor("#3d8cff"));
        p.drawEllipse(QRectF(x - 5, 30, 10, 10));
    }
}
