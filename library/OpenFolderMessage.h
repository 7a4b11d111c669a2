#pragma once

#include <QString>

class QWidget;

// An information box with an "Open Folder" button; that button opens the path itself when it
// is a folder, else the folder holding it.
void showOpenFolderMessage(QWidget *parent, const QString &title, const QString &text, const QString &path);

// Opens a folder (or the folder of a file) in the desktop's file manager; false, with a
// warning in the log, when the desktop cannot.
bool openContainingFolder(const QString &path);
