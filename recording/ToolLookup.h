#pragma once

#include <QString>

// Where the programs that record, probe and edit are: the one beside the application
// when it is there, else the name alone, found on the search path.
namespace ToolLookup {

QString ffmpeg();
QString ffprobe();

} // namespace ToolLookup
