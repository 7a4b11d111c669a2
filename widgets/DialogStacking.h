#pragma once

#include <functional>

class QObject;
class QWidget;

// Which of the program's windows a dialog or message box that opens now must stand
// above, so that all of it can be clicked and it gets the keyboard:
// - the modal dialog already open, which it opens from or interrupts;
// - else a shown window of the program that stays above others (the preparation
//   toolbar, the recording toolbar, the auto-stop countdown...): the dialog's own parent
//   window when it is one, else the active one, else the first;
// - else the program's active window, else the dialog's parent window when it is shown,
//   else another shown window of the program (the media library while the main window
//   is hidden).
// Null when none of these is shown: the dialog keeps its parent window.
//
// A window manager keeps a transient window (WM_TRANSIENT_FOR) above the window it is
// transient for, in that window's layer, and lets it take the keyboard from it. Qt makes
// a dialog transient for its parent widget's window, which for the dialogs of the
// toolbars is the hidden main window: openbox then treats the dialog as a window of its
// own, in the normal layer below the toolbars that stay on top, and a message box that
// opens while another dialog has the keyboard is stacked below that dialog, which it
// blocks.
QWidget *dialogOwner(const QWidget *dialog);

// Makes every dialog and message box of the program, each time it is shown, a transient
// window of its dialogOwner (or of its parent window when it has none). Installs itself
// once on the application; later calls do nothing. Does nothing off X11.
void keepDialogsAboveTheirOwners();

// Calls `onChange` with true when the first dialog or message box of the program opens
// (as it is shown, before it is on screen) and with false when the last one closes, for
// as long as `context` lives. For the windows that stay above everything the window
// manager stacks (override-redirect ones), which would lie over the dialog: they step
// aside meanwhile. Installs the same watcher as keepDialogsAboveTheirOwners.
void watchOpenDialogs(QObject *context, std::function<void(bool open)> onChange);
