// Every user-visible text of the program must be translated in all thirteen languages:
// the texts are collected afresh from the whole source tree with lupdate and compared
// with the committed translation files, and the compiled files are checked in the
// resources. A translation must also be written in its language's own script: a text
// copied over unchanged from another script (English left in the Chinese interface,
// Chinese left in the English one) or a translation in another language's script fails,
// unless translations-kept.txt beside this test names it as a name, unit or format that
// stays the same in that language. A Chinese text of the code shown without tr() fails too.

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
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

#include <algorithm>

#include <QGuiApplication>

#include "app/InterfaceTranslations.h"

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

// The scripts a text can be written in, as far as these checks need to tell them apart.
enum Script : unsigned {
    Latin = 1,
    Han = 2,
    Kana = 4,
    Hangul = 8,
    Arabic = 16,
    CjkPunctuation = 32, // "，", "：", "（" and the like
};

// What is left of a text once its placeholders, HTML tags, entities and mnemonics are
// taken out: those stay the same in every language.
QString wording(const QString &text)
{
    static const QRegularExpression markup(
        QStringLiteral("%(\\d{1,2}|n)|<[^>]*>|&[a-zA-Z]+;|&(?=\\S)"));
    QString result = text;
    return result.remove(markup);
}

unsigned scriptsOf(const QString &text)
{
    unsigned scripts = 0;
    for (const QChar c : wording(text)) {
        const char16_t u = c.unicode();
        if ((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= 0xC0 && u <= 0x24F && u != 0xD7 && u != 0xF7))
            scripts |= Latin;
        else if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0xF900 && u <= 0xFAFF))
            scripts |= Han;
        else if (u >= 0x3040 && u <= 0x30FF)
            scripts |= Kana;
        else if ((u >= 0xAC00 && u <= 0xD7AF) || (u >= 0x1100 && u <= 0x11FF) || (u >= 0x3130 && u <= 0x318F))
            scripts |= Hangul;
        else if ((u >= 0x3000 && u <= 0x303F) || (u >= 0xFF00 && u <= 0xFF60))
            scripts |= CjkPunctuation;
        else if ((u >= 0x0600 && u <= 0x06FF) || (u >= 0x0750 && u <= 0x077F) || (u >= 0xFB50 && u <= 0xFDFF) || (u >= 0xFE70 && u <= 0xFEFC))
            scripts |= Arabic;
    }
    return scripts;
}

// The script a source text is written in: Chinese when it has any Chinese character
// ("GPU 加速" is Chinese), else Latin when it has letters; 0 for symbols and numbers only.
unsigned sourceScript(const QString &source)
{
    const unsigned scripts = scriptsOf(source);
    if (scripts & Han)
        return Han;
    return scripts & Latin;
}

// The scripts a language writes its words in, and those that have no place in it.
unsigned ownScripts(const QString &language)
{
    if (language.startsWith(QLatin1String("zh")))
        return Han;
    if (language == QLatin1String("ja"))
        return Han | Kana;
    if (language == QLatin1String("ko"))
        return Hangul;
    if (language == QLatin1String("ar"))
        return Arabic;
    return Latin;
}

unsigned foreignScripts(const QString &language)
{
    // Latin letters are at home everywhere (names like "FPS", "MP4", "Vistrelle").
    unsigned foreign = Han | Kana | Hangul | Arabic;
    // Full-width punctuation belongs to Chinese and Japanese.
    if (!(ownScripts(language) & Han))
        foreign |= CjkPunctuation;
    return foreign & ~ownScripts(language);
}

// What is wrong with an entry's translations into a language's script: a text copied
// from a source written in another script, a translation with words of another
// language's script, or one with no word in the language's own script.
QStringList scriptProblems(const Entry &e, const QString &language)
{
    QStringList problems;
    // Qt's own entry that names the layout direction ("LTR" or "RTL").
    if (!e.isLive() || !e.isFinished() || e.source == QLatin1String("QT_LAYOUT_DIRECTION"))
        return problems;
    const unsigned own = ownScripts(language);
    const unsigned script = sourceScript(e.source);
    for (const QString &t : e.translations) {
        QString problem;
        if (t == e.source && script != 0 && !(script & own))
            problem = QStringLiteral("left as in the source");
        else if (scriptsOf(t) & foreignScripts(language))
            problem = QStringLiteral("written in another language's script");
        else if (script != 0 && !(scriptsOf(t) & own))
            problem = QStringLiteral("not written in the language's own script");
        if (!problem.isEmpty())
            problems << QStringLiteral("%1: [%2] %3 -> %4").arg(problem, e.context, e.source, t);
    }
    return problems;
}

// translations-kept.txt: one source text per line ("\n" stands for a line break), kept
// unchanged in every language, or only in the languages a leading "[ja ko]" names.
struct KeptText {
    QString source;
    QStringList languages; // empty: every language
};

QList<KeptText> readKeptTexts(QString *error)
{
    QFile file(QStringLiteral(VISTRELLE_SOURCE_DIR "/tests/shell/translations-kept.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = file.fileName() + QStringLiteral(": ") + file.errorString();
        return {};
    }
    static const QRegularExpression languagePrefix(QStringLiteral("^\\[([a-zA-Z_ ]+)\\] (.+)$"));
    QList<KeptText> result;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        KeptText kept;
        kept.source = line;
        const auto match = languagePrefix.match(line);
        if (match.hasMatch()) {
            kept.languages = match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            kept.source = match.captured(2);
        }
        kept.source.replace(QLatin1String("\\n"), QLatin1String("\n"));
        result << kept;
    }
    return result;
}

// A string literal of a C++ source file (adjacent literals joined, escapes resolved as far
// as texts need them) with the code in front of it.
struct Literal {
    QString text;
    QString before;
};

QList<Literal> stringLiterals(const QString &code)
{
    QList<Literal> result;
    const qsizetype n = code.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('/') && i + 1 < n && code.at(i + 1) == QLatin1Char('/')) {
            i = code.indexOf(QLatin1Char('\n'), i);
            if (i < 0)
                break;
        } else if (c == QLatin1Char('/') && i + 1 < n && code.at(i + 1) == QLatin1Char('*')) {
            i = code.indexOf(QLatin1String("*/"), i + 2);
            if (i < 0)
                break;
            ++i;
        } else if (c == QLatin1Char('\'')) {
            for (++i; i < n && code.at(i) != QLatin1Char('\''); ++i) {
                if (code.at(i) == QLatin1Char('\\'))
                    ++i;
            }
        } else if (c == QLatin1Char('"')) {
            Literal literal;
            literal.before = code.mid(std::max<qsizetype>(0, i - 200), std::min<qsizetype>(i, 200));
            while (i < n && code.at(i) == QLatin1Char('"')) {
                for (++i; i < n && code.at(i) != QLatin1Char('"'); ++i) {
                    QChar d = code.at(i);
                    if (d == QLatin1Char('\\') && i + 1 < n) {
                        d = code.at(++i);
                        if (d == QLatin1Char('n'))
                            d = QLatin1Char('\n');
                    }
                    literal.text += d;
                }
                // "abc" "def" is one literal.
                qsizetype next = i + 1;
                while (next < n && code.at(next).isSpace())
                    ++next;
                if (next < n && code.at(next) == QLatin1Char('"'))
                    i = next;
                else
                    break;
            }
            result << literal;
        }
    }
    return result;
}

// Whether a literal is the text argument of tr(), translate() or their no-op markers.
bool isTranslatedText(const Literal &literal)
{
    static const QRegularExpression call(QStringLiteral(
        "(\\btr|QT_TR_N?_?NOOP)\\(\\s*$|\\b(translate|QT_TRANSLATE_N?_?NOOP)\\(\\s*\"[^\"]*\"\\s*,\\s*$"));
    return call.match(literal.before).hasMatch();
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
    void translationsAreWrittenInTheirLanguage_data() { everyTextIsTranslated_data(); }
    void translationsAreWrittenInTheirLanguage();
    void keptTextsAreNeeded();
    void chineseTextsOfTheCodeGoThroughTranslation();
    void compiledTranslationsAreBuiltIn();
    void arabicLaysOutRightToLeft();
    void qtsOwnTextsAreTranslatedToo();
    void widgetsWriteTheDigitsOfTheTexts();

private:
    const KeptText *keptText(const QString &source, const QString &language) const;

    QStringList m_languages;
    QList<Entry> m_codeTexts;
    QList<KeptText> m_kept;
};

const KeptText *TestTranslations::keptText(const QString &source, const QString &language) const
{
    for (const KeptText &kept : m_kept) {
        if (kept.source == source && (kept.languages.isEmpty() || kept.languages.contains(language)))
            return &kept;
    }
    return nullptr;
}

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
    for (const char *dir : {"app", "recording", "platform", "preparation", "overlays", "library", "dialogs", "widgets"}) {
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

    QString error;
    m_kept = readKeptTexts(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (const KeptText &kept : std::as_const(m_kept)) {
        for (const QString &language : kept.languages)
            QVERIFY2(m_languages.contains(language), qPrintable(QStringLiteral("translations-kept.txt: no language ") + language));
    }
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

void TestTranslations::translationsAreWrittenInTheirLanguage()
{
    QFETCH(QString, language);
    const TsFile ts = readTs(tsPath(language));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));

    QStringList problems;
    for (const Entry &e : ts.entries) {
        if (keptText(e.source, language))
            continue;
        for (const QString &problem : scriptProblems(e, language))
            problems << problem;
    }
    if (!problems.isEmpty()) {
        QFAIL(qPrintable(QStringLiteral("%1 text(s) of Vistrelle_%2.ts are not translated into the language (translate "
                                        "them, or name a text that stays the same in tests/shell/translations-kept.txt):"
                                        "\n  %3")
                             .arg(problems.size())
                             .arg(language, problems.join(QStringLiteral("\n  ")))));
    }
}

void TestTranslations::keptTextsAreNeeded()
{
    QSet<QString> sources;
    for (const Entry &e : std::as_const(m_codeTexts))
        sources.insert(e.source);
    QMap<QString, QList<Entry>> entriesByLanguage;
    for (const QString &language : std::as_const(m_languages))
        entriesByLanguage.insert(language, readTs(tsPath(language)).entries);

    QStringList stale;
    for (const KeptText &kept : std::as_const(m_kept)) {
        if (!sources.contains(kept.source)) {
            stale << kept.source + QStringLiteral(" (no text of the program)");
            continue;
        }
        bool needed = false;
        for (const QString &language : std::as_const(m_languages)) {
            if (!kept.languages.isEmpty() && !kept.languages.contains(language))
                continue;
            for (const Entry &e : entriesByLanguage.value(language)) {
                if (e.source == kept.source && !scriptProblems(e, language).isEmpty())
                    needed = true;
            }
        }
        if (!needed)
            stale << kept.source + QStringLiteral(" (translated in every language it names)");
    }
    QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("translations-kept.txt has lines it does not need:\n  ")
                                         + stale.join(QStringLiteral("\n  "))));
}

void TestTranslations::chineseTextsOfTheCodeGoThroughTranslation()
{
    // Chinese words the code uses on purpose without translating them: each language's
    // own name in the language menu, names of Windows sound devices to look for, and the
    // suffixes of the library's output file names.
    const QStringList untranslated{
        QStringLiteral("简体中文"), QStringLiteral("繁體中文"), QStringLiteral("日本語"),
        QStringLiteral("立体声混音"), QStringLiteral("麦克风"),
        QStringLiteral("_音量调整"), QStringLiteral("_转换"), QStringLiteral("_已编辑"),
        QStringLiteral("_片段1."), QStringLiteral("_片段2."),
    };
    QStringList bypassing;
    const QDir root(QStringLiteral(VISTRELLE_SOURCE_DIR));
    for (const char *dir : {"app", "recording", "platform", "preparation", "overlays", "library", "dialogs", "widgets"}) {
        QDirIterator it(root.filePath(QLatin1String(dir)), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            for (const Literal &literal : stringLiterals(QString::fromUtf8(file.readAll()))) {
                if ((scriptsOf(literal.text) & Han) && !untranslated.contains(literal.text) && !isTranslatedText(literal))
                    bypassing << QStringLiteral("%1: \"%2\"").arg(root.relativeFilePath(path), literal.text);
            }
        }
    }
    QVERIFY2(bypassing.isEmpty(), qPrintable(QStringLiteral("Chinese texts shown without tr():\n  ")
                                             + bypassing.join(QStringLiteral("\n  "))));
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

void TestTranslations::qtsOwnTextsAreTranslatedToo()
{
    // The Yes and No of message boxes and the texts of Qt's dialogs come from Qt's own
    // translation, which the program installs beside its own.
    const auto removeAll = [] { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>()); };
    QVERIFY(InterfaceTranslations::install(QStringLiteral("zh_CN")));
    QCOMPARE(QCoreApplication::translate("LinkManager", "Link unavailable"), QStringLiteral("链接不可用"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("是(&Y)"));
    removeAll();
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));

    // Portuguese finds Qt's Brazilian file.
    QVERIFY(InterfaceTranslations::install(QStringLiteral("pt")));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sim"));
    removeAll();
}

void TestTranslations::widgetsWriteTheDigitsOfTheTexts()
{
    // Egypt writes Arabic-Indic digits: spin boxes and calendars would show "٢٤" beside
    // the program's "50%". The same language's 0-9, with its own month names.
    const QLocale egypt(QStringLiteral("ar_EG"));
    QCOMPARE(egypt.zeroDigit(), QStringLiteral("٠"));
    const QLocale western = InterfaceTranslations::withWesternDigits(egypt);
    QCOMPARE(western.toString(24), QStringLiteral("24"));
    QCOMPARE(western.language(), QLocale::Arabic);
    QCOMPARE(western.monthName(1), egypt.monthName(1));
    QCOMPARE(InterfaceTranslations::withWesternDigits(QLocale(QStringLiteral("de_DE"))).name(), QStringLiteral("de_DE"));
}

QTEST_MAIN(TestTranslations)
#include "tst_shell_translations.moc"
