#include <QDirIterator>
#include <QFile>
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

    static Graph includeGraph()
    {
        const QStringList folders = {QStringLiteral("app"),     QStringLiteral("preparation"),
                                     QStringLiteral("overlays"), QStringLiteral("dialogs"),
                                     QStringLiteral("library"),  QStringLiteral("widgets"),
                                     QStringLiteral("recording"), QStringLiteral("platform")};
        static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"(\\w+)/"));
        Graph graph;
        for (const QString &folder : folders) {
            graph[folder];
            QDirIterator it(QStringLiteral(VISTRELLE_SOURCE_DIR "/") + folder,
                            {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                    continue;
                while (!file.atEnd()) {
                    const QString line = QString::fromUtf8(file.readLine()).trimmed();
                    const QString target = include.match(line).captured(1);
                    if (folders.contains(target) && target != folder)
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
