#include "library/RecordCard.h"

#include <algorithm>

#include "library/LibraryIcons.h"
#include "library/ThumbnailCache.h"
#include "library/VideoListDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMarginLeft = 12;
constexpr int kMarginRight = 10;
constexpr int kSpacing = 12;
constexpr int kThumbnailWidth = 132;
constexpr int kDeleteWidth = 30;

} // namespace

int RecordCard::fixedWidth()
{
    return kMarginLeft + kThumbnailWidth + kSpacing + kSpacing + kDeleteWidth + kMarginRight;
}

RecordCard::RecordCard(const VideoRecord &record, std::function<void()> onDelete, std::function<void(QPoint)> onMenu,
                       QWidget *parent)
    : QWidget(parent)
    , m_record(record)
{
    setObjectName(QStringLiteral("RecordCard"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(Height);
    setContextMenuPolicy(Qt::CustomContextMenu);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(kMarginLeft, 9, kMarginRight, 9);
    layout->setSpacing(kSpacing);

    m_thumbnail = new QLabel(this);
    m_thumbnail->setFixedSize(kThumbnailWidth, 80);
    m_thumbnail->setAlignment(Qt::AlignCenter);
    m_thumbnail->setStyleSheet(QStringLiteral("background:#060b13;border-radius:7px;"));
    layout->addWidget(m_thumbnail);

    m_placeholder = new QLabel(record.isAudio ? VideoListDialog::tr("正在生成波形…")
                                              : VideoListDialog::tr("正在加载缩略图…"),
                               m_thumbnail);
    // Two lines above the busy bar for the longer languages ("Vorschaubild wird geladen…").
    m_placeholder->setGeometry(4, 8, m_thumbnail->width() - 8, 36);
    m_placeholder->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    m_placeholder->setWordWrap(true);
    m_placeholder->setStyleSheet(QStringLiteral("background:transparent;color:#9fb0c9;font-size:10px;"));

    m_busy = new QProgressBar(m_thumbnail);
    m_busy->setGeometry(21, 47, 90, 4);
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->setStyleSheet(QStringLiteral(
        "QProgressBar{background:#17253a;border:none;border-radius:2px;}"
        "QProgressBar::chunk{background:#3986ff;border-radius:2px;width:18px;margin:0 2px;}"));

    m_badge = new QLabel(m_thumbnail);
    m_badge->setStyleSheet(QStringLiteral(
        "background:rgba(5,8,13,210);color:white;border-radius:4px;padding:2px 5px;font-size:10px;"));
    placeBadge();

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    auto *title = new QLabel(this);
    m_title = title;
    title->setText(title->fontMetrics().elidedText(record.fileName, Qt::ElideMiddle, kMinimumTextWidth));
    title->setToolTip(record.fileName);
    title->setWordWrap(false);
    title->setMinimumWidth(0);
    title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    title->setTextInteractionFlags(Qt::NoTextInteraction);
    title->setStyleSheet(QStringLiteral("font-size:13px;font-weight:600;color:#f2f6ff;"));
    m_detail = new QLabel(detailText(record), this);
    m_detail->setStyleSheet(QStringLiteral("font-size:10px;color:#9fb0cb;"));
    // The texts take what the thumbnail and the delete button leave; they never push the
    // card wider than its list (which made them run over the thumbnail).
    m_detail->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    texts->addWidget(title);
    texts->addWidget(m_detail);
    texts->addStretch();
    layout->addLayout(texts, 1);

    auto *remove = new QPushButton(this);
    remove->setFixedSize(kDeleteWidth, 34);
    remove->setIcon(libraryIcon(QStringLiteral("trash")));
    remove->setIconSize(QSize(17, 17));
    remove->setCursor(Qt::PointingHandCursor);
    remove->setToolTip(record.isAudio ? VideoListDialog::tr("删除音频") : VideoListDialog::tr("删除视频"));
    remove->setStyleSheet(QStringLiteral(
        "QPushButton{background:transparent;border:0;border-radius:6px;}QPushButton:hover{background:#4b2430;}"
        "QPushButton:pressed{background:#6a2935;}"));
    layout->addWidget(remove);
    connect(remove, &QPushButton::clicked, this, [onDelete] {
        if (onDelete)
            onDelete();
    });
    connect(this, &QWidget::customContextMenuRequested, this, [this, onMenu](const QPoint &pos) {
        if (onMenu)
            onMenu(mapToGlobal(pos));
    });

    setCardSelected(false);
    // A picture grabbed before is shown at once; a new one is asked for when the card is
    // painted (only cards in the list's view are), so the cards in view come first.
    const QImage cached = ThumbnailCache::instance()->cached(ThumbnailCache::keyFor(record.path, record.size));
    if (!cached.isNull())
        applyPicture(cached);
}

void RecordCard::paintEvent(QPaintEvent *event)
{
    askForPicture();
    QWidget::paintEvent(event);
}

void RecordCard::askForPicture()
{
    // Asked again at every paint until it comes: a request of a card scrolled past may have
    // given way to newer ones, and asking moves it ahead of cards off screen.
    if (m_pictureCame)
        return;
    const qreal ratio = std::max<qreal>(1.0, devicePixelRatioF());
    ThumbnailCache::instance()->request(m_record.path, m_record.size, m_thumbnail->size() * ratio, this,
                                        [this](const QImage &image) { applyPicture(image); });
}

QString RecordCard::detailText(const VideoRecord &record)
{
    // An unknown length keeps the line's shape; the badge says it in words, where there is room.
    const QString length = record.duration < 0 ? QStringLiteral("--:--") : VideoListDialog::formatDuration(record.duration);
    return length + QStringLiteral("   ")
           + record.created.toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

void RecordCard::setCardSelected(bool selected)
{
    setStyleSheet(selected ? QStringLiteral("#RecordCard{background:#17314f;border:1px solid #347dff;"
                                            "border-left:6px solid #347dff;border-radius:9px;}")
                           : QStringLiteral("#RecordCard{background:transparent;border:none;"
                                            "border-bottom:1px solid #21344f;}"));
}

void RecordCard::updateRecord(const VideoRecord &record)
{
    m_record = record;
    placeBadge();
    m_detail->setText(detailText(record));
}

void RecordCard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    elideTitle();
}

// The name is shortened in the middle to the room the text column has (its layout has
// already placed the label when the card gets its resize).
void RecordCard::elideTitle()
{
    m_title->setText(m_title->fontMetrics().elidedText(m_record.fileName, Qt::ElideMiddle,
                                                       std::max(1, m_title->contentsRect().width())));
}

void RecordCard::placeBadge()
{
    // The length over the picture; an unknown length is said with or without one (a file
    // that nothing can read has none).
    const bool unknown = m_record.duration < 0;
    m_badge->setText(unknown ? VideoListDialog::tr("时长未知") : VideoListDialog::formatDuration(m_record.duration));
    m_badge->setVisible(m_hasPicture || unknown);
    m_badge->adjustSize();
    m_badge->move(std::max(0, m_thumbnail->width() - m_badge->width() - 4), m_thumbnail->height() - m_badge->height() - 4);
}

void RecordCard::applyPicture(const QImage &image)
{
    m_pictureCame = true;
    m_busy->hide();
    if (image.isNull()) {
        m_placeholder->setText(m_record.size == 0 ? VideoListDialog::tr("文件为空")
                               : m_record.isAudio ? VideoListDialog::tr("音频文件")
                                                  : VideoListDialog::tr("无法加载缩略图"));
        placeBadge();
        return;
    }
    m_hasPicture = true;
    m_placeholder->hide();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(std::max<qreal>(1.0, qreal(image.width()) / m_thumbnail->width()));
    m_thumbnail->setPixmap(pixmap);
    placeBadge();
    m_badge->raise();
}
