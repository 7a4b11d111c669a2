// The link and language manager: the built-in link table, language choice, link lookup,
// the one-byte existence check of localised pages against a small HTTP server on
// 127.0.0.1, and the warning boxes when a link is missing or no browser can be started.

#include "app/LinkManager.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

namespace {

// Answers GET /<lang>/<case> with the status the case names; "slow" never answers.
class PageServer : public QObject
{
    Q_OBJECT
public:
    PageServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    bool listen() { return m_server.listen(QHostAddress::LocalHost); }
    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server.serverPort()).arg(path);
    }
    QStringList requests;

private:
    void answer(QTcpSocket *socket)
    {
        m_buffers[socket] += socket->readAll();
        const QByteArray request = m_buffers.value(socket);
        if (!request.contains("\r\n\r\n"))
            return;
        m_buffers.remove(socket);
        requests << QString::fromLatin1(request);
        const QByteArray path = request.split(' ').value(1);
        const QByteArray page = path.mid(path.lastIndexOf('/') + 1);
        QByteArray status;
        if (page == "c404")
            status = "404 Not Found";
        else if (page == "c410")
            status = "410 Gone";
        else if (page == "c206")
            status = "206 Partial Content";
        else if (page == "slow")
            return;
        else
            status = "200 OK";
        QByteArray body = "x";
        socket->write("HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size())
                      + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

// Closes the next modal box and remembers its title and text.
struct BoxWatcher {
    QString title;
    QString text;
    void arm()
    {
        title.clear();
        text.clear();
        auto *timer = new QTimer;
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                box->close();
                timer->deleteLater();
            }
        });
        timer->start();
    }
};

} // namespace

class TestLinkManager : public QObject
{
    Q_OBJECT

public slots:
    void recordUrl(const QUrl &url) { m_opened << url.toString(); }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void builtInTableHasEveryLanguage();
    void mapsLocaleNames_data();
    void mapsLocaleNames();
    void settlesLanguageFromSetting_data();
    void settlesLanguageFromSetting();
    void followsSystemLocaleOnAuto();
    void setLanguageStoresAndSignalsOnlyChanges();
    void findsLinksWithFallbacks();
    void opensDirectlyWhenNoCheckIsNeeded();
    void checksLocalisedPage_data();
    void checksLocalisedPage();
    void slowServerOpensConfiguredPageAfterTimeout();
    void missingLinkWarns();
    void browserFailureWarns();
    void browserFailureAfterCheckWarns();

private:
    void writeTable();
    QTemporaryDir m_dir;
    QString m_table;
    PageServer m_server;
    QStringList m_opened;
};

void TestLinkManager::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_server.listen());
    writeTable();
}

void TestLinkManager::writeTable()
{
    QJsonObject support;
    for (const char *key : {"c404", "c410", "c200", "c206", "slow"}) {
        support.insert(QLatin1String(key),
                       QJsonObject{{QStringLiteral("en"), m_server.url(QStringLiteral("en/") + QLatin1String(key))},
                                   {QStringLiteral("de"), m_server.url(QStringLiteral("de/") + QLatin1String(key))}});
    }
    support.insert(QStringLiteral("plain"), QStringLiteral("https://vistrelle.example/plain"));
    support.insert(QStringLiteral("local"), QJsonObject{{QStringLiteral("en"), QStringLiteral("file:///tmp/en.html")},
                                                        {QStringLiteral("de"), QStringLiteral("file:///tmp/de.html")}});
    support.insert(QStringLiteral("englishOnly"),
                   QJsonObject{{QStringLiteral("en"), QStringLiteral("https://vistrelle.example/en/only")}});
    support.insert(QStringLiteral("empty"), QJsonObject{});
    const QJsonObject root{
        {QStringLiteral("metadata"),
         QJsonObject{{QStringLiteral("supported_languages"), QJsonArray{QStringLiteral("en"), QStringLiteral("de"), QString()}},
                     {QStringLiteral("fallback_language"), QStringLiteral("en")}}},
        {QStringLiteral("support"), support}};
    m_table = m_dir.filePath(QStringLiteral("links.json"));
    QFile file(m_table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(root).toJson());
}

void TestLinkManager::init()
{
    QSettings().remove(QStringLiteral("ui/language"));
    m_opened.clear();
    m_server.requests.clear();
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "recordUrl");
}

void TestLinkManager::cleanup()
{
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void TestLinkManager::builtInTableHasEveryLanguage()
{
    LinkManager manager;
    const QStringList languages{"en", "fr", "de", "ja", "zh_CN", "zh_TW", "es", "ko", "nl", "pt", "it", "tr", "ar"};
    QCOMPARE(manager.supportedLanguages(), languages);
    QCOMPARE(manager.fallbackLanguage(), QStringLiteral("en"));

    const QList<QPair<QString, QString>> keys{{"support", "help"}, {"support", "contact"}, {"support", "tutorial"},
                                              {"support", "faq"},  {"menu", "about"},      {"menu", "support"},
                                              {"website", "home"}};
    for (const auto &[category, key] : keys) {
        QSet<QString> links;
        for (const QString &language : languages) {
            const QString link = manager.getLink(category, key, language);
            const QUrl url(link);
            QVERIFY2(url.isValid() && url.scheme() == QLatin1String("https")
                         && url.host() == QLatin1String("vistrelle.example"),
                     qPrintable(category + QLatin1Char('/') + key + QLatin1Char(' ') + language));
            links.insert(link);
        }
        QCOMPARE(links.size(), languages.size()); // a page of its own for every language
    }
}

void TestLinkManager::mapsLocaleNames_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");
    QTest::newRow("pt_BR") << "pt_BR" << "pt";
    QTest::newRow("de_AT") << "de_AT" << "de";
    QTest::newRow("ar_EG") << "ar_EG" << "ar";
    QTest::newRow("sv_SE unsupported") << "sv_SE" << "en";
    QTest::newRow("zh_TW") << "zh_TW" << "zh_TW";
    QTest::newRow("zh_HK") << "zh_HK" << "zh_TW";
    QTest::newRow("zh_CN simplified") << "zh_CN" << "zh_CN";
    QTest::newRow("zh_SG simplified") << "zh_SG" << "zh_CN";
    QTest::newRow("bare ja") << "ja" << "ja";
    QTest::newRow("C locale") << "C" << "en";
    QTest::newRow("upper case") << "FR_fr" << "fr";
}

void TestLinkManager::mapsLocaleNames()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    QCOMPARE(LinkManager::mapQtLanguageCode(locale), code);
}

void TestLinkManager::settlesLanguageFromSetting_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("language");
    QTest::newRow("trimmed") << " fr " << "fr";
    QTest::newRow("supported") << "ar" << "ar";
    QTest::newRow("unsupported") << "xx" << "en";
    QTest::newRow("Auto is not auto") << "Auto" << "en";
    QTest::newRow("case matters") << "ZH_cn" << "en";
}

void TestLinkManager::settlesLanguageFromSetting()
{
    QFETCH(QString, setting);
    QFETCH(QString, language);
    QSettings().setValue(QStringLiteral("ui/language"), setting);
    QCOMPARE(LinkManager().currentLanguage(), language);
}

void TestLinkManager::followsSystemLocaleOnAuto()
{
    // main() starts this test with a German (Austria) system locale.
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_AT"));
    QCOMPARE(LinkManager().currentLanguage(), QStringLiteral("de"));
    QSettings().setValue(QStringLiteral("ui/language"), QStringLiteral("auto"));
    QCOMPARE(LinkManager().currentLanguage(), QStringLiteral("de"));
}

void TestLinkManager::setLanguageStoresAndSignalsOnlyChanges()
{
    QSettings().setValue(QStringLiteral("ui/language"), QStringLiteral("ja"));
    LinkManager manager;
    QSignalSpy spy(&manager, &LinkManager::languageChanged);
    QVERIFY(manager.setLanguage(QStringLiteral("ja")));
    QVERIFY(!manager.setLanguage(QStringLiteral("sv")));
    QCOMPARE(spy.count(), 0);
    QVERIFY(manager.setLanguage(QStringLiteral("ko")));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("ko"));
    QCOMPARE(manager.currentLanguage(), QStringLiteral("ko"));
    QCOMPARE(QSettings().value(QStringLiteral("ui/language")).toString(), QStringLiteral("ko"));

    // A store that cannot be written (its folder lies below a regular file, which even
    // root cannot get around): nothing is announced and the language stays.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString realPath = QFileInfo(QSettings().fileName()).absolutePath();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName() + QStringLiteral("/cfg"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Could not store the interface language")));
    const bool stored = manager.setLanguage(QStringLiteral("fr"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QFileInfo(realPath).absolutePath());
    QVERIFY(!stored);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(manager.currentLanguage(), QStringLiteral("ko"));
}

void TestLinkManager::findsLinksWithFallbacks()
{
    LinkManager manager;
    QVERIFY(manager.loadLinks(m_table));
    QCOMPARE(manager.supportedLanguages(), QStringList({"en", "de"})); // the empty code is skipped
    QCOMPARE(manager.getLink("support", "plain", "de"), QStringLiteral("https://vistrelle.example/plain"));
    QCOMPARE(manager.getLink("support", "plain", "zz"), QStringLiteral("https://vistrelle.example/plain"));
    QCOMPARE(manager.getLink("support", "c200", "de"), m_server.url("de/c200"));
    QCOMPARE(manager.getLink("support", "c200", "fr"), m_server.url("en/c200"));
    QCOMPARE(manager.getLink("support", "englishOnly", "de"), QStringLiteral("https://vistrelle.example/en/only"));
    QCOMPARE(manager.getLink("support", "empty", "en"), QString());
    QCOMPARE(manager.getLink("support", "nothing", "en"), QString());
    QCOMPARE(manager.getLink("nowhere", "c200", "en"), QString());

    QVERIFY(!manager.loadLinks(m_dir.filePath(QStringLiteral("absent.json"))));
    QFile broken(m_dir.filePath(QStringLiteral("broken.json")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("[1, 2, 3]");
    broken.close();
    QVERIFY(!manager.loadLinks(broken.fileName()));
}

void TestLinkManager::opensDirectlyWhenNoCheckIsNeeded()
{
    LinkManager manager;
    QVERIFY(manager.loadLinks(m_table));
    QCOMPARE(manager.currentLanguage(), QStringLiteral("de"));
    manager.setLanguage(QStringLiteral("en"));

    // English is the fallback: primary and fallback are one page, no request is made.
    QVERIFY(manager.openLink("support", "c404"));
    QCOMPARE(m_opened, QStringList{m_server.url("en/c404")});

    // Links that are not web pages open directly too.
    manager.setLanguage(QStringLiteral("de"));
    QVERIFY(manager.openLink("support", "local"));
    QCOMPARE(m_opened.last(), QStringLiteral("file:///tmp/de.html"));

    // The same page for all languages.
    QVERIFY(manager.openLink("support", "plain"));
    QCOMPARE(m_opened.last(), QStringLiteral("https://vistrelle.example/plain"));

    QTest::qWait(100);
    QVERIFY(m_server.requests.isEmpty());
}

void TestLinkManager::checksLocalisedPage_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("opened");
    QTest::newRow("404 falls back") << "c404" << "en/c404";
    QTest::newRow("410 falls back") << "c410" << "en/c410";
    QTest::newRow("200 opens German") << "c200" << "de/c200";
    QTest::newRow("206 opens German") << "c206" << "de/c206";
}

void TestLinkManager::checksLocalisedPage()
{
    QFETCH(QString, key);
    QFETCH(QString, opened);
    LinkManager manager;
    QVERIFY(manager.loadLinks(m_table));
    QCOMPARE(manager.currentLanguage(), QStringLiteral("de"));

    if (opened.startsWith(QLatin1String("en/"))) {
        // Links are logged as quoted strings, like every other string value.
        QTest::ignoreMessage(QtInfoMsg, qPrintable(QStringLiteral("[LinkManager] Page is missing, falling back to \"%1\" : \"%2\"")
                                                       .arg(m_server.url(opened), m_server.url(QStringLiteral("de/") + key))));
    }
    QVERIFY(manager.openLink("support", key));
    QVERIFY(m_opened.isEmpty()); // only after the check
    QTRY_COMPARE_WITH_TIMEOUT(m_opened.size(), 1, 10000);
    QCOMPARE(m_opened.first(), m_server.url(opened));

    QCOMPARE(m_server.requests.size(), 1);
    const QString request = m_server.requests.first();
    QVERIFY(request.startsWith(QStringLiteral("GET /de/") + key + QLatin1Char(' ')));
    QVERIFY(request.contains(QLatin1String("\r\nRange: bytes=0-0\r\n"), Qt::CaseInsensitive));
    QVERIFY(request.contains(QLatin1String("\r\nUser-Agent: Vistrelle/7.0\r\n"), Qt::CaseInsensitive));
}

void TestLinkManager::slowServerOpensConfiguredPageAfterTimeout()
{
    LinkManager manager;
    QVERIFY(manager.loadLinks(m_table));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(manager.openLink("support", "slow"));
    QTRY_COMPARE_WITH_TIMEOUT(m_opened.size(), 1, 10000);
    QVERIFY2(clock.elapsed() >= LinkManager::kLinkCheckTimeoutMs - 100, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_opened.first(), m_server.url("de/slow"));
}

void TestLinkManager::missingLinkWarns()
{
    LinkManager manager;
    QVERIFY(manager.loadLinks(m_table));
    QWidget parent;
    BoxWatcher box;
    box.arm();
    QVERIFY(!manager.openLink("support", "nothing", &parent));
    QCOMPARE(box.title, QStringLiteral("Link unavailable"));
    QCOMPARE(box.text, QStringLiteral("The requested page link is not configured."));
    QVERIFY(!manager.openLink("support", "nothing")); // no parent: no box
    QVERIFY(m_opened.isEmpty());
}

void TestLinkManager::browserFailureWarns()
{
    cleanup(); // no handler: the offscreen platform cannot start a browser
    LinkManager manager;
    QVERIFY(manager.loadLinks(m_table));
    QWidget parent;
    BoxWatcher box;
    box.arm();
    QVERIFY(!manager.openLink("support", "plain", &parent));
    QCOMPARE(box.title, QStringLiteral("Unable to open browser"));
    QVERIFY(box.text.endsWith(QStringLiteral("\nhttps://vistrelle.example/plain")));
}

void TestLinkManager::browserFailureAfterCheckWarns()
{
    cleanup();
    LinkManager manager;
    QVERIFY(manager.loadLinks(m_table));
    auto *parent = new QWidget;
    BoxWatcher box;
    box.arm();
    QVERIFY(manager.openLink("support", "c404", parent));
    QTRY_VERIFY_WITH_TIMEOUT(!box.text.isEmpty(), 10000);
    QCOMPARE(box.title, QStringLiteral("Unable to open browser"));
    QVERIFY(box.text.endsWith(QLatin1Char('\n') + m_server.url("en/c404")));

    // A parent gone before the check ends gets no box, and nothing crashes.
    QVERIFY(manager.openLink("support", "c200", parent));
    delete parent;
    QTest::qWait(500);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("LC_ALL", "de_AT.UTF-8");
    qputenv("LANG", "de_AT.UTF-8");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    TestLinkManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell_links.moc"
