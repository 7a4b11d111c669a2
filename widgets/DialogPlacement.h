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
// less than it needs, so every control stays reachable on a small screen. The wheel over
// its fields scrolls it (see wheelScrollsPage).
QScrollArea *scrollingBody(QWidget *body);

// Over a drop-down, spin box or slider inside `area` that does not have the keyboard focus,
// the mouse wheel scrolls the page instead of changing the field's value; a field takes the
// focus by a click or the Tab key, no longer by the wheel. Fields added later are covered
// as the area is shown.
void wheelScrollsPage(QScrollArea *area);

// A dialog of the fixed size `wanted` that may open on a display smaller than that (a small
// or high-DPI laptop, a portrait monitor): it takes what the display's available area has,
// and `page` (the part between its title and its buttons, already in its layout) scrolls in
// its place, so the title and the buttons stay in view. A null `page` leaves the dialog's own
// scrolling pages to it. Checked again as the dialog is shown, on the display it opens on,
// where it is kept inside the available area. A dialog with a window manager's frame keeps
// the frame inside too. Called again for a dialog that takes another form, it replaces the
// earlier wanted size.
void fitToDisplay(QWidget *dialog, const QSize &wanted, QWidget *page);
