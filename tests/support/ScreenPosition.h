#pragma once
// Where the X server has a widget, as opposed to where Qt believes it is.
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QWidget>

namespace {

// A widget's centre on the screen, from where the X server has its window. Under the
// window manager Qt has been seen to keep (0, 0) as the position of a dialog that the
// window manager placed elsewhere, so positions from mapToGlobal would miss it.
inline QPoint centreOnScreen(QWidget *widget)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(widget->window()->winId())});
    xwininfo.waitForFinished(5000);
    const QString info = QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
    const auto number = [&info](const char *label) {
        return QRegularExpression(QStringLiteral("%1:\\s+(-?\\d+)").arg(QLatin1String(label))).match(info).captured(1).toInt();
    };
    const QPoint window(number("Absolute upper-left X"), number("Absolute upper-left Y"));
    return window + widget->mapTo(widget->window(), widget->rect().center());
}

} // namespace
