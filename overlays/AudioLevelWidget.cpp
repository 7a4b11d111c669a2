#include "overlays/AudioLevelWidget.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

const float SilenceLevel = 0.000001f;

QFont meterFont(const QStringList &families, int pointSize, int weight, QFont::StyleHint hint)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSize(pointSize);
    font.setWeight(QFont::Weight(weight));
    return font;
}

} // namespace

AudioLevelWidget::AudioLevelWidget(const QString &label, QWidget *parent)
    : QWidget(parent), m_label(label), m_history(HistoryLength, 0.0f)
{
    setMinimumHeight(36);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void AudioLevelWidget::setLevel(float level)
{
    if (!std::isfinite(level))
        level = 0.0f;
    m_level = std::clamp(level, 0.0f, 1.0f);

    if (m_history.size() != HistoryLength)
        m_history = QList<float>(HistoryLength, 0.0f);
    m_history.removeFirst();
    m_history.append(m_level);

    if (m_level >= m_peak) {
        m_peak = m_level;
        m_peakHold = PeakHoldUpdates;
    } else if (m_peakHold >= 1) {
        --m_peakHold;
    } else {
        m_peak = std::max(m_peak - 0.01f, 0.0f);
    }
    update();
}

AudioLevelWidget::Readout AudioLevelWidget::readoutFor(float level)
{
    double decibels = -60.0;
    QString text = QStringLiteral("-∞");
    if (level > SilenceLevel) {
        decibels = 20.0 * std::log10(double(level));
        if (decibels > -60.0)
            text = QStringLiteral("%1 dB").arg(int(std::trunc(decibels)));
    }
    return {text, QColor(decibels > -6.0 ? "#ef4444" : "#60a5fa")};
}

void AudioLevelWidget::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    if (w < 1 || h < 1)
        return;
    // Narrow or low meters are drawn at their least size and clipped.
    const int fullW = std::max(w, 134);
    const int fullH = std::max(h, 16);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor("#0d0f14"));

    painter.setFont(meterFont({QStringLiteral("Segoe UI"), QStringLiteral("Noto Sans"),
                               QStringLiteral("DejaVu Sans")},
                              10, QFont::Normal, QFont::SansSerif));
    painter.setPen(QColor("#6a7080"));
    // The meter starts at 60 px, further right where the label needs it ("Ausgang").
    const int left = std::max(60, 4 + painter.fontMetrics().horizontalAdvance(m_label) + 6);
    painter.drawText(QRect(4, 0, left - 4, h), Qt::AlignLeft | Qt::AlignVCenter, m_label);

    const double top = 4;
    const double base = fullH - 4;
    const double span = fullH - 8;
    painter.fillRect(QRect(left, 4, fullW - 64 - left, fullH - 8), QColor("#13161e"));

    QPolygonF points;
    const qsizetype n = m_history.size();
    for (qsizetype i = 0; i < n; ++i) {
        const double x = n > 1 ? left + double(i) / double(n - 1) * (fullW - 64 - left) : double(left);
        points.append(QPointF(x, base - double(m_history.at(i)) * span));
    }

    QLinearGradient lineGradient(0, top, 0, base);
    lineGradient.setColorAt(0.0, QColor("#22c55e"));
    lineGradient.setColorAt(0.7, QColor("#f59e0b"));
    lineGradient.setColorAt(1.0, QColor("#ef4444"));
    painter.setPen(QPen(QBrush(lineGradient), 1.2, Qt::SolidLine));
    painter.drawPolyline(points);

    if (!points.isEmpty()) {
        QPolygonF area = points;
        area.append(QPointF(fullW - 64, base));
        area.append(QPointF(left, base));
        QLinearGradient areaGradient(0, top, 0, base);
        areaGradient.setColorAt(0.0, QColor(34, 197, 94, 60));
        areaGradient.setColorAt(1.0, QColor(34, 197, 94, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(areaGradient);
        painter.drawPolygon(area, Qt::OddEvenFill);
        painter.setBrush(Qt::NoBrush);
    }

    const double peakY = base - double(m_peak) * span;
    painter.setPen(QPen(QColor(239, 68, 68, 180), 1, Qt::DashLine));
    painter.drawLine(QPointF(left, peakY), QPointF(fullW - 64, peakY));

    const Readout readout = readoutFor(m_level);
    painter.setFont(meterFont({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"),
                               QStringLiteral("Liberation Mono")},
                              9, 500, QFont::Monospace));
    painter.setPen(readout.color);
    painter.drawText(QRect(QPoint(fullW - 60, 0), QPoint(fullW - 3, h - 1)),
                     Qt::AlignLeft | Qt::AlignVCenter, readout.text);
}
