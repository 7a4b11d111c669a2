#pragma once
// Whether the numbers a widget shows (times, dates, durations, sizes, resolutions) lay their
// digits out left to right, measured on the text laid out as the widget lays it out: a
// label in its text's own direction, an editor, a button and a list's choice in the widget's
// direction.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QGlyphRun>
#include <QTextLayout>
#include <QWidget>

#include <optional>

namespace numberorder {

inline bool hasDirection(QChar c)
{
    switch (c.direction()) {
    case QChar::DirL:
    case QChar::DirR:
    case QChar::DirAL:
        return true;
    default:
        return false;
    }
}

// A unit in Latin letters right after a number and a blank ("30 fps"), or a "×" right after
// it ("0.5×"): the number's stretch goes on to its end.
inline int unitEnd(const QString &line, int afterNumber)
{
    if (afterNumber < line.size() && line.at(afterNumber) == QChar(0x00D7)) // "0.5×"
        return afterNumber + 1;
    if (afterNumber + 1 >= line.size() || line.at(afterNumber) != QLatin1Char(' '))
        return afterNumber;
    int end = afterNumber + 1;
    while (end < line.size() && line.at(end).direction() == QChar::DirL && line.at(end).isLetter()
           && line.at(end).unicode() < 0x80)
        ++end;
    return end > afterNumber + 1 ? end : afterNumber;
}

// The stretches of one line that hold digits with nothing but neutral signs between them
// ("1920 × 1080", "2026/12/07 20:30", "00:00:05"), with a Latin unit that follows ("30 fps"):
// each must read left to right.
inline QList<std::pair<int, int>> numberStretches(const QString &line)
{
    QList<std::pair<int, int>> out;
    int start = -1;
    int lastDigit = -1;
    for (int i = 0; i <= line.size(); ++i) {
        const bool end = i == line.size() || hasDirection(line.at(i));
        if (!end && line.at(i).isDigit()) {
            if (start < 0)
                start = i;
            lastDigit = i;
        }
        if (end && start >= 0) {
            out.append({start, unitEnd(line, lastDigit + 1)});
            start = -1;
        }
    }
    return out;
}

// Whether a line holds right-to-left words ("الدقة: 1920 × 1080"), not only numbers and units.
inline bool hasRightToLeftWords(const QString &line)
{
    for (const QChar c : line)
        if (c.direction() == QChar::DirR || c.direction() == QChar::DirAL)
            return true;
    return false;
}

// The stretches of `text` whose digits do not advance to the right, laid out in `direction`.
// A product or a factor ("1920 × 1080", "0.5×") inside a sentence reads in the sentence's
// direction instead, so that right to left, too, the width (or the number) is read first;
// each of its numbers keeps its digits left to right.
inline QStringList misordered(const QString &text, const QFont &font, Qt::LayoutDirection direction)
{
    QStringList out;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(line, font);
        QTextOption option;
        option.setTextDirection(direction);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine textLine = layout.createLine();
        textLine.setLineWidth(100000);
        layout.endLayout();
        const auto xOf = [&textLine](int i) -> std::optional<qreal> {
            const QList<QGlyphRun> runs = textLine.glyphRuns(i, 1);
            if (runs.isEmpty() || runs.first().positions().isEmpty())
                return std::nullopt;
            return runs.first().positions().first().x();
        };
        const bool rightToLeft = direction == Qt::RightToLeft || (direction == Qt::LayoutDirectionAuto && line.isRightToLeft());
        for (const auto &[from, to] : numberStretches(line)) {
            const bool product = line.mid(from, to - from).contains(QChar(0x00D7)) && hasRightToLeftWords(line);
            qreal previous = -1e9;     // within a number (or the whole stretch)
            qreal previousPart = rightToLeft ? 1e9 : -1e9; // a product's parts
            bool inNumber = false;
            for (int i = from; i < to; ++i) {
                const QChar c = line.at(i);
                const bool numberChar = c.isDigit() || (inNumber && c == QLatin1Char('.'));
                if (!c.isDigit() && !c.isLetter() && c != QChar(0x00D7)) {
                    inNumber = inNumber && numberChar;
                    continue;
                }
                const std::optional<qreal> x = xOf(i);
                if (!x)
                    continue;
                bool wrong = false;
                if (product && (!inNumber || !numberChar)) { // the first glyph of a part
                    wrong = rightToLeft ? *x > previousPart : *x < previousPart;
                    previousPart = *x;
                    previous = -1e9;
                }
                wrong = wrong || *x < previous;
                previous = *x;
                inNumber = numberChar;
                if (wrong) {
                    out << line.mid(from, to - from);
                    break;
                }
            }
        }
    }
    return out;
}

// The shown text of a widget and the direction it is laid out in; an empty text for a
// widget that shows none of its own.
inline std::pair<QString, Qt::LayoutDirection> shownText(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w)) {
        if (Qt::mightBeRichText(label->text()))
            return {label->text(), label->layoutDirection()};
        return {label->text(), label->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight};
    }
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        return {edit->displayText(), edit->layoutDirection()};
    if (auto *box = qobject_cast<const QComboBox *>(w))
        return {box->currentText(), box->layoutDirection()};
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return {button->text(), button->layoutDirection()};
    return {};
}

// "widget: text" for each shown number of the window (and its children) that runs right to left.
inline QStringList check(QWidget *window)
{
    QStringList out;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        if (!w->isVisible())
            continue;
        const auto [text, direction] = shownText(w);
        for (const QString &bad : misordered(text, w->font(), direction))
            out << QStringLiteral("%1#%2: \"%3\" in \"%4\"")
                       .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), bad, text);
    }
    return out;
}

} // namespace numberorder
