#include "overlays/KeyDisplayOverlay.h"

#include "overlays/Translucency.h"
#include "platform/mac/OverlayWindowSupport.h"

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
    : QWidget(parent, passiveOverlayFlags | Qt::WindowTransparentForInput)
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
        if (overlaysCanBeTranslucent())
            show();
        else
            updateShape();
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
    updateShape();
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
    updateShape();
}

int KeyDisplayOverlay::firstCapX(const QList<int> &advances, int width)
{
    int total = -8;
    for (int a : advances)
        total += a + 28;
    return std::max((width - total) / 2, 8);
}

QList<QRect> KeyDisplayOverlay::capRects(QList<int> *advancesOut) const
{
    const QFontMetrics metrics(capFont());
    QList<int> advances;
    for (const Entry &entry : m_entries)
        advances.append(metrics.horizontalAdvance(entry.text));
    QList<QRect> caps;
    int x = firstCapX(advances, width());
    for (int a : std::as_const(advances)) {
        caps.append(QRect(x, 12, a + 20, 44));
        x += a + 28;
    }
    if (advancesOut)
        *advancesOut = advances;
    return caps;
}

void KeyDisplayOverlay::updateShape()
{
    if (overlaysCanBeTranslucent() || !m_enabled)
        return;
    // Without a compositor the transparent strip would show black: only the caps stay,
    // and the window goes away while there are none.
    if (m_entries.isEmpty()) {
        hide();
        return;
    }
    QRegion caps;
    for (const QRect &cap : capRects())
        caps += cap.adjusted(-1, -1, 1, 1);
    setMask(caps);
    show();
}

void KeyDisplayOverlay::paintEvent(QPaintEvent *)
{
    if (m_entries.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(capFont());
    const QList<QRect> caps = capRects();
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const float o = std::max(m_entries.at(i).opacity, 0.0f);
        painter.setPen(QPen(QColor(255, 255, 255, int(o * 110)), 1.5));
        painter.setBrush(QColor(0, 0, 0, int(o * 185)));
        painter.drawRoundedRect(caps.at(i), 8, 8);
        painter.setPen(QColor(255, 255, 255, int(o * 255)));
        painter.drawText(caps.at(i), Qt::AlignCenter, m_entries.at(i).text);
    }
}
