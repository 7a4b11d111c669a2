#pragma once

#include <QSlider>

// A player's seek bar: a click on the groove puts the handle under the pointer and holds it
// there as in a drag, so that the release seeks to the clicked place (a plain slider only
// moves a page towards it). Pressing the handle itself drags as usual.
class SeekSlider : public QSlider
{
public:
    explicit SeekSlider(QWidget *parent = nullptr);

    // The value that a click at x (in the slider's pixels) stands for.
    int valueAt(int x) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
