#pragma once

#include "dialogs/RecordingOptionConfigs.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Edits an AutoSplitConfig: split a recording into several files after a duration or
// when the file reaches a size.
class AutoSplitDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AutoSplitDialog(QWidget *parent = nullptr);

    void setConfig(const AutoSplitConfig &config);
    AutoSplitConfig config() const { return m_config; }
    void applyWindowsFrame() {}

signals:
    void configChanged(const AutoSplitConfig &config);

public slots:
    void onApply();
    void updateState();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QRadioButton *m_durationRadio = nullptr;
    QRadioButton *m_sizeRadio = nullptr;
    QSpinBox *m_durationSpin = nullptr;
    QSpinBox *m_sizeSpin = nullptr;
    QFrame *m_durationStep = nullptr;
    QFrame *m_sizeStep = nullptr;
    QLabel *m_summary = nullptr;
    QFrame *m_durationCard = nullptr;
    QFrame *m_sizeCard = nullptr;
    QWidget *m_titleBar = nullptr;
    QPushButton *m_offButton = nullptr; // turns enabled splitting off
    AutoSplitConfig m_config;
};
