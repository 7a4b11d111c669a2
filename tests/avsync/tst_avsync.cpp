// The sound-against-picture analysis (tests/support/AvSync) read on a file made with known
// figures: the end-to-end tests and bench/sync take their offsets, gaps and segments from it.

#include "../support/AvSync.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

class TestAvSync : public QObject
{
    Q_OBJECT

private slots:
    void syncAnalysisReadsAKnownFile_data();
    void syncAnalysisReadsAKnownFile();
};

// The measurement the end-to-end sync checks and bench/sync rely on, on a file made from the source: its sound late,
// five frames taken out of the first second and a second and a half cut out as a pause would.
void TestAvSync::syncAnalysisReadsAKnownFile_data()
{
    QTest::addColumn<int>("lateMs");
    QTest::newRow("40 ms") << 40;
    QTest::newRow("640 ms: nearer the next second's flash") << 640;
}

void TestAvSync::syncAnalysisReadsAKnownFile()
{
    QFETCH(int, lateMs);
    QTemporaryDir dir;
    QString error;
    const QString source = dir.filePath(QStringLiteral("source.mkv"));
    QVERIFY2(avsync::makeSource(source, 8, 60, &error), qPrintable(error));
    const QString file = dir.filePath(QStringLiteral("known.mp4"));
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), source,
                  QStringLiteral("-filter_complex"),
                  QStringLiteral("[0:v]fps=30,split[va][vb];[va]trim=0:4,select='not(between(n,30,34))'[v1];"
                                 "[vb]trim=5.5:8,setpts=PTS-STARTPTS[v2];[v1][v2]concat=n=2:v=1:a=0[v];"
                                 "[0:a]adelay=%1:all=1,asplit[aa][ab];[aa]atrim=0:4[a1];[ab]atrim=5.5:8,asetpts=PTS-STARTPTS[a2];"
                                 "[a1][a2]concat=n=2:v=0:a=1[a]")
                      .arg(lateMs),
                  QStringLiteral("-map"), QStringLiteral("[v]"), QStringLiteral("-map"), QStringLiteral("[a]"),
                  QStringLiteral("-fps_mode"), QStringLiteral("passthrough"), QStringLiteral("-c:v"),
                  QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("ultrafast"),
                  QStringLiteral("-c:a"), QStringLiteral("aac"), file});
    QVERIFY(ffmpeg.waitForFinished(120000) && ffmpeg.exitCode() == 0);

    const avsync::Layout layout{QSize(800, 240), QRect(0, 0, 800, 240), 60};
    const avsync::Analysis analysis = avsync::analyse(file, 30, layout);
    QVERIFY2(analysis.ok, qPrintable(analysis.error));
    QCOMPARE(analysis.segments.size(), 2);
    const avsync::Span first = analysis.segments.first();
    const avsync::Span second = analysis.segments.last();
    QVERIFY2(first.playerEnd < 4.0 && second.playerStart > 5.4, qPrintable(QString::number(second.playerStart)));
    // A grabbed player frame may have been on the screen for up to one source frame: the
    // measure takes half of one (8.3 ms at 60 fps) as shown before the grab.
    const double expectedMs = lateMs + 500.0 / 60;
    for (const avsync::Span &span : analysis.segments) {
        const avsync::SegmentStats s = avsync::stats(analysis, span.playerStart, span.playerEnd, 30);
        qInfo().noquote() << avsync::describe(s);
        QVERIFY2(s.beeps >= 2 && std::abs(s.offsetMs - expectedMs) <= 3 && s.repeated == 0, qPrintable(avsync::describe(s)));
        QVERIFY2(s.missing == (&span == &analysis.segments.first() ? 5 : 0), qPrintable(avsync::describe(s)));
    }
}

QTEST_GUILESS_MAIN(TestAvSync)
#include "tst_avsync.moc"
