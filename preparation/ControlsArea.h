#pragma once

#include "dialogs/CameraSettings.h"
#include "preparation/CapturableWindow.h"
#include "preparation/CaptureMode.h"
#include "widgets/HomeMode.h"

#include <QByteArray>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class AreaDropdown;
class AreaPicker;
class AudioDeviceWatcher;
class AudioLevelReader;
class AudioLevelWidget;
class AudioOutputMonitor;
class CameraSettingsDialog;
class QAudioSource;
class QComboBox;
class QFrame;
class QIODevice;
class QLabel;
class QPushButton;
class QStackedWidget;
class RegionOverlay;
class SetupRecordingToolbar;

// The recording-controls panel. It holds every per-recording choice the main
// window hands to the recorder when a recording begins: capture mode, region and
// target, video and audio-only settings, the audio processing values, the webcam,
// speaker and microphone switches with their devices, and the webcam settings. It
// also drives the region overlay while a recording is prepared, runs the level
// tests of the audio devices and the checks of its REC button.
class ControlsArea : public QWidget
{
    Q_OBJECT
public:
    explicit ControlsArea(QWidget *parent = nullptr);
    ~ControlsArea() override;

    // What a recording captures.
    CaptureMode captureMode() const { return m_captureMode; }
    QRect captureRect() const { return m_region; } // global logical coordinates
    // The same area's device pixels: where it was dragged, those the user chose (at a scale
    // above 1 they need not be where the logical corners fall); else the logical corners'.
    // This is what recordings and screenshots of the area cut.
    QRect captureDeviceRect() const { return m_deviceRegion; }
    // The full-screen area picker while the user is choosing an area, else null.
    AreaPicker *areaPicker() const;
    CapturableWindow captureTarget() const { return m_captureTarget; }
    // What the target page says is chosen: the window's title, or that none is.
    QString captureTargetText() const;
    // A window or frame to record: a valid window, or a valid frame.
    static bool isTargetUsable(const CapturableWindow &target);

    // Video settings (recording page of the preferences) and audio-only settings.
    int fps() const { return m_fps; }
    int videoBitrate() const { return m_videoBitrate; } // kbit/s
    QString encoder() const { return m_encoder; }
    QString videoContainer() const { return m_container; }
    QString frameRateMode() const { return m_frameRateMode; }
    int keyframeInterval() const { return m_keyframeInterval; }
    QString audioFormat() const { return m_audioFormat; }
    int audioBitrate() const { return m_audioBitrate; } // kbit/s

    // Devices and audio processing.
    bool isSystemAudioEnabled() const { return m_speakerOn; }
    bool isMicrophoneEnabled() const { return m_microphoneOn; }
    bool isWebcamEnabled() const { return m_webcamOn; }
    int systemVolume() const { return m_systemVolume; }         // percent
    int microphoneVolume() const { return m_microphoneVolume; } // percent
    bool noiseReduction() const { return m_noiseReduction; }
    bool mono() const { return m_mono; }
    int microphoneDelayMs() const { return m_microphoneDelayMs; }
    // The chosen speaker's id (a PulseAudio sink name); empty: the default output. A
    // chosen device stays chosen while it is unplugged or the sound server is away.
    QString systemAudioDeviceId() const;
    // The chosen speaker, or the default output, is there to be recorded.
    bool isSystemAudioDeviceAvailable() const;
    // The chosen microphone's id; empty: the default input.
    QByteArray microphoneDeviceId() const;
    // The chosen microphone's name; empty when the chosen device is gone.
    QString microphoneDeviceName() const;
    // The id of the microphone a recording opens: the chosen one, else the default
    // input; empty when that device is not there. Two microphones of one name are told
    // apart by it.
    QString microphoneForRecording() const;
    bool isRecording() const { return m_recording; }

    // Prepares a home-page mode card (0 full screen, 1 area, 2 window, 3 game,
    // 4 audio only, 5 webcam) on the given screen (-1: the one under the pointer).
    // False when no region or target results.
    bool prepareHomeMode(HomeMode homeMode, int screenIndex);
    void hidePreparationOverlay();
    // The frame of the prepared screen or area again, as preparation showed it.
    void showPreparationFrame();
    void chooseCaptureTarget();

    // Each takes the card's own path (a click on its toggle) when the state changes.
    void setWebcamEnabled(bool enabled);
    void setSystemAudioEnabled(bool enabled);
    void setMicrophoneEnabled(bool enabled);
    void setRecording(bool recording);
    void refreshAudioDevices();
    void showSystemDeviceMenu(QWidget *anchor);
    void showMicrophoneDeviceMenu(QWidget *anchor);

    // Webcam settings and the webcam choice (ControlsAreaWebcam.cpp).
    // Opens the webcam settings as the webcam card's settings button does.
    void showWebcamSettings();
    // The chosen camera's name and id; without a choice the first camera's; empty
    // without a camera.
    QString webcamDeviceName() const;
    QString webcamDeviceId() const;
    int webcamResolution() const { return m_cameraSettings.resolution; }
    int webcamFps() const { return m_cameraSettings.fps; }
    int webcamShape() const { return m_cameraSettings.shape; }
    int webcamPosition() const { return m_cameraSettings.position; }
    int webcamSize() const { return m_cameraSettings.size; }
    bool webcamMirrored() const { return m_cameraSettings.mirrored; }
    // Stops the settings dialog's camera preview so that a recording can open the camera.
    void prepareCameraForRecording();

    // Object names of the panel's parts, for whoever drives it from outside.
    static constexpr const char *RecButtonName = "RecButton";
    static constexpr const char *SpeakerToggleName = "SpeakerToggle";
    static constexpr const char *MicrophoneToggleName = "MicrophoneToggle";
    static constexpr const char *WebcamToggleName = "WebcamToggle";
    static constexpr const char *SpeakerTestName = "SpeakerTest";
    static constexpr const char *MicrophoneTestName = "MicrophoneTest";
    static constexpr const char *SpeakerMenuName = "SpeakerMenu";
    static constexpr const char *MicrophoneMenuName = "MicrophoneMenu";

public slots:
    void reloadRecordingSettings();
    void applyAutomaticRecordingFps(int fps);
    void showRecordingSettings();
    void setCaptureMode(CaptureMode mode);
    void suspendRegionOverlay();
    // The preparation toolbar's frame (global; null when hidden): the region's grips
    // under it leave its clicks to it.
    void keepRegionOverlayClearOf(const QRect &globalRect);
    void restoreRegionOverlay();
    // `deviceRegion`: a drawn area's device pixels (see captureDeviceRect()), else null.
    void onAreaSelected(const QString &label, int width, int height, QRect region, QRect deviceRegion = QRect());
    void onRecButtonClicked();
    void toggleSpeakerTest();
    void toggleMicrophoneTest();
    void showAudioSettings();

signals:
    void startRequested();
    // The window picker is about to open, with its own preparation toolbar.
    void captureTargetPickerOpening(SetupRecordingToolbar *toolbar);
    void preparationRegionChanged(const QRect &region);
    void preparationSelectionCanceled();
    void preparationWebcamPreviewChanged(bool enabled);
    void preparationWebcamPresentationChanged(int shape, int position, int size, bool mirrored);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Rebuilds the speaker and microphone boxes from the device lists last read.
    void fillAudioDeviceBoxes();
    QWidget *makeDeviceCard(const QString &iconPath, const QString &title, bool *state,
                            QPushButton *&toggle, QPushButton *&action, const QString &actionText,
                            QComboBox **deviceBox, QPushButton **menuButton);
    void onDeviceToggleClicked(bool *state);
    void applyDeviceToggleState(QPushButton *toggle, bool on);
    void updateAudioFormatButtons();
    void updateModeStyle();
    void updateCaptureTargetPanel();
    void updateRecButton();
    void showAudioDeviceMenu(bool system, QWidget *anchor);
    void showAudioLevelPopup(bool system);
    void onSpeakerLevel(float level);
    void onMicrophoneData();
    void selectFullScreen();
    void toggleAreaPresets();
    // `picked` in device pixels.
    void onRegionPicked(const QRect &picked);
    // The area in logical coordinates and its device pixels (derived when null).
    void setArea(const QRect &logical, const QRect &device = QRect());
    RegionOverlay *regionOverlay(bool announceChanges);
    void raisePanelWindow();
    bool isSpeakerTestRunning() const;
    bool isTestRunning(bool system) const;
    void toggleTest(bool system);

    // ---- Webcam seams, filled by the webcam part of this class (its own source file) ----
    // Runs in the webcam toggle's handler before the card switches on; false keeps
    // the card off for now.
    bool webcamPermissionStep();
    // Runs after the permission step: without a camera the card stays off and a box
    // says so.
    bool webcamCameraStep();
    // The application became active or inactive (the user may come back from
    // granting the camera permission).
    void onApplicationStateChanged(Qt::ApplicationState state);
    void openWebcamSettingsDialog();
    void showCameraPermissionBox();

    // Capture mode page 0: screen and region.
    QPushButton *m_fullScreenTile = nullptr;
    QPushButton *m_areaTile = nullptr;
    QLabel *m_areaChevron = nullptr;
    QLabel *m_sizeLabel = nullptr;
    AreaDropdown *m_areaPresets = nullptr;
    QStackedWidget *m_modeStack = nullptr;
    // Page 1: window or game target.
    QLabel *m_targetIcon = nullptr;
    QLabel *m_targetTitle = nullptr;
    QLabel *m_targetSubtitle = nullptr;
    QPushButton *m_chooseTargetButton = nullptr;
    // Page 2: audio only.
    QPushButton *m_formatButtons[4] = {};
    QComboBox *m_audioBitrateBox = nullptr;

    QWidget *m_webcamCard = nullptr;
    bool m_speakerOn = true;
    bool m_microphoneOn = false;
    bool m_webcamOn = false;
    bool m_cameraRequestPending = false;
    bool m_cameraSettingsOpened = false;
    QPushButton *m_speakerToggle = nullptr;
    QPushButton *m_microphoneToggle = nullptr;
    QPushButton *m_webcamToggle = nullptr;
    QPushButton *m_speakerTestButton = nullptr;
    QPushButton *m_microphoneTestButton = nullptr;
    QComboBox *m_speakerBox = nullptr;
    QComboBox *m_microphoneBox = nullptr;
    QPushButton *m_speakerMenuButton = nullptr;
    QPushButton *m_microphoneMenuButton = nullptr;
    QPushButton *m_recButton = nullptr;
    bool m_recording = false;

    QRect m_region;
    QRect m_deviceRegion;
    QPointer<RegionOverlay> m_regionOverlay; // top level, made on first use
    QPointer<AreaPicker> m_areaPicker; // open while an area is being chosen
    bool m_overlaySuspended = false;
    QRect m_overlayExclusion;

    CameraSettings m_cameraSettings; // webcam choice, kept in memory only
    CameraSettingsDialog *m_cameraDialog = nullptr;

    QAudioSource *m_microphoneSource = nullptr;
    QIODevice *m_microphoneInput = nullptr;
    AudioLevelReader *m_microphoneReader = nullptr;
    QFrame *m_microphonePopup = nullptr;
    AudioLevelWidget *m_microphoneLevel = nullptr;
    QFrame *m_speakerPopup = nullptr;
    AudioLevelWidget *m_speakerLevel = nullptr;
    QLabel *m_speakerHint = nullptr;
    QLabel *m_microphoneHint = nullptr;
    AudioOutputMonitor *m_speakerMonitor = nullptr;
    AudioDeviceWatcher *m_deviceWatcher = nullptr;

    int m_systemVolume = 100;
    int m_microphoneVolume = 100;
    bool m_noiseReduction = false;
    bool m_mono = false;
    int m_microphoneDelayMs = 0;
    bool m_speakerSignalSeen = false;
    bool m_microphoneSignalSeen = false;

    CaptureMode m_captureMode = CaptureMode::Screen;
    CapturableWindow m_captureTarget;
    int m_fps = 30;
    int m_quality = 1;
    int m_videoBitrate = 8000;
    QString m_encoder = QStringLiteral("auto");
    QString m_container = QStringLiteral("mp4");
    QString m_frameRateMode = QStringLiteral("cfr");
    int m_keyframeInterval = 2;
    QString m_audioFormat = QStringLiteral("mp3");
    int m_audioBitrate = 192;
};
