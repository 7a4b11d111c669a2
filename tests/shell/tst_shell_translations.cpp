// Every user-visible text of the program must be translated in all thirteen languages:
// the texts are collected afresh from the whole source tree with lupdate and compared
// with the committed translation files, and the compiled files are checked in the
// resources.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <QGuiApplication>

namespace {

struct Entry {
    QString context;
    QString source;
    QString comment;
    QStringList translations; // one, or one per plural form
    QString type;             // "", "unfinished", "vanished", "obsolete"
    bool numerus = false;

    QString key() const { return context + QChar(0x1f) + source + QChar(0x1f) + comment; }
    bool isLive() const { return type != QLatin1String("vanished") && type != QLatin1String("obsolete"); }
    bool isFinished() const
    {
        if (type == QLatin1String("unfinished") || translations.isEmpty())
            return false;
        for (const QString &t : translations) {
            if (t.trimmed().isEmpty())
                return false;
        }
        return true;
    }
};

struct TsFile {
    QString language;
    QList<Entry> entries;
    QString error;
};

TsFile readTs(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open %1").arg(path);
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    bool inMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                ts.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == QLatin1String("name") && !inMessage) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                inMessage = true;
                entry = Entry();
                entry.context = context;
                entry.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (inMessage && name == QLatin1String("source")) {
                entry.source = xml.readElementText();
            } else if (inMessage && name == QLatin1String("comment")) {
                entry.comment = xml.readElementText();
            } else if (inMessage && name == QLatin1String("translation")) {
                entry.type = xml.attributes().value(QLatin1String("type")).toString();
                if (!entry.numerus)
                    entry.translations << xml.readElementText();
            } else if (inMessage && name == QLatin1String("numerusform")) {
                entry.translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            inMessage = false;
            ts.entries << entry;
        }
    }
    if (xml.hasError())
        ts.error = QStringLiteral("%1: %2 at line %3").arg(path, xml.errorString()).arg(xml.lineNumber());
    return ts;
}

QStringList languagesOfLinkTable()
{
    QFile file(QStringLiteral(VISTRELLE_SOURCE_DIR "/resources/data/links.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonArray codes = QJsonDocument::fromJson(file.readAll())
                                 .object()
                                 .value(QLatin1String("metadata"))
                                 .toObject()
                                 .value(QLatin1String("supported_languages"))
                                 .toArray();
    QStringList result;
    for (const QJsonValue &code : codes)
        result << code.toString();
    return result;
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(\\d{1,2}|n)"));
    QSet<QString> result;
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        result.insert(it.next().captured(0));
    return result;
}

QString tsPath(const QString &language)
{
    return QStringLiteral(VISTRELLE_SOURCE_DIR "/resources/translations/Vistrelle_%1.ts").arg(language);
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void compiledTranslationsAreBuiltIn();
    void arabicLaysOutRightToLeft();

private:
    QStringList m_languages;
    QList<Entry> m_codeTexts;
};

void TestTranslations::initTestCase()
{
    m_languages = languagesOfLinkTable();
    QCOMPARE(m_languages.size(), 13);

    // Collect the texts of the code exactly as scripts/update-translations.sh does.
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString collected = tmp.filePath(QStringLiteral("collected.ts"));
    QStringList args{QStringLiteral("-silent"), QStringLiteral("-I"), QStringLiteral(VISTRELLE_SOURCE_DIR),
                     QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-ui-lines"),
                     QStringLiteral("-extensions"), QStringLiteral("cpp,h")};
    const QDir root(QStringLiteral(VISTRELLE_SOURCE_DIR));
    for (const char *dir : {"app", "recording", "platform", "preparation", "overlays", "library", "dialogs"}) {
        if (root.exists(QLatin1String(dir)))
            args << root.filePath(QLatin1String(dir));
    }
    args << QStringLiteral("-ts") << collected;
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(VISTRELLE_LUPDATE), args);
    QVERIFY2(lupdate.waitForFinished(90000), "lupdate did not finish");
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());

    const TsFile ts = readTs(collected);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    m_codeTexts = ts.entries;
    // The collection itself must work: a text this program certainly has.
    bool found = false;
    for (const Entry &e : std::as_const(m_codeTexts))
        found = found || (e.context == QLatin1String("LinkManager") && e.source == QLatin1String("Link unavailable"));
    QVERIFY2(found, "lupdate did not collect the texts of the code");
}

void TestTranslations::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : std::as_const(m_languages))
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, language);
    const TsFile ts = readTs(tsPath(language));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QCOMPARE(ts.language, language);

    QMap<QString, Entry> byKey;
    for (const Entry &e : ts.entries)
        byKey.insert(e.key(), e);

    QStringList problems;
    for (const Entry &code : std::as_const(m_codeTexts)) {
        const auto it = byKey.constFind(code.key());
        if (it == byKey.constEnd() || !it->isLive()) {
            problems << QStringLiteral("not in the file: [%1] %2").arg(code.context, code.source);
        }
    }
    for (const Entry &e : ts.entries) {
        if (!e.isLive())
            continue;
        if (!e.isFinished()) {
            problems << QStringLiteral("unfinished: [%1] %2").arg(e.context, e.source);
            continue;
        }
        // A plural form may spell the number out instead of showing %n.
        QSet<QString> wanted = placeholders(e.source);
        if (e.numerus)
            wanted.insert(QStringLiteral("%n"));
        for (const QString &t : e.translations) {
            QSet<QString> got = placeholders(t);
            if (e.numerus)
                got.insert(QStringLiteral("%n"));
            if (got != wanted)
                problems << QStringLiteral("placeholders differ: [%1] %2 -> %3").arg(e.context, e.source, t);
        }
    }
    if (!problems.isEmpty()) {
        QFAIL(qPrintable(QStringLiteral("%1 problem(s) in Vistrelle_%2.ts (run scripts/update-translations.sh, then "
                                        "translate):\n  %3")
                             .arg(problems.size())
                             .arg(language, problems.join(QStringLiteral("\n  ")))));
    }
}

void TestTranslations::compiledTranslationsAreBuiltIn()
{
    for (const QString &language : std::as_const(m_languages)) {
        QTranslator translator;
        const QString path = QStringLiteral(":/translations/Vistrelle_%1.qm").arg(language);
        QVERIFY2(translator.load(path), qPrintable(path));
        QCOMPARE(translator.language(), language);
    }
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/translations/Vistrelle_en.qm")));
    QCOMPARE(english.translate("GlobalHotkey", "%1（不支持的按键）"), QStringLiteral("%1 (unsupported key)"));
}

void TestTranslations::arabicLaysOutRightToLeft()
{
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QTranslator arabic;
    QVERIFY(arabic.load(QStringLiteral(":/translations/Vistrelle_ar.qm")));
    QVERIFY(QCoreApplication::installTranslator(&arabic));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    QCoreApplication::removeTranslator(&arabic);

    QTranslator french;
    QVERIFY(french.load(QStringLiteral(":/translations/Vistrelle_fr.qm")));
    QVERIFY(QCoreApplication::installTranslator(&french));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QCoreApplication::removeTranslator(&french);
}

QTEST_MAIN(TestTranslations)
#include "tst_shell_translations.moc"
