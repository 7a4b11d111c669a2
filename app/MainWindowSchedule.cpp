// The recording schedule: one precise single-shot timer armed for the next start of the
// bottom strip's schedule (once, daily or weekly), and what its firing does.
#include "app/MainWindow.h"

#include "app/BottomBar.h"
#include "app/ModeBar.h"
#include "app/RecordingSchedule.h"
#include "preparation/ControlsArea.h"
#include "recording/Recorder.h"

#include <QMessageBox>

QDateTime MainWindow::scheduleNow() const
{
    return scheduleClock ? scheduleClock() : QDateTime::currentDateTime();
}

void MainWindow::armScheduledRecording()
{
    armScheduleAfter(scheduleNow());
}

void MainWindow::armScheduleAfter(const QDateTime &after)
{
    scheduleTimer.stop();
    scheduleDueTime = QDateTime();
    if (!m_bottomBar)
        return;
    const ScheduledRecordingConfig config = m_bottomBar->scheduleConfig();
    if (!config.enabled)
        return;
    const QDateTime now = scheduleNow();
    const QDateTime next = RecordingSchedule::nextStart(config, std::max(after, now));
    if (next.isValid() && next > now) {
        scheduleDueTime = next;
        scheduleTimer.setTimerType(Qt::PreciseTimer);
        scheduleTimer.start(int(std::min(now.msecsTo(next), RecordingSchedule::kMaxTimerMs)));
        qInfo() << "[Schedule] Armed for" << next.toString(Qt::ISODate);
        return;
    }
    if (config.recurrence == 0) {
        qInfo() << "[Schedule] The one-off start time has passed; the schedule is off";
        m_bottomBar->setScheduleEnabled(false);
    }
}

void MainWindow::startScheduledRecording()
{
    if (!m_bottomBar)
        return;
    const ScheduledRecordingConfig config = m_bottomBar->scheduleConfig();
    const QDateTime now = scheduleNow();
    const QDateTime due = scheduleDueTime.isValid() ? scheduleDueTime
                          : config.recurrence == 0   ? config.startAt
                                                     : QDateTime();
    const CaptureMode captureMode = RecordingSchedule::clampedCaptureMode(config.captureMode);
    const bool busy = startPending || m_recorder->isRecording() || m_recorder->isPreparingStart()
                      || m_recorder->isFinalizing();
    const bool needsTarget = captureMode != CaptureMode::Screen && captureMode != CaptureMode::AudioOnly;
    const RecordingSchedule::Firing firing = RecordingSchedule::decide(
        config.enabled, config.recurrence, due, now, busy, needsTarget, needsTarget && scheduleHasTarget());

    switch (firing.action) {
    case RecordingSchedule::FiringAction::Ignore:
        return;
    case RecordingSchedule::FiringAction::ArmAgain:
        // The timer fired before its time (capped interval, clock change): same start.
        armScheduledRecording();
        return;
    case RecordingSchedule::FiringAction::ChooseTarget:
        showMainWindow();
        showTrayNotice(tr("计划录制"), tr("请先在首页为窗口或游戏模式选择录制目标。"),
                       QSystemTrayIcon::Information, 10000);
        break;
    case RecordingSchedule::FiringAction::SkipBusy:
        showTrayNotice(tr("计划录制"), tr("已有录制正在进行，本次计划已跳过。"), QSystemTrayIcon::Information, 10000);
        break;
    case RecordingSchedule::FiringAction::Record:
        qInfo() << "[Schedule] Starting the scheduled recording, capture mode" << int(captureMode);
        // Whatever the user left open (a preparation, the webcam page) gives way, and the
        // mode goes to the panel itself: the home cards set the panel's mode directly, so
        // the mode bar alone may already show this mode while the panel holds another.
        if (inPreparation || cameraPageActive())
            returnHome(false);
        m_modeBar->selectCaptureMode(captureMode);
        m_controls->setCaptureMode(captureMode);
        onStartRecording();
        break;
    }

    if (firing.armNext) {
        // The next start comes after this one's due time, even when this firing was a
        // little early: one start never records twice.
        const QDateTime after = due.isValid() ? std::max(due, now) : now;
        QTimer::singleShot(1000, this, [this, after] { armScheduleAfter(after); });
    } else if (firing.switchOff) {
        scheduleTimer.stop();
        scheduleDueTime = QDateTime();
        m_bottomBar->setScheduleEnabled(false);
    }
}

bool MainWindow::hasArmedScheduledRecording() const
{
    return m_bottomBar && scheduleTimer.isActive() && m_bottomBar->scheduleConfig().enabled;
}

bool MainWindow::confirmQuitWithArmedSchedule()
{
    return QMessageBox::question(this, tr("计划录制"), tr("退出后计划录制将不会执行。\n\n确定要退出 Vistrelle 吗？"),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

bool MainWindow::scheduleHasTarget() const
{
    const CapturableWindow target = chosenTarget();
    return target.window.isValid() || !target.frame.isEmpty();
}
