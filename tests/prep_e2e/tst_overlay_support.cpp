// Window services shared by overlays and frameless dialogs, on the test desktop:
// the compositor check, click-through input shapes and window moves.
#include <QtTest>
#include <QMouseEvent>
#include <QWidget>

#include "../support/XdotoolDriver.h"
#include "platform/mac/OverlayWindowSupport.h"

namespace {

class PressCounter : public QWidget
{
public:
    int presses = 0;
    QPoint lastPress;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        ++presses;
        lastPress = event->position().toPoint();
    }
};

class MovableFrameless : public QWidget
{
public:
    MovableFrameless() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool) {}
    bool moveStarted = false;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            moveStarted = startWindowMove(this, event->globalPosition().toPoint());
    }
};

} // namespace

class TestOverlaySupport : public QObject
{
    Q_OBJECT

private slots:
    void compositorIsSeen()
    {
        // scripts/test-env.sh runs xcompmgr.
        QVERIFY(hasCompositingManager());
    }

    // An overlay window whose input shape leaves out part of it lets clicks there reach
    // the window below, with or without a window manager; the shape survives hide and show.
    void inputRegionPassesClicksBelow()
    {
        PressCounter below;
        below.setWindowFlags(Qt::FramelessWindowHint);
        below.setGeometry(100, 100, 400, 300);
        below.show();
        QVERIFY(QTest::qWaitForWindowExposed(&below));

        PressCounter above;
        above.setWindowFlags(passiveOverlayFlags);
        above.setGeometry(50, 50, 600, 500);
        above.show();
        QVERIFY(QTest::qWaitForWindowExposed(&above));
        above.raise();
        QTest::qWait(100);

        QVERIFY(click({200, 200}));
        QTRY_COMPARE(above.presses, 1);
        QCOMPARE(below.presses, 0);

        // Only a 50x50 corner keeps input; everything else passes through.
        QVERIFY(setWindowInputRegion(&above, QRegion(0, 0, 50, 50)));
        above.hide();
        above.show();
        QVERIFY(QTest::qWaitForWindowExposed(&above));
        QVERIFY(click({200, 200}));
        QTRY_COMPARE(below.presses, 1);
        QCOMPARE(below.lastPress, QPoint(100, 100));
        QVERIFY(click({60, 60}));
        QTRY_COMPARE(above.presses, 2);

        // An empty region passes every click.
        QVERIFY(setWindowInputRegion(&above, QRegion()));
        QVERIFY(click({60, 60}) && click({300, 300}));
        QTRY_COMPARE(below.presses, 2);
        QCOMPARE(above.presses, 2);
    }

    // The window moves with the pointer by exactly its delta, through the window manager
    // or, without one, by following the pointer itself, and the move ends with the release.
    void frameslessWindowFollowsPointer()
    {
        MovableFrameless window;
        window.setGeometry(300, 300, 200, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = window.pos();
        QVERIFY(drag({350, 340}, {350 + 137, 340 + 61}));
        QVERIFY(window.moveStarted);
        QTRY_COMPARE(window.pos(), start + QPoint(137, 61));
        // After the release, pointer moves no longer move it.
        QVERIFY(pointerTo({900, 900}));
        QTest::qWait(100);
        QCOMPARE(window.pos(), start + QPoint(137, 61));
    }
};

QTEST_MAIN(TestOverlaySupport)
#include "tst_overlay_support.moc"
