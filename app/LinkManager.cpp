#include "app/LinkManager.h"

#include <QDebug>
#include <QDesktopServices>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <QWidget>

LinkManager *LinkManager::m_instance = nullptr;

namespace {

const char kLinkTablePath[] = ":/data/links.json";
const char kTimedOutProperty[] = "linkCheckTimedOut";

bool isWebLink(const QString &link)
{
    const QString scheme = QUrl(link).scheme();
    return scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) == 0
        || scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

void showBrowserFailure(const QString &link, QWidget *parent)
{
    QMessageBox::warning(parent, LinkManager::tr("Unable to open browser"),
                         LinkManager::tr("Unable to open the default browser.\n\n"
                                         "Please visit this link manually:\n%1")
                             .arg(link),
                         QMessageBox::Ok);
}

} // namespace

LinkManager::LinkManager(QObject *parent)
    : QObject(parent)
{
    if (!loadLinks())
        qWarning() << "[LinkManager] Failed to load links.json. Link actions will use built-in fallbacks.";
    m_currentLanguage = detectSystemLanguage();
}

LinkManager *LinkManager::instance()
{
    if (!m_instance)
        m_instance = new LinkManager(nullptr);
    return m_instance;
}

bool LinkManager::loadLinks()
{
    return loadLinks(QString::fromLatin1(kLinkTablePath));
}

bool LinkManager::loadLinks(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject())
        return false;

    const QJsonObject root = document.object();
    const QJsonObject metadata = root.value(QLatin1String("metadata")).toObject();
    m_supportedLanguages.clear();
    const QJsonArray languages = metadata.value(QLatin1String("supported_languages")).toArray();
    for (const QJsonValue &value : languages) {
        const QString code = value.toString();
        if (!code.isEmpty())
            m_supportedLanguages.append(code);
    }
    const QString fallback = metadata.value(QLatin1String("fallback_language")).toString();
    if (!fallback.isEmpty())
        m_fallbackLanguage = fallback;
    if (m_supportedLanguages.isEmpty())
        m_supportedLanguages.append(m_fallbackLanguage);
    m_links = root;
    return true;
}

QString LinkManager::detectSystemLanguage() const
{
    QString language = QSettings().value(QStringLiteral("ui/language")).toString().trimmed();
    if (language.isEmpty() || language == QLatin1String("auto"))
        language = mapQtLanguageCode(QLocale::system().name());
    if (m_supportedLanguages.contains(language))
        return language;
    return m_fallbackLanguage;
}

QString LinkManager::mapQtLanguageCode(const QString &localeName)
{
    if (localeName == QLatin1String("zh_TW") || localeName == QLatin1String("zh_HK"))
        return QStringLiteral("zh_TW");
    // Simplified Chinese locales get Simplified Chinese.
    if (localeName == QLatin1String("zh_CN") || localeName == QLatin1String("zh_SG"))
        return QStringLiteral("zh_CN");

    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> codes;
        for (const char *code : {"en", "fr", "de", "ja", "es", "ko", "nl", "pt", "it", "tr", "ar"})
            codes.insert(QLatin1String(code), QLatin1String(code));
        return codes;
    }();
    const QString prefix = (localeName.size() < 3 ? localeName : localeName.left(2)).toLower();
    return table.value(prefix, QStringLiteral("en"));
}

QString LinkManager::getLink(const QString &category, const QString &key,
                             const QString &language) const
{
    const QJsonValue value = m_links.value(category).toObject().value(key);
    if (value.isString())
        return value.toString();
    const QJsonObject perLanguage = value.toObject();
    if (perLanguage.isEmpty())
        return QString();
    for (const QString &code : {language, m_fallbackLanguage, QStringLiteral("en")}) {
        const QString link = perLanguage.value(code).toString();
        if (!link.isEmpty())
            return link;
    }
    return QString();
}

QString LinkManager::getLink(const QString &category, const QString &key) const
{
    return getLink(category, key, m_currentLanguage);
}

QString LinkManager::getLinkWithFallback(const QString &category, const QString &key) const
{
    const QString link = getLink(category, key, m_currentLanguage);
    if (!link.isEmpty())
        return link;
    return getLink(category, key, m_fallbackLanguage);
}

bool LinkManager::openLink(const QString &category, const QString &key, QWidget *parent)
{
    return openLinkWithFallback(category, key, category, key, parent);
}

bool LinkManager::openLinkWithFallback(const QString &category, const QString &key,
                                       const QString &fallbackCategory,
                                       const QString &fallbackKey, QWidget *parent)
{
    const QString primary = getLinkWithFallback(category, key);
    const bool sameEntry = fallbackCategory == category && fallbackKey == key;
    QString fallback = getLink(fallbackCategory, fallbackKey,
                               sameEntry ? m_fallbackLanguage : m_currentLanguage);
    if (fallback.isEmpty())
        fallback = getLink(fallbackCategory, fallbackKey, m_fallbackLanguage);
    if (fallback.isEmpty())
        fallback = primary;

    if (primary.isEmpty()) {
        if (parent) {
            QMessageBox::warning(parent, tr("Link unavailable"),
                                 tr("The requested page link is not configured."),
                                 QMessageBox::Ok);
        }
        return false;
    }

    if (primary == fallback || !isWebLink(primary) || !isWebLink(fallback))
        return openInBrowser(primary, parent);

    precheckAndOpen(primary, fallback, parent);
    return true;
}

bool LinkManager::openInBrowser(const QString &link, QWidget *parent)
{
    if (QDesktopServices::openUrl(QUrl(link)))
        return true;
    if (parent)
        showBrowserFailure(link, parent);
    return false;
}

void LinkManager::precheckAndOpen(const QString &primary, const QString &fallback, QWidget *parent)
{
    auto *network = new QNetworkAccessManager(this);
    QNetworkRequest request{QUrl(primary)};
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Vistrelle/7.0"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setRawHeader("Range", "bytes=0-0");
    QNetworkReply *reply = network->get(request);

    auto *timer = new QTimer(network);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5% early
    QPointer<QNetworkReply> weakReply(reply);
    QPointer<QWidget> weakParent(parent);
    connect(timer, &QTimer::timeout, network, [weakReply] {
        if (!weakReply)
            return;
        weakReply->setProperty(kTimedOutProperty, true);
        weakReply->abort();
    });

    connect(reply, &QNetworkReply::finished, network,
            [reply, network, timer, weakParent, primary, fallback] {
                timer->stop();
                reply->deleteLater();
                network->deleteLater();

                const int status =
                    reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                const bool timedOut = reply->property(kTimedOutProperty).toBool();
                const QNetworkReply::NetworkError error = reply->error();
                const bool missing = status == 404 || status == 410
                    || error == QNetworkReply::ContentAccessDenied
                    || error == QNetworkReply::ContentOperationNotPermittedError
                    || error == QNetworkReply::ContentNotFoundError
                    || error == QNetworkReply::ContentReSendError;

                QString target = primary;
                if (missing) {
                    qInfo() << "[LinkManager] Page is missing, falling back to" << fallback
                            << ":" << primary;
                    target = fallback;
                } else if (timedOut || error != QNetworkReply::NoError) {
                    qWarning() << "[LinkManager] Unable to pre-check link, opening configured URL:"
                               << primary << reply->errorString();
                }
                if (!QDesktopServices::openUrl(QUrl(target)) && weakParent)
                    showBrowserFailure(target, weakParent);
            });
    timer->start(kLinkCheckTimeoutMs);
}

bool LinkManager::setLanguage(const QString &code)
{
    if (!m_supportedLanguages.contains(code))
        return false;
    if (code == m_currentLanguage)
        return true;
    QSettings settings;
    settings.setValue(QStringLiteral("ui/language"), code);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        // The next start would come back in the old language: do not announce this one.
        qWarning() << "[LinkManager] Could not store the interface language" << code
                   << "in" << settings.fileName();
        return false;
    }
    m_currentLanguage = code;
    emit languageChanged(code);
    return true;
}
