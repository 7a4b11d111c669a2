#include "dialogs/CompletionDialog.h"

#include "widgets/DialogPlacement.h"
#include "widgets/TintedIcon.h"
#include "widgets/MessageBoxes.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPixmap tinted(const QString &svg, int size, const QColor &colour, qreal ratio)
{
    return tintedPixmap(svg, QSize(size, size), colour, ratio);
}

// A folder path shortened in its middle to the label's width; the tool tip holds all of it.
class PathLabel : public QLabel
{
public:
    PathLabel(const QString &path, QWidget *parent) : QLabel(path, parent), m_path(path)
    {
        setToolTip(path);
        setMinimumWidth(1);
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        elide();
    }
    void changeEvent(QEvent *event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            elide();
    }

private:
    void elide()
    {
        // A label with a frame indents its text by half an "x".
        const int indent = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
        setText(fontMetrics().elidedText(m_path, Qt::ElideMiddle, contentsRect().width() - indent));
    }

    QString m_path;
};

} // namespace

CompletionDialog::CompletionDialog(const QString &title, const QString &message, const QString &path, QWidget *parent)
    : QDialog(parent)
    , m_path(QDir::cleanPath(path))
{
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    keepDialogPositionTrue(this);
    setModal(true);
    setFixedSize(460, 252);
    setObjectName(QStringLiteral("CompletionDialog"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "#CompletionDialog{background:#0b192b;border:1px solid #3a5575;border-radius:12px;}"
        "#CompletionTitleBar{background:#0e1d30;border:none;border-top-left-radius:12px;border-top-right-radius:12px;}"
        "#CompletionTitle{color:#f2f6ff;font-size:17px;font-weight:700;}"
        "#CompletionClose{background:transparent;border:none;border-radius:6px;}"
        "#CompletionClose:hover{background:#263951;}"
        "#CompletionBody{background:#0b192b;}#CompletionBody QLabel{background:transparent;}"
        "#CompletionMessage{color:#eef4ff;font-size:15px;font-weight:600;}"
        "#CompletionHint{color:#8fa5c3;font-size:11px;}"
        "#CompletionFolderPath{color:#9db4d4;font-size:11px;background:#10223a;border:1px solid #263e5d;"
        "border-radius:6px;padding:7px 10px;}"
        "#CompletionFooter{background:#0d1b2e;border-top:1px solid #263a55;}"
        "#CompletionSecondary{background:#111f33;border:1px solid #3a5271;border-radius:7px;color:#e1eafa;"
        "font-size:13px;padding:0 15px;}#CompletionSecondary:hover{background:#192b45;border-color:#5782bc;}"
        "#CompletionPrimary{background:#3478f6;border:1px solid #5992ff;border-radius:7px;color:white;"
        "font-size:13px;font-weight:600;}#CompletionPrimary:hover{background:#4285fb;}"));
    const qreal ratio = devicePixelRatioF();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_titleBar = new QWidget(this);
    m_titleBar->setObjectName(QStringLiteral("CompletionTitleBar"));
    m_titleBar->setAttribute(Qt::WA_StyledBackground);
    m_titleBar->setFixedHeight(56);
    m_titleBar->installEventFilter(this);
    auto *titleLayout = new QHBoxLayout(m_titleBar);
    titleLayout->setContentsMargins(18, 0, 12, 0);
    titleLayout->setSpacing(9);
    auto *check = new QLabel(m_titleBar);
    check->setFixedSize(28, 28);
    check->setPixmap(tinted(QStringLiteral(":/icons/icons/check.svg"), 24, QColor("#4d8dff"), ratio));
    check->installEventFilter(this);
    auto *titleLabel = new QLabel(title, m_titleBar);
    titleLabel->setObjectName(QStringLiteral("CompletionTitle"));
    titleLabel->installEventFilter(this);
    auto *close = new QPushButton(m_titleBar);
    close->setObjectName(QStringLiteral("CompletionClose"));
    close->setFixedSize(34, 34);
    close->setIcon(QIcon(QStringLiteral(":/icons/icons/close.svg")));
    close->setIconSize(QSize(17, 17));
    close->setCursor(Qt::PointingHandCursor);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    titleLayout->addWidget(check);
    titleLayout->addWidget(titleLabel);
    titleLayout->addStretch();
    titleLayout->addWidget(close);
    layout->addWidget(m_titleBar);

    auto *body = new QWidget(this);
    body->setObjectName(QStringLiteral("CompletionBody"));
    body->setAttribute(Qt::WA_StyledBackground);
    auto *bodyLayout = new QHBoxLayout(body);
    bodyLayout->setContentsMargins(24, 18, 24, 15);
    bodyLayout->setSpacing(18);
    auto *badge = new QLabel(body);
    badge->setFixedSize(54, 54);
    badge->setAlignment(Qt::AlignCenter);
    badge->setPixmap(tinted(QStringLiteral(":/icons/icons/check.svg"), 42, QColor("#60a0ff"), ratio));
    badge->setStyleSheet(QStringLiteral("background:#153968;border:1px solid #3478f6;border-radius:27px;"));
    bodyLayout->addWidget(badge, 0, Qt::AlignTop);
    auto *column = new QVBoxLayout;
    column->setSpacing(7);
    auto *messageLabel = new QLabel(message, body);
    messageLabel->setObjectName(QStringLiteral("CompletionMessage"));
    messageLabel->setWordWrap(true);
    auto *hint = new QLabel(tr("文件已保存到以下文件夹"), body);
    hint->setObjectName(QStringLiteral("CompletionHint"));
    auto *pathLabel = new PathLabel(QDir::toNativeSeparators(m_path), body);
    pathLabel->setObjectName(QStringLiteral("CompletionFolderPath"));
    pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pathLabel->setMaximumWidth(330);
    column->addWidget(messageLabel);
    column->addWidget(hint);
    column->addWidget(pathLabel);
    bodyLayout->addLayout(column, 1);
    layout->addWidget(body, 1);

    auto *footer = new QWidget(this);
    footer->setObjectName(QStringLiteral("CompletionFooter"));
    footer->setAttribute(Qt::WA_StyledBackground);
    footer->setFixedHeight(66);
    auto *footerLayout = new QHBoxLayout(footer);
    footerLayout->setContentsMargins(20, 12, 20, 12);
    footerLayout->addStretch();
    auto *openButton = new QPushButton(tr("Open Folder"), footer);
    openButton->setObjectName(QStringLiteral("CompletionSecondary"));
    openButton->setIcon(QIcon(QStringLiteral(":/icons/icons/folder.svg")));
    openButton->setIconSize(QSize(18, 18));
    openButton->setFixedHeight(42);
    openButton->setMinimumWidth(126); // wider where the text needs it (German)
    openButton->setCursor(Qt::PointingHandCursor);
    connect(openButton, &QPushButton::clicked, this, &CompletionDialog::openFolder);
    auto *ok = new QPushButton(tr("确定"), footer);
    ok->setObjectName(QStringLiteral("CompletionPrimary"));
    ok->setFixedSize(100, 42);
    ok->setCursor(Qt::PointingHandCursor);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    footerLayout->addWidget(openButton);
    footerLayout->addSpacing(8);
    footerLayout->addWidget(ok);
    layout->addWidget(footer);
}

void CompletionDialog::openFolder()
{
    openContainingFolder(m_path);
}

bool CompletionDialog::eventFilter(QObject *watched, QEvent *event)
{
    const bool onTitle = watched == m_titleBar || (watched->isWidgetType() && watched->parent() == m_titleBar);
    if (onTitle && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            startWindowMove(this, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CompletionDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
}
