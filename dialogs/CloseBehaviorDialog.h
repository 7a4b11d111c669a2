#pragma once

#include <QDialog>
#include <QPoint>

class QCheckBox;
class QRadioButton;

namespace vc {

// What closing the main window does: 0 minimise to the tray, 1 quit. The setting
// general/closeBehavior uses the same numbers plus 2, ask every time.
enum CloseBehavior { MinimizeToTray = 0, Quit = 1 };

// Asks what closing the main window should do, with a box to remember the answer.
// exec() returns 1 after OK (read choice() and rememberChoice()), 0 after the close
// button or Esc. The window has no frame of its own and is moved by its top band.
class CloseBehaviorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CloseBehaviorDialog(bool scheduleArmed, QWidget *parent = nullptr);

    CloseBehavior choice() const { return m_choice; }
    bool rememberChoice() const;
    void choose(CloseBehavior behavior) { m_choice = behavior; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildUi(bool scheduleArmed);

    CloseBehavior m_choice = MinimizeToTray;
    QCheckBox *m_remember = nullptr;
    QRadioButton *m_trayChoice = nullptr;
    QRadioButton *m_quitChoice = nullptr;
    QPoint m_dragOffset;
};

} // namespace vc
