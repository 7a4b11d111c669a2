// What a running recording goes on without, through the real main window, real X events and
// the real ffmpeg, system audio on: its save folder removed (made again, or the recording
// stops when it cannot be), its sound server killed and started again; and no sound server
// for a recording of the microphone alone.
//
// The sound server is the test's own, configured as the test desktop's, so that killing it
// touches no one else's; a second sink feeds a microphone of its own, so that the file tells
// the two captures apart (1000 Hz through the speaker, 440 Hz through the microphone).

#include "../support/MainWindowDriver.h"
#include "../support/TestMedia.h"

#include "app/BottomBar.h"
#include "overlays/CountdownOverlay.h"
#include "preparation/ControlsArea.h"

#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>

namespace {

class OwnSoundServer
{
public:
    OwnSoundServer()
    {
        QFile config(m_dir.filePath(QStringLiteral("pulse.pa")));
        config.open(QIODevice::WriteOnly);
        config.write(QStringLiteral("load-module module-native-protocol-unix auth-anonymous=1 socket=%1\n"
                                    "load-module module-null-sink sink_name=vsink rate=48000 channels=2 norewinds=1\n"
                                    "set-default-sink vsink\n"
                                    "load-module module-remap-source master=vsink.monitor source_name=vmic\n"
                                    "set-default-source vmic\n"
                                    "load-module module-null-sink sink_name=tmic_in rate=48000 channels=2 norewinds=1\n"
                                    "load-module module-remap-source master=tmic_in.monitor source_name=tmic "
                                    "source_properties=device.description=Test-Mic\n")
                         .arg(m_dir.filePath(QStringLiteral("native")))
                         .toUtf8());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
            env.insert(QLatin1String(name), m_dir.path());
        env.remove(QStringLiteral("PULSE_SERVER"));
        m_daemon.setProcessEnvironment(env);
        m_arguments = {QStringLiteral("-n"), QStringLiteral("-F"), config.fileName(), QStringLiteral("--daemonize=no"),
                       QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
                       QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=stderr"),
                       QStringLiteral("--log-level=error")};
    }
    ~OwnSoundServer() { kill(); }
    QByteArray address() const { return "unix:" + QFile::encodeName(m_dir.filePath(QStringLiteral("native"))); }
    // True once it answers (PULSE_SERVER names it).
    bool start()
    {
        m_daemon.start(QStringLiteral("pulseaudio"), m_arguments);
        return QTest::qWaitFor(
            [] {
                QProcess info;
                info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
                return info.waitForFinished(5000) && info.exitCode() == 0;
            },
            20000);
    }
    void kill()
    {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }

private:
    QTemporaryDir m_dir;
    QStringList m_arguments;
    QProcess m_daemon;
};

// A tone played into a sink over and over; a player that lost its server starts again. Half a
// second of buffer keeps a player starved by a busy machine from leaving holes in the tone.
class LoopedTone : public QProcess
{
public:
    LoopedTone(const QString &file, const QString &sink)
    {
        connect(this, &QProcess::finished, this, [this] { QTimer::singleShot(50, this, &LoopedTone::play); });
        setArguments({QStringLiteral("--latency-msec=500"), QStringLiteral("-d"), sink, file});
        play();
    }
    ~LoopedTone() override
    {
        disconnect(this, nullptr, this, nullptr);
        QProcess::kill();
        waitForFinished(3000);
    }

private:
    void play() { start(QStringLiteral("paplay"), arguments()); }
};

// The stretches ("start-end", seconds of the file) that an ffmpeg detection filter reports
// as `kind` ("silence", "black").
QStringList stretches(const QString &path, const QString &filter, const QString &kind)
{
    QString out;
    TestMedia::runFfmpeg({QStringLiteral("-hide_banner"), QStringLiteral("-nostats"), QStringLiteral("-i"), path,
                          kind == QLatin1String("black") ? QStringLiteral("-vf") : QStringLiteral("-af"), filter,
                          QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")},
                         &out);
    QStringList found;
    auto edges = QRegularExpression(kind + QStringLiteral("_(start|end): ?([0-9.]+)")).globalMatch(out);
    while (edges.hasNext()) {
        const auto edge = edges.next();
        if (edge.captured(1) == QLatin1String("start"))
            found << edge.captured(2);
        else if (!found.isEmpty())
            found.last() += QLatin1Char('-') + edge.captured(2);
    }
    return found;
}

QStringList silences(const QString &path, int hz)
{
    return stretches(path, QStringLiteral("bandpass=f=%1:width_type=q:w=20,silencedetect=n=-40dB:d=0.3").arg(hz),
                     QStringLiteral("silence"));
}

// True when the only silence of a tone is where the picture shows the gap (`gap`), each edge
// within a second. The last second of the file is the stop's: on a busy machine one source's
// last samples may still wait in its pipe when the captures end. Silences a few milliseconds
// apart are one: the other tone's onset, when its source is back first, clicks through the
// band filter.
bool onlyGap(QStringList silent, const QString &gap, double fileSeconds)
{
    silent.removeIf([&](const QString &stretch) {
        return stretch.section(QLatin1Char('-'), 0, 0).toDouble() > fileSeconds - 1.0;
    });
    for (qsizetype i = 1; i < silent.size();) {
        if (silent.at(i).section(QLatin1Char('-'), 0, 0).toDouble()
            - silent.at(i - 1).section(QLatin1Char('-'), 1, 1).toDouble() < 0.05) {
            silent[i - 1] = silent.at(i - 1).section(QLatin1Char('-'), 0, 0) + QLatin1Char('-')
                + silent.at(i).section(QLatin1Char('-'), 1, 1);
            silent.removeAt(i);
        } else {
            ++i;
        }
    }
    const QStringList edges = silent.value(0).split(QLatin1Char('-')), marks = gap.split(QLatin1Char('-'));
    return silent.size() == 1 && edges.size() == 2 && marks.size() == 2
        && qAbs(edges[0].toDouble() - marks[0].toDouble()) <= 1.0
        && qAbs(edges[1].toDouble() - marks[1].toDouble()) <= 1.0;
}

// The text of a tray notice on screen that contains `part`.
QString shownNotice(const QString &part)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->inherits("QBalloonTip"))
            for (QLabel *label : widget->findChildren<QLabel *>())
                if (label->text().contains(part))
                    return label->text();
    return QString();
}

QMessageBox *recordingMessage()
{
    return qobject_cast<QMessageBox *>(visibleDialog(QStringLiteral("录制提示")));
}

// From the home page to the preparation toolbar of `card` with the microphone `on`.
bool prepare(MainWindow &window, const QString &card, bool microphone)
{
    auto *cardButton = window.findChild<QPushButton *>(QStringLiteral("ModeCard_") + card);
    if (!cardButton || !click(centreOf(cardButton))
        || !QTest::qWaitFor([&] { return window.setupToolbar()->isVisible(); }, 5000))
        return false;
    QTest::qWait(300);
    ControlsArea *controls = window.controlsArea();
    QToolButton *item = toolbarItem(window.setupToolbar(), QStringLiteral("Microphone"));
    return controls->isMicrophoneEnabled() == microphone
        || (item && click(centreOf(item))
            && QTest::qWaitFor([&] { return controls->isMicrophoneEnabled() == microphone; }, 3000));
}

// REC on the preparation toolbar; `clock` starts at the recording's first media (where its file
// begins). True once it runs.
bool record(MainWindow &window, QElapsedTimer &clock)
{
    QObject::connect(window.recorder(), &Recorder::started, &window, [&clock] { clock.start(); });
    QPushButton *rec = buttonByAccessibleName(window.setupToolbar(), QStringLiteral("REC"));
    return rec && click(centreOf(rec)) && QTest::qWaitFor([&] { return clock.isValid(); }, 20000);
}

// The test microphone pulled out (its source module unloaded), or plugged in again.
bool unplugTestMicrophone()
{
    QProcess modules;
    modules.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")});
    if (!modules.waitForFinished(5000))
        return false;
    const QList<QByteArray> lines = modules.readAllStandardOutput().split('\n');
    const auto tmic = std::find_if(lines.begin(), lines.end(), [](const QByteArray &l) { return l.contains("source_name=tmic "); });
    return tmic != lines.end()
        && QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("unload-module"), QString::fromLatin1(tmic->split('\t').first())}) == 0;
}

bool plugTestMicrophone()
{
    return QProcess::execute(QStringLiteral("pactl"),
                             {QStringLiteral("load-module"), QStringLiteral("module-remap-source"),
                              QStringLiteral("master=tmic_in.monitor"), QStringLiteral("source_name=tmic"),
                              QStringLiteral("source_properties=device.description=Test-Mic")})
        == 0;
}

void waitUntil(const QElapsedTimer &clock, double seconds)
{
    QTest::qWait(int(qMax(0.0, seconds - clock.elapsed() / 1000.0) * 1000));
}

// Counts the start countdowns shown while it lives.
class CountdownCounter : public QObject
{
public:
    CountdownCounter() { qApp->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<CountdownOverlay *>(watched))
            ++shown;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestMainWindowInterruptionsE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void removedSaveFolderIsMadeAgain();
    void saveFolderThatCannotComeBackStops();
    void soundServerLostAndBack();
    void resumeWhileTheSoundServerIsAway();
    void removedMicrophoneIsTold();
    void microphoneGoneAfterTheServerRestarted();
    void noSoundServerForTheMicrophone();
    void cleanup();

private:
    QString saveFolder() const { return m_dir.filePath(QStringLiteral("Saved")); }
    // Stops through the toolbar when the recording's clock reads `seconds`: the saved file.
    QString stopAt(MainWindow &window, const QElapsedTimer &clock, double seconds);
    QTemporaryDir m_dir;
    OwnSoundServer m_server;
};

void TestMainWindowInterruptionsE2E::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("VISTRELLE_TEST_ENV"))
        QSKIP("needs the test desktop (scripts/test-env.sh)");
    // Everything of this process and every program it starts uses the test's sound server.
    qputenv("PULSE_SERVER", m_server.address());
    QVERIFY(m_server.start());
    for (int hz : {1000, 440})
        QCOMPARE(QProcess::execute(QStringLiteral("sox"),
                                   {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"),
                                    m_dir.filePath(QStringLiteral("%1.wav").arg(hz)), QStringLiteral("synth"),
                                    QStringLiteral("60"), QStringLiteral("sine"), QString::number(hz),
                                    QStringLiteral("vol"), QStringLiteral("0.5")}),
                 0);
    setUpProgramSettings(saveFolder());
    QSettings settings;
    settings.setValue(QStringLiteral("effects/mouseEnabled"), false);
    settings.setValue(QStringLiteral("save/diskWarning"), false);
    settings.setValue(QStringLiteral("audio/microphoneDeviceId"), QByteArray("tmic"));
    settings.setValue(QStringLiteral("audio/microphoneDeviceName"), QStringLiteral("Test-Mic"));
}

void TestMainWindowInterruptionsE2E::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox *>(widget))
            widget->close();
    QTest::qWait(300);
}

QString TestMainWindowInterruptionsE2E::stopAt(MainWindow &window, const QElapsedTimer &clock, double seconds)
{
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QSignalSpy errors(window.recorder(), &Recorder::errorOccurred);
    waitUntil(clock, seconds);
    if (!stopWith(window, QStringLiteral("StopSaveButton")) || !QTest::qWaitFor([&] { return !stopped.isEmpty(); }, 60000))
        return QStringLiteral("(not stopped)");
    const QString path = stopped.first().first().toString();
    return !errors.isEmpty() ? QStringLiteral("(error) ") + errors.first().first().toString() : path;
}

// The save folder removed 5 s into a recording: made again, the rest recorded into it, and
// one notice says that what came before went with the folder.
void TestMainWindowInterruptionsE2E::removedSaveFolderIsMadeAgain()
{
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy interrupted(window.recorder(), &Recorder::recordingInterrupted);
    QElapsedTimer clock;
    QVERIFY(prepare(window, QStringLiteral("FullScreen"), false) && record(window, clock));

    waitUntil(clock, 5);
    QVERIFY(QDir(saveFolder()).removeRecursively());
    const double removedAt = clock.elapsed() / 1000.0;
    QTRY_COMPARE_WITH_TIMEOUT(interrupted.size(), 1, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(!shownNotice(QStringLiteral("被删除")).isEmpty(), 5000);
    QTest::qWait(500);
    screenshot(QStringLiteral("interruptions-folder-notice"));
    QVERIFY2(shownNotice(QStringLiteral("被删除")).contains(saveFolder()), qPrintable(shownNotice(QString())));

    const QString path = stopAt(window, clock, 15);
    QVERIFY2(QFileInfo(path).absolutePath() == saveFolder(), qPrintable(path));
    const MediaInfo info = MediaProbe::probe(path);
    QVERIFY2(info.ok && info.hasVideo() && info.hasAudio(), qPrintable(info.error));
    qInfo() << "removed at" << removedAt << "s;" << info.durationMs << "ms saved";
    QVERIFY2(qAbs(info.durationMs / 1000.0 - (15 - removedAt)) <= 1.5, qPrintable(QString::number(info.durationMs)));
    QCOMPARE(interrupted.size(), 1);
}

// The save folder removed and a file put in its place: the recording stops at once and one
// message says why.
void TestMainWindowInterruptionsE2E::saveFolderThatCannotComeBackStops()
{
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QElapsedTimer clock;
    QVERIFY(prepare(window, QStringLiteral("FullScreen"), false) && record(window, clock));
    waitUntil(clock, 3);
    QFile blocker(saveFolder());
    QVERIFY(QDir(saveFolder()).removeRecursively() && blocker.open(QIODevice::WriteOnly));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 5000);
    QMessageBox *box = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((box = recordingMessage()), 5000);
    QVERIFY2(box->text().contains(QStringLiteral("无法重新创建")) && box->text().contains(saveFolder()),
             qPrintable(box->text()));
    QTest::qWait(1000);
    const QList<QMessageBox *> boxes = window.findChildren<QMessageBox *>();
    QCOMPARE(std::count_if(boxes.cbegin(), boxes.cend(), [](QMessageBox *b) { return b->isVisible(); }), 1);
    QVERIFY(blocker.remove());
}

// The sound server killed 6 s into a recording of the speaker and the microphone and started
// again 2 s later: one notice within a second, each sound silent across the gap only and back
// after it, where the picture is.
void TestMainWindowInterruptionsE2E::soundServerLostAndBack()
{
    LoopedTone speaker(m_dir.filePath(QStringLiteral("1000.wav")), QStringLiteral("vsink"));
    LoopedTone microphone(m_dir.filePath(QStringLiteral("440.wav")), QStringLiteral("tmic_in"));
    MainWindow window;
    QVERIFY(showSettled(window));
    QTest::qWait(1500); // past the first of the once-a-second device checks
    QSignalSpy interrupted(window.recorder(), &Recorder::recordingInterrupted);
    QElapsedTimer clock;
    QVERIFY(prepare(window, QStringLiteral("FullScreen"), true) && record(window, clock));
    QVERIFY(window.controlsArea()->isSystemAudioEnabled());

    // The gap is marked in the picture too, by a black square: where the sound should be silent.
    QWidget mark(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    mark.setStyleSheet(QStringLiteral("background:black;"));
    mark.setGeometry(100, 600, 400, 300);
    waitUntil(clock, 6);
    mark.show();
    m_server.kill();
    const double lostAt = clock.elapsed() / 1000.0;
    QTRY_COMPARE_WITH_TIMEOUT(interrupted.size(), 1, 5000);
    const double noticedAt = clock.elapsed() / 1000.0;
    QTRY_VERIFY_WITH_TIMEOUT(!shownNotice(QStringLiteral("声音服务器已断开")).isEmpty(), 5000);
    QTest::qWait(500);
    screenshot(QStringLiteral("interruptions-sound-notice"));
    waitUntil(clock, 8);
    QVERIFY(m_server.start());
    mark.hide();
    const double backAt = clock.elapsed() / 1000.0;

    const QString path = stopAt(window, clock, 20);
    const MediaInfo info = MediaProbe::probe(path);
    QVERIFY2(info.ok && info.hasVideo() && info.hasAudio(), qPrintable(path + info.error));
    const QStringList speakerSilences = silences(path, 1000), microphoneSilences = silences(path, 440);
    const QStringList marked =
        stretches(path, QStringLiteral("crop=400:300:100:600,blackdetect=d=0.3:pix_th=0.1"), QStringLiteral("black"));
    qInfo() << "lost at" << lostAt << "s, noticed at" << noticedAt << "s, back at" << backAt << "s; marked" << marked
            << "silent:"
            << speakerSilences << microphoneSilences << "in" << info.durationMs << "ms";
    QVERIFY(noticedAt - lostAt <= 1.0);
    QCOMPARE(interrupted.size(), 1);
    QCOMPARE(marked.size(), 1);
    QVERIFY(onlyGap(speakerSilences, marked.first(), info.durationMs / 1000.0));
    QVERIFY(onlyGap(microphoneSilences, marked.first(), info.durationMs / 1000.0));
}

// Paused 3 s into a recording of the speaker, the sound server killed, resumed 1 s later: the
// recording goes on with silence and one notice, and the sound is back with the server.
void TestMainWindowInterruptionsE2E::resumeWhileTheSoundServerIsAway()
{
    LoopedTone speaker(m_dir.filePath(QStringLiteral("1000.wav")), QStringLiteral("vsink"));
    MainWindow window;
    QVERIFY(showSettled(window));
    QTest::qWait(1500);
    QSignalSpy interrupted(window.recorder(), &Recorder::recordingInterrupted);
    QSignalSpy errors(window.recorder(), &Recorder::errorOccurred);
    QElapsedTimer clock;
    QVERIFY(prepare(window, QStringLiteral("FullScreen"), false) && record(window, clock));
    QVERIFY(window.controlsArea()->isSystemAudioEnabled());
    auto *pause = window.floatingToolbar()->findChild<QPushButton *>(QStringLiteral("PauseButton"));
    QVERIFY(pause);
    waitUntil(clock, 3);
    QVERIFY(click(centreOf(pause)));
    QTRY_VERIFY_WITH_TIMEOUT(window.recorder()->isPaused(), 10000);
    const double pausedAt = window.recorder()->recordedMs() / 1000.0;
    m_server.kill();
    QTest::qWait(1000);
    QVERIFY(click(centreOf(pause)));
    QTRY_VERIFY_WITH_TIMEOUT(!window.recorder()->isPaused(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(interrupted.size(), 1, 5000);
    QTest::qWait(3000);
    QVERIFY(m_server.start());
    const double backAt = window.recorder()->recordedMs() / 1000.0;

    const QString path = stopAt(window, clock, clock.elapsed() / 1000.0 + 5);
    const MediaInfo info = MediaProbe::probe(path);
    QVERIFY2(info.ok && info.hasAudio(), qPrintable(path + info.error));
    const QStringList silent = silences(path, 1000);
    qInfo() << "paused at" << pausedAt << "s, back at" << backAt << "s of the file; silent:" << silent;
    QVERIFY(errors.isEmpty());
    QCOMPARE(interrupted.size(), 1);
    QVERIFY(onlyGap(silent, QStringLiteral("%1-%2").arg(pausedAt).arg(backAt), info.durationMs / 1000.0));
}

// No sound server at the start of a sound recording of the microphone alone: the message
// names the server, as it does for system audio, not the choice of microphone.
// The chosen microphone unplugged during a recording: the sound server records its fallback
// source in its place, and one notice says so.
void TestMainWindowInterruptionsE2E::removedMicrophoneIsTold()
{
    if (QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("info")}) != 0)
        QVERIFY(m_server.start());
    MainWindow window;
    QVERIFY(showSettled(window));
    QTest::qWait(1500);
    QSignalSpy interrupted(window.recorder(), &Recorder::recordingInterrupted);
    QElapsedTimer clock;
    QVERIFY(prepare(window, QStringLiteral("FullScreen"), true) && record(window, clock));
    waitUntil(clock, 2);
    QVERIFY(unplugTestMicrophone());
    QTRY_COMPARE_WITH_TIMEOUT(interrupted.size(), 1, 5000);
    QVERIFY2(interrupted.first().first().toString().contains(QStringLiteral("麦克风")), qPrintable(interrupted.first().first().toString()));
    const QString path = stopAt(window, clock, 5);
    QVERIFY2(MediaProbe::probe(path).hasAudio(), qPrintable(path));
    QCOMPARE(interrupted.size(), 1);
}

// A run that lived through a sound server restart (Qt's own device lists stop there), then the
// chosen microphone pulled: the list lets it go; a start and a resume without it record the
// default input, each recording with one notice and no message.
void TestMainWindowInterruptionsE2E::microphoneGoneAfterTheServerRestarted()
{
    MainWindow window;
    QVERIFY(showSettled(window));
    m_server.kill();
    QTest::qWait(4000); // longer than Qt's one try to connect again
    QVERIFY(m_server.start());
    ControlsArea *controls = window.controlsArea();
    QTRY_COMPARE_WITH_TIMEOUT(controls->microphoneDeviceName(), QStringLiteral("Test-Mic"), 5000);
    QVERIFY(unplugTestMicrophone());
    QTRY_VERIFY_WITH_TIMEOUT(controls->microphoneDeviceName().isEmpty(), 5000);

    QSignalSpy interrupted(window.recorder(), &Recorder::recordingInterrupted);
    QSignalSpy errors(window.recorder(), &Recorder::errorOccurred);
    QElapsedTimer clock;
    QVERIFY(prepare(window, QStringLiteral("FullScreen"), true) && record(window, clock));
    QTRY_COMPARE_WITH_TIMEOUT(interrupted.size(), 1, 5000);
    QVERIFY2(interrupted.first().first().toString().contains(QStringLiteral("麦克风")),
             qPrintable(interrupted.first().first().toString()));
    QString path = stopAt(window, clock, 3);
    QVERIFY2(MediaProbe::probe(path).hasAudio(), qPrintable(path));

    QVERIFY(plugTestMicrophone());
    QTRY_COMPARE_WITH_TIMEOUT(controls->microphoneDeviceName(), QStringLiteral("Test-Mic"), 5000);
    QWidget *library = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((library = window.bottomBar()->mediaLibraryWindow()) && library->isVisible(), 10000);
    QTest::qWait(1500); // the library's preview of the new file ends before the window goes
    library->close();
    QVERIFY(showSettled(window));
    interrupted.clear();
    QElapsedTimer again;
    QVERIFY(prepare(window, QStringLiteral("FullScreen"), true) && record(window, again));
    auto *pause = window.floatingToolbar()->findChild<QPushButton *>(QStringLiteral("PauseButton"));
    QVERIFY(pause && click(centreOf(pause)));
    QTRY_VERIFY_WITH_TIMEOUT(window.recorder()->isPaused(), 10000);
    QVERIFY(unplugTestMicrophone());
    QVERIFY(click(centreOf(pause)));
    QTRY_VERIFY_WITH_TIMEOUT(!window.recorder()->isPaused(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(interrupted.size(), 1, 5000);
    path = stopAt(window, again, again.elapsed() / 1000.0 + 2);
    QVERIFY2(MediaProbe::probe(path).hasAudio(), qPrintable(path));
    QVERIFY2(errors.isEmpty(), qPrintable(errors.value(0).value(0).toString()));
    QCOMPARE(interrupted.size(), 1);
}

void TestMainWindowInterruptionsE2E::noSoundServerForTheMicrophone()
{
    MainWindow window;
    QVERIFY(showSettled(window));
    QTest::qWait(1500);
    QVERIFY(prepare(window, QStringLiteral("AudioOnly"), true));
    QToolButton *speaker = toolbarItem(window.setupToolbar(), QStringLiteral("Speaker"));
    QVERIFY(speaker && click(centreOf(speaker)));
    QTRY_VERIFY(!window.controlsArea()->isSystemAudioEnabled());
    m_server.kill();
    // Refused before the countdown, saying what the user can do.
    CountdownCounter countdowns;
    QPushButton *rec = buttonByAccessibleName(window.setupToolbar(), QStringLiteral("REC"));
    QVERIFY(rec && click(centreOf(rec)));
    QMessageBox *box = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((box = recordingMessage()), 20000);
    QCOMPARE(box->text(), QStringLiteral("无法录制麦克风，因为声音服务器无法连接。\n请先启动声音服务器（PulseAudio），再开始录制。"));
    QCOMPARE(countdowns.shown, 0);
    QVERIFY(window.isInPreparation());
}

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the test then skips
    QApplication app(argc, argv);
    TestMainWindowInterruptionsE2E test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwin_interruptions_e2e.moc"
