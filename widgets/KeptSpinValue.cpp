#include "widgets/KeptSpinValue.h"

#include <QKeyEvent>
#include <QSpinBox>

void KeptSpinValue::attach(QSpinBox *spin)
{
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    spin->installEventFilter(new KeptSpinValue(spin));
}

bool KeptSpinValue::showKeptValue(QSpinBox *spin)
{
    if (spin->hasAcceptableInput())
        return false;
    spin->interpretText();
    spin->selectAll();
    return true;
}

bool KeptSpinValue::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && showKeptValue(static_cast<QSpinBox *>(watched)))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
