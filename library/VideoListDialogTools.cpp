// The one-shot tools of the media library's "more" menu: speed, volume, audio extraction,
// conversion, rename and file information. Each writes a new file beside the source (or
// renames it in place) and never replaces an existing file.
#include "library/VideoListDialog.h"

#include "widgets/LeftToRight.h"
#include "library/LibraryIcons.h"
#include "library/LibraryToolArguments.h"
#include "library/MediaLibraryFiles.h"
#include "library/ThumbnailCache.h"
#include "library/VideoPlayer.h"
#include "platform/mac/OverlayWindowSupport.h"
#include "recording/NumberText.h"
#include "widgets/DialogPlacement.h"
#include "widgets/MessageBoxes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <QWindow>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace {

const char *const kToolSecondaryButton =
    "QPushButton{background:#102039;border:1px solid #304764;border-radius:7px;color:#dce7fa;font-size:13px;"
    "padding:0 16px;}QPushButton:hover{background:#182d4b;border-color:#4777b8;}"
    "QPushButton:checked{background:#2874f0;border-color:#4d8dff;color:white;}"
    "QPushButton:disabled{color:#65738a;}";
const char *const kToolPrimaryButton =
    "QPushButton{background:#2874f0;border:1px solid #4d8dff;border-radius:7px;color:white;font-size:13px;"
    "font-weight:600;padding:0 18px;}QPushButton:hover{background:#3982fa;}"
    "QPushButton:disabled{background:#23314a;color:#71809a;}";

// The frame every tool asks in: a frameless dark dialog with an icon, a title and a subtitle
// in a title bar that moves it, a content column and Cancel / Apply below.
class ToolDialog : public QDialog
{
public:
    ToolDialog(const QString &title, const QString &subtitle, QWidget *parent, QString iconName)
        : QDialog(parent)
    {
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        setModal(true);
        setObjectName(QStringLiteral("EditToolDialog"));
        setWindowTitle(title);
        setAttribute(Qt::WA_StyledBackground);
        setStyleSheet(QStringLiteral(
            "#EditToolDialog{background:#0b1a2e;border:1px solid #3b5c82;border-radius:12px;}"
            "QLabel{color:#eaf1ff;}QCheckBox{color:#eaf1ff;}"
            "QLineEdit,QComboBox{background:#10233c;border:1px solid #34577e;border-radius:7px;color:white;"
            "padding:8px;}QLineEdit:hover,QComboBox:hover{border-color:#4b78ad;}"
            "QComboBox::drop-down{width:30px;border-left:1px solid #294563;}"
            "QComboBox::down-arrow{image:url(:/icons/icons/chevron_down.svg);width:11px;height:11px;}"
            "QSlider::groove:horizontal{height:5px;background:#29415f;border-radius:2px;}"
            "QSlider::sub-page:horizontal{background:#2e7cf7;border-radius:2px;}"
            "QSlider::handle:horizontal{width:14px;margin:-5px 0;background:white;border-radius:7px;}"));

        auto *root = new QVBoxLayout(this);
        root->setContentsMargins(1, 1, 1, 1);
        root->setSpacing(0);

        m_titleBar = new QWidget(this);
        m_titleBar->setFixedHeight(68);
        m_titleBar->installEventFilter(this);
        auto *titleRow = new QHBoxLayout(m_titleBar);
        titleRow->setContentsMargins(18, 8, 12, 8);
        if (iconName == QLatin1String("pencil")) {
            if (title.contains(QCoreApplication::translate("VideoListDialog", "音量")) || title.contains(QCoreApplication::translate("VideoListDialog", "音频")))
                iconName = QStringLiteral("audio");
            else if (title.contains(QCoreApplication::translate("VideoListDialog", "速度")))
                iconName = QStringLiteral("timer");
            else if (title.contains(QCoreApplication::translate("VideoListDialog", "转换")))
                iconName = QStringLiteral("folder");
            else if (title.contains(QCoreApplication::translate("VideoListDialog", "信息")))
                iconName = QStringLiteral("list");
        }
        auto *icon = new QLabel(m_titleBar);
        icon->setObjectName(QStringLiteral("ToolIcon"));
        icon->setProperty("iconName", iconName);
        icon->setFixedSize(34, 34);
        icon->setAlignment(Qt::AlignCenter);
        icon->setPixmap(tintedLibraryPixmap(iconName, 27, QColor(QStringLiteral("#71a4ff"))));
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);
        titleRow->addWidget(icon);
        auto *texts = new QVBoxLayout;
        texts->setSpacing(1);
        auto *titleLabel = new QLabel(title, m_titleBar);
        titleLabel->setStyleSheet(QStringLiteral("font-size:17px;font-weight:700;"));
        titleLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto *subtitleLabel = new QLabel(subtitle, m_titleBar);
        subtitleLabel->setStyleSheet(QStringLiteral("font-size:10px;color:#8fa5c3;"));
        subtitleLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
        texts->addWidget(titleLabel);
        texts->addWidget(subtitleLabel);
        titleRow->addLayout(texts);
        titleRow->addStretch();
        auto *close = new QPushButton(m_titleBar);
        close->setObjectName(QStringLiteral("ToolClose"));
        close->setFixedSize(32, 32);
        close->setIcon(libraryIcon(QStringLiteral("close")));
        close->setStyleSheet(QStringLiteral("border:0;background:transparent;"));
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
        titleRow->addWidget(close);
        root->addWidget(m_titleBar);

        auto *content = new QWidget(this);
        m_page = content;
        m_content = new QVBoxLayout(content);
        m_content->setContentsMargins(20, 14, 20, 14);
        m_content->setSpacing(12);
        root->addWidget(content, 1);

        auto *footer = new QHBoxLayout;
        footer->setContentsMargins(20, 0, 20, 16);
        footer->addStretch();
        m_cancel = new QPushButton(QCoreApplication::translate("VideoListDialog", "取消"), this);
        m_cancel->setObjectName(QStringLiteral("ToolCancel"));
        m_cancel->setFixedHeight(40);
        m_cancel->setMinimumWidth(98); // wider where the text needs it (German)
        m_cancel->setStyleSheet(QString::fromLatin1(kToolSecondaryButton));
        connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
        footer->addWidget(m_cancel);
        m_apply = new QPushButton(QCoreApplication::translate("VideoListDialog", "应用"), this);
        m_apply->setObjectName(QStringLiteral("ToolApply"));
        m_apply->setFixedHeight(40);
        m_apply->setMinimumWidth(98);
        m_apply->setDefault(true);
        m_apply->setStyleSheet(QString::fromLatin1(kToolPrimaryButton));
        connect(m_apply, &QPushButton::clicked, this, &QDialog::accept);
        footer->addWidget(m_apply);
        root->addLayout(footer);
    }

    QVBoxLayout *content() const { return m_content; }
    QPushButton *applyButton() const { return m_apply; }

    QLabel *addLabel(const QString &text)
    {
        auto *label = new QLabel(text, this);
        m_content->addWidget(label);
        return label;
    }

protected:
    // Each tool gives its dialog a size; a longer translation of a title, subtitle or button
    // makes it wider or taller, never cut.
    // On a display smaller than that (a small laptop at a large scale, a portrait display) the
    // controls scroll between the title bar and the buttons.
    void showEvent(QShowEvent *event) override
    {
        if (!m_fitted) {
            m_fitted = true;
            fitToDisplay(this, size().expandedTo(layout()->minimumSize()), m_page);
        }
        QDialog::showEvent(event);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_titleBar && event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                startWindowMove(this, mouse->globalPosition().toPoint());
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    }

private:
    QWidget *m_titleBar = nullptr;
    QWidget *m_page = nullptr;
    QVBoxLayout *m_content = nullptr;
    bool m_fitted = false;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_apply = nullptr;
};

// A combo box whose popup keeps the dark look (the platform style would paint it light).
class DarkComboBox : public QComboBox
{
public:
    explicit DarkComboBox(QWidget *parent)
        : QComboBox(parent)
    {
        auto *list = new QListView(this);
        list->setFrameShape(QFrame::NoFrame);
        list->setSpacing(0);
        list->setStyleSheet(QStringLiteral(
            "QListView{background:#0d1d33;color:#eaf1ff;border:1px solid #36577d;padding:4px 0;outline:0;}"
            "QListView::item{min-height:32px;padding:0 11px;background:#0d1d33;}"
            "QListView::item:hover{background:#19304d;color:#ffffff;}"
            "QListView::item:selected{background:#246de2;color:#ffffff;}"));
        setView(list);
        // The popup is dressed before it is first shown: QComboBox sizes it from the look it
        // has then (dressed afterwards, it was too short for its items and showed a light
        // scroll band over the last one).
        if (QWidget *popup = list->window(); popup && popup != window()) {
            popup->setAutoFillBackground(true);
            QPalette palette = popup->palette();
            palette.setColor(QPalette::Window, QColor(QStringLiteral("#0d1d33")));
            palette.setColor(QPalette::Base, QColor(QStringLiteral("#0d1d33")));
            palette.setColor(QPalette::Text, QColor(QStringLiteral("#eaf1ff")));
            palette.setColor(QPalette::Highlight, QColor(QStringLiteral("#246de2")));
            palette.setColor(QPalette::HighlightedText, Qt::white);
            popup->setPalette(palette);
            popup->setStyleSheet(
                QStringLiteral("QFrame{background:#0d1d33;border:1px solid #36577d;padding:0;margin:0;}"));
        }
    }

    void showPopup() override
    {
        QWidget *top = window();
        const QPoint believed = top->mapToGlobal(QPoint(0, 0));
        const std::optional<QPoint> real = windowPositionFromServer(top);
        QComboBox::showPopup();
        QWidget *popup = view() ? view()->window() : nullptr;
        // (openbox now and then maps a frameless dialog after Qt has asked where it is, and Qt
        // then keeps the screen's corner for it. A point's difference is rounding at a
        // fractional scale.)
        if (!popup || !real || (*real - believed).manhattanLength() <= 1)
            return;
        // Qt placed the list from a stale window position: move it by the difference and let
        // the window system confirm the real one, so later popups and tool tips are right.
        popup->move(popup->pos() + (*real - believed));
        top->windowHandle()->setPosition(*real);
    }
};

DarkComboBox *addChoices(ToolDialog &dialog, const QStringList &items, const QString &objectName)
{
    auto *combo = new DarkComboBox(&dialog);
    combo->setObjectName(objectName);
    combo->addItems(items);
    dialog.content()->addWidget(combo);
    return combo;
}

QString valueByPosition(int index, const QStringList &values)
{
    return values.at(std::clamp(index, 0, int(values.size()) - 1));
}

} // namespace

void VideoListDialog::showSpeedDialog()
{
    if (currentIndex < 0 || currentIndex >= records.size() || dropGoneCurrentFile() || records.at(currentIndex).isAudio)
        return;
    const QString source = records.at(currentIndex).path;
    ToolDialog dialog(tr("播放速度"), tr("调整预览速度，也可生成变速视频"), this, QStringLiteral("timer"));
    dialog.setFixedSize(360, 270);
    dialog.addLabel(tr("选择速度"));
    auto *speeds = new DarkComboBox(&dialog);
    speeds->setObjectName(QStringLiteral("SpeedChoice"));
    for (double value : {0.5, 1.0, 1.5, 2.0})
        speeds->addItem(value == 1.0 ? tr("Normal (1×)")
                                     : NumberText::isolated(LibraryTools::speedText(value) + QStringLiteral("×")),
                        value);
    speeds->setCurrentIndex(1);
    dialog.content()->addWidget(speeds);
    auto *hint = dialog.addLabel(tr("0.5× 慢速    1× 原速    1.5× / 2× 加速"));
    hint->setStyleSheet(QStringLiteral("color:#8fa5c3;"));
    dialog.content()->addStretch();
    if (dialog.exec() != QDialog::Accepted)
        return;

    const double speed = speeds->currentData().toDouble();
    player->setSpeed(float(speed));
    if (speed == 1.0)
        return;
    // Named after the file the dialog was opened for (the selection may have moved since).
    const QString target = copyOutputPath(source, QStringLiteral("_") + LibraryTools::speedText(speed)
                                                      + QLatin1Char('x'));
    if (runFfmpegEdit(LibraryTools::speedArguments(source, speed, target), tr("变速完成"), target))
        reloadAndSelect(target);
}

void VideoListDialog::showVolumeDialog()
{
    if (currentIndex < 0 || currentIndex >= records.size() || dropGoneCurrentFile())
        return;
    const VideoRecord record = records.at(currentIndex);
    ToolDialog dialog(tr("调整音量"), tr("预览并输出新的音量电平"), this, QStringLiteral("audio"));
    dialog.setFixedSize(390, 285);
    dialog.addLabel(tr("音量"));
    auto *row = new QHBoxLayout;
    auto *slider = new QSlider(Qt::Horizontal, &dialog);
    slider->setObjectName(QStringLiteral("VolumeLevel"));
    slider->setRange(0, 200);
    slider->setValue(100);
    keepLeftToRight(slider); // filled from its least end, as in every language
    auto *value = new QLabel(QStringLiteral("100%"), &dialog);
    value->setFixedWidth(50);
    row->addWidget(slider, 1);
    row->addWidget(value);
    dialog.content()->addLayout(row);
    auto *mute = new QCheckBox(tr("静音"), &dialog);
    mute->setObjectName(QStringLiteral("VolumeMute"));
    dialog.content()->addWidget(mute);
    dialog.content()->addStretch();

    int previewed = -1; // the level last applied to the player, in percent
    connect(slider, &QSlider::valueChanged, &dialog, [this, value, &previewed](int level) {
        value->setText(QStringLiteral("%1%").arg(level));
        previewed = std::min(level, 100);
        player->setVolume(float(previewed) / 100.0f);
    });
    connect(mute, &QCheckBox::toggled, slider, [slider](bool on) { slider->setEnabled(!on); });
    const int result = dialog.exec();
    // The player keeps the previewed level: the window's own volume slider shows it.
    if (previewed >= 0 && volumeSlider) {
        const QSignalBlocker block(volumeSlider);
        volumeSlider->setValue(previewed);
    }
    if (result != QDialog::Accepted)
        return;

    const int percent = mute->isChecked() ? 0 : slider->value();
    const QString target = copyOutputPath(record.path, QStringLiteral("_音量调整"));
    if (runFfmpegEdit(LibraryTools::volumeArguments(record.path, record.isAudio, percent, target), tr("音量调整完成"),
                      target))
        reloadAndSelect(target);
}

void VideoListDialog::showExtractAudioDialog()
{
    if (currentIndex < 0 || currentIndex >= records.size() || dropGoneCurrentFile() || records.at(currentIndex).isAudio)
        return;
    const QString source = records.at(currentIndex).path;
    ToolDialog dialog(tr("提取音频"), tr("从视频中提取音轨，保存为音频文件"), this, QStringLiteral("audio"));
    dialog.setFixedSize(430, 310);
    dialog.applyButton()->setText(tr("提取"));
    dialog.addLabel(tr("输出格式"));
    auto *formats = addChoices(dialog, {QStringLiteral("MP3"), QStringLiteral("M4A"), QStringLiteral("WAV"),
                                        QStringLiteral("FLAC")},
                               QStringLiteral("ToolFormat"));
    dialog.addLabel(tr("音质"));
    auto *quality = addChoices(dialog, {tr("高质量（320 kbps）"), tr("标准（192 kbps）"), tr("压缩（128 kbps）")},
                               QStringLiteral("ToolQuality"));
    dialog.content()->addStretch();
    if (dialog.exec() != QDialog::Accepted)
        return;

    const QFileInfo info(source);
    const QString suffix = formats->currentText().toLower();
    const QString target = uniqueOutputPath(info.dir().filePath(info.completeBaseName() + QLatin1Char('.') + suffix));
    const QString bitrate = valueByPosition(quality->currentIndex(), {QStringLiteral("320k"), QStringLiteral("192k"),
                                                                      QStringLiteral("128k")});
    if (runFfmpegEdit(LibraryTools::extractAudioArguments(source, target, bitrate), tr("音频提取完成"), target))
        reloadAndSelect(target);
}

void VideoListDialog::showConvertDialog()
{
    if (currentIndex < 0 || currentIndex >= records.size() || dropGoneCurrentFile())
        return;
    const VideoRecord record = records.at(currentIndex);
    ToolDialog dialog(tr("另存为 / 转换格式"), tr("选择输出格式并保留原始文件"), this, QStringLiteral("folder"));
    dialog.setFixedSize(450, 335);
    dialog.applyButton()->setText(tr("导出"));
    dialog.addLabel(tr("输出格式"));
    const QStringList formatItems = record.isAudio
        ? QStringList{QStringLiteral("MP3"), QStringLiteral("M4A"), QStringLiteral("WAV"), QStringLiteral("FLAC")}
        : QStringList{QStringLiteral("MP4"), QStringLiteral("MOV"), QStringLiteral("MKV"), QStringLiteral("GIF")};
    auto *formats = addChoices(dialog, formatItems, QStringLiteral("ToolFormat"));
    dialog.addLabel(record.isAudio ? tr("音质") : tr("画质"));
    const QStringList qualityItems = record.isAudio
        ? QStringList{tr("高质量（320 kbps）"), tr("标准（192 kbps）"), tr("压缩（128 kbps）")}
        : QStringList{tr("高质量"), tr("标准"), tr("压缩")};
    auto *quality = addChoices(dialog, qualityItems, QStringLiteral("ToolQuality"));
    dialog.content()->addStretch();
    if (dialog.exec() != QDialog::Accepted)
        return;

    const QFileInfo info(record.path);
    const QString suffix = formats->currentText().toLower();
    const QString target = uniqueOutputPath(
        info.dir().filePath(info.completeBaseName() + QStringLiteral("_转换") + QLatin1Char('.') + suffix));
    const int q = quality->currentIndex();
    const QString bitrate = valueByPosition(q, {QStringLiteral("320k"), QStringLiteral("192k"), QStringLiteral("128k")});
    const QString crf = valueByPosition(q, {QStringLiteral("18"), QStringLiteral("23"), QStringLiteral("28")});
    if (runFfmpegEdit(LibraryTools::convertArguments(record.path, record.isAudio, target, bitrate, crf),
                      tr("转换完成"), target))
        reloadAndSelect(target);
}

namespace {

// The longest file name, in bytes, that the file system of `folder` takes (255 when it does
// not say).
qsizetype fileNameLimit(const QString &folder)
{
    const long limit = pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return limit > 0 ? qsizetype(limit) : 255;
}

} // namespace

void VideoListDialog::showRenameDialog()
{
    if (currentIndex < 0 || currentIndex >= records.size() || dropGoneCurrentFile())
        return;
    const QFileInfo info(records.at(currentIndex).path);
    ToolDialog dialog(tr("重命名文件"), tr("修改文件名，扩展名保持不变"), this, QStringLiteral("pencil"));
    dialog.setFixedSize(440, 255);
    dialog.applyButton()->setText(tr("保存"));
    dialog.addLabel(tr("新文件名"));
    auto *name = new QLineEdit(info.completeBaseName(), &dialog);
    name->setObjectName(QStringLiteral("RenameName"));
    name->selectAll();
    dialog.content()->addWidget(name);
    dialog.content()->addStretch();
    name->setFocus();
    // A name that cannot be used is said so (naming the character, or the file that has it
    // already), and the dialog comes back with what was typed.
    const QString oldPath = info.absoluteFilePath();
    QString target;
    while (true) {
        if (dialog.exec() != QDialog::Accepted)
            return;
        const QString newName = name->text().trimmed();
        if (LibraryTools::isInvalidFileName(newName)) {
            const QChar forbidden = LibraryTools::forbiddenFileNameCharacter(newName);
            showLibraryWarning(this, tr("名称无效"),
                               forbidden.isNull() ? tr("文件名为空或包含无效字符。")
                                                  : tr("文件名不能包含字符 %1").arg(forbidden));
        } else {
            target = info.dir().filePath(info.suffix().isEmpty() ? newName : newName + QLatin1Char('.') + info.suffix());
            if (target == oldPath)
                return;
            if (QFile::encodeName(QFileInfo(target).fileName()).size() > fileNameLimit(info.absolutePath())) {
                showLibraryWarning(this, tr("名称无效"), tr("文件名过长，请缩短后再试。"));
                name->setFocus();
                continue;
            }
            // Another file has that name.
            if (!QFileInfo::exists(target) || QFileInfo(target) == info)
                break;
            showLibraryWarning(this, tr("重命名失败"), tr("已有同名文件：\n%1").arg(target));
        }
        name->setFocus();
    }
    // Each remaining cause has its own message: a folder this user may not write to, or the
    // file itself in use.
    player->close();
    if (!QFile::rename(oldPath, target)) {
        showLibraryWarning(this, tr("重命名失败"),
                           QFileInfo(info.absolutePath()).isWritable()
                               ? tr("目标文件已存在或文件正在被占用。")
                               : tr("没有写入此文件夹的权限：\n%1").arg(info.absolutePath()));
        return;
    }
    forgetRecordedFile(oldPath);
    rememberRecordedFile(target);
    reloadAndSelect(target);
}

void VideoListDialog::showFileInfoDialog()
{
    if (currentIndex < 0 || currentIndex >= records.size() || dropGoneCurrentFile())
        return;
    const VideoRecord record = shownRecord(currentIndex);
    ToolDialog dialog(tr("查看文件信息"),
                      record.isAudio ? tr("查看音频文件的详细信息") : tr("查看视频文件的详细信息"), this,
                      QStringLiteral("list"));
    dialog.applyButton()->setText(tr("关闭"));

    auto *head = new QHBoxLayout;
    auto *picture = new QLabel(&dialog);
    picture->setObjectName(QStringLiteral("InfoPicture"));
    picture->setFixedSize(150, 88);
    picture->setAlignment(Qt::AlignCenter);
    const auto showPicture = [picture](const QImage &image) {
        if (image.isNull())
            return;
        const QImage scaled = image.scaled(picture->size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        const QRect middle((scaled.width() - picture->width()) / 2, (scaled.height() - picture->height()) / 2,
                           picture->width(), picture->height());
        picture->setPixmap(QPixmap::fromImage(scaled.copy(middle)));
    };
    if (!frameImage.isNull()) {
        showPicture(frameImage);
    } else {
        // The card picture arrives from the picture pool; the dialog does not wait for it.
        const qreal ratio = std::max<qreal>(1.0, devicePixelRatioF());
        ThumbnailCache::instance()->request(record.path, record.size,
                                            QSize(qRound(150 * ratio), qRound(88 * ratio)), picture, showPicture);
    }
    head->addWidget(picture);
    auto *fileName = new QLabel(record.fileName, &dialog);
    fileName->setObjectName(QStringLiteral("InfoName"));
    fileName->setStyleSheet(QStringLiteral("font-size:14px;font-weight:700;"));
    fileName->setWordWrap(true);
    head->addWidget(fileName, 1);
    dialog.content()->addLayout(head);

    const QString text = LibraryTools::fileInformationText(record);
    auto *details = new QLabel(text, &dialog);
    details->setObjectName(QStringLiteral("InfoText"));
    details->setWordWrap(true);
    details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    details->setStyleSheet(QStringLiteral("color:#b9c8dc;line-height:1.5;"));
    dialog.content()->addWidget(details);

    auto *copy = new QPushButton(tr("复制信息"), &dialog);
    copy->setObjectName(QStringLiteral("InfoCopy"));
    copy->setFixedHeight(36);
    copy->setStyleSheet(QString::fromLatin1(kToolSecondaryButton));
    connect(copy, &QPushButton::clicked, &dialog, [text] { QGuiApplication::clipboard()->setText(text); });
    dialog.content()->addWidget(copy, 0, Qt::AlignLeft);
    dialog.content()->addStretch();
    // Taller than 410 only when the fonts here need it for every line (a long folder wraps).
    dialog.setFixedSize(520, std::max(410, dialog.layout()->totalHeightForWidth(520)));
    dialog.exec();
}
