#pragma once

#include <QFrame>

class QMenu;
class QToolButton;

// The strip at the top of the main window: logo, title and a menu button. It only
// reports requests; the main window carries them out. Dragging it moves the window.
class TitleBar : public QFrame
{
    Q_OBJECT

public:
    explicit TitleBar(QWidget *parent = nullptr);

    void setMaximized(bool maximized);
    QMenu *menu() const { return m_menu; }

    // The native names of the interface languages in menu order, with their codes.
    static QList<QPair<QString, QString>> languages();

signals:
    void settingsRequested();
    void helpRequested();
    void openLogFolderRequested();
    void supportRequested();
    void aboutRequested();
    void languageChangeRequested(const QString &code);
    void minimizeRequested();
    void maximizeRequested();
    void closeRequested();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QToolButton *m_menuButton = nullptr;
    QMenu *m_menu = nullptr;
};
