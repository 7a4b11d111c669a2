#pragma once

#include <QWidget>

class QPushButton;

// The drop-down that shows and changes the capture mode (0 screen, 1 window, 2 game,
// 3 high-performance screen, 4 audio only).
class ModeBar : public QWidget
{
    Q_OBJECT

public:
    explicit ModeBar(QWidget *parent = nullptr);

    int captureMode() const { return m_mode; }
    void setCaptureMode(int mode);
    void selectCaptureMode(int mode);

    static QString modeText(int mode);
    static QString modeIconPath(int mode);

signals:
    void captureModeChanged(int mode);

private:
    void fitButtonWidth();

    QPushButton *m_button = nullptr;
    int m_mode = 0;
};
