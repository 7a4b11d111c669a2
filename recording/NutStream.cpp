#include "recording/NutStream.h"

namespace {

constexpr quint64 startCode(char a, char b, quint64 base)
{
    return base + ((quint64(quint8(a)) << 8 | quint8(b)) << 48);
}
constexpr quint64 kMainStart = startCode('N', 'M', 0x7A561F5F04ADULL);
constexpr quint64 kStreamStart = startCode('N', 'S', 0x11405BF2F9DBULL);
constexpr quint64 kSyncStart = startCode('N', 'K', 0xE4ADEECA4569ULL);

// Frame-header flags: a key frame whose time, stream and size are written in its header,
// followed by a checksum (required for frames larger than twice the distance between
// synchronisation points).
constexpr int kKey = 1;
constexpr int kCodedTime = 8;
constexpr int kStreamId = 16;
constexpr int kSizeMsb = 32;
constexpr int kChecksum = 64;
constexpr int kTimeShift = 14;

// The format's CRC: polynomial 0x04C11DB7, most significant bit first, starting at 0.
quint32 crc(const QByteArray &data)
{
    quint32 c = 0;
    for (const char byte : data) {
        c ^= quint32(quint8(byte)) << 24;
        for (int bit = 0; bit < 8; ++bit)
            c = c & 0x80000000u ? (c << 1) ^ 0x04C11DB7u : c << 1;
    }
    return c;
}

// An unsigned number in groups of seven bits, most significant first, each but the last
// with its top bit set.
void putNumber(QByteArray &out, quint64 value)
{
    char groups[10];
    int n = 0;
    do {
        groups[n++] = char(value & 0x7f);
        value >>= 7;
    } while (value);
    while (n > 1)
        out.append(char(groups[--n] | 0x80));
    out.append(groups[0]);
}

void putBig(QByteArray &out, quint64 value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char(value >> (8 * i)));
}

// A packet: its start code, the length of what follows, the body and the body's checksum.
QByteArray packet(quint64 code, const QByteArray &body)
{
    QByteArray out;
    putBig(out, code, 8);
    putNumber(out, quint64(body.size()) + 4);
    out += body;
    putBig(out, crc(body), 4);
    return out;
}

} // namespace

QByteArray NutStream::header(const QSize &size, const QByteArray &fourcc)
{
    QByteArray main;
    putNumber(main, 3);       // version
    putNumber(main, 1);       // streams
    putNumber(main, 65536);   // largest distance between synchronisation points
    putNumber(main, 1);       // time bases: one, of a microsecond
    putNumber(main, 1);
    putNumber(main, 1000000);
    // Every frame code (all but 'N', 255 of them) means the same full frame header.
    putNumber(main, kKey | kCodedTime | kStreamId | kSizeMsb | kChecksum);
    putNumber(main, 6);       // fields that follow: time delta, size unit, stream, size, reserved, count
    putNumber(main, 0);
    putNumber(main, 1);
    putNumber(main, 0);
    putNumber(main, 0);
    putNumber(main, 0);
    putNumber(main, 255);
    putNumber(main, 0);       // one (empty) elision header

    QByteArray stream;
    putNumber(stream, 0);     // stream 0
    putNumber(stream, 0);     // video
    putNumber(stream, quint64(fourcc.size()));
    stream += fourcc;
    putNumber(stream, 0);     // time base 0
    putNumber(stream, kTimeShift);
    putNumber(stream, quint64(1) << 40); // largest time step between frames
    putNumber(stream, 0);     // no decode delay
    putNumber(stream, 0);     // flags
    putNumber(stream, 0);     // no codec data
    putNumber(stream, quint64(size.width()));
    putNumber(stream, quint64(size.height()));
    putNumber(stream, 0);     // aspect of the samples unknown
    putNumber(stream, 0);
    putNumber(stream, 0);     // colour space unknown

    return QByteArray("nut/multimedia container", 25) + packet(kMainStart, main) + packet(kStreamStart, stream);
}

QByteArray NutStream::frameHeader(qint64 stampUs, qint64 bytes)
{
    QByteArray sync;
    putNumber(sync, quint64(stampUs)); // time of the next key frame
    putNumber(sync, 0);                // no way back needed: every frame is a key frame
    QByteArray frame;
    frame.append(char(0));             // frame code 0
    putNumber(frame, 0);               // stream 0
    putNumber(frame, quint64(stampUs) + (quint64(1) << kTimeShift)); // the full time
    putNumber(frame, quint64(bytes));
    putBig(frame, crc(frame), 4);
    return packet(kSyncStart, sync) + frame;
}
