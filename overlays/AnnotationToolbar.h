#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

class QPushButton;

// A stand-alone floating strip of annotation controls: drag handle, four tools, colour,
// width, undo, clear and exit. It only reports the user's choices through signals.
// It also numbers the annotation tools for the annotation layer and the recording
// toolbar's annotation row.
class AnnotationToolbar : public QWidget
{
    Q_OBJECT
public:
    enum Tool : qint32 {
        Pen = 0,
        Arrow = 1,
        Rectangle = 2,
        Text = 3,
        Line = 4,
        Circle = 5,
        Highlighter = 6,
        Eraser = 7,
    };
    Q_ENUM(Tool)

    explicit AnnotationToolbar(QWidget *parent = nullptr);

    Tool currentTool() const { return m_tool; }
    QColor color() const { return m_color; }

public slots:
    void selectTool(AnnotationToolbar::Tool tool);
    void pickColor();

signals:
    void toolChanged(AnnotationToolbar::Tool tool);
    void colorChanged(QColor color);
    void widthChanged(int width);
    void undoRequested();
    void clearRequested();
    void closeRequested();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void styleSwatch();

    Tool m_tool = Pen;
    QColor m_color = QColor(QStringLiteral("#ef4444"));
    bool m_dragging = false;
    QPushButton *m_toolButtons[4] = {};
    QPushButton *m_swatch = nullptr;
};
