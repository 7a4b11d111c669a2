// The webcam windows on the test desktop with real X events: the bubble and the
// settings dialog sharing one stand-in camera, the page's framing switches and
// snapshot through the real file dialog, and the "no camera" paths of this machine.

#include "../support/XdotoolDriver.h"
#include "../support/WebcamTestSupport.h"

#include "dialogs/CameraSettingsDialog.h"
#include "overlays/CameraOverlay.h"
#include "preparation/CameraRecordingPage.h"
#include "preparation/ControlsArea.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace webcamtest;

namespace {

bool clickWidget(QWidget *widget, QPoint local = QPoint(-1, -1))
{
    return click(widget->mapToGlobal(local.x() < 0 ? widget->rect().center() : local));
}

QPushButton *buttonWithText(QWidget *root, const QString &text)
{
    for (QPushButton *button : root->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QWidget *positionGrid(QWidget *dialog)
{
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (w->accessibleName() == QStringLiteral("摄像头位置九宫格"))
            return w;
    }
    return nullptr;
}

QImage grabScreen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// Runs `steps` once a modal dialog is up (inside that dialog's own event loop);
// failures are collected for the caller.
void whileModal(std::function<void(QWidget *modal, QStringList &failures)> steps, QStringList *failures)
{
    auto *poll = new QTimer(qApp);
    auto *clock = new QElapsedTimer;
    clock->start();
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, steps, failures]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (clock->elapsed() > 15000) {
                failures->append(QStringLiteral("no modal window"));
                poll->deleteLater();
                delete clock;
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (!QTest::qWaitForWindowExposed(modal))
            failures->append(QStringLiteral("modal window not exposed"));
        steps(modal, *failures);
        // Never leave the test hanging in a dialog that the steps did not close.
        QPointer<QWidget> open(modal);
        if (!QTest::qWaitFor([open]() { return !open || !open->isVisible(); }, 5000)) {
            failures->append(QStringLiteral("the modal window stayed open"));
            QGuiApplication::primaryScreen()->grabWindow(0).save(QDir::temp().filePath(QStringLiteral("webcam-modal.png")));
            if (auto *dialog = qobject_cast<QDialog *>(open.data()))
                dialog->reject();
        }
    });
    poll->start();
}

#define EXPECT(condition)                                                                                      \
    do {                                                                                                       \
        if (!(condition))                                                                                      \
            failures.append(QStringLiteral("line %1: %2").arg(__LINE__).arg(QStringLiteral(#condition)));     \
    } while (false)

} // namespace

class TestWebcamWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("VISTRELLE_TEST_ENV"))
            QSKIP("needs the private test desktop (scripts/test-env.sh)");
    }

    void bubbleAndDialogShareTheCamera()
    {
        CameraHub::setTestDevices(fakeCameras(1));
        QImage green(QSize(1280, 720), QImage::Format_ARGB32);
        green.fill(QColor(0, 200, 0));
        CameraFeeder feeder("/dev/video0", green);

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        // A window under the bubble's places: its colour shows at the bubble's corners,
        // and it must receive a click aimed at the bubble.
        QPushButton under;
        under.setWindowFlags(Qt::FramelessWindowHint);
        under.setStyleSheet(QStringLiteral("background:#ff00ff; border:0;"));
        under.setGeometry(screen);
        int underClicks = 0;
        connect(&under, &QPushButton::clicked, this, [&underClicks]() { ++underClicks; });
        under.show();
        QVERIFY(QTest::qWaitForWindowExposed(&under));

        ControlsArea panel;
        CameraOverlay bubble;
        // As the main window wires them during the preparation.
        connect(&panel, &ControlsArea::preparationWebcamPresentationChanged, &bubble,
                [&bubble](int shape, int position, int size, bool mirrored) {
                    if (bubble.isVisible())
                        bubble.updatePresentation(shape, position, size, mirrored);
                });

        // Done after a change: the bottom-right grid cell, the getters follow.
        QStringList failures;
        whileModal(
            [](QWidget *dialog, QStringList &failures) {
                QWidget *grid = positionGrid(dialog);
                EXPECT(grid && clickWidget(grid, QPoint(38, 38)));
                EXPECT(clickWidget(buttonWithText(dialog, QStringLiteral("完成"))));
            },
            &failures);
        panel.showWebcamSettings();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
        QCOMPARE(panel.webcamPosition(), 3);

        QVERIFY(bubble.startCamera(panel.webcamDeviceId(), panel.webcamResolution(), panel.webcamFps(),
                                   panel.webcamShape(), panel.webcamPosition(), panel.webcamSize(),
                                   panel.webcamMirrored(), screen));
        QVERIFY(QTest::qWaitForWindowExposed(&bubble));
        const QRect bottomRight = bubble.geometry();
        QCOMPARE(bottomRight, CameraOverlay::bubbleGeometry(screen, 1, 3, 50));
        QTRY_VERIFY(bubble.hasFrame());
        QTest::qWait(200);
        QImage shot = grabScreen();
        QVERIFY2(isColor(shot.pixel(bottomRight.center()), QColor(0, 200, 0)),
                 qPrintable(QColor(shot.pixel(bottomRight.center())).name()));
        QVERIFY2(isColor(shot.pixel(bottomRight.topLeft()), QColor(255, 0, 255)),
                 qPrintable(QColor(shot.pixel(bottomRight.topLeft())).name()));

        // Clicks pass through the bubble to the window under it.
        QVERIFY(click(bottomRight.center()));
        QTRY_COMPARE(underClicks, 1);

        // The dialog on the same camera: its mock-up shows the fed colour; a click on
        // the top-left cell moves the bubble live; the title band drags the dialog;
        // Cancel puts the bubble back.
        whileModal(
            [&bubble, screen](QWidget *dialog, QStringList &failures) {
                QLabel *preview = nullptr;
                for (QLabel *label : dialog->findChildren<QLabel *>()) {
                    if (label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
                        preview = label;
                }
                EXPECT(preview);
                if (!preview)
                    return;
                EXPECT(QTest::qWaitFor([preview]() { return !preview->pixmap().isNull(); }, 5000));
                const QImage mock = preview->pixmap().toImage();
                const QRect box = CameraSettingsDialog::mockupBox(mock.size(), 50, 3);
                EXPECT(!mock.isNull() && isColor(mock.pixel(box.center()), QColor(0, 200, 0)));
                EXPECT(CameraHub::instance().feedCount("/dev/video0") == 2);

                EXPECT(clickWidget(positionGrid(dialog), QPoint(10, 10)));
                EXPECT(QTest::qWaitFor(
                    [&bubble, screen]() { return bubble.geometry() == CameraOverlay::bubbleGeometry(screen, 1, 0, 50); },
                    2000));

                const QPoint before = dialog->pos();
                const QPoint grip = dialog->mapToGlobal(QPoint(200, 20));
                EXPECT(drag(grip, grip + QPoint(-120, 60)));
                EXPECT(QTest::qWaitFor([dialog, before]() { return dialog->pos() == before + QPoint(-120, 60); }, 2000));

                EXPECT(clickWidget(buttonWithText(dialog, QStringLiteral("取消"))));
            },
            &failures);
        panel.showWebcamSettings();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
        QCOMPARE(bubble.geometry(), bottomRight);
        QCOMPARE(panel.webcamPosition(), 3);
        QVERIFY(CameraHub::instance().isRunning("/dev/video0")); // the bubble still uses it

        bubble.stopCamera();
        QVERIFY(!bubble.isVisible());
        QVERIFY(!CameraHub::instance().isRunning("/dev/video0"));
        CameraHub::setTestDevices(std::nullopt);
    }

    void pageFramingAndSnapshot()
    {
        CameraHub::setTestDevices(fakeCameras(1));
        CameraRecordingPage page;
        page.resize(1100, 700);
        page.move(60, 60);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.startPreview();
        CameraFeeder feeder("/dev/video0", splitPicture());
        QTRY_VERIFY(page.ready());

        const QList<QPushButton *> framing = page.findChildren<QPushButton *>(QStringLiteral("CameraFloatingButton"));
        QVERIFY(isColor(page.recordingFrame().pixel(100, 360), Qt::red));
        QVERIFY(clickWidget(framing[0]));
        QTRY_VERIFY(isColor(page.recordingFrame().pixel(100, 360), Qt::blue));
        QVERIFY(clickWidget(framing[1]));
        QTRY_COMPARE(page.recordingFrame().size(), QSize(720, 1280));
        QVERIFY(isColor(page.recordingFrame().pixel(360, 100), Qt::black, 2));
        QVERIFY(clickWidget(framing[2]));
        QTRY_VERIFY(!isColor(page.recordingFrame().pixel(360, 100), Qt::black, 2));
        QCOMPARE(framing[2]->text(), QStringLiteral("Fill"));
        QVERIFY(clickWidget(framing[1]));
        QVERIFY(clickWidget(framing[2]));
        QTRY_COMPARE(page.recordingFrame().size(), QSize(1280, 720));

        // Snapshot through the real file dialog, a name typed without ".png".
        QTemporaryDir dir;
        const QString typed = dir.filePath(QStringLiteral("camera shot"));
        QStringList failures;
        whileModal(
            [typed](QWidget *dialog, QStringList &failures) {
                auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                EXPECT(name);
                if (!name)
                    return;
                EXPECT(clickWidget(name));
                EXPECT(key(QStringLiteral("ctrl+a")));
                EXPECT(xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), typed}));
                EXPECT(QTest::qWaitFor([name, typed]() { return name->text() == typed; }, 3000));
                EXPECT(key(QStringLiteral("Return")));
            },
            &failures);
        QVERIFY(clickWidget(page.findChildren<QToolButton *>(QStringLiteral("CameraActionButton")).first()));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(typed), 10000);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
        QImage saved;
        QTRY_VERIFY(saved.load(typed, "PNG"));
        QCOMPARE(saved.size(), QSize(1280, 720));
        QVERIFY(isColor(saved.pixel(100, 360), Qt::blue, 2));
        page.stopPreview();
        CameraHub::setTestDevices(std::nullopt);
    }

    void noCameraOnThisMachine()
    {
        CameraHub::setTestDevices(std::nullopt);
        if (!QDir(QStringLiteral("/dev")).entryList({QStringLiteral("video*")}, QDir::System).isEmpty())
            QSKIP("this machine has a camera");
        QVERIFY(CameraHub::devices().isEmpty());

        CameraRecordingPage page;
        page.resize(900, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.startPreview();
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("CameraPreview"))->text(),
                 QStringLiteral("No camera found. Connect a camera and return to this page."));
        QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("CameraRecordButton"))->isEnabled());

        CameraSettingsDialog dialog(false, nullptr);
        QComboBox *device = dialog.findChildren<QComboBox *>().first();
        QCOMPARE(device->currentText(), QStringLiteral("未检测到摄像头"));
        QVERIFY(!device->isEnabled());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        bool said = false;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            said = said || label->text() == QStringLiteral("未检测到可用摄像头");
        QVERIFY(said);
        dialog.reject();

        CameraOverlay bubble;
        QVERIFY(!bubble.startCamera(QString(), 1080, 30, 1, 3, 50, true, QRect()));
        QVERIFY(!bubble.isVisible());
        page.stopPreview();
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    // The program's own style sheet, as main() applies it.
    QFile style(QStringLiteral(":/styles/styles/dark.qss"));
    if (style.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(style.readAll()));
    TestWebcamWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webcam_windows.moc"
