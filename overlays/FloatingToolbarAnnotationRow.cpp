// The annotation row of the floating toolbar: the second row under the main bar with
// the drawing tools, colour, width, undo, clear and exit, and the switching of the
// annotation layer.
#include "overlays/AnnotationOverlay.h"
#include "overlays/FloatingToolbar.h"
#include "overlays/Translucency.h"
#include "platform/mac/MacWindowHelpers.h"
#include "platform/mac/OverlayWindowSupport.h"

#include <algorithm>

#include <QButtonGroup>
#include <QColorDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char *const kRowButtonStyle =
    "QPushButton{background:transparent;border:none;color:#c0c9d8;font-size:16px;border-radius:7px;}"
    "QPushButton:hover{background:rgba(255,255,255,0.10);}"
    "QPushButton:checked{background:#315ec5;color:white;}";

QString swatchStyle(const QColor &color)
{
    return QStringLiteral("QPushButton{background:%1;border:2px solid rgba(255,255,255,0.4);border-radius:14px;}"
                          "QPushButton:hover{border-color:white;}")
        .arg(color.name());
}

QPushButton *rowButton(const QString &text, const QString &label, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setFixedSize(34, 34);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(label);
    button->setStyleSheet(QString::fromLatin1(kRowButtonStyle));
    return button;
}

} // namespace

void FloatingToolbar::buildAnnotationRow(QVBoxLayout *containerLayout)
{
    m_annoRow = new QWidget(m_container);
    m_annoRow->setObjectName(QStringLiteral("AnnotationRow"));
    m_annoRow->setAttribute(Qt::WA_StyledBackground);
    m_annoRow->setStyleSheet(QStringLiteral("#AnnotationRow{border-top:1px solid #26364d;background:transparent;}"));
    auto *rowColumn = new QVBoxLayout(m_annoRow);
    rowColumn->setContentsMargins(0, 0, 0, 0);
    rowColumn->setSpacing(0);

    auto *line = new QWidget(m_annoRow);
    auto *lineLayout = new QHBoxLayout(line);
    lineLayout->setContentsMargins(12, 7, 12, 4);
    lineLayout->setSpacing(3);

    const QString glyphs[8] = {QStringLiteral("🖊"), QStringLiteral("➤"), QStringLiteral("▭"), QStringLiteral("T"),
                               QStringLiteral("╱"), QStringLiteral("○"), QStringLiteral("▰"), QStringLiteral("⌫")};
    const QString labels[8] = {tr("画笔"), tr("箭头"), tr("矩形"), tr("文字"),
                               tr("直线"), tr("圆形"), tr("高亮笔"), tr("橡皮擦")};
    m_toolGroup = new QButtonGroup(this);
    m_toolGroup->setExclusive(true);
    for (int i = 0; i < 8; ++i) {
        QPushButton *button = rowButton(glyphs[i], labels[i], line);
        button->setCheckable(true);
        m_toolGroup->addButton(button, i);
        lineLayout->addWidget(button);
    }
    lineLayout->addSpacing(5);
    auto *separator = new QFrame(line);
    separator->setObjectName(QStringLiteral("ToolbarSeparator"));
    separator->setFixedSize(1, 28);
    lineLayout->addWidget(separator);
    lineLayout->addSpacing(5);

    m_colorButton = new QPushButton(line);
    m_colorButton->setFixedSize(28, 28);
    m_colorButton->setCursor(Qt::PointingHandCursor);
    m_colorButton->setStyleSheet(swatchStyle(m_annotationColor));
    lineLayout->addWidget(m_colorButton);

    m_widthSlider = new QSlider(Qt::Horizontal, line);
    m_widthSlider->setRange(1, 12);
    m_widthSlider->setValue(3);
    m_widthSlider->setFixedWidth(72);
    m_widthSlider->setStyleSheet(QStringLiteral(
        "QSlider::groove:horizontal{height:4px;background:#485166;border-radius:2px;}"
        "QSlider::sub-page:horizontal{background:#3d75e6;border-radius:2px;}"
        "QSlider::handle:horizontal{width:14px;height:14px;background:#f3f6fb;border-radius:7px;margin:-5px 0;}"));
    lineLayout->addWidget(m_widthSlider);
    lineLayout->addStretch();

    QPushButton *undo = rowButton(QStringLiteral("↩"), tr("撤销 Ctrl+Z"), line);
    QPushButton *clear = rowButton(QStringLiteral("⌫"), tr("清除全部 Del"), line);
    QPushButton *exit = rowButton(tr("退出"), tr("退出注释模式"), line);
    // 58 px hold the Chinese word; a longer word of another language widens the button.
    QFont exitFont = exit->font();
    exitFont.setPixelSize(16);
    exit->setFixedWidth(std::max(58, QFontMetrics(exitFont).horizontalAdvance(exit->text()) + 16));
    // The actions stand at the end of the tools' line, or on a line of their own.
    m_annoActions = new QWidget(m_annoRow);
    auto *actions = new QHBoxLayout(m_annoActions);
    actions->setContentsMargins(0, 0, 0, 0);
    actions->setSpacing(3);
    undo->setParent(m_annoActions);
    clear->setParent(m_annoActions);
    exit->setParent(m_annoActions);
    actions->addWidget(undo);
    actions->addWidget(clear);
    actions->addWidget(exit);
    m_annoLine = lineLayout;
    m_annoColumn = rowColumn;
    lineLayout->addWidget(m_annoActions);
    rowColumn->addWidget(line);

    m_hintLabel = new QLabel(tr("选择工具后在屏幕上绘制，ESC 或点“退出”结束注释"), m_annoRow);
    m_hintLabel->setStyleSheet(
        QStringLiteral("background:transparent;color:#8998ae;font-size:10px;padding:2px 12px 7px;"));
    rowColumn->addWidget(m_hintLabel);
    m_annoRow->hide();
    containerLayout->addWidget(m_annoRow);

    connect(m_toolGroup, &QButtonGroup::idClicked, this, &FloatingToolbar::chooseAnnotationTool);
    connect(m_colorButton, &QPushButton::clicked, this, &FloatingToolbar::pickAnnotationColor);
    connect(m_widthSlider, &QSlider::valueChanged, this,
            [this](int value) { m_layer->currentWidth = static_cast<float>(value); });
    connect(undo, &QPushButton::clicked, m_layer, &AnnotationOverlay::undoLast);
    connect(clear, &QPushButton::clicked, m_layer, &AnnotationOverlay::clearAll);
    connect(exit, &QPushButton::clicked, this, [this] { m_annotationButton->setChecked(false); });
    connect(m_layer, &AnnotationOverlay::closed, this, &FloatingToolbar::onAnnotationLayerClosed);
    connect(m_layer, &AnnotationOverlay::interactionFinished, this,
            [this] { QTimer::singleShot(0, this, [this] { raise(); }); });
}

void FloatingToolbar::setNarrow(bool narrow)
{
    m_storageLabel->setVisible(!narrow);
    m_storageSeparator->setVisible(!narrow);
    m_annoLine->removeWidget(m_annoActions);
    m_annoColumn->removeWidget(m_annoActions);
    if (narrow)
        m_annoColumn->insertWidget(1, m_annoActions, 0, Qt::AlignRight);
    else
        m_annoLine->addWidget(m_annoActions);
    m_annoActions->setContentsMargins(narrow ? 12 : 0, 0, narrow ? 12 : 0, 0);
    m_hintLabel->setWordWrap(narrow);
}

void FloatingToolbar::toggleAnnoRow(bool on)
{
    if (on && !overlaysCanBeTranslucent()) {
        // The layer would turn the recorded area black (see applyCompositorRules).
        const QSignalBlocker blocker(m_annotationButton);
        m_annotationButton->setChecked(false);
        m_annotationButton->setEnabled(false);
        return;
    }
    m_annoRow->setVisible(on);
    m_layer->setAnnotationEnabled(on);
    keepAboveWindow(this, on ? m_layer : nullptr);
    if (on) {
        configureMacAnnotationWindowLevels(m_layer->winId(), winId());
        m_hintLabel->show();
        if (QAbstractButton *pen = m_toolGroup->button(AnnotationToolbar::Pen))
            pen->setChecked(true);
        m_layer->setTool(AnnotationToolbar::Pen);
        QTimer::singleShot(60, this, [this] { raise(); });
    }
    fitToContents();
}

void FloatingToolbar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_annotationButton->isChecked()) {
        m_annotationButton->setChecked(false);
        return;
    }
    QWidget::keyPressEvent(event);
}

void FloatingToolbar::chooseAnnotationTool(int tool)
{
    m_layer->setTool(static_cast<AnnotationToolbar::Tool>(tool));
    m_hintLabel->hide();
    if (!m_layer->isVisible())
        m_layer->setAnnotationEnabled(true);
    fitToContents();
}

void FloatingToolbar::pickAnnotationColor()
{
    QColorDialog dialog(m_annotationColor, this);
    dialog.setWindowTitle(tr("选择颜色"));
    // Beside the toolbar, not over it nor under the panel at the screen's edge that a
    // toolbar at the top of the screen would centre it into.
    dialog.adjustSize();
    placeBeside(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid())
        return;
    m_annotationColor = chosen;
    m_colorButton->setStyleSheet(swatchStyle(chosen));
    m_layer->currentColor = chosen;
}

void FloatingToolbar::onAnnotationLayerClosed()
{
    {
        const QSignalBlocker blocker(m_annotationButton);
        m_annotationButton->setChecked(false);
    }
    m_annoRow->hide();
    keepAboveWindow(this, nullptr);
    fitToContents();
}
