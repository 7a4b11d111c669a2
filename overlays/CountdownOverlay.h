#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QTimer;
class RootKeyGrab;

// The large red countdown shown on the recorded screen before a recording starts. It
// counts whole seconds, names the start/stop and pause/resume hot keys, and Esc cancels
// it. It deletes itself when it closes.
class CountdownOverlay : public QWidget
{
    Q_OBJECT
public:
    explicit CountdownOverlay(int seconds, QWidget *parent = nullptr);

    void setTargetRect(const QRect &rect);
    void start();
    void updateVirtualGeometry();

    int remainingSeconds() const { return m_remaining; }

    // Centre of the drawing, clamped so that disc and hint panel stay on a screen of `size`.
    static QPoint clampedCentre(const QPoint &centre, const QSize &size);
    // Text of hot key `index` (0 start/stop, 1 pause/resume) in native notation.
    static QString hotkeyText(int index);

signals:
    void finished();
    void canceled();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void tick();
    // Esc: cancelled, unless the count has ended.
    void cancel();
    // Esc is taken on the whole screen while the count runs: the overlay has the keyboard
    // focus only until another window takes it (the window manager's, or one the user clicks
    // in through the overlay).
    void releaseEscape();
    QPoint drawingCentre() const;
    void applyCompositorRules();

    int m_initial = 1;
    int m_remaining = 1;
    bool m_done = false;
    QRect m_target;
    QTimer *m_timer = nullptr;
    RootKeyGrab *m_escapeGrab = nullptr;
};
