#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QWidget;

// Progress of the work after a recording (moving or merging its segments, the watermark
// pass) with a cancel button. Two wordings: saving a recording (false) or adding a
// watermark (true).
class WatermarkProgressDialog : public QDialog
{
    Q_OBJECT
public:
    explicit WatermarkProgressDialog(bool watermarkMode, QWidget *parent = nullptr);

    void setStatusText(const QString &text);
    void setProgress(int percent, int current, int total, qint64 remainingSeconds, bool cancellable);
    void requestCancel();

    bool isCancelRequested() const { return m_cancelRequested; }
    int progressValue() const;

    // Esc and other rejections follow the same rule as closing the window.
    void reject() override;

signals:
    void cancelRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // True when the window may go away now; otherwise a cancel is requested instead.
    bool mayClose();

    bool m_cancelRequested = false;
    QWidget *m_header = nullptr;
    QWidget *m_bar = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_percent = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_remaining = nullptr;
    QPushButton *m_cancel = nullptr;
};
