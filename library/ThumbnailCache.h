#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

// Card pictures, grabbed by ffmpeg on the picture pool and kept for the life of the process,
// keyed by path and size in bytes (a rewritten file of another size is grabbed again). Each
// picture is kept as shown: cropped to the card's thumbnail size at the screen's pixel ratio.
// At most three grabs run at a time. Of the pictures waiting, those of widgets on screen start
// first, then the most recently asked for; only the newest few dozen wait (a card scrolled past
// asks again when it is painted again).
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
    // already being grabbed is not grabbed twice, and a receiver waiting for it already is
    // not added again (the key moves to the front of those waiting).
    void request(const QString &path, qint64 fileSize, QSize pixelSize, QObject *receiver,
                 std::function<void(const QImage &)> callback);
    // Whether `receiver` waits for that key (queued or being grabbed).
    bool isWaiting(const QString &key, const QObject *receiver) const;

    int grabsStarted() const { return m_grabsStarted; }
    int waitingCount() const { return int(m_waiting.size()); }
    int cachedCount() const { return int(m_cache.size()); }
    qint64 cachedBytes() const;

    static constexpr int kMaxRunning = 3;
    static constexpr int kMaxWaiting = 48;

private:
    explicit ThumbnailCache(QObject *parent);

    struct Waiter
    {
        QPointer<QObject> receiver;
        std::function<void(const QImage &)> callback;
    };
    struct Job
    {
        QString path;
        QSize pixelSize;
        bool running = false;
        QList<Waiter> waiters;
    };
    void startWaiting();
    void startGrab(const QString &key);
    bool onScreen(const Job &job) const;

    QHash<QString, QImage> m_cache;
    QHash<QString, Job> m_jobs;  // by key: waiting or running
    QStringList m_waiting;       // keys not started yet, most recently asked for first
    int m_running = 0;
    int m_grabsStarted = 0;
};
