// The sound server's device lists are followed without holding the GUI thread.
#include "preparation/AudioDeviceWatcher.h"

#include <QtTest>
#include <QLocalServer>
#include <QTemporaryDir>

class TestPrepDevices : public QObject
{
    Q_OBJECT
private slots:
    // A server that takes the connection and never answers makes every query wait its
    // 500 ms: the polls wait on a worker, and the GUI thread's timers keep their pace.
    void pollsLeaveTheGuiThreadFree()
    {
        QTemporaryDir dir;
        QLocalServer silent;
        QVERIFY(silent.listen(dir.filePath(QStringLiteral("native"))));
        qputenv("PULSE_SERVER", QByteArray("unix:") + QFile::encodeName(silent.fullServerName()));
        AudioDeviceWatcher watcher;
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        qint64 longestGap = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&] {
            longestGap = std::max(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        tick.start(20);
        QTest::qWait(3 * AudioDeviceWatcher::PollIntervalMs + 500);
        QVERIFY2(longestGap < 400, qPrintable(QString::number(longestGap)));
        QVERIFY(!watcher.devices().reachable);
    }
};

QTEST_MAIN(TestPrepDevices)
#include "tst_prep_devices.moc"
