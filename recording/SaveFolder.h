#pragma once

#include <QString>

// The folder recordings and screenshots are saved into, as the settings hold it.
namespace SaveFolder {

// A folder as typed or stored: "~" and "~/..." stand for the home folder, a relative
// folder is taken from the home folder; empty for an empty text.
QString resolve(const QString &typed);

// The stored folder ("save/directory", the Movies folder by default), resolved; the
// Movies folder, else the home folder, when nothing usable is stored.
QString current();

} // namespace SaveFolder
