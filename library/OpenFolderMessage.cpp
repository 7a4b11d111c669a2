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

namespace {

// A message box wraps its text at spaces and after "/": a long file name has neither, runs
// past the box's edge and is cut off. A zero-width space after its "_", "-" and "." (and
// within any run longer than a line's worth) lets it wrap there too.
QString wrappablePaths(const QString &text)
{
    constexpr int kLongestRun = 32;
    QString wrappable;
    int run = 0;
    for (const QChar c : text) {
        wrappable += c;
        if (c.isSpace() || c == QLatin1Char('/')) {
            run = 0;
        } else if (c == QLatin1Char('_') || c == QLatin1Char('-') || c == QLatin1Char('.') || ++run >= kLongestRun) {
            wrappable += QChar(0x200B);
            run = 0;
        }
    }
    return wrappable;
}

} // namespace

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
                         wrappablePaths(QCoreApplication::translate("Common", "无法打开文件夹：\n%1")
                                                        .arg(QDir::toNativeSeparators(folder))));
    return false;
}

void showOpenFolderMessage(QWidget *parent, const QString &title, const QString &text, const QString &path)
{
    QMessageBox box(QMessageBox::Information, title, wrappablePaths(text), QMessageBox::NoButton, parent);
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
