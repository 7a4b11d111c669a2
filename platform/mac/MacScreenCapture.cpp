#include "platform/mac/MacScreenCapture.h"

#include "platform/mac/CaptureWorkerThread.h"
#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/RecordingClock.h"
#include "platform/mac/X11Connection.h"
#include "platform/mac/X11FrameGrabber.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMutexLocker>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <limits>

struct MacScreenCapture::Worker : CaptureWorkerThread
{
    QRect grabRect;
    QSize outputSize;
    quint32 excludedWindow = 0;
    int fps = 1;
    int firstGrabDelayMs = 0;
    qint64 grabStartUs = -1; // of the frame being delivered
    // Told a start that failed, from the worker thread; set before launch().
    std::function<void(const QString &)> startFailed;
    // Set on the owner's thread by stop(): what the worker posted since is not for the owner.
    bool abandoned = false;

    void failStart(const QString &error)
    {
        fail(error);
        if (startFailed)
            startFailed(error);
    }

    void run() override
    {
        X11Connection connection;
        if (!connection.isValid()) {
            failStart(connection.errorString());
            return;
        }
        enterPhase(Phase::Listed);
        if (!QRect(QPoint(0, 0), connection.rootSize()).contains(grabRect)) {
            failStart(QStringLiteral("Selected screen is unavailable"));
            return;
        }
        if (!connection.windowExists(excludedWindow)) {
            failStart(QStringLiteral("Recording toolbar window cannot be excluded"));
            return;
        }
        static std::atomic_bool exclusionNoted{false};
        if (!exclusionNoted.exchange(true))
            qInfo() << "[Screen capture] X11 cannot leave the recording toolbar out of a screen "
                       "grab; it stays in the picture";

        X11FrameGrabber grabber(connection.get());
        grabber.setKeepPadByte(true);
        enterPhase(Phase::Running);
        if (firstGrabDelayMs > 0)
            waitUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(firstGrabDelayMs));

        bool errorLogged = false;
        const auto interval = std::chrono::microseconds(1000000 / fps);
        auto next = std::chrono::steady_clock::now();
        GrabTiming timing;
        while (isRunning()) {
            QString error;
            timing.note(std::chrono::steady_clock::now() - next, interval);
            grabStartUs = RecordingClock::wallUs();
            QImage frame = grabber.grabFrame(connection.root(), grabRect, outputSize, true, &error);
            if (!frame.isNull()) {
                deliver(std::move(frame));
            } else if (xcb_connection_has_error(connection.get())) {
                qWarning() << "[Screen capture] The X11 connection was lost; no more frames";
                return;
            } else if (!errorLogged) {
                errorLogged = true;
                qWarning() << "[Screen capture] Grab failed:" << error;
            }
            next = nextBeat(next, interval, std::chrono::steady_clock::now());
            waitUntil(next);
        }
        qInfo().noquote() << "[Screen capture]" << timing.describe();
    }
};

void MacScreenCapture::GrabTiming::note(std::chrono::steady_clock::duration late,
                                        std::chrono::steady_clock::duration interval)
{
    ++grabs;
    if (late * 2 >= interval)
        ++lateHalf;
    if (late >= interval)
        ++lateWhole;
    worstUs = std::max<qint64>(worstUs, std::chrono::duration_cast<std::chrono::microseconds>(late).count());
}

QString MacScreenCapture::GrabTiming::describe() const
{
    return QStringLiteral("%1 grabs; %2 began half a frame late or more, %3 a frame or more; the latest %4 ms")
        .arg(grabs)
        .arg(lateHalf)
        .arg(lateWhole)
        .arg(double(worstUs) / 1000.0, 0, 'f', 1);
}

MacScreenCapture::MacScreenCapture() = default;

MacScreenCapture::~MacScreenCapture()
{
    stop();
}

bool MacScreenCapture::isAvailable()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    // Under a Wayland session the X server is XWayland, whose root window shows
    // Wayland windows as black: better no capture than a black recording.
    if (isUnavailableSession())
        return false;
    return X11Connection().isValid();
}

bool MacScreenCapture::isUnavailableSession()
{
    return qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

QSize MacScreenCapture::streamSize(const QSize &displayPixels, const QSize &targetSize)
{
    QSize size = displayPixels;
    if (targetSize.width() >= 0 && targetSize.height() >= 0)
        size = displayPixels.scaled(targetSize, Qt::KeepAspectRatio);
    return QSize(qMax(2, size.width() & ~1), qMax(2, size.height() & ~1));
}

int MacScreenCapture::effectiveFps(int fps)
{
    return fps < 2 ? 1 : fps;
}

QRect MacScreenCapture::displayRect(int displayIndex)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *screen = QGuiApplication::primaryScreen();
    if (displayIndex >= 1 && displayIndex < screens.size())
        screen = screens.at(displayIndex);
    if (!screen)
        return QRect();
    return DisplayGeometry::of(screen).nativeGeometry;
}

bool MacScreenCapture::start(int displayIndex, WId excludedWindow, int fps,
                             const QSize &targetSize, QString *error)
{
    return start(displayRect(displayIndex), excludedWindow, fps, targetSize, error);
}

std::shared_ptr<MacScreenCapture::Worker> MacScreenCapture::launchWorker(const QRect &nativeRect, WId excludedWindow,
                                                                         int fps, const QSize &targetSize,
                                                                         QString *error)
{
    stop();
    auto failWith = [error](const QString &text) {
        if (error)
            *error = text;
        return nullptr;
    };
    if (!isAvailable())
        return failWith(QStringLiteral("Screen capture needs an X11 display; it is not available "
                                       "under Wayland or without a display"));
    const QRect display = nativeRect;
    if (display.isEmpty())
        return failWith(QStringLiteral("Selected screen is unavailable"));
    if (excludedWindow == 0)
        return failWith(QStringLiteral("Recording toolbar window cannot be excluded"));

    auto worker = std::make_shared<Worker>();
    worker->outputSize = streamSize(display.size(), targetSize);
    worker->grabRect = display;
    if (!(targetSize.width() >= 0 && targetSize.height() >= 0)) {
        // The display's own size: drop an odd last column or row instead of rescaling.
        worker->grabRect.setSize(worker->outputSize.boundedTo(display.size()));
    }
    worker->excludedWindow = quint32(excludedWindow);
    worker->fps = effectiveFps(fps);
    // Tests make the first frame come late, as an X server under load does.
    worker->firstGrabDelayMs = qEnvironmentVariableIntValue("VISTRELLE_TEST_FIRST_GRAB_DELAY_MS");
    m_sizeToCome = worker->outputSize;
    return worker;
}

bool MacScreenCapture::start(const QRect &nativeRect, WId excludedWindow, int fps,
                             const QSize &targetSize, QString *error)
{
    const std::shared_ptr<Worker> worker = launchWorker(nativeRect, excludedWindow, fps, targetSize, error);
    if (!worker)
        return false;
    auto failWith = [this, error](const QString &text) {
        stop();
        if (error)
            *error = text;
        return false;
    };
    Worker *stamps = worker.get();
    worker->setSink([this, stamps](QImage frame) { setFrame(std::move(frame), stamps->grabStartUs); });
    m_worker = worker;
    worker->launch();

    QString failure;
    if (!worker->waitForPhase(CaptureWorkerThread::Phase::Listed, ConnectTimeoutMs, &failure))
        return failWith(failure.isEmpty() ? QStringLiteral("Timed out listing displays") : failure);
    if (!worker->waitForPhase(CaptureWorkerThread::Phase::Running, StartTimeoutMs, &failure))
        return failWith(failure.isEmpty() ? QStringLiteral("Screen capture did not start") : failure);
    QElapsedTimer waited;
    waited.start();
    while (latestFrame().isNull() && waited.elapsed() < FirstFrameTimeoutMs)
        QThread::msleep(10);
    if (latestFrame().isNull())
        return failWith(QStringLiteral("Screen capture produced no frame"));
    return true;
}

bool MacScreenCapture::startLater(const QRect &nativeRect, WId excludedWindow, int fps, const QSize &targetSize,
                                  QObject *context, std::function<void(const QString &failure)> ready,
                                  QString *error)
{
    const std::shared_ptr<Worker> worker = launchWorker(nativeRect, excludedWindow, fps, targetSize, error);
    if (!worker)
        return false;
    // The first of the first frame, a failure and the time limit answers; the others find it
    // answered. Only ever touched on the context's thread.
    auto answered = std::make_shared<bool>(false);
    auto answer = [this, worker, answered, ready](const QString &failure) {
        if (*answered || worker->abandoned)
            return;
        *answered = true;
        if (!failure.isEmpty())
            stop();
        ready(failure);
    };
    auto post = [context, answer](const QString &failure) {
        QMetaObject::invokeMethod(context, [answer, failure] { answer(failure); }, Qt::QueuedConnection);
    };
    worker->startFailed = post;
    Worker *stamps = worker.get();
    auto firstFramePosted = std::make_shared<std::atomic_bool>(false);
    worker->setSink([this, stamps, post, firstFramePosted](QImage frame) {
        setFrame(std::move(frame), stamps->grabStartUs);
        if (!firstFramePosted->exchange(true))
            post(QString());
    });
    m_worker = worker;
    worker->launch();
    QTimer::singleShot(FirstFrameTimeoutMs, context, [worker, answer] {
        QString failure;
        if (!worker->waitForPhase(CaptureWorkerThread::Phase::Listed, 0, &failure) && failure.isEmpty())
            failure = QStringLiteral("Timed out listing displays");
        else if (failure.isEmpty() && !worker->waitForPhase(CaptureWorkerThread::Phase::Running, 0, &failure)
                 && failure.isEmpty())
            failure = QStringLiteral("Screen capture did not start");
        if (failure.isEmpty())
            failure = QStringLiteral("Screen capture produced no frame");
        answer(failure);
    });
    return true;
}

void MacScreenCapture::stop()
{
    if (std::shared_ptr<Worker> worker = std::move(m_worker)) {
        worker->abandoned = true;
        worker->shutdown(StopTimeoutMs);
    }
    QMutexLocker lock(&m_frameMutex);
    if (m_untaken > 0)
        qInfo() << "[Screen capture]" << m_untaken << "frames were let go before the recorder took them";
    m_untaken = 0;
    m_frame = QImage();
    m_frameStampUs = -1;
    m_fresh.clear();
}

QImage MacScreenCapture::latestFrame() const
{
    QMutexLocker lock(&m_frameMutex);
    return m_frame;
}

qint64 MacScreenCapture::latestStampUs() const
{
    QMutexLocker lock(&m_frameMutex);
    return m_frameStampUs;
}

QSize MacScreenCapture::frameSize() const
{
    QMutexLocker lock(&m_frameMutex);
    return m_frame.size();
}

void MacScreenCapture::setFrame(QImage frame, qint64 stampUs)
{
    QMutexLocker lock(&m_frameMutex);
    m_frame = std::move(frame);
    m_frameStampUs = stampUs;
    m_fresh.push_back({m_frame, stampUs});
    qint64 bytes = 0;
    for (const StampedFrame &kept : m_fresh)
        bytes += kept.image.sizeInBytes();
    while (m_fresh.size() > 2 && (m_fresh.size() > kKeptFrames || bytes > kKeptBytes)) {
        const auto goes = m_fresh.begin() + std::ptrdiff_t(frameToLetGo(m_fresh));
        bytes -= goes->image.sizeInBytes();
        m_fresh.erase(goes);
        ++m_untaken;
    }
}

std::size_t MacScreenCapture::frameToLetGo(const std::deque<StampedFrame> &waiting)
{
    // The waiting frames keep covering the whole time they were taken in, more thinly: a
    // recorder held up (a busy encoder, a pause taken up late) still finds the pictures up
    // to the moment it cuts at, and the newest one for a segment that opens. The frame that
    // goes is the one whose neighbours lie closest together, the oldest such one on a tie.
    if (waiting.size() < 3 || waiting.front().stampUs < 0 || waiting.back().stampUs < 0)
        return 0;
    std::size_t goes = 1;
    qint64 shortest = std::numeric_limits<qint64>::max();
    for (std::size_t i = 1; i + 1 < waiting.size(); ++i) {
        const qint64 gap = waiting[i + 1].stampUs - waiting[i - 1].stampUs;
        if (gap < shortest) {
            shortest = gap;
            goes = i;
        }
    }
    return goes;
}

MacScreenCapture::StampedFrame MacScreenCapture::takeOldestFrame()
{
    QMutexLocker lock(&m_frameMutex);
    if (m_fresh.empty())
        return {};
    StampedFrame oldest = std::move(m_fresh.front());
    m_fresh.pop_front();
    return oldest;
}

std::vector<MacScreenCapture::StampedFrame> MacScreenCapture::takeNewFrames()
{
    QMutexLocker lock(&m_frameMutex);
    std::vector<StampedFrame> frames(std::make_move_iterator(m_fresh.begin()), std::make_move_iterator(m_fresh.end()));
    m_fresh.clear();
    return frames;
}
