#pragma once

#include "dialogs/CameraSettings.h"
#include "platform/mac/CameraFormats.h"

#include <QDialog>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPoint>
#include <QRect>

class CameraFeed;
class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

// The frameless modal webcam settings dialog: device, picture quality, frame rate,
// and the bubble's shape, position, size and mirroring, with a live picture of the
// chosen camera in a mock-up of the captured screen. Shape, position, size and
// mirroring are published at once through previewSettingsChanged so that the webcam
// bubble follows the dialog before it is confirmed.
class CameraSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CameraSettingsDialog(bool webcamEnabled, QWidget *parent = nullptr);
    ~CameraSettingsDialog() override;

    // Keeps the record and loads it into the controls.
    void setSettings(const CameraSettings &settings);
    // The kept record ("完成" copies the controls into it).
    CameraSettings settings() const { return m_settings; }
    // Ends the live preview so that another user can open the camera; the dialog's
    // camera connection stays ready for the next opening.
    void stopPreview();
    void updateSelectionStyles() {}

    // The mock-up box of the bubble in a preview of W x H for a size of 0..100 and a
    // placement code.
    static QRect mockupBox(const QSize &pane, int size, int position);
    // The outline drawn in the mock-up box for a shape id (below 1: circle).
    static QPainterPath mockupPath(const QRect &box, int shapeId);

signals:
    void previewSettingsChanged(const CameraSettings &settings);

public slots:
    void reject() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildUi();
    void populateCameras();
    void startPreview();
    void renderPreview();
    void publishPreviewSettings();
    CameraSettings currentUiSettings() const;
    void onFrame(const QImage &image);
    void onCameraError(const QString &message);
    void showLabelText(const QString &text);
    void updatePreviewBadge();
    void setGridCode(int code);

    bool m_webcamEnabled = false;
    bool m_previewEnabled = true;
    CameraSettings m_settings;
    QList<CameraDeviceInfo> m_inputs;
    CameraFeed *m_feed = nullptr;
    QByteArray m_previewDevice; // the camera the preview last showed
    QImage m_lastFrame;

    QLabel *m_previewLabel = nullptr;
    QLabel *m_previewBadge = nullptr;
    QComboBox *m_deviceCombo = nullptr;
    QComboBox *m_qualityCombo = nullptr;
    QComboBox *m_fpsCombo = nullptr;
    QComboBox *m_positionCombo = nullptr;
    QWidget *m_positionGrid = nullptr;
    QPushButton *m_previewSwitch = nullptr;
    QPushButton *m_mirrorSwitch = nullptr;
    QButtonGroup *m_shapeGroup = nullptr;
    QSlider *m_sizeSlider = nullptr;
    bool m_sliderHeld = false;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
