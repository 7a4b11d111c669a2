#include "preparation/CaptureTargetDialog.h"

#include "preparation/ScreenshotNotice.h"
#include "overlays/SetupRecordingToolbar.h"
#include "platform/mac/MacWindowHelpers.h"
#include "preparation/PlainToolTip.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

int roundHalfAway(double value)
{
    return int(std::lround(value));
}

// Paints one window card: the picture (or a status text), the icon, the title and
// the owning application.
class TargetItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const bool selected = option.state & QStyle::State_Selected;
        const QRectF card = QRectF(option.rect).adjusted(10, 8, -10, -8);
        QPainterPath cardShape;
        cardShape.addRoundedRect(card, 12, 12);
        painter->fillPath(cardShape, QColor(selected ? "#111d30" : "#0d1725"));

        const qreal previewWidth = card.width() - 28;
        const QRectF preview(card.left() + 14, card.top() + 12, previewWidth,
                             roundHalfAway(previewWidth * 0.56));
        QPainterPath previewShape;
        previewShape.addRoundedRect(preview, 8, 8);
        painter->setClipPath(previewShape);
        const QPixmap picture = index.data(CaptureTargetDialog::PreviewRole).value<QPixmap>();
        if (!picture.isNull()) {
            // The whole window, on the dark box where its shape differs from the box's: a
            // picture filling the box lost the window's sides.
            painter->fillPath(previewShape, QColor(QStringLiteral("#0d121a")));
            const QPixmap scaled = picture.scaled(
                QSize(roundHalfAway(preview.width()), roundHalfAway(preview.height())),
                Qt::KeepAspectRatio, Qt::SmoothTransformation);
            const QSizeF logical = QSizeF(scaled.size()) / scaled.devicePixelRatio();
            const QRectF target(preview.center().x() - logical.width() / 2,
                                preview.center().y() - logical.height() / 2, logical.width(),
                                logical.height());
            painter->drawPixmap(target, scaled, QRectF(scaled.rect()));
        } else {
            painter->fillPath(previewShape, QColor(QStringLiteral("#0d121a")));
            QFont font(QStringLiteral("Segoe UI"));
            font.setPointSize(11);
            painter->setFont(font);
            painter->setPen(QColor(QStringLiteral("#a9b9cd")));
            painter->drawText(preview.adjusted(18, 18, -18, -18), Qt::AlignCenter | Qt::TextWordWrap,
                              index.data(CaptureTargetDialog::StatusRole).toString());
        }
        painter->setClipping(false);
        painter->setBrush(Qt::NoBrush);
        const QPen highlight(QColor(QStringLiteral("#26b9ef")), 3);
        painter->setPen(selected ? highlight : QPen(QColor(QStringLiteral("#15253a")), 1));
        painter->drawPath(previewShape);
        if (selected)
            painter->drawPath(cardShape);

        const qreal textTop = preview.top() + preview.height() + 22;
        QIcon icon = index.data(CaptureTargetDialog::AppIconRole).value<QIcon>();
        if (icon.isNull())
            icon = QIcon(QStringLiteral(":/icons/icons/window.svg"));
        icon.paint(painter, QRect(roundHalfAway(preview.left()), roundHalfAway(textTop + 4), 28, 28));

        const int columnLeft = roundHalfAway(preview.left() + 40);
        const int columnWidth = qMax(1, int(preview.right()) - columnLeft);
        QFont titleFont(QStringLiteral("Microsoft YaHei UI"));
        titleFont.setPointSize(13);
        titleFont.setWeight(QFont::DemiBold);
        painter->setFont(titleFont);
        painter->setPen(QColor(QStringLiteral("#f4f6fb")));
        const QString title = QFontMetrics(titleFont).elidedText(
            index.data(Qt::DisplayRole).toString(), Qt::ElideRight, columnWidth);
        painter->drawText(QRect(columnLeft, roundHalfAway(textTop), columnWidth, 24),
                          Qt::AlignLeft | Qt::AlignVCenter, title);
        QFont subFont(QStringLiteral("Segoe UI"));
        subFont.setPointSize(10);
        painter->setFont(subFont);
        painter->setPen(QColor(QStringLiteral("#a9b1bf")));
        const QString subtitle = QFontMetrics(subFont).elidedText(
            index.data(CaptureTargetDialog::SubtitleRole).toString(), Qt::ElideRight, columnWidth);
        painter->drawText(QRect(columnLeft, roundHalfAway(textTop + 24), columnWidth, 20),
                          Qt::AlignLeft | Qt::AlignVCenter, subtitle);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        const QSize d = option.decorationSize;
        if (d.width() < 0 || d.height() < 0)
            return QSize(390, 300);
        return QSize(d.width() + 42, int(d.width() * 0.56 + 0.5) + 92);
    }
};

} // namespace

CaptureTargetDialog::CaptureTargetDialog(bool gameMode, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_gameMode(gameMode)
{
    setWindowTitle(gameMode ? tr("选择游戏") : tr("选择窗口"));
    setModal(true);
    setAttribute(Qt::WA_StyledBackground);
    resize(1440, 820);
    setStyleSheet(QStringLiteral(
        "QDialog{background:#0b1523;color:#e7edf8;border:1px solid #20344d;border-radius:14px;}"
        "QLabel{color:#a9b1bf;background:transparent;}"
        "QListWidget{background:transparent;border:0;color:#dce5f5;font-size:14px;outline:none;}"
        "QListWidget::item{background:transparent;border:0;padding:0;margin:0;}"
        "QScrollBar:vertical{background:transparent;width:8px;margin:2px 0;}"
        "QScrollBar::handle:vertical{background:#405774;border-radius:4px;min-height:58px;}"
        "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0;}"
        "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;}"
        "QPushButton{height:42px;padding:0 18px;border-radius:7px;background:#17263a;"
        "border:1px solid #304966;color:#dbe4f4;font-size:13px;}"
        "QPushButton:hover{background:#1c314a;border-color:#4380ad;}"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(34, 22, 34, 0);
    layout->setSpacing(0);

    auto *heading = new QLabel(gameMode ? tr("选择游戏窗口") : tr("选择录制窗口"), this);
    heading->setStyleSheet(QStringLiteral("font-size:25px;font-weight:750;color:#f8f9ff;"));
    layout->addWidget(heading, 0, Qt::AlignHCenter);

    // The status line, with a refresh button for windows opened after the picker.
    auto *statusRow = new QHBoxLayout;
    statusRow->setSpacing(12);
    statusRow->addStretch();
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setStyleSheet(QStringLiteral("font-size:14px;color:#b8c0cf;margin-top:6px;"));
    statusRow->addWidget(m_status);
    auto *refresh = new QPushButton(tr("刷新"), this);
    refresh->setObjectName(QStringLiteral("TargetRefreshButton"));
    refresh->setCursor(Qt::PointingHandCursor);
    connect(refresh, &QPushButton::clicked, this, &CaptureTargetDialog::refreshTargets);
    statusRow->addWidget(refresh, 0, Qt::AlignVCenter);
    statusRow->addStretch();
    layout->addLayout(statusRow);

    m_grid = new QListWidget(this);
    m_grid->setViewMode(QListView::IconMode);
    m_grid->setFlow(QListView::LeftToRight);
    m_grid->setWrapping(true);
    m_grid->setResizeMode(QListView::Adjust);
    m_grid->setMovement(QListView::Static);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setMouseTracking(true);
    m_grid->setTextElideMode(Qt::ElideRight);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setSpacing(6);
    m_grid->setUniformItemSizes(true);
    m_grid->setItemDelegate(new TargetItemDelegate(m_grid));
    layout->addWidget(m_grid, 1);

    auto *footer = new QWidget(this);
    footer->setObjectName(QStringLiteral("TargetFooter"));
    footer->setAttribute(Qt::WA_StyledBackground);
    footer->setStyleSheet(QStringLiteral(
        "#TargetFooter{background:#09111d;border-top:1px solid #20344d;border-radius:0 0 14px 14px;}"));
    footer->setFixedHeight(92);
    auto *footerRow = new QHBoxLayout(footer);
    footerRow->setContentsMargins(14, 0, 14, 0);
    m_toolbar = new SetupRecordingToolbar(footer, true);
    footerRow->addWidget(m_toolbar, 0, Qt::AlignCenter);
    layout->addWidget(footer);

    m_toolbar->setMode(gameMode ? HomeMode::Game : HomeMode::Window, tr("Select a window"));
    m_toolbar->setRecordEnabled(false);

    connect(m_toolbar, &SetupRecordingToolbar::recordRequested, this, [this] {
        m_recordPressed = true;
        accept();
        // A window that closed meanwhile keeps the dialog open: a later double
        // click must not start recording at once.
        if (result() != QDialog::Accepted)
            m_recordPressed = false;
    });
    connect(m_toolbar, &SetupRecordingToolbar::backRequested, this, &QDialog::reject);
    connect(m_toolbar, &SetupRecordingToolbar::screenshotRequested, this, &CaptureTargetDialog::takeScreenshot);
    connect(m_toolbar, &SetupRecordingToolbar::webcamToggled, this, &CaptureTargetDialog::webcamToggled);
    connect(m_toolbar, &SetupRecordingToolbar::speakerToggled, this, &CaptureTargetDialog::speakerToggled);
    connect(m_toolbar, &SetupRecordingToolbar::microphoneToggled, this,
            &CaptureTargetDialog::microphoneToggled);
    connect(m_toolbar, &SetupRecordingToolbar::webcamMenuRequested, this,
            &CaptureTargetDialog::webcamMenuRequested);
    connect(m_toolbar, &SetupRecordingToolbar::speakerMenuRequested, this,
            &CaptureTargetDialog::speakerMenuRequested);
    connect(m_toolbar, &SetupRecordingToolbar::microphoneMenuRequested, this,
            &CaptureTargetDialog::microphoneMenuRequested);
    connect(m_grid, &QListWidget::itemSelectionChanged, this,
            [this] { m_toolbar->setRecordEnabled(m_grid->currentRow() >= 0); });
    connect(m_grid, &QListWidget::currentRowChanged, this, [this](int row) {
        m_toolbar->setRecordEnabled(row >= 0);
        // The mode item names the chosen window (shortened) instead of asking for one.
        const QString title = row >= 0 ? m_grid->item(row)->data(Qt::DisplayRole).toString() : QString();
        QFont font = m_toolbar->font();
        font.setPixelSize(10);
        m_toolbar->setMode(m_gameMode ? HomeMode::Game : HomeMode::Window, title.isEmpty() ? tr("Select a window")
                                                               : QFontMetrics(font).elidedText(title, Qt::ElideRight, 150));
    });
    connect(m_grid, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

    refreshTargets();
}

CaptureTargetDialog::~CaptureTargetDialog()
{
    delete m_previewGuard;
}

QSize CaptureTargetDialog::dialogSizeFor(const QSize &available)
{
    const int w = available.width();
    const int h = available.height();
    const int width = qMin(qMin(qMax(roundHalfAway(0.86 * w), 980), w - 32), 1480);
    const int height = qMin(qMin(qMax(roundHalfAway(0.84 * h), 660), h - 32), 900);
    return {width, height};
}

CaptureTargetDialog::GridMetrics CaptureTargetDialog::gridMetricsFor(int viewportWidth)
{
    const int usable = qMax(viewportWidth, 17) - 16;
    const int columns = usable < 660 ? 1 : usable < 1320 ? usable / 330 : 3;
    const int cell = qMin(usable / columns, 500);
    const int iconWidth = cell - 44;
    const int iconHeight = roundHalfAway(iconWidth * 0.56);
    return {QSize(cell, iconHeight + 104), QSize(iconWidth, iconHeight)};
}

int CaptureTargetDialog::screenIndexFor(const QRect &frame, const QList<DisplayGeometry::Display> &displays)
{
    const QPoint centre(int((qint64(frame.left()) + frame.right()) / 2),
                        int((qint64(frame.top()) + frame.bottom()) / 2));
    const int at = DisplayGeometry::displayAtDevice(displays, centre);
    return at >= 0 && displays.at(at).nativeGeometry.contains(centre) ? at : 0;
}

void CaptureTargetDialog::refreshTargets()
{
    quint64 remembered = 0;
    const CapturableWindow current = selectedTarget();
    if (current.window.isValid())
        remembered = current.window.windowId();

    delete m_previewGuard;
    m_previewGuard = nullptr;
    m_nextPreviewRow = 0;
    m_grid->clear();
    m_entries.clear();

    const QList<DisplayGeometry::Display> displays = DisplayGeometry::applicationDisplays();

    const qint32 ownPid = qint32(QCoreApplication::applicationPid());
    for (const MacWindowInfo &info : macCapturableWindows()) {
        const QString title = info.title.trimmed();
        if (info.windowNumber == 0 || info.windowNumber > 0xFFFFFFFFu || title.isEmpty()
            || title.startsWith(QStringLiteral("Window 0x"), Qt::CaseInsensitive)
            || info.ownerPid == ownPid)
            continue;
        CapturableWindow entry;
        entry.window = NativeWindowHandle(quint32(info.windowNumber), title);
        entry.title = title;
        entry.subtitle = info.ownerName;
        entry.frame = info.bounds;
        entry.screenIndex = screenIndexFor(info.bounds, displays);
        m_entries.append(entry);
    }

    for (int row = 0; row < m_entries.size(); ++row) {
        const CapturableWindow &entry = m_entries.at(row);
        auto *item = new QListWidgetItem;
        item->setData(Qt::DisplayRole, entry.title);
        item->setData(Qt::ToolTipRole, plainToolTip(entry.title));
        item->setData(PreviewRole, QPixmap());
        item->setData(SubtitleRole, entry.subtitle.isEmpty()
                                        ? tr("Process information unavailable")
                                        : entry.subtitle);
        item->setData(AppIconRole, QIcon());
        item->setData(StatusRole, tr("Loading preview…"));
        item->setData(WindowNumberRole, quint64(entry.window.windowId()));
        m_grid->addItem(item);
        if (remembered != 0 && remembered == entry.window.windowId())
            m_grid->setCurrentRow(row);
    }

    if (m_entries.isEmpty())
        m_status->setText(tr("当前没有可捕获窗口。请先打开目标程序，然后点击刷新。"));
    else
        m_status->setText(m_gameMode ? tr("选择要录制的游戏或应用窗口。录制时不要最小化窗口。")
                                     : tr("录制时不要最小化窗口。"));
    // Wrap only what does not fit on one line beside the refresh button.
    QFont statusFont = m_status->font();
    statusFont.setPixelSize(14); // as its style sheet sets it
    m_statusWidth = qMin(QFontMetrics(statusFont).horizontalAdvance(m_status->text()) + 8, 900);
    fitContentsTo(m_fittedWidth > 0 ? m_fittedWidth : width());
    m_toolbar->setRecordEnabled(m_grid->currentRow() >= 0);
    updateGridMetrics();
    QTimer::singleShot(0, this, &CaptureTargetDialog::startNextPreview);
}

CapturableWindow CaptureTargetDialog::selectedTarget() const
{
    if (!m_grid)
        return {};
    const int row = m_grid->currentRow();
    if (row < 0 || row >= m_entries.size())
        return {};
    return m_entries.at(row);
}

void CaptureTargetDialog::takeScreenshot()
{
    const CapturableWindow target = selectedTarget();
    if (!target.window.isValid())
        return;
    // The window's own pixels: the picker over it stays out of the picture.
    const QPointer<CaptureTargetDialog> self(this);
    captureMacWindowPicture(target.window.windowId(), [self](const QImage &picture) {
        if (self)
            ScreenshotNotice::save(self, picture);
    });
}

bool CaptureTargetDialog::windowStillExists(const NativeWindowHandle &window)
{
    return window.isValid() && macWindowExists(window.windowId());
}

void CaptureTargetDialog::accept()
{
    if (!windowStillExists(selectedTarget().window))
        return;
    QDialog::accept();
}

void CaptureTargetDialog::setDeviceStates(bool webcam, bool speaker, bool microphone)
{
    m_toolbar->setDeviceStates(webcam, speaker, microphone);
}

void CaptureTargetDialog::updateGridMetrics()
{
    if (!m_grid)
        return;
    const GridMetrics metrics = gridMetricsFor(m_grid->viewport()->width());
    m_grid->setGridSize(metrics.gridSize);
    m_grid->setIconSize(metrics.iconSize);
}

void CaptureTargetDialog::fitContentsTo(int dialogWidth)
{
    m_fittedWidth = dialogWidth;
    // The status line and the footer's toolbar keep inside the dialog (on a small screen
    // the status wraps and the toolbar's items show their icons alone).
    const QMargins outer = layout()->contentsMargins();
    const int inner = dialogWidth - outer.left() - outer.right();
    const QMargins footer = m_toolbar->parentWidget()->layout()->contentsMargins();
    m_toolbar->fitToWidth(inner - footer.left() - footer.right());
    auto *refresh = findChild<QPushButton *>(QStringLiteral("TargetRefreshButton"));
    const int beside = refresh ? refresh->sizeHint().width() + 12 : 0;
    m_status->setMinimumWidth(qMax(0, qMin(m_statusWidth, inner - beside)));
}

void CaptureTargetDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    updateGridMetrics();
}

void CaptureTargetDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &CaptureTargetDialog::startNextPreview);
    QScreen *screen = nullptr;
    if (parentWidget()) {
        QWindow *handle = parentWidget()->window()->windowHandle();
        if (handle)
            screen = handle->screen();
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        const QSize size = dialogSizeFor(available.size());
        fitContentsTo(size.width());
        // The least size the contents now need, before the dialog takes its size.
        layout()->activate();
        resize(size);
        move(available.center().x() - size.width() / 2, available.center().y() - size.height() / 2);
    }
    updateGridMetrics();
}

void CaptureTargetDialog::hideEvent(QHideEvent *event)
{
    delete m_previewGuard;
    m_previewGuard = nullptr;
    m_nextPreviewRow = 0;
    QDialog::hideEvent(event);
}

void CaptureTargetDialog::startNextPreview()
{
    if (!isVisible() || m_previewGuard || m_nextPreviewRow >= m_entries.size())
        return;
    const int row = m_nextPreviewRow++;
    QObject *guard = new QObject(this);
    m_previewGuard = guard;
    auto *timer = new QTimer(guard);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, guard, [this, guard, row] {
        finishPreview(guard, row, QImage(),
                      tr("Preview timed out — check screen recording access"));
    });
    timer->start(5000);
    const quint64 windowNumber = m_grid->item(row)->data(WindowNumberRole).toULongLong();
    QPointer<QObject> weakGuard(guard);
    captureMacWindowPreview(windowNumber, [this, weakGuard, row](QImage picture) {
        if (!weakGuard)
            return;
        const QString status = picture.isNull()
                                   ? tr("Preview unavailable — check screen recording access")
                                   : QString();
        finishPreview(weakGuard, row, picture, status);
    });
}

void CaptureTargetDialog::finishPreview(QObject *guard, int row, const QImage &picture,
                                        const QString &status)
{
    if (guard->property("finished").toBool())
        return;
    guard->setProperty("finished", true);
    if (auto *timer = guard->findChild<QTimer *>())
        timer->stop();
    if (QListWidgetItem *item = m_grid->item(row)) {
        item->setData(PreviewRole, QPixmap::fromImage(picture));
        item->setData(StatusRole, status);
    }
    QPointer<QObject> weakGuard(guard);
    QTimer::singleShot(0, this, [this, weakGuard] {
        if (!weakGuard)
            return;
        if (m_previewGuard == weakGuard)
            m_previewGuard = nullptr;
        weakGuard->deleteLater();
        startNextPreview();
    });
}
