#pragma once

#include "library/VideoEditorComposition.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QProcess;

// The media library's editing engine: runs one ffmpeg job at a time from the GUI thread (the
// interface stays alive meanwhile; the thread never blocks on the tool), turns the tool's output into a percentage and reports
// the outcome through its signals.
class VideoEditor : public QObject
{
    Q_OBJECT
public:
    using ProgressCallback = std::function<void(int)>;

    // An end time meaning "to the end of the file": trimming to the rounded probed duration
    // would cut off the last fraction of a second.
    static constexpr double kToEnd = 1.0e7;

    explicit VideoEditor(QObject *parent = nullptr);
    ~VideoEditor() override;

    void cancel();
    bool isBusy() const { return m_running; }
    // Whether the last run ended because it was cancelled (its error is "操作已取消").
    bool lastRunCancelled() const { return m_lastCancelled; }

    QString ffmpegProgram() const;
    QString ffprobeProgram() const;
    QString uniqueTempPath(const QString &prefix, const QString &suffix) const;
    QString escapeConcatPath(QString path) const;
    QString escapeFilterPath(QString path) const;
    QString writeConcatList(const QStringList &files) const;
    double probeDuration(const QString &path) const;
    QString atempoChain(double speed) const;
    static bool supportsFastStart(const QString &path);

    bool runFFmpeg(const QStringList &args, double duration, const ProgressCallback &callback,
                   const QString &outputPath = QString());

    void trim(const QString &input, double start, double end, const QString &output,
              const ProgressCallback &callback = {});
    void concat(const QStringList &inputs, const QString &output, const ProgressCallback &callback = {});
    void exportVideo(const QString &input, const QString &output, const QString &videoCodec, int videoKbps,
                     int audioKbps, bool fastStart, const ProgressCallback &callback = {});
    void changeSpeed(const QString &input, float speed, const QString &output, const ProgressCallback &callback = {});
    void exportAudio(const QString &input, const QString &output, const QString &audioCodec,
                     const ProgressCallback &callback = {});
    void exportGif(const QString &input, int fps, int width, const QString &output,
                   const ProgressCallback &callback = {});

    // Composition: blurred regions, cross-faded clips, background music, noise reduction,
    // intro and outro, burnt-in subtitles and a caller's watermark filter.
    void applyMosaic(const QString &input, const QList<MosaicRegion> &regions, const QString &output,
                     const ProgressCallback &callback = {});
    void concatWithTransition(const QStringList &inputs, const TransitionConfig &config, const QString &output,
                              const ProgressCallback &callback = {});
    void addBGM(const QString &video, const QString &music, float musicVolume, const QString &output,
                const ProgressCallback &callback = {});
    void denoise(const QString &input, bool video, bool audio, const QString &output,
                 const ProgressCallback &callback = {});
    void addIntroOutro(const QString &intro, const QString &video, const QString &outro, const QString &output,
                       const ProgressCallback &callback = {});
    void addSubtitle(const QString &video, const QString &subtitleFile, const QString &output,
                     const ProgressCallback &callback = {});
    void addWatermark(const QString &input, const QString &filter, const QString &output,
                      const ProgressCallback &callback = {});

    // The argument lists of the operations, without running them.
    static QStringList trimArguments(const QString &input, double start, double end, const QString &output);
    static QStringList exportVideoArguments(const QString &input, const QString &output, const QString &videoCodec,
                                            int videoKbps, int audioKbps, bool fastStart);
    static QStringList changeSpeedArguments(const QString &input, float speed, const QString &output,
                                            const QString &tempoChain);
    static QStringList exportAudioArguments(const QString &input, const QString &output, const QString &audioCodec);

signals:
    void progress(int percent);
    void finished(const QString &outputPath);
    void errorOccurred(const QString &msg);

private:
    // The duration probe of an operation; false when the editor was destroyed meanwhile (the
    // probe lets events run).
    bool probeWhileAlive(const QString &path, double *seconds);

    bool m_running = false;
    bool m_cancel = false;
    bool m_lastCancelled = false;
};
