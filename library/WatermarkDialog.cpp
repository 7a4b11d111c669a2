#include "library/WatermarkDialog.h"

#include "widgets/LeftToRight.h"
#include "widgets/TintedIcon.h"
#include "widgets/DialogPlacement.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "recording/NumberText.h"
#include "widgets/MessageBoxes.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kPreviewWidth = 466;
constexpr int kPreviewHeight = 250;

// Grid cells in reading order and the placement each one stands for.
constexpr int kGridPlacements[9] = {3, 5, 1, 6, 4, 7, 2, 8, 0};

Qt::Alignment placementAlignment(int position)
{
    switch (position) {
    case 0: return Qt::AlignRight | Qt::AlignBottom;
    case 1: return Qt::AlignRight | Qt::AlignTop;
    case 2: return Qt::AlignLeft | Qt::AlignBottom;
    case 3: return Qt::AlignLeft | Qt::AlignTop;
    case 5: return Qt::AlignHCenter | Qt::AlignTop;
    case 6: return Qt::AlignLeft | Qt::AlignVCenter;
    case 7: return Qt::AlignRight | Qt::AlignVCenter;
    case 8: return Qt::AlignHCenter | Qt::AlignBottom;
    default: return Qt::AlignCenter;
    }
}

QFrame *line(Qt::Orientation orientation, const char *colour)
{
    auto *frame = new QFrame;
    if (orientation == Qt::Horizontal)
        frame->setFixedHeight(1);
    else
        frame->setFixedWidth(1);
    frame->setStyleSheet(QStringLiteral("background:%1;").arg(QLatin1String(colour)));
    return frame;
}

// "■  #FFFFFF": the code reads left to right in every language ("FFFFFF#" otherwise).
QString colourText(const QColor &colour)
{
    return QStringLiteral("■  %1").arg(NumberText::isolated(colour.name().toUpper()));
}

QLabel *label(const QString &text, const char *objectName)
{
    auto *l = new QLabel(text);
    l->setObjectName(QLatin1String(objectName));
    return l;
}

const char *const kStyle = R"(
QDialog { background:#0d192b; border:1px solid #354760; border-radius:12px; color:#edf3ff; }
QLabel { color:#edf3ff; }
QFrame#Panel { background:#111d30; border:1px solid #32425a; border-radius:9px; }
QLabel#Title { font-size:20px; font-weight:bold; color:#f5f8ff; }
QLabel#Section { font-size:14px; font-weight:600; color:#eaf0fb; background:transparent; border:none; }
QLabel#Field { font-size:12px; color:#aab6c9; background:transparent; border:none; }
QLabel#Subtle { font-size:11px; color:#7f8da5; background:transparent; border:none; }
QLineEdit, QSpinBox { background:#142239; border:1px solid #374963; border-radius:7px; color:#eef3fb; font-size:13px; }
QLineEdit:focus, QSpinBox:focus { border-color:#5a75ff; }
QSpinBox::up-button, QSpinBox::down-button { width:0px; border:none; }
QPushButton#Step, QPushButton#Color { background:#142239; border:1px solid #374963; border-radius:7px; color:#eef3fb; font-size:13px; }
QPushButton#Position { background:#101b2d; border:1px solid #34445c; color:#8694aa; font-size:16px; }
QPushButton#Position:hover { background:#182b49; border-color:#526b96; }
QPushButton#Position:checked { background:#405fe0; border-color:#7189ff; color:white; }
QPushButton#Primary { background:qlineargradient(x1:0,y1:0,x2:1,y2:0,stop:0 #4a65ed,stop:1 #347cf7); border:1px solid #7188ff; border-radius:7px; color:white; font-size:13px; font-weight:600; padding:0 16px; }
QPushButton#Primary:hover { background:#5278f5; }
QPushButton#Secondary { background:transparent; border:1px solid #3a4c67; border-radius:7px; color:#d8e0ed; }
QPushButton#Secondary:hover { background:#182841; }
QPushButton#Reset { background:transparent; border:none; color:#578cff; font-size:12px; }
QPushButton#Close { background:transparent; border:none; border-radius:6px; }
QPushButton#Close:hover { background:#263650; }
QSlider::groove:horizontal { height:5px; background:#354158; border-radius:2px; }
QSlider::sub-page:horizontal { background:#5877ff; border-radius:2px; }
QSlider::handle:horizontal { width:15px; height:15px; margin:-6px 0; background:#f3f6ff; border:2px solid #5877ff; border-radius:9px; }
)";

} // namespace

WatermarkDialog::WatermarkDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("WatermarkDialog"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setModal(true);
    setWindowTitle(tr("水印设置"));
    setStyleSheet(QString::fromLatin1(kStyle));

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    // Title bar: the window is dragged by it.
    m_titleBar = new QWidget;
    m_titleBar->setObjectName(QStringLiteral("TitleBar"));
    m_titleBar->setFixedHeight(68);
    auto *titleLayout = new QHBoxLayout(m_titleBar);
    titleLayout->setContentsMargins(26, 0, 18, 0);
    auto *icon = new QLabel;
    icon->setPixmap(tintedPixmap(QStringLiteral(":/icons/icons/watermark.svg"), QSize(30, 30),
                                 QColor(QStringLiteral("#527dff")), devicePixelRatioF()));
    titleLayout->addWidget(icon);
    titleLayout->addSpacing(12);
    auto *title = label(tr("水印设置"), "Title");
    titleLayout->addWidget(title);
    titleLayout->addStretch();
    auto *close = new QPushButton;
    close->setObjectName(QStringLiteral("Close"));
    close->setIcon(QIcon(QStringLiteral(":/icons/icons/close.svg")));
    close->setIconSize(QSize(18, 18));
    close->setFixedSize(34, 34);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    titleLayout->addWidget(close);
    for (QWidget *w : {m_titleBar, static_cast<QWidget *>(icon), static_cast<QWidget *>(title)})
        w->installEventFilter(this);
    root->addWidget(m_titleBar);
    root->addWidget(line(Qt::Horizontal, "#293950"));

    // Body: style on the left, preview and placement on the right.
    auto *body = new QHBoxLayout;
    body->setContentsMargins(22, 18, 22, 18);
    body->setSpacing(16);

    auto *left = new QFrame;
    left->setObjectName(QStringLiteral("Panel"));
    left->setFixedWidth(322);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(20, 18, 20, 18);
    leftLayout->setSpacing(10);
    leftLayout->addWidget(label(tr("水印样式"), "Section"));
    leftLayout->addSpacing(6);
    leftLayout->addWidget(label(tr("水印文字"), "Field"));
    m_textEdit = new QLineEdit(QStringLiteral("Vistrelle"));
    m_textEdit->setMaxLength(40);
    m_textEdit->setFixedHeight(42);
    leftLayout->addWidget(m_textEdit);

    auto *sizeColourRow = new QHBoxLayout;
    sizeColourRow->setSpacing(12);
    auto *sizeColumn = new QVBoxLayout;
    sizeColumn->setSpacing(7);
    sizeColumn->addWidget(label(tr("字号"), "Field"));
    auto *stepper = new QHBoxLayout;
    stepper->setSpacing(0);
    auto *minus = new QPushButton(QStringLiteral("−"));
    minus->setObjectName(QStringLiteral("Step"));
    minus->setFixedSize(38, 40);
    m_fontSize = new QSpinBox;
    m_fontSize->setRange(12, 96);
    m_fontSize->setValue(24);
    m_fontSize->setAlignment(Qt::AlignCenter);
    m_fontSize->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_fontSize->setFixedSize(70, 40);
    auto *plus = new QPushButton(QStringLiteral("+"));
    plus->setObjectName(QStringLiteral("Step"));
    plus->setFixedSize(38, 40);
    connect(minus, &QPushButton::clicked, m_fontSize, &QSpinBox::stepDown);
    connect(plus, &QPushButton::clicked, m_fontSize, &QSpinBox::stepUp);
    stepper->addWidget(minus);
    stepper->addWidget(m_fontSize);
    stepper->addWidget(plus);
    sizeColumn->addLayout(stepper);
    auto *colourColumn = new QVBoxLayout;
    colourColumn->setSpacing(7);
    colourColumn->addWidget(label(tr("颜色"), "Field"));
    m_colorButton = new QPushButton;
    m_colorButton->setObjectName(QStringLiteral("Color"));
    m_colorButton->setFixedSize(118, 40);
    setColourButton(Qt::white, false);
    colourColumn->addWidget(m_colorButton);
    sizeColourRow->addLayout(sizeColumn);
    sizeColourRow->addLayout(colourColumn);
    leftLayout->addLayout(sizeColourRow);
    leftLayout->addSpacing(8);

    leftLayout->addWidget(label(tr("透明度"), "Field"));
    auto *opacityRow = new QHBoxLayout;
    m_opacity = new QSlider(Qt::Horizontal);
    m_opacity->setRange(10, 100);
    m_opacity->setValue(50);
    keepLeftToRight(m_opacity); // filled from its least end, as in every language
    m_opacityLabel = new QLabel(QStringLiteral("50%"));
    m_opacityLabel->setFixedWidth(42);
    m_opacityLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    opacityRow->addWidget(m_opacity);
    opacityRow->addWidget(m_opacityLabel);
    leftLayout->addLayout(opacityRow);
    QLabel *opacityHint = label(tr("拖动滑块调整水印的可见程度"), "Subtle");
    opacityHint->setWordWrap(true); // longer in some languages than the column is wide
    leftLayout->addWidget(opacityHint);
    leftLayout->addStretch();
    body->addWidget(left);

    auto *right = new QVBoxLayout;
    right->setSpacing(12);
    auto *previewPanel = new QFrame;
    previewPanel->setObjectName(QStringLiteral("Panel"));
    auto *previewLayout = new QVBoxLayout(previewPanel);
    previewLayout->setContentsMargins(16, 14, 16, 14);
    previewLayout->setSpacing(10);
    auto *previewTitle = label(tr("实时预览  ●"), "Section");
    previewTitle->setStyleSheet(QStringLiteral("color:#eaf0fb;"));
    previewLayout->addWidget(previewTitle);
    m_preview = new QLabel;
    m_preview->setFixedSize(kPreviewWidth, kPreviewHeight);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setStyleSheet(QStringLiteral("background:#07111f;border:1px solid #31415a;border-radius:7px;"));
    previewLayout->addWidget(m_preview, 0, Qt::AlignCenter);
    right->addWidget(previewPanel);
    auto *note = label(tr("对整个原视频添加水印，另存为 MP4 副本。其他编辑请先保存。"), "Subtle");
    note->setWordWrap(true);
    right->addWidget(note);

    auto *placePanel = new QFrame;
    placePanel->setObjectName(QStringLiteral("Panel"));
    auto *placeLayout = new QHBoxLayout(placePanel);
    placeLayout->setContentsMargins(16, 12, 16, 12);
    placeLayout->setSpacing(18);
    auto *gridColumn = new QVBoxLayout;
    gridColumn->setSpacing(6);
    gridColumn->addWidget(label(tr("显示位置"), "Section"));
    // The grid is a picture of the video, which no language mirrors: each dot stands where
    // its mark goes.
    auto *gridBox = new QWidget;
    keepLeftToRight(gridBox);
    auto *grid = new QGridLayout(gridBox);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    m_positionGroup = new QButtonGroup(this);
    m_positionGroup->setExclusive(true);
    for (int cell = 0; cell < 9; ++cell) {
        auto *button = new QPushButton(QStringLiteral("●"));
        button->setObjectName(QStringLiteral("Position"));
        button->setCheckable(true);
        button->setFixedSize(36, 30);
        grid->addWidget(button, cell / 3, cell % 3);
        m_positionGroup->addButton(button, kGridPlacements[cell]);
        m_positionButtons[kGridPlacements[cell]] = button;
    }
    m_positionButtons[0]->setChecked(true);
    gridColumn->addWidget(gridBox, 0, Qt::AlignLeading);
    placeLayout->addLayout(gridColumn);
    placeLayout->addWidget(line(Qt::Vertical, "#304059"));
    auto *marginColumn = new QVBoxLayout;
    marginColumn->setSpacing(8);
    marginColumn->addWidget(label(tr("边距"), "Section"));
    auto addMarginRow = [&](const QString &name, QSlider *&slider) {
        auto *row = new QHBoxLayout;
        auto *l = label(name, "Field");
        l->setMinimumWidth(64);
        slider = new QSlider(Qt::Horizontal);
        slider->setRange(0, 100);
        slider->setValue(20);
        keepLeftToRight(slider);
        auto *value = new QLabel(QStringLiteral("20 px"));
        value->setFixedWidth(46);
        connect(slider, &QSlider::valueChanged, this, [this, value](int v) {
            value->setText(QStringLiteral("%1 px").arg(v));
            onPreviewUpdate();
        });
        row->addWidget(l);
        row->addWidget(slider);
        row->addWidget(value);
        marginColumn->addLayout(row);
    };
    addMarginRow(tr("水平"), m_marginX);
    addMarginRow(tr("垂直"), m_marginY);
    placeLayout->addLayout(marginColumn, 1);
    right->addWidget(placePanel);
    body->addLayout(right, 1);
    auto *bodyArea = new QWidget;
    bodyArea->setLayout(body);
    auto *scroll = scrollingBody(bodyArea);
    root->addWidget(scroll, 1);
    root->addWidget(line(Qt::Horizontal, "#293950"));

    auto *footer = new QWidget;
    footer->setObjectName(QStringLiteral("Footer"));
    footer->setFixedHeight(68);
    auto *footerLayout = new QHBoxLayout(footer);
    footerLayout->setContentsMargins(24, 0, 24, 0);
    footerLayout->setSpacing(12);
    auto *reset = new QPushButton(tr("恢复默认"));
    reset->setObjectName(QStringLiteral("Reset"));
    // At least 100 px, wider where the translation needs it.
    reset->setMinimumSize(100, 38);
    reset->setMaximumHeight(38);
    auto *cancel = new QPushButton(tr("取消"));
    cancel->setObjectName(QStringLiteral("Secondary"));
    cancel->setFixedSize(112, 42);
    auto *apply = new QPushButton(tr("保存水印副本"));
    apply->setObjectName(QStringLiteral("Primary"));
    apply->setMinimumSize(190, 42);
    apply->setDefault(true);
    footerLayout->addWidget(reset);
    footerLayout->addStretch();
    footerLayout->addWidget(cancel);
    footerLayout->addWidget(apply);
    root->addWidget(footer);

    connect(reset, &QPushButton::clicked, this, &WatermarkDialog::restoreDefaults);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, &WatermarkDialog::onApplyClicked);
    connect(m_colorButton, &QPushButton::clicked, this, &WatermarkDialog::onColorPickerClicked);
    connect(m_textEdit, &QLineEdit::textChanged, this, &WatermarkDialog::onPreviewUpdate);
    connect(m_fontSize, &QSpinBox::valueChanged, this, &WatermarkDialog::onPreviewUpdate);
    connect(m_positionGroup, &QButtonGroup::idClicked, this, &WatermarkDialog::onPreviewUpdate);
    connect(m_opacity, &QSlider::valueChanged, this, [this](int v) {
        m_opacityLabel->setText(QStringLiteral("%1%").arg(v));
        onPreviewUpdate();
    });

    m_scroll = scroll;
    fitToScreen();
    onPreviewUpdate();
}

void WatermarkDialog::setColourButton(const QColor &colour, bool styled)
{
    m_colorButton->setText(colourText(colour));
    m_colorButton->setStyleSheet(styled ? QStringLiteral("QPushButton#Color{color:%1;}").arg(colour.name())
                                        : QString());
}

int WatermarkDialog::checkedPosition() const
{
    return m_positionGroup->checkedId();
}

void WatermarkDialog::setConfig(const WatermarkConfig &config)
{
    m_config = config;
    m_currentColor = config.color;
    m_textEdit->setText(config.text);
    m_fontSize->setValue(config.fontSize);
    m_opacity->setValue(config.opacity);
    m_marginX->setValue(config.marginX);
    m_marginY->setValue(config.marginY);
    if (config.position >= 0 && config.position <= 8)
        m_positionButtons[config.position]->setChecked(true);
    m_colorButton->setText(colourText(config.color));
    onPreviewUpdate();
}

void WatermarkDialog::setPreviewFrame(const QImage &frame, const QSize &videoSize)
{
    m_previewFrame = frame;
    m_videoSize = videoSize;
    onPreviewUpdate();
}

QPixmap WatermarkDialog::previewPixmap() const
{
    return m_preview ? m_preview->pixmap() : QPixmap();
}

void WatermarkDialog::onPreviewUpdate()
{
    if (!m_preview)
        return;
    QColor pen = m_currentColor;
    pen.setAlphaF(m_opacity->value() / 100.0);
    const int position = checkedPosition();
    const int marginX = m_marginX->value();
    const int marginY = m_marginY->value();

    if (m_previewFrame.isNull()) {
        QPixmap pixmap(kPreviewWidth, kPreviewHeight);
        pixmap.fill(QColor(QStringLiteral("#081426")));
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient gradient(0, 0, kPreviewWidth, kPreviewHeight);
        gradient.setColorAt(0, QColor(QStringLiteral("#071323")));
        gradient.setColorAt(0.55, QColor(QStringLiteral("#102754")));
        gradient.setColorAt(1, QColor(QStringLiteral("#07111e")));
        painter.fillRect(pixmap.rect(), gradient);
        painter.setPen(QPen(QColor(70, 102, 180, 85), 1));
        const QRect rings[] = {{200, 123, 110, 44}, {186, 114, 138, 62}, {172, 105, 166, 80},
                               {158, 96, 194, 98},  {144, 87, 222, 116}, {130, 78, 250, 134}};
        for (const QRect &ring : rings)
            painter.drawEllipse(ring);

        QString text = m_textEdit->text().trimmed();
        if (text.isEmpty())
            text = QStringLiteral("Vistrelle");
        QFont font(QStringLiteral("Segoe UI"));
        font.setPointSize(std::max(m_fontSize->value() / 2, 9));
        font.setWeight(QFont::DemiBold);
        painter.setFont(font);
        painter.setPen(pen);
        QRect area = pixmap.rect().adjusted(14, 12, -14, -12);
        Qt::Alignment alignment = Qt::AlignCenter;
        if (position >= 0) {
            alignment = placementAlignment(position);
            if (alignment & Qt::AlignLeft)
                area.setLeft(area.left() + marginX);
            if (alignment & Qt::AlignRight)
                area.setRight(area.right() - marginX);
            if (alignment & Qt::AlignTop)
                area.setTop(area.top() + marginY);
            if (alignment & Qt::AlignBottom)
                area.setBottom(area.bottom() - marginY);
        }
        painter.drawText(area, int(alignment | Qt::AlignAbsolute), text);
        painter.end();
        m_preview->setPixmap(pixmap);
        return;
    }

    // Over a frame of the video: everything is drawn in video pixels.
    QImage image = m_previewFrame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QSize reference = (m_videoSize.width() >= 0 && m_videoSize.height() >= 0 && !m_videoSize.isEmpty())
        ? m_videoSize : image.size();
    {
        QPainter painter(&image);
        painter.scale(double(image.width()) / reference.width(), double(image.height()) / reference.height());
        painter.setRenderHint(QPainter::TextAntialiasing);
        QFont font(QStringLiteral("Segoe UI"));
        font.setPixelSize(m_fontSize->value());
        painter.setFont(font);
        painter.setPen(pen);
        const QRect area(QPoint(marginX, marginY),
                         QPoint(reference.width() - 1 - marginX, reference.height() - 1 - marginY));
        painter.drawText(area, int(placementAlignment(std::clamp(position, 0, 8)) | Qt::AlignAbsolute),
                         m_textEdit->text());
    }
    m_preview->setPixmap(QPixmap::fromImage(
        image.scaled(kPreviewWidth, kPreviewHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void WatermarkDialog::onColorPickerClicked()
{
    const QColor chosen = QColorDialog::getColor(m_currentColor, this, tr("选择颜色"));
    if (!chosen.isValid())
        return;
    m_currentColor = chosen;
    setColourButton(chosen, true);
    onPreviewUpdate();
}

void WatermarkDialog::restoreDefaults()
{
    const WatermarkConfig defaults;
    m_textEdit->setText(defaults.text);
    m_fontSize->setValue(defaults.fontSize);
    m_currentColor = defaults.color;
    setColourButton(defaults.color, false);
    m_opacity->setValue(defaults.opacity);
    m_marginX->setValue(defaults.marginX);
    m_marginY->setValue(defaults.marginY);
    m_positionButtons[defaults.position]->setChecked(true);
    onPreviewUpdate();
}

void WatermarkDialog::onApplyClicked()
{
    if (m_textEdit->text().trimmed().isEmpty()) {
        showLibraryWarning(this, tr("水印设置"), tr("请输入水印文字。"));
        m_textEdit->setFocus();
        return;
    }
    WatermarkConfig record;
    record.enabled = true;
    record.text = m_textEdit->text();
    record.color = m_currentColor;
    record.fontSize = m_fontSize->value();
    record.opacity = m_opacity->value();
    record.position = std::clamp(checkedPosition(), 0, 8);
    record.marginX = m_marginX->value();
    record.marginY = m_marginY->value();
    m_config = record;
    emit configChanged(record);
    accept();
}

bool WatermarkDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (widget && mouse->button() == Qt::LeftButton
            && (widget == m_titleBar || widget->parentWidget() == m_titleBar)) {
            startWindowMove(this, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WatermarkDialog::fitToScreen()
{
    // 880 x 590 unless the fonts here need more height for the fixed-size preview; on a
    // smaller screen as much as it has, and the body scrolls. Measured as the style sheets
    // draw it: again when shown, as the colour button's own style can widen the body.
    ensurePolished();
    QWidget *body = m_scroll->widget();
    // The whole layout (title bar, lines, footer, spacing) with the body at its full size.
    const int natural = layout()->totalSizeHint().height() - m_scroll->sizeHint().height()
                        + body->sizeHint().height() + 2 * m_scroll->frameWidth();
    const QMargins margins = layout()->contentsMargins();
    const int bodyWidth = margins.left() + margins.right() + body->minimumSizeHint().width() + 2 * m_scroll->frameWidth();
    QSize wanted(std::max(880, bodyWidth), std::max(590, natural));
    const QRect available = availableAreaFor(this);
    // Where the body scrolls, its scroll bar takes room beside it, not from it (it would
    // need scrolling sideways too).
    if (wanted.height() > available.height())
        wanted.rwidth() += m_scroll->verticalScrollBar()->sizeHint().width();
    setFixedSize(sizeWithin(wanted, available));
}

void WatermarkDialog::showEvent(QShowEvent *event)
{
    fitToScreen();
    QDialog::showEvent(event);
}
