#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include "platform/mac/DisplayGeometry.h"

class QTimer;

// A transparent, click-through window over the whole desktop that draws a halo around
// the pointer and, after a click in one of our own windows, an expanding ring that
// fades out. Independent of the highlight the recorder paints into the frames.
class MouseHighlighter : public QWidget
{
    Q_OBJECT
public:
    explicit MouseHighlighter(QWidget *parent = nullptr);
    ~MouseHighlighter() override;

    // Shadows QWidget::setEnabled: on covers the desktop, shows itself and follows the
    // pointer; off stops and hides.
    void setEnabled(bool on);
    bool isHighlighting() const { return m_enabled; }

    // Style, each followed by a repaint.
    void setHaloColor(const QColor &color);
    void setHaloRadius(int radius);
    void setClickAnimationEnabled(bool on);
    void setLeftClickColor(const QColor &color);
    void setRightClickColor(const QColor &color);

    QColor haloColor() const { return m_haloColor; }
    int haloRadius() const { return m_haloRadius; }
    bool clickAnimationEnabled() const { return m_clickAnimation; }
    QColor leftClickColor() const { return m_leftClickColor; }
    QColor rightClickColor() const { return m_rightClickColor; }
    qreal flash() const { return m_flash; }
    QPoint pointerPosition() const { return m_pointer; }

    void updatePosition();
    void updateVirtualGeometry();
    void onClickFlash(bool right);
    void installNativeMouseHook() {}
    void uninstallNativeMouseHook() {}

    // The area a halo and ring at `pointer` may cover, for partial repaints.
    QRect paintedArea(const QPoint &pointer) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The pointer in the window's coordinates.
    QPoint pointerInWindow() const;
    void startRing(bool right);
    void ringStep();
    void repaintChanged();

    bool m_enabled = false;
    QColor m_haloColor = QColor(250, 204, 21, 170);
    int m_haloRadius = 20;
    bool m_clickAnimation = true;
    qreal m_flash = 0;
    bool m_rightRing = false;
    QColor m_leftClickColor = QColor(QStringLiteral("#ef3d3d"));
    QColor m_rightClickColor = QColor(QStringLiteral("#3478f6"));
    QTimer *m_pollTimer = nullptr;
    QTimer *m_ringTimer = nullptr;
    QPoint m_pointer;
    // Where the window's pixels are: it covers every display's device pixels.
    DisplayGeometry::Window m_pixels;
    QRect m_lastPainted; // area of the last paint request, around the pointer then
};
