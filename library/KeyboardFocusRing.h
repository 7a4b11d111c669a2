#pragma once

#include <QPointer>
#include <QWidget>

// A ring around the control of a window that has the focus, while the focus came from the
// keyboard (Tab, Shift+Tab, a shortcut): the program's style draws no focus frame on buttons,
// and the library's list and cards draw none of their own. A click takes it away (the pointer
// is where the user looks then); it comes back with the window's focus, around the same
// control. It follows the control as the window's layout moves it.
class KeyboardFocusRing : public QWidget
{
public:
    explicit KeyboardFocusRing(QWidget *window);

    // The control the ring is around, null while none is.
    QWidget *target() const { return isVisible() ? m_target.data() : nullptr; }

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    QPointer<QWidget> m_target; // kept while the window is not focused, for its return
};
