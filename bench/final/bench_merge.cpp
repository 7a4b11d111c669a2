// Joining segments: the engine's stream-copy merge of ten 30-second 1080p30 segments against
// the same "ffmpeg -f concat -c copy" run by hand, and the concat-filter re-encode per minute
// of 1080p30 video. Prints the figures; asserts nothing.
//
//   bench_merge [work folder]   (default: a temporary folder, removed afterwards)
#include "recording/SegmentMerger.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>

namespace {

QTextStream out(stdout);

bool run(const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("ffmpeg"), args);
    if (!p.waitForFinished(-1) || p.exitCode() != 0) {
        out << "ffmpeg failed: " << QString::fromLocal8Bit(p.readAll()).right(600) << "\n";
        return false;
    }
    return true;
}

qint64 engineMerge(const QStringList &segments, const QString &list, const QString &target, bool reencode)
{
    SegmentMerger merger;
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&merger, &SegmentMerger::finished, &loop, [&](bool good, const QString &detail) {
        ok = good;
        if (!good)
            out << "merge failed: " << detail.right(600) << "\n";
        loop.quit();
    });
    QElapsedTimer t;
    t.start();
    merger.start(segments, list, target, reencode, MergeSettings());
    loop.exec();
    return ok ? t.elapsed() : -1;
}

qint64 median(QList<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : tmp.path();
    QDir().mkpath(dir);

    // One 30 s 1080p30 segment like the recorder writes (fragmented MP4, H.264 + AAC), used ten times.
    const QString first = QDir(dir).filePath(QStringLiteral("segment_0001.mp4"));
    if (!QFile::exists(first)) {
        out << "making a 30 s 1080p30 segment...\n" << Qt::flush;
        if (!run({"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=30",
                  "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000", "-t", "30", "-c:v", "libx264",
                  "-preset", "ultrafast", "-b:v", "8000k", "-pix_fmt", "yuv420p", "-g", "60", "-c:a", "aac",
                  "-ac", "2", "-movflags", "+frag_keyframe+empty_moov+default_base_moof", first}))
            return 1;
    }
    QStringList segments{first};
    for (int i = 2; i <= 10; ++i) {
        const QString seg = QDir(dir).filePath(QStringLiteral("segment_%1.mp4").arg(i, 4, 10, QLatin1Char('0')));
        if (!QFile::exists(seg))
            QFile::copy(first, seg);
        segments << seg;
    }
    const QString list = QDir(dir).filePath(QStringLiteral("concat.txt"));
    const QString handList = QDir(dir).filePath(QStringLiteral("hand.txt"));
    {
        QFile f(handList);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        for (const QString &s : segments)
            f.write(QStringLiteral("file '%1'\n").arg(s).toUtf8());
    }
    const QString target = QDir(dir).filePath(QStringLiteral("merged.mp4"));

    // Alternate the two so that the disk cache treats both alike; one warm-up each.
    QList<qint64> hand, engine;
    for (int round = 0; round < 6; ++round) {
        QElapsedTimer t;
        t.start();
        if (!run({"-hide_banner", "-y", "-f", "concat", "-safe", "0", "-i", handList, "-c", "copy", "-movflags",
                  "+faststart", target}))
            return 1;
        const qint64 h = t.elapsed();
        const qint64 e = engineMerge(segments, list, target, false);
        if (e < 0)
            return 1;
        if (round > 0) {
            hand << h;
            engine << e;
        }
    }
    const qint64 hm = median(hand), em = median(engine);
    out << "stream copy of 10 x 30 s 1080p30 (" << QFileInfo(target).size() / 1048576 << " MiB):\n"
        << "  ffmpeg by hand, median of " << hand.size() << ": " << hm << " ms\n"
        << "  engine merge,   median of " << engine.size() << ": " << em << " ms\n"
        << "  ratio engine / hand: " << QString::number(double(em) / double(hm), 'f', 3) << " (target <= 1.05)\n"
        << Qt::flush;

    // Re-encode through the concat filter: two segments, one minute of 1080p30.
    const qint64 r = engineMerge(segments.mid(0, 2), list, QDir(dir).filePath(QStringLiteral("reencoded.mp4")), true);
    if (r < 0)
        return 1;
    out << "concat-filter re-encode (libx264 veryfast) of 60 s 1080p30: " << r << " ms"
        << " = " << QString::number(double(r) / 1000.0, 'f', 1) << " s per minute of video, on "
        << QThread::idealThreadCount() << " threads\n";
    return 0;
}
