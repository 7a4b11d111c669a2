#pragma once

#include <QString>
#include <QStringList>

// Cuts a finished segment at the instant the user paused or stopped, when the program took
// the command up late (a busy machine held its GUI thread): the pictures and sound recorded
// after the key or click are left out of the segment. The streams are copied, not encoded
// again (FLAC excepted), in the segment's own container (fragmented like the recorder writes
// it for MP4).
// The segment is replaced only by a copy that ffprobe reads and that is shorter; on any
// failure it stays as it was.
class SegmentCut
{
public:
    // ffmpeg's arguments that copy `source` into `target` up to `endMs` of its time.
    static QStringList arguments(const QString &source, const QString &target, qint64 endMs);
    // Where the copy is written before it replaces the segment.
    static QString workPath(const QString &segment);
    // Cuts `segment` at `endMs`; blocks (run it on a pool thread). False, with the reason in
    // `error`, when the segment stays as it was.
    static bool cut(const QString &segment, qint64 endMs, QString *error = nullptr,
                    const QString &ffmpeg = QString());

    static constexpr int kTimeoutMs = 60000;
};
