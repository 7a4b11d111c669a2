#include "AvSync.h"

#include "recording/BoundedOutput.h"
#include "recording/ChildProcessLifetime.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <array>
#include <csignal>
#include <vector>

namespace avsync {

namespace {

constexpr int kSampleRate = 48000;
constexpr int kWindow = 96; // 2 ms: whole periods of both tones, so neither leaks into the other
constexpr int kHop = 24;
constexpr double kRepeatSeconds = 0.004; // under half a source frame at 120 fps
constexpr int kBits = 10;
constexpr int kShortestSegmentFrames = 10;
// Beeps last 100 ms on even seconds and 50 ms on odd ones: which second a beep belongs to is
// then known up to a second's error either way.
const QString kBeepLength = QStringLiteral("if(mod(floor(t)\\,2)\\,0.05\\,0.1)");
constexpr double kOddBeepLongest = 0.075;

// Source geometry, in the window's own pixels.
constexpr int kBarLeft = 20;    // bar centre at player second start
constexpr int kBarTravel = 760; // pixels per second
constexpr int kBitLeft = 20;
constexpr int kBitPitch = 75;
constexpr int kBitSize = 60;

double median(std::vector<double> v)
{
    if (v.empty())
        return kNone;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Slope of y over x, per minute of x (seconds); NaN with fewer than three points.
double slopePerMinute(const std::vector<double> &x, const std::vector<double> &y)
{
    const size_t n = x.size();
    if (n < 3)
        return kNone;
    double mx = 0, my = 0;
    for (size_t i = 0; i < n; ++i) {
        mx += x[i];
        my += y[i];
    }
    mx /= double(n);
    my /= double(n);
    double sxy = 0, sxx = 0;
    for (size_t i = 0; i < n; ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
    }
    return sxx > 0 ? sxy / sxx * 60.0 : kNone;
}

double cellMean(const unsigned char *cells, int x0, int x1, int y0, int y1)
{
    double sum = 0;
    int count = 0;
    for (int y = std::max(0, y0); y <= std::min(kCellsHigh - 1, y1); ++y)
        for (int x = std::max(0, x0); x <= std::min(kCellsWide - 1, x1); ++x) {
            sum += cells[y * kCellsWide + x];
            ++count;
        }
    return count ? sum / count : 0;
}

// Levels of the 1 kHz and 3 kHz tones over sliding windows of one channel.
class ToneMeter
{
public:
    ToneMeter()
    {
        for (int i = 0; i < kWindow; ++i) {
            for (int t = 0; t < 2; ++t) {
                const double w = 2 * M_PI * (t == 0 ? 1000.0 : 3000.0) * i / kSampleRate;
                m_cos[t][i] = float(std::cos(w));
                m_sin[t][i] = float(std::sin(w));
            }
        }
    }
    void add(const QByteArray &bytes)
    {
        m_pending.append(bytes);
        const qsizetype whole = m_pending.size() / 2 * 2;
        const auto *samples = reinterpret_cast<const qint16 *>(m_pending.constData());
        for (qsizetype i = 0; i < whole / 2; ++i) {
            m_ring[m_count % kWindow] = samples[i] / 32768.0f;
            ++m_count;
            if (m_count >= kWindow && (m_count - kWindow) % kHop == 0)
                measure();
        }
        m_pending.remove(0, whole);
    }
    QList<float> levels[2];

private:
    void measure()
    {
        // The window starts at sample m_count - kWindow; the ring holds it rotated.
        const qint64 start = m_count - kWindow;
        for (int t = 0; t < 2; ++t) {
            float re = 0, im = 0;
            for (int i = 0; i < kWindow; ++i) {
                const float s = m_ring[(start + i) % kWindow];
                re += s * m_cos[t][i];
                im += s * m_sin[t][i];
            }
            levels[t].append(2.0f * std::sqrt(re * re + im * im) / kWindow);
        }
    }
    std::array<std::array<float, kWindow>, 2> m_cos{}, m_sin{};
    std::array<float, kWindow> m_ring{};
    qint64 m_count = 0;
    QByteArray m_pending;
};

QStringList sourceArguments(const QString &path, int seconds, int fps)
{
    QString graph = QStringLiteral("[0:v]drawbox=x=300:y=10:w=200:h=60:color=white:t=fill:enable='lt(mod(t,1),0.1)'");
    for (int k = 0; k < kBits; ++k)
        graph += QStringLiteral(",drawbox=x=%1:y=90:w=%2:h=%2:color=white:t=fill:enable='mod(floor(t/%3),2)'")
                     .arg(kBitLeft + kBitPitch * k)
                     .arg(kBitSize)
                     .arg(1 << k);
    graph += QStringLiteral("[b];[b][1:v]overlay=x='%1+%2*mod(t,1)':y=165:eval=frame,format=yuv420p[v]")
                 .arg(kBarLeft - 4)
                 .arg(kBarTravel);
    const QString length = QString::number(seconds);
    const QString rate = QString::number(fps);
    return {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-v"), QStringLiteral("error"),
            QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("color=c=black:s=800x240:r=%1:d=%2,format=gray").arg(rate, length), QStringLiteral("-f"),
            QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("color=c=white:s=8x70:r=%1:d=%2,format=gray").arg(rate, length), QStringLiteral("-f"),
            QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("aevalsrc='if(lt(mod(t\\,1)\\,%2)\\,0.5*sin(2*PI*1000*t)\\,0)|"
                           "if(lt(mod(t\\,1)\\,%2)\\,0.5*sin(2*PI*3000*t)\\,0)':s=48000:d=%1")
                .arg(length, kBeepLength),
            QStringLiteral("-filter_complex"), graph, QStringLiteral("-map"), QStringLiteral("[v]"),
            QStringLiteral("-map"), QStringLiteral("2:a"), QStringLiteral("-c:v"), QStringLiteral("libx264"),
            QStringLiteral("-preset"), QStringLiteral("ultrafast"), QStringLiteral("-crf"), QStringLiteral("12"),
            QStringLiteral("-g"), rate, QStringLiteral("-c:a"), QStringLiteral("pcm_s16le"), path};
}

} // namespace

bool makeSource(const QString &path, int seconds, int fps, QString *error)
{
    QProcess ffmpeg;
    BoundedOutput out;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    readBounded(ffmpeg, &out, nullptr);
    makeChildEndWithProgram(ffmpeg, SIGKILL);
    ffmpeg.start(QStringLiteral("ffmpeg"), sourceArguments(path, seconds, fps));
    const bool done = ffmpeg.waitForFinished(300000) && ffmpeg.exitStatus() == QProcess::NormalExit
        && ffmpeg.exitCode() == 0;
    if (!done && error)
        *error = QStringLiteral("the source was not made: ") + QString::fromLocal8Bit(out.text());
    return done;
}

Player::~Player()
{
    stop();
}

bool Player::start(const QString &source, const Layout &layout)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    makeChildEndWithProgram(m_process, SIGTERM);
    m_process.start(QStringLiteral("ffplay"),
                    {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                     QStringLiteral("-nostats"), QStringLiteral("-noborder"), QStringLiteral("-alwaysontop"),
                     QStringLiteral("-autoexit"), QStringLiteral("-window_title"), QStringLiteral("avsync source"),
                     QStringLiteral("-left"), QString::number(layout.window.x()), QStringLiteral("-top"),
                     QString::number(layout.window.y()), QStringLiteral("-x"), QString::number(layout.window.width()),
                     QStringLiteral("-y"), QString::number(layout.window.height()), source});
    return m_process.waitForStarted(5000);
}

bool Player::waitShown(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs && m_process.state() == QProcess::Running) {
        QProcess search;
        search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                 QStringLiteral("--name"), QStringLiteral("^avsync source$")});
        search.waitForFinished(5000);
        if (const QByteArray found = search.readAllStandardOutput().trimmed(); !found.isEmpty()) {
            m_windowId = found.split('\n').first().toUInt();
            // Its first pictures and sound under way.
            QEventLoop loop;
            QTimer::singleShot(1500, &loop, &QEventLoop::quit);
            loop.exec();
            return m_process.state() == QProcess::Running;
        }
        QEventLoop loop;
        QTimer::singleShot(200, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return false;
}

void Player::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

ReferenceCapture::~ReferenceCapture()
{
    stop();
}

bool ReferenceCapture::start(const QString &file, const Layout &layout, int fps)
{
    m_layout = layout;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    makeChildEndWithProgram(m_process, SIGINT);
    const QRect &w = layout.window;
    m_process.start(QStringLiteral("ffmpeg"),
                    {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                     QStringLiteral("-nostats"), QStringLiteral("-y"), QStringLiteral("-thread_queue_size"),
                     QStringLiteral("512"), QStringLiteral("-f"), QStringLiteral("x11grab"), QStringLiteral("-framerate"),
                     QString::number(fps), QStringLiteral("-video_size"),
                     QStringLiteral("%1x%2").arg(w.width()).arg(w.height()), QStringLiteral("-i"),
                     QStringLiteral("%1+%2,%3").arg(QString::fromLocal8Bit(qgetenv("DISPLAY"))).arg(w.x()).arg(w.y()),
                     QStringLiteral("-thread_queue_size"), QStringLiteral("2048"), QStringLiteral("-f"),
                     QStringLiteral("pulse"), QStringLiteral("-i"), QStringLiteral("@DEFAULT_MONITOR@"),
                     QStringLiteral("-copyts"), QStringLiteral("-c:v"), QStringLiteral("libx264"),
                     QStringLiteral("-preset"), QStringLiteral("ultrafast"), QStringLiteral("-pix_fmt"),
                     QStringLiteral("yuv420p"), QStringLiteral("-fps_mode"), QStringLiteral("passthrough"),
                     QStringLiteral("-c:a"), QStringLiteral("pcm_s16le"), file});
    return m_process.waitForStarted(5000);
}

bool ReferenceCapture::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    m_process.write("q");
    if (!m_process.waitForFinished(30000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
        return false;
    }
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

Layout ReferenceCapture::layout() const
{
    Layout own = m_layout;
    own.screen = m_layout.window.size();
    own.window = QRect(QPoint(0, 0), m_layout.window.size());
    return own;
}

bool PlayedSource::start(const QString &folder, int seconds, const Layout &layout, int fps, QString *error)
{
    const QString source = QDir(folder).filePath(QStringLiteral("source.mkv"));
    m_directFile = QDir(folder).filePath(QStringLiteral("direct.mkv"));
    if (!makeSource(source, seconds, layout.sourceFps, error))
        return false;
    const auto fail = [error](const char *what) {
        if (error)
            *error = QString::fromLatin1(what);
        return false;
    };
    if (!m_player.start(source, layout) || !m_player.waitShown(20000))
        return fail("the player did not show");
    if (!m_reference.start(m_directFile, layout, fps))
        return fail("the direct capture did not start");
    return true;
}

bool PlayedSource::stop()
{
    const bool written = m_reference.stop();
    m_player.stop();
    return written;
}

Analysis PlayedSource::analyseDirect(int fps) const
{
    return analyse(m_directFile, fps, m_reference.layout());
}

double playerTimeOf(const unsigned char *cells, bool *flash)
{
    // The bar row: the window's rows 200-209.
    const unsigned char *row = cells + 20 * kCellsWide;
    const int peak = int(std::max_element(row, row + kCellsWide) - row);
    if (row[peak] < 100)
        return kNone;
    double sum = 0, weight = 0;
    for (int x = std::max(0, peak - 5); x <= std::min(kCellsWide - 1, peak + 5); ++x) {
        const double w = std::max(0, int(row[x]) - 40);
        sum += w * x;
        weight += w;
    }
    const double centre = 2 * sum / weight + 1; // in window pixels (a cell is two wide)
    const double fraction = std::clamp((centre - kBarLeft) / kBarTravel, 0.0, 0.9999);
    int second = 0;
    for (int k = 0; k < kBits; ++k) {
        const int x = (kBitLeft + kBitPitch * k + kBitSize / 2) / 2;
        const double level = cellMean(cells, x - 8, x + 8, 10, 13);
        if (level > 70 && level < 180) // something over the count (a countdown, a toolbar)
            return kNone;
        if (level >= 180)
            second |= 1 << k;
    }
    if (flash)
        *flash = cellMean(cells, 160, 240, 2, 5) > 128;
    return second + fraction;
}

QList<Onset> onsets(const QList<float> &levels, double hop, double window)
{
    QList<Onset> found;
    if (levels.size() < 10)
        return found;
    std::vector<float> sorted(levels.begin(), levels.end());
    const size_t at = size_t(double(sorted.size() - 1) * 0.99);
    std::nth_element(sorted.begin(), sorted.begin() + qsizetype(at), sorted.end());
    const float steady = sorted[at];
    if (steady < 0.02f) // no tone at all
        return found;
    const float threshold = steady / 2;
    const int quietHops = int(std::ceil(0.3 / hop));
    int below = 0;
    for (qsizetype h = 1; h < levels.size(); ++h) {
        if (levels[h] < threshold) {
            if (below == 0 && !found.isEmpty() && found.last().seconds == 0) {
                const float a = levels[h - 1];
                const double part = (a - threshold) / std::max(1e-6f, a - levels[h]);
                found.last().seconds = (double(h - 1) + part) * hop + window / 2 - found.last().at;
            }
            ++below;
            continue;
        }
        if (below >= quietHops) {
            const float a = levels[h - 1];
            const double part = (threshold - a) / std::max(1e-6f, levels[h] - a);
            found.append({(double(h - 1) + part) * hop + window / 2, 0});
        }
        below = 0;
    }
    return found;
}

QList<Span> segmentsOf(const QList<Frame> &frames, double jumpSeconds)
{
    // Player time runs ahead of file time by a new amount after a pause (or a stretch of
    // picture the file lost). It also falls behind while the player itself stalls and comes
    // back to where it was in the segment when the player goes on: that is no new segment.
    QList<Span> spans;
    QList<int> counts;
    double top = kNone;
    std::vector<double> recent; // the segment's last few amounts: one misread frame sets no top
    for (const Frame &f : frames) {
        const double d = f.player - f.ts;
        const bool jump = !recent.empty() && d - median(recent) > jumpSeconds && std::abs(d - top) > 0.25;
        if (spans.isEmpty() || jump) {
            // A few frames alone between two jumps are a picture held over a freeze, not a
            // segment: they go with the segment after them.
            if (!counts.isEmpty() && counts.last() < kShortestSegmentFrames) {
                spans.last().fileEnd = f.ts;
                spans.last().playerEnd = f.player;
                counts.last() = kShortestSegmentFrames;
                top = d;
                recent.clear();
                continue;
            }
            spans.append({f.player, f.player, f.ts, f.ts});
            counts.append(0);
            top = d;
            recent.clear();
        }
        spans.last().playerEnd = f.player;
        spans.last().fileEnd = f.ts;
        ++counts.last();
        recent.push_back(d);
        if (recent.size() > 5)
            recent.erase(recent.begin());
        top = std::max(top, median(recent));
    }
    return spans;
}

namespace {

// When in player time each onset is heard: the file time plus the player-minus-file time of
// the frames of its segment around it (half a source frame later: a frame shows for that
// long, and is grabbed anywhere in it).
QList<Beep> placeBeeps(const QList<Onset> &heard, const QList<Frame> &frames, const QList<Span> &segments,
                       int sourceFps)
{
    QList<Beep> beeps;
    for (const Onset &onset : heard) {
        const double t = onset.at;
        const Span *segment = nullptr;
        double nearest = 1e9;
        for (const Span &s : segments) {
            const double distance = t < s.fileStart ? s.fileStart - t : (t > s.fileEnd ? t - s.fileEnd : 0);
            if (distance < nearest) {
                nearest = distance;
                segment = &s;
            }
        }
        if (!segment || nearest > 0.5)
            continue;
        std::vector<double> near, all;
        for (const Frame &f : frames) {
            if (f.player < segment->playerStart || f.player > segment->playerEnd)
                continue;
            all.push_back(f.player - f.ts);
            if (std::abs(f.ts - t) <= 1.0)
                near.push_back(f.player - f.ts);
        }
        const double d = median(near.size() >= 5 ? near : all);
        Beep b;
        b.ts = t;
        b.player = t + d + 0.5 / sourceFps;
        b.offsetMs = (b.player - std::round(b.player)) * 1000.0;
        if (onset.seconds > 0)
            b.oddSecond = onset.seconds < kOddBeepLongest ? 1 : 0;
        beeps.append(b);
    }
    return beeps;
}

} // namespace

Analysis analyse(const QString &file, int fps, const Layout &layout, int timeoutMs)
{
    Analysis result;
    const QString crop = QStringLiteral("crop=w=iw*%1/%2:h=ih*%3/%4:x=iw*%5/%2:y=ih*%6/%4")
                             .arg(layout.window.width())
                             .arg(layout.screen.width())
                             .arg(layout.window.height())
                             .arg(layout.screen.height())
                             .arg(layout.window.x())
                             .arg(layout.window.y());
    QProcess video;
    QProcess audio;
    makeChildEndWithProgram(video, SIGKILL);
    makeChildEndWithProgram(audio, SIGKILL);

    // Picture: small grey frames on standard output, their time stamps on standard error.
    constexpr qsizetype frameBytes = kCellsWide * kCellsHigh;
    QByteArray partial;
    QList<double> shown;   // player time per decoded frame, NaN when the player is not on it
    QList<bool> flashes;
    QList<double> stamps;  // file time per decoded frame
    const QRegularExpression stampLine(QStringLiteral("\\bn:\\s*(\\d+)\\s+pts:\\s*-?\\d+\\s+pts_time:(-?[0-9.]+)"));
    BoundedOutput videoLog;
    videoLog.setLineReader([&](const QByteArray &line) {
        if (!line.contains("pts_time:"))
            return;
        const auto m = stampLine.match(QString::fromLatin1(line));
        if (m.hasMatch() && m.captured(1).toLongLong() == stamps.size())
            stamps.append(m.captured(2).toDouble());
    });
    QObject::connect(&video, &QProcess::readyReadStandardOutput, &video, [&] {
        partial.append(video.readAllStandardOutput());
        qsizetype used = 0;
        while (partial.size() - used >= frameBytes) {
            bool flash = false;
            shown.append(playerTimeOf(reinterpret_cast<const unsigned char *>(partial.constData() + used), &flash));
            flashes.append(flash);
            used += frameBytes;
        }
        partial.remove(0, used);
    });
    QObject::connect(&video, &QProcess::readyReadStandardError, &video,
                     [&] { videoLog.append(video.readAllStandardError()); });

    // Sound: the left channel at 48 kHz from the file's time zero, placed by its time stamps as
    // a player places it: a gap of more than a millisecond between packets becomes silence, an
    // overlap is cut.
    ToneMeter meter;
    BoundedOutput audioLog;
    QObject::connect(&audio, &QProcess::readyReadStandardOutput, &audio,
                     [&] { meter.add(audio.readAllStandardOutput()); });
    QObject::connect(&audio, &QProcess::readyReadStandardError, &audio,
                     [&] { audioLog.append(audio.readAllStandardError()); });

    QEventLoop loop;
    int running = 2;
    const auto ended = [&] {
        if (--running == 0)
            loop.quit();
    };
    QObject::connect(&video, &QProcess::finished, &loop, ended);
    QObject::connect(&audio, &QProcess::finished, &loop, ended);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    video.start(QStringLiteral("ffmpeg"),
                {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-nostats"),
                 QStringLiteral("-i"), file, QStringLiteral("-map"), QStringLiteral("0:v:0"), QStringLiteral("-vf"),
                 crop + QStringLiteral(",scale=%1:%2:flags=area,format=gray,showinfo").arg(kCellsWide).arg(kCellsHigh),
                 QStringLiteral("-fps_mode"), QStringLiteral("passthrough"), QStringLiteral("-f"),
                 QStringLiteral("rawvideo"), QStringLiteral("-")});
    audio.start(QStringLiteral("ffmpeg"),
                {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-nostats"),
                 QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), file, QStringLiteral("-map"),
                 QStringLiteral("0:a:0?"), QStringLiteral("-af"),
                 QStringLiteral("pan=mono|c0=c0,aresample=%1:async=1:min_hard_comp=0.001:first_pts=0").arg(kSampleRate),
                 QStringLiteral("-f"), QStringLiteral("s16le"), QStringLiteral("-")});
    loop.exec();
    for (QProcess *p : {&video, &audio}) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
    videoLog.finishLines();
    if (video.exitStatus() != QProcess::NormalExit || video.exitCode() != 0) {
        result.error = QStringLiteral("the picture of %1 was not decoded: %2")
                           .arg(file, QString::fromLocal8Bit(videoLog.tail()));
        return result;
    }
    if (stamps.size() != shown.size()) {
        result.error = QStringLiteral("%1 frames decoded but %2 time stamps read").arg(shown.size()).arg(stamps.size());
        return result;
    }
    QList<Frame> read;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (!std::isnan(shown[i]))
            read.append({stamps[i], shown[i], flashes[i]});
    }
    // A frame alone out of line with both neighbours, which agree, is misread.
    for (qsizetype i = 0; i < read.size(); ++i) {
        if (i > 0 && i + 1 < read.size()) {
            const auto d = [&](qsizetype j) { return read[j].player - read[j].ts; };
            if (std::abs(d(i) - d(i - 1)) > 0.3 && std::abs(d(i) - d(i + 1)) > 0.3
                && std::abs(d(i - 1) - d(i + 1)) < 0.3)
                continue;
        }
        result.frames.append(read[i]);
    }
    if (result.frames.size() < 2) {
        result.error = QStringLiteral("the player shows in %1 of %2 frames").arg(result.frames.size()).arg(shown.size());
        return result;
    }
    result.fileSeconds = stamps.isEmpty() ? 0 : stamps.last();
    result.segments = segmentsOf(result.frames);
    const double hop = double(kHop) / kSampleRate;
    const double window = double(kWindow) / kSampleRate;
    result.system = placeBeeps(onsets(meter.levels[0], hop, window), result.frames, result.segments, layout.sourceFps);
    result.microphone =
        placeBeeps(onsets(meter.levels[1], hop, window), result.frames, result.segments, layout.sourceFps);
    result.ok = true;
    return result;
}

SegmentStats stats(const Analysis &analysis, double playerStart, double playerEnd, int fps)
{
    SegmentStats s;
    double first = kNone, last = kNone, previous = kNone;
    for (const Frame &f : analysis.frames) {
        if (f.player < playerStart || f.player > playerEnd)
            continue;
        ++s.frames;
        if (!std::isnan(previous)) {
            const double step = f.player - previous;
            if (std::abs(step) < kRepeatSeconds)
                ++s.repeated;
            s.longestGapMs = std::max(s.longestGapMs, step * 1000.0);
        } else {
            first = f.player;
        }
        previous = last = f.player;
    }
    if (s.frames > 1) {
        const int distinct = s.frames - s.repeated;
        const int slotCount = int(std::lround((last - first) * fps)) + 1;
        s.missing = std::max(0, slotCount - distinct);
        s.distinctPerSecond = last > first ? (distinct - 1) / (last - first) : 0;
    }

    // Offsets of more than half a second pass to the flash of the next second: within a span
    // each one is taken as the one nearest to the offset before it, and the whole span a
    // second later or earlier when most beeps are of the other kind than the flashes they
    // then meet (a gap in the sound can cut one beep short).
    std::vector<double> at, offsets;
    int agree = 0, disagree = 0;
    for (const Beep &b : analysis.system) {
        if (b.player < playerStart - 0.2 || b.player > playerEnd + 0.2)
            continue;
        double offset = b.offsetMs;
        if (!offsets.empty())
            offset += 1000.0 * std::round((offsets.back() - offset) / 1000.0);
        at.push_back(b.player);
        offsets.push_back(offset);
        if (b.oddSecond >= 0) {
            const double flash = std::round(b.player - offset / 1000.0);
            (int(std::abs(std::fmod(flash, 2.0))) == b.oddSecond ? agree : disagree)++;
        }
    }
    if (disagree > agree && !offsets.empty()) {
        const double shift = median(offsets) > 0 ? -1000.0 : 1000.0;
        for (double &o : offsets)
            o += shift;
    }
    s.beeps = int(offsets.size());
    if (!offsets.empty()) {
        s.offsetMs = median(offsets);
        s.firstOffsetMs = offsets.front();
        s.minOffsetMs = *std::min_element(offsets.begin(), offsets.end());
        s.maxOffsetMs = *std::max_element(offsets.begin(), offsets.end());
        if (playerEnd - playerStart >= 10)
            s.driftMsPerMinute = slopePerMinute(at, offsets);
    }
    std::vector<double> micAt, micMinusSystem;
    for (const Beep &m : analysis.microphone) {
        if (m.player < playerStart - 0.2 || m.player > playerEnd + 0.2)
            continue;
        ++s.microphoneBeeps;
        // The system's beep heard nearest to it is the same beep.
        const Beep *pair = nullptr;
        for (const Beep &b : analysis.system)
            if (!pair || std::abs(b.player - m.player) < std::abs(pair->player - m.player))
                pair = &b;
        if (pair && std::abs(pair->player - m.player) < 0.4) {
            micAt.push_back(m.player);
            micMinusSystem.push_back((m.player - pair->player) * 1000.0);
        }
    }
    s.microphoneMinusSystemMs = median(micMinusSystem);
    if (playerEnd - playerStart >= 10)
        s.microphoneDriftMsPerMinute = slopePerMinute(micAt, micMinusSystem);
    return s;
}

QString describe(const SegmentStats &s)
{
    const auto ms = [](double v) { return std::isnan(v) ? QStringLiteral("-") : QString::asprintf("%+.0f", v); };
    QString text = QString::asprintf("frames %d (%.1f different/s), missing %d, repeated %d, longest gap %.0f ms",
                                     s.frames, s.distinctPerSecond, s.missing, s.repeated, s.longestGapMs);
    text += QStringLiteral(" | beeps %1: offset %2 ms (first %3, %4..%5), drift %6 ms/min")
                .arg(s.beeps)
                .arg(ms(s.offsetMs), ms(s.firstOffsetMs), ms(s.minOffsetMs), ms(s.maxOffsetMs),
                     ms(s.driftMsPerMinute));
    if (s.microphoneBeeps > 0)
        text += QStringLiteral(" | microphone %1: mic - system %2 ms, drift %3 ms/min")
                    .arg(s.microphoneBeeps)
                    .arg(ms(s.microphoneMinusSystemMs), ms(s.microphoneDriftMsPerMinute));
    return text;
}

Against against(const Analysis &ours, const Analysis &direct, const Span &span, int fps)
{
    Against a;
    a.ours = stats(ours, span.playerStart, span.playerEnd, fps);
    a.direct = stats(direct, span.playerStart, span.playerEnd, fps);
    a.offsetMs = a.ours.offsetMs - a.direct.offsetMs;
    a.lacking = a.ours.missing + a.ours.repeated - a.direct.missing - a.direct.repeated;
    return a;
}

QString Against::describe() const
{
    return avsync::describe(ours) + QStringLiteral("\n  direct: ") + avsync::describe(direct)
        + QStringLiteral("\n  against it: %1 ms, %2 frame slots lacking").arg(offsetMs, 0, 'f', 0).arg(lacking);
}

} // namespace avsync
