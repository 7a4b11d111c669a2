// The overlays on a real X server with a compositor, driven by real X events.
#include "../support/OverlayE2eSupport.h"
#include "../support/CaptureTestSupport.h"

#include "dialogs/StopRecordingDialog.h"
#include "overlays/AnnotationOverlay.h"
#include "overlays/CountdownOverlay.h"
#include "overlays/FloatingToolbar.h"
#include "overlays/MouseHighlighter.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineF>
#include <QMouseEvent>
#include <QPointer>
#include <QScopeGuard>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

double distanceToPath(const QPointF &p, const QList<QPointF> &path)
{
    double best = 1e9;
    for (qsizetype i = 0; i + 1 < path.size(); ++i) {
        const QPointF a = path.at(i);
        const QPointF d = path.at(i + 1) - a;
        const double len2 = QPointF::dotProduct(d, d);
        const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, QLineF(p, a + t * d).length());
    }
    return best;
}

struct FrameCheck {
    int redPixels = 0;
    int ghostPixels = 0; // red too far from the stroke
    double pathCovered = 0; // share of the path's sample points that are red
};

FrameCheck checkFrame(const QImage &frame, const QList<QPointF> &path, double halfWidth, const QRect &ignore)
{
    FrameCheck check;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (ignore.contains(x, y) || !isRed(frame.pixel(x, y)))
                continue;
            ++check.redPixels;
            if (distanceToPath(QPointF(x, y), path) > halfWidth + 4)
                ++check.ghostPixels;
        }
    }
    check.pathCovered = redShareAlong(frame, path);
    return check;
}

// Global logical rectangle -> native pixels, as the main window derives the
// recorder's effects rectangle (one screen).
QRect nativeRect(const QRect &logical)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const qreal r = screen->devicePixelRatio();
    const QPoint g = screen->geometry().topLeft();
    const QPoint tl(qRound((logical.x() - g.x()) * r) + g.x(), qRound((logical.y() - g.y()) * r) + g.y());
    const QPoint br(qRound((logical.x() + logical.width() - g.x()) * r) + g.x(),
                    qRound((logical.y() + logical.height() - g.y()) * r) + g.y());
    return QRect(tl, br - QPoint(1, 1));
}

} // namespace

class TestOverlaysE2e : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void annotationOffsetArea() { annotationInRecording(false); }
    void annotationFullScreen() { annotationInRecording(true); }
    void annotationAtPixelRatio2();
    void stopDialogAndDrag();
    void countdownEscape();
    void highlighterPassesClicks();

private:
    void annotationInRecording(bool fullScreen);
    QTemporaryDir m_dir;
};

void TestOverlaysE2e::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(m_dir.isValid());
    // Recordings start on a shared test machine with less than 5 GB free.
    QSettings().setValue(QStringLiteral("save/diskWarning"), false);
}

void TestOverlaysE2e::annotationInRecording(bool fullScreen)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen->geometry();
    const int w = desktop.width(), h = desktop.height();
    TestWindowProcess backdrop;
    QVERIFY(backdrop.open(QStringLiteral("Overlay backdrop"), QStringLiteral("#2f6fb0"), desktop));

    const QRect area = fullScreen ? desktop : QRect(w / 5 & ~1, (h * 35 / 100) & ~1, (w * 2 / 5) & ~1, (h * 2 / 5) & ~1);
    FloatingToolbar toolbar;
    toolbar.resetTime();
    toolbar.setAnnotationCaptureRect(fullScreen ? QRect() : area);
    toolbar.move(w / 2 - toolbar.width() / 2, 4);
    toolbar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&toolbar));
    toolbar.findChild<QSlider *>()->setValue(6);

    Recorder recorder;
    recorder.excludedWindowId = toolbar.winId();
    recorder.setCaptureRect(area);
    recorder.setEffectsTargetRect(nativeRect(area));
    recorder.setMouseEffectsEnabled(false);
    recorder.setOutputPath(m_dir.filePath(fullScreen ? QStringLiteral("full.mp4") : QStringLiteral("area.mp4")));
    recorder.setAnnotationFrameProvider(
        [&toolbar](const QRect &rect, const QSize &size) { return toolbar.renderAnnotations(rect, size); });
    QSignalSpy started(&recorder, &Recorder::started);
    QSignalSpy stopped(&recorder, &Recorder::stopped);
    QSignalSpy errors(&recorder, &Recorder::errorOccurred);
    recorder.start();
    QTRY_VERIFY_WITH_TIMEOUT(started.size() == 1 || !errors.isEmpty(), 20000);
    QVERIFY2(errors.isEmpty(), errors.isEmpty() ? "" : qPrintable(errors.first().first().toString()));
    QTest::qWait(1200);

    QPushButton *annotate = toolbar.annotationButton();
    QVERIFY(clickAt(QRectF(annotate->mapToGlobal(QPoint(0, 0)), annotate->size()).center()));
    AnnotationOverlay *layer = toolbar.annotationLayer();
    QTRY_VERIFY(layer->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(layer));
    QTest::qWait(300);

    // An L: right along the top, then down.
    const QPointF a = area.topLeft() + QPointF(area.width() * 0.2, area.height() * 0.3);
    const QPointF b = a + QPointF(area.width() * 0.5, 0);
    const QPointF c = b + QPointF(0, area.height() * 0.45);
    QVERIFY(pointerTo(nativePoint(a)));
    QVERIFY(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
    for (const auto &[from, to] : {std::pair{a, b}, std::pair{b, c}}) {
        for (int i = 1; i <= 8; ++i)
            QVERIFY(pointerTo(nativePoint(from + (to - from) * (i / 8.0))));
    }
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTRY_COMPARE(layer->strokes().size(), 1);
    QCOMPARE(layer->strokes().first().width, 6.0f);
    const QRect toolbarWithRow = toolbar.frameGeometry(); // taller while the row is open
    QTest::qWait(1500);
    // The toolbar was raised above the layer after the stroke.
    QVERIFY2(stackingIndex(toolbar.winId()) > stackingIndex(layer->winId()),
             qPrintable(QStringLiteral("%1 %2").arg(stackingIndex(toolbar.winId())).arg(stackingIndex(layer->winId()))));

    QVERIFY(key(QStringLiteral("Escape")));
    QTRY_VERIFY(!layer->isVisible());
    QVERIFY(!annotate->isChecked());
    QTest::qWait(1500);
    recorder.stop();
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    const QString file = stopped.first().first().toString();
    QVERIFY2(QFileInfo::exists(file), qPrintable(file));

    // Frames four times a second, checked against the stroke in frame pixels.
    const QStringList names = framesOf(file, m_dir.filePath(fullScreen ? QStringLiteral("full") : QStringLiteral("area")),
                                       Recorder::ffmpegExecutable());
    QVERIFY2(names.size() >= 12, qPrintable(QString::number(names.size())));
    const QImage first(names.first());
    const double scale = double(first.width()) / area.width();
    QList<QPointF> path;
    for (const QPointF &p : {a, b, c})
        path.append((p - area.topLeft()) * scale);
    const double halfWidth = 3 * scale;
    // In full screen the toolbar is recorded too: its red buttons and the colour swatch
    // are not strokes.
    const QRect ignore = fullScreen ? QRect(((toolbarWithRow.topLeft() - area.topLeft()) * scale),
                                            toolbarWithRow.size() * scale)
                                    : QRect();

    int withStroke = 0;
    double bestCover = 0;
    int lastRed = -1, firstRed = -1;
    for (int i = 0; i < names.size(); ++i) {
        const QImage frame = QImage(names.at(i)).convertToFormat(QImage::Format_RGB32);
        const FrameCheck check = checkFrame(frame, path, halfWidth, ignore);
        qInfo("frame %d: %d red, %d astray, path %.2f", i, check.redPixels, check.ghostPixels, check.pathCovered);
        QVERIFY2(check.ghostPixels <= 3, qPrintable(QStringLiteral("frame %1 has a ghost").arg(i)));
        if (check.redPixels > 50) {
            ++withStroke;
            lastRed = i;
            if (firstRed < 0)
                firstRed = i;
        }
        bestCover = std::max(bestCover, check.pathCovered);
    }
    QVERIFY(withStroke >= 4);
    QVERIFY2(bestCover >= 0.95, qPrintable(QString::number(bestCover)));
    QVERIFY(firstRed >= 2);                 // nothing before the stroke
    QVERIFY(lastRed <= names.size() - 3);   // nothing after Esc
}

void TestOverlaysE2e::annotationAtPixelRatio2()
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("annotationOffsetArea")});
    QVERIFY(child.waitForFinished(120000));
    QCOMPARE(child.exitCode(), 0);
}

void TestOverlaysE2e::stopDialogAndDrag()
{
    FloatingToolbar toolbar;
    toolbar.move(300, 100);
    toolbar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&toolbar));
    toolbar.setAnnotationCaptureRect(QRect(200, 300, 800, 500));
    toolbar.setAnnotationToolsVisible(true);
    AnnotationOverlay *layer = toolbar.annotationLayer();
    QTRY_VERIFY(layer->isVisible());
    QTest::qWait(300);

    QSignalSpy resumed(&toolbar, &FloatingToolbar::resumeRequested);
    QSignalSpy asked(&toolbar, &FloatingToolbar::stopConfirmationRequested);
    connect(&toolbar, &FloatingToolbar::stopConfirmationRequested, &toolbar,
            [&] { toolbar.showStopConfirmation(true); }, Qt::QueuedConnection);
    // While the dialog runs its own loop, note what is on screen, then answer with Return.
    int dialogs = -1;
    bool onTop = false;
    QTimer::singleShot(1500, &toolbar, [&] {
        dialogs = 0;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<StopRecordingDialog *>(w) && w->isVisible()) {
                ++dialogs;
                onTop = stackingIndex(w->winId()) > stackingIndex(toolbar.winId())
                     && stackingIndex(w->winId()) > stackingIndex(layer->winId());
            }
        }
        QProcess::startDetached(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")});
    });
    QPushButton *stop = toolbar.stopButton();
    const QPoint stopCentre = nativePoint(QRectF(stop->mapToGlobal(QPoint(0, 0)), stop->size()).center());
    QVERIFY(pointerTo(stopCentre));
    QProcess::startDetached(QStringLiteral("xdotool"),
                            {QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                             QStringLiteral("--delay"), QStringLiteral("120"), QStringLiteral("1")});
    QTRY_COMPARE_WITH_TIMEOUT(resumed.size(), 1, 10000);
    QCOMPARE(dialogs, 1);
    QVERIFY(onTop);
    QCOMPARE(asked.size(), 1);
    QVERIFY(!toolbar.isStopConfirmationPending());

    // A drag on the time label moves the toolbar by the pointer's delta.
    QLabel *time = toolbar.findChild<QLabel *>(QStringLiteral("TimerText"));
    const QPoint before = toolbar.frameGeometry().topLeft();
    const QPointF grip = QRectF(time->mapToGlobal(QPoint(0, 0)), time->size()).center();
    QVERIFY(drag(nativePoint(grip), nativePoint(grip + QPointF(120, 80)), 6));
    QTRY_COMPARE(toolbar.frameGeometry().topLeft(), before + QPoint(120, 80));
}

void TestOverlaysE2e::countdownEscape()
{
    // Another program's window, clicked in through the countdown: it takes the keyboard focus
    // from the countdown (as the window manager's own focus does after the main window hides),
    // and Esc cancels the countdown all the same.
    QProcess target;
    target.start(QStringLiteral(CAPTURE_TEST_WINDOW),
                 {QStringLiteral("Focus target"), QStringLiteral("#202020"), QStringLiteral("600"),
                  QStringLiteral("300"), QStringLiteral("300"), QStringLiteral("200")});
    QVERIFY(target.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(target.canReadLine(), 10000);
    const QByteArray ready = target.readLine().trimmed();
    QVERIFY2(ready.startsWith("ready "), ready.constData());
    const QByteArray targetId = ready.mid(6);
    const auto endTarget = qScopeGuard([&target] {
        target.closeWriteChannel();
        if (!target.waitForFinished(3000))
            target.kill();
    });
    const auto focused = [] {
        QProcess focus;
        focus.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
        return focus.waitForFinished(10000) ? focus.readAllStandardOutput().trimmed() : QByteArray();
    };

    // Long enough that a busy machine's late Escape still comes before the end.
    QPointer<CountdownOverlay> overlay = new CountdownOverlay(10);
    QSignalSpy finished(overlay.data(), &CountdownOverlay::finished);
    QSignalSpy canceled(overlay.data(), &CountdownOverlay::canceled);
    overlay->setTargetRect(QRect(100, 100, 400, 300));
    overlay->start();
    QVERIFY(QTest::qWaitForWindowExposed(overlay.data()));
    QVERIFY(clickAt(QPointF(700, 400)));
    QTRY_COMPARE_WITH_TIMEOUT(focused(), targetId, 5000);
    QVERIFY(key(QStringLiteral("Escape")));
    QTRY_VERIFY_WITH_TIMEOUT(overlay.isNull(), 9000);
    QCOMPARE(canceled.size(), 1);
    QTest::qWait(1500);
    QCOMPARE(finished.size(), 0);
    QCOMPARE(canceled.size(), 1);
}

void TestOverlaysE2e::highlighterPassesClicks()
{
    // A window of another process that reports its clicks, under the highlighter.
    QProcess target;
    target.start(QStringLiteral(CAPTURE_TEST_WINDOW),
                 {QStringLiteral("Click target"), QStringLiteral("#202020"), QStringLiteral("400"),
                  QStringLiteral("300"), QStringLiteral("300"), QStringLiteral("200"),
                  QStringLiteral("--report-clicks")});
    QVERIFY(target.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(target.canReadLine(), 10000);
    QVERIFY(target.readLine().startsWith("ready"));
    QTest::qWait(300);

    MouseHighlighter highlighter;
    highlighter.setEnabled(true);
    QVERIFY(QTest::qWaitForWindowExposed(&highlighter));
    const QPointF centre(550, 400);
    QVERIFY(clickAt(centre));
    QTRY_VERIFY(target.canReadLine());
    QVERIFY(target.readLine().startsWith("click "));
    // The halo surrounds the pointer on screen.
    QTest::qWait(200);
    const QImage screen = rootGrab();
    const QPoint p = nativePoint(centre);
    const qreal r = 20 * qGuiApp->devicePixelRatio();
    int yellow = 0;
    for (int angle = 0; angle < 360; angle += 30) {
        const QPoint q = p + QPointF(r * std::cos(angle * M_PI / 180), r * std::sin(angle * M_PI / 180)).toPoint();
        const QRgb px = screen.pixel(q);
        yellow += qRed(px) > 140 && qGreen(px) > 110 && qBlue(px) < 90;
    }
    QVERIFY2(yellow >= 9, qPrintable(QString::number(yellow)));
    highlighter.setEnabled(false);
    QVERIFY(!highlighter.isVisible());
    target.closeWriteChannel();
    if (!target.waitForFinished(3000))
        target.kill();
}

QTEST_MAIN(TestOverlaysE2e)
#include "tst_overlays_e2e.moc"
