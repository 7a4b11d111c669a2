#pragma once

class QWidget;

// Widgets that read left to right in every language keep left to right: editors that lay out
// digits of their own (date and time edits; call it after the display format is set) and a
// player's sliders, whose time runs as the trim timeline's does.
void keepLeftToRight(QWidget *widget);
