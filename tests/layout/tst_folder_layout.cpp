#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// The source folders are layered: a folder may include the ones below it, never one that
// includes it back (directly or through others), so each can be read and built on its own.
class FolderLayoutTest : public QObject
{
    Q_OBJECT

    using Graph = QMap<QString, QMap<QString, QString>>; // folder -> included folder -> example

    // The folders the program is built from: the build's own list (VISTRELLE_SOURCE_DIRS).
    static QStringList folders()
    {
        return QStringLiteral(VISTRELLE_SOURCE_DIRS).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }

    // The top folder of the source tree that an include line reaches, however it is spelt:
    // "folder/X.h" and <folder/X.h> from the source root, "X.h" and "../folder/X.h" from the
    // including file's folder first, as the compiler looks. Empty for a line that includes
    // nothing of the source tree (Qt, the system).
    static QString includedFolder(const QString &line, const QString &fileFolder)
    {
        static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*([\"<])([^\">]+)[\">]"));
        const QRegularExpressionMatch m = include.match(line);
        if (!m.hasMatch())
            return QString();
        const QDir root(QStringLiteral(VISTRELLE_SOURCE_DIR));
        QStringList candidates;
        if (m.captured(1) == QLatin1String("\""))
            candidates << QDir(fileFolder).filePath(m.captured(2));
        candidates << root.filePath(m.captured(2));
        for (const QString &candidate : candidates) {
            const QString path = QDir::cleanPath(candidate);
            if (!QFileInfo(path).isFile())
                continue;
            const QString relative = root.relativeFilePath(path);
            return relative.startsWith(QLatin1String("../")) ? QString() : relative.section(QLatin1Char('/'), 0, 0);
        }
        return QString();
    }

    static Graph includeGraph()
    {
        const QStringList all = folders();
        Graph graph;
        for (const QString &folder : all) {
            graph[folder];
            QDirIterator it(QStringLiteral(VISTRELLE_SOURCE_DIR "/") + folder,
                            {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                    continue;
                const QString fileFolder = it.fileInfo().absolutePath();
                while (!file.atEnd()) {
                    const QString line = QString::fromUtf8(file.readLine()).trimmed();
                    const QString target = includedFolder(line, fileFolder);
                    if (all.contains(target) && target != folder)
                        graph[folder].insert(target, it.fileName() + QStringLiteral(": ") + line);
                }
            }
        }
        return graph;
    }

    // A path of includes leading back to its start, empty when there is none.
    static QStringList cycleFrom(const Graph &graph, const QString &folder, QStringList &path,
                                 QSet<QString> &done)
    {
        if (path.contains(folder))
            return path.mid(path.indexOf(folder)) << folder;
        if (done.contains(folder))
            return {};
        path << folder;
        for (const QString &next : graph.value(folder).keys()) {
            const QStringList cycle = cycleFrom(graph, next, path, done);
            if (!cycle.isEmpty())
                return cycle;
        }
        path.removeLast();
        done.insert(folder);
        return {};
    }

private slots:
    void includeSpellings()
    {
        const QString app = QStringLiteral(VISTRELLE_SOURCE_DIR "/app");
        const QString recording = QStringLiteral(VISTRELLE_SOURCE_DIR "/recording");
        QVERIFY(folders().contains(QStringLiteral("app")) && folders().contains(QStringLiteral("recording")));
        QCOMPARE(includedFolder(QStringLiteral("#include \"recording/Recorder.h\""), app), QStringLiteral("recording"));
        QCOMPARE(includedFolder(QStringLiteral("#include \"../recording/Recorder.h\""), app), QStringLiteral("recording"));
        QCOMPARE(includedFolder(QStringLiteral("# include <recording/Recorder.h>"), app), QStringLiteral("recording"));
        QCOMPARE(includedFolder(QStringLiteral("#include \"Recorder.h\""), recording), QStringLiteral("recording"));
        QCOMPARE(includedFolder(QStringLiteral("#include \"Recorder.h\""), app), QString());
        QCOMPARE(includedFolder(QStringLiteral("#include <QString>"), app), QString());
    }

    void foldersIncludeNoCircle()
    {
        const Graph graph = includeGraph();
        QVERIFY(graph.value(QStringLiteral("app")).contains(QStringLiteral("recording")));
        QSet<QString> done;
        for (const QString &folder : graph.keys()) {
            QStringList path;
            const QStringList cycle = cycleFrom(graph, folder, path, done);
            QStringList report;
            for (int i = 0; i + 1 < cycle.size(); ++i)
                report << graph[cycle[i]][cycle[i + 1]];
            QVERIFY2(cycle.isEmpty(), qPrintable(cycle.join(QStringLiteral(" -> ")) + QStringLiteral("\n  ")
                                                 + report.join(QStringLiteral("\n  "))));
        }
    }

    void widgetsStandOnThePlatformAlone()
    {
        // The small widget helpers serve every window folder and use nothing but the
        // platform layer: what needs the recorder lives beside its users.
        const QMap<QString, QString> used = includeGraph().value(QStringLiteral("widgets"));
        QStringList report;
        for (auto it = used.cbegin(); it != used.cend(); ++it)
            if (it.key() != QLatin1String("platform"))
                report << it.value();
        QVERIFY2(report.isEmpty(), qPrintable(report.join(QStringLiteral("\n  "))));
    }
};

QTEST_GUILESS_MAIN(FolderLayoutTest)
#include "tst_folder_layout.moc"
