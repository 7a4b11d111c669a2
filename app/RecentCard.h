#pragma once

#include <QFileInfo>
#include <QImage>
#include <QPushButton>

// One recent recording on the home page: a preview picture (a frame of a video, the
// waveform of an audio file) with a play badge and the duration, the name and the
// date. The duration and the picture come from the media library's probe and picture grab,
// run on the picture pool, so the page never waits.
class RecentCard : public QPushButton
{
    Q_OBJECT

public:
    RecentCard(const QFileInfo &file, QWidget *parent = nullptr);

    QString filePath() const { return m_file.absoluteFilePath(); }
    bool isLoading() const { return m_loading; }
    bool hasPreview() const { return !m_preview.isNull(); }
    int durationSeconds() const { return m_duration; }

signals:
    void previewFinished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFileInfo m_file;
    QImage m_preview; // a frame, or the waveform's alpha mask of an audio file
    bool m_audio = false;
    bool m_loading = true;
    int m_duration = -1;
};
