#include "app/InterfaceTranslations.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InterfaceTranslations::install(const QString &language)
{
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
