#pragma once

#include <QObject>

class QSpinBox;

// A number typed outside a field's range ("2" in a field of 100 to 4096) becomes the nearest
// allowed value where the user sees it, instead of the earlier value coming back unseen when
// the field loses the focus. Return in such a field shows the corrected value rather than
// applying the dialog at once.
class KeptSpinValue : public QObject
{
public:
    // Sets the field's correction and watches its keys; the watcher is owned by the field.
    static void attach(QSpinBox *spin);
    // Puts a typed value outside the range to the nearest allowed one and selects it; false
    // when the text was a value in range already. A dialog's OK calls it first: when it
    // corrected something, the user sees the value before the next OK applies it.
    static bool showKeptValue(QSpinBox *spin);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
