// The built-in resources: every icon the interface asks for exists and draws, the
// window icon loads, and the style sheet parses and names only resources that exist.

#include "widgets/TintedIcon.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <QtTest>

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void iconsExistAndDraw();
    void windowIconLoads();
    void styleSheetParses();
    void styleSheetNamesExistingResources();
};

void TestResources::iconsExistAndDraw()
{
    const QStringList names{
        "audio", "audio_off", "box_arrow_right", "camera_off", "camera_settings", "check",
        "checkbox_checked", "checkbox_unchecked", "chevron_down", "close", "folder", "fullscreen",
        "gpu", "keyboard", "layers", "list", "logo", "mic", "mic_off", "monitor", "mouse_effect",
        "pause", "pencil", "person", "play", "region", "screenshot", "settings", "shape_circle",
        "shape_rectangle", "shape_rounded", "spin_down", "spin_up", "split", "stop_rec", "timer",
        "title_menu", "toolbar_collapse", "toolbar_expand", "trash", "watermark", "webcam", "window"};
    QStringList present;
    QDirIterator it(QStringLiteral(":/icons/icons"));
    while (it.hasNext())
        present << it.next();
    for (const QString &name : names) {
        const QString path = QStringLiteral(":/icons/icons/%1.svg").arg(name);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QSvgRenderer renderer(path);
        QVERIFY2(renderer.isValid(), qPrintable(path));

        // Tinted by the interface's one helper (at ratio 2), something must remain visible
        // and every visible pixel takes the colour.
        const QImage image = tintedPixmap(path, QSize(16, 16), QColor(QStringLiteral("#78aaff")), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(32, 32));
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb px = image.pixel(x, y);
                if (qAlpha(px) > 128) {
                    ++opaque;
                    QVERIFY(qAbs(qRed(px) - 0x78) <= 2 && qAbs(qBlue(px) - 0xff) <= 2);
                }
            }
        }
        QVERIFY2(opaque > 20, qPrintable(path));
    }
}

void TestResources::windowIconLoads()
{
    const QImage ico(QStringLiteral(":/icons/icons/logo.ico"));
    QVERIFY(!ico.isNull());
    QVERIFY(ico.width() >= 32);
    QVERIFY(!QIcon(QStringLiteral(":/icons/icons/logo.ico")).pixmap(32, 32).isNull());
}

void TestResources::styleSheetParses()
{
    QFile file(QStringLiteral(":/styles/styles/dark.qss"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromUtf8(file.readAll());
    QVERIFY(sheet.contains(QLatin1String("#MainContainer")));

    QTest::failOnWarning(QRegularExpression(QStringLiteral("style ?sheet"), QRegularExpression::CaseInsensitiveOption));
    qApp->setStyleSheet(sheet);
    QWidget window;
    window.setObjectName(QStringLiteral("MainContainer"));
    auto *layout = new QVBoxLayout(&window);
    auto *primary = new QPushButton(QStringLiteral("OK"));
    primary->setObjectName(QStringLiteral("Primary"));
    layout->addWidget(primary);
    layout->addWidget(new QCheckBox(QStringLiteral("check")));
    layout->addWidget(new QComboBox);
    layout->addWidget(new QSpinBox);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.grab();
    // The primary button takes the accent colour from the sheet.
    QCOMPARE(primary->palette().color(QPalette::Button).name(), QStringLiteral("#3478f6"));
    qApp->setStyleSheet(QString());
}

void TestResources::styleSheetNamesExistingResources()
{
    QFile file(QStringLiteral(":/styles/styles/dark.qss"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromUtf8(file.readAll());
    const QRegularExpression url(QStringLiteral("url\\((:[^)]+)\\)"));
    int count = 0;
    auto it = url.globalMatch(sheet);
    while (it.hasNext()) {
        const QString path = it.next().captured(1);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        ++count;
    }
    QVERIFY(count > 0);
}

QTEST_MAIN(TestResources)
#include "tst_shell_resources.moc"
