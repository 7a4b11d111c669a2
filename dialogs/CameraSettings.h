#pragma once

#include <QMetaType>
#include <QString>

// The webcam choice and how the webcam bubble is presented. Kept in memory by the
// recording-controls panel (never written to the settings store) and edited by
// the webcam settings dialog.
struct CameraSettings
{
    QString deviceId;    // id of the chosen video input as UTF-8 text; empty: the first camera
    QString deviceName;  // description of the chosen input
    int resolution = 1080; // wanted frame height: 0 automatic, 720, 1080
    int fps = 30;          // wanted frame rate: 0 automatic, 24, 30, 60
    int shape = 1;         // 0 circle, 1 rounded rectangle, 2 rectangle
    int position = 1;      // placement code 0..8 (0 top left, 1 top right, 2 bottom left, 3 bottom right,
                           // 4 top centre, 5 middle left, 6 centre, 7 middle right, 8 bottom centre)
    int size = 50;         // 0 smallest .. 100 largest
    bool mirrored = true;  // picture flipped left to right

    bool operator==(const CameraSettings &other) const = default;
};

Q_DECLARE_METATYPE(CameraSettings)
