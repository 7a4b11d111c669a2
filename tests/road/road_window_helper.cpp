// A window of another process for the window-recording tests: its picture changes
// colour and moves a bar every 100 ms, so that recorded frames must differ over time.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

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
    window.move(200, 150);
    window.show();
    return app.exec();
}
