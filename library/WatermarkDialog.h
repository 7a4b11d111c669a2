#pragma once

#include "library/WatermarkConfig.h"

#include <QDialog>
#include <QImage>
#include <QSize>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QWidget;

// Modal editor of a text watermark with a live preview, drawn over a frame of the video when
// one is given and over a placeholder otherwise. It knows nothing of settings or files: the
// owner sets a record, runs it and reads config() after it was accepted.
class WatermarkDialog : public QDialog
{
    Q_OBJECT
public:
    explicit WatermarkDialog(QWidget *parent = nullptr);

    void setConfig(const WatermarkConfig &config);
    WatermarkConfig config() const { return m_config; }
    void setPreviewFrame(const QImage &frame, const QSize &videoSize);

    // The preview as last drawn (for the owner's checks and tests).
    QPixmap previewPixmap() const;

signals:
    void configChanged(const WatermarkConfig &config);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void onPreviewUpdate();
    void onColorPickerClicked();
    void restoreDefaults();
    void onApplyClicked();

private:
    void setColourButton(const QColor &colour, bool styled);
    void fitToScreen();
    int checkedPosition() const;

    WatermarkConfig m_config;
    QLineEdit *m_textEdit = nullptr;
    QSpinBox *m_fontSize = nullptr;
    QPushButton *m_colorButton = nullptr;
    QSlider *m_opacity = nullptr;
    QLabel *m_opacityLabel = nullptr;
    QPushButton *m_positionButtons[9] = {};
    QButtonGroup *m_positionGroup = nullptr;
    QSlider *m_marginX = nullptr;
    QSlider *m_marginY = nullptr;
    QLabel *m_preview = nullptr;
    QWidget *m_titleBar = nullptr;
    QScrollArea *m_scroll = nullptr;
    QImage m_previewFrame;
    QSize m_videoSize;
    QColor m_currentColor = Qt::white;
};
