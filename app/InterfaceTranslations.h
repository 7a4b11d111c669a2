#pragma once

#include <QString>

// The translations of the interface in one language: the program's own texts from the
// built-in resources, and Qt's texts (the buttons of message boxes, the file, colour and
// input dialogs, the edit menus of text fields) from Qt's translation folder.
class InterfaceTranslations
{
public:
    // Installs both into the application; the translators are children of the
    // application object. False when the program's own translation cannot be loaded
    // (the interface then shows the source texts); Qt's may be missing without harm.
    static bool install(const QString &language);
};
