#pragma once
// Whether a calendar (a date edit's pop-up) can be read: every week row in view, none cut
// at the bottom, and the day names of its header, like the days, in a colour that stands
// out from their background (contrast ratio of at least 3, as the model hands both to the
// view that paints them).

#include <QAbstractItemView>
#include <QBrush>
#include <QCalendarWidget>
#include <QColor>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace calendarcheck {

inline double luminance(const QColor &colour)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

inline double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline QStringList check(QCalendarWidget *calendar)
{
    QStringList out;
    auto *view = calendar->findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview"));
    if (!view)
        return {QStringLiteral("no calendar view")};
    const QAbstractItemModel *model = view->model();
    const int viewHeight = view->viewport()->height();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QRect cell = view->visualRect(model->index(row, model->columnCount() - 1));
        if (cell.bottom() >= viewHeight + 1)
            out << QStringLiteral("row %1 of %2 cut: %3..%4 in a view %5 px high")
                       .arg(row + 1).arg(model->rowCount()).arg(cell.top()).arg(cell.bottom()).arg(viewHeight);
    }
    for (int row = 0; row < std::min(model->rowCount(), 2); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const QColor text = index.data(Qt::ForegroundRole).value<QBrush>().color();
            const QColor back = index.data(Qt::BackgroundRole).value<QBrush>().color();
            const double ratio = contrast(text, back);
            if (ratio < 3.0)
                out << QStringLiteral("\"%1\" in %2 on %3: contrast %4")
                           .arg(index.data(Qt::DisplayRole).toString(), text.name(), back.name())
                           .arg(ratio, 0, 'f', 2);
        }
    }
    return out;
}

} // namespace calendarcheck
