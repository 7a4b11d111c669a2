#pragma once

#include "platform/mac/CameraFormats.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class QCamera;
class QMediaCaptureSession;
class QVideoFrame;
class QVideoSink;
class CameraHub;

// One user's connection to a camera (the webcam page, the webcam settings dialog or
// the webcam bubble). A V4L2 camera streams to one client only, so every user of a
// device shares one running camera through the process-wide CameraHub: each picture
// is converted once and handed to every connected feed.
class CameraFeed : public QObject
{
    Q_OBJECT
public:
    explicit CameraFeed(QObject *parent = nullptr);
    ~CameraFeed() override;

    // Joins the camera with this id (switching from another one when needed) and asks
    // for a format. The wish applies when this feed is the camera's only user; a
    // change of format restarts the camera. Returns false when no listed video input
    // has the id; the feed is then stopped.
    bool start(const QByteArray &deviceId, const CameraFormatWish &wish);
    // Leaves the camera; the camera stops once it has no user left. Harmless when
    // not started.
    void stop();

    bool isActive() const { return !m_deviceId.isEmpty(); }
    QByteArray deviceId() const { return m_deviceId; }
    // The camera reported an error since this feed joined it.
    bool hasError() const { return m_hasError; }

signals:
    // A new camera picture (Format_RGB32), shared by every feed of the device.
    void frameReady(const QImage &image);
    // The camera failed; the message is the camera's own text (possibly empty).
    void errorOccurred(const QString &message);

private:
    friend class CameraHub;
    QByteArray m_deviceId;
    CameraFormatWish m_wish;
    bool m_hasError = false;
};

class CameraHub : public QObject
{
    Q_OBJECT
public:
    static CameraHub &instance();

    // The listed video inputs (QMediaDevices::videoInputs()), or the list set for tests.
    static QList<CameraDeviceInfo> devices();
    // Replaces the system's video inputs by plain records (tests). Their cameras
    // deliver only what is fed into sinkFor(); nullopt returns to the system's list.
    static void setTestDevices(std::optional<QList<CameraDeviceInfo>> devices);

    // The running camera's sink for a device, null when nobody uses it. Tests feed
    // pictures with QVideoSink::setVideoFrame.
    QVideoSink *sinkFor(const QByteArray &deviceId) const;
    // The device's camera is in use by at least one feed.
    bool isRunning(const QByteArray &deviceId) const;
    // Number of feeds joined to a device.
    int feedCount(const QByteArray &deviceId) const;
    // The format index chosen for a running device (-1: the camera's default).
    int formatIndex(const QByteArray &deviceId) const;
    // Reports a camera error to every feed of the device, as the camera would (tests).
    void raiseError(const QByteArray &deviceId, const QString &message);
    // Pictures converted so far (each picture once, however many feeds).
    qint64 convertedFrames() const { return m_converted; }

private:
    struct Stream
    {
        QByteArray id;
        CameraDeviceInfo info;
        QCamera *camera = nullptr;
        QMediaCaptureSession *session = nullptr;
        QVideoSink *sink = nullptr;
        QList<QPointer<CameraFeed>> feeds;
        int formatIndex = -1;
    };

    explicit CameraHub(QObject *parent);
    ~CameraHub() override;

    bool join(CameraFeed *feed, const QByteArray &deviceId, const CameraFormatWish &wish);
    void leave(CameraFeed *feed);
    Stream *openStream(const CameraDeviceInfo &info);
    void closeStream(Stream *stream);
    void applyWish(Stream *stream, const CameraFormatWish &wish, CameraFeed *feed);
    void deliverFrame(const QByteArray &deviceId, const QVideoFrame &frame);
    void deliverError(const QByteArray &deviceId, const QString &message);

    QHash<QByteArray, Stream *> m_streams;
    qint64 m_converted = 0;

    friend class CameraFeed;
};
