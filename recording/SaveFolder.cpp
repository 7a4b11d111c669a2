#include "recording/SaveFolder.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace SaveFolder {

QString resolve(const QString &typed)
{
    QString path = QDir::fromNativeSeparators(typed.trimmed());
    if (path.isEmpty())
        return QString();
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path = QDir::homePath() + path.mid(1);
    // Never taken from wherever the program was started.
    return QDir::cleanPath(QDir(QDir::homePath()).absoluteFilePath(path));
}

QString current()
{
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    const QString folder = resolve(QSettings().value(QStringLiteral("save/directory"), movies).toString());
    return folder.isEmpty() ? QDir::homePath() : folder;
}

} // namespace SaveFolder
