#include "dialogs/CameraSettingsDialog.h"

#include "widgets/LeftToRight.h"
#include "recording/NumberText.h"
#include "widgets/DialogPlacement.h"
#include "platform/mac/CameraHub.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The dialog's on/off switch.
class ToggleSwitch : public QPushButton
{
public:
    explicit ToggleSwitch(QWidget *parent)
        : QPushButton(parent)
    {
        setCheckable(true);
        setFixedSize(48, 26);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(CameraSettingsDialog::tr("开关"));
        // Keeps the size against an application style sheet's minimum button height.
        setStyleSheet(QStringLiteral("QPushButton{border:none;padding:0px;min-width:48px;max-width:48px;"
                                     "min-height:26px;max-height:26px;}"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const bool on = isChecked();
        QColor fill = on ? QColor(QStringLiteral("#317cf6")) : QColor(QStringLiteral("#39465a"));
        if (isDown())
            fill = on ? QColor(QStringLiteral("#286ce0")) : QColor(QStringLiteral("#303c4f"));
        else if (underMouse())
            fill = on ? QColor(QStringLiteral("#438bff")) : QColor(QStringLiteral("#46556b"));
        painter.setPen(QPen(on ? QColor(QStringLiteral("#5a99ff")) : QColor(QStringLiteral("#536278")), 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(1, 2, 46, 22), 11, 11);
        painter.setPen(QPen(QColor(0, 0, 0, 35), 1));
        painter.setBrush(QColor(QStringLiteral("#f8fbff")));
        painter.drawEllipse(QRectF(on ? 26 : 4, 4, 18, 18));
    }
};

QPushButton *toggleButton(QWidget *parent)
{
    return new ToggleSwitch(parent);
}

// Placement codes of the 3x3 grid, row by row from the top left.
const int GridCodes[9] = {0, 4, 1, 5, 6, 7, 2, 8, 3};

// The 3x3 position picker beside the position combo.
class PositionGridPreview : public QWidget
{
public:
    explicit PositionGridPreview(QWidget *parent)
        : QWidget(parent)
    {
        setFixedSize(52, 52);
        setCursor(Qt::PointingHandCursor);
        setToolTip(CameraSettingsDialog::tr("点击九宫格选择摄像头位置"));
        setAccessibleName(CameraSettingsDialog::tr("摄像头位置九宫格"));
    }
    ~PositionGridPreview() override = default;

    int code = 1;
    std::function<void(int)> callback;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton) {
            const QPoint p = event->position().toPoint(); // rounds half away from zero
            static const int edges[3] = {5, 18, 31};
            for (int cell = 0; cell < 9; ++cell) {
                const QRect square(edges[cell % 3], edges[cell / 3], 15, 15);
                if (square.contains(p)) {
                    code = GridCodes[cell];
                    update();
                    if (callback)
                        callback(code);
                    event->accept();
                    return;
                }
            }
        }
        QWidget::mousePressEvent(event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(QStringLiteral("#314158")), 1));
        painter.setBrush(QColor(QStringLiteral("#121e31")));
        painter.drawRoundedRect(QRectF(0, 0, width() - 1, height() - 1), 7, 7);
        painter.setPen(Qt::NoPen);
        static const int spots[3] = {8, 21, 34};
        for (int cell = 0; cell < 9; ++cell) {
            painter.setBrush(GridCodes[cell] == code ? QColor(QStringLiteral("#3a82ff"))
                                                     : QColor(QStringLiteral("#4b5b72")));
            painter.drawRoundedRect(QRectF(spots[cell % 3], spots[cell / 3], 9, 9), 2, 2);
        }
    }
};

const char *const ComboStyle =
    "QComboBox{background:#17243a;border:1px solid #354760;border-radius:7px;color:#e0e7f2;padding:0 12px;"
    "font-size:11px;}QComboBox:hover{border-color:#4b6c9b;}QComboBox::drop-down{border:none;width:32px;}"
    "QComboBox QAbstractItemView{background:#142137;color:#e0e7f2;border:1px solid #3a4d68;"
    "selection-background-color:#2c67c7;padding:4px;}";
const char *const SectionStyle =
    "color:#f0f4fb;font-size:12px;font-weight:600;background:transparent;border:none;";
// A choice with a picture and a word: the two stand side by side in the middle, the picture
// first in the reading order. (A style sheet's button, right to left, puts the picture in
// the middle and the word at the far end.)
class PictureWordButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString word = option.text;
        const QIcon picture = option.icon;
        option.text.clear();
        option.icon = QIcon();
        painter.drawControl(QStyle::CE_PushButtonBevel, option);

        constexpr int gap = 6;
        const QSize pictureSize = iconSize();
        const int wordWidth = fontMetrics().horizontalAdvance(word);
        const int left = (width() - pictureSize.width() - gap - wordWidth) / 2;
        const QRect pictureRect(left, (height() - pictureSize.height()) / 2, pictureSize.width(), pictureSize.height());
        const QRect wordRect(pictureRect.right() + 1 + gap, 0, wordWidth, height());
        picture.paint(&painter, QStyle::visualRect(layoutDirection(), rect(), pictureRect), Qt::AlignCenter,
                      isEnabled() ? QIcon::Normal : QIcon::Disabled, isChecked() ? QIcon::On : QIcon::Off);
        // The style draws the word (in its colour for the button's state), centred in a
        // rectangle around it wide enough for the style's padding.
        option.text = word;
        option.rect = QStyle::visualRect(layoutDirection(), rect(), wordRect).adjusted(-width(), 0, width(), 0);
        painter.drawControl(QStyle::CE_PushButtonLabel, option);
    }
};

const char *const ChoiceStyle =
    "QPushButton{background:#172235;border:1px solid #2b374b;border-radius:7px;color:#aeb9cd;font-size:11px;"
    "padding:4px 10px;}QPushButton:hover{background:#1d2a40;color:#eef3ff;}QPushButton:checked{"
    "background:#1d3155;border:1px solid #4387ff;color:white;}";
const char *const SliderStyle =
    "QSlider::groove:horizontal{height:5px;background:#66748a;border-radius:2px;}"
    "QSlider::sub-page:horizontal{background:#3984ff;border-radius:2px;}"
    "QSlider::handle:horizontal{width:16px;height:16px;background:#3984ff;border-radius:8px;margin:-6px 0;}";

QLabel *sectionLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFixedWidth(112);
    // Two lines where a language's name is longer ("Dispositivo de cámara").
    label->setWordWrap(true);
    label->setStyleSheet(QString::fromLatin1(SectionStyle));
    return label;
}

QComboBox *styledCombo(QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setFixedHeight(38);
    combo->setStyleSheet(QString::fromLatin1(ComboStyle));
    return combo;
}

QFrame *rowLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background:#29394f;border:none;"));
    return line;
}

int roundHalfAway(double value)
{
    return int(std::lround(value));
}

} // namespace

CameraSettingsDialog::CameraSettingsDialog(bool webcamEnabled, QWidget *parent)
    : QDialog(parent)
    , m_webcamEnabled(webcamEnabled)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::Dialog);
    keepDialogPositionTrue(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setWindowTitle(tr("摄像头设置"));
    m_feed = new CameraFeed(this);
    connect(m_feed, &CameraFeed::frameReady, this, &CameraSettingsDialog::onFrame);
    connect(m_feed, &CameraFeed::errorOccurred, this, &CameraSettingsDialog::onCameraError);
    buildUi();
    populateCameras();
}

CameraSettingsDialog::~CameraSettingsDialog()
{
    stopPreview();
}

void CameraSettingsDialog::buildUi()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *surface = new QWidget;
    surface->setObjectName(QStringLiteral("cameraSurface"));
    surface->setAttribute(Qt::WA_StyledBackground);
    surface->setStyleSheet(
        QStringLiteral("QWidget#cameraSurface{background:#0d1929;border:1px solid #34445b;border-radius:15px;}"));
    outer->addWidget(surface);
    auto *layout = new QVBoxLayout(surface);
    layout->setContentsMargins(18, 12, 18, 14);
    layout->setSpacing(8);

    // 1. Title row.
    auto *titleRow = new QHBoxLayout;
    auto *icon = new QLabel(surface);
    icon->setFixedSize(30, 30);
    icon->setStyleSheet(QStringLiteral("background:transparent;border:none;"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/icons/camera_settings.svg")).pixmap(28, 28));
    auto *title = new QLabel(tr("摄像头设置"), surface);
    title->setStyleSheet(QStringLiteral("color:#f4f7fd;font-size:18px;font-weight:700;background:transparent;"));
    auto *close = new QPushButton(QStringLiteral("×"), surface);
    close->setFixedSize(34, 34);
    close->setCursor(Qt::PointingHandCursor);
    close->setStyleSheet(QStringLiteral(
        "QPushButton{background:transparent;border:none;color:#a9b6ca;font-size:21px;}"
        "QPushButton:hover{background:#26364d;color:white;border-radius:7px;}"));
    connect(close, &QPushButton::clicked, this, &CameraSettingsDialog::reject);
    titleRow->addWidget(icon);
    titleRow->addWidget(title);
    titleRow->addStretch();
    titleRow->addWidget(close);
    layout->addLayout(titleRow);

    // Between the title and the buttons: it scrolls on a display lower than the dialog.
    auto *page = new QWidget(surface);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(layout->spacing());

    // 2. Preview pane.
    auto *pane = new QFrame(page);
    pane->setFixedHeight(190);
    pane->setStyleSheet(QStringLiteral("background:#070d16;border:1px solid #27364a;border-radius:10px;"));
    auto *paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    m_previewLabel = new QLabel(tr("正在启动摄像头…"), pane);
    m_previewLabel->setAlignment(Qt::AlignCenter);
    m_previewLabel->setStyleSheet(QStringLiteral(
        "background:#070d16;border:none;border-radius:10px;color:#78869c;font-size:11px;"));
    m_previewLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    paneLayout->addWidget(m_previewLabel);
    auto *badge = new QLabel(pane);
    m_previewBadge = badge;
    badge->setObjectName(QStringLiteral("PreviewBadge"));
    updatePreviewBadge();
    badge->setStyleSheet(QStringLiteral("background:rgba(15,24,38,215);border:none;border-radius:6px;"
                                        "color:#eef3fb;padding:4px 9px;font-size:10px;"));
    // As wide as its text in the language on show (at least the 94 pixels it was drawn for).
    badge->ensurePolished();
    badge->setGeometry(14, 14, std::max(94, badge->sizeHint().width()), 30);
    badge->raise();
    auto *shot = new QPushButton(pane);
    shot->setGeometry(518, 145, 36, 32);
    shot->setIcon(QIcon(QStringLiteral(":/icons/icons/screenshot.svg")));
    shot->setIconSize(QSize(19, 19));
    shot->setCursor(Qt::PointingHandCursor);
    shot->setStyleSheet(QStringLiteral("QPushButton{background:rgba(5,9,15,210);border:none;border-radius:6px;}"
                                       "QPushButton:hover{background:#1d2d44;}"));
    shot->raise();
    m_previewSwitch = toggleButton(pane);
    m_previewSwitch->move(560, 148);
    m_previewSwitch->setChecked(true);
    m_previewSwitch->raise();
    pageLayout->addWidget(pane);

    // 3. Hint.
    auto *hint = new QLabel(tr("摄像头关闭时，将在这里显示 · 开启摄像头后可预览"), page);
    hint->setAlignment(Qt::AlignCenter);
    hint->setStyleSheet(QStringLiteral("color:#8290a6;font-size:10px;background:transparent;"));
    pageLayout->addWidget(hint);

    // 4. Settings panel.
    auto *panel = new QWidget(page);
    panel->setObjectName(QStringLiteral("cameraSettingPanel"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral("QWidget#cameraSettingPanel{%1}")
                             .arg(QStringLiteral("background:#111a2a;border:1px solid #2b374b;border-radius:10px;")));
    auto *rows = new QVBoxLayout(panel);
    rows->setContentsMargins(16, 8, 16, 8);
    rows->setSpacing(0);
    auto addRow = [panel, rows](QLayout *row, bool last = false) {
        rows->addLayout(row);
        if (!last)
            rows->addWidget(rowLine(panel));
    };

    auto *deviceRow = new QHBoxLayout;
    deviceRow->setContentsMargins(2, 8, 2, 8);
    m_deviceCombo = styledCombo(panel);
    deviceRow->addWidget(sectionLabel(tr("摄像头设备"), panel));
    deviceRow->addWidget(m_deviceCombo, 1);
    addRow(deviceRow);

    auto *qualityRow = new QHBoxLayout;
    qualityRow->setContentsMargins(2, 8, 2, 8);
    qualityRow->setSpacing(12);
    m_qualityCombo = styledCombo(panel);
    m_qualityCombo->addItem(tr("自动"), 0);
    m_qualityCombo->addItem(QStringLiteral("720p"), 720);
    m_qualityCombo->addItem(QStringLiteral("1080p"), 1080);
    auto *fpsLabel = sectionLabel(tr("帧率"), panel);
    // 54 pixels, or as wide as the language's word for it.
    fpsLabel->ensurePolished();
    fpsLabel->setFixedWidth(std::max(54, fpsLabel->sizeHint().width()));
    m_fpsCombo = styledCombo(panel);
    m_fpsCombo->addItem(tr("自动"), 0);
    m_fpsCombo->addItem(NumberText::isolated(QStringLiteral("24 FPS")), 24);
    m_fpsCombo->addItem(NumberText::isolated(QStringLiteral("30 FPS")), 30);
    m_fpsCombo->addItem(NumberText::isolated(QStringLiteral("60 FPS")), 60);
    qualityRow->addWidget(sectionLabel(tr("视频质量"), panel));
    qualityRow->addWidget(m_qualityCombo, 1);
    qualityRow->addWidget(fpsLabel);
    qualityRow->addWidget(m_fpsCombo, 1);
    addRow(qualityRow);

    auto *shapeRow = new QHBoxLayout;
    shapeRow->setContentsMargins(2, 8, 2, 8);
    shapeRow->setSpacing(0);
    shapeRow->addWidget(sectionLabel(tr("画面形状"), panel));
    m_shapeGroup = new QButtonGroup(this);
    m_shapeGroup->setExclusive(true);
    auto makeChoice = [this, panel](const QString &text, int id, const QString &iconFile) {
        auto *button = new PictureWordButton(QIcon(iconFile), text, panel);
        button->setCheckable(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setFixedHeight(38);
        button->setIconSize(QSize(24, 18));
        button->setStyleSheet(QString::fromLatin1(ChoiceStyle));
        m_shapeGroup->addButton(button, id);
        return button;
    };
    shapeRow->addWidget(makeChoice(tr("圆形"), 0, QStringLiteral(":/icons/icons/shape_circle.svg")), 1);
    shapeRow->addWidget(makeChoice(tr("圆角矩形"), 1, QStringLiteral(":/icons/icons/shape_rounded.svg")), 1);
    shapeRow->addWidget(makeChoice(tr("矩形"), 2, QStringLiteral(":/icons/icons/shape_rectangle.svg")), 1);
    addRow(shapeRow);

    auto *positionRow = new QHBoxLayout;
    positionRow->setContentsMargins(2, 8, 2, 8);
    positionRow->setSpacing(12);
    m_positionCombo = styledCombo(panel);
    const QList<QPair<QString, int>> positions = {{tr("左上"), 0}, {tr("上中"), 4}, {tr("右上"), 1},
                                                  {tr("左中"), 5}, {tr("居中"), 6}, {tr("右中"), 7},
                                                  {tr("左下"), 2}, {tr("下中"), 8}, {tr("右下"), 3}};
    for (const auto &item : positions)
        m_positionCombo->addItem(item.first, item.second);
    auto *grid = new PositionGridPreview(panel);
    m_positionGrid = grid;
    positionRow->addWidget(sectionLabel(tr("摄像头位置"), panel));
    positionRow->addWidget(m_positionCombo, 1);
    positionRow->addWidget(grid);
    positionRow->addStretch();
    addRow(positionRow);

    auto *sizeRow = new QHBoxLayout;
    sizeRow->setContentsMargins(2, 11, 2, 11);
    sizeRow->setSpacing(10);
    auto *small = new QLabel(tr("小"), panel);
    auto *large = new QLabel(tr("大"), panel);
    small->setStyleSheet(QStringLiteral("color:#bec9da;background:transparent;"));
    large->setStyleSheet(QStringLiteral("color:#bec9da;background:transparent;"));
    m_sizeSlider = new QSlider(Qt::Horizontal, panel);
    m_sizeSlider->setRange(0, 100);
    m_sizeSlider->setValue(50);
    m_sizeSlider->setSingleStep(1);
    m_sizeSlider->setPageStep(10);
    m_sizeSlider->setCursor(Qt::PointingHandCursor);
    m_sizeSlider->setStyleSheet(QString::fromLatin1(SliderStyle));
    sizeRow->addWidget(sectionLabel(tr("画面大小"), panel));
    // Small to large left to right in every language, as the player's sliders run: right to
    // left the style sheet filled the slider from its large end.
    auto *scale = new QWidget(panel);
    auto *scaleRow = new QHBoxLayout(scale);
    scaleRow->setContentsMargins(0, 0, 0, 0);
    scaleRow->setSpacing(10);
    scaleRow->addWidget(small);
    scaleRow->addWidget(m_sizeSlider, 1);
    scaleRow->addWidget(large);
    keepLeftToRight(scale);
    sizeRow->addWidget(scale, 1);
    addRow(sizeRow);

    auto *mirrorRow = new QHBoxLayout;
    mirrorRow->setContentsMargins(2, 10, 2, 10);
    auto *mirrorText = new QVBoxLayout;
    mirrorText->setSpacing(2);
    // Beside a stretch: one line, as wide as the name needs ("Immagine speculare").
    QLabel *mirrorLabel = sectionLabel(tr("镜像画面"), panel);
    mirrorLabel->setWordWrap(false);
    mirrorLabel->setMinimumWidth(112);
    mirrorLabel->setMaximumWidth(QWIDGETSIZE_MAX);
    mirrorText->addWidget(mirrorLabel);
    auto *note = new QLabel(tr("让预览效果更自然"), panel);
    note->setStyleSheet(QStringLiteral("color:#8290a6;font-size:10px;background:transparent;border:none;"));
    mirrorText->addWidget(note);
    m_mirrorSwitch = toggleButton(panel);
    m_mirrorSwitch->setChecked(true);
    mirrorRow->addLayout(mirrorText);
    mirrorRow->addStretch();
    mirrorRow->addWidget(m_mirrorSwitch);
    addRow(mirrorRow, true);
    pageLayout->addWidget(panel, 1);
    layout->addWidget(page, 1);

    // 5. Buttons.
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    auto *cancel = new QPushButton(tr("取消"), surface);
    auto *done = new QPushButton(tr("完成"), surface);
    for (QPushButton *button : {cancel, done}) {
        button->setFixedSize(132, 44);
        button->setCursor(Qt::PointingHandCursor);
    }
    // The size rules keep 132 x 44 against an application style sheet's button padding
    // and minimum height (content size inside padding and border).
    cancel->setStyleSheet(QStringLiteral("QPushButton{background:#111d30;border:1px solid #3a4a62;border-radius:8px;"
                                         "color:#edf2fa;font-size:12px;}QPushButton:hover{background:#192940;}"
                                         "QPushButton{padding:0px;min-height:42px;max-height:42px;}"));
    done->setStyleSheet(QStringLiteral("QPushButton{background:#3178f3;border:none;border-radius:8px;color:white;"
                                       "font-size:12px;font-weight:600;}QPushButton:hover{background:#4388ff;}"
                                       "QPushButton{padding:0px;min-height:44px;max-height:44px;}"));
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(done);
    layout->addLayout(buttons);
    // 660 x 760, smaller on a smaller display: the page scrolls, the title and the buttons stay.
    fitToDisplay(this, QSize(660, 760), page);

    // Handlers.
    connect(done, &QPushButton::clicked, this, [this]() {
        m_settings = currentUiSettings();
        stopPreview();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &CameraSettingsDialog::reject);
    for (QComboBox *combo : {m_deviceCombo, m_qualityCombo, m_fpsCombo}) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this]() {
            if (m_previewEnabled)
                startPreview();
        });
    }
    connect(m_positionCombo, &QComboBox::currentIndexChanged, this, [this]() {
        setGridCode(m_positionCombo->currentData().toInt());
        renderPreview();
        publishPreviewSettings();
    });
    grid->callback = [this](int code) {
        const int index = m_positionCombo->findData(code);
        if (index >= 0)
            m_positionCombo->setCurrentIndex(index);
    };
    connect(m_shapeGroup, &QButtonGroup::idClicked, this, [this]() {
        renderPreview();
        publishPreviewSettings();
    });
    connect(m_sizeSlider, &QSlider::sliderPressed, this, [this]() { m_sliderHeld = true; });
    connect(m_sizeSlider, &QSlider::sliderReleased, this, [this]() {
        m_sliderHeld = false;
        renderPreview();
    });
    connect(m_sizeSlider, &QSlider::valueChanged, this, [this]() {
        renderPreview();
        publishPreviewSettings();
    });
    connect(m_mirrorSwitch, &QPushButton::clicked, this, [this](bool checked) {
        m_mirrorSwitch->setChecked(checked);
        m_mirrorSwitch->update();
        renderPreview();
        publishPreviewSettings();
    });
    connect(m_previewSwitch, &QPushButton::clicked, this, [this](bool checked) {
        m_previewEnabled = checked;
        m_previewSwitch->setChecked(checked);
        m_previewSwitch->update();
        if (checked) {
            startPreview();
        } else {
            m_feed->stop();
            m_lastFrame = QImage();
            showLabelText(tr("开启摄像头后可预览"));
        }
    });
}

void CameraSettingsDialog::populateCameras()
{
    m_inputs = CameraHub::devices();
    const QSignalBlocker blocker(m_deviceCombo);
    m_deviceCombo->clear();
    for (const CameraDeviceInfo &input : std::as_const(m_inputs))
        m_deviceCombo->addItem(input.description, input.idText());
    if (m_inputs.isEmpty()) {
        m_deviceCombo->addItem(tr("未检测到摄像头"));
        m_deviceCombo->setEnabled(false);
    }
}

void CameraSettingsDialog::setSettings(const CameraSettings &settings)
{
    m_settings = settings;
    if (QAbstractButton *shape = m_shapeGroup->button(settings.shape))
        shape->setChecked(true);
    auto selectData = [](QComboBox *combo, int value) {
        const int index = combo->findData(value);
        combo->setCurrentIndex(index >= 0 ? index : 0);
    };
    selectData(m_qualityCombo, settings.resolution);
    selectData(m_fpsCombo, settings.fps);
    selectData(m_positionCombo, settings.position);
    setGridCode(m_positionCombo->currentData().toInt());
    m_sizeSlider->setValue(std::clamp(settings.size, 0, 100));
    m_mirrorSwitch->setChecked(settings.mirrored);
    m_mirrorSwitch->update();
    if (!settings.deviceId.isEmpty()) {
        const int index = m_deviceCombo->findData(settings.deviceId);
        if (index >= 0)
            m_deviceCombo->setCurrentIndex(index);
    }
}

void CameraSettingsDialog::setGridCode(int code)
{
    auto *grid = static_cast<PositionGridPreview *>(m_positionGrid);
    grid->code = code;
    grid->update();
}

CameraSettings CameraSettingsDialog::currentUiSettings() const
{
    CameraSettings s = m_settings;
    s.deviceId = m_deviceCombo->currentData().toString();
    s.deviceName = m_deviceCombo->currentText();
    s.resolution = m_qualityCombo->currentData().toInt();
    s.fps = m_fpsCombo->currentData().toInt();
    s.position = m_positionCombo->currentData().toInt();
    if (m_shapeGroup->checkedId() != -1)
        s.shape = m_shapeGroup->checkedId();
    s.size = m_sizeSlider->value();
    s.mirrored = m_mirrorSwitch->isChecked();
    return s;
}

void CameraSettingsDialog::publishPreviewSettings()
{
    emit previewSettingsChanged(currentUiSettings());
}

void CameraSettingsDialog::showLabelText(const QString &text)
{
    m_previewLabel->clear();
    m_previewLabel->setText(text);
    m_lastFrame = QImage();
    if (m_previewBadge)
        updatePreviewBadge();
}

void CameraSettingsDialog::startPreview()
{
    if (!m_previewEnabled)
        return;
    if (m_inputs.isEmpty()) {
        showLabelText(tr("未检测到可用摄像头"));
        return;
    }
    const int index = std::clamp(m_deviceCombo->currentIndex(), 0, int(m_inputs.size()) - 1);
    const CameraDeviceInfo &input = m_inputs[index];
    // The same camera again (also after a closing): the last picture stays until
    // the next one arrives.
    if (m_previewDevice != input.id) {
        m_lastFrame = QImage();
        showLabelText(tr("正在启动摄像头…"));
    }
    m_previewDevice = input.id;
    const CameraFormatWish wish =
        CameraFormatWish::scored(m_qualityCombo->currentData().toInt(), m_fpsCombo->currentData().toInt());
    if (!m_feed->start(input.id, wish))
        showLabelText(tr("未检测到可用摄像头"));
}

void CameraSettingsDialog::stopPreview()
{
    if (m_feed)
        m_feed->stop();
    m_lastFrame = QImage();
    if (!m_previewEnabled && m_previewLabel)
        showLabelText(tr("开启摄像头后可预览"));
    if (m_previewBadge)
        updatePreviewBadge();
}

void CameraSettingsDialog::onFrame(const QImage &image)
{
    if (!m_previewEnabled || image.isNull())
        return;
    const bool first = m_lastFrame.isNull();
    m_lastFrame = image;
    if (first)
        updatePreviewBadge();
    renderPreview();
}

void CameraSettingsDialog::onCameraError(const QString &message)
{
    showLabelText(message.isEmpty() ? tr("摄像头无法启动，请检查系统权限") : message);
}

QRect CameraSettingsDialog::mockupBox(const QSize &pane, int size, int position)
{
    const int W = pane.width();
    const int H = pane.height();
    const int s = std::clamp(size, 0, 100);
    const double fraction = s <= 50 ? 0.16 + 0.27 * s / 50.0 : 0.43 + 0.15 * (s - 50) / 50.0;
    const int w = roundHalfAway(W * fraction);
    const int h = roundHalfAway(w * 9.0 / 16.0);
    static const int columns[9] = {0, 2, 0, 2, 1, 0, 1, 2, 1};
    static const int rows[9] = {0, 0, 2, 2, 0, 1, 1, 1, 2};
    const int code = std::clamp(position, 0, 8);
    const int x = columns[code] == 0 ? 14 : (columns[code] == 2 ? W - w - 14 : (W - w) / 2);
    const int y = rows[code] == 0 ? 14 : (rows[code] == 2 ? H - h - 14 : (H - h) / 2);
    return QRect(x, y, w, h);
}

QPainterPath CameraSettingsDialog::mockupPath(const QRect &box, int shapeId)
{
    QPainterPath path;
    if (shapeId < 1) {
        const int d = std::min(box.width(), box.height());
        path.addEllipse(QRectF(box.x() + (box.width() - d) / 2, box.y(), d, d));
    } else if (shapeId == 1) {
        path.addRoundedRect(QRectF(box), 12, 12);
    } else {
        path.addRect(QRectF(box));
    }
    return path;
}

void CameraSettingsDialog::renderPreview()
{
    if (!m_previewLabel || m_lastFrame.isNull() || !m_previewEnabled)
        return;
    const QSize pane = m_previewLabel->size();
    if (pane.width() < 1 || pane.height() < 1)
        return;
    QPixmap canvas(pane);
    canvas.fill(QColor(QStringLiteral("#080d15")));
    const QRect box = mockupBox(pane, m_sizeSlider ? m_sizeSlider->value() : 50, m_positionCombo->currentData().toInt());
    if (box.width() >= 1 && box.height() >= 1) {
        const QImage source = m_mirrorSwitch->isChecked() ? m_lastFrame.mirrored(true, false) : m_lastFrame;
        const QImage scaled = source.scaled(box.size(), Qt::KeepAspectRatioByExpanding,
                                            m_sliderHeld ? Qt::FastTransformation : Qt::SmoothTransformation);
        const QPainterPath path = mockupPath(box, m_shapeGroup->checkedId());
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipPath(path);
        painter.drawImage(box, scaled,
                          QRect((scaled.width() - box.width()) / 2, (scaled.height() - box.height()) / 2,
                                box.width(), box.height()));
        painter.setClipping(false);
        painter.setPen(QPen(QColor(255, 255, 255, 75), 1));
        painter.drawPath(path);
    }
    m_previewLabel->setText(QString());
    m_previewLabel->setPixmap(canvas);
}

void CameraSettingsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Without a camera there is nothing to switch on: the switch stays off and the preview
    // says so.
    const bool camera = !m_inputs.isEmpty();
    m_previewEnabled = camera;
    m_previewSwitch->setChecked(camera);
    m_previewSwitch->setEnabled(camera);
    if (camera)
        startPreview();
    else
        showLabelText(tr("未检测到可用摄像头"));
    updatePreviewBadge();
}

void CameraSettingsDialog::updatePreviewBadge()
{
    // The dot is green while the camera's pictures come in, grey otherwise.
    const bool live = m_previewEnabled && !m_lastFrame.isNull();
    m_previewBadge->setText(QStringLiteral("<span style='color:%1'>●</span>&nbsp;&nbsp;")
                                .arg(live ? QStringLiteral("#58d26b") : QStringLiteral("#6b7a90"))
                            + tr("实时预览"));
}

void CameraSettingsDialog::reject()
{
    stopPreview();
    QDialog::reject();
}

void CameraSettingsDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() <= 58) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void CameraSettingsDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CameraSettingsDialog::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}
