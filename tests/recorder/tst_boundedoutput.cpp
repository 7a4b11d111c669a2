// BoundedOutput: what a child writes is kept as its head and its tail, and handed out in lines.
#include "recording/BoundedOutput.h"

#include <QtTest>

class TestBoundedOutput : public QObject
{
    Q_OBJECT
private slots:
    void keepsHeadTailAndLines_data()
    {
        QTest::addColumn<int>("headLimit");
        QTest::addColumn<int>("tailLimit");
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::newRow("all kept") << 4 << 4 << QByteArrayList{"ab", "cd"} << QByteArray("abcd") << QByteArray("abcd")
                                  << QByteArray("abcd") << QByteArrayList{"abcd"};
        QTest::newRow("head and tail across chunks")
            << 3 << 4 << QByteArrayList{"ab", "cdef", "ghijkl"} << QByteArray("abc") << QByteArray("ijkl")
            << QByteArray("abc\n[...]\nijkl") << QByteArrayList{"abcd"};
        QTest::newRow("tail reaches into the head") << 4 << 6 << QByteArrayList{"abc", "def"} << QByteArray("abcd")
                                                    << QByteArray("abcdef") << QByteArray("abcdef")
                                                    << QByteArrayList{"abcdef"};
        // "\r\n" is one line break, also split between two reads; "\r" (progress) is one too.
        QTest::newRow("\\r\\n and \\r") << 0 << 16 << QByteArrayList{"a\r", "\nb\rc\n"} << QByteArray()
                                        << QByteArray("a\r\nb\rc\n") << QByteArray("a\r\nb\rc\n")
                                        << QByteArrayList{"a", "b", "c"};
        QTest::newRow("empty lines kept") << 0 << 16 << QByteArrayList{"a\n\nb\r\n\r\nc"} << QByteArray()
                                          << QByteArray("a\n\nb\r\n\r\nc") << QByteArray("a\n\nb\r\n\r\nc")
                                          << QByteArrayList{"a", "", "b", "", "c"};
        QTest::newRow("line longer than the tail") << 0 << 4 << QByteArrayList{"abcdef", "gh\nij", "klmn\n"}
                                                   << QByteArray() << QByteArray("lmn\n") << QByteArray("\n[...]\nlmn\n")
                                                   << QByteArrayList{"abcd", "ijkl"};
    }
    void keepsHeadTailAndLines()
    {
        QFETCH(int, headLimit);
        QFETCH(int, tailLimit);
        QFETCH(QByteArrayList, chunks);
        QByteArrayList lines;
        BoundedOutput output(headLimit, tailLimit);
        output.setLineReader([&lines](const QByteArray &line) { lines << line; });
        qint64 total = 0;
        for (const QByteArray &chunk : chunks) {
            output.append(chunk);
            total += chunk.size();
        }
        output.finishLines();
        QTEST(output.head(), "head");
        QTEST(output.tail(), "tail");
        QTEST(output.text(), "text");
        QTEST(lines, "lines");
        QCOMPARE(output.total(), total);
        QCOMPARE(output.complete(), total <= headLimit);
    }
};

QTEST_GUILESS_MAIN(TestBoundedOutput)
#include "tst_boundedoutput.moc"
