// Overlays on an X server of the test's own without a compositing manager, where
// translucent windows would show black: the desktop must stay visible around and
// under them, on the screen and so in every screen grab.
#include <QtTest>
#include <QScreen>

#include "../support/TestWindowProcess.h"
#include "overlays/SetupRecordingToolbar.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "preparation/AreaPicker.h"
#include "preparation/RegionOverlay.h"

#include <cstdio>

namespace {

const QColor Green(0x20, 0xb0, 0x40);

QImage grabDesktop()
{
    QTest::qWait(250);
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

bool near(const QColor &a, const QColor &b, int tolerance = 6)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestNoCompositor : public QObject
{
    Q_OBJECT

private:
    TestWindowProcess m_below;

private slots:
    void initTestCase()
    {
        QVERIFY(!hasCompositingManager());
        QVERIFY(m_below.open(QStringLiteral("VT Below"), Green.name(), QRect(20, 100, 1240, 600)));
    }

    void recordingFrameLeavesTheDesktopAlone()
    {
        RegionOverlay overlay;
        overlay.setRecordingMode(true);
        overlay.setRegion(QRect(200, 200, 400, 300));
        QVERIFY(QTest::qWaitForWindowExposed(&overlay));
        const QImage shot = grabDesktop();
        for (const QPoint &p : {QPoint(400, 350), QPoint(201, 201), QPoint(150, 150), QPoint(700, 550),
                                QPoint(190, 350)})
            QVERIFY2(near(shot.pixelColor(p), Green), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        // The frame itself is there, just outside the region.
        QVERIFY(!near(shot.pixelColor(197, 350), Green));
        overlay.hideOverlay();
    }

    void adjustableFrameShowsOnlyWhatItPaints()
    {
        RegionOverlay overlay;
        overlay.setPreparationPreview(true, false);
        overlay.setRegion(QRect(200, 200, 400, 300));
        QVERIFY(QTest::qWaitForWindowExposed(&overlay));
        const QImage shot = grabDesktop();
        for (const QPoint &p : {QPoint(250, 400), QPoint(160, 160), QPoint(650, 530)})
            QVERIFY2(near(shot.pixelColor(p), Green), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        QVERIFY(!near(shot.pixelColor(overlay.currentRegion().center()), Green)); // the handle
        overlay.hideOverlay();
    }

    void areaPickerDimsWithoutBlackening()
    {
        auto *picker = new AreaPicker;
        picker->show();
        QVERIFY(QTest::qWaitForWindowExposed(picker));
        const QImage shot = grabDesktop();
        // Away from the cross lines through the pointer and the place box beside it.
        const QPoint pointer = QCursor::pos();
        const QColor dimmed = shot.pixelColor(pointer.x() + (pointer.x() > 400 ? -250 : 250),
                                              pointer.y() + (pointer.y() > 300 ? -150 : 150));
        // Black at alpha 80 over the picture taken before the picker showed.
        const QColor expected(Green.red() * 175 / 255, Green.green() * 175 / 255, Green.blue() * 175 / 255);
        QVERIFY2(near(dimmed, expected, 8), qPrintable(dimmed.name()));
        picker->close();
    }

    void toolbarCornersShowTheDesktop()
    {
        SetupRecordingToolbar toolbar(nullptr);
        toolbar.placeForRect(QRect(20, 100, 1240, 600));
        toolbar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&toolbar));
        const QImage shot = grabDesktop();
        const QRect frame = toolbar.geometry();
        QVERIFY(frame.left() >= 20 && frame.right() < 1260 && frame.bottom() < 700);
        QVERIFY(near(shot.pixelColor(frame.topLeft() + QPoint(2, 2)), Green));
        QVERIFY(near(shot.pixelColor(frame.bottomRight() - QPoint(2, 2)), Green));
        QCOMPARE(shot.pixelColor(frame.left() + 30, frame.bottom() - 16), QColor(QStringLiteral("#09182b")));
    }

    void cleanupTestCase() { m_below.close(); }
};

int main(int argc, char **argv)
{
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"),
               {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                QStringLiteral("tcp")});
    QByteArray display;
    if (xvfb.waitForStarted(5000)) {
        QElapsedTimer timer;
        timer.start();
        while (!display.contains('\n') && timer.elapsed() < 10000) {
            xvfb.waitForReadyRead(100);
            display += xvfb.readAllStandardOutput();
        }
    }
    if (!display.contains('\n')) {
        std::fprintf(stderr, "could not start Xvfb\n");
        return 1;
    }
    qputenv("DISPLAY", ":" + display.trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 0;
    {
        QApplication app(argc, argv);
        TestNoCompositor test;
        result = QTest::qExec(&test, argc, argv);
    }
    xvfb.terminate();
    if (!xvfb.waitForFinished(3000))
        xvfb.kill();
    xvfb.waitForFinished(1000);
    return result;
}

#include "tst_no_compositor_e2e.moc"
