#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

class QLabel;
class QVariantAnimation;

// The controls panel's large circular REC/STOP button: a red disc whose halo pulses
// while the pointer is over it. Reads the dynamic property "recording" (bool).
class AnimatedRecButton : public QPushButton
{
    Q_OBJECT

public:
    explicit AnimatedRecButton(QWidget *parent = nullptr);
    ~AnimatedRecButton() override;

    qreal haloValue() const { return m_halo; }

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QVariantAnimation *m_animation = nullptr;
    qreal m_halo = 0.0;
};

// A compact on/off tile for a device switch: an icon box, a label and a status dot
// (green when on, an orange cross when off). A left click flips it.
class DeviceButton : public QWidget
{
    Q_OBJECT

public:
    DeviceButton(const QString &iconPath, const QString &label, bool active,
                 QWidget *parent = nullptr);

    bool isActive() const { return m_active; }
    // Stores the state, restyles and emits activeChanged, also when nothing changed.
    void setActive(bool active);
    void updateStyle();

signals:
    void activeChanged(bool active);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_iconPath;
    QString m_label;
    bool m_active = false;
    bool m_hovered = false;
    QWidget *m_iconBox = nullptr;
    QLabel *m_statusDot = nullptr;
    QLabel *m_labelWidget = nullptr;
};
