// Closing, minimising and quitting in every state, the tray icon, and the title bar's
// actions (help, support, log folder, About, interface language with restart).
#include "dialogs/SettingsDialog.h"
#include "app/MainWindow.h"

#include "app/FileLogger.h"
#include "app/LinkManager.h"
#include "app/SingleInstanceLock.h"
#include "app/TitleBar.h"
#include "dialogs/CloseBehaviorDialog.h"
#include "recording/Recorder.h"
#include "widgets/DialogPlacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

void MainWindow::handleCloseRequest()
{
    if (quitRequested || programmaticQuitAllowed) {
        QCoreApplication::quit();
        return;
    }
    if (cameraPageActive()) {
        closeCameraPage();
        return;
    }
    if (recordingUiActive()) {
        hide();
        presentRecordingControls();
        if (m_trayIcon && QSystemTrayIcon::isSystemTrayAvailable() && !recordingNoticeShown) {
            recordingNoticeShown = true;
            showTrayNotice(tr("仍在录制"), tr("Vistrelle 已隐藏到系统托盘，录制继续进行。"),
                           QSystemTrayIcon::Information, 5000);
        }
        return;
    }

    const bool armed = hasArmedScheduledRecording();
    int behavior = QSettings().value(SettingsDialog::generalKey("closeBehavior"), 2).toInt();
    if (behavior != vc::MinimizeToTray && behavior != vc::Quit) {
        if (closePromptOpen)
            return;
        closePromptOpen = true;
        vc::CloseBehaviorDialog dialog(armed, this);
        const int result = dialog.exec();
        closePromptOpen = false;
        if (result != QDialog::Accepted)
            return;
        if (dialog.rememberChoice())
            QSettings().setValue(SettingsDialog::generalKey("closeBehavior"), int(dialog.choice()));
        behavior = dialog.choice();
    }

    qInfo() << "[Window] Close request, behaviour" << behavior;
    if (behavior == vc::MinimizeToTray) {
        minimizeToTray();
        return;
    }
    if (armed && !confirmQuitWithArmedSchedule())
        return;
    quitRequested = true;
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    handleCloseRequest();
}

void MainWindow::minimizeToTray()
{
    // Without a tray host there is no icon to bring a hidden window back: minimise it
    // instead, so that the window list or task bar still offers it.
    if (!m_trayIcon || !QSystemTrayIcon::isSystemTrayAvailable()) {
        qInfo() << "[Window] No system tray: minimised instead of hidden";
        showMinimized();
        return;
    }
    hide();
    if (!trayNoticeShown) {
        trayNoticeShown = true;
        showTrayNotice(tr("Vistrelle 仍在后台运行"), tr("已最小化到系统托盘，点击或双击托盘图标可重新打开。"),
                       QSystemTrayIcon::Information, 5000);
    }
}

void MainWindow::requestApplicationQuit()
{
    if (quitRequested) {
        QCoreApplication::quit();
        return;
    }
    if (cameraPageActive()) {
        closeCameraPage();
        return;
    }
    if (recordingUiActive()) {
        hide();
        presentRecordingControls();
        return;
    }
    // Quit asks nothing more (an armed schedule included). quit() closes every window
    // first: the request must be known before the close handling sees it, or that would
    // ask what closing should do instead of quitting.
    quitRequested = true;
    QCoreApplication::quit();
}

void MainWindow::updateTrayMenu()
{
    const bool idle = !m_recorder->isRecording() && !m_recorder->isPreparingStart() && !m_recorder->isFinalizing();
    m_trayRecordAction->setText(idle ? tr("Start Recording") : tr("Stop Recording"));
    m_trayRecordAction->setEnabled(!startPending);
}

void MainWindow::onTrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        presentRecordingControls();
}

void MainWindow::openHelp()
{
    LinkManager::instance()->openLink(QStringLiteral("support"), QStringLiteral("tutorial"), this);
}

void MainWindow::openSupport()
{
    LinkManager::instance()->openLink(QStringLiteral("support"), QStringLiteral("contact"), this);
}

void MainWindow::openLogFolder()
{
    if (!FileLogger::openLogDirectory())
        QMessageBox::warning(this, tr("日志文件夹"), tr("无法打开日志文件夹。"));
}

void MainWindow::showAbout()
{
    QDialog dialog(this, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                             | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setObjectName(QStringLiteral("VistrelleAbout"));
    dialog.setWindowTitle(tr("About Vistrelle"));
    dialog.setWindowIcon(QIcon(QStringLiteral(":/icons/icons/logo.svg")));
    dialog.setAttribute(Qt::WA_NativeWindow);
    dialog.setStyleSheet(QStringLiteral(
        "QDialog#VistrelleAbout{background:#FFFFFF;color:#0F172A;}"
        "QDialog#VistrelleAbout QLabel{background:transparent;color:#0F172A;border:none;}"));
    auto *outer = new QVBoxLayout(&dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(&dialog);
    panel->setObjectName(QStringLiteral("AboutPanel"));
    panel->setStyleSheet(QStringLiteral("QFrame#AboutPanel{background:#FFFFFF;border:none;}"));
    outer->addWidget(panel);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(32, 24, 32, 22);
    panelLayout->setSpacing(0);
    // Everything above the bottom row: it scrolls on a display too small for the dialog.
    auto *body = new QWidget(panel);
    panelLayout->addWidget(body, 1);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    const auto label = [panel](const QString &text, const char *style) {
        auto *l = new QLabel(text, panel);
        l->setStyleSheet(QString::fromLatin1(style));
        return l;
    };
    auto *head = new QHBoxLayout;
    head->setSpacing(18);
    auto *logo = new QLabel(panel);
    logo->setFixedSize(62, 62);
    logo->setPixmap(QIcon(QStringLiteral(":/icons/icons/logo.svg")).pixmap(62, 62));
    head->addWidget(logo);
    auto *names = new QVBoxLayout;
    names->setSpacing(3);
    names->addWidget(label(QStringLiteral("Vistrelle"), "font-size:27px;font-weight:750;color:#071A3D;border:none;"));
    names->addWidget(label(tr("Version %1").arg(QCoreApplication::applicationVersion()),
                           "font-size:14px;color:#0F172A;border:none;"));
    head->addLayout(names);
    head->addStretch();
    layout->addLayout(head);
    layout->addSpacing(20);
    const auto separator = [panel] {
        auto *line = new QFrame(panel);
        line->setFixedHeight(1);
        line->setStyleSheet(QStringLiteral("background:#D8E1ED;border:none;"));
        return line;
    };
    layout->addWidget(separator());
    layout->addSpacing(18);
    QLabel *description = label(
        tr("Vistrelle is a fast, reliable screen recorder for Linux. Record screens, windows, games, system "
           "audio, microphones, and webcams, then edit and manage recordings locally with no cloud upload "
           "required."),
        "font-size:14px;line-height:1.35;color:#0F172A;border:none;");
    description->setWordWrap(true);
    layout->addWidget(description);
    layout->addSpacing(22);
    layout->addWidget(label(tr("Development Team"), "font-size:14px;font-weight:700;color:#0F172A;border:none;"));
    QLabel *team = label(tr("The Vistrelle developers"), "font-size:14px;color:#0F172A;border:none;");
    team->setWordWrap(true);
    layout->addWidget(team);
    layout->addStretch();
    panelLayout->addWidget(separator());
    panelLayout->addSpacing(16);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(label(tr("© Vistrelle. All rights reserved."), "font-size:12px;color:#0F172A;border:none;"));
    QLabel *link = label(QStringLiteral("<a href=\"home\">vistrelle.example</a>"), "font-size:12px;border:none;");
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(false);
    connect(link, &QLabel::linkActivated, &dialog, [&dialog] {
        LinkManager::instance()->openLink(QStringLiteral("website"), QStringLiteral("home"), &dialog);
    });
    bottom->addWidget(link);
    bottom->addStretch();
    auto *ok = new QPushButton(tr("OK"), panel);
    ok->setFixedSize(120, 34);
    ok->setCursor(Qt::PointingHandCursor);
    ok->setFocusPolicy(Qt::NoFocus);
    ok->setStyleSheet(QStringLiteral(
        "QPushButton{background:#1677FF;color:#FFFFFF;border:none;border-radius:9px;font-size:14px;"
        "font-weight:600;padding:5px 20px;outline:none;}QPushButton:hover{background:#0B6BFF;}"
        "QPushButton:pressed{background:#095DDE;}"));
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    bottom->addWidget(ok);
    panelLayout->addLayout(bottom);
    fitToDisplay(&dialog, QSize(760, 430), body);
    dialog.exec();
}

void MainWindow::changeLanguage(const QString &code)
{
    LinkManager *links = LinkManager::instance();
    if (code == links->currentLanguage())
        return;
    if (!links->setLanguage(code)) {
        // Announcing it would be wrong: the next start would come back in the old one.
        QMessageBox::warning(this, tr("切换语言"), tr("无法保存语言设置，请检查当前用户的配置权限。"));
        return;
    }
    const auto answer = QMessageBox::question(this, tr("切换语言"),
                                              tr("语言设置已保存，重启 Vistrelle 后生效。是否立即重启？"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    if (restartPending)
        return;
    if (startPending || m_recorder->isRecording() || m_recorder->isPreparingStart() || m_recorder->isFinalizing()) {
        // A recording (the webcam page's) ends first, the way a quit ends it: saved.
        qInfo() << "[Restart] Saving the recording before the restart";
        restartPending = true;
        connect(m_recorder, &Recorder::stopped, this, &MainWindow::restartProgram, Qt::SingleShotConnection);
        const bool preparing = startPending && !m_recorder->isRecording() && !m_recorder->isPreparingStart()
                               && !m_recorder->isFinalizing();
        if (!m_recorder->isFinalizing())
            onStopRecording();
        if (preparing) { // a countdown only: nothing to save, so no stopped signal comes
            disconnect(m_recorder, &Recorder::stopped, this, &MainWindow::restartProgram);
            restartProgram();
        }
        return;
    }
    restartProgram();
}

void MainWindow::restartProgram()
{
    restartPending = false;
    // The new process takes the single-instance lock at once: let go of it first, or it
    // would report "already running" and leave while this one quits.
    SingleInstanceLock *lock = SingleInstanceLock::current();
    const bool heldLock = lock && lock->isHeld();
    if (heldLock)
        lock->release();
    const bool started = startAgain ? startAgain()
                                    : QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                                              QCoreApplication::arguments().mid(1), QString());
    if (started) {
        qInfo() << "[Restart] Started a new process for the language" << LinkManager::instance()->currentLanguage();
        programmaticQuitAllowed = true;
        QCoreApplication::quit();
        return;
    }
    if (heldLock && lock->acquire(100) != SingleInstanceLock::Result::Acquired)
        qWarning() << "[Restart] Could not take the single-instance lock back";
    programmaticQuitAllowed = false;
    QMessageBox::warning(this, tr("重启失败"), tr("无法自动重启，请手动重新打开 Vistrelle。"));
}

void MainWindow::minimizeFromTitleBar()
{
    if (cameraPageActive() || !recordingUiActive()) {
        showMinimized();
        return;
    }
    hide();
    presentRecordingControls();
}

void MainWindow::toggleMaximized()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
    m_titleBar->setMaximized(isMaximized());
}
