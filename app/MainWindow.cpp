#include "app/MainWindow.h"

#include "app/BottomBar.h"
#include "app/GlobalHotkey.h"
#include "app/HomePage.h"
#include "app/ModeBar.h"
#include "preparation/ScreenshotNotice.h"
#include "recording/ScreenshotWriter.h"
#include "app/TitleBar.h"
#include "widgets/DialogStacking.h"
#include "dialogs/SettingsDialog.h"
#include "overlays/CameraOverlay.h"
#include "overlays/FloatingToolbar.h"
#include "overlays/MouseHighlighter.h"
#include "overlays/SetupRecordingToolbar.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "preparation/CameraRecordingPage.h"
#include "preparation/ControlsArea.h"
#include "recording/Recorder.h"

#include <algorithm>
#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <cmath>

namespace {
constexpr int kMaxHeight = 16777215;
} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    // A normal framed window: the custom title bar has no window buttons, so the
    // window manager's frame stays.
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Vistrelle"));
    setObjectName(QStringLiteral("MainWindow"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/logo.ico")));
    setMinimumSize(900, 560);
    resize(1100, 650);
    // The dialogs of the toolbars, which stay on top, and the messages of the session
    // open above the window they belong to.
    keepDialogsAboveTheirOwners();
    setupUi();
    updateWindowSizeForContent();
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &MainWindow::onApplicationStateChanged);
    recordTimer.setInterval(100);
    connect(&recordTimer, &QTimer::timeout, this, &MainWindow::onRecordTick);
    scheduleTimer.setSingleShot(true);
    connect(&scheduleTimer, &QTimer::timeout, this, &MainWindow::startScheduledRecording);
    hotkeyStartWait.setInterval(150);
    startWaitTimer.setInterval(1000);
    connect(&startWaitTimer, &QTimer::timeout, this, [this] {
        const QString waitingFor = stopping ? QString() : m_recorder->startWaitReason();
        m_floatingToolbar->setStartWait(waitingFor);
        if (waitingFor.isEmpty())
            startWaitTimer.stop();
    });
    connect(&hotkeyStartWait, &QTimer::timeout, this, &MainWindow::startAfterDialog);
    armScheduledRecording();
}

void MainWindow::setupUi()
{
    m_container = new QWidget(this);
    m_container->setObjectName(QStringLiteral("MainContainer"));
    m_container->setAttribute(Qt::WA_StyledBackground);
    m_container->setStyleSheet(QStringLiteral(
        "#MainContainer {  background:qradialgradient(cx:0.48,cy:0.48,radius:0.95,    stop:0 #111d30,stop:0.58 "
        "#0b1626,stop:1 #07101d);  border-radius:0;  border:0;}"));

    m_titleBar = new TitleBar(m_container);
    m_modeBar = new ModeBar(m_container);
    m_controls = new ControlsArea(m_container);
    m_bottomBar = new BottomBar(m_container);
    m_homePage = new HomePage(m_container);

    m_controlsPage = new QWidget(m_container);
    auto *controlsLayout = new QVBoxLayout(m_controlsPage);
    controlsLayout->setContentsMargins(0, 0, 0, 0);
    controlsLayout->setSpacing(0);
    controlsLayout->addWidget(m_modeBar);
    controlsLayout->addWidget(m_controls);
    controlsLayout->addWidget(m_bottomBar);

    m_pages = new QStackedWidget(m_container);
    m_pages->setAutoFillBackground(false);
    m_pages->setStyleSheet(QStringLiteral("QStackedWidget{background:transparent;border:0;}"));
    m_cameraPage = new CameraRecordingPage(m_container);
    m_pages->addWidget(m_homePage);
    m_pages->addWidget(m_cameraPage);
    m_pages->addWidget(m_controlsPage);
    m_pages->setCurrentWidget(m_homePage);

    auto *containerLayout = new QVBoxLayout(m_container);
    containerLayout->setContentsMargins(0, 0, 0, 0);
    containerLayout->setSpacing(0);
    containerLayout->addWidget(m_titleBar, 0);
    containerLayout->addWidget(m_pages, 1);
    auto *windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(m_container);

    m_recorder = new Recorder(this);
    m_cameraOverlay = new CameraOverlay(nullptr);
    m_mouseHighlighter = new MouseHighlighter(nullptr);
    m_hotkeys = new GlobalHotkey(this);

    m_trayIcon = new QSystemTrayIcon(QIcon(QStringLiteral(":/icons/icons/logo.ico")), this);
    m_trayMenu = new QMenu(this);
    m_trayShowAction = m_trayMenu->addAction(tr("显示 Vistrelle"));
    m_trayRecordAction = m_trayMenu->addAction(tr("Start Recording"));
    m_trayMenu->addSeparator();
    m_trayQuitAction = m_trayMenu->addAction(tr("退出"));
    m_trayIcon->setContextMenu(m_trayMenu);
    connect(m_trayMenu, &QMenu::aboutToShow, this, &MainWindow::updateTrayMenu);
    connect(m_trayShowAction, &QAction::triggered, this, &MainWindow::presentRecordingControls);
    connect(m_trayRecordAction, &QAction::triggered, this, [this] {
        const bool idle =
            !m_recorder->isRecording() && !m_recorder->isPreparingStart() && !m_recorder->isFinalizing();
        if (idle && !startPending)
            onStartRecording();
        else
            onStopRecording();
    });
    connect(m_trayQuitAction, &QAction::triggered, this, &MainWindow::requestApplicationQuit);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &MainWindow::onTrayActivated);
    m_trayIcon->setVisible(true);

    m_floatingToolbar = new FloatingToolbar(nullptr);
    m_floatingToolbar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_floatingToolbar->setWindowTitle(tr("Vistrelle recording toolbar"));
    m_floatingToolbar->hide();
    m_setupToolbar = new SetupRecordingToolbar(nullptr);
    m_setupToolbar->setWindowTitle(tr("Vistrelle preparation toolbar"));
    m_setupToolbar->hide();
    m_setupToolbar->installEventFilter(this);
    QPointer<FloatingToolbar> toolbar = m_floatingToolbar;
    m_recorder->setAnnotationFrameProvider([toolbar](const QRect &rect, const QSize &size) {
        return toolbar ? toolbar->renderAnnotations(rect, size) : QImage();
    });

    applyPersistentSettings(false);
    connectComponents();
}

void MainWindow::connectComponents()
{
    // Controls panel, home page, mode bar, bottom strip.
    connect(m_controls, &ControlsArea::startRequested, this, &MainWindow::onStartRecording);
    connect(m_controls, &ControlsArea::preparationRegionChanged, this, &MainWindow::onPreparationRegionChanged);
    connect(m_controls, &ControlsArea::preparationSelectionCanceled, this, [this] { returnHome(true); });
    connect(m_controls, &ControlsArea::preparationWebcamPreviewChanged, this,
            &MainWindow::onPreparationWebcamPreviewChanged);
    connect(m_controls, &ControlsArea::preparationWebcamPresentationChanged, m_cameraOverlay,
            &CameraOverlay::updatePresentation);
    connect(m_modeBar, &ModeBar::captureModeChanged, m_controls, &ControlsArea::setCaptureMode);
    connect(m_homePage, &HomePage::modeSelected, this, [this](HomeMode mode) { enterPreparation(mode, -1); });
    connect(m_homePage, &HomePage::mediaLibraryRequested, m_bottomBar, &BottomBar::showMediaLibrary);
    connect(m_homePage, &HomePage::scheduleRequested, m_bottomBar, &BottomBar::showScheduleSettings);
    connect(m_bottomBar, &BottomBar::recordingSettingsRequested, this, [this] { openPreferences(4); });
    connect(m_bottomBar, &BottomBar::mediaLibraryOpened, this, [this] {
        m_controls->suspendRegionOverlay();
        m_homePage->setMediaLibraryActive(true);
        hide();
    });
    connect(m_bottomBar, &BottomBar::mediaLibraryClosed, this, [this] {
        m_homePage->setMediaLibraryActive(false);
        if (!inPreparation && !startPending && !m_recorder->isRecording() && !m_recorder->isPreparingStart()
            && !m_recorder->isFinalizing()) {
            show();
            raise();
            activateWindow();
        }
        m_controls->restoreRegionOverlay();
    });
    connect(m_bottomBar, &BottomBar::scheduleChanged, this, &MainWindow::armScheduledRecording);
    m_recorder->setWatermarkFilter(QString());
    connect(m_bottomBar, &BottomBar::autoSplitChanged, this, [this](const AutoSplitConfig &c) {
        m_recorder->setAutoSplit(c.enabled, c.mode, c.durationMin, c.sizeMB);
    });
    connect(m_bottomBar, &BottomBar::autoStopChanged, this, [this](const AutoStopConfig &c) {
        m_recorder->setAutoStop(c.enabled, c.mode, c.durationMin, c.sizeMB);
        if (!m_recorder->isRecording())
            return;
        // The panel made for the new limit stands where the first one stood, beside the
        // toolbar, and counts to the same stop as the recorder, through pauses.
        m_bottomBar->updateCountdown(m_recorder->runningMs());
        if (QWidget *countdown = m_bottomBar->countdownWindow(); countdown && m_floatingToolbar->isVisible())
            m_floatingToolbar->placeBeside(countdown);
    });
    connect(m_bottomBar, &BottomBar::autoStopWithdrawn, this, &MainWindow::onAutoStopWithdrawn);
    const AutoSplitConfig split = m_bottomBar->autoSplitConfig();
    m_recorder->setAutoSplit(split.enabled, split.mode, split.durationMin, split.sizeMB);
    const AutoStopConfig stop = m_bottomBar->autoStopConfig();
    m_recorder->setAutoStop(stop.enabled, stop.mode, stop.durationMin, stop.sizeMB);

    // Webcam page.
    connect(m_cameraPage, &CameraRecordingPage::recordRequested, this, &MainWindow::onStartRecording);
    connect(m_cameraPage, &CameraRecordingPage::stopRequested, this, &MainWindow::onStopRecording);
    connect(m_cameraPage, &CameraRecordingPage::pauseRequested, this, &MainWindow::onPauseRecording);
    connect(m_cameraPage, &CameraRecordingPage::backRequested, this, &MainWindow::closeCameraPage);
    connect(m_cameraPage, &CameraRecordingPage::systemToggled, this, &MainWindow::onCameraSystemToggled);
    connect(m_cameraPage, &CameraRecordingPage::microphoneToggled, this, &MainWindow::onCameraMicrophoneToggled);
    connect(m_cameraPage, &CameraRecordingPage::systemMenuRequested, m_controls, &ControlsArea::showSystemDeviceMenu);
    connect(m_cameraPage, &CameraRecordingPage::microphoneMenuRequested, m_controls,
            &ControlsArea::showMicrophoneDeviceMenu);
    connect(m_cameraPage, &CameraRecordingPage::autoStopRequested, m_bottomBar, &BottomBar::showAutoStopSettings);
    connect(m_cameraPage, &CameraRecordingPage::autoSplitRequested, m_bottomBar, &BottomBar::showAutoSplitSettings);
    connect(m_cameraPage, &CameraRecordingPage::settingsRequested, this, [this] { openPreferences(4); });
    connect(m_cameraPage, &CameraRecordingPage::captureFailed, this, &MainWindow::onCameraCaptureFailed);

    // Preparation toolbar.
    connect(m_setupToolbar, &SetupRecordingToolbar::recordRequested, this, &MainWindow::onStartRecording);
    connect(qApp, &QGuiApplication::screenRemoved, this, &MainWindow::onScreenRemoved);
    // The toolbar's screenshot says where it went (the window picker's takes its chosen window).
    connect(m_setupToolbar, &SetupRecordingToolbar::screenshotRequested, this, [this] {
        grabCaptureArea([this](const QImage &picture) { ScreenshotNotice::save(m_setupToolbar, picture); });
    });
    connectToolbarItems(m_setupToolbar);
    connect(m_controls, &ControlsArea::captureTargetPickerOpening, this, &MainWindow::connectToolbarItems);
    connect(m_setupToolbar, &SetupRecordingToolbar::modeRequested, this, [this](HomeMode mode) { enterPreparation(mode, -1); });
    connect(m_setupToolbar, &SetupRecordingToolbar::displayRequested, this,
            [this](int index) { enterPreparation(HomeMode::FullScreen, index); });
    connect(m_setupToolbar, &SetupRecordingToolbar::webcamToggled, this, [this](bool on) {
        m_controls->setWebcamEnabled(on);
        refreshPreparationToolbar();
    });
    connect(m_setupToolbar, &SetupRecordingToolbar::speakerToggled, this, [this](bool on) {
        m_controls->setSystemAudioEnabled(on);
        refreshPreparationToolbar();
    });
    connect(m_setupToolbar, &SetupRecordingToolbar::microphoneToggled, this, [this](bool on) {
        m_controls->setMicrophoneEnabled(on);
        refreshPreparationToolbar();
    });
    connect(m_setupToolbar, &SetupRecordingToolbar::webcamMenuRequested, m_controls,
            [this](QWidget *) { m_controls->showWebcamSettings(); });
    connect(m_setupToolbar, &SetupRecordingToolbar::speakerMenuRequested, m_controls,
            &ControlsArea::showSystemDeviceMenu);
    connect(m_setupToolbar, &SetupRecordingToolbar::microphoneMenuRequested, m_controls,
            &ControlsArea::showMicrophoneDeviceMenu);
    connect(m_setupToolbar, &SetupRecordingToolbar::backRequested, this, [this] { returnHome(true); });

    // Floating toolbar.
    connect(m_floatingToolbar, &FloatingToolbar::stopRequested, this, &MainWindow::onStopRecording);
    connect(m_floatingToolbar, &FloatingToolbar::discardRequested, this, &MainWindow::onDiscardRequested);
    connect(m_floatingToolbar, &FloatingToolbar::pauseRequested, this, &MainWindow::onPauseRecording);
    connect(m_floatingToolbar, &FloatingToolbar::stopConfirmationRequested, this,
            &MainWindow::onStopConfirmationRequested);
    connect(m_floatingToolbar, &FloatingToolbar::resumeRequested, m_recorder, &Recorder::resume);
    connect(m_floatingToolbar, &FloatingToolbar::cameraToggled, this,
            [this](bool on) { setRecordingCameraEnabled(on, 0); });
    connect(m_floatingToolbar, &FloatingToolbar::timerRequested, m_bottomBar, &BottomBar::showAutoStopSettings);
    connect(m_floatingToolbar, &FloatingToolbar::mouseEffectsToggled, this, &MainWindow::onMouseEffectsToggled);
    // The auto-stop countdown stays beside the toolbar when the annotation row opens under
    // its buttons, not under the row.
    connect(m_floatingToolbar, &FloatingToolbar::resizedToContents, this, [this] {
        if (QWidget *countdown = m_bottomBar->countdownWindow(); countdown && countdown->isVisible()
            && m_floatingToolbar->isVisible())
            m_floatingToolbar->placeBeside(countdown);
    });

    // Hot keys.
    connect(m_hotkeys, &GlobalHotkey::hotkeyTriggered, this, &MainWindow::onHotkeyTriggered);

    // Recorder: the webcam page's state first, then the strip, then the toolbar.
    connect(m_recorder, &Recorder::started, this, [this] {
        if (homeMode == HomeMode::Webcam)
            m_cameraPage->setBusy(true, false);
    });
    connect(m_recorder, &Recorder::started, m_bottomBar, &BottomBar::onRecordingStarted);
    connect(m_recorder, &Recorder::started, this, &MainWindow::onRecorderStarted);
    connect(m_recorder, &Recorder::segmentLaunching, m_floatingToolbar, &FloatingToolbar::endStartWaitNow);
    connect(m_recorder, &Recorder::paused, this, [this] {
        if (homeMode == HomeMode::Webcam)
            m_cameraPage->setBusy(true, true);
    });
    connect(m_recorder, &Recorder::paused, this, &MainWindow::onRecorderPaused);
    connect(m_recorder, &Recorder::resumed, this, [this] {
        if (homeMode == HomeMode::Webcam)
            m_cameraPage->setBusy(true, false);
    });
    connect(m_recorder, &Recorder::resumed, this, &MainWindow::onRecorderResumed);
    connect(m_recorder, &Recorder::recordTick, m_cameraPage, &CameraRecordingPage::setTime);
    connect(m_recorder, &Recorder::recordingStatsUpdated, m_floatingToolbar, &FloatingToolbar::setRecordingStats);
    connect(m_recorder, &Recorder::recordingStatsUpdated, this,
            [this](qint64, const QString &path) { currentOutputPath = path; });
    connect(m_recorder, &Recorder::frameRateAutomaticallyReduced, this, &MainWindow::onFrameRateReduced);
    connect(m_recorder, &Recorder::recordingPerformanceWarning, this, &MainWindow::onPerformanceWarning);
    connect(m_recorder, &Recorder::windowCaptureLost, this, &MainWindow::onWindowCaptureLost);
    connect(m_recorder, &Recorder::recordingInterrupted, this, [this](const QString &message) {
        showTrayNotice(tr("录制提示"), message, QSystemTrayIcon::Warning, 10000);
    });
    connect(m_recorder, &Recorder::fourKSoftwareEncodingDecisionRequired, this, &MainWindow::onFourKDecision);
    connect(m_recorder, &Recorder::finalizingChanged, this, &MainWindow::onFinalizingChanged);
    connect(m_recorder, &Recorder::finalizingMessageChanged, this, &MainWindow::onFinalizingMessage);
    connect(m_recorder, &Recorder::finalizationProgressChanged, this, &MainWindow::onFinalizationProgress);
    connect(m_recorder, &Recorder::finalizationWarning, this, &MainWindow::onFinalizationWarning);
    connect(m_recorder, &Recorder::stopped, this, &MainWindow::onRecorderStopped);
    connect(m_recorder, &Recorder::errorOccurred, this, &MainWindow::onRecorderError);

    // Title bar.
    // The menu's "退出" quits, like the tray's: it is not the window's close button.
    connect(m_titleBar, &TitleBar::closeRequested, this, &MainWindow::requestApplicationQuit);
    connect(m_titleBar, &TitleBar::settingsRequested, this, [this] { openPreferences(-1); });
    connect(m_titleBar, &TitleBar::helpRequested, this, &MainWindow::openHelp);
    connect(m_titleBar, &TitleBar::openLogFolderRequested, this, &MainWindow::openLogFolder);
    connect(m_titleBar, &TitleBar::supportRequested, this, &MainWindow::openSupport);
    connect(m_titleBar, &TitleBar::aboutRequested, this, &MainWindow::showAbout);
    connect(m_titleBar, &TitleBar::languageChangeRequested, this, &MainWindow::changeLanguage);
    connect(m_titleBar, &TitleBar::minimizeRequested, this, &MainWindow::minimizeFromTitleBar);
    connect(m_titleBar, &TitleBar::maximizeRequested, this, &MainWindow::toggleMaximized);
}

MainWindow::~MainWindow()
{
    m_recorder->setAnnotationFrameProvider({});
    m_cameraPage->stopPreview();
    removeFinalizationMask();
    delete m_mouseHighlighter;
    delete m_cameraOverlay;
    delete m_floatingToolbar;
    delete m_setupToolbar;
}

void MainWindow::connectToolbarItems(SetupRecordingToolbar *toolbar)
{
    connect(toolbar, &SetupRecordingToolbar::autoStopRequested, m_bottomBar, &BottomBar::showAutoStopSettings);
    connect(toolbar, &SetupRecordingToolbar::autoSplitRequested, m_bottomBar, &BottomBar::showAutoSplitSettings);
    connect(toolbar, &SetupRecordingToolbar::scheduleRequested, m_bottomBar, &BottomBar::showScheduleSettings);
    connect(toolbar, &SetupRecordingToolbar::settingsRequested, m_titleBar, &TitleBar::settingsRequested);
    const auto showLimits = [this, toolbar] {
        toolbar->setLimitStates(m_bottomBar->autoStopConfig().enabled, m_bottomBar->autoSplitConfig().enabled);
    };
    showLimits();
    connect(m_bottomBar, &BottomBar::autoStopChanged, toolbar, showLimits);
    connect(m_bottomBar, &BottomBar::autoSplitChanged, toolbar, showLimits);
}

void MainWindow::openPreferences(int page)
{
    SettingsDialog dialog(this);
    if (page >= 0)
        dialog.setCurrentPage(page);
    connect(&dialog, &SettingsDialog::settingsApplied, m_controls, &ControlsArea::reloadRecordingSettings);
    connect(&dialog, &SettingsDialog::settingsApplied, this, [this] { applyPersistentSettings(true); });
    // Keys typed into a hot-key field are for the field, not for the program's hot keys.
    connect(&dialog, &SettingsDialog::hotkeyFieldFocused, this, [this](bool focused) {
        if (focused)
            m_hotkeys->unregisterAll();
        else
            m_hotkeys->reloadFromSettings();
    });
    dialog.exec();
}

// ---------------------------------------------------------------------------
// Size and placement

MainWindow::WindowSizes MainWindow::fitWindowSize(const QRect &available)
{
    if (available.isEmpty())
        return {QSize(900, 560), QSize(1100, 650)};
    const int w = available.width(), h = available.height();
    const double usableW = w < 50 ? 1 : w - 48;
    const double usableH = h < 50 ? 1 : h - 48;
    const double fit = std::min(1.0, std::min(usableW / 1100.0, usableH / 650.0));
    const double floor = 560.0 / 650.0;
    const double preferred = std::max(floor, std::min(1.0, std::min(0.7 * w / 1100.0, 0.7 * h / 650.0)));
    auto round = [](double v) { return int(std::lround(v)); };
    if (fit < floor)
        return {QSize(round(std::min(fit * 1100, 900.0)), round(std::min(fit * 650, 560.0))),
                QSize(round(fit * 1100), round(fit * 650))};
    return {QSize(900, 560), QSize(round(preferred * 1100), round(preferred * 650))};
}

void MainWindow::updateWindowSizeForContent(QScreen *chosen)
{
    QScreen *screen = chosen ? chosen
                      : firstShowHandled ? QGuiApplication::screenAt(frameGeometry().center())
                                         : QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const WindowSizes sizes = fitWindowSize(screen ? available : QRect());
    setMinimumSize(sizes.minimum);
    setMaximumHeight(kMaxHeight);
    resize(sizes.size);
    if (screen && !available.isEmpty() && (isVisible() || firstShowHandled))
        placeOnScreen(false, chosen);
}

QPoint MainWindow::placeFrame(const QRect &frame, const QRect &available, bool centre)
{
    const QRect work = available.adjusted(24, 24, -24, -24);
    QRect f = frame;
    if (f.width() > work.width())
        f.setWidth(work.width());
    if (centre || (f.topLeft() == QPoint(0, 0) && !work.contains(f.center())))
        f.moveTopLeft(QPoint(work.left() + (work.width() - f.width()) / 2,
                             work.top() + (work.height() - f.height()) / 2));
    if (f.right() > work.right())
        f.moveRight(work.right());
    if (f.left() < work.left())
        f.moveLeft(work.left());
    if (f.height() > work.height()) {
        // Taller than the margins leave (a small or high-DPI display): in the middle of the
        // available area, never with its title over a panel.
        f.moveTop(std::max(available.top(), available.top() + (available.height() - f.height()) / 2));
    } else if (f.top() < work.top()) {
        f.moveTop(work.top());
    } else if (f.bottom() > work.bottom()) {
        f.moveBottom(work.bottom());
    }
    return f.topLeft();
}

void MainWindow::placeOnScreen(bool centre, QScreen *chosen)
{
    QScreen *screen = chosen ? chosen : QGuiApplication::screenAt(frameGeometry().center());
    if (!screen)
        screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    move(placeFrame(frameGeometry(), screen->availableGeometry(), centre));
}

QScreen *MainWindow::screenForPoint(const QPoint &point) const
{
    if (QScreen *screen = QGuiApplication::screenAt(point))
        return screen;
    return QGuiApplication::primaryScreen();
}

QPair<int, int> MainWindow::screenBackendFor(const QRect &rect, const QList<QRect> &screens)
{
    int found = -1, count = 0;
    for (int i = 0; i < screens.size(); ++i) {
        if (screens.at(i).intersects(rect)) {
            ++count;
            found = i;
        }
    }
    if (count == 1)
        return {int(Recorder::DesktopDuplicationWithFallbackBackend), found};
    return {0, 0};
}

QPoint MainWindow::floatingToolbarPosition(const QRect &a, int w)
{
    const int left = std::max(a.left(), std::min(a.right() - w, (a.left() + a.right()) / 2 - w / 2));
    return QPoint(left, a.top() + 8);
}

// ---------------------------------------------------------------------------
// Settings

void MainWindow::applyPersistentSettings(bool showErrors)
{
    QSettings s;
    mouseEffectsOn = s.value(QStringLiteral("effects/mouseEnabled"), true).toBool();
    auto colour = [&s](const char *key, const char *fallback) {
        const QColor c = QColor::fromString(s.value(QLatin1String(key), QLatin1String(fallback)).toString());
        return c.isValid() ? c : QColor(QLatin1String(fallback));
    };
    QColor halo = colour("effects/mouseColor", "#facd15");
    // Stored values outside what the preferences offer (10..100 %, 20..120 px) are
    // brought back into those ranges.
    const int opacity = std::clamp(s.value(QStringLiteral("effects/mouseOpacity"), 60).toInt(), 10, 100);
    halo.setAlpha(int(std::lround(opacity * 2.55)));
    const QColor left = colour("effects/leftClickColor", "#ef3d3d");
    const QColor right = colour("effects/rightClickColor", "#3478f6");
    const int size = std::clamp(s.value(QStringLiteral("effects/mouseSize"), 40).toInt(), 20, 120);
    const bool clickAnimation = s.value(QStringLiteral("effects/clickAnimation"), true).toBool();

    m_mouseHighlighter->setHaloColor(halo);
    m_mouseHighlighter->update();
    m_mouseHighlighter->setHaloRadius(std::max(size / 2, 4));
    m_mouseHighlighter->update();
    m_mouseHighlighter->setClickAnimationEnabled(clickAnimation);
    m_mouseHighlighter->setLeftClickColor(left);
    m_mouseHighlighter->setRightClickColor(right);
    m_floatingToolbar->setMouseEffectsEnabled(mouseEffectsOn);
    m_recorder->setMouseEffectsEnabled(mouseEffectsOn);
    m_recorder->setMouseEffectStyle(halo, size, opacity, clickAnimation, left, right);
    const QStringList failed = m_hotkeys->reloadFromSettings();
    if (showErrors && !failed.isEmpty())
        QMessageBox::warning(this, tr("快捷键设置"),
                             tr("以下快捷键无法注册，可能已被其他程序占用或按键不受支持：\n%1")
                                 .arg(failed.join(QLatin1Char('\n'))));
}

// ---------------------------------------------------------------------------
// Window events

bool MainWindow::event(QEvent *event)
{
    const bool result = QWidget::event(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::Show && !firstShowHandled) {
        firstShowHandled = true;
        // The first place is on the display under the pointer (else the primary), sized for
        // it: the frame not placed yet stands at the origin, which may be another display.
        QTimer::singleShot(0, this, [this] {
            QScreen *screen = screenForPoint(QCursor::pos());
            updateWindowSizeForContent(screen);
            placeOnScreen(true, screen);
        });
    }
    // While a recording is being saved its controls are gone: the window may come back.
    const auto controlsInFront = [this] {
        return recordingUiActive() && !cameraPageActive() && !m_recorder->isFinalizing();
    };
    if ((type == QEvent::Show || type == QEvent::WindowActivate || type == QEvent::WindowStateChange)
        && controlsInFront()) {
        QTimer::singleShot(0, this, [this, controlsInFront] {
            if (!controlsInFront())
                return;
            if (isVisible())
                hide();
            presentRecordingControls();
        });
    }
    return result;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_setupToolbar
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show
            || event->type() == QEvent::Hide))
        m_controls->keepRegionOverlayClearOf(event->type() == QEvent::Hide ? QRect() : m_setupToolbar->frameGeometry());
    if (event->type() == QEvent::Resize && finalizationMask && watched == finalizationMask->parentWidget())
        finalizationMask->setGeometry(0, 0, finalizationMask->parentWidget()->width(),
                                      finalizationMask->parentWidget()->height());
    return QWidget::eventFilter(watched, event);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && startWindowMove(this, event->globalPosition().toPoint())) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (finalizationMask && finalizationMask->parentWidget() == this)
        finalizationMask->setGeometry(0, 0, width(), height());
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
}

void MainWindow::showTrayNotice(const QString &title, const QString &message, QSystemTrayIcon::MessageIcon icon,
                                int milliseconds)
{
    qInfo().noquote() << "[Notice]" << title << "-" << message;
    if (m_trayIcon && QSystemTrayIcon::isSystemTrayAvailable())
        m_trayIcon->showMessage(title, message, icon, milliseconds);
}
