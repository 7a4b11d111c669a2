// Texts of the preferences, the webcam settings and the preparation toolbar that were
// cut off, in every language of the program, with its style sheet, on the test desktop:
// the hot key captions, the close-button hint, the quality box, the sidebar's selected
// page, the webcam settings' frame-rate label and live-preview badge, and the toolbar's
// mode title beside its chevron. Set VISTRELLE_SHOTS to a folder to keep pictures.
#include "../support/XdotoolDriver.h"

#include "dialogs/CameraSettingsDialog.h"
#include "dialogs/SettingsDialog.h"
#include "overlays/SetupRecordingToolbar.h"
#include "platform/mac/CameraHub.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

const char *const Languages[] = {"zh_CN", "en", "zh_TW", "fr", "de", "ja", "es", "ko", "nl", "pt", "it", "tr", "ar"};

// What of a widget's text is cut off; empty when all of it shows.
QString cutOff(QWidget *widget)
{
    QString text;
    bool cut = false;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        text = label->text();
        cut = label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                : label->sizeHint().width() > label->width();
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        text = combo->currentText();
        cut = combo->sizeHint().width() > combo->width();
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        text = button->text();
        cut = button->sizeHint().width() > button->width();
    }
    if (!cut)
        return QString();
    return QStringLiteral("\"%1\" (%2 wide, needs %3)").arg(text).arg(widget->width()).arg(widget->sizeHint().width());
}

QLabel *labelWithText(QWidget *root, const QString &text)
{
    for (QLabel *label : root->findChildren<QLabel *>())
        if (label->text() == text || label->text().endsWith(text))
            return label;
    return nullptr;
}

} // namespace

class TestControlsTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textsShowWhole_data();
    void textsShowWhole();
    void cleanupTestCase();

private:
    QString m_styleSheet;
};

void TestControlsTexts::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QFile style(QStringLiteral(":/styles/styles/dark.qss"));
    QVERIFY(style.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(style.readAll()));
    CameraHub::setTestDevices(QList<CameraDeviceInfo>{});
}

void TestControlsTexts::cleanupTestCase()
{
    CameraHub::setTestDevices(std::nullopt);
}

void TestControlsTexts::textsShowWhole_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : Languages)
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestControlsTexts::textsShowWhole()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/Vistrelle_%1.qm").arg(language)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    const auto tr = [](const char *context, const char *text) { return QCoreApplication::translate(context, text); };
    QStringList cut;
    const auto check = [&cut](const QString &what, QWidget *widget) {
        if (!widget) {
            cut << what + QStringLiteral(": not found");
            return;
        }
        const QString problem = cutOff(widget);
        if (!problem.isEmpty())
            cut << what + QStringLiteral(": ") + problem;
    };

    {
        SettingsDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const char *caption : {"开始 / 停止录制", "暂停 / 继续录制", "截图（全屏 / 区域）", "显示 / 隐藏悬浮工具栏",
                                    "显示 / 隐藏注释工具栏"})
            check(QStringLiteral("hot key caption"), labelWithText(&dialog, tr("SettingsDialog", caption)));
        check(QStringLiteral("close hint"),
              labelWithText(&dialog, tr("SettingsDialog", "选择“每次询问我”时，每次关闭主窗口都会弹出选择窗口。以后仍可在这里修改。")));
        for (int page = 0; page < 5; ++page) {
            dialog.setCurrentPage(page);
            QTest::qWait(50);
            // The selected page's button shows its text in bold (the style sheet's
            // :checked rule, which the button's size hint does not know).
            for (QPushButton *nav : dialog.findChildren<QPushButton *>(QStringLiteral("Nav"))) {
                if (!nav->isChecked())
                    continue;
                QFont bold = nav->font();
                bold.setWeight(QFont::DemiBold);
                const int needed = 14 + nav->iconSize().width() + 6 + QFontMetrics(bold).horizontalAdvance(nav->text()) + 4;
                if (needed > nav->width())
                    cut << QStringLiteral("selected page: \"%1\" (%2 wide, needs %3)")
                               .arg(nav->text()).arg(nav->width()).arg(needed);
            }
            if (page == SettingsDialog::RecordingPage)
                check(QStringLiteral("quality"), dialog.findChild<QComboBox *>(QStringLiteral("RecordingQuality")));
            if (language == QLatin1String("en"))
                screenshot(QStringLiteral("texts-preferences-%1").arg(page));
        }
    }
    {
        CameraSettingsDialog dialog(true, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(50);
        check(QStringLiteral("frame rate"), labelWithText(&dialog, tr("CameraSettingsDialog", "帧率")));
        check(QStringLiteral("live preview"), labelWithText(&dialog, tr("CameraSettingsDialog", "实时预览")));
        if (language == QLatin1String("en"))
            screenshot(QStringLiteral("texts-webcam-settings"));
    }
    {
        SetupRecordingToolbar toolbar(nullptr);
        toolbar.setMode(HomeMode::Area, QStringLiteral("1280 × 720"));
        toolbar.move(200, 300);
        toolbar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&toolbar));
        if (language == QLatin1String("en"))
            screenshot(QStringLiteral("texts-toolbar-area"));
        // The mode item: its title line ends before the chevron beside it begins.
        QToolButton *mode = nullptr;
        for (QToolButton *item : toolbar.findChildren<QToolButton *>())
            if (item->text().startsWith(tr("SetupRecordingToolbar", "Custom Area")))
                mode = item;
        QVERIFY(mode);
        auto *chevron = mode->findChild<QToolButton *>();
        QVERIFY(chevron);
        const QString title = mode->text().section(QLatin1Char('\n'), 0, 0);
        QFont font = mode->font();
        font.setPixelSize(10);
        const int advance = QFontMetrics(font).horizontalAdvance(title);
        // The text is centred between the item's padding (2 px left, 20 px right).
        const int titleRight = (2 + mode->width() - 20) / 2 + (advance + 1) / 2;
        const int chevronLeft = chevron->geometry().center().x() - 6;
        if (advance <= mode->width() - 22 && chevronLeft < titleRight + 2)
            cut << QStringLiteral("mode title \"%1\" ends at %2, its chevron begins at %3")
                       .arg(title).arg(titleRight).arg(chevronLeft);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestControlsTexts)
#include "tst_controls_texts_e2e.moc"
