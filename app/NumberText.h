#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

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
    // "1920 × 1080", isolated.
    static QString resolution(int width, int height);
    // Editors that lay out digits of their own (date and time edits) keep left to right;
    // call it after the editor's display format is set.
    static void keepLeftToRight(QWidget *editor);

    // "KB", "MB", "GB" as the interface language writes them ("Ko", "Mo", "Go" in French).
    static QString byteUnit(ByteUnit unit);
    // An amount with its unit: bytes(12.34, MB, 1) is "12.3 MB".
    static QString bytes(double amount, ByteUnit unit, int decimals);
    // A size in the unit that reads best: "820 KB", "12.3 MB", "1.25 GB".
    static QString size(qint64 bytes);
};
