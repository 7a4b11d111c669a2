#pragma once

#include <QString>

// The folder recordings and screenshots are saved into, as the settings hold it.
namespace SaveFolder {

// A folder as typed or stored: "~" and "~/..." stand for the home folder, a relative
// folder is taken from the home folder; empty for an empty text.
QString resolve(const QString &typed);

// The stored folder ("save/directory", the Movies folder when unset), resolved; the
// home folder when it is stored empty.
QString current();

} // namespace SaveFolder
