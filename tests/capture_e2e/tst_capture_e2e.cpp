// The capture layer against a real X server and sound server (the private test
// desktop): screen frames, system audio through the pipe, the window list, window
// previews and window frames, with windows opened by a helper process.
#include <QtTest>
#include <QApplication>
#include <QCursor>
#include <QProcess>
#include <QThread>
#include <QWidget>

#include "platform/mac/RecordingClock.h"
#include "platform/mac/CaptureWorkerThread.h"
#include "platform/mac/MacScreenCapture.h"
#include "platform/mac/MacSystemAudioCapture.h"
#include "platform/mac/MacWindowHelpers.h"
#include "platform/mac/WindowFrameSource.h"
#include "platform/mac/X11Connection.h"
#include "recording/FrameComposer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../support/CaptureTestSupport.h"

class TestCaptureE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("VISTRELLE_TEST_ENV"), "run through scripts/test-env.sh");
        QVERIFY(MacScreenCapture::isAvailable());
        QVERIFY(MacSystemAudioCapture::isAvailable());
        m_toolbar = showToolbar(QRect(1700, 20, 120, 40));
        QVERIFY(m_toolbar);
    }

    void screenFramesShowOtherWindowsWithCursor()
    {
        TestWindowProcess red;
        QVERIFY(red.open(QStringLiteral("Red probe"), QStringLiteral("#ff0000"), QRect(100, 100, 400, 300)));
        QCursor::setPos(200, 200);

        MacScreenCapture capture;
        QString error;
        QElapsedTimer timer;
        timer.start();
        QVERIFY2(capture.start(0, m_toolbar->winId(), 30, QSize(-1, -1), &error), qPrintable(error));
        QVERIFY(timer.elapsed() < 5000);
        QImage frame = capture.latestFrame();
        QCOMPARE(frame.size(), QSize(1920, 1080));
        // As the server wrote it: the fourth byte is undefined until a frame is made opaque
        // for a reader of it.
        QCOMPARE(frame.format(), QImage::Format_RGB32);
        QTRY_COMPARE_WITH_TIMEOUT(capture.latestFrame().pixel(300, 250), 0xFFFF0000u, 5000);
        frame = capture.latestFrame();
        FrameComposer composer;
        composer.settings().screenSource = true;
        composer.settings().mouseEffectsEnabled = false;
        composer.settings().pipeFrameSize = frame.size();
        QVERIFY(allOpaque(composer.compose(frame, false)));
        // The pointer is drawn into the frame where it is.
        int notRed = 0;
        for (int y = 200; y < 216; ++y) {
            for (int x = 200; x < 206; ++x)
                notRed += frame.pixel(x, y) != 0xFFFF0000u;
        }
        QVERIFY2(notRed > 10, "no pointer drawn at its position");

        // A frame someone holds is never written over by later frames.
        const QImage held = capture.latestFrame();
        red.close();
        QTRY_VERIFY_WITH_TIMEOUT(capture.latestFrame().pixel(300, 250) != 0xFFFF0000u, 5000);
        QCOMPARE(held.pixel(300, 250), 0xFFFF0000u);
        QCOMPARE(held.pixel(499, 399), 0xFFFF0000u);

        timer.restart();
        capture.stop();
        QVERIFY(timer.elapsed() < 2000);
        QVERIFY(capture.latestFrame().isNull());

        // A smaller stream size keeps the picture, scaled.
        QVERIFY(red.open(QStringLiteral("Red probe"), QStringLiteral("#ff0000"), QRect(100, 100, 400, 300)));
        QVERIFY2(capture.start(0, m_toolbar->winId(), 10, QSize(1280, 720), &error), qPrintable(error));
        QCOMPARE(capture.frameSize(), QSize(1280, 720));
        QTRY_COMPARE_WITH_TIMEOUT(capture.latestFrame().pixel(200, 166), 0xFFFF0000u, 5000);
        // Starting again stops the first capture before the second.
        QVERIFY2(capture.start(0, m_toolbar->winId(), 1, QSize(960, 540), &error), qPrintable(error));
        QCOMPARE(capture.frameSize(), QSize(960, 540));
    }

    void screenCaptureNeedsTheToolbarWindow()
    {
        MacScreenCapture capture;
        QString error;
        QVERIFY(!capture.start(0, WId(0), 30, QSize(-1, -1), &error));
        QCOMPARE(error, QStringLiteral("Recording toolbar window cannot be excluded"));
        QVERIFY(!capture.start(0, WId(0x7ffffffe), 30, QSize(-1, -1), &error));
        QCOMPARE(error, QStringLiteral("Recording toolbar window cannot be excluded"));
        QVERIFY(capture.latestFrame().isNull());

        // XWayland would give black frames of Wayland windows: refused instead.
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        QVERIFY(!MacScreenCapture::isAvailable());
        QVERIFY(!capture.start(0, m_toolbar->winId(), 30, QSize(-1, -1), &error));
        QVERIFY2(error.contains(QLatin1String("Wayland")), qPrintable(error));
        qunsetenv("WAYLAND_DISPLAY");
        QVERIFY(MacScreenCapture::isAvailable());
    }

    void systemAudioCarriesAToneThroughAnAccentedFolder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath(QStringLiteral("Vidéos de test"));
        QVERIFY(QDir().mkpath(folder));
        const QString tone = dir.filePath(QStringLiteral("tone.wav"));
        QCOMPARE(QProcess::execute(QStringLiteral("sox"),
                                   {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"),
                                    QStringLiteral("-c"), QStringLiteral("2"), tone,
                                    QStringLiteral("synth"), QStringLiteral("1.5"), QStringLiteral("sine"),
                                    QStringLiteral("1000"), QStringLiteral("vol"), QStringLiteral("0.5")}),
                 0);

        const QString pipe = folder + QStringLiteral("/system_audio_1.fifo");
        MacSystemAudioCapture capture;
        QString error;
        QVERIFY2(capture.start(pipe, &error), qPrintable(error));
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(pipe).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));

        const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        QProcess player;
        bool playing = false;
        const QByteArray data = readPipe(fd, 3.0, [&](qint64 ms) {
            if (!playing && ms > 300) {
                playing = true;
                player.start(QStringLiteral("paplay"), {tone});
            }
        });
        ::close(fd);
        QVERIFY(player.waitForFinished(5000));
        QCOMPARE(player.exitCode(), 0);

        const MacSystemAudioCapture::Statistics stats = capture.statistics();
        capture.stop();
        QVERIFY(!QFile::exists(pipe));
        QVERIFY(stats.audibleSamples > 48000);

        // Left channel of the loud part: level and frequency of the tone.
        const auto *samples = reinterpret_cast<const float *>(data.constData());
        const qsizetype frames = data.size() / 8;
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i < frames; ++i) {
            if (std::fabs(samples[2 * i]) > 0.1f) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        QVERIFY2(first >= 0, "the tone did not come through the pipe");
        QVERIFY2(last - first > 48000, qPrintable(QString::number(last - first)));
        const qsizetype from = first + 4800, to = from + 48000; // one second inside the tone
        float peak = 0.0f;
        int crossings = 0;
        for (qsizetype i = from; i < to; ++i) {
            peak = std::max(peak, std::fabs(samples[2 * i]));
            if ((samples[2 * i] < 0.0f) != (samples[2 * (i + 1)] < 0.0f))
                ++crossings;
            QCOMPARE(samples[2 * i], samples[2 * i + 1]); // the same tone on both channels
        }
        QVERIFY2(peak > 0.4f && peak < 0.6f, qPrintable(QString::number(peak)));
        QVERIFY2(std::abs(crossings / 2 - 1000) <= 10, qPrintable(QString::number(crossings)));
    }

    void silencePipeRunsInRealTime()
    {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("system_audio_2.fifo"));
        MacSystemAudioCapture capture;
        QString error;
        QVERIFY2(capture.start(pipe, &error), qPrintable(error));
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        readPipe(fd, 1.0); // what piled up before the reader came
        // The pace of the capture, not of this reader: what waits in the pipe at the end is
        // taken as well, and what a reader held up by a busy machine left no room for counts.
        const quint64 discardedBefore = capture.statistics().discardedSamples;
        QElapsedTimer timer;
        timer.start();
        QByteArray data = readPipe(fd, 4.0);
        char rest[65536];
        for (ssize_t n = ::read(fd, rest, sizeof rest); n > 0; n = ::read(fd, rest, sizeof rest))
            data.append(rest, n);
        const double seconds = timer.elapsed() / 1000.0;
        const quint64 discarded = capture.statistics().discardedSamples - discardedBefore;
        ::close(fd);
        capture.stop();
        const double rate = (data.size() + 4.0 * double(discarded)) / seconds;
        QVERIFY2(std::fabs(rate - 384000.0) / 384000.0 < 0.02,
                 qPrintable(QStringLiteral("%1 bytes a second, %2 samples discarded").arg(rate).arg(discarded)));
        QCOMPARE(data.count('\0'), data.size());

        // A file that took the pipe's place meanwhile is not the capture's to remove.
        QVERIFY2(capture.start(pipe, &error), qPrintable(error));
        QVERIFY(QFile::remove(pipe));
        {
            QFile file(pipe);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("kept");
        }
        capture.stop();
        QVERIFY(QFile::exists(pipe));
    }

    void windowListPreviewAndFrames()
    {
        TestWindowProcess probe;
        QVERIFY(probe.open(QStringLiteral("Vistrelle probe 窗口"), QStringLiteral("#00c000"),
                           QRect(300, 300, 500, 300)));
        auto findProbe = [&] {
            for (const MacWindowInfo &info : macCapturableWindows()) {
                if (info.windowNumber == probe.id())
                    return info;
            }
            return MacWindowInfo();
        };
        MacWindowInfo info = findProbe();
        QCOMPARE(info.title, QStringLiteral("Vistrelle probe 窗口"));
        QCOMPARE(info.bounds, QRect(300, 300, 500, 300));
        QVERIFY(info.ownerPid > 0);
        QVERIFY(!info.ownerName.isEmpty());
        QVERIFY(WindowFrameSource::capturableWindows().contains(
            NativeWindowHandle(quint32(probe.id()), info.title)));
        for (const MacWindowInfo &own : macCapturableWindows())
            QVERIFY(own.ownerPid != QCoreApplication::applicationPid());

        // Another window covering the probe shows neither in its preview nor in its frames.
        TestWindowProcess cover;
        QVERIFY(cover.open(QStringLiteral("Cover"), QStringLiteral("#0000ff"), QRect(250, 250, 700, 450)));

        std::optional<QImage> preview = previewOnce(probe.id());
        QVERIFY(preview);
        QCOMPARE(preview->size(), QSize(640, 384));
        QCOMPARE(QColor(preview->pixel(320, 192)), QColor(0, 0xc0, 0));

        WindowFrameSource source;
        QSignalSpy frames(&source, &WindowFrameSource::frameAvailable);
        QSignalSpy errors(&source, &WindowFrameSource::errorOccurred);
        // Each frame carries the moment its pixels were read, before it reached this thread and
        // after the frame before: a recording stamps it with that moment.
        const qint64 startedUs = RecordingClock::wallUs();
        QList<qint64> stamps;
        QList<qint64> arrivals;
        connect(&source, &WindowFrameSource::frameAvailable, this, [&] {
            stamps << source.latestStampUs();
            arrivals << RecordingClock::wallUs();
        });
        QString error;
        QVERIFY2(source.start(NativeWindowHandle(quint32(probe.id()), info.title), 30, &error),
                 qPrintable(error));
        QVERIFY(source.readsWindowPixels());
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 10, 5000);
        for (qsizetype i = 0; i < stamps.size(); ++i) {
            QVERIFY2(stamps.at(i) >= (i ? stamps.at(i - 1) + 1 : startedUs) && stamps.at(i) <= arrivals.at(i),
                     qPrintable(QStringLiteral("frame %1 stamped %2 us after the start, arrived %3 us after it")
                                    .arg(i).arg(stamps.at(i) - startedUs).arg(arrivals.at(i) - startedUs)));
        }
        const QImage frame = frames.last().first().value<QImage>();
        QCOMPARE(frame.size(), QSize(500, 300));
        QCOMPARE(frame.format(), QImage::Format_ARGB32);
        QCOMPARE(frame.pixel(250, 150), 0xFF00C000u);
        QCOMPARE(frame.pixel(2, 2), 0xFF00C000u);
        QVERIFY(allOpaque(frame));
        QCOMPARE(source.latestFrame().size(), QSize(500, 300));

        // The window goes away: one error, no more frames.
        probe.close();
        QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 3000);
        QVERIFY(!source.isActive());
        QCOMPARE(source.errorString(), errors.first().first().toString());
        const int delivered = frames.count();
        QTest::qWait(200);
        QCOMPARE(frames.count(), delivered);
        QCOMPARE(errors.count(), 1);

        QTRY_VERIFY_WITH_TIMEOUT(findProbe().windowNumber == 0, 3000);
        preview = previewOnce(probe.id());
        QVERIFY(preview);
        QVERIFY(preview->isNull());
    }

    // The X server held by another client for five frame times and a third, as a busy server or
    // compositor holds it: no frame is stamped inside the hold (the frame read once it ends has
    // that moment), and the grabs after it keep the beat of the ones before, on which a recording
    // set its frame grid and the start of its sound.
    void windowFramesKeepTheirBeatThroughAStall()
    {
        TestWindowProcess probe;
        QVERIFY(probe.open(QStringLiteral("Beat probe"), QStringLiteral("#c000c0"), QRect(300, 300, 400, 300)));
        WindowFrameSource source;
        QList<qint64> stamps;
        connect(&source, &WindowFrameSource::frameAvailable, this, [&] { stamps << source.latestStampUs(); });
        QString error;
        QVERIFY2(source.start(NativeWindowHandle(quint32(probe.id()), QStringLiteral("Beat probe")), 30, &error),
                 qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(stamps.size() >= 12, 5000);
        constexpr qint64 frameUs = 1000000 / 30;
        // Where a stamp lies against the beat of the first one, -frameUs / 2 .. frameUs / 2.
        const qint64 beatUs = stamps.first();
        const auto phaseUs = [beatUs](qint64 stampUs) {
            const qint64 phase = ((stampUs - beatUs) % frameUs + frameUs) % frameUs;
            return phase > frameUs / 2 ? phase - frameUs : phase;
        };
        const auto medianPhaseUs = [&](qsizetype from, qsizetype count) {
            QList<qint64> phases;
            for (qsizetype i = from; i < from + count; ++i)
                phases << phaseUs(stamps.at(i));
            std::sort(phases.begin(), phases.end());
            return phases.at(phases.size() / 2);
        };
        const qint64 beforeUs = medianPhaseUs(0, 12);

        X11Connection holder;
        QVERIFY(holder.isValid());
        xcb_grab_server(holder.get());
        std::free(xcb_get_input_focus_reply(holder.get(), xcb_get_input_focus(holder.get()), nullptr));
        const qint64 heldUs = RecordingClock::wallUs();
        const qint64 releaseUs = beatUs + ((heldUs - beatUs) / frameUs + 5) * frameUs + frameUs / 3;
        QThread::usleep(quint64(std::max<qint64>(0, releaseUs - RecordingClock::wallUs())));
        const qint64 releasedUs = RecordingClock::wallUs();
        xcb_ungrab_server(holder.get());
        std::free(xcb_get_input_focus_reply(holder.get(), xcb_get_input_focus(holder.get()), nullptr));

        // The first frame stamped after the hold began (one read before it may come late).
        qsizetype after = 0;
        QTRY_VERIFY_WITH_TIMEOUT((after = std::count_if(stamps.cbegin(), stamps.cend(),
                                                        [heldUs](qint64 stampUs) { return stampUs <= heldUs; }))
                                     + 12 <= stamps.size(),
                                 5000);
        QVERIFY2(stamps.at(after) >= releasedUs,
                 qPrintable(QStringLiteral("a frame stamped %1 ms into a hold of %2 ms")
                                .arg(double(stamps.at(after) - heldUs) / 1000.0)
                                .arg(double(releasedUs - heldUs) / 1000.0)));
        // The frame read at the release lies off the beat; the ones after it are back on it.
        const qint64 afterUs = medianPhaseUs(after + 2, 10);
        QVERIFY2(std::abs(afterUs - beforeUs) < frameUs / 4,
                 qPrintable(QStringLiteral("grabs %1 ms off the beat before the hold, %2 ms after it")
                                .arg(double(beforeUs) / 1000.0)
                                .arg(double(afterUs) / 1000.0)));

        // Gone from the window list before the next test opens a window, which may get its id.
        const NativeWindowHandle handle(quint32(probe.id()), QStringLiteral("Beat probe"));
        source.stop();
        probe.close();
        QTRY_VERIFY_WITH_TIMEOUT(!WindowFrameSource::capturableWindows().contains(handle), 3000);
    }

    void toolbarHelpers()
    {
        QVERIFY(keepMacRecordingToolbarVisible(m_toolbar->winId()));
        QVERIFY(keepMacRecordingToolbarVisible(m_toolbar->winId()));
        QVERIFY(!keepMacRecordingToolbarVisible(WId(0x7ffffffe)));
        QVERIFY(!excludeMacWindowFromLegacyCapture(m_toolbar->winId()));
    }

    void underAWindowManager()
    {
        TestWindowProcess probe;
        QVERIFY(probe.open(QStringLiteral("Framed probe"), QStringLiteral("#c08000"),
                           QRect(400, 200, 500, 300)));
        // The desktop's own window manager when it has one; else one of our own.
        const bool ownManager = !X11Connection().hasLiveWindowManager();
        QProcess wm;
        if (ownManager) {
            wm.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
            QVERIFY(wm.waitForStarted(5000));
            QTRY_VERIFY_WITH_TIMEOUT(X11Connection().hasLiveWindowManager(), 10000);
            QTest::qWait(500); // let it frame the windows that were already there
        }

        // The listed window is the client inside the frame, with its own title and size.
        auto findProbe = [&] {
            for (const MacWindowInfo &info : macCapturableWindows()) {
                if (info.windowNumber == probe.id())
                    return info;
            }
            return MacWindowInfo();
        };
        QTRY_COMPARE_WITH_TIMEOUT(findProbe().title, QStringLiteral("Framed probe"), 5000);
        QCOMPARE(findProbe().bounds.size(), QSize(500, 300));

        WindowFrameSource source;
        QSignalSpy frames(&source, &WindowFrameSource::frameAvailable);
        QString error;
        QVERIFY2(source.start(NativeWindowHandle(quint32(probe.id()), QString()), 20, &error),
                 qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 5000);
        const QImage frame = frames.last().first().value<QImage>();
        QCOMPARE(frame.size(), QSize(500, 300));
        QCOMPARE(frame.pixel(250, 150), 0xFFC08000u);
        source.stop();

        // Stays-on-top and sticky go through the window manager.
        QVERIFY(keepMacRecordingToolbarVisible(m_toolbar->winId()));
        X11Connection connection;
        auto toolbarStates = [&] {
            return connection.cardinalList(quint32(m_toolbar->winId()), "_NET_WM_STATE", XCB_ATOM_ATOM);
        };
        QTRY_VERIFY_WITH_TIMEOUT(toolbarStates().contains(connection.atom("_NET_WM_STATE_ABOVE")), 3000);
        // On every desktop: some window managers say so by the state, others by the desktop number.
        QTRY_VERIFY_WITH_TIMEOUT(
            toolbarStates().contains(connection.atom("_NET_WM_STATE_STICKY"))
                || connection.cardinal(quint32(m_toolbar->winId()), "_NET_WM_DESKTOP", XCB_ATOM_CARDINAL)
                       == 0xFFFFFFFFu,
            3000);

        // Once it has gone, its leftover properties do not hide the windows. The desktop's own
        // window manager stays.
        if (!ownManager)
            return;
        wm.terminate();
        QVERIFY(wm.waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!X11Connection().hasLiveWindowManager(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(findProbe().title, QStringLiteral("Framed probe"), 5000);
    }

    void cleanupTestCase() { m_toolbar.reset(); }

private:
    std::unique_ptr<QWidget> m_toolbar;
};

QTEST_MAIN(TestCaptureE2E)
#include "tst_capture_e2e.moc"
