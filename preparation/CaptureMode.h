#pragma once

#include <QMetaType>

// What a recording captures. The values are stored (schedule) and passed between
// the mode bar, the controls panel and the main window.
enum class CaptureMode : int {
    Screen = 0,           // the whole screen or a region of it
    Window = 1,           // one window
    Game = 2,             // a game window
    HighPerformance = 3,  // high-performance screen capture
    AudioOnly = 4,        // sound only
};

Q_DECLARE_METATYPE(CaptureMode)
