// Encoder probing: which test encodes run, what is cached and what is not, the
// resolution of "auto", the option check, and the real ffmpeg of this machine.
#include "../support/FakeTool.h"
#include "recording/EncoderProbe.h"
#include "recording/Recorder.h"

#include <QtConcurrent>
#include <QtTest>

namespace {

// A stand-in for ffmpeg: logs every call, passes the encoders listed in the file
// "working", sleeps for encoders whose name contains "slow", and lists
// -shortest_buf_duration in its help when the file "has-buffer-option" exists, and
// fails to give its help when "help-fails" exists.
const char *kFakeFfmpeg = R"(here=$(dirname "$0")
echo "$*" >> "$here/calls.log"
case "$*" in
  *"-h full"*)
    [ -f "$here/slow-help" ] && sleep 1
    [ -f "$here/help-fails" ] && exit 1
    [ -f "$here/has-buffer-option" ] && echo "-shortest_buf_duration <float> set the maximum buffering"
    echo "-shortest            finish encoding within shortest input"
    exit 0;;
esac
enc=""
prev=""
for a in "$@"; do
  [ "$prev" = "-c:v" ] && enc="$a"
  prev="$a"
done
case "$enc" in
  *slow*) sleep 3; exit 0;;
esac
grep -qx -- "$enc" "$here/working" 2>/dev/null && exit 0
echo "Unknown encoder '$enc'"
exit 1
)";

} // namespace

class TestEncoderProbe : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString program;

    QStringList calls() const
    {
        QFile log(dir.filePath(QStringLiteral("calls.log")));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    void setWorking(const QStringList &encoders)
    {
        QFile f(dir.filePath(QStringLiteral("working")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(encoders.join(QLatin1Char('\n')).toUtf8() + '\n');
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        program = dir.filePath(QStringLiteral("ffmpeg"));
        QVERIFY(writeScript(program, kFakeFfmpeg));
    }

    void init()
    {
        QFile::remove(dir.filePath(QStringLiteral("calls.log")));
        QFile::remove(dir.filePath(QStringLiteral("has-buffer-option")));
        QFile::remove(dir.filePath(QStringLiteral("slow-help")));
        setWorking({});
    }

    void softwareEncoderNeedsNoProcess()
    {
        EncoderProbe probe([this] { return program; });
        QVERIFY(probe.works(QStringLiteral("libx264")));
        QVERIFY(probe.worksAtSize(QStringLiteral("libx264"), QSize(7680, 4320), 120));
        QCOMPARE(probe.resolve(QStringLiteral("libx264")), QStringLiteral("libx264"));
        QCOMPARE(probe.processesStarted(), 0);
        QVERIFY(calls().isEmpty());
    }

    void answersAreCached()
    {
        setWorking({QStringLiteral("h264_good")});
        EncoderProbe probe([this] { return program; });
        QVERIFY(probe.works(QStringLiteral("h264_good")));
        QVERIFY(probe.works(QStringLiteral("h264_good")));
        QVERIFY(!probe.works(QStringLiteral("h264_bad")));
        QVERIFY(!probe.works(QStringLiteral("h264_bad")));
        QCOMPARE(probe.processesStarted(), 2);
        const QStringList log = calls();
        QCOMPARE(log.size(), 2);
        QCOMPARE(log.first(), QStringLiteral("-hide_banner -loglevel error -f lavfi -i color=c=black:s=1280x720:r=30 "
                                             "-frames:v 1 -c:v h264_good -f null -"));
    }

    void mediaFoundationGetsItsOptions()
    {
        EncoderProbe probe([this] { return program; });
        QVERIFY(!probe.works(QStringLiteral("h264_mf")));
        QVERIFY(!probe.worksAtSize(QStringLiteral("h264_mf"), QSize(3840, 2160), 30));
        QCOMPARE(calls(), QStringList{QStringLiteral("-hide_banner -loglevel error -f lavfi -i color=c=black:s=1280x720:r=30 "
                                                     "-frames:v 1 -c:v h264_mf -hw_encoding 1 -pix_fmt nv12 -b:v 4000k "
                                                     "-f null -")});
    }

    void unansweredQuestionsAreAskedAgain()
    {
        // A probe that times out is killed and asked again next time.
        EncoderProbe slow([this] { return program; }, 300, 5000);
        QVERIFY(!slow.works(QStringLiteral("h264_slow")));
        QVERIFY(!slow.works(QStringLiteral("h264_slow")));
        QCOMPARE(slow.processesStarted(), 2);

        // One limit for the whole question: finding the program, starting it and
        // waiting for it. A lookup that uses most of the limit leaves the rest to
        // the process, not a fresh limit.
        EncoderProbe late([this] {
            QThread::msleep(1000);
            return program;
        }, 1200, 5000);
        QElapsedTimer asked;
        asked.start();
        QVERIFY(!late.works(QStringLiteral("h264_slow")));
        QVERIFY2(asked.elapsed() < 2000, qPrintable(QString::number(asked.elapsed())));
        QCOMPARE(late.processesStarted(), 1);

        // Without ffmpeg nothing can be said; once it is there, the answer is real.
        QString path = dir.filePath(QStringLiteral("missing/ffmpeg"));
        setWorking({QStringLiteral("h264_good")});
        EncoderProbe probe([&path] { return path; });
        QVERIFY(!probe.works(QStringLiteral("h264_good")));
        QVERIFY(!probe.worksAtSize(QStringLiteral("h264_good"), QSize(3840, 2160), 30));
        QVERIFY(!probe.supportsShortestBufDuration());
        QCOMPARE(probe.processesStarted(), 0);
        path = program;
        QVERIFY(probe.works(QStringLiteral("h264_good")));
        QVERIFY(probe.worksAtSize(QStringLiteral("h264_good"), QSize(3840, 2160), 30));
        QFile(dir.filePath(QStringLiteral("has-buffer-option"))).open(QIODevice::WriteOnly);
        QVERIFY(probe.supportsShortestBufDuration());
    }

    void sizeTests()
    {
        setWorking({QStringLiteral("h264_good")});
        EncoderProbe probe([this] { return program; });

        // Up to 1920x1080 only the plain test runs.
        QVERIFY(probe.worksAtSize(QStringLiteral("h264_good"), QSize(1920, 1080), 240));
        QCOMPARE(calls().size(), 1);
        QVERIFY(calls().first().contains(QLatin1String("s=1280x720:r=30")));

        // Above it the real size is tried, with the frame rate limited to 60, once.
        QVERIFY(probe.worksAtSize(QStringLiteral("h264_good"), QSize(1921, 1080), 240));
        QVERIFY(probe.worksAtSize(QStringLiteral("h264_good"), QSize(1921, 1080), 240));
        QCOMPARE(calls().size(), 2);
        QCOMPARE(calls().last(), QStringLiteral("-hide_banner -loglevel error -f lavfi -i color=c=black:s=1921x1080:r=60 "
                                                "-frames:v 2 -c:v h264_good -f null -"));
        // Another frame rate is another question.
        QVERIFY(probe.worksAtSize(QStringLiteral("h264_good"), QSize(1921, 1080), 30));
        QCOMPARE(calls().size(), 3);

        // A failing plain test settles the size question without a size test.
        QVERIFY(!probe.worksAtSize(QStringLiteral("h264_bad"), QSize(3840, 2160), 60));
        QVERIFY(!probe.worksAtSize(QStringLiteral("h264_bad"), QSize(3840, 2160), 60));
        QCOMPARE(calls().size(), 4);
        QVERIFY(calls().last().contains(QLatin1String("s=1280x720")));

        // Negative sizes mean "unknown": the plain answer.
        QVERIFY(probe.worksAtSize(QStringLiteral("h264_good"), QSize(-1, 5000), 30));
        QCOMPARE(calls().size(), 4);
    }

    void resolution()
    {
        setWorking({QStringLiteral("h264_qsv"), QStringLiteral("h264_amf")});
        EncoderProbe probe([this] { return program; });
        QCOMPARE(probe.availableHardwareEncoder(), QStringLiteral("h264_qsv"));
        QStringList tried;
        for (const QString &line : calls())
            tried << line.section(QStringLiteral("-c:v "), 1).section(QLatin1Char(' '), 0, 0);
        QCOMPARE(tried, (QStringList{QStringLiteral("h264_videotoolbox"), QStringLiteral("h264_nvenc"),
                                     QStringLiteral("h264_qsv")}));
        QCOMPARE(probe.resolve(QStringLiteral("auto")), QStringLiteral("h264_qsv"));
        QCOMPARE(probe.resolve(QStringLiteral("  ")), QStringLiteral("h264_qsv"));
        QCOMPARE(probe.resolve(QStringLiteral(" h264_amf ")), QStringLiteral("h264_amf"));
        // "Auto" is a name like any other; it does not work, so the software encoder.
        QCOMPARE(probe.resolve(QStringLiteral("Auto")), QStringLiteral("libx264"));
        QVERIFY(calls().last().contains(QLatin1String("-c:v Auto ")));

        setWorking({});
        EncoderProbe none([this] { return program; });
        QCOMPARE(none.availableHardwareEncoder(), QString());
        QCOMPARE(none.resolve(QStringLiteral("auto")), QStringLiteral("libx264"));
        QCOMPARE(none.processesStarted(), EncoderProbe::hardwareCandidates().size());
    }

    void bufferOptionIsAskedOnce()
    {
        EncoderProbe without([this] { return program; });
        QVERIFY(!without.supportsShortestBufDuration());
        QVERIFY(!without.supportsShortestBufDuration());
        QCOMPARE(without.processesStarted(), 1);

        // An ffmpeg that cannot list its options is not asked again for every segment.
        QFile(dir.filePath(QStringLiteral("help-fails"))).open(QIODevice::WriteOnly);
        EncoderProbe failing([this] { return program; });
        QVERIFY(!failing.supportsShortestBufDuration());
        QVERIFY(!failing.supportsShortestBufDuration());
        QCOMPARE(failing.processesStarted(), 1);
        QFile::remove(dir.filePath(QStringLiteral("help-fails")));

        QFile(dir.filePath(QStringLiteral("has-buffer-option"))).open(QIODevice::WriteOnly);
        EncoderProbe with([this] { return program; });
        QVERIFY(with.supportsShortestBufDuration());
        QVERIFY(with.supportsShortestBufDuration());
        QCOMPARE(with.processesStarted(), 1);

        // Asked from the pool at start-up and from the GUI thread for the first
        // segment at the same time: one process, one answer for both.
        QFile(dir.filePath(QStringLiteral("slow-help"))).open(QIODevice::WriteOnly);
        EncoderProbe racing([this] { return program; });
        QFuture<bool> early = QtConcurrent::run([&racing] { return racing.supportsShortestBufDuration(); });
        QTRY_COMPARE(racing.processesStarted(), 1);
        QVERIFY(racing.supportsShortestBufDuration());
        QVERIFY(early.result());
        QCOMPARE(racing.processesStarted(), 1);
    }

    void usableFromSeveralThreads()
    {
        setWorking({QStringLiteral("h264_good")});
        EncoderProbe probe([this] { return program; }, 6000, 5000);

        // A slow probe on a pool thread does not hold up cached answers.
        QVERIFY(probe.works(QStringLiteral("h264_good")));
        QFuture<bool> slow = QtConcurrent::run([&probe] { return probe.works(QStringLiteral("h264_slow_one")); });
        QTRY_VERIFY(calls().size() == 2);
        QVERIFY(probe.works(QStringLiteral("h264_good")));
        QVERIFY(!slow.isFinished());
        slow.waitForFinished();
        QVERIFY(slow.result());

        // Many threads asking at once get consistent answers.
        QList<QFuture<bool>> futures;
        for (int i = 0; i < 16; ++i) {
            futures << QtConcurrent::run([&probe, i] {
                const QString name = i % 2 ? QStringLiteral("h264_good") : QStringLiteral("h264_other");
                return probe.worksAtSize(name, QSize(2560, 1440), 30) == (i % 2 == 1);
            });
        }
        for (QFuture<bool> &f : futures)
            QVERIFY(f.result());
    }

    // This machine's ffmpeg: no hardware encoder works, so "auto" is libx264, and
    // FFmpeg 5.1 has no -shortest_buf_duration.
    void realEncoder()
    {
        const int before = EncoderProbe::shared().processesStarted();
        QVERIFY(Recorder::encoderWorks(QStringLiteral("libx264")));
        QCOMPARE(EncoderProbe::shared().processesStarted(), before);

        QCOMPARE(Recorder::availableHardwareEncoder(), QString());
        Recorder recorder;
        recorder.setEncoder(QStringLiteral("auto"));
        QCOMPARE(recorder.resolvedEncoder(), QStringLiteral("libx264"));
        QVERIFY(!Recorder::isVideoEncoderAvailable(QStringLiteral("h264_nvenc")));
        QVERIFY(!Recorder::encoderWorksAtSize(QStringLiteral("h264_nvenc"), QSize(3840, 2160), 30));
        QVERIFY(Recorder::encoderWorks(QStringLiteral("mpeg4")));

        QProcess version;
        version.start(Recorder::ffmpegExecutable(), {QStringLiteral("-version")});
        QVERIFY(version.waitForFinished(5000));
        const QByteArray text = version.readAll();
        if (text.contains("ffmpeg version 5."))
            QVERIFY(!EncoderProbe::shared().supportsShortestBufDuration());
    }
};

QTEST_GUILESS_MAIN(TestEncoderProbe)
#include "tst_encoderprobe.moc"
