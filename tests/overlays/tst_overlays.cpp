// The in-recording overlays without a display server: the annotation model and its
// frame images, the toolbar's read-outs and stop flow, the progress dialog, the
// countdown, the stop dialog and the key display. Runs at a pixel ratio of 2.
#include "dialogs/StopRecordingDialog.h"
#include "overlays/AnnotationOverlay.h"
#include "overlays/CountdownOverlay.h"
#include "overlays/FloatingToolbar.h"
#include "overlays/KeyDisplayOverlay.h"
#include "overlays/WatermarkProgressDialog.h"
#include "platform/mac/DisplayGeometry.h"

#include <QApplication>
#include <QButtonGroup>
#include <QSlider>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

Stroke stroke(AnnotationToolbar::Tool tool, QList<QPointF> points, float width = 3.0f)
{
    Stroke s;
    s.tool = tool;
    s.points = std::move(points);
    s.width = width;
    return s;
}

// Rows of column x whose alpha is above `minAlpha`.
int paintedHeight(const QImage &image, int x, int minAlpha = 0)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        rows += qAlpha(image.pixel(x, y)) > minAlpha;
    return rows;
}

// Answers the next modal dialog with `code` once it is up.
void answerDialogWith(int code, const std::function<void()> &whileOpen = {})
{
    QTimer::singleShot(50, [code, whileOpen] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (whileOpen)
            whileOpen();
        else
            dialog->done(code);
    });
}

} // namespace

class TestOverlays : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void annotationEditing();
    void annotationDrawing();
    void annotationFrameImage();
    void nativeRectOnSeveralScreens();
    void toolbarFitsANarrowDisplay();
    void toolbarReadOuts();
    void toolbarStopFlow();
    void besideTheToolbar();
    void progressDialog();
    void countdown();
    void stopDialog();
    void keyDisplay();

private:
    QTemporaryDir m_settingsDir;
};

void TestOverlays::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("VistrelleOverlayTest"));
}

void TestOverlays::annotationEditing()
{
    AnnotationOverlay layer;
    layer.setAnnotationEnabled(true);
    QSignalSpy closed(&layer, &AnnotationOverlay::closed);

    // Eraser: width 3 gives a half-side of 10, grown by each stroke's own width.
    auto add = [&](const Stroke &s) { const_cast<QList<Stroke> &>(layer.strokes()).append(s); };
    add(stroke(AnnotationToolbar::Pen, {{100, 100}, {110, 100}}));     // 0: touches
    add(stroke(AnnotationToolbar::Line, {{200, 200}, {300, 300}}));    // 1: far away
    add(stroke(AnnotationToolbar::Rectangle, {{130, 100}, {140, 140}})); // 2: touches at 3 + 10 + 10
    add(stroke(AnnotationToolbar::Pen, {{137, 100}}));                 // 3: just out of reach
    layer.eraseAt(QPointF(114, 100));
    QCOMPARE(layer.strokes().size(), 2);
    QCOMPARE(layer.strokes().at(0).tool, AnnotationToolbar::Line);
    QCOMPARE(layer.strokes().at(1).points.first(), QPointF(137, 100));
    layer.currentWidth = 4; // half-side 12 now reaches the dot
    layer.eraseAt(QPointF(114, 100));
    QCOMPARE(layer.strokes().size(), 1);

    // Undo, clear, and leaving the mode erase; coming back starts empty.
    layer.undoLast();
    QVERIFY(layer.strokes().isEmpty());
    layer.undoLast();
    add(stroke(AnnotationToolbar::Pen, {{1, 1}}));
    QTest::keyClick(&layer, Qt::Key_Escape);
    QCOMPARE(closed.size(), 1);
    QVERIFY(!layer.isAnnotationEnabled());
    QVERIFY(layer.strokes().isEmpty());
    layer.setAnnotationEnabled(false);
    QCOMPARE(closed.size(), 1);

    // Gestures: a right press starts nothing; a click with a shape tool stores one point.
    layer.setAnnotationEnabled(true);
    layer.setTool(AnnotationToolbar::Arrow);
    QCOMPARE(layer.cursor().shape(), Qt::CrossCursor);
    QSignalSpy finished(&layer, &AnnotationOverlay::interactionFinished);
    QTest::mousePress(&layer, Qt::RightButton, {}, QPoint(20, 20));
    QTest::mouseRelease(&layer, Qt::RightButton, {}, QPoint(20, 20));
    QVERIFY(layer.strokes().isEmpty());
    QTest::mouseClick(&layer, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(layer.strokes().size(), 1);
    QCOMPARE(layer.strokes().first().points.size(), 1);
    QCOMPARE(finished.size(), 1);
    layer.setTool(AnnotationToolbar::Eraser);
    QCOMPARE(layer.cursor().shape(), Qt::PointingHandCursor);
    QTest::keyClick(&layer, Qt::Key_Delete);
    QVERIFY(layer.strokes().isEmpty());
}

void TestOverlays::annotationDrawing()
{
    AnnotationOverlay layer;
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    auto draw = [&](const Stroke &s) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        layer.drawStroke(painter, s);
    };
    // Highlighter: at least 12 wide, 4 x width above that, alpha 95.
    draw(stroke(AnnotationToolbar::Highlighter, {{10, 50}, {90, 50}}, 2));
    QCOMPARE(paintedHeight(image, 50), 12);
    QCOMPARE(qAlpha(image.pixel(50, 50)), 95);
    draw(stroke(AnnotationToolbar::Highlighter, {{10, 50}, {90, 50}}, 5));
    QCOMPARE(paintedHeight(image, 50), 20);
    // A pen click is a dot; shapes need two points.
    draw(stroke(AnnotationToolbar::Pen, {{50, 50}}, 6));
    QVERIFY(qAlpha(image.pixel(50, 50)) == 255);
    QImage blank(image.size(), image.format());
    blank.fill(Qt::transparent);
    for (auto tool : {AnnotationToolbar::Arrow, AnnotationToolbar::Rectangle, AnnotationToolbar::Line,
                      AnnotationToolbar::Circle}) {
        draw(stroke(tool, {{50, 50}}, 6));
        QCOMPARE(image, blank);
    }
    // Text: 16 pixels at width 3, 5 x width beyond.
    Stroke text = stroke(AnnotationToolbar::Text, {{5, 80}}, 3);
    text.text = QStringLiteral("H");
    draw(text);
    const int small = paintedHeight(image, 9);
    text.width = 8;
    draw(text);
    const int large = paintedHeight(image, 9 + 2);
    QVERIFY2(small >= 10 && small <= 13, qPrintable(QString::number(small)));
    QVERIFY2(large > small * 2, qPrintable(QString::number(large)));
}

void TestOverlays::annotationFrameImage()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint g = screen->geometry().topLeft();
    AnnotationOverlay layer;
    const QRect logical(g + QPoint(50, 40), QSize(200, 100));
    layer.setCaptureRect(logical);
    const QRect native(g + QPoint(100, 80), QSize(400, 200));
    const QSize frame(400, 200);

    QVERIFY(layer.renderForNativeRect(native, frame).isNull()); // off
    layer.setAnnotationEnabled(true);
    QCOMPARE(layer.geometry(), logical);
    QVERIFY(layer.renderForNativeRect(native, frame).isNull()); // no strokes
    QTest::mouseClick(&layer, Qt::LeftButton, {}, QPoint(20, 30)); // pen dot
    QVERIFY(layer.renderForNativeRect(native, QSize(0, 200)).isNull());
    QVERIFY(layer.renderForNativeRect(QRect(10, 10, -5, 5), frame).isNull());

    // A one-point line is kept but draws nothing: a transparent image, not a null one.
    layer.undoLast();
    layer.setTool(AnnotationToolbar::Line);
    QTest::mouseClick(&layer, Qt::LeftButton, {}, QPoint(20, 30));
    QImage image = layer.renderForNativeRect(native, frame);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), frame);
    QCOMPARE(image.format(), QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(paintedHeight(image, 40), 0);

    // A pen stroke at layer (20, 30) to (120, 30), width 6, lands at twice that in the frame.
    layer.undoLast();
    layer.setTool(AnnotationToolbar::Pen);
    layer.currentWidth = 6;
    QTest::mousePress(&layer, Qt::LeftButton, {}, QPoint(20, 30));
    QTest::mouseMove(&layer, QPoint(70, 30));
    QTest::mouseMove(&layer, QPoint(120, 30));
    QTest::mouseRelease(&layer, Qt::LeftButton, {}, QPoint(120, 30));
    QCOMPARE(layer.strokes().size(), 1);
    image = layer.renderForNativeRect(native, frame);
    QCOMPARE(QColor(image.pixel(140, 60)), QColor(QStringLiteral("#ef4444")));
    QCOMPARE(qAlpha(image.pixel(100, 60)), 255);
    QCOMPARE(qAlpha(image.pixel(140, 40)), 0);
    QCOMPARE(qAlpha(image.pixel(30, 60)), 0);
    QCOMPARE(qAlpha(image.pixel(260, 60)), 0);
    const int thickness = paintedHeight(image, 140, 127);
    QVERIFY2(thickness >= 11 && thickness <= 13, qPrintable(QString::number(thickness)));
    // Unchanged requests get the kept image back; a stroke added later is drawn onto
    // it, with the same result as drawing everything again.
    QCOMPARE(layer.renderForNativeRect(native, frame).constBits(), image.constBits());
    layer.setTool(AnnotationToolbar::Circle);
    QTest::mousePress(&layer, Qt::LeftButton, {}, QPoint(60, 50));
    QTest::mouseMove(&layer, QPoint(150, 90));
    QTest::mouseRelease(&layer, Qt::LeftButton, {}, QPoint(150, 90));
    const QImage added = layer.renderForNativeRect(native, frame).copy();
    QVERIFY(layer.renderForNativeRect(native, QSize(200, 100)).size() == QSize(200, 100));
    QCOMPARE(layer.renderForNativeRect(native, frame), added);
    QVERIFY(added != image);
    // Erasing the older item leaves what drawing the circle alone gives.
    layer.currentWidth = 3;
    layer.eraseAt(QPointF(20, 30));
    layer.currentWidth = 6;
    QCOMPARE(layer.strokes().size(), 1);
    const QImage erased = layer.renderForNativeRect(native, frame).copy();
    QCOMPARE(qAlpha(erased.pixel(100, 60)), 0);
    QVERIFY(layer.renderForNativeRect(native, QSize(200, 100)).size() == QSize(200, 100));
    QCOMPARE(layer.renderForNativeRect(native, frame), erased);
    layer.undoLast();
    layer.setTool(AnnotationToolbar::Pen);
    QTest::mousePress(&layer, Qt::LeftButton, {}, QPoint(20, 30));
    QTest::mouseMove(&layer, QPoint(70, 30));
    QTest::mouseMove(&layer, QPoint(120, 30));
    QTest::mouseRelease(&layer, Qt::LeftButton, {}, QPoint(120, 30));
    QCOMPARE(layer.renderForNativeRect(native, frame), image);
    layer.setTool(AnnotationToolbar::Circle);
    QTest::mousePress(&layer, Qt::LeftButton, {}, QPoint(60, 50));
    QTest::mouseRelease(&layer, Qt::LeftButton, {}, QPoint(150, 90));
    layer.undoLast();
    QCOMPARE(layer.renderForNativeRect(native, frame), image);
    layer.setCaptureRect(logical.translated(10, 0));
    QCOMPARE(layer.geometry(), logical.translated(10, 0));
    const QImage moved = layer.renderForNativeRect(native, frame);
    QVERIFY(moved.constBits() != image.constBits());
    QCOMPARE(qAlpha(moved.pixel(30, 60)), 0);
    QCOMPARE(qAlpha(moved.pixel(260, 60)), 255);
    // An invalid capture rectangle leaves the layer where it is.
    layer.setCaptureRect(QRect());
    QCOMPARE(layer.geometry(), logical.translated(10, 0));
}

void TestOverlays::nativeRectOnSeveralScreens()
{
    const auto display = &DisplayGeometry::described;
    const QList<DisplayGeometry::Display> both{display(QRect(0, 0, 1920, 1080), 1.0), display(QRect(1920, 0, 1280, 720), 2.0)};
    // A native rectangle on the right screen whose centre lies outside every logical
    // screen: taking it as logical would pick the primary screen and misplace strokes.
    const QRect native(3920, 1000, 400, 300);
    QCOMPARE(DisplayGeometry::inDisplayShowing(both, native), QRectF(2920, 500, 200, 150));
    // Inside the right screen's logical area as well.
    QCOMPARE(DisplayGeometry::inDisplayShowing(both, QRect(2120, 100, 800, 600)), QRectF(2020, 50, 400, 300));
    // One screen behaves as the plain mapping; none leaves the rectangle as it is.
    const QList<DisplayGeometry::Display> single{display(QRect(0, 0, 1280, 720), 2.0)};
    QCOMPARE(DisplayGeometry::inDisplayShowing(single, QRect(100, 80, 400, 200)), QRectF(50, 40, 200, 100));
    QCOMPARE(DisplayGeometry::inDisplayShowing(single, QRect(5000, 5000, 40, 20)), QRectF(2500, 2500, 20, 10));
    QCOMPARE(DisplayGeometry::inDisplayShowing({}, QRect(1, 2, 3, 4)), QRectF(1, 2, 3, 4));
}

void TestOverlays::toolbarFitsANarrowDisplay()
{
    // A portrait display at scale 2 gives 540 points: the toolbar and its annotation row
    // keep every button on it.
    FloatingToolbar toolbar;
    toolbar.adjustSize();
    toolbar.fitToWidth(528);
    QVERIFY2(toolbar.width() <= 528, qPrintable(QString::number(toolbar.width())));
    toolbar.toggleAnnoRow(true);
    toolbar.fitToContents();
    QVERIFY2(toolbar.width() <= 528, qPrintable(QString::number(toolbar.width())));
    toolbar.toggleAnnoRow(false);
    toolbar.fitToWidth(0);
    QVERIFY(toolbar.width() > 528);
}

void TestOverlays::toolbarReadOuts()
{
    FloatingToolbar toolbar;
    QLabel *storage = toolbar.findChild<QLabel *>(QStringLiteral("StorageSummary"));
    QLabel *time = toolbar.findChild<QLabel *>(QStringLiteral("TimerText"));
    QLabel *compact = toolbar.findChild<QLabel *>(QStringLiteral("CompactTime"));
    QVERIFY(storage && time && compact);

    toolbar.setTime(3725);
    QCOMPARE(time->text(), QStringLiteral("01:02:05"));
    QCOMPARE(compact->text(), QStringLiteral("01:02:05"));
    toolbar.setTime(360000);
    QCOMPARE(time->text(), QStringLiteral("100:00:00"));

    QString queried;
    qint64 freeBytes = 1073741824;
    toolbar.setFreeSpaceQuery([&](const QString &folder) {
        queried = folder;
        return freeBytes;
    });
    // Placeholders first: initialising wins over an empty file.
    toolbar.setRecordingInitializing(true);
    toolbar.setRecordingStats(-5, QStringLiteral("/rec/a.mp4"));
    QCOMPARE(storage->text(), QStringLiteral("初始化…"));
    toolbar.setRecordingInitializing(false);
    QCOMPARE(storage->text(), QStringLiteral("写入中…"));
    toolbar.setRecordingStats(1048575, QStringLiteral("/rec/a.mp4"));
    QCOMPARE(storage->text(), QStringLiteral("1024 KB / 1024 MB"));
    QCOMPARE(queried, QStringLiteral("/rec"));
    freeBytes = 1073741825;
    toolbar.setRecordingStats(1048576, QStringLiteral("/rec/a.mp4"));
    QCOMPARE(storage->text(), QStringLiteral("1.00 MB / 1.00 GB"));
    freeBytes = -1;
    toolbar.updateDiskInfo();
    QCOMPARE(storage->text(), QStringLiteral("1.00 MB / --"));
    toolbar.setRecordingInitializing(true);
    QCOMPARE(storage->text(), QStringLiteral("初始化…"));

    // While the recording is saved, Pause and Stop look as disabled as they are.
    QPushButton *pauseButton = toolbar.findChild<QPushButton *>(QStringLiteral("PauseButton"));
    const QRgb live = pauseButton->grab().toImage().pixel(5, 16);
    toolbar.setSaving(true);
    const QRgb saving = pauseButton->grab().toImage().pixel(5, 16);
    toolbar.setSaving(false);
    QVERIFY2(qBlue(live) > 180 && qBlue(saving) < 120, qPrintable(QString::number(saving, 16)));

    // X11 cannot keep the toolbar out of a screen grab: never claimed.
    QVERIFY(!toolbar.excludeFromCapture());

    // Webcam button: setCameraEnabled is silent, toggling emits once.
    QSignalSpy camera(&toolbar, &FloatingToolbar::cameraToggled);
    QSignalSpy mouse(&toolbar, &FloatingToolbar::mouseEffectsToggled);
    toolbar.setCameraEnabled(true, false);
    QList<QPushButton *> tools;
    for (QPushButton *b : toolbar.findChildren<QPushButton *>(QStringLiteral("ToolIcon")))
        tools.append(b);
    QCOMPARE(tools.size(), 4);
    QVERIFY(!tools[0]->isEnabled() && !tools[0]->isChecked());
    toolbar.setCameraEnabled(true, true);
    QVERIFY(tools[0]->isChecked());
    toolbar.setMouseEffectsEnabled(false);
    QCOMPARE(camera.size() + mouse.size(), 0);
    tools[0]->click();
    QCOMPARE(camera.size(), 1);
    QCOMPARE(camera.first().first().toBool(), false);

    // The annotation row: width and tool reach the layer; Esc on the layer closes the row
    // without switching twice; reopening starts empty with the pen and the last width.
    toolbar.setAnnotationToolsVisible(true);
    AnnotationOverlay *layer = toolbar.annotationLayer();
    QVERIFY(layer->isAnnotationEnabled());
    QWidget *row = toolbar.findChild<QWidget *>(QStringLiteral("AnnotationRow"));
    QVERIFY(row && !row->isHidden());
    toolbar.findChild<QSlider *>()->setValue(9);
    QCOMPARE(layer->currentWidth, 9.0f);
    QButtonGroup *group = toolbar.findChild<QButtonGroup *>();
    group->button(AnnotationToolbar::Eraser)->click();
    QCOMPARE(layer->tool(), AnnotationToolbar::Eraser);
    QSignalSpy layerClosed(layer, &AnnotationOverlay::closed);
    QTest::keyClick(layer, Qt::Key_Escape);
    QCOMPARE(layerClosed.size(), 1);
    QVERIFY(row->isHidden());
    QVERIFY(!toolbar.annotationButton()->isChecked());
    toolbar.annotationButton()->click();
    QVERIFY(layer->isAnnotationEnabled() && layer->strokes().isEmpty());
    QCOMPARE(layer->tool(), AnnotationToolbar::Pen);
    QCOMPARE(group->checkedId(), int(AnnotationToolbar::Pen));
    QCOMPARE(layer->currentWidth, 9.0f);

    // Collapsing closes the annotation row and erases the drawing; a reset keeps it collapsed.
    QTest::mouseClick(layer, Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(layer->strokes().size(), 1);
    toolbar.toggleCollapse();
    QVERIFY(toolbar.isCollapsed());
    QVERIFY(!toolbar.annotationButton()->isChecked());
    QVERIFY(!layer->isAnnotationEnabled());
    QVERIFY(layer->strokes().isEmpty());
    toolbar.resetTime();
    QVERIFY(toolbar.isCollapsed());
    QCOMPARE(time->text(), QStringLiteral("00:00:00"));
}

void TestOverlays::toolbarStopFlow()
{
    FloatingToolbar toolbar;
    toolbar.show();
    QSignalSpy ask(&toolbar, &FloatingToolbar::stopConfirmationRequested);
    QSignalSpy stop(&toolbar, &FloatingToolbar::stopRequested);
    QSignalSpy discard(&toolbar, &FloatingToolbar::discardRequested);
    QSignalSpy resume(&toolbar, &FloatingToolbar::resumeRequested);
    // The main window's part: ask, resuming on Continue unless it was paused before.
    bool pausedBefore = false;
    connect(&toolbar, &FloatingToolbar::stopConfirmationRequested, &toolbar,
            [&] { toolbar.showStopConfirmation(!pausedBefore); }, Qt::QueuedConnection);
    auto stopClick = [&](int answer, const std::function<void()> &whileOpen = {}) {
        answerDialogWith(answer, whileOpen);
        toolbar.stopButton()->click();
        QTRY_VERIFY(!toolbar.isStopConfirmationPending());
    };

    stopClick(StopRecordingDialog::Save);
    QCOMPARE(stop.size(), 1);
    stopClick(StopRecordingDialog::Discard);
    QCOMPARE(discard.size(), 1);
    stopClick(StopRecordingDialog::Continue);
    QCOMPARE(resume.size(), 1);
    pausedBefore = true;
    stopClick(StopRecordingDialog::Continue);
    QCOMPARE(resume.size(), 1);
    pausedBefore = false;

    // A second click while the dialog is open asks nothing more.
    int dialogs = 0;
    stopClick(0, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            dialogs += qobject_cast<StopRecordingDialog *>(w) && w->isVisible();
        toolbar.stopButton()->click();
        qobject_cast<QDialog *>(QApplication::activeModalWidget())->done(StopRecordingDialog::Save);
    });
    QCOMPARE(dialogs, 1);
    QCOMPARE(ask.size(), 5);
    QCOMPARE(stop.size(), 2);

    // The main window may decide not to ask and clears the flag itself.
    disconnect(&toolbar, &FloatingToolbar::stopConfirmationRequested, &toolbar, nullptr);
    toolbar.stopButton()->click();
    QVERIFY(toolbar.isStopConfirmationPending());
    toolbar.stopButton()->click();
    QCOMPARE(ask.size(), 6);
    toolbar.clearStopConfirmationPending();
    connect(&toolbar, &FloatingToolbar::stopConfirmationRequested, &toolbar,
            [&] { toolbar.showStopConfirmation(true); }, Qt::QueuedConnection);

    // A recording that ends while the question is open (the toolbar is reset): the
    // dialog goes away and no answer reaches the next recording.
    const int answered = int(stop.size() + discard.size() + resume.size());
    auto endWhileOpen = [&](const std::function<void()> &end) {
        return [&, end] {
            QPointer<QDialog> dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            end();
            // Should the dialog stay, answer it so that the test ends (and fails below).
            QTimer::singleShot(2000, [dialog] { if (dialog) dialog->done(StopRecordingDialog::Continue); });
        };
    };
    stopClick(0, endWhileOpen([&] { toolbar.resetTime(); }));
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(int(stop.size() + discard.size() + resume.size()), answered);

    // Hiding the toolbar (its hot key) leaves the question open, and its answer counts.
    toolbar.show();
    const qsizetype resumedBefore = resume.size();
    bool stayed = false;
    stopClick(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        toolbar.hide();
        QTest::qWait(100);
        stayed = dialog && dialog->isVisible();
        if (dialog)
            dialog->done(StopRecordingDialog::Continue);
    });
    QVERIFY(stayed);
    QCOMPARE(resume.size(), resumedBefore + 1);
}

// The auto-stop countdown beside the toolbar's panel: right of it, else left of it, else
// under or above it, never over it and never off the screen.
void TestOverlays::besideTheToolbar()
{
    const QRect area(0, 28, 1920, 1052);
    const QRect panel(649, 40, 622, 52);
    QCOMPARE(FloatingToolbar::besidePlacement(panel, QSize(300, 200), area), QPoint(1281, 40));
    // Dragged to the right edge: the countdown goes to its left.
    QCOMPARE(FloatingToolbar::besidePlacement(panel.translated(1200, 0), QSize(300, 200), area), QPoint(1539, 40));
    // No room on either side (a narrow screen): under the panel, else above it, not over it.
    QCOMPARE(FloatingToolbar::besidePlacement(QRect(100, 40, 622, 52), QSize(300, 200), QRect(0, 0, 800, 600)),
             QPoint(100, 102));
    QCOMPARE(FloatingToolbar::besidePlacement(QRect(100, 380, 622, 52), QSize(300, 200), QRect(0, 0, 800, 600)),
             QPoint(100, 170));
    // A panel dragged to the bottom keeps the countdown on the screen.
    QCOMPARE(FloatingToolbar::besidePlacement(QRect(100, 1000, 622, 52), QSize(300, 200), area), QPoint(732, 880));
}

void TestOverlays::progressDialog()
{
    WatermarkProgressDialog dialog(false);
    auto label = [&](const char *name) { return dialog.findChild<QLabel *>(QString::fromLatin1(name))->text(); };
    QCOMPARE(label("ProgressTitle"), QStringLiteral("正在保存录制"));
    QCOMPARE(label("ProgressStatus"), QStringLiteral("正在处理录制文件，请稍候…"));
    dialog.setProgress(150, 0, 0, 30, true);
    QCOMPARE(label("ProgressPercent"), QStringLiteral("100%"));
    QCOMPARE(label("ProgressCount"), QStringLiteral("正在处理 1 / 1"));
    QCOMPARE(label("ProgressRemaining"), QStringLiteral("预计剩余 00:00"));
    dialog.setProgress(40, 2, 3, -1, true);
    QCOMPARE(label("ProgressCount"), QStringLiteral("正在处理 2 / 3"));
    QCOMPARE(label("ProgressRemaining"), QStringLiteral("预计剩余 --:--"));
    dialog.setProgress(40, 2, 3, 3725, true);
    QCOMPARE(label("ProgressRemaining"), QStringLiteral("预计剩余 62:05"));
    dialog.setStatusText(QStringLiteral("  "));
    QCOMPARE(label("ProgressStatus"), QStringLiteral("正在处理录制文件，请稍候…"));

    // The bar: a value of 1 still fills 18 pixels, 0 fills nothing.
    dialog.show();
    QWidget *bar = dialog.findChild<QWidget *>(QStringLiteral("ProgressBar"));
    QCOMPARE(bar->height(), 18);
    auto filled = [&] {
        const QImage image = bar->grab().toImage().scaled(bar->size());
        int columns = 0;
        for (int x = 0; x < image.width(); ++x)
            columns += qBlue(image.pixel(x, 9)) > 0xc0;
        return columns;
    };
    dialog.setProgress(1, 1, 1, 10, true);
    QVERIFY2(filled() >= 16 && filled() <= 18, qPrintable(QString::number(filled())));
    dialog.setProgress(0, 1, 1, 10, true);
    QCOMPARE(filled(), 0);

    // Closing while cancellable asks to cancel and stays; Esc and the buttons too,
    // and only one request goes out.
    QSignalSpy cancel(&dialog, &WatermarkProgressDialog::cancelRequested);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QCOMPARE(cancel.size(), 1);
    QVERIFY(!dialog.close());
    dialog.findChild<QPushButton *>(QStringLiteral("ProgressCloseButton"))->click();
    dialog.findChild<QPushButton *>(QStringLiteral("ProgressCancelButton"))->click();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QCOMPARE(cancel.size(), 1);
    QCOMPARE(label("ProgressStatus"), QStringLiteral("正在安全取消水印处理…"));
    dialog.setProgress(50, 1, 1, 10, true);
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("ProgressCancelButton"))->isEnabled());

    // Work that cannot be cancelled closes normally.
    WatermarkProgressDialog plain(true);
    QSignalSpy plainCancel(&plain, &WatermarkProgressDialog::cancelRequested);
    plain.show();
    plain.setProgress(50, 1, 1, 10, false);
    QTest::keyClick(&plain, Qt::Key_Escape);
    QVERIFY(!plain.isVisible());
    plain.show();
    QVERIFY(plain.close());
    QCOMPARE(plainCancel.size(), 0);
}

void TestOverlays::countdown()
{
    QCOMPARE(CountdownOverlay::clampedCentre(QPoint(5, 5), QSize(1920, 1080)), QPoint(162, 102));
    QCOMPARE(CountdownOverlay::clampedCentre(QPoint(1919, 1079), QSize(1920, 1080)), QPoint(1758, 886));
    QCOMPARE(CountdownOverlay::clampedCentre(QPoint(100, 100), QSize(200, 200)), QPoint(162, 102));

    QSettings settings;
    settings.remove(QStringLiteral("hotkeys"));
    QCOMPARE(CountdownOverlay::hotkeyText(0), QKeySequence(QStringLiteral("Ctrl+Alt+R")).toString(QKeySequence::NativeText));
    settings.setValue(QStringLiteral("hotkeys/0"), QString());
    QCOMPARE(CountdownOverlay::hotkeyText(0), QStringLiteral("Ctrl+Alt+R"));
    settings.setValue(QStringLiteral("hotkeys/1"), QStringLiteral("Ctrl+Shift+F9"));
    QCOMPARE(CountdownOverlay::hotkeyText(1), QStringLiteral("Ctrl+Shift+F9"));

    // 3, 2, 1, then finished on the third tick without showing 0; the overlay goes.
    QPointer<CountdownOverlay> overlay = new CountdownOverlay(3);
    overlay->findChild<QTimer *>()->setInterval(30);
    QSignalSpy finished(overlay.data(), &CountdownOverlay::finished);
    QSignalSpy canceled(overlay.data(), &CountdownOverlay::canceled);
    QList<int> shown;
    connect(overlay->findChild<QTimer *>(), &QTimer::timeout, this,
            [&] { if (overlay) shown.append(std::max(overlay->remainingSeconds(), 1)); });
    overlay->start();
    QCOMPARE(overlay->remainingSeconds(), 3);
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(shown, (QList<int>{2, 1, 1}));
    QTRY_VERIFY(overlay.isNull());
    QCOMPARE(canceled.size(), 0);

    // Esc cancels once, never finishes; zero seconds count as one.
    overlay = new CountdownOverlay(0);
    QCOMPARE(overlay->remainingSeconds(), 1);
    QSignalSpy finished2(overlay.data(), &CountdownOverlay::finished);
    QSignalSpy canceled2(overlay.data(), &CountdownOverlay::canceled);
    overlay->start();
    QTest::keyClick(overlay.data(), Qt::Key_Escape);
    QCOMPARE(canceled2.size(), 1);
    QTRY_VERIFY(overlay.isNull());
    QTest::qWait(1200);
    QCOMPARE(finished2.size(), 0);
}

void TestOverlays::stopDialog()
{
    QCOMPARE(StopRecordingDialog::formatElapsed(0), QStringLiteral("00:00:00"));
    QCOMPARE(StopRecordingDialog::formatElapsed(3725), QStringLiteral("01:02:05"));
    QCOMPARE(StopRecordingDialog::formatElapsed(360000), QStringLiteral("100:00:00"));

    auto run = [](const std::function<void(StopRecordingDialog &)> &act) {
        StopRecordingDialog dialog(3725);
        QTimer::singleShot(50, &dialog, [&] { act(dialog); });
        return dialog.exec();
    };
    auto button = [](StopRecordingDialog &d, const char *name) {
        return d.findChild<QPushButton *>(QString::fromLatin1(name));
    };
    QCOMPARE(run([](StopRecordingDialog &d) { QTest::keyClick(&d, Qt::Key_Return); }), 0);
    QCOMPARE(run([](StopRecordingDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); }), 0);
    QCOMPARE(run([&](StopRecordingDialog &d) { button(d, "StopDiscardButton")->click(); }), 2);
    QCOMPARE(run([&](StopRecordingDialog &d) { button(d, "StopSaveButton")->click(); }), 1);
    QCOMPARE(run([](StopRecordingDialog &d) { d.close(); }), 0);

    // The drag band ends 62 pixels below the top.
    StopRecordingDialog dialog(0);
    QCOMPARE(dialog.size(), QSize(510, 205));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("StopElapsed"))->text(), QStringLiteral("00:00:00"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(20, 62));
    QVERIFY(!dialog.isDragging());
    QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(20, 62));
    QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(20, 61));
    QVERIFY(dialog.isDragging());
    QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(20, 61));
    QVERIFY(!dialog.isDragging());
}

void TestOverlays::keyDisplay()
{
    KeyDisplayOverlay keys;
    for (int i = 0; i < 3; ++i)
        keys.addKey(QStringLiteral("A"));
    QCOMPARE(keys.entries().size(), 1);
    for (const char *k : {"B", "C", "D", "E", "F", "G"})
        keys.addKey(QString::fromLatin1(k));
    QCOMPARE(keys.entries().size(), 6);
    QCOMPARE(keys.entries().first().text, QStringLiteral("B"));

    // A refreshed cap outlives the older ones.
    for (int i = 0; i < 20; ++i)
        keys.fadeOut();
    keys.addKey(QStringLiteral("G"));
    for (int i = 0; i < 22; ++i)
        keys.fadeOut();
    // B..F are gone, the refreshed G is still half visible.
    QCOMPARE(keys.entries().size(), 1);
    QCOMPARE(keys.entries().first().text, QStringLiteral("G"));
    QVERIFY(keys.entries().first().opacity > 0.4f);
    QVERIFY(keys.isFading());
    for (int i = 0; i < 20; ++i)
        keys.fadeOut();
    QVERIFY(keys.entries().isEmpty());
    QVERIFY(!keys.isFading());

    QCOMPARE(KeyDisplayOverlay::firstCapX({5000}, 1920), 8);
    QCOMPARE(KeyDisplayOverlay::firstCapX({20, 30}, 1000), (1000 - (48 + 58 - 8)) / 2);
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestOverlays test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_overlays.moc"
