// Saving the inline editor's work as new files beside the source, and the shared pieces of
// the window's one-shot ffmpeg jobs.

#include "library/VideoListDialog.h"

#include "dialogs/CompletionDialog.h"
#include "library/FfmpegJob.h"
#include "library/LibraryStyles.h"
#include "library/MediaLibraryFiles.h"
#include "widgets/MessageBoxes.h"
#include "library/TimelineRangeWidget.h"
#include "library/VideoEditor.h"
#include "library/VideoPlayer.h"
#include "recording/EncoderCommandLine.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QButtonGroup>
#include <QLineEdit>
#include <QTimer>
#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QProgressDialog>

#include <algorithm>
#include <memory>

namespace {

// A progress window keeps the size of its texts: fixed, so that the window manager gives it no
// resize handle (a light band under the dark window), with its label in the light text colour.
void settleProgressWindow(QProgressDialog *dialog)
{
    dialog->setStyleSheet(dialog->styleSheet() + QStringLiteral("QLabel{color:#eaf1ff;}"));
    dialog->ensurePolished();
    dialog->setFixedSize(dialog->sizeHint().expandedTo(dialog->minimumSize()));
}

} // namespace

QString VideoListDialog::uniqueOutputPath(const QString &wanted)
{
    return ::uniqueOutputPath(wanted);
}

QString VideoListDialog::copyOutputPath(const QString &suffix) const
{
    if (currentIndex < 0 || currentIndex >= records.size())
        return QString();
    return copyOutputPath(records.at(currentIndex).path, suffix);
}

QString VideoListDialog::copyOutputPath(const QString &sourcePath, const QString &suffix)
{
    const QFileInfo source(sourcePath);
    return uniqueOutputPath(
        source.dir().filePath(source.completeBaseName() + suffix + QLatin1Char('.') + source.suffix()));
}

QStringList VideoListDialog::muteArguments(const QString &source, double start, double end, const QString &output)
{
    const QString filter = QStringLiteral("volume=0:enable='gte(t,%1)*lt(t,%2)'")
                               .arg(QString::number(start, 'f', 6), QString::number(end, 'f', 6));
    return {QStringLiteral("-n"),      QStringLiteral("-i"),   source,          QStringLiteral("-map"),
            QStringLiteral("0:v:0"),   QStringLiteral("-map"), QStringLiteral("0:a?"), QStringLiteral("-c:v"),
            QStringLiteral("copy"),    QStringLiteral("-af"),  filter,          QStringLiteral("-c:a"),
            QStringLiteral("aac"),     QStringLiteral("-b:a"), QStringLiteral("192k"), output};
}

// Two minutes, or twice the file's length for long recordings (the audio is re-encoded).
qint64 VideoListDialog::muteTimeLimitMs(double seconds)
{
    return std::max<qint64>(120000, qint64(2.0 * std::max(seconds, 0.0) * 1000.0));
}

QString VideoListDialog::unusableOutputText(const QString &output)
{
    return QObject::tr("FFmpeg 报告完成，但没有写出可用的文件：\n%1").arg(output);
}

void VideoListDialog::warnUnlessClosing(const QString &title, const QString &text)
{
    if (jobCancelRequested || !isVisible())
        return;
    showLibraryWarning(this, title, text);
}

void VideoListDialog::reportEditorError(const QString &failureTitle, const QString &error)
{
    if (editor->lastRunCancelled())
        tellCancelled();
    else
        warnUnlessClosing(failureTitle, error);
}

void VideoListDialog::tellCancelled()
{
    // The editor's own words, so that every cancelled job reads the same.
    if (!jobCancelRequested && isVisible())
        showLibraryInformation(this, tr("媒体库"), QObject::tr("操作已取消"));
}

void VideoListDialog::beginSaveProgress(bool determinate)
{
    if (saveProgress) {
        saveProgress->close();
        saveProgress->deleteLater();
        saveProgress = nullptr;
        QCoreApplication::processEvents();
    }
    auto *dialog = new QProgressDialog(tr("正在保存媒体文件，请稍候…"), tr("取消"), 0, determinate ? 100 : 0, this);
    dialog->setObjectName(QStringLiteral("SaveProgress"));
    dialog->setWindowTitle(tr("正在保存"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(0);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setValue(determinate ? 0 : -1);
    dialog->setMinimumWidth(420);
    dialog->setStyleSheet(
        QStringLiteral("QProgressDialog{background:#0b1a2e;color:#eaf1ff;}QLabel{color:#eaf1ff;font-size:13px;}"
                       "QProgressBar{height:10px;background:#172943;border:1px solid #2e4767;border-radius:5px;"
                       "color:white;text-align:center;}QProgressBar::chunk{background:#2f7df4;border-radius:4px;}")
        + QString::fromLatin1(kLibraryToolButtonStyle));
    settleProgressWindow(dialog);
    saveProgress = dialog;
    dialog->show();
    dialog->raise();
    QCoreApplication::processEvents();
}

void VideoListDialog::endSaveProgress()
{
    if (!saveProgress)
        return;
    saveProgress->close();
    saveProgress->deleteLater();
    saveProgress = nullptr;
    QCoreApplication::processEvents();
}

void VideoListDialog::onSaveClicked()
{
    if (currentIndex < 0 || currentIndex >= records.size() || dropGoneCurrentFile())
        return;
    jobCancelRequested = false;
    if (editMode == QLatin1String("split")) {
        runSplit();
        return;
    }
    const QString output = copyOutputPath(QStringLiteral("_已编辑"));
    if (editMode == QLatin1String("rotate90") || editMode == QLatin1String("hflip")
        || editMode == QLatin1String("vflip"))
        runTransform(output, false);
    else if (editMode == QLatin1String("mute"))
        runMute(output, false);
    else
        runTrim(output, false);
}

void VideoListDialog::runTrim(const QString &output, bool replaceOriginal)
{
    const QString source = records.at(currentIndex).path;
    // An end handle at the end of the bar means the end of the file, not its rounded length.
    const double start = rangeBar->rangeStart;
    const double end = rangeBar->rangeEnd >= rangeBar->duration - 0.001 ? VideoEditor::kToEnd : rangeBar->rangeEnd;

    QPointer<VideoListDialog> self(this);
    beginSaveProgress(true);
    editor->disconnect(this);
    QPointer<QProgressDialog> progress = saveProgress;
    auto error = std::make_shared<QString>();
    auto done = std::make_shared<bool>(false);
    connect(editor, &VideoEditor::progress, this, [progress](int p) {
        if (progress)
            progress->setValue(p);
    });
    connect(editor, &VideoEditor::finished, this, [done] { *done = true; });
    connect(editor, &VideoEditor::errorOccurred, this, [error](const QString &message) { *error = message; });
    connect(saveProgress, &QProgressDialog::canceled, editor, &VideoEditor::cancel);

    editor->trim(source, start, end, output);
    if (!self)
        return;
    editor->disconnect(this);
    if (*done) {
        finishEdit(output, replaceOriginal);
        return;
    }
    endSaveProgress();
    if (!error->isEmpty())
        reportEditorError(tr("编辑失败"), *error);
}

void VideoListDialog::runMute(const QString &output, bool replaceOriginal)
{
    const QString source = records.at(currentIndex).path;
    QPointer<VideoListDialog> self(this);
    beginSaveProgress(false);
    QPointer<QProgressDialog> progress = saveProgress;

    FfmpegJobSettings job;
    job.program = resolveToolPath(QStringLiteral("ffmpeg"));
    job.arguments = muteArguments(source, rangeBar->rangeStart, rangeBar->rangeEnd, output);
    job.mergeChannels = false;
    job.waitSliceMs = 80;
    job.capMs = muteTimeLimitMs(durationSeconds);
    job.terminateOnCancel = false;
    job.outputPath = output;
    job.guard = this;
    job.cancelRequested = [this, progress] { return jobCancelRequested || (progress && progress->wasCanceled()); };
    const FfmpegJobResult result = runFfmpegJob(job);
    if (!self || result.outcome == FfmpegJobResult::Abandoned)
        return;
    if (result.outcome == FfmpegJobResult::Cancelled) {
        endSaveProgress();
        if (!result.quitting)
            tellCancelled();
        return;
    }
    if (result.outcome == FfmpegJobResult::NotStarted) {
        endSaveProgress();
        warnUnlessClosing(tr("编辑失败"), tr("无法启动 FFmpeg。"));
        return;
    }
    if (result.succeeded()) {
        finishEdit(result.savedPath, replaceOriginal);
        return;
    }
    endSaveProgress();
    warnUnlessClosing(tr("编辑失败"), result.outputUnusable ? unusableOutputText(output)
                                                             : ffmpegFailureCause(result.errorLog));
}

void VideoListDialog::runTransform(const QString &output, bool replaceOriginal)
{
    if (currentIndex < 0 || currentIndex >= records.size() || transformPreview.isEmpty())
        return;
    const QString filter = transformPreview == QLatin1String("rotate90") ? QStringLiteral("transpose=1")
                                                                           : transformPreview;
    const QStringList args =
        QStringList{QStringLiteral("-n")} + EncoderCommandLine::describedInput(records.at(currentIndex).path)
        + QStringList{QStringLiteral("-vf"),     filter,                   QStringLiteral("-c:v"),
                      QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("veryfast"),
                      QStringLiteral("-crf"),    QStringLiteral("19"),     QStringLiteral("-c:a"),
                      QStringLiteral("copy"),    output};
    QPointer<VideoListDialog> self(this);
    const bool ok = runFfmpegEdit(args, QString(), QString());
    if (ok && self)
        finishEdit(output, replaceOriginal);
}

void VideoListDialog::runSplit()
{
    const VideoRecord record = records.at(currentIndex);
    const double t = rangeBar->marker;
    const double d = durationSeconds;
    if (t <= 0.1 || t >= d - 0.1) {
        showLibraryWarning(this, tr("无法分割"),
                           record.isAudio ? tr("请将播放位置移动到音频中间。") : tr("请将播放位置移动到视频中间。"));
        return;
    }
    const QFileInfo source(record.path);
    const QString part1 = uniqueOutputPath(
        source.dir().filePath(source.completeBaseName() + QStringLiteral("_片段1.") + source.suffix()));
    const QString part2 = uniqueOutputPath(
        source.dir().filePath(source.completeBaseName() + QStringLiteral("_片段2.") + source.suffix()));

    QPointer<VideoListDialog> self(this);
    beginSaveProgress(true);
    editor->disconnect(this);
    QPointer<QProgressDialog> progress = saveProgress;
    auto part = std::make_shared<int>(0);
    auto error = std::make_shared<QString>();
    connect(editor, &VideoEditor::progress, this, [progress, part](int p) {
        if (progress)
            progress->setValue(*part * 50 + p / 2);
    });
    connect(editor, &VideoEditor::errorOccurred, this, [error](const QString &message) {
        if (error->isEmpty())
            *error = message;
    });
    connect(saveProgress, &QProgressDialog::canceled, editor, &VideoEditor::cancel);

    // Both names were free: whatever stands there after a failed or cancelled split is the
    // job's own, and goes, so that no half of a split is ever listed.
    const auto removeParts = [part1, part2] {
        for (const QString &made : {part1, part2}) {
            if (QFileInfo::exists(made) && QFile::remove(made))
                qInfo().noquote() << "[Media library] Removed the part of an unfinished split" << made;
        }
    };
    editor->trim(record.path, 0.0, t, part1);
    if (!self) {
        removeParts();
        return;
    }
    if (error->isEmpty() && QFileInfo::exists(part1)) {
        *part = 1;
        // The second part runs to the very end of the file.
        editor->trim(record.path, t, VideoEditor::kToEnd, part2);
        if (!self) {
            removeParts();
            return;
        }
    }
    editor->disconnect(this);
    endSaveProgress();
    if (!error->isEmpty()) {
        removeParts();
        reportEditorError(tr("分割失败"), *error);
        return;
    }
    if (!QFileInfo::exists(part1) || !QFileInfo::exists(part2)) {
        removeParts();
        warnUnlessClosing(tr("分割失败"), tr("FFmpeg 没有写出分割后的文件。"));
        return;
    }
    rememberRecordedFile(part1);
    rememberRecordedFile(part2);
    reloadAndSelect(part1);
    CompletionDialog done(tr("分割完成"), record.isAudio ? tr("已生成两个音频片段。") : tr("已生成两个视频片段。"),
                          source.absolutePath(), this);
    done.exec();
}

void VideoListDialog::finishEdit(const QString &path, bool replaceOriginal)
{
    endSaveProgress();
    QString result = path;
    if (replaceOriginal && currentIndex >= 0 && currentIndex < records.size()) {
        const QString source = records.at(currentIndex).path;
        player->close();
        // A backup name of its own: an existing "<source>.bak" is someone's file.
        const QString backup = uniqueOutputPath(source + QStringLiteral(".bak"));
        if (!QFile::rename(source, backup)) {
            showLibraryWarning(this, tr("保存失败"), tr("无法替换原文件，原文件已保留。"));
            return;
        }
        if (!QFile::rename(path, source)) {
            QFile::rename(backup, source);
            showLibraryWarning(this, tr("保存失败"), tr("无法替换原文件，原文件已保留。"));
            return;
        }
        QFile::remove(backup);
        result = source;
    }
    rememberRecordedFile(result);
    reloadAndSelect(result);
    showOpenFolderMessage(this, tr("保存完成"),
                          (isAudioFile(result) ? tr("音频已保存：\n%1") : tr("视频已保存：\n%1")).arg(result), result);
}

void VideoListDialog::reloadAndSelect(const QString &path)
{
    // The file the user had: chosen again when the new one is not listed (a GIF is not).
    const QString had = currentIndex >= 0 && currentIndex < records.size() ? records.at(currentIndex).path : QString();
    loadFromDisk();
    const auto select = [this](const QString &file) {
        const QFileInfo wanted(file);
        for (int row = 0; row < listWidget->count(); ++row) {
            const int index = listWidget->item(row)->data(Qt::UserRole).toInt();
            if (index >= 0 && index < records.size() && QFileInfo(records.at(index).path) == wanted) {
                listWidget->setCurrentRow(row);
                return true;
            }
        }
        return false;
    };
    if (select(path))
        return;
    const QFileInfo wanted(path);
    const bool listed = std::any_of(records.cbegin(), records.cend(),
                                    [&wanted](const VideoRecord &record) { return QFileInfo(record.path) == wanted; });
    if (listed) {
        // The search text or the tab hides the new file: the whole list comes back, so that
        // the file does not seem to vanish.
        {
            const QSignalBlocker block(searchBox);
            searchBox->clear();
        }
        searchTimer->stop();
        filterTab = 0;
        if (filterGroup && filterGroup->button(0))
            filterGroup->button(0)->setChecked(true);
        refreshList(QString());
        if (select(path))
            return;
    }
    // Some row is chosen whatever happened, so that the panel and the list agree (the panel
    // would otherwise keep a file no row stands for, and More would do nothing).
    if (!had.isEmpty() && select(had))
        return;
    if (listWidget->count() > 0 && listWidget->selectedItems().isEmpty())
        listWidget->setCurrentRow(0);
}

bool VideoListDialog::runFfmpegEdit(const QStringList &args, const QString &successTitle, const QString &outputPath)
{
    // The file may have gone while its tool's dialog was open: said so, and its card goes,
    // rather than FFmpeg's words about a missing input.
    if (dropGoneCurrentFile())
        return false;
    QPointer<VideoListDialog> self(this);
    jobCancelRequested = false;
    auto *busy = new QProgressDialog(tr("正在处理媒体文件…"), tr("取消"), 0, 0, this);
    busy->setObjectName(QStringLiteral("EditProgress"));
    busy->setWindowModality(Qt::WindowModal);
    busy->setMinimumDuration(0);
    busy->setWindowTitle(tr("媒体库"));
    busy->setStyleSheet(QStringLiteral("QProgressDialog{background:#0b1a2e;color:white;}")
                        + QString::fromLatin1(kLibraryToolButtonStyle));
    settleProgressWindow(busy);
    busy->show();
    QPointer<QProgressDialog> progress = busy;

    FfmpegJobSettings job;
    job.program = resolveToolPath(QStringLiteral("ffmpeg"));
    job.arguments = args;
    job.waitSliceMs = 80;
    job.terminateOnCancel = false;
    job.outputPath = outputPath.isEmpty() && !args.isEmpty() ? args.last() : outputPath;
    job.guard = this;
    job.cancelRequested = [this, progress] { return jobCancelRequested || (progress && progress->wasCanceled()); };
    const FfmpegJobResult result = runFfmpegJob(job);
    if (!self || result.outcome == FfmpegJobResult::Abandoned)
        return false;
    delete progress.data();
    if (result.outcome == FfmpegJobResult::NotStarted) {
        warnUnlessClosing(tr("处理失败"), tr("无法启动 FFmpeg。"));
        return false;
    }
    if (result.outcome == FfmpegJobResult::Cancelled) {
        if (!result.quitting)
            tellCancelled();
        return false;
    }
    if (!result.succeeded()) {
        warnUnlessClosing(tr("处理失败"), result.outputUnusable ? unusableOutputText(job.outputPath)
                                                                 : ffmpegFailureCause(result.log));
        return false;
    }
    const QString saved = outputPath.isEmpty() ? QString() : result.savedPath;
    if (!saved.isEmpty() && QFileInfo::exists(saved))
        rememberRecordedFile(saved);
    // An output that could not be checked is kept, and said to be unchecked.
    const QString unchecked = result.outputUnchecked.isEmpty()
                                  ? QString()
                                  : QStringLiteral("\n\n") + tr("无法检查这个文件是否可用：%1").arg(result.outputUnchecked);
    if (!successTitle.isEmpty())
        showOpenFolderMessage(this, successTitle,
                              (saved.isEmpty() ? tr("操作已完成。") : tr("文件已保存：\n%1").arg(saved)) + unchecked, saved);
    else if (!unchecked.isEmpty() && isVisible())
        showLibraryInformation(this, tr("媒体库"), unchecked.trimmed());
    return true;
}

void VideoListDialog::showMoreMenu()
{
    if (listWidget->selectedItems().isEmpty() || currentIndex < 0 || currentIndex >= records.size()
        || dropGoneCurrentFile())
        return;
    const VideoRecord record = records.at(currentIndex);
    QMenu menu(this);
    menu.setStyleSheet(QStringLiteral(
        "QMenu{background:#0d1d33;color:#eaf1ff;border:1px solid #36577d;border-radius:8px;padding:6px;}"
        "QMenu::item{padding:8px 28px 8px 12px;border-radius:5px;}QMenu::item:selected{background:#246de2;}"
        "QMenu::item:checked{color:#72a7ff;font-weight:600;}"
        "QMenu::separator{height:1px;background:#29415f;margin:5px;}"));
    // An empty file holds nothing to turn, re-time or convert: only its name and facts. What
    // is switched off says why in its tip.
    const bool empty = record.size == 0;
    menu.setToolTipsVisible(true);
    const QString emptyTip = empty ? tr("文件为空") : QString();
    if (!record.isAudio) {
        auto *group = new QActionGroup(&menu);
        group->setExclusive(true);
        const struct
        {
            QString text;
            QString mode;
        } transforms[] = {{tr("旋转 90°"), QStringLiteral("rotate90")},
                          {tr("水平翻转"), QStringLiteral("hflip")},
                          {tr("垂直翻转"), QStringLiteral("vflip")}};
        for (const auto &t : transforms) {
            QAction *action = menu.addAction(t.text);
            action->setCheckable(true);
            action->setChecked(transformPreview == t.mode);
            action->setEnabled(!empty);
            action->setToolTip(emptyTip);
            group->addAction(action);
            connect(action, &QAction::triggered, this, [this, mode = t.mode] { setTransformPreview(mode); });
        }
        menu.addSeparator();
    }
    const bool hasSound = !empty && !record.audioCodec.isEmpty();
    const QString soundTip = hasSound ? QString() : noSoundReason();
    if (!record.isAudio) {
        QAction *speed = menu.addAction(tr("调整播放速度"));
        speed->setEnabled(!empty);
        speed->setToolTip(emptyTip);
        connect(speed, &QAction::triggered, this, &VideoListDialog::showSpeedDialog);
    }
    QAction *volume = menu.addAction(tr("调整音量"));
    volume->setEnabled(hasSound);
    volume->setToolTip(soundTip);
    connect(volume, &QAction::triggered, this, &VideoListDialog::showVolumeDialog);
    menu.addSeparator();
    if (!record.isAudio) {
        QAction *extract = menu.addAction(tr("提取音频"));
        extract->setEnabled(hasSound);
        extract->setToolTip(soundTip);
        connect(extract, &QAction::triggered, this, &VideoListDialog::showExtractAudioDialog);
    }
    QAction *convert = menu.addAction(tr("另存为 / 转换格式"));
    convert->setEnabled(!empty);
    convert->setToolTip(emptyTip);
    connect(convert, &QAction::triggered, this, &VideoListDialog::showConvertDialog);
    menu.addSeparator();
    connect(menu.addAction(tr("重命名文件")), &QAction::triggered, this, &VideoListDialog::showRenameDialog);
    connect(menu.addAction(tr("查看文件信息")), &QAction::triggered, this, &VideoListDialog::showFileInfoDialog);
    menu.exec(QCursor::pos());
}
