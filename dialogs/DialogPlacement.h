#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QScrollArea;
class QWidget;

// Under a window manager, Qt has been seen to take (0, 0) as the position of a
// frameless dialog that the manager placed elsewhere, and to keep it (the manager's
// reparenting races with Qt's own position query): the dialog's pop-ups, drop-down
// lists and tool tips then open at the corner of the screen. This watches the dialog
// for a moment after each time it is shown and, where Qt's position differs from where
// the X server has the window, tells Qt the true one. Nothing happens off X11.
void keepDialogPositionTrue(QWidget *dialog);

// The available area (without panels and docks) of the screen `widget` opens on: its
// parent window's screen, else the primary one.
QRect availableAreaFor(const QWidget *widget);

// Where a dialog of `dialogSize` opening from a window at `owner` goes on that window's
// display: beside it (below, else above, else over it), centred across it, kept inside the
// display's available area `available`.
QPoint positionBy(const QSize &dialogSize, const QRect &owner, const QRect &available);

// A dialog about to be shown for `owner` (a toolbar on another display than the hidden
// main window Qt centres it on) moves onto the owner's display, by it; so does a dialog
// of a toolbar that would open over it. Does nothing else when both are on one display.
void moveOntoOwnersDisplay(QWidget *dialog, const QWidget *owner);

// Each shown window of `dialogs` that no display shows any more (its display was taken
// away) moves by its owner (`ownerOf`, may give null) where that is on a display, else to
// the middle of the primary display.
void keepDialogsOnDisplays(const QList<QWidget *> &dialogs, const std::function<QWidget *(QWidget *)> &ownerOf);

// The size a frameless window that wants `wanted` takes inside `available`: the wanted
// size where it fits, else as much as the screen has (a small or high-DPI screen).
QSize sizeWithin(const QSize &wanted, const QRect &available);

// A frameless scroll area holding `body`: it scrolls only where the window gives the body
// less than it needs, so every control stays reachable on a small screen.
QScrollArea *scrollingBody(QWidget *body);
