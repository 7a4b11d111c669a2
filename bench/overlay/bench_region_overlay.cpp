// GUI-thread time per dash step of the region overlay in recording mode on a
// 1920 x 1080 desktop: repainting only the frame band (what the overlay does)
// against repainting the whole window. Run inside the test desktop:
//   scripts/test-env.sh build/bench/overlay/bench_region_overlay
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <QTimer>

#include "preparation/RegionOverlay.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Times the handling of each repaint request (painting and handing the picture to
// the window system), which is what the dash timer costs the GUI thread.
class TimedOverlay : public RegionOverlay
{
public:
    qint64 nanoseconds = 0;
    qint64 paintNanoseconds = 0;
    int requests = 0;
    std::vector<qint64> each;

protected:
    void paintEvent(QPaintEvent *e) override
    {
        QElapsedTimer timer;
        timer.start();
        RegionOverlay::paintEvent(e);
        paintNanoseconds += timer.nsecsElapsed();
    }

    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::UpdateRequest)
            return RegionOverlay::event(e);
        QElapsedTimer timer;
        timer.start();
        const bool handled = RegionOverlay::event(e);
        nanoseconds += timer.nsecsElapsed();
        each.push_back(timer.nsecsElapsed());
        ++requests;
        return handled;
    }
};

void run(TimedOverlay &overlay, bool whole, int steps)
{
    QTimer wholeRepaint;
    wholeRepaint.setInterval(80);
    QObject::connect(&wholeRepaint, &QTimer::timeout, &overlay, qOverload<>(&QWidget::update));
    if (whole)
        wholeRepaint.start();
    overlay.nanoseconds = 0;
    overlay.paintNanoseconds = 0;
    overlay.requests = 0;
    overlay.each.clear();
    QEventLoop loop;
    QTimer::singleShot(80 * steps, &loop, &QEventLoop::quit);
    loop.exec();
    const double n = qMax(overlay.requests, 1);
    std::sort(overlay.each.begin(), overlay.each.end());
    const double median = overlay.each.empty() ? 0.0 : overlay.each[overlay.each.size() / 2] / 1e6;
    std::printf("%-12s %4d repaints, median %.3f ms, mean %.3f ms per dash step (painting %.3f ms)\n",
                whole ? "whole window" : "frame band", overlay.requests, median,
                overlay.nanoseconds / 1e6 / n, overlay.paintNanoseconds / 1e6 / n);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QSize desktop = QGuiApplication::primaryScreen()->virtualGeometry().size();
    std::printf("desktop %dx%d, platform %s\n", desktop.width(), desktop.height(),
                qPrintable(QGuiApplication::platformName()));
    TimedOverlay overlay;
    overlay.setRecordingMode(true);
    overlay.setRegion(QRect(200, 150, 1520, 780));
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();
    for (int round = 0; round < 2; ++round) {
        run(overlay, false, 60);
        run(overlay, true, 60);
    }
    return 0;
}
