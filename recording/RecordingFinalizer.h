#pragma once

#include "recording/SegmentMerger.h"
#include "recording/WatermarkPass.h"

#include <QObject>
#include <QStringList>
#include <functional>

// Everything finalisation needs to know about the recording that just ended.
struct FinalizationJob
{
    QString outputPath;       // the file the user gets
    QString partsFolder;      // where the segments are
    QStringList segmentFiles; // finished segments, in recording order
    MergeSettings merge;
    bool segmentsDiffer = false;  // a live switch or downgrade changed the streams
    QString watermarkFilter;      // empty: no watermark pass
    QString watermarkEncoder = QStringLiteral("libx264");
    int keyframeInterval = 2;
    qint64 recordedMs = 0;        // milliseconds recorded by all segments
};

// Turns the segment chain of a recording into its one output file: a single segment is
// moved, several are joined (SegmentMerger), a watermark pass may follow (WatermarkPass), and
// the result is moved to the output name. An existing file of that name is moved aside to a
// backup name of its own and kept. On any failure every segment and the partial result stay
// on disk and the message says where.
class RecordingFinalizer : public QObject
{
    Q_OBJECT
public:
    using RenameFunction = std::function<bool(const QString &from, const QString &to)>;

    explicit RecordingFinalizer(QObject *parent = nullptr);
    ~RecordingFinalizer() override;

    void start(const FinalizationJob &job);
    // Cancels the watermark pass (a merge in progress finishes; the result is then published
    // without watermark).
    void cancel();
    bool isActive() const { return m_active; }
    // The program is going away: stops the running step without a signal, moves a single
    // segment back to its place in the parts folder and removes the unfinished intermediate
    // files, so that the segments are left as the recording left them.
    void abandon();

    static QString extensionFor(const FinalizationJob &job);
    static QString mergeTargetPath(const FinalizationJob &job);
    static QString watermarkTargetPath(const FinalizationJob &job);
    // "<output>.vistrelle-backup", or with a number added when that name is taken already.
    static QString uniqueBackupPath(const QString &outputPath);

    // File moves go through this function (tests make them fail).
    void setRenameFunction(RenameFunction rename);

signals:
    void finalizingChanged(bool active);
    void finalizingMessageChanged(const QString &message);
    void finalizationProgressChanged(int percent, int currentFile, int totalFiles,
                                     qint64 remainingSeconds, bool cancelable);
    void finalizationWarning(const QString &message);
    void errorOccurred(const QString &message);
    void stopped(const QString &outputPath);

private:
    void createSteps();
    void onMergeFinished(bool ok, const QString &detail);
    void continueAfterMerge();
    void onWatermarkFinished(WatermarkPass::Outcome outcome, const QString &detail);
    void complete(bool success, const QString &detail);
    void cleanUp(const QString &source);

    FinalizationJob m_job;
    QString m_movedSegment; // where the single segment was before it became the merge target
    QString m_mergeTarget;
    QString m_finalSource;
    QString m_watermarkOutput;
    bool m_active = false;
    bool m_cancelled = false;
    SegmentMerger *m_merger = nullptr;
    WatermarkPass *m_watermark = nullptr;
    RenameFunction m_rename;
};
