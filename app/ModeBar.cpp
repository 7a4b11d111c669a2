#include "app/ModeBar.h"

#include "widgets/TintedIcon.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>

namespace {
const QColor kIconColor(QStringLiteral("#aeb8ca"));
const QSize kIconSize(18, 18);
} // namespace

QString ModeBar::modeText(CaptureMode mode)
{
    switch (mode) {
    case CaptureMode::Screen: return tr("录制屏幕");
    case CaptureMode::Window: return tr("录制窗口");
    case CaptureMode::Game: return tr("游戏录制");
    case CaptureMode::HighPerformance: return tr("高性能屏幕录制");
    case CaptureMode::AudioOnly: return tr("录制音频");
    }
    return QString();
}

QString ModeBar::modeIconPath(CaptureMode mode)
{
    switch (mode) {
    case CaptureMode::Window: return QStringLiteral(":/icons/icons/window.svg");
    case CaptureMode::Game:
    case CaptureMode::HighPerformance: return QStringLiteral(":/icons/icons/gpu.svg");
    case CaptureMode::AudioOnly: return QStringLiteral(":/icons/icons/audio.svg");
    case CaptureMode::Screen: break;
    }
    return QStringLiteral(":/icons/icons/monitor.svg");
}

ModeBar::ModeBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ModeBar"));
    setFixedHeight(52);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 3, 20, 9);
    layout->setSpacing(6);

    m_button = new QPushButton(modeText(CaptureMode::Screen), this);
    m_button->setObjectName(QStringLiteral("btnModeSelect"));
    m_button->setFlat(true);
    m_button->setCursor(Qt::PointingHandCursor);
    m_button->setFixedHeight(34);
    m_button->setStyleSheet(QStringLiteral(
        "QPushButton { background:#101b2b; border:1px solid #28374d; color:#e2e8f3;  font-size:14px; "
        "font-weight:400; padding:0 30px 0 36px; border-radius:6px; text-align:left; }"
        "QPushButton:hover { background:#142136; border-color:#395070; }"
        "QPushButton::menu-indicator { image:url(:/icons/icons/chevron_down.svg);  subcontrol-origin:padding; "
        "subcontrol-position:center right; right:9px; width:12px; height:12px; }"));
    m_button->setIcon(tintedIcon(modeIconPath(CaptureMode::Screen), kIconSize, kIconColor, qApp->devicePixelRatio()));
    m_button->setIconSize(kIconSize);
    layout->addWidget(m_button);
    layout->addStretch();

    auto *menu = new QMenu(m_button);
    menu->setStyleSheet(QStringLiteral(
        "QMenu{background:#20242d;border:1px solid #3a4050;border-radius:7px;padding:5px;color:#cfd5e3;"
        "font-size:12px;}QMenu::item{padding:8px 24px 8px 38px;border-radius:5px;}QMenu::icon{left:12px;}"
        "QMenu::item:selected{background:#2b3342;color:white;}"));
    for (CaptureMode mode : {CaptureMode::Screen, CaptureMode::AudioOnly, CaptureMode::Window, CaptureMode::Game,
                             CaptureMode::HighPerformance}) {
        if (mode == CaptureMode::HighPerformance)
            menu->addSeparator();
        QAction *action = menu->addAction(tintedIcon(modeIconPath(mode), kIconSize, kIconColor, qApp->devicePixelRatio()), modeText(mode));
        action->setIconVisibleInMenu(true);
        connect(action, &QAction::triggered, this, [this, mode] { setCaptureMode(mode); });
    }
    m_button->setMenu(menu);
    fitButtonWidth();
}

void ModeBar::setCaptureMode(CaptureMode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    m_button->setText(modeText(mode));
    m_button->setIcon(tintedIcon(modeIconPath(mode), kIconSize, kIconColor, qApp->devicePixelRatio()));
    fitButtonWidth();
    emit captureModeChanged(mode);
}

void ModeBar::selectCaptureMode(CaptureMode mode)
{
    setCaptureMode(mode);
}

void ModeBar::fitButtonWidth()
{
    const int textWidth = std::max(20, m_button->fontMetrics().horizontalAdvance(m_button->text()));
    m_button->setFixedWidth(textWidth + 102);
}
