#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <functional>

// The editor's range bar: a picture strip of the file, the kept range between two handles,
// an optional mute band, and a yellow marker that is the playhead and the split point, over
// a time ruler. It drives no player: everything goes out through the callbacks.
class TimelineRangeWidget : public QWidget
{
public:
    explicit TimelineRangeWidget(QWidget *parent = nullptr);
    ~TimelineRangeWidget() override;

    // `mask`: the strip's waveform mask when the caller has it already (audio).
    void setPreview(const QPixmap &strip, bool audio, double duration, const QImage &mask = QImage());

    std::function<void(double, double, double)> onRangeChanged;
    std::function<void(double)> onScrubStarted;
    std::function<void(double)> onScrubbed;
    std::function<void(double)> onScrubFinished;

    QPixmap stripPixmap;
    QImage waveMask;
    QPixmap waveCache;
    int waveCacheWidth = -1;
    int waveCacheHeight = -1;
    double duration = 0.1;
    double rangeStart = 0.0;
    double rangeEnd = 0.1;
    double marker = 0.0;
    int dragHandle = 0; // 0 none, 1 start, 2 end, 3 marker
    bool splitMode = false;
    bool muteMode = false;
    // The edit covers the whole file (picture transforms): no range and no handles, the bar
    // only moves the playhead.
    bool rangeHidden = false;
    bool audio = false;

    // Geometry of a bar `width` pixels wide: the track runs from x 10 to width - 10.
    static double xForTime(double t, int width, double duration);
    static double timeForX(double x, int width, double duration);
    // The ruler's label step for a bar of that width.
    static double rulerStep(int width, double duration);
    // A ruler label: tenths of a second when the step is below one second.
    static QString timeLabel(double t, double step);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    double x(double t) const { return xForTime(t, width(), duration); }
    double t(double x) const { return timeForX(x, width(), duration); }
    void dragTo(double x);
    bool nearMarkerCap(const QPointF &p, double reach) const;
    void notifyRange();
};
