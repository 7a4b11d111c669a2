#pragma once

#include "library/VideoRecord.h"

#include <QString>
#include <QStringList>

// The ffmpeg command lines and texts of the media library's one-shot tools (conversion, audio
// extraction, speed, volume, rename, file information), built without running anything.
namespace LibraryTools {

// The audio codec arguments for an output suffix (lower case): FLAC and WAV lossless, M4A as
// AAC and anything else as MP3, the last two at the given bit rate ("192k").
QStringList audioCodecArgs(const QString &suffix, const QString &bitrate);

// Writes the sound track of `source` into `target`, whose suffix picks the codec.
QStringList extractAudioArguments(const QString &source, const QString &target, const QString &bitrate);

// Converts `source` into `target` (the suffix picks the container). An audio source takes the
// bit rate; a video source the x264 quality (crf) unless the target is a GIF.
QStringList convertArguments(const QString &source, bool audioSource, const QString &target,
                             const QString &bitrate, const QString &crf);

// The speed items' factor as written in names and lists: "0.5", "1.5", "2".
QString speedText(double speed);
QStringList speedArguments(const QString &source, double speed, const QString &target);

// percent: 0..200 (0 mutes).
QStringList volumeArguments(const QString &source, bool audioSource, int percent, const QString &target);

// True when a new file name (before trimming) is empty or holds one of \ / : * ? " < > |.
bool isInvalidFileName(const QString &name);

// The first of those characters in the name, trimmed; a null character when it has none.
QChar forbiddenFileNameCharacter(const QString &name);

// The information text of a record, as shown and copied by the file information tool.
QString fileInformationText(const VideoRecord &record);

} // namespace LibraryTools
