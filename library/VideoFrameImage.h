#pragma once

#include <QImage>

class QVideoFrame;

// The picture of a decoded video frame, made on the CPU from its mapped planes: no graphics
// context is involved, so any thread may call it and nothing of it outlives the call. YUV
// frames (8 and 10 bits, planar, semi-planar and packed) are converted with the colour matrix
// and range the frame names; RGB frames are copied. A frame that cannot be mapped, or of a
// format none of these covers, gives a null image.
QImage imageOfVideoFrame(const QVideoFrame &frame);
