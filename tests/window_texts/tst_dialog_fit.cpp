// The program's message boxes and dialogs as the user sees them on the test desktop, with the
// program's own style and style sheet: the words of every button of a two- or three-button
// box whole in each of the 13 languages (read from the picture of the button, not from its
// text), a long file name in "Screenshot Saved" wrapped inside the box, dialogs larger than a
// small or portrait display kept on it with their buttons in view, and the mouse wheel over a
// field of a scrolling dialog scrolling the page instead of changing the field.
// The CTest entries run it on 1920 x 1080 at scale 1 and, for the display checks, on
// 1366 x 768 and a portrait 1080 x 1920 at scale 2 (VISTRELLE_TEST_SCREEN, QT_SCALE_FACTOR).

#include "../support/ServerWindowPosition.h"
#include "../support/XdotoolDriver.h"

#include "app/InterfaceTranslations.h"
#include "app/TitleBar.h"
#include "dialogs/AudioSettingsDialog.h"
#include "dialogs/AutoSplitDialog.h"
#include "dialogs/AutoStopDialog.h"
#include "dialogs/CameraSettingsDialog.h"
#include "dialogs/CloseBehaviorDialog.h"
#include "dialogs/MicrophonePermissionDialog.h"
#include "dialogs/RecordingSettingsDialog.h"
#include "library/ExportDialog.h"
#include "dialogs/ScheduledRecordingDialog.h"
#include "dialogs/SettingsDialog.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ProgramStyle.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>

namespace {

const QStringList Languages = {"ar", "de", "en", "es", "fr", "it", "ja", "ko", "nl", "pt", "tr", "zh_CN", "zh_TW"};

// The rows and columns of `image` holding text ink: light pixels (the buttons' words are light
// on a dark fill; the border and the focus colour are darker than this).
QRect inkBounds(const QImage &image, const QRect &within)
{
    QRect ink;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) > 150)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The ink of `text` drawn in `font` with nothing around it to cut it, in device pixels.
QRect freeInk(const QString &text, const QFont &font, qreal ratio)
{
    QImage image((QSize(QFontMetrics(font).horizontalAdvance(text) + 80, QFontMetrics(font).height() + 40) * ratio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(QPointF(0, 0), image.deviceIndependentSize()), Qt::AlignCenter | Qt::TextShowMnemonic,
                     text);
    painter.end();
    return inkBounds(image, image.rect());
}

// Each visible push button of `box`: its word's ink inside the button's content area (within
// its border, clear of the edges) and as tall as the same word drawn freely.
QStringList cutButtonWords(QWidget *box)
{
    QStringList cut;
    for (QPushButton *button : box->findChildren<QPushButton *>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        const QImage picture = button->grab().toImage();
        const qreal ratio = picture.devicePixelRatio();
        const int edge = qCeil(3 * ratio);
        const QRect content = picture.rect().adjusted(edge, edge, -edge, -edge);
        const QRect ink = inkBounds(picture, picture.rect());
        const QRect free = freeInk(button->text(), button->font(), ratio);
        const bool whole = !ink.isEmpty() && content.contains(ink) && ink.height() >= free.height() - qCeil(ratio)
            && ink.width() >= free.width() - qCeil(ratio);
        if (!whole)
            cut << QStringLiteral("\"%1\" ink %2x%3 at %4,%5 in a %6x%7 button, drawn freely %8x%9")
                       .arg(button->text()).arg(ink.width()).arg(ink.height()).arg(ink.x()).arg(ink.y())
                       .arg(picture.width()).arg(picture.height()).arg(free.width()).arg(free.height());
    }
    return cut;
}

// Calls `inspect` with the modal box that `open` shows (and blocks in), then closes it.
void whileModal(const std::function<void()> &open, const std::function<void(QWidget *)> &inspect)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(30);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || !box->isVisible() || seen)
            return;
        seen = true;
        poll.stop();
        if (!QTest::qWaitForWindowExposed(box))
            qWarning() << "the box was not exposed";
        QTest::qWait(100);
        inspect(box);
        if (auto *dialog = qobject_cast<QDialog *>(box))
            dialog->reject();
    });
    poll.start();
    open();
    QVERIFY(seen);
}

// The part of `w` that its ancestors inside its window leave visible, in window coordinates.
QRect shownPart(const QWidget *w)
{
    const QWidget *window = w->window();
    QRect shown(w->mapTo(window, QPoint(0, 0)), w->size());
    for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget())
        shown &= QRect(p->mapTo(window, QPoint(0, 0)), p->size());
    return shown & window->rect();
}

// Where a window stands with its window manager's frame, as the X server has it: Qt's
// frameGeometry() can keep frame margins it read before the window was framed (none, or
// those of a frame the manager was still making).
QRect shownOnServer(const QWidget *window)
{
    return frameOnServer(window).value_or(QRect(windowPositionOnServer(window).value_or(window->pos()), window->size()));
}

bool insideScrolledPage(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (p->objectName() == QLatin1String("qt_scrollarea_viewport"))
            return true;
    return false;
}

} // namespace

class DialogFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buttonWordsWhole_data();
    void buttonWordsWhole();
    void longNameWraps();
    void dialogsKeepOnDisplay();
    void wheelScrollsPage();
    void rightToLeftMirrored();

private:
    void useLanguage(const QString &language);

    QTemporaryDir m_home;
};

void DialogFit::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_home.isValid());
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(createProgramStyle());
    QCoreApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    QCoreApplication::setApplicationName(QStringLiteral("VistrelleDialogFit"));
    QSettings().clear();
    QSettings().setValue(QStringLiteral("save/directory"), m_home.path());
    QFile styleSheet(QStringLiteral(":/styles/styles/dark.qss"));
    QVERIFY(styleSheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
    useLanguage(QStringLiteral("en"));
}

void DialogFit::useLanguage(const QString &language)
{
    for (QTranslator *old : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    QVERIFY(InterfaceTranslations::install(language));
}

void DialogFit::buttonWordsWhole_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

// The Yes/No questions (deleting a recording, switching the language, quitting with a
// schedule, leaving a camera recording), the camera-permission box, the 120 FPS check, the
// box that opens a folder. Right to left (Arabic), no button word
// carries a keyboard mnemonic: its underlined letter would be shaped apart from the rest of
// the word. The stop question's Discard, which throws the recording away without another
// question, does not read as Qt's "Ignore".
void DialogFit::buttonWordsWhole()
{
    QFETCH(QString, language);
    useLanguage(language);
    QCOMPARE(QGuiApplication::isRightToLeft(), language == QLatin1String("ar"));
    QStringList cut;
    int shown = 0;
    const auto check = [&cut, &shown, &language](const QString &name) {
        return [&cut, &shown, &language, name](QWidget *box) {
            for (const QString &word : cutButtonWords(box))
                cut << name + QStringLiteral(": ") + word;
            for (QAbstractButton *button : box->findChildren<QAbstractButton *>())
                if (QGuiApplication::isRightToLeft() && QString(button->text()).remove(QStringLiteral("&&")).contains(QLatin1Char('&')))
                    cut << name + QStringLiteral(": \"%1\" has a mnemonic").arg(button->text());
            box->grab().save(QStringLiteral(VISTRELLE_BINARY_DIR "/tests/window_texts/box-%1-%2.png").arg(language).arg(++shown));
        };
    };
    const auto tr = [](const char *context, const char *text) { return QCoreApplication::translate(context, text); };

    whileModal([&] {
        QMessageBox::question(nullptr, tr("VideoListDialog", "删除视频"), tr("VideoListDialog", "确定永久删除“%1”吗？").arg("a.mp4"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    }, check(QStringLiteral("question")));
    whileModal([&] {
        QMessageBox box(QMessageBox::Warning, tr("MainWindow", "Camera Permission"), tr("MainWindow", "Open Settings"),
                        QMessageBox::NoButton);
        box.addButton(tr("MainWindow", "Open Settings"), QMessageBox::ActionRole);
        box.addButton(tr("MainWindow", "Close"), QMessageBox::RejectRole);
        box.exec();
    }, check(QStringLiteral("camera permission")));
    whileModal([&] {
        // The check's own question, on a 60 Hz display without a hardware encoder.
        RecordingSettingsDialog::setFrameRateProbes(
            {[] { return 60.0; }, [] { return QString(); }, [](const QString &) { return false; }});
        RecordingSettingsDialog fpsCheck(120, 1, QStringLiteral("auto"), QStringLiteral("mp4"), QStringLiteral("cfr"), 2);
        fpsCheck.validateFrameRateBeforeAccept();
        RecordingSettingsDialog::setFrameRateProbes({});
    }, check(QStringLiteral("120 FPS")));
    whileModal([&] {
        showOpenFolderMessage(nullptr, tr("ScreenshotNotice", "截图完成"), m_home.path(), m_home.path());
    }, check(QStringLiteral("open folder")));
    const QString discard = tr("StopRecordingDialog", "Discard");
    if (discard == tr("QPlatformTheme", "Ignore"))
        cut << QStringLiteral("stop question: \"%1\" (Discard) reads as Ignore").arg(discard);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

// A screenshot's name without a break a quarter wider than a message box can be (1000 px,
// or the display's width): the box stays inside the display and shows every line of the name
// within itself.
void DialogFit::longNameWraps()
{
    useLanguage(QStringLiteral("zh_CN"));
    const int widest = std::min(1000, QGuiApplication::primaryScreen()->availableGeometry().width());
    const int letters = widest * 5 / 4 / QFontMetrics(QApplication::font()).horizontalAdvance(QLatin1Char('n'));
    const QString name = m_home.filePath(QString(letters, QLatin1Char('n')) + QStringLiteral(".png"));
    const QString text = QCoreApplication::translate("ScreenshotNotice", "截图已保存到：\n%1").arg(name);
    whileModal([&] {
        showOpenFolderMessage(nullptr, QCoreApplication::translate("ScreenshotNotice", "截图完成"), text, name);
    }, [&](QWidget *box) {
        auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(label->text().remove(QChar(0x200B)), text);
        const QRect available = box->screen()->availableGeometry();
        // With its frame as the X server has it (see shownOnServer).
        QTRY_VERIFY_WITH_TIMEOUT(frameOnServer(box).has_value(), 20000);
        QTRY_VERIFY2(available.contains(shownOnServer(box)),
                     qPrintable(QStringLiteral("box %1 px wide on a display of %2").arg(shownOnServer(box).width()).arg(available.width())));
        const QRect shown = shownPart(label);
        // What the text needs wrapped within the label's width (an unbreakable stretch
        // makes it wider).
        const QRect needs = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000),
                                                              Qt::TextWordWrap, label->text());
        QVERIFY2(shown.size() == label->size() && needs.width() <= label->width() && needs.height() <= label->height(),
                 qPrintable(QStringLiteral("label %1x%2, %3x%4 of it in the box, its text needs %5x%6")
                                .arg(label->width()).arg(label->height()).arg(shown.width()).arg(shown.height())
                                .arg(needs.width()).arg(needs.height())));
        box->grab().save(QStringLiteral(VISTRELLE_BINARY_DIR "/tests/window_texts/long-name.png"));
    });
}

// Settings, Auto Split, Schedule, Export, Auto Stop, Audio Settings (with its window manager's
// frame), the microphone permission and Webcam Settings inside the display's available area, each
// of their buttons in view (the dialog's own buttons outside its scrolling page); what does not fit
// scrolls. The Auto Stop countdown panel keeps its own size as it is shown.
void DialogFit::dialogsKeepOnDisplay()
{
    useLanguage(QStringLiteral("en"));
    QWidget owner;
    owner.resize(200, 100);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    MicrophonePermissionDialog::setServices({[](MicrophonePermissionDialog::Permission) {
        return QStringLiteral("x-settings:privacy");
    }, nullptr});
    const auto tr = [](const char *context, const char *text) { return QCoreApplication::translate(context, text); };
    // Each dialog with the words of the buttons that must stay in view.
    const QList<QPair<std::function<QDialog *()>, QStringList>> makers = {
        {[&] { return new SettingsDialog(&owner); }, {}},
        {[&] { return new AutoSplitDialog(&owner); }, {}},
        {[&] { return new ScheduledRecordingDialog(&owner); }, {}},
        {[&] { return new ExportDialog(m_home.filePath(QStringLiteral("a.mp4")), &owner); }, {}},
        {[&] { return new AutoStopDialog(&owner); }, {tr("AutoStopDialog", "取消"), tr("AutoStopDialog", "确定")}},
        {[&] { return new AudioSettingsDialog(100, 100, false, false, 0, &owner); },
         {tr("AudioSettingsDialog", "取消"), tr("AudioSettingsDialog", "完成")}},
        {[&] { return new MicrophonePermissionDialog(&owner, MicrophonePermissionDialog::ScreenRecording); },
         {tr("QDialog", "Not now"), tr("QDialog", "Open Settings ↗")}},
        {[&] { return new CameraSettingsDialog(true, &owner); },
         {tr("CameraSettingsDialog", "取消"), tr("CameraSettingsDialog", "完成")}},
    };
    for (const auto &[make, kept] : makers) {
        std::unique_ptr<QDialog> dialog(make());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const QRect available = dialog->screen()->availableGeometry();
        // With the frame, once the window manager has put one round the window.
        if (!dialog->windowFlags().testFlag(Qt::FramelessWindowHint))
            QTRY_VERIFY2_WITH_TIMEOUT(frameOnServer(dialog.get()).has_value(),
                                      qPrintable(dialog->windowTitle() + QStringLiteral(": no frame round it")), 20000);
        const auto shown = [&] { return shownOnServer(dialog.get()); };
        QTRY_VERIFY2(available.contains(shown()),
                     qPrintable(QStringLiteral("%1: %2x%3 at %4,%5 on %6x%7 at %8,%9")
                                    .arg(dialog->windowTitle()).arg(shown().width())
                                    .arg(shown().height()).arg(shown().x())
                                    .arg(shown().y()).arg(available.width())
                                    .arg(available.height()).arg(available.x()).arg(available.y())));
        for (const QString &word : kept) {
            QPushButton *button = nullptr;
            for (QPushButton *candidate : dialog->findChildren<QPushButton *>())
                if (candidate->isVisible() && candidate->text() == word)
                    button = candidate;
            QVERIFY2(button && !insideScrolledPage(button),
                     qPrintable(QStringLiteral("%1: \"%2\" %3").arg(dialog->windowTitle(), word,
                                                                   button ? "scrolls with the page" : "not shown")));
        }
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (!button->isVisible() || button->text().isEmpty() || insideScrolledPage(button))
                continue;
            QVERIFY2(shownPart(button).size() == button->size(),
                     qPrintable(QStringLiteral("%1: \"%2\" %3x%4 of %5x%6 shown").arg(dialog->windowTitle(), button->text())
                                    .arg(shownPart(button).width()).arg(shownPart(button).height())
                                    .arg(button->width()).arg(button->height())));
        }
        const QString run = qEnvironmentVariable("VISTRELLE_TEST_SCREEN", QStringLiteral("1920x1080"));
        dialog->grab().save(QStringLiteral(VISTRELLE_BINARY_DIR "/tests/window_texts/fit-%1-%2.png")
                                .arg(run, dialog->metaObject()->className()));
    }
    MicrophonePermissionDialog::setServices({});

    AutoStopDialog countdown;
    countdown.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    countdown.setCountdownMode(60000);
    const QSize panel = countdown.size();
    countdown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&countdown));
    QCOMPARE(countdown.size(), panel);
    const QRect available = countdown.screen()->availableGeometry();
    QTRY_VERIFY2(available.contains(shownOnServer(&countdown)),
                 qPrintable(QStringLiteral("countdown %1x%2 at %3,%4").arg(shownOnServer(&countdown).width())
                                .arg(shownOnServer(&countdown).height()).arg(shownOnServer(&countdown).x())
                                .arg(shownOnServer(&countdown).y())));
}

// The Webcam Settings dialog: the wheel over its position drop-down, without the focus,
// scrolls the page and leaves the position as it was.
void DialogFit::wheelScrollsPage()
{
    useLanguage(QStringLiteral("en"));
    CameraSettingsDialog dialog(true, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *area = dialog.findChild<QScrollArea *>(QStringLiteral("ScrollingBody"));
    QVERIFY(area);
    // The position drop-down: the one holding "Top right".
    QComboBox *position = nullptr;
    for (QComboBox *combo : dialog.findChildren<QComboBox *>())
        if (combo->findText(QCoreApplication::translate("CameraSettingsDialog", "右上")) >= 0)
            position = combo;
    QVERIFY(position);
    area->ensureWidgetVisible(position, 10, 60);
    QTest::qWait(100);
    dialog.activateWindow();
    dialog.setFocus();
    QVERIFY(!position->hasFocus());
    const int index = position->currentIndex();
    const int scrolled = area->verticalScrollBar()->value();
    if (area->verticalScrollBar()->maximum() <= 0)
        QSKIP("the dialog does not scroll on a display this high");
    const QPoint middle = position->mapToGlobal(position->rect().center()) * position->devicePixelRatioF();
    QVERIFY(pointerTo(middle));
    const QString down = scrolled < area->verticalScrollBar()->maximum() ? QStringLiteral("5") : QStringLiteral("4");
    QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), down}));
    QTRY_VERIFY2(area->verticalScrollBar()->value() != scrolled, "the page did not scroll");
    QTest::qWait(200);
    QCOMPARE(position->currentIndex(), index);
}

// Right to left (Arabic): the close question's choices draw their circle before their words,
// on the right; the title bar's language menu, which falls into columns where the display is too
// low for it, reads from the right (or scrolls instead), and stays on the display.
void DialogFit::rightToLeftMirrored()
{
    useLanguage(QStringLiteral("ar"));
    QVERIFY(QGuiApplication::isRightToLeft());
    {
        vc::CloseBehaviorDialog question(false, nullptr);
        question.show();
        QVERIFY(QTest::qWaitForWindowExposed(&question));
        const qreal ratio = question.devicePixelRatioF();
        for (QRadioButton *choice : question.findChildren<QRadioButton *>()) {
            choice->setChecked(true);
            const QImage shown = question.grab().toImage();
            const QRect area(QPointF(QPointF(choice->mapTo(&question, QPoint(0, 0))) * ratio).toPoint(), choice->size() * ratio);
            // The checked circle's fill.
            QRect circle;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (const QRgb p = shown.pixel(x, y);
                        qAbs(qRed(p) - 0x34) + qAbs(qGreen(p) - 0x7d) + qAbs(qBlue(p) - 0xf5) < 24)
                        circle |= QRect(x, y, 1, 1);
            QVERIFY2(!circle.isEmpty() && circle.left() > area.center().x(),
                     qPrintable(QStringLiteral("\"%1\": its circle at %2..%3 in %4..%5")
                                    .arg(choice->text()).arg(circle.left()).arg(circle.right())
                                    .arg(area.left()).arg(area.right())));
        }
        question.grab().save(QStringLiteral(VISTRELLE_BINARY_DIR "/tests/window_texts/rtl-close-question.png"));
    }

    TitleBar bar;
    QMenu *languages = nullptr;
    for (QAction *action : bar.menu()->actions())
        if (action->menu() && action->text() == QCoreApplication::translate("TitleBar", "语言"))
            languages = action->menu();
    QVERIFY(languages);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    languages->popup(available.topRight());
    QVERIFY(QTest::qWaitForWindowExposed(languages));
    QTest::qWait(200);
    const QList<QAction *> actions = languages->actions();
    QStringList wrong;
    for (qsizetype i = 1; i < actions.size(); ++i)
        if (languages->actionGeometry(actions[i]).center().x() > languages->actionGeometry(actions[i - 1]).center().x())
            wrong << QStringLiteral("\"%1\" right of \"%2\"").arg(actions[i]->text(), actions[i - 1]->text());
    const QRect menu = languages->geometry();
    languages->grab().save(QStringLiteral(VISTRELLE_BINARY_DIR "/tests/window_texts/rtl-language-menu.png"));
    languages->hide();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
    QVERIFY2(available.contains(menu), qPrintable(QStringLiteral("menu %1x%2 at %3,%4").arg(menu.width())
                                                      .arg(menu.height()).arg(menu.x()).arg(menu.y())));
    useLanguage(QStringLiteral("en"));
}

QTEST_MAIN(DialogFit)
#include "tst_dialog_fit.moc"
