// Without a compositor a translucent window shows black, on screen and in every
// screen grab. On an X server of its own without one: the toolbar and the countdown
// cut themselves to their visible shapes, annotation is refused and the highlighter
// stays hidden.
#include "../support/OverlayE2eSupport.h"

#include "overlays/AnnotationOverlay.h"
#include "overlays/CountdownOverlay.h"
#include "overlays/FloatingToolbar.h"
#include "overlays/MouseHighlighter.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "../support/PrivateXServer.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <cstdio>

namespace {
const QColor kBackdrop(QStringLiteral("#30a050"));
}

class TestOverlaysNoCompositor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void toolbarAndAnnotation();
    void highlighterStaysHidden();
    void countdownShowsTheDesktop();

private:
    QWidget m_backdrop;
};

void TestOverlaysNoCompositor::initTestCase()
{
    QVERIFY(!hasCompositingManager());
    QApplication::setQuitOnLastWindowClosed(false);
    m_backdrop.setStyleSheet(QStringLiteral("background:%1").arg(kBackdrop.name()));
    m_backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
    m_backdrop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_backdrop));
}

void TestOverlaysNoCompositor::toolbarAndAnnotation()
{
    FloatingToolbar toolbar;
    toolbar.move(300, 100);
    toolbar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&toolbar));
    QTest::qWait(400);
    QVERIFY(!toolbar.annotationButton()->isEnabled());
    toolbar.setAnnotationToolsVisible(true); // the hot key's way
    QTest::qWait(200);
    QVERIFY(!toolbar.annotationLayer()->isVisible());
    QVERIFY(!toolbar.annotationButton()->isChecked());

    // The shadow margin shows the desktop; the container is drawn.
    const QImage screen = rootGrab();
    const QRect frame = toolbar.frameGeometry();
    for (const QPoint &corner : {frame.topLeft() + QPoint(3, 3), frame.topRight() + QPoint(-3, 3),
                                 frame.bottomLeft() + QPoint(3, -3), frame.bottomRight() + QPoint(-3, -3)}) {
        const QRgb px = screen.pixel(nativePoint(corner));
        QVERIFY2(near(px, kBackdrop), qPrintable(QColor(px).name()));
    }
    QVERIFY(!near(screen.pixel(nativePoint(frame.center())), kBackdrop));
}

void TestOverlaysNoCompositor::highlighterStaysHidden()
{
    MouseHighlighter highlighter;
    highlighter.setEnabled(true);
    QTest::qWait(300);
    QVERIFY(highlighter.isHighlighting());
    QVERIFY(!highlighter.isVisible());
    highlighter.setEnabled(false);
}

void TestOverlaysNoCompositor::countdownShowsTheDesktop()
{
    QPointer<CountdownOverlay> overlay = new CountdownOverlay(3);
    overlay->start();
    QVERIFY(QTest::qWaitForWindowExposed(overlay.data()));
    QTest::qWait(400);
    const QImage screen = rootGrab();
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(near(screen.pixel(nativePoint(area.topLeft() + QPoint(20, 20))), kBackdrop));
    QVERIFY(near(screen.pixel(nativePoint(area.bottomRight() - QPoint(20, 20))), kBackdrop));
    const QPoint c((area.width() - 1) / 2, (area.height() - 1) / 2);
    QVERIFY2(near(screen.pixel(nativePoint(c + QPoint(0, 50))), QColor(QStringLiteral("#FF1515")), 40),
             qPrintable(QColor(screen.pixel(nativePoint(c + QPoint(0, 50)))).name()));
    QVERIFY(key(QStringLiteral("Escape")));
    QTRY_VERIFY(overlay.isNull());
}

int main(int argc, char **argv)
{
    PrivateXServer server(QStringLiteral("1280x720x24"));
    if (!server.isReady()) {
        std::fprintf(stderr, "could not start Xvfb\n");
        return 1;
    }
    QApplication app(argc, argv);
    TestOverlaysNoCompositor test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_overlays_nocompositor.moc"
