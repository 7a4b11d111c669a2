#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QSize>
#include <QString>

// One file of the media library. The scan fills the file facts; the metadata job fills
// the rest from ffprobe.
struct VideoRecord
{
    QString path;                // absolute
    QString fileName;            // with suffix
    qint64 size = 0;             // bytes
    int duration = 0;            // whole seconds, rounded half away from zero; -1 when probed and unknown
    QSize resolution{-1, -1};    // first video stream; -1 x -1 for audio or when not probed
    int fps = 0;                 // first video stream, rounded
    bool isAudio = false;        // no video stream
    QString audioCodec;          // first audio stream, upper case
    int sampleRate = 0;          // Hz
    int channels = 0;
    int bitrateKbps = 0;
    QDateTime created;           // birth time, else modification time
};

Q_DECLARE_METATYPE(VideoRecord)
