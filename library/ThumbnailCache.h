#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>

// Card pictures, grabbed by ffmpeg on the picture pool and kept for the life of the process,
// keyed by path and size in bytes (a rewritten file of another size is grabbed again). Each
// picture is kept as shown: cropped to the card's thumbnail size at the screen's pixel ratio.
class ThumbnailCache : public QObject
{
    Q_OBJECT
public:
    static ThumbnailCache *instance();

    static QString keyFor(const QString &path, qint64 size);

    // The cached picture, or a null image.
    QImage cached(const QString &key) const;

    // Delivers the picture to `callback` (on the GUI thread, only while `receiver` lives):
    // at once from the cache, else when the grab ends (a null image when it failed). A key
    // already being grabbed is not grabbed twice.
    void request(const QString &path, qint64 fileSize, QSize pixelSize, QObject *receiver,
                 std::function<void(const QImage &)> callback);

    int grabsStarted() const { return m_grabsStarted; }
    int cachedCount() const { return int(m_cache.size()); }
    qint64 cachedBytes() const;

private:
    explicit ThumbnailCache(QObject *parent);

    struct Waiter
    {
        QPointer<QObject> receiver;
        std::function<void(const QImage &)> callback;
    };
    QHash<QString, QImage> m_cache;
    void startGrab(const QString &key, const QString &path, QSize pixelSize);

    QHash<QString, QList<Waiter>> m_inFlight;
    int m_grabsStarted = 0;
};
