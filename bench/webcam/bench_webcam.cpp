// Cost of one camera picture on the GUI thread, for 1280x720 and 1920x1080 pictures:
// the conversion of a camera frame (once for every user of the camera), the webcam
// page's handling of a new picture (composition of the recorded picture and the
// preview at 930x420) in each framing, a Recorder pull of an unchanged picture, and
// one paint of the webcam bubble. Prints milliseconds per picture (median of 30).
//
//   QT_QPA_PLATFORM=offscreen build/bench/webcam/bench_webcam

#include "overlays/CameraOverlay.h"
#include "platform/mac/CameraHub.h"
#include "preparation/CameraRecordingPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <QVideoSink>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

QVideoFrame frameOf(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QVideoFrame frame(QVideoFrameFormat(argb.size(), QVideoFrameFormat::Format_BGRA8888));
    frame.map(QVideoFrame::WriteOnly);
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(frame.bits(0) + y * frame.bytesPerLine(0), argb.constScanLine(y), size_t(argb.width()) * 4);
    frame.unmap();
    return frame;
}

// A camera-like YUYV frame (what V4L2 cameras commonly deliver).
QVideoFrame yuyvFrame(QSize size)
{
    QVideoFrame frame(QVideoFrameFormat(size, QVideoFrameFormat::Format_YUYV));
    frame.map(QVideoFrame::WriteOnly);
    for (int y = 0; y < size.height(); ++y) {
        uchar *line = frame.bits(0) + y * frame.bytesPerLine(0);
        for (int x = 0; x < size.width() * 2; ++x)
            line[x] = uchar((x + y) & 0xff);
    }
    frame.unmap();
    return frame;
}

QImage testPicture(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, Qt::red);
    gradient.setColorAt(1, Qt::blue);
    painter.fillRect(image.rect(), gradient);
    return image;
}

// Median time of `work`; `prepare` runs untimed before each run.
double medianMs(int runs, const std::function<void()> &work, const std::function<void()> &prepare = {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    CameraDeviceInfo device;
    device.id = "/dev/video-bench";
    device.description = QStringLiteral("Bench Camera");
    CameraHub::setTestDevices(QList<CameraDeviceInfo>{device});

    for (const QSize size : {QSize(1280, 720), QSize(1920, 1080)}) {
        std::printf("picture %dx%d\n", size.width(), size.height());
        // A video frame keeps its converted image: every run gets a fresh frame.
        const QImage picture = testPicture(size);
        const QImage mirroredPicture = picture.mirrored(true, false);
        QVideoFrame fresh;
        int serial = 0;
        const auto nextBgra = [&]() { fresh = frameOf(++serial % 2 ? picture : mirroredPicture); };
        const auto nextYuyv = [&]() { fresh = yuyvFrame(size); };
        for (const auto &[name, next] : {std::pair<const char *, std::function<void()>>{"BGRA", nextBgra},
                                         std::pair<const char *, std::function<void()>>{"YUYV", nextYuyv}}) {
            next();
            if (fresh.toImage().isNull()) {
                std::printf("  conversion of a %s frame: not convertible here\n", name);
                continue;
            }
            const double conversion = medianMs(
                30,
                [&fresh]() {
                    QImage image = fresh.toImage();
                    if (image.format() != QImage::Format_RGB32)
                        image = std::move(image).convertToFormat(QImage::Format_RGB32);
                },
                next);
            std::printf("  conversion of a %s frame (once for all camera users) %6.2f ms\n", name, conversion);
        }

        CameraRecordingPage page;
        page.resize(980, 640);
        page.show();
        page.startPreview();
        QVideoSink *sink = CameraHub::instance().sinkFor(device.id);
        QLabel *preview = page.findChild<QLabel *>(QStringLiteral("CameraPreview"));
        preview->setFixedSize(930, 420);
        const QList<QPushButton *> framing = page.findChildren<QPushButton *>(QStringLiteral("CameraFloatingButton"));
        struct Framing { const char *name; bool portrait; bool fill; };
        const Framing framings[] = {{"landscape fit ", false, false}, {"landscape fill", false, true},
                                    {"portrait fit  ", true, false}, {"portrait fill ", true, true}};
        for (const Framing &f : framings) {
            framing[1]->setChecked(f.portrait);
            framing[2]->setChecked(f.fill);
            framing[0]->setChecked(true); // mirrored, as by default in the bubble
            const double handled = medianMs(30, [sink, &fresh]() { sink->setVideoFrame(fresh); }, nextBgra);
            const double pull = medianMs(30, [&page]() { (void)page.recordingFrame(); });
            std::printf("  %s: new picture (conversion, composition, preview) %6.2f ms, unchanged pull %6.3f ms\n",
                        f.name, handled, pull);
        }
        page.stopPreview();

        CameraOverlay bubble;
        bubble.startCamera(QString::fromUtf8(device.id), 0, 0, 1, 3, 50, true, QRect(0, 0, 1920, 1080));
        nextBgra();
        CameraHub::instance().sinkFor(device.id)->setVideoFrame(fresh);
        QImage target(bubble.size(), QImage::Format_ARGB32_Premultiplied);
        const double paint = medianMs(30, [&bubble, &target]() { bubble.render(&target); });
        std::printf("  bubble paint %dx%d                           %6.2f ms\n", bubble.width(), bubble.height(), paint);
        bubble.stopCamera();
    }
    return 0;
}
