// A window of another process for the window-recording tests: its picture changes
// colour and moves a bar every 100 ms, so that recorded frames must differ over time.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class ChangingWindow : public QWidget
{
public:
    ChangingWindow()
    {
        setWindowTitle(QStringLiteral("Road helper window"));
        resize(401, 301);
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            ++m_step;
            update();
        });
        timer->start(100);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor::fromHsv((m_step * 17) % 360, 200, 220));
        painter.fillRect(QRect((m_step * 10) % width(), 0, 40, height()), Qt::black);
    }

private:
    int m_step = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ChangingWindow window;
    // "--tiny" gives a 1x1 window, too small to be a recording's first frame.
    if (app.arguments().contains(QStringLiteral("--tiny"))) {
        window.setWindowTitle(QStringLiteral("Road tiny window"));
        window.setFixedSize(1, 1);
    }
    window.move(200, 150);
    window.show();
    // Tells the test which window to record.
    std::printf("%llu\n", static_cast<unsigned long long>(window.winId()));
    std::fflush(stdout);
    return app.exec();
}
