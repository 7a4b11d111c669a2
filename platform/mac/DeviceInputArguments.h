#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

// The encoder's own device inputs: the microphone, and the screen when no frame
// capture feeds the encoder. macOS opens both through AVFoundation; on Linux the
// microphone is PulseAudio's default source and the screen comes from x11grab.
// The form follows the platform the program runs on unless set otherwise.
class DeviceInputArguments
{
public:
    enum class Form { MacOS, Linux };

    static Form platformForm();
    static Form form();
    static void setForm(Form form);
    static void resetForm();

    // "-f" ... "-i" ... for the default microphone.
    static QStringList microphone(Form form);
    // The same for a chosen PulseAudio source on Linux (empty: the default one).
    static QStringList microphone(Form form, const QString &pulseSource);

    // "-f" ... "-i" ... for the whole screen: screenIndex is the display number
    // that AVFoundation uses, nativeGeometry the screen's rectangle in device
    // pixels on the X display named by display (e.g. ":0").
    static QStringList screen(Form form, int screenIndex, int fps, const QRect &nativeGeometry,
                              const QString &display);

    // The X display the encoder should grab: $DISPLAY, or ":0" when unset.
    static QString currentDisplay();
};
