#pragma once
// Whether a window and its controls can all be reached: the window inside its screen's
// available area (full-screen overlays cover the whole screen on purpose), no control
// cut off by the widgets around it (scrolled content excepted: it can be scrolled to),
// and no control drawn over another.

#include "../support/TextFit.h"
#include "../support/ServerWindowPosition.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>

namespace windowfit {

using textfit::Problem;

inline bool isControl(const QWidget *w)
{
    if (qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QLineEdit *>(w)
        || qobject_cast<const QTabBar *>(w))
        return true;
    if (qobject_cast<const QAbstractSlider *>(w))
        return !qobject_cast<const QScrollBar *>(w);
    if (auto *label = qobject_cast<const QLabel *>(w))
        return !label->text().trimmed().isEmpty();
    return false;
}

// Where a control draws: a label of one plain line only where its text stands (controls
// float over a picture label on purpose), anything else all over.
inline QRect drawnRect(const QWidget *w, const QWidget *window)
{
    QRect rect(w->mapTo(window, QPoint(0, 0)), w->size());
    auto *label = qobject_cast<const QLabel *>(w);
    if (!label || label->wordWrap() || Qt::mightBeRichText(label->text()))
        return rect;
    const QRect text = label->style()->itemTextRect(label->fontMetrics(), label->contentsRect(), label->alignment(),
                                                    true, label->text());
    return text.translated(rect.topLeft()).intersected(rect);
}

// The part of `w` (in window coordinates) its ancestors leave visible; with
// `throughScrolling`, content inside a scroll area counts as visible (it can be scrolled to).
inline QRect visibleRect(const QWidget *w, const QWidget *window, bool throughScrolling)
{
    QRect visible = throughScrolling ? QRect(w->mapTo(window, QPoint(0, 0)), w->size()) : drawnRect(w, window);
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (throughScrolling && p->objectName() == QLatin1String("qt_scrollarea_viewport"))
            break;
        const QRect area(p == window ? QPoint(0, 0) : p->mapTo(window, QPoint(0, 0)), p->size());
        visible = visible.intersected(area);
        if (p == window)
            break;
    }
    return visible;
}

inline bool isAncestor(const QWidget *ancestor, const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (p == ancestor)
            return true;
    return false;
}

// The window's frame outside its screen's available area.
inline QList<Problem> checkPlacement(QWidget *window)
{
    QList<Problem> out;
    QScreen *screen = window->screen();
    if (!screen)
        return out;
    QRect frame = window->frameGeometry();
    // Qt now and then has no frame size for a frameless dialog just shown.
    if (frame.width() < window->width() || frame.height() < window->height())
        frame = window->geometry();
    // Where the X server has the window: Qt's own idea lags now and then behind the window
    // manager's placing.
    if (const std::optional<QPoint> actual = windowPositionOnServer(window))
        frame.translate(*actual - window->geometry().topLeft());
    if (frame == screen->geometry())
        return out;
    // A point of rounding at fractional scales.
    const QRect available = screen->availableGeometry().adjusted(-1, -1, 1, 1);
    if (!available.contains(frame))
        out.append({textfit::describe(window, window), window->windowTitle(),
                    QStringLiteral("window %1,%2 %3x%4 leaves the available area %5,%6 %7x%8")
                        .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())
                        .arg(available.x() + 1).arg(available.y() + 1)
                        .arg(available.width() - 2).arg(available.height() - 2)});
    return out;
}

// Controls cut off by their parents, contents pressed below their least size and controls
// over one another.
inline QList<Problem> checkControls(QWidget *window)
{
    QList<Problem> out;
    QList<QWidget *> controls;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->isVisible() && w->window() == window && w->width() > 0 && w->height() > 0 && isControl(w))
            controls << w;
    }
    for (QWidget *w : std::as_const(controls)) {
        const QRect reachable = visibleRect(w, window, true);
        const int cutWidth = w->width() - std::max(0, reachable.width());
        const int cutHeight = w->height() - std::max(0, reachable.height());
        // Labels already answer for their texts; buttons without room are unreachable.
        if (!qobject_cast<QLabel *>(w) && (cutWidth > textfit::Tolerance + 1 || cutHeight > textfit::Tolerance + 1))
            out.append({textfit::describe(w, window), textfit::shownText(w->property("text").toString()),
                        QStringLiteral("cut off: %1 of %2 px wide, %3 of %4 px high shown")
                            .arg(std::max(0, reachable.width())).arg(w->width())
                            .arg(std::max(0, reachable.height())).arg(w->height())});
    }
    // Contents pressed below their least size (a window held smaller than its layout
    // needs): their controls and what they paint run into one another.
    QList<QWidget *> boxes = window->findChildren<QWidget *>();
    boxes.prepend(window);
    for (QWidget *w : std::as_const(boxes)) {
        QLayout *layout = w->layout();
        if (!layout || !w->isVisible() || w->window() != window || w->width() <= 0)
            continue;
        // A stack needs the room of its largest page, shown or not: its shown page answers
        // for itself.
        const auto stacks = w->findChildren<QStackedWidget *>();
        if (qobject_cast<QStackedWidget *>(w)
            || std::any_of(stacks.cbegin(), stacks.cend(), [](const QStackedWidget *s) { return s->isVisible(); }))
            continue;
        const QSize least = layout->totalMinimumSize();
        const bool tooNarrow = least.width() > w->width() + 2;
        const bool tooLow = !layout->hasHeightForWidth() && least.height() > w->height() + 2;
        if (tooNarrow || tooLow)
            out.append({textfit::describe(w, window), QString(),
                        QStringLiteral("squeezed: needs %1x%2 px, has %3x%4")
                            .arg(least.width()).arg(least.height()).arg(w->width()).arg(w->height())});
    }
    for (int i = 0; i < controls.size(); ++i) {
        const QRect a = visibleRect(controls.at(i), window, false);
        for (int j = i + 1; j < controls.size(); ++j) {
            if (isAncestor(controls.at(i), controls.at(j)) || isAncestor(controls.at(j), controls.at(i)))
                continue;
            const QRect both = a.intersected(visibleRect(controls.at(j), window, false));
            if (both.width() > 2 && both.height() > 2)
                out.append({textfit::describe(controls.at(i), window),
                            textfit::shownText(controls.at(i)->property("text").toString()),
                            QStringLiteral("overlaps %1 \"%2\" by %3x%4 px")
                                .arg(textfit::describe(controls.at(j), window),
                                     textfit::shownText(controls.at(j)->property("text").toString()))
                                .arg(both.width()).arg(both.height())});
        }
    }
    return out;
}

// A window beside `other` (a window, or a panel inside one), not over it.
inline QList<Problem> checkApart(QWidget *window, QWidget *other)
{
    QList<Problem> out;
    const QRect otherRect = other->isWindow() ? other->frameGeometry()
                                              : QRect(other->mapToGlobal(QPoint(0, 0)), other->size());
    const QRect both = window->frameGeometry().intersected(otherRect);
    if (!both.isEmpty())
        out.append({textfit::describe(window, window), window->windowTitle(),
                    QStringLiteral("covers %1 by %2x%3 px")
                        .arg(textfit::describe(other, other->window())).arg(both.width()).arg(both.height())});
    return out;
}

} // namespace windowfit
