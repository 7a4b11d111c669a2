#include "widgets/LeftToRight.h"

#include <QDateTimeEdit>
#include <QWidget>

void keepLeftToRight(QWidget *widget)
{
    // A date or time edit turns its format around as it takes it while right to left
    // ("HH:mm" shows "mm:HH"): it takes the format again once left to right.
    auto *dateTime = qobject_cast<QDateTimeEdit *>(widget);
    const QString format = dateTime ? dateTime->displayFormat() : QString();
    widget->setLayoutDirection(Qt::LeftToRight);
    if (dateTime)
        dateTime->setDisplayFormat(format);
}
