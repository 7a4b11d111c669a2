#include "platform/mac/RecordingClock.h"
#include "platform/mac/WindowFrameSource.h"

#include "platform/mac/CaptureWorkerThread.h"
#include "platform/mac/MacWindowHelpers.h"
#include "platform/mac/X11Connection.h"
#include "platform/mac/X11FrameGrabber.h"
#include "platform/mac/X11WindowPixmap.h"

#include <QDebug>
#include <QGuiApplication>
#include <QMutexLocker>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace {

const char *const WindowClosedText = "The captured window was closed";

QImage opaqueArgb(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    X11FrameGrabber::forceOpaque(image);
    return image;
}

} // namespace

struct WindowFrameSource::Worker : CaptureWorkerThread
{
    xcb_window_t window = XCB_NONE;
    int fps = 1;
    // When the pixels being delivered were read; read by the sink, on this thread.
    qint64 grabUs = -1;

    void run() override
    {
        X11Connection connection;
        if (!connection.isValid()) {
            reportLoss(connection.errorString());
            return;
        }
        X11FrameGrabber grabber(connection.get());
        X11WindowPixmap source(connection, window);
        enterPhase(Phase::Running);

        const auto interval = std::chrono::microseconds(1000000 / fps);
        auto next = std::chrono::steady_clock::now();
        bool failureLogged = false;
        while (isRunning()) {
            X11WindowPixmap::Status status = X11WindowPixmap::Status::Failed;
            QString error;
            qint64 readUs = -1;
            QImage frame = source.grab(grabber, &status, &error, &readUs);
            if (status == X11WindowPixmap::Status::Frame) {
                // The frame carries the window's place on the screen as its offset.
                if (const std::optional<QRect> placed = connection.rootGeometry(window))
                    frame.setOffset(placed->topLeft());
                grabUs = readUs;
                deliver(std::move(frame));
            } else if (status == X11WindowPixmap::Status::Gone
                       || xcb_connection_has_error(connection.get())) {
                reportLoss(QString::fromLatin1(WindowClosedText));
                return;
            } else if (status == X11WindowPixmap::Status::Failed && !failureLogged) {
                failureLogged = true;
                qWarning() << "[Window capture]" << error;
            }
            next = nextBeat(next, interval, std::chrono::steady_clock::now());
            waitUntil(next);
        }
    }
};

WindowFrameSource::WindowFrameSource(QObject *parent)
    : QObject(parent)
{
}

WindowFrameSource::~WindowFrameSource()
{
    stop();
}

bool WindowFrameSource::start(const NativeWindowHandle &window, int fps, QString *error)
{
    stop();
    m_error.clear();
    auto failWith = [this, error](const QString &text) {
        m_error = text;
        if (error)
            *error = text;
        return false;
    };
    if (!window.isValid())
        return failWith(QStringLiteral("No window was chosen"));
    X11Connection connection;
    if (!connection.isValid())
        return failWith(connection.errorString());
    if (!connection.windowExists(window.windowId()))
        return failWith(QStringLiteral("The window no longer exists"));

    fps = qMax(1, fps);
    m_window = window;
    m_active = true;
    const quint64 generation = ++m_generation;
    m_composite = X11WindowPixmap::isSupported(connection);
    if (m_composite) {
        auto worker = std::make_shared<Worker>();
        worker->window = window.windowId();
        worker->fps = fps;
        QPointer<WindowFrameSource> self(this);
        // The sink belongs to the worker and runs on its thread, inside deliver().
        const Worker *grabs = worker.get();
        worker->setSink(
            [self, generation, grabs](QImage frame) {
                QMetaObject::invokeMethod(
                    self, [self, frame, stampUs = grabs->grabUs, generation] {
                        if (self)
                            self->acceptFrame(frame, stampUs, generation);
                    },
                    Qt::QueuedConnection);
            },
            [self, generation](QString reason) {
                QMetaObject::invokeMethod(
                    self, [self, reason, generation] {
                        if (self)
                            self->acceptLoss(reason, generation);
                    },
                    Qt::QueuedConnection);
            });
        m_worker = worker;
        worker->launch();
        return true;
    }

    // No XComposite: take what the screen shows where the window is.
    static bool noted = false;
    if (!noted) {
        noted = true;
        qInfo() << "[Window capture] XComposite is missing; windows covering the captured window "
                   "will show in its frames";
    }
    m_screenTimer = new QTimer(this);
    m_screenTimer->setTimerType(Qt::PreciseTimer);
    m_screenTimer->setInterval(qMax(1, int(1000.0 / fps + 0.5)));
    connect(m_screenTimer, &QTimer::timeout, this, &WindowFrameSource::grabFromScreen);
    m_screenTimer->start();
    QTimer::singleShot(0, this, [this, generation] {
        if (generation == m_generation && m_active)
            grabFromScreen();
    });
    return true;
}

void WindowFrameSource::stop()
{
    ++m_generation; // frames and losses already queued are dropped
    if (std::shared_ptr<Worker> worker = std::move(m_worker))
        worker->shutdown(StopTimeoutMs);
    delete m_screenTimer;
    m_screenTimer = nullptr;
    m_active = false;
    QMutexLocker lock(&m_frameMutex);
    m_frame = QImage();
    m_windowRect = QRect();
    m_stampUs = -1;
}

QList<NativeWindowHandle> WindowFrameSource::capturableWindows()
{
    QList<NativeWindowHandle> handles;
    for (const MacWindowInfo &info : macCapturableWindows())
        handles.append(NativeWindowHandle(quint32(info.windowNumber), info.title));
    return handles;
}

QImage WindowFrameSource::latestFrame() const
{
    QMutexLocker lock(&m_frameMutex);
    return m_frame;
}

qint64 WindowFrameSource::latestStampUs() const
{
    QMutexLocker lock(&m_frameMutex);
    return m_stampUs;
}

QRect WindowFrameSource::latestWindowRect() const
{
    QMutexLocker lock(&m_frameMutex);
    return m_windowRect;
}

void WindowFrameSource::acceptFrame(QImage frame, qint64 stampUs, quint64 generation)
{
    if (generation != m_generation || !m_active)
        return;
    {
        QMutexLocker lock(&m_frameMutex);
        m_frame = frame;
        m_stampUs = stampUs;
        m_windowRect = QRect(frame.offset(), frame.size());
    }
    emit frameAvailable(frame);
}

void WindowFrameSource::acceptLoss(const QString &reason, quint64 generation)
{
    if (generation != m_generation || !m_active)
        return;
    stop();
    m_error = reason;
    emit errorOccurred(reason);
}

void WindowFrameSource::grabFromScreen()
{
    const std::unique_ptr<X11Connection> connection = X11Connection::forGuiThread();
    if (!connection->windowExists(m_window.windowId())) {
        acceptLoss(QString::fromLatin1(WindowClosedText), m_generation);
        return;
    }
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const qint64 stampUs = RecordingClock::wallUs();
    QImage image = screen->grabWindow(m_window.windowId()).toImage();
    if (image.isNull())
        return;
    image = opaqueArgb(image);
    if (const std::optional<QRect> placed = connection->rootGeometry(m_window.windowId()))
        image.setOffset(placed->topLeft());
    acceptFrame(image, stampUs, m_generation);
}
