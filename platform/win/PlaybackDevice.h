#pragma once

#include <QList>
#include <QString>

// One playback (speaker) device that system audio could be recorded from.
struct PlaybackDevice
{
    QString id;
    QString name;
    bool isDefault = false;
};

using PlaybackDeviceList = QList<PlaybackDevice>;
