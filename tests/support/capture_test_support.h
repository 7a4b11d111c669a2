#pragma once
// Helpers shared by the capture end-to-end tests.
#include <QtTest>
#include <QImage>
#include <QProcess>
#include <QWidget>

#include "platform/mac/MacWindowHelpers.h"

#include <functional>
#include <optional>
#include <memory>

#include <poll.h>
#include <unistd.h>

namespace {

// A window of another process: the capture layer leaves the own process's windows out.
class HelperWindow
{
public:
    bool open(const QString &title, const QString &colour, const QRect &geometry)
    {
        m_process = std::make_unique<QProcess>();
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process->start(QStringLiteral(CAPTURE_TEST_WINDOW),
                         {title, colour, QString::number(geometry.x()), QString::number(geometry.y()),
                          QString::number(geometry.width()), QString::number(geometry.height())});
        if (!m_process->waitForStarted(5000))
            return false;
        QElapsedTimer timer;
        timer.start();
        QByteArray line;
        while (!line.contains('\n') && timer.elapsed() < 10000) {
            m_process->waitForReadyRead(200);
            line += m_process->readAllStandardOutput();
        }
        const QList<QByteArray> words = line.trimmed().split(' ');
        if (words.size() != 2 || words.first() != "ready")
            return false;
        m_id = words.at(1).toULongLong();
        QTest::qWait(200); // let the compositor show it
        return m_id != 0;
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

    ~HelperWindow() { close(); }
    quint64 id() const { return m_id; }

private:
    std::unique_ptr<QProcess> m_process;
    quint64 m_id = 0;
};

inline bool allOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const quint32 *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] >> 24) != 0xFF)
                return false;
        }
    }
    return true;
}

// Reads the pipe the way the encoder does, for about `seconds`, returning all bytes.
inline QByteArray readPipe(int fd, double seconds, const std::function<void(qint64)> &atMs = {})
{
    QByteArray data;
    QElapsedTimer timer;
    timer.start();
    char buffer[16384];
    while (timer.elapsed() < seconds * 1000) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 50) > 0) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0)
                data.append(buffer, n);
        }
        if (atMs)
            atMs(timer.elapsed());
    }
    return data;
}

// Asks for a window preview; the picture when the callback ran exactly once and
// not inside the call, nullopt otherwise.
inline std::optional<QImage> previewOnce(quint64 windowNumber)
{
    int calls = 0;
    QImage preview;
    captureMacWindowPreview(windowNumber, [&](QImage image) {
        ++calls;
        preview = image;
    });
    if (calls != 0)
        return std::nullopt;
    QElapsedTimer timer;
    timer.start();
    while (calls == 0 && timer.elapsed() < 5000)
        QTest::qWait(10);
    QTest::qWait(100);
    if (calls != 1)
        return std::nullopt;
    return preview;
}

// A small frameless tool window of our own, standing for the recording toolbar.
inline std::unique_ptr<QWidget> showToolbar(const QRect &geometry)
{
    auto toolbar = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    toolbar->setGeometry(geometry);
    toolbar->show();
    if (!QTest::qWaitForWindowExposed(toolbar.get()))
        return nullptr;
    return toolbar;
}

} // namespace
