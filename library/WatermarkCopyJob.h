#pragma once

#include "recording/BoundedOutput.h"
#include "recording/WatermarkProgress.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class QProcess;
class QTemporaryDir;

// One watermarked copy of a video, made by ffmpeg in a temporary folder beside the source
// (".Vistrelle-watermark-XXXXXX" holding "watermark.txt" and "output.mp4"), followed through
// process signals. Its buffers stay bounded: the last 6000 bytes of standard error, standard
// output consumed as progress lines. Destroying the job ends a running ffmpeg and removes the
// folder with everything in it.
class WatermarkCopyJob : public QObject
{
    Q_OBJECT
public:
    explicit WatermarkCopyJob(QObject *parent = nullptr);
    ~WatermarkCopyJob() override;

    enum class PrepareError { None, Folder, TextFile };
    // Creates the temporary folder in `sourceFolder` and writes the text into it.
    PrepareError prepare(const QString &sourceFolder, const QString &text);

    // The 28 arguments of the run; the filter names the text file relative to the folder.
    static QStringList arguments(const QString &source, const QString &filter, const QString &temporaryOutput);

    // Starts ffmpeg in the temporary folder. durationSeconds <= 0: no percentages.
    void start(const QString &program, const QString &source, const QString &filter, double durationSeconds);
    void cancel();

    bool isRunning() const;
    bool wasCancelled() const { return m_cancelled; }
    QString folder() const;
    QString temporaryOutput() const;
    // Removes the temporary folder now (the job is done with it).
    void removeFolder();

    static constexpr int kErrorBufferBytes = 6000;

signals:
    void progressChanged(int percent);
    // The run ended (or failed to start). errorText: the tail of ffmpeg's error output.
    void ended(bool success, const QString &errorText);

private:
    void finish(bool success);

    std::unique_ptr<QTemporaryDir> m_dir;
    QPointer<QProcess> m_process;
    BoundedOutput m_errors{0, kErrorBufferBytes};
    WatermarkProgress m_progress;
    bool m_cancelled = false;
    bool m_done = false;
};
