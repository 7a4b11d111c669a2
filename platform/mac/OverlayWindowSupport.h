#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <Qt>

#include <optional>

class QWidget;

// Window services that overlays, frameless dialogs and toolbars share.

// Window flags of an overlay that only shows something over the desktop (pointer
// highlight, region frame, countdown, webcam bubble, key display): frameless, above
// other windows, and kept out of the window manager's hands, so that it is never
// framed, focused or listed among the user's windows. A managed window is reparented
// into a frame of the window manager's, and that frame takes the pointer over the whole
// window even where the window itself lets clicks through, so a full-screen overlay
// would swallow every click meant for the recording toolbar below it. On X11 such a
// window is override-redirect; other platforms ignore the bypass flag.
inline constexpr Qt::WindowFlags passiveOverlayFlags =
    Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint;

// True when a compositing manager runs for the application's screen (some client
// owns the selection _NET_WM_CM_S<screen>): translucent windows are blended then.
// Without one a translucent window shows black, in screen grabs too. False when
// the application does not run on X11.
bool hasCompositingManager();

// Limits where the top-level window of `widget` takes mouse input to `region`, in
// the widget's own coordinates; clicks elsewhere go to whatever lies below, other
// programs included, provided that no window manager framed the window (see
// passiveOverlayFlags: a frame takes the clicks its window lets through). An empty
// region passes every click through. The shape lasts across hide, show and resize.
// False off X11 or without the XFixes extension.
bool setWindowInputRegion(QWidget *widget, const QRegion &region);

// Moves `window` with the pointer while the left button stays down, starting from a
// press at `globalPress` (global coordinates). Uses the window manager's move when
// there is one, else moves the window by the pointer's delta itself. False when no
// move could start (no native window, or the left button is not down).
bool startWindowMove(QWidget *window, const QPoint &globalPress);
// Moves the window with the pointer from `globalPress` on, by the pointer's own distance, until
// the left button is released (a drag that starts only once the pointer has moved: the window
// manager's move would count from where the pointer is now).
bool followPointer(QWidget *window, const QPoint &globalPress);

// Where the X server has the top-left corner of the top-level window of `widget`, in the
// coordinates Qt moves windows in: the server counts device pixels, and at a scale above 1
// (QT_SCALE_FACTOR) a place read from it and handed to move() unconverted lands that many
// times as far from the screen's corner. Nothing off X11 or without a native window.
std::optional<QPoint> windowPositionFromServer(QWidget *widget);

// Where the X server has the top-level window of `widget`, in device pixels. Nothing off
// X11 or without a native window.
std::optional<QRect> serverWindowGeometry(QWidget *widget);

// The window manager's frame round the top-level window of `widget` as the manager announces
// it (_NET_FRAME_EXTENTS), in device pixels: its own figure, where Qt's frame margins are
// rounded to points and can be read mid-way through a reframe. Nothing off X11, without a
// native window, or before a window manager has framed the window.
std::optional<QMargins> serverFrameExtents(QWidget *widget);

// The device pixel at the top-left corner of the top-level window of `widget`, where Qt
// put its native window, or will put it when it shows (serverWindowGeometry() for a
// window the window manager may have moved). A pixel of the window at local position p (logical) is this origin plus p
// times the window's pixel ratio, on whichever display it lies.
QPoint deviceWindowOrigin(QWidget *widget);

// Where the pointer is, in device pixels. Qt gives its place in whole logical points,
// which at a scale above 1 skip device pixels; the X server has it to the pixel. Off X11,
// Qt's place through the display that holds it.
QPoint devicePointerPosition();
// The device pixel of a pointer event that Qt placed at `coarse` (its whole logical point
// in device pixels, at the ratio `ratio`): the X server's pointer where that lies within
// the point, else `coarse` (an event made by a program, or a pointer that has moved on).
QPoint refinedPointer(const QPoint &coarse, qreal ratio);

// Places the top-level window `window` over `device` (device pixels), also across
// displays: at a scale above 1 the logical desktop has gaps between displays, so a
// window over several is placed through one display's coordinates.
void setDeviceGeometry(QWidget *window, const QRect &device);

// Keeps the position Qt believes the top-level window of `widget` has in step with the
// one it has on screen, each time the window is exposed. A window manager reparents a
// shown window into a frame and then places the frame; when Qt asks where the window is
// before the frame has moved, and the window manager sends no notice after the move
// (openbox does not when the frame lands where the window asked to be), Qt believes the
// window sits at the frame's first place, the screen's corner (measured: about every
// other time a frameless tool window is shown under openbox), and moves made from that
// belief (fitting to the contents, drags) throw the window there. Call it from the
// window's show event (its native window may have been replaced since). Does nothing
// off X11.
void keepPositionInStep(QWidget *widget);

// Keeps the top-level window of `window` above that of `below` while both are shown, also
// when `below` takes the keyboard, by making it a transient window of `below` for the
// window manager (WM_TRANSIENT_FOR). Needed for a toolbar over a drawing layer that covers
// the whole screen: openbox lifts a frameless focused window of the screen's size into its
// full-screen layer, above every window that merely stays on top, and only that window's
// transients follow it there. `below` null gives the window its first transient setting
// back. Does nothing off X11.
void keepAboveWindow(QWidget *window, QWidget *below);
