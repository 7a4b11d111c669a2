#pragma once
// A strip of black and white cells that shows the wall clock (milliseconds, 24 bits) on
// screen, and the reader that finds it again in every frame of a recording: the time
// a recording lost or kept is then measured on the recorded pictures themselves.

#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace clockstrip {

constexpr int kBits = 24;
constexpr int kCell = 40;
// Where the tests show it: below the panel that a window manager's desktop keeps along the top.
constexpr QPoint kPlace(0, 100);

// The clock as the strip shows it.
inline qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch() & ((1 << kBits) - 1);
}

// Milliseconds from `earlier` to `later` on the 24-bit clock (which wraps every 4.6 hours).
inline qint64 span(qint64 earlier, qint64 later)
{
    return (later - earlier + (1 << kBits)) % (1 << kBits);
}

// The same, negative when `later` is earlier (by less than half the clock's cycle).
inline qint64 difference(qint64 earlier, qint64 later)
{
    const qint64 forward = span(earlier, later);
    return forward < (1 << (kBits - 1)) ? forward : forward - (1 << kBits);
}

class Strip : public QWidget
{
public:
    explicit Strip(const QPoint &at)
    {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setGeometry(QRect(at, QSize(kBits * kCell, kCell)));
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.callOnTimeout(this, [this] { repaint(); });
        m_timer.start(4);
    }

    // How long the screen went on showing `code` after this strip painted it: until its next
    // paint, which comes late while this thread is held (by a recorder's work on it); a
    // picture of that moment shows the older clock. 0 for a code it did not paint.
    qint64 heldOnScreenMs(qint64 code) const
    {
        const qsizetype at = m_painted.lastIndexOf(code);
        return at >= 0 && at + 1 < m_painted.size() ? std::max<qint64>(0, difference(code, m_painted.at(at + 1))) : 0;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const qint64 code = now();
        if (m_painted.size() >= 100000)
            m_painted.remove(0, 50000);
        m_painted.append(code);
        for (int bit = 0; bit < kBits; ++bit)
            p.fillRect(QRect(bit * kCell, 0, kCell, kCell), (code >> (kBits - 1 - bit)) & 1 ? Qt::white : Qt::black);
    }

private:
    QTimer m_timer;
    QList<qint64> m_painted; // every clock painted, oldest first
};

// The clock the screen shows at this moment in the strip at `at` (a grab of the screen, as a
// recording takes it, read at each cell's centre); -1 without a screen to grab.
inline qint64 shown(const QPoint &at = kPlace)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QImage cells = screen ? screen->grabWindow(0, at.x(), at.y(), kBits * kCell, kCell).toImage() : QImage();
    if (cells.width() < kBits * kCell || cells.height() < kCell)
        return -1;
    qint64 code = 0;
    for (int bit = 0; bit < kBits; ++bit)
        code = (code << 1) | (qGray(cells.pixel(bit * kCell + kCell / 2, kCell / 2)) >= 128 ? 1 : 0);
    return code;
}

struct Frame {
    qint64 ptsMs = 0;
    qint64 clockMs = 0;
};

// The presentation time and the shown clock of every frame of `file`, whose picture
// has the strip at `at` of the screen, scaled by `scale` (a recording made smaller than the
// screen). Empty when the file cannot be read.
inline QList<Frame> read(const QString &file, const QPoint &at = kPlace, double scale = 1.0)
{
    QProcess times;
    times.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                                            QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                                            QStringLiteral("frame=pts_time"), QStringLiteral("-of"),
                                            QStringLiteral("csv=p=0"), file});
    QProcess cells;
    cells.start(QStringLiteral("ffmpeg"),
                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), file, QStringLiteral("-an"),
                 QStringLiteral("-vf"),
                 QStringLiteral("crop=%1:%2:%3:%4,scale=%5:1:flags=area")
                     .arg(qRound(kBits * kCell * scale))
                     .arg(int(kCell * scale)) // whole rows of the strip only
                     .arg(qRound(at.x() * scale))
                     .arg(int(std::ceil(at.y() * scale)))
                     .arg(kBits),
                 QStringLiteral("-fps_mode"), QStringLiteral("passthrough"), QStringLiteral("-f"),
                 QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), QStringLiteral("gray"), QStringLiteral("-")});
    if (!times.waitForFinished(60000) || !cells.waitForFinished(60000) || times.exitCode() || cells.exitCode())
        return {};
    const QList<QByteArray> lines = times.readAllStandardOutput().split('\n');
    const QByteArray pixels = cells.readAllStandardOutput();
    // A frame with side data (a segment's first key frame) ends its line with a comma and
    // is followed by an empty line: the n-th time goes with the n-th picture, whatever the
    // lines between them.
    QList<Frame> frames;
    qsizetype picture = 0;
    for (const QByteArray &line : lines) {
        const QByteArray field = line.split(',').first().trimmed();
        if (field.isEmpty())
            continue;
        if ((picture + 1) * kBits > pixels.size())
            break;
        bool ok = false;
        const double pts = field.toDouble(&ok);
        qint64 code = 0;
        for (int bit = 0; bit < kBits; ++bit)
            code = (code << 1) | (quint8(pixels.at(picture * kBits + bit)) >= 128 ? 1 : 0);
        ++picture;
        if (ok)
            frames.append({qint64(pts * 1000.0 + 0.5), code});
    }
    return frames;
}

// Milliseconds of shown clock that the file's own duration leaves out: positive when the
// recording lost time between its first and last frame, negative when it has more.
inline qint64 lostMs(const QList<Frame> &frames)
{
    if (frames.size() < 2)
        return 0;
    return span(frames.first().clockMs, frames.last().clockMs) - (frames.last().ptsMs - frames.first().ptsMs);
}

// lostMs taken over the first and the last `window` frames rather than over one frame at
// each end: the picture a frame shows may be up to a frame older than its neighbours' (the
// grab and the strip keep clocks of their own), so single frames are a frame apart at random.
inline qint64 steadyLostMs(const QList<Frame> &frames, int window = 30)
{
    if (frames.size() < 2 * window)
        return lostMs(frames);
    const auto offsetsMedian = [&frames](int from, int count) {
        QList<qint64> offsets;
        for (int i = from; i < from + count; ++i)
            offsets << span(frames.first().clockMs, frames.at(i).clockMs) - (frames.at(i).ptsMs - frames.first().ptsMs);
        std::sort(offsets.begin(), offsets.end());
        return offsets.at(count / 2);
    };
    return offsetsMedian(int(frames.size()) - window, window) - offsetsMedian(0, window);
}

} // namespace clockstrip
