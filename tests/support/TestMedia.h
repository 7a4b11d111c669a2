#pragma once
// Small media files made with the real ffmpeg, and measurements of results with ffprobe/ffmpeg.

#include "recording/MediaProbe.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>

namespace TestMedia {

// A folder name with every character that has tripped path quoting somewhere.
inline QString awkwardName()
{
    return QStringLiteral("it's: \"q\" é 中文 [x],;");
}

inline bool runFfmpeg(const QStringList &args, QString *output = nullptr, int timeoutMs = 120000)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("ffmpeg"), args);
    const bool ok = p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return ok;
}

// A segment like the recorder writes: moving test picture, optional tone.
// kind: "mp4" (fragmented), "mkv", or an audio format ("mp3", "wav", "flac", "m4a").
inline bool makeSegment(const QString &path, double seconds, QSize size, bool audio, const QString &kind,
                        int toneHz = 1000, QString *output = nullptr)
{
    const bool audioOnly = kind != QLatin1String("mp4") && kind != QLatin1String("mkv");
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                     QStringLiteral("-y")};
    if (!audioOnly)
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("testsrc2=size=%1x%2:rate=30").arg(size.width()).arg(size.height());
    if (audio || audioOnly)
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("sine=frequency=%1:sample_rate=48000").arg(toneHz);
    args << QStringLiteral("-t") << QString::number(seconds);
    if (!audioOnly)
        args << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset")
             << QStringLiteral("ultrafast") << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p")
             << QStringLiteral("-g") << QStringLiteral("30");
    if (kind == QLatin1String("mp4") || kind == QLatin1String("mkv")) {
        if (audio)
            args << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-ac") << QStringLiteral("2");
        if (kind == QLatin1String("mp4"))
            args << QStringLiteral("-movflags") << QStringLiteral("+frag_keyframe+empty_moov+default_base_moof");
    } else if (kind == QLatin1String("mp3")) {
        args << QStringLiteral("-c:a") << QStringLiteral("libmp3lame") << QStringLiteral("-b:a") << QStringLiteral("192k");
    } else if (kind == QLatin1String("wav")) {
        args << QStringLiteral("-c:a") << QStringLiteral("pcm_s16le");
    } else if (kind == QLatin1String("flac")) {
        args << QStringLiteral("-c:a") << QStringLiteral("flac");
    } else if (kind == QLatin1String("m4a")) {
        args << QStringLiteral("-c:a") << QStringLiteral("aac");
    }
    args << path;
    return runFfmpeg(args, output);
}

inline MediaInfo probe(const QString &path)
{
    return MediaProbe::probe(path);
}

inline double durationSeconds(const QString &path)
{
    return double(probe(path).durationMs) / 1000.0;
}

// Mean volume in dB of a stretch of the file's audio (-91 is digital silence).
inline double meanVolume(const QString &path, double from, double length)
{
    QString out;
    runFfmpeg({QStringLiteral("-hide_banner"), QStringLiteral("-nostats"), QStringLiteral("-ss"),
               QString::number(from), QStringLiteral("-t"), QString::number(length), QStringLiteral("-i"), path,
               QStringLiteral("-vn"), QStringLiteral("-af"), QStringLiteral("volumedetect"), QStringLiteral("-f"),
               QStringLiteral("null"), QStringLiteral("-")},
              &out);
    const auto m = QRegularExpression(QStringLiteral("mean_volume: (-?[0-9.]+) dB")).match(out);
    return m.hasMatch() ? m.captured(1).toDouble() : -1000.0;
}

// One decoded frame at a time position, as packed RGB24 bytes.
inline QByteArray frameRgb(const QString &path, double at)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"),
            {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
             QStringLiteral("-ss"), QString::number(at), QStringLiteral("-i"), path, QStringLiteral("-frames:v"),
             QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"),
             QStringLiteral("rgb24"), QStringLiteral("-")});
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

// Mean absolute difference of two RGB24 frames of the given width inside a rectangle.
inline double regionDifference(const QByteArray &a, const QByteArray &b, int width, int x0, int y0, int w, int h)
{
    if (a.size() != b.size() || a.isEmpty())
        return -1;
    double sum = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            for (int c = 0; c < 3; ++c) {
                const qsizetype i = (qsizetype(y) * width + x) * 3 + c;
                sum += std::abs(int(uchar(a[i])) - int(uchar(b[i])));
            }
    return sum / (w * h * 3);
}

// Average colour of a rectangle of a packed RGB24 frame.
inline QColor averageColor(const QByteArray &rgb, int width, int x0, int y0, int w, int h)
{
    qint64 sum[3] = {0, 0, 0};
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            for (int c = 0; c < 3; ++c)
                sum[c] += uchar(rgb[(qsizetype(y) * width + x) * 3 + c]);
    const int n = w * h;
    return QColor(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n));
}

} // namespace TestMedia
