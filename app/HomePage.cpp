#include "app/HomePage.h"

#include "app/RecentCard.h"
#include "widgets/TintedIcon.h"
#include "library/VideoListDialog.h"
#include "recording/SaveFolder.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QSet>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A mode card: the push button's own painting plus a faint wave over its lower part.
class WaveCard : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPushButton::paintEvent(event);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath clip;
        clip.addRoundedRect(QRectF(2, 2, width() - 4, height() - 4), 12, 12);
        p.setClipPath(clip);
        const qreal w = width(), h = height();
        QPainterPath wave;
        wave.moveTo(0, 0.6 * h);
        wave.cubicTo(0.42 * w, 0.57 * h, 0.36 * w, 1.02 * h, w, 0.63 * h);
        wave.lineTo(w, h);
        wave.lineTo(0, h);
        wave.closeSubpath();
        p.fillPath(wave, QColor(255, 255, 255, 23));
    }
};

// The width of the longest word of a mode card's title as its style sheet draws it (a title
// without spaces counts whole).
int longestWordWidth(const QLabel *label)
{
    QFont font = label->font();
    font.setPixelSize(17); // the title's style sheet size, before the style is applied
    font.setWeight(QFont::DemiBold);
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest + 4;
}

} // namespace

HomePage::HomePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("HomePage"));
    auto *pageLayout = new QHBoxLayout(this);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);

    auto *sidebar = new QWidget(this);
    // 200 px, wider where an entry's text needs it (German).
    sidebar->setMinimumWidth(200);
    sidebar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    sidebar->setObjectName(QStringLiteral("HomeSidebar"));
    sidebar->setAttribute(Qt::WA_StyledBackground);
    sidebar->setStyleSheet(QStringLiteral("QWidget#HomeSidebar{background:#0d1c31;border-right:1px solid #20334d;}"));
    auto *sideLayout = new QVBoxLayout(sidebar);
    sideLayout->setContentsMargins(16, 22, 16, 20);
    sideLayout->setSpacing(10);
    auto makeEntry = [sidebar](const QString &text, const QString &icon) {
        auto *button = new QPushButton(text, sidebar);
        button->setIcon(tintedIcon(icon, QSize(24, 24), QColor(QStringLiteral("#c9d8ec")), qApp->devicePixelRatio()));
        button->setIconSize(QSize(22, 22));
        button->setCursor(Qt::PointingHandCursor);
        button->setFixedHeight(52);
        button->setCheckable(true);
        button->setStyleSheet(QStringLiteral(
            "QPushButton{border:0;border-radius:10px;text-align:left;padding:0 16px;color:#dce7f7;font-size:14px;"
            "background:transparent;}QPushButton:checked{background:#203e67;}"
            "QPushButton:hover:!checked{color:#ffffff;}QPushButton:focus{outline:none;}"));
        return button;
    };
    m_startEntry = makeEntry(tr("Start Recording"), QStringLiteral(":/icons/icons/monitor.svg"));
    m_libraryEntry = makeEntry(tr("Media Library"), QStringLiteral(":/icons/icons/list.svg"));
    auto *entries = new QButtonGroup(this);
    entries->setExclusive(true);
    entries->addButton(m_startEntry);
    entries->addButton(m_libraryEntry);
    m_startEntry->setChecked(true);
    connect(m_libraryEntry, &QPushButton::clicked, this, &HomePage::mediaLibraryRequested);
    sideLayout->addWidget(m_startEntry);
    sideLayout->addWidget(m_libraryEntry);
    sideLayout->addStretch();

    // The cards shrink to their least size with the window; below that the page scrolls
    // (a small or high-DPI screen), so no card overlaps another or cuts its name.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("HomeScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setStyleSheet(QStringLiteral("QScrollArea#HomeScroll,QWidget#qt_scrollarea_viewport,"
                                         "QWidget#HomeContent{background:transparent;border:0;}"));
    auto *content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("HomeContent"));
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(20, 12, 20, 12);
    contentLayout->setSpacing(10);

    auto *header = new QHBoxLayout;
    auto *heading = new QLabel(tr("Choose a recording mode"), content);
    heading->setStyleSheet(QStringLiteral("font-size:24px;font-weight:600;color:#f4f7ff;"));
    auto *schedule = new QPushButton(tr("Scheduled Recording"), content);
    schedule->setObjectName(QStringLiteral("HomeScheduleButton"));
    schedule->setIcon(tintedIcon(QStringLiteral(":/icons/icons/timer.svg"), QSize(19, 19), QColor(QStringLiteral("#dfe9f7")), qApp->devicePixelRatio()));
    schedule->setIconSize(QSize(19, 19));
    schedule->setCursor(Qt::PointingHandCursor);
    schedule->setFixedHeight(38);
    schedule->setStyleSheet(QStringLiteral(
        "QPushButton{padding:0 16px;border:1px solid #2d4564;border-radius:11px;background:#162943;color:#dfe9f7;"
        "font-size:13px;}QPushButton:hover{background:#203958;}"));
    connect(schedule, &QPushButton::clicked, this, &HomePage::scheduleRequested);
    header->addWidget(heading);
    header->addStretch();
    header->addWidget(schedule);
    contentLayout->addLayout(header);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(14);
    grid->setContentsMargins(0, 2, 0, 2);
    grid->setRowMinimumHeight(0, 128);
    grid->setRowMinimumHeight(1, 128);
    const QString gradient1 = QStringLiteral("qlineargradient(x1:0,y1:0,x2:1,y2:1,stop:0 #209df3,stop:1 #3448ef)");
    const QString gradient2 = QStringLiteral("qlineargradient(x1:0,y1:0,x2:1,y2:1,stop:0 #735bff,stop:1 #3948ed)");
    const QString gradient3 = QStringLiteral("qlineargradient(x1:0,y1:0,x2:1,y2:1,stop:0 #566cf4,stop:1 #2fbcf2)");
    struct Card { QString title; QString icon; QString background; QString name; };
    const Card cards[6] = {
        {tr("Full Screen"), QStringLiteral(":/icons/icons/monitor.svg"), gradient1, QStringLiteral("FullScreen")},
        {tr("Custom Area"), QStringLiteral(":/icons/icons/region.svg"), gradient1, QStringLiteral("CustomArea")},
        {tr("Window"), QStringLiteral(":/icons/icons/window.svg"), gradient1, QStringLiteral("Window")},
        {tr("Game"), QStringLiteral(":/icons/icons/gpu.svg"), gradient2, QStringLiteral("Game")},
        {tr("Audio Only"), QStringLiteral(":/icons/icons/mic.svg"), gradient1, QStringLiteral("AudioOnly")},
        {tr("Webcam"), QStringLiteral(":/icons/icons/webcam.svg"), gradient3, QStringLiteral("Webcam")},
    };
    for (int index = 0; index < 6; ++index) {
        auto *card = new WaveCard(content);
        card->setObjectName(QStringLiteral("ModeCard_") + cards[index].name);
        card->setCursor(Qt::PointingHandCursor);
        card->setMinimumHeight(128);
        card->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        QString sheet = QStringLiteral(
                            "QPushButton{border:1px solid rgba(150,190,255,0.26);border-radius:14px;background:%1;min-height:100px;}"
                            "QPushButton:hover{border:2px solid #39c8ff;}QPushButton:pressed{background:#214dbb;}")
                            .arg(cards[index].background);
        if (index == 0)
            sheet += QStringLiteral("QPushButton{border:2px solid #35d1ff;}");
        card->setStyleSheet(sheet);
        auto *cardLayout = new QVBoxLayout(card);
        cardLayout->setContentsMargins(10, 12, 10, 10);
        cardLayout->setSpacing(5);
        auto *icon = new QLabel(card);
        icon->setPixmap(tintedPixmap(cards[index].icon, QSize(46, 46), Qt::white, qApp->devicePixelRatio()));
        icon->setAlignment(Qt::AlignCenter);
        icon->setStyleSheet(QStringLiteral("background:transparent;border:none;"));
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto *title = new QLabel(cards[index].title, card);
        title->setAlignment(Qt::AlignCenter);
        title->setStyleSheet(QStringLiteral("color:white;font-size:17px;font-weight:600;background:transparent;"));
        title->setAttribute(Qt::WA_TransparentForMouseEvents);
        // A narrow card (a small screen, a long translation) wraps its title between words;
        // it is never narrower than its longest word, and the page scrolls below that.
        title->setWordWrap(true);
        cardLayout->addWidget(icon);
        cardLayout->addWidget(title);
        card->setMinimumWidth(cardLayout->contentsMargins().left() + cardLayout->contentsMargins().right()
                              + std::max(longestWordWidth(title), 46));
        connect(card, &QPushButton::clicked, this, [this, index] { emit modeSelected(homeModeFromIndex(index)); });
        grid->addWidget(card, index / 3, index % 3);
    }
    contentLayout->addLayout(grid, 1);

    auto *recentHeader = new QHBoxLayout;
    auto *recentTitle = new QLabel(tr("Recent recordings"), content);
    recentTitle->setStyleSheet(QStringLiteral("font-size:17px;font-weight:600;color:#eef4ff;"));
    auto *viewAll = new QPushButton(tr("View all  ›"), content);
    viewAll->setObjectName(QStringLiteral("HomeViewAll"));
    viewAll->setFlat(true);
    viewAll->setCursor(Qt::PointingHandCursor);
    viewAll->setStyleSheet(QStringLiteral(
        "QPushButton{border:0;background:transparent;color:#48a1ff;font-size:13px;}QPushButton:hover{color:#79bbff;}"));
    connect(viewAll, &QPushButton::clicked, this, &HomePage::mediaLibraryRequested);
    recentHeader->addWidget(recentTitle);
    recentHeader->addStretch();
    recentHeader->addWidget(viewAll);
    contentLayout->addLayout(recentHeader);

    m_recentRow = new QHBoxLayout;
    m_recentRow->setSpacing(14);
    contentLayout->addLayout(m_recentRow);

    scroll->setWidget(content);
    pageLayout->addWidget(sidebar);
    pageLayout->addWidget(scroll, 1);
}

void HomePage::setMediaLibraryActive(bool active)
{
    if (active) {
        if (m_libraryEntry)
            m_libraryEntry->setChecked(true);
    } else if (m_startEntry) {
        m_startEntry->setChecked(true);
    }
}

QFileInfoList HomePage::recentRecordings(const QString &folder, const QStringList &recordedFiles, int limit)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(Vistrelle_.+|Recording_\\d{4}(?:_.+)?|\\d{4}-\\d{2}-\\d{2}_\\d{6}_\\d{3}(?:_.+)?)$"),
        QRegularExpression::CaseInsensitiveOption);
    QSet<QString> listed;
    for (const QString &path : recordedFiles)
        listed.insert(QDir::cleanPath(path).toCaseFolded());

    // Names are checked first and only the files that qualify are looked at on disk,
    // so a large folder costs a directory listing, not one query per file.
    static const QSet<QString> mediaSuffixes{QStringLiteral("mp4"), QStringLiteral("mkv"), QStringLiteral("mov"),
                                             QStringLiteral("avi"), QStringLiteral("mp3"), QStringLiteral("m4a"),
                                             QStringLiteral("wav"), QStringLiteral("flac")};
    const QDir dir(folder);
    QFileInfoList candidates;
    for (const QString &name : dir.entryList(QDir::Files, QDir::NoSort)) {
        const int dot = int(name.lastIndexOf(QLatin1Char('.')));
        if (dot <= 0 || !mediaSuffixes.contains(name.mid(dot + 1).toLower()))
            continue;
        if (name.contains(QLatin1String(".merging.")) || name.contains(QLatin1String(".watermarking.")))
            continue;
        const QString path = dir.absoluteFilePath(name);
        if (pattern.match(QStringView(name).left(dot)).hasMatch()
            || listed.contains(QDir::cleanPath(path).toCaseFolded()))
            candidates.append(QFileInfo(path));
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() > b.lastModified();
    });
    QFileInfoList kept = candidates.mid(0, limit);
    return kept;
}

QString HomePage::recentSignature(const QString &folder, const QFileInfoList &files)
{
    QString signature = QDir(folder).absolutePath();
    for (const QFileInfo &file : files)
        signature += file.absoluteFilePath() + QString::number(file.size())
                     + QString::number(file.lastModified().toMSecsSinceEpoch());
    return signature;
}

QList<QPushButton *> HomePage::recentCards() const
{
    QList<QPushButton *> cards;
    for (int i = 0; i < m_recentRow->count(); ++i)
        if (auto *card = qobject_cast<RecentCard *>(m_recentRow->itemAt(i)->widget()))
            cards.append(card);
    return cards;
}

void HomePage::refreshRecent()
{
    QSettings settings;
    const QString folder = SaveFolder::current();
    const QStringList recorded = settings.value(QStringLiteral("media/recordedFiles")).toStringList();
    const QFileInfoList files = recentRecordings(folder, recorded, 3);
    const QString signature = recentSignature(folder, files);
    if (signature == m_recentSignature)
        return;
    m_recentSignature = signature;

    while (QLayoutItem *item = m_recentRow->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const QFileInfo &file : files) {
        auto *card = new RecentCard(file, this);
        const QString path = file.absoluteFilePath();
        connect(card, &QPushButton::clicked, this, [this, path] { openRecording(path); });
        m_recentRow->addWidget(card, 1);
    }
    if (files.isEmpty()) {
        auto *empty = new QLabel(tr("No recordings yet"), this);
        empty->setAlignment(Qt::AlignCenter);
        empty->setMinimumHeight(140);
        empty->setStyleSheet(QStringLiteral("color:#7995b4;background:transparent;"));
        m_recentRow->addWidget(empty, 1); // across the whole row, its text in the middle
        return;
    }
    for (int i = int(files.size()); i < 3; ++i)
        m_recentRow->addStretch(1);
    m_recentRow->addStretch(1);
}

void HomePage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refreshRecent();
}

void HomePage::openRecording(const QString &path)
{
    QWidget *top = window();
    VideoListDialog *library = createVideoListDialog(nullptr);
    library->setAttribute(Qt::WA_DeleteOnClose);
    // Deleted with the main window, at once: after the event loop has ended a later deletion
    // would never come.
    connect(top, &QObject::destroyed, library, [library] { delete library; });
    QPointer<HomePage> page = this;
    connect(library, &QDialog::finished, this, [page, top] {
        if (!page)
            return;
        page->refreshRecent();
        top->show();
        top->raise();
        top->activateWindow();
    });
    library->showAndPlay(path, false);
    top->hide();
}
