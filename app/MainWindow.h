#pragma once

#include "app/GlobalHotkey.h"
#include "dialogs/RecordingOptionConfigs.h"
#include "preparation/CapturableWindow.h"
#include "preparation/CaptureMode.h"
#include "widgets/HomeMode.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QRect>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <functional>

class BottomBar;
class CameraOverlay;
class CameraRecordingPage;
class ControlsArea;
class CountdownOverlay;
class FloatingToolbar;
class HomePage;
class ModeBar;
class MouseHighlighter;
class QMessageBox;
class QMenu;
class QAction;
class QScreen;
class QStackedWidget;
class Recorder;
class SetupRecordingToolbar;
class TitleBar;
class WatermarkProgressDialog;

// The application's top-level window and the controller of the whole program: it
// builds every long-lived component once, wires their signals, runs the preparation,
// the recording session and its end, and keeps the tray icon.
//
// Source files: MainWindow.cpp (construction, wiring, size and placement, settings),
// MainWindowSession.cpp (start, stop, pause, the recorder's signals),
// MainWindowPreparation.cpp (preparation toolbar, webcam page), MainWindowPending.cpp
// (close and tray behaviour, title-bar actions, schedule, hot keys, screenshot and
// the webcam during a recording).
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // ---- construction and settings
    // `screen`: the display to fit and place on; null: the one the window is on.
    void updateWindowSizeForContent(QScreen *screen = nullptr);
    void applyPersistentSettings(bool showErrors);
    void placeOnScreen(bool centre, QScreen *screen = nullptr);

    // ---- recording session
    void beginRecordingSession();
    void restoreAfterRecording(bool showWindow);

    // ---- preparation and webcam page
    void enterPreparation(HomeMode homeMode, int screenIndex);
    void showPreparation(HomeMode mode, int screenIndex, bool showToolbar);
    // After a start that was refused: the preparation it was started from, as it was.
    void resumePreparation(HomeMode mode, int screenIndex);
    void returnHome(bool show);
    void closeCameraPage();
    void presentRecordingControls();
    void refreshPreparationToolbar();

    // ---- close, tray and window behaviour
    void handleCloseRequest();
    void minimizeToTray();
    void requestApplicationQuit();
    void allowProgrammaticQuit() { programmaticQuitAllowed = true; }
    bool recordingUiActive() const;
    bool cameraPageActive() const;
    void showMainWindow();
    // Takes a minimised main window out of its minimised state.
    void restoreFromMinimized();
    // A tray notice; it also goes to the log, as it is lost without a tray host.
    void showTrayNotice(const QString &title, const QString &message, QSystemTrayIcon::MessageIcon icon,
                        int milliseconds);

    // ---- schedule
    void armScheduledRecording();
    void startScheduledRecording();
    bool hasArmedScheduledRecording() const;
    bool confirmQuitWithArmedSchedule();
    // The schedule's clock (tests set it; the system clock otherwise).
    std::function<QDateTime()> scheduleClock;
    // Starts the program again for a new interface language (tests set it; a detached
    // process of the same program otherwise). True when it started.
    std::function<bool()> startAgain;

    // ---- hot keys, screenshot, webcam during a recording
    void onHotkeyTriggered(int action);
    // The action of a hot key pressed at `atNs` (steady clock, InputEventTime).
    void handleHotkey(GlobalHotkey::Action action, qint64 atNs);
    // Whether a start by the hot key waits for a modal dialog to close.
    bool isStartWaitingForDialog() const { return hotkeyStartWait.isActive(); }
    void captureScreenshot();
    // The picture of the capture area without the preparation's own windows, given to `done`.
    void grabCaptureArea(std::function<void(const QImage &)> done);
    void setRecordingCameraEnabled(bool on, int retries);
    void showRecordingCameraPermissionHelp();
    void onApplicationStateChanged(Qt::ApplicationState state);

    // ---- orderly quit on a termination signal (SIGTERM, SIGHUP, SIGINT): a busy
    // recorder gets the stop steps and the program waits for it, at most
    // waitMilliseconds; a second request leaves at once.
    void requestOrderlyQuit(int waitMilliseconds = 30000);

    // ---- pure rules (tested over injected values)
    struct WindowSizes {
        QSize minimum;
        QSize size;
    };
    // Minimum size and size of the window for a screen's available area (empty: none).
    static WindowSizes fitWindowSize(const QRect &available);
    // Where a frame lands inside a work area (the available area inset by 24 px).
    static QPoint placeFrame(const QRect &frame, const QRect &available, bool centre);
    // Capture backend and desktop index of a screen recording of `rect` over screens
    // with these geometries: one screen -> (3, its index), otherwise (0, 0).
    static QPair<int, int> screenBackendFor(const QRect &rect, const QList<QRect> &screens);
    // The floating toolbar's top-left corner for width w in an available area.
    static QPoint floatingToolbarPosition(const QRect &available, int w);

    // ---- components (for tests)
    Recorder *recorder() const { return m_recorder; }
    HomePage *homePage() const { return m_homePage; }
    BottomBar *bottomBar() const { return m_bottomBar; }
    ModeBar *modeBar() const { return m_modeBar; }
    TitleBar *titleBar() const { return m_titleBar; }
    ControlsArea *controlsArea() const { return m_controls; }
    FloatingToolbar *floatingToolbar() const { return m_floatingToolbar; }
    SetupRecordingToolbar *setupToolbar() const { return m_setupToolbar; }
    CameraRecordingPage *cameraPage() const { return m_cameraPage; }
    QWidget *finalizationMaskWidget() const { return finalizationMask; }
    QWidget *finalizationProgressDialog() const { return finalizationDialog; }
    QWidget *countdownOverlay() const { return m_countdown; }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    bool isStartPending() const { return startPending; }
    bool isInPreparation() const { return inPreparation; }
    HomeMode currentHomeMode() const { return homeMode; }

    // Asks how to record 4K without a hardware encoder; the answer is a
    // Recorder::FourKSoftwareAction (3, cancel, when the dialog is closed).
    static int askFourKChoice(QWidget *parent, int width, int height, int fps);

public slots:
    void onStartRecording();
    void onStopRecording();
    // A stop asked by a key or click at `atNs` (steady clock; -1: now), where the recording ends.
    void stopRecordingAt(qint64 atNs);
    void onPauseRecording();
    void onRecordTick();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void setupUi();
    void connectComponents();
    // The items every preparation toolbar shares: auto stop, auto split, schedule and
    // settings (each toolbar's screenshot takes its own target).
    void connectToolbarItems(SetupRecordingToolbar *toolbar);
    void openPreferences(int page);
    // Schedule pieces (MainWindowSchedule.cpp).
    QDateTime scheduleNow() const;
    void armScheduleAfter(const QDateTime &after);
    bool scheduleHasTarget() const;
    void updateTrayMenu();
    // The waiting start by the hot key, once no modal dialog is open any more.
    void startAfterDialog();
    void onTrayActivated(QSystemTrayIcon::ActivationReason reason);
    // Title-bar actions.
    void openHelp();
    void openSupport();
    void openLogFolder();
    void showAbout();
    void changeLanguage(const QString &code);
    void restartProgram();
    void minimizeFromTitleBar();
    void toggleMaximized();

    // Session pieces.
    void onCountdownCanceled(int serial);
    void onCountdownFinished(int serial, bool audioOnly);
    void onRecorderStarted();
    void onRecorderPaused();
    void onRecorderResumed();
    void onFrameRateReduced(int previousFps, int currentFps, const QString &reason);
    void onPerformanceWarning(const QString &message);
    void onWindowCaptureLost(const QString &message);
    void onFourKDecision(int width, int height, int fps);
    void onFinalizingChanged(bool active);
    void onFinalizingMessage(const QString &message);
    void onFinalizationProgress(int percent, int currentFile, int totalFiles, qint64 remainingSeconds,
                                bool cancellable);
    void onFinalizationWarning(const QString &message);
    void onRecorderStopped(const QString &path);
    void onRecorderError(const QString &message);
    // The session's message box, not open yet; it deletes itself when closed.
    QMessageBox *recordingMessageBox(const QString &message);
    // After a recording ended, once its session is over: unless the media library or the
    // main window is on screen, the program comes back where a stop leaves it, so that it
    // can still be reached. With the file saved at `savedPath`, the window it belongs to
    // (the library with the new file, or the main window for MP3 and WAV); without a file
    // (a failed save, whose library window the user may have closed meanwhile), the main
    // window.
    void keepReachable(const QString &savedPath = QString());
    void onDiscardRequested();
    void onStopConfirmationRequested();
    void onMouseEffectsToggled(bool on);
    void onAutoStopWithdrawn();
    void createFinalizationMask(int generation);
    void removeFinalizationMask();
    QScreen *screenForPoint(const QPoint &point) const;
    // The window or game chosen on the controls panel.
    CapturableWindow chosenTarget() const;

    // Preparation pieces.
    void onPreparationRegionChanged(const QRect &rect);
    // A display went away: a preparation on it moves to one that is there (an area returns
    // home, saying why), a start on it is withdrawn, a recording on it ends as a stop does.
    void onScreenRemoved(QScreen *gone);
    void onPreparationWebcamPreviewChanged(bool on);
    void onCameraCaptureFailed(const QString &message);
    void onCameraSystemToggled(bool on);
    void onCameraMicrophoneToggled(bool on);

    // Components.
    QWidget *m_container = nullptr;
    TitleBar *m_titleBar = nullptr;
    ModeBar *m_modeBar = nullptr;
    ControlsArea *m_controls = nullptr;
    BottomBar *m_bottomBar = nullptr;
    HomePage *m_homePage = nullptr;
    QWidget *m_controlsPage = nullptr;
    QStackedWidget *m_pages = nullptr;
    CameraRecordingPage *m_cameraPage = nullptr;
    Recorder *m_recorder = nullptr;
    CameraOverlay *m_cameraOverlay = nullptr;
    MouseHighlighter *m_mouseHighlighter = nullptr;
    GlobalHotkey *m_hotkeys = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    QAction *m_trayShowAction = nullptr;
    QAction *m_trayRecordAction = nullptr;
    QAction *m_trayQuitAction = nullptr;
    FloatingToolbar *m_floatingToolbar = nullptr;
    SetupRecordingToolbar *m_setupToolbar = nullptr;
    QPointer<QWidget> m_countdown; // the CountdownOverlay of the session

    // State.
    QTimer recordTimer;
    QTimer scheduleTimer;
    // Runs while a start by the hot key waits for the modal dialog that was open to close.
    QTimer hotkeyStartWait;
    // Runs from the end of the countdown until the recording has started: a start that
    // takes long says on the toolbar what it waits for.
    QTimer startWaitTimer;
    QDateTime scheduleDueTime; // the start scheduleTimer is armed for
    int elapsedSeconds = 0;
    bool startPending = false;
    bool stopping = false;
    // Since the start/stop hot key last started or stopped (from the end of that handling): a
    // press while that is still settling (the second of a double press) is ignored.
    QElapsedTimer startStopHotkeyClock;
    static constexpr int kStartStopSettleMs = 600;
    int recordingSerial = 0;
    CaptureMode recordingCaptureMode = CaptureMode::Screen;
    QRect recordingCaptureRect;
    QRect recordingCaptureDeviceRect; // a screen recording's device pixels
    QString recordingMicrophone; // the microphone id the recording opens
    QString recordingSuffix; // of the file the running recording will be saved as
    bool cameraOn = false;
    bool mouseEffectsOn = true;
    bool annotationToolsShown = false;
    bool inPreparation = false;
    // Where the session began (the preparation toolbar or camera page, or else home) and
    // whether its recording ever started: a refused start goes back where it began.
    bool sessionFromPreparation = false;
    bool sessionRecorded = false;
    bool sessionOpen = false; // from its begin until restoreAfterRecording ends it
    HomeMode homeMode = HomeMode::FullScreen;
    int preparationScreenIndex = 0;
    int preparationGeneration = 0;
    int finalizationGeneration = 0;
    bool finalizationBegun = false;
    // The media library was opened to show the file being saved: a failed save closes it
    // again, as it would only show other recordings.
    bool libraryOpenedForSave = false;
    QPointer<QWidget> finalizationMask;
    // The message of the last failed or ended recording while it is open.
    QPointer<QWidget> recordingMessage;
    QPointer<QWidget> finalizationDialog; // a WatermarkProgressDialog
    struct FinalizationStatus {
        QString message;
        int percent = 0;
        int currentFile = 1;
        int totalFiles = 1;
        qint64 remainingSeconds = -1;
        bool cancellable = false;
    } finalizationStatus;
    bool cameraRetryOnActivate = false;
    int cameraRetrySerial = 0;
    bool firstShowHandled = false;
    bool quitRequested = false;
    bool programmaticQuitAllowed = false;
    bool closePromptOpen = false;
    bool trayNoticeShown = false;
    bool recordingNoticeShown = false;
    // Orderly quit after a termination signal.
    bool orderlyQuitPending = false;
    bool restartPending = false; // a language restart waits for the recording to be saved
    QString lastRecordingPath;
    QString currentOutputPath; // of the running recording, from its statistics
};
