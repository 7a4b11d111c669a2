#pragma once

#include <QDialog>

class QCheckBox;
class QSlider;
class QSpinBox;

// The advanced audio options of a recording: system-sound and microphone volume,
// microphone delay, noise reduction and mono. It edits the values its owner gives
// it and hands them back through the getters; it reads and writes no settings.
class AudioSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    AudioSettingsDialog(int systemVolume, int microphoneVolume, bool noiseReduction, bool mono,
                        int microphoneDelayMs, QWidget *parent = nullptr);

    int systemVolume() const;      // percent, 0..200
    int microphoneVolume() const;  // percent, 0..200
    bool noiseReduction() const;
    bool mono() const;
    int microphoneDelayMs() const; // 0..3000

private:
    QSlider *m_systemVolume = nullptr;
    QSlider *m_microphoneVolume = nullptr;
    QSpinBox *m_microphoneDelay = nullptr;
    QCheckBox *m_noiseReduction = nullptr;
    QCheckBox *m_mono = nullptr;
};
