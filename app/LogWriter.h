#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Writes log lines to a file on a thread of its own, so that a thread that logs (the GUI
// thread above all) never waits for the disk: a write() can be held up for a long time when
// the machine writes a lot. The queue is bounded; a line that finds it full is dropped and
// counted, and the count is written with the next lines. The file never passes its cap: when
// a line would take it past, the file becomes the previous part ("<path>.1", replacing an
// older one) and a new file starts, so a run keeps at most two capped files.
class LogWriter
{
public:
    struct Limits {
        qint64 fileBytes = 8 * 1024 * 1024;
        qsizetype queueBytes = 8 * 1024 * 1024;
        qsizetype queueLines = 50000;
    };

    // Called on the writer thread with each written line's own text, for a second output
    // (the process's standard error); same order, same bound.
    using Echo = std::function<void(QtMsgType type, const QString &message)>;

    explicit LogWriter(const QString &path);
    LogWriter(const QString &path, Limits limits);
    ~LogWriter();

    // Opens (creates) the file and starts the thread; false when the file cannot be opened.
    bool open();
    QString path() const { return m_path; }
    void setEcho(Echo echo) { m_echo = std::move(echo); }
    // Turns a note of the writer's own ("[Log] ...") into a line; by default the text and "\n".
    void setNoteFormat(std::function<QByteArray(const QString &text)> format) { m_format = std::move(format); }
    // Lines the writer adds by itself when it wakes with nothing to write (about once a
    // second) and when it stops: notes about what was left out.
    void setIdleNotes(std::function<QList<QByteArray>(bool final)> notes) { m_idleNotes = std::move(notes); }

    // Queues one line; never waits for the disk. False when it was dropped (queue full).
    // Once the writer has stopped, writes the line at once on the calling thread.
    bool post(QByteArray line, QtMsgType type = QtInfoMsg, const QString &message = QString());
    // Waits until the lines queued before the call are written; false on timeout.
    bool flush(int timeoutMs);
    // Writes what is queued and ends the thread (waiting at most timeoutMs for it).
    void stop(int timeoutMs = 3000);

    // Holds the writer back as a stalled disk would (for tests).
    void holdBack(bool held);

    qint64 droppedLines() const;

    // True on the writer's own thread (a message raised there must not come back to it).
    static bool onWriterThread();

private:
    struct Entry {
        QByteArray line;
        QtMsgType type;
        QString message;
    };
    void run();
    void writeEntries(std::deque<Entry> &entries, qint64 dropped, bool timedOut, bool final);
    void writeLine(const QByteArray &line);
    void rotate();
    QByteArray noteLine(const QString &text) const;
    bool writeAll(const QByteArray &bytes);

    const QString m_path;
    const Limits m_limits;
    Echo m_echo;
    std::function<QList<QByteArray>(bool)> m_idleNotes;
    std::function<QByteArray(const QString &)> m_format;

    mutable std::mutex m_queueMutex;
    std::condition_variable m_wake;
    std::condition_variable m_written;
    std::deque<Entry> m_queue;
    qsizetype m_queuedBytes = 0;
    qint64 m_dropped = 0;
    qint64 m_droppedTotal = 0;
    quint64 m_posted = 0;
    quint64 m_done = 0;
    bool m_stopping = false;
    bool m_stopped = false;
    bool m_held = false;
    bool m_finished = false;

    std::mutex m_fileMutex; // the file, its size; taken by the writer and by late posts
    int m_fd = -1;
    qint64 m_size = 0;
    std::thread m_thread;
};
