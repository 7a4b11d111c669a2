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

Q_DECLARE_METATYPE(CaptureMode)
