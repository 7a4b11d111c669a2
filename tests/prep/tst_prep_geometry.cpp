// Geometry rules of the capture preparation: where the picker's information box
// and the preparation toolbar go, how the region overlay's grips react and resize,
// and the window picker's grid, dialog size and screen choice.
#include <QtTest>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QSignalSpy>

#include "overlays/SetupRecordingToolbar.h"
#include "preparation/AreaDropdown.h"
#include "preparation/AreaPicker.h"
#include "platform/mac/DisplayGeometry.h"
#include "preparation/CaptureTargetDialog.h"
#include "preparation/RecButtons.h"
#include "preparation/RegionOverlay.h"

using H = RegionOverlay::Handle;

namespace {

// Keeps a picture of a widget in $VISTRELLE_SHOTS when that is set, to look at.
void saveShot(QWidget &widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("VISTRELLE_SHOTS");
    if (!folder.isEmpty())
        widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace
Q_DECLARE_METATYPE(RegionOverlay::Handle)

class TestPrepGeometry : public QObject
{
    Q_OBJECT

private slots:
    void infoBoxPlacement_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QRect>("selection");
        QTest::addColumn<QPoint>("expected");
        const QRect none;
        QTest::newRow("beside the pointer") << QPoint(100, 100) << none << QPoint(116, 116);
        QTest::newRow("left of it at the right edge") << QPoint(1850, 100) << none << QPoint(1842 - 120, 116);
        QTest::newRow("above it at the bottom edge") << QPoint(100, 1060) << none << QPoint(116, 1060 - 40 - 8);
        // With a selection it follows the selection, centred under it.
        QTest::newRow("under the selection") << QPoint(5, 5) << QRect(100, 100, 301, 201)
                                             << QPoint(250 - 60, 310);
        QTest::newRow("above it without room below") << QPoint(5, 5) << QRect(100, 900, 301, 170)
                                                     << QPoint(250 - 60, 900 - 40 - 8);
        QTest::newRow("kept inside on the left") << QPoint(5, 5) << QRect(0, 100, 20, 20)
                                                 << QPoint(0, 129);
        QTest::newRow("kept inside on the right") << QPoint(5, 5) << QRect(1900, 100, 20, 20)
                                                  << QPoint(1800, 129);
    }
    void infoBoxPlacement()
    {
        QFETCH(QPoint, cursor);
        QFETCH(QRect, selection);
        QFETCH(QPoint, expected);
        QCOMPARE(AreaPicker::infoBoxPosition(QSize(1920, 1080), cursor, selection, QSize(120, 40)),
                 expected);
    }

    void pickerMapsIntoGlobalCoordinates()
    {
        // A picker window that does not start at the origin reports global coordinates.
        auto *picker = new AreaPicker;
        picker->setGeometry(300, 200, 800, 600);
        QSignalSpy selected(picker, &AreaPicker::regionSelected);
        QTest::mousePress(picker, Qt::LeftButton, {}, QPoint(50, 40));
        QTest::mouseMove(picker, QPoint(150, 100));
        QTest::mouseRelease(picker, Qt::LeftButton, {}, QPoint(150, 100));
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().first().toRect(), QRect(350, 240, 101, 61));
        delete picker;
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<H>("expected");
        // Region (100,100) to (499,399): centre (299,249).
        QTest::newRow("centre handle") << QPoint(299, 249) << H::Move;
        QTest::newRow("handle edge") << QPoint(265, 215) << H::Move;
        QTest::newRow("top-left grip grown") << QPoint(91, 91) << H::TopLeft;
        QTest::newRow("just outside the grip") << QPoint(90, 90) << H::None;
        QTest::newRow("top grip") << QPoint(299, 97) << H::Top;
        QTest::newRow("bottom-right grip") << QPoint(503, 403) << H::BottomRight;
        QTest::newRow("left band start") << QPoint(100, 300) << H::Left;
        QTest::newRow("left band end") << QPoint(107, 300) << H::Left;
        QTest::newRow("past the left band") << QPoint(108, 300) << H::None;
        QTest::newRow("right band") << QPoint(491, 300) << H::Right;
        QTest::newRow("right band ends inside") << QPoint(499, 300) << H::None;
        QTest::newRow("right band first pixel") << QPoint(490, 300) << H::None;
        QTest::newRow("top band") << QPoint(200, 107) << H::Top;
        QTest::newRow("bottom band") << QPoint(200, 391) << H::Bottom;
        QTest::newRow("bottom band ends inside") << QPoint(200, 399) << H::None;
        QTest::newRow("inside") << QPoint(200, 200) << H::None;
        QTest::newRow("outside") << QPoint(50, 300) << H::None;
    }
    void hitTest()
    {
        QFETCH(QPoint, point);
        QFETCH(H, expected);
        RegionOverlay overlay;
        overlay.setRegion(QRect(100, 100, 400, 300));
        QCOMPARE(overlay.hitTest(point), expected);
        // The handle wins over grips and bands of a small region.
        overlay.setRegion(QRect(100, 100, 40, 40));
        QCOMPARE(overlay.hitTest(QPoint(100, 100)), H::Move);
        overlay.hideOverlay();
    }

    void adjustedRect_data()
    {
        QTest::addColumn<H>("handle");
        QTest::addColumn<QRect>("start");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("expected");
        const QRect s(100, 100, 400, 300);
        QTest::newRow("grow bottom-right") << H::BottomRight << s << QPoint(101, 51) << QRect(100, 100, 500, 350);
        QTest::newRow("flip past the corner") << H::TopLeft << s << QPoint(500, 400) << QRect(500, 400, 100, 100);
        QTest::newRow("10 x 10 becomes 40 x 40") << H::BottomRight << s << QPoint(-390, -290) << QRect(100, 100, 40, 40);
        QTest::newRow("width 41 becomes 40") << H::Right << s << QPoint(-359, 0) << QRect(100, 100, 40, 300);
        QTest::newRow("odd size rounds down") << H::Bottom << s << QPoint(0, 5) << QRect(100, 100, 400, 304);
        QTest::newRow("move") << H::Move << s << QPoint(10, -20) << QRect(110, 80, 400, 300);
        QTest::newRow("move stops at the right") << H::Move << s << QPoint(5000, 0) << QRect(1519, 100, 400, 300);
        QTest::newRow("move stops at the top") << H::Move << s << QPoint(0, -5000) << QRect(100, 0, 400, 300);
        QTest::newRow("too wide is pinned left") << H::Move << QRect(300, 0, 2000, 300) << QPoint(10, 0)
                                                 << QRect(0, 0, 2000, 300);
    }
    void adjustedRect()
    {
        QFETCH(H, handle);
        QFETCH(QRect, start);
        QFETCH(QPoint, delta);
        QFETCH(QRect, expected);
        QCOMPARE(RegionOverlay::adjustedRect(handle, start, delta, QRect(0, 0, 1920, 1080)), expected);
    }

    void toolbarPlacement_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("area mode, room below") << 1 << QRect(400, 200, 800, 400) << QPoint(299, 607);
        QTest::newRow("area mode, no room below") << 1 << QRect(400, 600, 800, 400) << QPoint(299, 897);
        QTest::newRow("full screen, inside the area") << 0 << QRect(0, 0, 1920, 1080) << QPoint(459, 977);
        QTest::newRow("left and top margins") << 0 << QRect(0, 0, 100, 50) << QPoint(6, 6);
        QTest::newRow("right margin") << 0 << QRect(1800, 0, 120, 600) << QPoint(1920 - 1000 - 7, 497);
    }
    void toolbarPlacement()
    {
        QFETCH(int, mode);
        QFETCH(QRect, area);
        QFETCH(QPoint, expected);
        QCOMPARE(SetupRecordingToolbar::placement(area, QSize(1000, 90), QRect(0, 0, 1920, 1080), HomeMode(mode)),
                 expected);
    }

    void toolbarFitsANarrowDisplay()
    {
        // A portrait display at scale 2 gives 540 points: the compact items alone are wider,
        // so the last ones take a second row and every item stays on the display.
        SetupRecordingToolbar toolbar(nullptr);
        toolbar.setMode(HomeMode::Area, QStringLiteral("800 × 400"));
        toolbar.fitToWidth(540 - 12);
        QVERIFY(toolbar.isCompact());
        QVERIFY2(toolbar.width() <= 528, qPrintable(QString::number(toolbar.width())));
        toolbar.fitToWidth(0);
        QVERIFY(toolbar.width() > 528);
    }

    void toolbarModesAreClamped()
    {
        SetupRecordingToolbar toolbar(nullptr);
        QToolButton *modeItem = nullptr;
        QToolButton *webcam = nullptr;
        for (QToolButton *item : toolbar.findChildren<QToolButton *>()) {
            if (item->property("title") == QStringLiteral("Full Screen"))
                modeItem = item;
            if (item->property("title") == QStringLiteral("Webcam"))
                webcam = item;
        }
        QVERIFY(modeItem && webcam);
        toolbar.setMode(HomeMode(7), QStringLiteral("cam"));
        QCOMPARE(toolbar.mode(), HomeMode::Webcam);
        QCOMPARE(modeItem->text(), QStringLiteral("Webcam\ncam"));
        QVERIFY(!webcam->isHidden());
        toolbar.setMode(HomeMode::AudioOnly, QStringLiteral("mic"));
        QVERIFY(webcam->isHidden());
        toolbar.setMode(HomeMode(-1), QStringLiteral("Display 2"));
        QCOMPARE(toolbar.mode(), HomeMode::FullScreen);
        QCOMPARE(modeItem->text(), QStringLiteral("Full Screen\nDisplay 2"));
        QVERIFY(!webcam->isHidden());
        QCOMPARE(modeItem->property("title").toString(), QStringLiteral("Full Screen"));
    }

    void pickerGrid_data()
    {
        QTest::addColumn<int>("viewport");
        QTest::addColumn<QSize>("grid");
        QTest::addColumn<QSize>("icon");
        QTest::newRow("one column") << 675 << QSize(500, 359) << QSize(456, 255);
        QTest::newRow("two columns") << 676 << QSize(330, 264) << QSize(286, 160);
        QTest::newRow("three columns") << 1336 << QSize(440, 326) << QSize(396, 222);
        QTest::newRow("tiny") << 0 << QSize(1, 80) << QSize(-43, -24);
    }
    void pickerGrid()
    {
        QFETCH(int, viewport);
        QFETCH(QSize, grid);
        QFETCH(QSize, icon);
        const auto metrics = CaptureTargetDialog::gridMetricsFor(viewport);
        QCOMPARE(metrics.gridSize, grid);
        QCOMPARE(metrics.iconSize, icon);
    }

    void pickerDialogSize_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("laptop") << QSize(1440, 875) << QSize(1238, 735);
        QTest::newRow("small") << QSize(1100, 700) << QSize(980, 660);
        QTest::newRow("large") << QSize(2560, 1415) << QSize(1480, 900);
        QTest::newRow("tiny screen") << QSize(800, 600) << QSize(768, 568);
    }
    void pickerDialogSize()
    {
        QFETCH(QSize, available);
        QFETCH(QSize, expected);
        QCOMPARE(CaptureTargetDialog::dialogSizeFor(available), expected);
    }

    void pickerScreenIndex_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<int>("expected");
        QTest::newRow("first screen") << QRect(100, 80, 640, 360) << 0;
        // Both at ratio 2, the second's corner at device pixel 3840, where Qt keeps its
        // logical corner too: 3840..7679 in pixels.
        QTest::newRow("second screen in pixels") << QRect(4000, 100, 640, 360) << 1;
        QTest::newRow("logical spot of the first's right half is still the first")
            << QRect(1920 + 100, 100, 200, 200) << 0;
        QTest::newRow("nowhere") << QRect(-5000, -5000, 100, 100) << 0;
    }
    void pickerScreenIndex()
    {
        QFETCH(QRect, frame);
        QFETCH(int, expected);
        const QList<DisplayGeometry::Display> screens = {DisplayGeometry::described(QRect(0, 0, 1920, 1080), 2.0),
                                                         DisplayGeometry::described(QRect(3840, 0, 1920, 1080), 2.0)};
        QCOMPARE(CaptureTargetDialog::screenIndexFor(frame, screens), expected);
        const QList<DisplayGeometry::Display> plain = {DisplayGeometry::described(QRect(0, 0, 1920, 1080), 1.0),
                                                       DisplayGeometry::described(QRect(1920, 0, 1920, 1080), 1.0)};
        QCOMPARE(CaptureTargetDialog::screenIndexFor(QRect(2000, 10, 100, 100), plain), 1);
    }

    void recButtonHaloFadesOut()
    {
        AnimatedRecButton button;
        button.setFixedSize(132, 132);
        button.setText(QStringLiteral("REC"));
        QEnterEvent enter(QPointF(66, 66), QPointF(66, 66), QPointF(66, 66));
        QApplication::sendEvent(&button, &enter);
        QTRY_VERIFY(button.haloValue() > 0.8);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
        QTRY_COMPARE_WITH_TIMEOUT(button.haloValue(), 0.0, 400);
        saveShot(button, QStringLiteral("rec-button"));
    }

    void deviceButtonFlipsOnLeftClickOnly()
    {
        DeviceButton tile(QStringLiteral(":/icons/icons/mic.svg"), QStringLiteral("Mic"), false);
        tile.resize(90, 100);
        QSignalSpy changed(&tile, &DeviceButton::activeChanged);
        QLabel *dot = nullptr;
        for (QLabel *label : tile.findChildren<QLabel *>()) {
            if (label->geometry() == QRect(38, -2, 12, 12))
                dot = label;
        }
        QVERIFY(dot);
        QCOMPARE(dot->text(), QStringLiteral("✕"));
        saveShot(tile, QStringLiteral("device-tile-off"));
        QTest::mouseClick(&tile, Qt::RightButton);
        QCOMPARE(changed.size(), 0);
        QTest::mouseClick(&tile, Qt::LeftButton);
        QCOMPARE(changed.size(), 1);
        QVERIFY(changed.first().first().toBool());
        QVERIFY(tile.isActive());
        QCOMPARE(dot->text(), QString());
        saveShot(tile, QStringLiteral("device-tile"));
    }

    void presetLabels()
    {
        AreaDropdown dropdown(nullptr);
        QStringList labels;
        for (QPushButton *button : dropdown.findChildren<QPushButton *>())
            labels << button->text();
        const QStringList expected = {
            QStringLiteral("🖥  全屏"), QStringLiteral("⬚  选择区域 / 窗口"),
            QStringLiteral("3840 × 2160  (4K)"), QStringLiteral("2560 × 1440  (2K)"),
            QStringLiteral("1920 × 1080  (1080p)"), QStringLiteral("1280 × 720   (720p)"),
            QStringLiteral("854 × 480    (480p)"), QStringLiteral("1024 × 768"),
            QStringLiteral("640 × 480"), QStringLiteral("确定")};
        QCOMPARE(labels, expected);

        QSignalSpy chosen(&dropdown, &AreaDropdown::areaSelected);
        dropdown.findChildren<QPushButton *>().at(0)->click();
        dropdown.findChildren<QPushButton *>().at(2)->click();
        QCOMPARE(chosen.size(), 2);
        QCOMPARE(chosen.at(0), (QVariantList{QStringLiteral("全屏"), 0, 0, QRect(), QRect()}));
        QCOMPARE(chosen.at(1), (QVariantList{QStringLiteral("3840 × 2160  (4K)"), 3840, 2160, QRect(), QRect()}));
        QVERIFY(dropdown.findChildren<QPushButton *>().at(2)->property("selected").toBool());
        QVERIFY(!dropdown.findChildren<QPushButton *>().at(4)->property("selected").toBool());
    }
};

QTEST_MAIN(TestPrepGeometry)
#include "tst_prep_geometry.moc"
