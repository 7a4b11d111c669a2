#include "platform/mac/CameraHub.h"

#include <QCamera>
#include <QCameraDevice>
#include <QCameraFormat>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>

namespace {

std::optional<QList<CameraDeviceInfo>> &testDevices()
{
    static std::optional<QList<CameraDeviceInfo>> list;
    return list;
}

QPointer<CameraHub> &hubInstance()
{
    static QPointer<CameraHub> hub;
    return hub;
}

QCameraDevice systemDevice(const QByteArray &id)
{
    const QList<QCameraDevice> inputs = QMediaDevices::videoInputs();
    for (const QCameraDevice &device : inputs) {
        if (device.id() == id)
            return device;
    }
    return {};
}

} // namespace

CameraFeed::CameraFeed(QObject *parent)
    : QObject(parent)
{
}

CameraFeed::~CameraFeed()
{
    stop();
}

bool CameraFeed::start(const QByteArray &deviceId, const CameraFormatWish &wish)
{
    return CameraHub::instance().join(this, deviceId, wish);
}

void CameraFeed::stop()
{
    if (isActive())
        CameraHub::instance().leave(this);
}

CameraHub &CameraHub::instance()
{
    QPointer<CameraHub> &hub = hubInstance();
    if (!hub)
        hub = new CameraHub(QCoreApplication::instance());
    return *hub;
}

CameraHub::CameraHub(QObject *parent)
    : QObject(parent)
{
}

CameraHub::~CameraHub()
{
    const QList<Stream *> streams = m_streams.values();
    m_streams.clear();
    for (Stream *stream : streams) {
        for (const QPointer<CameraFeed> &feed : stream->feeds) {
            if (feed)
                feed->m_deviceId.clear();
        }
        if (stream->camera)
            stream->camera->stop();
        delete stream->camera;
        delete stream->session;
        if (!stream->session)
            delete stream->sink;
        delete stream;
    }
}

QList<CameraDeviceInfo> CameraHub::devices()
{
    if (testDevices())
        return *testDevices();
    QList<CameraDeviceInfo> result;
    const QList<QCameraDevice> inputs = QMediaDevices::videoInputs();
    for (const QCameraDevice &device : inputs) {
        CameraDeviceInfo info;
        info.id = device.id();
        info.description = device.description();
        const QList<QCameraFormat> formats = device.videoFormats();
        for (const QCameraFormat &format : formats)
            info.formats.append({format.resolution(), format.minFrameRate(), format.maxFrameRate()});
        result.append(info);
    }
    return result;
}

void CameraHub::setTestDevices(std::optional<QList<CameraDeviceInfo>> devices)
{
    testDevices() = std::move(devices);
}

QVideoSink *CameraHub::sinkFor(const QByteArray &deviceId) const
{
    const Stream *stream = m_streams.value(deviceId);
    return stream ? stream->sink : nullptr;
}

bool CameraHub::isRunning(const QByteArray &deviceId) const
{
    return m_streams.contains(deviceId);
}

int CameraHub::feedCount(const QByteArray &deviceId) const
{
    const Stream *stream = m_streams.value(deviceId);
    return stream ? int(stream->feeds.size()) : 0;
}

int CameraHub::formatIndex(const QByteArray &deviceId) const
{
    const Stream *stream = m_streams.value(deviceId);
    return stream ? stream->formatIndex : -1;
}

void CameraHub::raiseError(const QByteArray &deviceId, const QString &message)
{
    deliverError(deviceId, message);
}

bool CameraHub::join(CameraFeed *feed, const QByteArray &deviceId, const CameraFormatWish &wish)
{
    const QList<CameraDeviceInfo> inputs = devices();
    const CameraDeviceInfo *info = nullptr;
    for (const CameraDeviceInfo &candidate : inputs) {
        if (candidate.id == deviceId && !deviceId.isEmpty()) {
            info = &candidate;
            break;
        }
    }
    if (feed->isActive() && feed->m_deviceId != deviceId)
        leave(feed);
    if (!info) {
        if (feed->isActive())
            leave(feed);
        return false;
    }

    Stream *stream = m_streams.value(deviceId);
    const bool fresh = !stream;
    if (fresh)
        stream = openStream(*info);
    if (!stream->feeds.contains(feed))
        stream->feeds.append(feed);
    feed->m_deviceId = deviceId;
    feed->m_wish = wish;
    feed->m_hasError = false;

    if (fresh || stream->feeds.size() == 1) {
        applyWish(stream, wish, feed);
    } else {
        const int wished = chooseCameraFormat(stream->info.formats, wish);
        if (wished != stream->formatIndex)
            qInfo().noquote() << QStringLiteral("[Camera] %1 is shared by %2 users: keeping its format, "
                                                "a wish for format %3 is not applied")
                                     .arg(stream->info.description)
                                     .arg(stream->feeds.size())
                                     .arg(wished);
    }
    if (fresh && stream->camera)
        stream->camera->start();
    return true;
}

void CameraHub::leave(CameraFeed *feed)
{
    const QByteArray id = feed->m_deviceId;
    feed->m_deviceId.clear();
    Stream *stream = m_streams.value(id);
    if (!stream)
        return;
    stream->feeds.removeAll(QPointer<CameraFeed>(feed));
    stream->feeds.removeAll(QPointer<CameraFeed>());
    if (stream->feeds.isEmpty())
        closeStream(stream);
}

CameraHub::Stream *CameraHub::openStream(const CameraDeviceInfo &info)
{
    auto *stream = new Stream;
    stream->id = info.id;
    stream->info = info;
    if (testDevices()) {
        // A stand-in camera: pictures arrive only through the sink.
        stream->sink = new QVideoSink(this);
    } else {
        stream->session = new QMediaCaptureSession(this);
        stream->sink = new QVideoSink(stream->session);
        stream->camera = new QCamera(systemDevice(info.id), this);
        stream->session->setCamera(stream->camera);
        stream->session->setVideoSink(stream->sink);
        const QByteArray id = info.id;
        connect(stream->camera, &QCamera::errorOccurred, this,
                [this, id](QCamera::Error, const QString &text) { deliverError(id, text); });
    }
    const QByteArray id = info.id;
    connect(stream->sink, &QVideoSink::videoFrameChanged, this,
            [this, id](const QVideoFrame &frame) { deliverFrame(id, frame); });
    m_streams.insert(info.id, stream);
    qInfo().noquote() << QStringLiteral("[Camera] opening %1").arg(info.description);
    return stream;
}

void CameraHub::closeStream(Stream *stream)
{
    m_streams.remove(stream->id);
    qInfo().noquote() << QStringLiteral("[Camera] closing %1 (no user left)").arg(stream->info.description);
    // This may run inside one of the stream's own signals: disconnect now, delete later.
    disconnect(stream->sink, nullptr, this, nullptr);
    if (stream->camera) {
        disconnect(stream->camera, nullptr, this, nullptr);
        stream->camera->stop();
        stream->session->setVideoSink(nullptr);
        stream->session->setCamera(nullptr);
        stream->camera->deleteLater();
        stream->session->deleteLater(); // owns the sink
    } else {
        stream->sink->deleteLater();
    }
    delete stream;
}

void CameraHub::applyWish(Stream *stream, const CameraFormatWish &wish, CameraFeed *feed)
{
    Q_UNUSED(feed)
    const int index = chooseCameraFormat(stream->info.formats, wish);
    if (index < 0 || index == stream->formatIndex)
        return;
    const bool restart = stream->camera && stream->camera->isActive();
    stream->formatIndex = index;
    qInfo().noquote() << QStringLiteral("[Camera] %1 format %2%3")
                             .arg(stream->info.description, describeCameraFormat(stream->info.formats[index]),
                                  restart ? QStringLiteral(" (restarting the camera)") : QString());
    if (!stream->camera)
        return;
    const QList<QCameraFormat> formats = stream->camera->cameraDevice().videoFormats();
    if (index >= formats.size())
        return;
    if (restart)
        stream->camera->stop();
    stream->camera->setCameraFormat(formats[index]);
    if (restart)
        stream->camera->start();
}

void CameraHub::deliverFrame(const QByteArray &deviceId, const QVideoFrame &frame)
{
    Stream *stream = m_streams.value(deviceId);
    if (!stream || !frame.isValid())
        return;
    QImage image = frame.toImage();
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32)
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
    ++m_converted;
    // A feed may stop, switch or be deleted by an earlier feed's handler.
    const QList<QPointer<CameraFeed>> feeds = stream->feeds;
    for (const QPointer<CameraFeed> &feed : feeds) {
        if (feed && feed->m_deviceId == deviceId)
            emit feed->frameReady(image);
    }
}

void CameraHub::deliverError(const QByteArray &deviceId, const QString &message)
{
    Stream *stream = m_streams.value(deviceId);
    if (!stream)
        return;
    qWarning().noquote() << QStringLiteral("[Camera] %1 failed: %2").arg(stream->info.description, message);
    const QList<QPointer<CameraFeed>> feeds = stream->feeds;
    for (const QPointer<CameraFeed> &feed : feeds) {
        if (feed && feed->m_deviceId == deviceId) {
            feed->m_hasError = true;
            emit feed->errorOccurred(message);
        }
    }
}
