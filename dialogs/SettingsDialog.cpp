#include "dialogs/SettingsDialog.h"

#include "widgets/LeftToRight.h"
#include "platform/mac/LoginItem.h"
#include "recording/NumberText.h"
#include "widgets/TintedIcon.h"
#include "widgets/DialogPlacement.h"
#include "dialogs/EncoderChoices.h"
#include "dialogs/HotkeyField.h"
#include "dialogs/RecordingSettingsDialog.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "recording/SaveFolder.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace {

const char *const kDefaultHotkeys[5] = {"Ctrl+Alt+R", "Ctrl+Alt+P", "Ctrl+Alt+S", "Ctrl+Alt+D",
                                        "Ctrl+Alt+T"};
const char *const kSwatchColors[8] = {"#ff3b30", "#ff7a32", "#facd15", "#55d96b",
                                      "#20b8ff", "#3478f6", "#7157ee", "#ed57a1"};
const char *const kRemovedKeys[7] = {"effects/zoomEnabled", "effects/zoomFactor",
                                     "effects/followSpeed", "effects/smoothing",
                                     "effects/lensSize",    "effects/borderStyle",
                                     "hotkeys/5"};
const QColor kDefaultHighlight(QStringLiteral("#facd15"));
const QColor kDefaultLeftClick(QStringLiteral("#ef3d3d"));
const QColor kDefaultRightClick(QStringLiteral("#3478f6"));

QString moviesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
}

// Selects the item whose data equals value, else the one whose data equals fallback.
void selectByData(QComboBox *combo, const QVariant &value, const QVariant &fallback)
{
    int index = combo->findData(value);
    if (index < 0)
        index = combo->findData(fallback);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

// Combo box items carry their stored value; ints must compare as ints, strings as strings.
QVariant storedValue(const QSettings &settings, const QString &key, const QVariant &fallback)
{
    const QVariant value = settings.value(key, fallback);
    if (fallback.typeId() == QMetaType::Int) {
        bool ok = false;
        const int number = value.toInt(&ok);
        return ok ? QVariant(number) : fallback;
    }
    return QVariant(value.toString());
}

QLabel *makeLabel(const QString &text, const char *objectName = nullptr)
{
    auto *label = new QLabel(text);
    if (objectName)
        label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

QFrame *makeLine()
{
    auto *line = new QFrame;
    line->setObjectName(QStringLiteral("Line"));
    line->setFixedHeight(1);
    return line;
}

QVBoxLayout *startPage(QWidget *page, const QString &title, int spacing)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 16, 20, 18);
    layout->setSpacing(spacing);
    layout->addWidget(makeLabel(title, "PageTitle"));
    layout->addWidget(makeLine());
    return layout;
}

// A page that scrolls when its content is larger than the stack: a frameless
// scroll area that resizes its content, on a background of that colour.
QScrollArea *scrollingPage(QWidget *stack, const char *background)
{
    auto *scroll = new QScrollArea(stack);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Sideways too where a narrow display gives the page less than its least width.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    wheelScrollsPage(scroll);
    scroll->setStyleSheet(QStringLiteral("QScrollArea{background:transparent;} QScrollArea>QWidget>QWidget{background:%1;}")
                              .arg(QLatin1String(background)));
    return scroll;
}

const char *const kStyleSheet = R"(
QDialog#SettingsDialog {
    background: qradialgradient(cx:0.5, cy:0.42, radius:0.9, fx:0.5, fy:0.42, stop:0 #10243a, stop:1 #071423);
    border: 1px solid #405169; border-radius: 12px; color: #f1f5fb;
}
QWidget#TitleBar, QWidget#Footer, QWidget#RightPane { background: transparent; }
QWidget#Sidebar { background: #0b1d30; border-right: 1px solid #29405a;
    border-top-left-radius: 11px; border-bottom-left-radius: 11px; }
QLabel { background: transparent; color: #dce5f2; font-size: 13px; }
QLabel#AppName { font-size: 15px; font-weight: 600; color: #f4f7fd; }
QLabel#DialogName { font-size: 14px; font-weight: 700; color: #f4f7fd; }
QLabel#PageTitle { font-size: 19px; font-weight: 700; color: #f5f8ff; }
QLabel#Section { font-size: 13px; font-weight: 700; color: #eef3fb; }
QLabel#Muted { font-size: 11px; color: #91a0b5; }
QFrame#Panel { background: rgba(16,36,58,.82); border: 1px solid #29405a; border-radius: 8px; }
QFrame#Line { background: #31455d; border: none; }
QPushButton { outline: none; }
QPushButton#Nav { min-height: 50px; max-height: 50px; text-align: left; padding-left: 14px; border: none;
    border-radius: 7px; background: transparent; color: #d6dfec; font-size: 13px; }
QPushButton#Nav:hover { background: #122b45; }
QPushButton#Nav:checked { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #2680ff, stop:1 #1455e9);
    color: white; font-weight: 600; }
QPushButton#Primary { min-width: 92px; min-height: 36px; max-height: 36px; padding: 0 18px; border-radius: 6px; border: none;
    background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #3182ff, stop:1 #0961ef);
    color: white; font-weight: 600; }
QPushButton#Primary:hover { background: #3d89ff; }
QPushButton#Secondary, QPushButton#Browse { min-height: 34px; max-height: 34px; padding: 0 18px;
    border: 1px solid #3a526f; border-radius: 6px; background: #172b43; color: #e5ecf7; }
QPushButton#Secondary:hover, QPushButton#Browse:hover { background: #203b5a; }
QPushButton#Reset { min-height: 34px; max-height: 34px; padding: 0 14px; border: 1px solid #45617f;
    border-radius: 6px; background: transparent; color: #dce5f2; }
QPushButton#Reset:hover { background: #18304b; }
QPushButton#ColorChoice { min-width: 112px; max-width: 112px; min-height: 34px; max-height: 34px;
    padding: 0 11px; text-align: left; border: 1px solid #3b5573; border-radius: 7px;
    background: #10233a; color: #e8eef8; font-size: 12px; font-weight: 500; }
QPushButton#ColorChoice:hover { border-color: #4d8fff; background: #16304c; }
QPushButton#ColorChoice:pressed { background: #0c1d30; border-color: #2e82ff; }
QCheckBox { spacing: 10px; color: #e3eaf5; font-size: 13px; }
QCheckBox::indicator { width: 20px; height: 20px; border: none;
    image: url(:/icons/icons/checkbox_unchecked.svg); }
QCheckBox::indicator:checked { image: url(:/icons/icons/checkbox_checked.svg); }
QLineEdit, QComboBox, QSpinBox, QKeySequenceEdit QLineEdit {
    min-height: 34px; max-height: 34px; border: 1px solid #38516e; border-radius: 6px;
    background: #10233a; color: #eef3fb; padding: 0 11px; selection-background-color: #2878f5; }
QComboBox::drop-down { width: 22px; border: none; }
QComboBox::down-arrow { image: url(:/icons/icons/chevron_down.svg); width: 12px; height: 12px; }
QSlider::groove:horizontal { height: 6px; background: #314860; border-radius: 3px; }
QSlider::sub-page:horizontal { background: #2e82ff; border-radius: 3px; }
QSlider::handle:horizontal { width: 15px; height: 15px; margin: -5px 0; background: #f5f7fb;
    border-radius: 8px; }
QRadioButton { min-height: 30px; padding: 2px 8px; spacing: 11px; border-radius: 6px;
    color: #e3eaf5; font-size: 13px; }
QRadioButton:hover { background: #132b45; }
QRadioButton::indicator { width: 14px; height: 14px; border-radius: 9px; border: 2px solid #607b9a;
    background: #0d1e31; }
QRadioButton::indicator:hover { border-color: #82aefa; }
QRadioButton::indicator:checked { width: 8px; height: 8px; border: 5px solid #2f80ff;
    background: #f7faff; }
QStackedWidget { background: transparent; }
)";

} // namespace

SettingsDialog::SettingsDialog(QWidget *parent)
    : QDialog(parent)
{
    m_highlightColor = kDefaultHighlight;
    m_leftClickColor = kDefaultLeftClick;
    m_rightClickColor = kDefaultRightClick;
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowTitle(tr("设置"));
    // The dialog draws its own title bar; Qt 6.4 reads the window-manager hint bits of
    // other platforms as something else, so the frame is simply left off.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    keepDialogPositionTrue(this);
    setModal(true);
    setStyleSheet(QString::fromLatin1(kStyleSheet));

    auto *mainLayout = new QHBoxLayout(this);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);

    // Sidebar
    auto *sidebar = new QWidget(this);
    sidebar->setObjectName(QStringLiteral("Sidebar"));
    sidebar->setAttribute(Qt::WA_StyledBackground);
    sidebar->setFixedWidth(164);
    auto *sideLayout = new QVBoxLayout(sidebar);
    sideLayout->setContentsMargins(10, 0, 10, 10);
    sideLayout->setSpacing(3);
    auto *header = new QWidget(sidebar);
    header->setFixedHeight(58);
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(70, 0, 4, 0);
    headerLayout->setSpacing(10);
    headerLayout->addWidget(makeLabel(QStringLiteral("Vistrelle"), "AppName"));
    headerLayout->addStretch();
    sideLayout->addWidget(header);

    m_navGroup = new QButtonGroup(this);
    m_navGroup->setExclusive(true);
    struct NavEntry { QString text; const char *icon; };
    const NavEntry entries[5] = {
        {tr("通用"), ":/icons/icons/settings.svg"},
        {tr("保存"), ":/icons/icons/folder.svg"},
        {tr("鼠标效果"), ":/icons/icons/mouse_effect.svg"},
        {tr("快捷键"), ":/icons/icons/keyboard.svg"},
        {tr("录制"), ":/icons/icons/gpu.svg"},
    };
    for (int id = 0; id < 5; ++id) {
        auto *button = new QPushButton(entries[id].text, sidebar);
        button->setObjectName(QStringLiteral("Nav"));
        button->setCheckable(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setIconSize(QSize(20, 20));
        if (id == RecordingPage) {
            // The recording icon is drawn in the text colour of the others.
            button->setIcon(tintedIcon(QString::fromLatin1(entries[id].icon), QSize(20, 20),
                                       QColor(QStringLiteral("#d6dfec")), devicePixelRatioF()));
            sideLayout->insertWidget(2, button);
        } else {
            button->setIcon(QIcon(QString::fromLatin1(entries[id].icon)));
            sideLayout->addWidget(button);
        }
        m_navGroup->addButton(button, id);
    }
    // The selected page's name is bold: the sidebar grows where a language's widest
    // name would not fit in its button in bold (the button's own room for it, and what
    // the bold name needs more).
    QFont bold = font();
    bold.setPixelSize(13);
    bold.setWeight(QFont::DemiBold);
    int widestButton = 0;
    for (QAbstractButton *button : m_navGroup->buttons()) {
        button->ensurePolished();
        const int boldExtra = QFontMetrics(bold).horizontalAdvance(button->text())
                              - button->fontMetrics().horizontalAdvance(button->text());
        widestButton = std::max(widestButton, button->sizeHint().width() + std::max(0, boldExtra));
    }
    sideLayout->addStretch();
    auto *resetButton = new QPushButton(tr("恢复默认设置"), sidebar);
    resetButton->setObjectName(QStringLiteral("Reset"));
    sideLayout->addWidget(resetButton);
    // Margins 10 + 10 around the widest button; wider too where the reset button's text
    // needs it (German).
    resetButton->ensurePolished();
    sidebar->setFixedWidth(
        std::max({164, 10 + widestButton + 10, 10 + resetButton->sizeHint().width() + 10}));
    mainLayout->addWidget(sidebar);

    // Right pane: title bar, pages, footer
    auto *rightPane = new QWidget(this);
    rightPane->setObjectName(QStringLiteral("RightPane"));
    auto *rightLayout = new QVBoxLayout(rightPane);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);

    m_titleBar = new QWidget(rightPane);
    m_titleBar->setObjectName(QStringLiteral("TitleBar"));
    m_titleBar->setFixedHeight(58);
    auto *titleLayout = new QHBoxLayout(m_titleBar);
    titleLayout->setContentsMargins(20, 0, 12, 0);
    titleLayout->setSpacing(10);
    QLabel *dialogName = makeLabel(tr("设置"), "DialogName");
    titleLayout->addWidget(dialogName);
    titleLayout->addStretch();
    m_titleBar->installEventFilter(this);
    dialogName->installEventFilter(this);
    rightLayout->addWidget(m_titleBar);

    m_stack = new QStackedWidget(rightPane);
    m_stack->setMinimumWidth(0);
    m_stack->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    for (QWidget *page : {buildGeneralPage(), buildSavePage(), buildMousePage(), buildHotkeysPage()}) {
        // Every page scrolls on a display lower than the dialog wants (see fitToDisplay).
        if (!qobject_cast<QScrollArea *>(page)) {
            QScrollArea *scroll = scrollingPage(m_stack, "transparent");
            scroll->setWidget(page);
            page = scroll;
        }
        page->setMinimumWidth(0);
        page->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
        m_stack->addWidget(page);
    }
    m_stack->addWidget(buildRecordingPage());
    rightLayout->addWidget(m_stack, 1);

    auto *footer = new QWidget(rightPane);
    footer->setObjectName(QStringLiteral("Footer"));
    footer->setFixedHeight(58);
    auto *footerLayout = new QHBoxLayout(footer);
    footerLayout->setContentsMargins(20, 8, 16, 10);
    footerLayout->addStretch();
    auto *cancelButton = new QPushButton(tr("取消"), footer);
    cancelButton->setObjectName(QStringLiteral("Secondary"));
    footerLayout->addWidget(cancelButton);
    footerLayout->addSpacing(8);
    auto *okButton = new QPushButton(tr("确定"), footer);
    okButton->setObjectName(QStringLiteral("Primary"));
    footerLayout->addWidget(okButton);
    rightLayout->addWidget(footer);
    mainLayout->addWidget(rightPane, 1);
    // 760 x 510, smaller on a smaller display: the pages scroll, the footer stays.
    fitToDisplay(this, QSize(760, 510), nullptr);

    connect(m_navGroup, &QButtonGroup::idClicked, m_stack, &QStackedWidget::setCurrentIndex);
    connect(resetButton, &QPushButton::clicked, this, &SettingsDialog::restorePageDefaults);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &SettingsDialog::onOk);

    m_navGroup->button(GeneralPage)->setChecked(true);
    loadSettings();
}

void SettingsDialog::setCurrentPage(int page)
{
    if (!m_stack || !m_navGroup || page < 0 || page >= m_stack->count())
        return;
    m_stack->setCurrentIndex(page);
    if (QAbstractButton *button = m_navGroup->button(page))
        button->setChecked(true);
}

int SettingsDialog::currentPage() const
{
    return m_stack ? m_stack->currentIndex() : -1;
}

void SettingsDialog::loadSettings()
{
    QSettings settings;

    m_presetUpdating = true;
    const struct {
        QComboBox *combo;
        const char *key;
        QVariant fallback;
    } recording[] = {
        {m_containerCombo, "recording/container", QStringLiteral("mp4")},
        {m_fpsCombo, "recording/fps", 30},
        {m_qualityCombo, "recording/quality", 1},
        {m_encoderCombo, "recording/encoder", QStringLiteral("auto")},
        {m_frameModeCombo, "recording/frameRateMode", QStringLiteral("cfr")},
        {m_keyframeCombo, "recording/keyframeInterval", 2},
    };
    for (const auto &entry : recording)
        selectByData(entry.combo,
                     storedValue(settings, QString::fromLatin1(entry.key), entry.fallback),
                     entry.fallback);
    m_presetUpdating = false;
    syncRecordingPreset();

    m_startWithSystem->setChecked(settings.value(generalKey("startWithWindows"), false).toBool());
    m_startMinimized->setChecked(settings.value(generalKey("startMinimized"), false).toBool());
    m_verboseLogging->setChecked(settings.value(QStringLiteral("diagnostics/verboseLogging"), false).toBool());
    const int closeBehavior = settings.value(generalKey("closeBehavior"), 2).toInt();
    QAbstractButton *closeButton = m_closeBehaviorGroup->button(closeBehavior);
    (closeButton ? closeButton : m_closeBehaviorGroup->button(2))->setChecked(true);

    m_folderEdit->setText(QDir::toNativeSeparators(
        settings.value(QStringLiteral("save/directory"), moviesFolder()).toString()));
    const int naming = m_namingCombo->findData(
        settings.value(QStringLiteral("save/naming"), QStringLiteral("vistrelle_datetime")).toString());
    m_namingCombo->setCurrentIndex(naming >= 0 ? naming : 0);
    m_diskWarning->setChecked(settings.value(QStringLiteral("save/diskWarning"), true).toBool());
    m_diskThreshold->setValue(settings.value(QStringLiteral("save/diskThresholdGB"), 5).toInt());

    m_highlightEnabled->setChecked(settings.value(QStringLiteral("effects/mouseEnabled"), true).toBool());
    // A stored colour that cannot be read is shown, and saved, as the default that the
    // mouse effects use in its place.
    const auto storedColor = [&settings](const char *key, const QColor &fallback) {
        const QColor color(settings.value(QLatin1String(key), fallback.name(QColor::HexRgb)).toString());
        return color.isValid() ? color : fallback;
    };
    m_highlightColor = storedColor("effects/mouseColor", kDefaultHighlight);
    m_sizeSlider->setValue(settings.value(QStringLiteral("effects/mouseSize"), 40).toInt());
    m_opacitySlider->setValue(settings.value(QStringLiteral("effects/mouseOpacity"), 60).toInt());
    m_clickAnimation->setChecked(settings.value(QStringLiteral("effects/clickAnimation"), true).toBool());
    m_leftClickColor = storedColor("effects/leftClickColor", kDefaultLeftClick);
    m_rightClickColor = storedColor("effects/rightClickColor", kDefaultRightClick);
    updateMouseColorButtons();

    // Hot keys are stored in portable text; read them the same way, so that a key name
    // shown translated in the editor still round-trips.
    for (int i = 0; i < m_hotkeyEdits.size(); ++i) {
        const QString text = settings.value(QStringLiteral("hotkeys/%1").arg(i),
                                            QString::fromLatin1(kDefaultHotkeys[i])).toString();
        m_hotkeyEdits[i]->setKeySequence(QKeySequence::fromString(text, QKeySequence::PortableText));
    }
}

void SettingsDialog::restorePageDefaults()
{
    switch (currentPage()) {
    case RecordingPage:
        applyRecordingPreset(0);
        break;
    case MousePage:
        m_highlightEnabled->setChecked(true);
        m_highlightColor = kDefaultHighlight;
        m_sizeSlider->setValue(40);
        m_opacitySlider->setValue(60);
        m_clickAnimation->setChecked(true);
        m_leftClickColor = kDefaultLeftClick;
        m_rightClickColor = kDefaultRightClick;
        updateMouseColorButtons();
        break;
    case GeneralPage:
        m_startWithSystem->setChecked(false);
        m_startMinimized->setChecked(false);
        m_verboseLogging->setChecked(false);
        m_closeBehaviorGroup->button(2)->setChecked(true);
        break;
    case SavePage:
        m_folderEdit->setText(QDir::toNativeSeparators(moviesFolder()));
        m_namingCombo->setCurrentIndex(m_namingCombo->findData(QStringLiteral("vistrelle_datetime")));
        m_diskWarning->setChecked(true);
        m_diskThreshold->setValue(5);
        break;
    default:
        for (int i = 0; i < m_hotkeyEdits.size(); ++i)
            m_hotkeyEdits[i]->setKeySequence(
                QKeySequence::fromString(QString::fromLatin1(kDefaultHotkeys[i]),
                                         QKeySequence::PortableText));
        break;
    }
}

void SettingsDialog::showPageForProblem(int page)
{
    if (m_stack && m_stack->count() > page)
        setCurrentPage(page);
}

bool SettingsDialog::saveSettings()
{
    // 1. 120 FPS: ask whether this machine can keep up (never shown as a dialog).
    if (m_fpsCombo->currentData().toInt() >= 120) {
        RecordingSettingsDialog check(120, m_qualityCombo->currentData().toInt(),
                                      m_encoderCombo->currentData().toString(),
                                      m_containerCombo->currentData().toString(),
                                      m_frameModeCombo->currentData().toString(),
                                      m_keyframeCombo->currentData().toInt(), this);
        if (!check.validateFrameRateBeforeAccept()) {
            showPageForProblem(RecordingPage);
            return false;
        }
        const int index = m_fpsCombo->findData(check.fps());
        if (index >= 0)
            m_fpsCombo->setCurrentIndex(index);
    }

    // 2. Folder: absolute, created with its parents, and writable.
    const QString folder = resolveSaveFolder(m_folderEdit->text());
    if (folder.isEmpty() || !(QFileInfo(folder).isDir() || QDir().mkpath(folder))
        || !QFileInfo(folder).isWritable()) {
        QMessageBox::warning(this, tr("保存设置"), tr("保存目录无效或无法创建，请重新选择。"),
                             QMessageBox::Ok);
        showPageForProblem(SavePage);
        m_folderEdit->setFocus();
        return false;
    }

    // 3. Hot keys: one chord each, no two alike; none left empty by a key press alone.
    for (HotkeyField *field : std::as_const(m_hotkeyFields))
        field->restoreIfLost();
    QStringList seen;
    for (int i = 0; i < m_hotkeyEdits.size(); ++i) {
        const QKeySequence sequence = m_hotkeyEdits[i]->keySequence();
        if (sequence.isEmpty())
            continue;
        QString problem;
        const QString portable = sequence.toString(QKeySequence::PortableText);
        if (sequence.count() > 1)
            problem = tr("每个全局快捷键只能包含一个组合，请重新设置。");
        else if (seen.contains(portable))
            problem = tr("快捷键 %1 被重复使用，请为每个功能设置不同组合。")
                          .arg(sequence.toString(QKeySequence::NativeText));
        if (!problem.isEmpty()) {
            QMessageBox::warning(this, tr("快捷键设置"), problem, QMessageBox::Ok);
            showPageForProblem(HotkeysPage);
            m_hotkeyEdits[i]->setFocus();
            return false;
        }
        seen.append(portable);
    }

    // 4. Write everything in one pass.
    QSettings settings;
    settings.setValue(generalKey("startWithWindows"), m_startWithSystem->isChecked());
    if (QString error; !LoginItem::apply(m_startWithSystem->isChecked(), QCoreApplication::applicationFilePath(), &error))
        qWarning().noquote() << "[Settings] start at login:" << error;
    settings.setValue(generalKey("startMinimized"), m_startMinimized->isChecked());
    settings.setValue(generalKey("closeBehavior"), m_closeBehaviorGroup->checkedId());
    settings.setValue(QStringLiteral("diagnostics/verboseLogging"), m_verboseLogging->isChecked());
    settings.setValue(QStringLiteral("save/directory"), folder);
    settings.setValue(QStringLiteral("save/naming"), m_namingCombo->currentData().toString());
    settings.setValue(QStringLiteral("save/diskWarning"), m_diskWarning->isChecked());
    settings.setValue(QStringLiteral("save/diskThresholdGB"), m_diskThreshold->value());
    settings.setValue(QStringLiteral("effects/mouseEnabled"), m_highlightEnabled->isChecked());
    settings.setValue(QStringLiteral("effects/mouseColor"), m_highlightColor.name(QColor::HexRgb));
    settings.setValue(QStringLiteral("effects/mouseSize"), m_sizeSlider->value());
    settings.setValue(QStringLiteral("effects/mouseOpacity"), m_opacitySlider->value());
    settings.setValue(QStringLiteral("effects/clickAnimation"), m_clickAnimation->isChecked());
    settings.setValue(QStringLiteral("effects/leftClickColor"), m_leftClickColor.name(QColor::HexRgb));
    settings.setValue(QStringLiteral("effects/rightClickColor"), m_rightClickColor.name(QColor::HexRgb));
    for (int i = 0; i < m_hotkeyEdits.size(); ++i)
        settings.setValue(QStringLiteral("hotkeys/%1").arg(i),
                          m_hotkeyEdits[i]->keySequence().toString(QKeySequence::PortableText));
    for (const char *key : kRemovedKeys)
        settings.remove(QString::fromLatin1(key));
    settings.setValue(QStringLiteral("recording/container"), m_containerCombo->currentData().toString());
    settings.setValue(QStringLiteral("recording/fps"), m_fpsCombo->currentData().toInt());
    settings.setValue(QStringLiteral("recording/quality"), m_qualityCombo->currentData().toInt());
    settings.setValue(QStringLiteral("recording/encoder"), m_encoderCombo->currentData().toString());
    settings.setValue(QStringLiteral("recording/frameRateMode"), m_frameModeCombo->currentData().toString());
    settings.setValue(QStringLiteral("recording/keyframeInterval"), m_keyframeCombo->currentData().toInt());

    // 5. Did the store take it?
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        QMessageBox::warning(this, tr("设置"), tr("设置写入失败，请检查当前用户的配置权限。"),
                             QMessageBox::Ok);
        return false;
    }
    return true;
}

QString SettingsDialog::resolveSaveFolder(const QString &typed)
{
    return SaveFolder::resolve(typed);
}

void SettingsDialog::onOk()
{
    if (!saveSettings())
        return;
    emit settingsApplied();
    accept();
}

bool SettingsDialog::eventFilter(QObject *watched, QEvent *event)
{
    const bool onTitleBar = watched == m_titleBar
                            || (watched->isWidgetType() && watched->parent() == m_titleBar);
    if (onTitleBar && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && windowHandle()
            && startWindowMove(this, mouse->globalPosition().toPoint()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The common recording options share the width equally, but never so that a column
    // is narrower than its box's longest item in the language on show (measured once the
    // style sheet applies).
    if (m_commonGrid) {
        const QComboBox *columns[3] = {m_containerCombo, m_fpsCombo, m_qualityCombo};
        for (int column = 0; column < 3; ++column)
            m_commonGrid->setColumnMinimumWidth(column, columns[column]->sizeHint().width());
    }
}

// ---- Pages ------------------------------------------------------------------------------

QWidget *SettingsDialog::buildGeneralPage()
{
    // Tighter than the other pages and able to scroll, so that the close hint, two or three
    // lines long, is shown whole.
    QScrollArea *scroll = scrollingPage(m_stack, "transparent");
    auto *page = new QWidget;
    QVBoxLayout *layout = startPage(page, tr("通用"), 6);
    m_startWithSystem = new QCheckBox(tr("开机时自动启动 Vistrelle"), page);
    m_startMinimized = new QCheckBox(tr("启动后最小化到系统托盘"), page);
    layout->addWidget(m_startWithSystem);
    layout->addWidget(m_startMinimized);
    layout->addSpacing(8);
    layout->addWidget(makeLine());
    layout->addWidget(makeLabel(tr("关闭按钮"), "Section"));
    m_closeBehaviorGroup = new QButtonGroup(page);
    m_closeBehaviorGroup->setExclusive(true);
    const QString closeTexts[3] = {tr("最小化到系统托盘"), tr("退出程序"), tr("每次询问我")};
    for (int id = 0; id < 3; ++id) {
        auto *radio = new QRadioButton(closeTexts[id], page);
        radio->setObjectName(QStringLiteral("CloseBehavior%1").arg(id));
        m_closeBehaviorGroup->addButton(radio, id);
        layout->addWidget(radio);
    }
    m_closeBehaviorNote = makeLabel(
        tr("选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。"), "Muted");
    m_closeBehaviorNote->setWordWrap(true);
    layout->addWidget(m_closeBehaviorNote);
    layout->addWidget(makeLine());
    layout->addWidget(makeLabel(tr("诊断"), "Section"));
    m_verboseLogging = new QCheckBox(tr("启用详细诊断日志"), page);
    layout->addWidget(m_verboseLogging);
    QLabel *logNote = makeLabel(tr("日志保存在本机；重启后生效。"), "Muted");
    logNote->setWordWrap(true);
    layout->addWidget(logNote);
    layout->addStretch();
    scroll->setWidget(page);
    return scroll;
}

QWidget *SettingsDialog::buildSavePage()
{
    auto *page = new QWidget(m_stack);
    QVBoxLayout *layout = startPage(page, tr("保存"), 12);
    layout->addWidget(makeLabel(tr("默认保存目录"), "Section"));
    auto *folderRow = new QHBoxLayout;
    m_folderEdit = new QLineEdit(page);
    m_folderEdit->setObjectName(QStringLiteral("SaveFolder"));
    auto *browse = new QPushButton(tr("浏览…"), page);
    browse->setObjectName(QStringLiteral("Browse"));
    folderRow->addWidget(m_folderEdit, 1);
    folderRow->addWidget(browse);
    layout->addLayout(folderRow);
    layout->addWidget(makeLabel(tr("文件命名规则"), "Section"));
    m_namingCombo = new QComboBox(page);
    m_namingCombo->setObjectName(QStringLiteral("SaveNaming"));
    m_namingCombo->addItem(tr("日期 + 时间"), QStringLiteral("datetime"));
    m_namingCombo->addItem(tr("Vistrelle + 日期时间"), QStringLiteral("vistrelle_datetime"));
    m_namingCombo->addItem(tr("自动编号"), QStringLiteral("sequence"));
    layout->addWidget(m_namingCombo);
    // The example follows the chosen naming (the names the recorder gives).
    QLabel *example = makeLabel(QString(), "Muted");
    example->setObjectName(QStringLiteral("NamingExample"));
    layout->addWidget(example);
    const auto showExample = [this, example] {
        const QString naming = m_namingCombo->currentData().toString();
        const QString name = naming == QLatin1String("sequence") ? QStringLiteral("Recording_0001.mp4")
                             : naming == QLatin1String("datetime")
                                 ? QStringLiteral("2026-09-04_143022_125.mp4")
                                 : QStringLiteral("Vistrelle_2026-09-04_143022_125.mp4");
        example->setText(tr("示例：%1").arg(name));
    };
    connect(m_namingCombo, &QComboBox::currentIndexChanged, example, showExample);
    showExample();
    layout->addSpacing(6);
    layout->addWidget(makeLine());
    layout->addWidget(makeLabel(tr("磁盘空间提醒"), "Section"));
    auto *diskRow = new QHBoxLayout;
    m_diskWarning = new QCheckBox(tr("当磁盘剩余空间少于"), page);
    m_diskThreshold = new QSpinBox(page);
    m_diskThreshold->setRange(1, 100);
    m_diskThreshold->setSuffix(QLatin1Char(' ') + NumberText::byteUnit(NumberText::ByteUnit::GB));
    diskRow->addWidget(m_diskWarning);
    diskRow->addWidget(m_diskThreshold);
    diskRow->addWidget(makeLabel(tr("时提醒我")));
    diskRow->addStretch();
    layout->addLayout(diskRow);
    layout->addStretch();

    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getExistingDirectory(
            this, tr("选择保存目录"), m_folderEdit->text(), QFileDialog::ShowDirsOnly);
        if (!chosen.isEmpty())
            m_folderEdit->setText(QDir::toNativeSeparators(chosen));
    });
    return page;
}

QWidget *SettingsDialog::buildMousePage()
{
    auto *page = new QWidget(m_stack);
    QVBoxLayout *layout = startPage(page, tr("鼠标效果"), 12);
    m_highlightEnabled = new QCheckBox(tr("显示鼠标高亮"), page);
    layout->addWidget(m_highlightEnabled);

    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(makeLabel(tr("高亮颜色")));
    for (const char *color : kSwatchColors) {
        auto *swatch = new QPushButton(page);
        swatch->setCheckable(true);
        swatch->setFixedSize(24, 24);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setProperty("color", QString::fromLatin1(color));
        swatch->setStyleSheet(QStringLiteral("QPushButton{background:%1;border:2px solid transparent;"
                                             "border-radius:12px;padding:0;min-height:20px;}QPushButton:checked{border:3px solid white;}")
                                  .arg(QString::fromLatin1(color)));
        connect(swatch, &QPushButton::clicked, this, [this, swatch] {
            m_highlightColor = QColor(swatch->property("color").toString());
            updateMouseColorButtons();
        });
        m_colorSwatches.append(swatch);
        colorRow->addWidget(swatch);
    }
    colorRow->addStretch();
    layout->addLayout(colorRow);

    auto addSliderRow = [&](const QString &name, const QString &caption, int minimum, int maximum, QSlider *&slider,
                            QLabel *&readOut, const QString &suffix) {
        auto *row = new QHBoxLayout;
        row->addWidget(makeLabel(caption));
        slider = new QSlider(Qt::Horizontal, page);
        slider->setObjectName(name);
        slider->setRange(minimum, maximum);
        // Filled from its least end, left to right as the player's sliders are (right to left
        // the style sheet filled it from the other end).
        keepLeftToRight(slider);
        row->addWidget(slider, 1);
        readOut = makeLabel(QString::number(slider->value()) + suffix);
        readOut->setFixedWidth(48);
        row->addWidget(readOut);
        layout->addLayout(row);
        QLabel *label = readOut;
        connect(slider, &QSlider::valueChanged, label,
                [label, suffix](int value) { label->setText(QString::number(value) + suffix); });
    };
    addSliderRow(QStringLiteral("MouseSize"), tr("大小"), 20, 120, m_sizeSlider, m_sizeValue, QStringLiteral(" px"));
    addSliderRow(QStringLiteral("MouseOpacity"), tr("透明度"), 10, 100, m_opacitySlider, m_opacityValue, QStringLiteral("%"));

    layout->addWidget(makeLine());
    layout->addWidget(makeLabel(tr("点击动画"), "Section"));
    m_clickAnimation = new QCheckBox(tr("显示鼠标点击动画"), page);
    layout->addWidget(m_clickAnimation);
    auto *clickRow = new QHBoxLayout;
    clickRow->setSpacing(10);
    m_leftClickButton = new QPushButton(page);
    m_rightClickButton = new QPushButton(page);
    for (QPushButton *button : {m_leftClickButton, m_rightClickButton}) {
        button->setObjectName(QStringLiteral("ColorChoice"));
        button->setFixedSize(112, 36);
        button->setCursor(Qt::PointingHandCursor);
    }
    clickRow->addWidget(makeLabel(tr("左键点击")));
    clickRow->addWidget(m_leftClickButton);
    clickRow->addSpacing(22);
    clickRow->addWidget(makeLabel(tr("右键点击")));
    clickRow->addWidget(m_rightClickButton);
    clickRow->addStretch();
    layout->addLayout(clickRow);
    layout->addStretch();

    connect(m_leftClickButton, &QPushButton::clicked, this, [this] { chooseClickColor(true); });
    connect(m_rightClickButton, &QPushButton::clicked, this, [this] { chooseClickColor(false); });
    return page;
}

void SettingsDialog::chooseClickColor(bool left)
{
    QColor &target = left ? m_leftClickColor : m_rightClickColor;
    const QColor chosen = QColorDialog::getColor(target, this, tr("选择颜色"),
                                                 QColorDialog::ShowAlphaChannel);
    if (chosen.isValid())
        target = chosen;
    updateMouseColorButtons();
}

void SettingsDialog::updateMouseColorButtons()
{
    for (QPushButton *swatch : std::as_const(m_colorSwatches))
        swatch->setChecked(QColor(swatch->property("color").toString()) == m_highlightColor);

    const auto paintButton = [this](QPushButton *button, const QColor &color) {
        QPixmap pixmap(18, 18);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor outline(Qt::white);
        outline.setAlpha(105);
        painter.setPen(QPen(outline, 1));
        painter.setBrush(color);
        painter.drawRoundedRect(QRectF(1, 1, 16, 16), 4, 4);
        painter.end();
        button->setIcon(QIcon(pixmap));
        button->setIconSize(QSize(18, 18));
        button->setText(color.name(QColor::HexRgb).toUpper());
        button->setToolTip(tr("点击选择颜色"));
    };
    paintButton(m_leftClickButton, m_leftClickColor);
    paintButton(m_rightClickButton, m_rightClickColor);
}

SettingsDialog::~SettingsDialog()
{
    // The editors go after this: focus changes while they go are not ours to report.
    disconnect(m_focusWatch);
    if (m_hotkeyFieldFocused)
        emit hotkeyFieldFocused(false);
}

QWidget *SettingsDialog::buildHotkeysPage()
{
    auto *page = new QWidget(m_stack);
    QVBoxLayout *layout = startPage(page, tr("快捷键"), 12);
    const QString captions[5] = {tr("开始 / 停止录制"), tr("暂停 / 继续录制"), tr("截图（全屏 / 区域）"),
                                 tr("显示 / 隐藏悬浮工具栏"), tr("显示 / 隐藏注释工具栏")};
    for (const QString &caption : captions) {
        auto *row = new QHBoxLayout;
        QLabel *label = makeLabel(caption);
        label->setFixedWidth(200);
        label->setWordWrap(true); // a long caption takes a second line instead of being cut
        auto *editor = new QKeySequenceEdit(page);
        editor->setObjectName(QStringLiteral("Hotkey%1").arg(m_hotkeyEdits.size()));
        editor->setClearButtonEnabled(true);
        row->addWidget(label);
        row->addWidget(editor, 1);
        layout->addLayout(row);
        m_hotkeyEdits.append(editor);
        m_hotkeyFields.append(new HotkeyField(editor));
    }
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        bool inField = false;
        for (QKeySequenceEdit *editor : std::as_const(m_hotkeyEdits))
            inField = inField || (now && (now == editor || editor->isAncestorOf(now)));
        if (inField != m_hotkeyFieldFocused)
            emit hotkeyFieldFocused(m_hotkeyFieldFocused = inField);
    });
    layout->addStretch();
    return page;
}

QWidget *SettingsDialog::buildRecordingPage()
{
    QScrollArea *scroll = scrollingPage(m_stack, "#0b1929");
    auto *page = new QWidget;
    QVBoxLayout *layout = startPage(page, tr("录制"), 8);

    QLabel *note = makeLabel(tr("点击确定后保存，应用于下一次录制。"), "Muted");
    note->setWordWrap(true);
    layout->addWidget(note);

    auto *presetRow = new QHBoxLayout;
    presetRow->addWidget(makeLabel(tr("录制预设"), "Section"));
    m_presetCombo = new QComboBox(page);
    m_presetCombo->setObjectName(QStringLiteral("RecordingPreset"));
    m_presetCombo->addItems({tr("办公"), tr("课程"), tr("游戏"), tr("自定义")});
    presetRow->addWidget(m_presetCombo, 1);
    layout->addLayout(presetRow);

    const auto makeCombo = [page](const char *name) {
        auto *combo = new QComboBox(page);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setMinimumWidth(0);
        combo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        return combo;
    };
    m_containerCombo = makeCombo("RecordingFormat");
    m_containerCombo->addItem(QStringLiteral("MP4"), QStringLiteral("mp4"));
    m_containerCombo->addItem(QStringLiteral("MKV"), QStringLiteral("mkv"));
    m_fpsCombo = makeCombo("RecordingFps");
    for (int fps : {24, 30, 60, 120})
        m_fpsCombo->addItem(NumberText::isolated(QStringLiteral("%1 FPS").arg(fps)), fps); // "30 FPS" right to left too
    m_qualityCombo = makeCombo("RecordingQuality");
    m_qualityCombo->addItem(tr("标准"), 0);
    m_qualityCombo->addItem(tr("高清（推荐）"), 1);
    m_qualityCombo->addItem(tr("超清"), 2);
    m_encoderCombo = makeCombo("RecordingEncoder");
    m_encoderCombo->addItem(tr("自动（推荐）"), QStringLiteral("auto"));
    m_encoderCombo->addItem(QStringLiteral("CPU (H.264)"), QStringLiteral("libx264"));
    m_encoderCombo->addItem(QStringLiteral("Apple VideoToolbox (H.264)"), QStringLiteral("h264_videotoolbox"));
    m_encoderCombo->addItem(QStringLiteral("NVIDIA (NVENC)"), QStringLiteral("h264_nvenc"));
    m_encoderCombo->addItem(QStringLiteral("Intel (Quick Sync)"), QStringLiteral("h264_qsv"));
    m_encoderCombo->addItem(QStringLiteral("AMD (AMF)"), QStringLiteral("h264_amf"));
    markUnavailableEncoders(m_encoderCombo);
    m_encoderCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_frameModeCombo = makeCombo("RecordingFrameMode");
    m_frameModeCombo->addItem(tr("恒定（推荐）"), QStringLiteral("cfr"));
    m_frameModeCombo->addItem(tr("可变"), QStringLiteral("vfr"));
    m_keyframeCombo = makeCombo("RecordingKeyframe");
    for (int seconds = 1; seconds <= 5; ++seconds)
        m_keyframeCombo->addItem(tr("%1 秒").arg(seconds), seconds);

    layout->addWidget(makeLabel(tr("常用设置"), "Section"));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->addWidget(makeLabel(tr("视频格式")), 0, 0);
    grid->addWidget(makeLabel(tr("帧率")), 0, 1);
    grid->addWidget(makeLabel(tr("画质")), 0, 2);
    grid->addWidget(m_containerCombo, 1, 0);
    grid->addWidget(m_fpsCombo, 1, 1);
    grid->addWidget(m_qualityCombo, 1, 2);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);
    m_commonGrid = grid;
    layout->addLayout(grid);

    layout->addWidget(makeLabel(tr("硬件加速"), "Section"));
    layout->addWidget(m_encoderCombo);

    m_advancedToggle = new QPushButton(tr("高级设置 ▾"), page);
    m_advancedToggle->setObjectName(QStringLiteral("RecordingAdvancedToggle"));
    m_advancedToggle->setCheckable(true);
    m_advancedToggle->setStyleSheet(QStringLiteral(
        "QPushButton{border:none;background:transparent;color:#79adff;text-align:left;min-height:26px;}"));
    layout->addWidget(m_advancedToggle);
    m_advancedPanel = new QWidget(page);
    auto *advancedGrid = new QGridLayout(m_advancedPanel);
    advancedGrid->setContentsMargins(0, 0, 0, 0);
    advancedGrid->setHorizontalSpacing(12);
    advancedGrid->addWidget(makeLabel(tr("帧率类型")), 0, 0);
    advancedGrid->addWidget(makeLabel(tr("关键帧间隔")), 0, 1);
    advancedGrid->addWidget(m_frameModeCombo, 1, 0);
    advancedGrid->addWidget(m_keyframeCombo, 1, 1);
    advancedGrid->setColumnStretch(0, 1);
    advancedGrid->setColumnStretch(1, 1);
    m_advancedPanel->hide();
    layout->addWidget(m_advancedPanel);
    layout->addStretch();

    connect(m_advancedToggle, &QPushButton::toggled, this, [this, scroll](bool checked) {
        m_advancedPanel->setVisible(checked);
        m_advancedToggle->setText(checked ? tr("收起高级设置 ▴") : tr("高级设置 ▾"));
        // Where the page runs taller than its view (the taller Chinese, Japanese and Korean
        // lines), the opened row is brought into view instead of lying under the footer.
        if (checked)
            QTimer::singleShot(0, scroll, [scroll, panel = QPointer<QWidget>(m_advancedPanel)] {
                if (panel && panel->isVisible())
                    scroll->ensureWidgetVisible(panel, 0, 12);
            });
    });
    connect(m_presetCombo, &QComboBox::activated, this, &SettingsDialog::applyRecordingPreset);
    for (QComboBox *combo : {m_containerCombo, m_fpsCombo, m_qualityCombo, m_encoderCombo,
                             m_frameModeCombo, m_keyframeCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &SettingsDialog::syncRecordingPreset);

    scroll->setWidget(page);
    return scroll;
}

void SettingsDialog::applyRecordingPreset(int preset)
{
    if (preset < 0 || preset > 2)
        return;
    m_presetUpdating = true;
    m_fpsCombo->setCurrentIndex(m_fpsCombo->findData(preset == 2 ? 60 : 30));
    m_qualityCombo->setCurrentIndex(preset == 0 ? 1 : 2);
    m_containerCombo->setCurrentIndex(0);
    m_encoderCombo->setCurrentIndex(0);
    m_frameModeCombo->setCurrentIndex(0);
    m_keyframeCombo->setCurrentIndex(m_keyframeCombo->findData(2));
    m_presetUpdating = false;
    syncRecordingPreset();
}

void SettingsDialog::syncRecordingPreset()
{
    if (m_presetUpdating || !m_presetCombo)
        return;
    int preset = 3;
    if (m_containerCombo->currentData().toString() == QLatin1String("mp4")
        && m_encoderCombo->currentData().toString() == QLatin1String("auto")
        && m_frameModeCombo->currentData().toString() == QLatin1String("cfr")
        && m_keyframeCombo->currentData().toInt() == 2) {
        const int fps = m_fpsCombo->currentData().toInt();
        const int quality = m_qualityCombo->currentData().toInt();
        if (fps == 30 && quality == 1)
            preset = 0;
        else if (fps == 30 && quality == 2)
            preset = 1;
        else if (fps == 60 && quality == 2)
            preset = 2;
    }
    m_presetCombo->setCurrentIndex(preset);
}
