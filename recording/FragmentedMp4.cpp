#include "recording/FragmentedMp4.h"

#include <QFile>
#include <QtEndian>

FragmentedMp4::WholePart FragmentedMp4::wholePart(QIODevice &file)
{
    WholePart whole;
    const qint64 size = file.size();
    qint64 pos = 0;
    bool moofWaits = false; // a whole "moof" whose "mdat" has not come yet
    while (pos + 8 <= size && file.seek(pos)) {
        const QByteArray head = file.read(16);
        if (head.size() < 8)
            break;
        qint64 boxBytes = qFromBigEndian<quint32>(head.constData());
        const QByteArray type = head.mid(4, 4);
        if (pos == 0) {
            whole.isMp4 = type == "ftyp";
            if (!whole.isMp4)
                return whole;
        }
        if (boxBytes == 1) {
            if (head.size() < 16)
                break;
            boxBytes = qint64(qFromBigEndian<quint64>(head.constData() + 8));
        }
        // 0 (up to the end of the file) is what a writer leaves that never came back to the box.
        if (boxBytes < 8 || boxBytes > size - pos)
            break;
        if (type == "moov" && boxBytes < (16 << 20)) {
            // A fragmented file says so in its header: a movie-extends box ("mvex").
            file.seek(pos + 8);
            const QByteArray moov = file.read(boxBytes - 8);
            for (qint64 at = 0; at + 8 <= moov.size();) {
                const qint64 childBytes = qFromBigEndian<quint32>(moov.constData() + at);
                if (moov.mid(at + 4, 4) == "mvex")
                    whole.fragmented = true;
                if (childBytes < 8)
                    break;
                at += childBytes;
            }
        }
        if (type == "moof") {
            moofWaits = true;
        } else {
            if (type == "mdat" && moofWaits)
                ++whole.fragments;
            moofWaits = false;
            whole.bytes = pos + boxBytes;
        }
        pos += boxBytes;
    }
    return whole;
}

bool FragmentedMp4::cutToWholePart(const QString &path, WholePart *whole)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const WholePart found = wholePart(file);
    if (whole)
        *whole = found;
    if (!found.isMp4 || !found.fragmented || found.bytes >= file.size())
        return true;
    return file.resize(found.bytes);
}

bool FragmentedMp4::isHeaderOnly(const QString &path)
{
    // A header with the stream descriptions is a few kilobytes; a fragment of media adds more.
    constexpr qint64 kLargestHeader = 256 << 10;
    QFile file(path);
    if (file.size() <= 0 || file.size() > kLargestHeader || !file.open(QIODevice::ReadOnly))
        return false;
    const WholePart whole = wholePart(file);
    return whole.isMp4 && whole.fragmented && whole.fragments == 0;
}
