#pragma once

#include <QRect>
#include <QString>
#include <QtGlobal>

// One on-screen window of another application that can be offered as a capture
// target: its X window id, owning process, trimmed title (never empty in a listed
// entry), owning application's name and bounds in screen pixels.
struct MacWindowInfo
{
    quint64 windowNumber = 0;
    qint32 ownerPid = 0;
    QString title;
    QString ownerName;
    QRect bounds;
};
