#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <functional>

// Turns one source picture (a screen, window or webcam frame) into the raw frame that
// the encoder reads from its standard input: cut to the capture area, scaled to the
// agreed size, ARGB32 (bytes B, G, R, A), with the cursor highlight, a drawn cursor for
// sources that carry none, and the annotation strokes painted over it.
class FrameComposer
{
public:
    using AnnotationProvider = std::function<QImage(const QRect&, const QSize&)>;
    // Where the cursor is in an image of the given size.
    using CursorLocator = std::function<QPointF(const QSize&)>;

    struct Settings {
        QSize pipeFrameSize{-1, -1};
        QRect cropRect;                // source pixels; used only for screen frames
        bool screenSource = false;     // frames come from the screen capture (they show the cursor)
        bool cameraSource = false;     // webcam frames: never annotated
        bool mouseEffectsEnabled = true;
        QColor cursorColor{QStringLiteral("#facd15")};
        int mouseSize = 40;
        int mouseOpacity = 60;
        QRect effectsTargetRect;
        AnnotationProvider annotationProvider;
        // The frames go where their fourth byte is never read (the pipe's planar layouts): a
        // frame that nothing is painted on keeps the undefined pad byte of the screen's pixels.
        bool padByteUnread = false;
    };

    FrameComposer();

    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }
    void setCursorLocator(CursorLocator locator) { m_cursorLocator = std::move(locator); }

    // The frame ready for the encoder, or a null image for a null source. While a
    // frame is held (the segment waits for its first media) no effects are painted.
    QImage compose(const QImage& source, bool held) const;

    // Cursor arrow (non-screen sources) and highlight (when mouse effects are on).
    void applyFrameEffects(QImage& image) const;

    // Bytes of one frame of `size` on the encoder input.
    static qint64 frameBytes(const QSize& size);
    // More than two whole frames still waiting: the next frame is dropped.
    static bool backlogExceeded(qint64 pendingBytes, const QSize& pipeFrameSize);
    // The same for frames of `frameBytes` each on the pipe.
    static bool backlogExceeded(qint64 pendingBytes, qint64 frameBytes);

    // Default locator: the real cursor's device pixel in a target given in device pixels.
    static QPointF systemCursorInImage(const QRect& targetRect, const QSize& imageSize);

private:
    Settings m_settings;
    CursorLocator m_cursorLocator;
};
