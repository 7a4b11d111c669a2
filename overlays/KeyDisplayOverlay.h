#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class QTimer;

// Recently pressed keys as a row of fading key caps near the bottom of the desktop. A
// passive window: it is given key texts through addKey and fades them by itself.
class KeyDisplayOverlay : public QWidget
{
    Q_OBJECT
public:
    struct Entry
    {
        QString text;
        float opacity = 1.0f;
    };

    explicit KeyDisplayOverlay(QWidget *parent = nullptr);
    ~KeyDisplayOverlay() override;

    // Shadows QWidget::setEnabled: on shows the strip, off clears and hides it.
    void setEnabled(bool on);
    bool isShowingKeys() const { return m_enabled; }
    void addKey(const QString &text);
    void fadeOut();
    void updateVirtualGeometry();

    const QList<Entry> &entries() const { return m_entries; }
    bool isFading() const;

    // Left edge of the first cap for caps of these text advances in a strip of `width`.
    static int firstCapX(const QList<int> &advances, int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QRect> capRects(QList<int> *advances = nullptr) const;
    void updateShape();

    QList<Entry> m_entries;
    bool m_enabled = false;
    QTimer *m_fadeTimer = nullptr;
};
