// A window of another process for the recording tests and benchmarks: its picture
// changes colour and moves a bar every frame, so that recorded frames differ over time.
//   --tiny        a 1x1 window, too small to be a recording's first frame
//   --fullscreen  covers the 1920x1080 screen and animates at 30 frames per second
//   --calm        keeps its colour: only the bar moves (cheap to encode, even on a busy machine)
//   --flash       paints the picture white for 500 ms for every line read on stdin
// Prints its X window id on the first line of its output.
#include <QApplication>
#include <QPainter>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {

class ChangingWindow : public QWidget
{
public:
    ChangingWindow(int periodMs, bool calm)
        : m_calm(calm)
    {
        setWindowTitle(QStringLiteral("Road helper window"));
        resize(401, 301);
        auto* timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this] {
            ++m_step;
            update();
        });
        timer->start(periodMs);
    }

    void flash()
    {
        m_flashing = true;
        repaint();
        QTimer::singleShot(500, this, [this] { m_flashing = false; });
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (m_flashing) {
            painter.fillRect(rect(), Qt::white);
            return;
        }
        painter.fillRect(rect(), QColor::fromHsv(m_calm ? 210 : (m_step * 17) % 360, 200, 120));
        painter.fillRect(QRect((m_step * 10) % width(), 0, 40, height()), Qt::black);
    }

private:
    const bool m_calm;
    int m_step = 0;
    bool m_flashing = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool fullScreen = args.contains(QStringLiteral("--fullscreen"));
    ChangingWindow window(fullScreen ? 33 : 100, args.contains(QStringLiteral("--calm")));
    if (args.contains(QStringLiteral("--tiny"))) {
        window.setWindowTitle(QStringLiteral("Road tiny window"));
        window.setFixedSize(1, 1);
    }
    if (fullScreen) {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setGeometry(0, 0, 1920, 1080);
    } else {
        window.move(200, 150);
    }
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    input.setEnabled(args.contains(QStringLiteral("--flash")));
    QObject::connect(&input, &QSocketNotifier::activated, &window, [&] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            return;
        }
        window.flash();
    });
    window.show();
    std::printf("%llu\n", static_cast<unsigned long long>(window.winId()));
    std::fflush(stdout);
    return app.exec();
}
