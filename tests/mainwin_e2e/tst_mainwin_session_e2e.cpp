// Pause and save through the real main window with real X events: the clock stands
// while paused, a stop while paused pauses nothing again, the saved file lasts the
// recorded time, and a merge that takes a while is covered by the mask and the
// progress dialog over the media library, both gone when it ends; a double press of the
// start/stop hot key is taken as one press; every segment of a recording with pauses keeps
// its sound with its picture and every picture, through a GUI thread held back (the measure
// of that is checked in tests/avsync).

#include "../support/MainWindowDriver.h"

#include "../support/AvSync.h"
#include "../support/OwnProcesses.h"
#include "../support/TestMedia.h"

#include "app/BottomBar.h"
#include "recording/MediaProbe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>

namespace {

// How long the sync test holds the GUI thread, as a busy machine does: six frame times.
constexpr unsigned long HoldMs = 200;
// What the program holds against a direct capture of the same screen and sound, sound
// minus picture, in ms: per segment, the segments' spread, and the mean of the segments.
// Measured in seven runs at load 15-30, up to three at once: per segment -55..+15, spread
// up to 43, mean -31..+10. A busy machine moves a whole run by tens of ms, so these bounds
// do not resolve the encoder's 21 ms primer: tests/encoder checks that to the millisecond.
constexpr double LowestOffsetMs = -75;
constexpr double HighestOffsetMs = 35;
constexpr double MostSpreadMs = 55;
constexpr double LowestMeanOffsetMs = -50;
constexpr double HighestMeanOffsetMs = 25;
// Frame slots the file may lack beyond those the direct capture lacks (measured: -10..+18;
// a tick that took only the newest frame: 87 and 134).
constexpr int MostLackingSlots = 50;

// Pauses the recording with the toolbar's Pause and resumes it with the same button.
void pauseThenResume(MainWindow &window, QSignalSpy &paused)
{
    auto *pause = window.floatingToolbar()->findChild<QPushButton *>(QStringLiteral("PauseButton"));
    QVERIFY(pause);
    const qsizetype before = paused.size();
    QVERIFY(click(centreOf(pause)));
    QTRY_COMPARE_WITH_TIMEOUT(paused.size(), before + 1, 30000);
    QVERIFY(click(centreOf(pause)));
    QTRY_VERIFY_WITH_TIMEOUT(!window.recorder()->isPaused(), 20000);
}

} // namespace

class TestMainWindowSessionE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pauseAndSaveWithSlowMerge();
    void clockShowsFileTimeThroughPauses();
    void doublePressOfTheStartKeyIsOnePress();
    void stalledEncoderIsSavedAndTold_data();
    void stalledEncoderIsSavedAndTold();
    void stalledJoinKeepsTheSegments();
    void segmentsKeepSoundWithPicture();

private:
    QTemporaryDir m_saveDir;
};

void TestMainWindowSessionE2E::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_saveDir.isValid());
    setUpProgramSettings(m_saveDir.path());
    QSettings settings;
    settings.setValue(QStringLiteral("effects/mouseEnabled"), false);
    // Segments are joined by the ffmpeg found first on the search path.
    qputenv("PATH", QByteArray(SLOW_MERGE_DIR) + ':' + qgetenv("PATH"));
    QCOMPARE(Recorder::ffmpegExecutable(), QStringLiteral("ffmpeg"));
}

void TestMainWindowSessionE2E::pauseAndSaveWithSlowMerge()
{
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy paused(window.recorder(), &Recorder::paused);
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QVERIFY(startRecordingFrom(window, QStringLiteral("FullScreen")));

    FloatingToolbar *toolbar = window.floatingToolbar();
    auto *pause = toolbar->findChild<QPushButton *>(QStringLiteral("PauseButton"));
    auto *clock = toolbar->findChild<QLabel *>(QStringLiteral("TimerText"));
    QVERIFY(pause && clock);
    QTest::qWait(3000);
    QVERIFY(click(centreOf(pause)));
    QTRY_COMPARE(paused.size(), 1);
    const QString atPause = clock->text();
    QTest::qWait(2000);
    QCOMPARE(clock->text(), atPause); // the clock stands while paused
    QVERIFY(click(centreOf(pause)));
    QTRY_VERIFY(!window.recorder()->isPaused());
    QTest::qWait(3000);
    QVERIFY(click(centreOf(pause)));
    QTRY_COMPARE(paused.size(), 2);

    // Stop while paused: the question comes without another pause.
    QVERIFY(stopWith(window, QStringLiteral("StopSaveButton")));
    QCOMPARE(paused.size(), 2);

    // The merge takes two seconds: after half a second the library is masked.
    QTRY_VERIFY_WITH_TIMEOUT(window.bottomBar()->mediaLibraryWindow()
                                 && window.bottomBar()->mediaLibraryWindow()->isVisible(),
                             5000);
    QTRY_VERIFY_WITH_TIMEOUT(window.finalizationMaskWidget(), 3000);
    QCOMPARE(window.finalizationMaskWidget()->parentWidget(),
             static_cast<QWidget *>(window.bottomBar()->mediaLibraryWindow()));
    QVERIFY(window.finalizationProgressDialog() && window.finalizationProgressDialog()->isVisible());
    screenshot(QStringLiteral("session-merge-mask"));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 20000);
    QVERIFY(!window.finalizationMaskWidget());
    QVERIFY(!window.finalizationProgressDialog());

    const QString path = stopped.first().first().toString();
    const MediaInfo info = MediaProbe::probe(path);
    QVERIFY2(info.ok, qPrintable(info.error));
    // Against what the recorder itself recorded (about 6 s): a busy machine moves both alike.
    const qint64 recordedMs = window.recorder()->recordedMs();
    QVERIFY2(qAbs(info.durationMs - recordedMs) <= 800,
             qPrintable(QStringLiteral("file %1 ms, recorded %2 ms").arg(info.durationMs).arg(recordedMs)));
    QVERIFY(!path.contains(QLatin1String(".merging.")));
    QTest::qWait(1500); // the library's preview of the new file ends before the window goes
}

// Three pauses: the toolbar's clock and the stop question's "Recorded" show the time of
// the file, which the saved file then lasts; paused, the toolbar says so.
void TestMainWindowSessionE2E::clockShowsFileTimeThroughPauses()
{
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);

    // What the start of one segment adds to its file beyond the recorder's clock (the file
    // begins a little before the encoder reports its streams), measured now, on this
    // machine as busy as it is: a recording of one segment.
    QSignalSpy started(window.recorder(), &Recorder::started);
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 20000);
    QTest::qWait(2000);
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    const qint64 oneSegmentRecordedMs = window.recorder()->recordedMs();
    const MediaInfo oneSegment = MediaProbe::probe(stopped.takeFirst().first().toString());
    QVERIFY2(oneSegment.ok, qPrintable(oneSegment.error));
    const qint64 startAdds = std::max<qint64>(0, oneSegment.durationMs - oneSegmentRecordedMs);

    // The recording of four segments, started the same way (over the library that opened).
    QTest::qWait(1000);
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 2, 20000);
    FloatingToolbar *toolbar = window.floatingToolbar();
    auto *pause = toolbar->findChild<QPushButton *>(QStringLiteral("PauseButton"));
    auto *clock = toolbar->findChild<QLabel *>(QStringLiteral("TimerText"));
    auto *state = toolbar->findChild<QLabel *>(QStringLiteral("RecText"));
    QVERIFY(pause && clock && state);
    const QString recording = state->text();
    for (int round = 0; round < 3; ++round) {
        QTest::qWait(2500);
        QVERIFY(click(centreOf(pause)));
        QTRY_VERIFY_WITH_TIMEOUT(window.recorder()->isPaused(), 10000);
        QCOMPARE(state->text(), FloatingToolbar::tr("已暂停"));
        QTest::qWait(1500);
        QVERIFY(click(centreOf(pause)));
        QTRY_VERIFY_WITH_TIMEOUT(!window.recorder()->isPaused(), 10000);
        QCOMPARE(state->text(), recording);
    }
    QTest::qWait(2500);

    QString shownRecorded, shownClock;
    qint64 recordedMs = -1;
    WhenShown answer([] { return visibleDialog(QStringLiteral("Stop Recording")); }, [&](QWidget *question) {
        QTest::qWait(300);
        shownRecorded = question->findChild<QLabel *>(QStringLiteral("StopElapsed"))->text();
        shownClock = clock->text();
        recordedMs = window.recorder()->recordedMs();
        click(centreOf(question->findChild<QPushButton *>(QStringLiteral("StopSaveButton"))));
    });
    QVERIFY(click(centreOf(toolbar->findChild<QPushButton *>(QStringLiteral("StopButton")))));
    QTRY_VERIFY_WITH_TIMEOUT(answer.done(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    const MediaInfo info = MediaProbe::probe(stopped.first().first().toString());
    QVERIFY2(info.ok, qPrintable(info.error));
    const QString fileTime = FloatingToolbar::formatTime(int(recordedMs / 1000));
    // Four segments, each starting its file a little early (58 to 215 ms together on an idle
    // machine, 347 once under load), and 250 ms for what one measure cannot foresee, or half a
    // second all told, which a user does not notice; without the recorder's clock, the file
    // is a second longer per pause.
    const qint64 margin = std::max<qint64>(4 * startAdds + 250, 500);
    qInfo("file %lld ms, recorded %lld ms, one segment's start adds %lld ms", qint64(info.durationMs), recordedMs,
          startAdds);
    QVERIFY2(qAbs(info.durationMs - recordedMs) <= margin && shownClock == fileTime && shownRecorded == fileTime,
             qPrintable(QStringLiteral("file %1 ms, recorded %2 ms (%3 ms allowed), toolbar %4, question %5")
                            .arg(info.durationMs).arg(recordedMs).arg(margin).arg(shownClock, shownRecorded)));
    QTest::qWait(1500); // the library's preview of the new file ends before the window goes
}

// Two presses of the start/stop hot key 100 ms apart: from home they start one recording
// (the second does not cancel it in its countdown); during the recording they stop it and
// start nothing behind the library that opens.
void TestMainWindowSessionE2E::doublePressOfTheStartKeyIsOnePress()
{
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy started(window.recorder(), &Recorder::started);
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    // Pressed by a program of its own, so that this one takes each press as it comes.
    const auto doublePress = [] {
        QProcess presses;
        presses.start(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("100"),
                                                  QStringLiteral("ctrl+alt+r"), QStringLiteral("ctrl+alt+r")});
        return presses.waitForStarted()
            && QTest::qWaitFor([&] { return presses.state() == QProcess::NotRunning; }, 10000)
            && presses.exitCode() == 0;
    };

    QVERIFY(doublePress());
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 20000);
    QTest::qWait(2000);
    QVERIFY(doublePress());
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    QVERIFY(!stopped.first().first().toString().isEmpty());
    QTest::qWait(4000); // longer than a countdown
    QCOMPARE(started.size(), 1);
    QVERIFY(!window.isStartPending() && !window.countdownOverlay());
    QVERIFY(!window.recorder()->isRecording() && !window.recorder()->isPreparingStart());
    QTest::qWait(1000); // the library's preview of the new file ends before the window goes
}

// The encoder frozen 3 s into a recording, the stop key 2 s later: from the stop on the toolbar
// says it saves; the stuck encoder is ended and one message tells up to where the file holds.
void TestMainWindowSessionE2E::stalledEncoderIsSavedAndTold_data()
{
    QTest::addColumn<bool>("resumed");
    QTest::newRow("stopped") << false;
    // Paused a second after the freeze and resumed: the gap lies inside the file.
    QTest::newRow("paused and resumed") << true;
}

void TestMainWindowSessionE2E::stalledEncoderIsSavedAndTold()
{
    QFETCH(bool, resumed);
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy started(window.recorder(), &Recorder::started);
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QSignalSpy paused(window.recorder(), &Recorder::paused);
    QSignalSpy errors(window.recorder(), &Recorder::errorOccurred);
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 20000);
    QTest::qWait(3000);
    const QList<qint64> encoders = OwnProcesses::encodersMentioning(m_saveDir.path());
    QCOMPARE(encoders.size(), 1);
    QCOMPARE(::kill(pid_t(encoders.first()), SIGSTOP), 0);
    if (resumed) {
        QTest::qWait(1000);
        pauseThenResume(window, paused);
        if (QTest::currentTestFailed())
            return;
        QTest::qWait(3000);
    } else {
        QTest::qWait(2000);
    }
    // After a resume the frozen encoder may already have been ended (its pause waited for it):
    // then the resumed one works, and the stop ends it at once. Stopped while the frozen
    // encoder still runs, the stop waits for it and says so.
    const bool frozenEnded = ::kill(pid_t(encoders.first()), 0) != 0;
    qInfo() << "the frozen encoder" << (frozenEnded ? "was ended before the stop" : "runs at the stop");
    const QList<qint64> working = OwnProcesses::encodersMentioning(m_saveDir.path());
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    auto *state = window.floatingToolbar()->findChild<QLabel *>(QStringLiteral("RecText"));
    if (frozenEnded) {
        QVERIFY(resumed);
        QCOMPARE(working.size(), 1);
        // Well before the 6 s after which one that makes no progress is ended.
        QTRY_VERIFY_WITH_TIMEOUT(::kill(pid_t(working.first()), 0) != 0, 4000);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(state->text(), FloatingToolbar::tr("正在保存…"), 1000);
        screenshot(QStringLiteral("session-stalled-saving"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 40000);
    const QString path = stopped.first().first().toString();
    const MediaInfo info = MediaProbe::probe(path);
    QVERIFY2(info.ok, qPrintable(path + info.error));
    QCOMPARE(errors.size(), 1);
    // What the file holds, of all that was recorded, and how much is missing from where.
    const QString text = errors.first().first().toString();
    qInfo() << "file" << info.durationMs << "ms, recorded" << window.recorder()->recordedMs() << "ms:" << text;
    QList<double> clocks;
    auto it = QRegularExpression(QStringLiteral("(\\d\\d):(\\d\\d)")).globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        clocks << m.captured(1).toInt() * 60 + m.captured(2).toInt();
    }
    QVERIFY2(text.contains(path) && clocks.size() == 4, qPrintable(text));
    QVERIFY2(qAbs(clocks[0] - info.durationMs / 1000.0) <= 1.0, qPrintable(text));
    QVERIFY2(qAbs(clocks[1] - window.recorder()->recordedMs() / 1000.0) <= 1.0, qPrintable(text));
    QVERIFY2(qAbs(clocks[3] - (clocks[1] - clocks[0])) <= 1.0 && clocks[2] >= 2 && clocks[2] <= clocks[0] + 1,
             qPrintable(text));
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox *>(widget))
            widget->close();
    QTest::qWait(1000);
}

// A join that stops responding is ended after a while: the segments stay in the folder
// the message names, and nothing waits on the join any longer.
void TestMainWindowSessionE2E::stalledJoinKeepsTheSegments()
{
    MainWindow window;
    QVERIFY(showSettled(window));
    QSignalSpy started(window.recorder(), &Recorder::started);
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QSignalSpy paused(window.recorder(), &Recorder::paused);
    QSignalSpy errors(window.recorder(), &Recorder::errorOccurred);
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 20000);
    QTest::qWait(2000);
    pauseThenResume(window, paused);
    if (QTest::currentTestFailed())
        return;
    QTest::qWait(2000);
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    // The join's ffmpeg (the stand-in waits two seconds before it joins) frozen.
    QList<qint64> joins;
    QTRY_VERIFY_WITH_TIMEOUT(!(joins = OwnProcesses::encodersMentioning(QStringLiteral(".merging."))).isEmpty(), 15000);
    QCOMPARE(::kill(pid_t(joins.first()), SIGSTOP), 0);
    QElapsedTimer frozen;
    frozen.start();
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    qInfo() << "the frozen join was ended after" << frozen.elapsed() << "ms";
    QCOMPARE(stopped.first().first().toString(), QString());
    QVERIFY(!window.recorder()->isFinalizing());
    QTRY_VERIFY(OwnProcesses::encodersMentioning(QStringLiteral(".merging.")).isEmpty());
    QCOMPARE(errors.size(), 1);
    const QString text = errors.first().first().toString();
    qInfo().noquote() << text;
    const QString folder = text.section(QLatin1Char('\n'), 1, 1);
    int playable = 0;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files))
        playable += MediaProbe::probe(file.filePath()).ok ? 1 : 0;
    QVERIFY2(playable >= 2, qPrintable(folder));
    QTRY_VERIFY(visibleTopLevel<QMessageBox>());
    screenshot(QStringLiteral("session-stalled-join-message"));
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox *>(widget))
            widget->close();
    QTest::qWait(1000);
}

// Started by its hot key, paused and resumed three times with system sound on, the GUI
// thread held back twice in each segment: measured against a direct capture of the player
// and the sound made beside it, each of the four segments of the saved file keeps its beeps
// with the flashes they came with, the segments keep one offset, and no segment lacks
// pictures the direct capture has.
void TestMainWindowSessionE2E::segmentsKeepSoundWithPicture()
{
    QTemporaryDir dir;
    avsync::Layout layout;
    layout.sourceFps = 60;
    avsync::PlayedSource played;
    QString error;
    QVERIFY2(played.start(dir.path(), 60, layout, 30, &error), qPrintable(error));

    MainWindow window;
    QVERIFY(showSettled(window));
    QVERIFY(pointerTo(QPoint(4, 1076)));
    QSignalSpy started(window.recorder(), &Recorder::started);
    QSignalSpy stopped(window.recorder(), &Recorder::stopped);
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 20000);
    // Three beeps or more per segment, the GUI thread held twice meanwhile.
    const auto recordWithHolds = [] {
        for (int hold = 0; hold < 2; ++hold) {
            QTest::qWait(1000);
            QThread::msleep(HoldMs);
        }
        QTest::qWait(3500 - 2 * (1000 + HoldMs));
    };
    for (int round = 0; round < 3; ++round) {
        recordWithHolds();
        QVERIFY(key(QStringLiteral("ctrl+alt+p")));
        QTRY_VERIFY_WITH_TIMEOUT(window.recorder()->isPaused(), 10000);
        QTest::qWait(2500);
        QVERIFY(key(QStringLiteral("ctrl+alt+p")));
        QTRY_VERIFY_WITH_TIMEOUT(!window.recorder()->isPaused(), 10000);
    }
    recordWithHolds();
    QVERIFY(key(QStringLiteral("ctrl+alt+r")));
    QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 30000);
    QVERIFY(played.stop());

    const avsync::Analysis analysis = avsync::analyse(stopped.first().first().toString(), 30, layout);
    QVERIFY2(analysis.ok, qPrintable(analysis.error));
    QCOMPARE(analysis.segments.size(), 4);
    const avsync::Analysis direct = played.analyseDirect(30);
    QVERIFY2(direct.ok, qPrintable(direct.error));
    // Per segment: the offset against the direct capture's over the same moments, and the
    // frame slots the file lacks beyond those the direct capture lacks (the player's own).
    double lowest = 1e9, highest = -1e9, sum = 0;
    int lacking = 0;
    QString figures;
    for (const avsync::Span &span : analysis.segments) {
        const avsync::Against a = avsync::against(analysis, direct, span, 30);
        figures += a.describe() + QLatin1Char('\n');
        QVERIFY2(a.ours.beeps >= 2 && a.direct.beeps >= 2, qPrintable(figures));
        lowest = std::min(lowest, a.offsetMs);
        highest = std::max(highest, a.offsetMs);
        sum += a.offsetMs;
        lacking += a.lacking;
    }
    const double mean = sum / double(analysis.segments.size());
    figures += QStringLiteral("against the direct capture: %1..%2 ms, mean %3 ms; %4 frame slots lacking")
                   .arg(lowest, 0, 'f', 0)
                   .arg(highest, 0, 'f', 0)
                   .arg(mean, 0, 'f', 1)
                   .arg(lacking);
    qInfo().noquote() << figures;
    // Every new frame written once, though the GUI thread was held.
    QVERIFY2(lacking <= MostLackingSlots, qPrintable(figures));
    QVERIFY2(lowest >= LowestOffsetMs && highest <= HighestOffsetMs && highest - lowest <= MostSpreadMs
                 && mean >= LowestMeanOffsetMs && mean <= HighestMeanOffsetMs,
             qPrintable(figures));
    QTest::qWait(1500); // the library's preview of the new file ends before the window goes
}

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the test then skips
    QApplication app(argc, argv);
    TestMainWindowSessionE2E test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwin_session_e2e.moc"
