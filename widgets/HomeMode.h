#pragma once

#include <QMetaType>

// The home page's recording modes, as its cards, the preparation toolbar's menu and the
// main window pass them; each prepares one of the capture modes (preparation/CaptureMode.h;
// the webcam mode the screen, with the webcam page). The numbers are the cards' order.
enum class HomeMode : int {
    FullScreen = 0,
    Area = 1,
    Window = 2,
    Game = 3,
    AudioOnly = 4,
    Webcam = 5,
};

// A mode from a number (a card's index, a menu entry): out of range ones are the nearest mode.
inline HomeMode homeModeFromIndex(int index)
{
    return HomeMode(index < 0 ? 0 : index > int(HomeMode::Webcam) ? int(HomeMode::Webcam) : index);
}

Q_DECLARE_METATYPE(HomeMode)
