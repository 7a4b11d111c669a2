#include "library/SeekSlider.h"

#include "widgets/LeftToRight.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

SeekSlider::SeekSlider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    // Played time fills from the left in every language, as on the trim timeline below it.
    keepLeftToRight(this);
}

int SeekSlider::valueAt(int x) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    // The handle's centre travels from half a handle into the groove to half a handle before
    // its end; right to left, from the right.
    return QStyle::sliderValueFromPosition(minimum(), maximum(), x - groove.x() - handle.width() / 2,
                                           groove.width() - handle.width(), option.upsideDown);
}

void SeekSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QPoint at = event->position().toPoint();
        if (style()->hitTestComplexControl(QStyle::CC_Slider, &option, at, this) != QStyle::SC_SliderHandle)
            setSliderPosition(valueAt(at.x()));
    }
    // The handle is under the pointer now: the press takes it as the start of a drag.
    QSlider::mousePressEvent(event);
}
