#pragma once

#include "recording/BoundedOutput.h"
#include "recording/MediaProbe.h"
#include "recording/ProgressWatch.h"
#include "recording/WatermarkProgress.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QSize>
#include <QStringList>

// Settings of the recording whose segments are joined.
struct MergeSettings
{
    bool audioOnly = false;
    QString audioFormat = QStringLiteral("mp3");
    int audioBitrate = 192;
    QString videoContainer = QStringLiteral("mp4");
    int fps = 30;
    int videoBitrate = 8000;
    // The size every segment is fitted into when re-encoding; invalid: the last segment's size.
    QSize frameSize = QSize(-1, -1);
    QString ffmpegProgram = QStringLiteral("ffmpeg");
    QString ffprobeProgram; // empty: MediaProbe's lookup
    qint64 durationMs = 0;  // how long the recording lasts, for the progress (0: unknown)
};

// Joins the segment files of one recording into one file with ffmpeg.
//
// Every segment is probed first. When all of them carry the same streams with the same
// parameters, the concat demuxer copies the streams; otherwise (or when the copy fails, or a
// re-encode is asked for) the segments are re-encoded through the concat filter, one input per
// segment: video fitted into one size (the last segment's) at the recording's rate, audio resampled to 48 kHz
// stereo, silence for segments without audio. The concat demuxer would take the stream layout
// of the first segment and silently drop audio that starts later.
//
// The copy runs once the segments are probed, reading each segment with sound from where its
// picture starts (the encoder's delay puts the first audio packet a little earlier), so that the
// pictures join without a gap. An audio copy is
// accepted only when the joined file lasts as long as the segments together: the FLAC muxer
// keeps the first segment's header and exits 0 with the rest unreadable.
//
// A step that shows no progress for kStallMs (no output, its file not growing: a frozen tool,
// a stalled network or USB disk) is ended and the join fails, so the segments stay where they
// are and the user hears of them.
//
// The segments are only read, never moved or deleted.
class SegmentMerger : public QObject
{
    Q_OBJECT
public:
    static constexpr int kStallMs = 15000;

    explicit SegmentMerger(QObject *parent = nullptr);
    ~SegmentMerger() override;

    void start(const QStringList &segments, const QString &listPath, const QString &target,
               bool reencode, const MergeSettings &settings);
    bool isRunning() const { return m_running; }
    bool reencoding() const { return m_reencode; }

    // The picture is copied; with `withSound` (a recording with a picture and sound) the sound
    // is encoded again, each segment's placed where its picture starts: copied, a segment's
    // last audio packet runs past its picture and every later sound would come that much
    // late, one split after another.
    static QStringList copyArguments(const QString &listPath, const QString &target,
                                     const MergeSettings &settings, bool withSound = false);
    // Empty with an error text when the segments' probes do not allow a re-encode.
    // How much later than the segment's other stream its picture or its sound starts (0 for
    // the one that starts first, and for both when a start is not known).
    struct StreamLeads {
        double videoSeconds = 0;
        double audioSeconds = 0;
    };
    static StreamLeads streamLeads(const MediaInfo &info);
    static QStringList reencodeArguments(const QStringList &segments, const QList<MediaInfo> &infos,
                                         const QString &target, const MergeSettings &settings,
                                         QString *error);
    static QString audioCodecFor(const QString &audioFormat);
    // The failure detail says that the disk ran out of space.
    static bool ranOutOfSpace(const QString &detail);

signals:
    // A step began: a stream copy (reencode false) or a re-encode.
    void stepStarted(bool reencode);
    // How far the running step is, from ffmpeg's time stamps against durationMs (never 100;
    // remainingSeconds -1 while unknown).
    void progressChanged(int percent, qint64 remainingSeconds);
    // detail: the reason of a failure (the tail of ffmpeg's output).
    void finished(bool ok, const QString &detail);

private:
    static bool sameLayout(const QList<MediaInfo> &infos);
    void onProbed();
    void concludeCopy();
    void onCopyChecked();
    void abandonProcess();
    void runCopy();
    void runReencode();
    void launch(const QStringList &args);
    void onProcessEnded(QProcess *process, bool ok);
    void finish(bool ok, const QString &detail);

    QStringList m_segments;
    QString m_listPath;
    QString m_target;
    MergeSettings m_settings;
    bool m_forceReencode = false;
    bool m_reencode = false;
    bool m_running = false;
    QList<MediaInfo> m_infos;
    QPointer<QProcess> m_process;
    BoundedOutput m_output{0, 65536}; // of the running step: enough for the failure detail and its cause line
    WatermarkProgress m_progress;
    QElapsedTimer m_stepClock;
    ProgressWatch *m_stallWatch = nullptr;
    bool m_probed = false;
    bool m_copyEnded = false;
    bool m_copyOk = false;
    QString m_copyDetail;
    QFutureWatcher<MediaInfo> *m_probeWatcher = nullptr;
    QFutureWatcher<MediaInfo> *m_checkWatcher = nullptr;
};
