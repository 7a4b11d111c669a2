// End-to-end recordings with the real ffmpeg inside the private test desktop
// (Xvfb 1920x1080, PulseAudio with the null sink "vsink" and the source "vmic").
#include "../support/AvSync.h"
#include "../support/RoadTestSupport.h"

#include "library/VideoPlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QThread>
#include <QWidget>

using namespace road;

namespace {

// A window that keeps changing on the screen, so that screen recordings have motion.
class MovingPicture : public QWidget
{
public:
    MovingPicture()
    {
        setWindowFlags(Qt::FramelessWindowHint);
        setGeometry(0, 0, 1920, 1080);
        m_timer.callOnTimeout(this, [this] {
            ++m_step;
            update();
        });
        m_timer.start(33);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor::fromHsv((m_step * 3) % 360, 160, 200));
        p.fillRect(QRect((m_step * 12) % width(), 200, 120, 400), Qt::black);
    }

private:
    QTimer m_timer;
    int m_step = 0;
};

// Pure red, green and blue side by side, 400 px each: an HD picture, which players take
// for BT.709 when its file does not say otherwise.
class ColourBars : public QWidget
{
public:
    ColourBars()
    {
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setGeometry(300, 200, 1200, 720);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(QRect(0, 0, 400, 720), QColor(255, 0, 0));
        p.fillRect(QRect(400, 0, 400, 720), QColor(0, 255, 0));
        p.fillRect(QRect(800, 0, 400, 720), QColor(0, 0, 255));
    }
};

// The bars of ColourBars in `image` (1200x720) unless each is within `levels` of its colour.
QString barsDiffer(const QImage& image, int levels)
{
    if (image.size() != QSize(1200, 720))
        return QStringLiteral("picture of %1x%2").arg(image.width()).arg(image.height());
    const QRgb want[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    QString differences;
    for (int bar = 0; bar < 3; ++bar) {
        const QRgb got = image.pixel(bar * 400 + 200, 360);
        if (std::abs(qRed(got) - qRed(want[bar])) > levels || std::abs(qGreen(got) - qGreen(want[bar])) > levels
            || std::abs(qBlue(got) - qBlue(want[bar])) > levels)
            differences += QStringLiteral(" bar %1 is (%2, %3, %4)").arg(bar).arg(qRed(got)).arg(qGreen(got)).arg(qBlue(got));
    }
    return differences;
}

// Grabs one picture of a recording at `seconds` as an image.
QImage frameAt(const QString& file, double seconds)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("/usr/bin/ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-ss"), QString::number(seconds),
                  QStringLiteral("-i"), file, QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-f"),
                  QStringLiteral("image2pipe"), QStringLiteral("-vcodec"), QStringLiteral("png"), QStringLiteral("-")});
    ffmpeg.waitForFinished(30000);
    return QImage::fromData(ffmpeg.readAllStandardOutput(), "PNG");
}

// Loudest sample of a file's audio in dB, via ffmpeg's volumedetect.
double maxVolume(const QString& file)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("/usr/bin/ffmpeg"), {QStringLiteral("-hide_banner"), QStringLiteral("-i"), file,
                                                      QStringLiteral("-af"), QStringLiteral("volumedetect"),
                                                      QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")});
    ffmpeg.waitForFinished(30000);
    const QString out = QString::fromLocal8Bit(ffmpeg.readAll());
    const QRegularExpression re(QStringLiteral("max_volume: (-?[0-9.]+) dB"));
    const auto m = re.match(out);
    return m.hasMatch() ? m.captured(1).toDouble() : -1000.0;
}

// The window sync check: how often and how long it holds the GUI thread (six frame times), and
// what the recording may hold against the direct capture, sound minus picture in ms, and the
// frame slots it may lack beyond those the direct capture lacks.
constexpr int WindowSyncHolds = 4;
constexpr unsigned long WindowSyncHoldMs = 200;
constexpr double WindowSyncLowestMs = -40;
constexpr double WindowSyncHighestMs = 30;
constexpr int WindowSyncMostLacking = 12;

// A recording of `window` without mouse effects.
void aimAtWindow(Recorder& recorder, const NativeWindowHandle& window)
{
    recorder.setCaptureBackend(Recorder::FramesBackend);
    recorder.setCaptureWindow(window);
    recorder.setMouseEffectsEnabled(false);
}

} // namespace

class TestRecordingRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fullScreenFiveSeconds();
    void customAreaWithOddCoordinates();
    void windowOfAnotherProcess();
    void windowKeepsSoundWithPicture();
    void windowClosedDuringTheRecording();
    void tinyWindowNeverStarts();
    void stopDuringTheWindowWaitEndsTheStart();
    void pauseRightAfterALiveSwitchIsKept();
    void pauseMakesASecondSegment();
    void lateFirstFrameHoldsNothingUp();
    void noFirstFrameInTimeIsAnError();
    void audioOnlyInEachFormat_data();
    void audioOnlyInEachFormat();
    void systemAudioToneIsAudible();
    void discardLeavesNothingBehind();
    void coloursAsOnTheScreen();

private:
    // Opens the helper window (1x1 with --tiny) and returns its handle.
    NativeWindowHandle openHelperWindow(QProcess& helper, const QStringList& arguments);
    // Starts, records `seconds`, stops and returns the finished file.
    // `recorded`: from the first media to the stop; `launched`: from the segment's launch.
    QString record(Recorder& recorder, double seconds, double* recorded, double* launched);

    QTemporaryDir* m_dir = nullptr;
    MovingPicture* m_picture = nullptr;
    // Stands in for the floating toolbar that a screen recording keeps out of the picture.
    QWidget* m_toolbar = nullptr;
};

void TestRecordingRoad::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("VISTRELLE_TEST_ENV"))
        QSKIP("needs the private test desktop (scripts/test-env.sh)");
    m_picture = new MovingPicture;
    m_picture->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_picture));
    m_toolbar = new QWidget;
    m_toolbar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_toolbar->setGeometry(1700, 20, 120, 40);
    m_toolbar->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_toolbar));
}

void TestRecordingRoad::init()
{
    m_dir = new QTemporaryDir;
    useSaveFolder(m_dir->path());
}

void TestRecordingRoad::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
}

// Records for `seconds` after `started`; `recorded` gets the time that really passed
// between `started` and the stop call.
QString TestRecordingRoad::record(Recorder& recorder, double seconds, double* recorded, double* launched)
{
    Spies spies(&recorder);
    recorder.start();
    if (!QTest::qWaitFor([&] { return spies.started.size() == 1 || spies.errors.size() > 0; }, 20000))
        return QStringLiteral("no start");
    if (!spies.errors.isEmpty())
        return spies.errors.first().first().toString();
    QTest::qWait(int(seconds * 1000));
    spies.markEnd();
    *recorded = spies.recordedSeconds();
    *launched = spies.launchedSeconds();
    recorder.stop();
    if (!QTest::qWaitFor([&] { return spies.stopped.size() == 1; }, 30000))
        return QStringLiteral("no stop");
    return spies.stopped.first().first().toString();
}

void TestRecordingRoad::fullScreenFiveSeconds()
{
    Recorder recorder;
    recorder.excludedWindowId = m_toolbar->winId();
    recorder.setMouseEffectsEnabled(false);
    double recorded = 0.0;
    double launched = 0.0;
    const QString file = record(recorder, 5.0, &recorded, &launched);
    const MediaInfo info = probe(file);
    QVERIFY2(info.ok, qPrintable(file));
    QCOMPARE(info.videoCodec, QStringLiteral("h264"));
    QCOMPARE(info.videoSize, QSize(1920, 1080));
    QVERIFY2(lastsBetween(info.duration, recorded, launched), durationText(info.duration, recorded));
    QCOMPARE(info.audioStreams, 0);
    // Picked from the save folder with the default name, the parts folder gone.
    QCOMPARE(QFileInfo(file).absolutePath(), QDir(m_dir->path()).absolutePath());
    QCOMPARE(filesBelow(m_dir->path()), QStringList{QFileInfo(file).fileName()});
}

void TestRecordingRoad::customAreaWithOddCoordinates()
{
    Recorder recorder;
    recorder.excludedWindowId = m_toolbar->winId();
    recorder.setCaptureRect(QRect(101, 53, 641, 359));
    recorder.setEffectsTargetRect(QRect(101, 53, 641, 359));
    recorder.setMouseEffectsEnabled(true);
    recorder.setVideoContainer(QStringLiteral("mkv"));
    double recorded = 0.0;
    double launched = 0.0;
    const QString file = record(recorder, 3.0, &recorded, &launched);
    const MediaInfo info = probe(file);
    QVERIFY2(info.ok, qPrintable(file));
    QVERIFY(file.endsWith(QLatin1String(".mkv")));
    QCOMPARE(info.videoSize, QSize(640, 358));
    QVERIFY2(lastsBetween(info.duration, recorded, launched), durationText(info.duration, recorded));
}

// The screen capture's first frame comes `ms` late, until the returned guard goes.
auto delayFirstScreenGrab(const char *ms)
{
    qputenv("VISTRELLE_TEST_FIRST_GRAB_DELAY_MS", ms);
    return qScopeGuard([] { qunsetenv("VISTRELLE_TEST_FIRST_GRAB_DELAY_MS"); });
}

// The screen capture's first frame comes 1.5 s late: the GUI thread goes on with its
// events meanwhile, and a stop given then is taken up once the segment runs. Nothing had
// reached a file by then: nothing is saved, and the user is told so.
void TestRecordingRoad::lateFirstFrameHoldsNothingUp()
{
    const auto undo = delayFirstScreenGrab("1500");
    Recorder recorder;
    recorder.excludedWindowId = m_toolbar->winId();
    Spies spies(&recorder);
    // The longest time between two turns of the event loop.
    QElapsedTimer sinceTurn;
    qint64 longestMs = 0;
    QTimer turns;
    turns.setInterval(10);
    connect(&turns, &QTimer::timeout, this, [&] { longestMs = std::max(longestMs, sinceTurn.restart()); });
    sinceTurn.start();
    turns.start();
    QSignalSpy launching(&recorder, &Recorder::segmentLaunching);
    recorder.start();
    QVERIFY(QTest::qWaitFor([&] { return !launching.isEmpty(); }, 20000));
    QTest::qWait(300);
    const qint64 longestBeforeStop = longestMs;
    recorder.stop();
    QVERIFY2(QTest::qWaitFor([&] { return !spies.stopped.isEmpty(); }, 30000), "the stop was lost");
    QCOMPARE(spies.stopped.first().first().toString(), QString());
    QCOMPARE(spies.started.size(), 0);
    QCOMPARE(spies.errors.size(), 1);
    QCOMPARE(spies.lastError(), Recorder::tr("没有录下任何内容：录制在开始之前就已停止。"));
    QVERIFY2(longestBeforeStop < 200,
             qPrintable(QStringLiteral("the event loop stood still for %1 ms").arg(longestBeforeStop)));
}

// A capture without a first frame within 5 s is given up, the recording not started and
// nothing left behind.
void TestRecordingRoad::noFirstFrameInTimeIsAnError()
{
    const auto undo = delayFirstScreenGrab("8000");
    Recorder recorder;
    recorder.excludedWindowId = m_toolbar->winId();
    Spies spies(&recorder);
    recorder.start();
    QVERIFY(QTest::qWaitFor([&] { return !spies.errors.isEmpty(); }, 20000));
    QVERIFY2(spies.lastError().contains(QLatin1String("Screen capture produced no frame")), qPrintable(spies.lastError()));
    QVERIFY(spies.started.isEmpty());
    QVERIFY(!recorder.isRecording());
    QCOMPARE(filesBelow(m_dir->path()), QStringList());
}

NativeWindowHandle TestRecordingRoad::openHelperWindow(QProcess& helper, const QStringList& arguments)
{
    helper.start(QStringLiteral(VISTRELLE_BINARY_DIR "/tests/road/road_window_helper"), arguments);
    if (!helper.waitForStarted() || !helper.waitForReadyRead(10000))
        return {};
    const quint32 id = helper.readLine().trimmed().toUInt();
    QTest::qWait(500); // mapped and painted
    return NativeWindowHandle(id, QStringLiteral("Road helper window"));
}

void TestRecordingRoad::windowClosedDuringTheRecording()
{
    QProcess helper;
    const NativeWindowHandle window = openHelperWindow(helper, {});
    QVERIFY(window.isValid());
    Recorder recorder;
    recorder.setCaptureBackend(Recorder::FramesBackend);
    recorder.setCaptureWindow(window);
    Spies spies(&recorder);
    QSignalSpy lost(&recorder, &Recorder::windowCaptureLost);
    recorder.start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
    QTest::qWait(1000);
    helper.kill();
    helper.waitForFinished();
    // The user is told, by a notice of its own (not one about performance); the recording
    // goes on with the last picture and ends normally.
    QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, 5000);
    QVERIFY(lost.first().first().toString().startsWith(QStringLiteral("录制的窗口已不可用")));
    QVERIFY(spies.warnings.isEmpty());
    QVERIFY(recorder.isRecording());
    QTest::qWait(1000);
    spies.markEnd();
    recorder.stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
    const MediaInfo info = probe(spies.stopped.first().first().toString());
    QVERIFY(info.ok);
    QVERIFY2(lastsAsLaunched(info.duration, spies), durationText(info.duration, spies.recordedSeconds()));
}

void TestRecordingRoad::tinyWindowNeverStarts()
{
    QProcess helper;
    const NativeWindowHandle window = openHelperWindow(helper, {QStringLiteral("--tiny")});
    QVERIFY(window.isValid());
    Recorder recorder;
    recorder.setCaptureBackend(Recorder::FramesBackend);
    recorder.setCaptureWindow(window);
    Spies spies(&recorder);
    QElapsedTimer clock;
    clock.start();
    recorder.start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.errors.size(), 1, 15000);
    QVERIFY2(clock.elapsed() >= 4500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(spies.lastError(), QStringLiteral("窗口捕获启动失败或目标窗口没有产生画面。"));
    QVERIFY(!recorder.isPreparingStart());
    QVERIFY(!recorder.isRecording());
    QCOMPARE(spies.stopped.size(), 0);
    QCOMPARE(filesBelow(m_dir->path()), QStringList());
    helper.kill();
    helper.waitForFinished();
}

void TestRecordingRoad::stopDuringTheWindowWaitEndsTheStart()
{
    QProcess helper;
    const NativeWindowHandle window = openHelperWindow(helper, {QStringLiteral("--tiny")});
    QVERIFY(window.isValid());
    QProcess otherHelper;
    const NativeWindowHandle other = openHelperWindow(otherHelper, {});
    QVERIFY(other.isValid());
    Recorder recorder;
    aimAtWindow(recorder, window);
    Spies spies(&recorder);
    // The preflight done, the window capture waits for a usable frame in a nested
    // event loop: the engine must look busy, ignore a second start and take a stop,
    // which ends the wait at once. A new recording started right after it then runs on
    // its own, not inside the old wait (whose end used to tear it down).
    bool busyDuringWait = false;
    int stoppedAtOnce = -1;
    QElapsedTimer sinceStop;
    QTimer::singleShot(2500, &recorder, [&] {
        busyDuringWait = recorder.isPreparingStart();
        recorder.start();
        recorder.stop();
        stoppedAtOnce = int(spies.stopped.size());
        sinceStop.start();
        QTimer::singleShot(0, &recorder, [&] {
            recorder.setCaptureWindow(other);
            recorder.start();
        });
    });
    recorder.start();
    QTRY_VERIFY_WITH_TIMEOUT(stoppedAtOnce >= 0, 10000);
    QVERIFY(busyDuringWait);
    QCOMPARE(stoppedAtOnce, 1);
    QCOMPARE(spies.stopped.first().first().toString(), QString());
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
    // The new recording's parts folder only.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);

    // Past the moment the old wait would have ended: the new recording still runs.
    QTest::qWait(int(std::max<qint64>(1000, 5500 - sinceStop.elapsed())));
    QVERIFY2(spies.errors.isEmpty(), qPrintable(spies.lastError()));
    QVERIFY(recorder.isRecording());
    spies.markEnd();
    recorder.stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 2, 60000);
    const QString file = spies.stopped.last().first().toString();
    const MediaInfo info = probe(file);
    QVERIFY2(info.ok, qPrintable(file));
    QVERIFY2(lastsAsLaunched(info.duration, spies), durationText(info.duration, spies.recordedSeconds()));
    helper.kill();
    helper.waitForFinished();
    otherHelper.kill();
    otherHelper.waitForFinished();
}

void TestRecordingRoad::windowOfAnotherProcess()
{
    QProcess helper;
    const NativeWindowHandle window = openHelperWindow(helper, {});
    QVERIFY(window.isValid());

    Recorder recorder;
    aimAtWindow(recorder, window);
    double recorded = 0.0;
    double launched = 0.0;
    const QString file = record(recorder, 3.0, &recorded, &launched);
    helper.kill();
    helper.waitForFinished();
    const MediaInfo info = probe(file);
    QVERIFY2(info.ok, qPrintable(file));
    QCOMPARE(info.videoCodec, QStringLiteral("h264"));
    // The helper's 401x301 window, made even.
    QCOMPARE(info.videoSize, QSize(400, 300));
    QVERIFY2(lastsBetween(info.duration, recorded, launched), durationText(info.duration, recorded));
    const QImage early = frameAt(file, 0.5);
    const QImage late = frameAt(file, 2.5);
    QVERIFY(!early.isNull() && !late.isNull());
    QVERIFY(early != late);
}

// A window of another process that flashes and beeps on the same sample, recorded with the
// sound while the GUI thread is held now and then, as a busy machine holds it: against a direct
// capture of the window and the sound made beside it, the beeps keep with their flashes and the
// file lacks no picture the direct capture has. Frames stamped when the frame timer takes them
// up instead of when they were read come in bunches that the encoder drops, and a timer that
// writes only the newest frame loses those grabbed while it was held: pictures lacking.
void TestRecordingRoad::windowKeepsSoundWithPicture()
{
    avsync::Layout layout;
    layout.sourceFps = 60;
    avsync::PlayedSource played;
    QString error;
    QVERIFY2(played.start(m_dir->path(), 40, layout, 30, &error), qPrintable(error));

    Recorder recorder;
    aimAtWindow(recorder, NativeWindowHandle(played.player().windowId(), QStringLiteral("avsync source")));
    recorder.setSystemAudioEnabled(true);
    Spies spies(&recorder);
    recorder.start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
    for (int hold = 0; hold < WindowSyncHolds; ++hold) {
        QTest::qWait(1500);
        QThread::msleep(WindowSyncHoldMs);
    }
    QTest::qWait(1500);
    recorder.stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
    QVERIFY(played.stop());

    const avsync::Analysis direct = played.analyseDirect(30);
    QVERIFY2(direct.ok, qPrintable(direct.error));
    // The recording holds the window alone, as the direct capture does.
    const avsync::Analysis recorded = avsync::analyse(spies.stopped.first().first().toString(), 30,
                                                           played.directLayout());
    QVERIFY2(recorded.ok, qPrintable(recorded.error));
    QCOMPARE(recorded.segments.size(), 1);
    // The first picture is the window as the file begins, not the one the start waited for
    // while the encoder came up: the second follows it by its own slot.
    QVERIFY(recorded.frames.size() > 2);
    const avsync::Frame &first = recorded.frames.at(0);
    const avsync::Frame &second = recorded.frames.at(1);
    const double staleMs = ((second.player - first.player) - (second.ts - first.ts)) * 1000.0;
    QVERIFY2(staleMs < 50, qPrintable(QStringLiteral("first picture %1 ms older than its place").arg(staleMs, 0, 'f', 0)));
    avsync::Span recording = recorded.segments.first();
    recording.playerStart = second.player;
    const avsync::Against a = avsync::against(recorded, direct, recording, 30);
    qInfo().noquote() << a.describe();
    QVERIFY2(a.ours.beeps >= 6 && a.direct.beeps >= 6, qPrintable(a.describe()));
    QVERIFY2(a.offsetMs >= WindowSyncLowestMs && a.offsetMs <= WindowSyncHighestMs, qPrintable(a.describe()));
    QVERIFY2(a.lacking <= WindowSyncMostLacking, qPrintable(a.describe()));
}

void TestRecordingRoad::pauseRightAfterALiveSwitchIsKept()
{
    QProcess helper;
    const NativeWindowHandle window = openHelperWindow(helper, {});
    QVERIFY(window.isValid());
    Recorder recorder;
    aimAtWindow(recorder, window);
    recorder.setMicAudioDevice(QStringLiteral("default"));
    Spies spies(&recorder);
    recorder.start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
    QTest::qWait(1500);

    // The microphone switched on starts the next segment while the first one records on;
    // the pause comes in before the next one has taken over.
    spies.markEnd();
    recorder.switchMicrophoneDuringRecording(true);
    QVERIFY(recorder.pause());
    QTRY_COMPARE_WITH_TIMEOUT(spies.paused.size(), 1, 10000);
    QVERIFY(recorder.isPaused());
    QTest::qWait(1000);
    for (QProcess* encoder : recorder.findChildren<QProcess*>())
        QCOMPARE(encoder->state(), QProcess::NotRunning); // no segment runs while paused

    recorder.resume();
    QTRY_COMPARE_WITH_TIMEOUT(spies.resumed.size(), 1, 15000);
    QTest::qWait(1500);
    spies.markEnd();
    recorder.stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 60000);
    helper.kill();
    helper.waitForFinished();
    const QString file = spies.stopped.first().first().toString();
    const MediaInfo info = probe(file);
    QVERIFY2(info.ok, qPrintable(file));
    QVERIFY2(lastsAsLaunched(info.duration, spies), durationText(info.duration, spies.recordedSeconds()));
    QCOMPARE(info.audioStreams, 1); // the resumed segment has the microphone
}

void TestRecordingRoad::pauseMakesASecondSegment()
{
    Recorder recorder;
    recorder.excludedWindowId = m_toolbar->winId();
    recorder.setMouseEffectsEnabled(false);
    Spies spies(&recorder);
    QSignalSpy warnings(&recorder, &Recorder::finalizationWarning);
    // From each start() or resume() to the pause() or stop() after it: the file holds no more.
    QElapsedTimer asking;
    asking.start();
    recorder.start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
    QTest::qWait(5000);
    spies.markEnd();
    const double firstRecorded = spies.recordedSeconds();
    const double firstLaunched = spies.launchedSeconds();
    qint64 askedMs = asking.elapsed();
    QVERIFY(recorder.pause());
    QTRY_COMPARE_WITH_TIMEOUT(spies.paused.size(), 1, 20000);
    QVERIFY(recorder.isPaused());
    QTest::qWait(2000);
    asking.restart();
    recorder.resume();
    QTRY_COMPARE_WITH_TIMEOUT(spies.resumed.size(), 1, 20000);
    QTest::qWait(3000);
    spies.markEnd();
    askedMs += asking.elapsed();
    recorder.stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
    QCOMPARE(spies.errors.size(), 0);

    const QString file = spies.stopped.first().first().toString();
    double total = 0.0;
    if (!file.isEmpty()) {
        total = probe(file).duration;
    } else {
        // Segments not joined: both are kept in the parts folder.
        QDir parts(m_dir->path());
        const QStringList folders = parts.entryList({QStringLiteral("*.vistrelle-parts")}, QDir::Dirs | QDir::Hidden);
        QCOMPARE(folders.size(), 1);
        parts.cd(folders.first());
        const QStringList segments = parts.entryList({QStringLiteral("segment_*.mp4")}, QDir::Files);
        QCOMPARE(segments, (QStringList{QStringLiteral("segment_0001.mp4"), QStringLiteral("segment_0002.mp4")}));
        const double first = probe(parts.filePath(segments.at(0))).duration;
        QVERIFY2(lastsBetween(first, firstRecorded, firstLaunched), durationText(first, firstRecorded));
        total = first + probe(parts.filePath(segments.at(1))).duration;
    }
    // The pause is left out. The file holds each segment from its encoder's first frame,
    // which on a busy machine comes a while before the encoder's first output (where
    // `recorded` starts counting): no more than the time asked for, nor much less than
    // the time from each `started` or `resumed`.
    const double recorded = spies.recordedSeconds();
    QVERIFY2(total >= recorded - 0.5 && total <= askedMs / 1000.0 + 0.1,
             durationText(total, recorded) + " (" + QByteArray::number(askedMs) + " ms asked for)");
}

void TestRecordingRoad::audioOnlyInEachFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("codec");
    QTest::newRow("mp3") << "mp3" << "mp3";
    QTest::newRow("m4a") << "m4a" << "aac";
    QTest::newRow("wav") << "wav" << "pcm_s16le";
    QTest::newRow("flac") << "flac" << "flac";
}

void TestRecordingRoad::audioOnlyInEachFormat()
{
    QFETCH(QString, format);
    QFETCH(QString, codec);
    Recorder recorder;
    recorder.setAudioOnly(true);
    recorder.setMicEnabled(true);
    recorder.setMicAudioDevice(QStringLiteral("vmic"));
    recorder.setAudioFormat(format);
    double recorded = 0.0;
    double launched = 0.0;
    const QString file = record(recorder, 3.0, &recorded, &launched);
    const MediaInfo info = probe(file);
    QVERIFY2(info.ok, qPrintable(file));
    QVERIFY(file.endsWith(QLatin1Char('.') + format));
    QCOMPARE(info.audioCodec, codec);
    QVERIFY(info.videoCodec.isEmpty());
    QVERIFY2(lastsBetween(info.duration, recorded, launched), durationText(info.duration, recorded));
}

void TestRecordingRoad::systemAudioToneIsAudible()
{
    const QString tone = m_dir->filePath(QStringLiteral("tone.wav"));
    QCOMPARE(QProcess::execute(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"),
                                                        QStringLiteral("-c"), QStringLiteral("2"), tone,
                                                        QStringLiteral("synth"), QStringLiteral("2"), QStringLiteral("sine"),
                                                        QStringLiteral("1000"), QStringLiteral("vol"), QStringLiteral("0.5")}),
             0);
    Recorder recorder;
    recorder.excludedWindowId = m_toolbar->winId();
    recorder.setMouseEffectsEnabled(false);
    recorder.setSystemAudioEnabled(true);
    Spies spies(&recorder);
    recorder.start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
    QProcess player;
    player.start(QStringLiteral("paplay"), {tone});
    QVERIFY(player.waitForFinished(10000));
    QTest::qWait(1000);
    recorder.stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
    const QString file = spies.stopped.first().first().toString();
    const MediaInfo info = probe(file);
    QVERIFY2(info.ok, qPrintable(file + QLatin1Char(' ') + (spies.errors.isEmpty() ? QString() : spies.errors.first().first().toString())));
    QCOMPARE(info.audioCodec, QStringLiteral("aac"));
    QCOMPARE(info.videoCodec, QStringLiteral("h264"));
    const double loudest = maxVolume(file);
    QVERIFY2(loudest > -20.0, qPrintable(QString::number(loudest)));
}

void TestRecordingRoad::discardLeavesNothingBehind()
{
    Recorder recorder;
    recorder.excludedWindowId = m_toolbar->winId();
    recorder.setMicEnabled(true);
    recorder.setMouseEffectsEnabled(false);
    Spies spies(&recorder);
    recorder.start();
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
    QTest::qWait(1500);
    recorder.discard();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 30000);
    QCOMPARE(spies.stopped.first().first().toString(), QString());
    QCOMPARE(spies.errors.size(), 0);
    QCOMPARE(filesBelow(m_dir->path()), QStringList());
    QVERIFY(!recorder.isRecording());
}

// Pure colours come back as they were on the screen, decoded by ffmpeg and by the library's
// player (whose picture its Screenshot saves): the file says how its colours were converted.
void TestRecordingRoad::coloursAsOnTheScreen()
{
    ColourBars bars;
    bars.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bars));
    QCursor::setPos(1000, 900);
    Recorder recorder;
    recorder.excludedWindowId = m_toolbar->winId();
    recorder.setCaptureRect(bars.geometry());
    recorder.setMouseEffectsEnabled(false);
    double recorded = 0.0;
    double launched = 0.0;
    const QString file = record(recorder, 2.0, &recorded, &launched);
    QVERIFY2(probe(file).ok, qPrintable(file));
    const QString byFfmpeg = barsDiffer(frameAt(file, 1.0), 3);
    QVERIFY2(byFfmpeg.isEmpty(), qPrintable(byFfmpeg));

    VideoPlayer player;
    QSignalSpy frames(&player, &VideoPlayer::frameReady);
    QVERIFY(player.open(file));
    player.play();
    QTRY_VERIFY_WITH_TIMEOUT(!frames.isEmpty(), 20000);
    player.pause();
    const QString byPlayer = barsDiffer(player.currentFrameSnapshot(), 3);
    QVERIFY2(byPlayer.isEmpty(), qPrintable(byPlayer));
}

int main(int argc, char* argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg"); // the library's player, as the program runs it
    QApplication app(argc, argv);
    TestRecordingRoad test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_recording_road.moc"
