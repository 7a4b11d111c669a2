#include "platform/mac/LoginItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace LoginItem {

QString entryPath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG rule: a relative or empty value is ignored.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart/vistrelle.desktop");
}

namespace {

// Exec= arguments: quoted, with the characters the entry spec reserves escaped.
QString quotedArgument(const QString &argument)
{
    QString escaped = argument;
    for (const QChar c : {QLatin1Char('\\'), QLatin1Char('"'), QLatin1Char('`'), QLatin1Char('$')})
        escaped.replace(c, QStringLiteral("\\") + c);
    // The value itself is a string in which a backslash is escaped again.
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

bool apply(bool startAtLogin, const QString &program, QString *error)
{
    const QString path = entryPath();
    if (!startAtLogin) {
        if (!QFileInfo::exists(path) || QFile::remove(path))
            return true;
        if (error)
            *error = QStringLiteral("cannot remove %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=Vistrelle\nExec=%1\n"
                                         "Terminal=false\nX-GNOME-Autostart-enabled=true\n")
                              .arg(quotedArgument(program));
    file.write(entry.toUtf8());
    if (file.commit())
        return true;
    if (error)
        *error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

} // namespace LoginItem
