#include "app/RecentCard.h"

#include "library/MediaLibraryFiles.h"
#include "library/MediaPreview.h"
#include "library/MetadataQueue.h"
#include "library/PlayerFoundLengths.h"
#include "library/VideoListDialog.h"
#include "recording/NumberText.h"

#include <QFutureWatcher>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtConcurrent>

#include <cmath>

namespace {

constexpr int kTextInset = 8; // between the card's edges and its preview's message

} // namespace

RecentCard::RecentCard(const QFileInfo &file, QWidget *parent)
    : QPushButton(parent)
    , m_file(file)
    , m_audio(isAudioFile(file.absoluteFilePath()))
{
    setObjectName(QStringLiteral("RecentCard"));
    setStyleSheet(QStringLiteral("QPushButton{padding:0;border:0;min-height:160px;max-height:160px;}"));
    setFixedHeight(160);
    setMaximumWidth(220);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setCursor(Qt::PointingHandCursor);
    setToolTip(file.fileName());
    setAccessibleName(file.fileName());

    // The tasks own what they touch: a card removed meanwhile only drops its watchers.
    auto *watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher] {
        const QImage picture = watcher->future().resultCount() > 0 ? watcher->result() : QImage();
        watcher->deleteLater();
        m_preview = m_audio ? waveformAlphaMask(picture) : picture;
        m_loading = false;
        update();
        emit previewFinished();
    });
    const QString path = file.absoluteFilePath();
    watcher->setFuture(QtConcurrent::run(picturePool(), [path] { return grabMediaPreview(path, 0.3); }));

    // The length the library shows: a killed recording's is read from its packets, which can
    // take as long as reading the file, so the picture does not wait for it. One that nothing
    // could read comes when a library window's player finds it.
    connect(PlayerFoundLengths::instance(), &PlayerFoundLengths::found, this, [this](const QString &found) {
        if (m_lengthRead && found == normalizedMediaPath(filePath()))
            showFoundLength();
    });
    const auto known = MetadataQueue::sharedKnownFiles();
    if (const VideoRecord *record = MetadataQueue::unchangedRecord(*known, path, file.size(), file.lastModified())) {
        showLength(*record);
        return;
    }
    using FileRecord = MetadataQueue::FileRecord;
    auto *probe = new QFutureWatcher<FileRecord>(this);
    connect(probe, &QFutureWatcher<FileRecord>::finished, this, [this, probe, path] {
        const FileRecord result = probe->future().resultCount() > 0 ? probe->result() : FileRecord();
        probe->deleteLater();
        MetadataQueue::keep(*MetadataQueue::sharedKnownFiles(), path, result);
        showLength(result.record);
    });
    probe->setFuture(QtConcurrent::run(metadataThreadPool(), [path] {
        return MetadataQueue::readFile(readMetadata, unprobedRecord(path));
    }));
}

void RecentCard::showLength(const VideoRecord &record)
{
    // As the library's card: a file read with no length, or not read at all, has an unknown
    // one, unless a library's player has found it.
    m_lengthRead = true;
    m_readDuration = record.duration;
    showFoundLength();
}

void RecentCard::showFoundLength()
{
    m_duration = m_readDuration;
    if (m_duration <= 0) {
        if (const double found = PlayerFoundLengths::instance()->lengthOf(filePath(), m_file.size()); found > 0)
            m_duration = int(std::lround(found));
    }
    update();
}

QString RecentCard::lengthText() const
{
    if (!m_lengthRead)
        return QString();
    return m_duration < 0 ? VideoListDialog::tr("时长未知") : VideoListDialog::formatDuration(m_duration);
}

void RecentCard::paintEvent(QPaintEvent *)
{
    const int w = width(), h = height();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 10, 10);
    p.setClipPath(outline);
    p.fillRect(rect(), QColor(QStringLiteral("#0b1b2c")));

    const QRect previewArea(0, 0, w, h - 54);
    if (!m_preview.isNull()) {
        if (m_audio) {
            p.drawPixmap(previewArea, renderWaveformPixmap(m_preview, previewArea.size(), true));
        } else {
            const QImage scaled = m_preview.scaled(previewArea.size(), Qt::KeepAspectRatioByExpanding,
                                                   Qt::SmoothTransformation);
            const QRect source((scaled.width() - w) / 2, (scaled.height() - (h - 54)) / 2, previewArea.width(),
                               previewArea.height());
            p.drawImage(previewArea, scaled, source);
        }
        const QPoint c = previewArea.center();
        p.setPen(QPen(QColor(QStringLiteral("#4978a7")), 1));
        p.setBrush(QColor(12, 32, 59, 215));
        p.drawEllipse(QRect(c.x() - 20, c.y() - 20, 40, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const QPoint triangle[3] = {{c.x() - 6, c.y() - 10}, {c.x() + 10, c.y()}, {c.x() - 6, c.y() + 10}};
        p.drawPolygon(triangle, 3);
    } else {
        p.setPen(QColor(QStringLiteral("#7893b0")));
        // A narrow card (a small screen, a long translation) wraps the words inside its edges.
        p.drawText(previewArea.adjusted(kTextInset, 0, -kTextInset, 0), Qt::AlignCenter | Qt::TextWordWrap,
                   m_loading ? tr("Loading preview…") : tr("Preview unavailable"));
    }

    if (const QString text = lengthText(); !text.isEmpty()) {
        QFont font = p.font();
        font.setPixelSize(12);
        p.setFont(font);
        const int a = QFontMetrics(font).horizontalAdvance(text);
        const QRect badge(QPoint(w - 22 - a, h - 82), QPoint(w - 9, h - 61));
        p.setPen(QColor(QStringLiteral("#355a7c")));
        p.setBrush(QColor(3, 12, 23, 220));
        p.drawRoundedRect(badge, 5, 5);
        p.setPen(Qt::white);
        p.drawText(badge, Qt::AlignCenter, text);
    }

    p.fillRect(QRect(QPoint(0, h - 54), QPoint(w - 1, h - 1)), QColor(QStringLiteral("#102034")));
    p.setPen(QPen(QColor(QStringLiteral("#294b6c")), 1));
    p.drawLine(QPointF(0.5, h - 53.5), QPointF(w - 0.5, h - 53.5));

    QFont nameFont = p.font();
    nameFont.setPixelSize(13);
    p.setFont(nameFont);
    p.setPen(QColor(QStringLiteral("#e7eefb")));
    // Right to left the shortened name keeps its ellipsis at its own end.
    const QString name = NumberText::isolatedName(
        QFontMetrics(nameFont).elidedText(m_file.completeBaseName(), Qt::ElideRight, w - 26));
    p.drawText(QRect(QPoint(13, h - 49), QPoint(w - 14, h - 27)), Qt::AlignLeft | Qt::AlignVCenter, name);

    QFont dateFont = p.font();
    dateFont.setPixelSize(11);
    p.setFont(dateFont);
    p.setPen(QColor(QStringLiteral("#7995b4")));
    const QDateTime born = m_file.birthTime().isValid() ? m_file.birthTime() : m_file.lastModified();
    p.drawText(QRect(QPoint(13, h - 25), QPoint(w - 14, h - 8)), Qt::AlignLeft | Qt::AlignVCenter,
               born.date().toString(Qt::ISODate));

    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    QLinearGradient border(0, 0, 0, h);
    border.setColorAt(0, QColor(QStringLiteral("#3b648b")));
    border.setColorAt(1, QColor(QStringLiteral("#294865")));
    p.setPen(QPen(QBrush(border), 1));
    p.drawPath(outline);
    if (testAttribute(Qt::WA_UnderMouse) || hasFocus()) {
        p.setPen(QPen(QColor(QStringLiteral("#5684ad")), 1));
        p.drawPath(outline);
    }
}
