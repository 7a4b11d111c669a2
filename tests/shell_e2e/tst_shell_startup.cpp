// Start-up of the real program in the test desktop: it opens its log with the header and
// loads the translation of the chosen interface language.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void loadsChosenLanguage_data();
    void loadsChosenLanguage();
};

void TestStartup::loadsChosenLanguage_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("language");
    QTest::newRow("French") << "fr" << "fr";
    QTest::newRow("Arabic") << "ar" << "ar";
    QTest::newRow("unsupported gives English") << "sv" << "en";
}

void TestStartup::loadsChosenLanguage()
{
    QFETCH(QString, setting);
    QFETCH(QString, language);
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");

    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QDir root(home.path());
    QVERIFY(root.mkpath(QStringLiteral("config/Vistrelle")));
    QFile config(root.filePath(QStringLiteral("config/Vistrelle/Vistrelle.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("[ui]\nlanguage=" + setting.toUtf8() + "\n");
    config.close();

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(VISTRELLE_BINARY_DIR "/vistrelle"), {});
    QVERIFY(program.waitForStarted(10000));

    const QDir logs(root.filePath(QStringLiteral("data/Vistrelle/Vistrelle/Logs")));
    QString log;
    const QString loaded =
        QStringLiteral("[Translation] Loaded \":/translations/Vistrelle_%1.qm\"").arg(language);
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QStringList files = logs.entryList({QStringLiteral("Vistrelle_*.log")}, QDir::Files);
            if (files.size() != 1)
                return false;
            QFile file(logs.filePath(files.first()));
            if (!file.open(QIODevice::ReadOnly))
                return false;
            log = QString::fromUtf8(file.readAll());
            return log.contains(loaded);
        }(),
        15000);
    program.kill();
    program.waitForFinished(5000);

    QVERIFY(log.contains(QLatin1String("========== Vistrelle diagnostic session ==========")));
    QVERIFY(log.contains(QLatin1String("app_version= 7.0 qt_version= " QT_VERSION_STR)));
    QVERIFY(log.contains(QLatin1String("screen[0] name=")));
    QVERIFY(log.contains(QLatin1String(" 1920x1080 ")));
    QVERIFY(!log.contains(QLatin1String("Failed to load")));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_shell_startup.moc"
