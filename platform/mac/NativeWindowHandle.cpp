#include "platform/mac/NativeWindowHandle.h"

NativeWindowHandle::NativeWindowHandle(quint32 windowId, const QString &title)
    : m_windowId(windowId)
    , m_title(title)
{
}

bool NativeWindowHandle::operator==(const NativeWindowHandle &other) const
{
    return m_windowId == other.m_windowId;
}
