#pragma once

#include <QComboBox>
#include <QDialog>
#include <QString>

class QPushButton;
class QVBoxLayout;

// The frame of the library's one-shot tools: a dark frameless modal dialog with a title bar
// (icon, title, subtitle, close), a content area each tool fills, and Cancel / Apply.
class ToolDialog : public QDialog
{
    Q_OBJECT
public:
    ToolDialog(const QString &title, const QString &subtitle, QWidget *parent, const QString &iconName);

    QVBoxLayout *contentLayout() const { return m_content; }
    QPushButton *applyButton() const { return m_apply; }

    // The icon a tool titled `title` shows when it asks for "pencil".
    static QString iconForTitle(const QString &title, const QString &iconName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_titleBar = nullptr;
    QVBoxLayout *m_content = nullptr;
    QPushButton *m_apply = nullptr;
};

// A combo box whose popup keeps the tools' dark look.
class DarkComboBox : public QComboBox
{
public:
    explicit DarkComboBox(QWidget *parent = nullptr);
    void showPopup() override;
};
