#pragma once

#include <QString>
#include <QtGlobal>

class QIODevice;

// A fragmented MP4 file (a segment) that its encoder did not finish: killed, or cut off by a
// full disk. Its header and every fragment before the cut play; the fragment the cut went
// through does not decode, and is left out.
class FragmentedMp4
{
public:
    struct WholePart
    {
        bool isMp4 = false;   // the file begins with an MP4 header ("ftyp")
        bool fragmented = false; // its header says that its media comes in fragments
        qint64 bytes = 0;     // its length up to the end of its last whole fragment
        int fragments = 0;    // whole fragments ("moof" with its whole "mdat")
    };

    // Walks the file's top-level boxes.
    static WholePart wholePart(QIODevice &file);
    // Cuts a fragmented MP4 file to its whole part; false when it cannot be read or cut. Other
    // files (a plain MP4 whose writer never came back to its header is a recovery tool's work)
    // are left as they are.
    static bool cutToWholePart(const QString &path, WholePart *whole = nullptr);
    // A fragmented MP4 file that holds its header and no whole fragment: an encoder that ended
    // before it wrote any media (a full disk, a stop at its first moments). Only small files
    // are read, so that asking costs the GUI thread nothing.
    static bool isHeaderOnly(const QString &path);
};
