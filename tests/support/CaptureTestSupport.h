#pragma once
// Helpers shared by the capture end-to-end tests.
#include <QtTest>
#include <QImage>
#include <QProcess>
#include <QWidget>

#include "TestWindowProcess.h"
#include "platform/mac/MacWindowHelpers.h"

#include <functional>
#include <optional>
#include <memory>

#include <poll.h>
#include <unistd.h>

namespace {

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
