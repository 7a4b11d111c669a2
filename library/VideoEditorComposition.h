#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// One rectangle of a video to blur.
struct MosaicRegion
{
    QRect rect;        // video pixels; normalised before use
    int strength = 20; // blur radius, 2..80
};

// The cross-fade between consecutive clips of a joined video.
struct TransitionConfig
{
    QString transition = QStringLiteral("fade"); // an xfade transition name: [a-z0-9]+
    double duration = 1.0;                        // seconds of overlap, at least 0.05
};

// The filter graphs of the composition operations of VideoEditor, built without running
// anything.
namespace Composition {

// The regions that get blurred: normalised, clipped to the frame when its size is known, and
// empty ones left out.
QList<MosaicRegion> usableMosaicRegions(const QList<MosaicRegion> &regions, QSize frame);

// The -filter_complex graph blurring the given (usable) regions; it ends in "[vout]". Empty
// when no region is given. Each blur radius is bounded by its region, so that a strong blur on
// a small region still works (boxblur refuses a radius above half a plane's side).
QString mosaicGraph(const QList<MosaicRegion> &regions);

// Whether a transition name may enter a filter graph.
bool isValidTransitionName(const QString &name);

// The transition graph for clips of the given durations (at least two), with one video output
// "[vout]" and one audio output "[aout]"; t is the overlap in seconds.
QString transitionGraph(const QList<double> &durations, const QString &transition, double t);

// The graph of background music mixed under a video's own sound; ends in "[aout]".
QString backgroundMusicGraph(double musicVolume);

// The subtitles filter for a subtitle file at any path.
QString subtitleFilter(const QString &subtitlePath);

// The rnnoise filter for a model file at any path.
QString audioDenoiseFilter(const QString &modelPath);

} // namespace Composition
