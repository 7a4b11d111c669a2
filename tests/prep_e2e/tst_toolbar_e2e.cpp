// The stand-alone preparation toolbar driven by real pointer events: dragging it by
// its handle, device items, their arrows and the mode menu.
#include <QtTest>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <QToolTip>

#include "../support/XdotoolDriver.h"
#include "overlays/SetupRecordingToolbar.h"

namespace {

QPoint centreOf(QWidget *widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

QToolButton *itemTitled(QWidget *toolbar, const QString &title)
{
    for (QToolButton *item : toolbar->findChildren<QToolButton *>()) {
        if (item->property("title").toString() == title)
            return item;
    }
    return nullptr;
}

} // namespace

class TestToolbarE2E : public QObject
{
    Q_OBJECT

private:
    SetupRecordingToolbar *m_toolbar = nullptr;

private slots:
    void initTestCase()
    {
        m_toolbar = new SetupRecordingToolbar(nullptr);
        m_toolbar->setMode(HomeMode::FullScreen, QStringLiteral("Display 1"));
        m_toolbar->setDeviceStates(false, true, false);
        m_toolbar->placeForRect(QRect(0, 0, 1920, 1080));
        m_toolbar->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_toolbar));
        QVERIFY(m_toolbar->excludeFromCapture());
        QTest::qWait(100);
        screenshot(QStringLiteral("toolbar"));
    }

    void cleanupTestCase() { delete m_toolbar; }

    void handleDragMovesByThePointersDelta()
    {
        QWidget *handle = nullptr;
        for (QWidget *w : m_toolbar->findChildren<QWidget *>()) {
            if (w->accessibleName() == QLatin1String("Drag toolbar"))
                handle = w;
        }
        QVERIFY(handle);
        const QPoint start = m_toolbar->pos();
        const QPoint from = centreOf(handle);
        QVERIFY(drag(from, from + QPoint(-123, -77)));
        QTRY_COMPARE(m_toolbar->pos(), start + QPoint(-123, -77));
    }

    void deviceItemsRequestAndWaitForTheAnswer()
    {
        QToolButton *webcam = itemTitled(m_toolbar, QStringLiteral("Webcam"));
        QToolButton *speaker = itemTitled(m_toolbar, QStringLiteral("Speaker"));
        QVERIFY(webcam && speaker);
        QSignalSpy toggled(m_toolbar, &SetupRecordingToolbar::webcamToggled);
        QSignalSpy menu(m_toolbar, &SetupRecordingToolbar::speakerMenuRequested);

        QVERIFY(click(centreOf(webcam) + QPoint(-20, 0)));
        QTRY_COMPARE(toggled.size(), 1);
        QCOMPARE(toggled.first().first().toBool(), true);
        QVERIFY(webcam->text().endsWith(QLatin1String("\nOff"))); // until the owner answers
        m_toolbar->setDeviceStates(true, true, false);
        QVERIFY(webcam->text().endsWith(QLatin1String("\nOn")));

        QWidget *arrow = speaker->findChildren<QToolButton *>().value(0);
        QVERIFY(arrow);
        QVERIFY(click(centreOf(arrow)));
        QTRY_COMPARE(menu.size(), 1);
        QCOMPARE(menu.first().first().value<QWidget *>(), speaker);
        QCOMPARE(toggled.size(), 1); // the arrow is not a toggle
    }

    void modeMenuOffersDisplaysAndModes()
    {
        QToolButton *mode = itemTitled(m_toolbar, QStringLiteral("Full Screen"));
        QVERIFY(mode);
        QSignalSpy display(m_toolbar, &SetupRecordingToolbar::displayRequested);
        QStringList entries;
        // The menu runs its own event loop: pick the entry from a timer inside it.
        QTimer::singleShot(600, this, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions())
                entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
            screenshot(QStringLiteral("toolbar-menu"));
            const QRect first = menu->actionGeometry(menu->actions().first());
            const QPoint at = menu->mapToGlobal(first.center());
            QProcess::startDetached(QStringLiteral("sh"),
                                    {QStringLiteral("-c"),
                                     QStringLiteral("xdotool mousemove %1 %2 sleep 0.2 click 1")
                                         .arg(at.x()).arg(at.y())});
        });
        QVERIFY(click(centreOf(mode)));
        QTRY_COMPARE(display.size(), 1);
        QCOMPARE(display.first().first().toInt(), 0);
        const QStringList expected = {QStringLiteral("Full Screen · Display 1"), QStringLiteral("-"),
                                      QStringLiteral("Full Screen"), QStringLiteral("Custom Area"),
                                      QStringLiteral("Window"), QStringLiteral("Game"),
                                      QStringLiteral("Audio Only"), QStringLiteral("Webcam")};
        QCOMPARE(entries, expected);
        // Each opening's menu is gone once it closes.
        QTRY_VERIFY(!QApplication::activePopupWidget());
        int menus = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            menus += qobject_cast<QMenu *>(w) != nullptr;
        QCOMPARE(menus, 0);
    }

    void noToolTips()
    {
        QToolButton *settings = itemTitled(m_toolbar, QStringLiteral("Settings"));
        QVERIFY(settings);
        QVERIFY(pointerTo(centreOf(settings)));
        QVERIFY(pointerTo(centreOf(settings) + QPoint(1, 1)));
        QTest::qWait(1500);
        QVERIFY(!QToolTip::isVisible());
    }
};

QTEST_MAIN(TestToolbarE2E)
#include "tst_toolbar_e2e.moc"
