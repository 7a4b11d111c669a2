// The media library's list: scanning the save folder, metadata jobs, filtering, adding,
// deleting and the rows' context menu.

#include "library/VideoListDialog.h"

#include "library/FfmpegJob.h"
#include "library/MediaLibraryFiles.h"
#include "library/MetadataQueue.h"
#include "library/PlayerFoundLengths.h"
#include "widgets/MessageBoxes.h"
#include "library/RecordCard.h"
#include "library/ThumbnailCache.h"
#include "library/VideoPlayer.h"
#include "recording/MediaProbe.h"
#include "recording/SaveFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

#include <cmath>


namespace {

QString saveFolder()
{
    return SaveFolder::current();
}

} // namespace

QThreadPool *metadataThreadPool()
{
    static QThreadPool *pool = [] {
        auto *created = new QThreadPool(qApp);
        // A probe spends most of its time starting up: eight at a time hide that even on two
        // cores.
        created->setMaxThreadCount(std::max(8, QThread::idealThreadCount()));
        // Queued probes of a closing program are dropped and running ones are ended.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, created, [created] {
            created->clear();
            MediaProbe::abandonRuns();
            created->waitForDone();
        });
        return created;
    }();
    return pool;
}

void VideoListDialog::showListState(const QString &text, bool busy)
{
    if (!stateOverlay)
        return;
    stateLabel->setText(text);
    stateBusyBar->setVisible(busy);
    stateOverlay->setGeometry(0, 0, listWidget->viewport()->width(), listWidget->viewport()->height());
    stateOverlay->show();
    stateOverlay->raise();
}

void VideoListDialog::loadFromDisk()
{
    showListState(tr("正在加载媒体文件…"), true);
    const int generation = ++scanGeneration;
    records.clear();
    metadataResults.clear();

    QStringList registry = recordedFiles();
    bool registryChanged = false;
    const QString folder = saveFolder();
    listedFolder = folder;
    // A save that a killed run of the program left half written is of no use to anyone: its
    // hidden file goes at the first look at each folder where the library writes.
    QSet<QString> folders{folder};
    for (const QString &entry : std::as_const(registry))
        folders.insert(QFileInfo(entry).absolutePath());
    for (const QString &each : std::as_const(folders))
        removeAbandonedSaves(each);
    records = scanMediaFolder(folder, &registry, &registryChanged);
    if (registryChanged)
        setRecordedFiles(registry);
    // Files read before and unchanged since keep their details; only the others are probed,
    // the chosen file and the rows in view first.
    records = metadataQueue->restart(generation, records);
    refreshList(searchBox ? searchBox->text() : QString());
    if (records.isEmpty())
        return;
    if (listWidget->count() > 0)
        listWidget->setCurrentRow(0);
    metadataQueue->startWaiting();
}

QStringList VideoListDialog::wantedPaths() const
{
    QStringList paths;
    const auto add = [this, &paths](int index) {
        if (index >= 0 && index < records.size())
            paths << records.at(index).path;
    };
    if (QListWidgetItem *current = listWidget->currentItem())
        add(current->data(Qt::UserRole).toInt());
    add(currentIndex);
    const auto [first, last] = rowsInView();
    for (int row = std::max(first, 0); row <= last; ++row)
        add(listWidget->item(row)->data(Qt::UserRole).toInt());
    return paths;
}

void VideoListDialog::applyQueuedMetadata()
{
    QElapsedTimer budget;
    budget.start();
    while (!metadataResults.isEmpty() && budget.elapsed() < 8) {
        const QueuedMetadata next = metadataResults.takeFirst();
        applyMetadata(next.generation, next.index, next.path, next.record);
    }
    if (!metadataResults.isEmpty())
        metadataTimer->start();
}

void VideoListDialog::applyMetadata(int generation, int index, const QString &path, const VideoRecord &result)
{
    if (generation != scanGeneration)
        return;
    // Rows may have been removed since the job started: find the record by its path.
    int target = index;
    if (target < 0 || target >= records.size() || records.at(target).path != path) {
        target = -1;
        for (int i = 0; i < records.size(); ++i) {
            if (records.at(i).path == path) {
                target = i;
                break;
            }
        }
        if (target < 0)
            return;
    }
    records[target] = result;
    const int row = rowOfRecord(target);
    if (row >= 0) {
        if (auto *card = dynamic_cast<RecordCard *>(listWidget->itemWidget(listWidget->item(row))))
            card->updateRecord(shownRecord(target));
    }
    if (currentIndex == target)
        updateDetail(result);
    emit metadataUpdated(target);
}

VideoRecord VideoListDialog::shownRecord(int index) const
{
    VideoRecord record = records.value(index);
    if (record.duration <= 0) {
        if (const double found = PlayerFoundLengths::instance()->lengthOf(record.path, record.size); found > 0)
            record.duration = int(std::lround(found));
    }
    return record;
}

int VideoListDialog::rowOfRecord(int index) const
{
    // Rows are in record order (a removal renumbers the later ones).
    int low = 0;
    int high = listWidget->count() - 1;
    while (low <= high) {
        const int row = low + (high - low) / 2;
        const int at = listWidget->item(row)->data(Qt::UserRole).toInt();
        if (at == index)
            return row;
        if (at < index)
            low = row + 1;
        else
            high = row - 1;
    }
    return -1;
}

void VideoListDialog::refreshList(const QString &filter)
{
    listWidget->clear();
    for (int i = 0; i < records.size(); ++i) {
        const VideoRecord &record = records.at(i);
        if ((filterTab == 1 && record.isAudio) || (filterTab == 2 && !record.isAudio))
            continue;
        if (!filter.isEmpty() && !record.fileName.contains(filter, Qt::CaseInsensitive))
            continue;
        auto *item = new QListWidgetItem(listWidget);
        item->setSizeHint(QSize(0, RecordCard::Height));
        item->setData(Qt::UserRole, i);
    }
    // The cards on screen are built at once (their pictures are asked for first), those a
    // screen above and below a few milliseconds at a time; the others when they come near the
    // view: thousands of cards would hold the window for minutes.
    buildVisibleCards();
    cardTimer->start();
    countLabel->setText(tr("%n 个文件", nullptr, listWidget->count()));
    if (listWidget->count() > 0) {
        stateOverlay->hide();
    } else {
        clearCurrentSelection();
        showListState(records.isEmpty() ? tr("暂无媒体文件") : tr("没有匹配的媒体文件"), false);
    }
}

void VideoListDialog::buildCard(int row)
{
    QListWidgetItem *item = listWidget->item(row);
    if (!item || listWidget->itemWidget(item))
        return;
    const int index = item->data(Qt::UserRole).toInt();
    if (index < 0 || index >= records.size())
        return;
    const QString path = records.at(index).path;
    auto *card = new RecordCard(
        shownRecord(index), [this, path] { deleteRecordOf(path); },
        [this](QPoint global) { showListContextMenu(listWidget->viewport()->mapFromGlobal(global)); });
    card->setCardSelected(item->isSelected());
    listWidget->setItemWidget(item, card);
}

std::pair<int, int> VideoListDialog::rowsInView() const
{
    const int count = listWidget->count();
    const QWidget *viewport = listWidget->viewport();
    // The spacing between rows is no row: look a few pixels further down.
    int first = -1;
    for (int y = 0; first < 0 && y < viewport->height(); y += 2)
        first = listWidget->indexAt(QPoint(viewport->width() / 2, y)).row();
    if (first < 0)
        return {-1, -1};
    const QRect rect = listWidget->visualItemRect(listWidget->item(first));
    const int pitch = std::max(1, rect.height() + 2 * listWidget->spacing());
    return {first, std::min(count - 1, first + (viewport->height() - rect.top()) / pitch + 1)};
}

void VideoListDialog::buildVisibleCards()
{
    const auto [first, last] = rowsInView();
    for (int row = std::max(first, 0); row <= last; ++row)
        buildCard(row);
}

void VideoListDialog::buildQueuedCards()
{
    // Where the view is now (a scroll may have moved it since): its own cards, then those a
    // screen above and below.
    buildVisibleCards();
    const auto [first, last] = rowsInView();
    if (first < 0)
        return;
    const int screen = last - first + 1;
    const int from = std::max(0, first - screen);
    const int to = std::min(listWidget->count() - 1, last + screen);
    QElapsedTimer budget;
    budget.start();
    for (int row = from; row <= to; ++row) {
        if (listWidget->itemWidget(listWidget->item(row)))
            continue;
        if (budget.elapsed() >= 8) {
            cardTimer->start();
            return;
        }
        buildCard(row);
    }
}

void VideoListDialog::addRecord(const VideoRecord &record)
{
    VideoRecord copy = record;
    rememberRecordedFile(copy.path);
    copy.isAudio = isAudioFile(copy.path);
    const QFileInfo file(copy.path);
    for (int i = records.size() - 1; i >= 0; --i) {
        if (QFileInfo(records.at(i).path) == file)
            records.removeAt(i);
    }
    records.insert(0, copy);
    refreshList(QString());
}

void VideoListDialog::onSearchTextChanged(const QString &)
{
    searchTimer->start();
}

void VideoListDialog::onItemSelectionChanged()
{
    for (int row = 0; row < listWidget->count(); ++row) {
        QListWidgetItem *item = listWidget->item(row);
        if (auto *card = dynamic_cast<RecordCard *>(listWidget->itemWidget(item)))
            card->setCardSelected(item->isSelected());
    }
    const QList<QListWidgetItem *> selected = listWidget->selectedItems();
    if (selected.isEmpty())
        return;
    // The selected row's card is there at once, wherever the list's building has got to.
    buildCard(listWidget->row(selected.first()));
    const int index = selected.first()->data(Qt::UserRole).toInt();
    listWidget->viewport()->update();
    const int serial = ++selectionSerial;
    QTimer::singleShot(0, this, [this, serial, index] {
        if (serial == selectionSerial)
            openRecord(index, false);
    });
}

void VideoListDialog::onItemDoubleClicked(QListWidgetItem *item)
{
    if (item)
        openRecord(item->data(Qt::UserRole).toInt(), true);
}

void VideoListDialog::showListContextMenu(const QPoint &position)
{
    QListWidgetItem *item = listWidget->itemAt(position);
    if (!item)
        return;
    const int index = item->data(Qt::UserRole).toInt();
    if (index < 0 || index >= records.size())
        return;
    listWidget->setCurrentItem(item);
    currentIndex = index;
    const VideoRecord record = records.at(index);

    QMenu menu(this);
    menu.setStyleSheet(QStringLiteral(
        "QMenu{background:#0d1d33;color:#eaf1ff;border:1px solid #36577d;border-radius:8px;padding:6px;}"
        "QMenu::item{padding:8px 30px 8px 12px;border-radius:5px;}"
        "QMenu::item:selected{background:#246de2;}"
        "QMenu::separator{height:1px;background:#29415f;margin:5px;}"));
    menu.addAction(tr("播放"), this, [this, index] { openRecord(index, true); });
    menu.addAction(tr("打开文件夹"), this, &VideoListDialog::onOpenFolderClicked);
    menu.addSeparator();
    menu.addAction(tr("重命名文件"), this, &VideoListDialog::showRenameDialog);
    menu.addAction(tr("Copy File Path"), this, [path = record.path] { QApplication::clipboard()->setText(path); });
    menu.addAction(tr("查看文件信息"), this, &VideoListDialog::showFileInfoDialog);
    menu.addSeparator();
    menu.addAction(record.isAudio ? tr("删除音频") : tr("删除视频"), this, &VideoListDialog::onDeleteClicked);
    menu.exec(listWidget->viewport()->mapToGlobal(position));
}

void VideoListDialog::onOpenFolderClicked()
{
    if (currentIndex < 0 || currentIndex >= records.size() || dropGoneCurrentFile())
        return;
    openContainingFolder(QFileInfo(records.at(currentIndex).path).absolutePath(), this);
}

void VideoListDialog::deleteRecordOf(const QString &path)
{
    // Its file becomes the current one, then the delete command runs.
    currentIndex = -1;
    const QFileInfo file(path);
    for (int j = 0; j < records.size(); ++j) {
        if (QFileInfo(records.at(j).path) == file) {
            currentIndex = j;
            break;
        }
    }
    if (currentIndex >= 0)
        onDeleteClicked();
}

void VideoListDialog::onDeleteClicked()
{
    if (currentIndex < 0 || currentIndex >= records.size() || dropGoneCurrentFile())
        return;
    const int index = currentIndex;
    const VideoRecord record = records.at(index);
    const QString title = record.isAudio ? tr("删除音频") : tr("删除视频");
    // No is the default: Return alone never deletes a file for good.
    if (QMessageBox::question(this, title, tr("确定永久删除“%1”吗？").arg(record.fileName),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    player->close();
    if (!QFile::remove(record.path)) {
        showLibraryWarning(this, tr("删除失败"), tr("文件正在使用或没有删除权限。"));
        return;
    }
    forgetRecordedFile(record.path);
    emit deleteRequested(record.path);

    const bool blocked = listWidget->blockSignals(true);
    const int removedRow = removeRecordRow(index);
    listWidget->setCurrentRow(-1);
    listWidget->blockSignals(blocked);
    selectAfterRemoval(removedRow);
}

int VideoListDialog::removeRecordRow(int index)
{
    const int removedRow = rowOfRecord(index);
    if (removedRow >= 0) {
        QListWidgetItem *item = listWidget->item(removedRow);
        if (QWidget *card = listWidget->itemWidget(item)) {
            listWidget->removeItemWidget(item);
            card->deleteLater();
        }
        delete listWidget->takeItem(removedRow);
    }
    records.removeAt(index);
    for (int row = 0; row < listWidget->count(); ++row) {
        QListWidgetItem *item = listWidget->item(row);
        const int i = item->data(Qt::UserRole).toInt();
        if (i > index)
            item->setData(Qt::UserRole, i - 1);
    }
    return removedRow;
}

void VideoListDialog::selectAfterRemoval(int removedRow)
{
    countLabel->setText(tr("%n 个文件", nullptr, listWidget->count()));
    if (listWidget->count() > 0) {
        stateOverlay->hide();
        listWidget->setCurrentRow(std::min(std::max(removedRow, 0), listWidget->count() - 1));
    } else {
        clearCurrentSelection();
        showListState(records.isEmpty() ? tr("暂无媒体文件") : tr("没有匹配的媒体文件"), false);
    }
}

bool VideoListDialog::dropGoneCurrentFile()
{
    if (currentIndex < 0 || currentIndex >= records.size() || QFileInfo::exists(records.at(currentIndex).path))
        return false;
    const QString fileName = records.at(currentIndex).fileName;
    player->close();
    // Whatever else went with it (a folder emptied in a file manager) goes from the list too,
    // so that the next selection does not stumble on the same thing. The row that takes the
    // gone one's place is selected, as after a delete.
    int currentRow = rowOfRecord(currentIndex);
    const bool blocked = listWidget->blockSignals(true);
    for (int i = int(records.size()) - 1; i >= 0; --i) {
        if (QFileInfo::exists(records.at(i).path))
            continue;
        const int removed = removeRecordRow(i);
        if (removed >= 0 && removed < currentRow)
            --currentRow;
    }
    listWidget->setCurrentRow(-1);
    listWidget->blockSignals(blocked);
    currentIndex = -1;
    selectAfterRemoval(currentRow);
    qInfo().noquote() << "[Media library] No longer on disk:" << fileName;
    showLibraryWarning(this, tr("文件不存在"), tr("“%1”已被移动或删除，已从列表中移除。").arg(fileName));
    return true;
}
