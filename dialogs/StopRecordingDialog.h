#pragma once

#include <QDialog>

// Asks whether to continue, discard or save the running recording and shows how long
// it has been recording. exec() returns 0 (Continue, Esc, close), 1 (Save) or
// 2 (Discard); the dialog itself changes nothing.
class StopRecordingDialog : public QDialog
{
    Q_OBJECT
public:
    enum Result : int { Continue = 0, Save = 1, Discard = 2 };

    explicit StopRecordingDialog(int elapsedSeconds, QWidget *parent = nullptr);

    // "hh:mm:ss" with hours not limited to two digits.
    static QString formatElapsed(int seconds);

    // Presses within this many pixels from the top move the window.
    static constexpr int DragBandHeight = 62;
    bool isDragging() const { return m_dragging; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_dragging = false;
};
