// Records a band across the top left of the screen, with a clock strip in it (or, with --audio-only, the microphone) into the file named on the
// command line until it is killed. Prints "STARTED <parts folder>" once the first segment
// has media. With --clock it only shows the strip, for a test that holds its own GUI thread,
// and prints "SHOWN" once it is on screen.
#include "ClockStrip.h"
#include "../support/NoisyPicture.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QPainter>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include <cstdio>


int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc == 2 && QByteArray(argv[1]) == "--clock") {
        clockstrip::Strip clock(clockstrip::kPlace);
        clock.show();
        QTimer::singleShot(300, [] {
            std::printf("SHOWN\n");
            std::fflush(stdout);
        });
        return app.exec();
    }
    const bool audioOnly = argc > 2 && QByteArray(argv[1]) == "--audio-only";
    if (argc < 2 || (QByteArray(argv[1]).startsWith("--") && !audioOnly)) {
        std::fprintf(stderr, "usage: final_record_helper [--audio-only] OUTPUT | --clock\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[argc - 1]);
    NoisyPicture moving(QRect(0, 0, 800, 600));
    moving.show();
    clockstrip::Strip clock(clockstrip::kPlace);
    clock.show();
    QWidget *toolbar = makeStandInToolbar();
    // Recordings start on a shared test machine with less than 5 GB free.
    QSettings().setValue(QStringLiteral("save/diskWarning"), false);
    Recorder recorder;
    recorder.excludedWindowId = toolbar->winId();
    recorder.setOutputPath(output);
    recorder.setMouseEffectsEnabled(false);
    // A band round the clock strip, which a busy machine still encodes in real time: a backlog
    // of frames would be lost with the program and hide what the test measures. A quarter of
    // the screen of noise was not: beside eight busy loops the encoder ran at 0.6-0.7x speed
    // and a kill lost 0.6-1.8 s, most of it the queue before the encoder.
    recorder.setCaptureRect(QRect(0, 0, 960, 160));
    if (audioOnly) {
        recorder.setAudioOnly(true);
        recorder.setMicEnabled(true);
        recorder.setMicAudioDevice(QStringLiteral("default"));
    }
    QObject::connect(&recorder, &Recorder::started, [&] {
        std::printf("STARTED %s\n", qPrintable(Recorder::partsFolderFor(output)));
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
