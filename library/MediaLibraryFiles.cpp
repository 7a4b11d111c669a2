#include "library/MediaLibraryFiles.h"

#include "library/FfmpegJob.h"

#include "recording/MediaProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>

#include <algorithm>

namespace {

const QString kRegistryKey = QStringLiteral("media/recordedFiles");

const QStringList &audioSuffixes()
{
    static const QStringList suffixes{QStringLiteral("mp3"), QStringLiteral("m4a"), QStringLiteral("wav"),
                                      QStringLiteral("flac")};
    return suffixes;
}

const QList<QRegularExpression> &namePatterns()
{
    static const QList<QRegularExpression> patterns{
        QRegularExpression(QStringLiteral("^Vistrelle_.+$"), QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("^Recording_\\d{4}(?:_.+)?$"), QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}_\\d{6}_\\d{3}(?:_.+)?$")),
    };
    return patterns;
}

int roundedKbps(const QString &bitsPerSecond)
{
    return qRound(bitsPerSecond.toDouble() / 1000.0);
}

} // namespace

bool isAudioFile(const QString &path)
{
    return audioSuffixes().contains(QFileInfo(path).suffix().toLower());
}

QString normalizedMediaPath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QStringList mediaNameFilters()
{
    return {QStringLiteral("*.mp4"), QStringLiteral("*.mkv"), QStringLiteral("*.mov"), QStringLiteral("*.avi"),
            QStringLiteral("*.mp3"), QStringLiteral("*.m4a"), QStringLiteral("*.wav"), QStringLiteral("*.flac")};
}

bool isRecordingName(const QString &completeBaseName)
{
    for (const QRegularExpression &pattern : namePatterns()) {
        if (pattern.match(completeBaseName).hasMatch())
            return true;
    }
    return false;
}

bool isIntermediateFile(const QString &fileName)
{
    return fileName.contains(QLatin1String(".merging."), Qt::CaseInsensitive)
           || fileName.contains(QLatin1String(".watermarking."), Qt::CaseInsensitive) || isSavingFile(fileName);
}

QStringList recordedFiles()
{
    return QSettings().value(kRegistryKey).toStringList();
}

void setRecordedFiles(const QStringList &paths)
{
    QSettings().setValue(kRegistryKey, paths);
}

void rememberRecordedFile(const QString &path)
{
    if (path.trimmed().isEmpty())
        return;
    const QString normalized = normalizedMediaPath(path);
    QStringList list = recordedFiles();
    for (const QString &entry : list) {
        if (normalizedMediaPath(entry) == normalized)
            return;
    }
    list << normalized;
    setRecordedFiles(list);
}

void forgetRecordedFile(const QString &path)
{
    const QString normalized = normalizedMediaPath(path);
    QStringList list = recordedFiles();
    list.removeIf([&](const QString &entry) { return normalizedMediaPath(entry) == normalized; });
    setRecordedFiles(list);
}

VideoRecord unprobedRecord(const QString &path)
{
    const QFileInfo info(path);
    VideoRecord record;
    record.path = info.absoluteFilePath();
    record.fileName = info.fileName();
    record.size = info.size();
    record.isAudio = isAudioFile(path);
    const QDateTime birth = info.fileTime(QFileDevice::FileBirthTime);
    record.created = birth.isValid() ? birth : info.lastModified();
    return record;
}

QList<VideoRecord> scanMediaFolder(const QString &folder, QStringList *registry, bool *registryChanged)
{
    QSet<QString> known;
    for (const QString &entry : *registry)
        known.insert(normalizedMediaPath(entry));

    QList<VideoRecord> records;
    // The folder alone: the registry only accepts what is found there. Remembered files of
    // another folder (an earlier save folder, a tool's output elsewhere) stay in the registry
    // for when that folder is the save folder again.
    const QFileInfoList entries = QDir(folder).entryInfoList(mediaNameFilters(), QDir::Files, QDir::Time);
    for (const QFileInfo &info : entries) {
        if (isIntermediateFile(info.fileName()))
            continue;
        const QString normalized = normalizedMediaPath(info.absoluteFilePath());
        if (!known.contains(normalized)) {
            if (!isRecordingName(info.completeBaseName()))
                continue;
            registry->append(info.absoluteFilePath());
            known.insert(normalized);
            *registryChanged = true;
        }
        records << unprobedRecord(info.absoluteFilePath());
    }
    return records;
}

double streamFrameRate(const QString &nominal, const QString &average)
{
    const auto rate = [](const QString &fraction) {
        const QStringList parts = fraction.split(QLatin1Char('/'));
        if (parts.size() != 2)
            return 0.0;
        const double denominator = parts.at(1).toDouble();
        return denominator != 0.0 ? parts.at(0).toDouble() / denominator : 0.0;
    };
    const double stream = rate(nominal);
    const double mean = rate(average);
    // A recording whose frames came late (or were dropped on a busy machine) averages below
    // its rate: 28.9, or 13, for a 30 fps recording. A stream of varying rate can name its
    // time base as its rate (90000): then the average stands.
    if (stream > 0.0 && stream <= 240.0)
        return stream;
    return mean;
}

namespace {

// A stream's own length in seconds: its "duration", or the Matroska "DURATION" tag
// ("00:00:08.023000000"); 0 when it names neither.
double streamLength(const QJsonObject &stream)
{
    bool ok = false;
    const double seconds = stream.value(QLatin1String("duration")).toString().toDouble(&ok);
    if (ok && seconds > 0)
        return seconds;
    const QStringList clock
        = stream.value(QLatin1String("tags")).toObject().value(QLatin1String("DURATION")).toString().split(QLatin1Char(':'));
    if (clock.size() != 3)
        return 0.0;
    const double tagged = clock.at(0).toInt() * 3600.0 + clock.at(1).toInt() * 60.0 + clock.at(2).toDouble();
    return tagged > 0 ? tagged : 0.0;
}

} // namespace

VideoRecord parseMediaMetadata(const VideoRecord &record, const QByteArray &json)
{
    VideoRecord r = record;
    r.resolution = QSize(-1, -1);
    r.fps = 0;
    r.duration = 0;
    r.isAudio = isAudioFile(r.path);
    r.audioCodec.clear();
    r.sampleRate = 0;
    r.channels = 0;
    r.bitrateKbps = 0;

    const QJsonObject root = QJsonDocument::fromJson(json).object();
    const QJsonObject format = root.value(QLatin1String("format")).toObject();
    bool lengthTold = false;
    double duration = format.value(QLatin1String("duration")).toString().toDouble(&lengthTold);
    r.bitrateKbps = roundedKbps(format.value(QLatin1String("bit_rate")).toString());

    bool sawVideo = false;
    bool sawAudio = false;
    double longestStream = 0.0;
    for (const QJsonValue &value : root.value(QLatin1String("streams")).toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(QLatin1String("codec_type")).toString();
        // Cover art of an mp3 or m4a comes as a one-picture video stream: not a video.
        if (stream.value(QLatin1String("disposition")).toObject().value(QLatin1String("attached_pic")).toInt() != 0)
            continue;
        longestStream = std::max(longestStream, streamLength(stream));
        if (type == QLatin1String("video") && !sawVideo) {
            sawVideo = true;
            r.resolution = QSize(stream.value(QLatin1String("width")).toInt(),
                                 stream.value(QLatin1String("height")).toInt());
            r.fps = qRound(streamFrameRate(stream.value(QLatin1String("r_frame_rate")).toString(),
                                           stream.value(QLatin1String("avg_frame_rate")).toString()));
        } else if (type == QLatin1String("audio") && !sawAudio) {
            sawAudio = true;
            r.audioCodec = stream.value(QLatin1String("codec_name")).toString().toUpper();
            bool ok = false;
            const int rate = stream.value(QLatin1String("sample_rate")).toString().toInt(&ok, 10);
            r.sampleRate = ok ? rate : 0;
            r.channels = stream.value(QLatin1String("channels")).toInt();
            const int kbps = roundedKbps(stream.value(QLatin1String("bit_rate")).toString());
            if (kbps >= 1)
                r.bitrateKbps = kbps;
        }
    }
    // A container header can claim far more than its streams hold (10 hours for 8 seconds):
    // what plays, and what the player reports, is the longest stream.
    if (longestStream > 0 && duration > longestStream + 1.0)
        duration = longestStream;
    // A container that names no length may have streams that do; with neither the length is
    // unknown, not 0.
    if (!lengthTold)
        duration = longestStream > 0 ? longestStream : -1.0;
    r.duration = duration < 0 ? -1 : qRound(duration);
    if (sawVideo)
        r.isAudio = false;
    else if (sawAudio)
        r.isAudio = true;
    return r;
}

bool hasProbedDetails(const VideoRecord &record)
{
    return record.duration > 0 || record.resolution.isValid() || !record.audioCodec.isEmpty();
}

VideoRecord readMetadata(const VideoRecord &record)
{
    const QString ffprobe = resolveToolPath(QStringLiteral("ffprobe"));
    // A failed query gives an empty answer, which leaves every probed field at its reset value.
    VideoRecord r = parseMediaMetadata(record, MediaProbe::libraryMetadataJson(record.path, 12000, ffprobe));
    // Streams but no length: a Matroska or FLAC file whose writer was killed before it wrote
    // its length and index. Its packets tell how long it plays (the player cannot: it reports
    // 0 for such a file). Reading them takes about as long as reading the file.
    if (r.duration < 0 && hasProbedDetails(r)) {
        const double span = MediaProbe::packetSpanSeconds(r.path, 20000, ffprobe);
        if (span >= 0)
            r.duration = qRound(span);
    }
    return r;
}
