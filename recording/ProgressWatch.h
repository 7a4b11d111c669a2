#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class QProcess;
class QTimer;

// Ends a child process that stops making progress (a frozen tool, a stalled network or USB
// disk) so that its owner can go on: the process is killed and `stalled` follows. Progress is
// what the owner reports through noteProgress() (the output it counts) and any change in the
// size of the watched file. Where the process's threads wait is logged first: it names the
// cause of a program that hangs.
class ProgressWatch : public QObject
{
    Q_OBJECT
public:
    struct Limits
    {
        int checkEveryMs = 1000;
        int withoutProgressMs = 0; // ended after this long without progress; 0: never
        int totalMs = 0;           // ended this long after start(), progress or not; 0: never
    };

    // `name` starts each log line ("[Recorder merge] ffmpeg").
    explicit ProgressWatch(const QString &name, QObject *parent = nullptr);

    // Watches `process` from now on (its current run: a new run of the same object is not
    // watched) and `file` (empty: none).
    void start(QProcess *process, const QString &file, const Limits &limits);
    void stop();
    void noteProgress();
    bool isWatching() const;
    // Whether the last watched process was ended for want of progress.
    bool hasEnded() const { return m_ended; }

signals:
    void stalled();

private:
    bool stillRuns();
    void check();
    void end(const char *why, qint64 ms);

    QString m_name;
    QTimer *m_timer = nullptr;
    QTimer *m_deadline = nullptr;
    QPointer<QProcess> m_process;
    qint64 m_pid = 0;
    QString m_file;
    Limits m_limits;
    QElapsedTimer m_sinceStart;
    QElapsedTimer m_sinceProgress;
    qint64 m_fileBytes = -1;
    bool m_ended = false;
};
