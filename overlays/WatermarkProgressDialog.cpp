#include "overlays/WatermarkProgressDialog.h"

#include "widgets/TintedIcon.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The bar that shows the percentage: a rounded track with a gradient fill.
class GradientProgressBar : public QWidget
{
public:
    using QWidget::QWidget;
    int value = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int w = width();
        const int h = height();
        painter.setPen(QPen(QColor(QStringLiteral("#355171")), 1));
        painter.setBrush(QColor(QStringLiteral("#19304d")));
        painter.drawRoundedRect(QRect(0, 0, w, h), 9, 9);
        if (value <= 0)
            return;
        const int fill = std::min(std::max(w * value / 100, 18), w);
        QLinearGradient gradient(0, 0, fill, 0);
        gradient.setColorAt(0, QColor(QStringLiteral("#286dff")));
        gradient.setColorAt(0.55, QColor(QStringLiteral("#20a8ff")));
        gradient.setColorAt(1, QColor(QStringLiteral("#31d8e9")));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawRoundedRect(QRect(0, 0, fill, h), 9, 9);
    }
};

const char *const kSurfaceStyle = R"(
#WatermarkProgressSurface {
  background: qradialgradient(cx:0.48, cy:0.42, radius:0.92, fx:0.48, fy:0.42,
      stop:0 #12243c, stop:0.63 #0d1d31, stop:1 #091728);
  border: 1px solid #3b5778; border-radius: 15px; }
#WatermarkProgressSurface QLabel { background: transparent; font-family: 'Microsoft YaHei UI'; }
#WatermarkProgressSurface QPushButton { outline: none; padding: 0px; font-family: 'Microsoft YaHei UI'; }
)";

} // namespace

WatermarkProgressDialog::WatermarkProgressDialog(bool watermarkMode, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowModality(Qt::NonModal);
    setFixedSize(590, 300);
    setStyleSheet(QStringLiteral("QDialog{background:#0b1626;border:0;}"));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("WatermarkProgressSurface"));
    surface->setAttribute(Qt::WA_StyledBackground);
    surface->setStyleSheet(QString::fromLatin1(kSurfaceStyle));
    outer->addWidget(surface);
    auto *column = new QVBoxLayout(surface);
    column->setContentsMargins(28, 20, 28, 18);
    column->setSpacing(0);

    m_header = new QWidget(surface);
    m_header->setFixedHeight(62);
    m_header->setStyleSheet(QStringLiteral("background:transparent;"));
    auto *headerRow = new QHBoxLayout(m_header);
    headerRow->setContentsMargins(0, 0, 0, 0);
    headerRow->setSpacing(16);
    auto *icon = new QLabel(m_header);
    icon->setFixedSize(52, 52);
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(tintedPixmap(QStringLiteral(":/icons/icons/layers.svg"), QSize(31, 31), QColor(QStringLiteral("#3fa6ff")),
                                 qApp->devicePixelRatio()));
    icon->setStyleSheet(QStringLiteral("background:#19375d;border:1px solid #244871;border-radius:26px;"));
    auto *title = new QLabel(watermarkMode ? tr("正在添加水印") : tr("正在保存录制"), m_header);
    title->setObjectName(QStringLiteral("ProgressTitle"));
    title->setStyleSheet(QStringLiteral("color:#f5f8ff;font-size:27px;font-weight:700;"));
    auto *close = new QPushButton(m_header);
    close->setObjectName(QStringLiteral("ProgressCloseButton"));
    close->setFixedSize(38, 38);
    close->setIcon(tintedIcon(QStringLiteral(":/icons/icons/close.svg"), QSize(24, 24), QColor(QStringLiteral("#eef4ff")),
                             qApp->devicePixelRatio()));
    close->setIconSize(QSize(24, 24));
    close->setCursor(Qt::PointingHandCursor);
    close->setStyleSheet(QStringLiteral("QPushButton{background:transparent;border:none;border-radius:8px;}"
                                        "QPushButton:hover{background:#243a55;}"
                                        "QPushButton:pressed{background:#1a2d46;}"));
    headerRow->addWidget(icon);
    headerRow->addWidget(title);
    headerRow->addStretch();
    headerRow->addWidget(close);
    column->addWidget(m_header);
    column->addSpacing(24);

    auto *statusRow = new QHBoxLayout;
    statusRow->setSpacing(12);
    m_status = new QLabel(watermarkMode ? tr("正在处理视频，请稍候…") : tr("正在处理录制文件，请稍候…"), surface);
    m_status->setObjectName(QStringLiteral("ProgressStatus"));
    m_status->setStyleSheet(QStringLiteral("color:#eef4ff;font-size:20px;font-weight:500;"));
    m_percent = new QLabel(QStringLiteral("0%"), surface);
    m_percent->setObjectName(QStringLiteral("ProgressPercent"));
    m_percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_percent->setStyleSheet(QStringLiteral("color:#4da3ff;font-size:23px;font-weight:700;"));
    statusRow->addWidget(m_status, 1);
    statusRow->addWidget(m_percent);
    column->addLayout(statusRow);
    column->addSpacing(17);

    auto *bar = new GradientProgressBar(surface);
    bar->setObjectName(QStringLiteral("ProgressBar"));
    bar->setFixedHeight(18);
    bar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_bar = bar;
    column->addWidget(bar);
    column->addSpacing(15);

    auto *countRow = new QHBoxLayout;
    m_count = new QLabel(tr("正在处理 %1 / %2").arg(1).arg(1), surface);
    m_count->setObjectName(QStringLiteral("ProgressCount"));
    m_remaining = new QLabel(QObject::tr("预计剩余 --:--"), surface);
    m_remaining->setObjectName(QStringLiteral("ProgressRemaining"));
    m_remaining->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel *label : {m_count, m_remaining})
        label->setStyleSheet(QStringLiteral("color:#91a8c7;font-size:15px;"));
    countRow->addWidget(m_count);
    countRow->addStretch();
    countRow->addWidget(m_remaining);
    column->addLayout(countRow);
    column->addSpacing(19);
    auto *divider = new QWidget(surface);
    divider->setFixedHeight(1);
    divider->setAttribute(Qt::WA_StyledBackground);
    divider->setStyleSheet(QStringLiteral("background:#243b58;"));
    column->addWidget(divider);
    column->addSpacing(13);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    m_cancel = new QPushButton(tr("取消"), surface);
    m_cancel->setObjectName(QStringLiteral("ProgressCancelButton"));
    m_cancel->setFixedSize(108, 42);
    m_cancel->setCursor(Qt::PointingHandCursor);
    m_cancel->setStyleSheet(QStringLiteral(
        "QPushButton{background:#0e1e32;border:1px solid #466486;border-radius:8px;color:#f0f5ff;font-size:16px;"
        "font-weight:500;}QPushButton:hover{background:#172c46;border-color:#5e8fc5;}"
        "QPushButton:pressed{background:#0a1728;}"
        "QPushButton:disabled{color:#687b95;border-color:#2d425d;background:#0d192a;}"));
    buttonRow->addWidget(m_cancel);
    column->addLayout(buttonRow);

    for (QWidget *w : {m_header, static_cast<QWidget *>(icon), static_cast<QWidget *>(title)})
        w->installEventFilter(this);
    connect(close, &QPushButton::clicked, this, &WatermarkProgressDialog::requestCancel);
    connect(m_cancel, &QPushButton::clicked, this, &WatermarkProgressDialog::requestCancel);
    // Wider where the title needs it (German).
    setFixedWidth(std::max(590, minimumSizeHint().width()));
}

int WatermarkProgressDialog::progressValue() const
{
    return static_cast<GradientProgressBar *>(m_bar)->value;
}

void WatermarkProgressDialog::setStatusText(const QString &text)
{
    if (!text.trimmed().isEmpty())
        m_status->setText(text);
}

void WatermarkProgressDialog::setProgress(int percent, int current, int total, qint64 remainingSeconds,
                                          bool cancellable)
{
    const int p = std::clamp(percent, 0, 100);
    auto *bar = static_cast<GradientProgressBar *>(m_bar);
    if (bar->value != p) {
        bar->value = p;
        bar->update();
    }
    m_percent->setText(QStringLiteral("%1%").arg(p));
    m_count->setText(tr("正在处理 %1 / %2").arg(std::max(current, 1)).arg(std::max(total, 1)));
    const qint64 r = percent >= 100 ? 0 : remainingSeconds;
    if (r >= 0)
        m_remaining->setText(QObject::tr("预计剩余 %1:%2")
                                 .arg(r / 60, 2, 10, QLatin1Char('0'))
                                 .arg(r % 60, 2, 10, QLatin1Char('0')));
    else
        m_remaining->setText(QObject::tr("预计剩余 --:--"));
    m_cancel->setEnabled(cancellable && !m_cancelRequested);
}

void WatermarkProgressDialog::requestCancel()
{
    if (m_cancelRequested || !m_cancel->isEnabled())
        return;
    m_cancelRequested = true;
    m_cancel->setEnabled(false);
    m_cancel->setText(tr("正在取消…"));
    m_status->setText(tr("正在安全取消水印处理…"));
    emit cancelRequested();
}

bool WatermarkProgressDialog::mayClose()
{
    if (m_cancelRequested)
        return false;
    if (!m_cancel->isEnabled())
        return true;
    requestCancel();
    return false;
}

void WatermarkProgressDialog::closeEvent(QCloseEvent *event)
{
    if (mayClose())
        event->accept();
    else
        event->ignore();
}

void WatermarkProgressDialog::reject()
{
    // QDialog::reject() hides the window without a close event: the cancel button would
    // vanish while the work goes on. Esc follows the rule of the close button instead.
    if (mayClose())
        QDialog::reject();
}

bool WatermarkProgressDialog::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::MouseButtonPress && widget
        && (widget == m_header || widget->parentWidget() == m_header)
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        startWindowMove(this, static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
