#pragma once

#include "library/VideoRecord.h"
#include "recording/MediaProbe.h" // resolveToolPath

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Which files the media library lists, the registry of recorded files (the setting
// media/recordedFiles) and the metadata of one file.

// True for the audio suffixes mp3, m4a, wav and flac (any letter case).
bool isAudioFile(const QString &path);

// QDir::cleanPath of the absolute path: two paths name the same registry entry when these agree.
QString normalizedMediaPath(const QString &path);

// The scan's name filters: "*.mp4", "*.mkv", "*.mov", "*.avi", "*.mp3", "*.m4a", "*.wav", "*.flac".
QStringList mediaNameFilters();

// A complete base name that this program gives its recordings (Vistrelle_..., Recording_NNNN...,
// yyyy-MM-dd_HHmmss_zzz...).
bool isRecordingName(const QString &completeBaseName);

// The names of a finalisation's intermediate files and of saves still being written, never listed.
bool isIntermediateFile(const QString &fileName);

QStringList recordedFiles();
void setRecordedFiles(const QStringList &paths);
void rememberRecordedFile(const QString &path);
void forgetRecordedFile(const QString &path);

// The files of a folder that the library lists, newest first, as unprobed records. Files
// named like recordings that are not yet in the registry are appended to *registry and
// *registryChanged is set.
QList<VideoRecord> scanMediaFolder(const QString &folder, QStringList *registry, bool *registryChanged);

// A record as the scan makes it, before probing.
VideoRecord unprobedRecord(const QString &path);

// A video stream's frame rate from ffprobe's "r_frame_rate" and "avg_frame_rate"
// ("30/1", "30000/1001"): the stream's own rate, or its average where the stream names no
// frame rate (none, or its time base); 0 when neither is known.
double streamFrameRate(const QString &nominal, const QString &average);

// ffprobe's JSON answer merged into a copy of the record (the file facts are kept). A file
// whose length neither the container nor a stream names gets the duration -1.
VideoRecord parseMediaMetadata(const VideoRecord &record, const QByteArray &json);

// ffprobe told something of the file: a length, a picture size or a sound codec. False for a
// record not probed yet, and for a file ffprobe could not read.
bool hasProbedDetails(const VideoRecord &record);

// Runs the metadata query and returns the filled record; on any failure the record keeps
// its unprobed values. A file whose streams are read but whose length is not gets it from
// its packets.
VideoRecord readMetadata(const VideoRecord &record);
