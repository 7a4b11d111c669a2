#pragma once
// Watching one kind of event of an object from a test.

#include <QEvent>
#include <QObject>

#include <functional>
#include <utility>

// Calls `seen` whenever `object` is about to handle an event of `type`, while it lives.
class EventCounter : public QObject
{
public:
    EventCounter(QObject *object, QEvent::Type type, std::function<void()> seen)
        : m_type(type)
        , m_seen(std::move(seen))
    {
        object->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type)
            m_seen();
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_seen;
};
