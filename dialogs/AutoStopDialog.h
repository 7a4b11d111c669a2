#pragma once

#include "dialogs/RecordingOptionConfigs.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;
class QVBoxLayout;

// Two uses: as built, it edits an AutoStopConfig (stop after a duration or at a file
// size); after setCountdownMode it becomes the small panel that counts down the time
// left until the recorder stops the recording by itself.
class AutoStopDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AutoStopDialog(QWidget *parent = nullptr);

    void setConfig(const AutoStopConfig &config);
    AutoStopConfig config() const { return m_config; }
    // The count follows the clock the recorder stops by: it runs on through pauses,
    // and reads 00:00 from the moment the stop is due until the recording ends.
    void setCountdownMode(qint64 remainingMs);
    void tick();
    void applyWindowsFrame() {}

    bool isCountdownMode() const { return m_countdownMode; }
    int remainingSeconds() const { return m_remaining; }
    QString countText() const;

    // "mm:ss" below an hour, "hh:mm:ss" from an hour on.
    static QString formatCountdown(int seconds);

signals:
    void configChanged(const AutoStopConfig &config);
    void countdownFinished();
    // The user withdrew the limit from the countdown panel.
    void countdownCanceled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // The style sheet's rounded background and border on the translucent window.
    void paintEvent(QPaintEvent *event) override;

private:
    // The settings' form; gives its page (the conditions, between the title and the buttons).
    QWidget *buildConfigUi();
    QWidget *buildTitleBar(const QString &title);
    void updateHint();
    void updateCountLabel();
    void onApply();
    void onInternalTick();
    void cancelCountdown();

    AutoStopConfig m_config;
    QRadioButton *m_durationRadio = nullptr;
    QRadioButton *m_sizeRadio = nullptr;
    QSpinBox *m_durationSpin = nullptr;
    QSpinBox *m_sizeSpin = nullptr;
    QLabel *m_hint = nullptr;
    QLabel *m_countLabel = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_offButton = nullptr; // configuration mode: turns an enabled limit off
    QWidget *m_titleBar = nullptr;
    int m_total = 0;
    int m_remaining = 0;
    qint64 m_totalMs = 0;
    QElapsedTimer m_clock;
    bool m_countdownMode = false;
    QTimer *m_timer = nullptr;
};
