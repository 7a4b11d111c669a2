// Capture layer rules that need no display or sound server: frame sizes, the frame
// rate rule, pixel work on grabbed frames, the system-audio queue and its failures,
// the window-list rules, and the start failures of the capture classes.
#include <QtTest>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "platform/mac/AlignedSampleQueue.h"
#include "platform/mac/CaptureWorkerThread.h"
#include "platform/mac/MacScreenCapture.h"
#include "platform/mac/MacSystemAudioCapture.h"
#include "platform/mac/MacWindowHelpers.h"
#include "platform/mac/WindowFrameSource.h"
#include "platform/mac/X11FrameGrabber.h"
#include "platform/mac/RecordingClock.h"
#include "recording/SegmentAudioPipes.h"

#include <atomic>
#include <functional>
#include <cerrno>
#include <cstring>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

QImage filled(const QSize &size, QRgb colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// A sound source for AlignedSampleQueue: 10 ms fragments whose frames hold their capture
// time in frames since the origin, delivered as a sound server would, and the output
// produced as a writer asks for it every millisecond.
struct TimedSource
{
    static constexpr qint64 Ms = 1000000;
    static constexpr qint64 Origin = 1000 * Ms;
    qint64 startMs = 0;                 // capture of the first frame, after the origin
    std::function<qint64(int)> lateMs = [](int) { return 0; }; // delivery delay of fragment k
    std::function<bool(int)> lost = [](int) { return false; };  // never delivered, untold
    std::vector<float> run(AlignedSampleQueue &queue, int fragments)
    {
        std::vector<float> out;
        std::vector<float> chunk(960);
        queue.setOrigin(Origin);
        int next = 0;
        for (qint64 now = Origin; now < Origin + (startMs + fragments * 10 + 200) * Ms; now += Ms) {
            while (next < fragments && Origin + (startMs + (next + 1) * 10 + lateMs(next)) * Ms <= now) {
                std::vector<float> frames(960);
                for (int i = 0; i < 480; ++i)
                    frames[2 * i] = frames[2 * i + 1] = float(startMs * 48 + next * 480 + i);
                if (!lost(next))
                    queue.append(frames.data(), 480, now);
                ++next;
            }
            const size_t n = queue.produce(chunk.data(), 480, now);
            out.insert(out.end(), chunk.begin(), chunk.begin() + std::ptrdiff_t(2 * n));
        }
        return out;
    }
    // Frames from `from` on whose sound is not that of their place (silence aside).
    static int misplaced(const std::vector<float> &out, size_t from, size_t to)
    {
        int wrong = 0;
        for (size_t p = from; p < to && 2 * p < out.size(); ++p)
            wrong += out[2 * p] != 0.0f && std::abs(out[2 * p] - float(p)) > 1.0f;
        return wrong;
    }
};

// A worker whose thread ignores the stop request for a while, as one stuck in the
// X server would.
struct StubbornWorker : CaptureWorkerThread
{
    std::atomic_bool release{false};
    void run() override
    {
        enterPhase(Phase::Running);
        deliver(QImage(2, 2, QImage::Format_ARGB32));
        while (!release.load())
            QThread::msleep(5);
        deliver(QImage(4, 4, QImage::Format_ARGB32)); // must not reach the sink any more
    }
};

struct FailingWorker : CaptureWorkerThread
{
    void run() override
    {
        enterPhase(Phase::Listed);
        fail(QStringLiteral("Selected screen is unavailable"));
    }
};

} // namespace

// Sound fed to a capture as its sound server would, from a thread: every sample holds its own
// time since the origin, in seconds.
class TimedSound
{
public:
    TimedSound(MacSystemAudioCapture &capture, qint64 originNs)
        : m_thread([this, &capture, originNs] {
            qint64 sent = 0;
            std::vector<float> block;
            while (m_feeding.load()) {
                const qint64 due = (RecordingClock::steadyNs() - originNs) * 48 / 1000000;
                block.clear();
                for (qint64 i = sent; i < due; ++i)
                    block.insert(block.end(), 2, float(double(i) / 48000.0));
                if (!block.empty())
                    capture.appendSamples(block.data(), block.size(), originNs + sent * 1000000000 / 48000);
                sent = due;
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        })
    {
    }
    ~TimedSound() { stop(); }
    void stop()
    {
        m_feeding = false;
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::atomic<bool> m_feeding{true};
    std::thread m_thread;
};

// While it lives the captures find no sound server (one at a path in `dir` that nothing serves).
class NoSoundServer
{
public:
    explicit NoSoundServer(const QTemporaryDir &dir)
        : m_saved(qgetenv("PULSE_SERVER"))
    {
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(dir.filePath(QStringLiteral("no-server"))));
    }
    ~NoSoundServer()
    {
        qputenv("PULSE_SERVER", m_saved);
        if (m_saved.isEmpty())
            qunsetenv("PULSE_SERVER");
    }
    NoSoundServer(const NoSoundServer &) = delete;
    NoSoundServer &operator=(const NoSoundServer &) = delete;

private:
    QByteArray m_saved;
};

class TestCapture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    }

    void streamSizeKeepsAspectAndEvenSides()
    {
        QCOMPARE(MacScreenCapture::streamSize({2880, 1800}, {1920, 1080}), QSize(1728, 1080));
        QCOMPARE(MacScreenCapture::streamSize({2880, 1800}, {1919, 1079}), QSize(1726, 1078));
        QCOMPARE(MacScreenCapture::streamSize({3840, 2160}, {1920, 1080}), QSize(1920, 1080));
        // The display's own size: odd sides lose their last pixel.
        QCOMPARE(MacScreenCapture::streamSize({1921, 1081}, {-1, -1}), QSize(1920, 1080));
        QCOMPARE(MacScreenCapture::streamSize({1920, 1080}, {-1, 500}), QSize(1920, 1080));
        // A degenerate target never yields an empty frame.
        QCOMPARE(MacScreenCapture::streamSize({1920, 1080}, {0, 0}), QSize(2, 2));
    }

    void frameRateBelowTwoIsOne()
    {
        QCOMPARE(MacScreenCapture::effectiveFps(-5), 1);
        QCOMPARE(MacScreenCapture::effectiveFps(0), 1);
        QCOMPARE(MacScreenCapture::effectiveFps(1), 1);
        QCOMPARE(MacScreenCapture::effectiveFps(2), 2);
        QCOMPARE(MacScreenCapture::effectiveFps(60), 60);
    }

    void displayIndexOutsideTheListMeansPrimary()
    {
        const QRect primary = MacScreenCapture::displayRect(0);
        QVERIFY(!primary.isEmpty());
        QCOMPARE(MacScreenCapture::displayRect(7), primary);
        QCOMPARE(MacScreenCapture::displayRect(-1), primary);
    }

    void screenCaptureRefusesWithoutX11()
    {
        // Unit tests run on the offscreen platform: no X11 screen to grab, so the
        // capture must refuse rather than deliver black frames.
        QVERIFY(!MacScreenCapture::isAvailable());
        MacScreenCapture capture;
        capture.stop(); // stop without start
        QString error;
        QVERIFY(!capture.start(0, WId(0x1234), 30, QSize(-1, -1), &error));
        QVERIFY2(error.contains(QLatin1String("X11")), qPrintable(error));
        QVERIFY(capture.latestFrame().isNull());
        QVERIFY(!capture.start(0, WId(0x1234), 30, QSize(-1, -1), nullptr));
        capture.stop();
        capture.stop();
        QVERIFY(capture.frameSize().isEmpty());
    }

    void frameHandOverIsByValue()
    {
        MacScreenCapture capture;
        QImage frame = filled({8, 6}, 0xFF112233);
        capture.setFrame(frame);
        QCOMPARE(capture.frameSize(), QSize(8, 6));
        frame.fill(0xFF000000); // the caller's copy changing leaves the kept frame alone
        QCOMPARE(capture.latestFrame().pixel(0, 0), 0xFF112233u);
        capture.stop();
        QVERIFY(capture.latestFrame().isNull());

        // Frames not taken yet wait with their times, oldest first, sixteen of them: a late
        // tick writes each once instead of the newest twice. Past that they are thinned
        // evenly, so that a recorder held up still has the picture of every moment: after
        // 100 beats the sixteen span them all, no gap more than twice the others' share.
        const auto checkSpread = [](const std::vector<MacScreenCapture::StampedFrame> &fresh, int beats) {
            QCOMPARE(int(fresh.size()), MacScreenCapture::kKeptFrames);
            QCOMPARE(fresh.front().stampUs, 0);
            QCOMPARE(fresh.back().stampUs, 1000 * (beats - 1));
            QCOMPARE(fresh.back().image.pixel(0, 0), 0xFF000000u + uint(beats - 1));
            const qint64 share = fresh.back().stampUs / (MacScreenCapture::kKeptFrames - 1);
            for (std::size_t i = 1; i < fresh.size(); ++i) {
                const qint64 gap = fresh[i].stampUs - fresh[i - 1].stampUs;
                QVERIFY2(gap > 0 && gap <= 2 * share, qPrintable(QString::number(gap)));
            }
        };
        for (int beats : {20, 100}) {
            for (int n = 0; n < beats; ++n)
                capture.setFrame(filled({8, 6}, 0xFF000000u + n), 1000 * n);
            checkSpread(capture.takeNewFrames(), beats);
            QVERIFY(capture.takeNewFrames().empty());
        }
        // Frames without a time: the oldest go.
        for (int n = 0; n < 20; ++n)
            capture.setFrame(filled({8, 6}, 0xFF000000u + n));
        QCOMPARE(capture.takeNewFrames().front().image.pixel(0, 0), 0xFF000004u);
        // Large frames: no more than their share of memory, but the oldest and the newest.
        for (int n = 0; n < 4; ++n)
            capture.setFrame(filled({4096, 2160}, 0xFF000000u), n);
        const std::vector<MacScreenCapture::StampedFrame> large = capture.takeNewFrames();
        QCOMPARE(int(large.size()), 2);
        QCOMPARE(large.front().stampUs, 0);
        QCOMPARE(large.back().stampUs, 3);
    }

    void workerStartFailureAndStuckStop()
    {
        auto failing = std::make_shared<FailingWorker>();
        failing->launch();
        QString failure;
        QVERIFY(failing->waitForPhase(CaptureWorkerThread::Phase::Listed, 2000, &failure)
                || !failure.isEmpty());
        QVERIFY(!failing->waitForPhase(CaptureWorkerThread::Phase::Running, 2000, &failure));
        QCOMPARE(failure, QStringLiteral("Selected screen is unavailable"));
        failing->shutdown(2000);

        // A thread that does not end in time is let go: shutdown returns after its
        // limit and nothing reaches the sink afterwards.
        auto stubborn = std::make_shared<StubbornWorker>();
        std::atomic_int delivered{0};
        std::atomic_int lastWidth{0};
        stubborn->setSink([&](QImage image) {
            ++delivered;
            lastWidth = image.width();
        });
        stubborn->launch();
        QVERIFY(stubborn->waitForPhase(CaptureWorkerThread::Phase::Running, 2000, nullptr));
        QTRY_COMPARE(delivered.load(), 1);
        QElapsedTimer timer;
        timer.start();
        stubborn->shutdown(200);
        QVERIFY(timer.elapsed() < 1500);
        QVERIFY(!stubborn->isFinished());
        stubborn->release = true;
        QTRY_VERIFY(stubborn->isFinished());
        QCOMPARE(delivered.load(), 1);
        QCOMPARE(lastWidth.load(), 2);
    }

    void opaqueAlphaAndCursorBlending()
    {
        // Rows of two whole 16-pixel runs and a tail; any alpha byte, any colour; rows
        // that are opaque but for one pixel, in a run or in the tail.
        QImage image = filled({37, 4}, 0x00123456);
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, 1, quint32(x) * 0x05030107u);
            image.setPixel(x, 2, 0xFF123456u);
            image.setPixel(x, 3, 0xFF123456u);
        }
        image.setPixel(35, 2, 0x00123456u);
        image.setPixel(3, 3, 0xFE123456u);
        X11FrameGrabber::forceOpaque(image);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const quint32 colour = y == 1 ? quint32(x) * 0x05030107u : 0x00123456u;
                QCOMPARE(image.pixel(x, y), colour | 0xFF000000u);
            }
        }

        // Premultiplied cursor pixels: transparent, opaque, and half-covering white.
        QImage frame = filled({6, 6}, 0xFF000000);
        const quint32 cursor[] = {0x00000000, 0xFFFF0000, 0x80808080,
                                  0xFF00FF00, 0x00000000, 0xFF0000FF};
        X11FrameGrabber::blendPremultiplied(frame, cursor, 3, 2, QPoint(1, 1));
        QCOMPARE(frame.pixel(1, 1), 0xFF000000u);
        QCOMPARE(frame.pixel(2, 1), 0xFFFF0000u);
        QCOMPARE(frame.pixel(3, 1), 0xFF808080u);
        QCOMPARE(frame.pixel(1, 2), 0xFF00FF00u);
        QCOMPARE(frame.pixel(3, 2), 0xFF0000FFu);
        QCOMPARE(frame.pixel(4, 1), 0xFF000000u);

        QImage white = filled({2, 2}, 0xFFFFFFFF);
        const quint32 halfBlack[] = {0x80000000};
        X11FrameGrabber::blendPremultiplied(white, halfBlack, 1, 1, QPoint(0, 0));
        QCOMPARE(white.pixel(0, 0), 0xFF7F7F7Fu);

        // A pointer partly outside the frame is clipped, not written out of bounds.
        QImage edge = filled({3, 3}, 0xFF000000);
        const std::vector<quint32> big(16 * 16, 0xFFFFFFFFu);
        X11FrameGrabber::blendPremultiplied(edge, big.data(), 16, 16, QPoint(-14, -14));
        QCOMPARE(edge.pixel(1, 1), 0xFFFFFFFFu);
        QCOMPARE(edge.pixel(2, 1), 0xFF000000u);
        X11FrameGrabber::blendPremultiplied(edge, big.data(), 16, 16, QPoint(2, 2));
        QCOMPARE(edge.pixel(2, 2), 0xFFFFFFFFu);
        X11FrameGrabber::blendPremultiplied(edge, big.data(), 16, 16, QPoint(50, -50));
    }

    void scalingAveragesWholeBlocks()
    {
        // A 2x2 checkerboard of black and white per block averages to mid grey.
        QImage checker(8, 4, QImage::Format_ARGB32);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 8; ++x)
                checker.setPixel(x, y, ((x + y) % 2) ? 0xFFFFFFFF : 0xFF000000);
        }
        const QImage half = X11FrameGrabber::scaled(checker, {4, 2});
        QCOMPARE(half.size(), QSize(4, 2));
        QCOMPARE(half.format(), QImage::Format_ARGB32);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 4; ++x)
                QCOMPARE(half.pixel(x, y), 0xFF808080u);
        }
        // Distinct colours per block stay where they were.
        QImage quads(6, 6, QImage::Format_ARGB32);
        quads.fill(0xFF0000FF);
        for (int y = 0; y < 3; ++y) {
            for (int x = 3; x < 6; ++x)
                quads.setPixel(x, y, 0xFFFF0000);
        }
        const QImage third = X11FrameGrabber::scaled(quads, {2, 2});
        QCOMPARE(third.pixel(0, 0), 0xFF0000FFu);
        QCOMPARE(third.pixel(1, 0), 0xFFFF0000u);
        QCOMPARE(third.pixel(1, 1), 0xFF0000FFu);
        // Other ratios still give exactly the asked size.
        QCOMPARE(X11FrameGrabber::scaled(filled({2880, 1800}, 0xFF204060), {1728, 1080}).size(),
                 QSize(1728, 1080));
        QCOMPARE(X11FrameGrabber::scaled(filled({1001, 601}, 0xFF204060), {1000, 600}).pixel(500, 300),
                 0xFF204060u);
        const QImage same = filled({10, 10}, 0xFF010203);
        QCOMPARE(X11FrameGrabber::scaled(same, {10, 10}).constBits(), same.constBits());
    }

    void audioStatisticsAndQueueCap()
    {
        MacSystemAudioCapture capture;
        const float samples[] = {0.0f, 0.00005f, -0.00011f, 0.25f, -0.75f, 0.5f};
        capture.appendSamples(samples, 6);
        MacSystemAudioCapture::Statistics stats = capture.statistics();
        QCOMPARE(stats.receivedSamples, quint64(6));
        QCOMPARE(stats.audibleSamples, quint64(4));
        QCOMPARE(stats.peak, 0.75f);
        QCOMPARE(stats.queuedSamples, size_t(6));
        QCOMPARE(stats.discardedSamples, quint64(0));

        // The queue keeps the newest 2 s; what falls off the front is counted.
        std::vector<float> block(100000, 0.0f);
        capture.appendSamples(block.data(), block.size());
        capture.appendSamples(block.data(), block.size());
        stats = capture.statistics();
        QCOMPARE(stats.queuedSamples, MacSystemAudioCapture::MaxQueuedSamples);
        QCOMPARE(stats.discardedSamples, quint64(200006 - 192000));
        QCOMPARE(stats.receivedSamples, quint64(200006));
        QCOMPARE(stats.writtenSamples, quint64(0));
    }

    // Sound keeps the time it was captured at: a late start is preceded by silence, late
    // deliveries move nothing (a busy machine's sound server's, over half a second late, lose
    // nothing either), a longer stall becomes silence in its place, and neither a lost stretch nor a
    // source clock 0.3 % fast shifts what follows.
    void soundKeepsItsCaptureTime()
    {
        AlignedSampleQueue queue;
        TimedSource source;
        source.startMs = 30;
        // The sound server holds everything back for 0.65 s from 2.03 s on, and for 0.95 s
        // from 4.03 s on: each stretch then comes at once.
        source.lateMs = [](int k) { return k >= 100 && k < 106 ? 60 - (k - 100) * 10 : k == 200 ? 650 : k == 400 ? 950 : 0; };
        std::vector<float> out = source.run(queue, 600);
        QVERIFY(out.size() >= 2 * 48 * 6000);
        for (size_t p = 0; p < 30 * 48; ++p)
            QCOMPARE(out[2 * p], 0.0f);
        QCOMPARE(TimedSource::misplaced(out, 0, 48 * 6000), 0);
        QCOMPARE(out[2 * 1500], 1500.0f);
        QCOMPARE(out[2 * 48 * 2300], float(48 * 2300)); // 0.65 s late, in its place
        QCOMPARE(out[2 * 48 * 4100], 0.0f); // the longer stall is silence...
        QCOMPARE(out[2 * 48 * 4500], float(48 * 4500)); // ...and then the sound is in its place

        // A source that has delivered nothing yet is not waited for as long: the encoder opens
        // its input only with the first sound.
        AlignedSampleQueue unheard;
        unheard.setOrigin(TimedSource::Origin);
        std::vector<float> opening(2 * 48 * 1000);
        QCOMPARE(unheard.produce(opening.data(), 48 * 1000, TimedSource::Origin + 200 * TimedSource::Ms), size_t(48 * 80));

        // 100 ms lost without a word: a second later the sound is in its place again.
        AlignedSampleQueue lossy;
        TimedSource losing;
        losing.lost = [](int k) { return k >= 100 && k < 110; };
        out = losing.run(lossy, 400);
        QCOMPARE(TimedSource::misplaced(out, 48 * 2500, 48 * 4000), 0);

        // A source whose clock runs 0.3 % fast: the sound stays in its place, taken up
        // smoothly, without a piece left out.
        AlignedSampleQueue drifting;
        std::vector<float> chunk(960);
        drifting.setOrigin(TimedSource::Origin);
        std::vector<float> frames(960, 0.5f);
        qint64 delivered = 0;
        qint64 now = TimedSource::Origin;
        for (; now < TimedSource::Origin + 60'000 * TimedSource::Ms; now += TimedSource::Ms) {
            // 480 frames of the source take 10 ms / 1.003 of the steady clock.
            while ((delivered + 480) * 1'000'000'000 / 48144 <= now - TimedSource::Origin) {
                drifting.append(frames.data(), 480, now);
                delivered += 480;
            }
            drifting.produce(chunk.data(), 480, now);
        }
        const qint64 due = (now - TimedSource::Origin) * 48 / TimedSource::Ms;
        QVERIFY2(std::abs(due - drifting.position()) < 1000, qPrintable(QString::number(due - drifting.position())));
        QVERIFY2(drifting.queuedFrames() < 1000, qPrintable(QString::number(drifting.queuedFrames())));
        QCOMPARE(drifting.droppedFrames(), quint64(0));
    }

    // A stop while the sound server holds the sound back (here it never answers): the pipe
    // reaches the stop's instant all the same, with silence for the sound on its way, so that
    // the encoder, which ends its file with the shorter of sound and picture, keeps the last
    // pictures.
    void soundReachesTheStop()
    {
        QTemporaryDir dir;
        const NoSoundServer noServer(dir);
        MacSystemAudioCapture capture;
        const QString pipe = dir.filePath(QStringLiteral("system_audio_1.fifo"));
        const qint64 originNs = RecordingClock::steadyNs();
        QString error;
        QVERIFY2(capture.start(pipe, &error, true, originNs), qPrintable(error));
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        const auto closePipe = qScopeGuard([fd] { ::close(fd); });
        QTest::qWait(500);
        const qint64 stopNs = RecordingClock::steadyNs();
        capture.stop();
        qint64 frames = 0;
        char buffer[65536];
        for (ssize_t n = 0; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            frames += n / qint64(2 * sizeof(float));
        const qint64 expected = (stopNs - originNs) * 48 / 1000000;
        QVERIFY2(frames >= expected && frames <= expected + 48 * 50,
                 qPrintable(QStringLiteral("%1 frames for %2 up to the stop").arg(frames).arg(expected)));
    }

    // A segment's sound starts with its first picture: nothing goes into the pipe before the
    // encoder has taken that picture, and then, after the primer, the sound of that very
    // instant, though the picture was taken a while before the writer heard of it.
    void soundStartsWithTheFirstPicture()
    {
        QTemporaryDir dir;
        const NoSoundServer noServer(dir);
        MacSystemAudioCapture capture;
        const QString pipe = dir.filePath(QStringLiteral("system_audio_1.fifo"));
        QString error;
        QVERIFY2(capture.start(pipe, &error, true, MacSystemAudioCapture::OriginLater), qPrintable(error));
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        const qint64 originNs = RecordingClock::steadyNs();
        capture.awaitOrigin();
        capture.settleOrigin(-1); // not known yet
        // Every sample holds its own time since originNs, in seconds.
        const auto stopFeeding = qScopeGuard([&capture, fd, feeder = std::make_shared<TimedSound>(capture, originNs)] {
            feeder->stop();
            capture.stop();
            ::close(fd);
        });
        QTest::qWait(AlignedSampleQueue::StallNs / 1000000 + 200);
        QCOMPARE(capture.statistics().writtenSamples, quint64(0));
        // The picture was taken 60 ms before the writer is told.
        const qint64 pictureNs = RecordingClock::steadyNs() - 60 * 1000000;
        capture.settleOrigin(pictureNs);
        std::vector<float> got;
        const auto firstSound = [&got] {
            for (size_t i = MacSystemAudioCapture::PrimerFrames * 2; i < got.size(); i += 2)
                if (got[i] != 0.0f)
                    return i / 2 - MacSystemAudioCapture::PrimerFrames;
            return size_t(0);
        };
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                float buffer[4096];
                const ssize_t n = ::read(fd, buffer, sizeof buffer);
                if (n > 0)
                    got.insert(got.end(), buffer, buffer + n / sizeof(float));
                return firstSound() > 0 || (got.size() > MacSystemAudioCapture::PrimerFrames * 2 && got.back() != 0.0f);
            }(),
            10000);
        QCOMPARE(got.at(MacSystemAudioCapture::PrimerFrames * 2 - 1), 0.0f);
        // Frame p of the stream holds the sound of picture + p / 48000 s (a start the writer
        // heard of late is silence, in its place).
        const size_t first = firstSound();
        const double expected = double(pictureNs - originNs) / 1e9 + double(first) / 48000.0;
        const double startsAt = got.at((MacSystemAudioCapture::PrimerFrames + first) * 2);
        QVERIFY2(std::abs(startsAt - expected) < 0.002,
                 qPrintable(QStringLiteral("%1 s, not %2 s, at frame %3").arg(startsAt).arg(expected).arg(first)));
    }

    // At a split the next segment's first picture was taken while the segment before still
    // recorded: its sound starts at that picture, though the pipe before has had it already.
    void splitSoundStartsWithTheNextSegmentsPicture()
    {
        // The feeder stands for the sound server: where a busy machine holds it back, the
        // capture keeps time with silence and drops the late sound, and the moment looked at
        // may be that silence. Tried again then, not where the sound all came in time.
        for (int attempt = 1;; ++attempt) {
            bool late = false;
            QString why;
            splitSoundAttempt(&late, &why);
            if (QTest::currentTestFailed() || why.isEmpty())
                return;
            if (!late || attempt == 3)
                QFAIL(qPrintable(why));
            qInfo("sound came late (%s): again", qPrintable(why));
        }
    }

    // A segment of sound alone starts with the sound of the instant its pipes were given: at
    // its start, or at the split that hands the sound on to it; a split given up leaves the
    // segment before its own.
    void segmentSoundKnowsItsFirstInstant()
    {
        QTemporaryDir dir;
        const NoSoundServer noServer(dir);
        SegmentAudioPipes pipes;
        const SegmentAudioPipes::Wanted wanted{QByteArrayLiteral("vsink.monitor"), QByteArray()};
        QString error;
        const qint64 before = RecordingClock::steadyNs();
        QVERIFY2(pipes.start(dir.path(), wanted, nullptr, &error, true), qPrintable(error));
        const qint64 first = pipes.originNs();
        QVERIFY(first >= before && first <= RecordingClock::steadyNs());
        // At once: a split in the same millisecond as the start names its pipes apart.
        QVERIFY2(pipes.prepareSplit(dir.path(), wanted, false, nullptr, &error), qPrintable(error));
        QVERIFY(pipes.originNs() >= first);
        pipes.cancelSplit();
        QCOMPARE(pipes.originNs(), first);
        // Beside pictures, the sound of the next segment starts at its hand-over.
        QVERIFY2(pipes.prepareSplit(dir.path(), wanted, true, nullptr, &error), qPrintable(error));
        QCOMPARE(pipes.originNs(), -1);
        pipes.completeSplit(first + 5);
        QCOMPARE(pipes.originNs(), first + 5);
        pipes.clear();
        QCOMPARE(pipes.originNs(), -1);
    }

    void audioStartFailuresLeaveNothingBehind()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());

        // An existing file is never replaced or removed.
        const QString existing = dir.filePath(QStringLiteral("system_audio_1.fifo"));
        {
            QFile file(existing);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("user data");
        }
        MacSystemAudioCapture capture;
        QString error;
        QVERIFY(!capture.start(existing, &error));
        QCOMPARE(error, QString::fromLocal8Bit(std::strerror(EEXIST)));
        QVERIFY(QFile::exists(existing));
        capture.stop();
        {
            QFile file(existing);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("user data"));
        }

        QVERIFY(!capture.start(dir.filePath(QStringLiteral("missing/x.fifo")), &error));
        QCOMPARE(error, QString::fromLocal8Bit(std::strerror(ENOENT)));

        // No sound server: a clear reason, quickly, and the pipe is gone again.
        const QByteArray savedServer = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(dir.filePath(QStringLiteral("no-server"))));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!MacSystemAudioCapture::isAvailable());
        const QString pipe = dir.filePath(QStringLiteral("système audio.fifo"));
        QVERIFY(!capture.start(pipe, &error));
        QVERIFY(timer.elapsed() < 3000);
        QVERIFY2(error.contains(QLatin1String("sound server")), qPrintable(error));
        QVERIFY(!QFile::exists(pipe));
        qputenv("PULSE_SERVER", savedServer);
        if (savedServer.isEmpty())
            qunsetenv("PULSE_SERVER");
    }

    void windowListRules_data()
    {
        QTest::addColumn<QRectF>("bounds");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("pid");
        QTest::addColumn<bool>("normal");
        QTest::addColumn<qreal>("opacity");
        QTest::addColumn<bool>("listed");
        const QRectF ok(10, 20, 400, 300);
        QTest::newRow("plain") << ok << "Editor" << 42 << true << 1.0 << true;
        QTest::newRow("199 wide") << QRectF(0, 0, 199, 500) << "A" << 42 << true << 1.0 << false;
        QTest::newRow("119 high") << QRectF(0, 0, 500, 119) << "A" << 42 << true << 1.0 << false;
        QTest::newRow("200x120") << QRectF(0, 0, 200, 120) << "A" << 42 << true << 1.0 << true;
        QTest::newRow("blank title") << ok << "  \t " << 42 << true << 1.0 << false;
        QTest::newRow("own process") << ok << "Mine" << 7 << true << 1.0 << false;
        QTest::newRow("dock") << ok << "Panel" << 42 << false << 1.0 << false;
        QTest::newRow("transparent") << ok << "Ghost" << 42 << true << 0.0 << false;
        QTest::newRow("no bounds") << QRectF() << "A" << 42 << true << 1.0 << false;
    }

    void windowListRules()
    {
        QFETCH(QRectF, bounds);
        QFETCH(QString, title);
        QFETCH(int, pid);
        QFETCH(bool, normal);
        QFETCH(qreal, opacity);
        QFETCH(bool, listed);
        MacWindowCandidate candidate;
        candidate.windowNumber = 0x400001;
        candidate.ownerPid = pid;
        candidate.title = title;
        candidate.bounds = bounds;
        candidate.normalType = normal;
        candidate.opacity = opacity;
        QCOMPARE(filterCapturableWindows({candidate}, 7).size(), listed ? 1 : 0);
    }

    void windowListKeepsOrderTrimsAndRounds()
    {
        MacWindowCandidate first;
        first.windowNumber = 11;
        first.ownerPid = 100;
        first.title = QStringLiteral("  终端 — Terminal \n");
        first.ownerName = QStringLiteral("xterm");
        first.bounds = QRectF(-10.5, 20.4, 300.5, 200.49);
        MacWindowCandidate second = first;
        second.windowNumber = 5;
        second.title = QStringLiteral("Second");
        const QList<MacWindowInfo> windows = filterCapturableWindows({first, second}, 1);
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows.at(0).windowNumber, quint64(11));
        QCOMPARE(windows.at(0).title, QStringLiteral("终端 — Terminal"));
        QCOMPARE(windows.at(0).ownerName, QStringLiteral("xterm"));
        QCOMPARE(windows.at(0).ownerPid, 100);
        QCOMPARE(windows.at(0).bounds, QRect(-11, 20, 301, 200));
        QCOMPARE(windows.at(1).windowNumber, quint64(5));
    }

    void previewSize()
    {
        QCOMPARE(macWindowPreviewSize({1000, 333}), QSize(640, 212));
        QCOMPARE(macWindowPreviewSize({1920, 1080}), QSize(640, 360));
        QCOMPARE(macWindowPreviewSize({500, 300}), QSize(640, 384));
        QCOMPARE(macWindowPreviewSize({640, 1}), QSize(640, 2));
        QCOMPARE(macWindowPreviewSize({0, 0}), QSize(640, 2));
    }

    void previewOfMissingWindowCallsBackOnceLater()
    {
        int calls = 0;
        QImage received(1, 1, QImage::Format_ARGB32);
        QThread *callbackThread = nullptr;
        captureMacWindowPreview(0, [&](QImage image) {
            ++calls;
            received = image;
            callbackThread = QThread::currentThread();
        });
        QCOMPARE(calls, 0); // never inside the call
        QTRY_COMPARE(calls, 1);
        QVERIFY(received.isNull());
        QCOMPARE(callbackThread, QCoreApplication::instance()->thread());
        QTest::qWait(100);
        QCOMPARE(calls, 1);
        captureMacWindowPreview(0, {}); // nothing to call back: no crash later
        QTest::qWait(100);
    }

    void windowSourceRefusesBadTargets()
    {
        WindowFrameSource source;
        QString error;
        QVERIFY(!source.start(NativeWindowHandle(), 30, &error));
        QCOMPARE(error, QStringLiteral("No window was chosen"));
        QCOMPARE(source.errorString(), error);
        QVERIFY(!source.isActive());
        QVERIFY(!source.start(NativeWindowHandle(0x7ffffffe, QStringLiteral("gone")), 30, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!source.isActive());
        QVERIFY(source.latestFrame().isNull());
        source.stop();
    }

    void windowHelpersOnMissingWindows()
    {
        QVERIFY(!keepMacRecordingToolbarVisible(WId(0)));
        QVERIFY(!excludeMacWindowFromLegacyCapture(WId(0)));
        configureMacAnnotationWindowLevels(WId(0), WId(0));
        configureMacMediaLibraryWindow(WId(0));
    }

private:
    // One try of the check above: `why` says what was wrong; `late`, whether sound came late.
    void splitSoundAttempt(bool *late, QString *why)
    {
        QTemporaryDir dir;
        const NoSoundServer noServer(dir);
        MacSystemAudioCapture capture;
        const QString first = dir.filePath(QStringLiteral("system_audio_1.fifo"));
        const QString next = dir.filePath(QStringLiteral("system_audio_2.fifo"));
        const qint64 originNs = RecordingClock::steadyNs();
        QString error;
        QVERIFY2(capture.start(first, &error, true, originNs), qPrintable(error));
        const int firstFd = ::open(QFile::encodeName(first).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(firstFd >= 0);
        // Every sample holds its own time since the origin, in seconds.
        const auto stopFeeding = qScopeGuard([&capture, feeder = std::make_shared<TimedSound>(capture, originNs)] {
            feeder->stop();
            capture.stop();
        });
        char sink[65536];
        const auto drainFirst = [&] {
            while (::read(firstFd, sink, sizeof sink) > 0) {
            }
        };
        QTRY_VERIFY_WITH_TIMEOUT((drainFirst(), capture.statistics().writtenSamples > 48000), 10000);
        QVERIFY2(capture.prepareNextPipe(next, true, &error), qPrintable(error));
        const int nextFd = ::open(QFile::encodeName(next).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(nextFd >= 0);
        // The next segment's picture, 100 ms before what the pipe before has been given.
        const qint64 pictureNs = originNs + (capture.statistics().writtenSamples / 2 - 4800) * 1000000000 / 48000;
        capture.switchToNextPipe(pictureNs);
        std::vector<float> got;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                drainFirst();
                float buffer[4096];
                const ssize_t n = ::read(nextFd, buffer, sizeof buffer);
                if (n > 0)
                    got.insert(got.end(), buffer, buffer + n / sizeof(float));
                return got.size() > (MacSystemAudioCapture::PrimerFrames + 100) * 2;
            }(),
            10000);
        ::close(nextFd);
        ::close(firstFd);
        const double expected = double(pictureNs - originNs) / 1e9;
        const double startsAt = got.at(MacSystemAudioCapture::PrimerFrames * 2);
        QCOMPARE(got.at(MacSystemAudioCapture::PrimerFrames * 2 - 1), 0.0f);
        if (std::abs(startsAt - expected) >= 0.002) {
            *why = QStringLiteral("%1 s, not %2 s").arg(startsAt).arg(expected);
            *late = capture.statistics().discardedSamples > 0;
        }
    }
};

QTEST_MAIN(TestCapture)
#include "tst_capture.moc"
