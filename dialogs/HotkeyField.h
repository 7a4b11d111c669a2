#pragma once

#include <QKeySequence>
#include <QObject>

class QKeySequenceEdit;

// Keeps a hot-key editor from losing its combination by accident: the editor empties
// itself as a key goes down (a modifier pressed alone, a combination whose key never
// arrives), and an editing that ends so gives the last combination back. Emptied any
// other way (its clear button, by the program), it stays empty.
class HotkeyField : public QObject
{
    Q_OBJECT

public:
    explicit HotkeyField(QKeySequenceEdit *editor);

    // Puts the last combination back when the editor was emptied by a key press.
    void restoreIfLost();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QKeySequenceEdit *m_editor;
    QKeySequence m_kept;  // the combination the field stands for
    QKeySequence m_shown; // what the editor last reported
    bool m_keyDown = false;
};
