#pragma once

class QWidget;

// Under a window manager, Qt has been seen to take (0, 0) as the position of a
// frameless dialog that the manager placed elsewhere, and to keep it (the manager's
// reparenting races with Qt's own position query): the dialog's pop-ups, drop-down
// lists and tool tips then open at the corner of the screen. This watches the dialog
// for a moment after each time it is shown and, where Qt's position differs from where
// the X server has the window, tells Qt the true one. Nothing happens off X11.
void keepDialogPositionTrue(QWidget *dialog);
