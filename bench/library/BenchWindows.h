#pragma once
// The library benchmarks' windows: where a shown window really is on the X server, once the
// window manager has placed it (Qt's own idea of a just-shown window's place can stay at the
// screen's corner, and real X events sent by it would miss the window), and a watch on the
// events a widget handles.

#include "platform/mac/OverlayWindowSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>

#include <functional>

#include <optional>

// The window's top-left corner in device pixels, once two looks 100 ms apart agree (at most
// `timeoutMs`; Qt's idea of it when the server cannot say).
inline QPoint settledCorner(QWidget *window, int timeoutMs = 40000)
{
    std::optional<QPoint> seen;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        const std::optional<QRect> server = serverWindowGeometry(window);
        if (server && seen == server->topLeft())
            return *seen;
        seen = server ? std::optional<QPoint>(server->topLeft()) : std::nullopt;
        QThread::msleep(100);
    }
    return seen.value_or(window->pos());
}

// The place of `widget`'s point `at` on the screen, the window's corner being `corner`.
inline QPoint onScreen(QWidget *widget, const QPoint &at, const QPoint &corner)
{
    return corner + widget->mapTo(widget->window(), at);
}

// Calls `seen` with every event `widget` is about to handle, while it lives.
class EventWatch : public QObject
{
public:
    EventWatch(QWidget *widget, std::function<void(QEvent *)> seen)
        : m_seen(std::move(seen))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        m_seen(event);
        return false;
    }

private:
    std::function<void(QEvent *)> m_seen;
};
