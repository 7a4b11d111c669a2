#pragma once

// Button looks shared by the library window, its editor and its tool dialogs.

// Dark tool button: the editor's tool row, secondary dialog buttons.
inline constexpr const char *kLibraryToolButtonStyle =
    "QPushButton{background:#102039;border:1px solid #304764;border-radius:7px;color:#dce7fa;font-size:13px;"
    "padding:0 16px;}QPushButton:hover{background:#182d4b;border-color:#4777b8;}"
    "QPushButton:checked{background:#2874f0;border-color:#4d8dff;color:white;}"
    "QPushButton:disabled{color:#65738a;}"
    // Checked but disabled (the trim mode with nothing selected): its grey text on the blue
    // was unreadable.
    "QPushButton:checked:disabled{background:#1c3a66;border-color:#2f4f7d;color:#9fb3d1;}";

// Blue primary action.
inline constexpr const char *kLibraryPrimaryButtonStyle =
    "QPushButton{background:#2874f0;border:1px solid #4d8dff;border-radius:7px;color:white;font-size:13px;"
    "font-weight:600;padding:0 18px;}QPushButton:hover{background:#3982fa;}"
    "QPushButton:disabled{background:#23314a;color:#71809a;}";
