// The window picker over windows of another process: which windows become cards,
// their pictures, and the ways of accepting (double click, card and REC), with real
// pointer events.
#include <QtTest>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "../support/TestWindowProcess.h"
#include "../support/XdotoolDriver.h"
#include "platform/mac/X11Connection.h"
#include "overlays/SetupRecordingToolbar.h"
#include "preparation/CaptureTargetDialog.h"

namespace {

const QRect TargetFrame(100, 80, 640, 360);

QListWidget *gridOf(CaptureTargetDialog &dialog)
{
    return dialog.findChild<QListWidget *>();
}

QPushButton *recButtonOf(CaptureTargetDialog &dialog)
{
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->accessibleName() == QLatin1String("REC"))
            return button;
    }
    return nullptr;
}

QPoint cardCentre(CaptureTargetDialog &dialog, int row)
{
    QListWidget *grid = gridOf(dialog);
    const QRect card = grid->visualItemRect(grid->item(row));
    return grid->viewport()->mapToGlobal(card.center());
}

bool showDialog(CaptureTargetDialog &dialog)
{
    dialog.show();
    return QTest::qWaitForWindowExposed(&dialog);
}

} // namespace

class TestWindowPickerE2E : public QObject
{
    Q_OBJECT

private:
    TestWindowProcess m_target;
    TestWindowProcess m_small;
    TestWindowProcess m_untitled;

private slots:
    void initTestCase()
    {
        QVERIFY(m_target.open(QStringLiteral("VT Target One"), QStringLiteral("#ff0000"), TargetFrame));
        QVERIFY(m_small.open(QStringLiteral("VT Small"), QStringLiteral("#00ff00"), QRect(900, 80, 199, 500)));
        QVERIFY(m_untitled.open(QString(), QStringLiteral("#0000ff"), QRect(1200, 300, 500, 400)));
        // Qt names an untitled window after the program: take its names away.
        X11Connection x11;
        for (const char *name : {"WM_NAME", "_NET_WM_NAME"})
            xcb_delete_property(x11.get(), xcb_window_t(m_untitled.id()), x11.atom(name));
        x11.flush();
        QVERIFY(x11.windowTitle(xcb_window_t(m_untitled.id())).isEmpty());
    }

    void onlyRecordableWindowsBecomeCards()
    {
        CaptureTargetDialog dialog(false, nullptr);
        QVERIFY(showDialog(dialog));
        QListWidget *grid = gridOf(dialog);
        QCOMPARE(grid->count(), 1);
        QCOMPARE(grid->item(0)->text(), QStringLiteral("VT Target One"));
        X11Connection x11;
        const QStringList windowClass = x11.windowClass(xcb_window_t(m_target.id()));
        QCOMPARE(windowClass.size(), 2);
        QCOMPARE(grid->item(0)->data(CaptureTargetDialog::SubtitleRole).toString(), windowClass.at(1));
        QCOMPARE(grid->item(0)->data(CaptureTargetDialog::WindowNumberRole).toULongLong(), m_target.id());

        // The picture arrives within five seconds and shows the red window.
        QTRY_VERIFY_WITH_TIMEOUT(
            !grid->item(0)->data(CaptureTargetDialog::PreviewRole).value<QPixmap>().isNull(), 5000);
        const QImage picture =
            grid->item(0)->data(CaptureTargetDialog::PreviewRole).value<QPixmap>().toImage();
        QCOMPARE(picture.width(), 640);
        QCOMPARE(QColor(picture.pixel(picture.rect().center())), QColor(Qt::red));
        QCOMPARE(grid->item(0)->data(CaptureTargetDialog::StatusRole).toString(), QString());
        QTest::qWait(100);
        screenshot(QStringLiteral("window-picker"));

        // Nothing chosen yet: REC is off and accepting does nothing.
        QVERIFY(!recButtonOf(dialog)->isEnabled());
        dialog.accept();
        QVERIFY(dialog.isVisible());

        // The toolbar's mode item asks for a window, then names the chosen one.
        const auto modeText = [&dialog] {
            for (QToolButton *item : dialog.toolbar()->findChildren<QToolButton *>())
                if (item->text().startsWith(SetupRecordingToolbar::tr("Window  ▾").remove(QStringLiteral("  ▾"))))
                    return item->text();
            return QString();
        };
        QVERIFY2(modeText().endsWith(QLatin1Char('\n') + CaptureTargetDialog::tr("Select a window")), qPrintable(modeText()));
        grid->setCurrentRow(0);
        QVERIFY2(modeText().endsWith(QStringLiteral("\nVT Target One")), qPrintable(modeText()));
        const CapturableWindow target = dialog.selectedTarget();
        QCOMPARE(target.window.windowId(), quint32(m_target.id()));
        QCOMPARE(target.title, QStringLiteral("VT Target One"));
        QCOMPARE(target.frame, TargetFrame);
        QCOMPARE(target.screenIndex, 0);
    }

    void doubleClickAcceptsWithoutRecording()
    {
        CaptureTargetDialog dialog(false, nullptr);
        QVERIFY(showDialog(dialog));
        QVERIFY(pointerTo(cardCentre(dialog, 0)));
        QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                         QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")}));
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.recordPressed());
    }

    void cardAndRecAcceptAndRecord()
    {
        CaptureTargetDialog dialog(true, nullptr);
        QVERIFY(showDialog(dialog));
        QPushButton *rec = recButtonOf(dialog);
        QVERIFY(click(cardCentre(dialog, 0)));
        QTRY_VERIFY(rec->isEnabled());
        QVERIFY(click(rec->mapToGlobal(rec->rect().center())));
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.recordPressed());
    }

    // REC on a window that closed meanwhile leaves the dialog open, and the flag
    // does not stay set for a later double click.
    void recOnAVanishedWindowRecordsNothing()
    {
        TestWindowProcess doomed;
        QVERIFY(doomed.open(QStringLiteral("VT Doomed"), QStringLiteral("#ffff00"), QRect(200, 500, 400, 300)));
        CaptureTargetDialog dialog(false, nullptr);
        QVERIFY(showDialog(dialog));
        QListWidget *grid = gridOf(dialog);
        QCOMPARE(grid->count(), 2);
        const int row = grid->item(0)->text() == QLatin1String("VT Doomed") ? 0 : 1;
        QVERIFY(click(cardCentre(dialog, row)));
        QTRY_COMPARE(grid->currentRow(), row);
        doomed.kill();
        QTest::qWait(300);
        QPushButton *rec = recButtonOf(dialog);
        QVERIFY(click(rec->mapToGlobal(rec->rect().center())));
        QTest::qWait(300);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.recordPressed());

        // A double click on the remaining window accepts it, still without recording.
        QVERIFY(pointerTo(cardCentre(dialog, 1 - row)));
        QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                         QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")}));
        QTRY_VERIFY(!dialog.isVisible());
        QVERIFY(!dialog.recordPressed());
        QCOMPARE(dialog.selectedTarget().title, QStringLiteral("VT Target One"));
    }

    // Without a window manager there is no close button: Exit and Esc reject.
    void exitAndEscapeReject()
    {
        CaptureTargetDialog viaExit(false, nullptr);
        QVERIFY(showDialog(viaExit));
        QToolButton *exit = nullptr;
        for (QToolButton *item : viaExit.findChildren<QToolButton *>()) {
            if (item->property("title").toString() == QLatin1String("Exit"))
                exit = item;
        }
        QVERIFY(exit);
        QVERIFY(click(exit->mapToGlobal(exit->rect().center())));
        QTRY_VERIFY(!viaExit.isVisible());
        QCOMPARE(viaExit.result(), int(QDialog::Rejected));

        CaptureTargetDialog viaEscape(false, nullptr);
        QVERIFY(showDialog(viaEscape));
        QVERIFY(click(viaEscape.mapToGlobal(QPoint(viaEscape.width() / 2, 20))));
        QVERIFY(key(QStringLiteral("Escape")));
        QTRY_VERIFY(!viaEscape.isVisible());
        QCOMPARE(viaEscape.result(), int(QDialog::Rejected));
    }

    // A window opened after the picker shows up after a click on refresh.
    void refreshFindsWindowsOpenedLater()
    {
        m_target.close();
        CaptureTargetDialog dialog(false, nullptr);
        QVERIFY(showDialog(dialog));
        QListWidget *grid = gridOf(dialog);
        QCOMPARE(grid->count(), 0);
        QLabel *status = nullptr;
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            if (label->text().contains(QStringLiteral("刷新")))
                status = label;
        }
        QVERIFY(status);
        screenshot(QStringLiteral("window-picker-empty"));

        TestWindowProcess late;
        QVERIFY(late.open(QStringLiteral("VT Late"), QStringLiteral("#ff00ff"), QRect(300, 300, 500, 300)));
        auto *refresh = dialog.findChild<QPushButton *>(QStringLiteral("TargetRefreshButton"));
        QVERIFY(refresh);
        QVERIFY(click(refresh->mapToGlobal(refresh->rect().center())));
        QTRY_COMPARE(grid->count(), 1);
        QCOMPARE(grid->item(0)->text(), QStringLiteral("VT Late"));
        QVERIFY(!status->text().contains(QStringLiteral("刷新")));
        QTRY_VERIFY_WITH_TIMEOUT(
            !grid->item(0)->data(CaptureTargetDialog::PreviewRole).value<QPixmap>().isNull(), 5000);
    }
};

QTEST_MAIN(TestWindowPickerE2E)
#include "tst_window_picker_e2e.moc"
