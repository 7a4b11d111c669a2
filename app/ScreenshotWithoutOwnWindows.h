#pragma once

#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <QElapsedTimer>
#include <functional>

// Takes the picture of an area of the screens with some of the program's own windows (the
// preparation toolbar, the frame over the display or the area) withdrawn for that instant:
// X11 cannot leave a window out of a grab. They are hidden, the picture is taken once what
// they covered has been drawn again (by the compositor, or by the programs below), and they
// come back at once. The GUI thread is never held: the screen is looked at on a short timer.
class ScreenshotWithoutOwnWindows : public QObject
{
public:
    static constexpr int kPollMs = 15;
    static constexpr int kMaxWaitMs = 500;

    // Grabs `area` (global logical coordinates; `deviceArea`, when valid, its device pixels as
    // the user chose them) and gives the picture to `done` on `context`'s thread (at once when
    // none of `windows` is shown over the area). A withdrawn window comes back only while
    // `bringBack` says so (the preparation it belongs to still runs).
    static void take(const QRect &area, const QRect &deviceArea, const QList<QWidget *> &windows, QObject *context,
                     std::function<bool()> bringBack, std::function<void(const QImage &)> done);

    // True when each of `covered` (rectangles of the pictures) shows something in `now` that it
    // did not show in `before`: the withdrawn windows are off the screen.
    static bool redrawn(const QImage &before, const QImage &now, const QList<QRect> &covered);

private:
    ScreenshotWithoutOwnWindows(QObject *context, const QRect &area, const QRect &deviceArea);
    void poll();
    void finish(const QImage &picture);

    QRect m_area;
    QRect m_deviceArea;
    QList<QPointer<QWidget>> m_withdrawn;
    QList<QRect> m_covered;
    QImage m_before;
    QImage m_last;
    bool m_redrawn = false;
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::function<bool()> m_bringBack;
    std::function<void(const QImage &)> m_done;
};
