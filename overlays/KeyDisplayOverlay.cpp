#include "overlays/KeyDisplayOverlay.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kMaxEntries = 6;

QFont capFont()
{
    QFont font(QStringLiteral("Segoe UI"), 14);
    font.setWeight(QFont::Medium);
    return font;
}

} // namespace

KeyDisplayOverlay::KeyDisplayOverlay(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_NoSystemBackground);
    updateVirtualGeometry();
    m_fadeTimer = new QTimer(this);
    m_fadeTimer->setInterval(50);
    connect(m_fadeTimer, &QTimer::timeout, this, &KeyDisplayOverlay::fadeOut);
}

KeyDisplayOverlay::~KeyDisplayOverlay()
{
    m_fadeTimer->stop();
    m_entries.clear();
}

void KeyDisplayOverlay::updateVirtualGeometry()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    QRect r = screen ? screen->virtualGeometry() : QRect();
    if (!r.isValid())
        r = QRect(0, 0, 1, 1);
    setGeometry(QRect(QPoint(r.left(), r.bottom() - 90), QPoint(r.right(), r.bottom() - 11)));
}

void KeyDisplayOverlay::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    if (on) {
        updateVirtualGeometry();
        show();
    } else {
        m_fadeTimer->stop();
        m_entries.clear();
        hide();
        update();
    }
}

bool KeyDisplayOverlay::isFading() const
{
    return m_fadeTimer->isActive();
}

void KeyDisplayOverlay::addKey(const QString &text)
{
    if (!m_entries.isEmpty() && m_entries.last().text == text) {
        m_entries.last().opacity = 1.0f;
    } else {
        if (m_entries.size() >= kMaxEntries)
            m_entries.removeFirst();
        m_entries.append({text, 1.0f});
    }
    m_fadeTimer->start();
    update();
}

void KeyDisplayOverlay::fadeOut()
{
    bool changed = false;
    for (Entry &entry : m_entries) {
        if (entry.opacity > 0) {
            entry.opacity -= 0.025f;
            changed = true;
        }
    }
    while (!m_entries.isEmpty() && m_entries.first().opacity <= 0)
        m_entries.removeFirst();
    if (changed)
        update();
    if (m_entries.isEmpty())
        m_fadeTimer->stop();
}

int KeyDisplayOverlay::firstCapX(const QList<int> &advances, int width)
{
    int total = -8;
    for (int a : advances)
        total += a + 28;
    return std::max((width - total) / 2, 8);
}

void KeyDisplayOverlay::paintEvent(QPaintEvent *)
{
    if (m_entries.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(capFont());
    const QFontMetrics metrics(painter.font());
    QList<int> advances;
    for (const Entry &entry : std::as_const(m_entries))
        advances.append(metrics.horizontalAdvance(entry.text));
    int x = firstCapX(advances, width());
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const Entry &entry = m_entries.at(i);
        const float o = std::max(entry.opacity, 0.0f);
        const QRect cap(x, 12, advances.at(i) + 20, 44);
        painter.setPen(QPen(QColor(255, 255, 255, int(o * 110)), 1.5));
        painter.setBrush(QColor(0, 0, 0, int(o * 185)));
        painter.drawRoundedRect(cap, 8, 8);
        painter.setPen(QColor(255, 255, 255, int(o * 255)));
        painter.drawText(cap, Qt::AlignCenter, entry.text);
        x += advances.at(i) + 28;
    }
}
