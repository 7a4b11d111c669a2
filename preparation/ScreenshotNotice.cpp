#include "preparation/ScreenshotNotice.h"

#include "recording/ScreenshotComposer.h"
#include "recording/ScreenshotWriter.h"
#include "widgets/MessageBoxes.h"
#include "recording/SaveFolder.h"

#include <QDateTime>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

void ScreenshotNotice::save(QWidget *parent, const QImage &picture)
{
    if (picture.isNull()) {
        QMessageBox::warning(parent, tr("截图失败"), tr("无法截取画面。"));
        return;
    }
    const QString folder = SaveFolder::current();
    const QPointer<QWidget> owner(parent);
    const bool queued = ScreenshotWriter::saveAsAsync(
        picture, folder, screenshotFileName(QDateTime::currentDateTime()), parent,
        [owner, folder](const QString &written) {
            if (!owner)
                return;
            if (written.isEmpty())
                QMessageBox::warning(owner, tr("截图失败"),
                                     tr("无法保存截图：\n%1\n请检查文件夹的写入权限。").arg(folder));
            else
                showOpenFolderMessage(owner, tr("截图完成"), tr("截图已保存到：\n%1").arg(written), written);
        });
    if (!queued)
        QMessageBox::warning(parent, tr("截图失败"), tr("上一张截图仍在保存，请稍后再试。"));
}
