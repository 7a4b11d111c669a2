#include "library/VideoListDialog.h"

#include "recording/SaveFolder.h"
#include "widgets/LeftToRight.h"
#include "library/KeyboardFocusRing.h"
#include "library/LibraryIcons.h"
#include "library/MediaLibraryFiles.h"
#include "library/MetadataQueue.h"
#include "widgets/MessageBoxes.h"
#include "library/RecordCard.h"
#include "library/SeekSlider.h"
#include "library/TimelineRangeWidget.h"
#include "library/VideoEditor.h"
#include "library/VideoPlayer.h"
#include "library/WatermarkCopyJob.h"
#include "library/WaveformPreviewLabel.h"
#include "platform/mac/MacWindowHelpers.h"
#include "widgets/DialogPlacement.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QResizeEvent>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QThreadPool>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QVideoWidget>

#include <algorithm>
#include <cmath>

namespace {

QRect availableAreaUnderCursor()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
}

const char *const kSliderStyle =
    "QSlider::groove:horizontal{height:4px;background:#263b55;border-radius:2px;}"
    "QSlider::sub-page:horizontal{background:#287bfa;border-radius:2px;}"
    "QSlider::handle:horizontal{width:12px;height:12px;margin:-4px 0;background:#dce9ff;border-radius:6px;}";

const char *const kHeaderButtonStyle =
    "QPushButton{background:#102039;border:1px solid #304764;border-radius:7px;color:#dce7fa;font-size:13px;"
    "padding:0 16px;}QPushButton:hover{background:#182d4b;border-color:#4777b8;}"
    "QPushButton:checked{background:#2874f0;}";

constexpr int kTransportHeight = 44; // the player surface's transport bar

// The left column's width that leaves a card's text column `textWidth` pixels: the column's
// margins (10 + 10), the list's item spacing (4 on each side), the scroll bar (7) and the
// card's own fixed parts.
int libraryColumnWidthFor(int textWidth)
{
    return 10 + 10 + 2 * 4 + 7 + RecordCard::fixedWidth() + textWidth;
}

} // namespace

VideoListDialog *createVideoListDialog(QWidget *parent)
{
    auto *window = new VideoListDialog(parent);
    window->shareReadDetails();
    return window;
}

void VideoListDialog::shareReadDetails()
{
    metadataQueue->setKnownFiles(MetadataQueue::sharedKnownFiles());
}

VideoListDialog::VideoListDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("VideoListDialog"));
    // The window manager's frame gives the close and maximise buttons.
    setWindowFlags(Qt::Window | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/logo.ico")));
    setWindowTitle(tr("媒体库"));
    setMouseTracking(true);
    setModal(false);

    const QRect area = availableAreaUnderCursor();
    const int aw = qRound(area.width() * 0.88);
    const int ah = qRound(area.height() * 0.84);
    const QSize minimum(std::min(aw, 900), std::min(ah, 540));
    setMinimumSize(minimum);
    resize(std::max(std::min(aw, 1220), minimum.width()), std::max(std::min(ah, 700), minimum.height()));

    setStyleSheet(QStringLiteral(
        "#VideoListDialog{background:#081526;border:1px solid #334b69;border-radius:16px;}"
        "QToolTip{background:#172a45;color:white;border:1px solid #36577d;padding:5px;}"));

    metadataQueue = new MetadataQueue(metadataThreadPool(), metadataThreadPool()->maxThreadCount(), readMetadata, this);
    metadataQueue->setWanted([this] { return wantedPaths(); });
    connect(metadataQueue, &MetadataQueue::probed, this,
            [this](int generation, int index, const QString &path, const VideoRecord &result) {
                if (generation != scanGeneration)
                    return;
                // Results come in bursts (all of one turn of the event loop are delivered before
                // any timer): they are queued here and merged a few milliseconds at a time.
                metadataResults.append({generation, index, path, result});
                if (!metadataTimer->isActive())
                    metadataTimer->start();
            });
    metadataTimer = new QTimer(this);
    metadataTimer->setSingleShot(true);
    metadataTimer->setInterval(0);
    connect(metadataTimer, &QTimer::timeout, this, &VideoListDialog::applyQueuedMetadata);
    cardTimer = new QTimer(this);
    cardTimer->setSingleShot(true);
    cardTimer->setInterval(0);
    connect(cardTimer, &QTimer::timeout, this, &VideoListDialog::buildQueuedCards);
    // The window outlives the event loop (its owners never delete it at quit): every job of
    // its own ends now and removes what it left.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &VideoListDialog::endJobsForQuit);

    buildUi();
    // Where the keyboard is: Tab through the window shows the control it reached.
    new KeyboardFocusRing(this);
    // On a short screen (a small laptop, or a large scale factor) the player surface gives up
    // height, down to a third of its usual minimum, before the editor below it is squeezed
    // under the transport bar; the window manager's frame takes some of the screen too.
    const int frameAllowance = 32;
    const int excess = contentsMinimum().height() - (area.height() - frameAllowance);
    QWidget *surface = findChild<QWidget *>(QStringLiteral("Player"));
    // The editor's own height changes with its mode and the header's wrapped lines: on such a
    // screen the surface gives up all it can, not only what the first layout lacks.
    if (excess > 0 && surface) {
        // (Never lower than the round play button over the picture and the transport bar.)
        surface->setMinimumHeight(std::max(surface->minimumHeight() / 3, kTransportHeight + 56 + 8));
        layout()->invalidate();
    }
    // Never narrower than its contents (long translations of the editor's buttons): the
    // window's own minimum would otherwise squeeze them below their texts.
    const QSize contents = contentsMinimum();
    // Inside the screen with the frame's title bar and borders (the body scrolls there).
    setMinimumSize(minimumSize().expandedTo(contents).boundedTo(area.size() - QSize(2, frameAllowance)));
    resize(size().expandedTo(minimumSize()));
    placeBody(size());
    // Return in the search box must not press the last clicked button (delete, save...).
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    searchTimer = new QTimer(this);
    searchTimer->setSingleShot(true);
    searchTimer->setInterval(180);
    connect(searchTimer, &QTimer::timeout, this, [this] { refreshList(searchBox->text()); });

    qApp->installEventFilter(this);
}

VideoListDialog::~VideoListDialog()
{
    cancelRunningJob();
    // A running preview picture job ends its ffmpeg on its own thread.
    stopPreviewJob();
    qApp->removeEventFilter(this);
    if (fullscreenView) {
        exitFullscreenPlayback();
        delete fullscreenView;
    }
    // Probes still queued never start; running ones end on their own, and their results go
    // nowhere (the queue goes with the window). Nothing here waits for them.
}

void VideoListDialog::buildUi()
{
    player = new VideoPlayer(this);
    editor = new VideoEditor(this);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(1, 1, 1, 1);
    root->setSpacing(0);

    titleBar = new QWidget(this);
    titleBar->setObjectName(QStringLiteral("Title"));
    titleBar->setAttribute(Qt::WA_StyledBackground);
    titleBar->setFixedHeight(58);
    titleBar->setStyleSheet(QStringLiteral("#Title{background:#091728;border-radius:15px 15px 0 0;}"));
    titleBar->installEventFilter(this);
    auto *titleLayout = new QHBoxLayout(titleBar);
    titleLayout->setContentsMargins(76, 6, 14, 4);
    titleLayout->setSpacing(12);
    auto *logo = new QLabel(titleBar);
    logo->setPixmap(windowIcon().pixmap(34, 34));
    logo->setFixedSize(34, 34);
    logo->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *product = new QLabel(QStringLiteral("Vistrelle"), titleBar);
    product->setStyleSheet(QStringLiteral("font-size:19px;font-weight:700;color:#f5f8ff;"));
    product->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *title = new QLabel(tr("媒体库"), titleBar);
    title->setStyleSheet(QStringLiteral("font-size:17px;font-weight:700;color:#e7eefb;"));
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    titleLayout->addWidget(logo);
    titleLayout->addWidget(product);
    titleLayout->addWidget(title);
    titleLayout->addStretch();
    root->addWidget(titleBar);

    // The list and the detail panel keep the room their texts need: on a screen too small
    // for them (a small laptop at a large scale, a portrait display) the body scrolls, and in
    // a narrow, tall window the panel goes under the list (placeBody).
    auto *bodyContent = new QWidget(this);
    bodyContent->setObjectName(QStringLiteral("LibraryBodyContent"));
    auto *body = new QBoxLayout(QBoxLayout::LeftToRight, bodyContent);
    bodyLayout = body;
    body->setContentsMargins(12, 0, 12, 12);
    body->setSpacing(10);
    root->addWidget(scrollingBody(bodyContent), 1);

    auto *left = new QWidget(this);
    left->setObjectName(QStringLiteral("Left"));
    left->setAttribute(Qt::WA_StyledBackground);
    // The column is as wide as a card needs to show its texts: the list's own margins, the
    // item spacing and the scroll bar come off the column before the card gets its width, and
    // the card's thumbnail, delete button, margins and spacing off the card. It takes two fifths
    // of a wider window (up to the wide width), so that a maximised library shows whole names.
    left->setMinimumWidth(libraryColumnWidthFor(RecordCard::kMinimumTextWidth));
    left->setStyleSheet(QStringLiteral("#Left{background:#0b1a2e;border:1px solid #233b5b;border-radius:12px;}"));
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(10, 10, 10, 8);

    searchBox = new QLineEdit(left);
    searchBox->setObjectName(QStringLiteral("Search"));
    searchBox->setPlaceholderText(tr("搜索录制文件..."));
    searchBox->setFixedHeight(44);
    searchBox->setClearButtonEnabled(true);
    searchBox->setFocusPolicy(Qt::ClickFocus);
    searchBox->setStyleSheet(QStringLiteral(
        "QLineEdit{background:#0d1d33;border:1px solid #315276;border-radius:9px;color:white;padding:0 15px;"
        "font-size:13px;}QLineEdit:focus{border-color:#438bff;}"));
    leftLayout->addWidget(searchBox);

    auto *tabs = new QHBoxLayout;
    tabs->setSpacing(6);
    filterGroup = new QButtonGroup(this);
    filterGroup->setExclusive(true);
    const QString tabStyle = QStringLiteral(
        "QPushButton{background:#101f34;border:1px solid #2b4261;border-radius:7px;color:#91a5c1;font-size:11px;}"
        "QPushButton:hover{background:#172b46;color:#dce8f8;}"
        "QPushButton:checked{background:#285ba6;border-color:#438bff;color:white;font-weight:bold;}");
    const QStringList tabNames{tr("全部"), tr("视频"), tr("音频")};
    for (int id = 0; id < tabNames.size(); ++id) {
        auto *tab = new QPushButton(tabNames.at(id), left);
        tab->setCheckable(true);
        tab->setChecked(id == 0);
        tab->setFixedHeight(30);
        tab->setCursor(Qt::PointingHandCursor);
        tab->setStyleSheet(tabStyle);
        filterGroup->addButton(tab, id);
        tabs->addWidget(tab);
    }
    leftLayout->addLayout(tabs);

    listWidget = new QListWidget(left);
    listWidget->setObjectName(QStringLiteral("List"));
    listWidget->setSpacing(4);
    // Every row is a card of one height: the list lays out thousands of rows without asking
    // each for its size (each new card relays the list out).
    listWidget->setUniformItemSizes(true);
    listWidget->setContextMenuPolicy(Qt::CustomContextMenu);
    listWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listWidget->setStyleSheet(QStringLiteral(
        "QListWidget{background:transparent;border:0;outline:0;color:#e8f0fc;}"
        "QListWidget::item{background:transparent;border:0;}"
        "QScrollBar:vertical{width:7px;background:transparent;}"
        "QScrollBar::handle:vertical{background:#335274;border-radius:3px;}"
        "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0;}"));
    listWidget->viewport()->installEventFilter(this);
    leftLayout->addWidget(listWidget, 1);

    stateOverlay = new QWidget(listWidget->viewport());
    stateOverlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    stateOverlay->setAttribute(Qt::WA_StyledBackground);
    stateOverlay->setStyleSheet(QStringLiteral("background:#0b1a2e;"));
    auto *stateLayout = new QVBoxLayout(stateOverlay);
    stateLayout->setContentsMargins(20, 20, 20, 20);
    stateLayout->addStretch();
    stateLabel = new QLabel(tr("正在加载媒体文件…"), stateOverlay);
    stateLabel->setObjectName(QStringLiteral("ListState"));
    stateLabel->setAlignment(Qt::AlignCenter);
    stateLabel->setWordWrap(true);
    stateLabel->setStyleSheet(QStringLiteral("color:#9fb2ce;font-size:14px;"));
    stateLayout->addWidget(stateLabel);
    stateLayout->addSpacing(12);
    stateBusyBar = new QProgressBar(stateOverlay);
    stateBusyBar->setRange(0, 0);
    stateBusyBar->setTextVisible(false);
    stateBusyBar->setFixedSize(128, 4);
    stateBusyBar->setStyleSheet(QStringLiteral(
        "QProgressBar{background:#1a2c45;border:0;border-radius:2px;}"
        "QProgressBar::chunk{background:#347dff;border-radius:2px;}"));
    stateLayout->addWidget(stateBusyBar, 0, Qt::AlignHCenter);
    stateLayout->addStretch();
    // Until the first look at the save folder ends the list says it is loading, and no count.
    stateOverlay->setGeometry(listWidget->viewport()->rect());
    // The cards of where a scroll got to, once per turn of the event loop: the steps of one
    // burst of wheel events build only the last position's. Not from a timer: timers wait
    // while window system events keep coming, and a long scroll would show no card at all.
    connect(listWidget->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (visibleCardsQueued)
            return;
        visibleCardsQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                visibleCardsQueued = false;
                buildVisibleCards();
                cardTimer->start();
            },
            Qt::QueuedConnection);
    });

    countLabel = new QLabel(left);
    countLabel->setObjectName(QStringLiteral("Count"));
    countLabel->setAlignment(Qt::AlignCenter);
    countLabel->setStyleSheet(QStringLiteral("color:#a4b3c9;font-size:12px;"));
    leftLayout->addWidget(countLabel);

    // The list's width follows the window's alone (listColumnWidthFor), not what the detail
    // panel shows at the moment: its tool row gives up padding and icons where it is short.
    listColumn = left;
    body->addWidget(left);
    detailPanel = buildDetailPanel();
    body->addWidget(detailPanel, 1);

    connect(searchBox, &QLineEdit::textChanged, this, &VideoListDialog::onSearchTextChanged);
    connect(filterGroup, &QButtonGroup::idClicked, this, [this](int id) {
        filterTab = id;
        refreshList(searchBox->text());
        if (listWidget->count() > 0)
            listWidget->setCurrentRow(0);
    });
    connect(listWidget, &QListWidget::itemSelectionChanged, this, &VideoListDialog::onItemSelectionChanged);
    connect(listWidget, &QListWidget::itemDoubleClicked, this, &VideoListDialog::onItemDoubleClicked);
    connect(listWidget, &QListWidget::customContextMenuRequested, this, &VideoListDialog::showListContextMenu);
    connect(bigPlayButton, &QPushButton::clicked, this, &VideoListDialog::onPlayClicked);
    connect(playButton, &QPushButton::clicked, this, &VideoListDialog::onPlayClicked);
    connect(folderButton, &QPushButton::clicked, this, &VideoListDialog::onOpenFolderClicked);
    connect(deleteButton, &QPushButton::clicked, this, &VideoListDialog::onDeleteClicked);
    connect(volumeSlider, &QSlider::valueChanged, player, [this](int v) { player->setVolume(float(v) / 100.0f); });
    connect(seekSlider, &QSlider::sliderPressed, this, [this] { sliderDragging = true; });
    connect(seekSlider, &QSlider::sliderReleased, this, [this] {
        sliderDragging = false;
        if (durationSeconds > 0)
            seekOrShowStill(durationSeconds * seekSlider->value() / 10000.0);
    });
    connect(player, &VideoPlayer::frameReady, this, &VideoListDialog::onFrameReady);
    connect(player, &VideoPlayer::positionChanged, this, &VideoListDialog::onPositionChanged);
    connect(player, &VideoPlayer::durationChanged, this, &VideoListDialog::onDurationChanged);
    connect(player, &VideoPlayer::playbackFinished, this, [this] { updatePlaybackUi(false); });
    // The player reports some errors from inside open(): the box waits for the next turn of
    // the event loop, so that no nested loop runs inside the player's own call. An error of a
    // file that is no longer open by then (another was selected meanwhile) is not that one's.
    connect(player, &VideoPlayer::errorOccurred, this, [this](const QString &message) {
        QMetaObject::invokeMethod(
            this,
            [this, message, file = player->filePath()] {
                if (player->filePath() != file) {
                    qInfo().noquote() << "[Media library] Player, for a file no longer open:" << message;
                    return;
                }
                updatePlaybackUi(false);
                bigPlayButton->show();
                if (!playbackWanted) {
                    qInfo().noquote() << "[Media library] Player:" << message;
                    return;
                }
                playbackWanted = false;
                showLibraryWarning(this, tr("播放失败"), message);
            },
            Qt::QueuedConnection);
    });
    // The slider starts at 80: the player plays at that level from the start.
    player->setVolume(float(volumeSlider->value()) / 100.0f);

    clearCurrentSelection();
}

QWidget *VideoListDialog::buildDetailPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Right"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral("#Right{background:#0b1a2e;border:1px solid #233b5b;border-radius:12px;}"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(8);

    auto *header = new QHBoxLayout;
    auto *texts = new QVBoxLayout;
    titleLabel = new QLabel(tr("请选择一个媒体文件"), panel);
    titleLabel->setObjectName(QStringLiteral("FileTitle"));
    titleLabel->setMinimumWidth(0);
    titleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    titleLabel->setStyleSheet(QStringLiteral("font-size:19px;font-weight:700;color:#f5f8ff;"));
    titleLabel->installEventFilter(this);
    infoLabel = new QLabel(panel);
    infoLabel->setObjectName(QStringLiteral("Info"));
    infoLabel->setStyleSheet(QStringLiteral("font-size:12px;color:#9fb0c9;"));
    // Two lines where the header is narrower than the line (a small screen).
    infoLabel->setWordWrap(true);
    infoLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // As wide as its widest part, the date (the parts are not broken inside).
    QFont infoFont = infoLabel->font();
    infoFont.setPixelSize(12);
    infoLabel->setMinimumWidth(QFontMetrics(infoFont).horizontalAdvance(QStringLiteral("0000/00/00 00:00")) + 8);
    texts->addWidget(titleLabel);
    texts->addWidget(infoLabel);
    header->addLayout(texts, 1);
    folderButton = new QPushButton(libraryIcon(QStringLiteral("folder")), tr("打开文件夹"), panel);
    deleteButton = new QPushButton(tintedLibraryIcon(QStringLiteral("trash"), 18, QColor("#dce7f7")), tr("删除"), panel);
    deleteButton->setIconSize(QSize(18, 18));
    for (QPushButton *button : {folderButton, deleteButton}) {
        button->setFixedHeight(38);
        button->setStyleSheet(QString::fromLatin1(kHeaderButtonStyle));
        header->addWidget(button);
    }
    layout->addLayout(header);

    auto *surface = new QWidget(panel);
    surface->setObjectName(QStringLiteral("Player"));
    surface->setAttribute(Qt::WA_StyledBackground);
    surface->setMinimumHeight(210);
    surface->setStyleSheet(QStringLiteral("#Player{background:#02060b;border:1px solid #1e3552;border-radius:9px;}"));
    auto *surfaceLayout = new QVBoxLayout(surface);
    surfaceLayout->setContentsMargins(0, 0, 0, 0);
    surfaceLayout->setSpacing(0);
    preview = new WaveformPreviewLabel(surface);
    preview->setObjectName(QStringLiteral("Preview"));
    preview->setAlignment(Qt::AlignCenter);
    preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    preview->setMinimumSize(1, 1);
    preview->setStyleSheet(QStringLiteral("background:#02060b;border-radius:9px 9px 0 0;"));
    preview->installEventFilter(this);
    surfaceLayout->addWidget(preview, 1);
    bigPlayButton = new QPushButton(preview);
    bigPlayButton->setFixedSize(56, 56);
    bigPlayButton->setIcon(tintedLibraryIcon(QStringLiteral("play"), 25, Qt::white));
    bigPlayButton->setIconSize(QSize(25, 25));
    bigPlayButton->setStyleSheet(QStringLiteral(
        "QPushButton{background:#2874f0;border:1px solid #5992f5;border-radius:28px;}"
        "QPushButton:hover{background:#3d84f4;}"));

    auto *transport = new QWidget(surface);
    transport->setAttribute(Qt::WA_StyledBackground);
    transport->setFixedHeight(kTransportHeight);
    transport->setStyleSheet(QStringLiteral("background:#06101d;border-radius:0 0 9px 9px;"));
    auto *transportLayout = new QHBoxLayout(transport);
    transportLayout->setContentsMargins(12, 5, 12, 5);
    playButton = new QPushButton(transport);
    playButton->setObjectName(QStringLiteral("PlayButton"));
    playButton->setFixedSize(38, 38);
    playButton->setIconSize(QSize(18, 18));
    playButton->setStyleSheet(
        QStringLiteral("QPushButton{background:#2874f0;border-radius:19px;border:1px solid #4c8cff;}"));
    timeLabel = new QLabel(QStringLiteral("00:00 / 00:00"), transport);
    timeLabel->setObjectName(QStringLiteral("Time"));
    timeLabel->setStyleSheet(QStringLiteral("color:#dce7f7;font-size:11px;"));
    seekSlider = new SeekSlider(transport);
    seekSlider->setObjectName(QStringLiteral("Seek"));
    seekSlider->setRange(0, 10000);
    seekSlider->setStyleSheet(QString::fromLatin1(kSliderStyle));
    auto *volumeIcon = new QLabel(transport);
    volumeIcon->setPixmap(tintedLibraryPixmap(QStringLiteral("audio"), 20, QColor("#dce7f7")));
    volumeSlider = new QSlider(Qt::Horizontal, transport);
    volumeSlider->setObjectName(QStringLiteral("Volume"));
    volumeSlider->setRange(0, 100);
    volumeSlider->setValue(80);
    volumeSlider->setFixedWidth(100);
    volumeSlider->setStyleSheet(QString::fromLatin1(kSliderStyle));
    keepLeftToRight(volumeSlider);
    fullscreenButton = new QPushButton(transport);
    fullscreenButton->setObjectName(QStringLiteral("FullscreenButton"));
    fullscreenButton->setFixedSize(34, 34);
    fullscreenButton->setIcon(tintedLibraryIcon(QStringLiteral("fullscreen"), 19, QColor("#dce7f7")));
    fullscreenButton->setIconSize(QSize(19, 19));
    fullscreenButton->setCursor(Qt::PointingHandCursor);
    fullscreenButton->setToolTip(tr("全屏播放（F）"));
    fullscreenButton->setAccessibleName(tr("全屏播放"));
    fullscreenButton->setStyleSheet(QStringLiteral(
        "QPushButton{background:transparent;border:0;border-radius:6px;}QPushButton:hover{background:#18304d;}"
        "QPushButton:pressed{background:#204064;}"));
    transportLayout->addWidget(playButton);
    transportLayout->addWidget(timeLabel);
    transportLayout->addWidget(seekSlider, 1);
    transportLayout->addWidget(volumeIcon);
    transportLayout->addWidget(volumeSlider);
    transportLayout->addWidget(fullscreenButton);
    surfaceLayout->addWidget(transport);
    layout->addWidget(surface, 1);
    layout->addWidget(buildEditorPanel(panel), 0);
    connect(fullscreenButton, &QPushButton::clicked, this, &VideoListDialog::toggleFullscreenPlayback);
    return panel;
}

bool VideoListDialog::eventFilter(QObject *object, QEvent *event)
{
    // Until the window manager has moved the focus to the full-screen view, keys still reach
    // this window (Escape would close it): they are meant for the view all the same.
    if (fullscreenView && object != fullscreenView && event->type() == QEvent::KeyPress
        && fullscreenView->isVisible() && object->isWidgetType()
        && static_cast<QWidget *>(object)->window() == this)
        return eventFilter(fullscreenView, event) || static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape;
    if (fullscreenView && object == fullscreenView) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            exitFullscreenPlayback();
            return true;
        }
        if (event->type() == QEvent::Close)
            player->restoreVideoSink();
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Space && !key->isAutoRepeat()) {
                onPlayClicked();
                return true;
            }
            if (key->key() == Qt::Key_F || key->key() == Qt::Key_Escape) {
                exitFullscreenPlayback();
                return true;
            }
            if (key->key() == Qt::Key_Right) {
                player->seek(std::min(player->position() + 5.0, durationSeconds));
                return true;
            }
            if (key->key() == Qt::Key_Left) {
                player->seek(std::max(player->position() - 5.0, 0.0));
                return true;
            }
        }
    }
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool inLineEdit = qobject_cast<QLineEdit *>(QApplication::focusWidget()) != nullptr;
        if (key->key() == Qt::Key_F && !inLineEdit && !key->isAutoRepeat()) {
            toggleFullscreenPlayback();
            return true;
        }
        if (key->key() == Qt::Key_Space && !inLineEdit) {
            if (!key->isAutoRepeat() && currentIndex >= 0)
                onPlayClicked();
            return true;
        }
        // Delete in the list does what the selected card's delete button does, question
        // included (asked once this key has been handled).
        if (key->key() == Qt::Key_Delete && object == listWidget) {
            QListWidgetItem *item = listWidget->currentItem();
            if (!key->isAutoRepeat() && item && item->isSelected()) {
                const QString path = records.value(item->data(Qt::UserRole).toInt()).path;
                QTimer::singleShot(0, this, [this, path] { deleteRecordOf(path); });
            }
            return true;
        }
    }
    if (object == titleBar) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                titleDragging = true;
                titleDragOffset = mouse->globalPosition().toPoint() - pos();
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease && titleDragging) {
            titleDragging = false;
            return true;
        } else if (event->type() == QEvent::MouseMove && titleDragging) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (!(mouse->buttons() & Qt::LeftButton))
                titleDragging = false;
            else if (!isMaximized() && !isFullScreen())
                move(mouse->globalPosition().toPoint() - titleDragOffset);
            return true;
        }
    }
    if (listWidget && object == listWidget->viewport() && event->type() == QEvent::Resize) {
        stateOverlay->setGeometry(listWidget->viewport()->rect());
        // A list laid out top to bottom keeps the row width of its last layout (made when it
        // filled): the cards follow the column's width whenever it changes.
        const auto *resize = static_cast<QResizeEvent *>(event);
        if (resize->size().width() != resize->oldSize().width())
            listWidget->doItemsLayout();
        if (resize->size().height() > resize->oldSize().height())
            cardTimer->start();
    }
    if (titleLabel && object == titleLabel && event->type() == QEvent::Resize)
        elideFileTitle();
    if (preview && object == preview && event->type() == QEvent::Resize && bigPlayButton) {
        centreBigPlayButton();
        if (!currentIsAudio() && !frameImage.isNull())
            renderPreviewFrame();
    }
    if (preview && object == preview && event->type() == QEvent::MouseButtonDblClick) {
        if (!currentIsAudio())
            enterFullscreenPlayback();
        return true;
    }
    return QDialog::eventFilter(object, event);
}

void VideoListDialog::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(Qt::ArrowCursor);
    QDialog::mouseMoveEvent(event);
}

void VideoListDialog::leaveEvent(QEvent *event)
{
    if (!isMaximized())
        unsetCursor();
    QDialog::leaveEvent(event);
}

int VideoListDialog::listColumnWidthFor(int windowWidth)
{
    // The window's frame (1 + 1), the body's margins (12 + 12) and the spacing between the
    // columns (10) come off first.
    const int columns = windowWidth - 36;
    return std::clamp(qRound(columns * 0.4), libraryColumnWidthFor(RecordCard::kMinimumTextWidth),
                      libraryColumnWidthFor(RecordCard::kWideTextWidth));
}

QSize VideoListDialog::contentsMinimum() const
{
    // The title bar and the window's border (1 px all round) above and beside the body, whose
    // list and panel stand side by side.
    const QMargins margins = bodyLayout->contentsMargins();
    const int width = listColumn->minimumWidth() + bodyLayout->spacing() + detailPanel->minimumSizeHint().width()
                      + margins.left() + margins.right();
    const int height = std::max(listColumn->minimumSizeHint().height(), detailPanel->minimumSizeHint().height())
                       + margins.top() + margins.bottom();
    return QSize(width + 2, titleBar->height() + height + 2);
}

void VideoListDialog::placeBody(QSize windowSize)
{
    if (!bodyLayout)
        return;
    // A window narrower than the two side by side and taller than wide: the panel goes under
    // the list, which keeps a part of the height and the whole width.
    const bool stacked = windowSize.width() < contentsMinimum().width() && windowSize.height() > windowSize.width();
    if (stacked) {
        bodyLayout->setDirection(QBoxLayout::TopToBottom);
        listColumn->setMinimumWidth(libraryColumnWidthFor(RecordCard::kMinimumTextWidth));
        listColumn->setMaximumWidth(QWIDGETSIZE_MAX);
        listColumn->setFixedHeight(std::clamp(windowSize.height() * 2 / 5, 240, 420));
    } else {
        bodyLayout->setDirection(QBoxLayout::LeftToRight);
        listColumn->setMinimumHeight(0);
        listColumn->setMaximumHeight(QWIDGETSIZE_MAX);
        listColumn->setFixedWidth(listColumnWidthFor(windowSize.width()));
    }
}

void VideoListDialog::resizeEvent(QResizeEvent *event)
{
    placeBody(event->size());
    QDialog::resizeEvent(event);
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            configureMacMediaLibraryWindow(winId());
    });
}

void VideoListDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                configureMacMediaLibraryWindow(winId());
        });
    }
}

void VideoListDialog::showEvent(QShowEvent *event)
{
    // The save folder changed while the window was away: the old folder's list goes before
    // the window is drawn, and the loading state stands until the new one is read.
    if (!listedFolder.isEmpty() && listedFolder != SaveFolder::current()) {
        listedFolder.clear();
        ++scanGeneration;
        metadataQueue->clear();
        metadataResults.clear();
        records.clear();
        refreshList(QString());
        showListState(tr("正在加载媒体文件…"), true);
    }
    QDialog::showEvent(event);
    searchBox->clearFocus();
    configureMacMediaLibraryWindow(winId());
    QTimer::singleShot(0, this, [this] {
        configureMacMediaLibraryWindow(winId());
        centreBigPlayButton();
        if (positionedOnce)
            return;
        positionedOnce = true;
        QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    });
}

void VideoListDialog::hideEvent(QHideEvent *event)
{
    if (fullscreenView && fullscreenView->isVisible())
        exitFullscreenPlayback();
    // A minimised window keeps its save running; closing it (closeEvent, or a dialog's
    // reject, which hides without one) stops the job.
    if (!isMinimized() && (saveProgress || (editor && editor->isBusy())))
        cancelRunningJob();
    player->close();
    updatePlaybackUi(false);
    timeLabel->setText(QStringLiteral("00:00 / ") + timeText(durationSeconds));
    rangeBar->marker = 0;
    rangeBar->update();
    QDialog::hideEvent(event);
}

// A window closed while a save runs (from its title bar, or one that deletes itself on close)
// stops the job; the job's loop then removes the unfinished output.
void VideoListDialog::closeEvent(QCloseEvent *event)
{
    cancelRunningJob();
    QDialog::closeEvent(event);
}

void VideoListDialog::endJobsForQuit()
{
    cancelRunningJob();
    stopPreviewJob();
    // Ends its ffmpeg and removes the temporary folder with the partial copy.
    delete watermarkJob.data();
    if (saveProgress)
        endSaveProgress();
}

void VideoListDialog::cancelRunningJob()
{
    jobCancelRequested = true;
    if (editor)
        editor->cancel();
}

void VideoListDialog::exitFullscreenPlayback()
{
    if (!fullscreenView || !fullscreenView->isVisible())
        return;
    player->restoreVideoSink();
    fullscreenView->hide();
    renderPreviewFrame();
    raise();
    activateWindow();
    // A window manager still busy with the full-screen window it has just lost may drop the
    // request: ask once more when it has settled.
    QTimer::singleShot(400, this, [this] {
        if (isVisible() && !isActiveWindow() && !(fullscreenView && fullscreenView->isVisible())) {
            raise();
            activateWindow();
        }
    });
}

void VideoListDialog::centreBigPlayButton()
{
    bigPlayButton->move((preview->width() - bigPlayButton->width()) / 2,
                        (preview->height() - bigPlayButton->height()) / 2);
}
