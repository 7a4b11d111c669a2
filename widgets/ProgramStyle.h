#pragma once

class QStyle;

// The program's widget style: Fusion without the focus frame on buttons, with menus whose
// rounded corners show what lies behind them, message-box buttons without standard icons
// and menus that scroll rather than fall into columns right to left, and button words drawn
// whole (see ProgramStyle.cpp). main() sets it; tests
// of what the user sees use it too.
QStyle *createProgramStyle();
