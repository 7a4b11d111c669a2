#include "library/MetadataQueue.h"

#include "library/MediaLibraryFiles.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <algorithm>
#include <utility>

MetadataQueue::MetadataQueue(QThreadPool *pool, int maxRunning, Probe probe, QObject *parent)
    : QObject(parent)
    , m_pool(pool)
    , m_maxRunning(std::max(1, maxRunning))
    , m_probe(std::move(probe))
    , m_known(std::make_shared<KnownFiles>())
{
}

std::shared_ptr<MetadataQueue::KnownFiles> MetadataQueue::sharedKnownFiles()
{
    static const std::shared_ptr<KnownFiles> known = std::make_shared<KnownFiles>();
    return known;
}

QList<VideoRecord> MetadataQueue::restart(int generation, QList<VideoRecord> records)
{
    m_generation = generation;
    m_pending.clear();
    m_order.clear();
    m_cursor = 0;
    for (int i = 0; i < records.size(); ++i) {
        VideoRecord &record = records[i];
        const QFileInfo info(record.path);
        const QDateTime modified = info.lastModified();
        if (const VideoRecord *known = unchangedRecord(*m_known, record.path, record.size, modified)) {
            VideoRecord kept = *known;
            kept.fileName = record.fileName;
            kept.created = record.created;
            record = kept;
            continue;
        }
        m_pending.insert(record.path, {record, record.size, modified, i});
        m_order << record.path;
    }
    return records;
}

void MetadataQueue::clear()
{
    m_pending.clear();
    m_order.clear();
    m_cursor = 0;
}

bool MetadataQueue::canStart(const QString &path) const
{
    return m_pending.contains(path) && !m_running.contains(path);
}

void MetadataQueue::startWaiting()
{
    while (m_running.size() < m_maxRunning) {
        QString next;
        if (m_wanted) {
            const QStringList wanted = m_wanted();
            for (const QString &path : wanted) {
                if (canStart(path)) {
                    next = path;
                    break;
                }
            }
        }
        while (next.isEmpty() && m_cursor < m_order.size()) {
            const QString &path = m_order.at(m_cursor++);
            if (canStart(path))
                next = path;
        }
        if (next.isEmpty())
            return;
        start(next);
    }
}

void MetadataQueue::start(const QString &path)
{
    m_running.insert(path);
    auto *watcher = new QFutureWatcher<FileRecord>(this);
    connect(watcher, &QFutureWatcher<FileRecord>::finished, this, [this, watcher, path] {
        watcher->deleteLater();
        finished(path, watcher->future().resultCount() > 0 ? watcher->result() : FileRecord{});
    });
    watcher->setFuture(QtConcurrent::run(m_pool, [probe = m_probe, record = m_pending.value(path).record] {
        return readFile(probe, record);
    }));
}

const VideoRecord *MetadataQueue::unchangedRecord(const KnownFiles &known, const QString &path, qint64 size,
                                                  const QDateTime &modified)
{
    const auto found = known.constFind(path);
    return found != known.constEnd() && found->size == size && found->modified == modified ? &found->record
                                                                                           : nullptr;
}

MetadataQueue::FileRecord MetadataQueue::readFile(const Probe &probe, const VideoRecord &record)
{
    // The file as it was read: a later change makes the answer stale.
    const QFileInfo info(record.path);
    FileRecord result;
    result.size = info.size();
    result.modified = info.lastModified();
    result.record = probe(record);
    result.record.size = result.size;
    return result;
}

void MetadataQueue::keep(KnownFiles &known, const QString &path, const FileRecord &result)
{
    if (hasProbedDetails(result.record))
        known.insert(path, result);
}

void MetadataQueue::finished(const QString &path, const FileRecord &result)
{
    m_running.remove(path);
    keep(*m_known, path, result);
    const auto pending = m_pending.constFind(path);
    if (pending != m_pending.constEnd()) {
        if (pending->size == result.size && pending->modified == result.modified) {
            const int index = pending->index;
            VideoRecord record = result.record;
            record.fileName = pending->record.fileName;
            record.created = pending->record.created;
            record.size = pending->size;
            m_pending.erase(pending);
            emit probed(m_generation, index, path, record);
        } else {
            // Changed while it was read (or read for an earlier list): once more.
            m_order << path;
        }
    }
    startWaiting();
}
