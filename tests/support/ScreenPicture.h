#pragma once
// The whole X screen as the server has it, in device pixels: what a test compares the
// program's pictures and recordings with.
#include "platform/mac/X11Connection.h"
#include "platform/mac/X11FrameGrabber.h"

#include <QImage>
#include <QString>

namespace {

inline QImage rootPicture()
{
    X11Connection connection;
    if (!connection.isValid())
        return QImage();
    X11FrameGrabber grabber(connection.get());
    return grabber.grab(connection.root(), QRect(QPoint(0, 0), connection.rootSize()))
        .convertToFormat(QImage::Format_RGB32);
}

// Saves the whole X screen as NAME.png into $VISTRELLE_SHOTS when that is set, for looking
// at the windows by eye.
inline void savePicture(const QString &name)
{
    const QString folder = qEnvironmentVariable("VISTRELLE_SHOTS");
    if (!folder.isEmpty())
        rootPicture().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace
