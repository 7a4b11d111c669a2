#pragma once

#include "platform/mac/NativeWindowHandle.h"

#include <QMetaType>
#include <QRect>
#include <QString>

// One window offered by the window picker: its handle for the window capture, the
// trimmed title, the owning application's name (empty when unknown), its frame in
// screen pixels as the window list reports it, and the index of the screen that
// holds the frame's centre (0 when none does). The empty value has an invalid
// handle and a null frame.
struct CapturableWindow
{
    NativeWindowHandle window;
    QString title;
    QString subtitle;
    QRect frame;
    int screenIndex = 0;
};

Q_DECLARE_METATYPE(CapturableWindow)
