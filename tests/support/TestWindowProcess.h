#pragma once
// A plain coloured window of another process (capture_test_window): the capture layer and
// the window picker leave the own process's windows out, and click-through is about clicks
// reaching another program.
#include <QtTest>
#include <QProcess>

#include <memory>
#include <optional>

namespace {

class TestWindowProcess
{
public:
    bool open(const QString &title, const QString &colour, const QRect &geometry,
              bool reportClicks = false)
    {
        m_process = std::make_unique<QProcess>();
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList args = {title, colour, QString::number(geometry.x()), QString::number(geometry.y()),
                            QString::number(geometry.width()), QString::number(geometry.height())};
        if (reportClicks)
            args << QStringLiteral("--report-clicks");
        m_process->start(QStringLiteral(CAPTURE_TEST_WINDOW), args);
        if (!m_process->waitForStarted(5000))
            return false;
        const std::optional<QByteArray> ready = nextLine(10000);
        if (!ready || !ready->startsWith("ready "))
            return false;
        m_id = ready->mid(6).toULongLong();
        QTest::qWait(200); // let the compositor show it
        return m_id != 0;
    }

    // The next "click X Y" line, within `timeoutMs`.
    std::optional<QPoint> nextClick(int timeoutMs = 3000)
    {
        const std::optional<QByteArray> line = nextLine(timeoutMs);
        if (!line || !line->startsWith("click "))
            return std::nullopt;
        const QList<QByteArray> words = line->split(' ');
        return QPoint(words.value(1).toInt(), words.value(2).toInt());
    }

    void kill()
    {
        if (!m_process)
            return;
        m_process->kill();
        m_process->waitForFinished(3000);
        m_process.reset();
    }

    void close()
    {
        if (!m_process)
            return;
        m_process->closeWriteChannel();
        if (!m_process->waitForFinished(5000))
            m_process->kill();
        m_process->waitForFinished(2000);
        m_process.reset();
    }

    ~TestWindowProcess() { close(); }
    quint64 id() const { return m_id; }

private:
    std::optional<QByteArray> nextLine(int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_buffer.contains('\n')) {
            if (timer.elapsed() > timeoutMs)
                return std::nullopt;
            // Keep our own windows answering while we wait.
            QTest::qWait(20);
            m_buffer += m_process->readAllStandardOutput();
        }
        const int end = int(m_buffer.indexOf('\n'));
        const QByteArray line = m_buffer.left(end).trimmed();
        m_buffer.remove(0, end + 1);
        return line;
    }

    std::unique_ptr<QProcess> m_process;
    QByteArray m_buffer;
    quint64 m_id = 0;
};

} // namespace
