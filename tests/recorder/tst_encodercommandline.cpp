// The ffmpeg argument list of one segment, for every kind of input, in both
// device-input forms, with and without -shortest_buf_duration.
#include "recording/EncoderCommandLine.h"

#include <QtTest>

using Inputs = EncoderCommandLine::Inputs;
using Form = DeviceInputArguments::Form;
Q_DECLARE_METATYPE(Inputs)

namespace {

const QString kPipe = QStringLiteral("/tmp/rec.vistrelle-parts/system_audio_1.fifo");
const QString kSegment = QStringLiteral("/tmp/rec.vistrelle-parts/segment_0001.mp4");

QStringList split(const QString &text)
{
    return text.split(QLatin1Char('|'));
}

QList<EncoderCommandLine::Screen> twoScreens()
{
    EncoderCommandLine::Screen left{QRect(0, 0, 1920, 1080), 1.0, QRect(0, 0, 1920, 1080)};
    EncoderCommandLine::Screen right{QRect(1920, 0, 1280, 720), 2.0, QRect(1920, 0, 2560, 1440)};
    return {left, right};
}

// A display through a frame capture, already cut to 1920x1080, with system audio
// and the microphone, encoded by VideoToolbox into fragmented MP4.
// Silence that a video's sound opens with at 30 fps, so that its packets follow each other
// from the first (the video encoder's first decoding time lies two frames before its picture).
const QString kLead = QStringLiteral(",adelay=delays=2176S:all=1,asetpts=PTS-2176/SR/TB");

// The colour description every video gets, between its sound and its container flags.
const QString kColour = QStringLiteral("-colorspace|smpte170m|-color_primaries|bt709|-color_trc|iec61966-2-1|-color_range|tv");

Inputs fullExample(Form form, bool bufferOption)
{
    Inputs in;
    in.micEnabled = true;
    in.hasScreenCapture = true;
    in.hasSystemAudioCapture = true;
    in.systemAudioPipePath = kPipe;
    in.pipeFrameSize = QSize(1920, 1080);
    in.cropRect = QRect(0, 0, 1920, 1080);
    in.captureRect = QRect(0, 0, 1920, 1080);
    in.encoder = QStringLiteral("h264_videotoolbox");
    in.currentSegmentPath = kSegment;
    in.screens = twoScreens();
    in.inputForm = form;
    in.shortestBufDuration = bufferOption;
    return in;
}

QStringList micArgs(Form form)
{
    return form == Form::MacOS ? split(QStringLiteral("-f|avfoundation|-i|:0")) : split(QStringLiteral("-f|pulse|-i|default"));
}

// True when needle appears in args as consecutive items.
bool containsRun(const QStringList &args, const QStringList &needle)
{
    for (int i = 0; i + needle.size() <= args.size(); ++i) {
        if (args.mid(i, needle.size()) == needle)
            return true;
    }
    return false;
}

QString filterGraph(const QStringList &args)
{
    const int at = args.indexOf(QStringLiteral("-filter_complex"));
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

} // namespace

class TestEncoderCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void completeLists_data()
    {
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QStringList>("expected");

        for (Form form : {Form::MacOS, Form::Linux}) {
            const char *formName = form == Form::MacOS ? "mac" : "linux";
            for (bool buffer : {true, false}) {
                QStringList expected = split(QStringLiteral(
                    "-hide_banner|-y|-thread_queue_size|32|-probesize|32|-analyzeduration|0|-f|nut|-i|pipe:0"
                    "|-thread_queue_size|2048"));
                expected << micArgs(form);
                expected << split(QStringLiteral(
                    "-thread_queue_size|2048|-analyzeduration|0|-probesize|32|-f|f32le|-ar|48000|-ac|2|-i"));
                expected << kPipe << QStringLiteral("-filter_complex")
                         << QStringLiteral("[2:a]atrim=start_sample=1024,asetpts=PTS-STARTPTS,volume=1.00[asys];"
                                           "[1:a]aresample=async=1000:first_pts=0,volume=1.00[amic];"
                                           "[asys][amic]amix=inputs=2:duration=longest:dropout_transition=0:normalize=0")
                                + kLead + QStringLiteral("[aout]");
                expected << split(QStringLiteral("-map|0:v:0|-map|[aout]|-c:v|h264_videotoolbox|-pix_fmt|nv12|-b:v|4000k"
                                                 "|-g|60|-r|30|-fps_mode|vfr|-c:a|aac|-b:a|192k|-shortest"));
                if (buffer)
                    expected << QStringLiteral("-shortest_buf_duration") << QStringLiteral("1");
                expected << split(kColour);
                expected << split(QStringLiteral("-movflags|+frag_keyframe+empty_moov+default_base_moof|-frag_duration|100000|-flush_packets|1"));
                expected << kSegment;
                QTest::addRow("piped, mic and system audio, %s, buffer %d", formName, int(buffer))
                    << fullExample(form, buffer) << expected;
            }

            Inputs audio;
            audio.audioOnly = true;
            audio.micEnabled = true;
            audio.hasSystemAudioCapture = true;
            audio.systemAudioPipePath = kPipe;
            audio.audioFormat = QStringLiteral("m4a");
            audio.audioBitrate = 256;
            audio.outputPath = QStringLiteral("/tmp/out.m4a");
            audio.inputForm = form;
            QStringList expected = QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-y")};
            expected << micArgs(form)
                     << split(QStringLiteral("-thread_queue_size|2048|-analyzeduration|0|-probesize|32|-f|f32le|-ar|48000"
                                             "|-ac|2|-i"))
                     << kPipe << QStringLiteral("-filter_complex")
                     << QStringLiteral("[1:a]volume=1.00[asys];"
                                       "[0:a]aresample=async=1000:first_pts=0,volume=1.00[amic];"
                                       "[asys][amic]amix=inputs=2:duration=longest:dropout_transition=0:normalize=0[aout]")
                     << split(QStringLiteral("-map|[aout]|-vn|-c:a|aac|-b:a|256k|/tmp/out.m4a"));
            QTest::addRow("audio only, mic and system audio, %s", formName) << audio << expected;

            // The encoder captures the second screen itself (pixel ratio 2) and crops.
            Inputs screen;
            screen.screens = twoScreens();
            screen.desktopOutputIndex = 1;
            screen.captureRect = QRect(1920 + 100, 40, 640, 360);
            screen.fps = 25;
            screen.videoContainer = QStringLiteral("mkv");
            screen.frameRateMode = QStringLiteral("vfr");
            screen.outputPath = QStringLiteral("/tmp/out.mkv");
            screen.inputForm = form;
            expected = QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-y")};
            if (form == Form::MacOS)
                expected << split(QStringLiteral("-f|avfoundation|-framerate|25|-pixel_format|nv12|-i|Capture screen 1:none"));
            else
                expected << split(QStringLiteral("-f|x11grab|-framerate|25|-draw_mouse|1|-video_size|2560x1440|-i|:0+1920,0"));
            expected << split(QStringLiteral("-filter_complex|[0:v]crop=1280:720:200:80[vcrop]|-map|[vcrop]|-c:v|libx264"
                                             "|-preset|veryfast|-pix_fmt|yuv420p|-b:v|4000k|-profile:v|high"
                                             "|-x264-params|sync-lookahead=0:rc-lookahead=3"
                                             "|-g|50|-r|25|-fps_mode|vfr|-an|")
                                     + kColour + QStringLiteral("|/tmp/out.mkv"));
            QTest::addRow("encoder-captured screen with crop, %s", formName) << screen << expected;
        }
    }

    void completeLists()
    {
        QFETCH(Inputs, inputs);
        QFETCH(QStringList, expected);
        const QStringList args = EncoderCommandLine::build(inputs);
        if (args != expected) {
            for (int i = 0; i < std::max(args.size(), expected.size()); ++i) {
                const QString got = args.value(i, QStringLiteral("<none>"));
                const QString want = expected.value(i, QStringLiteral("<none>"));
                if (got != want)
                    qWarning("first difference at item %d: got %s, expected %s", i + 1, qPrintable(got), qPrintable(want));
                if (got != want)
                    break;
            }
        }
        QCOMPARE(args, expected);
    }

    void audioOnlyOutputs_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("mic");
        QTest::addColumn<QStringList>("encoderArgs");
        QTest::addColumn<QString>("graph");
        const QString micOnly = QStringLiteral("[0:a]aresample=async=1000:first_pts=0,volume=1.00[amic];[amic]anull[aout]");
        const QString systemOnly = QStringLiteral(
            "[0:a]volume=1.00[asys];[asys]anull[aout]");
        QTest::newRow("wav, mic") << "wav" << true << split(QStringLiteral("-c:a|pcm_s16le")) << micOnly;
        QTest::newRow("flac, system") << "flac" << false << split(QStringLiteral("-c:a|flac")) << systemOnly;
        QTest::newRow("m4a, mic") << "m4a" << true
                                  << split(QStringLiteral("-c:a|aac|-b:a|128k|-movflags|+frag_keyframe+empty_moov+"
                                                          "default_base_moof|-frag_duration|250000"))
                                  << micOnly;
        QTest::newRow("mp3, system") << "mp3" << false << split(QStringLiteral("-c:a|libmp3lame|-b:a|128k")) << systemOnly;
    }

    void audioOnlyOutputs()
    {
        QFETCH(QString, format);
        QFETCH(bool, mic);
        QFETCH(QStringList, encoderArgs);
        QFETCH(QString, graph);
        Inputs in;
        in.audioOnly = true;
        in.micEnabled = mic;
        in.hasSystemAudioCapture = !mic;
        in.systemAudioPipePath = mic ? QString() : kPipe;
        in.audioFormat = format;
        in.audioBitrate = 128;
        in.currentSegmentPath = QStringLiteral("/tmp/seg.") + format;
        const QStringList args = EncoderCommandLine::build(in);
        QCOMPARE(filterGraph(args), graph);
        QStringList tail{QStringLiteral("-map"), QStringLiteral("[aout]"), QStringLiteral("-vn")};
        tail << encoderArgs << QStringLiteral("-flush_packets") << QStringLiteral("1") << in.currentSegmentPath;
        QCOMPARE(args.mid(args.size() - tail.size()), tail);
        QVERIFY(!args.contains(QStringLiteral("-g")));
        QVERIFY(!args.contains(QStringLiteral("-shortest")));
    }

    void audioChains_data()
    {
        QTest::addColumn<int>("systemVolume");
        QTest::addColumn<int>("micVolume");
        QTest::addColumn<bool>("noiseReduction");
        QTest::addColumn<bool>("mono");
        QTest::addColumn<int>("delay");
        QTest::addColumn<QString>("graph");
        const QString mix = QStringLiteral(";[asys][amic]amix=inputs=2:duration=longest:dropout_transition=0:normalize=0") + kLead + QStringLiteral("[aout]");
        QTest::newRow("silent and doubled")
            << 0 << 200 << false << false << 0
            << QStringLiteral("[2:a]atrim=start_sample=1024,asetpts=PTS-STARTPTS,volume=0.00[asys];"
                              "[1:a]aresample=async=1000:first_pts=0,volume=2.00[amic]") + mix;
        QTest::newRow("everything on, 1 ms delay")
            << 35 << 80 << true << true << 1
            << QStringLiteral("[2:a]atrim=start_sample=1024,asetpts=PTS-STARTPTS,volume=0.35,"
                              "aformat=channel_layouts=mono[asys];"
                              "[1:a]aresample=async=1000:first_pts=0,volume=0.80,afftdn=nf=-25,adelay=delays=1:all=1,"
                              "aformat=channel_layouts=mono[amic]") + mix;
        QTest::newRow("long delay")
            << 100 << 100 << false << false << 3000
            << QStringLiteral("[2:a]atrim=start_sample=1024,asetpts=PTS-STARTPTS,volume=1.00[asys];"
                              "[1:a]aresample=async=1000:first_pts=0,volume=1.00,adelay=delays=3000:all=1[amic]") + mix;
    }

    void audioChains()
    {
        QFETCH(int, systemVolume);
        QFETCH(int, micVolume);
        QFETCH(bool, noiseReduction);
        QFETCH(bool, mono);
        QFETCH(int, delay);
        QFETCH(QString, graph);
        Inputs in = fullExample(Form::Linux, true);
        in.systemVolume = systemVolume;
        in.micVolume = micVolume;
        in.micNoiseReduction = noiseReduction;
        in.monoAudio = mono;
        in.micDelayMs = delay;
        QCOMPARE(filterGraph(EncoderCommandLine::build(in)), graph);
    }

    void videoWithoutAudio()
    {
        Inputs in = fullExample(Form::Linux, true);
        in.micEnabled = false;
        in.hasSystemAudioCapture = false;
        in.systemAudioPipePath.clear();
        const QStringList args = EncoderCommandLine::build(in);
        QVERIFY(!args.contains(QStringLiteral("-filter_complex")));
        QVERIFY(!args.contains(QStringLiteral("-shortest")));
        QVERIFY(!args.contains(QStringLiteral("-c:a")));
        QVERIFY(containsRun(args, split(QStringLiteral("-g|60|-r|30|-fps_mode|vfr|-an|") + kColour + QStringLiteral("|-movflags"))));

        // A pipe path without a running capture, or a capture without a path, is no input.
        in.hasSystemAudioCapture = true;
        QVERIFY(!EncoderCommandLine::build(in).contains(QStringLiteral("f32le")));
        in.hasSystemAudioCapture = false;
        in.systemAudioPipePath = kPipe;
        QVERIFY(!EncoderCommandLine::build(in).contains(QStringLiteral("f32le")));
    }

    void windowFramesWithMic()
    {
        // Window or webcam frames: piped without a screen capture, never cropped.
        Inputs in;
        in.captureBackend = FramesBackend;
        in.micEnabled = true;
        in.pipeFrameSize = QSize(1280, 720);
        in.captureRect = QRect(10, 10, 500, 400);
        in.screens = twoScreens();
        in.shortestBufDuration = false;
        in.inputForm = Form::Linux;
        in.outputPath = QStringLiteral("/tmp/w.mp4");
        const QStringList args = EncoderCommandLine::build(in);
        QVERIFY(containsRun(args, split(QStringLiteral("-f|nut|-i|pipe:0"))));
        QCOMPARE(filterGraph(args), QStringLiteral("[1:a]aresample=async=1000:first_pts=0,volume=1.00[amic];[amic]anull") + kLead + QStringLiteral("[aout]"));
        QVERIFY(containsRun(args, split(QStringLiteral("-c:a|aac|-b:a|192k|-shortest|") + kColour
                                                  + QStringLiteral("|-movflags|+faststart|/tmp/w.mp4"))));
        QVERIFY(!args.contains(QStringLiteral("-flush_packets")));
    }

    void cropAndScale_data()
    {
        QTest::addColumn<bool>("frameCapture");
        QTest::addColumn<QSize>("pipeSize");
        QTest::addColumn<QRect>("capture");
        QTest::addColumn<QRect>("crop");
        QTest::addColumn<QSize>("outputSize");
        QTest::addColumn<int>("screenIndex");
        QTest::addColumn<QString>("videoGraph");
        QTest::addColumn<QString>("map");

        const QSize none(-1, -1);
        QTest::newRow("frames already cut") << true << QSize(1280, 720) << QRect(100, 100, 640, 360)
                                            << QRect(100, 100, 640, 360) << none << 0 << QString() << "0:v:0";
        QTest::newRow("encoder crop, ratio 1")
            << false << none << QRect(0, 40, 1280, 720) << QRect() << none << 0
            << "[0:v]crop=1280:720:0:40[vcrop]" << "[vcrop]";
        // The cut starts at the area's own first pixel; only its sides are made even.
        QTest::newRow("odd coordinates keep their place, sides become even")
            << false << none << QRect(101, 51, 641, 361) << QRect() << none << 0
            << "[0:v]crop=640:360:101:51[vcrop]" << "[vcrop]";
        QTest::newRow("area partly off the screen is clipped")
            << false << none << QRect(-100, -50, 500, 300) << QRect() << none << 0
            << "[0:v]crop=400:250:0:0[vcrop]" << "[vcrop]";
        QTest::newRow("crop of a 1-pixel area is dropped")
            << false << none << QRect(10, 10, 1, 300) << QRect() << none << 0 << QString() << "0:v:0";
        QTest::newRow("area outside every screen")
            << false << none << QRect(5000, 5000, 300, 300) << QRect() << none << 0 << QString() << "0:v:0";
        QTest::newRow("crop then scale")
            << false << none << QRect(0, 40, 1280, 720) << QRect() << QSize(1280, 720) << 0
            << "[0:v]crop=1280:720:0:40[vcrop];[vcrop]scale=1280:720:flags=fast_bilinear[vout]" << "[vout]";
        QTest::newRow("scale without crop")
            << true << QSize(1920, 1080) << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1080) << QSize(1280, 720) << 0
            << "[0:v]scale=1280:720:flags=fast_bilinear[vout]" << "[vout]";
        // A frame capture stream smaller than the screen: the factor is pipe / screen.
        QTest::newRow("frame capture stream of another size")
            << true << QSize(1280, 720) << QRect(100, 50, 801, 401) << QRect() << none << 0
            << "[0:v]crop=534:266:67:33[vcrop]" << "[vcrop]";
        QTest::newRow("second screen, pixel ratio 2")
            << false << none << QRect(1920 + 10, 10, 100, 100) << QRect() << none << 1
            << "[0:v]crop=200:200:20:20[vcrop]" << "[vcrop]";
        // One X screen holds both displays: the encoder grabs both and keeps the whole area.
        // Each corner on the display that holds it: the area ends 580 logical pixels into
        // the second display, 1160 of its device pixels.
        QTest::newRow("area over two screens")
            << false << none << QRect(1500, 300, 1000, 300) << QRect() << none << 0
            << "[0:v]crop=1580:900:1500:300[vcrop]" << "[vcrop]";
        QTest::newRow("unknown screen index falls back to the primary screen")
            << false << none << QRect(0, 40, 1280, 720) << QRect() << none << 7
            << "[0:v]crop=1280:720:0:40[vcrop]" << "[vcrop]";
    }

    void cropAndScale()
    {
        QFETCH(bool, frameCapture);
        QFETCH(QSize, pipeSize);
        QFETCH(QRect, capture);
        QFETCH(QRect, crop);
        QFETCH(QSize, outputSize);
        QFETCH(int, screenIndex);
        QFETCH(QString, videoGraph);
        QFETCH(QString, map);
        Inputs in;
        in.hasScreenCapture = frameCapture;
        in.pipeFrameSize = pipeSize;
        in.captureRect = capture;
        in.cropRect = crop;
        in.outputSize = outputSize;
        in.desktopOutputIndex = screenIndex;
        in.screens = twoScreens();
        in.outputPath = QStringLiteral("/tmp/o.mp4");
        const QStringList args = EncoderCommandLine::build(in);
        QCOMPARE(filterGraph(args), videoGraph);
        QVERIFY(containsRun(args, {QStringLiteral("-map"), map, QStringLiteral("-c:v")}));
    }

    // Two displays at scale 1.5 side by side on one X screen: Qt keeps each display's
    // corner and divides its size, so the logical desktop has a gap from 1280 to 1920.
    void displaysWithAGap()
    {
        using D = DisplayGeometry;
        const QList<D::Display> displays{{QRect(0, 0, 1280, 720), 1.5, QRect(0, 0, 1920, 1080)},
                                         {QRect(1920, 0, 1280, 720), 1.5, QRect(1920, 0, 1920, 1080)}};
        // An area dragged across both and one inside the primary: their device pixels come
        // back (within the rounding of a logical pixel). One dragged from device pixel
        // (2302, 301), which has no logical point of its own, does not come back through
        // logical corners. The x11grab fallback grabs the displays the area touches and cuts
        // exactly the pixels dragged, carried beside the logical area.
        const QRect across(1000, 300, 1800, 500);
        const QRect inside(300, 250, 600, 450);
        const QRect fromPixelWithoutPoint(2302, 301, 600, 400);
        Inputs in;
        in.screens = displays;
        in.inputForm = Form::Linux;
        in.outputPath = QStringLiteral("/tmp/o.mp4");
        for (const QRect &dragged : {across, inside, fromPixelWithoutPoint}) {
            in.captureRect = D::toLogical(displays, dragged);
            in.captureDeviceRect = dragged;
            const QRect back = D::toDevice(displays, in.captureRect);
            if (dragged == fromPixelWithoutPoint)
                QVERIFY(back.topLeft() != dragged.topLeft());
            else
                QVERIFY2((back.topLeft() - dragged.topLeft()).manhattanLength() <= 1 && back.size() == dragged.size(),
                         qPrintable(QStringLiteral("%1,%2 %3x%4").arg(back.x()).arg(back.y()).arg(back.width()).arg(back.height())));
            const QStringList args = EncoderCommandLine::build(in);
            const QRect surface = dragged.right() < 1920 ? QRect(0, 0, 1920, 1080) : QRect(0, 0, 3840, 1080);
            QVERIFY(containsRun(args, {QStringLiteral("-video_size"),
                                       QStringLiteral("%1x%2").arg(surface.width()).arg(surface.height()),
                                       QStringLiteral("-i"), QStringLiteral(":0+0,0")}));
            QCOMPARE(filterGraph(args),
                     QStringLiteral("[0:v]crop=%1:%2:%3:%4[vcrop]")
                         .arg(dragged.width()).arg(dragged.height()).arg(dragged.x()).arg(dragged.y()));
        }
    }

    void noScreenAtAll()
    {
        Inputs in;
        in.captureRect = QRect(0, 0, 640, 480);
        in.primaryScreen = -1;
        in.inputForm = Form::Linux;
        in.display = QStringLiteral(":7");
        in.outputPath = QStringLiteral("/tmp/o.mp4");
        const QStringList args = EncoderCommandLine::build(in);
        QVERIFY(!args.contains(QStringLiteral("-filter_complex")));
        QVERIFY(containsRun(args, split(QStringLiteral("-draw_mouse|1|-i|:7+0,0"))));
    }

    void encoderOptions_data()
    {
        QTest::addColumn<QString>("encoder");
        QTest::addColumn<bool>("forcedFast");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("libx264") << "libx264" << false
                                 << split("-preset|veryfast|-pix_fmt|yuv420p|-b:v|6000k|-profile:v|high"
                                          "|-x264-params|sync-lookahead=0:rc-lookahead=3");
        QTest::newRow("libx264 forced fast") << "libx264" << true
                                             << split("-preset|ultrafast|-pix_fmt|yuv420p|-b:v|6000k|-profile:v|high"
                                                      "|-x264-params|sync-lookahead=0:rc-lookahead=3");
        QTest::newRow("libx265 has no profile") << "libx265" << false << split("-preset|veryfast|-pix_fmt|yuv420p|-b:v|6000k");
        QTest::newRow("nvenc") << "h264_nvenc" << false << split("-preset|p4|-pix_fmt|yuv420p|-b:v|6000k");
        QTest::newRow("qsv") << "h264_qsv" << false << split("-preset|veryfast|-pix_fmt|nv12|-b:v|6000k");
        QTest::newRow("amf") << "h264_amf" << false << split("-quality|balanced|-pix_fmt|nv12|-b:v|6000k");
        QTest::newRow("mf") << "h264_mf" << false
                            << split("-hw_encoding|1|-rate_control|cbr|-scenario|display_remoting|-pix_fmt|nv12|-b:v|6000k");
        QTest::newRow("videotoolbox in any case") << "H264_VideoToolbox" << true << split("-pix_fmt|nv12|-b:v|6000k");
        QTest::newRow("anything else") << "mpeg4" << false << split("-pix_fmt|yuv420p|-b:v|6000k");
    }

    void encoderOptions()
    {
        QFETCH(QString, encoder);
        QFETCH(bool, forcedFast);
        QFETCH(QStringList, options);
        Inputs in;
        in.captureBackend = FramesBackend;
        in.pipeFrameSize = QSize(640, 480);
        in.encoder = encoder;
        in.videoBitrate = 6000;
        in.softwarePresetForced = forcedFast;
        in.fps = 60;
        in.keyframeInterval = 10;
        const QStringList args = EncoderCommandLine::build(in);
        QStringList expected{QStringLiteral("-c:v"), encoder};
        expected << options << QStringLiteral("-g") << QStringLiteral("600");
        QVERIFY2(containsRun(args, expected), qPrintable(args.join(QLatin1Char(' '))));
    }

    void frameRateFlags_data()
    {
        QTest::addColumn<int>("backend");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("flags");
        QTest::newRow("backend 0 cfr") << 0 << "cfr" << split("-g|60|-r|30|-fps_mode|cfr|-an");
        QTest::newRow("backend 0 vfr") << 0 << "vfr" << split("-g|60|-r|30|-fps_mode|vfr|-an");
        QTest::newRow("backend 0, mode not exactly vfr") << 0 << "VFR" << split("-g|60|-r|30|-fps_mode|cfr|-an");
        QTest::newRow("backend 2") << 2 << "cfr" << split("-g|60|-fps_mode|vfr|-an");
        QTest::newRow("backend 3") << 3 << "vfr" << split("-g|60|-fps_mode|vfr|-an");
    }

    void frameRateFlags()
    {
        QFETCH(int, backend);
        QFETCH(QString, mode);
        QFETCH(QStringList, flags);
        Inputs in;
        in.captureBackend = CaptureBackend(backend);
        in.frameRateMode = mode;
        in.screens = twoScreens();
        in.outputPath = QStringLiteral("/tmp/o.mp4");
        QVERIFY(containsRun(EncoderCommandLine::build(in), flags));
    }

    void containerFlags()
    {
        Inputs in = fullExample(Form::MacOS, true);
        in.videoContainer = QStringLiteral("mkv");
        in.currentSegmentPath = QStringLiteral("/tmp/seg.mkv");
        QStringList args = EncoderCommandLine::build(in);
        QVERIFY(!args.contains(QStringLiteral("-movflags")));
        QVERIFY(containsRun(args, split(QStringLiteral("-cluster_time_limit|100|-flush_packets|1|/tmp/seg.mkv"))));

        in.videoContainer = QStringLiteral("mp4");
        in.currentSegmentPath.clear();
        in.outputPath = QStringLiteral("/tmp/final.mp4");
        args = EncoderCommandLine::build(in);
        QVERIFY(containsRun(args, split(QStringLiteral("-movflags|+faststart|/tmp/final.mp4"))));
        QVERIFY(!args.contains(QStringLiteral("-flush_packets")));
    }

    // Frame threads are limited for the software encoders only, right after their options.
    void encoderThreads()
    {
        Inputs in = fullExample(Form::Linux, false);
        in.encoderThreads = 4;
        in.encoder = QStringLiteral("libx264");
        QVERIFY(containsRun(EncoderCommandLine::build(in),
                            split(QStringLiteral("-profile:v|high|-x264-params|sync-lookahead=0:rc-lookahead=3|-threads|4|-g"))));
        in.encoder = QStringLiteral("h264_videotoolbox");
        QVERIFY(!EncoderCommandLine::build(in).contains(QStringLiteral("-threads")));
        in.encoder = QStringLiteral("libx264");
        in.encoderThreads = 0;
        QVERIFY(!EncoderCommandLine::build(in).contains(QStringLiteral("-threads")));
    }

    // A split starts the next encoder while the one before records on: the frame and the
    // silence it opens its inputs with are left out, and the microphone comes through a pipe.
    void splitLeavesOutItsPrimers()
    {
        Inputs in = fullExample(Form::Linux, false);
        in.micPipePath = QStringLiteral("/tmp/rec.vistrelle-parts/microphone_1.fifo");
        in.primedInputs = true;
        const QStringList args = EncoderCommandLine::build(in);
        QVERIFY(containsRun(args, split(QStringLiteral("-thread_queue_size|2048|-analyzeduration|0|-probesize|32|-f|f32le|"
                                                       "-ar|48000|-ac|2|-i|/tmp/rec.vistrelle-parts/microphone_1.fifo"))));
        QVERIFY(!args.contains(QStringLiteral("pulse")));
        const QString graph = args.at(args.indexOf(QStringLiteral("-filter_complex")) + 1);
        QCOMPARE(graph, QStringLiteral("[0:v]trim=start_frame=1,setpts=PTS-STARTPTS[vnext];"
                                       "[2:a]atrim=start_sample=1024,asetpts=PTS-STARTPTS,volume=1.00[asys];"
                                       "[1:a]atrim=start_sample=1024,asetpts=PTS-STARTPTS,volume=1.00[amic];"
                                       "[asys][amic]amix=inputs=2:duration=longest:dropout_transition=0:normalize=0") + kLead + QStringLiteral("[aout]"));
        QVERIFY(containsRun(args, split(QStringLiteral("-map|[vnext]|-map|[aout]"))));

        // Sound alone goes to the next encoder at once: nothing to leave out. A picture without
        // sound keeps its primer frame, on which the encoder starts up.
        in.audioOnly = true;
        QVERIFY(!EncoderCommandLine::build(in).join(' ').contains(QStringLiteral("trim")));
        in.audioOnly = false;
        in.micEnabled = false;
        in.micPipePath.clear();
        in.hasSystemAudioCapture = false;
        QVERIFY(!EncoderCommandLine::build(in).join(' ').contains(QStringLiteral("trim")));
    }
};

QTEST_GUILESS_MAIN(TestEncoderCommandLine)
#include "tst_encodercommandline.moc"
