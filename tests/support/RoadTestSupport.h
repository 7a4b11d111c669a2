#pragma once

// Shared set-up of the recording tests: a private save folder and settings, the
// fake encoder on the search path when asked, webcam-like frames, and ffprobe.

#include "recording/Recorder.h"

#include <QDir>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace road {

inline QString fakeEncoderDir()
{
    return QStringLiteral(VISTRELLE_SOURCE_DIR "/tests/road/fake-ffmpeg");
}

// Puts the fake encoder first on the search path for every later launch.
inline void useFakeEncoder(const QByteArray& mode, int delaySeconds = 1)
{
    static const QByteArray originalPath = qgetenv("PATH");
    qputenv("PATH", fakeEncoderDir().toLocal8Bit() + ':' + originalPath);
    qputenv("FAKE_FFMPEG_MODE", mode);
    qputenv("FAKE_FFMPEG_DELAY", QByteArray::number(delaySeconds));
}

// Settings in a private folder, recordings into `saveFolder`.
inline void useSaveFolder(const QString& saveFolder, bool diskWarning = false)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings settings;
    settings.clear();
    settings.setValue(QStringLiteral("save/directory"), saveFolder);
    settings.setValue(QStringLiteral("save/diskWarning"), diskWarning);
}

// Webcam-like frames whose picture changes with every call.
class FrameFeed
{
public:
    explicit FrameFeed(QSize size = QSize(320, 240)) : m_size(size) {}
    void setSize(QSize size) { m_size = size; }
    QImage next()
    {
        QImage image(m_size, QImage::Format_ARGB32);
        image.fill(QColor::fromHsv((m_count * 7) % 360, 200, 200));
        QPainter painter(&image);
        painter.fillRect(QRect((m_count * 4) % m_size.width(), 0, 16, m_size.height()), Qt::black);
        ++m_count;
        return image;
    }

private:
    QSize m_size;
    int m_count = 0;
};

struct MediaInfo {
    bool ok = false;
    double duration = 0.0;
    QString videoCodec;
    QSize videoSize;
    QString audioCodec;
    int audioStreams = 0;
};

inline MediaInfo probe(const QString& path)
{
    MediaInfo info;
    QProcess process;
    process.start(QStringLiteral("/usr/bin/ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-print_format"), QStringLiteral("json"),
                   QStringLiteral("-show_format"), QStringLiteral("-show_streams"), path});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return info;
    const QJsonObject root = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    info.duration = root.value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
    for (const auto& value : root.value(QStringLiteral("streams")).toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(QStringLiteral("codec_type")).toString();
        if (type == QLatin1String("video") && info.videoCodec.isEmpty()) {
            info.videoCodec = stream.value(QStringLiteral("codec_name")).toString();
            info.videoSize = QSize(stream.value(QStringLiteral("width")).toInt(), stream.value(QStringLiteral("height")).toInt());
        } else if (type == QLatin1String("audio")) {
            ++info.audioStreams;
            info.audioCodec = stream.value(QStringLiteral("codec_name")).toString();
        }
    }
    info.ok = true;
    return info;
}

// The Recorder's signals that the tests follow, and a clock of the time actually
// recorded: a loaded machine stretches every wait, so durations are compared with
// what the test lived through, not with the nominal wait.
struct Spies {
    explicit Spies(Recorder* r)
        : started(r, &Recorder::started)
        , stopped(r, &Recorder::stopped)
        , paused(r, &Recorder::paused)
        , resumed(r, &Recorder::resumed)
        , errors(r, &Recorder::errorOccurred)
        , warnings(r, &Recorder::recordingPerformanceWarning)
    {
        QObject::connect(r, &Recorder::started, &m_guard, [this] { m_runningSince.start(); });
        QObject::connect(r, &Recorder::resumed, &m_guard, [this] { m_runningSince.start(); });
        QObject::connect(r, &Recorder::segmentLaunching, &m_guard, [this] { m_launchedSince.start(); });
    }
    QSignalSpy started, stopped, paused, resumed, errors, warnings;

    QString lastError() const { return errors.isEmpty() ? QString() : errors.last().first().toString(); }

    // Call right before stop() or pause(): ends the stretch recorded since `started`
    // (or `resumed`).
    void markEnd()
    {
        if (m_runningSince.isValid())
            m_recordedMs += m_runningSince.elapsed();
        m_runningSince.invalidate();
        if (m_launchedSince.isValid())
            m_launchedMs += m_launchedSince.elapsed();
        m_launchedSince.invalidate();
    }
    // Seconds between each `started`/`resumed` and the following markEnd(), summed.
    double recordedSeconds() const { return m_recordedMs / 1000.0; }
    // The same from each launch of a segment (start, resume), where its picture begins: its
    // first media is reported later, over a second later on a busy machine.
    double launchedSeconds() const { return m_launchedMs / 1000.0; }

private:
    QObject m_guard; // drops the clock's connections when the spies go before the recorder
    QElapsedTimer m_runningSince;
    qint64 m_recordedMs = 0;
    QElapsedTimer m_launchedSince;
    qint64 m_launchedMs = 0;
};

// Whether a file lasts from the segments' launches to their ends: no less than from their
// first media, no more than from their launches, within `tolerance` seconds either way (its
// picture and sound begin at the launch; the first media is reported later, over half a
// second later on a busy machine). The figures go to the log, so that a near miss shows in a
// passing run too.
inline bool lastsBetween(double fileSeconds, double recordedSeconds, double launchedSeconds, double tolerance = 0.5)
{
    qInfo("duration %.3f s in the file, %.3f s from the first media, %.3f s from the launches", fileSeconds,
          recordedSeconds, launchedSeconds);
    return recordedSeconds > 0.0 && fileSeconds >= recordedSeconds - tolerance
        && fileSeconds <= launchedSeconds + tolerance;
}

inline bool lastsAsLaunched(double fileSeconds, const Spies &spies, double tolerance = 0.5)
{
    return lastsBetween(fileSeconds, spies.recordedSeconds(), spies.launchedSeconds(), tolerance);
}

inline QByteArray durationText(double fileSeconds, double recordedSeconds)
{
    return QByteArray::number(fileSeconds, 'f', 3) + " s in the file, " + QByteArray::number(recordedSeconds, 'f', 3)
        + " s recorded";
}

// Every file below `folder`, recursively, as paths relative to it.
inline QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (info.isDir()) {
            for (const QString& inner : filesBelow(info.filePath()))
                files << info.fileName() + QLatin1Char('/') + inner;
            files << info.fileName() + QLatin1Char('/');
        } else {
            files << info.fileName();
        }
    }
    return files;
}

} // namespace road
