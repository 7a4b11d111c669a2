#pragma once

#include <QMetaType>

// What a recording captures. The values are stored (schedule) and passed between
// the mode bar, the controls panel and the main window.
enum CaptureMode : int {
    CaptureModeScreen = 0,           // the whole screen or a region of it
    CaptureModeWindow = 1,           // one window
    CaptureModeGame = 2,             // a game window
    CaptureModeHighPerformance = 3,  // high-performance screen capture
    CaptureModeAudioOnly = 4,        // sound only
};

// The home page's recording modes, as its cards, the preparation toolbar's menu and the
// main window pass them; each prepares one of the capture modes above (the webcam mode the
// screen, with the webcam page).
enum HomeMode : int {
    HomeModeFullScreen = 0,
    HomeModeArea = 1,
    HomeModeWindow = 2,
    HomeModeGame = 3,
    HomeModeAudioOnly = 4,
    HomeModeWebcam = 5,
};

Q_DECLARE_METATYPE(CaptureMode)
