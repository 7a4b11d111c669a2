#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

// A compact dialog of the recording-performance options (usage preset, frame rate,
// container, quality, frame-rate mode, encoder, key-frame interval) with a two-line
// summary. Before it accepts it checks whether 120 FPS can work here: a display that
// refreshes fast enough and a working hardware H.264 encoder. The preferences dialog uses
// only that check, on a hidden instance.
class RecordingSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    RecordingSettingsDialog(int fps, int quality, const QString &encoder, const QString &container,
                            const QString &frameRateMode, int keyframeInterval,
                            QWidget *parent = nullptr);

    int fps() const;
    int quality() const;
    QString encoder() const;
    QString container() const;
    QString frameRateMode() const;
    int keyframeInterval() const;
    int bitrateKbps() const;

    void setAdvancedVisible(bool visible);
    void applyPreset(int index);
    void syncPresetSelection();
    void updateSummary();

    // True when the dialog may go on with its values; for 120 FPS on a machine that
    // cannot keep up it asks, and may switch the frame rate to 60.
    bool validateFrameRateBeforeAccept();

    // What the 120 FPS check asks of the machine. Empty members fall back to the real
    // answers: the screens' highest refresh rate and the recorder's encoder probes.
    struct FrameRateProbes
    {
        std::function<double()> highestRefreshRate;
        std::function<QString()> availableHardwareEncoder;
        std::function<bool(const QString &)> isVideoEncoderAvailable;
    };
    static void setFrameRateProbes(const FrameRateProbes &probes);

private:
    QComboBox *m_fpsCombo = nullptr;
    QComboBox *m_qualityCombo = nullptr;
    QComboBox *m_encoderCombo = nullptr;
    QComboBox *m_containerCombo = nullptr;
    QComboBox *m_frameModeCombo = nullptr;
    QComboBox *m_keyframeCombo = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_presetButtons[4] = {};
    QPushButton *m_advancedToggle = nullptr;
    QFrame *m_advancedPanel = nullptr;
    bool m_applyingPreset = false;
};
