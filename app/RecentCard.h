#pragma once

#include <QFileInfo>
#include <QImage>
#include <QPushButton>

struct VideoRecord;

// One recent recording on the home page: a preview picture (a frame of a video, the
// waveform of an audio file) with a play badge and the duration, the name and the
// date. The duration is the media library's (its details of the file, or its probe on its
// pool) and the picture its picture grab on the picture pool, so the page never waits.
class RecentCard : public QPushButton
{
    Q_OBJECT

public:
    RecentCard(const QFileInfo &file, QWidget *parent = nullptr);

    QString filePath() const { return m_file.absoluteFilePath(); }
    bool isLoading() const { return m_loading; }
    bool hasPreview() const { return !m_preview.isNull(); }
    int durationSeconds() const { return m_duration; }
    // What the length badge says: the length, that it is unknown, or nothing while it is read.
    QString lengthText() const;

signals:
    void previewFinished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showLength(const VideoRecord &record);
    void showFoundLength();

    QFileInfo m_file;
    QImage m_preview; // a frame, or the waveform's alpha mask of an audio file
    bool m_audio = false;
    bool m_loading = true;
    int m_duration = -1;     // shown; -1 when unknown
    int m_readDuration = -1; // as the metadata read gave it
    bool m_lengthRead = false;
};
