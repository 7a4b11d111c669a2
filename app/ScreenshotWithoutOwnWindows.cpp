#include "app/ScreenshotWithoutOwnWindows.h"

#include "recording/ScreenshotWriter.h"

#include <cstring>

ScreenshotWithoutOwnWindows::ScreenshotWithoutOwnWindows(QObject *context, const QRect &area, const QRect &deviceArea)
    : QObject(context)
    , m_area(area)
    , m_deviceArea(deviceArea)
{
    m_timer.setInterval(kPollMs);
    connect(&m_timer, &QTimer::timeout, this, &ScreenshotWithoutOwnWindows::poll);
}

void ScreenshotWithoutOwnWindows::take(const QRect &area, const QRect &deviceArea, const QList<QWidget *> &windows,
                                       QObject *context, std::function<bool()> bringBack,
                                       std::function<void(const QImage &)> done)
{
    QList<QWidget *> over;
    for (QWidget *window : windows)
        if (window && window->isVisible() && window->frameGeometry().intersects(area))
            over << window;
    const QImage before = ScreenshotWriter::grabArea(area, deviceArea);
    if (over.isEmpty() || before.isNull()) {
        done(before);
        return;
    }
    auto *shot = new ScreenshotWithoutOwnWindows(context, area, deviceArea);
    shot->m_before = before;
    shot->m_bringBack = std::move(bringBack);
    shot->m_done = std::move(done);
    const double sx = double(before.width()) / area.width();
    const double sy = double(before.height()) / area.height();
    for (QWidget *window : over) {
        const QRect part = window->frameGeometry().intersected(area).translated(-area.topLeft());
        shot->m_covered << QRect(int(part.x() * sx), int(part.y() * sy), std::max(1, int(part.width() * sx)),
                                 std::max(1, int(part.height() * sy)))
                               .intersected(before.rect());
        shot->m_withdrawn << window;
        window->hide();
    }
    shot->m_clock.start();
    shot->m_timer.start();
}

bool ScreenshotWithoutOwnWindows::redrawn(const QImage &before, const QImage &now, const QList<QRect> &covered)
{
    if (before.size() != now.size() || before.format() != now.format())
        return !now.isNull();
    const int bytes = before.depth() / 8;
    for (const QRect &rect : covered) {
        bool changed = false;
        for (int y = rect.top(); y <= rect.bottom() && !changed; ++y)
            changed = std::memcmp(before.constScanLine(y) + rect.left() * bytes, now.constScanLine(y) + rect.left() * bytes,
                                  size_t(rect.width()) * bytes) != 0;
        if (!changed)
            return false;
    }
    return true;
}

void ScreenshotWithoutOwnWindows::poll()
{
    const QImage now = ScreenshotWriter::grabArea(m_area, m_deviceArea);
    // Once what the windows covered shows, one more look: the drawing has ended when the
    // picture stays the same.
    if (m_redrawn && now == m_last) {
        finish(now);
        return;
    }
    m_redrawn = m_redrawn || redrawn(m_before, now, m_covered);
    m_last = now;
    if (m_clock.elapsed() >= kMaxWaitMs)
        finish(now);
}

void ScreenshotWithoutOwnWindows::finish(const QImage &picture)
{
    m_timer.stop();
    if (!m_bringBack || m_bringBack()) {
        for (const QPointer<QWidget> &window : m_withdrawn)
            if (window && !window->isVisible())
                window->show();
    }
    m_done(picture);
    deleteLater();
}
