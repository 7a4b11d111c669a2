// Shows one plain coloured window with the given title and geometry and prints
// "ready <window id>" once it is on screen. Runs until killed or its stdin closes.
// With --report-clicks it also prints "click X Y" (window coordinates) for each press.
// The colour "pattern" fills it with 48-pixel cells of colours that differ from cell to
// cell and from window to window (by the title), for telling places in a picture apart.
//   capture_test_window TITLE #RRGGBB|pattern X Y WIDTH HEIGHT [--report-clicks]
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {

class ClickReporter : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            const QPoint p = static_cast<QMouseEvent *>(event)->position().toPoint();
            std::printf("click %d %d\n", p.x(), p.y());
            std::fflush(stdout);
        }
        return QObject::eventFilter(watched, event);
    }
};

class Pattern : public QWidget
{
public:
    explicit Pattern(bool cells, uint seed) : m_cells(cells), m_seed(seed) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_cells)
            return;
        QPainter painter(this);
        constexpr int Cell = 48;
        for (int y = 0; y * Cell < height(); ++y)
            for (int x = 0; x * Cell < width(); ++x)
                painter.fillRect(x * Cell, y * Cell, Cell, Cell,
                                 QColor((x * 67 + y * 13 + int(m_seed)) % 256, (y * 71 + x * 29) % 256,
                                        (x * 43 + y * 97 + int(m_seed) * 7) % 256));
    }

private:
    bool m_cells;
    uint m_seed;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool reportClicks = args.size() == 8 && args.at(7) == QLatin1String("--report-clicks");
    if (args.size() != 7 && !reportClicks) {
        std::fprintf(stderr, "usage: %s TITLE #RRGGBB X Y WIDTH HEIGHT [--report-clicks]\n", argv[0]);
        return 2;
    }
    const bool cells = args.at(2) == QLatin1String("pattern");
    Pattern window(cells, qHash(args.at(1)) % 256);
    window.setWindowTitle(args.at(1));
    if (!cells) {
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(args.at(2)));
        window.setPalette(palette);
    }
    window.setGeometry(args.at(3).toInt(), args.at(4).toInt(), args.at(5).toInt(), args.at(6).toInt());
    ClickReporter reporter;
    if (reportClicks)
        window.installEventFilter(&reporter);
    window.show();

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    QTimer::singleShot(300, &app, [&] {
        std::printf("ready %llu\n", static_cast<unsigned long long>(window.winId()));
        std::fflush(stdout);
    });
    return app.exec();
}
