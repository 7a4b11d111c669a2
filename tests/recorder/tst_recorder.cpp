// The Recorder's configuration rules, output naming, tool lookup and the
// platform pieces it owns (WASAPI stand-ins, camera permission).
#include "../support/FakeTool.h"
#include "platform/mac/MacCameraPermission.h"
#include "platform/win/WasapiLoopbackCapture.h"
#include "platform/win/WasapiMicrophoneCapture.h"
#include "recording/Recorder.h"

#include <QtTest>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>

// Exposes the stored configuration for checking.
class InspectableRecorder : public Recorder
{
public:
    using Recorder::audioBitrate;
    using Recorder::audioOnly;
    using Recorder::autoSplitEnabled;
    using Recorder::autoStopEnabled;
    using Recorder::captureBackend;
    using Recorder::clickAnimation;
    using Recorder::cursorColor;
    using Recorder::effectsTargetRect;
    using Recorder::leftClickColor;
    using Recorder::micEnabled;
    using Recorder::micNoiseReduction;
    using Recorder::monoAudio;
    using Recorder::mouseEffectsEnabled;
    using Recorder::outputSize;
    using Recorder::captureStreamSize;
    using Recorder::rightClickColor;
    using Recorder::systemAudioEnabled;
    using Recorder::watermarkFilter;
    using Recorder::webcamDeviceName;
    using Recorder::webcamEnabled;
    using Recorder::webcamFps;
    using Recorder::webcamMirrored;
    using Recorder::webcamPosition;
    using Recorder::webcamResolution;
    using Recorder::webcamShape;
    using Recorder::webcamSize;
    using Recorder::audioFormat;
    using Recorder::autoSplitMegabytes;
    using Recorder::autoSplitMinutes;
    using Recorder::autoSplitMode;
    using Recorder::autoStopMegabytes;
    using Recorder::autoStopMinutes;
    using Recorder::autoStopMode;
    using Recorder::captureRect;
    using Recorder::desktopOutputIndex;
    using Recorder::fps;
    using Recorder::frameRateMode;
    using Recorder::keyframeInterval;
    using Recorder::micDelayMs;
    using Recorder::micVolume;
    using Recorder::mouseOpacity;
    using Recorder::mouseSize;
    using Recorder::outputPath;
    using Recorder::outputPathExplicit;
    using Recorder::requestedEncoder;
    using Recorder::selectedEncoder;
    using Recorder::currentSegmentPath;
    using Recorder::pipeFrameSize;
    using Recorder::systemVolume;
    using Recorder::videoBitrate;
    using Recorder::videoContainer;
};

class TestRecorder : public QObject
{
    Q_OBJECT

    QTemporaryDir settingsDir;
    QTemporaryDir saveDir;

    void setSave(const QVariant &directory, const QVariant &naming)
    {
        QSettings settings;
        settings.setValue(QStringLiteral("save/directory"), directory);
        if (naming.isValid())
            settings.setValue(QStringLiteral("save/naming"), naming);
        else
            settings.remove(QStringLiteral("save/naming"));
    }

    static void touch(const QString &path)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        QCoreApplication::setOrganizationName(QStringLiteral("VistrelleTest"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_recorder"));
    }

    void init()
    {
        QDir(saveDir.path()).removeRecursively();
        QDir().mkpath(saveDir.path());
        QSettings().clear();
    }

    // What a recording gets when the main window sets nothing.
    void defaults()
    {
        InspectableRecorder r;
        QVERIFY(r.captureRect.isNull());
        QVERIFY(r.outputPath.isEmpty() && !r.outputPathExplicit);
        QCOMPARE(r.fps, 30);
        QCOMPARE(r.videoBitrate, 4000);
        QCOMPARE(r.requestedEncoder, QStringLiteral("libx264"));
        QCOMPARE(r.videoContainer, QStringLiteral("mp4"));
        QCOMPARE(r.frameRateMode, QStringLiteral("cfr"));
        QCOMPARE(r.keyframeInterval, 2);
        QCOMPARE(int(r.captureBackend), 0);
        QCOMPARE(r.desktopOutputIndex, 0);
        QVERIFY(!r.systemAudioEnabled && !r.micEnabled && !r.audioOnly);
        QCOMPARE(r.audioFormat, QStringLiteral("mp3"));
        QCOMPARE(r.audioBitrate, 192);
        QCOMPARE(r.systemVolume, 100);
        QCOMPARE(r.micVolume, 100);
        QVERIFY(!r.micNoiseReduction && !r.monoAudio);
        QCOMPARE(r.micDelayMs, 0);
        QVERIFY(!r.webcamEnabled);
        QVERIFY(r.webcamDeviceName.isEmpty());
        QCOMPARE(r.webcamResolution, 0);
        QCOMPARE(r.webcamFps, 30);
        QCOMPARE(r.webcamShape, 1);
        QCOMPARE(r.webcamPosition, 1);
        QCOMPARE(r.webcamSize, 50);
        QVERIFY(r.webcamMirrored);
        QVERIFY(r.effectsTargetRect.isNull());
        QVERIFY(r.mouseEffectsEnabled);
        QCOMPARE(r.cursorColor, QColor(QStringLiteral("#facd15")));
        QCOMPARE(r.mouseSize, 40);
        QCOMPARE(r.mouseOpacity, 60);
        QVERIFY(r.clickAnimation);
        QCOMPARE(r.leftClickColor, QColor(QStringLiteral("#ef3d3d")));
        QCOMPARE(r.rightClickColor, QColor(QStringLiteral("#3478f6")));
        QVERIFY(r.watermarkFilter.isEmpty());
        QVERIFY(!r.autoSplitEnabled);
        QCOMPARE(r.autoSplitMode, 0);
        QCOMPARE(r.autoSplitMinutes, 10);
        QCOMPARE(r.autoSplitMegabytes, 500);
        QVERIFY(!r.autoStopEnabled);
        QCOMPARE(r.autoStopMode, 0);
        QCOMPARE(r.autoStopMinutes, 30);
        QCOMPARE(r.autoStopMegabytes, 1000);
        QVERIFY(r.selectedEncoder.isEmpty());
        QCOMPARE(r.outputSize, QSize(-1, -1));
        QCOMPARE(r.captureStreamSize, QSize(-1, -1));
        QCOMPARE(r.pipeFrameSize, QSize(-1, -1));
        QCOMPARE(r.excludedWindowId, WId(0));
        QVERIFY(!r.cameraFrameSource);
    }

    void clampsAndNormalisation()
    {
        InspectableRecorder r;
        QVERIFY(!r.isRecording() && !r.isPaused() && !r.isPreparingStart() && !r.isFinalizing());
        r.setFps(0);
        QCOMPARE(r.fps, 1);
        r.setFps(500);
        QCOMPARE(r.fps, 240);
        r.setVideoBitrate(100);
        QCOMPARE(r.videoBitrate, 500);
        r.setKeyframeInterval(0);
        QCOMPARE(r.keyframeInterval, 1);
        r.setKeyframeInterval(30);
        QCOMPARE(r.keyframeInterval, 10);
        r.setAudioBitrate(32);
        QCOMPARE(r.audioBitrate, 64);
        r.setDesktopOutputIndex(-2);
        QCOMPARE(r.desktopOutputIndex, 0);

        r.setAudioFormat(QStringLiteral(" FLAC "));
        QCOMPARE(r.audioFormat, QStringLiteral("flac"));
        r.setAudioFormat(QStringLiteral("ogg"));
        QCOMPARE(r.audioFormat, QStringLiteral("mp3"));
        r.setVideoContainer(QStringLiteral("MKV"));
        QCOMPARE(r.videoContainer, QStringLiteral("mkv"));
        r.setVideoContainer(QStringLiteral("mov"));
        QCOMPARE(r.videoContainer, QStringLiteral("mp4"));
        r.setFrameRateMode(QStringLiteral("VFR"));
        QCOMPARE(r.frameRateMode, QStringLiteral("vfr"));
        r.setEncoder(QStringLiteral("  "));
        QCOMPARE(r.requestedEncoder, QStringLiteral("libx264"));
        r.setEncoder(QStringLiteral(" auto "));
        QCOMPARE(r.requestedEncoder, QStringLiteral("auto"));
        r.setWebcamSettings(QStringLiteral("  Cam 1 "), 2, 60, 0, 3, 80, false);
        QCOMPARE(r.webcamDeviceName, QStringLiteral("Cam 1"));
        QCOMPARE(r.webcamFps, 60);
        QVERIFY(!r.webcamMirrored);
        r.setWatermarkFilter(QStringLiteral("  drawtext=text=x "));
        QCOMPARE(r.watermarkFilter, QStringLiteral("drawtext=text=x"));

        r.setAudioProcessing(-5, 250, true, true, 5000);
        QCOMPARE(r.systemVolume, 0);
        QCOMPARE(r.micVolume, 200);
        QCOMPARE(r.micDelayMs, 3000);
        r.setMouseEffectStyle(Qt::red, 5, 500, false, Qt::green, Qt::blue);
        QCOMPARE(r.mouseSize, 20);
        QCOMPARE(r.mouseOpacity, 100);
        r.setAutoSplit(true, 5, 0, -3);
        QCOMPARE(r.autoSplitMode, 1);
        QCOMPARE(r.autoSplitMinutes, 1);
        QCOMPARE(r.autoSplitMegabytes, 1);
        r.setAutoStop(true, -1, 45, 2000);
        QCOMPARE(r.autoStopMode, 0);

        r.setCaptureRect(QRect(300, 200, -200, -150));
        QVERIFY(r.captureRect.isValid());
        QCOMPARE(r.captureRect.size(), QSize(200, 150));
    }

    void outputPathExplicitness()
    {
        InspectableRecorder r;
        r.setOutputPath(QStringLiteral("   "));
        QCOMPARE(r.outputPath, QStringLiteral("   "));
        QVERIFY(!r.outputPathExplicit);
        r.setOutputPath(QStringLiteral("/tmp/a.mp4"));
        QVERIFY(r.outputPathExplicit);
        r.setOutputPath(QString());
        QVERIFY(!r.outputPathExplicit);
    }

    void sequenceNaming()
    {
        setSave(saveDir.path(), QStringLiteral("sequence"));
        const QDir dir(saveDir.path());
        touch(dir.filePath(QStringLiteral("Recording_0001.mp4")));
        touch(dir.filePath(QStringLiteral("Recording_0002.mp4")));
        Recorder r;
        QCOMPARE(r.makeDefaultOutputPath(), dir.filePath(QStringLiteral("Recording_0003.mp4")));

        // Another extension is another name.
        r.setAudioOnly(true);
        r.setAudioFormat(QStringLiteral("wav"));
        QCOMPARE(r.makeDefaultOutputPath(), dir.filePath(QStringLiteral("Recording_0001.wav")));
    }

    void sequenceNamingPastTenThousand()
    {
        setSave(saveDir.path(), QStringLiteral("sequence"));
        const QDir dir(saveDir.path());
        for (int n = 1; n <= 9999; ++n)
            touch(dir.filePath(QStringLiteral("Recording_%1.mkv").arg(n, 4, 10, QLatin1Char('0'))));
        Recorder r;
        r.setVideoContainer(QStringLiteral("mkv"));
        QCOMPARE(r.makeDefaultOutputPath(), dir.filePath(QStringLiteral("Recording_10000.mkv")));
    }

    // Segments kept after a failed finish live in "<name>.vistrelle-parts"; a new
    // recording must not take that name, or it would reuse and lose them.
    void keptSegmentsReserveTheirName()
    {
        setSave(saveDir.path(), QStringLiteral("sequence"));
        const QDir dir(saveDir.path());
        touch(dir.filePath(QStringLiteral("Recording_0001.mp4")));
        QVERIFY(dir.mkpath(QStringLiteral("Recording_0002.vistrelle-parts")));
        Recorder r;
        const QString next = r.makeDefaultOutputPath();
        QCOMPARE(next, dir.filePath(QStringLiteral("Recording_0003.mp4")));
        QCOMPARE(Recorder::partsFolderFor(dir.filePath(QStringLiteral("Clip.final.mp4"))),
                 dir.filePath(QStringLiteral("Clip.final.vistrelle-parts")));
    }

    void dateTimeNaming_data()
    {
        QTest::addColumn<QVariant>("naming");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("default") << QVariant() << QStringLiteral("^Vistrelle_(\\d{4}-\\d\\d-\\d\\d_\\d{6}_\\d{3})\\.mp4$");
        QTest::newRow("datetime") << QVariant(QStringLiteral("datetime"))
                                  << QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d_\\d{6}_\\d{3})\\.mp4$");
        QTest::newRow("unknown value, and case matters") << QVariant(QStringLiteral("Sequence"))
                                  << QStringLiteral("^Vistrelle_(\\d{4}-\\d\\d-\\d\\d_\\d{6}_\\d{3})\\.mp4$");
    }

    void dateTimeNaming()
    {
        QFETCH(QVariant, naming);
        QFETCH(QString, pattern);
        setSave(saveDir.path(), naming);
        Recorder r;
        const QString first = r.makeDefaultOutputPath();
        const QFileInfo info(first);
        QCOMPARE(info.absolutePath(), QDir(saveDir.path()).absolutePath());
        const QRegularExpressionMatch m = QRegularExpression(pattern).match(info.fileName());
        QVERIFY2(m.hasMatch(), qPrintable(info.fileName()));
    }

    // The stamp has milliseconds, so occupy every stamp of the next seconds: the
    // file itself, and "_2" through a kept parts folder. A busy machine takes seconds
    // to make them, so they go on until they are well ahead of the clock.
    void dateTimeCollisions()
    {
        setSave(saveDir.path(), QStringLiteral("datetime"));
        const QDir dir(saveDir.path());
        QDateTime next = QDateTime::currentDateTime();
        while (next < QDateTime::currentDateTime().addMSecs(2000)) {
            const QDateTime until = QDateTime::currentDateTime().addMSecs(4000);
            for (; next < until; next = next.addMSecs(1)) {
                const QString stamp = next.toString(QStringLiteral("yyyy-MM-dd_HHmmss_zzz"));
                touch(dir.filePath(stamp + QStringLiteral(".mp4")));
                QVERIFY(dir.mkpath(stamp + QStringLiteral("_2.vistrelle-parts")));
            }
        }
        Recorder r;
        const QString name = QFileInfo(r.makeDefaultOutputPath()).fileName();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d_\\d{6}_\\d{3}_3\\.mp4$")).match(name).hasMatch(),
                 qPrintable(name));
    }

    void saveFolderIsCreatedOrReported()
    {
        const QString nested = QDir(saveDir.path()).filePath(QStringLiteral("a/b/c"));
        setSave(nested, QStringLiteral("sequence"));
        Recorder r;
        QString error;
        QCOMPARE(r.makeDefaultOutputPath(&error), QDir(nested).filePath(QStringLiteral("Recording_0001.mp4")));
        QVERIFY(error.isEmpty());
        QVERIFY(QFileInfo(nested).isDir());

        // A file where the folder should be: no name, and a message naming it.
        const QString blocked = QDir(saveDir.path()).filePath(QStringLiteral("file"));
        touch(blocked);
        setSave(blocked + QStringLiteral("/sub"), QStringLiteral("sequence"));
        QCOMPARE(r.makeDefaultOutputPath(&error), QString());
        QVERIFY2(error.contains(QDir::toNativeSeparators(blocked + QStringLiteral("/sub"))), qPrintable(error));
        QVERIFY(!Recorder::createFolder(blocked, &error));
    }

    // A start whose save folder or parts folder cannot be made says so, records
    // nothing and touches nothing that is in the way.
    void startReportsFoldersItCannotCreate()
    {
        // Its microphone recording starts only with a sound server to record from.
        if (qEnvironmentVariableIsEmpty("VISTRELLE_TEST_ENV"))
            QSKIP("needs the private test desktop's sound server (scripts/test-env.sh)");
        const QDir dir(saveDir.path());
        const QString blocker = dir.filePath(QStringLiteral("blocker"));
        touch(blocker);
        const QString partsBlocker = dir.filePath(QStringLiteral("voice.vistrelle-parts"));
        touch(partsBlocker);

        struct Case { QString directory; QString outputPath; QString named; };
        const Case cases[] = {
            {blocker + QStringLiteral("/sub"), QString(), blocker + QStringLiteral("/sub")},
            {saveDir.path(), dir.filePath(QStringLiteral("voice.wav")), partsBlocker},
        };
        for (const Case &c : cases) {
            setSave(c.directory, QStringLiteral("sequence"));
            Recorder r;
            r.setAudioOnly(true);
            r.setAudioFormat(QStringLiteral("wav"));
            r.setMicEnabled(true);
            r.setMicAudioDevice(QStringLiteral("vmic"));
            r.setOutputPath(c.outputPath);
            QSignalSpy errors(&r, &Recorder::errorOccurred);
            QSignalSpy started(&r, &Recorder::started);
            QSignalSpy stopped(&r, &Recorder::stopped);
            r.start();
            QTRY_COMPARE(errors.count(), 1);
            QVERIFY2(errors.first().first().toString().contains(QDir::toNativeSeparators(c.named)),
                     qPrintable(errors.first().first().toString()));
            QTRY_VERIFY(!r.isPreparingStart());
            QVERIFY(!r.isRecording());
            QCOMPARE(started.count(), 0);
            QCOMPARE(stopped.count(), 0);
        }
        QVERIFY(QFileInfo(blocker).isFile());
        QVERIFY(QFileInfo(partsBlocker).isFile());
    }

    void emptySaveFolderMeansHome()
    {
        setSave(QString(), QStringLiteral("datetime"));
        Recorder r;
        QCOMPARE(QFileInfo(r.makeDefaultOutputPath()).absolutePath(), QDir::homePath());
    }

    void ffmpegLookup()
    {
        const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/ffmpeg");
        if (qEnvironmentVariableIsSet("VISTRELLE_EXPECT_BUNDLED_FFMPEG")) {
            // The copy run below: the program's own ffmpeg wins over the search path.
            QCOMPARE(Recorder::ffmpegExecutable(), beside);
            return;
        }
        // No ffmpeg beside the test executable: the bare name is searched on PATH.
        QVERIFY(!QFileInfo::exists(beside));
        QCOMPARE(Recorder::ffmpegExecutable(), QStringLiteral("ffmpeg"));

        // A copy of this program with an ffmpeg beside it takes that one.
        QTemporaryDir bundle;
        QVERIFY(bundle.isValid());
        const QString copy = bundle.filePath(QStringLiteral("tst_recorder"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        QVERIFY(writeScript(bundle.filePath(QStringLiteral("ffmpeg")), "exit 0\n"));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VISTRELLE_EXPECT_BUNDLED_FFMPEG"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(copy, {QStringLiteral("ffmpegLookup")});
        QVERIFY(child.waitForFinished(30000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, child.readAll().constData());
    }

    void audioDevices()
    {
        QVERIFY(Recorder::listAudioDevices().isEmpty());
        QCOMPARE(Recorder::suggestedSystemAudioDevice(), QString());
        QCOMPARE(Recorder::suggestedMicrophoneDevice(), QString());
    }

    void buildArgsUsesConfiguration()
    {
        InspectableRecorder r;
        r.setAudioOnly(true);
        r.setMicEnabled(true);
        r.setAudioFormat(QStringLiteral("flac"));
        r.setAudioProcessing(100, 50, true, false, 0);
        r.setOutputPath(QStringLiteral("/tmp/voice.flac"));
        const QStringList args = r.buildArgs();
        QCOMPARE(args.last(), QStringLiteral("/tmp/voice.flac"));
        QVERIFY(args.contains(QStringLiteral("[0:a]aresample=async=1000:first_pts=0,volume=0.50,afftdn=nf=-25[amic];[amic]anull[aout]")));
        QVERIFY(!args.contains(QStringLiteral("-c:v")));

        // A chosen encoder is used as it is; no probe runs for it.
        InspectableRecorder v;
        v.setCaptureBackend(Recorder::FramesBackend);
        v.pipeFrameSize = QSize(800, 600);
        v.selectedEncoder = QStringLiteral("h264_fancy");
        v.currentSegmentPath = QStringLiteral("/tmp/seg.mp4");
        const QStringList video = v.buildArgs();
        QVERIFY(video.contains(QStringLiteral("pipe:0")));
        QCOMPARE(video.at(video.indexOf(QStringLiteral("-c:v")) + 1), QStringLiteral("h264_fancy"));
        QCOMPARE(video.last(), QStringLiteral("/tmp/seg.mp4"));
    }

    void windowsAudioCaptureRefuses()
    {
        WasapiLoopbackCapture loopback;
        loopback.stop(); // harmless when nothing runs
        QVERIFY(loopback.errorString().isEmpty());
        QVERIFY(!loopback.isRunning());
        QSignalSpy levels(&loopback, &WasapiLoopbackCapture::levelChanged);
        QSignalSpy errors(&loopback, &WasapiLoopbackCapture::captureError);
        QVERIFY(!loopback.startMonitor(QStringLiteral("any")));
        QCOMPARE(loopback.errorString(), QStringLiteral("WASAPI 回环录音仅支持 Windows。"));
        QVERIFY(!loopback.startPipe(QStringLiteral("dev"), QStringLiteral("/tmp/p.fifo")));
        QVERIFY(!loopback.startInternal(QString(), QString(), false));
        QVERIFY(!loopback.isRunning());
        QCOMPARE(loopback.sampleFormat(), QStringLiteral("f32le"));
        QCOMPARE(loopback.sampleRate(), 48000);
        QCOMPARE(loopback.channelCount(), 2);
        QVERIFY(WasapiLoopbackCapture::playbackDevices().isEmpty());

        WasapiMicrophoneCapture mic;
        QCOMPARE(mic.modeName(), QStringLiteral("none"));
        QCOMPARE(mic.mode(), 0);
        QVERIFY(!mic.startPipe(QStringLiteral("dev"), QStringLiteral("/tmp/p.fifo")));
        QCOMPARE(mic.errorString(), QStringLiteral("WASAPI microphone capture is only supported on Windows."));
        QVERIFY(!mic.isRunning());
        QVERIFY(mic.endpointName().isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(levels.count() + errors.count(), 0);
    }

    void cameraPermission()
    {
        setMacCameraPermissionOverride(std::nullopt);
        QCOMPARE(macCameraPermissionStatus(), 0);

        struct Case { int status; bool grants; bool expected; };
        const Case cases[] = {{0, false, true}, {1, true, false}, {2, true, true}, {2, false, false}, {9, true, false}};
        for (const Case &c : cases) {
            setMacCameraPermissionOverride(MacCameraPermissionOverride{c.status, c.grants});
            QCOMPARE(macCameraPermissionStatus(), c.status == 9 ? 1 : c.status);
            int calls = 0;
            bool answer = !c.expected;
            requestMacCameraPermission([&](bool granted) {
                ++calls;
                answer = granted;
                QCOMPARE(QThread::currentThread(), qApp->thread());
            });
            QCOMPARE(calls, 0); // never inside the call
            QTRY_COMPARE(calls, 1);
            QCoreApplication::processEvents();
            QCOMPARE(calls, 1);
            QCOMPARE(answer, c.expected);
        }
        setMacCameraPermissionOverride(std::nullopt);
    }

    void cameraPermissionFromAnotherThread()
    {
        int calls = 0;
        QThread *thread = QThread::create([&] { requestMacCameraPermission([&](bool) {
            QCOMPARE(QThread::currentThread(), qApp->thread());
            ++calls;
        }); });
        thread->start();
        QVERIFY(thread->wait(5000));
        delete thread;
        QTRY_COMPARE(calls, 1);
    }
};

QTEST_MAIN(TestRecorder)
#include "tst_recorder.moc"
