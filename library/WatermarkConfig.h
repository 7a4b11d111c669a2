#pragma once

#include <QColor>
#include <QString>

// A text watermark: what it says, how it looks and where it sits. Turned into one ffmpeg
// drawtext filter by toFFmpegFilter().
struct WatermarkConfig
{
    bool enabled = false;
    QString text = QStringLiteral("Vistrelle");
    QColor color = QColor(QStringLiteral("#FFFFFF"));
    int fontSize = 24;
    int opacity = 50; // percent
    // 0 bottom right, 1 top right, 2 bottom left, 3 top left, 4 centre, 5 top centre,
    // 6 middle left, 7 middle right, 8 bottom centre.
    int position = 0;
    int marginX = 20; // video pixels
    int marginY = 20;

    // The drawtext filter, ready to be placed into a filter graph (-vf or -filter_complex):
    // empty unless enabled and the text is not empty. With a text file the text is read from
    // that file (no expansion); otherwise the text is written inline. Either way the text is
    // drawn exactly as given, whatever quotes, colons, percent signs or backslashes it holds.
    QString toFFmpegFilter(const QString &textFile) const;
    QString toFFmpegFilter() const { return toFFmpegFilter(QString()); }

    // The x/y part of the filter for a placement (placements outside 0..8 give placement 0).
    static QString placementExpression(int position, int marginX, int marginY);
    // The font file drawtext uses: one that can draw Chinese text when the system has it,
    // else empty (drawtext then asks fontconfig for its default font).
    static QString fontFile();
};
