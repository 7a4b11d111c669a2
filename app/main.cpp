#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QApplication::setApplicationVersion(QStringLiteral("7.0"));
    QApplication::setOrganizationName(QStringLiteral("Vistrelle"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vistrelle"));
    window.resize(960, 640);
    window.show();
    return app.exec();
}
