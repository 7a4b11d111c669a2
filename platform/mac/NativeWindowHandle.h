#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>

// A window of another application that can be captured: the X window id and its
// title at the time it was listed. Plays the role of Qt's QCapturableWindow, which
// this Qt version does not have. A default-constructed handle is invalid.
class NativeWindowHandle
{
public:
    NativeWindowHandle() = default;
    NativeWindowHandle(quint32 windowId, const QString &title);

    quint32 windowId() const { return m_windowId; }
    QString description() const { return m_title; }
    bool isValid() const { return m_windowId != 0; }

    bool operator==(const NativeWindowHandle &other) const;
    bool operator!=(const NativeWindowHandle &other) const { return !(*this == other); }

private:
    quint32 m_windowId = 0;
    QString m_title;
};

Q_DECLARE_METATYPE(NativeWindowHandle)
