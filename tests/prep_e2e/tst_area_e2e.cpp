// Drawing a capture area through the presets popup and the area picker, with real
// pointer and key events. Runs once at scale 1 and once with QT_SCALE_FACTOR=2.
#include <QtTest>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

#include "../support/XdotoolDriver.h"
#include "preparation/AreaDropdown.h"
#include "preparation/AreaPicker.h"

class TestAreaE2E : public QObject
{
    Q_OBJECT

private:
    // Opens the popup and clicks its select-area entry; returns the picker.
    AreaPicker *openPicker(AreaDropdown &dropdown)
    {
        dropdown.move(40, 40);
        dropdown.show();
        if (!QTest::qWaitForWindowExposed(&dropdown))
            return nullptr;
        QPushButton *entry = dropdown.findChildren<QPushButton *>().at(1);
        const QPoint at = entry->mapToGlobal(entry->rect().center()) * scale();
        if (!click(at))
            return nullptr;
        AreaPicker *picker = nullptr;
        if (!QTest::qWaitFor([&] { return (picker = visibleTopLevel<AreaPicker>()) != nullptr; }, 3000))
            return nullptr;
        if (picker && !QTest::qWaitForWindowExposed(picker))
            return nullptr;
        QTest::qWait(100);
        return picker;
    }

    static qreal scale() { return QGuiApplication::primaryScreen()->devicePixelRatio(); }

private slots:
    void drawnAreaIsReported()
    {
        AreaDropdown dropdown(nullptr);
        QSignalSpy chosen(&dropdown, &AreaDropdown::areaSelected);
        QPointer<AreaPicker> picker = openPicker(dropdown);
        QVERIFY(picker);
        QVERIFY(!dropdown.isVisible());
        QCOMPARE(picker->geometry(), QGuiApplication::primaryScreen()->virtualGeometry());
        // The pointer's place shows before it moves.
        QCOMPARE(picker->positionText(), QStringLiteral("X:%1  Y:%2").arg(QCursor::pos().x()).arg(QCursor::pos().y()));

        // Device pixels on the X server; Qt reports device-independent ones.
        QVERIFY(pointerTo({200, 150}));
        QVERIFY(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
        QVERIFY(pointerTo({350, 250}));
        QVERIFY(pointerTo({500, 350}));
        screenshot(QStringLiteral("area-picker-drag"));
        QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
        QTRY_COMPARE(chosen.size(), 1);
        const QVariantList args = chosen.takeFirst();
        // The label gives the size of its recording: the device pixels dragged, even sides.
        const QRect dragged(200, 150, 301, 201);
        if (qFuzzyCompare(scale(), 2.0)) {
            QCOMPARE(args, (QVariantList{QStringLiteral("300 × 200"), 151, 101, QRect(100, 75, 151, 101), dragged}));
        } else {
            QCOMPARE(args, (QVariantList{QStringLiteral("300 × 200"), 301, 201, dragged, dragged}));
        }
        QTRY_VERIFY(!picker); // closed and deleted
    }

    void escapeAndTinyDragsCancel()
    {
        AreaDropdown dropdown(nullptr);
        QSignalSpy chosen(&dropdown, &AreaDropdown::areaSelected);

        QPointer<AreaPicker> picker = openPicker(dropdown);
        QVERIFY(picker);
        QSignalSpy canceled(picker.data(), &AreaPicker::canceled);
        QVERIFY(pointerTo({300, 300}));
        screenshot(QStringLiteral("area-picker-idle"));
        QVERIFY(key(QStringLiteral("Escape")));
        QTRY_COMPARE(canceled.size(), 1);
        QTRY_VERIFY(!picker);

        picker = openPicker(dropdown);
        QVERIFY(picker);
        QSignalSpy canceledAgain(picker.data(), &AreaPicker::canceled);
        // 4 device-independent pixels wide: both ends count.
        const int thin = qFuzzyCompare(scale(), 2.0) ? 6 : 3;
        screenshot(QStringLiteral("area-picker-second"));
        QVERIFY(drag({200, 150}, {200 + thin, 350}));
        screenshot(QStringLiteral("area-picker-after-thin"));
        QTRY_COMPARE(canceledAgain.size(), 1);
        QTRY_VERIFY(!picker);
        QTest::qWait(100);
        QCOMPARE(chosen.size(), 0);
    }
};

QTEST_MAIN(TestAreaE2E)
#include "tst_area_e2e.moc"
