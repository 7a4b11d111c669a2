#pragma once

#include "platform/mac/MacWindowInfo.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QWindow>

#include <functional>

// Window helpers of the capture layer, on X11: the list of windows worth offering as
// capture targets, still pictures of them, and the stacking of our own toolbars.

// Windows of other processes that are on screen, titled and at least 200 x 120, in
// the order the window manager (or, without one, the X server) lists them.
QList<MacWindowInfo> macCapturableWindows();

// Takes a picture of the window, 640 pixels wide with an even height keeping its
// aspect ratio, and calls `callback` with it exactly once, later, on the GUI thread;
// a null image when the window is gone or cannot be read. An empty callback is ignored.
void captureMacWindowPreview(quint64 windowNumber, std::function<void(QImage)> callback);
// The same for the whole window at its own size: a screenshot of it. Windows over it
// (the window picker) do not show where the X server keeps the window's own pixels.
void captureMacWindowPicture(quint64 windowNumber, std::function<void(QImage)> callback);

// Whether the window still exists on the display (it may have closed since it was listed).
bool macWindowExists(quint64 windowNumber);

// Keeps a toolbar above other windows and on every desktop (through the window
// manager when one runs); false when the window does not exist (yet).
bool keepMacRecordingToolbarVisible(WId window);
// Asks again for what a shown window of ours should be where the X server has it otherwise:
// unmapped, or more than a pixel off its place or size. Hidden and shown again at once (a
// toolbar changing mode), openbox may take the unmap after the new map and withdraw it, or
// take a shrink against the old fixed size before the new size hints and keep the old
// size. True when a request went out.
bool reassertMacWindowGeometry(QWindow *window);
// X11 has no way to keep a window out of other programs' screen grabs: always false.
bool excludeMacWindowFromLegacyCapture(WId window);
// Puts the toolbar window directly above the annotation layer window, both above others.
void configureMacAnnotationWindowLevels(WId layerWindow, WId toolbarWindow);
// Asks the window manager to offer no minimise button for the media library window.
void configureMacMediaLibraryWindow(WId window);

// The pieces below are the rules behind the functions above, kept apart so that
// they can be checked without a display.
struct MacWindowCandidate
{
    quint64 windowNumber = 0;
    qint32 ownerPid = 0;
    QString title;
    QString ownerName;
    QRectF bounds;
    bool normalType = true; // not a dock, desktop, menu, tooltip or notification
    qreal opacity = 1.0;
};
// Applies the listing rules to candidates in order: normal windows only, opacity
// above 0, not of process ownPid, readable bounds of at least 200 x 120, and a title
// that is not blank; titles come out trimmed and bounds rounded.
QList<MacWindowInfo> filterCapturableWindows(const QList<MacWindowCandidate> &candidates,
                                             qint32 ownPid);
// Size of a preview of a window of `windowSize`: 640 wide, height in proportion
// truncated, lowest bit cleared, at least 2.
QSize macWindowPreviewSize(const QSize &windowSize);
