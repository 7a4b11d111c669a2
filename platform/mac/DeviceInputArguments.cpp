#include "platform/mac/DeviceInputArguments.h"

#include <QtGlobal>

#include <atomic>

namespace {
std::atomic<int> chosenForm{-1};
}

DeviceInputArguments::Form DeviceInputArguments::platformForm()
{
#ifdef Q_OS_MACOS
    return Form::MacOS;
#else
    return Form::Linux;
#endif
}

DeviceInputArguments::Form DeviceInputArguments::form()
{
    const int chosen = chosenForm.load();
    return chosen < 0 ? platformForm() : static_cast<Form>(chosen);
}

void DeviceInputArguments::setForm(Form form)
{
    chosenForm.store(static_cast<int>(form));
}

void DeviceInputArguments::resetForm()
{
    chosenForm.store(-1);
}

QStringList DeviceInputArguments::microphone(Form form)
{
    return microphone(form, QString());
}

QStringList DeviceInputArguments::microphone(Form form, const QString &pulseSource)
{
    if (form == Form::MacOS)
        return {QStringLiteral("-f"), QStringLiteral("avfoundation"), QStringLiteral("-i"), QStringLiteral(":0")};
    return {QStringLiteral("-f"), QStringLiteral("pulse"), QStringLiteral("-i"),
            pulseSource.isEmpty() ? QStringLiteral("default") : pulseSource};
}

QStringList DeviceInputArguments::screen(Form form, int screenIndex, int fps, const QRect &nativeGeometry,
                                         const QString &display)
{
    if (form == Form::MacOS) {
        return {QStringLiteral("-f"), QStringLiteral("avfoundation"),
                QStringLiteral("-framerate"), QString::number(fps),
                QStringLiteral("-pixel_format"), QStringLiteral("nv12"),
                QStringLiteral("-i"), QStringLiteral("Capture screen %1:none").arg(screenIndex)};
    }
    QStringList args{QStringLiteral("-f"), QStringLiteral("x11grab"),
                     QStringLiteral("-framerate"), QString::number(fps),
                     QStringLiteral("-draw_mouse"), QStringLiteral("1")};
    // Without a known screen the whole X display is grabbed.
    if (!nativeGeometry.isEmpty()) {
        args << QStringLiteral("-video_size")
             << QStringLiteral("%1x%2").arg(nativeGeometry.width()).arg(nativeGeometry.height());
    }
    const QPoint origin = nativeGeometry.isEmpty() ? QPoint() : nativeGeometry.topLeft();
    args << QStringLiteral("-i") << QStringLiteral("%1+%2,%3").arg(display).arg(origin.x()).arg(origin.y());
    return args;
}

QString DeviceInputArguments::currentDisplay()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    return display.isEmpty() ? QStringLiteral(":0") : display;
}
