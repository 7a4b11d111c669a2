#pragma once

#include <QCoreApplication>
#include <QImage>

class QWidget;

// A screenshot asked for from a toolbar: written on the screenshot writer's thread into the
// save folder under the screenshot name of now, then where it went is shown over the
// toolbar (a box that can open the folder), or why it was not saved.
class ScreenshotNotice
{
    Q_DECLARE_TR_FUNCTIONS(ScreenshotNotice)

public:
    static void save(QWidget *parent, const QImage &picture);

private:
    ScreenshotNotice() = delete;
};
