// Shows one plain coloured window with the given title and geometry and prints
// "ready <window id>" once it is on screen. Runs until killed or its stdin closes.
//   capture_test_window TITLE #RRGGBB X Y WIDTH HEIGHT
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 7) {
        std::fprintf(stderr, "usage: %s TITLE #RRGGBB X Y WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    QWidget window;
    window.setWindowTitle(args.at(1));
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(args.at(2)));
    window.setPalette(palette);
    window.setGeometry(args.at(3).toInt(), args.at(4).toInt(), args.at(5).toInt(), args.at(6).toInt());
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
