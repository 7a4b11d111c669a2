#pragma once
// The private sound server of the test desktop, as the controls' end-to-end tests use
// it: pactl commands and tones played into a sink.
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QString>
#include <QStringList>

namespace {

// pactl's answer (a module number for load-module), empty when it gave none.
inline QString pactl(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// A tone played into a sink for as long as the object lives (or the file lasts).
class Tone
{
public:
    Tone(const QString &file, const QString &sink)
    {
        const int before = playingStreams();
        m_process.start(QStringLiteral("paplay"), {QStringLiteral("-d"), sink, file});
        m_process.waitForStarted(3000);
        // On a busy machine paplay reaches the server a while after it starts: the tone is
        // playing once its stream is there.
        QElapsedTimer waited;
        waited.start();
        while (m_process.state() == QProcess::Running && waited.elapsed() < 5000
               && playingStreams() <= before)
            QThread::msleep(50);
    }
    ~Tone()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

private:
    static int playingStreams()
    {
        const QString streams = pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
        return streams.isEmpty() ? 0 : int(streams.count(QLatin1Char('\n'))) + 1;
    }

    QProcess m_process;
};

} // namespace
