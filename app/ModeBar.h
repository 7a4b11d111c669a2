#pragma once

#include "preparation/CaptureMode.h"

#include <QWidget>

class QPushButton;

// The drop-down that shows and changes the capture mode.
class ModeBar : public QWidget
{
    Q_OBJECT

public:
    explicit ModeBar(QWidget *parent = nullptr);

    CaptureMode captureMode() const { return m_mode; }
    void setCaptureMode(CaptureMode mode);
    void selectCaptureMode(CaptureMode mode);

    static QString modeText(CaptureMode mode);
    static QString modeIconPath(CaptureMode mode);

signals:
    void captureModeChanged(CaptureMode mode);

private:
    void fitButtonWidth();

    QPushButton *m_button = nullptr;
    CaptureMode m_mode = CaptureMode::Screen;
};
