#include "app/TitleBar.h"

#include "app/LinkManager.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

namespace {

const QString &menuStyleSheet()
{
    static const QString sheet = QStringLiteral(
        "QMenu{background:#101d2f;border:1px solid #344862;border-radius:8px;padding:6px 0;color:#dce7f7;}"
        "QMenu::item{padding:8px 30px 8px 18px;font-size:13px;color:#dce7f7;background:transparent;}"
        "QMenu::item:selected{background:#1c3555;color:#ffffff;}"
        "QMenu::item:checked{font-weight:600;color:#66a1ff;}"
        "QMenu::separator{height:1px;background:#2b3d55;margin:5px 9px;}"
        "QMenu::indicator{width:14px;height:14px;}");
    return sheet;
}

} // namespace

QList<QPair<QString, QString>> TitleBar::languages()
{
    return {
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("zh_TW"), QStringLiteral("繁體中文")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("ko"), QStringLiteral("한국어")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("pt"), QStringLiteral("Português")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("ar"), QStringLiteral("العربية")},
        {QStringLiteral("tr"), QStringLiteral("Türkçe")},
    };
}

TitleBar::TitleBar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("TitleBar"));
    setFixedHeight(46);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 0, 12, 0);
    layout->setSpacing(2);

    auto *logo = new QLabel(this);
    logo->setPixmap(QIcon(QStringLiteral(":/icons/icons/logo.ico")).pixmap(24, 24));
    logo->setFixedSize(24, 24);
    logo->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *title = new QLabel(QStringLiteral("Vistrelle 7.0"), this);
    title->setStyleSheet(
        QStringLiteral("font-size:17px;font-weight:600;color:#f4f7ff;margin-left:8px;background:transparent;"));
    title->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_menuButton = new QToolButton(this);
    m_menuButton->setObjectName(QStringLiteral("TitleMenuButton"));
    m_menuButton->setIcon(QIcon(QStringLiteral(":/icons/icons/title_menu.svg")));
    m_menuButton->setIconSize(QSize(20, 20));
    m_menuButton->setFixedWidth(36);
    m_menuButton->setFixedHeight(28);
    m_menuButton->setCursor(Qt::PointingHandCursor);
    m_menuButton->setFocusPolicy(Qt::NoFocus);
    m_menuButton->setToolTip(tr("菜单"));
    m_menuButton->setStyleSheet(QStringLiteral(
        "QToolButton{background:transparent;border:none;border-radius:5px;padding:0;}"
        "QToolButton:hover{background:rgba(255,255,255,0.09);}"
        "QToolButton:pressed{background:rgba(255,255,255,0.14);}"
        "QToolButton::menu-indicator{image:none;width:0;height:0;}"));
    m_menuButton->setPopupMode(QToolButton::InstantPopup);

    layout->addWidget(logo);
    layout->addWidget(title);
    layout->addStretch();
    layout->addSpacing(5);
    layout->addWidget(m_menuButton, 0, Qt::AlignVCenter);

    m_menu = new QMenu(m_menuButton);
    m_menu->setStyleSheet(menuStyleSheet());
    connect(m_menu->addAction(tr("关于 Vistrelle")), &QAction::triggered, this, &TitleBar::aboutRequested);
    m_menu->addSeparator();

    QMenu *languageMenu = m_menu->addMenu(tr("语言"));
    languageMenu->setStyleSheet(menuStyleSheet());
    auto *group = new QActionGroup(languageMenu);
    group->setExclusive(true);
    for (const auto &[code, name] : languages()) {
        QAction *action = languageMenu->addAction(name);
        action->setCheckable(true);
        action->setData(code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code = code] { emit languageChangeRequested(code); });
    }
    connect(languageMenu, &QMenu::aboutToShow, this, [languageMenu] {
        const QString current = LinkManager::instance()->currentLanguage();
        for (QAction *action : languageMenu->actions())
            action->setChecked(action->data().toString() == current);
    });
    m_menu->addSeparator();

    QMenu *helpMenu = m_menu->addMenu(tr("帮助"));
    helpMenu->setStyleSheet(menuStyleSheet());
    connect(helpMenu->addAction(tr("在线帮助")), &QAction::triggered, this, &TitleBar::helpRequested);
    connect(helpMenu->addAction(tr("打开日志文件夹")), &QAction::triggered, this,
            &TitleBar::openLogFolderRequested);
    connect(m_menu->addAction(tr("技术支持")), &QAction::triggered, this, &TitleBar::supportRequested);
    connect(m_menu->addAction(tr("设置")), &QAction::triggered, this, &TitleBar::settingsRequested);
    m_menu->addSeparator();
    connect(m_menu->addAction(tr("退出")), &QAction::triggered, this, &TitleBar::closeRequested);
    m_menuButton->setMenu(m_menu);
}

void TitleBar::setMaximized(bool) {}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        startWindowMove(window(), event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void TitleBar::mouseMoveEvent(QMouseEvent *event)
{
    QFrame::mouseMoveEvent(event);
}

void TitleBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        emit maximizeRequested();
        event->accept();
        return;
    }
    QFrame::mouseDoubleClickEvent(event);
}
