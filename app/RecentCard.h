#pragma once

#include "recording/BoundedOutput.h"

#include <QFileInfo>
#include <QImage>
#include <QPushButton>

class QProcess;
class QTimer;

// One recent recording on the home page: a preview picture (a frame of a video, the
// waveform of an audio file) with a play badge and the duration, the name and the
// date. The preview is made in the background by ffprobe (duration) and then ffmpeg
// (one JPEG on standard output), so the page never waits.
class RecentCard : public QPushButton
{
    Q_OBJECT

public:
    RecentCard(const QFileInfo &file, QWidget *parent = nullptr);
    ~RecentCard() override;

    QString filePath() const { return m_file.absoluteFilePath(); }
    bool isLoading() const { return m_loading; }
    bool hasPreview() const { return !m_preview.isNull(); }
    int durationSeconds() const { return m_duration; }

    static bool isAudioFile(const QString &path);
    // Arguments of the picture step for a file.
    static QStringList previewArguments(const QString &path);

signals:
    void previewFinished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void onStepFinished(int exitCode, int exitStatus);

    QFileInfo m_file;
    QImage m_preview;
    QProcess *m_process = nullptr;
    // The step's answer: a duration, then one small JPEG; a tool that writes more is stopped.
    BoundedOutput m_output{16 * 1024 * 1024, 1};
    QTimer *m_timeout = nullptr;
    bool m_previewStage = false;
    bool m_loading = true;
    int m_duration = -1;
};
