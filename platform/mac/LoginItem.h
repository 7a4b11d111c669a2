#pragma once

#include <QString>

// Starting the program when the user logs in: an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/vistrelle.desktop (~/.config when the variable is unset).
namespace LoginItem {

QString entryPath();

// Writes the entry (starting `program`) or removes it. False, with the reason in
// `error` when given, when the file could not be written or removed.
bool apply(bool startAtLogin, const QString &program, QString *error = nullptr);

} // namespace LoginItem
