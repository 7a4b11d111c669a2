// The end of a segment whose pause or stop the program took up late: the key's X time placed
// on the captures' clock, and the segment cut there with the real ffmpeg, or left whole.

#include "../support/TestMedia.h"

#include "platform/mac/InputEventTime.h"
#include "recording/SegmentCut.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr qint64 kMs = 1000 * 1000;

QByteArray digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class TestSegmentCut : public QObject
{
    Q_OBJECT

private slots:
    // The server's 32-bit milliseconds wrap; a stamp that is not of the last minute is no
    // instant of this clock.
    void serverTimeOnTheSteadyClock()
    {
        const qint64 now = (qint64(1) << 32) * kMs + 500 * kMs + 123; // just after a wrap
        QCOMPARE(InputEventTime::steadyNsOfServerTime(quint32(-1500), now), now - 123 - 2000 * kMs);
        QCOMPARE(InputEventTime::steadyNsOfServerTime(400, now), now - 123 - 100 * kMs);
        QCOMPARE(InputEventTime::steadyNsOfServerTime(900, now), now); // later than now
        QCOMPARE(InputEventTime::steadyNsOfServerTime(quint32(-70000), now), now);
    }

    void cutsPictureAndSound_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("mp4") << QStringLiteral("mp4");
        QTest::newRow("mkv") << QStringLiteral("mkv");
        // Recordings of sound alone.
        for (const char *audio : {"mp3", "m4a", "flac", "wav"})
            QTest::newRow(audio) << QString::fromLatin1(audio);
    }

    void cutsPictureAndSound()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString segment = dir.filePath(QStringLiteral("segment_001.") + kind);
        QVERIFY(TestMedia::makeSegment(segment, 4.0, QSize(320, 240), true, kind));
        QString error;
        QVERIFY2(SegmentCut::cut(segment, 1500, &error), qPrintable(error));
        const MediaInfo info = TestMedia::probe(segment);
        const bool video = kind == QLatin1String("mp4") || kind == QLatin1String("mkv");
        QVERIFY2(info.ok && info.hasVideo() == video && info.hasAudio(), qPrintable(info.error));
        QVERIFY2(info.durationMs >= 1450 && info.durationMs <= 1600, qPrintable(QString::number(info.durationMs)));
        QVERIFY(!QFileInfo::exists(SegmentCut::workPath(segment)));
    }

    // A copy that ffmpeg claims to have made but that does not play leaves the segment as it
    // was, and goes.
    void unreadableCopyKeepsTheSegment()
    {
        QTemporaryDir dir;
        const QString segment = dir.filePath(QStringLiteral("segment_001.mp4"));
        QVERIFY(TestMedia::makeSegment(segment, 2.0, QSize(320, 240), true, QStringLiteral("mp4")));
        const QByteArray before = digest(segment);
        QFile tool(dir.filePath(QStringLiteral("ffmpeg")));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\nfor a; do last=$a; done\necho junk > \"$last\"\n");
        tool.close();
        tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner);
        QString error;
        QVERIFY(!SegmentCut::cut(segment, 1000, &error, tool.fileName()));
        QVERIFY(!error.isEmpty());
        QCOMPARE(digest(segment), before);
        QVERIFY(!QFileInfo::exists(SegmentCut::workPath(segment)));
    }
};

QTEST_GUILESS_MAIN(TestSegmentCut)
#include "tst_segmentcut.moc"
