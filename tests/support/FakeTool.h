#pragma once
// Stand-ins for the tools the program runs (ffmpeg, ffprobe), put first on the search path.

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes the shell script `body` (after its "#!/bin/sh" line) as the executable file `path`.
inline bool writeScript(const QString &path, const QByteArray &body)
{
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly) || script.write("#!/bin/sh\n" + body) < 0)
        return false;
    script.close();
    return script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
