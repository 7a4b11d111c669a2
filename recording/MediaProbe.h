#pragma once

#include "recording/ToolLookup.h" // resolveToolPath

#include <QList>
#include <QSize>
#include <QString>

// What ffprobe tells about one media file, reduced to what joining segments needs.
struct MediaStreamInfo
{
    QString type;      // "video", "audio", ...
    QString codec;
    QSize size;        // video only
    QString signature; // every parameter that must match for a stream copy
    double startSeconds = -1;    // first time stamp; -1 when the container does not tell
    double durationSeconds = -1; // -1 when the container does not tell
    double endSeconds = -1;      // video, where its picture ends (videoEndSeconds); -1 when not read
};

struct MediaInfo
{
    bool ok = false;
    QString error;
    qint64 durationMs = -1;
    QList<MediaStreamInfo> streams;

    bool hasVideo() const;
    bool hasAudio() const;
    QSize videoSize() const; // of the first video stream; invalid without one
    QString signature() const; // all streams' signatures, in order
};


// ffprobe's verdict on a file: streams in it, none, or no verdict at all because ffprobe could
// not look (it is missing, did not end in time, crashed or wrote far too much).
struct UsabilityCheck
{
    enum Verdict { Usable, Unusable, Unchecked };
    Verdict verdict = Unchecked;
    QString why; // when unchecked: a translated sentence saying why
};

// Runs ffprobe. Every call blocks until ffprobe ends or its time-out passes (then it is
// killed), so call it from a pool thread unless the wait is short by design.
class MediaProbe
{
public:
    // The application folder's ffprobe when one is there, else "ffprobe" from the search path.
    static QString ffprobeExecutable();

    // True when the file exists, is not empty and ffprobe lists a video or audio stream in it
    // within the time-out. A probe that does not end in time counts as unusable.
    static bool isUsableSegment(const QString &path, int timeoutMs = 3000,
                                const QString &ffprobe = QString());
    // The same question, telling a file found unusable (missing, empty, no stream in it, or
    // refused by ffprobe) from one that could not be checked.
    static UsabilityCheck checkUsable(const QString &path, int timeoutMs = 3000,
                                      const QString &ffprobe = QString());

    // Streams and duration. A file whose container carries no duration (a Matroska file whose
    // writer was killed) gets it from its packets.
    static MediaInfo probe(const QString &path, int timeoutMs = 15000,
                           const QString &ffprobe = QString());

    // The media library's query: ffprobe's JSON with the streams' types, codecs, picture
    // sizes, frame rates, sample rates, channels, bit rates, lengths (with Matroska's DURATION
    // tags) and attached-picture flags and the container's duration and bit rate. Empty when
    // ffprobe fails, crashes or does not end in time.
    static QByteArray libraryMetadataJson(const QString &path, int timeoutMs = 12000,
                                          const QString &ffprobe = QString());

    // The container's duration in seconds, or 0 when ffprobe cannot tell within the time-out.
    static double containerDurationSeconds(const QString &path, int timeoutMs = 5000,
                                           const QString &ffprobe = QString());

    // How long the file's packets last: from the first time stamp of any stream to the end of
    // the last packet, read packet by packet (a file whose writer was killed names no length
    // of its own); -1 when ffprobe gives no packet within the time-out.
    static double packetSpanSeconds(const QString &path, int timeoutMs = 15000,
                                    const QString &ffprobe = QString());

    // Where the first video stream's picture ends: the latest time stamp of its frames plus
    // that frame's duration, read from its packets; -1 when it cannot tell. With reordered
    // frames of uneven spacing this lies past the stream's start plus its duration.
    static double videoEndSeconds(const QString &path, int timeoutMs = 15000,
                                  const QString &ffprobe = QString());

    // A closing program waits for no probe: every run ends (killed, as one past its time-out)
    // within a tenth of a second, and later ones fail at once. For the library's probes at quit.
    static void abandonRuns(bool abandon = true);
};
