// Cost of the annotation image the recorder asks for with every frame: 1920x1080,
// 50 pen strokes of 20 points each. Prints the time per call when nothing changed
// (the kept image), after a new stroke, after an undo, and when another capture
// rectangle makes everything be drawn again.
//   bench_annotations            (offscreen is fine: QT_QPA_PLATFORM=offscreen)
#include "overlays/AnnotationOverlay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void report(const char *what, std::vector<double> &ms)
{
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    std::printf("%-34s mean %.3f ms  median %.3f ms  p95 %.3f ms  (%zu calls)\n", what, sum / ms.size(),
                ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.size());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    AnnotationOverlay layer;
    const QRect area(0, 0, 1920, 1080);
    layer.setCaptureRect(area);
    layer.setAnnotationEnabled(true);
    layer.currentWidth = 6;
    for (int s = 0; s < 50; ++s) {
        const QPoint start(40 + (s % 10) * 180, 60 + (s / 10) * 200);
        QTest::mousePress(&layer, Qt::LeftButton, {}, start);
        for (int i = 1; i < 20; ++i)
            QTest::mouseMove(&layer, start + QPoint(i * 8, (i % 4) * 10));
        QTest::mouseRelease(&layer, Qt::LeftButton, {}, start + QPoint(152, 30));
    }
    std::printf("%lld strokes on a %dx%d layer\n", static_cast<long long>(layer.strokes().size()), area.width(),
                area.height());

    const QSize frame(1920, 1080);
    std::vector<double> unchanged, changed;
    QElapsedTimer timer;
    layer.renderForNativeRect(area, frame);
    for (int i = 0; i < 2000; ++i) {
        timer.start();
        const QImage image = layer.renderForNativeRect(area, frame);
        unchanged.push_back(timer.nsecsElapsed() / 1e6);
        if (image.isNull())
            return 1;
    }
    for (int i = 0; i < 200; ++i) {
        // Alternating rectangles: every call misses the kept image and draws again.
        const QRect native = (i % 2) ? area : area.adjusted(0, 0, -2, -2);
        timer.start();
        const QImage image = layer.renderForNativeRect(native, frame);
        changed.push_back(timer.nsecsElapsed() / 1e6);
        if (image.isNull())
            return 1;
    }
    std::vector<double> appended;
    for (int i = 0; i < 50; ++i) {
        // A new stroke: drawn onto the kept image.
        const QPoint start(60 + i * 30, 1000);
        QTest::mousePress(&layer, Qt::LeftButton, {}, start);
        QTest::mouseMove(&layer, start + QPoint(10, 20));
        QTest::mouseRelease(&layer, Qt::LeftButton, {}, start + QPoint(20, 30));
        timer.start();
        const QImage image = layer.renderForNativeRect(area, frame);
        appended.push_back(timer.nsecsElapsed() / 1e6);
        if (image.isNull())
            return 1;
    }
    std::vector<double> undone;
    for (int i = 0; i < 50; ++i) {
        // An undo: the remaining items' pictures are composed again.
        layer.undoLast();
        timer.start();
        const QImage image = layer.renderForNativeRect(area, frame);
        undone.push_back(timer.nsecsElapsed() / 1e6);
        if (image.isNull())
            return 1;
    }
    report("unchanged (kept image)", unchanged);
    report("after a new stroke (drawn onto it)", appended);
    report("after an undo (pictures recomposed)", undone);
    report("other rectangle (everything drawn)", changed);
    return 0;
}
