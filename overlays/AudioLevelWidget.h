#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

// A one-line audio level meter: a caption, a scrolling trace of the last levels
// with a dashed peak line, and the current level in decibels. It repaints on every
// new level and owns no timer.
class AudioLevelWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int HistoryLength = 60;
    static constexpr int PeakHoldUpdates = 40;

    AudioLevelWidget(const QString &label, QWidget *parent = nullptr);

    // One level reading (linear amplitude, 1 = full scale).
    void setLevel(float level);

    float level() const { return m_level; }
    float peak() const { return m_peak; }
    const QList<float> &history() const { return m_history; }

    struct Readout
    {
        QString text;
        QColor color;
    };
    // The decibel read-out shown for a level.
    static Readout readoutFor(float level);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_label;
    float m_level = 0.0f;
    float m_peak = 0.0f;
    int m_peakHold = 0;
    QList<float> m_history;
};
