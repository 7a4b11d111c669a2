// The region overlay over another program's window: what passes through to that
// window in each mode, what a recording of the region shows, and the grips and
// handle driven by real pointer events.
#include <QtTest>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "../support/TestWindowProcess.h"
#include "../support/XdotoolDriver.h"
#include "preparation/RegionOverlay.h"
#include "recording/MediaProbe.h"
#include "recording/Recorder.h"

namespace {

const QRect TargetGeometry(300, 200, 800, 500);
const QRect Region(400, 300, 400, 300);

// Raw RGB frames of a video file.
QByteArray decodeFrames(const QString &path, const QSize &size, int *frames)
{
    QProcess ffmpeg;
    ffmpeg.start(Recorder::ffmpegExecutable(),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
                  QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"),
                  QStringLiteral("rgb24"), QStringLiteral("-")});
    if (!ffmpeg.waitForFinished(30000))
        return {};
    const QByteArray data = ffmpeg.readAllStandardOutput();
    *frames = int(data.size() / (size.width() * size.height() * 3));
    return data;
}

} // namespace

class TestRegionOverlayE2E : public QObject
{
    Q_OBJECT

private:
    TestWindowProcess m_target;
    RegionOverlay *m_overlay = nullptr;

    // A click at global `p` reaches the target window at the matching spot.
    bool clickReachesTarget(const QPoint &p)
    {
        if (!click(p))
            return false;
        const std::optional<QPoint> got = m_target.nextClick();
        if (!got) {
            qWarning() << "no click reached the target at" << p;
            return false;
        }
        return *got == p - TargetGeometry.topLeft();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_target.open(QStringLiteral("VT Clicks"), QStringLiteral("#2040c0"), TargetGeometry, true));
        m_overlay = new RegionOverlay;
    }

    void cleanupTestCase()
    {
        delete m_overlay;
        m_target.close();
    }

    // During a recording every click passes, and the recording shows only the
    // window below, never the frame.
    void recordingModePassesClicksAndStaysOutOfThePicture()
    {
        m_overlay->setPreparationPreview(false, false);
        m_overlay->setRecordingMode(true);
        m_overlay->setRegion(Region);
        QVERIFY(QTest::qWaitForWindowExposed(m_overlay));
        QCOMPARE(m_overlay->currentRegion(), Region);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("region.mkv"));
        QProcess ffmpeg;
        ffmpeg.start(Recorder::ffmpegExecutable(),
                     {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
                      QStringLiteral("x11grab"), QStringLiteral("-draw_mouse"), QStringLiteral("0"),
                      QStringLiteral("-framerate"), QStringLiteral("15"),
                      QStringLiteral("-video_size"), QStringLiteral("400x300"), QStringLiteral("-i"),
                      QString::fromLocal8Bit(qgetenv("DISPLAY")) + QStringLiteral("+400,300"),
                      QStringLiteral("-t"), QStringLiteral("2"), QStringLiteral("-c:v"),
                      QStringLiteral("libx264rgb"), QStringLiteral("-preset"),
                      QStringLiteral("ultrafast"), QStringLiteral("-qp"), QStringLiteral("0"), file});
        QVERIFY(ffmpeg.waitForStarted());
        QTest::qWait(300);
        QVERIFY(clickReachesTarget({600, 450}));         // inside the region
        QVERIFY(clickReachesTarget({Region.left() - 2, 450})); // on the frame
        QVERIFY(clickReachesTarget({600, Region.bottom() + 2}));
        QVERIFY(QTest::qWaitFor([&] { return ffmpeg.state() == QProcess::NotRunning; }, 15000));
        QCOMPARE(ffmpeg.exitCode(), 0);

        int frames = 0;
        const QByteArray rgb = decodeFrames(file, QSize(400, 300), &frames);
        QVERIFY2(frames >= 15, qPrintable(QString::number(frames)));
        // The window below is blue everywhere in the region.
        qint64 foreign = 0;
        for (qsizetype i = 0; i + 2 < rgb.size(); i += 3) {
            const int r = quint8(rgb[i]), g = quint8(rgb[i + 1]), b = quint8(rgb[i + 2]);
            if (qAbs(r - 0x20) > 12 || qAbs(g - 0x40) > 12 || qAbs(b - 0xc0) > 12)
                ++foreign;
        }
        QCOMPARE(foreign, 0);
    }

    void lockedPreviewPassesClicks()
    {
        m_overlay->setRecordingMode(false);
        m_overlay->setPreparationPreview(true, true);
        m_overlay->setRegion(Region);
        QTest::qWait(200);
        screenshot(QStringLiteral("region-locked"));
        QVERIFY(clickReachesTarget({Region.left() + 2, 450})); // on the frame
        QVERIFY(clickReachesTarget({Region.left() + 20, Region.top() + 20})); // on the size label
        QVERIFY(clickReachesTarget(Region.center()));
    }

    void adjustablePreviewTakesOnlyItsHandles()
    {
        m_overlay->setPreparationPreview(true, false);
        m_overlay->setRegion(Region);
        QTest::qWait(200);
        screenshot(QStringLiteral("region-adjustable"));
        QSignalSpy changed(m_overlay, &RegionOverlay::regionChanged);

        // Away from the grips, bands and handle a click reaches the window below.
        QVERIFY(clickReachesTarget({Region.left() + 50, Region.top() + 50}));

        // The bottom-right grip dragged by (+101, +51): one signal, on release.
        const QPoint grip = Region.bottomRight();
        QVERIFY(pointerTo(grip));
        QVERIFY(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
        QVERIFY(pointerTo(grip + QPoint(50, 25)));
        QVERIFY(pointerTo(grip + QPoint(101, 51)));
        QCOMPARE(changed.size(), 0);
        QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
        QTRY_COMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().toRect(), QRect(400, 300, 500, 350));
        QVERIFY(!m_target.nextClick(300)); // the drag did not reach the window below

        // The handle dragged far right stops one pixel short of the screen's edge.
        const QPoint handle = m_overlay->currentRegion().center();
        QVERIFY(drag(handle, {1919, handle.y()}, 6));
        QTRY_COMPARE(changed.size(), 2);
        QCOMPARE(m_overlay->currentRegion(), QRect(1419, 300, 500, 350));
        screenshot(QStringLiteral("region-moved"));

        // The input shape followed the region: a click where the handle used to be
        // passes through now.
        QVERIFY(clickReachesTarget(handle));
        m_overlay->hideOverlay();
    }
};

QTEST_MAIN(TestRegionOverlayE2E)
#include "tst_region_overlay_e2e.moc"
