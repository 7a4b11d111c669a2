// Records the screen into the file named on the command line until it is killed.
// Prints "STARTED <parts folder>" once the first segment has media.
#include "NoisyPicture.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>


int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: final_record_helper OUTPUT\n");
        return 2;
    }
    NoisyPicture moving(QRect(0, 0, 800, 600));
    moving.show();
    QWidget *toolbar = makeStandInToolbar();
    Recorder recorder;
    recorder.excludedWindowId = toolbar->winId();
    recorder.setOutputPath(QString::fromLocal8Bit(argv[1]));
    recorder.setMouseEffectsEnabled(false);
    QObject::connect(&recorder, &Recorder::started, [&] {
        std::printf("STARTED %s\n", qPrintable(Recorder::partsFolderFor(QString::fromLocal8Bit(argv[1]))));
        std::fflush(stdout);
    });
    QObject::connect(&recorder, &Recorder::errorOccurred, [](const QString &e) {
        std::fprintf(stderr, "ERROR %s\n", qPrintable(e));
        QCoreApplication::exit(1);
    });
    QTimer::singleShot(500, &recorder, [&] { recorder.start(); });
    const int code = app.exec();
    delete toolbar;
    return code;
}
