// Webcam logic without a camera: stand-in devices whose pictures are fed into the
// shared camera's sink, the composition of the recorded picture, the page's
// freshness and failure reports, the settings dialog, the bubble's placement and the
// camera permission step of the controls panel.

#include "../support/WebcamTestSupport.h"

#include "dialogs/CameraSettingsDialog.h"
#include "overlays/CameraOverlay.h"
#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/MacCameraPermission.h"
#include "preparation/CameraRecordingPage.h"
#include "preparation/ControlsArea.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace webcamtest;

namespace {

QPushButton *buttonNamed(QWidget *root, const QString &objectName, int index = 0)
{
    const QList<QPushButton *> buttons = root->findChildren<QPushButton *>(objectName);
    return index < buttons.size() ? buttons[index] : nullptr;
}

QPushButton *buttonWithText(QWidget *root, const QString &text)
{
    const QList<QPushButton *> buttons = root->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// The webcam settings dialog's switches ("开关"), the preview's first.
QList<QPushButton *> switches(QWidget *dialog)
{
    QList<QPushButton *> found;
    for (QPushButton *b : dialog->findChildren<QPushButton *>())
        if (b->accessibleName() == QStringLiteral("开关"))
            found << b;
    return found;
}

// Whether the webcam settings dialog's preview badge shows the live camera's green dot.
bool previewIsLive(QWidget *dialog)
{
    auto *badge = dialog->findChild<QLabel *>(QStringLiteral("PreviewBadge"));
    return badge && badge->text().contains(QStringLiteral("#58d26b"));
}

// Answers the next modal message box by clicking the button with that text; records
// the box's text.
void answerNextBox(const QString &buttonText, QString *seenText = nullptr, int *boxes = nullptr)
{
    auto *poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, buttonText, seenText, boxes]() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (seenText)
            *seenText = box->text();
        if (boxes)
            ++*boxes;
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == buttonText) {
                button->click();
                break;
            }
        }
        poll->deleteLater();
    });
    poll->start();
}

struct ManualClock
{
    qint64 now = 100000;
    CameraRecordingPage::Clock function()
    {
        return [this]() { return now; };
    }
};

} // namespace

class TestWebcam : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        CameraHub::setTestDevices(fakeCameras(2));
        setMacCameraPermissionOverride(std::nullopt);
    }
    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(CameraHub::instance().isRunning("/dev/video0"), false);
        CameraHub::setTestDevices(std::nullopt);
        setMacCameraPermissionOverride(std::nullopt);
    }

    void formatChoice()
    {
        using F = CameraFormatInfo;
        // Frame rate first, then height, earliest wins ties.
        QCOMPARE(chooseCameraFormat({F{QSize(1280, 720), 15, 60}, F{QSize(1280, 720), 30, 30}},
                                    CameraFormatWish::scored(0, 30)),
                 1);
        QCOMPARE(chooseCameraFormat({F{QSize(1920, 1080), 30, 30}, F{QSize(1280, 720), 30, 30},
                                     F{QSize(1280, 720), 5, 30}},
                                    CameraFormatWish::scored(720, 0)),
                 1);
        const QList<F> all30 = {F{QSize(640, 480), 30, 30}, F{QSize(1280, 720), 30, 30}};
        QCOMPARE(chooseCameraFormat(all30, CameraFormatWish::scored(0, 60)), 0);
        QCOMPARE(chooseCameraFormat(all30, CameraFormatWish::scored(0, 0)), 0);
        QCOMPARE(chooseCameraFormat({}, CameraFormatWish::scored(720, 30)), -1);
        // 29.5 rounds to 30 (half away from zero).
        QCOMPARE(chooseCameraFormat({F{QSize(1280, 720), 5, 25}, F{QSize(1280, 720), 29.5f, 29.5f}},
                                    CameraFormatWish::scored(720, 30)),
                 1);
        // The page's rule: exactly 1280x720 reaching 30 frames per second, else the default.
        QCOMPARE(chooseCameraFormat({F{QSize(1280, 720), 5, 15}, F{QSize(1280, 720), 5, 30}},
                                    CameraFormatWish::hd720()),
                 1);
        QCOMPARE(chooseCameraFormat({F{QSize(1280, 720), 5, 15}, F{QSize(1920, 1080), 30, 60}},
                                    CameraFormatWish::hd720()),
                 -1);
    }

    void bubblePlacementAndMockup()
    {
        // Size 0 at 1920: a 192x108 rounded rectangle 23 px from the edges (top right).
        QCOMPARE(CameraOverlay::bubbleGeometry(QRect(0, 0, 1920, 1080), 1, 1, 0), QRect(1920 - 23 - 192, 23, 192, 108));
        QCOMPARE(CameraOverlay::bubbleGeometry(QRect(0, 0, 3840, 2160), 1, 0, 100).width(), 520);
        QCOMPARE(CameraOverlay::bubbleGeometry(QRect(0, 0, 600, 400), 1, 0, 0).width(), 96);
        // Clamps: position 11 -> 8 (bottom centre), -3 -> 0 (top left), size 150 -> 100.
        const QRect r(100, 50, 1000, 800);
        QCOMPARE(CameraOverlay::bubbleGeometry(r, 1, 11, 50), CameraOverlay::bubbleGeometry(r, 1, 8, 50));
        QCOMPARE(CameraOverlay::bubbleGeometry(r, 1, -3, 50).topLeft(), QPoint(100 + 12, 50 + 12));
        QCOMPARE(CameraOverlay::bubbleGeometry(r, 1, 0, 150), CameraOverlay::bubbleGeometry(r, 1, 0, 100));
        const QRect bottomCentre = CameraOverlay::bubbleGeometry(r, 1, 8, 50);
        QCOMPARE(bottomCentre.bottom(), r.bottom() - 12);
        QCOMPARE(bottomCentre.left(), r.left() + (r.width() - 240) / 2);
        // The circle is square; a null rectangle means the primary screen.
        const QRect circle = CameraOverlay::bubbleGeometry(r, 0, 6, 50);
        QCOMPARE(circle.width(), circle.height());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(CameraOverlay::bubbleGeometry(QRect(), 1, 0, 50),
                 CameraOverlay::bubbleGeometry(screen, 1, 0, 50));
        // Two displays side by side at 1.5 have a gap from 1280 to 1920 points: at the top
        // centre of an area across both, the bubble sits at the middle of the area's device
        // pixels (x 1920), as wide as for its 1280 points.
        const QList<DisplayGeometry::Display> displays{{QRect(0, 0, 1280, 720), 1.5, QRect(0, 0, 1920, 1080)},
                                                       {QRect(1920, 0, 1280, 720), 1.5, QRect(1920, 0, 1920, 1080)}};
        const QRect across = DisplayGeometry::toLogical(displays, QRect(960, 0, 1920, 1080));
        const QRect bubble = CameraOverlay::deviceBubbleGeometry(displays, across, 1, 4, 50);
        QVERIFY2(qAbs(bubble.center().x() - 1920) <= 1, qPrintable(QString::number(bubble.center().x())));
        QCOMPARE(bubble.width(), int(std::lround(CameraOverlay::bubbleGeometry(QRect(0, 0, 1280, 720), 1, 4, 50).width() * 1.5)));

        // The dialog's mock-up: W 624, defaults -> 268x151 at (342, 14); the circle 151
        // wide at x + 58.
        const QRect box = CameraSettingsDialog::mockupBox(QSize(624, 190), 50, 1);
        QCOMPARE(box, QRect(342, 14, 268, 151));
        const QRectF circlePath = CameraSettingsDialog::mockupPath(box, 0).boundingRect();
        QCOMPARE(circlePath, QRectF(342 + 58, 14, 151, 151));
        QCOMPARE(CameraSettingsDialog::mockupBox(QSize(624, 190), 0, 0).width(), 100); // 0.16 of W
    }

    void hubSharesOneCamera()
    {
        CameraHub &hub = CameraHub::instance();
        auto *a = new CameraFeed;
        auto *b = new CameraFeed;
        CameraFeed other;
        QSignalSpy aFrames(a, &CameraFeed::frameReady);
        QSignalSpy bFrames(b, &CameraFeed::frameReady);
        QSignalSpy otherFrames(&other, &CameraFeed::frameReady);
        QVERIFY(a->start("/dev/video0", CameraFormatWish::hd720()));
        QVERIFY(b->start("/dev/video0", CameraFormatWish::scored(1080, 30)));
        QVERIFY(other.start("/dev/video1", CameraFormatWish::hd720()));
        QVERIFY(!CameraFeed().start("/dev/video9", CameraFormatWish::hd720()));
        QCOMPARE(hub.feedCount("/dev/video0"), 2);
        QCOMPARE(hub.formatIndex("/dev/video0"), 1); // the first user's wish; the second is not alone

        const qint64 converted = hub.convertedFrames();
        QVERIFY(feed("/dev/video0", splitPicture()));
        QCOMPARE(hub.convertedFrames(), converted + 1); // once for both
        QCOMPARE(aFrames.size(), 1);
        QCOMPARE(bFrames.size(), 1);
        QCOMPARE(otherFrames.size(), 0);
        const QImage received = aFrames[0][0].value<QImage>();
        QCOMPARE(received.size(), QSize(1280, 720));
        QVERIFY(isColor(received.pixel(10, 10), Qt::red, 2));
        QVERIFY(isColor(received.pixel(1270, 10), Qt::blue, 2));

        // A user deleted while the picture is handed out: the next one still gets it.
        connect(a, &CameraFeed::frameReady, this, [&b]() {
            delete b;
            b = nullptr;
        });
        QVERIFY(feed("/dev/video0", splitPicture()));
        QCOMPARE(aFrames.size(), 2);
        QVERIFY(!b);
        QCOMPARE(hub.feedCount("/dev/video0"), 1);

        // Alone now, a new wish applies.
        QVERIFY(a->start("/dev/video0", CameraFormatWish::scored(1080, 30)));
        QCOMPARE(hub.formatIndex("/dev/video0"), 2);

        // Errors reach every user of the device.
        QSignalSpy errors(a, &CameraFeed::errorOccurred);
        hub.raiseError("/dev/video0", QStringLiteral("busy"));
        QCOMPARE(errors.size(), 1);
        QVERIFY(a->hasError());

        // The last user leaving closes the camera, also from inside a delivery.
        connect(a, &CameraFeed::frameReady, a, &CameraFeed::stop);
        QVERIFY(feed("/dev/video0", splitPicture()));
        QVERIFY(!hub.isRunning("/dev/video0"));
        QVERIFY(!feed("/dev/video0", splitPicture()));
        delete a;
        other.stop();
        QVERIFY(!hub.isRunning("/dev/video1"));
    }

    void recordingFrameComposition()
    {
        CameraRecordingPage page;
        page.resize(1000, 640);
        page.show();
        page.startPreview();
        QVERIFY(feed("/dev/video0", splitPicture()));
        QPushButton *mirror = buttonNamed(&page, QStringLiteral("CameraFloatingButton"), 0);
        QPushButton *portrait = buttonNamed(&page, QStringLiteral("CameraFloatingButton"), 1);
        QPushButton *fit = buttonNamed(&page, QStringLiteral("CameraFloatingButton"), 2);
        QVERIFY(mirror && portrait && fit);

        QImage frame = page.recordingFrame();
        QCOMPARE(frame.size(), QSize(1280, 720));
        QCOMPARE(frame.format(), QImage::Format_ARGB32);
        QVERIFY(isColor(frame.pixel(100, 360), Qt::red));
        QCOMPARE(page.recordingFrame().constBits(), frame.constBits()); // reused while nothing changed

        // Portrait, Fit: 720x405 centred, black bars above and below.
        portrait->click();
        frame = page.recordingFrame();
        QCOMPARE(frame.size(), QSize(720, 1280));
        const int top = (1280 - 405) / 2;
        QVERIFY(isColor(frame.pixel(100, top - 3), Qt::black, 2));
        QVERIFY(isColor(frame.pixel(100, top + 3), Qt::red));
        QVERIFY(isColor(frame.pixel(620, top + 402), Qt::blue));
        QVERIFY(isColor(frame.pixel(100, top + 408), Qt::black, 2));

        // Portrait, Fill: 2275 wide at x -777, so the colour boundary sits at x 360.
        fit->click();
        QCOMPARE(fit->text(), QStringLiteral("Fill"));
        frame = page.recordingFrame();
        QVERIFY(isColor(frame.pixel(350, 10), Qt::red));
        QVERIFY(isColor(frame.pixel(372, 1270), Qt::blue));
        QVERIFY(isColor(frame.pixel(0, 640), Qt::red));
        QVERIFY(isColor(frame.pixel(719, 640), Qt::blue));

        // Mirror on the same picture changes the frame, the preview and the snapshot alike.
        portrait->click();
        fit->click();
        const QLabel *preview = page.findChild<QLabel *>(QStringLiteral("CameraPreview"));
        QImage shown = preview->pixmap().toImage();
        QVERIFY(isColor(shown.pixel(shown.width() / 4, shown.height() / 2), Qt::red));
        mirror->click();
        frame = page.recordingFrame();
        QVERIFY(isColor(frame.pixel(100, 360), Qt::blue));
        shown = preview->pixmap().toImage();
        QVERIFY(isColor(shown.pixel(shown.width() / 4, shown.height() / 2), Qt::blue));

        // Snapshot: a name without an image suffix is written as PNG; a missing folder
        // says so.
        QTemporaryDir dir;
        const QString typed = dir.filePath(QStringLiteral("my shot"));
        page.setSnapshotPathProvider([&typed](const QString &proposed) {
            Q_ASSERT(proposed.endsWith(QStringLiteral(".png")));
            return typed;
        });
        page.saveSnapshot();
        QImage saved(typed, "PNG");
        QCOMPARE(saved.size(), QSize(1280, 720));
        QVERIFY(isColor(saved.pixel(100, 360), Qt::blue, 2));
        const QString missing = dir.filePath(QStringLiteral("no/such/folder/x.png"));
        page.setSnapshotPathProvider([&missing](const QString &) { return missing; });
        QString boxText;
        answerNextBox(QStringLiteral("&OK"), &boxText);
        answerNextBox(QStringLiteral("OK"), &boxText);
        page.saveSnapshot();
        QCOMPARE(boxText, QStringLiteral("Could not save the image."));
        page.stopPreview();
        QVERIFY(page.recordingFrame().isNull());
    }

    void pageFreshnessAndFailures()
    {
        ManualClock clock;
        CameraRecordingPage page;
        page.setClock(clock.function());
        QSignalSpy failures(&page, &CameraRecordingPage::captureFailed);
        QPushButton *rec = buttonNamed(&page, QStringLiteral("CameraRecordButton"));
        page.startPreview();
        QVERIFY(!page.ready());
        QVERIFY(!rec->isEnabled());
        QVERIFY(feed("/dev/video0", splitPicture()));
        QVERIFY(page.ready());
        QVERIFY(rec->isEnabled());
        clock.now += 4999;
        QVERIFY(page.ready());
        clock.now += 1;
        QVERIFY(!page.ready());
        QVERIFY(page.recordingFrame().isNull());
        // REC stays off when the picture went stale.
        page.setBusy(false, false);
        QVERIFY(!rec->isEnabled());

        // Idle: no failure report however long the stall.
        QTest::qWait(1300);
        QCOMPARE(failures.size(), 0);

        // Recording: one report per stall, after the current signal has returned.
        page.setBusy(true, false);
        QCOMPARE(rec->text(), QStringLiteral("Pause"));
        QVERIFY(rec->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(failures.size(), 1, 2500);
        QTest::qWait(1300);
        QCOMPARE(failures.size(), 1);
        QVERIFY(feed("/dev/video0", splitPicture())); // a new picture ends the stall
        clock.now += 6000;
        QTRY_COMPARE_WITH_TIMEOUT(failures.size(), 2, 2500);
        page.setBusy(true, true);
        QCOMPARE(rec->text(), QStringLiteral("Resume"));
        page.setBusy(false, false);
        QCOMPARE(rec->text(), QStringLiteral("REC"));
        QVERIFY(!buttonNamed(&page, QStringLiteral("CameraStopButton"))->isVisibleTo(&page));

        // A camera error while recording: reported once, on a later turn of the loop.
        page.setBusy(true, false);
        QVERIFY(feed("/dev/video0", splitPicture()));
        failures.clear();
        connect(&page, &CameraRecordingPage::captureFailed, this, [&]() { QCOMPARE(failures.size(), 1); });
        CameraHub::instance().raiseError("/dev/video0", QStringLiteral("Device busy"));
        QCOMPARE(failures.size(), 0);
        QTRY_COMPARE(failures.size(), 1);
        QCOMPARE(failures[0][0].toString(), QStringLiteral("Device busy"));
        // The picture is gone with the error: the watchdog has nothing more to say.
        QTest::qWait(1300);
        QCOMPARE(failures.size(), 1);
        page.setBusy(false, false);
        page.stopPreview();
    }

    void errorAnsweredByModalBoxAndStop()
    {
        // The main window answers captureFailed by stopping the preview inside a modal
        // box: the camera that reported the error must survive its own signal.
        auto *page = new CameraRecordingPage;
        page->startPreview();
        QVERIFY(feed("/dev/video0", splitPicture()));
        page->setBusy(true, false);
        int answered = 0;
        connect(page, &CameraRecordingPage::captureFailed, page, [page, &answered]() {
            ++answered;
            answerNextBox(QStringLiteral("&OK"));
            answerNextBox(QStringLiteral("OK"));
            QMessageBox::warning(page, QStringLiteral("Camera Recording"), QStringLiteral("stopped"));
            page->setBusy(false, false);
            page->stopPreview();
        });
        CameraHub::instance().raiseError("/dev/video0", QString());
        QTRY_COMPARE(answered, 1);
        QVERIFY(!CameraHub::instance().isRunning("/dev/video0"));
        QTest::qWait(50);
        delete page;
    }

    void pageControls()
    {
        CameraRecordingPage page;
        QSignalSpy system(&page, &CameraRecordingPage::systemToggled);
        QSignalSpy microphone(&page, &CameraRecordingPage::microphoneToggled);
        QSignalSpy systemMenu(&page, &CameraRecordingPage::systemMenuRequested);
        QSignalSpy settings(&page, &CameraRecordingPage::settingsRequested);
        page.setAudioStates(true, false);
        QCOMPARE(system.size() + microphone.size(), 0);
        const QList<QLabel *> statuses = page.findChildren<QLabel *>(QStringLiteral("CameraStatusOn"));
        QCOMPARE(statuses.size(), 3);
        QVERIFY(statuses[1]->text().endsWith(QStringLiteral("On")));
        QVERIFY(statuses[2]->text().endsWith(QStringLiteral("Off")));

        // The icon does what the toggle's text does, signal included.
        buttonNamed(&page, QStringLiteral("CameraDeviceIconToggle"), 0)->click();
        QCOMPARE(system.size(), 1);
        QCOMPARE(system[0][0].toBool(), false);
        buttonNamed(&page, QStringLiteral("CameraDeviceToggle"), 0)->click();
        QCOMPARE(system.size(), 2);
        QCOMPARE(system[1][0].toBool(), true);

        // Recording: audio toggles still work, menus and options do not.
        page.setBusy(true, false);
        buttonNamed(&page, QStringLiteral("CameraDeviceIconToggle"), 1)->click();
        QCOMPARE(microphone.size(), 1);
        QVERIFY(!buttonNamed(&page, QStringLiteral("CameraDeviceMenu"), 0)->isEnabled());
        emit buttonNamed(&page, QStringLiteral("CameraDeviceMenu"), 0)->clicked();
        const QList<QToolButton *> actions = page.findChildren<QToolButton *>(QStringLiteral("CameraActionButton"));
        emit actions[3]->clicked();
        QCOMPARE(systemMenu.size() + settings.size(), 0);
        page.setBusy(false, false);
        buttonNamed(&page, QStringLiteral("CameraDeviceMenu"), 0)->click();
        actions[3]->click();
        QCOMPARE(systemMenu.size(), 1);
        QCOMPARE(settings.size(), 1);

        QLabel *timer = page.findChild<QLabel *>(QStringLiteral("CameraTimer"));
        page.setTime(59);
        QCOMPARE(timer->text(), QStringLiteral("00:59"));
        page.setTime(6000);
        QCOMPARE(timer->text(), QStringLiteral("100:00"));

        // The floating tools stay inside a tiny preview.
        page.resize(60, 200);
        page.show();
        QWidget *tools = page.findChild<QWidget *>(QStringLiteral("CameraFloatingTools"));
        QVERIFY(tools->x() >= 8);
        QVERIFY(tools->y() >= 8);
    }

    void silentCamera()
    {
        // A camera that never delivers a picture says so 8 s after it started, unless
        // it reported an error, whose text stays.
        CameraRecordingPage silent;
        CameraRecordingPage failing;
        QLabel *silentPreview = silent.findChild<QLabel *>(QStringLiteral("CameraPreview"));
        QLabel *failingPreview = failing.findChild<QLabel *>(QStringLiteral("CameraPreview"));
        silent.startPreview();
        failing.startPreview();
        failing.findChild<QComboBox *>(QStringLiteral("CameraDeviceCombo"))->setCurrentIndex(1);
        QVERIFY(CameraHub::instance().isRunning("/dev/video1"));
        CameraHub::instance().raiseError("/dev/video1", QStringLiteral("Device or resource busy"));
        QCOMPARE(silentPreview->text(), QStringLiteral("Starting camera…"));
        QTest::qWait(7500);
        QCOMPARE(silentPreview->text(), QStringLiteral("Starting camera…"));
        QTRY_COMPARE_WITH_TIMEOUT(silentPreview->text(),
                                  QStringLiteral("Camera did not deliver a picture. Check camera access and whether "
                                                 "another app is using it, then select the camera again."),
                                  1500);
        QCOMPARE(failingPreview->text(), QStringLiteral("Device or resource busy"));
        silent.stopPreview();
        failing.stopPreview();
    }

    void fixedSizesUnderTheProgramsStyleSheet()
    {
        // The program's style sheet gives every button a minimum height and padding:
        // the round REC button, the framing pill and the dialog's switches and buttons
        // keep their sizes (a radius over half the height is dropped by Qt).
        QFile style(QStringLiteral(":/styles/styles/dark.qss"));
        QVERIFY(style.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(style.readAll()));
        {
            CameraRecordingPage page;
            page.resize(1000, 640);
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            QCOMPARE(buttonNamed(&page, QStringLiteral("CameraRecordButton"))->size(), QSize(70, 70));
            QCOMPARE(buttonNamed(&page, QStringLiteral("CameraFloatingButton"), 1)->height(), 42);
            QCOMPARE(page.findChild<QWidget *>(QStringLiteral("CameraFloatingTools"))->height(), 50);
            QCOMPARE(buttonNamed(&page, QStringLiteral("CameraDeviceIconToggle"))->size(), QSize(44, 44));

            CameraSettingsDialog dialog(true, nullptr);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCOMPARE(buttonWithText(&dialog, QStringLiteral("完成"))->size(), QSize(132, 44));
            QCOMPARE(buttonWithText(&dialog, QStringLiteral("取消"))->size(), QSize(132, 44));
            for (QPushButton *b : dialog.findChildren<QPushButton *>()) {
                if (b->accessibleName() == QStringLiteral("开关"))
                    QCOMPARE(b->size(), QSize(48, 26));
            }
            dialog.reject();
            page.stopPreview();
        }
        qApp->setStyleSheet(QString());
    }

    void pageWithoutCamera()
    {
        CameraHub::setTestDevices(QList<CameraDeviceInfo>{});
        CameraRecordingPage page;
        page.startPreview();
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("CameraPreview"))->text(),
                 QStringLiteral("No camera found. Connect a camera and return to this page."));
        QVERIFY(!buttonNamed(&page, QStringLiteral("CameraRecordButton"))->isEnabled());
        QVERIFY(!page.ready());
        page.stopPreview();
    }

    void pagePermission()
    {
        // Not asked yet: the page asks and starts the camera once access is granted.
        setMacCameraPermissionOverride(MacCameraPermissionOverride{2, true, true});
        CameraRecordingPage page;
        QLabel *preview = page.findChild<QLabel *>(QStringLiteral("CameraPreview"));
        page.startPreview();
        QCOMPARE(preview->text(), QStringLiteral("Requesting camera access…"));
        QVERIFY(!CameraHub::instance().isRunning("/dev/video0"));
        QCOMPARE(releaseMacCameraPermissionAnswers(), 1);
        QTRY_VERIFY(CameraHub::instance().isRunning("/dev/video0"));
        page.stopPreview();

        // Refused: the text, the help box once; "Open Settings", access granted there
        // and the application active again restart the preview by themselves.
        setMacCameraPermissionOverride(MacCameraPermissionOverride{1, false, false});
        int boxes = 0;
        QString boxText;
        answerNextBox(QStringLiteral("Open Settings"), &boxText, &boxes);
        page.startPreview();
        page.startPreview(); // a second attempt while the box is queued shows no second box
        QVERIFY(preview->text().startsWith(QStringLiteral("Camera access is off.")));
        QTRY_COMPARE(boxes, 1);
        QTest::qWait(100);
        QCOMPARE(boxes, 1);
        QCOMPARE(boxText, QStringLiteral("Camera access is off. Allow Vistrelle in System Settings > Privacy & Security > "
                                         "Camera."));
        emit qApp->applicationStateChanged(Qt::ApplicationActive); // still refused: keeps waiting
        QTest::qWait(20);
        QVERIFY(!CameraHub::instance().isRunning("/dev/video0"));
        setMacCameraPermissionOverride(MacCameraPermissionOverride{0, true, false});
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QTRY_VERIFY(CameraHub::instance().isRunning("/dev/video0"));
        QVERIFY(feed("/dev/video0", splitPicture()));
        QVERIFY(page.ready());
        page.stopPreview();
    }

    void dialogControls()
    {
        CameraSettingsDialog dialog(true, nullptr);
        QSignalSpy published(&dialog, &CameraSettingsDialog::previewSettingsChanged);
        const QList<QComboBox *> combos = dialog.findChildren<QComboBox *>();
        QCOMPARE(combos.size(), 4);
        QComboBox *device = combos[0], *quality = combos[1], *fps = combos[2], *position = combos[3];

        CameraSettings odd;
        odd.resolution = 480;
        odd.position = 12;
        odd.fps = 60;
        odd.deviceId = QStringLiteral("/dev/video1");
        dialog.setSettings(odd);
        QCOMPARE(quality->currentText(), QStringLiteral("自动"));
        QCOMPARE(position->currentText(), QStringLiteral("左上"));
        QCOMPARE(fps->currentData().toInt(), 60);
        QCOMPARE(device->currentText(), QStringLiteral("Test Camera 2"));

        // Only the grid, the shape, the slider and the mirror publish.
        published.clear();
        quality->setCurrentIndex(1);
        fps->setCurrentIndex(2);
        device->setCurrentIndex(0);
        QCOMPARE(published.size(), 0);

        // A click on the border column shared by two grid cells picks the left one,
        // on the shared row the upper one.
        QWidget *grid = nullptr;
        for (QWidget *w : dialog.findChildren<QWidget *>()) {
            if (w->accessibleName() == QStringLiteral("摄像头位置九宫格"))
                grid = w;
        }
        QVERIFY(grid);
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(32, 32));
        QCOMPARE(position->currentData().toInt(), 6); // the centre, first of the four sharing that pixel
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(19, 6));
        QCOMPARE(position->currentData().toInt(), 0); // top left, not top centre
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(32, 19));
        QCOMPARE(position->currentData().toInt(), 4); // top centre of the four sharing that pixel
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(44, 44));
        QCOMPARE(position->currentData().toInt(), 3);
        QCOMPARE(published.size(), 4);
        QCOMPARE(published.last()[0].value<CameraSettings>().position, 3);

        buttonWithText(&dialog, QStringLiteral("圆形"))->click();
        dialog.findChild<QSlider *>()->setValue(80);
        QPushButton *mirror = nullptr;
        for (QPushButton *b : dialog.findChildren<QPushButton *>()) {
            if (b->accessibleName() == QStringLiteral("开关"))
                mirror = b; // the last switch is the mirror switch
        }
        mirror->click();
        QCOMPARE(published.size(), 7);
        const CameraSettings live = published.last()[0].value<CameraSettings>();
        QCOMPARE(live.shape, 0);
        QCOMPARE(live.size, 80);
        QCOMPARE(live.mirrored, false);

        // Done copies the controls into the kept record.
        QTimer::singleShot(0, &dialog, [&dialog]() { buttonWithText(&dialog, QStringLiteral("完成"))->click(); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        const CameraSettings kept = dialog.settings();
        QCOMPARE(kept.deviceId, QStringLiteral("/dev/video0"));
        QCOMPARE(kept.deviceName, QStringLiteral("Test Camera 1"));
        QCOMPARE(kept.resolution, 720);
        QCOMPARE(kept.fps, 30);
        QCOMPARE(kept.position, 3);
        QCOMPARE(kept.shape, 0);
        QCOMPARE(kept.size, 80);
        QCOMPARE(kept.mirrored, false);
        QVERIFY(!CameraHub::instance().isRunning("/dev/video0")); // Done stops the preview
    }

    void dialogWithoutCamera()
    {
        CameraHub::setTestDevices(QList<CameraDeviceInfo>{});
        CameraSettingsDialog dialog(false, nullptr);
        QComboBox *device = dialog.findChildren<QComboBox *>().first();
        QCOMPARE(device->currentText(), QStringLiteral("未检测到摄像头"));
        QVERIFY(!device->isEnabled());
        dialog.show();
        // The preview tells there is no camera where it can be seen, and nothing says one is starting.
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            QVERIFY(label->text() != QStringLiteral("正在启动摄像头…"));
            if (label->text() == QStringLiteral("未检测到可用摄像头"))
                QVERIFY(label->isVisible() && !label->visibleRegion().isEmpty());
        }
        bool said = false;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            said = said || label->text() == QStringLiteral("未检测到可用摄像头");
        QVERIFY(said);
        // Nothing claims a live camera: the badge's dot is not green, the switch is off.
        QVERIFY(!previewIsLive(&dialog));
        QPushButton *previewSwitch = switches(&dialog).first();
        QVERIFY(!previewSwitch->isChecked() && !previewSwitch->isEnabled());
        dialog.reject();
        CameraOverlay bubble;
        QVERIFY(!bubble.startCamera(QString(), 1080, 30, 1, 1, 50, true, QRect(0, 0, 800, 600)));
        QVERIFY(!bubble.isVisible());
    }

    // The preview's badge shows a live camera only while its pictures come in.
    void dialogBadgeFollowsCamera()
    {
        CameraSettingsDialog dialog(true, nullptr);
        dialog.show();
        QVERIFY(switches(&dialog).first()->isChecked());
        QTRY_VERIFY(CameraHub::instance().isRunning("/dev/video0"));
        QVERIFY(!previewIsLive(&dialog));
        QVERIFY(feed("/dev/video0", splitPicture()));
        QTRY_VERIFY(previewIsLive(&dialog));
        switches(&dialog).first()->click();
        QVERIFY(!previewIsLive(&dialog));
        dialog.reject();
    }

    void permissionNotDetermined()
    {
        setMacCameraPermissionOverride(MacCameraPermissionOverride{2, true, true});
        ControlsArea panel;
        QSignalSpy preview(&panel, &ControlsArea::preparationWebcamPreviewChanged);
        auto *toggle = panel.findChild<QPushButton *>(QString::fromLatin1(ControlsArea::WebcamToggleName));
        QVERIFY(toggle);
        toggle->click(); // asks
        toggle->click(); // waits for that answer
        QVERIFY(!panel.isWebcamEnabled());
        QCOMPARE(releaseMacCameraPermissionAnswers(), 1);
        QTRY_VERIFY(panel.isWebcamEnabled()); // the grant switches it on without another click
        QCOMPARE(macCameraPermissionStatus(), 0);
        QCOMPARE(preview.size(), 1);
        // Switching off never asks.
        setMacCameraPermissionOverride(MacCameraPermissionOverride{2, false, true});
        toggle->click();
        QVERIFY(!panel.isWebcamEnabled());
        QCOMPARE(releaseMacCameraPermissionAnswers(), 0);
    }

    void permissionDenied()
    {
        setMacCameraPermissionOverride(MacCameraPermissionOverride{1, false, false});
        ControlsArea panel;
        auto *toggle = panel.findChild<QPushButton *>(QString::fromLatin1(ControlsArea::WebcamToggleName));
        QString text;
        int boxes = 0;
        answerNextBox(QStringLiteral("Close"), &text, &boxes);
        toggle->click();
        QCOMPARE(boxes, 1);
        QCOMPARE(text, QStringLiteral("Camera access is off. Allow Vistrelle in System Settings > Privacy & Security > "
                                      "Camera."));
        QVERIFY(!panel.isWebcamEnabled());

        // "Open Settings", then access granted there and the application active again.
        answerNextBox(QStringLiteral("Open Settings"), nullptr, &boxes);
        toggle->click();
        QCOMPARE(boxes, 2);
        QVERIFY(!panel.isWebcamEnabled());
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QTest::qWait(20);
        QVERIFY(!panel.isWebcamEnabled()); // still refused: keeps waiting
        setMacCameraPermissionOverride(MacCameraPermissionOverride{0, true, false});
        panel.setCaptureMode(CaptureMode::AudioOnly);
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QTest::qWait(20);
        QVERIFY(!panel.isWebcamEnabled()); // not in audio-only mode
    }

    void permissionGrantedAfterSettings()
    {
        setMacCameraPermissionOverride(MacCameraPermissionOverride{1, false, false});
        ControlsArea panel;
        auto *toggle = panel.findChild<QPushButton *>(QString::fromLatin1(ControlsArea::WebcamToggleName));
        answerNextBox(QStringLiteral("Open Settings"));
        toggle->click();
        setMacCameraPermissionOverride(MacCameraPermissionOverride{0, true, false});
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QTRY_VERIFY(panel.isWebcamEnabled());
    }

    void panelWebcamSettings()
    {
        ControlsArea panel;
        QCOMPARE(panel.webcamDeviceId(), QStringLiteral("/dev/video0"));
        QCOMPARE(panel.webcamDeviceName(), QStringLiteral("Test Camera 1"));
        QCOMPARE(panel.webcamShape(), 1);
        QCOMPARE(panel.webcamPosition(), 1);
        QCOMPARE(panel.webcamSize(), 50);
        QCOMPARE(panel.webcamMirrored(), true);
        QSignalSpy presentation(&panel, &ControlsArea::preparationWebcamPresentationChanged);

        // A cancelled dialog: its live changes are published, then the kept
        // presentation comes back.
        QTimer::singleShot(0, &panel, []() {
            auto *dialog = qobject_cast<CameraSettingsDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            buttonWithText(dialog, QStringLiteral("圆形"))->click();
            buttonWithText(dialog, QStringLiteral("取消"))->click();
        });
        panel.showWebcamSettings();
        QVERIFY(presentation.size() >= 2);
        QCOMPARE(presentation[presentation.size() - 2][0].toInt(), 0); // live
        QCOMPARE(presentation.last()[0].toInt(), 1);                    // kept
        QCOMPARE(panel.webcamShape(), 1);

        // Done: the getters follow the dialog.
        QTimer::singleShot(0, &panel, []() {
            auto *dialog = qobject_cast<CameraSettingsDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChildren<QComboBox *>()[0]->setCurrentIndex(1);
            dialog->findChild<QSlider *>()->setValue(10);
            buttonWithText(dialog, QStringLiteral("完成"))->click();
        });
        panel.showWebcamSettings();
        QCOMPARE(panel.webcamSize(), 10);
        QCOMPARE(panel.webcamDeviceId(), QStringLiteral("/dev/video1"));
        QCOMPARE(panel.webcamDeviceName(), QStringLiteral("Test Camera 2"));
        QCOMPARE(presentation.last()[2].toInt(), 10);
        panel.prepareCameraForRecording();
        QVERIFY(!CameraHub::instance().isRunning("/dev/video1"));

        CameraHub::setTestDevices(QList<CameraDeviceInfo>{});
        ControlsArea empty;
        QVERIFY(empty.webcamDeviceId().isEmpty());
        QVERIFY(empty.webcamDeviceName().isEmpty());
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    TestWebcam test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webcam.moc"
