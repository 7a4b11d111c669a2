// Where the displays' pixels are: the one conversion between Qt's logical points and the
// X server's device pixels, checked with described layouts (no screens needed).
#include <QtTest>

#include "platform/mac/DisplayGeometry.h"

using D = DisplayGeometry;
using Displays = QList<D::Display>;
Q_DECLARE_METATYPE(Displays)

namespace {

// Qt keeps each display's corner and divides its size by the ratio: at 1.5 two 1920 x 1080
// displays side by side are 1280 x 720 at 0,0 and 1920,0, with a gap between.
Displays sideBySide(qreal ratio)
{
    const QSize size(int(1920 / ratio), int(1080 / ratio));
    return {{QRect(QPoint(0, 0), size), ratio, QRect(0, 0, 1920, 1080)},
            {QRect(QPoint(1920, 0), size), ratio, QRect(1920, 0, 1920, 1080)}};
}

Displays stacked(qreal ratio)
{
    const QSize size(int(1920 / ratio), int(1080 / ratio));
    return {{QRect(QPoint(0, 0), size), ratio, QRect(0, 0, 1920, 1080)},
            {QRect(QPoint(0, 1080), size), ratio, QRect(0, 1080, 1920, 1080)}};
}

// A landscape primary and a portrait display on its right.
Displays withPortrait(qreal ratio)
{
    return {{QRect(0, 0, int(1920 / ratio), int(1080 / ratio)), ratio, QRect(0, 0, 1920, 1080)},
            {QRect(1920, 0, int(1080 / ratio), int(1920 / ratio)), ratio, QRect(1920, 0, 1080, 1920)}};
}

} // namespace

class TestDisplayGeometry : public QObject
{
    Q_OBJECT

private slots:
    void displayAt_data()
    {
        QTest::addColumn<Displays>("displays");
        QTest::addColumn<QPointF>("logical");
        QTest::addColumn<int>("byLogical");
        QTest::addColumn<QPoint>("device");
        QTest::addColumn<int>("byDevice");
        QTest::newRow("in the second") << sideBySide(1.5) << QPointF(2000, 100) << 1 << QPoint(1920, 10) << 1;
        QTest::newRow("in the gap, nearer the first") << sideBySide(1.5) << QPointF(1500, 100) << 0
                                                      << QPoint(4000, 100) << 1;
        QTest::newRow("last logical column") << sideBySide(1.5) << QPointF(1279.5, 0) << 0 << QPoint(1919, 0) << 0;
        QTest::newRow("below the stack") << stacked(2) << QPointF(100, 3000) << 1 << QPoint(5, 2159) << 1;
        QTest::newRow("beside the portrait") << withPortrait(2) << QPointF(1600, 900) << 1 << QPoint(1000, 1500) << 0;
        QTest::newRow("no displays") << Displays() << QPointF(5, 5) << -1 << QPoint(5, 5) << -1;
    }

    void displayAt()
    {
        QFETCH(Displays, displays);
        QFETCH(QPointF, logical);
        QFETCH(QPoint, device);
        QTEST(D::displayAtLogical(displays, logical), "byLogical");
        QTEST(D::displayAtDevice(displays, device), "byDevice");
    }

    void rectangles_data()
    {
        QTest::addColumn<Displays>("displays");
        QTest::addColumn<QRect>("logical");
        QTest::addColumn<QRect>("device");
        QTest::addColumn<int>("showing");
        // Across the gap: each corner through its own display; the middle in device pixels.
        QTest::newRow("across the gap") << sideBySide(1.5) << QRect(QPoint(666, 200), QPoint(2505, 533))
                                        << QRect(999, 300, 1800, 501) << 0;
        QTest::newRow("mostly on the second") << sideBySide(1.5) << QRect(QPoint(800, 200), QPoint(3039, 533))
                                              << QRect(1200, 300, 2400, 501) << 1;
        QTest::newRow("inside the primary") << sideBySide(1.5) << QRect(QPoint(200, 167), QPoint(599, 466))
                                            << QRect(300, 251, 600, 450) << 0;
        QTest::newRow("across the stack") << stacked(2) << QRect(QPoint(100, 400), QPoint(599, 1379))
                                          << QRect(200, 800, 1000, 880) << 1;
        QTest::newRow("on the portrait") << withPortrait(2) << QRect(1950, 100, 400, 300)
                                         << QRect(1980, 200, 800, 600) << 1;
        QTest::newRow("empty") << sideBySide(1.5) << QRect() << QRect() << -1;
    }

    void rectangles()
    {
        QFETCH(Displays, displays);
        QFETCH(QRect, logical);
        QFETCH(QRect, device);
        QCOMPARE(D::toDevice(displays, logical), device);
        QCOMPARE(D::toLogical(displays, device), logical);
        QTEST(D::displayShowing(displays, logical), "showing");
    }

    void pointsThroughTheirDisplay()
    {
        const Displays displays = sideBySide(1.5);
        QCOMPARE(D::toDevice(displays, QPointF(400, 200)), QPoint(600, 300));
        QCOMPARE(D::toDevice(displays, QPointF(2000, 100)), QPoint(2040, 150));
        QCOMPARE(D::toLogical(displays, QPoint(1000, 300)), QPoint(667, 200));
        QCOMPARE(D::toLogical(displays, QPoint(2040, 150)), QPoint(2000, 100));
    }

    void sizesHaveNoPlace()
    {
        // A size or a distance is the same on every display of a ratio, wherever it lies; a
        // half rounds away from zero either way, and a display without a ratio keeps it.
        const D::Display right = sideBySide(1.5).at(1);
        QCOMPARE(right.logicalSize(QSize(1001, -3)), QSize(667, -2));
        QCOMPARE(right.deviceSize(QSize(401, -5)), QSize(602, -8));
        QCOMPARE(D::described(QRect(0, 0, 10, 10), 0).logicalSize(QSize(7, 9)), QSize(7, 9));
    }

    void pointsRoundTrip()
    {
        // Every logical point of each layout comes back from its device pixel.
        for (const Displays &displays : {sideBySide(1.5), stacked(2), withPortrait(2), withPortrait(1.25)}) {
            for (const D::Display &display : displays) {
                for (int x = display.geometry.left(); x <= display.geometry.right(); x += 7) {
                    const QPoint p(x, display.geometry.top() + x % display.geometry.height());
                    QCOMPARE(D::toLogical(displays, D::toDevice(displays, QPointF(p))), p);
                }
            }
        }
        QCOMPARE(D::toDevice(Displays(), QPointF(2.6, 3.4)), QPoint(3, 3));
    }

    void keptThroughLogical_data()
    {
        QTest::addColumn<Displays>("displays");
        QTest::addColumn<QRect>("device");
        QTest::addColumn<QRect>("kept");
        // Sizes whose logical size is no whole number keep their size and move a little.
        QTest::newRow("602 x 402 on the first") << sideBySide(1.5) << QRect(301, 250, 602, 402)
                                                << QRect(300, 249, 602, 402);
        QTest::newRow("800 x 400 on the second") << sideBySide(1.5) << QRect(2100, 301, 800, 400)
                                                 << QRect(2100, 302, 800, 400);
        QTest::newRow("across the gap") << sideBySide(1.5) << QRect(1000, 300, 1800, 500)
                                        << QRect(999, 300, 1800, 500);
        QTest::newRow("at the left edge") << sideBySide(1.5) << QRect(0, 0, 1918, 1080) << QRect(2, 0, 1918, 1080);
        QTest::newRow("across the stack at 2") << stacked(2) << QRect(301, 1001, 600, 400)
                                               << QRect(300, 1000, 600, 400);
        QTest::newRow("on the portrait at 1.25") << withPortrait(1.25) << QRect(1921, 7, 602, 402)
                                                 << QRect(1921, 6, 602, 402);
        QTest::newRow("already kept") << sideBySide(1.5) << QRect(300, 249, 600, 450) << QRect(300, 249, 600, 450);
        QTest::newRow("no displays") << Displays() << QRect(1, 1, 5, 5) << QRect(1, 1, 5, 5);
    }

    void keptThroughLogical()
    {
        QFETCH(Displays, displays);
        QFETCH(QRect, device);
        QFETCH(QRect, kept);
        QCOMPARE(D::keptThroughLogical(displays, device), kept);
        QCOMPARE(D::toDevice(displays, D::toLogical(displays, kept)), kept);
    }

    void desktop()
    {
        QCOMPARE(D::deviceDesktop(withPortrait(2)), QRect(0, 0, 3000, 1920));
        QCOMPARE(D::deviceDesktop(stacked(1.5)), QRect(0, 0, 1920, 2160));
        QCOMPARE(D::deviceDesktop(Displays()), QRect(0, 0, 1, 1));
    }

    void windowPixels()
    {
        // A window at device 1904,96 at 1.5 over both displays side by side.
        const D::Window window(QPoint(1904, 96), 1.5);
        QCOMPARE(window.toDevice(QPointF(10, 10)), QPoint(1919, 111));
        QCOMPARE(window.toDevice(QPointF(11, 0)), QPoint(1921, 96)); // 16.5 rounds away from zero
        QCOMPARE(window.toLocal(QPoint(1919, 111)), QPointF(10, 10));
        QCOMPARE(window.toLocal(QRect(1904, 96, 3, 6)), QRectF(0, 0, 2, 4));
        // A device rectangle's pixels in the window, and back.
        const QRect device(1964, 156, 602, 402);
        QCOMPARE(window.toLocalPixels(device), QRect(QPoint(40, 40), QPoint(440, 307)));
        QCOMPARE(window.toDevice(window.toLocalPixels(QRect(1964, 156, 600, 402))), QRect(1964, 156, 600, 402));
        QCOMPARE(D::Window(QPoint(5, 5), 0).ratio(), 1.0);
    }
};

QTEST_GUILESS_MAIN(TestDisplayGeometry)
#include "tst_display_geometry.moc"
