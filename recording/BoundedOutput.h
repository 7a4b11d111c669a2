#pragma once

#include <QByteArray>

#include <functional>

class QProcess;

// What a child process writes on one channel, kept within a fixed size however much it
// writes: the first `headLimit` bytes, which a reader parses (ffprobe's JSON, a picture), and
// the last `tailLimit` bytes, which name the cause of a failure. A reader that needs every
// line but none of them for long (a packet listing, an option listing) is given each
// complete line as it arrives instead; a line longer than the tail is cut to it.
class BoundedOutput
{
public:
    static constexpr qsizetype kDefaultTail = 16 * 1024;

    explicit BoundedOutput(qsizetype headLimit = 0, qsizetype tailLimit = kDefaultTail);

    // Called with each line (without its "\n", "\r" or "\r\n") as soon as it is complete, and with the
    // unfinished last one by finishLines().
    void setLineReader(std::function<void(const QByteArray &line)> reader);

    void append(const QByteArray &chunk);
    // Hands an unfinished last line to the line reader.
    void finishLines();
    void clear();

    // The first bytes, up to the head limit.
    const QByteArray &head() const { return m_head; }
    // True when the head holds everything written: nothing was cut off.
    bool complete() const { return m_total == m_head.size(); }
    // The last bytes written, up to the tail limit.
    QByteArray tail() const;
    // Everything when nothing was dropped; else the head, "[...]" and the tail.
    QByteArray text() const;
    qint64 total() const { return m_total; }

private:
    qsizetype m_headLimit;
    qsizetype m_tailLimit;
    QByteArray m_head;
    QByteArray m_tail; // what came after the head, trimmed to the tail limit now and then
    qint64 m_total = 0;
    std::function<void(const QByteArray &)> m_lineReader;
    QByteArray m_line;
    bool m_afterCarriageReturn = false; // the last byte read was "\r"
};

// Reads what `process` writes as it arrives into `out` (standard output, and standard error
// too when the channels are merged) and `err` (standard error; dropped when null), both
// inside waitForFinished() and its kin and from an event loop, so the process object never
// holds more than one read of it; `afterOutput`, when given, is called after each read of
// standard output that brought something. Connect before start().
void readBounded(QProcess &process, BoundedOutput *out, BoundedOutput *err,
                 const std::function<void()> &afterOutput = {});
