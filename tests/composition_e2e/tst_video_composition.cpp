// The editing engine's composition operations with the real ffmpeg, on clips in a folder with
// an awkward name: mosaic (a strong blur on a small region, a region past the edge), a
// cross-faded join, burnt-in subtitles from an awkward path, a watermark whose text holds
// quotes, colons, percent signs and backslashes, and the failures reported without a job.

#include "../support/TestMedia.h"

#include "library/VideoEditor.h"
#include "library/VideoEditorComposition.h"
#include "library/WatermarkConfig.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool makeClip(const QString &path, double seconds, bool audio)
{
    QStringList args{"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc2=size=320x240:rate=30"};
    if (audio)
        args << "-f" << "lavfi" << "-i" << "sine=frequency=500:sample_rate=48000";
    args << "-t" << QString::number(seconds) << "-c:v" << "libx264" << "-preset" << "ultrafast" << "-pix_fmt"
         << "yuv420p";
    if (audio)
        args << "-c:a" << "aac";
    args << path;
    return TestMedia::runFfmpeg(args);
}

struct Outcome
{
    bool finished = false;
    QString error;
};

Outcome run(VideoEditor &editor, const std::function<void()> &operation)
{
    QSignalSpy done(&editor, &VideoEditor::finished);
    QSignalSpy failed(&editor, &VideoEditor::errorOccurred);
    operation();
    Outcome o;
    o.finished = done.count() == 1;
    if (!failed.isEmpty())
        o.error = failed.first().first().toString();
    return o;
}

} // namespace

class CompositionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mosaic();
    void transition();
    void subtitles();
    void watermarkTextForms();
    void failures();

private:
    QString file(const QString &name) const { return m_folder + QLatin1Char('/') + name; }

    QTemporaryDir m_root;
    QString m_folder;
    QString m_clip;
    QByteArray m_frame; // of m_clip at 1 s
};

void CompositionTest::initTestCase()
{
    m_folder = m_root.filePath(TestMedia::awkwardName());
    QVERIFY(QDir().mkpath(m_folder));
    m_clip = file("Vistrelle_it's: 1, [a] 中.mp4");
    QVERIFY(makeClip(m_clip, 5, true));
    m_frame = TestMedia::frameRgb(m_clip, 1.0);
    QCOMPARE(m_frame.size(), 320 * 240 * 3);
}

void CompositionTest::mosaic()
{
    VideoEditor editor;
    // Strength 80 on a 100x80 region: boxblur's limit is half the chroma plane's side.
    const QString a = file("mosaic a.mp4");
    Outcome o = run(editor, [&] { editor.applyMosaic(m_clip, {{QRect(20, 20, 100, 80), 80}}, a); });
    QVERIFY2(o.finished, qPrintable(o.error));
    QByteArray f = TestMedia::frameRgb(a, 1.0);
    QVERIFY(TestMedia::regionDifference(m_frame, f, 320, 30, 30, 80, 60) > 8);
    QVERIFY(TestMedia::regionDifference(m_frame, f, 320, 160, 20, 140, 80) < 4);
    QVERIFY(TestMedia::regionDifference(m_frame, f, 320, 20, 130, 100, 100) < 4);

    // A region reaching past the bottom right corner blurs only the part inside the frame.
    const QString b = file("mosaic b.mp4");
    o = run(editor, [&] { editor.applyMosaic(m_clip, {{QRect(0, 0, 0, 50), 30}, {QRect(250, 180, 200, 200), 30}}, b); });
    QVERIFY2(o.finished, qPrintable(o.error));
    f = TestMedia::frameRgb(b, 1.0);
    QCOMPARE(TestMedia::probe(b).videoSize(), QSize(320, 240));
    QVERIFY(TestMedia::regionDifference(m_frame, f, 320, 256, 186, 60, 50) > 8);
    QVERIFY(TestMedia::regionDifference(m_frame, f, 320, 0, 0, 240, 170) < 4);
    QVERIFY(TestMedia::probe(b).hasAudio());

    // The graph of those regions: the empty one is skipped, the other clipped.
    const auto usable = Composition::usableMosaicRegions({{QRect(0, 0, 0, 50), 30}, {QRect(250, 180, 200, 200), 500}},
                                                         QSize(320, 240));
    QCOMPARE(usable.size(), 1);
    QCOMPARE(usable.first().rect, QRect(250, 180, 70, 60));
    QCOMPARE(usable.first().strength, 80);
    QVERIFY(Composition::mosaicGraph(usable).startsWith("[0:v]split=2[base0][crop0];[crop0]crop=70:60:250:180,"));
}

void CompositionTest::transition()
{
    const QString second = file("second, 'b'.mp4");
    QVERIFY(makeClip(second, 5, true));
    VideoEditor editor;
    const QString joined = file("joined: fade.mp4");
    const Outcome o = run(editor, [&] { editor.concatWithTransition({m_clip, second}, {"fade", 1.0}, joined); });
    QVERIFY2(o.finished, qPrintable(o.error));
    QVERIFY(qAbs(TestMedia::durationSeconds(joined) - 9.0) <= 0.15);
    QVERIFY(TestMedia::probe(joined).hasAudio());
    const QString graph = Composition::transitionGraph({5.0, 5.0, 5.0}, "wipeleft", 1.0);
    QCOMPARE(graph.count("[aout]"), 1);
    QVERIFY(!graph.endsWith(';'));
    QVERIFY(graph.contains("offset=4.000") && graph.contains("offset=8.000"));
}

void CompositionTest::subtitles()
{
    QDir().mkpath(file("subs: it's, here"));
    const QString subtitle = file("subs: it's, here/s'u:b,t.srt");
    QFile srt(subtitle);
    QVERIFY(srt.open(QIODevice::WriteOnly));
    srt.write("1\n00:00:00,000 --> 00:00:04,000\nHELLO WORLD HELLO\n");
    srt.close();
    VideoEditor editor;
    const QString out = file("subtitled.mp4");
    const Outcome o = run(editor, [&] { editor.addSubtitle(m_clip, subtitle, out); });
    QVERIFY2(o.finished, qPrintable(o.error));
    const QByteArray f = TestMedia::frameRgb(out, 1.0);
    // The text sits at the bottom centre; the top stays as it was.
    QVERIFY(TestMedia::regionDifference(m_frame, f, 320, 60, 190, 200, 45) > 3);
    QVERIFY(TestMedia::regionDifference(m_frame, f, 320, 0, 0, 320, 100) < 4);
}

void CompositionTest::watermarkTextForms()
{
    WatermarkConfig config;
    config.enabled = true;
    config.text = QStringLiteral("a'b:c%d\\e");
    config.fontSize = 40;
    config.opacity = 100;
    config.position = 3;
    const QString textFile = file("text: it's, 'w'.txt");
    QFile t(textFile);
    QVERIFY(t.open(QIODevice::WriteOnly));
    t.write(config.text.toUtf8());
    t.close();

    VideoEditor editor;
    const QString inlineOut = file("inline.mp4");
    const QString fileOut = file("file.mp4");
    Outcome o = run(editor, [&] { editor.addWatermark(m_clip, config.toFFmpegFilter(), inlineOut); });
    QVERIFY2(o.finished, qPrintable(o.error));
    o = run(editor, [&] { editor.addWatermark(m_clip, config.toFFmpegFilter(textFile), fileOut); });
    QVERIFY2(o.finished, qPrintable(o.error));
    const QByteArray a = TestMedia::frameRgb(inlineOut, 1.0);
    const QByteArray b = TestMedia::frameRgb(fileOut, 1.0);
    QCOMPARE(a.size(), m_frame.size());
    QVERIFY(a == b);
    // Something was drawn in the top left corner, nothing at the bottom right.
    QVERIFY(TestMedia::regionDifference(m_frame, a, 320, 20, 20, 150, 45) > 10);
    QVERIFY(TestMedia::regionDifference(m_frame, a, 320, 200, 150, 120, 90) < 4);
}

void CompositionTest::failures()
{
    VideoEditor editor;
    const QString silent = file("silent.mp4");
    QVERIFY(makeClip(silent, 2, false));
    // Background music under a video without sound: the runner reports ffmpeg's failure.
    Outcome o = run(editor, [&] { editor.addBGM(silent, m_clip, 0.5f, file("bgm.mp4")); });
    QVERIFY(!o.finished);
    QVERIFY2(o.error.startsWith(QStringLiteral("FFmpeg 出错：\n")), qPrintable(o.error));
    // With sound it mixes and keeps the video's length.
    o = run(editor, [&] { editor.addBGM(m_clip, silent, 0.5f, file("bgm ok.mp4")); });
    // (the music file has no audio either: that fails too, with the runner's message)
    QVERIFY(!o.finished);

    // Checks that start no job.
    o = run(editor, [&] { editor.concatWithTransition({m_clip, m_clip}, {"fade;x", 1.0}, file("bad.mp4")); });
    QVERIFY(!o.finished);
    QVERIFY(o.error.contains("fade;x"));
    QVERIFY(!QFileInfo::exists(file("bad.mp4")));
    o = run(editor, [&] { editor.concatWithTransition({m_clip, silent}, {"fade", 1.0}, file("short.mp4")); });
    QCOMPARE(o.error.isEmpty(), false);
    o = run(editor, [&] { editor.addSubtitle(m_clip, file("missing.srt"), file("sub.mp4")); });
    QCOMPARE(o.error, QStringLiteral("字幕文件不存在：%1").arg(file("missing.srt")));
    o = run(editor, [&] { editor.denoise(m_clip, false, true, file("denoised.mp4")); });
    QVERIFY(o.error.startsWith(QStringLiteral("音频降噪需要 sh.rnnn 模型文件")));
    // Video denoise alone copies the audio.
    o = run(editor, [&] { editor.denoise(m_clip, true, false, file("denoised.mp4")); });
    QVERIFY2(o.finished, qPrintable(o.error));
    QCOMPARE(TestMedia::probe(file("denoised.mp4")).streams.size(), 2);
}

QTEST_GUILESS_MAIN(CompositionTest)
#include "tst_video_composition.moc"
