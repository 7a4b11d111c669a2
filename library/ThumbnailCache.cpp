#include "library/ThumbnailCache.h"

#include "library/MediaPreview.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QWidget>
#include <QtConcurrent>

#include <algorithm>
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

bool ThumbnailCache::isWaiting(const QString &key, const QObject *receiver) const
{
    const auto job = m_jobs.constFind(key);
    if (job == m_jobs.constEnd())
        return false;
    return std::any_of(job->waiters.cbegin(), job->waiters.cend(),
                       [receiver](const Waiter &w) { return w.receiver == receiver; });
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
    auto job = m_jobs.find(key);
    if (job == m_jobs.end())
        job = m_jobs.insert(key, {path, pixelSize, false, {}});
    if (!isWaiting(key, receiver))
        job->waiters.append({receiver, std::move(callback)});
    if (job->running)
        return;
    m_waiting.removeOne(key);
    m_waiting.prepend(key);
    // The oldest requests give way: their cards have long been scrolled past.
    while (m_waiting.size() > kMaxWaiting)
        m_jobs.remove(m_waiting.takeLast());
    startWaiting();
}

bool ThumbnailCache::onScreen(const Job &job) const
{
    for (const Waiter &w : job.waiters) {
        const auto *widget = qobject_cast<const QWidget *>(w.receiver.data());
        if (widget && widget->isVisible() && !widget->visibleRegion().isEmpty())
            return true;
    }
    return false;
}

void ThumbnailCache::startWaiting()
{
    while (m_running < kMaxRunning && !m_waiting.isEmpty()) {
        // Requests of receivers gone since go first, unstarted.
        m_waiting.removeIf([this](const QString &key) {
            const auto job = m_jobs.constFind(key);
            const bool live = std::any_of(job->waiters.cbegin(), job->waiters.cend(),
                                          [](const Waiter &w) { return !w.receiver.isNull(); });
            if (!live)
                m_jobs.remove(key);
            return !live;
        });
        if (m_waiting.isEmpty())
            return;
        QString next = m_waiting.first();
        for (const QString &key : std::as_const(m_waiting)) {
            if (onScreen(m_jobs.value(key))) {
                next = key;
                break;
            }
        }
        m_waiting.removeOne(next);
        startGrab(next);
    }
}

void ThumbnailCache::startGrab(const QString &key)
{
    ++m_grabsStarted;
    ++m_running;
    Job &job = m_jobs[key];
    job.running = true;
    auto *watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, key] {
        watcher->deleteLater();
        --m_running;
        const QImage image = watcher->future().resultCount() > 0 ? watcher->result() : QImage();
        if (!image.isNull())
            m_cache.insert(key, image);
        const QList<Waiter> waiters = m_jobs.take(key).waiters;
        for (const Waiter &w : waiters) {
            if (w.receiver)
                w.callback(image);
        }
        startWaiting();
    });
    watcher->setFuture(QtConcurrent::run(picturePool(), [path = job.path, pixelSize = job.pixelSize] {
        const QImage grabbed = grabMediaPreview(path, 0.3);
        if (grabbed.isNull() || pixelSize.isEmpty())
            return grabbed;
        // Kept as shown: filled and centred in the thumbnail.
        const QImage scaled = grabbed.scaled(pixelSize, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        return scaled.copy((scaled.width() - pixelSize.width()) / 2, (scaled.height() - pixelSize.height()) / 2,
                           pixelSize.width(), pixelSize.height());
    }));
}
