#pragma once

#include "library/VideoRecord.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QThreadPool;

// The metadata probes of the library's files, a bounded number at a time on a thread pool.
// Details already read are kept by path: a file whose size and modification time are unchanged
// is not probed again (by any queue that shares the same store of details). What waits starts in the order the window wants: the files it names
// first (the chosen file, the rows in view), then the list's order.
class MetadataQueue : public QObject
{
    Q_OBJECT
public:
    using Probe = std::function<VideoRecord(const VideoRecord &)>;

    // A file's record with the size and modification time it was made for.
    struct FileRecord
    {
        VideoRecord record;
        qint64 size = 0;
        QDateTime modified;
        int index = -1; // of a file waiting: its place in the list
    };
    using KnownFiles = QHash<QString, FileRecord>;

    MetadataQueue(QThreadPool *pool, int maxRunning, Probe probe, QObject *parent = nullptr);

    // The details the program's library windows and home page have read in this run (GUI
    // thread only): a window opened again, or a folder chosen again, finds them without probing.
    static std::shared_ptr<KnownFiles> sharedKnownFiles();
    // The record kept in `known` of a file whose size and modification time are those given;
    // null when it was not read as it is now.
    static const VideoRecord *unchangedRecord(const KnownFiles &known, const QString &path, qint64 size,
                                              const QDateTime &modified);
    // Reads a file with `probe` (any thread), stamped with what the file was when read.
    static FileRecord readFile(const Probe &probe, const VideoRecord &record);
    // Keeps an answer in `known`; a file ffprobe could not read (or not in time, on a busy
    // machine) is asked again next time.
    static void keep(KnownFiles &known, const QString &path, const FileRecord &result);
    // Keeps what it reads in `known` (and finds what others read there) from the next
    // restart on; a queue starts with a store of its own.
    void setKnownFiles(std::shared_ptr<KnownFiles> known) { m_known = std::move(known); }

    // A new list: returns it with every record whose file is unchanged since it was read
    // filled in, and queues the others in the list's order, in place of whatever waited
    // (nothing starts before startWaiting). Probes already running end; one of a file still
    // listed and unchanged counts for the new list.
    QList<VideoRecord> restart(int generation, QList<VideoRecord> records);
    // Starts waiting probes up to the bound, the wanted ones first.
    void startWaiting();
    // Asked whenever a probe may start: the paths to read before the rest, most wanted first.
    void setWanted(std::function<QStringList()> wanted) { m_wanted = std::move(wanted); }
    // Drops what waits (running probes end, their results go nowhere).
    void clear();
    // Files of the current list still to be read (waiting or running).
    int pendingCount() const { return int(m_pending.size()); }
    bool isPending(const QString &path) const { return m_pending.contains(path); }
    int runningCount() const { return int(m_running.size()); }

signals:
    // A file of the list `generation` was read; `index` is its place in the list given to restart.
    void probed(int generation, int index, const QString &path, const VideoRecord &result);

private:
    void start(const QString &path);
    void finished(const QString &path, const FileRecord &result);
    bool canStart(const QString &path) const;

    QThreadPool *m_pool;
    int m_maxRunning;
    Probe m_probe;
    std::function<QStringList()> m_wanted;
    int m_generation = 0;
    QHash<QString, FileRecord> m_pending; // by path: the current list's files not read yet, as the scan made them
    QStringList m_order;                  // their paths in list order
    int m_cursor = 0;                     // m_order before this has been started
    QSet<QString> m_running;
    std::shared_ptr<KnownFiles> m_known;
};
