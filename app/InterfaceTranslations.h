#pragma once

#include <QLocale>
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
    // It also makes the widgets' own numbers (spin boxes, date and time editors, the
    // calendar) use the digits 0-9 that every other text of the program uses.
    static bool install(const QString &language);

    // `locale`, or, when it writes other digits than 0-9 (Arabic-Indic in Egypt), the locale
    // of the same language that writes 0-9 (with the same month names where one does).
    static QLocale withWesternDigits(const QLocale &locale);
};
