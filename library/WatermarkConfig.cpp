#include "library/WatermarkConfig.h"

#include "recording/FfmpegEscape.h"

#include <QFileInfo>

namespace {

const char *const kTemplates[9] = {
    "x=W-tw-%1:y=H-th-%2",   // 0 bottom right
    "x=W-tw-%1:y=%2",        // 1 top right
    "x=%1:y=H-th-%2",        // 2 bottom left
    "x=%1:y=%2",             // 3 top left
    "x=(W-tw)/2:y=(H-th)/2", // 4 centre
    "x=(W-tw)/2:y=%2",       // 5 top centre
    "x=%1:y=(H-th)/2",       // 6 middle left
    "x=W-tw-%1:y=(H-th)/2",  // 7 middle right
    "x=(W-tw)/2:y=H-th-%2",  // 8 bottom centre
};

QString twoDigitHex(int value)
{
    return QStringLiteral("%1").arg(value & 0xff, 2, 16, QLatin1Char('0'));
}

} // namespace

QString WatermarkConfig::placementExpression(int position, int marginX, int marginY)
{
    QString expression = QString::fromLatin1(kTemplates[(position >= 0 && position <= 8) ? position : 0]);
    expression.replace(QStringLiteral("%1"), QString::number(marginX));
    expression.replace(QStringLiteral("%2"), QString::number(marginY));
    return expression;
}

QString WatermarkConfig::fontFile()
{
    static const QString found = [] {
        const char *const candidates[] = {
            "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
            "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
            "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
        };
        for (const char *candidate : candidates) {
            if (QFileInfo::exists(QString::fromLatin1(candidate)))
                return QString::fromLatin1(candidate);
        }
        return QString();
    }();
    return found;
}

QString WatermarkConfig::toFFmpegFilter(const QString &textFile) const
{
    if (!enabled || text.isEmpty())
        return QString();

    // Every value is escaped for the option list first and for the graph second, so that
    // the text and the paths reach drawtext unchanged. Expansion is off: '%' is plain text.
    QString font;
    const QString fontPath = fontFile();
    if (!fontPath.isEmpty())
        font = QStringLiteral("fontfile=%1:").arg(FfmpegEscape::filterGraphPath(fontPath));

    const QString textPart = textFile.isEmpty()
        ? QStringLiteral("text=%1:expansion=none")
              .arg(FfmpegEscape::filterGraphText(FfmpegEscape::filterOptionValue(text)))
        : QStringLiteral("textfile=%1:expansion=none").arg(FfmpegEscape::filterGraphPath(textFile));

    const QString colour = twoDigitHex(color.red()) + twoDigitHex(color.green()) + twoDigitHex(color.blue());
    const QString alpha = QString::number(opacity / 100.0, 'f', 2);

    return QStringLiteral("drawtext=%1%2:fontsize=%3:fontcolor=%4@%5:%6:shadowcolor=black@0.4:shadowx=2:shadowy=2")
        .arg(font, textPart, QString::number(fontSize), colour, alpha,
             placementExpression(position, marginX, marginY));
}
