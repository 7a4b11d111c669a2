#include "app/InterfaceTranslations.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <optional>

QLocale InterfaceTranslations::withWesternDigits(const QLocale &locale)
{
    const QString zero = QStringLiteral("0");
    if (locale.zeroDigit() == zero)
        return locale;
    std::optional<QLocale> sameLanguage;
    for (const QLocale &other : QLocale::matchingLocales(locale.language(), locale.script(), QLocale::AnyTerritory)) {
        if (other.zeroDigit() != zero)
            continue;
        if (other.monthName(1) == locale.monthName(1))
            return other;
        if (!sameLanguage)
            sameLanguage = other;
    }
    return sameLanguage.value_or(QLocale::c());
}

bool InterfaceTranslations::install(const QString &language)
{
    QLocale::setDefault(withWesternDigits(QLocale::system()));
    // Qt's first, so that the program's own translation wins for a text both have.
    auto *qt = new QTranslator(QCoreApplication::instance());
    // QLocale finds the file of the language's usual country too ("pt" reads qtbase_pt_BR).
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        qWarning() << "[Translation] No Qt translation for" << language;
        delete qt;
    }

    auto *own = new QTranslator(QCoreApplication::instance());
    const QString path = QStringLiteral(":/translations/Vistrelle_%1.qm").arg(language);
    if (!own->load(path)) {
        qWarning() << "[Translation] Failed to load" << path;
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    qInfo() << "[Translation] Loaded" << path;
    return true;
}
