#include "library/ThumbnailCache.h"

#include "library/MediaPreview.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <utility>

ThumbnailCache::ThumbnailCache(QObject *parent)
    : QObject(parent)
{
}

ThumbnailCache *ThumbnailCache::instance()
{
    static ThumbnailCache *cache = new ThumbnailCache(qApp);
    return cache;
}

QString ThumbnailCache::keyFor(const QString &path, qint64 size)
{
    return path + QLatin1Char('|') + QString::number(size);
}

QImage ThumbnailCache::cached(const QString &key) const
{
    return m_cache.value(key);
}

qint64 ThumbnailCache::cachedBytes() const
{
    qint64 total = 0;
    for (const QImage &image : m_cache)
        total += image.sizeInBytes();
    return total;
}

void ThumbnailCache::request(const QString &path, qint64 fileSize, QSize pixelSize, QObject *receiver,
                             std::function<void(const QImage &)> callback)
{
    const QString key = keyFor(path, fileSize);
    const auto hit = m_cache.constFind(key);
    if (hit != m_cache.constEnd()) {
        callback(*hit);
        return;
    }
    auto waiting = m_inFlight.find(key);
    if (waiting != m_inFlight.end()) {
        waiting->append({receiver, std::move(callback)});
        return;
    }
    m_inFlight.insert(key, {{receiver, std::move(callback)}});
    startGrab(key, path, pixelSize);
}

void ThumbnailCache::startGrab(const QString &key, const QString &path, QSize pixelSize)
{
    ++m_grabsStarted;
    auto *watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, key] {
        watcher->deleteLater();
        const QImage image = watcher->future().resultCount() > 0 ? watcher->result() : QImage();
        if (!image.isNull())
            m_cache.insert(key, image);
        const QList<Waiter> waiters = m_inFlight.take(key);
        for (const Waiter &w : waiters) {
            if (w.receiver)
                w.callback(image);
        }
    });
    watcher->setFuture(QtConcurrent::run(picturePool(), [path, pixelSize] {
        const QImage grabbed = grabMediaPreview(path, 0.3);
        if (grabbed.isNull() || pixelSize.isEmpty())
            return grabbed;
        // Kept as shown: filled and centred in the thumbnail.
        const QImage scaled = grabbed.scaled(pixelSize, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        return scaled.copy((scaled.width() - pixelSize.width()) / 2, (scaled.height() - pixelSize.height()) / 2,
                           pixelSize.width(), pixelSize.height());
    }));
}
