#pragma once
// An X server of a test's own (Xvfb on a free display), for tests that need a desktop
// unlike the shared one: without a compositor, or without some extension. It becomes
// DISPLAY for the process (with the xcb platform) and is stopped with the object.
#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

class PrivateXServer
{
public:
    // `arguments` go to Xvfb after the display and screen options.
    explicit PrivateXServer(const QString &screen, const QStringList &arguments = {})
    {
        m_xvfb.start(QStringLiteral("Xvfb"), QStringList{QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                         QStringLiteral("-screen"), QStringLiteral("0"), screen,
                                                         QStringLiteral("-nolisten"), QStringLiteral("tcp")}
                                                 + arguments);
        QByteArray display;
        if (m_xvfb.waitForStarted(5000)) {
            QElapsedTimer timer;
            timer.start();
            while (!display.contains('\n') && timer.elapsed() < 10000) {
                m_xvfb.waitForReadyRead(100);
                display += m_xvfb.readAllStandardOutput();
            }
        }
        m_ready = display.contains('\n');
        if (m_ready) {
            qputenv("DISPLAY", ":" + display.trimmed());
            qputenv("QT_QPA_PLATFORM", "xcb");
        }
    }
    ~PrivateXServer()
    {
        m_xvfb.terminate();
        if (!m_xvfb.waitForFinished(3000))
            m_xvfb.kill();
        m_xvfb.waitForFinished(1000);
    }
    bool isReady() const { return m_ready; }

private:
    QProcess m_xvfb;
    bool m_ready = false;
};
