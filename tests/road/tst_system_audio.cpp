// System audio recorded from the sound server: a minute of a steady tone, split twice on
// the way, comes out without a hole or a jump, sample for sample, across the jitter of the
// server's deliveries and across the splits; and the speaker the user chose is the one
// recorded.
#include "../support/RoadTestSupport.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include <cmath>

using namespace road;

namespace {

// Mono samples of a recorded file.
QByteArray decodeMono(const QString &file)
{
    QProcess decode;
    decode.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), file,
                                            QStringLiteral("-ac"), QStringLiteral("1"), QStringLiteral("-f"),
                                            QStringLiteral("f32le"), QStringLiteral("-")});
    decode.waitForFinished(60000);
    return decode.readAllStandardOutput();
}

QString makeTone(const QString &path, int seconds)
{
    QProcess::execute(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"),
                                              QStringLiteral("-c"), QStringLiteral("2"), path, QStringLiteral("synth"),
                                              QString::number(seconds), QStringLiteral("sine"), QStringLiteral("1000"),
                                              QStringLiteral("vol"), QStringLiteral("0.5")});
    return path;
}

// Loads a module into the test desktop's sound server; its index, empty on failure.
QByteArray loadModule(const QStringList &args)
{
    QProcess load;
    load.start(QStringLiteral("pactl"), QStringList{QStringLiteral("load-module")} + args);
    if (!load.waitForFinished(10000) || load.exitCode() != 0)
        return {};
    return load.readAllStandardOutput().trimmed();
}

void unloadModule(const QByteArray &module)
{
    QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("unload-module"), QString::fromUtf8(module)});
}

bool listed(const QList<QAudioDevice> &devices, const QByteArray &id)
{
    return std::any_of(devices.cbegin(), devices.cend(), [&id](const QAudioDevice &d) { return d.id() == id; });
}

// Records sound alone while a 2 s tone plays (paplay with `playerArgs`); the loudest sample.
float peakWhileTonePlays(Recorder &recorder, const QTemporaryDir &dir, QStringList playerArgs)
{
    recorder.setAudioOnly(true);
    recorder.setAudioFormat(QStringLiteral("wav"));
    Spies spies(&recorder);
    recorder.start();
    if (!QTest::qWaitFor([&] { return !spies.started.isEmpty(); }, 20000))
        return -1.0f;
    QProcess player;
    player.start(QStringLiteral("paplay"), playerArgs << makeTone(dir.filePath(QStringLiteral("tone.wav")), 2));
    player.waitForFinished(10000);
    QTest::qWait(500);
    recorder.stop();
    if (!QTest::qWaitFor([&] { return !spies.stopped.isEmpty(); }, 30000))
        return -1.0f;
    const QString file = spies.stopped.first().first().toString();
    if (file.isEmpty())
        return -1.0f;
    const QByteArray raw = decodeMono(file);
    const auto *x = reinterpret_cast<const float *>(raw.constData());
    float peak = 0.0f;
    for (qsizetype i = 0; i < raw.size() / qsizetype(sizeof(float)); ++i)
        peak = std::max(peak, std::fabs(x[i]));
    qInfo("peak %.4f", double(peak));
    return peak;
}

} // namespace

class TestSystemAudio : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("VISTRELLE_TEST_ENV"))
            QSKIP("needs the private test desktop (scripts/test-env.sh)");
    }

    void toneHasNoHoleNorJump()
    {
        QTemporaryDir dir;
        useSaveFolder(dir.path());
        const QString tone = makeTone(dir.filePath(QStringLiteral("tone.wav")), 66);
        QProcess player;
        player.start(QStringLiteral("paplay"), {tone});
        QVERIFY(player.waitForStarted());
        const auto stopPlayer = qScopeGuard([&player] {
            player.kill();
            player.waitForFinished();
        });
        QTest::qWait(500);

        Recorder recorder;
        recorder.setAudioOnly(true);
        recorder.setAudioFormat(QStringLiteral("wav"));
        recorder.setSystemAudioEnabled(true);
        recorder.setAutoSplit(true, 1, 10, 4); // a new segment every 4 MB, about every 23 s
        Spies spies(&recorder);
        recorder.start();
        QTRY_COMPARE_WITH_TIMEOUT(spies.started.size(), 1, 20000);
        QTest::qWait(60000);
        recorder.stop();
        QTRY_COMPARE_WITH_TIMEOUT(spies.stopped.size(), 1, 60000);
        const QString file = spies.stopped.first().first().toString();
        QVERIFY2(!file.isEmpty(), qPrintable(spies.lastError()));

        const QByteArray raw = decodeMono(file);
        const auto *x = reinterpret_cast<const float *>(raw.constData());
        const qsizetype n = raw.size() / qsizetype(sizeof(float));
        QVERIFY2(n > 48000 * 55, qPrintable(QString::number(n)));

        // The tone from where it is first heard to where it was last heard, a tenth of a
        // second in from both ends.
        qsizetype first = 0;
        while (first < n && std::fabs(x[first]) < 0.1f)
            ++first;
        qsizetype last = n - 1;
        while (last > first && std::fabs(x[last]) < 0.1f)
            --last;
        first += 4800;
        last -= 4800;
        QVERIFY(last - first > 48000 * 50);

        // A hole is a run of silence; a jump is a sample that the sine through the two
        // before it does not predict (lost or repeated samples).
        const double c = 2.0 * std::cos(2.0 * M_PI * 1000.0 / 48000.0);
        qsizetype longestQuiet = 0;
        qsizetype quiet = 0;
        int jumps = 0;
        for (qsizetype i = first; i <= last; ++i) {
            quiet = std::fabs(x[i]) < 0.02f ? quiet + 1 : 0;
            longestQuiet = std::max(longestQuiet, quiet);
            if (std::fabs(x[i] - (c * x[i - 1] - x[i - 2])) > 0.05)
                ++jumps;
        }
        qInfo("%.1f s of tone, longest quiet run %.2f ms, %d jumps", double(last - first) / 48000.0,
              double(longestQuiet) / 48.0, jumps);
        QVERIFY2(longestQuiet <= 96, qPrintable(QString::number(longestQuiet))); // 2 ms
        QCOMPARE(jumps, 0);
    }

    void chosenSpeakerIsRecorded_data()
    {
        QTest::addColumn<bool>("intoChosen");
        QTest::newRow("tone played into the chosen speaker") << true;
        QTest::newRow("tone played into the default speaker") << false;
    }

    void chosenSpeakerIsRecorded()
    {
        QFETCH(bool, intoChosen);
        QTemporaryDir dir;
        useSaveFolder(dir.path());
        // A second speaker beside the default one.
        const QByteArray module = loadModule({QStringLiteral("module-null-sink"), QStringLiteral("sink_name=vistrelle_second"),
                                              QStringLiteral("sink_properties=device.description=Second")});
        QVERIFY(!module.isEmpty());
        const auto unload = qScopeGuard([&module] { unloadModule(module); });
        QTRY_VERIFY_WITH_TIMEOUT(listed(QMediaDevices::audioOutputs(), "vistrelle_second"), 10000);

        Recorder recorder;
        recorder.setSystemAudioEnabled(true);
        recorder.setSystemAudioDevice(QStringLiteral("vistrelle_second"));
        QStringList args;
        if (intoChosen)
            args << QStringLiteral("--device=vistrelle_second");
        const float peak = peakWhileTonePlays(recorder, dir, args);
        if (intoChosen)
            QVERIFY2(peak > 0.3f, qPrintable(QString::number(peak)));
        else
            QVERIFY2(peak >= 0.0f && peak < 0.01f, qPrintable(QString::number(peak)));
    }

    void chosenMicrophoneIsRecorded_data()
    {
        QTest::addColumn<bool>("intoChosen");
        QTest::newRow("tone into the chosen microphone") << true;
        QTest::newRow("tone into the default microphone") << false;
    }

    void chosenMicrophoneIsRecorded()
    {
        QFETCH(bool, intoChosen);
        QTemporaryDir dir;
        useSaveFolder(dir.path());
        // A second microphone beside the default one: a source that hears a sink of its own.
        const QByteArray sink = loadModule({QStringLiteral("module-null-sink"), QStringLiteral("sink_name=vistrelle_mic_sink"),
                                            QStringLiteral("rate=48000"), QStringLiteral("channels=2")});
        QVERIFY(!sink.isEmpty());
        const auto unloadSink = qScopeGuard([&sink] { unloadModule(sink); });
        const QByteArray source = loadModule({QStringLiteral("module-remap-source"), QStringLiteral("master=vistrelle_mic_sink.monitor"),
                                              QStringLiteral("source_name=vistrelle_mic"),
                                              QStringLiteral("source_properties=device.description=Second_microphone")});
        QVERIFY(!source.isEmpty());
        const auto unloadSource = qScopeGuard([&source] { unloadModule(source); });
        QTRY_VERIFY_WITH_TIMEOUT(listed(QMediaDevices::audioInputs(), "vistrelle_mic"), 10000);

        Recorder recorder;
        recorder.setMicEnabled(true);
        recorder.setMicAudioDevice(QStringLiteral("vistrelle_mic"));
        // Into the second microphone's sink, or into the default sink that the default
        // microphone hears.
        QStringList args;
        if (intoChosen)
            args << QStringLiteral("--device=vistrelle_mic_sink");
        const float peak = peakWhileTonePlays(recorder, dir, args);
        if (intoChosen)
            QVERIFY2(peak > 0.3f, qPrintable(QString::number(peak)));
        else
            QVERIFY2(peak >= 0.0f && peak < 0.01f, qPrintable(QString::number(peak)));
    }
};

QTEST_MAIN(TestSystemAudio)
#include "tst_system_audio.moc"
