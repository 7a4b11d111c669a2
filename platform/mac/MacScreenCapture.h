#pragma once

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWindow>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Captures one screen of the X display on a worker thread with its own X connection,
// stamps each frame with the wall-clock time its grab began, and keeps the newest frame
// and the few frames the Recorder has not taken yet (it takes them on its own timer, so
// a late tick loses none).
// Frames have the pointer drawn in and the even stream size; those at the screen's own
// size are RGB32 as the server wrote them (the fourth byte undefined: whoever paints on
// one or scales it makes it opaque first), scaled ones ARGB32 with the alpha byte opaque. X11 cannot leave a window out of a root-window grab: the toolbar
// window is checked but still appears in the picture.
class MacScreenCapture
{
public:
    MacScreenCapture();
    ~MacScreenCapture();
    MacScreenCapture(const MacScreenCapture &) = delete;
    MacScreenCapture &operator=(const MacScreenCapture &) = delete;

    // True on the xcb platform of an X11 session (not XWayland) when the X display
    // accepts a connection.
    static bool isAvailable();
    // A Wayland session: its X server, XWayland, shows Wayland windows as black, so the
    // screen cannot be recorded, by us nor by ffmpeg's own grab.
    static bool isUnavailableSession();

    // Starts capturing and returns once the first frame is there. On failure the
    // reason goes to *error, false is returned and nothing keeps running.
    bool start(int displayIndex, WId excludedWindow, int fps, const QSize &targetSize,
               QString *error);
    // The same for any device-pixel rectangle of the X screen (an area over two displays).
    bool start(const QRect &nativeRect, WId excludedWindow, int fps, const QSize &targetSize,
               QString *error);
    // Starts capturing without waiting for the worker: `ready` is called on the thread of
    // `context` once the first frame is there (with an empty text), or once the start failed
    // or gave no frame within FirstFrameTimeoutMs (with the reason; the capture is stopped).
    // A failure found at once returns false with the reason in *error, and `ready` never comes;
    // nor does it after stop(). The frames will have frameSizeToCome().
    bool startLater(const QRect &nativeRect, WId excludedWindow, int fps, const QSize &targetSize, QObject *context,
                    std::function<void(const QString &failure)> ready, QString *error);
    QSize frameSizeToCome() const { return m_sizeToCome; }
    // Ends the capture (waits at most 2 s for the worker) and clears the newest frame.
    void stop();

    struct StampedFrame
    {
        QImage image;
        qint64 stampUs = -1; // RecordingClock::wallUs() when the grab began
    };

    QImage latestFrame() const;
    // When the grab of latestFrame() began (RecordingClock::wallUs()); -1 before
    // the first. The grabs keep one beat of the frame rate.
    qint64 latestStampUs() const;
    QSize frameSize() const;
    void setFrame(QImage frame, qint64 stampUs = -1);
    // The frames delivered since the last call, oldest first: at most kKeptFrames of them
    // and kKeptBytes of pixels (but always two), which outlast a GUI thread held up for a
    // quarter second at 1080p and 30 frames a second. Past that they are thinned, the oldest
    // and the newest kept (frameToLetGo()).
    std::vector<StampedFrame> takeNewFrames();
    // The oldest of them, taken off; a null image when there is none.
    StampedFrame takeOldestFrame();

    // Which of the waiting frames, oldest first, goes when too many wait: 0 when their
    // times are not known, otherwise the one between the two closest neighbours.
    static std::size_t frameToLetGo(const std::deque<StampedFrame> &waiting);

    static constexpr int kKeptFrames = 16;
    static constexpr qint64 kKeptBytes = qint64(64) << 20;

    // The frame size for a display of `displayPixels`: fitted into `targetSize`
    // keeping the aspect ratio when both its sides are at least 0, then each side
    // made even (at least 2).
    static QSize streamSize(const QSize &displayPixels, const QSize &targetSize);
    // Frames per second actually requested: below 2 counts as 1.
    static int effectiveFps(int fps);
    // Device-pixel rectangle of screen `displayIndex` of the application's screen
    // list; 0 and any index outside the list mean the primary screen.
    static QRect displayRect(int displayIndex);

    // Time limits, in milliseconds.
    static constexpr int ConnectTimeoutMs = 5000;
    static constexpr int StartTimeoutMs = 5000;
    static constexpr int FirstFrameTimeoutMs = 5000;
    static constexpr int StopTimeoutMs = 2000;

private:
    // How late the grabs begin against their beat, logged when the capture ends.
    struct GrabTiming
    {
        void note(std::chrono::steady_clock::duration late, std::chrono::steady_clock::duration interval);
        QString describe() const;
        qint64 grabs = 0;
        qint64 lateHalf = 0;
        qint64 lateWhole = 0;
        qint64 worstUs = 0;
    };
    struct Worker;
    // Launches the worker after the checks that need no X connection.
    std::shared_ptr<Worker> launchWorker(const QRect &nativeRect, WId excludedWindow, int fps,
                                         const QSize &targetSize, QString *error);
    std::shared_ptr<Worker> m_worker;
    QSize m_sizeToCome;
    mutable QMutex m_frameMutex;
    QImage m_frame;
    qint64 m_frameStampUs = -1;
    std::deque<StampedFrame> m_fresh;
    qint64 m_untaken = 0; // frames let go before they were taken
};
