// Checks that the end-to-end environment is what every other e2e test relies on:
// a private home, an X display with the expected screen, a sound server with the
// null sink and the remap source, and a working ffmpeg/ffprobe.
#include <QtTest>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>

class TestEnvironment : public QObject
{
    Q_OBJECT
private slots:
    void privateHomeAndDisplay()
    {
        QVERIFY2(qEnvironmentVariableIsSet("VISTRELLE_TEST_ENV"), "run through scripts/test-env.sh");
        QVERIFY(QDir::homePath().startsWith(QStringLiteral("/tmp/")));
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QScreen *screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        QCOMPARE(screen->geometry().size(), QSize(1920, 1080));
    }

    void soundServerAndEncoder()
    {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        QVERIFY(pactl.waitForFinished(5000));
        const QString info = QString::fromUtf8(pactl.readAllStandardOutput());
        QVERIFY2(info.contains(QStringLiteral("Default Sink: vsink")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Default Source: vmic")), qPrintable(info));

        for (const QString &tool : {QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")}) {
            QProcess p;
            p.start(tool, {QStringLiteral("-version")});
            QVERIFY2(p.waitForFinished(5000) && p.exitCode() == 0, qPrintable(tool));
        }
    }
};

QTEST_MAIN(TestEnvironment)
#include "tst_environment.moc"
