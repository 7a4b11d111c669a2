#pragma once

#include "platform/mac/DisplayGeometry.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <functional>

// One screen as a screenshot sees it: the display it is, and how to grab it whole (in
// native pixels).
struct ScreenshotScreen
{
    DisplayGeometry::Display display;
    std::function<QImage()> grab;
};

// The picture of `area` (global logical coordinates, each corner on the display that
// holds it):
// - an area over two or more screens: a picture of the area's size in device pixels,
//   black where no screen is, each screen's part of it drawn from its grab unscaled;
// - otherwise the screen under the area's centre (for an empty area, or where no screen
//   is, the primary one) grabbed whole and, for a non-empty area, cut to the area in that
//   screen's native pixels.
// A null image when there is no screen. `deviceArea`, when valid, is the area's device
// pixels as the user chose them (at a scale above 1 they need not be where the logical
// corners fall): the picture shows exactly those.
QImage composeScreenshot(const QRect &area, const QList<ScreenshotScreen> &screens, int primaryIndex,
                         const QRect &deviceArea = QRect());

// "Vistrelle_Screenshot_<yyyyMMdd_HHmmss_zzz>.png" for a local time.
QString screenshotFileName(const QDateTime &time);

// The application's screens, in QGuiApplication::screens() order, each grabbed through
// QScreen::grabWindow(0) (which already returns that screen's own area); `primaryIndex`
// receives the primary screen's place.
QList<ScreenshotScreen> applicationScreens(int *primaryIndex);
