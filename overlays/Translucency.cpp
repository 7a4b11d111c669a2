#include "overlays/Translucency.h"

#include "platform/mac/OverlayWindowSupport.h"

#include <QGuiApplication>

bool overlaysCanBeTranslucent()
{
    return QGuiApplication::platformName() != QLatin1String("xcb") || hasCompositingManager();
}
