#include "dialogs/HotkeyField.h"

#include <QEvent>
#include <QKeySequenceEdit>

HotkeyField::HotkeyField(QKeySequenceEdit *editor)
    : QObject(editor)
    , m_editor(editor)
{
    // The editor hands its keys to its line edit: watch both.
    editor->installEventFilter(this);
    for (QWidget *child : editor->findChildren<QWidget *>())
        child->installEventFilter(this);
    m_shown = editor->keySequence();
    connect(editor, &QKeySequenceEdit::keySequenceChanged, this, [this](const QKeySequence &sequence) {
        // The editor reports an empty sequence again as its editing ends: only a change
        // from a combination to none, with no key going down, is a clearing.
        if (!sequence.isEmpty())
            m_kept = sequence;
        else if (!m_keyDown && !m_shown.isEmpty())
            m_kept = QKeySequence();
        m_shown = sequence;
    });
    connect(editor, &QKeySequenceEdit::editingFinished, this, &HotkeyField::restoreIfLost);
}

void HotkeyField::restoreIfLost()
{
    if (m_editor->keySequence().isEmpty() && !m_kept.isEmpty())
        m_editor->setKeySequence(m_kept);
}

bool HotkeyField::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        m_keyDown = true;
    else if (event->type() == QEvent::KeyRelease || event->type() == QEvent::FocusOut)
        m_keyDown = false;
    return false;
}
