#include "widgets/ProgramStyle.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

class ProgramStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    using QProxyStyle::polish;

    void polish(QWidget *widget) override
    {
        // Polished before its window is made: the window is made translucent.
        if (qobject_cast<QMenu *>(widget) && !widget->testAttribute(Qt::WA_WState_Created))
            widget->setAttribute(Qt::WA_TranslucentBackground);
        QProxyStyle::polish(widget);
    }

    // Right to left, a style sheet's button draws its icon over its word: the buttons of
    // message boxes ("Yes", "No") go without their standard icons there.
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == QStyle::SH_DialogButtonBox_ButtonsHaveIcons && QGuiApplication::isRightToLeft())
            return 0;
        // A menu longer than the screen is high falls into columns, which QMenu lays out left
        // to right whatever the direction: right to left, such a menu scrolls instead.
        if (hint == QStyle::SH_Menu_Scrollable && QGuiApplication::isRightToLeft())
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // A style-sheet button without an icon gets a text area exactly as wide as its word's
    // advance; an Arabic word's strokes reach past that by a pixel, and the painter's clip to
    // the area then leaves only the word's lowest strokes and dots ("نعم", "لا"). A button's
    // word may reach into the button's padding instead.
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                      const QString &text, QPalette::ColorRole textRole) const override
    {
        if (painter && painter->device() && painter->device()->devType() == QInternal::Widget
            && qobject_cast<const QAbstractButton *>(static_cast<QWidget *>(painter->device())))
            flags |= Qt::TextDontClip;
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == QStyle::PE_FrameFocusRect && qobject_cast<const QAbstractButton *>(widget))
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

} // namespace

QStyle *createProgramStyle()
{
    return new ProgramStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}
