#pragma once

#include "overlays/AnnotationToolbar.h"
#include "overlays/Stroke.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QTransform>
#include <QWidget>

class QInputDialog;

// The nearly invisible window over the recorded area on which the user draws while
// annotation mode is on. The same strokes are painted on screen and rendered into a
// transparent image per recorded frame (renderForNativeRect). Strokes live only while
// the mode is on: switching it on starts empty, switching it off erases everything.
class AnnotationOverlay : public QWidget
{
    Q_OBJECT
public:
    explicit AnnotationOverlay(QWidget *parent = nullptr);

    // The recorded area (global logical coordinates, null for every display) and, when given,
    // its device pixels as the user chose them: the layer goes over those.
    void setCaptureRect(const QRect &rect, const QRect &deviceRect = QRect());
    QRect captureRect() const { return m_captureRect; }
    void setTool(AnnotationToolbar::Tool tool);
    AnnotationToolbar::Tool tool() const { return m_tool; }
    void setAnnotationEnabled(bool on);
    bool isAnnotationEnabled() const { return m_enabled; }

    // Colour and width of items started from now on.
    QColor currentColor = QColor(QStringLiteral("#ef4444"));
    float currentWidth = 3.0f;

    void clearAll();
    void undoLast();
    void eraseAt(const QPointF &point);
    const QList<Stroke> &strokes() const { return m_strokes; }

    void drawStroke(QPainter &painter, const Stroke &stroke) const;

    // The strokes as they lie over `nativeRect` (native screen pixels), drawn on a
    // transparent image of `frameSize`; null when the layer is off or empty or the
    // request is unusable. The image is kept and handed out again while nothing that
    // shapes it has changed.
    QImage renderForNativeRect(const QRect &nativeRect, const QSize &frameSize);

signals:
    void closed();
    void interactionFinished();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The layer over a global logical area, or every display without one.
    // Over the capture area's device pixels, else over every display's.
    void placeOver();
    void strokesRemoved();
    void strokeAppended(const Stroke &stroke);

    QList<Stroke> m_strokes;
    Stroke m_current;
    bool m_drawing = false;
    bool m_enabled = false;
    QPointer<QInputDialog> m_textDialog; // the text question while it is open
    QRect m_captureRect;
    QRect m_captureDeviceRect;
    AnnotationToolbar::Tool m_tool = AnnotationToolbar::Pen;

    // Frame images: each item's own picture in frame pixels (in step with m_strokes
    // up to its length) and the composed image, for the view they were made for.
    struct StrokeTile
    {
        QImage image;
        QPoint at;
    };
    StrokeTile rasterize(const Stroke &stroke, const QTransform &toFrame, const QSize &frameSize) const;
    static QFont strokeFont(float width);

    quint64 m_revision = 0;
    quint64 m_removals = 0;
    bool m_viewValid = false;
    QRect m_viewNativeRect;
    QSize m_viewFrameSize;
    QPoint m_viewLayerPos;
    QTransform m_viewTransform;
    QList<StrokeTile> m_tiles;
    QImage m_cachedImage;
    quint64 m_cachedRevision = ~0ull;
    quint64 m_cachedRemovals = ~0ull;
};
