#pragma once

#include <QString>

// Where the programs that record, probe and edit are: the program file `name` (ffmpeg,
// ffprobe) in the application's own folder when one is there, else the bare name, which
// QProcess looks up on the search path.
QString resolveToolPath(const QString &name);

namespace ToolLookup {

inline QString ffmpeg()
{
    return resolveToolPath(QStringLiteral("ffmpeg"));
}

inline QString ffprobe()
{
    return resolveToolPath(QStringLiteral("ffprobe"));
}

} // namespace ToolLookup
