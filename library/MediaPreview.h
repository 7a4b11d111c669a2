#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QThreadPool;

// Still pictures of media files: a video frame, or the waveform of an audio file, grabbed by
// ffmpeg; and the tinted waveform drawing.

// ffmpeg's arguments for one picture: a 360 x 210 frame at `seconds` (filled and cropped, for
// a card), or the whole frame within 640 x 360 (for the player's still), or a 1600 x 420 white
// waveform for an audio file.
QStringList mediaPreviewArguments(const QString &path, double seconds, bool wholeFrame = false);

// Runs that grab (up to 12 s) on the calling thread; a null image on any failure.
QImage grabMediaPreview(const QString &path, double seconds);
// The player's still of a file: the whole frame in its own proportions (or the waveform), for
// a picture the user waits for: the first still, the places of a file the player cannot seek
// in, a transform's picture. It ends (a null image) as soon as `wanted` returns false.
QImage grabPlayerStill(const QString &path, double seconds, const std::function<bool()> &wanted = {});

// A full-size frame at `seconds` (PNG through a pipe); a null image on any failure.
QImage grabFullFrame(const QString &path, double seconds);

// White with the picture's brightness as alpha: m <= 5 clear, 6..132 alpha 2m - 10, above opaque.
QImage waveformAlphaMask(const QImage &image);

// The waveform picture stretched to `size` and filled with the played or unplayed gradient.
QPixmap renderWaveformPixmap(const QImage &image, const QSize &size, bool playedPart);

// The process-wide pool for picture grabs (at most three at a time). Cleared and waited for
// when the application quits.
QThreadPool *picturePool();
