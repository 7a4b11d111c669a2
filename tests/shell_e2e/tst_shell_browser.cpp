// Opening links on the X11 desktop through the platform's own browser launcher: with no
// browser to start the user is told so; with one, it receives the link.

#include "../support/FakeTool.h"
#include "app/FileLogger.h"
#include "app/LinkManager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noBrowserWarns();
    void browserGetsTheLink();

private:
    QTemporaryDir m_bin;
};

void TestBrowser::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X11 test desktop (scripts/test-env.sh)");
    QVERIFY(m_bin.isValid());
    // A search path without any browser launcher.
    qputenv("PATH", QFile::encodeName(m_bin.path()));
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");
}

void TestBrowser::noBrowserWarns()
{
    LinkManager manager;
    manager.setLanguage(QStringLiteral("en"));
    QWidget parent;
    QString title;
    QString text;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            box->close();
        }
    });
    poll.start(20);
    QVERIFY(!manager.openLink(QStringLiteral("support"), QStringLiteral("tutorial"), &parent));
    QCOMPARE(title, QStringLiteral("Unable to open browser"));
    QVERIFY(text.endsWith(QStringLiteral("\nhttps://vistrelle.example/en/help/tutorial")));

    // The log folder cannot be shown either, and the caller is told.
    QVERIFY(!FileLogger::openLogDirectory());
}

void TestBrowser::browserGetsTheLink()
{
    const QString received = m_bin.filePath(QStringLiteral("received.txt"));
    const QByteArray target = QFile::encodeName(received);
    QVERIFY(writeScript(m_bin.filePath(QStringLiteral("xdg-open")),
                        "printf '%s' \"$*\" > '" + target + ".part' && mv '" + target + ".part' '" + target + "'\n"));
    // The launcher is looked for through the search path; /bin is needed for the shell.
    qputenv("PATH", QFile::encodeName(m_bin.path()) + ":/bin:/usr/bin");

    LinkManager manager;
    manager.setLanguage(QStringLiteral("en"));
    QVERIFY(manager.openLink(QStringLiteral("website"), QStringLiteral("home")));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(received), 10000);
    QFile file(received);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("https://vistrelle.example/en/"));
    file.close();

    // The log folder opens through the same launcher, as a local file address.
    QVERIFY(QFile::remove(received));
    QVERIFY(FileLogger::openLogDirectory());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(received), 10000);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), QUrl::fromLocalFile(FileLogger::logDirectory()).toString());
}

int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QApplication::setOrganizationName(QStringLiteral("Vistrelle"));
    TestBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell_browser.moc"
