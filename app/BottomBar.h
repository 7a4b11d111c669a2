#pragma once

#include "dialogs/AutoStopDialog.h"
#include "dialogs/RecordingOptionConfigs.h"
#include "library/WatermarkConfig.h"

#include <QPointer>
#include <QWidget>

class QPushButton;
class QDialog;
struct VideoRecord;

// The keeper of the persisted recording options (watermark, auto split, auto stop,
// schedule) and the one place that opens the media library window and the option
// dialogs. It sits on the main window's hidden controls page; the main window, the
// toolbars and the home page reach it through its slots.
class BottomBar : public QWidget
{
    Q_OBJECT

public:
    explicit BottomBar(QWidget *parent = nullptr);
    ~BottomBar() override;

    // The media library window (a VideoListDialog) once it was made, else null.
    QDialog *mediaLibraryWindow() const;
    AutoStopDialog *countdownWindow() const { return m_countdown; }
    // Freezes the auto-stop countdown while the recording is paused.
    void addVideoRecord(const VideoRecord &record);
    // Whether a finished recording with this file suffix comes back to the main window
    // (audio saved as MP3 or WAV) rather than to the media library.
    static bool returnsHomeAfter(const QString &suffix);

    WatermarkConfig watermarkConfig() const { return m_watermark; }
    AutoSplitConfig autoSplitConfig() const { return m_autoSplit; }
    AutoStopConfig autoStopConfig() const { return m_autoStop; }
    ScheduledRecordingConfig scheduleConfig() const { return m_schedule; }

    QPushButton *autoSplitButton() const { return m_autoSplitButton; }
    QPushButton *autoStopButton() const { return m_autoStopButton; }
    QPushButton *scheduleButton() const { return m_scheduleButton; }
    QPushButton *watermarkButton() const { return m_watermarkButton; }

public slots:
    void onVideoListClicked();
    void showMediaLibrary();
    void onWatermarkClicked();
    void onAutoSplitClicked();
    void onAutoStopClicked();
    void onScheduleClicked();
    void showAutoSplitSettings();
    void showAutoStopSettings();
    void showScheduleSettings();
    void setScheduleEnabled(bool on);
    void onRecordingStarted();
    // The auto-stop limit changed during a recording that has recorded this long: the
    // countdown panel shows the new limit, or goes when there is no duration limit now.
    // The panel counts down to the stop by duration, `runningMs` after the first media.
    void updateCountdown(qint64 runningMs);
    void onRecordingStopped(const QString &outputPath);
    // The recording is over (its saving begins): the countdown panel goes.
    void closeCountdown();

signals:
    void watermarkChanged(const WatermarkConfig &config);
    void autoSplitChanged(const AutoSplitConfig &config);
    void autoStopChanged(const AutoStopConfig &config);
    // The user cancelled the countdown of the running recording: its limit is withdrawn
    // (the stored record stays and applies to the next recording).
    void autoStopWithdrawn();
    void openVideoRequested(const QString &path);
    void recordingSettingsRequested();
    void scheduleChanged(const ScheduledRecordingConfig &config);
    void mediaLibraryOpened();
    void mediaLibraryClosed();

private:
    QPushButton *makeButton(const QString &iconPath, const QString &text, bool checkable, bool rightBorder);
    void loadSettings();
    void ensureLibraryWindow();
    void showLibraryWindow();
    void reloadLibrary();
    void showCountdown(qint64 remainingMs);

    QPushButton *m_libraryButton = nullptr;
    QPushButton *m_watermarkButton = nullptr;
    QPushButton *m_autoSplitButton = nullptr;
    QPushButton *m_autoStopButton = nullptr;
    QPushButton *m_scheduleButton = nullptr;
    QPushButton *m_gpuButton = nullptr;
    QPointer<QDialog> m_library;
    int m_libraryGeneration = 0;
    QPointer<AutoStopDialog> m_countdown;
    WatermarkConfig m_watermark;
    AutoSplitConfig m_autoSplit;
    AutoStopConfig m_autoStop;
    ScheduledRecordingConfig m_schedule;
};
