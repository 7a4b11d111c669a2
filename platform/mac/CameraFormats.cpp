#include "platform/mac/CameraFormats.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

int roundedRate(float rate)
{
    return int(std::lround(double(rate)));
}

} // namespace

int chooseCameraFormat(const QList<CameraFormatInfo> &formats, const CameraFormatWish &wish)
{
    if (formats.isEmpty())
        return -1;
    switch (wish.kind) {
    case CameraFormatWish::CameraDefault:
        return -1;
    case CameraFormatWish::Hd720At30:
        for (int i = 0; i < formats.size(); ++i) {
            if (formats[i].resolution == QSize(1280, 720) && formats[i].maxFrameRate >= 30.0f)
                return i;
        }
        return -1;
    case CameraFormatWish::Scored:
        break;
    }
    if (wish.fps < 1 && wish.resolution < 1)
        return 0;
    int best = -1;
    qint64 bestScore = std::numeric_limits<qint64>::max();
    for (int i = 0; i < formats.size(); ++i) {
        const CameraFormatInfo &f = formats[i];
        const qint64 heightTerm =
            wish.resolution >= 1 ? 10 * qint64(std::abs(f.resolution.height() - wish.resolution)) : 0;
        qint64 score = heightTerm;
        if (wish.fps >= 1) {
            const int low = std::abs(roundedRate(f.minFrameRate) - wish.fps);
            const int high = std::abs(roundedRate(f.maxFrameRate) - wish.fps);
            score += std::min(low, high);
        }
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}

QString describeCameraFormat(const CameraFormatInfo &format)
{
    return QStringLiteral("%1x%2 %3-%4 fps")
        .arg(format.resolution.width())
        .arg(format.resolution.height())
        .arg(double(format.minFrameRate))
        .arg(double(format.maxFrameRate));
}
