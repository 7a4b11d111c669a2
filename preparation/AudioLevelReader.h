#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QByteArrayView>

// Peak level of raw audio blocks as they arrive from an input device. A sample
// split between two blocks is completed with the next block, so that every block
// is read on sample boundaries.
class AudioLevelReader
{
public:
    explicit AudioLevelReader(QAudioFormat::SampleFormat format = QAudioFormat::Int16);

    // Bytes per sample of a format as read here: unsigned 8-bit 1, 32-bit 4,
    // every other format is read as signed 16-bit.
    static int sampleBytes(QAudioFormat::SampleFormat format);
    // Largest absolute sample of whole samples, normalised to 0..1 (0 for none).
    static float peakOf(QByteArrayView bytes, QAudioFormat::SampleFormat format);

    // Peak of the block together with the bytes held over from the previous one.
    float read(QByteArrayView block);
    void reset() { m_leftover.clear(); }

private:
    QAudioFormat::SampleFormat m_format;
    QByteArray m_leftover;
};
