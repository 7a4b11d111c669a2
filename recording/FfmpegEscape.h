#pragma once

#include <QString>
#include <QStringList>

// Quoting of file paths in the two places where ffmpeg parses them itself: the concat
// demuxer's list file and filter graph descriptions.
class FfmpegEscape
{
public:
    // One line of a concat list: "file '<path>'\n" with every ' written as '\''.
    static QString concatListLine(const QString &path);

    // Writes a concat list (UTF-8). Fails for a path holding a line break, which the list
    // format cannot carry, and when the file cannot be written.
    static bool writeConcatList(const QString &listPath, const QStringList &files, QString *error);

    // The same, where a file with a valid span (start >= 0, length > 0, in seconds) is read
    // from that start on and counts that long ("inpoint" and "duration" lines): the next file
    // then follows right where this span ends.
    struct Span
    {
        double start = -1;
        double length = -1;
    };
    static bool writeConcatList(const QString &listPath, const QStringList &files, const QList<Span> &spans,
                                QString *error);

    // First level: a value inside one filter's option list (escapes \ ' :).
    static QString filterOptionValue(const QString &value);

    // Second level: text placed into a filter graph description (escapes \ ' [ ] , ; and blanks).
    static QString filterGraphText(const QString &text);

    // A path used as a filter option inside a graph given to -vf or -filter_complex.
    static QString filterGraphPath(const QString &path);
};
