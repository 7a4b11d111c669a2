#include "app/FileLogger.h"
#include "app/LinkManager.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QMainWindow>
#include <QTranslator>

// Qt reads the layout direction of the interface from this entry of the installed
// translation: "RTL" in the Arabic file, "LTR" in every other.
static const char *const kLayoutDirectionEntry =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QApplication::setApplicationVersion(QStringLiteral("7.0"));
    QApplication::setOrganizationName(QStringLiteral("Vistrelle"));

    FileLogger::initialize();

    QTranslator translator;
    const QString translationPath = QStringLiteral(":/translations/Vistrelle_%1.qm")
                                        .arg(LinkManager::instance()->currentLanguage());
    if (translator.load(translationPath)) {
        QApplication::installTranslator(&translator);
        qInfo() << "[Translation] Loaded" << translationPath;
    } else {
        qWarning() << "[Translation] Failed to load" << translationPath;
    }
    Q_UNUSED(kLayoutDirectionEntry);

    QFile styleSheet(QStringLiteral(":/styles/styles/dark.qss"));
    if (styleSheet.open(QIODevice::ReadOnly)) {
        app.setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
        styleSheet.close();
    }

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vistrelle"));
    window.resize(960, 640);
    window.show();
    return app.exec();
}
