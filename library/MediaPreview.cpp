#include "library/MediaPreview.h"

#include "library/MediaLibraryFiles.h"
#include "recording/BoundedOutput.h"
#include "recording/ChildRun.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDeadlineTimer>
#include <QLinearGradient>
#include <QPainter>
#include <QThreadPool>

#include <algorithm>
#include <atomic>

QStringList mediaPreviewArguments(const QString &path, double seconds, bool wholeFrame)
{
    if (isAudioFile(path)) {
        return {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                QStringLiteral("-i"), path, QStringLiteral("-filter_complex"),
                QStringLiteral("[0:a]aformat=channel_layouts=mono,showwavespic=s=1600x420:colors=0xFFFFFF:"
                               "scale=sqrt:draw=full[wave]"),
                QStringLiteral("-map"), QStringLiteral("[wave]"), QStringLiteral("-frames:v"), QStringLiteral("1"),
                QStringLiteral("-f"), QStringLiteral("image2pipe"), QStringLiteral("-vcodec"), QStringLiteral("mjpeg"),
                QStringLiteral("pipe:1")};
    }
    return {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
            QStringLiteral("-ss"), QString::number(seconds, 'f', 2), QStringLiteral("-i"), path,
            QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-vf"),
            wholeFrame ? QStringLiteral("scale=640:360:force_original_aspect_ratio=decrease")
                       : QStringLiteral("scale=360:210:force_original_aspect_ratio=increase,crop=360:210"),
            QStringLiteral("-f"),
            QStringLiteral("image2pipe"), QStringLiteral("-vcodec"), QStringLiteral("mjpeg"), QStringLiteral("pipe:1")};
}

namespace {

// The largest picture file a grab can give: a frame scaled for a card or a preview as JPEG,
// or a whole frame of the largest H.264 or HEVC video (8192 x 4320) as PNG with four bytes a
// pixel. A tool that writes more is not writing a picture.
constexpr qsizetype kScaledPictureLimit = 16 * 1024 * 1024;
constexpr qsizetype kFullFramePictureLimit = qsizetype(8192) * 4320 * 4 + 1024 * 1024;

// Set when the program quits: a grab still running ends at once instead of holding the quit,
// which waits for the pool, until its time-out.
std::atomic_bool grabsAbandoned{false};

QImage runPictureGrab(const QStringList &args, const char *format, qsizetype limit,
                      const std::function<bool()> &wanted = {})
{
    BoundedOutput picture(limit, 1);
    BoundedOutput errors;
    ChildRun process(QProcess::SeparateChannels, &picture, &errors);
    process.setKillWait(3000);
    // Only the cards on screen ask for pictures (a handful at a time): they are grabbed at the
    // metadata probes' priority, or a long list's probes would hold them back for minutes.
    const QDeadlineTimer deadline(12000);
    if (!process.start(resolveToolPath(QStringLiteral("ffmpeg")), args, QIODevice::ReadWrite, deadline))
        return QImage();
    const bool finished = process.waitForEnd(
        deadline, [&] { return (!wanted || wanted()) && picture.complete() && !grabsAbandoned; }, 50);
    if (!finished || !picture.complete()) {
        if (!picture.complete())
            qWarning().noquote() << "[Preview] ffmpeg wrote more than a picture can be; stopped it";
        process.stop();
        return QImage();
    }
    return QImage::fromData(picture.head(), format);
}

} // namespace

QImage grabMediaPreview(const QString &path, double seconds)
{
    return runPictureGrab(mediaPreviewArguments(path, seconds), "JPG", kScaledPictureLimit);
}

QImage grabPlayerStill(const QString &path, double seconds, const std::function<bool()> &wanted)
{
    return runPictureGrab(mediaPreviewArguments(path, seconds, true), "JPG", kScaledPictureLimit, wanted);
}

QImage grabFullFrame(const QString &path, double seconds)
{
    return runPictureGrab({QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                           QStringLiteral("-ss"), QString::number(std::max(seconds, 0.0), 'f', 3),
                           QStringLiteral("-i"), path, QStringLiteral("-frames:v"), QStringLiteral("1"),
                           QStringLiteral("-f"), QStringLiteral("image2pipe"), QStringLiteral("-vcodec"),
                           QStringLiteral("png"), QStringLiteral("pipe:1")},
                          "PNG", kFullFramePictureLimit);
}

QImage waveformAlphaMask(const QImage &image)
{
    if (image.isNull())
        return QImage();
    QImage mask = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < mask.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb px = line[x];
            const int m = std::max({qRed(px), qGreen(px), qBlue(px)});
            const int alpha = m <= 5 ? 0 : m <= 132 ? 2 * m - 10 : 255;
            line[x] = qRgba(alpha, alpha, alpha, alpha); // white, premultiplied
        }
    }
    return mask;
}

QPixmap renderWaveformPixmap(const QImage &image, const QSize &size, bool playedPart)
{
    if (image.isNull() || size.width() < 1 || size.height() <= 0)
        return QPixmap();
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), size), image);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    QLinearGradient gradient(0, 0, 0, size.height());
    if (playedPart) {
        gradient.setColorAt(0, QColor("#2378ff"));
        gradient.setColorAt(0.42, QColor("#50a8ff"));
        gradient.setColorAt(0.5, QColor("#a8e2ff"));
        gradient.setColorAt(0.58, QColor("#50a8ff"));
        gradient.setColorAt(1, QColor("#2378ff"));
    } else {
        gradient.setColorAt(0, QColor("#356fbd"));
        gradient.setColorAt(0.5, QColor("#b5d8ff"));
        gradient.setColorAt(1, QColor("#356fbd"));
    }
    p.fillRect(QRect(QPoint(0, 0), size), gradient);
    return pixmap;
}

QThreadPool *picturePool()
{
    static QThreadPool *pool = [] {
        auto *created = new QThreadPool(qApp);
        created->setMaxThreadCount(3);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, created, [created] {
            created->clear();
            grabsAbandoned = true;
            created->waitForDone();
        });
        return created;
    }();
    return pool;
}
