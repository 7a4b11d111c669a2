#include "preparation/AreaDropdown.h"

#include "recording/NumberText.h"
#include "preparation/AreaPicker.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Marks the full-screen entry; never reported.
constexpr int FullScreenMarker = -2;

void setSelected(QPushButton *button, bool selected)
{
    button->setProperty("selected", selected);
    button->style()->unpolish(button);
    button->style()->polish(button);
}

} // namespace

AreaDropdown::AreaDropdown(QWidget *parent)
    : QFrame(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("AreaDropdown"));
    setFixedWidth(226);
    setStyleSheet(QStringLiteral("#AreaDropdown{  background:#1a1e28;  border:1px solid #2e3240;  "
                                 "border-radius:8px;}"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 12);
    layout->setSpacing(0);

    addItem(QStringLiteral("🖥  ") + tr("全屏"), FullScreenMarker, FullScreenMarker);
    QPushButton *pick = makeEntry(QStringLiteral("⬚  ") + tr("选择区域 / 窗口"));
    connect(pick, &QPushButton::clicked, this, &AreaDropdown::pickArea);
    layout->addWidget(pick);
    addSeparator();
    addItem(QStringLiteral("3840 × 2160  (4K)"), 3840, 2160);
    addItem(QStringLiteral("2560 × 1440  (2K)"), 2560, 1440);
    addItem(QStringLiteral("1920 × 1080  (1080p)"), 1920, 1080);
    addItem(QStringLiteral("1280 × 720   (720p)"), 1280, 720);
    addItem(QStringLiteral("854 × 480    (480p)"), 854, 480);
    addSeparator();
    addItem(QStringLiteral("1024 × 768"), 1024, 768);
    addItem(QStringLiteral("640 × 480"), 640, 480);
    addSeparator();

    auto *row = new QHBoxLayout;
    row->setContentsMargins(14, 8, 14, 10);
    row->setSpacing(8);
    const QString editStyle = QStringLiteral(
        "QLineEdit{background:#252830;border:1px solid #3a3f52;border-radius:3px;color:#c0c6d8;"
        "padding:4px 7px;font-size:12px;}");
    auto makeEdit = [&](const QString &text) {
        auto *edit = new QLineEdit(text, this);
        edit->setFixedSize(62, 30);
        edit->setStyleSheet(editStyle);
        edit->setValidator(new QIntValidator(1, 9999, edit));
        return edit;
    };
    m_widthEdit = makeEdit(QStringLiteral("1920"));
    m_heightEdit = makeEdit(QStringLiteral("1080"));
    auto *times = new QLabel(QStringLiteral("×"), this);
    times->setStyleSheet(QStringLiteral("color:#6a7080;font-size:12px;"));
    auto *ok = new QPushButton(tr("确定"), this);
    ok->setFixedSize(52, 30);
    ok->setStyleSheet(QStringLiteral(
        "QPushButton{background:#e05c3a;border:none;border-radius:3px;color:white;font-size:11px;"
        "font-weight:600;}QPushButton:hover{background:#c8512f;}"));
    connect(ok, &QPushButton::clicked, this, &AreaDropdown::applyCustomSize);
    row->addWidget(m_widthEdit);
    row->addWidget(times);
    row->addWidget(m_heightEdit);
    row->addSpacing(8);
    row->addWidget(ok);
    layout->addLayout(row);
    adjustSize();
}

QPushButton *AreaDropdown::makeEntry(const QString &label)
{
    auto *button = new QPushButton(label, this);
    button->setStyleSheet(QStringLiteral(
        "QPushButton{  background:transparent; border:none; color:#c0c6d8;  font-size:13px; "
        "padding:8px 16px; text-align:left;  border-radius:0;}QPushButton:hover{ "
        "background:#2e3240; color:#ffffff; }QPushButton[selected='true']{ color:#e05c3a; }"));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void AreaDropdown::highlight(QPushButton *entry)
{
    if (m_highlighted)
        setSelected(m_highlighted, false);
    m_highlighted = entry;
    setSelected(entry, true);
}

void AreaDropdown::addItem(const QString &label, int width, int height)
{
    QPushButton *button = makeEntry(width == FullScreenMarker ? label : NumberText::isolated(label));
    if (width == 1920 && height == 1080)
        highlight(button);
    connect(button, &QPushButton::clicked, this, [this, button, label, width, height] {
        highlight(button);
        hide();
        if (width == FullScreenMarker && height == FullScreenMarker)
            emit areaSelected(tr("全屏"), 0, 0, QRect(), QRect());
        else
            emit areaSelected(label, width, height, QRect(), QRect());
    });
    layout()->addWidget(button);
}

void AreaDropdown::addSeparator()
{
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("background:#2a2f42; max-height:1px; border:none; margin:3px 0;"));
    layout()->addWidget(line);
}

void AreaDropdown::pickArea()
{
    hide();
    // Give the popup time to leave the screen so that it does not show in the picker.
    QTimer::singleShot(80, this, [this] {
        auto *picker = new AreaPicker;
        connect(picker, &AreaPicker::regionSelected, this, [this, picker](QRect r) {
            const QRect device = picker->deviceSelection();
            emit areaSelected(NumberText::deviceResolution(device), r.width(), r.height(), r, device);
        });
        picker->show();
    });
}

void AreaDropdown::applyCustomSize()
{
    const int width = m_widthEdit->text().toInt();
    const int height = m_heightEdit->text().toInt();
    if (width < 1 || height < 1)
        return;
    hide();
    emit areaSelected(QStringLiteral("%1 × %2").arg(width).arg(height), width, height, QRect(), QRect());
}
