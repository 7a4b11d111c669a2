#pragma once
// Whether the texts of a window fit the room their widgets have: labels, push and tool
// buttons, check boxes, radio buttons, tabs and the chosen item of drop-down lists, measured with the widget's own font and
// the contents rectangle its style (style sheets included) gives the text. A button's text
// is measured in every font its states draw it in (StateFonts.h).

#include "StateFonts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QStyleOptionComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionTab>
#include <QStyleOptionToolButton>
#include <QTabBar>
#include <QTextDocument>
#include <QTextOption>
#include <QToolButton>
#include <QWidget>

#include <algorithm>

namespace textfit {

struct Problem
{
    QString widget;  // class#objectName inside the window, with its nearest named ancestors
    QString text;    // the text as shown
    QString what;    // "width 120 > 96", "height 40 > 22", "word wider than the label"
};

// Protected members the measurement needs, reached as the widgets' own code reaches them.
using statefonts::CheckBoxPeek;
using statefonts::PushButtonPeek;
using statefonts::RadioButtonPeek;
struct ComboBoxPeek : QComboBox
{
    using QComboBox::initStyleOption;
};
struct TabBarPeek : QTabBar
{
    using QTabBar::tabSizeHint;
};

// The text without mnemonic markers ("&&" stays one "&").
inline QString shownText(const QString &text, bool mnemonics = true)
{
    if (!mnemonics)
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += text.at(i);
    }
    return out;
}

inline int lineWidth(const QFontMetrics &fm, const QString &text)
{
    int width = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        width = std::max(width, fm.horizontalAdvance(line));
    return width;
}

inline QString plainOf(const QString &maybeRich)
{
    if (!Qt::mightBeRichText(maybeRich))
        return maybeRich;
    QTextDocument doc;
    doc.setHtml(maybeRich);
    return doc.toPlainText();
}

// A widget of our own (not a Qt class) that carries its whole text in its tool tip paints
// a shortened text on purpose.
inline bool elidesOnPurpose(const QWidget *w, const QString &text)
{
    const QString tip = plainOf(w->toolTip()).simplified();
    if (tip.isEmpty())
        return false;
    const bool ownClass = !QByteArray(w->metaObject()->className()).startsWith('Q');
    return ownClass && tip.contains(plainOf(text).simplified());
}

inline QString describe(const QWidget *w, const QWidget *window)
{
    QString path = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty())
        path += QLatin1Char('#') + w->objectName();
    int named = 0;
    for (const QWidget *p = w->parentWidget(); p && p != window && named < 2; p = p->parentWidget()) {
        if (p->objectName().isEmpty() || p->objectName().startsWith(QLatin1String("qt_")))
            continue;
        path.prepend(p->objectName() + QLatin1Char('/'));
        ++named;
    }
    return path;
}

constexpr int Tolerance = 1; // pixels of rounding

// How many pixels of the widget's width its ancestors cut off (a layout whose minimum
// does not fit a fixed-size parent lets children run past the parent's edge). Scrolled
// content is not cut: it can be scrolled to.
inline int widthCutByParents(const QWidget *w, const QWidget *window)
{
    QRect visible(w->mapTo(window, QPoint(0, 0)), w->size());
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (p->objectName() == QLatin1String("qt_scrollarea_viewport"))
            break;
        const QRect area(p == window ? QPoint(0, 0) : p->mapTo(window, QPoint(0, 0)), p->size());
        visible = visible.intersected(area);
        if (p == window)
            break;
    }
    return w->width() - std::max(0, visible.width());
}

inline void checkLabel(QLabel *label, const QWidget *window, QList<Problem> &out)
{
    const QString text = label->text();
    if (text.trimmed().isEmpty() || !label->pixmap().isNull())
        return;
    if (elidesOnPurpose(label, text))
        return;
    const QRect cr = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                    -label->margin());
    int indent = label->indent();
    if (indent < 0)
        indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const int layoutWidth = cr.width() - std::max(0, indent);
    const int availableWidth = layoutWidth - widthCutByParents(label, window);
    const int availableHeight = cr.height();
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    int neededWidth = 0;
    int neededHeight = 0;
    if (rich || label->wordWrap()) {
        QTextDocument doc;
        doc.setDefaultFont(label->font());
        doc.setDocumentMargin(0);
        QTextOption option = doc.defaultTextOption();
        option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
        doc.setDefaultTextOption(option);
        if (rich)
            doc.setHtml(text);
        else
            doc.setPlainText(shownText(text, label->buddy() != nullptr));
        if (label->wordWrap()) {
            doc.setTextWidth(layoutWidth);
            neededWidth = qCeil(doc.idealWidth());
            neededHeight = qCeil(doc.size().height());
        } else {
            neededWidth = qCeil(doc.idealWidth());
            neededHeight = qCeil(doc.size().height());
        }
    } else {
        const QFontMetrics fm = label->fontMetrics();
        const QString shown = shownText(text, label->buddy() != nullptr);
        neededWidth = lineWidth(fm, shown);
        neededHeight = fm.height() * int(shown.count(QLatin1Char('\n')) + 1);
    }
    if (neededWidth > availableWidth + Tolerance)
        out.append({describe(label, window), plainOf(text),
                    QStringLiteral("width %1 > %2").arg(neededWidth).arg(availableWidth)});
    // A line cut through its letters; a few pixels of the line spacing may go.
    const int slack = std::max(3, label->fontMetrics().height() / 4);
    if (neededHeight > availableHeight + slack)
        out.append({describe(label, window), plainOf(text),
                    QStringLiteral("height %1 > %2").arg(neededHeight).arg(availableHeight)});
}

inline int iconPart(const QIcon &icon, const QSize &iconSize)
{
    return icon.isNull() ? 0 : icon.actualSize(iconSize).width() + 4;
}

inline void checkButton(QAbstractButton *button, const QWidget *window, QList<Problem> &out)
{
    const QString text = button->text();
    // A lone symbol ("×", "⏸") is an icon drawn as text: its ink is narrower than its advance.
    if (shownText(text).trimmed().size() <= 1 || elidesOnPurpose(button, text))
        return;
    const QFontMetrics fm = button->fontMetrics();
    const QString shown = shownText(text);
    const int textWidth = lineWidth(fm, shown);
    // What the text needs beyond that in the state it is widest in (bold when checked).
    int stateExtra = 0;
    for (const QFont &font : statefonts::of(button))
        stateExtra = std::max(stateExtra, lineWidth(QFontMetrics(font), shown) - textWidth);
    QStyle *style = button->style();
    int needed = 0;
    int available = 0;
    if (auto *push = qobject_cast<QPushButton *>(button)) {
        QStyleOptionButton opt;
        static_cast<PushButtonPeek *>(push)->initStyleOption(&opt);
        // The style cuts the text at the padding.
        available = style->subElementRect(QStyle::SE_PushButtonContents, &opt, push).width();
        needed = textWidth + iconPart(opt.icon, opt.iconSize);
        if (push->menu())
            needed += style->pixelMetric(QStyle::PM_MenuButtonIndicator, &opt, push);
    } else if (auto *check = qobject_cast<QCheckBox *>(button)) {
        QStyleOptionButton opt;
        static_cast<CheckBoxPeek *>(check)->initStyleOption(&opt);
        available = style->subElementRect(QStyle::SE_CheckBoxContents, &opt, check).width();
        needed = textWidth + iconPart(opt.icon, opt.iconSize);
    } else if (auto *radio = qobject_cast<QRadioButton *>(button)) {
        QStyleOptionButton opt;
        static_cast<RadioButtonPeek *>(radio)->initStyleOption(&opt);
        available = style->subElementRect(QStyle::SE_RadioButtonContents, &opt, radio).width();
        needed = textWidth + iconPart(opt.icon, opt.iconSize);
    } else if (auto *tool = qobject_cast<QToolButton *>(button)) {
        // QToolButton's size hint is its content plus the style's frame, with two blanks of
        // room beside the text: the text fits while the width reaches the hint less those.
        const Qt::ToolButtonStyle look = tool->toolButtonStyle();
        if (look == Qt::ToolButtonIconOnly || (look == Qt::ToolButtonFollowStyle && !tool->icon().isNull()))
            return;
        const int blanks = 2 * fm.horizontalAdvance(QLatin1Char(' '));
        int slack = blanks;
        if (look == Qt::ToolButtonTextUnderIcon)
            slack = std::clamp(textWidth + blanks - tool->iconSize().width(), 0, blanks);
        needed = tool->sizeHint().width() - slack;
        available = tool->width();
        // Lines under the icon run out at the bottom where the button is lower than its hint.
        if (look == Qt::ToolButtonTextUnderIcon && tool->sizeHint().height() > tool->height() + Tolerance)
            out.append({describe(button, window), shown,
                        QStringLiteral("height %1 > %2").arg(tool->sizeHint().height()).arg(tool->height())});
    } else {
        return; // a button of its own painting
    }
    available -= widthCutByParents(button, window);
    needed += stateExtra;
    if (needed > available + Tolerance)
        out.append({describe(button, window), shown,
                    QStringLiteral("width %1 > %2").arg(needed).arg(available)});
}

// The chosen item of a drop-down list, as its closed box shows it.
inline void checkComboBox(QComboBox *box, const QWidget *window, QList<Problem> &out)
{
    if (box->isEditable() || box->currentText().trimmed().isEmpty())
        return;
    QStyleOptionComboBox opt;
    static_cast<ComboBoxPeek *>(box)->initStyleOption(&opt);
    const int available = box->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, box)
                              .width()
                          - widthCutByParents(box, window);
    const int needed = box->fontMetrics().horizontalAdvance(opt.currentText)
                       + (opt.currentIcon.isNull() ? 0 : opt.iconSize.width() + 4);
    if (needed > available + Tolerance)
        out.append({describe(box, window), opt.currentText,
                    QStringLiteral("width %1 > %2").arg(needed).arg(available)});
}

inline void checkTabs(QTabBar *bar, const QWidget *window, QList<Problem> &out)
{
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i) || bar->tabText(i).trimmed().isEmpty())
            continue;
        if (bar->elideMode() != Qt::ElideNone
            && plainOf(bar->tabToolTip(i)).contains(shownText(bar->tabText(i))))
            continue;
        const int needed = static_cast<TabBarPeek *>(bar)->tabSizeHint(i).width();
        const int available = bar->tabRect(i).width();
        if (needed > available + Tolerance)
            out.append({describe(bar, window) + QStringLiteral("[tab %1]").arg(i), shownText(bar->tabText(i)),
                        QStringLiteral("width %1 > %2").arg(needed).arg(available)});
    }
}

// Every shown text of a window (the window itself included) that does not fit.
inline QList<Problem> check(QWidget *window)
{
    QList<Problem> out;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        if (!w->isVisible() || w->width() <= 0 || w->height() <= 0 || w->window() != window)
            continue;
        if (auto *label = qobject_cast<QLabel *>(w))
            checkLabel(label, window, out);
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            checkButton(button, window, out);
        else if (auto *bar = qobject_cast<QTabBar *>(w))
            checkTabs(bar, window, out);
        else if (auto *box = qobject_cast<QComboBox *>(w))
            checkComboBox(box, window, out);
    }
    return out;
}

} // namespace textfit
