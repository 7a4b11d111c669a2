// The multi-track timeline, driven with mouse, wheel and keys as a user would.

#include "library/TimelineWidget.h"

#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

class TestTimeline : public QObject
{
    Q_OBJECT
private slots:
    void trimMoveAndSelect();
    void cutsScrollAndZoom();

private:
    static void drag(TimelineWidget &w, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(&w, button, {}, from);
        QTest::mouseMove(&w, to);
        QTest::mouseRelease(&w, button, {}, to);
    }
    static void wheel(TimelineWidget &w, int delta, Qt::KeyboardModifiers modifiers = {})
    {
        QWheelEvent event(QPointF(400, 60), QPointF(400, 60), {}, QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&w, &event);
    }
};

void TestTimeline::trimMoveAndSelect()
{
    TimelineWidget w;
    w.resize(800, 130);
    w.setDuration(60); // 728 px for 60 s
    w.addClip({0, 10, 20, QStringLiteral("a"), Qt::blue, {}});
    w.addClip({0, 15, 25, QStringLiteral("b"), Qt::green, {}}); // overlaps a, drawn and hit first
    w.addClip({1, 30, 30.3, QStringLiteral("narrow"), Qt::red, {}});
    QSignalSpy trimmed(&w, &TimelineWidget::clipTrimmed);
    QSignalSpy moved(&w, &TimelineWidget::clipMoved);
    QSignalSpy selection(&w, &TimelineWidget::selectionChanged);

    // Where the two overlap, the one added last is taken.
    const int y0 = w.clipRect(w.clips()[0]).center().y();
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(w.secToX(17), y0));
    QCOMPARE(selection.last().at(0).toInt(), 1);

    // Near its left edge a drag trims the start, never closer than 0.1 s to the end.
    const QRect a = w.clipRect(w.clips()[0]);
    drag(w, QPoint(a.left() + 3, y0), QPoint(w.secToX(40), y0));
    QCOMPARE(trimmed.last().at(0).toInt(), 0);
    QVERIFY(qAbs(w.clips()[0].start - 19.9) < 1e-9);
    // Near the right edge it trims the end, at most to the timeline's end.
    const QRect b = w.clipRect(w.clips()[1]);
    drag(w, QPoint(b.right() - 2, y0), QPoint(900, y0)); // past the right edge
    QCOMPARE(w.clips()[1].end, 60.0);
    // Inside, it moves, and stops at the timeline's end keeping the length.
    const double length = w.clips()[1].end - w.clips()[1].start;
    drag(w, QPoint(w.clipRect(w.clips()[1]).center().x(), y0), QPoint(950, y0));
    QCOMPARE(moved.count(), 1);
    QVERIFY(qAbs(w.clips()[1].end - 60.0) < 1e-9);
    QVERIFY(qAbs(w.clips()[1].end - w.clips()[1].start - length) < 1e-9);
    drag(w, QPoint(w.clipRect(w.clips()[1]).center().x(), y0), QPoint(73, y0));
    QCOMPARE(w.clips()[1].start, 0.0);

    // A clip narrow enough for both grips trims its start.
    const QRect n = w.clipRect(w.clips()[2]);
    drag(w, QPoint(n.center().x(), n.center().y()), QPoint(w.secToX(28), n.center().y()));
    QVERIFY(w.clips()[2].start < 29);
    QCOMPARE(w.clips()[2].end, 30.3);

    // Delete removes the selected clip; a press on empty track space clears the selection.
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(w.clips().size(), 2);
    QCOMPARE(w.selectedClip(), -1);
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(w.secToX(50), w.trackRect(3).center().y()));
    QCOMPARE(selection.last().at(0).toInt(), -1);
    QVERIFY(qAbs(w.playhead() - 50) < 0.1);
    w.clearAll();
    QTest::keyClick(&w, Qt::Key_Delete); // stale selection: nothing to remove, no crash
    QVERIFY(w.clips().isEmpty());
}

void TestTimeline::cutsScrollAndZoom()
{
    TimelineWidget w;
    w.resize(800, 130);
    w.setDuration(60);
    QSignalSpy cuts(&w, &TimelineWidget::cutAdded);
    QSignalSpy seeks(&w, &TimelineWidget::seekRequested);

    // Dragging on the ruler seeks, clamped to the timeline.
    drag(w, QPoint(w.secToX(5), 5), QPoint(10, 5));
    QCOMPARE(seeks.last().at(0).toDouble(), 0.0);
    // A right click cuts (clamped); S cuts at the playhead as set, even outside the timeline.
    QTest::mouseClick(&w, Qt::RightButton, {}, QPoint(w.secToX(12), 60));
    QVERIFY(qAbs(cuts.last().at(0).toDouble() - 12) < 0.1);
    w.setPlayhead(75);
    QTest::keyClick(&w, Qt::Key_S);
    QCOMPARE(cuts.last().at(0).toDouble(), 75.0);

    // The whole timeline fits: scrolling stays at 0.
    wheel(w, -1200);
    QCOMPARE(w.scrollOffset(), 0.0);
    // Zoom stops at 600 px/s; then scrolling stops where the end reaches the right edge.
    for (int i = 0; i < 60; ++i)
        wheel(w, 120, Qt::ControlModifier);
    QCOMPARE(w.pixelsPerSecond(), 600.0);
    for (int i = 0; i < 200; ++i)
        wheel(w, -120000);
    QVERIFY(qAbs(w.scrollOffset() - (60 - 728 / 600.0)) < 1e-9);
    for (int i = 0; i < 200; ++i)
        wheel(w, 120000);
    QCOMPARE(w.scrollOffset(), 0.0);
    for (int i = 0; i < 80; ++i)
        wheel(w, -120, Qt::ControlModifier);
    QCOMPARE(w.pixelsPerSecond(), 4.0);

    // No wider than the track headers: the scale stays positive and times keep their order.
    for (int width : {40, 72}) {
        TimelineWidget narrow;
        narrow.resize(width, 130);
        narrow.setDuration(60);
        QVERIFY(narrow.pixelsPerSecond() > 0);
        QVERIFY(narrow.secToX(30) > narrow.secToX(0));
        QVERIFY(qAbs(narrow.xToSec(narrow.secToX(30)) - 30) < 0.5);
    }
}

QTEST_MAIN(TestTimeline)
#include "tst_timeline.moc"
