#include "library/ToolDialog.h"

#include "library/LibraryIcons.h"
#include "library/LibraryStyles.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

QString ToolDialog::iconForTitle(const QString &title, const QString &iconName)
{
    if (iconName != QLatin1String("pencil"))
        return iconName;
    if (title.contains(tr("音量")) || title.contains(tr("音频")))
        return QStringLiteral("audio");
    if (title.contains(tr("速度")))
        return QStringLiteral("timer");
    if (title.contains(tr("转换")))
        return QStringLiteral("folder");
    if (title.contains(tr("信息")))
        return QStringLiteral("list");
    return iconName;
}

ToolDialog::ToolDialog(const QString &title, const QString &subtitle, QWidget *parent, const QString &iconName)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setObjectName(QStringLiteral("EditToolDialog"));
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(title);
    setStyleSheet(QStringLiteral(
        "#EditToolDialog{background:#0b1a2e;border:1px solid #3b5c82;border-radius:12px;}"
        "QLabel{color:#eaf1ff;}"
        "QLineEdit,QComboBox{background:#10233c;border:1px solid #34577e;border-radius:7px;color:white;padding:8px;}"
        "QLineEdit:hover,QComboBox:hover{border-color:#4b78ad;}"
        "QComboBox::drop-down{width:30px;border:0;border-left:1px solid #294563;}"
        "QComboBox::down-arrow{image:url(:/icons/icons/chevron_down.svg);width:11px;height:11px;}"
        "QSlider::groove:horizontal{height:5px;background:#29415f;border-radius:2px;}"
        "QSlider::sub-page:horizontal{background:#2e7cf7;border-radius:2px;}"
        "QSlider::handle:horizontal{width:14px;margin:-5px 0;background:white;border-radius:7px;}"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);

    m_titleBar = new QWidget(this);
    m_titleBar->setFixedHeight(68);
    m_titleBar->installEventFilter(this);
    auto *titleLayout = new QHBoxLayout(m_titleBar);
    titleLayout->setContentsMargins(18, 8, 12, 8);
    auto *icon = new QLabel(m_titleBar);
    icon->setFixedSize(34, 34);
    icon->setPixmap(tintedLibraryPixmap(iconForTitle(title, iconName), 27, QColor("#71a4ff")));
    auto *texts = new QVBoxLayout;
    texts->setSpacing(1);
    auto *titleLabel = new QLabel(title, m_titleBar);
    titleLabel->setStyleSheet(QStringLiteral("font-size:17px;font-weight:700;"));
    auto *subtitleLabel = new QLabel(subtitle, m_titleBar);
    subtitleLabel->setStyleSheet(QStringLiteral("font-size:10px;color:#8fa5c3;"));
    texts->addWidget(titleLabel);
    texts->addWidget(subtitleLabel);
    auto *close = new QPushButton(m_titleBar);
    close->setIcon(libraryIcon(QStringLiteral("close")));
    close->setFixedSize(32, 32);
    close->setStyleSheet(QStringLiteral("border:0;background:transparent;"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    titleLayout->addWidget(icon);
    titleLayout->addLayout(texts);
    titleLayout->addStretch();
    titleLayout->addWidget(close);
    layout->addWidget(m_titleBar);

    auto *content = new QWidget(this);
    m_content = new QVBoxLayout(content);
    m_content->setContentsMargins(20, 14, 20, 14);
    m_content->setSpacing(12);
    layout->addWidget(content, 1);

    auto *footer = new QHBoxLayout;
    footer->setContentsMargins(20, 0, 20, 16);
    footer->addStretch();
    auto *cancel = new QPushButton(tr("取消"), this);
    cancel->setFixedSize(98, 40);
    cancel->setStyleSheet(QString::fromLatin1(kLibraryToolButtonStyle));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_apply = new QPushButton(tr("应用"), this);
    m_apply->setFixedSize(98, 40);
    m_apply->setStyleSheet(QString::fromLatin1(kLibraryPrimaryButtonStyle));
    connect(m_apply, &QPushButton::clicked, this, &QDialog::accept);
    footer->addWidget(cancel);
    footer->addWidget(m_apply);
    layout->addLayout(footer);
}

bool ToolDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_titleBar && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            startWindowMove(this, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ToolDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
}

DarkComboBox::DarkComboBox(QWidget *parent)
    : QComboBox(parent)
{
    auto *view = new QListView(this);
    view->setFrameShape(QFrame::NoFrame);
    view->setSpacing(0);
    view->setStyleSheet(QStringLiteral(
        "QListView{background:#0d1d33;color:#eaf1ff;border:1px solid #36577d;padding:4px 0;outline:0;}"
        "QListView::item{min-height:32px;padding:0 11px;background:#0d1d33;}"
        "QListView::item:hover{background:#19304d;color:#ffffff;}"
        "QListView::item:selected{background:#246de2;color:#ffffff;}"));
    setView(view);
}

void DarkComboBox::showPopup()
{
    QComboBox::showPopup();
    QWidget *popup = view() ? view()->window() : nullptr;
    if (!popup || popup == window())
        return;
    popup->setAutoFillBackground(true);
    QPalette palette = popup->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, QColor("#0d1d33"));
        palette.setColor(group, QPalette::Base, QColor("#0d1d33"));
        palette.setColor(group, QPalette::Text, QColor("#eaf1ff"));
        palette.setColor(group, QPalette::Highlight, QColor("#246de2"));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    popup->setPalette(palette);
    popup->setStyleSheet(QStringLiteral("QFrame{background:#0d1d33;border:1px solid #36577d;padding:0;margin:0;}"));
}
