// The capture layer on an X server without XComposite and without MIT-SHM (started
// here, so that the shared test desktop keeps both): screen grabs go through plain
// GetImage, window frames and previews through what the screen shows.
#include <QtTest>
#include <QApplication>
#include <QProcess>
#include <QWidget>

#include "platform/mac/MacScreenCapture.h"
#include "platform/mac/MacWindowHelpers.h"
#include "platform/mac/WindowFrameSource.h"
#include "platform/mac/X11Connection.h"
#include "platform/mac/X11FrameGrabber.h"
#include "platform/mac/X11WindowPixmap.h"

#include "../support/CaptureTestSupport.h"
#include "../support/PrivateXServer.h"

class TestCaptureFallback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        X11Connection connection;
        QVERIFY(connection.isValid());
        QVERIFY(!X11WindowPixmap::isSupported(connection));
        m_toolbar = showToolbar(QRect(900, 10, 100, 30));
        QVERIFY(m_toolbar);
    }

    void screenGrabWithoutSharedMemory()
    {
        X11Connection connection;
        X11FrameGrabber grabber(connection.get());
        QString error;
        const QImage frame = grabber.grab(connection.root(), QRect(0, 0, 1024, 768), &error);
        QVERIFY2(!frame.isNull(), qPrintable(error));
        QVERIFY(!grabber.usesSharedMemory());
        QVERIFY(allOpaque(frame));

        TestWindowProcess red;
        QVERIFY(red.open(QStringLiteral("Red"), QStringLiteral("#ff0000"), QRect(100, 100, 300, 200)));
        MacScreenCapture capture;
        QVERIFY2(capture.start(0, m_toolbar->winId(), 15, QSize(512, 384), &error), qPrintable(error));
        QCOMPARE(capture.frameSize(), QSize(512, 384));
        QTRY_COMPARE_WITH_TIMEOUT(capture.latestFrame().pixel(125, 100), 0xFFFF0000u, 5000);
        QVERIFY(allOpaque(capture.latestFrame()));
    }

    void windowFramesAndPreviewFromTheScreen()
    {
        TestWindowProcess probe;
        QVERIFY(probe.open(QStringLiteral("Fallback probe"), QStringLiteral("#00c000"),
                           QRect(200, 200, 400, 300)));
        WindowFrameSource source;
        QSignalSpy frames(&source, &WindowFrameSource::frameAvailable);
        QSignalSpy errors(&source, &WindowFrameSource::errorOccurred);
        QString error;
        QVERIFY2(source.start(NativeWindowHandle(quint32(probe.id()), QString()), 20, &error),
                 qPrintable(error));
        QVERIFY(!source.readsWindowPixels());
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 5000);
        const QImage frame = frames.last().first().value<QImage>();
        QCOMPARE(frame.size(), QSize(400, 300));
        QCOMPARE(frame.format(), QImage::Format_ARGB32);
        QCOMPARE(frame.pixel(200, 150), 0xFF00C000u);
        QVERIFY(allOpaque(frame));

        const std::optional<QImage> preview = previewOnce(probe.id());
        QVERIFY(preview);
        QCOMPARE(preview->size(), QSize(640, 480));
        QCOMPARE(QColor(preview->pixel(320, 240)), QColor(0, 0xc0, 0));

        probe.close();
        QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 3000);
        QVERIFY(!source.isActive());
        QTest::qWait(200);
        QCOMPARE(errors.count(), 1);
    }

    void cleanupTestCase() { m_toolbar.reset(); }

private:
    std::unique_ptr<QWidget> m_toolbar;
};

int main(int argc, char **argv)
{
    PrivateXServer server(QStringLiteral("1024x768x24"),
                          {QStringLiteral("-extension"), QStringLiteral("Composite"), QStringLiteral("-extension"),
                           QStringLiteral("MIT-SHM")});
    if (!server.isReady()) {
        std::fprintf(stderr, "could not start Xvfb\n");
        return 1;
    }
    QApplication app(argc, argv);
    TestCaptureFallback test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capture_fallback.moc"
