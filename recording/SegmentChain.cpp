#include "recording/SegmentChain.h"

#include "recording/DrainingSegment.h"
#include "recording/FragmentedMp4.h"
#include "platform/mac/RecordingClock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

#include <algorithm>
#include <utility>

SegmentChain::SegmentChain(QObject *parent)
    : QObject(parent)
    , m_pipe(std::make_unique<FramePipe>())
{
    m_encoder = makeEncoder();
}

SegmentChain::~SegmentChain()
{
    // Encoders that a split ended write out what they hold.
    for (DrainingSegment *segment : std::exchange(m_draining, {})) {
        disconnect(segment, nullptr, this, nullptr);
        segment->waitForEnd(5000);
        delete segment;
    }
    if (m_handoff) {
        disconnect(m_handoff, nullptr, this, nullptr);
        m_handoff->waitForEnd(5000);
    }
    disconnect(m_encoder, nullptr, this, nullptr);
}

QProcess *SegmentChain::makeEncoder()
{
    auto *encoder = new QProcess(this);
    encoder->setProcessChannelMode(QProcess::MergedChannels);
    connectEncoder(encoder);
    return encoder;
}

void SegmentChain::connectEncoder(QProcess *encoder)
{
    connect(encoder, &QProcess::readyRead, this, &SegmentChain::encoderOutputReady);
    connect(encoder, &QProcess::finished, this, &SegmentChain::encoderFinished);
    connect(encoder, &QProcess::errorOccurred, this, &SegmentChain::encoderErrorOccurred);
}

void SegmentChain::keep(const QString &path)
{
    // Names carry the recording order; an encoder that a split ended may finish after
    // the one that took over.
    const QString name = QFileInfo(path).fileName();
    auto at = std::find_if(m_kept.begin(), m_kept.end(),
                           [&name](const QString &kept) { return QFileInfo(kept).fileName() > name; });
    m_kept.insert(at, path);
}

void SegmentChain::forgetRemovedSegments()
{
    m_numbersUsed += m_kept.size();
    m_kept.removeIf([](const QString &path) { return !QFileInfo::exists(path); });
    m_numbersUsed -= m_kept.size();
}

qint64 SegmentChain::drainingMs() const
{
    qint64 ms = m_handoff ? m_handoff->recordedMs() : 0;
    for (const DrainingSegment *segment : m_draining)
        ms += segment->recordedMs();
    return ms;
}

QString SegmentChain::nextSegmentPath(const QString &extension) const
{
    qsizetype number = m_numbersUsed + m_kept.size() + m_draining.size() + (m_handoff ? 1 : 0) + 1;
    QString path;
    do {
        path = QDir(m_folder).filePath(
            QStringLiteral("segment_%1.%2").arg(number++, 4, 10, QLatin1Char('0')).arg(extension));
    } while (QFileInfo::exists(path) || QFileInfo(path).isSymLink());
    return path;
}

void SegmentChain::beginSplit(const QString &path, qint64 recordedMs, const QElapsedTimer &clock, bool piped,
                              bool endsWithItsInput)
{
    disconnect(m_encoder, nullptr, this, nullptr);
    m_handoff = new DrainingSegment(m_encoder, piped ? std::move(m_pipe) : nullptr, path, recordedMs, clock, this);
    connect(m_handoff, &DrainingSegment::ended, this, &SegmentChain::onDrained);
    m_handoff->setEndsWithItsInput(endsWithItsInput);
    m_encoder = makeEncoder();
    m_pipe = std::make_unique<FramePipe>();
    m_reading = false;
}

void SegmentChain::handOver(qint64 firstPictureNs)
{
    if (!m_handoff)
        return;
    DrainingSegment *previous = std::exchange(m_handoff, nullptr);
    m_draining.append(previous);
    // Its sound ends where the next segment's begins, and so does its picture.
    previous->finish(DrainingSegment::kEndLimitMs,
                     firstPictureNs < 0 ? -1 : RecordingClock::wallUsOfSteady(firstPictureNs));
    m_audio.completeSplit(firstPictureNs);
}

SegmentChain::Resumed SegmentChain::giveUpSplit()
{
    Resumed resumed;
    if (!m_handoff)
        return resumed;
    disconnect(m_encoder, nullptr, this, nullptr);
    if (m_encoder->state() != QProcess::NotRunning) {
        m_encoder->kill();
        m_encoder->waitForFinished(2000);
    }
    m_encoder->deleteLater();
    m_pipe->abort();
    m_audio.cancelSplit();

    DrainingSegment *previous = std::exchange(m_handoff, nullptr);
    m_encoder = previous->takeProcess();
    m_encoder->setParent(this);
    connectEncoder(m_encoder);
    m_pipe = previous->takePipe();
    if (!m_pipe)
        m_pipe = std::make_unique<FramePipe>();
    m_reading = true;
    resumed.path = previous->path();
    resumed.recordedMs = previous->recordedMs();
    resumed.clock = previous->clock();
    resumed.output = previous->output();
    delete previous;
    return resumed;
}

void SegmentChain::onDrained(DrainingSegment *segment, bool keepIt)
{
    // An encoder before a split that ended before the next one took over (its only input,
    // the sound, went to the next one at once; or it failed): the next one takes over now.
    if (segment == m_handoff)
        handOver();
    m_draining.removeOne(segment);
    segment->deleteLater();
    const QString path = segment->path();
    if (keepIt) {
        keep(path);
    } else if (QFileInfo(path).size() > 0 && !FragmentedMp4::isHeaderOnly(path)) {
        qWarning().noquote() << "[Recorder] segment unreadable after its split, kept outside the recording:" << path;
    } else {
        QFile::remove(path);
    }
    emit segmentDrained(path, segment->recordedMs(), keepIt);
}

QStringList SegmentChain::drainingPaths() const
{
    QStringList paths;
    for (const DrainingSegment *segment : m_draining)
        paths << segment->path();
    return paths;
}

void SegmentChain::abandonDraining()
{
    for (DrainingSegment *segment : std::exchange(m_draining, {})) {
        disconnect(segment, nullptr, this, nullptr);
        delete segment; // kills its encoder
    }
}
