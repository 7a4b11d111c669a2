#pragma once
// Real X pointer and key events for the preparation end-to-end tests. xdotool runs
// as a child while the test keeps its event loop turning, so that our windows
// answer the events as they arrive.
#include <QtTest>
#include <QProcess>
#include <QStringList>
#include <QApplication>
#include <QWidget>

namespace {

inline bool xdotool(const QStringList &arguments, int timeoutMs = 10000)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForStarted(3000))
        return false;
    const bool done = QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; },
                                      timeoutMs);
    QTest::qWait(60); // let the last events reach Qt
    return done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

inline bool pointerTo(const QPoint &p)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
}

inline bool click(const QPoint &p)
{
    return pointerTo(p) && xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

// Press at `from`, move there in a few steps and release at `to`.
inline bool drag(const QPoint &from, const QPoint &to, int steps = 4)
{
    if (!pointerTo(from) || !xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}))
        return false;
    for (int i = 1; i <= steps; ++i) {
        const QPoint p = from + (to - from) * i / steps;
        if (!pointerTo(p))
            return false;
    }
    return xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
}

inline bool key(const QString &name)
{
    return xdotool({QStringLiteral("key"), name});
}

} // namespace

namespace {

// Saves the whole test desktop as NAME.png into $VISTRELLE_SHOTS when that is set,
// for looking at the windows by eye.
inline void screenshot(const QString &name)
{
    const QByteArray folder = qgetenv("VISTRELLE_SHOTS");
    if (folder.isEmpty())
        return;
    QProcess import;
    import.start(QStringLiteral("import"),
                 {QStringLiteral("-window"), QStringLiteral("root"),
                  QString::fromLocal8Bit(folder) + QLatin1Char('/') + name + QStringLiteral(".png")});
    if (!QTest::qWaitFor([&] { return import.state() == QProcess::NotRunning; }, 10000))
        import.kill();
}

template<typename T>
T *visibleTopLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(widget); found && found->isVisible())
            return found;
    }
    return nullptr;
}

} // namespace
