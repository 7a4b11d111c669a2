#include "preparation/CameraRecordingPage.h"

#include "widgets/TintedIcon.h"
#include "platform/mac/MacCameraPermission.h"
#include "platform/mac/CameraHub.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char *const PrivacyCameraUrl = "x-apple.systempreferences:com.apple.preference.security?Privacy_Camera";

// A single light-blue silhouette of one of the built-in SVG icons.
QIcon pageIcon(const QString &file)
{
    return tintedIcon(QStringLiteral(":/icons/icons/") + file, QSize(32, 32), QColor(QStringLiteral("#78aaff")));
}

QFrame *toolbarSeparator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("CameraToolbarSeparator"));
    line->setFrameShape(QFrame::VLine);
    line->setFixedSize(1, 48);
    return line;
}

QFrame *floatingSeparator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("CameraToolbarSeparator"));
    line->setFrameShape(QFrame::VLine);
    line->setFixedSize(1, 22);
    return line;
}

qint64 monotonicMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

// The last rows pin the fixed sizes in the style sheet's own terms (content size
// inside padding and border): a minimum height from the application's style sheet
// would otherwise replace them, and the round REC button and the pill of framing
// switches would lose their shape.
const char *const PageStyle = R"(
QWidget#CameraRecordingPage { background:#08192b; }
QLabel { color:#eaf2ff; background:transparent; }
QPushButton, QComboBox { color:#edf4ff; font-size:13px; }
QPushButton#CameraBackButton { background:#102b46; border:1px solid #315879; border-radius:8px; padding:8px 14px; }
QPushButton#CameraBackButton:hover { background:#173b5e; border-color:#4e7fa8; }
QLabel#CameraPreview { background:#010811; border:1px solid #2b526f; border-radius:10px; }
QWidget#CameraFloatingTools { background:rgba(9,24,42,226); border:1px solid #365b7c; border-radius:25px; }
QPushButton#CameraFloatingButton { background:transparent; border:0; border-radius:8px; padding:7px 12px; color:#ecf3ff; }
QPushButton#CameraFloatingButton:hover { background:#173b5e; }
QPushButton#CameraFloatingButton:checked { background:#214f82; color:#9fc0ff; }
QFrame#CameraControlBar { background:#0d2740; border:1px solid #315b7c; border-radius:12px; }
QWidget#CameraDeviceTile { background:transparent; border:0; }
QLabel#CameraDeviceIcon { background:#153451; border-radius:10px; }
QPushButton#CameraDeviceIcon, QPushButton#CameraDeviceIconToggle { background:#153451; border:0; border-radius:10px; padding:0; }
QPushButton#CameraDeviceIconToggle:hover { background:#214f77; }
QComboBox#CameraDeviceCombo { background:transparent; border:0; padding:0 4px 0 0; font-weight:600; }
QComboBox#CameraDeviceCombo::drop-down { border:0; width:20px; }
QComboBox#CameraDeviceCombo::down-arrow { image:url(:/icons/icons/chevron_down.svg); width:13px; height:13px; }
QPushButton#CameraDeviceToggle { background:transparent; border:0; text-align:left; padding:0; font-weight:600; }
QPushButton#CameraDeviceToggle:checked { color:#edf4ff; background:transparent; border:0; }
QPushButton#CameraDeviceMenu { background:transparent; border:0; padding:6px; }
QPushButton#CameraDeviceMenu:hover { background:#173b5e; border-radius:7px; }
QLabel#CameraStatusOn { color:#83a0bf; font-size:12px; }
QFrame#CameraToolbarSeparator { background:#31526e; border:0; }
QPushButton#CameraRecordButton { background:qradialgradient(cx:.5,cy:.42,radius:.64,fx:.5,fy:.4,stop:0 #ff5f72,stop:.72 #f43d58,stop:1 #ba263e); color:white; border:4px solid #ff6174; border-radius:35px; font-size:16px; font-weight:700; }
QPushButton#CameraRecordButton:hover { background:#ff536b; }
QPushButton#CameraRecordButton:disabled { background:#713343; border-color:#8d4253; color:#c99aa5; }
QPushButton#CameraStopButton { background:#183b5a; border:1px solid #416886; border-radius:7px; padding:5px 9px; }
QLabel#CameraTimer { font-size:16px; font-weight:600; min-width:52px; }
QToolButton#CameraActionButton { color:#eaf2ff; background:transparent; border:0; border-radius:8px; padding:4px; }
QToolButton#CameraActionButton:hover { background:#173b5e; color:#ffffff; }
QToolButton#CameraActionButton:disabled { color:#657a91; }
QPushButton#CameraRecordButton { padding:0px; min-width:62px; max-width:62px; min-height:62px; max-height:62px; }
QPushButton#CameraFloatingButton { min-height:28px; max-height:28px; }
QPushButton#CameraDeviceIconToggle { min-width:44px; max-width:44px; min-height:44px; max-height:44px; }
)";

// The control bar holds two groups: the device tiles, and REC with the actions. Where
// the bar is narrower than the groups need side by side (longer texts in some languages,
// a narrow window on a small screen), the four actions first show only their icons, with
// their names in tool tips; where that is not enough, the groups stand in two rows (the
// actions with their names again where the row has the room). They go back as the bar
// gets the room.
class ControlBarFitter : public QObject
{
public:
    ControlBarFitter(QFrame *bar, QWidget *devices, QWidget *between, QWidget *controls,
                     const QList<QToolButton *> &actions)
        : QObject(bar), m_bar(bar), m_devices(devices), m_between(between), m_controls(controls),
          m_actions(actions)
    {
        for (QToolButton *action : actions)
            action->setProperty("fullWidth", std::max(72, action->sizeHint().width()));
        bar->installEventFilter(this);
    }

protected:
    // Fits the control bar whenever its width or what its contents need changes: a resize
    // of the page alone misses the sizes its texts take once the style sheet has polished them.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_bar && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void fit()
    {
        auto *rows = qobject_cast<QBoxLayout *>(m_bar->layout());
        if (!rows)
            return;
        // What the controls group needs with the actions' names and without, from what it
        // needs now.
        int current = 0;
        int full = 0;
        for (QToolButton *action : std::as_const(m_actions)) {
            // Measured while the name shows: the style sheet polishes the buttons late.
            if (action->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
                action->setProperty("fullWidth", std::max(72, action->sizeHint().width()));
            current += action->minimumWidth();
            full += action->property("fullWidth").toInt();
        }
        const int controls = m_controls->minimumSizeHint().width() - current;
        const int withNames = controls + full;
        const int iconsOnly = controls + int(m_actions.size()) * 44;
        const int devices = m_devices->minimumSizeHint().width();
        const QMargins margins = rows->contentsMargins();
        const int room = m_bar->width() - margins.left() - margins.right();
        const int between = 2 * rows->spacing() + m_between->minimumWidth();
        bool twoRows = false;
        bool names = true;
        if (devices + between + withNames <= room)
            ;
        else if (devices + between + iconsOnly <= room)
            names = false;
        else {
            twoRows = true;
            names = withNames <= room;
        }
        const auto direction = twoRows ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
        if (rows->direction() != direction) {
            rows->setDirection(direction);
            m_between->setVisible(!twoRows);
        }
        for (QToolButton *action : std::as_const(m_actions)) {
            const auto look = names ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly;
            if (action->toolButtonStyle() == look)
                continue;
            action->setToolTip(names ? QString() : action->text());
            action->setToolButtonStyle(look);
            action->setMinimumWidth(names ? action->property("fullWidth").toInt() : 44);
        }
    }

    QFrame *m_bar;
    QWidget *m_devices;
    QWidget *m_between;
    QWidget *m_controls;
    QList<QToolButton *> m_actions;
};

} // namespace

CameraRecordingPage::CameraRecordingPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CameraRecordingPage"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromLatin1(PageStyle));
    m_clock = monotonicMs;
    m_feed = new CameraFeed(this);
    connect(m_feed, &CameraFeed::frameReady, this, &CameraRecordingPage::onFrame);
    connect(m_feed, &CameraFeed::errorOccurred, this, &CameraRecordingPage::onCameraError);
    buildUi();

    m_watchdog = new QTimer(this);
    m_watchdog->setInterval(1000);
    connect(m_watchdog, &QTimer::timeout, this, &CameraRecordingPage::onWatchdogTick);
    m_watchdog->start();

    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            &CameraRecordingPage::onApplicationStateChanged);
    updateDeviceStates();
}

CameraRecordingPage::~CameraRecordingPage()
{
    stopPreview();
}

void CameraRecordingPage::buildUi()
{
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(16, 10, 16, 12);
    root->setSpacing(10);

    // Title row.
    auto *titleRow = new QHBoxLayout;
    auto *title = new QLabel(tr("Camera Recording"), this);
    title->setStyleSheet(QStringLiteral("font-size:21px;font-weight:650;"));
    auto *back = new QPushButton(tr("Back to Home"), this);
    back->setObjectName(QStringLiteral("CameraBackButton"));
    back->setCursor(Qt::PointingHandCursor);
    titleRow->addWidget(title);
    titleRow->addStretch();
    titleRow->addWidget(back);
    root->addLayout(titleRow);

    // Preview with the floating framing switches.
    m_preview = new QLabel(tr("Choose a camera to start preview"), this);
    m_preview->setObjectName(QStringLiteral("CameraPreview"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setMinimumSize(1, 1);
    m_preview->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    root->addWidget(m_preview, 1);

    m_floatingTools = new QWidget(m_preview);
    m_floatingTools->setObjectName(QStringLiteral("CameraFloatingTools"));
    m_floatingTools->setAttribute(Qt::WA_StyledBackground);
    auto *tools = new QHBoxLayout(m_floatingTools);
    tools->setContentsMargins(8, 4, 8, 4);
    tools->setSpacing(2);
    auto makeFraming = [this](const QString &text, const QString &icon) {
        auto *button = new QPushButton(pageIcon(icon), text, m_floatingTools);
        button->setObjectName(QStringLiteral("CameraFloatingButton"));
        button->setCheckable(true);
        button->setIconSize(QSize(20, 20));
        button->setFixedHeight(42);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    m_mirrorButton = makeFraming(tr("Mirror"), QStringLiteral("fullscreen.svg"));
    m_portraitButton = makeFraming(tr("Portrait"), QStringLiteral("person.svg"));
    m_fitButton = makeFraming(tr("Fit"), QStringLiteral("region.svg"));
    m_fitButton->setAccessibleName(tr("Camera framing mode"));
    tools->addWidget(m_mirrorButton);
    tools->addWidget(floatingSeparator(m_floatingTools));
    tools->addWidget(m_portraitButton);
    tools->addWidget(floatingSeparator(m_floatingTools));
    tools->addWidget(m_fitButton);

    // Control bar.
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("CameraControlBar"));
    bar->setMinimumHeight(86);
    auto *rows = new QBoxLayout(QBoxLayout::LeftToRight, bar);
    rows->setContentsMargins(12, 8, 12, 8);
    rows->setSpacing(7);
    auto *devices = new QWidget(bar);
    auto *devicesLayout = new QHBoxLayout(devices);
    devicesLayout->setContentsMargins(0, 0, 0, 0);
    devicesLayout->setSpacing(7);
    auto *controls = new QWidget(bar);
    auto *controlsLayout = new QHBoxLayout(controls);
    controlsLayout->setContentsMargins(0, 0, 0, 0);
    controlsLayout->setSpacing(7);

    auto makeTile = [bar](QWidget *icon, QWidget *control, QLabel *status, QPushButton *menu) {
        auto *tile = new QWidget(bar);
        tile->setObjectName(QStringLiteral("CameraDeviceTile"));
        auto *layout = new QHBoxLayout(tile);
        layout->setContentsMargins(8, 7, 6, 7);
        layout->setSpacing(7);
        icon->setFixedSize(44, 44);
        layout->addWidget(icon);
        auto *pair = new QVBoxLayout;
        pair->setContentsMargins(0, 0, 0, 0);
        pair->setSpacing(2);
        pair->addWidget(control);
        pair->addWidget(status);
        layout->addLayout(pair, 1);
        if (menu)
            layout->addWidget(menu);
        return tile;
    };
    auto makeStatus = [bar]() {
        auto *label = new QLabel(bar);
        label->setObjectName(QStringLiteral("CameraStatusOn"));
        return label;
    };
    auto makeMenu = [bar]() {
        auto *button = new QPushButton(bar);
        button->setObjectName(QStringLiteral("CameraDeviceMenu"));
        button->setIcon(pageIcon(QStringLiteral("chevron_down.svg")));
        button->setIconSize(QSize(15, 15));
        button->setFixedWidth(28);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    auto makeToggle = [bar](const QString &text) {
        auto *toggle = new QPushButton(text, bar);
        toggle->setObjectName(QStringLiteral("CameraDeviceToggle"));
        toggle->setCheckable(true);
        toggle->setCursor(Qt::PointingHandCursor);
        return toggle;
    };
    auto makeIconToggle = [bar](const QString &icon, QPushButton *toggle) {
        auto *button = new QPushButton(bar);
        button->setObjectName(QStringLiteral("CameraDeviceIconToggle"));
        button->setIcon(pageIcon(icon));
        button->setIconSize(QSize(30, 30));
        button->setCursor(Qt::PointingHandCursor);
        button->setAccessibleName(toggle->text());
        QObject::connect(button, &QPushButton::clicked, toggle, [toggle]() { toggle->click(); });
        return button;
    };

    // Camera tile.
    auto *cameraIcon = new QLabel(bar);
    cameraIcon->setObjectName(QStringLiteral("CameraDeviceIcon"));
    cameraIcon->setAlignment(Qt::AlignCenter);
    cameraIcon->setPixmap(pageIcon(QStringLiteral("webcam.svg")).pixmap(30, 30));
    m_cameraCombo = new QComboBox(bar);
    m_cameraCombo->setObjectName(QStringLiteral("CameraDeviceCombo"));
    m_cameraCombo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_cameraCombo->setMinimumWidth(110);
    m_cameraStatus = makeStatus();
    devicesLayout->addWidget(makeTile(cameraIcon, m_cameraCombo, m_cameraStatus, nullptr), 13);
    devicesLayout->addWidget(toolbarSeparator(bar));

    // System audio tile.
    m_systemToggle = makeToggle(tr("System Audio"));
    m_systemIcon = makeIconToggle(QStringLiteral("audio.svg"), m_systemToggle);
    m_systemStatus = makeStatus();
    m_systemMenu = makeMenu();
    devicesLayout->addWidget(makeTile(m_systemIcon, m_systemToggle, m_systemStatus, m_systemMenu), 11);
    devicesLayout->addWidget(toolbarSeparator(bar));

    // Microphone tile.
    m_microphoneToggle = makeToggle(tr("Microphone"));
    m_microphoneIcon = makeIconToggle(QStringLiteral("mic.svg"), m_microphoneToggle);
    m_microphoneStatus = makeStatus();
    m_microphoneMenu = makeMenu();
    devicesLayout->addWidget(makeTile(m_microphoneIcon, m_microphoneToggle, m_microphoneStatus, m_microphoneMenu), 11);
    rows->addWidget(devices, 35);
    QFrame *between = toolbarSeparator(bar);
    rows->addWidget(between);
    rows->addWidget(controls, 10);

    // Record group.
    auto *recordGroup = new QWidget(bar);
    auto *recordLayout = new QHBoxLayout(recordGroup);
    recordLayout->setContentsMargins(5, 0, 5, 0);
    recordLayout->setSpacing(8);
    m_recButton = new QPushButton(QStringLiteral("REC"), recordGroup);
    m_recButton->setObjectName(QStringLiteral("CameraRecordButton"));
    m_recButton->setFixedSize(70, 70);
    m_recButton->setCursor(Qt::PointingHandCursor);
    m_recButton->setEnabled(false);
    auto *timeColumn = new QVBoxLayout;
    timeColumn->setSpacing(3);
    m_timer = new QLabel(QStringLiteral("00:00"), recordGroup);
    m_timer->setObjectName(QStringLiteral("CameraTimer"));
    m_stopButton = new QPushButton(tr("Stop"), recordGroup);
    m_stopButton->setObjectName(QStringLiteral("CameraStopButton"));
    m_stopButton->setCursor(Qt::PointingHandCursor);
    m_stopButton->hide();
    timeColumn->addWidget(m_timer);
    timeColumn->addWidget(m_stopButton);
    timeColumn->addStretch();
    recordLayout->addWidget(m_recButton);
    recordLayout->addLayout(timeColumn);
    controlsLayout->addWidget(recordGroup, 10);

    auto makeAction = [bar](const QString &text, const QString &icon) {
        auto *button = new QToolButton(bar);
        button->setObjectName(QStringLiteral("CameraActionButton"));
        button->setText(text);
        button->setIcon(pageIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setIconSize(QSize(27, 27));
        button->setFixedHeight(66);
        // 72 px, wider where the name needs it ("スナップショット"): the bar then knows
        // when to show the icons alone.
        button->setMinimumWidth(std::max(72, button->sizeHint().width()));
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    m_snapshotButton = makeAction(tr("Snapshot"), QStringLiteral("screenshot.svg"));
    m_autoStopButton = makeAction(tr("Auto Stop"), QStringLiteral("timer.svg"));
    m_autoSplitButton = makeAction(tr("Auto Split"), QStringLiteral("split.svg"));
    m_settingsButton = makeAction(tr("Settings"), QStringLiteral("settings.svg"));
    controlsLayout->addWidget(toolbarSeparator(bar));
    controlsLayout->addWidget(m_snapshotButton);
    controlsLayout->addWidget(toolbarSeparator(bar));
    controlsLayout->addWidget(m_autoStopButton);
    controlsLayout->addWidget(toolbarSeparator(bar));
    controlsLayout->addWidget(m_autoSplitButton);
    controlsLayout->addWidget(toolbarSeparator(bar));
    controlsLayout->addWidget(m_settingsButton);
    root->addWidget(bar);
    new ControlBarFitter(bar, devices, between, controls,
                         {m_snapshotButton, m_autoStopButton, m_autoSplitButton, m_settingsButton});

    m_recordingLocked = {m_systemMenu, m_microphoneMenu, m_autoStopButton, m_autoSplitButton, m_settingsButton};

    // Connections.
    connect(back, &QPushButton::clicked, this, &CameraRecordingPage::backRequested);
    connect(m_mirrorButton, &QPushButton::toggled, this, [this]() {
        invalidateComposition();
        updatePreview();
    });
    connect(m_portraitButton, &QPushButton::toggled, this, [this]() {
        invalidateComposition();
        updatePreview();
    });
    connect(m_fitButton, &QPushButton::toggled, this, [this](bool checked) {
        m_fitButton->setText(checked ? tr("Fill") : tr("Fit"));
        invalidateComposition();
        updatePreview();
    });
    connect(m_systemToggle, &QPushButton::toggled, this, [this](bool on) {
        updateDeviceStates();
        emit systemToggled(on);
    });
    connect(m_microphoneToggle, &QPushButton::toggled, this, [this](bool on) {
        updateDeviceStates();
        emit microphoneToggled(on);
    });
    connect(m_systemMenu, &QPushButton::clicked, this, [this]() {
        if (!m_busy)
            emit systemMenuRequested(m_systemMenu);
    });
    connect(m_microphoneMenu, &QPushButton::clicked, this, [this]() {
        if (!m_busy)
            emit microphoneMenuRequested(m_microphoneMenu);
    });
    connect(m_recButton, &QPushButton::clicked, this, [this]() {
        if (m_busy)
            emit pauseRequested();
        else
            emit recordRequested();
    });
    connect(m_stopButton, &QPushButton::clicked, this, &CameraRecordingPage::stopRequested);
    connect(m_snapshotButton, &QToolButton::clicked, this, &CameraRecordingPage::saveSnapshot);
    connect(m_autoStopButton, &QToolButton::clicked, this, [this]() {
        if (!m_busy)
            emit autoStopRequested();
    });
    connect(m_autoSplitButton, &QToolButton::clicked, this, [this]() {
        if (!m_busy)
            emit autoSplitRequested();
    });
    connect(m_settingsButton, &QToolButton::clicked, this, [this]() {
        if (!m_busy)
            emit settingsRequested();
    });
    connect(m_cameraCombo, &QComboBox::currentIndexChanged, this, [this]() {
        if (m_previewActive && !m_busy)
            selectCamera();
    });
}

// ---- camera side ----

qint64 CameraRecordingPage::now() const
{
    return m_clock ? m_clock() : monotonicMs();
}

void CameraRecordingPage::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(monotonicMs);
}

void CameraRecordingPage::setSnapshotPathProvider(SnapshotPathProvider provider)
{
    m_snapshotPathProvider = std::move(provider);
}

bool CameraRecordingPage::fresh() const
{
    return !m_lastFrame.isNull() && m_frameStamp >= 0 && now() - m_frameStamp < FreshnessLimitMs;
}

bool CameraRecordingPage::ready() const
{
    return fresh();
}

void CameraRecordingPage::invalidateFrame()
{
    m_lastFrame = QImage();
    m_frameStamp = -1;
    m_composed = QImage();
    m_composedValid = false;
}

void CameraRecordingPage::showPreviewText(const QString &text)
{
    m_preview->clear();
    m_preview->setText(text);
}

void CameraRecordingPage::startPreview()
{
    m_previewActive = true;
    m_failureReported = false;
    const int permission = macCameraPermissionStatus();
    if (permission == 0) {
        const QByteArray remembered = m_cameraCombo->currentData().toByteArray();
        {
            const QSignalBlocker blocker(m_cameraCombo);
            m_cameraCombo->clear();
            const QList<CameraDeviceInfo> inputs = CameraHub::devices();
            for (const CameraDeviceInfo &input : inputs)
                m_cameraCombo->addItem(input.description, input.id);
            const int index = m_cameraCombo->findData(remembered);
            if (!remembered.isEmpty() && index >= 0)
                m_cameraCombo->setCurrentIndex(index);
        }
        selectCamera();
        return;
    }
    const QString denied = tr("Camera access is off. Allow Vistrelle in System Settings > Privacy & Security > "
                              "Camera, then return to this page.");
    if (permission == 2) {
        showPreviewText(tr("Requesting camera access…"));
        QPointer<CameraRecordingPage> page(this);
        requestMacCameraPermission([page, denied](bool granted) {
            if (!page || !page->m_previewActive)
                return;
            if (granted) {
                page->startPreview();
            } else {
                page->showPreviewText(denied);
                page->updateDeviceStates();
                page->showCameraPermissionHelp();
            }
        });
        return;
    }
    showPreviewText(denied);
    updateDeviceStates();
    showCameraPermissionHelp();
}

void CameraRecordingPage::stopPreview()
{
    m_previewActive = false;
    m_cameraStarting = false;
    m_failureReported = false;
    ++m_cameraGeneration;
    if (m_feed)
        m_feed->stop(); // the hub deletes the camera objects later, never inside their signals
    invalidateFrame();
    if (m_cameraStatus)
        updateDeviceStates();
}

void CameraRecordingPage::showStartingState()
{
    invalidateFrame();
    showPreviewText(tr("Starting camera…"));
    m_recButton->setEnabled(false);
    updateDeviceStates();
}

void CameraRecordingPage::selectCamera()
{
    m_feed->stop();
    m_cameraStarting = false;
    ++m_cameraGeneration;
    invalidateFrame();
    m_recButton->setEnabled(false);
    updateDeviceStates();

    const QByteArray wanted = m_cameraCombo->currentData().toByteArray();
    const QList<CameraDeviceInfo> inputs = CameraHub::devices();
    const auto found = std::find_if(inputs.cbegin(), inputs.cend(), [&wanted](const CameraDeviceInfo &input) {
        return !wanted.isEmpty() && input.id == wanted;
    });
    if (found == inputs.cend()) {
        showPreviewText(tr("No camera found. Connect a camera and return to this page."));
        updateDeviceStates();
        return;
    }
    showPreviewText(tr("Starting camera…"));
    if (!m_feed->start(found->id, CameraFormatWish::hd720())) {
        showPreviewText(tr("No camera found. Connect a camera and return to this page."));
        updateDeviceStates();
        return;
    }
    m_cameraStarting = true;
    updateDeviceStates();
    const int generation = m_cameraGeneration;
    QTimer::singleShot(8000, Qt::CoarseTimer, this, [this, generation]() {
        if (!m_previewActive || generation != m_cameraGeneration || !m_feed->isActive())
            return;
        if (fresh() || m_feed->hasError())
            return;
        showPreviewText(tr("Camera did not deliver a picture. Check camera access and whether another app is "
                           "using it, then select the camera again."));
        m_cameraStarting = false;
        updateDeviceStates();
    });
}

void CameraRecordingPage::onFrame(const QImage &image)
{
    if (image.isNull())
        return;
    m_lastFrame = image;
    m_frameStamp = now();
    m_cameraStarting = false;
    m_composedValid = false;
    m_failureReported = false;
    updatePreview();
    updateDeviceStates();
    if (!m_busy)
        m_recButton->setEnabled(true);
}

void CameraRecordingPage::onCameraError(const QString &errorText)
{
    const QString message =
        errorText.isEmpty() ? tr("Camera could not start. Check camera access in System Settings.") : errorText;
    invalidateFrame();
    m_cameraStarting = false;
    m_recButton->setEnabled(false);
    showPreviewText(message);
    updateDeviceStates();
    // One failure stops the recording once: the watchdog, which finds no fresh picture
    // from now on, and a second error of the same camera say nothing more.
    if (m_busy && !m_failureReported) {
        m_failureReported = true;
        reportFailureLater(message);
    }
}

void CameraRecordingPage::reportFailureLater(const QString &message)
{
    // The main window answers with a modal box and may stop the preview from inside
    // it: never let that happen within the camera's own signal.
    QTimer::singleShot(0, this, [this, message]() { emit captureFailed(message); });
}

void CameraRecordingPage::onWatchdogTick()
{
    if (!m_previewActive || !m_busy || m_failureReported || fresh())
        return;
    m_failureReported = true;
    reportFailureLater(tr("Camera stopped delivering frames. Recording has been stopped."));
}

QImage CameraRecordingPage::recordingFrame() const
{
    if (!fresh())
        return QImage();
    if (m_composedValid)
        return m_composed;

    const bool portrait = m_portraitButton->isChecked();
    const bool fill = m_fitButton->isChecked();
    const QImage source = m_mirrorButton->isChecked() ? m_lastFrame.mirrored(true, false) : m_lastFrame;
    const QSize target = portrait ? QSize(720, 1280) : QSize(1280, 720);

    QImage canvas(target, QImage::Format_ARGB32);
    canvas.fill(Qt::black);
    const QSize scaledSize =
        source.size().scaled(target, fill ? Qt::KeepAspectRatioByExpanding : Qt::KeepAspectRatio);
    const int x = (target.width() - scaledSize.width()) / 2;
    const int y = (target.height() - scaledSize.height()) / 2;
    QPainter painter(&canvas);
    if (fill && scaledSize != target) {
        // Scale only the part that stays visible: the same pixels as scaling the whole
        // picture and cropping it, at a fraction of the cost.
        const double factorX = double(source.width()) / scaledSize.width();
        const double factorY = double(source.height()) / scaledSize.height();
        const QRect visible(int(-x * factorX), int(-y * factorY), int(target.width() * factorX + 0.5),
                            int(target.height() * factorY + 0.5));
        painter.drawImage(QPoint(0, 0), source.copy(visible.intersected(source.rect()))
                                            .scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    } else {
        painter.drawImage(QPoint(x, y), source.scaled(scaledSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    painter.end();
    m_composed = canvas;
    m_composedValid = true;
    return m_composed;
}

void CameraRecordingPage::updatePreview()
{
    const QImage frame = recordingFrame();
    if (frame.isNull())
        return;
    const QSize label = m_preview->size();
    if (label.width() >= 1 && label.height() >= 1) {
        if (m_fitButton->isChecked()) {
            // Fill the preview: only the part that stays visible is scaled.
            const QSize scaledSize = frame.size().scaled(label, Qt::KeepAspectRatioByExpanding);
            const int left = std::max(0, (scaledSize.width() - label.width()) / 2);
            const int top = std::max(0, (scaledSize.height() - label.height()) / 2);
            const int width = std::min(label.width(), scaledSize.width());
            const int height = std::min(label.height(), scaledSize.height());
            const double fx = double(frame.width()) / scaledSize.width();
            const double fy = double(frame.height()) / scaledSize.height();
            const QRect visible = QRect(qRound(left * fx), qRound(top * fy), qRound(width * fx), qRound(height * fy))
                                      .intersected(frame.rect());
            m_preview->setPixmap(QPixmap::fromImage(
                frame.copy(visible).scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        } else {
            m_preview->setPixmap(QPixmap::fromImage(frame.scaled(label, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        }
    }
    positionFloatingTools();
}

void CameraRecordingPage::saveSnapshot()
{
    const QImage picture = recordingFrame();
    if (picture.isNull())
        return;
    const QString proposed = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) +
                             QStringLiteral("/Camera_") +
                             QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss")) +
                             QStringLiteral(".png");
    const QString path = m_snapshotPathProvider
                             ? m_snapshotPathProvider(proposed)
                             : QFileDialog::getSaveFileName(this, tr("Save camera snapshot"), proposed,
                                                            QStringLiteral("PNG (*.png)"));
    if (path.isEmpty())
        return;
    // The format comes from the suffix; a name without a known image suffix (the
    // widget file dialog adds none) is written as PNG rather than failing.
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    const bool known = !suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix);
    const bool saved = picture.save(path, known ? nullptr : "PNG");
    if (!saved) {
        QMessageBox box(QMessageBox::Warning, tr("Snapshot"), tr("Could not save the image."), QMessageBox::Ok, this);
        box.exec();
    }
}

void CameraRecordingPage::showCameraPermissionHelp()
{
    if (m_helpPending)
        return;
    m_helpPending = true;
    QTimer::singleShot(0, this, [this]() {
        if (!m_previewActive || macCameraPermissionStatus() == 0) {
            m_helpPending = false;
            return;
        }
        QMessageBox box(QMessageBox::Warning, tr("Camera Permission"),
                        tr("Camera access is off. Allow Vistrelle in System Settings > Privacy & Security > Camera."),
                        QMessageBox::NoButton, this);
        QPushButton *open = box.addButton(tr("Open Settings"), QMessageBox::ActionRole);
        box.addButton(tr("Close"), QMessageBox::RejectRole);
        box.exec();
        m_helpPending = false;
        if (box.clickedButton() == open) {
            m_waitingForSettings = true;
            QDesktopServices::openUrl(QUrl(QString::fromLatin1(PrivacyCameraUrl)));
        }
    });
}

void CameraRecordingPage::onApplicationStateChanged(Qt::ApplicationState state)
{
    if (state != Qt::ApplicationActive || !m_waitingForSettings || macCameraPermissionStatus() != 0)
        return;
    m_waitingForSettings = false;
    if (m_previewActive) {
        QTimer::singleShot(0, this, [this]() {
            if (m_previewActive)
                startPreview();
        });
    }
}

// ---- page controls ----

void CameraRecordingPage::setBusy(bool recording, bool paused)
{
    m_busy = recording;
    if (!recording)
        m_failureReported = false;
    for (QWidget *widget : std::as_const(m_recordingLocked))
        widget->setEnabled(!recording);
    m_cameraCombo->setEnabled(!recording);
    m_floatingTools->setEnabled(!recording);
    m_recButton->setText(!recording ? QStringLiteral("REC") : (paused ? tr("Resume") : tr("Pause")));
    m_recButton->setEnabled(recording || fresh());
    m_stopButton->setVisible(recording);
}

void CameraRecordingPage::setAudioStates(bool system, bool microphone)
{
    {
        const QSignalBlocker systemBlocker(m_systemToggle);
        const QSignalBlocker microphoneBlocker(m_microphoneToggle);
        m_systemToggle->setChecked(system);
        m_microphoneToggle->setChecked(microphone);
    }
    updateDeviceStates();
}

void CameraRecordingPage::setTime(int seconds)
{
    seconds = std::max(0, seconds);
    m_timer->setText(QStringLiteral("%1:%2")
                         .arg(seconds / 60, 2, 10, QLatin1Char('0'))
                         .arg(seconds % 60, 2, 10, QLatin1Char('0')));
}

void CameraRecordingPage::updateDeviceStates()
{
    const QString on = QStringLiteral("color:#3ee878");
    const QString off = QStringLiteral("color:#83a0bf");
    const QString dot = QStringLiteral("●  ");
    const bool live = fresh();
    m_cameraStatus->setText(dot + (live ? tr("On") : (m_previewActive && m_cameraStarting ? tr("Starting…") : tr("Off"))));
    m_cameraStatus->setStyleSheet(live ? on : off);
    const bool system = m_systemToggle->isChecked();
    m_systemStatus->setText(dot + (system ? tr("On") : tr("Off")));
    m_systemStatus->setStyleSheet(system ? on : off);
    const bool microphone = m_microphoneToggle->isChecked();
    m_microphoneStatus->setText(dot + (microphone ? tr("On") : tr("Off")));
    m_microphoneStatus->setStyleSheet(microphone ? on : off);
}

void CameraRecordingPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updatePreview();
    positionFloatingTools();
}

void CameraRecordingPage::positionFloatingTools()
{
    if (!m_preview || !m_floatingTools)
        return;
    m_floatingTools->adjustSize();
    const int x = std::max(8, (m_preview->width() - m_floatingTools->width()) / 2);
    const int y = std::max(m_preview->height() - m_floatingTools->height(), 22) - 14;
    m_floatingTools->move(x, y);
    m_floatingTools->raise();
}
