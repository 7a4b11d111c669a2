// Playing a 3840x2160 recording in the media library with the program held to two cores (as on
// a two-core laptop): the memory the program takes over 30 s of playback, how long a pause and
// a seek take to show (from the moment they are queued behind the window's other events until
// the picture stops or shows the new place), how long a real click on the seek bar takes until
// the preview paints the new place (what a user waits for), the memory left after the player closes and
// after the window goes, and then over three rounds of opening the library, playing 8 s and
// closing it again (one window, as the program keeps it): the peak while playing and what
// stays after each close. Prints its figures; run it inside scripts/test-env.sh. Without
// arguments it runs itself again under "taskset -c 0,1".

#include "BenchWindows.h"
#include "library/SeekSlider.h"
#include "library/VideoListDialog.h"
#include "library/VideoPlayer.h"
#include "platform/mac/ProcessMemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

bool ffmpeg(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), QStringList{"-hide_banner", "-loglevel", "error", "-y"} + args);
    return p.waitForFinished(300000) && p.exitCode() == 0;
}

// A 40 s 4K clip at 15 fps with sound: 10 s encoded, then copied four times over.
bool makeClip(const QString &folder, const QString &output)
{
    const QString part = folder + QStringLiteral("/part.mp4");
    return ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=3840x2160:rate=15", "-f", "lavfi", "-i",
                   "sine=frequency=500:sample_rate=48000", "-t", "10", "-c:v", "libx264", "-preset", "ultrafast",
                   "-pix_fmt", "yuv420p", "-g", "15", "-c:a", "aac", part})
           && ffmpeg({"-stream_loop", "3", "-i", part, "-c", "copy", output});
}

void runFor(int ms, const std::function<bool()> &done = {})
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && !(done && done()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

} // namespace

int main(int argc, char *argv[])
{
    keepHeapsCompact(); // as the program's main() does
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::setOrganizationName(QStringLiteral("VistrellePlayerBench"));
    const bool child = argc > 1 && QByteArray(argv[1]) == "--child";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Vistrelle_4k.mp4"));
    if (!child) {
        QElapsedTimer made;
        made.start();
        if (!makeClip(dir.path(), file)) {
            printf("could not make the 4K clip\n");
            return 1;
        }
        printf("4K clip (3840x2160, 15 fps, 40 s) made in %.1f s\n", made.elapsed() / 1000.0);
        QProcess twoCores;
        twoCores.setProcessChannelMode(QProcess::ForwardedChannels);
        twoCores.start(QStringLiteral("taskset"),
                       {"-c", "0,1", QCoreApplication::applicationFilePath(), QStringLiteral("--child"), file});
        twoCores.waitForFinished(-1);
        return 0;
    }
    const QString clip = QString::fromLocal8Bit(argv[2]);
    QSettings().setValue(QStringLiteral("save/directory"), QFileInfo(clip).absolutePath());
    QSettings().remove(QStringLiteral("media/recordedFiles"));

    const double startMb = residentMb();
    auto *window = new VideoListDialog;
    window->show();
    window->loadFromDisk();
    runFor(10000, [&] { return window->currentRecordIndex() >= 0 && window->recordList().value(0).duration > 0; });
    VideoPlayer *player = window->videoPlayer();

    double lastFrameMs = 0;
    double lastPts = -1;
    int frames = 0;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(player, &VideoPlayer::frameReady, [&](const QImage &, double pts) {
        lastFrameMs = double(clock.nsecsElapsed()) / 1e6;
        lastPts = pts;
        ++frames;
    });
    double peakMb = residentMb();
    QTimer sampler;
    QStringList trace; // resident every 5 s of playback
    int samples = 0;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const double now = residentMb();
        peakMb = std::max(peakMb, now);
        if (frames > 0 && ++samples % 50 == 0)
            trace << QString::number(now, 'f', 0);
    });
    sampler.start(100);

    QMetaObject::invokeMethod(window, "onPlayClicked", Qt::QueuedConnection);
    runFor(15000, [&] { return frames > 0; });
    const double playingMb = residentMb();
    const double playStart = double(clock.nsecsElapsed()) / 1e6;

    // 15 s of playback, then a seek back to 5 s queued behind whatever waits: its delay is the
    // time until a picture of 5..6.5 s arrives.
    runFor(15000);
    const double seekAsked = double(clock.nsecsElapsed()) / 1e6;
    QMetaObject::invokeMethod(player, [player] { player->seek(5.0); }, Qt::QueuedConnection);
    runFor(20000, [&] { return lastFrameMs > seekAsked && lastPts >= 5.0 && lastPts < 6.5; });
    const double seekDelay = lastFrameMs > seekAsked && lastPts >= 5.0 && lastPts < 6.5 ? lastFrameMs - seekAsked : -1;

    // A click on the seek bar as a user makes it (a real click at the place of 25 s) while
    // playing: from the press reaching the window to the first paint of the preview after a
    // picture of 25..26.5 s arrived, with the steps between. player->seek() alone, the figure
    // above, leaves out the release that seeks, the window's handling and the paint.
    const double clickTarget = 25.0;
    auto *seekBar = window->findChild<SeekSlider *>(QStringLiteral("Seek"));
    auto *preview = window->findChild<QWidget *>(QStringLiteral("Preview"));
    const QPoint corner = settledCorner(window);
    int clickX = -1;
    for (int x = 0; x < seekBar->width() && player->duration() > 0; ++x) {
        if (seekBar->valueAt(x) <= int(clickTarget / player->duration() * 10000))
            clickX = x;
    }
    const auto now = [&clock] { return double(clock.nsecsElapsed()) / 1e6; };
    double pressed = -1;
    double released = -1;
    double newPlaceFrame = -1;
    double newPlacePainted = -1;
    EventWatch pressWatch(seekBar, [&](QEvent *event) {
        if (event->type() == QEvent::MouseButtonPress && pressed < 0)
            pressed = now();
        else if (event->type() == QEvent::MouseButtonRelease && pressed >= 0 && released < 0)
            released = now();
    });
    const auto newPlace = QObject::connect(player, &VideoPlayer::frameReady, [&](const QImage &, double pts) {
        if (released >= 0 && newPlaceFrame < 0 && pts >= clickTarget - 0.1 && pts < clickTarget + 1.5)
            newPlaceFrame = now();
    });
    EventWatch paintWatch(preview, [&](QEvent *event) {
        if (event->type() == QEvent::Paint && newPlaceFrame >= 0 && newPlacePainted < 0)
            newPlacePainted = now();
    });
    const QPoint clickAt = onScreen(seekBar, QPoint(clickX, seekBar->height() / 2), corner);
    const double clickSent = now();
    if (clickX >= 0)
        QProcess::startDetached(QStringLiteral("xdotool"), {"mousemove", QString::number(clickAt.x()),
                                                            QString::number(clickAt.y()), "click", "1"});
    runFor(20000, [&] { return newPlacePainted >= 0; });
    QObject::disconnect(newPlace);

    // The rest of the 30 s, then Pause as the button does it: its delay is until the last
    // picture arrives (waiting 3 s for stragglers).
    runFor(std::max(0, int(playStart + 30000 - double(clock.nsecsElapsed()) / 1e6)));
    const double pauseAsked = double(clock.nsecsElapsed()) / 1e6;
    double pauseHandled = -1;
    QMetaObject::invokeMethod(window, [&] {
        QMetaObject::invokeMethod(window, "onPlayClicked");
        pauseHandled = double(clock.nsecsElapsed()) / 1e6;
    }, Qt::QueuedConnection);
    runFor(20000, [&] { return pauseHandled > 0; });
    runFor(3000);
    const double pauseDelay = std::max(pauseHandled, lastFrameMs) - pauseAsked;
    const double framesPerSecond = frames / ((pauseAsked - playStart) / 1000.0);
    sampler.stop();
    peakMb = std::max(peakMb, residentMb());

    player->close();
    runFor(1000);
    const double closedMb = residentMb();
    window->hide();
    delete window;
    runFor(1000);
    const double goneMb = residentMb();

    // Three rounds as a user makes them: the library opened, the file played 8 s, closed.
    QStringList roundPeaks;
    QStringList roundsClosed;
    auto *library = new VideoListDialog;
    for (int round = 0; round < 3; ++round) {
        library->show();
        library->loadFromDisk();
        runFor(10000, [&] { return library->currentRecordIndex() >= 0; });
        int roundFrames = 0;
        const auto counting = QObject::connect(library->videoPlayer(), &VideoPlayer::frameReady,
                                               [&](const QImage &, double) { ++roundFrames; });
        QMetaObject::invokeMethod(library, "onPlayClicked", Qt::QueuedConnection);
        runFor(15000, [&] { return roundFrames > 0; });
        double roundPeak = residentMb();
        QElapsedTimer played;
        played.start();
        while (played.elapsed() < 8000) {
            runFor(100);
            roundPeak = std::max(roundPeak, residentMb());
        }
        QObject::disconnect(counting);
        library->close();
        runFor(1000);
        roundPeaks << QString::number(roundPeak, 'f', 0);
        roundsClosed << QString::number(residentMb(), 'f', 0);
    }
    delete library;

    printf("taskset -c 0,1 (%d threads)\n", QThread::idealThreadCount());
    printf("  resident before the window                %.0f MB\n", startMb);
    printf("  resident at the first picture             %.0f MB\n", playingMb);
    printf("  peak resident over 30 s of playback       %.0f MB (growth %.0f MB from the first picture, %.0f MB "
           "from 5 s in)\n",
           peakMb, peakMb - playingMb, peakMb - trace.value(0).toDouble());
    printf("  resident every 5 s of playback            %s MB\n", qPrintable(trace.join(QStringLiteral(", "))));
    printf("  pictures delivered to the window          %.1f per second\n", framesPerSecond);
    printf("  player->seek() until a picture of the place arrives (no click, no paint) %.0f ms\n", seekDelay);
    if (newPlacePainted >= 0) {
        printf("  click on the seek bar to the new picture painted %.0f ms (press reached the window %.0f ms after "
               "xdotool started; release +%.0f ms, picture of the place +%.0f ms, painted +%.0f ms)\n",
               newPlacePainted - pressed, pressed - clickSent, released - pressed, newPlaceFrame - released,
               newPlacePainted - newPlaceFrame);
    } else {
        printf("  click on the seek bar: no picture of %.0f s painted within 20 s (pressed %s, released %s)\n",
               clickTarget, pressed >= 0 ? "yes" : "no", released >= 0 ? "yes" : "no");
    }
    printf("  pause delay (until the last picture)      %.0f ms\n", pauseDelay);
    printf("  resident after the player closed          %.0f MB\n", closedMb);
    printf("  resident after the window was deleted     %.0f MB\n", goneMb);
    printf("  three rounds of play 8 s and close: peak  %s MB\n", qPrintable(roundPeaks.join(QStringLiteral(", "))));
    printf("                          after each close  %s MB\n", qPrintable(roundsClosed.join(QStringLiteral(", "))));
    return 0;
}
