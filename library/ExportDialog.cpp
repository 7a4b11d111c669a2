#include "library/ExportDialog.h"

#include "widgets/DialogPlacement.h"
#include "widgets/MessageBoxes.h"
#include "library/VideoEditor.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char *const kLabelStyle = "font-size:12px;color:#9aa0b8;";
const char *const kComboStyle =
    "QComboBox{background:#252830;border:1px solid #2e3240;border-radius:4px;color:#c0c6d8;padding:4px 8px;"
    "font-size:12px;}QComboBox::drop-down{border:none;}QComboBox QAbstractItemView{background:#1a1e28;"
    "border:1px solid #2e3240;color:#9aa0b8;selection-background-color:#252830;}QComboBox:disabled{color:#5a6070;}";
const char *const kSpinStyle =
    "QSpinBox{background:#252830;border:1px solid #2e3240;border-radius:4px;color:#c0c6d8;padding:4px 8px;"
    "font-size:12px;}QSpinBox::up-button,QSpinBox::down-button{width:18px;background:#2e3240;border:none;}"
    "QSpinBox:disabled{color:#5a6070;}";

QLabel *formLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QString::fromLatin1(kLabelStyle));
    return label;
}

QSpinBox *spinBox(int min, int max, int value, const QString &suffix, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(min, max);
    spin->setValue(value);
    spin->setSuffix(suffix);
    spin->setStyleSheet(QString::fromLatin1(kSpinStyle));
    return spin;
}

} // namespace

ExportDialog::ExportDialog(const QString &inputPath, QWidget *parent)
    : QDialog(parent)
    , m_input(inputPath)
{
    setObjectName(QStringLiteral("ExportDialog"));
    setWindowTitle(tr("导出"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    keepDialogPositionTrue(this);
    setModal(true);
    setStyleSheet(QStringLiteral(
        "QDialog{background:#1e2128;border:1px solid rgba(255,255,255,0.08);border-radius:8px;}"));
    m_editor = new VideoEditor(this);
    buildUi();
}

ExportDialog::~ExportDialog() = default;

QStringList ExportDialog::formatCodes()
{
    return {QStringLiteral("mp4"), QStringLiteral("mkv"), QStringLiteral("gif"), QStringLiteral("mp3"),
            QStringLiteral("aac")};
}

QString ExportDialog::extensionFor(const QString &formatCode)
{
    return formatCodes().contains(formatCode) ? QLatin1Char('.') + formatCode : QStringLiteral(".mp4");
}

void ExportDialog::buildUi()
{
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    m_titleBar = new QWidget(this);
    m_titleBar->setObjectName(QStringLiteral("ExportTitle"));
    m_titleBar->setAttribute(Qt::WA_StyledBackground);
    m_titleBar->setFixedHeight(42);
    m_titleBar->setStyleSheet(QStringLiteral("background:#16181f;border-radius:8px 8px 0 0;"));
    m_titleBar->installEventFilter(this);
    auto *titleRow = new QHBoxLayout(m_titleBar);
    titleRow->setContentsMargins(14, 0, 8, 0);
    auto *title = new QLabel(tr("↑  导出设置"), m_titleBar);
    title->setStyleSheet(QStringLiteral("color:#dce2f0;font-size:13px;font-weight:600;background:transparent;"));
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    titleRow->addWidget(title);
    titleRow->addStretch();
    auto *close = new QPushButton(QStringLiteral("✕"), m_titleBar);
    close->setObjectName(QStringLiteral("ExportClose"));
    close->setFixedSize(28, 28);
    close->setStyleSheet(QStringLiteral(
        "QPushButton{background:transparent;border:none;color:#6a7080;font-size:14px;border-radius:4px;}"
        "QPushButton:hover{background:#e81123;color:white;}"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    titleRow->addWidget(close);
    root->addWidget(m_titleBar);

    auto *formHost = new QWidget(this);
    m_form = new QFormLayout(formHost);
    m_form->setContentsMargins(16, 14, 16, 14);
    m_form->setSpacing(10);

    m_format = new QComboBox(formHost);
    m_format->setObjectName(QStringLiteral("ExportFormat"));
    const QStringList formatTexts{tr("MP4 (.mp4)"), tr("MKV (.mkv)"), tr("GIF 动图 (.gif)"),
                                  tr("仅音频 MP3 (.mp3)"), tr("仅音频 AAC (.aac)")};
    const QStringList codes = formatCodes();
    for (int i = 0; i < codes.size(); ++i)
        m_format->addItem(formatTexts.at(i), codes.at(i));
    m_format->setStyleSheet(QString::fromLatin1(kComboStyle));
    m_form->addRow(formLabel(tr("格式"), formHost), m_format);

    m_encoder = new QComboBox(formHost);
    m_encoder->setObjectName(QStringLiteral("ExportEncoder"));
    m_encoder->addItems({QStringLiteral("libx264"), QStringLiteral("libx265"), QStringLiteral("h264_nvenc"),
                         QStringLiteral("h264_qsv")});
    m_encoder->setStyleSheet(QString::fromLatin1(kComboStyle));
    m_form->addRow(formLabel(tr("视频编码"), formHost), m_encoder);

    m_bitrate = spinBox(500, 20000, 4000, QStringLiteral(" kbps"), formHost);
    m_bitrate->setObjectName(QStringLiteral("ExportBitrate"));
    m_form->addRow(formLabel(tr("视频码率"), formHost), m_bitrate);

    m_speed = new QComboBox(formHost);
    m_speed->setObjectName(QStringLiteral("ExportSpeed"));
    m_speed->addItem(QStringLiteral("0.25×"), QStringLiteral("0.25"));
    m_speed->addItem(QStringLiteral("0.5×"), QStringLiteral("0.5"));
    m_speed->addItem(tr("1× (正常)"), QStringLiteral("1.0"));
    m_speed->addItem(QStringLiteral("2×"), QStringLiteral("2.0"));
    m_speed->addItem(QStringLiteral("4×"), QStringLiteral("4.0"));
    m_speed->setCurrentIndex(2);
    m_speed->setStyleSheet(QString::fromLatin1(kComboStyle));
    m_form->addRow(formLabel(tr("播放速度"), formHost), m_speed);

    m_gifFps = spinBox(5, 30, 15, QStringLiteral(" fps"), formHost);
    m_gifFps->setObjectName(QStringLiteral("ExportGifFps"));
    m_form->addRow(formLabel(tr("GIF 帧率"), formHost), m_gifFps);
    m_gifWidth = spinBox(120, 1920, 640, QStringLiteral(" px"), formHost);
    m_gifWidth->setObjectName(QStringLiteral("ExportGifWidth"));
    m_form->addRow(formLabel(tr("GIF 宽度"), formHost), m_gifWidth);
    m_form->setRowVisible(m_gifFps, false);
    m_form->setRowVisible(m_gifWidth, false);
    root->addWidget(formHost, 1);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ExportProgress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setFixedHeight(5);
    m_progress->setTextVisible(false);
    m_progress->setStyleSheet(QStringLiteral(
        "QProgressBar{background:#252830;border:none;border-radius:0;}QProgressBar::chunk{background:#e05c3a;}"));
    root->addWidget(m_progress);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("ExportStatus"));
    m_status->setWordWrap(true);
    m_status->setStyleSheet(QStringLiteral("font-size:11px;color:#5a6070;padding:4px 16px;"));
    root->addWidget(m_status);

    auto *footer = new QWidget(this);
    footer->setAttribute(Qt::WA_StyledBackground);
    footer->setFixedHeight(52);
    footer->setStyleSheet(QStringLiteral("background:#16181f;border-radius:0 0 8px 8px;"));
    auto *footerRow = new QHBoxLayout(footer);
    footerRow->setContentsMargins(14, 0, 14, 0);
    footerRow->setSpacing(8);
    footerRow->addStretch();
    m_openFolder = new QPushButton(QCoreApplication::translate("Common", "Open Folder"), footer);
    m_openFolder->setObjectName(QStringLiteral("ExportOpenFolder"));
    m_openFolder->setFixedSize(104, 32);
    m_openFolder->setStyleSheet(QStringLiteral(
        "QPushButton{background:#252830;border:1px solid #3b6df5;border-radius:5px;color:#dce8ff;font-size:12px;"
        "font-weight:600;}QPushButton:hover{background:#2a3b63;border-color:#5c8cff;color:white;}"));
    m_openFolder->hide();
    connect(m_openFolder, &QPushButton::clicked, this, &ExportDialog::openOutputFolder);
    footerRow->addWidget(m_openFolder);
    auto *cancel = new QPushButton(tr("取消"), footer);
    cancel->setObjectName(QStringLiteral("ExportCancel"));
    cancel->setFixedSize(80, 32);
    cancel->setStyleSheet(QStringLiteral(
        "QPushButton{background:#252830;border:1px solid #2e3240;border-radius:5px;color:#9aa0b8;font-size:12px;}"
        "QPushButton:hover{background:#2e3340;}"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    footerRow->addWidget(cancel);
    m_start = new QPushButton(tr("开始导出"), footer);
    m_start->setObjectName(QStringLiteral("ExportStart"));
    m_start->setFixedSize(100, 32);
    m_start->setStyleSheet(QStringLiteral(
        "QPushButton{background:#e05c3a;border:none;border-radius:5px;color:white;font-size:12px;"
        "font-weight:600;}QPushButton:hover{background:#c8512f;}QPushButton:disabled{background:#6b3a2e;"
        "color:#c9a79d;}"));
    connect(m_start, &QPushButton::clicked, this, &ExportDialog::onStartExport);
    footerRow->addWidget(m_start);
    root->addWidget(footer);
    // 420 x 420, smaller on a smaller display: the form scrolls, the buttons stay.
    fitToDisplay(this, QSize(420, 420), formHost);

    connect(m_format, &QComboBox::currentTextChanged, this, &ExportDialog::onFormatChanged);
    connect(m_editor, &VideoEditor::progress, m_progress, &QProgressBar::setValue);
    connect(m_editor, &VideoEditor::finished, this, [this](const QString &path) {
        m_lastExport = path;
        m_status->setText(tr("✓ 已保存到: ") + path);
        m_start->setEnabled(true);
        m_openFolder->setVisible(!path.isEmpty());
    });
    connect(m_editor, &VideoEditor::errorOccurred, this, [this](const QString &message) {
        m_lastExport.clear();
        m_status->setText(QStringLiteral("✗ ") + message);
        m_start->setEnabled(true);
        m_openFolder->hide();
    });
}

// The format is read from the item's code, not from its (translated) text.
QString ExportDialog::currentFormat() const
{
    return m_format->currentData().toString();
}

void ExportDialog::onFormatChanged(const QString &)
{
    const QString format = currentFormat();
    const bool gif = format == QLatin1String("gif");
    const bool audio = format == QLatin1String("mp3") || format == QLatin1String("aac");
    m_encoder->setEnabled(!gif && !audio);
    m_bitrate->setEnabled(!gif && !audio);
    m_form->setRowVisible(m_gifFps, gif);
    m_form->setRowVisible(m_gifWidth, gif);
}

void ExportDialog::onStartExport()
{
    const QString format = currentFormat();
    const QString extension = extensionFor(format);
    const QString proposed = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation)
        + QStringLiteral("/Vistrelle_export") + extension;
    const QString output = QFileDialog::getSaveFileName(this, tr("保存为"), proposed,
                                                        tr("视频文件 (*.mp4 *.mkv *.gif *.mp3 *.aac)"));
    if (output.isEmpty())
        return;

    m_lastExport.clear();
    m_openFolder->hide();
    m_start->setEnabled(false);
    m_progress->setValue(0);
    m_status->setText(tr("导出中..."));

    const float speed = m_speed->currentData().toString().toFloat();
    if (format == QLatin1String("gif"))
        m_editor->exportGif(m_input, m_gifFps->value(), m_gifWidth->value(), output);
    else if (format == QLatin1String("mp3"))
        m_editor->exportAudio(m_input, output, QStringLiteral("libmp3lame"));
    else if (format == QLatin1String("aac"))
        m_editor->exportAudio(m_input, output, QStringLiteral("aac"));
    else if (std::abs(speed - 1.0f) > 0.01f)
        m_editor->changeSpeed(m_input, speed, output);
    else
        m_editor->trim(m_input, 0.0, 1e9, output);
}

void ExportDialog::openOutputFolder()
{
    if (!m_lastExport.isEmpty())
        openContainingFolder(m_lastExport);
}

bool ExportDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_titleBar && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && startWindowMove(this, mouse->globalPosition().toPoint()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
