#include "preparation/AudioLevelReader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

template<typename T>
T sampleAt(const char *data)
{
    T value;
    std::memcpy(&value, data, sizeof(T));
    return value;
}

} // namespace

AudioLevelReader::AudioLevelReader(QAudioFormat::SampleFormat format) : m_format(format) {}

int AudioLevelReader::sampleBytes(QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::UInt8:
        return 1;
    case QAudioFormat::Int32:
    case QAudioFormat::Float:
        return 4;
    default:
        return 2;
    }
}

float AudioLevelReader::peakOf(QByteArrayView bytes, QAudioFormat::SampleFormat format)
{
    const int size = sampleBytes(format);
    const qsizetype count = bytes.size() / size;
    const char *data = bytes.data();
    double peak = 0.0;
    for (qsizetype i = 0; i < count; ++i, data += size) {
        double value = 0.0;
        switch (format) {
        case QAudioFormat::UInt8:
            value = std::abs(int(sampleAt<std::uint8_t>(data)) - 128) / 128.0;
            break;
        case QAudioFormat::Int32:
            value = std::abs(double(sampleAt<std::int32_t>(data))) / 2147483648.0;
            break;
        case QAudioFormat::Float: {
            const float sample = sampleAt<float>(data);
            value = std::isfinite(sample) ? std::abs(double(sample)) : 0.0;
            break;
        }
        default:
            value = std::abs(double(sampleAt<std::int16_t>(data))) / 32768.0;
            break;
        }
        peak = std::max(peak, value);
    }
    return float(std::clamp(peak, 0.0, 1.0));
}

float AudioLevelReader::read(QByteArrayView block)
{
    const int size = sampleBytes(m_format);
    if (m_leftover.isEmpty()) {
        const qsizetype whole = block.size() - block.size() % size;
        const float peak = peakOf(block.first(whole), m_format);
        m_leftover = block.sliced(whole).toByteArray();
        return peak;
    }
    QByteArray joined = m_leftover;
    joined.append(block.data(), block.size());
    const qsizetype whole = joined.size() - joined.size() % size;
    m_leftover = joined.sliced(whole);
    return peakOf(QByteArrayView(joined).first(whole), m_format);
}
