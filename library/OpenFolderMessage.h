#pragma once

#include <QString>

class QWidget;

// An information box with an "Open Folder" button; that button opens the path itself when it
// is a folder, else the folder holding it.
void showOpenFolderMessage(QWidget *parent, const QString &title, const QString &text, const QString &path);

// Opens a folder (or the folder of a file) in the desktop's file manager; when the desktop
// cannot (no folder opener), says so in a warning box (over `parent`) naming the folder, and
// returns false.
bool openContainingFolder(const QString &path, QWidget *parent = nullptr);
