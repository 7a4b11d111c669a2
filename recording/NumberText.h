#pragma once

#include <QCoreApplication>
#include <QString>

class QRect;

// Texts made of numbers: times, dates, durations, sizes and resolutions. Each reads in its
// own left-to-right order inside a right-to-left interface (Arabic), where the bidirectional
// algorithm would otherwise turn "1920 × 1080" into "1080 × 1920" and "2026/12/07 20:30"
// into "20:30 2026/12/07"; sizes carry the interface language's unit names.
class NumberText
{
    Q_DECLARE_TR_FUNCTIONS(NumberText)

public:
    enum class ByteUnit { KB, MB, GB };

    // The text inside a left-to-right isolate (U+2066 ... U+2069) when the interface runs
    // right to left; unchanged otherwise.
    static QString isolated(const QString &text);
    // "1920 × 1080", isolated: a text of its own, or a part of a line that runs left to right.
    static QString resolution(int width, int height);
    // "1920 × 1080" inside a sentence of the interface ("Resolution: 1920 × 1080"): it runs
    // in the sentence's direction, so that right to left, too, the width is read first
    // (beside the label) and the height after it.
    static QString resolutionInSentence(int width, int height);
    // The size in pixels of a recording of `area` (logical coordinates): the area at its
    // screen's pixel ratio with even sides, as the recorder captures it ("1000 × 500" for
    // 500 x 250 points at scale 2), isolated.
    static QString captureResolution(const QRect &area);
    // The same for an area given by its device pixels.
    static QString deviceResolution(const QRect &deviceArea);
    // A name (of a file, of a window) inside a first-strong isolate (U+2068 ... U+2069)
    // when the interface runs right to left: it keeps its own direction, and a shortened
    // name keeps its ellipsis at its own end. Unchanged otherwise.
    static QString isolatedName(const QString &name);

    // "KB", "MB", "GB" as the interface language writes them ("Ko", "Mo", "Go" in French).
    static QString byteUnit(ByteUnit unit);
    // An amount with its unit: bytes(12.34, MB, 1) is "12.3 MB".
    static QString bytes(double amount, ByteUnit unit, int decimals);
    // A size in the unit that reads best: "820 KB", "12.3 MB", "1.25 GB".
    static QString size(qint64 bytes);
};
