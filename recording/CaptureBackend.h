#pragma once

// Where a recording's video frames come from. DesktopBackend, DesktopDuplicationBackend and
// DesktopDuplicationWithFallbackBackend all record the chosen display; FramesBackend takes
// frames of a window capture, or of the webcam page when a camera frame source is set.
enum CaptureBackend : int {
    DesktopBackend = 0,
    FramesBackend = 1,
    DesktopDuplicationBackend = 2,
    DesktopDuplicationWithFallbackBackend = 3,
};
