// ProgressWatch: a child that stops making progress is ended, one that makes it is left alone.
#include "recording/ProgressWatch.h"

#include <QtTest>
#include <QProcess>
#include <QTemporaryDir>

class TestProgressWatch : public QObject
{
    Q_OBJECT
private slots:
    void endsOnlyWhatMakesNoProgress_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("reportOutput");
        QTest::addColumn<int>("totalMs");
        QTest::addColumn<bool>("ended");
        const QString quiet = QStringLiteral("exec sleep 30");
        const QString growing = QStringLiteral("while :; do echo x >> \"$0\"; sleep 0.05; done");
        QTest::newRow("quiet") << quiet << false << 0 << true;
        QTest::newRow("its file grows") << growing << false << 0 << false;
        QTest::newRow("its output counts") << QStringLiteral("while :; do echo x; sleep 0.05; done") << true << 0 << false;
        QTest::newRow("growing past the total") << growing << false << 1500 << true;
        QTest::newRow("ends by itself") << QStringLiteral("exit 0") << false << 0 << false;
    }
    void endsOnlyWhatMakesNoProgress()
    {
        QFETCH(QString, script);
        QFETCH(bool, reportOutput);
        QFETCH(int, totalMs);
        QFETCH(bool, ended);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("out"));
        QProcess process;
        ProgressWatch watch(QStringLiteral("[test] child"));
        QSignalSpy stalled(&watch, &ProgressWatch::stalled);
        connect(&process, &QProcess::readyRead, &watch, [&] {
            process.readAll();
            if (reportOutput)
                watch.noteProgress();
        });
        process.start(QStringLiteral("sh"), {QStringLiteral("-c"), script, file});
        QVERIFY(process.waitForStarted());
        watch.start(&process, file, {100, 1000, totalMs});
        const bool endsByItself = script.startsWith(QLatin1String("exit"));
        if (ended)
            QTRY_COMPARE_WITH_TIMEOUT(stalled.size(), 1, 10000);
        else
            QTest::qWait(2500); // over twice the limit
        QCOMPARE(stalled.size(), ended ? 1 : 0);
        QCOMPARE(watch.hasEnded(), ended);
        QCOMPARE(watch.isWatching(), !ended && !endsByItself);
        if (ended || endsByItself)
            QTRY_COMPARE(process.state(), QProcess::NotRunning);
        else
            QCOMPARE(process.state(), QProcess::Running);
        process.kill();
        process.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestProgressWatch)
#include "tst_progresswatch.moc"
