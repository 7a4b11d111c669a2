#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

// One clip on the timeline.
struct TimelineClip
{
    int track = 0; // 0 video, 1 system audio, 2 background music, 3 subtitles
    double start = 0.0;
    double end = 0.0;
    QString label;
    QColor color;
    QString path;
};

// A painted multi-track editing timeline: four tracks of clips, cut points, a playhead, a
// time ruler, zoom (Ctrl + wheel) and scroll (wheel). Left-drag selects, moves or trims a clip
// or drags the playhead; a right click or S adds a cut; Delete removes the selected clip.
// Every change by the user is reported through signals; it drives no player of its own.
class TimelineWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TimelineWidget(QWidget *parent = nullptr);
    ~TimelineWidget() override;

    QSize sizeHint() const override;

    void setDuration(double seconds);
    void addClip(const TimelineClip &clip);
    void addCutPoint(double seconds);
    void clearAll();
    void setPlayhead(double seconds);
    void removeSelectedClip();

    double xToSec(int x) const;
    int secToX(double seconds) const;
    QRect trackRect(int track) const;
    QRect clipRect(const TimelineClip &clip) const;

    const QList<TimelineClip> &clips() const { return m_clips; }
    const QList<double> &cutPoints() const { return m_cutPoints; }
    double duration() const { return m_duration; }
    double playhead() const { return m_playhead; }
    double pixelsPerSecond() const { return m_pixelsPerSecond; }
    double scrollOffset() const { return m_scrollOffset; }
    int selectedClip() const { return m_selectedClip; }

signals:
    void seekRequested(double seconds);
    void clipMoved(int index, double newStart);
    void clipTrimmed(int index, double start, double end);
    void cutAdded(double seconds);
    void selectionChanged(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void paintRuler(QPainter &painter);
    void paintClip(QPainter &painter, const TimelineClip &clip, bool selected);
    void paintPlayhead(QPainter &painter);
    double clampToDuration(double seconds) const;
    void movePlayheadTo(double seconds);

    QList<TimelineClip> m_clips;
    QList<double> m_cutPoints;
    double m_duration = 60.0;
    double m_playhead = 0.0;
    double m_pixelsPerSecond = 728.0 / 60.0;
    double m_scrollOffset = 0.0;
    int m_selectedClip = -1;
    bool m_movingClip = false;
    bool m_trimmingLeft = false;
    bool m_trimmingRight = false;
    bool m_draggingPlayhead = false;
    int m_dragClip = -1;
    double m_grabOffset = 0.0;
};
