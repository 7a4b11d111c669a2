#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFormLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class VideoEditor;

// Exports one media file again: as MP4 or MKV (copied or re-timed), as a GIF, or as MP3 or
// AAC audio, with its own VideoEditor, showing the job's progress and outcome.
class ExportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ExportDialog(const QString &inputPath, QWidget *parent = nullptr);
    ~ExportDialog() override;

    // The format codes of the format list, in its order.
    static QStringList formatCodes();
    // The output extension of a format code (".mp4" for an unknown one).
    static QString extensionFor(const QString &formatCode);

    QString lastExportPath() const { return m_lastExport; }

public slots:
    void onFormatChanged(const QString &text);
    void onStartExport();
    void openOutputFolder();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildUi();
    QString currentFormat() const;

    QString m_input;
    QString m_lastExport;
    QWidget *m_titleBar = nullptr;
    QFormLayout *m_form = nullptr;
    QComboBox *m_format = nullptr;
    QComboBox *m_encoder = nullptr;
    QSpinBox *m_bitrate = nullptr;
    QSpinBox *m_gifFps = nullptr;
    QSpinBox *m_gifWidth = nullptr;
    QComboBox *m_speed = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_openFolder = nullptr;
    QLabel *m_status = nullptr;
    VideoEditor *m_editor = nullptr;
};
