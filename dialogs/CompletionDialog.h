#pragma once

#include <QDialog>
#include <QString>

// A small notice that a file operation has finished, with a button that opens the folder
// holding its result.
class CompletionDialog : public QDialog
{
    Q_OBJECT
public:
    CompletionDialog(const QString &title, const QString &message, const QString &path, QWidget *parent = nullptr);

    QString path() const { return m_path; }

public slots:
    void openFolder();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_titleBar = nullptr;
    QString m_path;
};
