#pragma once

#include "platform/mac/NativeWindowHandle.h"

#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QRect>
#include <QString>

#include <memory>

class QTimer;

// Delivers the frames of one window of another application at the recording rate,
// until stopped: with XComposite the window's own pixels (windows covering it do
// not show), else what the screen shows in its place. Frames are ARGB32 with an
// opaque alpha byte, at the window's size (without the pointer). When the window is
// destroyed the source reports it once through errorOccurred and stops delivering.
class WindowFrameSource : public QObject
{
    Q_OBJECT

public:
    explicit WindowFrameSource(QObject *parent = nullptr);
    ~WindowFrameSource() override;

    // Starts delivering frames of `window` at `fps` (below 1 counts as 1). Returns at
    // once; false with a reason when the window is invalid or gone, or when there is
    // no X display.
    bool start(const NativeWindowHandle &window, int fps, QString *error);
    // Stops delivering (at most 2 s for the capture thread); harmless when stopped.
    void stop();

    bool isActive() const { return m_active; }
    // Why the last start failed or the capture ended; empty while all is well.
    QString errorString() const { return m_error; }
    NativeWindowHandle window() const { return m_window; }
    // The newest frame, null before the first and after stop().
    QImage latestFrame() const;
    // When the pixels of latestFrame() were read (RecordingClock::wallUs()); -1 before
    // the first. A recording stamps the frame with it: the moment the frame timer takes the
    // frame up is later by up to a frame time and whatever held the GUI thread.
    qint64 latestStampUs() const;
    // Where the window was on the screen (native pixels) when its newest frame was taken:
    // a window moved during a recording takes its cursor and strokes with it. Invalid
    // before the first frame.
    QRect latestWindowRect() const;
    // Whether frames come from the window's own pixels (XComposite).
    bool readsWindowPixels() const { return m_composite; }

    // The windows that can be captured, as handles (the window list's entries).
    static QList<NativeWindowHandle> capturableWindows();

    static constexpr int StopTimeoutMs = 2000;

signals:
    // Emitted on the thread that owns this object.
    void frameAvailable(const QImage &frame);
    void errorOccurred(const QString &message);

private:
    struct Worker;
    void acceptFrame(QImage frame, qint64 stampUs, quint64 generation);
    void acceptLoss(const QString &reason, quint64 generation);
    void grabFromScreen();

    std::shared_ptr<Worker> m_worker;
    QTimer *m_screenTimer = nullptr;
    NativeWindowHandle m_window;
    bool m_active = false;
    bool m_composite = false;
    quint64 m_generation = 0;
    QString m_error;
    mutable QMutex m_frameMutex;
    QImage m_frame;
    QRect m_windowRect;
    qint64 m_stampUs = -1;
};
