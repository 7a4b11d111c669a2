#include "app/RecentCard.h"

#include "recording/NumberText.h"
#include "library/VideoListDialog.h"
#include "recording/MediaProbe.h"
#include "recording/Recorder.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QTimer>


bool RecentCard::isAudioFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("mp3") || suffix == QLatin1String("m4a") || suffix == QLatin1String("wav")
           || suffix == QLatin1String("flac");
}

QStringList RecentCard::previewArguments(const QString &path)
{
    const bool audio = isAudioFile(path);
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error")};
    if (!audio)
        args << QStringLiteral("-ss") << QStringLiteral("0.30");
    args << QStringLiteral("-i") << path;
    if (audio)
        args << QStringLiteral("-filter_complex")
             << QStringLiteral("[0:a]aformat=channel_layouts=mono,showwavespic=s=640x270:colors=0x289eff:"
                               "scale=sqrt[wave]")
             << QStringLiteral("-map") << QStringLiteral("[wave]");
    else
        args << QStringLiteral("-vf")
             << QStringLiteral("scale=640:270:force_original_aspect_ratio=increase,crop=640:270");
    args << QStringLiteral("-frames:v") << QStringLiteral("1") << QStringLiteral("-f") << QStringLiteral("image2pipe")
         << QStringLiteral("-vcodec") << QStringLiteral("mjpeg") << QStringLiteral("pipe:1");
    return args;
}

RecentCard::RecentCard(const QFileInfo &file, QWidget *parent) : QPushButton(parent), m_file(file)
{
    setObjectName(QStringLiteral("RecentCard"));
    setStyleSheet(QStringLiteral("QPushButton{padding:0;border:0;min-height:160px;max-height:160px;}"));
    setFixedHeight(160);
    setMaximumWidth(220);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setCursor(Qt::PointingHandCursor);
    setToolTip(file.fileName());
    setAccessibleName(file.fileName());

    m_process = new QProcess(this);
    m_timeout = new QTimer(this);
    m_timeout->setSingleShot(true);
    connect(m_timeout, &QTimer::timeout, m_process, &QProcess::kill);
    readBounded(*m_process, &m_output, nullptr);
    connect(m_process, &QProcess::readyReadStandardOutput, this, [this] {
        if (!m_output.complete())
            m_process->kill();
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        m_timeout->stop();
        m_loading = false;
        update();
        emit previewFinished();
    });
    connect(m_process, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { onStepFinished(code, int(status)); });

    m_process->start(MediaProbe::ffprobeExecutable(),
                     {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                      QStringLiteral("format=duration"), QStringLiteral("-of"),
                      QStringLiteral("default=noprint_wrappers=1:nokey=1"), m_file.absoluteFilePath()});
    m_timeout->start(15000);
}

RecentCard::~RecentCard()
{
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

void RecentCard::onStepFinished(int exitCode, int exitStatus)
{
    m_timeout->stop();
    const QByteArray output = m_output.complete() ? m_output.head() : QByteArray();
    m_output.clear();
    if (m_previewStage) {
        if (exitCode == 0 && exitStatus == QProcess::NormalExit)
            m_preview = QImage::fromData(output, "JPEG");
        m_loading = false;
        update();
        emit previewFinished();
        return;
    }
    bool ok = false;
    const double seconds = QString::fromUtf8(output).trimmed().toDouble(&ok);
    if (ok && seconds >= 0)
        m_duration = int(seconds + 0.5);
    m_previewStage = true;
    m_process->start(Recorder::ffmpegExecutable(), previewArguments(m_file.absoluteFilePath()));
    m_timeout->start(20000);
    update();
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
        const QImage scaled = m_preview.scaled(previewArea.size(), Qt::KeepAspectRatioByExpanding,
                                               Qt::SmoothTransformation);
        const QRect source((scaled.width() - w) / 2, (scaled.height() - (h - 54)) / 2, previewArea.width(),
                           previewArea.height());
        p.drawImage(previewArea, scaled, source);
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
        p.drawText(previewArea, Qt::AlignCenter, m_loading ? tr("Loading preview…") : tr("Preview unavailable"));
    }

    if (m_duration >= 0) {
        const QString text = VideoListDialog::formatDuration(m_duration);
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
