#pragma once

#include <QImage>
#include <QLabel>
#include <QPixmap>

// The player surface's label: plain pictures for video; for an audio file its waveform with
// the played part in brighter colours and a playhead.
class WaveformPreviewLabel : public QLabel
{
public:
    explicit WaveformPreviewLabel(QWidget *parent = nullptr);
    ~WaveformPreviewLabel() override;

    bool waveformMode = false;
    double progress = 0.0;
    QImage waveform; // white alpha mask of the waveform

    // Rebuilds the two tinted pixmaps for the current size.
    void rebuildPixmaps();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPixmap basePixmap;
    QPixmap playedPixmap;
};
