#include "library/LibraryToolArguments.h"

#include "recording/EncoderCommandLine.h"
#include "recording/NumberText.h"
#include "library/MediaLibraryFiles.h"
#include "library/VideoListDialog.h"
#include "recording/SegmentMerger.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace LibraryTools {

QStringList audioCodecArgs(const QString &suffix, const QString &bitrate)
{
    const QString codec = SegmentMerger::audioCodecFor(suffix);
    QStringList args{QStringLiteral("-c:a"), codec};
    if (codec == QLatin1String("aac") || codec == QLatin1String("libmp3lame"))
        args << QStringLiteral("-b:a") << bitrate;
    return args;
}

QStringList extractAudioArguments(const QString &source, const QString &target, const QString &bitrate)
{
    QStringList args{QStringLiteral("-n"), QStringLiteral("-i"), source, QStringLiteral("-vn")};
    args << audioCodecArgs(QFileInfo(target).suffix().toLower(), bitrate) << target;
    return args;
}

QStringList convertArguments(const QString &source, bool audioSource, const QString &target,
                             const QString &bitrate, const QString &crf)
{
    const QString suffix = QFileInfo(target).suffix().toLower();
    const bool reencoded = !audioSource && suffix != QLatin1String("gif");
    QStringList args{QStringLiteral("-n")};
    args << (reencoded ? EncoderCommandLine::describedInput(source) : QStringList{QStringLiteral("-i"), source});
    if (audioSource) {
        args << QStringLiteral("-vn") << audioCodecArgs(suffix, bitrate);
    } else if (suffix == QLatin1String("gif")) {
        args << QStringLiteral("-vf") << QStringLiteral("fps=15,scale=960:-1:flags=lanczos");
    } else {
        args << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset")
             << QStringLiteral("veryfast") << QStringLiteral("-crf") << crf << QStringLiteral("-c:a")
             << QStringLiteral("aac") << QStringLiteral("-b:a") << QStringLiteral("192k");
        if (suffix == QLatin1String("mp4") || suffix == QLatin1String("mov"))
            args << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    }
    args << target;
    return args;
}

QString speedText(double speed)
{
    return QString::number(speed, 'g', 2);
}

QStringList speedArguments(const QString &source, double speed, const QString &target)
{
    return QStringList{QStringLiteral("-n")} + EncoderCommandLine::describedInput(source)
           + QStringList{QStringLiteral("-vf"),
                         QStringLiteral("setpts=%1*PTS").arg(QString::number(1.0 / speed, 'f', 5)),
                         QStringLiteral("-af"),
                         QStringLiteral("atempo=%1").arg(QString::number(speed, 'f', 2)),
                         QStringLiteral("-c:v"),
                         QStringLiteral("libx264"),
                         QStringLiteral("-preset"),
                         QStringLiteral("veryfast"),
                         QStringLiteral("-crf"),
                         QStringLiteral("19"),
                         QStringLiteral("-c:a"),
                         QStringLiteral("aac"),
                         target};
}

QStringList volumeArguments(const QString &source, bool audioSource, int percent, const QString &target)
{
    const QString filter = QStringLiteral("volume=%1").arg(QString::number(percent / 100.0, 'f', 2));
    QStringList args{QStringLiteral("-n"), QStringLiteral("-i"), source};
    if (audioSource)
        args << QStringLiteral("-vn") << QStringLiteral("-af") << filter
             << audioCodecArgs(QFileInfo(target).suffix().toLower(), QStringLiteral("192k"));
    else
        args << QStringLiteral("-c:v") << QStringLiteral("copy") << QStringLiteral("-af") << filter
             << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-b:a") << QStringLiteral("192k");
    args << target;
    return args;
}

namespace {
const QRegularExpression &forbiddenCharacters()
{
    static const QRegularExpression invalid(QStringLiteral("[\\\\/:*?\"<>|]"));
    return invalid;
}
} // namespace

bool isInvalidFileName(const QString &name)
{
    const QString trimmed = name.trimmed();
    return trimmed.isEmpty() || forbiddenCharacters().match(trimmed).hasMatch();
}

QChar forbiddenFileNameCharacter(const QString &name)
{
    const QRegularExpressionMatch m = forbiddenCharacters().match(name.trimmed());
    return m.hasMatch() ? m.captured(0).at(0) : QChar();
}

QString fileInformationText(const VideoRecord &record)
{
    const QFileInfo info(record.path);
    const QString format = info.suffix().toUpper();
    // A file whose details could not be read (and whose player has not found its length),
    // or whose length could not be, has an unknown length, not one of 00:00.
    const bool unread = !hasProbedDetails(record) || record.duration < 0;
    const QString duration = unread ? QCoreApplication::translate("VideoListDialog", "未知")
                                    : VideoListDialog::formatDuration(record.duration);
    const QString size = VideoListDialog::formatSize(record.size);
    const QString created = NumberText::isolated(record.created.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
    const QString folder = NumberText::isolated(info.absolutePath());
    if (record.isAudio) {
        const QString codec = record.audioCodec.isEmpty()
            ? QCoreApplication::translate("VideoListDialog", "未知")
            : record.audioCodec;
        // A value ffprobe could not read (an unreadable file, a stream without a bit rate)
        // says so rather than "0 Hz" or "0 kbps"; each unit comes with its number.
        const QString unknown = QCoreApplication::translate("VideoListDialog", "未知");
        const QString rate = record.sampleRate > 0
            ? NumberText::isolated(QCoreApplication::translate("VideoListDialog", "%1 Hz").arg(record.sampleRate))
            : unknown;
        const QString channels = record.channels > 0 ? QString::number(record.channels) : unknown;
        const QString bitrate = record.bitrateKbps > 0
            ? NumberText::isolated(QCoreApplication::translate("VideoListDialog", "%1 kbps").arg(record.bitrateKbps))
            : unknown;
        return QCoreApplication::translate("VideoListDialog",
                                           "格式：%1\n编码：%2\n采样率：%3\n声道：%4\n码率：%5\n时长：%6\n"
                                           "大小：%7\n创建时间：%8\n保存路径：%9")
            .arg(format, codec, rate, channels, bitrate, duration, size, created, folder);
    }
    // The resolution runs in the sentence's direction (the width read first, right to left
    // too); the frame rate in one isolate: right to left, "30 fps" would read "fps 30".
    // An empty file, or one whose picture could not be measured, says so rather than
    // "0 × 0, 0 fps".
    const bool empty = record.size == 0;
    const QString unknown = QCoreApplication::translate("VideoListDialog", "未知");
    const bool measured = record.resolution.width() > 0 && record.resolution.height() > 0;
    const QString resolution = empty || !measured
                                   ? unknown
                                   : NumberText::resolutionInSentence(record.resolution.width(), record.resolution.height());
    const QString frameRate
        = empty || record.fps <= 0 ? unknown : NumberText::isolated(QStringLiteral("%1 fps").arg(record.fps));
    const QString lines = QCoreApplication::translate(
        "VideoListDialog", "格式：%1\n分辨率：%2\n帧率：%3\n时长：%4\n大小：%5\n创建时间：%6\n保存路径：%7")
        .arg(format, resolution, frameRate, empty ? unknown : duration, size, created, folder);
    return empty ? QCoreApplication::translate("VideoListDialog", "文件为空") + QLatin1Char('\n') + lines : lines;
}

} // namespace LibraryTools
