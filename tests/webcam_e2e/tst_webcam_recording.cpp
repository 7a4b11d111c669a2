// Webcam-only recordings end to end: the webcam page on a stand-in camera fed at
// 30 frames per second, the Recorder set up as the main window does for the webcam
// mode, the real ffmpeg, and the files checked with ffprobe. A real camera is
// recorded when the machine has one.

#include "../support/XdotoolDriver.h"
#include "../support/RoadTestSupport.h"
#include "../support/WebcamTestSupport.h"

#include "preparation/CameraRecordingPage.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

using namespace webcamtest;

namespace {

QPushButton *framingButton(QWidget *page, int index)
{
    return page->findChildren<QPushButton *>(QStringLiteral("CameraFloatingButton")).value(index);
}

bool clickWidget(QWidget *widget)
{
    return click(widget->mapToGlobal(widget->rect().center()));
}

// One frame of a video file at a time offset, as an image.
QImage frameAt(const QString &file, double seconds, const QString &folder)
{
    const QString png = QDir(folder).filePath(QStringLiteral("frame.png"));
    QFile::remove(png);
    QProcess::execute(QStringLiteral("/usr/bin/ffmpeg"),
                      {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-ss"), QString::number(seconds),
                       QStringLiteral("-i"), file, QStringLiteral("-frames:v"), QStringLiteral("1"), png});
    return QImage(png);
}

QString makeTone(const QString &folder)
{
    const QString tone = QDir(folder).filePath(QStringLiteral("tone.wav"));
    QProcess::execute(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"),
                                              QStringLiteral("-c"), QStringLiteral("2"), tone, QStringLiteral("synth"),
                                              QStringLiteral("3"), QStringLiteral("sine"), QStringLiteral("1000"),
                                              QStringLiteral("vol"), QStringLiteral("0.5")});
    return tone;
}

// The Recorder as the main window sets it up for a webcam-only recording.
void setUpForWebcam(Recorder &recorder, CameraRecordingPage &page, bool systemAudio)
{
    recorder.cameraFrameSource = [&page]() { return page.recordingFrame(); };
    recorder.setCaptureRect(page.window()->screen()->geometry());
    recorder.setAudioOnly(false);
    recorder.setDesktopOutputIndex(0);
    recorder.setCaptureBackend(Recorder::FramesBackend);
    recorder.setFps(30);
    recorder.setMouseEffectsEnabled(false);
    recorder.setOutputPath(QString());
    recorder.setSystemAudioEnabled(systemAudio);
    recorder.setMicEnabled(false);
    recorder.setWebcamEnabled(false);
}

} // namespace

class TestWebcamRecording : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("VISTRELLE_TEST_ENV"))
            QSKIP("needs the private test desktop (scripts/test-env.sh)");
    }

    void init()
    {
        m_dir.reset(new QTemporaryDir);
        road::useSaveFolder(m_dir->path());
        CameraHub::setTestDevices(fakeCameras(1));
    }

    void cleanup()
    {
        CameraHub::setTestDevices(std::nullopt);
        m_dir.reset();
    }

    void mirroredLandscapeThenPortrait()
    {
        CameraRecordingPage page;
        page.resize(1100, 700);
        page.move(100, 100);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.startPreview();
        CameraFeeder feeder("/dev/video0", splitPicture());
        QTRY_VERIFY(page.ready());

        QVERIFY(clickWidget(framingButton(&page, 0)));
        QVERIFY(framingButton(&page, 0)->isChecked());

        const QString tone = makeTone(m_dir->path());
        {
            Recorder recorder;
            setUpForWebcam(recorder, page, true);
            road::Spies spies(&recorder);
            page.setBusy(true, false);
            recorder.start();
            QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
            QProcess player;
            player.start(QStringLiteral("paplay"), {tone});
            QTest::qWait(4000);
            spies.markEnd();
            recorder.stop();
            QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
            player.waitForFinished(5000);
            page.setBusy(false, false);
            const QString file = spies.stopped.first().first().toString();
            const road::MediaInfo info = road::probe(file);
            QVERIFY2(info.ok, qPrintable(file + QLatin1Char(' ') + spies.lastError()));
            QCOMPARE(info.videoCodec, QStringLiteral("h264"));
            QCOMPARE(info.videoSize, QSize(1280, 720));
            QVERIFY2(road::lastsAsLaunched(info.duration, spies),
                     road::durationText(info.duration, spies.recordedSeconds()));
            QCOMPARE(info.audioStreams, 1);
            const QImage frame = frameAt(file, 2.0, m_dir->path());
            QCOMPARE(frame.size(), QSize(1280, 720));
            QVERIFY2(isColor(frame.pixel(100, 360), Qt::blue, 60), "mirrored: blue on the left");
            QVERIFY(isColor(frame.pixel(1180, 360), Qt::red, 60));
        }

        QVERIFY(clickWidget(framingButton(&page, 1)));
        QVERIFY(framingButton(&page, 1)->isChecked());
        {
            Recorder recorder;
            setUpForWebcam(recorder, page, false);
            road::Spies spies(&recorder);
            page.setBusy(true, false);
            recorder.start();
            QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
            QTest::qWait(2000);
            recorder.stop();
            QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
            page.setBusy(false, false);
            const road::MediaInfo info = road::probe(spies.stopped.first().first().toString());
            QVERIFY(info.ok);
            QCOMPARE(info.videoSize, QSize(720, 1280));
        }
        page.stopPreview();
    }

    void cameraStallStopsWithOneReport()
    {
        CameraRecordingPage page;
        page.resize(900, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.startPreview();
        CameraFeeder feeder("/dev/video0", splitPicture());
        QTRY_VERIFY(page.ready());

        Recorder recorder;
        setUpForWebcam(recorder, page, false);
        road::Spies spies(&recorder);
        QSignalSpy failures(&page, &CameraRecordingPage::captureFailed);
        page.setBusy(true, false);
        recorder.start();
        QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
        QTest::qWait(1500);
        feeder.stop();
        QElapsedTimer stall;
        stall.start();
        QTRY_COMPARE_WITH_TIMEOUT(failures.size(), 1, 8000);
        QVERIFY2(stall.elapsed() < 6500, QByteArray::number(stall.elapsed()));
        QCOMPARE(failures[0][0].toString(), QStringLiteral("Camera stopped delivering frames. Recording has been stopped."));
        // What the main window does: stop the recording.
        recorder.stop();
        QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
        page.setBusy(false, false);
        QTest::qWait(1200);
        QCOMPARE(failures.size(), 1);
        const road::MediaInfo info = road::probe(spies.stopped.first().first().toString());
        QVERIFY2(info.ok, qPrintable(spies.lastError()));
        QCOMPARE(info.videoCodec, QStringLiteral("h264"));
        QVERIFY(info.duration > 0.5);
        page.stopPreview();
    }

    void realCamera()
    {
        CameraHub::setTestDevices(std::nullopt);
        if (QDir(QStringLiteral("/dev")).entryList({QStringLiteral("video*")}, QDir::System).isEmpty())
            QSKIP("no /dev/video* on this machine: the real-camera recording cannot run here");
        if (CameraHub::devices().isEmpty())
            QSKIP("/dev/video* exists but Qt lists no camera (permissions? user not in the video group?)");
        CameraRecordingPage page;
        page.resize(900, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.startPreview();
        QTRY_VERIFY_WITH_TIMEOUT(page.ready(), 10000);
        Recorder recorder;
        setUpForWebcam(recorder, page, false);
        road::Spies spies(&recorder);
        page.setBusy(true, false);
        recorder.start();
        QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
        QTest::qWait(5000);
        spies.markEnd();
        recorder.stop();
        QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
        page.setBusy(false, false);
        const road::MediaInfo info = road::probe(spies.stopped.first().first().toString());
        QVERIFY(info.ok);
        QCOMPARE(info.videoCodec, QStringLiteral("h264"));
        QCOMPARE(info.videoSize, QSize(1280, 720));
        QVERIFY2(road::lastsAsLaunched(info.duration, spies, 1.0),
                 road::durationText(info.duration, spies.recordedSeconds()));
        page.stopPreview();
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

int main(int argc, char **argv)
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestWebcamRecording test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webcam_recording.moc"
