// The recording session: start, stop, pause, the countdown and the recorder's signals.
#include "app/MainWindow.h"

#include "app/BottomBar.h"
#include "app/HomePage.h"
#include "recording/Recorder.h"

#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
bool isBusy(const Recorder *recorder)
{
    return recorder->isRecording() || recorder->isPreparingStart() || recorder->isFinalizing();
}
} // namespace

void MainWindow::onStartRecording()
{
    if (startPending || isBusy(m_recorder))
        return;
    beginRecordingSession();
}

void MainWindow::beginRecordingSession()
{
    if (isBusy(m_recorder))
        return;
    ++recordingSerial;
    finalizationBegun = false;
    startPending = true;
    elapsedSeconds = 0;
    inPreparation = false;

    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect rect = screen ? screen->geometry() : QRect();
    recordingCaptureMode = 0;
    m_recorder->cameraFrameSource = {};
    m_recorder->setCaptureRect(rect);
    m_recorder->setAudioOnly(false);
    m_recorder->setCaptureWindow(NativeWindowHandle());
    m_recorder->setDesktopOutputIndex(0);
    QList<QRect> screens;
    for (QScreen *s : QGuiApplication::screens())
        screens.append(s->geometry());
    const auto [backend, index] = screenBackendFor(rect, screens);
    m_recorder->setCaptureBackend(Recorder::CaptureBackend(backend));
    m_recorder->setDesktopOutputIndex(index);
    m_recorder->setEffectsTargetRect(screen ? nativeRectOn(rect, screen->geometry(), screen->devicePixelRatio())
                                            : QRect());
    m_recorder->setMouseEffectsEnabled(mouseEffectsOn);
    m_recorder->setOutputPath(QString());
    recordingCaptureRect = rect;
    cameraOn = false;
    hide();
    m_recorder->prepareStart();
    startPending = false;
    m_recorder->start();
}

void MainWindow::onStopRecording()
{
    if (stopping)
        return;
    if (startPending && !isBusy(m_recorder)) {
        restoreAfterRecording(true);
        return;
    }
    startPending = false;
    if (!isBusy(m_recorder))
        return;
    stopping = true;
    recordTimer.stop();
    m_recorder->stop();
}

void MainWindow::onPauseRecording()
{
    if (m_recorder->isPaused())
        m_recorder->resume();
    else
        m_recorder->pause();
}

void MainWindow::onRecordTick()
{
    ++elapsedSeconds;
}

void MainWindow::restoreAfterRecording(bool showWindow)
{
    ++recordingSerial;
    m_recorder->cancelStartPreparation();
    startPending = false;
    stopping = false;
    recordTimer.stop();
    cameraOn = false;
    recordingCaptureRect = QRect();
    elapsedSeconds = 0;
    returnHome(showWindow);
}

void MainWindow::onCountdownCanceled(int serial)
{
    if (serial != recordingSerial || !startPending)
        return;
    m_recorder->cancelStartPreparation();
    restoreAfterRecording(true);
}

void MainWindow::onCountdownFinished(int serial, bool)
{
    if (serial != recordingSerial || !startPending)
        return;
    QTimer::singleShot(80, this, [this, serial] {
        if (serial != recordingSerial || !startPending)
            return;
        startPending = false;
        m_recorder->start();
    });
}

void MainWindow::onRecorderStarted()
{
    m_bottomBar->onRecordingStarted();
    if (!recordTimer.isActive())
        recordTimer.start();
}

void MainWindow::onRecorderPaused()
{
    recordTimer.stop();
}

void MainWindow::onRecorderResumed()
{
    recordTimer.start();
}

void MainWindow::onFrameRateReduced(int previousFps, int currentFps, const QString &reason)
{
    showTrayNotice(tr("录制性能已自动调整"),
                   tr("%1 FPS 已自动降为 %2 FPS。%3").arg(previousFps).arg(currentFps).arg(reason),
                   QSystemTrayIcon::Warning, 6000);
}

void MainWindow::onPerformanceWarning(const QString &message)
{
    showTrayNotice(tr("录制性能提示"), message, QSystemTrayIcon::Warning, 6000);
}

void MainWindow::onFourKDecision(int width, int height, int fps)
{
    int choice = 3;
    if (fourKChoiceOverride) {
        choice = fourKChoiceOverride(width, height, fps);
    } else {
        QDialog dialog(this);
        dialog.setObjectName(QStringLiteral("FourKChoiceDialog"));
        dialog.setWindowTitle(tr("4K 录制性能"));
        dialog.setMinimumWidth(470);
        dialog.setStyleSheet(QStringLiteral(
            "QDialog#FourKChoiceDialog{background:#0b1626;color:#eef4ff;}"
            "QDialog#FourKChoiceDialog QLabel{color:#eef4ff;background:transparent;}"
            "QDialog#FourKChoiceDialog QPushButton{min-height:44px;text-align:left;padding:0 14px;"
            "background:#132338;border:1px solid #36516f;border-radius:6px;color:#eef4ff;}"
            "QDialog#FourKChoiceDialog QPushButton:hover{background:#1b304c;border-color:#4a72a5;}"
            "QDialog#FourKChoiceDialog QPushButton#recommendedChoice{background:#173c5d;border-color:#1d91b7;}"
            "QDialog#FourKChoiceDialog QPushButton#recommendedChoice:hover{background:#205175;}"));
        auto *layout = new QVBoxLayout(&dialog);
        layout->setContentsMargins(24, 24, 24, 24);
        layout->setSpacing(10);
        auto *heading = new QLabel(tr("没有可用的硬件 H.264 编码器"), &dialog);
        QFont font = heading->font();
        font.setWeight(QFont::Bold);
        font.setPointSizeF(font.pointSizeF() + 2);
        heading->setFont(font);
        heading->setWordWrap(true);
        auto *line = new QLabel(
            tr("%1 × %2、%3 FPS 的录制可能掉帧。请选择本次录制方式。").arg(width).arg(height).arg(fps), &dialog);
        line->setWordWrap(true);
        layout->addWidget(heading);
        layout->addWidget(line);
        layout->addSpacing(8);
        const QString texts[4] = {tr("保持 4K，15 FPS（推荐）"), tr("1080p，30 FPS"), tr("强制 4K，30 FPS"),
                                  tr("取消")};
        for (int i = 0; i < 4; ++i) {
            auto *button = new QPushButton(texts[i], &dialog);
            layout->addWidget(button);
            if (i == 0) {
                button->setObjectName(QStringLiteral("recommendedChoice"));
                button->setDefault(true);
            }
            if (i < 3)
                connect(button, &QPushButton::clicked, &dialog, [&dialog, &choice, i] {
                    choice = i;
                    dialog.accept();
                });
            else
                connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
        }
        dialog.exec();
    }
    m_recorder->resolveFourKSoftwareEncoding(Recorder::FourKSoftwareAction(std::clamp(choice, 0, 3)));
}

void MainWindow::onFinalizingChanged(bool active)
{
    const int generation = ++finalizationGeneration;
    if (active) {
        finalizationBegun = true;
        restoreAfterRecording(false);
        m_bottomBar->showMediaLibrary();
        finalizationStatus = FinalizationStatus();
        QTimer::singleShot(500, this, [this, generation] { createFinalizationMask(generation); });
    } else {
        removeFinalizationMask();
    }
}

void MainWindow::createFinalizationMask(int generation)
{
    if (generation != finalizationGeneration || finalizationMask)
        return;
    QWidget *parent = m_bottomBar->mediaLibraryWindow();
    if (!parent)
        parent = this;
    auto *mask = new QWidget(parent);
    mask->setObjectName(QStringLiteral("FinalizationMask"));
    mask->setAttribute(Qt::WA_StyledBackground);
    mask->setStyleSheet(QStringLiteral("#FinalizationMask{background:rgba(2,9,20,188);border-radius:18px;}"));
    mask->setGeometry(0, 0, parent->width(), parent->height());
    parent->installEventFilter(this);
    mask->show();
    mask->raise();
    finalizationMask = mask;
}

void MainWindow::removeFinalizationMask()
{
    if (finalizationMask) {
        finalizationMask->hide();
        finalizationMask->deleteLater();
    }
    finalizationMask = nullptr;
}

void MainWindow::onFinalizingMessage(const QString &message)
{
    finalizationStatus.message = message;
}

void MainWindow::onFinalizationProgress(int percent, int currentFile, int totalFiles, qint64 remainingSeconds,
                                        bool cancellable)
{
    finalizationStatus.percent = percent;
    finalizationStatus.currentFile = currentFile;
    finalizationStatus.totalFiles = totalFiles;
    finalizationStatus.remainingSeconds = remainingSeconds;
    finalizationStatus.cancellable = cancellable;
}

void MainWindow::onFinalizationWarning(const QString &message)
{
    showTrayNotice(tr("录制后处理提示"), message, QSystemTrayIcon::Warning, 8000);
}

void MainWindow::onRecorderStopped(const QString &path)
{
    stopping = false;
    if (!finalizationBegun)
        restoreAfterRecording(true);
    finalizationBegun = false;
    if (!path.isEmpty()) {
        lastRecordingPath = path;
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == QLatin1String("mp3") || suffix == QLatin1String("m4a") || suffix == QLatin1String("wav")
            || suffix == QLatin1String("flac"))
            showTrayNotice(tr("录音完成"), tr("音频已保存到：%1").arg(path), QSystemTrayIcon::Information, 10000);
        m_bottomBar->onRecordingStopped(path);
    }
}

void MainWindow::onRecorderError(const QString &message)
{
    if (!isBusy(m_recorder) && !finalizationBegun)
        restoreAfterRecording(true);
    qWarning().noquote() << "[Recording error]" << message;
    QMessageBox::warning(this, tr("录制提示"), message);
}

void MainWindow::onDiscardRequested()
{
    if (!isBusy(m_recorder))
        return;
    stopping = true;
    recordTimer.stop();
    m_recorder->discard();
}

void MainWindow::onStopConfirmationRequested() {}

void MainWindow::onMouseEffectsToggled(bool on)
{
    mouseEffectsOn = on;
    QSettings().setValue(QStringLiteral("effects/mouseEnabled"), on);
    m_recorder->setMouseEffectsEnabled(on);
}

void MainWindow::onAutoStopWithdrawn()
{
    // Only the running recording loses its limit; the stored record comes back at the
    // next start (restoreAfterRecording hands it to the recorder again).
    const AutoStopConfig stop = m_bottomBar->autoStopConfig();
    m_recorder->setAutoStop(false, stop.mode, stop.durationMin, stop.sizeMB);
}

void MainWindow::requestOrderlyQuit(int waitMilliseconds)
{
    if (orderlyQuitPending) {
        qWarning() << "[Quit] Second termination request: leaving now";
        QCoreApplication::exit(0);
        return;
    }
    orderlyQuitPending = true;
    quitRequested = true;
    if (!isBusy(m_recorder) && !startPending) {
        QCoreApplication::exit(0);
        return;
    }
    qInfo() << "[Quit] Termination requested during a recording: stopping it first";
    connect(m_recorder, &Recorder::stopped, this, [](const QString &path) {
        if (!path.isEmpty()) {
            qInfo().noquote() << "[Quit] Recording saved:" << path;
            fprintf(stderr, "Vistrelle: recording saved to %s\n", qPrintable(path));
        }
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(waitMilliseconds, this, [this] {
        qWarning() << "[Quit] The recording did not finish in time: leaving";
        QCoreApplication::exit(0);
    });
    if (m_recorder->isFinalizing())
        return;
    if (startPending && !m_recorder->isRecording()) {
        restoreAfterRecording(false);
        if (!isBusy(m_recorder))
            QCoreApplication::exit(0);
        return;
    }
    onStopRecording();
}
