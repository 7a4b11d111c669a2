#pragma once

#include <QHash>
#include <QMutex>
#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>

// Finds out what the local ffmpeg can do by asking it: whether a video encoder
// works (a test encode of a black picture into the null output) and whether it
// knows options that older versions lack. Answers are cached for the life of the
// object; a question that could not be answered (no ffmpeg, time-out) is not.
// Safe to use from several threads at once: the caches are guarded, and no lock
// is held while a probe process runs.
class EncoderProbe
{
public:
    using ProgramLookup = std::function<QString()>;

    explicit EncoderProbe(ProgramLookup program, int timeLimitMs = 6000, int killWaitMs = 30000);

    // The process-wide instance, running ToolLookup::ffmpeg().
    static EncoderProbe &shared();

    static const QStringList &hardwareCandidates();
    static QString softwareEncoder() { return QStringLiteral("libx264"); }

    bool works(const QString &encoder);
    bool worksAtSize(const QString &encoder, const QSize &size, int fps);
    QString availableHardwareEncoder();
    // The concrete encoder for a requested name; empty or "auto" picks the first
    // working hardware encoder, anything else is used when it works.
    QString resolve(const QString &requested);

    // Whether ffmpeg accepts -shortest_buf_duration; asked once. A caller that
    // asks while another thread's question runs waits for that answer instead of
    // starting a second process.
    bool supportsShortestBufDuration();

    // Number of probe processes this object has started.
    int processesStarted() const { return m_processesStarted.load(); }

    // For a program that quits: the probe running now is killed, and none starts after it.
    // Its question stays unanswered (nothing is cached, nothing is logged). A probe still
    // running would hold the program's end, which waits for the thread it runs on.
    void abandon() { m_abandoned.store(true); }
    bool isAbandoned() const { return m_abandoned.load(); }

private:
    enum class Outcome { Passed, Failed, TimedOut, NotStarted, Abandoned };
    struct Run
    {
        Outcome outcome = Outcome::NotStarted;
        QByteArray output;
    };

    // `lines`, when given, is handed each line of the output as it comes; `output` keeps a tail.
    Run runFfmpeg(const QStringList &args, const std::function<void(const QByteArray &)> &lines = {});
    std::optional<bool> plainTest(const QString &encoder);

    ProgramLookup m_program;
    int m_timeLimitMs;
    int m_killWaitMs;
    std::atomic<int> m_processesStarted{0};
    std::atomic<bool> m_abandoned{false};

    QMutex m_mutex;
    QHash<QString, bool> m_plain;
    QHash<QString, bool> m_sized;
    // Held while the option question runs; never while an encoder probe does.
    QMutex m_optionMutex;
    std::optional<bool> m_shortestBufDuration;
};
