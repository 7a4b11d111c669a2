#include "recording/ScreenshotComposer.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QPainter>

#include <algorithm>

QImage composeScreenshot(const QRect &area, const QList<ScreenshotScreen> &screens, int primaryIndex,
                         const QRect &deviceArea)
{
    if (screens.isEmpty())
        return QImage();
    QList<DisplayGeometry::Display> displays;
    for (const ScreenshotScreen &screen : screens)
        displays.append(screen.display);
    // The area's device pixels as a recording of it has them: each corner through its display.
    const QRect device = area.isEmpty()        ? QRect()
                         : deviceArea.isValid() ? deviceArea
                                                : DisplayGeometry::toDevice(displays, area);
    QList<int> touched;
    for (int i = 0; i < displays.size() && !device.isEmpty(); ++i)
        if (displays.at(i).nativeGeometry.intersects(device))
            touched << i;

    if (touched.size() >= 2) {
        QImage picture(device.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::black);
        QPainter painter(&picture);
        for (int i : touched) {
            const QRect part = displays.at(i).nativeGeometry.intersected(device);
            QImage grab = screens[i].grab ? screens[i].grab() : QImage();
            if (grab.isNull())
                continue;
            grab.setDevicePixelRatio(1.0);
            painter.drawImage(part.topLeft() - device.topLeft(), grab,
                              part.translated(-displays.at(i).nativeGeometry.topLeft()));
        }
        painter.end();
        return picture;
    }

    int index = touched.isEmpty() ? -1 : touched.first();
    if (index < 0)
        index = (primaryIndex >= 0 && primaryIndex < screens.size()) ? primaryIndex : 0;
    const ScreenshotScreen &screen = screens[index];
    QImage grab = screen.grab ? screen.grab() : QImage();
    if (grab.isNull() || area.isEmpty())
        return grab;
    // Within the display it shows (a whole display of an odd size at 1.5 is a logical point
    // wider than its pixels).
    const QRect native = displays.at(index).nativeGeometry;
    const QRect within = device.intersected(native);
    QImage cut = grab.copy((within.isEmpty() ? device : within).translated(-native.topLeft()));
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
        result.append({display, [screen] { return screen->grabWindow(0).toImage(); }});
    }
    return result;
}
