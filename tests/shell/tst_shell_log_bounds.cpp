// What bounds the diagnostic log: a child's flood of output keeps its first lines and a count
// of the rest, a log file never passes its cap (one previous part kept), and a thread that
// logs never waits for a writer that the disk holds up.

#include "app/LogOutputBudget.h"
#include "app/LogWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

class TestLogBounds : public QObject
{
    Q_OBJECT

private slots:
    void floodKeepsItsFirstLinesAndACount();
    void fileNeverPassesItsCap();
    void callerNeverWaitsForAStalledDisk();
};

void TestLogBounds::floodKeepsItsFirstLinesAndACount()
{
    LogOutputBudget budget({100, 32 * 1024, 10000});
    QStringList notes;
    // A chunk of 250 lines keeps its first 100.
    QString chunk = QStringLiteral("[FFmpeg output] frame=0");
    for (int i = 1; i < 250; ++i)
        chunk += QStringLiteral("\nframe=%1").arg(i);
    qsizetype leftOut = chunk.size();
    QVERIFY(budget.admit(&chunk, 0, &notes));
    QVERIFY(chunk.endsWith(QLatin1String("\nframe=98\nframe=99")));
    leftOut -= chunk.size();

    int kept = 0;
    for (int i = 0; i < 10000; ++i) {
        QString line = QStringLiteral("[FFmpeg output] frame=%1 fps=30").arg(i);
        leftOut += line.size();
        kept += budget.admit(&line, i / 2, &notes);
    }
    QCOMPARE(kept, 0);
    QVERIFY(notes.isEmpty());
    // Other messages and other children's output keep their own way.
    QString other = QStringLiteral("[Recorder] stopped");
    QVERIFY(budget.admit(&other, 4000, &notes));
    QString watermark = QStringLiteral("[Watermark output] frame=1");
    QVERIFY(budget.admit(&watermark, 4000, &notes));

    // The interval over, the count comes before the next line, which gets in.
    QString next = QStringLiteral("[FFmpeg output] frame=10000");
    QVERIFY(budget.admit(&next, 10001, &notes));
    QCOMPARE(notes, QStringList({QStringLiteral("[FFmpeg output] 10150 more lines (%1 bytes) left out of the log")
                                     .arg(leftOut)}));
}

void TestLogBounds::fileNeverPassesItsCap()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.log"));
    LogWriter writer(path, {64 * 1024, 1024 * 1024, 100000});
    QVERIFY(writer.open());
    const QByteArray filler(190, 'x');
    for (int i = 0; i < 2000; ++i)
        writer.post(QByteArray::number(i) + ' ' + filler + '\n');
    writer.stop();
    QCOMPARE(writer.droppedLines(), 0);

    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("run.log"), QStringLiteral("run.log.1")}));
    // The previous part was filled up to its cap.
    QVERIFY2(QFileInfo(path + QStringLiteral(".1")).size() > 60 * 1024, qPrintable(QString::number(QFileInfo(path + QStringLiteral(".1")).size())));
    for (const QString &name : {path, path + QStringLiteral(".1")})
        QVERIFY2(QFileInfo(name).size() <= 64 * 1024, qPrintable(QString::number(QFileInfo(name).size())));
    QFile current(path);
    QVERIFY(current.open(QIODevice::ReadOnly));
    const QByteArray text = current.readAll();
    QVERIFY(text.startsWith("[Log] Continued from " + QFile::encodeName(path) + ".1\n"));
    QVERIFY(text.endsWith("1999 " + filler + '\n'));
}

void TestLogBounds::callerNeverWaitsForAStalledDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.log"));
    LogWriter writer(path, {8 * 1024 * 1024, 1024 * 1024, 1000});
    QVERIFY(writer.open());
    writer.holdBack(true);

    // Logs from a thread of its own, so that a caller that waits shows as a timeout here.
    const int total = 20000;
    std::atomic<qint64> slowestNs{0};
    QThread *caller = QThread::create([&] {
        QElapsedTimer timer;
        for (int i = 0; i < total; ++i) {
            timer.start();
            writer.post("line " + QByteArray::number(i) + '\n');
            slowestNs = std::max<qint64>(slowestNs, timer.nsecsElapsed());
        }
    });
    caller->start();
    const bool returned = caller->wait(10000);
    writer.holdBack(false);
    QVERIFY(caller->wait(10000));
    delete caller;
    QVERIFY2(returned, "a post waited for the held-back writer");
    QVERIFY2(slowestNs < 50'000'000, qPrintable(QString::number(slowestNs / 1000) + " us"));

    const qint64 dropped = writer.droppedLines();
    QVERIFY(dropped > 0);
    writer.stop();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    // What was dropped is counted in the file, in one note or a few.
    const QRegularExpression note(QStringLiteral("^\\[Log\\] (\\d+) lines dropped: the log writer could not keep up$"));
    qint64 counted = 0;
    int notes = 0;
    for (const QByteArray &line : lines) {
        if (const auto match = note.match(QString::fromUtf8(line)); match.hasMatch()) {
            counted += match.captured(1).toLongLong();
            ++notes;
        }
    }
    QCOMPARE(counted, dropped);
    QCOMPARE(lines.size() - 1 - notes + dropped, total); // the empty end aside
}

QTEST_GUILESS_MAIN(TestLogBounds)

#include "tst_shell_log_bounds.moc"
