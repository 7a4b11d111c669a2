#include "recording/ToolLookup.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString besideTheApplication(const QString &name)
{
    const QString bundled = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    return QFileInfo(bundled).isFile() ? bundled : name;
}

} // namespace

QString ToolLookup::ffmpeg()
{
    return besideTheApplication(QStringLiteral("ffmpeg"));
}

QString ToolLookup::ffprobe()
{
    return besideTheApplication(QStringLiteral("ffprobe"));
}
