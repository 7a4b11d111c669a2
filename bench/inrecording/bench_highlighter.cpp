// The mouse highlighter on a 1920x1080 desktop, inside the test desktop:
//   scripts/test-env.sh build/bench/inrecording/bench_highlighter
// 1. GUI-thread time of one pointer poll with its paint and flush, repainting only the
//    halo and ring areas (as built) and, for comparison, the whole window.
// 2. Dropped frames of a 10 s, 30 fps full-screen recording with the highlighter off
//    and on while the pointer circles.
#include "overlays/MouseHighlighter.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

QPoint circlePoint(int step)
{
    const double a = step * 0.05;
    return QPoint(960 + int(400 * std::cos(a)), 540 + int(300 * std::sin(a)));
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void report(const char *what, std::vector<double> &ms)
{
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    std::printf("%-40s mean %.3f ms  median %.3f ms  p95 %.3f ms\n", what, sum / ms.size(), ms[ms.size() / 2],
                ms[ms.size() * 95 / 100]);
}

std::vector<double> pollCost(MouseHighlighter &highlighter, bool whole)
{
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < 300; ++i) {
        QCursor::setPos(circlePoint(i));
        settle(2);
        timer.start();
        highlighter.updatePosition();
        if (whole)
            highlighter.update();
        QCoreApplication::processEvents();
        ms.push_back(timer.nsecsElapsed() / 1e6);
        if (i % 20 == 0)
            highlighter.onClickFlash(false);
    }
    return ms;
}

qint64 droppedFrames(bool highlight, const QString &folder)
{
    MouseHighlighter highlighter;
    highlighter.setEnabled(highlight);
    Recorder recorder;
    recorder.setCaptureRect(QGuiApplication::primaryScreen()->geometry());
    recorder.setEffectsTargetRect(QGuiApplication::primaryScreen()->geometry());
    recorder.setOutputPath(QDir(folder).filePath(highlight ? QStringLiteral("on.mp4") : QStringLiteral("off.mp4")));
    qint64 dropped = -1;
    bool started = false, stopped = false;
    QObject::connect(&recorder, &Recorder::performanceUpdated, [&](double, qint64 d, const QString &, int, bool) {
        dropped = d;
    });
    QObject::connect(&recorder, &Recorder::started, [&] { started = true; });
    QObject::connect(&recorder, &Recorder::stopped, [&] { stopped = true; });
    int step = 0;
    QTimer mover;
    QObject::connect(&mover, &QTimer::timeout, [&] { QCursor::setPos(circlePoint(step++)); });
    mover.start(16);
    recorder.start();
    for (int i = 0; i < 200 && !started; ++i)
        settle(100);
    settle(10000);
    recorder.stop();
    for (int i = 0; i < 300 && !stopped; ++i)
        settle(100);
    return dropped;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    MouseHighlighter highlighter;
    highlighter.setEnabled(true);
    settle(500);
    std::printf("highlighter window %dx%d\n", highlighter.width(), highlighter.height());
    for (QTimer *timer : highlighter.findChildren<QTimer *>())
        timer->stop(); // the bench drives the polls itself
    auto partial = pollCost(highlighter, false);
    auto whole = pollCost(highlighter, true);
    report("poll, halo and ring areas repainted", partial);
    report("poll, whole window repainted", whole);
    std::fflush(stdout);
    highlighter.setEnabled(false);

    QTemporaryDir dir;
    const qint64 off = droppedFrames(false, dir.path());
    const qint64 on = droppedFrames(true, dir.path());
    std::printf("10 s at 30 fps, full screen: dropped frames %lld with the highlighter off, %lld on\n",
                static_cast<long long>(off), static_cast<long long>(on));
    return 0;
}
