#include "app/ExitDeadline.h"
#include "app/FileLogger.h"
#include "app/InterfaceTranslations.h"
#include "app/LinkManager.h"
#include "app/MainWindow.h"
#include "app/SingleInstanceLock.h"
#include "app/TerminationSignals.h"
#include "dialogs/SettingsDialog.h"
#include "platform/mac/ProcessMemory.h"
#include "recording/EncoderProbe.h"
#include "widgets/ProgramStyle.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTimer>

// Qt reads the layout direction of the interface from this entry of the installed
// translation: "RTL" in the Arabic file, "LTR" in every other.
static const char *const kLayoutDirectionEntry =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// How long the end of the program may take once its event loop is over.
static const int kExitLimitMs = 5000;

int main(int argc, char *argv[])
{
    keepHeapsCompact();
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    // Taken once the application exists, let go of as the process ends, after everything
    // else (the application's end waits for the work of its threads; the log is finished
    // at exit): no second instance starts while this one is still there.
    static SingleInstanceLock lock;
    QApplication app(argc, argv);
    // Every quit is explicit; a parentless dialog closed while the main window is
    // hidden must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QString lockError;
    const SingleInstanceLock::Result lockResult = lock.acquire(100, &lockError);
    if (lockResult == SingleInstanceLock::Result::AlreadyRunning) {
        QMessageBox box(QMessageBox::Warning, QObject::tr("Vistrelle is already running"),
                        QObject::tr("Another Vistrelle process is running. Finish its recording and quit it before "
                                    "opening Vistrelle again."),
                        QMessageBox::Ok);
        // The running instance's own message may be open over one of its toolbars, in the
        // window manager's layer above ordinary windows: an ordinary box would open under
        // it. This one keeps to that layer too and asks to come up once shown.
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        QTimer::singleShot(0, &box, [&box] {
            box.raise();
            box.activateWindow();
        });
        box.exec();
        return 0;
    }
    SingleInstanceLock::setCurrent(&lock);
    // Watched from here on: a signal that comes before the main window exists waits in
    // the watcher's pipe until the event loop runs.
    TerminationSignals signalWatch;

    QApplication::setStyle(createProgramStyle());
    QApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QApplication::setApplicationVersion(QStringLiteral("7.0"));
    QApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/icons/logo.ico")));

    FileLogger::initialize();
    if (lockResult == SingleInstanceLock::Result::Unavailable)
        qWarning().noquote() << "[Startup] Running without the single-instance lock:" << lockError;

    InterfaceTranslations::install(LinkManager::instance()->currentLanguage());
    Q_UNUSED(kLayoutDirectionEntry);

    QFile styleSheet(QStringLiteral(":/styles/styles/dark.qss"));
    if (styleSheet.open(QIODevice::ReadOnly)) {
        app.setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
        styleSheet.close();
    }

    // Once the event loop ends nothing the user waits for is left: the process ends within
    // seconds, whatever still runs then (the first of the handlers of the loop's end, before
    // those that wait for pools of work). Encoder tests still running are ended, not waited for.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [] {
        ExitDeadline::arm(kExitLimitMs, 0);
        EncoderProbe::shared().abandon();
    });

    MainWindow window;
    QObject::connect(&signalWatch, &TerminationSignals::terminationRequested, &window,
                     [&window](int) { window.requestOrderlyQuit(); });
    window.show();
    if (QSettings().value(SettingsDialog::generalKey("startMinimized"), false).toBool()) {
        // Hidden to the tray; without a tray host there is no icon to bring it back, so
        // it starts minimised instead.
        QTimer::singleShot(0, &window, [&window] {
            if (window.trayIcon() && QSystemTrayIcon::isSystemTrayAvailable())
                window.hide();
            else
                window.showMinimized();
        });
    }
    const int result = app.exec();
    // The last lines reach the file before the window and the lock go.
    FileLogger::flush();
    SingleInstanceLock::setCurrent(nullptr);
    return result;
}
