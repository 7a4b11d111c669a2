#include "overlays/FloatingToolbar.h"

#include "recording/NumberText.h"
#include "widgets/TintedIcon.h"
#include "dialogs/StopRecordingDialog.h"
#include "overlays/AnnotationOverlay.h"
#include "overlays/Translucency.h"
#include "platform/mac/MacWindowHelpers.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStorageInfo>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kIconTint(QStringLiteral("#cbd4e2"));
// The colour the one-colour SVGs are drawn in: "untinted".
const QColor kSvgOwnColor(QStringLiteral("#eef4ff"));

QIcon barIcon(const QString &svg, int size, const QColor &tint)
{
    return tintedIcon(svg, QSize(size, size), tint, qApp->devicePixelRatio());
}

const char *const kContainerStyle = R"(
#FloatingContainer { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #0e1a2c, stop:1 #081424);
  border: 1px solid #354257; border-radius: 10px; }
#TopBar, #ControlsContent, #CompactContent { background: transparent; }
#RecStatus { background: #111e31; border: 1px solid #2a3a52; border-radius: 7px; }
#RecDot, #CompactDot { background: #f05a40; border-radius: 4px; }
#RecText { color: #eef3fb; font-size: 12px; background: transparent; }
#TimerText { color: #f7f9fd; font-size: 18px; font-weight: 500; font-family: 'Segoe UI Variable', 'Segoe UI';
  letter-spacing: 0px; background: transparent; }
#CompactStatus { background: #111e31; border: 1px solid #2a3a52; border-radius: 8px; }
#CompactTime { color: #f7f9fd; font-size: 15px; font-weight: 600; font-family: 'Segoe UI Variable', 'Segoe UI';
  letter-spacing: 1px; background: transparent; }
#StorageSummary { color: #dce5f3; font-size: 10px; background: transparent; }
#ToolbarSeparator { background: #2b3a51; border: none; }
QPushButton { outline: none; padding: 0px; }
#CollapseButton { background: #111e31; border: 1px solid #2a3a52; border-radius: 17px; }
#CollapseButton:hover { background: #182841; border-color: #425a7b; }
#ToolIcon { background: #111e31; border: 1px solid #293951; border-radius: 7px; }
#ToolIcon:hover { background: #172840; border-color: #456184; }
#ToolIcon:pressed, #ToolIcon:checked { background: #1d3764; border-color: #4f7bea; }
#PauseButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f8dff, stop:1 #3564d9);
  border: 1px solid #5b91f6; border-radius: 7px; }
#PauseButton:hover { background: #4d82ec; }
#StopButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ff6655, stop:1 #e54a3e);
  border: 1px solid #ff6b5c; border-radius: 7px; }
#StopButton:hover { background: #f25a4c; }
#PauseButton:disabled, #StopButton:disabled { background: #1a2639; border-color: #2a3a52; }
)";

QPushButton *barButton(const char *name, const QString &icon, int iconSize, const QColor &tint, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(32, 32);
    button->setCursor(Qt::PointingHandCursor);
    button->setIcon(barIcon(icon, iconSize, tint));
    button->setIconSize(QSize(iconSize, iconSize));
    return button;
}

QFrame *toolbarSeparator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("ToolbarSeparator"));
    line->setFixedSize(1, 28);
    return line;
}

QLabel *dot(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFixedSize(8, 8);
    return label;
}

qint64 volumeBytesAvailable(const QString &folder)
{
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return -1;
    return storage.bytesAvailable();
}

} // namespace

FloatingToolbar::FloatingToolbar(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_freeSpaceQuery(volumeBytesAvailable)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto *rootLayout = new QVBoxLayout(this);
    rootLayout->setContentsMargins(14, 12, 14, 18);
    rootLayout->setSpacing(0);
    auto *container = new QFrame(this);
    m_container = container;
    container->setObjectName(QStringLiteral("FloatingContainer"));
    container->setStyleSheet(QString::fromLatin1(kContainerStyle));
    auto *shadow = new QGraphicsDropShadowEffect(container);
    shadow->setBlurRadius(20);
    shadow->setOffset(0, 4);
    shadow->setColor(QColor(2, 8, 18, 155));
    container->setGraphicsEffect(shadow);
    rootLayout->addWidget(container);

    auto *containerLayout = new QVBoxLayout(container);
    containerLayout->setContentsMargins(0, 0, 0, 0);
    containerLayout->setSpacing(0);

    auto *topBar = new QWidget(container);
    topBar->setObjectName(QStringLiteral("TopBar"));
    topBar->setFixedHeight(52);
    auto *barLayout = new QHBoxLayout(topBar);
    barLayout->setContentsMargins(8, 0, 8, 0);
    barLayout->setSpacing(0);
    containerLayout->addWidget(topBar);

    m_collapseButton = barButton("CollapseButton", QStringLiteral(":/icons/icons/toolbar_collapse.svg"), 16,
                                 kIconTint, topBar);
    m_collapseButton->setFixedSize(34, 34);
    barLayout->addWidget(m_collapseButton);
    barLayout->addSpacing(7);

    // Full view.
    m_fullView = new QWidget(topBar);
    m_fullView->setObjectName(QStringLiteral("ControlsContent"));
    auto *full = new QHBoxLayout(m_fullView);
    full->setContentsMargins(0, 0, 0, 0);
    full->setSpacing(0);
    auto *status = new QFrame(m_fullView);
    status->setObjectName(QStringLiteral("RecStatus"));
    // At least 90 wide: longer translations and fallback fonts keep their whole text.
    status->setMinimumWidth(90);
    status->setFixedHeight(34);
    auto *statusLayout = new QHBoxLayout(status);
    statusLayout->setContentsMargins(9, 0, 8, 0);
    statusLayout->setSpacing(6);
    statusLayout->addWidget(dot("RecDot", status));
    m_recText = new QLabel(tr("正在录制"), status);
    m_recText->setObjectName(QStringLiteral("RecText"));
    statusLayout->addWidget(m_recText);
    full->addWidget(status);
    full->addSpacing(6);
    m_pauseButton = barButton("PauseButton", QStringLiteral(":/icons/icons/pause.svg"), 16, Qt::white, m_fullView);
    full->addWidget(m_pauseButton);
    full->addSpacing(6);
    m_stopButton = barButton("StopButton", QStringLiteral(":/icons/icons/stop_rec.svg"), 14, Qt::white, m_fullView);
    full->addWidget(m_stopButton);
    full->addSpacing(7);
    m_timeLabel = new QLabel(QStringLiteral("00:00:00"), m_fullView);
    m_timeLabel->setObjectName(QStringLiteral("TimerText"));
    m_timeLabel->setFixedWidth(92);
    m_timeLabel->setAlignment(Qt::AlignCenter);
    full->addWidget(m_timeLabel);
    full->addSpacing(5);
    full->addWidget(toolbarSeparator(m_fullView));
    full->addSpacing(5);
    m_storageLabel = new QLabel(QStringLiteral("%1 / -- %2").arg(NumberText::bytes(0, NumberText::ByteUnit::KB, 0),
                                                                  NumberText::byteUnit(NumberText::ByteUnit::GB)),
                                m_fullView);
    m_storageLabel->setObjectName(QStringLiteral("StorageSummary"));
    m_storageLabel->setFixedWidth(108);
    m_storageLabel->setAlignment(Qt::AlignCenter);
    full->addWidget(m_storageLabel);
    full->addSpacing(5);
    m_storageSeparator = toolbarSeparator(m_fullView);
    full->addWidget(m_storageSeparator);
    full->addSpacing(5);
    m_cameraButton = barButton("ToolIcon", QStringLiteral(":/icons/icons/camera_off.svg"), 18, kSvgOwnColor, m_fullView);
    m_cameraButton->setCheckable(true);
    full->addWidget(m_cameraButton);
    full->addSpacing(4);
    m_timerButton = barButton("ToolIcon", QStringLiteral(":/icons/icons/timer.svg"), 18, kIconTint, m_fullView);
    full->addWidget(m_timerButton);
    full->addSpacing(4);
    m_mouseButton = barButton("ToolIcon", QStringLiteral(":/icons/icons/mouse_effect.svg"), 18, kIconTint, m_fullView);
    m_mouseButton->setCheckable(true);
    m_mouseButton->setChecked(true);
    full->addWidget(m_mouseButton);
    full->addSpacing(4);
    m_annotationButton = barButton("ToolIcon", QStringLiteral(":/icons/icons/pencil.svg"), 18, kIconTint, m_fullView);
    m_annotationButton->setCheckable(true);
    full->addWidget(m_annotationButton);
    barLayout->addWidget(m_fullView);

    // Compact view.
    m_compactView = new QWidget(topBar);
    m_compactView->setObjectName(QStringLiteral("CompactContent"));
    auto *compact = new QHBoxLayout(m_compactView);
    compact->setContentsMargins(0, 0, 0, 0);
    auto *compactStatus = new QFrame(m_compactView);
    compactStatus->setObjectName(QStringLiteral("CompactStatus"));
    // At least 116 wide, for the same reason.
    compactStatus->setMinimumWidth(116);
    compactStatus->setFixedHeight(34);
    auto *compactStatusLayout = new QHBoxLayout(compactStatus);
    compactStatusLayout->setContentsMargins(12, 0, 12, 0);
    compactStatusLayout->setSpacing(8);
    compactStatusLayout->addWidget(dot("CompactDot", compactStatus));
    m_compactTimeLabel = new QLabel(QStringLiteral("00:00:00"), compactStatus);
    m_compactTimeLabel->setObjectName(QStringLiteral("CompactTime"));
    m_compactTimeLabel->setAlignment(Qt::AlignCenter);
    compactStatusLayout->addWidget(m_compactTimeLabel, 1);
    compact->addWidget(compactStatus);
    m_compactView->hide();
    barLayout->addWidget(m_compactView);

    m_layer = new AnnotationOverlay(nullptr);
    buildAnnotationRow(containerLayout);

    connect(m_collapseButton, &QPushButton::clicked, this, &FloatingToolbar::toggleCollapse);
    connect(m_pauseButton, &QPushButton::clicked, this, &FloatingToolbar::pauseRequested);
    connect(m_stopButton, &QPushButton::clicked, this, &FloatingToolbar::onStopClicked);
    connect(m_cameraButton, &QPushButton::toggled, this, &FloatingToolbar::onCameraToggled);
    connect(m_timerButton, &QPushButton::clicked, this, &FloatingToolbar::timerRequested);
    connect(m_mouseButton, &QPushButton::toggled, this, &FloatingToolbar::mouseEffectsToggled);
    connect(m_annotationButton, &QPushButton::toggled, this, &FloatingToolbar::toggleAnnoRow);

    m_diskTimer = new QTimer(this);
    m_diskTimer->setInterval(2000);
    connect(m_diskTimer, &QTimer::timeout, this, &FloatingToolbar::updateDiskInfo);
    m_diskTimer->start();
    updateDiskInfo();

    for (QWidget *child : findChildren<QWidget *>())
        child->setToolTip(QString());
    // The state badge as wide as its longer text in the style sheet's font, so that its label
    // shows the whole word beside any size, rather than only what the row leaves it.
    ensurePolished();
    m_recText->ensurePolished();
    const QFontMetrics metrics(m_recText->font());
    m_recText->setMinimumWidth(std::max(metrics.horizontalAdvance(tr("正在录制")), metrics.horizontalAdvance(tr("已暂停"))) + 2);
    adjustSize();
}

FloatingToolbar::~FloatingToolbar()
{
    delete m_layer;
}

QString FloatingToolbar::formatTime(int seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString FloatingToolbar::storageSummary(qint64 fileBytes, qint64 freeBytes, bool initializing)
{
    if (initializing)
        return tr("初始化…");
    if (fileBytes <= 0)
        return tr("写入中…");
    constexpr qint64 MiB = 1048576;
    constexpr qint64 GiB = 1073741824;
    using Unit = NumberText::ByteUnit;
    const QString fileText = fileBytes < MiB ? NumberText::bytes(fileBytes / 1024.0, Unit::KB, 0)
                                             : NumberText::bytes(double(fileBytes) / MiB, Unit::MB, 2);
    QString freeText;
    if (freeBytes < 0)
        freeText = QStringLiteral("--");
    else if (freeBytes <= GiB)
        freeText = NumberText::bytes(double(freeBytes) / MiB, Unit::MB, 0);
    else
        freeText = NumberText::bytes(double(freeBytes) / GiB, Unit::GB, 2);
    return QStringLiteral("%1 / %2").arg(fileText, freeText);
}

void FloatingToolbar::setFreeSpaceQuery(std::function<qint64(const QString &)> query)
{
    m_freeSpaceQuery = query ? std::move(query) : std::function<qint64(const QString &)>(volumeBytesAvailable);
    updateDiskInfo();
}

void FloatingToolbar::updateDiskInfo()
{
    QString text;
    if (m_initializing || m_fileBytes <= 0) {
        text = storageSummary(m_fileBytes, -1, m_initializing);
    } else {
        const QString folder =
            m_outputPath.isEmpty() ? QDir::homePath() : QFileInfo(m_outputPath).absolutePath();
        text = storageSummary(m_fileBytes, m_freeSpaceQuery(folder), false);
    }
    m_storageLabel->setText(text);
}

void FloatingToolbar::resetTime()
{
    abandonStopConfirmation();
    m_stopConfirmationPending = false;
    m_elapsedSeconds = 0;
    m_fileBytes = 0;
    m_outputPath.clear();
    m_initializing = false;
    updateDiskInfo();
    m_timeLabel->setText(QStringLiteral("00:00:00"));
    m_compactTimeLabel->setText(QStringLiteral("00:00:00"));
    setSaving(false);
    setPaused(false);
    m_annotationButton->setChecked(false);
    m_annoRow->hide();
    fitToContents();
    updateDiskInfo();
    m_layer->setAnnotationEnabled(false);
    m_layer->clearAll();
}

void FloatingToolbar::setTime(int seconds)
{
    m_elapsedSeconds = seconds;
    const QString text = formatTime(seconds);
    m_timeLabel->setText(text);
    m_compactTimeLabel->setText(text);
    if (seconds % 2 == 0)
        updateDiskInfo();
}

void FloatingToolbar::setPaused(bool paused)
{
    m_paused = paused;
    m_recText->setText(paused ? tr("已暂停") : tr("正在录制"));
    m_pauseButton->setIcon(barIcon(paused ? QStringLiteral(":/icons/icons/play.svg")
                                          : QStringLiteral(":/icons/icons/pause.svg"),
                                   16, Qt::white));
    m_pauseButton->setIconSize(QSize(16, 16));
}

void FloatingToolbar::setSaving(bool saving)
{
    if (saving)
        m_recText->setText(tr("正在保存…"));
    else
        setPaused(m_paused);
    m_pauseButton->setEnabled(!saving);
    m_stopButton->setEnabled(!saving);
    fitToContents(); // the longer word keeps its whole text
}

void FloatingToolbar::setStartWait(const QString &waitingFor)
{
    m_startWaitShown = !waitingFor.isEmpty();
    if (waitingFor.isEmpty())
        setPaused(m_paused);
    else
        m_recText->setText(waitingFor);
    fitToContents();
}

void FloatingToolbar::endStartWaitNow()
{
    if (!m_startWaitShown && !m_initializing)
        return;
    if (m_startWaitShown)
        setStartWait(QString());
    setRecordingInitializing(false);
    if (isVisible())
        repaint();
}

void FloatingToolbar::setRecordingStats(qint64 bytes, const QString &outputPath)
{
    m_fileBytes = std::max<qint64>(bytes, 0);
    m_outputPath = outputPath;
    updateDiskInfo();
}

void FloatingToolbar::setRecordingInitializing(bool initializing)
{
    m_initializing = initializing;
    updateDiskInfo();
}

void FloatingToolbar::setCameraIcon(bool on)
{
    m_cameraButton->setIcon(on ? barIcon(QStringLiteral(":/icons/icons/webcam.svg"), 18, Qt::white)
                               : barIcon(QStringLiteral(":/icons/icons/camera_off.svg"), 18, kIconTint));
}

void FloatingToolbar::setCameraEnabled(bool on, bool available)
{
    m_cameraButton->setEnabled(available);
    const QSignalBlocker blocker(m_cameraButton);
    m_cameraButton->setChecked(on && available);
    setCameraIcon(m_cameraButton->isChecked());
}

void FloatingToolbar::onCameraToggled(bool on)
{
    setCameraIcon(on);
    m_cameraButton->setToolTip(on ? tr("关闭摄像头") : tr("开启摄像头"));
    emit cameraToggled(on);
}

void FloatingToolbar::setMouseEffectsEnabled(bool on)
{
    const QSignalBlocker blocker(m_mouseButton);
    m_mouseButton->setChecked(on);
}

void FloatingToolbar::setAnnotationToolsVisible(bool on)
{
    m_annotationButton->setChecked(on);
}

void FloatingToolbar::setAnnotationCaptureRect(const QRect &rect, const QRect &deviceRect)
{
    m_layer->setCaptureRect(rect, deviceRect);
}

QImage FloatingToolbar::renderAnnotations(const QRect &nativeRect, const QSize &frameSize)
{
    if (!m_layer)
        return QImage();
    return m_layer->renderForNativeRect(nativeRect, frameSize);
}

bool FloatingToolbar::excludeFromCapture()
{
    if (!keepMacRecordingToolbarVisible(winId()))
        qWarning() << "[FloatingToolbar] Native recording toolbar window is unavailable";
    // The screen grab of X11 takes every window on screen: the toolbar stays visible in
    // the recording, and saying otherwise would be a false success.
    return false;
}

void FloatingToolbar::onStopClicked()
{
    if (m_stopConfirmationPending)
        return;
    m_stopConfirmationPending = true;
    emit stopConfirmationRequested();
}

void FloatingToolbar::showStopConfirmation(bool resumeOnCancel)
{
    if (m_stopDialog)
        return;
    auto *dialog = new StopRecordingDialog(m_elapsedSeconds, this);
    m_stopDialog = dialog;
    m_stopDialogAbandoned = false;
    QScreen *screen = QGuiApplication::screenAt(frameGeometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        dialog->move((area.left() + area.right()) / 2 - dialog->width() / 2,
                     (area.top() + area.bottom()) / 2 - dialog->height() / 2);
    }
    // Shown and raised before the modal loop so that it stands above the toolbar and the
    // annotation layer, both of which stay on top.
    dialog->show();
    dialog->raise();
    dialog->activateWindow();

    const QPointer<FloatingToolbar> self(this);
    const int result = dialog->exec();
    if (!self)
        return;
    delete dialog;
    m_stopConfirmationPending = false;
    if (m_stopDialogAbandoned) {
        m_stopDialogAbandoned = false;
        return;
    }
    if (result == StopRecordingDialog::Discard)
        emit discardRequested();
    else if (result == StopRecordingDialog::Save)
        emit stopRequested();
    else if (resumeOnCancel)
        emit resumeRequested();
}

void FloatingToolbar::abandonStopConfirmation()
{
    // The recording this question was about has ended or is being replaced: an answer
    // given now could act on the next recording, so the dialog closes without one.
    // (Hiding the toolbar by its hot key leaves the question open and answerable: it is
    // a window of its own, and the recording it paused must not stay paused without it.)
    if (!m_stopDialog)
        return;
    m_stopDialogAbandoned = true;
    m_stopDialog->reject();
}

void FloatingToolbar::toggleCollapse()
{
    const QPoint corner = frameGeometry().topLeft();
    m_collapsed = !m_collapsed;
    if (m_collapsed && m_annotationButton->isChecked())
        m_annotationButton->setChecked(false);
    m_fullView->setVisible(!m_collapsed);
    m_compactView->setVisible(m_collapsed);
    m_collapseButton->setIcon(barIcon(m_collapsed ? QStringLiteral(":/icons/icons/toolbar_expand.svg")
                                                  : QStringLiteral(":/icons/icons/toolbar_collapse.svg"),
                                      16, kIconTint));
    fitToContents();
    move(corner);
    raise();
}

QPoint FloatingToolbar::besidePlacement(const QRect &panel, const QSize &size, const QRect &area, int gap)
{
    const int lastX = qMax(area.left(), area.right() + 1 - size.width());
    const int lastY = qMax(area.top(), area.bottom() + 1 - size.height());
    const int right = panel.right() + 1 + gap;
    const int left = panel.left() - gap - size.width();
    // Beside the panel, top edges level, where the screen has the room.
    if (right + size.width() - 1 <= area.right())
        return {right, qBound(area.top(), panel.top(), lastY)};
    if (left >= area.left())
        return {left, qBound(area.top(), panel.top(), lastY)};
    // A narrow screen: under the panel, else above it, never over its buttons.
    const int x = qBound(area.left(), panel.left(), lastX);
    const int below = panel.bottom() + 1 + gap;
    const int above = panel.top() - gap - size.height();
    if (below + size.height() - 1 <= area.bottom())
        return {x, below};
    if (above >= area.top())
        return {x, above};
    return {x, qBound(area.top(), below, lastY)};
}

void FloatingToolbar::placeBeside(QWidget *window) const
{
    if (!window)
        return;
    const QRect panel(m_container->mapToGlobal(QPoint(0, 0)), m_container->size());
    QScreen *screen = QGuiApplication::screenAt(panel.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->move(besidePlacement(panel, window->frameGeometry().size(), screen->availableGeometry()));
}

void FloatingToolbar::fitToWidth(int width)
{
    // On a narrow display (a portrait one at a raised scale) the storage read-out gives
    // way and the annotation row's actions take a line of their own, so that every button
    // stays on the display.
    setNarrow(false);
    const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const auto wanted = [this, margins] {
        return std::max(layout()->totalSizeHint().width(), m_annoRow->sizeHint().width() + margins);
    };
    if (width > 0 && wanted() > width)
        setNarrow(true);
    fitToContents();
}

void FloatingToolbar::fitToContents()
{
    const QPoint corner = pos();
    const QSize before = size();
    // Every widget is measured again, so that a row whose view was just swapped (collapse,
    // expand) takes the size of the view it shows now and the toolbar fits what it shows.
    for (QWidget *inner : m_container->findChildren<QWidget *>())
        inner->updateGeometry();
    m_container->updateGeometry();
    if (QLayout *containerLayout = m_container->layout())
        containerLayout->activate();
    layout()->activate();
    resize(layout()->totalSizeHint());
    move(corner);
    updateGeometry();
    if (isVisible())
        applyCompositorRules();
    if (size() != before)
        emit resizedToContents();
}

void FloatingToolbar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        // The move starts only once the pointer has moved with the button down, so a tap
        // (a touchpad's press and release together) stays a click and never leaves a move
        // waiting for a release that has already passed.
        m_pressPoint = event->globalPosition().toPoint();
        m_pressed = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void FloatingToolbar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed && !m_dragging && (event->buttons() & Qt::LeftButton)
        && (event->globalPosition().toPoint() - m_pressPoint).manhattanLength() >= QApplication::startDragDistance()) {
        m_pressed = false;
        // The window follows the pointer by the distance it has moved since the press.
        m_dragging = followPointer(this, m_pressPoint);
    }
    QWidget::mouseMoveEvent(event);
}

void FloatingToolbar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
        m_dragging = false;
    }
    QWidget::mouseReleaseEvent(event);
}

void FloatingToolbar::paintEvent(QPaintEvent *)
{
}

void FloatingToolbar::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    keepPositionInStep(this);
    applyCompositorRules();
}

void FloatingToolbar::applyCompositorRules()
{
    if (overlaysCanBeTranslucent()) {
        clearMask();
        m_annotationButton->setEnabled(true);
        return;
    }
    // Without a compositor the translucent margin around the container shows black on
    // screen and in the recording: cut the window to the container's rounded shape.
    QPainterPath shape;
    shape.addRoundedRect(QRectF(m_container->geometry()), 10, 10);
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
    // The annotation layer needs a compositor too: its nearly transparent fill would
    // turn the recorded area black.
    if (m_annotationButton->isEnabled()) {
        static bool logged = false;
        if (!logged) {
            logged = true;
            qWarning() << "[FloatingToolbar] No compositing manager: annotation is unavailable, its layer "
                          "would turn the recorded area black";
        }
        m_annotationButton->setChecked(false);
        m_annotationButton->setEnabled(false);
    }
}
