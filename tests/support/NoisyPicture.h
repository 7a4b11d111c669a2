#pragma once
// A frameless window whose picture changes every frame, for recordings with real motion.

#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

// A frameless window that paints a new picture about every frame.
class TickingPicture : public QWidget
{
public:
    explicit TickingPicture(const QRect &geometry)
    {
        setWindowFlags(Qt::FramelessWindowHint);
        setGeometry(geometry);
        m_timer.callOnTimeout(this, [this] {
            ++m_step;
            update();
        });
        m_timer.start(33);
    }

protected:
    int step() const { return m_step; }

private:
    QTimer m_timer;
    int m_step = 0;
};

// Keeps the screen moving, with noise that does not compress, so that files grow steadily.
class NoisyPicture : public TickingPicture
{
public:
    explicit NoisyPicture(const QRect &geometry)
        : TickingPicture(geometry)
        , m_noise(2048, 1200, QImage::Format_RGB32)
    {
        quint32 seed = 12345;
        for (int y = 0; y < m_noise.height(); ++y) {
            auto *line = reinterpret_cast<quint32 *>(m_noise.scanLine(y));
            for (int x = 0; x < m_noise.width(); ++x) {
                seed = seed * 1664525u + 1013904223u;
                line[x] = 0xff000000u | (seed >> 8);
            }
        }
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const int s = step();
        p.drawImage(QPoint(-((s * 37) % 128), -((s * 23) % 120)), m_noise);
        for (int i = 0; i < 12; ++i)
            p.fillRect(QRect((s * (7 + i)) % width(), 60 + i * 80, 90, 60), QColor::fromHsv(i * 30, 255, 255));
    }

private:
    QImage m_noise;
};

// Stands in for the floating toolbar that screen recordings keep out of the picture.
inline QWidget *makeStandInToolbar()
{
    auto *toolbar = new QWidget;
    toolbar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    toolbar->setGeometry(1700, 20, 120, 40);
    toolbar->show();
    return toolbar;
}
