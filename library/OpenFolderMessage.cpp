#include "library/OpenFolderMessage.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

bool openContainingFolder(const QString &path, QWidget *parent)
{
    const QFileInfo info(path);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    if (folder.isEmpty())
        return false;
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        return true;
    qWarning().noquote() << "[Media library] The desktop could not open the folder" << folder;
    QMessageBox::warning(parent, QCoreApplication::translate("Common", "Open Folder"),
                         QCoreApplication::translate("Common", "无法打开文件夹：\n%1").arg(QDir::toNativeSeparators(folder)));
    return false;
}

void showOpenFolderMessage(QWidget *parent, const QString &title, const QString &text, const QString &path)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::NoButton, parent);
    box.setMinimumHeight(230);
    QPushButton *open = box.addButton(QCoreApplication::translate("Common", "Open Folder"), QMessageBox::ActionRole);
    box.addButton(QMessageBox::Ok);
    QTimer::singleShot(0, &box, [&box] {
        if (box.height() < 230)
            box.resize(box.width(), 230);
    });
    box.exec();
    if (box.clickedButton() == open)
        openContainingFolder(path, parent);
}
