// The inline editor under the preview: tool row, range bar, mode texts and the picture
// transforms that are only previewed until saved.

#include "library/VideoListDialog.h"

#include "library/LibraryIcons.h"
#include "library/LibraryStyles.h"
#include "library/MediaPreview.h"
#include "library/TimelineRangeWidget.h"
#include "library/VideoPlayer.h"
#include "library/WaveformPreviewLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTransform>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Keeps the tool row's texts whole where the row is narrower than its buttons want (longer
// texts in some languages, a narrow window): the buttons first take less padding, then
// leave out their icons. Where the row has the room it keeps its look.
class ToolRowFitter : public QObject
{
public:
    ToolRowFitter(QWidget *row, const QList<QPushButton *> &buttons, int fixedSpace)
        : QObject(row), m_row(row), m_buttons(buttons), m_fixedSpace(fixedSpace)
    {
        for (QPushButton *button : m_buttons)
            m_icons << button->icon();
        row->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void fit()
    {
        int texts = 0;
        for (const QPushButton *button : m_buttons)
            texts += button->fontMetrics().horizontalAdvance(button->text()) + 2; // and the border
        const int count = int(m_buttons.size());
        const int icons = count * (button().iconSize().width() + 4);
        const int room = m_row->width() - m_fixedSpace;
        // 1: narrower padding; 2: no icons; 3: no icons and the least padding (a small screen).
        int level = 0;
        if (texts + icons + count * 2 * 16 > room)
            level = texts + icons + count * 2 * 8 > room ? (texts + count * 2 * 8 > room ? 3 : 2) : 1;
        const bool changed = level != m_level;
        m_level = level;
        for (int i = 0; i < count; ++i) {
            QPushButton *b = m_buttons.at(i);
            // An icon the button took since (the mute button's for the mode) is its own now.
            if (!b->icon().isNull())
                m_icons[i] = b->icon();
            if (changed)
                b->setStyleSheet(QString::fromLatin1(kLibraryToolButtonStyle)
                                 + (level == 3  ? QStringLiteral("QPushButton{padding:0 3px;}")
                                    : level > 0 ? QStringLiteral("QPushButton{padding:0 8px;}")
                                                : QString()));
            if (level >= 2 && !b->icon().isNull())
                b->setIcon(QIcon());
            else if (level < 2 && b->icon().isNull())
                b->setIcon(m_icons.at(i));
            // The least a button takes is its text with the least padding, whatever it shows
            // now: a row whose least width followed its look would widen a scrolling window's
            // body, which gives the row room, which narrows the body again, for ever.
            b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 2 + 2 * 3);
        }
    }
    const QPushButton &button() const { return *m_buttons.first(); }

    QWidget *m_row;
    QList<QPushButton *> m_buttons;
    QList<QIcon> m_icons;
    int m_fixedSpace;
    int m_level = 0;
};

} // namespace

QPushButton *VideoListDialog::makeEditorButton(QLayout *row, const QString &text, const QString &icon, bool checkable)
{
    auto *button = new QPushButton(text, this);
    button->setIcon(tintedLibraryIcon(icon, 19, QColor("#dce7f7")));
    button->setIconSize(QSize(19, 19));
    button->setFixedHeight(40);
    button->setCheckable(checkable);
    button->setStyleSheet(QString::fromLatin1(kLibraryToolButtonStyle));
    row->addWidget(button);
    return button;
}

QWidget *VideoListDialog::buildEditorPanel(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    auto *tools = new QHBoxLayout;
    trimButton = makeEditorButton(tools, tr("裁剪"), QStringLiteral("region"), true);
    splitButton = makeEditorButton(tools, tr("分割"), QStringLiteral("split"), true);
    screenshotButton = makeEditorButton(tools, tr("截图"), QStringLiteral("screenshot"), false);
    muteButton = makeEditorButton(tools, tr("移除声音"), QStringLiteral("audio"), true);
    watermarkButton = makeEditorButton(tools, tr("水印"), QStringLiteral("watermark"), false);
    tools->addSpacing(12);
    undoButton = makeEditorButton(tools, tr("撤销"), QStringLiteral("chevron_left"), false);
    tools->addStretch();
    moreButton = makeEditorButton(tools, tr("更多"), QStringLiteral("settings"), false);
    moreButton->setToolTip(tr("编辑与文件工具"));
    trimButton->setObjectName(QStringLiteral("TrimButton"));
    splitButton->setObjectName(QStringLiteral("SplitButton"));
    screenshotButton->setObjectName(QStringLiteral("ScreenshotButton"));
    muteButton->setObjectName(QStringLiteral("MuteButton"));
    watermarkButton->setObjectName(QStringLiteral("WatermarkButton"));
    undoButton->setObjectName(QStringLiteral("UndoButton"));
    moreButton->setObjectName(QStringLiteral("MoreButton"));
    layout->addLayout(tools);
    const QList<QPushButton *> row{trimButton, splitButton, screenshotButton, muteButton,
                                   watermarkButton, undoButton, moreButton};
    new ToolRowFitter(panel, row, tools->spacing() * int(row.size() - 1) + 12);

    auto *timeline = new QWidget(panel);
    timeline->setObjectName(QStringLiteral("TimelinePanel"));
    timeline->setAttribute(Qt::WA_StyledBackground);
    timeline->setStyleSheet(
        QStringLiteral("#TimelinePanel{background:#0c1c31;border:1px solid #294463;border-radius:9px;}"));
    auto *timelineLayout = new QVBoxLayout(timeline);
    timelineLayout->setContentsMargins(12, 10, 12, 10);
    auto *header = new QHBoxLayout;
    editorTitleLabel = new QLabel(tr("裁剪视频"), timeline);
    editorTitleLabel->setObjectName(QStringLiteral("EditorTitle"));
    editorTitleLabel->setStyleSheet(QStringLiteral("font-size:14px;font-weight:700;color:#f2f6ff;"));
    editorHintLabel = new QLabel(tr("拖动两侧滑块，选择保留的片段"), timeline);
    editorHintLabel->setObjectName(QStringLiteral("EditorHint"));
    editorHintLabel->setWordWrap(true);
    editorHintLabel->setStyleSheet(QStringLiteral("font-size:11px;color:#8295b2;"));
    rangeInfoLabel = new QLabel(timeline);
    rangeInfoLabel->setObjectName(QStringLiteral("RangeInfo"));
    rangeInfoLabel->setStyleSheet(QStringLiteral("font-size:11px;color:#a9b9d0;"));
    header->addWidget(editorTitleLabel);
    // The hint takes the row's free room, so that it wraps only when the row is really short.
    header->addWidget(editorHintLabel, 1);
    header->addWidget(rangeInfoLabel);
    timelineLayout->addLayout(header);
    rangeBar = new TimelineRangeWidget(timeline);
    rangeBar->setObjectName(QStringLiteral("RangeBar"));
    timelineLayout->addWidget(rangeBar);
    auto *bottom = new QHBoxLayout;
    rangeTextLabel = new QLabel(timeline);
    rangeTextLabel->setObjectName(QStringLiteral("RangeText"));
    rangeTextLabel->setStyleSheet(QStringLiteral("font-size:11px;color:#8fa4c3;"));
    primaryActionButton = new QPushButton(tr("Start Trimming..."), timeline);
    primaryActionButton->setObjectName(QStringLiteral("PrimaryAction"));
    primaryActionButton->setFixedHeight(40);
    primaryActionButton->setStyleSheet(QString::fromLatin1(kLibraryPrimaryButtonStyle));
    bottom->addWidget(rangeTextLabel);
    bottom->addStretch();
    bottom->addWidget(primaryActionButton);
    timelineLayout->addLayout(bottom);
    layout->addWidget(timeline);

    connect(trimButton, &QPushButton::clicked, this, &VideoListDialog::onTrimClicked);
    connect(splitButton, &QPushButton::clicked, this, &VideoListDialog::onSplitClicked);
    connect(screenshotButton, &QPushButton::clicked, this, &VideoListDialog::onScreenshotClicked);
    connect(muteButton, &QPushButton::clicked, this, &VideoListDialog::onMuteClicked);
    connect(undoButton, &QPushButton::clicked, this, &VideoListDialog::onUndoClicked);
    connect(moreButton, &QPushButton::clicked, this, &VideoListDialog::showMoreMenu);
    connect(primaryActionButton, &QPushButton::clicked, this, &VideoListDialog::onSaveClicked);
    connect(watermarkButton, &QPushButton::clicked, this, &VideoListDialog::showWatermarkDialog);

    rangeBar->onRangeChanged = [this](double start, double end, double split) {
        refreshRangeTexts(start, end, split);
        if (editMode == QLatin1String("mute")) {
            const double p = player->position();
            player->setMuted(muteSelectionActive && start <= p && p < end);
        }
    };
    rangeBar->onScrubStarted = [this](double t) {
        resumeAfterScrub = player->isPlaying();
        if (resumeAfterScrub)
            player->pause();
        seekOrShowStill(t);
        updatePlaybackUi(false);
    };
    rangeBar->onScrubbed = [this](double t) { seekOrShowStill(t); };
    rangeBar->onScrubFinished = [this](double t) {
        seekOrShowStill(t);
        // A file the player cannot seek in stays paused at the still: playing on would go
        // from elsewhere.
        const bool resume = resumeAfterScrub && !stillHeld;
        if (resume)
            player->play();
        updatePlaybackUi(resume);
        resumeAfterScrub = false;
    };
    return panel;
}

void VideoListDialog::refreshRangeTexts(double start, double end, double split)
{
    if (editMode == QLatin1String("split")) {
        rangeInfoLabel->setText(tr("分割点  %1").arg(timeText(split)));
        rangeTextLabel->setText((currentIsAudio() ? tr("将在 %1 处分割为两个音频片段") : tr("将在 %1 处分割为两个视频片段"))
                                    .arg(timeText(split)));
    } else {
        rangeInfoLabel->setText(tr("选中时长  %1").arg(timeText(end - start)));
        rangeTextLabel->setText(QStringLiteral("%1  —  %2").arg(timeText(start), timeText(end)));
    }
}

void VideoListDialog::setEditMode(const QString &mode)
{
    editMode = mode;
    const bool hasRecord = currentIndex >= 0 && currentIndex < records.size();
    const bool audio = currentIsAudio();
    const bool muteOnVideo = mode == QLatin1String("mute") && !audio;
    if (mode != QLatin1String("mute")) {
        muteSelectionActive = false;
        player->setMuted(false);
    } else if (!hasRecord) {
        muteSelectionActive = true;
    } else if (audio) {
        muteSelectionActive = false;
        player->setMuted(false);
    } else {
        muteSelectionActive = true;
        const double p = player->position();
        player->setMuted(rangeBar->rangeStart <= p && p < rangeBar->rangeEnd);
    }
    trimButton->setChecked(mode == QLatin1String("trim"));
    splitButton->setChecked(mode == QLatin1String("split"));
    muteButton->setChecked(mode == QLatin1String("mute"));
    updateMediaSpecificUi();

    const bool transform = mode == QLatin1String("rotate90") || mode == QLatin1String("hflip")
                           || mode == QLatin1String("vflip");
    if (muteOnVideo)
        editorTitleLabel->setText(tr("Mute Selection"));
    else if (transform)
        editorTitleLabel->setText(tr("预览画面效果"));
    else if (mode == QLatin1String("split"))
        editorTitleLabel->setText(audio ? tr("分割音频") : tr("分割视频"));
    else
        editorTitleLabel->setText(audio ? tr("裁剪音频") : tr("裁剪视频"));
    // From the text itself: the label's size hint includes the minimum width set last time,
    // which made the title 12 px wider at every change of mode.
    editorTitleLabel->ensurePolished();
    const QMargins margins = editorTitleLabel->contentsMargins();
    editorTitleLabel->setMinimumWidth(editorTitleLabel->fontMetrics().horizontalAdvance(editorTitleLabel->text())
                                      + margins.left() + margins.right() + 2 * editorTitleLabel->margin() + 12);

    editorHintLabel->setVisible(!muteOnVideo);
    editorHintLabel->setText(transform                         ? tr("当前仅预览，点击保存后才会处理视频")
                             : mode == QLatin1String("split") ? tr("拖动黄色分割线，选择分割位置")
                                                              : tr("拖动两侧滑块，选择保留的片段"));
    primaryActionButton->setText(muteOnVideo                      ? tr("Save Muted Copy")
                                 : mode == QLatin1String("split") ? tr("开始分割")
                                 : mode == QLatin1String("trim")  ? tr("Start Trimming...")
                                                                  : tr("保存"));

    rangeBar->show();
    rangeBar->muteMode = muteOnVideo || (mode == QLatin1String("mute") && !hasRecord);
    rangeBar->splitMode = mode == QLatin1String("split");
    rangeBar->rangeHidden = transform;
    rangeBar->dragHandle = 0;
    rangeBar->unsetCursor();
    // A transform is saved for the whole file: no selected span is shown for it.
    rangeInfoLabel->setVisible(!transform);
    rangeTextLabel->setVisible(!transform);
    refreshRangeTexts(rangeBar->rangeStart, rangeBar->rangeEnd, rangeBar->marker);
    rangeBar->marker = std::clamp(playheadSeconds(), 0.0, rangeBar->duration);
    rangeBar->update();
    if (mode == QLatin1String("split"))
        refreshRangeTexts(rangeBar->rangeStart, rangeBar->rangeEnd, rangeBar->marker);
}

void VideoListDialog::onTrimClicked()
{
    transformPreview.clear();
    renderPreviewFrame();
    setEditMode(QStringLiteral("trim"));
}

void VideoListDialog::onSplitClicked()
{
    transformPreview.clear();
    renderPreviewFrame();
    setEditMode(QStringLiteral("split"));
}

void VideoListDialog::onMuteClicked()
{
    if (currentIsAudio()) {
        // For an audio file the button is the volume tool.
        muteButton->setChecked(false);
        showVolumeDialog();
        return;
    }
    transformPreview.clear();
    renderPreviewFrame();
    const bool wasActive = muteSelectionActive;
    muteSelectionActive = !muteSelectionActive;
    setEditMode(wasActive ? QStringLiteral("trim") : QStringLiteral("mute"));
}

void VideoListDialog::onUndoClicked()
{
    muteSelectionActive = false;
    transformPreview.clear();
    renderPreviewFrame();
    setEditMode(QStringLiteral("trim"));
    if (currentIndex >= 0 && currentIndex < records.size())
        rangeBar->setPreview(QPixmap::fromImage(frameImage), currentIsAudio(), durationSeconds,
                             frameImage.cacheKey() == waveformSource ? preview->waveform : QImage());
}

void VideoListDialog::rotate90()
{
    setTransformPreview(QStringLiteral("rotate90"));
}

void VideoListDialog::flipVideo(bool horizontal)
{
    setTransformPreview(horizontal ? QStringLiteral("hflip") : QStringLiteral("vflip"));
}

void VideoListDialog::setTransformPreview(const QString &mode)
{
    if (currentIndex < 0 || currentIndex >= records.size())
        return;
    muteSelectionActive = false;
    transformPreview = mode;
    setEditMode(mode);
    renderPreviewFrame();
    if (!frameImage.isNull() || previewJob)
        return; // the picture is there, or the preview picture job brings it
    // No picture yet: one is grabbed on a pool thread and shown once it comes.
    const int serial = selectionSerial;
    const QString path = records.at(currentIndex).path;
    grabPicture([path, at = std::max(playheadSeconds(), 0.0)] { return grabPlayerStill(path, at); },
                [this, serial](const QImage &picture) {
                    if (serial != selectionSerial || picture.isNull() || !frameImage.isNull())
                        return;
                    frameImage = picture;
                    renderPreviewFrame();
                });
}

QImage VideoListDialog::transformedPreview(const QImage &image) const
{
    if (image.isNull())
        return image;
    if (transformPreview == QLatin1String("hflip"))
        return image.mirrored(true, false);
    if (transformPreview == QLatin1String("vflip"))
        return image.mirrored(false, true);
    if (transformPreview == QLatin1String("rotate90"))
        return image.transformed(QTransform().rotate(90), Qt::SmoothTransformation);
    return image;
}
