#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// An information box with an "Open Folder" button; that button opens the path itself when it
// is a folder, else the folder holding it.
void showOpenFolderMessage(QWidget *parent, const QString &title, const QString &text, const QString &path);

// Opens a folder (or the folder of a file) in the desktop's file manager; when the desktop
// cannot (no folder opener), says so in a warning box (over `parent`) naming the folder, and
// returns false.
bool openContainingFolder(const QString &path, QWidget *parent = nullptr);

// A warning or information box wide enough for its title and its longest unbreakable word
// (see widenMessageBox).
void showLibraryWarning(QWidget *parent, const QString &title, const QString &text);
void showLibraryInformation(QWidget *parent, const QString &title, const QString &text);

// Before the box is shown, all set: wide enough that the window manager's title bar shows the whole title
// and that the longest stretch of its text without a break (a long file name) stays on one line,
// within the screen.
void widenMessageBox(QMessageBox &box);

// The widest a message box can be on a display `availableWidth` points wide and still show
// all of its contents (QMessageBox caps its own width).
int widestMessageBox(int availableWidth);

// Before the box is shown, its buttons all added: where they are wider side by side than the
// box can be on its display (long words on a narrow or high-DPI display), they stand one above
// the other, each word whole.
void stackButtonsWhenNarrow(QMessageBox &box);
