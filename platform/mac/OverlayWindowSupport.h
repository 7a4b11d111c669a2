#pragma once

#include <QPoint>
#include <QRegion>

class QWidget;

// Window services that overlays, frameless dialogs and toolbars share.

// True when a compositing manager runs for the application's screen (some client
// owns the selection _NET_WM_CM_S<screen>): translucent windows are blended then.
// Without one a translucent window shows black, in screen grabs too. False when
// the application does not run on X11.
bool hasCompositingManager();

// Limits where the top-level window of `widget` takes mouse input to `region`, in
// the widget's own coordinates; clicks elsewhere go to whatever lies below, other
// programs included. An empty region passes every click through. The shape lasts
// across hide, show and resize. False off X11 or without the XFixes extension.
bool setWindowInputRegion(QWidget *widget, const QRegion &region);

// Moves `window` with the pointer while the left button stays down, starting from a
// press at `globalPress` (global coordinates). Uses the window manager's move when
// there is one, else moves the window by the pointer's delta itself. False when no
// move could start (no native window, or the left button is not down).
bool startWindowMove(QWidget *window, const QPoint &globalPress);
