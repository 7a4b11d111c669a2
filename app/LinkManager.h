#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

// Process-wide owner of the web links the program opens (kept per interface language in
// the built-in table ":/data/links.json") and of the interface language (setting
// ui/language, where "auto" or nothing means: follow the system locale).
class LinkManager : public QObject
{
    Q_OBJECT

public:
    explicit LinkManager(QObject *parent = nullptr);

    static LinkManager *instance();

    // Reads the built-in link table; false when it cannot be read or is not a JSON object.
    bool loadLinks();
    // Reads a link table from another file (same structure as the built-in one).
    bool loadLinks(const QString &path);

    QString detectSystemLanguage() const;
    static QString mapQtLanguageCode(const QString &localeName);

    QString currentLanguage() const { return m_currentLanguage; }
    QString fallbackLanguage() const { return m_fallbackLanguage; }
    QStringList supportedLanguages() const { return m_supportedLanguages; }

    QString getLink(const QString &category, const QString &key, const QString &language) const;
    QString getLink(const QString &category, const QString &key) const;
    QString getLinkWithFallback(const QString &category, const QString &key) const;

    // Opens the link in the default browser. An http(s) page in a language other than the
    // fallback is first checked with a one-byte request; when the server says it is
    // missing, the fallback page opens instead. True when the link was opened or the
    // check started; false when there is no link or the browser could not be started
    // (with a warning box when a parent is given).
    bool openLink(const QString &category, const QString &key, QWidget *parent = nullptr);
    bool openLinkWithFallback(const QString &category, const QString &key,
                              const QString &fallbackCategory, const QString &fallbackKey,
                              QWidget *parent = nullptr);

    // Stores ui/language and makes `code` the current language. False, with nothing
    // changed, for an unsupported code or when the settings store cannot be written.
    bool setLanguage(const QString &code);

    // How long the existence check of a localised page may take before the page is
    // opened anyway.
    static constexpr int kLinkCheckTimeoutMs = 3500;

signals:
    void languageChanged(const QString &newLanguage);

private:
    void precheckAndOpen(const QString &primary, const QString &fallback, QWidget *parent);
    static bool openInBrowser(const QString &link, QWidget *parent);

    QString m_currentLanguage;
    QString m_fallbackLanguage = QStringLiteral("en");
    QStringList m_supportedLanguages;
    QJsonObject m_links;

    static LinkManager *m_instance;
};
