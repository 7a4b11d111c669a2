#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

// One format a camera offers, as plain values (QCameraFormat cannot be built by hand).
struct CameraFormatInfo
{
    QSize resolution;
    float minFrameRate = 0;
    float maxFrameRate = 0;
};

// One listed video input.
struct CameraDeviceInfo
{
    QByteArray id;
    QString description;
    QList<CameraFormatInfo> formats;

    QString idText() const { return QString::fromUtf8(id); }
};

// What a camera user would like the camera to deliver.
struct CameraFormatWish
{
    enum Kind {
        CameraDefault,   // leave the camera's own format
        Hd720At30,       // the first 1280x720 format that reaches 30 frames per second
        Scored,          // the best match for a frame height and a frame rate (0: automatic)
    };
    Kind kind = CameraDefault;
    int resolution = 0;
    int fps = 0;

    static CameraFormatWish hd720() { return {Hd720At30, 0, 0}; }
    static CameraFormatWish scored(int resolution, int fps) { return {Scored, resolution, fps}; }
    bool operator==(const CameraFormatWish &other) const = default;
};

// Index of the format that satisfies the wish, or -1 when the camera should keep
// its default format.
//  - Hd720At30: the first format of exactly 1280x720 whose maximum rate is at least 30.
//  - Scored with fps >= 1: min(|round(min rate) - fps|, |round(max rate) - fps|)
//    + 10 * |height - resolution| (the second term only for resolution >= 1); lowest wins.
//  - Scored with fps < 1 and resolution >= 1: 10 * |height - resolution|; lowest wins.
//  - Scored, both automatic: the first format.
// Ties keep the earlier format. An empty list gives -1.
int chooseCameraFormat(const QList<CameraFormatInfo> &formats, const CameraFormatWish &wish);

QString describeCameraFormat(const CameraFormatInfo &format);
