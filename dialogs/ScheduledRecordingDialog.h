#pragma once

#include "dialogs/RecordingOptionConfigs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QTimeEdit;

// Edits the one recording schedule: on or off, once, daily or weekly, the start, the
// weekday and the capture mode to record with.
class ScheduledRecordingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ScheduledRecordingDialog(QWidget *parent = nullptr);

    void setConfig(const ScheduledRecordingConfig &config);
    ScheduledRecordingConfig config() const;
    void refreshFields();

public slots:
    // A one-off schedule whose start has passed is not saved: the dialog says so and
    // stays open.
    void accept() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QCheckBox *m_enable = nullptr;
    QComboBox *m_recurrence = nullptr;
    QDateTimeEdit *m_dateTime = nullptr;
    QTimeEdit *m_time = nullptr;
    QComboBox *m_weekDay = nullptr;
    QComboBox *m_captureMode = nullptr;
    QLabel *m_problem = nullptr;
};
