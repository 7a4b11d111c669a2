#pragma once
// The fonts a button's text is drawn in, state by state. A style sheet can give a state a
// font of its own ("QPushButton:checked { font-weight: 600; }"): the widget's font() does
// not carry it, so a text measured with that font fits while the bold one drawn when the
// button is checked is cut. The button is drawn through its style, as its paint event draws
// it, checked and not, under the pointer and pressed, into a device that records the font
// of every text drawn.

#include <QAbstractButton>
#include <QCheckBox>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionToolButton>
#include <QTextItem>
#include <QToolButton>

#include <memory>

namespace statefonts {

class FontRecorder : public QPaintEngine
{
public:
    FontRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    // Only texts count; everything else is drawn nowhere.
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
    void drawRects(const QRectF *, int) override {}
    void drawRects(const QRect *, int) override {}
    void drawLines(const QLineF *, int) override {}
    void drawLines(const QLine *, int) override {}
    void drawEllipse(const QRectF &) override {}
    void drawEllipse(const QRect &) override {}
    void drawPoints(const QPointF *, int) override {}
    void drawPoints(const QPoint *, int) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override
    {
        if (!item.text().trimmed().isEmpty())
            fonts.append(item.font());
    }
    Type type() const override { return User; }

    QList<QFont> fonts;
};

class RecordingDevice : public QPaintDevice
{
public:
    explicit RecordingDevice(const QWidget *like) : m_like(like) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    QList<QFont> fonts() const { return m_engine.fonts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_like->width();
        case PdmHeight: return m_like->height();
        case PdmDpiX: case PdmPhysicalDpiX: return m_like->logicalDpiX();
        case PdmDpiY: case PdmPhysicalDpiY: return m_like->logicalDpiY();
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }

private:
    const QWidget *m_like;
    mutable FontRecorder m_engine;
};

// Protected members the drawing needs, reached as the widgets' own code reaches them.
struct PushButtonPeek : QPushButton
{
    using QPushButton::initStyleOption;
};
struct CheckBoxPeek : QCheckBox
{
    using QCheckBox::initStyleOption;
};
struct RadioButtonPeek : QRadioButton
{
    using QRadioButton::initStyleOption;
};
struct ToolButtonPeek : QToolButton
{
    using QToolButton::initStyleOption;
};

// The fonts `button`'s text is drawn in, over the states a user can bring it into; empty
// for a button of its own painting (its style draws no text).
inline QList<QFont> of(QAbstractButton *button)
{
    const QStyle::State states[] = {QStyle::State_None, QStyle::State_On, QStyle::State_MouseOver,
                                    QStyle::State_Sunken};
    QList<QFont> fonts;
    for (QStyle::State extra : states) {
        if (extra == QStyle::State_On && !button->isCheckable())
            continue;
        RecordingDevice device(button);
        QPainter painter(&device);
        painter.setFont(button->font());
        QStyle *style = button->style();
        const auto toggled = [&](QStyle::State state) {
            // Both sides of a checkable button: checked and not.
            if (extra == QStyle::State_On)
                return (state & ~(QStyle::State_On | QStyle::State_Off))
                       | (button->isChecked() ? QStyle::State_Off : QStyle::State_On);
            return state | extra;
        };
        QStyleOptionButton option;
        QStyle::ControlElement element = QStyle::CE_CustomBase;
        if (auto *push = qobject_cast<QPushButton *>(button)) {
            static_cast<PushButtonPeek *>(push)->initStyleOption(&option);
            element = QStyle::CE_PushButton;
        } else if (auto *check = qobject_cast<QCheckBox *>(button)) {
            static_cast<CheckBoxPeek *>(check)->initStyleOption(&option);
            element = QStyle::CE_CheckBox;
        } else if (auto *radio = qobject_cast<QRadioButton *>(button)) {
            static_cast<RadioButtonPeek *>(radio)->initStyleOption(&option);
            element = QStyle::CE_RadioButton;
        }
        if (element != QStyle::CE_CustomBase) {
            option.state = toggled(option.state);
            style->drawControl(element, &option, &painter, button);
        } else if (auto *tool = qobject_cast<QToolButton *>(button)) {
            QStyleOptionToolButton toolOption;
            static_cast<ToolButtonPeek *>(tool)->initStyleOption(&toolOption);
            toolOption.state = toggled(toolOption.state);
            style->drawComplexControl(QStyle::CC_ToolButton, &toolOption, &painter, tool);
        }
        painter.end();
        fonts += device.fonts();
    }
    return fonts;
}

} // namespace statefonts
