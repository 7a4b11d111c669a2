#include "app/ScreenshotComposer.h"

#include "platform/mac/DisplayGeometry.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QPainter>

#include <algorithm>


namespace {

DisplayGeometry::Display displayOf(const ScreenshotScreen &screen)
{
    return {screen.geometry, screen.devicePixelRatio,
            screen.nativeGeometry.isValid()
                ? screen.nativeGeometry
                : QRect(screen.geometry.topLeft(), screen.geometry.size() * screen.devicePixelRatio)};
}

} // namespace

QImage composeScreenshot(const QRect &area, const QList<ScreenshotScreen> &screens, int primaryIndex)
{
    if (screens.isEmpty())
        return QImage();

    if (!area.isEmpty()) {
        QList<int> touched;
        for (int i = 0; i < screens.size(); ++i)
            if (screens[i].geometry.intersects(area))
                touched << i;
        if (touched.size() >= 2) {
            QList<DisplayGeometry::Display> displays;
            for (const ScreenshotScreen &screen : screens)
                displays.append(displayOf(screen));
            const QRect device = DisplayGeometry::toDevice(displays, area);
            QImage picture(device.size(), QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::black);
            QPainter painter(&picture);
            for (int i : touched) {
                const QRect part = displays.at(i).nativeGeometry.intersected(device);
                QImage grab = part.isEmpty() || !screens[i].grab ? QImage() : screens[i].grab();
                if (grab.isNull())
                    continue;
                grab.setDevicePixelRatio(1.0);
                painter.drawImage(part.topLeft() - device.topLeft(), grab,
                                  part.translated(-displays.at(i).nativeGeometry.topLeft()));
            }
            painter.end();
            return picture;
        }
    }

    int index = -1;
    if (!area.isEmpty()) {
        for (int i = 0; i < screens.size() && index < 0; ++i)
            if (screens[i].geometry.contains(area.center()))
                index = i;
    }
    if (index < 0)
        index = (primaryIndex >= 0 && primaryIndex < screens.size()) ? primaryIndex : 0;
    const ScreenshotScreen &screen = screens[index];
    QImage grab = screen.grab ? screen.grab() : QImage();
    if (grab.isNull() || area.isEmpty())
        return grab;
    // The area's device pixels as a recording of it has them, within the display it shows
    // (a whole display of an odd size at 1.5 is a logical point wider than its pixels).
    const DisplayGeometry::Display display = displayOf(screen);
    QRect device = DisplayGeometry::fromDisplay(display, area);
    if (const QRect within = device.intersected(display.nativeGeometry); !within.isEmpty())
        device = within;
    QImage cut = grab.copy(device.translated(-display.nativeGeometry.topLeft()));
    cut.setDevicePixelRatio(1.0);
    return cut;
}

QString screenshotFileName(const QDateTime &time)
{
    return QStringLiteral("Vistrelle_Screenshot_%1.png").arg(time.toString(QStringLiteral("yyyyMMdd_HHmmss_zzz")));
}

QList<ScreenshotScreen> applicationScreens(int *primaryIndex)
{
    QList<ScreenshotScreen> result;
    const QList<QScreen *> screens = QGuiApplication::screens();
    const QList<DisplayGeometry::Display> displays = DisplayGeometry::applicationDisplays();
    if (primaryIndex)
        *primaryIndex = std::max(0, int(screens.indexOf(QGuiApplication::primaryScreen())));
    for (int i = 0; i < screens.size() && i < displays.size(); ++i) {
        QScreen *screen = screens.at(i);
        const DisplayGeometry::Display &display = displays.at(i);
        result.append({display.geometry, display.devicePixelRatio,
                       [screen] { return screen->grabWindow(0).toImage(); }, display.nativeGeometry});
    }
    return result;
}
