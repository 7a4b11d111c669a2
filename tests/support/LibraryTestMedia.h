#pragma once
// Clips for the media library tests, made with the real ffmpeg.

#include "TestMedia.h"

#include "TextFit.h"
#include "platform/mac/X11Connection.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <optional>

namespace LibraryMedia {

// A plain (not fragmented) clip: 640x360 test picture at 30 fps, optional 1 kHz tone.
inline bool makeClip(const QString &path, double seconds, bool audio = true, QSize size = QSize(640, 360))
{
    QStringList args{"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                     QStringLiteral("testsrc2=size=%1x%2:rate=30").arg(size.width()).arg(size.height())};
    if (audio)
        args << "-f" << "lavfi" << "-i" << "sine=frequency=1000:sample_rate=48000";
    args << "-t" << QString::number(seconds) << "-c:v" << "libx264" << "-preset" << "ultrafast" << "-pix_fmt"
         << "yuv420p" << "-g" << "30";
    if (audio)
        args << "-c:a" << (path.endsWith(".mkv") ? "libopus" : "aac") << "-ac" << "2";
    args << path;
    return TestMedia::runFfmpeg(args);
}

// An mp3 with a cover picture, which ffprobe lists as a one-picture video stream.
inline bool makeMp3WithCover(const QString &path, double seconds)
{
    return TestMedia::runFfmpeg({"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                 "sine=frequency=440:sample_rate=44100", "-f", "lavfi", "-i",
                                 "color=c=red:s=300x300:d=1", "-t", QString::number(seconds), "-map", "0:a", "-map",
                                 "1:v", "-frames:v", "1", "-c:a", "libmp3lame", "-b:a", "128k", "-c:v", "png",
                                 "-disposition:v", "attached_pic", "-id3v2_version", "3", path});
}

inline bool makeWav(const QString &path, double seconds)
{
    return TestMedia::runFfmpeg({"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                 "sine=frequency=660:sample_rate=48000", "-t", QString::number(seconds), "-ac", "2",
                                 "-c:a", "pcm_s16le", path});
}

// With VISTRELLE_LIBRARY_SHOTS set to a folder, saves a picture of the whole screen there.
inline void snapshot(const QString &name)
{
    const QByteArray folder = qgetenv("VISTRELLE_LIBRARY_SHOTS");
    if (folder.isEmpty())
        return;
    QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + name
                                                         + QStringLiteral(".png"));
}

// Whether a save to `output` is being written: its hidden file beside it is there.
// The name is compared as it is: as a wildcard, a name holding "[a]" would match none.
inline bool beingWritten(const QString &output)
{
    const QFileInfo info(output);
    const QString prefix = QLatin1Char('.') + info.completeBaseName() + QStringLiteral(".saving-");
    const QStringList files = info.dir().entryList(QDir::Files | QDir::Hidden);
    return std::any_of(files.cbegin(), files.cend(), [&prefix](const QString &name) { return name.startsWith(prefix); });
}

// Number of video frames as ffprobe counts them.
inline int countFrames(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("ffprobe"), {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                                        "stream=nb_read_frames", "-of", "default=nokey=1:noprint_wrappers=1", path});
    p.waitForFinished(60000);
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed().toInt();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray md5(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash h(QCryptographicHash::Md5);
    h.addData(&f);
    return h.result().toHex();
}

inline bool xdotool(const QStringList &args)
{
    // Found once, so that tests may change the search path afterwards.
    static const QString program = [] {
        const QString found = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        return found.isEmpty() ? QStringLiteral("xdotool") : found;
    }();
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(10000) && p.exitCode() == 0;
}

// Moves the pointer there (xdotool's --sync would wait forever when it is there already).
// Points are the X server's (device pixels); Qt's cursor position is in its own pixels.
inline bool movePointer(QPoint global)
{
    const qreal ratio = qApp->devicePixelRatio();
    const QPointF at = QPointF(QCursor::pos()) * ratio;
    if ((at - QPointF(global)).manhattanLength() <= 2 * ratio)
        return xdotool({"mousemove", QString::number(global.x()), QString::number(global.y())});
    return xdotool({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())});
}

// Where a point of a widget is on the screen, as the X server has it. Qt's own answer
// (mapToGlobal) can be stale for a window a window manager has just mapped.
inline QPoint screenPoint(QWidget *w, QPoint local)
{
    QWidget *top = w->window();
    if (top->windowHandle() && QGuiApplication::platformName() == QLatin1String("xcb")) {
        const std::unique_ptr<X11Connection> x = X11Connection::forGuiThread();
        if (const std::optional<QRect> real = x->rootGeometry(xcb_window_t(top->winId())))
            return real->topLeft() + w->mapTo(top, local) * top->devicePixelRatioF();
    }
    return w->mapToGlobal(local) * w->devicePixelRatioF();
}

// The rectangle a widget covers on the screen, as the X server has it.
inline QRect screenRect(QWidget *w)
{
    return QRect(screenPoint(w, QPoint(0, 0)), w->size() * w->devicePixelRatioF());
}

// Clicks a point of a widget (its centre by default) with a real pointer event.
inline bool clickWidget(QWidget *w, QPoint at = QPoint(-1, -1), int clicks = 1)
{
    if (!w)
        return false;
    // Pending layout changes (a button whose text just changed) first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QPoint local = at.x() < 0 ? w->rect().center() : at;
    return movePointer(screenPoint(w, local))
           && xdotool({"click", "--repeat", QString::number(clicks), "--delay", "80", "1"});
}

// Presses at one point of a widget, moves in steps to another and releases there.
inline bool dragWidget(QWidget *w, QPoint from, QPoint to)
{
    const QPoint a = screenPoint(w, from);
    const QPoint b = screenPoint(w, to);
    if (!movePointer(a) || !xdotool({"mousedown", "1"}))
        return false;
    for (int i = 1; i <= 6; ++i) {
        const QPoint p = a + (b - a) * i / 6;
        xdotool({"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
    }
    return xdotool({"mouseup", "1"});
}

// The shown texts of a window that do not fit their widgets, one line each (measured by the
// shared text-fit check).
inline QStringList clippedTexts(QWidget *window)
{
    QStringList clipped;
    for (const textfit::Problem &problem : textfit::check(window))
        clipped << problem.widget + QStringLiteral(" \"") + problem.text + QStringLiteral("\" ") + problem.what;
    return clipped;
}

// Closes every message box that shows up and keeps its title and text.
class MessageBoxCatcher : public QObject
{
public:
    explicit MessageBoxCatcher(QObject *parent = nullptr)
        : QObject(parent)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                // Measured as the user sees it: once the window manager has shown it.
                if (box && box->isVisible() && m_answer != kLeaveOpen && box->windowHandle()
                    && box->windowHandle()->isExposed()) {
                    titles << box->windowTitle();
                    texts << box->text();
                    // The window manager's title bar needs about 140 px beside the title.
                    int longest = 0;
                    auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
                    for (const QString &word : box->text().split(QRegularExpression(QStringLiteral("[\\s/]+"))))
                        longest = std::max(longest, label ? label->fontMetrics().horizontalAdvance(word) : 0);
                    if (box->width() < box->fontMetrics().horizontalAdvance(box->windowTitle()) + 140
                        || (label && label->width() < longest))
                        cramped << box->windowTitle();
                    if (QAbstractButton *b = box->button(QMessageBox::StandardButton(m_answer)))
                        b->click();
                    else if (box->escapeButton())
                        box->escapeButton()->click();
                    else
                        box->reject();
                }
            }
        });
        m_timer.start(30);
    }
    // kLeaveOpen: boxes are left to the test.
    static constexpr int kLeaveOpen = -1;
    void answer(int button) { m_answer = button; }
    QStringList titles;
    QStringList texts;
    QStringList cramped; // titles of boxes too narrow for their title or their longest word

private:
    QTimer m_timer;
    int m_answer = QMessageBox::Ok;
};

} // namespace LibraryMedia
