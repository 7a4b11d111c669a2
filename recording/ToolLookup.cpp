#include "recording/ToolLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString resolveToolPath(const QString &name)
{
    const QString local = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    return QFileInfo(local).isFile() ? local : name;
}
