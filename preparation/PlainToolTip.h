#pragma once

#include <QString>

// A tool tip that shows `text` as it is. Qt reads a tool tip that looks like markup as
// rich text, so a window title such as "<img src=...>" from another program would load
// a picture; the text is escaped and marked as rich text so that it shows literally.
inline QString plainToolTip(const QString &text)
{
    if (text.isEmpty())
        return text;
    return QStringLiteral("<qt>") + text.toHtmlEscaped() + QStringLiteral("</qt>");
}
