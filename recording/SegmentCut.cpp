#include "recording/SegmentCut.h"

#include "recording/BoundedOutput.h"
#include "recording/ChildRun.h"
#include "recording/MediaProbe.h"
#include "recording/ToolLookup.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

QStringList SegmentCut::arguments(const QString &source, const QString &target, qint64 endMs)
{
    const QString suffix = QFileInfo(target).suffix().toLower();
    // A copied FLAC stream keeps the length its header gives (the whole segment's): FLAC is
    // encoded again, which loses nothing.
    const QString codec = suffix == QLatin1String("flac") ? QStringLiteral("flac") : QStringLiteral("copy");
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"), QStringLiteral("-v"),
                     QStringLiteral("error"),        QStringLiteral("-i"),       source,
                     QStringLiteral("-map"),         QStringLiteral("0"),        QStringLiteral("-c"),
                     codec,                          QStringLiteral("-t"),
                     QString::number(double(endMs) / 1000.0, 'f', 3)};
    if (suffix == QLatin1String("mp4")) {
        args << QStringLiteral("-movflags") << QStringLiteral("+frag_keyframe+empty_moov+default_base_moof")
             << QStringLiteral("-frag_duration") << QStringLiteral("250000");
    }
    args << QStringLiteral("-y") << target;
    return args;
}

QString SegmentCut::workPath(const QString &segment)
{
    const QFileInfo info(segment);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".cutting.") + info.suffix());
}

bool SegmentCut::cut(const QString &segment, qint64 endMs, QString *error, const QString &ffmpeg)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const MediaInfo before = MediaProbe::probe(segment);
    if (!before.ok)
        return fail(before.error);
    if (before.durationMs <= endMs)
        return true; // nothing recorded after the cut
    const QString work = workPath(segment);
    BoundedOutput err;
    ChildRun process(QProcess::SeparateChannels, nullptr, &err);
    process.setKillWait(5000);
    const QDeadlineTimer deadline(kTimeoutMs);
    if (!process.start(ffmpeg.isEmpty() ? ToolLookup::ffmpeg() : ffmpeg, arguments(segment, work, endMs),
                       QIODevice::ReadOnly, deadline))
        return fail(process.errorString());
    if (!process.waitForEnd(deadline)) {
        process.stop();
        QFile::remove(work);
        return fail(QStringLiteral("ffmpeg did not end within %1 ms").arg(kTimeoutMs));
    }
    if (!process.exitedCleanly()) {
        QFile::remove(work);
        return fail(QString::fromLocal8Bit(err.tail()).trimmed().right(400));
    }
    const MediaInfo after = MediaProbe::probe(work);
    if (!after.ok || after.streams.size() != before.streams.size() || after.durationMs <= 0
        || after.durationMs >= before.durationMs) {
        QFile::remove(work);
        return fail(after.ok ? QStringLiteral("the copy lasts %1 ms of %2").arg(after.durationMs).arg(before.durationMs)
                             : after.error);
    }
    // One step: the segment is either the whole one or the cut one, never missing.
    if (std::rename(QFile::encodeName(work).constData(), QFile::encodeName(segment).constData()) != 0) {
        QFile::remove(work);
        return fail(QStringLiteral("the cut copy could not replace the segment"));
    }
    return true;
}
