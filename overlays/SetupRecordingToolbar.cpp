#include "overlays/SetupRecordingToolbar.h"

#include "widgets/TintedIcon.h"
#include "platform/mac/DisplayGeometry.h"
#include "platform/mac/MacWindowHelpers.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

// The round REC button of the toolbar.
class CircularRecButton : public QPushButton
{
public:
    explicit CircularRecButton(QWidget *parent)
        : QPushButton(parent)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const QRect r = rect();
        // Grey while there is nothing to record yet (the window picker before a choice).
        const bool enabled = isEnabled();
        const bool hovered = underMouse() && enabled;
        const struct { const char *colour; const char *greyColour; int inset; } discs[] = {
            {"#432332", "#262b35", 1},
            {"#a52840", "#353c49", 4},
            {"#ff5864", "#4a5262", 8},
            {hovered ? "#ff4655" : "#f82f43", "#3d4452", 10}};
        for (const auto &disc : discs) {
            painter.setBrush(QColor(enabled ? disc.colour : disc.greyColour));
            painter.drawEllipse(r.adjusted(disc.inset, disc.inset, -disc.inset, -disc.inset));
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(enabled ? QColor(255, 126, 135, 220) : QColor(120, 130, 148, 160), 1.5));
        painter.drawArc(QRect(11, 11, width() - 22, height() - 22), 400, 2080);
        QFont font(QStringLiteral("Segoe UI"));
        font.setPointSize(10);
        font.setWeight(QFont::DemiBold);
        painter.setFont(font);
        painter.setPen(enabled ? QColor(Qt::white) : QColor(QStringLiteral("#8a93a3")));
        painter.drawText(r, Qt::AlignCenter, QStringLiteral("REC"));
    }
};

namespace {

// The dark rounded panel with a tab around the REC button.
class ToolbarShell : public QWidget
{
public:
    explicit ToolbarShell(QWidget *parent)
        : QWidget(parent)
    {
    }

    void setRecButton(QWidget *button)
    {
        m_rec = button;
        update();
    }

    QPainterPath outline() const
    {
        QPainterPath path;
        path.addRoundedRect(QRectF(0.75, 10, width() - 1.5, height() - 10.75), 12, 12);
        if (m_rec) {
            const qreal l = m_rec->geometry().left();
            const qreal r = m_rec->geometry().left() + m_rec->width();
            QPainterPath tab;
            tab.moveTo(l - 17, 10);
            tab.cubicTo(l - 12, 10, l - 12, 0.75, l - 7, 0.75);
            tab.lineTo(r + 7, 0.75);
            tab.cubicTo(r + 12, 0.75, r + 12, 10, r + 17, 10);
            tab.lineTo(r + 17, 12);
            tab.lineTo(l - 17, 12);
            tab.closeSubpath();
            path = path.united(tab);
        }
        return path;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPainterPath path = outline();
        painter.fillPath(path, QColor(QStringLiteral("#09182b")));
        painter.setPen(QPen(QColor(QStringLiteral("#27b9ef")), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }

private:
    QWidget *m_rec = nullptr;
};

// The small arrow inside the mode and device items.
class DropdownButton : public QToolButton
{
public:
    explicit DropdownButton(QWidget *parent)
        : QToolButton(parent)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal cx = width() / 2.0;
        const qreal cy = height() / 2.0;
        QPen pen(QColor(underMouse() ? "#65a1ff" : "#d9e5f5"), 2.2, Qt::SolidLine, Qt::RoundCap,
                 Qt::RoundJoin);
        painter.setPen(pen);
        const QPointF chevron[] = {{cx - 5, cy - 2.5}, {cx, cy + 2.5}, {cx + 5, cy - 2.5}};
        painter.drawPolyline(chevron, 3);
    }
};

const QSize ItemIconSize(23, 23);

QIcon itemIcon(const QString &path, const char *colour)
{
    return tintedIcon(path, ItemIconSize, QColor(colour), qApp->devicePixelRatio());
}

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("ToolbarSeparator"));
    line->setFixedSize(1, 44);
    line->setStyleSheet(QStringLiteral("background:#293c57;border:0;"));
    return line;
}

QString cleanedTitle(const QString &title)
{
    QString cleaned = title;
    cleaned.remove(QChar(0x25BE)); // ▾
    return cleaned.trimmed();
}

// An item's two lines as its tool tip shows them, on one line: "Window · Tom & Jerry" (the
// item's own text doubles an "&" of a window title so that it is not taken as a mnemonic).
QString itemToolTip(const QToolButton *item)
{
    return QString(item->text()).replace(QStringLiteral("&&"), QStringLiteral("&"))
        .replace(QLatin1Char('\n'), QStringLiteral(" · "));
}

void installFilterRecursively(QObject *filter, QWidget *widget)
{
    for (QWidget *child : widget->findChildren<QWidget *>()) {
        child->installEventFilter(filter);
        child->setToolTip(QString());
    }
}

} // namespace

SetupRecordingToolbar::SetupRecordingToolbar(QWidget *parent)
    : SetupRecordingToolbar(parent, false)
{
}

SetupRecordingToolbar::SetupRecordingToolbar(QWidget *parent, bool embedded)
    : QWidget(parent)
    , m_embedded(embedded)
{
    if (!embedded)
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setObjectName(QStringLiteral("SetupRecordingToolbar"));

    auto *shell = new ToolbarShell(this);
    m_shell = shell;
    shell->setAttribute(Qt::WA_TranslucentBackground);
    shell->setObjectName(QStringLiteral("SetupShell"));
    shell->setStyleSheet(QStringLiteral("QLabel{color:#eef4ff;}"));
    auto *rows = new QVBoxLayout(shell);
    rows->setContentsMargins(8, 4, 8, 0);
    rows->setSpacing(0);
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    rows->addLayout(row);
    m_firstRow = row;
    auto addSeparator = [&] { row->addWidget(separator(shell), 0, Qt::AlignVCenter); };

    auto *logo = new QLabel(shell);
    logo->setFixedSize(50, 50);
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(QIcon(QStringLiteral(":/icons/icons/logo.ico")).pixmap(34, 34));
    row->addWidget(logo);

    addSeparator();
    m_modeItem = makeItem(shell, QStringLiteral(":/icons/icons/monitor.svg"), tr("Full Screen  ▾"),
                          tr("Display 1"), false);
    row->addWidget(m_modeItem);
    addSeparator();
    m_webcamItem = makeItem(shell, QStringLiteral(":/icons/icons/camera_off.svg"), tr("Webcam  ▾"),
                            tr("Off"), true);
    row->addWidget(m_webcamItem);
    addSeparator();
    m_speakerItem = makeItem(shell, QStringLiteral(":/icons/icons/audio.svg"), tr("Speaker  ▾"),
                             tr("On"), true);
    row->addWidget(m_speakerItem);
    addSeparator();
    m_microphoneItem = makeItem(shell, QStringLiteral(":/icons/icons/mic.svg"), tr("Microphone  ▾"),
                                tr("Off"), true);
    row->addWidget(m_microphoneItem);
    addSeparator();

    m_recButton = new CircularRecButton(shell);
    m_recButton->setFixedSize(68, 68);
    m_recButton->setFlat(true);
    m_recButton->setCursor(Qt::PointingHandCursor);
    m_recButton->setAccessibleName(QStringLiteral("REC"));
    row->addWidget(m_recButton);
    shell->setRecButton(m_recButton);

    if (embedded) {
        addSeparator();
        m_screenshot = makeItem(shell, QStringLiteral(":/icons/icons/screenshot.svg"),
                                tr("Screenshot"), QString(), false);
        row->addWidget(m_screenshot);
    } else {
        m_screenshot = new QToolButton(shell);
        m_screenshot->setObjectName(QStringLiteral("ToolbarScreenshotButton"));
        m_screenshot->setFixedSize(48, 48);
        m_screenshot->setIcon(tintedIcon(QStringLiteral(":/icons/icons/screenshot.svg"), QSize(26, 26),
                                         QColor(QStringLiteral("#f0f6ff")), qApp->devicePixelRatio()));
        m_screenshot->setIconSize(QSize(26, 26));
        m_screenshot->setCursor(Qt::PointingHandCursor);
        m_screenshot->setAccessibleName(tr("Screenshot"));
        m_screenshot->setStyleSheet(QStringLiteral(
            "QToolButton{border:0;border-radius:7px;background:transparent;padding:0;}"
            "QToolButton:hover{background:#172b47;}QToolButton:pressed{background:#203a5e;}"));
        row->addWidget(m_screenshot, 0, Qt::AlignVCenter);
        m_dragHandle = new QWidget(shell);
        m_dragHandle->setFixedSize(70, 48);
        m_dragHandle->setCursor(Qt::SizeAllCursor);
        m_dragHandle->setAccessibleName(tr("Drag toolbar"));
        row->addWidget(m_dragHandle);
    }

    // The items after the screenshot stand beside the others, or in a second row where
    // even the compact toolbar is wider than its display.
    m_trailing = new QWidget(shell);
    auto *trailing = new QHBoxLayout(m_trailing);
    trailing->setContentsMargins(0, 0, 0, 0);
    trailing->setSpacing(0);
    m_trailingSeparator = separator(m_trailing);
    trailing->addWidget(m_trailingSeparator, 0, Qt::AlignVCenter);
    const auto addTrailingSeparator = [&] { trailing->addWidget(separator(m_trailing), 0, Qt::AlignVCenter); };
    m_autoStopItem = makeItem(m_trailing, QStringLiteral(":/icons/icons/timer.svg"), tr("Auto Stop"), QString(), false);
    trailing->addWidget(m_autoStopItem);
    addTrailingSeparator();
    m_autoSplitItem = makeItem(m_trailing, QStringLiteral(":/icons/icons/split.svg"), tr("Auto Split"), QString(), false);
    trailing->addWidget(m_autoSplitItem);
    addTrailingSeparator();
    QToolButton *schedule = makeItem(m_trailing, QStringLiteral(":/icons/icons/timer.svg"), tr("Schedule"),
                                     QString(), false);
    trailing->addWidget(schedule);
    addTrailingSeparator();
    QToolButton *settings = makeItem(m_trailing, QStringLiteral(":/icons/icons/settings.svg"),
                                     tr("Settings"), QString(), false);
    trailing->addWidget(settings);
    addTrailingSeparator();
    QToolButton *exit = makeItem(m_trailing, QStringLiteral(":/icons/icons/box_arrow_right.svg"), tr("Exit"),
                                 QString(), false);
    exit->setIcon(itemIcon(QStringLiteral(":/icons/icons/box_arrow_right.svg"), "#ff4051"));
    trailing->addWidget(exit);
    row->addWidget(m_trailing);
    m_secondRow = new QHBoxLayout;
    m_secondRow->setSpacing(0);
    rows->addLayout(m_secondRow);

    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(10, 6, 10, 12);
    outer->setSpacing(0);
    outer->addWidget(shell);

    connect(m_recButton, &QPushButton::clicked, this, &SetupRecordingToolbar::recordRequested);
    connect(m_screenshot, &QToolButton::clicked, this, &SetupRecordingToolbar::screenshotRequested);
    connect(m_autoStopItem, &QToolButton::clicked, this, &SetupRecordingToolbar::autoStopRequested);
    connect(m_autoSplitItem, &QToolButton::clicked, this, &SetupRecordingToolbar::autoSplitRequested);
    connect(schedule, &QToolButton::clicked, this, &SetupRecordingToolbar::scheduleRequested);
    connect(settings, &QToolButton::clicked, this, &SetupRecordingToolbar::settingsRequested);
    connect(exit, &QToolButton::clicked, this, &SetupRecordingToolbar::backRequested);
    connect(m_webcamItem, &QToolButton::clicked, this, &SetupRecordingToolbar::webcamToggled);
    connect(m_speakerItem, &QToolButton::clicked, this, &SetupRecordingToolbar::speakerToggled);
    connect(m_microphoneItem, &QToolButton::clicked, this, &SetupRecordingToolbar::microphoneToggled);
    const struct {
        QToolButton *item;
        void (SetupRecordingToolbar::*signal)(QWidget *);
    } menus[] = {{m_webcamItem, &SetupRecordingToolbar::webcamMenuRequested},
                 {m_speakerItem, &SetupRecordingToolbar::speakerMenuRequested},
                 {m_microphoneItem, &SetupRecordingToolbar::microphoneMenuRequested}};
    for (const auto &menu : menus) {
        QToolButton *item = menu.item;
        auto signal = menu.signal;
        item->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(item, &QWidget::customContextMenuRequested, this,
                [this, item, signal] { emit(this->*signal)(item); });
    }
    connect(m_modeItem, &QToolButton::clicked, this, &SetupRecordingToolbar::showModeMenu);

    installEventFilter(this);
    installFilterRecursively(this, this);
    adjustSize();
}

namespace {

// Puts an item's chevron a few pixels after its title line (the text is centred between
// the item's 2 px left and 20 px right padding), within the item.
void placeDropdownArrow(QToolButton *item, const QString &title)
{
    auto *arrow = item->findChild<DropdownButton *>();
    if (!arrow)
        return;
    if (item->toolButtonStyle() == Qt::ToolButtonIconOnly) {
        arrow->setGeometry(item->width() - 20, 20, 18, 60 - 20);
        return;
    }
    QFont font = item->font();
    font.setPixelSize(10);
    const int advance = QFontMetrics(font).horizontalAdvance(title);
    const int width = item->width();
    const int x0 = qMin(width - 9, (2 + width - 20) / 2 + (advance + 1) / 2 + 11);
    arrow->setGeometry(qMax(x0 - 9, 0), 20, 18, 60 - 20);
}

} // namespace

QToolButton *SetupRecordingToolbar::makeItem(QWidget *shell, const QString &iconPath,
                                             const QString &title, const QString &sub,
                                             bool checkable)
{
    auto *item = new QToolButton(shell);
    const QString cleaned = cleanedTitle(title);
    item->setProperty("iconPath", iconPath);
    item->setProperty("title", cleaned);
    item->setProperty("sub", sub);
    item->setCheckable(checkable);
    item->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    item->setCursor(Qt::PointingHandCursor);
    int width = 76;
    if (!sub.isEmpty())
        width = title.contains(tr("Full Screen")) ? 98 : 94;
    item->setFixedSize(width, 60);
    QString style = QStringLiteral(
        "QToolButton{background:transparent;border:0;border-radius:0;color:#eef4ff;font-size:10px;"
        "padding:7px 2px 0;}QToolButton:hover{background:transparent;color:#65a1ff;}"
        "QToolButton:checked, QToolButton[on=\"true\"]{background:transparent;color:#65a1ff;}"
        "QToolButton:pressed{background:transparent;}QToolButton:disabled{color:#5f6d82;}");
    item->setIcon(itemIcon(iconPath, "#d9e5f5"));
    item->setIconSize(ItemIconSize);
    item->setText(sub.isEmpty() ? cleaned : cleaned + QLatin1Char('\n') + sub);
    if (!sub.isEmpty()) {
        width += 14;
        item->setFixedWidth(width);
        item->setProperty("baseWidth", width);
        style += QStringLiteral("QToolButton{padding-right:20px;}QToolButton:hover{padding-right:20px;}"
                                "QToolButton:pressed{padding-right:20px;}");
        auto *arrow = new DropdownButton(item);
        arrow->setCursor(Qt::PointingHandCursor);
        arrow->setAccessibleName(tr("Open menu"));
        placeDropdownArrow(item, cleaned);
        if (checkable) {
            connect(arrow, &QToolButton::clicked, item,
                    [item] { emit item->customContextMenuRequested(QPoint(0, 0)); });
        } else {
            connect(arrow, &QToolButton::clicked, item, &QToolButton::click);
        }
    }
    item->setStyleSheet(style);
    // An item without a second line is as wide as its name needs where 76 px do not hold
    // it ("Capture d'écran", "スクリーンショット").
    if (sub.isEmpty())
        item->setFixedWidth(std::max(width, item->sizeHint().width()));
    item->setProperty("fullWidth", item->width());
    return item;
}

void SetupRecordingToolbar::showModeMenu()
{
    // A menu of its own for each opening, gone when it closes.
    QMenu menu;
    menu.setStyleSheet(QStringLiteral(
        "QMenu{background:#0b1b30;color:#e9f1ff;border:1px solid #2e597d;padding:6px;}"
        "QMenu::item{padding:8px 28px;}QMenu::item:selected{background:#1d4772;}"));
    // The current mode is marked, and in full screen the display it records.
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        QAction *action = menu.addAction(tr("Full Screen · Display %1").arg(i + 1));
        action->setCheckable(true);
        action->setChecked(m_mode == HomeMode::FullScreen && i == m_display);
        connect(action, &QAction::triggered, this, [this, i] { emit displayRequested(i); });
    }
    menu.addSeparator();
    const QString modes[] = {tr("Full Screen"), tr("Custom Area"), tr("Window"),
                             tr("Game"),        tr("Audio Only"),  tr("Webcam")};
    for (int i = 0; i < 6; ++i) {
        QAction *action = menu.addAction(modes[i]);
        action->setCheckable(true);
        action->setChecked(homeModeFromIndex(i) == m_mode);
        connect(action, &QAction::triggered, this, [this, i] { emit modeRequested(homeModeFromIndex(i)); });
    }
    // Above the mode item, flush with its leading edge (its right one right to left), inside
    // the available area: Qt 6.4 placed it from the item's left edge right to left too,
    // past the screen's edge.
    menu.ensurePolished();
    const QSize size = menu.sizeHint();
    const QRect item(m_modeItem->mapToGlobal(QPoint(0, 0)), m_modeItem->size());
    QPoint at(isRightToLeft() ? item.right() + 1 - size.width() : item.left(), item.top() - size.height());
    if (const QScreen *screen = m_modeItem->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width())));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    }
    menu.exec(at);
}

void SetupRecordingToolbar::setMode(HomeMode mode, const QString &subtitle)
{
    m_mode = homeModeFromIndex(int(mode));
    const int m = int(m_mode);
    static const char *const icons[] = {
        ":/icons/icons/monitor.svg", ":/icons/icons/region.svg", ":/icons/icons/window.svg",
        ":/icons/icons/gpu.svg",     ":/icons/icons/mic.svg",    ":/icons/icons/webcam.svg"};
    const QString labels[] = {tr("Full Screen  ▾"), tr("Custom Area  ▾"), tr("Window  ▾"),
                              tr("Game  ▾"),        tr("Audio Only  ▾"),  tr("Webcam  ▾")};
    m_modeItem->setIcon(itemIcon(QString::fromLatin1(icons[m]), "#d9e5f5"));
    // The second line may be another program's window title: an "&" in it is shown, not
    // taken as a mnemonic.
    m_modeItem->setText(cleanedTitle(labels[m]) + QLatin1Char('\n')
                        + QString(subtitle).replace(QLatin1Char('&'), QStringLiteral("&&")));
    // Wider where the second line needs it ("Fenster auswählen"): its 10 px text, the
    // padding of 2 and 20 px for the arrow, and a little room.
    QFont font = m_modeItem->font();
    font.setPixelSize(10);
    const QFontMetrics metrics(font);
    const int textWidth =
        std::max(metrics.horizontalAdvance(cleanedTitle(labels[m])), metrics.horizontalAdvance(subtitle));
    m_modeItem->setProperty("title", cleanedTitle(labels[m]));
    m_modeItem->setProperty("fullWidth",
                            std::max(m_modeItem->property("baseWidth").toInt(), textWidth + 2 + 20 + 4));
    const bool visual = mode != HomeMode::AudioOnly;
    m_webcamItem->setVisible(visual);
    m_screenshot->setVisible(visual);
    fitToItems();
}

void SetupRecordingToolbar::fitToWidth(int width)
{
    m_maxWidth = width;
    fitToItems();
}

void SetupRecordingToolbar::fitToItems()
{
    // Where the toolbar with its items' names is wider than the room it has (a small or
    // high-DPI screen), the items show their icons alone, 44 px wide (and 20 px more for
    // an item's menu arrow), with their names in tool tips.
    // Where even that is too wide (a narrow display at a raised scale), the items from Auto
    // Stop on go to a second row.
    applyCompact(false);
    setTwoRows(false);
    if (m_maxWidth > 0 && minimumSizeHint().width() > m_maxWidth)
        applyCompact(true);
    if (m_maxWidth > 0 && minimumSizeHint().width() > m_maxWidth)
        setTwoRows(true);
}

void SetupRecordingToolbar::setTwoRows(bool two)
{
    m_firstRow->removeWidget(m_trailing);
    m_secondRow->removeWidget(m_trailing);
    m_trailingSeparator->setVisible(!two);
    if (two)
        m_secondRow->addWidget(m_trailing, 0, Qt::AlignHCenter);
    else
        m_firstRow->addWidget(m_trailing);
    relayout();
}

void SetupRecordingToolbar::relayout()
{
    // Items shown or hidden just now count only once the layouts have taken them in:
    // until their next pass the shell's size hint is the old one, and the toolbar would
    // keep a gap where a hidden item was, or be placed by a width it no longer has.
    for (QLayout *layout : {m_shell->layout(), this->layout()}) {
        if (layout) {
            layout->invalidate();
            layout->activate();
        }
    }
    adjustSize();
}

void SetupRecordingToolbar::applyCompact(bool compact)
{
    m_compact = compact;
    if (m_dragHandle)
        m_dragHandle->setFixedWidth(compact ? 28 : 70);
    for (QToolButton *item : m_shell->findChildren<QToolButton *>()) {
        if (!item->property("title").isValid())
            continue;
        const bool hasMenu = item->findChild<DropdownButton *>() != nullptr;
        item->setToolButtonStyle(compact ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
        item->setFixedWidth(compact ? 44 + (hasMenu ? 20 : 0) : item->property("fullWidth").toInt());
        item->setToolTip(compact ? itemToolTip(item) : QString());
        placeDropdownArrow(item, item->property("title").toString());
        // The items are 60 px high, higher where their two lines need it (the taller Chinese
        // and Japanese glyphs ran into the toolbar's lower edge).
        item->setFixedHeight(std::max(60, compact ? 0 : item->sizeHint().height()));
    }
    relayout();
}

void SetupRecordingToolbar::setDeviceStates(bool webcam, bool speaker, bool microphone)
{
    const struct {
        QToolButton *item;
        bool on;
        const char *onIcon;
        const char *offIcon;
    } devices[] = {
        {m_webcamItem, webcam, ":/icons/icons/webcam.svg", ":/icons/icons/camera_off.svg"},
        {m_speakerItem, speaker, ":/icons/icons/audio.svg", ":/icons/icons/audio_off.svg"},
        {m_microphoneItem, microphone, ":/icons/icons/mic.svg", ":/icons/icons/mic_off.svg"},
    };
    for (const auto &device : devices) {
        device.item->setChecked(device.on);
        device.item->setText(device.item->property("title").toString() + QLatin1Char('\n')
                             + (device.on ? tr("On") : tr("Off")));
        device.item->setIcon(device.on ? itemIcon(QString::fromLatin1(device.onIcon), "#5f8cff")
                                       : QIcon(QString::fromLatin1(device.offIcon)));
        if (m_compact)
            device.item->setToolTip(itemToolTip(device.item));
    }
}

void SetupRecordingToolbar::setLimitStates(bool autoStop, bool autoSplit)
{
    const struct {
        QToolButton *item;
        bool on;
    } limits[] = {{m_autoStopItem, autoStop}, {m_autoSplitItem, autoSplit}};
    for (const auto &limit : limits) {
        // Not checkable: a click opens the settings and changes nothing by itself.
        limit.item->setProperty("on", limit.on);
        limit.item->setStyleSheet(limit.item->styleSheet()); // the "on" rule follows the property
        limit.item->setText(limit.item->property("title").toString() + QLatin1Char('\n')
                            + (limit.on ? tr("On") : tr("Off")));
        limit.item->setIcon(itemIcon(limit.item->property("iconPath").toString(), limit.on ? "#5f8cff" : "#d9e5f5"));
        if (m_compact)
            limit.item->setToolTip(itemToolTip(limit.item));
    }
}

void SetupRecordingToolbar::setRecordEnabled(bool enabled)
{
    if (!m_recButton)
        return;
    m_recButton->setEnabled(enabled);
    // In the window picker the screenshot takes the chosen window: none is chosen yet.
    if (m_embedded)
        m_screenshot->setEnabled(enabled);
    m_recButton->setCursor(enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
    m_recButton->setToolTip(enabled ? QString() : tr("Select a window before recording"));
    m_recButton->setAccessibleDescription(enabled ? tr("Start recording")
                                                  : tr("Select a window before recording"));
}

QPoint SetupRecordingToolbar::placement(const QRect &area, const QSize &size, const QRect &bounds,
                                        HomeMode mode)
{
    const int w = size.width();
    const int h = size.height();
    const int x = qMax(bounds.left() + 6, qMin(bounds.right() - w - 6, area.center().x() - w / 2));
    const int wanted = (mode == HomeMode::Area && area.bottom() + h + 10 <= bounds.bottom())
                           ? area.bottom() + 8
                           : area.bottom() - h - 12;
    const int y = qMax(bounds.top() + 6, qMin(wanted, bounds.bottom() - h - 6));
    return {x, y};
}

void SetupRecordingToolbar::placeForRect(const QRect &area)
{
    QRect bounds(0, 0, 1920, 1080);
    QRect near = area;
    // The display that shows the middle of the area, in device pixels (an area across
    // displays at a scale above 1 has its middle in no display's logical place), and the
    // area in that display's coordinates.
    const QList<DisplayGeometry::Display> displays = DisplayGeometry::applicationDisplays();
    const int index = area.isValid() ? DisplayGeometry::displayShowing(displays, area) : -1;
    if (QScreen *screen = QGuiApplication::screens().value(index)) {
        bounds = screen->availableGeometry();
        near = DisplayGeometry::inDisplay(displays.at(index), DisplayGeometry::toDevice(displays, area)).toRect();
    } else if (QScreen *primary = QGuiApplication::primaryScreen()) {
        bounds = primary->availableGeometry();
    }
    // placement() keeps 6 px from each edge.
    fitToWidth(bounds.width() - 12);
    move(placement(near, size(), bounds, m_mode));
}

void SetupRecordingToolbar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    checkOnScreenSoon();
}

void SetupRecordingToolbar::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    checkOnScreenSoon();
}

void SetupRecordingToolbar::checkOnScreenSoon()
{
    // Shown again or changed in size for another mode: the window manager may have left
    // it withdrawn or at its old size (see reassertMacWindowGeometry); looked at once it
    // has had the requests.
    if (isWindow() && isVisible())
        QTimer::singleShot(250, this, [this] {
            if (isVisible())
                reassertMacWindowGeometry(windowHandle());
        });
}

bool SetupRecordingToolbar::excludeFromCapture()
{
    return keepMacRecordingToolbarVisible(winId());
}

void SetupRecordingToolbar::updateShellMask()
{
    // Without a compositor the translucent corners would show black: keep only the
    // panel's own shape.
    if (m_embedded || !isWindow())
        return;
    if (hasCompositingManager() || QGuiApplication::platformName() != QLatin1String("xcb")) {
        clearMask();
        return;
    }
    auto *shell = static_cast<ToolbarShell *>(m_shell);
    const QPolygon outline =
        shell->outline().toFillPolygon().toPolygon().translated(shell->pos());
    setMask(QRegion(outline));
}

void SetupRecordingToolbar::keyPressEvent(QKeyEvent *event)
{
    // Esc leaves the preparation as the Exit item does (in the window picker the dialog
    // itself closes on Esc).
    if (event->key() == Qt::Key_Escape && !m_embedded) {
        emit backRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool SetupRecordingToolbar::eventFilter(QObject *watched, QEvent *event)
{
    // Only the items that show their icons alone have tool tips: their names.
    if (event->type() == QEvent::ToolTip && !(m_compact && watched->property("title").isValid()))
        return true;
    if ((watched == this && event->type() == QEvent::Show)
        || (watched == m_shell && event->type() == QEvent::Resize))
        updateShellMask();
    if (watched == this && event->type() == QEvent::Show && !m_embedded)
        keepPositionInStep(this);
    if (m_embedded || watched != m_dragHandle)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        m_dragging = true;
        m_dragOffset = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
        m_dragHandle->setCursor(Qt::ClosedHandCursor);
        return true;
    }
    case QEvent::MouseMove:
        if (!m_dragging)
            break;
        move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - m_dragOffset);
        return true;
    case QEvent::MouseButtonRelease:
        if (!m_dragging)
            break;
        m_dragging = false;
        m_dragHandle->setCursor(Qt::SizeAllCursor);
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
