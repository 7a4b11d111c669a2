#pragma once

#include <QFrame>
#include <QRect>
#include <QString>

class QLineEdit;
class QPushButton;

// The popup list of capture areas: full screen, an area drawn with the area picker,
// fixed sizes and a typed size. Every choice hides the popup and is reported by
// areaSelected; `region` is the drawn rectangle (global coordinates) for the
// drawn area and a null rectangle for every other choice, `deviceRegion` the device
// pixels drawn (null for every other choice).
class AreaDropdown : public QFrame
{
    Q_OBJECT

public:
    explicit AreaDropdown(QWidget *parent);

    void addItem(const QString &label, int width, int height);
    void addSeparator();

signals:
    void areaSelected(const QString &label, int width, int height, QRect region, QRect deviceRegion);

private:
    QPushButton *makeEntry(const QString &label);
    void highlight(QPushButton *entry);
    void pickArea();
    void applyCustomSize();

    QLineEdit *m_widthEdit = nullptr;
    QLineEdit *m_heightEdit = nullptr;
    QPushButton *m_highlighted = nullptr;
};
