// The 4K question on a real 3840x2160 screen: this test starts its own Xvfb of that
// size before the application exists, records each answer with the real ffmpeg and
// checks the result with ffprobe.
#include "../support/RoadTestSupport.h"

#include <QApplication>
#include <QWidget>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace road;

class TestRecording4K : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void answers_data();
    void answers();

private:
    QTemporaryDir* m_dir = nullptr;
    QWidget* m_toolbar = nullptr;
};

void TestRecording4K::initTestCase()
{
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(3840, 2160));
    m_toolbar = new QWidget;
    m_toolbar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_toolbar->setGeometry(3600, 20, 120, 40);
    m_toolbar->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_toolbar));
}

void TestRecording4K::init()
{
    m_dir = new QTemporaryDir;
    useSaveFolder(m_dir->path());
}

void TestRecording4K::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
}

void TestRecording4K::answers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("warning");
    QTest::newRow("15 fps") << 0 << QSize(3840, 2160) << QString();
    QTest::newRow("scaled to 1080p") << 1 << QSize(1920, 1080)
                                     << QStringLiteral("未检测到可用的硬件编码器，已将输出缩放为 1920 × 1080、30 FPS。");
    QTest::newRow("4K on the processor") << 2 << QSize(3840, 2160)
                                         << QStringLiteral("正在强制使用 CPU 录制 4K 30 FPS；已启用最快编码预设并将码率提高到 16000 kbps。");
    QTest::newRow("cancel") << 3 << QSize() << QString();
}

void TestRecording4K::answers()
{
    QFETCH(int, answer);
    QFETCH(QSize, size);
    QFETCH(QString, warning);

    Recorder recorder;
    recorder.excludedWindowId = m_toolbar->winId();
    recorder.setFps(30);
    recorder.setVideoBitrate(8000);
    recorder.setMouseEffectsEnabled(false);
    Spies spies(&recorder);
    QSignalSpy question(&recorder, &Recorder::fourKSoftwareEncodingDecisionRequired);
    QSignalSpy reduced(&recorder, &Recorder::frameRateAutomaticallyReduced);
    recorder.start();
    QTRY_COMPARE_WITH_TIMEOUT(question.size(), 1, 20000);
    QCOMPARE(question.first().at(0).toInt(), 3840);
    QCOMPARE(question.first().at(1).toInt(), 2160);
    QCOMPARE(question.first().at(2).toInt(), 30);
    QVERIFY(recorder.isPreparingStart());
    QCOMPARE(spies.started.size(), 0);

    recorder.resolveFourKSoftwareEncoding(Recorder::FourKSoftwareAction(answer));
    if (answer == 3) {
        QCOMPARE(spies.stopped.size(), 1);
        QCOMPARE(spies.stopped.first().first().toString(), QString());
        QVERIFY(!recorder.isPreparingStart());
        QTest::qWait(500);
        QCOMPARE(spies.started.size(), 0);
        QCOMPARE(filesBelow(m_dir->path()), QStringList());
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
    QTest::qWait(2500);
    spies.markEnd();
    recorder.stop();
    QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 60000);
    QCOMPARE(spies.errors.size(), 0);
    if (warning.isEmpty())
        QCOMPARE(spies.warnings.size(), 0);
    else
        QCOMPARE(spies.warnings.first().first().toString(), warning);
    if (answer == 0) {
        QCOMPARE(reduced.size(), 1);
        QCOMPARE(reduced.first().at(1).toInt(), 15);
    }
    const QString file = spies.stopped.first().first().toString();
    const MediaInfo info = probe(file);
    QVERIFY2(info.ok, qPrintable(file));
    QCOMPARE(info.videoSize, size);
    // A 4K encoder takes a while to open, and its first frames are stamped before
    // it reports its first media: the file is somewhat longer than the time recorded.
    const double recorded = spies.recordedSeconds();
    qInfo("duration %.3f s in the file, %.3f s recorded", info.duration, recorded);
    QVERIFY2(info.duration >= recorded - 0.5 && info.duration <= recorded + 2.0, durationText(info.duration, recorded));
}

// Runs the tests on a private 3840x2160 X server.
int main(int argc, char** argv)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return 1;
    const pid_t xvfb = ::fork();
    if (xvfb == 0) {
        ::close(fds[0]);
        const QByteArray fd = QByteArray::number(fds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.constData(), "-screen", "0", "3840x2160x24", "-nolisten", "tcp",
                 "-noreset", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    // Xvfb writes the number and its newline separately and dies when the second
    // write finds the pipe closed: read up to the newline.
    QByteArray display;
    char buffer[32];
    ssize_t n = 0;
    while (!display.contains('\n') && (n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        display.append(buffer, int(n));
    ::close(fds[0]);
    if (!display.contains('\n')) {
        qWarning("Xvfb did not start");
        return 1;
    }
    qputenv("DISPLAY", ":" + display.trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 1;
    {
        QApplication app(argc, argv);
        TestRecording4K test;
        result = QTest::qExec(&test, argc, argv);
    }
    ::kill(xvfb, SIGTERM);
    ::waitpid(xvfb, nullptr, 0);
    return result;
}

#include "tst_recording_4k.moc"
