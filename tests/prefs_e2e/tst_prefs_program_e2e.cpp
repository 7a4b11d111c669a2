// The real program under a window manager (openbox), driven from outside with real X
// events and window-manager messages: closing to the tray and back by a click on the tray icon (trayer), a recording
// made by hot keys while hidden, minimising when there is no tray, quitting (also while the
// home page's cards are still being read); a schedule
// that starts a recording by itself; and a language change that restarts the program.

#include "../support/PrivateXServer.h"
#include "../support/WindowClose.h"

#include "dialogs/SettingsDialog.h"
#include "recording/MediaProbe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>

#include <xcb/xcb.h>

namespace {

QString run(const QString &program, const QStringList &args, int timeoutMs = 10000)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(timeoutMs);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

bool xdotool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    return process.waitForFinished(10000) && process.exitCode() == 0;
}

bool isViewable(const QString &wid)
{
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), wid}).contains(QStringLiteral("IsViewable"));
}

QString wmState(const QString &wid)
{
    return run(QStringLiteral("xprop"), {QStringLiteral("-id"), wid, QStringLiteral("WM_STATE")});
}

// Whether `pid` runs a recording encoder (an ffmpeg child writing a segment, not one of
// the short encoder probes made before a start).
bool isRecording(qint64 pid)
{
    return run(QStringLiteral("pgrep"), {QStringLiteral("-a"), QStringLiteral("-P"), QString::number(pid),
                                         QStringLiteral("ffmpeg")})
        .contains(QStringLiteral("segment_"));
}

// The absolute geometry of a window (its client area, whatever frame it has).
QRect absoluteGeometry(const QString &wid)
{
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), wid});
    const auto number = [&info](const char *label) {
        return QRegularExpression(QStringLiteral("%1:\\s+(-?\\d+)").arg(QLatin1String(label))).match(info).captured(1).toInt();
    };
    return QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"), number("Height"));
}

bool alive(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

// A window manager runs: the root's _NET_SUPPORTING_WM_CHECK names a live window (one that
// exited leaves the property behind).
bool windowManagerRunning()
{
    const auto m = QRegularExpression(QStringLiteral("window id # (0x[0-9a-fA-F]+)"))
                       .match(run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")}));
    return m.hasMatch() && !run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), m.captured(1)}).isEmpty();
}

// A tray host runs: someone owns the system tray selection of screen 0.
bool trayHostRunning()
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    bool owned = false;
    if (!xcb_connection_has_error(c)) {
        const char name[] = "_NET_SYSTEM_TRAY_S0";
        xcb_intern_atom_reply_t *atom =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
        if (atom) {
            xcb_get_selection_owner_reply_t *owner =
                xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr);
            owned = owner && owner->owner != XCB_WINDOW_NONE;
            free(owner);
        }
        free(atom);
    }
    xcb_disconnect(c);
    return owned;
}

// Waits until the window manager has done with a window: its place stays the same.
void waitUntilPlaced(const QString &wid)
{
    QRect last;
    for (int i = 0; i < 30; ++i) {
        const QRect now = absoluteGeometry(wid);
        if (now == last && now.isValid())
            return;
        last = now;
        QTest::qWait(250);
    }
}

// One run of the program with its own settings, data and save folders.
class Program
{
public:
    explicit Program(const QString &root)
        : m_root(root)
    {
        QDir().mkpath(configFile().section(QLatin1Char('/'), 0, -2));
        QDir().mkpath(saveDir());
        QSettings s = settings();
        s.setValue(QStringLiteral("ui/language"), QStringLiteral("zh_CN"));
        s.setValue(QStringLiteral("save/directory"), saveDir());
        s.setValue(QStringLiteral("save/diskWarning"), false);
        s.setValue(QStringLiteral("effects/mouseEnabled"), false);
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QString configFile() const { return m_root + QStringLiteral("/config/Vistrelle/Vistrelle.conf"); }
    QString saveDir() const { return m_root + QStringLiteral("/videos"); }
    QString logDir() const { return m_root + QStringLiteral("/data/Vistrelle/Vistrelle/Logs"); }
    QSettings settings() const { return QSettings(configFile(), QSettings::IniFormat); }

    bool start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!m_toolsFirst.isEmpty())
            env.insert(QStringLiteral("PATH"), m_toolsFirst + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_root + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_root + QStringLiteral("/data"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(VISTRELLE_PROGRAM), {});
        if (!m_process.waitForStarted(5000))
            return false;
        m_pid = m_process.processId();
        // The main window, mapped.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 15000) {
            const QStringList ids = run(QStringLiteral("xdotool"),
                                        {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                         QStringLiteral("--pid"), QString::number(pid()), QStringLiteral("--name"),
                                         QStringLiteral("^Vistrelle$")})
                                        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            for (const QString &id : ids) {
                if (absoluteGeometry(id).width() > 400) { // not the tray icon
                    window = id;
                    // Built to the end (the hot keys come last), placed, and the window
                    // manager done with it.
                    if (!QTest::qWaitFor([this] { return logText().contains(QStringLiteral("registered on X11 5")); },
                                         30000))
                        return false;
                    waitUntilPlaced(window);
                    return true;
                }
            }
            QTest::qWait(200);
        }
        return false;
    }
    // Programs in `folder` (stand-ins for ffmpeg or ffprobe) are found before the real ones.
    void putToolsFirst(const QString &folder) { m_toolsFirst = folder; }
    qint64 pid() const { return m_pid; } // also after it ended
    bool running() const { return m_process.state() == QProcess::Running; }
    // A program that ended while close() waited for its log (it may end within 0.1 s) is
    // finished already, which waitForFinished() answers with false.
    bool waitForExit(int ms) { return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(ms); }
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }

    // What the window manager does for Alt+F4 or its close button.
    bool requestClose(const QString &wid) { return requestWindowClose(wid.toULong()); }

    QString logText() const
    {
        QString text;
        for (const QString &name : QDir(logDir()).entryList({QStringLiteral("*.log")}, QDir::Files)) {
            QFile log(QDir(logDir()).filePath(name));
            if (log.open(QIODevice::ReadOnly))
                text += QString::fromUtf8(log.readAll());
        }
        return text;
    }

    // Asks the window to close and waits until the program has taken the request. Under
    // a heavily loaded desktop the message has been seen to go astray: ask again then.
    bool close(const QString &wid)
    {
        const int before = logText().count(QStringLiteral("[Window] Close request"));
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (!requestClose(wid))
                return false;
            if (QTest::qWaitFor([&] { return logText().count(QStringLiteral("[Window] Close request")) > before; },
                                15000))
                return true;
        }
        return false;
    }

    QString logTail() const
    {
        return run(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("tail -n 6 ") + logDir() + QStringLiteral("/*.log")});
    }

    // Finished recordings: not the intermediate file a save writes first (".merging.").
    QStringList recordings() const
    {
        QStringList files = QDir(saveDir()).entryList({QStringLiteral("*.mp4")}, QDir::Files);
        files.removeIf([](const QString &name) {
            return name.contains(QStringLiteral(".merging.")) || name.contains(QStringLiteral(".watermarking."));
        });
        return files;
    }

    QString window;

private:
    QString m_root;
    QString m_toolsFirst;
    QProcess m_process;
    qint64 m_pid = 0;
};

} // namespace

class TestPrefsProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void trayCloseAndRecordWhileHidden();
    void withoutTrayAndQuit();
    void quitWhileRecentCardsAreRead();
    void scheduledRecordingStartsByItself();
    void languageChangeRestarts();

private:
    bool startTray();
    void stopTray();
    static bool startWindowManager(QProcess &openbox);
    QTemporaryDir m_dir;
    QProcess m_openbox; // only when the desktop has no window manager of its own
    QProcess m_tray;    // only when the desktop has no tray of its own
    int m_case = 0;
    QString nextRoot() { return m_dir.filePath(QStringLiteral("case%1").arg(++m_case)); }
};

void TestPrefsProgram::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_dir.isValid());
    QVERIFY(startWindowManager(m_openbox));
}

bool TestPrefsProgram::startWindowManager(QProcess &openbox)
{
    if (windowManagerRunning())
        return true;
    openbox.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    const bool ok = openbox.waitForStarted() && QTest::qWaitFor(windowManagerRunning, 20000);
    if (!ok)
        qWarning() << "openbox:" << openbox.readAllStandardError() << openbox.readAllStandardOutput() << qgetenv("DISPLAY");
    return ok;
}

void TestPrefsProgram::cleanupTestCase()
{
    stopTray();
    if (m_openbox.state() != QProcess::NotRunning) {
        m_openbox.terminate();
        m_openbox.waitForFinished(3000);
    }
}

bool TestPrefsProgram::startTray()
{
    if (trayHostRunning())
        return true;
    m_tray.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                                            QStringLiteral("right"), QStringLiteral("--widthtype"),
                                            QStringLiteral("pixel"), QStringLiteral("--width"), QStringLiteral("64"),
                                            QStringLiteral("--height"), QStringLiteral("32")});
    return m_tray.waitForStarted() && QTest::qWaitFor(trayHostRunning, 10000);
}

void TestPrefsProgram::stopTray()
{
    if (m_tray.state() != QProcess::NotRunning) {
        m_tray.terminate();
        m_tray.waitForFinished(3000);
    }
}

void TestPrefsProgram::trayCloseAndRecordWhileHidden()
{
    QVERIFY(startTray());
    Program program(nextRoot());
    program.settings().setValue(SettingsDialog::generalKey("closeBehavior"), 0);
    QVERIFY(program.start());

    // Closing hides the window; the program keeps running.
    QVERIFY(program.close(program.window));
    QTRY_VERIFY2_WITH_TIMEOUT(!isViewable(program.window), qPrintable(program.logTail()), 15000);

    // A click on the tray icon (our small window embedded in the tray) brings it back.
    const auto trayIcon = [] {
        for (const QString &wid : run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--classname"),
                                                                  QStringLiteral("^vistrelle$")})
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QRect r = absoluteGeometry(wid);
            if (isViewable(wid) && r.top() < 32 && r.width() <= 64 && r.height() <= 32)
                return r;
        }
        return QRect();
    };
    QRect icon;
    QTRY_VERIFY_WITH_TIMEOUT((icon = trayIcon()).isValid(), 15000);
    QVERIFY(program.running());
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(icon.center().x()),
                     QString::number(icon.center().y()), QStringLiteral("click"), QStringLiteral("1")}));
    QTRY_VERIFY_WITH_TIMEOUT(isViewable(program.window) && wmState(program.window).contains(QStringLiteral("Normal")),
                             15000);
    waitUntilPlaced(program.window);

    // Minimised, it comes back by a click on the tray icon too.
    QVERIFY(xdotool({QStringLiteral("windowminimize"), program.window}));
    QTRY_VERIFY_WITH_TIMEOUT(wmState(program.window).contains(QStringLiteral("Iconic")), 15000);
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(icon.center().x()),
                     QString::number(icon.center().y()), QStringLiteral("click"), QStringLiteral("1")}));
    QTRY_VERIFY2_WITH_TIMEOUT(isViewable(program.window) && wmState(program.window).contains(QStringLiteral("Normal")),
                              qPrintable(wmState(program.window)), 15000);
    waitUntilPlaced(program.window);

    // Hidden again, a recording by hot keys alone; when it is saved the media library
    // opens, and closing that leaves the program running.
    QVERIFY(program.close(program.window));
    QTRY_VERIFY_WITH_TIMEOUT(!isViewable(program.window), 15000);
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+r")}));
    QTRY_VERIFY_WITH_TIMEOUT(isRecording(program.pid()), 15000);
    QTest::qWait(3000);
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+r")}));
    QTRY_COMPARE_WITH_TIMEOUT(program.recordings().size(), 1, 30000);
    QString library;
    QTRY_VERIFY_WITH_TIMEOUT(!(library = run(QStringLiteral("xdotool"),
                                             {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                              QStringLiteral("--pid"), QString::number(program.pid()),
                                              QStringLiteral("--name"), QStringLiteral("^媒体库$")}))
                                  .isEmpty(),
                             15000);
    library = library.section(QLatin1Char('\n'), 0, 0);
    waitUntilPlaced(library);
    // Closed once the recording is saved (the end of a save brings the library back: a
    // close between the file's rename and that end would be undone), the library gives
    // way to the main window and the program keeps running. A close request sent just
    // after the library was mapped has been seen to go unanswered now and then (the
    // program idle, no modal window): it is made again.
    QTRY_VERIFY2_WITH_TIMEOUT(program.logText().contains(QStringLiteral("[Session] Recording ended: /")),
                              qPrintable(program.logTail()), 15000);
    bool closed = false;
    for (int attempt = 0; attempt < 3 && !closed; ++attempt) {
        QVERIFY(program.requestClose(library));
        closed = QTest::qWaitFor([&] { return !isViewable(library); }, 8000);
        if (!closed)
            qWarning() << "the library is still shown after close request" << attempt + 1;
    }
    QVERIFY2(closed, qPrintable(program.logTail()));
    QTRY_VERIFY_WITH_TIMEOUT(isViewable(program.window), 15000);
    QVERIFY(program.running());
    const MediaInfo info = MediaProbe::probe(QDir(program.saveDir()).filePath(program.recordings().first()));
    QVERIFY2(info.ok && info.hasVideo(), qPrintable(info.error));
    stopTray();
}

void TestPrefsProgram::withoutTrayAndQuit()
{
    stopTray();
    // A desktop of its own, with a window manager and no tray (the shared one may have a
    // tray host this test did not start).
    const QByteArray display = qgetenv("DISPLAY");
    const auto restoreDisplay = qScopeGuard([&display] { qputenv("DISPLAY", display); });
    PrivateXServer x(QStringLiteral("1920x1080x24"));
    QVERIFY(x.isReady());
    QProcess openbox;
    QVERIFY(startWindowManager(openbox));
    QVERIFY(!trayHostRunning());
    const auto stopOpenbox = qScopeGuard([&openbox] {
        openbox.terminate();
        openbox.waitForFinished(3000);
    });
    {
        // Behaviour 0 with no tray host: minimised, never hidden out of reach.
        Program program(nextRoot());
        program.settings().setValue(SettingsDialog::generalKey("closeBehavior"), 0);
        QVERIFY(program.start());
        QVERIFY(program.close(program.window));
        QTRY_VERIFY2_WITH_TIMEOUT(wmState(program.window).contains(QStringLiteral("Iconic")),
                                  qPrintable(wmState(program.window) + program.logTail()), 15000);
        QVERIFY(program.running());
    }
    {
        // Behaviour 1: the program ends, with 0.
        Program program(nextRoot());
        program.settings().setValue(SettingsDialog::generalKey("closeBehavior"), 1);
        QVERIFY(program.start());
        QVERIFY(program.close(program.window));
        QVERIFY(program.waitForExit(15000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
}

// The program is closed (behaviour 1) while the home page still reads its recent card: an
// ffmpeg that gives no picture and an ffprobe that gives no answer for a minute hold the
// reading (which gives up after 12 s). The program ends at once all the same, and they with it.
void TestPrefsProgram::quitWhileRecentCardsAreRead()
{
    Program program(nextRoot());
    const QString clip = QDir(program.saveDir()).filePath(QStringLiteral("Vistrelle_20260101_120000.mp4"));
    QCOMPARE(QProcess::execute(QStringLiteral("ffmpeg"),
                               {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                "testsrc2=size=320x240:rate=30", "-t", "1", "-pix_fmt", "yuv420p", clip}),
             0);
    const QString tools = m_dir.filePath(QStringLiteral("hung-tools"));
    QVERIFY(QDir().mkpath(tools));
    const auto tool = [&tools](const QString &name, const QByteArray &script) {
        QFile file(tools + QLatin1Char('/') + name);
        return file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n" + script) > 0
               && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    QVERIFY(tool(QStringLiteral("ffprobe"), "exec sleep 60\n"));
    QVERIFY(tool(QStringLiteral("ffmpeg"), "case \"$*\" in *image2pipe*) exec sleep 61;; esac\nexec /usr/bin/ffmpeg \"$@\"\n"));
    program.putToolsFirst(tools);
    {
        QSettings s = program.settings();
        s.setValue(QStringLiteral("media/recordedFiles"), QStringList{clip});
        s.setValue(SettingsDialog::generalKey("closeBehavior"), 1);
    }
    QVERIFY(program.start());
    const auto hung = [&program] {
        return run(QStringLiteral("pgrep"), {QStringLiteral("-P"), QString::number(program.pid()), QStringLiteral("-x"),
                                             QStringLiteral("sleep")})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    QStringList held;
    QTRY_VERIFY_WITH_TIMEOUT((held = hung()).size() == 2, 10000);
    QVERIFY(program.close(program.window));
    QElapsedTimer clock;
    clock.start();
    const bool ended = program.waitForExit(30000);
    qInfo() << "ended" << clock.elapsed() << "ms after the close";
    QVERIFY(ended);
    QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(program.exitCode(), 0);
    for (const QString &pid : held)
        QTRY_VERIFY_WITH_TIMEOUT(!alive(pid.toLongLong()), 5000);
}

void TestPrefsProgram::scheduledRecordingStartsByItself()
{
    Program program(nextRoot());
    {
        QSettings s = program.settings();
        s.setValue(QStringLiteral("schedule/enabled"), true);
        s.setValue(QStringLiteral("schedule/recurrence"), 0);
        s.setValue(QStringLiteral("schedule/startAt"), QDateTime::currentDateTime().addSecs(5));
        s.setValue(QStringLiteral("schedule/captureMode"), 0);
    }
    QElapsedTimer clock;
    clock.start();
    QVERIFY(program.start());
    QTRY_VERIFY_WITH_TIMEOUT(isRecording(program.pid()), 20000);
    const qint64 startedAfter = clock.elapsed();
    qInfo() << "the encoder started after" << startedAfter << "ms";
    QVERIFY(startedAfter >= 5000); // not before its time (and the countdown)
    QTRY_VERIFY_WITH_TIMEOUT(!program.settings().value(QStringLiteral("schedule/enabled")).toBool(), 15000);
    QTest::qWait(2500);
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+r")}));
    QTRY_COMPARE_WITH_TIMEOUT(program.recordings().size(), 1, 30000);
    const MediaInfo info = MediaProbe::probe(QDir(program.saveDir()).filePath(program.recordings().first()));
    QVERIFY2(info.ok && info.hasVideo(), qPrintable(info.error));
    QCOMPARE(info.videoSize(), QSize(1920, 1080));
    QVERIFY(info.durationMs > 1000);
}

void TestPrefsProgram::languageChangeRestarts()
{
    Program program(nextRoot());
    QVERIFY(program.start());
    QTest::qWait(1500); // placed on the screen
    // The title bar's menu button sits at its right end (12 px margin, 36 px wide, 46 px bar).
    const QRect client = absoluteGeometry(program.window);
    const QPoint menuButton(client.right() - 12 - 18, client.top() + 23);
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(menuButton.x()), QString::number(menuButton.y()),
                     QStringLiteral("click"), QStringLiteral("1")}));
    QTest::qWait(1000);
    // About, then Language; Deutsch is the fifth language.
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("300"), QStringLiteral("Down"),
                     QStringLiteral("Down"), QStringLiteral("Right")}));
    QTest::qWait(800);
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("300"), QStringLiteral("Down"),
                     QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")}));
    QTest::qWait(1500);
    QCOMPARE(program.settings().value(QStringLiteral("ui/language")).toString(), QStringLiteral("de"));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Return")})); // "restart now?" Yes
    QVERIFY(program.waitForExit(10000));
    QCOMPARE(program.exitCode(), 0);

    // The new process: its own log, in German, and still running (no "already running").
    QString newLog;
    qint64 newPid = 0;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const QString &name : QDir(program.logDir()).entryList({QStringLiteral("*.log")}, QDir::Files)) {
                const auto m = QRegularExpression(QStringLiteral("_pid(\\d+)\\.log$")).match(name);
                if (m.hasMatch() && m.captured(1).toLongLong() != program.pid()) {
                    newLog = QDir(program.logDir()).filePath(name);
                    newPid = m.captured(1).toLongLong();
                    return true;
                }
            }
            return false;
        }(),
        10000);
    const auto newLogText = [&newLog] {
        QFile log(newLog);
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    };
    QTRY_VERIFY2_WITH_TIMEOUT(newLogText().contains(QStringLiteral("[Translation] Loaded \":/translations/Vistrelle_de.qm\"")),
                              qPrintable(newLogText().right(600)), 10000);
    QTest::qWait(2000);
    QVERIFY2(alive(newPid), "the restarted program ended");
    ::kill(pid_t(newPid), SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(!alive(newPid), 10000);
}

QTEST_GUILESS_MAIN(TestPrefsProgram)
#include "tst_prefs_program_e2e.moc"
